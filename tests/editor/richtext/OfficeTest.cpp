// Our files in another word processor and its files in ours, through LibreOffice Writer run
// without its window: every structure the editor holds, typed with the component's own
// commands and saved by its writer, is found in LibreOffice's HTML of the file; and every
// structure LibreOffice writes in its RTF of a small page opens here as the same structure.
// One run of LibreOffice for each direction, over a document per structure. Skipped where
// LibreOffice is not installed.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <QTextTable>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "post/DocumentPost.h"
#include "post/PostDocument.h"
#include "quillmark/formats.h"
#include "quillmark/textfile.h"
#include "richtext/DocumentFile.h"
#include "richtext/DocumentModel.h"
#include "richtext/OfficeDocument.h"
#include "richtext/RichTextBox.h"
#include "richtext/RtfReader.h"
#include "richtext/RtfWriter.h"

namespace quillmark::richtext {
namespace {

using namespace Qt::StringLiterals;

// LibreOffice's first start with a new profile takes seconds; the limit only stops a hang.
constexpr int kRunTimeoutMs = 90'000;

// A document written as a user writes it: text typed at the insertion point and formatted
// with the component's commands.
class Typist {
 public:
  void type(const QString &text) { box.setSelText(text); }
  void paragraph() { box.setSelText(u"\r"_s); }
  // Selects the first `text` of the document.
  void select(const QString &text) {
    const QTextCursor found = box.document()->find(text);
    ASSERT_FALSE(found.isNull()) << text.toStdString();
    box.setSelStart(found.selectionStart());
    box.setSelLength(int(text.size()));
  }
  void toEnd() { box.setSelStart(int(box.document()->characterCount())); }
  // A list item per text at its level (1 = top), bullets or numbers as `numbered` says.
  void items(const std::vector<std::pair<int, QString>> &items, bool numbered) {
    for (const auto &[level, text] : items) {
      type(text);
      if (numbered)
        box.setSelNumbered(true);
      else
        box.setSelBullet(true);
      const int now = box.selListLevel().value_or(0);
      if (level != now) box.changeSelListLevel(level - now);
      paragraph();
    }
    box.setSelBullet(false);
  }
  // The list the insertion point's paragraph is in starts at `start` (the document's own
  // property: no command sets it).
  void startListAt(const QString &itemText, int start) {
    select(itemText);
    QTextList *list = box.textCursor().currentList();
    ASSERT_NE(list, nullptr);
    QTextListFormat format = list->format();
    format.setProperty(kListStartProperty, start);
    list->setFormat(format);
    toEnd();
  }
  // A table of `cells` (rows of texts) typed cell by cell; the insertion point ends after it.
  QTextTable *table(const QList<QStringList> &cells, bool headerRow) {
    if (!box.insertTable(int(cells.size()), int(cells.first().size()), headerRow)) return nullptr;
    QTextTable *made = box.selTable();
    for (int row = 0; row < cells.size(); ++row) {
      for (int column = 0; column < cells[row].size(); ++column) {
        box.setTextCursor(made->cellAt(row, column).firstCursorPosition());
        type(cells[row][column]);
      }
    }
    box.setTextCursor(made->lastCursorPosition());
    box.moveCursor(QTextCursor::NextCharacter);
    return made;
  }

