// Reads the colour table and the font table out of their cut groups. The readers look for
// fixed keywords and read at fixed distances from them; they do not tokenise, and they never
// touch the conversion state beyond the table they are given.
#include <algorithm>
#include <string>

#include "Engine.h"

namespace quillmark {

using namespace std::string_view_literals;
namespace {

constexpr std::size_t npos = std::string_view::npos;

char at(std::string_view text, std::size_t i) { return i < text.size() ? text[i] : '\0'; }

// The component whose name (of `nameLength` units) starts at `start`: the unit after the name
// and up to two more digits, as upper-case hexadecimal of at least two digits. A name not
// followed by a digit reads as 0.
void appendComponent(std::string& entry, std::string_view group, std::size_t start,
                     std::size_t nameLength) {
  unsigned value = 0;
  const std::size_t first = start + nameLength;
  if (isDigit(at(group, first))) {
    value = at(group, first) - '0';
    // Each of the next two units is taken when it is a digit, each tested on its own. A unit
    // may be more than one byte.
    std::size_t i = first + 1;
    for (int unit = 0; unit < 2 && i < group.size(); ++unit, i += unitLength(group[i])) {
      if (isDigit(at(group, i))) value = value * 10 + (at(group, i) - '0');
    }
  }
  constexpr char kHex[] = "0123456789ABCDEF";
  std::string digits;
  do {
    digits.insert(digits.begin(), kHex[value % 16]);
    value /= 16;
  } while (value > 0);
  if (digits.size() == 1) digits.insert(digits.begin(), '0');
  entry += digits;
}

// Finds a keyword at or after positions that never go back, remembering the last answer: a
// table whose entries lack the keyword is still read in one pass, not one pass per entry.
class ForwardSearch {
 public:
  ForwardSearch(std::string_view text, std::string_view part) : text_(text), part_(part) {}

  std::size_t from(std::size_t start) {
    if (!searched_ || (found_ != npos && found_ < start)) {
      found_ = findText(text_, part_, start);
      searched_ = true;
    }
    return found_;
  }

 private:
  std::string_view text_;
  std::string_view part_;
  std::size_t found_ = npos;
  bool searched_ = false;
};

}  // namespace

void readColorTable(std::string_view group, std::vector<std::string>& table) {
  table.clear();
  std::size_t a = findText(group, "\\colortbl"sv);
  if (a == npos) return;
  a = findText(group, ";"sv, a);  // the end of colour 0, which is skipped
  if (a == npos) return;
  const std::size_t e = findText(group, ";}"sv, a);
  if (e == npos) return;

  ForwardSearch reds(group, "\\red"sv);
  ForwardSearch semicolons(group, ";"sv);
  ForwardSearch components[] = {{group, "\\green"sv}, {group, "\\blue"sv}};
  constexpr std::size_t kComponentLength[] = {6, 5};
  for (std::size_t r = reds.from(a); r != npos && r <= e;) {
    // A component belongs to this colour only when it comes before the colour's ";".
    const std::size_t entryEnd = semicolons.from(r);
    std::string& entry = table.emplace_back();
    appendComponent(entry, group, r, 4);
    std::size_t last = r;
    for (std::size_t k = 0; k < 2; ++k) {
      const std::size_t c = components[k].from(last);
      if (c != npos && c < entryEnd) {
        appendComponent(entry, group, c, kComponentLength[k]);
        last = c;
      } else {
        entry += "00"sv;
      }
    }
    r = reds.from(last + 1);
  }
}

void readFontTable(std::string_view group, std::vector<std::string>& table) {
  table.assign(1, std::string());
  const std::size_t a = findText(group, "\\fonttbl"sv);
  if (a == npos) return;
  const std::size_t e = findText(group, ";}}"sv, a);
  if (e == npos) return;

  int depth = 0;                 // brace depth, carried from one font to the next
  std::size_t semicolon = npos;  // the last ";" found; names start further right each time
  std::size_t p = findText(group, "\\f0"sv, a);
  for (std::size_t n = 0; p != npos && p <= e; ++n) {
    if (table.size() <= n) table.resize(n + 1);
    // The font's control words end at a blank, or at the end of a group nested among them.
    for (char c = at(group, p);;) {
      if (depth <= 0 && (c == ' ' || p > e)) break;
      if (p >= group.size()) break;  // a nested group that never closes
      ++p;
      if (c == '{') {
        ++depth;
      } else if (c == '}' && --depth == 0) {
        --p;
        break;
      }
      c = at(group, p);
    }
    const std::size_t start = p + 1;
    if (semicolon == npos || semicolon < start) semicolon = findText(group, ";"sv, start);
    const std::size_t end = semicolon == npos ? e : semicolon;
    if (start < end) {
      const std::string_view name = group.substr(start, end - start);
      table[n] = name.substr(0, unitsLength(name, kMaxFontNameLength));
    }

    std::string next("\\f"sv);
    for (char c : std::to_string(n + 1)) next.push_back(static_cast<char>(c));
    p = findText(group, next, start);
  }
}

}  // namespace quillmark
