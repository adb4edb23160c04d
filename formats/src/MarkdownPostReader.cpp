// Reads a Markdown post back into the post model through cmark-gfm's tree, with GitHub's
// tables, strike-through and task items: paragraphs (a blank line after one is space below
// it), headings 1 to 6, emphasis, strong emphasis and strike-through, code spans as inline
// code, code blocks with their language, quotes, lists with their numbering and start, task
// boxes, rules, links with their titles, pictures with their text, hard breaks as line
// breaks and soft ones as the blank a reader sees, and pipe tables with their header row and
// alignment. Raw HTML is markup kept as typed, a block of its own or a run.
//
// The tree is walked with cmark's iterator, never recursively; quotes and lists deeper than
// the model's limits are flattened into the innermost one kept.
#include <cmark-gfm-core-extensions.h>
#include <cmark-gfm.h>

#include <algorithm>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "Emit.h"
#include "PostReaders.h"
#include "quillmark/convert.h"

namespace quillmark::formats {
namespace {

using post::Align;
using post::Block;
using post::BlockKind;

bool typeIs(cmark_node* node, const char* name) {
  return std::string_view(cmark_node_get_type_string(node)) == name;
}

std::u16string literalOf(cmark_node* node) {
  const char* text = cmark_node_get_literal(node);
  return text == nullptr ? std::u16string() : fromUtf8(text);
}

std::u16string literalOr(const char* text) {
  return text == nullptr ? std::u16string() : fromUtf8(text);
}

class Reader {
 public:
  explicit Reader(std::size_t size) : size_(size) {
    root_.kind = BlockKind::Quote;
    open_.push_back({&root_, nullptr});
  }

  post::Model run(cmark_node* doc) {
    std::unique_ptr<cmark_iter, decltype(&cmark_iter_free)> iter(cmark_iter_new(doc),
                                                                 cmark_iter_free);
    for (cmark_event_type ev; (ev = cmark_iter_next(iter.get())) != CMARK_EVENT_DONE;) {
      cmark_node* node = cmark_iter_get_node(iter.get());
      if (node == doc) continue;
      if (ev == CMARK_EVENT_ENTER) {
        enter(node);
      } else if (ev == CMARK_EVENT_EXIT) {
        exit(node);
      }
    }
    post::Model model;
    model.blocks = std::move(root_.children);
    return model;
  }

 private:
  // An open container and the node that opened it (nullptr where a node was flattened).
  struct Open {
    Block* block;
    cmark_node* node;
  };

  Block& inner() { return *open_.back().block; }

  int count(BlockKind kind) const {
    return static_cast<int>(std::count_if(open_.begin() + 1, open_.end(),
                                          [&](const Open& o) { return o.block->kind == kind; }));
  }

  Block& child(BlockKind kind) {
    Block& b = inner().children.emplace_back();
    b.kind = kind;
    return b;
  }

  void push(Block& b, cmark_node* node) { open_.push_back({&b, node}); }

  // A block begins in the innermost container. A paragraph after a paragraph stands apart
  // from it by a blank line: space below the first (without it they would be one paragraph).
  // A heading stands apart from whatever follows it, as every Markdown renderer shows it, so
  // that a forum without headings shows the space too.
  Block& beginBlock(BlockKind kind) {
    std::vector<Block>& siblings = inner().children;
    if (inner().kind != BlockKind::Item && !siblings.empty()) {
      Block& previous = siblings.back();
      if ((kind == BlockKind::Paragraph && previous.kind == BlockKind::Paragraph) ||
          previous.kind == BlockKind::Heading) {
        previous.spaceAfter = true;
      }
    }
    return child(kind);
  }

  // The block text goes to: the paragraph or heading open, else a paragraph made for it
  // (text right in a table's row or a list).
  Block& textBlock() {
    if (text_ != nullptr) return *text_;
    text_ = &beginBlock(BlockKind::Paragraph);
    return *text_;
  }

  void appendText(std::u16string_view s) {
    if (s.empty()) return;
    if (image_ > 0) {
      alt_.append(s);
      return;
    }
    std::vector<post::Run>& runs = textBlock().runs;
    const post::Style style = spend(runs, currentStyle());
    if (!runs.empty() && runs.back().isText() && runs.back().style == style) {
      runs.back().text.append(s);
    } else {
      runs.push_back({std::u16string(s), style, {}});
    }
  }

