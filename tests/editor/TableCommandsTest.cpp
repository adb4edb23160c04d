// The table commands through the window: Insert > Table..., Tab and Shift+Tab between cells,
// the Table menu's row, column, header and alignment commands with their undo, where each
// applies, and the conversions between lines of text and a table.
#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QImage>
#include <QMenuBar>
#include <QMimeData>
#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <QTextBlock>
#include <QTextFrame>
#include <QTextImageFormat>
#include <QTextList>
#include <QTextTable>
#include <string>

#include "ScriptedPlatform.h"
#include "post/PostBuilder.h"
#include "quillmark/convert.h"
#include "richtext/DocumentModel.h"
#include "richtext/FixedColumns.h"
#include "richtext/RichTextBox.h"
#include "web/Profiles.h"

using namespace Qt::StringLiterals;
using quillmark::testing::ScriptedWindow;
namespace richtext = quillmark::richtext;

namespace {

// A paragraph as " / " separated text: "L" before a list item, "Q" in a quote, "H1" a
// heading, "F" in the fixed face.
std::string paragraph(const QTextBlock &block) {
  std::string out;
  const QTextBlockFormat format = block.blockFormat();
  if (block.textList()) out += "L ";
  if (richtext::quoteLevelOf(format) > 0) out += "Q ";
  if (format.headingLevel() > 0) out += "H" + std::to_string(format.headingLevel()) + " ";
  const QTextCharFormat look =
      block.begin().atEnd() ? block.charFormat() : block.begin().fragment().charFormat();
  if (!block.text().isEmpty() &&
      richtext::fontNameOf(look, *block.document()) == QString::fromUtf16(richtext::kFixedFontName))
    out += "F ";
  return out + '"' + block.text().toStdString() + '"';
}

// A table as "T h1 [a|b; c|d]": its header rows, its rows of cells, '>' after a right-
// aligned cell's text and '^' after a centred one's, "*" after a bold one's.
std::string table(const QTextTable &t) {
  std::string out = "T h" + std::to_string(t.format().headerRowCount()) + " [";
  for (int r = 0; r < t.rows(); ++r) {
    if (r > 0) out += "; ";
    for (int c = 0; c < t.columns(); ++c) {
      if (c > 0) out += "|";
      const QTextTableCell cell = t.cellAt(r, c);
      QTextCursor text = cell.firstCursorPosition();
      text.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
      out += text.selectedText().toStdString();
      const QTextBlock first = cell.firstCursorPosition().block();
      const auto alignment = richtext::alignmentOf(first.blockFormat());
      if (alignment == richtext::Alignment::Right) out += ">";
      if (alignment == richtext::Alignment::Center) out += "^";
      if (!first.begin().atEnd() && richtext::isBold(first.begin().fragment().charFormat()))
        out += "*";
    }
  }
  return out + "]";
}

// The root frame's content in order: its paragraphs and its tables. A table anywhere but in
// the root frame shows as "nested".
std::string structure(const QTextDocument &document) {
  std::string out;
  const auto add = [&out](const std::string &part) { out += (out.empty() ? "" : " / ") + part; };
  QTextFrame *root = document.rootFrame();
  for (auto it = root->begin(); !it.atEnd(); ++it) {
    if (QTextFrame *frame = it.currentFrame()) {
      auto *t = qobject_cast<QTextTable *>(frame);
      add(t ? table(*t) : "frame");
      for (QTextFrame *inner : frame->childFrames()) (void)inner, add("nested");
    } else {
      add(paragraph(it.currentBlock()));
    }
  }
  return out;
}

QTextTable *firstTable(const QTextDocument &document) {
  for (QTextFrame *frame : document.rootFrame()->childFrames())
    if (auto *t = qobject_cast<QTextTable *>(frame)) return t;
  return nullptr;
}

// Puts the insertion point at the start of a cell's text, plus `offset`.
void goToCell(richtext::RichTextBox &box, int row, int column, int offset = 0) {
  QTextCursor cursor = firstTable(*box.document())->cellAt(row, column).firstCursorPosition();
  cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::MoveAnchor, offset);
  box.setTextCursor(cursor);
}

