// The find bar: forward, backward and around the end; match case and whole words; Replace
// and Replace All as one undo step with its count; no match; Esc.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QTest>
#include <QTextEdit>

#include "writing/FindBar.h"

using namespace Qt::StringLiterals;
using quillmark::FindBar;

namespace {

struct Fixture {
  QTextEdit edit;
  FindBar bar{edit};

  explicit Fixture(const QString &text) { edit.setPlainText(text); }
  int selectionStart() const { return edit.textCursor().selectionStart(); }
  QString selected() const { return edit.textCursor().selectedText(); }
};

TEST(FindBar, FindsForwardBackwardAndContinuesFromTheOtherEnd) {
  Fixture f(u"one two one two one"_s);
  f.bar.showFind();
  EXPECT_TRUE(f.bar.isVisible() || !f.bar.isHidden());
  f.bar.findField().setText(u"one"_s);
  std::vector<int> starts;
  for (int i = 0; i < 4; ++i) {
    ASSERT_TRUE(f.bar.findNext());
    starts.push_back(f.selectionStart());
  }
  EXPECT_EQ(starts, (std::vector<int>{0, 8, 16, 0}));
  EXPECT_EQ(f.bar.message(), u"Continued from the top."_s);
  ASSERT_TRUE(f.bar.findPrevious());
  EXPECT_EQ(f.selectionStart(), 16);
}

struct OptionCase {
  const char *name;
  bool matchCase;
  bool wholeWords;
  std::vector<int> starts;  // every match, in order
};

class FindOptions : public ::testing::TestWithParam<OptionCase> {};

TEST_P(FindOptions, MatchCaseAndWholeWords) {
  const OptionCase &c = GetParam();
  Fixture f(u"Post posted post POST"_s);
  f.bar.findField().setText(u"post"_s);
  f.bar.matchCaseBox().setChecked(c.matchCase);
  f.bar.wholeWordsBox().setChecked(c.wholeWords);
  std::vector<int> starts;
  while (f.bar.findNext()) {
    if (!starts.empty() && f.selectionStart() == starts.front()) break;
    starts.push_back(f.selectionStart());
  }
  EXPECT_EQ(starts, c.starts);
}

INSTANTIATE_TEST_SUITE_P(Cases, FindOptions,
                         ::testing::Values(OptionCase{"AnyCase", false, false, {0, 5, 12, 17}},
                                           OptionCase{"MatchCase", true, false, {5, 12}},
                                           OptionCase{"WholeWords", false, true, {0, 12, 17}},
                                           OptionCase{"Both", true, true, {12}}),
                         [](const auto &param) { return std::string(param.param.name); });

TEST(FindBar, ReplaceAllIsOneUndoStepAndSaysHowMany) {
  Fixture f(u"colour, Colour and colourful"_s);
  f.bar.showReplace();
  f.bar.findField().setText(u"colour"_s);
  f.bar.replaceField().setText(u"colour colour"_s);  // holds the text looked for
  EXPECT_EQ(f.bar.replaceAll(), 3);
  EXPECT_EQ(f.edit.toPlainText(), u"colour colour, colour colour and colour colourful"_s);
  EXPECT_EQ(f.bar.message(), u"Replaced 3 matches."_s);
  f.edit.undo();
  EXPECT_EQ(f.edit.toPlainText(), u"colour, Colour and colourful"_s);
  EXPECT_FALSE(f.edit.document()->isUndoAvailable());
}

TEST(FindBar, ReplaceReplacesTheSelectedMatchThenSelectsTheNext) {
  Fixture f(u"cat dog cat"_s);
  f.bar.findField().setText(u"cat"_s);
  f.bar.replaceField().setText(u"bird"_s);
  EXPECT_FALSE(f.bar.replace());  // nothing selected yet: only finds
  EXPECT_EQ(f.selectionStart(), 0);
  EXPECT_TRUE(f.bar.replace());
  EXPECT_EQ(f.edit.toPlainText(), u"bird dog cat"_s);
  EXPECT_EQ(f.selected(), u"cat"_s);
  EXPECT_EQ(f.selectionStart(), 9);
}

TEST(FindBar, NoMatchSaysSoAndLeavesTheSelection) {
  Fixture f(u"nothing here"_s);
  f.bar.findField().setText(u"absent"_s);
  EXPECT_FALSE(f.bar.findNext());
  EXPECT_EQ(f.bar.message(), u"\u201cabsent\u201d was not found."_s);
  EXPECT_EQ(f.bar.replaceAll(), 0);
  EXPECT_FALSE(f.edit.document()->isUndoAvailable());
}

TEST(FindBar, StartsWithTheSelectionAndEscHidesIt) {
  Fixture f(u"find this word"_s);
  QTextCursor cursor = f.edit.textCursor();
  cursor.setPosition(5);
  cursor.setPosition(9, QTextCursor::KeepAnchor);
  f.edit.setTextCursor(cursor);
  f.edit.show();
  f.bar.showFind();
  EXPECT_EQ(f.bar.findField().text(), u"this"_s);
  EXPECT_FALSE(f.bar.isHidden());
  QTest::keyClick(&f.bar.findField(), Qt::Key_Escape);
  EXPECT_TRUE(f.bar.isHidden());
}

}  // namespace
