// Reads a BBCode post back into the post model, by the dialect's own tags (Dialects.cpp) in
// any letter case. Two passes over the text, both linear:
//
// 1. The tags are found and paired. A closing tag pairs with the innermost open tag only
//    when that is of its kind; a tag left open, a closing tag with nothing of its kind
//    innermost, a tag the dialect does not know or one whose value it cannot read stay text,
//    exactly as typed. A row needs its table, a cell its row, an item its list; a code
//    block's, a picture's and a bare link's contents are literal up to their closing tag.
// 2. The paired tags and the text between them build the model, reading lines as the
//    emitter writes them: block tags open at the start of a line and close at its end, a
//    single line end inside a paragraph is a line break, one empty line between blocks is
//    space below the first, more are empty paragraphs. Quotes and lists deeper than the
//    model's limits are flattened into the innermost one kept.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <unordered_map>
#include <utility>
#include <vector>

#include "Cites.h"
#include "Emit.h"
#include "PostReaders.h"

namespace quillmark::formats {
namespace {

using post::Align;
using post::Block;
using post::BlockKind;
using post::Numbering;

char16_t lowered(char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c - u'A' + u'a') : c; }

bool equalNoCase(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (lowered(a[i]) != lowered(b[i])) return false;
  }
  return true;
}

bool equalNoCase(std::u16string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (lowered(a[i]) != lowered(static_cast<char16_t>(b[i]))) return false;
  }
  return true;
}

// A link's or a picture's address that a forum takes for none: no scheme ("word",
// "www.example.org", "/path"). A BBCode post links to web addresses alone.
bool isNoAddress(std::u16string_view address) {
  return post::addressKind(address) == post::AddressKind::Relative;
}

bool isBlankText(std::u16string_view s) {
  return std::all_of(s.begin(), s.end(), [](char16_t c) { return isSpaceLike(c); });
}

// What a recognised tag does.
enum class Tag : std::uint8_t {
  Bold,
  Italic,
  Underline,
  Strike,
  Super,
  Sub,
  Colour,
  Size,
  Face,
  Url,
  Centre,
  Right,
  Left,
  Justify,
  Align,
  Quote,
  List,
  Star,
  Li,
  Code,
  Img,
  Rule,
  Heading,
  Table,
  Row,
  Cell,
  HeaderCell,
  InlineCode,
  Email,
  Kept,  // a tag the forum knows and the model has not: kept as typed, a markup run
  Spoiler,
  InlineSpoiler,
};

bool isInline(Tag t) {
  return t <= Tag::Url || t == Tag::Img || t == Tag::InlineCode || t == Tag::Email ||
         t == Tag::InlineSpoiler;
}

// A mailbox's address as the forums take one: a name, "@", a domain, no blanks or markup.
bool isMailbox(std::u16string_view s) {
  const std::size_t at = s.find(u'@');
  return at != std::u16string_view::npos && at > 0 && at + 1 < s.size() &&
         std::none_of(s.begin(), s.end(), [](char16_t c) {
           return c <= u' ' || c == u'[' || c == u']' || c == u'"' || c == u'\'' || c == u'<' ||
                  c == u'>';
         });
}
bool isAlign(Tag t) { return t >= Tag::Centre && t <= Tag::Align; }

// The tag's name in a dialect's pattern: "[COLOR={}]" gives "color", "[*]" gives "*".
std::u16string nameOf(std::string_view pattern) {
  std::u16string name;
  for (std::size_t i = 1; i < pattern.size(); ++i) {
    const char c = pattern[i];
    if (c == '=' || c == ']' || c == ' ') break;
    name.push_back(lowered(static_cast<char16_t>(c)));
  }
  return name;
}

// The names the dialect reads, each with what it does.
struct Vocabulary {
  std::vector<std::pair<std::u16string, Tag>> names;
  bool smfLists = false;      // [list type=...] rather than [list=...]
  bool codeLanguage = false;  // [code=LANGUAGE]
  bool itemClose = false;     // [/*]
  bool listMarker = false;    // [list=disc]

  explicit Vocabulary(const Dialect& d) {
    const auto add = [&](std::string_view pattern, Tag tag) {
      if (!pattern.empty()) names.emplace_back(nameOf(pattern), tag);
    };
    constexpr std::array<std::pair<Element, Tag>, 14> kPlain = {{
        {Element::Bold, Tag::Bold},
        {Element::Italic, Tag::Italic},
        {Element::Underline, Tag::Underline},
        {Element::Strike, Tag::Strike},
        {Element::Superscript, Tag::Super},
        {Element::Subscript, Tag::Sub},
        {Element::Colour, Tag::Colour},
        {Element::Size, Tag::Size},
        {Element::Face, Tag::Face},
        {Element::Link, Tag::Url},
        {Element::Quote, Tag::Quote},
        {Element::FixedBlock, Tag::Code},
        {Element::Picture, Tag::Img},
        {Element::Rule, Tag::Rule},
    }};
    for (const auto& [element, tag] : kPlain) add(tagOf(d, element).open, tag);
    add(tagOf(d, Element::Heading).open, Tag::Heading);
    // Alignment: [center] [right] [left] where the dialect has them, or [align=...].
    const std::u16string centre = nameOf(tagOf(d, Element::Centre).open);
    if (centre == u"align") {
      names.emplace_back(u"align", Tag::Align);
    } else if (!centre.empty()) {
      names.emplace_back(centre, Tag::Centre);
      add(tagOf(d, Element::Right).open, Tag::Right);
      names.emplace_back(u"left", Tag::Left);
      add(d.justify.open, Tag::Justify);
    }
    add(d.inlineCode.open, Tag::InlineCode);
    add(d.email.open, Tag::Email);
    add(d.spoiler.open, Tag::Spoiler);
    add(d.inlineSpoiler.open, Tag::InlineSpoiler);
    for (const std::string_view kept : d.keptTags) {
      if (!kept.empty()) names.emplace_back(std::u16string(kept.begin(), kept.end()), Tag::Kept);
    }
    codeLanguage = !d.codeLanguage.open.empty();
    itemClose = d.itemClose;
    listMarker = !d.listMarker.empty();
    add(d.listStart, Tag::List);
    const std::u16string item = nameOf(tagOf(d, Element::ListItem).open);
    if (item != u"*") names.emplace_back(item, Tag::Li);
    names.emplace_back(u"*", Tag::Star);  // every dialect reads [*], SMF beside its [li]
    if (shows(d, Element::Table)) {
      add(tagOf(d, Element::Table).open, Tag::Table);
      add(d.tableRow.open, Tag::Row);
      add(d.tableCell.open, Tag::Cell);
      add(d.tableHeader.open, Tag::HeaderCell);
    }
    smfLists = tagOf(d, Element::NumberedList).open.find(" type=") != std::string_view::npos;
  }

