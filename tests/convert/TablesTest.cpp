// The colour and font table readers, given the groups the driver cuts out.
#include <gtest/gtest.h>

#include "CaseFile.h"
#include "Engine.h"

namespace quillmark {
namespace {

using Table = std::vector<std::string>;

TEST(Tables, ColorTable) {
  const std::pair<std::string, Table> rows[] = {
      {"{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}", {"FF0000", "0000FF"}},
      // Without the empty first entry, the first colour is colour 0 and is skipped.
      {"{\\colortbl\\red255\\green0\\blue0;\\red0\\green0\\blue255;}", {"0000FF"}},
      {"{\\colortbl ;}", {}},
      {"{\\colortbl ;\\red16\\green64\\blue5;}",
       {"10"
        "40"
        "05"}},
      // Missing or digit-less components read as 0; the next colour is still read.
      {"{\\colortbl ;\\red255;\\red1\\green\\blue2;}", {"FF0000", "010002"}},
      // At most three digits, each of the two after the first tested on its own.
      {"{\\colortbl ;\\red1000\\green2x5\\blue0;}",
       {"64"
        "19"
        "00"}},
      {"{\\colortbl \\red255\\green0\\blue0}", {}},   // no ";" at all
      {"{\\colortbl ;\\red255\\green0\\blue0;", {}},  // no end mark
      {"{\\fonttbl ;\\red255\\green0\\blue0;}", {}},
  };
  for (const auto& [group, colors] : rows) {
    Table table = {"stale"};
    readColorTable(group, table);
    EXPECT_EQ(table, colors) << testing::visible(fromEngineText(group));
  }
}

TEST(Tables, FontTable) {
  const std::pair<std::string, Table> rows[] = {
      {"{\\fonttbl{\\f0\\fnil\\fcharset0 MS Sans Serif;}{\\f1\\fnil "
       "Courier;}{\\f2\\fnil\\fcharset2 Symbol;}}",
       {"MS Sans Serif", "Courier", "Symbol"}},
      {"{\\fonttbl{\\f0\\fnil Arial;}{\\f2\\fnil Symbol;}}", {"Arial"}},  // stops at the gap
      {"{\\fonttbl{\\f1\\fnil Arial;}}", {""}},                           // no font 0
      {"{\\fonttbl{\\f0\\fnil Arial;}", {""}},                            // no end mark
      // A nested group among the control words: the name starts right after it.
      {"{\\fonttbl{\\f0\\froman{\\*\\panose 02020603}\\fprq2 Times;}}", {"\\fprq2 Times"}},
      // A group after the name belongs to the name.
      {"{\\fonttbl{\\f0\\fswiss Arial{\\*\\falt Helv};}}", {"Arial{\\*\\falt Helv}"}},
      // The end of a nested group ends the control words, even with no name after it.
      {"{\\fonttbl{\\f0{\\fnil Arial;}}", {""}},
      // A nested group that never closes ends the reading at the end of the text.
      {"{\\fonttbl{\\f0{{{\\fnil Arial;}}", {""}},
      {"{\\fonttbl{\\f0\\fnil;}}", {""}},
  };
  for (const auto& [group, fonts] : rows) {
    Table table = {"stale", "stale"};
    readFontTable(group, table);
    EXPECT_EQ(table, fonts) << testing::visible(fromEngineText(group));
  }
}

TEST(Tables, FontNamesWithoutTheirSemicolonsStayShort) {
  std::string group = "{\\fonttbl";
  constexpr int kFonts = 20000;
  for (int n = 0; n < kFonts; ++n) {
    group += "{\\f";
    for (char c : std::to_string(n)) group += static_cast<char>(c);
    group += " a}";
  }
  group += ";}}";
  Table table;
  readFontTable(group, table);
  // Each name runs on to the table's one ";", across the fonts after it, but is cut short.
  ASSERT_EQ(table.size(), static_cast<std::size_t>(kFonts));
  EXPECT_EQ(table[0].size(), kMaxFontNameLength);
  EXPECT_EQ(table[0].substr(0, 9), "a}{\\f1 a}");
  EXPECT_EQ(table[kFonts - 1], "a}");
}

}  // namespace
}  // namespace quillmark
