// Posts written from the post model: the structure the fragment cannot carry (nested and
// numbered lists, quotes, headings, rules, pictures) in every dialect's own markup, and what
// a dialect cannot show counted as lost.
#include <cmark-gfm.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
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
using post::Numbering;
using testing::utf8;

const post::Style kPlain{};

post::Model modelOf(const std::function<void(Builder&)>& walk) {
  Builder b;
  walk(b);
  return b.finish();
}

void nestedLists(Builder& b) {
  b.item(1, Numbering::Bullet);
  b.text(u"Keeper", kPlain);
  b.item(2, Numbering::Decimal, 3);
  b.text(u"Saves\nclean sheets", kPlain);
  b.item(2, Numbering::Decimal, 3);
  b.text(u"Kicks", kPlain);
  b.item(1, Numbering::Bullet);
  b.text(u"Striker", kPlain);
}

void quoteWithList(Builder& b) {
  b.quoteDepth(1);
  b.paragraph();
  b.text(u"He said", kPlain);
  b.quoteDepth(2);
  b.paragraph();
  b.text(u"nested", kPlain);
  b.item(1, Numbering::LowerAlpha);
  b.text(u"first", kPlain);
  b.quoteDepth(0);
  b.paragraph();
  b.text(u"After", kPlain);
}

// Quotes citing their sources: the outer one every part a dialect may keep, the inner one a
// name alone.
void citedQuotes(Builder& b) {
  b.quoteDepth(1, {u"Ann", u"12", u"3", u"1700000000", {}});
  b.paragraph();
  b.text(u"He said", kPlain);
  b.quoteDepth(2, {u"Bob Lee", {}, {}, {}, {}});
  b.paragraph();
  b.text(u"nested", kPlain);
  b.quoteDepth(0);
  b.paragraph();
  b.text(u"After", kPlain);
}

// The capital styles: phpBB, MyBB (its pattern ignores case), SMF and vBulletin take both.
void capitalLists(Builder& b) {
  b.item(1, Numbering::UpperAlpha);
  b.text(u"Alpha", kPlain);
  b.paragraph();
  b.text(u"Between", kPlain);
  b.item(1, Numbering::UpperRoman);
  b.text(u"Roman", kPlain);
}

void headings(Builder& b) {
  for (int level = 1; level <= 3; ++level) {
    b.heading(level);
    b.text(u"Round " + std::u16string(1, static_cast<char16_t>(u'0' + level)), kPlain);
  }
  b.paragraph();
  b.text(u"Body", kPlain);
}

void ruleAndPictures(Builder& b) {
  b.paragraph();
  b.text(u"Above", kPlain);
  b.rule();
  b.paragraph();
  b.picture(u"https://example.org/a b.png", u"The [crest]", kPlain);
  b.text(u" and ", kPlain);
  b.picture(u"https://example.org/c.png", u"", kPlain);
}

void paragraphs(Builder& b) {
  b.paragraph(Align::Left, true);
  b.text(u"Spaced", kPlain);
  b.paragraph();
  b.text(u"Close", kPlain);
  b.paragraph();
  b.text(u"Together", kPlain);
  b.paragraph();
  b.paragraph();
  b.text(u"[spoiler]<b>\u2026\u2122[/spoiler]", kPlain);
}

// Blanks at a line's end, which show nothing, and an empty line with space below it (as a
// page's table leaves before the next paragraph).
void blanksAndEmptyLines(Builder& b) {
  b.item(1, Numbering::Bullet);
  b.text(u"One ", kPlain);
  b.item(1, Numbering::Bullet);
  b.text(u"Two\t", kPlain);
  b.paragraph();
  b.text(u"Tail", kPlain);
  post::Style italic;
  italic.flags = post::kItalic;
  b.text(u" ", italic);
  b.paragraph(Align::Left, true);
  b.paragraph();
  b.text(u"After", kPlain);
}

struct WriteCase {
  const char* name;
  void (*walk)(Builder&);
  Format format;
  std::u16string_view text;
  std::string_view losses;
};

