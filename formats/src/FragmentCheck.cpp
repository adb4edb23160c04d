// checkFragment: the fragment against the text of the document it was made from. Its
// elements must nest (each kind in its own order, see ElementNesting), and its words must be
// the document's words, in order.
#include <array>
#include <string>
#include <vector>

#include "Emit.h"
#include "FragmentTags.h"
#include "PostWalk.h"
#include "RunModel.h"
#include "quillmark/convert.h"
#include "quillmark/formats.h"
#include "quillmark/html.h"

namespace quillmark {
namespace formats {
namespace {

// The fragment's own markup: every element of the engine's vocabulary opened is closed, in
// order. The engine opens an alignment around character elements already open and closes
// it after them (browsers take that), so block elements (alignment, list item, fixed block)
// and span elements are each checked in their own order. A '<' that starts no tag of the
// vocabulary is the writer's text, which the comparison of the words checks; the font and
// link tags are read as the run model reads them (FragmentTags.h), so that both agree on
// what is markup.
class ElementNesting {
 public:
  explicit ElementNesting(std::u16string_view html) : html_(html) {}

  std::optional<std::string> run() {
    for (std::size_t at = html_.find(u'<'); at != std::u16string_view::npos;
         at = html_.find(u'<', at + 1)) {
      const std::u16string_view rest = html_.substr(at);
      if (const Element* closed = closer(rest)) {
        std::vector<const Element*>& open = closed->block ? openBlocks_ : openSpans_;
        if (open.empty()) return std::string(closed->close) + " closes nothing";
        if (open.back() != closed)
          return std::string(closed->close) + " closes " + name(*open.back());
        open.pop_back();
        continue;
      }
      if (const Element* opened = opener(rest)) {
        (opened->block ? openBlocks_ : openSpans_).push_back(opened);
      }
    }
    for (const auto* open : {&openBlocks_, &openSpans_}) {
      if (!open->empty()) return "element left open: " + name(*open->back());
    }
    return std::nullopt;
  }

 private:
  // An element of the fragment: the engine's, and the fixed-columns block of the rewrites.
  struct Element {
    std::string_view open;  // the opening tag, or the start of one with attributes
    std::string_view close;
    bool block;
  };

  static std::string name(const Element& element) {
    return std::string(element.open) + (element.open.ends_with('>') ? "" : ">");
  }

  static const std::vector<Element>& elements() {
    static const std::vector<Element> all = [] {
      std::vector<Element> made;
      for (const html::ElementTags& tags : html::kElements) {
        made.push_back({tags.open, tags.close, tags.kind == html::ElementKind::Block});
      }
      made.push_back({html::kPreOpen, html::kPreClose, true});
      return made;
    }();
    return all;
  }

  static const Element* closer(std::u16string_view rest) {
    if (!rest.starts_with(u"</")) return nullptr;
    for (const Element& element : elements()) {
      if (html::startsWith(rest, element.close)) return &element;
    }
    return nullptr;
  }

  static const Element* opener(std::u16string_view rest) {
    const auto& all = elements();
    const auto at = [&](html::Element e) { return &all[static_cast<std::size_t>(e)]; };
    if (readFontTag(rest)) return at(html::Element::Font);
    if (readLinkTag(rest)) return at(html::Element::Link);
    if (html::startsWith(rest, html::kCentreTag) || html::startsWith(rest, html::kRightTag)) {
      return at(html::Element::Align);
    }
    for (const Element& element : all) {
      if (element.open.ends_with('>') && html::startsWith(rest, element.open)) return &element;
    }
    return nullptr;
  }

  std::u16string_view html_;
  std::vector<const Element*> openBlocks_;  // innermost last
  std::vector<const Element*> openSpans_;   // innermost last
};

// A word ends at a blank, a line end, or a character that shows as none: the document's
// object replacement for a picture, which no post carries. The fixed-columns markers are not
// words: the fragment has a block where the document has them.
bool isGap(char16_t c) {
  return isSpaceLike(c) || c == 0x2028 || c == 0x2029 || c == 0xFFFC || c == u'\v' || c == u'\f';
}

std::u16string withoutMarkers(std::u16string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    const std::u16string_view rest = text.substr(at);
    if (rest.starts_with(kFixedBegin) || rest.starts_with(kFixedEnd)) {
      out.push_back(u' ');
      at += rest.starts_with(kFixedBegin) ? kFixedBegin.size() : kFixedEnd.size();
      continue;
    }
    out.push_back(text[at++]);
  }
  return out;
}

class Words {
 public:
  static constexpr std::size_t kAround = 3;  // the words a message quotes on each side

  explicit Words(std::u16string_view text) : text_(text) {}
  // The next word, empty at the end.
  std::u16string_view next() {
    while (at_ < text_.size() && isGap(text_[at_])) ++at_;
    const std::size_t start = at_;
    while (at_ < text_.size() && !isGap(text_[at_])) ++at_;
    if (at_ > start) starts_[count_++ % starts_.size()] = start;
    return text_.substr(start, at_ - start);
  }

  // The word next() gave last with up to kAround words on each side, its gaps as they are,
  // quoted as visible() shows it; "..." where the text goes on.
  std::string around() const {
    if (count_ == 0) return "\"\"";
    const std::size_t first =
        starts_[count_ > kAround ? (count_ - kAround - 1) % starts_.size() : 0];
    Words after = *this;
    std::size_t end = at_;
    for (std::size_t i = 0; i < kAround; ++i) {
      if (after.next().empty()) break;
      end = after.at_;
    }
    constexpr std::size_t kLongest = 160;  // units of the text quoted at most
    const bool cut = end - first > kLongest;
    std::string quote = "\"";
    if (count_ > kAround + 1) quote += "...";
    quote += visible(text_.substr(first, std::min(end - first, kLongest)));
    if (cut || !after.next().empty()) quote += "...";
    return quote + "\"";
  }

 private:
  std::u16string_view text_;
  std::size_t at_ = 0;                             // where the next word is looked for
  std::array<std::size_t, kAround + 1> starts_{};  // of the last words given, by count_
  std::size_t count_ = 0;                          // words given
};

std::string quoted(std::u16string_view word) { return "\"" + visible(word.substr(0, 40)) + "\""; }

}  // namespace
}  // namespace formats

std::optional<std::string> checkFragment(std::u16string_view webHtml,
                                         std::u16string_view documentText) {
  if (auto wrong = formats::ElementNesting(webHtml).run()) return wrong;
  const std::u16string shown =
      formats::withoutMarkers(formats::plainText(formats::readFragment(webHtml)));
  const std::u16string written = formats::withoutMarkers(documentText);
  formats::Words post(shown), document(written);
  while (true) {
    const std::u16string_view a = post.next(), b = document.next();
    if (a == b) {
      if (a.empty()) return std::nullopt;
      continue;
    }
    if (a.empty()) return "text lost: " + formats::quoted(b);
    if (b.empty()) return "text added: " + formats::quoted(a);
    // The first word that differs, and where it stands in each text: the two may differ
    // only in characters that show no mark, or in the gaps around it.
    return "the post reads " + formats::quoted(a) + " where the document reads " +
           formats::quoted(b) + " (the post: " + post.around() +
           "; the document: " + document.around() + ")";
  }
}

}  // namespace quillmark
