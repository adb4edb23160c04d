// "Copy to Web": the whole document through the converter, with the web rewrites, onto the
// clipboard as text. The document is left selected, so the user sees what was copied.
#include <QClipboard>
#include <QGuiApplication>
#include <algorithm>
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

  // The writer's RTF is 7-bit text, so each byte is one character.
  const QByteArray rtf = box_->selRtf();
  std::u16string text(std::size_t(rtf.size()), u'\0');
  std::transform(rtf.begin(), rtf.end(), text.begin(),
                 [](char byte) { return char16_t(static_cast<unsigned char>(byte)); });
  const std::u16string html =
      rewriteForWeb(converter_.convertRtfToHtml(std::move(text), kWebOptions));
  clipboard->setText(QString::fromStdU16String(html));
}

}  // namespace quillmark
