// quillmark-generate-post: writes a synthetic forum post of a given size to standard output,
// for the benchmarks and for trying the converter on large documents.
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "post_generator.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

constexpr char kUsage[] =
    "Usage: quillmark-generate-post SIZE_BYTES [SEED] > post.rtf\n"
    "Writes an RTF forum post of exactly SIZE_BYTES bytes (at least %zu); the same size and\n"
    "seed (default 1) always give the same post.\n";

// A whole decimal number, or nothing.
bool parseNumber(const char* text, std::uint64_t& value) {
  char* end = nullptr;
  errno = 0;
  value = std::strtoull(text, &end, 10);
  return end != text && *end == '\0' && errno == 0 && text[0] != '-';
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  std::uint64_t size = 0;
  std::uint64_t seed = 1;
  if (argc < 2 || argc > 3 || !parseNumber(argv[1], size) ||
      (argc == 3 && !parseNumber(argv[2], seed))) {
    std::fprintf(stderr, kUsage, quillmark::bench::kMinPostSize);
    return 2;
  }
  const std::string post = quillmark::bench::generatePost(size, seed);
  if (std::fwrite(post.data(), 1, post.size(), stdout) != post.size() || std::fflush(stdout) != 0) {
    std::perror("quillmark-generate-post: cannot write standard output");
    return 1;
  }
  return 0;
}
