// Sets up a new document (default face and size, bullet indent, and the stand-in faces for
// the two names documents use that this machine may not have) and the look of a new table.
#include "DocumentModel.h"

#include <QTextCursor>
#include <QTextTable>

namespace quillmark::richtext {

namespace {

void installFontSubstitutions() {
  static const bool installed = [] {
    QFont::insertSubstitutions(
        QString::fromUtf16(kDefaultFontName),
        {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("DejaVu Sans"),
         QStringLiteral("Liberation Sans"), QStringLiteral("Sans Serif")});
    QFont::insertSubstitutions(QString::fromUtf16(kFixedFontName),
                               {QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
                                QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Monospace")});
    return true;
  }();
  (void)installed;
}

}  // namespace

void setUpDocument(QTextDocument &document, int bulletIndentTwips) {
  installFontSubstitutions();
  QFont font(QString::fromUtf16(kDefaultFontName));
  font.setPointSizeF(kDefaultFontPointSize);
  document.setDefaultFont(font);
  document.setIndentWidth(twipsToPixels(bulletIndentTwips));
}

QTextTableFormat newTableFormat(bool headerRow) {
  QTextTableFormat format;
  format.setBorder(1);
  format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
  format.setBorderBrush(QColor(128, 128, 128));
  format.setBorderCollapse(true);
  format.setCellSpacing(0);
  format.setCellPadding(4);
  format.setHeaderRowCount(headerRow ? 1 : 0);
  return format;
}

void setHeaderLook(QTextTable &table, int row, bool header) {
  if (row < 0 || row >= table.rows()) return;
  QTextCharFormat weight;
  weight.setFontWeight(header ? QFont::Bold : QFont::Normal);
  for (int column = 0; column < table.columns(); ++column) {
    const QTextTableCell cell = table.cellAt(row, column);
    if (cell.row() != row || cell.column() != column) continue;  // covered by a span
    QTextCursor text = cell.firstCursorPosition();
    text.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
    text.mergeCharFormat(weight);
    const QTextBlock last = cell.lastCursorPosition().block();
    for (QTextBlock block = cell.firstCursorPosition().block(); block.isValid();
         block = block.next()) {
      QTextCursor(block).mergeBlockCharFormat(weight);
      if (block == last) break;
    }
  }
}

}  // namespace quillmark::richtext
