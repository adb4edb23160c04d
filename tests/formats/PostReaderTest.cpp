// Posts read back into the post model: what each format writes reads back to a model that
// writes the same post; each dialect's own forms, as its users type them; Markdown through
// cmark-gfm's structures; which text is BBCode and of which dialect; and hostile posts read
// in bounded time.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <optional>
#include <span>
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

post::Style styled(std::uint8_t flags) {
  post::Style s;
  s.flags = flags;
  return s;
}

post::Style coloured(std::u16string_view colour) {
  post::Style s;
  s.colour = colour;
  return s;
}

post::Style sized(int size) {
  post::Style s;
  s.size = post::percentOfHtmlSize(size);
  return s;
}

post::Style faced(std::u16string_view face) {
  post::Style s;
  s.face = face;
  return s;
}

post::Style linked(std::u16string_view link) {
  post::Style s;
  s.link = link;
  return s;
}

const post::Style kPlain{};

struct ModelCase {
  const char* name;
  std::function<void(Builder&)> walk;
  // The formats that show everything in the model: there it reads back as it was.
  std::vector<Format> same;
};

constexpr Format P = Format::Phpbb, X = Format::Xenforo, M = Format::Mybb, S = Format::Smf,
                 V = Format::Vbulletin, B = Format::Bbcode, MD = Format::Markdown;

// Models of every block and every style, as the editor's document makes them.
const std::vector<ModelCase>& modelCases() {
  static const std::vector<ModelCase> cases = {
      {"paragraphs with space, breaks and empty lines",
       [](Builder& b) {
         b.paragraph(Align::Left, true);
         b.text(u"Spaced", kPlain);
         b.paragraph();
         b.text(u"Line one\nline two", kPlain);
         b.paragraph();
         b.paragraph();
         b.paragraph();
         b.text(u"After two empty", kPlain);
       },
       {P, X, M, S, V, B}},
      {"every flag",
       [](Builder& b) {
         b.paragraph();
         b.text(u"bold ", styled(post::kBold));
         b.text(u"italic ", styled(post::kItalic));
         b.text(u"under ", styled(post::kUnderline));
         b.text(u"strike ", styled(post::kStrike));
         b.text(u"x", kPlain);
         b.text(u"2", styled(post::kSuper));
         b.text(u"i", styled(post::kSub));
         b.text(u" all", styled(post::kBold | post::kItalic | post::kUnderline));
       },
       {S}},
      {"colour, face and link",
       [](Builder& b) {
         b.paragraph();
         b.text(u"Most of the words are plain here ", kPlain);
         b.text(u"red", coloured(u"#FF0000"));
         b.text(u" ", kPlain);
         b.text(u"Arial", faced(u"Arial"));
         b.text(u" ", kPlain);
         b.text(u"a link", linked(u"https://example.org/a?b=1&c"));
         post::Style both = linked(u"https://example.org/");
         both.flags = post::kBold;
         both.colour = u"#00FF00";
         b.text(u" bold green link", both);
       },
       {X, M, S, V}},
      {"sizes 1 to 7",
       [](Builder& b) {
         b.paragraph();
         b.text(u"The normal text is the longest run of all of these, by far", kPlain);
         // Size 3 is the forum's own: no markup, and so none read back.
         for (const int size : {1, 2, 4, 5, 6, 7}) {
           b.text(u" s" + std::u16string(1, static_cast<char16_t>(u'0' + size)), sized(size));
         }
       },
       {P, X, M, S, V}},
      {"alignment",
       [](Builder& b) {
         b.paragraph(Align::Centre);
         b.text(u"Centred", kPlain);
         b.paragraph(Align::Right);
         b.text(u"Right", kPlain);
         b.paragraph();
         b.text(u"Left", kPlain);
       },
       {X, M, S, V}},
      {"headings",
       [](Builder& b) {
         for (int level = 1; level <= 3; ++level) {
           b.heading(level);
           b.text(u"Round " + std::u16string(1, static_cast<char16_t>(u'0' + level)), kPlain);
         }
         b.heading(1, Align::Centre, true);
         b.text(u"Centred title", kPlain);
         b.paragraph();
         b.text(u"Body", kPlain);
       },
       {X}},
      {"nested lists of each numbering",
       [](Builder& b) {
         b.item(1, Numbering::Bullet);
         b.text(u"Bullet", kPlain);
         b.item(2, Numbering::Decimal);
         b.text(u"Decimal", kPlain);
         b.item(3, Numbering::LowerAlpha);
         b.text(u"lower alpha", kPlain);
         b.item(3, Numbering::LowerAlpha);
         b.text(u"second\nwith a break", kPlain);
         b.item(2, Numbering::Decimal);
         b.text(u"Decimal two", kPlain);
         b.item(1, Numbering::Bullet);
         b.text(u"Bullet two", kPlain);
         b.paragraph();
         b.text(u"Between", kPlain);
         b.item(1, Numbering::UpperAlpha);
         b.text(u"Upper alpha", kPlain);
         b.paragraph();
         b.text(u"and", kPlain);
         b.item(1, Numbering::LowerRoman);
         b.text(u"lower roman", kPlain);
         b.paragraph();
         b.text(u"and", kPlain);
         b.item(1, Numbering::UpperRoman);
         b.text(u"Upper roman", kPlain);
       },
       {P, M, S, V}},
      {"start numbers",
       [](Builder& b) {
         b.item(1, Numbering::Decimal, 3);
         b.text(u"Third", kPlain);
         b.item(1, Numbering::Decimal, 3);
         b.text(u"Fourth", kPlain);
       },
       {MD}},
      {"quotes holding lists",
       [](Builder& b) {
         b.quoteDepth(1);
         b.paragraph();
         b.text(u"He said", kPlain);
         b.quoteDepth(2);
         b.paragraph();
         b.text(u"nested", kPlain);
         b.item(1, Numbering::Bullet);
         b.text(u"first", kPlain);
         b.item(1, Numbering::Bullet);
         b.text(u"second", kPlain);
         b.quoteDepth(1);
         b.paragraph();
         b.text(u"back out", kPlain);
         b.quoteDepth(0);
         b.paragraph();
         b.text(u"After", kPlain);
       },
       {P, X, M, S, V, B, MD}},
      {"quotes citing their sources",
       [](Builder& b) {
         b.quoteDepth(1, {u"Ann", u"12", u"3", u"1700000000", {}});
         b.paragraph();
         b.text(u"He said", kPlain);
         b.quoteDepth(2, {u"Bob Lee", {}, {}, {}, {}});
         b.paragraph();
         b.text(u"nested", kPlain);
         b.quoteDepth(0);
         b.paragraph();
         b.text(u"After", kPlain);
       },
       {P}},
      {"code with markup inside",
       [](Builder& b) {
         b.paragraph();
         b.text(u"Before", kPlain);
         b.code();
         b.text(u"[b]not bold[/b] *x* _y_\n  # | \\ < &\n\n", kPlain);
         b.paragraph();
         b.text(u"After", kPlain);
       },
       {P, X, M, S, V, B, MD}},
      {"rules and pictures",
       [](Builder& b) {
         b.paragraph();
         b.text(u"Above", kPlain);
         b.rule();
         b.paragraph();
         b.picture(u"https://example.org/a.png", u"", kPlain);
         b.text(u" and ", kPlain);
         b.picture(u"https://example.org/c.png", u"", linked(u"https://example.org/"));
       },
       {M, S}},
      {"a table with a header, alignment and empty cells",
       [](Builder& b) {
         b.beginTable();
         b.row();
         b.cell(true);
         b.text(u"Team", kPlain);
         b.cell(true, Align::Right);
         b.text(u"Points", kPlain);
         b.row();
         b.cell();
         b.text(u"Rovers", styled(post::kItalic));
         b.cell(false, Align::Right);
         b.text(u"12", kPlain);
         b.row();
         b.cell();
         b.cell(false, Align::Right);
         b.text(u"7", kPlain);
         b.endTable();
         b.paragraph();
         b.text(u"Below", kPlain);
       },
       {X, MD}},
      {"code, headings 4 to 6, task items and justified text",
       [](Builder& b) {
         b.paragraph();
         b.text(u"Run ", kPlain);
         b.text(u"ls -l", styled(post::kCode));
         b.code(u"sh");
         b.text(u"ls\n", kPlain);
         for (int level = 4; level <= 6; ++level) {
           b.heading(level, Align::Left, true);
           b.text(u"Level " + std::u16string(1, static_cast<char16_t>(u'0' + level)), kPlain);
         }
         b.item(1, Numbering::Bullet, 1, Align::Left, post::Task::Open);
         b.text(u"to do", kPlain);
         b.item(1, Numbering::Bullet, 1, Align::Left, post::Task::Done);
         b.text(u"done", kPlain);
       },
       {MD}},
      {"text like markup",
       [](Builder& b) {
         b.paragraph(Align::Left, true);
         b.text(u"a [ b ] c * d _ e # f | g \\ h < i & j\tk", kPlain);
         b.paragraph(Align::Left, true);
         b.text(u"1. not a list", kPlain);
         b.paragraph();
         b.text(u"- nor this [x]", kPlain);
       },
       {P, X, M, S, V, B, MD}},
  };
  return cases;
}

