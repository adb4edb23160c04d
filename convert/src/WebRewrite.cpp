// The finishing touches of "Copy to Web": the converter writes the face of every font, but a
// forum page should show its own default font where the document used one of the two
// standard faces; and the fixed-column markers become a preformatted block.
#include <algorithm>
#include <array>

#include "Engine.h"
#include "quillmark/convert.h"

namespace quillmark {

using namespace std::string_view_literals;
namespace {

struct Rewrite {
  std::u16string_view search;
  std::u16string_view replacement;  // never longer than `search`, so each pass works in place
};

// Applied one after the other, each to the result of the one before.
constexpr std::array<Rewrite, 4> kRewrites = {{
    {u" face=\"MS Sans Serif\""sv, u""sv},
    {u" face=\"Courier\""sv, u""sv},
    {u"{Begin Fixed}"sv, u"<pre>"sv},
    {u"{End Fixed}"sv, u"</pre>"sv},
}};

// Replaces every occurrence, left to right, without overlap. What is kept moves left over
// what is removed.
void replaceInPlace(std::u16string& text, const Rewrite& r) {
  char16_t* data = text.data();
  const std::u16string_view all(data, text.size());
  std::size_t write = 0;
  std::size_t read = 0;  // everything before `read` is dealt with
  for (std::size_t at = findText(all, r.search); at != std::u16string_view::npos;
       at = findText(all, r.search, read)) {
    write = std::copy(data + read, data + at, data + write) - data;
    write = std::copy(r.replacement.begin(), r.replacement.end(), data + write) - data;
    read = at + r.search.size();
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
