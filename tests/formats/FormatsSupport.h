// What the formats' tests share: real fragments made by the engine from small RTF documents.
#pragma once

#include <string>
#include <string_view>

#include "quillmark/convert.h"
#include "quillmark/formats.h"

namespace quillmark::testing {

// A document in the edit control's dialect: fonts MS Sans Serif (f0), Courier (f1) and Arial
// (f2); colours red (cf1), green (cf2); then `body` after "\pard\f0\fs20 ".
inline std::u16string rtfDocument(std::u16string_view body) {
  std::u16string rtf =
      u"{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss MS Sans Serif;}{\\f1\\fmodern Courier;}"
      u"{\\f2\\fswiss Arial;}}\r\n"
      u"{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green128\\blue0;}\r\n"
      u"\\pard\\f0\\fs20 ";
  rtf += body;
  rtf += u"\r\n}\r\n";
  return rtf;
}

// What "Copy to Web" makes of that document.
inline std::u16string webFragment(std::u16string_view body) {
  return rewriteForWeb(Converter{}.convertRtfToHtml(rtfDocument(body), kWebOptions));
}

inline std::string utf8(std::u16string_view s) { return encodeUtf8(s); }

}  // namespace quillmark::testing
