// A post in parts: the model cut into pieces (whole blocks, or where one block alone is over
// the limit, its items, rows, blocks, sentences or lines), the pieces packed into as few
// parts as the limit allows and then as evenly as it allows, and each part written from a
// model of its own, rebuilt around its pieces with the containers they were in.
#include <algorithm>
#include <optional>
#include <string>
#include <utility>

#include "Dialects.h"
#include "quillmark/post.h"
#include "quillmark/split.h"

namespace quillmark {

namespace {

using post::Block;
using post::BlockKind;
using post::Model;
using post::Run;

// The forum software's own limits, as each ships.
constexpr PostLimit kLimits[] = {
    {Format::Html, 0, LengthUnit::Characters, "a web page's post box has no limit of its own"},
    {Format::Phpbb, 60000, LengthUnit::EscapedCharacters,
     "phpBB: max_post_chars, 60000 as installed; message_parser.php counts utf8_strlen of the "
     "trimmed message, which request_var has HTML-escaped (&, <, >, \")"},
    {Format::Xenforo, 10000, LengthUnit::Characters,
     "XenForo: messageMaxLength, 10000 as installed (its source is not public: counted as "
     "characters of the markup, as its message reads)"},
    {Format::Mybb, 65535, LengthUnit::Bytes,
     "MyBB: maxmessagelength, 65535 as installed; datahandlers/post.php verify_message "
     "compares strlen, bytes, of the trimmed message"},
    {Format::Smf, 20000, LengthUnit::Characters,
     "SMF: max_messageLength, 20000 as installed; Post2 compares $smcFunc['strlen'] of the "
     "message as sent, before it is HTML-escaped"},
    {Format::Vbulletin, 10000, LengthUnit::Characters,
     "vBulletin: postmaxchars, 10000 as installed (its source is not public: counted as "
     "characters of the markup)"},
    {Format::Bbcode, 0, LengthUnit::Characters, "no one forum: no limit of its own"},
    {Format::Markdown, 32000, LengthUnit::Characters,
     "Discourse: max_post_length, 32000 as installed (config/site_settings.yml), characters "
     "of the raw post"},
};

bool isSpace(char16_t c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r'; }

// ---- pieces -------------------------------------------------------------------------------

// A piece of the model: a block, or a fragment of one, with the containers it is in.
struct Piece {
  std::vector<const Block*> chain;  // the containers it is in, outermost first
  std::vector<std::size_t> index;   // the child of each container the piece is in or is
  Block atom;
  const Block* origin = nullptr;  // the block the atom is, or is a fragment of
};

// A container as a part opens it again: its own attributes, without what it holds.
Block skeleton(const Block& block) {
  Block copy;
  copy.kind = block.kind;
  copy.align = block.align;
  copy.level = block.level;
  copy.numbering = block.numbering;
  copy.marker = block.marker;
  copy.start = block.start;
  copy.task = block.task;
  copy.header = block.header;
  copy.label = block.label;
  copy.cite = block.cite;
  return copy;
}

bool isHeaderRow(const Block& row) {
  return row.kind == BlockKind::Row && !row.children.empty() &&
         std::all_of(row.children.begin(), row.children.end(),
                     [](const Block& cell) { return cell.header; });
}

// Runs appended to a block's, the first merged into the last when they are text of one style.
void appendRuns(std::vector<Run>& to, const std::vector<Run>& runs) {
  for (const Run& run : runs) {
    if (!to.empty() && run.isText() && to.back().isText() && to.back().style == run.style) {
      to.back().text += run.text;
    } else {
      to.push_back(run);
    }
  }
}

// The model of pieces [first, last): each piece inside the containers it came from, opened
// once for pieces in a row that share them; a list numbered on from the item it starts at, a
// table that starts past its header row with that row again. Fragments of one block in a row
// are one block again.
Model build(const std::vector<Piece>& pieces, std::size_t first, std::size_t last) {
  Model model;
  std::vector<std::pair<const Block*, Block*>> open;  // the original container, its copy
  const Block* lastOrigin = nullptr;
  for (std::size_t p = first; p < last; ++p) {
    const Piece& piece = pieces[p];
    std::size_t kept = 0;
    while (kept < open.size() && kept < piece.chain.size() &&
           open[kept].first == piece.chain[kept]) {
      ++kept;
    }
    const bool sameContainers = kept == open.size() && kept == piece.chain.size();
    open.resize(kept);
    std::vector<Block>* into = kept == 0 ? &model.blocks : &open.back().second->children;
    for (std::size_t level = kept; level < piece.chain.size(); ++level) {
      const Block& container = *piece.chain[level];
      Block copy = skeleton(container);
      const std::size_t from = piece.index[level];
      if (container.kind == BlockKind::List && container.numbering != post::Numbering::Bullet)
        copy.start = container.start + static_cast<int>(from);
      if (container.kind == BlockKind::Table && from > 0 && isHeaderRow(container.children[0]))
        copy.children.push_back(container.children[0]);
      into->push_back(std::move(copy));
      open.emplace_back(&container, &into->back());
      into = &into->back().children;
    }
    if (sameContainers && piece.origin == lastOrigin && !into->empty() &&
        post::holdsRuns(piece.atom.kind)) {
      appendRuns(into->back().runs, piece.atom.runs);  // the next fragment of the same block
    } else {
      into->push_back(piece.atom);
    }
    lastOrigin = piece.origin;
  }
  // The empty lines at a cut are the space between two parts, no part's own.
  const auto empty = [](const Block& block) {
    return block.kind == BlockKind::Paragraph && block.runs.empty();
  };
  while (!model.blocks.empty() && empty(model.blocks.back())) model.blocks.pop_back();
  const auto lead = std::find_if_not(model.blocks.begin(), model.blocks.end(), empty);
  model.blocks.erase(model.blocks.begin(), lead);
  // A paragraph cut at a line's end ends the part without that line end.
  Block* leaf = model.blocks.empty() ? nullptr : &model.blocks.back();
  while (leaf != nullptr && post::isContainer(leaf->kind))
    leaf = leaf->children.empty() ? nullptr : &leaf->children.back();
  if (leaf != nullptr && leaf->kind != BlockKind::Code) {
    while (!leaf->runs.empty() && leaf->runs.back().isText()) {
      std::u16string& text = leaf->runs.back().text;
      while (!text.empty() && isSpace(text.back())) text.pop_back();
      if (!text.empty()) break;
      leaf->runs.pop_back();
    }
  }
  return model;
}

// The places a leaf's text may be cut, as offsets into its runs' text: after a line's end,
// else after a sentence's end and its blanks, else after any blank, else anywhere.
enum class Cut { Line, Sentence, Word, Character };

std::vector<std::size_t> cutsOf(std::u16string_view text, Cut cut) {
  std::vector<std::size_t> cuts;
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    const char16_t c = text[i];
    bool after = false;
    switch (cut) {
      case Cut::Line:
        after = c == u'\n';
        break;
      case Cut::Sentence:
        after = isSpace(text[i + 1]) ? false
                                     : isSpace(c) && i > 0 &&
                                           (text[i - 1] == u'.' || text[i - 1] == u'!' ||
                                            text[i - 1] == u'?' || text[i - 1] == u':');
        break;
      case Cut::Word:
        after = isSpace(c) && !isSpace(text[i + 1]);
        break;
      case Cut::Character:
        // Never between the halves of a surrogate pair.
        after = !(c >= 0xD800 && c <= 0xDBFF);
        break;
    }
    if (after) cuts.push_back(i + 1);
  }
  return cuts;
}

// The runs of a leaf between two offsets of its text; a picture or markup run goes with the
// fragment it starts in.
std::vector<Run> slice(const std::vector<Run>& runs, std::size_t from, std::size_t to) {
  std::vector<Run> out;
  std::size_t at = 0;
  for (const Run& run : runs) {
    const std::size_t end = at + run.text.size();
    if (!run.isText()) {
      if (at >= from && at < to) out.push_back(run);
    } else if (end > from && at < to) {
      Run part = run;
      const std::size_t begin = std::max(at, from);
      part.text = run.text.substr(begin - at, std::min(end, to) - begin);
      if (!part.text.empty()) out.push_back(std::move(part));
    }
    at = end;
  }
  return out;
}

class Splitter {
 public:
  Splitter(Format format, const PostOptions& options) : format_(format), options_(options) {}