// clang-format off
const WriteCase kWriteCases[] = {
      {"nestedLists phpbb", nestedLists, Format::Phpbb, u"[list][*]Keeper\n[list=1][*]Saves\nclean sheets\n[*]Kicks[/list]\n[*]Striker[/list]", "list start: 1 list\n"},
      {"nestedLists xenforo", nestedLists, Format::Xenforo, u"[LIST][*]Keeper\n[LIST=1][*]Saves\nclean sheets\n[*]Kicks[/LIST]\n[*]Striker[/LIST]", "list start: 1 list\n"},
      {"nestedLists mybb", nestedLists, Format::Mybb, u"[list][*]Keeper\n[list=1][*]Saves\nclean sheets\n[*]Kicks[/list]\n[*]Striker[/list]", "list start: 1 list\n"},
      {"nestedLists smf", nestedLists, Format::Smf, u"[list][li]Keeper\n[list type=decimal][li]Saves\nclean sheets[/li]\n[li]Kicks[/li][/list][/li]\n[li]Striker[/li][/list]", "list start: 1 list\n"},
      {"nestedLists vbulletin", nestedLists, Format::Vbulletin, u"[LIST][*]Keeper\n[LIST=1][*]Saves\nclean sheets\n[*]Kicks[/LIST]\n[*]Striker[/LIST]", "list start: 1 list\n"},
      {"nestedLists bbcode", nestedLists, Format::Bbcode, u"[list][*]Keeper\n[list=1][*]Saves\nclean sheets\n[*]Kicks[/list]\n[*]Striker[/list]", "list start: 1 list\n"},
      {"nestedLists markdown", nestedLists, Format::Markdown, u"- Keeper\n\n  3. Saves\\\n     clean sheets\n  4. Kicks\n- Striker", ""},
      {"quoteWithList phpbb", quoteWithList, Format::Phpbb, u"[quote]He said\n[quote]nested\n[list=a][*]first[/list][/quote][/quote]\nAfter", ""},
      {"quoteWithList xenforo", quoteWithList, Format::Xenforo, u"[QUOTE]He said\n[QUOTE]nested\n[LIST=1][*]first[/LIST][/QUOTE][/QUOTE]\nAfter", "numbered list: 1 list\n"},
      {"quoteWithList mybb", quoteWithList, Format::Mybb, u"[quote]He said\n[quote]nested\n[list=a][*]first[/list][/quote][/quote]\nAfter", ""},
      {"quoteWithList smf", quoteWithList, Format::Smf, u"[quote]He said\n[quote]nested\n[list type=lower-alpha][li]first[/li][/list][/quote][/quote]\nAfter", ""},
      {"quoteWithList vbulletin", quoteWithList, Format::Vbulletin, u"[QUOTE]He said\n[QUOTE]nested\n[LIST=a][*]first[/LIST][/QUOTE][/QUOTE]\nAfter", ""},
      {"quoteWithList bbcode", quoteWithList, Format::Bbcode, u"[quote]He said\n[quote]nested\n[list=1][*]first[/list][/quote][/quote]\nAfter", "numbered list: 1 list\n"},
      {"quoteWithList markdown", quoteWithList, Format::Markdown, u"> He said\n>\n> > nested\n> >\n> > 1. first\n\nAfter", "numbered list: 1 list\n"},
      {"citedQuotes phpbb", citedQuotes, Format::Phpbb, u"[quote=\"Ann\" post_id=12 time=1700000000 user_id=3]He said\n[quote=\"Bob Lee\"]nested[/quote][/quote]\nAfter", ""},
      {"citedQuotes xenforo", citedQuotes, Format::Xenforo, u"[QUOTE=\"Ann, post: 12, member: 3\"]He said\n[QUOTE=\"Bob Lee\"]nested[/QUOTE][/QUOTE]\nAfter", "quote source: 1 quote\n"},
      {"citedQuotes mybb", citedQuotes, Format::Mybb, u"[quote='Ann' pid='12' dateline='1700000000']He said\n[quote='Bob Lee']nested[/quote][/quote]\nAfter", "quote source: 1 quote\n"},
      {"citedQuotes smf", citedQuotes, Format::Smf, u"[quote author=Ann link=msg=12 date=1700000000]He said\n[quote author=Bob Lee]nested[/quote][/quote]\nAfter", "quote source: 1 quote\n"},
      {"citedQuotes vbulletin", citedQuotes, Format::Vbulletin, u"[QUOTE=Ann;12]He said\n[QUOTE=Bob Lee]nested[/QUOTE][/QUOTE]\nAfter", "quote source: 1 quote\n"},
      {"citedQuotes bbcode", citedQuotes, Format::Bbcode, u"[quote=Ann]He said\n[quote=Bob Lee]nested[/quote][/quote]\nAfter", "quote source: 1 quote\n"},
      {"citedQuotes markdown", citedQuotes, Format::Markdown, u"> Ann wrote:\n>\n> He said\n>\n> > Bob Lee wrote:\n> >\n> > nested\n\nAfter", "quote source: 2 quotes\n"},
      {"capitalLists phpbb", capitalLists, Format::Phpbb, u"[list=A][*]Alpha[/list]\nBetween\n[list=I][*]Roman[/list]", ""},
      {"capitalLists xenforo", capitalLists, Format::Xenforo, u"[LIST=1][*]Alpha[/LIST]\nBetween\n[LIST=1][*]Roman[/LIST]", "numbered list: 2 lists\n"},
      {"capitalLists mybb", capitalLists, Format::Mybb, u"[list=A][*]Alpha[/list]\nBetween\n[list=I][*]Roman[/list]", ""},
      {"capitalLists smf", capitalLists, Format::Smf, u"[list type=upper-alpha][li]Alpha[/li][/list]\nBetween\n[list type=upper-roman][li]Roman[/li][/list]", ""},
      {"capitalLists vbulletin", capitalLists, Format::Vbulletin, u"[LIST=A][*]Alpha[/LIST]\nBetween\n[LIST=I][*]Roman[/LIST]", ""},
      {"headings phpbb", headings, Format::Phpbb, u"[b][size=150]Round 1[/size][/b]\n[b][size=125]Round 2[/size][/b]\n[b]Round 3[/b]\nBody", ""},
      {"headings xenforo", headings, Format::Xenforo, u"[HEADING=1]Round 1[/HEADING]\n[HEADING=2]Round 2[/HEADING]\n[HEADING=3]Round 3[/HEADING]\nBody", ""},
      {"headings mybb", headings, Format::Mybb, u"[b][size=large]Round 1[/size][/b]\n[b][size=medium]Round 2[/size][/b]\n[b]Round 3[/b]\nBody", ""},
      {"headings smf", headings, Format::Smf, u"[b][size=18pt]Round 1[/size][/b]\n[b][size=14pt]Round 2[/size][/b]\n[b]Round 3[/b]\nBody", ""},
      {"headings vbulletin", headings, Format::Vbulletin, u"[B][SIZE=5]Round 1[/SIZE][/B]\n[B][SIZE=4]Round 2[/SIZE][/B]\n[B]Round 3[/B]\nBody", ""},
      {"headings bbcode", headings, Format::Bbcode, u"[b]Round 1[/b]\n[b]Round 2[/b]\n[b]Round 3[/b]\nBody", ""},
      {"headings markdown", headings, Format::Markdown, u"# Round 1\n\n## Round 2\n\n### Round 3\n\nBody", ""},
      {"ruleAndPictures phpbb", ruleAndPictures, Format::Phpbb, u"Above\n\n[img]https://example.org/a%20b.png[/img] and [img]https://example.org/c.png[/img]", "rule: 1 rule\npicture text: 1 picture\n"},
      {"ruleAndPictures xenforo", ruleAndPictures, Format::Xenforo, u"Above\n\n[IMG]https://example.org/a%20b.png[/IMG] and [IMG]https://example.org/c.png[/IMG]", "rule: 1 rule\npicture text: 1 picture\n"},
      {"ruleAndPictures mybb", ruleAndPictures, Format::Mybb, u"Above\n[hr]\n[img]https://example.org/a%20b.png[/img] and [img]https://example.org/c.png[/img]", "picture text: 1 picture\n"},
      {"ruleAndPictures smf", ruleAndPictures, Format::Smf, u"Above\n[hr]\n[img]https://example.org/a%20b.png[/img] and [img]https://example.org/c.png[/img]", "picture text: 1 picture\n"},
      {"ruleAndPictures vbulletin", ruleAndPictures, Format::Vbulletin, u"Above\n\n[IMG]https://example.org/a%20b.png[/IMG] and [IMG]https://example.org/c.png[/IMG]", "rule: 1 rule\npicture text: 1 picture\n"},
      {"ruleAndPictures bbcode", ruleAndPictures, Format::Bbcode, u"Above\n\n[img]https://example.org/a%20b.png[/img] and [img]https://example.org/c.png[/img]", "rule: 1 rule\npicture text: 1 picture\n"},
      {"ruleAndPictures markdown", ruleAndPictures, Format::Markdown, u"Above\n\n---\n\n![The \\[crest\\]](https://example.org/a%20b.png) and ![](https://example.org/c.png)", ""},
      {"paragraphs phpbb", paragraphs, Format::Phpbb, u"Spaced\n\nClose\nTogether\n\n[spoiler]<b>\u2026\u2122[/spoiler]", ""},
      {"paragraphs xenforo", paragraphs, Format::Xenforo, u"Spaced\n\nClose\nTogether\n\n[spoiler]<b>\u2026\u2122[/spoiler]", ""},
      {"paragraphs mybb", paragraphs, Format::Mybb, u"Spaced\n\nClose\nTogether\n\n[spoiler]<b>\u2026\u2122[/spoiler]", ""},
      {"paragraphs smf", paragraphs, Format::Smf, u"Spaced\n\nClose\nTogether\n\n[spoiler]<b>\u2026\u2122[/spoiler]", ""},
      {"paragraphs vbulletin", paragraphs, Format::Vbulletin, u"Spaced\n\nClose\nTogether\n\n[spoiler]<b>\u2026\u2122[/spoiler]", ""},
      {"paragraphs bbcode", paragraphs, Format::Bbcode, u"Spaced\n\nClose\nTogether\n\n[spoiler]<b>\u2026\u2122[/spoiler]", ""},
      {"paragraphs markdown", paragraphs, Format::Markdown, u"Spaced\n\nClose\\\nTogether\n\n\\[spoiler\\]\\<b>\u2026\u2122\\[/spoiler\\]", ""},
      {"blanksAndEmptyLines phpbb", blanksAndEmptyLines, Format::Phpbb, u"[list][*]One\n[*]Two[/list]\nTail\n\nAfter", ""},
      {"blanksAndEmptyLines smf", blanksAndEmptyLines, Format::Smf, u"[list][li]One[/li]\n[li]Two[/li][/list]\nTail\n\nAfter", ""},
      {"blanksAndEmptyLines markdown", blanksAndEmptyLines, Format::Markdown, u"- One\n- Two\n\nTail\n\nAfter", ""},
};
// clang-format on

