// Drafts: written and read back, never shared between two keepers (in one program or in
// two), found after their program was killed, removed, and every way a write fails reported.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <optional>

#include "FailingWrites.h"
#include "QtFiles.h"
#include "writing/DraftKeeper.h"

using namespace Qt::StringLiterals;
using quillmark::DraftKeeper;
using quillmark::OrphanDraft;
using quillmark::testing::FailingDraftWrite;
using quillmark::testing::failingDraftWrites;
using quillmark::testing::readFile;
using quillmark::testing::SkippedRows;

namespace {

QStringList orphanPaths(const QString &folder) {
  QStringList paths;
  for (const OrphanDraft &orphan : DraftKeeper::findOrphans(folder)) paths << orphan.path();
  return paths;
}

// The helper program keeping a draft of `text` in `folder` (none: holding only the lock);
// its draft's path.
struct OtherProgram {
  QProcess process;
  QString draft;

  OtherProgram(const QString &folder, const std::optional<QString> &text) {
    QStringList arguments{folder};
    if (text) arguments << *text;
    process.start(QStringLiteral(DRAFT_KEEPER_HELPER), arguments);
    if (process.waitForStarted() && process.waitForReadyRead(10000))
      draft = QString::fromLocal8Bit(process.readLine()).trimmed();
  }
  ~OtherProgram() { kill(); }
  void kill() {  // SIGKILL: no chance to tidy up
    if (process.state() != QProcess::NotRunning) {
      process.kill();
      process.waitForFinished();
    }
  }
};

QStringList filesIn(const QString &folder) {
  return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

TEST(DraftKeeper, WritesThroughASaveFileAndRemoves) {
  QTemporaryDir dir;
  DraftKeeper keeper(dir.path());
  ASSERT_TRUE(keeper.isReady()) << keeper.errorString().toStdString();
  EXPECT_FALSE(keeper.hasDraft());
  ASSERT_TRUE(keeper.write("{\\rtf1 first}"));
  ASSERT_TRUE(keeper.write("{\\rtf1 second}"));
  QFile file(keeper.path());
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), "{\\rtf1 second}");
  EXPECT_TRUE(keeper.path().startsWith(dir.path()));
  keeper.remove();
  EXPECT_FALSE(keeper.hasDraft());
  // No temporary files are left behind, only this program's lock.
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
            QStringList{QFileInfo(keeper.path()).fileName() + u".lock"_s});
}

// A draft is a post not yet sent: whatever the umask, its folder is the user's alone, and so
// are the drafts and their locks; a folder an older program left open is tightened.
TEST(DraftKeeper, DraftsAreTheUsersAloneWhateverTheUmask) {
  constexpr auto kFolder = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
  constexpr auto kFile = QFile::ReadOwner | QFile::WriteOwner;
  constexpr auto kAll = QFile::Permissions(0x7077);  // the owner's, group's and others' bits
  const auto permissions = [&](const QString &path) {
    return QFileInfo(path).permissions() & kAll;
  };
  // No umask at all: every bit the program does not clear itself is set.
  struct NoUmask {
    mode_t before = ::umask(0);
    ~NoUmask() { ::umask(before); }
  } noUmask;
  const struct {
    const char *name;
    bool folderExists;
  } rows[] = {{"a new folder", false}, {"an open folder of an older program", true}};
  for (const auto &row : rows) {
    SCOPED_TRACE(row.name);
    QTemporaryDir dir;
    const QString folder = dir.filePath(u"data/drafts"_s);
    const QString old = folder + u"/draft-0ld0ld00.rtf"_s;
    if (row.folderExists) {
      ASSERT_TRUE(QDir().mkpath(folder));
      ASSERT_TRUE(QFile::setPermissions(folder, kFolder | QFile::ReadOther | QFile::ExeOther));
      quillmark::testing::writeFile(old, "{\\rtf1 an old post}");
      ASSERT_TRUE(QFile::setPermissions(old, kFile | QFile::ReadOther));
    }
    DraftKeeper keeper(folder);
    ASSERT_TRUE(keeper.isReady()) << keeper.errorString().toStdString();
    ASSERT_TRUE(keeper.write("{\\rtf1 a private message}"));
    EXPECT_EQ(permissions(folder), kFolder);
    EXPECT_EQ(permissions(keeper.path()), kFile);
    EXPECT_EQ(permissions(keeper.path() + u".lock"_s), kFile);
    if (row.folderExists) {
      EXPECT_EQ(permissions(old), kFile);
    }
    ASSERT_TRUE(keeper.write("{\\rtf1 written again}"));  // over the draft, not a new file
    EXPECT_EQ(permissions(keeper.path()), kFile);
  }
}

