// quillmark-differential: this tree's conversion road against a reference tree's, on many
// generated documents. Each document is converted with an option string, as HTML, as the
// raw engine output and in every post format, by both roads, and the bytes written (and the
// loss reports) must be the same. The first difference is written to a file and ends the run.
//
//   quillmark-differential [--count N] [--seed S] [--seeds DIR]... [--failure FILE]
//
// The documents: generated posts of a few hundred bytes to a few kilobytes, each then
// mutated a few times (bytes changed, RTF words and characters inserted, pieces deleted,
// repeated or cut off), and, with --seeds, the files of those directories (the fuzz corpora,
// the golden documents), mutated the same way. The same seed gives the same documents.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "Roads.h"
#include "post_generator.h"

namespace {

using Random = std::mt19937_64;

// What a mutation inserts: the words the engine gives meaning to, the groups it cuts or
// skips, escapes, and the characters that decide tokens and lines.
constexpr std::string_view kInsertions[] = {
    "\\par ",
    "\\pard",
    "\\plain",
    "{",
    "}",
    "\\b ",
    "\\b0 ",
    "\\i",
    "\\i0",
    "\\ul",
    "\\ulnone",
    "\\strike",
    "\\strike0",
    "\\super",
    "\\sub",
    "\\nosupersub",
    "\\qc",
    "\\qr",
    "\\tab",
    "\\line",
    "\\cf1",
    "\\cf0",
    "\\cf9",
    "\\fs20",
    "\\fs48",
    "\\f1",
    "\\f0",
    "\\bullet",
    "\\pnlvlblt",
    "{\\pntext\\f2\\'B7\\tab}",
    "\\pntxta",
    "\\pntxtb",
    "{\\*\\pn x}",
    "{\\pict abc}",
    "\\*",
    "\\'e9",
    "\\'99",
    "\\'8a",
    "\\'0",
    "\\'",
    "\\u8364?",
    "\\u-3913?",
    "\\u55357?\\u56832?",
    "\\u56832?",
    "\\uc0",
    "\\uc2",
    "\\u92?",
    "\\\\",
    "\\{",
    "\\}",
    " ",
    "  ",
    "\r\n",
    "\r",
    "\n",
    "\r\n\r\n",
    "{\\colortbl ;\\red255\\green0\\blue0;}",
    "{\\fonttbl{\\f0 Arial;}{\\f1 Cour\xe9r;}}",
    "{\\stylesheet x}",
    "{\\info y}",
    "\\list\\",
    "{\\listtable z}",
    "{\\field{\\*\\fldinst HYPERLINK \"http://a.b/c?d&e\"}{\\fldrslt link}}",
    "\\fldrslt",
    "{Begin Fixed}",
    "{End Fixed}",
    "<br>",
    "&amp;",
    "\xe9",
    "\xff",
    "\x80",
    "\x81",
    "\x00"};

constexpr std::u16string_view kOptions[] = {u"+CR+A",   u"+CR",    u"",    u"+CR+A-FF",
                                            u"+F=2+CR", u"+A+F=3", u"-FF", u"+CR+F=007+A"};
constexpr std::string_view kFormats[] = {"html", "phpbb",     "xenforo", "mybb",
                                         "smf",  "vbulletin", "bbcode",  "markdown"};

std::size_t below(Random& random, std::size_t n) {
  return n == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
}

void mutate(std::string& text, Random& random) {
  const std::size_t at = below(random, text.size() + 1);
  switch (below(random, 6)) {
    case 0:  // a byte changed
      if (!text.empty()) text[below(random, text.size())] = static_cast<char>(below(random, 256));
      break;
    case 1:
    case 2: {  // a word inserted
      const std::string_view word = kInsertions[below(random, std::size(kInsertions))];
      text.insert(at, word.empty() ? std::string_view("\0", 1) : word);
      break;
    }
    case 3:  // a piece deleted
      text.erase(at, below(random, 16));
      break;
    case 4: {  // a piece repeated
      const std::string piece = text.substr(at, below(random, 64));
      text.insert(at, piece);
      break;
    }
    default:  // cut off
      if (below(random, 4) == 0) text.resize(at);
      break;
  }
}

std::vector<std::string> readSeeds(const std::vector<std::string>& directories) {
  std::vector<std::string> seeds;
  for (const std::string& directory : directories) {
    for (const auto& entry : std::filesystem::recursive_directory_iterator(directory)) {
      if (!entry.is_regular_file()) continue;
      std::ifstream in(entry.path(), std::ios::binary);
      seeds.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
  }
  return seeds;
}

std::string document(std::uint64_t n, Random& random, const std::vector<std::string>& seeds) {
  std::string text;
  if (!seeds.empty() && below(random, 4) == 0) {
    text = seeds[below(random, seeds.size())];
  } else {
    const std::size_t size = quillmark::bench::kMinPostSize + below(random, 4000);
    text = quillmark::bench::generatePost(size, n);
  }
  for (std::size_t edits = below(random, 8); edits > 0; --edits) mutate(text, random);
  return text;
}

int usage() {
  std::fputs(
      "Usage: quillmark-differential [--count N] [--seed S] [--seeds DIR]... [--failure FILE]\n",
      stderr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::uint64_t count = 1000;
  std::uint64_t seed = 1;
  std::vector<std::string> seedDirectories;
  std::string failureFile = "differential-failure.rtf";
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (i + 1 == argc) return usage();
    const char* value = argv[++i];
    if (arg == "--count") {
      count = std::stoull(value);
    } else if (arg == "--seed") {
      seed = std::stoull(value);
    } else if (arg == "--seeds") {
      seedDirectories.emplace_back(value);
    } else if (arg == "--failure") {
      failureFile = value;
    } else {
      return usage();
    }
  }

  const std::vector<std::string> seeds = readSeeds(seedDirectories);
  Random random(seed);
  std::uint64_t comparisons = 0;
  for (std::uint64_t n = 0; n < count; ++n) {
    const std::string rtf = document(seed * 1'000'003 + n, random, seeds);
    const std::u16string_view options = kOptions[n % std::size(kOptions)];
    for (int variant = -1; variant < static_cast<int>(std::size(kFormats)); ++variant) {
      const bool raw = variant < 0;
      const std::string_view format = raw ? "html" : kFormats[variant];
      const differential::Result expected = differential::referenceRoad(rtf, options, format, raw);
      const differential::Result actual = differential::currentRoad(rtf, options, format, raw);
      ++comparisons;
      if (expected.text == actual.text && expected.losses == actual.losses) continue;
      std::ofstream(failureFile, std::ios::binary) << rtf;
      std::string shownOptions(options.begin(), options.end());
      std::fprintf(stderr,
                   "document %llu differs (options \"%s\", %s%s): written to %s\n"
                   "reference: %zu bytes, this tree: %zu bytes; reports %s\n",
                   static_cast<unsigned long long>(n), shownOptions.c_str(),
                   std::string(format).c_str(), raw ? " --raw" : "", failureFile.c_str(),
                   expected.text.size(), actual.text.size(),
                   expected.losses == actual.losses ? "equal" : "differ");
      return 1;
    }
    if ((n + 1) % 100'000 == 0) {
      std::fprintf(stderr, "%llu documents\n", static_cast<unsigned long long>(n + 1));
    }
  }
  std::printf("%llu documents, %llu comparisons: no difference\n",
              static_cast<unsigned long long>(count), static_cast<unsigned long long>(comparisons));
  return 0;
}
