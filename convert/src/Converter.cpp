// The one entry of the engine: reads the options, prepares the text (outer group stripped,
// tables read, unwanted groups cut out), walks it line by line and token by token, drops the
// tokens of skipped groups, and assembles the result. Also the small state-keeping
// operations the interpreter calls back.
#include <algorithm>

#include "Engine.h"
#include "quillmark/convert.h"

namespace quillmark {
namespace {

constexpr std::u16string_view kCrLf = u"\r\n";

bool contains(std::u16string_view text, std::u16string_view part) {
  return text.find(part) != std::u16string_view::npos;
}

// Replaces each CR-LF CR-LF by one CR-LF in place, left to right, without overlap.
void collapseBlankLines(std::u16string& text) {
  constexpr std::u16string_view kTwo = u"\r\n\r\n";
  char16_t* data = text.data();
  const std::u16string_view all(data, text.size());
  std::size_t write = 0;
  std::size_t read = 0;
  for (std::size_t at = all.find(kTwo); at != std::u16string_view::npos;
       at = all.find(kTwo, read)) {
    write = std::copy(data + read, data + at + 2, data + write) - data;
    read = at + 4;
  }
  if (read == 0) return;
  write = std::copy(data + read, data + all.size(), data + write) - data;
  text.resize(write);
}

// The skip rule: drops the content of picture groups, of groups that begin with "\*", and of
// bullet-text groups (whose "\pntext" still reaches the interpreter). Returns whether the
// token goes on to the interpreter.
bool passesSkipRule(ConversionState& s, std::u16string_view token) {
  if (s.skipGroupDepth > 0) {
    if (token == u"{") {
      ++s.skipGroupDepth;
    } else if (token == u"}") {
      --s.skipGroupDepth;
    }
    return false;
  }
  if (token == u"\\pict" || token == u"\\*") {
    s.skipGroupDepth = 1;
    return false;
  }
  if (token == u"\\pntext") s.skipGroupDepth = 1;
  return true;
}

}  // namespace

void readOptions(ConversionState& s, std::u16string_view options) {
  s.lineBreak = contains(options, u"+CR") ? kCrLf : std::u16string_view();
  if (const std::size_t f = options.find(u"+F="); f != std::u16string_view::npos) {
    std::int32_t size = 0;
    for (std::size_t i = f + 3; i < options.size() && isDigit(options[i]); ++i) {
      size = std::min<std::int32_t>(size * 10 + (options[i] - u'0'), kMaxBaseFontSize);
    }
    s.baseFontSize = static_cast<std::int16_t>(size);
  }
  s.fontFacesOn = !contains(options, u"-FF");
}

std::u16string cutGroup(std::u16string& text, std::size_t position) {
  // Positions below count from 1, as in the description of the scans; text[p - 1] is unit p.
  const std::ptrdiff_t n = static_cast<std::ptrdiff_t>(text.size());
  const std::ptrdiff_t pos = static_cast<std::ptrdiff_t>(position) + 1;

  // Backward to the opening brace; running off the front counts as closing a level.
  std::ptrdiff_t a = pos;
  for (int depth = 1; depth > 0;) {
    --a;
    if (a < 1) {
      --depth;
    } else if (text[a - 1] == u'}') {
      ++depth;
    } else if (text[a - 1] == u'{') {
      --depth;
    }
  }
  const std::ptrdiff_t start = std::max<std::ptrdiff_t>(a - 1, 1);

  // Forward to the matching closing brace; the text's last unit is never examined.
  std::ptrdiff_t b = pos;
  for (int depth = 1; depth > 0;) {
    ++b;
    if (b >= n) {
      --depth;
    } else if (text[b - 1] == u'{') {
      ++depth;
    } else if (text[b - 1] == u'}') {
      --depth;
    }
  }
  const std::ptrdiff_t end = std::min(b + 1, n);

  // The group is units start+1 .. end-1; units 1..start and end..n stay.
  std::u16string group;
  if (end - 1 >= start + 1) group.assign(text, start, end - 1 - start);
  text.erase(std::min<std::ptrdiff_t>(start, n), std::max<std::ptrdiff_t>(end - 1 - start, 0));
  collapseBlankLines(text);
  return group;
}

void resetStacks(ConversionState& s) {
  s.tagStack.clear();
  trimPendingTo(s, std::nullopt);
}

void trimPendingTo(ConversionState& s, std::optional<Element> closeTag) {
  auto& pending = s.pending;
  const auto it =
      !closeTag ? pending.end()
                : std::find_if(pending.begin(), pending.end(),
                               [&](const PendingRequest& r) { return r.closeTag == *closeTag; });
  if (it == pending.end()) {
    pending.clear();
  } else {
    pending.erase(pending.begin(), it);
  }
}

void removeFirstPending(ConversionState& s) {
  if (!s.pending.empty()) s.pending.erase(s.pending.begin());
}

void resetFontState(ConversionState& s) {
  s.fontTag.clear();
  s.alignTag = {};
  s.fontColor.clear();
  s.fontFace.clear();
  s.fontSize.clear();
  s.fontSizeNumber = 0;
}

std::u16string closeAll(const ConversionState& s) {
  std::u16string tags;
  for (auto it = s.tagStack.rbegin(); it != s.tagStack.rend(); ++it) {
    if (it->opened) tags += closingTag(it->tag);
  }
  return tags;
}

std::u16string convertRtfToHtml(ConversionState& s, std::u16string_view rtf,
                                std::u16string_view options) {
  resetStacks(s);
  s.atParagraphStart = true;
  s.reopenAll = false;
  s.htmlOut.clear();
  s.htmlOut.reserve(rtf.size() + rtf.size() / 4);  // most documents give less than that
  s.unicodeSkip = 1;
  readOptions(s, options);

  std::u16string_view trimmed = trimLineEnds(rtf);
  if (trimmed.size() >= 2 && trimmed.front() == u'{' && trimmed.back() == u'}') {
    trimmed = trimmed.substr(1, trimmed.size() - 2);
  }
  std::u16string working(trimmed);
  s.hasListTable = contains(working, u"\\list\\");

  // The tables are read from their groups; the other groups are cut and thrown away.
  if (const std::size_t at = working.find(u"\\colortbl"); at != std::u16string::npos) {
    readColorTable(cutGroup(working, at), s.colorTable);
  }
  if (const std::size_t at = working.find(u"\\fonttbl"); at != std::u16string::npos) {
    readFontTable(cutGroup(working, at), s.fontTable);
  }
  for (const std::u16string_view group :
       {u"\\stylesheet", u"\\info", u"\\listtable", u"\\listoverridetable"}) {
    if (const std::size_t at = working.find(group); at != std::u16string::npos)
      cutGroup(working, at);
  }

  s.skipGroupDepth = 0;
  for (std::u16string_view rest = working; !rest.empty();) {
    s.lineRest.assign(nextLine(rest));
    while (!s.lineRest.empty()) {
      const std::u16string_view token = nextToken(s.lineRest);
      if (passesSkipRule(s, token)) interpretToken(s, token);
    }
  }

  // Breaks after the last text run are dropped; every element still open is closed.
  const std::u16string closers = closeAll(s);
  const std::u16string breaks =
      replaceAll(replaceAll(s.pendingBreakHtml, u"<br>", u""), kCrLf, u"");
  s.htmlOut += s.pendingCloseHtml;
  s.htmlOut += breaks;
  s.htmlOut += closers;
  s.pendingCloseHtml.clear();
  s.pendingBreakHtml.clear();
  s.pendingOpenHtml.clear();
  std::u16string result = std::move(s.htmlOut);
  s.htmlOut.clear();
  resetFontState(s);
  return result;
}

Converter::Converter() : state_(std::make_unique<ConversionState>()) {}
Converter::~Converter() = default;
Converter::Converter(Converter&&) noexcept = default;
Converter& Converter::operator=(Converter&&) noexcept = default;

std::u16string Converter::convertRtfToHtml(std::u16string_view rtf, std::u16string_view options) {
  return quillmark::convertRtfToHtml(*state_, rtf, options);
}

}  // namespace quillmark
