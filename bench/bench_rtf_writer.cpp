// Writing a large formatted document as RTF: 20,000 paragraphs of mixed bold, italic, colour
// and size, with bullet and centred paragraphs among them.
#include <benchmark/benchmark.h>

#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <memory>

#include "richtext/DocumentModel.h"
#include "richtext/RtfWriter.h"

namespace {

using namespace Qt::StringLiterals;

constexpr int kWriterParagraphs = 20000;

std::unique_ptr<QTextDocument> makeFormattedDocument(int paragraphs) {
  auto document = std::make_unique<QTextDocument>();
  quillmark::richtext::setUpDocument(*document, 250);
  QTextCursor cursor(document.get());
  QTextCharFormat plain, bold, italic, red, big;
  bold.setFontWeight(QFont::Bold);
  italic.setFontItalic(true);
  red.setForeground(QColor(200, 0, 0));
  big.setFontPointSize(14);
  QTextBlockFormat left, centred;
  centred.setAlignment(Qt::AlignHCenter);
  QTextListFormat bullets;
  bullets.setStyle(QTextListFormat::ListDisc);
  bullets.setIndent(1);
  QTextList *list = nullptr;

  cursor.beginEditBlock();
  for (int i = 0; i < paragraphs; ++i) {
    if (i > 0) cursor.insertBlock(i % 10 == 5 ? centred : left, plain);
    if (i % 7 == 3) {
      if (list) {
        list->add(cursor.block());
      } else {
        list = cursor.createList(bullets);
      }
    } else {
      list = nullptr;
    }
    cursor.insertText(u"Paragraph "_s + QString::number(i) + u" with "_s, plain);
    cursor.insertText(u"bold"_s, bold);
    cursor.insertText(u", "_s, plain);
    cursor.insertText(u"italic caf\u00e9"_s, italic);
    cursor.insertText(u" and "_s, plain);
    cursor.insertText(u"red {text}"_s, i % 3 == 0 ? red : big);
    cursor.insertText(u"\tend."_s, plain);
  }
  cursor.endEditBlock();
  return document;
}

void BM_WriteRtfFormattedDocument(benchmark::State &state) {
  const auto document = makeFormattedDocument(kWriterParagraphs);
  qsizetype bytes = 0;
  for (auto _ : state) {
    const QByteArray rtf = quillmark::richtext::writeRtf(*document);
    bytes = rtf.size();
    benchmark::DoNotOptimize(rtf.constData());
  }
  state.SetBytesProcessed(state.iterations() * bytes);
  state.counters["paragraphs"] = kWriterParagraphs;
}

}  // namespace

BENCHMARK(BM_WriteRtfFormattedDocument)->Unit(benchmark::kMillisecond);
