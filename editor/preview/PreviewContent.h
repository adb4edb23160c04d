#pragma once
// What one refresh of the preview builds from a document's snapshot: the post (made on the
// road every post takes), the post as the forum shows it, and its markup. No widgets here:
// a refresh may build a preview on a worker thread while the window builds another.
#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QString>
#include <memory>

#include "post/PostBuilder.h"
#include "quillmark/formats.h"

class QTextDocument;

namespace quillmark::web {
struct Profile;
}

namespace quillmark::preview {

// The post as the forum shows it, as HTML for a QTextDocument: the fragment itself, BBCode
// read by its dialect's rules, Markdown rendered by cmark-gfm (with GitHub's extensions).
QString renderedHtml(const QString &post, Format format);

// How the markup view looks; read from the widgets on the window's thread.
struct MarkupStyle {
  QFont font;          // fixed width
  QColor markupColor;  // muted, for what is not the writer's text
};

// One refresh of the preview, built wherever it is run. The documents belong to no thread's
// widgets yet: the caller moves them to the window's thread (moveToThread) before showing.
struct PreviewContent {
  post::MadePost post;
  std::unique_ptr<QTextDocument> rendered;  // the post as the forum shows it
  std::unique_ptr<QTextDocument> markup;    // the post's text, its markup highlighted
  PreviewContent();
  PreviewContent(PreviewContent &&) noexcept;
  PreviewContent &operator=(PreviewContent &&) noexcept;
  ~PreviewContent();
};

// Makes the post of the snapshot for the profile and builds both views. With
// `withViews` false only the post is made (the preview is hidden, the length gauge still
// needs it).
PreviewContent buildPreview(post::Snapshot snapshot, const web::Profile &profile,
                            const MarkupStyle &style, bool withViews);

}  // namespace quillmark::preview
