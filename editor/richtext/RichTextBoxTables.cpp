// RichTextBox's tables: inserting one, its rows, columns, header row and column alignment,
// moving from cell to cell, and turning lines of text into a table and a table into a
// fixed-columns block. A table is held as DocumentModel.h says: in the root frame, its cells
// holding formatted text only.
#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocumentFragment>
#include <QTextImageFormat>
#include <QTextList>
#include <QTextTable>
#include <algorithm>

#include "richtext/DocumentModel.h"
#include "richtext/FixedColumns.h"
#include "richtext/RichTextBox.h"
#include "richtext/SelectedBlocks.h"
#include "richtext/TextColumns.h"

using namespace Qt::StringLiterals;

namespace quillmark::richtext {

namespace {

QTextTable *tableAt(const QTextDocument &document, int position) {
  QTextCursor cursor(document.findBlock(position));
  if (cursor.isNull()) return nullptr;
  cursor.setPosition(position);
  return cursor.currentTable();
}

// Whether the paragraph is part of a structure a table may not stand in.
bool isStructured(const QTextBlock &block) {
  const QTextBlockFormat format = block.blockFormat();
  return block.textList() != nullptr || quoteLevelOf(format) > 0 || format.headingLevel() > 0 ||
         format.hasProperty(QTextFormat::BlockTrailingHorizontalRulerWidth);
}

// The cell whose first place is (row, column), or an invalid cell where a spanning cell
// from elsewhere covers it.
QTextTableCell ownCell(const QTextTable &table, int row, int column) {
  const QTextTableCell cell = table.cellAt(row, column);
  return cell.row() == row && cell.column() == column ? cell : QTextTableCell();
}

// A cursor over the whole of a cell's text.
QTextCursor cellText(const QTextTableCell &cell) {
  QTextCursor cursor = cell.firstCursorPosition();
  cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
  return cursor;
}

Alignment cellAlignment(const QTextTableCell &cell) {
  return alignmentOf(cell.firstCursorPosition().blockFormat());
}

void setCellAlignment(const QTextTableCell &cell, Alignment alignment) {
  QTextBlockFormat format;
  format.setAlignment(qtAlignment(alignment));
  cellText(cell).mergeBlockFormat(format);
}

// The rows and columns of the cells the selection touches: first and count.
struct CellSpan {
  int row = 0;
  int rows = 1;
  int column = 0;
  int columns = 1;
};

CellSpan selectedCells(const QTextCursor &cursor, const QTextTable &table) {
  const QTextTableCell first = table.cellAt(cursor.selectionStart());
  const QTextTableCell last = table.cellAt(cursor.selectionEnd());
  CellSpan span;
  span.row = std::min(first.row(), last.row());
  span.column = std::min(first.column(), last.column());
  span.rows = std::max(first.row() + first.rowSpan(), last.row() + last.rowSpan()) - span.row;
  span.columns = std::max(first.column() + first.columnSpan(), last.column() + last.columnSpan()) -
                 span.column;
  return span;
}

// A new row takes the alignment of each column from the row `from`.
void alignLikeRow(QTextTable &table, int row, int from) {
  if (from < 0 || from >= table.rows()) return;
  for (int column = 0; column < table.columns(); ++column) {
    const QTextTableCell source = ownCell(table, from, column);
    const QTextTableCell target = ownCell(table, row, column);
    if (source.isValid() && target.isValid() && cellAlignment(source) != Alignment::Left)
      setCellAlignment(target, cellAlignment(source));
  }
}

// The face a fixed-columns block lines its columns up with means nothing in a cell, where
// the table lines them up: text in it takes the document's face.
void dropFixedFace(QTextDocument &document, int from, int to) {
  const QString fixed = QString::fromUtf16(kFixedFontName);
  for (QTextBlock block = document.findBlock(from); block.isValid() && block.position() < to;
       block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      QTextCharFormat format = fragment.charFormat();
      const QStringList families = format.fontFamilies().toStringList();
      if (families.isEmpty() || families.first() != fixed) continue;
      format.clearProperty(QTextFormat::FontFamilies);
      format.clearProperty(QTextFormat::FontFamily);
      format.clearProperty(kFaceKeyProperty);
      QTextCursor cursor(&document);
      cursor.setPosition(fragment.position());
      cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
      cursor.setCharFormat(format);
    }
  }
}

// Whether every character of the line but its blanks is bold, and it has some.
bool allBold(const QTextBlock &block) {
  bool any = false;
  for (auto it = block.begin(); !it.atEnd(); ++it) {
    const QTextFragment fragment = it.fragment();
    if (fragment.text().trimmed().isEmpty()) continue;
    if (!isBold(fragment.charFormat())) return false;
    any = true;
  }
  return any;
}

constexpr qreal kNewColumnPixels = 60;  // the least width of an inserted column's text

// Gives `column` of `table` a fixed width of `pixels`, the other columns' widths as they were.
void giveColumnWidth(QTextTable &table, int column, qreal pixels) {
  QTextTableFormat format = table.format();
  QList<QTextLength> widths = format.columnWidthConstraints();
  widths.resize(table.columns(), QTextLength(QTextLength::VariableLength, 0));
  widths[column] = QTextLength(QTextLength::FixedLength, pixels);
  format.setColumnWidthConstraints(widths);
  table.setFormat(format);
}

// Replaces the text `cursor` selects, whole paragraphs, with an empty table and returns it.
// The table follows the paragraph before; the paragraph after it is an empty one of normal
// text (a table is always followed by a paragraph).
QTextTable *replaceWithTable(QTextCursor cursor, int rows, int columns, bool headerRow) {
  cursor.removeSelectedText();
  cursor.setBlockFormat(QTextBlockFormat());
  cursor.setBlockCharFormat(QTextCharFormat());
  cursor.setCharFormat(QTextCharFormat());
  const QTextBlock emptied = cursor.block();
  if (emptied.previous().isValid() && !tableAt(*cursor.document(), emptied.position() - 1))
    cursor.deletePreviousChar();
  return cursor.insertTable(rows, columns, newTableFormat(headerRow));
}

}  // namespace

