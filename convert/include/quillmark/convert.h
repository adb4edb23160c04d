// Quillmark conversion engine: rich text (RTF) in, a compact forum HTML fragment out.
//
// The engine reads the RTF that a rich-text edit control writes: colour and font tables,
// bold, italic, underline, strike-through, superscript and subscript, font face, colour and
// size, centred and right-aligned paragraphs, bullets, "\'xx" and "\uN" characters, and with
// "+A" hyperlink fields. Everything else is ignored. It writes tags late, just before the
// next run of visible text, so the fragment holds no empty elements, and every closing tag
// closes an element opened before it.
// Elements nest properly but in one case: an alignment asked for in the middle of a
// paragraph (or before the first text, without "\pard") opens only at the next paragraph,
// around elements already open, and closes after them.
//
// Text model: every string is a sequence of 16-bit units (UTF-16 code units, not checked for
// pairing). RTF is in principle 7-bit text; a file's bytes are turned into units with
// decodeWindows1252 and the result is turned into bytes with encodeUtf8.
// A document's bytes can also be converted as they are, to UTF-8, without 16-bit text on the
// way (convertRtfToHtml8): the same conversion at half the memory, for the command line.
//
// The engine never fails: every input, however malformed, gives a string, and it takes time
// and memory linear in the size of the input.
#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace quillmark {

struct ConversionState;

// Converts RTF documents to HTML fragments.
//
// Options are a string searched for four flags, in any order and run together:
//   "+CR"    write a CR-LF after every "<br>" and after every "</li>";
//   "+F=<n>" the HTML font size <n> is the page's base size: fonts of that size get no
//            size attribute (kept for later conversions when a later option string lacks it);
//   "-FF"    drop font faces;
//   "+A"     links: the result of a hyperlink field, {\field{\*\fldinst HYPERLINK "ADDRESS"}
//            {\fldrslt TEXT}} (with or without quotes, with switches such as \l, \o "tip"),
//            becomes <a href="ADDRESS">TEXT</a>, the address escaped (& < > " as entities).
//            Only http, https, ftp and mailto addresses (in any case) make links; any other
//            address keeps its text and makes no link. Links never nest: a link inside
//            another closes the outer one, which reopens after it. Without "+A" a field is the
//            text of its result.
// "Copy to Web" uses kWebOptions.
//
// The elements written, the whole vocabulary of the output (quillmark/html.h holds it as a
// table, one row per element): "<br>", <b> <i> <u> <s> <sup>
// <sub> <li> and their closing tags, <font[ face="NAME"][ color="#HEX"][ size=N]> ...
// </font>, <table width=100%><tr><td align="center"> (or "right") ... </td></tr></table>,
// and with "+A" <a href="ADDRESS"> ... </a>; entities from the engine's table; the rest is
// the document's text as it is.
//
// One converter remembers a little between conversions, as the forum tool always has: the
// colour table and the font table of the last document that had one, the "+F=" base size, and
// a pending count of tokens to skip. Two converters share nothing. A converter is not
// thread-safe; use one per thread.
class Converter {
 public:
  Converter();
  ~Converter();
  Converter(Converter&&) noexcept;
  Converter& operator=(Converter&&) noexcept;
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Takes the RTF text by value and works in its buffer: move it in when it is not needed
  // afterwards.
  std::u16string convertRtfToHtml(std::u16string rtf, std::u16string_view options);

  // The same conversion for a document's bytes, read as Windows-1252, in a buffer the
  // converter may change (groups are cut out of it in place). The result is the same text as
  // 8-bit text: each unit the UTF-8 sequence of its value, a surrogate unit on its own.
  // That is UTF-8 unless the document writes surrogates with "\u"; pairSurrogates makes it
  // UTF-8 exactly as encodeUtf8 would. rewriteForWeb takes it as it is, and fromUtf8 gives
  // the 16-bit result back unit for unit.
  std::string convertRtfToHtml8(std::span<char> windows1252, std::u16string_view options);

 private:
  std::unique_ptr<ConversionState> state_;
};

// The option string "Copy to Web" passes to the converter.
inline constexpr std::u16string_view kWebOptions = u"+CR+A";

// The fixed-column markers: the editor's Fixed Columns tool writes them around a block of
// column-aligned text, and rewriteForWeb turns them into "<pre>" and "</pre>".
inline constexpr std::u16string_view kFixedBegin = u"{Begin Fixed}";
inline constexpr std::u16string_view kFixedEnd = u"{End Fixed}";

// The finishing touches of "Copy to Web", applied to the converter's output: removes the face
// attribute of the two standard fonts (MS Sans Serif and Courier) and turns the fixed-column
// markers kFixedBegin and kFixedEnd into "<pre>" and "</pre>". Then, between each "<pre>" and
// the next "</pre>", a "<br>" followed by CR-LF loses the "<br>" and one not followed by
// CR-LF becomes CR-LF, since a preformatted block shows its line ends; outside the blocks
// nothing else changes. Works in place on the string it is given (move it in).
std::u16string rewriteForWeb(std::u16string html);
// The same for the 8-bit text (or UTF-8) of convertRtfToHtml8.
std::string rewriteForWeb(std::string html);

// Whether the RTF was written by another program than the rich-text edit control whose
// dialect the engine reads (or this editor, which writes that dialect). Such RTF may lose
// text here: word processors write control symbols and words that carry or glue text and
// that the engine ignores, with the text next to them. The rule, cheap and exact:
//   - a "{\*\generator NAME;}" group decides when there is one: a NAME none of whose words
//     is the edit control's ("Riched...", "Msftedit...", in any case, as in "Riched20 10.0"
//     or "Wine Riched20 2.0") is another program;
//   - without one, the document is another program's when it holds one of the control
//     symbols "\~", "\-", "\_" or the words "\rtlch", "\ltrch", "\hich", "\loch", "\dbch",
//     "\pgdsctbl", "\upr".
// Returns one line for the user, UTF-8, with no program name in front and no line end, such
// as "the document was written by LibreOffice/7.3, whose RTF this converter reads only in
// part: some text may be lost; without --engine it is converted in full"; empty for the
// edit control's RTF. quillmark-convert prints it on standard error, after its name, when
// --engine converts; the output stays the engine's. One pass, stopping at the
// first sign.
std::string foreignRtfNotice(std::u16string_view rtf);
// The same for a document's Windows-1252 bytes.
std::string foreignRtfNotice(std::string_view windows1252);

// One unit per byte, by the Windows-1252 code page. The five bytes that code page leaves
// undefined (81, 8D, 8F, 90, 9D) become the C1 control characters of the same value.
std::u16string decodeWindows1252(std::string_view bytes);

// UTF-8 bytes for UTF-16 units: a surrogate pair becomes one character, a lone surrogate
// becomes U+FFFD.
std::string encodeUtf8(std::u16string_view text);

// For the 8-bit text of convertRtfToHtml8: pairSurrogates makes it UTF-8 in place (a high
// and a low surrogate unit next to each other become one character, any other surrogate
// U+FFFD, as encodeUtf8 does), and fromUtf8 gives its 16-bit units (surrogates included).
void pairSurrogates(std::string& text);
std::u16string fromUtf8(std::string_view text);

}  // namespace quillmark
