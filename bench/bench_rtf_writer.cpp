// Writing a large formatted document as RTF: 20,000 paragraphs of mixed bold, italic, colour
// and size, with bullet and centred paragraphs among them.
#include <benchmark/benchmark.h>

#include <QTextDocument>

#include "formatted_document.h"
#include "richtext/RtfWriter.h"

namespace {

constexpr int kWriterParagraphs = 20000;

void BM_WriteRtfFormattedDocument(benchmark::State &state) {
  QTextDocument document;
  quillmark::bench::fillFormattedDocument(document, kWriterParagraphs);
  qsizetype bytes = 0;
  for (auto _ : state) {
    const QByteArray rtf = quillmark::richtext::writeRtf(document);
    bytes = rtf.size();
    benchmark::DoNotOptimize(rtf.constData());
  }
  state.SetBytesProcessed(state.iterations() * bytes);
  state.counters["paragraphs"] = kWriterParagraphs;
}

}  // namespace

BENCHMARK(BM_WriteRtfFormattedDocument)->Unit(benchmark::kMillisecond);
