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

namespace {

// Characters that show no mark of their own: controls, the Unicode spaces but the plain one,
// and the format characters (soft hyphen, zero-width and direction marks, the byte-order
// mark), with the object replacement character and unpaired surrogates.
bool showsNoMark(char16_t c) {
  return c < 0x20 || (c >= 0x7F && c <= 0xA0) || c == 0xAD || c == 0x034F || c == 0x061C ||
         c == 0x1680 || c == 0x180E || (c >= 0x2000 && c <= 0x200F) ||
         (c >= 0x2028 && c <= 0x202F) || (c >= 0x205F && c <= 0x206F) || c == 0x3000 ||
         c == 0xFEFF || (c >= 0xFFF9 && c <= 0xFFFC) || (c >= 0xD800 && c <= 0xDFFF);
}

}  // namespace

std::string visible(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    const bool pair = c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
                      text[i + 1] <= 0xDFFF;
    if (pair) {
      out += encodeUtf8(text.substr(i++, 2));
    } else if (!showsNoMark(c)) {
      out += encodeUtf8(text.substr(i, 1));
    } else if (c == u'\r' || c == u'\n' || c == 0x2028 || c == 0x2029) {
      if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
      out += "<line break>";
    } else if (c == u'\t') {
      out += "<tab>";
    } else if (c == 0xA0) {
      out += "<no-break space>";
    } else {
      static constexpr char kHex[] = "0123456789ABCDEF";
      out += "<U+";
      for (const int shift : {12, 8, 4, 0}) out += kHex[(c >> shift) & 0xF];
      out += '>';
    }
  }
  return out;
}

std::string snippet(std::u16string_view text, std::size_t at) {
  return "\"" + visible(text.substr(at, 24)) + "\"";
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