TEST(PostWriter, WritesTheStructureInEachDialect) {
  for (const WriteCase& c : kWriteCases) {
    const post::Model model = modelOf(c.walk);
    const Post post = writePost(model, c.format);
    EXPECT_EQ(utf8(post.text), utf8(c.text)) << c.name;
    EXPECT_EQ(formatLosses(post.losses), c.losses) << c.name;
  }
}

// Only a web address becomes a link or a picture, in Markdown a relative one too: any other
// keeps the link's text alone and the picture is left out, each named in the losses.
void hostileAddresses(Builder& b) {
  post::Style script, web, relative, hidden;
  script.link = u"javascript:alert(1)";
  web.link = u"http://a.b/";
  relative.link = u"/rel";
  hidden.link = u"jav&#x61;script:alert(1)";
  b.paragraph();
  b.text(u"x", script);
  b.text(u" ", kPlain);
  b.text(u"y", web);
  b.text(u" ", kPlain);
  b.text(u"r", relative);
  b.text(u" ", kPlain);
  b.text(u"h", hidden);
  b.picture(u"data:image/png;base64,AAAA", u"alt", kPlain);
  b.picture(u"https://a.b/c.png", u"", kPlain);
  b.picture(u"c.png", u"", kPlain);
}

TEST(PostWriter, OnlyWebAddressesBecomeLinksOrPictures) {
  // clang-format off
  const WriteCase cases[] = {
      {"phpbb", hostileAddresses, Format::Phpbb, u"x [url=http://a.b/]y[/url] r h[img]https://a.b/c.png[/img]", "link: 3 links\npicture: 2 pictures\n"},
      {"xenforo", hostileAddresses, Format::Xenforo, u"x [URL=http://a.b/]y[/URL] r h[IMG]https://a.b/c.png[/IMG]", "link: 3 links\npicture: 2 pictures\n"},
      {"mybb", hostileAddresses, Format::Mybb, u"x [url=http://a.b/]y[/url] r h[img]https://a.b/c.png[/img]", "link: 3 links\npicture: 2 pictures\n"},
      {"markdown keeps the relative ones", hostileAddresses, Format::Markdown, u"x [y](http://a.b/) [r](/rel) h![](https://a.b/c.png)![](c.png)", "link: 2 links\npicture: 1 picture\n"},
  };
  // clang-format on
  for (const WriteCase& c : cases) {
    const Post post = writePost(modelOf(c.walk), c.format);
    EXPECT_EQ(utf8(post.text), utf8(c.text)) << c.name;
    EXPECT_EQ(formatLosses(post.losses), c.losses) << c.name;
  }
}

