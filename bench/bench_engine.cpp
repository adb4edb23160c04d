// quillmark-bench: in-process throughput of the conversion engine on generated posts of 1 and
// 10 MB (the argument of each benchmark), for the whole road of "Copy to Web" and for its
// stages. Every benchmark counts the bytes of the RTF document, so their speeds compare
// directly: a stage at twice the whole road's speed takes half its time.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <utility>

#include "Engine.h"
#include "post_generator.h"
#include "quillmark/convert.h"

namespace {

constexpr std::uint64_t kSeed = 1;

// A generated post and what each stage of the road makes of it, made once per size.
struct Document {
  std::string bytes;
  std::u16string rtf;  // decodeWindows1252(bytes), for the 16-bit interface
  std::string html;    // the converter's output, 8-bit
  std::u16string html16;
};

const Document& document(std::int64_t megabytes) {
  static std::map<std::int64_t, Document> documents;
  auto [it, added] = documents.try_emplace(megabytes);
  Document& doc = it->second;
  if (added) {
    doc.bytes = quillmark::bench::generatePost(static_cast<std::size_t>(megabytes) << 20, kSeed);
    doc.rtf = quillmark::decodeWindows1252(doc.bytes);
    std::string copy = doc.bytes;
    doc.html = quillmark::Converter{}.convertRtfToHtml8(copy, quillmark::kWebOptions);
    doc.html16 = quillmark::fromUtf8(doc.html);
  }
  return doc;
}

void countBytes(benchmark::State& state, const Document& doc) {
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * doc.bytes.size()));
}

// File bytes in, UTF-8 clipboard text out: what quillmark-convert does between its reads and
// writes. The converter changes the buffer it is given, so each run starts from a copy (a
// small part of the time; the program converts the file's mapped pages instead).
void WholeRoad(benchmark::State& state) {
  const Document& doc = document(state.range(0));
  for (auto _ : state) {
    std::string bytes = doc.bytes;
    std::string out = quillmark::rewriteForWeb(
        quillmark::Converter{}.convertRtfToHtml8(bytes, quillmark::kWebOptions));
    quillmark::pairSurrogates(out);
    benchmark::DoNotOptimize(out.data());
  }
  countBytes(state, doc);
}

// The same through the 16-bit interface, as the editor converts.
void WholeRoad16(benchmark::State& state) {
  const Document& doc = document(state.range(0));
  for (auto _ : state) {
    std::u16string html = quillmark::Converter{}.convertRtfToHtml(
        quillmark::decodeWindows1252(doc.bytes), quillmark::kWebOptions);
    std::string out = quillmark::encodeUtf8(quillmark::rewriteForWeb(std::move(html)));
    benchmark::DoNotOptimize(out.data());
  }
  countBytes(state, doc);
}

void Decode(benchmark::State& state) {
  const Document& doc = document(state.range(0));
  for (auto _ : state) {
    std::u16string rtf = quillmark::decodeWindows1252(doc.bytes);
    benchmark::DoNotOptimize(rtf.data());
  }
  countBytes(state, doc);
}

void Convert(benchmark::State& state) {
  const Document& doc = document(state.range(0));
  for (auto _ : state) {
    std::string bytes = doc.bytes;
    std::string html = quillmark::Converter{}.convertRtfToHtml8(bytes, quillmark::kWebOptions);
    benchmark::DoNotOptimize(html.data());
  }
  countBytes(state, doc);
}

// Cutting the text into lines and tokens, as the converter's main loop does (without the
// outer braces and the table groups it removes first, a few hundred bytes).
void Tokenize(benchmark::State& state) {
  const Document& doc = document(state.range(0));
  std::size_t tokens = 0;
  for (auto _ : state) {
    tokens = 0;
    quillmark::LineText line;
    for (std::string_view rest = doc.bytes; !rest.empty();) {
      line.assign(quillmark::nextLine(rest), true);
      while (!line.empty()) {
        benchmark::DoNotOptimize(quillmark::nextToken(line).data());
        ++tokens;
      }
    }
  }
  countBytes(state, doc);
  state.counters["tokens"] = static_cast<double>(tokens);
}

// Copies the converter's output first, as the rewrite takes its string by value; the copy is
// a small part of the time.
void RewriteForWeb(benchmark::State& state) {
  const Document& doc = document(state.range(0));
  for (auto _ : state) {
    std::string web = quillmark::rewriteForWeb(doc.html);
    benchmark::DoNotOptimize(web.data());
  }
  countBytes(state, doc);
}

void EncodeUtf8(benchmark::State& state) {
  const Document& doc = document(state.range(0));
  for (auto _ : state) {
    std::string out = quillmark::encodeUtf8(doc.html16);
    benchmark::DoNotOptimize(out.data());
  }
  countBytes(state, doc);
}

}  // namespace

BENCHMARK(WholeRoad)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(WholeRoad16)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(Decode)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(Convert)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(Tokenize)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(RewriteForWeb)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(EncodeUtf8)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
