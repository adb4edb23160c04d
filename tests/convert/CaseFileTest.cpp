// Runs every case of tests/convert/cases/*.txt through a fresh converter.
#include <gtest/gtest.h>

#include <set>

#include "CaseFile.h"
#include "quillmark/convert.h"

namespace quillmark::testing {
namespace {

class ConversionCases : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(ConversionCases, ConvertsExactly) {
  const ConversionCase& c = GetParam();
  Converter converter;
  const std::u16string html = converter.convertRtfToHtml(c.input, c.options);
  EXPECT_EQ(visible(html), visible(c.expected))
      << c.file << ".txt, \"" << c.name << "\", options \"" << encodeUtf8(c.options) << "\"\n"
      << "input:\n"
      << visible(c.input);
}

std::vector<ConversionCase> allCases() { return readCaseFiles(QUILLMARK_CASES_DIR); }

INSTANTIATE_TEST_SUITE_P(Cases, ConversionCases, ::testing::ValuesIn(allCases()),
                         [](const auto& param) { return testName(param.param); });

TEST(CaseFiles, NamesAreUniqueAndThereAreCases) {
  const auto cases = allCases();
  EXPECT_GE(cases.size(), 50u);
  std::set<std::string> names;
  for (const auto& c : cases) EXPECT_TRUE(names.insert(testName(c)).second) << testName(c);
}

TEST(CaseFiles, Format) {
  const auto cases = parseCaseFile(
      "# Topic\n"
      "## first one\n"
      "options:\n"
      "a␉b\n"
      "c␠\n"
      ".\n"
      "x␍␊\n"
      "~~~\n"
      "comment\n"
      "## second\n"
      ".\n"
      "~~~\n",
      "topic");
  ASSERT_EQ(cases.size(), 2u);
  EXPECT_EQ(cases[0].options, u"");
  EXPECT_EQ(cases[0].input, u"a\tb\r\nc ");
  EXPECT_EQ(cases[0].expected, u"x\r\n");
  EXPECT_EQ(testName(cases[0]), "topic_first_one");
  EXPECT_EQ(cases[1].options, u"+CR");
  EXPECT_EQ(cases[1].input, u"");
  EXPECT_THROW(parseCaseFile("## open\nx\n~~~\n", "bad"), std::runtime_error);
  EXPECT_THROW(parseCaseFile("## open\nx\n.\ny\n", "bad"), std::runtime_error);
}

}  // namespace
}  // namespace quillmark::testing
