#pragma once
// A web page read into a document as a paste of it: its lists with their nesting, numbering
// and start numbers, quotes, headings 1 to 3 (h4 to h6 as 3), rules, pictures of http and
// https addresses with their alternative text, links and character formats; tables as
// fixed-columns blocks. Other pictures go; all of the text stays.
#include <QByteArrayView>
#include <QString>
#include <QTextDocument>

#include "richtext/RtfReader.h"

namespace quillmark::richtext {

// Reads `page` (the HTML text) into `into` at its end, as the reader reads RTF; false when
// nothing could be read.
bool readWebPage(const QString &page, QTextDocument &into, const ReadProgress &progress = {});

// Whether a file's bytes are a web page: one that starts, after a byte-order mark and blanks,
// with a doctype or an html, head, body or meta tag.
bool looksLikeWebPage(QByteArrayView bytes);

// A web page file's text, decoded by its byte-order mark or its <meta charset>, else as UTF-8.
QString decodeWebPage(QByteArrayView bytes);

}  // namespace quillmark::richtext
