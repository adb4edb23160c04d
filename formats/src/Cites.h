// A quote's source (post::Attribution) as each BBCode dialect writes it in the quote's opening
// tag, read and written by the dialect's form (Dialect::cite).
#pragma once

#include <string>
#include <string_view>

#include "Dialects.h"
#include "quillmark/post.h"

namespace quillmark::formats {

// The source an opening quote tag names, read as the dialect's form reads it. `rest` is what
// follows the tag's name up to its "]": `="bob" post_id=1 time=2`, ` author=bob date=2`,
// `="Ann, post: 1, member: 2"`, `=bob;12`. Attributes the form does not know are left out.
// Empty when the tag names no source.
post::Attribution readCite(std::u16string_view rest, CiteForm form);

// The quote's opening tag for `cite` in the dialect (its plain quote tag when the source has
// no author the tag can hold), and whether a part of the source was left out: one the
// dialect has no place for (XenForo keeps no time, vBulletin no account), or one its tag
// cannot hold (a "]" in a name, a post that is not a number).
struct CiteTag {
  std::u16string open;
  bool lost = false;
};
CiteTag citeTag(const post::Attribution& cite, const Dialect& d);

// The line a format without a quote source (Markdown) gives the quote's first line: "bob
// wrote:"; empty when the source names no author.
std::u16string citeLine(const post::Attribution& cite);

}  // namespace quillmark::formats
