// Writes the post model as BBCode in one dialect. The post is a sequence of lines, "\n"
// between them; each line stands inside a stack of block elements (alignment, quote, list,
// item, heading, code block). Between two lines the elements the next one does not share are
// closed at the end of the first and those it adds opened at the start of the next, and
// inline elements open and close inside one line, so the output nests by construction. Text
// goes out as typed: BBCode has no escape.
#include <algorithm>
#include <cstdint>
#include <deque>

#include "Cites.h"
#include "Emit.h"

namespace quillmark::formats {
namespace {

using post::Block;
using post::BlockKind;

// A block element a line stands in. `key` tells one from another: the block's address, or
// a small number for an alignment, so that lines of one alignment share it.
struct Frame {
  std::uintptr_t key;
  std::u16string_view open;
  std::u16string_view close;
};

// A cell's bold: the writer's, or the header's look added (where the dialect has no header
// cell) or left to the dialect's header cell.
enum class Bold : std::uint8_t { AsWritten, Added, Dropped };

class BbEmitter {
 public:
  BbEmitter(const NormalText& normal, const Dialect& d, bool tables, LossCounter& losses)
      : normal_(normal), d_(d), losses_(losses), tables_(tables) {}

  std::u16string run(const post::Model& model) {
    blocks(model.blocks);
    closeTo(0);
    return std::move(out_);
  }

 private:
  std::u16string_view u16(std::string_view s) {
    std::u16string& text = storage_.emplace_back();
    appendAscii(text, s);
    return text;
  }
  std::u16string_view u16(std::u16string text) { return storage_.emplace_back(std::move(text)); }

  // The tag's opening with `value` in its "{}".
  std::u16string filled(std::string_view pattern, std::u16string_view value) {
    std::u16string text;
    const std::size_t hole = pattern.find("{}");
    if (hole == std::string_view::npos) {
      appendAscii(text, pattern);
      return text;
    }
    appendAscii(text, pattern.substr(0, hole));
    text += value;
    appendAscii(text, pattern.substr(hole + 2));
    return text;
  }

  void blocks(const std::vector<Block>& list) {
    for (std::size_t i = 0; i < list.size(); ++i) {
      const Block& b = list[i];
      block(b);
      // Space below a paragraph is an empty line, unless an empty paragraph, this one or the
      // next, gives it anyway.
      const auto empty = [](const Block& p) {
        return p.kind == BlockKind::Paragraph && p.runs.empty();
      };
      if (b.spaceAfter && i + 1 < list.size() && !empty(b) && !empty(list[i + 1])) {
        emptyLine();
      }
    }
  }

  void block(const Block& b) {
    const std::size_t mark = want_.size();
    switch (b.kind) {
      case BlockKind::Paragraph:
        paragraph(b, true);
        break;
      case BlockKind::Heading:
        heading(b);
        break;
      case BlockKind::Code:
        code(b);
        break;
      case BlockKind::Rule:
        if (shows(d_, Element::Rule)) {
          beginLine(post::Align::Left);
          appendAscii(out_, tagOf(d_, Element::Rule).open);
        } else {
          losses_.add(Element::Rule);
          emptyLine();
        }
        break;
      case BlockKind::Quote:
        if (shows(d_, Element::Quote) && !b.cite.empty()) {
          CiteTag tag = citeTag(b.cite, d_);
          if (tag.lost) losses_.add(Element::QuoteSource);
          push(key(b), {u16(std::move(tag.open)), u16(tagOf(d_, Element::Quote).close)});
        } else if (shows(d_, Element::Quote)) {
          push(key(b), tagOf(d_, Element::Quote));
        } else {
          losses_.add(Element::Quote);
        }
        if (b.children.empty()) emptyLine();
        blocks(b.children);
        break;
      case BlockKind::List:
        list(b);
        break;
      case BlockKind::Item:  // an item outside a list: a list of its own
      {
        Block wrapper;
        wrapper.kind = BlockKind::List;
        wrapper.children.push_back(b);
        list(wrapper);
        break;
      }
      case BlockKind::Table:
        table(b);
        break;
      case BlockKind::Row:
      case BlockKind::Cell:
        blocks(b.children);
        break;
      case BlockKind::Spoiler:
        spoiler(b);
        break;
      case BlockKind::Markup:
        paragraph(b, true);
        break;
    }
    want_.resize(mark);
  }

