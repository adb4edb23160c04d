// "Copy to Web": the whole document through the converter, with the web rewrites, onto the
// clipboard as text. The document is left selected, so the user sees what was copied.
#include <QClipboard>
#include <QGuiApplication>
#include <climits>

#include "QuillmarkMain.h"
#include "richtext/RichTextBox.h"

namespace quillmark {

void QuillmarkMain::copyToWeb() {
  // The whole document, whatever its length.
  box_->setSelStart(0);
  box_->setSelLength(INT_MAX);

  QClipboard *clipboard = QGuiApplication::clipboard();
  clipboard->clear();

  const QByteArray rtf = box_->selRtf();  // 7-bit text
  const std::u16string html = rewriteForWeb(converter_.convertRtfToHtml(
      decodeWindows1252({rtf.constData(), std::size_t(rtf.size())}), kWebOptions));
  clipboard->setText(QString::fromStdU16String(html));
}

}  // namespace quillmark
