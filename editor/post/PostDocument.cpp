// The walk from a post model's blocks to a document's paragraphs, lists and tables. The model
// is built into a document of its own, then inserted at the cursor as one fragment, so that
// the insertion is one undo step and a cell receives the text alone.
#include "PostDocument.h"

#include <QCoreApplication>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextImageFormat>
#include <QTextList>
#include <QTextTable>
#include <QUrl>
#include <algorithm>
#include <array>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "DocumentPost.h"
#include "quillmark/convert.h"
#include "richtext/DocumentModel.h"
#include "richtext/FixedColumns.h"
#include "richtext/RichTextBox.h"

using namespace Qt::StringLiterals;

namespace quillmark::post {

namespace {

using richtext::qs;

// The most items one QTextList is given. Qt marks every item of a QTextList changed each
// time one is added to it, so one list of n items takes time in n squared (20,000 items,
// 11 s); a longer list goes on in further QTextLists of its format, each numbered on from
// the one before, which keeps the time linear.
constexpr int kMaxTextListItems = 256;

// Space a word processor leaves below a paragraph: 9 points, as 180 twips.
constexpr double kSpaceAfterPixels = 180 / richtext::kTwipsPerPixel;

// A point size in each HTML size's range of htmlSize, the common one where it has one; none
// equals a heading's size (24, 18, 14).
constexpr std::array<double, 8> kPointsOfSize = {0,  6,  9,  richtext::kDefaultFontPointSize,
                                                 15, 19, 22, 36};

Qt::Alignment qtAlign(Align align) {
  switch (align) {
    case Align::Centre:
      return richtext::qtAlignment(richtext::Alignment::Center);
    case Align::Right:
      return richtext::qtAlignment(richtext::Alignment::Right);
    case Align::Justify:
      return richtext::qtAlignment(richtext::Alignment::Justify);
    case Align::Left:
      break;
  }
  return richtext::qtAlignment(richtext::Alignment::Left);
}

// The editor's marks: bullets and numbers change with the level only where the model has
// no numbering of its own.
QTextListFormat::Style listStyle(Numbering numbering, int level) {
  static constexpr std::array bullets{QTextListFormat::ListDisc, QTextListFormat::ListCircle,
                                      QTextListFormat::ListSquare};
  switch (numbering) {
    case Numbering::Bullet:
      return bullets[std::size_t((level - 1) % 3)];
    case Numbering::Decimal:
      return QTextListFormat::ListDecimal;
    case Numbering::LowerAlpha:
      return QTextListFormat::ListLowerAlpha;
    case Numbering::UpperAlpha:
      return QTextListFormat::ListUpperAlpha;
    case Numbering::LowerRoman:
      return QTextListFormat::ListLowerRoman;
    case Numbering::UpperRoman:
      return QTextListFormat::ListUpperRoman;
  }
  return QTextListFormat::ListDisc;
}

// The text of a run as the document holds it: '\n' a line break, no control characters.
QString documentText(std::u16string_view text) {
  QString out;
  out.reserve(qsizetype(text.size()));
  for (const char16_t c : text) {
    if (c == u'\n') {
      out += QChar::LineSeparator;
    } else if (richtext::isTextCharacter(c)) {
      out += QChar(c);
    }
  }
  return out;
}

bool isHeaderRow(const Block &row) {
  return std::any_of(row.children.begin(), row.children.end(),
                     [](const Block &cell) { return cell.header; });
}

class Writer {
 public:
  explicit Writer(QTextDocument &document) : cursor_(&document) {
    cursor_.movePosition(QTextCursor::End);
    fresh_ = cursor_.block().length() <= 1 && !cursor_.block().textList();
  }

  // One edit block: outside one, each insertion lays its paragraph out again to place the
  // cursor, which takes time quadratic in a long paragraph's length.
  void write(const Model &model) {
    cursor_.beginEditBlock();
    blocks(model.blocks, 0);
    cursor_.endEditBlock();
  }