  std::optional<Tag> find(std::u16string_view name) const {
    for (const auto& [n, tag] : names) {
      if (equalNoCase(name, n)) return tag;
    }
    return std::nullopt;
  }
};

// ---- values ------------------------------------------------------------------------------

// A value without the quotes around it, as [url="..."] and [font='...'] write them.
std::u16string_view unquoted(std::u16string_view v) {
  if (v.size() >= 2 && (v.front() == u'"' || v.front() == u'\'') && v.back() == v.front()) {
    return v.substr(1, v.size() - 2);
  }
  return v;
}

std::optional<int> number(std::u16string_view s) {
  if (s.empty() || s.size() > 6) return std::nullopt;
  int n = 0;
  for (const char16_t c : s) {
    if (c < u'0' || c > u'9') return std::nullopt;
    n = n * 10 + (c - u'0');
  }
  return n;
}

// The HTML size (1 to 7) nearest to `value` on a scale of numbers for the sizes 1 to 7.
int nearestSize(int value, const std::array<int, 8>& scale) {
  int best = 1;
  for (int k = 2; k <= 7; ++k) {
    if (std::abs(scale[k] - value) < std::abs(scale[best] - value)) best = k;
  }
  return best;
}

// A [size] value in the dialect's unit as the HTML size the emitter writes it for: its own
// values exactly, else what the forum's users type (a percentage in phpBB, points in SMF).
std::optional<int> sizeValue(std::u16string_view value, const Dialect& d) {
  value = unquoted(value);
  for (int k = 1; k <= 7; ++k) {
    if (!d.sizes[k].empty() && equalNoCase(value, d.sizes[k])) return k;
  }
  if (d.sizes[3] == "100") {  // phpBB: a percentage
    if (const auto n = number(value); n && *n > 0) {
      return nearestSize(*n, {0, 50, 85, 100, 125, 150, 175, 200});
    }
  } else if (d.sizes[3] == "12pt") {  // SMF: points, or the old 1 to 7
    std::u16string_view digits = value;
    if (digits.size() > 2 && equalNoCase(digits.substr(digits.size() - 2), "pt")) {
      digits.remove_suffix(2);
      if (const auto n = number(digits); n && *n > 0) {
        return nearestSize(*n, {0, 8, 10, 12, 14, 18, 24, 36});
      }
    } else if (const auto n = number(digits); n && *n >= 1 && *n <= 7) {
      return *n;
    }
  }
  return std::nullopt;
}

int hexDigit(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  return -1;
}

std::u16string hexColour(int r, int g, int b) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::u16string c = u"#";
  for (const int v : {r, g, b}) {
    c.push_back(static_cast<char16_t>(kHex[(v >> 4) & 0xF]));
    c.push_back(static_cast<char16_t>(kHex[v & 0xF]));
  }
  return c;
}

// The colour names of CSS, which every one of the forums takes.
struct NamedColour {
  std::string_view name;
  std::uint32_t rgb;
};
// clang-format off
constexpr NamedColour kColours[] = {
  {"aliceblue", 0xF0F8FF}, {"antiquewhite", 0xFAEBD7}, {"aqua", 0x00FFFF},
  {"aquamarine", 0x7FFFD4}, {"azure", 0xF0FFFF}, {"beige", 0xF5F5DC}, {"bisque", 0xFFE4C4},
  {"black", 0x000000}, {"blanchedalmond", 0xFFEBCD}, {"blue", 0x0000FF},
  {"blueviolet", 0x8A2BE2}, {"brown", 0xA52A2A}, {"burlywood", 0xDEB887},
  {"cadetblue", 0x5F9EA0}, {"chartreuse", 0x7FFF00}, {"chocolate", 0xD2691E},
  {"coral", 0xFF7F50}, {"cornflowerblue", 0x6495ED}, {"cornsilk", 0xFFF8DC},
  {"crimson", 0xDC143C}, {"cyan", 0x00FFFF}, {"darkblue", 0x00008B}, {"darkcyan", 0x008B8B},
  {"darkgoldenrod", 0xB8860B}, {"darkgray", 0xA9A9A9}, {"darkgreen", 0x006400},
  {"darkgrey", 0xA9A9A9}, {"darkkhaki", 0xBDB76B}, {"darkmagenta", 0x8B008B},
  {"darkolivegreen", 0x556B2F}, {"darkorange", 0xFF8C00}, {"darkorchid", 0x9932CC},
  {"darkred", 0x8B0000}, {"darksalmon", 0xE9967A}, {"darkseagreen", 0x8FBC8F},
  {"darkslateblue", 0x483D8B}, {"darkslategray", 0x2F4F4F}, {"darkslategrey", 0x2F4F4F},
  {"darkturquoise", 0x00CED1}, {"darkviolet", 0x9400D3}, {"deeppink", 0xFF1493},
  {"deepskyblue", 0x00BFFF}, {"dimgray", 0x696969}, {"dimgrey", 0x696969},
  {"dodgerblue", 0x1E90FF}, {"firebrick", 0xB22222}, {"floralwhite", 0xFFFAF0},
  {"forestgreen", 0x228B22}, {"fuchsia", 0xFF00FF}, {"gainsboro", 0xDCDCDC},
  {"ghostwhite", 0xF8F8FF}, {"gold", 0xFFD700}, {"goldenrod", 0xDAA520}, {"gray", 0x808080},
  {"green", 0x008000}, {"greenyellow", 0xADFF2F}, {"grey", 0x808080}, {"honeydew", 0xF0FFF0},
  {"hotpink", 0xFF69B4}, {"indianred", 0xCD5C5C}, {"indigo", 0x4B0082}, {"ivory", 0xFFFFF0},
  {"khaki", 0xF0E68C}, {"lavender", 0xE6E6FA}, {"lavenderblush", 0xFFF0F5},
  {"lawngreen", 0x7CFC00}, {"lemonchiffon", 0xFFFACD}, {"lightblue", 0xADD8E6},
  {"lightcoral", 0xF08080}, {"lightcyan", 0xE0FFFF}, {"lightgoldenrodyellow", 0xFAFAD2},
  {"lightgray", 0xD3D3D3}, {"lightgreen", 0x90EE90}, {"lightgrey", 0xD3D3D3},
  {"lightpink", 0xFFB6C1}, {"lightsalmon", 0xFFA07A}, {"lightseagreen", 0x20B2AA},
  {"lightskyblue", 0x87CEFA}, {"lightslategray", 0x778899}, {"lightslategrey", 0x778899},
  {"lightsteelblue", 0xB0C4DE}, {"lightyellow", 0xFFFFE0}, {"lime", 0x00FF00},
  {"limegreen", 0x32CD32}, {"linen", 0xFAF0E6}, {"magenta", 0xFF00FF}, {"maroon", 0x800000},
  {"mediumaquamarine", 0x66CDAA}, {"mediumblue", 0x0000CD}, {"mediumorchid", 0xBA55D3},
  {"mediumpurple", 0x9370DB}, {"mediumseagreen", 0x3CB371}, {"mediumslateblue", 0x7B68EE},
  {"mediumspringgreen", 0x00FA9A}, {"mediumturquoise", 0x48D1CC},
  {"mediumvioletred", 0xC71585}, {"midnightblue", 0x191970}, {"mintcream", 0xF5FFFA},
  {"mistyrose", 0xFFE4E1}, {"moccasin", 0xFFE4B5}, {"navajowhite", 0xFFDEAD},
  {"navy", 0x000080}, {"oldlace", 0xFDF5E6}, {"olive", 0x808000}, {"olivedrab", 0x6B8E23},
  {"orange", 0xFFA500}, {"orangered", 0xFF4500}, {"orchid", 0xDA70D6},
  {"palegoldenrod", 0xEEE8AA}, {"palegreen", 0x98FB98}, {"paleturquoise", 0xAFEEEE},
  {"palevioletred", 0xDB7093}, {"papayawhip", 0xFFEFD5}, {"peachpuff", 0xFFDAB9},
  {"peru", 0xCD853F}, {"pink", 0xFFC0CB}, {"plum", 0xDDA0DD}, {"powderblue", 0xB0E0E6},
  {"purple", 0x800080}, {"rebeccapurple", 0x663399}, {"red", 0xFF0000},
  {"rosybrown", 0xBC8F8F}, {"royalblue", 0x4169E1}, {"saddlebrown", 0x8B4513},
  {"salmon", 0xFA8072}, {"sandybrown", 0xF4A460}, {"seagreen", 0x2E8B57},
  {"seashell", 0xFFF5EE}, {"sienna", 0xA0522D}, {"silver", 0xC0C0C0}, {"skyblue", 0x87CEEB},
  {"slateblue", 0x6A5ACD}, {"slategray", 0x708090}, {"slategrey", 0x708090},
  {"snow", 0xFFFAFA}, {"springgreen", 0x00FF7F}, {"steelblue", 0x4682B4}, {"tan", 0xD2B48C},
  {"teal", 0x008080}, {"thistle", 0xD8BFD8}, {"tomato", 0xFF6347}, {"turquoise", 0x40E0D0},
  {"violet", 0xEE82EE}, {"wheat", 0xF5DEB3}, {"white", 0xFFFFFF}, {"whitesmoke", 0xF5F5F5},
  {"yellow", 0xFFFF00}, {"yellowgreen", 0x9ACD32},
};
// clang-format on

