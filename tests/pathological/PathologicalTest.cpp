// Pathological inputs, one row each: a generator, a cheap property of the output, and a time
// bound. The bound is a generous guard against hangs and quadratic loops, not a benchmark.
// Every row runs on a fresh converter, except SameFontInEveryGroup, which converts the tables
// first and a document that uses them second, on one converter.
//
// Where the output is easy to derive, a row expects it exactly, which bounds its size too.
// Otherwise the output is at most four units for each unit in, plus 4 KB, so that no short
// input makes a huge output; a row whose output may grow more says why, and by how much.
// Tags are checked for proper nesting, or, where the engine may open an outer element after
// an inner one (random input), only for balance.
//
// The internal limits of Engine.h, and the rows that go past each of them:
//   kMaxElements        UnderlineStrikePastLimit (nested strike-through), PendingRequestsPastLimit
//                       (requests with no text), BulletsWithoutText and BulletsThenText (list
//                       items), ListTextReopensEverything (list items nested by "\pntext" and
//                       reopened at every text run), SameFontInEveryGroup (identical fonts
//                       nested by neighbouring groups)
//   kMaxUnicodeSkip     UnicodeSkipPastLimit ("\uc" with a million digits, either sign)
//   kMaxBaseFontSize    BaseSizeWithTenThousandDigits ("+F=" and ten thousand digits)
//   32-bit numbers      MillionDigitFontSizes ("\fs"), NumbersPastThirtyTwoBits ("\cf", "\f"),
//                       UnicodeSkipPastLimit ("\uc"), UnicodeMillionDigits ("\u")
//   kMaxFontNameLength  FontNameOverCutOff (a name four times the cut-off, in every font tag),
//                       FontTableOf100000 (a name of a million units), FontAttributesWithoutText
//                       (160,000 font tags with a cut-off face, none of them written)
//   kLineHeadroom       PutBackOnOneLine (250,000 "\'99" on one line, each putting 21 units
//                       of RTF back in front of it: five million in all), and every row whose
//                       escapes put text back
//
// Sizes are in 16-bit units: "1 MB" is a million units, what a Windows-1252 file of a million
// bytes becomes.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <ostream>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "BuildKind.h"
#include "Engine.h"
#include "quillmark/convert.h"

