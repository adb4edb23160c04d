// One draft file per running program, guarded by a lock file; the orphans of programs that
// ended without removing theirs.
#include "DraftKeeper.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUuid>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace quillmark {

namespace {

constexpr char16_t kDraftPrefix[] = u"draft-";
constexpr char16_t kDraftSuffix[] = u".rtf";
constexpr char16_t kLockSuffix[] = u".lock";

// A draft is a post not yet sent, often a private message: the folder and every file in it
// are the writer's alone, whatever the umask, as a browser keeps its profile.
constexpr QFile::Permissions kPrivateFolder =
    QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
constexpr QFile::Permissions kPrivateFile = QFile::ReadOwner | QFile::WriteOwner;

// Makes the folder (and its parents) when it is missing, the folder itself private from the
// start; one that exists, made by an older program or by hand, is made private.
bool makePrivateFolder(const QString &folder) {
  if (!QFileInfo(folder).isDir()) {
    if (!QDir().mkpath(QFileInfo(folder).absolutePath())) return false;
    if (!QDir().mkdir(folder, kPrivateFolder) && !QFileInfo(folder).isDir()) return false;
  }
  QFile::setPermissions(folder, kPrivateFolder);
  return true;
}

// A live program's lock never goes stale by age: only a program that no longer runs frees
// its draft.
std::unique_ptr<QLockFile> lockFor(const QString &draftPath) {
  auto lock = std::make_unique<QLockFile>(draftPath + QString::fromUtf16(kLockSuffix));
  lock->setStaleLockTime(0);
  return lock;
}

// QLockFile makes its file as the umask says; it names the program and its process.
bool tryLockPrivately(QLockFile &lock) {
  if (!lock.tryLock(0)) return false;
  QFile::setPermissions(lock.fileName(), kPrivateFile);
  return true;
}

}  // namespace

OrphanDraft::OrphanDraft(QString path, QDateTime written, std::unique_ptr<QLockFile> lock)
    : path_(std::move(path)), written_(std::move(written)), lock_(std::move(lock)) {}

std::optional<QByteArray> OrphanDraft::read() const {
  QFile file(path_);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  return file.readAll();
}

bool OrphanDraft::discard() { return QFile::remove(path_) || !QFileInfo::exists(path_); }

QString restoreQuestion(const OrphanDraft &orphan) {
  return QCoreApplication::translate("DraftKeeper",
                                     "Quillmark found a post that was not saved (%1). Restore it?")
      .arg(QLocale().toString(orphan.written(), QLocale::ShortFormat));
}

QString DraftKeeper::defaultFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + u"/drafts"_s;
}

DraftKeeper::DraftKeeper(const QString &folder, QObject *parent)
    : QObject(parent), folder_(folder) {
  timer_.callOnTimeout(this, &DraftKeeper::saveNow);
  if (!makePrivateFolder(folder_)) {
    error_ = QCoreApplication::translate("DraftKeeper", "The folder %1 cannot be made.")
                 .arg(QDir::toNativeSeparators(folder_));
    return;
  }
  // Drafts and locks an older program left readable to others.
  const QStringList drafts{QString::fromUtf16(kDraftPrefix) + u'*'};
  for (const QFileInfo &info : QDir(folder_).entryInfoList(drafts, QDir::Files | QDir::Hidden))
    QFile::setPermissions(info.absoluteFilePath(), kPrivateFile);
  // A fresh name each time; the lock settles any clash with another program.
  for (int attempt = 0; attempt < 5; ++attempt) {
    const QString id = QUuid::createUuid().toString(QUuid::WithoutBraces).left(8);
    const QString path =
        folder_ + u'/' + QString::fromUtf16(kDraftPrefix) + id + QString::fromUtf16(kDraftSuffix);
    auto lock = lockFor(path);
    if (QFileInfo::exists(path) || !tryLockPrivately(*lock)) continue;
    path_ = path;
    lock_ = std::move(lock);
    return;
  }
  error_ = QCoreApplication::translate("DraftKeeper", "No draft file can be locked in %1.")
               .arg(QDir::toNativeSeparators(folder_));
}

DraftKeeper::~DraftKeeper() = default;

bool DraftKeeper::hasDraft() const { return !path_.isEmpty() && QFileInfo::exists(path_); }