bool RichTextBox::selInTable() const {
  bool found = false;
  forEachSelectedBlock(textCursor(), [&found](const QTextBlock &block) {
    found = QTextCursor(block).currentTable() != nullptr;
    return !found;
  });
  return found;
}

QTextTable *RichTextBox::selTable() const {
  const QTextCursor cursor = textCursor();
  QTextTable *table = tableAt(*document(), cursor.selectionStart());
  return table && tableAt(*document(), cursor.selectionEnd()) == table ? table : nullptr;
}

bool RichTextBox::canInsertTable() const {
  return !selInTable() && !insideFixedColumns(*document(), textCursor().selectionEnd());
}

bool RichTextBox::insertTable(int rows, int columns, bool headerRow) {
  if (!canInsertTable()) return false;
  rows = std::clamp(rows, 1, kMaxTableRows);
  columns = std::clamp(columns, 1, kMaxTableColumns);
  QTextCursor cursor = textCursor();
  cursor.setPosition(cursor.selectionEnd());
  const QTextBlockFormat paragraph = cursor.blockFormat();
  const bool structured = isStructured(cursor.block());
  {
    UndoStep step(*this);
    if (structured) cursor.movePosition(QTextCursor::EndOfBlock);
    QTextTable *table = cursor.insertTable(rows, columns, newTableFormat(headerRow));
    if (headerRow) setHeaderLook(*table, 0, true);
    // The rest of a parted paragraph keeps the paragraph's own format after the table.
    QTextCursor after(document());
    after.setPosition(table->lastPosition() + 1);
    if (!structured && after.block().length() > 1) after.setBlockFormat(paragraph);
  }
  setTextCursor(cursor);
  return true;
}

bool RichTextBox::canEditTable(TableEdit edit) const {
  const QTextTable *table = selTable();
  if (!table) return false;
  switch (edit) {
    case TableEdit::RowAbove:
    case TableEdit::RowBelow:
      return table->rows() < kMaxTableRows;
    case TableEdit::ColumnLeft:
    case TableEdit::ColumnRight:
      return table->columns() < kMaxTableColumns;
    case TableEdit::DeleteRows:
    case TableEdit::DeleteColumns:
    case TableEdit::DeleteTable:
      break;
  }
  return true;
}

