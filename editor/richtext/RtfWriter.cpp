// Writes a document as RTF in the edit-control dialect the converter reads. Walks
// document -> frame -> block -> fragment into the body, collecting the font and colour tables
// on the way, and puts the header in front at the end. Tables, numbered lists and images are
// reduced to what the dialect holds (tables to fixed-columns blocks); no text is lost. Links
// are hyperlink fields.
#include "RtfWriter.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>
#include <algorithm>
#include <array>
#include <optional>
#include <utility>

#include "DocumentModel.h"
#include "FixedColumns.h"
#include "RtfLists.h"
#include "quillmark/convert.h"

namespace quillmark::richtext {

namespace {

using namespace Qt::StringLiterals;

constexpr char kLineEnd[] = "\r\n";
constexpr char16_t kSymbolFontName[] = u"Symbol";
constexpr double kPointsPerPixel = 0.75;  // 72 points, 96 pixels to the inch

// The Windows-1252 byte of a character, or 0 when the code page has none (ASCII excluded).
// Built from the converter's own decoding table, so that the two directions agree.
std::uint8_t windows1252Byte(char16_t c) {
  static const auto table = [] {
    std::string bytes;
    for (int b = 0x80; b <= 0xFF; ++b) bytes.push_back(static_cast<char>(b));
    const std::u16string units = decodeWindows1252(bytes);
    std::array<std::uint8_t, 0x10000> result{};
    for (int b = 0x80; b <= 0xFF; ++b) {
      const char16_t unit = units[std::size_t(b - 0x80)];
      // The five undefined bytes decode to C1 controls; those go out as "\uN" instead.
      if (unit < 0x80 || unit > 0x9F) result[unit] = std::uint8_t(b);
    }
    return result;
  }();
  return table[c];
}

// Appends a character that is neither a control character nor one with a control word of its
// own: printable ASCII as itself (backslash and braces escaped), the rest of Windows-1252 as
// "\'xx", anything else as "\uN?" with N the signed 16-bit unit.
void appendCharacter(QByteArray &out, char16_t c) {
  if (c >= 0x20 && c < 0x7F) {
    if (c == u'\\' || c == u'{' || c == u'}') out += '\\';
    out += char(c);
  } else if (const std::uint8_t byte = windows1252Byte(c); byte != 0) {
    static constexpr char kHex[] = "0123456789abcdef";
    out += "\\'";
    out += kHex[byte >> 4];
    out += kHex[byte & 0xF];
  } else {
    out += "\\u";
    out += QByteArray::number(static_cast<std::int16_t>(c));
    out += '?';
  }
}

// The character formatting the output states: the effective values, not what the document
// happens to have set explicitly.
struct CharFormatting {
  QString font;
  int halfPoints = 0;
  std::optional<QRgb> color;  // none: the default colour
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strike = false;
  VerticalPosition position = VerticalPosition::Normal;
  QString link;  // the address; empty: no link

  bool operator==(const CharFormatting &) const = default;
};

struct ParagraphFormatting {
  Alignment alignment = Alignment::Left;
  int leftIndent = 0;   // twips, "\li"
  int firstIndent = 0;  // twips, "\fi"
  bool bullet = false;
  // Files only: the item's list ("\ls", from 1; 0 none) and level ("\ilvl"), whether it
  // is numbered, its style ("\s"; 0 none) and whether it is a rule (a bottom border).
  int list = 0;
  int level = 0;
  bool numbered = false;
  int style = 0;
  bool rule = false;
  int spaceBefore = 0;  // twips, "\sb"
  int spaceAfter = 0;   // twips, "\sa"

