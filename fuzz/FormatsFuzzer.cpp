// fuzz_formats: one document through the engine with "+CR" and "+A" (options as the first
// bytes give them, FuzzInput.h), the "Copy to Web" rewrites, then every post format. Besides
// crashes and sanitizer reports it checks, for every format, what checkPost promises: each
// element opened is closed in order, nothing but the format's markup stands beside the
// writer's text, and the words are the fragment's, in order. The html post must be the
// fragment itself.
//
// The document's '<', '>' and '&' become '[', ']' and '+' (documentText), so the writer's
// text is full of brackets: typed BBCode, which the checker must tell from the emitted kind.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "FuzzInput.h"
#include "quillmark/convert.h"
#include "quillmark/formats.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quillmark;
  fuzz::Bytes input(data, size);
  fuzz::Options options = fuzz::readOptions(input);
  const std::u16string rtf = fuzz::documentText(input);
  // "Copy to Web" passes "+CR+A"; the fuzzer's own flags come on top.
  std::u16string opts = u"+CR+A";
  opts += options.text;
  const std::u16string web = rewriteForWeb(Converter{}.convertRtfToHtml(rtf, opts));
  for (const FormatInfo& f : allFormats()) {
    const Post post = convertPost(web, f.format);
    if (const std::optional<std::string> wrong = checkPost(web, post.text, f.format)) {
      std::fprintf(stderr,
                   "*** fuzz property broken: %s post: %s\n--- fragment:\n%s\n--- post:\n%s\n",
                   std::string(f.name).c_str(), wrong->c_str(), encodeUtf8(web).c_str(),
                   encodeUtf8(post.text).c_str());
      std::abort();
    }
  }
  return 0;
}
