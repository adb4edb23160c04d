#pragma once
// Fixed-columns blocks: the block the Fixed Columns command makes, "{Begin Fixed}" and "{End
// Fixed}" marker paragraphs around one paragraph per row, all in the fixed face, the cells padded
// with blanks so that the columns line up in the post. The writer lays a table out here for
// the engine, which knows no tables.
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QTextCharFormat>
#include <QTextDocument>

#include "DocumentModel.h"
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
// no line ends in blanks. A cell aligned right in `aligns` (its rows and cells as `rows`'s;
// a cell it has none for is aligned left) is padded on its left, a centred one on both
// sides.
QStringList fixedColumnsBlock(const QList<QStringList> &rows,
                              const QList<QList<Alignment>> &aligns = {});

// The character format of the block's paragraphs: the fixed face, all else the default.
QTextCharFormat fixedColumnsFormat();

// Whether text inserted at `position` of `document` lands inside a fixed-columns block: the
// last marker before it is "{Begin Fixed}". The markers count wherever they stand in a
// paragraph, as "Copy to Web" finds them.
bool insideFixedColumns(const QTextDocument &document, int position);

}  // namespace quillmark::richtext