 private:
  void blocks(const std::vector<Block> &blocks, int quote) {
    for (const Block &block : blocks) this->block(block, quote);
  }

  void block(const Block &block, int quote) {
    switch (block.kind) {
      case BlockKind::Paragraph:
        paragraph(block, quote, 0);
        break;
      case BlockKind::Cell:
      case BlockKind::Row:
      case BlockKind::Item:
        // Outside its container it keeps its text, one paragraph after another.
        blocks(block.children, quote);
        break;
      case BlockKind::Heading:
        paragraph(block, quote, std::clamp(block.level, 1, 3));
        break;
      case BlockKind::Code:
        code(block, quote);
        break;
      case BlockKind::Rule: {
        QTextBlockFormat format = quoted(quote);
        format.setProperty(QTextFormat::BlockTrailingHorizontalRulerWidth,
                           QTextLength(QTextLength::PercentageLength, 100));
        startParagraph(format);
        break;
      }
      case BlockKind::Quote: {
        const int inner = std::min(quote + 1, Builder::kMaxQuoteDepth);
        if (!block.cite.empty()) title(block.cite, inner);
        // A quote without a title line starts at its first paragraph.
        if (block.cite.empty() && quoteStart_ == 0) quoteStart_ = ++quotes_ * 16 + inner;
        blocks(block.children, inner);
        quoteStart_ = 0;
        break;
      }
      case BlockKind::List:
        list(block, quote, 1);
        break;
      case BlockKind::Table:
        table(block);
        break;
      case BlockKind::Spoiler:
        blocks(block.children, quote);
        break;
      case BlockKind::Markup:
        paragraph(block, quote, 0);
        break;
    }
  }

  // A quote's title line: its source in the block format, what the writer sees of it in a
  // look of its own (italic, grey), which no post writes.
  void title(const Attribution &cite, int quote) {
    const QString text = citeTitle(cite);
    QTextBlockFormat format = quoted(quote);
    format.setProperty(richtext::kQuoteCiteProperty, citeProperty(cite, text));
    QTextCharFormat look;
    look.setFontItalic(true);
    look.setForeground(QColor(0x66, 0x66, 0x66));
    startParagraph(format, look);
    cursor_.insertText(text, look);
  }

  static QTextBlockFormat quoted(int quote) {
    QTextBlockFormat format;
    if (quote > 0) {
      format.setProperty(QTextFormat::BlockQuoteLevel, quote);
      format.setLeftMargin(quote * richtext::kQuoteIndentPixels);
    }
    return format;
  }

  // Makes the next paragraph: the document's empty last one when nothing was written to it.
  void startParagraph(const QTextBlockFormat &given,
                      const QTextCharFormat &chars = QTextCharFormat()) {
    QTextBlockFormat format = given;
    if (quoteStart_ != 0) format.setProperty(kQuoteStartProperty, quoteStart_);
    quoteStart_ = 0;
    if (fresh_) {
      cursor_.setBlockFormat(format);
      cursor_.setBlockCharFormat(chars);
    } else {
      cursor_.insertBlock(format, chars);
    }
    cursor_.setCharFormat(chars);
    fresh_ = false;
  }

  void paragraph(const Block &block, int quote, int heading) {
    QTextBlockFormat format = quoted(quote);
    if (block.align != Align::Left) format.setAlignment(qtAlign(block.align));
    if (block.spaceAfter) format.setBottomMargin(kSpaceAfterPixels);
    if (heading > 0) format.setHeadingLevel(heading);
    startParagraph(format, headingLook(heading));
    runs(block.runs, heading);
  }

  static QTextCharFormat headingLook(int heading) {
    QTextCharFormat look;
    if (heading > 0) {
      look.setFontWeight(QFont::Bold);
      look.setFontPointSize(richtext::headingPointSize(heading));
    }
    return look;
  }

