// The walk from a document's blocks to the post model, with post::Builder opening and closing
// the lists and quotes around the paragraphs as the document names their levels.
#include "DocumentPost.h"

#include <QSet>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextFrame>
#include <QTextImageFormat>
#include <QTextList>
#include <QTextTable>
#include <optional>
#include <string>
#include <unordered_map>

#include "PostDocument.h"
#include "quillmark/convert.h"
#include "richtext/DocumentModel.h"

namespace quillmark::post {

namespace {

using richtext::qs;

Align alignOf(const QTextBlockFormat &format) {
  switch (richtext::alignmentOf(format)) {
    case richtext::Alignment::Center:
      return Align::Centre;
    case richtext::Alignment::Right:
      return Align::Right;
    case richtext::Alignment::Justify:
      return Align::Justify;
    case richtext::Alignment::Left:
      break;
  }
  return Align::Left;
}

Numbering numberingOf(QTextListFormat::Style style) {
  switch (style) {
    case QTextListFormat::ListDecimal:
      return Numbering::Decimal;
    case QTextListFormat::ListLowerAlpha:
      return Numbering::LowerAlpha;
    case QTextListFormat::ListUpperAlpha:
      return Numbering::UpperAlpha;
    case QTextListFormat::ListLowerRoman:
      return Numbering::LowerRoman;
    case QTextListFormat::ListUpperRoman:
      return Numbering::UpperRoman;
    default:
      return Numbering::Bullet;
  }
}

bool startsWithScheme(const QString &address, std::initializer_list<QStringView> schemes) {
  for (const QStringView scheme : schemes) {
    if (address.startsWith(scheme, Qt::CaseInsensitive)) return true;
  }
  return false;
}

// A post shows a picture from the web only; one from a file or the clipboard is its words.
bool isWebPicture(const QString &address) {
  return startsWithScheme(address, {u"http://", u"https://"});
}

std::u16string u16(const QString &text) { return text.toStdU16String(); }

// The two standard faces: where the document used one, the forum shows its own font, as the
// engine's html leaves the face out for them.
bool isStandardFace(const QString &face) { return face == u"MS Sans Serif" || face == u"Courier"; }

// Empty paragraphs at the end of the post, or of the quote it ends in, show nothing: a
// document's last paragraph mark leaves one, and a line the writer left below the text is no
// part of the post.
void dropTrailingEmptyParagraphs(std::vector<Block> &blocks) {
  while (!blocks.empty()) {
    Block &last = blocks.back();
    if (last.kind == BlockKind::Quote) {
      dropTrailingEmptyParagraphs(last.children);
      if (!last.children.empty() || !last.cite.empty()) return;
    } else if (last.kind != BlockKind::Paragraph || !last.runs.empty()) {
      return;
    }
    blocks.pop_back();
  }
}

class Walker {
 public:
  explicit Walker(const QTextDocument &document) : document_(document) {}

  Model walk() {
    // The root frame holds paragraphs and tables; any other frame's paragraphs are read in
    // order as the root's own.
    QTextFrame *root = document_.rootFrame();
    for (QTextFrame::iterator it = root->begin(); !it.atEnd(); ++it) {
      if (QTextFrame *frame = it.currentFrame()) {
        if (auto *table = qobject_cast<QTextTable *>(frame)) {
          this->table(*table);
        } else {
          for (QTextBlock b = document_.findBlock(frame->firstPosition());
               b.isValid() && b.position() <= frame->lastPosition(); b = b.next())
            paragraph(b);
        }
      } else if (!(it == root->begin() && it.currentBlock().length() <= 1 && nextIsTable(it))) {
        // An empty first paragraph before a table is Qt's, which starts every frame with a
        // paragraph: no line the writer left.
        paragraph(it.currentBlock());
      }
    }
    Model model = builder_.finish();
    // The text most of the document is in is the post's normal text: it gets no markup.
    takeNormalText(model);
    dropTrailingEmptyParagraphs(model.blocks);
    if (!model.blocks.empty()) model.blocks.back().spaceAfter = false;
    return model;
  }

