#pragma once
// The post model of an editor's document: the rich road to every format but html. The walk
// reads the QTextDocument as DocumentModel.h says it holds its structures (lists, quotes,
// headings, rules, pictures, tables, the fixed-columns block) and gives a Qt-free model, so that
// the model is taken on the document's thread and the post can be written on any other.
#include "quillmark/post.h"

class QString;
class QTextDocument;

namespace quillmark::post {

// The document as a post model, in one pass over its blocks and fragments. Only the
// document's thread may call it.
Model modelOf(const QTextDocument &document);

// Whether a post links to `address`: the engine makes links of http, https, ftp and mailto
// addresses alone; any other (javascript:, file:) keeps its text, unlinked.
bool isPostLink(const QString &address);

}  // namespace quillmark::post
