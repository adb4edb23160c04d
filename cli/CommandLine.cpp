// The converter programs' common part. The options are one table: the parser, the usage text
// and the programs all read it, so an option is one row (and its field in Arguments).
#include "CommandLine.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <system_error>
#include <utility>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif
#if defined(__unix__)
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "quillmark/version.h"

namespace quillmark::cli {

namespace {

// A flag stands alone; a value option takes the next argument, or for a long name also
// "NAME=VALUE"; "--" ends the options.
enum class Takes { Nothing, Value, EndOfOptions };

struct Option {
  std::string_view name;
  Takes takes;
  std::string_view valueName;  // the value in the usage
  std::string_view help;       // the usage's lines for the option, '\n' between them
  // Takes the option into the arguments; returns what is wrong with the value, or "".
  std::string (*apply)(Arguments &, std::string_view value);
  bool needsEditor = false;  // offered only with --via-editor's program
};

// clang-format off
constexpr std::array kOptions{
//       name            takes                  value     help, apply
  Option{"--format",     Takes::Value,          "FORMAT",
         "write the post in FORMAT (default html), one of the formats below",
         [](Arguments &a, std::string_view v) {
           const std::optional<Format> format = formatByName(v);
           if (!format) {
             return "unknown format '" + std::string(v) + "'; the formats are " +
                    formatNameList();
           }
           a.format = *format;
           return std::string();
         }},
  Option{"--report",     Takes::Nothing,        {},
         "on standard error, one line per element the format cannot\n"
         "show, with how many were dropped (\"colour: 3 runs\")",
         [](Arguments &a, std::string_view) { a.report = true; return std::string(); }},
  Option{"--options",    Takes::Value,          "STRING",
         "the converter's option string (default \"+CR+A\"); its flags,\n"
         "which may be combined:\n"
         "  +CR     a CR-LF after every <br> and </li>\n"
         "  +A      hyperlink fields become links (<a href>)\n"
         "  +F=<n>  font size <n> is the page's base size and gets no attribute\n"
         "  -FF     drop font faces",
         [](Arguments &a, std::string_view v) {
           a.options = decodeWindows1252(v);
           return std::string();
         }},
  Option{"--raw",        Takes::Nothing,        {},
         "the converter's output as is, without the \"Copy to Web\" rewrites\n"
         "(html only)",
         [](Arguments &a, std::string_view) { a.raw = true; return std::string(); }},
  Option{"--via-editor", Takes::Nothing,        {},
         "open FILE in the editor first, and convert what the editor\n"
         "writes of it (reads RTF of any word processor)",
         [](Arguments &a, std::string_view) { a.viaEditor = true; return std::string(); },
         true},
  Option{"-o",           Takes::Value,          "FILE",
         "write to FILE instead; it is replaced only once all is written",
         [](Arguments &a, std::string_view v) { a.output = v; return std::string(); }},
  Option{"--help",       Takes::Nothing,        {},
         "show this help and exit",
         [](Arguments &a, std::string_view) { a.help = true; return std::string(); }},
  Option{"--version",    Takes::Nothing,        {},
         "show the version and exit",
         [](Arguments &a, std::string_view) { a.version = true; return std::string(); }},
  Option{"--",           Takes::EndOfOptions,   {},
         "end of options: what follows is FILE, even if it starts with \"-\"",
         nullptr},
};
// clang-format on

constexpr std::string_view kUsageHead = R"(Usage: quillmark-convert [OPTIONS] [FILE]

Converts an RTF document to the compact forum HTML that "Copy to Web" puts on the
clipboard. Reads FILE (Windows-1252 bytes), or standard input when FILE is absent or "-",
and writes UTF-8 to standard output.

Options:
)";
constexpr std::string_view kUsageTail = R"(
Exit status: 0 on success, 1 when the input cannot be read or the output cannot be
written, 2 for a bad command line.
)";
constexpr std::size_t kHelpColumn = 20;  // where an option's help starts in the usage

bool offered(const Option &option, ViaEditor viaEditor) {
  return !option.needsEditor || viaEditor == ViaEditor::Offered;
}

// The option an argument names and the value it carries in itself ("--options=-FF"), or
// nullptr when it names none.
const Option *findOption(std::string_view arg, ViaEditor viaEditor,
                         std::optional<std::string_view> &joinedValue) {
  for (const Option &option : kOptions) {
    if (!offered(option, viaEditor)) continue;
    if (arg == option.name) return &option;
    if (option.takes == Takes::Value && option.name.starts_with("--") &&
        arg.starts_with(option.name) && arg.substr(option.name.size()).starts_with('=')) {
      joinedValue = arg.substr(option.name.size() + 1);
      return &option;
    }
  }
  return nullptr;
}

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
  reportFailure("write", "standard output", std::strerror(errno));
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

