#include "formatted_document.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

#include "richtext/DocumentModel.h"

using namespace Qt::StringLiterals;

namespace quillmark::bench {

void fillFormattedDocument(QTextDocument &document, int paragraphs) {
  richtext::setUpDocument(document, 250);
  QTextCursor cursor(&document);
  QTextCharFormat plain, bold, italic, red, big;
  bold.setFontWeight(QFont::Bold);
  italic.setFontItalic(true);
  red.setForeground(QColor(200, 0, 0));
  big.setFontPointSize(14);
  QTextBlockFormat left, centred;
  centred.setAlignment(Qt::AlignHCenter);
  QTextListFormat bullets;
  bullets.setStyle(QTextListFormat::ListDisc);
  bullets.setIndent(1);
  QTextList *list = nullptr;

  cursor.beginEditBlock();
  for (int i = 0; i < paragraphs; ++i) {
    if (i > 0) cursor.insertBlock(i % 10 == 5 ? centred : left, plain);
    if (i % 7 == 3) {
      if (list)
        list->add(cursor.block());
      else
        list = cursor.createList(bullets);
    } else {
      list = nullptr;
    }
    cursor.insertText(u"Paragraph "_s + QString::number(i) + u" with "_s, plain);
    cursor.insertText(u"bold"_s, bold);
    cursor.insertText(u", "_s, plain);
    cursor.insertText(u"italic caf\u00e9 \u20ac"_s, italic);
    cursor.insertText(u" and "_s, plain);
    cursor.insertText(u"red {text}"_s, i % 3 == 0 ? red : big);
    cursor.insertText(u"\tend of the line, and some more words to make a sentence."_s, plain);
  }
  cursor.endEditBlock();
}

}  // namespace quillmark::bench
