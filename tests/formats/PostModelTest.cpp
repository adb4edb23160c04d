// The builder turns a document's flat walk of paragraphs into the post's tree: lists open and
// close as item levels change, quotes as the depth changes, tables as rows and cells begin.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

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
       "5\nrule\n"},
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

// The walk's events as "+kind" and "-kind", depth by indent.
std::string events(const Model& model, bool skipQuotes = false) {
  std::string out;
  for (Walk walk(model); walk.next();) {
    out += std::string(walk.depth() * 2, ' ');
    out += walk.event() == Event::Enter ? '+' : '-';
    out += kindName(walk.block().kind);
    if (walk.event() == Event::Enter) {
      out += ' ' + std::to_string(walk.index());
      if (walk.parent() != nullptr)
        out += std::string(" in ") + std::string(kindName(walk.parent()->kind));
      if (skipQuotes && walk.block().kind == BlockKind::Quote) walk.skipChildren();
    }
    out += '\n';
  }
  return out;
}

Block of(BlockKind kind, std::vector<Block> children = {}) {
  Block b;
  b.kind = kind;
  b.children = std::move(children);
  return b;
}

TEST(PostWalk, EntersAndExitsEveryBlockInOrder) {
  Model model;
  model.blocks = {
      of(BlockKind::Paragraph),
      of(BlockKind::Quote, {of(BlockKind::List, {of(BlockKind::Item)}), of(BlockKind::Rule)}),
      of(BlockKind::Quote)};
  EXPECT_EQ(events(model),
            "+paragraph 0\n-paragraph\n+quote 1\n  +list 0 in quote\n    +item 0 in list\n"
            "    -item\n  -list\n  +rule 1 in quote\n  -rule\n-quote\n+quote 2\n-quote\n");
  EXPECT_EQ(events(model, true), "+paragraph 0\n-paragraph\n+quote 1\n-quote\n+quote 2\n-quote\n");
  EXPECT_EQ(events(Model{}), "");
}

TEST(PostWalk, TakesNoStackForDepth) {
  Model model;
  model.blocks.push_back(of(BlockKind::Quote));
  Block* inner = &model.blocks.back();
  constexpr int kDepth = 100'000;
  for (int i = 0; i < kDepth; ++i) {
    inner->children.push_back(of(BlockKind::Quote));
    inner = &inner->children.back();
  }
  std::size_t deepest = 0, steps = 0;
  for (Walk walk(model); walk.next(); ++steps) deepest = std::max(deepest, walk.depth());
  EXPECT_EQ(deepest, std::size_t(kDepth));
  EXPECT_EQ(steps, std::size_t(2 * (kDepth + 1)));
  // A model this deep is freed by the test's end, recursively by the vector's destructor:
  // flatten it first.
  while (!model.blocks.front().children.empty()) {
    Block child = std::move(model.blocks.front().children.front());
    model.blocks.front().children = std::move(child.children);
  }
}