// A [color] value as the model's "#RRGGBB": "#RRGGBB" as written, "#RGB", a CSS name, or
// "rgb(r, g, b)" as XenForo's editor writes it.
std::optional<std::u16string> colourValue(std::u16string_view v) {
  v = unquoted(v);
  if (!v.empty() && v.front() == u'#') {
    const std::u16string_view hex = v.substr(1);
    if (!std::all_of(hex.begin(), hex.end(), [](char16_t c) { return hexDigit(c) >= 0; })) {
      return std::nullopt;
    }
    if (hex.size() == 6) return std::u16string(v);
    if (hex.size() == 3) {
      return hexColour(hexDigit(hex[0]) * 17, hexDigit(hex[1]) * 17, hexDigit(hex[2]) * 17);
    }
    return std::nullopt;
  }
  if (v.size() > 5 && equalNoCase(v.substr(0, 4), "rgb(") && v.back() == u')') {
    std::array<int, 3> parts{};
    std::size_t k = 0;
    std::u16string_view rest = v.substr(4, v.size() - 5);
    while (k < 3) {
      const std::size_t comma = rest.find(u',');
      std::u16string_view part = rest.substr(0, comma);
      while (!part.empty() && part.front() == u' ') part.remove_prefix(1);
      while (!part.empty() && part.back() == u' ') part.remove_suffix(1);
      const auto n = number(part);
      if (!n || *n > 255) return std::nullopt;
      parts[k++] = *n;
      if (comma == std::u16string_view::npos) break;
      rest.remove_prefix(comma + 1);
    }
    if (k != 3 || rest.find(u',') != std::u16string_view::npos) return std::nullopt;
    return hexColour(parts[0], parts[1], parts[2]);
  }
  for (const NamedColour& c : kColours) {
    if (equalNoCase(v, c.name)) {
      return hexColour(static_cast<int>(c.rgb >> 16), (c.rgb >> 8) & 0xFF, c.rgb & 0xFF);
    }
  }
  return std::nullopt;
}

std::optional<Numbering> listValue(std::u16string_view v, bool smf) {
  v = unquoted(v);
  if (smf) {
    constexpr std::array<std::pair<std::string_view, Numbering>, 11> kTypes = {{
        {"decimal", Numbering::Decimal},
        {"lower-alpha", Numbering::LowerAlpha},
        {"lower-latin", Numbering::LowerAlpha},
        {"upper-alpha", Numbering::UpperAlpha},
        {"upper-latin", Numbering::UpperAlpha},
        {"lower-roman", Numbering::LowerRoman},
        {"upper-roman", Numbering::UpperRoman},
        {"disc", Numbering::Bullet},
        {"circle", Numbering::Bullet},
        {"square", Numbering::Bullet},
        {"none", Numbering::Bullet},
    }};
    for (const auto& [name, numbering] : kTypes) {
      if (equalNoCase(v, name)) return numbering;
    }
    return std::nullopt;
  }
  if (v.size() != 1) return std::nullopt;
  switch (v[0]) {
    case u'1':
      return Numbering::Decimal;
    case u'a':
      return Numbering::LowerAlpha;
    case u'A':
      return Numbering::UpperAlpha;
    case u'i':
      return Numbering::LowerRoman;
    case u'I':
      return Numbering::UpperRoman;
    default:
      return std::nullopt;
  }
}

// ---- pass 1: the tags ---------------------------------------------------------------------

struct Token {
  enum Kind : std::uint8_t { Open, Close, Literal, Void } kind = Open;
  Tag tag = Tag::Bold;
  bool valid = false;     // markup (else text)
  bool endsItem = false;  // a closing [li] that ends an item begun without one
  bool pushed = false;    // pass 2: the opening tag made a frame
  std::uint32_t pos = 0, length = 0;
  std::int32_t partner = -1;  // the closing tag of an opening one, and back
  std::int32_t parent = -1;   // the table of a row, the row of a cell, the list of an item
  std::u16string_view value;  // as typed; a literal's contents
  std::u16string_view label;  // a code block's language
  // What the value reads as.
  int size = 0;
  Numbering numbering = Numbering::Bullet;
  post::Marker marker = post::Marker::Default;
  Align align = Align::Left;
  std::u16string colour;
};