// Every way a draft's write is made to fail: the write and a watched save fail and say why,
// the last draft stays whole where the trouble leaves it, and the failed text is never taken
// for what the file holds: once the trouble is gone, the same text is written.
TEST(DraftKeeper, AFailedWriteIsReported) {
  const QByteArray big(8 * 1024, 'x');  // more than a full disk or the size limit takes
  SkippedRows skipped;
  for (const FailingDraftWrite &row : failingDraftWrites()) {
    SCOPED_TRACE(row.name);
    QTemporaryDir dir;
    std::shared_ptr<void> place;  // the row's own folder, if any, while its keeper lives
    QString skip;
    const QString folder = row.folder(dir.path(), &place, &skip);
    if (skip.isEmpty()) {
      DraftKeeper keeper(folder);
      ASSERT_TRUE(keeper.write("{\\rtf1 kept}"));
      std::shared_ptr<void> trouble = row.trouble(keeper.path(), place, &skip);
      if (skip.isEmpty()) {
        EXPECT_FALSE(keeper.write(big));
        EXPECT_FALSE(keeper.errorString().isEmpty());
        QSignalSpy failures(&keeper, &DraftKeeper::writeFailed);
        keeper.watch([&] { return big; }, [] { return true; });
        keeper.saveNow();
        EXPECT_EQ(failures.count(), 1);
        trouble.reset();
        if (row.keepsTheLastDraft) {
          EXPECT_EQ(readFile(keeper.path()), "{\\rtf1 kept}");
        }
        EXPECT_TRUE(keeper.write(big)) << keeper.errorString().toStdString();
        EXPECT_EQ(readFile(keeper.path()), big);
      }
    }
    place.reset();  // once its keeper is gone
    if (!skip.isEmpty()) skipped.note(row.name, skip);
  }
  if (skipped.any()) GTEST_SKIP() << skipped.text();
}

TEST(DraftKeeper, AFolderThatCannotBeMadeIsReported) {
  QTemporaryDir dir;
  QFile blocker(dir.filePath(u"file"_s));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  DraftKeeper keeper(dir.filePath(u"file/drafts"_s));
  EXPECT_FALSE(keeper.isReady());
  EXPECT_FALSE(keeper.write("text"));
  EXPECT_FALSE(keeper.errorString().isEmpty());
}

TEST(DraftKeeper, TwoKeepersInOneProgramNeverShareAFileNorSeeEachOtherAsOrphans) {
  QTemporaryDir dir;
  DraftKeeper first(dir.path());
  DraftKeeper second(dir.path());
  ASSERT_TRUE(first.write("first"));
  ASSERT_TRUE(second.write("second"));
  EXPECT_NE(first.path(), second.path());
  EXPECT_EQ(orphanPaths(dir.path()), QStringList());
}

TEST(DraftKeeper, ADraftLeftBehindIsAnOrphanOnlyOnceItsKeeperIsGone) {
  QTemporaryDir dir;
  QString path;
  {
    DraftKeeper keeper(dir.path());
    ASSERT_TRUE(keeper.write("unsaved post"));
    path = keeper.path();
  }  // the program ends without removing its draft
  std::vector<OrphanDraft> orphans = DraftKeeper::findOrphans(dir.path());
  ASSERT_EQ(orphans.size(), 1u);
  EXPECT_EQ(orphans[0].path(), path);
  EXPECT_EQ(orphans[0].read(), QByteArray("unsaved post"));
  EXPECT_LE(orphans[0].written().secsTo(QDateTime::currentDateTime()), 60);
  EXPECT_TRUE(quillmark::restoreQuestion(orphans[0])
                  .startsWith(u"Quillmark found a post that was not saved ("_s));
  // While this program holds it, nobody else is offered it.
  EXPECT_EQ(orphanPaths(dir.path()), QStringList());
  EXPECT_TRUE(orphans[0].discard());
  orphans.clear();
  EXPECT_EQ(orphanPaths(dir.path()), QStringList());
}

