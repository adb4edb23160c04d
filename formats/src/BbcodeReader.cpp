// bbcodeToHtml: reads a BBCode post as its forum reads it and writes the HTML a browser shows
// for it. Only the dialect's own tags (its table in Dialects.cpp) are markup, in any letter
// case as the forums take them; everything else, other BBCode included, is text. Must not
// know any tag the table does not hold.
#include <algorithm>
#include <array>
#include <vector>

#include "Cites.h"
#include "Dialects.h"
#include "Emit.h"
#include "quillmark/formats.h"
#include "quillmark/html.h"
#include "quillmark/post.h"

namespace quillmark {
namespace formats {
namespace {

char16_t lowered(char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c - u'A' + u'a') : c; }

bool startsWithNoCase(std::u16string_view s, std::string_view prefix) {
  if (s.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (lowered(s[i]) != lowered(static_cast<char16_t>(prefix[i]))) return false;
  }
  return true;
}

bool equalNoCase(std::u16string_view a, std::string_view b) {
  return a.size() == b.size() && startsWithNoCase(a, b);
}

void appendEscaped(std::u16string& out, std::u16string_view text) {
  for (const char16_t c : text) {
    if (const std::string_view entity = html::escapeFor(c); !entity.empty()) {
      appendAscii(out, entity);
    } else {
      out.push_back(c);
    }
  }
}

void appendEscaped(std::u16string& out, std::string_view ascii) {
  std::u16string wide;
  appendAscii(wide, ascii);
  appendEscaped(out, wide);
}

// The engine's element each element of a dialect is shown as, for the HTML the preview
// writes, in Element order; alignment is a div instead (a one-cell table would stretch
// across the page), and the fixed block and the break are written apart.
// clang-format off
constexpr std::array<html::Element, kElementCount> kShownAs = {
    html::Element::Bold,      // bold
    html::Element::Italic,    // italic
    html::Element::Underline, // underline
    html::Element::Strike,    // strike-through
    html::Element::Super,     // superscript
    html::Element::Sub,       // subscript
    html::Element::Font,      // colour: <font color="...">
    html::Element::Font,      // size: <font size=N>
    html::Element::Font,      // face: <font face="...">
    html::Element::Align,     // centre: <div align="center">
    html::Element::Align,     // right: <div align="right">
    html::Element::ListItem,  // list item
    html::Element::Bold,      // fixed block: <pre>, never looked up
    html::Element::Bold,      // line break: <br>, never looked up
    html::Element::Link,      // link
    // heading, quote, rule, picture, numbered list, table, quote source: written apart; the
    // rest never shown
    html::Element::Bold, html::Element::Bold, html::Element::Bold, html::Element::Bold,
    html::Element::Bold, html::Element::Bold, html::Element::Bold, html::Element::Bold,
    html::Element::Bold,
};
// clang-format on

html::Element shownAs(Element e) { return kShownAs[static_cast<std::size_t>(e)]; }

constexpr std::u16string_view kDivClose = u"</div>";

// A colour or a face as the forums take it: no markup, no quotes.
bool plainValue(std::u16string_view value) {
  return !value.empty() && value.find_first_of(u"\"<>[]\n") == std::u16string_view::npos;
}

// What one recognised tag is: the element (or the list), opening or closing.
struct Found {
  enum Kind { Element, ListStart, ListEnd, Row, Cell, HeaderCell } kind = Element;
  quillmark::Element element = quillmark::Element::Bold;
  bool closing = false;
  std::u16string_view value;
  std::size_t length = 0;
};

class Reader {
 public:
  Reader(std::u16string_view post, const Dialect& d) : in_(post), d_(d) {
    out_.reserve(post.size() + post.size() / 2);
  }