  // One text for every link to the same address (a reference used many times).
  post::SharedText shared(std::u16string_view text) { return shared_.share(text); }

  // A post writes a link's address again on every line of its text and for every link: what
  // it would write again is counted against a budget of a few times the text, and past it
  // the text keeps its words without the address.
  post::Style spend(const std::vector<post::Run>& runs, post::Style style) {
    if (style.link.empty()) return style;
    const bool lineStart =
        runs.empty() || runs.back().text.empty() || runs.back().text.back() == u'\n';
    if (!lineStart && runs.back().style.link.identity() == style.link.identity()) return style;
    constexpr std::size_t kMarks = 8;  // the brackets and parentheses around it
    const std::size_t cost = style.link.size() + style.title.size() + kMarks;
    if (repeated_ + cost <= kRepeatFactor * size_ + kRepeatFree) {
      repeated_ += cost;
    } else {
      style.link.clear();
      style.title.clear();
    }
    return style;
  }

  post::Style currentStyle() const {
    post::Style s;
    if (strong_ > 0) s.flags |= post::kBold;
    if (emph_ > 0) s.flags |= post::kItalic;
    if (strike_ > 0) s.flags |= post::kStrike;
    if (code_) s.flags |= post::kCode;
    if (!links_.empty()) {
      s.link = links_.back().address;
      if (!s.link.empty()) s.title = links_.back().title;
    }
    return s;
  }

  // Blanks and line breaks at the end of a paragraph show nothing, and Markdown keeps none.
  static void trimEnd(Block& b) {
    while (!b.runs.empty() && b.runs.back().isText()) {
      std::u16string& text = b.runs.back().text;
      while (!text.empty() && isSpaceLike(text.back())) text.pop_back();
      if (!text.empty()) break;
      b.runs.pop_back();
    }
  }

  static bool isBlankParagraph(const Block& b) {
    return std::all_of(b.runs.begin(), b.runs.end(), [](const post::Run& r) {
      return r.isText() && std::all_of(r.text.begin(), r.text.end(), isSpaceLike);
    });
  }

