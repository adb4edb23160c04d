// The converter programs' command line: what each argument list parses to or that it is
// refused, with and without --via-editor on offer, and the usage text word for word.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>
#include <vector>

#include "CommandLine.h"

namespace cli = quillmark::cli;
using cli::ViaEditor;

namespace {

std::optional<cli::Arguments> parse(std::initializer_list<const char *> words,
                                    ViaEditor viaEditor = ViaEditor::Offered) {
  std::vector<std::string> storage(words.begin(), words.end());
  std::vector<char *> args;
  for (std::string &word : storage) args.push_back(word.data());
  return cli::parseArguments(args, viaEditor);
}

// The arguments in one line, for comparing: "in=… out=… options=… raw engine via help version".
std::string describe(const cli::Arguments &a) {
  std::string text = "in=" + a.input + " out=" + a.output + " options=";
  for (char16_t c : a.options) text += char(c);
  if (a.format != quillmark::Format::Html) text += " format=" + std::string(formatName(a.format));
  if (a.from) text += " from=" + std::string(formatName(*a.from));
  if (a.report) text += " report";
  if (a.raw) text += " raw";
  if (a.engine) text += " engine";
  if (a.viaEditor) text += " via";
  if (a.split) text += " split";
  if (a.limit != 0) text += " limit=" + std::to_string(a.limit);
  if (a.help) text += " help";
  if (a.version) text += " version";
  return text;
}

TEST(CommandLine, ArgumentsParseToTheirFields) {
  const struct {
    std::initializer_list<const char *> args;
    const char *parsed;
  } rows[] = {
      // Where the editor is built, every file is opened as the editor opens it...
      {{}, "in=- out=- options=+CR+A via"},
      {{"post.rtf"}, "in=post.rtf out=- options=+CR+A via"},
      {{"-"}, "in=- out=- options=+CR+A via"},
      {{"post.rtf", "-o", "-x"}, "in=post.rtf out=-x options=+CR+A via"},
      {{"--options", "-FF", "a"}, "in=a out=- options=-FF via"},
      {{"--options=+CR-FF", "a"}, "in=a out=- options=+CR-FF via"},
      {{"--options=", "a"}, "in=a out=- options= via"},
      {{"--options=a=b"}, "in=- out=- options=a=b via"},
      {{"--options", "x", "--options", "y"}, "in=- out=- options=y via"},
      {{"--", "--raw"}, "in=--raw out=- options=+CR+A via"},
      {{"--via-editor", "a"}, "in=a out=- options=+CR+A via"},
      {{"--help", "--version"}, "in=- out=- options=+CR+A via help version"},
      {{"--format", "phpbb", "a"}, "in=a out=- options=+CR+A format=phpbb via"},
      {{"--format=markdown", "--report"}, "in=- out=- options=+CR+A format=markdown report via"},
      {{"--format", "xenforo", "--format", "html"}, "in=- out=- options=+CR+A via"},
      {{"--from", "phpbb", "--format", "markdown", "old.txt"},
       "in=old.txt out=- options=+CR+A format=markdown from=phpbb via"},
      {{"--from=markdown", "--format=xenforo"},
       "in=- out=- options=+CR+A format=xenforo from=markdown via"},
      {{"--from", "smf", "--via-editor"}, "in=- out=- options=+CR+A from=smf via"},
      {{"--from", "smf"}, "in=- out=- options=+CR+A from=smf via"},
      {{"--format", "phpbb", "--split"}, "in=- out=- options=+CR+A format=phpbb via split"},
      {{"--format=mybb", "--split", "--limit", "5000"},
       "in=- out=- options=+CR+A format=mybb via split limit=5000"},
      {{"--format", "bbcode", "--split", "--limit=20"},
       "in=- out=- options=+CR+A format=bbcode via split limit=20"},
      // ...unless the engine is asked for, on its own or for its raw output.
      {{"--engine", "a"}, "in=a out=- options=+CR+A engine"},
      {{"--engine", "--options", "-FF"}, "in=- out=- options=-FF engine"},
      {{"--raw", "-o", "out.html", "post.rtf"},
       "in=post.rtf out=out.html options=+CR+A raw engine"},
      {{"--raw", "--", "-"}, "in=- out=- options=+CR+A raw engine"},
      {{"--raw", "--format", "html"}, "in=- out=- options=+CR+A raw engine"},
  };
  for (const auto &row : rows) {
    const auto parsed = parse(row.args);
    ASSERT_TRUE(parsed) << row.parsed;
    EXPECT_EQ(describe(*parsed), row.parsed);
  }
}

TEST(CommandLine, BadCommandLinesAreRefused) {
  for (const auto &args : std::initializer_list<std::initializer_list<const char *>>{
           {"--bogus"},
           {"-x"},
           {"--options"},
           {"-o"},
           {"a.rtf", "b.rtf"},
           {"--bogus", "--help"},
           {"--raw=1"},       // a flag takes no value
           {"-o=out.html"},   // only a long option is written NAME=VALUE
           {"--options-x"},   // a name is matched whole
           {"--", "a", "b"},  // one file, after "--" too
           {"--format"},
           {"--format", "PHPBB"},  // names are lower case
           {"--format="},
           {"--report=yes"},
           {"--format", "phpbb", "--raw"}})  // the raw output is HTML
    EXPECT_FALSE(parse(args)) << *args.begin();
}

TEST(CommandLine, AFaultInAValueSaysWhatItIs) {
  const struct {
    std::initializer_list<const char *> args;
    const char *problem;
  } rows[] = {
      {{"--format", "bb"},
       "unknown format 'bb'; the formats are html, phpbb, xenforo, mybb, smf, vbulletin, "
       "bbcode, markdown"},
      {{"--raw", "--format=smf"}, "--raw gives HTML only; it takes no other --format"},
      {{"--bogus"}, ""},  // the usage says enough
      {{"--from", "html", "--format", "phpbb"},
       "--from reads a post: 'html' is none; it takes a BBCode format or markdown"},
      {{"--from", "rtf"},
       "--from reads a post: 'rtf' is none; it takes a BBCode format or markdown"},
      {{"--from", "phpbb", "--format", "markdown", "--raw"},
       "--raw gives HTML only; it takes no other --format"},
      {{"--from", "phpbb", "--raw"}, "--raw is the engine's HTML of RTF; it takes no --from"},
      {{"--engine", "--via-editor"},
       "--engine and --via-editor are two ways of reading FILE; give one of them"},
      {{"--engine", "--from", "phpbb", "--format", "mybb"},
       "--engine reads RTF; it takes no --from"},
      {{"--engine", "--format", "markdown"},
       "--engine gives html only: the other formats are made from the editor's document"},
      {{"--options", "-FF", "--format", "phpbb"},
       "--options are the engine's; they take no other --format"},
      {{"--split", "--format", "phpbb", "--limit", "0"},
       "--limit takes a number of characters: '0' is none"},
      {{"--split", "--format", "phpbb", "--limit", "-5"},
       "--limit takes a number of characters: '-5' is none"},
  };
  for (const auto &row : rows) {
    std::vector<std::string> storage(row.args.begin(), row.args.end());
    std::vector<char *> args;
    for (std::string &word : storage) args.push_back(word.data());
    std::string problem;
    EXPECT_FALSE(cli::parseArguments(args, ViaEditor::Offered, &problem));
    EXPECT_EQ(problem, row.problem);
  }
}

// Without the editor the engine makes html of RTF, and a post is written from what was read.
TEST(CommandLine, WithoutTheEditorTheEngineConverts) {
  const char *words[] = {"--from", "bbcode", "--format", "html"};
  std::vector<std::string> storage(std::begin(words), std::end(words));
  std::vector<char *> args;
  for (std::string &word : storage) args.push_back(word.data());
  std::string problem;
  EXPECT_FALSE(cli::parseArguments(args, ViaEditor::NotOffered, &problem));
  EXPECT_EQ(problem,
            "--from needs a --format other than html: this build makes html from RTF only");
  EXPECT_FALSE(parse({"--from", "bbcode", "--via-editor"}, ViaEditor::NotOffered));
  problem.clear();
  const char *markdown[] = {"--format", "markdown", "a.rtf"};
  storage.assign(std::begin(markdown), std::end(markdown));
  args.clear();
  for (std::string &word : storage) args.push_back(word.data());
  EXPECT_FALSE(cli::parseArguments(args, ViaEditor::NotOffered, &problem));
  EXPECT_EQ(problem,
            "this build makes html only: the other formats are made from the editor's "
            "document, which it does not have");
  const auto parsedRtf = parse({"a.rtf"}, ViaEditor::NotOffered);
  ASSERT_TRUE(parsedRtf);
  EXPECT_EQ(describe(*parsedRtf), "in=a.rtf out=- options=+CR+A");
  const auto parsedPost = parse({"--from", "bbcode", "--format", "mybb"}, ViaEditor::NotOffered);
  ASSERT_TRUE(parsedPost);
  EXPECT_EQ(describe(*parsedPost), "in=- out=- options=+CR+A format=mybb from=bbcode");
  EXPECT_TRUE(parse({"--engine", "a.rtf"}, ViaEditor::NotOffered));
}

TEST(CommandLine, ViaEditorIsAnOptionOnlyWhereItIsOffered) {
  EXPECT_TRUE(parse({"--via-editor"}, ViaEditor::Offered));
  EXPECT_FALSE(parse({"--via-editor"}, ViaEditor::NotOffered));
  EXPECT_TRUE(parse({"--", "--via-editor"}, ViaEditor::NotOffered));  // a file of that name
}

constexpr std::string_view kUsageHead = R"(Usage: quillmark-convert [OPTIONS] [FILE]

Writes the post that "Copy to Web" puts on the clipboard for FILE opened in the editor:
an RTF document, a web page, or with --from a forum post. With --engine, the conversion
engine alone turns the RTF into html. Reads FILE, or standard input when FILE is absent
or "-", and writes UTF-8 to standard output.

Options:
)";
constexpr std::string_view kUsageHeadEngineOnly = R"(Usage: quillmark-convert [OPTIONS] [FILE]

