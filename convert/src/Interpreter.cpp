// Gives the document's control words their meaning and writes text runs. Control words only
// change attributes, request elements and mark them for closing; the tags due are written
// just before the next non-blank run of text.
#include <algorithm>
#include <limits>

#include "Engine.h"

namespace quillmark {

using namespace std::string_view_literals;
namespace {

constexpr std::u16string_view kNbsp = u"&nbsp;"sv;
constexpr std::u16string_view kCenterTag = u"<table width=100%><tr><td align=\"center\">"sv;
constexpr std::u16string_view kRightTag = u"<table width=100%><tr><td align=\"right\">"sv;

// Assumes the token is not all blanks (it begins with a backslash or a brace).
std::u16string_view trimBlanks(std::u16string_view token) {
  while (token.front() == u' ') token.remove_prefix(1);
  while (token.back() == u' ') token.remove_suffix(1);
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
    s.pendingBreakHtml += u"<br>"sv;
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

void align(ConversionState& s, std::u16string_view tag) {
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
}

void hexCharacter(ConversionState& s, std::u16string_view hex) {
  const std::u16string_view text = entityForHex(hex);
  if (text.starts_with(kRtfMarker)) {
    s.lineRest.prepend(u" "sv);
    s.lineRest.prepend(text.substr(kRtfMarker.size()));
  } else {
    s.lineRest.prepend(text);
  }
}

// "\u" with an optional "sv-" and digits: one UTF-16 unit, and its fallback dropped.
void unicodeCharacter(ConversionState& s, std::u16string_view digits) {
  const bool negative = digits.front() == u'-';
  std::int64_t n = 0;
  for (char16_t c : digits.substr(negative ? 1 : 0)) {
    if (!isDigit(c)) return;
    n = std::min<std::int64_t>(n * 10 + (c - u'0'), std::int64_t{1} << 32);
  }
  n = std::clamp<std::int64_t>(negative ? -n : n, std::numeric_limits<std::int32_t>::min(),
                               std::numeric_limits<std::int32_t>::max());
  const std::int64_t code = n < 0 ? n + 65536 : n;

  // The fallback: units of plain text or "\'xx" escapes, never a group or a control word.
  for (std::int32_t skipped = 0; skipped < s.unicodeSkip; ++skipped) {
    const std::u16string_view rest = s.lineRest.view();
    if (rest.empty() || rest[0] == u'{' || rest[0] == u'}') break;
    if (rest[0] == u'\\') {
      if (rest.size() < 2 || rest[1] != u'\'') break;
      s.lineRest.removeFront(std::min<std::size_t>(rest.size(), 4));
    } else {
      s.lineRest.removeFront(1);
    }
  }
  if (code < 1 || code > 0xFFFF) return;
  // A backslash or brace goes back escaped, so it is read as text and not as RTF.
  const char16_t c = static_cast<char16_t>(code);
  const char16_t escaped[2] = {u'\\', c};
  if (c == u'\\' || c == u'{' || c == u'}') {
    s.lineRest.prepend({escaped, 2});
  } else {
    s.lineRest.prepend({&c, 1});
  }
}

// The word's parameter after `prefix`, when the word starts with it and the rest is numeric.
std::optional<std::int32_t> parameter(std::u16string_view word, std::u16string_view prefix) {
  if (!word.starts_with(prefix)) return std::nullopt;
  return numericValue(word.substr(prefix.size()));
}

bool isSignedDigits(std::u16string_view text) {
  if (text.starts_with(u'-')) text.remove_prefix(1);
  return !text.empty() && std::all_of(text.begin(), text.end(), isDigit);
}

void controlWord(ConversionState& s, std::u16string_view word) {
  if (word == u"}"sv) return groupEnd(s);
  if (word.size() < 2) return;  // "{" and a lone backslash
  switch (word[1]) {
    case u'\'':
      return hexCharacter(s, word.substr(2));
    case u'b':
      if (word == u"\\b"sv) return switchOn(s, Element::Bold);
      if (word == u"\\bullet"sv) return request(s, Element::ListItem);
      if (word == u"\\b0"sv) return switchOff(s, Element::Bold);
      return;
    case u'c':
      if (word == u"\\cf0"sv) return resetColor(s);
      if (const auto n = parameter(word, u"\\cf"sv)) return selectColor(s, *n);
      if (word == u"\\cell"sv) return s.lineRest.prepend(u"\t"sv);
      return;
    case u'f':
      if (const auto n = parameter(word, u"\\fs"sv)) return selectFontSize(s, *n);
      if (const auto n = parameter(word, u"\\f"sv)) return selectFontFace(s, *n);
      return;
    case u'i':
      if (word == u"\\i"sv) return switchOn(s, Element::Italic);
      if (word == u"\\i0"sv) return switchOff(s, Element::Italic);
      return;
    case u'l':
      if (word == u"\\line"sv) {
        s.pendingBreakHtml += u"<br>"sv;
        s.pendingBreakHtml += s.lineBreak;
      }
      return;  // every other "\l" word: left alignment, list levels, languages
    case u'n':
      if (word == u"\\nosupersub"sv) {
        switchOff(s, Element::Sub, true);
        switchOff(s, Element::Super, true);
      } else if (word == u"\\nestcell"sv) {
        s.lineRest.prepend(u"\t"sv);
      } else if (word == u"\\nestrow"sv) {
        paragraphEnd(s);
      }
      return;
    case u'p':
      if (word == u"\\par"sv) return paragraphEnd(s);
      if (word == u"\\pard"sv) return paragraphReset(s);
      if (word == u"\\plain"sv) {
        killElements(s, std::nullopt, Kind::G);
        return resetFontState(s);
      }
      if (word == u"\\pnlvlblt"sv) {
        if (!isPending(s, Element::ListItem)) request(s, Element::ListItem);
        return;
      }
      if (word == u"\\pntxta"sv || word == u"\\pntxtb"sv) {
        s.skipTokens = 1;  // the text after or before a list number
        return;
      }
      if (word == u"\\pntext"sv && !isPending(s, Element::ListItem)) {
        // Everything open closes and reopens inside the new list item.
        request(s, Element::ListItem);
        reopenInner(s, std::nullopt);
        killElements(s, std::nullopt, std::nullopt);
      }
      return;
    case u'q':
      if (word == u"\\qc"sv) return align(s, kCenterTag);
      if (word == u"\\qr"sv) return align(s, kRightTag);
      return;  // left and justified paragraphs get no block
    case u'r':
      if (word == u"\\row"sv) paragraphEnd(s);
      return;
    case u's':
      if (word == u"\\strike"sv) return switchOnOutermost(s, Element::Strike);
      if (word == u"\\strike0"sv) return switchOff(s, Element::Strike);
      if (word == u"\\super"sv) return switchOnOutermost(s, Element::Super);
      if (word == u"\\sub"sv) return switchOnOutermost(s, Element::Sub);
      return;
    case u't':
      if (word == u"\\tab"sv) s.lineRest.prepend(u"\t"sv);
      return;
    case u'u':
      if (word == u"\\ul"sv) return switchOn(s, Element::Underline);
      if (word == u"\\ulnone"sv) return switchOff(s, Element::Underline);
      if (const auto n = parameter(word, u"\\uc"sv)) {
        s.unicodeSkip = std::clamp(*n, 0, kMaxUnicodeSkip);
        return;
      }
      if (isSignedDigits(word.substr(2))) return unicodeCharacter(s, word.substr(2));
      return;
    default:
      return;  // a control word this engine has no use for
  }
}

// Nothing requested, every element on the stack open and none marked, and the font on the
// stack already the current one.
bool isSettled(const ConversionState& s) {
  if (!s.pending.empty()) return false;
  for (const TagEntry& e : s.tagStack) {
    if (e.kind != Kind::A && e.kind != Kind::G) return false;
  }
  return sameText(openFontTagOnStack(s), s.fontTag);
}

void textRun(ConversionState& s, std::u16string_view text) {
  if (text == u"\\{"sv || text == u"\\\\"sv || text == u"\\}"sv) text.remove_prefix(1);
  if (std::all_of(text.begin(), text.end(), [](char16_t c) { return c == u' '; })) {
    // Written at once, in front of any tags and breaks still pending.
    if (s.atParagraphStart) {
      appendReplacingAll(s.htmlOut, text, u" "sv, kNbsp);
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

bool isControlToken(std::u16string_view token) {
  const char16_t first = token[0];
  if (first == u'{' || first == u'}') return true;
  if (first != u'\\') return false;
  return token.size() < 2 || (token[1] != u'\\' && token[1] != u'{' && token[1] != u'}');
}

}  // namespace

void interpretToken(ConversionState& s, std::u16string_view token) {
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
