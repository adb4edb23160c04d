// The finishing touches of "Copy to Web": the converter writes the face of every font, but a
// forum page should show its own default font where the document used one of the two
// standard faces; and the fixed-column markers become a preformatted block.
#include <algorithm>
#include <array>

#include "quillmark/convert.h"

namespace quillmark {
namespace {

struct Rewrite {
  std::u16string_view search;
  std::u16string_view replacement;  // never longer than `search`, so each pass works in place
  std::size_t anchor;               // a unit of `search` that is rare in text: found first
};

// Applied one after the other, each to the result of the one before.
constexpr std::array<Rewrite, 4> kRewrites = {{
    {u" face=\"MS Sans Serif\"", u"", 5},
    {u" face=\"Courier\"", u"", 5},
    {u"{Begin Fixed}", u"<pre>", 0},
    {u"{End Fixed}", u"</pre>", 0},
}};

// Replaces every occurrence, left to right, without overlap. What is kept moves left over
// what is removed.
void replaceInPlace(std::u16string& text, const Rewrite& r) {
  char16_t* data = text.data();
  const std::u16string_view all(data, text.size());
  const char16_t anchor = r.search[r.anchor];
  std::size_t write = 0;
  std::size_t read = 0;  // everything before `read` is dealt with
  for (std::size_t at = all.find(anchor, r.anchor); at != std::u16string_view::npos;
       at = all.find(anchor, at + 1)) {
    const std::size_t start = at - r.anchor;
    if (start < read || all.compare(start, r.search.size(), r.search) != 0) continue;
    write = std::copy(data + read, data + start, data + write) - data;
    write = std::copy(r.replacement.begin(), r.replacement.end(), data + write) - data;
    read = start + r.search.size();
    at = read - 1;
  }
  if (read == 0) return;
  write = std::copy(data + read, data + all.size(), data + write) - data;
  text.resize(write);
}

}  // namespace

std::u16string rewriteForWeb(std::u16string html) {
  for (const Rewrite& r : kRewrites) replaceInPlace(html, r);
  return html;
}

}  // namespace quillmark
