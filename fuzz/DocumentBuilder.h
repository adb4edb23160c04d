// Builds an editor document from fuzz bytes, for the targets of the editor's RTF reader and
// writer. The bytes are a program of edits a user (or a paste) could make: text from a
// palette that reaches every way the writer has of writing a character, character formats
// (bold to links), paragraph breaks with alignment and indents, bullet and numbered lists,
// and tables, which the writer lays out as fixed-columns blocks. Every byte string is a
// program; missing bytes read as zero.
#pragma once

#include <QByteArray>
#include <QString>

#include "FuzzInput.h"

class QTextDocument;

namespace quillmark::fuzz {

// Fills `document`, set up as the editor sets one up (setUpDocument) and empty, from `program`.
void buildDocument(Bytes program, QTextDocument& document);

// The document's text as the property checks compare it: blanks of every kind (paragraph and
// line ends, tabs, no-break spaces) and object characters left out, as layout is no text.
QString compactText(const QString& text);

// Whether `needle` appears in `haystack` in order, other characters between allowed. On
// failure *at is the index in `needle` of the first character not found.
bool isSubsequence(const QString& needle, const QString& haystack, qsizetype* at = nullptr);

// Reports a broken property and aborts, so that libFuzzer keeps the input. The RTF is
// printed with every byte outside printable ASCII (NUL among them) as "\xNN", the detail
// (UTF-8) with its control characters so, line ends kept in both: the report shows the
// whole input even where it holds binary bytes.
[[noreturn]] void broken(const char* what, const QByteArray& rtf, const QString& detail);

// Reads the writer's RTF into `read` (set up as the editor sets one up), breaking the property
// when the reader refuses it, and returns what the writer writes of the document read.
QByteArray readAndWriteAgain(const QByteArray& written, QTextDocument& read);

// Makes sure a QGuiApplication exists, on the offscreen platform: documents need fonts.
void ensureGuiApplication();

}  // namespace quillmark::fuzz
