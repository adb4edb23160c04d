// The readers of a post's text back into the post model, one per kind of markup.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "Dialects.h"
#include "quillmark/post.h"

namespace quillmark::formats {

// A BBCode post read by the dialect's own tags: the model the dialect's emitter would write
// that text for.
post::Model readBbcode(std::u16string_view text, const Dialect& d);

// How much of a text a dialect reads as markup: the tags it reads, and those of them opened
// and closed (a code block, a picture or a bare link counts as one of each).
struct BbcodeMarkup {
  std::size_t tags = 0;
  std::size_t paired = 0;
};
BbcodeMarkup bbcodeMarkup(std::u16string_view text, const Dialect& d);

// A Markdown post read through cmark-gfm's tree (tables and strike-through on).
post::Model readMarkdown(std::u16string_view text);

// The text with "\r\n" and a lone "\r" as "\n", as an edit box gives its lines.
std::u16string unifiedLineEnds(std::u16string_view text);

}  // namespace quillmark::formats