 private:
  // One paragraph of the document. The fixed-columns markers count wherever they stand in
  // it, as the engine finds them: what lies between them is the code block's text, a line a
  // paragraph, and what lies outside them in a marker's paragraph a paragraph of its own.
  void paragraph(const QTextBlock &block) {
    const QString text = block.text();
    if (!inFixed_ && !text.contains(kBegin)) {
      structured(block);
      return;
    }
    if (!inFixed_) quoteDepth(block.blockFormat());
    qsizetype at = 0;
    for (;;) {
      if (inFixed_) {
        const qsizetype end = text.indexOf(kEnd, at);
        const qsizetype stop = end < 0 ? text.size() : end;
        // Every line of the block ends with a line end; the end marker's line only when it
        // holds text before the marker.
        if (end < 0 || stop > at) codeLine(QStringView(text).sliced(at, stop - at));
        if (end < 0) return;
        inFixed_ = false;
        at = end + kEnd.size();
      } else {
        const qsizetype begin = text.indexOf(kBegin, at);
        const qsizetype stop = begin < 0 ? text.size() : begin;
        if (stop > at) {
          builder_.paragraph(alignOf(block.blockFormat()));
          runs(block, at, stop, 0);
        }
        if (begin < 0) return;
        builder_.code(u16(block.blockFormat().stringProperty(richtext::kCodeLanguageProperty)));
        inFixed_ = true;
        at = begin + kBegin.size();
      }
      if (at >= text.size()) return;
    }
  }

  static bool nextIsTable(QTextFrame::iterator it) {
    ++it;
    return !it.atEnd() && qobject_cast<QTextTable *>(it.currentFrame()) != nullptr;
  }

  // A table: a row of the model per row of the table, a cell per column. A cell spanning
  // columns or rows gives its text to its first place; the places it covers are empty cells,
  // so that every row has the table's columns. Each paragraph of a cell is a paragraph of the
  // model's cell, its empty paragraphs at either end left out; a table inside the cell (the
  // document holds none, but Qt allows it) gives its paragraphs to it in order.
  void table(const QTextTable &table) {
    inFixed_ = false;  // a fixed-columns block left open ends at the table
    quoteDepth(QTextBlockFormat());
    const int headerRows = std::min(table.format().headerRowCount(), 1);
    builder_.beginTable();
    for (int r = 0; r < table.rows(); ++r) {
      builder_.row();
      for (int c = 0; c < table.columns(); ++c) {
        const QTextTableCell cell = table.cellAt(r, c);
        const bool first = cell.isValid() && cell.row() == r && cell.column() == c;
        QTextBlock begin = first ? cell.firstCursorPosition().block() : QTextBlock();
        QTextBlock end = first ? cell.lastCursorPosition().block() : QTextBlock();
        const Align align = begin.isValid() ? alignOf(begin.blockFormat()) : Align::Left;
        builder_.cell(r < headerRows, align);
        headerCell_ = r < headerRows;
        if (!begin.isValid()) continue;
        while (begin != end && begin.length() <= 1) begin = begin.next();
        while (end != begin && end.length() <= 1) end = end.previous();
        if (begin == end && begin.length() <= 1) continue;
        for (QTextBlock b = begin; b.isValid(); b = b.next()) {
          builder_.paragraph(alignOf(b.blockFormat()));
          runs(b, 0, b.length() - 1, 0);
          if (b == end) break;
        }
      }
    }
    headerCell_ = false;
    builder_.endTable();
  }

  // The builder ends the open lists at a change of depth only: the items of a list inside a
  // quote stay one list.
  void quoteDepth(const QTextBlockFormat &format) {
    const int depth = std::min(richtext::quoteLevelOf(format), Builder::kMaxQuoteDepth);
    // A quote read from a post begins here: the one before it at its depth ends.
    const int start = format.intProperty(kQuoteStartProperty);
    if (start != 0 && start != lastQuoteStart_ && start % 16 <= depth && start % 16 > 0 &&
        quoteDepth_ >= start % 16) {
      quoteDepth_ = start % 16 - 1;
      builder_.quoteDepth(quoteDepth_);
    }
    lastQuoteStart_ = start;
    if (depth == quoteDepth_) return;
    quoteDepth_ = depth;
    builder_.quoteDepth(depth);
  }

  void codeLine(QStringView line) {
    std::u16string text;
    text.reserve(std::size_t(line.size()) + 1);
    for (const QChar c : line) {
      if (c == QChar::LineSeparator) {
        text += u'\n';
      } else if (richtext::isTextCharacter(c.unicode())) {
        text += c.unicode();
      }
    }
    text += u'\n';
    builder_.text(text, Style{});
  }

