#pragma once
// Lines of text laid out in columns, read back as cells: what Convert Text to Table splits a
// fixed-columns block or the selected lines into. Knows nothing of the document.
#include <QList>
#include <QStringList>
#include <QStringView>

namespace quillmark::richtext {

// A cell's characters in its line, [start, end), its blanks at either end left out; an
// empty cell has start == end.
struct CellRange {
  int start = 0;
  int end = 0;
  friend bool operator==(const CellRange &, const CellRange &) = default;
};

// The cells of each line, in the lines' order. Where any line holds a tab, every line is cut
// at its tabs. Else the columns are the writer's layout: a run of two or more character
// columns (counted as a fixed-pitch font shows them, displayWidth) that is blank in every
// line that holds text, with text before and after it, stands between two columns, and a
// line's cell is its text in that column. Lines that share no such run are each cut at their
// own runs of two or more blanks. A line of blanks only has no cells.
QList<QList<CellRange>> cellsOfLines(const QStringList &lines);

// Whether a line underlines a header: dashes or equals signs (three at least), with blanks,
// tabs, '+' and '|' between them, and nothing else.
bool isHeaderRule(QStringView line);

}  // namespace quillmark::richtext
