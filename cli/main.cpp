// quillmark-convert: the conversion engine on the command line. Reads an RTF document and
// writes the text "Copy to Web" would put on the clipboard. Only the command line and the
// file handling live here; every decision about the HTML is the engine's.
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <random>
#include <span>
#include <string>
#include <string_view>
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

#include "quillmark/convert.h"
#include "quillmark/version.h"

#ifdef QUILLMARK_CONVERT_VIA_EDITOR
#include <QByteArrayView>
#include <QGuiApplication>
#include <QString>
#include <QTextDocument>

#include "richtext/DocumentModel.h"
#include "richtext/RtfReader.h"
#include "richtext/RtfWriter.h"
#endif

namespace {

#if defined(QUILLMARK_CONVERT_VIA_EDITOR) || defined(QUILLMARK_VIA_EDITOR_PROGRAM)
#define QUILLMARK_VIA_EDITOR_HELP                                                    \
  "  --via-editor      open FILE in the editor first, and convert what the editor\n" \
  "                    writes of it (reads RTF of any word processor)\n"
#else
#define QUILLMARK_VIA_EDITOR_HELP ""
#endif

constexpr std::string_view kUsage =
    R"(Usage: quillmark-convert [OPTIONS] [FILE]

Converts an RTF document to the compact forum HTML that "Copy to Web" puts on the
clipboard. Reads FILE (Windows-1252 bytes), or standard input when FILE is absent or "-",
and writes UTF-8 to standard output.

Options:
  --options STRING  the converter's option string (default "+CR"); flags may be combined:
                      +CR     a CR-LF after every <br> and </li>
                      +F=<n>  font size <n> is the page's base size and gets no attribute
                      -FF     drop font faces
  --raw             the converter's output as is, without the "Copy to Web" rewrites
)" QUILLMARK_VIA_EDITOR_HELP
    R"(  -o FILE           write to FILE instead; it is replaced only once all is written
  --help            show this help and exit
  --version         show the version and exit
  --                end of options: what follows is FILE, even if it starts with "-"

Exit status: 0 on success, 1 when the input cannot be read or the output cannot be
written, 2 for a bad command line.
)";

enum ExitStatus : int { kSuccess = 0, kIoFailure = 1, kBadUsage = 2 };

constexpr std::string_view kStdio = "-";

struct Arguments {
  std::string input{kStdio};
  std::string output{kStdio};
  std::u16string options{quillmark::kWebOptions};
  bool raw = false;
  bool viaEditor = false;
  bool help = false;
  bool version = false;
};

// Returns nothing when the command line is bad: an unknown option, an option without its
// argument, or more than one input file. After "--" every argument is a file name.
std::optional<Arguments> parseArguments(std::span<char* const> args) {
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
    } else if (arg == "--") {
      optionsEnded = true;
    } else if (arg == "--help") {
      parsed.help = true;
    } else if (arg == "--version") {
      parsed.version = true;
    } else if (arg == "--raw") {
      parsed.raw = true;
#if defined(QUILLMARK_CONVERT_VIA_EDITOR) || defined(QUILLMARK_VIA_EDITOR_PROGRAM)
    } else if (arg == "--via-editor") {
      parsed.viaEditor = true;
#endif
    } else if (arg.starts_with("--options=")) {
      parsed.options = quillmark::decodeWindows1252(arg.substr(arg.find('=') + 1));
    } else if (arg == "--options" || arg == "-o") {
      // The value is taken as it is, even when it starts with '-' ("--options -FF").
      if (i + 1 == args.size()) return std::nullopt;
      const std::string_view value = args[++i];
      if (arg == "-o") {
        parsed.output = value;
      } else {
        parsed.options = quillmark::decodeWindows1252(value);
      }
    } else {
      return std::nullopt;
    }
  }
  return parsed;
}

std::string quotedName(std::string_view path) { return "'" + std::string(path) + "'"; }

// One line on standard error: what could not be done, to what, and why.
void reportFailure(std::string_view action, std::string_view what, std::string_view reason) {
  std::fprintf(stderr, "quillmark-convert: cannot %.*s %.*s: %.*s\n",
               static_cast<int>(action.size()), action.data(), static_cast<int>(what.size()),
               what.data(), static_cast<int>(reason.size()), reason.data());
}