// A bullet list's marker as the dialects name it.
std::optional<post::Marker> markerValue(std::u16string_view v) {
  constexpr std::array<std::pair<std::string_view, post::Marker>, 4> kMarkers = {{
      {"disc", post::Marker::Disc},
      {"circle", post::Marker::Circle},
      {"square", post::Marker::Square},
      {"none", post::Marker::None},
  }};
  for (const auto& [name, marker] : kMarkers) {
    if (equalNoCase(v, name)) return marker;
  }
  return std::nullopt;
}

class Lexer {
 public:
  Lexer(std::u16string_view text, const Dialect& d, const Vocabulary& v)
      : in_(text), d_(d), v_(v) {}

  std::vector<Token> run() {
    std::vector<Token> tokens;
    std::size_t p = in_.find(u'[');
    while (p != std::u16string_view::npos) {
      std::size_t next = p + 1;
      if (std::optional<Token> t = tag(p)) {
        next = t->pos + t->length;
        tokens.push_back(std::move(*t));
      }
      p = in_.find(u'[', next);
    }
    return tokens;
  }

 private:
  // The tag at `p` ('['), when the dialect knows it and can read its value.
  std::optional<Token> tag(std::size_t p) {
    // A tag ends at the first ']', holds no '[' and no line end.
    std::size_t end = p + 1;
    while (end < in_.size() && in_[end] != u']' && in_[end] != u'[' && in_[end] != u'\n') ++end;
    if (end >= in_.size() || in_[end] != u']') return std::nullopt;
    std::u16string_view inside = in_.substr(p + 1, end - p - 1);
    Token t;
    t.pos = static_cast<std::uint32_t>(p);
    t.length = static_cast<std::uint32_t>(end + 1 - p);
    if (!inside.empty() && inside.front() == u'/') {
      const std::optional<Tag> known = v_.find(inside.substr(1));
      if (!known || *known == Tag::Rule || *known == Tag::Code || *known == Tag::Img ||
          (*known == Tag::Star && !v_.itemClose) || *known == Tag::InlineCode ||
          *known == Tag::Kept) {
        return std::nullopt;  // closes no element, or belongs to a literal that never began
      }
      t.kind = Token::Close;
      t.tag = *known;
      return t;
    }
    std::size_t nameEnd = 0;
    while (nameEnd < inside.size() && inside[nameEnd] != u'=' && inside[nameEnd] != u' ') {
      ++nameEnd;
    }
    const std::optional<Tag> known = v_.find(inside.substr(0, nameEnd));
    if (!known) return std::nullopt;
    t.tag = *known;
    const bool hasValue = nameEnd < inside.size() && inside[nameEnd] == u'=';
    const bool hasAttrs = nameEnd < inside.size() && inside[nameEnd] == u' ';
    if (hasValue) t.value = inside.substr(nameEnd + 1);
    if (!value(t, hasValue, hasAttrs, inside.substr(nameEnd))) return std::nullopt;
    switch (t.tag) {
      case Tag::Rule:
      case Tag::Star:
        t.kind = Token::Void;
        return t;
      case Tag::Code:
      case Tag::Img:
      case Tag::InlineCode:
        return literal(std::move(t));
      case Tag::Kept:
        return kept(std::move(t), inside.substr(0, nameEnd));
      case Tag::Url:
      case Tag::Email:
        if (!hasValue) return literal(std::move(t));
        return t;
      default:
        return t;
    }
  }

  // Reads the tag's value; false when the tag takes none and has one, or it cannot be read.
  bool value(Token& t, bool hasValue, bool hasAttrs, std::u16string_view rest) {
    switch (t.tag) {
      case Tag::Colour:
        if (auto c = hasValue ? colourValue(t.value) : std::nullopt) {
          t.colour = std::move(*c);
          return true;
        }
        return false;
      case Tag::Size:
        if (const auto s = hasValue ? sizeValue(t.value, d_) : std::nullopt) {
          t.size = *s;
          return true;
        }
        return false;
      case Tag::Face:
        t.value = unquoted(t.value);
        return hasValue && !t.value.empty();
      case Tag::Url:
        // A value that is no address at all is typed text, as the forums show it; one of
        // another scheme is read as the link it tries to be, which no post or document makes.
        t.value = unquoted(t.value);
        return !hasAttrs && (!hasValue || (!t.value.empty() && !isNoAddress(t.value)));
      case Tag::Kept:
        return true;  // its value and attributes are kept as typed
      case Tag::Spoiler:
        // Its title, quoted or not.
        t.label = unquoted(t.value);
        return !hasAttrs;
      case Tag::Email:
        t.value = unquoted(t.value);
        return !hasAttrs && (!hasValue || isMailbox(t.value));
      case Tag::Quote:
        return true;  // its source, read when the quote opens (readCite)
      case Tag::Heading:
        if (const auto n = hasValue ? number(t.value) : std::nullopt; n && *n >= 1 && *n <= 3) {
          t.size = *n;
          return true;
        }
        return false;
      case Tag::Align: {
        if (!hasValue) return false;
        constexpr std::array<std::pair<std::string_view, Align>, 4> kAligns = {{
            {"left", Align::Left},
            {"center", Align::Centre},
            {"right", Align::Right},
            {"justify", Align::Justify},
        }};
        for (const auto& [name, align] : kAligns) {
          if (equalNoCase(unquoted(t.value), name)) {
            t.align = align;
            return true;
          }
        }
        return false;
      }
      case Tag::List: {
        if (!hasValue && !hasAttrs) return true;
        std::u16string_view v;
        if (v_.smfLists) {
          if (!hasAttrs || rest.size() < 6 || !equalNoCase(rest.substr(0, 6), " type=")) {
            return false;
          }
          v = rest.substr(6);
        } else {
          if (!hasValue) return false;
          v = t.value;
        }
        if (const auto marker = v_.listMarker ? markerValue(v) : std::nullopt) {
          t.marker = *marker;
          return true;
        }
        const std::optional<Numbering> n = listValue(v, v_.smfLists);
        if (n) t.numbering = *n;
        return n.has_value();
      }
      case Tag::Centre:
        t.align = Align::Centre;
        return !hasValue && !hasAttrs;
      case Tag::Right:
        t.align = Align::Right;
        return !hasValue && !hasAttrs;
      case Tag::Justify:
        t.align = Align::Justify;
        return !hasValue && !hasAttrs;
      case Tag::Code:
        // A language: a word, as the forums' highlighters take it.
        if (!hasValue) return !hasAttrs;
        t.label = unquoted(t.value);
        return v_.codeLanguage && !t.label.empty() &&
               std::all_of(t.label.begin(), t.label.end(), [](char16_t c) {
                 return c > u' ' && c != u'"' && c != u'\'' && c != u'=';
               });
      default:
        return !hasValue && !hasAttrs;
    }
  }

