// The post model: what a post says, before any forum's markup. A tree of blocks (paragraphs,
// headings, code blocks, rules, quotes, lists of items, tables of rows of cells) whose leaves
// hold runs of text, each run with its character formats, colour, size, face and link. Every
// format but html is written from it (quillmark/formats.h), whichever road the post came by:
// the editor's document (the rich road: a Qt adapter walks the QTextDocument) or the
// engine's fragment (the command line's road, flat where the fragment is flat).
//
// The model holds the writer's text as plain text: "<b>" typed into a paragraph is three
// characters, never formatting, and no character is replaced. A line break inside a block is
// '\n' in a run's text; a tab is '\t'.
//
// Builder makes a model from a flat walk of paragraphs, as a document holds them: each list
// item names its level and numbering, each paragraph its quote depth, and the builder opens
// and closes the lists and quotes around them. Qt-free, like the engine.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillmark::post {

// Character formats of a run, one bit each.
enum Flag : std::uint8_t {
  kBold = 1,
  kItalic = 2,
  kUnderline = 4,
  kStrike = 8,
  kSuper = 16,
  kSub = 32,
};

// A run's look. Empty strings and size 0 are "as the post's normal text".
struct Style {
  std::uint8_t flags = 0;  // Flag bits
  std::u16string face;     // a font's name
  std::u16string colour;   // "#RRGGBB"
  int size = 0;            // an HTML font size, 1 to 7
  std::u16string link;     // the address the run links to
  bool operator==(const Style&) const = default;
};

// The HTML font size (1 to 7) a browser shows for a size in points, as the engine writes it
// for "\fs": half-points divided by 7, rounded down, 1 at the least, 8 (shown as 7) at most.
int htmlSize(double points);

struct Run {
  std::u16string text;  // the alternative text of a picture
  Style style;
  std::u16string picture;  // a picture's address; empty for text
  bool operator==(const Run&) const = default;
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

enum class BlockKind : std::uint8_t {
  Paragraph,  // runs
  Heading,    // runs; level 1 to 3
  Code,       // runs: the fixed-columns block, its text exact, its lines ended by '\n'
  Rule,       // nothing
  Quote,      // children: blocks
  List,       // children: items; numbering and start
  Item,       // children: its paragraph first, then what it holds (a nested list)
  Table,      // children: rows
  Row,        // children: cells
  Cell,       // children: blocks; header, align
};

struct Block {
  BlockKind kind = BlockKind::Paragraph;
  Align align = Align::Left;                // paragraph, heading, cell
  bool spaceAfter = false;                  // paragraph, heading: the writer sees space below it
  int level = 0;                            // heading: 1 to 3
  Numbering numbering = Numbering::Bullet;  // list
  int start = 1;                            // list: the number of its first item
  bool header = false;                      // cell: a header cell
  std::vector<Run> runs;
  std::vector<Block> children;
  bool operator==(const Block&) const = default;
};

// An empty paragraph (no runs) is an empty line the writer left: space of its own.
struct Model {
  std::vector<Block> blocks;
  bool operator==(const Model&) const = default;
};

// Makes a model from the document's paragraphs in order. Text goes to the block the last
// call opened; a paragraph is opened for text that has none.
class Builder {
 public:
  Builder();

  // The blocks that follow are inside `depth` quotes (0: none, at most kMaxQuoteDepth). Ends
  // any open list. Ignored inside a table.
  void quoteDepth(int depth);

  // A list item at `level` (1 the outermost, at most kMaxListLevel) of a list numbered as
  // `numbering` from `start`; its paragraph is aligned `align`. Lists open and close around it
  // as the levels change: an item one level deeper opens a list inside the item before it
  // (or inside an empty item when there is none), an item at a level of another numbering
  // starts a new list there.
  void item(int level, Numbering numbering, int start = 1, Align align = Align::Left);

  // These end any open list (inside the current quote or cell).
  void paragraph(Align align = Align::Left, bool spaceAfter = false);
  void heading(int level, Align align = Align::Left, bool spaceAfter = false);
  void code();
  void rule();

  // Text for the current block, in `style`. Runs of one style in a row become one run.
  void text(std::u16string_view text, const Style& style);
  void picture(std::u16string_view address, std::u16string_view alt, const Style& style);

  // A table: rows of cells, each cell holding the blocks that follow it up to the next cell.
  void beginTable();
  void row();
  void cell(bool header = false, Align align = Align::Left);
  void endTable();

  Model finish();

  static constexpr int kMaxListLevel = 9;
  static constexpr int kMaxQuoteDepth = 9;

 private:
  Block& top() { return *open_.back(); }
  Block& openChild(BlockKind kind);
  void closeLists();
  void popUntil(BlockKind kind);
  int listDepth() const;
  Block& current();

  Block root_;
  std::vector<Block*> open_;  // containers from the root in, the innermost last
  Block* current_ = nullptr;  // the block text goes to
};

// "paragraph", "heading", "code", "rule", "quote", "list", "item", "table", "row", "cell".
std::string_view kindName(BlockKind kind);

// The model as indented text, one block or run per line, for tests and debugging:
//   list decimal start=3
//     item
//       paragraph
//         "One" bold colour=#FF0000
std::string describe(const Model& model);

}  // namespace quillmark::post
