// The file, edit and help commands: new, open, save, print, exit, cut, copy, paste, the help
// window, the About box, and the web sites.
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTextDocument>
#include <memory>

#include "AboutBox.h"
#include "QuillmarkMain.h"
#include "help/HelpWindow.h"
#include "post/PostDocument.h"
#include "quillmark/formats.h"
#include "quillmark/textfile.h"
#include "richtext/BusyCursor.h"
#include "richtext/DocumentFile.h"
#include "richtext/DocumentModel.h"
#include "richtext/RichTextBox.h"
#include "richtext/RtfReader.h"
#include "spelling/Spelling.h"
#include "web/BrowserLauncher.h"
#include "web/Profiles.h"
#include "web/Sites.h"
#include "writing/DocumentState.h"
#include "writing/DraftKeeper.h"
#include "writing/FindBar.h"

using namespace Qt::StringLiterals;

namespace quillmark {

namespace {

const QString kAppTitle = u"Quillmark"_s;

}  // namespace

// A changed document gets the question about saving it; an unchanged one the question
// whether to clear it.
void QuillmarkMain::newDocument() {
  if (state_->isModified()) {
    if (!mayDropDocument()) return;
  } else if (!platform_->askYesNo(this, tr("Confirm Delete"),
                                  tr("Are you sure you want to delete all text and start over?"))) {
    return;
  }
  box_->setText(QString());
  state_->setUntitled();
  documentReplaced();
}

bool QuillmarkMain::mayDropDocument() {
  return quillmark::mayDropDocument(*platform_, this, *state_, [this] { return saveDocument(); });
}

// The old document is gone (saved or discarded), and so is its draft.
void QuillmarkMain::documentReplaced() {
  // The parts of the post copied from the document before are no part of this one.
  parts_.clear();
  partCopied_ = 0;
  offerNextPart();
  drafts_->remove();
  spelling_->documentReplaced();
  updateToolStates();
}

void QuillmarkMain::openRecentFile(const QString &fileName) {
  if (mayDropDocument()) openFile(fileName);
}

// One draft at most becomes the document; the others asked about after it stay for the
// next start, as do all of them when the document is not empty (a file given at start).
void QuillmarkMain::offerDrafts() {
  for (OrphanDraft &orphan : DraftKeeper::findOrphans()) {
    if (ending_ || state_->isModified() || !box_->document()->isEmpty()) return;
    switch (platform_->askRestoreDraft(this, kAppTitle, restoreQuestion(orphan))) {
      case Platform::DraftChoice::Restore:
        break;
      case Platform::DraftChoice::Discard:
        orphan.discard();
        continue;
      case Platform::DraftChoice::Later:
        continue;
    }
    const auto rtf = drafts_->adopt(orphan);
    QString error;
    if (!rtf || !richtext::readRtf(*rtf, *box_->document(), &error)) {
      platform_->showMessage(this, Platform::Icon::Warning, kAppTitle,
                             tr("The draft could not be restored.\n\n%1").arg(error));
      continue;
    }
    state_->setUntitled(true);
    spelling_->documentReplaced();
    updateToolStates();
  }
}

// The settings both file dialogs share. They start in the folder of the last open or save,
// else in the user's documents (their home when there is no such folder): never in the
// program's own folder, which an installed program cannot write to.
Platform::FileDialogSettings QuillmarkMain::fileDialogSettings() const {
  QString folder = recent_.lastFolder();
  if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
    folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) folder = QDir::homePath();
  }
  return {tr("Open Quillmark File"), folder, u"*.rtf"_s, u"rtf"_s};
}

// A file that cannot be opened leaves the document, its name and the recent files as they
// were; one cut short opens as far as it goes, and the user is told.
bool QuillmarkMain::openFile(const QString &fileName) {
  if (isPostFile(fileName)) return openPostFile(fileName);
  QString error, notice;
  bool imported = false;
  if (box_->loadFile(fileName, &error, &notice, &imported)) {
    followDocument();
    // A web page or a word processor's document is read into a new document: saving it
    // writes RTF, which must not take the file's place.
    if (imported) {
      state_->setUntitled();
      recent_.add(fileName);
    } else {
      state_->setSaved(fileName);
      recent_.add(state_->filePath());
    }
    documentReplaced();
    if (!notice.isEmpty()) {
      platform_->showMessage(
          this, Platform::Icon::Warning, kAppTitle,
          tr("\"%1\" is not complete.\n\n%2").arg(QDir::toNativeSeparators(fileName), notice));
    }
    return true;
  }
  platform_->showMessage(
      this, Platform::Icon::Warning, kAppTitle,
      tr("Could not open \"%1\".\n\n%2").arg(QDir::toNativeSeparators(fileName), error));
  return false;
}

constexpr int kPostStatusMilliseconds = 8000;  // how long the status bar says how it was read

bool QuillmarkMain::isPostFile(const QString &fileName) {
  const QString suffix = QFileInfo(fileName).suffix().toLower();
  return suffix == u"md"_s || suffix == u"bbcode"_s || suffix == u"txt"_s;
}

