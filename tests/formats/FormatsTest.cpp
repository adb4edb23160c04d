// The formats on the engine's real fragments: each element alone in every format, the exact
// markup of the dialects that differ most, sizes at every step, crossing tags, entities,
// links, the fixed block, and the checker's verdicts.
#include <gtest/gtest.h>

#include <algorithm>

#include "FormatsSupport.h"
#include "quillmark/formats.h"

namespace quillmark {
namespace {

using testing::utf8;
using testing::webFragment;

constexpr std::array<Format, 7> kMarkupFormats = {
    Format::Phpbb,     Format::Xenforo, Format::Mybb,    Format::Smf,
    Format::Vbulletin, Format::Bbcode,  Format::Markdown};

bool lost(const Post& post, Element e) {
  return std::any_of(post.losses.begin(), post.losses.end(),
                     [&](const Loss& l) { return l.element == e; });
}

bool shownBy(Format f, Element e) { return formatTable(f)[static_cast<std::size_t>(e)].shown; }

// One element alone, as the engine writes it. +A is not in this engine yet, so the link is
// the fragment it will write.
struct ElementCase {
  const char* name;
  Element element;
  std::u16string body;  // RTF after "\pard\f0\fs20 ", or with `fragment` the fragment itself
  bool fragment = false;
};

const ElementCase kElementCases[] = {
    {"bold", Element::Bold, u"a \\b bold\\b0  z\\par"},
    {"italic", Element::Italic, u"a \\i it\\i0  z\\par"},
    {"underline", Element::Underline, u"a \\ul un\\ulnone  z\\par"},
    {"strike", Element::Strike, u"a \\strike st\\strike0  z\\par"},
    {"super", Element::Superscript, u"a \\super up\\nosupersub  z\\par"},
    {"sub", Element::Subscript, u"a \\sub down\\nosupersub  z\\par"},
    {"colour", Element::Colour, u"a {\\cf1 red} z\\par"},
    {"size", Element::Size, u"small text \\fs40 big\\par"},
    {"face", Element::Face, u"plain text {\\f2 arial} z\\par"},
    {"centre", Element::Centre, u"\\qc mid\\par\\pard z\\par"},
    {"right", Element::Right, u"\\qr end\\par\\pard z\\par"},
    {"list", Element::ListItem,
     u"{\\pntext\\bullet}one\\par{\\pntext\\bullet}two\\par\\pard z\\par"},
    {"fixed", Element::FixedBlock,
     u"\\{Begin Fixed\\}\\par\\f1 a  b\\par\\f0\\{End Fixed\\}\\par z\\par"},
    {"break", Element::LineBreak, u"one\\par two\\par"},
    {"link", Element::Link, u"see <a href=\"https://example.com/?a=1&amp;b=2\">here</a> now", true},
};

TEST(Formats, EachElementAloneInEveryFormat) {
  for (const ElementCase& c : kElementCases) {
    const std::u16string web = c.fragment ? c.body : webFragment(c.body);
    for (const Format f : kMarkupFormats) {
      SCOPED_TRACE(std::string(c.name) + " in " + std::string(formatName(f)));
      const Post post = convertPost(web, f);
      EXPECT_EQ(checkPost(web, post.text, f), std::nullopt) << utf8(post.text);
      EXPECT_EQ(lost(post, c.element), !shownBy(f, c.element)) << utf8(post.text) << "\n"
                                                               << formatLosses(post.losses);
    }
  }
}

TEST(Formats, HtmlIsTheFragmentItself) {
  for (const ElementCase& c : kElementCases) {
    const std::u16string web = c.fragment ? c.body : webFragment(c.body);
    const Post post = convertPost(web, Format::Html);
    EXPECT_EQ(post.text, web) << c.name;
    EXPECT_TRUE(post.losses.empty());
    EXPECT_EQ(checkPost(web, post.text, Format::Html), std::nullopt);
  }
}

struct Golden {
  const char* name;
  Format format;
  std::u16string body;
  std::u16string post;
  std::string losses;
  bool fragment = false;
};

// The base size \fs20, HTML size 2, is the normal text of these documents: it takes the forum's
// own size, with no markup and no loss.
const Golden kGolden[] = {
    {"phpbb bold", Format::Phpbb, u"a \\b bold\\b0  z\\par", u"a [b]bold[/b] z", ""},
    {"phpbb strike dropped", Format::Phpbb, u"\\strike gone\\strike0\\par", u"gone",
     "strike-through: 1 run\n"},
    {"phpbb colour", Format::Phpbb, u"{\\cf2 go}\\par", u"[color=#008000]go[/color]", ""},
    {"phpbb centre dropped", Format::Phpbb, u"\\qc a\\par b\\par\\pard c\\par", u"a\nb\nc",
     "centre: 1 paragraph\n"},
    {"phpbb list", Format::Phpbb, u"{\\pntext\\bullet}one\\par{\\pntext\\bullet}two\\par",
     u"[list][*]one\n[*]two[/list]", ""},
    {"phpbb typed markup goes out as typed", Format::Phpbb, u"\\fs24 [quote]x[/quote]\\par",
     u"[quote]x[/quote]", ""},
    {"smf super and list", Format::Smf, u"{\\pntext\\bullet}E=mc\\super 2\\nosupersub\\par",
     u"[list][li]E=mc[sup]2[/sup][/li][/list]", ""},
    {"mybb right", Format::Mybb, u"\\qr -- Mike\\par", u"[align=right]-- Mike[/align]", ""},
    {"xenforo face", Format::Xenforo, u"plain \\f2 arial\\f0  text\\par",
     u"plain [FONT=Arial]arial[/FONT] text", ""},
    {"vbulletin centre", Format::Vbulletin, u"\\qc Title\\par\\pard Body\\par",
     u"[CENTER]Title[/CENTER]\nBody", ""},
    {"bbcode keeps the common subset", Format::Bbcode, u"\\b\\ul x\\b0\\ulnone\\par",
     u"[b][u]x[/u][/b]", ""},
    {"markdown emphasis", Format::Markdown,
     u"a \\b bold\\b0 , \\i it\\i0  and \\strike st\\strike0\\par", u"a **bold**, *it* and ~~st~~",
     ""},
    {"markdown escapes", Format::Markdown, u"3*4*5 C:\\\\path `x` a_b [y] <z> & &amp;\\par",
     u"3\\*4\\*5 C:\\\\path \\`x\\` a\\_b \\[y\\] \\<z> & &", ""},
    {"markdown line starts", Format::Markdown, u"# one\\par 1. two\\par - three\\par + four\\par",
     u"\\# one\\\n1\\. two\\\n\\- three\\\n\\+ four", ""},
    {"markdown paragraphs and breaks", Format::Markdown, u"one\\par two\\par\\par three\\par",
     u"one\\\ntwo\n\nthree", ""},
    {"markdown list then paragraph", Format::Markdown,
     u"{\\pntext\\bullet}one\\par{\\pntext\\bullet}two\\par\\pard z\\par", u"- one\n- two\n\nz",
     ""},
    {"markdown indent kept", Format::Markdown, u"\\par     deep\\par",
     u"\u00A0\u00A0\u00A0\u00A0deep", ""},
    {"link bbcode", Format::Phpbb, u"see <a href=\"https://example.com/?a=1&amp;b=2\">here</a> now",
     u"see [url=https://example.com/?a=1&b=2]here[/url] now", "", true},
    {"link markdown", Format::Markdown, u"<a href=\"https://example.com/a(b)\"><b>here</b></a>",
     u"[**here**](https://example.com/a%28b%29)", "", true},
    // The engine refuses a "javascript:" link: the fragment holds the text alone.
    {"refused scheme", Format::Phpbb,
     u"{\\field{\\*\\fldinst HYPERLINK \"javascript:x\"}"
     u"{\\fldrslt click}}\\par",
     u"click", ""},
    {"empty document", Format::Markdown, u"", u"", ""},
    {"empty document bbcode", Format::Xenforo, u"", u"", ""},
};

TEST(Formats, Golden) {
  for (const Golden& g : kGolden) {
    SCOPED_TRACE(g.name);
    const std::u16string web = g.fragment ? g.body : webFragment(g.body);
    const Post post = convertPost(web, g.format);
    EXPECT_EQ(utf8(post.text), utf8(g.post)) << "fragment: " << utf8(web);
    EXPECT_EQ(formatLosses(post.losses), g.losses);
    EXPECT_EQ(checkPost(web, post.text, g.format), std::nullopt);
  }
}

TEST(Formats, SizesAtEveryStep) {
  // \fs14 .. \fs56: the engine's sizes 2 to 8; \fs10 gives 1. Size 8 shows as 7.
  const std::pair<const char16_t*, int> steps[] = {{u"\\fs10", 1}, {u"\\fs14", 2}, {u"\\fs21", 3},
                                                   {u"\\fs28", 4}, {u"\\fs35", 5}, {u"\\fs42", 6},
                                                   {u"\\fs49", 7}, {u"\\fs56", 8}};
  const std::pair<Format, std::array<const char16_t*, 8>> scales[] = {
      {Format::Phpbb, {u"", u"50", u"85", u"100", u"125", u"150", u"175", u"200"}},
      {Format::Xenforo, {u"", u"1", u"2", u"3", u"4", u"5", u"6", u"7"}},
      {Format::Vbulletin, {u"", u"1", u"2", u"3", u"4", u"5", u"6", u"7"}},
      {Format::Smf, {u"", u"8pt", u"10pt", u"12pt", u"14pt", u"18pt", u"24pt", u"36pt"}},
      {Format::Mybb,
       {u"", u"xx-small", u"x-small", u"small", u"medium", u"large", u"x-large", u"xx-large"}},
  };
  for (const auto& [format, scale] : scales) {
    for (const auto& [word, size] : steps) {
      // Most of the text at \fs24, size 3: the normal text is the forum's own size.
      const std::u16string web =
          webFragment(u"\\fs24 the normal text\\par" + std::u16string(word) + u" x\\par");
      const Post post = convertPost(web, format);
      const std::u16string value = scale[std::min(size, 7)];
      const std::u16string open =
          formatTable(format)[static_cast<std::size_t>(Element::Size)].markup.starts_with("[SIZE")
              ? u"[SIZE=" + value + u"]"
              : u"[size=" + value + u"]";
      const std::u16string line = post.text.substr(post.text.find(u'\n') + 1);
      if (size == 3) {
        // The normal size needs no markup.
        EXPECT_EQ(utf8(line), "x") << formatName(format);
      } else {
        EXPECT_TRUE(line.starts_with(open))
            << formatName(format) << " " << size << ": " << utf8(post.text);
      }
      EXPECT_TRUE(post.losses.empty());
    }
  }
}

TEST(Formats, CrossingAlignmentNestsInEveryFormat) {
  // The alignment opens around the bold already open and closes after it.
  const std::u16string web =
      u"<b>p<br>\r\n<table width=100%><tr><td align=\"center\">t</b>"
      u"</td></tr></table>";
  for (const Format f : kMarkupFormats) {
    const Post post = convertPost(web, f);
    EXPECT_EQ(checkPost(web, post.text, f), std::nullopt) << utf8(post.text);
  }
  EXPECT_EQ(utf8(convertPost(web, Format::Smf).text), "[b]p[/b]\n[center][b]t[/b][/center]");
}

TEST(Formats, NestingAcrossParagraphs) {
  // Bold from the first paragraph to the third, italic inside across the second's end.
  const std::u16string web = webFragment(u"\\b one \\i two\\par three\\i0\\par four\\b0\\par");
  const Post post = convertPost(web, Format::Phpbb);
  EXPECT_EQ(utf8(post.text), "[b]one [i]two[/i][/b]\n[b][i]three[/i][/b]\n[b]four[/b]");
  for (const Format f : kMarkupFormats) {
    EXPECT_EQ(checkPost(web, convertPost(web, f).text, f), std::nullopt) << formatName(f);
  }
}

TEST(Formats, EntitiesBecomeCharacters) {
  const std::u16string web = webFragment(u"caf\\'e9 \\'a9 5\\'96 0 \\'85\\par");
  EXPECT_EQ(utf8(convertPost(web, Format::Xenforo).text), "café © 5– 0 ...");
  // Typed entities read as a browser reads them; unknown ones stay text.
  const std::u16string typed = u"&lt;b&gt; &amp;nbsp; &#233;&#x41; &bogus; &";
  EXPECT_EQ(utf8(convertPost(typed, Format::Bbcode).text), "<b> &nbsp; éA &bogus; &");
  EXPECT_EQ(utf8(convertPost(typed, Format::Markdown).text), "\\<b> \\&nbsp; éA \\&bogus; &");
}

TEST(Formats, FixedBlockKeepsItsSpacing) {
  const std::u16string web = webFragment(
      u"\\{Begin Fixed\\}\\par\\f1 Team\\tab P  Pts\\par  x    ``y\\par\\f0\\{End "
      u"Fixed\\}\\par\\par"
      u" after\\par");
  EXPECT_EQ(utf8(convertPost(web, Format::Phpbb).text),
            "[code]Team\tP  Pts\n x    ``y[/code]\n\nafter");
  EXPECT_EQ(utf8(convertPost(web, Format::Markdown).text),
            "```\nTeam\tP  Pts\n x    ``y\n```\n\nafter");
  // A fence longer than the longest backtick run inside.
  const std::u16string ticks = u"<pre><br>a ```` b<br></pre>";
  EXPECT_EQ(utf8(convertPost(ticks, Format::Markdown).text), "`````\na ```` b\n`````\n");
  // A block whose lines end with CR-LF alone, without "<br>", reads the same.
  const std::u16string bare = u"x<br>\r\n<pre>\r\nTeam\tP  Pts\r\n x    ``y\r\n</pre> <br>\r\nz";
  const std::u16string withBreaks =
      u"x<br>\r\n<pre><br>\r\nTeam\tP  Pts<br>\r\n x    ``y<br>\r\n</pre> <br>\r\nz";
  for (const Format f : {Format::Smf, Format::Markdown}) {
    EXPECT_EQ(utf8(convertPost(bare, f).text), utf8(convertPost(withBreaks, f).text));
  }
  EXPECT_EQ(utf8(convertPost(bare, Format::Smf).text),
            "x\n[code]Team\tP  Pts\n x    ``y[/code]\nz");
  // No-break spaces in the block become blanks.
  EXPECT_EQ(utf8(convertPost(u"<pre><br>&nbsp;&nbsp;x<br></pre>", Format::Bbcode).text),
            "[code]  x[/code]");
}

TEST(Formats, ChecksFindWhatIsWrong) {
  const std::u16string web = u"<b>bold <i>both</i></b> plain";
  struct Row {
    Format format;
    std::u16string post;
    std::string found;  // part of the message; "" for a pass
  };
  const Row rows[] = {
      {Format::Phpbb, u"[b]bold [i]both[/i][/b] plain", ""},
      {Format::Phpbb, u"[b]bold [i]both[/b][/i] plain", "closes"},
      {Format::Phpbb, u"[b]bold [i]both[/i] plain", "left open"},
      {Format::Phpbb, u"[b]bold [i]both[/i][/b]", "text lost"},
      {Format::Phpbb, u"[b]bold [i]both[/i][/b] plain more", "text added"},
      {Format::Phpbb, u"[s]bold[/s] both plain", "not of the writer"},
      {Format::Markdown, u"**bold *both*** plain", ""},
      {Format::Markdown, u"**bold *both** plain", "left open"},
      {Format::Markdown, u"**bold\n*both*** plain", "line end"},
      {Format::Markdown, u"bold_both plain", "unescaped"},
      {Format::Html, u"<b>bold <i>both</i></b>  plain", "differs"},
  };
  for (const Row& row : rows) {
    const std::optional<std::string> verdict = checkPost(web, row.post, row.format);
    if (row.found.empty()) {
      EXPECT_EQ(verdict, std::nullopt) << utf8(row.post);
    } else {
      ASSERT_TRUE(verdict.has_value()) << utf8(row.post);
      EXPECT_NE(verdict->find(row.found), std::string::npos) << *verdict;
    }
  }
}

TEST(Formats, CheckOfUnfinishedTagsIsLinear) {
  // A writer's text of tags that never end: each "[color=" once searched the rest of the post
  // for its "]", so 200,000 of them took minutes. The hang guard catches a relapse.
  std::u16string text;
  for (int i = 0; i < 200000; ++i) text += u"[color=";
  for (const Format f : {Format::Phpbb, Format::Xenforo, Format::Mybb, Format::Smf}) {
    EXPECT_EQ(checkPost(text, text, f), std::nullopt) << formatName(f);
  }
}

TEST(Formats, NamesAndTables) {
  EXPECT_EQ(formatNameList(), "html, phpbb, xenforo, mybb, smf, vbulletin, bbcode, markdown");
  for (const FormatInfo& f : allFormats()) {
    EXPECT_EQ(formatByName(f.name), f.format);
    EXPECT_EQ(formatName(f.format), f.name);
    ASSERT_EQ(formatTable(f.format).size(), kElementCount);
    for (std::size_t e = 0; e < kElementCount; ++e) {
      const ElementMarkup& row = formatTable(f.format)[e];
      EXPECT_EQ(row.element, static_cast<Element>(e));
      EXPECT_FALSE(row.source.empty());
      EXPECT_EQ(row.shown, row.markup != "not shown");
    }
  }
  EXPECT_EQ(formatByName("PHPBB"), std::nullopt);
  EXPECT_EQ(formatByName(""), std::nullopt);
  EXPECT_EQ(formatDisplayName(Format::Phpbb), "phpBB BBCode");
  EXPECT_EQ(formatLoss({Element::Colour, 3, "run"}), "colour: 3 runs");
  EXPECT_EQ(formatLoss({Element::Centre, 1, "paragraph"}), "centre: 1 paragraph");
  // The subset shows nothing that one of the five dialects does not.
  for (std::size_t e = 0; e < kElementCount; ++e) {
    if (!formatTable(Format::Bbcode)[e].shown) continue;
    for (const Format f :
         {Format::Phpbb, Format::Xenforo, Format::Mybb, Format::Smf, Format::Vbulletin}) {
      EXPECT_TRUE(formatTable(f)[e].shown) << formatName(f) << " " << e;
    }
  }
}

TEST(Formats, SamplePostInEveryFormat) {
  // The examples/ post: a centred title, coloured figures, a list, a fixed block, a signature.
  const std::u16string web =
      u"<table width=100%><tr><td align=\"center\"><b><font size=4>Season"
      u"</font></b></td></tr></table><br>\r\n"
      u"<li><font size=2><font size=2>Best: 5&ndash;0</font></font></li>\r\n"
      u"<font size=2><pre><br>\r\nPlayer   Goals<br>\r\nAndr&eacute;    19<br>"
      u"\r\n</pre> </font><br>\r\n<br>\r\n<font size=2><table width=100%><tr>"
      u"<td align=\"right\">-- Mike</td></tr></table></font>";
  for (const Format f : kMarkupFormats) {
    const Post post = convertPost(web, f);
    EXPECT_EQ(checkPost(web, post.text, f), std::nullopt) << utf8(post.text);
  }
  EXPECT_EQ(utf8(convertPost(web, Format::Phpbb).text),
            "[size=150][b]Season[/b][/size]\n[list][*]Best: 5–0[/list]\n"
            "[code]Player   Goals\nAndré    19[/code]\n\n-- Mike");
  EXPECT_EQ(formatLosses(convertPost(web, Format::Phpbb).losses),
            "centre: 1 paragraph\nright: 1 paragraph\n");
}

TEST(Formats, TheCodeBlockLosesNothingButLinks) {
  // The fixed-columns block becomes a code block, shown in the forum's own monospace: the
  // formats of its text, its alignment among them, are none of the post's losses.
  const std::u16string block =
      u"\\{Begin Fixed\\}\\par\\f1\\fs20 Team\\tab \\b Pts\\b0\\par{\\cf1 Rovers}\\tab "
      u"\\f2\\fs28 71\\f1\\fs20\\par\\f0\\{End Fixed\\}\\par";
  const struct {
    const char* name;
    Format format;
    std::u16string web;
    std::string losses;
  } cases[] = {
      {"a block among sizes", Format::Phpbb,
       webFragment(u"\\fs20 The table, \\fs28 in full\\fs20 :\\par" + block + u"after\\par"), ""},
      {"a block in markdown", Format::Markdown, webFragment(block + u"after\\par"), ""},
      {"a centred block", Format::Markdown, webFragment(u"\\qc " + block + u"\\pard after\\par"),
       ""},
      {"a centred block in bbcode", Format::Bbcode,
       webFragment(u"\\qc " + block + u"\\pard after\\par"), ""},
      {"what is outside still counts", Format::Bbcode,
       webFragment(u"\\fs20 The table, \\fs28 in full\\fs20 :\\par" + block), "size: 1 run\n"},
      // The block shows a link's text, not where it goes.
      {"a link in the block", Format::Phpbb,
       u"<pre><br>\r\nsee <a href=\"https://example.com/\">the table</a><br>\r\n</pre>",
       "link: 1 link\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Post post = convertPost(c.web, c.format);
    EXPECT_EQ(formatLosses(post.losses), c.losses) << utf8(c.web) << "\n" << utf8(post.text);
    EXPECT_EQ(checkPost(c.web, post.text, c.format), std::nullopt);
  }
}

}  // namespace
}  // namespace quillmark
