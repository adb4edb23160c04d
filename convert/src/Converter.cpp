// The one entry of the engine: reads the options, prepares the text (outer group stripped,
// tables read, unwanted groups cut out), walks it line by line and token by token, drops the
// tokens of skipped groups, and assembles the result. Also the small state-keeping
// operations the interpreter calls back.
#include <algorithm>

#include "Engine.h"
#include "quillmark/convert.h"

namespace quillmark {

using namespace std::string_view_literals;
namespace {

constexpr std::u16string_view kCrLf = u"\r\n"sv;
constexpr std::size_t npos = std::u16string_view::npos;

bool contains(std::u16string_view text, std::u16string_view part) {
  return findText(text, part) != std::u16string_view::npos;
}

// Replaces each CR-LF CR-LF by one CR-LF, left to right, so three in a row become two.
void collapseBlankLines(std::u16string& text) { replaceAllInPlace(text, u"\r\n\r\n"sv, kCrLf); }

// The skip rule: drops the content of picture groups, of groups that begin with "\*", and of
// bullet-text groups (whose "\pntext" still reaches the interpreter). Returns whether the
// token goes on to the interpreter.
bool passesSkipRule(ConversionState& s, std::u16string_view token) {
  if (s.skipGroupDepth > 0) {
    if (token == u"{"sv) {
      ++s.skipGroupDepth;
    } else if (token == u"}"sv && --s.skipGroupDepth == 0) {
      --s.groupDepth;  // the interpreter saw the group open but does not see it close
      if (s.readingFieldInstruction) fieldInstructionEnd(s);
      return false;
    }
    if (s.readingFieldInstruction) fieldInstructionToken(s, token);
    return false;
  }
  if (token == u"\\pict"sv || token == u"\\*"sv) {
    s.skipGroupDepth = 1;
    if (s.linksOn && token == u"\\*"sv) {
      s.readingFieldInstruction = true;
      s.fieldInstructionStarted = false;
      s.fieldInstructionDepth = 0;
      s.fieldInstruction.clear();
    }
    return false;
  }
  if (token == u"\\pntext"sv) s.skipGroupDepth = 1;
  return true;
}

}  // namespace

void readOptions(ConversionState& s, std::u16string_view options) {
  s.lineBreak = contains(options, u"+CR"sv) ? kCrLf : std::u16string_view();
  if (const std::size_t f = findText(options, u"+F="sv); f != std::u16string_view::npos) {
    std::int32_t size = 0;
    for (std::size_t i = f + 3; i < options.size() && isDigit(options[i]); ++i) {
      size = std::min<std::int32_t>(size * 10 + (options[i] - u'0'), kMaxBaseFontSize);
    }
    s.baseFontSize = static_cast<std::int16_t>(size);
  }
  s.fontFacesOn = !contains(options, u"-FF"sv);
  s.linksOn = contains(options, u"+A"sv);
}

GroupRange findGroup(std::u16string_view text, std::size_t position) {
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

  // The group is units start+1 .. end-1, that is offsets start .. end-2.
  const auto first = static_cast<std::size_t>(std::min(start, n));
  return {first, std::max(first, static_cast<std::size_t>(std::max<std::ptrdiff_t>(end - 1, 0)))};
}

std::u16string cutGroup(std::u16string& text, std::size_t position) {
  const GroupRange range = findGroup(text, position);
  std::u16string group = text.substr(range.begin, range.end - range.begin);
  text.erase(range.begin, range.end - range.begin);
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

void resetFontState(ConversionState& s) {
  s.fontTag = {};
  s.alignTag = {};
  s.fontColor.clear();
  s.fontFace = {};
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

namespace {

// The text being converted: a window on the caller's buffer. A group is cut out by moving
// whichever side of it is shorter, so cutting the tables near the start costs little.
// Unlike cutGroup, a cut leaves the blank lines in the text alone: nextLine skips any run of
// line breaks, so collapsing them would cost a pass over the text for nothing. Only the
// font table, cut after the colour table, is read from collapsed text (see below).
class WorkingText {
 public:
  explicit WorkingText(std::u16string text) : buffer_(std::move(text)), end_(buffer_.size()) {}

  std::u16string_view view() const { return {buffer_.data() + begin_, end_ - begin_}; }

  void narrow(std::u16string_view part) {
    begin_ = static_cast<std::size_t>(part.data() - buffer_.data());
    end_ = begin_ + part.size();
  }

  // Cuts out the group around `position` (an offset into view()) and returns it.
  std::u16string cut(std::size_t position) {
    const GroupRange range = findGroup(view(), position);
    char16_t* const base = buffer_.data() + begin_;
    std::u16string group(base + range.begin, base + range.end);
    const std::size_t length = range.end - range.begin;
    if (range.begin < view().size() - range.end) {
      std::copy_backward(base, base + range.begin, base + range.end);
      begin_ += length;
    } else {
      std::copy(base + range.end, buffer_.data() + end_, base + range.begin);
      end_ -= length;
    }
    return group;
  }

 private:
  std::u16string buffer_;
  std::size_t begin_ = 0;
  std::size_t end_;
};

}  // namespace

std::u16string convertRtfToHtml(ConversionState& s, std::u16string rtf,
                                std::u16string_view options) {
  resetStacks(s);
  s.fontTags.clear();  // nothing refers to them any more
  s.atParagraphStart = true;
  s.reopenAll = false;
  s.htmlOut.clear();
  // Room for the output of any real document: growing by doubling would copy it and, for a
  // moment, hold it twice. Pages reserved and never written cost nothing.
  s.htmlOut.reserve(2 * rtf.size());
  adviseHugePages(s.htmlOut.data(), s.htmlOut.capacity() * sizeof(char16_t));
  s.unicodeSkip = 1;
  readOptions(s, options);

  WorkingText working(std::move(rtf));
  std::u16string_view trimmed = trimLineEnds(working.view());
  if (trimmed.size() >= 2 && trimmed.front() == u'{' && trimmed.back() == u'}') {
    trimmed = trimmed.substr(1, trimmed.size() - 2);
  }
  working.narrow(trimmed);
  s.hasListTable = contains(working.view(), u"\\list\\"sv);

  // The tables are read from their groups; the other groups are cut and thrown away.
  const std::size_t colorAt = findText(working.view(), u"\\colortbl"sv);
  if (colorAt != npos) readColorTable(working.cut(colorAt), s.colorTable);
  if (const std::size_t at = findText(working.view(), u"\\fonttbl"sv); at != npos) {
    // Cutting the colour table collapses blank lines in the text left, the font table too:
    // a font name can hold one.
    std::u16string group = working.cut(at);
    if (colorAt != npos) collapseBlankLines(group);
    readFontTable(group, s.fontTable);
  }
  for (const std::u16string_view group :
       {u"\\stylesheet"sv, u"\\info"sv, u"\\listtable"sv, u"\\listoverridetable"sv}) {
    if (const std::size_t at = findText(working.view(), group); at != npos) working.cut(at);
  }

  s.skipGroupDepth = 0;
  s.groupDepth = 0;
  s.readingFieldInstruction = false;
  s.fieldAddress = {};
  s.links.clear();
  s.linkTag = {};
  s.linkTags.clear();
  for (std::u16string_view rest = working.view(); !rest.empty();) {
    s.lineRest.assign(nextLine(rest));
    while (!s.lineRest.empty()) {
      const std::u16string_view token = nextToken(s.lineRest);
      if (passesSkipRule(s, token)) interpretToken(s, token);
    }
  }

  // Breaks after the last text run are dropped; every element still open is closed.
  const std::u16string closers = closeAll(s);
  const std::u16string breaks =
      replaceAll(replaceAll(s.pendingBreakHtml, u"<br>"sv, u""sv), kCrLf, u""sv);
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

std::u16string Converter::convertRtfToHtml(std::u16string rtf, std::u16string_view options) {
  return quillmark::convertRtfToHtml(*state_, std::move(rtf), options);
}

}  // namespace quillmark