constexpr Format kReadFormats[] = {Format::Phpbb,     Format::Xenforo, Format::Mybb,    Format::Smf,
                                   Format::Vbulletin, Format::Bbcode,  Format::Markdown};

TEST(PostReader, WhatEachFormatWritesReadsBackToTheSamePost) {
  for (const ModelCase& c : modelCases()) {
    Builder b;
    c.walk(b);
    const post::Model model = b.finish();
    for (const Format f : kReadFormats) {
      const std::u16string written = writePost(model, f).text;
      const post::Model read = readPost(written, f);
      EXPECT_EQ(utf8(writePost(read, f).text), utf8(written))
          << c.name << " " << formatName(f) << "\n"
          << post::describe(read);
      if (std::find(c.same.begin(), c.same.end(), f) != c.same.end()) {
        EXPECT_EQ(post::describe(read), post::describe(model)) << c.name << " " << formatName(f);
      }
    }
  }
}

// A post read in one format and written in another, or in its own: the text written and the
// losses named; the check before copy finds the text true to the post; read and written
// again, it is the same text.
struct WriteCase {
  const char* name;
  Format from;
  std::u16string_view text;
  Format to;
  std::u16string_view written;
  std::string_view losses;
};

void expectWritings(std::span<const WriteCase> cases) {
  for (const WriteCase& c : cases) {
    const post::Model model = readPost(c.text, c.from);
    const Post post = writePost(model, c.to);
    EXPECT_EQ(utf8(post.text), utf8(c.written)) << c.name;
    EXPECT_EQ(formatLosses(post.losses), c.losses) << c.name;
    EXPECT_EQ(checkPost(model, post.text, c.to), std::nullopt) << c.name;
    EXPECT_EQ(utf8(writePost(readPost(post.text, c.to), c.to).text), utf8(post.text)) << c.name;
  }
}

