// Byte encodings at the engine's edge: Windows-1252 bytes in, UTF-8 bytes out, and the
// engine's own 8-bit text (each 16-bit unit as the UTF-8 sequence of its value) to and from
// 16-bit text.
#include <algorithm>
#include <array>
#include <cstdint>

#include "Engine.h"
#include "quillmark/convert.h"
#include "quillmark/textfile.h"

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

std::size_t unitsLength(std::string_view text, std::size_t units) {
  std::size_t i = 0;
  for (; units > 0 && i < text.size(); --units) i += unitLength(text[i]);
  return std::min(i, text.size());
}

std::size_t unitCount(std::string_view text) {
  // Every byte but those that continue a sequence starts a unit.
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

void appendUnit(std::string& text, char16_t unit) {
  if (unit < 0x80) {
    text += static_cast<char>(unit);
  } else if (unit < 0x800) {
    text += static_cast<char>(0xC0 | (unit >> 6));
    text += static_cast<char>(0x80 | (unit & 0x3F));
  } else {
    text += static_cast<char>(0xE0 | (unit >> 12));
    text += static_cast<char>(0x80 | ((unit >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (unit & 0x3F));
  }
}

std::string toEngineText(std::u16string_view text) {
  std::string bytes;
  bytes.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
#if defined(__SSE2__)
    // Eight ASCII units at a time, narrowed to bytes; the usual case.
    char block[8];
    for (; i + 8 <= text.size(); i += 8) {
      const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + i));
      const __m128i high = _mm_and_si128(v, _mm_set1_epi16(static_cast<short>(0xFF80)));
      if (_mm_movemask_epi8(_mm_cmpeq_epi16(high, _mm_setzero_si128())) != 0xFFFF) break;
      _mm_storel_epi64(reinterpret_cast<__m128i*>(block), _mm_packus_epi16(v, v));
      bytes.append(block, 8);
    }
    if (i == text.size()) break;
#endif
    appendUnit(bytes, text[i++]);
  }
  return bytes;
}

std::u16string fromEngineText(std::string_view text) {
  std::u16string units;
  units.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
#if defined(__SSE2__)
    // Sixteen ASCII bytes at a time, widened; the usual case.
    if (i + 16 <= text.size()) {
      const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + i));
      if (_mm_movemask_epi8(v) == 0) {
        char16_t block[16];
        _mm_storeu_si128(reinterpret_cast<__m128i*>(block),
                         _mm_unpacklo_epi8(v, _mm_setzero_si128()));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(block + 8),
                         _mm_unpackhi_epi8(v, _mm_setzero_si128()));
        units.append(block, 16);
        i += 16;
        continue;
      }
    }
#endif
    // Four bytes only in UTF-8 that pairSurrogates has made: a character beyond 16 bits.
    const bool four = static_cast<unsigned char>(text[i]) >= 0xF0;
    const std::size_t length =
        std::min<std::size_t>(four ? 4 : unitLength(text[i]), text.size() - i);
    const auto byte = [&](std::size_t k) {
      return static_cast<char32_t>(static_cast<unsigned char>(text[i + k]));
    };
    char32_t c = byte(0);
    if (length == 2) {
      c = ((byte(0) & 0x1F) << 6) | (byte(1) & 0x3F);
    } else if (length == 3) {
      c = ((byte(0) & 0x0F) << 12) | ((byte(1) & 0x3F) << 6) | (byte(2) & 0x3F);
    } else if (length == 4) {
      c = ((byte(0) & 0x07) << 18) | ((byte(1) & 0x3F) << 12) | ((byte(2) & 0x3F) << 6) |
          (byte(3) & 0x3F);
    }
    if (c >= 0x10000) {
      units += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
      units += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      units += static_cast<char16_t>(c);
    }
    i += length;
  }
  return units;
}

std::u16string fromUtf8(std::string_view text) { return fromEngineText(text); }

