// Writes the run model as CommonMark with GitHub's strike-through: a blank line between
// paragraphs, a backslash hard break between the lines of one, "- " list items and a fenced
// code block for the fixed columns. The writer's text is escaped wherever Markdown would read
// it as syntax, and emphasis delimiters hug the text they wrap (blanks stay outside), as the
// delimiter rules require.
#include <algorithm>
#include <array>
#include <iterator>
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
  // The quotes it stands in, outermost first: each one's block and the prefix's length up to
  // its "> ", so that two quotes apart are told apart.
  std::vector<std::pair<std::uintptr_t, std::size_t>> quotes;
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
    // Two lists of one kind with nothing but empty lines between them would be read as one
    // list: the second takes the other marker ("*" for "-", ")" for "."), which starts a new
    // list, and the third the first marker again.
    Siblings siblings;
    for (std::size_t i = 0; i < list.size(); ++i) {
      const Block& b = list[i];
      sibling(b, siblings);
      block(b, ctx);
      // Space below a paragraph: a blank line before the next block, not a hard break.
      if (list[i].spaceAfter && prev_ == Kind::Paragraph) prev_ = Kind::Empty, endBlock();
    }
  }

  // The lists met so far among a container's blocks, for the markers of the next one.
  struct Siblings {
    const Block* lastList = nullptr;
    bool lastAlternate = false;
  };
  // Sets the markers of `b` when it is a list after a list, empty lines alone between them.
  void sibling(const Block& b, Siblings& s) {
    if (b.kind == BlockKind::List) {
      const bool sameKind =
          s.lastList != nullptr && (s.lastList->numbering == post::Numbering::Bullet) ==
                                       (b.numbering == post::Numbering::Bullet);
      alternateMarker_ = sameKind && !s.lastAlternate;
      followsList_ = s.lastList != nullptr;
      s.lastAlternate = alternateMarker_;
      s.lastList = &b;
    } else if (!(b.kind == BlockKind::Paragraph && b.runs.empty())) {
      s = {};
    }
  }

  void block(const Block& b, const Context& ctx) {
    switch (b.kind) {
      case BlockKind::Paragraph:
        // A paragraph of Markdown's HTML alone, as the editor's document holds a block of it.
        if (b.runs.size() == 1 && b.runs[0].kind == post::RunKind::Markup &&
            b.runs[0].markup == Format::Markdown) {
          markupBlock(b.runs[0].text, ctx);
        } else {
          paragraph(b, ctx, Kind::Paragraph, {});
        }
        break;
      case BlockKind::Heading: {
        const int level = std::clamp(b.level, 1, 6);
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
        Context inner{ctx.prefix + u"> ", key(b), ctx.quotes};
        inner.quotes.emplace_back(key(b), inner.prefix.size());
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
      case BlockKind::Spoiler:
        losses_.add(Element::Spoiler);
        blocks(b.children, ctx);
        break;
      case BlockKind::Markup:
        if (b.runs.size() == 1 && b.runs[0].kind == post::RunKind::Markup &&
            b.runs[0].markup == Format::Markdown) {
          markupBlock(b.runs[0].text, ctx);
        } else {
          paragraph(b, ctx, Kind::Paragraph, {});
        }
        break;
    }
  }

  void list(const Block& b, const Context& ctx) {
    const bool alternate = std::exchange(alternateMarker_, false);
    // A list after a list stands apart by a blank line, whether or not an empty line of the
    // document was between them (Markdown keeps none), so that a post read back and written
    // again is the same post.
    if (std::exchange(followsList_, false) && prev_ == Kind::Item) prev_ = Kind::Empty;
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
        marker += alternate ? u") " : u". ";
      } else if (alternate) {
        marker += u"* ";
      } else {
        appendAscii(marker, tagOf(d_, Element::ListItem).open);
      }
      Context inner{ctx.prefix + std::u16string(marker.size(), u' '), key(item), ctx.quotes};
      // A task box goes after the marker, before the item's text: an item without text of
      // its own shows none.
      const bool boxed = item.task != post::Task::None && !item.children.empty() &&
                         item.children.front().kind == BlockKind::Paragraph &&
                         !item.children.front().runs.empty();
      if (item.task != post::Task::None && !boxed) losses_.add(Element::TaskItem);
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
      Siblings siblings;
      for (std::size_t i = 0; i < item.children.size(); ++i) {
        if (i == 0) {
          const std::u16string box = item.task == post::Task::Done ? u"[x] " : u"[ ] ";
          paragraph(item.children[0], ctx, Kind::Item, boxed ? marker + box : marker, &inner);
        } else {
          sibling(item.children[i], siblings);
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
  // paragraph ends are blanks. The header row shows bold, and its centring is the header's
  // own look (headerAlign): neither is written.
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
      if (!set[c] && c < head.size()) aligns[c] = headerAlign(head[c].align);
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
        if (c < cells.size()) cellText(cells[c], aligns[c], r == 0);
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

  void cellText(const Block& cell, post::Align column, bool header) {
    const post::Align align = cell.align == post::Align::Justify ? post::Align::Left
                              : header                           ? headerAlign(cell.align)
                                                                 : cell.align;
    headerCell_ = header;
    inCell_ = true;
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
    headerCell_ = false;
    inCell_ = false;
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
    // The language follows the opening fence, one word; a backtick would end the fence.
    const bool language =
        !b.label.empty() && b.label.find_first_of(u"` \t\r\n") == std::u16string::npos;
    if (!b.label.empty() && !language) losses_.add(Element::CodeLanguage);
    endBlock();
    separate(ctx);
    out_ += ctx.prefix;
    out_ += fence;
    if (language) appendInfo(b.label);
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

  // Markdown's own block of HTML, as typed, a line of the post a line of it; a blank line
  // after it ends it.
  void markupBlock(std::u16string_view text, const Context& ctx) {
    endBlock();
    separate(ctx);
    std::u16string_view rest = text;
    while (true) {
      out_ += ctx.prefix;
      const std::size_t nl = rest.find(u'\n');
      out_ += rest.substr(0, nl);
      if (nl == std::u16string_view::npos) break;
      out_.push_back(u'\n');
      rest.remove_prefix(nl + 1);
    }
    pendingNewline_ = true;
    prev_ = Kind::Block;
    container_ = ctx.container;
  }

  // A code block's language: backslash escapes and entities are read in it, so its
  // punctuation is escaped.
  void appendInfo(std::u16string_view label) {
    for (const char16_t c : label) {
      if (isAsciiPunct(c)) out_.push_back(u'\\');
      out_.push_back(c);
    }
  }

  // Markdown shows no alignment; the code block shows none, and loses none.
  void countAlignment(post::Align align, bool hasText) {
    const post::Align a = hasText ? align : post::Align::Left;
    if (a != post::Align::Left && a != lostAlign_) {
      losses_.add(a == post::Align::Centre  ? Element::Centre
                  : a == post::Align::Right ? Element::Right
                                            : Element::Justify);
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
    const auto previousQuotes = std::exchange(separatedQuotes_, ctx.quotes);
    if (std::exchange(afterMarker_, false) || out_.empty()) return;
    std::u16string_view quotes = ctx.prefix;
    quotes = quotes.substr(
        0, std::mismatch(quotes.begin(), quotes.end(), previous.begin(), previous.end()).first -
               quotes.begin());
    // Only the quotes both blocks stand in continue over the blank line: a quote that ends
    // before another begins is apart from it.
    std::size_t shared = 0, common = 0;
    while (shared < ctx.quotes.size() && shared < previousQuotes.size() &&
           ctx.quotes[shared].first == previousQuotes[shared].first) {
      common = ctx.quotes[shared++].second;
    }
    if (shared < ctx.quotes.size()) quotes = quotes.substr(0, std::min(quotes.size(), common));
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
    for (std::size_t i = 0; i < pieces.size(); ++i) {
      const Piece& piece = pieces[i];
      const std::uint32_t r = ++pieceIndex_;
      inlineElements(piece.run->style, normal_, d_, losses_, want_);
      if (headerCell_) {
        std::erase_if(want_, [](const Open& o) { return o.element == Element::Bold; });
      }
      losses_.endRun();
      if (!piece.run->picture.empty()) {
        picture(*piece.run);
        continue;
      }
      if (piece.run->kind == post::RunKind::Markup) {
        markupRun(*piece.run, piece.text);
        continue;
      }
      if (!want_.empty() && want_.back().element == Element::InlineCode) {
        want_.pop_back();
        codeSpan(piece.text, i + 1 < pieces.size() ? &pieces[i + 1] : nullptr);
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

      const std::size_t keep = keepOpen();
      const bool blankBefore = lead > 0 || !pendingBlanks_.empty();
      const std::size_t afterCloses = transition(keep, blankBefore ? u' ' : core[0]);
      appendBlanks(text.substr(0, lead));
      flushBlanks();
      if (!opens_.empty()) {
        if (runTogether(afterCloses) && !blankBefore) {
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

  // Keeps open what the run still wants, whatever its order (returns how many), and lists in
  // opens_ what it wants besides.
  std::size_t keepOpen() {
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
    return keep;
  }

  // Whether emphasis would open right where emphasis closed ("*a****b*"), which reads as
  // neither.
  bool runTogether(std::size_t afterCloses) const {
    return out_.size() == afterCloses && afterCloses > 0 && !atLineStart_ && closedEmphasis_ &&
           isEmphasis(opens_.front().element);
  }

  // Inline code: a code span, its text literal between fences of backticks. Emphasis cannot
  // open between a letter and the fence, nor close between the fence and a letter: there it
  // is left off the span, as a loss.
  void codeSpan(std::u16string_view text, const Piece* next) {
    const bool blankBefore = !pendingBlanks_.empty() || !pendingPunct_.empty();
    const bool wordAfter = next != nullptr && next->run->picture.empty() && !next->text.empty() &&
                           !(next->run->style.flags & post::kCode) && isWord(next->text[0]);
    std::erase_if(want_, [&](const Open& o) {
      if (!isEmphasis(o.element)) return false;
      const bool isOpen = std::find(open_.begin(), open_.end(), o) != open_.end();
      const bool opening = !isOpen && !blankBefore && isWord(previousChar());
      const bool closing = wordAfter && !(next->run->style.flags & flagOf(o.element));
      if (opening || closing) losses_.add(o.element);
      return opening || closing;
    });
    const std::size_t keep = keepOpen();
    const std::size_t afterCloses = transition(keep, u'`');
    flushBlanks();
    if (!opens_.empty() && runTogether(afterCloses)) dropOpens();
    for (const Open& o : opens_) openInline(o);
    std::u16string content;
    for (const char16_t c : text) {
      // In a table's cell a "|" ends the cell, even inside code, unless escaped.
      if (c == u'|' && inCell_) content.push_back(u'\\');
      content.push_back(c == u'\r' ? u' ' : c);
    }
    // The shortest fence no run of backticks inside is as long as.
    std::vector<bool> taken(content.size() + 2, false);
    for (std::size_t k = 0; k < content.size();) {
      std::size_t n = 0;
      while (k + n < content.size() && content[k + n] == u'`') ++n;
      if (n > 0) taken[n] = true;
      k += std::max<std::size_t>(n, 1);
    }
    std::size_t length = 1;
    while (taken[length]) ++length;
    const std::u16string fence(length, u'`');
    // A blank inside each fence where the text begins or ends with a backtick, or with a
    // blank at both ends (one of each would be taken off).
    const bool allBlank =
        std::all_of(content.begin(), content.end(), [](char16_t c) { return c == u' '; });
    const bool pad = content.front() == u'`' || content.back() == u'`' ||
                     (content.front() == u' ' && content.back() == u' ' && !allBlank);
    out_ += fence;
    if (pad) out_.push_back(u' ');
    out_ += content;
    if (pad) out_.push_back(u' ');
    out_ += fence;
    atLineStart_ = false;
    numberAtLineStart_ = false;
  }

  // Markup kept as typed: Markdown's own HTML goes out as it is, outside the elements open
  // around it (at a line's start, where it could begin a block of HTML, it is escaped text);
  // another format's is the writer's text, as a loss.
  void markupRun(const post::Run& run, std::u16string_view text) {
    const bool own = run.markup == Format::Markdown;
    if (!own) losses_.add(Element::Markup);
    want_.clear();
    transition(0, text.empty() ? u' ' : text[0]);
    flushBlanks();
    if (own && !atLineStart_) {
      out_ += text;
    } else {
      appendEscaped(text);
    }
    atLineStart_ = false;
    numberAtLineStart_ = false;
  }

  static std::uint8_t flagOf(Element e) {
    return e == Element::Bold ? post::kBold : e == Element::Italic ? post::kItalic : post::kStrike;
  }

  // A picture: its alternative text escaped, its address encoded as a link's; inside its
  // link, where it has one. The other elements open around it close before it. One of
  // another scheme than the web's (or a relative address) is left out, as a loss: it is no
  // text.
  void picture(const post::Run& run) {
    if (!post::isPostAddress(run.picture, true)) {
      losses_.add(Element::Picture);
      return;
    }
    std::erase_if(want_, [](const Open& o) { return o.element != Element::Link; });
    const std::size_t keep = keepOpen();
    transition(keep, u'!');
    flushBlanks();
    for (const Open& o : opens_) openInline(o);
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

  // Emphasis that would run together with the emphasis just closed is dropped, as a loss.
  void dropOpens() {
    std::erase_if(opens_, [&](const Open& o) {
      if (isEmphasis(o.element)) losses_.add(o.element);
      return isEmphasis(o.element);
    });
  }

  static bool isEmphasis(Element e) {
    return e == Element::Bold || e == Element::Italic || e == Element::Strike;
  }
  static bool hasEmphasis(std::span<const Open> opens) {
    return std::any_of(opens.begin(), opens.end(),
                       [](const Open& o) { return isEmphasis(o.element); });
  }

  char16_t previousChar() const { return atLineStart_ || out_.empty() ? u' ' : out_.back(); }

  // Punctuation as cmark-gfm reads it for the flanking rules: ASCII's, and above it the
  // characters of Unicode's punctuation categories its tables hold (read off the library
  // Debian ships: a symbol such as "®" or "⚽" is no punctuation to it, so an emphasis
  // delimiter beside one must be placed as beside a letter).
  static bool isPunctuation(char16_t c) {
    if (c < 0x80) return isAsciiPunct(c);
    struct Range {
      char16_t first, last;
    };
    // clang-format off
    static constexpr Range kPunctuation[] = {
      {0x00A1, 0x00A1}, {0x00A7, 0x00A7}, {0x00AB, 0x00AB}, {0x00B6, 0x00B7},
      {0x00BB, 0x00BB}, {0x00BF, 0x00BF}, {0x037E, 0x037E}, {0x0387, 0x0387},
      {0x055A, 0x055F}, {0x0589, 0x058A}, {0x05BE, 0x05BE}, {0x05C0, 0x05C0},
      {0x05C3, 0x05C3}, {0x05C6, 0x05C6}, {0x05F3, 0x05F4}, {0x0609, 0x060A},
      {0x060C, 0x060D}, {0x061B, 0x061B}, {0x061E, 0x061F}, {0x066A, 0x066D},
      {0x06D4, 0x06D4}, {0x0700, 0x070D}, {0x07F7, 0x07F9}, {0x0830, 0x083E},
      {0x085E, 0x085E}, {0x0964, 0x0965}, {0x0970, 0x0970}, {0x0AF0, 0x0AF0},
      {0x0DF4, 0x0DF4}, {0x0E4F, 0x0E4F}, {0x0E5A, 0x0E5B}, {0x0F04, 0x0F12},
      {0x0F14, 0x0F14}, {0x0F3A, 0x0F3D}, {0x0F85, 0x0F85}, {0x0FD0, 0x0FD4},
      {0x0FD9, 0x0FDA}, {0x104A, 0x104F}, {0x10FB, 0x10FB}, {0x1360, 0x1368},
      {0x1400, 0x1400}, {0x166D, 0x166E}, {0x169B, 0x169C}, {0x16EB, 0x16ED},
      {0x1735, 0x1736}, {0x17D4, 0x17D6}, {0x17D8, 0x17DA}, {0x1800, 0x180A},
      {0x1944, 0x1945}, {0x1A1E, 0x1A1F}, {0x1AA0, 0x1AA6}, {0x1AA8, 0x1AAD},
      {0x1B5A, 0x1B60}, {0x1BFC, 0x1BFF}, {0x1C3B, 0x1C3F}, {0x1C7E, 0x1C7F},
      {0x1CC0, 0x1CC7}, {0x1CD3, 0x1CD3}, {0x2010, 0x2027}, {0x2030, 0x2043},
      {0x2045, 0x2051}, {0x2053, 0x205E}, {0x207D, 0x207E}, {0x208D, 0x208E},
      {0x2308, 0x230B}, {0x2329, 0x232A}, {0x2768, 0x2775}, {0x27C5, 0x27C6},
      {0x27E6, 0x27EF}, {0x2983, 0x2998}, {0x29D8, 0x29DB}, {0x29FC, 0x29FD},
      {0x2CF9, 0x2CFC}, {0x2CFE, 0x2CFF}, {0x2D70, 0x2D70}, {0x2E00, 0x2E2E},
      {0x2E30, 0x2E42}, {0x3001, 0x3003}, {0x3008, 0x3011}, {0x3014, 0x301F},
      {0x3030, 0x3030}, {0x303D, 0x303D}, {0x30A0, 0x30A0}, {0x30FB, 0x30FB},
      {0xA4FE, 0xA4FF}, {0xA60D, 0xA60F}, {0xA673, 0xA673}, {0xA67E, 0xA67E},
      {0xA6F2, 0xA6F7}, {0xA874, 0xA877}, {0xA8CE, 0xA8CF}, {0xA8F8, 0xA8FA},
      {0xA92E, 0xA92F}, {0xA95F, 0xA95F}, {0xA9C1, 0xA9CD}, {0xA9DE, 0xA9DF},
      {0xAA5C, 0xAA5F}, {0xAADE, 0xAADF}, {0xAAF0, 0xAAF1}, {0xABEB, 0xABEB},
      {0xFD3E, 0xFD3F}, {0xFE10, 0xFE19}, {0xFE30, 0xFE52}, {0xFE54, 0xFE61},
      {0xFE63, 0xFE63}, {0xFE68, 0xFE68}, {0xFE6A, 0xFE6B}, {0xFF01, 0xFF03},
      {0xFF05, 0xFF0A}, {0xFF0C, 0xFF0F}, {0xFF1A, 0xFF1B}, {0xFF1F, 0xFF20},
      {0xFF3B, 0xFF3D}, {0xFF3F, 0xFF3F}, {0xFF5B, 0xFF5B}, {0xFF5D, 0xFF5D},
      {0xFF5F, 0xFF65},
    };
    // clang-format on
    const auto* it = std::upper_bound(std::begin(kPunctuation), std::end(kPunctuation), c,
                                      [](char16_t ch, const Range& r) { return ch < r.first; });
    return it != std::begin(kPunctuation) && c <= std::prev(it)->last;
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
    // A "!" of the writer's right before a link would make it a picture.
    if (o.element == Element::Link && !out_.empty() && out_.back() == u'!') {
      std::size_t slashes = 0;
      while (slashes + 1 < out_.size() && out_[out_.size() - 2 - slashes] == u'\\') ++slashes;
      if (slashes % 2 == 0) out_.insert(out_.size() - 1, 1, u'\\');
    }
    appendAscii(out_, tagOf(d_, o.element).open);
    open_.push_back(o);
    atLineStart_ = false;
  }

  void closeInline(std::size_t keep) {
    while (open_.size() > keep) {
      const Open& o = open_.back();
      const std::string_view close = tagOf(d_, o.element).close;
      const std::size_t hole = close.find("{}");
      closedEmphasis_ = isEmphasis(o.element);
      if (hole == std::string_view::npos) {
        appendAscii(out_, close);
      } else {
        appendAscii(out_, close.substr(0, hole));
        appendAddress(out_, o.value, true);
        if (!o.title.empty()) {
          // The title in double quotes, its punctuation escaped, on the link's line.
          out_ += u" \"";
          for (const char16_t c : o.title) {
            if (isAsciiPunct(c)) out_.push_back(u'\\');
            out_.push_back(c == u'\r' || c == u'\n' ? u' ' : c);
          }
          out_.push_back(u'"');
        }
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
  bool alternateMarker_ = false;  // the next list takes the other marker
  bool followsList_ = false;      // the next list comes right after a list
  bool inHeading_ = false;  // a heading's text is being written          // a list item's marker
                            // was written, its first block not yet
  std::u16string separatedPrefix_;  // the prefix of the block separate() was last called for
  std::vector<std::pair<std::uintptr_t, std::size_t>> separatedQuotes_;  // and its quotes
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
  bool headerCell_ = false;               // the text is a header cell's, which shows bold
  bool inCell_ = false;                   // the text is a table cell's
  bool closedEmphasis_ = false;           // the element closed last is emphasis
  std::vector<const Block*> cellBlocks_;  // the cell's blocks of text, textBlocksOf
};

}  // namespace

std::u16string emitMarkdown(const post::Model& model, const NormalText& normal, const Dialect& d,
                            bool tables, LossCounter& losses) {
  return MdEmitter(normal, d, tables, losses).run(model);
}

}  // namespace quillmark::formats