TEST(PostReader, QuoteSourcesKeptInTheirDialectAndMappedToAnother) {
  const WriteCase cases[] = {
      // clang-format off
      {"phpBB to phpBB", P, u"[quote=\"Ann\" post_id=12 time=1700000000 user_id=3]x[/quote]", P, u"[quote=\"Ann\" post_id=12 time=1700000000 user_id=3]x[/quote]", ""},
      {"phpBB to XenForo: no time", P, u"[quote=\"Ann\" post_id=12 time=1700000000 user_id=3]x[/quote]", X, u"[QUOTE=\"Ann, post: 12, member: 3\"]x[/QUOTE]", "quote source: 1 quote\n"},
      {"phpBB to MyBB: no account", P, u"[quote=\"Ann\" post_id=12 time=1700000000 user_id=3]x[/quote]", M, u"[quote='Ann' pid='12' dateline='1700000000']x[/quote]", "quote source: 1 quote\n"},
      {"phpBB to SMF: the post as a link", P, u"[quote=\"Ann\" post_id=12 time=1700000000]x[/quote]", S, u"[quote author=Ann link=msg=12 date=1700000000]x[/quote]", ""},
      {"phpBB to vBulletin: the name and the post", P, u"[quote=\"Ann\" post_id=12 time=1700000000]x[/quote]", V, u"[QUOTE=Ann;12]x[/QUOTE]", "quote source: 1 quote\n"},
      {"phpBB to any forum: the name", P, u"[quote=\"Ann\" post_id=12]x[/quote]", B, u"[quote=Ann]x[/quote]", "quote source: 1 quote\n"},
      {"a name alone loses nothing", P, u"[quote=Ann]x[/quote]", B, u"[quote=Ann]x[/quote]", ""},
      {"phpBB to Markdown: a line", P, u"[quote=Ann]x[/quote]", MD, u"> Ann wrote:\n>\n> x", "quote source: 1 quote\n"},
      {"phpBB's name holding a double quote", P, u"[quote='Ann \"A\" Lee']x[/quote]", P, u"[quote='Ann \"A\" Lee']x[/quote]", ""},
      {"XenForo to XenForo", X, u"[QUOTE=\"Ann, post: 12, member: 3\"]x[/QUOTE]", X, u"[QUOTE=\"Ann, post: 12, member: 3\"]x[/QUOTE]", ""},
      {"XenForo to phpBB", X, u"[QUOTE=\"Ann, post: 12, member: 3\"]x[/QUOTE]", P, u"[quote=\"Ann\" post_id=12 user_id=3]x[/quote]", ""},
      {"MyBB to MyBB, an apostrophe in the name", M, u"[quote=\"O'Neil\" pid='1' dateline='2']x[/quote]", M, u"[quote=\"O'Neil\" pid='1' dateline='2']x[/quote]", ""},
      {"SMF to SMF", S, u"[quote author=Ann Lee link=topic=1.msg2#msg2 date=1700000000]x[/quote]", S, u"[quote author=Ann Lee link=topic=1.msg2#msg2 date=1700000000]x[/quote]", ""},
      {"SMF to phpBB: the post of the link, not the link", S, u"[quote author=Ann Lee link=topic=1.msg2#msg2 date=1700000000]x[/quote]", P, u"[quote=\"Ann Lee\" post_id=2 time=1700000000]x[/quote]", "quote source: 1 quote\n"},
      {"vBulletin to vBulletin", V, u"[QUOTE=Ann;123]x[/QUOTE]\n[QUOTE=Bob;n45]y[/QUOTE]", V, u"[QUOTE=Ann;123]x[/QUOTE]\n[QUOTE=Bob;n45]y[/QUOTE]", ""},
      {"vBulletin 5's node to phpBB: no post number", V, u"[QUOTE=Bob;n45]y[/QUOTE]", P, u"[quote=\"Bob\"]y[/quote]", "quote source: 1 quote\n"},
      {"nested quotes keep their own sources", X, u"[QUOTE=\"Ann\"]a\n[QUOTE=\"Bob\"]b[/QUOTE][/QUOTE]", M, u"[quote='Ann']a\n[quote='Bob']b[/quote][/quote]", ""},
      // clang-format on
  };
  expectWritings(cases);
}

// A post read from a forum comes back with every size and face it had: text with no size is
// at the forum's size, text with one keeps it, however much of the post has it.
TEST(PostReader, SizesAndFacesComeBackAsTheForumShowedThem) {
  const WriteCase cases[] = {
      // clang-format off
      {"most of the text sized", P, u"[size=150]big big big big[/size] n", P, u"[size=150]big big big big[/size] n", ""},
      {"all of the text sized", P, u"[size=150]big[/size]", P, u"[size=150]big[/size]", ""},
      {"all of the text in a face", X, u"[FONT=Arial]test[/FONT]", X, u"[FONT=Arial]test[/FONT]", ""},
      {"a face and a size throughout", X, u"[FONT=Arial][SIZE=5]all of it[/SIZE][/FONT]", X, u"[FONT=Arial][SIZE=5]all of it[/SIZE][/FONT]", ""},
      {"SMF's points, most of the text", S, u"[size=18pt]big big big[/size] small", S, u"[size=18pt]big big big[/size] small", ""},
      {"MyBB's keyword, all of it", M, u"[size=large]big[/size]", M, u"[size=large]big[/size]", ""},
      {"phpBB's size in XenForo's steps", P, u"[size=150]big big[/size] n", X, u"[SIZE=5]big big[/SIZE] n", ""},
      {"a size Markdown cannot show is lost", P, u"[size=150]big[/size]", MD, u"big", "size: 1 run\n"},
      // clang-format on
  };
  expectWritings(cases);
}

// What real posts use beyond the engine's vocabulary: kept in the dialect that has it,
// written as near as another can show it, and named in the loss report where it cannot.
TEST(PostReader, VocabularyKeptInItsDialectAndLostInAnother) {
  const WriteCase cases[] = {
      // clang-format off
      {"inline code to XenForo", MD, u"run `x`", X, u"run [ICODE]x[/ICODE]", ""},
      {"XenForo's inline code to Markdown", X, u"[ICODE]a*b[/ICODE]", MD, u"`a*b`", ""},
      {"inline code in the fixed face where there is none", MD, u"run `x`", M, u"run [font=Courier New]x[/font]", "inline code: 1 run\n"},
      {"inline code lost where there is no face", MD, u"run `x`", P, u"run x", "inline code: 1 run\n"},
      {"a code block's language in phpBB", P, u"[code=php]echo 1;[/code]", P, u"[code=php]echo 1;[/code]", ""},
      {"a code block's language to Markdown", X, u"[CODE=php]echo 1;[/CODE]", MD, u"```php\necho 1;\n```\n", ""},
      {"a code block's language lost", MD, u"```php\necho 1;\n```", M, u"[code]echo 1;[/code]", "code language: 1 block\n"},
      {"task items lost in BBCode", MD, u"- [x] done", P, u"[list][*]done[/list]", "task box: 1 item\n"},
      {"bold that cannot close beside the code is left off it", X, u"[B][ICODE]x[/ICODE][/B]y", MD, u"`x`y", "bold: 1 run\n"},
      {"MyBB's justified paragraph", M, u"[align=justify]j[/align]", M, u"[align=justify]j[/align]", ""},
      {"justified to XenForo", M, u"[align=justify]j[/align]", X, u"[JUSTIFY]j[/JUSTIFY]", ""},
      {"justified lost", X, u"[JUSTIFY]j[/JUSTIFY]", P, u"j", "justify: 1 paragraph\n"},
      {"a linked picture", X, u"[URL=http://u.org/][IMG]http://i.org/p.png[/IMG][/URL]", MD, u"[![](http://i.org/p.png)](http://u.org/)", ""},
      {"Markdown's HTML is text in BBCode, as a loss", MD, u"a <b>y</b>", P, u"a <b>y</b>", "markup of another format: 2 runs\n"},
      {"Markdown's HTML block likewise", MD, u"<div>x</div>", X, u"<div>x</div>", "markup of another format: 1 run\n"},
      {"phpBB's attachment kept in phpBB", P, u"[attachment=0]a.png[/attachment]", P, u"[attachment=0]a.png[/attachment]", ""},
      {"phpBB's attachment in Markdown is text, as a loss", P, u"[attachment=0]a.png[/attachment]", MD, u"\\[attachment=0\\]a.png\\[/attachment\\]", "markup of another format: 1 run\n"},
      {"a list's style in phpBB", P, u"[list=disc][*]x[/list]", P, u"[list=disc][*]x[/list]", ""},
      {"a list's style to SMF", P, u"[list=none][*]x[/list]", S, u"[list type=none][li]x[/li][/list]", ""},
      {"XenForo's spoiler kept", X, u"[SPOILER=Act 2]a\n[SPOILER]b[/SPOILER][/SPOILER]\n[ISPOILER]c[/ISPOILER]", X, u"[SPOILER=Act 2]a\n[SPOILER]b[/SPOILER][/SPOILER]\n[ISPOILER]c[/ISPOILER]", ""},
      {"a spoiler lost where there is none", X, u"[SPOILER]a[/SPOILER]\n[ISPOILER]b[/ISPOILER]", MD, u"a\\\nb", "spoiler: 2 parts\n"},
      {"justified lost in Markdown", M, u"[align=justify]j[/align]", MD, u"j", "justify: 1 paragraph\n"},
      {"a title XenForo cannot hold is lost", MD, u"[a](http://u.org/ \"t\")", X, u"[URL=http://u.org/]a[/URL]", ""},
      {"a language holding a blank is lost in BBCode", MD, u"```c++ main\nx\n```", X, u"[CODE=c++]x[/CODE]", ""},
      {"inline code holding a line's tags stays literal in XenForo", MD, u"`[B]x[/B]`", X, u"[ICODE][B]x[/B][/ICODE]", ""},
      {"a heading 5 in XenForo is its largest step down", MD, u"##### e", X, u"[HEADING=3]e[/HEADING]", ""},
      {"an email link in phpBB", P, u"[email=ann@example.org]Ann[/email]", P, u"[email=ann@example.org]Ann[/email]", ""},
      {"a bare email link to XenForo", P, u"[email]ann@example.org[/email]", X, u"[EMAIL=ann@example.org]ann@example.org[/EMAIL]", ""},
      {"an email link to Markdown", M, u"[email=ann@example.org]Ann[/email]", MD, u"[Ann](mailto:ann@example.org)", ""},
      {"Markdown's email link to SMF", MD, u"<ann@example.org>", S, u"[email=ann@example.org]ann@example.org[/email]", ""},
      // clang-format on
  };
  expectWritings(cases);
}