  RichTextBox box;
};

// LibreOffice's HTML without its layout: it breaks long lines at a blank, indenting the next
// with tabs, and puts tags on lines of their own. Blanks beside a tag go too (they may be
// layout); blanks within text stay, as many as there are. With `fonts` false the font and span
// tags go as well, which LibreOffice puts around every run.
QString plainHtml(QString html, bool fonts) {
  static const QRegularExpression lineBreak(uR"(\r?\n\t*)"_s);
  static const QRegularExpression besideTag(uR"(\s*(<[^>]*>)\s*)"_s);
  static const QRegularExpression fontTag(uR"(</?(font|span)\b[^>]*>)"_s);
  html.replace(lineBreak, u" "_s);
  html.replace(besideTag, u"\\1"_s);
  if (!fonts) html.remove(fontTag);
  return html;
}

struct Saved {
  const char *name;  // also the file's name
  std::function<void(Typist &)> write;
  std::vector<const char *> finds;      // patterns LibreOffice's HTML matches, in any case
  bool fonts = false;                   // whether they are matched with the font tags in place
  std::vector<const char *> lost = {};  // what LibreOffice does not keep: matched by nothing
};

const Saved kSaved[] = {
    // Lost: LibreOffice's RTF import reads no header row from "\trhdr" (and its RTF export
    // writes none), so the header is an ordinary first row there.
    {"table-header-row",
     [](Typist &t) {
       t.table({{u"Team"_s, u"Points"_s}, {u"Leeds"_s, u"80"_s}, {u"Hull"_s, u"71"_s}}, true);
     },
     {R"(<table[^>]*>(<col[^>]*>)*<tr[^>]*><td[^>]*><p[^>]*><b>Team</b></p></td><td[^>]*>)"
      R"(<p[^>]*><b>Points</b></p></td></tr><tr[^>]*><td[^>]*><p[^>]*>Leeds</p></td>)"
      R"(<td[^>]*><p[^>]*>80</p>)"},
     false,
     {"<thead|<th[ >]"}},
    {"column-alignment",
     [](Typist &t) {
       t.table({{u"Team"_s, u"Points"_s, u"Form"_s}, {u"Leeds"_s, u"80"_s, u"WWD"_s}}, false);
       t.select(u"Points"_s);
       t.box.setColumnAlignment(Alignment::Right);
       t.select(u"Form"_s);
       t.box.setColumnAlignment(Alignment::Center);
     },
     {R"(<td[^>]*><p align="right"[^>]*>Points</p>)", R"(<td[^>]*><p align="right"[^>]*>80</p>)",
      R"(<td[^>]*><p align="center"[^>]*>WWD</p>)", R"(<td[^>]*><p>Leeds</p>)"}},
    {"merged-cells",
     [](Typist &t) {
       QTextTable *table = t.table({{u"Season"_s, u""_s, u"Cup"_s},
                                    {u"Won"_s, u"Drawn"_s, u"Round"_s},
                                    {u"24"_s, u"8"_s, u""_s}},
                                   false);
       table->mergeCells(0, 0, 1, 2);
       table->mergeCells(1, 2, 2, 1);
     },
     {R"(<td colspan="2"[^>]*><p[^>]*>Season</p></td><td[^>]*><p[^>]*>Cup</p></td></tr>)",
      R"(<td[^>]*><p[^>]*>Drawn</p></td><td rowspan="2"[^>]*><p[^>]*>Round</p></td></tr>)"
      R"(<tr[^>]*><td[^>]*><p[^>]*>24</p></td><td[^>]*><p[^>]*>8</p></td></tr>)"}},
    {"bullets-nested",
     [](Typist &t) {
       t.items({{1, u"Keepers"_s}, {2, u"Raya"_s}, {3, u"deep"_s}, {1, u"Defenders"_s}}, false);
     },
     // LibreOffice writes each change of level as lists closed and opened again.
     {R"(<body[^>]*><ul><li><p[^>]*>Keepers</p></ul><ul><ul><li><p[^>]*>Raya</p></ul></ul>)"
      R"(<ul><ul><ul><li><p[^>]*>deep</p></ul></ul></ul><ul><li><p[^>]*>Defenders</p></ul>)"}},
    {"numbers-from-3",
     [](Typist &t) {
       t.items({{1, u"Third"_s}, {1, u"Fourth"_s}}, true);
       t.startListAt(u"Third"_s, 3);
     },
     {R"(<ol start="3"><li><p[^>]*>Third</p><li><p[^>]*>Fourth</p></ol>)"}},
    {"numbers-nested-from-5",
     [](Typist &t) {
       t.items({{1, u"Top"_s}, {2, u"Fifth"_s}, {2, u"Sixth"_s}, {1, u"Next"_s}}, true);
       t.startListAt(u"Fifth"_s, 5);
     },
     {R"(<ol><li><p[^>]*>Top</p></ol><ol[^>]*><ol type="a" start="5"><li><p[^>]*>Fifth</p>)"
      R"(<li><p[^>]*>Sixth</p></ol></ol><ol start="2"><li><p[^>]*>Next</p></ol>)"}},
    {"headings",
     [](Typist &t) {
       for (int level = 1; level <= 3; ++level) {
         t.box.setSelHeading(level);
         t.type(u"Level "_s + QString::number(level));
         t.paragraph();
       }
       t.box.setSelHeading(0);
       t.type(u"Body"_s);
     },
     {R"(<h1[^>]*>Level 1</h1><h2[^>]*>Level 2</h2><h3[^>]*>Level 3</h3><p[^>]*>Body</p>)"}},
    {"quote",
     [](Typist &t) {
       t.type(u"He said"_s);
       t.box.setSelQuote(true);
       t.paragraph();
       t.box.setSelQuote(false);
       t.type(u"Out"_s);
     },
     {R"(<blockquote[^>]*>He said</blockquote><p[^>]*>Out</p>)"}},
    // LibreOffice draws a rule as we write it: a paragraph with a line below it.
    {"rule",
     [](Typist &t) {
       t.type(u"Above"_s);
       t.box.insertRule();
       t.type(u"Below"_s);
     },
     {R"(<p[^>]*>Above</p><p[^>]*border-bottom: 1px solid[^>]*><br/></p><p[^>]*>Below</p>)"}},
    // Lost: LibreOffice's RTF import takes an INCLUDEPICTURE field's result, where we write
    // the alternative text, and reads no address of a linked picture at all (a shape's
    // pibName neither), so the picture is its alternative text there.
    {"picture",
     [](Typist &t) {
       t.type(u"Goal: "_s);
       t.box.insertPicture(u"https://example.org/goal.png"_s, u"the winner"_s);
     },
     {R"(Goal: ?the winner)"},
     false,
     {R"(<img)"}},
    {"link",
     [](Typist &t) {
       t.type(u"Read the table now."_s);
       t.select(u"the table"_s);
       t.box.setSelLink(u"https://example.org/table?a=1&b=2"_s);
     },
     {R"(Read ?<a href="https://example.org/table\?a=1&amp;b=2"[^>]*>the table</a> ?now\.)"}},
    {"colour-size-face",
     [](Typist &t) {
       t.type(u"red big courier plain"_s);
       t.select(u"red"_s);
       t.box.setSelColor(rgbValueFromColor(QColor(0xCC, 0x00, 0x11)));
       t.select(u"big"_s);
       t.box.setSelFontSize(18);
       t.select(u"courier"_s);
       t.box.setSelFontName(u"Courier New"_s);
     },
     {R"(<font color="#cc0011">(<font[^>]*>)*red<)",
      R"(<font size="5" style="font-size: 18pt">big<)",
      R"(<font face="Courier New[^"]*">(<font[^>]*>)*courier<)"},
     true},
    {"fixed-columns",
     [](Typist &t) {
       t.table({{u"Team"_s, u"Pts"_s}, {u"Harbour City"_s, u"80"_s}}, false);
       t.select(u"Team"_s);
       ASSERT_TRUE(t.box.convertTableToText());
     },
     {R"(\{Begin Fixed\})", R"(>Team {10}Pts<)", R"(>Harbour City {2}80<)", R"(\{End Fixed\})",
      R"(<font face="Courier[^"]*">(<font[^>]*>)*Harbour City)"},
     true},
};

bool matches(const char *pattern, const QString &text) {
  return QRegularExpression(QString::fromUtf8(pattern), QRegularExpression::CaseInsensitiveOption)
      .match(text)
      .hasMatch();
}

// Each structure saved in a file of ours, converted by LibreOffice to HTML, is there.
TEST(LibreOfficeOpensOurFiles, EveryStructureIsFoundInItsHtml) {
  if (officeProgram().isEmpty()) GTEST_SKIP() << "LibreOffice is not installed";
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  QStringList files;
  for (const Saved &saved : kSaved) {
    Typist typist;
    saved.write(typist);
    const QString file = folder.filePath(QString::fromLatin1(saved.name) + u".rtf"_s);
    ASSERT_TRUE(writeWholeFile(file, writeRtf(*typist.box.document())));
    files << file;
  }
  QString error;
  ASSERT_TRUE(convertWithOffice(files, u"html"_s, folder.path(), &error, {}, kRunTimeoutMs))
      << error.toStdString();
  for (const Saved &saved : kSaved) {
    SCOPED_TRACE(saved.name);
    const FileRead read =
        readWholeFile(folder.filePath(QString::fromLatin1(saved.name) + u".html"_s));
    ASSERT_TRUE(read.ok()) << read.error.toStdString();
    const QString html = plainHtml(QString::fromUtf8(read.bytes), saved.fonts);
    for (const char *pattern : saved.finds)
      EXPECT_TRUE(matches(pattern, html)) << pattern << "\nin\n" << html.toStdString();
    for (const char *pattern : saved.lost)
      EXPECT_FALSE(matches(pattern, html)) << "now kept: " << pattern;
  }
}

// The post model of a document, without the faces and sizes LibreOffice gives all text (the
// faces but Courier New, the normal size), and each merged cell of its tables as "merged
// ROW,COLUMN ROWSxCOLUMNS".
std::string structure(const QTextDocument &document) {
  static const QRegularExpression normal(uR"( (face="(?!Courier New")[^"]*"|size=100))"_s);
  std::string described =
      QString::fromStdString(post::describe(post::modelOf(document))).remove(normal).toStdString();
  for (QTextFrame *frame : document.rootFrame()->childFrames()) {
    const auto *table = qobject_cast<QTextTable *>(frame);
    if (!table) continue;
    for (int row = 0; row < table->rows(); ++row) {
      for (int column = 0; column < table->columns(); ++column) {
        const QTextTableCell cell = table->cellAt(row, column);
        if (cell.row() != row || cell.column() != column) continue;
        if (cell.rowSpan() > 1 || cell.columnSpan() > 1)
          described += "merged " + std::to_string(row) + "," + std::to_string(column) + " " +
                       std::to_string(cell.rowSpan()) + "x" + std::to_string(cell.columnSpan()) +
                       "\n";
      }
    }
  }
  return described;
}

struct Written {
  const char *name;
  const char *page;                     // the body of a web page LibreOffice opens
  std::vector<const char *> shows;      // patterns the structure() of its RTF read here matches
  std::vector<const char *> lost = {};  // what LibreOffice's RTF does not keep: matched by nothing
};

const Written kWritten[] = {
    // Lost: LibreOffice's RTF export writes no "\trhdr"; the header cells' look (bold,
    // centred) stays.
    {"table-header-row",
     "<table><thead><tr><th>Team</th><th>Points</th></tr></thead>"
     "<tbody><tr><td>Leeds</td><td>80</td></tr></tbody></table>",
     {"^table\n  row\n    cell centre\n      paragraph centre\n        \"Team\" bold\n"
      "    cell centre\n      paragraph centre\n        \"Points\" bold\n  row\n    cell\n"
      "      paragraph\n        \"Leeds\"\n    cell\n      paragraph\n        \"80\"\n"},
     {"cell header"}},
    {"column-alignment",
     "<table><tr><td>Team</td><td align=\"right\">Points</td><td align=\"center\">Form</td></tr>"
     "<tr><td>Leeds</td><td align=\"right\">80</td><td align=\"center\">WWD</td></tr></table>",
     {"  row\n    cell\n      paragraph\n        \"Leeds\"\n    cell right\n"
      "      paragraph right\n        \"80\"\n    cell centre\n      paragraph centre\n"
      "        \"WWD\"\n"}},
    // LibreOffice writes a cell spanning columns as one wider cell (its "\cellx" further
    // on) without "\clmgf", and one spanning rows with "\clvmgf" and "\clvmrg".
    {"merged-cells",
     "<table><tr><td colspan=\"2\">Season</td><td>Cup</td></tr>"
     "<tr><td>Won</td><td>Drawn</td><td rowspan=\"2\">Round</td></tr>"
     "<tr><td>24</td><td>8</td></tr></table>",
     {"merged 0,0 1x2\nmerged 1,2 2x1\n$",
      "\"Season\"\n    cell\n    cell\n      paragraph\n        \"Cup\"\n"}},
    {"bullets-nested",
     "<ul><li>Keepers<ul><li>Raya<ul><li>deep</li></ul></li></ul></li><li>Defenders</li></ul>",
     {"list bullet\n  item\n    paragraph\n      \"Keepers\"\n    list bullet\n      item\n"
      "        paragraph\n          \"Raya\"\n        list bullet\n          item\n"
      "            paragraph\n              \"deep\"\n  item\n    paragraph\n"
      "      \"Defenders\""}},
    {"numbers-from-3",
     "<ol start=\"3\"><li>Third</li><li>Fourth</li></ol>",
     {"list decimal start=3\n  item\n    paragraph\n      \"Third\"\n  item\n"
      "    paragraph\n      \"Fourth\""}},
    {"numbers-nested-from-5",
     "<ol><li>Top<ol type=\"a\" start=\"5\"><li>Fifth</li><li>Sixth</li></ol></li>"
     "<li>Next</li></ol>",
     {"list decimal\n  item\n    paragraph\n      \"Top\"\n    list lower-alpha start=5\n"
      "      item\n        paragraph\n          \"Fifth\"\n      item\n        paragraph\n"
      "          \"Sixth\"\n  item\n    paragraph\n      \"Next\""}},
    {"headings",
     "<h1>Level 1</h1><h2>Level 2</h2><h3>Level 3</h3><p>Body</p>",
     {"^heading 1[^\n]*\n  \"Level 1\"\nheading 2[^\n]*\n  \"Level 2\"\nheading 3[^\n]*\n"
      "  \"Level 3\"\nparagraph\n  \"Body\""}},
    {"quote",
     "<blockquote>He said</blockquote><p>Out</p>",
     {"^quote\n  paragraph[^\n]*\n    \"He said\"\nparagraph\n  \"Out\""}},
    {"rule", "<p>Above</p><hr><p>Below</p>", {"\"Above\"\nrule\nparagraph\n  \"Below\""}},
    // Lost: LibreOffice embeds a page's picture in its RTF, never its address (here an empty
    // one, as it fetches nothing without a network), and the editor holds pictures by
    // address only. The alternative text goes to the picture's name ("wzName", mostly
    // "Image1" and the like, so not read), not to its description, which would stand in
    // its place.
    {"picture",
     "<p>Goal: <img src=\"https://example.org/goal.png\" alt=\"the winner\"></p>",
     {"^paragraph\n  \"Goal: \"\n"},
     {"picture"}},
    // LibreOffice writes its look of a link (navy, underlined) as the link's own formatting.
    {"link",
     "<p>Read <a href=\"https://example.org/table?a=1&amp;b=2\">the table</a> now.</p>",
     {"\"Read \"\n  \"the table\"[^\n]* link=\"https://example\\.org/table\\?a=1&b=2\"\n"
      "  \" now\\.\""}},
    {"colour-size-face",
     "<p><font color=\"#cc0011\">red</font> <font size=\"5\">big</font> "
     "<font face=\"Courier New\">courier</font> plain</p>",
     {"\"red\" colour=#CC0011\n", "\"big\" size=150\n", "\"courier\" face=\"Courier New\"\n"}},
    {"fixed-columns",
     "<pre>{Begin Fixed}\nTeam          Pts\nHarbour City  80\n{End Fixed}</pre>",
     {"^code\n  \"Team          Pts\\\\nHarbour City  80\\\\n\"\n"}},
};

// Each structure in LibreOffice's RTF of a small page opens here as that structure.
TEST(LibreOfficeFilesOpenHere, EveryStructureOfItsRtfIsRead) {
  if (officeProgram().isEmpty()) GTEST_SKIP() << "LibreOffice is not installed";
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  QStringList files;
  for (const Written &written : kWritten) {
    const QString file = folder.filePath(QString::fromLatin1(written.name) + u".html"_s);
    const QByteArray page = QByteArray(
                                "<!DOCTYPE html><html><head><meta charset=\"utf-8\">"
                                "</head><body>") +
                            written.page + "</body></html>";
    ASSERT_TRUE(writeWholeFile(file, page));
    files << file;
  }
  QString error;
  // Writer's own reading of a page (not Writer/Web's, which writes no RTF).
  ASSERT_TRUE(convertWithOffice(files, u"rtf"_s, folder.path(), &error, u"HTML (StarWriter)"_s,
                                kRunTimeoutMs))
      << error.toStdString();
  for (const Written &written : kWritten) {
    SCOPED_TRACE(written.name);
    const FileRead rtf =
        readWholeFile(folder.filePath(QString::fromLatin1(written.name) + u".rtf"_s));
    ASSERT_TRUE(rtf.ok()) << rtf.error.toStdString();
    QTextDocument document;
    setUpDocument(document, kBulletIndentTwips);
    ASSERT_TRUE(readRtf(rtf.bytes, document, &error)) << error.toStdString();
    const QString read = QString::fromStdString(structure(document));
    for (const char *pattern : written.shows)
      EXPECT_TRUE(matches(pattern, read)) << pattern << "\nin\n" << read.toStdString();
    for (const char *pattern : written.lost)
      EXPECT_FALSE(matches(pattern, read)) << "now kept: " << pattern;
  }
}

// A document's outline: its post model's blocks and the text of its runs, without the looks
// of runs (a word processor's heading styles give its headings their own italics or colour)
// and the room after paragraphs. A header row reads as a row of cells: LibreOffice's RTF
// keeps none (above).
std::string outline(const QTextDocument &document) {
  static const QRegularExpression look(uR"(^( *"(?:[^"\\]|\\.)*")[^\n]*$)"_s,
                                       QRegularExpression::MultilineOption);
  static const QRegularExpression room(uR"( space$)"_s, QRegularExpression::MultilineOption);
  QString described = QString::fromStdString(post::describe(post::modelOf(document)));
  described.replace(look, u"\\1"_s).remove(room).replace(u"cell header"_s, u"cell"_s);
  return described.toStdString();
}

// The report a writer keeps in a word processor, as .docx and as .odt (both made from
// fixtures/report.md by pandoc), opens as the RTF of the same report does: every block,
// list with its start, table with its alignment, and word; the document is no file of
// theirs (it saves as RTF elsewhere).
TEST(OfficeDocuments, OpenAsTheRtfOfTheSameReport) {
  if (officeProgram().isEmpty()) GTEST_SKIP() << "LibreOffice is not installed";
  QFile source(u":/fixtures/report.md"_s);
  ASSERT_TRUE(source.open(QIODevice::ReadOnly));
  const QByteArray text = source.readAll();
  QTextDocument made;
  setUpDocument(made, kBulletIndentTwips);
  post::appendModel(
      made, readPost(decodeText({text.constData(), std::size_t(text.size())}), Format::Markdown));
  QTextDocument rtf;
  setUpDocument(rtf, kBulletIndentTwips);
  ASSERT_TRUE(readRtf(writeRtf(made), rtf));
  const std::string expected = outline(rtf);
  ASSERT_NE(expected.find("list decimal start=3"), std::string::npos) << expected;

  const std::string post = qs(writePost(post::modelOf(rtf), Format::Markdown).text).toStdString();
  const struct {
    QString name;
    std::string markdown;  // its Markdown post
  } reports[] = {
      {u"report.docx"_s, post},
      // Writer's own heading 2 is italic, and the .odt takes its styles from it.
      {u"report.odt"_s, QString::fromStdString(post)
                            .replace(u"## Highlights"_s, u"## *Highlights*"_s)
                            .toStdString()},
  };
  for (const auto &[name, markdown] : reports) {
    SCOPED_TRACE(name.toStdString());
    RichTextBox box;
    QString error;
    bool imported = false;
    ASSERT_TRUE(box.loadFile(u":/fixtures/"_s + name, &error, nullptr, &imported))
        << error.toStdString();
    EXPECT_TRUE(imported);
    EXPECT_EQ(outline(*box.document()), expected);
    EXPECT_EQ(qs(writePost(post::modelOf(*box.document()), Format::Markdown).text).toStdString(),
              markdown);
  }
}

// A LibreOffice that fails is told as a failure, never taken for a document: one that writes
// nothing, one that says it failed, one that hangs (stopped at the time limit, with what it
// started). Each is a stand-in "soffice" first on the path.
TEST(OfficeRuns, FailuresAreReported) {
  const struct {
    const char *name;
    const char *script;
    const char *reason;
  } cases[] = {
      {"writes nothing", "exit 0", "could not read the document"},
      {"fails", "echo 'Error: source file could not be loaded' >&2; exit 1",
       "could not read the document"},
      {"hangs", "/bin/sleep 60 & /bin/sleep 60",
       "did not finish reading the document within 1 seconds"},
  };
  const QByteArray path = qgetenv("PATH");
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    QTemporaryDir bin;
    const QString program = bin.filePath(u"soffice"_s);
    ASSERT_TRUE(writeWholeFile(program, QByteArray("#!/bin/sh\n") + c.script + "\n"));
    QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner);
    qputenv("PATH", QFile::encodeName(bin.path()));
    QTemporaryDir out;
    const QString input = out.filePath(u"report.docx"_s);
    ASSERT_TRUE(writeWholeFile(input, "PK\x03\x04"));
    QString error;
    EXPECT_FALSE(convertWithOffice({input}, u"rtf"_s, out.path(), &error, {}, 1000));
    EXPECT_TRUE(error.contains(QString::fromUtf8(c.reason))) << error.toStdString();
    if (std::string_view(c.name) != "hangs") {  // (which would take the full time limit)
      QTextDocument document;
      setUpDocument(document, kBulletIndentTwips);
      EXPECT_FALSE(readOfficeDocument("PK\x03\x04", u"docx"_s, document, &error));
    }
    qputenv("PATH", path);
  }
}

}  // namespace
}  // namespace quillmark::richtext