  // A spoiler where the dialect has one, its title in its tag where the tag can hold it; else
  // its blocks, as a loss.
  void spoiler(const Block& b) {
    if (d_.spoiler.open.empty()) {
      losses_.add(Element::Spoiler);
    } else {
      const bool titled = !b.label.empty() && !d_.spoilerTitled.empty() &&
                          b.label.find_first_of(u"[]\n") == std::u16string::npos;
      if (!b.label.empty() && !titled) losses_.add(Element::Spoiler);
      push(key(b), {u16(titled ? filled(d_.spoilerTitled, b.label) : filled(d_.spoiler.open, {})),
                    u16(d_.spoiler.close)});
    }
    if (b.children.empty()) emptyLine();
    blocks(b.children);
  }

  // A table: one line per row, the dialect's table tags around them. A header cell is the
  // dialect's header cell, or a cell of bold text where it has none; its bold and its
  // centring are the header's own look (as a browser shows a header cell, and as a pasted
  // page's header cells arrive), so neither is written nor counted lost. Where the dialect
  // (or the forum) shows no tables, the cells in padded columns of a code block.
  void table(const Block& b) {
    if (!tables_) {
      losses_.add(Element::Table);
      code(codeTables_.emplace_back(tableAsCode(b)));
      return;
    }
    push(key(b), tagOf(d_, Element::Table));
    for (const Block& row : b.children) {
      beginLine(post::Align::Left);
      appendAscii(out_, d_.tableRow.open);
      for (const Block& cell : row.children) {
        const bool header = cell.header && !d_.tableHeader.open.empty();
        const Tag& tag = header ? d_.tableHeader : d_.tableCell;
        appendAscii(out_, tag.open);
        cellText(cell, !cell.header ? Bold::AsWritten : header ? Bold::Dropped : Bold::Added);
        appendAscii(out_, tag.close);
      }
      appendAscii(out_, d_.tableRow.close);
    }
  }

  // A cell's paragraphs, their lines one after another with line breaks between them, inside
  // the cell's alignment where the dialect shows it.
  void cellText(const Block& cell, Bold bold) {
    const post::Align align = cell.header ? headerAlign(cell.align) : cell.align;
    const Element e = align == post::Align::Right ? Element::Right : Element::Centre;
    const bool aligned = align == post::Align::Centre || align == post::Align::Right;
    bool first = true;
    textBlocksOf(cell, cellBlocks_);
    for (const Block* text : cellBlocks_) {
      forEachLine(text->runs, [&](const std::vector<Piece>& pieces) {
        losses_.newLine();
        if (!first) appendAscii(out_, tagOf(d_, Element::LineBreak).open);
        if (first && aligned) {
          if (shows(d_, e)) {
            appendAscii(out_, tagOf(d_, e).open);
          } else {
            losses_.add(e);
          }
        }
        first = false;
        linePieces(pieces, bold);
      });
    }
    if (!first && aligned && shows(d_, e)) appendAscii(out_, tagOf(d_, e).close);
  }

