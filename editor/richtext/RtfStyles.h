#pragma once
// Paragraph styles for the RTF reader: the stylesheet's entries that stand for a document
// structure, a heading or a quote, found by their names as word processors spell them.
// Knows the control words (RtfKeywords.h); knows nothing of documents.
#include <QString>
#include <unordered_map>

#include "RtfKeywords.h"

namespace quillmark::richtext {

// What a paragraph style stands for: a heading level 1 to 3, a quote depth from 1, or
// neither (both 0).
struct StyleMeaning {
  int heading = 0;
  int quote = 0;
  bool operator==(const StyleMeaning &) const = default;
};

// The most quotes a paragraph is read to be inside of, and the most styles kept.
inline constexpr int kMaxQuoteDepth = 99;
inline constexpr std::size_t kMaxStyles = 10'000;

// The meaning of a style name, case-blind: "heading 1" to "heading 9" (4 to 9 are level 3),
// "Quote", "Quotations", "Block Text" and "Block Quotation" (with a depth after them: "Quote
// 2"); nothing for any other name.
StyleMeaning styleMeaning(const QString &name);

// The stylesheet of one document as its RTF is read, then the meaning of each "\s" number.
class StyleSheet {
 public:
  // A word of the stylesheet: "\s" numbers the entry being read, "\cs" and the like make it
  // a style of something other than paragraphs.
  void word(const ControlWord &word);
  // A character of the entry's name; a ';' ends the entry.
  void character(char16_t c);
  StyleMeaning meaning(int style) const;

 private:
  void finishEntry();

  std::unordered_map<int, StyleMeaning> meanings_;  // only the styles that mean something
  int number_ = 0;                                  // the entry being read: its "\s" number
  bool paragraph_ = true;                           // ... is a paragraph style
  QString name_;                                    // ... its name so far
};

}  // namespace quillmark::richtext
