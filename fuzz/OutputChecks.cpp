#include "OutputChecks.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "Engine.h"
#include "quillmark/convert.h"
#include "quillmark/html.h"

namespace quillmark::fuzz {
namespace {

using namespace std::string_view_literals;

// Enough of a document or an output to see the fault; the input file has the rest.
std::string shown(std::u16string_view text) {
  constexpr std::size_t kShown = 2000;
  std::string bytes = encodeUtf8(text.substr(0, kShown));
  if (text.size() > kShown) bytes += "...";
  return bytes;
}

bool contains(std::u16string_view text, std::u16string_view part) {
  return text.find(part) != std::u16string_view::npos;
}

// ----------------------------------------------------------------------------------------
// The tag vocabulary (quillmark/html.h). The exact bytes of each tag are pinned by the case
// files and the golden files; here every tag of the output must be one of the vocabulary's.

using html::Element;

enum class Role { Open, Close, Break };

// A tag of fixed text: "<br>", an opening tag without attributes (the alignment's two
// included) or a closing tag. `element` means nothing for the break.
struct FixedTag {
  std::string_view text;
  Element element;
  Role role;
};

const std::vector<FixedTag>& fixedTags() {
  static const std::vector<FixedTag> tags = [] {
    std::vector<FixedTag> all = {{html::kBreak, Element::Bold, Role::Break},
                                 {html::kCentreTag, Element::Align, Role::Open},
                                 {html::kRightTag, Element::Align, Role::Open}};
    for (std::size_t e = 0; e < html::kElementCount; ++e) {
      const auto element = static_cast<Element>(e);
      if (!html::tagsOf(element).attributes) {
        all.push_back({html::fixedOpeningTag(element), element, Role::Open});
      }
      all.push_back({html::closingTag(element), element, Role::Close});
    }
    return all;
  }();
  return tags;
}

const FixedTag* fixedTagAt(std::u16string_view text) {
  for (const FixedTag& tag : fixedTags()) {
    if (html::startsWith(text, tag.text)) return &tag;
  }
  return nullptr;
}

bool strictNesting() {
  static const bool strict = [] {
    const char* value = std::getenv("QUILLMARK_FUZZ_STRICT_NESTING");
    return value != nullptr && std::string_view(value) == "1";
  }();
  return strict;
}

bool isUpperHex(char16_t c) { return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F'); }

// Checks one "<a href=...>" tag, '>' included: written only with "+A", a quoted address with
// an http, https, ftp or mailto scheme, '&', '<', '>' and '"' in it only as entities.
void checkLinkTag(std::u16string_view tag, const MarkupRules& rules, std::u16string_view rtf,
                  std::u16string_view html) {
  if (!rules.links) fail("a link without \"+A\"", rtf, html);
  constexpr std::string_view kStart = html::tagsOf(html::Element::Link).open;
  if (!html::startsWith(tag, kStart) || !tag.ends_with(u"\">"sv) ||
      tag.size() < kStart.size() + 2) {
    fail("a malformed link tag", rtf, html);
  }
  const std::u16string_view address = tag.substr(kStart.size(), tag.size() - kStart.size() - 2);
  std::string scheme;
  for (const char16_t c : address.substr(0, address.find(u':'))) {
    scheme += static_cast<char>(c >= u'A' && c <= u'Z' ? c + 32 : c & 0x7F);
  }
  if (address.find(u':') == std::u16string_view::npos ||
      (scheme != "http" && scheme != "https" && scheme != "ftp" && scheme != "mailto")) {
    fail("a link to a refused address", rtf, html);
  }
  for (std::size_t i = 0; i < address.size(); ++i) {
    if (address[i] == u'"' || address[i] == u'<' || address[i] == u'>') {
      fail("an unescaped character in a link address", rtf, html);
    }
    if (address[i] != u'&') continue;
    const std::u16string_view rest = address.substr(i);
    if (!rest.starts_with(u"&amp;"sv) && !rest.starts_with(u"&lt;"sv) &&
        !rest.starts_with(u"&gt;"sv) && !rest.starts_with(u"&quot;"sv)) {
      fail("an unescaped '&' in a link address", rtf, html);
    }
  }
}

// Checks one "<font ...>" tag, '>' included. Attributes are read from the end, since a face
// name may hold quotes and blanks but the colour and size have fixed shapes.
void checkFontTag(std::u16string_view tag, const MarkupRules& rules, std::u16string_view rtf,
                  std::u16string_view html) {
  const auto bad = [&](const char* what) {
    fail(std::string("font tag ") + encodeUtf8(tag) + ": " + what, rtf, html);
  };
  std::u16string_view attributes = tag.substr(5, tag.size() - 6);  // between "<font" and ">"
  if (attributes.empty()) bad("no attribute");

  if (const std::size_t at = attributes.rfind(u" size="sv);
      at != std::u16string_view::npos && at + 7 == attributes.size()) {
    const char16_t size = attributes.back();
    if (size < u'1' || size > u'8') bad("size outside 1 to 8");
    if (rules.baseSize && *rules.baseSize == size - u'0') bad("size attribute for the base size");
    attributes = attributes.substr(0, at);
  }
  if (attributes.ends_with(u'"')) {
    const std::size_t at = attributes.rfind(u" color=\"#"sv);
    if (at != std::u16string_view::npos) {
      const std::u16string_view hex = attributes.substr(at + 9, attributes.size() - at - 10);
      if (std::all_of(hex.begin(), hex.end(), isUpperHex) && !contains(hex, u"\""sv)) {
        if (hex.size() < 6 || hex.size() > 9) bad("colour not of six to nine digits");
        attributes = attributes.substr(0, at);
      }
    }
  }
  if (attributes.empty()) return;
  if (!attributes.starts_with(u" face=\""sv) || !attributes.ends_with(u'"') ||
      attributes.size() < 9) {
    bad("not made of face, colour and size");
  }
  if (rules.noFaces) bad("a face although faces are off");
  const std::u16string_view face = attributes.substr(7, attributes.size() - 8);
  if (contains(face, u";"sv)) bad("a face name holding ';'");
  if (face.size() > kMaxFontNameLength) bad("a face name over the length limit");
}

bool onlyClosingTags(std::u16string_view text) {
  while (!text.empty()) {
    const FixedTag* fixed = fixedTagAt(text);
    if (fixed == nullptr || fixed->role != Role::Close) return false;
    text.remove_prefix(fixed->text.size());
  }
  return true;
}

// Every entity the converter writes: the rows of its escape table, which include "&nbsp;".
const std::vector<std::u16string>& knownEntities() {
  static const std::vector<std::u16string> entities = [] {
    std::vector<std::u16string> found;
    constexpr char kHex[] = "0123456789abcdef";
    for (int code = 0; code < 256; ++code) {
      const char hex[2] = {kHex[code / 16], kHex[code % 16]};
      const std::string_view text = entityForHex({hex, 2});
      if (text.starts_with('&')) found.push_back(fromEngineText(text));
    }
    return found;
  }();
  return entities;
}

std::u16string_view trimEnds(std::u16string_view text) {
  const auto isEnd = [](char16_t c) { return c == u' ' || c == u'\r' || c == u'\n'; };
  while (!text.empty() && isEnd(text.front())) text.remove_prefix(1);
  while (!text.empty() && isEnd(text.back())) text.remove_suffix(1);
  return text;
}

std::u16string replaced(std::u16string_view text, std::u16string_view search,
                        std::u16string_view replacement) {
  std::u16string out;
  std::size_t from = 0;
  for (std::size_t at = text.find(search); at != std::u16string_view::npos;
       at = text.find(search, from)) {
    out.append(text.substr(from, at - from)).append(replacement);
    from = at + search.size();
  }
  return out.append(text.substr(from));
}

}  // namespace

void fail(std::string_view what, std::u16string_view rtf, std::u16string_view html) {
  // Written whole, NUL characters included.
  const std::string report = "\n*** fuzz property broken: " + std::string(what) +
                             "\n--- document:\n" + shown(rtf) + "\n--- output:\n" + shown(html) +
                             "\n";
  std::fwrite(report.data(), 1, report.size(), stderr);
  std::abort();
}

FakeMarkup fakeMarkup(std::u16string_view rtf) {
  // The converter's own first steps (Converter.cpp), with its own functions: keep in step.
  // The engine works on 8-bit text (Engine.h); the cuts are made there and read back.
  const std::string rtf8 = toEngineText(rtf);
  std::string_view trimmed = trimLineEnds(rtf8);
  if (trimmed.size() >= 2 && trimmed.front() == '{' && trimmed.back() == '}') {
    trimmed = trimmed.substr(1, trimmed.size() - 2);
  }
  std::string text8(trimmed);
  for (const std::string_view word : {"\\colortbl"sv, "\\fonttbl"sv, "\\stylesheet"sv, "\\info"sv,
                                      "\\listtable"sv, "\\listoverridetable"sv}) {
    if (const std::size_t at = text8.find(word); at != std::string::npos) {
      const GroupRange group = findGroup(text8, at);
      text8.erase(group.begin, group.end - group.begin);
    }
  }
  const std::u16string text = fromEngineText(text8);

  // Every "\u", whether or not it starts a token, with its sign and digits; a value that
  // leading zeros aside reads "60" or "-65476" gives '<', "38" or "-65498" gives '&'.
  FakeMarkup fake;
  for (std::size_t at = text.find(u"\\u"sv); at != std::u16string::npos;
       at = text.find(u"\\u"sv, at + 1)) {
    std::size_t i = at + 2;
    const bool negative = i < text.size() && text[i] == u'-';
    if (negative) ++i;
    while (i < text.size() && text[i] == u'0') ++i;
    std::size_t end = i;
    while (end < text.size() && isDigit(text[end])) ++end;
    const std::u16string_view digits = std::u16string_view(text).substr(i, end - i);
    fake.tags |= digits == (negative ? u"65476"sv : u"60"sv);
    fake.entities |= digits == (negative ? u"65498"sv : u"38"sv);
  }
  return fake;
}

namespace {

// Walks one output for checkMarkup, tag by tag, keeping the elements open.
class MarkupWalk {
 public:
  MarkupWalk(std::u16string_view html, const MarkupRules& rules, std::u16string_view rtf)
      : html_(html), rules_(rules), rtf_(rtf) {}

