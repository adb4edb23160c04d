// The text that stands for a "\'xx" escape. Written by hand, one row per key: it follows the
// Windows-1252 code page, but departs from HTML's entity list on purpose in a few places
// (three full stops for the ellipsis, a superscript "TM" as RTF to be read again).
#include <array>

#include "Engine.h"
#include "quillmark/text.h"

namespace quillmark {
namespace {

struct EntityRow {
  unsigned char code;
  std::string_view text;
};

constexpr EntityRow kEntities[] = {
    {0x00, "&nbsp;"},   {0x80, "&euro;"},   {0x82, "&sbquo;"},
    {0x83, "&fnof;"},   {0x84, "&bdquo;"},  {0x85, "..."},
    {0x86, "&dagger;"}, {0x87, "&Dagger;"}, {0x88, "&circ;"},
    {0x89, "&permil;"}, {0x8a, "\u0160"},                      // S with caron: no HTML 4 entity
    {0x8b, "&lsaquo;"}, {0x8c, "&OElig;"},  {0x8e, "\u017D"},  // Z with caron
    {0x91, "&lsquo;"},  {0x92, "&rsquo;"},  {0x93, "&ldquo;"},
    {0x94, "&rdquo;"},  {0x95, "&bull;"},   {0x96, "&ndash;"},
    {0x97, "&mdash;"},  {0x98, "&tilde;"},  {0x99, "<rtf>:\\super TM\\nosupersub"},
    {0x9a, "\u0161"},                                          // s with caron
    {0x9b, "&rsaquo;"}, {0x9c, "&oelig;"},  {0x9e, "\u017E"},  // z with caron
    {0x9f, "&Yuml;"},   {0xa0, "&nbsp;"},   {0xa1, "&iexcl;"},
    {0xa2, "&cent;"},   {0xa3, "&pound;"},  {0xa4, "&curren;"},
    {0xa5, "&yen;"},    {0xa6, "&brvbar;"}, {0xa7, "&sect;"},
    {0xa8, "&uml;"},    {0xa9, "&copy;"},   {0xaa, "&ordf;"},
    {0xab, "&laquo;"},  {0xac, "&not;"},    {0xad, "&shy;"},
    {0xae, "&reg;"},    {0xaf, "&macr;"},   {0xb0, "&deg;"},
    {0xb1, "&plusmn;"}, {0xb2, "&sup2;"},   {0xb3, "&sup3;"},
    {0xb4, "&acute;"},  {0xb5, "&micro;"},  {0xb6, "&para;"},
    {0xb7, "&middot;"}, {0xb8, "&cedil;"},  {0xb9, "&sup1;"},
    {0xba, "&ordm;"},   {0xbb, "&raquo;"},  {0xbc, "&frac14;"},
    {0xbd, "&frac12;"}, {0xbe, "&frac34;"}, {0xbf, "&iquest;"},
    {0xc0, "&Agrave;"}, {0xc1, "&Aacute;"}, {0xc2, "&Acirc;"},
    {0xc3, "&Atilde;"}, {0xc4, "&Auml;"},   {0xc5, "&Aring;"},
    {0xc6, "&AElig;"},  {0xc7, "&Ccedil;"}, {0xc8, "&Egrave;"},
    {0xc9, "&Eacute;"}, {0xca, "&Ecirc;"},  {0xcb, "&Euml;"},
    {0xcc, "&Igrave;"}, {0xcd, "&Iacute;"}, {0xce, "&Icirc;"},
    {0xcf, "&Iuml;"},   {0xd0, "&ETH;"},    {0xd1, "&Ntilde;"},
    {0xd2, "&Ograve;"}, {0xd3, "&Oacute;"}, {0xd4, "&Ocirc;"},
    {0xd5, "&Otilde;"}, {0xd6, "&Ouml;"},   {0xd7, "&times;"},
    {0xd8, "&Oslash;"}, {0xd9, "&Ugrave;"}, {0xda, "&Uacute;"},
    {0xdb, "&Ucirc;"},  {0xdc, "&Uuml;"},   {0xdd, "&Yacute;"},
    {0xde, "&THORN;"},  {0xdf, "&szlig;"},  {0xe0, "&agrave;"},
    {0xe1, "&aacute;"}, {0xe2, "&acirc;"},  {0xe3, "&atilde;"},
    {0xe4, "&auml;"},   {0xe5, "&aring;"},  {0xe6, "&aelig;"},
    {0xe7, "&ccedil;"}, {0xe8, "&egrave;"}, {0xe9, "&eacute;"},
    {0xea, "&ecirc;"},  {0xeb, "&euml;"},   {0xec, "&igrave;"},
    {0xed, "&iacute;"}, {0xee, "&icirc;"},  {0xef, "&iuml;"},
    {0xf0, "&eth;"},    {0xf1, "&ntilde;"}, {0xf2, "&ograve;"},
    {0xf3, "&oacute;"}, {0xf4, "&ocirc;"},  {0xf5, "&otilde;"},
    {0xf6, "&ouml;"},   {0xf7, "&divide;"}, {0xf8, "&oslash;"},
    {0xf9, "&ugrave;"}, {0xfa, "&uacute;"}, {0xfb, "&ucirc;"},
    {0xfc, "&uuml;"},   {0xfd, "&yacute;"}, {0xfe, "&thorn;"},
    {0xff, "&yuml;"},
};

// Codes 01-7F (but for nothing), 81, 8D, 8F, 90 and 9D have no row: they give nothing.
constexpr std::array<std::string_view, 256> makeLookup() {
  std::array<std::string_view, 256> lookup{};
  for (const EntityRow& row : kEntities) lookup[row.code] = row.text;
  return lookup;
}

constexpr auto kLookup = makeLookup();

}  // namespace

std::string_view entityForHex(std::string_view hex) {
  if (hex.size() != 2) return {};
  const int high = hexDigitValue(hex[0]);
  const int low = hexDigitValue(hex[1]);
  if (high < 0 || low < 0) return {};
  return kLookup[static_cast<std::size_t>(high * 16 + low)];
}

}  // namespace quillmark
