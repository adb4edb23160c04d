// How the fuzz targets read their input bytes, shared with the seed maker so that a seed
// means to the fuzzer exactly what it meant to its author.
//
// A document input (fuzz_convert, and every file in tests/regression/):
//
//   byte 0  option flags
//             bit 0  "+CR"
//             bit 1  "-FF"
//             bit 2  "+F=<byte 1, in decimal>"
//             bit 3  with bit 2: five more zeros after the number, past the 16-bit field
//             bit 4  the flags written in the reverse order
//             bit 5  "+A"
//             bit 7  raw options: byte 1 is a length L, and the L bytes after it are the
//                    option string itself (Windows-1252); the other bits are ignored
//   byte 1  the "+F=" number, or L
//   rest    the RTF document as Windows-1252 bytes
//
// A carry-over input (fuzz_carry_over): two option headers as above, one after the other,
// then the first document, a 0x1E byte, the second document. Without a 0x1E byte the one
// document is converted twice.
//
// Missing bytes read as zero, so every byte string is a valid input.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace quillmark::fuzz {

using Bytes = std::span<const std::uint8_t>;

inline constexpr std::uint8_t kFlagCr = 0x01;
inline constexpr std::uint8_t kFlagNoFaces = 0x02;
inline constexpr std::uint8_t kFlagBaseSize = 0x04;
inline constexpr std::uint8_t kFlagHugeBaseSize = 0x08;
inline constexpr std::uint8_t kFlagReversed = 0x10;
inline constexpr std::uint8_t kFlagLinks = 0x20;
inline constexpr std::uint8_t kFlagRaw = 0x80;

inline constexpr std::uint8_t kDocumentSeparator = 0x1E;

struct Options {
  std::u16string text;  // the option string given to the converter
  // What it asks for, by the documented flags.
  bool lineBreaks = false;      // "+CR"
  bool noFaces = false;         // "-FF"
  bool links = false;           // "+A"
  std::optional<int> baseSize;  // "+F=<n>": n, its digits held to the 16-bit field
};

// Reads an option header off the front of `input`.
Options readOptions(Bytes& input);

// The bytes of an option header that give `options`: flags when they can say it exactly,
// otherwise the raw form (std::nullopt when the string is too long even for that, or holds
// a character Windows-1252 cannot write).
std::optional<std::string> optionHeader(std::u16string_view options);

// Splits a carry-over body at its first separator.
std::pair<Bytes, Bytes> splitDocuments(Bytes body);

// The document as the fuzz targets give it to the converter: Windows-1252 decoding, with
// '<', '>' and '&' first turned into '[', ']' and '+' (see OutputChecks.h for why).
std::u16string documentText(Bytes document);

// Windows-1252 bytes for the text; std::nullopt when a character has no byte.
std::optional<std::string> encodeWindows1252(std::u16string_view text);

}  // namespace quillmark::fuzz