  void run() {
    while (at_ < html_.size()) {
      const char16_t c = html_[at_];
      if (rules_.tags && c == u'<') {
        tag();
      } else if (rules_.entities && c == u'&') {
        entity();
      } else {
        ++textUnits_;
        ++at_;
      }
    }
    if (rules_.tags && !open_.empty()) {
      fail(std::string(html::name(open_.back().element)) + " still open at the end", rtf_, html_);
    }
  }

 private:
  struct OpenElement {
    Element element;
    std::size_t textBefore;  // text units written before its opening tag
  };

  void tag() {
    const std::u16string_view rest = html_.substr(at_);
    if (rest.starts_with(u"<font "sv)) return attributeTag(Element::Font, checkFontTag);
    if (rest.starts_with(u"<a "sv)) return attributeTag(Element::Link, checkLinkTag);
    const FixedTag* fixed = fixedTagAt(rest);
    if (fixed == nullptr) {
      fail("a tag outside the vocabulary at offset " + std::to_string(at_), rtf_, html_);
    }
    at_ += fixed->text.size();
    checkLineEndAfter(*fixed);
    if (fixed->role == Role::Open) {
      open_.push_back({fixed->element, textUnits_});
    } else if (fixed->role == Role::Close) {
      close(fixed->element);
    }
  }

