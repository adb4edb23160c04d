// The tool and band tables. Captions, tooltips and descriptions are the user's texts; the
// site tools take theirs from the site table, so an address and its tooltip never disagree.
// Every item of a menu has an access key ('&'), so the whole menu bar works from the keyboard.
#include "ToolTable.h"

#include <array>

#include "web/Sites.h"

namespace quillmark::tools {

namespace {

using K = ToolKind;
using web::findSite;

constexpr std::u16string_view siteCaption(std::u16string_view key) {
  return findSite(key)->caption;
}
constexpr std::u16string_view siteTooltip(std::u16string_view key) {
  return findSite(key)->tooltip;
}

// clang-format off
constexpr std::array kTools{
//   name                kind            caption              tooltip                  description                                category  shortcut        sub-band
Tool{u"new",             K::Button,      u"&New",             u"New",                  u"Creates a new, blank file",              u"aaaa",  u"Ctrl+N",      {}},
Tool{u"open",            K::Button,      u"&Open",            u"Open",                 u"Opens or finds a file",                  u"aaaa",  u"Ctrl+O",      {}},
Tool{u"save",            K::Button,      u"&Save",            u"Save",                 u"Saves current active file",              u"aaaa",  u"Ctrl+S",      {}},
Tool{u"print",           K::Button,      u"&Print...",        u"Print",                u"Print current file",                     u"aaaa",  u"Ctrl+P",      {}},
Tool{u"exit",            K::MenuItem,    u"E&xit",            u"Exit",                 u"Close all documents and exit",           u"File",  u"Ctrl+Q",      {}},
Tool{u"miCut",           K::Button,      u"C&ut",             u"Cut",                  u"Cut current selection to clipboard",     u"aaaa",  u"Ctrl+X",      {}},
Tool{u"miCopy",          K::Button,      u"C&opy",            u"Copy",                 u"Copy current selection to clipboard",    u"aaaa",  u"Ctrl+C",      {}},
Tool{u"miPaste",         K::Button,      u"&Paste",           u"Paste",                u"Paste clipboard contents into document", u"aaaa",  u"Ctrl+V",      {}},
Tool{u"Help",            K::Button,      u"&Help",            u"Help",                 {},                                        u"aaaa",  u"F1",          {}},
Tool{u"Space",           K::Spacer,      {},                  {},                      {},                                        {},       {},             {}},
Tool{u"AP",              K::TextButton,  siteCaption(u"ap"),  siteTooltip(u"ap"),      {},                                        {},       {},             {}},
Tool{u"ZU21",            K::TextButton,  siteCaption(u"zu21"), siteTooltip(u"zu21"),   {},                                        {},       {},             {}},
Tool{u"CCSite",          K::TextButton,  siteCaption(u"ccsite"), siteTooltip(u"ccsite"), {},                                      {},       {},             {}},
Tool{u"WarningSite",     K::TextButton,  siteCaption(u"warningsite"), siteTooltip(u"warningsite"), {},                            {},       {},             {}},
Tool{u"NorvaneSite",     K::TextButton,  siteCaption(u"norvanesite"), siteTooltip(u"norvanesite"), {},                            {},       {},             {}},
Tool{u"Updates",         K::MenuItem,    siteCaption(u"updates"), siteTooltip(u"updates"), {},                                    {},       {},             {}},
Tool{u"",                K::Label,       u"Font Size:",       {},                      {},                                        {},       {},             {}},
Tool{u"miFontSize",      K::ComboBox,    u"Font &Size",       u"Font Size",            u"Change font size",                       u"aaaa",  {},             {}},
Tool{u"miBold",          K::Button,      u"&Bold",            u"Bold",                 u"Set current style to bold",              u"aaaa",  u"Ctrl+B",      {}},
Tool{u"miItalic",        K::Button,      u"&Italic",          u"Italic",               u"Set current style to italic",            u"aaaa",  u"Ctrl+I",      {}},
Tool{u"miUnderline",     K::Button,      u"&Underline",       u"Underline",            u"Set current style to underlined",        u"aaaa",  u"Ctrl+U",      {}},
Tool{u"miLeft",          K::Button,      u"&Left",            u"Left",                 u"Align left",                             u"aaaa",  u"Ctrl+L",      {}},
Tool{u"miCenter",        K::Button,      u"&Center",          u"Center",               u"Align center",                           u"aaaa",  u"Ctrl+E",      {}},
Tool{u"miRight",         K::Button,      u"&Right",           u"Right",                u"Align right",                            u"aaaa",  u"Ctrl+R",      {}},
Tool{u"Bullets",         K::Button,      u"Bull&ets",         u"Bullets",              {},                                        {},       {},             {}},
Tool{u"Increase Indent", K::Button,      u"Increase Indent",  u"Increase Indent",      {},                                        {},       u"Ctrl+]",      {}},
Tool{u"Decrease Indent", K::Button,      u"Decrease Indent",  u"Decrease Indent",      {},                                        {},       u"Ctrl+[",      {}},
Tool{u"Color",           K::Button,      u"C&olor",           u"Color",                {},                                        {},       {},             {}},
Tool{u"Fixed Columns",   K::Button,      u"&Fixed Columns",   u"Fixed Columns",        {},                                        {},       {},             {}},
Tool{u"mnuFile",         K::MenuTitle,   u"&File",            {},                      {},                                        u"Menus", {},             u"mnuFile"},
Tool{u"mnuEdit",         K::MenuTitle,   u"&Edit",            {},                      {},                                        u"Menus", {},             u"mnuEdit"},
Tool{u"mnuFormat",       K::MenuTitle,   u"Fo&rmat",          {},                      {},                                        u"Menus", {},             u"mnuFormat"},
Tool{u"web",             K::MenuTitle,   u"&Web",             {},                      {},                                        {},       {},             u"mnuWeb"},
Tool{u"mnuHelp",         K::MenuTitle,   u"&Help",            {},                      {},                                        u"Menus", {},             u"mnuHelp"},
Tool{u"miHContents",     K::MenuItem,    u"&Contents",        u"Help Contents",        {},                                        u"Help",  {},             {}},
Tool{u"miHAbout",        K::MenuItem,    u"&About",           u"About this application", {},                                      u"Help",  {},             {}},
};

constexpr std::u16string_view kBand1[] = {u"new", u"open", u"save", u"|print", u"|miCut", u"miCopy", u"miPaste", u"|Help", u"|Space", u"|AP", u"|ZU21", u"|CCSite", u"|WarningSite", u"|NorvaneSite"};
constexpr std::u16string_view kBand2[] = {u"", u"miFontSize", u"|miBold", u"miItalic", u"miUnderline", u"|miLeft", u"miCenter", u"miRight", u"|Bullets", u"Increase Indent", u"Decrease Indent", u"|Color", u"|Fixed Columns"};
constexpr std::u16string_view kBand3[] = {u"mnuFile", u"mnuEdit", u"mnuFormat", u"web", u"mnuHelp"};
constexpr std::u16string_view kMnuFile[] = {u"new", u"open", u"save", u"|print", u"exit"};
constexpr std::u16string_view kMnuEdit[] = {u"miCut", u"miCopy", u"miPaste"};
constexpr std::u16string_view kMnuFormat[] = {u"miFontSize", u"|miBold", u"miItalic", u"miUnderline", u"|miLeft", u"miCenter", u"miRight", u"|Bullets", u"|Color", u"|Fixed Columns"};
constexpr std::u16string_view kMnuHelp[] = {u"miHContents", u"miHAbout"};
constexpr std::u16string_view kMnuWeb[] = {u"Updates", u"|AP", u"ZU21", u"CCSite", u"|NorvaneSite", u"WarningSite"};
constexpr std::u16string_view kBand4[] = {u"|AP", u"|ZU21", u"|CCSite", u"|WarningSite", u"|NorvaneSite"};

constexpr std::array kBands{
//   name           caption     type                tools
Band{u"Band1",      u"Band1",   BandType::Toolbar,  kBand1},
Band{u"Band2",      u"Band2",   BandType::Toolbar,  kBand2},
Band{u"Band3",      u"Band3",   BandType::MenuBar,  kBand3},
Band{u"mnuFile",    u"Band4",   BandType::Popup,    kMnuFile},
Band{u"mnuEdit",    u"Band4",   BandType::Popup,    kMnuEdit},
Band{u"mnuFormat",  u"Band4",   BandType::Popup,    kMnuFormat},
Band{u"mnuHelp",    u"Band4",   BandType::Popup,    kMnuHelp},
Band{u"mnuWeb",     u"Web",     BandType::Popup,    kMnuWeb},
Band{u"Band4",      u"Band4",   BandType::Toolbar,  kBand4},
};
// clang-format on

}  // namespace

std::span<const Tool> allTools() { return kTools; }
std::span<const Band> allBands() { return kBands; }

const Tool *findTool(std::u16string_view name) {
  for (const Tool &tool : kTools)
    if (tool.name == name) return &tool;
  return nullptr;
}

const Band *findBand(std::u16string_view name) {
  for (const Band &band : kBands)
    if (band.name == name) return &band;
  return nullptr;
}

BandEntry bandEntry(std::u16string_view entry) {
  if (entry.starts_with(u'|')) return {entry.substr(1), true};
  return {entry, false};
}

}  // namespace quillmark::tools
