#pragma once
// The files the window remembers between runs, in QSettings: the last ten opened or saved
// (File > Recent), and the folder of the last open or save.
#include <QSettings>
#include <QString>
#include <QStringList>
#include <functional>

class QMenu;

namespace quillmark {

class RecentFiles {
 public:
  static constexpr int kMaxFiles = 10;

  // Reads and writes `settings`, which must outlive this object.
  explicit RecentFiles(QSettings &settings);

  // Most recent first, absolute paths.
  QStringList files() const;
  // `path` was opened or saved: it moves to the front (once), the list keeps ten, and its
  // folder becomes the last folder.
  void add(const QString &path);
  void remove(const QString &path);
  void clear();

  // The folder of the last open or save, or empty.
  QString lastFolder() const;
  void setLastFolder(const QString &folder);

  // Fills `menu` afresh each time it is about to show: one item per file, "&1 name — folder"
  // (the full path as its status tip), then "Clear Recent Files". Choosing a file that still
  // exists calls `open`; one that is gone is removed from the list and given to `missing`,
  // for the window's message.
  void attachMenu(QMenu &menu, std::function<void(const QString &)> open,
                  std::function<void(const QString &)> missing);
  void fillMenu(QMenu &menu, const std::function<void(const QString &)> &open,
                const std::function<void(const QString &)> &missing);

 private:
  void store(const QStringList &files);

  QSettings &settings_;
};

// "NAME is no longer in FOLDER. It was taken off the recent files."
QString missingRecentFileMessage(const QString &path);

}  // namespace quillmark
