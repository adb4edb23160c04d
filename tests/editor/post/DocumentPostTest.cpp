// The document's post model: each structure the document holds, built here as the editor's
// commands build it, comes out as the block of the post that means it, and the writer's text
// and look come out as they are.
#include <gtest/gtest.h>

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QTextList>
#include <QTextTable>
#include <functional>
#include <map>
#include <string>

#include "post/DocumentPost.h"
#include "richtext/DocumentModel.h"

using namespace Qt::StringLiterals;

namespace {

namespace richtext = quillmark::richtext;

// A document written paragraph by paragraph, set up as the editor sets up its documents.
class Writer {
 public:
  Writer() { richtext::setUpDocument(document, richtext::kBulletIndentTwips); }

  void paragraph(const QTextBlockFormat &format = {}) {
    if (first_) {
      cursor.setBlockFormat(format);
      first_ = false;
    } else {
      cursor.insertBlock(format, QTextCharFormat());
    }
  }

  // A list item at `level`; items of one style and level share their QTextList.
  void item(QTextListFormat::Style style, int level, int start = 1,
            const QTextBlockFormat &format = {}) {
    paragraph(format);
    QTextList *&list = lists_[{style, level}];
    if (list) {
      list->add(cursor.block());
      return;
    }
    QTextListFormat listFormat;
    listFormat.setStyle(style);
    listFormat.setIndent(level);
    if (start != 1) listFormat.setProperty(richtext::kListStartProperty, start);
    list = cursor.createList(listFormat);
  }

  void text(const QString &text, const QTextCharFormat &format = {}) {
    cursor.insertText(text, format);
  }

  void picture(const QString &address, const QString &alt) {
    QTextImageFormat image;
    image.setName(address);
    image.setProperty(QTextFormat::ImageAltText, alt);
    cursor.insertImage(image);
  }

  QTextDocument document;
  QTextCursor cursor{&document};

