// Saves and opens through the window that cannot lose data: a save that fails (every way in
// the table of FailingWrites.h) leaves the old file byte for byte and the document changed,
// and says why; a save over a
// link writes the link's target and keeps the file's permissions; every saved file reads
// back as the document that was shown. Opens that fail leave the document, its name and the
// recent files as they were. Drafts that cannot be written are told, never taken as kept.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <functional>
#include <iostream>
#include <memory>

#include "FailingWrites.h"
#include "FileTrouble.h"
#include "QtFiles.h"
#include "SavedFile.h"
#include "ScriptedPlatform.h"
#include "richtext/DocumentFile.h"
#include "richtext/RichTextBox.h"
#include "richtext/RtfWriter.h"
#include "writing/DocumentState.h"
#include "writing/DraftKeeper.h"

using namespace Qt::StringLiterals;
using quillmark::Platform;
using quillmark::richtext::RichTextBox;
using quillmark::testing::expectFileHoldsTheDocument;
using quillmark::testing::FailingDraftWrite;
using quillmark::testing::failingDraftWrites;
using quillmark::testing::FailingSave;
using quillmark::testing::failingSaves;
using quillmark::testing::kOldFile;
using quillmark::testing::readFile;
using quillmark::testing::SaveTarget;
using quillmark::testing::ScriptedWindow;
using quillmark::testing::SkippedRows;
using quillmark::testing::Unchangeable;
using quillmark::testing::writeFile;

namespace {

// A document with formatting of several kinds, so that a read-back compares more than text.
void writeSomething(RichTextBox &box) {
  box.setSelText(u"Heading\rbold and plain \u00e9t\u00e9 \u2014 done"_s);
  box.setSelStart(0);
  box.setSelLength(7);
  box.setSelBold(true);
  box.setSelStart(8);
  box.setSelLength(4);
  box.setSelItalic(true);
}

// Every way a save is made to fail, and every way the save is reached: the Save command,
// and Save in the unsaved-changes question on close, which must then keep the window open.
TEST(FailedSave, LeavesTheOldFileAndTheDocumentChangedAndSaysWhy) {
  SkippedRows skipped;
  for (const FailingSave &row : failingSaves()) {
    SCOPED_TRACE(row.name);
    for (const bool viaClose : {false, true}) {
      QTemporaryDir dir;
      ScriptedWindow w;
      w.window.recentFiles().clear();
      writeSomething(w.window.box());
      const QString title = w.window.windowTitle();
      std::shared_ptr<void> trouble;  // what makes the save fail, until the row is checked
      QString skip;
      const QString target = row.prepare(dir.path(), &trouble, &skip);
      if (!skip.isEmpty()) {
        skipped.note(row.name, skip);
        break;
      }
      const SaveTarget before(target);

      w.platform->files = {target};
      if (viaClose) {
        w.platform->saveChoices = {Platform::SaveChoice::Save};
        EXPECT_FALSE(w.window.close());
      } else {
        w.window.dispatch(u"save"_s);
      }

      ASSERT_EQ(w.platform->messages.size(), 1u);
      const auto &message = w.platform->messages.front();
      EXPECT_EQ(message.title, u"Quillmark"_s);
      EXPECT_EQ(message.icon, Platform::Icon::Warning);
      EXPECT_TRUE(
          message.text.startsWith(u"Could not save \""_s + QDir::toNativeSeparators(target)))
          << message.text.toStdString();
      const QString reason = message.text.section(u"\n\n"_s, 1);
      EXPECT_FALSE(reason.trimmed().isEmpty()) << "no reason given";
      std::cout << "    " << row.name << ": " << reason.toStdString() << '\n';

      EXPECT_EQ(SaveTarget(target), before);
      EXPECT_EQ(w.window.box().text().left(7), u"Heading"_s);
      EXPECT_TRUE(w.window.isWindowModified());
      EXPECT_EQ(w.window.windowTitle(), title);
      EXPECT_TRUE(w.window.documentState().filePath().isEmpty());
      EXPECT_TRUE(w.window.recentFiles().files().isEmpty());
      trouble.reset();  // before the folder goes
    }
  }
  if (skipped.any()) GTEST_SKIP() << skipped.text();
}

TEST(Save, WritesALinksTargetKeepsPermissionsAndReadsBackAsShown) {
  const struct {
    const char *name;
    const char *link;    // the name saved to; empty for none
    const char *target;  // the file written
    bool targetExists;
    QFile::Permissions permissions;
  } rows[] = {
      {"new file", "", "post.rtf", false, {}},
      {"replaced file", "", "post.rtf", true, QFile::ReadOwner | QFile::WriteOwner},
      {"shared file", "", "post.rtf", true,
       QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup |
           QFile::ReadOther},
      {"link to a file", "link.rtf", "real/post.rtf", true,
       QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup},
      {"link to no file yet", "link.rtf", "real/post.rtf", false, {}},
  };
  for (const auto &row : rows) {
    SCOPED_TRACE(row.name);
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath(u"real"_s));
    const QString target = dir.filePath(QString::fromUtf8(row.target));
    if (row.targetExists) {
      writeFile(target, kOldFile);
      ASSERT_TRUE(QFile::setPermissions(target, row.permissions));
    }
    QString saveAs = target;
    if (*row.link) {
      saveAs = dir.filePath(QString::fromUtf8(row.link));
      // A relative link, as a user makes them: it must be read from the link's folder.
      ASSERT_TRUE(QFile::link(QString::fromUtf8(row.target), saveAs));
    }
    ScriptedWindow w;
    writeSomething(w.window.box());
    w.platform->files = {saveAs};
    w.window.dispatch(u"save"_s);
    EXPECT_TRUE(w.platform->messages.empty());
    EXPECT_FALSE(w.window.isWindowModified());
    EXPECT_EQ(w.window.documentState().filePath(), QFileInfo(saveAs).absoluteFilePath());
    if (*row.link) {
      EXPECT_TRUE(QFileInfo(saveAs).isSymLink()) << "the link was replaced by a file";
      EXPECT_EQ(QFile::symLinkTarget(saveAs), QFileInfo(target).absoluteFilePath());
    }
    if (row.targetExists) {
      // (Qt adds the same bits again as the current user's; only the file's own count.)
      constexpr QFile::Permissions kModeBits = QFile::Permissions::fromInt(0x7077);
      EXPECT_EQ(QFile::permissions(target) & kModeBits, row.permissions);
    }
    expectFileHoldsTheDocument(target, w.window.box());

    // Saved again, over itself, and still the same.
    w.window.box().setSelText(u"more"_s);
    w.platform->files = {saveAs};
    w.window.dispatch(u"save"_s);
    if (*row.link) {
      EXPECT_TRUE(QFileInfo(saveAs).isSymLink());
    }
    expectFileHoldsTheDocument(target, w.window.box());
  }
}

