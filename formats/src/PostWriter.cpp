// Placeholder for the emitters of the post model: the model's text, one line per paragraph.
#include "quillmark/formats.h"
#include "quillmark/post.h"

namespace quillmark {
namespace {

void appendText(const post::Block& block, std::u16string& out) {
  for (const post::Run& run : block.runs) out += run.text;
  if (!block.runs.empty() || block.children.empty()) out += u'\n';
  for (const post::Block& child : block.children) appendText(child, out);
}

}  // namespace

Post writePost(const post::Model& model, Format) {
  Post post;
  for (const post::Block& block : model.blocks) appendText(block, post.text);
  return post;
}

std::optional<std::string> checkPost(const post::Model&, std::u16string_view, Format) {
  return std::nullopt;
}

}  // namespace quillmark
