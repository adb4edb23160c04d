// The one entry of the engine: reads the options, prepares the text (outer group stripped,
// tables read, unwanted groups cut out), walks it line by line and token by token, drops the
// tokens of skipped groups, and assembles the result. Also the small state-keeping
// operations the interpreter calls back.
#include <algorithm>

#include "Engine.h"
#include "quillmark/convert.h"

namespace quillmark {

using html::Element;

using namespace std::string_view_literals;
namespace {

constexpr std::string_view kCrLf = "\r\n"sv;
constexpr std::size_t npos = std::string_view::npos;

bool contains(std::string_view text, std::string_view part) {
  return findText(text, part) != std::string_view::npos;
}

// Replaces each CR-LF CR-LF by one CR-LF, left to right, so three in a row become two.
void collapseBlankLines(std::string& text) { replaceAllInPlace(text, "\r\n\r\n"sv, kCrLf); }

// The skip rule: drops the content of picture groups, of groups that begin with "\*", and of
// bullet-text groups (whose "\pntext" still reaches the interpreter). Returns whether the
// token goes on to the interpreter.
bool passesSkipRule(ConversionState& s, std::string_view token) {
  if (s.skipGroupDepth > 0) {
    if (token == "{"sv) {
      ++s.skipGroupDepth;
    } else if (token == "}"sv && --s.skipGroupDepth == 0) {
      --s.groupDepth;  // the interpreter saw the group open but does not see it close
      if (s.readingFieldInstruction) fieldInstructionEnd(s);
      return false;
    }
    if (s.readingFieldInstruction) fieldInstructionToken(s, token);
    return false;
  }
  if (token == "\\pict"sv || token == "\\*"sv) {
    s.skipGroupDepth = 1;
    if (s.linksOn && token == "\\*"sv) {
      s.readingFieldInstruction = true;
      s.fieldInstructionStarted = false;
      s.fieldInstructionDepth = 0;
      s.fieldInstruction.clear();
      s.fieldInstructionUnits = 0;
    }
    return false;
  }
  if (token == "\\pntext"sv) s.skipGroupDepth = 1;
  return true;
}

}  // namespace

void readOptions(ConversionState& s, std::string_view options) {
  s.lineBreak = contains(options, "+CR"sv) ? kCrLf : std::string_view();
  if (const std::size_t f = findText(options, "+F="sv); f != std::string_view::npos) {
    std::int32_t size = 0;
    for (std::size_t i = f + 3; i < options.size() && isDigit(options[i]); ++i) {
      size = std::min<std::int32_t>(size * 10 + (options[i] - '0'), kMaxBaseFontSize);
    }
    s.baseFontSize = static_cast<std::int16_t>(size);
  }
  s.fontFacesOn = !contains(options, "-FF"sv);
  s.linksOn = contains(options, "+A"sv);
}

GroupRange findGroup(std::string_view text, std::size_t position, bool windows1252) {
  // Positions below count from 1, as in the description of the scans; text[p - 1] is unit p.
  // They are byte positions: a unit of more than one byte is never a brace, so it only
  // matters at the two ends, where a scan that runs off keeps a whole unit out of the group.
  // In a document's Windows-1252 bytes every unit is one byte.
  const std::ptrdiff_t n = static_cast<std::ptrdiff_t>(text.size());
  const std::ptrdiff_t pos = static_cast<std::ptrdiff_t>(position) + 1;
  std::ptrdiff_t firstUnit = 1;  // where the second unit starts
  std::ptrdiff_t lastUnit = n;   // where the last unit starts
  if (!windows1252 && !text.empty()) {
    firstUnit = static_cast<std::ptrdiff_t>(unitLength(text[0]));
    while (lastUnit > 1 && (static_cast<unsigned char>(text[lastUnit - 1]) & 0xC0) == 0x80) {
      --lastUnit;
    }
  }

  // Backward to the opening brace; running off the front counts as closing a level.
  std::ptrdiff_t a = pos;
  for (int depth = 1; depth > 0;) {
    --a;
    if (a < 1) {
      --depth;
    } else if (text[a - 1] == '}') {
      ++depth;
    } else if (text[a - 1] == '{') {
      --depth;
    }
  }
  const std::ptrdiff_t start = a - 1 >= 1 ? a - 1 : firstUnit;

  // Forward to the matching closing brace; the text's last unit is never examined.
  std::ptrdiff_t b = pos;
  for (int depth = 1; depth > 0;) {
    ++b;
    if (b >= lastUnit) {
      --depth;
    } else if (text[b - 1] == '{') {
      ++depth;
    } else if (text[b - 1] == '}') {
      --depth;
    }
  }
  const std::ptrdiff_t end = std::min(b + 1, lastUnit);

  // The group is units start+1 .. end-1, that is offsets start .. end-2.
  const auto first = static_cast<std::size_t>(std::min(start, n));
  return {first, std::max(first, static_cast<std::size_t>(std::max<std::ptrdiff_t>(end - 1, 0)))};
}

std::string cutGroup(std::string& text, std::size_t position) {
  const GroupRange range = findGroup(text, position);
  std::string group = text.substr(range.begin, range.end - range.begin);
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

std::string closeAll(const ConversionState& s) {
  std::string tags;
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
  WorkingText(std::span<char> text, bool windows1252)
      : buffer_(text.data()), end_(text.size()), windows1252_(windows1252) {}

  std::string_view view() const { return {buffer_ + begin_, end_ - begin_}; }

  void narrow(std::string_view part) {
    begin_ = static_cast<std::size_t>(part.data() - buffer_);
    end_ = begin_ + part.size();
  }

  // Cuts out the group around `position` (an offset into view()) and returns it.
  std::string cut(std::size_t position) {
    const GroupRange range = findGroup(view(), position, windows1252_);
    char* const base = buffer_ + begin_;
    std::string group(base + range.begin, base + range.end);
    const std::size_t length = range.end - range.begin;
    if (range.begin < view().size() - range.end) {
      std::copy_backward(base, base + range.begin, base + range.end);
      begin_ += length;
    } else {
      std::copy(base + range.end, buffer_ + end_, base + range.begin);
      end_ -= length;
    }
    return group;
  }

 private:
  char* buffer_;
  std::size_t begin_ = 0;
  std::size_t end_;
  bool windows1252_;  // the text is a document's bytes, one unit each
};

// The state a conversion starts from: stacks, requests and per-conversion tags empty, the
// options read, room made for the output.
void beginConversion(ConversionState& s, std::size_t inputSize, bool windows1252Input,
                     std::string_view options) {
  resetStacks(s);
  s.fontTags.clear();  // nothing refers to them any more
  s.atParagraphStart = true;
  s.reopenAll = false;
  s.htmlOut.clear();
  // Room for the output of any real document: growing by doubling would copy it and, for a
  // moment, hold it twice. Pages reserved and never written cost nothing.
  s.htmlOut.reserve(2 * inputSize);
  adviseHugePages(s.htmlOut.data(), s.htmlOut.capacity() * sizeof(char));
  s.unicodeSkip = 1;
  readOptions(s, options);
  s.windows1252Input = windows1252Input;
}

// Reads the colour and font tables from their groups and cuts the groups out, with the
// style sheet, information and list tables, which are thrown away.
void readTablesAndCutGroups(ConversionState& s, WorkingText& working) {
  // A group cut from a document's bytes is read as 8-bit text, like its lines.
  const auto widened = [&s](std::string group) {
    if (!s.windows1252Input) return group;
    std::string text;
    appendWindows1252(text, group);
    return text;
  };
  const std::size_t colorAt = findText(working.view(), "\\colortbl"sv);
  if (colorAt != npos) readColorTable(widened(working.cut(colorAt)), s.colorTable);
  if (const std::size_t at = findText(working.view(), "\\fonttbl"sv); at != npos) {
    // Cutting the colour table collapses blank lines in the text left, the font table too:
    // a font name can hold one.
    std::string group = widened(working.cut(at));
    if (colorAt != npos) collapseBlankLines(group);
    readFontTable(group, s.fontTable);
  }
  for (const std::string_view group :
       {"\\stylesheet"sv, "\\info"sv, "\\listtable"sv, "\\listoverridetable"sv}) {
    if (const std::size_t at = findText(working.view(), group); at != npos) working.cut(at);
  }
}

// Hands every token of the text left, line by line, to the interpreter, past the skip rule.
void interpretText(ConversionState& s, const WorkingText& working) {
  s.skipGroupDepth = 0;
  s.groupDepth = 0;
  s.readingFieldInstruction = false;
  s.fieldAddress = {};
  s.links.clear();
  s.linkTag = {};
  s.linkTags.clear();
  for (std::string_view rest = working.view(); !rest.empty();) {
    s.lineRest.assign(nextLine(rest), s.windows1252Input);
    while (!s.lineRest.empty()) {
      const std::string_view token = nextToken(s.lineRest);
      if (passesSkipRule(s, token)) interpretToken(s, token);
    }
  }
}

// Breaks after the last text run are dropped; every element still open is closed. Returns
// the output and leaves the staging strings empty.
std::string finishConversion(ConversionState& s) {
  const std::string closers = closeAll(s);
  const std::string breaks =
      replaceAll(replaceAll(s.pendingBreakHtml, html::kBreak, ""sv), kCrLf, ""sv);
  s.htmlOut += s.pendingCloseHtml;
  s.htmlOut += breaks;
  s.htmlOut += closers;
  s.pendingCloseHtml.clear();
  s.pendingBreakHtml.clear();
  s.pendingOpenHtml.clear();
  std::string result = std::move(s.htmlOut);
  s.htmlOut.clear();
  resetFontState(s);
  return result;
}

}  // namespace

std::string convertRtfToHtml(ConversionState& s, std::span<char> rtf, bool windows1252Input,
                             std::string_view options) {
  beginConversion(s, rtf.size(), windows1252Input, options);
  WorkingText working(rtf, windows1252Input);
  std::string_view trimmed = trimLineEnds(working.view());
  if (trimmed.size() >= 2 && trimmed.front() == '{' && trimmed.back() == '}') {
    trimmed = trimmed.substr(1, trimmed.size() - 2);
  }
  working.narrow(trimmed);
  s.hasListTable = contains(working.view(), "\\list\\"sv);
  readTablesAndCutGroups(s, working);
  interpretText(s, working);
  return finishConversion(s);
}

Converter::Converter() : state_(std::make_unique<ConversionState>()) {}
Converter::~Converter() = default;
Converter::Converter(Converter&&) noexcept = default;
Converter& Converter::operator=(Converter&&) noexcept = default;

std::u16string Converter::convertRtfToHtml(std::u16string rtf, std::u16string_view options) {
  std::string text = toEngineText(rtf);
  rtf = {};  // the 8-bit copy is all the conversion needs
  return fromEngineText(quillmark::convertRtfToHtml(*state_, text, false, toEngineText(options)));
}

std::string Converter::convertRtfToHtml8(std::span<char> windows1252, std::u16string_view options) {
  return quillmark::convertRtfToHtml(*state_, windows1252, true, toEngineText(options));
}

}  // namespace quillmark
