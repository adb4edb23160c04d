// Posts read back into the post model: what each format writes reads back to a model that
// writes the same post; each dialect's own forms, as its users type them; Markdown through
// cmark-gfm's structures; which text is BBCode and of which dialect; and hostile posts read
// in bounded time.
#include <gtest/gtest.h>

#include <chrono>
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
  s.size = size;
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
};

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
       }},
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
       }},
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
       }},
      {"sizes 1 to 7",
       [](Builder& b) {
         b.paragraph();
         b.text(u"The normal text is the longest run of all of these, by far", kPlain);
         for (int size = 1; size <= 7; ++size) {
           b.text(u" s" + std::u16string(1, static_cast<char16_t>(u'0' + size)), sized(size));
         }
       }},
      {"alignment",
       [](Builder& b) {
         b.paragraph(Align::Centre);
         b.text(u"Centred", kPlain);
         b.paragraph(Align::Right);
         b.text(u"Right", kPlain);
         b.paragraph();
         b.text(u"Left", kPlain);
       }},
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
       }},
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
         b.item(1, Numbering::LowerRoman);
         b.text(u"lower roman", kPlain);
         b.paragraph();
         b.item(1, Numbering::UpperRoman);
         b.text(u"Upper roman", kPlain);
       }},
      {"start numbers",
       [](Builder& b) {
         b.item(1, Numbering::Decimal, 3);
         b.text(u"Third", kPlain);
         b.item(1, Numbering::Decimal, 3);
         b.text(u"Fourth", kPlain);
       }},
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
       }},
      {"code with markup inside",
       [](Builder& b) {
         b.paragraph();
         b.text(u"Before", kPlain);
         b.code();
         b.text(u"[b]not bold[/b] *x* _y_\n  # | \\ < &\n\n", kPlain);
         b.paragraph();
         b.text(u"After", kPlain);
       }},
      {"rules and pictures",
       [](Builder& b) {
         b.paragraph();
         b.text(u"Above", kPlain);
         b.rule();
         b.paragraph();
         b.picture(u"https://example.org/a.png", u"", kPlain);
         b.text(u" and ", kPlain);
         b.picture(u"https://example.org/c.png", u"", linked(u"https://example.org/"));
       }},
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
       }},
      {"text like markup",
       [](Builder& b) {
         b.paragraph();
         b.text(u"a [ b ] c * d _ e # f | g \\ h < i & j\tk", kPlain);
         b.paragraph();
         b.text(u"1. not a list", kPlain);
         b.paragraph();
         b.text(u"- nor this [x]", kPlain);
       }},
  };
  return cases;
}

const Format kReadFormats[] = {Format::Phpbb, Format::Xenforo,   Format::Mybb,   Format::Smf,
                               Format::Vbulletin, Format::Bbcode};

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
    }
  }
}

}  // namespace
}  // namespace quillmark
