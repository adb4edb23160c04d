// The structure commands through the window: lists and their levels, quotes, headings,
// pictures and rules, each checked in the document as DocumentModel.h holds it and in the
// post model that is read from it, and each one step of undo.
#include <gtest/gtest.h>

#include <QTest>
#include <QTextBlock>
#include <QTextList>
#include <functional>
#include <map>
#include <string>

#include "ScriptedPlatform.h"
#include "post/DocumentPost.h"
#include "richtext/DocumentModel.h"
#include "richtext/RichTextBox.h"

using namespace Qt::StringLiterals;
using quillmark::testing::ScriptedWindow;
namespace richtext = quillmark::richtext;

namespace {

void select(richtext::RichTextBox &box, int start, int length = 0) {
  box.setSelStart(start);
  box.setSelLength(length);
}

// The paragraphs as the document holds them, " / " between them: the list's style, level
// and which list of the document it is; the quote level and the left margin; the heading
// level with the first run's look; a rule; the text, a picture as [img].
std::string structure(const QTextDocument &document) {
  static const std::map<int, std::string> styles{
      {QTextListFormat::ListDisc, "disc"},        {QTextListFormat::ListCircle, "circle"},
      {QTextListFormat::ListSquare, "square"},    {QTextListFormat::ListDecimal, "decimal"},
      {QTextListFormat::ListLowerAlpha, "alpha"}, {QTextListFormat::ListLowerRoman, "roman"}};
  std::map<const QTextList *, int> lists;
  std::string out;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    if (block != document.begin()) out += " / ";
    const QTextBlockFormat format = block.blockFormat();
    if (const QTextList *list = block.textList()) {
      const int number = lists.emplace(list, int(lists.size()) + 1).first->second;
      out += styles.at(list->format().style()) + std::to_string(list->format().indent()) + "#" +
             std::to_string(number) + " ";
    }
    if (const int quote = richtext::quoteLevelOf(format)) out += "Q" + std::to_string(quote) + " ";
    if (format.leftMargin() != 0) out += "m" + std::to_string(qRound(format.leftMargin())) + " ";
    if (format.headingLevel() > 0) {
      const QTextCharFormat look = block.begin().fragment().charFormat();
      out += "H" + std::to_string(format.headingLevel()) + (richtext::isBold(look) ? " b" : " ") +
             std::to_string(qRound(look.fontPointSize())) + "pt ";
    }
    if (format.hasProperty(QTextFormat::BlockTrailingHorizontalRulerWidth)) out += "rule ";
    QString text = block.text();
    text.replace(QChar::ObjectReplacementCharacter, u"[img]"_s);
    out += '"' + text.toStdString() + '"';
  }
  return out;
}

// The post model's description without the normal face and size every run has.
std::string tree(const QTextDocument &document) {
  std::string described = quillmark::post::describe(quillmark::post::modelOf(document));
  for (const std::string normal : {" face=\"MS Sans Serif\"", " size=100"}) {
    for (auto at = described.find(normal); at != std::string::npos; at = described.find(normal))
      described.erase(at, normal.size());
  }
  return described;
}

using Act = std::function<void(ScriptedWindow &)>;
Act tool(const char16_t *name, int start, int length = 0) {
  return [=](ScriptedWindow &w) {
    select(w.window.box(), start, length);
    w.window.dispatch(QString::fromUtf16(name));
  };
}
Act key(Qt::Key key, int at, Qt::KeyboardModifiers modifiers = {}) {
  return [=](ScriptedWindow &w) {
    select(w.window.box(), at);
    QTest::keyClick(&w.window.box(), key, modifiers);
  };
}
const Act kNothing = [](ScriptedWindow &) {};

