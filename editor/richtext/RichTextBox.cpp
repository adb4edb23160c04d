// The selection operations of the document component over QTextEdit: reading an attribute
// across a selection (or "no single value"), writing it to the selection or to what is typed
// next, and the document as RTF through the writer and reader.
#include "richtext/RichTextBox.h"

#include <QAbstractTextDocumentLayout>
#include <QEvent>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QMimeData>
#include <QPaintEvent>
#include <QPainter>
#include <QPalette>
#include <QRawFont>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocumentFragment>
#include <QTextLayout>
#include <QTextList>
#include <QTextTable>
#include <algorithm>
#include <memory>

#include "richtext/BusyCursor.h"
#include "richtext/DocumentFile.h"
#include "richtext/DocumentModel.h"
#include "richtext/FixedColumns.h"
#include "richtext/OfficeDocument.h"
#include "richtext/RtfLists.h"
#include "richtext/RtfReader.h"
#include "richtext/RtfWriter.h"
#include "richtext/SelectedBlocks.h"
#include "richtext/WebPage.h"

using namespace Qt::StringLiterals;

namespace quillmark::richtext {

namespace {

// The MIME types of RTF on the clipboard, in the order they are looked for.
const QString kRtfMimeTypes[] = {u"text/rtf"_s, u"application/rtf"_s, u"text/richtext"_s};

// The last position a cursor may take: before the final paragraph separator.
int lastPosition(const QTextDocument &document) { return document.characterCount() - 1; }

// Calls visit(format) for the format of every character in [start, end), and returns false
// as soon as visit does. A range without characters (an empty selection, or paragraph breaks
// only) visits nothing.
template <typename Visit>
bool forEachCharFormat(const QTextDocument &document, int start, int end, Visit visit) {
  for (QTextBlock block = document.findBlock(start); block.isValid() && block.position() < end;
       block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      if (fragment.position() + fragment.length() <= start) continue;
      if (fragment.position() >= end) break;
      if (!visit(fragment.charFormat())) return false;
    }
  }
  return true;
}

// The one value get(format) takes over the selection, or none when it differs. With nothing
// selected (or only paragraph breaks) it is the format that typing would use.
template <typename Get>
auto uniformChar(const QTextCursor &cursor, Get get)
    -> std::optional<decltype(get(QTextCharFormat()))> {
  using Value = decltype(get(QTextCharFormat()));
  std::optional<Value> value;
  bool mixed = false;
  forEachCharFormat(*cursor.document(), cursor.selectionStart(), cursor.selectionEnd(),
                    [&](const QTextCharFormat &format) {
                      Value next = get(format);
                      if (value && *value != next) {
                        mixed = true;
                        return false;
                      }
                      value = std::move(next);
                      return true;
                    });
  if (mixed) return std::nullopt;
  if (!value) value = get(cursor.charFormat());
  return value;
}

// Paragraph breaks as written by callers ('\r', '\n', "\r\n") as the one break Qt splits on.
QString normalizeBreaks(QString text) {
  text.replace(u"\r\n"_s, u"\n"_s);
  text.replace(u'\r', u'\n');
  return text;
}

// The format a replacement takes: that of the first selected character, else the cursor's.
QTextCharFormat replacementFormat(const QTextCursor &cursor) {
  QTextCharFormat format = cursor.charFormat();
  if (cursor.hasSelection()) {
    forEachCharFormat(*cursor.document(), cursor.selectionStart(), cursor.selectionEnd(),
                      [&](const QTextCharFormat &first) {
                        format = first;
                        return false;
                      });
  }
  format.clearProperty(QTextFormat::ObjectType);
  return format;
}

// Whether the paragraph is one that must stand on a line of its own: an inserted one
// joined to the text of another would give up its structure for that one's.
bool standsAlone(const QTextBlock &block) {
  const QTextBlockFormat format = block.blockFormat();
  const QString text = block.text();
  return block.textList() != nullptr || quoteLevelOf(format) > 0 || format.headingLevel() > 0 ||
         format.hasProperty(QTextFormat::BlockTrailingHorizontalRulerWidth) ||
         text.startsWith(QString::fromUtf16(kFixedBegin.data(), qsizetype(kFixedBegin.size()))) ||
         text.startsWith(QString::fromUtf16(kFixedEnd.data(), qsizetype(kFixedEnd.size())));
}

}  // namespace