  // The post of a model as writePost writes it: sizes and faces as the model holds them, so
  // every part shows them as the whole did.
  Post write(const Model& model) const { return writePost(model, format_, options_); }

  std::size_t length(const Model& model) const { return forumLength(write(model).text, format_); }

  // Cuts the blocks into pieces each within `room`, wherever that can be.
  void cut(const std::vector<Block>& blocks, std::size_t room) {
    std::vector<const Block*> chain;
    std::vector<std::size_t> index;
    for (std::size_t i = 0; i < blocks.size(); ++i) {
      index.push_back(i);
      cut(blocks[i], chain, index, room);
      index.pop_back();
    }
  }

  std::vector<Piece>& pieces() { return pieces_; }

  // What each piece adds to a part: alone, and after the piece before it (its containers
  // then opened once for both). A part's length is about its first piece alone and what each
  // of the others adds; writing the part tells it exactly.
  void measure() {
    alone_.assign(pieces_.size(), 0);
    added_.assign(pieces_.size(), 0);
    for (std::size_t i = 0; i < pieces_.size(); ++i) {
      alone_[i] = length(build(pieces_, i, i + 1));
      if (i == 0) continue;
      const std::size_t pair = length(build(pieces_, i - 1, i + 1));
      added_[i] = pair > alone_[i - 1] ? pair - alone_[i - 1] : 0;
    }
  }

