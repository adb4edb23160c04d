#pragma once
// What quillmark-convert and quillmark-convert-via-editor share: the command line and its
// usage text, reading the document, converting it and writing the HTML, and the run of a
// program from its arguments to its exit status. Standard library only: the plain converter
// must never start Qt.
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "quillmark/convert.h"
#include "quillmark/formats.h"

namespace quillmark::cli {

enum ExitStatus : int { kSuccess = 0, kIoFailure = 1, kBadUsage = 2 };

// The file name that stands for standard input or standard output.
inline constexpr std::string_view kStdio = "-";

// A command line, parsed.
struct Arguments {
  std::string input{kStdio};
  std::string output{kStdio};
  std::u16string options{kWebOptions};  // the engine's option string, as "Copy to Web"'s
  Format format = Format::Html;
  bool report = false;  // the loss report on standard error
  bool raw = false;
  bool viaEditor = false;
  bool help = false;
  bool version = false;
};

// Whether a program offers --via-editor: only where the editor's components are built.
enum class ViaEditor : bool { NotOffered, Offered };

// Returns nothing when the command line is bad: an unknown option, an option without its
// argument, an unknown format, --raw with a format other than html, or more than one input
// file. After "--" every argument is a file name. When the fault is more than the usage
// shows (an unknown format), problem, if given, receives a line that says what it is.
std::optional<Arguments> parseArguments(std::span<char *const> args, ViaEditor viaEditor,
                                        std::string *problem = nullptr);

// The usage text, as --help prints it and a bad command line reports it.
std::string usage(ViaEditor viaEditor);

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
  LossReport losses;
};

// The clipboard text of "Copy to Web" for a document's Windows-1252 bytes, which it changes;
// with raw, the converter's output before the rewrites. 8-bit text (see convertRtfToHtml8).
std::string convert(std::span<char> rtf, std::u16string_view options, bool raw);
// The output for the arguments' format. Frees the input once it is converted.
Output convert(InputBytes rtf, const Arguments &args);

// Writes text to standard output, or the output as UTF-8 to the path: a regular file is
// replaced only once all is written, a device or pipe is written in place. False after
// reporting the failure.
bool writeStdout(std::string_view text);
bool writeOutput(const std::string &path, const Output &output);

// How a program reads the document for --via-editor; nothing after reporting a failure.
// argv is the program's own command line.
// It gives the RTF the editor writes, as Windows-1252 bytes.
using ReadViaEditor = std::optional<std::string> (*)(const std::string &path, char **argv);

// The whole program: parses the command line, prints the usage or the version, or reads,
// converts and writes; returns the exit status. RTF of another program, read without
// --via-editor where that is on offer, gets one line on standard error pointing to it.
// With no readViaEditor, --via-editor is no option of the program.
int run(int argc, char **argv, ReadViaEditor readViaEditor);

}  // namespace quillmark::cli
