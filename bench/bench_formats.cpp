// quillmark-bench-formats: the post formats beside the engine, on the generated posts of 1 and
// 10 MB. `Engine` is what "Copy to Web" costs today (convert and the web rewrites, from the
// decoded RTF); `Post/<format>` is that plus convertPost in the format, so Post/html against
// Engine is the cost of the identity and Post/phpbb or Post/markdown against Engine that of
// the reader and an emitter. `Emit/<format>` and `Check/<format>` are convertPost and
// checkPost alone, on the fragment. `Split/<format>` cuts the post read back from its own
// markup into parts within the forum's limit as installed. Every benchmark counts the RTF
// document's bytes, so the speeds compare directly with each other and with quillmark-bench.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "post_generator.h"
#include "quillmark/convert.h"
#include "quillmark/formats.h"
#include "quillmark/post.h"
#include "quillmark/split.h"

namespace {

using namespace quillmark;

struct Document {
  std::size_t bytes = 0;
  std::u16string rtf;
  std::u16string web;
};

const Document& document(std::int64_t megabytes) {
  static std::map<std::int64_t, Document> documents;
  auto [it, added] = documents.try_emplace(megabytes);
  if (added) {
    const std::string bytes = bench::generatePost(static_cast<std::size_t>(megabytes) << 20, 1);
    it->second.bytes = bytes.size();
    it->second.rtf = decodeWindows1252(bytes);
    it->second.web = rewriteForWeb(Converter{}.convertRtfToHtml(it->second.rtf, kWebOptions));
  }
  return it->second;
}

void countBytes(benchmark::State& state, const Document& doc) {
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * doc.bytes));
}

std::u16string engine(const Document& doc) {
  return rewriteForWeb(Converter{}.convertRtfToHtml(doc.rtf, kWebOptions));
}

void Engine(benchmark::State& state) {
  const Document& doc = document(state.range(0));
  for (auto _ : state) {
    std::u16string web = engine(doc);
    benchmark::DoNotOptimize(web.data());
  }
  countBytes(state, doc);
}

void PostIn(benchmark::State& state, Format format) {
  const Document& doc = document(state.range(0));
  for (auto _ : state) {
    Post post = convertPost(engine(doc), format);
    benchmark::DoNotOptimize(post.text.data());
  }
  countBytes(state, doc);
}

void EmitIn(benchmark::State& state, Format format) {
  const Document& doc = document(state.range(0));
  for (auto _ : state) {
    Post post = convertPost(doc.web, format);
    benchmark::DoNotOptimize(post.text.data());
  }
  countBytes(state, doc);
}

void CheckIn(benchmark::State& state, Format format) {
  const Document& doc = document(state.range(0));
  const Post post = convertPost(doc.web, format);
  for (auto _ : state) {
    auto verdict = checkPost(doc.web, post.text, format);
    benchmark::DoNotOptimize(verdict);
  }
  countBytes(state, doc);
}

void SplitIn(benchmark::State& state, Format format) {
  const Document& doc = document(state.range(0));
  const post::Model model = readPost(convertPost(doc.web, format).text, format);
  const SplitOptions split{postLimit(format).characters, true};
  for (auto _ : state) {
    std::vector<Post> parts = splitPost(model, format, {}, split);
    benchmark::DoNotOptimize(parts.data());
  }
  countBytes(state, doc);
}

}  // namespace

BENCHMARK(Engine)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PostIn, html, Format::Html)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PostIn, phpbb, Format::Phpbb)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PostIn, markdown, Format::Markdown)
    ->Arg(1)
    ->Arg(10)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(EmitIn, phpbb, Format::Phpbb)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(EmitIn, smf, Format::Smf)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(EmitIn, markdown, Format::Markdown)
    ->Arg(1)
    ->Arg(10)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CheckIn, phpbb, Format::Phpbb)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CheckIn, markdown, Format::Markdown)->Arg(10)->Unit(benchmark::kMillisecond);

BENCHMARK_CAPTURE(SplitIn, xenforo, Format::Xenforo)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SplitIn, phpbb, Format::Phpbb)->Arg(1)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
