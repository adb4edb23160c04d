#pragma once
// Spelling for the window's document, as one object: the checker, the underline, the
// right-click menu (up to eight corrections, "Add to Dictionary", "Ignore All") and the
// Tools > Spelling menu (checking on and off, the installed dictionaries).
#include <QObject>
#include <QPoint>
#include <QString>
#include <memory>

#include "SpellChecker.h"
#include "SpellHighlighter.h"

class QMenu;
class QTextEdit;

namespace quillmark {

class Spelling : public QObject {
  Q_OBJECT

 public:
  // Checks `edit`'s document, which must outlive this object; the personal word list lives
  // in `dataFolder`. Checking starts on when a dictionary is installed.
  explicit Spelling(QTextEdit &edit, const QString &dataFolder = SpellChecker::defaultDataFolder(),
                    QObject *parent = nullptr);
  ~Spelling() override;

  SpellChecker &checker() { return checker_; }
  SpellHighlighter &highlighter() { return *highlighter_; }

  bool isChecking() const { return highlighter_->isChecking(); }
  void setChecking(bool on);
  bool setLanguage(const QString &tag);
  // A new or another document: the words ignored for the old one count again.
  void documentReplaced();

  // The misspelt word at `viewportPos` in the edit's viewport, selected in the returned
  // cursor; a null cursor when the word there is spelt right, or is not checked.
  QTextCursor misspeltWordAt(const QPoint &viewportPos);
  // The edit's own context menu, with the corrections of the misspelt word at
  // `viewportPos`, "Add to Dictionary" and "Ignore All" first.
  std::unique_ptr<QMenu> contextMenu(const QPoint &viewportPos);
  // Adds the spelling items of the word at `viewportPos` at the top of `menu`; false when
  // there is no misspelt word there.
  bool addCorrections(QMenu &menu, const QPoint &viewportPos);

  // Fills Tools > Spelling afresh: "Check &Spelling" (on and off); the dictionary in use
  // ("In use: English (United Kingdom)"); the "Spelling Language" submenu, one item per
  // installed dictionary, the one in use checked, choosing it changes the language and
  // checks the document again ("No Dictionaries Installed" instead when none); and how to
  // get more.
  void fillMenu(QMenu &menu);

 signals:
  // Checking was switched, or the language changed: for the window's settings.
  void settingsChanged();

 private:
  QTextEdit &edit_;
  SpellChecker checker_;
  std::unique_ptr<SpellHighlighter> highlighter_;
};

// A dictionary's name for menus, in its own language: "English (United States)" for
// "en_US", "Deutsch (Deutschland)" for "de_DE".
QString languageDisplayName(const QString &tag);

}  // namespace quillmark
