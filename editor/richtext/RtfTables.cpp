#include "RtfTables.h"

#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextTableFormat>
#include <algorithm>

namespace quillmark::richtext {

namespace {

// Merges rebuild the table's cell grid, which costs time in its cells: they stop where their
// work would pass this many cells.
constexpr std::int64_t kMergeCellBudget = 20'000'000;

// Cells moved to the columns of their edges when the table ends, each some tens of
// microseconds: past this many, every cell keeps the column of its count.
constexpr std::int64_t kMoveCellBudget = 20'000;

// Row edges this close to each other, in twips, are one edge of the table's grid (a point).
constexpr int kEdgeTolerance = 20;

QTextBlockFormat alignedFormat(Alignment alignment) {
  QTextBlockFormat format;
  if (alignment != Alignment::Left) format.setAlignment(qtAlignment(alignment));
  return format;
}

}  // namespace

void TableBuilder::startRow(int definedCells) {
  if (inRow_) return;
  inRow_ = true;
  column_ = 0;
  cellsInRow_ = 0;
  columnJoined_ = false;
  entered_ = false;
  pendingBlank_ = false;
  if (table_ == nullptr) {
    table_ = cursor_.insertTable(1, std::clamp(definedCells, 1, kMaxTableColumns));
    rowsUsed_ = 1;
    row_ = 0;
    width_ = 0;
    rowJoined_ = false;
    header_ = false;
    ended_ = false;
    clear();
    return;
  }
  if (rowsUsed_ < kMaxTableRows) {
    row_ = rowsUsed_++;
    rowJoined_ = false;
    if (row_ >= table_->rows()) {
      table_->appendRows(std::min(kMaxTableRows, table_->rows() * 2) - table_->rows());
    }
  } else {
    row_ = kMaxTableRows - 1;
    rowJoined_ = true;
  }
}

// The cursor goes to the cell being read: to its start when it is a cell of its own, to its
// end when its text joins what is there.
void TableBuilder::enterCell() {
  if (entered_) return;
  entered_ = true;
  if (column_ >= table_->columns()) {
    table_->appendColumns(std::min(kMaxTableColumns, std::max(column_ + 1, table_->columns() * 2)) -
                          table_->columns());
  }
  const QTextTableCell cell = table_->cellAt(row_, column_);
  if (rowJoined_ || columnJoined_) {
    cursor_.setPosition(cell.lastPosition());
    pendingBlank_ = cell.lastPosition() > cell.firstPosition();
  } else {
    cursor_.setPosition(cell.firstPosition());
  }
}

void TableBuilder::prepareText() {
  enterCell();
  if (std::exchange(pendingBlank_, false)) cursor_.insertText(QString(QChar(u' ')));
}

void TableBuilder::endParagraph(Alignment alignment, const QTextCharFormat &chars) {
  if (rowJoined_ || columnJoined_) {
    enterCell();
    pendingBlank_ = !cursor_.atBlockStart();
    return;
  }
  prepareText();
  cursor_.setBlockFormat(alignedFormat(alignment));
  cursor_.insertBlock(QTextBlockFormat(), chars);
}

void TableBuilder::endCell(Alignment alignment) {
  if (!rowJoined_ && !columnJoined_ && (entered_ || alignment != Alignment::Left)) {
    enterCell();
    cursor_.setBlockFormat(alignedFormat(alignment));
  }
  cellsInRow_ = std::min(cellsInRow_ + 1, kMaxTableColumns);
  ended_ = true;
  if (column_ + 1 < kMaxTableColumns) {
    ++column_;
    entered_ = false;
  } else if (entered_) {
    // Further cells join the last one.
    columnJoined_ = true;
    pendingBlank_ = !cursor_.atBlockStart();
  } else {
    columnJoined_ = true;
  }
  if (!entered_) pendingBlank_ = false;
}

void TableBuilder::endRow(const RowDefinition &definition) {
  if (!inRow_) return;
  if (entered_ && !columnJoined_ && (ended_ || !openEnded_)) {
    // Text after the row's last cell is a cell of its own.
    cellsInRow_ = std::min(cellsInRow_ + 1, kMaxTableColumns);
  }
  inRow_ = false;
  width_ = std::max(width_, cellsInRow_);
  if (row_ == 0) header_ = definition.header;
  if (rowJoined_) return;
  // Rows in a row mostly share their definition: it is kept once for them.
  if (definitions_.empty() || definitions_.back() != definition.cells) {
    definitions_.push_back(definition.cells);
  }
  if (rowsRead_.size() <= std::size_t(row_)) rowsRead_.resize(std::size_t(row_) + 1);
  rowsRead_[std::size_t(row_)] = {int(definitions_.size()) - 1, cellsInRow_};
}

int TableBuilder::placeCells() {
  // The grid's column edges: the rows' edges, those within kEdgeTolerance of the one before
  // them being one edge (the greatest), as rows that line up may differ by a rounding.
  std::vector<int> edges;
  for (const auto &cells : definitions_) {
    for (const RowDefinition::Cell &cell : cells) {
      if (cell.edge != RowDefinition::kNoEdge) edges.push_back(cell.edge);
    }
  }
  std::sort(edges.begin(), edges.end());
  edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
  std::vector<int> grid;
  std::int64_t clusterStart = 0;
  for (const int edge : edges) {
    if (grid.empty() || edge - clusterStart > kEdgeTolerance) {
      grid.push_back(edge);
      clusterStart = edge;
    } else {
      grid.back() = edge;
    }
  }
  // A cell starts where the one before it ended and ends at its edge's column, taking one
  // column at least (an edge short of the one before, or none, gives one).
  places_.assign(definitions_.size(), {});
  std::vector<std::size_t> firstMoved(definitions_.size());
  for (std::size_t d = 0; d < definitions_.size(); ++d) {
    int end = 0;
    std::vector<Place> &places = places_[d];
    for (const RowDefinition::Cell &cell : definitions_[d]) {
      const int start = end;
      end = start + 1;
      if (cell.edge != RowDefinition::kNoEdge) {
        const auto column = std::lower_bound(grid.begin(), grid.end(), cell.edge);
        end = std::max(end, int(column - grid.begin()) + 1);
      }
      places.push_back({start, end});
    }
    firstMoved[d] = places.size();
    for (std::size_t i = 0; i < places.size(); ++i) {
      if (places[i].start != int(i)) {
        firstMoved[d] = i;
        break;
      }
    }
  }
  // Once a cell is past the column of its count, so are the cells after it.
  int width = 0;
  std::int64_t moves = 0;
  for (const RowRead &row : rowsRead_) {
    if (row.cells == 0) continue;
    width = std::max(width, placeOf(row, row.cells - 1).end);
    moves += std::max<std::int64_t>(0, row.cells - std::int64_t(firstMoved[row.definition]));
  }
  if (width > kMaxTableColumns || moves > kMoveCellBudget) {
    for (std::vector<Place> &places : places_) {
      for (std::size_t i = 0; i < places.size(); ++i) places[i] = {int(i), int(i) + 1};
    }
    return 0;
  }
  return width;
}

TableBuilder::Place TableBuilder::placeOf(const RowRead &row, int cell) const {
  const std::vector<Place> &places = places_[std::size_t(row.definition)];
  if (std::size_t(cell) < places.size()) return places[std::size_t(cell)];
  // Cells past the definition's take a column each after its last.
  const int start = (places.empty() ? 0 : places.back().end) + cell - int(places.size());
  return {start, start + 1};
}

// Moves the text of a row's cell, its paragraphs with their formats, into the empty cell
// `to` columns along, leaving it empty.
void TableBuilder::moveCell(int row, int from, int to) {
  const QTextTableCell source = table_->cellAt(row, from);
  QTextCursor target = table_->cellAt(row, to).firstCursorPosition();
  const int last = source.lastPosition();
  for (QTextBlock block = table_->document()->findBlock(source.firstPosition());
       block.isValid() && block.position() <= last; block = block.next()) {
    if (block.position() == source.firstPosition()) {
      target.setBlockFormat(block.blockFormat());
      target.setBlockCharFormat(block.charFormat());
    } else {
      target.insertBlock(block.blockFormat(), block.charFormat());
    }
    for (auto it = block.begin(); !it.atEnd(); ++it)
      target.insertText(it.fragment().text(), it.fragment().charFormat());
  }
  QTextCursor text = source.firstCursorPosition();
  text.setPosition(last, QTextCursor::KeepAnchor);
  text.removeSelectedText();
  text.setBlockFormat(QTextBlockFormat());
}

// The merges of a row's cells: a cell over several grid columns, cells merged across with
// "\clmgf" and "\clmrg", and merges down a column, which stay open in vertical_ while the
// rows below continue them.
void TableBuilder::mergeRow(int row, const RowRead &read) {
  const std::vector<RowDefinition::Cell> &cells = definitions_[std::size_t(read.definition)];
  const int defined = std::min(int(cells.size()), read.cells);
  for (int i = 0; i < read.cells; ++i) {
    const Place place = placeOf(read, i);
    const RowDefinition::Cell cell = i < defined ? cells[std::size_t(i)] : RowDefinition::Cell{};
    int end = place.end;
    if (cell.horizontal == CellMerge::First) {
      while (i + 1 < defined && cells[std::size_t(i) + 1].horizontal == CellMerge::Continue) {
        end = placeOf(read, ++i).end;
      }
    }
    const std::size_t column = std::size_t(place.start);
    Span &open = vertical_[column];
    if (cell.vertical == CellMerge::Continue && open.rows > 0 && open.row + open.rows == row) {
      ++open.rows;
      continue;
    }
    closeVertical(column);
    const Span span{row, place.start, 1, end - place.start};
    if (cell.vertical == CellMerge::First) {
      open = span;
    } else if (span.columns > 1) {
      spans_.push_back(span);
    }
  }
  // Merges down that this row did not continue end above it.
  for (std::size_t column = 0; column < vertical_.size(); ++column) {
    if (vertical_[column].rows > 0 && vertical_[column].row + vertical_[column].rows <= row)
      closeVertical(column);
  }
}

void TableBuilder::closeVertical(std::size_t column) {
  Span &open = vertical_[column];
  if (open.rows > 1 || open.columns > 1) spans_.push_back(open);
  open = Span{0, 0, 0, 0};
}

void TableBuilder::finish(const RowDefinition &definition) {
  if (table_ == nullptr) return;
  if (inRow_) {
    openEnded_ = true;
    endRow(definition);
    openEnded_ = false;
  }
  if (width_ == 0) {
    // No cell ended: the text is the paragraph's.
    QTextTable *const table = std::exchange(table_, nullptr);
    QStringList parts;
    for (int row = 0; row < rowsUsed_; ++row) {
      const QTextTableCell cell = table->cellAt(row, 0);
      QTextCursor text = cell.firstCursorPosition();
      text.setPosition(cell.lastPosition(), QTextCursor::KeepAnchor);
      parts << text.selectedText().replace(QChar::ParagraphSeparator, u' ').trimmed();
    }
    parts.removeAll(QString());
    table->removeRows(0, table->rows());
    cursor_.movePosition(QTextCursor::End);
    cursor_.insertText(parts.join(u' '));
    clear();
    return;
  }
  if (table_->rows() > rowsUsed_) table_->removeRows(rowsUsed_, table_->rows() - rowsUsed_);
  if (table_->columns() > width_) table_->removeColumns(width_, table_->columns() - width_);
  // Empty cells at the ends of rows take no column of their own until here.
  if (table_->columns() < width_) table_->appendColumns(width_ - table_->columns());
  const int placedWidth = placeCells();
  if (placedWidth > width_) table_->appendColumns(placedWidth - width_);
  if (placedWidth > 0) {
    // Each row's cells from its last, so that a cell moves into one already emptied.
    for (std::size_t row = 0; row < rowsRead_.size(); ++row) {
      for (int i = rowsRead_[row].cells - 1; i >= 0; --i) {
        const int start = placeOf(rowsRead_[row], i).start;
        if (start != i) moveCell(int(row), i, start);
      }
    }
  }
  const int width = table_->columns();
  vertical_.assign(std::size_t(width), Span{0, 0, 0, 0});
  for (std::size_t row = 0; row < rowsRead_.size(); ++row) mergeRow(int(row), rowsRead_[row]);
  for (std::size_t i = 0; i < vertical_.size(); ++i) closeVertical(i);
  QTextTable *const table = std::exchange(table_, nullptr);
  const std::int64_t cells = std::int64_t(table->rows()) * width;
  std::int64_t budget = kMergeCellBudget;
  for (const Span &span : spans_) {
    if (span.column + span.columns > width) continue;
    budget -= cells;
    if (budget < 0) break;
    table->mergeCells(span.row, span.column, span.rows, span.columns);
  }
  if (header_) {
    QTextTableFormat format = table->format();
    format.setHeaderRowCount(1);
    table->setFormat(format);
    setHeaderLook(*table, 0, true);
  }
  clear();
  cursor_.movePosition(QTextCursor::End);
}

void TableBuilder::clear() {
  spans_.clear();
  vertical_.clear();
  definitions_.clear();
  rowsRead_.clear();
  places_.clear();
}

}  // namespace quillmark::richtext
