#pragma once
// The control words the RTF reader acts on, one row each, and what each one does. Every word
// not in the table is ignored by the reader; knows nothing of documents but their
// alignments (DocumentModel.h) and list number formats (RtfLists.h), which rows name, and
// how table cells merge.
#include <cstdint>
#include <string_view>

namespace quillmark::richtext {

// What a control word does. The destinations, words that start a group whose text goes
// somewhere of its own, come first (isDestination).
enum class Op : std::uint8_t {
  // Destinations
  FontTable,
  ColorTable,
  SkipDestination,
  ListText,
  ListLevel,
  FieldInstruction,
  FieldResult,
  ListTable,          // "\listtable": list definitions
  ListOverrideTable,  // "\listoverridetable": the "\ls" numbers of the lists
  LevelText,          // "\leveltext": a list level's number text
  NumberTextBefore,   // "\pntxtb": text before an old-style list number
  NumberTextAfter,    // "\pntxta": text after it
  QuoteCite,          // "\quillmarkcite": a quote's source, on its title line (the program's own)
  Picture,            // "\pict", "\shppict": an embedded picture, read for its description
  PictureProperties,  // "\picprop", "\sp": groups of its properties
  PropertyName,       // "\sn": a property's name
  PropertyValue,      // "\sv": its value
  StyleSheet,         // "\stylesheet": the paragraph styles' names; the last destination
  Field,              // "\field": its group holds an instruction and a result
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
  Vertical,  // "\super", "\sub", "\nosupersub"; the value is the VerticalPosition
  Up,
  Down,
  Plain,
  Font,
  FontSize,
  Color,
  // Paragraphs
  ParagraphDefault,
  Align,  // "\ql", "\qc", "\qr", "\qj"; the value is the Alignment
  LeftIndent,
  FirstIndent,
  SpaceBefore,  // "\sb": space above the paragraph, in twips
  SpaceAfter,   // "\sa": space below it
  BulletLevel,
  NumberedLevel,    // "\pnlvlbody", "\pnlvlN": an old-style numbered paragraph
  ContinuedLevel,   // "\pnlvlcont": a list paragraph without a number of its own
  NumberFormat,     // "\pndec" and the like; the value is the "\levelnfc" number it means
  NumberStart,      // "\pnstart"
  ListNumber,       // "\ls": the paragraph's list, by its override number
  ListLevelNumber,  // "\ilvl": the paragraph's level in it
  Style,            // "\s": the paragraph's style, by its stylesheet number
  OtherStyle,       // "\cs", "\ds", "\ts": a stylesheet entry that is no paragraph style
  BottomBorder,     // "\brdrb": the paragraph has a border below it
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
  // Row definitions
  CellEdge,     // "\cellx": a cell's definition ends
  HeaderRow,    // "\trhdr"
  MergeAcross,  // "\clmgf", "\clmrg": the value is the CellMerge
  MergeDown,    // "\clvmgf", "\clvmrg": the same, for merges down a column
};

// How a cell's definition joins it to its neighbours.
enum class CellMerge : std::uint8_t {
  None,
  First,     // "\clmgf", "\clvmgf": the first of merged cells
  Continue,  // "\clmrg", "\clvmrg": merged with the cell before (left or above)
};

struct Keyword {
  std::string_view name;
  Op op;
  // Character: the character; Ansi: the code page; NumberFormat: the "\levelnfc" format;
  // Vertical, Align: the position or alignment
  char16_t value = 0;
};

// A control word as read: what its row says, and the number after it.
struct ControlWord {
  Op op;
  char16_t value;     // the row's value
  bool hasParameter;  // a number came after the word
  int parameter;      // the number, clamped to the range of int; 0 when none came
};

// The row of a control word, or null for a word the reader ignores.
const Keyword *findKeyword(std::string_view name);

// Whether the word starts a destination: a group whose text goes somewhere of its own.
constexpr bool isDestination(Op op) { return op <= Op::StyleSheet; }

}  // namespace quillmark::richtext
