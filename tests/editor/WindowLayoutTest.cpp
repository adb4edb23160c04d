// The window's size and toolbar places kept in settings and restored.
#include <gtest/gtest.h>

#include <QMainWindow>
#include <QSettings>
#include <QTemporaryDir>
#include <QToolBar>
#include <memory>

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

}  // namespace