RichTextBox::RichTextBox(QWidget *parent) : QTextEdit(parent) {
  setObjectName(u"BOX"_s);
  setUpDocument(*document(), kDefaultBulletIndent);
  setAcceptRichText(true);
  setTabChangesFocus(false);
  followDocument();
}

void RichTextBox::followDocument() {
  connect(document(), &QTextDocument::contentsChange, this, &RichTextBox::lookAtLinks);
  lookAtAllLinks();
}

// The looks over the paragraphs an edit touched are made again; the others' cursors have
// followed the edit. A look whose text is gone goes too.
void RichTextBox::lookAtLinks(int position, int charsRemoved, int charsAdded) {
  (void)charsRemoved;
  const QTextDocument &doc = *document();
  const QTextBlock first = doc.findBlock(position);
  QTextBlock last = doc.findBlock(position + charsAdded);
  if (!last.isValid()) last = doc.lastBlock();
  if (!first.isValid()) return;
  const int from = first.position();
  const int to = last.position() + last.length();
  const qsizetype before = linkLooks_.size();
  linkLooks_.removeIf([from, to](const QTextEdit::ExtraSelection &look) {
    const QTextCursor &run = look.cursor;
    return !run.hasSelection() || (run.selectionEnd() > from && run.selectionStart() < to);
  });
  bool found = false;
  const QBrush linkColor = palette().brush(QPalette::Link);
  for (QTextBlock block = first; block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      const QTextCharFormat format = fragment.charFormat();
      if (linkOf(format).isEmpty()) continue;
      QTextEdit::ExtraSelection look;
      look.cursor = QTextCursor(document());
      look.cursor.setPosition(fragment.position());
      look.cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
      // A colour of the writer's own shows on the link; the underline always does.
      look.format.setForeground(format.foreground().style() != Qt::NoBrush ? format.foreground()
                                                                           : linkColor);
      look.format.setFontUnderline(true);
      linkLooks_.append(look);
      found = true;
    }
    if (block == last) break;
  }
  if (found || linkLooks_.size() != before) setExtraSelections(linkLooks_);
}

void RichTextBox::lookAtAllLinks() {
  linkLooks_.clear();
  setExtraSelections({});
  lookAtLinks(0, 0, document()->characterCount());
}

void RichTextBox::changeEvent(QEvent *event) {
  QTextEdit::changeEvent(event);
  if (event->type() == QEvent::PaletteChange) lookAtAllLinks();
}

int RichTextBox::selStart() const { return textCursor().selectionStart(); }

void RichTextBox::setSelStart(int position) {
  QTextCursor cursor = textCursor();
  cursor.setPosition(std::clamp(position, 0, lastPosition(*document())));
  setTextCursor(cursor);
}

int RichTextBox::selLength() const {
  const QTextCursor cursor = textCursor();
  return cursor.selectionEnd() - cursor.selectionStart();
}

void RichTextBox::setSelLength(int length) {
  QTextCursor cursor = textCursor();
  const int start = cursor.selectionStart();
  const int end = start + std::clamp(length, 0, lastPosition(*document()) - start);
  cursor.setPosition(start);
  cursor.setPosition(end, QTextCursor::KeepAnchor);
  setTextCursor(cursor);
}

QString RichTextBox::selText() const {
  QString text = textCursor().selectedText();
  text.replace(QChar::ParagraphSeparator, u'\n');
  text.replace(QChar::LineSeparator, u'\n');
  return text;
}

void RichTextBox::setSelText(const QString &text) {
  QTextCursor cursor = textCursor();
  const QTextCharFormat format = replacementFormat(cursor);
  cursor.beginEditBlock();
  cursor.removeSelectedText();
  cursor.insertText(normalizeBreaks(text), format);
  cursor.endEditBlock();
  setTextCursor(cursor);
}

std::optional<bool> RichTextBox::selBold() const {
  return uniformChar(textCursor(), [](const QTextCharFormat &f) { return isBold(f); });
}

void RichTextBox::setSelBold(bool on) {
  QTextCharFormat format;
  format.setFontWeight(on ? QFont::Bold : QFont::Normal);
  mergeCurrentCharFormat(format);
}

std::optional<bool> RichTextBox::selItalic() const {
  return uniformChar(textCursor(), [](const QTextCharFormat &f) { return f.fontItalic(); });
}

