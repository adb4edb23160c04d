// A document's file read whole and checked, or written through a temporary file that
// replaces it only when complete.
#include "richtext/DocumentFile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>
#include <QStringDecoder>
#include <algorithm>
#include <cerrno>

using namespace Qt::StringLiterals;

namespace quillmark::richtext {

namespace {

// Links are followed this many times at most, as the system itself does.
constexpr int kMaxLinkDepth = 40;

QString sizeText(qint64 bytes, int decimals) {
  return QLocale().formattedDataSize(bytes, decimals, QLocale::DataSizeTraditionalFormat);
}

// Valid UTF-8 (so also ASCII) without control characters other than tabs, line and page
// breaks, judged on the first 64 KB.
bool looksLikePlainText(QByteArrayView bytes) {
  const QByteArrayView head = bytes.first(std::min<qsizetype>(bytes.size(), 64 * 1024));
  for (const char c : head) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r' && byte != '\f') return false;
  }
  // A stateful decoder: a character cut at the end of the head is no error.
  QStringDecoder decoder(QStringDecoder::Utf8);
  const QString decoded = decoder(head);
  return !decoder.hasError();
}

}  // namespace

FileRead readWholeFile(const QString &fileName, qint64 maxSize,
                       const std::function<void()> &afterRead) {
  FileRead result;
  const QFileInfo before(fileName);
  if (!before.exists()) {
    result.error = QCoreApplication::translate("DocumentFile", "The file does not exist.");
  } else if (before.isDir()) {
    result.error = QCoreApplication::translate("DocumentFile", "It is a folder, not a file.");
  } else if (!before.isFile()) {
    // A device or a pipe could be read forever.
    result.error = QCoreApplication::translate("DocumentFile", "It is not an ordinary file.");
  } else if (before.size() > maxSize) {
    result.error = QCoreApplication::translate(
                       "DocumentFile",
                       "The file is too large to open (%1); Quillmark opens files of up to %2.")
                       .arg(sizeText(before.size(), 1), sizeText(maxSize, 0));
  }
  if (!result.ok()) return result;

  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) {
    result.error = file.errorString();
    return result;
  }
  // One byte more than the file had tells that it grew.
  result.bytes = file.read(before.size() + 1);
  if (file.error() != QFileDevice::NoError) {
    result.error = file.errorString();
    result.bytes.clear();
    return result;
  }
  file.close();
  if (afterRead) afterRead();
  const QFileInfo after(fileName);
  if (result.bytes.size() != before.size() || !after.exists() || after.size() != before.size() ||
      after.lastModified() != before.lastModified()) {
    result.error = QCoreApplication::translate(
        "DocumentFile",
        "The file changed while it was being read, so nothing of it was opened. Open it "
        "again once the program writing it has finished.");
    result.bytes.clear();
  }
  return result;
}

QString saveTarget(const QString &fileName) {
  QString path = fileName;
  for (int depth = 0; depth < kMaxLinkDepth; ++depth) {
    const QFileInfo info(path);
    if (!info.isSymLink()) return path;
    path = info.symLinkTarget();
  }
  return path;
}

bool writeWholeFile(const QString &fileName, QByteArrayView bytes, QString *error) {
  const QString target = saveTarget(fileName);
  if (QFileInfo(target).isSymLink()) {
    // A save would otherwise put a file in the place of the last link.
    if (error)
      *error = QCoreApplication::translate(
          "DocumentFile", "The link leads round in a circle, or through too many links.");
    return false;
  }
  // QSaveFile writes a temporary file in the target's folder, gives it the old file's
  // permissions and renames it over the old file in commit(); it never falls back to writing
  // the old file in place unless told to. The explicit flush matters: commit() notices only
  // failed writes, not a buffer that could not be flushed when it closes the file (a full
  // disk), and would put the cut temporary file in the old one's place.
  QSaveFile file(target);
  const auto fail = [&](const QString &reason) {
    if (error) *error = reason;
    file.cancelWriting();
    return false;
  };
  // Where the device has no reason of its own (a write that stopped part way, a commit whose
  // name has no room beside it for the temporary file's longer one: Qt's "Unknown error"),
  // errno still has the system's.
  const auto systemReason = [&] {
    return errno != 0 ? qt_error_string(errno) : file.errorString();
  };
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), bytes.size()) != bytes.size())
    return fail(file.errorString());
  errno = 0;
  if (!file.flush()) return fail(systemReason());
  errno = 0;
  if (file.commit()) return true;
  return fail(file.error() == QFileDevice::UnspecifiedError ? systemReason() : file.errorString());
}

QString notRtfReason(QByteArrayView bytes) {
  if (bytes.isEmpty()) return QCoreApplication::translate("DocumentFile", "The file is empty.");
  const auto kind = [&]() -> QString {
    if (bytes.startsWith("PK\x03\x04"))
      return QCoreApplication::translate("DocumentFile",
                                         "a ZIP archive (as .docx and .odt documents are)");
    if (bytes.startsWith("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"))
      return QCoreApplication::translate("DocumentFile",
                                         "an older word processor's document (.doc)");
    if (bytes.startsWith("%PDF"))
      return QCoreApplication::translate("DocumentFile", "a PDF document");
    if (looksLikePlainText(bytes)) {
      const QByteArray head = bytes.first(std::min<qsizetype>(bytes.size(), 512)).toByteArray();
      const QByteArray lower = head.trimmed().toLower();
      if (lower.startsWith("<!doctype html") || lower.startsWith("<html"))
        return QCoreApplication::translate("DocumentFile", "a web page (HTML)");
      return QCoreApplication::translate("DocumentFile", "plain text");
    }
    return QString();
  }();
  if (kind.isEmpty())
    return QCoreApplication::translate("DocumentFile", "The file is not an RTF document.");
  return QCoreApplication::translate("DocumentFile", "The file holds %1, not an RTF document.")
      .arg(kind);
}

}  // namespace quillmark::richtext
