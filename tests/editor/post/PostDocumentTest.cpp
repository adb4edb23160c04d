// A post model made into a document: every block kind and every style goes in, and the
// document's own model (modelOf) gives the same model back.
#include <gtest/gtest.h>

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextTable>
#include <string>
#include <vector>

#include "post/DocumentPost.h"
#include "post/PostDocument.h"
#include "richtext/DocumentModel.h"
#include "richtext/RtfWriter.h"

using namespace Qt::StringLiterals;

namespace {

namespace post = quillmark::post;
namespace richtext = quillmark::richtext;
using post::Align;
using post::Block;
using post::BlockKind;
using post::Model;
using post::Numbering;
using post::Run;
using post::Style;

// The post's normal text, as modelOf gives it for a document's default size.
constexpr int kNormal = 3;

Style sizedStyle(int size, std::uint8_t flags = 0) {
  Style style;
  style.flags = flags;
  style.size = post::percentOfHtmlSize(size);
  return style;
}
Style normal() { return sizedStyle(kNormal); }
Style with(std::uint8_t flags) { return sizedStyle(kNormal, flags); }

Run run(std::u16string text, Style style = normal()) {
  Run r;
  r.text = std::move(text);
  r.style = std::move(style);
  return r;
}
Run picture(std::u16string alt, std::u16string address) {
  Run r = run(std::move(alt));
  r.picture = std::move(address);
  r.kind = post::RunKind::Picture;
  return r;
}

Block of(BlockKind kind, std::vector<Block> children = {}) {
  Block block;
  block.kind = kind;
  block.children = std::move(children);
  return block;
}

Block paragraph(std::vector<Run> runs, Align align = Align::Left, bool spaceAfter = false) {
  Block block = of(BlockKind::Paragraph);
  block.align = align;
  block.spaceAfter = spaceAfter;
  block.runs = std::move(runs);
  return block;
}
Block text(std::u16string words) { return paragraph({run(std::move(words))}); }

Block heading(int level, std::vector<Run> runs, Align align = Align::Left) {
  Block block = paragraph(std::move(runs), align);
  block.kind = BlockKind::Heading;
  block.level = level;
  return block;
}

Block code(std::u16string lines) {
  Block block = of(BlockKind::Code);
  block.runs = {run(std::move(lines), Style{})};
  return block;
}

Block list(Numbering numbering, std::vector<Block> items, int start = 1) {
  Block block = of(BlockKind::List, std::move(items));
  block.numbering = numbering;
  block.start = start;
  return block;
}
Block item(std::u16string words, std::vector<Block> nested = {}) {
  std::vector<Block> children{text(std::move(words))};
  for (Block &b : nested) children.push_back(std::move(b));
  return of(BlockKind::Item, std::move(children));
}

Block cell(std::vector<Block> paragraphs, bool header = false, Align align = Align::Left) {
  Block block = of(BlockKind::Cell, std::move(paragraphs));
  block.align = align;
  block.header = header;
  return block;
}

Model model(std::vector<Block> blocks) { return Model{std::move(blocks)}; }

Block cited(Block quote, post::Attribution cite) {
  quote.cite = std::move(cite);
  return quote;
}
Block cited_(std::u16string author) {
  return cited(of(BlockKind::Quote, {text(u"hi")}), {std::move(author), {}, {}, {}, {}});
}

// An empty document, set up as the editor sets up its documents.
struct Document {
  Document() { richtext::setUpDocument(document, richtext::kBulletIndentTwips); }
  QTextDocument document;
};

struct Case {
  const char *name;
  Model model;
};

std::vector<Case> cases() {
  Style red = normal();
  red.colour = u"#FF0000";
  Style face = normal();
  face.face = u"Georgia";
  Style link = normal();
  link.link = u"https://example.com/a?b=1";
  Style big = normal();
  big.size = post::percentOfHtmlSize(6);
  Style small = normal();
  small.size = post::percentOfHtmlSize(1);
  Style all = red;
  all.flags = post::kBold | post::kItalic | post::kUnderline | post::kStrike;
  all.face = u"Verdana";
  all.size = post::percentOfHtmlSize(5);
  all.link = u"http://example.org/";
  Style sized = sizedStyle(4);  // a size of its own in a heading
  Block labelled = code(u"echo 1;\n");
  labelled.label = u"php";
  Block toDo = item(u"to do"), done = item(u"done");
  toDo.task = post::Task::Open;
  done.task = post::Task::Done;
  // Lists longer than the document gives one QTextList, one with a list inside an item.
  std::vector<Block> many, numbered;
  for (int i = 0; i < 700; ++i) {
    many.push_back(item(u"b" + QString::number(i).toStdU16String()));
    numbered.push_back(item(
        u"n" + QString::number(i).toStdU16String(),
        i == 300 ? std::vector{list(Numbering::Bullet, {item(u"in")})} : std::vector<Block>{}));
  }

  return {
      {"runs of every character format",
       model({paragraph({run(u"b", with(post::kBold)), run(u"i", with(post::kItalic)),
                         run(u"u", with(post::kUnderline)), run(u"s", with(post::kStrike)),
                         run(u"sup", with(post::kSuper)), run(u"sub", with(post::kSub)),
                         run(u"plain")})})},
      {"colour, face, link and every size",
       model({paragraph({run(u"red ", red), run(u"Georgia ", face), run(u"link", link),
                         run(u" big", big), run(u" small", small), run(u" all", all),
                         run(u" 2", sizedStyle(2)), run(u" 4", sizedStyle(4)),
                         run(u" 7", sizedStyle(7))})})},
      {"alignment and space after",
       model({paragraph({run(u"centre")}, Align::Centre, true),
              paragraph({run(u"right")}, Align::Right),
              paragraph({run(u"justify")}, Align::Justify), paragraph({run(u"left")})})},
      {"line breaks, tabs and an empty line",
       model({text(u"one\ntwo\tthree"), paragraph({}), text(u"after")})},
      {"headings, one with a sized run",
       model({heading(1, {run(u"Title", Style{})}),
              heading(2, {run(u"Sub ", Style{}), run(u"sized", sized)}, Align::Centre),
              heading(3, {run(u"Small", Style{})}), text(u"body")})},
      {"inline code, a code block's language and task items",
       model({paragraph({run(u"run "), run(u"ls -l", with(post::kCode))}), labelled,
              list(Numbering::Bullet, {toDo, done})})},
      {"code block, rule and pictures",
       model({text(u"before"), code(u"a  b\n  c\n\nd\n"), of(BlockKind::Rule),
              paragraph({run(u"see "), picture(u"a cat", u"https://example.com/cat.png"),
                         run(u" there")})})},
      {"nested quotes",
       model({text(u"outside"),
              of(BlockKind::Quote, {text(u"one deep"), of(BlockKind::Quote, {text(u"two deep")}),
                                    text(u"one again"), of(BlockKind::Rule)}),
              text(u"out")})},
      {"lists of every numbering, a start, nesting",
       model(
           {list(Numbering::Bullet,
                 {item(u"a"), item(u"b", {list(Numbering::Decimal, {item(u"b1"), item(u"b2")}, 3)}),
                  item(u"c")}),
            text(u"between"), list(Numbering::LowerAlpha, {item(u"x")}), text(u"and"),
            list(Numbering::UpperAlpha, {item(u"y")}), text(u"then"),
            list(Numbering::LowerRoman,
                 {item(u"z", {list(Numbering::UpperRoman, {item(u"deep")})})})})},
      {"quotes citing their sources, one after another and nested",
       model({cited(of(BlockKind::Quote, {text(u"first")}), {u"Ann", u"12", u"3", u"1700", {}}),
              cited(of(BlockKind::Quote, {text(u"second")}), {u"Bob & Co", {}, {}, {}, u"a=1&b"}),
              cited(of(BlockKind::Quote,
                       {cited(of(BlockKind::Quote, {text(u"inner")}), {u"Cy", {}, {}, {}, {}}),
                        text(u"outer")}),
                    {u"D\u00e9j\u00e0", {}, {}, {}, {}}),
              text(u"between"),
              cited(of(BlockKind::Quote, {text(u"no name")}), {{}, u"7", {}, {}, {}}),
              text(u"after")})},
      {"lists of 700 items", model({list(Numbering::Bullet, many), text(u"between"),
                                    list(Numbering::Decimal, numbered, 3)})},
      {"a list in a quote",
       model({of(BlockKind::Quote, {list(Numbering::Decimal, {item(u"q1"), item(u"q2")}, 7)})})},
      {"a table with a header row, aligned and formatted cells",
       model({text(u"above"),
              of(BlockKind::Table,
                 {of(BlockKind::Row,
                     {cell({text(u"Name")}, true),
                      cell({paragraph({run(u"Score")}, Align::Right)}, true, Align::Right)}),
                  of(BlockKind::Row,
                     {cell({paragraph({run(u"Ann", with(post::kBold))}),
                            paragraph({run(u"second", red)})}),
                      cell({paragraph({run(u"12")}, Align::Right)}, false, Align::Right)}),
                  of(BlockKind::Row, {cell({}), cell({paragraph({run(u"x", link)}, Align::Right)},
                                                     false, Align::Right)})}),
              text(u"below")})},
      {"a table first and last",
       model({of(BlockKind::Table,
                 {of(BlockKind::Row, {cell({text(u"only")}, false, Align::Left)})})})},
  };
}

}  // namespace