  std::u16string run() {
    std::size_t p = 0;
    while (p < in_.size()) {
      const char16_t c = in_[p];
      if (code_) {
        const std::string_view close =
            inlineCode_ ? d_.inlineCode.close : tagOf(d_, Element::FixedBlock).close;
        if (c == u'[' && startsWithNoCase(in_.substr(p), close)) {
          appendAscii(out_, inlineCode_ ? "</code>" : html::kPreClose);
          afterBlock_ = !inlineCode_;
          code_ = inlineCode_ = false;
          p += close.size();
          continue;
        }
        appendEscaped(out_, in_.substr(p, 1));
        ++p;
        continue;
      }
      if (c == u'[' && literalOpens(p)) continue;
      if (c == u'[') {
        if (const std::optional<Found> tag = match(in_.substr(p))) {
          if (tag->element == Element::Picture && tag->kind == Found::Element) {
            if (tag->closing) {
              appendEscaped(out_, in_.substr(p, tag->length));  // closes no picture
            } else if (const std::size_t n = picture(p)) {
              p += n;
              continue;
            } else {
              appendEscaped(out_, in_.substr(p, tag->length));
            }
            p += tag->length;
            continue;
          }
          apply(*tag);
          p += tag->length;
          continue;
        }
      }
      if (betweenCells() && (c == u'\n' || c == u' ' || c == u'\t')) {
        ++p;  // the spacing between a table's rows and cells shows nothing
        continue;
      }
      if (c == u'\n') {
        // A line end right after a block's edge belongs to the block; one just before a list
        // item or the list's end is the list's own spacing.
        const std::u16string_view next = in_.substr(p + 1);
        const bool listSpacing =
            inList() && (startsWithNoCase(next, tagOf(d_, Element::ListItem).open) ||
                         startsWithNoCase(next, d_.listEnd));
        if (!afterBlock_ && !listSpacing) out_ += u"<br>\n";
        afterBlock_ = false;
        ++p;
        continue;
      }
      afterBlock_ = false;
      std::size_t stop = p + 1;
      while (stop < in_.size() && in_[stop] != u'[' && in_[stop] != u'\n') ++stop;
      appendEscaped(out_, in_.substr(p, stop - p));
      p = stop;
    }
    if (code_) appendAscii(out_, inlineCode_ ? "</code>" : html::kPreClose);
    closeDownTo(0);
    return std::move(out_);
  }

 private:
  struct OpenTag {
    Found::Kind kind;
    Element element;
    bool itemOpen = false;  // a list's "[*]" item waits for its end
    char16_t level = u'1';  // a heading's
  };

  bool inList() const { return lists_ > 0; }

  // The dialect's code block with its language ("[code=php]") and its inline code
  // ("[ICODE]") at p: their text is literal up to their closing tag, as the post reader
  // reads it. Moves p past the opening tag.
  bool literalOpens(std::size_t& p) {
    const std::u16string_view rest = in_.substr(p);
    const std::string_view language =
        d_.codeLanguage.open.substr(0, d_.codeLanguage.open.find("{}"));
    if (!language.empty() && startsWithNoCase(rest, language)) {
      const std::size_t end = rest.find_first_of(u"[]\n", language.size());
      if (end == std::u16string_view::npos || rest[end] != u']' || end == language.size()) {
        return false;
      }
      appendAscii(out_, html::kPreOpen);
      code_ = true;
      afterBlock_ = true;
      p += end + 1;
      return true;
    }
    if (!d_.inlineCode.open.empty() && startsWithNoCase(rest, d_.inlineCode.open)) {
      out_ += u"<code>";
      code_ = inlineCode_ = true;
      p += d_.inlineCode.open.size();
      return true;
    }
    return false;
  }

  // Inside a table or a row, outside any cell.
  bool betweenCells() const {
    if (tables_.empty()) return false;
    const OpenTag& t = open_[tables_.back()];
    return t.kind == Found::Row || t.kind == Found::Element;
  }
  // The kind of the innermost open table, row or cell; Found::Element for a table.
  std::optional<Found::Kind> tableTop(std::size_t fromTop = 0) const {
    if (tables_.size() <= fromTop) return std::nullopt;
    return open_[tables_[tables_.size() - 1 - fromTop]].kind;
  }
  std::size_t tableAt(std::size_t fromTop = 0) const {
    return tables_[tables_.size() - 1 - fromTop];
  }

  // Whether an element that `e`'s closing tag closes is open. Two elements may share a
  // closing tag (MyBB's "[/align]").
  bool closable(Element e) const {
    for (std::size_t k = 0; k < kElementCount; ++k) {
      if (openCount_[k] > 0 && tagOf(d_, static_cast<Element>(k)).close == tagOf(d_, e).close)
        return true;
    }
    return false;
  }

  void push(OpenTag t) {
    if (t.element == Element::Table) tables_.push_back(open_.size());
    open_.push_back(t);
    if (t.kind == Found::ListStart) {
      ++lists_;
    } else if (t.kind == Found::Element) {
      ++openCount_[static_cast<std::size_t>(t.element)];
    }
  }