namespace quillmark {
namespace {

using namespace std::string_view_literals;
using ::testing::AssertionFailure;
using ::testing::AssertionResult;
using ::testing::AssertionSuccess;

constexpr std::size_t kMillion = 1'000'000;

// The time bound of a row in this build: ten times longer unoptimised or sanitized, and
// QUILLMARK_TIME_SCALE multiplies it further (for a slow or busy machine).
double timeBound(double seconds) {
  double scale = kOptimised ? 1.0 : 10.0;
  if (const char* env = std::getenv("QUILLMARK_TIME_SCALE")) {
    char* end = nullptr;
    const double factor = std::strtod(env, &end);
    if (end != env && factor > 0) scale *= factor;
  }
  return seconds * scale;
}

// ---------------------------------------------------------------------------------------
// Building inputs

std::u16string repeat(std::u16string_view piece, std::size_t count) {
  std::u16string text;
  text.reserve(piece.size() * count);
  for (std::size_t i = 0; i < count; ++i) text += piece;
  return text;
}

// Copies of `piece` joined by `separator`.
std::u16string join(std::u16string_view piece, std::size_t count, std::u16string_view separator) {
  std::u16string text;
  text.reserve((piece.size() + separator.size()) * count);
  for (std::size_t i = 0; i < count; ++i) {
    if (i > 0) text += separator;
    text += piece;
  }
  return text;
}

// How many copies of `piece` make at least `units` units.
std::size_t copiesFor(std::u16string_view piece, std::size_t units = kMillion) {
  return (units + piece.size() - 1) / piece.size();
}

std::u16string number(std::size_t n) {
  std::u16string digits;
  for (char c : std::to_string(n)) digits.push_back(static_cast<char16_t>(c));
  return digits;
}

// Letters, never a backslash, brace, blank or ";".
std::u16string letters(std::size_t count) {
  std::u16string text(count, u'a');
  for (std::size_t i = 0; i < count; ++i) text[i] = static_cast<char16_t>(u'a' + i % 26);
  return text;
}

std::u16string document(std::u16string_view body) {
  std::u16string rtf = u"{\\rtf1\\ansi\\deff0 ";
  rtf += body;
  rtf += u'}';
  return rtf;
}

// Colour i of colourTable(): red i % 256, green (i / 256) % 256, blue 7.
std::u16string colourTable(std::size_t colours) {
  std::u16string table = u"{\\colortbl ;";
  for (std::size_t i = 1; i <= colours; ++i) {
    table += u"\\red" + number(i % 256) + u"\\green" + number(i / 256 % 256) + u"\\blue7;";
  }
  table += u'}';
  return table;
}

// Font 0 has `firstName`; font i after it is "Arial i".
std::u16string fontTable(std::size_t fonts, std::u16string_view firstName) {
  std::u16string table = u"{\\fonttbl{\\f0\\fnil ";
  table += firstName;
  table += u";}";
  for (std::size_t i = 1; i < fonts; ++i) {
    table += u"{\\f" + number(i) + u"\\fswiss Arial " + number(i) + u";}";
  }
  table += u'}';
  return table;
}

// Random bytes 0-255 as the program reads them (Windows-1252). '<' is left out: the engine
// copies text as it is, so a '<' from the input could pass for a tag in the checks.
std::u16string randomBytes(std::size_t count, std::uint32_t seed) {
  std::mt19937 random(seed);  // its sequence is fixed by the standard: the same everywhere
  std::string bytes(count, '\0');
  for (char& byte : bytes) {
    const auto value = static_cast<unsigned char>(random() & 0xFF);
    byte = static_cast<char>(value == '<' ? '>' : value);
  }
  return decodeWindows1252(bytes);
}

// The engine's vocabulary drawn at random: formatting words, blocks, groups, escapes, text.
std::u16string randomWords(std::size_t units, std::uint32_t seed) {
  // clang-format off
  static constexpr std::array<std::u16string_view, 46> kWords = {
      u"\\b ", u"\\b0 ", u"\\i ", u"\\i0 ", u"\\ul ", u"\\ulnone ", u"\\strike ", u"\\strike0 ",
      u"\\super ", u"\\sub ", u"\\nosupersub ", u"\\plain ", u"\\pard ", u"\\par ", u"\\par\r\n",
      u"\\line ", u"\\qc ", u"\\qr ", u"\\ql ", u"\\bullet ", u"\\pnlvlblt ",
      u"{\\pntext\\f1\\'B7\\tab}", u"\\pntxta ", u"\\cf1 ", u"\\cf2 ", u"\\cf0 ", u"\\f0 ",
      u"\\f1 ", u"\\fs20 ", u"\\fs40 ", u"{", u"}", u"x", u"yz ", u"  ", u"\\'99", u"\\'e9",
      u"\\tab ", u"\\cell ", u"\\row ", u"\\u8364?", u"\\uc0 ", u"{\\*\\bkmkstart a}",
      u"{\\pict 0123}", u"\r\n", u"\\'"};
  // clang-format on
  std::mt19937 random(seed);
  std::u16string body =
      u"{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\froman Symbol;}}"
      u"{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}\r\n";
  while (body.size() < units) body += kWords[random() % kWords.size()];
  return document(body);
}

// ---------------------------------------------------------------------------------------
// Properties

struct Conversion {
  std::size_t inputSize;
  const std::u16string& html;
};

// Up to 30 units either side of `at`, with anything outside printable ASCII escaped.
std::string excerpt(std::u16string_view text, std::size_t at) {
  const std::size_t from = at > 30 ? at - 30 : 0;
  const std::u16string_view part = text.substr(std::min(from, text.size()), 60);
  std::string shown;
  for (const char16_t c : part) {
    if (c >= 0x20 && c < 0x7F && c != u'\\') {
      shown.push_back(static_cast<char>(c));
    } else {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(c));
      shown += escaped;
    }
  }
  return shown;
}

AssertionResult allOf(std::initializer_list<AssertionResult> results) {
  for (const AssertionResult& result : results) {
    if (!result) return result;
  }
  return AssertionSuccess();
}

AssertionResult sameAs(const std::u16string& html, const std::u16string& expected) {
  if (html == expected) return AssertionSuccess();
  const std::size_t at = static_cast<std::size_t>(
      std::mismatch(html.begin(), html.end(), expected.begin(), expected.end()).first -
      html.begin());
  return AssertionFailure() << "the output (" << html.size() << " units) differs from the "
                            << "expected (" << expected.size() << " units) at unit " << at
                            << ":\n  output   \"" << excerpt(html, at) << "\"\n  expected \""
                            << excerpt(expected, at) << "\"";
}

AssertionResult sizeAtMost(const std::u16string& html, std::size_t limit) {
  if (html.size() <= limit) return AssertionSuccess();
  return AssertionFailure() << "the output has " << html.size() << " units, more than " << limit;
}

// At most four units out for each unit in, and 4 KB: no row may turn a short input into a
// huge output. Rows whose output legitimately grows more say so and set their own bound.
AssertionResult smallMultipleOfInput(const Conversion& c) {
  return sizeAtMost(c.html, 4 * c.inputSize + 4096);
}

std::size_t occurrences(std::u16string_view text, std::u16string_view part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::u16string_view::npos;
       at = text.find(part, at + part.size())) {
    ++count;
  }
  return count;
}

