// Reads the colour table and the font table out of their cut groups. The readers look for
// fixed keywords and read at fixed distances from them; they do not tokenise, and they never
// touch the conversion state beyond the table they are given.
#include <algorithm>
#include <string>

#include "Engine.h"

namespace quillmark {

using namespace std::string_view_literals;
namespace {

constexpr std::size_t npos = std::u16string_view::npos;

char16_t at(std::u16string_view text, std::size_t i) { return i < text.size() ? text[i] : u'\0'; }

// The component whose name (of `nameLength` units) starts at `start`: the unit after the name
// and up to two more digits, as upper-case hexadecimal of at least two digits. A name not
// followed by a digit reads as 0.
void appendComponent(std::u16string& entry, std::u16string_view group, std::size_t start,
                     std::size_t nameLength) {
  unsigned value = 0;
  const std::size_t first = start + nameLength;
  if (isDigit(at(group, first))) {
    value = at(group, first) - u'0';
    // Each of the next two units is taken when it is a digit, each tested on its own.
    for (std::size_t i = first + 1; i <= first + 2; ++i) {
      if (isDigit(at(group, i))) value = value * 10 + (at(group, i) - u'0');
    }
  }
  constexpr char16_t kHex[] = u"0123456789ABCDEF";
  std::u16string digits;
  do {
    digits.insert(digits.begin(), kHex[value % 16]);
    value /= 16;
  } while (value > 0);
  if (digits.size() == 1) digits.insert(digits.begin(), u'0');
  entry += digits;
}

}  // namespace

void readColorTable(std::u16string_view group, std::vector<std::u16string>& table) {
  table.clear();
  std::size_t a = findText(group, u"\\colortbl"sv);
  if (a == npos) return;
  a = findText(group, u";"sv, a);  // the end of colour 0, which is skipped
  if (a == npos) return;
  const std::size_t e = findText(group, u";}"sv, a);
  if (e == npos) return;

  for (std::size_t r = findText(group, u"\\red"sv, a); r != npos && r <= e;) {
    // A component belongs to this colour only when it comes before the colour's ";".
    const std::size_t entryEnd = findText(group, u";"sv, r);
    std::u16string& entry = table.emplace_back();
    appendComponent(entry, group, r, 4);
    std::size_t last = r;
    for (const std::u16string_view component :
         {std::u16string_view(u"\\green"sv), std::u16string_view(u"\\blue"sv)}) {
      const std::size_t c = findText(group, component, last);
      if (c != npos && c < entryEnd) {
        appendComponent(entry, group, c, component.size());
        last = c;
      } else {
        entry += u"00"sv;
      }
    }
    r = findText(group, u"\\red"sv, last + 1);
  }
}

void readFontTable(std::u16string_view group, std::vector<std::u16string>& table) {
  table.assign(1, std::u16string());
  const std::size_t a = findText(group, u"\\fonttbl"sv);
  if (a == npos) return;
  const std::size_t e = findText(group, u";}}"sv, a);
  if (e == npos) return;

  int depth = 0;                 // brace depth, carried from one font to the next
  std::size_t semicolon = npos;  // the last ";" found; names start further right each time
  std::size_t p = findText(group, u"\\f0"sv, a);
  for (std::size_t n = 0; p != npos && p <= e; ++n) {
    if (table.size() <= n) table.resize(n + 1);
    // The font's control words end at a blank, or at the end of a group nested among them.
    for (char16_t c = at(group, p);;) {
      if (depth <= 0 && (c == u' ' || p > e)) break;
      if (p >= group.size()) break;  // a nested group that never closes
      ++p;
      if (c == u'{') {
        ++depth;
      } else if (c == u'}' && --depth == 0) {
        --p;
        break;
      }
      c = at(group, p);
    }
    const std::size_t start = p + 1;
    if (semicolon == npos || semicolon < start) semicolon = findText(group, u";"sv, start);
    const std::size_t end = semicolon == npos ? e : semicolon;
    if (start < end) table[n] = group.substr(start, std::min(end - start, kMaxFontNameLength));

    std::u16string next(u"\\f"sv);
    for (char c : std::to_string(n + 1)) next.push_back(static_cast<char16_t>(c));
    p = findText(group, next, start);
  }
}

}  // namespace quillmark
