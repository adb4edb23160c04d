// A web page read as the document's own: Qt's HTML import, then brought to the ways the
// document holds structures, then through the document's RTF, so that a page holds exactly
// what a document of ours can.
#include "richtext/WebPage.h"

#include <QGuiApplication>
#include <QPalette>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextList>
#include <QTextTable>
#include <algorithm>
#include <cmath>

#include "richtext/DocumentModel.h"
#include "richtext/OfficeHtml.h"
#include "richtext/RtfLists.h"
#include "richtext/RtfWriter.h"

using namespace Qt::StringLiterals;

namespace quillmark::richtext {

namespace {

// The pixels Qt's HTML import indents each level of <blockquote> by, left and right.
constexpr double kImportedQuoteIndentPixels = 40.0;

// The start number of each list of a page, in the order its tags open: Qt's HTML import
// forgets <ol start>. 1 for a list without one.
QList<int> listStartsOf(const QString &html) {
  static const QRegularExpression listTag(uR"(<(ol|ul)\b([^>]*)>)"_s,
                                          QRegularExpression::CaseInsensitiveOption);
  static const QRegularExpression startAttribute(uR"(\bstart\s*=\s*["']?\s*(-?\d{1,9}))"_s,
                                                 QRegularExpression::CaseInsensitiveOption);
  QList<int> starts;
  for (auto it = listTag.globalMatch(html); it.hasNext();) {
    const QRegularExpressionMatch tag = it.next();
    const QRegularExpressionMatch start = startAttribute.match(tag.capturedView(2));
    starts.append(start.hasMatch() ? start.captured(1).toInt() : 1);
  }
  return starts;
}

// Gives each list of the imported page the start its tag named. The page's lists are taken in
// the order their first items come, which is the order their tags open as long as every list
// holds an item; when the counts differ (an empty list, a tag in a comment) nothing is
// guessed.
void restoreListStarts(QTextDocument &page, const QList<int> &starts) {
  QList<QTextList *> lists;
  for (QTextBlock block = page.begin(); block.isValid(); block = block.next()) {
    QTextList *list = block.textList();
    if (list && list->item(0) == block) lists.append(list);
  }
  if (lists.size() != starts.size()) return;
  for (qsizetype i = 0; i < lists.size(); ++i) {
    const QTextListFormat::Style style = lists[i]->format().style();
    const bool bullets = style == QTextListFormat::ListDisc ||
                         style == QTextListFormat::ListCircle ||
                         style == QTextListFormat::ListSquare;
    if (starts[i] == 1 || bullets) continue;
    QTextListFormat format = lists[i]->format();
    format.setProperty(kListStartProperty, std::clamp(starts[i], 0, kMaxListNumber));
    lists[i]->setFormat(format);
  }
}

// Brings a page as Qt's HTML import holds it to the document's ways of holding structures
// (DocumentModel.h): a blockquote's depth, which Qt gives only as its margins, as
// BlockQuoteLevel with the document's quote indent; headings of levels 1 to 3 (h4 to h6 are
// level 3) with their look in their characters; bullets by their level. Nested lists, rules
// and pictures Qt already holds as the document does.
void normaliseImportedStructures(QTextDocument &page) {
  QTextCursor cursor(&page);
  cursor.beginEditBlock();
  for (QTextBlock block = page.begin(); block.isValid(); block = block.next()) {
    QTextBlockFormat format = block.blockFormat();
    bool changed = false;
    // A list inside a blockquote has the quote's margin but no quote level of its own.
    const bool quotedList =
        block.textList() != nullptr && format.leftMargin() >= kImportedQuoteIndentPixels - 0.5;
    if (quoteLevelOf(format) > 0 || quotedList) {
      const int depth =
          std::max(1, int(std::lround(format.leftMargin() / kImportedQuoteIndentPixels)));
      const double own = std::max(0.0, format.leftMargin() - depth * kImportedQuoteIndentPixels);
      format.setProperty(QTextFormat::BlockQuoteLevel, depth);
      format.setLeftMargin(own + depth * kQuoteIndentPixels);
      format.clearProperty(QTextFormat::BlockRightMargin);
      changed = true;
    }
    const int heading = format.headingLevel();
    if (heading > 0) {
      const int level = std::min(heading, 3);
      format.setHeadingLevel(level);
      changed = true;
      QTextCharFormat look;
      look.setFontWeight(QFont::Bold);
      look.setFontPointSize(headingPointSize(level));
      look.setProperty(QTextFormat::FontSizeAdjustment, 0);
      cursor.setPosition(block.position());
      cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
      cursor.mergeCharFormat(look);
      cursor.mergeBlockCharFormat(look);
    }
    if (changed) {
      cursor.setPosition(block.position());
      cursor.setBlockFormat(format);
    }
    if (QTextList *list = block.textList(); list != nullptr && list->item(0) == block) {
      QTextListFormat listFormat = list->format();
      const int level = std::clamp(listFormat.indent(), 1, kMaxListLevel);
      listFormat.setIndent(level);
      const QTextListFormat::Style style = listFormat.style();
      if (style == QTextListFormat::ListDisc || style == QTextListFormat::ListCircle ||
          style == QTextListFormat::ListSquare) {
        static constexpr QTextListFormat::Style kBullets[] = {
            QTextListFormat::ListDisc, QTextListFormat::ListCircle, QTextListFormat::ListSquare};
        listFormat.setStyle(kBullets[std::size_t(level - 1) % std::size(kBullets)]);
      }
      list->setFormat(listFormat);
    }
  }
  cursor.endEditBlock();
}

// Gives every run of `page` the format `change` makes of its own, where it makes another.
// The runs are found first and changed after, so that no change moves the walk.
template <typename Change>
void changeRunFormats(QTextDocument &page, Change change) {
  struct Run {
    int from;
    int length;
    QTextCharFormat format;
  };
  QList<Run> runs;
  for (QTextBlock block = page.begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      QTextCharFormat format = fragment.charFormat();
      change(format);
      if (format != fragment.charFormat())
        runs.append({fragment.position(), fragment.length(), format});
    }
  }
  for (const Run &run : runs) {
    QTextCursor cursor(&page);
    cursor.setPosition(run.from);
    cursor.setPosition(run.from + run.length, QTextCursor::KeepAnchor);
    cursor.setCharFormat(run.format);
  }
}

// Qt's HTML import shows a page's link as a browser would with no style of its own: in the
// palette's link colour, underlined. That is only the link's look, which the box draws itself;
// a colour the page gave its link is the page's formatting and stays.
void dropImportedLinkLook(QTextDocument &page) {
  const QColor importedColor = QGuiApplication::palette().color(QPalette::Link);
  changeRunFormats(page, [&](QTextCharFormat &format) {
    if (linkOf(format).isEmpty()) return;
    format.clearProperty(QTextFormat::TextUnderlineStyle);
    format.clearProperty(QTextFormat::FontUnderline);
    if (format.foreground().style() != Qt::NoBrush &&
        format.foreground().color() == importedColor) {
      format.clearProperty(QTextFormat::ForegroundBrush);
    }
  });
}

// Black text is the document's body colour, as the page's body face and size are its body
// text: word processors and spreadsheets write it on every run (color:#000000, windowtext),
// and a post would otherwise mark every line with it.
void dropBlackText(QTextDocument &page) {
  changeRunFormats(page, [](QTextCharFormat &format) {
    if (format.hasProperty(QTextFormat::ForegroundBrush) &&
        format.foreground().style() != Qt::NoBrush &&
        format.foreground().color().rgb() == qRgb(0, 0, 0))
      format.clearProperty(QTextFormat::ForegroundBrush);
  });
}

// A table whose first row is all bold, as "th" cells are, has that row as its header, when
// more rows follow it.
void markHeaderRows(QTextDocument &page) {
  for (QTextFrame *frame : page.rootFrame()->childFrames()) {
    auto *table = qobject_cast<QTextTable *>(frame);
    if (table == nullptr || table->rows() < 2 || table->format().headerRowCount() > 0) continue;
    bool bold = true;
    bool text = false;
    for (int column = 0; column < table->columns() && bold; ++column) {
      const QTextTableCell cell = table->cellAt(0, column);
      if (cell.row() != 0 || cell.column() != column) continue;
      for (QTextFrame::iterator it = cell.begin(); !it.atEnd() && bold; ++it) {
        const QTextBlock block = it.currentBlock();
        for (QTextBlock::iterator run = block.begin(); !run.atEnd() && bold; ++run) {
          if (run.fragment().text().trimmed().isEmpty()) continue;
          text = true;
          bold = isBold(run.fragment().charFormat());
        }
      }
    }
    if (!bold || !text) continue;
    QTextTableFormat format = table->format();
    format.setHeaderRowCount(1);
    table->setFormat(format);
  }
}

}  // namespace