  bool operator==(const ParagraphFormatting &) const = default;
};

// A paragraph margin in twips, at most a page's height.
int spacingTwips(double pixels) {
  constexpr int kMaxSpacingTwips = 20'000;
  return pixels > 0 ? std::clamp(pixelsToTwips(pixels), 0, kMaxSpacingTwips) : 0;
}

bool isBulletStyle(QTextListFormat::Style style) {
  return style == QTextListFormat::ListDisc || style == QTextListFormat::ListCircle ||
         style == QTextListFormat::ListSquare;
}

bool isNumberedStyle(QTextListFormat::Style style) {
  return style == QTextListFormat::ListDecimal || style == QTextListFormat::ListLowerAlpha ||
         style == QTextListFormat::ListUpperAlpha || style == QTextListFormat::ListLowerRoman ||
         style == QTextListFormat::ListUpperRoman;
}

// The stylesheet numbers of the structures a file names by style: headings 1 to 3, then
// quotes by depth.
constexpr int kQuoteStyleBase = 10;
constexpr int kMaxQuoteStyleDepth = 99;
// The line of text a rule is to the engine.
constexpr char16_t kRuleText[] = u"\u2014\u2014\u2014";

// The "\levelnfc" format of a numbered list style.
int numberFormatOf(QTextListFormat::Style style) {
  switch (style) {
    case QTextListFormat::ListLowerAlpha:
      return kFormatLowerLetter;
    case QTextListFormat::ListUpperAlpha:
      return kFormatUpperLetter;
    case QTextListFormat::ListLowerRoman:
      return kFormatLowerRoman;
    case QTextListFormat::ListUpperRoman:
      return kFormatUpperRoman;
    default:
      return kFormatDecimal;
  }
}

// The "\pn" word of a number format.
const char *oldStyleFormatWord(int format) {
  switch (format) {
    case kFormatLowerLetter:
      return "\\pnlcltr";
    case kFormatUpperLetter:
      return "\\pnucltr";
    case kFormatLowerRoman:
      return "\\pnlcrm";
    case kFormatUpperRoman:
      return "\\pnucrm";
    default:
      return "\\pndec";
  }
}

int listStartOf(const QTextList &list) {
  const QVariant start = list.format().property(kListStartProperty);
  return start.isValid() ? std::clamp(start.toInt(), 0, kMaxListNumber) : 1;
}

bool isRule(const QTextBlock &block) {
  return block.blockFormat().hasProperty(QTextFormat::BlockTrailingHorizontalRulerWidth) &&
         block.length() <= 1;
}

}  // namespace

QString listItemLabel(const QTextBlock &block) {
  const QTextList *list = block.textList();
  if (!list || !isNumberedStyle(list->format().style())) return {};
  // Qt's own text for a list that starts at 1; its numbers know no other start.
  if (!list->format().hasProperty(kListStartProperty)) return list->itemText(block);
  return formatNumber(listStartOf(*list) + list->itemNumber(block),
                      numberFormatOf(list->format().style())) +
         u'.';
}

namespace {

class Writer {
 public:
  Writer(const QTextDocument &document, int from, int to, RtfTarget target)
      : document_(document),
        file_(target == RtfTarget::File),
        bulletIndent_(pixelsToTwips(document.indentWidth())) {
    const int end = std::max(0, document.characterCount() - 1);
    from_ = std::clamp(from, 0, end);
    to_ = to < 0 ? end : std::clamp(to, from_, end);
    everything_ = from_ == 0 && to_ == end;
    fontIndex(document.defaultFont().family());  // font 0, the default face
    body_.reserve((to_ - from_) * 2 + 64);
  }

  QByteArray write() {
    body_ += "\\viewkind4\\uc1";
    writeItems(document_.rootFrame()->begin());
    if (paragraphCount_ == 0) startParagraph(ParagraphFormatting{});
    closeLink();
    finishParagraph();
    body_ += '}';
    body_ += kLineEnd;
    return header() + body_;
  }

 private:
  // Blocks and frames from `it` to the end of its frame (or table cell).
  void writeItems(QTextFrame::iterator it) {
    for (; !it.atEnd(); ++it) {
      if (const QTextFrame *frame = it.currentFrame()) {
        if (const auto *table = qobject_cast<const QTextTable *>(frame)) {
          writeTable(*table);
        } else {
          writeItems(frame->begin());
        }
      } else if (const QTextBlock block = it.currentBlock(); block.isValid()) {
        if (file_ && isPlaceBeforeTable(it)) continue;
        writeBlock(block);
      }
    }
  }

  // The empty paragraph a document always has before a table that starts it: a file's table
  // starts the document, and reading it makes that paragraph again.
  bool isPlaceBeforeTable(QTextFrame::iterator it) const {
    const QTextBlock block = it.currentBlock();
    if (block != document_.begin() || block.length() > 1) return false;
    ++it;
    return !it.atEnd() && qobject_cast<const QTextTable *>(it.currentFrame()) != nullptr;
  }

  // A block is written when part of it, its separator included, lies in the range; a block
  // that starts exactly where the range ends is written empty when the separator before it
  // was selected, so that a selected paragraph end still ends a paragraph.
  bool inRange(int first, int last) const { return first <= to_ && last >= from_; }

