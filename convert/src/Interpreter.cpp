// Gives the document's control words their meaning and writes text runs. Control words only
// change attributes, request elements and mark them for closing; the tags due are written
// just before the next non-blank run of text.
#include <algorithm>
#include <limits>

#include "Engine.h"

namespace quillmark {

using html::Element;

using namespace std::string_view_literals;
namespace {

// Assumes the token is not all blanks (it begins with a backslash or a brace).
std::string_view trimBlanks(std::string_view token) {
  while (token.front() == ' ') token.remove_prefix(1);
  while (token.back() == ' ') token.remove_suffix(1);
  return token;
}

void request(ConversionState& s, Element e) { requestElement(s, e, fixedOpeningTag(e)); }

// Bold, italic, underline: requested unless already open somewhere on the stack.
void switchOn(ConversionState& s, Element e) {
  if (!isOnStack(s, e, true)) request(s, e);
}

// Strike-through, superscript, subscript look only at the outermost stack entry.
void switchOnOutermost(ConversionState& s, Element e) {
  const bool outermostIsOpenE =
      !s.tagStack.empty() && s.tagStack.front().tag == e && !s.tagStack.front().openTag.empty();
  if (!outermostIsOpenE) request(s, e);
}

void switchOff(ConversionState& s, Element e, bool openOnly = false) {
  if (isOnStack(s, e, openOnly)) {
    reopenInner(s, e);
    killElements(s, e, std::nullopt);
  }
  if (isPending(s, e)) cancelPending(s, e);
}

void paragraphEnd(ConversionState& s) {
  if (isOnStack(s, Element::ListItem, false)) {
    // The closed list item ends the line; no break.
    killElements(s, Element::ListItem, std::nullopt);
    cancelPending(s, Element::ListItem);
  } else {
    s.pendingBreakHtml += html::kBreak;
    s.pendingBreakHtml += s.lineBreak;
  }
  s.atParagraphStart = true;
  s.reopenAll = true;
}

void paragraphReset(ConversionState& s) {
  for (TagEntry& e : s.tagStack) {
    if (e.kind == Kind::G || e.kind == Kind::PG) e.kind = Kind::K;
  }
  if (!s.hasListTable && isOnStack(s, Element::ListItem, false)) {
    killElements(s, Element::ListItem, std::nullopt);
    cancelPending(s, Element::ListItem);
  }
  s.reopenAll = true;
}

void align(ConversionState& s, std::string_view tag) {
  if (isPending(s, Element::Align)) {
    // The paragraph's first alignment word wins; its tag is kept.
    replacePendingOpen(s, Element::Align, s.alignTag);
    return;
  }
  s.alignTag = tag;
  requestElement(s, Element::Align, s.alignTag);
}

void groupEnd(ConversionState& s) {
  killElements(s, std::nullopt, Kind::G);
  trimPendingTo(s, Element::ListItem);
  resetFontState(s);
  if (s.linksOn) linkGroupEnd(s);
  --s.groupDepth;
}

void hexCharacter(ConversionState& s, std::string_view hex) {
  const std::string_view text = entityForHex(hex);
  if (text.starts_with(kRtfMarker)) {
    s.lineRest.prepend(" "sv);
    s.lineRest.prepend(text.substr(kRtfMarker.size()));
  } else {
    s.lineRest.prepend(text);
  }
}

// "\u" with an optional "-" and digits: one 16-bit unit, and its fallback dropped.
void unicodeCharacter(ConversionState& s, std::string_view digits) {
  const bool negative = digits.front() == '-';
  std::int64_t n = 0;
  for (char c : digits.substr(negative ? 1 : 0)) {
    if (!isDigit(c)) return;
    n = std::min<std::int64_t>(n * 10 + (c - '0'), std::int64_t{1} << 32);
  }
  n = std::clamp<std::int64_t>(negative ? -n : n, std::numeric_limits<std::int32_t>::min(),
                               std::numeric_limits<std::int32_t>::max());
  const std::int64_t code = n < 0 ? n + 65536 : n;

  // The fallback: units of plain text or "\'xx" escapes, never a group or a control word.
  for (std::int32_t skipped = 0; skipped < s.unicodeSkip; ++skipped) {
    const std::string_view rest = s.lineRest.view();
    if (rest.empty() || rest[0] == '{' || rest[0] == '}') break;
    if (rest[0] == '\\') {
      if (rest.size() < 2 || rest[1] != '\'') break;
      s.lineRest.removeFront(2 + unitsLength(rest.substr(2), 2));
    } else {
      s.lineRest.removeFront(unitsLength(rest, 1));
    }
  }
  if (code < 1 || code > 0xFFFF) return;
  // A backslash or brace goes back escaped, so it is read as text and not as RTF.
  std::string unit;
  if (code == '\\' || code == '{' || code == '}') unit += '\\';
  appendUnit(unit, static_cast<char16_t>(code));
  s.lineRest.prepend(unit);
}

bool isSignedDigits(std::string_view text) {
  if (text.starts_with('-')) text.remove_prefix(1);
  return !text.empty() && std::all_of(text.begin(), text.end(), isDigit);
}

// How a row of the control-word table matches a word.
enum class Match : std::uint8_t {
  Word,          // the word exactly
  Number,        // the prefix, then a numeric parameter (numericValue)
  SignedDigits,  // the prefix, then an optional '-' and decimal digits
  Prefix,        // the prefix, then anything
  Anything,      // every word: the last row
};

// What a handler is given: the word's text after the row's prefix, and its numeric value
// for Match::Number.
struct Argument {
  std::string_view rest;
  std::int32_t number;
};
using Handler = void (*)(ConversionState&, Argument);

struct ControlWord {
  std::string_view word;  // the word, or the prefix, backslash included
  Match match;
  Handler handler;
};

void lineBreak(ConversionState& s, Argument) {
  s.pendingBreakHtml += html::kBreak;
  s.pendingBreakHtml += s.lineBreak;
}
void tabCharacter(ConversionState& s, Argument) { s.lineRest.prepend("\t"sv); }
void plain(ConversionState& s, Argument) {
  killElements(s, std::nullopt, Kind::G);
  resetFontState(s);
}
void listLevelBullet(ConversionState& s, Argument) {
  if (!isPending(s, Element::ListItem)) request(s, Element::ListItem);
}
void bulletText(ConversionState& s, Argument) {
  if (isPending(s, Element::ListItem)) return;
  // Everything open closes and reopens inside the new list item.
  request(s, Element::ListItem);
  reopenInner(s, std::nullopt);
  killElements(s, std::nullopt, std::nullopt);
}
void noSuperSub(ConversionState& s, Argument) {
  switchOff(s, Element::Sub, true);
  switchOff(s, Element::Super, true);
}
void ignore(ConversionState&, Argument) {}

template <Element e>
void on(ConversionState& s, Argument) {
  switchOn(s, e);
}
template <Element e>
void onOutermost(ConversionState& s, Argument) {
  switchOnOutermost(s, e);
}
template <Element e>
void off(ConversionState& s, Argument) {
  switchOff(s, e);
}

// The control words the engine reads, and what each does. The first row that matches a
// word wins, so "\cf0" comes before "\cfN". Words that share their second unit stand
// together, for the reader.
// clang-format off
constexpr std::array kControlWords = {
    ControlWord{"{",          Match::Word,         [](ConversionState& s, Argument) { ++s.groupDepth; }},
    ControlWord{"}",          Match::Word,         [](ConversionState& s, Argument) { groupEnd(s); }},
    ControlWord{"\\'",        Match::Prefix,       [](ConversionState& s, Argument a) { hexCharacter(s, a.rest); }},
    ControlWord{"\\b",        Match::Word,         on<Element::Bold>},
    ControlWord{"\\bullet",   Match::Word,         [](ConversionState& s, Argument) { request(s, Element::ListItem); }},
    ControlWord{"\\b0",       Match::Word,         off<Element::Bold>},
    ControlWord{"\\cf0",      Match::Word,         [](ConversionState& s, Argument) { resetColor(s); }},
    ControlWord{"\\cf",       Match::Number,       [](ConversionState& s, Argument a) { selectColor(s, a.number); }},
    ControlWord{"\\cell",     Match::Word,         tabCharacter},
    ControlWord{"\\fldrslt",  Match::Word,         [](ConversionState& s, Argument) { fieldResult(s); }},
    ControlWord{"\\fs",       Match::Number,       [](ConversionState& s, Argument a) { selectFontSize(s, a.number); }},
    ControlWord{"\\f",        Match::Number,       [](ConversionState& s, Argument a) { selectFontFace(s, a.number); }},
    ControlWord{"\\i",        Match::Word,         on<Element::Italic>},
    ControlWord{"\\i0",       Match::Word,         off<Element::Italic>},
    ControlWord{"\\line",     Match::Word,         lineBreak},
    ControlWord{"\\nosupersub", Match::Word,       noSuperSub},
    ControlWord{"\\nestcell", Match::Word,         tabCharacter},
    ControlWord{"\\nestrow",  Match::Word,         [](ConversionState& s, Argument) { paragraphEnd(s); }},
    ControlWord{"\\par",      Match::Word,         [](ConversionState& s, Argument) { paragraphEnd(s); }},
    ControlWord{"\\pard",     Match::Word,         [](ConversionState& s, Argument) { paragraphReset(s); }},
    ControlWord{"\\plain",    Match::Word,         plain},
    ControlWord{"\\pnlvlblt", Match::Word,         listLevelBullet},
    ControlWord{"\\pntxta",   Match::Word,         [](ConversionState& s, Argument) { s.skipTokens = 1; }},  // the text after
    ControlWord{"\\pntxtb",   Match::Word,         [](ConversionState& s, Argument) { s.skipTokens = 1; }},  // or before a list number
    ControlWord{"\\pntext",   Match::Word,         bulletText},
    ControlWord{"\\qc",       Match::Word,         [](ConversionState& s, Argument) { align(s, html::kCentreTag); }},
    ControlWord{"\\qr",       Match::Word,         [](ConversionState& s, Argument) { align(s, html::kRightTag); }},
    ControlWord{"\\row",      Match::Word,         [](ConversionState& s, Argument) { paragraphEnd(s); }},
    ControlWord{"\\strike",   Match::Word,         onOutermost<Element::Strike>},
    ControlWord{"\\strike0",  Match::Word,         off<Element::Strike>},
    ControlWord{"\\super",    Match::Word,         onOutermost<Element::Super>},
    ControlWord{"\\sub",      Match::Word,         onOutermost<Element::Sub>},
    ControlWord{"\\tab",      Match::Word,         tabCharacter},
    ControlWord{"\\ul",       Match::Word,         on<Element::Underline>},
    ControlWord{"\\ulnone",   Match::Word,         off<Element::Underline>},
    ControlWord{"\\uc",       Match::Number,       [](ConversionState& s, Argument a) { s.unicodeSkip = std::clamp(a.number, 0, kMaxUnicodeSkip); }},
    ControlWord{"\\u",       Match::SignedDigits, [](ConversionState& s, Argument a) { unicodeCharacter(s, a.rest); }},
    // Anything else is ignored: a lone backslash, left and justified alignment, list
    // levels, languages, and every word this engine has no use for.
    ControlWord{"",           Match::Anything,     ignore},
};
// clang-format on

// Finding a word's row. The table is read as two hash tables made when the program is
// compiled: the words that match exactly (Match::Word), and the prefixes that take a
// parameter. A word is looked up whole among the first, then by its name among the second:
// the backslash and the letters after it ("\cf" of "\cf12"), or the backslash and the one
// character after it when that is no letter ("\'"). That finds the row the table's order
// finds, one comparison instead of a scan of the group: a prefix row only matches a word
// whose parameter starts with no letter, so its name is the prefix; what is left to check is
// that no word row is passed over in the table's order for a prefix row that would take it
// (kWordsComeFirst below).

constexpr bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

constexpr std::string_view nameOf(std::string_view word) {
  if (word.size() < 2 || word[0] != '\\') return word;
  std::size_t end = 2;
  if (isLetter(word[1])) {
    while (end < word.size() && isLetter(word[end])) ++end;
  }
  return word.substr(0, end);
}

// FNV-1a: short words, few collisions, no tables of its own.
constexpr std::uint32_t hashOf(std::string_view word) {
  std::uint32_t h = 2166136261u;
  for (const char c : word) h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
  return h;
}

constexpr std::size_t kSlots = 128;  // a power of two, well above the table's rows
constexpr std::uint8_t kEmpty = 0xFF;
using RowIndex = std::array<std::uint8_t, kSlots>;

// Open addressing: each row in the first free slot from its hash on.
constexpr RowIndex indexRows(bool words) {
  RowIndex index{};
  for (std::uint8_t& slot : index) slot = kEmpty;
  for (std::size_t i = 0; i + 1 < kControlWords.size(); ++i) {
    if ((kControlWords[i].match == Match::Word) != words) continue;
    std::size_t slot = hashOf(kControlWords[i].word) % kSlots;
    while (index[slot] != kEmpty) slot = (slot + 1) % kSlots;
    index[slot] = static_cast<std::uint8_t>(i);
  }
  return index;
}
constexpr RowIndex kWordRows = indexRows(true);
constexpr RowIndex kPrefixRows = indexRows(false);

constexpr int findRow(const RowIndex& index, std::string_view word) {
  for (std::size_t slot = hashOf(word) % kSlots;; slot = (slot + 1) % kSlots) {
    if (index[slot] == kEmpty) return -1;
    if (kControlWords[index[slot]].word == word) return index[slot];
  }
}

// A word row that starts with an earlier prefix row's prefix, followed by no letter, would be
// taken by that row in the table's order; every such word row must come first ("\cf0"
// before "\cf").
constexpr bool wordsComeFirst() {
  for (std::size_t w = 0; w + 1 < kControlWords.size(); ++w) {
    if (kControlWords[w].match != Match::Word) continue;
    const std::string_view word = kControlWords[w].word;
    for (std::size_t p = 0; p < w; ++p) {
      const std::string_view prefix = kControlWords[p].word;
      if (kControlWords[p].match == Match::Word || !word.starts_with(prefix)) continue;
      if (word.size() == prefix.size() || !isLetter(word[prefix.size()])) return false;
    }
  }
  return kControlWords.back().match == Match::Anything && kControlWords.size() < kSlots / 2;
}
static_assert(wordsComeFirst(), "a word row must come before the prefix rows that match it");

bool matches(const ControlWord& row, std::string_view word, Argument& argument) {
  argument.rest = word.substr(row.word.size());
  switch (row.match) {
    case Match::Number: {
      const auto n = numericValue(argument.rest);
      if (!n) return false;
      argument.number = *n;
      return true;
    }
    case Match::SignedDigits:
      return isSignedDigits(argument.rest);
    case Match::Word:
    case Match::Prefix:
    case Match::Anything:
      return true;
  }
  return false;
}

void controlWord(ConversionState& s, std::string_view word) {
  if (const int row = findRow(kWordRows, word); row >= 0) {
    return kControlWords[row].handler(s, {{}, 0});
  }
  if (const int row = findRow(kPrefixRows, nameOf(word)); row >= 0) {
    Argument argument{{}, 0};
    if (matches(kControlWords[row], word, argument)) {
      return kControlWords[row].handler(s, argument);
    }
  }
  kControlWords.back().handler(s, {{}, 0});
}

// Nothing requested, every element on the stack open and none marked, and the font on the
// stack already the current one.
bool isSettled(const ConversionState& s) {
  if (!s.pending.empty()) return false;
  for (const TagEntry& e : s.tagStack) {
    if (e.kind != Kind::A && e.kind != Kind::G) return false;
  }
  return sameText(openFontTagOnStack(s), s.fontTag) &&
         (!s.linksOn || sameText(openLinkTagOnStack(s), s.linkTag));
}

void textRun(ConversionState& s, std::string_view text) {
  if (text == "\\{"sv || text == "\\\\"sv || text == "\\}"sv) text.remove_prefix(1);
  if (std::all_of(text.begin(), text.end(), [](char c) { return c == ' '; })) {
    // Written at once, in front of any tags and breaks still pending.
    if (s.atParagraphStart) {
      appendReplacingAll(s.htmlOut, text, " "sv, html::kNoBreakSpace);
    } else {
      s.htmlOut += text;
    }
    return;
  }
  if (isSettled(s)) {
    // The closing pass, committing and opening would do nothing.
    s.htmlOut += s.pendingBreakHtml;
    s.htmlOut += text;
    s.pendingBreakHtml.clear();
    s.reopenAll = false;
    s.atParagraphStart = false;
    return;
  }
  closeKilled(s, s.pendingCloseHtml);
  commitPending(s);
  if (s.reopenAll) {
    openAllPending(s, s.pendingOpenHtml);
    s.reopenAll = false;
  } else {
    openPendingAbove(s, Element::Align, s.pendingOpenHtml);
  }
  compactStacks(s);
  s.htmlOut += s.pendingCloseHtml;
  s.htmlOut += s.pendingBreakHtml;
  s.htmlOut += s.pendingOpenHtml;
  s.htmlOut += text;
  s.pendingCloseHtml.clear();
  s.pendingBreakHtml.clear();
  s.pendingOpenHtml.clear();
  s.atParagraphStart = false;
}

bool isControlToken(std::string_view token) {
  const char first = token[0];
  if (first == '{' || first == '}') return true;
  if (first != '\\') return false;
  return token.size() < 2 || (token[1] != '\\' && token[1] != '{' && token[1] != '}');
}

}  // namespace

void interpretToken(ConversionState& s, std::string_view token) {
  if (s.skipTokens > 0) {
    --s.skipTokens;
    return;
  }
  if (isControlToken(token)) {
    controlWord(s, trimBlanks(token));
  } else {
    textRun(s, token);
  }
}

}  // namespace quillmark