TEST(PostWriter, ChecksAcceptEveryPostWrittenAndRejectAWordDropped) {
  for (const WriteCase& c : kWriteCases) {
    const post::Model model = modelOf(c.walk);
    const std::u16string text = writePost(model, c.format).text;
    EXPECT_EQ(checkPost(model, text, c.format), std::nullopt) << c.name << "\n" << utf8(text);
    // The first word of the writer's past its markup, dropped.
    std::u16string dropped = text;
    for (const std::u16string_view word :
         {u"Keeper", u"He said", u"Alpha", u"Round 1", u"Above", u"Spaced", u"Tail"}) {
      if (const std::size_t at = dropped.find(word); at != std::u16string::npos) {
        dropped.erase(at, word.size());
        break;
      }
    }
    ASSERT_NE(dropped, text) << c.name;
    EXPECT_NE(checkPost(model, dropped, c.format), std::nullopt) << c.name << "\n" << utf8(dropped);
  }
}

std::string renderMarkdown(std::u16string_view post) {
  const std::string md = utf8(post);
  char* html = cmark_markdown_to_html(md.data(), md.size(), CMARK_OPT_DEFAULT);
  std::string out(html);
  std::free(html);
  return out;
}

TEST(PostWriter, MarkdownReadsBackWithItsStructure) {
  const struct {
    const char* name;
    void (*walk)(Builder&);
    std::vector<std::string_view> html;  // in this order in the rendered post
  } cases[] = {
      {"nested lists",
       nestedLists,
       {"<ul>\n<li>\n<p>Keeper</p>\n<ol start=\"3\">\n<li>Saves<br />\nclean sheets</li>\n"
        "<li>Kicks</li>\n</ol>\n</li>\n<li>\n<p>Striker</p>\n</li>\n</ul>"}},
      {"quotes",
       quoteWithList,
       {"<blockquote>\n<p>He said</p>\n<blockquote>\n<p>nested</p>\n<ol>\n<li>first</li>\n</ol>\n"
        "</blockquote>\n</blockquote>\n<p>After</p>"}},
      {"headings", headings, {"<h1>Round 1</h1>\n<h2>Round 2</h2>\n<h3>Round 3</h3>\n<p>Body</p>"}},
      {"rule and pictures",
       ruleAndPictures,
       {"<p>Above</p>\n<hr />", "<img src=\"https://example.org/a%20b.png\" alt=\"The [crest]\" />",
        " and <img src=\"https://example.org/c.png\" alt=\"\" />"}},
      {"paragraphs",
       paragraphs,
       {"<p>Spaced</p>\n<p>Close<br "
        "/>\nTogether</p>\n<p>[spoiler]&lt;b&gt;\u2026\u2122[/spoiler]</p>"}},
  };
  for (const auto& c : cases) {
    const std::string html = renderMarkdown(writePost(modelOf(c.walk), Format::Markdown).text);
    std::size_t at = 0;
    for (const std::string_view part : c.html) {
      const std::size_t found = html.find(part, at);
      EXPECT_NE(found, std::string::npos) << c.name << ": " << part << "\n" << html;
      if (found != std::string::npos) at = found + part.size();
    }
  }
}