 private:
  bool first_ = true;
  std::map<std::pair<int, int>, QTextList *> lists_;
};

QTextBlockFormat quoted(int depth) {
  QTextBlockFormat format;
  format.setProperty(QTextFormat::BlockQuoteLevel, depth);
  return format;
}

QTextCharFormat bold() {
  QTextCharFormat format;
  format.setFontWeight(QFont::Bold);
  return format;
}

QTextCharFormat link(const QString &address) {
  QTextCharFormat format;
  richtext::setLink(format, address);
  return format;
}

// The description without the document's normal face and size, which every run has.
std::string tree(const QTextDocument &document) {
  std::string described = quillmark::post::describe(quillmark::post::modelOf(document));
  for (const std::string normal : {" face=\"MS Sans Serif\"", " size=100"}) {
    for (std::size_t at = described.find(normal); at != std::string::npos;
         at = described.find(normal, at))
      described.erase(at, normal.size());
  }
  return described;
}

TEST(DocumentPost, EachStructureBecomesItsBlock) {
  const struct {
    const char *name;
    std::function<void(Writer &)> write;
    std::string tree;
  } cases[] = {
      {"nested bullets",
       [](Writer &w) {
         w.item(QTextListFormat::ListDisc, 1);
         w.text(u"Keepers"_s);
         w.item(QTextListFormat::ListCircle, 2);
         w.text(u"Raya"_s);
         w.item(QTextListFormat::ListDisc, 1);
         w.text(u"Defenders"_s);
       },
       "list bullet\n  item\n    paragraph\n      \"Keepers\"\n    list bullet\n      item\n"
       "        paragraph\n          \"Raya\"\n  item\n    paragraph\n      \"Defenders\"\n"},
      {"a numbered list from its start",
       [](Writer &w) {
         w.item(QTextListFormat::ListDecimal, 1, 3);
         w.text(u"Third"_s);
         w.item(QTextListFormat::ListDecimal, 1, 3);
         w.text(u"Fourth"_s);
         w.paragraph();
         w.text(u"After"_s);
       },
       "list decimal start=3\n  item\n    paragraph\n      \"Third\"\n  item\n    paragraph\n"
       "      \"Fourth\"\nparagraph\n  \"After\"\n"},
      {"a quote two deep holding a list",
       [](Writer &w) {
         w.paragraph(quoted(1));
         w.text(u"He said"_s);
         w.item(QTextListFormat::ListLowerRoman, 1, 1, quoted(2));
         w.text(u"first"_s);
         w.paragraph();
         w.text(u"Out"_s);
       },
       "quote\n  paragraph\n    \"He said\"\n  quote\n    list lower-roman\n      item\n"
       "        paragraph\n          \"first\"\nparagraph\n  \"Out\"\n"},
      {"a heading's look dropped, its coloured word kept",
       [](Writer &w) {
         QTextBlockFormat heading;
         heading.setHeadingLevel(2);
         heading.setAlignment(Qt::AlignHCenter);
         w.paragraph(heading);
         QTextCharFormat look = bold();
         look.setFontPointSize(richtext::headingPointSize(2));
         w.text(u"Match "_s, look);
         look.setForeground(QColor(0xCC, 0x00, 0x11));
         w.text(u"day"_s, look);
         QTextCharFormat larger = bold();
         larger.setFontPointSize(36);
         w.text(u"!"_s, larger);
       },
       "heading 2 centre\n  \"Match \"\n  \"day\" colour=#CC0011\n  \"!\" size=300\n"},
      {"a rule between paragraphs",
       [](Writer &w) {
         w.paragraph();
         w.text(u"Above"_s);
         QTextBlockFormat rule;
         rule.setProperty(QTextFormat::BlockTrailingHorizontalRulerWidth,
                          QTextLength(QTextLength::PercentageLength, 100));
         w.paragraph(rule);
         w.paragraph();
         w.text(u"Below"_s);
       },
       "paragraph\n  \"Above\"\nrule\nparagraph\n  \"Below\"\n"},
      {"a web picture and one from a file",
       [](Writer &w) {
         w.paragraph();
         w.text(u"Goal: "_s);
         w.picture(u"https://example.org/goal.png"_s, u"the goal"_s);
         w.text(u" and "_s);
         w.picture(u"file:///home/me/crowd.png"_s, u"the crowd"_s);
       },
       "paragraph\n  \"Goal: \"\n  picture \"https://example.org/goal.png\" alt=\"the goal\"\n"
       "  \" and the crowd\"\n"},
      {"paragraph spacing below and above, and empty paragraphs",
       [](Writer &w) {
         QTextBlockFormat below;
         below.setBottomMargin(8);
         w.paragraph(below);
         w.text(u"one"_s);
         w.paragraph();
         w.text(u"two"_s);
         QTextBlockFormat above;
         above.setTopMargin(6);
         w.paragraph(above);
         w.text(u"three"_s);
         w.paragraph();
         w.paragraph();
         w.text(u"four"_s);
       },
       "paragraph space\n  \"one\"\nparagraph space\n  \"two\"\nparagraph\n  \"three\"\n"
       "paragraph\nparagraph\n  \"four\"\n"},
      {"a fixed-columns block without its markers",
       [](Writer &w) {
         w.paragraph();
         w.text(u"Table"_s);
         for (const QString &line :
              {u"{Begin Fixed}"_s, u"Team  Pts"_s, u""_s, u"Reds   38"_s, u"{End Fixed}"_s}) {
           w.paragraph();
           w.text(line, bold());
         }
         w.paragraph();
         w.text(u"After"_s);
       },
       "paragraph\n  \"Table\"\ncode\n  \"Team  Pts\\n\\nReds   38\\n\"\nparagraph\n"
       "  \"After\"\n"},
      {"markers inside paragraphs, as the engine finds them",
       [](Writer &w) {
         w.paragraph();
         w.text(u"a{Begin Fixed}b"_s);
         w.paragraph();
         w.text(u"c\u2028d{End Fixed}e"_s);
       },
       "paragraph\n  \"a\"\ncode\n  \"b\\nc\\nd\\n\"\nparagraph\n  \"e\"\n"},
      {"links to web and mail addresses only",
       [](Writer &w) {
         w.paragraph();
         w.text(u"see "_s, link(u"HTTPS://example.org/"_s));
         w.text(u" or "_s, link(u"file:///etc/passwd"_s));
         w.text(u" or "_s, link(u"mailto:me@example.org"_s));
         w.text(u" or "_s, link(u"javascript:alert(1)"_s));
       },
       "paragraph\n  \"see \" link=\"HTTPS://example.org/\"\n  \" or \"\n"
       "  \" or \" link=\"mailto:me@example.org\"\n  \" or \"\n"},
      {"line breaks, tags typed as text and typographic characters",
       [](Writer &w) {
         w.paragraph();
         w.text(u"one\u2028<b>x</b> & \u2026\ttwo\u2122"_s);
       },
       "paragraph\n  \"one\\n<b>x</b> & \u2026\\ttwo\u2122\"\n"},
      {"character formats",
       [](Writer &w) {
         w.paragraph();
         QTextCharFormat format;
         format.setFontItalic(true);
         w.text(u"i"_s, format);
         format.setFontUnderline(true);
         w.text(u"u"_s, format);
         QTextCharFormat other;
         other.setFontStrikeOut(true);
         other.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
         w.text(u"s"_s, other);
         other.setVerticalAlignment(QTextCharFormat::AlignSubScript);
         other.setFontFamilies({u"Courier New"_s});
         w.text(u"2"_s, other);
         QTextCharFormat small;
         small.setFontPointSize(8);
         w.text(u"k"_s, small);
       },
       "paragraph\n  \"i\" italic\n  \"u\" italic underline\n  \"s\" strike super\n"
       "  \"2\" strike sub face=\"Courier New\"\n  \"k\" size=81\n"},
      {"the two standard faces left to the forum, any other kept",
       [](Writer &w) {
         w.paragraph();
         for (const QString &face : {u"Courier"_s, u"MS Sans Serif"_s, u"Courier New"_s}) {
           QTextCharFormat format;
           format.setFontFamilies({face});
           w.text(face.left(1) + face.right(1), format);
         }
       },
       "paragraph\n  \"CrMf\"\n  \"Cw\" face=\"Courier New\"\n"},
      {"empty paragraphs at the end, and in the quote it ends in, dropped",
       [](Writer &w) {
         QTextBlockFormat below;
         below.setBottomMargin(8);
         w.paragraph(below);
         w.text(u"one"_s);
         w.paragraph();
         w.paragraph(quoted(1));
         w.text(u"q"_s);
         w.paragraph(quoted(1));
         w.paragraph(quoted(1));
         w.paragraph();
       },
       "paragraph space\n  \"one\"\nparagraph\nquote\n  paragraph\n    \"q\"\n"},
      {"a last paragraph's own space dropped",
       [](Writer &w) {
         QTextBlockFormat below;
         below.setBottomMargin(8);
         w.paragraph(below);
         w.text(u"end"_s);
       },
       "paragraph\n  \"end\"\n"},
  };
  for (const auto &c : cases) {
    Writer writer;
    c.write(writer);
    EXPECT_EQ(tree(writer.document), c.tree) << c.name;
  }
}

}  // namespace

