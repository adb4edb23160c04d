// The converter's messages in the user's language: which language the environment asks for,
// as gettext reads it, the catalogue compiled in from the translations, and the arguments
// filled into a message.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "Messages.h"

namespace cli = quillmark::cli;

namespace {

TEST(Messages, TheEnvironmentChoosesTheLanguageAsGettextDoes) {
  struct Case {
    const char *name;
    const char *language, *all, *messages, *lang;
    const char *expected;
  };
  const Case cases[] = {
      {"nothing set", "", "", "", "", ""},
      {"LANG", "", "", "", "de_DE.UTF-8", "de"},
      {"LANG with a modifier", "", "", "", "fr_FR@euro", "fr"},
      {"LC_MESSAGES over LANG", "", "", "es_ES.UTF-8", "de_DE.UTF-8", "es"},
      {"LC_ALL over both", "", "fr_FR.UTF-8", "es_ES.UTF-8", "de_DE.UTF-8", "fr"},
      {"LANGUAGE over the locale", "es:de", "", "", "de_DE.UTF-8", "es"},
      {"LANGUAGE's first with a catalogue", "ja:pt:fr", "", "", "de_DE.UTF-8", "fr"},
      {"LANGUAGE with English first", "en_GB:de", "", "", "de_DE.UTF-8", ""},
      {"LANGUAGE ignored under C", "de", "", "", "C.UTF-8", ""},
      {"LANGUAGE ignored under POSIX", "de", "POSIX", "", "", ""},
      {"a language without catalogue", "", "", "", "ja_JP.UTF-8", ""},
      {"English", "", "", "", "en_US.UTF-8", ""},
  };
  for (const Case &c : cases)
    EXPECT_EQ(cli::messageLanguage(c.language, c.all, c.messages, c.lang), c.expected) << c.name;
}

TEST(Messages, EachLanguageHasTheConvertersMessages) {
  const std::string_view messages[] = {"cannot read %1: %2", "standard input",
                                       "Formats:", "unknown format '%1'; the formats are %2",
                                       "show this help and exit"};
  for (const char *language : {"de", "fr", "es"}) {
    for (std::string_view english : messages) {
      const std::string_view text = cli::translated(english, language);
      EXPECT_NE(text, english) << language << ": " << english;
      EXPECT_EQ(text.find("%1") != std::string_view::npos,
                english.find("%1") != std::string_view::npos)
          << language << ": " << text;
    }
  }
  EXPECT_EQ(cli::translated("cannot read %1: %2", ""), "cannot read %1: %2");
  EXPECT_EQ(cli::translated("a text no catalogue holds", "de"), "a text no catalogue holds");
  // A non-breaking space of the French catalogue arrives as UTF-8.
  EXPECT_EQ(cli::translated("Formats:", "fr"), "Formats\u00a0:");
}

TEST(Messages, ArgumentsAreFilledInOnePass) {
  struct Case {
    const char *name;
    const char *text;
    std::initializer_list<std::string_view> args;
    const char *expected;
  };
  const Case cases[] = {
      {"in order", "cannot read %1: %2", {"'a'", "gone"}, "cannot read 'a': gone"},
      {"in the language's order", "%2 (%1)", {"one", "two"}, "two (one)"},
      {"an argument holding a placeholder", "%1 and %2", {"%2", "x"}, "%2 and x"},
      {"no such argument", "%1 %3", {"a"}, "a %3"},
      {"a lone percent", "100% %1", {"sure"}, "100% sure"},
  };
  for (const Case &c : cases) EXPECT_EQ(cli::withArgs(c.text, c.args), c.expected) << c.name;
}

}  // namespace
