// The run model: the "Copy to Web" fragment read back as a browser shows it, as lines of
// runs of text, each run with its set of character formats, each line with its block state.
// Knows nothing of any output format.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "quillmark/post.h"

namespace quillmark::formats {

// Character formats of a run, one bit each: the post model's, so that a run's flags go into
// the model as they are.
using CharFlag = post::Flag;
using post::kBold, post::kItalic, post::kUnderline, post::kStrike, post::kSuper, post::kSub;

enum class Align : std::uint8_t { None, Center, Right };

// The font attributes in force: those of the innermost font element, each missing one taken
// from the font elements outside it. Views into the fragment.
struct FontAttrs {
  std::u16string_view face;
  std::u16string_view color;  // as written, "#RRGGBB" when the engine wrote it
  int size = 0;               // 1 to 8; 0 when no size is set
};

inline constexpr std::int32_t kNone = -1;

struct Run {
  std::uint32_t start = 0;  // into Document::text
  std::uint32_t length = 0;
  std::uint8_t flags = 0;     // CharFlag bits
  std::int32_t font = kNone;  // into Document::fonts
  std::int32_t link = kNone;  // into Document::links
};

// A line as the browser shows it: ended by a break, or by the end of a block. A line with no
// runs is an empty line (two breaks in a row).
struct Line {
  std::uint32_t firstRun = 0;
  std::uint32_t endRun = 0;
  Align align = Align::None;
  bool listItem = false;
  bool fixed = false;  // inside the fixed-columns block: text exact, no formats shown
};

// A page's normal text size, the size a forum shows its posts in.
inline constexpr int kPageSize = 3;

// The size a browser shows for a font's size attribute: no size is the page's, 8 shows as 7.
constexpr int shownSize(int size) { return size <= 0 ? kPageSize : size > 7 ? 7 : size; }

// The post's normal text: the face and the shown size that most of the writer's characters
// outside the fixed-columns block have, blanks aside, each counted on its own. A post gives
// its normal text the forum's own font and size. On a tie the forum's own (no face, size 3)
// wins, else the one met first; with no such characters it is the forum's own.
struct NormalText {
  std::u16string_view face;  // empty: no face, the forum's own
  int size = kPageSize;      // 1 to 7
};

struct Document {
  std::u16string text;  // the writer's text, entities decoded, of every run in order
  std::vector<Run> runs;
  std::vector<Line> lines;
  std::vector<FontAttrs> fonts;
  std::vector<std::u16string> links;  // addresses, entities decoded

  std::u16string_view runText(const Run& run) const {
    return std::u16string_view(text).substr(run.start, run.length);
  }
  bool sameStyle(const Run& a, const Run& b) const;
};

// Reads the fragment. Tags of the engine's vocabulary are formatting wherever they stand;
// a closing tag with no element of its kind open is dropped, as a browser drops it.
Document readFragment(std::u16string_view html);

}  // namespace quillmark::formats
