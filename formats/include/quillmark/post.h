// The post model: what a post says, before any forum's markup. A tree of blocks (paragraphs,
// headings, code blocks, rules, quotes, spoilers, lists of items, tables of rows of cells)
// whose leaves hold runs of text, each run with its character formats, colour, size, face and
// link, and pictures. Every format but html is written from it (quillmark/formats.h),
// whichever road the post came by: the editor's document (a Qt adapter walks the
// QTextDocument), a forum post read back (quillmark/formats.h's readPost), or the engine's
// fragment.
//
// The model holds the writer's text as plain text: "<b>" typed into a paragraph is three
// characters, never formatting, and no character is replaced. A line break inside a block is
// '\n' in a run's text; a tab is '\t'. Markup of one format that the model has no element for
// (phpBB's [attachment], Markdown's inline HTML) is a run of its own kind, kept as typed, so
// that the post written back in that format carries it as it was.
//
// The kernel: Walk is the one way round a model (enter and exit, as cmark's iterator, no
// recursion); Tree is the one way to build one (a stack of open containers, the depth limits,
// runs of one style merged, texts shared); check says whether a model holds only what each
// kind may hold. Builder, on Tree, makes a model from a flat walk of paragraphs as a document
// holds them. Qt-free, like the engine.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "quillmark/format.h"

namespace quillmark::post {

// A text stored once however many runs share it (an address, a face, a colour): copying a
// style copies a pointer, not the characters. Made from a view, a string or a literal.
class SharedText {
 public:
  SharedText() = default;
  SharedText(const char16_t* text) : SharedText(std::u16string_view(text)) {}
  SharedText(std::u16string_view text)
      : text_(text.empty() ? nullptr : std::make_shared<const std::u16string>(text)) {}
  SharedText(const std::u16string& text) : SharedText(std::u16string_view(text)) {}

  bool empty() const { return text_ == nullptr; }
  std::size_t size() const { return text_ ? text_->size() : 0; }
  std::u16string_view view() const { return text_ ? std::u16string_view(*text_) : u""; }
  operator std::u16string_view() const { return view(); }
  std::u16string str() const { return std::u16string(view()); }
  void clear() { text_.reset(); }
  // Where the text is stored: two texts of one identity are one text, shared (the empty
  // text's is nullptr). A cache of what is made of a text may key on it.
  const void* identity() const { return text_.get(); }
  // The same text; one pointer held by both is the same at once.
  bool operator==(const SharedText& other) const {
    return text_ == other.text_ || view() == other.view();
  }
  bool operator==(std::u16string_view other) const { return view() == other; }
  bool operator==(const char16_t* other) const { return view() == other; }
  bool operator==(const std::u16string& other) const { return view() == other; }

 private:
  std::shared_ptr<const std::u16string> text_;  // never empty: no text is nullptr
};

// The texts a reader or builder has stored: the same characters twice give one SharedText.
class SharedTexts {
 public:
  SharedText share(std::u16string_view text);
  void clear() { texts_.clear(); }