// The models of every block kind and style, as documents made from them, for the round trip
// of RoundTripTest.
std::vector<std::pair<std::string, post::Model>> everyBlockKindModels() {
  std::vector<std::pair<std::string, post::Model>> models;
  for (Case &c : cases()) models.emplace_back(c.name, std::move(c.model));
  return models;
}

namespace {

TEST(PostDocument, ModelOfTheDocumentIsTheModel) {
  for (const Case &c : cases()) {
    Document made;
    QTextCursor cursor(&made.document);
    post::insertModel(cursor, c.model);
    EXPECT_EQ(post::describe(post::modelOf(made.document)), post::describe(c.model)) << c.name;
  }
}

TEST(PostDocument, AppendedToAnEmptyDocumentTheSame) {
  for (const Case &c : cases()) {
    Document made;
    post::appendModel(made.document, c.model);
    EXPECT_EQ(post::describe(post::modelOf(made.document)), post::describe(c.model)) << c.name;
  }
}

// A post's link to an address of another scheme is no link in the document: a click on it
// must not run a script or open a file.
TEST(PostDocument, OnlyAPostsOwnLinksBecomeLinks) {
  const struct {
    const char *name;
    std::u16string address;
    bool link;
  } cases[] = {
      {"http", u"http://example.org/", true},
      {"https in capitals", u"HTTPS://example.org/", true},
      {"ftp", u"ftp://example.org/f", true},
      {"mailto", u"mailto:me@example.org", true},
      {"javascript", u"javascript:alert(1)", false},
      {"a file", u"file:///etc/passwd", false},
      {"no scheme", u"example.org", false},
      {"a tab inside the scheme", u"java\tscript:alert(1)", false},
      {"a scheme spelt with a reference", u"jav&#x61;script:alert(1)", false},
      {"a relative address", u"/rel", false},
  };
  for (const auto &c : cases) {
    Style style = normal();
    style.link = c.address;
    Document made;
    post::appendModel(made.document, model({paragraph({run(u"words", style)})}));
    const QTextCharFormat format = made.document.begin().begin().fragment().charFormat();
    EXPECT_EQ(format.isAnchor(), c.link) << c.name;
    EXPECT_EQ(made.document.toPlainText(), u"words"_s) << c.name;
  }
}

// A long list numbers on from its start to its last item, however the document holds it.
TEST(PostDocument, ALongListNumbersOnToItsLastItem) {
  std::vector<Block> items;
  for (int i = 0; i < 1000; ++i) items.push_back(item(u"x"));
  Document made;
  post::appendModel(made.document, model({list(Numbering::Decimal, items, 3)}));
  int number = 3;
  for (QTextBlock block = made.document.begin(); block.isValid(); block = block.next())
    EXPECT_EQ(richtext::listItemLabel(block), QString::number(number++) + u'.');
  EXPECT_EQ(number, 1003);
}

TEST(PostDocument, EverySizeGivesItsHtmlSizeBack) {
  for (int size = 1; size <= 7; ++size) {
    EXPECT_EQ(post::htmlSize(post::pointsOfSize(size)), size) << size;
    for (int level = 1; level <= 3; ++level)
      EXPECT_NE(post::pointsOfSize(size), richtext::headingPointSize(level)) << size;
  }
  EXPECT_EQ(post::pointsOfSize(0), 0);
}

// A quote's title line is the writer's view of its source: the name in a line of its own,
// no text of the post. Changed, or split by a line end, it is the writer's text again.
TEST(PostDocument, AQuotesTitleLineShowsItsSourceAndIsNoTextOfThePost) {
  const Model cited = model({Block(cited_(u"Ann")), text(u"after")});
  const struct {
    const char *name;
    void (*edit)(QTextDocument &);
    std::string model;
  } cases[] = {
      {"as made", [](QTextDocument &) {},
       "quote author=\"Ann\"\n  paragraph\n    \"hi\" size=100\nparagraph\n  \"after\" size=100\n"},
      {"the name changed",
       [](QTextDocument &d) {
         QTextCursor c(&d);
         c.insertText(u"Jo"_s);
       },
       "quote\n  paragraph\n    \"JoAnn wrote:\" italic size=100 colour=#666666\n  paragraph\n"
       "    \"hi\" size=100\nparagraph\n  \"after\" size=100\n"},
      {"a line end after the title",
       [](QTextDocument &d) {
         QTextCursor c(&d);
         c.movePosition(QTextCursor::EndOfBlock);
         c.insertBlock();
         c.insertText(u"typed"_s);
       },
       "quote author=\"Ann\"\n  paragraph\n    \"typed\" italic size=100 colour=#666666\n  "
       "paragraph\n    \"hi\" size=100\nparagraph\n  \"after\" size=100\n"},
  };
  for (const auto &c : cases) {
    Document made;
    post::appendModel(made.document, cited);
    EXPECT_EQ(made.document.begin().text(), u"Ann wrote:"_s) << c.name;
    c.edit(made.document);
    EXPECT_EQ(post::describe(post::modelOf(made.document)), c.model) << c.name;
  }
}

TEST(PostDocument, InsertedAtTheCursorAsOneUndoStep) {
  Document made;
  QTextCursor cursor(&made.document);
  cursor.insertText(u"start end"_s);
  cursor.setPosition(6);
  post::insertModel(cursor, model({paragraph({run(u"bold", with(post::kBold))})}));
  EXPECT_EQ(made.document.toPlainText(), u"start boldend"_s);
  EXPECT_EQ(cursor.position(), 10);
  made.document.undo();
  EXPECT_EQ(made.document.toPlainText(), u"start end"_s);
}

TEST(PostDocument, InAFixedColumnsBlockInTheFixedFace) {
  Document made;
  QTextCursor cursor(&made.document);
  cursor.insertText(u"{Begin Fixed}\nab\n{End Fixed}"_s);
  cursor.setPosition(15);  // between a and b
  post::insertModel(cursor, model({paragraph({run(u"X", with(post::kBold))})}));
  EXPECT_EQ(made.document.toPlainText(), u"{Begin Fixed}\naXb\n{End Fixed}"_s);
  const QTextBlock line = made.document.begin().next();
  bool found = false;
  for (QTextBlock::iterator it = line.begin(); !it.atEnd(); ++it) {
    if (it.fragment().text().contains(u'X')) {
      found = true;
      EXPECT_EQ(richtext::fontNameOf(it.fragment().charFormat(), made.document),
                QString::fromUtf16(richtext::kFixedFontName));
      EXPECT_TRUE(richtext::isBold(it.fragment().charFormat()));
    }
  }
  EXPECT_TRUE(found);
}

TEST(PostDocument, InACellOnlyTheText) {
  Document made;
  QTextCursor cursor(&made.document);
  QTextTable *table = cursor.insertTable(1, 2);
  cursor = table->cellAt(0, 1).firstCursorPosition();
  post::insertModel(cursor, model({list(Numbering::Bullet, {item(u"one")}),
                                   of(BlockKind::Quote, {text(u"quoted")}),
                                   heading(1, {run(u"head", Style{})})}));
  const QTextTableCell cell = table->cellAt(0, 1);
  for (QTextBlock b = cell.firstCursorPosition().block();
       b.isValid() && b.position() <= cell.lastCursorPosition().position(); b = b.next()) {
    EXPECT_EQ(b.textList(), nullptr) << b.text().toStdString();
    EXPECT_EQ(b.blockFormat().headingLevel(), 0) << b.text().toStdString();
    EXPECT_EQ(richtext::quoteLevelOf(b.blockFormat()), 0) << b.text().toStdString();
  }
  EXPECT_TRUE(made.document.toPlainText().contains(u"quoted"_s));
  EXPECT_EQ(made.document.rootFrame()->childFrames().size(), 1);
}

}  // namespace
