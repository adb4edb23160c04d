#pragma once
// The post model of an editor's document: the rich road to every format but html. The walk
// reads the QTextDocument as DocumentModel.h says it holds its structures (lists, quotes,
// headings, rules, pictures, tables, the fixed-columns block) and gives a Qt-free model, so that
// the model is taken on the document's thread and the post can be written on any other.
#include <QTextFormat>

#include "quillmark/formats.h"
#include "quillmark/post.h"

class QTextDocument;

namespace quillmark::post {

// The block property of the first paragraph of a quote read from a post, so that two quotes
// one after the other stay two: the quote's number among those of the post times 16, plus
// its depth. A paragraph made from this one (Enter) carries the same number, which starts
// nothing. (richtext's DocumentModel.h holds the other properties of the program's own.)
inline constexpr int kQuoteStartProperty = QTextFormat::UserProperty + 23;

// The document as a post model, in one pass over its blocks and fragments. Only the
// document's thread may call it.
Model modelOf(const QTextDocument &document);

// What the engine, which has no elements for them, makes of the document's structures, as a
// loss report: the losses of an html post of the document, wherever it is made ("Copy to
// Web", the converter).
LossReport engineLosses(const QTextDocument &document);

}  // namespace quillmark::post
