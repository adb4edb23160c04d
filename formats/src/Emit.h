// What the emitters share: the character formats of a run as the ordered list of elements a
// format opens for it, and the counting of what it cannot show.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Dialects.h"
#include "RunModel.h"
#include "quillmark/formats.h"
#include "quillmark/post.h"

namespace quillmark::formats {

// One open inline element with its value (colour, face or address; size by number).
struct Open {
  Element element;
  std::u16string_view value;
  int size = 0;
  std::u16string_view title = {};  // a link's title, where the format writes one
  // Values viewed where one style's shared text is stored are equal without a look at their
  // characters: a long address over many runs is compared once a run, not read again.
  bool operator==(const Open& other) const {
    return element == other.element && size == other.size && value.size() == other.value.size() &&
           (value.data() == other.value.data() || value == other.value) && title == other.title;
  }
};

// Counts dropped elements, a stretch at a time.
class LossCounter {
 public:
  void add(Element e, std::size_t n = 1) { counts_[static_cast<std::size_t>(e)] += n; }
  LossReport report() const;

  // Character formats: a run whose element is dropped counts once, unless the run before it
  // on the same line dropped the same element with the same value.
  void dropRun(const Open& dropped);
  void newLine() { lastDropped_.clear(); }
  void endRun() { lastDropped_.swap(thisRun_), thisRun_.clear(); }

 private:
  std::array<std::size_t, kElementCount> counts_{};
  std::vector<Open> lastDropped_, thisRun_;
};

// The post's normal text, counted over a model as over the fragment: the face and the
// shown size most of the writer's characters outside code blocks have (NormalText).
NormalText normalTextOf(const post::Model& model);

// The writer's text of a model, each line of a block ended by "\n": what a reader of the post
// sees, the markup aside. A picture is none of it. A table is its cells' text, each cell's
// lines ended by "\n", where the post writes tables (`tables`), else its code block's text.
std::u16string modelText(const post::Model& model, bool tables);

// For a format without a quote source (Markdown): the model with each quote's source as a
// "name wrote:" paragraph at the quote's start and the source itself cleared, the quotes
// that had one counted in `quotes`; std::nullopt (and 0) when no quote has a source.
std::optional<post::Model> withCiteLines(const post::Model& model, std::size_t& quotes);

// Whether a post in the dialect, with these options, writes a table as a table.
inline bool writesTables(const Dialect& d, const PostOptions& options) {
  return options.tables && shows(d, Element::Table);
}

// The fragment's lines as a flat model: lines of one block state in a row are a paragraph,
// '\n' between them; an empty line is an empty paragraph; each list line an item of a bullet
// list at level 1 (lists end where the alignment changes); the fixed-columns lines a code
// block. Line ends in the writer's text are blanks, as a browser shows them.
post::Model modelOfFragment(const Document& doc);

// The inline elements the dialect opens for a run of `style`, outermost first: link, face,
// size, colour, bold, italic, underline, strike-through, superscript, subscript. Those it
// cannot show (or whose value it cannot write) go to the counter instead.
void inlineElements(const post::Style& style, const NormalText& normal, const Dialect& d,
                    LossCounter& losses, std::vector<Open>& out);

// Text of a code block as the block holds it: exact but for no-break spaces, which become
// blanks so that the columns keep their width.
void appendFixedText(std::u16string_view text, std::u16string& out);

void appendAscii(std::u16string& out, std::string_view s);
// The address with the characters that would end the format's link markup percent-encoded.
void appendAddress(std::u16string& out, std::u16string_view address, bool markdown);

// The lines of a block's runs: each a list of pieces of runs, split at '\n'.
struct Piece {
  const post::Run* run;
  std::u16string_view text;  // the run's text on this line; empty for a picture
};
// Calls `line(pieces)` for each line of the runs; a block without runs has one empty line.
template <typename F>
void forEachLine(const std::vector<post::Run>& runs, F&& line) {
  std::vector<Piece> pieces;
  for (const post::Run& run : runs) {
    if (!run.picture.empty()) {
      pieces.push_back({&run, {}});
      continue;
    }
    std::u16string_view text = run.text;
    for (std::size_t nl = text.find(u'\n'); nl != std::u16string_view::npos;
         nl = text.find(u'\n')) {
      if (nl > 0) pieces.push_back({&run, text.substr(0, nl)});
      line(static_cast<const std::vector<Piece>&>(pieces));
      pieces.clear();
      text.remove_prefix(nl + 1);
    }
    if (!text.empty()) pieces.push_back({&run, text});
  }
  line(static_cast<const std::vector<Piece>&>(pieces));
}

// A table as a code block: each row a line of its cells' text, padded to the widest cell of
// each column (a wide character counts two) on the side the cell's alignment leaves free,
// a line of dashes below a row of header cells; no line ends in blanks.
// The cells' line breaks and their blocks' edges are blanks; a table inside a cell is its
// cells' text. Made without recursion, whatever the nesting.
post::Block tableAsCode(const post::Block& table);

// The alignment a header cell is written with: its centring is the header's own look, as a
// browser centres a header cell (and a pasted page's header cells arrive centred), so it is
// neither written nor lost; a header cell aligned right keeps it.
inline post::Align headerAlign(post::Align align) {
  return align == post::Align::Centre ? post::Align::Left : align;
}

// The blocks of a cell that hold its text, in order, whatever holds them (a table inside the
// cell gives its cells' paragraphs), without recursion.
void textBlocksOf(const post::Block& cell, std::vector<const post::Block*>& out);

// `tables`: whether a table is written as the dialect's own (writesTables) or as a code block.
std::u16string emitBbcode(const post::Model& model, const NormalText& normal, const Dialect& d,
                          bool tables, LossCounter& losses);
std::u16string emitMarkdown(const post::Model& model, const NormalText& normal, const Dialect& d,
                            bool tables, LossCounter& losses);

// ASCII punctuation, which a Markdown backslash may escape.
inline bool isAsciiPunct(char16_t c) {
  return (c >= u'!' && c <= u'/') || (c >= u':' && c <= u'@') || (c >= u'[' && c <= u'`') ||
         (c >= u'{' && c <= u'~');
}

inline bool isSpaceLike(char16_t c) {
  return c == u' ' || c == u'\t' || c == 0xA0 || c == u'\r' || c == u'\n';
}

}  // namespace quillmark::formats