// "before", a 3 by 3 table of a1..c3 (rows a to c), "after".
void makeTable(richtext::RichTextBox &box, bool header = false) {
  box.setText(u"before\rafter"_s);
  box.setSelStart(6);
  ASSERT_TRUE(box.insertTable(3, 3, header));
  QTextTable *t = firstTable(*box.document());
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c)
      t->cellAt(r, c).firstCursorPosition().insertText(QString(QChar(u'a' + r)) +
                                                       QString::number(c + 1));
}

struct Cell {
  int row;
  int column;
};

// Where the insertion point stands: the cell's (row, column) and its place in the cell's
// text, or (-1, -1) outside a table.
std::pair<Cell, int> where(const richtext::RichTextBox &box) {
  const QTextCursor cursor = box.textCursor();
  QTextTable *t = cursor.currentTable();
  if (!t) return {{-1, -1}, cursor.position()};
  const QTextTableCell cell = t->cellAt(cursor.position());
  return {{cell.row(), cell.column()}, cursor.position() - cell.firstCursorPosition().position()};
}

TEST(InsertTable, TheDialogsShapeGoesInTheRootFrameAtTheInsertionPoint) {
  const struct {
    const char *name;
    QString text;
    int position;
    bool list;  // the first paragraph is a bullet
    bool quote;
    quillmark::Platform::TableShape shape;
    std::string expected;
  } cases[] = {
      {"header", u"one"_s, 3, false, false, {2, 2, true}, R"("one" / T h1 [|; |] / "")"},
      {"no header", u"one"_s, 3, false, false, {1, 3, false}, R"("one" / T h0 [||] / "")"},
      {"parts a paragraph",
       u"onetwo"_s,
       3,
       false,
       false,
       {1, 1, false},
       R"("one" / T h0 [] / "two")"},
      {"after a list item",
       u"item\rnext"_s,
       2,
       true,
       false,
       {1, 2, true},
       R"(L "item" / T h1 [|] / "" / "next")"},
      {"after a quote", u"said"_s, 1, false, true, {1, 1, false}, R"(Q "said" / T h0 [] / "")"},
      {"columns kept to the most a document holds", u"x"_s, 1, false, false, {1, 300, false}, ""},
  };
  for (const auto &c : cases) {
    ScriptedWindow w;
    auto &box = w.window.box();
    box.setText(c.text);
    box.setSelStart(0);
    if (c.list) box.setSelBullet(true);
    if (c.quote) box.setSelQuote(true);
    box.setSelStart(c.position);
    const std::string before = structure(*box.document());
    w.platform->tables.push_back(c.shape);
    w.window.dispatch(u"miTable"_s);
    QTextTable *t = firstTable(*box.document());
    ASSERT_NE(t, nullptr) << c.name;
    if (!c.expected.empty()) {
      EXPECT_EQ(structure(*box.document()), c.expected) << c.name;
    }
    EXPECT_EQ(t->columns(), std::min(c.shape.columns, richtext::kMaxTableColumns)) << c.name;
    EXPECT_GT(t->format().border(), 0) << c.name;  // the writer sees the cells
    EXPECT_GT(t->format().cellPadding(), 0) << c.name;
    EXPECT_EQ(where(box).first.row, 0) << c.name;
    EXPECT_EQ(where(box).first.column, 0) << c.name;
    box.undo();
    EXPECT_EQ(structure(*box.document()), before) << c.name << ": one step of undo";
  }
}

TEST(InsertTable, IsNotOfferedInATableAndACancelledDialogInsertsNothing) {
  ScriptedWindow w;
  auto &box = w.window.box();
  box.setText(u"text"_s);
  w.window.dispatch(u"miInsertTable"_s);  // no answer: cancelled
  EXPECT_EQ(w.platform->tablesAsked, 1);
  EXPECT_EQ(firstTable(*box.document()), nullptr);

  makeTable(box);
  goToCell(box, 1, 1);
  w.platform->tables.push_back({2, 2, false});
  w.window.dispatch(u"miTable"_s);
  EXPECT_EQ(w.platform->tablesAsked, 1) << "not asked inside a table";
  EXPECT_EQ(structure(*box.document()),
            R"("before" / T h0 [a1|a2|a3; b1|b2|b3; c1|c2|c3] / "" / "after")");
  EXPECT_FALSE(w.window.toolAction(u"miTable"_s)->isEnabled());
}

