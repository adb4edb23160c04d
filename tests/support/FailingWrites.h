#pragma once
// Every way the tests make a write fail, as tables that a part's own test and the window's
// test both run. Saves of a document: each row lays out a fresh folder so that a save to the
// file it returns must fail, with an old file in place where the row has one; a failed save
// must leave the file, the folder it is in and any link to it as they were. Writes of a
// draft: each row gives the folder drafts are kept in, then makes the draft's next write
// fail.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <ostream>
#include <vector>

#include "FileTrouble.h"
#include "QtFiles.h"

namespace quillmark::testing {

inline const QByteArray kOldFile = "{\\rtf1\\ansi the old file}";

struct FailingSave {
  const char *name;
  // Lays out `folder` and returns the file a save must fail to write. What makes it fail is
  // kept in *trouble until the row has been checked; where this machine cannot fail that
  // way, *skip says why and nothing is returned.
  std::function<QString(const QString &folder, std::shared_ptr<void> *trouble, QString *skip)>
      prepare;
};

// What a failed save must not change: the file named (or the folder or link in its place,
// with what it holds) and the names in the folder around it, so no temporary file is left.
struct SaveTarget {
  bool exists = false;
  bool isFolder = false;
  QString linkTarget;  // empty when it is no link
  QByteArray contents;
  QStringList around;

