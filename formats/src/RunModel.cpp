// Reads the "Copy to Web" fragment into lines and runs, in one pass. Tags of the engine's
// vocabulary change counters and stacks; text between them becomes runs with the formats in
// force. Must not write any output format.
#include "RunModel.h"

#include <algorithm>
#include <array>
#include <utility>

#include "FragmentTags.h"
#include "quillmark/html.h"

namespace quillmark::formats {

using namespace std::string_view_literals;
namespace {

// The character elements without attributes, bold to subscript, are the first rows of the
// vocabulary, in the order of the CharFlag bits.
constexpr std::size_t kSpanCount = 6;
static_assert(kSpanCount == 1 + static_cast<std::size_t>(html::Element::Sub));
static_assert(kSub == 1 << static_cast<int>(html::Element::Sub));

bool isBlank(char16_t c) { return c == u' ' || c == u'\t'; }

// The characters that end a stretch of plain text in the fragment.
bool isSpecial(char16_t c) { return c == u'<' || c == u'&' || c == u'\r' || c == u'\n'; }

// Reads one fragment; one instance per call.
class Reader {
 public:
  explicit Reader(std::u16string_view html) : html_(html) { doc_.text.reserve(html.size()); }

  Document read() {
    std::size_t p = 0;
    while (p < html_.size()) {
      const char16_t c = html_[p];
      if (c == u'<') {
        if (const std::size_t n = readTag(p)) {
          p += n;
          continue;
        }
        appendText(u"<"sv);
        ++p;
      } else if (c == u'&') {
        scratch_.clear();
        if (const std::size_t n = readReference(html_, p, scratch_, ReferenceIn::Text)) {
          appendText(scratch_);
          p += n;
        } else {
          appendText(u"&"sv);
          ++p;
        }
      } else if (c == u'\r' || c == u'\n') {
        const std::size_t n = (c == u'\r' && p + 1 < html_.size() && html_[p + 1] == u'\n') ? 2 : 1;
        if (pre_ > 0) {
          lineBreak();
        } else {
          appendText(u" "sv);  // a line end in HTML text is a blank
        }
        p += n;
      } else {
        std::size_t stop = p + 1;
        while (stop < html_.size() && !isSpecial(html_[stop])) ++stop;
        appendText(html_.substr(p, stop - p));
        p = stop;
      }
    }
    return std::move(doc_);
  }

 private:
  // Length of the vocabulary tag at p, 0 when there is none; acts on it.
  std::size_t readTag(std::size_t p) {
    const std::u16string_view rest = html_.substr(p);
    for (std::size_t e = 0; e < kSpanCount; ++e) {
      const html::ElementTags& tags = html::kElements[e];
      if (html::startsWith(rest, tags.open)) {
        ++spans_[e];
        return tags.open.size();
      }
      if (html::startsWith(rest, tags.close)) {
        if (spans_[e] > 0) --spans_[e];
        return tags.close.size();
      }
    }
    for (const FixedTag& tag : kFixedTags) {
      if (!html::startsWith(rest, tag.text)) continue;
      (this->*tag.act)();
      return tag.text.size() + (tag.lineEndAfter ? lineEndAfter(p + tag.text.size()) : 0);
    }
    if (const std::optional<FontTag> font = readFontTag(rest)) return openFont(*font);
    if (const std::optional<LinkTag> link = readLinkTag(rest)) return openLink(*link);
    return 0;
  }

  // The other tags of fixed text, and what each does.
  struct FixedTag {
    std::string_view text;
    void (Reader::*act)();
    bool lineEndAfter;  // "+CR" writes a CR-LF after it
  };
  static const std::array<FixedTag, 10> kFixedTags;

  void openListItem() {
    blockBoundary(false);
    ++list_;
  }
  void closeListItem() {
    blockBoundary(false);
    if (list_ > 0) --list_;
  }
  void openFixed() {
    blockBoundary(true);
    ++pre_;
  }
  void closeFixed() {
    blockBoundary(true);
    if (pre_ > 0) --pre_;
  }
  void openCentre() { openAlign(Align::Center); }
  void openRight() { openAlign(Align::Right); }
  void openAlign(Align align) {
    blockBoundary(false);
    aligns_.push_back(align);
  }
  void closeAlign() {
    blockBoundary(true);
    if (!aligns_.empty()) aligns_.pop_back();
  }
  void closeFont() {
    if (!fontStack_.empty()) fontStack_.pop_back();
  }
  void closeLink() {
    if (!linkStack_.empty()) linkStack_.pop_back();
  }

  // A font's missing attributes are those of the font outside it.
  std::size_t openFont(const FontTag& tag) {
    FontAttrs attrs = fontStack_.empty() ? FontAttrs{} : doc_.fonts[fontStack_.back()];
    if (tag.face) attrs.face = *tag.face;
    if (tag.color) attrs.color = *tag.color;
    if (tag.size) attrs.size = *tag.size;
    fontStack_.push_back(static_cast<std::int32_t>(doc_.fonts.size()));
    doc_.fonts.push_back(attrs);
    return tag.length;
  }

