// Moves pending requests onto the tag stack, opens them, and removes closed entries; gives
// the two block elements (list item and alignment) their places: a list item outside what
// is committed with it, an alignment element never opened in the middle of a paragraph.
#include <algorithm>

#include "Engine.h"

namespace quillmark {

using html::Element;
namespace {

// Opens the committed entries from `first` to the innermost, outermost first.
void openFrom(ConversionState& s, std::size_t first, std::string& tags) {
  for (std::size_t i = first; i < s.tagStack.size(); ++i) {
    TagEntry& e = s.tagStack[i];
    if (e.kind != Kind::P && e.kind != Kind::PG) continue;
    e.kind = e.kind == Kind::P ? Kind::A : Kind::G;
    tags += e.openTag;
    e.opened = !e.openTag.empty();
  }
}

}  // namespace

void commitPending(ConversionState& s) {
  auto& pending = s.pending;
  if (pending.empty()) return;
  // A list item moves to the front, outside the other requests, which keep their order.
  if (isPending(s, Element::ListItem)) {
    for (std::size_t i = pending.size() - 1; i > 0; --i) {
      if (pending[i].closeTag != Element::ListItem) continue;
      pending[i] = pending[i - 1];
      pending[i - 1] = PendingRequest{Element::ListItem, fixedOpeningTag(Element::ListItem)};
    }
  }
  // The newest request becomes the innermost entry.
  for (PendingRequest& r : pending) {
    const Kind kind = isBlock(r.closeTag) ? Kind::PG : Kind::P;
    s.tagStack.push_back(TagEntry{r.closeTag, kind, r.openTag});
  }
  pending.clear();
}

void openAllPending(ConversionState& s, std::string& opening) { openFrom(s, 0, opening); }

void openPendingAbove(ConversionState& s, Element stopCloseTag, std::string& opening) {
  // Only the entries inside the innermost `stopCloseTag` entry; all, when there is none.
  std::size_t first = s.tagStack.size();
  while (first > 0 && s.tagStack[first - 1].tag != stopCloseTag) --first;
  openFrom(s, first, opening);
}

void compactStacks(ConversionState& s) {
  std::erase_if(s.tagStack, [](const TagEntry& e) { return e.kind == Kind::K; });
}

void cancelPending(ConversionState& s, Element closeTag) {
  const auto it =
      std::find_if(s.pending.begin(), s.pending.end(),
                   [closeTag](const PendingRequest& r) { return r.closeTag == closeTag; });
  if (it != s.pending.end()) s.pending.erase(it);
}

}  // namespace quillmark
