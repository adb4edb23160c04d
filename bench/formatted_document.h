#pragma once
// A large document of mixed formatting for the document benchmarks: bold, italic, colour and
// size changes every few words, a centred paragraph in ten and runs of bullets.
class QTextDocument;

namespace quillmark::bench {

void fillFormattedDocument(QTextDocument &document, int paragraphs);

}  // namespace quillmark::bench
