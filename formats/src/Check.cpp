// checkPost: reads a post back against the text of the fragment it was made from. It walks
// the post and the writer's text side by side: what matches the text is text, what is the
// format's markup is checked for nesting, anything else is wrong. Blanks and line ends are
// skipped on both sides, so the check is on the words and their order, not on spacing.
#include <algorithm>
#include <string>
#include <vector>

#include "Dialects.h"
#include "Emit.h"
#include "RunModel.h"
#include "quillmark/convert.h"
#include "quillmark/formats.h"

namespace quillmark {
namespace formats {
namespace {

// The writer's text as a reader sees it, line by line.
std::u16string plainText(const Document& doc) {
  std::u16string text;
  text.reserve(doc.text.size() + doc.lines.size());
  for (const Line& line : doc.lines) {
    for (std::uint32_t r = line.firstRun; r < line.endRun; ++r)
      text.append(doc.runText(doc.runs[r]));
    text.push_back(u'\n');
  }
  return text;
}

std::string snippet(std::u16string_view s, std::size_t at) {
  std::string out = encodeUtf8(s.substr(at, 24));
  for (char& c : out) {
    if (c == '\n' || c == '\r') c = ' ';
  }
  return "\"" + out + "\"";
}

struct VocabTag {
  std::u16string text;   // the whole tag, or its part before the value
  std::u16string after;  // after the value, when it has one
  bool hasValue = false;
  std::u16string close;  // what closes it, for an opening tag
  enum Role { Opens, Closes, Stands } role = Opens;
};

std::u16string widen(std::string_view s) {
  std::u16string w;
  appendAscii(w, s);
  return w;
}

class Walk {
 public:
  Walk(std::u16string_view post, std::u16string_view text) : o_(post), m_(text) {}

 protected:
  void skipBlanks() {
    while (i_ < o_.size() && isSpaceLike(o_[i_])) ++i_;
    while (j_ < m_.size() && isSpaceLike(m_[j_])) ++j_;
  }
  // The post at i_ repeats the writer's text at j_ for n units.
  bool textAhead(std::size_t n) const {
    return j_ + n <= m_.size() && o_.substr(i_, n) == m_.substr(j_, n);
  }
  std::optional<std::string> mismatch() const {
    if (j_ >= m_.size()) return "text added at " + snippet(o_, i_);
    return "markup or text not of the writer at " + snippet(o_, i_) + ", where the text reads " +
           snippet(m_, j_);
  }
  std::optional<std::string> finish(bool stackEmpty, std::string_view open) {
    skipBlanks();
    if (j_ < m_.size()) return "text lost: " + snippet(m_, j_);
    if (!stackEmpty) return "element left open: " + std::string(open);
    return std::nullopt;
  }

  std::u16string_view o_, m_;
  std::size_t i_ = 0, j_ = 0;
};

class BbWalk : Walk {
 public:
  BbWalk(std::u16string_view post, std::u16string_view text, const Dialect& d) : Walk(post, text) {
    auto add = [&](std::string_view open, std::string_view close) {
      if (open.empty() || open == "\n") return;
      VocabTag t;
      const std::size_t hole = open.find("{}");
      t.hasValue = hole != std::string_view::npos;
      t.text = widen(open.substr(0, hole));
      if (t.hasValue) t.after = widen(open.substr(hole + 2));
      t.close = widen(close);
      t.role = close.empty() ? VocabTag::Stands : VocabTag::Opens;
      tags_.push_back(t);
      if (!close.empty()) tags_.push_back({widen(close), {}, false, {}, VocabTag::Closes});
    };
    for (std::size_t e = 0; e < kElementCount; ++e) {
      const Tag& tag = d.tags[e];
      if (static_cast<Element>(e) == Element::FixedBlock) {
        codeOpen_ = widen(tag.open);
        codeClose_ = widen(tag.close);
        continue;
      }
      add(tag.open, tag.close);
    }
    add(d.listStart, d.listEnd);
  }

