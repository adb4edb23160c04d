// fuzz_post_reader: any text read back as a post (readPost) in one format, the first input byte
// choosing it among the BBCode dialects and Markdown. Besides crashes, sanitizer reports and
// the reader ending (libFuzzer's timeout) it checks that reading settles after one round:
// the post written from what was read, P1, reads back to a model that writes P1 again. So
// the reader reads everything the writer writes as the writer meant it, whatever the text.
//
// BBCode has no escape: a writer's text that holds one of the dialect's tags ("[b]" read as
// text because it was never closed) goes out as typed, and the markup written around it can
// pair it with a tag that follows. When the model read holds such text the post is not held
// to the property (the reader still must not crash or hang on it). Sizes are written as they
// were read, whatever most of the text has, so every size on the forum's scale reads back as
// itself.
//
// Markdown's writer moves or drops emphasis where CommonMark's flanking rules would not read
// its delimiters (next to punctuation, say), and counts it lost; and next to a symbol such as
// "®", which it takes for punctuation and cmark-gfm for a letter, its delimiters can be read
// as text. So for Markdown the posts are compared as the models they read to, each run's
// bold, italic and strike-through aside, the delimiters' characters left out of the text,
// blanks before a line break, which show nothing, left out too, and links compared by their
// addresses in order, not by where their text begins.
//
// The input bytes after the first are the post, read as Windows-1252 so that every byte string
// is one.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "Emit.h"
#include "PostReaders.h"
#include "quillmark/convert.h"
#include "quillmark/formats.h"
#include "quillmark/post.h"

namespace {

using namespace quillmark;

constexpr std::array<Format, 7> kFormats = {Format::Phpbb,   Format::Xenforo,   Format::Mybb,
                                            Format::Smf,     Format::Vbulletin, Format::Bbcode,
                                            Format::Markdown};

[[noreturn]] void fail(std::u16string_view post, Format format, std::u16string_view p1,
                       std::u16string_view p2, const post::Model& read) {
  const std::string report =
      "\n*** fuzz property broken: " + std::string(formatName(format)) +
      ": the post written from the post read reads back to another\n--- post:\n" +
      encodeUtf8(post.substr(0, 2000)) + "\n--- written (P1):\n" + encodeUtf8(p1.substr(0, 2000)) +
      "\n--- P1 read and written:\n" + encodeUtf8(p2.substr(0, 2000)) + "\n--- P1 read:\n" +
      post::describe(read).substr(0, 4000) + "\n";
  std::fwrite(report.data(), 1, report.size(), stderr);
  std::abort();
}

// Whether the model's text (its runs and code blocks) holds a tag of the dialect.
bool holdsTags(const post::Model& model, Format format) {
  std::u16string text;
  std::vector<const post::Block*> todo;
  for (const post::Block& b : model.blocks) todo.push_back(&b);
  while (!todo.empty()) {
    const post::Block* b = todo.back();
    todo.pop_back();
    for (const post::Run& r : b->runs) text.append(r.text).push_back(u'\n');
    for (const post::Block& c : b->children) todo.push_back(&c);
  }
  return formats::bbcodeMarkup(text, formats::dialectTable(format)).found > 0;
}

// The model with the emphasis of its runs taken away (and '*', '_' and '~' from their text),
// runs of one style joined.
std::string withoutEmphasis(post::Model model) {
  std::vector<post::Block*> todo;
  for (post::Block& b : model.blocks) todo.push_back(&b);
  while (!todo.empty()) {
    post::Block* b = todo.back();
    todo.pop_back();
    // A link's text may begin a character earlier or later where emphasis delimiters stand
    // beside it, so its address is kept (in order) and its text joins the text around it.
    std::vector<post::Run> runs;
    std::vector<post::SharedText> links;
    for (post::Run& r : b->runs) {
      r.style.flags &= static_cast<std::uint8_t>(~(post::kBold | post::kItalic | post::kStrike));
      if (!r.style.link.empty() && (links.empty() || links.back() != r.style.link)) {
        links.push_back(r.style.link);
      }
      r.style.link.clear();
      std::erase_if(r.text, [](char16_t c) { return c == u'*' || c == u'_' || c == u'~'; });
      if (!runs.empty() && runs.back().picture.empty() && r.picture.empty() &&
          runs.back().style == r.style) {
        runs.back().text += r.text;
      } else {
        runs.push_back(std::move(r));
      }
    }
    for (post::SharedText& link : links) {
      post::Run marker;
      marker.style.link = std::move(link);
      runs.push_back(std::move(marker));
    }
    // Blanks before a line break show nothing, and the writer keeps them only where
    // delimiters stand between them and the break.
    for (post::Run& r : runs) {
      std::u16string kept;
      for (const char16_t c : r.text) {
        if (c == u'\n') {
          while (!kept.empty() && kept.back() != u'\n' && formats::isSpaceLike(kept.back())) {
            kept.pop_back();
          }
        }
        kept.push_back(c);
      }
      r.text = std::move(kept);
    }
    b->runs = std::move(runs);
    for (post::Block& c : b->children) todo.push_back(&c);
  }
  return post::describe(model);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const Format format = kFormats[data[0] % kFormats.size()];
  const std::u16string post =
      decodeWindows1252(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
  const post::Model first = readPost(post, format);
  const std::u16string p1 = writePost(first, format).text;
  const post::Model second = readPost(p1, format);
  const std::u16string p2 = writePost(second, format).text;
  if (p2 == p1) return 0;
  if (format == Format::Markdown) {
    if (withoutEmphasis(readPost(p2, format)) != withoutEmphasis(second)) {
      fail(post, format, p1, p2, second);
    }
  } else if (!holdsTags(first, format)) {
    fail(post, format, p1, p2, second);
  }
  return 0;
}