  void enter(cmark_node* node) {
    switch (cmark_node_get_type(node)) {
      case CMARK_NODE_PARAGRAPH:
        // A table cell's or a heading's text goes to it; a paragraph in a list item that
        // holds no paragraph yet is the item's first.
        text_ = &beginBlock(BlockKind::Paragraph);
        return;
      case CMARK_NODE_HEADING: {
        Block& h = beginBlock(BlockKind::Heading);
        h.level = std::clamp(cmark_node_get_heading_level(node), 1, 6);
        text_ = &h;
        return;
      }
      case CMARK_NODE_BLOCK_QUOTE:
        text_ = nullptr;
        if (count(BlockKind::Quote) < post::Builder::kMaxQuoteDepth) {
          push(beginBlock(BlockKind::Quote), node);
        }
        return;
      case CMARK_NODE_LIST:
        text_ = nullptr;
        if (count(BlockKind::List) < post::Builder::kMaxListLevel) {
          const bool ordered = cmark_node_get_list_type(node) == CMARK_ORDERED_LIST;
          const post::Numbering numbering =
              ordered ? post::Numbering::Decimal : post::Numbering::Bullet;
          // A list right after one of its kind ("1." after "2)", "*" after "-") is a list
          // of its own, as the writer marks the second of two lists with the other marker.
          Block& list = beginBlock(BlockKind::List);
          list.numbering = numbering;
          if (ordered) list.start = std::max(0, cmark_node_get_list_start(node));
          push(list, node);
        }
        return;
      case CMARK_NODE_ITEM:
        text_ = nullptr;
        // A flattened list's items go to the innermost list kept.
        while (open_.size() > 1 && inner().kind != BlockKind::List) open_.pop_back();
        if (inner().kind == BlockKind::List) {
          Block& item = child(BlockKind::Item);
          if (typeIs(node, "tasklist")) {
            item.task = cmark_gfm_extensions_get_tasklist_item_checked(node) ? post::Task::Done
                                                                             : post::Task::Open;
          }
          push(item, node);
        }
        return;
      case CMARK_NODE_CODE_BLOCK: {
        text_ = nullptr;
        Block& code = beginBlock(BlockKind::Code);
        // The fence's info string: its first word is the language.
        const char* info = cmark_node_get_fence_info(node);
        code.label = fromUtf8(info == nullptr ? "" : info);
        code.label.erase(std::min(code.label.find_first_of(u" \t"), code.label.size()));
        std::u16string text = literalOf(node);
        if (!text.empty()) code.runs.push_back({std::move(text), {}, {}});
        return;
      }
      case CMARK_NODE_HTML_BLOCK: {
        // Raw HTML is markup, kept as typed to be written back.
        std::u16string text = literalOf(node);
        while (!text.empty() && (text.back() == u'\n' || isSpaceLike(text.back()))) {
          text.pop_back();
        }
        text_ = nullptr;
        if (text.empty()) return;
        beginBlock(BlockKind::Markup).runs.push_back(post::Run::ofMarkup(text, Format::Markdown));
        return;
      }
      case CMARK_NODE_THEMATIC_BREAK:
        text_ = nullptr;
        beginBlock(BlockKind::Rule);
        return;
      case CMARK_NODE_TEXT: {
        // A line end in the text ("&#10;") shows as the blank a browser makes of it.
        std::u16string text = literalOf(node);
        std::replace_if(
            text.begin(), text.end(), [](char16_t c) { return c == u'\n' || c == u'\r'; }, u' ');
        appendText(text);
        return;
      }
      case CMARK_NODE_HTML_INLINE: {
        // A tag inside a line: markup, on one line (its line ends are blanks to HTML).
        std::u16string text = literalOf(node);
        std::replace_if(
            text.begin(), text.end(), [](char16_t c) { return c == u'\n' || c == u'\r'; }, u' ');
        if (image_ > 0) {
          alt_.append(text);
          return;
        }
        std::vector<post::Run>& runs = textBlock().runs;
        if (!runs.empty() && runs.back().kind == post::RunKind::Markup) {
          runs.back().text.append(text);
        } else {
          runs.push_back(post::Run::ofMarkup(text, Format::Markdown));
        }
        return;
      }
      case CMARK_NODE_CODE:
        code_ = true;
        appendText(literalOf(node));
        code_ = false;
        return;
      case CMARK_NODE_SOFTBREAK:
        appendText(u" ");
        return;
      case CMARK_NODE_LINEBREAK:
        // A heading is one line: a break in it is a blank.
        appendText(text_ != nullptr && text_->kind == BlockKind::Heading ? u" " : u"\n");
        return;
      case CMARK_NODE_EMPH:
        ++emph_;
        return;
      case CMARK_NODE_STRONG:
        ++strong_;
        return;
      case CMARK_NODE_LINK:
        links_.push_back({shared(literalOr(cmark_node_get_url(node))),
                          shared(literalOr(cmark_node_get_title(node)))});
        // A link to no address goes nowhere: it is the text typed.
        if (links_.back().address.empty()) appendText(u"[");
        return;
      case CMARK_NODE_IMAGE:
        if (image_++ == 0) alt_.clear();
        return;
      default:
        break;
    }
    if (typeIs(node, "strikethrough")) {
      ++strike_;
    } else if (typeIs(node, "table")) {
      text_ = nullptr;
      Block& table = beginBlock(BlockKind::Table);
      push(table, node);
      alignments_ = cmark_gfm_extensions_get_table_alignments(node);
      columns_ = cmark_gfm_extensions_get_table_columns(node);
    } else if (typeIs(node, "table_header") || typeIs(node, "table_row")) {
      header_ = cmark_gfm_extensions_get_table_row_is_header(node) != 0;
      column_ = 0;
      if (inner().kind == BlockKind::Table) push(child(BlockKind::Row), node);
    } else if (typeIs(node, "table_cell")) {
      if (inner().kind != BlockKind::Row) return;
      Block& cell = child(BlockKind::Cell);
      cell.header = header_;
      if (alignments_ != nullptr && column_ < columns_) {
        switch (alignments_[column_]) {
          case 'c':
            cell.align = Align::Centre;
            break;
          case 'r':
            cell.align = Align::Right;
            break;
          default:
            break;
        }
      }
      ++column_;
      push(cell, node);
      text_ = nullptr;
    }
  }

