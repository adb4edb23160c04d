// Reading a post back into the post model: BBCode per dialect, Markdown through cmark-gfm.
#include "quillmark/formats.h"
#include "quillmark/post.h"

namespace quillmark {

// A first reader: each line of the text is a paragraph's line, markup kept as text.
post::Model readPost(std::u16string_view text, Format /*format*/) {
  post::Builder builder;
  builder.paragraph();
  builder.text(text, {});
  return builder.finish();
}

bool looksLikeBbcode(std::u16string_view text) {
  return text.find(u"[/") != std::u16string_view::npos;
}

std::optional<Format> dialectOf(std::u16string_view /*text*/) { return std::nullopt; }

}  // namespace quillmark
