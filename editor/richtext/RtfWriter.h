#pragma once
// Writes a document, or a range of it, as a complete RTF document in the dialect the
// converter reads: 7-bit text, CR-LF after the table groups and after each "\par", control
// words only where the formatting changes. Content the dialect cannot hold is reduced to it
// without losing text: a table becomes a fixed-columns block (FixedColumns.h), numbered list
// items start with their number as text, other bullet styles become bullets; images are
// dropped. A link is a hyperlink field, "{\field{\*\fldinst HYPERLINK "ADDRESS"}{\fldrslt
// TEXT}}", the run's formatting inside the result.
#include <QByteArray>
#include <QTextBlock>
#include <cstdint>

class QTextDocument;

namespace quillmark::richtext {

// The characters from position `from` up to `to` (-1: the end of the document), positions
// counted as QTextCursor counts them.
// Whom the RTF is for.
enum class RtfTarget : std::uint8_t {
  // A file, the clipboard, a paste: every structure the document holds, in standard RTF
  // other word processors read.
  File,
  // The engine that makes a post's HTML: its dialect alone.
  Engine,
};

// The number a numbered list item shows, with its dot ("3.", "c.", "iv."), its list's start
// counted in; empty for any other paragraph. Qt's own item text knows no start but 1.
QString listItemLabel(const QTextBlock &block);

QByteArray writeRtf(const QTextDocument &document, int from = 0, int to = -1,
                    RtfTarget target = RtfTarget::File);

}  // namespace quillmark::richtext
