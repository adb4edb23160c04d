#pragma once
// Shows a post's markup in a muted colour beside the writer's text: HTML tags and entities,
// the BBCode dialect's own tags (from its table, so a tag the forum would show as text stays
// in the text's colour), Markdown's emphasis, list, fence, escape, link and table syntax.
#include <QColor>
#include <QRegularExpression>
#include <QSyntaxHighlighter>
#include <vector>

#include "quillmark/formats.h"

namespace quillmark::preview {

class MarkupHighlighter final : public QSyntaxHighlighter {
 public:
  MarkupHighlighter(Format format, const QColor &markupColor, QTextDocument *document);

  // The patterns that are markup in `format`, tried on each line.
  static std::vector<QRegularExpression> markupPatterns(Format format);

 protected:
  void highlightBlock(const QString &text) override;

 private:
  std::vector<QRegularExpression> patterns_;
  QTextCharFormat markup_;
  bool markdown_;  // a table's delimiter row is told by the rows above it
};

// The colour of markup on this palette: between the text and its background, so it reads as
// secondary on light and dark palettes alike, and near enough the text to keep a contrast of
// 4.5:1 against the background.
QColor mutedColor(const QColor &text, const QColor &base);

}  // namespace quillmark::preview