Converts an RTF document to the compact forum HTML of the conversion engine. Reads FILE
(Windows-1252 bytes), or standard input when FILE is absent or "-", and writes UTF-8 to
standard output. With --from, FILE is a forum post, written in another forum's format.

Options:
)";
constexpr std::string_view kUsageOptions =
    R"(  --format FORMAT   write the post in FORMAT (default html), one of the formats below
  --from FORMAT     read FILE as a post in FORMAT (a BBCode format or markdown,
                    UTF-8) instead of RTF, and write --format's post from it
  --report          on standard error, one line per element the format cannot
                    show, with how many were dropped ("colour: 3 runs")
  --options STRING  the converter's option string (default "+CR+A"); its flags,
                    which may be combined:
                      +CR     a CR-LF after every <br> and </li>
                      +A      hyperlink fields become links (<a href>)
                      +F=<n>  font size <n> is the page's base size and gets no attribute
                      -FF     drop font faces
  --raw             the converter's output as is, without the "Copy to Web" rewrites
                    (html only)
  --engine          convert FILE's own RTF with the conversion engine alone,
                    without opening it in the editor first (html only)
)";
constexpr std::string_view kUsageViaEditor =
    R"(  --via-editor      open FILE in the editor first, as is done without --engine
)";
constexpr std::string_view kUsageTail =
    R"usage(  --split           a post longer than its forum takes in parts, each within the
                    limit and ended by "(1/3)", "(2/3)"...: with -o FILE in numbered
                    files (FILE.1.txt...), else one after the other, a line between them
  --limit N         with --split, the longest part, as the forum counts it
                    (default the forum's own limit, as it is installed)
  -o FILE           write to FILE instead; it is replaced only once all is written
  --help            show this help and exit
  --version         show the version and exit
  --                end of options: what follows is FILE, even if it starts with "-"

Formats:
  html              HTML
  phpbb             phpBB BBCode
  xenforo           XenForo BBCode
  mybb              MyBB MyCode
  smf               SMF BBCode
  vbulletin         vBulletin BBCode
  bbcode            BBCode (any forum)
  markdown          Markdown

Exit status: 0 on success, 1 when the input cannot be read or the output cannot be
written, 2 for a bad command line.
)usage";

