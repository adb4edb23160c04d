// Posting: "Copy to Web" and "Convert Clipboard" turn rich text into the post the chosen forum
// profile takes (the engine's web HTML, then the profile's format) and put it on the clipboard
// as text; "Forums..." edits the profiles. The status bar says what went onto the clipboard.
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLocale>
#include <QMimeData>
#include <QPushButton>
#include <QStatusBar>
#include <climits>

#include "QuillmarkMain.h"
#include "preview/Preview.h"
#include "quillmark/formats.h"
#include "richtext/DocumentModel.h"
#include "richtext/RichTextBox.h"
#include "web/ForumsDialog.h"
#include "web/Profiles.h"

using namespace Qt::StringLiterals;

namespace quillmark {

namespace {

constexpr int kStatusMilliseconds = 8000;

using richtext::qs;

}  // namespace

QString QuillmarkMain::postFor(const QByteArray &rtf, QString &report,
                               preview::MadePost *made) const {
  preview::MadePost post = preview::makePost(converter_, rtf, profiles_->current());
  report = preview::postReport(post);
  QString text = post.text;
  if (made) *made = std::move(post);
  return text;
}

void QuillmarkMain::copyToWeb() {
  // The whole document, whatever its length.
  box_->setSelStart(0);
  box_->setSelLength(INT_MAX);

  QClipboard *clipboard = QGuiApplication::clipboard();
  clipboard->clear();

  QString report;
  preview::MadePost made;
  const QString text = postFor(box_->selRtf(), report, &made);  // the RTF is 7-bit text
  preview_->checkBeforeCopy(made, box_->text());
  clipboard->setText(text);
  statusBar()->showMessage(u"Copied "_s + report, kStatusMilliseconds);
}

void QuillmarkMain::convertClipboard() {
  QClipboard *clipboard = QGuiApplication::clipboard();
  const QMimeData *source = clipboard->mimeData();
  // Read as a paste into an empty document would read it, away from the user's document.
  richtext::RichTextBox scratch;
  scratch.setBulletIndent(richtext::kBulletIndentTwips);
  scratch.setSelFontSize(kStartFontSize);
  if (source) scratch.insertRich(source);
  if (scratch.document()->isEmpty()) {
    statusBar()->showMessage(u"The clipboard holds no text to convert"_s, kStatusMilliseconds);
    return;
  }
  scratch.setSelStart(0);
  scratch.setSelLength(INT_MAX);
  QString report;
  const QString text = postFor(scratch.selRtf(), report);
  clipboard->setText(text);
  statusBar()->showMessage(u"Converted the clipboard to "_s + report, kStatusMilliseconds);
}

void QuillmarkMain::showForums() {
  web::ForumsDialog dialog(*profiles_, this);
  platform_->runModal(dialog);
  fillPostAsBox();
  preview_->refreshNow();  // the profile's format or limit may have changed
}

void QuillmarkMain::buildPostAsBox() {
  profiles_ = std::make_unique<web::ProfileStore>();
  postAs_ = new QComboBox(this);
  postAs_->setObjectName(u"cboPostAs"_s);
  postAs_->setToolTip(u"The forum \"Copy to Web\" writes the post for"_s);
  postAs_->setStatusTip(u"Choose the forum, and so the format, of the post"_s);
  postAs_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  connect(postAs_, &QComboBox::textActivated, this, [this](const QString &name) {
    profiles_->setCurrent(name);
    post_->setToolTip(u"Copy the post to the clipboard as %1 (Ctrl+Shift+C)"_s.arg(
        qs(formatDisplayName(profiles_->current().format))));
  });
  fillPostAsBox();
}

void QuillmarkMain::fillPostAsBox() {
  QSignalBlocker blocker(postAs_);
  postAs_->clear();
  for (const web::Profile &profile : profiles_->profiles()) postAs_->addItem(profile.name);
  postAs_->setCurrentText(profiles_->current().name);
  post_->setToolTip(u"Copy the post to the clipboard as %1 (Ctrl+Shift+C)"_s.arg(
      qs(formatDisplayName(profiles_->current().format))));
}

}  // namespace quillmark
