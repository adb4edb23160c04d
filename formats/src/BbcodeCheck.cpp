// The check of a BBCode post: the dialect's tags (its table in Dialects.cpp) nest, the code
// block holds no tag, and everything else is the writer's text. A tag the writer typed is
// text where the writer's text has it at that place.
#include <string>
#include <vector>

#include "Emit.h"
#include "PostWalk.h"
#include "quillmark/convert.h"

namespace quillmark::formats {
namespace {

// One tag of the dialect: an opening tag (perhaps with a value), a closing tag, or one that
// stands alone (the list item "[*]").
struct DialectTag {
  enum Role { Opens, Closes, Stands };
  std::u16string text;   // the whole tag, or its part before the value
  std::u16string after;  // after the value, when it has one
  bool hasValue = false;
  std::u16string close;  // what closes it, for an opening tag
  Role role = Opens;
};

std::u16string widen(std::string_view ascii) {
  std::u16string wide;
  appendAscii(wide, ascii);
  return wide;
}

class BbcodeWalk : PostWalk {
 public:
  BbcodeWalk(std::u16string_view post, std::u16string_view text, const Dialect& d)
      : PostWalk(post, text) {
    for (std::size_t e = 0; e < kElementCount; ++e) {
      const Tag& tag = d.tags[e];
      if (static_cast<Element>(e) == Element::FixedBlock) {
        codeOpen_ = widen(tag.open);
        codeClose_ = widen(tag.close);
      } else if (static_cast<Element>(e) == Element::Picture) {
        pictureOpen_ = widen(tag.open);
        pictureClose_ = widen(tag.close);
      } else {
        addTag(tag.open, tag.close);
      }
    }
    addTag(d.listStart, d.listEnd);
    addTag(d.tableRow.open, d.tableRow.close);
    addTag(d.tableCell.open, d.tableCell.close);
    addTag(d.tableHeader.open, d.tableHeader.close);
    addTag(d.justify.open, d.justify.close);
    addTag(d.email.open, d.email.close);
    addTag(d.spoiler.open, d.spoiler.close);
    addTag(d.spoilerTitled, d.spoiler.close);
    addTag(d.inlineSpoiler.open, d.inlineSpoiler.close);
    const std::string_view language = d.codeLanguage.open;
    codeLanguageOpen_ = widen(language.substr(0, language.find("{}")));
    inlineCodeOpen_ = widen(d.inlineCode.open);
    inlineCodeClose_ = widen(d.inlineCode.close);
  }

  std::optional<std::string> run() {
    while (true) {
      skipBlanks();
      if (postAt_ >= post_.size()) break;
      if (post_[postAt_] == u'[') {
        std::optional<std::string> wrong;
        if (markup(wrong)) {
          if (wrong) return wrong;
          continue;
        }
      }
      if (!matchText()) return mismatch();
    }
    if (inCode_) return "code block left open";
    return finish(open_.empty(), open_.empty() ? "" : encodeUtf8(open_.back()->text));
  }

 private:
  void addTag(std::string_view open, std::string_view close) {
    if (open.empty() || open == "\n") return;
    DialectTag tag;
    const std::size_t hole = open.find("{}");
    tag.hasValue = hole != std::string_view::npos;
    tag.text = widen(open.substr(0, hole));
    if (tag.hasValue) tag.after = widen(open.substr(hole + 2));
    tag.close = widen(close);
    tag.role = close.empty() ? DialectTag::Stands : DialectTag::Opens;
    vocabulary_.push_back(tag);
    if (!close.empty()) vocabulary_.push_back({widen(close), {}, false, {}, DialectTag::Closes});
  }

