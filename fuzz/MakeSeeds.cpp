// Writes the raw seed inputs of four fuzz targets from the conversion cases and the sample
// document, in each target's input format (FuzzInput.h; for post_reader a format's byte and
// the document's post in that format). fuzz/seed.sh runs it and
// keeps, through libFuzzer's merge, the seeds that add coverage.
//
//   fuzz_make_seeds CASES_DIR SAMPLE_RTF OUT_DIR
//
// writes OUT_DIR/convert/, OUT_DIR/carry_over/, OUT_DIR/tokenizer/ and OUT_DIR/post_reader/.
// A case whose input or options Windows-1252 cannot write is left out, and so is a post.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "CaseFile.h"
#include "FuzzInput.h"
#include "quillmark/convert.h"
#include "quillmark/formats.h"

namespace {

namespace fs = std::filesystem;
using namespace quillmark::fuzz;

struct Seed {
  std::string header;    // the option header
  std::string document;  // Windows-1252 bytes
};

void write(const fs::path& dir, std::size_t& count, const std::string& bytes) {
  std::ofstream(dir / std::to_string(count++), std::ios::binary) << bytes;
}

}  // namespace

int main(int argc, char** argv) try {
  if (argc != 4) {
    std::fprintf(stderr, "Usage: %s CASES_DIR SAMPLE_RTF OUT_DIR\n", argv[0]);
    return 2;
  }
  std::vector<Seed> seeds;
  for (const auto& c : quillmark::testing::readCaseFiles(argv[1])) {
    const std::optional<std::string> header = optionHeader(c.options);
    const std::optional<std::string> document = encodeWindows1252(c.input);
    if (header && document) seeds.push_back({*header, *document});
  }
  std::ifstream sample(argv[2], std::ios::binary);
  seeds.push_back({*optionHeader(u"+CR"), std::string(std::istreambuf_iterator<char>(sample), {})});

  const fs::path out = argv[3];
  for (const char* target : {"convert", "carry_over", "tokenizer", "post_reader"}) {
    fs::create_directories(out / target);
  }
  std::size_t count = 0;
  for (std::size_t i = 0; i < seeds.size(); ++i) {
    const Seed& seed = seeds[i];
    // Each document after the one before it, so tables and skips carry from one to the next;
    // the sample document, last, comes after the first case.
    const Seed& before = seeds[i == 0 ? seeds.size() - 1 : i - 1];
    write(out / "convert", count, seed.header + seed.document);
    write(out / "tokenizer", count, seed.document);
    write(out / "carry_over", count,
          before.header + seed.header + before.document + static_cast<char>(kDocumentSeparator) +
              seed.document);
    // The document's post in each format fuzz_post_reader reads, its byte first (the order of
    // its table: the BBCode dialects, then Markdown).
    const std::u16string web = quillmark::rewriteForWeb(quillmark::Converter{}.convertRtfToHtml(
        quillmark::decodeWindows1252(seed.document), quillmark::kWebOptions));
    char byte = 0;
    for (const quillmark::FormatInfo& f : quillmark::allFormats()) {
      if (f.format == quillmark::Format::Html) continue;
      const std::optional<std::string> post =
          encodeWindows1252(quillmark::convertPost(web, f.format).text);
      if (post) write(out / "post_reader", count, byte + *post);
      ++byte;
    }
  }
  std::printf("%zu seeds for each target\n", seeds.size());
  return 0;
} catch (const std::exception& e) {
  std::fprintf(stderr, "%s\n", e.what());
  return 1;
}