TEST(TableKeys, TabAndShiftTabMoveBetweenCellsAndTabInTheLastCellAddsARow) {
  const struct {
    const char *name;
    Cell from;
    int offset;
    bool back;
    Cell to;
    int rows;
  } cases[] = {
      {"next cell", {0, 0}, 1, false, {0, 1}, 3},
      {"next row", {0, 2}, 2, false, {1, 0}, 3},
      {"previous cell", {1, 1}, 2, true, {1, 0}, 3},
      {"previous row", {1, 0}, 0, true, {0, 2}, 3},
      {"first cell stays", {0, 0}, 2, true, {0, 0}, 3},
      {"last cell adds a row", {2, 2}, 1, false, {3, 0}, 4},
  };
  for (const auto &c : cases) {
    ScriptedWindow w;
    auto &box = w.window.box();
    makeTable(box);
    goToCell(box, c.from.row, c.from.column, c.offset);
    QTest::keyClick(&box, c.back ? Qt::Key_Backtab : Qt::Key_Tab,
                    c.back ? Qt::ShiftModifier : Qt::NoModifier);
    const auto [cell, offset] = where(box);
    EXPECT_EQ(cell.row, c.to.row) << c.name;
    EXPECT_EQ(cell.column, c.to.column) << c.name;
    EXPECT_EQ(offset, 0) << c.name << ": at the cell's start";
    EXPECT_FALSE(box.textCursor().hasSelection()) << c.name;
    EXPECT_EQ(firstTable(*box.document())->rows(), c.rows) << c.name;
    EXPECT_EQ(box.toPlainText().count(u'\t'), 0) << c.name << ": no tab typed";
  }
}

TEST(TableKeys, TheRowTabAddsIsOneUndoStepAndTabStillChangesListLevelsOutside) {
  ScriptedWindow w;
  auto &box = w.window.box();
  makeTable(box);
  goToCell(box, 2, 2);
  QTest::keyClick(&box, Qt::Key_Tab);
  ASSERT_EQ(firstTable(*box.document())->rows(), 4);
  box.undo();
  EXPECT_EQ(firstTable(*box.document())->rows(), 3);

  box.setText(u"item"_s);
  box.setSelBullet(true);
  box.setSelStart(0);
  QTest::keyClick(&box, Qt::Key_Tab);
  EXPECT_EQ(box.selListLevel(), 2);
}

