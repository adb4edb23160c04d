#include "RtfTables.h"

#include <QStringList>
#include <QTextTableFormat>
#include <algorithm>

namespace quillmark::richtext {

namespace {

// Merges rebuild the table's cell grid, which costs time in its cells: they stop where their
// work would pass this many cells.
constexpr std::int64_t kMergeCellBudget = 20'000'000;

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
    spans_.clear();
    vertical_.clear();
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
  const std::size_t cells = std::min(definition.cells.size(), std::size_t(cellsInRow_));
  if (vertical_.size() < cells) vertical_.resize(cells, Span{0, 0, 0, 0});
  for (std::size_t i = 0; i < cells; ++i) {
    const RowDefinition::Cell &cell = definition.cells[i];
    if (cell.horizontal == CellMerge::First) {
      std::size_t last = i + 1;
      while (last < cells && definition.cells[last].horizontal == CellMerge::Continue) ++last;
      if (last - i > 1) spans_.push_back({row_, int(i), 1, int(last - i)});
    }
    Span &open = vertical_[i];
    if (cell.vertical == CellMerge::Continue && open.rows > 0 && open.row + open.rows == row_) {
      ++open.rows;
      continue;
    }
    closeVertical(i);
    if (cell.vertical == CellMerge::First) {
      int columns = 1;
      if (cell.horizontal == CellMerge::First) {
        while (i + columns < cells &&
               definition.cells[i + columns].horizontal == CellMerge::Continue) {
          ++columns;
        }
      }
      open = {row_, int(i), 1, columns};
    }
  }
  for (std::size_t i = cells; i < vertical_.size(); ++i) closeVertical(i);
}

void TableBuilder::closeVertical(std::size_t column) {
  Span &open = vertical_[column];
  if (open.rows > 1) spans_.push_back(open);
  open = Span{0, 0, 0, 0};
}

void TableBuilder::finish(const RowDefinition &definition) {
  if (table_ == nullptr) return;
  if (inRow_) {
    openEnded_ = true;
    endRow(definition);
    openEnded_ = false;
  }
  QTextTable *const table = std::exchange(table_, nullptr);
  if (width_ == 0) {
    // No cell ended: the text is the paragraph's.
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
    return;
  }
  if (table->rows() > rowsUsed_) table->removeRows(rowsUsed_, table->rows() - rowsUsed_);
  if (table->columns() > width_) table->removeColumns(width_, table->columns() - width_);
  // Empty cells at the ends of rows take no column of their own until here.
  if (table->columns() < width_) table->appendColumns(width_ - table->columns());
  for (std::size_t i = 0; i < vertical_.size(); ++i) closeVertical(i);
  const std::int64_t cells = std::int64_t(table->rows()) * table->columns();
  std::int64_t budget = kMergeCellBudget;
  for (const Span &span : spans_) {
    if (span.column + span.columns > width_) continue;
    budget -= cells;
    if (budget < 0) break;
    table->mergeCells(span.row, span.column, span.rows, span.columns);
  }
  spans_.clear();
  vertical_.clear();
  if (header_) {
    QTextTableFormat format = table->format();
    format.setHeaderRowCount(1);
    table->setFormat(format);
    setHeaderLook(*table, 0, true);
  }
  cursor_.movePosition(QTextCursor::End);
}

}  // namespace quillmark::richtext