  void list(const Block& b) {
    // The alignment of a list whose items all share one goes around the list, as a forum
    // aligns whole lists; else each item's paragraph carries its own.
    const auto alignOfItem = [](const Block& item) {
      return !item.children.empty() && item.children.front().kind == BlockKind::Paragraph
                 ? item.children.front().align
                 : post::Align::Left;
    };
    bool shared = !b.children.empty();
    for (const Block& item : b.children)
      shared = shared && alignOfItem(item) == alignOfItem(b.children.front());
    if (shared) pushAlign(alignOfItem(b.children.front()));

    std::u16string_view open = u16(d_.listStart);
    if (b.numbering == post::Numbering::Bullet && b.marker != post::Marker::Default &&
        !d_.listMarker.empty()) {
      constexpr std::u16string_view kMarkers[] = {u"", u"disc", u"circle", u"square", u"none"};
      open = u16(filled(d_.listMarker, kMarkers[static_cast<std::size_t>(b.marker)]));
    }
    if (b.numbering != post::Numbering::Bullet) {
      std::string_view number = d_.numbers[static_cast<std::size_t>(b.numbering)];
      if (number.empty()) {
        losses_.add(Element::NumberedList);
        number = d_.numbers[static_cast<std::size_t>(post::Numbering::Decimal)];
      }
      if (!number.empty()) {
        std::u16string value;
        appendAscii(value, number);
        open = u16(filled(tagOf(d_, Element::NumberedList).open, value));
      }
      if (b.start != 1 && !shows(d_, Element::ListStart)) losses_.add(Element::ListStart);
    }
    push(key(b), {open, u16(d_.listEnd)});
    const Tag& itemTag = tagOf(d_, Element::ListItem);
    const std::u16string_view itemOpen = u16(itemTag.open);
    const std::u16string_view itemClose = u16(itemTag.close);
    for (const Block& item : b.children) {
      const std::size_t mark = want_.size();
      if (item.task != post::Task::None) losses_.add(Element::TaskItem);
      push(key(item), {itemOpen, itemClose});
      if (item.kind != BlockKind::Item) {
        block(item);
      } else if (item.children.empty()) {
        emptyLine();
      } else {
        for (std::size_t i = 0; i < item.children.size(); ++i) {
          const Block& child = item.children[i];
          if (i == 0 && child.kind == BlockKind::Paragraph) {
            paragraph(child, !shared);
          } else {
            block(child);
          }
        }
      }
      want_.resize(mark);
    }
  }

  void heading(const Block& b) {
    const int level = std::clamp(b.level, 1, 3);
    pushAlign(b.align);
    if (shows(d_, Element::Heading)) {
      const std::u16string value(1, static_cast<char16_t>(u'0' + level));
      push(key(b), {u16(filled(tagOf(d_, Element::Heading).open, value)),
                    u16(tagOf(d_, Element::Heading).close)});
    } else if (shows(d_, Element::Bold)) {
      // Bold, and larger where the dialect has sizes: heading 1 two steps above the forum's
      // size, heading 2 one step, heading 3 bold alone.
      std::u16string open, close;
      appendAscii(open, tagOf(d_, Element::Bold).open);
      const std::string_view size = d_.sizes[static_cast<std::size_t>(kPageSize + 3 - level)];
      if (level < 3 && shows(d_, Element::Size) && !size.empty()) {
        std::u16string value;
        appendAscii(value, size);
        open += filled(tagOf(d_, Element::Size).open, value);
        appendAscii(close, tagOf(d_, Element::Size).close);
      }
      appendAscii(close, tagOf(d_, Element::Bold).close);
      push(key(b), {u16(std::move(open)), u16(std::move(close))});
    } else {
      losses_.add(Element::Heading);
    }
    lines(b.runs, b.align);
  }

  void paragraph(const Block& b, bool aligned) {
    if (aligned) pushAlign(b.align);
    lines(b.runs, b.align);
  }

  void code(const Block& b) {
    // The block's language goes in its tag where the dialect has one, and a tag can hold it.
    const bool language = !b.label.empty() && !d_.codeLanguage.open.empty() &&
                          b.label.find_first_of(u"[]\r\n\"'= ") == std::u16string::npos;
    if (!b.label.empty() && !language) losses_.add(Element::CodeLanguage);
    if (language) {
      push(key(b), {u16(filled(d_.codeLanguage.open, b.label)), u16(d_.codeLanguage.close)});
    } else {
      push(key(b),
           {u16(tagOf(d_, Element::FixedBlock).open), u16(tagOf(d_, Element::FixedBlock).close)});
    }
    // The block's lines end with '\n'; the last one's ends the block.
    std::u16string text;
    for (const post::Run& run : b.runs) {
      // A code block shows its text in the forum's own monospace, so its formats are none of
      // the post's losses; a link's address is: the block shows only the link's text.
      if (!run.style.link.empty()) losses_.add(Element::Link);
      if (run.picture.empty()) text += run.text;
    }
    if (!text.empty() && text.back() == u'\n') text.pop_back();
    std::u16string_view rest = text;
    while (true) {
      beginLine(post::Align::Left);
      const std::size_t nl = rest.find(u'\n');
      appendFixedText(rest.substr(0, nl), out_);
      if (nl == std::u16string_view::npos) break;
      rest.remove_prefix(nl + 1);
    }
  }

