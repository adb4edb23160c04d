#pragma once
// The program in the desktop's language: the translators of the program's own texts and of
// Qt's standard dialogs, installed the same way by every Qt program of the project, and the
// translated texts of the constexpr tables (tools, sites).
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <cstddef>
#include <string_view>

class QCoreApplication;
class QLocale;

namespace quillmark::i18n {

// An ASCII string literal held as UTF-16 at compile time, so that a constexpr table of
// std::u16string_view can hold texts that lupdate reads as narrow literals. A byte that is not
// ASCII does not compile.
template <std::size_t N>
struct AsciiText {
  char16_t text[N]{};
  consteval AsciiText(const char (&literal)[N]) {  // NOLINT: implicit by design
    for (std::size_t i = 0; i < N; ++i) {
      if (static_cast<unsigned char>(literal[i]) >= 0x80) throw "a table text must be ASCII";
      text[i] = char16_t(literal[i]);
    }
  }
};

// ui<QT_TRANSLATE_NOOP("Context", "Text")>: the text as a std::u16string_view in a constexpr
// table; the marker lets lupdate find it under its context.
template <AsciiText literal>
inline constexpr std::u16string_view ui{literal.text, sizeof(literal.text) / sizeof(char16_t) - 1};

// The translation of a table's text in `context`; the text itself where there is none.
QString translated(const char *context, std::u16string_view text);

// Installs on `app` the program's translator for the first of `locale`'s languages that has
// one, and Qt's own (qtbase) for that language; an English language before it keeps the
// program English. QLocale::system() is the desktop's: its
// languages follow LANGUAGE, LC_ALL, LC_MESSAGES and LANG. English, the program's own language,
// needs none. Returns the language installed ("de"), empty when the program stays English.
QString installTranslators(QCoreApplication &app, const QLocale &locale);

// Removes what installTranslators installed, so that the program speaks English again.
void removeTranslators(QCoreApplication &app);

// The languages the program has translations for ("de", "es", "fr"), in that order.
QStringList availableLanguages();

}  // namespace quillmark::i18n
