// Cuts the prepared text into lines at CR-LF and each line into tokens: braces, "\'"
// escapes, escaped characters, control words and runs of text. Knows nothing about what a
// token means.
#include <algorithm>
#include <cassert>

#include "Engine.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace quillmark {

using namespace std::string_view_literals;
namespace {

constexpr std::string_view kCrLf = "\r\n"sv;

bool isBraceOrBackslash(char c) { return c == '\\' || c == '{' || c == '}'; }

// Where a control word or text run that starts the line ends: the first backslash or brace
// after its first unit (or blank, for a control word), looking no further than the unit
// before the last. The whole line when there is none. Bytes are scanned: the bytes of a
// longer sequence are never one of those, so the answer is the same.
std::size_t endOfRun(std::string_view text, bool controlWord) {
  const std::size_t n = text.size();
  const char* data = text.data();
  std::size_t i = 1;
#if defined(__SSE2__)
  const __m128i backslash = _mm_set1_epi8('\\');
  const __m128i open = _mm_set1_epi8('{');
  const __m128i close = _mm_set1_epi8('}');
  const __m128i blank = controlWord ? _mm_set1_epi8(' ') : backslash;
  for (; i + 16 < n; i += 16) {  // all sixteen before the last byte
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
    const __m128i hits =
        _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, backslash), _mm_cmpeq_epi8(v, blank)),
                     _mm_or_si128(_mm_cmpeq_epi8(v, open), _mm_cmpeq_epi8(v, close)));
    if (const int mask = _mm_movemask_epi8(hits); mask != 0) return i + __builtin_ctz(mask);
  }
#endif
  for (; i + 1 < n; ++i) {
    if (isBraceOrBackslash(data[i]) || (controlWord && data[i] == ' ')) return i;
  }
  return n;
}

}  // namespace

void LineText::assign(std::string_view line, bool fromWindows1252) {
  // The headroom keeps whatever it held: it is only ever overwritten by prepend().
  buf_.resize(kLineHeadroom);
  if (fromWindows1252) {
    appendWindows1252(buf_, line);
  } else {
    buf_.append(line);
  }
  begin_ = kLineHeadroom;
}

void LineText::prepend(std::string_view text) {
  if (text.size() <= begin_) {
    begin_ -= text.size();
    text.copy(buf_.data() + begin_, text.size());
    return;
  }
  std::string grown(kLineHeadroom, ' ');
  grown.append(text);
  grown.append(view());
  buf_ = std::move(grown);
  begin_ = kLineHeadroom;
}

std::string_view trimLineEnds(std::string_view text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && text[begin] == ' ') ++begin;
  while (end > begin && text[end - 1] == ' ') --end;
  // Passes of: trailing CR, leading CR, trailing LF, leading LF; until a pass removes nothing.
  for (bool removed = true; removed;) {
    removed = false;
    if (end > begin && text[end - 1] == '\r') --end, removed = true;
    if (end > begin && text[begin] == '\r') ++begin, removed = true;
    if (end > begin && text[end - 1] == '\n') --end, removed = true;
    if (end > begin && text[begin] == '\n') ++begin, removed = true;
  }
  return text.substr(begin, end - begin);
}

std::string_view nextLine(std::string_view& working) {
  const std::size_t crlf = findText(working, kCrLf);
  if (crlf == std::string_view::npos) {
    const std::string_view line = trimLineEnds(working);
    working = {};
    return line;
  }
  // The line keeps its CR until trimmed; the rest starts with the CR-LF, which trimming takes
  // off together with any blank lines after it.
  const std::string_view line = trimLineEnds(working.substr(0, crlf + 1));
  working = trimLineEnds(working.substr(crlf));
  return line;
}