TEST(PostTree, GivesEveryBlockWhatItNeedsAroundIt) {
  const struct {
    const char* name;
    std::function<void(Tree&)> build;
    std::string tree;
  } cases[] = {
      {"text in a list is an item's paragraph",
       [](Tree& t) {
         t.open(BlockKind::List);
         t.text(u"a", kPlain);
       },
       "list bullet\n  item\n    paragraph\n      \"a\"\n"},
      {"a cell outside a row is in a row of a table",
       [](Tree& t) {
         t.open(BlockKind::Cell);
         t.text(u"c", kPlain);
       },
       "table\n  row\n    cell\n      paragraph\n        \"c\"\n"},
      {"quotes past the limit give their text to the innermost kept",
       [](Tree& t) {
         for (int i = 0; i < Tree::kMaxQuoteDepth + 3; ++i) t.open(BlockKind::Quote);
         t.text(u"deep", kPlain);
         EXPECT_EQ(t.depth(), std::size_t(Tree::kMaxQuoteDepth));
         EXPECT_FALSE(t.opened());
       },
       [] {
         std::string s;
         for (int i = 0; i < Tree::kMaxQuoteDepth; ++i) s += std::string(2 * i, ' ') + "quote\n";
         const std::string in(2 * Tree::kMaxQuoteDepth, ' ');
         return s + in + "paragraph\n" + in + "  \"deep\"\n";
       }()},
      {"a table in a cell is not opened",
       [](Tree& t) {
         t.open(BlockKind::Cell);
         t.open(BlockKind::Table);
         EXPECT_FALSE(t.opened());
         t.text(u"x", kPlain);
       },
       "table\n  row\n    cell\n      paragraph\n        \"x\"\n"},
      {"runs of one style merge, a picture and markup stand apart",
       [](Tree& t) {
         t.text(u"a", kPlain);
         t.text(u"b", kPlain);
         t.picture(u"https://e.org/p.png", u"", kPlain);
         t.markup(u"[USER=1]", Format::Xenforo);
         t.markup(u"bob[/USER]", Format::Xenforo);
         t.text(u"c", kPlain);
       },
       "paragraph\n  \"ab\"\n  picture \"https://e.org/p.png\" alt=\"\"\n  markup xenforo "
       "\"[USER=1]bob[/USER]\"\n  \"c\"\n"},
  };
  for (const auto& c : cases) {
    Tree tree;
    c.build(tree);
    const Model model = tree.finish();
    EXPECT_EQ(describe(model), c.tree) << c.name;
    EXPECT_EQ(check(model), std::nullopt) << c.name;
  }
}

TEST(PostTree, SharesOneCopyOfATextAmongItsRuns) {
  Tree tree;
  Style a, b;
  a.link = tree.share(u"https://example.org/a-long-address");
  b = a;
  b.flags = kBold;
  tree.text(u"x", a);
  tree.text(u"y", b);
  const Model model = tree.finish();
  const auto& runs = model.blocks.at(0).runs;
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0].style.link.view().data(), runs[1].style.link.view().data());
  EXPECT_EQ(Tree().share(u"x"), SharedText(u"x"));
}