// A table the writer made: its rows and cells in order, the header row's cells marked (their
// bold is the header's look, not the writer's), each cell aligned as its paragraph, its runs
// with their look, its line breaks kept.
TEST(DocumentPost, TablesBecomeRowsOfCells) {
  const auto centred = [] {
    QTextBlockFormat format;
    format.setAlignment(Qt::AlignHCenter);
    return format;
  };
  const struct {
    const char *name;
    int rows, columns, headerRows;
    std::function<void(QTextTable &, QTextCursor &)> fill;
    std::string tree;
  } cases[] = {
      {"a header row, a link, an alignment and a line break", 2, 2, 1,
       [&](QTextTable &t, QTextCursor &) {
         t.cellAt(0, 0).firstCursorPosition().insertText(u"Team"_s, bold());
         t.cellAt(0, 1).firstCursorPosition().insertText(u"Pts"_s);
         t.cellAt(1, 0).firstCursorPosition().insertText(u"Rovers\u2028FC"_s,
                                                         link(u"https://example.org"_s));
         QTextCursor c = t.cellAt(1, 1).firstCursorPosition();
         c.setBlockFormat(centred());
         c.insertText(u"38"_s);
       },
       "table\n  row\n    cell header\n      paragraph\n        \"Team\"\n"
       "    cell header\n      paragraph\n        \"Pts\"\n  row\n    cell\n      paragraph\n"
       "        \"Rovers\\nFC\" link=\"https://example.org\"\n    cell centre\n"
       "      paragraph centre\n        \"38\"\nparagraph\n  \"After\"\n"},
      {"no header, an empty cell kept", 1, 2, 0,
       [](QTextTable &t, QTextCursor &) {
         t.cellAt(0, 1).firstCursorPosition().insertText(u"x"_s);
       },
       "table\n  row\n    cell\n    cell\n      paragraph\n        \"x\"\nparagraph\n  "
       "\"After\"\n"},
      {"a span keeps its text in its first place", 2, 2, 0,
       [](QTextTable &t, QTextCursor &) {
         t.cellAt(0, 0).firstCursorPosition().insertText(u"wide"_s);
         t.mergeCells(0, 0, 1, 2);
         t.cellAt(1, 1).firstCursorPosition().insertText(u"b"_s);
       },
       "table\n  row\n    cell\n      paragraph\n        \"wide\"\n    cell\n  row\n    cell\n"
       "    cell\n      paragraph\n        \"b\"\nparagraph\n  \"After\"\n"},
      {"a table inside a cell gives its cells' paragraphs to it", 1, 2, 0,
       [](QTextTable &t, QTextCursor &) {
         QTextCursor c = t.cellAt(0, 0).firstCursorPosition();
         c.insertText(u"out"_s);
         QTextTable *inner = c.insertTable(1, 2);
         inner->cellAt(0, 0).firstCursorPosition().insertText(u"in1"_s);
         inner->cellAt(0, 1).firstCursorPosition().insertText(u"in2"_s);
         t.cellAt(0, 1).firstCursorPosition().insertText(u"next"_s);
       },
       "table\n  row\n    cell\n      paragraph\n        \"out\"\n      paragraph\n"
       "        \"in1\"\n      paragraph\n        \"in2\"\n    cell\n      paragraph\n"
       "        \"next\"\nparagraph\n  \"After\"\n"},
      {"two paragraphs in a cell, empty ones at its ends left out", 1, 1, 0,
       [](QTextTable &t, QTextCursor &) {
         QTextCursor c = t.cellAt(0, 0).firstCursorPosition();
         c.insertBlock();
         c.insertText(u"one"_s);
         c.insertBlock();
         c.insertText(u"two"_s);
         c.insertBlock();
       },
       "table\n  row\n    cell\n      paragraph\n        \"one\"\n      paragraph\n"
       "        \"two\"\nparagraph\n  \"After\"\n"},
  };
  for (const auto &c : cases) {
    Writer w;
    w.paragraph(quoted(1));
    w.text(u"Quoted"_s);
    QTextTableFormat format;
    format.setHeaderRowCount(c.headerRows);
    QTextTable *table = w.cursor.insertTable(c.rows, c.columns, format);
    c.fill(*table, w.cursor);
    w.cursor.movePosition(QTextCursor::End);
    w.cursor.insertText(u"After"_s);
    const std::string expected = "quote\n  paragraph\n    \"Quoted\"\n" + c.tree;
    EXPECT_EQ(tree(w.document), expected) << c.name;
  }
}