  // A code block's, a picture's or a bare link's contents, up to the closing tag: a literal
  // token, or nothing when the tag is never closed. The closing tags' places are searched
  // forward once each, so that many unclosed tags cost no more than one.
  std::optional<Token> literal(Token t) {
    const std::size_t from = t.pos + t.length;
    const std::size_t slot = t.tag == Tag::Code         ? 0
                             : t.tag == Tag::Img        ? 1
                             : t.tag == Tag::InlineCode ? 3
                             : t.tag == Tag::Email      ? 4
                                                        : 2;
    std::size_t& close = nextClose_[slot];
    if (close != std::u16string_view::npos && (close < from || !searched_[slot])) {
      close = findClose(slot, from);
      searched_[slot] = true;
    }
    if (close == std::u16string_view::npos) return std::nullopt;
    const std::u16string_view contents = in_.substr(from, close - from);
    if (t.tag == Tag::InlineCode) {
      // Code inside a line: one line of literal text.
      if (contents.empty() || contents.find(u'\n') != std::u16string_view::npos) {
        return std::nullopt;
      }
    } else if (t.tag == Tag::Email) {
      if (!isMailbox(contents)) return std::nullopt;
    } else if (t.tag != Tag::Code) {
      // A picture's address and a bare link are one line of text, no tags in it, and an
      // address: "[img]word[/img]" is typed text.
      if (contents.empty() || contents.find_first_of(u"[\n") != std::u16string_view::npos ||
          isNoAddress(contents)) {
        return std::nullopt;
      }
    }
    t.kind = Token::Literal;
    t.value = contents;
    t.length = static_cast<std::uint32_t>(close - t.pos + closeName(slot).size() + 3);
    t.valid = true;
    return t;
  }

  // A kept tag: the whole of it, from its opening tag to the closing one of its name on the
  // same line (looked for no further than kKeptReach units), as one literal token.
  std::optional<Token> kept(Token t, std::u16string_view name) const {
    constexpr std::size_t kKeptReach = 4096;
    const std::size_t from = t.pos + t.length;
    const std::u16string_view line = in_.substr(0, std::min(in_.size(), from + kKeptReach));
    for (std::size_t p = line.find_first_of(u"[\n", from);
         p != std::u16string_view::npos && line[p] != u'\n';
         p = line.find_first_of(u"[\n", p + 1)) {
      if (p + 3 + name.size() <= line.size() && line[p + 1] == u'/' &&
          equalNoCase(line.substr(p + 2, name.size()), name) && line[p + 2 + name.size()] == u']') {
        t.kind = Token::Literal;
        t.length = static_cast<std::uint32_t>(p + 3 + name.size() - t.pos);
        t.value = in_.substr(t.pos, t.length);
        t.valid = true;
        return t;
      }
    }
    return std::nullopt;
  }

  std::u16string_view closeName(std::size_t slot) const {
    static const std::u16string kNames[5] = {u"code", u"img", u"url", u"icode", u"email"};
    return kNames[slot];
  }

  // Where the next "[/name]" (any case) begins at or after `from`.
  std::size_t findClose(std::size_t slot, std::size_t from) const {
    const std::u16string_view name = closeName(slot);
    for (std::size_t p = in_.find(u"[/", from); p != std::u16string_view::npos;
         p = in_.find(u"[/", p + 2)) {
      if (p + 3 + name.size() <= in_.size() && equalNoCase(in_.substr(p + 2, name.size()), name) &&
          in_[p + 2 + name.size()] == u']') {
        return p;
      }
    }
    return std::u16string_view::npos;
  }

  std::u16string_view in_;
  const Dialect& d_;
  const Vocabulary& v_;
  std::array<std::size_t, 5> nextClose_ = {0, 0, 0, 0, 0};
  std::array<bool, 5> searched_ = {false, false, false, false, false};
};

// Pairs the tags: see the top of the file. Anything but an item or the list's end right in
// a list begins an item without a tag of its own, as the model reads it, so that the tags
// pair alike when the post is written again with the item's tag.
constexpr std::int32_t kImplicitItem = -2;

void pair(std::vector<Token>& tokens, std::u16string_view text) {
  std::vector<std::int32_t> stack;
  const auto topIs = [&](Tag tag) {
    if (stack.empty()) return false;
    if (stack.back() == kImplicitItem) return tag == Tag::Star;
    return tokens[static_cast<std::size_t>(stack.back())].tag == tag;
  };
  std::size_t end = 0;  // of the token before
  for (std::size_t i = 0; i < tokens.size(); ++i) {
    Token& t = tokens[i];
    const auto index = static_cast<std::int32_t>(i);
    if (topIs(Tag::List) && stack.back() != kImplicitItem) {
      const bool itemOrEnd = t.tag == Tag::Star || (t.kind == Token::Open && t.tag == Tag::Li) ||
                             (t.kind == Token::Close && t.tag == Tag::List);
      if (!isBlankText(text.substr(end, t.pos - end)) || !itemOrEnd) {
        stack.push_back(kImplicitItem);
      }
    }
    end = t.pos + t.length;
    if (t.kind == Token::Close && t.tag == Tag::Li && !stack.empty() &&
        stack.back() == kImplicitItem) {
      stack.pop_back();
      t.valid = t.endsItem = true;
      continue;
    }
    if (t.kind == Token::Open && t.tag == Tag::Li && !stack.empty() &&
        stack.back() == kImplicitItem) {
      stack.pop_back();
    }
    switch (t.kind) {
      case Token::Literal:
        break;
      case Token::Void:
        if (t.tag == Tag::Star) {
          // An item: in a list, ending the item before it.
          if (topIs(Tag::Star)) stack.pop_back();
          if (topIs(Tag::List)) {
            t.parent = stack.back();
            stack.push_back(index);
          }
        } else {
          t.valid = true;
        }
        break;
      case Token::Open: {
        const Tag needs = t.tag == Tag::Row                                ? Tag::Table
                          : t.tag == Tag::Cell || t.tag == Tag::HeaderCell ? Tag::Row
                          : t.tag == Tag::Li                               ? Tag::List
                                                                           : t.tag;
        if (needs != t.tag) {
          if (!topIs(needs)) break;
          t.parent = stack.back();
        }
        stack.push_back(index);
        break;
      }
      case Token::Close:
        if (t.tag == Tag::List && topIs(Tag::Star)) stack.pop_back();
        // "[/*]" ends an item its "[*]" began, nothing else.
        if (t.tag == Tag::Star && (stack.empty() || stack.back() == kImplicitItem)) break;
        if (topIs(t.tag)) {
          t.partner = stack.back();
          tokens[stack.back()].partner = index;
          stack.pop_back();
        }
        break;
    }
  }
  // Valid: an opening tag with its closing one, an item or a row in a valid parent.
  for (Token& t : tokens) {
    if (t.kind == Token::Open) t.valid = t.partner >= 0;
    if (t.tag == Tag::Star && t.kind == Token::Void) t.valid = t.parent >= 0;
    if (t.parent >= 0 && !tokens[t.parent].valid) t.valid = false;
    if (t.kind == Token::Close && !t.endsItem) {
      t.valid = t.partner >= 0 && tokens[t.partner].valid;
    }
  }
}

