// The file, edit and help commands: new, open, save, print, exit, cut, copy, paste, the help
// window, the About box, and the web sites.
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStandardPaths>

#include "About9.h"
#include "QuillmarkMain.h"
#include "help/HelpWindow.h"
#include "richtext/RichTextBox.h"
#include "web/BrowserLauncher.h"
#include "web/Sites.h"

using namespace Qt::StringLiterals;

namespace quillmark {

namespace {

const QString kAppTitle = u"Quillmark"_s;

}  // namespace

void QuillmarkMain::newDocument() {
  if (platform_->askYesNo(this, u"Confirm Delete"_s,
                          u"Are you sure you want to delete all text and start over?"_s))
    box_->setText(QString());
}

// Open and save start in the program's own folder, as the file dialogs always have; where
// that folder cannot take a new file (an installed program), saving starts in the user's
// documents instead.
Platform::FileDialogSettings QuillmarkMain::fileDialogSettings() const {
  return {u"Open Quillmark File"_s, QCoreApplication::applicationDirPath(), u"*.rtf"_s, u"rtf"_s};
}

bool QuillmarkMain::openFile(const QString &fileName) {
  QString error;
  if (box_->loadFile(fileName, &error)) {
    updateToolStates();
    return true;
  }
  platform_->showMessage(
      this, Platform::Icon::Warning, kAppTitle,
      u"Could not open \"%1\".\n\n%2"_s.arg(QDir::toNativeSeparators(fileName), error));
  return false;
}

void QuillmarkMain::openDocument() {
  if (const auto fileName = platform_->chooseFileToOpen(this, fileDialogSettings()))
    openFile(*fileName);
}

void QuillmarkMain::saveDocument() {
  Platform::FileDialogSettings settings = fileDialogSettings();
  if (!QFileInfo(settings.directory).isWritable())
    settings.directory = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  const auto fileName = platform_->chooseFileToSave(this, settings);
  if (!fileName) return;
  QString error;
  if (!box_->saveFile(*fileName, &error))
    platform_->showMessage(
        this, Platform::Icon::Warning, kAppTitle,
        u"Could not save \"%1\".\n\n%2"_s.arg(QDir::toNativeSeparators(*fileName), error));
}

void QuillmarkMain::printDocument() { platform_->print(this, *box_->document()); }

// Ends the program at once: nothing is asked and nothing is saved.
void QuillmarkMain::exitProgram() {
  close();
  QCoreApplication::quit();
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

void QuillmarkMain::showHelp() { help::HelpWindow::showContents(); }

void QuillmarkMain::showAbout() {
  About9 about(this);
  platform_->runModal(about);
}

void QuillmarkMain::openSite(std::u16string_view key) {
  const web::Site *site = web::findSite(key);
  DoWeb1(QString::fromUtf16(site->address.data(), qsizetype(site->address.size())));
}

void QuillmarkMain::DoWeb1(const QString &address) {
  switch (web::launchBrowser(address)) {
    case web::LaunchResult::Started:
      break;
    case web::LaunchResult::NoBrowser:
      platform_->showMessage(this, Platform::Icon::None, kAppTitle,
                             u"Could not find associated Browser"_s);
      break;
    case web::LaunchResult::NotStarted:
      platform_->showMessage(this, Platform::Icon::None, kAppTitle, u"Web Page not Opened"_s);
      break;
  }
}

}  // namespace quillmark