std::optional<Arguments> parseArguments(std::span<char *const> args, ViaEditor viaEditor,
                                        std::string *problem) {
  Arguments parsed;
  bool haveInput = false;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    const bool isOption = !optionsEnded && arg.size() > 1 && arg.front() == '-';
    if (!isOption) {
      if (haveInput) return std::nullopt;
      parsed.input = arg;
      haveInput = true;
      continue;
    }
    std::optional<std::string_view> value;
    const Option *option = findOption(arg, viaEditor, value);
    if (option == nullptr) return std::nullopt;
    switch (option->takes) {
      case Takes::EndOfOptions:
        optionsEnded = true;
        break;
      case Takes::Value:
        // The value is taken as it is, even when it starts with '-' ("--options -FF").
        if (!value) {
          if (i + 1 == args.size()) return std::nullopt;
          value = args[++i];
        }
        if (std::string fault = option->apply(parsed, *value); !fault.empty()) {
          if (problem != nullptr) *problem = std::move(fault);
          return std::nullopt;
        }
        break;
      case Takes::Nothing:
        option->apply(parsed, {});
        break;
    }
  }
  // The raw output is the engine's HTML before the rewrites; the other formats are made
  // from the rewritten fragment only.
  if (parsed.raw && parsed.format != Format::Html) {
    if (problem != nullptr) *problem = "--raw gives HTML only; it takes no other --format";
    return std::nullopt;
  }
  return parsed;
}

std::string usage(ViaEditor viaEditor) {
  std::string text(kUsageHead);
  for (const Option &option : kOptions) {
    if (!offered(option, viaEditor)) continue;
    std::string line = "  " + std::string(option.name);
    if (!option.valueName.empty()) line += " " + std::string(option.valueName);
    line.resize(std::max(kHelpColumn, line.size() + 2), ' ');
    std::string_view help = option.help;
    for (std::size_t end; (end = help.find('\n')) != std::string_view::npos;) {
      text += line;
      text += help.substr(0, end + 1);
      help.remove_prefix(end + 1);
      line.assign(kHelpColumn, ' ');
    }
    text += line;
    text += help;
    text += '\n';
  }
  text += "\nFormats:\n";
  for (const FormatInfo &info : allFormats()) {
    std::string line = "  " + std::string(info.name);
    line.resize(std::max(kHelpColumn, line.size() + 2), ' ');
    text += line + std::string(info.displayName) + "\n";
  }
  text += kUsageTail;
  return text;
}

void reportFailure(std::string_view action, std::string_view what, std::string_view reason) {
  std::fprintf(stderr, "quillmark-convert: cannot %.*s %.*s: %.*s\n",
               static_cast<int>(action.size()), action.data(), static_cast<int>(what.size()),
               what.data(), static_cast<int>(reason.size()), reason.data());
}

std::string quotedName(std::string_view path) { return "'" + std::string(path) + "'"; }

std::string inputName(std::string_view path) {
  return path == kStdio ? std::string("standard input") : quotedName(path);
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

std::string convert(std::span<char> rtf, std::u16string_view options, bool raw) {
  std::string html = Converter{}.convertRtfToHtml8(rtf, options);
  if (!raw) html = rewriteForWeb(std::move(html));
  return html;
}

Output convert(InputBytes rtf, const Arguments &args) {
  Output output;
  output.utf8 = convert(rtf.bytes(), args.options, args.raw);
  rtf.release();
  if (args.format == Format::Html) {
    pairSurrogates(output.utf8);
    return output;
  }
  // The formats read 16-bit text; surrogates are paired only as the post is written, so a
  // pair that the post's markup no longer separates becomes one character.
  Post post = convertPost(fromUtf8(std::exchange(output.utf8, {})), args.format);
  output.text = std::move(post.text);
  output.losses = std::move(post.losses);
  return output;
}

bool writeStdout(std::string_view text) { return writeToStdout(text); }

bool writeOutput(const std::string &path, const Output &html) {
  if (path == kStdio) {
    if (writeAll(stdout, html)) return true;
    reportFailure("write", "standard output", std::strerror(errno));
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

int run(int argc, char **argv, ReadViaEditor readViaEditor) {
#ifdef _WIN32
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  const ViaEditor viaEditor = readViaEditor ? ViaEditor::Offered : ViaEditor::NotOffered;
  std::string problem;
  const std::optional<Arguments> args =
      parseArguments({argv + 1, argv + argc}, viaEditor, &problem);
  if (!args) {
    std::string text = usage(viaEditor);
    if (!problem.empty()) text = "quillmark-convert: " + problem + "\n\n" + text;
    std::fwrite(text.data(), 1, text.size(), stderr);
    return kBadUsage;
  }
  if (args->help) {
    return writeStdout(usage(viaEditor)) ? kSuccess : kIoFailure;
  }
  if (args->version) {
    const std::string line = "quillmark-convert " + std::string(kVersion) + "\n";
    return writeStdout(line) ? kSuccess : kIoFailure;
  }
  std::optional<InputBytes> rtf = [&]() -> std::optional<InputBytes> {
    if (!args->viaEditor) return readInput(args->input);
    std::optional<std::string> written = readViaEditor(args->input, argv);
    if (!written) return std::nullopt;
    return InputBytes(std::move(*written));
  }();
  if (!rtf) return kIoFailure;
  if (!args->viaEditor && viaEditor == ViaEditor::Offered) {
    const std::span<char> bytes = rtf->bytes();
    if (const std::string notice = foreignRtfNotice(std::string_view(bytes.data(), bytes.size()));
        !notice.empty()) {
      const std::string line = "quillmark-convert: " + notice + "\n";
      std::fwrite(line.data(), 1, line.size(), stderr);
    }
  }
  // The input is freed before the output is written.
  const Output output = convert(std::move(*rtf), *args);
  if (args->report) {
    const std::string lines = formatLosses(output.losses);
    std::fwrite(lines.data(), 1, lines.size(), stderr);
  }
  return writeOutput(args->output, output) ? kSuccess : kIoFailure;
}

}  // namespace quillmark::cli
