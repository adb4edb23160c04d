// The post model's side of the formats: the fragment read into a flat model, the normal text
// and the writer's text of a model, and checkPost for a post written from one.
#include <algorithm>
#include <array>
#include <unordered_map>

#include "Cites.h"
#include "Emit.h"
#include "PostWalk.h"
#include "quillmark/formats.h"
#include "quillmark/post.h"

namespace quillmark {
namespace formats {
namespace {

// Calls f(block) for every block of the model in document order, without recursion, so that
// a model of any depth takes no more stack than a flat one; f returns whether to go into the
// block's children.
template <typename F>
void forEachBlock(const std::vector<post::Block>& blocks, F&& f) {
  struct Level {
    const std::vector<post::Block>* blocks;
    std::size_t next;
  };
  std::vector<Level> stack{{&blocks, 0}};
  while (!stack.empty()) {
    Level& level = stack.back();
    if (level.next == level.blocks->size()) {
      stack.pop_back();
      continue;
    }
    const post::Block& block = (*level.blocks)[level.next++];
    if (f(block) && !block.children.empty()) stack.push_back({&block.children, 0});
  }
}

template <typename F>
void forEachBlock(const post::Model& model, F&& f) {
  forEachBlock(model.blocks, f);
}

bool isBlank(char16_t c) { return c == u' ' || c == u'\t'; }

// The columns a character takes in a monospace font: two for the wide East Asian ones, none
// for the second half of a surrogate pair.
std::size_t columnsOf(char16_t c) {
  if (c >= 0xDC00 && c <= 0xDFFF) return 0;
  const bool wide = (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) ||
                    (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
                    (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
                    (c >= 0xFFE0 && c <= 0xFFE6);
  return wide ? 2 : 1;
}

std::size_t columnsOf(std::u16string_view text) {
  std::size_t n = 0;
  for (const char16_t c : text) n += columnsOf(c);
  return n;
}

// A cell's text on one line: its runs' text, line breaks, tabs and the edges of its blocks
// as single blanks.
std::u16string cellText(const post::Block& cell) {
  std::u16string text;
  forEachBlock(cell.children, [&](const post::Block& block) {
    if (block.runs.empty()) return true;
    if (!text.empty()) text.push_back(u' ');
    for (const post::Run& run : block.runs) {
      if (!run.picture.empty()) continue;
      for (const char16_t c : run.text) {
        const bool blank = c == u'\n' || c == u'\r' || c == u'\t' || c == 0xA0;
        if (blank && (text.empty() || text.back() == u' ')) continue;
        text.push_back(blank ? u' ' : c);
      }
    }
    while (!text.empty() && text.back() == u' ') text.pop_back();
    return true;
  });
  return text;
}

struct Tally {
  std::size_t chars = 0;
  std::size_t firstRun = SIZE_MAX;

  void add(std::size_t n, std::size_t run) {
    chars += n;
    firstRun = std::min(firstRun, run);
  }
  // As the fragment's count: more of the text wins; on a tie the forum's own, then the one
  // met first.
  bool beats(const Tally& best, bool own, bool bestIsOwn) const {
    if (chars != best.chars) return chars > best.chars;
    if (own || bestIsOwn) return own;
    return firstRun < best.firstRun;
  }
};

post::Run runOf(const Document& doc, const Run& run) {
  post::Run out;
  out.text.assign(doc.runText(run));
  // A line end in the writer's text shows as a blank; '\n' in the model is a line break.
  std::replace(out.text.begin(), out.text.end(), u'\n', u' ');
  std::replace(out.text.begin(), out.text.end(), u'\r', u' ');
  out.style.flags = run.flags;
  if (run.font != kNone) {
    const FontAttrs& f = doc.fonts[static_cast<std::size_t>(run.font)];
    out.style.face = f.face;
    out.style.colour = f.color;
    out.style.size = f.size > 0 ? post::percentOfHtmlSize(std::min(f.size, 7)) : 0;
  }
  if (run.link != kNone) out.style.link = doc.links[static_cast<std::size_t>(run.link)];
  return out;
}

void appendRuns(const Document& doc, const Line& line, std::vector<post::Run>& runs) {
  for (std::uint32_t r = line.firstRun; r < line.endRun; ++r) {
    post::Run run = runOf(doc, doc.runs[r]);
    if (!runs.empty() && runs.back().style == run.style && runs.back().picture.empty()) {
      runs.back().text += run.text;
    } else {
      runs.push_back(std::move(run));
    }
  }
}

void appendBreak(std::vector<post::Run>& runs) {
  if (runs.empty()) runs.push_back({});
  runs.back().text.push_back(u'\n');
}

post::Align alignOf(Align a) {
  return a == Align::Center  ? post::Align::Centre
         : a == Align::Right ? post::Align::Right
                             : post::Align::Left;
}

}  // namespace

void textBlocksOf(const post::Block& cell, std::vector<const post::Block*>& out) {
  out.clear();
  forEachBlock(cell.children, [&](const post::Block& block) {
    const bool text = block.kind == post::BlockKind::Paragraph ||
                      block.kind == post::BlockKind::Heading || block.kind == post::BlockKind::Code;
    if (text) out.push_back(&block);
    return !text;
  });
}

namespace {

// A padded table's cell is at most this many columns wide: a longer one goes on in the lines
// below, broken at a blank where it has one, so that a row stays as wide as a code block can
// show and one long cell does not widen every row of its column.
constexpr std::size_t kMaxCellColumns = 80;
// A table whose padding would make its block more than this many times its cells' text (a
// few wide cells over many narrow rows) is written with each cell as wide as itself.
constexpr std::size_t kMaxPaddingFactor = 8;
constexpr std::size_t kFreePadding = 65'536;

// The cell's text in pieces of at most kMaxCellColumns columns.
std::vector<std::u16string_view> wrapped(std::u16string_view text) {
  std::vector<std::u16string_view> pieces;
  for (std::size_t left = columnsOf(text); left > kMaxCellColumns;) {
    std::size_t end = 0, columns = 0;
    while (end < text.size() && columns + columnsOf(text[end]) <= kMaxCellColumns) {
      columns += columnsOf(text[end++]);
    }
    // A surrogate pair stays whole: its second half takes no column.
    while (end < text.size() && columnsOf(text[end]) == 0) ++end;
    std::size_t cut = end, next = end;
    if (end < text.size() && text[end] == u' ') {
      next = end + 1;
    } else if (const std::size_t blank = text.substr(0, end).rfind(u' ');
               blank != std::u16string_view::npos && blank > 0) {
      cut = blank, next = blank + 1;
    }
    pieces.push_back(text.substr(0, cut));
    left -= columnsOf(text.substr(0, next));
    text.remove_prefix(next);
  }
  pieces.push_back(text);
  return pieces;
}

}  // namespace

post::Block tableAsCode(const post::Block& table) {
  struct Row {
    std::vector<std::u16string> cells;
    std::vector<std::vector<std::u16string_view>> pieces;  // each cell's lines
    std::vector<post::Align> aligns;
    std::size_t height = 1;  // its lines
    bool header = true;
  };
  std::vector<Row> rows;
  std::vector<std::size_t> widths;
  std::size_t textColumns = 0;
  for (const post::Block& row : table.children) {
    Row& out = rows.emplace_back();
    for (const post::Block& cell : row.children) {
      out.cells.push_back(cellText(cell));
      out.aligns.push_back(cell.header ? headerAlign(cell.align) : cell.align);
      out.header = out.header && cell.header;
    }
    for (const std::u16string& text : out.cells) {
      out.pieces.push_back(wrapped(text));
      out.height = std::max(out.height, out.pieces.back().size());
      const std::size_t column = out.pieces.size() - 1;
      if (widths.size() <= column) widths.push_back(0);
      for (const std::u16string_view piece : out.pieces.back()) {
        widths[column] = std::max(widths[column], columnsOf(piece));
        textColumns += columnsOf(piece) + 3;
      }
    }
    out.header = out.header && !out.cells.empty();
  }
  std::size_t paddedColumns = 0;
  for (const Row& row : rows) {
    std::size_t line = 0;
    for (std::size_t k = 0; k < row.cells.size(); ++k) line += widths[k] + 3;
    paddedColumns += row.height * line;
  }
  const bool padded = paddedColumns <= kMaxPaddingFactor * textColumns + kFreePadding;
  post::Block code;
  code.kind = post::BlockKind::Code;
  std::u16string& text = code.runs.emplace_back().text;
  for (const Row& row : rows) {
    for (std::size_t l = 0; l < row.height; ++l) {
      // A line below the row's first goes as far as its last cell that goes on.
      std::size_t cells = row.cells.size();
      while (l > 0 && cells > 0 && row.pieces[cells - 1].size() <= l) --cells;
      std::u16string line;
      for (std::size_t k = 0; k < cells; ++k) {
        if (k > 0) line += u" | ";
        const std::u16string_view piece =
            l < row.pieces[k].size() ? row.pieces[k][l] : std::u16string_view();
        const std::size_t width = padded ? widths[k] : columnsOf(piece);
        const std::size_t space = width - columnsOf(piece);
        const std::size_t before = row.aligns[k] == post::Align::Right    ? space
                                   : row.aligns[k] == post::Align::Centre ? space / 2
                                                                          : 0;
        line.append(before, u' ');
        line += piece;
        line.append(space - before, u' ');
      }
      while (!line.empty() && line.back() == u' ') line.pop_back();
      text += line;
      text.push_back(u'\n');
    }
    if (!row.header) continue;
    for (std::size_t k = 0; k < row.cells.size(); ++k) {
      if (k > 0) text += u"-+-";
      text.append(padded ? widths[k] : std::max<std::size_t>(1, columnsOf(row.pieces[k][0])), u'-');
    }
    text.push_back(u'\n');
  }
  return code;
}

post::Model modelOfFragment(const Document& doc) {
  post::Model model;
  enum class Last { None, Text, Empty, Item, Code } last = Last::None;
  Align lastAlign = Align::None;
  for (const Line& line : doc.lines) {
    std::vector<post::Block>& blocks = model.blocks;
    if (line.fixed) {
      if (last != Last::Code) {
        blocks.push_back({});
        blocks.back().kind = post::BlockKind::Code;
      }
      appendRuns(doc, line, blocks.back().runs);
      appendBreak(blocks.back().runs);
      last = Last::Code;
      continue;
    }
    if (line.listItem) {
      if (last != Last::Item || line.align != lastAlign) {
        blocks.push_back({});
        blocks.back().kind = post::BlockKind::List;
      }
      post::Block& item = blocks.back().children.emplace_back();
      item.kind = post::BlockKind::Item;
      post::Block& paragraph = item.children.emplace_back();
      paragraph.align = alignOf(line.align);
      appendRuns(doc, line, paragraph.runs);
      last = Last::Item;
      lastAlign = line.align;
      continue;
    }
    const bool empty = line.endRun == line.firstRun;
    if (!empty && last == Last::Text && line.align == lastAlign) {
      appendBreak(blocks.back().runs);
    } else {
      blocks.push_back({});
      blocks.back().align = alignOf(line.align);
    }
    appendRuns(doc, line, blocks.back().runs);
    last = empty ? Last::Empty : Last::Text;
    lastAlign = line.align;
  }
  return model;
}

NormalText normalTextOf(const post::Model& model) {
  std::unordered_map<std::u16string_view, Tally> faces;
  Tally noFace;
  std::array<Tally, 8> sizes{};
  std::size_t index = 0;
  const void* lastFace = nullptr;
  Tally* lastTally = &noFace;
  forEachBlock(model, [&](const post::Block& block) {
    if (block.kind == post::BlockKind::Code) return false;
    for (const post::Run& run : block.runs) {
      ++index;
      const auto shown =
          static_cast<std::size_t>(std::count_if(run.text.begin(), run.text.end(), [](char16_t c) {
            return !isBlank(c) && c != 0xA0 && c != u'\r' && c != u'\n';
          }));
      if (shown == 0 || !run.picture.empty()) continue;
      // Runs in a row share their face's text: it is looked up once, not hashed a run.
      if (run.style.face.identity() != lastFace) {
        lastFace = run.style.face.identity();
        lastTally = run.style.face.empty() ? &noFace : &faces[run.style.face];
      }
      lastTally->add(shown, index);
      sizes[static_cast<std::size_t>(shownSize(post::htmlSizeOfPercent(run.style.size)))].add(
          shown, index);
    }
    return true;
  });
  NormalText normal;
  const Tally* best = &noFace;
  for (const auto& [face, t] : faces) {
    if (t.beats(*best, false, best == &noFace)) best = &t, normal.face = face;
  }
  best = &sizes[kPageSize];
  for (int size = 1; size <= 7; ++size) {
    const Tally& t = sizes[static_cast<std::size_t>(size)];
    if (t.beats(*best, size == kPageSize, best == &sizes[kPageSize])) best = &t, normal.size = size;
  }
  return normal;
}

std::optional<post::Model> withCiteLines(const post::Model& model, std::size_t& quotes) {
  quotes = 0;
  forEachBlock(model, [&](const post::Block& block) {
    if (block.kind == post::BlockKind::Quote && !block.cite.empty()) ++quotes;
    return true;
  });
  if (quotes == 0) return std::nullopt;
  post::Model lines = model;
  std::vector<std::vector<post::Block>*> stack{&lines.blocks};
  while (!stack.empty()) {
    std::vector<post::Block>& blocks = *stack.back();
    stack.pop_back();
    for (post::Block& block : blocks) {
      if (block.kind == post::BlockKind::Quote && !block.cite.empty()) {
        if (const std::u16string line = citeLine(block.cite); !line.empty()) {
          post::Block paragraph;
          paragraph.spaceAfter = true;
          paragraph.runs.push_back({line, {}, {}});
          block.children.insert(block.children.begin(), std::move(paragraph));
        }
        block.cite = {};
      }
      if (!block.children.empty()) stack.push_back(&block.children);
    }
  }
  return lines;
}

}  // namespace formats

namespace post {

void takeNormalText(Model& model) {
  const formats::NormalText counted = formats::normalTextOf(model);
  const int normalSize = counted.size;
  const std::u16string face(counted.face);
  if (face.empty() && normalSize == formats::kPageSize) return;
  // Nothing is made while the runs are gone through, so no text's place is taken by another.
  const void* lastFace = nullptr;
  bool lastIsNormal = false;
  std::vector<std::vector<Block>*> stack{&model.blocks};
  while (!stack.empty()) {
    std::vector<Block>& blocks = *stack.back();
    stack.pop_back();
    for (Block& block : blocks) {
      if (block.kind == BlockKind::Code) continue;
      for (Run& run : block.runs) {
        // A face shared by many runs is compared once.
        if (!face.empty() && !run.style.face.empty()) {
          if (run.style.face.identity() != lastFace) {
            lastFace = run.style.face.identity();
            lastIsNormal = run.style.face == face;
          }
          if (lastIsNormal) run.style.face.clear();
        }
        if (normalSize != formats::kPageSize) {
          const int steps =
              std::clamp(formats::kPageSize + htmlSizeOfPercent(run.style.size) - normalSize, 1, 7);
          run.style.size = steps == formats::kPageSize ? 0 : percentOfHtmlSize(steps);
        }
      }
      if (!block.children.empty()) stack.push_back(&block.children);
    }
  }
}

}  // namespace post

namespace formats {

std::u16string modelText(const post::Model& model, bool tables) {
  std::u16string text;
  forEachBlock(model, [&](const post::Block& block) {
    switch (block.kind) {
      case post::BlockKind::Paragraph:
      case post::BlockKind::Heading:
      case post::BlockKind::Code:
      case post::BlockKind::Markup:
        for (const post::Run& run : block.runs) {
          if (run.picture.empty()) text += run.text;
        }
        if (text.empty() || text.back() != u'\n') text.push_back(u'\n');
        return false;
      case post::BlockKind::Table:
        if (tables) return true;
        // As the post writes it: the cells in columns of a code block.
        text += tableAsCode(block).runs.front().text;
        return false;
      default:
        return true;
    }
  });
  return text;
}

}  // namespace formats

std::optional<std::string> checkPost(const post::Model& model, std::u16string_view post,
                                     Format format, const PostOptions& options) {
  const formats::Dialect* d = formats::dialectOf(format);
  const std::u16string text =
      formats::modelText(model, d != nullptr && formats::writesTables(*d, options));
  if (d == nullptr) {
    if (post == text) return std::nullopt;
    return "the html post differs from the model's text";
  }
  if (format == Format::Markdown) {
    // The quotes' sources are lines of the post's text there.
    std::size_t quotes = 0;
    if (const auto lines = formats::withCiteLines(model, quotes)) {
      return formats::checkMarkdownPost(
          post, formats::modelText(*lines, formats::writesTables(*d, options)));
    }
    return formats::checkMarkdownPost(post, text);
  }
  return formats::checkBbcodePost(post, text, *d);
}

}  // namespace quillmark
