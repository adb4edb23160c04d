// Synthetic forum posts for the benchmarks: statistics tables, lists, titles, fixed-column
// blocks and chatty prose, written in the RTF dialect of the rich-text edit control.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace quillmark::bench {

// A post of exactly `size` bytes, or of kMinPostSize bytes when `size` is smaller. The same
// size and seed always give the same bytes, on every platform.
//
// Windows-1252 RTF with CR-LF line ends: the font and colour tables, then paragraphs of 40 to
// 120 characters, each line ending in "\par"; the whole ends with "}".
std::string generatePost(std::size_t size, std::uint64_t seed);

inline constexpr std::size_t kMinPostSize = 320;

}  // namespace quillmark::bench
