#pragma once
// The tools of the menu bar and toolbars, and the bands they stand in, as data: one row per
// tool, one row per band. A tool's row holds everything about it: its texts, its shortcut, its
// picture, the command it runs and, for a toggle, what its checked state shows. The window
// builds its actions from the tool rows in one loop and its menus and toolbars from the band
// rows; nothing about a tool is written anywhere else.
#include <span>
#include <string_view>

namespace quillmark {
class QuillmarkMain;
namespace richtext {
class RichTextBox;
}
}  // namespace quillmark

namespace quillmark::tools {

enum class ToolKind { Button, TextButton, MenuItem, ComboBox, Label, Spacer, MenuTitle };
enum class BandType { Toolbar, MenuBar, Popup };

// What a tool runs. The window's dispatcher calls it, containing any failure.
using Command = void (*)(QuillmarkMain &);
// Whether a toggle shows checked, read from the formatting at the insertion point.
using CheckedState = bool (*)(const richtext::RichTextBox &);
// Whether a tool applies at the selection; the window shows it disabled where it does not.
using EnabledState = bool (*)(const richtext::RichTextBox &);

struct Tool {
  std::u16string_view name;  // object name; lower-cased, the command key
  ToolKind kind;
  std::u16string_view caption;  // with '&' before the access key
  std::u16string_view tooltip;
  std::u16string_view description;  // the status-bar text
  std::u16string_view shortcut;     // QKeySequence text, empty for none
  std::u16string_view icon;         // the picture's key (pictures::icon), empty for none
  std::u16string_view subBand;      // the popup a menu title opens
  Command command;                  // nullptr: the tool runs nothing by its name
  CheckedState checked;             // non-null makes the tool a checkable toggle
  EnabledState enabled = nullptr;   // nullptr: always enabled
};

struct Band {
  std::u16string_view name;
  std::u16string_view caption;
  BandType type;
  // Tool names in order; a leading '|' puts a group separator before the tool. The label
  // "Font Size:" has no name and stands as "".
  std::span<const std::u16string_view> tools;
  bool startsHidden = false;  // a toolbar the user can show from the toolbars' context menu
};

std::span<const Tool> allTools();
std::span<const Band> allBands();

// The row of a tool or band by name, or nullptr.
const Tool *findTool(std::u16string_view name);
const Band *findBand(std::u16string_view name);

// The tool that runs for a command key (a lower-cased tool name): the first row with a
// command whose name, lower-cased, equals the key; nullptr when there is none.
const Tool *findCommand(std::u16string_view key);

// A band entry split into its tool name and whether a separator stands before it.
struct BandEntry {
  std::u16string_view tool;
  bool separatorBefore;
};
BandEntry bandEntry(std::u16string_view entry);

// The sizes offered in the font-size list, in order.
inline constexpr std::u16string_view kFontSizes[] = {u"12", u"14", u"18", u"24", u"48"};

}  // namespace quillmark::tools
