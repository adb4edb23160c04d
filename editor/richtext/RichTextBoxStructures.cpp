// RichTextBox's structures: bulleted and numbered lists and their levels, quotes, headings,
// pictures and rules, held in the document as DocumentModel.h says.
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <QTextBlock>
#include <QTextImageFormat>
#include <QTextList>
#include <QUrl>
#include <algorithm>
#include <array>

#include "richtext/DocumentModel.h"
#include "richtext/RichTextBox.h"
#include "richtext/SelectedBlocks.h"

using namespace Qt::StringLiterals;

namespace quillmark::richtext {

namespace {

enum ListKind : int { kNoList = 0, kBullets = 1, kNumbers = 2 };

bool isNumberStyle(QTextListFormat::Style style) {
  switch (style) {
    case QTextListFormat::ListDecimal:
    case QTextListFormat::ListLowerAlpha:
    case QTextListFormat::ListUpperAlpha:
    case QTextListFormat::ListLowerRoman:
    case QTextListFormat::ListUpperRoman:
      return true;
    default:
      return false;
  }
}

int kindOf(const QTextList *list) {
  if (!list) return kNoList;
  return isNumberStyle(list->format().style()) ? kNumbers : kBullets;
}

int levelOf(const QTextList *list) {
  return list ? std::clamp(list->format().indent(), 1, kMaxListLevel) : 0;
}

// Each level takes the next of three marks, and the fourth level starts over.
QTextListFormat::Style styleFor(int kind, int level) {
  static constexpr std::array bullets{QTextListFormat::ListDisc, QTextListFormat::ListCircle,
                                      QTextListFormat::ListSquare};
  static constexpr std::array numbers{QTextListFormat::ListDecimal, QTextListFormat::ListLowerAlpha,
                                      QTextListFormat::ListLowerRoman};
  const auto index = std::size_t((level - 1) % 3);
  return kind == kNumbers ? numbers[index] : bullets[index];
}

// The list of `kind` at `level` the items next to `from` (going up or down) are in: deeper
// items between are passed over, anything else ends the search.
QTextList *neighbourList(QTextBlock from, bool up, int level, int kind) {
  for (QTextBlock block = from; block.isValid(); block = up ? block.previous() : block.next()) {
    QTextList *list = block.textList();
    if (!list) return nullptr;
    const int itsLevel = levelOf(list);
    if (itsLevel > level) continue;
    return itsLevel == level && kindOf(list) == kind ? list : nullptr;
  }
  return nullptr;
}

// Out of its list, a paragraph keeps its own indent. (QTextList::remove would add the list's
// indent to it, leaving the paragraph where the item's text was.)
void leaveList(const QTextBlock &block) {
  QTextBlockFormat format = block.blockFormat();
  format.setObjectIndex(-1);
  QTextCursor(block).setBlockFormat(format);
}

// Makes the paragraph an item of `kind` at `level`: of the list its neighbours at that level
// are in, so that a list typed a line at a time stays one, or of a new one.
void placeInList(const QTextBlock &block, int level, int kind) {
  const QTextList *current = block.textList();
  if (current && levelOf(current) == level && kindOf(current) == kind) return;
  QTextList *target = neighbourList(block.previous(), true, level, kind);
  if (!target) target = neighbourList(block.next(), false, level, kind);
  QTextCursor cursor(block);
  if (target) {
    QTextBlockFormat format;
    format.setObjectIndex(target->objectIndex());
    cursor.mergeBlockFormat(format);
    return;
  }
  QTextListFormat format;
  format.setStyle(styleFor(kind, level));
  format.setIndent(level);
  cursor.createList(format);
}

// The characters' look of a heading of `level`, or of normal text for 0.
QTextCharFormat headingLook(int level) {
  QTextCharFormat look;
  look.setFontWeight(level > 0 ? QFont::Bold : QFont::Normal);
  look.setFontPointSize(level > 0 ? headingPointSize(level) : kDefaultFontPointSize);
  return look;
}

// What may stand in a picture's alternative text: one line of text characters.
QString altTextOf(QString text) {
  text.replace(u'\t', u' ');
  text.replace(QChar::LineSeparator, u' ');
  text.replace(QChar::ParagraphSeparator, u' ');
  text.replace(u'\n', u' ');
  text.removeIf([](QChar c) { return !isTextCharacter(c.unicode()); });
  return text.simplified();
}

// The alternative text of the first picture in the document at `address`.
QString altTextFor(const QTextDocument &document, const QUrl &address) {
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextCharFormat format = it.fragment().charFormat();
      if (format.isImageFormat() && QUrl(format.toImageFormat().name()) == address)
        return format.stringProperty(QTextFormat::ImageAltText);
    }
  }
  return {};
}

}  // namespace

