// Byte encodings at the engine's edge: Windows-1252 bytes in, UTF-8 bytes out.
// The engine itself only ever sees 16-bit units.
#include <algorithm>
#include <array>
#include <cstdint>

#include "Engine.h"
#include "quillmark/convert.h"

#if defined(__linux__)
#include <sys/mman.h>
#endif
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace quillmark {
namespace {

// Windows-1252 bytes 80 to 9F; the five the code page leaves undefined map to themselves.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

constexpr std::array<char16_t, 256> makeWindows1252Table() {
  std::array<char16_t, 256> table{};
  for (unsigned b = 0; b < 256; ++b) {
    table[b] = (b >= 0x80 && b < 0xA0) ? kHighControls[b - 0x80] : static_cast<char16_t>(b);
  }
  return table;
}

constexpr auto kWindows1252 = makeWindows1252Table();

}  // namespace

void adviseHugePages(const void* data, std::size_t bytes) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
  constexpr std::uintptr_t kHuge = std::uintptr_t{2} << 20;
  if (bytes < 4 * kHuge) return;
  const auto first = reinterpret_cast<std::uintptr_t>(data);
  const std::uintptr_t begin = (first + kHuge - 1) & ~(kHuge - 1);
  const std::uintptr_t end = (first + bytes) & ~(kHuge - 1);
  if (end > begin) madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
#else
  (void)data;
  (void)bytes;
#endif
}

std::u16string decodeWindows1252(std::string_view bytes) {
  // Decoded a block at a time and appended, so the text's memory is written only once.
  std::u16string text;
  text.reserve(bytes.size());
  adviseHugePages(text.data(), text.capacity() * sizeof(char16_t));
  constexpr std::size_t kBlock = 4096;
  char16_t block[kBlock];
  for (std::size_t begin = 0; begin < bytes.size(); begin += kBlock) {
    const std::size_t n = std::min(kBlock, bytes.size() - begin);
    const char* in = bytes.data() + begin;
    std::size_t i = 0;
#if defined(__SSE2__)
    // Sixteen ASCII bytes at a time, the usual case for RTF, just widen.
    const __m128i zero = _mm_setzero_si128();
    for (; i + 16 <= n; i += 16) {
      const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i));
      if (_mm_movemask_epi8(v) != 0) {
        for (std::size_t k = i; k < i + 16; ++k) {
          block[k] = kWindows1252[static_cast<unsigned char>(in[k])];
        }
        continue;
      }
      _mm_storeu_si128(reinterpret_cast<__m128i*>(block + i), _mm_unpacklo_epi8(v, zero));
      _mm_storeu_si128(reinterpret_cast<__m128i*>(block + i + 8), _mm_unpackhi_epi8(v, zero));
    }
#endif
    for (; i < n; ++i) block[i] = kWindows1252[static_cast<unsigned char>(in[i])];
    text.append(block, n);
  }
  return text;
}

std::string encodeUtf8(std::u16string_view text) {
  std::string bytes;
  bytes.reserve(text.size() + text.size() / 8);
  adviseHugePages(bytes.data(), bytes.capacity());
  // Encoded a block at a time into a small buffer, so the common ASCII unit costs one store.
  constexpr std::size_t kBlock = 4096;
  char block[kBlock * 3];
  const std::size_t n = text.size();
  for (std::size_t begin = 0; begin < n;) {
    const std::size_t end = std::min(n, begin + kBlock);
    char* out = block;
    std::size_t i = begin;
    for (; i < end; ++i) {
#if defined(__SSE2__)
      // Eight ASCII units at a time, narrowed to bytes.
      while (i + 8 <= end) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + i));
        const __m128i high = _mm_and_si128(v, _mm_set1_epi16(static_cast<short>(0xFF80)));
        if (_mm_movemask_epi8(_mm_cmpeq_epi16(high, _mm_setzero_si128())) != 0xFFFF) break;
        _mm_storel_epi64(reinterpret_cast<__m128i*>(out), _mm_packus_epi16(v, v));
        out += 8;
        i += 8;
      }
      if (i == end) break;
#endif
      char32_t c = text[i];
      if (c < 0x80) {
        *out++ = static_cast<char>(c);
        continue;
      }
      if (c >= 0xD800 && c <= 0xDFFF) {
        const bool high = c <= 0xDBFF;
        if (high && i + 1 < n && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
          c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
          ++i;  // may run one past the block: the buffer has room for it
        } else {
          c = 0xFFFD;
        }
      }
      if (c < 0x800) {
        *out++ = static_cast<char>(0xC0 | (c >> 6));
      } else if (c < 0x10000) {
        *out++ = static_cast<char>(0xE0 | (c >> 12));
        *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      } else {
        *out++ = static_cast<char>(0xF0 | (c >> 18));
        *out++ = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      }
      *out++ = static_cast<char>(0x80 | (c & 0x3F));
    }
    bytes.append(block, static_cast<std::size_t>(out - block));
    begin = i;
  }
  return bytes;
}

}  // namespace quillmark
