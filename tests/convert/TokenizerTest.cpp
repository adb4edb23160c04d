// Lines and tokens: trimming, cutting lines at CR-LF, cutting tokens off a line, and the
// string helpers the engine shares.
#include <gtest/gtest.h>

#include "CaseFile.h"
#include "Engine.h"

namespace quillmark {
namespace {

using testing::visible;

struct TokenRow {
  std::u16string line;
  std::u16string token;
  std::u16string rest;
};

TEST(Tokenizer, NextTokenCutsOneTokenOffTheFront) {
  const TokenRow rows[] = {
      {u"\\b Hello", u"\\b", u"Hello"},
      {u"\\b  Hello", u"\\b", u" Hello"},  // only one delimiting blank goes
      {u"\\fs20\\b", u"\\fs20", u"\\b"},
      {u"Hello world\\par", u"Hello world", u"\\par"},
      {u"\\'e9t\\'e9", u"\\'e9", u"t\\'e9"},
      {u"\\'e9 x", u"\\'e9", u" x"},  // an escape eats no blank
      {u"\\'e", u"\\'e", u""},        // cut short by the line's end
      {u"\\\\abc", u"\\\\", u"abc"},
      {u"\\{x", u"\\{", u"x"},
      {u"\\*\\generator x;", u"\\*", u"\\generator x;"},
      {u"abc}", u"abc", u"}"},
      {u"\\b0}", u"\\b0", u"}"},
      {u"{\\pict", u"{", u"\\pict"},
      {u"}", u"}", u""},
      {u"\\par ", u"\\par ", u""},  // the last unit is never examined
      {u"  x\\b", u"  x", u"\\b"},
      {u"a b", u"a b", u""},
      {u"\\b{x", u"\\b", u"{x"},
      {u"\\bText more", u"\\bText", u"more"},
      {u"\\", u"\\", u""},
      // "\uN" ends after its digits, so the fallback is not part of it.
      {u"\\u1057?", u"\\u1057", u"?"},
      {u"\\u-4 ?x", u"\\u-4", u"?x"},
      {u"\\u12", u"\\u12", u""},
      {u"\\uc1 x", u"\\uc1", u"x"},
      {u"\\u-x", u"\\u-x", u""},
      {u"\\ul x", u"\\ul", u"x"},
  };
  for (const TokenRow& row : rows) {
    LineText line;
    line.assign(row.line);
    EXPECT_EQ(visible(std::u16string(nextToken(line))), visible(row.token)) << visible(row.line);
    EXPECT_EQ(visible(std::u16string(line.view())), visible(row.rest)) << visible(row.line);
  }
}

TEST(Tokenizer, PrependedTextIsReadFirstEvenBeyondTheHeadroom) {
  LineText line;
  line.assign(u"\\'e9 tail");
  nextToken(line);
  line.prepend(u"&eacute;");
  EXPECT_EQ(nextToken(line), u"&eacute; tail");

  line.assign(u"x");
  const std::u16string longText(kLineHeadroom * 3, u'a');
  line.prepend(longText);
  line.prepend(longText);
  EXPECT_EQ(line.view(), longText + longText + u"x");
}

TEST(Tokenizer, TrimLineEnds) {
  const std::pair<std::u16string, std::u16string> rows[] =
      {
          {u"   ", u""},
          {u"\tx\t", u"\tx\t"},
          {u"ab  \r", u"ab  "},  // blanks before a trailing break stay
          {u"\r\n  ab", u"  ab"},
          {u" \r\n\r\nab\n\r ", u"ab"},
          {u"\n\r\rab\r\r\n", u"ab"},
          {u"", u""},
      };
  for (const auto& [text, trimmed] : rows) {
    EXPECT_EQ(visible(std::u16string(trimLineEnds(text))), visible(trimmed)) << visible(text);
  }
}

TEST(Tokenizer, NextLineSplitsAtCrLfOnly) {
  const std::pair<std::u16string, std::vector<std::u16string>> rows[] = {
      {u"one", {u"one"}},
      {u"one\r\n\r\n\r\ntwo", {u"one", u"two"}},
      {u"  one  \r\ntwo  ", {u"one  ", u"two"}},
      {u"a\rb\nc\r\nd", {u"a\rb\nc", u"d"}},
      {u"a\r\n   \r\nb", {u"a", u"", u"b"}},
  };
  for (const auto& [text, lines] : rows) {
    std::vector<std::u16string> got;
    for (std::u16string_view rest = text; !rest.empty();) got.emplace_back(nextLine(rest));
    EXPECT_EQ(got, lines) << visible(text);
  }
}

TEST(Tokenizer, ReplaceAllLeftToRightWithoutOverlap) {
  struct Row {
    std::u16string text, search, replacement, result;
  };
  const Row rows[] = {
      {u"   ", u" ", u"&nbsp;", u"&nbsp;&nbsp;&nbsp;"},
      {u"abc", u"", u"x", u"abc"},
      {u"", u"a", u"x", u""},
      {u"aaa", u"aa", u"b", u"ba"},
      {u"a", u"a", u"aa", u"aa"},  // a replacement is never searched again
      {u"\r\n\r\n\r\n", u"\r\n\r\n", u"\r\n", u"\r\n\r\n"},
      {u"xabyabab", u"ab", u"", u"xy"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(replaceAll(row.text, row.search, row.replacement), row.result) << visible(row.text);
    if (row.replacement.size() <= row.search.size()) {
      std::u16string text = row.text;
      replaceAllInPlace(text, row.search, row.replacement);
      EXPECT_EQ(text, row.result) << "in place: " << visible(row.text);
    }
  }
}

}  // namespace
}  // namespace quillmark
