// The find-and-replace bar: searches through QTextDocument::find, from the selection, and
// wraps around the document's ends.
#include "FindBar.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace quillmark {

FindBar::FindBar(QTextEdit &edit, QWidget *parent) : QWidget(parent), edit_(edit) {
  setObjectName(u"findBar"_s);
  auto *layout = new QGridLayout(this);
  layout->setContentsMargins(4, 2, 4, 2);
  buildFindRow(*layout);
  buildReplaceRow(*layout);
  hide();
}

// "Find:", its field, Next and Previous, the two options, what the bar says, and the close
// button; Enter finds the next match, Shift+Enter the previous one. The access keys of both
// rows are all different and none is a menu title's (F, E, V, R, W, T, H): Alt and a letter
// reaches one field or button, never a menu instead.
void FindBar::buildFindRow(QGridLayout &layout) {
  find_ = new QLineEdit;
  find_->setObjectName(u"findText"_s);
  find_->setClearButtonEnabled(true);
  matchCase_ = new QCheckBox(tr("&Match case"));
  wholeWords_ = new QCheckBox(tr("Whole w&ords"));
  message_ = new QLabel;
  message_->setTextFormat(Qt::PlainText);  // it quotes the text looked for
  auto *next = new QPushButton(tr("&Next"));
  auto *previous = new QPushButton(tr("&Previous"));
  auto *close = new QToolButton;
  close->setText(u"\u00d7"_s);
  close->setToolTip(tr("Close (Esc)"));
  close->setAutoRaise(true);
  auto *findLabel = new QLabel(tr("Fin&d:"));
  findLabel->setBuddy(find_);
  find_->setAccessibleName(tr("Find"));
  for (QToolButton *clear : find_->findChildren<QToolButton *>())
    clear->setAccessibleName(tr("Clear"));
  find_->setAccessibleDescription(
      tr("The text to look for; Enter finds the next match, Shift+Enter the previous one"));
  next->setAccessibleDescription(tr("Finds the next match"));
  previous->setAccessibleDescription(tr("Finds the match before"));
  matchCase_->setAccessibleDescription(tr("Finds only text with the same capital letters"));
  wholeWords_->setAccessibleDescription(tr("Finds only whole words"));
  message_->setAccessibleName(tr("Find result"));
  close->setAccessibleName(tr("Close the find bar"));
  close->setAccessibleDescription(tr("Closes the find bar and returns to the document"));

  layout.addWidget(findLabel, 0, 0);
  layout.addWidget(find_, 0, 1);
  layout.addWidget(next, 0, 2);
  layout.addWidget(previous, 0, 3);
  layout.addWidget(matchCase_, 0, 4);
  layout.addWidget(wholeWords_, 0, 5);
  layout.addWidget(message_, 0, 6);
  layout.addWidget(close, 0, 7);
  layout.setColumnStretch(6, 1);

  connect(next, &QPushButton::clicked, this, &FindBar::findNext);
  connect(previous, &QPushButton::clicked, this, &FindBar::findPrevious);
  connect(close, &QToolButton::clicked, this, [this] {
    hide();
    edit_.setFocus();
  });
  connect(find_, &QLineEdit::returnPressed, this, [this] {
    if (QGuiApplication::keyboardModifiers() & Qt::ShiftModifier)
      findPrevious();
    else
      findNext();
  });
  connect(find_, &QLineEdit::textEdited, this, &FindBar::findAsTyped);
}

// "Replace with:", its field, Replace and Replace All, as one widget, so that the find row
// can be shown alone; Enter in the field replaces.
void FindBar::buildReplaceRow(QGridLayout &layout) {
  replaceText_ = new QLineEdit;
  replaceText_->setObjectName(u"replaceText"_s);
  auto *replaceOne = new QPushButton(tr("Rep&lace"));
  auto *replaceEvery = new QPushButton(tr("Repla&ce All"));
  replaceLabel_ = new QLabel(tr("Replace w&ith:"));
  replaceLabel_->setBuddy(replaceText_);
  replaceText_->setAccessibleName(tr("Replace with"));
  replaceText_->setAccessibleDescription(tr("The text that replaces a match; Enter replaces"));
  replaceOne->setAccessibleDescription(tr("Replaces the match and finds the next one"));
  replaceEvery->setAccessibleDescription(tr("Replaces every match in the document"));

  replaceRow_ = new QWidget;
  auto *row = new QHBoxLayout(replaceRow_);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(replaceText_, 1);
  row->addWidget(replaceOne);
  row->addWidget(replaceEvery);
  layout.addWidget(replaceLabel_, 1, 0);
  layout.addWidget(replaceRow_, 1, 1, 1, 3);

  connect(replaceOne, &QPushButton::clicked, this, &FindBar::replace);
  connect(replaceEvery, &QPushButton::clicked, this, &FindBar::replaceAll);
  connect(replaceText_, &QLineEdit::returnPressed, this, &FindBar::replace);
}

