// The window's size and toolbar places kept in settings and restored, when the window closes
// and as soon as they change.
#include <gtest/gtest.h>

#include <QAction>
#include <QDockWidget>
#include <QFileInfo>
#include <QMainWindow>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <functional>
#include <memory>

#include "ScriptedPlatform.h"
#include "WindowLayout.h"

using namespace Qt::StringLiterals;

namespace {

TEST(WindowLayout, SizeAndToolbarPlacesComeBack) {
  QTemporaryDir dir;
  QSettings settings{dir.filePath(u"settings.ini"_s), QSettings::IniFormat};
  EXPECT_FALSE(quillmark::restoreWindowLayout(settings, *std::make_unique<QMainWindow>()));
  {
    QMainWindow window;
    auto *bar = window.addToolBar(u"Band2"_s);
    bar->setObjectName(u"Band2"_s);
    window.resize(640, 480);
    window.show();
    window.removeToolBar(bar);
    window.addToolBar(Qt::LeftToolBarArea, bar);
    bar->show();
    quillmark::saveWindowLayout(settings, window);
  }
  QMainWindow window;
  auto *bar = window.addToolBar(u"Band2"_s);
  bar->setObjectName(u"Band2"_s);
  EXPECT_TRUE(quillmark::restoreWindowLayout(settings, window));
  EXPECT_EQ(window.toolBarArea(bar), Qt::LeftToolBarArea);
  EXPECT_EQ(window.size(), QSize(640, 480));
}

// A window with a toolbar and a dock, as the editor has them.
struct DockedWindow {
  QMainWindow window;
  QToolBar *bar = window.addToolBar(u"Band2"_s);
  QDockWidget *dock = new QDockWidget(u"Preview"_s, &window);
  DockedWindow() {
    bar->setObjectName(u"Band2"_s);
    dock->setObjectName(u"preview"_s);
    window.addDockWidget(Qt::RightDockWidgetArea, dock);
    dock->hide();
    window.resize(640, 480);
  }
};

// Each change is on disk a moment after it is made, with the window still open: a second
// window, as after a crash, reads it back.
TEST(WindowLayout, EveryChangeIsKeptWithoutClosingTheWindow) {
  const struct {
    const char *change;
    std::function<void(DockedWindow &)> make;
    std::function<bool(DockedWindow &)> restored;
  } rows[] = {
      {"resized", [](DockedWindow &w) { w.window.resize(700, 520); },
       [](DockedWindow &w) { return w.window.size() == QSize(700, 520); }},
      {"dock shown", [](DockedWindow &w) { w.dock->show(); },
       [](DockedWindow &w) { return !w.dock->isHidden(); }},
      {"dock floated",
       [](DockedWindow &w) {
         w.dock->show();
         w.dock->setFloating(true);
       },
       [](DockedWindow &w) { return w.dock->isFloating(); }},
      {"toolbar moved",
       [](DockedWindow &w) {
         w.window.addToolBar(Qt::LeftToolBarArea, w.bar);
         w.bar->show();
       },
       [](DockedWindow &w) { return w.window.toolBarArea(w.bar) == Qt::LeftToolBarArea; }},
  };
  for (const auto &row : rows) {
    QTemporaryDir dir;
    const QString file = dir.filePath(u"settings.ini"_s);
    QSettings settings{file, QSettings::IniFormat};
    DockedWindow first;
    quillmark::keepWindowLayout(settings, first.window, std::chrono::milliseconds(10));
    first.window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&first.window));
    row.make(first);
    const auto kept = [&] {
      if (!QFileInfo::exists(file)) return false;
      DockedWindow second;
      const QSettings onDisk{file, QSettings::IniFormat};
      return quillmark::restoreWindowLayout(onDisk, second.window) && row.restored(second);
    };
    EXPECT_TRUE(QTest::qWaitFor(kept, 5000)) << row.change;
  }
}

// The editor keeps its own layout so: the preview opened is open again in the next window,
// although the first never closed.
TEST(WindowLayout, TheEditorKeepsThePreviewOpenedWithoutClosing) {
  quillmark::testing::ScriptedWindow w;
  w.window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w.window));
  QDockWidget *dock = w.window.findChild<QDockWidget *>();
  ASSERT_NE(dock, nullptr);
  ASSERT_TRUE(dock->isHidden());
  const QVariant before = QSettings().value(u"window/state"_s);
  w.window.toolAction(u"miPreview"_s)->trigger();
  EXPECT_TRUE(
      QTest::qWaitFor([&] { return QSettings().value(u"window/state"_s) != before; }, 5000));
  quillmark::QuillmarkMain next{std::make_unique<quillmark::testing::ScriptedPlatform>()};
  EXPECT_FALSE(next.findChild<QDockWidget *>()->isHidden());
}

}  // namespace
