#pragma once
// The window's modal conversations with the user: message boxes, the file and colour
// dialogs, printing and dialogs of our own. The program uses QtPlatform; tests give the
// window a scripted stand-in, so that no test ever waits on a real modal dialog.
#include <QColor>
#include <QString>
#include <functional>
#include <optional>

class QDialog;
class QObject;
class QTextDocument;
class QWidget;

namespace quillmark {

enum class Format;  // quillmark/formats.h

class Platform {
 public:
  enum class Icon { None, Question, Warning };
  // The answers to "Save changes to NAME?".
  enum class SaveChoice { Save, Discard, Cancel };
  // The answers to "Quillmark found a post that was not saved ... Restore it?"; Later (Esc,
  // or the box closed) leaves the draft to be offered at the next start.
  enum class DraftChoice { Restore, Discard, Later };

  struct FileDialogSettings {
    QString title;
    QString directory;      // the folder the dialog starts in, or a file in it to select
    QString filter;         // e.g. "*.rtf"
    QString defaultSuffix;  // added to a name typed without one
  };
  // A picture on the web to insert: its address and its alternative text.
  struct PictureAddress {
    QString address;
    QString altText;
  };
  // The table Insert > Table... makes: its rows and columns, and whether its first row is a
  // header.
  struct TableShape {
    int rows = 3;
    int columns = 3;
    bool headerRow = true;
  };

  virtual ~Platform() = default;

  // A question with Yes and No, No the default; true for Yes.
  virtual bool askYesNo(QWidget *parent, const QString &title, const QString &text) = 0;
  // A question with Save, Discard and Cancel, Save the default and Esc for Cancel.
  virtual SaveChoice askSaveDiscardCancel(QWidget *parent, const QString &title,
                                          const QString &text) = 0;
  // A question with Restore and Discard, Restore the default: Enter never throws a post away.
  virtual DraftChoice askRestoreDraft(QWidget *parent, const QString &title,
                                      const QString &text) = 0;
  // A message with an OK button only.
  virtual void showMessage(QWidget *parent, Icon icon, const QString &title,
                           const QString &text) = 0;
  // The chosen file, or nothing when cancelled. The save dialog asks before it replaces an
  // existing file.
  virtual std::optional<QString> chooseFileToOpen(QWidget *parent,
                                                  const FileDialogSettings &settings) = 0;
  virtual std::optional<QString> chooseFileToSave(QWidget *parent,
                                                  const FileDialogSettings &settings) = 0;
  // The chosen colour, or nothing when cancelled; the dialog opens on `initial`.
  virtual std::optional<QColor> chooseColor(QWidget *parent, const QColor &initial) = 0;
  // Runs a dialog of ours modally.
  virtual void runModal(QDialog &dialog) = 0;
  // One line of text, the field starting as `initial`; nothing when cancelled.
  virtual std::optional<QString> askText(QWidget *parent, const QString &title,
                                         const QString &label, const QString &initial) = 0;
  // The address and alternative text of a picture, asked in one dialog; nothing when
  // cancelled (a platform without the dialog cancels).
  virtual std::optional<PictureAddress> askPicture(QWidget * /*parent*/) { return std::nullopt; }
  // The shape of a new table, the dialog starting as `initial`; nothing when cancelled (a
  // platform without the dialog cancels). The rows and columns it gives may be any numbers:
  // the window keeps them within what a document holds.
  virtual std::optional<TableShape> askTable(QWidget * /*parent*/, const TableShape & /*initial*/) {
    return std::nullopt;
  }
  // The BBCode dialect of a post file whose tags fit several, the list starting at `initial`;
  // nothing when cancelled (a platform without the dialog cancels).
  virtual std::optional<Format> askDialect(QWidget * /*parent*/, const QString & /*fileName*/,
                                           Format /*initial*/) {
    return std::nullopt;
  }
  // Asks for a printer and prints the document; false when cancelled.
  virtual bool print(QWidget *parent, QTextDocument &document) = 0;

  // From now on, for as long as `context` lives, calls `ending` when the program must end
  // without asking anything: the desktop session ends (the session manager asks it to commit
  // its data), or it is told to stop (SIGTERM, SIGHUP, and SIGINT from a terminal's Ctrl+C).
  // It may come more than once. A platform with no desktop session never calls it.
  virtual void onSessionEnd(QObject * /*context*/, std::function<void()> /*ending*/) {}
};

// The real dialogs and message boxes.
class QtPlatform final : public Platform {
 public:
  bool askYesNo(QWidget *parent, const QString &title, const QString &text) override;
  SaveChoice askSaveDiscardCancel(QWidget *parent, const QString &title,
                                  const QString &text) override;
  DraftChoice askRestoreDraft(QWidget *parent, const QString &title, const QString &text) override;
  void showMessage(QWidget *parent, Icon icon, const QString &title, const QString &text) override;
  std::optional<QString> chooseFileToOpen(QWidget *parent,
                                          const FileDialogSettings &settings) override;
  std::optional<QString> chooseFileToSave(QWidget *parent,
                                          const FileDialogSettings &settings) override;
  std::optional<QColor> chooseColor(QWidget *parent, const QColor &initial) override;
  void runModal(QDialog &dialog) override;
  std::optional<QString> askText(QWidget *parent, const QString &title, const QString &label,
                                 const QString &initial) override;
  std::optional<PictureAddress> askPicture(QWidget *parent) override;
  std::optional<TableShape> askTable(QWidget *parent, const TableShape &initial) override;
  std::optional<Format> askDialect(QWidget *parent, const QString &fileName,
                                   Format initial) override;
  bool print(QWidget *parent, QTextDocument &document) override;
  void onSessionEnd(QObject *context, std::function<void()> ending) override;
};

}  // namespace quillmark