std::string_view nextToken(LineText& line) {
  const std::string_view text = line.view();
  const std::size_t n = text.size();
  const char first = text[0];
  std::size_t length;

  if (first == '}' || first == '{') {
    line.removeFront(1);
    return text.substr(0, 1);
  }
  if (first == '\\' && n >= 2) {
    const char second = text[1];
    if (second == '\'') {
      // The escape and the two units after it (fewer at the end of the line).
      length = 2;
      for (int unit = 0; unit < 2 && length < n; ++unit) {
        length = std::min(n, length + unitLength(text[length]));
      }
      line.removeFront(length);
      return text.substr(0, length);
    }
    if (isBraceOrBackslash(second)) {
      line.removeFront(2);
      return text.substr(0, 2);
    }
    // "\uN" ends after its digits, so the fallback character that follows is not glued to it.
    if (second == 'u' && n >= 3) {
      std::size_t digits = text[2] == '-' ? 3 : 2;
      if (digits < n && isDigit(text[digits])) {
        while (digits < n && isDigit(text[digits])) ++digits;
        line.removeFront(digits);
        if (digits < n && text[digits] == ' ') line.removeFront(1);
        return text.substr(0, digits);
      }
    }
  }

  // A control word or a run of text. The line's last unit is never examined: whatever it is,
  // it belongs to the token unless it is a brace.
  length = endOfRun(text, first == '\\');
  while (length > 0 && (text[length - 1] == '{' || text[length - 1] == '}')) --length;
  line.removeFront(length);
  if (length < n && text[length] == ' ') line.removeFront(1);
  return text.substr(0, length);
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t findText(std::string_view text, std::string_view part, std::size_t from) {
  const std::size_t m = part.size();
  if (from > text.size() || text.size() - from < m) return std::string_view::npos;
  if (m == 0) return from;
  const std::size_t lastStart = text.size() - m;
  // Candidates are the positions where two units of `part` match: its second and its last,
  // which are rarer in RTF than its first (most keywords start with a backslash).
  const std::size_t p1 = m >= 3 ? 1 : 0;
  const std::size_t p2 = m - 1;
  const char* data = text.data();
  std::size_t i = from;
#if defined(__SSE2__)
  const __m128i u1 = _mm_set1_epi8(part[p1]);
  const __m128i u2 = _mm_set1_epi8(part[p2]);
  for (; i + 15 <= lastStart; i += 16) {
    const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i + p1));
    const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i + p2));
    unsigned mask = static_cast<unsigned>(
        _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(a, u1), _mm_cmpeq_epi8(b, u2))));
    while (mask != 0) {
      const std::size_t at = i + static_cast<unsigned>(__builtin_ctz(mask));
      if (sameText(text.substr(at, m), part)) return at;
      mask &= mask - 1;
    }
  }
#endif
  for (; i <= lastStart; ++i) {
    if (data[i + p1] == part[p1] && data[i + p2] == part[p2] && sameText(text.substr(i, m), part)) {
      return i;
    }
  }
  return std::string_view::npos;
}

void appendReplacingAll(std::string& out, std::string_view text, std::string_view search,
                        std::string_view replacement) {
  if (search.empty()) {
    out.append(text);
    return;
  }
  std::size_t from = 0;
  for (std::size_t at = findText(text, search); at != std::string_view::npos;
       at = findText(text, search, from)) {
    out.append(text.substr(from, at - from));
    out.append(replacement);
    from = at + search.size();
  }
  out.append(text.substr(from));
}

void replaceAllInPlace(std::string& text, std::string_view search, std::string_view replacement) {
  assert(replacement.size() <= search.size());
  if (search.empty()) return;
  char* data = text.data();
  const std::string_view all(data, text.size());
  std::size_t write = 0;
  std::size_t read = 0;  // everything before `read` is dealt with
  for (std::size_t at = findText(all, search); at != std::string_view::npos;
       at = findText(all, search, read)) {
    write = std::copy(data + read, data + at, data + write) - data;
    write = std::copy(replacement.begin(), replacement.end(), data + write) - data;
    read = at + search.size();
  }
  if (read == 0) return;
  write = std::copy(data + read, data + all.size(), data + write) - data;
  text.resize(write);
}

std::string replaceAll(std::string_view text, std::string_view search,
                       std::string_view replacement) {
  std::string out;
  out.reserve(text.size());
  appendReplacingAll(out, text, search, replacement);
  return out;
}

}  // namespace quillmark
