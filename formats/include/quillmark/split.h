// A post longer than its forum takes, in parts: each part a whole post of its own, under the
// forum's limit as the forum counts it.
//
// The post model is split, never the markup: every part is written from a model of its own,
// so that each stands alone in its dialect. An element open at a cut is closed at the end of
// the part and opened again at the start of the next: a quote with its author, a numbered
// list with the number it had reached (where the dialect writes a start; where it cannot, the
// part's loss report says so), a table with its header row, a code block with its language.
//
//   const std::vector<Post> parts = splitPost(model, Format::Xenforo, {}, {10000});
//   // parts[0].text goes to the clipboard first, then parts[1].text, ...
//
// Qt-free, like the engine.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "quillmark/formats.h"

namespace quillmark {

namespace post {
struct Model;
}

// How a forum measures a post against its limit.
enum class LengthUnit {
  Characters,         // characters (code points) of the markup as typed
  EscapedCharacters,  // characters of the markup once '&', '<', '>' and '"' are HTML entities
  Bytes,              // bytes of the markup's UTF-8
};

// A forum software's own limit on a post, as it ships, and how it counts; `characters` 0 for
// none. `source` says where the figure and the count were read.
struct PostLimit {
  Format format;
  std::size_t characters;
  LengthUnit unit;
  std::string_view source;
};

// The limit of the forum software `format` is written for, one row per format.
const PostLimit &postLimit(Format format);

// The post's length as the forum of `format` counts it against its limit: the blanks that
// end and begin it aside, as the forums trim a message before they count it.
std::size_t forumLength(std::u16string_view post, Format format);

struct SplitOptions {
  std::size_t limit = 0;  // the longest part, as forumLength counts it; 0 for no limit
  bool marks = true;      // each part ends with "(1/3)", "(2/3)", ... (counted in the limit)
};

// The post of `model` in `format` in as few parts as keep each within the limit, then as
// even as can be: cut between blocks, and inside a block only where one block alone is over
// the limit (a paragraph at the end of a sentence or line, a list between items, a table
// between rows, a quote between its blocks, a code block between lines). One part, exactly
// writePost's post, when the post is within the limit, when there is none, or for html
// (the engine's fragment, which has no model to split). A part is over the limit only where
// one piece that cannot be cut (a table row, a word) is.
std::vector<Post> splitPost(const post::Model &model, Format format,
                            const PostOptions &options = {}, const SplitOptions &split = {});

}  // namespace quillmark
