#pragma once
// How a Quillmark document is held in a QTextDocument. RichTextBox, the RTF writer and the
// RTF reader all go through these helpers, so that what one of them sets the others read
// back the same way.
//
// Characters
//   bold        fontWeight() >= QFont::DemiBold
//   italic, underline (any style), strike-out   the QTextCharFormat flags
//   super/subscript                             verticalAlignment()
//   colour      the foreground brush; no brush is the default (automatic) colour
//   size        fontPointSize() in points; 0 (unset) is the document's default size
//   face        the first of fontFamilies(); none is the document's default face
//   link        an anchor with an address: setAnchor(true) and setAnchorHref(address); the
//               run's text is what the link shows. An anchor without an address is no link.
//               A link's look (the palette's link colour, an underline) is no formatting:
//               RichTextBox draws it from the anchor at display time (extra selections over
//               the link's runs), so the formats never hold it and neither the RTF nor the
//               post writes it. A colour or underline a run does hold is the writer's own;
//               the colour shows on the link. A pasted page's link colour and underline that
//               are only Qt's look of an anchor are dropped as the page comes in
// Paragraphs
//   alignment   the block's horizontal alignment (left, right, centre, justify)
//   indents     leftMargin() and textIndent() in pixels, 15 twips to the pixel. Qt's own
//               indent() levels (pasted HTML may bring them) add indentWidth() each to the
//               left indent (ownIndentPixels); the indent commands fold them into leftMargin()
//   lists       a list item is a paragraph of a QTextList. Its level is the list format's
//               indent(), 1 to kMaxListLevel; the document's indentWidth() is the indent of
//               one level, and leftMargin() is the paragraph's indent on top of its list's.
//               Bullets are ListDisc, ListCircle and ListSquare (the editor takes them by
//               level, any of them is a bullet); numbers are ListDecimal, ListLowerAlpha,
//               ListUpperAlpha, ListLowerRoman and ListUpperRoman. The first item's number is
//               kListStartProperty on the list format (none: 1). One QTextList holds the items
//               of one list at one level, in order; a post's list of more items than Qt adds
//               to one QTextList in linear time (PostDocument.cpp) goes on in further
//               QTextLists of its format, numbered on by kListStartProperty
//   quotes      Qt's BlockQuoteLevel on the block format: the paragraph is inside that many
//               quotes (quoteLevelOf). It shows as kQuoteIndentPixels per level in
//               leftMargin(), on top of the paragraph's own indent (ownIndentPixels leaves it
//               out)
//   headings    headingLevel() on the block format, 1 to 3 (0: not a heading). A heading's
//               look, bold at headingPointSize(level), is in its characters' formats, set
//               with the level, so that the engine and other word processors show it too; a
//               post writes its runs without the bold and the size that are only that look
//   rules       an empty paragraph with Qt's BlockTrailingHorizontalRulerWidth, as Qt reads
//               <hr>
//   quote titles  a quote that names its source (who wrote it, the post) begins with a title
//               line: a paragraph at the quote's level whose block format holds
//               kQuoteCiteProperty, the source as printable ASCII text of the post layer's
//               (post::citeProperty), which the RTF keeps in a group other readers skip. Its
//               text ("Bob wrote:", in a look of its own) is what the writer sees, no text of
//               the post; a paragraph whose text is no longer the title it was made with (the
//               writer changed it, or split it) is an ordinary paragraph
// Text
//   a paragraph break between blocks; QChar::LineSeparator is a line break inside a
//   paragraph; '\t' a tab. A picture is an image character (QTextImageFormat): name() its
//   http or https address, Qt's ImageAltText its alternative text. The program never
//   fetches a picture: RichTextBox shows a placeholder that names the address and the
//   alternative text. No control character but the tab (isTextCharacter).
// Tables
//   a QTextTable in the root frame, never inside a list, a quote or another table (a table
//   that arrives nested gives its cells' text to the cell it stands in). Its header rows are
//   the table format's headerRowCount() (0 or 1: the first row), its text bold
//   (setHeaderLook). A column's alignment is the
//   alignment of its cells' paragraphs; a cell holds paragraphs of formatted text, links and
//   line breaks, no lists, quotes, headings, rules or pictures. A cell spanning columns or
//   rows keeps its text in its first place. At most kMaxTableRows rows and kMaxTableColumns
//   columns: a larger one is cut to them, its text kept in the last row's or column's cells.
//   No other frames: their content is flattened before it reaches the document.
#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextDocument>
#include <QTextFormat>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string_view>

