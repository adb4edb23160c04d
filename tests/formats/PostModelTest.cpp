// The builder turns a document's flat walk of paragraphs into the post's tree: lists open and
// close as item levels change, quotes as the depth changes, tables as rows and cells begin.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "quillmark/post.h"

namespace quillmark::post {
namespace {

const Style kPlain{};

TEST(PostBuilder, MakesTheTreeFromTheWalk) {
  const struct {
    const char* name;
    std::function<void(Builder&)> walk;
    std::string tree;
  } cases[] = {
      {"text with no block opens a paragraph", [](Builder& b) { b.text(u"Played 38", kPlain); },
       "paragraph\n  \"Played 38\"\n"},
      {"runs of one style in a row are one run",
       [](Builder& b) {
         b.paragraph(Align::Centre, true);
         b.text(u"Won ", kPlain);
         b.text(u"24", kPlain);
         Style bold;
         bold.flags = kBold;
         b.text(u"!", bold);
       },
       "paragraph centre space\n  \"Won 24\"\n  \"!\" bold\n"},
      {"a deeper item nests in the item before it",
       [](Builder& b) {
         b.item(1, Numbering::Decimal, 3);
         b.text(u"One", kPlain);
         b.item(2, Numbering::Bullet);
         b.text(u"a", kPlain);
         b.item(1, Numbering::Decimal);
         b.text(u"Two", kPlain);
         b.paragraph();
       },
       "list decimal start=3\n  item\n    paragraph\n      \"One\"\n    list bullet\n      item\n"
       "        paragraph\n          \"a\"\n  item\n    paragraph\n      \"Two\"\nparagraph\n"},
      {"a first item two levels deep sits in empty items",
       [](Builder& b) { b.item(2, Numbering::Bullet); },
       "list bullet\n  item\n    list bullet\n      item\n        paragraph\n"},
      {"another numbering at the same level starts a new list",
       [](Builder& b) {
         b.item(1, Numbering::Bullet);
         b.item(1, Numbering::LowerRoman);
       },
       "list bullet\n  item\n    paragraph\nlist lower-roman\n  item\n    paragraph\n"},
      {"quotes open and close with the depth, lists inside them",
       [](Builder& b) {
         b.quoteDepth(2);
         b.item(1, Numbering::Bullet);
         b.quoteDepth(1);
         b.paragraph();
         b.quoteDepth(0);
         b.heading(5);
         b.rule();
       },
       "quote\n  quote\n    list bullet\n      item\n        paragraph\n  paragraph\nheading "
       "3\nrule\n"},
      {"a table holds rows of cells of blocks",
       [](Builder& b) {
         b.beginTable();
         b.row();
         b.cell(true);
         b.text(u"Team", kPlain);
         b.cell(true, Align::Right);
         b.text(u"Pts", kPlain);
         b.row();
         b.cell();
         b.item(1, Numbering::Bullet);
         b.endTable();
         b.text(u"after", kPlain);
       },
       "table\n  row\n    cell header\n      paragraph\n        \"Team\"\n    cell header right\n"
       "      paragraph\n        \"Pts\"\n  row\n    cell\n      list bullet\n        item\n"
       "          paragraph\nparagraph\n  \"after\"\n"},
      {"a picture is a run of its own",
       [](Builder& b) {
         b.text(u"x", kPlain);
         b.picture(u"https://example.org/a.png", u"logo", kPlain);
         b.text(u"y", kPlain);
       },
       "paragraph\n  \"x\"\n  picture \"https://example.org/a.png\" alt=\"logo\"\n  \"y\"\n"},
  };
  for (const auto& c : cases) {
    Builder builder;
    c.walk(builder);
    EXPECT_EQ(describe(builder.finish()), c.tree) << c.name;
  }
}

TEST(PostBuilder, HtmlSizeIsTheEnginesForPoints) {
  const struct {
    double points;
    int size;
  } cases[] = {{0, 1},  {-4, 1}, {3, 1},  {8, 2},  {10, 2}, {10.5, 3},
               {12, 3}, {14, 4}, {18, 5}, {24, 6}, {28, 7}, {72, 7}};
  for (const auto& c : cases) EXPECT_EQ(htmlSize(c.points), c.size) << c.points;
}

}  // namespace
}  // namespace quillmark::post
