#pragma once
// What office programs put on the clipboard as HTML, brought to what Qt's HTML import reads:
// a page's stylesheet written into the tags it styles, and Word's list paragraphs made lists.
// Text only, before the import; the document never sees the page's own markup.
#include <QString>

namespace quillmark::richtext {

// `page` with the rules of its <style> blocks applied to its tags as style attributes, for
// what a post can show: weight, slant, decoration, colour, alignment, size and face. Rules
// with type, class and id selectors and descendants of them cascade as a browser's would;
// a table cell also takes what its <col> and <tr> give, over the rules every cell has. The
// face and size of the page's base rules (type selectors, Word's normal style) are the
// page's body text and are left out, as black is left to the document. The <style> blocks
// go, so that the import never applies them a second time in part.
QString applyPageStyles(const QString &page);

// `page` with Word's list paragraphs (mso-list:l0 level1 lfo1, the marker written as text in
// a part only other programs show) made <ul> and <ol> lists with their levels, numbering and
// start numbers. Paragraphs of one list that follow each other make one list.
QString wordListsAsLists(const QString &page);

}  // namespace quillmark::richtext