class QTextTable;

namespace quillmark::richtext {

// The program's own texts as QStrings: its fixed texts are UTF-16 views, the post formats'
// names and reports UTF-8.
inline QString qs(std::u16string_view text) {
  return QString::fromUtf16(text.data(), qsizetype(text.size()));
}
inline QString qs(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

// Whether a paragraph's text holds `c` as a character of its own: every character but the
// control characters (C0 other than the tab, DEL, C1) and those Qt takes for structure
// (the paragraph separator, its frame marks U+FDD0 and U+FDD1, the object replacement
// character of an image). What is read into a document holds no other character: an RTF
// writer would write it, and reading that back would drop it.
constexpr bool isTextCharacter(char16_t c) {
  if (c == u'\t') return true;
  if (c < 0x20 || (c >= 0x7F && c <= 0x9F)) return false;
  return c != u'\u2029' && c != u'\uFDD0' && c != u'\uFDD1' && c != u'\uFFFC';
}

// The face every new document starts in. It stays this name in the document and in the
// RTF even where the machine shows another face for it.
inline constexpr char16_t kDefaultFontName[] = u"MS Sans Serif";
// The document's normal size: a post starts at it, and text that brings no size of its own
// (a pasted page's, an RTF without "\fs") takes it. It is the size RTF itself assumes.
inline constexpr double kDefaultFontPointSize = 12.0;
// The face of the fixed-columns block.
inline constexpr char16_t kFixedFontName[] = u"Courier";

inline constexpr double kTwipsPerPixel = 15.0;  // 1440 twips to the inch, 96 pixels

inline double twipsToPixels(int twips) { return twips / kTwipsPerPixel; }
inline int pixelsToTwips(double pixels) {
  return static_cast<int>(std::lround(pixels * kTwipsPerPixel));
}

// Colours at the component's interface are 24-bit values with red in the low byte.
inline QColor colorFromRgbValue(std::uint32_t value) {
  return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}
inline std::uint32_t rgbValueFromColor(const QColor &color) {
  return std::uint32_t(color.red()) | std::uint32_t(color.green()) << 8 |
         std::uint32_t(color.blue()) << 16;
}

inline bool isBold(const QTextCharFormat &format) { return format.fontWeight() >= QFont::DemiBold; }

// The address a run links to; empty when it is no link.
inline QString linkOf(const QTextCharFormat &format) {
  return format.isAnchor() ? format.anchorHref() : QString();
}

// A link's address as RTF carries it and reads it back: its text characters (isTextCharacter)
// but the tab. A tab or a line break in an address means nothing; browsers drop them too.
inline QString addressText(QString address) {
  address.removeIf([](QChar c) { return c == u'\t' || !isTextCharacter(c.unicode()); });
  return address;
}

inline void setLink(QTextCharFormat &format, const QString &address) {
  format.setAnchor(true);
  format.setAnchorHref(address);
}

// Leaves the format as if it had never been a link (anchor names included).
inline void clearLink(QTextCharFormat &format) {
  format.clearProperty(QTextFormat::IsAnchor);
  format.clearProperty(QTextFormat::AnchorHref);
  format.clearProperty(QTextFormat::AnchorName);
}

// A run's position against the line: normal, superscript or subscript.
enum class VerticalPosition : std::uint8_t { Normal, Super, Sub };

inline VerticalPosition verticalPositionOf(const QTextCharFormat &format) {
  switch (format.verticalAlignment()) {
    case QTextCharFormat::AlignSuperScript:
      return VerticalPosition::Super;
    case QTextCharFormat::AlignSubScript:
      return VerticalPosition::Sub;
    default:
      return VerticalPosition::Normal;
  }
}

// Normal leaves the format's vertical alignment unset.
inline void setVerticalPosition(QTextCharFormat &format, VerticalPosition position) {
  if (position == VerticalPosition::Super) {
    format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
  } else if (position == VerticalPosition::Sub) {
    format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
  }
}

// A paragraph's alignment. The numbers are those of the component's interface.
enum class Alignment : std::int16_t { Left = 0, Right = 1, Center = 2, Justify = 3 };

inline Alignment alignmentOf(const QTextBlockFormat &format) {
  const Qt::Alignment horizontal = format.alignment() & Qt::AlignHorizontal_Mask;
  if (horizontal & Qt::AlignHCenter) return Alignment::Center;
  if (horizontal & Qt::AlignRight) return Alignment::Right;
  if (horizontal & Qt::AlignJustify) return Alignment::Justify;
  return Alignment::Left;
}

// Left and right are absolute: they stay where they are in right-to-left text.
inline Qt::Alignment qtAlignment(Alignment alignment) {
  switch (alignment) {
    case Alignment::Right:
      return Qt::AlignRight | Qt::AlignAbsolute;
    case Alignment::Center:
      return Qt::AlignHCenter;
    case Alignment::Justify:
      return Qt::AlignJustify;
    case Alignment::Left:
      break;
  }
  return Qt::AlignLeft | Qt::AlignAbsolute;
}

// The face a run is shown in: its own, or the document's default.
inline QString fontNameOf(const QTextCharFormat &format, const QTextDocument &document) {
  const QStringList families = format.fontFamilies().toStringList();
  if (!families.isEmpty() && !families.first().isEmpty()) return families.first();
  return document.defaultFont().family();
}

// The face again, as a string property of the program's own that Qt neither shows nor
// writes. The document's format table finds a format by its hash, and hashes a string
// property by its text but every family list alike: formats that differ only in their face
// would be told apart one comparison at a time, and opening a document of many faces would
// take time quadratic in their number. setFontName sets both, so formats of one face stay
// equal.
inline constexpr int kFaceKeyProperty = QTextFormat::UserProperty + 1;

inline void setFontName(QTextCharFormat &format, const QString &name) {
  format.setFontFamilies(QStringList{name});
  format.setProperty(kFaceKeyProperty, name);
}

// The size a run is shown in, in points: its own, or the document's default.
inline double fontPointSizeOf(const QTextCharFormat &format, const QTextDocument &document) {
  const double size = format.fontPointSize();
  return size > 0 ? size : document.defaultFont().pointSizeF();
}

// Structures: the deepest list level, the first number of a list, a quote's indent, a
// heading's size.
inline constexpr int kMaxListLevel = 9;
inline constexpr int kMaxTableRows = 10'000;
inline constexpr int kMaxTableColumns = 256;
inline constexpr int kListStartProperty = QTextFormat::UserProperty + 2;
inline constexpr int kQuoteCiteProperty = QTextFormat::UserProperty + 6;
// Text read from a post as inline code (a character property, shown in the fixed face), and
// the language of a code block read from one (on its begin marker's paragraph).
inline constexpr int kInlineCodeProperty = QTextFormat::UserProperty + 20;
inline constexpr int kCodeLanguageProperty = QTextFormat::UserProperty + 21;
// Markup of one post format kept as typed (Markdown's HTML, phpBB's [attachment]): a
// character property holding the format's number, shown in a look of its own.
inline constexpr int kMarkupProperty = QTextFormat::UserProperty + 22;
inline constexpr double kQuoteIndentPixels = 30.0;

inline int quoteLevelOf(const QTextBlockFormat &format) {
  return std::max(0, format.intProperty(QTextFormat::BlockQuoteLevel));
}

// The size a heading of `level` (1 to 3) is shown in, in points.
inline double headingPointSize(int level) { return level <= 1 ? 24.0 : level == 2 ? 18.0 : 14.0; }

// A paragraph's left indent in pixels, its bullet's and its quotes' aside: its margin and
// Qt's indent levels of `levelWidth` (the document's indentWidth()) each.
inline double ownIndentPixels(const QTextBlockFormat &format, double levelWidth) {
  return format.leftMargin() - quoteLevelOf(format) * kQuoteIndentPixels +
         format.indent() * levelWidth;
}

// Prepares an empty document the way every Quillmark document starts: the default face and
// size, and the bullet indent in twips.
void setUpDocument(QTextDocument &document, int bulletIndentTwips);

// The look of a new table, inserted or made from a post: a thin grid, and room around each
// cell's text; the first row its header when `headerRow`.
QTextTableFormat newTableFormat(bool headerRow);

// Gives row `row` of `table` the text of a header row (`header`), bold, as text typed there
// will be, or takes it away (normal weight). That bold is the header's look, not the writer's:
// a post gives it to the forum's header cell, never as bold. The window shades a header row
// under its text besides (RichTextBox), which the document does not hold.
void setHeaderLook(QTextTable &table, int row, bool header);

}  // namespace quillmark::richtext

// Values the editor's parts share: the document component, the main window and the converter's
// --via-editor path all take them from here. (The face they share is kDefaultFontName above.)
namespace quillmark::richtext {

// The bullet indent every document starts with, in twips; the indent commands step by it.
inline constexpr int kBulletIndentTwips = 250;

}  // namespace quillmark::richtext
