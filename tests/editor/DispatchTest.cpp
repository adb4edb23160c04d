// Start-up and the dispatcher: the window as it first appears, commands found by name in any
// letter case and from any band, names that are no command, and contained failures.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <stdexcept>

#include "ScriptedPlatform.h"
#include "richtext/RichTextBox.h"

using namespace Qt::StringLiterals;
using quillmark::testing::ScriptedWindow;

namespace {

TEST(StartUp, TheWindowStartsReadyForAPost) {
  ScriptedWindow w;
  EXPECT_EQ(w.window.windowTitle(), u"Untitled[*] — Quillmark by Norvane"_s);
  EXPECT_FALSE(w.window.isWindowModified());
  EXPECT_EQ(w.window.box().objectName(), u"BOX"_s);
  EXPECT_EQ(w.window.postButton().objectName(), u"cmdPost"_s);
  EXPECT_EQ(w.window.postButton().text(), u"Copy to Web"_s);
  EXPECT_NE(w.window.findChild<QWidget *>(u"Image1_0"_s), nullptr);
  EXPECT_NE(w.window.findChild<QWidget *>(u"Image1_1"_s), nullptr);
  EXPECT_EQ(w.window.palette().color(QPalette::Window), QColor(240, 232, 208));
  EXPECT_EQ(w.window.box().bulletIndent(), 250);

  QStringList sizes;
  for (int i = 0; i < w.window.fontSizeBox().count(); ++i)
    sizes << w.window.fontSizeBox().itemText(i);
  EXPECT_EQ(sizes, (QStringList{u"12"_s, u"14"_s, u"18"_s, u"24"_s, u"48"_s}));

  // The first text typed comes out in 12-point type.
  QTest::keyClicks(&w.window.box(), u"Hello"_s);
  w.window.box().setSelStart(0);
  w.window.box().setSelLength(5);
  EXPECT_EQ(w.window.box().selFontSize(), 12.0);
}

TEST(Dispatch, FindsTheCommandInAnyLetterCase) {
  ScriptedWindow w;
  auto &box = w.window.box();
  box.setSelText(u"word"_s);
  box.setSelStart(0);
  box.setSelLength(4);
  bool expected = true;
  for (const QString &name : {u"miBold"_s, u"MIBOLD"_s, u"mibold"_s, u"MiBoLd"_s}) {
    w.window.dispatch(name);
    EXPECT_EQ(box.selBold(), expected) << name.toStdString();
    expected = !expected;
  }
  w.window.dispatch(u"INCREASE INDENT"_s);
  EXPECT_EQ(box.selIndent(), 250);
}

TEST(Dispatch, ATookInTwoBandsRunsTheSameCommandFromEither) {
  ScriptedWindow w;
  QAction *action = w.window.toolAction(u"new"_s);
  QToolBar *band1 = w.window.band(u"Band1"_s);
  auto *button = qobject_cast<QToolButton *>(band1->widgetForAction(action));
  ASSERT_NE(button, nullptr);
  button->click();

  auto *file = w.window.menuBar()->findChild<QMenu *>(u"mnuFile"_s);
  ASSERT_TRUE(file->actions().contains(action));
  action->trigger();
  EXPECT_EQ(w.platform->questions.size(), 2);
}

TEST(Dispatch, NamesThatAreNoCommandDoNothing) {
  ScriptedWindow w;
  auto &box = w.window.box();
  box.setSelText(u"text"_s);
  const QByteArray before = box.selRtf();
  for (const QString &name : {u"mnuFile"_s, u"web"_s, u"Space"_s, u""_s, u"miFontSize"_s,
                              u"Font Size:"_s, u"mihelp"_s, u"bold"_s}) {
    w.window.dispatch(name);
  }
  EXPECT_EQ(box.selRtf(), before);
  EXPECT_TRUE(w.platform->questions.isEmpty());
  EXPECT_TRUE(w.platform->messages.empty());
  EXPECT_TRUE(w.platform->fileDialogs.empty());
}

struct ThrowingPlatform final : quillmark::Platform {
  bool askYesNo(QWidget *, const QString &, const QString &) override {
    throw std::runtime_error("dialog failed");
  }
  SaveChoice askSaveDiscardCancel(QWidget *, const QString &, const QString &) override {
    throw std::runtime_error("dialog failed");
  }
  DraftChoice askRestoreDraft(QWidget *, const QString &, const QString &) override {
    throw std::runtime_error("dialog failed");
  }
  void showMessage(QWidget *, Icon, const QString &, const QString &) override {}
  std::optional<QString> chooseFileToOpen(QWidget *, const FileDialogSettings &) override {
    throw std::runtime_error("dialog failed");
  }
  std::optional<QString> chooseFileToSave(QWidget *, const FileDialogSettings &) override {
    return std::nullopt;
  }
  std::optional<QColor> chooseColor(QWidget *, const QColor &) override { throw 42; }
  void runModal(QDialog &) override {}
  std::optional<QString> askText(QWidget *, const QString &, const QString &,
                                 const QString &) override {
    return std::nullopt;
  }
  bool print(QWidget *, QTextDocument &) override { return false; }
};

TEST(Dispatch, AFailingCommandIsContainedAndTheNextOneRuns) {
  quillmark::QuillmarkMain window(std::make_unique<ThrowingPlatform>());
  window.box().setSelText(u"kept"_s);
  for (const QString &name : {u"new"_s, u"open"_s, u"color"_s}) {
    EXPECT_NO_THROW(window.dispatch(name)) << name.toStdString();
  }
  EXPECT_EQ(window.box().text(), u"kept"_s);
  window.box().setSelStart(0);
  window.box().setSelLength(4);
  window.dispatch(u"miItalic"_s);
  EXPECT_EQ(window.box().selItalic(), true);
}

}  // namespace
