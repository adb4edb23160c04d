// The recent files and the last folder kept in settings, and the File > Recent menu with a
// file that has gone missing.
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>

#include "writing/RecentFiles.h"

using namespace Qt::StringLiterals;
using quillmark::RecentFiles;

namespace {

struct Fixture {
  QTemporaryDir dir;
  QSettings settings{dir.filePath(u"settings.ini"_s), QSettings::IniFormat};
  RecentFiles recent{settings};

  QString file(const QString &name) {
    const QString path = dir.filePath(name);
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    return path;
  }
};

TEST(RecentFiles, MostRecentFirstDuplicatesMovedAndTenKept) {
  Fixture f;
  for (int i = 1; i <= 12; ++i) f.recent.add(f.dir.filePath(u"post%1.rtf"_s.arg(i)));
  f.recent.add(f.dir.filePath(u"post5.rtf"_s));
  const QStringList files = f.recent.files();
  ASSERT_EQ(files.size(), RecentFiles::kMaxFiles);
  EXPECT_EQ(files.first(), f.dir.filePath(u"post5.rtf"_s));
  EXPECT_EQ(files.at(1), f.dir.filePath(u"post12.rtf"_s));
  EXPECT_EQ(files.count(f.dir.filePath(u"post5.rtf"_s)), 1);
  EXPECT_FALSE(files.contains(f.dir.filePath(u"post2.rtf"_s)));
  EXPECT_EQ(f.recent.lastFolder(), f.dir.path());

  // Kept between runs.
  f.settings.sync();
  QSettings again(f.dir.filePath(u"settings.ini"_s), QSettings::IniFormat);
  EXPECT_EQ(RecentFiles(again).files(), files);
}

TEST(RecentFiles, MenuShowsNameAndFolderOpensAndDropsAMissingFile) {
  Fixture f;
  const QString kept = f.file(u"kept & safe.rtf"_s);
  const QString gone = f.file(u"gone.rtf"_s);
  f.recent.add(kept);
  f.recent.add(gone);
  QFile::remove(gone);

  QMenu menu;
  QStringList opened, missing;
  f.recent.attachMenu(
      menu, [&](const QString &p) { opened << p; }, [&](const QString &p) { missing << p; });
  emit menu.aboutToShow();
  const QList<QAction *> items = menu.actions();
  ASSERT_GE(items.size(), 3);
  EXPECT_TRUE(items[0]->text().startsWith(u"&1 gone.rtf \u2014 "_s));
  EXPECT_TRUE(items[1]->text().startsWith(u"&2 kept && safe.rtf \u2014 "_s));
  EXPECT_EQ(items[1]->statusTip(), QDir::toNativeSeparators(kept));

  items[1]->trigger();
  items[0]->trigger();
  EXPECT_EQ(opened, QStringList{kept});
  EXPECT_EQ(missing, QStringList{gone});
  EXPECT_EQ(f.recent.files(), QStringList{kept});
  EXPECT_TRUE(quillmark::missingRecentFileMessage(gone).startsWith(u"gone.rtf is no longer in "_s));

  f.recent.clear();
  emit menu.aboutToShow();
  ASSERT_EQ(menu.actions().size(), 1);
  EXPECT_FALSE(menu.actions()[0]->isEnabled());
}

}  // namespace
