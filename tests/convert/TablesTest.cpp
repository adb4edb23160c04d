// The colour and font table readers, given the groups the driver cuts out.
#include <gtest/gtest.h>

#include "CaseFile.h"
#include "Engine.h"

namespace quillmark {
namespace {

using Table = std::vector<std::u16string>;

TEST(Tables, ColorTable) {
  const std::pair<std::u16string, Table> rows[] = {
      {u"{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}", {u"FF0000", u"0000FF"}},
      // Without the empty first entry, the first colour is colour 0 and is skipped.
      {u"{\\colortbl\\red255\\green0\\blue0;\\red0\\green0\\blue255;}", {u"0000FF"}},
      {u"{\\colortbl ;}", {}},
      {u"{\\colortbl ;\\red16\\green64\\blue5;}",
       {u"10"
        u"40"
        u"05"}},
      // Missing or digit-less components read as 0; the next colour is still read.
      {u"{\\colortbl ;\\red255;\\red1\\green\\blue2;}", {u"FF0000", u"010002"}},
      // At most three digits, each of the two after the first tested on its own.
      {u"{\\colortbl ;\\red1000\\green2x5\\blue0;}",
       {u"64"
        u"19"
        u"00"}},
      {u"{\\colortbl \\red255\\green0\\blue0}", {}},   // no ";" at all
      {u"{\\colortbl ;\\red255\\green0\\blue0;", {}},  // no end mark
      {u"{\\fonttbl ;\\red255\\green0\\blue0;}", {}},
  };
  for (const auto& [group, colors] : rows) {
    Table table = {u"stale"};
    readColorTable(group, table);
    EXPECT_EQ(table, colors) << testing::visible(group);
  }
}

TEST(Tables, FontTable) {
  const std::pair<std::u16string, Table> rows[] = {
      {u"{\\fonttbl{\\f0\\fnil\\fcharset0 MS Sans Serif;}{\\f1\\fnil "
       u"Courier;}{\\f2\\fnil\\fcharset2 Symbol;}}",
       {u"MS Sans Serif", u"Courier", u"Symbol"}},
      {u"{\\fonttbl{\\f0\\fnil Arial;}{\\f2\\fnil Symbol;}}", {u"Arial"}},  // stops at the gap
      {u"{\\fonttbl{\\f1\\fnil Arial;}}", {u""}},                           // no font 0
      {u"{\\fonttbl{\\f0\\fnil Arial;}", {u""}},                            // no end mark
      // A nested group among the control words: the name starts right after it.
      {u"{\\fonttbl{\\f0\\froman{\\*\\panose 02020603}\\fprq2 Times;}}", {u"\\fprq2 Times"}},
      // A group after the name belongs to the name.
      {u"{\\fonttbl{\\f0\\fswiss Arial{\\*\\falt Helv};}}", {u"Arial{\\*\\falt Helv}"}},
      // The end of a nested group ends the control words, even with no name after it.
      {u"{\\fonttbl{\\f0{\\fnil Arial;}}", {u""}},
      // A nested group that never closes ends the reading at the end of the text.
      {u"{\\fonttbl{\\f0{{{\\fnil Arial;}}", {u""}},
      {u"{\\fonttbl{\\f0\\fnil;}}", {u""}},
  };
  for (const auto& [group, fonts] : rows) {
    Table table = {u"stale", u"stale"};
    readFontTable(group, table);
    EXPECT_EQ(table, fonts) << testing::visible(group);
  }
}

TEST(Tables, FontNamesWithoutTheirSemicolonsStayShort) {
  std::u16string group = u"{\\fonttbl";
  constexpr int kFonts = 20000;
  for (int n = 0; n < kFonts; ++n) {
    group += u"{\\f";
    for (char c : std::to_string(n)) group += static_cast<char16_t>(c);
    group += u" a}";
  }
  group += u";}}";
  Table table;
  readFontTable(group, table);
  // Each name runs on to the table's one ";", across the fonts after it, but is cut short.
  ASSERT_EQ(table.size(), static_cast<std::size_t>(kFonts));
  EXPECT_EQ(table[0].size(), kMaxFontNameLength);
  EXPECT_EQ(table[0].substr(0, 9), u"a}{\\f1 a}");
  EXPECT_EQ(table[kFonts - 1], u"a}");
}

}  // namespace
}  // namespace quillmark
