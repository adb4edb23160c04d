// The finishing touches of "Copy to Web": the converter writes the face of every font, but a
// forum page should show its own default font where the document used one of the two
// standard faces; and the fixed-column markers become a preformatted block, whose lines end
// with their line ends alone.
#include <array>

#include "Engine.h"
#include "quillmark/convert.h"

namespace quillmark {

using namespace std::string_view_literals;
namespace {

struct Rewrite {
  std::string_view search;
  std::string_view replacement;  // never longer than `search`, so each pass works in place
};

// Applied one after the other, each to the result of the one before.
constexpr std::array<Rewrite, 4> kRewrites = {{
    {" face=\"MS Sans Serif\""sv, ""sv},
    {" face=\"Courier\""sv, ""sv},
    {"{Begin Fixed}"sv, html::kPreOpen},  // kFixedBegin
    {"{End Fixed}"sv, html::kPreClose},   // kFixedEnd
}};

using html::kBreak;
using html::kPreClose;
using html::kPreOpen;
constexpr std::string_view kCrLf = "\r\n"sv;

// A preformatted block keeps its line ends, so a "<br>" there would show a second one: inside
// each block, from a "<pre>" to the next "</pre>", a "<br>" followed by CR-LF is dropped and
// one without becomes CR-LF. One pass, in place: the text only ever gets shorter.
void correctPreformattedBreaks(std::string& html) {
  const std::string_view text = html;
  char* const out = html.data();
  std::size_t write = 0;
  std::size_t read = 0;
  const auto copy = [&](std::size_t from, std::size_t to) {
    if (write != from) std::char_traits<char>::move(out + write, out + from, to - from);
    write += to - from;
  };
  for (;;) {
    const std::size_t pre = findText(text, kPreOpen, read);
    if (pre == std::string_view::npos) break;
    const std::size_t end = findText(text, kPreClose, pre + kPreOpen.size());
    if (end == std::string_view::npos) break;
    std::size_t from = read;
    for (std::size_t at = findText(text.substr(0, end), kBreak, pre + kPreOpen.size());
         at != std::string_view::npos; at = findText(text.substr(0, end), kBreak, from)) {
      copy(from, at);
      from = at + kBreak.size();
      if (text.substr(from, kCrLf.size()) != kCrLf) {
        out[write++] = '\r';
        out[write++] = '\n';
      }
    }
    copy(from, end);
    read = end;
  }
  copy(read, text.size());
  html.resize(write);
}

}  // namespace

std::string rewriteForWeb(std::string html) {
  for (const Rewrite& r : kRewrites) {
    // The markers start with a brace, which HTML rarely holds: one memchr says whether a
    // search for them is worth its pass.
    if (r.search.front() == '{' && html.find('{') == std::string::npos) continue;
    replaceAllInPlace(html, r.search, r.replacement);
  }
  correctPreformattedBreaks(html);
  return html;
}

std::u16string rewriteForWeb(std::u16string html) {
  std::string text = toEngineText(html);
  html = {};
  return fromEngineText(rewriteForWeb(std::move(text)));
}

}  // namespace quillmark
