// The formatting words of the RTF reader: what each does to a group's character or
// paragraph formatting.
#include "RtfFormatting.h"

#include <algorithm>

#include "RtfLists.h"

namespace quillmark::richtext {

bool setCharacterFormat(CharacterState &chars, const ControlWord &word) {
  const bool on = !word.hasParameter || word.parameter != 0;  // "\b0" and the like switch off
  switch (word.op) {
    case Op::Bold:
      chars.bold = on;
      return true;
    case Op::Italic:
      chars.italic = on;
      return true;
    case Op::Underline:
      chars.underline = on;
      return true;
    case Op::UnderlineNone:
      chars.underline = false;
      return true;
    case Op::Strike:
      chars.strike = on;
      return true;
    case Op::Vertical:
      chars.vertical = VerticalPosition(word.value);
      return true;
    case Op::Up:
    case Op::Down: {
      const auto shifted = word.op == Op::Up ? VerticalPosition::Super : VerticalPosition::Sub;
      chars.vertical = on ? shifted : VerticalPosition::Normal;
      return true;
    }
    case Op::Plain:
      chars = CharacterState{.link = chars.link};  // the text of a link stays a link
      return true;
    case Op::Font:
      chars.font = word.hasParameter ? word.parameter : 0;
      return true;
    case Op::FontSize:
      chars.halfPoints =
          word.hasParameter ? std::clamp(word.parameter, 0, kMaxHalfPoints) : kDefaultHalfPoints;
      return true;
    case Op::Color:
      chars.color = std::max(0, word.parameter);
      return true;
    default:
      return false;
  }
}

void setParagraphFormat(ParagraphState &paragraph, const ControlWord &word) {
  switch (word.op) {
    case Op::ParagraphDefault:
      paragraph = ParagraphState{};
      break;
    case Op::Align:
      paragraph.alignment = Alignment(word.value);
      break;
    case Op::LeftIndent:
      paragraph.leftTwips = std::clamp(word.parameter, -kMaxIndentTwips, kMaxIndentTwips);
      break;
    case Op::FirstIndent:
      paragraph.firstTwips = std::clamp(word.parameter, -kMaxIndentTwips, kMaxIndentTwips);
      break;
    case Op::SpaceBefore:
      paragraph.spaceBeforeTwips = std::clamp(word.parameter, 0, kMaxIndentTwips);
      break;
    case Op::SpaceAfter:
      paragraph.spaceAfterTwips = std::clamp(word.parameter, 0, kMaxIndentTwips);
      break;
    case Op::ListNumber:
      paragraph.list = std::max(0, word.parameter);
      break;
    case Op::ListLevelNumber:
      paragraph.level = std::clamp(word.parameter, 0, kListLevels - 1);
      break;
    case Op::Style:
      paragraph.style = std::max(0, word.parameter);
      break;
    case Op::BottomBorder:
      paragraph.bottomBorder = true;
      break;
    default:
      break;  // not formatting
  }
}

}  // namespace quillmark::richtext
