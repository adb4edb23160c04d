// The preview's refresh: a generated post read into a document, then what one refresh does
// with it, for a post of normal size (on the window's thread, goal under 50 ms) and a 10 MB
// one (on a worker): the RTF snapshot, the conversion, and the two views built. What a large
// refresh leaves on the window's thread (the snapshot, the dock taking the views) is
// measured alone too.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <map>
#include <memory>

#include "post_generator.h"
#include "preview/PreviewContent.h"
#include "preview/PreviewPanel.h"
#include "richtext/RtfReader.h"
#include "richtext/RtfWriter.h"
#include "web/Profiles.h"

namespace {

using namespace Qt::StringLiterals;
using quillmark::Format;

constexpr std::size_t kNormalPost = 100 * 1024;
constexpr std::size_t kLargePost = 10 * 1024 * 1024;

// The generated post as the window holds it after opening it.
QTextDocument &document(std::size_t size) {
  static std::map<std::size_t, std::unique_ptr<QTextDocument>> documents;
  auto &doc = documents[size];
  if (!doc) {
    doc = std::make_unique<QTextDocument>();
    const std::string rtf = quillmark::bench::generatePost(size, 12);
    quillmark::richtext::readRtf(QByteArrayView(rtf.data(), qsizetype(rtf.size())), *doc);
  }
  return *doc;
}

quillmark::web::Profile profile(Format format) {
  quillmark::web::Profile p;
  p.name = u"Bench"_s;
  p.format = format;
  p.limit = quillmark::web::kBuiltInLimit;
  return p;
}

void BM_PreviewRefresh(benchmark::State &state) {
  const auto size = std::size_t(state.range(0));
  const auto format = Format(state.range(1));
  QTextDocument &doc = document(size);
  const quillmark::preview::MarkupStyle style{QFontDatabase::systemFont(QFontDatabase::FixedFont),
                                              QColor(0x808080)};
  qsizetype rtfBytes = 0;
  for (auto _ : state) {
    const QByteArray rtf =
        quillmark::richtext::writeRtf(doc, 0, -1, quillmark::richtext::RtfTarget::Engine);
    rtfBytes = rtf.size();
    quillmark::preview::PreviewContent content =
        quillmark::preview::buildPreview(rtf, profile(format), style, true);
    benchmark::DoNotOptimize(content.rendered.get());
  }
  state.SetBytesProcessed(state.iterations() * rtfBytes);
  state.counters["rtf_KB"] = double(rtfBytes) / 1024;
}

// What a refresh leaves on the window's thread once its views are built: the dock takes the
// documents and lays out what it shows.
void BM_PreviewShow(benchmark::State &state) {
  const auto size = std::size_t(state.range(0));
  QTextDocument &doc = document(size);
  quillmark::preview::PreviewPanel panel;
  panel.resize(420, 640);
  panel.show();
  const quillmark::preview::MarkupStyle style{panel.markupView().font(), QColor(0x808080)};
  const QByteArray rtf =
      quillmark::richtext::writeRtf(doc, 0, -1, quillmark::richtext::RtfTarget::Engine);
  for (auto _ : state) {
    state.PauseTiming();
    quillmark::preview::PreviewContent content =
        quillmark::preview::buildPreview(rtf, profile(Format::Phpbb), style, true);
    if (state.range(1) == 1) content.markup.reset();
    if (state.range(1) == 2) content.rendered.reset();
    state.ResumeTiming();
    panel.showContent(content);
    QCoreApplication::processEvents();
  }
}

void BM_PreviewSnapshot(benchmark::State &state) {
  QTextDocument &doc = document(std::size_t(state.range(0)));
  for (auto _ : state)
    benchmark::DoNotOptimize(
        quillmark::richtext::writeRtf(doc, 0, -1, quillmark::richtext::RtfTarget::Engine).size());
}

}  // namespace

BENCHMARK(BM_PreviewRefresh)
    ->ArgNames({"bytes", "format"})
    ->Args({kNormalPost, int(Format::Html)})
    ->Args({kNormalPost, int(Format::Phpbb)})
    ->Args({kNormalPost, int(Format::Markdown)})
    ->Args({kLargePost, int(Format::Html)})
    ->Args({kLargePost, int(Format::Phpbb)})
    ->Unit(benchmark::kMillisecond);
// views: 0 both, 1 the rendered post alone, 2 the markup alone.
BENCHMARK(BM_PreviewShow)
    ->ArgNames({"bytes", "views"})
    ->Args({kNormalPost, 0})
    ->Args({kNormalPost, 1})
    ->Args({kNormalPost, 2})
    ->Args({kLargePost, 0})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PreviewSnapshot)->Arg(kNormalPost)->Arg(kLargePost)->Unit(benchmark::kMillisecond);
