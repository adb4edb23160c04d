// The queries every other file makes of the pending requests and the tag stack, and the font
// tags kept for them. Nothing here writes HTML. (The element table is in Engine.h.)
#include <algorithm>
#include <array>

#include "Engine.h"

namespace quillmark {

using html::Element;

const char* name(Kind kind) {
  constexpr std::array<const char*, 5> kNames = {"P", "PG", "A", "G", "K"};
  return kNames[static_cast<std::size_t>(kind)];
}

std::optional<std::string_view> FontTags::recent(std::string_view color, std::string_view size,
                                                 std::string_view face) const {
  for (std::size_t i = 0; i < recentUsed_; ++i) {
    const Recent& r = recent_[i];
    if (sameText(r.color, color) && sameText(r.size, size) && sameText(r.face, face)) return r.tag;
  }
  return std::nullopt;
}

std::string_view FontTags::keep(std::string_view tag) {
  const auto found = tags_.find(tag);
  return found != tags_.end() ? *found : *tags_.emplace(tag).first;
}

void FontTags::remember(std::string_view color, std::string_view size, std::string_view face,
                        std::string_view tag) {
  Recent& r = recent_[recentNext_];
  r.color = color;
  r.size = size;
  r.face = face;
  r.tag = tag;
  recentNext_ = (recentNext_ + 1) % recent_.size();
  recentUsed_ = std::max(recentUsed_, recentNext_ == 0 ? recent_.size() : recentNext_);
}

void FontTags::clear() {
  tags_.clear();
  recentUsed_ = 0;
  recentNext_ = 0;
}

bool isPending(const ConversionState& s, Element closeTag) {
  return std::any_of(s.pending.begin(), s.pending.end(),
                     [closeTag](const PendingRequest& r) { return r.closeTag == closeTag; });
}

bool isOnStack(const ConversionState& s, Element closeTag, bool openOnly) {
  return std::any_of(s.tagStack.begin(), s.tagStack.end(), [&](const TagEntry& e) {
    return e.tag == closeTag && (!openOnly || e.kind == Kind::A || e.kind == Kind::G);
  });
}

void insertPendingFront(ConversionState& s, Element closeTag, std::string_view openTag) {
  if (s.pending.size() + s.tagStack.size() >= kMaxElements) return;
  s.pending.insert(s.pending.begin(), PendingRequest{closeTag, openTag});
}

void reopenInner(ConversionState& s, std::optional<Element> closeTag) {
  if (closeTag && isPending(s, *closeTag)) return;
  // From the innermost entry outward, each request in front of the ones before it, so the
  // outer elements end up outside the inner ones, as they were. The requests are counted
  // first and put in front all at once: one at a time would shift the queue for each.
  const std::size_t used = s.pending.size() + s.tagStack.size();
  const std::size_t room = used < kMaxElements ? kMaxElements - used : 0;
  const auto inner = [&](auto visit) {
    std::size_t count = 0;
    for (auto it = s.tagStack.rbegin(); it != s.tagStack.rend() && count < room; ++it) {
      if (closeTag && it->tag == *closeTag) break;
      if (it->kind != Kind::K) visit(count++, *it);
    }
    return count;
  };
  const std::size_t count = inner([](std::size_t, const TagEntry&) {});
  s.pending.insert(s.pending.begin(), count, PendingRequest{});
  inner([&](std::size_t i, const TagEntry& e) {
    s.pending[count - 1 - i] = PendingRequest{e.tag, e.openTag};
  });
}

}  // namespace quillmark
