// The reference tree's road, compiled with that tree's engine and formats under the namespace
// quillmark_reference (the build defines quillmark so), as its quillmark-convert drove them:
// the bytes decoded as Windows-1252, converted, rewritten, formatted, encoded as UTF-8.
#include "Roads.h"
#include "quillmark/convert.h"
#include "quillmark/formats.h"

namespace differential {

Result referenceRoad(std::string_view bytes, std::u16string_view options, std::string_view format,
                     bool raw) {
  std::u16string html =
      quillmark::Converter{}.convertRtfToHtml(quillmark::decodeWindows1252(bytes), options);
  if (!raw) html = quillmark::rewriteForWeb(std::move(html));
  const auto chosen = quillmark::formatByName(format);
  if (!chosen || *chosen == quillmark::Format::Html) return {quillmark::encodeUtf8(html), {}};
  const quillmark::Post post = quillmark::convertPost(html, *chosen);
  return {quillmark::encodeUtf8(post.text), quillmark::formatLosses(post.losses)};
}

}  // namespace differential