void FindBar::showRows(bool withReplace) {
  const QTextCursor cursor = edit_.textCursor();
  const QString selected = cursor.selectedText();
  // A selection of more than one paragraph or line is no text to look for.
  if (!selected.isEmpty() && !selected.contains(QChar::ParagraphSeparator) &&
      !selected.contains(QChar::LineSeparator))
    find_->setText(selected);
  replaceRow_->setVisible(withReplace);
  replaceLabel_->setVisible(withReplace);
  message_->clear();
  show();
  find_->setFocus();
  find_->selectAll();
}

void FindBar::showFind() { showRows(false); }

void FindBar::showReplace() { showRows(true); }

QTextDocument::FindFlags FindBar::flags() const {
  QTextDocument::FindFlags result;
  if (matchCase_->isChecked()) result |= QTextDocument::FindCaseSensitively;
  if (wholeWords_->isChecked()) result |= QTextDocument::FindWholeWords;
  return result;
}

bool FindBar::find(QTextDocument::FindFlags direction) {
  const QString text = find_->text();
  if (text.isEmpty()) return false;
  QTextDocument &document = *edit_.document();
  const QTextDocument::FindFlags options = flags() | direction;
  QTextCursor found = document.find(text, edit_.textCursor(), options);
  if (found.isNull()) {
    // Once more from the other end of the document.
    QTextCursor end(&document);
    if (direction & QTextDocument::FindBackward) end.movePosition(QTextCursor::End);
    found = document.find(text, end, options);
    if (found.isNull()) {
      say(tr("“%1” was not found.").arg(text));
      return false;
    }
    say(direction & QTextDocument::FindBackward ? tr("Continued from the end.")
                                                : tr("Continued from the top."));
  } else {
    say(QString());
  }
  edit_.setTextCursor(found);
  return true;
}

bool FindBar::findNext() { return find({}); }

bool FindBar::findPrevious() { return find(QTextDocument::FindBackward); }

// Typing in the find field looks again from where the current match starts, so that the
// match grows with the text.
void FindBar::findAsTyped() {
  QTextCursor cursor = edit_.textCursor();
  cursor.setPosition(cursor.selectionStart());
  edit_.setTextCursor(cursor);
  if (!findNext()) edit_.setTextCursor(cursor);
}

// Whether the selection is exactly a match of the find text with the current options.
bool FindBar::selectionIsMatch() const {
  const QTextCursor selection = edit_.textCursor();
  if (!selection.hasSelection() || find_->text().isEmpty()) return false;
  QTextCursor from(edit_.document());
  from.setPosition(selection.selectionStart());
  const QTextCursor found = edit_.document()->find(find_->text(), from, flags());
  return !found.isNull() && found.selectionStart() == selection.selectionStart() &&
         found.selectionEnd() == selection.selectionEnd();
}

bool FindBar::replace() {
  const bool replaced = selectionIsMatch();
  if (replaced) {
    QTextCursor cursor = edit_.textCursor();
    cursor.insertText(replaceText_->text());
    edit_.setTextCursor(cursor);
  }
  findNext();
  return replaced;
}

int FindBar::replaceAll() {
  const QString text = find_->text();
  if (text.isEmpty()) return 0;
  QTextDocument &document = *edit_.document();
  const QString replacement = replaceText_->text();
  int count = 0;
  QTextCursor step(&document);
  step.beginEditBlock();  // one undo step for all of them
  QTextCursor from(&document);
  for (;;) {
    QTextCursor found = document.find(text, from, flags());
    if (found.isNull()) break;
    found.insertText(replacement);  // in the format of the text replaced
    ++count;
    from = found;  // after the replacement, so that it is never searched again
  }
  step.endEditBlock();
  if (count == 0)
    say(tr("“%1” was not found.").arg(text));
  else
    say(count == 1 ? tr("Replaced 1 match.")
                   : tr("Replaced %1 matches.").arg(QLocale().toString(count)));
  return count;
}

QString FindBar::message() const { return message_->text(); }

void FindBar::say(const QString &text) {
  message_->setText(text);
  if (!text.isEmpty()) emit messaged(text);
}

void FindBar::keyPressEvent(QKeyEvent *event) {
  if (event->key() == Qt::Key_Escape) {
    hide();
    edit_.setFocus();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace quillmark