  // The pieces in parts, each part [first, last) of them: from `first` on, the most pieces
  // that fit `room` (a piece alone always makes a part). With `exact`, each part is written
  // to be sure of it; else its length is the estimate.
  std::vector<std::size_t> pack(std::size_t room, bool exact) const {
    std::vector<std::size_t> ends;
    for (std::size_t first = 0; first < pieces_.size();) {
      std::size_t last = first + 1;
      for (std::size_t estimate = alone_[first];
           last < pieces_.size() && estimate + added_[last] <= room; ++last) {
        estimate += added_[last];
      }
      if (exact && last > first + 1 && length(build(pieces_, first, last)) > room) {
        // The estimate was short of the truth: the most pieces that do fit, by halves.
        std::size_t fits = first + 1, over = last;
        while (over - fits > 1) {
          const std::size_t mid = fits + (over - fits) / 2;
          (length(build(pieces_, first, mid)) <= room ? fits : over) = mid;
        }
        last = fits;
      }
      ends.push_back(last);
      first = last;
    }
    return ends;
  }

 private:
  Piece pieceOf(const Block& atom, const Block& origin, const std::vector<const Block*>& chain,
                const std::vector<std::size_t>& index) const {
    Piece piece;
    piece.chain = chain;
    // The index of the container's child the piece is in: one per container.
    piece.index.assign(index.begin() + 1, index.end());
    piece.atom = atom;
    piece.origin = &origin;
    return piece;
  }

  void cut(const Block& block, std::vector<const Block*>& chain, std::vector<std::size_t>& index,
           std::size_t room) {
    Piece whole = pieceOf(block, block, chain, index);
    const bool fits = length(build({whole}, 0, 1)) <= room;
    if (fits || block.kind == BlockKind::Rule || block.kind == BlockKind::Markup ||
        block.kind == BlockKind::Row) {
      pieces_.push_back(std::move(whole));
      return;
    }
    if (post::isContainer(block.kind)) {
      if (block.children.empty()) {
        pieces_.push_back(std::move(whole));
        return;
      }
      chain.push_back(&block);
      for (std::size_t i = 0; i < block.children.size(); ++i) {
        // A table's header row goes again at the head of every part; it is no piece.
        if (block.kind == BlockKind::Table && i == 0 && isHeaderRow(block.children[0]) &&
            block.children.size() > 1) {
          continue;
        }
        index.push_back(i);
        cut(block.children[i], chain, index, room);
        index.pop_back();
      }
      chain.pop_back();
      return;
    }
    cutLeaf(block, chain, index, room);
  }

  // A paragraph, heading or code block over the limit alone: cut at its lines, else its
  // sentences, else its words, else anywhere, each fragment a piece.
  void cutLeaf(const Block& block, const std::vector<const Block*>& chain,
               const std::vector<std::size_t>& index, std::size_t room) {
    std::u16string text;
    for (const Run& run : block.runs) text += run.text;
    cutText(block, text, 0, text.size(), Cut::Line, chain, index, room);
  }

  // The next finer way to cut a leaf of the kind, if any: a code block's lines are cut
  // nowhere but at their ends, unless one line alone is over the limit.
  static std::optional<Cut> finer(Cut cut, BlockKind kind) {
    switch (cut) {
      case Cut::Line:
        return kind == BlockKind::Code ? Cut::Character : Cut::Sentence;
      case Cut::Sentence:
        return Cut::Word;
      case Cut::Word:
        return Cut::Character;
      case Cut::Character:
        break;
    }
    return std::nullopt;
  }

  void cutText(const Block& block, std::u16string_view text, std::size_t from, std::size_t to,
               Cut cut, const std::vector<const Block*>& chain,
               const std::vector<std::size_t>& index, std::size_t room) {
    std::vector<std::size_t> cuts;
    for (const std::size_t at : cutsOf(text.substr(from, to - from), cut))
      cuts.push_back(from + at);
    cuts.push_back(to);
    std::size_t begin = from;
    for (const std::size_t end : cuts) {
      Block fragment = skeleton(block);
      fragment.spaceAfter = end == text.size() && block.spaceAfter;
      fragment.runs = slice(block.runs, begin, end);
      if (fragment.runs.empty()) {
        begin = end;
        continue;
      }
      Piece piece = pieceOf(fragment, block, chain, index);
      const std::optional<Cut> next = finer(cut, block.kind);
      if (next && end - begin > 1 && length(build({piece}, 0, 1)) > room) {
        cutText(block, text, begin, end, *next, chain, index, room);
      } else {
        pieces_.push_back(std::move(piece));
      }
      begin = end;
    }
  }

