#pragma once
// Keeps a draft of the document on disk while it has unsaved changes, so that a killed or
// crashed program loses at most half a minute of work.
//
// Every running program writes its own draft file, draft-<id>.rtf in the drafts folder,
// and holds draft-<id>.rtf.lock (a QLockFile) for as long as it runs. So two programs never
// write the same draft, and a draft whose lock is free belongs to a program that has ended
// without removing it: an orphan, offered at the next start. The lock of a program that was
// killed is recognised as stale because its process no longer runs.
#include <QByteArray>
#include <QDateTime>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace quillmark {

// A draft left by a program that is no longer running. While this object lives it holds
// the draft's lock, so that no other program starting now offers the same draft.
class OrphanDraft {
 public:
  OrphanDraft(QString path, QDateTime written, std::unique_ptr<QLockFile> lock);

  QString path() const { return path_; }
  // When the draft was last written (local time).
  QDateTime written() const { return written_; }
  // The draft's RTF, or nothing when it cannot be read.
  std::optional<QByteArray> read() const;
  // Deletes the draft; false when it could not be deleted.
  bool discard();

 private:
  friend class DraftKeeper;
  QString path_;
  QDateTime written_;
  std::unique_ptr<QLockFile> lock_;
};

// "Quillmark found a post that was not saved (DATE). Restore it?"
QString restoreQuestion(const OrphanDraft &orphan);

class DraftKeeper : public QObject {
  Q_OBJECT

 public:
  static constexpr std::chrono::seconds kInterval{30};

  // The folder the program keeps its drafts in: drafts/ in its data folder.
  static QString defaultFolder();

  // Claims a draft file of its own in `folder` (made if missing). The folder, the drafts and
  // their locks are made the user's alone (0700 and 0600), whatever the umask; a folder and
  // drafts left readable to others by an older program are tightened. When the folder or the
  // lock cannot be made, isReady() is false and write() fails with the reason.
  explicit DraftKeeper(const QString &folder = defaultFolder(), QObject *parent = nullptr);
  // Releases the lock; the draft file stays (the window removes it once the user saved or
  // discarded the document).
  ~DraftKeeper() override;

  bool isReady() const { return lock_ && lock_->isLocked(); }
  QString path() const { return path_; }
  // Whether a draft file of this program exists now.
  bool hasDraft() const;

  // Replaces the draft with `rtf`, through QSaveFile: a failed write leaves the previous
  // draft whole. False when it failed; errorString() says why.
  bool write(const QByteArray &rtf);
  QString errorString() const { return error_; }
  // Deletes the draft, after a save or when the document is discarded. A keeper that let
  // go of its draft (leaveForNextStart) deletes nothing: the draft is the next start's.
  void remove();

  // The program is about to end without a question (the desktop session ends, or it was
  // told to stop): writes `rtf` as the draft at once when there is one, else removes the
  // draft, and lets go of it: the lock is released, so the next start offers the draft as
  // after a crash. The keeper writes and removes nothing afterwards. False when the draft
  // could not be written; errorString() says why, and the previous draft stays whole.
  bool leaveForNextStart(const std::optional<QByteArray> &rtf);

  // Takes over an orphan the user chose to restore: it becomes this program's draft (so it
  // is never only in memory) and its RTF is returned; nothing when it cannot be read.
  std::optional<QByteArray> adopt(OrphanDraft &orphan);

  // The drafts in `folder` whose program is not running, newest first. Each comes with its
  // lock held, so other programs starting now skip it.
  static std::vector<OrphanDraft> findOrphans(const QString &folder = defaultFolder());

  // Removes the lock files in `folder` that no draft stands beside and whose program no
  // longer runs: those of unchanged documents whose program was killed, and those of drafts
  // restored or discarded by a program killed before it let go of them. A lock held by a
  // running program and every draft stay. The window calls it as the program starts.
  // The names of the lock files removed.
  static QStringList removeStaleLocks(const QString &folder = defaultFolder());

  // Writes the draft every kInterval while `isDirty()` says the document has unsaved
  // changes, with `rtf()` giving its text; a draft identical to the last one is not written
  // again. Call saveNow() when the window loses focus.
  void watch(std::function<QByteArray()> rtf, std::function<bool()> isDirty,
             std::chrono::milliseconds interval = kInterval);
  // Writes the draft now if the watched document has unsaved changes.
  void saveNow();

 signals:
  // A timed or saveNow() write failed; the window may say so in its status bar.
  void writeFailed(const QString &reason);

 private:
  QString folder_;
  QString path_;
  std::unique_ptr<QLockFile> lock_;
  QString error_;
  QByteArray lastWritten_;  // what the draft file holds now, when this keeper wrote it
  std::function<QByteArray()> rtf_;
  std::function<bool()> isDirty_;
  QTimer timer_;
};

}  // namespace quillmark
