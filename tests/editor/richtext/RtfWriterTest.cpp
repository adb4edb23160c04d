// The RTF writer: the exact dialect for small documents, the reductions of content the
// dialect cannot hold, and what the converter makes of the writer's output.
#include <gtest/gtest.h>

#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>
#include <functional>
#include <string>

#include "quillmark/convert.h"
#include "richtext/DocumentModel.h"
#include "richtext/FixedColumns.h"
#include "richtext/RtfWriter.h"

namespace quillmark::richtext {
namespace {

using namespace Qt::StringLiterals;

constexpr int kBulletIndentTwips = 250;

// Expected RTF is written with "\n" line ends, which stand for CR-LF.
std::string crlf(std::string text) {
  std::string result;
  for (const char c : text) {
    if (c == '\n') result += '\r';
    result += c;
  }
  return result;
}

std::string toStd(const QByteArray &bytes) { return bytes.toStdString(); }

QTextCharFormat boldFormat() {
  QTextCharFormat format;
  format.setFontWeight(QFont::Bold);
  return format;
}

QTextCharFormat colorFormat(const QColor &color) {
  QTextCharFormat format;
  format.setForeground(color);
  return format;
}

QTextCharFormat sizeFormat(double points) {
  QTextCharFormat format;
  format.setFontPointSize(points);
  return format;
}

QTextCharFormat faceFormat(const QString &face) {
  QTextCharFormat format;
  setFontName(format, face);
  return format;
}

QTextBlockFormat alignedFormat(Qt::Alignment alignment) {
  QTextBlockFormat format;
  format.setAlignment(alignment);
  return format;
}

// Makes the cursor's block a bullet paragraph, as the editor's bullet command does.
void makeBullet(QTextCursor &cursor) {
  QTextListFormat list;
  list.setStyle(QTextListFormat::ListDisc);
  list.setIndent(1);
  if (QTextList *previous = cursor.block().previous().textList()) {
    previous->add(cursor.block());
  } else {
    cursor.createList(list);
  }
}

using Build = std::function<void(QTextCursor &)>;

struct DialectCase {
  const char *name;
  Build build;
  std::string expected;  // "\n" for CR-LF
};

// A whole document: the font table's entries after font 0, the colour table if any, and the
// text after "\viewkind4\uc1".
std::string rtf(const std::string &moreFonts, const std::string &colors, const std::string &body) {
  return "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 MS Sans Serif;}" +
         moreFonts + "}\n" + (colors.empty() ? "" : colors + "\n") + "\\viewkind4\\uc1" + body +
         "}\n";
}

// A document in the default face and size throughout.
std::string plain(const std::string &body) { return rtf("", "", "\\pard\\f0\\fs24" + body); }

constexpr char kSymbolFont[] = "{\\f1\\fnil\\fcharset2 Symbol;}";

const DialectCase kDialectCases[] = {
    {"Plain", [](QTextCursor &c) { c.insertText(u"Hello"_s); }, plain(" Hello")},
    {"Empty", [](QTextCursor &) {}, plain("")},
    {"BoldRun",
     [](QTextCursor &c) {
       c.insertText(u"Plain "_s, {});
       c.insertText(u"bold"_s, boldFormat());
       c.insertText(u" and."_s, {});
     },
     plain(R"( Plain \b bold\b0  and.)")},
    {"WordsTogether",
     [](QTextCursor &c) {
       QTextCharFormat format = boldFormat();
       format.setFontItalic(true);
       format.setFontUnderline(true);
       format.setFontStrikeOut(true);
       c.insertText(u"x"_s, format);
       c.insertText(u"y"_s, {});
     },
     plain(R"(\b\i\ul\strike x\b0\i0\ulnone\strike0 y)")},
    {"SuperAndSubscript",
     [](QTextCursor &c) {
       QTextCharFormat super, sub;
       super.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
       sub.setVerticalAlignment(QTextCharFormat::AlignSubScript);
       c.insertText(u"x"_s, {});
       c.insertText(u"2"_s, super);
       c.insertText(u"3"_s, sub);
       c.insertText(u"y"_s, {});
     },
     plain(R"( x\super 2\nosupersub\sub 3\nosupersub y)")},
    {"Colours",
     [](QTextCursor &c) {
       c.insertText(u"a"_s, colorFormat(Qt::red));
       c.insertText(u"b"_s, colorFormat(QColor(0, 128, 255)));
       c.insertText(u"c"_s, colorFormat(Qt::red));
       c.insertText(u"d"_s, {});
     },
     rtf("", R"({\colortbl ;\red255\green0\blue0;\red0\green128\blue255;})",
         R"(\pard\f0\fs24\cf1 a\cf2 b\cf1 c\cf0 d)")},
    {"SizesRoundToHalfPoints",
     [](QTextCursor &c) {
       c.insertText(u"a"_s, sizeFormat(12));
       c.insertText(u"b"_s, sizeFormat(10.3));
       c.insertText(u"c"_s, {});
     },
     rtf("", "", R"(\pard\f0\fs24 a\fs21 b\fs24 c)")},
    {"FacesInOrderOfUse",
     [](QTextCursor &c) {
       c.insertText(u"a"_s, faceFormat(u"Courier"_s));
       c.insertText(u"b"_s, faceFormat(u"Arial"_s));
       c.insertText(u"c"_s, {});
     },
     rtf(R"({\f1\fnil\fcharset0 Courier;}{\f2\fnil\fcharset0 Arial;})", "",
         R"(\pard\f1\fs24 a\f2 b\f0 c)")},
    {"ExplicitDefaultsWriteAsUnset",
     [](QTextCursor &c) {
       QTextCharFormat format = faceFormat(QString::fromUtf16(kDefaultFontName));
       format.setFontPointSize(kDefaultFontPointSize);
       c.insertText(u"a"_s, format);
       c.insertText(u"b"_s, {});
     },
     plain(" ab")},
    {"Alignment",
     [](QTextCursor &c) {
       c.setBlockFormat(alignedFormat(Qt::AlignHCenter));
       c.insertText(u"Centred"_s);
       c.insertBlock(alignedFormat(Qt::AlignHCenter));
       c.insertText(u"Too"_s);
       c.insertBlock(alignedFormat(Qt::AlignRight));
       c.insertText(u"Right"_s);
       c.insertBlock(alignedFormat(Qt::AlignJustify));
       c.insertText(u"Justified"_s);
       c.insertBlock(alignedFormat(Qt::AlignLeft));
       c.insertText(u"Left"_s);
     },
     rtf("", "", R"(\pard\qc\f0\fs24 Centred\par
Too\par
\pard\qr Right\par
\pard\qj Justified\par
\pard Left)")},
    {"Bullets",
     [](QTextCursor &c) {
       c.insertText(u"Before"_s);
       c.insertBlock();
       makeBullet(c);
       c.insertText(u"One"_s);
       c.insertBlock();
       c.insertText(u"Two"_s);
       c.insertBlock(QTextBlockFormat());
       c.insertText(u"After"_s);
     },
     rtf(kSymbolFont, "", R"(\pard\f0\fs24 Before\par
\pard{\pntext\f1\'B7\tab}{\*\pn\pnlvlblt\pnf1\pnindent0{\pntxtb\'B7}}\fi-250\li250 One\par
{\pntext\f1\'B7\tab}Two\par
\pard After)")},
    {"Indents",
     [](QTextCursor &c) {
       QTextBlockFormat indented;
       indented.setLeftMargin(twipsToPixels(500));
       indented.setTextIndent(twipsToPixels(-150));
       c.setBlockFormat(indented);
       c.insertText(u"Indented"_s);
       QTextBlockFormat bulletIndented;
       bulletIndented.setLeftMargin(twipsToPixels(300));
       c.insertBlock(bulletIndented);
       makeBullet(c);
       c.insertText(u"Bullet"_s);
     },
     rtf(kSymbolFont, "", R"(\pard\fi-150\li500\f0\fs24 Indented\par
\pard{\pntext\f1\'B7\tab}{\*\pn\pnlvlblt\pnf1\pnindent0{\pntxtb\'B7}}\fi-250\li550 Bullet)")},
    {"TabAndLineBreak", [](QTextCursor &c) { c.insertText(u"a\tb\u2028c\t\td"_s); },
     plain(R"( a\tab b\line c\tab\tab d)")},
    {"BracesAndBackslash", [](QTextCursor &c) { c.insertText(u"{Begin Fixed} C:\\dir"_s); },
     plain(R"(\{Begin Fixed\} C:\\dir)")},
    {"Windows1252",
     [](QTextCursor &c) { c.insertText(u"caf\u00e9 \u20ac5 \u201cq\u201d \u2018s\u2019"_s); },
     plain(R"( caf\'e9 \'805 \'93q\'94 \'91s\'92)")},
    {"Greek", [](QTextCursor &c) { c.insertText(u"\u03bb\u03cc\u03b3\u03bf\u03c2!"_s); },
     plain(R"(\u955?\u972?\u947?\u959?\u962?!)")},
    {"OutsideTheBmp", [](QTextCursor &c) { c.insertText(u"a\U0001F600b"_s); },
     plain(R"( a\u-10179?\u-8704?b)")},
    {"LeadingBlanksStayOnTheirLine",
     [](QTextCursor &c) {
       c.insertText(u"a"_s);
       c.insertBlock();
       c.insertText(u"  b"_s);
       c.insertBlock();
       c.insertBlock();
       c.insertText(u"c"_s);
     },
     plain(R"( a\par
\uc1   b\par
\par
c)")},
    {"EmptyFirstParagraph",
     [](QTextCursor &c) {
       c.insertBlock();
       c.insertText(u"big"_s, sizeFormat(14));
     },
     plain(R"(\par
\fs28 big)")},
    // A link is a field with the run's formatting in its result. The converter forgets face,
    // size and colour at a group's end, so they are stated again after it.
    {"Link",
     [](QTextCursor &c) {
       c.insertText(u"see "_s);
       QTextCharFormat link = boldFormat();
       setLink(link, u"http://x.org/?a=1&b"_s);
       c.insertText(u"here"_s, link);
       c.insertText(u" now"_s, QTextCharFormat());
     },
     plain(" see {\\field{\\*\\fldinst HYPERLINK \"http://x.org/?a=1&b\"}{\\fldrslt\\b here}}"
           "\\f0\\fs24  now")},
    {"LinkAddressEscaped",
     [](QTextCursor &c) {
       QTextCharFormat link;
       setLink(link, u"a\"b\\c{d}\u00E9"_s);
       c.insertText(u"x"_s, link);
     },
     plain("{\\field{\\*\\fldinst HYPERLINK \"a\\\\\"b\\\\\\\\c\\{d\\}\\'e9\"}{\\fldrslt x}}")},
    {"LinkEndsWithItsParagraph",
     [](QTextCursor &c) {
       QTextCharFormat link;
       setLink(link, u"http://x/"_s);
       c.insertText(u"a"_s, link);
       c.insertBlock();
       c.insertText(u"b"_s, link);
       c.insertText(u"c"_s, QTextCharFormat());
     },
     plain("{\\field{\\*\\fldinst HYPERLINK \"http://x/\"}{\\fldrslt a}}\\par\n"
           "{\\field{\\*\\fldinst HYPERLINK \"http://x/\"}{\\fldrslt\\f0\\fs24 b}}\\f0\\fs24 c")},
    // An address keeps what a field can carry and read back: runs whose addresses differ only
    // in a tab or a control character are one link.
    {"LinkAddressAsTheFieldCarriesIt",
     [](QTextCursor &c) {
       QTextCharFormat link;
       setLink(link, u"http://x/\ta\u0001\u2029"_s);
       c.insertText(u"a"_s, link);
       link.setFontItalic(true);
       setLink(link, u"http://x/a"_s);
       c.insertText(u"b"_s, link);
       setLink(link, u"\t"_s);
       c.insertText(u"c"_s, link);
     },
     plain("{\\field{\\*\\fldinst HYPERLINK \"http://x/a\"}{\\fldrslt a\\i b}}\\f0\\fs24\\i c")},
    {"AnchorWithoutAddressIsNoLink",
     [](QTextCursor &c) {
       QTextCharFormat anchor;
       anchor.setAnchor(true);
       anchor.setAnchorNames({u"top"_s});
       c.insertText(u"x"_s, anchor);
     },
     plain(" x")},
};

class WriterDialect : public ::testing::TestWithParam<DialectCase> {};

TEST_P(WriterDialect, WritesExactBytes) {
  QTextDocument document;
  setUpDocument(document, kBulletIndentTwips);
  QTextCursor cursor(&document);
  GetParam().build(cursor);
  EXPECT_EQ(toStd(writeRtf(document, 0, -1, RtfTarget::Engine)), crlf(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(RtfWriter, WriterDialect, ::testing::ValuesIn(kDialectCases),
                         [](const auto &testInfo) { return std::string(testInfo.param.name); });

QTextDocument *twoParagraphs(QTextDocument &document) {
  setUpDocument(document, kBulletIndentTwips);
  QTextCursor cursor(&document);
  cursor.insertText(u"Hello "_s, {});
  cursor.insertText(u"bold"_s, boldFormat());
  cursor.insertText(u" world"_s, {});
  cursor.insertBlock(alignedFormat(Qt::AlignHCenter));
  cursor.insertText(u"Second"_s, {});
  return &document;
}

TEST(RtfWriterRange, WritesASelectionAsAWholeDocument) {
  QTextDocument document;
  twoParagraphs(document);
  struct Range {
    int from, to;
    std::string body;
  };
  const Range ranges[] = {
      {2, 8, R"( llo \b bo)"},  // inside one paragraph
      {7, 19, R"(\b old\b0  world\par
\pard\qc Se)"},                 // across a paragraph end
      {7, 7, ""},               // empty, the formatting still stated
      {0, 17, R"( Hello \b bold\b0  world\par
\pard\qc)"},                    // up to and including a paragraph end
  };
  for (const Range &range : ranges) {
    EXPECT_EQ(toStd(writeRtf(document, range.from, range.to)), crlf(plain(range.body)))
        << range.from << ".." << range.to;
  }
}

TEST(RtfWriterRange, OutOfBoundsRangesAreClipped) {
  QTextDocument document;
  twoParagraphs(document);
  EXPECT_EQ(writeRtf(document, -5, 999999), writeRtf(document));
  EXPECT_EQ(writeRtf(document, 0, -1), writeRtf(document));
}

// Content from a pasted web page: reduced to paragraphs, tabs and text.
TEST(RtfWriterReduction, TablesNumberedListsAndImages) {
  struct Reduction {
    const char *name;
    QString html;
    std::string body;  // after "\viewkind4\uc1", up to the closing brace
  };
  const Reduction reductions[] = {
      {"table",  // a document begins with a paragraph before its first table
       u"<table><tr><td>a</td><td>b<p>c</p></td></tr><tr><td>1</td><td>2</td></tr>"
       u"</table>"_s,
       R"(\pard\f0\fs24\par
\f1\{Begin Fixed\}\par
a  b c\par
1  2\par
\{End Fixed\}\par
)"},
      {"numbered", u"<ol><li>one</li><li>two</li></ol><ol type=a><li>x</li></ol>"_s,
       R"(\pard\fi-250\li250\f0\fs24 1.\tab one\par
2.\tab two\par
a.\tab x)"},
      {"image", u"<p>before<img src='none.png' width=10 height=10>after</p>"_s,
       R"(\pard\f0\fs24 beforeafter)"},
  };
  for (const Reduction &reduction : reductions) {
    QTextDocument document;
    setUpDocument(document, kBulletIndentTwips);
    document.setHtml(reduction.html);
    const std::string rtf = toStd(writeRtf(document, 0, -1, RtfTarget::Engine));
    const std::string body = rtf.substr(rtf.find("\\viewkind4\\uc1") + 14);
    EXPECT_EQ(body, crlf(reduction.body) + "}\r\n") << reduction.name;
  }
}

TEST(RtfWriterReduction, NestedListsKeepTheirDepthAsIndent) {
  QTextDocument document;
  setUpDocument(document, kBulletIndentTwips);
  document.setHtml(u"<ul><li>outer<ul><li>inner</li></ul></li></ul>"_s);
  const std::string rtf = toStd(writeRtf(document, 0, -1, RtfTarget::Engine));
  EXPECT_NE(rtf.find(R"(\fi-250\li250\f0\fs24 outer)"), std::string::npos) << rtf;
  EXPECT_NE(rtf.find(R"(\fi-250\li500 inner)"), std::string::npos) << rtf;
}

TEST(RtfWriterReduction, NumbersUseTheListsOwnPunctuation) {
  QTextDocument document;
  setUpDocument(document, kBulletIndentTwips);
  QTextCursor cursor(&document);
  QTextListFormat list;
  list.setStyle(QTextListFormat::ListLowerAlpha);
  list.setNumberSuffix(u")"_s);
  cursor.createList(list);
  cursor.insertText(u"first"_s);
  cursor.insertBlock();
  cursor.insertText(u"second"_s);
  const std::string rtf = toStd(writeRtf(document, 0, -1, RtfTarget::Engine));
  EXPECT_NE(rtf.find("a)\\tab first\\par\r\nb)\\tab second}"), std::string::npos) << rtf;
}

TEST(RtfWriterReduction, NestedFramesAreWalked) {
  QTextDocument document;
  setUpDocument(document, kBulletIndentTwips);
  QTextCursor cursor(&document);
  cursor.insertText(u"out"_s);
  cursor.insertFrame(QTextFrameFormat());
  cursor.insertText(u"in"_s);
  const std::string rtf = toStd(writeRtf(document, 0, -1, RtfTarget::Engine));
  EXPECT_NE(rtf.find("out\\par\r\nin\\par\r\n}"), std::string::npos) << rtf;
}

TEST(RtfWriterDialect, OnlySevenBitTextAndLineEndsAfterParagraphsAndTables) {
  QTextDocument document;
  setUpDocument(document, kBulletIndentTwips);
  document.setHtml(
      u"<p style='color:red'>r\u00e9d <b>\u03b2</b></p><ul><li>x\U0001F600</li></ul>"
      u"<table><tr><td>{a}</td></tr></table><p align=center>\\end</p>"_s);
  const QByteArray rtf = writeRtf(document, 0, -1, RtfTarget::Engine);
  for (qsizetype i = 0; i < rtf.size(); ++i) {
    const unsigned char c = rtf[i];
    ASSERT_TRUE((c >= 0x20 && c < 0x7F) || c == '\r' || c == '\n') << "byte " << int(c);
    if (c == '\r') {
      ASSERT_EQ(rtf.mid(i + 1, 1), "\n");
      const QByteArray before = rtf.left(i);
      const bool documentEnd = i + 2 == rtf.size() && before.endsWith("}");
      EXPECT_TRUE(before.endsWith("\\par") || before.endsWith(";}}") || before.endsWith(";}") ||
                  documentEnd)
          << before.right(20).toStdString();
    }
  }
  EXPECT_TRUE(rtf.endsWith("}\r\n"));
}

// The writer's output through the converter and the finishing touches of "Copy to Web".
std::string webHtml(const QTextDocument &document) {
  const QByteArray rtf = writeRtf(document, 0, -1, RtfTarget::Engine);
  std::u16string html = Converter().convertRtfToHtml(
      decodeWindows1252(std::string_view(rtf.constData(), std::size_t(rtf.size()))), kWebOptions);
  return encodeUtf8(rewriteForWeb(std::move(html)));
}

struct WebCase {
  const char *name;
  Build build;
  std::string html;  // "\n" for CR-LF
};

const WebCase kWebCases[] = {
    {"Bold",
     [](QTextCursor &c) {
       c.insertText(u"a "_s, {});
       c.insertText(u"b"_s, boldFormat());
     },
     "<font size=3>a <b>b</b></font>"},
    {"Colours",
     [](QTextCursor &c) {
       c.insertText(u"r"_s, colorFormat(Qt::red));
       c.insertText(u"g"_s, colorFormat(QColor(0, 128, 0)));
       c.insertText(u"d"_s, {});
     },
     R"(<font color="#FF0000" size=3>r</font><font color="#008000" size=3>g</font><font size=3>d</font>)"},
    {"Sizes",
     [](QTextCursor &c) {
       c.insertText(u"big"_s, sizeFormat(18));
       c.insertText(u"small"_s, sizeFormat(6));
     },
     "<font size=5>big</font><font size=1>small</font>"},
    {"Bullets",
     [](QTextCursor &c) {
       c.insertText(u"Intro"_s);
       c.insertBlock();
       makeBullet(c);
       c.insertText(u"one"_s);
       c.insertBlock();
       c.insertText(u"two"_s, boldFormat());
       c.insertBlock(QTextBlockFormat());
       c.insertText(u"end"_s, {});
     },
     "<font size=3>Intro</font><br>\n<li><font size=3>one</font></li>\n"
     "<li><font size=3><b>two</b></font></li>\n<font size=3>end</font>"},
    {"Alignment",
     [](QTextCursor &c) {
       c.setBlockFormat(alignedFormat(Qt::AlignHCenter));
       c.insertText(u"Title"_s);
       c.insertBlock(alignedFormat(Qt::AlignRight));
       c.insertText(u"Right"_s);
       c.insertBlock(alignedFormat(Qt::AlignLeft));
       c.insertText(u"Body"_s);
     },
     R"(<table width=100%><tr><td align="center"><font size=3>Title</font></td></tr></table>)"
     "<br>\n"
     R"(<table width=100%><tr><td align="right"><font size=3>Right</font></td></tr></table>)"
     "<br>\n<font size=3>Body</font>"},
    {"SpecialCharacters",
     [](QTextCursor &c) { c.insertText(u"caf\u00e9 \u00a9 \u03b1 {x} a\\b"_s); },
     "<font size=3>caf&eacute; &copy; \u03b1 {x} a\\b</font>"},
    {"LineBreakAndLeadingBlanks",
     [](QTextCursor &c) {
       c.insertText(u"a\u2028b"_s);
       c.insertBlock();
       c.insertText(u"  c"_s);
     },
     "<font size=3>a<br>\nb<br>\n  c</font>"},
    {"FixedColumns",
     [](QTextCursor &c) {
       const QTextCharFormat fixed = faceFormat(QString::fromUtf16(kFixedFontName));
       c.insertText(u"{Begin Fixed}"_s, fixed);
       c.insertBlock();
       c.insertText(u"  1   22"_s, fixed);
       c.insertBlock();
       c.insertText(u"{End Fixed}"_s, fixed);
     },
     "<font size=3><pre>\n  1   22\n</pre></font>"},
    // A link reaches the post as a link around every word of its text.
    {"LinkKeepsItsWords",
     [](QTextCursor &c) {
       c.insertText(u"see "_s);
       QTextCharFormat link;
       setLink(link, u"https://example.org/a b"_s);
       link.setFontItalic(true);
       c.insertText(u"the page"_s, link);
       c.insertText(u" now"_s, QTextCharFormat());
     },
     R"(<font size=3>see <a href="https://example.org/a b"><i>the page</i></a> now</font>)"},
    {"TableAsFixedColumns",
     [](QTextCursor &c) {
       c.insertText(u"Table:"_s);
       QTextTable *table = c.insertTable(2, 3);
       const QStringList cells = {u"Team"_s, u"P"_s, u"Pts"_s, u"Leeds"_s, u""_s, u"12"_s};
       for (int i = 0; i < 6; ++i) {
         QTextCursor cell = table->cellAt(i / 3, i % 3).firstCursorPosition();
         cell.insertText(cells[i]);
       }
     },
     "<font size=3>Table:</font><br>\n<font size=3><pre>\nTeam   P  Pts\nLeeds     12\n"
     "</pre></font>"},
    // The converter's font state ends with the field's group: the text after it is stated
    // again, and the alignment stays.
    {"LinkInACentredParagraph",
     [](QTextCursor &c) {
       c.setBlockFormat(alignedFormat(Qt::AlignHCenter));
       c.insertText(u"a "_s, colorFormat(Qt::red));
       QTextCharFormat link = colorFormat(Qt::red);
       setLink(link, u"http://x/"_s);
       c.insertText(u"b"_s, link);
       c.insertText(u" c"_s, colorFormat(Qt::red));
       c.insertBlock(alignedFormat(Qt::AlignHCenter));
       c.insertText(u"d"_s, sizeFormat(14));
     },
     R"(<table width=100%><tr><td align="center"><font color="#FF0000" size=3>a <a href="http://x/">b</a>)"
     R"(<font color="#FF0000" size=3> c</font></font><br>)"
     "\n<font size=4>d</font></td></tr></table>"},
};

class WriterThroughConverter : public ::testing::TestWithParam<WebCase> {};

TEST_P(WriterThroughConverter, GivesTheForumHtml) {
  QTextDocument document;
  setUpDocument(document, kBulletIndentTwips);
  QTextCursor cursor(&document);
  GetParam().build(cursor);
  EXPECT_EQ(webHtml(document), crlf(GetParam().html)) << toStd(writeRtf(document));
}

INSTANTIATE_TEST_SUITE_P(RtfWriter, WriterThroughConverter, ::testing::ValuesIn(kWebCases),
                         [](const auto &testInfo) { return std::string(testInfo.param.name); });

// The layout of a table as a fixed-columns block, shared by the writer and the reader.
TEST(FixedColumns, LinesUpColumnsByWhatAFixedFontShows) {
  const struct {
    const char *name;
    QList<QStringList> rows;
    QStringList lines;  // between the markers
    QList<QList<Alignment>> aligns = {};
  } cases[] = {
      {"widest_cell_and_two_blanks",
       {{u"Team"_s, u"P"_s, u"Pts"_s}, {u"Leeds"_s, u"10"_s, u"3"_s}},
       {u"Team   P   Pts"_s, u"Leeds  10  3"_s}},
      {"ragged_rows", {{u"a"_s}, {u"b"_s, u"c"_s, u"d"_s}, {}}, {u"a"_s, u"b  c  d"_s, u""_s}},
      {"empty_cells",
       {{u""_s, u"x"_s, u""_s}, {u"long"_s, u""_s, u"y"_s}},
       {u"      x"_s, u"long     y"_s}},
      {"wide_and_combining",
       {{u"\u6771\u4EAC"_s, u"1"_s},
        {u"e\u0301te\u0301"_s, u"2"_s},
        {u"\U0001F600"_s, u"3"_s},
        {u"abcd"_s, u"4"_s}},
       {u"\u6771\u4EAC  1"_s, u"e\u0301te\u0301   2"_s, u"\U0001F600    3"_s, u"abcd  4"_s}},
      {"no_rows", {}, {}},
      {"right_aligned_padded_on_the_left",
       {{u"Team"_s, u"Pts"_s}, {u"Leeds"_s, u"3"_s}, {u"York"_s, u"12"_s}},
       {u"Team   Pts"_s, u"Leeds    3"_s, u"York    12"_s},
       {{Alignment::Left, Alignment::Right},
        {Alignment::Left, Alignment::Right},
        {Alignment::Left, Alignment::Right}}},
      {"centred_padded_on_both_sides_no_blanks_at_the_end",
       {{u"a"_s, u"wide"_s, u"b"_s}, {u"c"_s, u"x"_s}},
       {u"a  wide  b"_s, u"c   x"_s},
       {{}, {Alignment::Left, Alignment::Center}}},
      {"empty_right_aligned_cell_and_fewer_aligns_than_cells",
       {{u"long"_s, u""_s, u"z"_s}, {u"a"_s, u"bb"_s, u"c"_s}},
       {u"long      z"_s, u"   a  bb  c"_s},
       {{Alignment::Right, Alignment::Right}, {Alignment::Right}}},
  };
  for (const auto &test : cases) {
    const QStringList expected =
        QStringList{u"{Begin Fixed}"_s} + test.lines + QStringList{u"{End Fixed}"_s};
    EXPECT_EQ(fixedColumnsBlock(test.rows, test.aligns), expected) << test.name;
  }
  EXPECT_EQ(cellLine(u" a\tb\u2028c\u2029d\n "_s), u"a b c d"_s);
}

}  // namespace
}  // namespace quillmark::richtext
