// The check of a Markdown post: emphasis and strike-through delimiters and links nest and
// close on their line, backslashes escape only the writer's punctuation, a fenced block is
// closed, and everything else is the writer's text.
#include <string>
#include <utility>
#include <vector>

#include "Emit.h"
#include "PostWalk.h"
#include "quillmark/convert.h"

namespace quillmark::formats {
namespace {

class MarkdownWalk : PostWalk {
 public:
  using PostWalk::PostWalk;

  std::optional<std::string> run() {
    while (true) {
      if (auto wrong = skipSpace()) return wrong;
      if (postAt_ >= post_.size()) break;
      const std::optional<Step> step = fenceLength_ > 0 ? insideFence()
                                       : inCodeSpan_    ? insideCodeSpan()
                                                        : markup();
      if (step && step->wrong) return step->wrong;
      if (step) continue;
      if (!matchText()) return mismatch();
    }
    if (fenceLength_ > 0) return "code block left open";
    if (inCodeSpan_) return "code span left open";
    return finish(open_.empty(), open_.empty() ? "" : encodeUtf8(open_.back()));
  }

 private:
  // What one piece of markup did: passed (with nothing wrong) or found something wrong.
  struct Step {
    std::optional<std::string> wrong;
  };
  static Step passed() { return {}; }
  static Step fault(std::string what) { return {std::move(what)}; }

  // Blanks and line ends; line ends matter here: emphasis must close on its line.
  std::optional<std::string> skipSpace() {
    while (postAt_ < post_.size() && isSpaceLike(post_[postAt_])) {
      if (post_[postAt_] == u'\n' && !open_.empty() && fenceLength_ == 0) {
        return "emphasis open at a line end";
      }
      if (post_[postAt_] == u'\n') previousRow_ = std::exchange(tableRow_, false);
      ++postAt_;
    }
    while (textAt_ < text_.size() && isSpaceLike(text_[textAt_])) ++textAt_;
    return std::nullopt;
  }

  // Whether only a line's container markers (quotes' ">", a list item's indent) stand before
  // postAt_ on its line.
  bool atLineStart() const {
    for (std::size_t at = postAt_; at > 0; --at) {
      const char16_t c = post_[at - 1];
      if (c == u'\n') return true;
      if (c != u' ' && c != u'>') return false;
    }
    return true;
  }
  bool atLineEnd(std::size_t at) const { return at >= post_.size() || post_[at] == u'\n'; }

  // The backticks from postAt_, counted up to `most`.
  std::size_t backticks(std::size_t most) const {
    std::size_t count = 0;
    while (count < most && postAt_ + count < post_.size() && post_[postAt_ + count] == u'`') {
      ++count;
    }
    return count;
  }

  // In a fenced block everything is text but the closing fence: a line that starts with as
  // many backticks as the opening one (counted no further, so that lines of backticks in a
  // block with a long fence cost no more than their length).
  std::optional<Step> insideFence() {
    // A block inside quotes repeats their markers at the start of each of its lines.
    if (postAt_ > 0 && post_[postAt_ - 1] == u'\n') lineQuotes_ = 0;
    if (post_[postAt_] == u'>' && lineQuotes_ < fenceQuotes_ && atLineStart()) {
      ++postAt_, ++lineQuotes_;
      return passed();
    }
    if (!atLineStart() || backticks(fenceLength_) < fenceLength_) return std::nullopt;
    postAt_ += fenceLength_;
    fenceLength_ = 0;
    return passed();
  }

  // Where the run of exactly `count` backticks that closes a code span begins on the line
  // after `from`; npos when there is none.
  std::size_t codeSpanClose(std::size_t from, std::size_t count) const {
    std::size_t at = from;
    while (at < post_.size() && post_[at] != u'\n') {
      if (post_[at] != u'`') {
        ++at;
        continue;
      }
      std::size_t run = 0;
      while (at + run < post_.size() && post_[at + run] == u'`') ++run;
      if (run == count) return at;
      at += run;
    }
    return std::u16string_view::npos;
  }

  // A code span opens: its text is the writer's, literal, up to the closing backticks.
  Step codeSpan() {
    const std::size_t count = backticks(post_.size());
    const std::size_t close = codeSpanClose(postAt_ + count, count);
    if (close == std::u16string_view::npos) return fault("a backtick run that closes no code");
    postAt_ += count;
    codeSpanClose_ = close;
    codeSpanFence_ = count;
    inCodeSpan_ = true;
    return passed();
  }

