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

constexpr std::u16string_view kCrLf = u"\r\n"sv;

bool isBraceOrBackslash(char16_t c) { return c == u'\\' || c == u'{' || c == u'}'; }

// Where a control word or text run that starts the line ends: the first backslash or brace
// after its first unit (or blank, for a control word), looking no further than the unit
// before the last. The whole line when there is none.
std::size_t endOfRun(std::u16string_view text, bool controlWord) {
  const std::size_t n = text.size();
  const char16_t* data = text.data();
  std::size_t i = 1;
#if defined(__SSE2__)
  const __m128i backslash = _mm_set1_epi16(u'\\');
  const __m128i open = _mm_set1_epi16(u'{');
  const __m128i close = _mm_set1_epi16(u'}');
  const __m128i blank = controlWord ? _mm_set1_epi16(u' ') : backslash;
  for (; i + 8 < n; i += 8) {  // all eight before the last unit
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
    const __m128i hits =
        _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi16(v, backslash), _mm_cmpeq_epi16(v, blank)),
                     _mm_or_si128(_mm_cmpeq_epi16(v, open), _mm_cmpeq_epi16(v, close)));
    if (const int mask = _mm_movemask_epi8(hits); mask != 0) return i + __builtin_ctz(mask) / 2;
  }
#endif
  for (; i + 1 < n; ++i) {
    if (isBraceOrBackslash(data[i]) || (controlWord && data[i] == u' ')) return i;
  }
  return n;
}

}  // namespace

void LineText::assign(std::u16string_view line) {
  // The headroom keeps whatever it held: it is only ever overwritten by prepend().
  buf_.resize(kLineHeadroom);
  buf_.append(line);
  begin_ = kLineHeadroom;
}

void LineText::prepend(std::u16string_view text) {
  if (text.size() <= begin_) {
    begin_ -= text.size();
    text.copy(buf_.data() + begin_, text.size());
    return;
  }
  std::u16string grown(kLineHeadroom, u' ');
  grown.append(text);
  grown.append(view());
  buf_ = std::move(grown);
  begin_ = kLineHeadroom;
}

std::u16string_view trimLineEnds(std::u16string_view text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && text[begin] == u' ') ++begin;
  while (end > begin && text[end - 1] == u' ') --end;
  // Passes of: trailing CR, leading CR, trailing LF, leading LF; until a pass removes nothing.
  for (bool removed = true; removed;) {
    removed = false;
    if (end > begin && text[end - 1] == u'\r') --end, removed = true;
    if (end > begin && text[begin] == u'\r') ++begin, removed = true;
    if (end > begin && text[end - 1] == u'\n') --end, removed = true;
    if (end > begin && text[begin] == u'\n') ++begin, removed = true;
  }
  return text.substr(begin, end - begin);
}

std::u16string_view nextLine(std::u16string_view& working) {
  const std::size_t crlf = findText(working, kCrLf);
  if (crlf == std::u16string_view::npos) {
    const std::u16string_view line = trimLineEnds(working);
    working = {};
    return line;
  }
  // The line keeps its CR until trimmed; the rest starts with the CR-LF, which trimming takes
  // off together with any blank lines after it.
  const std::u16string_view line = trimLineEnds(working.substr(0, crlf + 1));
  working = trimLineEnds(working.substr(crlf));
  return line;
}

