// The document's structures through RTF: what a file keeps of lists, quotes, headings, rules
// and pictures and reads back as the same post model; the lists other word processors write;
// what the engine's RTF makes of them; and a pasted page brought to the document's ways.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QMimeData>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QTextList>
#include <QTextTable>
#include <functional>
#include <map>
#include <string>

#include "post/DocumentPost.h"
#include "post/PostDocument.h"
#include "richtext/DocumentModel.h"
#include "richtext/RichTextBox.h"
#include "richtext/RtfReader.h"
#include "richtext/RtfWriter.h"

namespace quillmark::richtext {
namespace {

using namespace Qt::StringLiterals;

// A document written paragraph by paragraph, its structures held as DocumentModel.h says.
class Writer {
 public:
  Writer() { setUpDocument(document, kBulletIndentTwips); }

  void paragraph(const QTextBlockFormat &format = {}) {
    if (first_) {
      cursor.setBlockFormat(format);
      first_ = false;
    } else {
      cursor.insertBlock(format, QTextCharFormat());
    }
  }

  // A list item at `level`; items of one style and level share their QTextList.
  void item(QTextListFormat::Style style, int level, int start = 1) {
    paragraph();
    QTextList *&list = lists_[{style, level}];
    if (list) {
      list->add(cursor.block());
      return;
    }
    QTextListFormat format;
    format.setStyle(style);
    format.setIndent(level);
    if (start != 1) format.setProperty(kListStartProperty, start);
    list = cursor.createList(format);
  }

  void quote(int depth) {
    QTextBlockFormat format;
    format.setProperty(QTextFormat::BlockQuoteLevel, depth);
    format.setLeftMargin(depth * kQuoteIndentPixels);
    paragraph(format);
  }

  // A quote's title line citing `cite`, as a post made into a document begins the quote.
  void title(int depth, const post::Attribution &cite) {
    QTextBlockFormat format;
    format.setProperty(QTextFormat::BlockQuoteLevel, depth);
    format.setLeftMargin(depth * kQuoteIndentPixels);
    format.setProperty(kQuoteCiteProperty, post::citeProperty(cite, post::citeTitle(cite)));
    paragraph(format);
    cursor.insertText(post::citeTitle(cite));
  }

  void heading(int level, const QString &text) {
    QTextBlockFormat format;
    format.setHeadingLevel(level);
    paragraph(format);
    QTextCharFormat look;
    look.setFontWeight(QFont::Bold);
    look.setFontPointSize(headingPointSize(level));
    cursor.insertText(text, look);
  }

  void rule() {
    QTextBlockFormat format;
    format.setProperty(QTextFormat::BlockTrailingHorizontalRulerWidth,
                       QTextLength(QTextLength::PercentageLength, 100));
    paragraph(format);
  }

  void picture(const QString &address, const QString &alt) {
    QTextImageFormat image;
    image.setName(address);
    image.setProperty(QTextFormat::ImageAltText, alt);
    cursor.insertImage(image);
  }

  void text(const QString &text) { cursor.insertText(text); }

  QTextDocument document;
  QTextCursor cursor{&document};