// ---- pass 2: the model --------------------------------------------------------------------

constexpr int kMaxTableDepth = 1;  // a table in a cell is its tags as text

class Builder {
 public:
  Builder(std::u16string_view text, const Dialect& d, std::vector<Token>& tokens)
      : in_(text), d_(d), tokens_(tokens) {
    root_.kind = BlockKind::Quote;
    open_.push_back(&root_);
  }

  post::Model run() {
    std::size_t p = 0;
    for (std::size_t i = 0; i < tokens_.size(); ++i) {
      Token& t = tokens_[i];
      if (!t.valid) continue;
      text(in_.substr(p, t.pos - p));
      p = t.pos + t.length;
      token(i);
    }
    text(in_.substr(p));
    if (!lineUsed_) ++emptyLines_;
    flushEmpty(false);
    post::Model model;
    model.blocks = std::move(root_.children);
    return model;
  }

 private:
  // What an opening tag did, undone by its closing tag.
  struct Frame {
    enum Kind : std::uint8_t { Style, Alignment, Container, Item, None } kind = None;
    Tag tag = Tag::Bold;
    std::size_t depth = 0;  // the open containers before it
    std::uint8_t flags = 0;
    int size = 0;
    post::SharedText value;  // the colour, face or link before it
    Align align = Align::Left;
  };

  Block& inner() { return *open_.back(); }
  BlockKind innerKind() { return inner().kind; }
  // A heading's or a cell's text: lines of runs, no blocks, a line end is a line break.
  bool leaf() { return innerKind() == BlockKind::Heading || innerKind() == BlockKind::Cell; }
  bool spacing() {
    const BlockKind k = innerKind();
    return k == BlockKind::List || k == BlockKind::Table || k == BlockKind::Row;
  }

  int count(BlockKind kind) const {
    return static_cast<int>(std::count_if(open_.begin() + 1, open_.end(),
                                          [&](const Block* b) { return b->kind == kind; }));
  }

  Block& child(BlockKind kind) {
    Block& b = inner().children.emplace_back();
    b.kind = kind;
    return b;
  }

  // Empty lines met since the last block: space below the block before them when one lies
  // between it and what follows, else empty paragraphs.
  void flushEmpty(bool following) {
    if (emptyLines_ == 0) return;
    const int n = emptyLines_;
    emptyLines_ = 0;
    if (spacing()) return;  // the spacing between a list's items or a table's rows
    if (leaf()) {
      para();
      for (int k = 0; k < n; ++k) appendText(u"\n");
      return;
    }
    paragraph_ = nullptr;
    std::vector<Block>& siblings = inner().children;
    if (following && n == 1 && !siblings.empty()) {
      Block& last = siblings.back();
      if ((last.kind == BlockKind::Paragraph || last.kind == BlockKind::Heading) &&
          !last.runs.empty() && !last.spaceAfter) {
        last.spaceAfter = true;
        return;
      }
    }
    for (int k = 0; k < n; ++k) child(BlockKind::Paragraph).align = align_;
  }

  // The paragraph text goes to, made where there is none.
  Block& para() {
    if (paragraph_ != nullptr) return *paragraph_;
    if (innerKind() == BlockKind::Heading) return *(paragraph_ = &inner());
    if (innerKind() == BlockKind::Table) open_.push_back(&child(BlockKind::Row));
    if (innerKind() == BlockKind::Row) open_.push_back(&child(BlockKind::Cell));
    if (innerKind() == BlockKind::List) open_.push_back(&child(BlockKind::Item));
    paragraph_ = &child(BlockKind::Paragraph);
    paragraph_->align = align_;
    return *paragraph_;
  }

  // Content begins on the line: a line break, space or empty paragraphs before it.
  void content() {
    if (paragraph_ != nullptr && emptyLines_ == 0) {
      if (brk_) appendText(u"\n");
    } else {
      flushEmpty(true);
    }
    brk_ = false;
    lineUsed_ = true;
    para();
  }

  void appendText(std::u16string_view s) {
    std::vector<post::Run>& runs = para().runs;
    if (s != u"\n") spend(runs);
    if (!runs.empty() && runs.back().isText() && runs.back().style == style_) {
      runs.back().text.append(s);
    } else {
      runs.push_back({std::u16string(s), style_, {}});
    }
  }

  // One text for every run of the post that takes it: the same face, colour or address
  // twice is one string.
  post::SharedText shared(std::u16string_view text) { return shared_.share(text); }

  // A post writes a run's address and face again on every line the run is on, and where they
  // change between runs: a long address typed once over many lines or runs would be written
  // a thousand times. What a post would write again is counted against a budget of a few
  // times the text; past it the text that follows keeps its words and loses the address and
  // face (the forum's own reader could show it no better than as a wall of markup).
  void spend(const std::vector<post::Run>& runs) {
    if (style_.link.empty() && style_.face.empty()) return;
    const bool lineStart =
        runs.empty() || runs.back().text.empty() || runs.back().text.back() == u'\n';
    if (!lineStart && runs.back().style.link.identity() == style_.link.identity() &&
        runs.back().style.face.identity() == style_.face.identity()) {
      return;
    }
    constexpr std::size_t kTags = 32;  // the tags around them
    const std::size_t cost = style_.link.size() + style_.face.size() + kTags;
    if (repeated_ + cost <= kRepeatFactor * in_.size() + kRepeatFree) {
      repeated_ += cost;
      return;
    }
    style_.link.clear();
    style_.face.clear();
  }

  void text(std::u16string_view s) {
    while (!s.empty()) {
      const std::size_t nl = s.find(u'\n');
      const std::u16string_view line = s.substr(0, nl);
      if (!line.empty() && !(spacing() && isBlankText(line))) {
        content();
        appendText(line);
      }
      if (nl == std::u16string_view::npos) break;
      newline();
      s.remove_prefix(nl + 1);
    }
  }

  void newline() {
    if (leaf()) {
      content();
      appendText(u"\n");
      lineUsed_ = false;
      brk_ = false;
      return;
    }
    if (spacing()) return;
    if (lineUsed_) {
      brk_ = true;
    } else {
      ++emptyLines_;
    }
    lineUsed_ = false;
  }

