// The tool table and the menus and toolbars built from it: the rows agree with each other,
// the dispatcher's key finds the first row, every tool stands in its bands in order with its
// separators, shows its texts, and a toggle shows the formatting at the insertion point.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <QShortcut>
#include <QToolBar>
#include <QWidgetAction>
#include <memory>

#include "ScriptedPlatform.h"
#include "ToolTable.h"
#include "help/HelpWindow.h"
#include "richtext/RichTextBox.h"

using namespace Qt::StringLiterals;
namespace tools = quillmark::tools;
using tools::ToolKind;

namespace {

QString qs(std::u16string_view text) {
  return QString::fromUtf16(text.data(), qsizetype(text.size()));
}

bool isAction(ToolKind kind) {
  return kind == ToolKind::Button || kind == ToolKind::TextButton || kind == ToolKind::MenuItem;
}

// What a window builds from the rows holds only if the rows agree: every entry of a band is a
// tool, every menu title opens a popup band, every action runs a command and only actions
// do, and no two names are one command key.
TEST(ToolTable, RowsAgreeWithEachOther) {
  QSet<QString> keys;
  for (const tools::Tool &tool : tools::allTools()) {
    const std::string name = qs(tool.name).toStdString();
    EXPECT_EQ(tool.command != nullptr, isAction(tool.kind)) << name;
    EXPECT_TRUE(tool.checked == nullptr || tool.command != nullptr) << name;
    if (tool.kind == ToolKind::MenuTitle) {
      const tools::Band *popup = tools::findBand(tool.subBand);
      ASSERT_NE(popup, nullptr) << name;
      EXPECT_EQ(popup->type, tools::BandType::Popup) << name;
    }
    const QString key = qs(tool.name).toLower();
    EXPECT_FALSE(keys.contains(key)) << name;
    keys.insert(key);
  }
  for (const tools::Band &band : tools::allBands()) {
    for (std::u16string_view entry : band.tools)
      EXPECT_NE(tools::findTool(tools::bandEntry(entry).tool), nullptr)
          << qs(band.name).toStdString() << ": " << qs(entry).toStdString();
  }
}

TEST(ToolTable, ACommandKeyFindsTheFirstRowWithThatNameLowerCased) {
  const struct {
    std::u16string_view key;
    std::u16string_view tool;  // empty: no command
  } rows[] = {
      {u"mibold", u"miBold"},
      {u"increase indent", u"Increase Indent"},
      {u"help", u"Help"},
      {u"mihcontents", u"miHContents"},
      {u"warningsite", u"WarningSite"},
      {u"MIBOLD", {}},  // the dispatcher lower-cases; the key is compared as it is
      {u"mibold ", {}},
      {u"mnufile", {}},     // a menu title runs nothing
      {u"mifontsize", {}},  // nor does the size list by its name
      {u"", {}},            // nor the label
  };
  for (const auto &row : rows) {
    const tools::Tool *tool = tools::findCommand(row.key);
    if (row.tool.empty()) {
      EXPECT_EQ(tool, nullptr) << qs(row.key).toStdString();
    } else {
      ASSERT_NE(tool, nullptr) << qs(row.key).toStdString();
      EXPECT_EQ(tool->name, row.tool);
      EXPECT_EQ(tool, tools::findTool(row.tool));
    }
  }
  // The help button and the help menu's first item run the same command.
  EXPECT_EQ(tools::findCommand(u"help")->command, tools::findCommand(u"mihcontents")->command);
}

// A band as "name, name, |, name": actions by object name, separators as "|", the label by
// its text in brackets.
QString describe(const QList<QAction *> &actions, const QToolBar *bar = nullptr) {
  QStringList parts;
  for (QAction *action : actions) {
    QWidget *widget =
        qobject_cast<QWidgetAction *>(action) ? bar->widgetForAction(action) : nullptr;
    if (action->isSeparator())
      parts << u"|"_s;
    else if (auto *label = qobject_cast<QLabel *>(widget))
      parts << u"["_s + label->text().trimmed() + u"]"_s;
    else if (widget)
      parts << widget->objectName();
    else if (action->menu())
      parts << action->menu()->objectName();
    else
      parts << action->objectName();
  }
  return parts.join(u", "_s);
}

TEST(ToolTable, BandsHoldTheirToolsInOrderWithTheirSeparators) {
  quillmark::testing::ScriptedWindow w;
  const struct {
    const char16_t *band;
    const char16_t *tools;
  } toolbars[] = {
      {u"Band1",
       u"new, open, save, |, print, |, miCut, miCopy, miPaste, |, Help, |, Space, |, AP, |, "
       u"ZU21, |, CCSite, |, WarningSite, |, NorvaneSite"},
      {u"Band2",
       u"[Font Si&ze:], miFontSize, |, miBold, miItalic, miUnderline, |, miLeft, miCenter, "
       u"miRight, |, Bullets, Numbering, Increase Indent, Decrease Indent, |, Color, |, "
       u"Fixed Columns, |, [Post &as:], cboPostAs"},
      {u"Band4", u"|, AP, |, ZU21, |, CCSite, |, WarningSite, |, NorvaneSite"},
  };
  for (const auto &expected : toolbars) {
    QToolBar *bar = w.window.band(QString::fromUtf16(expected.band));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(describe(bar->actions(), bar), QString::fromUtf16(expected.tools))
        << QString::fromUtf16(expected.band).toStdString();
  }
  // The site band starts hidden: its buttons stand in the first toolbar already.
  EXPECT_TRUE(w.window.band(u"Band1"_s)->isVisibleTo(&w.window));
  EXPECT_FALSE(w.window.band(u"Band4"_s)->isVisibleTo(&w.window));

  const QMenuBar *bar = w.window.menuBar();
  EXPECT_EQ(bar->objectName(), u"Band3"_s);
  QStringList titles;
  for (QAction *title : bar->actions()) titles << title->objectName() + u"="_s + title->text();
  EXPECT_EQ(titles.join(u' '),
            u"mnuFile=&File mnuEdit=&Edit mnuView=&View mnuFormat=Fo&rmat mnuInsert=In&sert "
            u"mnuTable=Ta&ble web=&Web mnuTools=&Tools mnuHelp=&Help"_s);

  const struct {
    const char16_t *popup;
    const char16_t *tools;
  } popups[] = {
      {u"mnuFile", u"new, open, save, miSaveAs, |, print, mnuRecent, |, exit"},
      {u"mnuEdit",
       u"miUndo, miRedo, |, miCut, miCopy, miPaste, miPasteForumPost, |, miConvertClipboard, |, "
       u"miSelectAll, |, "
       u"miFind, miFindNext, "
       u"miReplace"},
      {u"mnuTools", u"mnuSpelling"},
      {u"mnuView", u"miPreview"},
      {u"mnuFormat",
       u"miFontSize, |, miBold, miItalic, miUnderline, |, miLeft, miCenter, miRight, |, "
       u"Bullets, Numbering, Increase Indent, Decrease Indent, |, miQuote, |, miHeading1, "
       u"miHeading2, miHeading3, miNormalText, |, Color, |, Fixed Columns, |, miLink"},
      {u"mnuInsert", u"miPicture, miRule, |, miTable"},
      {u"mnuTable",
       u"miInsertTable, |, miRowAbove, miRowBelow, miColumnLeft, miColumnRight, |, miDeleteRow, "
       u"miDeleteColumn, miDeleteTable, |, miAlignColumnLeft, miAlignColumnCenter, "
       u"miAlignColumnRight, |, miHeaderRow, |, miTextToTable, miTableToText"},
      {u"mnuWeb",
       u"miCopyNextPart, |, Updates, |, AP, ZU21, CCSite, |, NorvaneSite, WarningSite, |, "
       u"miForums"},
      {u"mnuHelp", u"miHContents, miHAbout"},
  };
  for (const auto &expected : popups) {
    auto *menu = bar->findChild<QMenu *>(QString::fromUtf16(expected.popup));
    ASSERT_NE(menu, nullptr) << QString::fromUtf16(expected.popup).toStdString();
    EXPECT_EQ(describe(menu->actions()), QString::fromUtf16(expected.tools));
  }
}

TEST(ToolTable, ToolsShowTheirCaptionsTooltipsAndDescriptions) {
  quillmark::testing::ScriptedWindow w;
  const struct {
    const char16_t *name, *caption, *tooltip, *description;
  } rows[] = {
      {u"new", u"&New", u"New", u"Creates a new, blank file"},
      {u"open", u"&Open", u"Open", u"Opens or finds a file"},
      {u"save", u"&Save", u"Save", u"Saves current active file"},
      {u"print", u"&Print...", u"Print", u"Print current file"},
      {u"exit", u"E&xit", u"Exit", u"Close all documents and exit"},
      {u"miCut", u"C&ut", u"Cut", u"Cut current selection to clipboard"},
      {u"miCopy", u"C&opy", u"Copy", u"Copy current selection to clipboard"},
      {u"miPaste", u"&Paste", u"Paste", u"Paste clipboard contents into document"},
      {u"Help", u"&Help", u"Help", u""},
      {u"AP", u"&AP", u"ap-forum.example.org", u""},
      {u"ZU21", u"&ZU21", u"zu21.example.org", u""},
      {u"CCSite", u"&CC", u"cc-forum.example.org", u""},
      {u"NorvaneSite", u"&Norvane", u"norvane.example.org", u""},
      {u"Updates", u"&Updates", u"Updates to Quillmark", u""},
      {u"miBold", u"&Bold", u"Bold", u"Set current style to bold"},
      {u"miItalic", u"&Italic", u"Italic", u"Set current style to italic"},
      {u"miUnderline", u"&Underline", u"Underline", u"Set current style to underlined"},
      {u"miLeft", u"&Left", u"Left", u"Align left"},
      {u"miCenter", u"&Center", u"Center", u"Align center"},
      {u"miRight", u"&Right", u"Right", u"Align right"},
      {u"Bullets", u"Bull&ets", u"Bullets", u""},
      {u"Increase Indent", u"I&ncrease Indent", u"Increase Indent", u""},
      {u"Decrease Indent", u"&Decrease Indent", u"Decrease Indent", u""},
      {u"Color", u"C&olor", u"Color", u""},
      {u"Fixed Columns", u"&Fixed Columns", u"Fixed Columns", u""},
      {u"miHContents", u"&Contents", u"Help Contents", u""},
      {u"miHAbout", u"&About", u"About this application", u""},
      {u"miLink", u"Lin&k...", u"Link", u"Make the selection a link to a web address"},
      {u"miConvertClipboard", u"Con&vert Clipboard", u"Convert Clipboard",
       u"Convert the rich text on the clipboard into a post"},
      {u"miForums", u"&Forums...", u"Forums", u"Add, change or remove forum profiles"},
  };
  for (const auto &row : rows) {
    const QString name = QString::fromUtf16(row.name);
    QAction *action = w.window.toolAction(name);
    ASSERT_NE(action, nullptr) << name.toStdString();
    EXPECT_EQ(action->text(), QString::fromUtf16(row.caption)) << name.toStdString();
    EXPECT_EQ(action->toolTip(), QString::fromUtf16(row.tooltip)) << name.toStdString();
    EXPECT_EQ(action->statusTip(), QString::fromUtf16(row.description)) << name.toStdString();
  }
  QComboBox &sizes = w.window.fontSizeBox();
  EXPECT_EQ(sizes.objectName(), u"miFontSize"_s);
  EXPECT_EQ(sizes.toolTip(), u"Font Size"_s);
  EXPECT_EQ(sizes.statusTip(), u"Change font size"_s);
}

// Every menu item can be reached by its access key, and no two items of a menu share one.
TEST(ToolTable, EveryMenuItemHasItsOwnAccessKey) {
  quillmark::testing::ScriptedWindow w;
  for (QAction *title : w.window.menuBar()->actions()) {
    QSet<QChar> keys;
    for (QAction *item : title->menu()->actions()) {
      if (item->isSeparator()) continue;
      const QString text = item->text();
      const qsizetype amp = text.indexOf(u'&');
      ASSERT_TRUE(amp >= 0 && amp + 1 < text.size()) << text.toStdString();
      const QChar key = text.at(amp + 1).toUpper();
      EXPECT_FALSE(keys.contains(key)) << title->text().toStdString() << ": " << text.toStdString();
      keys.insert(key);
    }
  }
}

// A command shows one shortcut wherever it stands: the document's right-click menu names the
// Edit menu's keys, so Redo is Ctrl+Y there too, not the platform's Ctrl+Shift+Z.
TEST(ToolTable, TheDocumentsMenuShowsTheEditMenusShortcuts) {
  quillmark::testing::ScriptedWindow w;
  w.window.box().setText(u"some words"_s);
  w.window.box().selectAll();
  const std::unique_ptr<QMenu> menu = w.window.documentMenu(QPoint(2, 2));
  const struct {
    const char16_t *caption, *tool;
  } rows[] = {
      {u"Undo", u"miUndo"}, {u"Redo", u"miRedo"},   {u"Cut", u"miCut"},
      {u"Copy", u"miCopy"}, {u"Paste", u"miPaste"}, {u"Select All", u"miSelectAll"},
  };
  for (const auto &row : rows) {
    const QString caption = QString::fromUtf16(row.caption);
    QStringList shown;
    for (QAction *item : menu->actions())
      if (item->text().section(u'\t', 0, 0).remove(u'&') == caption)
        shown << item->text().section(u'\t', 1);
    const QKeySequence key = w.window.toolAction(QString::fromUtf16(row.tool))->shortcut();
    EXPECT_EQ(shown, QStringList{key.toString(QKeySequence::NativeText)}) << caption.toStdString();
  }
  EXPECT_EQ(w.window.toolAction(u"miRedo"_s)->shortcut(), QKeySequence(u"Ctrl+Y"_s));

  // The offscreen platform's keys are the Edit menu's already; under X11 Qt names others.
  QMenu x11;
  const struct {
    const char16_t *qtName, *text, *shown;
  } items[] = {
      {u"edit-undo", u"&Undo\tCtrl+Z", u"&Undo\tCtrl+Z"},
      {u"edit-redo", u"&Redo\tCtrl+Shift+Z", u"&Redo\tCtrl+Y"},
      {u"edit-delete", u"Delete", u"Delete"},
  };
  for (const auto &item : items)
    x11.addAction(QString::fromUtf16(item.text))->setObjectName(QString::fromUtf16(item.qtName));
  w.window.showEditShortcuts(x11);
  for (int i = 0; i < int(std::size(items)); ++i)
    EXPECT_EQ(x11.actions()[i]->text(), QString::fromUtf16(items[i].shown));
}

// The guide's keyboard page is a table of every command that has a shortcut, with that
// shortcut: each tool's, and the window's own (Copy to Web's), and no key that runs nothing.
TEST(ToolTable, TheGuidesKeyboardPageListsEveryShortcutAndNoOther) {
  const quillmark::help::HelpWindow help;  // registers the guide's pages
  QFile page(u":/help/keyboard.html"_s);
  ASSERT_TRUE(page.open(QIODevice::ReadOnly));
  const QString html = QString::fromUtf8(page.readAll());
  QMap<QString, QString> guide;  // the key, as Qt writes it, and the command the page names
  static const QRegularExpression row(u"<tr><td>([^<]*)</td><td>(.*?)</td></tr>"_s);
  for (auto rows = row.globalMatch(html); rows.hasNext();) {
    const QRegularExpressionMatch match = rows.next();
    const QString key = QKeySequence(match.captured(1)).toString();
    EXPECT_FALSE(key.isEmpty()) << "no key: " << match.captured(1).toStdString();
    EXPECT_FALSE(guide.contains(key)) << "listed twice: " << key.toStdString();
    guide.insert(key, match.captured(2));
  }

  QMap<QString, QString> window;  // the key and what it runs
  for (const tools::Tool &tool : tools::allTools())
    if (!tool.shortcut.empty())
      window.insert(QKeySequence(qs(tool.shortcut)).toString(), qs(tool.name));
  quillmark::testing::ScriptedWindow w;
  for (const QShortcut *shortcut : w.window.findChildren<QShortcut *>())
    window.insert(shortcut->key().toString(), u"the window's own"_s);
  ASSERT_GT(window.size(), 20);

  for (auto it = window.cbegin(); it != window.cend(); ++it)
    EXPECT_TRUE(guide.contains(it.key()))
        << it.key().toStdString() << " (" << it.value().toStdString() << ") is not in the guide";
  for (auto it = guide.cbegin(); it != guide.cend(); ++it)
    EXPECT_TRUE(window.contains(it.key()))
        << it.key().toStdString() << " (" << it.value().toStdString() << ") runs nothing";
}

// The toggles, and only they, are checkable (the formatting toggles and View > Preview, which
// shows whether the preview is open), and each formatting toggle shows the formatting at the
// insertion point as it moves; the other actions carry the pictures their rows name.
TEST(ToolTable, TogglesShowTheFormattingAtTheInsertionPoint) {
  quillmark::testing::ScriptedWindow w;
  const QStringList toggles{u"miBold"_s,       u"miItalic"_s,   u"miUnderline"_s, u"miLeft"_s,
                            u"miCenter"_s,     u"miRight"_s,    u"Bullets"_s,     u"Numbering"_s,
                            u"miQuote"_s,      u"miHeading1"_s, u"miHeading2"_s,  u"miHeading3"_s,
                            u"miNormalText"_s, u"miHeaderRow"_s};
  for (const tools::Tool &tool : tools::allTools()) {
    if (!isAction(tool.kind)) continue;
    QAction *action = w.window.toolAction(qs(tool.name));
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->isCheckable(), toggles.contains(qs(tool.name)) || tool.name == u"miPreview")
        << qs(tool.name).toStdString();
    EXPECT_EQ(action->icon().isNull(), tool.icon.empty()) << qs(tool.name).toStdString();
  }

  auto &box = w.window.box();
  box.setSelText(u"plain\rbold"_s);
  box.setSelStart(6);
  box.setSelLength(4);
  for (const QString &tool : {u"miBold"_s, u"miCenter"_s, u"Bullets"_s}) w.window.dispatch(tool);
  const auto checked = [&w](const QStringList &names) {
    QStringList on;
    for (const QString &name : names)
      if (w.window.toolAction(name)->isChecked()) on << name;
    return on.join(u' ');
  };
  box.setSelStart(8);  // inside "bold"
  EXPECT_EQ(checked(toggles), u"miBold miCenter Bullets miNormalText"_s);
  box.setSelStart(2);  // inside "plain"
  EXPECT_EQ(checked(toggles), u"miLeft miNormalText"_s);
  box.setSelStart(6);
  box.setSelLength(4);
  w.window.dispatch(u"miBold"_s);  // a command shows its result at once
  EXPECT_EQ(checked(toggles), u"miCenter Bullets miNormalText"_s);
}

}  // namespace
