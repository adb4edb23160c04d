// The menus and toolbars as built: every tool in its bands, in order, with its separators,
// and the texts a person sees on each tool.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QToolBar>
#include <QWidgetAction>

#include "ScriptedPlatform.h"

using namespace Qt::StringLiterals;

namespace {

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
       u"[Font Size:], miFontSize, |, miBold, miItalic, miUnderline, |, miLeft, miCenter, "
       u"miRight, |, Bullets, Increase Indent, Decrease Indent, |, Color, |, Fixed Columns"},
      {u"Band4", u"|, AP, |, ZU21, |, CCSite, |, WarningSite, |, NorvaneSite"},
  };
  for (const auto &expected : toolbars) {
    QToolBar *bar = w.window.band(QString::fromUtf16(expected.band));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(describe(bar->actions(), bar), QString::fromUtf16(expected.tools))
        << QString::fromUtf16(expected.band).toStdString();
  }

  const QMenuBar *bar = w.window.menuBar();
  EXPECT_EQ(bar->objectName(), u"Band3"_s);
  QStringList titles;
  for (QAction *title : bar->actions()) titles << title->objectName() + u"="_s + title->text();
  EXPECT_EQ(titles.join(u' '),
            u"mnuFile=&File mnuEdit=&Edit mnuFormat=Fo&rmat web=&Web mnuHelp=&Help"_s);

  const struct {
    const char16_t *popup;
    const char16_t *tools;
  } popups[] = {
      {u"mnuFile", u"new, open, save, |, print, exit"},
      {u"mnuEdit", u"miCut, miCopy, miPaste"},
      {u"mnuFormat",
       u"miFontSize, |, miBold, miItalic, miUnderline, |, miLeft, miCenter, miRight, |, "
       u"Bullets, |, Color, |, Fixed Columns"},
      {u"mnuWeb", u"Updates, |, AP, ZU21, CCSite, |, NorvaneSite, WarningSite"},
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
      {u"Increase Indent", u"Increase Indent", u"Increase Indent", u""},
      {u"Decrease Indent", u"Decrease Indent", u"Decrease Indent", u""},
      {u"Color", u"C&olor", u"Color", u""},
      {u"Fixed Columns", u"&Fixed Columns", u"Fixed Columns", u""},
      {u"miHContents", u"&Contents", u"Help Contents", u""},
      {u"miHAbout", u"&About", u"About this application", u""},
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

}  // namespace