  std::size_t openLink(const LinkTag& tag) {
    linkStack_.push_back(static_cast<std::int32_t>(doc_.links.size()));
    doc_.links.push_back(decodeReferences(tag.address));
    return tag.length;
  }

  // The CR-LF "+CR" writes after "<br>" and "</li>" ends nothing more.
  std::size_t lineEndAfter(std::size_t p) const {
    if (html_.substr(p).starts_with(u"\r\n")) return 2;
    if (p < html_.size() && html_[p] == u'\n') return 1;
    return 0;
  }

  void appendText(std::u16string_view s) {
    if (s.empty()) return;
    const bool blank = std::all_of(s.begin(), s.end(), isBlank);
    if (!lineOpen_) {
      // Blanks between a block's end and the break of its paragraph show nothing.
      if (blank && absorbBreak_) return;
      doc_.lines.push_back(currentLineState());
      lineOpen_ = true;
    }
    if (!blank) absorbBreak_ = false;
    Run run;
    run.start = static_cast<std::uint32_t>(doc_.text.size());
    run.length = static_cast<std::uint32_t>(s.size());
    for (std::size_t e = 0; e < kSpanCount; ++e) {
      if (spans_[e] > 0) run.flags = static_cast<std::uint8_t>(run.flags | 1 << e);
    }
    run.font = fontStack_.empty() ? kNone : fontStack_.back();
    run.link = linkStack_.empty() ? kNone : linkStack_.back();
    doc_.text.append(s);
    Line& line = doc_.lines.back();
    if (line.endRun > line.firstRun) {
      Run& last = doc_.runs.back();
      if (doc_.sameStyle(last, run)) {
        last.length += run.length;
        return;
      }
    }
    doc_.runs.push_back(run);
    line.endRun = static_cast<std::uint32_t>(doc_.runs.size());
  }

  Line currentLineState() const {
    Line line;
    line.firstRun = line.endRun = static_cast<std::uint32_t>(doc_.runs.size());
    line.align = aligns_.empty() ? Align::None : aligns_.back();
    line.listItem = list_ > 0;
    line.fixed = pre_ > 0;
    return line;
  }

  void lineBreak() {
    if (lineOpen_) {
      lineOpen_ = false;
    } else if (absorbBreak_) {
      absorbBreak_ = false;  // the break that ends the paragraph of a block already ended
    } else {
      doc_.lines.push_back(currentLineState());
    }
    absorbBreak_ = false;
  }

  // A block starts or ends: it ends the line. The end of an alignment block and either marker
  // of the fixed block stand at the end of a paragraph whose break follows; that break then
  // makes no empty line.
  void blockBoundary(bool absorbsBreak) {
    lineOpen_ = false;
    if (absorbsBreak) absorbBreak_ = true;
  }

  std::u16string_view html_;
  Document doc_;
  std::u16string scratch_;               // what a reference stands for
  std::array<int, kSpanCount> spans_{};  // how many of each character element are open
  int list_ = 0;                         // list items open
  int pre_ = 0;                          // fixed-columns blocks open
  std::vector<Align> aligns_;            // alignments open, innermost last
  std::vector<std::int32_t> fontStack_;  // fonts open, innermost last: into Document::fonts
  std::vector<std::int32_t> linkStack_;  // links open, innermost last: into Document::links
  bool lineOpen_ = false;
  bool absorbBreak_ = false;
};

const std::array<Reader::FixedTag, 10> Reader::kFixedTags = {{
    {html::kBreak, &Reader::lineBreak, true},
    {html::fixedOpeningTag(html::Element::ListItem), &Reader::openListItem, false},
    {html::closingTag(html::Element::ListItem), &Reader::closeListItem, true},
    {html::kPreOpen, &Reader::openFixed, false},
    {html::kPreClose, &Reader::closeFixed, false},
    {html::kCentreTag, &Reader::openCentre, false},
    {html::kRightTag, &Reader::openRight, false},
    {html::closingTag(html::Element::Align), &Reader::closeAlign, false},
    {html::closingTag(html::Element::Font), &Reader::closeFont, false},
    {html::closingTag(html::Element::Link), &Reader::closeLink, false},
}};

}  // namespace

bool Document::sameStyle(const Run& a, const Run& b) const {
  if (a.flags != b.flags || a.link != b.link) return false;
  if (a.font == b.font) return true;
  if (a.font == kNone || b.font == kNone) return false;
  const FontAttrs& fa = fonts[a.font];
  const FontAttrs& fb = fonts[b.font];
  return fa.face == fb.face && fa.color == fb.color && fa.size == fb.size;
}

Document readFragment(std::u16string_view html) { return Reader(html).read(); }

}  // namespace quillmark::formats