  explicit SaveTarget(const QString &fileName) {
    const QFileInfo info(fileName);
    exists = info.exists() || info.isSymLink();
    isFolder = info.isDir();
    if (info.isSymLink()) linkTarget = info.symLinkTarget();
    if (isFolder) {
      for (const QString &name : QDir(fileName).entryList(QDir::Files | QDir::Hidden))
        contents += name.toUtf8() + ": " + readFile(fileName + u'/' + name) + '\n';
    } else {
      contents = readFile(fileName);
    }
    around = QDir(info.absolutePath())
                 .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
  }
  bool operator==(const SaveTarget &) const = default;
};

inline void PrintTo(const SaveTarget &target, std::ostream *out) {
  *out << (target.exists ? target.isFolder ? "a folder" : "a file" : "nothing")
       << (target.linkTarget.isEmpty() ? "" : " through a link to ")
       << target.linkTarget.toStdString() << " holding \"" << target.contents.toStdString()
       << "\", beside: " << target.around.join(u", ").toStdString();
}

inline std::vector<FailingSave> failingSaves() {
  using namespace Qt::StringLiterals;
  return {
      {"read-only folder",
       [](const QString &folder, std::shared_ptr<void> *trouble, QString *skip) {
         const QString sub = folder + u"/locked"_s;
         writeFile(sub + u"/post.rtf"_s, kOldFile);
         auto guard = std::make_shared<Unchangeable>(sub);
         if (!guard->ok()) *skip = u"the folder cannot be made unchangeable here"_s;
         *trouble = guard;
         return sub + u"/post.rtf"_s;
       }},
      {"read-only file",
       [](const QString &folder, std::shared_ptr<void> *trouble, QString *skip) {
         const QString file = folder + u"/post.rtf"_s;
         writeFile(file, kOldFile);
         auto guard = std::make_shared<Unchangeable>(file);
         if (!guard->ok()) *skip = u"the file cannot be made unchangeable here"_s;
         *trouble = guard;
         return file;
       }},
      {"a folder in the file's place",
       [](const QString &folder, std::shared_ptr<void> *, QString *) {
         const QString place = folder + u"/post.rtf"_s;
         writeFile(place + u"/inside.rtf"_s, kOldFile);
         return place;
       }},
      {"no such folder", [](const QString &folder, std::shared_ptr<void> *,
                            QString *) { return folder + u"/no/such/folder/post.rtf"_s; }},
      {"no room for the temporary file beside it",
       // A name as long as a name may be: the file itself can be written, but not the
       // temporary file a save writes first, so the save fails even for the superuser.
       [](const QString &folder, std::shared_ptr<void> *, QString *) {
         const QString file = folder + u'/' + QString(250, u'p');
         writeFile(file, kOldFile);
         return file;
       }},
      {"a circle of links",
       [](const QString &folder, std::shared_ptr<void> *, QString *) {
         QFile::link(folder + u"/b.rtf"_s, folder + u"/a.rtf"_s);
         QFile::link(folder + u"/a.rtf"_s, folder + u"/b.rtf"_s);
         return folder + u"/a.rtf"_s;
       }},
      {"full disk",
       [](const QString &, std::shared_ptr<void> *trouble, QString *skip) {
         auto disk = std::make_shared<SmallFileSystem>();
         *trouble = disk;
         if (!disk->ok()) {
           *skip = u"a small file system can only be mounted by the superuser"_s;
           return QString();
         }
         const QString file = disk->filePath(u"post.rtf"_s);
         writeFile(file, kOldFile);
         disk->fill();
         return file;
       }},
      {"file size limit",
       [](const QString &folder, std::shared_ptr<void> *trouble, QString *skip) {
         const QString file = folder + u"/post.rtf"_s;
         writeFile(file, kOldFile);
         auto limit = std::make_shared<FileSizeLimit>(64);
         if (!limit->ok()) *skip = u"no file size limit can be set"_s;
         *trouble = limit;
         return file;
       }},
  };
}

struct FailingDraftWrite {
  const char *name;
  bool keepsTheLastDraft;  // the draft written before the trouble stays whole
  // The folder the drafts are kept in: `temporary`, or a place of the row's own kept in
  // *place while the row runs; *skip when this machine has none.
  std::function<QString(const QString &temporary, std::shared_ptr<void> *place, QString *skip)>
      folder;
  // Makes the next write of the draft at `draft` fail, for as long as the result lives.
  std::function<std::shared_ptr<void>(const QString &draft, const std::shared_ptr<void> &place,
                                      QString *skip)>
      trouble;
};

inline std::vector<FailingDraftWrite> failingDraftWrites() {
  using namespace Qt::StringLiterals;
  const auto temporaryFolder = [](const QString &temporary, std::shared_ptr<void> *, QString *) {
    return temporary;
  };
  return {
      {"a folder in the draft's place", false, temporaryFolder,
       [](const QString &draft, const std::shared_ptr<void> &, QString *) {
         // The draft's replacement cannot be renamed over a folder.
         QFile::remove(draft);
         QDir().mkdir(draft);
         return std::shared_ptr<void>(nullptr, [draft](void *) { QDir().rmdir(draft); });
       }},
      {"a drafts folder that cannot be changed", true, temporaryFolder,
       [](const QString &draft, const std::shared_ptr<void> &, QString *skip) {
         auto guard = std::make_shared<Unchangeable>(QFileInfo(draft).absolutePath());
         if (!guard->ok()) *skip = u"the folder cannot be made unchangeable here"_s;
         return std::shared_ptr<void>(guard);
       }},
      {"file size limit", true, temporaryFolder,
       [](const QString &, const std::shared_ptr<void> &, QString *skip) {
         auto limit = std::make_shared<FileSizeLimit>(64);
         if (!limit->ok()) *skip = u"no file size limit can be set"_s;
         return std::shared_ptr<void>(limit);
       }},
      {"full disk", true,
       [](const QString &, std::shared_ptr<void> *place, QString *skip) {
         auto disk = std::make_shared<SmallFileSystem>();
         *place = disk;
         if (!disk->ok()) {
           *skip = u"a small file system can only be mounted by the superuser"_s;
           return QString();
         }
         return disk->filePath(u"drafts"_s);
       },
       [](const QString &, const std::shared_ptr<void> &place, QString *) {
         auto disk = std::static_pointer_cast<SmallFileSystem>(place);
         disk->fill();
         return std::shared_ptr<void>(nullptr, [disk](void *) { disk->empty(); });
       }},
  };
}

}  // namespace quillmark::testing
