#include "Messages.h"

#include <cstdlib>

namespace quillmark::cli {

namespace {

struct Translation {
  std::string_view language;
  std::string_view source;
  std::string_view text;
};

// {language, English, translation}, generated from translations/quillmark_LANG.ts.
constexpr Translation kCatalogue[] = {
#include "cli_catalogue.inc"
    {},  // so that the table is never empty
};

bool hasCatalogue(std::string_view language) {
  for (const Translation &entry : kCatalogue)
    if (entry.language == language) return true;
  return false;
}

// "de_DE.UTF-8@euro" -> "de".
std::string_view languageCode(std::string_view name) {
  return name.substr(0, name.find_first_of("_.@"));
}

std::string_view environment(const char *name) {
  const char *value = std::getenv(name);
  return value ? value : "";
}

}  // namespace

std::string messageLanguage(std::string_view language, std::string_view all,
                            std::string_view messages, std::string_view lang) {
  std::string_view locale = !all.empty() ? all : !messages.empty() ? messages : lang;
  if (locale.empty() || locale == "C" || locale == "POSIX" || locale.starts_with("C."))
    return {};  // LANGUAGE does not count where messages are C, as gettext has it
  if (language.empty()) language = locale;
  while (!language.empty()) {
    const std::size_t colon = language.find(':');
    const std::string_view code = languageCode(language.substr(0, colon));
    if (code == "en") return {};  // the program's own language
    if (hasCatalogue(code)) return std::string(code);
    if (colon == std::string_view::npos) break;
    language.remove_prefix(colon + 1);
  }
  return {};
}

const std::string &messageLanguage() {
  static const std::string language =
      messageLanguage(environment("LANGUAGE"), environment("LC_ALL"), environment("LC_MESSAGES"),
                      environment("LANG"));
  return language;
}

std::string_view translated(std::string_view english, std::string_view language) {
  if (language.empty()) return english;
  for (const Translation &entry : kCatalogue)
    if (entry.language == language && entry.source == english) return entry.text;
  return english;
}

std::string_view translated(std::string_view english) {
  return translated(english, messageLanguage());
}

std::string withArgs(std::string_view text, std::initializer_list<std::string_view> args) {
  std::string result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
      const std::size_t index = std::size_t(text[i + 1] - '1');
      if (index < args.size()) {
        result += *(args.begin() + index);
        ++i;
        continue;
      }
    }
    result += text[i];
  }
  return result;
}

}  // namespace quillmark::cli