std::optional<bool> RichTextBox::selBullet() const {
  return uniformBlock(textCursor(),
                      [](const QTextBlock &block) { return kindOf(block.textList()) == kBullets; });
}

void RichTextBox::setSelBullet(bool on) { setSelList(on ? kBullets : kNoList); }

std::optional<bool> RichTextBox::selNumbered() const {
  return uniformBlock(textCursor(),
                      [](const QTextBlock &block) { return kindOf(block.textList()) == kNumbers; });
}

void RichTextBox::setSelNumbered(bool on) { setSelList(on ? kNumbers : kNoList); }

// A table's cells hold text only: the structure commands leave them as they are.
void RichTextBox::setSelList(int kind) {
  if (selInTable()) return;
  const QList<QTextBlock> blocks = selectedBlocks(textCursor());
  UndoStep step(*this);
  for (const QTextBlock &block : blocks) {
    const QTextList *list = block.textList();
    if (kind == kNoList) {
      if (list) leaveList(block);
    } else {
      placeInList(block, list ? levelOf(list) : 1, kind);
    }
  }
}

std::optional<int> RichTextBox::selListLevel() const {
  return uniformBlock(textCursor(),
                      [](const QTextBlock &block) { return levelOf(block.textList()); });
}

bool RichTextBox::changeSelListLevel(int levels) {
  if (selInTable()) return false;
  const QList<QTextBlock> blocks = selectedBlocks(textCursor());
  if (std::any_of(blocks.begin(), blocks.end(),
                  [](const QTextBlock &block) { return block.textList() == nullptr; }))
    return false;
  UndoStep step(*this);
  for (const QTextBlock &block : blocks) {
    const QTextList *list = block.textList();
    const int level = levelOf(list) + levels;
    if (level < 1)
      leaveList(block);
    else
      placeInList(block, std::min(level, kMaxListLevel), kindOf(list));
  }
  return true;
}

std::optional<bool> RichTextBox::selQuote() const {
  return uniformBlock(
      textCursor(), [](const QTextBlock &block) { return quoteLevelOf(block.blockFormat()) > 0; });
}

void RichTextBox::setSelQuote(bool on) {
  if (selInTable()) return;
  const QList<QTextBlock> blocks = selectedBlocks(textCursor());
  UndoStep step(*this);
  for (const QTextBlock &block : blocks) {
    QTextBlockFormat format = block.blockFormat();
    const int level = quoteLevelOf(format);
    const int wanted = on ? std::max(level, 1) : 0;
    if (wanted == level) continue;
    const double ownMargin = std::max(0.0, format.leftMargin() - level * kQuoteIndentPixels);
    format.setLeftMargin(ownMargin + wanted * kQuoteIndentPixels);
    if (wanted > 0)
      format.setProperty(QTextFormat::BlockQuoteLevel, wanted);
    else
      format.clearProperty(QTextFormat::BlockQuoteLevel);
    QTextCursor(block).setBlockFormat(format);
  }
}

std::optional<int> RichTextBox::selHeading() const {
  return uniformBlock(textCursor(), [](const QTextBlock &block) {
    return std::clamp(block.blockFormat().headingLevel(), 0, 3);
  });
}

// Paragraphs already at the level keep their characters as they are: Normal Text on a
// paragraph that is no heading leaves its bold words and sizes alone.
void RichTextBox::setSelHeading(int level) {
  level = std::clamp(level, 0, 3);
  if (level > 0 && selInTable()) return;
  const QTextCharFormat look = headingLook(level);
  const QList<QTextBlock> blocks = selectedBlocks(textCursor());
  bool changed = false;
  {
    UndoStep step(*this);
    for (const QTextBlock &block : blocks) {
      QTextBlockFormat format = block.blockFormat();
      if (std::clamp(format.headingLevel(), 0, 3) == level) continue;
      changed = true;
      QTextCursor cursor(block);
      if (level > 0)
        format.setHeadingLevel(level);
      else
        format.clearProperty(QTextFormat::HeadingLevel);
      cursor.setBlockFormat(format);
      cursor.mergeBlockCharFormat(look);
      cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
      cursor.mergeCharFormat(look);
    }
  }
  // What is typed next at the insertion point takes the look too.
  if (changed && !textCursor().hasSelection()) mergeCurrentCharFormat(look);
}

bool RichTextBox::isPictureAddress(const QString &address) {
  const QUrl url(address, QUrl::StrictMode);
  const QString scheme = url.scheme().toLower();
  return url.isValid() && (scheme == u"http"_s || scheme == u"https"_s) && !url.host().isEmpty() &&
         addressText(address) == address;
}

