// Runs every conversion case of tests/convert/cases/ through the real quillmark-convert
// --raw: reading the file, decoding, passing the options and writing UTF-8 must give exactly
// what the engine gives, for every example it has.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>

#include "CaseFile.h"
#include "Files.h"
#include "quillmark/convert.h"

namespace quillmark::testing {
namespace {

namespace fs = std::filesystem;

// The Windows-1252 bytes that decode to the text, or nothing when some unit has no byte.
std::optional<std::string> toWindows1252(std::u16string_view text) {
  static const std::map<char16_t, char> kBytes = [] {
    std::map<char16_t, char> bytes;
    for (int b = 0; b < 256; ++b) {
      const std::string byte(1, static_cast<char>(b));
      bytes.emplace(decodeWindows1252(byte).front(), byte.front());
    }
    return bytes;
  }();
  std::string result;
  for (const char16_t unit : text) {
    const auto found = kBytes.find(unit);
    if (found == kBytes.end()) return std::nullopt;
    result += found->second;
  }
  return result;
}

std::string shellQuoted(const std::string& text) {
  std::string quoted = "'";
  for (const char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

class ThroughTheProgram : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(ThroughTheProgram, GivesTheEnginesOutput) {
  const ConversionCase& c = GetParam();
  const std::optional<std::string> rtf = toWindows1252(c.input);
  const std::optional<std::string> options = toWindows1252(c.options);
  if (!rtf || !options) GTEST_SKIP() << "has characters a Windows-1252 file cannot hold";

  const fs::path dir = fs::path(::testing::TempDir()) / ("quillmark-cli-" + testName(c));
  fs::create_directories(dir);
  const fs::path input = dir / "input.rtf";
  const fs::path output = dir / "output.html";
  std::ofstream(input, std::ios::binary) << *rtf;

  const std::string command = shellQuoted(QUILLMARK_CONVERT) +
                              " --raw --options=" + shellQuoted(*options) + " -o " +
                              shellQuoted(output.string()) + " " + shellQuoted(input.string());
  ASSERT_EQ(std::system(command.c_str()), 0) << command;
  const std::string html = readFile(output);
  EXPECT_EQ(html, encodeUtf8(c.expected)) << c.file << ".txt, \"" << c.name << "\"\ninput:\n"
                                          << visible(c.input) << "\nexpected:\n"
                                          << visible(c.expected) << "\nactual:\n"
                                          << visible(fromUtf8(html));
  fs::remove_all(dir);
}

INSTANTIATE_TEST_SUITE_P(Cases, ThroughTheProgram,
                         ::testing::ValuesIn(readCaseFiles(QUILLMARK_CASES_DIR)),
                         [](const auto& param) { return testName(param.param); });

}  // namespace
}  // namespace quillmark::testing