  void runs(const std::vector<Run> &runs, int heading) {
    for (const Run &run : runs) {
      const QTextCharFormat format = cachedFormat(run.style, heading);
      if (!run.picture.empty() && richtext::RichTextBox::isPictureAddress(qs(run.picture))) {
        QTextImageFormat image;
        image.merge(format);
        image.setName(qs(run.picture));
        QString alt = documentText(run.text);
        alt.replace(QChar::LineSeparator, u' ');
        if (!alt.isEmpty()) image.setProperty(QTextFormat::ImageAltText, alt);
        cursor_.insertImage(image);
      } else if (run.kind == RunKind::Markup) {
        // Markup kept as typed: text in the fixed face, grey, which the post writes back.
        QTextCharFormat look;
        richtext::setFontName(look, qs(richtext::kFixedFontName));
        look.setForeground(QColor(0x80, 0x80, 0x80));
        look.setProperty(richtext::kMarkupProperty, int(run.markup));
        const QString text = documentText(run.text);
        if (!text.isEmpty()) cursor_.insertText(text, look);
      } else {
        // A picture the document cannot show keeps its words.
        const QString text = documentText(run.text);
        if (!text.isEmpty()) cursor_.insertText(text, format);
      }
    }
  }

  // One format for each style the runs share: a long address or face over many runs is
  // made into the format's text once, and the document finds the same format again by its
  // shared data rather than by reading the text.
  const QTextCharFormat &cachedFormat(const Style &style, int heading) {
    const FormatKey key{style.flags,
                        style.size,
                        heading,
                        style.face.identity(),
                        style.colour.identity(),
                        style.link.identity(),
                        style.title.identity()};
    auto [it, added] = formats_.try_emplace(key);
    if (added) {
      // The cache holds the texts its keys name, so that no key outlives its text.
      keptStyles_.push_back(style);
      it->second = charFormat(style, heading);
      // Comparing with another format makes this one's hash, kept in its shared data: each
      // insertion's copy of it finds the hash made rather than reading the address again.
      static const QTextCharFormat other = [] {
        QTextCharFormat f;
        f.setProperty(QTextFormat::UserProperty + 999, 0);
        return f;
      }();
      (void)(it->second == other);
    }
    return it->second;
  }

  struct FormatKey {
    std::uint8_t flags;
    int size;
    int heading;
    const void *face, *colour, *link, *title;
    bool operator==(const FormatKey &) const = default;
  };
  struct FormatKeyHash {
    std::size_t operator()(const FormatKey &k) const {
      std::size_t h = std::hash<int>()(k.flags | (k.size << 8) | (k.heading << 24));
      for (const void *p : {k.face, k.colour, k.link, k.title})
        h = h * 1000003u ^ std::hash<const void *>()(p);
      return h;
    }
  };

  static QTextCharFormat charFormat(const Style &style, int heading) {
    QTextCharFormat format = headingLook(heading);
    if (style.flags & kBold) format.setFontWeight(QFont::Bold);
    if (style.flags & kItalic) format.setFontItalic(true);
    if (style.flags & kUnderline) format.setFontUnderline(true);
    if (style.flags & kStrike) format.setFontStrikeOut(true);
    if (style.flags & kSuper) {
      richtext::setVerticalPosition(format, richtext::VerticalPosition::Super);
    } else if (style.flags & kSub) {
      richtext::setVerticalPosition(format, richtext::VerticalPosition::Sub);
    }
    if (!style.colour.empty()) {
      const QColor colour = QColor(qs(style.colour));
      if (colour.isValid()) format.setForeground(colour);
    }
    if (const double points =
            style.size > 0 ? pointsOfSize(post::htmlSizeOfPercent(style.size)) : 0;
        points > 0) {
      if (heading > 0 || points != richtext::kDefaultFontPointSize) format.setFontPointSize(points);
    }
    if (!style.face.empty()) richtext::setFontName(format, qs(style.face));
    if (style.flags & kCode) {
      // Inline code shows in the fixed face, and stays code when the post is written again.
      if (style.face.empty()) richtext::setFontName(format, qs(richtext::kFixedFontName));
      format.setProperty(richtext::kInlineCodeProperty, true);
    }
    // A post's text naming another scheme (javascript:, file:) stays text, never a link.
    if (isPostAddress(style.link))
      richtext::setLink(format, richtext::addressText(qs(style.link).trimmed()));
    return format;
  }