  // A block begins: the paragraph before it ends. Right in a list it begins an item.
  void beginBlock() {
    if (innerKind() == BlockKind::List) open_.push_back(&child(BlockKind::Item));
    flushEmpty(true);
    paragraph_ = nullptr;
    brk_ = false;
  }

  // A block ends: an empty line on which it ends is its last.
  void endBlock(bool dropOneEmpty = false) {
    if (!lineUsed_ && !leaf()) ++emptyLines_;
    if (dropOneEmpty && emptyLines_ == 1) emptyLines_ = 0;
    flushEmpty(false);
    paragraph_ = nullptr;
    brk_ = false;
    lineUsed_ = true;
  }

  void asText(const Token& t) { text(in_.substr(t.pos, t.length)); }

  void token(std::size_t i) {
    Token& t = tokens_[i];
    switch (t.kind) {
      case Token::Literal:
        literal(t);
        return;
      case Token::Void:
        if (leaf()) return asText(t);
        if (t.tag == Tag::Rule) {
          beginBlock();
          child(BlockKind::Rule);
          lineUsed_ = true;
        } else if (tokens_[static_cast<std::size_t>(t.parent)].pushed) {
          item(Tag::Star);
          t.pushed = true;
        } else {
          asText(t);
        }
        return;
      case Token::Open:
        open(i);
        return;
      case Token::Close:
        close(t);
        return;
    }
  }

  void literal(const Token& t) {
    if (t.tag == Tag::Code) {
      if (leaf()) return asText(t);
      beginBlock();
      Block& code = child(BlockKind::Code);
      code.label = t.label;
      if (!t.value.empty()) code.runs.push_back({std::u16string(t.value) + u"\n", {}, {}});
      lineUsed_ = true;
      return;
    }
    content();
    if (t.tag == Tag::Img) {
      para().runs.push_back(post::Run::ofPicture(t.value, {}, style_));
      return;
    }
    if (t.tag == Tag::Kept) {
      std::vector<post::Run>& runs = para().runs;
      if (!runs.empty() && runs.back().kind == post::RunKind::Markup) {
        runs.back().text.append(t.value);
      } else {
        runs.push_back(post::Run::ofMarkup(t.value, d_.format));
      }
      return;
    }
    if (t.tag == Tag::InlineCode) {
      const std::uint8_t flags = std::exchange(style_.flags, style_.flags | post::kCode);
      appendText(t.value);
      style_.flags = flags;
      return;
    }
    post::SharedText link =
        t.tag == Tag::Email ? shared(u"mailto:" + std::u16string(t.value)) : shared(t.value);
    std::swap(style_.link, link);
    appendText(t.value);
    std::swap(style_.link, link);
  }

  // An item of the innermost list: ends the item before it.
  void item(Tag tag) {
    // The item before it ends at the end of the line before: this line is the new item's.
    if (frames_.back().kind == Frame::Item && frames_.back().tag == Tag::Star) {
      lineUsed_ = true;
      endItem();
    }
    // The innermost list kept: a list flattened for its depth gives its items to it.
    while (open_.size() > 1 && innerKind() != BlockKind::List) open_.pop_back();
    paragraph_ = nullptr;
    brk_ = false;
    Frame f;
    f.kind = Frame::Item;
    f.tag = tag;
    f.depth = open_.size();
    f.align = align_;
    frames_.push_back(std::move(f));
    emptyLines_ = 0;
    if (innerKind() == BlockKind::List) open_.push_back(&child(BlockKind::Item));
    lineUsed_ = false;
  }

  void endItem() {
    endBlock(true);
    pop();
  }

  void pop() {
    Frame& f = frames_.back();
    switch (f.kind) {
      case Frame::Style:
        restoreStyle(f);
        break;
      case Frame::Alignment:
        align_ = f.align;
        break;
      case Frame::Container:
      case Frame::Item:
        if (open_.size() > f.depth) open_.resize(f.depth);
        align_ = f.align;
        break;
      case Frame::None:
        break;
    }
    frames_.pop_back();
  }

  void open(std::size_t i) {
    Token& t = tokens_[i];
    Frame f;
    f.tag = t.tag;
    f.depth = open_.size();
    f.align = align_;
    if (isInline(t.tag)) {
      if (t.tag == Tag::Bold && headingAhead(i)) {
        if (const int level = t.size; level > 0) {
          beginBlock();
          Block& h = child(BlockKind::Heading);
          h.level = level;
          h.align = align_;
          open_.push_back(&h);
          f.kind = Frame::Container;
          frames_.push_back(std::move(f));
          t.pushed = true;
          Frame none;
          frames_.push_back(none);
          tokens_[i + 1].pushed = true;
          skipNext_ = true;
          return;
        }
      }
      if (skipNext_) {
        skipNext_ = false;
        return;
      }
      f.kind = Frame::Style;
      saveStyle(f, t);
      frames_.push_back(std::move(f));
      t.pushed = true;
      return;
    }
    if (isAlign(t.tag)) {
      if (innerKind() == BlockKind::Heading) return asText(t);
      flushEmpty(true);
      paragraph_ = nullptr;
      brk_ = false;
      f.kind = Frame::Alignment;
      const Align a = t.tag == Tag::Left ? Align::Left : t.align;
      if (innerKind() == BlockKind::Cell && inner().children.empty()) {
        inner().align = a;  // the cell's own alignment
      } else {
        align_ = a;
      }
      frames_.push_back(std::move(f));
      t.pushed = true;
      return;
    }
    if (leaf()) return asText(t);
    if (t.tag == Tag::Li) {
      if (!tokens_[static_cast<std::size_t>(t.parent)].pushed) return asText(t);
      item(Tag::Li);
      t.pushed = true;
      return;
    }
    beginBlock();
    f.kind = Frame::Container;
    switch (t.tag) {
      case Tag::Quote:
        if (count(BlockKind::Quote) + count(BlockKind::Spoiler) < post::Builder::kMaxQuoteDepth) {
          Block& quote = child(BlockKind::Quote);
          // The source: what follows the tag's name, read in the dialect's form.
          const std::u16string_view inside = in_.substr(t.pos + 1, t.length - 2);
          const std::size_t nameEnd = std::min(inside.find_first_of(u"= "), inside.size());
          quote.cite = readCite(inside.substr(nameEnd), d_.cite);
          open_.push_back(&quote);
        }
        break;
      case Tag::List:
        if (count(BlockKind::List) < post::Builder::kMaxListLevel) {
          Block& list = child(BlockKind::List);
          list.numbering = t.numbering;
          list.marker = t.marker;
          open_.push_back(&list);
        }
        break;
      case Tag::Heading: {
        Block& h = child(BlockKind::Heading);
        h.level = t.size;
        h.align = align_;
        open_.push_back(&h);
        break;
      }
      case Tag::Table:
        if (count(BlockKind::Table) < kMaxTableDepth) open_.push_back(&child(BlockKind::Table));
        break;
      case Tag::Spoiler:
        if (count(BlockKind::Quote) + count(BlockKind::Spoiler) < post::Builder::kMaxQuoteDepth) {
          Block& spoiler = child(BlockKind::Spoiler);
          spoiler.label = t.label;
          open_.push_back(&spoiler);
        }
        break;
      case Tag::Row:
        if (innerKind() == BlockKind::Table) open_.push_back(&child(BlockKind::Row));
        break;
      case Tag::Cell:
      case Tag::HeaderCell:
        if (innerKind() == BlockKind::Row) {
          Block& cell = child(BlockKind::Cell);
          cell.header = t.tag == Tag::HeaderCell;
          open_.push_back(&cell);
        }
        break;
      default:
        break;
    }
    // Blocks begin at the start of a line: the rest of the line is theirs. A table's cells
    // and a heading take no alignment from outside: theirs is their own.
    lineUsed_ = spacing() && innerKind() != BlockKind::List;
    if (innerKind() != BlockKind::Quote && innerKind() != BlockKind::List) align_ = Align::Left;
    frames_.push_back(std::move(f));
    t.pushed = true;
  }