  void lines(const std::vector<post::Run>& runs, post::Align align) {
    forEachLine(runs, [&](const std::vector<Piece>& pieces) {
      beginLine(align);
      linePieces(pieces, Bold::AsWritten);
    });
  }

  // The pieces of one line, each inside its inline elements (bold added or dropped as `bold`
  // says), all of them closed at the line's end. Blanks at the line's end show nothing and
  // are left out.
  void linePieces(const std::vector<Piece>& line, Bold bold) {
    trimmed_.assign(line.begin(), line.end());
    while (!trimmed_.empty() && trimmed_.back().run->picture.empty()) {
      std::u16string_view& text = trimmed_.back().text;
      while (!text.empty() && isSpaceLike(text.back())) text.remove_suffix(1);
      if (!text.empty()) break;
      trimmed_.pop_back();
    }
    for (const Piece& piece : trimmed_) {
      const post::Style* style = &piece.run->style;
      if (bold == Bold::Added) {
        // The open elements view their values in the style: each bold copy stays in place
        // until the line's elements are closed.
        post::Style& copy = boldStyles_.emplace_back(*style);
        copy.flags |= post::kBold;
        style = &copy;
      }
      inlineElements(*style, normal_, d_, losses_, wantInline_);
      if (bold == Bold::Dropped) {
        std::erase_if(wantInline_, [](const Open& o) { return o.element == Element::Bold; });
      }
      losses_.endRun();
      std::size_t keep = 0;
      while (keep < openInline_.size() && keep < wantInline_.size() &&
             openInline_[keep] == wantInline_[keep]) {
        ++keep;
      }
      closeInline(keep);
      for (std::size_t k = keep; k < wantInline_.size(); ++k) openInline(wantInline_[k]);
      if (piece.run->kind == post::RunKind::Markup) {
        // Markup kept as typed: the dialect's own goes out as it came, another format's is
        // the writer's text, as a loss.
        if (piece.run->markup != d_.format) losses_.add(Element::Markup);
        out_.append(piece.text);
      } else if (piece.run->picture.empty()) {
        out_.append(piece.text);
      } else {
        picture(*piece.run);
      }
    }
    closeInline(0);
    boldStyles_.clear();
  }

  void picture(const post::Run& run) {
    // A picture of another scheme than the web's is left out, as a loss: it is no text.
    if (!post::isPostAddress(run.picture)) {
      losses_.add(Element::Picture);
      return;
    }
    if (!shows(d_, Element::Picture)) {
      losses_.add(Element::Picture);
      out_ += run.text;
      return;
    }
    // The alternative text is lost where the dialect has none; a picture without one loses
    // nothing.
    if (!run.text.empty() && !shows(d_, Element::PictureText)) losses_.add(Element::PictureText);
    appendAscii(out_, tagOf(d_, Element::Picture).open);
    appendAddress(out_, run.picture, false);
    appendAscii(out_, tagOf(d_, Element::Picture).close);
  }

  static std::uintptr_t key(const Block& b) { return reinterpret_cast<std::uintptr_t>(&b); }

  void push(std::uintptr_t k, const Tag& tag) { push(k, {u16(tag.open), u16(tag.close)}); }
  void push(std::uintptr_t k, std::pair<std::u16string_view, std::u16string_view> tags) {
    want_.push_back({k, tags.first, tags.second});
  }

  // The alignment block of the lines that follow, where the dialect shows it.
  void pushAlign(post::Align align) {
    if (align == post::Align::Justify) {
      if (!d_.justify.open.empty()) push(3, {u16(d_.justify.open), u16(d_.justify.close)});
      return;
    }
    const Element e = align == post::Align::Right ? Element::Right : Element::Centre;
    if (align == post::Align::Centre || align == post::Align::Right) {
      if (shows(d_, e)) {
        const std::uintptr_t k = align == post::Align::Right ? 2 : 1;
        push(k, {u16cached(e, true), u16cached(e, false)});
      }
    }
  }

  static Element alignElement(post::Align align) {
    return align == post::Align::Right     ? Element::Right
           : align == post::Align::Justify ? Element::Justify
                                           : Element::Centre;
  }

