// Lays a table out as the lines of a fixed-columns block, widths counted as a fixed-pitch
// font shows them, gathers a table's cells as text, and finds whether a place in a document
// is inside a block. Knows nothing of RTF or of QTextTable.
#include "FixedColumns.h"

#include <QChar>
#include <QTextBlock>
#include <algorithm>
#include <utility>

#include "DocumentModel.h"

namespace quillmark::richtext {

namespace {

// Code points shown two columns wide (East Asian Wide and Fullwidth), as ranges.
constexpr std::pair<char32_t, char32_t> kWideRanges[] = {
    {0x1100, 0x115F},   {0x231A, 0x231B},   {0x2329, 0x232A},   {0x23E9, 0x23EC},
    {0x23F0, 0x23F0},   {0x23F3, 0x23F3},   {0x25FD, 0x25FE},   {0x2614, 0x2615},
    {0x2648, 0x2653},   {0x267F, 0x267F},   {0x2693, 0x2693},   {0x26A1, 0x26A1},
    {0x26AA, 0x26AB},   {0x26BD, 0x26BE},   {0x26C4, 0x26C5},   {0x26CE, 0x26CE},
    {0x26D4, 0x26D4},   {0x26EA, 0x26EA},   {0x26F2, 0x26F3},   {0x26F5, 0x26F5},
    {0x26FA, 0x26FA},   {0x26FD, 0x26FD},   {0x2705, 0x2705},   {0x270A, 0x270B},
    {0x2728, 0x2728},   {0x274C, 0x274C},   {0x274E, 0x274E},   {0x2753, 0x2755},
    {0x2757, 0x2757},   {0x2795, 0x2797},   {0x27B0, 0x27B0},   {0x27BF, 0x27BF},
    {0x2B1B, 0x2B1C},   {0x2B50, 0x2B50},   {0x2B55, 0x2B55},   {0x2E80, 0x303E},
    {0x3041, 0x33FF},   {0x3400, 0x4DBF},   {0x4E00, 0x9FFF},   {0xA000, 0xA4CF},
    {0xA960, 0xA97F},   {0xAC00, 0xD7A3},   {0xF900, 0xFAFF},   {0xFE10, 0xFE19},
    {0xFE30, 0xFE6F},   {0xFF00, 0xFF60},   {0xFFE0, 0xFFE6},   {0x16FE0, 0x16FE4},
    {0x17000, 0x18CFF}, {0x1B000, 0x1B2FF}, {0x1F004, 0x1F004}, {0x1F0CF, 0x1F0CF},
    {0x1F18E, 0x1F18E}, {0x1F191, 0x1F19A}, {0x1F200, 0x1F251}, {0x1F300, 0x1F64F},
    {0x1F680, 0x1F6FF}, {0x1F7E0, 0x1F7EB}, {0x1F90C, 0x1F9FF}, {0x1FA70, 0x1FAFF},
    {0x20000, 0x2FFFD}, {0x30000, 0x3FFFD},
};

int codePointWidth(char32_t c) {
  switch (QChar::category(c)) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_Enclosing:
    case QChar::Other_Format:
      return 0;
    default:
      break;
  }
  const auto wide =
      std::upper_bound(std::begin(kWideRanges), std::end(kWideRanges), c,
                       [](char32_t value, const std::pair<char32_t, char32_t> &range) {
                         return value < range.first;
                       });
  return wide != std::begin(kWideRanges) && c <= std::prev(wide)->second ? 2 : 1;
}

}  // namespace

int displayWidth(QStringView text) {
  int width = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    char32_t c = text[i].unicode();
    if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
      c = QChar::surrogateToUcs4(text[i], text[i + 1]);
      ++i;
    }
    width += codePointWidth(c);
  }
  return width;
}

QString cellLine(QStringView text) {
  QString line;
  line.reserve(text.size());
  for (const QChar c : text) {
    const bool blank = c == u'\t' || c == u'\n' || c == u'\r' || c == QChar::LineSeparator ||
                       c == QChar::ParagraphSeparator;
    line += blank ? QChar(u' ') : c;
  }
  return line.trimmed();
}

QStringList fixedColumnsBlock(const QList<QStringList> &rows,
                              const QList<QList<Alignment>> &aligns) {
  QList<int> widths;
  for (const QStringList &row : rows) {
    if (widths.size() < row.size()) widths.resize(row.size(), 0);
    for (qsizetype column = 0; column < row.size(); ++column) {
      widths[column] = std::max(widths[column], displayWidth(row[column]));
    }
  }
  QStringList lines{qs(kFixedBegin)};
  for (qsizetype r = 0; r < rows.size(); ++r) {
    const QStringList &row = rows[r];
    QString line;
    int pending = 0;  // blanks owed before the next text
    for (qsizetype column = 0; column < row.size(); ++column) {
      const Alignment align =
          r < aligns.size() && column < aligns[r].size() ? aligns[r][column] : Alignment::Left;
      const int space = widths[column] - displayWidth(row[column]);
      const int before = align == Alignment::Right    ? space
                         : align == Alignment::Center ? space / 2
                                                      : 0;
      if (!row[column].isEmpty()) {
        line += QString(pending + before, u' ') + row[column];
        pending = space - before;
      } else {
        pending += space;
      }
      pending += kColumnGap;
    }
    lines << line;
  }
  lines << qs(kFixedEnd);
  return lines;
}

QTextCharFormat fixedColumnsFormat() {
  QTextCharFormat format;
  setFontName(format, QString::fromUtf16(kFixedFontName));
  return format;
}

bool insideFixedColumns(const QTextDocument &document, int position) {
  const QString begin = qs(kFixedBegin);
  const QString end = qs(kFixedEnd);
  for (QTextBlock block = document.findBlock(position); block.isValid(); block = block.previous()) {
    QString text = block.text();
    if (position < block.position() + text.size()) text.truncate(position - block.position());
    const qsizetype lastBegin = text.lastIndexOf(begin);
    const qsizetype lastEnd = text.lastIndexOf(end);
    if (lastBegin >= 0 || lastEnd >= 0) return lastBegin > lastEnd;
  }
  return false;
}

}  // namespace quillmark::richtext
