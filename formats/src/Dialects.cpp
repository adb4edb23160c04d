// The formats' tables, one screen each, one row per element of the engine's vocabulary. Each
// is taken from the forum software's own BBCode or formatting help page, named beside it;
// an element a dialect does not offer out of the box is not shown (empty markup), so the
// post never carries a tag the forum would print as text.
#include "Dialects.h"

#include <deque>
#include <string>

#include "quillmark/html.h"

namespace quillmark::formats {
namespace {

struct Entry {
  Tag tag;
  std::string_view source = {};  // when it is not the dialect's main page
};

constexpr Entry kNot{};

// The engine's HTML sizes 1 to 7 (8, which browsers show as 7, is written as 7) on each
// dialect's scale. Index 0 is unused.
using Sizes = std::array<std::string_view, 8>;

struct Source {
  Format format;
  std::string_view page;
  std::array<Entry, kElementCount> entries;
  Sizes sizes;
  std::string_view listStart, listEnd;
  std::array<std::string_view, 6> numbers = {};  // bullet, 1, a, A, i, I
  std::array<Tag, 3> table = {};                 // row, cell, header cell
  // inline code, code language, justify (Dialect's named markup), with their sources
  std::array<Entry, 3> extra = {};
};

// phpBB 3.x: https://www.phpbb.com/community/help/bbcode ("BBCode guide"). The default set has
// no strike-through, super- or subscript, font face or alignment. [size] takes a percentage,
// 50 to 200 by default (the board's max_font_size setting).
// XenForo 2.x: https://xenforo.com/community/help/bb-codes/ ([SIZE=1] to [SIZE=7], [FONT],
// [LEFT] [CENTER] [RIGHT]; no super- or subscript).
// MyBB 1.8: https://docs.mybb.com/1.8/usage/mycode/ ([size] takes the CSS keywords xx-small
// to xx-large, which are the HTML sizes 1 to 7; [align=center]; no super- or subscript).
// SMF 2.1: https://wiki.simplemachines.org/smf/Basic_Bulletin_Board_Codes and
// https://wiki.simplemachines.org/smf/SMF2.1:Bulletin_board_code ([size] in points, the
// editor's 8pt to 36pt; [sup] [sub]; [list][li]...[/li][/list]).
// vBulletin 4 and 5: https://www.vbulletin.com/forum/help ("BB Code List": [SIZE=1] to
// [SIZE=7], [FONT], [LEFT] [CENTER] [RIGHT]); strike-through is not in vBulletin 4's list,
// super- and subscript in neither.
// bbcode: what every one of the five reads alike.
// Markdown: https://commonmark.org/help/ and, for strike-through, GitHub Flavored
// Markdown https://github.github.com/gfm/ (the strikethrough extension).
constexpr std::string_view kGfm = "https://github.github.com/gfm/#strikethrough-extension-";
constexpr std::string_view kGfmCode = "https://github.github.com/gfm/#code-spans";
constexpr std::string_view kGfmTask = "https://github.github.com/gfm/#task-list-items-extension-";
constexpr std::string_view kGfmFence = "https://github.github.com/gfm/#info-string";
// XenForo 2.2 added [HEADING=1] to [HEADING=3]. Its help page shows only [LIST=1] for a
// numbered list; vBulletin's "Advanced Lists" take 1, a, A, i and I.
constexpr std::string_view kXfHeading = "https://xenforo.com/community/help/bb-codes/#heading";
// XenForo 2.1 added [TABLE] with [TR], [TH] and [TD]; vBulletin 5's list has [TABLE], [TR]
// and [TD] only. Both are on the dialects' main pages.
constexpr std::string_view kGfmTable = "https://github.github.com/gfm/#tables-extension-";
constexpr std::string_view kEngine = "convert/include/quillmark/convert.h";

// The new rows' own definitions, in each forum's source where it is open.
// phpBB 3.3: the default BBCodes of the s9e text formatter; [list] takes 1 a A i I, there is
// no [hr], no heading, no picture text and no list start.
#define QM_PHPBB                                                                  \
  "https://github.com/phpbb/phpbb/blob/d46228d843609b8763ba1a11584083bf3ad52741/" \
  "phpBB/phpbb/textformatter/s9e/factory.php"
constexpr std::string_view kPhpbbQuote = QM_PHPBB "#L87";
constexpr std::string_view kPhpbbImg = QM_PHPBB "#L84";
constexpr std::string_view kPhpbbList = QM_PHPBB "#L85";
// [code={IDENTIFIER;optional}]: the language, for the board's highlighter.
constexpr std::string_view kPhpbbCode = QM_PHPBB "#L83";
// MyBB 1.8: class postParser; [list=] takes a A i I 1 (the pattern ignores case), [img]
// takes a size and an alignment but no text of its own (its alt is the file name).
#define QM_MYBB                                                                 \
  "https://github.com/mybb/mybb/blob/9a701b248308c499641d40ca09b5eb3bda76f9c6/" \
  "inc/class_parser.php"
constexpr std::string_view kMybbHr = QM_MYBB "#L335";
constexpr std::string_view kMybbImg = QM_MYBB "#L497-L500";
constexpr std::string_view kMybbQuote = QM_MYBB "#L870";
constexpr std::string_view kMybbList = QM_MYBB "#L572";
// [align=left|center|right|justify], one pattern for the four.
constexpr std::string_view kMybbAlign = QM_MYBB "#L328";
// SMF 2.1: parse_bbc()'s codes; [list type=] takes a CSS list-style-type. Its [img] takes
// alt= too, but the writer puts no value in a picture's tag yet, so the text is still lost.
#define QM_SMF                                                                           \
  "https://github.com/SimpleMachines/SMF/blob/1468660f32128b76955e9dd58d9860a0434d61ce/" \
  "Sources/Subs.php"
constexpr std::string_view kSmfHr = QM_SMF "#L2064";
constexpr std::string_view kSmfImg = QM_SMF "#L2075";
constexpr std::string_view kSmfQuote = QM_SMF "#L2238";
constexpr std::string_view kSmfListType = QM_SMF "#L2170";
// SMF 2.1's codes "table", "tr" (require_parents table) and "td" (require_parents tr); no "th".
constexpr std::string_view kSmfTable = QM_SMF;
#undef QM_PHPBB
#undef QM_MYBB
#undef QM_SMF

// clang-format off
const Source kSources[] = {
  // The engine's own tags, from its vocabulary: htmlEntries() below.
  {Format::Html, kEngine, {}, {"", "1", "2", "3", "4", "5", "6", "7"}, "", ""},

  {Format::Phpbb, "https://www.phpbb.com/community/help/bbcode", {{
    //  bold              italic            underline         strike  super  sub
    {{"[b]", "[/b]"}}, {{"[i]", "[/i]"}}, {{"[u]", "[/u]"}}, kNot, kNot, kNot,
    //  colour                          size                           face
    {{"[color={}]", "[/color]"}}, {{"[size={}]", "[/size]"}}, kNot,
    //  centre  right  list item           fixed block               line break   link
    kNot, kNot, {{"[*]", ""}}, {{"[code]", "[/code]"}}, {{"\n", ""}}, {{"[url={}]", "[/url]"}},
    //  heading (bold and larger)  quote  rule  picture  picture text
    kNot, {{"[quote]", "[/quote]"}, kPhpbbQuote}, kNot, {{"[img]", "[/img]"}, kPhpbbImg}, kNot,
    //  numbered list  list start
    {{"[list={}]", "[/list]"}, kPhpbbList}, kNot,
    //  table: none of its own, a code block of padded columns
    kNot,
    //  quote source: the author, then post_id, time and user_id
    {{"[quote={}]", "[/quote]"}, kPhpbbQuote},
  }}, {"", "50", "85", "100", "125", "150", "175", "200"}, "[list]", "[/list]",
   {"", "1", "a", "A", "i", "I"}, {},
   //  inline code  code language                      justify
   {{kNot, {{"[code={}]", "[/code]"}, kPhpbbCode}, kNot}}},

  {Format::Xenforo, "https://xenforo.com/community/help/bb-codes/", {{
    {{"[B]", "[/B]"}}, {{"[I]", "[/I]"}}, {{"[U]", "[/U]"}}, {{"[S]", "[/S]"}}, kNot, kNot,
    {{"[COLOR={}]", "[/COLOR]"}}, {{"[SIZE={}]", "[/SIZE]"}}, {{"[FONT={}]", "[/FONT]"}},
    {{"[CENTER]", "[/CENTER]"}}, {{"[RIGHT]", "[/RIGHT]"}},
    {{"[*]", ""}}, {{"[CODE]", "[/CODE]"}}, {{"\n", ""}}, {{"[URL={}]", "[/URL]"}},
    {{"[HEADING={}]", "[/HEADING]"}, kXfHeading}, {{"[QUOTE]", "[/QUOTE]"}}, kNot,
    {{"[IMG]", "[/IMG]"}}, kNot, {{"[LIST={}]", "[/LIST]"}}, kNot,
    {{"[TABLE]", "[/TABLE]"}},
    //  quote source: "name, post: 1, member: 2"
    {{"[QUOTE={}]", "[/QUOTE]"}},
  }}, {"", "1", "2", "3", "4", "5", "6", "7"}, "[LIST]", "[/LIST]", {"", "1"},
   {{{"[TR]", "[/TR]"}, {"[TD]", "[/TD]"}, {"[TH]", "[/TH]"}}},
   {{{{"[ICODE]", "[/ICODE]"}}, {{"[CODE={}]", "[/CODE]"}}, {{"[JUSTIFY]", "[/JUSTIFY]"}}}}},

  {Format::Mybb, "https://docs.mybb.com/1.8/usage/mycode/", {{
    {{"[b]", "[/b]"}}, {{"[i]", "[/i]"}}, {{"[u]", "[/u]"}}, {{"[s]", "[/s]"}}, kNot, kNot,
    {{"[color={}]", "[/color]"}}, {{"[size={}]", "[/size]"}}, {{"[font={}]", "[/font]"}},
    {{"[align=center]", "[/align]"}}, {{"[align=right]", "[/align]"}},
    {{"[*]", ""}}, {{"[code]", "[/code]"}}, {{"\n", ""}}, {{"[url={}]", "[/url]"}},
    kNot, {{"[quote]", "[/quote]"}, kMybbQuote}, {{"[hr]", ""}, kMybbHr},
    {{"[img]", "[/img]"}, kMybbImg}, {{}, kMybbImg},
    {{"[list={}]", "[/list]"}, kMybbList}, kNot,
    //  table: none of its own, a code block of padded columns
    kNot,
    //  quote source: 'name' pid='1' dateline='2'
    {{"[quote={}]", "[/quote]"}, kMybbQuote},
  }}, {"", "xx-small", "x-small", "small", "medium", "large", "x-large", "xx-large"},
   "[list]", "[/list]", {"", "1", "a", "A", "i", "I"}, {},
   {{kNot, kNot, {{"[align=justify]", "[/align]"}, kMybbAlign}}}},

  {Format::Smf, "https://wiki.simplemachines.org/smf/Basic_Bulletin_Board_Codes", {{
    {{"[b]", "[/b]"}}, {{"[i]", "[/i]"}}, {{"[u]", "[/u]"}}, {{"[s]", "[/s]"}},
    {{"[sup]", "[/sup]"}}, {{"[sub]", "[/sub]"}},
    {{"[color={}]", "[/color]"}}, {{"[size={}]", "[/size]"}}, {{"[font={}]", "[/font]"}},
    {{"[center]", "[/center]"}}, {{"[right]", "[/right]"}},
    {{"[li]", "[/li]"}}, {{"[code]", "[/code]"}}, {{"\n", ""}}, {{"[url={}]", "[/url]"}},
    kNot, {{"[quote]", "[/quote]"}, kSmfQuote}, {{"[hr]", ""}, kSmfHr},
    {{"[img]", "[/img]"}, kSmfImg}, {{}, kSmfImg},
    {{"[list type={}]", "[/list]"}, kSmfListType}, kNot,
    //  table: [tr] inside [table] only, [td] inside [tr] only; no header cell
    {{"[table]", "[/table]"}, kSmfTable},
    //  quote source: author=, link= and date=
    {{"[quote author={}]", "[/quote]"}, kSmfQuote},
  }}, {"", "8pt", "10pt", "12pt", "14pt", "18pt", "24pt", "36pt"}, "[list]", "[/list]",
   {"", "decimal", "lower-alpha", "upper-alpha", "lower-roman", "upper-roman"},
   {{{"[tr]", "[/tr]"}, {"[td]", "[/td]"}, {}}}},

  {Format::Vbulletin, "https://www.vbulletin.com/forum/help", {{
    {{"[B]", "[/B]"}}, {{"[I]", "[/I]"}}, {{"[U]", "[/U]"}}, kNot, kNot, kNot,
    {{"[COLOR={}]", "[/COLOR]"}}, {{"[SIZE={}]", "[/SIZE]"}}, {{"[FONT={}]", "[/FONT]"}},
    {{"[CENTER]", "[/CENTER]"}}, {{"[RIGHT]", "[/RIGHT]"}},
    {{"[*]", ""}}, {{"[CODE]", "[/CODE]"}}, {{"\n", ""}}, {{"[URL={}]", "[/URL]"}},
    kNot, {{"[QUOTE]", "[/QUOTE]"}}, kNot, {{"[IMG]", "[/IMG]"}}, kNot,
    {{"[LIST={}]", "[/LIST]"}}, kNot,
    //  table: rows and cells, no header cell
    {{"[TABLE]", "[/TABLE]"}},
    //  quote source: the name, ";" and the post's number
    {{"[QUOTE={}]", "[/QUOTE]"}},
  }}, {"", "1", "2", "3", "4", "5", "6", "7"}, "[LIST]", "[/LIST]",
   {"", "1", "a", "A", "i", "I"}, {{{"[TR]", "[/TR]"}, {"[TD]", "[/TD]"}, {}}}},

  // The subset: phpBB lacks strike-through, face and alignment; the size scales differ.
  {Format::Bbcode, "https://www.phpbb.com/community/help/bbcode", {{
    {{"[b]", "[/b]"}}, {{"[i]", "[/i]"}}, {{"[u]", "[/u]"}}, kNot, kNot, kNot,
    {{"[color={}]", "[/color]"}}, kNot, kNot, kNot, kNot,
    {{"[*]", ""}}, {{"[code]", "[/code]"}}, {{"\n", ""}}, {{"[url={}]", "[/url]"}},
    kNot, {{"[quote]", "[/quote]"}}, kNot, {{"[img]", "[/img]"}}, kNot,
    {{"[list={}]", "[/list]"}}, kNot,
    //  table: phpBB and MyBB have none
    kNot,
    //  quote source: the name alone, as every one of the five reads it
    {{"[quote={}]", "[/quote]"}},
  }}, {}, "[list]", "[/list]", {"", "1"}},

  {Format::Markdown, "https://commonmark.org/help/", {{
    {{"**", "**"}}, {{"*", "*"}}, kNot, {{"~~", "~~"}, kGfm}, kNot, kNot,
    kNot, kNot, kNot, kNot, kNot,
    {{"- ", ""}}, {{"```", "```"}}, {{"\\\n", ""}}, {{"[", "]({})"}},
    {{"# ", ""}}, {{"> ", ""}}, {{"---", ""}}, {{"![", "]({})"}}, {{"![", "]({})"}},
    {{"1. ", ""}}, {{"3. ", ""}},
    {{"| ", " |"}, kGfmTable},
  }}, {}, "", "", {"", "1"}, {},
   {{{{"`", "`"}, kGfmCode}, {{"```{}", "```"}, kGfmFence}, kNot}}},
};
// clang-format on

// The html format writes the engine's own tags (quillmark/html.h), with "{}" where a value
// goes; the strings made are kept in `storage`.
std::array<Entry, kElementCount> htmlEntries(std::deque<std::string>& storage) {
  using html::Element;
  const auto fixed = [](Element e) {
    return Entry{{html::fixedOpeningTag(e), html::closingTag(e)}};
  };
  const auto valued = [&](Element e, std::string_view start, std::string_view end) {
    std::string open(html::tagsOf(e).open);
    open.append(start).append("{}").append(end);
    return Entry{{storage.emplace_back(std::move(open)), html::closingTag(e)}};
  };
  return {{
      fixed(Element::Bold),
      fixed(Element::Italic),
      fixed(Element::Underline),
      fixed(Element::Strike),
      fixed(Element::Super),
      fixed(Element::Sub),
      valued(Element::Font, html::kColorAttribute, "\">"),
      valued(Element::Font, html::kSizeAttribute, ">"),
      valued(Element::Font, html::kFaceAttribute, "\">"),
      {{html::kCentreTag, html::closingTag(Element::Align)}},
      {{html::kRightTag, html::closingTag(Element::Align)}},
      fixed(Element::ListItem),
      {{html::kPreOpen, html::kPreClose}},
      {{html::kBreak, ""}},
      valued(Element::Link, "", "\">"),
      {{"<h{}>", "</h{}>"}},
      {{"<blockquote>", "</blockquote>"}},
      {{"<hr>", ""}},
      {{"<img src=\"{}\">", ""}},
      {{"<img alt=\"{}\">", ""}},
      {{"<ol type=\"{}\">", "</ol>"}},
      {{"<ol start=\"{}\">", "</ol>"}},
      {{"<table>", "</table>"}},
      {{"<blockquote><cite>{}</cite>", "</blockquote>"}},
      // The engine has no code, task box or justification of its own: what it is given.
      valued(Element::Font, html::kFaceAttribute, "\">"),
      {{html::kPreOpen, html::kPreClose}},
      fixed(Element::ListItem),
      {{"<p align=\"justify\">", "</p>"}},
      {{}, kEngine},
      {{}, kEngine},
  }};
}

// The form of each dialect's quote source, from the sources named beside the quote's row.
CiteForm citeFormOf(Format format) {
  switch (format) {
    case Format::Phpbb:
      return CiteForm::Phpbb;
    case Format::Xenforo:
      return CiteForm::Xenforo;
    case Format::Mybb:
      return CiteForm::Mybb;
    case Format::Smf:
      return CiteForm::Smf;
    case Format::Vbulletin:
      return CiteForm::Vbulletin;
    case Format::Bbcode:
      return CiteForm::Plain;
    default:
      return CiteForm::None;
  }
}

// Every dialect's link to a mailbox, [email=ADDRESS]text[/email] and [email]ADDRESS[/email]:
// phpBB's factory.php, MyBB's and SMF's parsers, the XenForo and vBulletin help pages.
Tag emailOf(Format format) {
  switch (format) {
    case Format::Phpbb:
    case Format::Mybb:
    case Format::Smf:
    case Format::Bbcode:
      return {"[email={}]", "[/email]"};
    case Format::Xenforo:
    case Format::Vbulletin:
      return {"[EMAIL={}]", "[/EMAIL]"};
    default:
      return {};
  }
}

Dialect makeDialect(const Source& s, std::deque<std::string>& storage) {
  Dialect d{};
  d.format = s.format;
  d.cite = citeFormOf(s.format);
  d.sizes = s.sizes;
  d.listStart = s.listStart;
  d.listEnd = s.listEnd;
  d.numbers = s.numbers;
  d.tableRow = s.table[0];
  d.tableCell = s.table[1];
  d.tableHeader = s.table[2];
  d.inlineCode = s.extra[0].tag;
  d.codeLanguage = s.extra[1].tag;
  d.justify = s.extra[2].tag;
  d.email = emailOf(s.format);
  // phpBB's list item: [*] with an optional [/*] (factory.php's "*" tag, closed by the next
  // [*] or the list's end).
  d.itemClose = s.format == Format::Phpbb;
  // phpBB's [list=] passes a CSS list style through (factory.php's LIST, #L85); SMF's
  // [list type=] takes one (Subs.php, #L2170).
  d.listMarker = s.format == Format::Phpbb ? "[list={}]"
                 : s.format == Format::Smf ? "[list type={}]"
                                           : "";
  // phpBB's [attachment=N]name[/attachment] (factory.php); XenForo's help page.
  if (s.format == Format::Phpbb) d.keptTags = {"attachment"};
  if (s.format == Format::Xenforo) d.keptTags = {"user", "attach", "media"};
  // XenForo's [SPOILER], [SPOILER=title] and [ISPOILER] (its help page).
  if (s.format == Format::Xenforo) {
    d.spoiler = {"[SPOILER]", "[/SPOILER]"};
    d.spoilerTitled = "[SPOILER={}]";
    d.inlineSpoiler = {"[ISPOILER]", "[/ISPOILER]"};
  }
  std::array<Entry, kElementCount> entries = s.entries;
  if (s.format != Format::Html) {
    entries[static_cast<std::size_t>(Element::InlineCode)] = s.extra[0];
    entries[static_cast<std::size_t>(Element::CodeLanguage)] = s.extra[1];
    entries[static_cast<std::size_t>(Element::Justify)] = s.extra[2];
  }
  if (s.format == Format::Markdown) {
    entries[static_cast<std::size_t>(Element::TaskItem)] = {{"- [ ] ", ""}, kGfmTask};
  }
  for (std::size_t i = 0; i < kElementCount; ++i) {
    const Entry& e = entries[i];
    const bool named = i >= static_cast<std::size_t>(Element::InlineCode);
    if (!named || s.format == Format::Html) d.tags[i] = e.tag;
    ElementMarkup& row = d.rows[i];
    row.element = static_cast<Element>(i);
    row.shown = !e.tag.open.empty();
    row.source = e.source.empty() ? s.page : e.source;
    if (!row.shown) {
      row.markup = "not shown";
      continue;
    }
    std::string text(e.tag.open);
    if (static_cast<Element>(i) == Element::ListItem && !s.listStart.empty()) {
      text = std::string(s.listStart) + text;
    }
    if (static_cast<Element>(i) != Element::LineBreak) text += "...";
    text += e.tag.close;
    if (static_cast<Element>(i) == Element::ListItem) text += s.listEnd;
    if (static_cast<Element>(i) == Element::LineBreak && text.back() == '\n') {
      text.pop_back();
      text += "(newline)";
    }
    row.markup = storage.emplace_back(std::move(text));
  }
  // A table's markup shows its rows and cells.
  ElementMarkup& table = d.rows[static_cast<std::size_t>(Element::Table)];
  if (table.shown && !d.tableRow.open.empty()) {
    const Tag& head = d.tableHeader.open.empty() ? d.tableCell : d.tableHeader;
    std::string text(tagOf(d, Element::Table).open);
    text.append(d.tableRow.open).append(head.open).append("...").append(head.close);
    text.append(d.tableCell.open).append("...").append(d.tableCell.close);
    text.append(d.tableRow.close).append(tagOf(d, Element::Table).close);
    table.markup = storage.emplace_back(std::move(text));
  }
  // A dialect without a heading of its own writes one bold, and larger where it has sizes.
  ElementMarkup& heading = d.rows[static_cast<std::size_t>(Element::Heading)];
  if (!heading.shown && shows(d, Element::Bold)) {
    const Tag& bold = tagOf(d, Element::Bold);
    const Tag& size = tagOf(d, Element::Size);
    std::string text(bold.open);
    if (!size.open.empty()) text += size.open;
    text += "...";
    if (!size.open.empty()) text += size.close;
    text += bold.close;
    heading.shown = true;
    heading.markup = storage.emplace_back(std::move(text));
  }
  return d;
}

struct Tables {
  std::deque<std::string> storage;  // the rows' markup texts; a deque keeps them in place
  std::array<Dialect, std::size(kSources)> dialects;
  Tables() {
    for (std::size_t i = 0; i < std::size(kSources); ++i) {
      Source source = kSources[i];
      if (source.format == Format::Html) source.entries = htmlEntries(storage);
      dialects[i] = makeDialect(source, storage);
    }
  }
};

const Tables& tables() {
  static const Tables t;
  return t;
}

}  // namespace

const Dialect& dialectTable(Format format) {
  for (const Dialect& d : tables().dialects) {
    if (d.format == format) return d;
  }
  return tables().dialects[0];
}

bool writes(const Dialect& d, Element e) {
  switch (e) {
    case Element::InlineCode:
      return !d.inlineCode.open.empty();
    case Element::CodeLanguage:
      return !d.codeLanguage.open.empty();
    case Element::Justify:
      return !d.justify.open.empty();
    case Element::TaskItem:
      return d.format == Format::Markdown;
    default:
      return shows(d, e);
  }
}

const Dialect* dialectOf(Format format) {
  return format == Format::Html ? nullptr : &dialectTable(format);
}

}  // namespace quillmark::formats