  // The dialect's tag at the start of `s`, if any.
  std::optional<Found> match(std::u16string_view s) const {
    const std::array<std::pair<const Tag*, Found::Kind>, 3> cells = {{
        {&d_.tableRow, Found::Row},
        {&d_.tableCell, Found::Cell},
        {&d_.tableHeader, Found::HeaderCell},
    }};
    for (const auto& [tag, kind] : cells) {
      if (tag->open.empty()) continue;
      if (startsWithNoCase(s, tag->open))
        return Found{kind, Element::Table, false, {}, tag->open.size()};
      if (startsWithNoCase(s, tag->close))
        return Found{kind, Element::Table, true, {}, tag->close.size()};
    }
    if (!d_.listStart.empty() && startsWithNoCase(s, d_.listStart))
      return Found{Found::ListStart, Element::Bold, false, {}, d_.listStart.size()};
    if (!d_.listEnd.empty() && startsWithNoCase(s, d_.listEnd))
      return Found{Found::ListEnd, Element::Bold, true, {}, d_.listEnd.size()};
    for (std::size_t e = 0; e < kElementCount; ++e) {
      const Tag& tag = d_.tags[e];
      const auto element = static_cast<Element>(e);
      if (tag.open.empty() || element == Element::LineBreak) continue;
      if (!tag.close.empty() && startsWithNoCase(s, tag.close))
        return Found{Found::Element, element, true, {}, tag.close.size()};
      const std::size_t hole = tag.open.find("{}");
      if (hole == std::string_view::npos) {
        if (startsWithNoCase(s, tag.open))
          return Found{Found::Element, element, false, {}, tag.open.size()};
        continue;
      }
      const std::string_view before = tag.open.substr(0, hole), after = tag.open.substr(hole + 2);
      if (!startsWithNoCase(s, before)) continue;
      // The value runs to the tag's end, which is a single "]" in every dialect; it holds no
      // "[" and no line end, so the search stops there (a run of unfinished tags stays linear).
      const std::size_t end = s.find_first_of(u"]\n[", before.size());
      if (end == std::u16string_view::npos || s[end] != u']' || after != "]") continue;
      if (element == Element::QuoteSource) {
        // The source as the dialect writes it, from the tag's name on: readCite reads it.
        const std::size_t name = before.find_first_of("= ");
        return Found{Found::Element, element, false, s.substr(name, end - name), end + 1};
      }
      const std::u16string_view value = s.substr(before.size(), end - before.size());
      if (!plainValue(value)) continue;
      // A link to no web address is typed text, as the forums show it.
      if (element == Element::Link && !post::isPostAddress(value)) continue;
      return Found{Found::Element, element, false, value, end + 1};
    }
    return std::nullopt;
  }

  // A row opens in a table (ending the row and cell open there), a cell in a row (ending the
  // cell open there); they close only what is innermost. Anywhere else their tags are text, as
  // the forums leave them.
  bool tablePart(const Found& tag) {
    const std::optional<Found::Kind> top = tableTop();
    const bool cell = tag.kind != Found::Row;
    if (tag.closing) {
      if (!top || (cell && *top == Found::Row) || *top == Found::Element) return false;
      if (cell) {
        if (*top != tag.kind) return false;
        closeDownTo(tableAt());
      } else {
        closeDownTo(*top == Found::Row ? tableAt() : tableAt(1));
      }
      return true;
    }
    if (!top) return false;
    if (cell) {
      if (*top == Found::Element) return false;
      closeDownTo(*top == Found::Row ? tableAt() + 1 : tableAt());
      out_ += tag.kind == Found::HeaderCell ? u"<th>" : u"<td>";
    } else {
      closeDownTo(*top == Found::Element ? tableAt() + 1
                  : *top == Found::Row   ? tableAt()
                                         : tableAt(1));
      out_ += u"<tr>";
    }
    push({tag.kind, Element::Table});
    return true;
  }

