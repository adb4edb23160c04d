// Tells a document from another program apart from the edit control's. The engine reads
// only the control words that dialect uses; word processors also write control symbols and
// words that carry or glue text ("\~", "\-", "\rtlch" ...), and text next to those is lost.
#include <algorithm>
#include <array>
#include <type_traits>

#include "Engine.h"
#include "quillmark/convert.h"

namespace quillmark {

using namespace std::string_view_literals;
namespace {

constexpr std::size_t kMaxShownName = 80;

// The rule looks only at ASCII, so it reads a document's bytes and 16-bit text alike.
template <typename Char>
using Text = std::basic_string_view<Char>;

template <typename Char>
bool isLetter(Char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

template <typename Char>
bool startsWithIgnoringCase(Text<Char> text, std::string_view prefix) {
  return text.size() >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), text.begin(), [](char p, Char c) {
           return Char(p) == (c >= 'A' && c <= 'Z' ? static_cast<Char>(c + 32) : c);
         });
}

template <typename Char>
bool equalsAscii(Text<Char> text, std::string_view word) {
  return text.size() == word.size() && std::equal(word.begin(), word.end(), text.begin(),
                                                  [](char w, Char c) { return Char(w) == c; });
}

// The edit control's generators; our own writer names none.
constexpr std::array<std::string_view, 2> kOwnGenerators = {"riched"sv, "msftedit"sv};

// Whether a generator's name has a word that begins with one of the edit control's names:
// "Riched20 10.0.19041", "Msftedit 5.41.21.2510", and the edit control of other systems
// that writes its dialect, such as "Wine Riched20 2.0".
template <typename Char>
bool namesOwnGenerator(Text<Char> name) {
  while (!name.empty()) {
    const std::size_t end = std::min(name.find(Char(' ')), name.size());
    const Text<Char> word = name.substr(0, end);
    if (std::any_of(kOwnGenerators.begin(), kOwnGenerators.end(),
                    [word](std::string_view own) { return startsWithIgnoringCase(word, own); })) {
      return true;
    }
    name.remove_prefix(std::min(end + 1, name.size()));
  }
  return false;
}

// Control symbols and words that only word processors write, each of which makes the engine
// lose or glue text: a non-breaking space, an optional hyphen, a non-breaking hyphen, the
// direction and character-set run words, and LibreOffice's page style table.
constexpr std::array<std::string_view, 7> kForeignWords = {
    "rtlch"sv, "ltrch"sv, "hich"sv, "loch"sv, "dbch"sv, "pgdsctbl"sv, "upr"sv};

std::string notice(std::string_view what) {
  return std::string(what) +
         ", whose RTF this converter reads only in part: some text may be lost; "
         "without --engine it is converted in full";
}

std::string toUtf8(std::u16string_view text) { return encodeUtf8(text); }
std::string toUtf8(std::string_view windows1252) {
  return encodeUtf8(decodeWindows1252(windows1252));
}

template <typename Char>
std::string foreignNotice(Text<Char> rtf) {
  constexpr Char kGenerator[] = {'{', '\\', '*', '\\', 'g', 'e', 'n', 'e', 'r', 'a', 't', 'o', 'r'};
  const Text<Char> generator(kGenerator, std::size(kGenerator));
  // A generator group decides when there is one.
  if (const std::size_t at = rtf.find(generator); at != Text<Char>::npos) {
    Text<Char> name = rtf.substr(at + generator.size());
    const Char ends[] = {';', '}'};
    name = name.substr(0, std::min(name.find_first_of(Text<Char>(ends, 2)), name.size()));
    const auto isSpace = [](Char c) { return c == ' ' || c == '\r' || c == '\n'; };
    while (!name.empty() && isSpace(name.front())) name.remove_prefix(1);
    while (!name.empty() && isSpace(name.back())) name.remove_suffix(1);
    if (namesOwnGenerator(name)) return {};
    std::basic_string<Char> shown(name.substr(0, kMaxShownName));
    std::replace_if(
        shown.begin(), shown.end(),
        [](Char c) { return static_cast<std::make_unsigned_t<Char>>(c) < ' '; }, Char('?'));
    if (shown.empty()) return notice("the document was written by another program");
    return notice("the document was written by " + toUtf8(Text<Char>(shown)));
  }
  // Otherwise the first control symbol or word that only word processors write.
  for (std::size_t at = rtf.find(Char('\\')); at != Text<Char>::npos && at + 1 < rtf.size();
       at = rtf.find(Char('\\'), at + 2)) {
    const Char next = rtf[at + 1];
    if (next == '~' || next == '-' || next == '_') {
      return notice(std::string("the document uses \\") + static_cast<char>(next) +
                    ", written by word processors");
    }
    if (!isLetter(next)) continue;
    std::size_t end = at + 1;
    while (end < rtf.size() && isLetter(rtf[end])) ++end;
    const Text<Char> word = rtf.substr(at + 1, end - at - 1);
    for (const std::string_view foreign : kForeignWords) {
      if (equalsAscii(word, foreign)) {
        return notice("the document uses \\" + std::string(foreign) +
                      ", written by word processors");
      }
    }
    at = end - 2;  // the search goes on after the word
  }
  return {};
}

}  // namespace

std::string foreignRtfNotice(std::u16string_view rtf) { return foreignNotice(rtf); }
std::string foreignRtfNotice(std::string_view windows1252) { return foreignNotice(windows1252); }

}  // namespace quillmark
