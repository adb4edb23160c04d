// The formatting commands through the dispatcher, on plain, formatted and mixed selections.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QMimeData>
#include <QTest>
#include <QTextBlock>
#include <functional>

#include "ScriptedPlatform.h"
#include "richtext/DocumentModel.h"
#include "richtext/RichTextBox.h"

using namespace Qt::StringLiterals;
using quillmark::richtext::Alignment;
using quillmark::testing::ScriptedWindow;

namespace {

void select(quillmark::richtext::RichTextBox &box, int start, int length) {
  box.setSelStart(start);
  box.setSelLength(length);
}

// "plain BOLD" with the second word formatted by `tool`; returns the window.
struct Toggle {
  const char *tool;
  std::optional<bool> (quillmark::richtext::RichTextBox::*read)() const;
};

class Toggles : public testing::TestWithParam<Toggle> {};

TEST_P(Toggles, SwitchPlainOnFormattedOffAndMixedOn) {
  const Toggle &toggle = GetParam();
  const QString tool = QString::fromLatin1(toggle.tool);
  ScriptedWindow w;
  auto &box = w.window.box();
  box.setSelText(u"plain word"_s);

  select(box, 6, 4);
  w.window.dispatch(tool);  // plain -> on
  EXPECT_EQ((box.*toggle.read)(), true);
  w.window.dispatch(tool);  // on -> off
  EXPECT_EQ((box.*toggle.read)(), false);
  w.window.dispatch(tool);

  select(box, 3, 5);  // mixed -> all on
  ASSERT_EQ((box.*toggle.read)(), std::nullopt);
  w.window.dispatch(tool);
  EXPECT_EQ((box.*toggle.read)(), true);
  select(box, 0, 3);
  EXPECT_EQ((box.*toggle.read)(), false);
}

INSTANTIATE_TEST_SUITE_P(
    FormatCommands, Toggles,
    testing::Values(Toggle{"miBold", &quillmark::richtext::RichTextBox::selBold},
                    Toggle{"miItalic", &quillmark::richtext::RichTextBox::selItalic},
                    Toggle{"miUnderline", &quillmark::richtext::RichTextBox::selUnderline}),
    [](const testing::TestParamInfo<Toggle> &param) { return std::string(param.param.tool); });

TEST(FormatCommands, AlignmentCommandsSetTheirParagraphs) {
  ScriptedWindow w;
  auto &box = w.window.box();
  box.setSelText(u"one\rtwo\rthree"_s);
  const struct {
    const char16_t *tool;
    Alignment expected;
  } rows[] = {{u"miCenter", Alignment::Center},
              {u"miRight", Alignment::Right},
              {u"miLeft", Alignment::Left}};
  for (const auto &row : rows) {
    select(box, 2, 3);
    w.window.dispatch(QString::fromUtf16(row.tool));
    EXPECT_EQ(box.selAlignment(), row.expected);
    select(box, 8, 1);
    EXPECT_EQ(box.selAlignment(), Alignment::Left) << "the third paragraph is not selected";
  }
}

TEST(FormatCommands, BulletsAndIndentLeaveMixedParagraphsAlone) {
  ScriptedWindow w;
  auto &box = w.window.box();
  box.setSelText(u"one\rtwo"_s);

  select(box, 0, 1);
  w.window.dispatch(u"Bullets"_s);
  EXPECT_EQ(box.selBullet(), true);
  select(box, 0, 5);
  w.window.dispatch(u"Bullets"_s);  // mixed: unchanged
  select(box, 0, 1);
  EXPECT_EQ(box.selBullet(), true);
  select(box, 4, 1);
  EXPECT_EQ(box.selBullet(), false);
  select(box, 0, 1);
  w.window.dispatch(u"Bullets"_s);
  EXPECT_EQ(box.selBullet(), false);

  select(box, 0, 1);
  w.window.dispatch(u"Increase Indent"_s);
  w.window.dispatch(u"Increase Indent"_s);
  EXPECT_EQ(box.selIndent(), 500);
  w.window.dispatch(u"Decrease Indent"_s);
  EXPECT_EQ(box.selIndent(), 250);
  select(box, 0, 5);
  w.window.dispatch(u"Increase Indent"_s);  // mixed: unchanged
  w.window.dispatch(u"Decrease Indent"_s);
  select(box, 0, 1);
  EXPECT_EQ(box.selIndent(), 250);
  select(box, 4, 1);
  EXPECT_EQ(box.selIndent(), 0);
}

// Bullets switched off leave a paragraph at its own indent, and Decrease Indent takes a
// paragraph back to the margin in as many presses as Increase Indent took, whatever indent
// the paragraph came with.
TEST(FormatCommands, IndentsComeBackToWhereTheyWere) {
  const struct {
    const char *name;
    std::function<void(ScriptedWindow &)> make;
    int indent;  // twips, what the paragraph is left with
  } rows[] = {
      {"typed", [](ScriptedWindow &w) { w.window.box().setSelText(u"one"_s); }, 0},
      {"bullet off",
       [](ScriptedWindow &w) {
         w.window.box().setSelText(u"one"_s);
         w.window.dispatch(u"Bullets"_s);
         w.window.dispatch(u"Bullets"_s);
       },
       0},
      {"indented bullet off",
       [](ScriptedWindow &w) {
         w.window.box().setSelText(u"one"_s);
         w.window.dispatch(u"Increase Indent"_s);
         w.window.dispatch(u"Bullets"_s);
         w.window.dispatch(u"Bullets"_s);
       },
       250},
      {"pasted two levels in",
       [](ScriptedWindow &w) {
         QMimeData mime;
         mime.setHtml(u"<p style='-qt-block-indent:2'>one</p>"_s);
         w.window.box().insertRich(&mime);
       },
       500},
  };
  for (const auto &row : rows) {
    ScriptedWindow w;
    auto &box = w.window.box();
    row.make(w);
    select(box, 0, 1);
    EXPECT_EQ(box.selBullet(), false) << row.name;
    EXPECT_EQ(box.selIndent(), row.indent) << row.name;
    // What the paragraph shows and the file holds: its margin and Qt's indent levels.
    const QTextBlockFormat shown = box.document()->begin().blockFormat();
    EXPECT_NEAR(quillmark::richtext::ownIndentPixels(shown, box.document()->indentWidth()),
                quillmark::richtext::twipsToPixels(row.indent), 0.01)
        << row.name;

    for (int press = 0; press < 3; ++press) w.window.dispatch(u"Increase Indent"_s);
    EXPECT_EQ(box.selIndent(), row.indent + 750) << row.name;
    for (int press = 0; press < 3 + row.indent / 250; ++press)
      w.window.dispatch(u"Decrease Indent"_s);
    EXPECT_EQ(box.selIndent(), 0) << row.name;
    EXPECT_EQ(box.selRtf().contains("\\li"), false) << row.name << " " << box.selRtf().data();
  }
}

TEST(FormatCommands, ColourDialogOpensOnTheLastColourAndCancelChangesNothing) {
  ScriptedWindow w;
  auto &box = w.window.box();
  box.setSelText(u"red blue"_s);
  w.platform->colors = {QColor(255, 0, 0), std::nullopt, QColor(0, 0, 255)};

  select(box, 0, 3);
  w.window.dispatch(u"Color"_s);
  EXPECT_EQ(box.selColor(), 0x0000FFu);

  select(box, 4, 4);
  w.window.dispatch(u"Color"_s);  // cancelled
  EXPECT_EQ(box.selColor(), 0u);
  w.window.dispatch(u"Color"_s);
  EXPECT_EQ(box.selColor(), 0xFF0000u);
  select(box, 0, 3);
  EXPECT_EQ(box.selColor(), 0x0000FFu);

  ASSERT_EQ(w.platform->colorDialogsOpenedOn.size(), 3u);
  EXPECT_EQ(w.platform->colorDialogsOpenedOn[1], QColor(255, 0, 0));
  EXPECT_EQ(w.platform->colorDialogsOpenedOn[2], QColor(255, 0, 0)) << "cancel keeps the last";
}

TEST(FormatCommands, FontSizeListSetsTheSizeAndReturnsToTheDocument) {
  ScriptedWindow w;
  w.window.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w.window));
  auto &box = w.window.box();
  box.setSelText(u"big"_s);
  select(box, 0, 3);

  QComboBox &sizes = w.window.fontSizeBox();
  sizes.setFocus();
  sizes.setCurrentIndex(3);
  emit sizes.textActivated(sizes.currentText());
  EXPECT_EQ(box.selFontSize(), 24.0);
  EXPECT_TRUE(box.hasFocus());

  for (const QString &text : {u"huge"_s, QString(), u"-3"_s}) {
    sizes.setCurrentText(text);
    w.window.applyFontSize();
    EXPECT_EQ(box.selFontSize(), 24.0) << text.toStdString();
  }
}