TEST(DraftKeeper, ARestoredDraftBecomesTheKeepersOwn) {
  QTemporaryDir dir;
  { ASSERT_TRUE(DraftKeeper(dir.path()).write("restored word for word")); }
  std::vector<OrphanDraft> orphans = DraftKeeper::findOrphans(dir.path());
  ASSERT_EQ(orphans.size(), 1u);
  DraftKeeper keeper(dir.path());
  EXPECT_EQ(keeper.adopt(orphans[0]), QByteArray("restored word for word"));
  EXPECT_FALSE(QFileInfo::exists(orphans[0].path()));
  QFile own(keeper.path());
  ASSERT_TRUE(own.open(QIODevice::ReadOnly));
  EXPECT_EQ(own.readAll(), "restored word for word");
  orphans.clear();
  EXPECT_EQ(orphanPaths(dir.path()), QStringList());
}

TEST(DraftKeeper, ARunningProgramsDraftIsNoOrphanAndAKilledOnesIs) {
  QTemporaryDir dir;
  OtherProgram other(dir.path(), u"the other post"_s);
  ASSERT_FALSE(other.draft.isEmpty()) << other.process.readAllStandardError().toStdString();
  DraftKeeper mine(dir.path());
  ASSERT_TRUE(mine.write("my post"));
  EXPECT_NE(mine.path(), other.draft);
  EXPECT_EQ(orphanPaths(dir.path()), QStringList());

  other.process.kill();  // SIGKILL: no chance to tidy up
  ASSERT_TRUE(other.process.waitForFinished());
  std::vector<OrphanDraft> orphans = DraftKeeper::findOrphans(dir.path());
  ASSERT_EQ(orphans.size(), 1u);
  EXPECT_EQ(orphans[0].path(), other.draft);
  EXPECT_EQ(orphans[0].read(), QByteArray("the other post"));
}

TEST(DraftKeeper, WritesOnItsTimerOnlyWhileChangedAndOnlyWhatIsNew) {
  QTemporaryDir dir;
  DraftKeeper keeper(dir.path());
  bool dirty = false;
  int asked = 0;
  QByteArray text = "version 1";
  keeper.watch(
      [&] {
        ++asked;
        return text;
      },
      [&] { return dirty; }, std::chrono::milliseconds(10));
  QTest::qWait(50);
  EXPECT_EQ(asked, 0);
  EXPECT_FALSE(keeper.hasDraft());

  dirty = true;
  EXPECT_TRUE(QTest::qWaitFor([&] { return keeper.hasDraft(); }, 5000));
  const QDateTime first = QFileInfo(keeper.path()).lastModified();
  QTest::qWait(50);  // the same text again: the file is not touched
  EXPECT_EQ(QFileInfo(keeper.path()).lastModified(), first);

  text = "version 2";
  keeper.saveNow();  // the window lost focus
  QFile file(keeper.path());
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), "version 2");
}

// The program is to end without a question: the draft is written at once (or removed when the
// document is unchanged), its lock goes, and the next start finds it as after a crash. The
// keeper writes and removes nothing afterwards.
TEST(DraftKeeper, LeavingForTheNextStartWritesAtOnceAndLetsGo) {
  struct Row {
    const char *name;
    std::optional<QByteArray> earlier;  // the draft written before, if any
    std::optional<QByteArray> last;     // the document at the end; none: unchanged
  };
  const Row rows[] = {
      {"changed, never drafted", std::nullopt, QByteArray("typed before the end")},
      {"changed since its draft", QByteArray("typed"), QByteArray("typed, and more")},
      {"the same as its draft", QByteArray("typed"), QByteArray("typed")},
      {"unchanged, an old draft", QByteArray("undone since"), std::nullopt},
      {"unchanged, no draft", std::nullopt, std::nullopt},
  };
  for (const Row &row : rows) {
    SCOPED_TRACE(row.name);
    QTemporaryDir dir;
    DraftKeeper keeper(dir.path());
    if (row.earlier) {
      ASSERT_TRUE(keeper.write(*row.earlier));
    }
    keeper.watch([] { return QByteArray("written after the end"); }, [] { return true; });
    EXPECT_TRUE(keeper.leaveForNextStart(row.last));
    const QString draft = QFileInfo(keeper.path()).fileName();
    EXPECT_EQ(filesIn(dir.path()), row.last ? QStringList{draft} : QStringList());
    keeper.saveNow();  // the window losing the focus as it closes
    keeper.remove();   // a close that discards the document
    EXPECT_FALSE(keeper.write("written after the end"));
    EXPECT_EQ(filesIn(dir.path()), row.last ? QStringList{draft} : QStringList());
    std::vector<OrphanDraft> orphans = DraftKeeper::findOrphans(dir.path());
    ASSERT_EQ(orphans.size(), row.last ? 1u : 0u);
    if (row.last) {
      EXPECT_EQ(orphans[0].read(), *row.last);
    }
  }
}