void RichTextBox::setSelItalic(bool on) {
  QTextCharFormat format;
  format.setFontItalic(on);
  mergeCurrentCharFormat(format);
}

std::optional<bool> RichTextBox::selUnderline() const {
  return uniformChar(textCursor(), [](const QTextCharFormat &f) { return f.fontUnderline(); });
}

void RichTextBox::setSelUnderline(bool on) {
  QTextCharFormat format;
  format.setUnderlineStyle(on ? QTextCharFormat::SingleUnderline : QTextCharFormat::NoUnderline);
  mergeCurrentCharFormat(format);
}

std::optional<std::uint32_t> RichTextBox::selColor() const {
  return uniformChar(textCursor(), [](const QTextCharFormat &f) {
    return f.hasProperty(QTextFormat::ForegroundBrush) ? rgbValueFromColor(f.foreground().color())
                                                       : std::uint32_t{0};
  });
}

void RichTextBox::setSelColor(std::uint32_t rgbValue) {
  QTextCharFormat format;
  format.setForeground(colorFromRgbValue(rgbValue));
  mergeCurrentCharFormat(format);
}

std::optional<QString> RichTextBox::selFontName() const {
  const QTextDocument &doc = *document();
  return uniformChar(textCursor(), [&doc](const QTextCharFormat &f) { return fontNameOf(f, doc); });
}

void RichTextBox::setSelFontName(const QString &name) {
  QTextCharFormat format;
  setFontName(format, name);
  mergeCurrentCharFormat(format);
}

std::optional<double> RichTextBox::selFontSize() const {
  const QTextDocument &doc = *document();
  return uniformChar(textCursor(),
                     [&doc](const QTextCharFormat &f) { return fontPointSizeOf(f, doc); });
}

void RichTextBox::setSelFontSize(double points) {
  if (!(points > 0)) return;
  QTextCharFormat format;
  format.setFontPointSize(points);
  mergeCurrentCharFormat(format);
}

std::optional<QString> RichTextBox::selLink() const {
  return uniformChar(textCursor(), [](const QTextCharFormat &f) { return linkOf(f); });
}

void RichTextBox::setSelLink(const QString &address) {
  const QString link = address.trimmed();
  QTextCursor cursor = textCursor();
  if (!cursor.hasSelection()) {
    QTextCharFormat format = cursor.charFormat();
    format.clearProperty(QTextFormat::ObjectType);
    if (!link.isEmpty()) {
      QTextCharFormat linked = format;
      setLink(linked, link);
      cursor.insertText(link, linked);
      setTextCursor(cursor);
    }
    clearLink(format);
    setCurrentCharFormat(format);
    return;
  }
  UndoStep step(*this);
  if (!link.isEmpty()) {
    QTextCharFormat format;
    setLink(format, link);
    cursor.mergeCharFormat(format);
    return;
  }
  // Merging cannot take a property away: each part of the selection loses its link alone.
  struct Part {
    int from;
    int to;
    QTextCharFormat format;
  };
  QList<Part> parts;
  const int start = cursor.selectionStart();
  const int end = cursor.selectionEnd();
  for (QTextBlock block = document()->findBlock(start); block.isValid() && block.position() < end;
       block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      const int from = std::max(start, fragment.position());
      const int to = std::min(end, fragment.position() + fragment.length());
      if (from < to && fragment.charFormat().isAnchor()) {
        parts.append({from, to, fragment.charFormat()});
      }
    }
  }
  for (Part &part : parts) {
    QTextCursor piece(document());
    piece.setPosition(part.from);
    piece.setPosition(part.to, QTextCursor::KeepAnchor);
    clearLink(part.format);
    piece.setCharFormat(part.format);
  }
}

std::optional<Alignment> RichTextBox::selAlignment() const {
  return uniformBlock(textCursor(),
                      [](const QTextBlock &block) { return alignmentOf(block.blockFormat()); });
}

void RichTextBox::setSelAlignment(Alignment alignment) {
  QTextBlockFormat format;
  format.setAlignment(qtAlignment(alignment));
  textCursor().mergeBlockFormat(format);
}

std::optional<int> RichTextBox::selIndent() const {
  const double levelWidth = document()->indentWidth();
  return uniformBlock(textCursor(), [levelWidth](const QTextBlock &block) {
    return pixelsToTwips(ownIndentPixels(block.blockFormat(), levelWidth));
  });
}

