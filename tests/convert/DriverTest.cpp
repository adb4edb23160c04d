// The driver: options, cutting groups out of the text, what one converter carries from one
// conversion to the next, and the text helpers at the engine's edge.
#include <gtest/gtest.h>

#include "CaseFile.h"
#include "Engine.h"
#include "quillmark/convert.h"
#include "quillmark/textfile.h"

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
    readOptions(s, toEngineText(row.options));
    EXPECT_EQ(fromEngineText(s.lineBreak), row.lineBreak) << visible(row.options);
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
      // A scan that runs off an end keeps a whole unit out of the group, however many bytes
      // the engine holds it in.
      {u"x{\\colortbl;\u00e9", u"\\colortbl", u"{\\colortbl;", u"x\u00e9"},
      {u"\u20ac\\colortbl;}x", u"\\colortbl", u"\\colortbl;}", u"\u20acx"},
  };
  for (const Row& row : rows) {
    std::string text = toEngineText(row.text);
    const std::u16string group = fromEngineText(cutGroup(text, text.find(toEngineText(row.at))));
    EXPECT_EQ(visible(group), visible(row.group)) << visible(row.text);
    EXPECT_EQ(visible(fromEngineText(text)), visible(row.left)) << visible(row.text);
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
      // Another system's edit control that writes the same dialect, named in a later word.
      {u"{\\rtf1{\\*\\generator Wine Riched20 2.0;}x\\~y}", ""},
      {u"{\\rtf1{\\*\\generator ReactOS  msftedit 1;}x}", ""},
      {u"{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\viewkind4\\uc1\\pard\\f0\\fs20 "
       u"a\\u8364?\\par}",
       ""},
      {u"{\\rtf1 a\\\\~b c\\\\-d \\loc \\hichx \\uprx}", ""},  // escaped, or other words
      {u"", ""},
      {u"{\\rtf1{\\*\\generator LibreOffice/7.3.7.2$Linux;}\\rtlch x}",
       "written by LibreOffice/7.3.7.2$Linux,"},
      {u"{\\*\\generator   Pages\r\n}", "written by Pages,"},
      {u"{\\*\\generator ;}", "written by another program,"},
      {u"{\\*\\generator NotRiched20 1.0;}", "written by NotRiched20 1.0,"},
      {u"{\\rtf1 a\\~b}", "uses \\~,"},
      {u"{\\rtf1 co\\-op}", "uses \\-,"},
      {u"{\\rtf1 x\\_y}", "uses \\_,"},
      {u"{\\rtf1\\pard\\ltrpar\\rtlch\\fcs1 \\ltrch x}", "uses \\rtlch,"},
      {u"{\\rtf1{\\*\\pgdsctbl{\\pgdsc0}}x}", "uses \\pgdsctbl,"},
      {u"\\loch", "uses \\loch,"},
  };
  for (const auto& [rtf, sign] : rows) {
    const std::string notice = foreignRtfNotice(rtf);
    // The same for the document's bytes (every row is ASCII).
    EXPECT_EQ(foreignRtfNotice(std::string_view(toEngineText(rtf))), notice) << encodeUtf8(rtf);
    if (sign.empty()) {
      EXPECT_EQ(notice, "") << encodeUtf8(rtf);
    } else {
      EXPECT_NE(notice.find(sign), std::string::npos) << notice;
      EXPECT_TRUE(notice.ends_with("without --engine it is converted in full")) << notice;
      EXPECT_EQ(notice.find('\n'), std::string::npos) << notice;
    }
  }
}

// The engine's 8-bit text: each 16-bit unit as the UTF-8 sequence of its value.
TEST(Driver, EightBitText) {
  const std::pair<std::u16string, std::string> rows[] = {
      {u"", ""},
      {u"a{\\}", "a{\\}"},
      {u"\u00e9\u20ac", "\xc3\xa9\xe2\x82\xac"},
      {std::u16string(u"\u0000\u007f\u0080\u07ff\u0800\uffff", 6),
       std::string("\0\x7f\xc2\x80\xdf\xbf\xe0\xa0\x80\xef\xbf\xbf", 12)},
      {u"\xD83D\xDE00", "\xed\xa0\xbd\xed\xb8\x80"},  // surrogates on their own
  };
  for (const auto& [units, bytes] : rows) {
    EXPECT_EQ(toEngineText(units), bytes) << visible(units);
    EXPECT_EQ(fromEngineText(bytes), units) << visible(units);
    EXPECT_EQ(unitCount(bytes), units.size()) << visible(units);
    EXPECT_EQ(unitsLength(bytes, units.size()), bytes.size()) << visible(units);
    EXPECT_EQ(unitsLength(bytes, 1), units.empty() ? 0 : toEngineText(units.substr(0, 1)).size());
  }
  std::string widened = "x";
  appendWindows1252(widened,
                    "a\xe9\x80\x81\x9f"
                    "0123456789abcdef\xff");
  EXPECT_EQ(widened, toEngineText(u"xa\u00e9\u20ac\u0081\u01780123456789abcdef\u00ff"));
}

