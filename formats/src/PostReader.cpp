// Reading a post back into the post model: BBCode by the dialect's own tags, Markdown through
// cmark-gfm, html as convertPost reads the engine's fragment. And telling from a post's text
// whether it is BBCode, and of which dialect.
#include <array>

#include "Emit.h"
#include "PostReaders.h"
#include "quillmark/formats.h"
#include "quillmark/post.h"

namespace quillmark {

namespace {

constexpr std::array<Format, 6> kDialects = {Format::Phpbb, Format::Xenforo,   Format::Mybb,
                                             Format::Smf,   Format::Vbulletin, Format::Bbcode};

}  // namespace

post::Model readPost(std::u16string_view text, Format format) {
  switch (format) {
    case Format::Html:
      return formats::modelOfFragment(formats::readFragment(text));
    case Format::Markdown:
      return formats::readMarkdown(text);
    default:
      return formats::readBbcode(text, formats::dialectTable(format));
  }
}

bool looksLikeBbcode(std::u16string_view text) {
  for (const Format f : kDialects) {
    if (formats::bbcodeMarkup(text, formats::dialectTable(f)).paired > 0) return true;
  }
  return false;
}

std::optional<Format> dialectOf(std::u16string_view text) {
  // The dialect that reads the most of the text's tags as markup, when only one does.
  std::optional<Format> best;
  std::size_t bestCount = 0;
  bool tie = false;
  for (const Format f : kDialects) {
    const formats::BbcodeMarkup m = formats::bbcodeMarkup(text, formats::dialectTable(f));
    if (m.paired == 0) continue;
    if (m.tags > bestCount) {
      best = f, bestCount = m.tags, tie = false;
    } else if (m.tags == bestCount) {
      tie = true;
    }
  }
  if (tie) return std::nullopt;
  return best;
}

}  // namespace quillmark