  // To a file, a table is an RTF table of the rows in the range; to the engine, a
  // fixed-columns block of them, a row's cells in columns padded with blanks on the side
  // their alignment leaves free (a header cell's centring is the header's look, not the
  // writer's: it stays left). A cell spanning columns or rows gives its text to its first
  // place in the block.
  void writeTable(const QTextTable &table) {
    if (table.columns() == 0) return;
    if (file_) {
      writeFileTable(table);
      return;
    }
    const int headerRows = std::clamp(table.format().headerRowCount(), 0, 1);
    QList<QStringList> rows;
    QList<QList<Alignment>> aligns;
    for (int row = 0; row < table.rows(); ++row) {
      const QTextTableCell firstCell = table.cellAt(row, 0);
      const QTextTableCell lastCell = table.cellAt(row, table.columns() - 1);
      if (!inRange(firstCell.firstPosition(), lastCell.lastPosition())) continue;
      QStringList cells;
      QList<Alignment> rowAligns;
      for (int column = 0; column < table.columns(); ++column) {
        const QTextTableCell cell = table.cellAt(row, column);
        const bool own = cell.row() == row && cell.column() == column;
        cells << (own ? cellLine(cellText(cell.begin())) : QString());
        Alignment align =
            own ? alignmentOf(cell.firstCursorPosition().blockFormat()) : Alignment::Left;
        if (align == Alignment::Justify || (row < headerRows && align == Alignment::Center))
          align = Alignment::Left;
        rowAligns << align;
      }
      rows << cells;
      aligns << rowAligns;
    }
    if (rows.isEmpty()) return;
    const CharFormatting fixed = formattingOf(fixedColumnsFormat());
    for (const QString &line : fixedColumnsBlock(rows, aligns)) {
      startParagraph(ParagraphFormatting{});
      applyFormat(fixed);
      writeText(line);
    }
  }

  // The rows in the range as "\trowd" row definitions, each cell's paragraphs marked
  // "\intbl" and ended by "\cell" (the last) or "\par", each row ended by "\row". A
  // selection within one cell is that cell's text, as paragraphs of their own.
  void writeFileTable(const QTextTable &table) {
    if (!everything_) {
      const QTextTableCell first = table.cellAt(from_);
      if (first.isValid() && first == table.cellAt(to_)) {
        writeItems(first.begin());
        return;
      }
    }
    const QList<int> edges = cellEdges(table);
    const int headerRows = std::clamp(table.format().headerRowCount(), 0, table.rows());
    for (int row = 0; row < table.rows(); ++row) {
      if (!everything_) {
        const QTextTableCell firstCell = table.cellAt(row, 0);
        const QTextTableCell lastCell = table.cellAt(row, table.columns() - 1);
        if (!inRange(firstCell.firstPosition(), lastCell.lastPosition())) continue;
      }
      endParagraphForTable();
      body_ += "\\trowd\\trgaph108\\trleft-108";
      if (row < headerRows) body_ += "\\trhdr";
      for (int column = 0; column < table.columns(); ++column) {
        const QTextTableCell cell = table.cellAt(row, column);
        if (cell.rowSpan() > 1) body_ += cell.row() == row ? "\\clvmgf" : "\\clvmrg";
        if (cell.columnSpan() > 1) body_ += cell.column() == column ? "\\clmgf" : "\\clmrg";
        body_ += "\\cellx" + QByteArray::number(edges[column]);
      }
      body_ += kLineEnd;
      needBlank_ = false;
      for (int column = 0; column < table.columns(); ++column) {
        const QTextTableCell cell = table.cellAt(row, column);
        const bool own = cell.row() == row && cell.column() == column;
        if (own) writeCell(cell);
        closeLink();
        if (!own) writeWord("\\pard\\intbl");
        body_ += "\\cell";
        needBlank_ = true;
      }
      body_ += "\\row";
      body_ += kLineEnd;
      needBlank_ = false;
      atLineStart_ = true;
      paragraph_.reset();  // "\pard" ends the table for the paragraph after it
      afterRow_ = true;
    }
  }

  // Ends the paragraph written last with "\par", unless it ended a table's row, which ends
  // with "\row".
  void endParagraphBefore() {
    closeLink();
    if (paragraphCount_ > 0 && !afterRow_) {
      finishParagraph();
      body_ += "\\par";
      body_ += kLineEnd;
      needBlank_ = false;
      atLineStart_ = true;
    }
  }

  // Ends the paragraph before a table's row, which does not end with "\par" when it is
  // another row.
  void endParagraphForTable() {
    endParagraphBefore();
    afterRow_ = false;
    ++paragraphCount_;
  }

  // A cell's paragraphs with their alignment and text, "\par" between each two; a table in
  // the cell gives it its text as a paragraph.
  void writeCell(const QTextTableCell &cell) {
    bool first = true;
    const auto startCellParagraph = [&](Alignment alignment) {
      closeLink();
      if (!first) {
        body_ += "\\par";
        body_ += kLineEnd;
        needBlank_ = false;
        atLineStart_ = true;
      }
      first = false;
      writeWord("\\pard\\intbl");
      if (alignment == Alignment::Center) writeWord("\\qc");
      if (alignment == Alignment::Right) writeWord("\\qr");
      if (alignment == Alignment::Justify) writeWord("\\qj");
    };
    for (QTextFrame::iterator it = cell.begin(); !it.atEnd(); ++it) {
      if (const QTextFrame *frame = it.currentFrame()) {
        startCellParagraph(Alignment::Left);
        applyFormat(formattingOf(QTextCharFormat()));
        writeText(cellText(frame->begin()));
      } else if (const QTextBlock block = it.currentBlock(); block.isValid()) {
        // An empty paragraph's formatting is left out: a reader gives an empty cell none.
        startCellParagraph(alignmentOf(block.blockFormat()));
        writeFragments(block, true);
      }
    }
    if (first) startCellParagraph(Alignment::Left);
  }

