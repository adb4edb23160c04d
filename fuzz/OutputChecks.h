// Properties of the converter's output that hold for every input, checked by the fuzz
// targets on top of the sanitizers' checks. A broken property prints what broke with the
// document and the output, and aborts, so libFuzzer keeps the input as a crash.
//
// Document text is written to the output as it is, so a '<' or '&' in the text would look
// like a tag or an entity. The targets therefore turn the bytes '<', '>' and '&' of every
// document into '[', ']' and '+' before converting it (documentText in FuzzInput.h): the
// converter treats all six alike, as plain text, so nothing is lost. ('>' goes too because a
// font name is copied from the document into its font tag, which must end at its first '>'.)
// That leaves "\uN" escapes, which can still write a '<' or '&'; fakeMarkup() finds the
// documents where one might, and the tag or entity checks are skipped for those few.
#pragma once

#include <optional>
#include <string_view>

namespace quillmark::fuzz {

[[noreturn]] void fail(std::string_view what, std::u16string_view rtf, std::u16string_view html);

struct FakeMarkup {
  bool tags = false;      // a "\uN" that writes '<' may reach the output
  bool entities = false;  // a "\uN" that writes '&' may reach the output
};

// Looks for "\u" escapes of '<' and '&' in the text the converter will walk: the document
// with its outer braces and the groups it cuts out (tables, style sheet, information, list
// tables) removed, done as the converter does it. Cutting a group can join the text on
// either side of it, so looking at the raw document is not enough; every "\u" escape the
// converter acts on is a piece of that text, as the text it puts back in front of a line
// (entities, tabs, the trade-mark escape's RTF) holds no backslash followed by "u".
FakeMarkup fakeMarkup(std::u16string_view rtf);

struct MarkupRules {
  bool tags = true;             // check the tags (false when fakeMarkup() found fake ones)
  bool entities = true;         // check the entities (likewise)
  bool lineBreaks = false;      // "+CR" was given: a CR-LF follows every "<br>" and "</li>"
  bool noFaces = false;         // "-FF" was given: no font face may appear
  bool links = false;           // "+A" was given: links may appear
  std::optional<int> baseSize;  // the "+F=" size, when known: no font tag may name it
};

// The output is made of text, entities from the converter's table, and tags from its closed
// vocabulary (quillmark/html.h, which the checks read), "<br>" on its own and these elements:
//   <b> <i> <u> <s> <sup> <sub> <li>                                  and their closing tags
//   <font[ face="NAME"][ color="#HEX"][ size=N]>                      closed by </font>
//   <table width=100%><tr><td align="center"> (or align="right")      closed by </td></tr></table>
//   <a href="ADDRESS">, with "+A" only                                closed by </a>
// NAME is a font name from the table (no ';', at most kMaxFontNameLength units), HEX six to
// nine upper-case hexadecimal digits (three components of at most 999), N a size 1 to 8,
// and a font tag has at least one attribute. ADDRESS has an http, https, ftp or mailto
// scheme and holds '&', '<', '>' and '"' only as entities. With "+CR" a CR-LF follows every "<br>",
// and every "</li>" but those among the closing tags that end the output.
//
// Every closing tag closes an open element of its kind, and every element opened is closed
// by the end. None is empty: between an opening tag and its closing tag there is text (an
// entity counts as text), since tags are written only just before a text run.
//
// Proper nesting, a closing tag always closing the innermost open element, is checked only
// with QUILLMARK_FUZZ_STRICT_NESTING=1 in the environment, because the converter does not
// always keep it: an element waiting outside an alignment block that has not opened yet
// (an alignment asked for before the first text, with no "\pard") opens at the next
// paragraph around elements already open inside it, and is closed after them. "\qc\b p\par t"
// gives "<b>p<br><table width=100%><tr><td align="center">t</b></td></tr></table>"
// (tests/regression/alignment-opens-around-open-bold.rtf).
void checkMarkup(std::u16string_view html, const MarkupRules& rules, std::u16string_view rtf);

// Plain lines survive. In a document that holds none of the words that make the converter
// cut or skip text ("\colortbl", "\fonttbl", "\stylesheet", "\info", "\listtable",
// "\listoverridetable", "\pict", "\*", "\pntext", "\pntxta", "\pntxtb"), every line (cut at
// CR-LF) that holds no backslash and no brace is one text run, and text runs are written as
// they are: so the line, less the blanks, CRs and LFs at its ends, appears in the output,
// the lines in their order. `firstTokenSkipped` is for a converter left owing one skipped
// token by its last conversion: the first such line is then not looked for.
void checkPlainLinesKept(std::u16string_view rtf, std::u16string_view html, bool firstTokenSkipped);

// Both checks above on one conversion: its markup, where no escape in the document could fake
// any (fakeMarkup decides; `rules.tags` and `rules.entities` are set from it), and its plain
// lines.
void checkConversion(std::u16string_view rtf, std::u16string_view html, MarkupRules rules,
                     bool firstTokenSkipped);

// rewriteForWeb gives what four plain replacements in turn give, with the breaks inside each
// "<pre>" block then turned into line ends.
void checkWebRewrite(std::u16string_view html);

// encodeUtf8 gives the UTF-8 of the text, a lone surrogate as U+FFFD.
void checkUtf8(std::u16string_view text);

// decodeWindows1252 gives one unit per byte by the code page.
void checkWindows1252(std::string_view bytes);

}  // namespace quillmark::fuzz