bool readWebPage(const QString &page, QTextDocument &into, const ReadProgress &progress) {
  QTextDocument html;
  setUpDocument(html, pixelsToTwips(into.indentWidth()));
  // Office programs' pages hold their formatting where Qt's import does not read it. A
  // browser marks a copy that ends at a line's end with a <br> of its own, which is no line
  // of the page.
  static const QRegularExpression copyEnd(
      uR"(<br\s+class=["']?Apple-interchange-newline["']?\s*/?>)"_s,
      QRegularExpression::CaseInsensitiveOption);
  const QString readable = wordListsAsLists(applyPageStyles(QString(page).remove(copyEnd)));
  html.setHtml(readable);
  restoreListStarts(html, listStartsOf(readable));
  dropImportedLinkLook(html);
  dropBlackText(html);
  normaliseImportedStructures(html);
  markHeaderRows(html);
  return readRtf(writeRtf(html), into, nullptr, progress);
}

bool looksLikeWebPage(QByteArrayView bytes) {
  QByteArrayView head = bytes.first(std::min<qsizetype>(bytes.size(), 1024));
  if (head.startsWith("\xEF\xBB\xBF")) head = head.sliced(3);
  const QByteArray lower = head.toByteArray().trimmed().toLower();
  return lower.startsWith("<!doctype html") || lower.startsWith("<html") ||
         lower.startsWith("<head") || lower.startsWith("<body") || lower.startsWith("<meta");
}

QString decodeWebPage(QByteArrayView bytes) {
  // The byte-order mark or the page's own <meta charset>, else UTF-8, which every page of
  // today is written in.
  QStringDecoder decoder = QStringDecoder::decoderForHtml(bytes);
  if (!decoder.isValid()) decoder = QStringDecoder(QStringDecoder::Utf8);
  return decoder.decode(bytes);
}

}  // namespace quillmark::richtext
