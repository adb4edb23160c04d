// Reading the document and writing the output: a regular file is mapped, a stream read to
// its end; a regular output file is replaced whole or not at all, a device or pipe written in
// place. Every failure is one line on standard error.
#include "Files.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <system_error>
#include <utility>

#if defined(__unix__)
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "Messages.h"
#include "Options.h"

namespace quillmark::cli {

namespace {

// Reads the stream to its end into bytes. sizeHint is what the stream is expected to hold:
// with the right hint a file is read by a single fread (the spare byte meets end-of-file).
// Returns false, with errno set, on a read error.
bool readAll(std::FILE *stream, std::size_t sizeHint, std::string &bytes) {
  bytes.resize(sizeHint + 1);
  std::size_t used = 0;
  for (;;) {
    used += std::fread(bytes.data() + used, 1, bytes.size() - used, stream);
    if (used < bytes.size()) break;  // end of stream, or an error
    bytes.resize(bytes.size() * 2);
  }
  bytes.resize(used);
  return std::ferror(stream) == 0;
}

#if defined(__unix__)
// A regular file is mapped privately: reading it would copy it into fresh memory, page by
// page, and fresh memory is what a large conversion spends most on. The converter's few
// changes (the tables cut out near the start) copy only the pages they touch. Nothing when
// the file is not a regular one (it is then read as a stream), or when it cannot be mapped.
std::optional<InputBytes> mapFile(const std::string &path) {
  const int fd = ::open(path.c_str(), O_RDONLY);
  if (fd < 0) return std::nullopt;
  std::optional<InputBytes> input;
  struct stat info {};
  if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
    const auto size = static_cast<std::size_t>(info.st_size);
    if (size == 0) {
      input.emplace(std::string());
    } else if (void *map = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE, fd, 0);
               map != MAP_FAILED) {
      ::madvise(map, size, MADV_SEQUENTIAL);
      input.emplace(static_cast<char *>(map), size);
    }
  }
  ::close(fd);
  return input;
}
#endif

// Writes all bytes and flushes them. Returns false, with errno set, when that fails.
bool writeAll(std::FILE *stream, std::string_view bytes) {
  return std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size() &&
         std::fflush(stream) == 0;
}

// Writes the HTML as UTF-8, encoded a slice at a time so that the encoded text never exists
// whole (fresh memory is what a large conversion spends most on). A surrogate pair is never
// split between slices.
bool writeAll(std::FILE *stream, std::u16string_view html) {
  constexpr std::size_t kSlice = 1 << 16;
  for (std::size_t begin = 0; begin < html.size();) {
    std::size_t end = std::min(html.size(), begin + kSlice);
    if (end < html.size() && html[end - 1] >= 0xD800 && html[end - 1] <= 0xDBFF) ++end;
    const std::string bytes = encodeUtf8(html.substr(begin, end - begin));
    if (std::fwrite(bytes.data(), 1, bytes.size(), stream) != bytes.size()) return false;
    begin = end;
  }
  return std::fflush(stream) == 0;
}

template <typename Text>
bool writeToStdout(Text text) {
  if (writeAll(stdout, text)) return true;
  reportFailure("write", translated(QT_TRANSLATE_NOOP("cli", "standard output")),
                std::strerror(errno));
  return false;
}

// A name for a new file in the same directory as path (so a rename can replace path).
std::string temporaryNameBeside(const std::string &path) {
  static std::mt19937 random{std::random_device{}()};
  return path + ".tmp" + std::to_string(random() % 1000000);
}

// Writes the bytes to a new file beside path and renames it over path, so that path holds
// either what it held before or all of the new bytes, never a part of them.
bool writeAll(std::FILE *stream, const Output &output) {
  return output.text.empty() ? writeAll(stream, std::string_view(output.utf8))
                             : writeAll(stream, std::u16string_view(output.text));
}

bool writeFileWhole(const std::string &path, const Output &html) {
  std::string temporary;
  std::FILE *file = nullptr;
  for (int attempt = 0; file == nullptr && attempt < 10; ++attempt) {
    temporary = temporaryNameBeside(path);
    file = std::fopen(temporary.c_str(), "wbx");  // "x": never reuse an existing file
    if (file == nullptr && errno != EEXIST) break;
  }
  if (file == nullptr) {
    reportFailure("write", quotedName(path), std::strerror(errno));
    return false;
  }
  bool ok = writeAll(file, html);
  int error = errno;
  if (std::fclose(file) != 0 && ok) {
    ok = false;
    error = errno;
  }
  std::string reason = std::strerror(error);
  if (ok) {
    std::error_code renameError;
    std::filesystem::rename(temporary, path, renameError);
    ok = !renameError;
    reason = renameError.message();
  }
  if (!ok) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    reportFailure("write", quotedName(path), reason);
  }
  return ok;
}

