#pragma once
// What the window knows about its document beyond the text: the file it came from (or none:
// "Untitled"), whether it changed since it was opened, saved or made new (the document's own
// modified flag), and the window title that shows both. Also the one question asked before a
// changed document is closed, replaced or left: "Save changes to NAME?".
#include <QObject>
#include <QString>
#include <functional>

#include "Platform.h"

class QTextDocument;
class QWidget;

namespace quillmark {

inline constexpr char16_t kWindowCaption[] = u"Quillmark by Norvane";

class DocumentState : public QObject {
  Q_OBJECT

 public:
  // Follows `document`'s modified flag; `document` must outlive this object.
  explicit DocumentState(QTextDocument &document, QObject *parent = nullptr);

  // The document's file (an absolute path), or empty while it has none.
  QString filePath() const { return filePath_; }
  // The file's name without its folder, or "Untitled".
  QString displayName() const;
  bool isModified() const;

  // The document now matches `filePath` on disk: after an open or a successful save.
  void setSaved(const QString &filePath);
  // A new, empty document, or one restored from a draft (`modified` true): no file.
  void setUntitled(bool modified = false);

  // "NAME[*] — Quillmark by Norvane"; Qt shows the [*] as a mark while the window is marked
  // modified.
  QString windowTitle() const;
  // Keeps `window`'s title and modified mark up to date from now on.
  void attach(QWidget &window);

 signals:
  // The file name or the modified flag changed.
  void changed();

 private:
  void updateWindow();

  QTextDocument &document_;
  QString filePath_;
  QWidget *window_ = nullptr;
};

// "Save changes to NAME?" with Save, Discard and Cancel, titled with the window's caption.
Platform::SaveChoice askToSave(Platform &platform, QWidget *parent, const QString &name);

// What close, exit, open and new call before they drop the document: true when they may go
// on. Nothing is asked when the document is unchanged. Save runs `save`, which returns false
// when the save failed or was cancelled, and then nothing may be dropped either.
bool mayDropDocument(Platform &platform, QWidget *parent, const DocumentState &state,
                     const std::function<bool()> &save);

}  // namespace quillmark
