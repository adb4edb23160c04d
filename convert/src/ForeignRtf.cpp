// Tells a document from another program apart from the edit control's. The engine reads
// only the control words that dialect uses; word processors also write control symbols and
// words that carry or glue text ("\~", "\-", "\rtlch" ...), and text next to those is lost.
#include <algorithm>
#include <array>

#include "Engine.h"
#include "quillmark/convert.h"

namespace quillmark {

using namespace std::string_view_literals;
namespace {

constexpr std::size_t kMaxShownName = 80;

bool isLetter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }

bool startsWithIgnoringCase(std::u16string_view text, std::u16string_view prefix) {
  return text.size() >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), text.begin(), [](char16_t p, char16_t c) {
           return p == (c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c);
         });
}

// The edit control's generators; our own writer names none.
constexpr std::array<std::u16string_view, 2> kOwnGenerators = {u"riched"sv, u"msftedit"sv};

// Control symbols and words that only word processors write, each of which makes the engine
// lose or glue text: a non-breaking space, an optional hyphen, a non-breaking hyphen, the
// direction and character-set run words, and LibreOffice's page style table.
constexpr std::array<std::u16string_view, 7> kForeignWords = {
    u"rtlch"sv, u"ltrch"sv, u"hich"sv, u"loch"sv, u"dbch"sv, u"pgdsctbl"sv, u"upr"sv};

std::string notice(std::string_view what) {
  return std::string(what) +
         ", whose RTF this converter reads only in part: some text may be lost; "
         "--via-editor converts it in full";
}

}  // namespace

std::string foreignRtfNotice(std::u16string_view rtf) {
  // A generator group decides when there is one.
  if (const std::size_t at = findText(rtf, u"{\\*\\generator"sv); at != std::u16string_view::npos) {
    std::u16string_view name = rtf.substr(at + 13);
    name = name.substr(0, std::min(name.find_first_of(u";}"), name.size()));
    while (!name.empty() &&
           (name.front() == u' ' || name.front() == u'\r' || name.front() == u'\n'))
      name.remove_prefix(1);
    while (!name.empty() && (name.back() == u' ' || name.back() == u'\r' || name.back() == u'\n'))
      name.remove_suffix(1);
    if (std::any_of(kOwnGenerators.begin(), kOwnGenerators.end(), [name](std::u16string_view own) {
          return startsWithIgnoringCase(name, own);
        })) {
      return {};
    }
    std::u16string shown(name.substr(0, kMaxShownName));
    std::replace_if(
        shown.begin(), shown.end(), [](char16_t c) { return c < u' '; }, u'?');
    if (shown.empty()) shown = u"another program";
    return notice("the document was written by " + encodeUtf8(shown));
  }
  // Otherwise the first control symbol or word that only word processors write.
  for (std::size_t at = rtf.find(u'\\'); at != std::u16string_view::npos && at + 1 < rtf.size();
       at = rtf.find(u'\\', at + 2)) {
    const char16_t next = rtf[at + 1];
    if (next == u'~' || next == u'-' || next == u'_') {
      return notice(std::string("the document uses \\") + static_cast<char>(next) +
                    ", written by word processors");
    }
    if (!isLetter(next)) continue;
    std::size_t end = at + 1;
    while (end < rtf.size() && isLetter(rtf[end])) ++end;
    const std::u16string_view word = rtf.substr(at + 1, end - at - 1);
    if (std::find(kForeignWords.begin(), kForeignWords.end(), word) != kForeignWords.end()) {
      return notice("the document uses \\" + encodeUtf8(word) + ", written by word processors");
    }
    at = end - 2;  // the search goes on after the word
  }
  return {};
}

}  // namespace quillmark
