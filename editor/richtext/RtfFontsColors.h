#pragma once
// The font table and the colour table of an RTF document as the reader reads them, the
// document's code page and default font, and so the code page of the text in each font.
// Knows the control words (RtfKeywords.h) and code pages (CodePages.h); knows nothing of
// documents.
#include <QColor>
#include <QHash>
#include <QString>
#include <memory>
#include <unordered_map>
#include <vector>

#include "CodePages.h"
#include "RtfKeywords.h"

namespace quillmark::richtext {

struct FontEntry {
  QString name;
  int codePage = -1;  // -1: the document's code page
};

class FontsAndColors {
 public:
  // The font table ("\fonttbl"): its words, the characters of its names (a ';' ends an
  // entry), its end. Each returns true when it finished an entry, which may change the face
  // and the code page of text.
  void beginFontTable() { fontNumber_ = -1; }
  bool fontWord(const ControlWord &word);
  bool fontCharacter(char16_t c);
  bool finishFont();
  // The code page of the names in the entry being read.
  CodePage &fontNameCodePage();

  // The colour table ("\colortbl"): its words, and the ';' that ends each entry.
  void beginColorTable() { color_ = {}; }
  void colorWord(const ControlWord &word);
  void finishColor();

  void setAnsiCodePage(int number) { ansiCodePage_ = number; }
  void setDefaultFont(int number) { defaultFont_ = number; }

  // The entry of font `number` (-1: the "\deff" font); null when the table has none.
  const FontEntry *font(int number) const;
  // Colour `index` of the table; invalid for automatic (0) and for one the table lacks.
  QColor color(int index) const;
  // The code page of text in font `number` (-1: the "\deff" font).
  CodePage &codePageOfFont(int number);

 private:
  CodePage &codePage(int number);

  // A colour-table entry as it is read.
  struct ColorEntry {
    int red = 0, green = 0, blue = 0;
    bool given = false;  // a component was given: without one the entry means automatic
  };

  int ansiCodePage_ = kWindowsWestern;  // the document's code page ("\ansi", "\ansicpg")
  int defaultFont_ = -1;                // the "\deff" font, or -1
  QHash<int, FontEntry> fonts_;         // the font table, by number
  std::vector<QColor> colors_;          // the colour table; invalid: automatic
  std::unordered_map<int, std::unique_ptr<CodePage>> codePages_;  // each made when first used
  int fontNumber_ = -1;  // the font-table entry being read, or -1
  FontEntry font_;       // ... and what is known of it so far
  ColorEntry color_;     // the colour-table entry being read
};

}  // namespace quillmark::richtext