// On "one" and "two": `before` sets up, `act` is the command under test.
TEST(StructureCommands, EachBuildsItsStructureInOneStepOfUndo) {
  const std::string one = "    paragraph\n      \"one\"\n", two = "    paragraph\n      \"two\"\n";
  const struct {
    const char *name;
    Act before, act;
    std::string structure, tree;
  } rows[] = {
      {"numbering", kNothing, tool(u"Numbering", 0, 7), R"(decimal1#1 "one" / decimal1#1 "two")",
       "list decimal\n  item\n" + one + "  item\n" + two},
      {"bullets become numbers", tool(u"Bullets", 0, 7), tool(u"Numbering", 0, 7),
       R"(decimal1#1 "one" / decimal1#1 "two")", "list decimal\n  item\n" + one + "  item\n" + two},
      {"tab at an item's start", tool(u"Numbering", 0, 7), key(Qt::Key_Tab, 4),
       R"(decimal1#1 "one" / alpha2#2 "two")",
       "list decimal\n  item\n" + one +
           "    list lower-alpha\n      item\n        paragraph\n          \"two\"\n"},
      {"shift+tab at level 1 leaves the list", tool(u"Bullets", 0, 7), key(Qt::Key_Backtab, 4),
       R"(disc1#1 "one" / "two")", "list bullet\n  item\n" + one + "paragraph\n  \"two\"\n"},
      {"increase indent in a list", tool(u"Bullets", 0, 7), tool(u"Increase Indent", 4),
       R"(disc1#1 "one" / circle2#2 "two")",
       "list bullet\n  item\n" + one +
           "    list bullet\n      item\n        paragraph\n"
           "          \"two\"\n"},
      {"quote", kNothing, tool(u"miQuote", 5), R"("one" / Q1 m30 "two")",
       "paragraph\n  \"one\"\nquote\n  paragraph\n    \"two\"\n"},
      {"quote off", tool(u"miQuote", 0, 7), tool(u"miQuote", 0, 7), R"("one" / "two")",
       "paragraph\n  \"one\"\nparagraph\n  \"two\"\n"},
      {"quote over a list", tool(u"Numbering", 0, 7), tool(u"miQuote", 0, 7),
       R"(decimal1#1 Q1 m30 "one" / decimal1#1 Q1 m30 "two")",
       "quote\n  list decimal\n    item\n      paragraph\n        \"one\"\n    item\n"
       "      paragraph\n        \"two\"\n"},
      {"heading 1", kNothing, tool(u"miHeading1", 1), R"(H1 b24pt "one" / "two")",
       "heading 1\n  \"one\"\nparagraph\n  \"two\"\n"},
      {"heading 3 over both", kNothing, tool(u"miHeading3", 0, 7),
       R"(H3 b14pt "one" / H3 b14pt "two")", "heading 3\n  \"one\"\nheading 3\n  \"two\"\n"},
      {"heading 2 to normal text", tool(u"miHeading2", 1), tool(u"miNormalText", 1),
       R"("one" / "two")", "paragraph\n  \"one\"\nparagraph\n  \"two\"\n"},
      {"return at a heading's end", tool(u"miHeading2", 0), key(Qt::Key_Return, 3),
       R"(H2 b18pt "one" / "" / "two")", "heading 2\n  \"one\"\nparagraph\nparagraph\n  \"two\"\n"},
      {"rule at a paragraph's end", kNothing, tool(u"miRule", 3), R"("one" / rule "" / "two")",
       "paragraph\n  \"one\"\nrule\nparagraph\n  \"two\"\n"},
      {"rule in a quote", tool(u"miQuote", 0, 7), tool(u"miRule", 3),
       R"(Q1 m30 "one" / Q1 m30 rule "" / Q1 m30 "two")",
       "quote\n  paragraph\n    \"one\"\n  rule\n  paragraph\n    \"two\"\n"},
      {"picture", kNothing, tool(u"miPicture", 3), R"("one[img]" / "two")",
       "paragraph\n  \"one\"\n  picture \"https://example.org/cat.png\" alt=\"a cat\"\n"
       "paragraph\n  \"two\"\n"},
      {"picture over the selection, its address trimmed, its alt text one line", kNothing,
       [](ScriptedWindow &w) {
         w.platform->pictures = {{u" http://example.org/dog.png\n"_s, u"big\n\tdog"_s}};
         tool(u"miPicture", 0, 3)(w);
       },
       R"("[img]" / "two")",
       "paragraph\n  picture \"http://example.org/dog.png\" alt=\"big dog\"\nparagraph\n"
       "  \"two\"\n"},
  };
  for (const auto &row : rows) {
    ScriptedWindow w;
    w.platform->pictures = {{u"https://example.org/cat.png"_s, u"a cat"_s}};
    auto &box = w.window.box();
    box.setSelText(u"one\rtwo"_s);
    row.before(w);
    QTextDocument &document = *box.document();
    const std::string before = structure(document);
    row.act(w);
    EXPECT_EQ(structure(document), row.structure) << row.name;
    EXPECT_EQ(tree(document), row.tree) << row.name;
    box.undo();  // the command only, all of it
    EXPECT_EQ(structure(document), before) << row.name;
    box.redo();
    EXPECT_EQ(structure(document), row.structure) << row.name;
  }
}

// Tab ('T') and Shift+Tab ('B' for Backtab, 'S' for Tab with Shift) on the second of two
// bulleted items: its level stays 1 to 9, below 1 it leaves the list, and no tab is typed.
TEST(StructureCommands, TabAndShiftTabKeepTheLevelFromOneToNine) {
  const struct {
    const char *keys;
    int level;
  } rows[] = {{"T", 2}, {"TTT", 4}, {"TTTTTTTTTTTT", 9}, {"TTB", 2}, {"TS", 1},
              {"B", 0}, {"S", 0},   {"TBB", 0}};
  for (const auto &row : rows) {
    ScriptedWindow w;
    auto &box = w.window.box();
    box.setSelText(u"one\rtwo"_s);
    tool(u"Bullets", 0, 7)(w);
    select(box, 4);
    for (const char *k = row.keys; *k; ++k)
      QTest::keyClick(&box, *k == 'B' ? Qt::Key_Backtab : Qt::Key_Tab,
                      *k == 'S' ? Qt::ShiftModifier : Qt::NoModifier);
    EXPECT_EQ(box.selListLevel(), row.level) << row.keys;
    EXPECT_EQ(box.text(), u"one\ntwo"_s) << row.keys;
    EXPECT_EQ(box.selIndent(), 0) << row.keys;
    // The post nests as many lists as the level; out of the list only the first item's.
    const std::string described = tree(*box.document());
    int lists = 0;
    for (auto at = described.find("list bullet"); at != std::string::npos;
         at = described.find("list bullet", at + 1))
      ++lists;
    EXPECT_EQ(lists, std::max(row.level, 1)) << row.keys << "\n" << described;
  }
  // Elsewhere Tab types a tab: inside an item's text and in a paragraph of no list.
  for (const int at : {5, 0}) {
    ScriptedWindow w;
    auto &box = w.window.box();
    box.setSelText(u"one\rtwo"_s);
    tool(u"Bullets", 4)(w);
    key(Qt::Key_Tab, at)(w);
    EXPECT_EQ(box.text(), at == 5 ? u"one\nt\two"_s : u"\tone\ntwo"_s);
  }
}