  // The block's text, exact, one paragraph a line between the two marker paragraphs, all in
  // the fixed face.
  void code(const Block &block, int quote) {
    std::u16string text;
    for (const Run &run : block.runs) text += run.text;
    if (!text.empty() && text.back() == u'\n') text.pop_back();
    const QTextCharFormat fixed = richtext::fixedColumnsFormat();
    const QTextBlockFormat format = quoted(quote);
    QTextBlockFormat begin = format;
    if (!block.label.empty()) begin.setProperty(richtext::kCodeLanguageProperty, qs(block.label));
    startParagraph(begin, fixed);
    cursor_.insertText(qs(kFixedBegin), fixed);
    if (!block.runs.empty()) {
      std::size_t at = 0;
      for (;;) {
        const std::size_t end = text.find(u'\n', at);
        startParagraph(format, fixed);
        const QString line = documentText(std::u16string_view(text).substr(
            at, end == std::u16string::npos ? std::u16string::npos : end - at));
        if (!line.isEmpty()) cursor_.insertText(line, fixed);
        if (end == std::u16string::npos) break;
        at = end + 1;
      }
    }
    startParagraph(format, fixed);
    cursor_.insertText(qs(kFixedEnd), fixed);
  }

  // One QTextList for the items of `list`, at `level` (more for a list past
  // kMaxTextListItems); the lists inside its items at the levels below, each its own.
  void list(const Block &block, int quote, int level) {
    level = std::min(level, Builder::kMaxListLevel);
    QTextListFormat format;
    format.setStyle(listStyle(block.numbering, level));
    format.setIndent(level);
    if (block.start != 1) format.setProperty(richtext::kListStartProperty, block.start);
    QTextList *textList = nullptr;
    int number = block.start;  // the number of the next item
    for (const Block &item : block.children) {
      std::size_t next = 0;
      const bool hasText =
          !item.children.empty() && (item.children[0].kind == BlockKind::Paragraph ||
                                     item.children[0].kind == BlockKind::Heading);
      if (hasText) {
        const Block &first = item.children[0];
        QTextBlockFormat paragraph = quoted(quote);
        if (first.align != Align::Left) paragraph.setAlignment(qtAlign(first.align));
        if (item.task != Task::None) {
          paragraph.setMarker(item.task == Task::Done ? QTextBlockFormat::MarkerType::Checked
                                                      : QTextBlockFormat::MarkerType::Unchecked);
        }
        startParagraph(paragraph);
        if (textList && textList->count() < kMaxTextListItems) {
          textList->add(cursor_.block());
        } else {
          if (textList && block.numbering != Numbering::Bullet)
            format.setProperty(richtext::kListStartProperty, number);
          textList = cursor_.createList(format);
        }
        ++number;
        runs(first.runs, 0);
        next = 1;
        // Further paragraphs of the item are lines of its paragraph: an item is one
        // paragraph of the document.
        for (; next < item.children.size() && item.children[next].kind == BlockKind::Paragraph;
             ++next) {
          cursor_.insertText(QString(QChar::LineSeparator));
          runs(item.children[next].runs, 0);
        }
      }
      for (; next < item.children.size(); ++next) {
        const Block &child = item.children[next];
        if (child.kind == BlockKind::List) {
          list(child, quote, level + 1);
        } else {
          this->block(child, quote);
        }
      }
    }
  }