  // A paragraph outside the fixed-columns block: its quotes, its kind and its runs. A quote's
  // title line begins a quote of its own at its level, citing its source; its text is the
  // document's, not the post's.
  void structured(const QTextBlock &block) {
    const QTextBlockFormat format = block.blockFormat();
    if (const int depth = std::min(richtext::quoteLevelOf(format), Builder::kMaxQuoteDepth);
        depth > 0) {
      if (const std::optional<Attribution> cite = titleCite(block)) {
        builder_.quoteDepth(depth - 1);
        builder_.quoteDepth(depth, *cite);
        quoteDepth_ = depth;
        return;
      }
    }
    quoteDepth(format);
    const Align align = alignOf(format);
    int heading = 0;
    if (format.hasProperty(QTextFormat::BlockTrailingHorizontalRulerWidth)) {
      builder_.rule();
      if (block.length() <= 1) return;
      builder_.paragraph(align);  // text in a rule's paragraph stays below the rule
    } else if (const QTextList *list = block.textList()) {
      const QTextListFormat listFormat = list->format();
      const QVariant start = listFormat.property(richtext::kListStartProperty);
      const QTextBlockFormat::MarkerType marker = format.marker();
      const Task task = marker == QTextBlockFormat::MarkerType::Checked     ? Task::Done
                        : marker == QTextBlockFormat::MarkerType::Unchecked ? Task::Open
                                                                            : Task::None;
      builder_.item(listFormat.indent(), numberingOf(listFormat.style()),
                    start.isValid() ? start.toInt() : 1, align, task);
    } else if (format.headingLevel() >= 1 && format.headingLevel() <= 3) {
      heading = format.headingLevel();
      builder_.heading(heading, align, spaceAfter(block));
    } else {
      builder_.paragraph(align, spaceAfter(block));
    }
    runs(block, 0, block.length() - 1, heading);
  }

  // A word processor's paragraph spacing: space below this paragraph or above the next.
  static bool spaceAfter(const QTextBlock &block) {
    if (block.blockFormat().bottomMargin() > 0) return true;
    const QTextBlock next = block.next();
    return next.isValid() && next.blockFormat().topMargin() > 0;
  }

  // The runs of the block's characters from `from` to `to` (offsets in the block).
  void runs(const QTextBlock &block, qsizetype from, qsizetype to, int heading) {
    const int blockStart = block.position();
    for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      if (!fragment.isValid()) continue;
      const qsizetype start = fragment.position() - blockStart;
      const qsizetype end = start + fragment.length();
      if (end <= from) continue;
      if (start >= to) break;
      const qsizetype first = std::max(start, from);
      const qsizetype last = std::min(end, to);
      const QTextCharFormat format = fragment.charFormat();
      const Style &style = styleOf(fragment.charFormatIndex(), format, heading);
      const QString text = fragment.text();
      if (format.isImageFormat()) {
        const QTextImageFormat image = format.toImageFormat();
        const QString alt = image.property(QTextFormat::ImageAltText).toString();
        for (qsizetype i = first; i < last; ++i) {
          if (isWebPicture(image.name())) {
            builder_.picture(u16(image.name()), u16(alt), style);
          } else {
            builder_.text(u16(alt), style);
          }
        }
        continue;
      }
      std::u16string out;
      out.reserve(std::size_t(last - first));
      for (qsizetype i = first - start; i < last - start; ++i) {
        const QChar c = text.at(i);
        if (c == QChar::LineSeparator) {
          out += u'\n';
        } else if (richtext::isTextCharacter(c.unicode())) {
          out += c.unicode();
        }
      }
      if (const int markup = format.intProperty(richtext::kMarkupProperty);
          markup > int(Format::Html) && markup <= int(Format::Markdown)) {
        builder_.markup(out, Format(markup));
      } else {
        builder_.text(out, style);
      }
    }
  }

  // The style of a character format, made once for each format the document holds. A
  // heading's bold and size are its look, not the writer's formatting, as a header cell's
  // bold is.
  const Style &styleOf(int index, const QTextCharFormat &format, int heading) {
    const auto key = (std::int64_t(index) << 3) | (std::int64_t(headerCell_) << 2) | heading;
    const auto found = styles_.find(key);
    if (found != styles_.end()) return found->second;
    Style style;
    if (richtext::isBold(format) && heading == 0 && !headerCell_) style.flags |= kBold;
    if (format.fontItalic()) style.flags |= kItalic;
    if (format.fontUnderline()) style.flags |= kUnderline;
    if (format.fontStrikeOut()) style.flags |= kStrike;
    switch (richtext::verticalPositionOf(format)) {
      case richtext::VerticalPosition::Super:
        style.flags |= kSuper;
        break;
      case richtext::VerticalPosition::Sub:
        style.flags |= kSub;
        break;
      case richtext::VerticalPosition::Normal:
        break;
    }
    if (format.hasProperty(QTextFormat::ForegroundBrush) &&
        format.foreground().style() != Qt::NoBrush)
      style.colour =
          builder_.share(u16(format.foreground().color().name(QColor::HexRgb).toUpper()));
    const double points = richtext::fontPointSizeOf(format, document_);
    if (heading == 0 || points != richtext::headingPointSize(heading))
      style.size = percentOfHtmlSize(htmlSize(points));
    const QString face = richtext::fontNameOf(format, document_);
    // One text for each face, colour and address, whatever formats hold it: runs of
    // several formats in a row share it, and the posts compare it by its place.
    // Inline code read from a post is the fixed face's look, not a face of the writer's.
    if (format.boolProperty(richtext::kInlineCodeProperty)) {
      style.flags |= kCode;
      if (face != QStringView(richtext::kFixedFontName)) style.face = builder_.share(u16(face));
    } else if (!isStandardFace(face)) {
      style.face = builder_.share(u16(face));
    }
    const QString link = richtext::linkOf(format);
    // As every post takes them: web addresses alone, never javascript: or file:.
    if (!link.isEmpty() && isPostAddress(u16(link))) style.link = builder_.share(u16(link));
    return styles_.emplace(key, std::move(style)).first->second;
  }