TEST(FormatCommands, FixedColumnsInsertsTheMarkersInCourier) {
  ScriptedWindow w;
  auto &box = w.window.box();
  w.window.dispatch(u"Fixed Columns"_s);
  EXPECT_EQ(box.text(), u"{Begin Fixed}\n\n{End Fixed} \n\n"_s);
  // The insertion point is on the empty paragraph inside the block.
  EXPECT_EQ(box.selStart(), 14);
  EXPECT_EQ(box.selLength(), 0);

  select(box, 0, 26);
  EXPECT_EQ(box.selFontName(), u"Courier"_s);
  select(box, 26, 1);
  EXPECT_EQ(box.selFontName(), u"MS Sans Serif"_s);

  // Text typed between the markers is in Courier.
  box.setSelStart(14);
  QTest::keyClicks(&box, u"a  b"_s);
  select(box, 14, 4);
  EXPECT_EQ(box.selFontName(), u"Courier"_s);
}

// Whatever the writer typed in before, the block is typed into at once, in Courier, and what
// follows it is normal text again: the default face at the normal size.
TEST(FixedColumns, IsTypedIntoAtOnceAndIsFollowedByNormalText) {
  const struct {
    const char *name;
    std::function<void(quillmark::richtext::RichTextBox &)> before;
  } rows[] = {
      {"as started", [](auto &) {}},
      {"at 24 points", [](auto &box) { box.setSelFontSize(24); }},
      {"at 10 points in Arial",
       [](auto &box) {
         box.setSelFontSize(10);
         box.setSelFontName(u"Arial"_s);
       }},
  };
  for (const auto &row : rows) {
    ScriptedWindow w;
    auto &box = w.window.box();
    row.before(box);
    QTest::keyClicks(&box, u"Table"_s);
    QTest::keyClick(&box, Qt::Key_Return);
    w.window.dispatch(u"Fixed Columns"_s);
    QTest::keyClicks(&box, u"a  1"_s);
    EXPECT_EQ(box.text(), u"Table\n{Begin Fixed}\na  1\n{End Fixed} \n\n"_s) << row.name;
    select(box, 20, 4);
    EXPECT_EQ(box.selFontName(), u"Courier"_s) << row.name;

    box.setSelStart(int(box.text().size()));  // the last, empty paragraph
    QTest::keyClicks(&box, u"after"_s);
    select(box, int(box.text().size()) - 5, 5);
    EXPECT_EQ(box.selFontName(), u"MS Sans Serif"_s) << row.name;
    EXPECT_EQ(box.selFontSize(), 12.0) << row.name;
    EXPECT_EQ(w.window.fontSizeBox().currentText(), u"12"_s) << row.name;
  }
}

