// A document's file read whole and checked (a file changed while it is read, a device, a
// size past the limit) and written through links; what a file that is not RTF is said to be.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>

#include "QtFiles.h"
#include "richtext/DocumentFile.h"
#include "richtext/RichTextBox.h"

using namespace Qt::StringLiterals;
using namespace quillmark::richtext;
using quillmark::testing::readFile;
using quillmark::testing::writeFile;

namespace {

TEST(ReadWholeFile, AFileChangedWhileItIsReadIsRefused) {
  const QByteArray original = "{\\rtf1 original}";
  const struct {
    const char *name;
    std::function<void(const QString &)> change;  // empty: nothing changes
  } rows[] = {
      {"unchanged", {}},
      {"grown",
       [](const QString &f) {
         QFile file(f);
         ASSERT_TRUE(file.open(QIODevice::Append));
         file.write(" more");
       }},
      {"shrunk", [](const QString &f) { ASSERT_TRUE(QFile::resize(f, 3)); }},
      {"rewritten at the same size",
       [](const QString &f) {
         writeFile(f, "{\\rtf1 replaced}");
         QFile file(f);
         ASSERT_TRUE(file.open(QIODevice::ReadWrite));
         ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(3600),
                                      QFileDevice::FileModificationTime));
       }},
      {"removed", [](const QString &f) { ASSERT_TRUE(QFile::remove(f)); }},
  };
  for (const auto &row : rows) {
    SCOPED_TRACE(row.name);
    QTemporaryDir dir;
    const QString fileName = dir.filePath(u"post.rtf"_s);
    writeFile(fileName, original);
    const std::function<void()> afterRead = [&] {
      if (row.change) row.change(fileName);
    };
    const FileRead read = readWholeFile(fileName, kMaxDocumentFileSize, afterRead);
    if (!row.change) {
      EXPECT_TRUE(read.ok()) << read.error.toStdString();
      EXPECT_EQ(read.bytes, original);
    } else {
      EXPECT_TRUE(read.error.startsWith(u"The file changed while it was being read"_s))
          << read.error.toStdString();
      EXPECT_TRUE(read.bytes.isEmpty());
    }
  }
}

TEST(ReadWholeFile, ThingsThatAreNoOrdinaryFileOrTooLargeAreNotRead) {
  QTemporaryDir dir;
  const QString big = dir.filePath(u"big.rtf"_s);
  writeFile(big, QByteArray(101, 'x'));
  const struct {
    QString fileName;
    qint64 maxSize;
    QString error;
  } rows[] = {
      {u"/dev/zero"_s, kMaxDocumentFileSize, u"It is not an ordinary file."_s},
      {big, 100,
       u"The file is too large to open (101 bytes); Quillmark opens files of up to "
       u"100 bytes."_s},
  };
  for (const auto &row : rows) {
    if (!QFileInfo::exists(row.fileName)) continue;
    const FileRead read = readWholeFile(row.fileName, row.maxSize);
    EXPECT_EQ(read.error, row.error);
    EXPECT_TRUE(read.bytes.isEmpty());
  }
  EXPECT_TRUE(readWholeFile(big, 101).ok()) << "the limit itself is allowed";
}

TEST(WriteWholeFile, FollowsLinksToTheirLastTargetAndRefusesACircle) {
  QTemporaryDir dir;
  QDir().mkdir(dir.filePath(u"real"_s));
  const QString target = dir.filePath(u"real/post.rtf"_s);
  writeFile(target, "old");
  // A chain of links, one relative, one absolute.
  ASSERT_TRUE(QFile::link(u"real/post.rtf"_s, dir.filePath(u"one.rtf"_s)));
  ASSERT_TRUE(QFile::link(dir.filePath(u"one.rtf"_s), dir.filePath(u"two.rtf"_s)));
  EXPECT_EQ(saveTarget(dir.filePath(u"two.rtf"_s)), QFileInfo(target).absoluteFilePath());
  EXPECT_EQ(saveTarget(target), target);

  QString error;
  ASSERT_TRUE(writeWholeFile(dir.filePath(u"two.rtf"_s), "new", &error)) << error.toStdString();
  EXPECT_EQ(readFile(target), "new");
  EXPECT_TRUE(QFileInfo(dir.filePath(u"one.rtf"_s)).isSymLink());
  EXPECT_TRUE(QFileInfo(dir.filePath(u"two.rtf"_s)).isSymLink());

  // A circle leads to no file: what is left is a link, which a save refuses to replace (the
  // failed save itself is a row of the table in FailingWrites.h).
  ASSERT_TRUE(QFile::link(dir.filePath(u"b.rtf"_s), dir.filePath(u"a.rtf"_s)));
  ASSERT_TRUE(QFile::link(dir.filePath(u"a.rtf"_s), dir.filePath(u"b.rtf"_s)));
  EXPECT_TRUE(QFileInfo(saveTarget(dir.filePath(u"a.rtf"_s))).isSymLink());
}

TEST(NotRtfReason, NamesWhatTheFileSeemsToBe) {
  const struct {
    QByteArray bytes;
    const char16_t *reason;
  } rows[] = {
      {"", u"The file is empty."},
      {"Dear all,\r\nthe meeting is at five.\n",
       u"The file holds plain text, not an RTF document."},
      {"caf\xC3\xA9 \xE2\x80\x94 UTF-8", u"The file holds plain text, not an RTF document."},
      {"  <!DOCTYPE html><html><body>x", u"The file holds a web page (HTML), not an RTF document."},
      {QByteArray("PK\x03\x04\x14\x00", 6),
       u"The file holds a ZIP archive (as .docx and .odt documents are), not an RTF document."},
      {"\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1\x00\x00",
       u"The file holds an older word processor's document (.doc), not an RTF document."},
      {"%PDF-1.7\n", u"The file holds a PDF document, not an RTF document."},
      {QByteArray("\x00\x01\x02\xFF", 4), u"The file is not an RTF document."},
      {"caf\xE9 in Latin-1", u"The file is not an RTF document."},
  };
  for (const auto &row : rows) {
    EXPECT_EQ(notRtfReason(row.bytes), QString::fromUtf16(row.reason)) << row.bytes.toStdString();
  }
}

TEST(LoadFile, TellsAFileCutShortAndOpensWhatItHolds) {
  const struct {
    QByteArray rtf;
    QString text;
    bool cutShort;
  } rows[] = {
      {"{\\rtf1 whole}", u"whole"_s, false},
      {"{\\rtf1 whole}\r\n", u"whole"_s, false},
      {"{\\rtf1 cut {\\b in the mid", u"cut in the mid"_s, true},
      {"{\\rtf1 cut in a word\\pa", u"cut in a word"_s, true},
      {"{\\rtf1", QString(), true},
  };
  for (const auto &row : rows) {
    SCOPED_TRACE(row.rtf.toStdString());
    QTemporaryDir dir;
    const QString fileName = dir.filePath(u"post.rtf"_s);
    writeFile(fileName, row.rtf);
    RichTextBox box;
    QString error, notice = u"stale"_s;
    ASSERT_TRUE(box.loadFile(fileName, &error, &notice)) << error.toStdString();
    EXPECT_EQ(box.text(), row.text);
    EXPECT_EQ(notice.contains(u"cut short"_s), row.cutShort) << notice.toStdString();
    EXPECT_EQ(notice.isEmpty(), !row.cutShort);
  }
}

}  // namespace
