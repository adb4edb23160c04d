#pragma once
// Tables as fixed-columns blocks. A document holds no tables: a table that is pasted or
// opened becomes the block the Fixed Columns command makes, "{Begin Fixed}" and "{End Fixed}"
// marker paragraphs around one paragraph per row, all in the fixed face, the cells padded
// with blanks so that the columns line up in the post. The writer (tables from pasted HTML)
// and the reader (RTF tables, gathered by TableCells) both lay their tables out here.
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QTextCharFormat>
#include <QTextDocument>

#include "quillmark/convert.h"

namespace quillmark::richtext {

inline constexpr int kColumnGap = 2;  // blanks between two columns

// How many columns of a fixed-pitch font the text takes: East Asian wide and full-width
// characters two, combining marks and format characters none, every other character one.
int displayWidth(QStringView text);

// A cell's text on one line: breaks and tabs become blanks, blanks at either end go.
QString cellLine(QStringView text);

// The paragraphs of the block for a table given as rows of cell texts (each on one line,
// see cellLine): the begin marker, one line per row, the end marker. Each column is as wide
// as its widest cell, columns kColumnGap blanks apart; rows may have fewer cells than others;
// no line ends in blanks.
QStringList fixedColumnsBlock(const QList<QStringList> &rows);

// The character format of the block's paragraphs: the fixed face, all else the default.
QTextCharFormat fixedColumnsFormat();

// Whether text inserted at `position` of `document` lands inside a fixed-columns block: the
// last marker before it is "{Begin Fixed}". The markers count wherever they stand in a
// paragraph, as "Copy to Web" finds them.
bool insideFixedColumns(const QTextDocument &document, int position);

// A table read as text, cell by cell and row by row, until it ends and its rows become a
// fixed-columns block. Formatting inside it is lost; a nested table's cells stay in the
// outer cell.
class TableCells {
 public:
  bool inTable() const { return inTable_; }
  bool inRow() const { return inRow_; }

  // A row starts, the table too when it is its first; `text` begins its first cell.
  void startRow(QString text);
  // Text of the cell being read. A cell's paragraphs are joined with a blank.
  void append(QChar c) { cell_ += c; }
  void endParagraph();
  void endCell();
  void endRow();

  // What goes in the table's place when it ends: its block's lines, or for text marked as
  // in a table that never reached a cell, that text as one line of plain text.
  struct Block {
    QStringList lines;
    bool fixed = true;  // the lines are a fixed-columns block
  };
  // Ends the table (and a row left open); nothing when no table is being read.
  Block finish();

 private:
  bool inTable_ = false;          // a table is being read
  bool inRow_ = false;            // ... and a row of it is open
  QString cell_;                  // the text of the cell being read
  QStringList rowCells_;          // the cells of the row being read, ended ones
  QList<QStringList> tableRows_;  // the rows of the table, ended ones
};

}  // namespace quillmark::richtext
