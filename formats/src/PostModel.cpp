// The post model's builder and its description for tests.
#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "quillmark/convert.h"
#include "quillmark/post.h"

namespace quillmark::post {

int htmlSize(double points) {
  if (!(points > 0)) return 1;
  const double size = std::floor(std::round(points * 2) / 7);
  return static_cast<int>(std::clamp(size, 1.0, 7.0));
}

namespace {

// Each HTML size's percentage of the normal size 3, as a browser shows <font size>: 10, 13,
// 16, 18, 24, 32 and 48 pixels.
constexpr std::array<int, 8> kPercentOfHtmlSize = {0, 63, 81, 100, 113, 150, 200, 300};

}  // namespace

int percentOfHtmlSize(int size) { return kPercentOfHtmlSize[std::clamp(size, 1, 7)]; }

int htmlSizeOfPercent(int percent) {
  if (percent <= 0) return 3;
  // The nearest on the eye's scale, where a step is a ratio: the midpoints are geometric.
  int best = 1;
  for (int k = 2; k <= 7; ++k) {
    const double mid = std::sqrt(double(kPercentOfHtmlSize[k - 1]) * kPercentOfHtmlSize[k]);
    if (percent >= mid) best = k;
  }
  return best;
}

// ---- Walk ---------------------------------------------------------------------------------

bool Walk::next() {
  if (block_ != nullptr && event_ == Event::Enter) {
    if (skip_ || block_->children.empty()) {
      skip_ = false;
      event_ = Event::Exit;
      return true;
    }
    parents_.push_back(block_);
    levels_.push_back({&block_->children, 0});
  }
  skip_ = false;
  Level& level = levels_.back();
  if (level.next < level.blocks->size()) {
    block_ = &(*level.blocks)[level.next++];
    event_ = Event::Enter;
    return true;
  }
  if (levels_.size() == 1) return false;
  levels_.pop_back();
  block_ = parents_.back();
  parents_.pop_back();
  event_ = Event::Exit;
  return true;
}

// ---- Tree ---------------------------------------------------------------------------------

Tree::Tree() {
  root_.kind = BlockKind::Quote;
  open_.push_back(&root_);
}

int Tree::count(BlockKind kind) const {
  return static_cast<int>(std::count_if(open_.begin() + 1, open_.end(),
                                        [&](const Block* b) { return b->kind == kind; }));
}

bool Tree::allowed(BlockKind kind) const {
  switch (kind) {
    case BlockKind::Quote:
    case BlockKind::Spoiler:
      return count(BlockKind::Quote) + count(BlockKind::Spoiler) < kMaxQuoteDepth;
    case BlockKind::List:
      return count(BlockKind::List) < kMaxListLevel;
    case BlockKind::Table:
      return count(BlockKind::Table) < kMaxTableDepth;
    default:
      return true;
  }
}

namespace {

// What a container must hold right inside it (Paragraph where it holds any block), and what
// a block must stand in (Quote where it stands in any container).
BlockKind childOf(BlockKind container) {
  switch (container) {
    case BlockKind::List:
      return BlockKind::Item;
    case BlockKind::Table:
      return BlockKind::Row;
    case BlockKind::Row:
      return BlockKind::Cell;
    default:
      return BlockKind::Paragraph;
  }
}

BlockKind parentOf(BlockKind kind) {
  switch (kind) {
    case BlockKind::Item:
      return BlockKind::List;
    case BlockKind::Row:
      return BlockKind::Table;
    case BlockKind::Cell:
      return BlockKind::Row;
    default:
      return BlockKind::Quote;
  }
}

bool fits(BlockKind container, BlockKind kind) {
  const BlockKind needs = parentOf(kind);
  if (needs != BlockKind::Quote) return container == needs;
  return childOf(container) == BlockKind::Paragraph;
}

}  // namespace

Block& Tree::open(BlockKind kind) {
  current_ = nullptr;
  opened_ = false;
  if (!isContainer(kind) || !allowed(kind)) return top();
  // A block where it cannot stand gets what it needs around it: an item outside a list is in
  // a list, a cell outside a row in a row, a paragraph in a list in an item.
  const BlockKind needs = parentOf(kind);
  if (needs != BlockKind::Quote && topKind() != needs) {
    open(needs);
    if (topKind() != needs) return top();  // a limit stopped it
  } else if (needs == BlockKind::Quote) {
    while (!fits(topKind(), kind)) {
      const std::size_t before = open_.size();
      open(childOf(topKind()));
      if (open_.size() == before) return top();
    }
  }
  Block& block = top().children.emplace_back();
  block.kind = kind;
  open_.push_back(&block);
  opened_ = true;
  return block;
}

void Tree::close() {
  current_ = nullptr;
  if (open_.size() > 1) open_.pop_back();
}

void Tree::closeTo(std::size_t depth) {
  current_ = nullptr;
  if (open_.size() > depth + 1) open_.resize(depth + 1);
}

Block& Tree::leaf(BlockKind kind) {
  current_ = nullptr;
  while (childOf(topKind()) != BlockKind::Paragraph) {
    const std::size_t before = open_.size();
    open(childOf(topKind()));
    if (open_.size() == before) break;
  }
  Block& block = top().children.emplace_back();
  block.kind = kind;
  if (holdsRuns(kind)) current_ = &block;
  return block;
}

void Tree::text(std::u16string_view text, const Style& style) {
  if (text.empty()) return;
  if (current_ == nullptr) leaf(BlockKind::Paragraph);
  std::vector<Run>& runs = current_->runs;
  if (!runs.empty() && runs.back().isText() && runs.back().style == style) {
    runs.back().text.append(text);
  } else {
    runs.push_back({std::u16string(text), style, {}});
  }
}

void Tree::picture(std::u16string_view address, std::u16string_view alt, const Style& style) {
  if (current_ == nullptr) leaf(BlockKind::Paragraph);
  current_->runs.push_back(Run::ofPicture(address, alt, style));
}

void Tree::markup(std::u16string_view text, Format format) {
  if (text.empty()) return;
  if (current_ == nullptr) leaf(BlockKind::Paragraph);
  std::vector<Run>& runs = current_->runs;
  if (!runs.empty() && runs.back().kind == RunKind::Markup && runs.back().markup == format) {
    runs.back().text.append(text);
  } else {
    runs.push_back(Run::ofMarkup(text, format));
  }
}

SharedText SharedTexts::share(std::u16string_view text) {
  if (text.empty()) return {};
  if (const auto it = texts_.find(text); it != texts_.end()) return it->second;
  SharedText shared(text);
  texts_.emplace(shared.view(), shared);
  return shared;
}

Model Tree::finish() {
  Model model;
  model.blocks = std::move(root_.children);
  root_.children.clear();
  open_.assign(1, &root_);
  current_ = nullptr;
  shared_.clear();
  return model;
}

// ---- check --------------------------------------------------------------------------------

std::optional<std::string> check(const Model& model) {
  int quotes = 0, lists = 0, tables = 0;
  for (Walk walk(model); walk.next();) {
    const Block& b = walk.block();
    const int step = walk.event() == Event::Enter ? 1 : -1;
    if (b.kind == BlockKind::Quote || b.kind == BlockKind::Spoiler) quotes += step;
    if (b.kind == BlockKind::List) lists += step;
    if (b.kind == BlockKind::Table) tables += step;
    if (walk.event() == Event::Exit) continue;
    const std::string where = std::string(kindName(b.kind)) + " at depth " +
                              std::to_string(walk.depth()) + ", place " +
                              std::to_string(walk.index() + 1);
    const BlockKind container = walk.parent() ? walk.parent()->kind : BlockKind::Quote;
    if (!fits(container, b.kind)) {
      return where + ": inside a " + std::string(walk.parent() ? kindName(container) : "post");
    }
    if (quotes > Tree::kMaxQuoteDepth || lists > Tree::kMaxListLevel ||
        tables > Tree::kMaxTableDepth) {
      return where + ": deeper than the model's limits";
    }
    if (!holdsRuns(b.kind) && !b.runs.empty()) return where + ": holds runs";
    if (!isContainer(b.kind) && !b.children.empty()) return where + ": holds blocks";
    if (b.kind == BlockKind::Heading && (b.level < 1 || b.level > 6)) {
      return where + ": level " + std::to_string(b.level);
    }
    if (b.kind == BlockKind::Markup &&
        (b.runs.size() != 1 || b.runs.front().kind != RunKind::Markup)) {
      return where + ": holds other than one markup run";
    }
    for (const Run& run : b.runs) {
      if (b.kind == BlockKind::Code && run.kind != RunKind::Text) {
        return where + ": a picture or markup in code";
      }
      if (run.kind != RunKind::Picture && run.text.empty()) return where + ": an empty run";
      if ((run.kind == RunKind::Picture) != !run.picture.empty()) {
        return where + ": a picture run without its address, or an address on another run";
      }
    }
  }
  return std::nullopt;
}

// ---- Builder ------------------------------------------------------------------------------

int Builder::listDepth() const {
  int depth = 0;
  for (std::size_t d = tree_.depth(); d > 0; --d) {
    const BlockKind kind = tree_.openAt(d)->kind;
    if (kind == BlockKind::List) {
      ++depth;
    } else if (kind != BlockKind::Item) {
      break;
    }
  }
  return depth;
}

void Builder::closeLists() {
  while (tree_.topKind() == BlockKind::List || tree_.topKind() == BlockKind::Item) tree_.close();
  tree_.endLeaf();
}

void Builder::popUntil(BlockKind kind) {
  while (!tree_.atRoot() && tree_.topKind() != kind) tree_.close();
  tree_.endLeaf();
}

void Builder::quoteDepth(int depth, const Attribution& cite) {
  closeLists();
  if (tree_.count(BlockKind::Table) > 0) return;
  depth = std::clamp(depth, 0, kMaxQuoteDepth);
  while (static_cast<int>(tree_.depth()) > depth) tree_.close();
  while (static_cast<int>(tree_.depth()) < depth) {
    Block& quote = tree_.open(BlockKind::Quote);
    if (!tree_.opened()) break;
    if (static_cast<int>(tree_.depth()) == depth) quote.cite = cite;
  }
}

void Builder::item(int level, Numbering numbering, int start, Align align, Task task) {
  level = std::clamp(level, 1, kMaxListLevel);
  // Keep the lists down to `level` and the items of the lists outside it.
  for (;;) {
    const int depth = listDepth();
    if (tree_.topKind() == BlockKind::Item && depth >= level) {
      tree_.close();
    } else if (tree_.topKind() == BlockKind::List && depth > level) {
      tree_.close();
    } else {
      break;
    }
  }
  if (tree_.topKind() == BlockKind::List && listDepth() == level &&
      tree_.top().numbering != numbering) {
    tree_.close();
  }
  while (listDepth() < level) {
    if (tree_.topKind() == BlockKind::List) tree_.open(BlockKind::Item);
    const bool first = listDepth() + 1 == level;
    Block& list = tree_.open(BlockKind::List);
    if (!tree_.opened()) break;
    list.numbering = numbering;
    list.start = first ? start : 1;
  }
  tree_.open(BlockKind::Item).task = task;
  tree_.leaf(BlockKind::Paragraph).align = align;
}

void Builder::paragraph(Align align, bool spaceAfter) {
  closeLists();
  Block& block = tree_.leaf(BlockKind::Paragraph);
  block.align = align;
  block.spaceAfter = spaceAfter;
}

void Builder::heading(int level, Align align, bool spaceAfter) {
  closeLists();
  Block& block = tree_.leaf(BlockKind::Heading);
  block.level = std::clamp(level, 1, 6);
  block.align = align;
  block.spaceAfter = spaceAfter;
}

void Builder::code(std::u16string_view language) {
  closeLists();
  tree_.leaf(BlockKind::Code).label = language;
}

void Builder::rule() {
  closeLists();
  tree_.leaf(BlockKind::Rule);
}

void Builder::beginTable() {
  closeLists();
  tree_.open(BlockKind::Table);
}

void Builder::row() {
  popUntil(BlockKind::Table);
  if (tree_.topKind() != BlockKind::Table) beginTable();
  tree_.open(BlockKind::Row);
}

void Builder::cell(bool header, Align align) {
  popUntil(BlockKind::Row);
  if (tree_.topKind() != BlockKind::Row) row();
  Block& cell = tree_.open(BlockKind::Cell);
  cell.header = header;
  cell.align = align;
}

void Builder::endTable() {
  popUntil(BlockKind::Table);
  if (!tree_.atRoot()) tree_.close();
}

namespace {

constexpr std::array<std::string_view, kBlockKindCount> kKindNames = {
    "paragraph", "heading", "code", "rule", "quote",   "list",
    "item",      "table",   "row",  "cell", "spoiler", "markup",
};

constexpr std::array<std::string_view, 4> kAlignNames = {"left", "centre", "right", "justify"};

constexpr std::array<std::string_view, 5> kMarkerNames = {"default", "disc", "circle", "square",
                                                          "none"};

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

constexpr std::array<std::string_view, 8> kFormatNames = {
    "html", "phpbb", "xenforo", "mybb", "smf", "vbulletin", "bbcode", "markdown",
};

void describeRun(const Run& run, std::string& out) {
  if (run.kind == RunKind::Picture) out += "picture " + quoted(run.picture) + " alt=";
  if (run.kind == RunKind::Markup) {
    out += "markup ";
    out += kFormatNames[static_cast<std::size_t>(run.markup)];
    out += ' ';
  }
  out += quoted(run.text);
  constexpr std::array<std::pair<Flag, std::string_view>, 8> kFlags = {{
      {kBold, "bold"},
      {kItalic, "italic"},
      {kUnderline, "underline"},
      {kStrike, "strike"},
      {kSuper, "super"},
      {kSub, "sub"},
      {kCode, "code"},
      {kSpoiler, "spoiler"},
  }};
  for (const auto& [flag, name] : kFlags) {
    if (run.style.flags & flag) out += ' ', out += name;
  }
  if (!run.style.face.empty()) out += " face=" + quoted(run.style.face);
  if (run.style.size != 0) out += " size=" + std::to_string(run.style.size);
  if (!run.style.colour.empty()) out += " colour=" + encodeUtf8(run.style.colour);
  if (!run.style.link.empty()) out += " link=" + quoted(run.style.link);
  if (!run.style.title.empty()) out += " title=" + quoted(run.style.title);
}

void describeCite(const Attribution& cite, std::string& out) {
  const std::pair<std::string_view, const std::u16string*> parts[] = {
      {"author", &cite.author}, {"post", &cite.post}, {"member", &cite.member},
      {"time", &cite.time},     {"link", &cite.link},
  };
  for (const auto& [name, text] : parts) {
    if (!text->empty()) out += ' ', out += name, out += '=', out += quoted(*text);
  }
}

void describeBlock(const Block& block, std::size_t depth, std::string& out) {
  const std::string indent(depth * 2, ' ');
  out += indent;
  out += kKindNames[static_cast<std::size_t>(block.kind)];
  switch (block.kind) {
    case BlockKind::Heading:
      out += ' ' + std::to_string(block.level);
      break;
    case BlockKind::List:
      out += ' ';
      out += kNumberingNames[static_cast<std::size_t>(block.numbering)];
      if (block.marker != Marker::Default) {
        out += " marker=";
        out += kMarkerNames[static_cast<std::size_t>(block.marker)];
      }
      if (block.start != 1) out += " start=" + std::to_string(block.start);
      break;
    case BlockKind::Item:
      if (block.task != Task::None) out += block.task == Task::Done ? " done" : " open";
      break;
    case BlockKind::Quote:
      describeCite(block.cite, out);
      break;
    case BlockKind::Code:
      if (!block.label.empty()) out += " language=" + quoted(block.label);
      break;
    case BlockKind::Spoiler:
      if (!block.label.empty()) out += " title=" + quoted(block.label);
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
}

}  // namespace

std::string_view kindName(BlockKind kind) { return kKindNames[static_cast<std::size_t>(kind)]; }

std::string describe(const Model& model) {
  std::string out;
  for (Walk walk(model); walk.next();) {
    if (walk.event() == Event::Enter) describeBlock(walk.block(), walk.depth(), out);
  }
  return out;
}

}  // namespace quillmark::post
