// Hostile documents for the editor, one row each: a generator, the text the document must
// keep, and the stages the row goes through. Every row is read by the editor's RTF reader
// (the text kept, in order, blanks aside, within the time bound) and the document read is
// written again (the RTF written reads back to the same text); rows marked for the window
// are also opened through the main window and copied to the web (the clipboard holds the
// text kept). The bound is a hang guard, not a benchmark: 2 seconds per MB of input and 2
// seconds more in the release build, ten times that unoptimised or sanitized, times
// QUILLMARK_TIME_SCALE.
//
// Under AddressSanitizer every count is a tenth of what it is otherwise (kScale), so that the
// sanitized run stays short; the row names give the release counts.
//
// The reader's limits (RtfReader.cpp) and the rows that go past them:
//   kMaxGroupDepth      NestedGroupsClosed, NestedGroupsNeverClosed, FieldsNested1000Deep
//   kMaxFaces           Fonts100000Used (the first faces kept, the text of all)
//   parameters          ControlWordNumberOfMillionDigits, UnicodeAtItsLimits, BinNearInt32Limit
//   \binN               BinPastTheEnd, BinNearInt32Limit
//   kMaxBulletsPerList  BulletParagraphs100000
//   kMaxListNumber      ListNumbersPastLimit
//   kMoveCellBudget     TableOf10000StaggeredRowsBy10 (TableOf2000... is within it)
#include <gtest/gtest.h>

#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <functional>
#include <random>

#include "../editor/ScriptedPlatform.h"
#include "BuildKind.h"
#include "Subsequence.h"
#include "post/PostDocument.h"
#include "quillmark/formats.h"
#include "richtext/DocumentModel.h"
#include "richtext/RtfReader.h"
#include "richtext/RtfWriter.h"