 private:
  std::unordered_map<std::u16string_view, SharedText> texts_;  // keys view the values
};

// Character formats of a run, one bit each.
enum Flag : std::uint8_t {
  kBold = 1,
  kItalic = 2,
  kUnderline = 4,
  kStrike = 8,
  kSuper = 16,
  kSub = 32,
  kCode = 64,      // inline code: Markdown's backticks, XenForo's [ICODE]
  kSpoiler = 128,  // an inline spoiler: XenForo's [ISPOILER]
};

// A run's look. Empty texts and size 0 are "as the post's normal text": text that came with
// no face or size of its own gets none in any post.
struct Style {
  std::uint8_t flags = 0;  // Flag bits
  SharedText face;         // a font's name
  SharedText colour;       // "#RRGGBB"
  int size = 0;            // percent of the normal size (150: half as large again); 0 normal
  SharedText link;         // the address the run links to ("mailto:..." for an email link)
  SharedText title;        // the link's title, as Markdown's [a](/u "title") gives it
  bool operator==(const Style&) const = default;
};

// The HTML font size (1 to 7) a browser shows for a size in points, as the engine writes it
// for "\fs": half-points divided by 7, rounded down, 1 at the least, 8 (shown as 7) at most.
int htmlSize(double points);

// A size in percent of the normal size and the HTML font sizes 1 to 7 (size 3 the normal, as
// a browser shows <font size>: 10, 13, 16, 18, 24, 32 and 48 pixels): each HTML size's
// percentage, and the HTML size nearest a percentage (0, the normal, gives 3).
int percentOfHtmlSize(int size);
int htmlSizeOfPercent(int percent);

// ---- addresses ----------------------------------------------------------------------------

// What an address is to a post, told as a browser would read it in a link: blanks and control
// characters anywhere ignored, character references ("&#106;", "&#x6A;", "&colon;") and
// percent escapes decoded, the scheme in any letter case.
enum class AddressKind : std::uint8_t {
  Web,       // http, https, ftp or mailto
  Relative,  // no scheme: a path, "www.example.org", a word
  Refused,   // any other scheme (javascript:, vbscript:, data:, file:), or one that cannot be
             // told within the first characters
};
AddressKind addressKind(std::u16string_view address);

// The one rule for every reader and writer of a post, and for the document: only a web
// address becomes a link or a picture, and in Markdown a relative one too (`relative`);
// anything else keeps its text and is no link.
inline bool isPostAddress(std::u16string_view address, bool relative = false) {
  const AddressKind kind = addressKind(address);
  return kind == AddressKind::Web || (relative && kind == AddressKind::Relative);
}

// What a run holds.
enum class RunKind : std::uint8_t {
  Text,     // the writer's text
  Picture,  // a picture: `picture` its address, `text` its alternative text; a linked
            // picture when the style has a link
  Markup,   // markup of one format kept as typed: `text` exactly, `markup` its format
};

struct Run {
  std::u16string text;  // the writer's text; a picture's alternative text; the markup
  Style style;
  std::u16string picture;  // a picture's address; empty for any other run
  RunKind kind = RunKind::Text;
  Format markup = Format::Html;  // a Markup run's format
  bool operator==(const Run&) const = default;

  bool isText() const { return kind == RunKind::Text; }
  static Run ofPicture(std::u16string_view address, std::u16string_view alt, const Style& style) {
    return {std::u16string(alt), style, std::u16string(address), RunKind::Picture};
  }
  static Run ofMarkup(std::u16string_view text, Format format) {
    return {std::u16string(text), {}, {}, RunKind::Markup, format};
  }
};

enum class Align : std::uint8_t { Left, Centre, Right, Justify };

enum class Numbering : std::uint8_t {
  Bullet,
  Decimal,
  LowerAlpha,
  UpperAlpha,
  LowerRoman,
  UpperRoman
};

// A bullet list's marker as the writer chose it ([list=disc], [list type=square]); Default is
// the forum's own.
enum class Marker : std::uint8_t { Default, Disc, Circle, Square, None };

// A list item's task box, as GFM's "- [ ] x" and "- [x] x" give it.
enum class Task : std::uint8_t { None, Open, Done };

// Who a quote quotes and where from, as the dialects write it; every part may be empty.
struct Attribution {
  std::u16string author;  // the name: phpBB [quote="bob"], SMF author=bob, [QUOTE=bob;1]
  std::u16string post;    // the quoted post: phpBB post_id, XenForo post:, MyBB pid, vBulletin ;N
  std::u16string member;  // the author's account: phpBB user_id, XenForo member:
  std::u16string time;    // when it was posted, as typed: phpBB time, MyBB dateline, SMF date
  std::u16string link;    // where it was posted: SMF link (topic=1.msg2#msg2)
  bool empty() const {
    return author.empty() && post.empty() && member.empty() && time.empty() && link.empty();
  }
  bool operator==(const Attribution&) const = default;
};

enum class BlockKind : std::uint8_t {
  Paragraph,  // runs
  Heading,    // runs; level 1 to 6
  Code,       // runs of text: a code block, its text exact, its lines ended by '\n'; label:
              // its language
  Rule,       // nothing
  Quote,      // children: blocks; cite
  List,       // children: items; numbering, marker and start
  Item,       // children: its paragraph first, then what it holds (a nested list); task
  Table,      // children: rows
  Row,        // children: cells
  Cell,       // children: blocks; header, align
  Spoiler,    // children: blocks; label: its title (XenForo's [SPOILER=title])
  Markup,     // runs: one Markup run, a block of markup kept as typed (Markdown's HTML block)
};
inline constexpr std::size_t kBlockKindCount = 12;

struct Block {
  BlockKind kind = BlockKind::Paragraph;
  Align align = Align::Left;                // paragraph, heading, cell
  bool spaceAfter = false;                  // paragraph, heading: the writer sees space below it
  int level = 0;                            // heading: 1 to 6
  Numbering numbering = Numbering::Bullet;  // list
  Marker marker = Marker::Default;          // list: a bullet's marker
  int start = 1;                            // list: the number of its first item
  Task task = Task::None;                   // item
  bool header = false;                      // cell: a header cell
  std::u16string label;                     // code: its language; spoiler: its title
  Attribution cite;                         // quote
  std::vector<Run> runs;
  std::vector<Block> children;
  bool operator==(const Block&) const = default;
};

// Whether blocks of the kind hold runs (else children, or nothing).
constexpr bool holdsRuns(BlockKind kind) {
  return kind == BlockKind::Paragraph || kind == BlockKind::Heading || kind == BlockKind::Code ||
         kind == BlockKind::Markup;
}
// Whether blocks of the kind hold other blocks.
constexpr bool isContainer(BlockKind kind) { return !holdsRuns(kind) && kind != BlockKind::Rule; }

// An empty paragraph (no runs) is an empty line the writer left: space of its own.
struct Model {
  std::vector<Block> blocks;
  bool operator==(const Model&) const = default;
};

// ---- the walk -----------------------------------------------------------------------------

enum class Event : std::uint8_t { Enter, Exit };

// The one way round a model, as cmark's iterator: each block is entered, its children walked,
// then it is exited (a leaf is entered and exited in a row). No recursion, so that a model of
// any depth takes no more stack than a flat one.
//
//   for (Walk walk(model); walk.next();) {
//     if (walk.event() == Event::Enter) ... walk.block() ...
//   }
class Walk {
 public:
  explicit Walk(const Model& model) : Walk(model.blocks) {}
  explicit Walk(const std::vector<Block>& blocks) { levels_.push_back({&blocks, 0}); }