struct ReadCase {
  const char* name;
  Format format;
  std::u16string_view text;
  std::string_view model;  // post::describe of the model read
};

void expectReadings(std::span<const ReadCase> cases) {
  for (const ReadCase& c : cases) {
    EXPECT_EQ(post::describe(readPost(c.text, c.format)), c.model) << c.name;
  }
}

TEST(PostReader, ReadsEachDialectsOwnForms) {
  // clang-format off
  const ReadCase cases[] = {
      {"tags in any letter case", P, u"[B]b[/b] [I]i[/I]",
       "paragraph\n  \"b\" bold\n  \" \"\n  \"i\" italic\n"},
      {"colour names, short hex and rgb()", X, u"[COLOR=red]r[/COLOR][color=#0f0]g[/color][COLOR=rgb(184, 49, 47)]x[/COLOR]",
       "paragraph\n  \"r\" colour=#FF0000\n  \"g\" colour=#00FF00\n  \"x\" colour=#B8312F\n"},
      {"phpBB sizes in per cent, the nearest step", P, u"[size=150]a[/size][size=120]b[/size][size=50]c[/size]",
       "paragraph\n  \"a\" size=150\n  \"b\" size=113\n  \"c\" size=63\n"},
      {"MyBB size keywords", M, u"[size=xx-large]a[/size][size=x-small]b[/size]",
       "paragraph\n  \"a\" size=300\n  \"b\" size=81\n"},
      {"SMF sizes in points and the old steps", S, u"[size=24pt]a[/size][size=2]b[/size]",
       "paragraph\n  \"a\" size=200\n  \"b\" size=81\n"},
      {"a size off the scale is text", X, u"[SIZE=9]a[/SIZE]", "paragraph\n  \"[SIZE=9]a[/SIZE]\"\n"},
      {"faces and links, quoted or not", X, u"[FONT='Times New Roman']t[/FONT] [URL=\"http://a.b/\"]l[/URL] [url]http://c.d[/url]",
       "paragraph\n  \"t\" face=\"Times New Roman\"\n  \" \"\n  \"l\" link=\"http://a.b/\"\n  \" \"\n  \"http://c.d\" link=\"http://c.d\"\n"},
      {"list numberings", V, u"[LIST=a][*]x[/LIST]\n[list=I][*]y[/list]\n[list][*]z[/list]",
       "list lower-alpha\n  item\n    paragraph\n      \"x\"\nlist upper-roman\n  item\n    paragraph\n      \"y\"\nlist bullet\n  item\n    paragraph\n      \"z\"\n"},
      {"items as typed, a line each", P, u"[list]\n[*]one\n[*]two\n[/list]\nafter",
       "list bullet\n  item\n    paragraph\n      \"one\"\n  item\n    paragraph\n      \"two\"\nparagraph\n  \"after\"\n"},
      {"phpBB's attachment kept as typed", P, u"see [attachment=0]a.png[/attachment]",
       "paragraph\n  \"see \"\n  markup phpbb \"[attachment=0]a.png[/attachment]\"\n"},
      {"XenForo's member and media kept as typed", X, u"[USER=1]Bob[/USER] [MEDIA=youtube]x[/MEDIA]",
       "paragraph\n  markup xenforo \"[USER=1]Bob[/USER]\"\n  \" \"\n  markup xenforo \"[MEDIA=youtube]x[/MEDIA]\"\n"},
      {"a kept tag not closed on its line is text", X, u"[USER=1]Bob\n[/USER]",
       "paragraph\n  \"[USER=1]Bob\\n[/USER]\"\n"},
      {"phpBB's list style", P, u"[list=square][*]x[/list]",
       "list bullet marker=square\n  item\n    paragraph\n      \"x\"\n"},
      {"SMF's list style", S, u"[list type=circle][li]x[/li][/list]",
       "list bullet marker=circle\n  item\n    paragraph\n      \"x\"\n"},
      {"phpBB's items closed by [/*]", P, u"[list]\n[*]one[/*]\n[*]two[/*][/list]",
       "list bullet\n  item\n    paragraph\n      \"one\"\n  item\n    paragraph\n      \"two\"\n"},
      {"[/*] outside an item is text", P, u"a[/*]", "paragraph\n  \"a[/*]\"\n"},
      {"SMF's list type and closed items", S, u"[list type=upper-alpha]\n[li]one[/li]\n[li]two[/li]\n[/list]",
       "list upper-alpha\n  item\n    paragraph\n      \"one\"\n  item\n    paragraph\n      \"two\"\n"},
      {"a quote with a name", P, u"[quote=\"Bob\"]hi[/quote]\nback",
       "quote author=\"Bob\"\n  paragraph\n    \"hi\"\nparagraph\n  \"back\"\n"},
      {"XenForo's quote attribution", X, u"[QUOTE=\"Ann, post: 12, member: 3\"]x[/QUOTE]",
       "quote author=\"Ann\" post=\"12\" member=\"3\"\n  paragraph\n    \"x\"\n"},
      {"phpBB's quote attributes", P, u"[quote=\"Ann\" post_id=12 time=1700000000 user_id=3]x[/quote]",
       "quote author=\"Ann\" post=\"12\" member=\"3\" time=\"1700000000\"\n  paragraph\n    \"x\"\n"},
      {"phpBB's unquoted name holds blanks", P, u"[quote=Ann Lee]x[/quote]",
       "quote author=\"Ann Lee\"\n  paragraph\n    \"x\"\n"},
      {"phpBB's named author, the board's own addresses left out", P, u"[quote author=\"Ann\" post_url=/p/1 post_id=1]x[/quote]",
       "quote author=\"Ann\" post=\"1\"\n  paragraph\n    \"x\"\n"},
      {"XenForo's name with a comma of its own", X, u"[QUOTE=\"Lee, Ann, post: 7\"]x[/QUOTE]",
       "quote author=\"Lee, Ann\" post=\"7\"\n  paragraph\n    \"x\"\n"},
      {"MyBB's quoted pid and dateline", M, u"[quote='Ann' pid='12' dateline='1700000000']x[/quote]",
       "quote author=\"Ann\" post=\"12\" time=\"1700000000\"\n  paragraph\n    \"x\"\n"},
      {"MyBB's unquoted name and pid", M, u"[quote=Ann Lee pid=12]x[/quote]",
       "quote author=\"Ann Lee\" post=\"12\"\n  paragraph\n    \"x\"\n"},
      {"SMF's author, link and date", S, u"[quote author=Ann Lee link=topic=1.msg2#msg2 date=1700000000]x[/quote]",
       "quote author=\"Ann Lee\" post=\"2\" time=\"1700000000\" link=\"topic=1.msg2#msg2\"\n  paragraph\n    \"x\"\n"},
      {"SMF's short form", S, u"[quote=Ann]x[/quote]",
       "quote author=\"Ann\"\n  paragraph\n    \"x\"\n"},
      {"vBulletin's name and post", V, u"[QUOTE=Ann;123]x[/QUOTE][QUOTE=Bob;n45]y[/QUOTE]",
       "quote author=\"Ann\" post=\"123\"\n  paragraph\n    \"x\"\nquote author=\"Bob\" post=\"n45\"\n  paragraph\n    \"y\"\n"},
      {"any forum's name", B, u"[quote=Ann]x[/quote]",
       "quote author=\"Ann\"\n  paragraph\n    \"x\"\n"},
      {"headings", X, u"[HEADING=2]Title[/HEADING]\nbody",
       "heading 2\n  \"Title\"\nparagraph\n  \"body\"\n"},
      {"a heading written bold and larger", S, u"[b][size=18pt]Title[/size][/b]\n[size=18pt][b]big[/b][/size]",
       "heading 1\n  \"Title\"\nparagraph\n  \"big\" bold size=150\n"},
      {"code is literal", P, u"[code][b]x[/b] [/quote]\n  y[/code]",
       "code\n  \"[b]x[/b] [/quote]\\n  y\\n\"\n"},
      {"a code block never closed is text", P, u"[code][b]x[/b]",
       "paragraph\n  \"[code]\"\n  \"x\" bold\n"},
      {"rules where the dialect has them", M, u"a\n[hr]\nb",
       "paragraph\n  \"a\"\nrule\nparagraph\n  \"b\"\n"},
      {"a rule where it has none is text", P, u"[hr]", "paragraph\n  \"[hr]\"\n"},
      {"pictures", V, u"[IMG]http://a.b/c.png[/IMG]",
       "paragraph\n  picture \"http://a.b/c.png\" alt=\"\"\n"},
      {"a picture of no address is typed text", P, u"[img]word[/img]", "paragraph\n  \"[img]word[/img]\"\n"},
      {"a bare link of no address is typed text", P, u"[url]word[/url]", "paragraph\n  \"[url]word[/url]\"\n"},
      {"a link to an address of no scheme is typed text", X, u"[URL=www.example.org]x[/URL]",
       "paragraph\n  \"[URL=www.example.org]x[/URL]\"\n"},
      {"a link of another scheme is the link it tries to be, for the writers to refuse", M, u"[url=javascript:alert(1)]x[/url]",
       "paragraph\n  \"x\" link=\"javascript:alert(1)\"\n"},
      {"a picture of another scheme likewise", P, u"[img]javascript:alert(1)[/img]",
       "paragraph\n  picture \"javascript:alert(1)\" alt=\"\"\n"},
      {"alignment tags", X, u"[CENTER]c[/CENTER]\n[RIGHT]r[/RIGHT]\n[LEFT]l[/LEFT]",
       "paragraph centre\n  \"c\"\nparagraph right\n  \"r\"\nparagraph\n  \"l\"\n"},
      {"MyBB's align", M, u"[align=right]r[/align]", "paragraph right\n  \"r\"\n"},
      {"superscript and subscript", S, u"x[sup]2[/sup]H[sub]2[/sub]",
       "paragraph\n  \"x\"\n  \"2\" super\n  \"H\"\n  \"2\" sub\n"},
      {"strike-through as [s]", M, u"[s]gone[/s]", "paragraph\n  \"gone\" strike\n"},
      {"a tag the dialect lacks is text", P, u"[s]x[/s] [center]y[/center]",
       "paragraph\n  \"[s]x[/s] [center]y[/center]\"\n"},
      {"an unknown tag is text", X, u"[NOPE]x[/NOPE]", "paragraph\n  \"[NOPE]x[/NOPE]\"\n"},
      {"XenForo's spoilers, with a title and inside a line", X, u"[SPOILER=\"Act 2\"]a [ISPOILER]b[/ISPOILER][/SPOILER]",
       "spoiler title=\"Act 2\"\n  paragraph\n    \"a \"\n    \"b\" spoiler\n"},
      {"a spoiler where the dialect has none is text", M, u"[spoiler]x[/spoiler]",
       "paragraph\n  \"[spoiler]x[/spoiler]\"\n"},
      {"XenForo's inline code, its text literal", X, u"run [ICODE][B]x[/B][/ICODE]",
       "paragraph\n  \"run \"\n  \"[B]x[/B]\" code\n"},
      {"inline code where the dialect has none is text", P, u"[icode]x[/icode]",
       "paragraph\n  \"[icode]x[/icode]\"\n"},
      {"phpBB's code block with its language", P, u"[code=php]echo 1;[/code]",
       "code language=\"php\"\n  \"echo 1;\\n\"\n"},
      {"XenForo's code block with its language", X, u"[CODE=rich][B]x[/B][/CODE]",
       "code language=\"rich\"\n  \"[B]x[/B]\\n\"\n"},
      {"a language where the dialect takes none is text", M, u"[code=php]x[/code]",
       "paragraph\n  \"[code=php]x[/code]\"\n"},
      {"XenForo's justified paragraph", X, u"[JUSTIFY]j[/JUSTIFY]", "paragraph justify\n  \"j\"\n"},
      {"a tag never closed is text", P, u"[b]x", "paragraph\n  \"[b]x\"\n"},
      {"tags closed out of order", P, u"[b][i]x[/b][/i]",
       "paragraph\n  \"[b]\"\n  \"x[/b]\" italic\n"},
      {"a closing tag alone is text", P, u"x[/b]", "paragraph\n  \"x[/b]\"\n"},
      {"a table with header cells", X, u"[TABLE]\n[TR][TH]a[/TH][TD][CENTER]b[/CENTER][/TD][/TR]\n[/TABLE]",
       "table\n  row\n    cell header\n      paragraph\n        \"a\"\n    cell centre\n      paragraph\n        \"b\"\n"},
      {"a row outside a table is text", X, u"[TR][TD]a[/TD][/TR]", "paragraph\n  \"[TR][TD]a[/TD][/TR]\"\n"},
      {"blank lines: space, then empty paragraphs", P, u"a\nb\n\nc\n\n\nd",
       "paragraph space\n  \"a\\nb\"\nparagraph\n  \"c\"\nparagraph\nparagraph\nparagraph\n  \"d\"\n"},
      {"line ends as an edit box gives them", P, u"a\r\nb\rc", "paragraph\n  \"a\\nb\\nc\"\n"},
  };
  // clang-format on
  expectReadings(cases);
}

