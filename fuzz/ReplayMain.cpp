// The main of a fuzz target built without a fuzzing engine: runs the target once on every
// file named on the command line or found under a directory named there, so the corpus and
// the regression inputs replay as an ordinary test. Files ending in ".md" are notes, not
// inputs. Any broken property aborts, as it would under the fuzzer.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> inputsUnder(const fs::path& root) {
  std::vector<fs::path> files;
  if (fs::is_directory(root)) {
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
      if (entry.is_regular_file()) files.push_back(entry.path());
    }
  } else {
    files.push_back(root);
  }
  std::erase_if(files, [](const fs::path& p) { return p.extension() == ".md"; });
  std::sort(files.begin(), files.end());
  return files;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "Usage: %s FILE_OR_DIRECTORY...\n", argv[0]);
    return 2;
  }
  std::size_t count = 0;
  for (int a = 1; a < argc; ++a) {
    if (!fs::exists(argv[a])) {
      std::fprintf(stderr, "%s: no such file or directory\n", argv[a]);
      return 1;
    }
    for (const fs::path& file : inputsUnder(argv[a])) {
      std::ifstream in(file, std::ios::binary);
      const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
      if (!in.good() && !in.eof()) {
        std::fprintf(stderr, "%s: cannot read\n", file.c_str());
        return 1;
      }
      // Named first, so that the input behind a failure is the last one printed.
      std::fprintf(stderr, "%s\n", file.c_str());
      LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
      ++count;
    }
  }
  std::printf("replayed %zu inputs\n", count);
  return 0;
}