  std::optional<std::string> run() {
    while (true) {
      skipBlanks();
      if (i_ >= o_.size()) break;
      if (o_[i_] == u'[') {
        if (inCode_) {
          if (o_.substr(i_).starts_with(codeClose_) && !textAhead(codeClose_.size())) {
            inCode_ = false;
            i_ += codeClose_.size();
            continue;
          }
        } else if (o_.substr(i_).starts_with(codeOpen_) && !textAhead(codeOpen_.size())) {
          if (!stack_.empty()) return "a code block inside an open element";
          inCode_ = true;
          i_ += codeOpen_.size();
          continue;
        } else if (const VocabTag* t = match()) {
          if (!textAhead(length_)) {
            if (auto wrong = apply(*t)) return wrong;
            i_ += length_;
            continue;
          }
        }
      }
      if (j_ < m_.size() && o_[i_] == m_[j_]) {
        ++i_, ++j_;
        continue;
      }
      return mismatch();
    }
    if (inCode_) return "code block left open";
    return finish(stack_.empty(), stack_.empty() ? "" : encodeUtf8(stack_.back()->text));
  }

 private:
  // The vocabulary tag at i_, its length in length_; nullptr when there is none.
  const VocabTag* match() {
    const std::u16string_view rest = o_.substr(i_);
    for (const VocabTag& t : tags_) {
      if (!rest.starts_with(t.text)) continue;
      if (!t.hasValue) {
        length_ = t.text.size();
        return &t;
      }
      // The value holds no "[", "]" or line end, so the tag's end is looked for only up to
      // the first of them: a post of unfinished tags ("[color=[color=...") stays linear.
      const std::size_t stop = rest.find_first_of(u"[]\n", t.text.size());
      const std::u16string_view searched =
          stop == std::u16string_view::npos ? rest : rest.substr(0, stop + t.after.size());
      const std::size_t end = searched.find(t.after, t.text.size());
      if (end == std::u16string_view::npos || end == t.text.size()) continue;
      length_ = end + t.after.size();
      return &t;
    }
    return nullptr;
  }

  std::optional<std::string> apply(const VocabTag& t) {
    switch (t.role) {
      case VocabTag::Opens:
        stack_.push_back(&t);
        return std::nullopt;
      case VocabTag::Stands:
        return std::nullopt;
      case VocabTag::Closes:
        if (stack_.empty()) return encodeUtf8(t.text) + " closes nothing";
        if (stack_.back()->close != t.text) {
          return encodeUtf8(t.text) + " closes " + encodeUtf8(stack_.back()->text);
        }
        stack_.pop_back();
        return std::nullopt;
    }
    return std::nullopt;
  }

  std::vector<VocabTag> tags_;
  std::u16string codeOpen_, codeClose_;
  std::vector<const VocabTag*> stack_;
  std::size_t length_ = 0;
  bool inCode_ = false;
};

bool isAsciiPunct(char16_t c) {
  return (c >= u'!' && c <= u'/') || (c >= u':' && c <= u'@') || (c >= u'[' && c <= u'`') ||
         (c >= u'{' && c <= u'~');
}

class MdWalk : Walk {
 public:
  using Walk::Walk;