// A hostile post read back and written again: a link or a picture of another scheme than the
// web's never comes out as one, whatever format it goes to; the loss says so.
TEST(PostReader, NoPostReadBackSmugglesALink) {
  const WriteCase cases[] = {
      {"javascript: to phpBB", P, u"[url=javascript:alert(1)]x[/url]", P, u"x", "link: 1 link\n"},
      {"padded, in capitals, to XenForo", X, u"[URL=\" JavaScript:alert(1)\"]x[/URL]", X, u"x",
       "link: 1 link\n"},
      {"vbscript: to MyBB", M, u"[url=vbscript:msgbox]x[/url]", M, u"x", "link: 1 link\n"},
      {"a bare javascript: link keeps its text", P, u"[url]javascript:alert(1)[/url]", P,
       u"javascript:alert(1)", "link: 1 link\n"},
      {"javascript: to Markdown", P, u"[url=javascript:alert(1)]x[/url]", MD, u"x",
       "link: 1 link\n"},
      {"a picture of javascript: to Markdown", P, u"[img]javascript:alert(1)[/img]", MD, u"",
       "picture: 1 picture\n"},
      {"a picture of no address stays typed text in Markdown", P, u"[img]word[/img]", MD,
       u"\\[img\\]word\\[/img\\]", ""},
      {"Markdown's javascript: to phpBB", MD, u"[x](javascript:alert(1))", P, u"x",
       "link: 1 link\n"},
      {"an entity-spelt scheme to Markdown", MD, u"[x](jav&#x61;script:alert(1))", MD, u"x",
       "link: 1 link\n"},
      {"an autolink of data:", MD, u"<data:text/html,x>", MD, u"data:text/html,x",
       "link: 1 link\n"},
      {"Markdown's picture of file: to phpBB", MD, u"![](file:///etc/passwd)", P, u"",
       "picture: 1 picture\n"},
      {"Markdown's relative link to phpBB", MD, u"[x](/rel)", P, u"x", "link: 1 link\n"},
      {"Markdown's relative link stays in Markdown", MD, u"[x](/rel)", MD, u"[x](/rel)", ""},
  };
  expectWritings(cases);
}

