#pragma once
// Reads RTF into a document: our own writer's dialect back to the same document, and RTF
// from other word processors keeping every character of their text. Hyperlink fields become
// links; tables become fixed-columns blocks (FixedColumns.h).
#include <QByteArrayView>
#include <QString>
#include <functional>

class QTextDocument;

namespace quillmark::richtext {

// Told now and then (about every megabyte) how many bytes of how many have been read.
using ReadProgress = std::function<void(qint64 read, qint64 total)>;

// Fills `document`, which the caller has set up (setUpDocument) and which must be empty,
// from `rtf`. Returns false with a reason in *error when `rtf` is not RTF; the document may
// then hold part of the text, so callers read into a fresh document and swap it in. Bytes
// that end before the document's group closes (a file cut short) give what they hold, with
// *complete false.
bool readRtf(QByteArrayView rtf, QTextDocument &document, QString *error = nullptr,
             const ReadProgress &progress = {}, bool *complete = nullptr);

}  // namespace quillmark::richtext