bool RichTextBox::editTable(TableEdit edit) {
  if (!canEditTable(edit)) return false;
  QTextTable &table = *selTable();
  const CellSpan span = selectedCells(textCursor(), table);
  // A new column is as wide as the table's columns are on average: empty, it would be only
  // as wide as its padding.
  const qreal width =
      std::max(kNewColumnPixels,
               document()->documentLayout()->frameBoundingRect(&table).width() / table.columns() -
                   2 * table.format().cellPadding());
  UndoStep step(*this);
  switch (edit) {
    case TableEdit::RowAbove:
      table.insertRows(span.row, 1);
      alignLikeRow(table, span.row, span.row + 1);
      break;
    case TableEdit::RowBelow: {
      const int row = span.row + span.rows;
      if (row >= table.rows())
        table.appendRows(1);
      else
        table.insertRows(row, 1);
      alignLikeRow(table, row, row - 1);
      break;
    }
    case TableEdit::ColumnLeft:
      table.insertColumns(span.column, 1);
      giveColumnWidth(table, span.column, width);
      break;
    case TableEdit::ColumnRight: {
      const int column = span.column + span.columns;
      if (column >= table.columns())
        table.appendColumns(1);
      else
        table.insertColumns(column, 1);
      giveColumnWidth(table, column, width);
      break;
    }
    case TableEdit::DeleteRows:
      if (span.row == 0 && span.rows >= table.rows()) {
        table.removeRows(0, table.rows());
        break;
      }
      // The header is the first row: without it the table has none, rather than taking
      // the next row for one.
      if (span.row == 0 && table.format().headerRowCount() > 0) {
        QTextTableFormat format = table.format();
        format.setHeaderRowCount(0);
        table.setFormat(format);
      }
      table.removeRows(span.row, span.rows);
      break;
    case TableEdit::DeleteColumns:
      if (span.column == 0 && span.columns >= table.columns())
        table.removeRows(0, table.rows());
      else
        table.removeColumns(span.column, span.columns);
      break;
    case TableEdit::DeleteTable:
      table.removeRows(0, table.rows());
      return true;
  }
  // A row above the header is the header now, the old one a row of the body; a new column's
  // header cell has the header's look.
  // (Deleting may have taken the table away: it is not looked at after that.)
  const bool column = edit == TableEdit::ColumnLeft || edit == TableEdit::ColumnRight;
  const bool above = edit == TableEdit::RowAbove && span.row == 0;
  if ((column || above) && table.format().headerRowCount() > 0) {
    setHeaderLook(table, 0, true);
    if (above) setHeaderLook(table, 1, false);
  }
  return true;
}

bool RichTextBox::setColumnAlignment(Alignment alignment) {
  QTextTable *table = selTable();
  if (!table) return false;
  const CellSpan span = selectedCells(textCursor(), *table);
  UndoStep step(*this);
  for (int column = span.column; column < span.column + span.columns; ++column) {
    for (int row = 0; row < table->rows(); ++row) {
      const QTextTableCell cell = ownCell(*table, row, column);
      if (cell.isValid()) setCellAlignment(cell, alignment);
    }
  }
  return true;
}

bool RichTextBox::tableHeaderRow() const {
  const QTextTable *table = selTable();
  return table && table->format().headerRowCount() > 0;
}

bool RichTextBox::setTableHeaderRow(bool on) {
  QTextTable *table = selTable();
  if (!table || (table->format().headerRowCount() > 0) == on) return false;
  UndoStep step(*this);
  QTextTableFormat format = table->format();
  format.setHeaderRowCount(on ? 1 : 0);
  table->setFormat(format);
  setHeaderLook(*table, 0, on);
  return true;
}