  // In a code span everything is text up to its closing backticks; in a table's cell a "|"
  // is escaped.
  std::optional<Step> insideCodeSpan() {
    if (postAt_ == codeSpanClose_) {
      postAt_ += codeSpanFence_;
      inCodeSpan_ = false;
      return passed();
    }
    if (tableRow_ && post_[postAt_] == u'\\' && postAt_ + 1 < post_.size() &&
        post_[postAt_ + 1] == u'|') {
      ++postAt_;
    }
    return std::nullopt;
  }

  // The markup at postAt_ outside a fenced block; nothing when it is text.
  std::optional<Step> markup() {
    const char16_t c = post_[postAt_];
    const bool lineStart = atLineStart();
    if (postAt_ == 0 || post_[postAt_ - 1] == u'\n') lineQuotes_ = 0;
    if (lineStart && c == u'>') {
      ++postAt_, ++lineQuotes_;
      return passed();
    }
    if (lineStart && c == u'|') {
      // A table's row. Its second line is the delimiter row (dashes, colons, bars), markup
      // as a whole; a row of the writer's dashes further down is text.
      rowIndex_ = previousRow_ ? rowIndex_ + 1 : 0;
      tableRow_ = true;
      std::size_t end = postAt_;
      bool dashes = false;
      while (end < post_.size() && post_[end] != u'\n') {
        const char16_t d = post_[end];
        if (d != u'|' && d != u'-' && d != u':' && d != u' ') break;
        dashes = dashes || d == u'-';
        ++end;
      }
      postAt_ = rowIndex_ == 1 && dashes && atLineEnd(end) ? end : postAt_ + 1;
      return passed();
    }
    // A run of backticks closed on its line is a code span; at a line's start, any other is
    // a fence, and the rest of its line the block's language.
    if (c == u'`') {
      const std::size_t count = backticks(post_.size());
      if (!lineStart || codeSpanClose(postAt_ + count, count) != std::u16string_view::npos) {
        return codeSpan();
      }
      fenceQuotes_ = lineQuotes_;
      fenceLength_ = count;
      postAt_ += fenceLength_;
      if (fenceLength_ < 3) return fault("a backtick run that is no fence");
      while (postAt_ < post_.size() && post_[postAt_] != u'\n') ++postAt_;
      return passed();
    }
    // A bullet item; the second of two lists in a row is marked "* " to stand apart.
    if (lineStart &&
        (post_.substr(postAt_).starts_with(u"- ") || post_.substr(postAt_).starts_with(u"* "))) {
      postAt_ += 2;
      return passed();
    }
    if (lineStart) {
      if (const std::size_t n = lineMarker()) {
        postAt_ += n;
        return passed();
      }
    }
    if (post_.substr(postAt_).starts_with(u"![")) return picture();
    switch (c) {
      case u'\\':
        return backslash();
      case u'*':
        return asterisks();
      case u'~':
        return tildes();
      case u'[':
        open_.push_back(u"[");
        ++postAt_;
        return passed();
      case u']':
        return linkEnd();
      case u'|':
        if (!tableRow_) return fault("an unescaped markup character at " + snippet(post_, postAt_));
        if (!open_.empty()) return fault("emphasis open at a cell's end");
        ++postAt_;
        return passed();
      case u'<':
        // Markup kept as typed (raw HTML) is in the writer's text as it is in the post.
        if (textAhead(1)) return std::nullopt;
        return fault("an unescaped markup character at " + snippet(post_, postAt_));
      case u'_':
        return fault("an unescaped markup character at " + snippet(post_, postAt_));
      default:
        return std::nullopt;
    }
  }

  // A hard break, or an escape of the writer's next character.
  Step backslash() {
    const char16_t next = postAt_ + 1 < post_.size() ? post_[postAt_ + 1] : u'\0';
    if (next == u'\n') {
      if (!open_.empty()) return fault("emphasis open at a hard break");
      postAt_ += 2;
      return passed();
    }
    if (isAsciiPunct(next) && textAt_ < text_.size() && text_[textAt_] == next) {
      postAt_ += 2, ++textAt_;
      return passed();
    }
    return fault("a backslash that escapes nothing of the text at " + snippet(post_, postAt_));
  }

