#pragma once
// The paragraphs a selection touches, for RichTextBox's paragraph operations.
#include <QList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <optional>
#include <utility>

namespace quillmark::richtext {

// Calls visit(block) for every paragraph the selection touches, the one the insertion point
// stands in when nothing is selected; stops when visit returns false.
template <typename Visit>
void forEachSelectedBlock(const QTextCursor &cursor, Visit visit) {
  const QTextDocument &document = *cursor.document();
  const QTextBlock last = document.findBlock(cursor.selectionEnd());
  for (QTextBlock block = document.findBlock(cursor.selectionStart()); block.isValid();
       block = block.next()) {
    if (!visit(block) || block == last) return;
  }
}

// Those paragraphs in order, for changes that may move the selection's ends.
inline QList<QTextBlock> selectedBlocks(const QTextCursor &cursor) {
  QList<QTextBlock> blocks;
  forEachSelectedBlock(cursor, [&blocks](const QTextBlock &block) {
    blocks.append(block);
    return true;
  });
  return blocks;
}

// The one value get(block) takes over those paragraphs, or none when it differs.
template <typename Get>
auto uniformBlock(const QTextCursor &cursor, Get get)
    -> std::optional<decltype(get(QTextBlock()))> {
  std::optional<decltype(get(QTextBlock()))> value;
  bool mixed = false;
  forEachSelectedBlock(cursor, [&](const QTextBlock &block) {
    auto next = get(block);
    mixed = value && *value != next;
    value = std::move(next);
    return !mixed;
  });
  if (mixed) return std::nullopt;
  return value;
}

}  // namespace quillmark::richtext
