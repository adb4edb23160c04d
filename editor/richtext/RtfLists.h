#pragma once
// List numbering for the RTF reader: the number formats, the list table's definitions and
// the override table's "\ls" numbers, old-style "\pn" numbers, and the number each list
// paragraph shows, counted on from its list's previous paragraph. Knows the control words
// (RtfKeywords.h); knows nothing of documents.
#include <QString>
#include <array>
#include <optional>
#include <unordered_map>

#include "RtfKeywords.h"

namespace quillmark::richtext {

// Number formats, as "\levelnfc" numbers them; every other number is decimal.
inline constexpr int kFormatDecimal = 0;       // 1, 2, 3
inline constexpr int kFormatUpperRoman = 1;    // I, II, III
inline constexpr int kFormatLowerRoman = 2;    // i, ii, iii
inline constexpr int kFormatUpperLetter = 3;   // A, B, C
inline constexpr int kFormatLowerLetter = 4;   // a, b, c
inline constexpr int kFormatLeadingZero = 22;  // 01, 02, 10
inline constexpr int kFormatBullet = 23;       // a bullet, no number
inline constexpr int kFormatNone = 255;        // neither

inline constexpr int kListLevels = 9;
// List numbers count to at most this; a number text holds at most this many characters.
inline constexpr int kMaxListNumber = 1'000'000;
inline constexpr qsizetype kMaxNumberTextLength = 64;

// A list number in a "\levelnfc" format. Roman numbers from 4000 and numbers below 1 in
// Roman or letters are decimal; letters go "a" to "z", then "aa", "bb" and so on.
QString formatNumber(int n, int format);

// Whether the text before a list paragraph ("\listtext") is a bullet, one symbol, rather
// than a number.
bool isBulletText(const QString &text);

// What the numbering gives a paragraph that ends.
struct ParagraphNumber {
  QString text;         // the number to show before its text; empty for none
  bool bullet = false;  // the paragraph is a bullet item
  // An item of a list the numbering defines: which list (a "\listid", or the old-style
  // numbers'), at which level (0 to kListLevels - 1), in which "\levelnfc" format, with
  // which number at its level.
  bool item = false;
  bool oldStyle = false;
  int list = 0;
  int level = 0;
  int format = kFormatDecimal;
  int number = 1;
};

// The list numbering of one document as its RTF is read: definitions from the list tables
// and the "\pn" groups, then one paragraphNumber per paragraph, in order.
class ListNumbering {
 public:
  // The list table ("\listtable") or the override table ("\listoverridetable") starts.
  void beginTable(bool overrides);
  // A word inside either table: lists with their levels, then which "\ls" number stands for
  // which list.
  void tableWord(const ControlWord &word);
  // A list level's number text ("\leveltext"), a character at a time: the first is the
  // length of the text after it; U+0000 to U+0008 stand for the numbers of the levels.
  void beginLevelText();
  void levelTextCharacter(char16_t c);
  void finishLevelText();

  // An old-style paragraph number ("\pn" group): its words, its texts before and after the
  // number ("\pntxtb", "\pntxta", a character at a time), and its end; `forParagraph`
  // false when the group closes into something other than the document's text, so that it
  // numbers no paragraph. finishOldStyle returns whether the group said bullet.
  void beginOldStyle();
  void oldStyleWord(const ControlWord &word);
  void beginNumberText(bool after);
  void numberTextCharacter(char16_t c);
  void finishNumberText();
  bool finishOldStyle(bool forParagraph);

  // The number of the paragraph that ends, in the list of override number `list` ("\ls";
  // 0 none, then its old-style number counts) at `level` ("\ilvl"). Counting a level
  // starts the levels below it over.
  ParagraphNumber paragraphNumber(int list, int level);
  // A paragraph ends unnumbered (inside a table cell): its old-style number is forgotten.
  void skipParagraph();

 private:
  // One level of a list definition ("\listlevel").
  struct Level {
    int format = kFormatDecimal;
    int start = 1;
    // Characters, and U+0000 to U+0008 for the numbers of the levels. Unset: the level's
    // own number and a full stop.
    std::optional<QString> text;
  };
  using Levels = std::array<Level, kListLevels>;
  using Counts = std::array<int, kListLevels>;  // the last number given per level; -1 none

  // An old-style paragraph number ("\pn").
  struct OldStyle {
    bool numbered = false;   // "\pnlvlbody" or "\pnlvlN"
    bool continued = false;  // "\pnlvlcont": in the list, without a number
    int level = 0;
    int format = kFormatDecimal;
    int start = 1;
    QString before;  // "\pntxtb"
    QString after;   // "\pntxta"
  };

  void listNumber(int list, int level, ParagraphNumber &number);
  void oldStyleNumber(ParagraphNumber &number);

  std::unordered_map<int, Levels> lists_;        // the list table's lists, by "\listid"
  std::unordered_map<int, int> listOfOverride_;  // "\ls" number -> "\listid"
  std::unordered_map<int, Counts> listCounts_;   // how far each list has counted, by "\listid"
  bool readingOverrides_ = false;                // the table being read is the override table
  Levels definition_;                            // the "\list" being read
  int levelIndex_ = -1;                          // its "\listlevel" being read, or -1
  int overrideList_ = 0;                         // the "\listid" of the "\listoverride" being read
  QString text_;                   // the "\leveltext" or "\pntxtb"/"\pntxta" being read
  bool textAfter_ = false;         // ... which is "\pntxta"
  OldStyle pn_;                    // the "\pn" group being read
  bool pnBullet_ = false;          // ... says bullet ("\pnlvlblt")
  OldStyle paragraphPn_;           // the paragraph's, once its "\pn" group closed
  Counts oldStyleCounts_{};        // the old-style numbers of the previous paragraph
  bool previousOldStyle_ = false;  // the previous paragraph had an old-style number
};

}  // namespace quillmark::richtext
