// fuzz_bbcode_to_html: any text read as a post by the preview's reader (formats::bbcodeToHtml),
// in every BBCode dialect and as Markdown. Besides crashes and sanitizer reports it checks
// what the preview relies on: the reader ends (libFuzzer's timeout), its output is
// well-formed HTML (the reader's own tags, properly nested and all closed, attribute values
// quoted, text holding no '<' or '>' and no '&' but in the four escapes), and every word of
// the post's text is in the output's text, in order.
//
// The post's text is the post less every bracketed stretch ("[" to the next "]" with no "["
// or line end between them): each of the reader's tags is one, so what is left is text in
// every dialect; a stretch that is no tag is text too, and is simply not looked for.
//
// The input bytes are the post, read as Windows-1252 so that every byte string is one.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "quillmark/convert.h"
#include "quillmark/formats.h"

namespace {

using namespace quillmark;
using namespace std::string_view_literals;

[[noreturn]] void fail(std::string_view what, std::u16string_view post, Format format,
                       std::u16string_view html, std::size_t at) {
  const std::string report = "\n*** fuzz property broken: " + std::string(formatName(format)) +
                             ": " + std::string(what) + " at offset " + std::to_string(at) +
                             "\n--- post:\n" + encodeUtf8(post.substr(0, 2000)) + "\n--- html:\n" +
                             encodeUtf8(html.substr(0, 4000)) + "\n";
  std::fwrite(report.data(), 1, report.size(), stderr);
  std::abort();
}

// The tags the reader writes, each with the attributes it may carry; <br> and <hr> stand
// alone.
struct KnownTag {
  std::u16string_view name;
  std::vector<std::u16string_view> attributes;  // in the order written
};
const KnownTag kTags[] = {
    {u"b", {}},
    {u"i", {}},
    {u"u", {}},
    {u"s", {}},
    {u"sup", {}},
    {u"sub", {}},
    {u"ul", {}},
    {u"li", {}},
    {u"pre", {}},
    {u"br", {}},
    {u"a", {u"href"}},
    {u"div", {u"align"}},
    {u"font", {u"face", u"color", u"size"}},
    {u"ol", {u"type"}},
    {u"blockquote", {}},
    {u"h1", {}},
    {u"h2", {}},
    {u"h3", {}},
    {u"hr", {}},
    {u"span", {u"class", u"style"}},
    {u"table", {u"border", u"cellpadding", u"style"}},
    {u"tr", {}},
    {u"td", {}},
    {u"th", {}},
};

bool isLetter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9'); }

// Walks the HTML, checks its form, and gathers its text with the escapes read.
class HtmlWalk {
 public:
  HtmlWalk(std::u16string_view html, std::u16string_view post, Format format)
      : html_(html), post_(post), format_(format) {}

  std::u16string run() {
    while (at_ < html_.size()) {
      const char16_t c = html_[at_];
      if (c == u'<') {
        tag();
      } else if (c == u'&') {
        escape();
      } else if (c == u'>') {
        bad("a '>' in text");
      } else {
        text_.push_back(c);
        ++at_;
      }
    }
    if (!open_.empty()) bad("<" + encodeUtf8(open_.back()) + "> left open");
    return std::move(text_);
  }

 private:
  [[noreturn]] void bad(std::string_view what) const { fail(what, post_, format_, html_, at_); }

  void tag() {
    const bool closing = html_.substr(at_).starts_with(u"</");
    std::size_t end = at_ + (closing ? 2 : 1);
    while (end < html_.size() && isLetter(html_[end])) ++end;
    const std::u16string_view name =
        html_.substr(at_ + (closing ? 2 : 1), end - at_ - (closing ? 2 : 1));
    const KnownTag* known = nullptr;
    for (const KnownTag& t : kTags) {
      if (t.name == name) known = &t;
    }
    if (known == nullptr) bad("a tag the reader does not write");
    if (closing) {
      if (end >= html_.size() || html_[end] != u'>') bad("a malformed closing tag");
      if (open_.empty() || open_.back() != name) bad("a closing tag that closes no open element");
      open_.pop_back();
      at_ = end + 1;
      return;
    }
    at_ = attributes(*known, end);
    if (name != u"br" && name != u"hr") open_.push_back(name);
  }