  // The right edges of a table's columns in twips: the widths its format gives, in pixels or
  // in percent of the page's text width, the rest of that width shared out equally among the
  // columns without one.
  static QList<int> cellEdges(const QTextTable &table) {
    constexpr int kPageTextTwips = 9360;  // a letter page's width less two inch margins
    constexpr int kMinColumnTwips = 30;
    const int columns = table.columns();
    const QList<QTextLength> lengths = table.format().columnWidthConstraints();
    QList<int> widths(columns, 0);
    int fixedTwips = 0;
    int variable = 0;
    for (int column = 0; column < columns; ++column) {
      const QTextLength length =
          column < lengths.size() ? lengths[column] : QTextLength(QTextLength::VariableLength, 0);
      if (length.type() == QTextLength::FixedLength) {
        widths[column] = std::clamp(pixelsToTwips(length.rawValue()), 0, kPageTextTwips * 10);
      } else if (length.type() == QTextLength::PercentageLength) {
        widths[column] = int(std::clamp(length.rawValue(), 0.0, 100.0) * kPageTextTwips / 100);
      } else {
        ++variable;
        continue;
      }
      fixedTwips += widths[column];
    }
    const int share = variable > 0 ? std::max(0, kPageTextTwips - fixedTwips) / variable : 0;
    QList<int> edges;
    edges.reserve(columns);
    int edge = -108;  // "\trleft"
    for (int column = 0; column < columns; ++column) {
      const bool given =
          column < lengths.size() && lengths[column].type() != QTextLength::VariableLength;
      edge += std::max(kMinColumnTwips, given ? widths[column] : share);
      edges << edge;
    }
    return edges;
  }

  // The text of a cell's paragraphs, nested tables' cells included, a blank between each two.
  static QString cellText(QTextFrame::iterator it) {
    QStringList parts;
    for (; !it.atEnd(); ++it) {
      if (const QTextFrame *frame = it.currentFrame()) {
        if (const auto *table = qobject_cast<const QTextTable *>(frame)) {
          for (int row = 0; row < table->rows(); ++row) {
            for (int column = 0; column < table->columns(); ++column) {
              const QTextTableCell cell = table->cellAt(row, column);
              if (cell.row() == row && cell.column() == column) parts << cellText(cell.begin());
            }
          }
        } else {
          parts << cellText(frame->begin());
        }
      } else if (const QTextBlock block = it.currentBlock(); block.isValid()) {
        parts << block.text().remove(QChar::ObjectReplacementCharacter);
      }
    }
    parts.removeAll(QString());
    return parts.join(u' ');
  }

  void writeBlock(const QTextBlock &block) {
    // Finding a block's position costs a search: the whole document needs none.
    const int position = everything_ ? 0 : block.position();
    if (!everything_ && !inRange(position, position + block.length() - 1)) return;
    const QTextList *list = block.textList();
    const QTextListFormat::Style style = list ? list->format().style() : QTextListFormat::Style{};
    QString prefix;
    const ParagraphFormatting paragraph = paragraphFormattingOf(block);
    QString number;
    if (list && isNumberedStyle(style)) number = listItemLabel(block);
    startParagraph(paragraph, number);
    if (file_) writeQuoteCite(block);
    if (!file_ && list && isNumberedStyle(style)) prefix = number + u'\t';
    if (!file_ && isRule(block) && position >= from_) prefix = QString::fromUtf16(kRuleText);

    if (!prefix.isEmpty() && position >= from_) {
      const QTextBlock::iterator first = block.begin();
      if (first.atEnd()) {
        applyFormat(formattingOf(block.charFormatIndex(), [&] { return block.charFormat(); }));
      } else {
        const QTextFragment fragment = first.fragment();
        applyFormat(
            formattingOf(fragment.charFormatIndex(), [&] { return fragment.charFormat(); }));
      }
      writeText(prefix);
    }
    // Clipping asks each fragment its position, which costs a search: only at the range's ends.
    const bool whole = everything_ || (position >= from_ && position + block.length() - 1 <= to_);
    writeFragments(block, whole);
  }

