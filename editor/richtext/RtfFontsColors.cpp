// The font and colour tables of the RTF reader, entry by entry, and the code pages of fonts.
#include "RtfFontsColors.h"

#include <algorithm>

#include "DocumentModel.h"

namespace quillmark::richtext {

bool FontsAndColors::fontWord(const ControlWord &word) {
  bool finished = false;
  if (word.op == Op::Font) {
    finished = finishFont();
    fontNumber_ = word.parameter;
    font_ = FontEntry{};
  }
  if (word.op == Op::FontCharset) font_.codePage = codePageOfCharset(word.parameter);
  if (word.op == Op::FontCodePage && word.parameter > 0) font_.codePage = word.parameter;
  return finished;
}

bool FontsAndColors::fontCharacter(char16_t c) {
  if (c == u';') return finishFont();
  if (fontNumber_ >= 0 && c >= 0x20 && isTextCharacter(c)) font_.name += QChar(c);
  return false;
}

bool FontsAndColors::finishFont() {
  if (fontNumber_ < 0) return false;
  font_.name = font_.name.trimmed();
  fonts_.insert(fontNumber_, font_);
  fontNumber_ = -1;
  font_ = FontEntry{};
  return true;
}

CodePage &FontsAndColors::fontNameCodePage() {
  return codePage(font_.codePage > 0 ? font_.codePage : ansiCodePage_);
}

void FontsAndColors::colorWord(const ControlWord &word) {
  const int component = std::clamp(word.parameter, 0, 255);
  if (word.op == Op::Red) color_.red = component;
  if (word.op == Op::Green) color_.green = component;
  if (word.op == Op::Blue) color_.blue = component;
  color_.given = color_.given || word.op == Op::Red || word.op == Op::Green || word.op == Op::Blue;
}

void FontsAndColors::finishColor() {
  colors_.push_back(color_.given ? QColor(color_.red, color_.green, color_.blue) : QColor());
  color_ = {};
}

const FontEntry *FontsAndColors::font(int number) const {
  const auto found = fonts_.constFind(number < 0 ? defaultFont_ : number);
  return found != fonts_.cend() ? &*found : nullptr;
}

QColor FontsAndColors::color(int index) const {
  return index > 0 && std::size_t(index) < colors_.size() ? colors_[std::size_t(index)] : QColor();
}

CodePage &FontsAndColors::codePageOfFont(int number) {
  const FontEntry *entry = font(number);
  return codePage(entry != nullptr && entry->codePage > 0 ? entry->codePage : ansiCodePage_);
}

CodePage &FontsAndColors::codePage(int number) {
  std::unique_ptr<CodePage> &slot = codePages_[number];
  if (!slot) slot = std::make_unique<CodePage>(number);
  return *slot;
}

}  // namespace quillmark::richtext
