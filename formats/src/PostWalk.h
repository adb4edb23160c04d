// What the checks before a copy share: the writer's text as a reader of the fragment sees
// it, the excerpts their messages quote, and the walk of a post beside that text.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "Dialects.h"
#include "RunModel.h"

namespace quillmark::formats {

// The writer's text of the fragment, its lines each ended by "\n".
std::u16string plainText(const Document& doc);

// The text as a message quotes it, in UTF-8: every character that shows no mark of its own
// but the space (a line end, a tab, a no-break or other space, a soft hyphen or another
// invisible character) named in angle brackets, so that two texts that differ never read
// alike: "a<tab>b", "Ro<U+00AD>vers".
std::string visible(std::u16string_view text);

// Up to 24 units of the text from `at`, quoted, as visible() shows it.
std::string snippet(std::u16string_view text, std::size_t at);

// The post and the writer's text walked side by side: what matches the text is text, what
// a checker recognises as its format's markup is checked for nesting, and anything else is
// wrong. Blanks and line ends are skipped on both sides, so a check is on the words and
// their order, not on spacing.
class PostWalk {
 public:
  PostWalk(std::u16string_view post, std::u16string_view text) : post_(post), text_(text) {}

 protected:
  void skipBlanks();
  // The post at postAt_ repeats the writer's text at textAt_ for `count` units.
  bool textAhead(std::size_t count) const;
  // The unit at postAt_ is the writer's next: both sides move on past it.
  bool matchText();
  std::optional<std::string> mismatch() const;
  // At the post's end: what is wrong when text is left over, or an element open (`open` names
  // the innermost).
  std::optional<std::string> finish(bool nothingOpen, std::string_view open);

  std::u16string_view post_;
  std::u16string_view text_;  // the writer's text, plainText
  std::size_t postAt_ = 0;
  std::size_t textAt_ = 0;
};

// checkPost for BBCode dialects and for Markdown, against the writer's text.
std::optional<std::string> checkBbcodePost(std::u16string_view post, std::u16string_view text,
                                           const Dialect& dialect);
std::optional<std::string> checkMarkdownPost(std::u16string_view post, std::u16string_view text);

}  // namespace quillmark::formats
