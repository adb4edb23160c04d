// The command line of the converter programs. The options are one table: the parser, the
// usage text and the programs all read it, so an option is one row (and its field in
// Arguments).
#include "Options.h"

#include <algorithm>
#include <array>

#include "Messages.h"
#include "quillmark/split.h"

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
         QT_TRANSLATE_NOOP("cli", "write the post in FORMAT (default html), one of the formats below"),
         [](Arguments &a, std::string_view v) {
           const std::optional<Format> format = formatByName(v);
           if (!format) {
             return withArgs(translated(QT_TRANSLATE_NOOP(
                                 "cli", "unknown format '%1'; the formats are %2")),
                             {v, formatNameList()});
           }
           a.format = *format;
           return std::string();
         }},
  Option{"--from",       Takes::Value,          "FORMAT",
         QT_TRANSLATE_NOOP("cli",
         "read FILE as a post in FORMAT (a BBCode format or markdown,\n"
         "UTF-8) instead of RTF, and write --format's post from it"),
         [](Arguments &a, std::string_view v) {
           const std::optional<Format> format = formatByName(v);
           if (!format || *format == Format::Html) {
             return withArgs(translated(QT_TRANSLATE_NOOP(
                                 "cli", "--from reads a post: '%1' is none; it takes a BBCode "
                                        "format or markdown")),
                             {v});
           }
           a.from = *format;
           return std::string();
         }},
  Option{"--report",     Takes::Nothing,        {},
         QT_TRANSLATE_NOOP("cli", "on standard error, one line per element the format cannot\n"
         "show, with how many were dropped (\"colour: 3 runs\")"),
         [](Arguments &a, std::string_view) { a.report = true; return std::string(); }},
  Option{"--options",    Takes::Value,          "STRING",
         QT_TRANSLATE_NOOP("cli", "the converter's option string (default \"+CR+A\"); its flags,\n"
         "which may be combined:\n"
         "  +CR     a CR-LF after every <br> and </li>\n"
         "  +A      hyperlink fields become links (<a href>)\n"
         "  +F=<n>  font size <n> is the page's base size and gets no attribute\n"
         "  -FF     drop font faces"),
         [](Arguments &a, std::string_view v) {
           a.options = decodeWindows1252(v);
           return std::string();
         }},
  Option{"--raw",        Takes::Nothing,        {},
         QT_TRANSLATE_NOOP("cli", "the converter's output as is, without the \"Copy to Web\" rewrites\n"
         "(html only)"),
         [](Arguments &a, std::string_view) { a.raw = true; return std::string(); }},
  Option{"--engine",     Takes::Nothing,        {},
         QT_TRANSLATE_NOOP("cli", "convert FILE's own RTF with the conversion engine alone,\n"
         "without opening it in the editor first (html only)"),
         [](Arguments &a, std::string_view) { a.engine = true; return std::string(); }},
  Option{"--via-editor", Takes::Nothing,        {},
         QT_TRANSLATE_NOOP("cli", "open FILE in the editor first, as is done without --engine"),
         [](Arguments &a, std::string_view) { a.viaEditor = true; return std::string(); },
         true},
  Option{"--split",      Takes::Nothing,        {},
         QT_TRANSLATE_NOOP("cli", "a post longer than its forum takes in parts, each within the\n"
         "limit and ended by \"(1/3)\", \"(2/3)\"...: with -o FILE in numbered\n"
         "files (FILE.1.txt...), else one after the other, a line between them"),
         [](Arguments &a, std::string_view) { a.split = true; return std::string(); }},
  Option{"--limit",      Takes::Value,          "N",
         QT_TRANSLATE_NOOP("cli", "with --split, the longest part, as the forum counts it\n"
         "(default the forum's own limit, as it is installed)"),
         [](Arguments &a, std::string_view v) {
           std::size_t n = 0;
           bool digits = !v.empty() && v.size() <= 9;
           for (const char c : v) digits = digits && c >= '0' && c <= '9';
           if (digits)
             for (const char c : v) n = n * 10 + std::size_t(c - '0');
           if (!digits || n == 0)
             return withArgs(translated(QT_TRANSLATE_NOOP(
                                 "cli", "--limit takes a number of characters: '%1' is none")),
                             {v});
           a.limit = n;
           return std::string();
         }},
  Option{"-o",           Takes::Value,          "FILE",
         QT_TRANSLATE_NOOP("cli", "write to FILE instead; it is replaced only once all is written"),
         [](Arguments &a, std::string_view v) { a.output = v; return std::string(); }},
  Option{"--help",       Takes::Nothing,        {},
         QT_TRANSLATE_NOOP("cli", "show this help and exit"),
         [](Arguments &a, std::string_view) { a.help = true; return std::string(); }},
  Option{"--version",    Takes::Nothing,        {},
         QT_TRANSLATE_NOOP("cli", "show the version and exit"),
         [](Arguments &a, std::string_view) { a.version = true; return std::string(); }},
  Option{"--",           Takes::EndOfOptions,   {},
         QT_TRANSLATE_NOOP("cli", "end of options: what follows is FILE, even if it starts with \"-\""),
         nullptr},
};
// clang-format on

