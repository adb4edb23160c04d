// Hostile posts for the post formats, one row each: text a writer may type that looks like
// the start of an entity, a tag, a link, BBCode or Markdown, in quantity. Every row is typed
// into a document, converted as "Copy to Web" converts it, and then, in every format, made
// into a post (convertPost), checked against the fragment (checkPost), read back as the
// forum shows it (bbcodeToHtml); the fragment is checked against the document's text
// (checkFragment). Each of those steps must pass its check and keep within the bound, a hang
// guard, not a benchmark: 2 seconds per MB of the fragment and 1 second more in the release
// build, ten times that unoptimised or sanitized, times QUILLMARK_TIME_SCALE.
//
// Under a sanitizer every row is a tenth of its size (kScale), so that the run stays short.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "BuildKind.h"
#include "quillmark/convert.h"
#include "quillmark/formats.h"
#include "quillmark/post.h"

namespace quillmark {
namespace {

constexpr std::size_t kScale = kSanitized ? 10 : 1;
constexpr std::size_t kTypedUnits = 1'000'000 / kScale;  // the size of a row's typed text

double boundSeconds(std::size_t units) {
  double seconds = 1.0 + 2.0 * double(units) / 1e6;
  if (!kOptimised) seconds *= 10;
  if (const char* env = std::getenv("QUILLMARK_TIME_SCALE")) {
    char* end = nullptr;
    const double factor = std::strtod(env, &end);
    if (end != env && factor > 0) seconds *= factor;
  }
  return seconds;
}

// Copies of `piece` up to at least `units` units.
std::u16string typed(std::u16string_view piece, std::size_t units = kTypedUnits) {
  std::u16string text;
  text.reserve(units + piece.size());
  while (text.size() < units) text += piece;
  return text;
}

// A document of the edit control's dialect whose text is `lines`, one paragraph each; its
// backslashes and braces escaped.
std::u16string rtfOf(const std::vector<std::u16string>& lines) {
  std::u16string rtf =
      u"{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss MS Sans Serif;}{\\f1\\fmodern Courier;}}\r\n"
      u"\\pard\\f0\\fs20 ";
  for (const std::u16string& line : lines) {
    for (const char16_t c : line) {
      if (c == u'\\' || c == u'{' || c == u'}') rtf += u'\\';
      rtf += c;
    }
    rtf += u"\\par\r\n";
  }
  return rtf + u"}\r\n";
}

std::u16string joined(const std::vector<std::u16string>& lines) {
  std::u16string text;
  for (const std::u16string& line : lines) text += line + u"\n";
  return text;
}

using Lines = std::vector<std::u16string>;

struct Row {
  const char* name;
  std::function<std::vector<std::u16string>()> lines;  // the document's paragraphs
  // The fragment shows the document's words: false where the typed text is markup to a
  // browser (a typed "<b>" is bold, a typed "&amp" an ampersand), which checkFragment says.
  bool fragmentShowsTheWords = true;
};

void PrintTo(const Row& row, std::ostream* os) { *os << row.name; }

std::vector<std::u16string> one(std::u16string_view piece) { return {typed(piece)}; }

// Lines of `piece`, each about `lineUnits` long.
std::vector<std::u16string> manyLines(std::u16string_view piece, std::size_t lineUnits) {
  std::vector<std::u16string> all(kTypedUnits / lineUnits, typed(piece, lineUnits));
  return all;
}

const std::vector<Row>& rows() {
  static const std::vector<Row> all = {
      // ----- Entities: a semicolon looked for to the end would take quadratic time.
      {"AmpersandsOfWords", [] { return one(u"R&D and Q&A, "); }},
      {"AmpersandsAlone", [] { return one(u"&"); }},
      {"AmpersandsOnManyLines", [] { return manyLines(u"R&D and Q&A, ", 80); }},
      {"NumericWithoutSemicolon", [] { return one(u"&#1234 &#x1F "); }},
      {"NamesPastTheLongest", [] { return one(u"&abcdefghijklmnopqrstuvwxyzabcdefghijklmn "); }},
      {"SemicolonFarAway",
       []() -> Lines {
         return {u"&" + typed(u"a"), u";"};
       }},
      {"ReferencesWithoutSemicolon", [] { return one(u"&amp&lt&gt&quot&nbsp "); }, false},
      // ----- Tags: a value's end looked for to the end would too.
      {"OpenAngles", [] { return one(u"<"); }},
      {"UnfinishedFaces", [] { return one(u"<font face=\""); }},
      {"UnfinishedColours", [] { return one(u"<font color=\"#"); }},
      {"UnfinishedSizes", [] { return one(u"<font size="); }},
      {"UnfinishedLinks", [] { return one(u"<a href=\""); }},
      {"UnfinishedAlignments", [] { return one(u"<table width=100%><tr><td align=\""); }},
      {"FaceThenNoQuote", []() -> Lines { return {u"<font face=\"" + typed(u"Arial ")}; }},
      {"LinkThenNoQuote", []() -> Lines { return {u"<a href=\"" + typed(u"http://e.org/ ")}; }},
      {"TypedBold", [] { return one(u"<b>x"); }, false},
      {"TypedClosings", [] { return one(u"x</font></a></td></tr></table></li>"); }, false},
      {"TypedFonts", [] { return one(u"<font color=\"#FF0000\">x"); }, false},
      // Every face its own: the post's normal face is found by one count of each.
      {"TypedFacesAllDifferent",
       []() -> Lines {
         std::u16string text;
         for (std::size_t i = 0; text.size() < kTypedUnits; ++i) {
           const std::string n = std::to_string(i);
           text += u"<font face=\"F" + std::u16string(n.begin(), n.end()) + u"\">x";
         }
         return {text};
       },
       false},
      // ----- BBCode: the posts carry the writer's text as typed, and the checks and the
      // preview's reader look for tags in it.
      {"OpenBrackets", [] { return one(u"["); }},
      {"UnfinishedValues", [] { return one(u"[color=[url=[size="); }},
      {"ValueThenNoBracket", []() -> Lines { return {u"[url=" + typed(u"http://e.org/ ")}; }},
      {"TypedBbcode", [] { return one(u"[b][i]x[/b] [url=http://e.org/]l[/url] [code]"); }},
      {"TypedListItems", [] { return one(u"[list][*]x[*]"); }},
      {"TypedCloseTags", [] { return one(u"[/b][/color][/url][/list][/code]"); }},
      // ----- Markdown: emphasis, links, code spans and escapes typed as text.
      {"Asterisks", [] { return one(u"*a**b***"); }},
      {"Backticks", [] { return one(u"`"); }},
      {"LinkBrackets", [] { return one(u"[a](b "); }},
      {"Backslashes", [] { return one(u"\\"); }},
      // A fixed block whose lines start with backticks, one line of many making the fence
      // long: the check of the closing fence must not compare the whole fence at each line.
      {"FixedBlockOfBackticks",
       [] {
         std::vector<std::u16string> block = {u"{Begin Fixed}",
                                              std::u16string(kTypedUnits / 4, u'`')};
         for (std::size_t i = 0; i < kTypedUnits / 8; ++i) block.push_back(u"`x");
         block.push_back(u"{End Fixed}");
         return block;
       }},
  };
  return all;
}

class FormatsPathological : public ::testing::TestWithParam<Row> {};

// Runs `step`, failing the test when it takes longer than the bound for `units`.
template <typename Step>
auto withinBound(const char* what, std::size_t units, Step step) {
  const auto start = std::chrono::steady_clock::now();
  auto result = step();
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  EXPECT_LE(took.count(), boundSeconds(units)) << what << ": " << units << " units";
  return result;
}

TEST_P(FormatsPathological, EveryFormatWithinBounds) {
  const Row& row = GetParam();
  const std::vector<std::u16string> lines = row.lines();
  const std::u16string web = rewriteForWeb(Converter{}.convertRtfToHtml(rtfOf(lines), kWebOptions));
  const std::size_t units = web.size();
  const auto start = std::chrono::steady_clock::now();
  for (const FormatInfo& f : allFormats()) {
    SCOPED_TRACE(std::string(f.name));
    const Post post = withinBound("convertPost", units, [&] { return convertPost(web, f.format); });
    const std::optional<std::string> wrong =
        withinBound("checkPost", units, [&] { return checkPost(web, post.text, f.format); });
    EXPECT_EQ(wrong, std::nullopt);
    const std::u16string shown =
        withinBound("bbcodeToHtml", units, [&] { return bbcodeToHtml(post.text, f.format); });
    EXPECT_FALSE(shown.empty());
  }
  const std::optional<std::string> verdict =
      withinBound("checkFragment", units, [&] { return checkFragment(web, joined(lines)); });
  if (row.fragmentShowsTheWords) {
    EXPECT_EQ(verdict, std::nullopt);
  } else {
    EXPECT_NE(verdict, std::nullopt);
  }
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  std::printf("[ %s ] %zu units of fragment, every format %.3f s (bound %.0f s a step)\n", row.name,
              units, took.count(), boundSeconds(units));
}

// The largest table a document holds, 10,000 rows of 1,000 columns (every tenth cell with a
// figure, a header row), through every format with tables and without, its check and the
// preview's reader: each step within the bound for its ten million cells.
TEST(FormatsPathologicalTable, TenThousandRowsOfAThousandColumns) {
  const std::size_t rows = 10'000 / kScale, columns = 1'000;
  post::Builder b;
  b.beginTable();
  for (std::size_t r = 0; r < rows; ++r) {
    b.row();
    for (std::size_t c = 0; c < columns; ++c) {
      b.cell(r == 0, c % 3 == 2 ? post::Align::Right : post::Align::Left);
      if (c % 10 != 0) continue;
      b.paragraph();
      b.text(u"9|[", {});
    }
  }
  b.endTable();
  const post::Model model = b.finish();
  const std::size_t cells = rows * columns;
  for (const FormatInfo& f : allFormats()) {
    if (f.format == Format::Html) continue;
    for (const bool tables : {true, false}) {
      SCOPED_TRACE(std::string(f.name) + (tables ? " with tables" : " without tables"));
      const PostOptions options{.tables = tables};
      const Post post =
          withinBound("writePost", cells, [&] { return writePost(model, f.format, options); });
      EXPECT_GT(post.text.size(), rows * columns / 10 * 3);
      const std::optional<std::string> wrong = withinBound(
          "checkPost", cells, [&] { return checkPost(model, post.text, f.format, options); });
      EXPECT_EQ(wrong, std::nullopt);
      const std::u16string shown =
          withinBound("bbcodeToHtml", cells, [&] { return bbcodeToHtml(post.text, f.format); });
      EXPECT_FALSE(shown.empty());
    }
  }
}

// Hostile posts read back, each about a megabyte: read as `--from` reads it, without the
// document (readPost), then written in every format and shown by the preview's reader, each
// step within the bound; every post written a small multiple of the one read, and the
// process never past a gigabyte.
struct PostRow {
  const char* name;
  Format format;
  std::function<std::u16string()> post;
};

void PrintTo(const PostRow& row, std::ostream* os) { *os << row.name; }

std::u16string repeated(std::u16string_view piece, std::size_t times) {
  std::u16string text;
  text.reserve(piece.size() * times);
  for (std::size_t i = 0; i < times; ++i) text += piece;
  return text;
}

// The process's largest resident size is counted again from now (Linux: clear_refs resets
// the high-water mark of /proc/self/status). A row's memory is what it adds to the size
// the process held before it, which earlier tables' freed memory may still be part of.
void resetPeak() {
  if (std::FILE* f = std::fopen("/proc/self/clear_refs", "w")) {
    std::fputs("5", f);
    std::fclose(f);
  }
}

// A size of /proc/self/status ("VmHWM", "VmRSS") in bytes, or 0 where unknown.
std::size_t statusBytes(const char* field) {
  std::size_t kilobytes = 0;
  if (std::FILE* f = std::fopen("/proc/self/status", "r")) {
    char line[256];
    const std::string format = std::string(field) + ": %zu kB";
    while (std::fgets(line, sizeof line, f)) {
      if (std::sscanf(line, format.c_str(), &kilobytes) == 1) break;
    }
    std::fclose(f);
  }
  return kilobytes * 1024;
}

constexpr std::size_t kMaxOutputFactor = 8;

const std::vector<PostRow>& postRows() {
  const std::size_t n = kTypedUnits;
  const std::u16string address = u"http://e.org/" + std::u16string(20'000, u'a');
  static const std::vector<PostRow> all = {
      // A style's address or face is stored once, however many runs and lines take it.
      {"LongAddressOverManyRuns", Format::Phpbb,
       [=] { return u"[url=" + address + u"]" + typed(u"[b]w[/b] ", n) + u"[/url]"; }},
      {"LongAddressOverManyLines", Format::Phpbb,
       [=] { return u"[url=" + address + u"]" + typed(u"w\n", n) + u"[/url]"; }},
      {"LongAddressOverManyParagraphs", Format::Phpbb,
       [=] { return u"[url=" + address + u"]" + typed(u"w\n\n", n) + u"[/url]"; }},
      {"LongFaceOverManyRuns", Format::Xenforo,
       [=] {
         return u"[FONT=" + std::u16string(20'000, u'F') + u"]" + typed(u"[B]w[/B] ", n) +
                u"[/FONT]";
       }},
      {"FacesOpenedAndNeverClosed", Format::Xenforo, [=] { return typed(u"[FONT=Arial]x", n); }},
      {"FacesNested", Format::Xenforo,
       [=] { return repeated(u"[FONT=Arial]x", n / 20) + repeated(u"[/FONT]", n / 20); }},
      {"MarkdownLinkOverManyRuns", Format::Markdown,
       [=] { return u"[" + typed(u"**w** x ", n) + u"](" + address + u")"; }},
      {"MarkdownReferenceUsedOften", Format::Markdown,
       [=] { return u"[x]: " + address + u"\n\n" + typed(u"[x] ", n); }},
      // Tables padded in a code block where the forum takes none.
      {"WideCellOverManyRows", Format::Xenforo,
       [=] {
         return u"[TABLE][TR][TD]" + std::u16string(20'000, u'c') + u"[/TD][/TR]" +
                typed(u"[TR][TD]x[/TD][/TR]", n) + u"[/TABLE]";
       }},
      {"MoreRowsThanADocumentHolds", Format::Xenforo,
       [=] { return u"[TABLE]" + typed(u"[TR][TD]x[/TD][TD]y[/TD][/TR]\n", n) + u"[/TABLE]"; }},
      // Markdown that cmark-gfm reads in time past linear.
      {"PictureOpenersUnderLinks", Format::Markdown, [=] { return typed(u"![[]()", n); }},
      {"ProcessingInstructions", Format::Markdown, [=] { return u"a " + typed(u"<?", n); }},
      {"CdataOpeners", Format::Markdown, [=] { return u"a " + typed(u"<![CDATA[", n); }},
      {"Declarations", Format::Markdown, [=] { return typed(u"a <!A ", n); }},
      {"TableOfManyColumns", Format::Markdown,
       [=] {
         return typed(u"|a", n / 3) + u"|\n" + typed(u"|-", n / 3) + u"|\n" + typed(u"|b", n / 3) +
                u"|\n";
       }},
      {"WideHeaderOverManyRows", Format::Markdown,
       [=] {
         const std::size_t columns = 3'000 / kScale;
         return repeated(u"|a", columns) + u"|\n" + repeated(u"|-", columns) + u"|\n" +
                typed(u"|b|\n", n);
       }},
  };
  return all;
}

class FormatsPathologicalPosts : public ::testing::TestWithParam<PostRow> {};

TEST_P(FormatsPathologicalPosts, ReadWrittenAndShownWithinBounds) {
  const PostRow& row = GetParam();
  resetPeak();
  const std::size_t before = statusBytes("VmRSS");
  const std::u16string text = row.post();
  const std::size_t units = text.size();
  const auto start = std::chrono::steady_clock::now();
  const post::Model model =
      withinBound("readPost", units, [&] { return readPost(text, row.format); });
  EXPECT_EQ(post::check(model), std::nullopt);
  for (const FormatInfo& f : allFormats()) {
    if (f.format == Format::Html) continue;
    SCOPED_TRACE(std::string(f.name));
    const Post post = withinBound("writePost", units, [&] { return writePost(model, f.format); });
    EXPECT_LE(post.text.size(), kMaxOutputFactor * units + 65'536);
    const Post plain = withinBound("writePost without tables", units,
                                   [&] { return writePost(model, f.format, {.tables = false}); });
    EXPECT_LE(plain.text.size(), kMaxOutputFactor * units + 65'536);
  }
  withinBound("bbcodeToHtml", units, [&] { return bbcodeToHtml(text, row.format); });
  const std::size_t added = statusBytes("VmHWM") - std::min(before, statusBytes("VmHWM"));
  EXPECT_LT(added, std::size_t(1) << 30);
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  std::printf("[ %s ] %zu units, read and every format %.3f s, %zu MB more at the peak\n", row.name,
              units, took.count(), added >> 20);
}

INSTANTIATE_TEST_SUITE_P(Rows, FormatsPathologicalPosts, ::testing::ValuesIn(postRows()),
                         [](const auto& param) { return std::string(param.param.name); });

INSTANTIATE_TEST_SUITE_P(Rows, FormatsPathological, ::testing::ValuesIn(rows()),
                         [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace quillmark