namespace {

using namespace Qt::StringLiterals;
using namespace quillmark;

constexpr int kScale = kSanitized ? 10 : 1;

int scaled(int count) { return std::max(1, count / kScale); }

double timeBoundSeconds(qsizetype bytes) {
  double seconds = 2.0 + 2.0 * double(bytes) / 1e6;
  if (!kOptimised) seconds *= 10;
  if (const QByteArray env = qgetenv("QUILLMARK_TIME_SCALE"); !env.isEmpty()) {
    bool ok = false;
    const double factor = env.toDouble(&ok);
    if (ok && factor > 0) seconds *= factor;
  }
  return seconds;
}

// Blanks of every kind and object characters left out: layout is no text.
QString compact(const QString &text) {
  QString result;
  result.reserve(text.size());
  for (const QChar c : text) {
    if (!c.isSpace() && c != QChar::ObjectReplacementCharacter) result += c;
  }
  return result;
}

::testing::AssertionResult keeps(const QString &expected, const QString &text) {
  const QString want = compact(expected);
  const QString got = compact(text);
  qsizetype at = 0;
  if (quillmark::testing::isSubsequence(want, got, &at)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "lost text at " << at << " of " << want.size() << ": expected \""
         << want.mid(at, 40).toStdString() << "\", the text there: \""
         << got.mid(std::max<qsizetype>(0, at - 20), 60).toStdString() << '"';
}

struct Document {
  QByteArray rtf;
  QString kept;  // the text the document must keep, in order, blanks aside
};

struct Row {
  const char *name;
  std::function<Document()> make;
  bool window = false;  // also open it through the main window and copy it to the web
};

QByteArray repeated(const QByteArray &piece, int count) { return piece.repeated(count); }

QByteArray number(qint64 n) { return QByteArray::number(n); }

Document fontTable(int count, bool used) {
  QByteArray rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl";
  for (int i = 0; i < count; ++i) rtf += "{\\f" + number(i) + "\\fswiss Face" + number(i) + ";}";
  rtf += "}first ";
  QString kept = u"first"_s;
  if (used) {
    for (int i = 0; i < count; ++i) rtf += "\\f" + number(i) + " w" + number(i) + ' ';
    kept += u"w0w1w2"_s + u"w%1"_s.arg(count - 1);
  }
  rtf += "last}";
  return {rtf, kept + u"last"_s};
}

Document colourTable(int count, bool used) {
  QByteArray rtf = "{\\rtf1{\\colortbl;";
  for (int i = 0; i < count; ++i) {
    rtf += "\\red" + number(i % 256) + "\\green" + number(i / 256 % 256) + "\\blue" +
           number(i / 65536) + ';';
  }
  rtf += "}first ";
  QString kept = u"first"_s;
  if (used) {
    for (int i = 0; i < count; ++i) rtf += "\\cf" + number(i + 1) + " c" + number(i) + ' ';
    kept += u"c0c1"_s + u"c%1"_s.arg(count - 1);
  }
  rtf += "last}";
  return {rtf, kept + u"last"_s};
}

// A table of `rows` rows of `cells` cells, every other row's edges half a cell along.
Document staggeredTable(int rows, int cells) {
  QByteArray rtf = "{\\rtf1 ";
  for (int row = 0; row < rows; ++row) {
    rtf += "\\trowd";
    for (int c = 1; c <= cells; ++c) rtf += "\\cellx" + number(c * 1000 - (row % 2) * 500);
    rtf += "\\pard\\intbl " + repeated("c\\cell ", cells) + "\\row\n";
  }
  return {rtf + "\\pard end}", QString(rows * cells, u'c') + u"end"_s};
}

// Bytes from a fixed seed, so that a failure repeats.
QByteArray randomBytes(int size, unsigned seed) {
  std::mt19937 random(seed);
  QByteArray bytes(size, '\0');
  // No closing brace: the document's group stays open to the end, so all of it is read.
  for (char &b : bytes) {
    b = char(random() & 0xFF);
    if (b == '}') b = '{';
  }
  return bytes;
}

const std::vector<Row> &rows() {
  static const std::vector<Row> all = {
      {"Fonts100000Used", [] { return fontTable(scaled(100000), true); }, true},
      {"Fonts100000Unused", [] { return fontTable(scaled(100000), false); }},
      {"Colours100000Used", [] { return colourTable(scaled(100000), true); }, true},
      {"Colours100000Unused", [] { return colourTable(scaled(100000), false); }},
      {"NestedGroupsClosed",
       [] {
         const int n = scaled(100000);
         return Document{"{\\rtf1 a" + QByteArray(n, '{') + "\\b deep" + QByteArray(n, '}') + " z}",
                         u"adeepz"_s};
       },
       true},
      {"NestedGroupsNeverClosed",
       [] {
         return Document{"{\\rtf1 a" + QByteArray(scaled(100000), '{') + "deep", u"adeep"_s};
       }},
      {"Paragraphs1000000",
       [] {
         const int n = scaled(1000000);
         return Document{"{\\rtf1 " + repeated("para\\par ", n) + "end}",
                         QString(u"para"_s).repeated(n) + u"end"_s};
       }},
      {"BulletParagraphs100000",
       [] {
         const int n = scaled(100000);
         return Document{
             "{\\rtf1 " + repeated("{\\pntext\\'b7\\tab}\\fi-250\\li250 b\\par ", n) + "end}",
             QString(n, u'b') + u"end"_s};
       }},
      {"TableCells100000",
       [] {
         const int rowsOfTen = scaled(10000);
         QByteArray rtf = "{\\rtf1\\trowd";
         for (int c = 1; c <= 10; ++c) rtf += "\\cellx" + number(c * 500);
         const QByteArray row = repeated("\\intbl c\\cell ", 10) + "\\row ";
         rtf += repeated(row, rowsOfTen) + "\\pard end}";
         return Document{rtf, QString(rowsOfTen * 10, u'c') + u"end"_s};
       }},
      {"TableOf2000RowsBy1000Columns",
       [] {
         // Cut to the most columns a table holds; the cells past them join the last one.
         const int rows = scaled(2000);
         const QByteArray row = "\\trowd\\intbl x" + repeated("\\cell ", 1000) + "\\row\n";
         return Document{"{\\rtf1 " + repeated(row, rows) + "\\pard end}",
                         QString(rows, u'x') + u"end"_s};
       }},
      {"TableOf12000Rows",
       [] {
         // Cut to the most rows a table holds; the rows past them join the last one's cells.
         const int rows = scaled(12000);
         const QByteArray row = "\\trowd\\intbl a\\cell b\\cell\\row\n";
         return Document{"{\\rtf1 " + repeated(row, rows) + "\\pard end}",
                         QString(u"ab"_s).repeated(std::min(rows, 10000) - 1) +
                             QString(rows - std::min(rows, 10000) + 1, u'a') +
                             QString(rows - std::min(rows, 10000) + 1, u'b') + u"end"_s};
       }},
      {"TableOf2000StaggeredRowsBy10",
       [] {
         // Every other row's edges lie halfway between the others': each cell but a row's
         // first spans two columns, and is moved to them when the table ends.
         return staggeredTable(scaled(2000), 10);
       }},
      {"TableOf10000StaggeredRowsBy10",
       [] {
         // Past the cells moved to their edges' columns: each keeps the column of its count.
         return staggeredTable(scaled(10000), 10);
       }},
      {"WordOf10MB",
       [] {
         const int n = scaled(10'000'000);
         return Document{"{\\rtf1 " + QByteArray(n, 'w') + '}', QString(n, u'w')};
       }},
      {"LinesOf10MBWithCrOnly",
       [] {
         const int n = scaled(1'000'000);
         return Document{"{\\rtf1 " + repeated("line word\r", n) + '}',
                         QString(u"lineword"_s).repeated(n)};
       }},
      {"LinesOf10MBWithLfOnly",
       [] {
         const int n = scaled(1'000'000);
         return Document{"{\\rtf1 " + repeated("line word\n", n) + '}',
                         QString(u"lineword"_s).repeated(n)};
       }},
      {"BinPastTheEnd",
       [] {
         return Document{"{\\rtf1 before\\bin99999999 after}", u"before"_s};
       }},
      {"BinNearInt32Limit",
       [] {
         return Document{"{\\rtf1 a{\\bin2147483647 x}b{\\bin4294967295 y}c\\bin-5 d}", u"a"_s};
       }},
      {"PictureOf20MBInHex",
       [] {
         const int n = scaled(20'000'000);
         return Document{"{\\rtf1 before{\\pict\\pngblip " + QByteArray(n, 'a') + "}after}",
                         u"beforeafter"_s};
       },
       true},
      {"UnicodeAtItsLimits",
       [] {
         return Document{
             "{\\rtf1\\uc0 a\\u-32768 b\\u32767 c\\u65535 d\\u-1 e\\u99999999 f\\u-99999999 g"
             "\\uc16\\u1488 0123456789abcdefh\\uc1 \\u233?i}",
             u"a\u8000b\u7FFFc\uFFFFd\uFFFFefgh\u00E9i"_s};
       }},
      {"CodePagesOfNonsense",
       [] {
         QByteArray rtf = "{\\rtf1";
         QString kept;
         for (const char *page : {"0", "-1", "1", "37", "1200", "99999", "2147483647",
                                  "-2147483648", "65001", "932", "500"}) {
           rtf += "{\\ansicpg" + QByteArray(page) + " text" + page + "\\par}";
           kept += u"text"_s + QString::fromLatin1(page);
         }
         return Document{rtf + '}', kept};
       }},
      {"FontCharsetOfEveryValue",
       [] {
         QByteArray rtf = "{\\rtf1{\\fonttbl";
         for (int i = 0; i < 256; ++i) {
           rtf += "{\\f" + number(i) + "\\fcharset" + number(i) + " F;}";
         }
         rtf += "}";
         QString kept;
         for (int i = 0; i < 256; ++i) {
           rtf += "\\f" + number(i) + "\\'82\\'a0 v" + number(i) + "\\'e9 ";
           kept += u'v' + QString::number(i);
         }
         return Document{rtf + '}', kept};
       }},
      {"FieldsNested1000Deep",
       [] {
         QByteArray rtf = "{\\rtf1 a";
         for (int i = 0; i < 1000; ++i) {
           rtf += "{\\field{\\*\\fldinst HYPERLINK \"http://x/" + number(i) + "\"}{\\fldrslt l";
         }
         rtf += "deep" + repeated("}}", 1000) + "z}";
         return Document{rtf, u"a"_s + QString(1000, u'l') + u"deepz"_s};
       },
       true},
      {"ControlWordOfMillionLetters",
       [] {
         return Document{"{\\rtf1 a\\" + QByteArray(scaled(1'000'000), 'q') + " b}", u"ab"_s};
       }},
      {"ControlWordNumberOfMillionDigits",
       [] {
         const QByteArray digits(scaled(1'000'000), '9');
         // "\\uN" takes the "?" after it for its stand-in.
         return Document{"{\\rtf1 a\\fs" + digits + " b\\u" + digits + " ?c\\uc" + digits +
                             " d\\li-" + digits + " e}",
                         u"abcde"_s};
       }},
      {"ListNumbersPastLimit",
       [] {
         return Document{
             "{\\rtf1{\\*\\listtable{\\list{\\listlevel\\levelnfc0\\levelstartat2147483647"
             "{\\leveltext\\'02\\'00.;}}\\listid1}}{\\*\\listoverridetable{\\listoverride"
             "\\listid1\\ls1}}\\pard\\ls1 a\\par b\\par\\ls1\\ilvl99 c\\par"
             "\\pard{\\*\\pn\\pnlvlbody\\pnlcltr\\pnstart2147483647}d}",
             u"abcd"_s};  // the numbers are the lists', at most kMaxListNumber
       }},
      {"NulBytes",
       [] {
         const int n = scaled(1'000'000);
         QByteArray rtf = "{\\rtf1 a" + QByteArray(n, '\0') + "b";
         return Document{rtf + repeated(QByteArray("c\0", 2), n) + '}', u"ab"_s + QString(n, u'c')};
       }},
      {"RandomBytes",
       [] {
         return Document{"{\\rtf1 start " + randomBytes(scaled(4'000'000), 7), u"start"_s};
       },
       true},
      {"RandomRtfTokens",
       [] {
         // Tokens the reader acts on, in random order: destinations opened and not closed,
         // tables started and not ended, fields, lists, code pages.
         static const char *const kTokens[] = {"{",
                                               "}",
                                               "\\par ",
                                               "\\intbl ",
                                               "\\cell ",
                                               "\\row ",
                                               "{\\*\\x ",
                                               "{\\fonttbl ",
                                               "{\\colortbl ",
                                               "\\f1 ",
                                               "\\cf2 ",
                                               "{\\field{\\*\\fldinst HYPERLINK \"u\"}{\\fldrslt ",
                                               "\\ls1 ",
                                               "{\\listtext ",
                                               "{\\*\\pn\\pnlvlbody ",
                                               "\\'82",
                                               "\\ansicpg932 ",
                                               "\\u20013?",
                                               "\\uc3 ",
                                               "\\bin5 ",
                                               "\\pard ",
                                               "\\b ",
                                               "text ",
                                               "\\trowd ",
                                               "\\pict "};
         std::mt19937 random(11);
         QByteArray rtf = "{\\rtf1 ";
         for (int i = 0; i < scaled(400000); ++i) {
           rtf += kTokens[random() % (sizeof kTokens / sizeof *kTokens)];
         }
         return Document{rtf, QString()};
       },
       true},
  };
  return all;
}

class EditorPathological : public ::testing::TestWithParam<Row> {};

TEST_P(EditorPathological, ReadsWritesAndCopiesWithinBounds) {
  const Row &row = GetParam();
  const Document input = row.make();
  const double bound = timeBoundSeconds(input.rtf.size());

  QElapsedTimer timer;
  timer.start();
  QTextDocument document;
  richtext::setUpDocument(document, richtext::kBulletIndentTwips);
  ASSERT_TRUE(richtext::readRtf(input.rtf, document));
  const double readSeconds = timer.elapsed() / 1000.0;
  EXPECT_LT(readSeconds, bound) << "reading";
  const QString text = document.toPlainText();
  EXPECT_TRUE(keeps(input.kept, text)) << "reading";

  timer.restart();
  const QByteArray written = richtext::writeRtf(document);
  const double writeSeconds = timer.elapsed() / 1000.0;
  EXPECT_LT(writeSeconds, timeBoundSeconds(written.size())) << "writing";
  QTextDocument again;
  richtext::setUpDocument(again, richtext::kBulletIndentTwips);
  ASSERT_TRUE(richtext::readRtf(written, again));
  EXPECT_EQ(again.toPlainText().toStdString(), text.toStdString()) << "written and read back";

  double windowSeconds = 0;
  if (row.window) {
    QTemporaryDir folder;
    const QString path = folder.filePath(u"hostile.rtf"_s);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(input.rtf);
    file.close();
    timer.restart();
    quillmark::testing::ScriptedWindow w;
    EXPECT_TRUE(w.window.openFile(path));
    w.window.copyToWeb();
    windowSeconds = timer.elapsed() / 1000.0;
    EXPECT_LT(windowSeconds, 2 * bound) << "opening and copying through the window";
    // The post is HTML: the text kept shows in it, tags between its characters.
    EXPECT_TRUE(keeps(input.kept, QGuiApplication::clipboard()->text())) << "the post";
  }
  std::printf("  %-34s %9lld bytes: read %.2f s, write %.2f s, window %.2f s\n", row.name,
              static_cast<long long>(input.rtf.size()), readSeconds, writeSeconds, windowSeconds);
}

INSTANTIATE_TEST_SUITE_P(Rows, EditorPathological, ::testing::ValuesIn(rows()),
                         [](const ::testing::TestParamInfo<Row> &param) {
                           return std::string(param.param.name);
                         });

// A forum post pasted back (Paste Forum Post, File > Open of a post): read and made into the
// document within the bound, its text kept. One long paragraph of many runs was quadratic
// while every insertion laid its paragraph out again.
TEST(EditorPathologicalPosts, PastedWithinBounds) {
  const auto lines = [](int n) {
    QString post;
    for (int i = 0; i < n; ++i)
      post +=
          u"[b]Player %1[/b] scored [color=#FF0000]%2[/color] [url=https://example.org/%1]goals[/url]\n"_s
              .arg(i)
              .arg(i % 40);
    return post;
  };
  const int deep = scaled(20000);
  const struct {
    const char *name;
    QString post;
    Format format;
    QString kept;
  } cases[] = {
      {"one paragraph of 100000 runs", lines(scaled(25000)), Format::Phpbb,
       u"Player 0 scored 0 goals"_s},
      {"lists nested 20000 deep", u"[list]"_s.repeated(deep) + u"x"_s + u"[/list]"_s.repeated(deep),
       Format::Phpbb, u"x"_s},
      {"quotes nested 20000 deep",
       u"[quote]"_s.repeated(deep) + u"y"_s + u"[/quote]"_s.repeated(deep), Format::Xenforo,
       u"y"_s},
      {"a table of 100000 cells",
       u"[TABLE]"_s + u"[TR]"_s + u"[TD]c[/TD]"_s.repeated(100) + u"[/TR]"_s.repeated(1) +
           (u"[TR]"_s + u"[TD]c[/TD]"_s.repeated(100) + u"[/TR]"_s).repeated(scaled(1000) - 1) +
           u"[/TABLE]"_s,
       Format::Xenforo, u"cccc"_s},
      // Long lists: one QTextList takes time quadratic in its items (20,000 took 11 s).
      {"a list of 20000 items",
       u"[list]\n"_s + u"[*]item\n"_s.repeated(scaled(20000)) + u"[/list]"_s, Format::Phpbb,
       u"item"_s.repeated(scaled(20000))},
      {"a numbered Markdown list of 20000 items", u"1. item\n"_s.repeated(scaled(20000)),
       Format::Markdown, u"item"_s.repeated(scaled(20000))},
      // A megabyte of runs under one long address or face: the document makes one format of
      // it, not one copy a run.
      {"a long address over 100000 runs",
       u"[url=http://e.org/"_s + u"a"_s.repeated(20000) + u"]"_s +
           u"[b]w[/b] "_s.repeated(scaled(110000)) + u"[/url]"_s,
       Format::Phpbb, u"w w w"_s},
      {"a long face over 100000 runs",
       u"[FONT="_s + u"F"_s.repeated(20000) + u"]"_s + u"[B]w[/B] "_s.repeated(scaled(110000)) +
           u"[/FONT]"_s,
       Format::Xenforo, u"w w w"_s},
      {"a Markdown link over 100000 runs",
       u"["_s + u"**w** x "_s.repeated(scaled(120000)) + u"](http://e.org/"_s +
           u"a"_s.repeated(20000) + u")"_s,
       Format::Markdown, u"w x w x"_s},
      // Rows past a document's table go on in another table, none merged into one cell.
      {"a table of 30000 rows",
       u"[TABLE]"_s + u"[TR][TD]r[/TD][TD]s[/TD][/TR]\n"_s.repeated(scaled(30000)) + u"[/TABLE]"_s,
       Format::Xenforo, u"rsrsrs"_s},
      {"a Markdown header of 3000 cells over 30000 rows",
       u"|a"_s.repeated(3000) + u"|\n"_s + u"|-"_s.repeated(3000) + u"|\n"_s +
           u"|b|\n"_s.repeated(scaled(30000)),
       Format::Markdown, u"bbb"_s},
  };
  for (const auto &c : cases) {
    QTextDocument document;
    richtext::setUpDocument(document, richtext::kBulletIndentTwips);
    QElapsedTimer timer;
    timer.start();
    QTextCursor cursor(&document);
    post::insertModel(cursor, readPost(c.post.toStdU16String(), c.format));
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    EXPECT_LT(seconds, timeBoundSeconds(c.post.size() * 2)) << c.name;
    EXPECT_TRUE(keeps(c.kept, document.toPlainText())) << c.name;
    // No cell holds more than a row's worth of the post.
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
      if (block.length() > 1000) {
        EXPECT_EQ(QTextCursor(block).currentTable(), nullptr) << c.name;
      }
    }
  }
}

}  // namespace
