// The recent files and the last folder, kept in QSettings.
#include "RecentFiles.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

using namespace Qt::StringLiterals;

namespace quillmark {

namespace {

const QString kFilesKey = u"recentFiles"_s;
const QString kFolderKey = u"lastFolder"_s;

QString absolute(const QString &path) { return QFileInfo(path).absoluteFilePath(); }

// The folder as the writer reads it: native separators, the home folder as "~".
QString shownFolder(const QString &path) {
  QString folder = QFileInfo(path).absolutePath();
  const QString home = QDir::homePath();
  if (folder == home || folder.startsWith(home + u'/')) folder = u'~' + folder.mid(home.size());
  return QDir::toNativeSeparators(folder);
}

QString escapedForMenu(QString text) { return text.replace(u'&', u"&&"_s); }

}  // namespace

RecentFiles::RecentFiles(QSettings &settings) : settings_(settings) {}

QStringList RecentFiles::files() const { return settings_.value(kFilesKey).toStringList(); }

void RecentFiles::store(const QStringList &files) {
  settings_.setValue(kFilesKey, files.mid(0, kMaxFiles));
}

void RecentFiles::add(const QString &path) {
  const QString file = absolute(path);
  QStringList list = files();
  list.removeAll(file);
  list.prepend(file);
  store(list);
  setLastFolder(QFileInfo(file).absolutePath());
}

void RecentFiles::remove(const QString &path) {
  QStringList list = files();
  if (list.removeAll(absolute(path)) > 0) store(list);
}

void RecentFiles::clear() { settings_.remove(kFilesKey); }

QString RecentFiles::lastFolder() const { return settings_.value(kFolderKey).toString(); }

void RecentFiles::setLastFolder(const QString &folder) { settings_.setValue(kFolderKey, folder); }

void RecentFiles::attachMenu(QMenu &menu, std::function<void(const QString &)> open,
                             std::function<void(const QString &)> missing) {
  QObject::connect(&menu, &QMenu::aboutToShow, &menu,
                   [this, &menu, open = std::move(open), missing = std::move(missing)] {
                     fillMenu(menu, open, missing);
                   });
  fillMenu(menu, open, missing);  // so that the menu is not empty before it is first shown
}

void RecentFiles::fillMenu(QMenu &menu, const std::function<void(const QString &)> &open,
                           const std::function<void(const QString &)> &missing) {
  menu.clear();
  const QStringList list = files();
  if (list.isEmpty()) {
    menu.addAction(QCoreApplication::translate("RecentFiles", "No Recent Files"))
        ->setEnabled(false);
    return;
  }
  int number = 0;
  for (const QString &file : list) {
    ++number;
    const QString key = number < 10 ? u"&%1 "_s.arg(number) : u"1&0 "_s;
    QAction *action = menu.addAction(
        key + escapedForMenu(QFileInfo(file).fileName() + u" \u2014 "_s + shownFolder(file)));
    action->setStatusTip(QDir::toNativeSeparators(file));
    action->setData(file);
    QObject::connect(action, &QAction::triggered, &menu, [this, file, open, missing] {
      if (QFileInfo::exists(file)) {
        if (open) open(file);
      } else {
        remove(file);
        if (missing) missing(file);
      }
    });
  }
  menu.addSeparator();
  QObject::connect(
      menu.addAction(QCoreApplication::translate("RecentFiles", "&Clear Recent Files")),
      &QAction::triggered, &menu, [this] { clear(); });
}

QString missingRecentFileMessage(const QString &path) {
  const QFileInfo info(path);
  return QCoreApplication::translate("RecentFiles",
                                     "%1 is no longer in %2. It was taken off the recent files.")
      .arg(info.fileName(), QDir::toNativeSeparators(info.absolutePath()));
}

}  // namespace quillmark