void appendWindows1252(std::string& text, std::string_view bytes) {
  const std::size_t n = bytes.size();
  std::size_t i = 0;
  while (i < n) {
    // ASCII, the usual case for RTF, is copied a stretch at a time.
    std::size_t ascii = i;
#if defined(__SSE2__)
    for (; ascii + 16 <= n; ascii += 16) {
      const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes.data() + ascii));
      if (const int high = _mm_movemask_epi8(v); high != 0) {
        ascii += static_cast<std::size_t>(__builtin_ctz(static_cast<unsigned>(high)));
        break;
      }
    }
#endif
    while (ascii < n && static_cast<unsigned char>(bytes[ascii]) < 0x80) ++ascii;
    text.append(bytes.data() + i, ascii - i);
    if (ascii == n) break;
    appendUnit(text, kWindows1252[static_cast<unsigned char>(bytes[ascii])]);
    i = ascii + 1;
  }
}

void pairSurrogates(std::string& text) {
  // A surrogate's sequence is ED A0..BF xx; high ones have A0..AF, low ones B0..BF.
  const auto surrogateAt = [&text](std::size_t i, unsigned char low, unsigned char high) {
    return i + 3 <= text.size() && static_cast<unsigned char>(text[i]) == 0xED &&
           static_cast<unsigned char>(text[i + 1]) >= low &&
           static_cast<unsigned char>(text[i + 1]) <= high;
  };
  const auto unitAt = [&text](std::size_t i) {
    return static_cast<char32_t>(((text[i] & 0x0F) << 12) | ((text[i + 1] & 0x3F) << 6) |
                                 (text[i + 2] & 0x3F));
  };
  std::size_t read = text.find('\xED');
  if (read == std::string::npos) return;
  std::size_t write = read;
  while (read < text.size()) {
    // What lies before the next ED byte moves as it is.
    const std::size_t next = std::min(text.find('\xED', read), text.size());
    if (write != read)
      std::char_traits<char>::move(text.data() + write, text.data() + read, next - read);
    write += next - read;
    read = next;
    if (read == text.size()) break;
    if (!surrogateAt(read, 0xA0, 0xBF)) {
      text[write++] = text[read++];
      continue;
    }
    if (surrogateAt(read, 0xA0, 0xAF) && surrogateAt(read + 3, 0xB0, 0xBF)) {
      const char32_t c = 0x10000 + ((unitAt(read) - 0xD800) << 10) + (unitAt(read + 3) - 0xDC00);
      text[write++] = static_cast<char>(0xF0 | (c >> 18));
      text[write++] = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      text[write++] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      text[write++] = static_cast<char>(0x80 | (c & 0x3F));
      read += 6;
    } else {
      text[write++] = '\xEF';  // U+FFFD
      text[write++] = '\xBF';
      text[write++] = '\xBD';
      read += 3;
    }
  }
  text.resize(write);
}

std::u16string decodeText(std::string_view bytes) {
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  std::u16string text;
  text.reserve(bytes.size());
  const auto at = [&bytes](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
  const auto continuation = [&](std::size_t i) {
    return i < bytes.size() && (at(i) & 0xC0) == 0x80;
  };
  for (std::size_t i = 0; i < bytes.size();) {
    const unsigned char lead = at(i);
    if (lead < 0x80) {
      text += char16_t(lead);
      ++i;
      continue;
    }
    // The length of the character the lead byte starts, and the least value it may take.
    const std::size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                               : lead >= 0xE0 && lead <= 0xEF ? 3
                               : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                              : 0;
    char32_t value = 0;
    bool good = length > 0;
    for (std::size_t k = 1; good && k < length; ++k) good = continuation(i + k);
    if (good) {
      value = lead & (0xFF >> (length + 1));
      for (std::size_t k = 1; k < length; ++k) value = value << 6 | (at(i + k) & 0x3F);
      const char32_t least = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
      good = value >= least && value <= 0x10FFFF && (value < 0xD800 || value > 0xDFFF);
    }
    if (!good) {
      text += kWindows1252[lead];
      ++i;
      continue;
    }
    if (value >= 0x10000) {
      text += char16_t(0xD800 + ((value - 0x10000) >> 10));
      text += char16_t(0xDC00 + ((value - 0x10000) & 0x3FF));
    } else {
      text += char16_t(value);
    }
    i += length;
  }
  return text;
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