  // A table in the root frame, whatever holds it in the model: a document's tables stand in
  // no list or quote. Rows past the document's limit go on in a table of their own below it,
  // as many as they take; cells past its columns give their text to the row's last cell.
  void table(const Block &block) {
    const std::size_t limit = std::size_t(richtext::kMaxTableRows);
    for (std::size_t first = 0; first == 0 || first < block.children.size(); first += limit)
      table(block, first, std::min(block.children.size(), first + limit));
  }

  void table(const Block &block, std::size_t firstRow, std::size_t endRow) {
    std::vector<std::vector<std::vector<const Block *>>> cells;  // rows of cells of paragraphs
    std::vector<std::vector<Align>> aligns;
    for (std::size_t r = firstRow; r < endRow; ++r) {
      const Block &row = block.children[r];
      auto &rowCells = cells.emplace_back();
      auto &rowAligns = aligns.emplace_back();
      for (std::size_t c = 0; c < row.children.size(); ++c) {
        const Block &cell = row.children[c];
        const std::size_t at = std::min(c, std::size_t(richtext::kMaxTableColumns - 1));
        if (at == rowCells.size()) {
          rowCells.emplace_back();
          rowAligns.push_back(cell.align);
        }
        collect(cell, rowCells[at]);
      }
    }
    std::size_t columns = 0;
    for (const auto &row : cells) columns = std::max(columns, row.size());
    if (cells.empty() || columns == 0) return;
    // Qt keeps a paragraph before every table: the one written last when there is one.
    const bool header = isHeaderRow(block.children[firstRow]);
    QTextTable *table =
        cursor_.insertTable(int(cells.size()), int(columns), richtext::newTableFormat(header));
    for (std::size_t r = 0; r < cells.size(); ++r) {
      for (std::size_t c = 0; c < cells[r].size(); ++c) {
        const QTextTableCell cell = table->cellAt(int(r), int(c));
        cursor_ = cell.firstCursorPosition();
        bool first = true;
        for (const Block *paragraph : cells[r][c]) {
          QTextBlockFormat format;
          // A column's alignment is its paragraphs': a paragraph of no alignment of its own
          // takes its cell's.
          const Align align = paragraph->align == Align::Left ? aligns[r][c] : paragraph->align;
          if (align != Align::Left) format.setAlignment(qtAlign(align));
          if (first) {
            cursor_.setBlockFormat(format);
          } else {
            cursor_.insertBlock(format, QTextCharFormat());
          }
          first = false;
          runs(paragraph->runs, 0);
        }
        if (first && aligns[r][c] != Align::Left) {
          QTextBlockFormat format;
          format.setAlignment(qtAlign(aligns[r][c]));
          cursor_.setBlockFormat(format);
        }
      }
    }
    if (header) richtext::setHeaderLook(*table, 0, true);
    cursor_ = table->lastCursorPosition();
    cursor_.movePosition(QTextCursor::NextBlock);
    fresh_ = true;
  }

  // The paragraphs of a cell, and of what it holds, in order: a cell holds text only.
  static void collect(const Block &block, std::vector<const Block *> &into) {
    if (block.kind == BlockKind::Paragraph || block.kind == BlockKind::Heading ||
        block.kind == BlockKind::Code) {
      into.push_back(&block);
      return;
    }
    for (const Block &child : block.children) collect(child, into);
  }