// The whole indent goes into the margin: a paragraph shows where selIndent says it is. A
// quoted paragraph's margin holds its quotes' indent on top.
void RichTextBox::setSelIndent(int twips) {
  const double own = twipsToPixels(std::max(twips, 0));
  const QList<QTextBlock> blocks = selectedBlocks(textCursor());
  UndoStep step(*this);
  for (const QTextBlock &block : blocks) {
    QTextBlockFormat format;
    format.setLeftMargin(own + quoteLevelOf(block.blockFormat()) * kQuoteIndentPixels);
    format.setIndent(0);
    QTextCursor(block).mergeBlockFormat(format);
  }
}

QByteArray RichTextBox::selRtf() const {
  const QTextCursor cursor = textCursor();
  return writeRtf(*document(), cursor.selectionStart(), cursor.selectionEnd());
}

QString RichTextBox::text() const {
  QString text = document()->toRawText();
  text.replace(QChar::ParagraphSeparator, u'\n');
  return text;
}

void RichTextBox::setText(const QString &text) {
  QTextCursor cursor(document());
  cursor.beginEditBlock();
  cursor.select(QTextCursor::Document);
  cursor.removeSelectedText();
  cursor.setBlockFormat(QTextBlockFormat());
  cursor.setBlockCharFormat(QTextCharFormat());
  cursor.setCharFormat(QTextCharFormat());
  cursor.insertText(normalizeBreaks(text), QTextCharFormat());
  cursor.endEditBlock();
  setTextCursor(cursor);
  setCurrentCharFormat(QTextCharFormat());
}

int RichTextBox::bulletIndent() const { return pixelsToTwips(document()->indentWidth()); }

void RichTextBox::setBulletIndent(int twips) { document()->setIndentWidth(twipsToPixels(twips)); }

bool RichTextBox::loadFile(const QString &fileName, QString *error, QString *notice,
                           bool *imported) {
  const FileRead file = readWholeFile(fileName);
  if (!file.ok()) {
    if (error) *error = file.error;
    return false;
  }
  BusyCursor busy(this, tr("Opening %1...").arg(QFileInfo(fileName).fileName()));
  auto loaded = std::make_unique<QTextDocument>(this);
  setUpDocument(*loaded, bulletIndent());
  bool complete = true;
  const ReadProgress progress = [&busy](qint64 done, qint64 total) { busy.progress(done, total); };
  const bool office = isOfficeDocument(fileName, file.bytes);
  const bool page = !office && looksLikeWebPage(file.bytes);
  if (imported) *imported = page || office;
  if (office) {
    if (!readOfficeDocument(file.bytes, QFileInfo(fileName).suffix(), *loaded, error, progress,
                            &complete))
      return false;
  } else if (page ? !readWebPage(decodeWebPage(file.bytes), *loaded, progress)
                  : !readRtf(file.bytes, *loaded, nullptr, progress, &complete)) {
    if (error) *error = notRtfReason(file.bytes);
    return false;
  }
  if (notice) {
    *notice = complete ? QString()
                       : tr("The file ends in the middle of its document: it may have been cut "
                            "short. What it holds is shown; the rest is missing from the file.");
  }
  adoptDocument(std::move(loaded));
  return true;
}

void RichTextBox::adoptDocument(std::unique_ptr<QTextDocument> loaded) {
  loaded->setParent(this);
  loaded->setModified(false);
  loaded->clearUndoRedoStacks();
  // The looks hold cursors into the old document, which may be deleted below.
  linkLooks_.clear();
  setExtraSelections({});
  // The text control deletes a document it created itself; one loaded before is ours.
  QTextDocument *old = document();
  const bool oldIsOurs = old->parent() == this;
  setDocument(loaded.release());
  if (oldIsOurs) delete old;
  followDocument();
  // A fresh cursor: the control's own carries the format typed last, not the new text's.
  setTextCursor(QTextCursor(document()));
}

bool RichTextBox::saveFile(const QString &fileName, QString *error) const {
  const BusyCursor busy(this, tr("Saving %1...").arg(QFileInfo(fileName).fileName()));
  return writeWholeFile(fileName, writeRtf(*document()), error);
}

