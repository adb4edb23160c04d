// checkPost: reads a post back against the writer's text of the fragment it was made from,
// with the checker of its format (BbcodeCheck.cpp, MarkdownCheck.cpp).
#include "PostWalk.h"

#include "Emit.h"
#include "quillmark/convert.h"
#include "quillmark/formats.h"

namespace quillmark {
namespace formats {

std::u16string plainText(const Document& doc) {
  std::u16string text;
  text.reserve(doc.text.size() + doc.lines.size());
  for (const Line& line : doc.lines) {
    for (std::uint32_t r = line.firstRun; r < line.endRun; ++r) {
      text.append(doc.runText(doc.runs[r]));
    }
    text.push_back(u'\n');
  }
  return text;
}

std::string snippet(std::u16string_view text, std::size_t at) {
  std::string out = encodeUtf8(text.substr(at, 24));
  for (char& c : out) {
    if (c == '\n' || c == '\r') c = ' ';
  }
  return "\"" + out + "\"";
}

void PostWalk::skipBlanks() {
  while (postAt_ < post_.size() && isSpaceLike(post_[postAt_])) ++postAt_;
  while (textAt_ < text_.size() && isSpaceLike(text_[textAt_])) ++textAt_;
}

bool PostWalk::textAhead(std::size_t count) const {
  return textAt_ + count <= text_.size() &&
         post_.substr(postAt_, count) == text_.substr(textAt_, count);
}

bool PostWalk::matchText() {
  if (textAt_ >= text_.size() || post_[postAt_] != text_[textAt_]) return false;
  ++postAt_, ++textAt_;
  return true;
}

std::optional<std::string> PostWalk::mismatch() const {
  if (textAt_ >= text_.size()) return "text added at " + snippet(post_, postAt_);
  return "markup or text not of the writer at " + snippet(post_, postAt_) +
         ", where the text reads " + snippet(text_, textAt_);
}

std::optional<std::string> PostWalk::finish(bool nothingOpen, std::string_view open) {
  skipBlanks();
  if (textAt_ < text_.size()) return "text lost: " + snippet(text_, textAt_);
  if (!nothingOpen) return "element left open: " + std::string(open);
  return std::nullopt;
}

}  // namespace formats

std::optional<std::string> checkPost(std::u16string_view webHtml, std::u16string_view post,
                                     Format format) {
  const formats::Dialect* d = formats::dialectOf(format);
  if (d == nullptr) {
    if (post == webHtml) return std::nullopt;
    return "the html post differs from the fragment";
  }
  const std::u16string text = formats::plainText(formats::readFragment(webHtml));
  if (format == Format::Markdown) return formats::checkMarkdownPost(post, text);
  return formats::checkBbcodePost(post, text, *d);
}

}  // namespace quillmark
