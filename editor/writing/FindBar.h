#pragma once
// The find-and-replace bar that stands above the document: a find field, a replace field,
// match case and whole words, Find Next and Previous, Replace and Replace All. It is not a
// dialog: the writer goes on typing in the document while it is shown, and Esc hides it.
#include <QTextDocument>
#include <QWidget>

class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextEdit;

namespace quillmark {

class FindBar : public QWidget {
  Q_OBJECT

 public:
  // Searches `edit`'s document; `edit` must outlive the bar. Starts hidden.
  explicit FindBar(QTextEdit &edit, QWidget *parent = nullptr);

  // Edit > Find: shows the find row, with the selected text (if it is one line) to look for,
  // and puts the insertion point in the find field.
  void showFind();
  // Edit > Replace: the same with the replace row too.
  void showReplace();

  // Selects the next (or previous) match after (before) the selection, continuing from the
  // other end of the document when it reaches one. False when there is none at all.
  bool findNext();
  bool findPrevious();
  // Replaces the selection when it is a match, then selects the next match. False when the
  // selection was no match (nothing replaced; the next match is selected, if any).
  bool replace();
  // Replaces every match in the document as one undo step and says how many it replaced.
  int replaceAll();

  // The last thing the bar told the writer ("Replaced 3 matches"), also sent by messaged().
  QString message() const;

  QLineEdit &findField() const { return *find_; }
  QLineEdit &replaceField() const { return *replaceText_; }
  QCheckBox &matchCaseBox() const { return *matchCase_; }
  QCheckBox &wholeWordsBox() const { return *wholeWords_; }

 signals:
  // What the bar says, for the window's status bar too.
  void messaged(const QString &text);

 protected:
  void keyPressEvent(QKeyEvent *event) override;

 private:
  void buildFindRow(QGridLayout &layout);
  void buildReplaceRow(QGridLayout &layout);
  QTextDocument::FindFlags flags() const;
  bool find(QTextDocument::FindFlags direction);
  bool selectionIsMatch() const;
  void say(const QString &text);
  void showRows(bool withReplace);
  void findAsTyped();

  QTextEdit &edit_;
  QLineEdit *find_ = nullptr;
  QLineEdit *replaceText_ = nullptr;
  QCheckBox *matchCase_ = nullptr;
  QCheckBox *wholeWords_ = nullptr;
  QWidget *replaceRow_ = nullptr;
  QLabel *replaceLabel_ = nullptr;
  QLabel *message_ = nullptr;
};

}  // namespace quillmark