void RichTextBox::insertRich(const QMimeData *source) {
  if (!source) return;
  BusyCursor busy(this, tr("Pasting..."));
  // Inside a fixed-columns block everything is in the fixed face, so that the columns line up.
  UndoStep step(*this);
  const int start = selStart();
  if (insideFixedColumns(*document(), start)) {
    insertRichText(source, busy);
    QTextCursor inserted(document());
    inserted.setPosition(start);
    inserted.setPosition(textCursor().position(), QTextCursor::KeepAnchor);
    QTextCharFormat fixed;
    setFontName(fixed, QString::fromUtf16(kFixedFontName));
    inserted.mergeCharFormat(fixed);
  } else {
    insertRichText(source, busy);
  }
}

void RichTextBox::insertRichText(const QMimeData *source, BusyCursor &busy) {
  const ReadProgress progress = [&busy](qint64 done, qint64 total) { busy.progress(done, total); };
  QTextDocument incoming;
  setUpDocument(incoming, bulletIndent());
  bool haveRich = false;
  for (const QString &type : kRtfMimeTypes) {
    if (source->hasFormat(type)) {
      haveRich = readRtf(source->data(type), incoming, nullptr, progress);
      if (haveRich) break;
      incoming.clear();
      setUpDocument(incoming, bulletIndent());
    }
  }
  if (!haveRich && source->hasHtml()) {
    // Whatever HTML brings goes through our own RTF, which holds exactly what a document of
    // ours can: lists with their levels and numbering, quotes, headings, rules, pictures of
    // http and https addresses with their alternative text; tables become fixed-columns
    // blocks, other images go, the text all stays.
    haveRich = readWebPage(source->html(), incoming, progress);
  }
  if (!haveRich) {
    if (source->hasText()) setSelText(source->text());
    return;
  }
  if (selInTable()) reduceToCellText(incoming);
  QTextCursor cursor = textCursor();
  insertDocument(cursor, incoming);
  setTextCursor(cursor);
  ensureCursorVisible();
}

void RichTextBox::insertDocument(QTextCursor &cursor, const QTextDocument &incoming) {
  cursor.beginEditBlock();
  cursor.removeSelectedText();
  // Qt joins the first paragraph that comes in to the one the cursor is in, in that one's
  // format (but at the document's start, and for a list item, which it starts afresh), and
  // the last to the rest of the cursor's paragraph, in the last's format. A structure at
  // either end is given a paragraph of its own.
  const QTextBlock first = incoming.firstBlock();
  const bool ownFirst = standsAlone(first) && !first.textList();
  const bool ownLast = standsAlone(incoming.lastBlock());
  if (ownLast && !cursor.atBlockEnd()) {
    cursor.insertBlock();
    cursor.movePosition(QTextCursor::PreviousCharacter);
  }
  if (ownFirst && !cursor.atBlockStart())
    cursor.insertBlock(QTextBlockFormat(), cursor.charFormat());
  const int start = cursor.position();
  cursor.insertFragment(QTextDocumentFragment(&incoming));
  if (ownFirst) {
    // The paragraph holds the first one's text alone now: it takes that one's format, which
    // may name no list of this document.
    QTextBlockFormat format = first.blockFormat();
    format.clearProperty(QTextFormat::ObjectIndex);
    QTextCursor paragraph(cursor.document());
    paragraph.setPosition(start);
    paragraph.setBlockFormat(format);
  }
  cursor.endEditBlock();
}

RichTextBox::UndoStep::UndoStep(RichTextBox &box) : cursor_(box.document()) {
  cursor_.beginEditBlock();
}

RichTextBox::UndoStep::~UndoStep() { cursor_.endEditBlock(); }