  void close(const Token& t) {
    if (t.endsItem) {
      endBlock(true);
      while (open_.size() > 1 && innerKind() == BlockKind::Item) open_.pop_back();
      return;
    }
    const Token& opening = tokens_[static_cast<std::size_t>(t.partner)];
    if (!opening.pushed) return asText(t);
    if (t.tag == Tag::List && frames_.back().kind == Frame::Item &&
        frames_.back().tag == Tag::Star) {
      endItem();
    }
    const Frame& f = frames_.back();
    if (f.kind == Frame::Container || f.kind == Frame::Item) {
      endBlock(f.kind == Frame::Item || f.tag == Tag::List);
    } else if (f.kind == Frame::Alignment) {
      endBlock();
    }
    pop();
  }

  // A heading of a dialect without one: "[b][size=N]" at the start of a line, its closing
  // tags next to each other, N the size the emitter gives a heading of level 1 or 2.
  bool headingAhead(std::size_t i) {
    Token& b = tokens_[i];
    if (shows(d_, Element::Heading) || !shows(d_, Element::Size) || lineUsed_ || leaf() ||
        i + 1 >= tokens_.size()) {
      return false;
    }
    const Token& s = tokens_[i + 1];
    if (!s.valid || s.kind != Token::Open || s.tag != Tag::Size || s.pos != b.pos + b.length) {
      return false;
    }
    const Token& bClose = tokens_[static_cast<std::size_t>(b.partner)];
    const Token& sClose = tokens_[static_cast<std::size_t>(s.partner)];
    if (sClose.pos + sClose.length != bClose.pos) return false;
    b.size = s.size == kPageSize + 2 ? 1 : s.size == kPageSize + 1 ? 2 : 0;
    return b.size > 0;
  }

  void saveStyle(Frame& f, const Token& t) {
    f.flags = style_.flags;
    switch (t.tag) {
      case Tag::Bold:
        style_.flags |= post::kBold;
        break;
      case Tag::Italic:
        style_.flags |= post::kItalic;
        break;
      case Tag::Underline:
        style_.flags |= post::kUnderline;
        break;
      case Tag::Strike:
        style_.flags |= post::kStrike;
        break;
      case Tag::Super:
        style_.flags |= post::kSuper;
        break;
      case Tag::Sub:
        style_.flags |= post::kSub;
        break;
      case Tag::InlineSpoiler:
        style_.flags |= post::kSpoiler;
        break;
      case Tag::Colour:
        f.value = std::exchange(style_.colour, shared(t.colour));
        break;
      case Tag::Size:
        f.size = std::exchange(style_.size, post::percentOfHtmlSize(t.size));
        break;
      case Tag::Face:
        f.value = std::exchange(style_.face, shared(t.value));
        break;
      case Tag::Url:
        f.value = std::exchange(style_.link, shared(t.value));
        break;
      case Tag::Email:
        f.value = std::exchange(style_.link, u"mailto:" + std::u16string(t.value));
        break;
      default:
        break;
    }
  }

  void restoreStyle(Frame& f) {
    style_.flags = f.flags;
    switch (f.tag) {
      case Tag::Colour:
        style_.colour = std::move(f.value);
        break;
      case Tag::Size:
        style_.size = f.size;
        break;
      case Tag::Face:
        style_.face = std::move(f.value);
        break;
      case Tag::Url:
      case Tag::Email:
        style_.link = std::move(f.value);
        break;
      default:
        break;
    }
  }

  std::u16string_view in_;
  const Dialect& d_;
  std::vector<Token>& tokens_;
  Block root_;
  std::vector<Block*> open_;  // the containers from the root in
  std::vector<Frame> frames_;
  Block* paragraph_ = nullptr;  // the paragraph or heading text goes to
  post::Style style_;
  post::SharedTexts shared_;
  std::size_t repeated_ = 0;  // what the post writes again of the styles' texts, so far
  static constexpr std::size_t kRepeatFactor = 4;
  static constexpr std::size_t kRepeatFree = 65'536;
  Align align_ = Align::Left;
  int emptyLines_ = 0;     // empty lines since the last block
  bool lineUsed_ = false;  // the line holds content, or a block that fills it
  bool brk_ = false;       // a line end since the paragraph's last content
  bool skipNext_ = false;  // the size of a heading's "[b][size=N]"
};

}  // namespace

std::u16string unifiedLineEnds(std::u16string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'\r') {
      out.push_back(u'\n');
      if (i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    } else {
      out.push_back(text[i]);
    }
  }
  return out;
}

post::Model readBbcode(std::u16string_view original, const Dialect& d) {
  if (original.empty()) return {};
  const std::u16string text = unifiedLineEnds(original);
  const Vocabulary vocabulary(d);
  std::vector<Token> tokens = Lexer(text, d, vocabulary).run();
  pair(tokens, text);
  return Builder(text, d, tokens).run();
}

BbcodeMarkup bbcodeMarkup(std::u16string_view original, const Dialect& d) {
  const std::u16string text = unifiedLineEnds(original);
  const Vocabulary vocabulary(d);
  std::vector<Token> tokens = Lexer(text, d, vocabulary).run();
  pair(tokens, text);
  BbcodeMarkup m;
  m.found = tokens.size();
  for (const Token& t : tokens) {
    if (!t.valid) continue;
    ++m.tags;
    if (t.kind == Token::Literal || t.kind == Token::Open) ++m.paired;
  }
  return m;
}

}  // namespace quillmark::formats