  std::optional<std::string> run() {
    while (true) {
      // Line ends matter here: emphasis must close on its line.
      while (i_ < o_.size() && isSpaceLike(o_[i_])) {
        if (o_[i_] == u'\n' && !stack_.empty() && !fence_) return "emphasis open at a line end";
        ++i_;
      }
      while (j_ < m_.size() && isSpaceLike(m_[j_])) ++j_;
      if (i_ >= o_.size()) break;
      const bool lineStart = i_ == 0 || o_[i_ - 1] == u'\n';
      const char16_t c = o_[i_];
      if (fence_ > 0) {
        if (lineStart && c == u'`' && o_.substr(i_, fence_) == std::u16string(fence_, u'`')) {
          i_ += fence_;
          fence_ = 0;
          continue;
        }
      } else if (lineStart && c == u'`') {
        while (i_ < o_.size() && o_[i_] == u'`') ++i_, ++fence_;
        if (fence_ < 3) return "a backtick run that is no fence";
        continue;
      } else if (lineStart && o_.substr(i_).starts_with(u"- ")) {
        i_ += 2;
        continue;
      } else if (c == u'\\') {
        if (i_ + 1 < o_.size() && o_[i_ + 1] == u'\n') {
          if (!stack_.empty()) return "emphasis open at a hard break";
          i_ += 2;
          continue;
        }
        if (i_ + 1 < o_.size() && isAsciiPunct(o_[i_ + 1]) && j_ < m_.size() &&
            m_[j_] == o_[i_ + 1]) {
          i_ += 2, ++j_;
          continue;
        }
        return "a backslash that escapes nothing of the text at " + snippet(o_, i_);
      } else if (c == u'*') {
        std::size_t n = 0;
        while (i_ < o_.size() && o_[i_] == u'*') ++i_, ++n;
        // A run of asterisks either closes elements, innermost first, or opens them; the
        // writer never does both at one place.
        std::size_t depth = stack_.size(), left = n;
        while (left > 0 && depth > 0 && stack_[depth - 1] != u"~~" && stack_[depth - 1] != u"[" &&
               stack_[depth - 1].size() <= left) {
          left -= stack_[--depth].size();
        }
        if (left == 0) {
          stack_.resize(depth);
          continue;
        }
        for (; n >= 2; n -= 2) stack_.push_back(u"**");
        if (n == 1) stack_.push_back(u"*");
        continue;
      } else if (c == u'~') {
        if (!o_.substr(i_).starts_with(u"~~")) return "an unescaped \"~\"";
        if (!stack_.empty() && stack_.back() == u"~~") {
          stack_.pop_back();
        } else {
          stack_.push_back(u"~~");
        }
        i_ += 2;
        continue;
      } else if (c == u'[') {
        stack_.push_back(u"[");
        ++i_;
        continue;
      } else if (c == u']') {
        if (stack_.empty() || stack_.back() != u"[") return "a link closed across emphasis";
        const std::size_t end = o_.find(u')', i_);
        if (!o_.substr(i_).starts_with(u"](") || end == std::u16string_view::npos) {
          return "a link without its address";
        }
        stack_.pop_back();
        i_ = end + 1;
        continue;
      } else if (c == u'_' || c == u'<' || c == u'|') {
        return "an unescaped markup character at " + snippet(o_, i_);
      }
      if (j_ < m_.size() && c == m_[j_]) {
        ++i_, ++j_;
        continue;
      }
      return mismatch();
    }
    if (fence_ > 0) return "code block left open";
    return finish(stack_.empty(), stack_.empty() ? "" : encodeUtf8(stack_.back()));
  }

 private:
  std::vector<std::u16string_view> stack_;
  std::size_t fence_ = 0;
};

// The fragment's own markup: every element of the engine's vocabulary opened is closed, in
// order. The engine opens an alignment around character elements already open and closes
// it after them (browsers take that), so block elements (alignment, list item, fixed block)
// and character elements are each checked in their own order. A '<' that starts no tag of
// the vocabulary is the writer's text, which the text comparison checks.
class HtmlNesting {
 public:
  explicit HtmlNesting(std::u16string_view html) : h_(html) {
    const Dialect& d = dialectTable(Format::Html);
    for (std::size_t e = 0; e < kElementCount; ++e) {
      const Tag& tag = d.tags[e];
      if (tag.close.empty() || tag.open.find("{}") != std::string_view::npos) continue;
      const auto element = static_cast<Element>(e);
      const bool block = element == Element::Centre || element == Element::Right ||
                         element == Element::ListItem || element == Element::FixedBlock;
      pairs_.push_back({widen(tag.open), widen(tag.close), block});
    }
    pairs_.push_back({u"<font", u"</font>", false});
    pairs_.push_back({u"<a href=\"", u"</a>", false});
  }

  std::optional<std::string> run() {
    for (std::size_t p = h_.find(u'<'); p != std::u16string_view::npos; p = h_.find(u'<', p + 1)) {
      const std::u16string_view rest = h_.substr(p);
      if (const Pair* closed = closer(rest)) {
        std::vector<const Pair*>& open = closed->block ? blocks_ : inline_;
        if (open.empty()) return encodeUtf8(closed->close) + " closes nothing";
        if (open.back()->close != closed->close) {
          return encodeUtf8(closed->close) + " closes " + name(*open.back());
        }
        open.pop_back();
        continue;
      }
      if (const Pair* opened = opener(rest)) (opened->block ? blocks_ : inline_).push_back(opened);
    }
    for (const auto* open : {&blocks_, &inline_}) {
      if (!open->empty()) return "element left open: " + name(*open->back());
    }
    return std::nullopt;
  }

