#pragma once
// The two roads a differential run compares, each from a document's bytes to what
// quillmark-convert writes: this tree's (the program's own code) and a reference tree's (its
// engine and formats, built under another namespace, as its program drove them).
#include <string>
#include <string_view>

namespace differential {

struct Result {
  std::string text;    // standard output
  std::string losses;  // what --report prints
};

// format is a --format name ("html", "phpbb", ...); raw only with "html".
Result referenceRoad(std::string_view bytes, std::u16string_view options, std::string_view format,
                     bool raw);
Result currentRoad(std::string_view bytes, std::u16string_view options, std::string_view format,
                   bool raw);

}  // namespace differential
