// The HTML fragment's vocabulary: every element the conversion engine writes, with its tags
// and its kind, and the few other pieces of markup a fragment holds. The engine writes by
// this table, the post formats read fragments back by it, and the fuzz checks hold the
// engine's output to it; the case files and golden files pin the exact bytes.
//
// An element is known by its closing tag everywhere in the engine. Its opening tag is fixed
// ("<b>"), or, for the three elements that carry attributes, a fixed start followed by them:
//
//   <font[ face="NAME"][ color="#RRGGBB"][ size=N]>   at least one attribute, in that order
//   kCentreTag or kRightTag                          the one-cell alignment table
//   <a href="ADDRESS">                               with "+A" only; & < > " escaped
//
// Tags are ASCII, held as 8-bit text like the engine's; startsWith compares 16-bit text
// with them. Header-only, standard library only.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace quillmark::html {

enum class Element : std::uint8_t {
  Bold,
  Italic,
  Underline,
  Strike,
  Super,
  Sub,
  Font,
  ListItem,
  Align,
  Link
};
inline constexpr std::size_t kElementCount = 10;

// Span elements format text inside a line; block elements stand around whole paragraphs.
enum class ElementKind : std::uint8_t { Span, Block };

struct ElementTags {
  std::string_view open;   // the whole opening tag, or its fixed start when `attributes`
  std::string_view close;  // the closing tag: the element's name in the engine
  ElementKind kind;
  bool attributes;   // the opening tag goes on past `open`, and differs from one use to the next
  const char* name;  // for messages
};

// The alignment element's two opening tags.
inline constexpr std::string_view kCentreTag = "<table width=100%><tr><td align=\"center\">";
inline constexpr std::string_view kRightTag = "<table width=100%><tr><td align=\"right\">";

// What the engine's elements write, one row per element in the order of the enumeration.
// clang-format off
inline constexpr std::array<ElementTags, kElementCount> kElements = {{
//  open                                                 close                 kind                attributes  name
  {"<b>",                                                "</b>",               ElementKind::Span,  false,      "bold"},         // "\b"
  {"<i>",                                                "</i>",               ElementKind::Span,  false,      "italic"},       // "\i"
  {"<u>",                                                "</u>",               ElementKind::Span,  false,      "underline"},    // "\ul"
  {"<s>",                                                "</s>",               ElementKind::Span,  false,      "strike"},       // "\strike"
  {"<sup>",                                              "</sup>",             ElementKind::Span,  false,      "superscript"},  // "\super"
  {"<sub>",                                              "</sub>",             ElementKind::Span,  false,      "subscript"},    // "\sub"
  {"<font",                                              "</font>",            ElementKind::Span,  true,       "font"},         // "\f", "\cf", "\fs": face, colour, size
  {"<li>",                                               "</li>",              ElementKind::Block, false,      "list item"},    // "\bullet", "\pntext"
  {kCentreTag.substr(0, kCentreTag.find("center")),      "</td></tr></table>", ElementKind::Block, true,       "alignment"},    // "\qc", "\qr": kCentreTag, kRightTag
  {"<a href=\"",                                         "</a>",               ElementKind::Span,  true,       "link"},         // a hyperlink field, with "+A"
}};
// clang-format on

// The font element's attributes, in the order they are written; each is followed by its
// value (face and colour then end with a quote).
inline constexpr std::string_view kFaceAttribute = " face=\"";
inline constexpr std::string_view kColorAttribute = " color=\"";
inline constexpr std::string_view kSizeAttribute = " size=";

// How long the values of those tags get: readers of a fragment look no further for the
// quote that ends one. A font name is cut to kMaxFaceLength units (a colour is seven); an
// address comes from at most 4,096 units of field instruction, each unit at most six when
// escaped.
inline constexpr std::size_t kMaxFaceLength = 256;
inline constexpr std::size_t kMaxAddressLength = 6 * 4096;

// The rest of a fragment's markup.
inline constexpr std::string_view kBreak = "<br>";           // a paragraph or line end
inline constexpr std::string_view kNoBreakSpace = "&nbsp;";  // a blank at a paragraph's start
inline constexpr std::string_view kPreOpen = "<pre>";        // the fixed-columns block, which
inline constexpr std::string_view kPreClose = "</pre>";      // the web rewrites make

constexpr const ElementTags& tagsOf(Element element) {
  return kElements[static_cast<std::size_t>(element)];
}
constexpr std::string_view closingTag(Element element) { return tagsOf(element).close; }
// "<b>" and the like; empty for the elements whose opening tag carries attributes.
constexpr std::string_view fixedOpeningTag(Element element) {
  return tagsOf(element).attributes ? std::string_view() : tagsOf(element).open;
}
constexpr bool isBlock(Element element) { return tagsOf(element).kind == ElementKind::Block; }
constexpr const char* name(Element element) { return tagsOf(element).name; }

// The entity that stands for a character HTML would read as markup (& < > "), or empty.
constexpr std::string_view escapeFor(char32_t c) {
  switch (c) {
    case U'&':
      return "&amp;";
    case U'<':
      return "&lt;";
    case U'>':
      return "&gt;";
    case U'"':
      return "&quot;";
    default:
      return {};
  }
}

// Whether 16-bit text begins with an ASCII tag, unit for unit.
constexpr bool startsWith(std::u16string_view text, std::string_view tag) {
  if (text.size() < tag.size()) return false;
  for (std::size_t i = 0; i < tag.size(); ++i) {
    if (text[i] != static_cast<char16_t>(static_cast<unsigned char>(tag[i]))) return false;
  }
  return true;
}

}  // namespace quillmark::html
