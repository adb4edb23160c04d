// What the emitters share: the character formats of a run as the ordered list of elements a
// format opens for it, and the counting of what it cannot show.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "Dialects.h"
#include "RunModel.h"
#include "quillmark/formats.h"

namespace quillmark::formats {

// One open inline element with its value (colour, face or address; size by number).
struct Open {
  Element element;
  std::u16string_view value;
  int size = 0;
  bool operator==(const Open&) const = default;
};

// Counts dropped elements, a stretch at a time.
class LossCounter {
 public:
  void add(Element e, std::size_t n = 1) { counts_[static_cast<std::size_t>(e)] += n; }
  LossReport report() const;

  // Character formats: a run whose element is dropped counts once, unless the run before it
  // on the same line dropped the same element with the same value.
  void dropRun(const Open& dropped);
  void newLine() { lastDropped_.clear(); }
  void endRun() { lastDropped_.swap(thisRun_), thisRun_.clear(); }

 private:
  std::array<std::size_t, kElementCount> counts_{};
  std::vector<Open> lastDropped_, thisRun_;
};

// The inline elements the dialect opens for the run, outermost first: link, face, size,
// colour, bold, italic, underline, strike-through, superscript, subscript. Those it cannot
// show (or whose value it cannot write) go to the counter instead.
void inlineElements(const Document& doc, const Run& run, const Dialect& d, LossCounter& losses,
                    std::vector<Open>& out);

// A line of the fixed-columns block as a code block holds it: its text exact but for
// no-break spaces, which become blanks so that the columns keep their width; its character
// formats dropped without a loss, as the block shows none, but its links counted as lost.
void appendFixedLine(const Document& doc, const Line& line, LossCounter& losses,
                     std::u16string& out);

void appendAscii(std::u16string& out, std::string_view s);
// The address with the characters that would end the format's link markup percent-encoded.
void appendAddress(std::u16string& out, std::u16string_view address, bool markdown);

std::u16string emitBbcode(const Document& doc, const Dialect& d, LossCounter& losses);
std::u16string emitMarkdown(const Document& doc, const Dialect& d, LossCounter& losses);

// ASCII punctuation, which a Markdown backslash may escape.
inline bool isAsciiPunct(char16_t c) {
  return (c >= u'!' && c <= u'/') || (c >= u':' && c <= u'@') || (c >= u'[' && c <= u'`') ||
         (c >= u'{' && c <= u'~');
}

inline bool isSpaceLike(char16_t c) {
  return c == u' ' || c == u'\t' || c == 0xA0 || c == u'\r' || c == u'\n';
}

}  // namespace quillmark::formats
