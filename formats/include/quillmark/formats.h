// Quillmark post formats: the "Copy to Web" HTML fragment in the markup of the forum it goes to.
//
// Most forums do not take HTML. phpBB, XenForo, MyBB, SMF and vBulletin take BBCode, each in a
// dialect of its own; Discourse, GitHub, Lemmy and Reddit take Markdown. `convertPost` turns
// the fragment that Converter::convertRtfToHtml and rewriteForWeb make into any of them:
//
//   std::u16string web = rewriteForWeb(converter.convertRtfToHtml(rtf, kWebOptions));
//   Post post = convertPost(web, Format::Phpbb);
//   // post.text goes to the clipboard; formatLosses(post.losses) says what the forum cannot show
//
// The fragment is read as a browser reads it: entities become characters (also "&amp", "&lt",
// "&gt", "&quot" and "&nbsp" without their semicolon), every tag of the engine's vocabulary
// (quillmark/html.h; links too) is formatting, also where the writer typed it, and everything
// else is the writer's text. Tags that cross in the fragment (an alignment opened around an
// open bold) are read into runs of text with their formats, so the output nests properly by
// construction.
//
// BBCode has no escape: the writer's text goes out as typed, so a writer can type markup the
// toolbar does not offer ("[quote]", "[spoiler]"). Markdown escapes what its syntax would
// read, so that what the writer sees is what the forum shows. What a format cannot show is
// dropped, the text kept, and counted in the post's loss report.
//
// The face and the size that most of the text has (by characters, blanks and the
// fixed-columns block aside; each on its own) are the post's normal text: a word processor's
// body font, say. The post gives them no markup, so that they show in the forum's own font
// and size, and a forum that shows no faces or sizes loses nothing by them. Text in another
// face is marked with it; text with no face takes the forum's. Text in another size is marked
// as many steps (HTML sizes 1 to 7) from the forum's size 3 as it is from the normal size. On a
// tie the forum's own (no face, size 3) wins, else the one met first. The fixed-columns block
// becomes a code block in the forum's own monospace: the formats of its text are no loss, a
// link's address is.
//
// `html` is the fragment unchanged, byte for byte. Every other format ends its lines with
// "\n" alone. Nothing here fails: every fragment gives a post. Time and memory are linear in
// the size of the fragment. Qt-free, like the engine.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "quillmark/format.h"

