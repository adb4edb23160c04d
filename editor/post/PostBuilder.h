#pragma once
// The making of a post, the one road "Copy to Web", "Convert Clipboard" and the preview all
// take: what the format needs of the document, taken where the document lives (snapshot),
// then the post in the forum profile's format (makePost). An html post is the engine's web
// fragment of the document's RTF; every other format is written from the document's post
// model (DocumentPost.h), which keeps its lists, quotes, headings and code block. Also what
// is said about a post: the status-bar line, the header naming what the forum does not show,
// and the check before copy. Everything here is reentrant, and all but the snapshot may run
// on any thread: the preview makes a post on a worker while the window makes another, each
// with its own Converter.
#include <QByteArray>
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "quillmark/convert.h"
#include "quillmark/formats.h"
#include "quillmark/post.h"

class QTextDocument;

namespace quillmark::web {
struct Profile;
}

namespace quillmark::post {

struct MadePost {
  QString text;                // exactly what goes on the clipboard
  std::u16string webHtml;      // html: the fragment it is
  std::optional<Model> model;  // every other format: the model it was written from
  LossReport losses;
  Format format = Format::Html;
  QString profileName;
  int limit = 0;        // the profile's longest post, in characters; 0 for none
  PostOptions options;  // what the forum takes beyond its format (tables)
  // A post longer than the profile's limit as the forum counts it: its parts, each within
  // the limit, to be copied one after the other (text stays the whole post). Empty for a
  // post within the limit, and for html, whose fragment has no model to cut.
  std::vector<QString> parts;
};

// The document's whole RTF, in the dialect the engine reads.
QByteArray snapshot(const QTextDocument &document);

// The document as a post in `format` is made from it: for html its RTF, for every other
// format its post model. Taken on the document's thread; what follows may run on another.
struct Snapshot {
  Format format = Format::Html;
  QByteArray rtf;      // html
  LossReport losses;   // html: what the engine cannot show of the document's structures
  Model model;         // the other formats
  qsizetype size = 0;  // how much there is to convert: the RTF's bytes, the document's characters
};
Snapshot snapshot(const QTextDocument &document, Format format);

// The post of a snapshot in its format, named and limited as the profile says.
MadePost makePost(Converter &converter, Snapshot snapshot, const web::Profile &profile);
// The post of a document, snapshot and all, on the document's thread.
MadePost makePost(Converter &converter, const QTextDocument &document, const web::Profile &profile);

// "12,480 characters as phpBB BBCode", with how much too long it is and what the forum does
// not show: the status-bar line after "Copied ".
QString postReport(const MadePost &post);
// For a post in parts, "part 1 of 3 (9,980 characters) as XenForo BBCode" and what the forum
// does not show: the status-bar line after "Copied ". `part` counts from 0.
QString partReport(const MadePost &post, std::size_t part);
// The text the preview shows of a post in parts: the parts one after the other, a line
// naming each ("——— Part 2 of 3 ———") between them; the post's text when it is whole.
QString partsShown(const MadePost &post);
// The line naming part `part` (counting from 0) of `count` in partsShown.
QString partLine(std::size_t part, std::size_t count);

// "This forum does not show: colour (3 runs), centring (1 paragraph)", or empty when the
// post loses nothing.
QString lossHeader(const LossReport &losses);

// The loss report in the desktop's language: an element's name ("colour"), a count of its
// unit ("3 runs") and the line formatLoss writes ("colour: 3 runs"); in English the same
// words as the formats library's.
QString lostElementName(Element element);
QString lostCount(const Loss &loss);
QString lostLine(const Loss &loss);

// The check before copy: a post written from a model against the model; an html post (or
// one made from a fragment) the fragment against the document's text, then the post against
// the fragment. What is wrong, in one line, or nothing.
// The first piece of HTML the writer typed in the document's text: a tag of the engine's
// vocabulary ("<b>", "</font>", "<font color=\"red\">", "<br>") or a character reference
// ("&lt;", "&amp"). An html post carries the writer's text as it is, by design, so the forum
// reads such a piece as markup: the check before copy then finds the post unlike the
// document, through the writer's markup, not a fault. Empty when there is none.
QString typedMarkup(const QString &documentText);

std::optional<QString> checkPostAgainst(const MadePost &post, const QString &documentText);

}  // namespace quillmark::post