bool RichTextBox::convertTextToTable(QString *error) {
  const auto fail = [error](const QString &reason) {
    if (error) *error = reason;
    return false;
  };
  if (selInTable()) return fail(tr("The selection is in a table already."));
  QTextDocument &doc = *document();
  const QTextCursor selection = textCursor();

  // The lines: those of the fixed-columns block the insertion point is in, else the
  // paragraphs the selection touches.
  QList<QTextBlock> lines;
  QTextCursor replaced(&doc);
  QTextCursor beginMarker;  // a marker that shares its paragraph with other text
  QTextCursor endMarker;
  const int position = selection.selectionStart();
  if (insideFixedColumns(doc, position)) {
    const QString begin = qs(kFixedBegin);
    const QString end = qs(kFixedEnd);
    QTextBlock first = doc.findBlock(position);
    while (first.isValid()) {
      QString text = first.text();
      if (first.contains(position)) text.truncate(position - first.position());
      if (text.contains(begin)) break;
      first = first.previous();
    }
    if (!first.isValid()) return fail(tr("The fixed-columns block has no beginning."));
    QTextBlock last = first.next();
    while (last.isValid() && !last.text().contains(end)) {
      lines << last;
      last = last.next();
    }
    if (lines.isEmpty()) return fail(tr("The fixed-columns block holds no lines."));
    const qsizetype beginAt = first.text().lastIndexOf(begin);
    const bool beginAlone = first.text().trimmed() == begin;
    const bool endAlone = last.isValid() && last.text().trimmed() == end;
    replaced.setPosition(beginAlone ? first.position() : lines.first().position());
    if (!beginAlone) {
      beginMarker = QTextCursor(&doc);
      beginMarker.setPosition(first.position() + int(beginAt));
      beginMarker.setPosition(first.position() + int(beginAt + begin.size()),
                              QTextCursor::KeepAnchor);
    }
    const QTextBlock lastLine = lines.last();
    if (endAlone) {
      replaced.setPosition(last.position() + last.length() - 1, QTextCursor::KeepAnchor);
    } else {
      replaced.setPosition(lastLine.position() + lastLine.length() - 1, QTextCursor::KeepAnchor);
      if (last.isValid()) {
        const qsizetype endAt = last.text().indexOf(end);
        endMarker = QTextCursor(&doc);
        endMarker.setPosition(last.position() + int(endAt));
        endMarker.setPosition(last.position() + int(endAt + end.size()), QTextCursor::KeepAnchor);
      }
    }
  } else {
    if (!selection.hasSelection())
      return fail(
          tr("Select the lines to make a table of, or put the insertion point in a fixed-columns "
             "block."));
    lines = selectedBlocks(selection);
    // Lines selected whole end at the start of the next one, which is not among them.
    if (lines.size() > 1 && selection.selectionEnd() == lines.last().position()) lines.removeLast();
    replaced.setPosition(lines.first().position());
    replaced.setPosition(lines.last().position() + lines.last().length() - 1,
                         QTextCursor::KeepAnchor);
  }

  // The header: the line before a rule, or a first line all bold.
  bool headerRow = false;
  if (lines.size() > 2 && isHeaderRule(lines[1].text())) {
    headerRow = true;
    lines.removeAt(1);
  } else if (lines.size() > 1 && allBold(lines.first())) {
    headerRow = true;
  }
  QStringList texts;
  for (const QTextBlock &line : lines) texts << line.text();
  if (std::any_of(texts.begin(), texts.end(), [](const QString &text) {
        return text.contains(QChar::ObjectReplacementCharacter);
      }))
    return fail(tr("A table's cells hold text only, and the lines hold a picture."));
  const QList<QList<CellRange>> cells = cellsOfLines(texts);

  // Each cell's text with its formatting, taken before anything changes. Blank lines make
  // no row; cells past the last column the document holds join the last one.
  QList<QList<QTextDocumentFragment>> rows;
  int columns = 1;
  for (qsizetype l = 0; l < lines.size(); ++l) {
    QList<CellRange> ranges = cells[l];
    if (ranges.isEmpty()) continue;
    if (ranges.size() > kMaxTableColumns) {
      ranges[kMaxTableColumns - 1].end = ranges.back().end;
      ranges.resize(kMaxTableColumns);
    }
    QList<QTextDocumentFragment> row;
    for (const CellRange &range : ranges) {
      QTextCursor cell(lines[l]);
      cell.setPosition(lines[l].position() + range.start);
      cell.setPosition(lines[l].position() + range.end, QTextCursor::KeepAnchor);
      row << cell.selection();
    }
    columns = std::max(columns, int(row.size()));
    rows << row;
  }
  if (rows.isEmpty()) return fail(tr("The lines hold no text to make a table of."));
  if (rows.size() > kMaxTableRows)
    return fail(
        tr("A table holds at most %1 rows; the lines are %2.").arg(kMaxTableRows).arg(rows.size()));
  if (rows.size() == 1) headerRow = false;

  QTextCursor at;
  {
    UndoStep step(*this);
    QTextTable *table = replaceWithTable(replaced, int(rows.size()), columns, headerRow);
    for (qsizetype r = 0; r < rows.size(); ++r) {
      for (qsizetype c = 0; c < rows[r].size(); ++c) {
        if (rows[r][c].isEmpty()) continue;
        table->cellAt(int(r), int(c)).firstCursorPosition().insertFragment(rows[r][c]);
      }
    }
    dropFixedFace(doc, table->firstPosition(), table->lastPosition());
    if (!beginMarker.isNull()) beginMarker.removeSelectedText();
    if (!endMarker.isNull()) endMarker.removeSelectedText();
    at = table->cellAt(0, 0).firstCursorPosition();
  }
  setTextCursor(at);
  return true;
}

bool RichTextBox::convertTableToText() {
  QTextTable *table = selTable();
  if (!table) return false;
  QList<QStringList> rows;
  rows.reserve(table->rows());
  for (int row = 0; row < table->rows(); ++row) {
    QStringList cells;
    for (int column = 0; column < table->columns(); ++column) {
      const QTextTableCell cell = ownCell(*table, row, column);
      cells << (cell.isValid() ? cellLine(cellText(cell).selectedText()) : QString());
    }
    rows << cells;
  }
  const QStringList lines = fixedColumnsBlock(rows);
  const QTextCharFormat fixed = fixedColumnsFormat();
  QTextCursor cursor(document());
  {
    UndoStep step(*this);
    const int before = table->firstPosition() - 1;  // the end of the paragraph before it
    table->removeRows(0, table->rows());
    cursor.setPosition(before);
    for (const QString &line : lines) {
      cursor.insertBlock(QTextBlockFormat(), fixed);
      cursor.insertText(line, fixed);
    }
  }
  setTextCursor(cursor);
  return true;
}

