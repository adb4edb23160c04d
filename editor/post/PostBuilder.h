#pragma once
// The making of a post, the one road "Copy to Web", "Convert Clipboard" and the preview all
// take: the document's RTF, taken where the document lives (snapshot), then the engine's web
// fragment and the post in the forum profile's format (makePost). Also what is said about a
// post: the status-bar line, the header naming what the forum does not show, and the check
// before copy. Everything here is reentrant, and all but the snapshot may run on any thread:
// the preview makes a post on a worker while the window makes another, each with its own
// Converter.
#include <QByteArray>
#include <QString>
#include <optional>
#include <string>

#include "quillmark/convert.h"
#include "quillmark/formats.h"

class QTextDocument;

namespace quillmark::web {
struct Profile;
}

namespace quillmark::post {

struct MadePost {
  QString text;            // exactly what goes on the clipboard
  std::u16string webHtml;  // the fragment it was made from
  LossReport losses;
  Format format = Format::Html;
  QString profileName;
  int limit = 0;  // the profile's longest post, in characters; 0 for none
};

// The document as a post is made from it: its whole RTF, in the dialect the engine reads.
// Taken on the document's thread; what follows may run on another.
QByteArray snapshot(const QTextDocument &document);

// The post of a snapshot, `rtf`, in the profile's format.
MadePost makePost(Converter &converter, const QByteArray &rtf, const web::Profile &profile);
// The post of a document, snapshot and all, on the document's thread.
MadePost makePost(Converter &converter, const QTextDocument &document, const web::Profile &profile);

// "12,480 characters as phpBB BBCode", with how much too long it is and what the forum does
// not show: the status-bar line after "Copied ".
QString postReport(const MadePost &post);

// "This forum does not show: colour (3 runs), centring (1 paragraph)", or empty when the
// post loses nothing.
QString lossHeader(const LossReport &losses);

// The check before copy: the fragment against the document's text, then the post against
// the fragment. What is wrong, in one line, or nothing.
std::optional<QString> checkPostAgainst(const MadePost &post, const QString &documentText);

}  // namespace quillmark::post
