#pragma once
// A post model made into a document: the inverse of modelOf. Each block becomes what
// DocumentModel.h says the document holds for it, so that modelOf gives the model back: runs
// with their formats, colour, size, face and link; paragraphs with their alignment and space
// after; headings; a code block as a fixed-columns block; rules; pictures of web addresses
// as picture characters (never fetched); quotes, lists and tables with their structure.
#include <optional>
#include <string_view>

#include "quillmark/formats.h"
#include "quillmark/post.h"

class QString;
class QTextBlock;
class QTextCursor;
class QTextDocument;

namespace quillmark::post {

// The format a post's text is read in when the forum it is meant for writes `format`. An
// html forum's post is no edit box's text: it is read as BBCode when it holds BBCode (in
// the dialect its tags tell, else plain BBCode), else as Markdown.
Format formatToRead(std::u16string_view text, Format format);

// Plain text as a model: a paragraph of unformatted text for each line (ended by CR-LF, CR
// or LF).
Model modelOfText(std::u16string_view text);

// The points a run of HTML font size `size` (1 to 7) is given, so that htmlSize gives `size`
// again; 0 for the post's normal text, which takes the document's own size. No value is a
// heading's size, so that a sized run in a heading stays sized.
double pointsOfSize(int size);

// A quote's source as its title line's block format holds it (richtext::kQuoteCiteProperty):
// the source and the title's text as it was made, percent-encoded.
QString citeProperty(const Attribution &cite, const QString &title);
// The source of a quote whose title line `block` is: its block format names one and its text
// is still the title it was made with. std::nullopt for any other paragraph.
std::optional<Attribution> titleCite(const QTextBlock &block);
// The title line the writer sees for a quote's source: "Bob wrote:", "Quote" without a name.
QString citeTitle(const Attribution &cite);

// Inserts `model` at `cursor` (replacing its selection) as one undo step; the cursor ends
// after what was inserted. Inside a table's cell only the text goes in, and inside a
// fixed-columns block all of it is in the fixed face, as a paste there.
void insertModel(QTextCursor &cursor, const Model &model);

// Writes `model` at the end of `document`, its first paragraph into the document's last one
// when that is empty (for a document being made: no undo step of its own).
void appendModel(QTextDocument &document, const Model &model);

}  // namespace quillmark::post
