// Writes the run model as CommonMark with GitHub's strike-through: a blank line between
// paragraphs, a backslash hard break between the lines of one, "- " list items and a fenced
// code block for the fixed columns. The writer's text is escaped wherever Markdown would read
// it as syntax, and emphasis delimiters hug the text they wrap (blanks stay outside), as the
// delimiter rules require.
#include <algorithm>
#include <array>
#include <span>
#include <utility>

#include "Emit.h"

namespace quillmark::formats {
namespace {

bool isAsciiAlnum(char16_t c) {
  return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

using post::Block;
using post::BlockKind;

enum class Kind { Empty, Paragraph, Item, Block };

// Where a line stands: the markers that begin each of its lines (a quote's "> ", a list
// item's content indent) and the container that holds it.
struct Context {
  std::u16string prefix;
  std::uintptr_t container = 0;
};

class MdEmitter {
 public:
  MdEmitter(const NormalText& normal, const Dialect& d, bool tables, LossCounter& losses)
      : normal_(normal), d_(d), losses_(losses), tables_(tables) {}

  std::u16string run(const post::Model& model) {
    // The post ends with its last line's text, no line end after it.
    blocks(model.blocks, Context{});
    return std::move(out_);
  }

 private:
  static std::uintptr_t key(const Block& b) { return reinterpret_cast<std::uintptr_t>(&b); }

  void blocks(const std::vector<Block>& list, const Context& ctx) {
    for (std::size_t i = 0; i < list.size(); ++i) {
      block(list[i], ctx);
      // Space below a paragraph: a blank line before the next block, not a hard break.
      if (list[i].spaceAfter && prev_ == Kind::Paragraph) prev_ = Kind::Empty, endBlock();
    }
  }

  void block(const Block& b, const Context& ctx) {
    switch (b.kind) {
      case BlockKind::Paragraph:
        paragraph(b, ctx, Kind::Paragraph, {});
        break;
      case BlockKind::Heading: {
        const int level = std::clamp(b.level, 1, 3);
        countAlignment(b.align, !b.runs.empty());
        startLine(Kind::Block, ctx, std::u16string(static_cast<std::size_t>(level), u'#') + u" ");
        // A heading is one line: its line breaks are blanks.
        bool first = true;
        inHeading_ = true;
        forEachLine(b.runs, [&](const std::vector<Piece>& pieces) {
          if (!first) pendingBlanks_.push_back(u' ');
          first = false;
          inlinePieces(pieces, false);
        });
        inHeading_ = false;
        pendingNewline_ = true;
        prev_ = Kind::Block;
        break;
      }
      case BlockKind::Code:
        code(b, ctx);
        break;
      case BlockKind::Rule:
        startLine(Kind::Block, ctx, u"---");
        pendingNewline_ = true;
        prev_ = Kind::Block;
        break;
      case BlockKind::Quote: {
        Context inner{ctx.prefix + u"> ", key(b)};
        if (b.children.empty()) {
          startLine(Kind::Block, inner, {});
          pendingNewline_ = true;
          prev_ = Kind::Block;
        }
        blocks(b.children, inner);
        break;
      }
      case BlockKind::List:
        list(b, ctx);
        break;
      case BlockKind::Item: {
        Block wrapper;
        wrapper.kind = BlockKind::List;
        wrapper.children.push_back(b);
        list(wrapper, ctx);
        break;
      }
      case BlockKind::Table:
        if (tables_) {
          table(b, ctx);
        } else {
          losses_.add(Element::Table);
          code(tableAsCode(b), ctx);
        }
        break;
      case BlockKind::Row:
      case BlockKind::Cell:
        blocks(b.children, ctx);
        break;
    }
  }

  void list(const Block& b, const Context& ctx) {
    const bool numbered = b.numbering != post::Numbering::Bullet;
    if (numbered && b.numbering != post::Numbering::Decimal) losses_.add(Element::NumberedList);
    long number = std::max(0, b.start);
    // A list numbered from other than 1 cannot interrupt a paragraph: right after an item's
    // text a blank line parts them.
    if (numbered && b.start != 1 && prev_ == Kind::Item && !b.children.empty()) {
      endBlock();
      separate(ctx);
    }
    for (const Block& item : b.children) {
      std::u16string marker;
      if (numbered) {
        appendAscii(marker, std::to_string(number++));
        marker += u". ";
      } else {
        appendAscii(marker, tagOf(d_, Element::ListItem).open);
      }
      Context inner{ctx.prefix + std::u16string(marker.size(), u' '), key(item)};
      if (item.kind != BlockKind::Item || item.children.empty() ||
          item.children.front().kind != BlockKind::Paragraph) {
        startLine(Kind::Item, ctx, marker);
        pendingNewline_ = true;
        prev_ = Kind::Item;
        // The item's first block goes on the line after the marker, no blank line between:
        // an item may begin with one blank line, and after two it would end.
        afterMarker_ = true;
        if (item.kind != BlockKind::Item) {
          block(item, inner);
        } else {
          blocks(item.children, inner);
        }
        continue;
      }
      for (std::size_t i = 0; i < item.children.size(); ++i) {
        if (i == 0) {
          paragraph(item.children[0], ctx, Kind::Item, marker, &inner);
        } else {
          block(item.children[i], inner);
        }
      }
    }
  }

  // A GFM pipe table: its first row is the header row (GFM has no table without one), then
  // the delimiter row with each column's alignment, then the other rows, each with as many
  // cells as the widest row (GFM would drop the cells past the header's). A column takes the
  // alignment of its first cell below the header (of the header's where there is none); a
  // cell aligned otherwise loses its alignment. A cell is one line: its line breaks and
  // paragraph ends are blanks.
  void table(const Block& b, const Context& ctx) {
    std::size_t columns = 0;
    for (const Block& row : b.children) columns = std::max(columns, row.children.size());
    if (b.children.empty() || columns == 0) return;
    std::vector<post::Align> aligns(columns, post::Align::Left);
    std::vector<bool> set(columns, false);
    for (std::size_t r = b.children.size() > 1 ? 1 : 0; r < b.children.size(); ++r) {
      const std::vector<Block>& cells = b.children[r].children;
      for (std::size_t c = 0; c < cells.size(); ++c) {
        if (set[c] || cells[c].children.empty()) continue;
        aligns[c] = cells[c].align == post::Align::Justify ? post::Align::Left : cells[c].align;
        set[c] = true;
      }
    }
    for (std::size_t c = 0; c < columns && b.children.size() > 1; ++c) {
      const std::vector<Block>& head = b.children.front().children;
      if (!set[c] && c < head.size()) aligns[c] = head[c].align;
    }
    endBlock();
    separate(ctx);
    lostAlign_ = post::Align::Left;
    for (std::size_t r = 0; r < b.children.size(); ++r) {
      if (r > 0) out_.push_back(u'\n');
      out_ += ctx.prefix;
      out_.push_back(u'|');
      const std::vector<Block>& cells = b.children[r].children;
      for (std::size_t c = 0; c < columns; ++c) {
        out_.push_back(u' ');
        if (c < cells.size()) cellText(cells[c], aligns[c]);
        out_ += u" |";
      }
      if (r > 0) continue;
      out_.push_back(u'\n');
      out_ += ctx.prefix;
      out_.push_back(u'|');
      for (const post::Align align : aligns) {
        out_ += align == post::Align::Centre  ? u" :---: |"
                : align == post::Align::Right ? u" ---: |"
                                              : u" :--- |";
      }
    }
    pendingNewline_ = true;
    prev_ = Kind::Block;
    container_ = ctx.container;
  }

  void cellText(const Block& cell, post::Align column) {
    const post::Align align = cell.align == post::Align::Justify ? post::Align::Left : cell.align;
    bool first = true;
    textBlocksOf(cell, cellBlocks_);
    for (const Block* paragraph : cellBlocks_) {
      forEachLine(paragraph->runs, [&](const std::vector<Piece>& pieces) {
        if (first && align != column && align != post::Align::Left && !pieces.empty())
          losses_.add(align == post::Align::Centre ? Element::Centre : Element::Right);
        if (!first) pendingBlanks_.push_back(u' ');
        first = false;
        // Nothing a line's start would make syntax can start a cell: "-5" stays as it is.
        atLineStart_ = false;
        numberAtLineStart_ = false;
        inlinePieces(pieces, false);
      });
    }
    pendingBlanks_.clear();
  }

  // A paragraph's lines: one Markdown paragraph with hard breaks, where a paragraph before it
  // in the same container stands against it. A list item's first line carries its marker,
  // its other lines the item's content indent.
  void paragraph(const Block& b, const Context& ctx, Kind kind, std::u16string_view marker,
                 const Context* itemContext = nullptr) {
    bool first = true;
    forEachLine(b.runs, [&](const std::vector<Piece>& pieces) {
      const bool blank = isBlankLine(pieces);
      countAlignment(b.align, !pieces.empty());
      if (kind == Kind::Paragraph && blank) {
        // A line of blanks shows as an empty line: Markdown has no paragraph of blanks.
        endBlock();
        prev_ = Kind::Empty;
        return;
      }
      if (kind == Kind::Item && !first) {
        if (blank) return;
        appendAscii(out_, tagOf(d_, Element::LineBreak).open);
        out_ += itemContext->prefix;
        pendingNewline_ = false;
      } else {
        startLine(kind, ctx, marker);
      }
      first = false;
      inlinePieces(pieces, true);
      pendingNewline_ = true;
      prev_ = kind;
      container_ = ctx.container;
    });
  }

  // Begins the line of a block: a hard break when it continues the paragraph before it, else
  // the end of the line before, a blank line between blocks (none between the items of a
  // list), and the line's markers.
  void startLine(Kind kind, const Context& ctx, std::u16string_view marker) {
    if (kind == Kind::Paragraph && prev_ == Kind::Paragraph && container_ == ctx.container) {
      appendAscii(out_, tagOf(d_, Element::LineBreak).open);
      out_ += ctx.prefix;
      pendingNewline_ = false;
      return;
    }
    endBlock();
    if (!(kind == Kind::Item && prev_ == Kind::Item)) separate(ctx);
    afterMarker_ = false;
    out_ += ctx.prefix;
    out_ += marker;
    container_ = ctx.container;
  }

  bool isBlankLine(const std::vector<Piece>& pieces) const {
    return std::all_of(pieces.begin(), pieces.end(), [](const Piece& p) {
      return p.run->picture.empty() && std::all_of(p.text.begin(), p.text.end(), isSpaceLike);
    });
  }

  void code(const Block& b, const Context& ctx) {
    std::u16string text;
    for (const post::Run& run : b.runs) {
      // The block shows its text in the forum's monospace: its formats are no loss, a link's
      // address is.
      if (!run.style.link.empty()) losses_.add(Element::Link);
      if (run.picture.empty()) text += run.text;
    }
    if (!text.empty() && text.back() == u'\n') text.pop_back();
    // A backtick fence longer than any run of backticks in the block.
    std::size_t longest = 0, backticks = 0;
    for (const char16_t c : text) {
      backticks = c == u'`' ? backticks + 1 : 0;
      longest = std::max(longest, backticks);
    }
    const std::u16string fence(std::max<std::size_t>(3, longest + 1), u'`');
    endBlock();
    separate(ctx);
    out_ += ctx.prefix;
    out_ += fence;
    out_.push_back(u'\n');
    std::u16string_view rest = text;
    while (true) {
      out_ += ctx.prefix;
      const std::size_t nl = rest.find(u'\n');
      appendFixedText(rest.substr(0, nl), out_);
      out_.push_back(u'\n');
      if (nl == std::u16string_view::npos) break;
      rest.remove_prefix(nl + 1);
    }
    out_ += ctx.prefix;
    out_ += fence;
    out_.push_back(u'\n');
    prev_ = Kind::Empty;
  }

  // Markdown shows no alignment; the code block shows none, and loses none.
  void countAlignment(post::Align align, bool hasText) {
    const bool aligned = align == post::Align::Centre || align == post::Align::Right;
    const post::Align a = hasText && aligned ? align : post::Align::Left;
    if (a != post::Align::Left && a != lostAlign_) {
      losses_.add(a == post::Align::Centre ? Element::Centre : Element::Right);
    }
    lostAlign_ = a;
  }

  // Ends the line of text written last.
  void endBlock() {
    if (pendingNewline_) out_.push_back(u'\n');
    pendingNewline_ = false;
  }

  // A blank line between two blocks, inside the quotes both stand in (so a quote that opens
  // after a block outside it starts after a plain blank line); nothing before the first.
  void separate(const Context& ctx) {
    const std::u16string previous = std::exchange(separatedPrefix_, ctx.prefix);
    if (std::exchange(afterMarker_, false) || out_.empty()) return;
    std::u16string_view quotes = ctx.prefix;
    quotes = quotes.substr(
        0, std::mismatch(quotes.begin(), quotes.end(), previous.begin(), previous.end()).first -
               quotes.begin());
    while (!quotes.empty() && quotes.back() == u' ') quotes.remove_suffix(1);
    if (quotes.find(u'>') != std::u16string_view::npos) out_ += quotes;
    out_.push_back(u'\n');
  }

  // One line's runs. Emphasis delimiters must touch the text they wrap, and a delimiter
  // between a letter and a punctuation mark does not count as one (CommonMark's flanking
  // rules), so: blanks go outside the delimiters; a closing delimiter that would stand
  // between a punctuation mark and a letter goes before the marks at the end of the run; an
  // opening one between a letter and a punctuation mark goes after the first mark. The marks
  // moved out lose the element, and the report counts it.
  void inlinePieces(const std::vector<Piece>& pieces, bool wholeLine) {
    if (wholeLine) {
      atLineStart_ = true;
      pendingBlanks_.clear();
    }
    pendingPunct_ = {};
    for (const Piece& piece : pieces) {
      const std::uint32_t r = ++pieceIndex_;
      inlineElements(piece.run->style, normal_, d_, losses_, want_);
      losses_.endRun();
      if (!piece.run->picture.empty()) {
        picture(*piece.run);
        continue;
      }
      const std::u16string_view text = piece.text;
      std::size_t lead = 0;
      while (lead < text.size() && isSpaceLike(text[lead])) ++lead;
      if (lead == text.size()) {  // blanks only: no delimiter moves for them
        appendBlanks(text);
        continue;
      }
      std::size_t trail = text.size();
      while (trail > lead && isSpaceLike(text[trail - 1])) --trail;
      std::u16string_view core = text.substr(lead, trail - lead);

      // Keep open what the run still wants, whatever its order; close the rest.
      std::size_t keep = 0;
      while (keep < open_.size() &&
             std::find(want_.begin(), want_.end(), open_[keep]) != want_.end()) {
        ++keep;
      }
      opens_.clear();
      const auto kept = open_.begin() + static_cast<std::ptrdiff_t>(keep);
      for (const Open& o : want_) {
        if (std::find(open_.begin(), kept, o) == kept) opens_.push_back(o);
      }
      const bool blankBefore = lead > 0 || !pendingBlanks_.empty();
      const std::size_t afterCloses = transition(keep, blankBefore ? u' ' : core[0]);
      appendBlanks(text.substr(0, lead));
      flushBlanks();
      if (!opens_.empty()) {
        if (out_.size() == afterCloses && afterCloses > 0 && !atLineStart_ && !blankBefore) {
          // Closing and opening delimiters would run together ("*a****b*"): read as neither.
          dropOpens();
        } else if (hasEmphasis(opens_) && isWord(previousChar()) && isPunctuation(core[0])) {
          appendEscaped(core.substr(0, 1));
          core.remove_prefix(1);
          for (const Open& o : opens_) {
            if (isEmphasis(o.element)) countMoved(o.element, r);
          }
        }
      }
      if (core.empty()) continue;
      for (const Open& o : opens_) openInline(o);
      std::size_t body = core.size();
      while (body > 0 && isPunctuation(core[body - 1])) --body;
      if (body == 0) body = core.size();
      appendEscaped(core.substr(0, body));
      pendingPunct_ = core.substr(body);
      pendingPunctRun_ = r;
      appendBlanks(text.substr(trail));
    }
    transition(0, u' ');
    pendingBlanks_.clear();  // blanks at the end of a line show nothing
  }

  // A picture: its alternative text escaped, its address encoded as a link's. The elements
  // open around it close before it.
  void picture(const post::Run& run) {
    transition(0, u'!');
    flushBlanks();
    out_ += u"![";
    atLineStart_ = false;
    appendEscaped(run.text);
    out_ += u"](";
    appendAddress(out_, run.picture, true);
    out_.push_back(u')');
  }

  // Closes the open elements past `keep`, with the punctuation held back from the last run
  // inside them, or outside when `next` is a letter. Returns the output size after the
  // closing delimiters.
  std::size_t transition(std::size_t keep, char16_t next) {
    const std::u16string_view punct = std::exchange(pendingPunct_, {});
    if (keep < open_.size() && !punct.empty() && isWord(next) &&
        hasEmphasis(std::span(open_).subspan(keep))) {
      for (std::size_t k = keep; k < open_.size(); ++k)
        countMoved(open_[k].element, pendingPunctRun_);
      closeInline(keep);
      appendEscaped(punct);
      return out_.size();
    }
    appendEscaped(punct);
    if (keep < open_.size()) {
      closeInline(keep);
      flushBlanks();
      return out_.size();
    }
    return std::u16string::npos;
  }

  // Punctuation moved out of an element at both ends of one run counts once.
  void countMoved(Element e, std::uint32_t run) {
    std::uint32_t& last = movedRun_[static_cast<std::size_t>(e)];
    if (last == run + 1) return;
    last = run + 1;
    losses_.add(e);
  }

  void dropOpens() {
    for (const Open& o : opens_) losses_.add(o.element);
    opens_.clear();
  }

  static bool isEmphasis(Element e) {
    return e == Element::Bold || e == Element::Italic || e == Element::Strike;
  }
  static bool hasEmphasis(std::span<const Open> opens) {
    return std::any_of(opens.begin(), opens.end(),
                       [](const Open& o) { return isEmphasis(o.element); });
  }

  char16_t previousChar() const { return atLineStart_ || out_.empty() ? u' ' : out_.back(); }

  // CommonMark's punctuation: ASCII's, and (generously) the Latin-1 and general punctuation
  // and symbol blocks.
  static bool isPunctuation(char16_t c) {
    if (c < 0x80) return isAsciiPunct(c);
    return (c >= 0xA1 && c <= 0xBF && c != 0xAA && c != 0xB5 && c != 0xBA) || c == 0xD7 ||
           c == 0xF7 || (c >= 0x2010 && c <= 0x2BFF) || (c >= 0x3000 && c <= 0x303F) ||
           (c >= 0xFE30 && c <= 0xFE6F) || (c >= 0xFF01 && c <= 0xFF0F);
  }
  static bool isWord(char16_t c) { return !isSpaceLike(c) && !isPunctuation(c); }

  void appendBlanks(std::u16string_view blanks) { pendingBlanks_.append(blanks); }

  void flushBlanks() {
    for (const char16_t c : pendingBlanks_) {
      if (c == u'\r' || c == u'\n') {
        out_.push_back(u' ');
      } else if (atLineStart_) {
        // Blanks would indent the line (four make code); a no-break space shows as one.
        out_.push_back(0xA0);
      } else {
        out_.push_back(c);
      }
    }
    pendingBlanks_.clear();
  }

  void openInline(const Open& o) {
    appendAscii(out_, tagOf(d_, o.element).open);
    open_.push_back(o);
    atLineStart_ = false;
  }

  void closeInline(std::size_t keep) {
    while (open_.size() > keep) {
      const Open& o = open_.back();
      const std::string_view close = tagOf(d_, o.element).close;
      const std::size_t hole = close.find("{}");
      if (hole == std::string_view::npos) {
        appendAscii(out_, close);
      } else {
        appendAscii(out_, close.substr(0, hole));
        appendAddress(out_, o.value, true);
        appendAscii(out_, close.substr(hole + 2));
      }
      open_.pop_back();
    }
  }

  // The writer's text, with a backslash before every character Markdown could read as
  // syntax: anywhere, the emphasis, code, link, HTML and table characters, and an "&" that
  // could begin an entity; at the start of a line also those that begin a heading, quote,
  // list or setext underline, and the "." or ")" after a number there.
  void appendEscaped(std::u16string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
      const char16_t c = text[i];
      bool escape = false;
      switch (c) {
        case u'\\':
        case u'`':
        case u'*':
        case u'_':
        case u'[':
        case u']':
        case u'<':
        case u'~':
        case u'|':
          escape = true;
          break;
        case u'&':
          escape = i + 1 < text.size() && (isAsciiAlnum(text[i + 1]) || text[i + 1] == u'#');
          break;
        case u'#':
          // In a heading a "#" after a blank could begin its closing sequence.
          escape = atLineStart_ ||
                   (inHeading_ && (out_.empty() || out_.back() == u' ' || out_.back() == 0xA0));
          break;
        case u'-':
        case u'+':
        case u'=':
        case u'>':
          escape = atLineStart_;
          break;
        case u'.':
        case u')':
          escape = numberAtLineStart_;
          break;
        default:
          break;
      }
      if (escape) out_.push_back(u'\\');
      out_.push_back(c == u'\r' || c == u'\n' ? u' ' : c);
      const bool digit = c >= u'0' && c <= u'9';
      numberAtLineStart_ = digit && (atLineStart_ || numberAtLineStart_);
      atLineStart_ = false;
    }
  }

  const NormalText& normal_;
  const Dialect& d_;
  LossCounter& losses_;
  std::u16string out_;
  std::uint32_t pieceIndex_ = 0;
  std::uintptr_t container_ = 0;
  std::u16string pendingBlanks_;
  bool afterMarker_ = false;
  bool inHeading_ = false;  // a heading's text is being written          // a list item's marker
                            // was written, its first block not yet
  std::u16string separatedPrefix_;    // the prefix of the block separate() was last called for
  std::u16string_view pendingPunct_;  // the punctuation ending the last run, not yet written
  std::uint32_t pendingPunctRun_ = 0;
  std::array<std::uint32_t, kElementCount> movedRun_{};  // 1 + the run last counted, per element
  std::vector<Open> open_, want_, opens_;
  Kind prev_ = Kind::Empty;
  post::Align lostAlign_ = post::Align::Left;
  bool pendingNewline_ = false;
  bool atLineStart_ = false;
  bool numberAtLineStart_ = false;
  bool tables_;                           // a table is a GFM pipe table
  std::vector<const Block*> cellBlocks_;  // the cell's blocks of text, textBlocksOf
};

}  // namespace

std::u16string emitMarkdown(const post::Model& model, const NormalText& normal, const Dialect& d,
                            bool tables, LossCounter& losses) {
  return MdEmitter(normal, d, tables, losses).run(model);
}

}  // namespace quillmark::formats
