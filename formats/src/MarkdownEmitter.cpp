// Writes the run model as CommonMark with GitHub's strike-through: a blank line between
// paragraphs, a backslash hard break between the lines of one, "- " list items and a fenced
// code block for the fixed columns. The writer's text is escaped wherever Markdown would read
// it as syntax, and emphasis delimiters hug the text they wrap (blanks stay outside), as the
// delimiter rules require.
#include <algorithm>
#include <array>
#include <span>
#include <utility>

#include "Emit.h"

namespace quillmark::formats {
namespace {

bool isAsciiAlnum(char16_t c) {
  return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

enum class Kind { Empty, Paragraph, Item, Code };

class MdEmitter {
 public:
  MdEmitter(const Document& doc, const Dialect& d, LossCounter& losses)
      : doc_(doc), d_(d), losses_(losses) {
    out_.reserve(doc.text.size() + doc.text.size() / 4);
  }

  std::u16string run() {
    const auto& lines = doc_.lines;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const Line& line = lines[i];
      losses_.newLine();
      const Kind kind = kindOf(line);
      countAlignment(line);
      if (kind == Kind::Code) {
        if (prev_ != Kind::Code) {
          endBlock();
          separate();
          fence_ = fenceFor(i);
          out_.append(fence_);
          out_.push_back(u'\n');
        }
        appendFixedLine(doc_, line, losses_, out_);
        out_.push_back(u'\n');
        prev_ = Kind::Code;
        continue;
      }
      if (prev_ == Kind::Code) closeFence();
      if (kind == Kind::Empty) {
        endBlock();
        prev_ = Kind::Empty;
        continue;
      }
      if (kind == Kind::Paragraph && prev_ == Kind::Paragraph) {
        appendAscii(out_, tagOf(d_, Element::LineBreak).open);
        pendingNewline_ = false;
      } else {
        endBlock();
        if (!(kind == Kind::Item && prev_ == Kind::Item)) separate();
      }
      if (kind == Kind::Item) appendAscii(out_, tagOf(d_, Element::ListItem).open);
      inlineLine(line);
      pendingNewline_ = true;
      prev_ = kind;
    }
    if (prev_ == Kind::Code) closeFence();
    return std::move(out_);
  }

 private:
  // A line of blanks shows as an empty line: Markdown has no paragraph of blanks.
  Kind kindOf(const Line& line) const {
    if (line.fixed) return Kind::Code;
    bool blank = true;
    for (std::uint32_t r = line.firstRun; r < line.endRun && blank; ++r) {
      const std::u16string_view text = doc_.runText(doc_.runs[r]);
      blank = std::all_of(text.begin(), text.end(), isSpaceLike);
    }
    if (blank) return line.listItem ? Kind::Item : Kind::Empty;
    return line.listItem ? Kind::Item : Kind::Paragraph;
  }

  // Markdown shows no alignment; the code block shows none, and loses none.
  void countAlignment(const Line& line) {
    const Align a = line.endRun > line.firstRun && !line.fixed ? line.align : Align::None;
    if (a != Align::None && a != lostAlign_) {
      losses_.add(a == Align::Center ? Element::Centre : Element::Right);
    }
    lostAlign_ = a;
  }

  // Ends the line of text written last.
  void endBlock() {
    if (pendingNewline_) out_.push_back(u'\n');
    pendingNewline_ = false;
  }

  // A blank line between two blocks; nothing before the first.
  void separate() {
    if (!out_.empty()) out_.push_back(u'\n');
  }

  void closeFence() {
    out_.append(fence_);
    out_.push_back(u'\n');
    prev_ = Kind::Empty;
  }

  // A backtick fence longer than any run of backticks in the block's lines.
  std::u16string fenceFor(std::size_t firstLine) const {
    std::size_t longest = 0;
    for (std::size_t i = firstLine; i < doc_.lines.size() && doc_.lines[i].fixed; ++i) {
      std::size_t runLength = 0;
      for (std::uint32_t r = doc_.lines[i].firstRun; r < doc_.lines[i].endRun; ++r) {
        for (const char16_t c : doc_.runText(doc_.runs[r])) {
          runLength = c == u'`' ? runLength + 1 : 0;
          longest = std::max(longest, runLength);
        }
      }
    }
    return std::u16string(std::max<std::size_t>(3, longest + 1), u'`');
  }

  // One line's runs. Emphasis delimiters must touch the text they wrap, and a delimiter
  // between a letter and a punctuation mark does not count as one (CommonMark's flanking
  // rules), so: blanks go outside the delimiters; a closing delimiter that would stand
  // between a punctuation mark and a letter goes before the marks at the end of the run; an
  // opening one between a letter and a punctuation mark goes after the first mark. The marks
  // moved out lose the element, and the report counts it.
  void inlineLine(const Line& line) {
    atLineStart_ = true;
    pendingBlanks_.clear();
    pendingPunct_ = {};
    for (std::uint32_t r = line.firstRun; r < line.endRun; ++r) {
      const Run& run = doc_.runs[r];
      inlineElements(doc_, run, d_, losses_, want_);
      losses_.endRun();
      const std::u16string_view text = doc_.runText(run);
      std::size_t lead = 0;
      while (lead < text.size() && isSpaceLike(text[lead])) ++lead;
      if (lead == text.size()) {  // blanks only: no delimiter moves for them
        appendBlanks(text);
        continue;
      }
      std::size_t trail = text.size();
      while (trail > lead && isSpaceLike(text[trail - 1])) --trail;
      std::u16string_view core = text.substr(lead, trail - lead);

      // Keep open what the run still wants, whatever its order; close the rest.
      std::size_t keep = 0;
      while (keep < open_.size() &&
             std::find(want_.begin(), want_.end(), open_[keep]) != want_.end()) {
        ++keep;
      }
      opens_.clear();
      const auto kept = open_.begin() + static_cast<std::ptrdiff_t>(keep);
      for (const Open& o : want_) {
        if (std::find(open_.begin(), kept, o) == kept) opens_.push_back(o);
      }
      const bool blankBefore = lead > 0 || !pendingBlanks_.empty();
      const std::size_t afterCloses = transition(keep, blankBefore ? u' ' : core[0]);
      appendBlanks(text.substr(0, lead));
      flushBlanks();
      if (!opens_.empty()) {
        if (out_.size() == afterCloses && afterCloses > 0 && !atLineStart_ && !blankBefore) {
          // Closing and opening delimiters would run together ("*a****b*"): read as neither.
          dropOpens();
        } else if (hasEmphasis(opens_) && isWord(previousChar()) && isPunctuation(core[0])) {
          appendEscaped(core.substr(0, 1));
          core.remove_prefix(1);
          for (const Open& o : opens_) {
            if (isEmphasis(o.element)) countMoved(o.element, r);
          }
        }
      }
      if (core.empty()) continue;
      for (const Open& o : opens_) openInline(o);
      std::size_t body = core.size();
      while (body > 0 && isPunctuation(core[body - 1])) --body;
      if (body == 0) body = core.size();
      appendEscaped(core.substr(0, body));
      pendingPunct_ = core.substr(body);
      pendingPunctRun_ = r;
      appendBlanks(text.substr(trail));
    }
    transition(0, u' ');
    pendingBlanks_.clear();  // blanks at the end of a line show nothing
  }

  // Closes the open elements past `keep`, with the punctuation held back from the last run
  // inside them, or outside when `next` is a letter. Returns the output size after the
  // closing delimiters.
  std::size_t transition(std::size_t keep, char16_t next) {
    const std::u16string_view punct = std::exchange(pendingPunct_, {});
    if (keep < open_.size() && !punct.empty() && isWord(next) &&
        hasEmphasis(std::span(open_).subspan(keep))) {
      for (std::size_t k = keep; k < open_.size(); ++k)
        countMoved(open_[k].element, pendingPunctRun_);
      closeInline(keep);
      appendEscaped(punct);
      return out_.size();
    }
    appendEscaped(punct);
    if (keep < open_.size()) {
      closeInline(keep);
      flushBlanks();
      return out_.size();
    }
    return std::u16string::npos;
  }

  // Punctuation moved out of an element at both ends of one run counts once.
  void countMoved(Element e, std::uint32_t run) {
    std::uint32_t& last = movedRun_[static_cast<std::size_t>(e)];
    if (last == run + 1) return;
    last = run + 1;
    losses_.add(e);
  }

  void dropOpens() {
    for (const Open& o : opens_) losses_.add(o.element);
    opens_.clear();
  }

  static bool isEmphasis(Element e) {
    return e == Element::Bold || e == Element::Italic || e == Element::Strike;
  }
  static bool hasEmphasis(std::span<const Open> opens) {
    return std::any_of(opens.begin(), opens.end(),
                       [](const Open& o) { return isEmphasis(o.element); });
  }

  char16_t previousChar() const { return atLineStart_ || out_.empty() ? u' ' : out_.back(); }

  // CommonMark's punctuation: ASCII's, and (generously) the Latin-1 and general punctuation
  // and symbol blocks.
  static bool isPunctuation(char16_t c) {
    if (c < 0x80) return isAsciiPunct(c);
    return (c >= 0xA1 && c <= 0xBF && c != 0xAA && c != 0xB5 && c != 0xBA) || c == 0xD7 ||
           c == 0xF7 || (c >= 0x2010 && c <= 0x2BFF) || (c >= 0x3000 && c <= 0x303F) ||
           (c >= 0xFE30 && c <= 0xFE6F) || (c >= 0xFF01 && c <= 0xFF0F);
  }
  static bool isWord(char16_t c) { return !isSpaceLike(c) && !isPunctuation(c); }

  void appendBlanks(std::u16string_view blanks) { pendingBlanks_.append(blanks); }

  void flushBlanks() {
    for (const char16_t c : pendingBlanks_) {
      if (c == u'\r' || c == u'\n') {
        out_.push_back(u' ');
      } else if (atLineStart_) {
        // Blanks would indent the line (four make code); a no-break space shows as one.
        out_.push_back(0xA0);
      } else {
        out_.push_back(c);
      }
    }
    pendingBlanks_.clear();
  }

  void openInline(const Open& o) {
    appendAscii(out_, tagOf(d_, o.element).open);
    open_.push_back(o);
    atLineStart_ = false;
  }

  void closeInline(std::size_t keep) {
    while (open_.size() > keep) {
      const Open& o = open_.back();
      const std::string_view close = tagOf(d_, o.element).close;
      const std::size_t hole = close.find("{}");
      if (hole == std::string_view::npos) {
        appendAscii(out_, close);
      } else {
        appendAscii(out_, close.substr(0, hole));
        appendAddress(out_, o.value, true);
        appendAscii(out_, close.substr(hole + 2));
      }
      open_.pop_back();
    }
  }

  // The writer's text, with a backslash before every character Markdown could read as
  // syntax: anywhere, the emphasis, code, link, HTML and table characters, and an "&" that
  // could begin an entity; at the start of a line also those that begin a heading, quote,
  // list or setext underline, and the "." or ")" after a number there.
  void appendEscaped(std::u16string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
      const char16_t c = text[i];
      bool escape = false;
      switch (c) {
        case u'\\':
        case u'`':
        case u'*':
        case u'_':
        case u'[':
        case u']':
        case u'<':
        case u'~':
        case u'|':
          escape = true;
          break;
        case u'&':
          escape = i + 1 < text.size() && (isAsciiAlnum(text[i + 1]) || text[i + 1] == u'#');
          break;
        case u'#':
        case u'-':
        case u'+':
        case u'=':
        case u'>':
          escape = atLineStart_;
          break;
        case u'.':
        case u')':
          escape = numberAtLineStart_;
          break;
        default:
          break;
      }
      if (escape) out_.push_back(u'\\');
      out_.push_back(c == u'\r' || c == u'\n' ? u' ' : c);
      const bool digit = c >= u'0' && c <= u'9';
      numberAtLineStart_ = digit && (atLineStart_ || numberAtLineStart_);
      atLineStart_ = false;
    }
  }

  const Document& doc_;
  const Dialect& d_;
  LossCounter& losses_;
  std::u16string out_;
  std::u16string fence_;
  std::u16string pendingBlanks_;
  std::u16string_view pendingPunct_;  // the punctuation ending the last run, not yet written
  std::uint32_t pendingPunctRun_ = 0;
  std::array<std::uint32_t, kElementCount> movedRun_{};  // 1 + the run last counted, per element
  std::vector<Open> open_, want_, opens_;
  Kind prev_ = Kind::Empty;
  Align lostAlign_ = Align::None;
  bool pendingNewline_ = false;
  bool atLineStart_ = false;
  bool numberAtLineStart_ = false;
};

}  // namespace

std::u16string emitMarkdown(const Document& doc, const Dialect& d, LossCounter& losses) {
  return MdEmitter(doc, d, losses).run();
}

}  // namespace quillmark::formats
