// Lines and tokens: trimming, cutting lines at CR-LF, cutting tokens off a line, and the
// string helpers the engine shares.
#include <gtest/gtest.h>

#include "CaseFile.h"
#include "Engine.h"

namespace quillmark {
namespace {

// Failure messages show the engine's 8-bit text as the 16-bit text it stands for.
std::string visible(std::string_view text) { return testing::visible(fromEngineText(text)); }

struct TokenRow {
  std::string line;
  std::string token;
  std::string rest;
};

TEST(Tokenizer, NextTokenCutsOneTokenOffTheFront) {
  const TokenRow rows[] = {
      {"\\b Hello", "\\b", "Hello"},
      {"\\b  Hello", "\\b", " Hello"},  // only one delimiting blank goes
      {"\\fs20\\b", "\\fs20", "\\b"},
      {"Hello world\\par", "Hello world", "\\par"},
      {"\\'e9t\\'e9", "\\'e9", "t\\'e9"},
      {"\\'e9 x", "\\'e9", " x"},  // an escape eats no blank
      {"\\'e", "\\'e", ""},        // cut short by the line's end
      {"\\\\abc", "\\\\", "abc"},
      {"\\{x", "\\{", "x"},
      {"\\*\\generator x;", "\\*", "\\generator x;"},
      {"abc}", "abc", "}"},
      {"\\b0}", "\\b0", "}"},
      {"{\\pict", "{", "\\pict"},
      {"}", "}", ""},
      {"\\par ", "\\par ", ""},  // the last unit is never examined
      {"  x\\b", "  x", "\\b"},
      {"a b", "a b", ""},
      {"\\b{x", "\\b", "{x"},
      {"\\bText more", "\\bText", "more"},
      {"\\", "\\", ""},
      // "\uN" ends after its digits, so the fallback is not part of it.
      {"\\u1057?", "\\u1057", "?"},
      {"\\u-4 ?x", "\\u-4", "?x"},
      {"\\u12", "\\u12", ""},
      {"\\uc1 x", "\\uc1", "x"},
      {"\\u-x", "\\u-x", ""},
      {"\\ul x", "\\ul", "x"},
      // Units of more than one byte (the engine's 8-bit text) are taken whole.
      {"\\'\u00e9\u20acx", "\\'\u00e9\u20ac", "x"},
      {"\\'9\u00e9", "\\'9\u00e9", ""},
      {"\\'\u00e9", "\\'\u00e9", ""},
      {"\u00e9\u00e9\\b", "\u00e9\u00e9", "\\b"},
      {"\\b\u20ac x", "\\b\u20ac", "x"},
      {"\u20ac", "\u20ac", ""},
  };
  for (const TokenRow& row : rows) {
    LineText line;
    line.assign(row.line);
    EXPECT_EQ(visible(std::string(nextToken(line))), visible(row.token)) << visible(row.line);
    EXPECT_EQ(visible(std::string(line.view())), visible(row.rest)) << visible(row.line);
  }
}

TEST(Tokenizer, PrependedTextIsReadFirstEvenBeyondTheHeadroom) {
  LineText line;
  line.assign("\\'e9 tail");
  nextToken(line);
  line.prepend("&eacute;");
  EXPECT_EQ(nextToken(line), "&eacute; tail");

  line.assign("x");
  const std::string longText(kLineHeadroom * 3, 'a');
  line.prepend(longText);
  line.prepend(longText);
  EXPECT_EQ(line.view(), longText + longText + "x");
}

TEST(Tokenizer, TrimLineEnds) {
  const std::pair<std::string, std::string> rows[] = {
      {"   ", ""},
      {"\tx\t", "\tx\t"},
      {"ab  \r", "ab  "},  // blanks before a
                           // trailing break stay
      {"\r\n  ab", "  ab"},
      {" \r\n\r\nab\n\r ", "ab"},
      {"\n\r\rab\r\r\n", "ab"},
      {"", ""},
  };
  for (const auto& [text, trimmed] : rows) {
    EXPECT_EQ(visible(std::string(trimLineEnds(text))), visible(trimmed)) << visible(text);
  }
}

TEST(Tokenizer, NextLineSplitsAtCrLfOnly) {
  const std::pair<std::string, std::vector<std::string>> rows[] = {
      {"one", {"one"}},
      {"one\r\n\r\n\r\ntwo", {"one", "two"}},
      {"  one  \r\ntwo  ", {"one  ", "two"}},
      {"a\rb\nc\r\nd", {"a\rb\nc", "d"}},
      {"a\r\n   \r\nb", {"a", "", "b"}},
  };
  for (const auto& [text, lines] : rows) {
    std::vector<std::string> got;
    for (std::string_view rest = text; !rest.empty();) got.emplace_back(nextLine(rest));
    EXPECT_EQ(got, lines) << visible(text);
  }
}

TEST(Tokenizer, ReplaceAllLeftToRightWithoutOverlap) {
  struct Row {
    std::string text, search, replacement, result;
  };
  const Row rows[] = {
      {"   ", " ", "&nbsp;", "&nbsp;&nbsp;&nbsp;"},
      {"abc", "", "x", "abc"},
      {"", "a", "x", ""},
      {"aaa", "aa", "b", "ba"},
      {"a", "a", "aa", "aa"},  // a replacement is never searched again
      {"\r\n\r\n\r\n", "\r\n\r\n", "\r\n", "\r\n\r\n"},
      {"xabyabab", "ab", "", "xy"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(replaceAll(row.text, row.search, row.replacement), row.result) << visible(row.text);
    if (row.replacement.size() <= row.search.size()) {
      std::string text = row.text;
      replaceAllInPlace(text, row.search, row.replacement);
      EXPECT_EQ(text, row.result) << "in place: " << visible(row.text);
    }
  }
}

}  // namespace
}  // namespace quillmark
