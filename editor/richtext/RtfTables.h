#pragma once
// Tables as the RTF reader builds them: each row's cells go straight into a QTextTable at the
// reader's cursor, so that a cell's text keeps its formatting, links and paragraphs. Row
// definitions ("\trowd" to the last "\cellx") give the header row, the merged cells and the
// columns each cell takes: a "\cellx" is the cell's right edge, the table's columns lie
// between the edges of all its rows, and a cell reaching over several of them spans them.
// Knows the document model's table limits (DocumentModel.h); knows nothing of RTF syntax.
//
// Cost: the table grows by doubling its rows and columns, and is cut to what was read when
// it ends, so that Qt rebuilds its cell grid a logarithmic number of times. Cells are read
// into the columns of their count and moved to their edges' columns when the table ends,
// while the moves stay within a bound (past it every cell keeps the column of its count);
// merges, each of which rebuilds the grid, are applied while their cost stays within a
// bound, and past it the merged cells keep their text in their own places.
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextTable>
#include <cstdint>
#include <vector>

#include "DocumentModel.h"
#include "RtfKeywords.h"

namespace quillmark::richtext {

// A row's definition: whether it is a header row and how its cells merge, in their order.
struct RowDefinition {
  static constexpr int kNoEdge = INT32_MIN;  // a "\cellx" without its number

  struct Cell {
    CellMerge horizontal = CellMerge::None;
    CellMerge vertical = CellMerge::None;
    int edge = kNoEdge;  // the "\cellx": the cell's right edge, in twips

    bool operator==(const Cell &) const = default;
  };
  bool header = false;      // "\trhdr"
  std::vector<Cell> cells;  // one per "\cellx", at most kMaxTableColumns
  Cell next;                // the words of the cell whose "\cellx" is still to come

  void reset() { *this = {}; }
  void endCell(int edge) {
    next.edge = edge;
    if (cells.size() < std::size_t(kMaxTableColumns)) cells.push_back(next);
    next = {};
  }
};

class TableBuilder {
 public:
  explicit TableBuilder(QTextCursor &cursor) : cursor_(cursor) {}

  bool inTable() const { return table_ != nullptr; }
  bool inRow() const { return inRow_; }

  // A row starts; with it the table, at the cursor, when it is its first. The cursor's
  // paragraph is to be empty: what it held is the caller's to give to the first cell.
  void startRow(int definedCells);
  // Readies the cursor for text or a paragraph break in the cell being read.
  void prepareText();
  // A paragraph of the cell ends; the next starts in `chars`.
  void endParagraph(Alignment alignment, const QTextCharFormat &chars);
  void endCell(Alignment alignment);
  void endRow(const RowDefinition &definition);
  // Ends the table (and a row left open): cut to the rows and columns read, its merges and
  // header applied, the cursor in the paragraph after it. A table none of whose cells ended
  // gives its text to that paragraph instead. `definition` is the open row's.
  void finish(const RowDefinition &definition);

 private:
  struct Span {
    int row = 0;
    int column = 0;
    int rows = 1;
    int columns = 1;
  };

  // The columns of the table's grid a cell takes, from `start` up to `end`.
  struct Place {
    int start = 0;
    int end = 1;
  };
  // A row read: the definition it had (an index into definitions_) and its cells that ended.
  struct RowRead {
    int definition = 0;
    int cells = 0;
  };

  void enterCell();
  // The columns each definition's cells take (places_), and the table's width in them; the
  // width is 0 when the cells are to stay in the columns of their count.
  int placeCells();
  Place placeOf(const RowRead &row, int cell) const;
  void moveCell(int row, int from, int to);
  void mergeRow(int row, const RowRead &read);
  void closeVertical(std::size_t column);
  void clear();

  QTextCursor &cursor_;
  QTextTable *table_ = nullptr;
  bool inRow_ = false;
  int rowsUsed_ = 0;            // rows of the table that hold a row read
  int row_ = 0;                 // the row being read
  int column_ = 0;              // its cell being read
  int cellsInRow_ = 0;          // cells of it that ended
  int width_ = 0;               // the most cells a row had
  bool rowJoined_ = false;      // the row is past kMaxTableRows: its text joins the last row
  bool columnJoined_ = false;   // the cells past kMaxTableColumns join the last
  bool entered_ = false;        // the cursor is in the cell being read
  bool pendingBlank_ = false;   // text joining a cell's is to be set off by a blank
  bool header_ = false;         // the first row is a header row
  bool ended_ = false;          // a cell of the table has ended
  bool openEnded_ = false;      // the row ends with the table, not at a "\row"
  std::vector<Span> spans_;     // merged cells
  std::vector<Span> vertical_;  // per column, the vertical merge open in it (rows 0: none)
  std::vector<std::vector<RowDefinition::Cell>> definitions_;  // of rows in a row, once
  std::vector<RowRead> rowsRead_;                              // per row of the table
  std::vector<std::vector<Place>> places_;                     // per definition, its cells'
};

}  // namespace quillmark::richtext