TEST(PostWriter, PreviewShowsTheNewTagsAndFetchesNoPicture) {
  const struct {
    const char* name;
    Format format;
    std::u16string_view post;
    std::string_view html;
  } cases[] = {
      {"nested numbered list", Format::Phpbb, u"[list][*]a\n[list=i][*]b[/list]\n[*]c[/list]",
       "<ul><li>a<br>\n<ol type=\"i\"><li>b</li></ol></li><li>c</li></ul>"},
      {"SMF's list type", Format::Smf, u"[list type=upper-roman][li]a[/li][/list]",
       "<ol type=\"I\"><li>a</li></ol>"},
      {"quotes nested", Format::Xenforo, u"[QUOTE]a\n[quote]b[/QUOTE][/quote]\nc",
       "<blockquote>a<br>\n<blockquote>b</blockquote></blockquote>c"},
      {"heading", Format::Xenforo, u"[HEADING=2]Round[/HEADING]\nBody", "<h2>Round</h2>Body"},
      {"heading level out of range", Format::Xenforo, u"[HEADING=7]R[/HEADING]", "<h3>R</h3>"},
      {"rule", Format::Mybb, u"a\n[hr]\nb", "a<br>\n<hr>b"},
      {"a rule where the dialect has none is text", Format::Phpbb, u"[hr]", "[hr]"},
      {"picture", Format::Vbulletin, u"[IMG]https://example.org/a.png?x=1&y=<2>[/IMG]",
       "<span class=\"picture\" style=\"border: 1px solid gray\">[picture: "
       "https://example.org/a.png?x=1&amp;y=&lt;2&gt;]</span>"},
      {"an unclosed picture is text", Format::Phpbb, u"[img]http://x\ny", "[img]http://x<br>\ny"},
      {"a closing picture tag alone is text", Format::Phpbb, u"a[/img]", "a[/img]"},
      {"a link of another scheme is typed text", Format::Phpbb, u"[url=javascript:alert(1)]x[/url]",
       "[url=javascript:alert(1)]x[/url]"},
      {"a picture of no web address is typed text", Format::Mybb, u"[img]word[/img]",
       "[img]word[/img]"},
  };
  for (const auto& c : cases) {
    const std::string html = utf8(bbcodeToHtml(c.post, c.format));
    EXPECT_EQ(html, c.html) << c.name;
    EXPECT_EQ(html.find("<img"), std::string::npos) << c.name;
  }
}