  // The attributes from `from`, each at most once and in order, to the tag's '>'; returns
  // where the tag ends.
  std::size_t attributes(const KnownTag& tag, std::size_t from) const {
    std::size_t next = 0;  // the first attribute still allowed
    for (std::size_t p = from;;) {
      if (p >= html_.size()) bad("a tag that never ends");
      if (html_[p] == u'>') return p + 1;
      if (html_[p] != u' ') bad("a malformed tag");
      std::size_t eq = p + 1;
      while (eq < html_.size() && isLetter(html_[eq])) ++eq;
      const std::u16string_view name = html_.substr(p + 1, eq - p - 1);
      while (next < tag.attributes.size() && tag.attributes[next] != name) ++next;
      if (next == tag.attributes.size()) bad("an attribute out of place");
      ++next;
      if (eq >= html_.size() || html_[eq] != u'=') bad("an attribute without a value");
      p = eq + 1;
      if (name == u"size") {
        if (p >= html_.size() || html_[p] < u'1' || html_[p] > u'7') bad("a size not 1 to 7");
        ++p;
        continue;
      }
      if (p >= html_.size() || html_[p] != u'"') bad("an unquoted value");
      const std::size_t close = html_.find(u'"', p + 1);
      if (close == std::u16string_view::npos) bad("a value that never ends");
      if (html_.substr(p + 1, close - p - 1).find_first_of(u"<>") != std::u16string_view::npos) {
        bad("a value holding '<' or '>'");
      }
      p = close + 1;
    }
  }

  void escape() {
    const std::u16string_view rest = html_.substr(at_);
    for (const auto& [escaped, c] : {std::pair{u"&amp;"sv, u'&'}, std::pair{u"&lt;"sv, u'<'},
                                     std::pair{u"&gt;"sv, u'>'}, std::pair{u"&quot;"sv, u'"'}}) {
      if (!rest.starts_with(escaped)) continue;
      text_.push_back(c);
      at_ += escaped.size();
      return;
    }
    bad("an '&' that is no escape");
  }

  std::u16string_view html_, post_;
  Format format_;
  std::size_t at_ = 0;
  std::u16string text_;
  std::vector<std::u16string_view> open_;
};

bool isSpace(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }

// The words of the post's text: the post less its bracketed stretches, cut at blanks.
std::vector<std::u16string_view> wordsOf(std::u16string_view post, std::u16string& kept) {
  for (std::size_t p = 0; p < post.size();) {
    if (post[p] == u'[') {
      const std::size_t end = post.find_first_of(u"[]\n", p + 1);
      if (end != std::u16string_view::npos && post[end] == u']') {
        kept.push_back(u' ');
        p = end + 1;
        continue;
      }
    }
    kept.push_back(post[p++]);
  }
  std::vector<std::u16string_view> words;
  const std::u16string_view text = kept;
  for (std::size_t p = 0; p < text.size();) {
    while (p < text.size() && isSpace(text[p])) ++p;
    const std::size_t start = p;
    while (p < text.size() && !isSpace(text[p])) ++p;
    if (p > start) words.push_back(text.substr(start, p - start));
  }
  return words;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::u16string post =
      decodeWindows1252(std::string_view(reinterpret_cast<const char*>(data), size));
  std::u16string kept;
  const std::vector<std::u16string_view> words = wordsOf(post, kept);
  for (const FormatInfo& f : allFormats()) {
    if (f.format == Format::Html) continue;  // returned as it is
    const std::u16string html = bbcodeToHtml(post, f.format);
    const std::u16string text = HtmlWalk(html, post, f.format).run();
    std::size_t from = 0;
    for (const std::u16string_view word : words) {
      const std::size_t at = text.find(word, from);
      if (at == std::u16string::npos) {
        fail("the word \"" + encodeUtf8(word.substr(0, 80)) + "\" is missing", post, f.format, html,
             from);
      }
      from = at + word.size();
    }
  }
  return 0;
}