TEST(TableMenu, EachCommandChangesTheTableAndIsOneStepOfUndo) {
  const struct {
    const char *name;
    const char16_t *tool;
    Cell at;
    bool header;
    std::string expected;
  } cases[] = {
      {"row above", u"miRowAbove", {1, 1}, false, "T h0 [a1|a2|a3; ||; b1|b2|b3; c1|c2|c3]"},
      {"row below", u"miRowBelow", {2, 0}, false, "T h0 [a1|a2|a3; b1|b2|b3; c1|c2|c3; ||]"},
      {"column left", u"miColumnLeft", {0, 0}, false, "T h0 [|a1|a2|a3; |b1|b2|b3; |c1|c2|c3]"},
      {"column right", u"miColumnRight", {1, 1}, false, "T h0 [a1|a2||a3; b1|b2||b3; c1|c2||c3]"},
      {"delete row", u"miDeleteRow", {1, 2}, false, "T h0 [a1|a2|a3; c1|c2|c3]"},
      {"delete header row", u"miDeleteRow", {0, 0}, true, "T h0 [b1|b2|b3; c1|c2|c3]"},
      {"delete column", u"miDeleteColumn", {2, 0}, false, "T h0 [a2|a3; b2|b3; c2|c3]"},
      {"align right",
       u"miAlignColumnRight",
       {0, 1},
       false,
       "T h0 [a1|a2>|a3; b1|b2>|b3; c1|c2>|c3]"},
      {"align center",
       u"miAlignColumnCenter",
       {2, 2},
       false,
       "T h0 [a1|a2|a3^; b1|b2|b3^; c1|c2|c3^]"},
      {"header on", u"miHeaderRow", {1, 1}, false, "T h1 [a1*|a2*|a3*; b1|b2|b3; c1|c2|c3]"},
      {"header off", u"miHeaderRow", {1, 1}, true, "T h0 [a1|a2|a3; b1|b2|b3; c1|c2|c3]"},
      {"row above the header",
       u"miRowAbove",
       {0, 1},
       true,
       "T h1 [||; a1|a2|a3; b1|b2|b3; c1|c2|c3]"},
      {"column beside the header",
       u"miColumnRight",
       {0, 0},
       true,
       "T h1 [a1*||a2*|a3*; b1||b2|b3; c1||c2|c3]"},
  };
  for (const auto &c : cases) {
    ScriptedWindow w;
    auto &box = w.window.box();
    makeTable(box, c.header);
    goToCell(box, c.at.row, c.at.column);
    const std::string before = structure(*box.document());
    w.window.dispatch(QString::fromUtf16(c.tool));
    EXPECT_EQ(structure(*box.document()), R"("before" / )" + c.expected + R"( / "" / "after")")
        << c.name;
    box.undo();
    EXPECT_EQ(structure(*box.document()), before) << c.name << ": one step of undo";
  }
}

// The header row looks like one (shaded, its text bold, text typed there too) and posts as
// the forum's own header cells, without that look written again.
TEST(TableHeader, LooksLikeAHeaderAndPostsWithoutItsLook) {
  ScriptedWindow w;
  auto &box = w.window.box();
  makeTable(box, true);
  EXPECT_EQ(table(*firstTable(*box.document())), "T h1 [a1*|a2*|a3*; b1|b2|b3; c1|c2|c3]");
  const struct {
    quillmark::Format format;
    QString post;
  } posts[] = {
      {quillmark::Format::Xenforo,
       u"before\n[TABLE][TR][TH]a1[/TH][TH]a2[/TH][TH]a3[/TH][/TR]\n"
       "[TR][TD]b1[/TD][TD]b2[/TD][TD]b3[/TD][/TR]\n[TR][TD]c1[/TD][TD]c2[/TD][TD]c3[/TD][/TR]"
       "[/TABLE]\n\nafter"_s},
      {quillmark::Format::Markdown,
       u"before\n\n| a1 | a2 | a3 |\n| :--- | :--- | :--- |\n| b1 | b2 | b3 |\n| c1 | c2 | c3 |\n\n"
       "after"_s},
  };
  // The window shades the header's cells, and no other row's.
  w.window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w.window));
  const QImage shot = box.viewport()->grab().toImage();
  const auto paddingOf = [&](int row) {
    const QTextBlock block =
        firstTable(*box.document())->cellAt(row, 1).firstCursorPosition().block();
    const QRectF rect = box.document()->documentLayout()->blockBoundingRect(block);
    return shot.pixelColor(int(rect.left()) - 2,
                           int(rect.center().y()) - box.verticalScrollBar()->value());
  };
  EXPECT_NE(paddingOf(0), box.palette().color(QPalette::Base));
  EXPECT_EQ(paddingOf(1), box.palette().color(QPalette::Base));
  for (const auto &p : posts) {
    quillmark::web::Profile profile = quillmark::web::newProfile(p.format);
    quillmark::Converter converter;
    const quillmark::post::MadePost made =
        quillmark::post::makePost(converter, *box.document(), profile);
    EXPECT_EQ(made.text, p.post) << int(p.format);
    EXPECT_TRUE(made.losses.empty()) << int(p.format);
  }
}