std::u16string repeated(std::u16string_view s, std::size_t n) {
  std::u16string out;
  out.reserve(s.size() * n);
  for (std::size_t i = 0; i < n; ++i) out += s;
  return out;
}

std::string repeated8(std::string_view s, std::size_t n) {
  std::string out;
  for (std::size_t i = 0; i < n; ++i) out += s;
  return out;
}

TEST(PostReader, ReadsMarkdownStructures) {
  const std::u16string openers = u"a " + repeated(u"<?", 40) + u" <![CDATA[x";
  const std::string openersRead = "paragraph\n  \"a " + repeated8("<?", 40) + " <![CDATA[x\"\n";
  const std::u16string columns = repeated(u"|a", 257) + u"|\n" + repeated(u"|-", 257) + u"|";
  const std::string columnsRead =
      "paragraph\n  \"" + repeated8("|a", 257) + "| " + repeated8("|-", 257) + "|\"\n";
  // clang-format off
  const ReadCase cases[] = {
      {"paragraphs, soft and hard breaks", MD, u"one\ntwo  \nthree\\\nfour\n\nnext",
       "paragraph space\n  \"one two\\nthree\\nfour\"\nparagraph\n  \"next\"\n"},
      {"headings 1 to 6, each with space below it before the next block", MD, u"# a\n\n### b\n\n###### c\n\nSetext\n===",
       "heading 1 space\n  \"a\"\nheading 3 space\n  \"b\"\nheading 6 space\n  \"c\"\nheading 1\n  \"Setext\"\n"},
      {"emphasis, strong, strike-through and code spans", MD, u"*i* __b__ ~~s~~ `*c*` ***bi***",
       "paragraph\n  \"i\" italic\n  \" \"\n  \"b\" bold\n  \" \"\n  \"s\" strike\n  \" \"\n  \"*c*\" code\n  \" \"\n  \"bi\" bold italic\n"},
      {"fenced and indented code", MD, u"```cpp\nint x;\n```\n\n    indented\n",
       "code language=\"cpp\"\n  \"int x;\\n\"\ncode\n  \"indented\\n\"\n"},
      {"quotes nested", MD, u"> a\n>\n> > b\n\nc",
       "quote\n  paragraph\n    \"a\"\n  quote\n    paragraph\n      \"b\"\nparagraph\n  \"c\"\n"},
      {"lists with start, nesting and 1)", MD, u"3) three\n4) four\n   - inner\n",
       "list decimal start=3\n  item\n    paragraph\n      \"three\"\n  item\n    paragraph\n      \"four\"\n    list bullet\n      item\n        paragraph\n          \"inner\"\n"},
      {"rules", MD, u"a\n\n***\n\n- - -", "paragraph\n  \"a\"\nrule\nrule\n"},
      {"links and pictures", MD, u"[site](http://a.b/ \"t\") ![alt *x*](http://c.d/e.png)",
       "paragraph\n  \"site\" link=\"http://a.b/\" title=\"t\"\n  \" \"\n  picture \"http://c.d/e.png\" alt=\"alt x\"\n"},
      {"a table with alignment and a header row", MD, u"| a | b | c |\n|:--|:-:|--:|\n| 1 | **2** | |",
       "table\n  row\n    cell header\n      paragraph\n        \"a\"\n    cell header centre\n      paragraph\n        \"b\"\n    cell header right\n      paragraph\n        \"c\"\n"
       "  row\n    cell\n      paragraph\n        \"1\"\n    cell centre\n      paragraph\n        \"2\" bold\n    cell right\n"},
      {"raw HTML is markup kept as typed", MD, u"<div>x</div>\n\na <b>y</b>",
       "markup\n  markup markdown \"<div>x</div>\"\nparagraph\n  \"a \"\n  markup markdown \"<b>\"\n  \"y\"\n  markup markdown \"</b>\"\n"},
      {"entities and escapes", MD, u"&amp; &copy; \\*", "paragraph\n  \"& \u00a9 *\"\n"},
      {"a paragraph of no-break spaces shows nothing", MD, u"a\n\n\u00a0\n\nb",
       "paragraph space\n  \"a\"\nparagraph\n  \"b\"\n"},
      {"HTML openers never closed, in quantity, are their text", MD, openers, openersRead},
      {"a table of more columns than a post holds is its lines", MD, columns, columnsRead},
      {"task items with their state", MD, u"- [ ] open\n- [x] done",
       "list bullet\n  item open\n    paragraph\n      \"open\"\n  item done\n    paragraph\n      \"done\"\n"},
      {"a line end spelt as a reference is a blank", MD, u"a&#10;b", "paragraph\n  \"a b\"\n"},
      {"a link to nothing stays the text typed", MD, u"[link]()", "paragraph\n  \"[link]()\"\n"},
      {"two links touching keep both", MD, u"[a](/1)[b](/2)",
       "paragraph\n  \"a\" link=\"/1\"\n  \"b\" link=\"/2\"\n"},
      {"two quotes apart stay two", MD, u"> a\n\n> b",
       "quote\n  paragraph\n    \"a\"\nquote\n  paragraph\n    \"b\"\n"},
      {"a linked picture", MD, u"[![a](http://i.org/p.png)](http://u.org/)",
       "paragraph\n  picture \"http://i.org/p.png\" alt=\"a\" link=\"http://u.org/\"\n"},
  };
  // clang-format on
  expectReadings(cases);
}

