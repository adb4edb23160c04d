// fuzz_convert: one document through a fresh converter, then the "Copy to Web" rewrites and
// UTF-8, as the editor's Copy to Web does. The input is an option header and a document
// (FuzzInput.h); every file of tests/regression/ is such an input.
//
// Besides crashes, sanitizer reports and the engine's own assertions, it checks
// (OutputChecks.h):
//   - the markup: the closed tag vocabulary, closing tags only for open elements, every
//     element closed at the end, no empty element, entities only from the converter's table,
//     CR-LFs after breaks with "+CR", no font face with "-FF", no size attribute naming the
//     "+F=" size, links only with "+A" and only to accepted addresses;
//   - plain lines survive: in a document with none of the words that make the converter cut
//     or skip text (the table and information groups, "\pict", "\*", "\pntext", "\pntxta",
//     "\pntxtb"), a line with no backslash or brace is one text run, written as it is, so it
//     appears in the output, less the blanks and line ends at its ends, the lines in order;
//   - rewriteForWeb, encodeUtf8 and decodeWindows1252 agree with plain implementations of
//     what they promise, on the output and on arbitrary text made from the input;
//   - the document's bytes converted as they are (convertRtfToHtml8, what quillmark-convert
//     does) give the same units as its 16-bit text, and the same UTF-8 after the rewrites.
//
// Text is written verbatim, so the document's bytes '<', '>' and '&' become '[', ']' and '+'
// before it is converted, and the tag (or entity) checks are left out for the rare document
// where a "\u" escape may write a '<' (or '&'); OutputChecks.h says why that is enough.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "FuzzInput.h"
#include "OutputChecks.h"
#include "quillmark/convert.h"

namespace {

using namespace quillmark;
using namespace quillmark::fuzz;

// encodeUtf8 works through a buffer of 4096 units at a time; text made of the input's bytes
// taken in pairs, repeated past that size, puts every kind of unit (surrogates too) on and
// around the buffer's edge.
void checkUtf8OnUnits(Bytes input) {
  constexpr std::size_t kPastOneBuffer = 4096 + 16;
  if (input.size() < 2) return;
  std::u16string units;
  for (std::size_t i = 0; i + 1 < input.size(); i += 2) {
    units.push_back(static_cast<char16_t>(input[i] | (input[i + 1] << 8)));
  }
  std::u16string text;
  while (text.size() < kPastOneBuffer) text += units;
  checkUtf8(text);
}

// The road of quillmark-convert, bytes in and UTF-8 out, against the 16-bit road.
void checkByteRoad(std::u16string_view rtf, std::u16string_view options, std::u16string_view html) {
  const std::optional<std::string> bytes = encodeWindows1252(rtf);
  if (!bytes) return;
  std::string buffer = *bytes;
  std::string html8 = Converter{}.convertRtfToHtml8(buffer, options);
  if (fromUtf8(html8) != html) fail("the byte road converts differently", rtf, fromUtf8(html8));
  std::string web = rewriteForWeb(std::move(html8));
  pairSurrogates(web);
  if (web != encodeUtf8(rewriteForWeb(std::u16string(html)))) {
    fail("the byte road's rewrites or UTF-8 differ", rtf, html);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Bytes input(data, size);
  const Options options = readOptions(input);
  const std::u16string rtf = documentText(input);

  Converter converter;
  const std::u16string html = converter.convertRtfToHtml(rtf, options.text);

  checkConversion(rtf, html,
                  {.lineBreaks = options.lineBreaks,
                   .noFaces = options.noFaces,
                   .links = options.links,
                   .baseSize = options.baseSize},
                  false);

  checkByteRoad(rtf, options.text, html);
  checkWebRewrite(html);
  checkWebRewrite(rtf);
  checkUtf8(rewriteForWeb(html));
  checkWindows1252({reinterpret_cast<const char*>(input.data()), input.size()});
  checkUtf8OnUnits(input);
  return 0;
}