// An inserted column, empty, is wide enough to click into and type in, on either side.
TEST(TableMenu, AnInsertedColumnHasAUsableWidth) {
  const struct {
    const char16_t *tool;
    Cell at;
    int column;  // the new column's
  } cases[] = {{u"miColumnLeft", {0, 0}, 0}, {u"miColumnRight", {1, 2}, 3}};
  for (const auto &c : cases) {
    ScriptedWindow w;
    w.window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w.window));
    auto &box = w.window.box();
    makeTable(box);
    goToCell(box, c.at.row, c.at.column);
    w.window.dispatch(QString::fromUtf16(c.tool));
    QTextTable *t = firstTable(*box.document());
    ASSERT_EQ(t->columns(), 4);
    const QTextBlock block = t->cellAt(1, c.column).firstCursorPosition().block();
    EXPECT_GE(box.document()->documentLayout()->blockBoundingRect(block).width(), 40)
        << QString::fromUtf16(c.tool).toStdString();
  }
}

TEST(TableMenu, DeletingTheTableOrItsLastRowsLeavesTheTextAround) {
  const struct {
    const char *name;
    const char16_t *tool;
    bool selectAll;  // every cell selected
  } cases[] = {
      {"delete table", u"miDeleteTable", false},
      {"delete every row", u"miDeleteRow", true},
      {"delete every column", u"miDeleteColumn", true},
  };
  for (const auto &c : cases) {
    ScriptedWindow w;
    auto &box = w.window.box();
    makeTable(box);
    const std::string before = structure(*box.document());
    goToCell(box, 0, 0);
    if (c.selectAll) {
      QTextCursor cursor = box.textCursor();
      cursor.setPosition(firstTable(*box.document())->cellAt(2, 2).lastCursorPosition().position(),
                         QTextCursor::KeepAnchor);
      box.setTextCursor(cursor);
    }
    w.window.dispatch(QString::fromUtf16(c.tool));
    EXPECT_EQ(structure(*box.document()), R"("before" / "after")") << c.name;
    box.undo();
    EXPECT_EQ(structure(*box.document()), before) << c.name;
  }
}

TEST(TableMenu, ANewRowTakesItsColumnsAlignment) {
  ScriptedWindow w;
  auto &box = w.window.box();
  makeTable(box);
  goToCell(box, 0, 2);
  w.window.dispatch(u"miAlignColumnRight"_s);
  goToCell(box, 2, 0);
  w.window.dispatch(u"miRowBelow"_s);
  EXPECT_EQ(table(*firstTable(*box.document())), "T h0 [a1|a2|a3>; b1|b2|b3>; c1|c2|c3>; ||>]");
}

TEST(TableMenu, ToolsApplyWhereTheyMakeSense) {
  const QStringList inTableOnly{
      u"miRowAbove"_s,          u"miRowBelow"_s,         u"miColumnLeft"_s,  u"miColumnRight"_s,
      u"miDeleteRow"_s,         u"miDeleteColumn"_s,     u"miDeleteTable"_s, u"miAlignColumnLeft"_s,
      u"miAlignColumnCenter"_s, u"miAlignColumnRight"_s, u"miHeaderRow"_s,   u"miTableToText"_s};
  const QStringList outsideOnly{u"miTable"_s,    u"miInsertTable"_s, u"miTextToTable"_s,
                                u"Bullets"_s,    u"Numbering"_s,     u"miQuote"_s,
                                u"miHeading1"_s, u"miHeading2"_s,    u"miHeading3"_s,
                                u"miPicture"_s,  u"miRule"_s,        u"Fixed Columns"_s};
  ScriptedWindow w;
  auto &box = w.window.box();
  makeTable(box, true);
  const struct {
    const char *name;
    bool inside;
  } places[] = {{"in a cell", true}, {"outside", false}, {"in a cell again", true}};
  for (const auto &place : places) {
    if (place.inside)
      goToCell(box, 1, 1);
    else
      box.setSelStart(2);
    for (const QString &name : inTableOnly)
      EXPECT_EQ(w.window.toolAction(name)->isEnabled(), place.inside)
          << place.name << ": " << name.toStdString();
    for (const QString &name : outsideOnly)
      EXPECT_EQ(w.window.toolAction(name)->isEnabled(), !place.inside)
          << place.name << ": " << name.toStdString();
    EXPECT_EQ(w.window.toolAction(u"miHeaderRow"_s)->isChecked(), place.inside) << place.name;
  }
}