  // The text of a block, clipped to the range unless `whole`.
  void writeFragments(const QTextBlock &block, bool whole) {
    for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      const QString fragmentText = fragment.text();
      QStringView text(fragmentText);
      if (!whole) {
        const int fragmentStart = fragment.position();
        const int start = std::max(from_, fragmentStart);
        const int end = std::min(to_, fragmentStart + int(text.size()));
        if (start >= end) continue;
        text = text.mid(start - fragmentStart, end - start);
      }
      const CharFormatting &formatting =
          formattingOf(fragment.charFormatIndex(), [&] { return fragment.charFormat(); });
      if (fragment.charFormat().isImageFormat()) {
        writePictures(fragment.charFormat().toImageFormat(), formatting, text);
        continue;
      }
      // Other objects are object replacement characters, which are dropped.
      if (std::all_of(text.begin(), text.end(),
                      [](QChar c) { return c == QChar::ObjectReplacementCharacter; })) {
        continue;
      }
      if (formatting.link != openLink_) {
        closeLink();
        if (!formatting.link.isEmpty()) openLink(formatting.link);
      }
      applyFormat(formatting);
      writeText(text);
    }
  }

  // A picture of an http or https address: to a file, an INCLUDEPICTURE field of the
  // address that is not to be stored in the file ("\\d"), its result the alternative text;
  // to the engine, which has no pictures, the address as text. Any other image is dropped.
  void writePictures(const QTextImageFormat &image, const CharFormatting &formatting,
                     QStringView text) {
    const QString address = addressText(image.name());
    const bool web = address.startsWith(u"http://", Qt::CaseInsensitive) ||
                     address.startsWith(u"https://", Qt::CaseInsensitive);
    if (!web) return;
    const QString alt = addressText(image.stringProperty(QTextFormat::ImageAltText));
    for (const QChar c : text) {
      if (c != QChar::ObjectReplacementCharacter) continue;
      if (!file_) {
        if (formatting.link != openLink_) {
          closeLink();
          if (!formatting.link.isEmpty()) openLink(formatting.link);
        }
        applyFormat(formatting);
        writeText(address);
        continue;
      }
      closeLink();
      applyFormat(formatting);
      body_ += "{\\field{\\*\\fldinst INCLUDEPICTURE \"";
      appendFieldArgument(address);
      body_ += "\" \\\\d}{\\fldrslt";
      needBlank_ = true;
      atLineStart_ = false;
      writeText(alt);
      body_ += "}}";
      needBlank_ = false;
      restateFont_ = true;
    }
  }

  // A field argument's characters, with the field's own escapes, "\\" and "\"", under the
  // RTF ones.
  void appendFieldArgument(const QString &argument) {
    for (const QChar qc : argument) {
      const char16_t c = qc.unicode();
      if (c == u'\\' || c == u'"') appendCharacter(body_, u'\\');
      appendCharacter(body_, c);
    }
  }

  // A link is a hyperlink field whose result holds the run with its formatting. Formatting
  // stated inside the result ends with its group, so the state before the field comes back.
  void openLink(const QString &address) {
    if (!written_) applyFormat(formattingOf(QTextCharFormat()));  // face and size outside
    body_ += "{\\field{\\*\\fldinst HYPERLINK \"";
    appendFieldArgument(address);
    body_ += "\"}{\\fldrslt";
    needBlank_ = true;
    atLineStart_ = false;
    openLink_ = address;
    beforeLink_ = written_;
  }

  void closeLink() {
    if (openLink_.isEmpty()) return;
    body_ += "}}";
    needBlank_ = false;
    openLink_.clear();
    written_ = beforeLink_;
    // The converter forgets face, size and colour at the end of every group.
    restateFont_ = true;
  }

  // A quote's indent is written as indent, to a file with its style as well; a heading is
  // its style (its look is in its characters). A list item in a file names its list.
  ParagraphFormatting paragraphFormattingOf(const QTextBlock &block) {
    const QTextBlockFormat format = block.blockFormat();
    ParagraphFormatting result;
    result.alignment = alignmentOf(format);
    const double indentWidth = document_.indentWidth();
    const int quotes = quoteLevelOf(format);
    const double ownIndent = ownIndentPixels(format, indentWidth) + quotes * kQuoteIndentPixels;
    if (file_) {
      const int heading = std::clamp(format.headingLevel(), 0, 3);
      if (heading > 0) {
        result.style = heading;
      } else if (quotes > 0) {
        result.style = kQuoteStyleBase + std::min(quotes, kMaxQuoteStyleDepth);
      }
      if (result.style != 0) stylesUsed_.insert(result.style);
      result.rule = isRule(block);
      // A word processor's or a web page's space between paragraphs, which the post keeps
      // as a paragraph break.
      result.spaceBefore = spacingTwips(format.topMargin());
      result.spaceAfter = spacingTwips(format.bottomMargin());
    }
    const QTextList *list = block.textList();
    const QTextListFormat::Style style = list ? list->format().style() : QTextListFormat::Style{};
    if (list && (isBulletStyle(style) || isNumberedStyle(style))) {
      // A list nested deeper than one level keeps its depth as paragraph indent.
      const int depth = std::max(1, list->format().indent());
      result.bullet = isBulletStyle(style);
      result.firstIndent = -bulletIndent_;
      result.leftIndent = bulletIndent_ + pixelsToTwips(ownIndent + (depth - 1) * indentWidth);
      if (file_) {
        result.numbered = !result.bullet;
        result.level = std::clamp(depth, 1, kMaxListLevel) - 1;
        result.list = listIndex(*list);
      }
    } else {
      result.leftIndent = pixelsToTwips(ownIndent);
      result.firstIndent = pixelsToTwips(format.textIndent());
    }
    return result;
  }

