// The pending requests and the tag stack: the queries, the closing pass, committing and
// opening, and the font tag. States are written innermost entry first, as "</b>A </i>K".
#include <gtest/gtest.h>

#include "CaseFile.h"
#include "Engine.h"

namespace quillmark {
using html::Element;

namespace {

// Failure messages show the engine's 8-bit text as the 16-bit text it stands for.
std::string visible(std::string_view text) { return testing::visible(fromEngineText(text)); }

struct Entry {
  Element tag;
  Kind kind;
  std::string_view openTag = {};  // a literal: entries keep a view of it
};

// A state whose stack holds `innermostFirst` (all opened) and whose requests are `pending`.
ConversionState stateWith(std::vector<Entry> innermostFirst, std::vector<Element> pending = {}) {
  ConversionState s;
  for (auto it = innermostFirst.rbegin(); it != innermostFirst.rend(); ++it) {
    const std::string_view open = it->openTag.empty() ? fixedOpeningTag(it->tag) : it->openTag;
    s.tagStack.push_back(TagEntry{it->tag, it->kind, open, true});
  }
  for (Element e : pending) s.pending.push_back({e, fixedOpeningTag(e)});
  return s;
}

std::string closeKilled(ConversionState& s) {
  std::string closing;
  quillmark::closeKilled(s, closing);
  return closing;
}

std::string openAllPending(ConversionState& s) {
  std::string opening;
  quillmark::openAllPending(s, opening);
  return opening;
}

std::string openPendingAbove(ConversionState& s, Element stop) {
  std::string opening;
  quillmark::openPendingAbove(s, stop, opening);
  return opening;
}

std::string stack(const ConversionState& s) {
  std::string text;
  for (auto it = s.tagStack.rbegin(); it != s.tagStack.rend(); ++it) {
    if (!text.empty()) text += ' ';
    text += closingTag(it->tag);
    for (const char* k = name(it->kind); *k; ++k) text += static_cast<char>(*k);
  }
  return visible(text);
}

std::string pending(const ConversionState& s) {
  std::string text;
  for (const PendingRequest& r : s.pending) {
    if (!text.empty()) text += ' ';
    text += closingTag(r.closeTag);
  }
  return visible(text);
}

TEST(Stack, Queries) {
  const ConversionState empty;
  EXPECT_FALSE(isOnStack(empty, Element::Bold, false));
  for (Kind kind : {Kind::P, Kind::K}) {
    const ConversionState s = stateWith({{Element::Bold, kind}});
    EXPECT_FALSE(isOnStack(s, Element::Bold, true)) << name(kind);
    EXPECT_TRUE(isOnStack(s, Element::Bold, false)) << name(kind);
  }
  EXPECT_TRUE(isOnStack(stateWith({{Element::ListItem, Kind::G}}), Element::ListItem, true));
  EXPECT_TRUE(isPending(stateWith({}, {Element::Font}), Element::Font));
}

TEST(Stack, ReopenInnerRequestsLiveInnerElementsOutermostFirst) {
  ConversionState s = stateWith({{Element::Bold, Kind::A},
                                 {Element::Strike, Kind::K},
                                 {Element::Underline, Kind::A},
                                 {Element::Italic, Kind::A},
                                 {Element::Sub, Kind::A}},
                                {Element::Font});
  reopenInner(s, Element::Italic);
  EXPECT_EQ(pending(s), "</u> </b> </font>");

  reopenInner(s, std::nullopt);  // no entry stops the walk
  EXPECT_EQ(pending(s), "</sub> </i> </u> </b> </u> </b> </font>");

  ConversionState italicPending =
      stateWith({{Element::Bold, Kind::A}, {Element::Italic, Kind::A}}, {Element::Italic});
  reopenInner(italicPending, Element::Italic);
  EXPECT_EQ(pending(italicPending), "</i>");
}

TEST(Stack, RequestsStopAtTheElementLimit) {
  ConversionState s;
  for (std::size_t i = 0; i < kMaxElements + 10; ++i) requestElement(s, Element::Bold, "<b>");
  insertPendingFront(s, Element::Italic, "<i>");
  EXPECT_EQ(s.pending.size(), kMaxElements);
  commitPending(s);
  requestElement(s, Element::Bold, "<b>");
  EXPECT_TRUE(s.pending.empty());
}

TEST(Stack, KillAndMarkActive) {
  ConversionState s = stateWith({{Element::Bold, Kind::P},
                                 {Element::ListItem, Kind::G},
                                 {Element::Align, Kind::PG},
                                 {Element::Font, Kind::A}});
  killElements(s, std::nullopt, Kind::G);
  EXPECT_EQ(stack(s), "</b>K </li>G </td></tr></table>K </font>K");
  markActive(s, Element::Font);
  EXPECT_EQ(stack(s), "</b>K </li>G </td></tr></table>K </font>A");
  killElements(s, Element::ListItem, std::nullopt);
  EXPECT_EQ(stack(s), "</b>K </li>K </td></tr></table>K </font>A");
}

TEST(Stack, ClosingPassClosesInnerElementsAndRequestsThemAgain) {
  // The italic closes, so the bold inside it closes too and is requested again.
  ConversionState s = stateWith({{Element::Bold, Kind::A}, {Element::Italic, Kind::K}});
  EXPECT_EQ(visible(closeKilled(s)), "</b></i>");
  EXPECT_EQ(stack(s), "</b>K </i>K");
  EXPECT_EQ(pending(s), "</b>");

  // A font whose tag is no longer current: the new font goes outside the bold requested again.
  s = stateWith({{Element::Bold, Kind::A}, {Element::Font, Kind::K, "<font color=\"#FF0000\">"}});
  s.fontTag = "<font size=3>";
  EXPECT_EQ(visible(closeKilled(s)), "</b></font>");
  ASSERT_EQ(pending(s), "</font> </b>");
  EXPECT_EQ(s.pending[0].openTag, "<font size=3>");

  // Nothing marked: nothing to write.
  s = stateWith({{Element::Bold, Kind::A}});
  EXPECT_EQ(closeKilled(s), "");
}

TEST(Stack, ClosingPassWritesOnlyWhatWasOpened) {
  ConversionState s = stateWith({{Element::ListItem, Kind::K}, {Element::Bold, Kind::K}});
  s.lineBreak = "\r\n";
  EXPECT_EQ(visible(closeKilled(s)), visible("</li>\r\n</b>"));
  s = stateWith({{Element::ListItem, Kind::K}, {Element::Bold, Kind::K}});
  s.tagStack.back().opened = false;
  EXPECT_EQ(visible(closeKilled(s)), "</b>");
  EXPECT_EQ(closeAll(s), "</b>");
}

TEST(Stack, ClosingPassKeepsTheFontInStep) {
  constexpr std::string_view red = "<font color=\"#FF0000\">";
  struct Row {
    const char* what;
    ConversionState state;
    std::string_view fontTag;
    std::string stackAfter;
    std::string pendingAfter;
  };
  Row rows[] = {
      {"a group end marked the font, same colour again: it stays open",
       stateWith({{Element::Font, Kind::K, red}}), red, "</font>A", ""},
      {"a list item is pending: the font closes with the rest",
       stateWith({{Element::Font, Kind::K, red}}, {Element::ListItem}), red, "</font>K", "</li>"},
      {"attributes reset: a stale font request is cancelled",
       stateWith({{Element::Font, Kind::A, red}}, {Element::Font, Element::Bold}), "", "</font>K",
       "</b>"},
      {"nothing open, colour set and reset: no font at all", stateWith({}, {Element::Font}), "", "",
       ""},
  };
  for (Row& row : rows) {
    row.state.fontTag = row.fontTag;
    closeKilled(row.state);
    EXPECT_EQ(stack(row.state), row.stackAfter) << row.what;
    EXPECT_EQ(pending(row.state), row.pendingAfter) << row.what;
  }
}

TEST(Stack, CommitPutsTheNewestInnermostAndListItemsOutside) {
  ConversionState s = stateWith({}, {Element::Bold, Element::Italic});
  commitPending(s);
  EXPECT_EQ(stack(s), "</i>P </b>P");

  s = stateWith({}, {Element::Bold, Element::ListItem, Element::Italic});
  commitPending(s);
  EXPECT_EQ(stack(s), "</i>P </b>P </li>PG");

  s = stateWith({{Element::Bold, Kind::A}, {Element::Italic, Kind::K}, {Element::Align, Kind::G}},
                {Element::Underline, Element::Align});
  commitPending(s);
  EXPECT_EQ(stack(s), "</td></tr></table>PG </u>P </b>A </i>K </td></tr></table>G");
  EXPECT_TRUE(s.pending.empty());
}

TEST(Stack, OpeningOutermostFirst) {
  ConversionState s = stateWith({}, {Element::Align, Element::Bold});
  s.pending[0].openTag = "<table>";
  commitPending(s);
  EXPECT_EQ(openPendingAbove(s, Element::Align), "<b>");
  EXPECT_EQ(stack(s), "</b>A </td></tr></table>PG");
  EXPECT_EQ(openAllPending(s), "<table>");
  EXPECT_EQ(stack(s), "</b>A </td></tr></table>G");
  EXPECT_EQ(openAllPending(s), "");

  s = stateWith({}, {Element::Bold, Element::Italic});
  commitPending(s);
  EXPECT_EQ(openPendingAbove(s, Element::Align), "<b><i>");  // no alignment: all of them
}

TEST(Stack, CompactAndCancel) {
  ConversionState s = stateWith(
      {{Element::Bold, Kind::A}, {Element::Italic, Kind::K}, {Element::Underline, Kind::A}});
  compactStacks(s);
  EXPECT_EQ(stack(s), "</b>A </u>A");

  s = stateWith({}, {Element::Font, Element::ListItem, Element::Bold, Element::ListItem});
  cancelPending(s, Element::ListItem);
  EXPECT_EQ(pending(s), "</font> </b> </li>");
  cancelPending(s, Element::Italic);
  EXPECT_EQ(pending(s), "</font> </b> </li>");

  s = stateWith({}, {Element::Bold, Element::ListItem, Element::Italic});
  trimPendingTo(s, Element::ListItem);
  EXPECT_EQ(pending(s), "</li> </i>");
  s = stateWith({}, {Element::Bold, Element::Italic});
  trimPendingTo(s, Element::ListItem);
  EXPECT_EQ(pending(s), "");
}

TEST(FontTag, AttributesInOrderSizeUnquoted) {
  struct Row {
    std::int16_t base;
    std::string color, size, face, tag;
  };
  const Row rows[] = {
      {0, "", "", "", ""},
      {0, "#FF0000", "", "", "<font color=\"#FF0000\">"},
      {3, "", "3", "", "<font>"},
      {0, "#FF0000", "3", "Courier", "<font face=\"Courier\" color=\"#FF0000\" size=3>"},
      {2, "", "3", "Arial", "<font face=\"Arial\" size=3>"},
  };
  for (const Row& row : rows) {
    ConversionState s;
    s.baseFontSize = row.base;
    EXPECT_EQ(visible(buildFontTag(s, row.color, row.size, row.face)), visible(row.tag));
  }
}

TEST(FontTag, HalfPointsToHtmlSizes) {
  const std::pair<std::int32_t, std::int32_t> rows[] = {
      {-5, 1}, {0, 1},  {13, 1}, {14, 2}, {20, 2},  {24, 3},        {28, 4},        {36, 5},
      {48, 6}, {55, 7}, {56, 8}, {72, 8}, {400, 8}, {INT32_MIN, 1}, {INT32_MAX, 8},
  };
  for (const auto& [halfPoints, size] : rows)
    EXPECT_EQ(htmlFontSize(halfPoints), size) << halfPoints;
}

TEST(FontTag, NumericParameters) {
  const std::pair<std::string, std::optional<std::int32_t>> rows[] = {
      {"20", 20},
      {"+7", 7},
      {"-720", -720},
      {"007", 7},
      {"2.5", 2},
      {"3.5", 4},
      {"-2.5", -2},
      {"2.51", 3},
      {"2.4999", 2},
      {".5", 0},
      {"5.", 5},
      {"99999999999", INT32_MAX},
      {"-99999999999", INT32_MIN},
      {"", std::nullopt},
      {"-", std::nullopt},
      {".", std::nullopt},
      {"1.2.3", std::nullopt},
      {"1e3", std::nullopt},
      {" 1", std::nullopt},
      {"0x10", std::nullopt},
      {"s20", std::nullopt},
  };
  for (const auto& [text, value] : rows) EXPECT_EQ(numericValue(text), value) << visible(text);
  EXPECT_EQ(numericValue(std::string(1'000'000, '9')), INT32_MAX);
}

}  // namespace
}  // namespace quillmark