  void exit(cmark_node* node) {
    switch (cmark_node_get_type(node)) {
      case CMARK_NODE_PARAGRAPH:
        if (text_ != nullptr) trimEnd(*text_);
        // A paragraph of blanks (no-break spaces, say) shows as nothing: Markdown has none.
        if (text_ != nullptr && isBlankParagraph(*text_) && !inner().children.empty() &&
            &inner().children.back() == text_) {
          inner().children.pop_back();
          if (!inner().children.empty()) inner().children.back().spaceAfter = false;
        }
        text_ = nullptr;
        return;
      case CMARK_NODE_HEADING:
        if (text_ != nullptr) trimEnd(*text_);
        text_ = nullptr;
        return;
      case CMARK_NODE_EMPH:
        --emph_;
        return;
      case CMARK_NODE_STRONG:
        --strong_;
        return;
      case CMARK_NODE_LINK:
        if (links_.back().address.empty()) appendText(u"]()");
        links_.pop_back();
        return;
      case CMARK_NODE_IMAGE:
        if (--image_ == 0) {
          textBlock().runs.push_back(
              post::Run::ofPicture(fromUtf8(cmark_node_get_url(node)), alt_, currentStyle()));
        }
        return;
      default:
        break;
    }
    if (typeIs(node, "strikethrough")) {
      --strike_;
      return;
    }
    // A container ends: pop what it opened (and what a flattened one inside it left open).
    // An empty quote shows nothing, and beside another quote it would join it.
    for (std::size_t k = open_.size(); k-- > 1;) {
      if (open_[k].node == node) {
        const Block* closed = open_[k].block;
        open_.resize(k);
        if (closed->kind == BlockKind::Quote && closed->children.empty() &&
            !inner().children.empty() && &inner().children.back() == closed) {
          inner().children.pop_back();
        }
        text_ = nullptr;
        break;
      }
    }
  }

  Block root_;
  std::vector<Open> open_;
  Block* text_ = nullptr;  // the paragraph, heading or cell text goes to
  int emph_ = 0, strong_ = 0, strike_ = 0, image_ = 0;
  bool code_ = false;  // a code span's text
  // Each link's address and title, stored once for its runs.
  struct Link {
    post::SharedText address, title;
  };
  std::vector<Link> links_;
  post::SharedTexts shared_;
  std::size_t size_ = 0;      // of the text read
  std::size_t repeated_ = 0;  // what the post writes again of the addresses, so far
  static constexpr std::size_t kRepeatFactor = 4;
  static constexpr std::size_t kRepeatFree = 65'536;
  std::u16string alt_;  // the picture's text, read from its children
  // The table being read: each column's alignment ('l', 'c', 'r' or 0), the row's kind.
  const std::uint8_t* alignments_ = nullptr;
  std::uint16_t columns_ = 0, column_ = 0;
  bool header_ = false;
};

}  // namespace

post::Model readMarkdown(std::u16string_view text) {
  cmark_gfm_core_extensions_ensure_registered();
  std::unique_ptr<cmark_parser, decltype(&cmark_parser_free)> parser(
      cmark_parser_new(CMARK_OPT_DEFAULT), cmark_parser_free);
  for (const char* name : {"table", "strikethrough", "tasklist"}) {
    if (cmark_syntax_extension* ext = cmark_find_syntax_extension(name)) {
      cmark_parser_attach_syntax_extension(parser.get(), ext);
    }
  }
  const std::string utf8 = boundedMarkdown(encodeUtf8(text));
  cmark_parser_feed(parser.get(), utf8.data(), utf8.size());
  std::unique_ptr<cmark_node, decltype(&cmark_node_free)> doc(cmark_parser_finish(parser.get()),
                                                              cmark_node_free);
  return Reader(text.size()).run(doc.get());
}

}  // namespace quillmark::formats
