#pragma once
// The control words the RTF reader acts on, one row each, and what each one does. Every word
// not in the table is ignored by the reader; knows nothing of documents.
#include <cstdint>
#include <string_view>

namespace quillmark::richtext {

// What a control word does.
enum class Op : std::uint8_t {
  // Destinations
  FontTable,
  ColorTable,
  SkipDestination,
  ListText,
  ListLevel,
  FieldInstruction,
  FieldResult,
  Field,
  ListTable,          // "\listtable": list definitions
  ListOverrideTable,  // "\listoverridetable": the "\ls" numbers of the lists
  LevelText,          // "\leveltext": a list level's number text
  NumberTextBefore,   // "\pntxtb": text before an old-style list number
  NumberTextAfter,    // "\pntxta": text after it
  // List definitions
  List,
  ListId,
  ListLevelDefinition,
  LevelNumberFormat,  // "\levelnfc": value-less; the number is the format
  LevelStart,
  ListOverride,
  // Document tables and encoding
  Ansi,
  AnsiCodePage,
  DefaultFont,
  FontCharset,
  FontCodePage,
  Red,
  Green,
  Blue,
  UnicodeSkip,
  // Characters
  Bold,
  Italic,
  Underline,
  UnderlineNone,
  Strike,
  Super,
  Sub,
  NoSuperSub,
  Up,
  Down,
  Plain,
  Font,
  FontSize,
  Color,
  // Paragraphs
  ParagraphDefault,
  AlignLeft,
  AlignCenter,
  AlignRight,
  AlignJustify,
  LeftIndent,
  FirstIndent,
  BulletLevel,
  NumberedLevel,    // "\pnlvlbody", "\pnlvlN": an old-style numbered paragraph
  ContinuedLevel,   // "\pnlvlcont": a list paragraph without a number of its own
  NumberFormat,     // "\pndec" and the like; the value is the "\levelnfc" number it means
  NumberStart,      // "\pnstart"
  ListNumber,       // "\ls": the paragraph's list, by its override number
  ListLevelNumber,  // "\ilvl": the paragraph's level in it
  // Text
  Character,
  Unicode,
  Tab,
  LineBreak,
  ParagraphBreak,
  InTable,
  RowDefaults,
  Cell,
  NestedCell,
  Row,
};

struct Keyword {
  std::string_view name;
  Op op;
  char16_t value = 0;  // Character: the character; Ansi: the code page
};

// The row of a control word, or null for a word the reader ignores.
const Keyword *findKeyword(std::string_view name);

// Whether the word starts a destination: a group whose text goes somewhere of its own.
bool isDestination(Op op);

}  // namespace quillmark::richtext