AssertionResult occurs(const std::u16string& html, std::u16string_view part, std::size_t times) {
  const std::size_t found = occurrences(html, part);
  if (found == times) return AssertionSuccess();
  return AssertionFailure() << "\"" << excerpt(part, 0) << "\" occurs " << found
                            << " times, expected " << times;
}

// The engine's elements: an opening tag (a prefix, for the two that carry attributes, up to
// the next ">") and its closing tag.
struct TagPair {
  std::u16string_view open;
  std::u16string_view close;
  bool hasAttributes;
};
constexpr std::array<TagPair, 9> kTagPairs = {{
    {u"<b>", u"</b>", false},
    {u"<i>", u"</i>", false},
    {u"<u>", u"</u>", false},
    {u"<s>", u"</s>", false},
    {u"<sup>", u"</sup>", false},
    {u"<sub>", u"</sub>", false},
    {u"<font", u"</font>", true},
    {u"<li>", u"</li>", false},
    {u"<table width=100%><tr><td align=", u"</td></tr></table>", true},
}};

// Calls onTag(element, isOpening, position) for every tag of the engine's elements, in order.
// Returns false at an opening tag with attributes that never ends.
bool forEachTag(std::u16string_view html,
                const std::function<bool(std::size_t, bool, std::size_t)>& onTag) {
  for (std::size_t at = html.find(u'<'); at != std::u16string_view::npos;
       at = html.find(u'<', at + 1)) {
    const std::u16string_view rest = html.substr(at);
    for (std::size_t e = 0; e < kTagPairs.size(); ++e) {
      const TagPair& pair = kTagPairs[e];
      if (rest.starts_with(pair.close)) {
        if (!onTag(e, false, at)) return false;
        break;
      }
      if (!rest.starts_with(pair.open)) continue;
      if (pair.hasAttributes) {
        const char16_t next = rest.size() > pair.open.size() ? rest[pair.open.size()] : u'\0';
        if (pair.close == u"</font>" && next != u' ' && next != u'>') continue;
        if (rest.find(u'>') == std::u16string_view::npos) return false;
      }
      if (!onTag(e, true, at)) return false;
      break;
    }
  }
  return true;
}

// Every closing tag closes the innermost element still open, and every element is closed by
// the end; the elements never nest deeper than maxDepth.
AssertionResult properlyNested(const std::u16string& html, std::size_t maxDepth = kMaxElements) {
  std::vector<std::size_t> open;
  std::size_t deepest = 0;
  std::size_t badAt = std::u16string::npos;
  const bool complete = forEachTag(html, [&](std::size_t element, bool opening, std::size_t at) {
    if (opening) {
      open.push_back(element);
      deepest = std::max(deepest, open.size());
      return true;
    }
    if (open.empty() || open.back() != element) {
      badAt = at;
      return false;
    }
    open.pop_back();
    return true;
  });
  if (badAt != std::u16string::npos) {
    return AssertionFailure() << "a closing tag does not match the innermost open element, at "
                              << badAt << ": \"" << excerpt(html, badAt) << "\"";
  }
  if (!complete) return AssertionFailure() << "an opening tag never ends";
  if (!open.empty()) {
    return AssertionFailure() << open.size() << " elements are never closed, the innermost "
                              << "opened by \"" << excerpt(kTagPairs[open.back()].open, 0) << "\"";
  }
  if (deepest > maxDepth) {
    return AssertionFailure() << "elements nest " << deepest << " deep, more than " << maxDepth;
  }
  return AssertionSuccess();
}