bool RichTextBox::insertPicture(const QString &address, const QString &altText, QString *error) {
  const QString trimmed = address.trimmed();
  if (!isPictureAddress(trimmed)) {
    if (error) {
      *error = tr("\"%1\" is no address of a picture on the web: a picture's address starts "
                  "with http:// or https://.")
                   .arg(trimmed);
    }
    return false;
  }
  if (selInTable()) {
    if (error) *error = tr("A table's cells hold text only: a picture goes outside the table.");
    return false;
  }
  QTextImageFormat image;
  image.setName(trimmed);
  const QString alt = altTextOf(altText);
  if (!alt.isEmpty()) image.setProperty(QTextFormat::ImageAltText, alt);
  QTextCursor cursor = textCursor();
  {
    UndoStep step(*this);
    cursor.removeSelectedText();
    cursor.insertImage(image);
  }
  setTextCursor(cursor);
  return true;
}

void RichTextBox::insertRule() {
  if (selInTable()) return;
  QTextCursor cursor = textCursor();
  {
    UndoStep step(*this);
    cursor.removeSelectedText();
    if (cursor.positionInBlock() > 0) cursor.insertBlock();
    // An empty paragraph with one after it becomes the rule itself, so that a rule put at
    // the end of a paragraph leaves no empty line below it.
    if (cursor.block().length() > 1 || !cursor.block().next().isValid()) {
      cursor.insertBlock();
      cursor.movePosition(QTextCursor::PreviousBlock);
    }
    // The rule stays inside the quote it is inserted in; it is in no list and no heading.
    const int quote = quoteLevelOf(cursor.blockFormat());
    QTextBlockFormat rule;
    if (quote > 0) {
      rule.setProperty(QTextFormat::BlockQuoteLevel, quote);
      rule.setLeftMargin(quote * kQuoteIndentPixels);
    }
    rule.setProperty(QTextFormat::BlockTrailingHorizontalRulerWidth,
                     QTextLength(QTextLength::PercentageLength, 100));
    cursor.setBlockFormat(rule);
    cursor.movePosition(QTextCursor::NextBlock);
  }
  setTextCursor(cursor);
}

void RichTextBox::keyPressEvent(QKeyEvent *event) {
  const bool tab = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
  const auto others = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
  if (tab && !(event->modifiers() & others)) {
    const bool back = event->key() == Qt::Key_Backtab || (event->modifiers() & Qt::ShiftModifier);
    if (moveToCell(back)) {
      event->accept();
      return;
    }
    const QTextCursor cursor = textCursor();
    const QTextBlock first = document()->findBlock(cursor.selectionStart());
    if (first.textList() && cursor.selectionStart() == first.position() &&
        changeSelListLevel(back ? -1 : 1)) {
      event->accept();
      return;
    }
  }
  // Return at the end of a heading starts a paragraph of normal text.
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && !(event->modifiers() & (others | Qt::ShiftModifier))) {
    QTextCursor cursor = textCursor();
    if (!cursor.hasSelection() && cursor.atBlockEnd() && cursor.blockFormat().headingLevel() > 0) {
      QTextBlockFormat format = cursor.blockFormat();
      format.clearProperty(QTextFormat::HeadingLevel);
      QTextCharFormat look = cursor.charFormat();
      look.merge(headingLook(0));
      {
        UndoStep step(*this);
        cursor.insertBlock(format, look);
      }
      setTextCursor(cursor);
      event->accept();
      return;
    }
  }
  QTextEdit::keyPressEvent(event);
}

// A framed card with the alternative text and the address, elided to fit.
QVariant RichTextBox::loadResource(int type, const QUrl &name) {
  if (type != QTextDocument::ImageResource) return QByteArray();
  QImage card(kPicturePlaceholderWidth, kPicturePlaceholderHeight, QImage::Format_RGB32);
  card.fill(QColor(244, 244, 240));
  QPainter painter(&card);
  painter.setPen(QColor(150, 150, 150));
  painter.drawRect(card.rect().adjusted(0, 0, -1, -1));
  const QRect inside = card.rect().adjusted(8, 6, -8, -6);
  QFont font = this->font();
  font.setPixelSize(13);
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(QColor(60, 60, 60));
  QString alt = altTextFor(*document(), name);
  if (alt.isEmpty()) alt = tr("Picture");
  painter.drawText(inside, Qt::AlignLeft | Qt::AlignTop,
                   QFontMetrics(font).elidedText(alt, Qt::ElideRight, inside.width()));
  font.setBold(false);
  font.setPixelSize(11);
  painter.setFont(font);
  painter.setPen(QColor(90, 90, 140));
  painter.drawText(
      inside, Qt::AlignLeft | Qt::AlignBottom,
      QFontMetrics(font).elidedText(name.toDisplayString(), Qt::ElideMiddle, inside.width()));
  painter.end();
  return card;
}

}  // namespace quillmark::richtext