// The open is refused and everything on screen stays: the text, its unsaved mark, the title
// and the recent files.
TEST(FailedOpen, SaysWhyAndLeavesTheDocumentAsItWas) {
  QTemporaryDir dir;
  const QString text = dir.filePath(u"notes.rtf"_s);
  writeFile(text, "Shopping: eggs, milk\n");
  const QString pdf = dir.filePath(u"paper.rtf"_s);
  writeFile(pdf, "%PDF-1.4\n\x80\x81 binary");
  const QString empty = dir.filePath(u"empty.rtf"_s);
  writeFile(empty, "");
  const QString pipe = dir.filePath(u"pipe.rtf"_s);
  ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
  const QString huge = dir.filePath(u"huge.rtf"_s);
  {
    // A sparse file: the size without the disk space.
    QFile file(huge);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("{\\rtf1 ");
    if (!file.resize(quillmark::richtext::kMaxDocumentFileSize + 1)) file.remove();
  }
  struct stat status {};
  if (stat(QFile::encodeName(huge).constData(), &status) == 0 &&
      status.st_blocks * 512 > 1024 * 1024) {
    QFile::remove(huge);  // the file system filled in the gap instead of leaving it sparse
  }

  const struct {
    QString fileName;
    QString reason;  // what the message says after the file's name
  } rows[] = {
      {text, u"The file holds plain text, not an RTF document."_s},
      {pdf, u"The file holds a PDF document, not an RTF document."_s},
      {empty, u"The file is empty."_s},
      {pipe, u"It is not an ordinary file."_s},
      {dir.path(), u"It is a folder, not a file."_s},
      {dir.filePath(u"gone.rtf"_s), u"The file does not exist."_s},
      {huge, u"The file is too large to open (1.0 GB); Quillmark opens files of up to 1 GB."_s},
  };
  for (const auto &row : rows) {
    SCOPED_TRACE(row.fileName.toStdString());
    if (row.fileName == huge && !QFileInfo::exists(huge)) {
      std::cout << "    skipped: this file system cannot hold a sparse file of 1 GB\n";
      continue;
    }
    for (const bool modified : {false, true}) {
      ScriptedWindow w;
      w.window.recentFiles().clear();
      writeSomething(w.window.box());
      w.window.box().document()->setModified(modified);
      const QString title = w.window.windowTitle();
      const QByteArray shown = quillmark::richtext::writeRtf(*w.window.box().document());
      w.platform->saveChoices = {Platform::SaveChoice::Discard};
      w.platform->files = {row.fileName};
      w.window.dispatch(u"open"_s);

      ASSERT_EQ(w.platform->messages.size(), 1u);
      EXPECT_EQ(w.platform->messages[0].text,
                u"Could not open \"%1\".\n\n%2"_s.arg(QDir::toNativeSeparators(row.fileName),
                                                      row.reason));
      EXPECT_EQ(quillmark::richtext::writeRtf(*w.window.box().document()), shown);
      EXPECT_EQ(w.window.isWindowModified(), modified);
      EXPECT_EQ(w.window.windowTitle(), title);
      EXPECT_TRUE(w.window.recentFiles().files().isEmpty());
    }
  }
}

