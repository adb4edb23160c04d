// The document's file name and modified flag, the window title made of them, and the
// question before a changed document is dropped.
#include "DocumentState.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextDocument>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace quillmark {

DocumentState::DocumentState(QTextDocument &document, QObject *parent)
    : QObject(parent), document_(document) {
  connect(&document_, &QTextDocument::modificationChanged, this, [this] {
    updateWindow();
    emit changed();
  });
}

QString DocumentState::displayName() const {
  return filePath_.isEmpty() ? tr("Untitled") : QFileInfo(filePath_).fileName();
}

bool DocumentState::isModified() const { return document_.isModified(); }

void DocumentState::setSaved(const QString &filePath) {
  filePath_ = QFileInfo(filePath).absoluteFilePath();
  const QSignalBlocker blocker(&document_);  // one changed() below, not two
  document_.setModified(false);
  updateWindow();
  emit changed();
}

void DocumentState::setUntitled(bool modified) {
  filePath_.clear();
  {
    const QSignalBlocker blocker(&document_);
    document_.setModified(modified);
  }
  updateWindow();
  emit changed();
}

QString DocumentState::windowTitle() const {
  // The name's own "[*]" would be taken for the placeholder; Qt reads "[*][*]" as a literal.
  QString name = displayName();
  name.replace(u"[*]"_s, u"[*][*]"_s);
  return name + u"[*] \u2014 "_s + QString::fromUtf16(kWindowCaption);
}

void DocumentState::attach(QWidget &window) {
  window_ = &window;
  connect(&window, &QObject::destroyed, this, [this] { window_ = nullptr; });
  updateWindow();
}

void DocumentState::updateWindow() {
  if (!window_) return;
  window_->setWindowTitle(windowTitle());
  window_->setWindowModified(isModified());
}

Platform::SaveChoice askToSave(Platform &platform, QWidget *parent, const QString &name) {
  return platform.askSaveDiscardCancel(
      parent, QString::fromUtf16(kWindowCaption),
      QCoreApplication::translate("DocumentState", "Save changes to %1?").arg(name));
}

bool mayDropDocument(Platform &platform, QWidget *parent, const DocumentState &state,
                     const std::function<bool()> &save) {
  if (!state.isModified()) return true;
  switch (askToSave(platform, parent, state.displayName())) {
    case Platform::SaveChoice::Save:
      return save();
    case Platform::SaveChoice::Discard:
      return true;
    case Platform::SaveChoice::Cancel:
      break;
  }
  return false;
}

}  // namespace quillmark
