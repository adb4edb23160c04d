// The formatting commands: the three switches, alignment, bullets and numbering, indent and
// list levels, quotes, headings, colour, font size, the fixed-columns block, pictures and
// rules. Each works on the selection of the document, or on what is
// typed next when nothing is selected, and is one step of undo.
#include <QComboBox>
#include <QRegularExpression>
#include <QStatusBar>
#include <string_view>

#include "QuillmarkMain.h"
#include "richtext/DocumentModel.h"
#include "richtext/RichTextBox.h"

using namespace Qt::StringLiterals;

namespace quillmark {

namespace {

// An indent command moves the paragraphs by one bullet indent.
constexpr int kIndentStep = richtext::kBulletIndentTwips;

using richtext::qs;

}  // namespace

// A switch reads the selection's state and writes its opposite. On a mixed selection it
// switches the whole selection on, as a second press then switches it all off.
void QuillmarkMain::toggleBold() { box_->setSelBold(!box_->selBold().value_or(false)); }
void QuillmarkMain::toggleItalic() { box_->setSelItalic(!box_->selItalic().value_or(false)); }
void QuillmarkMain::toggleUnderline() {
  box_->setSelUnderline(!box_->selUnderline().value_or(false));
}

void QuillmarkMain::alignLeft() { box_->setSelAlignment(richtext::Alignment::Left); }
void QuillmarkMain::alignCenter() { box_->setSelAlignment(richtext::Alignment::Center); }
void QuillmarkMain::alignRight() { box_->setSelAlignment(richtext::Alignment::Right); }

// Paragraphs that differ in bullets or indent are left alone.
void QuillmarkMain::toggleBullets() {
  if (const auto bullet = box_->selBullet()) box_->setSelBullet(!*bullet);
}

void QuillmarkMain::toggleNumbering() {
  if (const auto numbered = box_->selNumbered()) box_->setSelNumbered(!*numbered);
}

// Inside a list the indent commands change the items' level, as Tab and Shift+Tab do.
// A table's cells take no indent: they line up in their columns.
void QuillmarkMain::increaseIndent() {
  if (box_->selInTable()) return;
  if (box_->changeSelListLevel(1)) return;
  if (const auto indent = box_->selIndent()) box_->setSelIndent(*indent + kIndentStep);
}

void QuillmarkMain::decreaseIndent() {
  if (box_->selInTable()) return;
  if (box_->changeSelListLevel(-1)) return;
  if (const auto indent = box_->selIndent()) box_->setSelIndent(*indent - kIndentStep);
}

// A selection partly in a quote goes in whole; a second press takes it out.
void QuillmarkMain::toggleQuote() { box_->setSelQuote(!box_->selQuote().value_or(false)); }

void QuillmarkMain::setHeading1() { box_->setSelHeading(1); }
void QuillmarkMain::setHeading2() { box_->setSelHeading(2); }
void QuillmarkMain::setHeading3() { box_->setSelHeading(3); }
void QuillmarkMain::setNormalText() { box_->setSelHeading(0); }

void QuillmarkMain::insertPicture() {
  const auto picture = platform_->askPicture(this);
  if (!picture) return;
  QString error;
  if (!box_->insertPicture(picture->address, picture->altText, &error)) {
    platform_->showMessage(this, Platform::Icon::Warning, tr("Picture from Address"), error);
    return;
  }
  box_->setFocus();
}

void QuillmarkMain::insertRule() { box_->insertRule(); }

void QuillmarkMain::chooseColor() {
  const auto color = platform_->chooseColor(this, lastColor_);
  if (!color) return;
  lastColor_ = *color;
  box_->setSelColor(richtext::rgbValueFromColor(*color));
}

// A text that is not a positive number is ignored.
void QuillmarkMain::applyFontSize() {
  bool isNumber = false;
  const double points = fontSize_->currentText().trimmed().toDouble(&isNumber);
  if (isNumber && points > 0)
    box_->setSelFontSize(points);
  else
    statusBar()->showMessage(tr("\"%1\" is no font size: type a number of points, such as 12.")
                                 .arg(fontSize_->currentText().trimmed()),
                             5000);
  box_->setFocus();
}

// Inserts "{Begin Fixed}", an empty paragraph and "{End Fixed}" in Courier, then a blank and
// two paragraph breaks in the default face and the normal size, so that what is written after
// the block is normal text again. The insertion point ends on the empty paragraph inside the
// block, ready for the columns. A selection is replaced. A table's cells hold text only, so
// the block is refused there, as a picture is.
void QuillmarkMain::insertFixedColumns() {
  if (box_->selInTable()) {
    platform_->showMessage(this, Platform::Icon::Warning, tr("Fixed Columns"),
                           tr("A table's cells hold text only: a fixed-columns block goes outside "
                              "the table. Convert Table to Text makes the table one."));
    return;
  }
  const QString begin = qs(kFixedBegin);
  const QString end = qs(kFixedEnd);
  const int markers = int(begin.size() + 2 + end.size());  // 26 characters
  richtext::RichTextBox &box = *box_;
  richtext::RichTextBox::UndoStep step(box);
  box.setSelText(begin + u'\r');
  box.setSelText(u'\r' + end);
  box.setSelStart(box.selStart() - markers);
  const int inside = box.selStart() + int(begin.size()) + 1;
  box.setSelLength(markers);
  box.setSelFontName(QString::fromUtf16(richtext::kFixedFontName));
  box.setSelStart(box.selStart() + markers);
  box.setSelText(u" "_s);
  box.setSelStart(box.selStart() - 1);
  box.setSelLength(1);
  box.setSelFontName(QString::fromUtf16(richtext::kDefaultFontName));
  box.setSelFontSize(richtext::kDefaultFontPointSize);
  box.setSelStart(box.selStart() + 1);
  box.setSelLength(0);
  box.setSelText(u"\r\r"_s);
  box.setSelStart(inside);
}

}  // namespace quillmark

namespace quillmark {

namespace {

// Whether selected text reads as a web or mail address by itself, so that "Link..." can
// offer it as the address.
bool looksLikeAddress(const QString &text) {
  static const QRegularExpression address(
      u"^(?:(?:https?|ftp)://\\S+|www\\.\\S+\\.\\S+|mailto:\\S+@\\S+)$"_s,
      QRegularExpression::CaseInsensitiveOption);
  return address.match(text).hasMatch();
}

}  // namespace

void QuillmarkMain::makeLink() {
  richtext::RichTextBox &box = *box_;
  QString offered = box.selLink().value_or(QString());
  if (offered.isEmpty()) {
    const QString selected = box.textCursor().selectedText().trimmed();
    if (looksLikeAddress(selected)) offered = selected;
  }
  const std::optional<QString> address =
      platform_->askText(this, tr("Link"), tr("Link address (empty for no link):"), offered);
  if (!address) return;
  box.setSelLink(*address);
  box.setFocus();
}

}  // namespace quillmark
