// fuzz_carry_over: two documents converted back to back by one converter, which keeps the
// colour and font tables, the "+F=" base size and a count of tokens still to skip from one
// conversion to the next. The input is two option headers, then the two documents apart at a
// 0x1E byte (FuzzInput.h).
//
// Both outputs get the checks of fuzz_convert (the second's plain-line check allows for a
// token skipped on the first document's behalf). And the second conversion must depend on
// the first only through what the converter is documented to keep: run again on a fresh
// conversion state given just the two tables, the base size and the skip count, it must
// give the same output. A stale stack, request, buffer or font tag left behind would make it
// differ.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "Engine.h"
#include "FuzzInput.h"
#include "OutputChecks.h"
#include "quillmark/convert.h"

namespace {

using namespace quillmark;
using namespace quillmark::fuzz;

void checkOutput(std::u16string_view rtf, std::u16string_view html, const Options& options,
                 std::optional<int> baseSize, bool firstTokenSkipped) {
  checkConversion(rtf, html,
                  {.lineBreaks = options.lineBreaks,
                   .noFaces = options.noFaces,
                   .links = options.links,
                   .baseSize = baseSize},
                  firstTokenSkipped);
}

}  // namespace

namespace {

// The engine's own entry on a bare state, given the 16-bit text of the public interface.
std::u16string convertBare(quillmark::ConversionState& s, std::u16string_view rtf,
                           std::u16string_view options) {
  std::string text = quillmark::toEngineText(rtf);
  return quillmark::fromEngineText(
      quillmark::convertRtfToHtml(s, text, false, quillmark::toEngineText(options)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Bytes input(data, size);
  const Options firstOptions = readOptions(input);
  const Options secondOptions = readOptions(input);
  const auto [firstBytes, secondBytes] = splitDocuments(input);
  const std::u16string first = documentText(firstBytes);
  const std::u16string second = documentText(secondBytes);

  Converter converter;
  const std::u16string firstHtml = converter.convertRtfToHtml(first, firstOptions.text);
  const std::u16string secondHtml = converter.convertRtfToHtml(second, secondOptions.text);

  ConversionState carried;
  if (convertBare(carried, first, firstOptions.text) != firstHtml) {
    fail("a bare conversion state converts differently from a new Converter", first, firstHtml);
  }
  const bool skipOwed = carried.skipTokens > 0;
  ConversionState fresh;
  fresh.colorTable = carried.colorTable;
  fresh.fontTable = carried.fontTable;
  fresh.baseFontSize = carried.baseFontSize;
  fresh.skipTokens = carried.skipTokens;
  if (const std::u16string again = convertBare(fresh, second, secondOptions.text);
      again != secondHtml) {
    fail(
        "the second conversion depends on more than the tables, the base size and the skip "
        "count; given only those, a fresh state writes:\n" +
            encodeUtf8(again),
        second, secondHtml);
  }

  // The base size lasts until an option string sets another.
  const std::optional<int> secondBase =
      secondOptions.baseSize ? secondOptions.baseSize : firstOptions.baseSize;
  checkOutput(first, firstHtml, firstOptions, firstOptions.baseSize, false);
  checkOutput(second, secondHtml, secondOptions, secondBase, skipOwed);
  return 0;
}
