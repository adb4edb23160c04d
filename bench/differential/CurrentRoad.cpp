// This tree's road: the very functions quillmark-convert runs between reading and writing.
#include "CommandLine.h"
#include "Roads.h"

namespace differential {

Result currentRoad(std::string_view bytes, std::u16string_view options, std::string_view format,
                   bool raw) {
  namespace cli = quillmark::cli;
  cli::Arguments args;
  args.options = options;
  args.format = quillmark::formatByName(format).value_or(quillmark::Format::Html);
  args.raw = raw;
  const cli::Output output = cli::convert(cli::InputBytes(std::string(bytes)), args);
  return {output.text.empty() ? output.utf8 : quillmark::encodeUtf8(output.text),
          quillmark::formatLosses(output.losses)};
}

}  // namespace differential
