// Character elements and the font element: requesting and marking them, the closing pass
// that runs before every non-blank text run, and the font tag built from face, colour and
// size. Writes no HTML itself; the closing pass returns the tags it closes.
#include <algorithm>
#include <cstdint>
#include <limits>

#include "Engine.h"

namespace quillmark {

using html::Element;

using namespace std::string_view_literals;

void requestElement(ConversionState& s, Element closeTag, std::string_view openTag) {
  if (s.pending.size() + s.tagStack.size() >= kMaxElements) return;
  s.pending.push_back(PendingRequest{closeTag, openTag});
}

void killElements(ConversionState& s, std::optional<Element> match, std::optional<Kind> spareKind) {
  for (TagEntry& e : s.tagStack) {
    if ((!match || e.tag == *match) && (!spareKind || e.kind != *spareKind)) e.kind = Kind::K;
  }
}

void markActive(ConversionState& s, Element closeTag) {
  for (TagEntry& e : s.tagStack) {
    if (e.tag == closeTag) e.kind = Kind::A;
  }
}

int replacePendingOpen(ConversionState& s, Element closeTag, std::string_view openTag) {
  int changed = 0;
  for (PendingRequest& r : s.pending) {
    if (r.closeTag == closeTag) {
      r.openTag = openTag;
      ++changed;
    }
  }
  return changed;
}

std::string_view openFontTagOnStack(const ConversionState& s) {
  const auto it = std::find_if(s.tagStack.begin(), s.tagStack.end(),
                               [](const TagEntry& e) { return e.tag == Element::Font; });
  return it == s.tagStack.end() ? std::string_view() : it->openTag;
}

namespace {

void appendFontTag(std::string& tag, std::int16_t baseFontSize, std::string_view color,
                   std::string_view size, std::string_view face) {
  if (color.empty() && size.empty() && face.empty()) return;
  tag += html::tagsOf(Element::Font).open;
  if (!face.empty()) tag.append(html::kFaceAttribute).append(face).append("\""sv);
  if (!color.empty()) tag.append(html::kColorAttribute).append(color).append("\""sv);
  if (!size.empty() && numericValue(size) != std::optional<std::int32_t>(baseFontSize)) {
    tag.append(html::kSizeAttribute).append(size);
  }
  tag += '>';
}

}  // namespace

std::string buildFontTag(const ConversionState& s, std::string_view color, std::string_view size,
                         std::string_view face) {
  std::string tag;
  appendFontTag(tag, s.baseFontSize, color, size, face);
  return tag;
}

namespace {

void cancelAllPending(ConversionState& s, Element closeTag) {
  std::erase_if(s.pending, [closeTag](const PendingRequest& r) { return r.closeTag == closeTag; });
}

// The font element on the stack must carry the current font tag, and so must a pending font
// request; with no font attributes set, there must be neither.
void reconcileFont(ConversionState& s) {
  if (!sameText(openFontTagOnStack(s), s.fontTag)) {
    killElements(s, Element::Font, std::nullopt);
    if (s.fontTag.empty()) {
      cancelAllPending(s, Element::Font);
    } else if (replacePendingOpen(s, Element::Font, s.fontTag) == 0) {
      requestElement(s, Element::Font, s.fontTag);
    }
    return;
  }
  // The stacked font already carries the current tag: keep it open, unless a list item is
  // about to open outside it. A request left from an earlier colour must not survive.
  if (s.fontTag.empty()) {
    cancelAllPending(s, Element::Font);
  } else {
    replacePendingOpen(s, Element::Font, s.fontTag);
  }
  if (!isPending(s, Element::ListItem)) markActive(s, Element::Font);
}

}  // namespace

void closeKilled(ConversionState& s, std::string& closing) {
  if (s.linksOn) reconcileLink(s);
  reconcileFont(s);

  // Entries 1..k (innermost to the outermost one marked K) close together. In the vector,
  // they run from `outer` to the back.
  auto& stack = s.tagStack;
  std::size_t outer = 0;
  while (outer < stack.size() && stack[outer].kind != Kind::K) ++outer;
  if (outer == stack.size()) return;

  for (std::size_t i = stack.size(); i-- > outer;) {
    if (!stack[i].opened) continue;
    closing += closingTag(stack[i].tag);
    if (stack[i].tag == Element::ListItem) closing += s.lineBreak;
  }
  // Outermost first, so the elements requested again keep their nesting, inside anything
  // requested since the last text run.
  for (std::size_t i = outer; i < stack.size(); ++i) {
    TagEntry& e = stack[i];
    if (e.kind != Kind::K && !isPending(s, e.tag)) requestElement(s, e.tag, e.openTag);
    e.kind = Kind::K;
  }
}

std::optional<std::int32_t> numericValue(std::string_view text) {
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';

  constexpr std::int64_t kCap = std::int64_t{1} << 32;  // beyond every 32-bit value
  std::int64_t whole = 0;
  bool anyDigit = false;
  for (; i < text.size() && isDigit(text[i]); ++i) {
    whole = std::min(whole * 10 + (text[i] - '0'), kCap);
    anyDigit = true;
  }
  // Rounding to nearest, ties to even: the first fractional digit decides, unless it is a 5
  // with nothing but zeros after it.
  int firstFraction = -1;
  bool nonZeroAfterFirst = false;
  if (i < text.size() && text[i] == '.') {
    for (++i; i < text.size() && isDigit(text[i]); ++i) {
      if (firstFraction < 0) {
        firstFraction = text[i] - '0';
      } else if (text[i] != '0') {
        nonZeroAfterFirst = true;
      }
      anyDigit = true;
    }
  }
  if (!anyDigit || i != text.size()) return std::nullopt;
  if (firstFraction > 5 || (firstFraction == 5 && (nonZeroAfterFirst || whole % 2 == 1))) {
    whole = std::min(whole + 1, kCap);
  }
  const std::int64_t value = negative ? -whole : whole;
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

std::int32_t htmlFontSize(std::int32_t halfPoints) {
  const std::int64_t n = halfPoints;
  const std::int64_t size = n >= 0 ? n / 7 : -((-n + 6) / 7);  // rounded down
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(size, 1, 8));
}

namespace {

// Keeps only the font tags something still refers to, so that font words with no text
// between them cannot fill memory with tags nobody will write.
void forgetUnusedFontTags(ConversionState& s) {
  FontTags used;
  const auto move = [&used](std::string_view& tag) {
    if (!tag.empty()) tag = used.keep(tag);
  };
  for (TagEntry& e : s.tagStack) {
    if (e.tag == Element::Font) move(e.openTag);
  }
  for (PendingRequest& r : s.pending) {
    if (r.closeTag == Element::Font) move(r.openTag);
  }
  move(s.fontTag);
  used.setCrowdedAt(std::max<std::size_t>(1024, 2 * used.size()));
  s.fontTags = std::move(used);
}

void rebuildFontTag(ConversionState& s) {
  if (const auto tag = s.fontTags.recent(s.fontColor, s.fontSize, s.fontFace)) {
    s.fontTag = *tag;
    return;
  }
  if (s.fontTags.crowded()) forgetUnusedFontTags(s);
  s.fontTagBuffer.clear();
  appendFontTag(s.fontTagBuffer, s.baseFontSize, s.fontColor, s.fontSize, s.fontFace);
  s.fontTag = s.fontTags.keep(s.fontTagBuffer);
  s.fontTags.remember(s.fontColor, s.fontSize, s.fontFace, s.fontTag);
}

}  // namespace

void resetColor(ConversionState& s) {
  s.fontColor.clear();
  rebuildFontTag(s);
}

void selectColor(ConversionState& s, std::int32_t n) {
  if (n >= 1 && static_cast<std::size_t>(n) <= s.colorTable.size()) {
    s.fontColor.assign(1, '#');
    s.fontColor += s.colorTable[static_cast<std::size_t>(n) - 1];
  }
  rebuildFontTag(s);
  if (isPending(s, Element::Font)) {
    replacePendingOpen(s, Element::Font, s.fontTag);
    return;
  }
  const bool fontOnStack = isOnStack(s, Element::Font, false);
  requestElement(s, Element::Font, s.fontTag);
  if (fontOnStack) {
    // The new request is pending, so nothing is requested here: the closing pass requests the
    // elements inside the old font again.
    reopenInner(s, Element::Font);
    killElements(s, Element::Font, std::nullopt);
  }
}

void selectFontSize(ConversionState& s, std::int32_t halfPoints) {
  s.fontSizeNumber = htmlFontSize(halfPoints);
  if (s.fontSizeNumber == s.baseFontSize) {
    s.fontSize.clear();
  } else {
    s.fontSize.assign(1, static_cast<char>('0' + s.fontSizeNumber));
  }
  rebuildFontTag(s);
}

void selectFontFace(ConversionState& s, std::int32_t n) {
  if (!s.fontFacesOn || n < 0 || static_cast<std::size_t>(n) >= s.fontTable.size()) return;
  s.fontFace = s.fontTable[static_cast<std::size_t>(n)];
  rebuildFontTag(s);
}

}  // namespace quillmark
