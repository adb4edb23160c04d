#pragma once
// What quillmark-convert and quillmark-convert-via-editor share: the command line and its
// usage text (Options.h), reading the document and writing the output (Files.h), converting
// it, and the run of a program from its arguments to its exit status. Standard library only:
// the plain converter must never start Qt.
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "Files.h"
#include "Options.h"
#include "quillmark/convert.h"
#include "quillmark/formats.h"
#include "quillmark/post.h"

namespace quillmark::cli {

enum ExitStatus : int { kSuccess = 0, kIoFailure = 1, kBadUsage = 2 };

// The clipboard text of "Copy to Web" for a document's Windows-1252 bytes, which it changes;
// with raw, the converter's output before the rewrites. 8-bit text (see convertRtfToHtml8).
std::string convert(std::span<char> rtf, std::u16string_view options, bool raw);
// The html of a document's Windows-1252 bytes, as the arguments ask for it (the other formats
// are written from the editor's document). Frees the input once it is converted.
Output convert(InputBytes rtf, const Arguments &args);

// The output for a post's bytes read as `args.from` (UTF-8, stray bytes as Windows-1252):
// the post in the arguments' format, written from the model read, with that format's losses.
Output convertFromPost(std::string_view bytes, const Arguments &args);

// What the editor makes of a document when it opens it: for html the RTF it writes, as
// Windows-1252 bytes, which the engine converts; for the other formats the post written from
// the document's post model. Either is what "Copy to Web" makes of the document.
struct ViaEditorDocument {
  std::string rtf;
  LossReport losses;        // html: what the engine cannot show of the document's structures
  std::vector<Post> posts;  // the post, or with --split its parts; none for html
};

// The posts written from a model in the arguments' format: the post, or with --split its
// parts within the limit asked for or the forum's own.
std::vector<Post> writePosts(const post::Model &model, const Arguments &args);

// How a program opens the document as the editor does; nothing after reporting a failure.
// argv is the program's own command line.
using ReadViaEditor = std::optional<ViaEditorDocument> (*)(const std::string &path,
                                                           const Arguments &args, char **argv);

// The whole program: parses the command line, prints the usage or the version, or reads,
// converts and writes; returns the exit status. With a readViaEditor every file is opened as
// the editor opens it unless --engine asks for the engine alone; RTF of another program read
// that way gets one line on standard error saying what the default would do. With no
// readViaEditor, --via-editor is no option of the program and the engine converts.
int run(int argc, char **argv, ReadViaEditor readViaEditor);

}  // namespace quillmark::cli