// A weaker check where the engine may open an outer element after an inner one (an alignment
// committed in the middle of a paragraph opens at the next one): of each element, no closing
// tag comes before an opening tag it closes, and as many close as open.
AssertionResult balanced(const std::u16string& html) {
  std::array<std::size_t, kTagPairs.size()> open{};
  std::size_t badAt = std::u16string::npos;
  const bool complete = forEachTag(html, [&](std::size_t element, bool opening, std::size_t at) {
    if (opening) {
      ++open[element];
    } else if (open[element]-- == 0) {
      badAt = at;
      return false;
    }
    return true;
  });
  if (badAt != std::u16string::npos) {
    return AssertionFailure() << "a closing tag with no open element of its kind, at " << badAt
                              << ": \"" << excerpt(html, badAt) << "\"";
  }
  if (!complete) return AssertionFailure() << "an opening tag never ends";
  for (std::size_t e = 0; e < open.size(); ++e) {
    if (open[e] != 0) {
      return AssertionFailure() << open[e] << " elements opened by \""
                                << excerpt(kTagPairs[e].open, 0) << "\" are never closed";
    }
  }
  return AssertionSuccess();
}

// Breaks after the last text are dropped: behind the closing tags at the end there is none.
AssertionResult noBreakAtEnd(const std::u16string& html) {
  std::u16string_view rest = html;
  for (bool stripped = true; stripped;) {
    stripped = false;
    for (const TagPair& pair : kTagPairs) {
      if (rest.ends_with(pair.close)) {
        rest.remove_suffix(pair.close.size());
        stripped = true;
      }
    }
    if (rest.ends_with(u"\r\n")) {
      rest.remove_suffix(2);
      stripped = true;
    }
  }
  if (!rest.ends_with(u"<br>")) return AssertionSuccess();
  return AssertionFailure() << "the output ends with a break: \"" << excerpt(html, html.size())
                            << "\"";
}

// ---------------------------------------------------------------------------------------
// The table

struct Row {
  const char* name;
  // Converted first on the same converter, when set, so its tables carry over.
  std::function<std::u16string()> before = nullptr;
  std::function<std::u16string()> generate = nullptr;
  std::function<AssertionResult(const Conversion&)> property = nullptr;
  std::u16string options = std::u16string(kWebOptions);
  double seconds = 2.0;
};

void PrintTo(const Row& row, std::ostream* os) { *os << row.name; }

constexpr std::u16string_view kCentre = u"<table width=100%><tr><td align=\"center\">";
constexpr std::u16string_view kAlignEnd = u"</td></tr></table>";

// What the rows repeat, named for what it is.
constexpr std::u16string_view kBoldRun = u"\\b x\\b0 y";
constexpr std::u16string_view kEveryFormat = u"\\b\\i\\ul\\strike\\super\\cf1\\fs40 x\\plain ";
constexpr std::u16string_view kCentredParagraph = u"\\pard\\qc x\\par ";
constexpr std::u16string_view kFontThenPlain = u"\\f0 x\\plain y";
constexpr std::u16string_view kLoremPar = u"Lorem \\b ipsum\\b0  sit\\par ";
constexpr std::u16string_view kLoremCr = u"Lorem \\b ipsum\\b0  sit\r";
constexpr std::u16string_view kLoremLf = u"Lorem \\b ipsum\\b0  sit\n";
constexpr std::u16string_view kBadEscapes = u"a\\'zzb\\'\r\nc\\'3xy\\'3\r\nd\\\r\n\\\r\n\\'\r\n";
constexpr std::u16string_view kNuls = u"a\0b\\'00c\\b\0 d\0"sv;
constexpr std::u16string_view kTrademark = u"\\'99";
constexpr std::u16string_view kUnderlineStrike = u"\\ul x\\strike";
constexpr std::u16string_view kListText = u"{\\pntext}x";
constexpr std::u16string_view kSameFontGroup = u"{\\cf100000\\f99999 x}";

