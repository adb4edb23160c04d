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
#include <QTextBlock>
#include <QTextList>

#include "QuillmarkMain.h"
#include "post/PostBuilder.h"
#include "post/PostDocument.h"
#include "preview/Preview.h"
#include "preview/PreviewPanel.h"
#include "quillmark/formats.h"
#include "richtext/BusyCursor.h"
#include "richtext/DocumentModel.h"
#include "richtext/RichTextBox.h"
#include "richtext/RtfReader.h"
#include "richtext/RtfWriter.h"
#include "web/ForumsDialog.h"
#include "web/Profiles.h"

using namespace Qt::StringLiterals;

namespace quillmark {

namespace {

constexpr int kStatusMilliseconds = 8000;

using richtext::qs;

// The document's text as the engine is given it, what the check before copy holds the post
// against: the engine has no lists, rules or pictures of its own, so a numbered item's
// number, a rule's dashes and a picture's address are text there (RtfTarget::Engine).
QString engineText(const QTextDocument &document) {
  // Reading the engine's RTF back costs about as much as opening the file: only a document
  // that holds numbers, rules, pictures or tables needs it, as all else is the same text there.
  QString text = document.toRawText();
  bool flattened = text.contains(QChar::ObjectReplacementCharacter) ||
                   text.contains(QChar(0xFDD0));  // a table's frame: the engine has a padded block
  for (QTextBlock block = document.begin(); !flattened && block.isValid(); block = block.next()) {
    const QTextList *list = block.textList();
    const QTextListFormat::Style style = list ? list->format().style() : QTextListFormat::ListDisc;
    const bool numbered = style != QTextListFormat::ListDisc &&
                          style != QTextListFormat::ListCircle &&
                          style != QTextListFormat::ListSquare;
    flattened =
        numbered || block.blockFormat().hasProperty(QTextFormat::BlockTrailingHorizontalRulerWidth);
  }
  if (!flattened) return text.replace(QChar::ParagraphSeparator, u'\n');
  QTextDocument flat;
  richtext::setUpDocument(flat, richtext::pixelsToTwips(document.indentWidth()));
  richtext::readRtf(richtext::writeRtf(document, 0, -1, richtext::RtfTarget::Engine), flat);
  text = flat.toRawText();
  text.replace(QChar::ParagraphSeparator, u'\n');
  return text;
}

}  // namespace

void QuillmarkMain::copyToWeb() {
  const richtext::BusyCursor busy(this, tr("Copying the post..."));
  QClipboard *clipboard = QGuiApplication::clipboard();
  clipboard->clear();

  // The whole document, whatever its length, written straight from it.
  post::MadePost made = post::makePost(converter_, *box_->document(), profiles_->current());
  // A post too long for its forum is copied a part at a time, the first now.
  parts_ = made.parts;
  partCopied_ = 0;
  const QString report = made.parts.empty() ? post::postReport(made) : post::partReport(made, 0);
  const QString text = made.parts.empty() ? made.text : made.parts.front();
  // A post written from the model is checked against the model; the html post, the engine's,
  // against the text the engine was given.
  QString checkedText = made.model ? QString() : engineText(*box_->document());
  preview_->checkCopy(std::move(made), std::move(checkedText));
  clipboard->setText(text);
  // The whole post is selected, to show what was copied, but the view stays where the writer
  // was: selecting all does not bring the insertion point into view, so the text need not be
  // laid out to its end.
  box_->selectAll();
  offerNextPart();
  if (!parts_.empty()) {
    statusBar()->showMessage(
        tr("Copied %1; Copy Next Part (Ctrl+Alt+C) copies the next").arg(report));
    return;
  }
  statusBar()->showMessage(tr("Copied %1").arg(report), kStatusMilliseconds);
}

void QuillmarkMain::copyNextPart() {
  if (partCopied_ + 1 >= parts_.size()) {
    statusBar()->showMessage(tr("No part is left to copy: Copy to Web copies the post"),
                             kStatusMilliseconds);
    return;
  }
  ++partCopied_;
  QGuiApplication::clipboard()->setText(parts_[partCopied_]);
  const bool last = partCopied_ + 1 == parts_.size();
  const QString which = tr("part %1 of %2 (%3 characters)")
                            .arg(QLocale().toString(qulonglong(partCopied_ + 1)),
                                 QLocale().toString(qulonglong(parts_.size())),
                                 QLocale().toString(parts_[partCopied_].size()));
  statusBar()->showMessage(
      last ? tr("Copied %1, the last").arg(which)
           : tr("Copied %1; Copy Next Part (Ctrl+Alt+C) copies the next").arg(which));
  offerNextPart();
}

void QuillmarkMain::offerNextPart() {
  const bool remain = partCopied_ + 1 < parts_.size();
  nextPart_->setVisible(remain);
  if (QAction *action = toolAction(u"miCopyNextPart"_s)) action->setEnabled(remain);
  // The preview names, and shows, the part on the clipboard.
  if (preview_) preview_->panel().showCopiedPart(partCopied_, parts_.size());
}

void QuillmarkMain::convertClipboard() {
  QClipboard *clipboard = QGuiApplication::clipboard();
  const QMimeData *source = clipboard->mimeData();
  // Read as a paste into an empty document would read it, away from the user's document.
  const richtext::BusyCursor busy(this, tr("Converting the clipboard..."));
  richtext::RichTextBox scratch;
  scratch.setBulletIndent(richtext::kBulletIndentTwips);
  scratch.setSelFontSize(kStartFontSize);
  if (source) scratch.insertRich(source);
  if (scratch.document()->isEmpty()) {
    statusBar()->showMessage(tr("The clipboard holds no text to convert"), kStatusMilliseconds);
    return;
  }
  const post::MadePost made = post::makePost(converter_, *scratch.document(), profiles_->current());
  clipboard->setText(made.text);
  statusBar()->showMessage(tr("Converted the clipboard to %1").arg(post::postReport(made)),
                           kStatusMilliseconds);
}

void QuillmarkMain::pasteForumPost() {
  const QMimeData *source = QGuiApplication::clipboard()->mimeData();
  const QString text = source && source->hasText() ? source->text() : QString();
  if (text.isEmpty()) {
    statusBar()->showMessage(tr("The clipboard holds no text to paste"), kStatusMilliseconds);
    return;
  }
  const richtext::BusyCursor busy(this, tr("Pasting the forum post..."));
  const std::u16string post = text.toStdU16String();
  const Format format = post::formatToRead(post, profiles_->current().format);
  QTextCursor cursor = box_->textCursor();
  post::insertModel(cursor, readPost(post, format));
  box_->setTextCursor(cursor);
  box_->ensureCursorVisible();
  statusBar()->showMessage(
      tr("Pasted the clipboard as a post in %1").arg(qs(formatDisplayName(format))),
      kStatusMilliseconds);
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
  postAs_->setToolTip(tr("The forum \"Copy to Web\" writes the post for"));
  postAs_->setStatusTip(tr("Choose the forum, and so the format, of the post"));
  postAs_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  connect(postAs_, &QComboBox::textActivated, this, [this](const QString &name) {
    profiles_->setCurrent(name);
    // Parts copied for another forum are no parts of this one's post.
    parts_.clear();
    offerNextPart();
    post_->setToolTip(tr("Copy the post to the clipboard as %1 (Ctrl+Shift+C)")
                          .arg(qs(formatDisplayName(profiles_->current().format))));
  });
  fillPostAsBox();
}

void QuillmarkMain::fillPostAsBox() {
  QSignalBlocker blocker(postAs_);
  postAs_->clear();
  for (const web::Profile &profile : profiles_->profiles()) postAs_->addItem(profile.name);
  postAs_->setCurrentText(profiles_->current().name);
  post_->setToolTip(tr("Copy the post to the clipboard as %1 (Ctrl+Shift+C)")
                        .arg(qs(formatDisplayName(profiles_->current().format))));
}

}  // namespace quillmark