TEST(Open, AFileCutShortOpensAsFarAsItGoesAndSaysSo) {
  QTemporaryDir dir;
  const QString fileName = dir.filePath(u"cut.rtf"_s);
  writeFile(fileName, "{\\rtf1\\ansi Start {\\b bold} and the rest wa");
  ScriptedWindow w;
  w.platform->files = {fileName};
  w.window.dispatch(u"open"_s);
  EXPECT_EQ(w.window.box().text(), u"Start bold and the rest wa"_s);
  ASSERT_EQ(w.platform->messages.size(), 1u);
  EXPECT_TRUE(w.platform->messages[0].text.startsWith(
      u"\"%1\" is not complete.\n\n"_s.arg(QDir::toNativeSeparators(fileName))));
  EXPECT_TRUE(w.platform->messages[0].text.contains(u"cut short"_s));
  EXPECT_EQ(w.window.documentState().filePath(), QFileInfo(fileName).absoluteFilePath());

  // A whole file opens without a word.
  writeFile(fileName, "{\\rtf1\\ansi Whole.}");
  w.platform->files = {fileName};
  w.window.dispatch(u"open"_s);
  EXPECT_EQ(w.window.box().text(), u"Whole."_s);
  EXPECT_EQ(w.platform->messages.size(), 1u);
}

TEST(RecentFiles, AMissingFileIsToldWithoutAQuestionAndTheDocumentStays) {
  QTemporaryDir dir;
  const QString fileName = dir.filePath(u"post.rtf"_s);
  writeFile(fileName, kOldFile);
  ScriptedWindow w;
  w.window.recentFiles().clear();
  w.window.recentFiles().add(fileName);
  writeSomething(w.window.box());
  ASSERT_TRUE(QFile::remove(fileName));
  emit w.window.recentMenu().aboutToShow();
  w.window.recentMenu().actions().value(0)->trigger();
  EXPECT_TRUE(w.platform->questions.isEmpty());
  ASSERT_EQ(w.platform->messages.size(), 1u);
  EXPECT_TRUE(w.window.box().text().startsWith(u"Heading"_s));
  EXPECT_TRUE(w.window.isWindowModified());
  w.window.recentFiles().clear();
}

// The window's drafts where they cannot be kept: from the start (the data folder cannot be
// made), and every way a draft's write fails. The status bar says so each time; the window
// goes on, and no draft is taken for kept.
TEST(Drafts, TheWindowTellsADraftThatCannotBeKept) {
  const auto withDataFolder = [](const QString &folder, const std::function<void()> &run) {
    const QByteArray old = qgetenv("XDG_DATA_HOME");
    QStandardPaths::setTestModeEnabled(false);
    qputenv("XDG_DATA_HOME", QFile::encodeName(folder));
    run();
    qputenv("XDG_DATA_HOME", old);
    QStandardPaths::setTestModeEnabled(true);
  };
  const auto expectToldNotKept = [](ScriptedWindow &w) {
    w.window.box().setSelText(u"unsaved work"_s);
    w.window.drafts().saveNow();
    EXPECT_TRUE(
        w.window.statusBar()->currentMessage().startsWith(u"The draft could not be kept: "_s))
        << w.window.statusBar()->currentMessage().toStdString();
    EXPECT_FALSE(w.window.statusBar()->currentMessage().endsWith(u": "_s)) << "no reason";
    EXPECT_EQ(w.window.box().text(), u"unsaved work"_s);
    EXPECT_FALSE(readFile(w.window.drafts().path()).contains("unsaved work"));
  };

  QTemporaryDir unchangeable;
  {
    Unchangeable guard(unchangeable.path());
    if (guard.ok()) {
      withDataFolder(unchangeable.path(), [&] {
        ScriptedWindow w;
        EXPECT_FALSE(w.window.drafts().isReady());
        expectToldNotKept(w);
        EXPECT_FALSE(w.window.drafts().hasDraft());
      });
    }
  }

  SkippedRows skipped;
  for (const FailingDraftWrite &row : failingDraftWrites()) {
    SCOPED_TRACE(row.name);
    QTemporaryDir dir;
    std::shared_ptr<void> place;  // the row's own folder, if any, while its window lives
    QString skip;
    const QString folder = row.folder(dir.path(), &place, &skip);
    if (skip.isEmpty()) {
      withDataFolder(folder, [&] {
        ScriptedWindow w;
        ASSERT_TRUE(w.window.drafts().isReady());
        const std::shared_ptr<void> trouble = row.trouble(w.window.drafts().path(), place, &skip);
        if (!skip.isEmpty()) return;
        expectToldNotKept(w);
        // Nothing was kept before the trouble came; where it leaves the draft's place free,
        // nothing is now.
        if (row.keepsTheLastDraft) {
          EXPECT_FALSE(w.window.drafts().hasDraft());
        }
      });
    }
    place.reset();  // once its window is gone
    if (!skip.isEmpty()) skipped.note(row.name, skip);
  }
  if (skipped.any()) GTEST_SKIP() << skipped.text();
}

}  // namespace