TEST(CommandLine, UsageListsTheOptionsOnOffer) {
  const std::string options(kUsageOptions);
  const std::string tail(kUsageTail);
  EXPECT_EQ(cli::usage(ViaEditor::Offered),
            std::string(kUsageHead) + options + std::string(kUsageViaEditor) + tail);
  EXPECT_EQ(cli::usage(ViaEditor::NotOffered), std::string(kUsageHeadEngineOnly) + options + tail);
}

}  // namespace

namespace {

std::string contents(const std::filesystem::path &path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

}  // namespace

// A post's parts to a file: each in a file of its own, numbered before the extension.
TEST(CommandLine, PartsGoToNumberedFiles) {
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("quillmark-parts-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  const std::vector<std::u16string> parts{u"one (1/2)", u"caf\u00e9 (2/2)"};
  const struct {
    std::string name;
    std::vector<std::string> files;
  } rows[] = {
      {"post.txt", {"post.1.txt", "post.2.txt"}},
      {"post", {"post.1", "post.2"}},
      {"report.final.md", {"report.final.1.md", "report.final.2.md"}},
  };
  for (const auto &row : rows) {
    ASSERT_TRUE(cli::writeParts((dir / row.name).string(), parts)) << row.name;
    EXPECT_FALSE(std::filesystem::exists(dir / row.name)) << row.name;
    EXPECT_EQ(contents(dir / row.files[0]), "one (1/2)") << row.name;
    EXPECT_EQ(contents(dir / row.files[1]), "caf\xc3\xa9 (2/2)") << row.name;
  }
  std::filesystem::remove_all(dir);
}