// The drafts folder after a day of ends, each kind of file beside the others, and what the
// clean-up at start leaves of it: only the locks whose draft is gone and whose program no
// longer runs go.
TEST(DraftKeeper, TheCleanUpRemovesOnlyStaleLocksWithNoDraft) {
  enum class Holder { Killed, Running, ThisProgram, LeftForNextStart };
  enum class Draft { None, Written, WrittenThenGone };
  struct Row {
    const char *name;
    Holder holder;
    Draft draft;
    bool lockLeft;
  };
  const Row rows[] = {
      {"killed with an unchanged document", Holder::Killed, Draft::None, false},
      {"killed after its draft was restored or discarded", Holder::Killed, Draft::WrittenThenGone,
       false},
      {"killed with a draft to offer", Holder::Killed, Draft::Written, true},
      {"running with an unchanged document", Holder::Running, Draft::None, true},
      {"running with its draft", Holder::Running, Draft::Written, true},
      {"running, its draft just restored or discarded", Holder::Running, Draft::WrittenThenGone,
       true},
      {"this program, no draft yet", Holder::ThisProgram, Draft::None, true},
      {"a draft left for the next start", Holder::LeftForNextStart, Draft::Written, false},
  };
  QTemporaryDir dir;
  std::vector<std::unique_ptr<OtherProgram>> others;
  std::vector<std::unique_ptr<DraftKeeper>> mine;
  QStringList drafts;  // by row
  for (const Row &row : rows) {
    const std::optional<QString> text =
        row.draft == Draft::None ? std::nullopt : std::optional(QString::fromUtf8(row.name));
    if (row.holder == Holder::Killed || row.holder == Holder::Running) {
      others.push_back(std::make_unique<OtherProgram>(dir.path(), text));
      ASSERT_FALSE(others.back()->draft.isEmpty()) << row.name;
      drafts << others.back()->draft;
      if (row.holder == Holder::Killed) others.back()->kill();
    } else {
      mine.push_back(std::make_unique<DraftKeeper>(dir.path()));
      if (text) {
        ASSERT_TRUE(mine.back()->write(text->toUtf8()));
      }
      if (row.holder == Holder::LeftForNextStart) mine.back()->leaveForNextStart(text->toUtf8());
      drafts << mine.back()->path();
    }
    if (row.draft == Draft::WrittenThenGone) {
      ASSERT_TRUE(QFile::remove(drafts.back()));
    }
  }
  QFile other(dir.filePath(u"notes.txt"_s));
  ASSERT_TRUE(other.open(QIODevice::WriteOnly));
  other.close();

  QStringList expectRemoved;
  for (std::size_t i = 0; i < std::size(rows); ++i)
    if (!rows[i].lockLeft && QFileInfo::exists(drafts[qsizetype(i)] + u".lock"_s))
      expectRemoved << QFileInfo(drafts[qsizetype(i)]).fileName() + u".lock"_s;
  ASSERT_EQ(expectRemoved.size(), 2);  // the killed programs' stale locks
  QStringList removed = DraftKeeper::removeStaleLocks(dir.path());
  removed.sort();
  expectRemoved.sort();
  EXPECT_EQ(removed, expectRemoved);

  for (std::size_t i = 0; i < std::size(rows); ++i) {
    const Row &row = rows[i];
    SCOPED_TRACE(row.name);
    const QString draft = drafts[qsizetype(i)];
    EXPECT_EQ(QFileInfo::exists(draft + u".lock"_s), row.lockLeft);
    EXPECT_EQ(QFileInfo::exists(draft), row.draft == Draft::Written);
  }
  EXPECT_TRUE(QFileInfo::exists(other.fileName()));
  // The drafts to offer are still offered.
  EXPECT_EQ(DraftKeeper::findOrphans(dir.path()).size(), 2u);
}

}  // namespace