std::u16string_view nextToken(LineText& line) {
  const std::u16string_view text = line.view();
  const std::size_t n = text.size();
  const char16_t first = text[0];
  std::size_t length;

  if (first == u'}' || first == u'{') {
    line.removeFront(1);
    return text.substr(0, 1);
  }
  if (first == u'\\' && n >= 2) {
    const char16_t second = text[1];
    if (second == u'\'') {
      length = n < 4 ? n : 4;
      line.removeFront(length);
      return text.substr(0, length);
    }
    if (isBraceOrBackslash(second)) {
      line.removeFront(2);
      return text.substr(0, 2);
    }
    // "\uN" ends after its digits, so the fallback character that follows is not glued to it.
    if (second == u'u' && n >= 3) {
      std::size_t digits = text[2] == u'-' ? 3 : 2;
      if (digits < n && isDigit(text[digits])) {
        while (digits < n && isDigit(text[digits])) ++digits;
        line.removeFront(digits);
        if (digits < n && text[digits] == u' ') line.removeFront(1);
        return text.substr(0, digits);
      }
    }
  }

  // A control word or a run of text. The line's last unit is never examined: whatever it is,
  // it belongs to the token unless it is a brace.
  length = endOfRun(text, first == u'\\');
  while (length > 0 && (text[length - 1] == u'{' || text[length - 1] == u'}')) --length;
  line.removeFront(length);
  if (length < n && text[length] == u' ') line.removeFront(1);
  return text.substr(0, length);
}

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

std::size_t findText(std::u16string_view text, std::u16string_view part, std::size_t from) {
  const std::size_t m = part.size();
  if (from > text.size() || text.size() - from < m) return std::u16string_view::npos;
  if (m == 0) return from;
  const std::size_t lastStart = text.size() - m;
  // Candidates are the positions where two units of `part` match: its second and its last,
  // which are rarer in RTF than its first (most keywords start with a backslash).
  const std::size_t p1 = m >= 3 ? 1 : 0;
  const std::size_t p2 = m - 1;
  const char16_t* data = text.data();
  std::size_t i = from;
#if defined(__SSE2__)
  const __m128i u1 = _mm_set1_epi16(static_cast<short>(part[p1]));
  const __m128i u2 = _mm_set1_epi16(static_cast<short>(part[p2]));
  for (; i + 7 <= lastStart; i += 8) {
    const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i + p1));
    const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i + p2));
    unsigned mask = static_cast<unsigned>(
        _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi16(a, u1), _mm_cmpeq_epi16(b, u2))));
    while (mask != 0) {
      const unsigned byte = static_cast<unsigned>(__builtin_ctz(mask));
      const std::size_t at = i + byte / 2;
      if (sameText(text.substr(at, m), part)) return at;
      mask &= ~(3u << byte);
    }
  }
#endif
  for (; i <= lastStart; ++i) {
    if (data[i + p1] == part[p1] && data[i + p2] == part[p2] && sameText(text.substr(i, m), part)) {
      return i;
    }
  }
  return std::u16string_view::npos;
}

void appendReplacingAll(std::u16string& out, std::u16string_view text, std::u16string_view search,
                        std::u16string_view replacement) {
  if (search.empty()) {
    out.append(text);
    return;
  }
  std::size_t from = 0;
  for (std::size_t at = findText(text, search); at != std::u16string_view::npos;
       at = findText(text, search, from)) {
    out.append(text.substr(from, at - from));
    out.append(replacement);
    from = at + search.size();
  }
  out.append(text.substr(from));
}

void replaceAllInPlace(std::u16string& text, std::u16string_view search,
                       std::u16string_view replacement) {
  assert(replacement.size() <= search.size());
  if (search.empty()) return;
  char16_t* data = text.data();
  const std::u16string_view all(data, text.size());
  std::size_t write = 0;
  std::size_t read = 0;  // everything before `read` is dealt with
  for (std::size_t at = findText(all, search); at != std::u16string_view::npos;
       at = findText(all, search, read)) {
    write = std::copy(data + read, data + at, data + write) - data;
    write = std::copy(replacement.begin(), replacement.end(), data + write) - data;
    read = at + search.size();
  }
  if (read == 0) return;
  write = std::copy(data + read, data + all.size(), data + write) - data;
  text.resize(write);
}

std::u16string replaceAll(std::u16string_view text, std::u16string_view search,
                          std::u16string_view replacement) {
  std::u16string out;
  out.reserve(text.size());
  appendReplacingAll(out, text, search, replacement);
  return out;
}

}  // namespace quillmark
