// A post read back as its forum shows it (bbcodeToHtml), and the fragment checked against the
// document's text (checkFragment): the verdicts on broken fragments, and no verdict on what
// the engine really writes.
#include <gtest/gtest.h>

#include "FormatsSupport.h"
#include "RunModel.h"
#include "post_generator.h"
#include "quillmark/formats.h"

namespace quillmark {
namespace {

using testing::utf8;
using testing::webFragment;

TEST(ReadBack, BbcodeAsTheForumShowsIt) {
  const struct {
    const char* name;
    Format format;
    std::u16string post;
    std::string html;
  } cases[] = {
      {"bold and italic", Format::Phpbb, u"a [b]b [i]c[/i][/b] d", "a <b>b <i>c</i></b> d"},
      {"any letter case", Format::Phpbb, u"[B]x[/b]", "<b>x</b>"},
      {"colour and link", Format::Phpbb,
       u"[color=#FF0000]r[/color] [url=https://e.org/?a=1&b]l[/url]",
       "<font color=\"#FF0000\">r</font> <a href=\"https://e.org/?a=1&amp;b\">l</a>"},
      {"a size on the dialect's scale", Format::Phpbb, u"[size=150]big[/size]",
       "<font size=5>big</font>"},
      {"a size off the scale shows plain", Format::Phpbb, u"[size=300]big[/size]",
       "<font>big</font>"},
      {"xenforo centre and size", Format::Xenforo, u"[CENTER][SIZE=4]t[/SIZE][/CENTER]\nz",
       "<div align=\"center\"><font size=4>t</font></div>z"},
      {"line ends become breaks", Format::Phpbb, u"one\ntwo\n\nthree",
       "one<br>\ntwo<br>\n<br>\nthree"},
      {"a list of [*] items", Format::Phpbb, u"[list][*]one\n[*]two[/list]\nz",
       "<ul><li>one</li><li>two</li></ul>z"},
      {"a nested list ends its own item", Format::Phpbb, u"[list][*]a[list][*]b[/list][*]c[/list]",
       "<ul><li>a<ul><li>b</li></ul></li><li>c</li></ul>"},
      {"smf's closed items", Format::Smf, u"[list][li]one[/li]\n[li]two[/li][/list]",
       "<ul><li>one</li><li>two</li></ul>"},
      {"a code block keeps its text", Format::Phpbb, u"[code]a  [b]<x>\nb[/code]\nz",
       "<pre>a  [b]&lt;x&gt;\nb</pre>z"},
      {"a code block with its language keeps its text", Format::Phpbb,
       u"[code=php][b]x[/b][/code]z", "<pre>[b]x[/b]</pre>z"},
      {"xenforo's inline code keeps its text", Format::Xenforo, u"a [ICODE][B]x[/B][/ICODE] b",
       "a <code>[B]x[/B]</code> b"},
      {"markup the dialect lacks is text", Format::Phpbb, u"[center]x[/center] [s]y[/s]",
       "[center]x[/center] [s]y[/s]"},
      {"mybb's align", Format::Mybb, u"[align=right]r[/align]", "<div align=\"right\">r</div>"},
      {"smf superscript", Format::Smf, u"x[sup]2[/sup]", "x<sup>2</sup>"},
      {"a tag left open is closed", Format::Phpbb, u"[b]x", "<b>x</b>"},
      {"a close with nothing open is text", Format::Phpbb, u"x[/b]", "x[/b]"},
      {"a close ends the inner ones", Format::Phpbb, u"[b][i]x[/b]y", "<b><i>x</i></b>y"},
      {"text is escaped", Format::Phpbb, u"a<b> & \"q\"", "a&lt;b&gt; &amp; &quot;q&quot;"},
      {"a value with markup is text", Format::Phpbb, u"[color=\"><x]y[/color]",
       "[color=&quot;&gt;&lt;x]y[/color]"},
      {"html passes", Format::Html, u"<b>x</b>", "<b>x</b>"},
      {"a quote with its author line", Format::Phpbb, u"[quote=\"Ann <A>\" post_id=1]x[/quote]y",
       "<blockquote><div><b>Ann &lt;A&gt; wrote:</b></div>x</blockquote>y"},
      {"xenforo's author line, the post left out", Format::Xenforo,
       u"[QUOTE=\"Ann, post: 1\"]x[/QUOTE]",
       "<blockquote><div><b>Ann wrote:</b></div>x</blockquote>"},
      {"a xenforo table, its spacing between rows shown as nothing", Format::Xenforo,
       u"[TABLE][TR][TH]a[/TH][TH][B]b[/B][/TH][/TR]\n[TR][TD]1[/TD][TD]2\n3[/TD][/TR][/TABLE]\nz",
       "<table border=\"1\" cellpadding=\"4\" style=\"border-collapse: "
       "collapse\"><tr><th>a</th><th><b>b</b></th></tr><tr><td>1</td><td>2<br>\n3</td></tr>"
       "</table>z"},
      {"smf's lower-case table, no header cell", Format::Smf,
       u"[table][tr][td]x[/td][/tr][/table] [th]y[/th]",
       "<table border=\"1\" cellpadding=\"4\" style=\"border-collapse: "
       "collapse\"><tr><td>x</td></tr></table> [th]y[/th]"},
      {"a cell outside a row and a row outside a table are text", Format::Vbulletin,
       u"[TR]a[/TR] [TABLE][TD]b[/TD][/TABLE]",
       "[TR]a[/TR] <table border=\"1\" cellpadding=\"4\" style=\"border-collapse: "
       "collapse\">[TD]b[/TD]</table>"},
      {"a new row or cell ends the one open, a table's end all of them", Format::Xenforo,
       u"[TABLE][TR][TD][B]a[TD]b[TR][TD]c[/TABLE]d",
       "<table border=\"1\" cellpadding=\"4\" style=\"border-collapse: "
       "collapse\"><tr><td><b>a</b></td><td>b</td></tr><tr><td>c</td></tr></table>d"},
      {"a close of the wrong kind is text", Format::Xenforo,
       u"[TABLE][TR][TD]a[/TH][/TR][/TD][/TABLE]",
       "<table border=\"1\" cellpadding=\"4\" style=\"border-collapse: "
       "collapse\"><tr><td>a[/TH]</td></tr>[/TD]</table>"},
      {"phpbb has no table", Format::Phpbb, u"[table][tr][td]x[/td][/tr][/table]",
       "[table][tr][td]x[/td][/tr][/table]"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(utf8(bbcodeToHtml(c.post, c.format)), c.html) << c.name;
  }
}

TEST(ReadBack, EveryDialectReadsItsOwnPost) {
  // What the emitters write, read back: each dialect's tags become HTML, none stays as text.
  const std::u16string web = webFragment(
      u"\\b bold\\b0  \\i it\\i0  {\\cf1 red} \\ul un\\ulnone\\par"
      u"{\\pntext\\bullet}one\\par{\\pntext\\bullet}two\\par\\pard\\qc mid\\par\\pard z\\par");
  for (const Format f : {Format::Phpbb, Format::Xenforo, Format::Mybb, Format::Smf,
                         Format::Vbulletin, Format::Bbcode}) {
    const std::u16string post = convertPost(web, f).text;
    const std::string html = utf8(bbcodeToHtml(post, f));
    EXPECT_EQ(html.find('['), std::string::npos) << formatName(f) << ": " << html;
    EXPECT_NE(html.find("<b>bold </b>"), std::string::npos) << formatName(f) << ": " << html;
    EXPECT_NE(html.find("<ul><li>"), std::string::npos) << formatName(f) << ": " << html;
  }
}

TEST(ReadBack, HostilePostsReadInLinearTime) {
  // Each would take quadratic time if a line end or a stray closing tag searched the open
  // tags; the hang guard of the test run catches that, the property checks the result.
  const std::size_t n = 200000;
  auto repeat = [](std::u16string_view s, std::size_t times) {
    std::u16string out;
    out.reserve(s.size() * times);
    for (std::size_t i = 0; i < times; ++i) out.append(s);
    return out;
  };
  const struct {
    const char* name;
    std::u16string post;
    std::size_t opened;  // "<b>" in the output
  } cases[] = {
      {"deep bold, then line ends in a list", u"[list]" + repeat(u"[b]", n) + repeat(u"\n", n), n},
      {"deep bold, then closings of what is not open", repeat(u"[b]", n) + repeat(u"[/i]", n), n},
      {"items without a list", repeat(u"[*]x", n), 0},
      {"unfinished values", repeat(u"[url=", n), 0},
  };
  for (const auto& c : cases) {
    const std::u16string html = bbcodeToHtml(c.post, Format::Phpbb);
    std::size_t opened = 0;
    for (std::size_t at = html.find(u"<b>"); at != std::u16string::npos;
         at = html.find(u"<b>", at + 1))
      ++opened;
    EXPECT_EQ(opened, c.opened) << c.name;
  }
}

// The fragment's text as the reader sees it, as the document would hold it.
std::u16string textOf(std::u16string_view web) {
  const formats::Document doc = formats::readFragment(web);
  std::u16string text;
  for (const formats::Line& line : doc.lines) {
    for (std::uint32_t r = line.firstRun; r < line.endRun; ++r)
      text.append(doc.runText(doc.runs[r]));
    text.push_back(u'\n');
  }
  return text;
}

TEST(CheckFragment, NamesWhatIsWrong) {
  const struct {
    const char* name;
    std::u16string web;
    std::u16string document;
    std::optional<std::string> verdict;
  } cases[] = {
      {"a good fragment", u"<b>a <i>b</i></b><br>\r\nc", u"a b\nc", std::nullopt},
      {"alignment around open bold",
       u"<b>p<br>\r\n<table width=100%><tr><td align=\"center\">t</b></td></tr></table>", u"p\nt",
       std::nullopt},
      {"fixed markers are no words", u"<pre>a  b</pre>", u"{Begin Fixed}\na  b\n{End Fixed}",
       std::nullopt},
      {"pictures are no words", u"a b", u"a \uFFFC b", std::nullopt},
      {"a writer's < is text", u"a < b", u"a < b", std::nullopt},
      {"crossing elements", u"<b>a <i>b</b></i>", u"a b", "</b> closes <i>"},
      {"a close with nothing open", u"a</u>", u"a", "</u> closes nothing"},
      {"an element left open", u"<font size=3>a", u"a", "element left open: <font>"},
      {"a block left open", u"<li>a", u"a", "element left open: <li>"},
      {"a word lost", u"a b", u"a b c", "text lost: \"c\""},
      {"a word added", u"a b c", u"a b", "text added: \"c\""},
      {"a word changed", u"a x c", u"a b c",
       "the post reads \"x\" where the document reads \"b\" (the post: \"a x c\"; the "
       "document: \"a b c\")"},
      // Words that read alike: what shows no mark is named, with the words around it.
      {"an invisible character", u"Harbour City Ro\u00ADvers won 3-1 at home on Saturday",
       u"Harbour City Rovers won 3-1 at home on Saturday",
       "the post reads \"Ro<U+00AD>vers\" where the document reads \"Rovers\" (the post: "
       "\"Harbour City Ro<U+00AD>vers won 3-1 at...\"; the document: \"Harbour City Rovers won "
       "3-1 at...\")"},
      {"a space that is no gap", u"Season review: Harbour\u2009City Rovers",
       u"Season review: Harbour City Rovers",
       "the post reads \"Harbour<U+2009>City\" where the document reads \"Harbour\" (the post: "
       "\"Season review: Harbour<U+2009>City Rovers\"; the document: \"Season review: Harbour "
       "City Rovers\")"},
      {"line ends and tabs shown", u"one two<br>\r\nthree\tfour five six",
       u"one two\nthree\tfour 5 six",
       "the post reads \"five\" where the document reads \"5\" (the post: \"...two<line "
       "break>three<tab>four five six\"; the document: \"...two<line break>three<tab>four 5 "
       "six\")"},
      {"at the start", u"x b c d e", u"a b c d e",
       "the post reads \"x\" where the document reads \"a\" (the post: \"x b c d...\"; the "
       "document: \"a b c d...\")"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(checkFragment(c.web, c.document), c.verdict) << c.name;
  }
}

TEST(CheckFragment, PassesWhatTheEngineWrites) {
  for (const std::uint64_t seed : {1u, 2u, 3u, 4u, 5u, 6u, 7u, 8u}) {
    const std::string rtf = bench::generatePost(40000, seed);
    const std::u16string web =
        rewriteForWeb(Converter{}.convertRtfToHtml(decodeWindows1252(rtf), kWebOptions));
    EXPECT_EQ(checkFragment(web, textOf(web)), std::nullopt) << "seed " << seed;
  }
}

}  // namespace
}  // namespace quillmark