namespace quillmark {

struct FormatInfo {
  Format format;
  std::string_view name;         // what --format and the settings take: "phpbb"
  std::string_view displayName;  // what a menu shows: "phpBB BBCode"
};

// Every format, `html` first, in a fixed order.
std::span<const FormatInfo> allFormats();
std::string_view formatName(Format format);
std::string_view formatDisplayName(Format format);
// The format of that name (exact, lower case, as formatName gives it); std::nullopt for any
// other text.
std::optional<Format> formatByName(std::string_view name);
// "html, phpbb, xenforo, mybb, smf, vbulletin, bbcode, markdown", for a usage message.
std::string formatNameList();

// What a post can show, one element per row of each dialect's table: the engine's
// vocabulary (html::Element in quillmark/html.h) as a forum sees it, its font split into
// colour, size and face and its alignment into centre and right, with the fixed-columns block
// and the line break. A type of its own, as the rows are not the engine's elements.
enum class Element {
  Bold,
  Italic,
  Underline,
  Strike,
  Superscript,
  Subscript,
  Colour,
  Size,
  Face,
  Centre,
  Right,
  ListItem,
  FixedBlock,
  LineBreak,
  Link,
  Heading,
  Quote,
  Rule,
  Picture,
  PictureText,   // a picture's alternative text
  NumberedList,  // a list numbered 1, a, A, i or I
  ListStart,     // a numbered list's first number other than 1
  Table,         // rows of cells; where a forum has none, a code block of padded columns
  QuoteSource,   // who a quote quotes and where from: its author, the post, the time
  InlineCode,    // code inside a line: Markdown's backticks, XenForo's [ICODE]
  CodeLanguage,  // a code block's language: [code=php], ```php
  TaskItem,      // a list item's task box, open or done: GFM's "- [ ] x"
  Justify,       // a paragraph justified: [align=justify], [JUSTIFY]
  Markup,        // markup of another format kept as typed: Markdown's HTML, phpBB's [attachment]
  Spoiler,       // text hidden until the reader opens it: XenForo's [SPOILER], [ISPOILER]
};
inline constexpr std::size_t kElementCount = 30;

// "bold", "italic", "underline", "strike-through", "superscript", "subscript", "colour",
// "size", "face", "centre", "right", "list item", "fixed columns", "line break", "link",
// "heading", "quote", "rule", "picture", "picture text", "numbered list", "list start",
// "table", "quote source", "inline code", "code language", "task box", "justify",
// "markup of another format", "spoiler".
std::string_view elementName(Element element);

// One row of a dialect's table: how the dialect writes the element, or that it cannot.
struct ElementMarkup {
  Element element;
  bool shown;
  std::string_view markup;  // e.g. "[color=#RRGGBB]...[/color]"; "not shown" when !shown
  std::string_view source;  // the help page the markup was taken from
};

// The dialect's table, one row per element in Element order. For `html` every element is
// shown, with the engine's own tags.
std::span<const ElementMarkup> formatTable(Format format);

// What a conversion dropped: `count` stretches of the element, each one `unit` ("run" for
// character formats, "paragraph" for alignment, "item", "block", "link", "heading", "quote"
// (also for a quote's source), "rule", "picture", "list").
struct Loss {
  Element element;
  std::size_t count;
  std::string_view unit;  // singular
};

// At most one entry per element, in Element order; empty when nothing was dropped.
using LossReport = std::vector<Loss>;

// "colour: 3 runs", "centre: 1 paragraph"; "table: shown as a code block" (or "table: 2 shown
// as code blocks").
std::string formatLoss(const Loss& loss);
// One formatLoss line per entry, each ended by "\n"; empty for an empty report.
std::string formatLosses(const LossReport& report);
// Adds a loss to a report: its count to the element's entry, or a new entry in Element order.
void addLoss(LossReport& report, const Loss& loss);

struct Post {
  std::u16string text;
  LossReport losses;
};

// The post in `format` for the rewritten "Copy to Web" fragment `webHtml`.
Post convertPost(std::u16string_view webHtml, Format format);

namespace post {
struct Model;
}

// What the forum a post goes to takes beyond its format.
struct PostOptions {
  // Whether the forum shows the format's tables (a board can switch its table tags off).
  // Without them a table is a code block of its cells in padded columns, and a loss.
  bool tables = true;
};

// The post in `format` for a post model (quillmark/post.h): the rich road, from the editor's
// document, with its structure. For `html`, which is the engine's fragment, it gives the
// model's text alone; make html with the engine. A table is written as the format's own
// table where it has one (XenForo, SMF, vBulletin, Markdown's GFM pipe table) and the
// options allow it, else as a code block of its cells in padded columns (a wide East Asian
// character counting two), counted as a loss.
Post writePost(const post::Model& model, Format format, const PostOptions& options = {});

// checkPost for a post written from a model: the same checks, against the model's text, the
// post written with the same options.
std::optional<std::string> checkPost(const post::Model& model, std::u16string_view post,
                                     Format format, const PostOptions& options = {});

// Checks a post against the fragment it was made from, as "check before copy" and the tests
// do: every element opened is closed, in order; nothing but the format's own markup appears
// beside the writer's text; and the text a reader sees is the fragment's text (the words in
// order, none lost, none added). Returns what is wrong, in one line, or std::nullopt when
// the post passes. For `html` the post must be the fragment itself.
std::optional<std::string> checkPost(std::u16string_view webHtml, std::u16string_view post,
                                     Format format);

// Checks the fragment itself against the text of the document it was made from: every
// element of the engine's vocabulary opened is closed, in order, and the words a reader sees
// are the document's words, in order, none lost, none added (the fixed-columns markers,
// which become a block, and pictures, which no post carries, left aside). Returns what is
// wrong, in one line, or std::nullopt. With checkPost it is the check before a copy.
std::optional<std::string> checkFragment(std::u16string_view webHtml,
                                         std::u16string_view documentText);

// Reads a post back into a post model: the text of a post in `format` as a forum's edit box
// shows it, a BBCode dialect through that dialect's own tags (any letter case; a tag the
// dialect does not know, or one left unbalanced, is text; the code block's contents are
// literal) or Markdown through cmark-gfm's tree. What the format writes, this reads, so
// that writePost(readPost(writePost(m, f), f), f) is writePost(m, f). For `html` the
// fragment is read as convertPost reads it. Nothing here fails: every text gives a model.
// Time and memory are linear in the size of the text.
post::Model readPost(std::u16string_view text, Format format);

// Markdown (UTF-8) as cmark-gfm is to be given it, by every reader and renderer of it: the
// same text, but where cmark-gfm would take time or memory far past the text's size (raw
// HTML openers never closed, picture openers left open under many links, in quantity; a
// table of very many columns or padded to a wide header) those openers are escaped and
// such a table is read as its lines of text. What a post of links, pictures and tables
// holds is left as it is. Linear.
std::string boundedMarkdown(std::string_view markdown);

// Whether a post's text holds BBCode: a tag of any dialect opened and closed in it (a
// Markdown post's "[link](...)" or "[x]" is not). What "automatic" reads the text as.
bool looksLikeBbcode(std::u16string_view text);

// The BBCode dialect a post's tags tell, when they tell one: a tag or a form that only one
// dialect writes ("[HEADING=2]", "[list type=decimal]", "[hr]"...). std::nullopt when the
// text fits several dialects alike, or holds no BBCode.
std::optional<Format> dialectOf(std::u16string_view text);

// The BBCode post as its forum shows it, as HTML for a browser: only the dialect's own tags
// are read, in any letter case, and everything else is text, escaped. Tags left open are
// closed at the end, a closing tag with nothing of its kind open is text. For `html` the post
// is returned as it is; a Markdown post comes back as preformatted text (a Markdown renderer
// shows it better).
std::u16string bbcodeToHtml(std::u16string_view post, Format format);

}  // namespace quillmark
