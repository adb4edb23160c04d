#pragma once
// Post models as a document gives them back (the model of a document made from them): a run read
// from a post with no size of its own is in the post's normal size, which a document holds as its
// default size and modelOf names (3 for 12 points). Heading runs keep no size: a heading's size is
// its look; nor do a code block's, whose text is all it has. A cell's paragraphs of no alignment of
// their own are in their cell's, as the document holds a column's alignment.
#include "quillmark/post.h"
#include "richtext/DocumentModel.h"

namespace quillmark::testing {

inline void giveNormalSize(std::vector<post::Block> &blocks,
                           post::Align cellAlign = post::Align::Left) {
  for (post::Block &block : blocks) {
    if (block.kind == post::BlockKind::Paragraph && block.align == post::Align::Left)
      block.align = cellAlign;
    if (block.kind != post::BlockKind::Heading && block.kind != post::BlockKind::Code) {
      for (post::Run &run : block.runs) {
        if (run.style.size == 0)
          run.style.size = post::percentOfHtmlSize(post::htmlSize(richtext::kDefaultFontPointSize));
      }
    }
    giveNormalSize(block.children,
                   block.kind == post::BlockKind::Cell ? block.align : post::Align::Left);
  }
}

// Empty paragraphs at the end of a post, or of the quote it ends in, are no part of it: a
// document holds them, but its model leaves them out, and its last block has no space after.
inline void dropTrailingEmptyParagraphs(std::vector<post::Block> &blocks) {
  while (!blocks.empty()) {
    post::Block &last = blocks.back();
    if (last.kind == post::BlockKind::Quote) {
      dropTrailingEmptyParagraphs(last.children);
      if (!last.children.empty()) return;
    } else if (last.kind != post::BlockKind::Paragraph || !last.runs.empty()) {
      return;
    }
    blocks.pop_back();
  }
}

// The model as the document made from it gives it back (modelOf).
inline post::Model asDocumentGivesIt(post::Model model) {
  giveNormalSize(model.blocks);
  dropTrailingEmptyParagraphs(model.blocks);
  if (!model.blocks.empty()) model.blocks.back().spaceAfter = false;
  return model;
}

}  // namespace quillmark::testing
