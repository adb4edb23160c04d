#pragma once
// Reading a text file a writer saved (a post's markup, plain text), as the engine's text
// helpers read bytes. Standard library only.
#include <string>
#include <string_view>

namespace quillmark {

// The text of `bytes`, UTF-8 with or without its byte-order mark: each byte that is no part
// of a well-formed UTF-8 character (an overlong form, a surrogate, past U+10FFFF, cut short)
// is read by itself as Windows-1252, so that a file saved in the old code page still reads
// as its writer meant and no byte is lost.
std::u16string decodeText(std::string_view bytes);

}  // namespace quillmark