  void apply(const Found& tag) {
    if (tag.kind == Found::Row || tag.kind == Found::Cell || tag.kind == Found::HeaderCell) {
      if (!tablePart(tag)) {
        const Tag& t = tag.kind == Found::Row    ? d_.tableRow
                       : tag.kind == Found::Cell ? d_.tableCell
                                                 : d_.tableHeader;
        appendEscaped(out_, tag.closing ? t.close : t.open);
      }
      return;
    }
    if (tag.kind == Found::ListStart) {
      out_ += u"<ul>";
      push({Found::ListStart, Element::ListItem});
      afterBlock_ = true;
      return;
    }
    if (tag.element == Element::NumberedList && !tag.closing) {
      out_ += u"<ol type=\"";
      out_.push_back(listType(tag.value));
      out_ += u"\">";
      push({Found::ListStart, Element::NumberedList});
      afterBlock_ = true;
      return;
    }
    if (tag.element == Element::Table && !tag.closing) {
      out_ += u"<table border=\"1\" cellpadding=\"4\" style=\"border-collapse: collapse\">";
      push({Found::Element, Element::Table});
      return;
    }
    if (tag.element == Element::Rule) {
      out_ += u"<hr>";
      afterBlock_ = true;
      return;
    }
    if (tag.kind == Found::ListEnd) {
      closeMatching(Found::ListStart, Element::ListItem);
      afterBlock_ = true;
      return;
    }
    const Element e = tag.element;
    if (e == Element::FixedBlock) {
      appendAscii(out_, html::kPreOpen);
      code_ = true;
      afterBlock_ = true;
      return;
    }
    if (e == Element::ListItem && tagOf(d_, e).close.empty()) {
      // "[*]" stands alone: it ends the item before it.
      if (!inList()) {
        appendEscaped(out_, tagOf(d_, e).open);
        return;
      }
      while (open_.back().kind != Found::ListStart) closeTop();
      OpenTag& list = open_.back();  // the innermost list: the item is its own
      if (list.itemOpen) appendAscii(out_, html::closingTag(html::Element::ListItem));
      appendAscii(out_, html::fixedOpeningTag(html::Element::ListItem));
      list.itemOpen = true;
      return;
    }
    if (tag.closing) {
      closeMatching(Found::Element, e);
      if (e == Element::Centre || e == Element::Right || e == Element::ListItem ||
          e == Element::Quote || e == Element::Heading || e == Element::Table) {
        afterBlock_ = true;
      }
      return;
    }
    if (e == Element::Heading) {
      OpenTag heading{Found::Element, e};
      heading.level = tag.value.size() == 1 && tag.value[0] >= u'1' && tag.value[0] <= u'3'
                          ? tag.value[0]
                          : u'3';
      push(heading);
      out_ += u"<h";
      out_.push_back(heading.level);
      out_ += u">";
      afterBlock_ = true;
      return;
    }
    push({Found::Element, e});
    open(e, tag.value);
  }

  // The HTML list type of a numbered list's value: "1", "a", "A", "i", "I", or the CSS
  // names SMF takes.
  static char16_t listType(std::u16string_view value) {
    constexpr std::array<std::pair<std::string_view, char16_t>, 8> kTypes = {{
        {"a", u'a'},
        {"i", u'i'},
        {"lower-alpha", u'a'},
        {"upper-alpha", u'A'},
        {"lower-roman", u'i'},
        {"upper-roman", u'I'},
        {"lower-latin", u'a'},
        {"upper-latin", u'A'},
    }};
    if (value == u"A" || value == u"I") return value[0];
    for (const auto& [name, type] : kTypes) {
      if (equalNoCase(value, name)) return type;
    }
    return u'1';
  }

  // "[img]ADDRESS[/img]" at p: a picture is never fetched; the preview shows a framed
  // placeholder that names its address. Returns the length read, 0 when the tag is not
  // closed on its line or holds no web address (it is text then, as the forums show it).
  std::size_t picture(std::size_t p) {
    const Tag& tag = tagOf(d_, Element::Picture);
    const std::size_t start = p + tag.open.size();
    const std::size_t end = in_.find_first_of(u"[\n", start);
    if (end == std::u16string_view::npos || !startsWithNoCase(in_.substr(end), tag.close) ||
        !post::isPostAddress(in_.substr(start, end - start))) {
      return 0;
    }
    out_ += u"<span class=\"picture\" style=\"border: 1px solid gray\">[picture: ";
    appendEscaped(out_, in_.substr(start, end - start));
    out_ += u"]</span>";
    afterBlock_ = false;
    return end + tag.close.size() - p;
  }

  // Writes the opening HTML of an element; for the valued ones, with the tag's value.
  void open(Element e, std::u16string_view value) {
    const html::ElementTags& shown = html::tagsOf(shownAs(e));
    switch (e) {
      case Element::Colour:
        return openWithValue(shown.open, html::kColorAttribute, value);
      case Element::Face:
        return openWithValue(shown.open, html::kFaceAttribute, value);
      case Element::Link:
        return openWithValue(shown.open, "", value);
      case Element::Size:
        appendAscii(out_, shown.open);
        appendSize(value);
        out_ += u">";
        return;
      case Element::Quote:
        out_ += u"<blockquote>";
        afterBlock_ = true;
        return;
      case Element::QuoteSource: {
        // A quote with its author line, as the forums draw it.
        out_ += u"<blockquote>";
        const std::u16string line = citeLine(readCite(value, d_.cite));
        if (!line.empty()) {
          out_ += u"<div><b>";
          appendEscaped(out_, line);
          out_ += u"</b></div>";
        }
        afterBlock_ = true;
        return;
      }
      case Element::Centre:
      case Element::Right:
        out_ += e == Element::Centre ? u"<div align=\"center\">" : u"<div align=\"right\">";
        afterBlock_ = true;
        return;
      default:
        appendAscii(out_, shown.open);
        return;
    }
  }