// Reads the stream to its end into bytes. sizeHint is what the stream is expected to hold:
// with the right hint a file is read by a single fread (the spare byte meets end-of-file).
// Returns false, with errno set, on a read error.
bool readAll(std::FILE* stream, std::size_t sizeHint, std::string& bytes) {
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
// A regular file is mapped and decoded straight from the system's cache: reading it first
// would copy it into fresh memory, page by page. Nothing when the file is not a regular
// one (it is then read as a stream), or when it cannot be mapped.
std::optional<std::u16string> decodeMapped(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY);
  if (fd < 0) return std::nullopt;
  std::optional<std::u16string> text;
  struct stat info {};
  if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
    const auto size = static_cast<std::size_t>(info.st_size);
    if (size == 0) {
      text.emplace();
    } else if (void* map = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
               map != MAP_FAILED) {
      ::madvise(map, size, MADV_SEQUENTIAL);
      text = quillmark::decodeWindows1252({static_cast<const char*>(map), size});
      ::munmap(map, size);
    }
  }
  ::close(fd);
  return text;
}
#endif

// The document's bytes, or nothing after reporting why they cannot be read.
std::optional<std::string> readBytes(const std::string& path) {
  constexpr std::size_t kPipeChunk = 1 << 16;
  std::string bytes;
  bool ok = false;
  if (path == kStdio) {
    ok = readAll(stdin, kPipeChunk, bytes);
  } else if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
    // Without a size (a pipe, a device, a directory) the hint is only a first guess.
    std::error_code sizeError;
    const auto size = std::filesystem::file_size(path, sizeError);
    ok = readAll(file, sizeError ? kPipeChunk : static_cast<std::size_t>(size), bytes);
    const int readError = errno;
    std::fclose(file);
    errno = readError;
  }
  if (!ok) {
    reportFailure("read", path == kStdio ? std::string("standard input") : quotedName(path),
                  std::strerror(errno));
    return std::nullopt;
  }
  return bytes;
}

// The document as 16-bit text, or nothing after reporting why it cannot be read.
std::optional<std::u16string> readRtf(const std::string& path) {
#if defined(__unix__)
  if (path != kStdio) {
    if (auto text = decodeMapped(path)) return text;
  }
#endif
  const std::optional<std::string> bytes = readBytes(path);
  if (!bytes) return std::nullopt;
  return quillmark::decodeWindows1252(*bytes);
}

// Writes all bytes and flushes them. Returns false, with errno set, when that fails.
bool writeAll(std::FILE* stream, std::string_view bytes) {
  return std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size() &&
         std::fflush(stream) == 0;
}

// Writes the HTML as UTF-8, encoded a slice at a time so that the encoded text never exists
// whole (fresh memory is what a large conversion spends most on). A surrogate pair is never
// split between slices.
bool writeAll(std::FILE* stream, std::u16string_view html) {
  constexpr std::size_t kSlice = 1 << 16;
  for (std::size_t begin = 0; begin < html.size();) {
    std::size_t end = std::min(html.size(), begin + kSlice);
    if (end < html.size() && html[end - 1] >= 0xD800 && html[end - 1] <= 0xDBFF) ++end;
    const std::string bytes = quillmark::encodeUtf8(html.substr(begin, end - begin));
    if (std::fwrite(bytes.data(), 1, bytes.size(), stream) != bytes.size()) return false;
    begin = end;
  }
  return std::fflush(stream) == 0;
}

// A name for a new file in the same directory as path (so a rename can replace path).
std::string temporaryNameBeside(const std::string& path) {
  static std::mt19937 random{std::random_device{}()};
  return path + ".tmp" + std::to_string(random() % 1000000);
}

// Writes the bytes to a new file beside path and renames it over path, so that path holds
// either what it held before or all of the new bytes, never a part of them.
bool writeFileWhole(const std::string& path, std::u16string_view html) {
  std::string temporary;
  std::FILE* file = nullptr;
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

template <typename Text>
bool writeStdout(Text text) {
  if (writeAll(stdout, text)) return true;
  reportFailure("write", "standard output", std::strerror(errno));
  return false;
}

// Devices and pipes (such as /dev/null) are written in place: putting a regular file in
// their stead would break them for every other program.
bool writeInPlace(const std::string& path, std::u16string_view html) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  bool ok = file != nullptr && writeAll(file, html);
  int error = errno;
  if (file != nullptr && std::fclose(file) != 0 && ok) {
    ok = false;
    error = errno;
  }
  if (!ok) reportFailure("write", quotedName(path), std::strerror(error));
  return ok;
}