// A writer's hostile post: deep lists and quotes by the hundred thousand lines. Every format
// writes it in time linear in its size, and the check reads it back.
TEST(PostWriter, DeepPostsStayLinear) {
  const struct {
    const char* name;
    std::function<void(Builder&)> walk;
  } cases[] = {
      {"100,000 items at levels 1 to 9",
       [](Builder& b) {
         for (int i = 0; i < 100000; ++i) {
           b.item(1 + i % 9, i % 2 ? Numbering::Decimal : Numbering::Bullet);
           b.text(u"item", kPlain);
         }
       }},
      {"quotes 9 deep holding 10,000 paragraphs",
       [](Builder& b) {
         for (int i = 0; i < 10000; ++i) {
           b.quoteDepth(1 + i % 9);
           b.paragraph();
           b.text(u"words here", kPlain);
         }
       }},
  };
  for (const auto& c : cases) {
    const post::Model model = modelOf(c.walk);
    for (const FormatInfo& f : allFormats()) {
      const auto start = std::chrono::steady_clock::now();
      const Post post = writePost(model, f.format);
      EXPECT_EQ(checkPost(model, post.text, f.format), std::nullopt) << c.name << " " << f.name;
      const auto took = std::chrono::steady_clock::now() - start;
      EXPECT_LT(took, std::chrono::seconds(5)) << c.name << " " << f.name;
      EXPECT_LT(post.text.size(), 4'000'000u) << c.name << " " << f.name;
    }
  }
}

}  // namespace
}  // namespace quillmark
