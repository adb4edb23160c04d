// List numbering of the RTF reader on its own: number formats, what counts as a bullet, the
// numbers the list table gives paragraphs, and old-style "\pn" numbers.
#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

#include "richtext/RtfLists.h"

namespace quillmark::richtext {
namespace {

using namespace Qt::StringLiterals;

ControlWord word(Op op, int parameter = 0, bool hasParameter = true) {
  return {op, 0, hasParameter, parameter};
}

TEST(RtfLists, FormatsNumbers) {
  const struct {
    int n;
    int format;
    const char16_t *expected;
  } cases[] = {
      {1, kFormatDecimal, u"1"},
      {42, kFormatDecimal, u"42"},
      {4, kFormatUpperRoman, u"IV"},
      {3999, kFormatLowerRoman, u"mmmcmxcix"},
      {4000, kFormatLowerRoman, u"4000"},  // past what Roman numbers write
      {0, kFormatUpperRoman, u"0"},
      {1, kFormatLowerLetter, u"a"},
      {26, kFormatLowerLetter, u"z"},
      {27, kFormatLowerLetter, u"aa"},
      {53, kFormatUpperLetter, u"AAA"},
      {0, kFormatLowerLetter, u"0"},
      {5, kFormatLeadingZero, u"05"},
      {10, kFormatLeadingZero, u"10"},
      {7, kFormatBullet, u"7"},  // formats without numbers of their own: decimal
      {7, 99, u"7"},
  };
  for (const auto &test : cases) {
    EXPECT_EQ(formatNumber(test.n, test.format).toStdString(),
              QString::fromUtf16(test.expected).toStdString())
        << test.n << " in format " << test.format;
  }
  // Letters repeat at most 64 times, however large the number.
  EXPECT_EQ(formatNumber(kMaxListNumber, kFormatLowerLetter).size(), 64);
}

TEST(RtfLists, TellsBulletsFromNumbers) {
  const struct {
    QString text;
    bool bullet;
  } cases[] = {
      {u"\u00B7\t"_s, true}, {u"  \u2022  "_s, true}, {u"\U0001F449\t"_s, true},
      {u"-"_s, true},        {u"1.\t"_s, false},      {u"7"_s, false},
      {u"a)"_s, false},      {u"\t"_s, false},        {QString(), false},
  };
  for (const auto &test : cases) {
    EXPECT_EQ(isBulletText(test.text), test.bullet) << test.text.toStdString();
  }
}

// One level of a list definition: its format, its start, and its number text without the
// length in front (nullopt: none given).
struct LevelSpec {
  int format = kFormatDecimal;
  int start = 1;
  std::optional<QString> text;
};

void defineList(ListNumbering &numbering, int listId, const std::vector<LevelSpec> &levels) {
  numbering.beginTable(false);
  numbering.tableWord(word(Op::List));
  for (const LevelSpec &level : levels) {
    numbering.tableWord(word(Op::ListLevelDefinition));
    numbering.tableWord(word(Op::LevelNumberFormat, level.format));
    numbering.tableWord(word(Op::LevelStart, level.start));
    if (level.text) {
      numbering.beginLevelText();
      numbering.levelTextCharacter(char16_t(level.text->size()));
      for (const QChar c : *level.text) numbering.levelTextCharacter(c.unicode());
      numbering.finishLevelText();
    }
  }
  numbering.tableWord(word(Op::ListId, listId));
}

void overrideList(ListNumbering &numbering, int ls, int listId) {
  numbering.beginTable(true);
  numbering.tableWord(word(Op::ListOverride));
  numbering.tableWord(word(Op::ListId, listId));
  numbering.tableWord(word(Op::ListNumber, ls));
}

// Two lists: 7 (decimal, then "2.a)" below it) as "\ls1", and 8 as "\ls2", defined by each
// row.
TEST(RtfLists, NumbersListParagraphsFromTheirDefinitions) {
  const QString twoLevels = u"\u0000.\u0001)"_s;
  const struct {
    const char *name;
    std::vector<LevelSpec> second;                // list 8's levels
    std::vector<std::pair<int, int>> paragraphs;  // "\ls" and "\ilvl" of each
    QStringList expected;                         // their numbers; "*" for a bullet
  } cases[] = {
      {"counts_on_and_starts_lower_levels_over",
       {},
       {{1, 0}, {1, 0}, {1, 1}, {1, 1}, {1, 0}, {1, 1}},
       {u"1."_s, u"2."_s, u"2.a)"_s, u"2.b)"_s, u"3."_s, u"3.a)"_s}},
      {"lists_count_apart",
       {{kFormatUpperRoman, 4, std::nullopt}},
       {{1, 0}, {2, 0}, {1, 0}, {2, 0}},
       {u"1."_s, u"IV."_s, u"2."_s, u"V."_s}},
      {"bullets_and_levels_without_numbers",
       {{kFormatBullet, 1, u"\u2022"_s}, {kFormatNone, 1, std::nullopt}},
       {{2, 0}, {2, 1}, {2, 0}},
       {u"*"_s, QString(), u"*"_s}},
      {"lists_the_table_lacks_and_ls_as_list_id",
       {},
       {{5, 0}, {7, 0}, {7, 0}},
       {QString(), u"1."_s, u"2."_s}},
      {"start_clamped",
       {{kFormatDecimal, 2'000'000, std::nullopt}},
       {{2, 0}, {2, 0}},
       {u"1000000."_s, u"1000000."_s}},
      {"level_text_holds_text_only",
       {{kFormatDecimal, 1, u"\u0000\t\u0085\u2029\uFDD0\uFFFC\u007F-"_s}},
       {{2, 0}},
       {u"1-"_s}},
      {"length_past_the_text", {{kFormatDecimal, 1, u"\u0009"_s}}, {{2, 0}}, {QString()}},
  };
  for (const auto &test : cases) {
    ListNumbering numbering;
    defineList(numbering, 7,
               {{kFormatDecimal, 1, u"\u0000."_s}, {kFormatLowerLetter, 1, twoLevels}});
    defineList(numbering, 8, test.second);
    overrideList(numbering, 1, 7);
    overrideList(numbering, 2, 8);
    QStringList got;
    for (const auto &[list, level] : test.paragraphs) {
      const ParagraphNumber number = numbering.paragraphNumber(list, level);
      got << (number.bullet ? u"*"_s : number.text);
    }
    EXPECT_EQ(got.join(u'|').toStdString(), test.expected.join(u'|').toStdString()) << test.name;
  }
}

// One paragraph's "\pn" group; nullopt: the paragraph has none.
struct OldStyleSpec {
  int level = 0;  // "\pnlvlN"; 0: "\pnlvlbody"; -1: "\pnlvlcont"
  int format = kFormatDecimal;
  int start = 1;
  QString before;
  QString after;
};

OldStyleSpec pn(int level, int format = kFormatDecimal, int start = 1, QString before = {},
                QString after = {}) {
  return {level, format, start, std::move(before), std::move(after)};
}

ParagraphNumber numberOldStyle(ListNumbering &numbering, const std::optional<OldStyleSpec> &pn) {
  if (pn) {
    numbering.beginOldStyle();
    if (pn->level < 0) {
      numbering.oldStyleWord(word(Op::ContinuedLevel));
    } else {
      numbering.oldStyleWord(word(Op::NumberedLevel, pn->level, pn->level > 0));
    }
    numbering.oldStyleWord({Op::NumberFormat, char16_t(pn->format), false, 0});
    numbering.oldStyleWord(word(Op::NumberStart, pn->start));
    for (const bool after : {false, true}) {
      numbering.beginNumberText(after);
      for (const QChar c : after ? pn->after : pn->before)
        numbering.numberTextCharacter(c.unicode());
      numbering.finishNumberText();
    }
    numbering.finishOldStyle(true);
  }
  return numbering.paragraphNumber(0, 0);
}

TEST(RtfLists, NumbersOldStyleParagraphs) {
  const OldStyleSpec decimal = pn(0, kFormatDecimal, 3, {}, u"."_s);
  const struct {
    const char *name;
    std::vector<std::optional<OldStyleSpec>> paragraphs;
    QStringList expected;
  } cases[] = {
      {"counts_on_while_numbered",
       {decimal, decimal, std::nullopt, decimal},
       {u"3."_s, u"4."_s, QString(), u"3."_s}},
      {"continued_paragraphs_keep_the_count",
       {decimal, pn(-1), decimal},
       {u"3."_s, QString(), u"4."_s}},
      {"levels_start_lower_levels_over",
       {pn(1), pn(2, kFormatLowerLetter), pn(2, kFormatLowerLetter), pn(1),
        pn(2, kFormatLowerLetter)},
       {u"1"_s, u"a"_s, u"b"_s, u"2"_s, u"a"_s}},
      {"texts_before_and_after", {pn(0, kFormatUpperRoman, 4, u"("_s, u")"_s)}, {u"(IV)"_s}},
      {"number_texts_hold_text_only",
       {pn(0, kFormatDecimal, 1, u"\u0001[\u2029"_s, u"\t]\u0085\uFDD1\u001F"_s)},
       {u"[1\t]"_s}},
  };
  for (const auto &test : cases) {
    ListNumbering numbering;
    QStringList got;
    for (const auto &pn : test.paragraphs) got << numberOldStyle(numbering, pn).text;
    EXPECT_EQ(got.join(u'|').toStdString(), test.expected.join(u'|').toStdString()) << test.name;
  }
}

// A "\pn" group that says bullet tells so once, and a group closed outside the document's
// text numbers no paragraph.
TEST(RtfLists, OldStyleBulletsAndGroupsOutsideTheText) {
  ListNumbering numbering;
  numbering.beginOldStyle();
  numbering.oldStyleWord(word(Op::BulletLevel));
  EXPECT_TRUE(numbering.finishOldStyle(true));
  numbering.beginOldStyle();
  EXPECT_FALSE(numbering.finishOldStyle(true));

  numbering.beginOldStyle();
  numbering.oldStyleWord(word(Op::NumberedLevel, 0, false));
  numbering.finishOldStyle(false);
  EXPECT_TRUE(numbering.paragraphNumber(0, 0).text.isEmpty());
  numbering.skipParagraph();  // a paragraph in a table cell forgets its number
  numbering.finishOldStyle(true);
  numbering.skipParagraph();
  EXPECT_TRUE(numbering.paragraphNumber(0, 0).text.isEmpty());
}

}  // namespace
}  // namespace quillmark::richtext