TEST(PostCheck, NamesWhatAKindMayNotHold) {
  Block paragraph = of(BlockKind::Paragraph);
  paragraph.runs.push_back({u"x", {}, {}});
  Block emptyRun = paragraph;
  emptyRun.runs[0].text.clear();
  Block heading = paragraph;
  heading.kind = BlockKind::Heading;
  heading.level = 7;
  Block codePicture = of(BlockKind::Code);
  codePicture.runs.push_back(Run::ofPicture(u"https://e.org/a.png", u"", {}));
  Block bareAddress = paragraph;
  bareAddress.runs[0].picture = u"https://e.org/a.png";
  Block ruleWithText = paragraph;
  ruleWithText.kind = BlockKind::Rule;
  const struct {
    const char* name;
    std::vector<Block> blocks;
    std::optional<std::string> wrong;
  } cases[] = {
      {"a list of items of paragraphs",
       {of(BlockKind::List, {of(BlockKind::Item, {paragraph})})},
       {}},
      {"a paragraph right in a list",
       {of(BlockKind::List, {paragraph})},
       "paragraph at depth 1, place 1: inside a list"},
      {"an item outside a list", {of(BlockKind::Item)}, "item at depth 0, place 1: inside a post"},
      {"a cell right in a table",
       {of(BlockKind::Table, {of(BlockKind::Cell)})},
       "cell at depth 1, place 1: inside a table"},
      {"a rule with text", {ruleWithText}, "rule at depth 0, place 1: holds runs"},
      {"a paragraph holding blocks",
       {[&] {
         Block b = paragraph;
         b.children.push_back(of(BlockKind::Rule));
         return b;
       }()},
       "paragraph at depth 0, place 1: holds blocks"},
      {"heading level 7", {heading}, "heading at depth 0, place 1: level 7"},
      {"a picture in code", {codePicture}, "code at depth 0, place 1: a picture or markup in code"},
      {"an empty run", {emptyRun}, "paragraph at depth 0, place 1: an empty run"},
      {"an address on a text run",
       {bareAddress},
       "paragraph at depth 0, place 1: a picture run without its address, or an address on "
       "another run"},
      {"lists past the limit",
       {[] {
         Block outer = of(BlockKind::List, {of(BlockKind::Item)});
         for (int i = 0; i < Tree::kMaxListLevel; ++i)
           outer = of(BlockKind::List, {of(BlockKind::Item, {outer})});
         return outer;
       }()},
       "list at depth 18, place 1: deeper than the model's limits"},
  };
  for (const auto& c : cases) {
    Model model;
    model.blocks = c.blocks;
    EXPECT_EQ(check(model), c.wrong) << c.name;
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

TEST(PostSizes, EachHtmlSizeIsItsPercentageAndBack) {
  for (int size = 1; size <= 7; ++size) EXPECT_EQ(htmlSizeOfPercent(percentOfHtmlSize(size)), size);
  const struct {
    int percent, size;
  } cases[] = {{0, 3}, {50, 1}, {85, 2}, {90, 3}, {110, 4}, {125, 4}, {150, 5}, {175, 6}, {400, 7}};
  for (const auto& c : cases) EXPECT_EQ(htmlSizeOfPercent(c.percent), c.size) << c.percent;
}

// Only a web address links; a scheme hidden as a browser would still read it is refused.
TEST(PostAddresses, TellsTheSchemeAsABrowserReadsIt) {
  const struct {
    const char* name;
    std::u16string address;
    AddressKind kind;
  } cases[] = {
      {"http", u"http://example.org/", AddressKind::Web},
      {"https in capitals", u"HTTPS://example.org/", AddressKind::Web},
      {"ftp", u"ftp://example.org/f", AddressKind::Web},
      {"mailto", u"mailto:me@example.org", AddressKind::Web},
      {"blanks before it", u"  http://example.org/", AddressKind::Web},
      {"a colon later in a web address", u"https://e.org/?q=javascript:x", AddressKind::Web},
      {"javascript", u"javascript:alert(1)", AddressKind::Refused},
      {"in mixed case", u"JaVaScRiPt:alert(1)", AddressKind::Refused},
      {"vbscript", u"vbscript:msgbox", AddressKind::Refused},
      {"data", u"data:text/html,<b>x</b>", AddressKind::Refused},
      {"file", u"file:///etc/passwd", AddressKind::Refused},
      {"a drive letter", u"C:\\Windows", AddressKind::Refused},
      {"a host and port read as a scheme", u"localhost:8080/x", AddressKind::Refused},
      {"a tab inside the scheme", u"java\tscript:alert(1)", AddressKind::Refused},
      {"a line end inside the scheme", u"java\nscript:alert(1)", AddressKind::Refused},
      {"a control character before it", u"\x01javascript:alert(1)", AddressKind::Refused},
      {"a zero-width space inside it", u"java\u200bscript:alert(1)", AddressKind::Refused},
      {"a decimal reference", u"&#106;avascript:alert(1)", AddressKind::Refused},
      {"a hex reference without its semicolon", u"jav&#x61script:alert(1)", AddressKind::Refused},
      {"a named colon", u"javascript&colon;alert(1)", AddressKind::Refused},
      {"a tab as a reference", u"java&Tab;script:alert(1)", AddressKind::Refused},
      {"a percent escape", u"%6Aavascript:alert(1)", AddressKind::Refused},
      {"padding past what is read", u"java" + std::u16string(300, u' ') + u"script:x",
       AddressKind::Refused},
      {"a word", u"word", AddressKind::Relative},
      {"a host without a scheme", u"www.example.org/a", AddressKind::Relative},
      {"a path", u"/docs/a.png", AddressKind::Relative},
      {"a path with a colon after its slash", u"a/b:c", AddressKind::Relative},
      {"an anchor", u"#top", AddressKind::Relative},
      {"a long path", u"/" + std::u16string(20000, u'a'), AddressKind::Relative},
  };
  for (const auto& c : cases) EXPECT_EQ(addressKind(c.address), c.kind) << c.name;
  EXPECT_TRUE(isPostAddress(u"/docs", true));
  EXPECT_FALSE(isPostAddress(u"/docs"));
  EXPECT_FALSE(isPostAddress(u"javascript:x", true));
}

}  // namespace
}  // namespace quillmark::post
