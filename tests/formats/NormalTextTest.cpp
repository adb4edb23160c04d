// The post's normal text: the face and size most of the writer's text has take the forum's
// own, so only text that differs is marked, and the loss report counts only what differs.
#include <gtest/gtest.h>

#include <string>

#include "Emit.h"
#include "FormatsSupport.h"
#include "RunModel.h"
#include "quillmark/formats.h"
#include "quillmark/post.h"

namespace quillmark {
namespace {

using testing::utf8;

// A run of `text` in a font with the given face (none when empty) and size (none when 0).
std::u16string font(std::u16string_view face, int size, std::u16string_view text) {
  std::u16string tag = u"<font";
  if (!face.empty()) tag += u" face=\"" + std::u16string(face) + u"\"";
  if (size > 0) tag += u" size=" + std::u16string(1, static_cast<char16_t>(u'0' + size));
  return tag + u">" + std::u16string(text) + u"</font>";
}

TEST(NormalText, IsWhatMostOfTheTextHas) {
  const struct {
    const char* name;
    std::u16string web;
    std::string face;  // the normal face; "" for the forum's own
    int size;
    std::string xenforo;  // the post, which shows faces and sizes
  } cases[] = {
      {"one face and size throughout",
       font(u"DejaVu Serif", 2, u"Match report") + u"<br>\r\n" + font(u"DejaVu Serif", 2, u"Won"),
       "DejaVu Serif", 2, "Match report\nWon"},
      {"a word in another face",
       font(u"DejaVu Serif", 3, u"kick-off at ") + font(u"DejaVu Sans Mono", 3, u"19:45"),
       "DejaVu Serif", 3, "kick-off at [FONT=DejaVu Sans Mono]19:45[/FONT]"},
      {"counted by characters, not runs",
       font(u"A", 2, u"x ") + font(u"B", 4, u"longer") + font(u"A", 2, u" y"), "B", 4,
       "[FONT=A][SIZE=1]x [/SIZE][/FONT]longer[FONT=A][SIZE=1] y[/SIZE][/FONT]"},
      {"blanks are not counted", font(u"A", 0, u"ab") + font(u"B", 0, u" \u00A0 c \u00A0 "), "A", 3,
       "ab[FONT=B] \u00A0 c[/FONT]"},
      {"a tie goes to the face met first", font(u"A", 0, u"aaaa") + font(u"B", 0, u"bbbb"), "A", 3,
       "aaaa[FONT=B]bbbb[/FONT]"},
      {"a tie goes to the forum's own face", font(u"A", 0, u"aaaa") + u"bbbb", "", 3,
       "[FONT=A]aaaa[/FONT]bbbb"},
      {"a tie goes to the forum's own size", font({}, 4, u"aaaa") + u"bbbb", "", 3,
       "[SIZE=4]aaaa[/SIZE]bbbb"},
      {"a tie of sizes goes to the one met first", font({}, 5, u"aaaa") + font({}, 2, u"bbbb"), "",
       5, "aaaa[SIZE=1]bbbb[/SIZE]"},
      // Text with no face takes the forum's face whatever the normal one is.
      {"text with no face", font(u"Serif", 2, u"most of it") + font({}, 2, u"rest"), "Serif", 2,
       "most of itrest"},
      // No size is the page's size 3, one step above a normal size 2.
      {"text with no size", font({}, 2, u"most of it") + u" rest", "", 2,
       "most of it[SIZE=4] rest[/SIZE]"},
      // Sizes keep their steps from the normal text, within the forum's 1 to 7.
      {"sizes keep their steps",
       font({}, 2, u"body text here") + font({}, 3, u"sub") + font({}, 1, u"fine") +
           font({}, 8, u"max"),
       "", 2, "body text here[SIZE=4]sub[/SIZE][SIZE=2]fine[/SIZE][SIZE=7]max[/SIZE]"},
      {"size 8 is counted as 7", font({}, 8, u"big") + font({}, 7, u"big") + font({}, 1, u"xxxx"),
       "", 7, "bigbig[SIZE=1]xxxx[/SIZE]"},
      // The code block shows neither: its text is not counted.
      {"the fixed block is not counted",
       font(u"A", 2, u"text") + u"<br>\r\n" + font(u"Courier", 1, u"<pre>a long table</pre>"), "A",
       2, "text\n[CODE]a long table[/CODE]"},
      {"an empty post", u"", "", 3, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const formats::Document doc = formats::readFragment(c.web);
    const post::Model model = formats::modelOfFragment(doc);
    const formats::NormalText normal = formats::normalTextOf(model);
    EXPECT_EQ(utf8(normal.face), c.face);
    EXPECT_EQ(normal.size, c.size);
    const Post post = convertPost(c.web, Format::Xenforo);
    EXPECT_EQ(utf8(post.text), c.xenforo);
    EXPECT_EQ(checkPost(c.web, post.text, Format::Xenforo), std::nullopt);
  }
}

}  // namespace
}  // namespace quillmark