  // The formatting of the document's character format number `index`; `format` gives that
  // format, and is called only the first time.
  template <typename GetFormat>
  const CharFormatting &formattingOf(int index, GetFormat format) {
    auto it = formattings_.constFind(index);
    if (it == formattings_.constEnd()) it = formattings_.insert(index, formattingOf(format()));
    return *it;
  }

  CharFormatting formattingOf(const QTextCharFormat &format) const {
    CharFormatting result;
    result.font = fontNameOf(format, document_);
    double points = fontPointSizeOf(format, document_);
    // Pasted web pages give sizes in pixels.
    if (format.fontPointSize() <= 0 && format.intProperty(QTextFormat::FontPixelSize) > 0) {
      points = format.intProperty(QTextFormat::FontPixelSize) * kPointsPerPixel;
    }
    result.halfPoints = static_cast<int>(std::lround(points * 2));
    if (format.foreground().style() != Qt::NoBrush) {
      result.color = format.foreground().color().rgb() & RGB_MASK;
    }
    result.bold = isBold(format);
    result.italic = format.fontItalic();
    result.underline =
        format.fontUnderline() || format.underlineStyle() != QTextCharFormat::NoUnderline;
    result.strike = format.fontStrikeOut();
    result.position = verticalPositionOf(format);
    result.link = addressText(linkOf(format));  // as the field will say it
    return result;
  }

  // Ends the paragraph before, if any, and writes "\pard" and the paragraph words when the
  // formatting differs from the paragraph before's.
  void startParagraph(const ParagraphFormatting &paragraph, const QString &number = {}) {
    endParagraphBefore();
    ++paragraphCount_;
    afterRow_ = false;
    const bool changed = !paragraph_ || *paragraph_ != paragraph;
    paragraph_ = paragraph;
    if (changed) writeWord("\\pard");
    if (paragraph.bullet) {
      const QByteArray symbol = QByteArray::number(fontIndex(QString::fromUtf16(kSymbolFontName)));
      body_ += "{\\pntext\\f" + symbol + "\\'B7\\tab}";
      if (changed) body_ += "{\\*\\pn\\pnlvlblt\\pnf" + symbol + "\\pnindent0{\\pntxtb\\'B7}}";
      needBlank_ = false;
      atLineStart_ = false;
    } else if (paragraph.numbered) {
      // For readers that know only the older numbering: the number as the item's text, and
      // the list's numbering.
      body_ += "{\\pntext\\f0";
      needBlank_ = true;
      writeText(number + u'\t');
      body_ += '}';
      if (changed) {
        const QTextList &list = *lists_[paragraph.list - 1];
        body_ += "{\\*\\pn\\pnlvlbody\\pnf0\\pnindent0\\pnstart" +
                 QByteArray::number(listStartOf(list)) +
                 oldStyleFormatWord(numberFormatOf(list.format().style())) + "{\\pntxta.}}";
      }
      needBlank_ = false;
      atLineStart_ = false;
    }
    if (!changed) return;
    if (paragraph.style != 0) writeWord("\\s", paragraph.style);
    if (paragraph.rule) writeWord("\\brdrb\\brdrs\\brdrw10\\brsp20");
    const bool item = paragraph.bullet || paragraph.numbered;
    if (item || paragraph.firstIndent != 0) writeWord("\\fi", paragraph.firstIndent);
    if (item || paragraph.leftIndent != 0) writeWord("\\li", paragraph.leftIndent);
    if (paragraph.spaceBefore != 0) writeWord("\\sb", paragraph.spaceBefore);
    if (paragraph.spaceAfter != 0) writeWord("\\sa", paragraph.spaceAfter);
    if (paragraph.list != 0) {
      writeWord("\\ls", paragraph.list);
      writeWord("\\ilvl", paragraph.level);
    }
    switch (paragraph.alignment) {
      case Alignment::Left:
        break;
      case Alignment::Center:
        writeWord("\\qc");
        break;
      case Alignment::Right:
        writeWord("\\qr");
        break;
      case Alignment::Justify:
        writeWord("\\qj");
        break;
    }
  }

  // The document starts with a face and a size even when its first paragraph is empty.
  void finishParagraph() {
    if (!written_) applyFormat(formattingOf(QTextCharFormat()));
  }