TEST(TableMenu, StructureCommandsLeaveACellAsItIs) {
  const char16_t *const commands[] = {u"Bullets",    u"Numbering", u"miQuote",
                                      u"miHeading1", u"miRule",    u"Increase Indent"};
  for (const char16_t *command : commands) {
    ScriptedWindow w;
    auto &box = w.window.box();
    makeTable(box);
    goToCell(box, 1, 1, 1);
    const std::string before = structure(*box.document());
    w.window.dispatch(QString::fromUtf16(command));
    EXPECT_EQ(structure(*box.document()), before) << QString::fromUtf16(command).toStdString();
  }
  ScriptedWindow w;
  auto &box = w.window.box();
  makeTable(box);
  goToCell(box, 0, 0);
  const std::string before = structure(*box.document());
  w.platform->pictures.push_back({u"https://example.com/a.png"_s, u"a"_s});
  w.window.dispatch(u"miPicture"_s);
  w.window.dispatch(u"Fixed Columns"_s);
  EXPECT_EQ(structure(*box.document()), before);
  ASSERT_EQ(w.platform->messages.size(), 2u) << "both are refused with a reason";
  EXPECT_EQ(w.platform->messages[1].title, u"Fixed Columns"_s);
}

TEST(TableMenu, MenuTitlesAndTableItemsHaveAccessKeysOfTheirOwn) {
  ScriptedWindow w;
  const auto key = [](const QString &caption) {
    const qsizetype amp = caption.indexOf(u'&');
    return amp >= 0 && amp + 1 < caption.size() ? caption.at(amp + 1).toUpper() : QChar();
  };
  QSet<QChar> titles;
  QMenu *tableMenu = nullptr;
  for (QAction *title : w.window.menuBar()->actions()) {
    const QChar k = key(title->text());
    ASSERT_FALSE(k.isNull()) << title->text().toStdString();
    EXPECT_FALSE(titles.contains(k)) << title->text().toStdString();
    titles.insert(k);
    if (title->objectName() == u"mnuTable"_s) tableMenu = title->menu();
  }
  ASSERT_NE(tableMenu, nullptr);
  QSet<QChar> items;
  int count = 0;
  for (QAction *item : tableMenu->actions()) {
    if (item->isSeparator()) continue;
    ++count;
    const QChar k = key(item->text());
    ASSERT_FALSE(k.isNull()) << item->text().toStdString();
    EXPECT_FALSE(items.contains(k)) << item->text().toStdString();
    items.insert(k);
  }
  EXPECT_EQ(count, 14);
}

// Puts lines in the document after "above" and before "below", the lines selected.
void selectLines(richtext::RichTextBox &box, const QString &lines) {
  box.setText(u"above\r"_s + lines + u"\rbelow"_s);
  box.setSelStart(6);
  box.setSelLength(int(lines.size()));
}