constexpr std::string_view kUsageHead =
    QT_TRANSLATE_NOOP("cli", R"(Usage: quillmark-convert [OPTIONS] [FILE]

Writes the post that "Copy to Web" puts on the clipboard for FILE opened in the editor:
an RTF document, a web page, or with --from a forum post. With --engine, the conversion
engine alone turns the RTF into html. Reads FILE, or standard input when FILE is absent
or "-", and writes UTF-8 to standard output.

Options:
)");
// Without the editor's components only the engine converts.
constexpr std::string_view kUsageHeadEngineOnly =
    QT_TRANSLATE_NOOP("cli", R"(Usage: quillmark-convert [OPTIONS] [FILE]

Converts an RTF document to the compact forum HTML of the conversion engine. Reads FILE
(Windows-1252 bytes), or standard input when FILE is absent or "-", and writes UTF-8 to
standard output. With --from, FILE is a forum post, written in another forum's format.

Options:
)");
constexpr std::string_view kUsageTail = QT_TRANSLATE_NOOP("cli", R"(
Exit status: 0 on success, 1 when the input cannot be read or the output cannot be
written, 2 for a bad command line.
)");
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
  // The raw output is the engine's HTML before the rewrites; the engine writes html only.
  if (parsed.raw) parsed.engine = true;
  if (parsed.raw && parsed.format != Format::Html) {
    if (problem != nullptr)
      *problem =
          translated(QT_TRANSLATE_NOOP("cli", "--raw gives HTML only; it takes no other --format"));
    return std::nullopt;
  }
  if (parsed.from && parsed.raw) {
    if (problem != nullptr) *problem = "--raw is the engine's HTML of RTF; it takes no --from";
    return std::nullopt;
  }
  if (parsed.engine && parsed.viaEditor) {
    if (problem != nullptr)
      *problem = translated(QT_TRANSLATE_NOOP(
          "cli", "--engine and --via-editor are two ways of reading FILE; give one of them"));
    return std::nullopt;
  }
  if (parsed.engine && parsed.from) {
    if (problem != nullptr)
      *problem = translated(QT_TRANSLATE_NOOP("cli", "--engine reads RTF; it takes no --from"));
    return std::nullopt;
  }
  if (parsed.engine && parsed.format != Format::Html) {
    if (problem != nullptr)
      *problem = translated(QT_TRANSLATE_NOOP(
          "cli",
          "--engine gives html only: the other formats are made from the editor's "
          "document"));
    return std::nullopt;
  }
  // The option string is the engine's: a post in another format is written from the
  // document, where it has nothing to change.
  if (parsed.options != kWebOptions && parsed.format != Format::Html) {
    if (problem != nullptr)
      *problem = translated(
          QT_TRANSLATE_NOOP("cli", "--options are the engine's; they take no other --format"));
    return std::nullopt;
  }
  if (parsed.limit != 0 && !parsed.split) {
    if (problem != nullptr)
      *problem = translated(QT_TRANSLATE_NOOP("cli", "--limit goes with --split"));
    return std::nullopt;
  }
  if (parsed.split && parsed.format == Format::Html) {
    if (problem != nullptr)
      *problem = translated(QT_TRANSLATE_NOOP(
          "cli", "--split cuts a post in a forum's markup: give a --format other than html"));
    return std::nullopt;
  }
  if (parsed.split && parsed.limit == 0 && postLimit(parsed.format).characters == 0) {
    if (problem != nullptr)
      *problem = withArgs(translated(QT_TRANSLATE_NOOP(
                              "cli", "%1 has no limit of its own: give --split a --limit")),
                          {formatName(parsed.format)});
    return std::nullopt;
  }
  // Where the editor's components are built, every file is opened as the editor opens it, so
  // that the output is what "Copy to Web" gives for it. Without them the engine converts RTF
  // to html, and a post is written from what was read.
  if (viaEditor == ViaEditor::Offered) {
    parsed.viaEditor = !parsed.engine;
  } else if (parsed.from ? parsed.format == Format::Html : parsed.format != Format::Html) {
    if (problem != nullptr) {
      *problem = parsed.from
                     ? "--from needs a --format other than html: this build makes html from "
                       "RTF only"
                     : translated(QT_TRANSLATE_NOOP(
                           "cli",
                           "this build makes html only: the other formats are made from "
                           "the editor's document, which it does not have"));
    }
    return std::nullopt;
  }
  return parsed;
}

std::string usage(ViaEditor viaEditor) {
  std::string text(translated(viaEditor == ViaEditor::Offered ? kUsageHead : kUsageHeadEngineOnly));
  for (const Option &option : kOptions) {
    if (!offered(option, viaEditor)) continue;
    std::string line = "  " + std::string(option.name);
    if (!option.valueName.empty()) line += " " + std::string(option.valueName);
    line.resize(std::max(kHelpColumn, line.size() + 2), ' ');
    std::string_view help = translated(option.help);
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
  text += "\n";
  text += translated(QT_TRANSLATE_NOOP("cli", "Formats:"));
  text += "\n";
  for (const FormatInfo &info : allFormats()) {
    std::string line = "  " + std::string(info.name);
    line.resize(std::max(kHelpColumn, line.size() + 2), ' ');
    text += line + std::string(info.displayName) + "\n";
  }
  text += translated(kUsageTail);
  return text;
}

}  // namespace quillmark::cli
