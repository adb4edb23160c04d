// The font tag, the link tag and character references of a fragment, read with bounded
// searches. Must not know anything of runs, lines or any output format.
#include "FragmentTags.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>

#include "quillmark/html.h"

namespace quillmark::formats {

using namespace std::string_view_literals;
namespace {

struct EntityRow {
  std::u16string_view name;
  char16_t ch;
};

// The entities the engine writes for "\'xx" escapes (its Windows-1252 table: the HTML 4
// Latin-1 set and the HTML 4 names of the code page's upper half), the five markup entities
// a writer or the link writer may use, and two common symbols.
constexpr EntityRow kEntityRows[] = {
    {u"nbsp", 0xA0},     {u"iexcl", 0xA1},    {u"cent", 0xA2},     {u"pound", 0xA3},
    {u"curren", 0xA4},   {u"yen", 0xA5},      {u"brvbar", 0xA6},   {u"sect", 0xA7},
    {u"uml", 0xA8},      {u"copy", 0xA9},     {u"ordf", 0xAA},     {u"laquo", 0xAB},
    {u"not", 0xAC},      {u"shy", 0xAD},      {u"reg", 0xAE},      {u"macr", 0xAF},
    {u"deg", 0xB0},      {u"plusmn", 0xB1},   {u"sup2", 0xB2},     {u"sup3", 0xB3},
    {u"acute", 0xB4},    {u"micro", 0xB5},    {u"para", 0xB6},     {u"middot", 0xB7},
    {u"cedil", 0xB8},    {u"sup1", 0xB9},     {u"ordm", 0xBA},     {u"raquo", 0xBB},
    {u"frac14", 0xBC},   {u"frac12", 0xBD},   {u"frac34", 0xBE},   {u"iquest", 0xBF},
    {u"Agrave", 0xC0},   {u"Aacute", 0xC1},   {u"Acirc", 0xC2},    {u"Atilde", 0xC3},
    {u"Auml", 0xC4},     {u"Aring", 0xC5},    {u"AElig", 0xC6},    {u"Ccedil", 0xC7},
    {u"Egrave", 0xC8},   {u"Eacute", 0xC9},   {u"Ecirc", 0xCA},    {u"Euml", 0xCB},
    {u"Igrave", 0xCC},   {u"Iacute", 0xCD},   {u"Icirc", 0xCE},    {u"Iuml", 0xCF},
    {u"ETH", 0xD0},      {u"Ntilde", 0xD1},   {u"Ograve", 0xD2},   {u"Oacute", 0xD3},
    {u"Ocirc", 0xD4},    {u"Otilde", 0xD5},   {u"Ouml", 0xD6},     {u"times", 0xD7},
    {u"Oslash", 0xD8},   {u"Ugrave", 0xD9},   {u"Uacute", 0xDA},   {u"Ucirc", 0xDB},
    {u"Uuml", 0xDC},     {u"Yacute", 0xDD},   {u"THORN", 0xDE},    {u"szlig", 0xDF},
    {u"agrave", 0xE0},   {u"aacute", 0xE1},   {u"acirc", 0xE2},    {u"atilde", 0xE3},
    {u"auml", 0xE4},     {u"aring", 0xE5},    {u"aelig", 0xE6},    {u"ccedil", 0xE7},
    {u"egrave", 0xE8},   {u"eacute", 0xE9},   {u"ecirc", 0xEA},    {u"euml", 0xEB},
    {u"igrave", 0xEC},   {u"iacute", 0xED},   {u"icirc", 0xEE},    {u"iuml", 0xEF},
    {u"eth", 0xF0},      {u"ntilde", 0xF1},   {u"ograve", 0xF2},   {u"oacute", 0xF3},
    {u"ocirc", 0xF4},    {u"otilde", 0xF5},   {u"ouml", 0xF6},     {u"divide", 0xF7},
    {u"oslash", 0xF8},   {u"ugrave", 0xF9},   {u"uacute", 0xFA},   {u"ucirc", 0xFB},
    {u"uuml", 0xFC},     {u"yacute", 0xFD},   {u"thorn", 0xFE},    {u"yuml", 0xFF},
    {u"euro", 0x20AC},   {u"sbquo", 0x201A},  {u"fnof", 0x0192},   {u"bdquo", 0x201E},
    {u"dagger", 0x2020}, {u"Dagger", 0x2021}, {u"circ", 0x02C6},   {u"permil", 0x2030},
    {u"lsaquo", 0x2039}, {u"OElig", 0x0152},  {u"lsquo", 0x2018},  {u"rsquo", 0x2019},
    {u"ldquo", 0x201C},  {u"rdquo", 0x201D},  {u"bull", 0x2022},   {u"ndash", 0x2013},
    {u"mdash", 0x2014},  {u"tilde", 0x02DC},  {u"rsaquo", 0x203A}, {u"oelig", 0x0153},
    {u"Yuml", 0x0178},   {u"hellip", 0x2026}, {u"trade", 0x2122},  {u"amp", u'&'},
    {u"lt", u'<'},       {u"gt", u'>'},       {u"quot", u'"'},     {u"apos", u'\''},
};

// The longest reference the reader looks for: an entity name is at most 32 characters.
constexpr std::size_t kMaxReference = 32;

// The references a browser reads in text without their semicolon.
constexpr std::array<EntityRow, 5> kWithoutSemicolon = {
    {{u"amp", u'&'}, {u"lt", u'<'}, {u"gt", u'>'}, {u"quot", u'"'}, {u"nbsp", 0xA0}}};

auto sortedEntities() {
  std::array<EntityRow, std::size(kEntityRows)> rows{};
  std::copy(std::begin(kEntityRows), std::end(kEntityRows), rows.begin());
  std::sort(rows.begin(), rows.end(),
            [](const EntityRow& a, const EntityRow& b) { return a.name < b.name; });
  return rows;
}

// Appends the UTF-16 of a code point; 0, surrogates and values past U+10FFFF give nothing
// (the caller then keeps the reference as text).
bool appendCodePoint(std::u16string& out, std::uint32_t cp) {
  if (cp == 0 || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) return false;
  if (cp < 0x10000) {
    out.push_back(static_cast<char16_t>(cp));
  } else {
    cp -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
  }
  return true;
}

int digitValue(char16_t c, bool hex) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (hex && c >= u'a' && c <= u'f') return c - u'a' + 10;
  if (hex && c >= u'A' && c <= u'F') return c - u'A' + 10;
  return -1;
}

// "#65" or "#x41", the name of a numeric reference.
bool appendNumeric(std::u16string_view name, std::u16string& out) {
  const bool hex = name.size() > 1 && (name[1] == u'x' || name[1] == u'X');
  const std::size_t first = hex ? 2 : 1;
  if (first >= name.size()) return false;
  std::uint32_t cp = 0;
  for (const char16_t c : name.substr(first)) {
    const int d = digitValue(c, hex);
    if (d < 0) return false;
    cp = cp * (hex ? 16 : 10) + static_cast<std::uint32_t>(d);
    if (cp > 0x10FFFF) return false;
  }
  return appendCodePoint(out, cp);
}

bool isAsciiAlnum(char16_t c) {
  return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// One of the five references read without a semicolon, after the '&' at the start of `rest`;
// its length with the '&', or 0.
std::size_t readWithoutSemicolon(std::u16string_view rest, std::u16string& out, ReferenceIn where) {
  for (const EntityRow& row : kWithoutSemicolon) {
    if (!rest.substr(1).starts_with(row.name)) continue;
    const std::size_t length = 1 + row.name.size();
    if (where == ReferenceIn::Attribute && length < rest.size() &&
        (isAsciiAlnum(rest[length]) || rest[length] == u'=')) {
      return 0;
    }
    out.push_back(row.ch);
    return length;
  }
  return 0;
}

// A quoted value from `from` to its closing quote, at most `longest` units; npos without one.
std::size_t quoteEnd(std::u16string_view text, std::size_t from, std::size_t longest) {
  return text.substr(0, std::min(text.size(), from + longest + 1)).find(u'"', from);
}

}  // namespace

std::optional<FontTag> readFontTag(std::u16string_view text) {
  if (!html::startsWith(text, html::tagsOf(html::Element::Font).open)) return std::nullopt;
  FontTag tag;
  std::size_t at = html::tagsOf(html::Element::Font).open.size();
  for (const auto& [key, value] :
       {std::pair{html::kFaceAttribute, &tag.face}, std::pair{html::kColorAttribute, &tag.color}}) {
    if (!html::startsWith(text.substr(at), key)) continue;
    const std::size_t start = at + key.size();
    const std::size_t end = quoteEnd(text, start, html::kMaxFaceLength);
    if (end == std::u16string_view::npos) return std::nullopt;
    *value = text.substr(start, end - start);
    at = end + 1;
  }
  if (html::startsWith(text.substr(at), html::kSizeAttribute)) {
    const std::size_t digits = at + html::kSizeAttribute.size();
    int size = 0;
    for (at = digits; at < text.size() && text[at] >= u'0' && text[at] <= u'9'; ++at) {
      size = std::min(size * 10 + (text[at] - u'0'), 8);
    }
    if (at == digits) return std::nullopt;
    tag.size = std::max(size, 1);
  }
  if (at >= text.size() || text[at] != u'>') return std::nullopt;
  tag.length = at + 1;
  return tag;
}

std::optional<LinkTag> readLinkTag(std::u16string_view text) {
  const std::string_view open = html::tagsOf(html::Element::Link).open;
  if (!html::startsWith(text, open)) return std::nullopt;
  const std::size_t end = quoteEnd(text, open.size(), html::kMaxAddressLength);
  if (end == std::u16string_view::npos || end + 1 >= text.size() || text[end + 1] != u'>') {
    return std::nullopt;
  }
  return LinkTag{text.substr(open.size(), end - open.size()), end + 2};
}

std::size_t readReference(std::u16string_view text, std::size_t at, std::u16string& out,
                          ReferenceIn where) {
  const std::u16string_view rest = text.substr(at, kMaxReference + 2);
  const std::size_t semicolon = rest.find(u';', 1);
  if (semicolon != std::u16string_view::npos && semicolon > 1) {
    const std::u16string_view name = rest.substr(1, semicolon - 1);
    if (name[0] == u'#') {
      if (appendNumeric(name, out)) return semicolon + 1;
    } else if (const char16_t ch = entityChar(name)) {
      out.push_back(ch);
      return semicolon + 1;
    }
  }
  return readWithoutSemicolon(rest, out, where);
}

std::u16string decodeReferences(std::u16string_view value) {
  std::u16string out;
  for (std::size_t at = 0; at < value.size();) {
    if (value[at] == u'&') {
      if (const std::size_t n = readReference(value, at, out, ReferenceIn::Attribute)) {
        at += n;
        continue;
      }
    }
    out.push_back(value[at++]);
  }
  return out;
}

char16_t entityChar(std::u16string_view name) {
  static const auto rows = sortedEntities();
  const auto it =
      std::lower_bound(rows.begin(), rows.end(), name,
                       [](const EntityRow& r, std::u16string_view n) { return r.name < n; });
  return (it != rows.end() && it->name == name) ? it->ch : char16_t{0};
}

}  // namespace quillmark::formats
