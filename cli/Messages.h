#pragma once
// The converter's messages in the user's language, without Qt: the English texts are the
// program's own and the keys of a catalogue compiled in from translations/*.ts (context
// "cli"), chosen the way gettext chooses: LANGUAGE's list when the messages' locale is not
// C, else the locale of LC_ALL, LC_MESSAGES or LANG.
#include <initializer_list>
#include <string>
#include <string_view>

// lupdate reads the texts marked QT_TRANSLATE_NOOP("cli", ...) into the catalogues; without
// Qt the marker is the text itself.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace quillmark::cli {

// The language of the catalogue the messages are said in ("de"), or "" for English: from the
// values of LANGUAGE, LC_ALL, LC_MESSAGES and LANG (empty for unset).
std::string messageLanguage(std::string_view language, std::string_view all,
                            std::string_view messages, std::string_view lang);

// The same from the program's environment, read once.
const std::string &messageLanguage();

// The translation of `english` in `language`; `english` itself where there is none.
std::string_view translated(std::string_view english, std::string_view language);
// The same in the program's language.
std::string_view translated(std::string_view english);

// `text` with %1, %2, ... replaced by `args` in one pass ("%%" stays as is).
std::string withArgs(std::string_view text, std::initializer_list<std::string_view> args);

}  // namespace quillmark::cli