void RichTextBox::reduceToCellText(QTextDocument &document) {
  // Tables, the last first so that the positions of those before stay.
  QList<QTextTable *> tables;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    QTextTable *table = QTextCursor(block).currentTable();
    if (table && (tables.isEmpty() || tables.back() != table) && !tables.contains(table))
      tables << table;
  }
  for (qsizetype t = tables.size() - 1; t >= 0; --t) {
    QTextTable *table = tables[t];
    // A table inside another goes with the outer one's text.
    if (table->parentFrame() != document.rootFrame()) continue;
    QStringList rows;
    for (int row = 0; row < table->rows(); ++row) {
      QStringList cells;
      for (int column = 0; column < table->columns(); ++column) {
        const QTextTableCell cell = ownCell(*table, row, column);
        if (!cell.isValid()) continue;
        QString text = cellText(cell).selectedText();
        text.removeIf([](QChar c) { return c == QChar::ObjectReplacementCharacter; });
        text = cellLine(text);
        if (!text.isEmpty()) cells << text;
      }
      if (!cells.isEmpty()) rows << cells.join(u' ');
    }
    const int before = table->firstPosition() - 1;
    table->removeRows(0, table->rows());
    QTextCursor cursor(&document);
    cursor.setPosition(before);
    for (const QString &row : rows) {
      cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
      cursor.insertText(row, QTextCharFormat());
    }
  }
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    // Pictures become links, the last of a paragraph first.
    QList<QTextFragment> pictures;
    for (auto it = block.begin(); !it.atEnd(); ++it)
      if (it.fragment().charFormat().isImageFormat()) pictures << it.fragment();
    for (qsizetype i = pictures.size() - 1; i >= 0; --i) {
      const QTextFragment &picture = pictures[i];
      const QTextImageFormat image = picture.charFormat().toImageFormat();
      QString shown = image.stringProperty(QTextFormat::ImageAltText).trimmed();
      if (shown.isEmpty()) shown = image.name();
      QTextCharFormat link;
      setLink(link, image.name());
      QTextCursor cursor(&document);
      cursor.setPosition(picture.position());
      cursor.setPosition(picture.position() + picture.length(), QTextCursor::KeepAnchor);
      cursor.insertText(QString(shown).repeated(int(picture.length())), link);
    }
    QTextBlockFormat format = block.blockFormat();
    if (!block.textList() && quoteLevelOf(format) == 0 && format.headingLevel() <= 0 &&
        !format.hasProperty(QTextFormat::BlockTrailingHorizontalRulerWidth))
      continue;
    format.setObjectIndex(-1);
    format.setLeftMargin(
        std::max(0.0, format.leftMargin() - quoteLevelOf(format) * kQuoteIndentPixels));
    format.clearProperty(QTextFormat::BlockQuoteLevel);
    format.clearProperty(QTextFormat::HeadingLevel);
    format.clearProperty(QTextFormat::BlockTrailingHorizontalRulerWidth);
    QTextCursor(block).setBlockFormat(format);
  }
}

bool RichTextBox::moveToCell(bool back) {
  QTextCursor cursor = textCursor();
  QTextTable *table = cursor.currentTable();
  if (!table) return false;
  const QTextTableCell cell = table->cellAt(cursor.position());
  const int columns = table->columns();
  int index = cell.row() * columns + cell.column();
  QTextTableCell target = cell;
  for (;;) {
    index += back ? -1 : 1;
    if (index < 0) break;  // Shift+Tab in the first cell goes to its start
    if (index >= table->rows() * columns) {
      if (table->rows() >= kMaxTableRows) {
        target = cell;
        break;
      }
      UndoStep step(*this);
      table->appendRows(1);
      alignLikeRow(*table, table->rows() - 1, table->rows() - 2);
      target = table->cellAt(table->rows() - 1, 0);
      break;
    }
    const QTextTableCell next = ownCell(*table, index / columns, index % columns);
    if (next.isValid()) {
      target = next;
      break;
    }
  }
  setTextCursor(target.firstCursorPosition());
  return true;
}

}  // namespace quillmark::richtext