  Format format_;
  const PostOptions& options_;
  std::vector<Piece> pieces_;
  std::vector<std::size_t> alone_, added_;
};

// "(2/3)", the mark that ends a part.
std::u16string mark(std::size_t part, std::size_t parts) {
  const std::string text = "(" + std::to_string(part) + "/" + std::to_string(parts) + ")";
  return std::u16string(text.begin(), text.end());
}

// A paragraph of plain text at the model's end.
void addParagraph(Model& model, std::u16string text) {
  Block& paragraph = model.blocks.emplace_back();
  Run run;
  run.text = std::move(text);
  paragraph.runs.push_back(std::move(run));
}

// The mark that ends a part, a line of its own after an empty one, in the forum's own text.
void addMark(Model& model, std::size_t part, std::size_t parts) {
  model.blocks.emplace_back();
  addParagraph(model, mark(part, parts));
}

}  // namespace

const PostLimit& postLimit(Format format) {
  for (const PostLimit& limit : kLimits)
    if (limit.format == format) return limit;
  return kLimits[0];
}

std::size_t forumLength(std::u16string_view post, Format format) {
  std::size_t begin = 0, end = post.size();
  while (begin < end && isSpace(post[begin])) ++begin;
  while (end > begin && isSpace(post[end - 1])) --end;
  const LengthUnit unit = postLimit(format).unit;
  std::size_t length = 0;
  for (std::size_t i = begin; i < end; ++i) {
    const char16_t c = post[i];
    const bool pair =
        c >= 0xD800 && c <= 0xDBFF && i + 1 < end && post[i + 1] >= 0xDC00 && post[i + 1] <= 0xDFFF;
    switch (unit) {
      case LengthUnit::Characters:
        length += 1;
        break;
      case LengthUnit::EscapedCharacters:
        length += c == u'&' ? 5 : c == u'<' || c == u'>' ? 4 : c == u'"' ? 6 : 1;
        break;
      case LengthUnit::Bytes:
        length += pair ? 4 : c < 0x80 ? 1 : c < 0x800 ? 2 : 3;
        break;
    }
    if (pair) ++i;
  }
  return length;
}

std::vector<Post> splitPost(const post::Model& model, Format format, const PostOptions& options,
                            const SplitOptions& split) {
  const formats::Dialect* dialect = formats::dialectOf(format);
  if (dialect == nullptr) return {writePost(model, format, options)};
  Splitter splitter(format, options);
  Post whole = splitter.write(model);
  if (split.limit == 0 || forumLength(whole.text, format) <= split.limit) return {whole};

  // The room a part has for the post's own text: the limit less its mark, which grows with
  // the number of parts' digits; tried again with more room kept when they outgrow it.
  std::vector<std::size_t> ends;
  for (std::size_t digits = 1; digits <= 6; ++digits) {
    std::size_t markRoom = 0;
    if (split.marks) {
      // What the widest mark of that many digits adds to a part, line ends and all.
      std::size_t most = 9;
      for (std::size_t d = 1; d < digits; ++d) most = most * 10 + 9;
      Model unmarked;
      addParagraph(unmarked, std::u16string(1, u'x'));
      Model marked = unmarked;
      addMark(marked, most, most);
      markRoom = splitter.length(marked) - splitter.length(unmarked);
    }
    const std::size_t room = split.limit > markRoom ? split.limit - markRoom : 1;
    splitter.pieces().clear();
    splitter.cut(model.blocks, room);
    splitter.measure();
    ends = splitter.pack(room, true);
    // As even as can be in that many parts: the least room that still packs them so.
    std::size_t lo = 1, hi = room;
    while (lo < hi) {
      const std::size_t mid = lo + (hi - lo) / 2;
      if (splitter.pack(mid, false).size() <= ends.size()) {
        hi = mid;
      } else {
        lo = mid + 1;
      }
    }
    if (std::vector<std::size_t> even = splitter.pack(lo, true); even.size() <= ends.size())
      ends = std::move(even);
    if (!split.marks || std::to_string(ends.size()).size() <= digits) break;
  }

  std::vector<Post> parts;
  std::size_t first = 0;
  for (const std::size_t end : ends) {
    Model part = build(splitter.pieces(), first, end);
    if (split.marks) addMark(part, parts.size() + 1, ends.size());
    parts.push_back(splitter.write(part));
    first = end;
  }
  return parts;
}

}  // namespace quillmark