  void applyFormat(const CharFormatting &format) {
    const bool first = !written_;
    const CharFormatting before = written_.value_or(CharFormatting{});
    const bool restate = std::exchange(restateFont_, false);
    if (!first && !restate && before == format) return;
    if (first || restate || before.font != format.font) writeWord("\\f", fontIndex(format.font));
    if (first || restate || before.halfPoints != format.halfPoints) {
      writeWord("\\fs", format.halfPoints);
    }
    if (before.color != format.color || (restate && format.color)) {
      writeWord("\\cf", format.color ? colorIndex(*format.color) : 0);
    }
    if (before.bold != format.bold) writeWord(format.bold ? "\\b" : "\\b0");
    if (before.italic != format.italic) writeWord(format.italic ? "\\i" : "\\i0");
    if (before.underline != format.underline) writeWord(format.underline ? "\\ul" : "\\ulnone");
    if (before.strike != format.strike) writeWord(format.strike ? "\\strike" : "\\strike0");
    if (before.position != format.position) {
      if (before.position != VerticalPosition::Normal) writeWord("\\nosupersub");
      if (format.position == VerticalPosition::Super) writeWord("\\super");
      if (format.position == VerticalPosition::Sub) writeWord("\\sub");
    }
    written_ = format;
  }

  // A quote's title line keeps its source in a group of the program's own, which other
  // readers skip ("\*"); it is printable ASCII (post::citeProperty), braces and backslashes
  // left out.
  void writeQuoteCite(const QTextBlock &block) {
    const QVariant cite = block.blockFormat().property(kQuoteCiteProperty);
    if (!cite.isValid()) return;
    body_ += "{\\*\\quillmarkcite ";
    for (const QChar c : cite.toString()) {
      if (c.unicode() > 0x20 && c.unicode() < 0x7F && c != u'\\' && c != u'{' && c != u'}')
        body_ += char(c.unicode());
    }
    body_ += '}';
    needBlank_ = false;
  }

  void writeWord(const char *word) {
    body_ += word;
    needBlank_ = true;
    atLineStart_ = false;
  }

  void writeWord(const char *word, int number) {
    body_ += word;
    body_ += QByteArray::number(number);
    needBlank_ = true;
    atLineStart_ = false;
  }

  void writeText(QStringView text) {
    for (const QChar qc : text) {
      const char16_t c = qc.unicode();
      if (c == u'\t') {
        writeWord("\\tab");
      } else if (c == QChar::LineSeparator) {
        writeWord("\\line");
      } else if (c == QChar::ObjectReplacementCharacter) {
        continue;  // an image or another embedded object
      } else {
        if (c == u' ' && atLineStart_) writeWord("\\uc1");  // the converter trims a line's blanks
        if (needBlank_ && c >= 0x20 && c < 0x7F && c != u'\\' && c != u'{' && c != u'}') {
          body_ += ' ';
        }
        appendCharacter(body_, c);
        needBlank_ = false;
        atLineStart_ = false;
      }
    }
  }

  // The number of a list in the list tables, from 1.
  int listIndex(const QTextList &list) {
    auto it = listIndices_.constFind(&list);
    if (it != listIndices_.constEnd()) return *it;
    lists_.append(&list);
    return *listIndices_.insert(&list, int(lists_.size()));
  }

  // The list table: a list for each of the document's lists, all nine levels in its style
  // and from its start, each level a bullet indent further in; and the override table that
  // gives each its "\ls" number.
  QByteArray listTables() const {
    if (lists_.isEmpty()) return {};
    QByteArray table = "{\\*\\listtable";
    QByteArray overrides = "{\\*\\listoverridetable";
    const int symbol = fonts_.indexOf(QString::fromUtf16(kSymbolFontName));
    for (qsizetype i = 0; i < lists_.size(); ++i) {
      const QTextListFormat::Style style = lists_[i]->format().style();
      const bool bullet = isBulletStyle(style);
      const QByteArray id = QByteArray::number(i + 1);
      table += "{\\list\\listtemplateid" + id + "\\listsimple0";
      for (int level = 0; level < kMaxListLevel; ++level) {
        table += "{\\listlevel\\levelnfc" +
                 QByteArray::number(bullet ? kFormatBullet : numberFormatOf(style)) +
                 "\\leveljc0\\levelfollow0\\levelstartat" +
                 QByteArray::number(bullet ? 1 : listStartOf(*lists_[i]));
        if (bullet) {
          table += "{\\leveltext\\'01\\'B7;}{\\levelnumbers;}";
          if (symbol >= 0) table += "\\f" + QByteArray::number(symbol);
        } else {
          table +=
              "{\\leveltext\\'02\\'0" + QByteArray::number(level) + ".;}{\\levelnumbers\\'01;}";
        }
        table += "\\fi-" + QByteArray::number(bulletIndent_) + "\\li" +
                 QByteArray::number(bulletIndent_ * (level + 1)) + '}';
      }
      table += "\\listid" + id + '}';
      overrides += "{\\listoverride\\listid" + id + "\\listoverridecount0\\ls" + id + '}';
    }
    return table + '}' + kLineEnd + overrides + '}' + kLineEnd;
  }

