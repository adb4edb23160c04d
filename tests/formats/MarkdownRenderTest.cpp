// The Markdown posts read by a real CommonMark parser (cmark-gfm with its strike-through
// extension): every word of the fragment is in the rendered document, in order, and the bold,
// italic and strike-through text is exactly the fragment's.
#include <cmark-gfm-core-extensions.h>
#include <cmark-gfm.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>

#include "FormatsSupport.h"
#include "RunModel.h"
#include "Subsequence.h"
#include "post_generator.h"

namespace quillmark {
namespace {

using testing::isSubsequence;
using testing::utf8;
using testing::webFragment;

bool isSpace(char32_t c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == 0xA0; }

// Text with every blank, line end and no-break space taken out: what must match, letter for
// letter, whatever the spacing.
struct Texts {
  std::u32string all, bold, italic, strike;
};

void add(std::u32string& to, std::u32string_view s) {
  for (const char32_t c : s) {
    if (!isSpace(c)) to.push_back(c);
  }
}

std::u32string toUtf32(std::string_view utf8) {
  std::u32string out;
  for (std::size_t i = 0; i < utf8.size();) {
    const unsigned char c = static_cast<unsigned char>(utf8[i]);
    const int n = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    char32_t cp = n == 1 ? c : c & (0xFF >> (n + 1));
    for (int k = 1; k < n && i + k < utf8.size(); ++k) cp = (cp << 6) | (utf8[i + k] & 0x3F);
    out.push_back(cp);
    i += n;
  }
  return out;
}

Texts expected(const std::u16string& web) {
  const formats::Document doc = formats::readFragment(web);
  Texts t;
  for (const formats::Line& line : doc.lines) {
    for (std::uint32_t r = line.firstRun; r < line.endRun; ++r) {
      const formats::Run& run = doc.runs[r];
      const std::u32string s = toUtf32(encodeUtf8(doc.runText(run)));
      add(t.all, s);
      if (line.fixed) continue;  // a code block shows no formats
      if (run.flags & formats::kBold) add(t.bold, s);
      if (run.flags & formats::kItalic) add(t.italic, s);
      if (run.flags & formats::kStrike) add(t.strike, s);
    }
  }
  return t;
}

Texts rendered(const std::string& markdown) {
  cmark_gfm_core_extensions_ensure_registered();
  std::unique_ptr<cmark_parser, decltype(&cmark_parser_free)> parser(
      cmark_parser_new(CMARK_OPT_DEFAULT), cmark_parser_free);
  cmark_parser_attach_syntax_extension(parser.get(), cmark_find_syntax_extension("strikethrough"));
  cmark_parser_feed(parser.get(), markdown.data(), markdown.size());
  std::unique_ptr<cmark_node, decltype(&cmark_node_free)> doc(cmark_parser_finish(parser.get()),
                                                              cmark_node_free);
  Texts t;
  int bold = 0, italic = 0, strike = 0;
  cmark_iter* iter = cmark_iter_new(doc.get());
  for (cmark_event_type ev; (ev = cmark_iter_next(iter)) != CMARK_EVENT_DONE;) {
    cmark_node* node = cmark_iter_get_node(iter);
    const int delta = ev == CMARK_EVENT_ENTER ? 1 : ev == CMARK_EVENT_EXIT ? -1 : 0;
    const cmark_node_type type = cmark_node_get_type(node);
    if (type == CMARK_NODE_STRONG) bold += delta;
    if (type == CMARK_NODE_EMPH) italic += delta;
    if (std::strcmp(cmark_node_get_type_string(node), "strikethrough") == 0) strike += delta;
    if (ev != CMARK_EVENT_ENTER) continue;
    if (type == CMARK_NODE_TEXT || type == CMARK_NODE_CODE || type == CMARK_NODE_CODE_BLOCK ||
        type == CMARK_NODE_HTML_INLINE || type == CMARK_NODE_HTML_BLOCK) {
      const std::u32string s = toUtf32(cmark_node_get_literal(node));
      add(t.all, s);
      if (bold > 0) add(t.bold, s);
      if (italic > 0) add(t.italic, s);
      if (strike > 0) add(t.strike, s);
    }
  }
  cmark_iter_free(iter);
  return t;
}

std::string show(const std::u32string& s) {
  std::u16string u;
  for (const char32_t c : s) u.push_back(c < 0x10000 ? static_cast<char16_t>(c) : u'?');
  return encodeUtf8(u);
}

void expectRenderedAsWritten(const std::u16string& web, const std::string& name) {
  const Post post = convertPost(web, Format::Markdown);
  const std::string md = utf8(post.text);
  const Texts want = expected(web);
  const Texts got = rendered(md);
  EXPECT_EQ(show(got.all), show(want.all)) << name << "\n" << md;
  // A format the post reports dropped may show on less text, never on more.
  auto expectRun = [&](const std::u32string& g, const std::u32string& w, Element e) {
    const bool dropped = std::any_of(post.losses.begin(), post.losses.end(),
                                     [&](const Loss& l) { return l.element == e; });
    if (dropped) {
      EXPECT_TRUE(isSubsequence(g, w)) << name << " " << elementName(e) << "\n" << md;
    } else {
      EXPECT_EQ(show(g), show(w)) << name << " " << elementName(e) << "\n" << md;
    }
  };
  expectRun(got.bold, want.bold, Element::Bold);
  expectRun(got.italic, want.italic, Element::Italic);
  expectRun(got.strike, want.strike, Element::Strike);
}

TEST(MarkdownRender, SmallDocuments) {
  const std::pair<const char*, std::u16string> bodies[] = {
      {"emphasis", u"a \\b bold\\b0 , \\i it\\i0  and \\strike st\\strike0\\par"},
      {"nested", u"\\b one \\i two\\par three\\i0\\par four\\b0\\par"},
      {"adjacent", u"\\i a\\b b\\i0 c\\b0 d\\par"},
      {"blanks inside", u"x\\b  bold \\b0 y\\par"},
      {"punctuation at the edges",
       u"a\\b \"q\"\\b0 b, x \\i (y)\\i0 z, \\strike -s-\\strike0 t\\par"},
      {"punctuation inside a word", u"a\\b .\\b0 b\\par"},
      {"a symbol after punctuation, which cmark-gfm reads as a letter",
       u"a \\i \\ldblquote q\\rdblquote\\i0 \\u9917?b \\b x.\\b0\\'aey\\par"},
      {"escapes", u"3*4*5 C:\\\\path `x` a_b [y] <z> & &amp; ~q~ |t|\\par"},
      {"line starts", u"# one\\par 1. two\\par - three\\par + four\\par > five\\par ===\\par"},
      {"typed markup", u"**not bold** _no_ [a](b) <b>x</b>\\par"},
      {"indent", u"\\par     deep\\par\\tab tab\\par"},
      {"list", u"{\\pntext\\bullet}one\\par{\\pntext\\bullet}\\b two\\b0\\par\\pard z\\par"},
      {"fixed",
       u"\\{Begin Fixed\\}\\par\\f1 a\\tab b   ```c\\par  *x*  \\par\\f0\\{End Fixed\\}"
       u"\\par z\\par"},
      {"entities", u"caf\\'e9 \\'a9 5\\'96 0 \\'85 \\'99\\par"},
      {"breaks", u"one\\par two\\par\\par\\par three\\par"},
      {"a line of no-break spaces", u"one\\par\\'00\\'00\\par two\\par"},
  };
  for (const auto& [name, body] : bodies) expectRenderedAsWritten(webFragment(body), name);
}

TEST(MarkdownRender, Links) {
  expectRenderedAsWritten(u"see <a href=\"https://e.com/a(b)?c=1&amp;d=2\">the <b>page</b></a>.",
                          "link");
}

TEST(MarkdownRender, GeneratedPost) {
  const std::string bytes = bench::generatePost(64 << 10, 7);
  const std::u16string web =
      rewriteForWeb(Converter{}.convertRtfToHtml(decodeWindows1252(bytes), kWebOptions));
  expectRenderedAsWritten(web, "generated post");
}

}  // namespace
}  // namespace quillmark
