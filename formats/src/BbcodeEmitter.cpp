// Writes the run model as BBCode in one dialect. Block elements (alignment, the list, the
// code block) open around whole lines and inline elements inside one line, each closed
// before anything outside it, so the output nests by construction. Text goes out as typed:
// BBCode has no escape.
#include <algorithm>

#include "Emit.h"

namespace quillmark::formats {
namespace {

class BbEmitter {
 public:
  BbEmitter(const Document& doc, const Dialect& d, LossCounter& losses)
      : doc_(doc), d_(d), losses_(losses) {
    out_.reserve(doc.text.size() + doc.text.size() / 4);
  }

  std::u16string run() {
    for (std::size_t i = 0; i < doc_.lines.size(); ++i) line(doc_.lines[i], i == 0);
    closeBlocks(Align::None, false, false);
    return std::move(out_);
  }

 private:
  void line(const Line& line, bool first) {
    losses_.newLine();
    Align align = line.fixed ? Align::None : line.align;
    const bool list = line.listItem && !line.fixed;
    if (align != Align::None && !shows(d_, alignElement(align))) align = Align::None;
    // An alignment the post cannot show counts once per paragraph of lines that carry it;
    // the code block shows none, and loses none.
    const Align dropped = align == line.align || line.fixed ? Align::None : line.align;
    if (dropped != Align::None && dropped != lostAlign_) losses_.add(alignElement(dropped));
    lostAlign_ = dropped;
    closeBlocks(align, list, line.fixed);
    if (!first) appendAscii(out_, tagOf(d_, Element::LineBreak).open);
    openBlocks(align, list, line.fixed);

    if (line.fixed) return appendFixedLine(doc_, line, losses_, out_);
    if (list) {
      appendAscii(out_, tagOf(d_, Element::ListItem).open);
    }
    for (std::uint32_t r = line.firstRun; r < line.endRun; ++r) {
      const Run& run = doc_.runs[r];
      inlineElements(doc_, run, d_, losses_, want_);
      losses_.endRun();
      std::size_t keep = 0;
      while (keep < open_.size() && keep < want_.size() && open_[keep] == want_[keep]) ++keep;
      closeInline(keep);
      for (std::size_t k = keep; k < want_.size(); ++k) openInline(want_[k]);
      out_.append(doc_.runText(run));
    }
    closeInline(0);
    if (list) appendAscii(out_, tagOf(d_, Element::ListItem).close);
  }

  static Element alignElement(Align a) {
    return a == Align::Center ? Element::Centre : Element::Right;
  }

  void closeBlocks(Align align, bool list, bool code) {
    if (code_ && !code) {
      appendAscii(out_, tagOf(d_, Element::FixedBlock).close);
      code_ = false;
    }
    if (list_ && (!list || align != align_)) {
      appendAscii(out_, d_.listEnd);
      list_ = false;
    }
    if (align_ != align) {
      if (align_ != Align::None) appendAscii(out_, tagOf(d_, alignElement(align_)).close);
      align_ = Align::None;
    }
  }

  void openBlocks(Align align, bool list, bool code) {
    if (align != align_) {
      appendAscii(out_, tagOf(d_, alignElement(align)).open);
      align_ = align;
    }
    if (list && !list_) {
      appendAscii(out_, d_.listStart);
      list_ = true;
    }
    if (code && !code_) {
      appendAscii(out_, tagOf(d_, Element::FixedBlock).open);
      code_ = true;
    }
  }

  void openInline(const Open& o) {
    const std::string_view pattern = tagOf(d_, o.element).open;
    const std::size_t hole = pattern.find("{}");
    if (hole == std::string_view::npos) {
      appendAscii(out_, pattern);
    } else {
      appendAscii(out_, pattern.substr(0, hole));
      if (o.element == Element::Size) {
        appendAscii(out_, d_.sizes[static_cast<std::size_t>(o.size)]);
      } else if (o.element == Element::Link) {
        appendAddress(out_, o.value, false);
      } else {
        out_.append(o.value);
      }
      appendAscii(out_, pattern.substr(hole + 2));
    }
    open_.push_back(o);
  }

  void closeInline(std::size_t keep) {
    while (open_.size() > keep) {
      appendAscii(out_, tagOf(d_, open_.back().element).close);
      open_.pop_back();
    }
  }

  const Document& doc_;
  const Dialect& d_;
  LossCounter& losses_;
  std::u16string out_;
  std::vector<Open> open_, want_;
  Align align_ = Align::None;
  Align lostAlign_ = Align::None;  // the alignment of the paragraph just counted as dropped
  bool list_ = false;
  bool code_ = false;
};

}  // namespace

std::u16string emitBbcode(const Document& doc, const Dialect& d, LossCounter& losses) {
  return BbEmitter(doc, d, losses).run();
}

}  // namespace quillmark::formats
