// The post model's builder and its description for tests.
#include <algorithm>
#include <array>
#include <cmath>

#include "quillmark/convert.h"
#include "quillmark/post.h"

namespace quillmark::post {

int htmlSize(double points) {
  if (!(points > 0)) return 1;
  const double size = std::floor(std::round(points * 2) / 7);
  return static_cast<int>(std::clamp(size, 1.0, 7.0));
}

Builder::Builder() { root_.kind = BlockKind::Quote, open_.push_back(&root_); }

Block& Builder::openChild(BlockKind kind) {
  Block& child = top().children.emplace_back();
  child.kind = kind;
  return child;
}

int Builder::listDepth() const {
  int depth = 0;
  for (auto it = open_.rbegin(); it != open_.rend(); ++it) {
    if ((*it)->kind == BlockKind::List) {
      ++depth;
    } else if ((*it)->kind != BlockKind::Item) {
      break;
    }
  }
  return depth;
}

void Builder::closeLists() {
  while (top().kind == BlockKind::List || top().kind == BlockKind::Item) open_.pop_back();
  current_ = nullptr;
}

void Builder::popUntil(BlockKind kind) {
  while (open_.size() > 1 && top().kind != kind) open_.pop_back();
  current_ = nullptr;
}

void Builder::quoteDepth(int depth) {
  closeLists();
  for (const Block* b : open_) {
    if (b->kind == BlockKind::Table) return;
  }
  depth = std::clamp(depth, 0, kMaxQuoteDepth);
  // The root counts as no quote.
  while (static_cast<int>(open_.size()) - 1 > depth) open_.pop_back();
  while (static_cast<int>(open_.size()) - 1 < depth) open_.push_back(&openChild(BlockKind::Quote));
}

void Builder::item(int level, Numbering numbering, int start, Align align) {
  level = std::clamp(level, 1, kMaxListLevel);
  // Keep the lists down to `level` and the items of the lists outside it.
  for (;;) {
    const int depth = listDepth();
    if (top().kind == BlockKind::Item && depth >= level) {
      open_.pop_back();
    } else if (top().kind == BlockKind::List && depth > level) {
      open_.pop_back();
    } else {
      break;
    }
  }
  if (top().kind == BlockKind::List && listDepth() == level && top().numbering != numbering) {
    open_.pop_back();
  }
  while (listDepth() < level) {
    if (top().kind == BlockKind::List) open_.push_back(&openChild(BlockKind::Item));
    Block& list = openChild(BlockKind::List);
    list.numbering = numbering;
    list.start = listDepth() + 1 == level ? start : 1;
    open_.push_back(&list);
  }
  open_.push_back(&openChild(BlockKind::Item));
  Block& paragraph = openChild(BlockKind::Paragraph);
  paragraph.align = align;
  current_ = &paragraph;
}

void Builder::paragraph(Align align, bool spaceAfter) {
  closeLists();
  Block& block = openChild(BlockKind::Paragraph);
  block.align = align;
  block.spaceAfter = spaceAfter;
  current_ = &block;
}

void Builder::heading(int level, Align align, bool spaceAfter) {
  closeLists();
  Block& block = openChild(BlockKind::Heading);
  block.level = std::clamp(level, 1, 3);
  block.align = align;
  block.spaceAfter = spaceAfter;
  current_ = &block;
}

void Builder::code() {
  closeLists();
  current_ = &openChild(BlockKind::Code);
}

void Builder::rule() {
  closeLists();
  openChild(BlockKind::Rule);
}

Block& Builder::current() {
  if (current_ == nullptr) paragraph();
  return *current_;
}

void Builder::text(std::u16string_view text, const Style& style) {
  if (text.empty()) return;
  std::vector<Run>& runs = current().runs;
  if (!runs.empty() && runs.back().picture.empty() && runs.back().style == style) {
    runs.back().text.append(text);
  } else {
    runs.push_back({std::u16string(text), style, {}});
  }
}

void Builder::picture(std::u16string_view address, std::u16string_view alt, const Style& style) {
  current().runs.push_back({std::u16string(alt), style, std::u16string(address)});
}

void Builder::beginTable() {
  closeLists();
  open_.push_back(&openChild(BlockKind::Table));
}

void Builder::row() {
  popUntil(BlockKind::Table);
  if (top().kind != BlockKind::Table) beginTable();
  open_.push_back(&openChild(BlockKind::Row));
}

void Builder::cell(bool header, Align align) {
  popUntil(BlockKind::Row);
  if (top().kind != BlockKind::Row) row();
  Block& cell = openChild(BlockKind::Cell);
  cell.header = header;
  cell.align = align;
  open_.push_back(&cell);
}

void Builder::endTable() {
  popUntil(BlockKind::Table);
  if (open_.size() > 1) open_.pop_back();
}

Model Builder::finish() {
  Model model;
  model.blocks = std::move(root_.children);
  root_.children.clear();
  open_.assign(1, &root_);
  current_ = nullptr;
  return model;
}

namespace {

constexpr std::array<std::string_view, 10> kKindNames = {
    "paragraph", "heading", "code", "rule", "quote", "list", "item", "table", "row", "cell",
};

constexpr std::array<std::string_view, 4> kAlignNames = {"left", "centre", "right", "justify"};

constexpr std::array<std::string_view, 6> kNumberingNames = {
    "bullet", "decimal", "lower-alpha", "upper-alpha", "lower-roman", "upper-roman",
};

// A text as a description quotes it: in UTF-8, with the line break, the tab, the quote and
// the backslash escaped.
std::string quoted(std::u16string_view text) {
  std::u16string escaped;
  for (const char16_t c : text) {
    if (c == u'\n') {
      escaped += u"\\n";
    } else if (c == u'\t') {
      escaped += u"\\t";
    } else if (c == u'"' || c == u'\\') {
      escaped += u'\\', escaped += c;
    } else {
      escaped += c;
    }
  }
  return "\"" + encodeUtf8(escaped) + "\"";
}

void describeRun(const Run& run, std::string& out) {
  if (!run.picture.empty()) out += "picture " + quoted(run.picture) + " alt=";
  out += quoted(run.text);
  constexpr std::array<std::pair<Flag, std::string_view>, 6> kFlags = {{
      {kBold, "bold"},
      {kItalic, "italic"},
      {kUnderline, "underline"},
      {kStrike, "strike"},
      {kSuper, "super"},
      {kSub, "sub"},
  }};
  for (const auto& [flag, name] : kFlags) {
    if (run.style.flags & flag) out += ' ', out += name;
  }
  if (!run.style.face.empty()) out += " face=" + quoted(run.style.face);
  if (run.style.size != 0) out += " size=" + std::to_string(run.style.size);
  if (!run.style.colour.empty()) out += " colour=" + encodeUtf8(run.style.colour);
  if (!run.style.link.empty()) out += " link=" + quoted(run.style.link);
}

void describeBlock(const Block& block, int depth, std::string& out) {
  const std::string indent(static_cast<std::size_t>(depth) * 2, ' ');
  out += indent;
  out += kKindNames[static_cast<std::size_t>(block.kind)];
  switch (block.kind) {
    case BlockKind::Heading:
      out += ' ' + std::to_string(block.level);
      break;
    case BlockKind::List:
      out += ' ';
      out += kNumberingNames[static_cast<std::size_t>(block.numbering)];
      if (block.start != 1) out += " start=" + std::to_string(block.start);
      break;
    case BlockKind::Cell:
      if (block.header) out += " header";
      break;
    default:
      break;
  }
  if (block.align != Align::Left)
    out += ' ', out += kAlignNames[static_cast<std::size_t>(block.align)];
  if (block.spaceAfter) out += " space";
  out += '\n';
  for (const Run& run : block.runs) {
    out += indent + "  ";
    describeRun(run, out);
    out += '\n';
  }
  for (const Block& child : block.children) describeBlock(child, depth + 1, out);
}

}  // namespace

std::string_view kindName(BlockKind kind) { return kKindNames[static_cast<std::size_t>(kind)]; }

std::string describe(const Model& model) {
  std::string out;
  for (const Block& block : model.blocks) describeBlock(block, 0, out);
  return out;
}

}  // namespace quillmark::post
