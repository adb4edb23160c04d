#pragma once
// Character and paragraph formatting as the RTF reader keeps it for each group, and the
// control words that change it. Knows the control words (RtfKeywords.h) and the document
// model's alignments and vertical positions; knows nothing of QTextDocument.
#include "DocumentModel.h"
#include "RtfKeywords.h"

namespace quillmark::richtext {

inline constexpr int kDefaultHalfPoints = 24;       // what "\fs" without a number means
inline constexpr int kMaxHalfPoints = 3276;         // 1638 points, the largest size offered
inline constexpr int kMaxIndentTwips = 10'000'000;  // far past any page, far from overflowing

// The character formatting of a group.
struct CharacterState {
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strike = false;
  VerticalPosition vertical = VerticalPosition::Normal;
  int font = -1;       // font-table number; -1: the "\deff" font
  int halfPoints = 0;  // 0: the document's default size
  int color = 0;       // colour-table index; 0: automatic
  int link = 0;        // the hyperlink field (from 1) whose result this is; 0: none
  bool operator==(const CharacterState &) const = default;
};

// The paragraph formatting of a group.
struct ParagraphState {
  Alignment alignment = Alignment::Left;
  int leftTwips = 0;
  int firstTwips = 0;
  int spaceBeforeTwips = 0;  // "\sb", "\sa": the space above and below the paragraph
  int spaceAfterTwips = 0;
  int list = 0;               // "\ls": the list override the paragraph belongs to; 0: none
  int level = 0;              // "\ilvl", 0 to kListLevels - 1 (RtfLists.h)
  int style = 0;              // "\s": the paragraph style, by its stylesheet number
  bool bottomBorder = false;  // "\brdrb": an empty paragraph with it is a rule
};

// A character formatting word applied to `chars`; false for a word that is none.
bool setCharacterFormat(CharacterState &chars, const ControlWord &word);

// A paragraph formatting word applied to `paragraph`; any other word changes nothing.
void setParagraphFormat(ParagraphState &paragraph, const ControlWord &word);

}  // namespace quillmark::richtext
