// Markdown as cmark-gfm is given it. cmark-gfm 0.29 reads most text in linear time, but a few
// constructs in quantity cost time or memory far past the text's size:
//
// - raw HTML openers with no closer ("<?" with no "?>" after it, "<![CDATA[" with no "]]>",
//   "<!X" with no ">"): each one is looked for to the end of its paragraph;
// - picture openers ("![") left open while links close after them: each link walks back
//   over every one;
// - a pipe table of very many columns, or one whose rows are padded to a wide header;
// - a link reference definition of a long address used by very many links, each of which
//   gets a copy of it.
//
// Text is read in stretches between blank lines, which no paragraph crosses. In a stretch
// that holds more of the first two than a post of links and pictures would, the openers
// get a backslash, so that cmark-gfm takes them as the characters they are (and an HTML
// opener with no closer is text anyway); a table past its bound loses a pipe of its
// delimiter row to a backslash and is read as the lines of text it is made of; so does a
// definition whose address, times the closing brackets that could use it, is past a few
// times the text, and its links are read as the text typed. The
// writer's characters are kept: a backslash before punctuation is no character of the text.
// One pass, linear; a stretch with nothing to bound is copied as it is.
#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "quillmark/formats.h"

namespace quillmark {
namespace {

// Openers of a kind one stretch may hold before they are escaped.
constexpr std::size_t kMaxOpeners = 32;
// Picture openers' work, each link closed counting those open before it: within this times
// the stretch's size (a post of many pictures in a row stays far within it).
constexpr std::size_t kPictureWorkPerByte = 32;
// A table: its columns, and the cells it is padded to against the bytes of its stretch.
constexpr std::size_t kMaxTableColumns = 256;
constexpr std::size_t kTableCellsPerByte = 2;
constexpr std::size_t kTableCellsFree = 65'536;
// The copies of definitions' addresses all links could make, against the text's size.
constexpr std::size_t kReferenceCopiesPerByte = 4;
constexpr std::size_t kReferenceCopiesFree = 65'536;

bool isBlankLine(std::string_view line) {
  return std::all_of(line.begin(), line.end(),
                     [](char c) { return c == ' ' || c == '\t' || c == '\r'; });
}

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// The columns of a table's delimiter row ("| :-- | --: |"), or 0 for any other line. Quote
// markers and indentation before it are allowed.
std::size_t delimiterColumns(std::string_view line) {
  std::size_t i = 0;
  while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '>')) ++i;
  std::size_t columns = 0;
  bool pipe = false, inMarker = false;
  for (; i < line.size(); ++i) {
    const char c = line[i];
    if (c == '-' || c == ':') {
      if (!inMarker) ++columns;
      inMarker = true;
      continue;
    }
    inMarker = false;
    if (c == '|') {
      pipe = true;
    } else if (c != ' ' && c != '\t' && c != '\r') {
      return 0;
    }
  }
  return pipe ? columns : 0;
}

// Whether the '<' at `p` begins its line (after indentation and quote markers): there it
// may begin an HTML block, which no escape may turn into text.
bool beginsLine(std::string_view s, std::size_t p) {
  while (p > 0) {
    const char c = s[p - 1];
    if (c == '\n') return true;
    if (c != ' ' && c != '\t' && c != '>') return false;
    --p;
  }
  return true;
}

// The places one stretch (lines between blank lines) needs a backslash before, in order.
class Stretch {
 public:
  // `maxAddress`: the longest address a reference definition may have.
  Stretch(std::string_view s, std::size_t maxAddress) : s_(s), maxAddress_(maxAddress) {}

  std::vector<std::size_t> escapes() {
    std::vector<std::size_t> at;
    html(at, "<?", "?>");
    html(at, "<![CDATA[", "]]>");
    declarations(at);
    pictures(at);
    tables(at);
    definitions(at);
    std::sort(at.begin(), at.end());
    at.erase(std::unique(at.begin(), at.end()), at.end());
    return at;
  }

 private:
  // Whether the character at `p` is escaped by the backslashes before it.
  bool escaped(std::size_t p) const {
    std::size_t n = 0;
    while (p > n && s_[p - n - 1] == '\\') ++n;
    return n % 2 == 1;
  }

  // Raw HTML that opens with `open` and has no `close` after it: every such opener once
  // there are more than a few.
  void html(std::vector<std::size_t>& at, std::string_view open, std::string_view close) {
    const std::size_t last = s_.rfind(close);
    std::vector<std::size_t> found;
    for (std::size_t p = s_.find(open); p != std::string_view::npos; p = s_.find(open, p + 1)) {
      if (last != std::string_view::npos && last >= p + open.size()) continue;
      if (!escaped(p) && !beginsLine(s_, p)) found.push_back(p);
    }
    if (found.size() > kMaxOpeners) at.insert(at.end(), found.begin(), found.end());
  }