// Devices and pipes (such as /dev/null) are written in place: putting a regular file in
// their stead would break them for every other program.
bool writeInPlace(const std::string &path, const Output &html) {
  std::FILE *file = std::fopen(path.c_str(), "wb");
  bool ok = file != nullptr && writeAll(file, html);
  int error = errno;
  if (file != nullptr && std::fclose(file) != 0 && ok) {
    ok = false;
    error = errno;
  }
  if (!ok) reportFailure("write", quotedName(path), std::strerror(error));
  return ok;
}

}  // namespace

void reportFailure(std::string_view action, std::string_view what, std::string_view reason) {
  // One whole sentence per action, so that a language can put the words in its own order.
  constexpr std::pair<std::string_view, std::string_view> kSentences[] = {
      {"read", QT_TRANSLATE_NOOP("cli", "cannot read %1: %2")},
      {"write", QT_TRANSLATE_NOOP("cli", "cannot write %1: %2")},
      {"open", QT_TRANSLATE_NOOP("cli", "cannot open %1: %2")},
      {"run", QT_TRANSLATE_NOOP("cli", "cannot run %1: %2")},
  };
  std::string sentence = "cannot " + std::string(action) + " %1: %2";
  for (const auto &[verb, text] : kSentences)
    if (verb == action) sentence = translated(text);
  const std::string line = "quillmark-convert: " + withArgs(sentence, {what, reason}) + "\n";
  std::fwrite(line.data(), 1, line.size(), stderr);
}

std::string quotedName(std::string_view path) { return "'" + std::string(path) + "'"; }

std::string inputName(std::string_view path) {
  return path == kStdio ? std::string(translated(QT_TRANSLATE_NOOP("cli", "standard input")))
                        : quotedName(path);
}

std::optional<std::string> readBytes(const std::string &path) {
  constexpr std::size_t kPipeChunk = 1 << 16;
  std::string bytes;
  bool ok = false;
  if (path == kStdio) {
    ok = readAll(stdin, kPipeChunk, bytes);
  } else if (std::FILE *file = std::fopen(path.c_str(), "rb")) {
    // Without a size (a pipe, a device, a directory) the hint is only a first guess.
    std::error_code sizeError;
    const auto size = std::filesystem::file_size(path, sizeError);
    ok = readAll(file, sizeError ? kPipeChunk : static_cast<std::size_t>(size), bytes);
    const int readError = errno;
    std::fclose(file);
    errno = readError;
  }
  if (!ok) {
    reportFailure("read", inputName(path), std::strerror(errno));
    return std::nullopt;
  }
  return bytes;
}

InputBytes::InputBytes(InputBytes &&other) noexcept
    : read_(std::move(other.read_)),
      mapped_(std::exchange(other.mapped_, nullptr)),
      mappedSize_(std::exchange(other.mappedSize_, 0)) {}

InputBytes::~InputBytes() { release(); }

void InputBytes::release() {
#if defined(__unix__)
  if (mapped_ != nullptr) ::munmap(mapped_, mappedSize_);
#endif
  mapped_ = nullptr;
  mappedSize_ = 0;
  read_ = std::string();
}

std::optional<InputBytes> readInput(const std::string &path) {
#if defined(__unix__)
  if (path != kStdio) {
    if (auto mapped = mapFile(path)) return mapped;
  }
#endif
  std::optional<std::string> bytes = readBytes(path);
  if (!bytes) return std::nullopt;
  return InputBytes(std::move(*bytes));
}

bool writeStdout(std::string_view text) { return writeToStdout(text); }

bool writeOutput(const std::string &path, const Output &html) {
  if (path == kStdio) {
    if (writeAll(stdout, html)) return true;
    reportFailure("write", translated(QT_TRANSLATE_NOOP("cli", "standard output")),
                  std::strerror(errno));
    return false;
  }
  std::error_code error;
  const auto status = std::filesystem::status(path, error);  // of what a link names
  if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
    return writeInPlace(path, html);
  }
  // A link stays a link: the file it names is the one replaced.
  if (std::filesystem::is_symlink(std::filesystem::symlink_status(path, error))) {
    const std::filesystem::path target = std::filesystem::canonical(path, error);
    if (!error) return writeFileWhole(target.string(), html);
  }
  return writeFileWhole(path, html);
}

bool writeParts(const std::string &path, const std::vector<std::u16string> &parts) {
  const std::string count = std::to_string(parts.size());
  if (path == kStdio) {
    Output all;
    for (std::size_t i = 0; i < parts.size(); ++i) {
      if (i > 0) {
        const std::string line = "\n=== " + std::to_string(i + 1) + "/" + count + " ===\n";
        all.text.append(line.begin(), line.end());
      }
      all.text += parts[i];
    }
    return writeOutput(path, all);
  }
  const std::filesystem::path whole(path);
  for (std::size_t i = 0; i < parts.size(); ++i) {
    std::filesystem::path numbered = whole;
    numbered.replace_filename(whole.stem().string() + "." + std::to_string(i + 1) +
                              whole.extension().string());
    Output part;
    part.text = parts[i];
    if (!writeOutput(numbered.string(), part)) return false;
  }
  return true;
}

}  // namespace quillmark::cli
