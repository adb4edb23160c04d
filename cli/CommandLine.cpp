// The converter programs' common part: the conversion of one document and the run of a
// program from its arguments to its exit status. The options are in Options.cpp, reading and
// writing in Files.cpp.
#include "CommandLine.h"

#include <cstdio>
#include <utility>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "quillmark/post.h"
#include "quillmark/textfile.h"
#include "quillmark/version.h"

namespace quillmark::cli {

std::string convert(std::span<char> rtf, std::u16string_view options, bool raw) {
  std::string html = Converter{}.convertRtfToHtml8(rtf, options);
  if (!raw) html = rewriteForWeb(std::move(html));
  return html;
}

Output convert(InputBytes rtf, const Arguments &args) {
  Output output;
  output.utf8 = convert(rtf.bytes(), args.options, args.raw);
  rtf.release();
  pairSurrogates(output.utf8);
  return output;
}

Output convertFromPost(std::string_view bytes, const Arguments &args) {
  // The line ends that close the file are no part of the post: a document made of it ends at
  // its last line, as a post pasted into the editor does.
  std::u16string text = decodeText(bytes);
  while (!text.empty() && (text.back() == u'\n' || text.back() == u'\r')) text.pop_back();
  Post post = writePost(readPost(text, *args.from), args.format);
  Output output;
  output.text = std::move(post.text);
  output.losses = std::move(post.losses);
  return output;
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
  std::optional<Output> fromModel;
  std::optional<InputBytes> rtf = [&]() -> std::optional<InputBytes> {
    if (!args->viaEditor) return readInput(args->input);
    std::optional<ViaEditorDocument> written = readViaEditor(args->input, *args, argv);
    if (!written) return std::nullopt;
    if (written->post) {
      fromModel.emplace();
      fromModel->text = std::move(written->post->text);
      fromModel->losses = std::move(written->post->losses);
    }
    return InputBytes(std::move(written->rtf));
  }();
  if (!rtf) return kIoFailure;
  if (args->from && !args->viaEditor) {
    const std::span<char> bytes = rtf->bytes();
    fromModel = convertFromPost(std::string_view(bytes.data(), bytes.size()), *args);
    rtf->release();
  }
  // Where the editor's reading is on offer but the engine was asked for, RTF of another
  // program may lose text the editor's reading keeps: one line says so.
  if (args->engine && viaEditor == ViaEditor::Offered) {
    const std::span<char> bytes = rtf->bytes();
    if (const std::string notice = foreignRtfNotice(std::string_view(bytes.data(), bytes.size()));
        !notice.empty()) {
      const std::string line = "quillmark-convert: " + notice + "\n";
      std::fwrite(line.data(), 1, line.size(), stderr);
    }
  }
  // The input is freed before the output is written.
  const Output output = fromModel ? std::move(*fromModel) : convert(std::move(*rtf), *args);
  if (args->report) {
    const std::string lines = formatLosses(output.losses);
    std::fwrite(lines.data(), 1, lines.size(), stderr);
  }
  return writeOutput(args->output, output) ? kSuccess : kIoFailure;
}

}  // namespace quillmark::cli