  // "<!" and a letter with no ">" after it.
  void declarations(std::vector<std::size_t>& at) {
    const std::size_t last = s_.rfind('>');
    std::vector<std::size_t> found;
    for (std::size_t p = s_.find("<!"); p != std::string_view::npos; p = s_.find("<!", p + 1)) {
      if (p + 2 >= s_.size() || !isLetter(s_[p + 2])) continue;
      if (last != std::string_view::npos && last > p + 2) continue;
      if (!escaped(p) && !beginsLine(s_, p)) found.push_back(p);
    }
    if (found.size() > kMaxOpeners) at.insert(at.end(), found.begin(), found.end());
  }

  // Picture openers: when the links closing after them would walk back over too many, every
  // opener past the first few is a '!' and a link's bracket.
  void pictures(std::vector<std::size_t>& at) {
    std::vector<std::size_t> openers;
    std::size_t work = 0;
    for (std::size_t p = 0; p < s_.size(); ++p) {
      if (s_[p] == '!' && p + 1 < s_.size() && s_[p + 1] == '[' && !escaped(p)) {
        openers.push_back(p);
      } else if (s_[p] == ']') {
        work += openers.size();
      }
    }
    if (work <= kPictureWorkPerByte * s_.size() || openers.size() <= kMaxOpeners) return;
    at.insert(at.end(), openers.begin() + kMaxOpeners, openers.end());
  }

  // Each table's delimiter row: escaped when the table has too many columns, or its rows
  // up to the stretch's end padded to them would make too many cells.
  void tables(std::vector<std::size_t>& at) {
    std::size_t lineStart = 0;
    std::size_t rows = 0;  // the lines after it
    std::size_t columns = 0;
    std::size_t delimiter = std::string_view::npos;  // the first pipe of the last one
    const auto endTable = [&] {
      if (delimiter == std::string_view::npos) return;
      if (columns > kMaxTableColumns ||
          columns * (rows + 2) > kTableCellsPerByte * s_.size() + kTableCellsFree) {
        at.push_back(delimiter);
      }
      delimiter = std::string_view::npos;
    };
    while (lineStart < s_.size()) {
      std::size_t lineEnd = s_.find('\n', lineStart);
      if (lineEnd == std::string_view::npos) lineEnd = s_.size();
      const std::string_view line = s_.substr(lineStart, lineEnd - lineStart);
      if (const std::size_t n = lineStart > 0 ? delimiterColumns(line) : 0; n > 0) {
        endTable();
        columns = n;
        rows = 0;
        delimiter = lineStart + line.find('|');
      } else {
        ++rows;
      }
      lineStart = lineEnd + 1;
    }
    endTable();
  }

  // Lines that define a reference ("[label]: address"), their address too long.
  void definitions(std::vector<std::size_t>& at) {
    for (std::size_t line = 0; line < s_.size();) {
      std::size_t end = s_.find('\n', line);
      if (end == std::string_view::npos) end = s_.size();
      std::size_t p = line;
      while (p < end && (s_[p] == ' ' || s_[p] == '\t' || s_[p] == '>')) ++p;
      const std::size_t label = p;
      if (p < end && s_[p] == '[') {
        const std::size_t close = s_.find("]:", p);
        if (close != std::string_view::npos && close < end) {
          // The address: the first word after it, here or on the next line.
          std::size_t a = close + 2;
          while (a < s_.size() && (s_[a] == ' ' || s_[a] == '\t' || s_[a] == '\n')) ++a;
          std::size_t e = a;
          while (e < s_.size() && s_[e] != ' ' && s_[e] != '\t' && s_[e] != '\n') ++e;
          if (e - a > maxAddress_) at.push_back(label);
        }
      }
      line = end + 1;
    }
  }

  std::string_view s_;
  std::size_t maxAddress_;
};

}  // namespace

std::string boundedMarkdown(std::string_view text) {
  const std::size_t closings = std::size_t(std::count(text.begin(), text.end(), ']'));
  const std::size_t maxAddress = (kReferenceCopiesPerByte * text.size() + kReferenceCopiesFree) /
                                 std::max<std::size_t>(1, closings);
  std::string out;
  out.reserve(text.size());
  std::size_t begin = 0;  // of the stretch
  std::size_t p = 0;
  const auto flush = [&](std::size_t end) {
    const std::string_view stretch = text.substr(begin, end - begin);
    std::size_t copied = 0;
    for (const std::size_t e : Stretch(stretch, maxAddress).escapes()) {
      out.append(stretch.substr(copied, e - copied));
      out.push_back('\\');
      copied = e;
    }
    out.append(stretch.substr(copied));
    begin = end;
  };
  while (p < text.size()) {
    std::size_t end = text.find('\n', p);
    end = end == std::string_view::npos ? text.size() : end + 1;
    if (isBlankLine(text.substr(p, end - p - (text[end - 1] == '\n' ? 1 : 0)))) {
      flush(p);
      out.append(text.substr(p, end - p));
      begin = end;
    }
    p = end;
  }
  flush(text.size());
  return out;
}

}  // namespace quillmark
