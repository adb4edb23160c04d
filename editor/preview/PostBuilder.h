#pragma once
// The post for a document, as "Copy to Web" makes it and as the preview shows it: the
// engine's fragment, the post in the forum profile's format, its loss report, the check
// before copy, and the two views of the preview (the post rendered as the forum shows it,
// and its markup). Everything here is reentrant: a refresh may build a preview on a worker
// thread while the window builds another, each with its own Converter.
#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QString>
#include <memory>
#include <optional>
#include <string>

#include "quillmark/convert.h"
#include "quillmark/formats.h"

class QTextDocument;

namespace quillmark::web {
struct Profile;
}

namespace quillmark::preview {

struct MadePost {
  QString text;            // exactly what goes on the clipboard
  std::u16string webHtml;  // the fragment it was made from
  LossReport losses;
  Format format = Format::Html;
  QString profileName;
  int limit = 0;  // the profile's longest post, in characters; 0 for none
};

// The post of the RTF text in the profile's format.
MadePost makePost(Converter &converter, const QByteArray &rtf, const web::Profile &profile);

// "12,480 characters as phpBB BBCode", with how much too long it is and what the forum does
// not show: the status-bar line after "Copied ".
QString postReport(const MadePost &post);

// "This forum does not show: colour (3 runs), centring (1 paragraph)", or empty when the
// post loses nothing.
QString lossHeader(const LossReport &losses);

// The check before copy: the fragment against the document's text, then the post against
// the fragment. What is wrong, in one line, or nothing.
std::optional<QString> checkPostAgainst(const MadePost &post, const QString &documentText);

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
  MadePost post;
  std::unique_ptr<QTextDocument> rendered;  // the post as the forum shows it
  std::unique_ptr<QTextDocument> markup;    // the post's text, its markup highlighted
  PreviewContent();
  PreviewContent(PreviewContent &&) noexcept;
  PreviewContent &operator=(PreviewContent &&) noexcept;
  ~PreviewContent();
};

// Converts the RTF for the profile and builds both views. With `withViews` false only the
// post is made (the preview is hidden, the length gauge still needs it).
PreviewContent buildPreview(const QByteArray &rtf, const web::Profile &profile,
                            const MarkupStyle &style, bool withViews);

}  // namespace quillmark::preview