TEST(ConvertTextToTable, CutsLinesAtTabsBlanksAndTheFixedColumnsLayout) {
  const struct {
    const char *name;
    QString lines;
    bool fixedBlock;  // the lines in a fixed-columns block, insertion point inside it
    bool boldFirst;   // the first line is bold
    std::string expected;
  } cases[] = {
      {"tabs", u"Name\tAge\rBob Smith\t42"_s, false, false, "T h0 [Name|Age; Bob Smith|42]"},
      {"empty cell between tabs", u"a\t\tc\rd\te\tf"_s, false, false, "T h0 [a||c; d|e|f]"},
      {"blank-aligned columns", u"City      Pop\rNew York  8.3\rRome      2.8"_s, false, false,
       "T h0 [City|Pop; New York|8.3; Rome|2.8]"},
      {"ragged gaps, each line its own", u"one  two\rthree   four  five"_s, false, false,
       "T h0 [one|two|; three|four|five]"},
      {"one blank parts no cells", u"Real Madrid  12\rAjax         9"_s, false, false,
       "T h0 [Real Madrid|12; Ajax|9]"},
      {"dashes line makes a header", u"Team  Won\r----  ---\rAjax  3\rPSV   2"_s, false, false,
       "T h1 [Team|Won; Ajax|3; PSV|2]"},
      {"bold first line makes a header", u"Team\tWon\rAjax\t3"_s, false, true,
       "T h1 [Team*|Won*; Ajax|3]"},
      {"fixed-columns block", u"Club   Pts\rAjax   10\rPSV     9"_s, true, false,
       "T h0 [Club|Pts; Ajax|10; PSV|9]"},
      {"blank lines make no row", u"a  b\r\rc  d"_s, false, false, "T h0 [a|b; c|d]"},
  };
  for (const auto &c : cases) {
    ScriptedWindow w;
    auto &box = w.window.box();
    if (c.fixedBlock) {
      box.setText(u"above\r"_s);
      box.setSelStart(6);
      w.window.dispatch(u"Fixed Columns"_s);  // the insertion point inside the block
      box.setSelText(c.lines);
      box.setSelStart(box.selStart() - 2);
    } else {
      selectLines(box, c.lines);
      if (c.boldFirst) {
        box.setSelLength(int(c.lines.indexOf(u'\r')));
        box.setSelBold(true);
        box.setSelStart(6);
        box.setSelLength(int(c.lines.size()));
      }
    }
    const std::string before = structure(*box.document());
    w.window.dispatch(u"miTextToTable"_s);
    EXPECT_TRUE(w.platform->messages.empty()) << c.name;
    const std::string expected = c.fixedBlock ? R"("above" / )" + c.expected + R"( / "" / "" / "")"
                                              : R"("above" / )" + c.expected + R"( / "" / "below")";
    EXPECT_EQ(structure(*box.document()), expected) << c.name;
    box.undo();
    EXPECT_EQ(structure(*box.document()), before) << c.name << ": one step of undo";
  }
}

TEST(ConvertTextToTable, LinesSelectedWholeLeaveTheNextLineOut) {
  ScriptedWindow w;
  auto &box = w.window.box();
  box.setText(u"a\tb\rc\td\rnext"_s);
  box.setSelStart(0);
  box.setSelLength(8);  // to the start of "next"
  w.window.dispatch(u"miTextToTable"_s);
  EXPECT_EQ(structure(*box.document()), R"("" / T h0 [a|b; c|d] / "" / "next")");
}

TEST(ConvertTextToTable, NothingToConvertIsToldAndChangesNothing) {
  ScriptedWindow w;
  auto &box = w.window.box();
  box.setText(u"a  b"_s);
  box.setSelStart(1);
  w.window.dispatch(u"miTextToTable"_s);
  EXPECT_EQ(firstTable(*box.document()), nullptr);
  ASSERT_EQ(w.platform->messages.size(), 1u);
  EXPECT_EQ(w.platform->messages[0].title, u"Convert Text to Table"_s);
  EXPECT_EQ(box.toPlainText(), u"a  b"_s);
}

TEST(ConvertTableToText, GivesThePaddedBlockWithEveryCellsText) {
  ScriptedWindow w;
  auto &box = w.window.box();
  makeTable(box, true);
  goToCell(box, 1, 1);
  QTextCursor cell = box.textCursor();
  cell.insertText(u"long text"_s);
  const std::string before = structure(*box.document());
  w.window.dispatch(u"miTableToText"_s);
  const QStringList lines = richtext::fixedColumnsBlock({{u"a1"_s, u"a2"_s, u"a3"_s},
                                                         {u"b1"_s, u"long textb2"_s, u"b3"_s},
                                                         {u"c1"_s, u"c2"_s, u"c3"_s}});
  std::string expected = R"("before")";
  for (const QString &line : lines) expected += R"( / F ")" + line.toStdString() + '"';
  EXPECT_EQ(structure(*box.document()), expected + R"( / "after")");
  EXPECT_EQ(firstTable(*box.document()), nullptr);
  box.undo();
  EXPECT_EQ(structure(*box.document()), before);

  // And back: the block becomes the table it was, the header aside.
  goToCell(box, 0, 0);
  w.window.dispatch(u"miTableToText"_s);
  box.setSelStart(int(u"before\r{Begin Fixed}\ra"_s.size()));
  w.window.dispatch(u"miTextToTable"_s);
  EXPECT_EQ(structure(*box.document()),
            R"("before" / T h0 [a1|a2|a3; b1|long textb2|b3; c1|c2|c3] / "" / "after")");
}

}  // namespace

