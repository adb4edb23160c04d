// Lines laid out in columns read back as cells: at tabs, at the blank columns all lines
// share (counted as a fixed-pitch font shows them), or at each line's own wide gaps; and the
// rules under a header.
#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <string>

#include "richtext/FixedColumns.h"
#include "richtext/TextColumns.h"

using namespace Qt::StringLiterals;
namespace richtext = quillmark::richtext;

namespace {

// The cells of each line, "|" between cells and " / " between lines.
std::string cells(const QStringList &lines) {
  const QList<QList<richtext::CellRange>> all = richtext::cellsOfLines(lines);
  std::string out;
  for (qsizetype l = 0; l < all.size(); ++l) {
    if (l > 0) out += " / ";
    for (qsizetype c = 0; c < all[l].size(); ++c) {
      if (c > 0) out += "|";
      const richtext::CellRange range = all[l][c];
      out += lines[l].mid(range.start, range.end - range.start).toStdString();
    }
  }
  return out;
}

TEST(TextColumns, LinesAreCutWhereTheirColumnsPart) {
  const struct {
    const char *name;
    QStringList lines;
    std::string expected;
  } cases[] = {
      {"tabs, blanks around cells dropped", {u"a \t b\tc"_s, u"d\te"_s}, "a|b|c / d|e"},
      {"tabs win over blanks", {u"New  York\t8"_s, u"Rome\t3"_s}, "New  York|8 / Rome|3"},
      {"shared blank columns",
       {u"Team    Pts"_s, u"Man Utd  12"_s, u"PSV      9"_s},
       "Team|Pts / Man Utd|12 / PSV|9"},
      {"an empty cell in the middle", {u"a    b    c"_s, u"d         f"_s}, "a|b|c / d||f"},
      {"a short row", {u"a    b    c"_s, u"d"_s}, "a|b|c / d"},
      {"leading blanks are no column", {u"  a  b"_s, u"  c  d"_s}, "a|b / c|d"},
      {"one blank parts no columns", {u"a b c"_s, u"d e f"_s}, "a b c / d e f"},
      {"no shared layout: each line its own gaps",
       {u"ab  cd"_s, u"efg   h  ij"_s},
       "ab|cd / efg|h|ij"},
      {"a blank line has no cells", {u"a  b"_s, u"   "_s, u"c  d"_s}, "a|b /  / c|d"},
      {"wide characters take two columns",
       {u"\u6771\u4eac  9"_s, u"Rome  3"_s},
       "\u6771\u4eac|9 / Rome|3"},
  };
  for (const auto &c : cases) EXPECT_EQ(cells(c.lines), c.expected) << c.name;
}

// What Convert Table to Text lays out, Convert Text to Table reads back cell for cell.
TEST(TextColumns, AFixedColumnsBlockReadsBackAsItsCells) {
  const QList<QStringList> rows{{u"Club"_s, u"Played"_s, u"Points"_s},
                                {u"Real Madrid"_s, u""_s, u"30"_s},
                                {u"\u6771\u4eac FC"_s, u"12"_s, u"9"_s}};
  QStringList lines = richtext::fixedColumnsBlock(rows);
  lines = lines.mid(1, lines.size() - 2);  // the markers
  EXPECT_EQ(cells(lines), "Club|Played|Points / Real Madrid||30 / \u6771\u4eac FC|12|9");
}

TEST(TextColumns, AHeaderRuleIsDashesOrEqualsOnly) {
  const struct {
    QString line;
    bool rule;
  } cases[] = {
      {u"----  ---"_s, true},  {u"==="_s, true},    {u"|---+---|"_s, true},
      {u"\t---\t---"_s, true}, {u"--"_s, false},    {u"-- x --"_s, false},
      {u""_s, false},          {u"1---2"_s, false},
  };
  for (const auto &c : cases)
    EXPECT_EQ(richtext::isHeaderRule(c.line), c.rule) << c.line.toStdString();
}

}  // namespace