 private:
  bool first_ = true;
  std::map<std::pair<int, int>, QTextList *> lists_;
};

// The post model's description without the normal face and size every run has.
std::string tree(const QTextDocument &document) {
  std::string described = post::describe(post::modelOf(document));
  for (const std::string normal : {" face=\"MS Sans Serif\"", " size=100"}) {
    for (std::size_t at = described.find(normal); at != std::string::npos;
         at = described.find(normal, at))
      described.erase(at, normal.size());
  }
  return described;
}

std::string read(const QByteArray &rtf) {
  QTextDocument document;
  setUpDocument(document, kBulletIndentTwips);
  EXPECT_TRUE(readRtf(rtf, document)) << rtf.toStdString();
  return tree(document);
}

std::string engine(const QTextDocument &document) {
  return writeRtf(document, 0, -1, RtfTarget::Engine).toStdString();
}

struct Build {
  const char *name;
  std::function<void(Writer &)> write;
  std::string shows;  // a part of the post model the structure must give
};

const Build kStructures[] = {
    {"nested bullets",
     [](Writer &w) {
       w.item(QTextListFormat::ListDisc, 1);
       w.text(u"Keepers"_s);
       w.item(QTextListFormat::ListCircle, 2);
       w.text(u"Raya"_s);
       w.item(QTextListFormat::ListSquare, 3);
       w.text(u"deep"_s);
       w.item(QTextListFormat::ListDisc, 1);
       w.text(u"Defenders"_s);
     },
     "    list bullet\n      item\n        paragraph\n          \"Raya\"\n        list bullet\n"},
    {"numbers from 3 holding lower-alpha numbers",
     [](Writer &w) {
       w.item(QTextListFormat::ListDecimal, 1, 3);
       w.text(u"Third"_s);
       w.item(QTextListFormat::ListLowerAlpha, 2);
       w.text(u"sub"_s);
       w.item(QTextListFormat::ListDecimal, 1, 3);
       w.text(u"Fourth"_s);
       w.paragraph();
       w.text(u"After"_s);
     },
     "list decimal start=3\n  item\n    paragraph\n      \"Third\"\n    list lower-alpha\n"},
    {"roman numbers beside bullets",
     [](Writer &w) {
       w.item(QTextListFormat::ListUpperRoman, 1);
       w.text(u"one"_s);
       w.item(QTextListFormat::ListUpperRoman, 1);
       w.text(u"two"_s);
       w.paragraph();
       w.item(QTextListFormat::ListDisc, 1);
       w.text(u"dot"_s);
     },
     "list upper-roman\n"},
    {"quotes one and two deep",
     [](Writer &w) {
       w.quote(1);
       w.text(u"He said"_s);
       w.quote(2);
       w.text(u"she said"_s);
       w.quote(1);
       w.text(u"back"_s);
       w.paragraph();
       w.text(u"Out"_s);
     },
     "quote\n  paragraph\n    \"He said\"\n  quote\n    paragraph\n      \"she said\"\n"},
    {"quotes' title lines keep their sources, braces and all",
     [](Writer &w) {
       w.title(1, {u"Ann {x} \\ \u00e9", u"12", {}, u"1700", u"topic=1.msg12#msg12"});
       w.quote(1);
       w.text(u"He said"_s);
       w.title(2, {u"Bob", {}, {}, {}, {}});
       w.quote(2);
       w.text(u"she said"_s);
       w.paragraph();
       w.text(u"Out"_s);
     },
     "quote author=\"Ann {x} \\\\ \xC3\xA9\" post=\"12\" time=\"1700\" "
     "link=\"topic=1.msg12#msg12\"\n"
     "  paragraph\n    \"He said\"\n  quote author=\"Bob\"\n    paragraph\n      \"she said\"\n"},
    {"headings 1 to 3",
     [](Writer &w) {
       w.heading(1, u"Title"_s);
       w.heading(2, u"Part"_s);
       w.heading(3, u"Bit"_s);
       w.paragraph();
       w.text(u"Body"_s);
     },
     "heading 1\n  \"Title\"\nheading 2\n  \"Part\"\nheading 3\n  \"Bit\"\n"},
    {"a rule between paragraphs",
     [](Writer &w) {
       w.paragraph();
       w.text(u"Above"_s);
       w.rule();
       w.paragraph();
       w.text(u"Below"_s);
     },
     "\"Above\"\nrule\nparagraph\n"},
    {"a web picture with its alternative text",
     [](Writer &w) {
       w.paragraph();
       w.text(u"Goal: "_s);
       w.picture(u"https://example.org/a\"b.png"_s, u"the \"goal\" {1}"_s);
       w.text(u" end"_s);
     },
     "picture \"https://example.org/a\\\"b.png\" alt=\"the \\\"goal\\\" {1}\"\n  \" end\"\n"},
    {"space below one paragraph and above the next",
     [](Writer &w) {
       QTextBlockFormat below;
       below.setBottomMargin(8);
       w.paragraph(below);
       w.text(u"one"_s);
       w.paragraph();
       w.text(u"two"_s);
       QTextBlockFormat above;
       above.setTopMargin(12);
       w.paragraph(above);
       w.text(u"three"_s);
       w.paragraph();
       w.text(u"four"_s);
     },
     "paragraph space\n  \"one\"\nparagraph space\n  \"two\"\nparagraph\n  \"three\"\n"},
};

TEST(RtfStructures, AFileReadsBackAsTheSamePost) {
  for (const Build &build : kStructures) {
    Writer writer;
    build.write(writer);
    const std::string original = tree(writer.document);
    ASSERT_NE(original.find(build.shows), std::string::npos) << build.name << "\n" << original;
    const QByteArray rtf = writeRtf(writer.document);
    EXPECT_EQ(read(rtf), original) << build.name << "\n" << rtf.toStdString();
  }
}

// The engine's dialect has none of these structures: each is written as text and formatting
// the engine shows, and nothing of a file's structures is left.
TEST(RtfStructures, TheEnginesRtfFlattensThem) {
  const struct {
    const char *name;
    std::function<void(Writer &)> write;
    std::vector<std::string> has;
    std::vector<std::string> hasNot;
  } cases[] = {
      {"a numbered item is its number as text",
       [](Writer &w) {
         w.item(QTextListFormat::ListDecimal, 1, 7);
         w.text(u"seventh"_s);
         w.item(QTextListFormat::ListDecimal, 1, 7);
         w.text(u"eighth"_s);
       },
       {"7.\\tab seventh\\par", "8.\\tab eighth"},
       {"\\ls", "\\listtable", "pntext", "\\pnlvlbody"}},
      {"a deeper item is a bullet",
       [](Writer &w) {
         w.item(QTextListFormat::ListDisc, 1);
         w.text(u"top"_s);
         w.item(QTextListFormat::ListCircle, 2);
         w.text(u"under"_s);
       },
       {"\\pnlvlblt", "under"},
       {"\\ilvl", "\\listtable"}},
      {"a heading is a bold larger paragraph",
       [](Writer &w) {
         w.heading(2, u"Part"_s);
         w.paragraph();
         w.text(u"Body"_s);
       },
       {"\\fs36\\b Part\\par"},
       {"\\stylesheet", "\\s2"}},
      {"a quote is an indented paragraph",
       [](Writer &w) {
         w.quote(2);
         w.text(u"said"_s);
       },
       {"\\li900"},
       {"\\stylesheet", "\\s1"}},
      {"a picture is its address",
       [](Writer &w) {
         w.paragraph();
         w.picture(u"https://example.org/p.png"_s, u"alt"_s);
         w.picture(u"file:///home/me/p.png"_s, u"local"_s);
       },
       {"https://example.org/p.png"},
       {"INCLUDEPICTURE", "alt", "local", "file:"}},
      {"a quote's source is for files only: the title line is text",
       [](Writer &w) {
         w.title(1, {u"Ann", {}, {}, {}, {}});
         w.quote(1);
         w.text(u"said"_s);
       },
       {"Ann wrote:"},
       {"quillmarkcite", "author="}},
      {"a rule is a line of dashes",
       [](Writer &w) {
         w.paragraph();
         w.text(u"a"_s);
         w.rule();
       },
       {"a\\par\r\n\\'97\\'97\\'97}"},
       {"\\brdrb"}},
  };
  for (const auto &c : cases) {
    Writer writer;
    c.write(writer);
    const std::string rtf = engine(writer.document);
    for (const std::string &part : c.has) {
      EXPECT_NE(rtf.find(part), std::string::npos) << c.name << ": " << part << "\n" << rtf;
    }
    for (const std::string &part : c.hasNot) {
      EXPECT_EQ(rtf.find(part), std::string::npos) << c.name << ": " << part << "\n" << rtf;
    }
  }
}

// A document of what the first editor could hold: the engine's RTF is the same bytes whoever
// holds the bullets' list, and a file holds the same text and formatting besides its lists.
TEST(RtfStructures, ALegacyDocumentsEngineRtfIsTheOldDialect) {
  Writer writer;
  writer.paragraph();
  QTextCharFormat red;
  red.setForeground(QColor(0xFF, 0, 0));
  red.setFontWeight(QFont::Bold);
  writer.cursor.insertText(u"Red"_s, red);
  writer.item(QTextListFormat::ListDisc, 1);
  writer.text(u"one"_s);
  writer.item(QTextListFormat::ListDisc, 1);
  writer.text(u"two"_s);
  const std::string rtf = engine(writer.document);
  EXPECT_EQ(rtf,
            "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 MS Sans Serif;}"
            "{\\f1\\fnil\\fcharset2 Symbol;}}\r\n{\\colortbl ;\\red255\\green0\\blue0;}\r\n"
            "\\viewkind4\\uc1\\pard\\f0\\fs24\\cf1\\b Red\\par\r\n\\pard{\\pntext\\f1\\'B7\\tab}"
            "{\\*\\pn\\pnlvlblt\\pnf1\\pnindent0{\\pntxtb\\'B7}}\\fi-250\\li250\\cf0\\b0 one\\par"
            "\r\n{\\pntext\\f1\\'B7\\tab}two}\r\n");
  // Reading it back gives the same post.
  EXPECT_EQ(read(QByteArray::fromStdString(rtf)), tree(writer.document));
}

// Lists as two word processors write them: a list table with levels of their own numbering,
// the paragraphs naming their list and level.
TEST(RtfStructures, ReadsOtherWordProcessorsListTables) {
  const struct {
    const char *name;
    QByteArray rtf;
    std::string tree;
  } cases[] = {
      {"office suite style: bullets and numbers by level, \\listtext blank",
       "{\\rtf1\\ansi{\\fonttbl{\\f0 Liberation Serif;}{\\f1 OpenSymbol;}}"
       "{\\*\\listtable{\\list\\listtemplateid1"
       "{\\listlevel\\levelnfc0\\leveljc0\\levelstartat4\\levelfollow0{\\leveltext \\'02\\'00.;}"
       "{\\levelnumbers\\'01;}\\fi-360\\li720}"
       "{\\listlevel\\levelnfc23\\leveljc0\\levelstartat1\\levelfollow0"
       "{\\leveltext \\'01\\u8226 ?;}{\\levelnumbers;}\\f1\\fi-360\\li1440}"
       "\\listid1}}{\\*\\listoverridetable{\\listoverride\\listid1\\listoverridecount0\\ls1}}"
       "\\pard\\plain\\ls1\\ilvl0\\li720\\fi-360{\\listtext\\pard\\plain 4.\\tab}\\f0 Four\\par"
       "\\pard\\plain\\ls1\\ilvl1\\li1440\\fi-360{\\listtext\\pard\\plain\\f1 \\u8226 ?\\tab}"
       "\\f0 dot\\par"
       "\\pard\\plain\\ls1\\ilvl0\\li720\\fi-360{\\listtext\\pard\\plain 5.\\tab}\\f0 Five\\par"
       "\\pard\\plain\\f0 After}",
       // The face all of the text is in is the post's normal face: no run names it.
       "list decimal start=4\n  item\n    paragraph\n      \"Four\"\n    list bullet\n      "
       "item\n        paragraph\n          \"dot\"\n  item\n    paragraph\n      \"Five\"\n"
       "paragraph\n  \"After\"\n"},
      {"word style: a template id, level numbers written as text, roman under decimal",
       "{\\rtf1\\ansi{\\fonttbl{\\f0\\froman Times New Roman;}{\\f1\\fnil\\fcharset2 Symbol;}}"
       "{\\*\\listtable{\\list\\listtemplateid-12345\\listhybrid"
       "{\\listlevel\\levelnfc0\\levelnfcn0\\leveljc0\\leveljcn0\\levelfollow0\\levelstartat1"
       "\\levelspace0\\levelindent0{\\leveltext\\leveltemplateid67698703\\'02\\'00.;}"
       "{\\levelnumbers\\'01;}\\rtlch\\fcs1\\ltrch\\fcs0\\fi-360\\li720\\lin720 }"
       "{\\listlevel\\levelnfc2\\levelnfcn2\\leveljc0\\leveljcn0\\levelfollow0\\levelstartat1"
       "{\\leveltext\\leveltemplateid67698713\\'02\\'01.;}{\\levelnumbers\\'01;}"
       "\\fi-360\\li1440\\lin1440 }{\\listname ;}\\listid99}}"
       "{\\*\\listoverridetable{\\listoverride\\listid99\\listoverridecount0\\ls3}}"
       "\\pard\\plain\\ltrpar\\s34\\fi-360\\li720\\ls3\\ilvl0\\f0 {\\listtext\\pard\\plain\\f0 1."
       "\\tab}Alpha\\par"
       "\\pard\\plain\\fi-360\\li1440\\ls3\\ilvl1\\f0 {\\listtext\\pard\\plain\\f0 i.\\tab}"
       "Beta\\par"
       "\\pard\\plain\\fi-360\\li1440\\ls3\\ilvl1\\f0 {\\listtext\\pard\\plain\\f0 ii.\\tab}"
       "Gamma}",
       "list decimal\n  item\n    paragraph\n      \"Alpha\"\n    list lower-roman\n      "
       "item\n        paragraph\n          \"Beta\"\n      item\n        paragraph\n          "
       "\"Gamma\"\n"},
      {"a word processor's paragraph spacing, below and above",
       "{\\rtf1\\pard\\sa180 one\\par two\\par\\pard next\\par\\pard\\sb240 last"
       "\\par\\pard\\sa-5 end}",
       "paragraph space\n  \"one\"\nparagraph space\n  \"two\"\nparagraph space\n"
       "  \"next\"\nparagraph\n  \"last\"\nparagraph\n  \"end\"\n"},
      {"older readers' numbering alone",
       "{\\rtf1\\pard{\\pntext 1.\\tab}{\\*\\pn\\pnlvlbody\\pndec\\pnstart2{\\pntxta .}}"
       "\\fi-360\\li360 two\\par{\\pntext 3.\\tab}{\\*\\pn\\pnlvlbody\\pndec\\pnstart2"
       "{\\pntxta .}}three}",
       "list decimal start=2\n  item\n    paragraph\n      \"two\"\n  item\n    paragraph\n"
       "      \"three\"\n"},
  };
  for (const auto &c : cases) EXPECT_EQ(read(c.rtf), c.tree) << c.name;
}

// A web page pasted in keeps its structures as the document holds them: quotes by depth,
// headings of level 1 to 3, pictures of web addresses; a picture held in the page itself
// goes.
TEST(RtfStructures, APastedPageKeepsItsStructures) {
  RichTextBox box;
  QMimeData mime;
  mime.setHtml(
      u"<ol start=2><li>one<ul><li>dot</li></ul></li><li>two</li></ol>"
      u"<p>first</p><p>second</p>"
      u"<blockquote><ul><li>quoted</li></ul></blockquote><ol START='7'><li>seven</li></ol>"
      u"<blockquote>said<blockquote>deeper</blockquote></blockquote>"
      u"<h1>Big</h1><h4>Small</h4><hr>"
      u"<p>see <img src='https://example.org/a.png' alt='a cat'>"
      u"<img src='data:image/png;base64,iVBORw0KGgo=' alt='inline'> end</p>"_s);
  box.insertRich(&mime);
  const std::string pasted = tree(*box.document());
  for (const std::string part :
       {"list decimal start=2\n  item\n    paragraph\n      \"one\"\n    list bullet\n      item\n"
        "        paragraph\n          \"dot\"\n  item\n    paragraph\n      \"two\"\n",
        "paragraph space\n  \"first\"\nparagraph space\n  \"second\"\n",
        "quote\n  list bullet\n    item\n      paragraph\n        \"quoted\"\nlist decimal "
        "start=7\n",
        "quote\n  paragraph space\n    \"said\"\n  quote\n    paragraph space\n      \"deeper\"\n",
        "heading 1 space\n  \"Big\"\nheading 3 space\n  \"Small\"\nrule\n",
        "picture \"https://example.org/a.png\" alt=\"a cat\"\n"}) {
    EXPECT_NE(pasted.find(part), std::string::npos) << part << "\nin\n" << pasted;
  }
  EXPECT_EQ(pasted.find("data:"), std::string::npos) << pasted;
  EXPECT_EQ(pasted.find("picture \"\""), std::string::npos) << pasted;
  // The heading's level in the document is 3, as a file keeps it.
  bool small = false;
  for (QTextBlock block = box.document()->begin(); block.isValid(); block = block.next()) {
    if (block.text() == u"Small"_s) small = block.blockFormat().headingLevel() == 3;
  }
  EXPECT_TRUE(small);
}

// What an office program puts on the clipboard pastes as the program showed it: the
// formatting its stylesheet, columns and rows give, Word's list paragraphs as lists, and
// black, the page's base face and size as the document's body text.
TEST(RtfStructures, OfficeClipboardPastesAsTheProgramShowedIt) {
  const struct {
    const char *name;
    const char *fixture;
    std::string shows;  // a part of the post model, or empty
    std::string never;  // what no part of it holds, or empty
  } rows[] = {
      // The class's bold makes the row a header, whose bold is the header's look.
      {"a class's bold and centre", "excel-table.html",
       "cell header centre\n      paragraph centre\n        \"Team\"\n", ""},
      {"a class's colour", "excel-table.html", "\"-3.2\" colour=#FF0000\n", ""},
      {"a column's slant reaches its cells", "excel-table.html", "\"away form\" italic\n", ""},
      {"a class's face, size and underline", "excel-table.html",
       "\"Hull\" underline face=\"Georgia\" size=", ""},
      {"black and windowtext are the body's", "excel-table.html", "", "colour=#000000"},
      {"the base face every cell has", "excel-table.html", "", "Calibri"},
      {"the base face of the sheet", "calc-table.html", "", "Liberation"},
      {"black font tags", "calc-table.html", "\"-3.2\" colour=#FF0000\n", "colour=#000000"},
      {"a row's bold reaches its cells, a header", "sheets-table.html",
       "cell header centre\n      paragraph centre\n        \"Played\"\n", ""},
      {"bullets with their levels", "word-lists.html",
       "list bullet\n  item\n    paragraph\n      \"One\"\n    list bullet\n      item\n"
       "        paragraph\n          \"Under one\"\n  item\n",
       ""},
      {"the bullet's text and face go", "word-lists.html", "", "Symbol"},
      {"numbers from the first marker's", "word-lists.html",
       "list decimal start=3\n  item\n    paragraph\n      \"Saturday: \"\n      \"Leeds\" bold\n",
       ""},
      {"letters under numbers", "word-lists.html", "list lower-alpha\n", "\"a.\""},
      {"a character style", "word-lists.html", "\"injured\" bold colour=#C00000\n",
       "colour=#000000"},
      {"black on every run", "docs-text.html", "\"Red card\" italic", "colour=#000000"},
  };
  for (const auto &row : rows) {
    QFile file(u":/fixtures/"_s + QString::fromLatin1(row.fixture));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << row.fixture;
    RichTextBox box;
    QMimeData mime;
    mime.setHtml(QString::fromUtf8(file.readAll()));
    box.insertRich(&mime);
    const std::string pasted = tree(*box.document());
    if (!row.shows.empty()) {
      EXPECT_NE(pasted.find(row.shows), std::string::npos) << row.name << " in\n" << pasted;
    }
    if (!row.never.empty()) {
      EXPECT_EQ(pasted.find(row.never), std::string::npos) << row.name << " in\n" << pasted;
    }
  }
}

// Another word processor opens a file of ours with its lists: converted to HTML, the nested
// numbered list is an <ol> inside an <ol> or <ul>. Skipped where none is installed.
TEST(RtfStructures, AnotherWordProcessorOpensItsLists) {
  const QString office = QStandardPaths::findExecutable(u"soffice"_s);
  if (office.isEmpty()) GTEST_SKIP() << "no soffice to open the file";
  Writer writer;
  writer.item(QTextListFormat::ListDecimal, 1, 3);
  writer.text(u"Third"_s);
  writer.item(QTextListFormat::ListDisc, 2);
  writer.text(u"under"_s);
  QTemporaryDir folder;
  const QString path = folder.filePath(u"lists.rtf"_s);
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(writeRtf(writer.document));
  file.close();
  QProcess process;
  process.start(
      office, {u"--headless"_s, u"--convert-to"_s, u"html"_s, u"--outdir"_s, folder.path(), path});
  ASSERT_TRUE(process.waitForFinished(120000));
  QFile html(folder.filePath(u"lists.html"_s));
  ASSERT_TRUE(html.open(QIODevice::ReadOnly));
  const QString page = QString::fromUtf8(html.readAll()).toLower();
  EXPECT_TRUE(page.contains(u"<ol"_s)) << page.toStdString();
  EXPECT_TRUE(page.contains(u"<li"_s)) << page.toStdString();
}

// ---- Tables ----

// A table built as a test gives it: rows of cell texts, the header row count, a cell to
// format, and merges.
struct TableCase {
  const char *name;
  int rows;
  int columns;
  int headerRows = 0;
  std::function<void(QTextTable &)> fill;
};

QTextTable *onlyTable(const QTextDocument &document) {
  for (QTextFrame *frame : document.rootFrame()->childFrames()) {
    if (auto *table = qobject_cast<QTextTable *>(frame)) return table;
  }
  return nullptr;
}

QString cellText(const QTextTable &table, int row, int column) {
  const QTextTableCell cell = table.cellAt(row, column);
  QTextCursor cursor = cell.firstCursorPosition();
  cursor.setPosition(cell.lastPosition(), QTextCursor::KeepAnchor);
  return cursor.selectedText();
}

void put(QTextTable &table, int row, int column, const QString &text,
         const QTextCharFormat &format = {}) {
  table.cellAt(row, column).firstCursorPosition().insertText(text, format);
}

// What a table holds that a file keeps: the cells' text, each cell's first paragraph's
// alignment and first run's boldness, italics, colour and link, and spans.
std::string describe(const QTextTable &table) {
  std::string out = std::to_string(table.rows()) + "x" + std::to_string(table.columns()) +
                    " header " + std::to_string(table.format().headerRowCount()) + "\n";
  for (int row = 0; row < table.rows(); ++row) {
    for (int column = 0; column < table.columns(); ++column) {
      const QTextTableCell cell = table.cellAt(row, column);
      if (cell.row() != row || cell.column() != column) {
        out += "[covered]";
        continue;
      }
      out += "[" + cellText(table, row, column).toStdString();
      const QTextBlock block = cell.begin().currentBlock();
      const Qt::Alignment align = block.blockFormat().alignment();
      if (align & Qt::AlignRight) out += " R";
      if (align & Qt::AlignHCenter) out += " C";
      if (!block.begin().atEnd()) {
        const QTextCharFormat format = block.begin().fragment().charFormat();
        if (isBold(format)) out += " b";
        if (format.fontItalic()) out += " i";
        if (format.foreground().style() != Qt::NoBrush)
          out += " " + format.foreground().color().name().toStdString();
        if (!linkOf(format).isEmpty()) out += " ->" + linkOf(format).toStdString();
      }
      if (cell.rowSpan() > 1 || cell.columnSpan() > 1) {
        out += " span" + std::to_string(cell.rowSpan()) + "x" + std::to_string(cell.columnSpan());
      }
      out += "]";
    }
    out += "\n";
  }
  return out;
}

class RtfTables : public ::testing::TestWithParam<TableCase> {};

// Written to a file and read back, a table is the same table, and reading what was read
// writes the same bytes.
TEST_P(RtfTables, FileRoundTripKeepsTheTable) {
  const TableCase &c = GetParam();
  QTextDocument document;
  QTextCursor cursor(&document);
  cursor.insertText(u"Before"_s);
  cursor.insertBlock();
  QTextTableFormat format;
  format.setHeaderRowCount(c.headerRows);
  QTextTable *table = cursor.insertTable(c.rows, c.columns, format);
  c.fill(*table);
  QTextCursor end(&document);
  end.movePosition(QTextCursor::End);
  end.insertText(u"After"_s);

  const QByteArray rtf = writeRtf(document);
  QTextDocument read;
  ASSERT_TRUE(readRtf(rtf, read));
  const QTextTable *back = onlyTable(read);
  ASSERT_NE(back, nullptr) << c.name << "\n" << rtf.toStdString();
  EXPECT_EQ(describe(*back), describe(*table)) << c.name << "\n" << rtf.toStdString();
  EXPECT_EQ(read.begin().text(), u"Before"_s) << c.name;
  EXPECT_EQ(read.lastBlock().text(), u"After"_s) << c.name;
  EXPECT_EQ(writeRtf(read), rtf) << c.name;
}

QTextCharFormat boldFormat() {
  QTextCharFormat format;
  format.setFontWeight(QFont::Bold);
  return format;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RtfTables,
    ::testing::Values(TableCase{"HeaderAndCells", 3, 2, 1,
                                [](QTextTable &tb) {
                                  put(tb, 0, 0, u"Team"_s, boldFormat());
                                  put(tb, 0, 1, u"Pts"_s, boldFormat());
                                  put(tb, 1, 0, u"Leeds"_s);
                                  put(tb, 1, 1, u"12"_s);
                                  put(tb, 2, 0, u"\u6771\u4EAC {braces} \\"_s);
                                  put(tb, 2, 1, u"3"_s);
                                }},
                      TableCase{"EmptyCells", 2, 3, 0,
                                [](QTextTable &tb) {
                                  put(tb, 0, 1, u"middle"_s);
                                  put(tb, 1, 2, u"last"_s);
                                }},
                      TableCase{"AlignmentAndFormats", 1, 3, 0,
                                [](QTextTable &tb) {
                                  QTextBlockFormat right;
                                  right.setAlignment(Qt::AlignRight);
                                  QTextCursor cell = tb.cellAt(0, 0).firstCursorPosition();
                                  cell.setBlockFormat(right);
                                  cell.insertText(u"12"_s);
                                  QTextBlockFormat centre;
                                  centre.setAlignment(Qt::AlignHCenter);
                                  cell = tb.cellAt(0, 1).firstCursorPosition();
                                  cell.setBlockFormat(centre);
                                  QTextCharFormat italicRed;
                                  italicRed.setFontItalic(true);
                                  italicRed.setForeground(QColor(255, 0, 0));
                                  cell.insertText(u"red"_s, italicRed);
                                  QTextCharFormat link;
                                  setLink(link, u"https://example.org/a"_s);
                                  tb.cellAt(0, 2).firstCursorPosition().insertText(u"site"_s, link);
                                }},
                      TableCase{"LinkAndLineBreakAndParagraphs", 1, 1, 0,
                                [](QTextTable &tb) {
                                  QTextCursor cell = tb.cellAt(0, 0).firstCursorPosition();
                                  QTextCharFormat link;
                                  setLink(link, u"https://example.org/"_s);
                                  cell.insertText(u"go"_s, link);
                                  cell.insertText(u"\u2028second line"_s, QTextCharFormat());
                                  cell.insertBlock();
                                  cell.insertText(u"another paragraph"_s);
                                }},
                      TableCase{"OneColumn", 4, 1, 0,
                                [](QTextTable &tb) {
                                  for (int r = 0; r < 4; ++r) put(tb, r, 0, QString::number(r));
                                }},
                      TableCase{"HundredColumns", 2, 100, 1,
                                [](QTextTable &tb) {
                                  for (int c = 0; c < 100; ++c) {
                                    put(tb, 0, c, u"h"_s + QString::number(c), boldFormat());
                                    put(tb, 1, c, QString::number(c * 7));
                                  }
                                }},
                      TableCase{"SpanAcross", 2, 3, 0,
                                [](QTextTable &tb) {
                                  put(tb, 0, 0, u"wide"_s);
                                  put(tb, 0, 2, u"x"_s);
                                  put(tb, 1, 0, u"a"_s);
                                  put(tb, 1, 1, u"b"_s);
                                  put(tb, 1, 2, u"c"_s);
                                  tb.mergeCells(0, 0, 1, 2);
                                }},
                      TableCase{"SpanDown", 3, 2, 0,
                                [](QTextTable &tb) {
                                  put(tb, 0, 0, u"tall"_s);
                                  put(tb, 0, 1, u"1"_s);
                                  put(tb, 1, 1, u"2"_s);
                                  put(tb, 2, 0, u"z"_s);
                                  put(tb, 2, 1, u"3"_s);
                                  tb.mergeCells(0, 0, 2, 1);
                                }},
                      TableCase{"SpanBlock", 3, 3, 0,
                                [](QTextTable &tb) {
                                  put(tb, 0, 0, u"block"_s);
                                  put(tb, 2, 2, u"corner"_s);
                                  tb.mergeCells(0, 0, 2, 2);
                                }}),
    [](const auto &row) { return std::string(row.param.name); });

// The engine, which knows no tables, still gets the padded fixed-columns block.
TEST(RtfTablesEngine, EngineGetsTheFixedColumnsBlock) {
  QTextDocument document;
  QTextCursor cursor(&document);
  QTextTable *table = cursor.insertTable(2, 2);
  put(*table, 0, 0, u"Team"_s);
  put(*table, 0, 1, u"P"_s);
  put(*table, 1, 0, u"Leeds"_s);
  put(*table, 1, 1, u"12"_s);
  const QByteArray engine = writeRtf(document, 0, -1, RtfTarget::Engine);
  EXPECT_FALSE(engine.contains("\\trowd")) << engine.toStdString();
  EXPECT_TRUE(engine.contains("Begin Fixed")) << engine.toStdString();
  EXPECT_TRUE(engine.contains("Leeds")) << engine.toStdString();
  EXPECT_TRUE(writeRtf(document).contains("\\trowd"));
}

// Other writers' tables, and broken ones: what the table reads as.
struct ReadTableCase {
  const char *name;
  const char *rtf;
  const char *table;  // describe() of the table read
};

class RtfTablesRead : public ::testing::TestWithParam<ReadTableCase> {};

TEST_P(RtfTablesRead, ReadsTheTable) {
  const ReadTableCase &c = GetParam();
  QTextDocument read;
  ASSERT_TRUE(readRtf(QByteArray(c.rtf), read));
  const QTextTable *table = onlyTable(read);
  ASSERT_NE(table, nullptr) << c.name;
  EXPECT_EQ(describe(*table), c.table) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RtfTablesRead,
    ::testing::Values(
        ReadTableCase{"ShortRowGetsEmptyCells",
                      "{\\rtf1 \\trowd\\cellx1000\\cellx2000\\cellx3000\\pard\\intbl a\\cell "
                      "b\\cell c\\cell\\row\\trowd\\cellx1000\\pard\\intbl d\\cell\\row\\pard "
                      "end}",
                      "2x3 header 0\n[a][b][c]\n[d][][]\n"},
        ReadTableCase{"HeaderFromTrhdrAndWordStyleRowEnd",
                      "{\\rtf1 \\pard\\intbl\\qc\\b H\\cell\\b0\\pard\\intbl\\qr 1\\cell"
                      "\\trowd\\trhdr\\cellx1000\\cellx2000\\row"
                      "\\pard\\intbl x\\cell y\\cell\\trowd\\cellx1000\\cellx2000\\row}",
                      "2x2 header 1\n[H C b][1 R b]\n[x][y]\n"},
        ReadTableCase{"NestedTableTextStaysInTheOuterCell",
                      "{\\rtf1 \\trowd\\cellx2000\\cellx4000\\pard\\intbl outer\\par"
                      "\\itap2 in1\\nestcell in2\\nestcell{\\*\\nesttableprops\\trowd\\cellx500"
                      "\\nestrow}{\\nonesttables\\par}\\itap1 \\cell b\\cell\\row}",
                      "1x2 header 0\n[outer\xE2\x80\xA9in1 in2 ][b]\n"},
        ReadTableCase{"ListBeforeTheTableEnds",
                      "{\\rtf1 {\\pntext\\'b7\\tab}{\\*\\pn\\pnlvlblt{\\pntxtb\\'b7}}item\\par"
                      "\\pard\\trowd\\cellx1000\\intbl c\\cell\\row\\pard after}",
                      "1x1 header 0\n[c]\n"},
        ReadTableCase{"MergedAcross",
                      "{\\rtf1 \\trowd\\clmgf\\cellx1000\\clmrg\\cellx2000\\cellx3000"
                      "\\pard\\intbl a\\cell\\cell b\\cell\\row}",
                      "1x3 header 0\n[a span1x2][covered][b]\n"},
        ReadTableCase{"ColumnsPastTheCapJoinTheLast",
                      "{\\rtf1 \\trowd\\pard\\intbl 1\\cell 2\\cell\\row}",
                      "1x2 header 0\n[1][2]\n"},
        // A cell's "\\cellx" is its right edge: one reaching past another row's edge spans
        // the columns between, and the cells after it keep their text and formats.
        ReadTableCase{
            "WideCellSpansTheColumnsItReaches",
            "{\\rtf1 \\trowd\\cellx2000\\cellx3000\\pard\\intbl wide\\cell"
            "\\pard\\intbl\\qr\\b cup\\b0\\par second\\cell\\row"
            "\\trowd\\cellx1000\\cellx2000\\cellx3000\\pard\\intbl a\\cell b\\cell c"
            "\\cell\\row}",
            "2x3 header 0\n[wide span1x2][covered][cup\xE2\x80\xA9second R b]\n[a][b][c]\n"},
        ReadTableCase{"WideCellInALaterRow",
                      "{\\rtf1 \\trowd\\cellx1000\\cellx2000\\cellx3000\\pard\\intbl a\\cell"
                      " b\\cell c\\cell\\row\\trowd\\cellx1000\\cellx3000\\pard\\intbl d"
                      "\\cell wide\\cell\\row}",
                      "2x3 header 0\n[a][b][c]\n[d][wide span1x2][covered]\n"},
        ReadTableCase{"EdgesWithinAPointAreOne",
                      "{\\rtf1 \\trowd\\cellx1000\\cellx2000\\pard\\intbl a\\cell b\\cell"
                      "\\row\\trowd\\cellx1015\\cellx1990\\pard\\intbl c\\cell d\\cell\\row}",
                      "2x2 header 0\n[a][b]\n[c][d]\n"},
        ReadTableCase{"DefinitionAfterTheCellsPlacesThem",
                      "{\\rtf1 \\pard\\intbl wide\\cell x\\cell\\trowd\\cellx2000"
                      "\\cellx3000\\row\\pard\\intbl a\\cell b\\cell c\\cell\\trowd\\cellx1000"
                      "\\cellx2000\\cellx3000\\row}",
                      "2x3 header 0\n[wide span1x2][covered][x]\n[a][b][c]\n"},
        ReadTableCase{"CellsPastTheDefinitionTakeAColumnEach",
                      "{\\rtf1 \\trowd\\cellx2000\\pard\\intbl wide\\cell x\\cell y\\cell"
                      "\\row\\trowd\\cellx1000\\cellx2000\\cellx3000\\cellx4000\\pard\\intbl a"
                      "\\cell b\\cell c\\cell d\\cell\\row}",
                      "2x4 header 0\n[wide span1x2][covered][x][y]\n[a][b][c][d]\n"},
        ReadTableCase{"EdgesOutOfOrderTakeAColumnEach",
                      "{\\rtf1 \\trowd\\cellx3000\\cellx1000\\pard\\intbl a\\cell b\\cell"
                      "\\row\\trowd\\cellx1000\\cellx3000\\pard\\intbl c\\cell d\\cell\\row}",
                      "2x3 header 0\n[a span1x2][covered][b]\n[c][d][]\n"},
        ReadTableCase{"MergedAcrossWideCells",
                      "{\\rtf1 \\trowd\\clmgf\\cellx1000\\clmrg\\cellx3000\\pard\\intbl a"
                      "\\cell\\cell\\row\\trowd\\cellx1000\\cellx2000\\cellx3000\\pard\\intbl"
                      " b\\cell c\\cell d\\cell\\row}",
                      "2x3 header 0\n[a span1x3][covered][covered]\n[b][c][d]\n"},
        ReadTableCase{"MergedDownAWideCell",
                      "{\\rtf1 \\trowd\\clvmgf\\cellx2000\\cellx3000\\pard\\intbl tall\\cell"
                      " x\\cell\\row\\trowd\\clvmrg\\cellx2000\\cellx3000\\pard\\intbl\\cell"
                      " y\\cell\\row\\trowd\\cellx1000\\cellx2000\\cellx3000\\pard\\intbl a"
                      "\\cell b\\cell c\\cell\\row}",
                      "3x3 header 0\n[tall span2x2][covered][x]\n[covered][covered][y]\n"
                      "[a][b][c]\n"}),
    [](const auto &row) { return std::string(row.param.name); });

// The Word fixture's table opens as a table with its cells.
TEST(RtfTablesRead, WordFixtureOpensItsTable) {
  QFile file(u":/fixtures/word.rtf"_s);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  QTextDocument read;
  ASSERT_TRUE(readRtf(file.readAll(), read));
  const QTextTable *table = onlyTable(read);
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(table->rows(), 1);
  ASSERT_EQ(table->columns(), 2);
  EXPECT_EQ(cellText(*table, 0, 0), u"A1"_s);
  EXPECT_EQ(cellText(*table, 0, 1), u"B1"_s);
}

// LibreOffice's RTF of a page's table with a cell over two columns and one over two rows:
// the wide cell is one wider "\\cellx" without a merge word, and opens spanning its columns.
TEST(RtfTablesRead, LibreOfficesMergedCellsOpenInTheirColumns) {
  QFile file(u":/fixtures/libreoffice-merged-cells.rtf"_s);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  QTextDocument read;
  ASSERT_TRUE(readRtf(file.readAll(), read));
  const QTextTable *table = onlyTable(read);
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(describe(*table),
            "3x3 header 0\n[Season span1x2][covered][Cup]\n[Won][Drawn][Round span2x1]\n"
            "[24][8][covered]\n");
}

// A statistics table another word processor wrote (AbiWord, from a page's table) opens as a
// table: every row and cell in place, a "|" and a "[" in cells kept as text.
TEST(RtfTablesRead, AbiWordsStatisticsTableOpensAsATable) {
  QFile file(u":/fixtures/abiword-table.rtf"_s);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  QTextDocument read;
  ASSERT_TRUE(readRtf(file.readAll(), read));
  const QTextTable *table = onlyTable(read);
  ASSERT_NE(table, nullptr);
  ASSERT_EQ(table->rows(), 4);
  ASSERT_EQ(table->columns(), 4);
  const QString expected[4][4] = {{u"Team"_s, u"Played"_s, u"Won"_s, u"Points"_s},
                                  {u"Harbour City"_s, u"38"_s, u"24"_s, u"80"_s},
                                  {u"Northgate | United"_s, u"38"_s, u"21"_s, u"71"_s},
                                  {u"Rovers [B]"_s, u"38"_s, u"19"_s, u"66"_s}};
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 4; ++column)
      EXPECT_EQ(cellText(*table, row, column), expected[row][column]) << row << "," << column;
  }
  EXPECT_TRUE(read.toPlainText().startsWith(u"League table after 38 games:"_s));
  EXPECT_TRUE(read.toPlainText().trimmed().endsWith(u"Source: the league."_s));
}