  static constexpr QStringView kBegin{kFixedBegin.data(), qsizetype(kFixedBegin.size())};
  static constexpr QStringView kEnd{kFixedEnd.data(), qsizetype(kFixedEnd.size())};

  const QTextDocument &document_;
  Builder builder_;
  bool inFixed_ = false;     // between a begin marker and its end
  bool headerCell_ = false;  // in a cell of a table's header row
  int quoteDepth_ = 0;
  int lastQuoteStart_ = 0;  // the quote start of the paragraph before
  std::unordered_map<std::int64_t, Style> styles_;
};

}  // namespace

Model modelOf(const QTextDocument &document) { return Walker(document).walk(); }

namespace {

bool isNumbered(QTextListFormat::Style style) {
  return style != QTextListFormat::ListDisc && style != QTextListFormat::ListCircle &&
         style != QTextListFormat::ListSquare;
}

}  // namespace

// What the engine, which has no elements for them, makes of the document's structures, as a
// loss report: a heading is its look alone, a quote its text, a rule a line of dashes, a
// picture its address (its alternative text lost), a numbered list's numbers text, a table a
// fixed-columns block. Lists of bullets, links and character formats the engine writes.
LossReport engineLosses(const QTextDocument &document) {
  std::size_t headings = 0, quotes = 0, rules = 0, pictures = 0, pictureTexts = 0, tables = 0;
  QSet<const QTextList *> numbered, goingOn;
  // The document's few distinct formats tell whether it holds any of these at all: most
  // documents need no walk of their paragraphs, and few one of their runs.
  bool structures = false, images = false;
  for (const QTextFormat &format : document.allFormats()) {
    if (format.isImageFormat()) images = true;
    if (format.isListFormat() && isNumbered(format.toListFormat().style())) structures = true;
    if (format.isBlockFormat()) {
      const QTextBlockFormat block = format.toBlockFormat();
      structures = structures || block.headingLevel() > 0 || richtext::quoteLevelOf(block) > 0 ||
                   block.hasProperty(QTextFormat::BlockTrailingHorizontalRulerWidth);
    }
  }
  int quoteLevel = 0;
  for (QTextBlock block = document.begin(); (structures || images) && block.isValid();
       block = block.next()) {
    const QTextBlockFormat format = block.blockFormat();
    if (format.headingLevel() > 0) ++headings;
    const int level = richtext::quoteLevelOf(format);
    if (level > quoteLevel) quotes += std::size_t(level - quoteLevel);
    quoteLevel = level;
    if (format.hasProperty(QTextFormat::BlockTrailingHorizontalRulerWidth)) ++rules;
    // A long list goes on in further QTextLists of its format: one list all the same.
    if (const QTextList *list = block.textList(); list && isNumbered(list->format().style())) {
      if (list->item(0) == block) {
        const QTextList *before = block.previous().textList();
        if (before != nullptr && before != list &&
            before->format().style() == list->format().style() &&
            before->format().indent() == list->format().indent())
          goingOn.insert(list);
      }
      if (!goingOn.contains(list)) numbered.insert(list);
    }
    for (auto it = block.begin(); images && !it.atEnd(); ++it) {
      const QTextCharFormat chars = it.fragment().charFormat();
      if (!chars.isImageFormat()) continue;
      const auto count = std::size_t(it.fragment().length());
      pictures += count;
      if (!chars.stringProperty(QTextFormat::ImageAltText).isEmpty()) pictureTexts += count;
    }
  }
  for (const QTextFrame *frame : document.rootFrame()->childFrames())
    if (qobject_cast<const QTextTable *>(frame)) ++tables;

  LossReport losses;
  const auto lose = [&losses](Element element, std::size_t count, std::string_view unit) {
    if (count > 0) losses.push_back({element, count, unit});
  };
  lose(Element::Heading, headings, "heading");
  lose(Element::Quote, quotes, "quote");
  lose(Element::Rule, rules, "rule");
  lose(Element::Picture, pictures, "picture");
  lose(Element::PictureText, pictureTexts, "picture");
  lose(Element::NumberedList, std::size_t(numbered.size()), "list");
  lose(Element::Table, tables, "table");
  return losses;
}

}  // namespace quillmark::post
