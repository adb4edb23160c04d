// Tables in posts: the forums with tables of their own get them (XenForo with header cells,
// SMF and vBulletin with the header's text bold, Markdown as a GFM pipe table), the others
// and a forum that takes none a code block of padded columns; every cell's text is kept and
// every post passes its check. The Markdown tables are read back by cmark-gfm.
#include <cmark-gfm-core-extensions.h>
#include <cmark-gfm.h>
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "FormatsSupport.h"
#include "quillmark/formats.h"
#include "quillmark/post.h"

namespace quillmark {
namespace {

using post::Align;
using post::Builder;
using testing::utf8;

const post::Style kPlain{};

std::u16string u16(const std::string& ascii) { return {ascii.begin(), ascii.end()}; }

struct CellSpec {
  std::u16string text;
  Align align = Align::Left;
  post::Style style = {};
};

// A table of rows of cells, the first row header cells when `header`, then a paragraph.
post::Model tableModel(const std::vector<std::vector<CellSpec>>& rows, bool header) {
  Builder b;
  b.beginTable();
  for (std::size_t r = 0; r < rows.size(); ++r) {
    b.row();
    for (const CellSpec& cell : rows[r]) {
      b.cell(header && r == 0, cell.align);
      if (cell.text.empty()) continue;
      b.paragraph(cell.align);
      b.text(cell.text, cell.style);
    }
  }
  b.endTable();
  b.paragraph();
  b.text(u"After", kPlain);
  return b.finish();
}

post::Style linkTo(std::u16string_view address) {
  post::Style style;
  style.link = std::u16string(address);
  return style;
}

post::Style bold() {
  post::Style style;
  style.flags = post::kBold;
  return style;
}

const std::vector<std::vector<CellSpec>> kLeague = {{{u"Team"}, {u"Pts"}}, {{u"Rovers"}, {u"38"}}};

TEST(PostTable, EachDialectWritesItsTable) {
  const post::Model league = tableModel(kLeague, true);
  const post::Model noHeader = tableModel(kLeague, false);
  const post::Model aligned =
      tableModel({{{u"Team"}, {u"Pts", Align::Right}, {u"Form"}},
                  {{u"Rovers"}, {u"38", Align::Right}, {u"W", Align::Centre}},
                  {{u"City"}, {u"7", Align::Right}, {u"L", Align::Centre}}},
                 true);
  const post::Model empties = tableModel({{{u"Team"}, {u""}}, {{u""}, {u"38"}}}, true);
  const post::Model marks = tableModel(
      {{{u"Site"}, {u"Note"}},
       {{u"Results", Align::Left, linkTo(u"https://example.org/a|b")}, {u"2 | 3 [b]x[/b] *y*"}}},
      true);
  const post::Model oneColumn = tableModel({{{u"Only"}}, {{u"one"}}, {{u"-5"}}}, false);
  const post::Model boldCells = tableModel({{{u"Team", Align::Left, bold()}}, {{u"x"}}}, true);
  const post::Model dashes = tableModel({{{u"Gap"}}, {{u"-"}}, {{u"---"}}}, true);
  // As a page's header cells arrive: bold and centred, the look of a header cell.
  const post::Model pastedHeader =
      tableModel({{{u"Team", Align::Centre, bold()}, {u"Pts", Align::Right, bold()}},
                  {{u"Rovers"}, {u"38", Align::Right}},
                  {{u"City"}, {u"7", Align::Right}}},
                 true);
  const PostOptions noTables{.tables = false};
  const struct {
    const char* name;
    const post::Model& model;
    Format format;
    PostOptions options;
    std::u16string_view text;
    std::string losses;
  } cases[] = {
      {"xenforo header",
       league,
       Format::Xenforo,
       {},
       u"[TABLE][TR][TH]Team[/TH][TH]Pts[/TH][/TR]\n[TR][TD]Rovers[/TD][TD]38[/TD][/TR][/TABLE]\n"
       u"After",
       ""},
      {"xenforo no header",
       noHeader,
       Format::Xenforo,
       {},
       u"[TABLE][TR][TD]Team[/TD][TD]Pts[/TD][/TR]\n[TR][TD]Rovers[/TD][TD]38[/TD][/TR][/TABLE]\n"
       u"After",
       ""},
      {"vbulletin header bold",
       league,
       Format::Vbulletin,
       {},
       u"[TABLE][TR][TD][B]Team[/B][/TD][TD][B]Pts[/B][/TD][/TR]\n"
       u"[TR][TD]Rovers[/TD][TD]38[/TD][/TR][/TABLE]\nAfter",
       ""},
      {"smf header bold",
       league,
       Format::Smf,
       {},
       u"[table][tr][td][b]Team[/b][/td][td][b]Pts[/b][/td][/tr]\n"
       u"[tr][td]Rovers[/td][td]38[/td][/tr][/table]\nAfter",
       ""},
      {"smf bold header cell stays one bold",
       boldCells,
       Format::Smf,
       {},
       u"[table][tr][td][b]Team[/b][/td][/tr]\n[tr][td]x[/td][/tr][/table]\nAfter",
       ""},
      {"xenforo alignments",
       aligned,
       Format::Xenforo,
       {},
       u"[TABLE][TR][TH]Team[/TH][TH][RIGHT]Pts[/RIGHT][/TH][TH]Form[/TH][/TR]\n"
       u"[TR][TD]Rovers[/TD][TD][RIGHT]38[/RIGHT][/TD][TD][CENTER]W[/CENTER][/TD][/TR]\n"
       u"[TR][TD]City[/TD][TD][RIGHT]7[/RIGHT][/TD][TD][CENTER]L[/CENTER][/TD][/TR][/TABLE]\n"
       u"After",
       ""},
      {"xenforo empty cells",
       empties,
       Format::Xenforo,
       {},
       u"[TABLE][TR][TH]Team[/TH][TH][/TH][/TR]\n[TR][TD][/TD][TD]38[/TD][/TR][/TABLE]\nAfter",
       ""},
      {"xenforo link and brackets",
       marks,
       Format::Xenforo,
       {},
       u"[TABLE][TR][TH]Site[/TH][TH]Note[/TH][/TR]\n"
       u"[TR][TD][URL=https://example.org/a|b]Results[/URL][/TD][TD]2 | 3 [b]x[/b] *y*[/TD][/TR]"
       u"[/TABLE]\nAfter",
       ""},
      {"markdown header",
       league,
       Format::Markdown,
       {},
       u"| Team | Pts |\n| :--- | :--- |\n| Rovers | 38 |\n\nAfter",
       ""},
      {"markdown first row heads a table without header",
       noHeader,
       Format::Markdown,
       {},
       u"| Team | Pts |\n| :--- | :--- |\n| Rovers | 38 |\n\nAfter",
       ""},
      {"markdown alignments",
       aligned,
       Format::Markdown,
       {},
       u"| Team | Pts | Form |\n| :--- | ---: | :---: |\n| Rovers | 38 | W |\n| City | 7 | L |\n"
       u"\nAfter",
       ""},
      {"markdown empty cells",
       empties,
       Format::Markdown,
       {},
       u"| Team |  |\n| :--- | :--- |\n|  | 38 |\n\nAfter",
       ""},
      {"markdown link, bar and brackets escaped",
       marks,
       Format::Markdown,
       {},
       u"| Site | Note |\n| :--- | :--- |\n"
       u"| [Results](https://example.org/a%7Cb) | 2 \\| 3 \\[b\\]x\\[/b\\] \\*y\\* |\n\nAfter",
       ""},
      {"markdown dashes in a cell are the writer's",
       dashes,
       Format::Markdown,
       {},
       u"| Gap |\n| :--- |\n| - |\n| --- |\n\nAfter",
       ""},
      {"markdown one column, a number not escaped",
       oneColumn,
       Format::Markdown,
       {},
       u"| Only |\n| :--- |\n| one |\n| -5 |\n\nAfter",
       ""},
      {"xenforo header's bold and centring are its look",
       pastedHeader,
       Format::Xenforo,
       {},
       u"[TABLE][TR][TH]Team[/TH][TH][RIGHT]Pts[/RIGHT][/TH][/TR]\n"
       u"[TR][TD]Rovers[/TD][TD][RIGHT]38[/RIGHT][/TD][/TR]\n"
       u"[TR][TD]City[/TD][TD][RIGHT]7[/RIGHT][/TD][/TR][/TABLE]\nAfter",
       ""},
      {"vbulletin header's bold once, its centring its look",
       pastedHeader,
       Format::Vbulletin,
       {},
       u"[TABLE][TR][TD][B]Team[/B][/TD][TD][RIGHT][B]Pts[/B][/RIGHT][/TD][/TR]\n"
       u"[TR][TD]Rovers[/TD][TD][RIGHT]38[/RIGHT][/TD][/TR]\n"
       u"[TR][TD]City[/TD][TD][RIGHT]7[/RIGHT][/TD][/TR][/TABLE]\nAfter",
       ""},
      {"markdown header's bold and centring are its look",
       pastedHeader,
       Format::Markdown,
       {},
       u"| Team | Pts |\n| :--- | ---: |\n| Rovers | 38 |\n| City | 7 |\n\nAfter",
       ""},
      {"phpbb code block right-aligns a right column",
       pastedHeader,
       Format::Phpbb,
       {},
       u"[code]Team   | Pts\n-------+----\nRovers |  38\nCity   |   7[/code]\nAfter",
       "table: shown as a code block\n"},
      {"phpbb code block centres a centred column, no line ends in blanks",
       aligned,
       Format::Phpbb,
       {},
       u"[code]Team   | Pts | Form\n-------+-----+-----\nRovers |  38 |  W\nCity   |   7 |  L"
       u"[/code]\nAfter",
       "table: shown as a code block\n"},
      {"phpbb code block",
       league,
       Format::Phpbb,
       {},
       u"[code]Team   | Pts\n-------+----\nRovers | 38[/code]\nAfter",
       "table: shown as a code block\n"},
      {"mybb code block",
       noHeader,
       Format::Mybb,
       {},
       u"[code]Team   | Pts\nRovers | 38[/code]\nAfter",
       "table: shown as a code block\n"},
      {"bbcode empty cells keep their columns",
       empties,
       Format::Bbcode,
       {},
       u"[code]Team |\n-----+---\n     | 38[/code]\nAfter",
       "table: shown as a code block\n"},
      {"xenforo forum without tables", league, Format::Xenforo, noTables,
       u"[CODE]Team   | Pts\n-------+----\nRovers | 38[/CODE]\nAfter",
       "table: shown as a code block\n"},
      {"markdown forum without tables", league, Format::Markdown, noTables,
       u"```\nTeam   | Pts\n-------+----\nRovers | 38\n```\n\nAfter",
       "table: shown as a code block\n"},
  };
  for (const auto& c : cases) {
    const Post post = writePost(c.model, c.format, c.options);
    EXPECT_EQ(utf8(post.text), utf8(c.text)) << c.name;
    EXPECT_EQ(formatLosses(post.losses), c.losses) << c.name;
    EXPECT_EQ(checkPost(c.model, post.text, c.format, c.options), std::nullopt) << c.name;
  }
}

// The padded block counts an East Asian wide character as two columns, and a cell's line
// breaks as blanks.
TEST(PostTable, CodeBlockColumnsLineUpOnScreen) {
  const post::Model model = tableModel(
      {{{u"Team"}, {u"Pts"}}, {{u"\u6771\u4eac FC"}, {u"38"}}, {{u"Rovers\nUnited"}, {u"7"}}},
      true);
  const struct {
    const char* name;
    Format format;
    std::u16string_view text;
  } cases[] = {
      {"phpbb", Format::Phpbb,
       u"[code]Team          | Pts\n--------------+----\n\u6771\u4eac FC       | 38\n"
       u"Rovers United | 7[/code]\nAfter"},
      {"markdown", Format::Markdown,
       u"```\nTeam          | Pts\n--------------+----\n\u6771\u4eac FC       | 38\n"
       u"Rovers United | 7\n```\n\nAfter"},
  };
  for (const auto& c : cases) {
    const Post post = writePost(model, c.format, {.tables = false});
    EXPECT_EQ(utf8(post.text), utf8(c.text)) << c.name;
    EXPECT_EQ(checkPost(model, post.text, c.format, {.tables = false}), std::nullopt) << c.name;
  }
}

// The padded block stays within a line and a few times the table's text: a cell past a
// line's width goes on in the lines below (broken at a blank where it has one), and a wide
// cell over many narrow rows no longer widens each of them. Every word is kept.
TEST(PostTable, CodeBlockStaysBounded) {
  const std::u16string words = u"lorem ipsum " + std::u16string(100, u'x') + u" dolor";
  std::vector<std::vector<CellSpec>> narrowRows = {{{std::u16string(20'000, u'w')}, {u"m"}}};
  for (int r = 0; r < 20'000; ++r) narrowRows.push_back({{u"n"}, {u"m"}});
  const struct {
    const char* name;
    std::vector<std::vector<CellSpec>> rows;
    std::u16string text;  // the post, or empty to check its size alone
    std::size_t maxLine;
  } cases[] = {
      {"a long cell broken at its blanks",
       {{{words}, {u"7"}}},
       u"```\nlorem ipsum" + std::u16string(69, u' ') + u" | 7\n" + std::u16string(80, u'x') +
           u"\n" + std::u16string(20, u'x') + u" dolor\n```\n\nAfter",
       80 + 4},
      {"one long word cut",
       {{{std::u16string(170, u'y')}}},
       u"```\n" + std::u16string(80, u'y') + u"\n" + std::u16string(80, u'y') + u"\n" +
           std::u16string(10, u'y') + u"\n```\n\nAfter",
       80},
      {"a wide cell over many narrow rows", narrowRows, u"", 80 + 4},
  };
  for (const auto& c : cases) {
    const post::Model model = tableModel(c.rows, false);
    const Post post = writePost(model, Format::Markdown, {.tables = false});
    if (!c.text.empty()) {
      EXPECT_EQ(utf8(post.text), utf8(c.text)) << c.name;
    }
    std::size_t longest = 0, at = 0;
    for (std::size_t nl; (nl = post.text.find(u'\n', at)) != std::u16string::npos; at = nl + 1) {
      longest = std::max(longest, nl - at);
    }
    EXPECT_LE(longest, c.maxLine) << c.name;
    std::size_t cells = 0;
    for (const auto& row : c.rows) {
      for (const CellSpec& cell : row) cells += cell.text.size() + 3;
    }
    EXPECT_LE(post.text.size(), 8 * cells + 65'536) << c.name;
    EXPECT_EQ(checkPost(model, post.text, Format::Markdown, {.tables = false}), std::nullopt)
        << c.name;
  }
}

// A check that passes whatever it is given catches nothing: a cell's word dropped from the
// post is found in every dialect.
TEST(PostTable, ChecksFindACellsWordDropped) {
  const post::Model model = tableModel(kLeague, true);
  for (const Format format :
       {Format::Xenforo, Format::Smf, Format::Vbulletin, Format::Markdown, Format::Phpbb}) {
    std::u16string text = writePost(model, format).text;
    const std::size_t at = text.find(u"Rovers");
    ASSERT_NE(at, std::u16string::npos) << formatName(format);
    text.erase(at, 6);
    EXPECT_NE(checkPost(model, text, format), std::nullopt) << formatName(format);
  }
}

// Wide tables: 100 columns in every dialect, every cell in its place.
TEST(PostTable, HundredColumns) {
  std::vector<std::vector<CellSpec>> rows(3);
  for (int r = 0; r < 3; ++r) {
    for (int c = 0; c < 100; ++c) {
      rows[r].push_back({u16("r" + std::to_string(r) + "c" + std::to_string(c))});
    }
  }
  const post::Model model = tableModel(rows, true);
  for (const FormatInfo& f : allFormats()) {
    if (f.format == Format::Html) continue;
    const Post post = writePost(model, f.format);
    EXPECT_EQ(checkPost(model, post.text, f.format), std::nullopt) << f.name;
    std::size_t at = 0;
    for (const auto& row : rows) {
      for (const CellSpec& cell : row) {
        const std::size_t found = post.text.find(cell.text, at);
        ASSERT_NE(found, std::u16string::npos) << f.name << ": " << utf8(cell.text);
        at = found + cell.text.size();
      }
    }
  }
}

// A table inside a cell (the document never holds one, but a model may) gives its text to
// the cell in every format: no word is lost, and the check finds them all.
TEST(PostTable, ATableInsideACellKeepsItsText) {
  Builder b;
  b.beginTable();
  b.row();
  b.cell();
  b.paragraph();
  b.text(u"outer", kPlain);
  b.beginTable();
  b.row();
  b.cell();
  b.paragraph();
  b.text(u"inner", kPlain);
  b.endTable();
  b.cell();
  b.paragraph();
  b.text(u"next", kPlain);
  b.endTable();
  const post::Model model = b.finish();
  for (const FormatInfo& f : allFormats()) {
    for (const bool tables : {true, false}) {
      const Post post = writePost(model, f.format, {.tables = tables});
      const std::size_t outer = post.text.find(u"outer");
      const std::size_t inner = post.text.find(u"inner");
      const std::size_t next = post.text.find(u"next");
      EXPECT_TRUE(outer < inner && inner < next && next != std::u16string::npos)
          << f.name << " " << tables << "\n"
          << utf8(post.text);
      EXPECT_EQ(checkPost(model, post.text, f.format, {.tables = tables}), std::nullopt)
          << f.name << " " << tables;
    }
  }
}

// The dialects' tables name the table markup each writes, with a source for it.
TEST(PostTable, DialectTablesShowTheirTableRow) {
  const struct {
    Format format;
    bool shown;
    std::string_view markup;
  } cases[] = {
      {Format::Xenforo, true, "[TABLE][TR][TH]...[/TH][TD]...[/TD][/TR][/TABLE]"},
      {Format::Vbulletin, true, "[TABLE][TR][TD]...[/TD][TD]...[/TD][/TR][/TABLE]"},
      {Format::Smf, true, "[table][tr][td]...[/td][td]...[/td][/tr][/table]"},
      {Format::Markdown, true, "| ... |"},
      {Format::Phpbb, false, "not shown"},
      {Format::Mybb, false, "not shown"},
      {Format::Bbcode, false, "not shown"},
  };
  for (const auto& c : cases) {
    const ElementMarkup& row = formatTable(c.format)[static_cast<std::size_t>(Element::Table)];
    EXPECT_EQ(row.element, Element::Table) << formatName(c.format);
    EXPECT_EQ(row.shown, c.shown) << formatName(c.format);
    EXPECT_EQ(row.markup, c.markup) << formatName(c.format);
    EXPECT_TRUE(row.source.starts_with("https://")) << formatName(c.format);
  }
}

// The cells of every table of a GFM document, as cmark-gfm with its table extension reads
// them, a row per vector.
std::vector<std::vector<std::string>> gfmCells(std::u16string_view markdown) {
  cmark_gfm_core_extensions_ensure_registered();
  cmark_parser* parser = cmark_parser_new(CMARK_OPT_DEFAULT);
  cmark_parser_attach_syntax_extension(parser, cmark_find_syntax_extension("table"));
  const std::string md = utf8(markdown);
  cmark_parser_feed(parser, md.data(), md.size());
  cmark_node* root = cmark_parser_finish(parser);
  std::vector<std::vector<std::string>> rows;
  cmark_iter* iter = cmark_iter_new(root);
  std::string* cell = nullptr;
  for (cmark_event_type ev; (ev = cmark_iter_next(iter)) != CMARK_EVENT_DONE;) {
    cmark_node* node = cmark_iter_get_node(iter);
    const std::string type = cmark_node_get_type_string(node);
    if (ev == CMARK_EVENT_ENTER && (type == "table_row" || type == "table_header")) {
      rows.emplace_back();
    }
    if (type == "table_cell")
      cell = ev == CMARK_EVENT_ENTER ? &rows.back().emplace_back() : nullptr;
    if (ev == CMARK_EVENT_ENTER && cell && (type == "text" || type == "code")) {
      *cell += cmark_node_get_literal(node);
    }
  }
  cmark_iter_free(iter);
  cmark_node_free(root);
  cmark_parser_free(parser);
  return rows;
}

TEST(PostTable, GfmTablesReadBackWithEveryCellInPlace) {
  const struct {
    const char* name;
    std::vector<std::vector<CellSpec>> rows;
    std::vector<std::vector<std::string>> cells;  // as cmark-gfm reads them
  } cases[] = {
      {"league", kLeague, {{"Team", "Pts"}, {"Rovers", "38"}}},
      {"empty cells", {{{u"Team"}, {u""}}, {{u""}, {u"38"}}}, {{"Team", ""}, {"", "38"}}},
      {"markup characters",
       {{{u"a|b"}, {u"[x]"}}, {{u"*y* _z_"}, {u"<b> `c` ~d~"}}},
       {{"a|b", "[x]"}, {"*y* _z_", "<b> `c` ~d~"}}},
      {"line break is a blank", {{{u"Rovers\nUnited"}}, {{u"x"}}}, {{"Rovers United"}, {"x"}}},
      {"ragged rows filled",
       {{{u"a"}, {u"b"}, {u"c"}}, {{u"d"}}},
       {{"a", "b", "c"}, {"d", "", ""}}},
      {"number and heading marks", {{{u"-5"}}, {{u"# 1."}}}, {{"-5"}, {"# 1."}}},
      {"dashes", {{{u"Gap"}}, {{u"-"}}, {{u"---"}}}, {{"Gap"}, {"-"}, {"---"}}},
  };
  for (const auto& c : cases) {
    const Post post = writePost(tableModel(c.rows, true), Format::Markdown);
    EXPECT_EQ(gfmCells(post.text), c.cells) << c.name << "\n" << utf8(post.text);
  }
}

}  // namespace
}  // namespace quillmark
