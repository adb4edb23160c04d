// Splitting lines laid out in columns into cells: at tabs, at the blank columns every line
// shares, or at each line's own wide gaps.
#include "TextColumns.h"

#include <QChar>
#include <algorithm>
#include <utility>
#include <vector>

#include "FixedColumns.h"

namespace quillmark::richtext {

namespace {

constexpr int kMinimumGap = 2;  // blanks that part two columns; one blank parts words

bool isBlankLine(QStringView line) {
  return std::all_of(line.begin(), line.end(), [](QChar c) { return c == u' ' || c == u'\t'; });
}

// [start, end) with the blanks at either end left out.
CellRange trimmed(QStringView line, int start, int end) {
  while (start < end && (line[start] == u' ' || line[start] == u'\t')) ++start;
  while (end > start && (line[end - 1] == u' ' || line[end - 1] == u'\t')) --end;
  return {start, end};
}

QList<CellRange> cutAtTabs(QStringView line) {
  QList<CellRange> cells;
  int start = 0;
  for (int i = 0; i <= int(line.size()); ++i) {
    if (i == int(line.size()) || line[i] == u'\t') {
      cells << trimmed(line, start, i);
      start = i + 1;
    }
  }
  return cells;
}

// A line's own wide gaps: the runs of kMinimumGap or more blanks with text before and after
// them, as [first blank, first character after) in the line's characters.
std::vector<std::pair<int, int>> wideGapsOf(QStringView line) {
  std::vector<std::pair<int, int>> gaps;
  const int size = int(line.size());
  int i = 0;
  while (i < size && line[i] == u' ') ++i;
  while (i < size) {
    if (line[i] != u' ') {
      ++i;
      continue;
    }
    int run = i;
    while (run < size && line[run] == u' ') ++run;
    if (run - i >= kMinimumGap && run < size) gaps.emplace_back(i, run);
    i = run;
  }
  return gaps;
}

QList<CellRange> cutAtOwnGaps(QStringView line) {
  QList<CellRange> cells;
  int start = 0;
  while (start < int(line.size()) && line[start] == u' ') ++start;
  for (const auto &[from, to] : wideGapsOf(line)) {
    cells << trimmed(line, start, from);
    start = to;
  }
  cells << trimmed(line, start, int(line.size()));
  return cells;
}

// Where each character of a line starts, in the columns of a fixed-pitch font; one entry
// more than the line has characters, the last its width. The low half of a surrogate pair
// and a combining mark start where the character they belong to does.
std::vector<int> columnsOf(QStringView line) {
  std::vector<int> starts(std::size_t(line.size()) + 1, 0);
  int column = 0;
  for (qsizetype i = 0; i < line.size(); ++i) {
    const bool pair =
        line[i].isHighSurrogate() && i + 1 < line.size() && line[i + 1].isLowSurrogate();
    starts[std::size_t(i)] = column;
    if (pair) starts[std::size_t(i + 1)] = column;
    column += displayWidth(line.mid(i, pair ? 2 : 1));
    if (pair) ++i;
  }
  starts.back() = column;
  return starts;
}

}  // namespace

QList<QList<CellRange>> cellsOfLines(const QStringList &lines) {
  QList<QList<CellRange>> result;
  result.reserve(lines.size());
  const bool tabs = std::any_of(lines.begin(), lines.end(),
                                [](const QString &line) { return line.contains(u'\t'); });
  if (tabs) {
    for (const QString &line : lines)
      result << (isBlankLine(line) ? QList<CellRange>() : cutAtTabs(line));
    return result;
  }

  // The columns that are blank in every line of text.
  std::vector<std::vector<int>> starts;
  starts.reserve(std::size_t(lines.size()));
  int width = 0;
  for (const QString &line : lines) {
    starts.push_back(columnsOf(line));
    width = std::max(width, starts.back().back());
  }
  std::vector<bool> blank(std::size_t(width), true);
  for (qsizetype l = 0; l < lines.size(); ++l) {
    const QString &line = lines[l];
    const std::vector<int> &at = starts[std::size_t(l)];
    for (qsizetype i = 0; i < line.size(); ++i) {
      if (line[i] == u' ') continue;
      for (int c = at[std::size_t(i)]; c < std::max(at[std::size_t(i) + 1], at[std::size_t(i)] + 1);
           ++c)
        if (c < width) blank[std::size_t(c)] = false;
    }
  }
  // The gaps: runs of blank columns long enough, with text on both sides. A column starts
  // at the end of each gap.
  std::vector<std::pair<int, int>> gaps;
  int firstText = 0;
  while (firstText < width && blank[std::size_t(firstText)]) ++firstText;
  for (int c = firstText; c < width;) {
    if (!blank[std::size_t(c)]) {
      ++c;
      continue;
    }
    int run = c;
    while (run < width && blank[std::size_t(run)]) ++run;
    if (run - c >= kMinimumGap && run < width) gaps.emplace_back(c, run);
    c = run;
  }
  // A layout of columns holds a line's own wide gaps in its gaps. A line whose own gap
  // stands outside them (a cell of two words far apart, or columns not lined up) shows
  // there is no such layout.
  const auto ownGapsFit = [&](qsizetype l) {
    const std::vector<int> &at = starts[std::size_t(l)];
    for (const auto &[first, after] : wideGapsOf(lines[l])) {
      const int from = at[std::size_t(first)];
      const int to = at[std::size_t(after)];
      if (std::none_of(gaps.begin(), gaps.end(), [&](const std::pair<int, int> &gap) {
            return from < gap.second && gap.first < to;
          }))
        return false;
    }
    return true;
  };
  bool layout = !gaps.empty();
  for (qsizetype l = 0; layout && l < lines.size(); ++l) layout = ownGapsFit(l);

  if (!layout) {
    for (const QString &line : lines)
      result << (isBlankLine(line) ? QList<CellRange>() : cutAtOwnGaps(line));
    return result;
  }
  std::vector<int> columnStarts{0};
  for (const auto &gap : gaps) columnStarts.push_back(gap.second);
  for (qsizetype l = 0; l < lines.size(); ++l) {
    const QString &line = lines[l];
    QList<CellRange> cells;
    if (!isBlankLine(line)) {
      const std::vector<int> &at = starts[std::size_t(l)];
      int index = 0;
      for (std::size_t column = 0; column < columnStarts.size(); ++column) {
        const int until = column + 1 < columnStarts.size() ? columnStarts[column + 1] : width + 1;
        const int start = index;
        while (index < int(line.size()) && at[std::size_t(index)] < until) ++index;
        cells << trimmed(line, start, index);
      }
      // Cells left empty at the line's end are no cells of it.
      while (cells.size() > 1 && cells.back().start == cells.back().end) cells.removeLast();
    }
    result << cells;
  }
  return result;
}

bool isHeaderRule(QStringView line) {
  int marks = 0;
  for (const QChar c : line) {
    if (c == u'-' || c == u'=')
      ++marks;
    else if (c != u' ' && c != u'\t' && c != u'+' && c != u'|')
      return false;
  }
  return marks >= 3;
}

}  // namespace quillmark::richtext
