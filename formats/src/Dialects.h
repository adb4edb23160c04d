// Each format's table: for every element of the engine's vocabulary, the markup the format
// writes for it, or none. The emitters and the checker read these tables and nothing else.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "quillmark/formats.h"

namespace quillmark::formats {

// How a format writes one element. In `open`, "{}" stands for the element's value (colour,
// size, face, address). An empty `open` means the format cannot show the element.
struct Tag {
  std::string_view open;
  std::string_view close;
};

// How a dialect writes a quote's source in its opening tag.
enum class CiteForm : std::uint8_t {
  None,       // no source: Markdown (the writer gives it a "name wrote:" line)
  Plain,      // [quote=name]
  Phpbb,      // [quote="name" post_id=1 time=2 user_id=3]; [quote=name]
  Xenforo,    // [QUOTE="name, post: 1, member: 2"]
  Mybb,       // [quote='name' pid='1' dateline='2']
  Smf,        // [quote author=name link=topic=1.msg2#msg2 date=3]; [quote=name]
  Vbulletin,  // [QUOTE=name;1]
};

struct Dialect {
  Format format;
  CiteForm cite = CiteForm::None;                 // the quote's source
  std::array<Tag, kElementCount> tags;            // in Element order
  std::array<ElementMarkup, kElementCount> rows;  // the public table, same order
  std::array<std::string_view, 8> sizes;          // the value for the engine's sizes 1 to 7 (index)
  std::string_view listStart, listEnd;            // around a run of list items
  // The value of the numbered list's "{}" for each numbering (index: post::Numbering), empty
  // where the dialect has no such numbering.
  std::array<std::string_view, 6> numbers;
  // Where the dialect shows tables: a row's, a cell's and a header cell's tags (the header's
  // empty where it has none: header cells are ordinary cells with bold text).
  Tag tableRow, tableCell, tableHeader;
  // Markup beyond the engine's vocabulary, each empty where the dialect has none. The
  // emitters, the post reader and the check read these by name; the rows of the public table
  // show them.
  Tag inlineCode;    // code inside a line: [ICODE]...[/ICODE]
  Tag codeLanguage;  // a code block with its language: [code={}]...[/code]
  Tag justify;       // a justified paragraph: [JUSTIFY]...[/JUSTIFY], [align=justify]
  Tag email;         // a link to a mailbox: [email={}]...[/email], the address without "mailto:"
  bool itemClose = false;  // "[/*]" ends the list item begun by "[*]" (phpBB's s9e), not text
  // A bullet list with its marker ("{}": disc, circle, square or none); empty where the
  // dialect has none.
  std::string_view listMarker;
  // Tags the forum knows that a post model has no element for, kept as typed from the
  // opening tag to its closing one on the same line: phpBB's [attachment], XenForo's [USER],
  // [ATTACH] and [MEDIA]. Lower case; empty names unused.
  std::array<std::string_view, 3> keptTags;
  // A spoiler, the opening tag of one with a title ("{}"), and a spoiler inside a line.
  Tag spoiler;
  std::string_view spoilerTitled;
  Tag inlineSpoiler;
};

// The table of a BBCode format or of Markdown; nullptr for html.
const Dialect* dialectOf(Format format);
// Any format's table, html's included (the engine's own tags).
const Dialect& dialectTable(Format format);

inline const Tag& tagOf(const Dialect& d, Element e) { return d.tags[static_cast<std::size_t>(e)]; }
// Whether the dialect writes the element, its own tags or the named markup beyond them.
bool writes(const Dialect& d, Element e);
inline bool shows(const Dialect& d, Element e) { return !tagOf(d, e).open.empty(); }

}  // namespace quillmark::formats
