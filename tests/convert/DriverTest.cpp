// The driver: options, cutting groups out of the text, what one converter carries from one
// conversion to the next, and the text helpers at the engine's edge.
#include <gtest/gtest.h>

#include "CaseFile.h"
#include "Engine.h"
#include "quillmark/convert.h"

namespace quillmark {
namespace {

using testing::visible;

TEST(Driver, Options) {
  struct Row {
    std::u16string options;
    std::u16string lineBreak;
    std::int16_t baseFontSize;
    bool facesOn;
  };
  const Row rows[] = {
      {u"", u"", 5, true},
      {u"+CR", u"\r\n", 5, true},
      {u"+F=12", u"", 12, true},
      {u"+F=007", u"", 7, true},
      {u"+F=x", u"", 0, true},
      {u"+F=", u"", 0, true},
      {u"-FF+CR", u"\r\n", 5, false},
      {u"+CR+F=3-FF", u"\r\n", 3, false},
      {u"+F=99999999", u"", 32767, true},
      {u"+cr -ff", u"", 5, true},
      {u"+F=2+F=4", u"", 2, true},
  };
  for (const Row& row : rows) {
    ConversionState s;
    s.baseFontSize = 5;  // kept when the options give none
    readOptions(s, row.options);
    EXPECT_EQ(std::u16string(s.lineBreak), row.lineBreak) << visible(row.options);
    EXPECT_EQ(s.baseFontSize, row.baseFontSize) << visible(row.options);
    EXPECT_EQ(s.fontFacesOn, row.facesOn) << visible(row.options);
  }
}

TEST(Driver, CutGroup) {
  struct Row {
    std::u16string text;
    std::u16string at;  // the group is the one around the first occurrence of this
    std::u16string group;
    std::u16string left;
  };
  const Row rows[] = {
      {u"{\\rtf1{\\colortbl;\\red1;}\r\n\r\nrest", u"\\colortbl", u"{\\colortbl;\\red1;}",
       u"{\\rtf1\r\nrest"},
      {u"x{a{b}c}y", u"c", u"{a{b}c}", u"xy"},
      // The opening brace is the text's first unit: it stays, and the group starts after it.
      {u"{\\colortbl;}x", u"\\colortbl", u"\\colortbl;}", u"{x"},
      // The closing brace is the last unit, which is never examined: it stays.
      {u"ab{\\colortbl;}", u"\\colortbl", u"{\\colortbl;", u"ab}"},
      // Escaped braces count like any other.
      {u"x{a\\{b}c}y", u"b", u"{b}", u"x{a\\c}y"},
      {u"a\r\n\r\n\r\n{g}b", u"g", u"{g}", u"a\r\n\r\nb"},
  };
  for (const Row& row : rows) {
    std::u16string text = row.text;
    const std::u16string group = cutGroup(text, text.find(row.at));
    EXPECT_EQ(visible(group), visible(row.group)) << visible(row.text);
    EXPECT_EQ(visible(text), visible(row.left)) << visible(row.text);
  }
}

TEST(Driver, OneConverterKeepsTablesBaseSizeAndSkips) {
  Converter converter;
  const std::u16string withTables =
      u"{\\rtf1{\\fonttbl{\\f0\\fnil Arial;}}{\\colortbl ;\\red255\\green0\\blue0;} x}";
  EXPECT_EQ(converter.convertRtfToHtml(withTables, u"+F=2"), u"x");
  // Tables, and the base size, from the conversion before.
  EXPECT_EQ(converter.convertRtfToHtml(u"{\\f0\\cf1\\fs20 a}", u""),
            u"<font face=\"Arial\" color=\"#FF0000\">a</font>");
  // A count of tokens to skip is left over at the end of one conversion...
  EXPECT_EQ(converter.convertRtfToHtml(u"{a\\pntxta}", u""), u"a");
  // ...and eats the next conversion's first token.
  EXPECT_EQ(converter.convertRtfToHtml(u"{\\b kept}", u""), u"kept");

  Converter fresh;  // two converters share nothing
  EXPECT_EQ(fresh.convertRtfToHtml(u"{\\f0\\cf1\\fs20 a}", u""), u"<font size=2>a</font>");
}

TEST(Driver, WebRewrites) {
  const std::pair<std::u16string, std::u16string> rows[] = {
      {u"<font face=\"MS Sans Serif\" size=2>a</font>", u"<font size=2>a</font>"},
      {u"<font face=\"Courier\">{Begin Fixed}\r\na  b\r\n{End Fixed}</font>",
       u"<font><pre>\r\na  b\r\n</pre></font>"},
      {u"<font face=\"courier\">x</font>", u"<font face=\"courier\">x</font>"},
      {u"{End Fixed}{Begin Fixed}", u"</pre><pre>"},
      {u"{Begin <b>Fixed}", u"{Begin <b>Fixed}"},
      // Inside a block a line ends with its line end alone: "<br>" and CR-LF give CR-LF, a
      // "<br>" alone gives CR-LF. Outside, and in a block never closed, nothing changes.
      {u"a<br>\r\n{Begin Fixed}<br>\r\nP  Pts<br>\r\nx<br>y<br><br>\r\n{End Fixed}<br>\r\nb<br>",
       u"a<br>\r\n<pre>\r\nP  Pts\r\nx\r\ny\r\n\r\n</pre><br>\r\nb<br>"},
      {u"<pre><br></pre><br><pre><b>1</b><br>\r\r\n</pre>",
       u"<pre>\r\n</pre><br><pre><b>1</b>\r\n\r\r\n</pre>"},
      {u"<pre>a<br>\r\nb", u"<pre>a<br>\r\nb"},
      {u"</pre><br><pre><br", u"</pre><br><pre><br"},
  };
  for (const auto& [html, web] : rows) EXPECT_EQ(visible(rewriteForWeb(html)), visible(web));
}

TEST(Driver, ForeignRtfNotice) {
  // The sign named in the notice; empty for the edit control's RTF and our own.
  const std::pair<std::u16string_view, std::string_view> rows[] = {
      {u"{\\rtf1{\\*\\generator Msftedit 5.41.21.2510;}\\viewkind4 x\\~y}", ""},
      {u"{\\rtf1{\\*\\generator Riched20 5.50.99.2014;}x}", ""},
      {u"{\\rtf1{\\*\\generator MSFTEDIT 6;}x}", ""},
      {u"{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\viewkind4\\uc1\\pard\\f0\\fs20 "
       u"a\\u8364?\\par}",
       ""},
      {u"{\\rtf1 a\\\\~b c\\\\-d \\loc \\hichx \\uprx}", ""},  // escaped, or other words
      {u"", ""},
      {u"{\\rtf1{\\*\\generator LibreOffice/7.3.7.2$Linux;}\\rtlch x}",
       "written by LibreOffice/7.3.7.2$Linux,"},
      {u"{\\*\\generator   Pages\r\n}", "written by Pages,"},
      {u"{\\*\\generator ;}", "written by another program,"},
      {u"{\\rtf1 a\\~b}", "uses \\~,"},
      {u"{\\rtf1 co\\-op}", "uses \\-,"},
      {u"{\\rtf1 x\\_y}", "uses \\_,"},
      {u"{\\rtf1\\pard\\ltrpar\\rtlch\\fcs1 \\ltrch x}", "uses \\rtlch,"},
      {u"{\\rtf1{\\*\\pgdsctbl{\\pgdsc0}}x}", "uses \\pgdsctbl,"},
      {u"\\loch", "uses \\loch,"},
  };
  for (const auto& [rtf, sign] : rows) {
    const std::string notice = foreignRtfNotice(rtf);
    if (sign.empty()) {
      EXPECT_EQ(notice, "") << encodeUtf8(rtf);
    } else {
      EXPECT_NE(notice.find(sign), std::string::npos) << notice;
      EXPECT_TRUE(notice.ends_with("--via-editor converts it in full")) << notice;
      EXPECT_EQ(notice.find('\n'), std::string::npos) << notice;
    }
  }
}

TEST(Driver, TextEncodings) {
  EXPECT_EQ(decodeWindows1252("a\xe9\x80\x81\x9f"), u"a\u00e9\u20ac\u0081\u0178");
  EXPECT_EQ(encodeUtf8(u"a\u00e9\u20ac"), "a\xc3\xa9\xe2\x82\xac");
  EXPECT_EQ(encodeUtf8(u"\xD83D\xDE00"), "\xf0\x9f\x98\x80");            // a surrogate pair
  EXPECT_EQ(encodeUtf8(u"\xD83Dx\xDE00"), "\xef\xbf\xbdx\xef\xbf\xbd");  // lone halves
}

}  // namespace
}  // namespace quillmark
