#pragma once
// Reading and writing a document's file whole, so that neither can lose data: a file is read
// once into memory and refused when it is too large, not an ordinary file, or changed while
// it was read; a file is written through a temporary file that replaces it only once it is
// complete, so a failed write leaves the old file as it was. Knows nothing about RTF beyond
// telling the user what a file that is not RTF seems to be.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QtGlobal>
#include <functional>

namespace quillmark::richtext {

// The largest file the editor opens: a document of this size already takes several times
// as much memory once it is laid out.
inline constexpr qint64 kMaxDocumentFileSize = qint64{1} << 30;  // 1 GB

struct FileRead {
  QByteArray bytes;
  QString error;  // empty when the file was read; else the reason, for the user
  bool ok() const { return error.isEmpty(); }
};

// Reads `fileName` whole. Fails, reading nothing more, when it is missing, a folder or any
// other thing that is not an ordinary file, larger than `maxSize`, unreadable, or when its
// size or modification time differ after the read from before it (another program was
// writing it). `afterRead` runs between the read and that check; tests change the file there.
FileRead readWholeFile(const QString &fileName, qint64 maxSize = kMaxDocumentFileSize,
                       const std::function<void()> &afterRead = {});

// The file a save to `fileName` replaces: `fileName` itself, or the file a symbolic link
// there finally points to (also when that file does not exist yet), so that a save keeps
// the link and writes its target.
QString saveTarget(const QString &fileName);

// Writes `bytes` to saveTarget(fileName) through a temporary file beside it, which then
// takes the old file's place and permissions. On failure returns false with the operating
// system's reason in *error; the old file, if any, is then byte for byte as it was.
bool writeWholeFile(const QString &fileName, QByteArrayView bytes, QString *error = nullptr);

// Why bytes that are not RTF cannot be opened, naming what they seem to be: "The file is
// empty.", "... holds plain text, not an RTF document.", a ZIP archive, a PDF and so on.
QString notRtfReason(QByteArrayView bytes);

}  // namespace quillmark::richtext
