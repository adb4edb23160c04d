#pragma once
// The converter programs' command line: its options parsed into Arguments, and the usage
// text. Standard library only.
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "quillmark/convert.h"
#include "quillmark/formats.h"

namespace quillmark::cli {

// The file name that stands for standard input or standard output.
inline constexpr std::string_view kStdio = "-";

// A command line, parsed.
struct Arguments {
  std::string input{kStdio};
  std::string output{kStdio};
  std::u16string options{kWebOptions};  // the engine's option string, as "Copy to Web"'s
  Format format = Format::Html;
  // The input is a post in this format (a BBCode dialect or markdown) instead of RTF.
  std::optional<Format> from;
  bool report = false;  // the loss report on standard error
  bool raw = false;     // the engine's html before the rewrites; implies engine
  bool engine = false;  // FILE's own bytes converted by the engine, not opened in the editor
  // FILE opened as the editor opens it and written as "Copy to Web" writes it: what every
  // conversion does where the editor's components are built, unless engine.
  bool viaEditor = false;
  // The post in parts, none longer than `limit` as the forum counts it (0: the forum's own
  // limit), each ended by its "(1/3)" mark.
  bool split = false;
  std::size_t limit = 0;
  bool help = false;
  bool version = false;
};

// Whether a program offers --via-editor: only where the editor's components are built.
enum class ViaEditor : bool { NotOffered, Offered };

// Returns nothing when the command line is bad: an unknown option, an option without its
// argument, an unknown format, --raw or --engine with a format other than html, --from html,
// --from with --raw or --engine, --engine with --via-editor, --split of html or without a
// limit where the forum has none, --limit without --split, a format other than html of RTF
// or html of a post where the editor's components are not offered (the engine makes html
// from RTF alone), or more than one input file. After "--" every argument is a file name. When the
// fault is more than the usage shows (an unknown format), problem, if given, receives a line that
// says what it is.
std::optional<Arguments> parseArguments(std::span<char *const> args, ViaEditor viaEditor,
                                        std::string *problem = nullptr);

// The usage text, as --help prints it and a bad command line reports it.
std::string usage(ViaEditor viaEditor);

}  // namespace quillmark::cli