  // A font or link tag, up to its first '>', checked by `check`.
  void attributeTag(Element element, void (*check)(std::u16string_view, const MarkupRules&,
                                                   std::u16string_view, std::u16string_view)) {
    const std::size_t end = html_.find(u'>', at_);
    if (end == std::u16string_view::npos) {
      fail(std::string("a ") + html::name(element) + " tag that never ends", rtf_, html_);
    }
    check(html_.substr(at_, end + 1 - at_), rules_, rtf_, html_);
    open_.push_back({element, textUnits_});
    at_ = end + 1;
  }

  // With "+CR", a CR-LF after every break and every "</li>" but those among the closing
  // tags that end the output.
  void checkLineEndAfter(const FixedTag& fixed) const {
    const bool breaks = fixed.role == Role::Break ||
                        (fixed.role == Role::Close && fixed.element == Element::ListItem);
    if (!rules_.lineBreaks || !breaks) return;
    const std::u16string_view after = html_.substr(at_);
    if (after.starts_with(u"\r\n"sv)) return;
    if (fixed.role == Role::Close && onlyClosingTags(after)) return;
    fail(std::string(fixed.text) + " with no CR-LF after it at offset " + std::to_string(at_), rtf_,
         html_);
  }

  // The innermost open element of the kind; with proper nesting, the innermost of all.
  void close(Element element) {
    const std::string name = html::name(element);
    const auto match = std::find_if(open_.rbegin(), open_.rend(),
                                    [&](const OpenElement& e) { return e.element == element; });
    if (match == open_.rend()) fail("the end of a " + name + " with none open", rtf_, html_);
    if (strictNesting() && match != open_.rbegin()) {
      fail("the end of a " + name + " while a " + html::name(open_.back().element) +
               " inside it is open",
           rtf_, html_);
    }
    if (match->textBefore == textUnits_) fail("an empty " + name + " element", rtf_, html_);
    open_.erase(std::next(match).base());
  }

  void entity() {
    const std::u16string_view rest = html_.substr(at_);
    const auto& entities = knownEntities();
    const auto known = std::find_if(entities.begin(), entities.end(),
                                    [&](std::u16string_view e) { return rest.starts_with(e); });
    if (known == entities.end()) {
      fail("an '&' that starts no entity of the table at offset " + std::to_string(at_), rtf_,
           html_);
    }
    at_ += known->size();
    ++textUnits_;
  }

