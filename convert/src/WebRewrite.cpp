// The finishing touches of "Copy to Web": the converter writes the face of every font, but a
// forum page should show its own default font where the document used one of the two
// standard faces; and the fixed-column markers become a preformatted block.
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
    {kFixedBegin, u"<pre>"sv},
    {kFixedEnd, u"</pre>"sv},
}};

}  // namespace

std::u16string rewriteForWeb(std::u16string html) {
  for (const Rewrite& r : kRewrites) replaceAllInPlace(html, r.search, r.replacement);
  return html;
}

}  // namespace quillmark
