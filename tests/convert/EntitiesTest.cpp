// The characters behind "\'xx" escapes.
#include <gtest/gtest.h>

#include "Engine.h"

namespace quillmark {
namespace {

TEST(Entities, KeysAndResults) {
  const std::pair<std::u16string, std::u16string> rows[] = {
      {u"e9", u"&eacute;"},
      {u"E9", u"&eacute;"},
      {u"e4", u"&auml;"},
      {u"c4", u"&Auml;"},
      {u"a9", u"&copy;"},
      {u"b0", u"&deg;"},
      {u"d7", u"&times;"},
      {u"df", u"&szlig;"},
      {u"ff", u"&yuml;"},
      {u"a0", u"&nbsp;"},
      {u"ae", u"&reg;"},
      {u"00", u"&nbsp;"},
      {u"85", u"..."},
      {u"80", u"&euro;"},
      {u"91", u"&lsquo;"},
      {u"94", u"&rdquo;"},
      {u"96", u"&ndash;"},
      {u"97", u"&mdash;"},
      {u"9a", u"\u0161"},
      {u"9e", u"\u017E"},
      {u"8a", u"\u0160"},
      {u"8E", u"\u017D"},
      {u"99", u"<rtf>:\\super TM\\nosupersub"},
      {u"81", u""},
      {u"8d", u""},
      {u"8f", u""},
      {u"90", u""},
      {u"9d", u""},
      {u"41", u""},
      {u"0a", u""},
      {u"e", u""},
      {u"", u""},
      {u"e9x", u""},
      {u"zz", u""},
      {u" 9", u""},
  };
  for (const auto& [hex, text] : rows)
    EXPECT_EQ(fromEngineText(entityForHex(toEngineText(hex))), text)
        << std::string(hex.begin(), hex.end());
}

TEST(Entities, EveryUpperHalfCharacterHasText) {
  // Everything from 80 to FF has a result except the five codes Windows-1252 leaves empty.
  constexpr char16_t kHex[] = u"0123456789abcdef";
  int empty = 0;
  for (int code = 0x80; code <= 0xFF; ++code) {
    const std::u16string hex = {kHex[code / 16], kHex[code % 16]};
    if (entityForHex(toEngineText(hex)).empty()) ++empty;
  }
  EXPECT_EQ(empty, 5);
}

}  // namespace
}  // namespace quillmark
