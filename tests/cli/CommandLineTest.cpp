// The converter programs' command line: what each argument list parses to or that it is
// refused, with and without --via-editor on offer, and the usage text word for word.
#include <gtest/gtest.h>

#include <initializer_list>
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

// The arguments in one line, for comparing: "in=… out=… options=… raw via help version".
std::string describe(const cli::Arguments &a) {
  std::string text = "in=" + a.input + " out=" + a.output + " options=";
  for (char16_t c : a.options) text += char(c);
  if (a.format != quillmark::Format::Html) text += " format=" + std::string(formatName(a.format));
  if (a.from) text += " from=" + std::string(formatName(*a.from));
  if (a.report) text += " report";
  if (a.raw) text += " raw";
  if (a.viaEditor) text += " via";
  if (a.help) text += " help";
  if (a.version) text += " version";
  return text;
}

TEST(CommandLine, ArgumentsParseToTheirFields) {
  const struct {
    std::initializer_list<const char *> args;
    const char *parsed;
  } rows[] = {
      {{}, "in=- out=- options=+CR+A"},
      {{"post.rtf"}, "in=post.rtf out=- options=+CR+A"},
      {{"-"}, "in=- out=- options=+CR+A"},
      {{"--raw", "-o", "out.html", "post.rtf"}, "in=post.rtf out=out.html options=+CR+A raw"},
      {{"post.rtf", "-o", "-x"}, "in=post.rtf out=-x options=+CR+A"},
      {{"--options", "-FF", "a"}, "in=a out=- options=-FF"},
      {{"--options=+CR-FF", "a"}, "in=a out=- options=+CR-FF"},
      {{"--options=", "a"}, "in=a out=- options="},
      {{"--options=a=b"}, "in=- out=- options=a=b"},
      {{"--options", "x", "--options", "y"}, "in=- out=- options=y"},
      {{"--", "--raw"}, "in=--raw out=- options=+CR+A"},
      {{"--raw", "--", "-"}, "in=- out=- options=+CR+A raw"},
      {{"--via-editor", "a"}, "in=a out=- options=+CR+A via"},
      {{"--help", "--version"}, "in=- out=- options=+CR+A help version"},
      {{"--format", "phpbb", "a"}, "in=a out=- options=+CR+A format=phpbb"},
      {{"--format=markdown", "--report"}, "in=- out=- options=+CR+A format=markdown report"},
      {{"--format", "xenforo", "--format", "html"}, "in=- out=- options=+CR+A"},
      {{"--raw", "--format", "html"}, "in=- out=- options=+CR+A raw"},
      {{"--from", "phpbb", "--format", "markdown", "old.txt"},
       "in=old.txt out=- options=+CR+A format=markdown from=phpbb"},
      {{"--from=markdown", "--format=xenforo"},
       "in=- out=- options=+CR+A format=xenforo from=markdown"},
      {{"--from", "smf", "--via-editor"}, "in=- out=- options=+CR+A from=smf via"},
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
      {{"--from", "phpbb"},
       "--from needs a --format other than html, or --via-editor to make html of the post as "
       "the editor would"},
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

// Without the editor there is no road from a post to the engine's html.
TEST(CommandLine, APostToHtmlNeedsTheEditor) {
  const char *words[] = {"--from", "bbcode", "--format", "html"};
  std::vector<std::string> storage(std::begin(words), std::end(words));
  std::vector<char *> args;
  for (std::string &word : storage) args.push_back(word.data());
  std::string problem;
  EXPECT_FALSE(cli::parseArguments(args, ViaEditor::NotOffered, &problem));
  EXPECT_EQ(problem,
            "--from needs a --format other than html: this build makes html from RTF only");
  EXPECT_FALSE(parse({"--from", "bbcode", "--via-editor"}, ViaEditor::NotOffered));
  EXPECT_TRUE(parse({"--from", "bbcode", "--format", "mybb"}, ViaEditor::NotOffered));
}

TEST(CommandLine, ViaEditorIsAnOptionOnlyWhereItIsOffered) {
  EXPECT_TRUE(parse({"--via-editor"}, ViaEditor::Offered));
  EXPECT_FALSE(parse({"--via-editor"}, ViaEditor::NotOffered));
  EXPECT_TRUE(parse({"--", "--via-editor"}, ViaEditor::NotOffered));  // a file of that name
}

constexpr std::string_view kUsageHead = R"(Usage: quillmark-convert [OPTIONS] [FILE]

Converts an RTF document to the compact forum HTML that "Copy to Web" puts on the
clipboard. Reads FILE (Windows-1252 bytes), or standard input when FILE is absent or "-",
and writes UTF-8 to standard output. With --from, FILE is a forum post instead.

Options:
  --format FORMAT   write the post in FORMAT (default html), one of the formats below
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
)";
constexpr std::string_view kUsageViaEditor =
    R"(  --via-editor      open FILE in the editor first, and convert what the editor
                    writes of it (reads RTF of any word processor)
)";
constexpr std::string_view kUsageTail =
    R"(  -o FILE           write to FILE instead; it is replaced only once all is written
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
)";

TEST(CommandLine, UsageListsTheOptionsOnOffer) {
  const std::string head(kUsageHead);
  const std::string tail(kUsageTail);
  EXPECT_EQ(cli::usage(ViaEditor::Offered), head + std::string(kUsageViaEditor) + tail);
  EXPECT_EQ(cli::usage(ViaEditor::NotOffered), head + tail);
}

}  // namespace
