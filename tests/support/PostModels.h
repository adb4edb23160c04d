#pragma once
// Post models as a document gives them back: a run read from a post with no size of its own
// is in the post's normal size, which a document holds as its default size and modelOf
// names (3 for 12 points). Heading runs keep no size: a heading's size is its look.
#include "quillmark/post.h"
#include "richtext/DocumentModel.h"

namespace quillmark::testing {

inline void giveNormalSize(std::vector<post::Block> &blocks) {
  for (post::Block &block : blocks) {
    if (block.kind != post::BlockKind::Heading) {
      for (post::Run &run : block.runs) {
        if (run.style.size == 0) run.style.size = post::htmlSize(richtext::kDefaultFontPointSize);
      }
    }
    giveNormalSize(block.children);
  }
}

inline post::Model inNormalSize(post::Model model) {
  giveNormalSize(model.blocks);
  return model;
}

}  // namespace quillmark::testing