// What cmark-gfm is given: a post of pictures, links, closed HTML and tables as it is; only
// what would cost time or memory far past its size is escaped.
TEST(PostReader, MarkdownBoundsLeaveOrdinaryPostsAlone) {
  const auto md = [](const std::u16string& text) { return utf8(text); };
  const std::u16string longAddress = u"http://e.org/" + std::u16string(20'000, u'a');
  const struct {
    const char* name;
    std::string text;
    bool changed;
  } cases[] = {
      {"a gallery of 500 pictures", md(repeated(u"![p](http://e.org/p.png) ", 500)), false},
      {"40 processing instructions closed", md(repeated(u"a <?php x ?> ", 40)), false},
      {"40 processing instructions never closed", md(u"a " + repeated(u"<?", 40)), true},
      {"a table of 256 columns", md(repeated(u"|a", 256) + u"|\n" + repeated(u"|-", 256) + u"|\n"),
       false},
      {"a table of 257 columns", md(repeated(u"|a", 257) + u"|\n" + repeated(u"|-", 257) + u"|\n"),
       true},
      {"a wide header over many one-cell rows",
       md(repeated(u"|a", 200) + u"|\n" + repeated(u"|-", 200) + u"|\n" +
          repeated(u"|b|\n", 20000)),
       true},
      {"picture openers under many links", md(repeated(u"![[]()", 2000)), true},
      {"a short reference used 1000 times", md(u"[x]: http://e.org/\n\n" + repeated(u"[x] ", 1000)),
       false},
      {"a long reference used 1000 times",
       md(u"[x]: " + longAddress + u"\n\n" + repeated(u"[x] ", 1000)), true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(boundedMarkdown(c.text) != c.text, c.changed) << c.name;
  }
}

// Markdown read and written again: what the writer must write so that it reads back alike.
TEST(PostReader, MarkdownWrittenAgainReadsAlike) {
  const struct {
    const char* name;
    std::u16string_view markdown;
    std::u16string_view written;
  } cases[] = {
      {"an item beginning with a heading", u"1. # Title\n2. next", u"1. \n   # Title\n\n2. next"},
      {"an item beginning with a code block", u"- ```\n  x\n  ```", u"- \n  ```\n  x\n  ```\n"},
      {"a heading ending in #", u"# C \\#", u"# C \\#"},
      {"a heading of # alone", u"# \\#", u"# \\#"},
      {"lists of one kind one after the other stay lists of their own", u"2) a\n1. b\n\n- c\n* d",
       u"2. a\n\n1) b\n\n- c\n\n* d"},
      {"two lists of one kind inside an item stay two", u"- a\n  - b\n\n  * c",
       u"- a\n  - b\n\n  * c"},
      {"a hard break in a heading", u"a\\\nb\n===", u"# a b"},
      {"an empty quote", u"> a\n\n>", u"> a"},
      {"inline code kept", u"`~/.config/tool`", u"`~/.config/tool`"},
      {"inline code holding a backtick, in the shortest fence", u"`` a`b ``", u"``a`b``"},
      {"inline code starting with a backtick keeps its padding", u"`` `a ``", u"`` `a ``"},
      {"inline code in bold", u"**`x`** y", u"**`x`** y"},
      {"a code block's language", u"```bash\nls\n```", u"```bash\nls\n```\n"},
      {"headings 4 to 6", u"#### d\n\n###### f", u"#### d\n\n###### f"},
      {"task items", u"- [ ] a\n- [x] b", u"- [ ] a\n- [x] b"},
      {"two links touching", u"[a](/1)[b](/2)", u"[a](/1)[b](/2)"},
      {"an escaped ! before a link", u"\\![a](/u)", u"\\![a](/u)"},
      {"two quotes apart", u"> a\n\n> b", u"> a\n\n> b"},
      {"two quotes apart inside a quote", u"> > a\n>\n> > b", u"> > a\n>\n> > b"},
      {"a linked picture", u"[![a](http://i.org/p.png)](http://u.org/)",
       u"[![a](http://i.org/p.png)](http://u.org/)"},
      {"raw HTML as typed", u"<div>\n*x*\n</div>\n\na <b>y</b> <!-- c -->",
       u"<div>\n*x*\n</div>\n\na <b>y</b> <!-- c -->"},
      {"a link's title", u"[a](/u \"it's \\\"t\\\"\")", u"[a](/u \"it\\'s \\\"t\\\"\")"},
  };
  for (const auto& c : cases) {
    const std::u16string written = writePost(readPost(c.markdown, MD), MD).text;
    EXPECT_EQ(utf8(written), utf8(c.written)) << c.name;
    EXPECT_EQ(post::describe(readPost(written, MD)), post::describe(readPost(c.markdown, MD)))
        << c.name;
  }
}

TEST(PostReader, HtmlIsReadAsTheEngineFragment) {
  const post::Model model = readPost(u"<b>Bold</b> and <i>it</i><br>\r\nnext", Format::Html);
  EXPECT_EQ(post::describe(model),
            "paragraph\n  \"Bold\" bold\n  \" and \"\n  \"it\\n\" italic\n  \"next\"\n");
}

TEST(PostReader, TellsBbcodeAndItsDialect) {
  const struct {
    const char* name;
    std::u16string_view text;
    bool bbcode;
    std::optional<Format> dialect;
  } cases[] = {
      {"bold opened and closed", u"[b]x[/b]", true, std::nullopt},
      {"a Markdown link", u"[text](http://a.b)", false, std::nullopt},
      {"a task box", u"- [ ] todo\n- [x] done", false, std::nullopt},
      {"a tag never closed", u"[b]x", false, std::nullopt},
      {"a rule alone opens nothing", u"[hr]", false, std::nullopt},
      {"a picture", u"[img]http://a.b/c.png[/img]", true, std::nullopt},
      {"XenForo's heading", u"[HEADING=2]x[/HEADING]", true, Format::Xenforo},
      {"XenForo's header cell", u"[TABLE][TR][TH]x[/TH][/TR][/TABLE]", true, Format::Xenforo},
      {"SMF's list type", u"[list type=decimal][li]x[/li][/list]", true, Format::Smf},
      {"phpBB's size in per cent", u"[size=150]x[/size]", true, Format::Phpbb},
      {"MyBB's size keyword", u"[size=x-large]x[/size]", true, Format::Mybb},
      {"MyBB's align", u"[align=center]x[/align]", true, Format::Mybb},
      {"a rule: MyBB and SMF alike", u"[b]x[/b]\n[hr]", true, std::nullopt},
      {"centre: three dialects alike", u"[center]x[/center]", true, std::nullopt},
      {"no BBCode", u"plain text", false, std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(looksLikeBbcode(c.text), c.bbcode) << c.name;
    EXPECT_EQ(dialectOf(c.text), c.dialect) << c.name;
  }
}

// The depth of what a model holds, from the root.
std::size_t depthOf(const post::Model& model) {
  std::size_t deepest = 0;
  std::vector<std::pair<const post::Block*, std::size_t>> todo;
  for (const post::Block& b : model.blocks) todo.push_back({&b, 1});
  while (!todo.empty()) {
    const auto [block, depth] = todo.back();
    todo.pop_back();
    deepest = std::max(deepest, depth);
    for (const post::Block& c : block->children) todo.push_back({&c, depth + 1});
  }
  return deepest;
}

TEST(PostReader, HostilePostsReadInBoundedTimeAndDepth) {
  const struct {
    const char* name;
    Format format;
    std::u16string text;
  } cases[] = {
      {"100,000 nested quotes", P,
       repeated(u"[quote]", 100000) + u"x" + repeated(u"[/quote]", 100000)},
      {"100,000 quotes never closed", X, repeated(u"[QUOTE]", 100000)},
      {"a megabyte of [b]", P, repeated(u"[b]", 350000)},
      {"[b] opened and closed 170,000 deep", S,
       repeated(u"[b]", 170000) + repeated(u"[/b]", 170000)},
      {"100,000 nested lists", V, repeated(u"[LIST][*]", 100000) + repeated(u"[/LIST]", 100000)},
      {"code blocks never closed", P, repeated(u"[code]x", 100000)},
      {"100,000 nested tables", X,
       repeated(u"[TABLE][TR][TD]", 30000) + repeated(u"[/TD][/TR][/TABLE]", 30000)},
      {"100,000 nested Markdown quotes", MD, repeated(u">", 100000) + u" x"},
      {"100,000 nested Markdown lists", MD, repeated(u"- ", 100000) + u"x"},
      {"100,000 Markdown items", MD, repeated(u"1. x\n", 100000)},
  };
  for (const auto& c : cases) {
    const auto start = std::chrono::steady_clock::now();
    const post::Model model = readPost(c.text, c.format);
    const Post post = writePost(model, c.format);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10)) << c.name;
    EXPECT_LE(depthOf(model), 40u) << c.name;
    // Written again in linear size: a flattened item costs its indentation, 9 levels of it.
    EXPECT_LT(post.text.size(), 10 * c.text.size() + 100) << c.name;
  }
}

}  // namespace
}  // namespace quillmark
