// Cuts the prepared text into lines at CR-LF and each line into tokens: braces, "\'"
// escapes, escaped characters, control words and runs of text. Knows nothing about what a
// token means.
#include "Engine.h"

namespace quillmark {
namespace {

constexpr std::u16string_view kCrLf = u"\r\n";

bool isBraceOrBackslash(char16_t c) { return c == u'\\' || c == u'{' || c == u'}'; }

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
  const std::size_t crlf = working.find(kCrLf);
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
  const bool controlWord = first == u'\\';
  length = n;
  for (std::size_t i = 1; i + 1 < n; ++i) {
    const char16_t c = text[i];
    if (isBraceOrBackslash(c) || (controlWord && c == u' ')) {
      length = i;
      break;
    }
  }
  while (length > 0 && (text[length - 1] == u'{' || text[length - 1] == u'}')) --length;
  line.removeFront(length);
  if (length < n && text[length] == u' ') line.removeFront(1);
  return text.substr(0, length);
}

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

void appendReplacingAll(std::u16string& out, std::u16string_view text, std::u16string_view search,
                        std::u16string_view replacement) {
  if (search.empty()) {
    out.append(text);
    return;
  }
  std::size_t from = 0;
  for (std::size_t at = text.find(search); at != std::u16string_view::npos;
       at = text.find(search, from)) {
    out.append(text.substr(from, at - from));
    out.append(replacement);
    from = at + search.size();
  }
  out.append(text.substr(from));
}

std::u16string replaceAll(std::u16string_view text, std::u16string_view search,
                          std::u16string_view replacement) {
  std::u16string out;
  out.reserve(text.size());
  appendReplacingAll(out, text, search, replacement);
  return out;
}

}  // namespace quillmark