  QTextCursor cursor_;
  std::unordered_map<FormatKey, QTextCharFormat, FormatKeyHash> formats_;
  std::vector<Style> keptStyles_;
  bool fresh_ = true;   // the cursor's paragraph is empty and has not been written to
  int quotes_ = 0;      // the quotes begun
  int quoteStart_ = 0;  // kQuoteStartProperty for the next paragraph, 0 for none
};

}  // namespace

Format formatToRead(std::u16string_view text, Format format) {
  if (format != Format::Html) return format;
  if (!looksLikeBbcode(text)) return Format::Markdown;
  return dialectOf(text).value_or(Format::Bbcode);
}

Model modelOfText(std::u16string_view text) {
  Builder builder;
  for (std::size_t at = 0; at <= text.size();) {
    const std::size_t end = std::min(text.find_first_of(u"\r\n", at), text.size());
    builder.paragraph();
    builder.text(text.substr(at, end - at), Style{});
    if (end == text.size()) break;
    at = end + (text.substr(end, 2) == u"\r\n" ? 2 : 1);
  }
  return builder.finish();
}

namespace {

// The parts of a source by name, in the order the property holds them.
constexpr std::array<std::pair<std::u16string_view, std::u16string Attribution::*>, 5> kCiteParts =
    {{{u"author", &Attribution::author},
      {u"post", &Attribution::post},
      {u"member", &Attribution::member},
      {u"time", &Attribution::time},
      {u"link", &Attribution::link}}};

QString percentEncoded(const QString &text) {
  return QString::fromLatin1(QUrl::toPercentEncoding(text));
}

}  // namespace

QString citeProperty(const Attribution &cite, const QString &title) {
  QString value = u"title="_s + percentEncoded(title);
  for (const auto &[name, part] : kCiteParts) {
    if ((cite.*part).empty()) continue;
    value += u'&' + qs(name) + u'=' + percentEncoded(qs(cite.*part));
  }
  return value;
}

std::optional<Attribution> titleCite(const QTextBlock &block) {
  const QVariant property = block.blockFormat().property(richtext::kQuoteCiteProperty);
  if (!property.isValid()) return std::nullopt;
  Attribution cite;
  QString title;
  bool titled = false;
  for (const QString &pair : property.toString().split(u'&')) {
    const qsizetype equals = pair.indexOf(u'=');
    if (equals < 0) continue;
    const QString name = pair.first(equals);
    const QString value = QUrl::fromPercentEncoding(pair.sliced(equals + 1).toLatin1());
    if (name == u"title"_s) {
      title = value, titled = true;
      continue;
    }
    for (const auto &[partName, part] : kCiteParts) {
      if (name == qs(partName)) cite.*part = value.toStdU16String();
    }
  }
  if (!titled || block.text() != title) return std::nullopt;
  return cite;
}

QString citeTitle(const Attribution &cite) {
  if (cite.author.empty()) return QCoreApplication::translate("Quote", "Quote");
  //: A quote's title line in the document: %1 is the name of who wrote the quoted post.
  return QCoreApplication::translate("Quote", "%1 wrote:").arg(qs(cite.author));
}

double pointsOfSize(int size) { return size >= 1 && size <= 7 ? kPointsOfSize[size] : 0; }

void appendModel(QTextDocument &document, const Model &model) { Writer(document).write(model); }

void insertModel(QTextCursor &cursor, const Model &model) {
  QTextDocument *target = cursor.document();
  if (!target) return;
  QTextDocument made;
  richtext::setUpDocument(made, richtext::pixelsToTwips(target->indentWidth()));
  made.setDefaultFont(target->defaultFont());
  appendModel(made, model);
  if (cursor.currentTable()) richtext::RichTextBox::reduceToCellText(made);
  // Inside a fixed-columns block everything is in the fixed face, so that the columns line up.
  const bool fixed = richtext::insideFixedColumns(*target, cursor.selectionStart());
  cursor.beginEditBlock();
  const int start = cursor.selectionStart();
  richtext::RichTextBox::insertDocument(cursor, made);
  if (fixed) {
    QTextCursor inserted(target);
    inserted.setPosition(start);
    inserted.setPosition(cursor.position(), QTextCursor::KeepAnchor);
    QTextCharFormat face;
    richtext::setFontName(face, qs(richtext::kFixedFontName));
    inserted.mergeCharFormat(face);
  }
  cursor.endEditBlock();
}

}  // namespace quillmark::post
