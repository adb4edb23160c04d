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
  std::u16string_view text;
};

constexpr EntityRow kEntities[] = {
    {0x00, u"&nbsp;"},   {0x80, u"&euro;"},   {0x82, u"&sbquo;"},
    {0x83, u"&fnof;"},   {0x84, u"&bdquo;"},  {0x85, u"..."},
    {0x86, u"&dagger;"}, {0x87, u"&Dagger;"}, {0x88, u"&circ;"},
    {0x89, u"&permil;"}, {0x8a, u"\u0160"},                       // S with caron: no HTML 4 entity
    {0x8b, u"&lsaquo;"}, {0x8c, u"&OElig;"},  {0x8e, u"\u017D"},  // Z with caron
    {0x91, u"&lsquo;"},  {0x92, u"&rsquo;"},  {0x93, u"&ldquo;"},
    {0x94, u"&rdquo;"},  {0x95, u"&bull;"},   {0x96, u"&ndash;"},
    {0x97, u"&mdash;"},  {0x98, u"&tilde;"},  {0x99, u"<rtf>:\\super TM\\nosupersub"},
    {0x9a, u"\u0161"},                                            // s with caron
    {0x9b, u"&rsaquo;"}, {0x9c, u"&oelig;"},  {0x9e, u"\u017E"},  // z with caron
    {0x9f, u"&Yuml;"},   {0xa0, u"&nbsp;"},   {0xa1, u"&iexcl;"},
    {0xa2, u"&cent;"},   {0xa3, u"&pound;"},  {0xa4, u"&curren;"},
    {0xa5, u"&yen;"},    {0xa6, u"&brvbar;"}, {0xa7, u"&sect;"},
    {0xa8, u"&uml;"},    {0xa9, u"&copy;"},   {0xaa, u"&ordf;"},
    {0xab, u"&laquo;"},  {0xac, u"&not;"},    {0xad, u"&shy;"},
    {0xae, u"&reg;"},    {0xaf, u"&macr;"},   {0xb0, u"&deg;"},
    {0xb1, u"&plusmn;"}, {0xb2, u"&sup2;"},   {0xb3, u"&sup3;"},
    {0xb4, u"&acute;"},  {0xb5, u"&micro;"},  {0xb6, u"&para;"},
    {0xb7, u"&middot;"}, {0xb8, u"&cedil;"},  {0xb9, u"&sup1;"},
    {0xba, u"&ordm;"},   {0xbb, u"&raquo;"},  {0xbc, u"&frac14;"},
    {0xbd, u"&frac12;"}, {0xbe, u"&frac34;"}, {0xbf, u"&iquest;"},
    {0xc0, u"&Agrave;"}, {0xc1, u"&Aacute;"}, {0xc2, u"&Acirc;"},
    {0xc3, u"&Atilde;"}, {0xc4, u"&Auml;"},   {0xc5, u"&Aring;"},
    {0xc6, u"&AElig;"},  {0xc7, u"&Ccedil;"}, {0xc8, u"&Egrave;"},
    {0xc9, u"&Eacute;"}, {0xca, u"&Ecirc;"},  {0xcb, u"&Euml;"},
    {0xcc, u"&Igrave;"}, {0xcd, u"&Iacute;"}, {0xce, u"&Icirc;"},
    {0xcf, u"&Iuml;"},   {0xd0, u"&ETH;"},    {0xd1, u"&Ntilde;"},
    {0xd2, u"&Ograve;"}, {0xd3, u"&Oacute;"}, {0xd4, u"&Ocirc;"},
    {0xd5, u"&Otilde;"}, {0xd6, u"&Ouml;"},   {0xd7, u"&times;"},
    {0xd8, u"&Oslash;"}, {0xd9, u"&Ugrave;"}, {0xda, u"&Uacute;"},
    {0xdb, u"&Ucirc;"},  {0xdc, u"&Uuml;"},   {0xdd, u"&Yacute;"},
    {0xde, u"&THORN;"},  {0xdf, u"&szlig;"},  {0xe0, u"&agrave;"},
    {0xe1, u"&aacute;"}, {0xe2, u"&acirc;"},  {0xe3, u"&atilde;"},
    {0xe4, u"&auml;"},   {0xe5, u"&aring;"},  {0xe6, u"&aelig;"},
    {0xe7, u"&ccedil;"}, {0xe8, u"&egrave;"}, {0xe9, u"&eacute;"},
    {0xea, u"&ecirc;"},  {0xeb, u"&euml;"},   {0xec, u"&igrave;"},
    {0xed, u"&iacute;"}, {0xee, u"&icirc;"},  {0xef, u"&iuml;"},
    {0xf0, u"&eth;"},    {0xf1, u"&ntilde;"}, {0xf2, u"&ograve;"},
    {0xf3, u"&oacute;"}, {0xf4, u"&ocirc;"},  {0xf5, u"&otilde;"},
    {0xf6, u"&ouml;"},   {0xf7, u"&divide;"}, {0xf8, u"&oslash;"},
    {0xf9, u"&ugrave;"}, {0xfa, u"&uacute;"}, {0xfb, u"&ucirc;"},
    {0xfc, u"&uuml;"},   {0xfd, u"&yacute;"}, {0xfe, u"&thorn;"},
    {0xff, u"&yuml;"},
};

// Codes 01-7F (but for nothing), 81, 8D, 8F, 90 and 9D have no row: they give nothing.
constexpr std::array<std::u16string_view, 256> makeLookup() {
  std::array<std::u16string_view, 256> lookup{};
  for (const EntityRow& row : kEntities) lookup[row.code] = row.text;
  return lookup;
}

constexpr auto kLookup = makeLookup();

}  // namespace

std::u16string_view entityForHex(std::u16string_view hex) {
  if (hex.size() != 2) return {};
  const int high = hexDigitValue(hex[0]);
  const int low = hexDigitValue(hex[1]);
  if (high < 0 || low < 0) return {};
  return kLookup[static_cast<std::size_t>(high * 16 + low)];
}

}  // namespace quillmark