  // `start` (after the tag's fixed start `open`), the value escaped, a quote and the end.
  void openWithValue(std::string_view open, std::string_view start, std::u16string_view value) {
    appendAscii(out_, open);
    appendAscii(out_, start);
    appendEscaped(out_, value);
    out_ += u"\">";
  }

  // The size on the engine's scale, when the value is one of the dialect's sizes.
  void appendSize(std::u16string_view value) {
    for (std::size_t n = 1; n < d_.sizes.size(); ++n) {
      if (!d_.sizes[n].empty() && equalNoCase(value, d_.sizes[n])) {
        appendAscii(out_, html::kSizeAttribute);
        out_.push_back(static_cast<char16_t>(u'0' + n));
        return;
      }
    }
  }

  // Closes the innermost open tag of that kind and everything opened inside it; a closing
  // tag with nothing of its kind open is text, as the forums leave it. The counts keep a
  // closing tag that closes nothing from searching the whole stack.
  void closeMatching(Found::Kind kind, Element e) {
    if (kind == Found::ListStart ? !inList() : !closable(e)) {
      appendEscaped(out_, kind == Found::ListStart ? d_.listEnd : tagOf(d_, e).close);
      return;
    }
    const auto it = std::find_if(open_.rbegin(), open_.rend(), [&](const OpenTag& t) {
      return t.kind == kind &&
             (kind == Found::ListStart || tagOf(d_, t.element).close == tagOf(d_, e).close);
    });
    closeDownTo(static_cast<std::size_t>(open_.rend() - it) - 1);
  }

  void closeDownTo(std::size_t depth) {
    while (open_.size() > depth) closeTop();
  }

  void closeTop() {
    const OpenTag t = open_.back();
    open_.pop_back();
    if (t.element == Element::Table && t.kind != Found::ListStart) {
      tables_.pop_back();
      if (t.kind == Found::Element) --openCount_[static_cast<std::size_t>(Element::Table)];
      out_ += t.kind == Found::Row          ? u"</tr>"
              : t.kind == Found::Cell       ? u"</td>"
              : t.kind == Found::HeaderCell ? u"</th>"
                                            : u"</table>";
      return;
    }
    if (t.kind == Found::ListStart) {
      --lists_;
    } else {
      --openCount_[static_cast<std::size_t>(t.element)];
    }
    if (t.kind == Found::ListStart) {
      if (t.itemOpen) appendAscii(out_, html::closingTag(html::Element::ListItem));
      out_ += t.element == Element::NumberedList ? u"</ol>" : u"</ul>";
      return;
    }
    if (t.element == Element::Heading) {
      out_ += u"</h";
      out_.push_back(t.level);
      out_ += u">";
    } else if (t.element == Element::Quote || t.element == Element::QuoteSource) {
      out_ += u"</blockquote>";
    } else if (t.element == Element::Centre || t.element == Element::Right) {
      out_ += kDivClose;
    } else {
      appendAscii(out_, html::closingTag(shownAs(t.element)));
    }
  }

  std::u16string_view in_;
  const Dialect& d_;
  std::u16string out_;
  std::vector<OpenTag> open_;
  std::array<int, kElementCount> openCount_{};  // open elements of each kind
  int lists_ = 0;                               // open lists
  std::vector<std::size_t> tables_;  // where in open_ the tables, rows and cells open stand
  bool code_ = false;
  bool inlineCode_ = false;  // the literal text code_ says is inline code, not a block
  bool afterBlock_ = false;  // the last thing written was a block's edge
};

}  // namespace
}  // namespace formats

std::u16string bbcodeToHtml(std::u16string_view post, Format format) {
  const formats::Dialect* d = formats::dialectOf(format);
  if (d == nullptr) return std::u16string(post);
  if (format == Format::Markdown) {
    std::u16string out;
    formats::appendAscii(out, html::kPreOpen);
    formats::appendEscaped(out, post);
    formats::appendAscii(out, html::kPreClose);
    return out;
  }
  return formats::Reader(post, *d).run();
}

}  // namespace quillmark
