// Small text helpers shared by the engine and the editor's RTF reader. Header-only and
// standard library only.
#pragma once

namespace quillmark {

// The value of a hexadecimal digit (either case), or -1 for any other character. Takes
// char, char16_t and char32_t alike; a negative char is no digit.
constexpr int hexDigitValue(char32_t c) {
  if (c >= U'0' && c <= U'9') return int(c - U'0');
  if (c >= U'a' && c <= U'f') return int(c - U'a') + 10;
  if (c >= U'A' && c <= U'F') return int(c - U'A') + 10;
  return -1;
}

}  // namespace quillmark
