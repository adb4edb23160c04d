#pragma once
// Reading the document and writing what the program makes of it, each failure reported in
// one line on standard error. Standard library only.
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "quillmark/formats.h"

namespace quillmark::cli {

// One line on standard error: "quillmark-convert: cannot ACTION WHAT: REASON".
void reportFailure(std::string_view action, std::string_view what, std::string_view reason);
// How an input or output path is named in those lines: quoted, or "standard input".
std::string quotedName(std::string_view path);
std::string inputName(std::string_view path);

// The document's bytes, or nothing after reporting why they cannot be read.
std::optional<std::string> readBytes(const std::string &path);

// A document's bytes in memory the converter may change: a regular file mapped privately
// (changes never reach the file, and only the pages changed are copied), or what was read
// from a stream.
class InputBytes {
 public:
  explicit InputBytes(std::string bytes) : read_(std::move(bytes)) {}
  InputBytes(char *mapped, std::size_t size) : mapped_(mapped), mappedSize_(size) {}
  InputBytes(InputBytes &&other) noexcept;
  InputBytes &operator=(InputBytes &&) = delete;
  ~InputBytes();

  std::span<char> bytes() { return mapped_ ? std::span<char>(mapped_, mappedSize_) : read_; }
  // Gives the memory back; bytes() is empty afterwards.
  void release();

 private:
  std::string read_;
  char *mapped_ = nullptr;
  std::size_t mappedSize_ = 0;
};

// The document's bytes, mapped when it is a regular file, or nothing after reporting why
// they cannot be read.
std::optional<InputBytes> readInput(const std::string &path);

// What the program writes: UTF-8 for html (the engine's output, as it goes out), a post's
// 16-bit text for the other formats; with the loss report of the format.
struct Output {
  std::string utf8;
  std::u16string text;
  std::vector<std::u16string> parts;  // a post in parts (--split): these instead of text
  LossReport losses;
};

// Writes text to standard output, or the output as UTF-8 to the path: a regular file is
// replaced only once all is written, a device or pipe is written in place. False after
// reporting the failure.
bool writeStdout(std::string_view text);
bool writeOutput(const std::string &path, const Output &output);
// A post's parts: to standard output one after the other with a line between them that
// names the next ("=== 2/3 ==="), or each to a file of its own numbered before the
// extension (out.txt: out.1.txt, out.2.txt...). False after reporting a failure.
bool writeParts(const std::string &path, const std::vector<std::u16string> &parts);

}  // namespace quillmark::cli
