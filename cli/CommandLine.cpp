// The converter programs' common part: the conversion of one document and the run of a
// program from its arguments to its exit status. The options are in Options.cpp, reading and
// writing in Files.cpp.
#include "CommandLine.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "quillmark/post.h"
#include "quillmark/split.h"
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

std::vector<Post> writePosts(const post::Model &model, const Arguments &args) {
  if (!args.split) return {writePost(model, args.format)};
  const std::size_t limit = args.limit != 0 ? args.limit : postLimit(args.format).characters;
  return splitPost(model, args.format, {}, {limit, true});
}

namespace {

// The output of posts: the one post's text, or the parts; the losses of all, each element
// once with its counts added up.
Output outputOf(std::vector<Post> posts, bool split) {
  Output output;
  for (Post &post : posts) {
    for (const Loss &loss : post.losses) addLoss(output.losses, loss);
    if (split) {
      output.parts.push_back(std::move(post.text));
    } else {
      output.text = std::move(post.text);
    }
  }
  return output;
}

}  // namespace

Output convertFromPost(std::string_view bytes, const Arguments &args) {
  // The line ends that close the file are no part of the post: a document made of it ends at
  // its last line, as a post pasted into the editor does.
  std::u16string text = decodeText(bytes);
  while (!text.empty() && (text.back() == u'\n' || text.back() == u'\r')) text.pop_back();
  return outputOf(writePosts(readPost(text, *args.from), args), args.split);
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
  LossReport htmlLosses;
  std::optional<InputBytes> rtf = [&]() -> std::optional<InputBytes> {
    if (!args->viaEditor) return readInput(args->input);
    std::optional<ViaEditorDocument> written = readViaEditor(args->input, *args, argv);
    if (!written) return std::nullopt;
    if (!written->posts.empty()) fromModel = outputOf(std::move(written->posts), args->split);
    htmlLosses = std::move(written->losses);
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
  Output output = fromModel ? std::move(*fromModel) : convert(std::move(*rtf), *args);
  if (!fromModel) output.losses = std::move(htmlLosses);
  if (args->report) {
    const std::string lines = formatLosses(output.losses);
    std::fwrite(lines.data(), 1, lines.size(), stderr);
  }
  if (args->split) return writeParts(args->output, output.parts) ? kSuccess : kIoFailure;
  return writeOutput(args->output, output) ? kSuccess : kIoFailure;
}

}  // namespace quillmark::cli