TEST(Driver, PairSurrogatesAsEncodeUtf8Does) {
  const std::u16string rows[] = {
      u"",
      u"plain",
      u"\xD83D\xDE00",
      u"\xD83Dx\xDE00",
      u"a\xDE00\xD83D b",
      u"\xD83D\xD83D\xDE00",
      u"\xD7FF\xE000\uED00",
      u"\xDBFF\xDFFF\xDC00",
  };
  for (const std::u16string& units : rows) {
    std::string text = toEngineText(units);
    pairSurrogates(text);
    EXPECT_EQ(text, encodeUtf8(units)) << visible(units);
    EXPECT_EQ(encodeUtf8(fromUtf8(text)), encodeUtf8(units)) << visible(units);
  }
}

// A document's bytes converted as they are give the same units as its 16-bit text; the rows
// put units of more than one byte where the engine counts units.
TEST(Driver, BytesConvertAsTheirText) {
  const std::string rows[] = {
      "{\\rtf1 caf\xe9 \\b cr\xe8me\\b0\\par \x80 5}",
      "{\\'e9\\'\xe9\xe9x\\'\xe9}",
      "{\\uc1\\u8364\xe9x \\uc2\\u8364\\'e9\xe9y \\uc3\\u8364\xe9\\'\xe9\xe9z}",
      "{\\fonttbl{\\f0 " + std::string(300, '\xe9') + ";}}\\f0 x",
      "x{\\colortbl;\\red255\xe9",
      "\xe9\\colortbl;\\red1;}x\xe9",
      "{\\field{\\*\\fldinst HYPERLINK \"http://x/" + std::string(5000, '\xe9') +
          "\"}{\\fldrslt t}}",
      "{\\field{\\*\\fldinst HYPERLINK \"http://x/\xe9\"}{\\fldrslt t\xe9}}",
      "\\u55357?\\u56832? \\u56832?\\b x\\u55357?",
      "{\\colortbl ;\\red1\xe9"
      "2\\green3\xe9"
      "4\xe9"
      "5\\blue9;}\\cf1 x",
      "{\\field{\\*\\fldinst HYPERLINK \\\\\xe9 \\\\\xe9\"http://a/\"}{\\fldrslt t}}",
  };
  for (const std::string& rtf : rows) {
    const std::u16string expected = Converter{}.convertRtfToHtml(decodeWindows1252(rtf), u"+CR+A");
    std::string bytes = rtf;
    EXPECT_EQ(visible(fromUtf8(Converter{}.convertRtfToHtml8(bytes, u"+CR+A"))), visible(expected))
        << rtf;
  }
}

TEST(Driver, TextEncodings) {
  EXPECT_EQ(decodeWindows1252("a\xe9\x80\x81\x9f"), u"a\u00e9\u20ac\u0081\u0178");
  EXPECT_EQ(encodeUtf8(u"a\u00e9\u20ac"), "a\xc3\xa9\xe2\x82\xac");
  EXPECT_EQ(encodeUtf8(u"\xD83D\xDE00"), "\xf0\x9f\x98\x80");            // a surrogate pair
  EXPECT_EQ(encodeUtf8(u"\xD83Dx\xDE00"), "\xef\xbf\xbdx\xef\xbf\xbd");  // lone halves
}

// A writer's text file: UTF-8 where it is well formed, each other byte its Windows-1252
// character.
TEST(Driver, DecodeTextReadsUtf8AndTheRestAsWindows1252) {
  struct Case {
    const char* name;
    std::string_view bytes;
    std::u16string_view text;
  };
  static const Case cases[] = {
      {"ascii", "plain [b]text[/b]", u"plain [b]text[/b]"},
      {"byte-order mark dropped",
       "\xef\xbb\xbf"
       "ab",
       u"ab"},
      {"a mark inside stays", "a\xef\xbb\xbf", u"a\uFEFF"},
      {"two, three and four bytes", "\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80",
       u"\u00e9\u20ac\xD83D\xDE00"},
      {"old code page text", "caf\xe9 \x80", u"caf\u00e9 \u20ac"},
      {"cut short at the end", "a\xe2\x82", u"a\u00e2\u201a"},
      {"overlong", "\xc0\xaf", u"\u00c0\u00af"},
      {"a surrogate", "\xed\xa0\x80", u"\u00ed\u00a0\u20ac"},
      {"past U+10FFFF", "\xf4\x90\x80\x80", u"\u00f4\u0090\u20ac\u20ac"},
      {"a lone continuation byte", "\x9fx", u"\u0178x"},
  };
  for (const Case& c : cases) EXPECT_EQ(decodeText(c.bytes), c.text) << c.name;
}

}  // namespace
}  // namespace quillmark
