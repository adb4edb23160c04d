// The tool and band tables. Captions, tooltips and descriptions are the user's texts; the
// site tools take theirs from the site table, so an address and its tooltip never disagree.
// Every item of a menu has an access key ('&'), so the whole menu bar works from the keyboard.
// The texts are marked for translation in the context "Tool" and held in English; the window
// shows them through i18n::translated("Tool", ...).
#include "ToolTable.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <algorithm>
#include <array>

#include "QuillmarkMain.h"
#include "i18n/Translation.h"
#include "preview/Preview.h"
#include "richtext/RichTextBox.h"
#include "web/Sites.h"

namespace quillmark::tools {

namespace {

using K = ToolKind;
using W = QuillmarkMain;
using Box = richtext::RichTextBox;
using i18n::ui;
using richtext::Alignment;
using web::findSite;

constexpr std::u16string_view siteCaption(std::u16string_view key) {
  return findSite(key)->caption;
}
constexpr std::u16string_view siteTooltip(std::u16string_view key) {
  return findSite(key)->tooltip;
}

// The commands, each one call on the window, and the readers of the toggles' states.
template <auto member>
void run(QuillmarkMain &window) {
  (window.*member)();
}

bool bold(const Box &box) { return box.selBold().value_or(false); }
bool italic(const Box &box) { return box.selItalic().value_or(false); }
bool underlined(const Box &box) { return box.selUnderline().value_or(false); }
bool bulleted(const Box &box) { return box.selBullet().value_or(false); }
bool numbered(const Box &box) { return box.selNumbered().value_or(false); }
bool quoted(const Box &box) { return box.selQuote().value_or(false); }
template <int level>
bool heading(const Box &box) {
  return box.selHeading() == level;
}
template <richtext::Alignment alignment>
bool aligned(const Box &box) {
  return box.selAlignment() == alignment;
}

// Where the table tools apply. A table's cells hold text only: the tools that make lists,
// quotes, headings, rules, pictures or a fixed-columns block do not apply in one.
bool outsideTables(const Box &box) { return !box.selInTable(); }
bool inTable(const Box &box) { return box.selTable() != nullptr; }
template <Box::TableEdit edit>
bool tableEditable(const Box &box) {
  return box.canEditTable(edit);
}
bool headerRow(const Box &box) { return box.tableHeaderRow(); }
// Paste Forum Post reads the clipboard's plain text. Only its kinds are asked for, which the
// clipboard keeps: the text itself would be fetched from its owner at every cursor move.
bool clipboardHasText(const Box &) {
  const QMimeData *data = QGuiApplication::clipboard()->mimeData();
  return data && data->hasText();
}
using Edit = Box::TableEdit;

// clang-format off
constexpr std::array kTools{
//   name                    kind           caption                                                    tooltip                                                  description                                                                                      shortcut         icon                      sub-band      command                                   checked
Tool{u"new",                 K::Button,     ui<QT_TRANSLATE_NOOP("Tool", "&New")>,                     ui<QT_TRANSLATE_NOOP("Tool", "New")>,                    ui<QT_TRANSLATE_NOOP("Tool", "Creates a new, blank file")>,                                      u"Ctrl+N",       u"document-new",          {},           run<&W::newDocument>,                     nullptr},
Tool{u"open",                K::Button,     ui<QT_TRANSLATE_NOOP("Tool", "&Open")>,                    ui<QT_TRANSLATE_NOOP("Tool", "Open")>,                   ui<QT_TRANSLATE_NOOP("Tool", "Opens or finds a file")>,                                          u"Ctrl+O",       u"document-open",         {},           run<&W::openDocument>,                    nullptr},
Tool{u"save",                K::Button,     ui<QT_TRANSLATE_NOOP("Tool", "&Save")>,                    ui<QT_TRANSLATE_NOOP("Tool", "Save")>,                   ui<QT_TRANSLATE_NOOP("Tool", "Saves current active file")>,                                      u"Ctrl+S",       u"document-save",         {},           run<&W::saveDocument>,                    nullptr},
Tool{u"miSaveAs",            K::MenuItem,   ui<QT_TRANSLATE_NOOP("Tool", "Save &As...")>,              ui<QT_TRANSLATE_NOOP("Tool", "Save As")>,                ui<QT_TRANSLATE_NOOP("Tool", "Saves the document under a new name")>,                            u"Ctrl+Shift+S", {},                       {},           run<&W::saveDocumentAs>,                  nullptr},
Tool{u"print",               K::Button,     ui<QT_TRANSLATE_NOOP("Tool", "&Print...")>,                ui<QT_TRANSLATE_NOOP("Tool", "Print")>,                  ui<QT_TRANSLATE_NOOP("Tool", "Print current file")>,                                             u"Ctrl+P",       u"document-print",        {},           run<&W::printDocument>,                   nullptr},
Tool{u"exit",                K::MenuItem,   ui<QT_TRANSLATE_NOOP("Tool", "E&xit")>,                    ui<QT_TRANSLATE_NOOP("Tool", "Exit")>,                   ui<QT_TRANSLATE_NOOP("Tool", "Close all documents and exit")>,                                   u"Ctrl+Q",       u"application-exit",      {},           run<&W::exitProgram>,                     nullptr},
Tool{u"miCut",               K::Button,     ui<QT_TRANSLATE_NOOP("Tool", "C&ut")>,                     ui<QT_TRANSLATE_NOOP("Tool", "Cut")>,                    ui<QT_TRANSLATE_NOOP("Tool", "Cut current selection to clipboard")>,                             u"Ctrl+X",       u"edit-cut",              {},           run<&W::cut>,                             nullptr},
Tool{u"miCopy",              K::Button,     ui<QT_TRANSLATE_NOOP("Tool", "C&opy")>,                    ui<QT_TRANSLATE_NOOP("Tool", "Copy")>,                   ui<QT_TRANSLATE_NOOP("Tool", "Copy current selection to clipboard")>,                            u"Ctrl+C",       u"edit-copy",             {},           run<&W::copy>,                            nullptr},
Tool{u"miPaste",             K::Button,     ui<QT_TRANSLATE_NOOP("Tool", "&Paste")>,                   ui<QT_TRANSLATE_NOOP("Tool", "Paste")>,                  ui<QT_TRANSLATE_NOOP("Tool", "Paste clipboard contents into document")>,                         u"Ctrl+V",       u"edit-paste",            {},           run<&W::paste>,                           nullptr},
Tool{u"miPasteForumPost",    K::MenuItem,   ui<QT_TRANSLATE_NOOP("Tool", "Paste Forum Pos&t")>,        ui<QT_TRANSLATE_NOOP("Tool", "Paste Forum Post")>,       ui<QT_TRANSLATE_NOOP("Tool", "Paste the forum post on the clipboard as formatted text")>,         u"Ctrl+Shift+V", {},                       {},           run<&W::pasteForumPost>,                  nullptr,    clipboardHasText},
Tool{u"miUndo",              K::MenuItem,   ui<QT_TRANSLATE_NOOP("Tool", "Un&do")>,                    ui<QT_TRANSLATE_NOOP("Tool", "Undo")>,                   ui<QT_TRANSLATE_NOOP("Tool", "Undoes the last change")>,                                         u"Ctrl+Z",       {},                       {},           run<&W::undo>,                            nullptr},
Tool{u"miRedo",              K::MenuItem,   ui<QT_TRANSLATE_NOOP("Tool", "&Redo")>,                    ui<QT_TRANSLATE_NOOP("Tool", "Redo")>,                   ui<QT_TRANSLATE_NOOP("Tool", "Makes the change undone again")>,                                  u"Ctrl+Y",       {},                       {},           run<&W::redo>,                            nullptr},
Tool{u"miSelectAll",         K::MenuItem,   ui<QT_TRANSLATE_NOOP("Tool", "Select &All")>,              ui<QT_TRANSLATE_NOOP("Tool", "Select All")>,             ui<QT_TRANSLATE_NOOP("Tool", "Selects the whole document")>,                                     u"Ctrl+A",       {},                       {},           run<&W::selectAll>,                       nullptr},
Tool{u"miFind",              K::MenuItem,   ui<QT_TRANSLATE_NOOP("Tool", "&Find...")>,                 ui<QT_TRANSLATE_NOOP("Tool", "Find")>,                   ui<QT_TRANSLATE_NOOP("Tool", "Finds text in the document")>,                                     u"Ctrl+F",       {},                       {},           run<&W::showFind>,                        nullptr},
Tool{u"miFindNext",          K::MenuItem,   ui<QT_TRANSLATE_NOOP("Tool", "Find &Next")>,               ui<QT_TRANSLATE_NOOP("Tool", "Find Next")>,              ui<QT_TRANSLATE_NOOP("Tool", "Finds the next match")>,                                           u"F3",           {},                       {},           run<&W::findNext>,                        nullptr},
Tool{u"miReplace",           K::MenuItem,   ui<QT_TRANSLATE_NOOP("Tool", "R&eplace...")>,              ui<QT_TRANSLATE_NOOP("Tool", "Replace")>,                ui<QT_TRANSLATE_NOOP("Tool", "Replaces text in the document")>,                                  u"Ctrl+H",       {},                       {},           run<&W::showReplace>,                     nullptr},
Tool{u"Help",                K::Button,     ui<QT_TRANSLATE_NOOP("Tool", "&Help")>,                    ui<QT_TRANSLATE_NOOP("Tool", "Help")>,                   {},                                                                                              u"F1",           u"help-contents",         {},           run<&W::showHelp>,                        nullptr},
Tool{u"Space",               K::Spacer,     {},                                                        {},                                                      {},                                                                                              {},              {},                       {},           nullptr,                                  nullptr},
Tool{u"AP",                  K::TextButton, siteCaption(u"ap"),                                        siteTooltip(u"ap"),                                      {},                                                                                              {},              {},                       {},           [](W &w) { w.openSite(u"ap"); },          nullptr},
Tool{u"ZU21",                K::TextButton, siteCaption(u"zu21"),                                      siteTooltip(u"zu21"),                                    {},                                                                                              {},              {},                       {},           [](W &w) { w.openSite(u"zu21"); },        nullptr},
Tool{u"CCSite",              K::TextButton, siteCaption(u"ccsite"),                                    siteTooltip(u"ccsite"),                                  {},                                                                                              {},              {},                       {},           [](W &w) { w.openSite(u"ccsite"); },      nullptr},
Tool{u"WarningSite",         K::TextButton, siteCaption(u"warningsite"),                               siteTooltip(u"warningsite"),                             {},                                                                                              {},              {},                       {},           [](W &w) { w.openSite(u"warningsite"); }, nullptr},
Tool{u"NorvaneSite",         K::TextButton, siteCaption(u"norvanesite"),                               siteTooltip(u"norvanesite"),                             {},                                                                                              {},              {},                       {},           [](W &w) { w.openSite(u"norvanesite"); }, nullptr},
Tool{u"Updates",             K::MenuItem,   siteCaption(u"updates"),                                   siteTooltip(u"updates"),                                 {},                                                                                              {},              {},                       {},           [](W &w) { w.openSite(u"updates"); },     nullptr},
Tool{u"",                    K::Label,      ui<QT_TRANSLATE_NOOP("Tool", "Font Si&ze:")>,              {},                                                      {},                                                                                              {},              {},                       {},           nullptr,                                  nullptr},
Tool{u"miFontSize",          K::ComboBox,   ui<QT_TRANSLATE_NOOP("Tool", "Font &Size")>,               ui<QT_TRANSLATE_NOOP("Tool", "Font Size")>,              ui<QT_TRANSLATE_NOOP("Tool", "Change font size")>,                                               {},              {},                       {},           nullptr,                                  nullptr},
Tool{u"miBold",              K::Button,     ui<QT_TRANSLATE_NOOP("Tool", "&Bold")>,                    ui<QT_TRANSLATE_NOOP("Tool", "Bold")>,                   ui<QT_TRANSLATE_NOOP("Tool", "Set current style to bold")>,                                      u"Ctrl+B",       u"format-text-bold",      {},           run<&W::toggleBold>,                      bold},
Tool{u"miItalic",            K::Button,     ui<QT_TRANSLATE_NOOP("Tool", "&Italic")>,                  ui<QT_TRANSLATE_NOOP("Tool", "Italic")>,                 ui<QT_TRANSLATE_NOOP("Tool", "Set current style to italic")>,                                    u"Ctrl+I",       u"format-text-italic",    {},           run<&W::toggleItalic>,                    italic},
Tool{u"miUnderline",         K::Button,     ui<QT_TRANSLATE_NOOP("Tool", "&Underline")>,               ui<QT_TRANSLATE_NOOP("Tool", "Underline")>,              ui<QT_TRANSLATE_NOOP("Tool", "Set current style to underlined")>,                                u"Ctrl+U",       u"format-text-underline", {},           run<&W::toggleUnderline>,                 underlined},
Tool{u"miLeft",              K::Button,     ui<QT_TRANSLATE_NOOP("Tool", "&Left")>,                    ui<QT_TRANSLATE_NOOP("Tool", "Left")>,                   ui<QT_TRANSLATE_NOOP("Tool", "Align left")>,                                                     u"Ctrl+L",       u"format-justify-left",   {},           run<&W::alignLeft>,                       aligned<Alignment::Left>},
Tool{u"miCenter",            K::Button,     ui<QT_TRANSLATE_NOOP("Tool", "&Center")>,                  ui<QT_TRANSLATE_NOOP("Tool", "Center")>,                 ui<QT_TRANSLATE_NOOP("Tool", "Align center")>,                                                   u"Ctrl+E",       u"format-justify-center", {},           run<&W::alignCenter>,                     aligned<Alignment::Center>},
Tool{u"miRight",             K::Button,     ui<QT_TRANSLATE_NOOP("Tool", "&Right")>,                   ui<QT_TRANSLATE_NOOP("Tool", "Right")>,                  ui<QT_TRANSLATE_NOOP("Tool", "Align right")>,                                                    u"Ctrl+R",       u"format-justify-right",  {},           run<&W::alignRight>,                      aligned<Alignment::Right>},
Tool{u"Bullets",             K::Button,     ui<QT_TRANSLATE_NOOP("Tool", "Bull&ets")>,                 ui<QT_TRANSLATE_NOOP("Tool", "Bullets")>,                {},                                                                                              {},              u"format-list-unordered", {},           run<&W::toggleBullets>,                   bulleted,   outsideTables},
Tool{u"Numbering",           K::Button,     ui<QT_TRANSLATE_NOOP("Tool", "Nu&mbering")>,               ui<QT_TRANSLATE_NOOP("Tool", "Numbering")>,              {},                                                                                              {},              u"format-list-ordered",   {},           run<&W::toggleNumbering>,                 numbered,   outsideTables},
Tool{u"miQuote",             K::MenuItem,   ui<QT_TRANSLATE_NOOP("Tool", "&Quote")>,                   ui<QT_TRANSLATE_NOOP("Tool", "Quote")>,                  ui<QT_TRANSLATE_NOOP("Tool", "Put the paragraphs in a quote or take them out")>,                 {},              {},                       {},           run<&W::toggleQuote>,                     quoted,     outsideTables},
Tool{u"miHeading1",          K::MenuItem,   ui<QT_TRANSLATE_NOOP("Tool", "Heading &1")>,               ui<QT_TRANSLATE_NOOP("Tool", "Heading 1")>,              ui<QT_TRANSLATE_NOOP("Tool", "Make the paragraphs a main heading")>,                             u"Ctrl+1",       {},                       {},           run<&W::setHeading1>,                     heading<1>, outsideTables},
Tool{u"miHeading2",          K::MenuItem,   ui<QT_TRANSLATE_NOOP("Tool", "Heading &2")>,               ui<QT_TRANSLATE_NOOP("Tool", "Heading 2")>,              ui<QT_TRANSLATE_NOOP("Tool", "Make the paragraphs a heading")>,                                  u"Ctrl+2",       {},                       {},           run<&W::setHeading2>,                     heading<2>, outsideTables},
Tool{u"miHeading3",          K::MenuItem,   ui<QT_TRANSLATE_NOOP("Tool", "Heading &3")>,               ui<QT_TRANSLATE_NOOP("Tool", "Heading 3")>,              ui<QT_TRANSLATE_NOOP("Tool", "Make the paragraphs a small heading")>,                            u"Ctrl+3",       {},                       {},           run<&W::setHeading3>,                     heading<3>, outsideTables},
Tool{u"miNormalText",        K::MenuItem,   ui<QT_TRANSLATE_NOOP("Tool", "Normal &Text")>,             ui<QT_TRANSLATE_NOOP("Tool", "Normal Text")>,            ui<QT_TRANSLATE_NOOP("Tool", "Make the paragraphs normal text")>,                                u"Ctrl+0",       {},                       {},           run<&W::setNormalText>,                   heading<0>},
Tool{u"miPicture",           K::MenuItem,   ui<QT_TRANSLATE_NOOP("Tool", "&Picture from Address...")>, ui<QT_TRANSLATE_NOOP("Tool", "Picture from Address")>,   ui<QT_TRANSLATE_NOOP("Tool", "Insert a picture from its web address")>,                          {},              {},                       {},           run<&W::insertPicture>,                   nullptr,    outsideTables},
Tool{u"miRule",              K::MenuItem,   ui<QT_TRANSLATE_NOOP("Tool", "Horizontal &Rule")>,         ui<QT_TRANSLATE_NOOP("Tool", "Horizontal Rule")>,        ui<QT_TRANSLATE_NOOP("Tool", "Insert a line across the post")>,                                  {},              {},                       {},           run<&W::insertRule>,                      nullptr,    outsideTables},
Tool{u"miTable",             K::MenuItem,   ui<QT_TRANSLATE_NOOP("Tool", "&Table...")>,                ui<QT_TRANSLATE_NOOP("Tool", "Table")>,                  ui<QT_TRANSLATE_NOOP("Tool", "Insert a table")>,                                                 {},              {},                       {},           run<&W::insertTable>,                     nullptr,    outsideTables},
Tool{u"miInsertTable",       K::MenuItem,   ui<QT_TRANSLATE_NOOP("Tool", "&Insert Table...")>,         ui<QT_TRANSLATE_NOOP("Tool", "Insert Table")>,           ui<QT_TRANSLATE_NOOP("Tool", "Insert a table")>,                                                 {},              {},                       {},           run<&W::insertTable>,                     nullptr,    outsideTables},
Tool{u"miRowAbove",          K::MenuItem,   ui<QT_TRANSLATE_NOOP("Tool", "Insert Row &Above")>,        ui<QT_TRANSLATE_NOOP("Tool", "Insert Row Above")>,       ui<QT_TRANSLATE_NOOP("Tool", "Insert a row above the selected cells")>,                          {},              {},                       {},           run<&W::insertRowAbove>,                  nullptr,    tableEditable<Edit::RowAbove>},
Tool{u"miRowBelow",          K::MenuItem,   ui<QT_TRANSLATE_NOOP("Tool", "Insert Row &Below")>,        ui<QT_TRANSLATE_NOOP("Tool", "Insert Row Below")>,       ui<QT_TRANSLATE_NOOP("Tool", "Insert a row below the selected cells")>,                          {},              {},                       {},           run<&W::insertRowBelow>,                  nullptr,    tableEditable<Edit::RowBelow>},
Tool{u"miColumnLeft",        K::MenuItem,   ui<QT_TRANSLATE_NOOP("Tool", "Insert Column &Left")>,      ui<QT_TRANSLATE_NOOP("Tool", "Insert Column Left")>,     ui<QT_TRANSLATE_NOOP("Tool", "Insert a column left of the selected cells")>,                     {},              {},                       {},           run<&W::insertColumnLeft>,                nullptr,    tableEditable<Edit::ColumnLeft>},
Tool{u"miColumnRight",       K::MenuItem,   ui<QT_TRANSLATE_NOOP("Tool", "Insert Column &Right")>,     ui<QT_TRANSLATE_NOOP("Tool", "Insert Column Right")>,    ui<QT_TRANSLATE_NOOP("Tool", "Insert a column right of the selected cells")>,                    {},              {},                       {},           run<&W::insertColumnRight>,               nullptr,    tableEditable<Edit::ColumnRight>},
Tool{u"miDeleteRow",         K::MenuItem,   ui<QT_TRANSLATE_NOOP("Tool", "&Delete Row")>,              ui<QT_TRANSLATE_NOOP("Tool", "Delete Row")>,             ui<QT_TRANSLATE_NOOP("Tool", "Delete the rows of the selected cells")>,                          {},              {},                       {},           run<&W::deleteRow>,                       nullptr,    tableEditable<Edit::DeleteRows>},
Tool{u"miDeleteColumn",      K::MenuItem,   ui<QT_TRANSLATE_NOOP("Tool", "Delete &Column")>,           ui<QT_TRANSLATE_NOOP("Tool", "Delete Column")>,          ui<QT_TRANSLATE_NOOP("Tool", "Delete the columns of the selected cells")>,                       {},              {},                       {},           run<&W::deleteColumn>,                    nullptr,    tableEditable<Edit::DeleteColumns>},
Tool{u"miDeleteTable",       K::MenuItem,   ui<QT_TRANSLATE_NOOP("Tool", "Delete &Table")>,            ui<QT_TRANSLATE_NOOP("Tool", "Delete Table")>,           ui<QT_TRANSLATE_NOOP("Tool", "Delete the whole table")>,                                         {},              {},                       {},           run<&W::deleteTable>,                     nullptr,    tableEditable<Edit::DeleteTable>},
Tool{u"miAlignColumnLeft",   K::MenuItem,   ui<QT_TRANSLATE_NOOP("Tool", "Align Column Le&ft")>,       ui<QT_TRANSLATE_NOOP("Tool", "Align Column Left")>,      ui<QT_TRANSLATE_NOOP("Tool", "Align the selected columns left")>,                                {},              {},                       {},           run<&W::alignColumnLeft>,                 nullptr,    inTable},
Tool{u"miAlignColumnCenter", K::MenuItem,   ui<QT_TRANSLATE_NOOP("Tool", "Align Column Ce&nter")>,     ui<QT_TRANSLATE_NOOP("Tool", "Align Column Center")>,    ui<QT_TRANSLATE_NOOP("Tool", "Center the selected columns")>,                                    {},              {},                       {},           run<&W::alignColumnCenter>,               nullptr,    inTable},
Tool{u"miAlignColumnRight",  K::MenuItem,   ui<QT_TRANSLATE_NOOP("Tool", "Align Column Ri&ght")>,      ui<QT_TRANSLATE_NOOP("Tool", "Align Column Right")>,     ui<QT_TRANSLATE_NOOP("Tool", "Align the selected columns right")>,                               {},              {},                       {},           run<&W::alignColumnRight>,                nullptr,    inTable},
Tool{u"miHeaderRow",         K::MenuItem,   ui<QT_TRANSLATE_NOOP("Tool", "&Header Row")>,              ui<QT_TRANSLATE_NOOP("Tool", "Header Row")>,             ui<QT_TRANSLATE_NOOP("Tool", "Make the first row the table's header or a row like the others")>, {},              {},                       {},           run<&W::toggleHeaderRow>,                 headerRow,  inTable},
Tool{u"miTextToTable",       K::MenuItem,   ui<QT_TRANSLATE_NOOP("Tool", "Convert Te&xt to Table")>,   ui<QT_TRANSLATE_NOOP("Tool", "Convert Text to Table")>,  ui<QT_TRANSLATE_NOOP("Tool", "Make a table of the fixed-columns block or the selected lines")>,  {},              {},                       {},           run<&W::convertTextToTable>,              nullptr,    outsideTables},
Tool{u"miTableToText",       K::MenuItem,   ui<QT_TRANSLATE_NOOP("Tool", "C&onvert Table to Text")>,   ui<QT_TRANSLATE_NOOP("Tool", "Convert Table to Text")>,  ui<QT_TRANSLATE_NOOP("Tool", "Make the table a fixed-columns block")>,                           {},              {},                       {},           run<&W::convertTableToText>,              nullptr,    inTable},
Tool{u"Increase Indent",     K::Button,     ui<QT_TRANSLATE_NOOP("Tool", "I&ncrease Indent")>,         ui<QT_TRANSLATE_NOOP("Tool", "Increase Indent")>,        {},                                                                                              u"Ctrl+]",       u"format-indent-more",    {},           run<&W::increaseIndent>,                  nullptr,    outsideTables},
Tool{u"Decrease Indent",     K::Button,     ui<QT_TRANSLATE_NOOP("Tool", "&Decrease Indent")>,         ui<QT_TRANSLATE_NOOP("Tool", "Decrease Indent")>,        {},                                                                                              u"Ctrl+[",       u"format-indent-less",    {},           run<&W::decreaseIndent>,                  nullptr,    outsideTables},
Tool{u"Color",               K::Button,     ui<QT_TRANSLATE_NOOP("Tool", "C&olor")>,                   ui<QT_TRANSLATE_NOOP("Tool", "Color")>,                  {},                                                                                              {},              u"format-text-color",     {},           run<&W::chooseColor>,                     nullptr},
Tool{u"Fixed Columns",       K::Button,     ui<QT_TRANSLATE_NOOP("Tool", "&Fixed Columns")>,           ui<QT_TRANSLATE_NOOP("Tool", "Fixed Columns")>,          {},                                                                                              {},              u"fixed-columns",         {},           run<&W::insertFixedColumns>,              nullptr,    outsideTables},
Tool{u"miLink",              K::MenuItem,   ui<QT_TRANSLATE_NOOP("Tool", "Lin&k...")>,                 ui<QT_TRANSLATE_NOOP("Tool", "Link")>,                   ui<QT_TRANSLATE_NOOP("Tool", "Make the selection a link to a web address")>,                     u"Ctrl+K",       {},                       {},           run<&W::makeLink>,                        nullptr},
Tool{u"miConvertClipboard",  K::MenuItem,   ui<QT_TRANSLATE_NOOP("Tool", "Con&vert Clipboard")>,       ui<QT_TRANSLATE_NOOP("Tool", "Convert Clipboard")>,      ui<QT_TRANSLATE_NOOP("Tool", "Convert the rich text on the clipboard into a post")>,             u"Ctrl+Alt+V",   {},                       {},           run<&W::convertClipboard>,                nullptr},
Tool{u"miCopyNextPart",      K::MenuItem,   ui<QT_TRANSLATE_NOOP("Tool", "Copy Ne&xt Part")>,          ui<QT_TRANSLATE_NOOP("Tool", "Copy Next Part")>,         ui<QT_TRANSLATE_NOOP("Tool", "Copy the next part of a post too long for its forum")>,            u"Ctrl+Alt+C",   {},                       {},           run<&W::copyNextPart>,                    nullptr},
Tool{u"miForums",            K::MenuItem,   ui<QT_TRANSLATE_NOOP("Tool", "&Forums...")>,               ui<QT_TRANSLATE_NOOP("Tool", "Forums")>,                 ui<QT_TRANSLATE_NOOP("Tool", "Add, change or remove forum profiles")>,                           {},              {},                       {},           run<&W::showForums>,                      nullptr},
Tool{u"lblPostAs",           K::Label,      ui<QT_TRANSLATE_NOOP("Tool", "Post &as:")>,                {},                                                      {},                                                                                              {},              {},                       {},           nullptr,                                  nullptr},
Tool{u"cboPostAs",           K::ComboBox,   ui<QT_TRANSLATE_NOOP("Tool", "Post &as")>,                 ui<QT_TRANSLATE_NOOP("Tool", "Post as")>,                ui<QT_TRANSLATE_NOOP("Tool", "Choose the forum, and so the format, of the post")>,               {},              {},                       {},           nullptr,                                  nullptr},
Tool{u"miPreview",           K::MenuItem,   ui<QT_TRANSLATE_NOOP("Tool", "&Preview")>,                 ui<QT_TRANSLATE_NOOP("Tool", "Preview")>,                ui<QT_TRANSLATE_NOOP("Tool", "Shows the post as the forum will show it, and its markup")>,       u"F5",           {},                       {},           [](W &w) { w.preview().toggle(); },       nullptr},
Tool{u"mnuFile",             K::MenuTitle,  ui<QT_TRANSLATE_NOOP("Tool", "&File")>,                    {},                                                      {},                                                                                              {},              {},                       u"mnuFile",   nullptr,                                  nullptr},
Tool{u"mnuEdit",             K::MenuTitle,  ui<QT_TRANSLATE_NOOP("Tool", "&Edit")>,                    {},                                                      {},                                                                                              {},              {},                       u"mnuEdit",   nullptr,                                  nullptr},
Tool{u"mnuView",             K::MenuTitle,  ui<QT_TRANSLATE_NOOP("Tool", "&View")>,                    {},                                                      {},                                                                                              {},              {},                       u"mnuView",   nullptr,                                  nullptr},
Tool{u"mnuFormat",           K::MenuTitle,  ui<QT_TRANSLATE_NOOP("Tool", "Fo&rmat")>,                  {},                                                      {},                                                                                              {},              {},                       u"mnuFormat", nullptr,                                  nullptr},
Tool{u"mnuInsert",           K::MenuTitle,  ui<QT_TRANSLATE_NOOP("Tool", "In&sert")>,                  {},                                                      {},                                                                                              {},              {},                       u"mnuInsert", nullptr,                                  nullptr},
Tool{u"mnuTable",            K::MenuTitle,  ui<QT_TRANSLATE_NOOP("Tool", "Ta&ble")>,                   {},                                                      {},                                                                                              {},              {},                       u"mnuTable",  nullptr,                                  nullptr},
Tool{u"web",                 K::MenuTitle,  ui<QT_TRANSLATE_NOOP("Tool", "&Web")>,                     {},                                                      {},                                                                                              {},              {},                       u"mnuWeb",    nullptr,                                  nullptr},
Tool{u"mnuTools",            K::MenuTitle,  ui<QT_TRANSLATE_NOOP("Tool", "&Tools")>,                   {},                                                      {},                                                                                              {},              {},                       u"mnuTools",  nullptr,                                  nullptr},
Tool{u"mnuHelp",             K::MenuTitle,  ui<QT_TRANSLATE_NOOP("Tool", "&Help")>,                    {},                                                      {},                                                                                              {},              {},                       u"mnuHelp",   nullptr,                                  nullptr},
Tool{u"miHContents",         K::MenuItem,   ui<QT_TRANSLATE_NOOP("Tool", "&Contents")>,                ui<QT_TRANSLATE_NOOP("Tool", "Help Contents")>,          {},                                                                                              {},              u"help-contents",         {},           run<&W::showHelp>,                        nullptr},
Tool{u"miHAbout",            K::MenuItem,   ui<QT_TRANSLATE_NOOP("Tool", "&About")>,                   ui<QT_TRANSLATE_NOOP("Tool", "About this application")>, {},                                                                                              {},              u"help-about",            {},           run<&W::showAbout>,                       nullptr},
};

constexpr std::u16string_view kBand1[] = {u"new", u"open", u"save", u"|print", u"|miCut", u"miCopy", u"miPaste", u"|Help", u"|Space", u"|AP", u"|ZU21", u"|CCSite", u"|WarningSite", u"|NorvaneSite"};
constexpr std::u16string_view kBand2[] = {u"", u"miFontSize", u"|miBold", u"miItalic", u"miUnderline", u"|miLeft", u"miCenter", u"miRight", u"|Bullets", u"Numbering", u"Increase Indent", u"Decrease Indent", u"|Color", u"|Fixed Columns", u"|lblPostAs", u"cboPostAs"};
constexpr std::u16string_view kBand3[] = {u"mnuFile", u"mnuEdit", u"mnuView", u"mnuFormat", u"mnuInsert", u"mnuTable", u"web", u"mnuTools", u"mnuHelp"};
constexpr std::u16string_view kMnuFile[] = {u"new", u"open", u"save", u"miSaveAs", u"|print", u"exit"};
constexpr std::u16string_view kMnuEdit[] = {u"miUndo", u"miRedo", u"|miCut", u"miCopy", u"miPaste", u"miPasteForumPost", u"|miConvertClipboard", u"|miSelectAll", u"|miFind", u"miFindNext", u"miReplace"};
constexpr std::u16string_view kMnuFormat[] = {u"miFontSize", u"|miBold", u"miItalic", u"miUnderline", u"|miLeft", u"miCenter", u"miRight", u"|Bullets", u"Numbering", u"Increase Indent", u"Decrease Indent", u"|miQuote", u"|miHeading1", u"miHeading2", u"miHeading3", u"miNormalText", u"|Color", u"|Fixed Columns", u"|miLink"};
constexpr std::u16string_view kMnuInsert[] = {u"miPicture", u"miRule", u"|miTable"};
constexpr std::u16string_view kMnuTable[] = {u"miInsertTable", u"|miRowAbove", u"miRowBelow", u"miColumnLeft", u"miColumnRight", u"|miDeleteRow", u"miDeleteColumn", u"miDeleteTable", u"|miAlignColumnLeft", u"miAlignColumnCenter", u"miAlignColumnRight", u"|miHeaderRow", u"|miTextToTable", u"miTableToText"};
constexpr std::u16string_view kMnuView[] = {u"miPreview"};
constexpr std::u16string_view kMnuHelp[] = {u"miHContents", u"miHAbout"};
constexpr std::u16string_view kMnuWeb[] = {u"miCopyNextPart", u"|Updates", u"|AP", u"ZU21", u"CCSite", u"|NorvaneSite", u"WarningSite", u"|miForums"};
constexpr std::u16string_view kBand4[] = {u"|AP", u"|ZU21", u"|CCSite", u"|WarningSite", u"|NorvaneSite"};

// The site buttons stand in the first toolbar already; their own band starts hidden and can
// be shown from the toolbars' context menu.
constexpr std::array kBands{
//   name           caption     type                tools    starts hidden
Band{u"Band1",      u"Band1",   BandType::Toolbar,  kBand1},
Band{u"Band2",      u"Band2",   BandType::Toolbar,  kBand2},
Band{u"Band3",      u"Band3",   BandType::MenuBar,  kBand3},
Band{u"mnuFile",    u"Band4",   BandType::Popup,    kMnuFile},
Band{u"mnuEdit",    u"Band4",   BandType::Popup,    kMnuEdit},
Band{u"mnuView",    u"View",    BandType::Popup,    kMnuView},
Band{u"mnuFormat",  u"Band4",   BandType::Popup,    kMnuFormat},
Band{u"mnuInsert",  u"Insert",  BandType::Popup,    kMnuInsert},
Band{u"mnuTable",   u"Table",   BandType::Popup,    kMnuTable},
Band{u"mnuTools",   u"Tools",   BandType::Popup,    {}},  // the Spelling submenu, built by the window
Band{u"mnuHelp",    u"Band4",   BandType::Popup,    kMnuHelp},
Band{u"mnuWeb",     u"Web",     BandType::Popup,    kMnuWeb},
Band{u"Band4",      u"Band4",   BandType::Toolbar,  kBand4,  true},
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

const Tool *findCommand(std::u16string_view key) {
  const auto lowered = [](char16_t c) {
    return u'A' <= c && c <= u'Z' ? char16_t(c - u'A' + u'a') : c;
  };
  for (const Tool &tool : kTools) {
    if (tool.command == nullptr || tool.name.size() != key.size()) continue;
    if (std::equal(tool.name.begin(), tool.name.end(), key.begin(),
                   [&](char16_t a, char16_t b) { return lowered(a) == b; }))
      return &tool;
  }
  return nullptr;
}

BandEntry bandEntry(std::u16string_view entry) {
  if (entry.starts_with(u'|')) return {entry.substr(1), true};
  return {entry, false};
}

}  // namespace quillmark::tools
