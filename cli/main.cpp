// quillmark-convert: "Copy to Web" on the command line. Reads a document and writes the text
// "Copy to Web" would put on the clipboard after opening it in the editor; with --engine, or
// in a build without the editor, the conversion engine's html of the file's own RTF. Only the
// command line and the file handling live here (in CommandLine.cpp). Needs no Qt.
#include <string>
#include <string_view>

#if defined(__unix__)
#include <unistd.h>
#endif

#include "CommandLine.h"
#include "Messages.h"

namespace {

// Opening the file as the editor does needs Qt, which would slow --engine, --help and
// --version down at start-up: it is done by a second program, installed beside this one or under
// libexec (the build names it; empty when the editor is not built).
constexpr std::string_view kViaEditorProgram = QUILLMARK_VIA_EDITOR_PROGRAM;
constexpr std::string_view kViaEditorInstalledDir = QUILLMARK_VIA_EDITOR_INSTALLED_DIR;

// Becomes the program that opens the file as the editor does, with this program's command line.
// Returns only when that cannot be done, after saying so.
std::optional<quillmark::cli::ViaEditorDocument> becomeViaEditorProgram(
    const std::string &, const quillmark::cli::Arguments &, char **argv) {
#if defined(__unix__)
  std::string self(4096, '\0');
  const ssize_t length = readlink("/proc/self/exe", self.data(), self.size() - 1);
  std::string directory = length > 0 ? self.substr(0, std::size_t(length)) : std::string(argv[0]);
  directory = directory.substr(0, directory.find_last_of('/') + 1);
  const std::string program(kViaEditorProgram);
  for (const std::string &candidate :
       {directory + program, directory + std::string(kViaEditorInstalledDir) + "/" + program}) {
    execv(candidate.c_str(), argv);
  }
#else
  (void)argv;
#endif
  quillmark::cli::reportFailure(
      "run", kViaEditorProgram,
      quillmark::cli::translated(QT_TRANSLATE_NOOP(
          "cli",
          "the editor's components are not installed (--engine converts RTF to html "
          "without them)")));
  return std::nullopt;
}

}  // namespace

int main(int argc, char **argv) {
  return quillmark::cli::run(argc, argv,
                             kViaEditorProgram.empty() ? nullptr : becomeViaEditorProgram);
}
