// Sets up a new document (default face and size, bullet indent, and the stand-in faces for
// the two names documents use that this machine may not have) and the look of a new table.
#include "DocumentModel.h"

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

}  // namespace quillmark::richtext
