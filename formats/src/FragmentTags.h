// The pieces of a fragment that carry values, read back as the engine writes them: the font
// tag, the link tag and character references. The run model's reader and the check of the
// fragment both read them here, so that they agree on what is markup and what is text.
//
// Every search is bounded: a value's closing quote is looked for only as far as the longest
// value the engine writes (quillmark/html.h), a reference's end only as far as the longest
// entity name. Text typed like an unfinished tag or reference costs a constant per character.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quillmark::formats {

// `<font[ face="F"][ color="C"][ size=N]>` at the start of the text, the attributes in that
// order. A value holds no quote, and may hold anything else (a font name may hold '<' or a
// line end), up to html::kMaxFaceLength units. The size is one or more digits.
struct FontTag {
  std::optional<std::u16string_view> face;   // as written
  std::optional<std::u16string_view> color;  // as written, "#RRGGBB" when the engine wrote it
  std::optional<int> size;                   // the digits' value, held to 1 to 8
  std::size_t length = 0;                    // of the whole tag
};
std::optional<FontTag> readFontTag(std::u16string_view text);

// `<a href="ADDRESS">` at the start of the text: the address holds no quote and at most
// html::kMaxAddressLength units.
struct LinkTag {
  std::u16string_view address;  // as written, references not yet decoded
  std::size_t length = 0;
};
std::optional<LinkTag> readLinkTag(std::u16string_view text);

// Where a reference stands. A browser reads "&amp", "&lt", "&gt", "&quot" and "&nbsp" without
// their semicolon in text; in an attribute value only where no letter, digit or '=' follows.
enum class ReferenceIn { Text, Attribute };

// At an '&': appends what the reference stands for and returns its length, or returns 0 when
// it is no reference the reader knows (the '&' is then text). Named references are the
// reader's table (entityChar); numeric ones are decimal or hexadecimal, any code point but 0,
// surrogates and those past U+10FFFF.
std::size_t readReference(std::u16string_view text, std::size_t at, std::u16string& out,
                          ReferenceIn where);

// An attribute value with its references decoded.
std::u16string decodeReferences(std::u16string_view value);

// The character an entity name stands for ("eacute" gives U+00E9), or 0 when the name is not
// one the reader knows.
char16_t entityChar(std::u16string_view name);

}  // namespace quillmark::formats