  // A run of asterisks either closes elements, innermost first, or opens them; the writer
  // never does both at one place.
  Step asterisks() {
    std::size_t count = 0;
    while (postAt_ < post_.size() && post_[postAt_] == u'*') ++postAt_, ++count;
    std::size_t depth = open_.size(), left = count;
    while (left > 0 && depth > 0 && open_[depth - 1] != u"~~" && open_[depth - 1] != u"[" &&
           open_[depth - 1].size() <= left) {
      left -= open_[--depth].size();
    }
    if (left == 0) {
      open_.resize(depth);
      return passed();
    }
    for (; count >= 2; count -= 2) open_.push_back(u"**");
    if (count == 1) open_.push_back(u"*");
    return passed();
  }

  Step tildes() {
    if (!post_.substr(postAt_).starts_with(u"~~")) return fault("an unescaped \"~\"");
    if (!open_.empty() && open_.back() == u"~~") {
      open_.pop_back();
    } else {
      open_.push_back(u"~~");
    }
    postAt_ += 2;
    return passed();
  }

  // "](ADDRESS)" ends the link text opened last. The walk goes on after the ")" or stops
  // here, so the search for it reads each unit of the post at most once.
  Step linkEnd() {
    if (open_.empty() || open_.back() != u"[") return fault("a link closed across emphasis");
    const std::size_t end = post_.find(u')', postAt_);
    if (!post_.substr(postAt_).starts_with(u"](") || end == std::u16string_view::npos) {
      return fault("a link without its address");
    }
    open_.pop_back();
    postAt_ = end + 1;
    return passed();
  }

  // The length of a numbered item's "3. ", a heading's "## " or a rule's "---" at postAt_;
  // 0 when there is none. The writer's own digits or "#" at a line's start are escaped.
  std::size_t lineMarker() const {
    const std::u16string_view rest = post_.substr(postAt_);
    std::size_t digits = 0;
    while (digits < rest.size() && digits < 9 && rest[digits] >= u'0' && rest[digits] <= u'9') {
      ++digits;
    }
    if (digits > 0 &&
        (rest.substr(digits).starts_with(u". ") || rest.substr(digits).starts_with(u") "))) {
      return digits + 2;
    }
    std::size_t hashes = 0;
    while (hashes < rest.size() && hashes < 3 && rest[hashes] == u'#') ++hashes;
    if (hashes > 0 && rest.substr(hashes).starts_with(u" ")) return hashes + 1;
    if (rest.starts_with(u"---") && atLineEnd(postAt_ + 3)) return 3;
    return 0;
  }

  // "![ALT](ADDRESS)": a picture is markup, its alternative text too, which is no text of the
  // paragraph.
  Step picture() {
    std::size_t at = postAt_ + 2;
    while (at < post_.size() && post_[at] != u']' && post_[at] != u'\n') {
      at += post_[at] == u'\\' ? 2 : 1;
    }
    if (!post_.substr(std::min(at, post_.size())).starts_with(u"](")) {
      return fault("a picture without its address");
    }
    const std::size_t end = post_.find_first_of(u")\n", at);
    if (end == std::u16string_view::npos || post_[end] != u')') {
      return fault("a picture without its address");
    }
    postAt_ = end + 1;
    return passed();
  }

  std::size_t lineQuotes_ = 0;             // the quote markers passed on the current line
  std::size_t fenceQuotes_ = 0;            // the quote markers before the open fence
  std::vector<std::u16string_view> open_;  // the delimiters open, innermost last ("[" a link)
  std::size_t fenceLength_ = 0;            // the backticks of the open fence; 0 outside one
  std::size_t codeSpanClose_ = 0;          // where the open code span's closing backticks begin
  std::size_t codeSpanFence_ = 0;          // and how many there are
  bool inCodeSpan_ = false;
  bool tableRow_ = false;     // the current line is a table's row
  bool previousRow_ = false;  // the line before was one
  std::size_t rowIndex_ = 0;  // the current row's line in its table, from 0
};

}  // namespace

std::optional<std::string> checkMarkdownPost(std::u16string_view post, std::u16string_view text) {
  return MarkdownWalk(post, text).run();
}

}  // namespace quillmark::formats