  std::u16string_view html_;
  const MarkupRules& rules_;
  std::u16string_view rtf_;
  std::vector<OpenElement> open_;
  std::size_t at_ = 0;         // where the walk is in html_
  std::size_t textUnits_ = 0;  // text units read so far, an entity counting as one
};

}  // namespace

void checkMarkup(std::u16string_view html, const MarkupRules& rules, std::u16string_view rtf) {
  MarkupWalk(html, rules, rtf).run();
}

void checkPlainLinesKept(std::u16string_view rtf, std::u16string_view html,
                         bool firstTokenSkipped) {
  for (const std::u16string_view word :
       {u"\\colortbl"sv, u"\\fonttbl"sv, u"\\stylesheet"sv, u"\\info"sv, u"\\listtable"sv,
        u"\\listoverridetable"sv, u"\\pict"sv, u"\\*"sv, u"\\pntext"sv, u"\\pntxta"sv,
        u"\\pntxtb"sv}) {
    if (contains(rtf, word)) return;
  }

  bool skipNext = firstTokenSkipped;
  std::size_t from = 0;
  for (std::size_t begin = 0; begin <= rtf.size();) {
    std::size_t end = rtf.find(u"\r\n"sv, begin);
    if (end == std::u16string_view::npos) end = rtf.size();
    const std::u16string_view line = trimEnds(rtf.substr(begin, end - begin));
    begin = end + 2;
    if (line.empty()) continue;
    const bool plain = line.find_first_of(u"\\{}"sv) == std::u16string_view::npos;
    if (std::exchange(skipNext, false) || !plain) continue;
    const std::size_t at = html.find(line, from);
    if (at == std::u16string_view::npos) {
      fail("the plain line \"" + shown(line) + "\" is missing from the output", rtf, html);
    }
    from = at + line.size();
  }
}

void checkConversion(std::u16string_view rtf, std::u16string_view html, MarkupRules rules,
                     bool firstTokenSkipped) {
  const FakeMarkup fake = fakeMarkup(rtf);
  rules.tags = !fake.tags;
  rules.entities = !fake.entities;
  checkMarkup(html, rules, rtf);
  checkPlainLinesKept(rtf, html, firstTokenSkipped);
}

void checkWebRewrite(std::u16string_view html) {
  std::u16string expected(html);
  expected = replaced(expected, u" face=\"MS Sans Serif\""sv, u""sv);
  expected = replaced(expected, u" face=\"Courier\""sv, u""sv);
  expected = replaced(expected, u"{Begin Fixed}"sv, u"<pre>"sv);
  expected = replaced(expected, u"{End Fixed}"sv, u"</pre>"sv);
  // Then, block by block from a "<pre>" to the next "</pre>", the breaks inside become line
  // ends: "<br>" with its CR-LF gives the CR-LF, any other "<br>" gives one.
  std::u16string corrected;
  std::size_t from = 0;
  for (;;) {
    const std::size_t pre = expected.find(u"<pre>"sv, from);
    const std::size_t end = pre == std::u16string::npos ? pre : expected.find(u"</pre>"sv, pre + 5);
    if (end == std::u16string::npos) break;
    corrected += std::u16string_view(expected).substr(from, pre + 5 - from);
    const std::u16string block = expected.substr(pre + 5, end - pre - 5);
    corrected += replaced(replaced(block, u"<br>\r\n"sv, u"\r\n"sv), u"<br>"sv, u"\r\n"sv);
    from = end;
  }
  corrected += std::u16string_view(expected).substr(from);
  const std::u16string got = rewriteForWeb(std::u16string(html));
  if (got != corrected) fail("rewriteForWeb differs from plain replacements", html, got);
}

void checkUtf8(std::u16string_view text) {
  std::string expected;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = 0xFFFD;
    }
    const auto put = [&](unsigned byte) { expected.push_back(static_cast<char>(byte)); };
    if (c < 0x80) {
      put(c);
    } else if (c < 0x800) {
      put(0xC0 | (c >> 6));
      put(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      put(0xE0 | (c >> 12));
      put(0x80 | ((c >> 6) & 0x3F));
      put(0x80 | (c & 0x3F));
    } else {
      put(0xF0 | (c >> 18));
      put(0x80 | ((c >> 12) & 0x3F));
      put(0x80 | ((c >> 6) & 0x3F));
      put(0x80 | (c & 0x3F));
    }
  }
  if (encodeUtf8(text) != expected) fail("encodeUtf8 gives other bytes", text, u"");
}

void checkWindows1252(std::string_view bytes) {
  // Bytes 80 to 9F; the five the code page leaves out stand for themselves.
  constexpr char16_t kHigh[32] = {
      0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  //
      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  //
      0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
  };
  std::u16string expected;
  for (const char byte : bytes) {
    const auto b = static_cast<unsigned char>(byte);
    expected.push_back(b >= 0x80 && b < 0xA0 ? kHigh[b - 0x80] : static_cast<char16_t>(b));
  }
  const std::u16string got = decodeWindows1252(bytes);
  if (got != expected) fail("decodeWindows1252 gives other units", expected, got);
}

}  // namespace quillmark::fuzz