namespace {

// The shade under a header row's cells: the text's colour, faint, so that it reads on a
// light or a dark page alike.
constexpr int kHeaderShadeAlpha = 40;

// Shades each table's header row under its text. The shade is drawn, not held in the
// document: it is the header's look, which neither the file nor the post keeps.
void shadeHeaderRows(QPainter &painter, const QTextDocument &document, QPointF scrolled,
                     QColor shade) {
  QAbstractTextDocumentLayout *layout = document.documentLayout();
  for (QTextFrame *frame : document.rootFrame()->childFrames()) {
    auto *table = qobject_cast<QTextTable *>(frame);
    if (table == nullptr || table->format().headerRowCount() <= 0 || table->rows() == 0) continue;
    // Each cell's blocks give its column; the row is as tall as its tallest cell.
    QList<QRectF> cells;
    qreal top = 0, bottom = 0;
    for (int column = 0; column < table->columns(); ++column) {
      const QTextTableCell cell = table->cellAt(0, column);
      if (cell.row() != 0 || cell.column() != column) continue;
      QRectF box;
      const QTextBlock last = cell.lastCursorPosition().block();
      for (QTextBlock block = cell.firstCursorPosition().block(); block.isValid();
           block = block.next()) {
        box = box.united(layout->blockBoundingRect(block));
        if (block == last) break;
      }
      if (cells.isEmpty() || box.top() < top) top = box.top();
      if (cells.isEmpty() || box.bottom() > bottom) bottom = box.bottom();
      cells << box;
    }
    const qreal padding = table->format().cellPadding();
    for (const QRectF &box : cells)
      painter.fillRect(QRectF(box.left() - padding, top - padding, box.width() + 2 * padding,
                              bottom - top + 2 * padding)
                           .translated(-scrolled),
                       shade);
  }
}

}  // namespace

// Qt numbers every list from 1. A list that starts elsewhere gets its own numbers drawn over
// Qt's, as Qt draws them: right-aligned a blank's width before the item's first line, in the
// item's first characters' font.
void RichTextBox::paintEvent(QPaintEvent *event) {
  const QPointF scrolled(horizontalScrollBar()->value(), verticalScrollBar()->value());
  {
    QPainter under(viewport());
    QColor shade = palette().text().color();
    shade.setAlpha(kHeaderShadeAlpha);
    shadeHeaderRows(under, *document(), scrolled, shade);
  }
  QTextEdit::paintEvent(event);
  QPainter painter(viewport());
  QAbstractTextDocumentLayout *layout = document()->documentLayout();
  const QRect area = event->rect();
  for (QTextBlock block = cursorForPosition(area.topLeft()).block(); block.isValid();
       block = block.next()) {
    const QRectF box = layout->blockBoundingRect(block).translated(-scrolled);
    if (box.top() > area.bottom()) break;
    const QTextList *list = block.textList();
    const QTextLayout *lines = block.layout();
    if (!list || !list->format().hasProperty(kListStartProperty) || !lines ||
        lines->lineCount() == 0)
      continue;
    const QString label = listItemLabel(block);
    if (label.isEmpty()) continue;
    const QTextCharFormat look =
        block.begin().atEnd() ? block.charFormat() : block.begin().fragment().charFormat();
    // The size the first line is drawn at, which the format may leave to the document.
    QFont font = look.font().resolve(document()->defaultFont());
    if (const QList<QGlyphRun> runs = lines->glyphRuns(0, 1); !runs.isEmpty())
      font.setPixelSize(std::max(1, int(std::lround(runs.first().rawFont().pixelSize()))));
    const QFontMetricsF metrics(font, viewport());
    const QTextLine first = lines->lineAt(0);
    const QPointF start = box.topLeft() + first.position();
    const qreal end = start.x() - metrics.horizontalAdvance(u' ');
    // Left of an item's first line there is only its marker (Qt's may run past the view's
    // edge): all of it goes.
    painter.fillRect(QRectF(0, start.y(), start.x(), first.height()), palette().base());
    painter.setFont(font);
    painter.setPen(look.foreground().style() != Qt::NoBrush ? look.foreground().color()
                                                            : palette().text().color());
    // Where the indent is too narrow for the number and its blank, the number keeps to the
    // view rather than run off its edge.
    const qreal left = std::max(1.0, end - metrics.horizontalAdvance(label));
    painter.drawText(QPointF(left, start.y() + first.ascent()), label);
  }
}

bool RichTextBox::canInsertFromMimeData(const QMimeData *source) const {
  for (const QString &type : kRtfMimeTypes)
    if (source->hasFormat(type)) return true;
  return QTextEdit::canInsertFromMimeData(source);
}

void RichTextBox::insertFromMimeData(const QMimeData *source) { insertRich(source); }

QMimeData *RichTextBox::createMimeDataFromSelection() const {
  QMimeData *mime = QTextEdit::createMimeDataFromSelection();
  mime->setData(kRtfMimeTypes[0], selRtf());
  return mime;
}

}  // namespace quillmark::richtext
