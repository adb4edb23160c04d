// The fragment's font and link tags and its references, read by the one reader that the run
// model and the check of the fragment share: what each reads, and that the two agree where
// they once parsed by different rules.
#include <gtest/gtest.h>

#include <string>

#include "FormatsSupport.h"
#include "FragmentTags.h"
#include "RunModel.h"
#include "quillmark/formats.h"
#include "quillmark/html.h"

namespace quillmark {
namespace {

using testing::utf8;

// What the run model made of a fragment's first run: its face, colour and size, or "text"
// when the tag was read as the writer's text.
std::string fontOfFirstRun(std::u16string_view web) {
  const formats::Document doc = formats::readFragment(web);
  if (doc.runs.empty()) return "no run";
  const formats::Run& run = doc.runs.front();
  if (run.font == formats::kNone) return "text: " + utf8(doc.runText(run));
  const formats::FontAttrs& font = doc.fonts[static_cast<std::size_t>(run.font)];
  return "face " + utf8(font.face) + ", colour " + utf8(font.color) + ", size " +
         std::to_string(font.size);
}

TEST(FragmentTags, RunModelAndCheckReadFontTagsAlike) {
  const std::u16string longFace(html::kMaxFaceLength, u'f');
  const struct {
    const char* name;
    std::u16string web;
    std::string font;                    // the first run's font in the run model
    std::optional<std::string> verdict;  // checkFragment on the fragment's own text
  } cases[] = {
      {"every attribute", u"<font face=\"Arial\" color=\"#FF0000\" size=4>x</font>",
       "face Arial, colour #FF0000, size 4", std::nullopt},
      {"no attribute", u"<font>x</font>", "face , colour , size 0", std::nullopt},
      // The rows where the two readers differed: a font name holding '<' or a line end was a
      // font to the run model and text to the check; five digits of size the reverse.
      {"a face holding '<'", u"<font face=\"A<B>C\">x</font>", "face A<B>C, colour , size 0",
       std::nullopt},
      {"a face holding a line end", u"<font face=\"Li\r\nne\">x</font>",
       "face Li\r\nne, colour , size 0", std::nullopt},
      {"five digits of size", u"<font size=00005>x</font>", "face , colour , size 5", std::nullopt},
      {"a size past 8 is 8", u"<font size=99999999999>x</font>", "face , colour , size 8",
       std::nullopt},
      {"the longest face", u"<font face=\"" + longFace + u"\">x</font>",
       "face " + utf8(longFace) + ", colour , size 0", std::nullopt},
      // Not font tags: their text is the writer's, and the closing tag closes nothing.
      {"a face past the longest", u"<font face=\"" + longFace + u"f\">x</font>",
       "text: <font face=\"" + utf8(longFace) + "f\">x", "</font> closes nothing"},
      {"a quote ends the face", u"<font face=\"A\"B\">x</font>", "text: <font face=\"A\"B\">x",
       "</font> closes nothing"},
      {"attributes out of order", u"<font color=\"#FF0000\" face=\"A\">x</font>",
       "text: <font color=\"#FF0000\" face=\"A\">x", "</font> closes nothing"},
      {"a size without digits", u"<font size=>x</font>", "text: <font size=>x",
       "</font> closes nothing"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(fontOfFirstRun(c.web), c.font) << c.name;
    const formats::Document doc = formats::readFragment(c.web);
    EXPECT_EQ(checkFragment(c.web, doc.text), c.verdict) << c.name;
  }
}

TEST(FragmentTags, LinkAddresses) {
  const std::u16string longAddress(html::kMaxAddressLength, u'a');
  const struct {
    const char* name;
    std::u16string web;
    std::optional<std::u16string> address;  // std::nullopt: no link, the tag is text
  } cases[] = {
      {"escaped", u"<a href=\"http://e.org/?a=1&amp;b=&quot;2&quot;\">l</a>",
       u"http://e.org/?a=1&b=\"2\""},
      {"holding '<'", u"<a href=\"http://e.org/<x>\">l</a>", u"http://e.org/<x>"},
      // In an attribute a reference without its semicolon is read only where no letter,
      // digit or '=' follows.
      {"no semicolon before a letter", u"<a href=\"http://e.org/?a&ampb\">l</a>",
       u"http://e.org/?a&ampb"},
      {"no semicolon before '/'", u"<a href=\"http://e.org/&amp/\">l</a>", u"http://e.org/&/"},
      {"the longest address", u"<a href=\"" + longAddress + u"\">l</a>", longAddress},
      {"past the longest", u"<a href=\"" + longAddress + u"a\">l</a>", std::nullopt},
      {"no '>' after the quote", u"<a href=\"http://e.org/\" >l</a>", std::nullopt},
  };
  for (const auto& c : cases) {
    const formats::Document doc = formats::readFragment(c.web);
    if (c.address) {
      ASSERT_EQ(doc.links.size(), 1u) << c.name;
      EXPECT_EQ(doc.links[0], *c.address) << c.name;
      EXPECT_EQ(checkFragment(c.web, doc.text), std::nullopt) << c.name;
    } else {
      EXPECT_TRUE(doc.links.empty()) << c.name;
    }
  }
}

TEST(FragmentTags, ReferencesInText) {
  const std::u16string longName = u"&" + std::u16string(40, u'a') + u";";
  const struct {
    std::u16string web;
    std::u16string text;  // what a reader sees
  } cases[] = {
      {u"&amp; &lt; &gt; &quot; &apos;", u"& < > \" '"},
      {u"&eacute; &euro; &nbsp;", u"\u00E9 \u20AC \u00A0"},
      {u"&#65; &#x41; &#X41; &#x1F600;", u"A A A \U0001F600"},
      // The five a browser reads without the semicolon, also before letters.
      {u"&amp &lt3 &gt &quot &nbsp", u"& <3 > \" \u00A0"},
      {u"&ampx &ltb&gt", u"&x <b>"},
      {u"&amp x;", u"& x;"},
      // Not references: the '&' is the writer's.
      {u"R&D and Q&A, ", u"R&D and Q&A, "},
      {u"&eacute &#65 &#; &#0; &#xD800; &#x110000; &bogus;",
       u"&eacute &#65 &#; &#0; &#xD800; &#x110000; &bogus;"},
      {longName, longName},
      {u"&", u"&"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(utf8(formats::readFragment(c.web).text), utf8(c.text)) << utf8(c.web);
  }
}

}  // namespace
}  // namespace quillmark