  // The styles the paragraphs name: headings by their level, quotes by their depth, each
  // with its look, as word processors name theirs. A quote is "Quotations", the name of
  // LibreOffice's own quote style (which it writes to a web page as a blockquote); Word takes
  // it as a style of that name with the quote's indent.
  QByteArray styleSheet() const {
    if (stylesUsed_.isEmpty()) return {};
    QList<int> styles(stylesUsed_.begin(), stylesUsed_.end());
    std::sort(styles.begin(), styles.end());
    QByteArray result = "{\\stylesheet{\\s0 Normal;}";
    for (const int style : styles) {
      const QByteArray number = QByteArray::number(style);
      if (style < kQuoteStyleBase) {
        result += "{\\s" + number + "\\b\\fs" +
                  QByteArray::number(std::lround(headingPointSize(style) * 2)) +
                  "\\sbasedon0\\snext0 heading " + number + ";}";
      } else {
        const int depth = style - kQuoteStyleBase;
        result += "{\\s" + number + "\\li" +
                  QByteArray::number(pixelsToTwips(kQuoteIndentPixels) * depth) +
                  "\\sbasedon0\\snext" + number + " Quotations" +
                  (depth > 1 ? " " + QByteArray::number(depth) : QByteArray()) + ";}";
      }
    }
    return result + '}' + kLineEnd;
  }

  int fontIndex(const QString &name) {
    auto it = fontIndices_.constFind(name);
    if (it != fontIndices_.constEnd()) return *it;
    fonts_.append(name);
    return *fontIndices_.insert(name, int(fonts_.size() - 1));
  }

  int colorIndex(QRgb color) {
    auto it = colorIndices_.constFind(color);
    if (it != colorIndices_.constEnd()) return *it;
    colors_.append(color);
    return *colorIndices_.insert(color, int(colors_.size()));  // entry 0 is the default
  }

  QByteArray header() const {
    QByteArray result = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl";
    for (qsizetype i = 0; i < fonts_.size(); ++i) {
      const bool symbol = fonts_[i] == QStringView(kSymbolFontName);
      result += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset" + (symbol ? "2 " : "0 ") +
                fontNameRtf(fonts_[i]) + ";}";
    }
    result += '}';
    result += kLineEnd;
    if (!colors_.isEmpty()) {
      result += "{\\colortbl ;";
      for (const QRgb color : colors_) {
        result += "\\red" + QByteArray::number(qRed(color)) + "\\green" +
                  QByteArray::number(qGreen(color)) + "\\blue" + QByteArray::number(qBlue(color)) +
                  ';';
      }
      result += '}';
      result += kLineEnd;
    }
    return result + styleSheet() + listTables();
  }

  // A face name escaped as text; a ";" would end the entry early.
  static QByteArray fontNameRtf(const QString &name) {
    QByteArray result;
    for (const QChar c : name) {
      if (c.unicode() >= 0x20 && c != u';') appendCharacter(result, c.unicode());
    }
    return result;
  }

  const QTextDocument &document_;
  const bool file_;  // the target is a file, not the engine
  int from_ = 0;
  int to_ = 0;
  bool everything_ = false;  // the range is the whole document
  const int bulletIndent_;   // twips

  QByteArray body_;
  std::optional<CharFormatting> written_;         // the character formatting stated so far
  std::optional<ParagraphFormatting> paragraph_;  // the paragraph formatting stated last
  QString openLink_;                              // the address of the open link field, if any
  std::optional<CharFormatting> beforeLink_;      // written_ when that field opened
  bool restateFont_ = false;  // the converter has forgotten face, size and colour
  int paragraphCount_ = 0;
  bool afterRow_ = false;     // the last thing written was a table row's "\row"
  bool needBlank_ = false;    // the last thing written was a control word
  bool atLineStart_ = false;  // the last thing written was a line end

  QHash<int, CharFormatting> formattings_;  // by the document's format index
  QStringList fonts_;                       // the font table, font 0 first
  QHash<QString, int> fontIndices_;
  QList<QRgb> colors_;  // the colour table from entry 1
  QHash<QRgb, int> colorIndices_;
  QList<const QTextList *> lists_;  // the list tables, list 1 first
  QHash<const QTextList *, int> listIndices_;
  QSet<int> stylesUsed_;  // the stylesheet's styles but "Normal"
};

}  // namespace

QByteArray writeRtf(const QTextDocument &document, int from, int to, RtfTarget target) {
  return Writer(document, from, to, target).write();
}

}  // namespace quillmark::richtext
