// The keyword table of the RTF reader: one row per control word it acts on, looked up through
// a hash index made at compile time.
#include "RtfKeywords.h"

#include <array>
#include <cstddef>

#include "CodePages.h"
#include "DocumentModel.h"
#include "RtfLists.h"

namespace quillmark::richtext {

namespace {

constexpr char16_t vertical(VerticalPosition position) { return char16_t(position); }
constexpr char16_t aligned(Alignment alignment) { return char16_t(alignment); }
constexpr char16_t merge(CellMerge how) { return char16_t(how); }

// The control words this reader acts on. Every other word is ignored; inside a "\*" group
// an unknown word makes the whole group skipped.
constexpr Keyword kKeywords[] = {
    {"fonttbl", Op::FontTable},
    {"colortbl", Op::ColorTable},
    {"pntext", Op::ListText},
    {"listtext", Op::ListText},
    {"pn", Op::ListLevel},
    {"fldinst", Op::FieldInstruction},
    {"fldrslt", Op::FieldResult},
    {"field", Op::Field},
    // Groups whose content is not part of the text.
    {"stylesheet", Op::StyleSheet},
    // The program's own, in a "\*" group other readers skip: a quote's title line's source.
    {"quillmarkcite", Op::QuoteCite},
    {"info", Op::SkipDestination},
    // An embedded picture, which the editor cannot hold: its description stands in for it.
    {"pict", Op::Picture},
    {"shppict", Op::Picture},
    {"picprop", Op::PictureProperties},
    {"sp", Op::PictureProperties},
    {"sn", Op::PropertyName},
    {"sv", Op::PropertyValue},
    // The text of a nested table for readers that know none; the nested cells are read.
    {"nonesttables", Op::SkipDestination},
    {"nonshppict", Op::SkipDestination},
    {"shpinst", Op::SkipDestination},
    {"object", Op::SkipDestination},
    {"header", Op::SkipDestination},
    {"headerl", Op::SkipDestination},
    {"headerr", Op::SkipDestination},
    {"headerf", Op::SkipDestination},
    {"footer", Op::SkipDestination},
    {"footerl", Op::SkipDestination},
    {"footerr", Op::SkipDestination},
    {"footerf", Op::SkipDestination},
    {"footnote", Op::SkipDestination},
    {"ftnsep", Op::SkipDestination},
    {"ftnsepc", Op::SkipDestination},
    {"ftncn", Op::SkipDestination},
    {"aftnsep", Op::SkipDestination},
    {"aftnsepc", Op::SkipDestination},
    {"aftncn", Op::SkipDestination},
    {"annotation", Op::SkipDestination},
    {"atnid", Op::SkipDestination},
    {"atnauthor", Op::SkipDestination},
    {"listtable", Op::ListTable},
    {"listoverridetable", Op::ListOverrideTable},
    {"leveltext", Op::LevelText},
    {"list", Op::List},
    {"listid", Op::ListId},
    {"listlevel", Op::ListLevelDefinition},
    {"levelnfc", Op::LevelNumberFormat},
    {"levelnfcn", Op::LevelNumberFormat},
    {"levelstartat", Op::LevelStart},
    {"listoverride", Op::ListOverride},
    {"rsidtbl", Op::SkipDestination},
    {"generator", Op::SkipDestination},
    {"themedata", Op::SkipDestination},
    {"colorschememapping", Op::SkipDestination},
    {"latentstyles", Op::SkipDestination},
    {"datastore", Op::SkipDestination},
    {"xmlnstbl", Op::SkipDestination},
    {"mmathPr", Op::SkipDestination},
    {"bkmkstart", Op::SkipDestination},
    {"bkmkend", Op::SkipDestination},
    {"filetbl", Op::SkipDestination},
    {"revtbl", Op::SkipDestination},
    {"pgdsctbl", Op::SkipDestination},
    {"template", Op::SkipDestination},
    {"userprops", Op::SkipDestination},
    {"docvar", Op::SkipDestination},
    {"xe", Op::SkipDestination},
    {"tc", Op::SkipDestination},
    {"tcn", Op::SkipDestination},
    {"upr", Op::SkipDestination},
    {"pntxta", Op::NumberTextAfter},
    {"pntxtb", Op::NumberTextBefore},
    // Encoding and tables
    {"ansi", Op::Ansi, kWindowsWestern},
    {"mac", Op::Ansi, 10000},
    {"pc", Op::Ansi, 437},
    {"pca", Op::Ansi, 850},
    {"ansicpg", Op::AnsiCodePage},
    {"deff", Op::DefaultFont},
    {"fcharset", Op::FontCharset},
    {"cpg", Op::FontCodePage},
    {"red", Op::Red},
    {"green", Op::Green},
    {"blue", Op::Blue},
    {"uc", Op::UnicodeSkip},
    // Characters
    {"b", Op::Bold},
    {"i", Op::Italic},
    {"ul", Op::Underline},
    {"uld", Op::Underline},
    {"uldash", Op::Underline},
    {"uldashd", Op::Underline},
    {"uldashdd", Op::Underline},
    {"uldb", Op::Underline},
    {"ulhwave", Op::Underline},
    {"ulldash", Op::Underline},
    {"ulth", Op::Underline},
    {"ulthd", Op::Underline},
    {"ulthdash", Op::Underline},
    {"ulthdashd", Op::Underline},
    {"ulthdashdd", Op::Underline},
    {"ulthldash", Op::Underline},
    {"ululdbwave", Op::Underline},
    {"ulw", Op::Underline},
    {"ulwave", Op::Underline},
    {"ulnone", Op::UnderlineNone},
    {"strike", Op::Strike},
    {"striked", Op::Strike},
    {"super", Op::Vertical, vertical(VerticalPosition::Super)},
    {"sub", Op::Vertical, vertical(VerticalPosition::Sub)},
    {"nosupersub", Op::Vertical, vertical(VerticalPosition::Normal)},
    {"up", Op::Up},
    {"dn", Op::Down},
    {"plain", Op::Plain},
    {"f", Op::Font},
    {"fs", Op::FontSize},
    {"cf", Op::Color},
    // Paragraphs
    {"pard", Op::ParagraphDefault},
    {"ql", Op::Align, aligned(Alignment::Left)},
    {"qc", Op::Align, aligned(Alignment::Center)},
    {"qr", Op::Align, aligned(Alignment::Right)},
    {"qj", Op::Align, aligned(Alignment::Justify)},
    {"qd", Op::Align, aligned(Alignment::Justify)},
    {"li", Op::LeftIndent},
    {"lin", Op::LeftIndent},
    {"fi", Op::FirstIndent},
    {"sb", Op::SpaceBefore},
    {"sa", Op::SpaceAfter},
    {"pnlvlblt", Op::BulletLevel},
    {"pnlvlbody", Op::NumberedLevel},
    {"pnlvl", Op::NumberedLevel},
    {"pnlvlcont", Op::ContinuedLevel},
    {"pndec", Op::NumberFormat, kFormatDecimal},
    {"pnucrm", Op::NumberFormat, kFormatUpperRoman},
    {"pnlcrm", Op::NumberFormat, kFormatLowerRoman},
    {"pnucltr", Op::NumberFormat, kFormatUpperLetter},
    {"pnlcltr", Op::NumberFormat, kFormatLowerLetter},
    {"pnord", Op::NumberFormat, kFormatDecimal},  // ordinals, "1st": shown as their number
    {"pnordt", Op::NumberFormat, kFormatDecimal},
    {"pncard", Op::NumberFormat, kFormatDecimal},  // cardinals, "one": the same
    {"pncardt", Op::NumberFormat, kFormatDecimal},
    {"pnstart", Op::NumberStart},
    {"ls", Op::ListNumber},
    {"ilvl", Op::ListLevelNumber},
    {"s", Op::Style},
    {"cs", Op::OtherStyle},
    {"ds", Op::OtherStyle},
    {"ts", Op::OtherStyle},
    {"brdrb", Op::BottomBorder},
    // Text
    {"u", Op::Unicode},
    {"tab", Op::Tab},
    {"line", Op::LineBreak},
    {"par", Op::ParagraphBreak},
    {"sect", Op::ParagraphBreak},
    {"page", Op::ParagraphBreak},
    {"column", Op::ParagraphBreak},
    {"intbl", Op::InTable},
    {"trowd", Op::RowDefaults},
    {"cell", Op::Cell},
    {"row", Op::Row},
    {"nestcell", Op::NestedCell},
    {"nestrow", Op::NestedCell},
    {"cellx", Op::CellEdge},
    {"trhdr", Op::HeaderRow},
    {"clmgf", Op::MergeAcross, merge(CellMerge::First)},
    {"clmrg", Op::MergeAcross, merge(CellMerge::Continue)},
    {"clvmgf", Op::MergeDown, merge(CellMerge::First)},
    {"clvmrg", Op::MergeDown, merge(CellMerge::Continue)},
    {"emdash", Op::Character, u'\u2014'},
    {"endash", Op::Character, u'\u2013'},
    {"lquote", Op::Character, u'\u2018'},
    {"rquote", Op::Character, u'\u2019'},
    {"ldblquote", Op::Character, u'\u201C'},
    {"rdblquote", Op::Character, u'\u201D'},
    {"bullet", Op::Character, u'\u2022'},
    {"emspace", Op::Character, u'\u2003'},
    {"enspace", Op::Character, u'\u2002'},
    {"qmspace", Op::Character, u'\u2005'},
    {"zwj", Op::Character, u'\u200D'},
    {"zwnj", Op::Character, u'\u200C'},
    {"ltrmark", Op::Character, u'\u200E'},
    {"rtlmark", Op::Character, u'\u200F'},
};

// Open addressing at a load of about one sixth: a word, known or not, nearly always takes one
// hash and at most one comparison.
constexpr std::size_t kSlots = 1024;  // a power of two
constexpr std::uint16_t kEmpty = 0xFFFF;

constexpr std::uint32_t hashName(std::string_view name) {
  std::uint32_t hash = 2166136261u;
  for (const char c : name) hash = (hash ^ std::uint8_t(c)) * 16777619u;
  return hash ^ (hash >> 13);
}

constexpr std::array<std::uint16_t, kSlots> makeIndex() {
  std::array<std::uint16_t, kSlots> table{};
  table.fill(kEmpty);
  for (std::size_t row = 0; row < std::size(kKeywords); ++row) {
    std::size_t slot = hashName(kKeywords[row].name) & (kSlots - 1);
    while (table[slot] != kEmpty) slot = (slot + 1) & (kSlots - 1);
    table[slot] = std::uint16_t(row);
  }
  return table;
}

constexpr std::array<std::uint16_t, kSlots> kIndex = makeIndex();
static_assert(std::size(kKeywords) * 4 < kSlots);

}  // namespace

const Keyword *findKeyword(std::string_view name) {
  for (std::size_t slot = hashName(name) & (kSlots - 1);; slot = (slot + 1) & (kSlots - 1)) {
    const std::uint16_t row = kIndex[slot];
    if (row == kEmpty) return nullptr;
    if (kKeywords[row].name == name) return &kKeywords[row];
  }
}

}  // namespace quillmark::richtext