namespace {

TEST(TableRefusals, WhatACellCannotHoldIsRefusedWithTheReason) {
  const struct {
    const char *name;
    QString text;
    int position;
    int length;
    const char16_t *tool;
    QString title;
    bool picture;  // a picture after the second character
  } cases[] = {
      {"a table in a fixed-columns block", u"{Begin Fixed}\rab\r{End Fixed}"_s, 15, 0, u"miTable",
       u"Insert Table"_s, false},
      {"lines holding a picture", u"a  b\rc  d"_s, 0, 10, u"miTextToTable",
       u"Convert Text to Table"_s, true},
  };
  for (const auto &c : cases) {
    ScriptedWindow w;
    auto &box = w.window.box();
    box.setText(c.text);
    if (c.picture) {
      box.setSelStart(2);
      ASSERT_TRUE(box.insertPicture(u"https://example.com/p.png"_s, u"p"_s));
    }
    box.setSelStart(c.position);
    box.setSelLength(c.length);
    w.platform->tables.push_back({2, 2, false});
    const std::string before = structure(*box.document());
    w.window.dispatch(QString::fromUtf16(c.tool));
    EXPECT_EQ(structure(*box.document()), before) << c.name;
    ASSERT_EQ(w.platform->messages.size(), 1u) << c.name;
    EXPECT_EQ(w.platform->messages[0].title, c.title) << c.name;
  }
}

TEST(TablePaste, APasteIntoACellKeepsItsTextButNoStructure) {
  QTextDocument incoming;
  QTextCursor cursor(&incoming);
  cursor.insertText(u"item"_s);
  QTextListFormat bullets;
  bullets.setStyle(QTextListFormat::ListDisc);
  cursor.createList(bullets);
  cursor.insertBlock(QTextBlockFormat());
  QTextBlockFormat heading;
  heading.setHeadingLevel(2);
  cursor.setBlockFormat(heading);
  cursor.insertText(u"title "_s);
  QTextImageFormat picture;
  picture.setName(u"https://example.com/p.png"_s);
  picture.setProperty(QTextFormat::ImageAltText, u"the map"_s);
  cursor.insertImage(picture);
  cursor.insertBlock(QTextBlockFormat());
  QTextTable *inner = cursor.insertTable(2, 2);
  inner->cellAt(0, 0).firstCursorPosition().insertText(u"x"_s);
  inner->cellAt(0, 1).firstCursorPosition().insertText(u"y"_s);
  inner->cellAt(1, 1).firstCursorPosition().insertText(u"z"_s);

  richtext::RichTextBox::reduceToCellText(incoming);
  EXPECT_EQ(structure(incoming), R"("item" / "title the map" / "" / "x y" / "z")");
  const QTextBlock title = incoming.begin().next();
  auto it = title.begin();
  ++it;
  ASSERT_FALSE(it.atEnd());
  EXPECT_EQ(richtext::linkOf(it.fragment().charFormat()), u"https://example.com/p.png"_s);
}

}  // namespace

namespace {

TEST(TablePaste, AListPastedIntoACellBecomesItsText) {
  ScriptedWindow w;
  auto &box = w.window.box();
  makeTable(box);
  goToCell(box, 1, 1, 2);
  QMimeData data;
  data.setHtml(u"<ul><li>one</li><li>two</li></ul>"_s);
  box.insertRich(&data);
  const std::string after = structure(*box.document());
  int items = 0;
  for (QTextBlock block = box.document()->begin(); block.isValid(); block = block.next())
    items += block.textList() != nullptr;
  EXPECT_EQ(items, 0) << after;
  EXPECT_NE(after.find("b2one"), std::string::npos) << after;
  EXPECT_EQ(after.find("nested"), std::string::npos) << after;
}

}  // namespace
