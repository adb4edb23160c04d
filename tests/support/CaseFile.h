// Conversion examples kept as data: plain-text case files, one topic per file.
//
//   # Topic (any line outside a case is a comment)
//   ## name of the case
//   options: +CR          (optional; without it "+CR", with nothing after it "")
//   input lines
//   .
//   expected output lines
//   ~~~
//
// Lines of a block are joined with CR-LF. Visible stand-ins for characters an editor would
// lose: U+2409 tab, U+240D lone CR, U+240A lone LF, U+2420 blank, U+2400 NUL.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace quillmark::testing {

struct ConversionCase {
  std::string file;  // the topic file's stem, such as "fonts"
  std::string name;  // unique within the file
  std::u16string options;
  std::u16string input;
  std::u16string expected;
};

// Reads every *.txt file of `directory`, in name order. Throws std::runtime_error on a
// malformed file, naming the file and line.
std::vector<ConversionCase> readCaseFiles(const std::filesystem::path& directory);

std::vector<ConversionCase> parseCaseFile(const std::string& text, const std::string& file);

// A GoogleTest-friendly name: file and case name with every other character as "_".
std::string testName(const ConversionCase& c);

std::u16string fromUtf8(const std::string& bytes);

// How GoogleTest shows a case: by its file and name.
void PrintTo(const ConversionCase& c, std::ostream* os);

// The text with its invisible characters shown by the stand-ins above, for failure messages.
std::string visible(const std::u16string& text);

}  // namespace quillmark::testing