bool writeOutput(const std::string& path, std::u16string_view html) {
  if (path == kStdio) return writeStdout(html);
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

// The clipboard text of "Copy to Web" for this document; with raw, the converter's output
// before the rewrites.
std::u16string convert(std::u16string rtf, std::u16string_view options, bool raw) {
  std::u16string html = quillmark::Converter{}.convertRtfToHtml(std::move(rtf), options);
  if (!raw) html = quillmark::rewriteForWeb(std::move(html));
  return html;
}

#ifdef QUILLMARK_CONVERT_VIA_EDITOR
// The document as the editor would hand it to "Copy to Web" after opening it: read into a
// document set up as the editor sets one up, then written as the editor's RTF. Nothing,
// after reporting why, when the file cannot be read or is not RTF.
std::optional<std::u16string> readRtfViaEditor(const std::string& path) {
  constexpr int kBulletIndentTwips = 250;  // the editor's bullet indent
  const std::optional<std::string> bytes = readBytes(path);
  if (!bytes) return std::nullopt;
  // Fonts and text layout need a GUI application; no window is ever shown. Qt's own notes
  // about the environment would break the one-line error contract of standard error.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  int argc = 1;
  char name[] = "quillmark-convert";
  char* argv[] = {name, nullptr};
  const QGuiApplication application(argc, argv);
  QTextDocument document;
  quillmark::richtext::setUpDocument(document, kBulletIndentTwips);
  QString error;
  if (!quillmark::richtext::readRtf(QByteArrayView(bytes->data(), qsizetype(bytes->size())),
                                    document, &error)) {
    reportFailure("open", path == kStdio ? std::string("standard input") : quotedName(path),
                  error.toStdString());
    return std::nullopt;
  }
  const QByteArray rtf = quillmark::richtext::writeRtf(document);  // 7-bit text
  return quillmark::decodeWindows1252({rtf.constData(), std::size_t(rtf.size())});
}
#endif

#ifdef QUILLMARK_VIA_EDITOR_PROGRAM
// --via-editor needs Qt, which would slow every other run down at start-up: it is done by a
// second program, installed beside this one or under libexec, that this one becomes.
[[noreturn]] void becomeViaEditorProgram(char** argv) {
  std::string self(4096, '\0');
  const ssize_t length = readlink("/proc/self/exe", self.data(), self.size() - 1);
  std::string directory = length > 0 ? self.substr(0, std::size_t(length)) : std::string(argv[0]);
  directory = directory.substr(0, directory.find_last_of('/') + 1);
  for (const std::string& candidate :
       {directory + QUILLMARK_VIA_EDITOR_PROGRAM,
        directory + QUILLMARK_VIA_EDITOR_INSTALLED_DIR "/" QUILLMARK_VIA_EDITOR_PROGRAM}) {
    execv(candidate.c_str(), argv);
  }
  reportFailure("run", "--via-editor", "the editor's components are not installed");
  std::exit(kIoFailure);
}
#endif

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  const std::optional<Arguments> args = parseArguments({argv + 1, argv + argc});
  if (!args) {
    std::fwrite(kUsage.data(), 1, kUsage.size(), stderr);
    return kBadUsage;
  }
  if (args->help) {
    return writeStdout(kUsage) ? kSuccess : kIoFailure;
  }
  if (args->version) {
    const std::string line = "quillmark-convert " + std::string(quillmark::kVersion) + "\n";
    return writeStdout(line) ? kSuccess : kIoFailure;
  }

#ifdef QUILLMARK_VIA_EDITOR_PROGRAM
  if (args->viaEditor) becomeViaEditorProgram(argv);
#endif
#ifdef QUILLMARK_CONVERT_VIA_EDITOR
  std::optional<std::u16string> rtf =
      args->viaEditor ? readRtfViaEditor(args->input) : readRtf(args->input);
#else
  std::optional<std::u16string> rtf = readRtf(args->input);
#endif
  if (!rtf) return kIoFailure;
  // The converter takes the document's text and frees it before the output is written.
  const std::u16string html = convert(std::move(*rtf), args->options, args->raw);
  return writeOutput(args->output, html) ? kSuccess : kIoFailure;
}