  // Moves to the next event; false once the walk is done.
  bool next();
  Event event() const { return event_; }
  const Block& block() const { return *block_; }
  // The container the block is in; nullptr for a block at the top.
  const Block* parent() const { return parents_.empty() ? nullptr : parents_.back(); }
  // The containers the block is in, outermost first.
  const std::vector<const Block*>& ancestors() const { return parents_; }
  std::size_t depth() const { return parents_.size(); }
  // The block's place among its siblings, and them.
  std::size_t index() const { return levels_.back().next - 1; }
  const std::vector<Block>& siblings() const { return *levels_.back().blocks; }
  // After an Enter: the block's children are not walked; its Exit comes next.
  void skipChildren() { skip_ = true; }

 private:
  struct Level {
    const std::vector<Block>* blocks;
    std::size_t next;  // the index after the block last entered
  };
  std::vector<Level> levels_;
  std::vector<const Block*>
      parents_;  // the containers of the level walked, one per level but the top
  const Block* block_ = nullptr;
  Event event_ = Event::Exit;
  bool skip_ = false;
};

// ---- the build ----------------------------------------------------------------------------

// The one way to build a model: a stack of open containers from the root in, the model's
// depth limits (a container past its limit is not opened: what it holds goes to the innermost
// one kept), the leaf text goes to, runs of one style in a row merged, and texts shared by the
// runs that take them. Every reader builds its model with it.
class Tree {
 public:
  Tree();
  Tree(const Tree&) = delete;
  Tree& operator=(const Tree&) = delete;

  // Opens a container (Quote, Spoiler, List, Item, Table, Row, Cell) in the innermost one and
  // returns it, or returns the innermost container kept when a limit stops it (`opened()`
  // says which). Ends the leaf open.
  Block& open(BlockKind kind);
  bool opened() const { return opened_; }
  // Closes the innermost container; the root stays.
  void close();
  // Closes containers until `depth` are open (the root aside).
  void closeTo(std::size_t depth);
  Block& top() { return *open_.back(); }
  const Block& top() const { return *open_.back(); }
  BlockKind topKind() const { return open_.size() > 1 ? top().kind : BlockKind::Quote; }
  bool atRoot() const { return open_.size() == 1; }
  // How many containers are open, the root aside, and how many of a kind.
  std::size_t depth() const { return open_.size() - 1; }
  int count(BlockKind kind) const;
  // The containers open, outermost first (the root's place is nullptr).
  const Block* openAt(std::size_t depth) const { return depth == 0 ? nullptr : open_[depth]; }

  // Begins a leaf (Paragraph, Heading, Code, Rule, Markup) in the innermost container; text
  // goes to it until another block begins or endLeaf().
  Block& leaf(BlockKind kind);
  Block* current() { return current_; }
  void endLeaf() { current_ = nullptr; }