 private:
  struct Pair {
    std::u16string open, close;
    bool block;
  };

  static std::string name(const Pair& pair) {
    return encodeUtf8(pair.open) + (pair.open.ends_with(u'>') ? "" : ">");
  }

  const Pair* closer(std::u16string_view rest) const {
    if (!rest.starts_with(u"</")) return nullptr;
    for (const Pair& pair : pairs_) {
      if (rest.starts_with(pair.close)) return &pair;
    }
    return nullptr;
  }

  const Pair* opener(std::u16string_view rest) const {
    for (const Pair& pair : pairs_) {
      if (!rest.starts_with(pair.open)) continue;
      if (pair.open.ends_with(u'>')) return &pair;
      if (pair.close == u"</font>" ? fontTag(rest) : linkTag(rest)) return &pair;
    }
    return nullptr;
  }

  // `<font[ face="F"][ color="C"][ size=N]>`, as the engine writes it.
  static bool fontTag(std::u16string_view s) {
    std::size_t q = 5;
    for (const std::u16string_view key : {u" face=\"", u" color=\""}) {
      if (!s.substr(q).starts_with(key)) continue;
      // A value holds no '<' and no line end: the search stops there, so that text typed
      // like an unfinished tag keeps the check linear.
      const std::size_t end = s.find_first_of(u"\"<\n", q + key.size());
      if (end == std::u16string_view::npos || s[end] != u'"') return false;
      q = end + 1;
    }
    if (s.substr(q).starts_with(u" size=")) {
      const std::size_t digits = q + 6;
      q = digits;
      while (q < s.size() && s[q] >= u'0' && s[q] <= u'9') ++q;
      if (q == digits) return false;
    }
    return q < s.size() && s[q] == u'>';
  }

  static bool linkTag(std::u16string_view s) {
    const std::size_t end = s.find_first_of(u"\"<\n", 9);
    return end != std::u16string_view::npos && s[end] == u'"' && end + 1 < s.size() &&
           s[end + 1] == u'>';
  }

  std::u16string_view h_;
  std::vector<Pair> pairs_;
  std::vector<const Pair*> blocks_, inline_;
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
  for (std::size_t p = 0; p < text.size();) {
    if (text[p] == u'{' &&
        (text.substr(p).starts_with(kFixedBegin) || text.substr(p).starts_with(kFixedEnd))) {
      out.push_back(u' ');
      p += text.substr(p).starts_with(kFixedBegin) ? kFixedBegin.size() : kFixedEnd.size();
      continue;
    }
    out.push_back(text[p++]);
  }
  return out;
}

class Words {
 public:
  explicit Words(std::u16string_view text) : t_(text) {}
  // The next word, empty at the end.
  std::u16string_view next() {
    while (p_ < t_.size() && isGap(t_[p_])) ++p_;
    const std::size_t start = p_;
    while (p_ < t_.size() && !isGap(t_[p_])) ++p_;
    return t_.substr(start, p_ - start);
  }

 private:
  std::u16string_view t_;
  std::size_t p_ = 0;
};

std::string quoted(std::u16string_view word) {
  return "\"" + encodeUtf8(word.substr(0, 40)) + "\"";
}

}  // namespace
}  // namespace formats

std::optional<std::string> checkPost(std::u16string_view webHtml, std::u16string_view post,
                                     Format format) {
  const formats::Dialect* d = formats::dialectOf(format);
  if (d == nullptr) {
    if (post == webHtml) return std::nullopt;
    return "the html post differs from the fragment";
  }
  const std::u16string text = formats::plainText(formats::readFragment(webHtml));
  if (format == Format::Markdown) return formats::MdWalk(post, text).run();
  return formats::BbWalk(post, text, *d).run();
}

}  // namespace quillmark

namespace quillmark {

std::optional<std::string> checkFragment(std::u16string_view webHtml,
                                         std::u16string_view documentText) {
  if (auto wrong = formats::HtmlNesting(webHtml).run()) return wrong;
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
    return "the post reads " + formats::quoted(a) + " where the document reads " +
           formats::quoted(b);
  }
}

}  // namespace quillmark