TEST(FixedColumns, ReplacesTheSelectionAndIsOneStepOfUndo) {
  ScriptedWindow w;
  auto &box = w.window.box();
  box.setSelText(u"keep gone keep"_s);
  select(box, 5, 4);
  w.window.dispatch(u"Fixed Columns"_s);
  EXPECT_EQ(box.text(), u"keep {Begin Fixed}\n\n{End Fixed} \n\n keep"_s);
  box.undo();
  EXPECT_EQ(box.text(), u"keep gone keep"_s);
}

}  // namespace

namespace {

// Each formatting command is one step of undo, and redo brings it back.
TEST(FormatCommands, EachCommandIsOneStepOfUndo) {
  const char16_t *tools[] = {u"miBold",  u"miItalic", u"miUnderline",     u"miCenter",
                             u"miRight", u"Bullets",  u"Increase Indent", u"Color"};
  for (const char16_t *tool : tools) {
    ScriptedWindow w;
    w.platform->colors = {QColor(0, 128, 0)};
    auto &box = w.window.box();
    box.setSelText(u"one\rtwo"_s);
    box.document()->clearUndoRedoStacks();
    select(box, 0, 7);
    const QByteArray before = box.selRtf();
    w.window.dispatch(QString::fromUtf16(tool));
    select(box, 0, 7);
    const QByteArray after = box.selRtf();
    ASSERT_NE(after, before) << QString::fromUtf16(tool).toStdString();
    box.undo();
    select(box, 0, 7);
    EXPECT_EQ(box.selRtf(), before) << QString::fromUtf16(tool).toStdString();
    box.redo();
    select(box, 0, 7);
    EXPECT_EQ(box.selRtf(), after) << QString::fromUtf16(tool).toStdString();
  }
}

}  // namespace
