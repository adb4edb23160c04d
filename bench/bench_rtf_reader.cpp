// Reading a large RTF file into a document: our own writer's output (short runs, a format
// change every few words, bullets and centred paragraphs), and a file in the style of a
// desktop word processor (a control word every few characters, runs in groups, skipped
// destinations). Both about 10 MB; the bytes read are counted, so speeds compare directly.
#include <benchmark/benchmark.h>

#include <QTextDocument>

#include "formatted_document.h"
#include "richtext/DocumentModel.h"
#include "richtext/RtfReader.h"
#include "richtext/RtfWriter.h"

namespace {

using namespace Qt::StringLiterals;

constexpr qsizetype kTargetBytes = 10 * 1024 * 1024;
constexpr int kBulletIndentTwips = 250;

// Paragraphs of mixed formatting, written by our writer: about 10 MB.
QByteArray ownDialectFile() {
  constexpr int kParagraphs = 70000;  // about 10 MB of RTF
  QTextDocument document;
  quillmark::bench::fillFormattedDocument(document, kParagraphs);
  return quillmark::richtext::writeRtf(document);
}

// Paragraphs as a desktop word processor writes them: every run in a group of its own with
// a string of control words, revision marks, a hidden bookmark and a field now and then.
QByteArray wordProcessorFile() {
  QByteArray rtf =
      "{\\rtf1\\ansi\\ansicpg1252\\uc1\\deff0{\\fonttbl{\\f0\\froman\\fcharset0 Times New "
      "Roman;}{\\f1\\fswiss\\fcharset0\\fprq2{\\*\\panose 020f0502020204030204}Calibri;}}\r\n"
      "{\\colortbl;\\red0\\green0\\blue0;\\red192\\green0\\blue0;}\r\n"
      "{\\*\\themedata " +
      QByteArray(20000, 'a') + "}\r\n";
  const QByteArray paragraph =
      "\\pard\\plain \\ltrpar\\ql \\li0\\ri0\\sa160\\sl259\\slmult1\\widctlpar\\wrapdefault"
      "\\aspalpha\\aspnum\\faauto\\adjustright\\rin0\\lin0\\itap0 \\rtlch\\fcs1 \\af31507"
      "\\afs22 \\ltrch\\fcs0 \\f1\\fs22\\lang1033 {\\rtlch\\fcs1 \\af31507 \\ltrch\\fcs0 "
      "\\insrsid2494285 The quick brown fox jumps over the lazy dog, }{\\rtlch\\fcs1 \\ab"
      "\\af31507 \\ltrch\\fcs0 \\b\\cf2\\insrsid2494285 caf\\'e9 \\u8364\\'80 bold}{\\rtlch"
      "\\fcs1 \\af31507 \\ltrch\\fcs0 \\insrsid2494285  then {\\*\\bkmkstart mark}{\\*\\bkmkend "
      "mark}{\\field{\\*\\fldinst HYPERLINK \"https://example.org/\"}{\\fldrslt a link}} and "
      "\\'93quotes\\'94.}{\\rtlch\\fcs1 \\af31507 \\ltrch\\fcs0 \\insrsid2494285 \r\n\\par }";
  while (rtf.size() < kTargetBytes) rtf += paragraph;
  rtf += "}\r\n";
  return rtf;
}

void readBenchmark(benchmark::State &state, const QByteArray &rtf) {
  for (auto _ : state) {
    QTextDocument document;
    quillmark::richtext::setUpDocument(document, kBulletIndentTwips);
    const bool ok = quillmark::richtext::readRtf(rtf, document);
    benchmark::DoNotOptimize(ok);
    benchmark::DoNotOptimize(document.characterCount());
  }
  state.SetBytesProcessed(state.iterations() * rtf.size());
  state.counters["MB"] = double(rtf.size()) / (1024 * 1024);
}

void BM_ReadRtfOwnDialect10MB(benchmark::State &state) {
  static const QByteArray rtf = ownDialectFile();
  readBenchmark(state, rtf);
}
BENCHMARK(BM_ReadRtfOwnDialect10MB)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ReadRtfWordProcessor10MB(benchmark::State &state) {
  static const QByteArray rtf = wordProcessorFile();
  readBenchmark(state, rtf);
}
BENCHMARK(BM_ReadRtfWordProcessor10MB)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