// A post's file: Markdown (.md) or BBCode (.bbcode, .txt) in the dialect its tags tell, else
// the one the user chooses; a .txt without BBCode is plain text. The document is made from
// the post and has no file: saving writes RTF, which must not take the post's place.
bool QuillmarkMain::openPostFile(const QString &fileName) {
  const QString shown = QDir::toNativeSeparators(fileName);
  const richtext::FileRead file = richtext::readWholeFile(fileName);
  if (!file.ok()) {
    platform_->showMessage(this, Platform::Icon::Warning, kAppTitle,
                           tr("Could not open \"%1\".\n\n%2").arg(shown, file.error));
    return false;
  }
  std::u16string text = decodeText({file.bytes.constData(), std::size_t(file.bytes.size())});
  std::optional<Format> format;
  if (QFileInfo(fileName).suffix().toLower() == u"md"_s) {
    format = Format::Markdown;
  } else if (looksLikeBbcode(text)) {
    format = dialectOf(text);
    if (!format) {
      const Format profile = profiles_->current().format;
      const bool bbcode = profile != Format::Html && profile != Format::Markdown;
      format = platform_->askDialect(this, fileName, bbcode ? profile : Format::Bbcode);
      if (!format) return false;  // the document stays as it was
    }
  }
  const richtext::BusyCursor busy(box_, tr("Opening %1...").arg(QFileInfo(fileName).fileName()));
  auto loaded = std::make_unique<QTextDocument>();
  richtext::setUpDocument(*loaded, box_->bulletIndent());
  post::appendModel(*loaded, format ? readPost(text, *format) : post::modelOfText(text));
  box_->adoptDocument(std::move(loaded));
  followDocument();
  state_->setUntitled();
  recent_.add(fileName);
  documentReplaced();
  statusBar()->showMessage(
      tr("Opened %1 as %2")
          .arg(QFileInfo(fileName).fileName(),
               format ? richtext::qs(formatDisplayName(*format)) : tr("plain text")),
      kPostStatusMilliseconds);
  return true;
}

void QuillmarkMain::openDocument() {
  if (!mayDropDocument()) return;
  Platform::FileDialogSettings settings = fileDialogSettings();
  // A web page opens as a paste of it, an .odt or .docx document as its RTF would (through
  // LibreOffice), a forum post's markup as the formatted text it means.
  settings.filter =
      tr("Documents and posts (*.rtf *.odt *.docx *.html *.htm *.bbcode *.txt *.md);;"
         "RTF documents (*.rtf);;Word processor documents (*.odt *.docx);;"
         "Web pages (*.html *.htm);;Forum posts (*.bbcode *.txt *.md)");
  const auto fileName = platform_->chooseFileToOpen(this, settings);
  if (!fileName) return;
  // The next dialog starts where the writer went, also when this file will not open.
  recent_.setLastFolder(QFileInfo(*fileName).absolutePath());
  openFile(*fileName);
}

// Ctrl+S: a document that has a file is written back to it without a question; one without
// asks where, as Save As does.
bool QuillmarkMain::saveDocument() {
  if (state_->filePath().isEmpty()) return saveDocumentAs();
  return saveTo(state_->filePath());
}

// The dialog starts at the document's own file once it has one, else where Open starts.
bool QuillmarkMain::saveDocumentAs() {
  Platform::FileDialogSettings settings = fileDialogSettings();
  if (!state_->filePath().isEmpty()) settings.directory = state_->filePath();
  const auto fileName = platform_->chooseFileToSave(this, settings);
  return fileName && saveTo(*fileName);
}

bool QuillmarkMain::saveTo(const QString &fileName) {
  QString error;
  if (!box_->saveFile(fileName, &error)) {
    platform_->showMessage(
        this, Platform::Icon::Warning, kAppTitle,
        tr("Could not save \"%1\".\n\n%2").arg(QDir::toNativeSeparators(fileName), error));
    return false;
  }
  state_->setSaved(fileName);
  recent_.add(state_->filePath());
  drafts_->remove();
  return true;
}

void QuillmarkMain::printDocument() { platform_->print(this, *box_->document()); }

// Ends the program once the window closed: unsaved changes are asked about first.
void QuillmarkMain::exitProgram() {
  if (close()) QCoreApplication::quit();
}

// Cut, copy and paste from the menus and toolbar move plain text; Ctrl+X, Ctrl+C and Ctrl+V
// in the document keep the formatting.
void QuillmarkMain::cut() {
  QGuiApplication::clipboard()->setText(box_->selText());
  box_->setSelText(QString());
}

void QuillmarkMain::copy() { QGuiApplication::clipboard()->setText(box_->selText()); }

void QuillmarkMain::paste() {
  box_->setSelText(QString());
  box_->setSelText(QGuiApplication::clipboard()->text());
}

void QuillmarkMain::undo() { box_->undo(); }
void QuillmarkMain::redo() { box_->redo(); }
void QuillmarkMain::selectAll() { box_->selectAll(); }
void QuillmarkMain::showFind() { findBar_->showFind(); }
void QuillmarkMain::showReplace() { findBar_->showReplace(); }

// F3 with the bar hidden opens it when there is nothing to look for yet.
void QuillmarkMain::findNext() {
  if (findBar_->findField().text().isEmpty())
    findBar_->showFind();
  else
    findBar_->findNext();
}

void QuillmarkMain::showHelp() { help::HelpWindow::showContents(); }

void QuillmarkMain::showAbout() {
  AboutBox about(this);
  platform_->runModal(about);
}

void QuillmarkMain::openSite(std::u16string_view key) {
  const web::Site *site = web::findSite(key);
  DoWeb1(richtext::qs(site->address));
}

void QuillmarkMain::DoWeb1(const QString &address) {
  switch (web::launchBrowser(address)) {
    case web::LaunchResult::Started:
      break;
    case web::LaunchResult::NoBrowser:
      platform_->showMessage(this, Platform::Icon::None, kAppTitle,
                             tr("Could not find associated Browser"));
      break;
    case web::LaunchResult::NotStarted:
      platform_->showMessage(this, Platform::Icon::None, kAppTitle, tr("Web Page not Opened"));
      break;
  }
}

}  // namespace quillmark