// Normal Text takes a heading's look away, and leaves a paragraph that was no heading alone.
TEST(StructureCommands, NormalTextRestoresTheNormalLook) {
  ScriptedWindow w;
  auto &box = w.window.box();
  box.setSelText(u"Title\rsome bold"_s);
  select(box, 11, 4);
  box.setSelBold(true);
  tool(u"miHeading1", 2)(w);
  tool(u"miNormalText", 2)(w);
  QTest::keyClicks(&box, u"X"_s);
  select(box, 0, 6);
  EXPECT_EQ(box.selBold(), false);
  EXPECT_EQ(box.selFontSize(), richtext::kDefaultFontPointSize);
  EXPECT_EQ(box.selHeading(), 0);
  tool(u"miNormalText", 12)(w);
  select(box, 12, 4);
  EXPECT_EQ(box.selBold(), true) << "Normal Text on normal text changes nothing";
  EXPECT_EQ(tree(*box.document()),
            "paragraph\n  \"TiXtle\"\nparagraph\n  \"some \"\n  \"bold\" bold\n");
}

// A quote adds its margin on top of the paragraph's own indent, the indent commands change
// the own indent only, and the quote taken away leaves the own indent as it is.
TEST(StructureCommands, QuoteOffRestoresTheMargins) {
  const struct {
    const char *name;
    int indents;  // presses of Increase Indent before the quote
  } rows[] = {{"plain", 0}, {"indented twice", 2}};
  for (const auto &row : rows) {
    ScriptedWindow w;
    auto &box = w.window.box();
    box.setSelText(u"one"_s);
    for (int press = 0; press < row.indents; ++press) tool(u"Increase Indent", 0)(w);
    const int own = 250 * row.indents;
    const auto margin = [&box] { return box.document()->begin().blockFormat().leftMargin(); };
    tool(u"miQuote", 0)(w);
    EXPECT_EQ(box.selQuote(), true) << row.name;
    EXPECT_EQ(box.selIndent(), own) << row.name;
    EXPECT_DOUBLE_EQ(margin(), richtext::twipsToPixels(own) + 30) << row.name;
    tool(u"Increase Indent", 0)(w);
    EXPECT_EQ(box.selIndent(), own + 250) << row.name;
    EXPECT_DOUBLE_EQ(margin(), richtext::twipsToPixels(own + 250) + 30) << row.name;
    EXPECT_EQ(box.selQuote(), true) << row.name << ": the indent keeps the quote";
    tool(u"miQuote", 0)(w);
    EXPECT_EQ(box.selQuote(), false) << row.name;
    EXPECT_DOUBLE_EQ(margin(), richtext::twipsToPixels(own + 250)) << row.name;
    for (int press = 0; press <= row.indents; ++press) tool(u"Decrease Indent", 0)(w);
    EXPECT_DOUBLE_EQ(margin(), 0) << row.name;
  }
}

// Only an http or https address with a host is a picture's: any other is refused with a
// message and changes nothing; a cancelled dialog changes nothing either.
TEST(StructureCommands, PictureAddressesOffTheWebAreRefused) {
  for (const QString &address :
       {u"ftp://example.org/a.png"_s, u"file:///home/me/a.png"_s, u"javascript:alert(1)"_s,
        u"example.org/a.png"_s, u"https://"_s, u"http://exa mple.org/a.png"_s, QString()}) {
    ScriptedWindow w;
    w.platform->pictures = {{address, u"alt"_s}};
    auto &box = w.window.box();
    box.setSelText(u"one"_s);
    tool(u"miPicture", 3)(w);
    EXPECT_EQ(structure(*box.document()), R"("one")") << address.toStdString();
    ASSERT_EQ(w.platform->messages.size(), 1u) << address.toStdString();
    EXPECT_EQ(w.platform->messages[0].icon, quillmark::Platform::Icon::Warning);
  }
  ScriptedWindow w;
  tool(u"miPicture", 0)(w);
  EXPECT_EQ(w.platform->picturesAsked, 1);
  EXPECT_TRUE(w.platform->messages.empty());
  EXPECT_FALSE(w.window.box().document()->isUndoAvailable());
}

}  // namespace