  // At a '[': whether it starts markup, which the walk then passes; `wrong` says what is wrong
  // with it. Markup the writer's text has at this place is text.
  bool markup(std::optional<std::string>& wrong) {
    const std::u16string_view rest = post_.substr(postAt_);
    if (inCode_) {
      const std::u16string& close = inInlineCode_ ? inlineCodeClose_ : codeClose_;
      if (!rest.starts_with(close) || textAhead(close.size())) return false;
      inCode_ = inInlineCode_ = false;
      postAt_ += close.size();
      return true;
    }
    if (rest.starts_with(codeOpen_) && !textAhead(codeOpen_.size())) {
      if (!open_.empty()) wrong = "a code block inside an open element";
      inCode_ = true;
      postAt_ += codeOpen_.size();
      return true;
    }
    if (!codeLanguageOpen_.empty() && rest.starts_with(codeLanguageOpen_)) {
      // The code block with its language: markup up to the tag's end.
      const std::size_t end = rest.find_first_of(u"]\n", codeLanguageOpen_.size());
      if (end != std::u16string_view::npos && rest[end] == u']' && !textAhead(end + 1)) {
        if (!open_.empty()) wrong = "a code block inside an open element";
        inCode_ = true;
        postAt_ += end + 1;
        return true;
      }
    }
    if (!inlineCodeOpen_.empty() && rest.starts_with(inlineCodeOpen_) &&
        !textAhead(inlineCodeOpen_.size())) {
      inCode_ = inInlineCode_ = true;
      postAt_ += inlineCodeOpen_.size();
      return true;
    }
    if (!pictureOpen_.empty() && rest.starts_with(pictureOpen_) &&
        !textAhead(pictureOpen_.size())) {
      // A picture's address is markup: it is no text a reader sees. It holds no tag and no
      // line end.
      const std::size_t end = rest.find_first_of(u"[\n", pictureOpen_.size());
      if (end == std::u16string_view::npos || !rest.substr(end).starts_with(pictureClose_)) {
        wrong = "picture left open";
      }
      postAt_ += end == std::u16string_view::npos ? rest.size() : end + pictureClose_.size();
      return true;
    }
    const DialectTag* tag = match(rest);
    if (tag == nullptr || textAhead(matchedLength_)) return false;
    wrong = apply(*tag);
    postAt_ += matchedLength_;
    return true;
  }

  // The dialect's tag at the start of `rest`, its length in matchedLength_; nullptr when
  // there is none.
  const DialectTag* match(std::u16string_view rest) {
    // A value holds no "[", "]" or line end, so a tag's end is looked for only up to the
    // first of them: a post of unfinished tags ("[color=[color=...") stays linear.
    const std::size_t stop = rest.find_first_of(u"[]\n", 1);
    for (const DialectTag& tag : vocabulary_) {
      if (!rest.starts_with(tag.text)) continue;
      if (!tag.hasValue) {
        matchedLength_ = tag.text.size();
        return &tag;
      }
      const std::u16string_view searched =
          stop == std::u16string_view::npos ? rest : rest.substr(0, stop + tag.after.size());
      const std::size_t end = searched.find(tag.after, tag.text.size());
      if (end == std::u16string_view::npos || end == tag.text.size()) continue;
      matchedLength_ = end + tag.after.size();
      return &tag;
    }
    return nullptr;
  }

  std::optional<std::string> apply(const DialectTag& tag) {
    switch (tag.role) {
      case DialectTag::Opens:
        open_.push_back(&tag);
        return std::nullopt;
      case DialectTag::Stands:
        return std::nullopt;
      case DialectTag::Closes:
        if (open_.empty()) return encodeUtf8(tag.text) + " closes nothing";
        if (open_.back()->close != tag.text) {
          return encodeUtf8(tag.text) + " closes " + encodeUtf8(open_.back()->text);
        }
        open_.pop_back();
        return std::nullopt;
    }
    return std::nullopt;
  }

  std::vector<DialectTag> vocabulary_;         // every tag of the dialect but the code block's
  std::u16string codeOpen_, codeClose_;        // the code block's tags
  std::u16string pictureOpen_, pictureClose_;  // around a picture's address
  std::vector<const DialectTag*> open_;        // the elements open, innermost last
  std::size_t matchedLength_ = 0;              // of the tag match() found
  std::u16string codeLanguageOpen_;            // "[code=": the block with its language
  std::u16string inlineCodeOpen_, inlineCodeClose_;
  bool inCode_ = false;        // inside the code block or inline code, where no tag counts
  bool inInlineCode_ = false;  // inside inline code
};

}  // namespace

std::optional<std::string> checkBbcodePost(std::u16string_view post, std::u16string_view text,
                                           const Dialect& dialect) {
  return BbcodeWalk(post, text, dialect).run();
}

}  // namespace quillmark::formats
