// The markup view's colours: one list of patterns per format, applied line by line.
#include "MarkupHighlighter.h"

#include <QSet>

#include "Contrast.h"

using namespace Qt::StringLiterals;

namespace quillmark::preview {

namespace {

// The tag names of a BBCode dialect, read from its table's markup ("[color={}]...[/color]"
// gives "color").
QStringList bbcodeNames(Format format) {
  const QRegularExpression name(u"\\[/?([A-Za-z*]+)"_s);
  QSet<QString> seen;
  QStringList names;
  for (const ElementMarkup &row : formatTable(format)) {
    if (!row.shown) continue;
    auto it = name.globalMatch(QString::fromUtf8(row.markup));
    while (it.hasNext()) {
      const QString n = it.next().captured(1).toLower();
      if (!seen.contains(n)) names << QRegularExpression::escape(n), seen.insert(n);
    }
  }
  return names;
}

}  // namespace

std::vector<QRegularExpression> MarkupHighlighter::markupPatterns(Format format) {
  switch (format) {
    case Format::Html:
      return {QRegularExpression(u"</?[A-Za-z][^<>]*>"_s),
              QRegularExpression(u"&(#[0-9]+|#[xX][0-9A-Fa-f]+|[A-Za-z][A-Za-z0-9]*);"_s)};
    case Format::Markdown:
      return {QRegularExpression(u"^```.*$"_s), QRegularExpression(u"^- "_s),
              QRegularExpression(u"\\\\[!-/:-@\\[-`{-~]?"_s), QRegularExpression(u"\\*+|~~"_s),
              QRegularExpression(u"\\]\\([^)]*\\)|\\["_s),
              // A table's bars: the writer's own are escaped.
              QRegularExpression(u"\\|"_s)};
    default: {
      const QString names = bbcodeNames(format).join(u'|');
      return {QRegularExpression(u"\\[/?(?:%1)(?:[= ][^\\]\\n]*)?\\]"_s.arg(names),
                                 QRegularExpression::CaseInsensitiveOption)};
    }
  }
}

MarkupHighlighter::MarkupHighlighter(Format format, const QColor &markupColor,
                                     QTextDocument *document)
    : QSyntaxHighlighter(document),
      patterns_(markupPatterns(format)),
      markdown_(format == Format::Markdown) {
  markup_.setForeground(markupColor);
}

void MarkupHighlighter::highlightBlock(const QString &text) {
  for (const QRegularExpression &pattern : patterns_) {
    auto it = pattern.globalMatch(text);
    while (it.hasNext()) {
      const QRegularExpressionMatch m = it.next();
      setFormat(int(m.capturedStart()), int(m.capturedLength()), markup_);
    }
  }
  if (!markdown_) return;
  // A GFM table's delimiter row is the line below its first row; a row of the writer's
  // dashes further down is text. The block state says which row of a table a line is.
  enum { kNoTable = 0, kFirstRow = 1, kLaterRow = 2 };
  const int before = previousBlockState();
  const bool row = text.startsWith(u'|');
  setCurrentBlockState(!row                                         ? kNoTable
                       : before == kFirstRow || before == kLaterRow ? kLaterRow
                                                                    : kFirstRow);
  static const QRegularExpression delimiter(u"^\\|(?: *:?-+:? *\\|)+$"_s);
  if (row && before == kFirstRow && delimiter.match(text).hasMatch())
    setFormat(0, int(text.size()), markup_);
}

// Half way between the text and its background, as far toward the text as it takes to stay
// readable.
QColor mutedColor(const QColor &text, const QColor &base) {
  const QColor half((text.red() + base.red()) / 2, (text.green() + base.green()) / 2,
                    (text.blue() + base.blue()) / 2);
  return keepContrast(half, text, base);
}

}  // namespace quillmark::preview
