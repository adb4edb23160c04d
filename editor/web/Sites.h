#pragma once
// The web sites the Web menu and the site buttons open: one row per command, the only place
// their addresses live. Addresses are bare host names (and a path), without a scheme, as the
// browser is given them. The site names are names and stay as they are; the other texts are
// translated where the window reads them, as the tools' are.
#include <array>
#include <string_view>

#include "i18n/Translation.h"

namespace quillmark::web {

struct Site {
  std::u16string_view key;  // the tool's name, lower case, as the dispatcher compares it
  std::u16string_view
      caption;  // text on the toolbar button or menu item, '&' before its access key
  std::u16string_view tooltip;
  std::u16string_view address;
  bool forum = true;  // false for a page of ours, where no post goes: no forum profile
};

inline constexpr std::array kSites{
    Site{u"ap", u"&AP", u"ap-forum.example.org", u"ap-forum.example.org"},
    Site{u"zu21", u"&ZU21", u"zu21.example.org", u"zu21.example.org"},
    Site{u"ccsite", u"&CC", u"cc-forum.example.org", u"cc-forum.example.org"},
    Site{u"norvanesite", u"&Norvane", u"norvane.example.org", u"norvane.example.org"},
    Site{u"warningsite", u"&ScamWatch",
         i18n::ui<QT_TRANSLATE_NOOP("Tool", "ScamWatch: warnings about scams aimed at players")>,
         u"scamwatch.example.org"},
    Site{u"updates", i18n::ui<QT_TRANSLATE_NOOP("Tool", "&Updates")>,
         i18n::ui<QT_TRANSLATE_NOOP("Tool", "Updates to Quillmark")>,
         u"norvane.example.org/formatting-posts.htm", false},
};

// The site of a command key, or nullptr.
constexpr const Site *findSite(std::u16string_view key) {
  for (const Site &site : kSites)
    if (site.key == key) return &site;
  return nullptr;
}

}  // namespace quillmark::web