  // Text for the leaf open, a paragraph begun where there is none; merged into the run
  // before when that is text of the same style.
  void text(std::u16string_view text, const Style& style);
  void picture(std::u16string_view address, std::u16string_view alt, const Style& style);
  void markup(std::u16string_view text, Format format);
  // One copy of a text for every run that takes it: the same text twice gives one pointer.
  SharedText share(std::u16string_view text) { return shared_.share(text); }

  // The model built; the tree is empty again.
  Model finish();

  static constexpr int kMaxListLevel = 9;
  static constexpr int kMaxQuoteDepth = 9;  // quotes and spoilers together
  static constexpr int kMaxTableDepth = 1;  // a table in a cell gives its text to the cell

 private:
  bool allowed(BlockKind kind) const;

  Block root_;
  std::vector<Block*> open_;  // containers from the root in, the innermost last
  Block* current_ = nullptr;  // the leaf text goes to
  bool opened_ = false;
  SharedTexts shared_;
};

// What each kind may hold: a list holds items, a table rows, a row cells, and only they hold
// them; an item begins with its paragraph; only paragraphs, headings, code and markup blocks
// hold runs, a code block's runs are text, a markup block's one markup run; a rule holds
// nothing; a heading's level is 1 to 6; no container is deeper than Tree's limits; no run
// is empty but a picture's. What is wrong, in one line naming where, or nothing.
std::optional<std::string> check(const Model& model);

// Makes a model from the document's paragraphs in order. Text goes to the block the last
// call opened; a paragraph is opened for text that has none.
class Builder {
 public:
  Builder() = default;

  // The blocks that follow are inside `depth` quotes (0: none, at most kMaxQuoteDepth); a
  // quote it opens (the innermost) cites `cite`. Ends any open list. Ignored inside a table.
  void quoteDepth(int depth, const Attribution& cite = {});

  // A list item at `level` (1 the outermost, at most kMaxListLevel) of a list numbered as
  // `numbering` from `start`; its paragraph is aligned `align`. Lists open and close around it
  // as the levels change: an item one level deeper opens a list inside the item before it
  // (or inside an empty item when there is none), an item at a level of another numbering
  // starts a new list there.
  void item(int level, Numbering numbering, int start = 1, Align align = Align::Left,
            Task task = Task::None);

  // These end any open list (inside the current quote or cell).
  void paragraph(Align align = Align::Left, bool spaceAfter = false);
  void heading(int level, Align align = Align::Left, bool spaceAfter = false);
  void code(std::u16string_view language = {});
  void rule();

  // Text for the current block, in `style`. Runs of one style in a row become one run.
  void text(std::u16string_view text, const Style& style) { tree_.text(text, style); }
  void picture(std::u16string_view address, std::u16string_view alt, const Style& style) {
    tree_.picture(address, alt, style);
  }
  void markup(std::u16string_view text, Format format) { tree_.markup(text, format); }
  SharedText share(std::u16string_view text) { return tree_.share(text); }

  // A table: rows of cells, each cell holding the blocks that follow it up to the next cell.
  void beginTable();
  void row();
  void cell(bool header = false, Align align = Align::Left);
  void endTable();

  Model finish() { return tree_.finish(); }

  static constexpr int kMaxListLevel = Tree::kMaxListLevel;
  static constexpr int kMaxQuoteDepth = Tree::kMaxQuoteDepth;

 private:
  void closeLists();
  void popUntil(BlockKind kind);
  int listDepth() const;

  Tree tree_;
};

// A model made of a word processor's document or of the engine's fragment gives every run the
// face and size it was shown in, the body text's too. This makes the text that most of it is
// in (by characters, as quillmark/formats.h tells the post's normal text) the post's normal
// text: runs in its face lose the face, and sizes count their steps from its size, so that the
// body text gets no markup in any post. A post read from a forum needs none of it: its text
// of no size or face of its own has none, and it is written with the sizes and faces it came
// with, however much of the text has them.
void takeNormalText(Model& model);

// "paragraph", "heading", "code", "rule", "quote", "list", "item", "table", "row", "cell",
// "spoiler", "markup".
std::string_view kindName(BlockKind kind);

// The model as indented text, one block or run per line, for tests and debugging:
//   list decimal start=3
//     item
//       paragraph
//         "One" bold colour=#FF0000
std::string describe(const Model& model);

}  // namespace quillmark::post