  std::u16string_view u16cached(Element e, bool open) {
    std::u16string_view& slot = alignTags_[e == Element::Right][open];
    if (slot.empty()) slot = u16(open ? tagOf(d_, e).open : tagOf(d_, e).close);
    return slot;
  }

  void emptyLine() { beginLine(post::Align::Left); }

  // Starts a line inside the wanted block elements: closes those of the line before that it
  // does not share, ends that line, opens its own. An alignment the dialect cannot show
  // counts once per stretch of lines that carry it.
  void beginLine(post::Align align) {
    losses_.newLine();
    const Element e = alignElement(align);
    const bool aligned = align != post::Align::Left;
    const post::Align dropped = aligned && !writes(d_, e) ? align : post::Align::Left;
    if (dropped != post::Align::Left && dropped != lostAlign_) losses_.add(e);
    lostAlign_ = dropped;
    std::size_t keep = 0;
    while (keep < open_.size() && keep < want_.size() && open_[keep].key == want_[keep].key) {
      ++keep;
    }
    closeTo(keep);
    if (started_) appendAscii(out_, tagOf(d_, Element::LineBreak).open);
    started_ = true;
    for (std::size_t k = keep; k < want_.size(); ++k) {
      out_.append(want_[k].open);
      open_.push_back(want_[k]);
    }
  }

  void closeTo(std::size_t keep) {
    while (open_.size() > keep) {
      out_.append(open_.back().close);
      open_.pop_back();
    }
  }

  // The tags of an inline element: the dialect's own, or its named markup for inline code.
  const Tag& inlineTag(const Open& o) const {
    if (o.element == Element::InlineCode) return d_.inlineCode;
    if (o.element == Element::Spoiler) return d_.inlineSpoiler;
    if (isEmail(o)) return d_.email;
    return tagOf(d_, o.element);
  }

  // A link to a mailbox, where the dialect has its own tag for one.
  bool isEmail(const Open& o) const {
    return o.element == Element::Link && !d_.email.open.empty() && o.value.starts_with(kMailto) &&
           o.value.size() > kMailto.size() &&
           o.value.find_first_of(u"[]") == std::u16string_view::npos;
  }
  static constexpr std::u16string_view kMailto = u"mailto:";

  void openInline(const Open& o) {
    const std::string_view pattern = inlineTag(o).open;
    const std::size_t hole = pattern.find("{}");
    if (hole == std::string_view::npos) {
      appendAscii(out_, pattern);
    } else {
      appendAscii(out_, pattern.substr(0, hole));
      if (o.element == Element::Size) {
        appendAscii(out_, d_.sizes[static_cast<std::size_t>(o.size)]);
      } else if (isEmail(o)) {
        appendAddress(out_, o.value.substr(kMailto.size()), false);
      } else if (o.element == Element::Link) {
        appendAddress(out_, o.value, false);
      } else {
        out_.append(o.value);
      }
      appendAscii(out_, pattern.substr(hole + 2));
    }
    openInline_.push_back(o);
  }

  void closeInline(std::size_t keep) {
    while (openInline_.size() > keep) {
      appendAscii(out_, inlineTag(openInline_.back()).close);
      openInline_.pop_back();
    }
  }

  const NormalText& normal_;
  const Dialect& d_;
  LossCounter& losses_;
  std::u16string out_;
  std::deque<std::u16string> storage_;  // the tags' texts the frames view
  std::deque<Block> codeTables_;        // the tables' code blocks, each at an address of its own
  std::vector<Frame> want_, open_;      // the block elements wanted and written, outermost first
  std::vector<Open> openInline_, wantInline_;
  std::u16string_view alignTags_[2][2] = {};
  post::Align lostAlign_ = post::Align::Left;  // the alignment of the line just counted as dropped
  bool started_ = false;
  bool tables_;                           // a table is written with the dialect's table tags
  std::deque<post::Style> boldStyles_;    // the styles of a header's line, bold added
  std::vector<const Block*> cellBlocks_;  // the cell's blocks of text, textBlocksOf
  std::vector<Piece> trimmed_;            // a line's pieces without the blanks at its end
};

}  // namespace

std::u16string emitBbcode(const post::Model& model, const NormalText& normal, const Dialect& d,
                          bool tables, LossCounter& losses) {
  return BbEmitter(normal, d, tables, losses).run(model);
}

}  // namespace quillmark::formats
