#pragma once
// A whole file read in one call, for the tests that build without Qt.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace quillmark::testing {

// The file's bytes, or nothing when it cannot be read.
inline std::string readFile(const std::filesystem::path &path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace quillmark::testing