// Another word processor opens a file of ours with a table: AbiWord's HTML of it has the
// table and its cells. Skipped where AbiWord is not installed.
TEST(RtfTablesRead, AnotherWordProcessorOpensItsTables) {
  const QString abiword = QStandardPaths::findExecutable(u"abiword"_s);
  if (abiword.isEmpty()) GTEST_SKIP() << "no abiword to open the file";
  QTextDocument document;
  QTextCursor cursor(&document);
  QTextTableFormat format;
  format.setHeaderRowCount(1);
  QTextTable *table = cursor.insertTable(2, 2, format);
  put(*table, 0, 0, u"Team"_s, boldFormat());
  put(*table, 0, 1, u"Points"_s, boldFormat());
  put(*table, 1, 0, u"Leeds"_s);
  put(*table, 1, 1, u"twelve"_s);
  QTemporaryDir folder;
  const QString path = folder.filePath(u"table.rtf"_s);
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(writeRtf(document));
  file.close();
  const QString out = folder.filePath(u"table.html"_s);
  QProcess process;
  process.start(abiword, {u"--to=html"_s, u"--to-name="_s + out, path});
  ASSERT_TRUE(process.waitForFinished(120000));
  QFile html(out);
  ASSERT_TRUE(html.open(QIODevice::ReadOnly)) << process.readAllStandardError().toStdString();
  const QString page = QString::fromUtf8(html.readAll());
  EXPECT_TRUE(page.contains(u"<table"_s, Qt::CaseInsensitive)) << page.toStdString();
  for (const QString &cell : {u"Team"_s, u"Points"_s, u"Leeds"_s, u"twelve"_s}) {
    EXPECT_TRUE(page.contains(cell)) << cell.toStdString() << "\n" << page.toStdString();
  }
}

}  // namespace
}  // namespace quillmark::richtext