const std::vector<Row>& rows() {
  static const std::vector<Row> kRows = {
      // ----- Groups
      {.name = "NestedOpenBraces",  // 100,000 units: the braces themselves
       .generate = [] { return document(repeat(u"{", 100'000) + u"\\b x"); },
       .property = [](const Conversion& c) { return sameAs(c.html, u"<b>x</b>"); }},
      // A "\*" group that never closes swallows the rest of the document.
      {.name = "StarGroupNeverClosed",
       .generate =
           [] {
             const std::u16string_view piece = u"text \\par more {\\b bold} ";
             return document(u"before {\\*\\generator " + repeat(piece, copiesFor(piece)));
           },
       .property = [](const Conversion& c) { return sameAs(c.html, u"before "); }},
      {.name = "PictureNeverClosed",
       .generate =
           [] {
             const std::u16string line = repeat(u"0123456789abcdef", 8) + u"\r\n";
             return document(u"before {\\pict\\wmetafile8\\picw100 " +
                             repeat(line, copiesFor(line)) + u"{\\b after} after");
           },
       .property = [](const Conversion& c) { return sameAs(c.html, u"before "); }},
      // The first brace ends the bold group; the others close nothing.
      {.name = "ClosingBracesAfterText",  // 100,000 units: the braces themselves
       .generate = [] { return document(u"{\\b some text" + repeat(u"}", 100'000) + u" after"); },
       .property = [](const Conversion& c) { return sameAs(c.html, u"<b>some text</b> after"); }},

      // ----- Formatting
      {.name = "BoldOnOffWithoutText",  // 200,000 pairs, 800,000 units
       .generate = [] { return document(repeat(u"\\b\\b0", 200'000)); },
       .property = [](const Conversion& c) { return sameAs(c.html, u""); }},
      {.name = "BoldRuns",
       .generate = [] { return document(repeat(kBoldRun, copiesFor(kBoldRun))); },
       .property =
           [](const Conversion& c) {
             return sameAs(c.html, repeat(u"<b>x</b>y", copiesFor(kBoldRun)));
           }},
      {.name = "EveryFormatThenPlain",
       .generate = [] { return document(repeat(kEveryFormat, copiesFor(kEveryFormat))); },
       .property =
           [](const Conversion& c) {
             const std::size_t n = copiesFor(kEveryFormat);
             return allOf(
                 {sameAs(
                      c.html,
                      repeat(u"<b><i><u><s><sup><font size=5>x</font></sup></s></u></i></b>", n)),
                  smallMultipleOfInput(c)});
           }},
      // Each paragraph of one letter gets the 60 units of the alignment table around it: up to
      // 67 units for 15, which the 4x bound does not allow; 5x does.
      {.name = "CentredParagraphs",
       .generate = [] { return document(repeat(kCentredParagraph, copiesFor(kCentredParagraph))); },
       .property =
           [](const Conversion& c) {
             const std::u16string paragraph =
                 std::u16string(kCentre) + u"x" + std::u16string(kAlignEnd);
             return allOf(
                 {sameAs(c.html, join(paragraph, copiesFor(kCentredParagraph), u"<br>\r\n")),
                  sizeAtMost(c.html, 5 * c.inputSize)});
           }},
      {.name = "MillionParagraphEnds",  // breaks after the last text are dropped
       .generate = [] { return document(u"x" + repeat(u"\\par", kMillion)); },
       .property = [](const Conversion& c) { return sameAs(c.html, u"x"); }},
      {.name = "MillionParagraphsWithText",
       .generate = [] { return document(u"x" + repeat(u"\\par", kMillion) + u" y"); },
       .property =
           [](const Conversion& c) {
             return sameAs(c.html, u"x" + repeat(u"<br>\r\n", kMillion) + u"y");
           }},
      // Each leading blank of a paragraph becomes "&nbsp;": six units out for one in.
      {.name = "BlanksAtParagraphStart",
       .generate = [] { return document(std::u16string(kMillion, u' ') + u"\\b x"); },
       .property =
           [](const Conversion& c) {
             return allOf({sameAs(c.html, repeat(u"&nbsp;", kMillion) + u"<b>x</b>"),
                           sizeAtMost(c.html, 6 * c.inputSize)});
           }},

      // ----- Control words and numbers
      {.name = "MillionLetterControlWord",
       .generate = [] { return document(u"\\fs" + letters(kMillion) + u" x"); },
       .property = [](const Conversion& c) { return sameAs(c.html, u"x"); }},
      // Held to 32 bits: the largest and smallest sizes; and a fraction of a million digits
      // that rounds 13.99... up to 14 half-points, size 2.
      {.name = "MillionDigitFontSizes",
       .generate =
           [] {
             const std::u16string nines(kMillion, u'9');
             return document(u"\\fs" + nines + u" x\\fs-" + nines + u" y\\fs13." + nines + u" z");
           },
       .property =
           [](const Conversion& c) {
             return sameAs(c.html,
                           u"<font size=8>x</font><font size=1>y</font><font size=2>z</font>");
           }},
      // Colour and font numbers held to 32 bits select nothing.
      {.name = "NumbersPastThirtyTwoBits",
       .generate =
           [] {
             const std::u16string nines(kMillion, u'9');
             return document(u"{\\fonttbl{\\f0\\fnil Arial;}}{\\colortbl ;\\red255;}\\cf" + nines +
                             u" x\\f" + nines + u" y\\cf-" + nines + u" z");
           },
       .property = [](const Conversion& c) { return sameAs(c.html, u"xyz"); }},
      {.name = "BaseSizeWithTenThousandDigits",  // a short document: the options are the point
       .generate = [] { return document(u"\\fs24 x"); },
       .property = [](const Conversion& c) { return sameAs(c.html, u"<font size=3>x</font>"); },
       .options = u"+CR+F=" + std::u16string(10'000, u'7')},

      // ----- Tables
      {.name = "ColourTableOf100000",
       .generate = [] { return document(colourTable(100'000) + u"\\cf1 a\\cf100000 b"); },
       .property =
           [](const Conversion& c) {
             return sameAs(c.html,
                           u"<font color=\"#010007\">a</font><font color=\"#A08607\">b</font>");
           }},
      // Colours with a red component only: green and blue read as 00.
      {.name = "ColourTableRedOnly",
       .generate =
           [] {
             return document(u"{\\colortbl ;" + repeat(u"\\red255;", 100'000) + u"}\\cf100000 x");
           },
       .property =
           [](const Conversion& c) { return sameAs(c.html, u"<font color=\"#FF0000\">x</font>"); }},
      // Without a ";" between them every "\red" starts a colour.
      {.name = "ColourTableWithoutSemicolons",
       .generate =
           [] {
             return document(u"{\\colortbl ;" + repeat(u"\\red255", 100'000) + u";}\\cf100000 x");
           },
       .property =
           [](const Conversion& c) { return sameAs(c.html, u"<font color=\"#FF0000\">x</font>"); }},
      {.name = "FontTableOf100000",
       .generate =
           [] { return document(fontTable(100'000, letters(kMillion)) + u"\\f99999 x\\f0 y"); },
       .property =
           [](const Conversion& c) {
             return sameAs(c.html, u"<font face=\"Arial 99999\">x</font><font face=\"" +
                                       letters(kMaxFontNameLength) + u"\">y</font>");
           }},
      // The cut-off name goes into every font tag: about 22 units out for each unit in, which
      // only the cut-off bounds.
      {.name = "FontNameOverCutOff",
       .generate =
           [] {
             return document(fontTable(1, letters(4 * kMaxFontNameLength)) +
                             repeat(kFontThenPlain, copiesFor(kFontThenPlain)));
           },
       .property =
           [](const Conversion& c) {
             const std::u16string font =
                 u"<font face=\"" + letters(kMaxFontNameLength) + u"\">x</font>y";
             return allOf(
                 {sameAs(c.html, repeat(font, copiesFor(kFontThenPlain))),
                  sizeAtMost(c.html, copiesFor(kFontThenPlain) * (kMaxFontNameLength + 32))});
           }},

      // Every change of colour or size gives a new font tag, up to kMaxFontNameLength units of
      // face in each, though no text ever uses one.
      {.name = "FontAttributesWithoutText",
       .generate =
           [] {
             constexpr std::size_t kColours = 20'000;
             std::u16string body =
                 fontTable(1, letters(4 * kMaxFontNameLength)) + colourTable(kColours) + u"\\f0";
             for (const std::size_t halfPoints : {2, 16, 20, 26, 30, 40, 50, 60}) {
               body += u"\\fs" + number(halfPoints);
               for (std::size_t i = 1; i <= kColours; ++i) body += u"\\cf" + number(i);
             }
             return document(body);
           },
       .property = [](const Conversion& c) { return sameAs(c.html, u""); }},

      // ----- Lines
      {.name = "LongLineNoBreaks",  // ten million units on one line
       .generate = [] { return document(repeat(kLoremPar, copiesFor(kLoremPar, 10 * kMillion))); },
       .property =
           [](const Conversion& c) {
             const std::size_t n = copiesFor(kLoremPar, 10 * kMillion);
             return sameAs(c.html, join(u"Lorem <b>ipsum</b> sit", n, u"<br>\r\n"));
           }},
      // A lone CR or LF is text: it stays in the output, and only the last one, at the end of
      // the document, is trimmed.
      {.name = "LongLineCarriageReturnsOnly",
       .generate = [] { return document(repeat(kLoremCr, copiesFor(kLoremCr, 10 * kMillion))); },
       .property =
           [](const Conversion& c) {
             std::u16string expected =
                 repeat(u"Lorem <b>ipsum</b> sit\r", copiesFor(kLoremCr, 10 * kMillion));
             expected.pop_back();
             return sameAs(c.html, expected);
           }},
      {.name = "LongLineLineFeedsOnly",
       .generate = [] { return document(repeat(kLoremLf, copiesFor(kLoremLf, 10 * kMillion))); },
       .property =
           [](const Conversion& c) {
             std::u16string expected =
                 repeat(u"Lorem <b>ipsum</b> sit\n", copiesFor(kLoremLf, 10 * kMillion));
             expected.pop_back();
             return sameAs(c.html, expected);
           }},

      // ----- Characters
      // "\'" with no digits, one digit or non-hexadecimal ones gives nothing (and takes up to
      // two units after it); a lone backslash is a control word of its own at the start of a
      // line, but text at the end of a text run (the last unit of a line is never examined).
      {.name = "BadEscapes",
       .generate = [] { return document(repeat(kBadEscapes, copiesFor(kBadEscapes)) + u"e\\"); },
       .property =
           [](const Conversion& c) {
             return sameAs(c.html, repeat(u"abcyd\\", copiesFor(kBadEscapes)) + u"e\\");
           }},
      // NUL is text like any other unit, "\'00" a no-break space; in a control word it is part
      // of the word.
      {.name = "NulCharacters",
       .generate = [] { return document(repeat(kNuls, copiesFor(kNuls))); },
       .property =
           [](const Conversion& c) {
             return sameAs(c.html, repeat(u"a\0b&nbsp;cd\0"sv, copiesFor(kNuls)));
           }},
      {.name = "UnicodeSkipPastLimit",
       .generate =
           [] {
             const std::u16string nines(kMillion, u'9');
             return document(u"\\uc" + nines + u" \\u65 abcdefghijklmnopqrstuvwxyz\\par\\uc-" +
                             nines + u" \\u66 abc");
           },
       .property =
           [](const Conversion& c) {
             // kMaxUnicodeSkip (16) letters after the "A" are its fallback; none after the "B".
             return sameAs(c.html, u"Aqrstuvwxyz<br>\r\nBabc");
           }},
      {.name = "UnicodeMillionDigits",
       .generate =
           [] {
             const std::u16string digits = u"1" + std::u16string(kMillion, u'0');
             return document(u"\\u" + digits + u"?after\\par\\u-" + digits + u"?x");
           },
       .property = [](const Conversion& c) { return sameAs(c.html, u"after<br>\r\nx"); }},
      // Each "\'99" puts "\super TM\nosupersub " back in front of the line. "\super" looks
      // only at the outermost element, which is still the superscript just closed, so every
      // other "TM" is plain.
      {.name = "PutBackOnOneLine",
       .generate = [] { return document(repeat(kTrademark, copiesFor(kTrademark))); },
       .property =
           [](const Conversion& c) {
             const std::size_t n = copiesFor(kTrademark);
             return allOf({sameAs(c.html, repeat(u"<sup>TM</sup>TM", n / 2) +
                                              (n % 2 == 1 ? u"<sup>TM</sup>" : u"")),
                           smallMultipleOfInput(c)});
           }},

      // ----- Pending requests and stack entries
      {.name = "UnderlineStrikePastLimit",
       .generate = [] { return document(repeat(kUnderlineStrike, copiesFor(kUnderlineStrike))); },
       .property =
           [](const Conversion& c) {
             const std::size_t n = copiesFor(kUnderlineStrike);
             const std::size_t strikes = kMaxElements - 1;
             return allOf({sameAs(c.html, u"<u>x" + repeat(u"<s>x", strikes) +
                                              repeat(u"x", n - 1 - strikes) +
                                              repeat(u"</s>", strikes) + u"</u>"),
                           properlyNested(c.html)});
           }},
      {.name = "PendingRequestsPastLimit",
       .generate =
           [] {
             const std::u16string_view piece = u"\\b\\i\\ul\\strike\\super\\sub";
             return document(repeat(piece, copiesFor(piece)) + u" x");
           },
       .property =
           [](const Conversion& c) {
             // The first kMaxElements requests, in the order made.
             constexpr std::array<std::u16string_view, 6> kOpen = {u"<b>", u"<i>",   u"<u>",
                                                                   u"<s>", u"<sup>", u"<sub>"};
             constexpr std::array<std::u16string_view, 6> kClose = {u"</b>", u"</i>",   u"</u>",
                                                                    u"</s>", u"</sup>", u"</sub>"};
             std::u16string expected;
             for (std::size_t i = 0; i < kMaxElements; ++i) expected += kOpen[i % 6];
             expected += u"x";
             for (std::size_t i = kMaxElements; i-- > 0;) expected += kClose[i % 6];
             return sameAs(c.html, expected);
           }},
      {.name = "BulletsWithoutText",
       .generate = [] { return document(repeat(u"\\bullet", copiesFor(u"\\bullet"))); },
       .property = [](const Conversion& c) { return sameAs(c.html, u""); }},
      {.name = "BulletsThenText",
       .generate = [] { return document(repeat(u"\\bullet", copiesFor(u"\\bullet")) + u" x"); },
       .property =
           [](const Conversion& c) {
             return sameAs(c.html,
                           repeat(u"<li>", kMaxElements) + u"x" + repeat(u"</li>", kMaxElements));
           }},
      // "\pntext" closes everything open and reopens it inside a new list item; with no "\par"
      // between them the list items nest, up to kMaxElements, and every text run closes and
      // reopens them all. Only the limit bounds the output: per text run, at most kMaxElements
      // elements, each "<li></li>\r\n" (11 units). That is about 140 units out for each one in,
      // so this row is a quarter of the usual size.
      {.name = "ListTextReopensEverything",
       .generate =
           [] { return document(u"y" + repeat(kListText, copiesFor(kListText, kMillion / 4))); },
       .property =
           [](const Conversion& c) {
             const std::size_t runs = copiesFor(kListText, kMillion / 4) + 1;
             return allOf({occurs(c.html, u"x", runs - 1), properlyNested(c.html),
                           noBreakAtEnd(c.html),
                           sizeAtMost(c.html, runs * (kMaxElements * 11 + 1))});
           }},
      // Two neighbouring groups with the same colour and font nest a second, identical font
      // element (the one on the stack is kept); the limit stops the nesting. The tables come
      // from the conversion before.
      {.name = "SameFontInEveryGroup",
       .before =
           [] {
             return document(colourTable(100'000) + fontTable(100'000, letters(kMillion)) + u"x");
           },
       .generate = [] { return document(repeat(kSameFontGroup, copiesFor(kSameFontGroup))); },
       .property =
           [](const Conversion& c) {
             const std::size_t n = copiesFor(kSameFontGroup);
             return allOf(
                 {occurs(c.html, u"x", n),
                  occurs(c.html, u"<font face=\"Arial 99999\" color=\"#A08607\">", kMaxElements),
                  properlyNested(c.html), smallMultipleOfInput(c)});
           }},

      // ----- Random input
      {.name = "RandomBytes",
       .generate = [] { return randomBytes(kMillion, 1); },
       .property =
           [](const Conversion& c) {
             return allOf({balanced(c.html), noBreakAtEnd(c.html), smallMultipleOfInput(c)});
           }},
      {.name = "RandomBytesInDocument",
       .generate = [] { return document(randomBytes(kMillion, 2)); },
       .property =
           [](const Conversion& c) {
             return allOf({balanced(c.html), noBreakAtEnd(c.html), smallMultipleOfInput(c)});
           }},
      {.name = "RandomWords",
       .generate = [] { return randomWords(kMillion, 3); },
       .property =
           [](const Conversion& c) {
             return allOf({balanced(c.html), noBreakAtEnd(c.html), smallMultipleOfInput(c)});
           }},
  };
  return kRows;
}

class Pathological : public ::testing::TestWithParam<Row> {};

// Converts on `converter`, failing the test when it takes longer than the row's bound.
std::u16string convertWithinBound(Converter& converter, std::u16string rtf, const Row& row) {
  const std::size_t size = rtf.size();
  const double bound = timeBound(row.seconds);
  const auto start = std::chrono::steady_clock::now();
  std::u16string html = converter.convertRtfToHtml(std::move(rtf), row.options);
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  EXPECT_LE(took.count(), bound) << row.name << ": " << size << " units in";
  std::printf("[ %s ] %zu units in, %zu out, %.3f s (bound %.0f s)\n", row.name, size, html.size(),
              took.count(), bound);
  return html;
}

TEST_P(Pathological, ConvertsWithinBounds) {
  const Row& row = GetParam();
  Converter converter;
  if (row.before) convertWithinBound(converter, row.before(), row);
  std::u16string rtf = row.generate();
  const std::size_t size = rtf.size();
  const std::u16string html = convertWithinBound(converter, std::move(rtf), row);
  EXPECT_TRUE(row.property(Conversion{size, html}));
}

INSTANTIATE_TEST_SUITE_P(Rows, Pathological, ::testing::ValuesIn(rows()),
                         [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace quillmark