bool DraftKeeper::write(const QByteArray &rtf) {
  if (!isReady()) return false;  // error_ says why since the constructor
  QSaveFile file(path_);
  // commit() notices failed writes but not a buffer it cannot flush on a full disk: without
  // the flush a cut draft would replace the whole one.
  // The temporary file QSaveFile writes takes the umask's permissions, or the old draft's:
  // it is made private before a byte of the post is in it.
  if (!file.open(QIODevice::WriteOnly) || !file.setPermissions(kPrivateFile) ||
      file.write(rtf) != rtf.size() || !file.flush() || !file.commit()) {
    error_ = file.errorString();
    file.cancelWriting();
    return false;
  }
  lastWritten_ = rtf;
  error_.clear();
  return true;
}

void DraftKeeper::remove() {
  if (isReady()) QFile::remove(path_);
  lastWritten_.clear();
}

bool DraftKeeper::leaveForNextStart(const std::optional<QByteArray> &rtf) {
  timer_.stop();
  rtf_ = nullptr;  // saveNow() has nothing to write from now on
  isDirty_ = nullptr;
  const bool written = !rtf || (*rtf == lastWritten_ && hasDraft()) || write(*rtf);
  if (!rtf) remove();
  lock_.reset();  // QLockFile removes its file as it unlocks
  return written;
}

std::optional<QByteArray> DraftKeeper::adopt(OrphanDraft &orphan) {
  std::optional<QByteArray> rtf = orphan.read();
  if (!rtf) return std::nullopt;
  if (isReady()) {
    QFile::remove(path_);
    if (QFile::rename(orphan.path_, path_)) {
      lastWritten_ = *rtf;
    } else if (write(*rtf)) {
      orphan.discard();
    }
  }
  orphan.lock_.reset();
  return rtf;
}

std::vector<OrphanDraft> DraftKeeper::findOrphans(const QString &folder) {
  std::vector<OrphanDraft> orphans;
  const QDir dir(folder);
  const QStringList pattern{QString::fromUtf16(kDraftPrefix) + u'*' +
                            QString::fromUtf16(kDraftSuffix)};
  for (const QFileInfo &info : dir.entryInfoList(pattern, QDir::Files)) {
    auto lock = lockFor(info.absoluteFilePath());
    // Free, or held by a process that no longer runs (tryLock removes such a stale lock).
    if (!tryLockPrivately(*lock)) continue;
    orphans.emplace_back(info.absoluteFilePath(), info.lastModified(), std::move(lock));
  }
  std::sort(orphans.begin(), orphans.end(),
            [](const OrphanDraft &a, const OrphanDraft &b) { return a.written() > b.written(); });
  return orphans;
}

QStringList DraftKeeper::removeStaleLocks(const QString &folder) {
  QStringList removed;
  const QDir dir(folder);
  const QString draftPattern =
      QString::fromUtf16(kDraftPrefix) + u'*' + QString::fromUtf16(kDraftSuffix);
  const QStringList pattern{draftPattern + QString::fromUtf16(kLockSuffix)};
  for (const QFileInfo &info : dir.entryInfoList(pattern, QDir::Files | QDir::Hidden)) {
    const QString draftPath = info.absoluteFilePath().chopped(std::size(kLockSuffix) - 1);
    if (QFileInfo::exists(draftPath)) continue;  // an orphan's: findOrphans takes it over
    auto lock = lockFor(draftPath);
    // Held by a running program: its document is unchanged, or its draft not yet written.
    if (!tryLockPrivately(*lock)) continue;
    lock.reset();  // the stale lock was replaced by ours, which goes as it unlocks
    if (!QFileInfo::exists(info.absoluteFilePath())) removed << info.fileName();
  }
  return removed;
}

void DraftKeeper::watch(std::function<QByteArray()> rtf, std::function<bool()> isDirty,
                        std::chrono::milliseconds interval) {
  rtf_ = std::move(rtf);
  isDirty_ = std::move(isDirty);
  timer_.start(interval);
}

void DraftKeeper::saveNow() {
  if (!rtf_ || !isDirty_ || !isDirty_()) return;
  const QByteArray rtf = rtf_();
  if (rtf == lastWritten_ && hasDraft()) return;
  if (!write(rtf)) emit writeFailed(error_);
}

}  // namespace quillmark
