// The program's Platform: Qt's message boxes, file, colour and print dialogs, and the end of
// the desktop session. Every message box shows its text as plain text: it may quote the
// writer's post or a file's name, and "<b>" there is four characters, not bold.
#include <QCheckBox>
#include <QColorDialog>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGuiApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSessionManager>
#include <QSpinBox>
#include <QTextDocument>

#include "Platform.h"
#include "StopSignals.h"
#include "quillmark/formats.h"
#include "richtext/DocumentModel.h"

using namespace Qt::StringLiterals;

namespace quillmark {

namespace {

std::optional<QString> runFileDialog(QWidget *parent, const Platform::FileDialogSettings &settings,
                                     QFileDialog::AcceptMode mode) {
  QFileDialog dialog(parent, settings.title, settings.directory, settings.filter);
  dialog.setAcceptMode(mode);
  dialog.setDefaultSuffix(settings.defaultSuffix);
  if (mode == QFileDialog::AcceptOpen) {
    dialog.setFileMode(QFileDialog::ExistingFile);
  } else {
    dialog.setFileMode(QFileDialog::AnyFile);  // and asks before replacing a file
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().constFirst();
}

// A message box that Esc closes like its close box, also when none of its buttons is one Esc
// stands for: QMessageBox itself then ignores the key.
class EscapableMessageBox final : public QMessageBox {
 public:
  using QMessageBox::QMessageBox;

 protected:
  void keyPressEvent(QKeyEvent *event) override {
    if (event->matches(QKeySequence::Cancel) && !escapeButton()) {
      reject();
      return;
    }
    QMessageBox::keyPressEvent(event);
  }
};

}  // namespace

bool QtPlatform::askYesNo(QWidget *parent, const QString &title, const QString &text) {
  QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

Platform::SaveChoice QtPlatform::askSaveDiscardCancel(QWidget *parent, const QString &title,
                                                      const QString &text) {
  QMessageBox box(QMessageBox::Warning, title, text,
                  QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(QMessageBox::Save);
  // Qt's own texts for these buttons have no access key on every desktop.
  box.button(QMessageBox::Save)->setText(QCoreApplication::translate("QtPlatform", "&Save"));
  box.button(QMessageBox::Discard)->setText(QCoreApplication::translate("QtPlatform", "&Discard"));
  box.button(QMessageBox::Cancel)->setText(QCoreApplication::translate("QtPlatform", "&Cancel"));
  switch (box.exec()) {
    case QMessageBox::Save:
      return SaveChoice::Save;
    case QMessageBox::Discard:
      return SaveChoice::Discard;
    default:
      return SaveChoice::Cancel;
  }
}

Platform::DraftChoice QtPlatform::askRestoreDraft(QWidget *parent, const QString &title,
                                                  const QString &text) {
  EscapableMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, parent);
  box.setTextFormat(Qt::PlainText);
  QPushButton *restore =
      box.addButton(QCoreApplication::translate("QtPlatform", "&Restore"), QMessageBox::AcceptRole);
  QPushButton *discard = box.addButton(QCoreApplication::translate("QtPlatform", "&Discard"),
                                       QMessageBox::DestructiveRole);
  box.setDefaultButton(restore);
  box.exec();
  if (box.clickedButton() == restore) return DraftChoice::Restore;
  if (box.clickedButton() == discard) return DraftChoice::Discard;
  return DraftChoice::Later;
}

void QtPlatform::showMessage(QWidget *parent, Icon icon, const QString &title,
                             const QString &text) {
  QMessageBox box(icon == Icon::Warning    ? QMessageBox::Warning
                  : icon == Icon::Question ? QMessageBox::Question
                                           : QMessageBox::NoIcon,
                  title, text, QMessageBox::Ok, parent);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

std::optional<QString> QtPlatform::chooseFileToOpen(QWidget *parent,
                                                    const FileDialogSettings &settings) {
  return runFileDialog(parent, settings, QFileDialog::AcceptOpen);
}

std::optional<QString> QtPlatform::chooseFileToSave(QWidget *parent,
                                                    const FileDialogSettings &settings) {
  return runFileDialog(parent, settings, QFileDialog::AcceptSave);
}

std::optional<QColor> QtPlatform::chooseColor(QWidget *parent, const QColor &initial) {
  const QColor color = QColorDialog::getColor(initial, parent);
  if (!color.isValid()) return std::nullopt;
  return color;
}

void QtPlatform::runModal(QDialog &dialog) { dialog.exec(); }

std::optional<QString> QtPlatform::askText(QWidget *parent, const QString &title,
                                           const QString &label, const QString &initial) {
  bool ok = false;
  QString text = QInputDialog::getText(parent, title, label, QLineEdit::Normal, initial, &ok);
  if (!ok) return std::nullopt;
  return text;
}

// The BBCode dialects by their names, in the order of allFormats.
std::optional<Format> QtPlatform::askDialect(QWidget *parent, const QString &fileName,
                                             Format initial) {
  QStringList names;
  std::vector<Format> dialects;
  int current = 0;
  for (const FormatInfo &info : allFormats()) {
    if (info.format == Format::Html || info.format == Format::Markdown) continue;
    if (info.format == initial) current = int(dialects.size());
    dialects.push_back(info.format);
    names << richtext::qs(info.displayName);
  }
  bool ok = false;
  const QString chosen = QInputDialog::getItem(
      parent, QCoreApplication::translate("QtPlatform", "Open Forum Post"),
      QCoreApplication::translate("QtPlatform",
                                  "\"%1\" holds BBCode that several forums write.\nRead it "
                                  "as the BBCode of:")
          .arg(QFileInfo(fileName).fileName()),
      names, current, false, &ok);
  if (!ok) return std::nullopt;
  const qsizetype index = names.indexOf(chosen);
  if (index < 0) return std::nullopt;
  return dialects[std::size_t(index)];
}

std::optional<Platform::PictureAddress> QtPlatform::askPicture(QWidget *parent) {
  QDialog dialog(parent);
  dialog.setWindowTitle(QCoreApplication::translate("QtPlatform", "Picture from Address"));
  auto *address = new QLineEdit(&dialog);
  address->setPlaceholderText(u"https://"_s);
  address->setMinimumWidth(360);
  auto *alt = new QLineEdit(&dialog);
  address->setAccessibleDescription(QCoreApplication::translate(
      "QtPlatform", "The picture's web address, starting https:// or http://"));
  alt->setAccessibleDescription(
      QCoreApplication::translate("QtPlatform", "The words that stand for the picture"));
  auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  auto *form = new QFormLayout(&dialog);
  form->addRow(QCoreApplication::translate("QtPlatform", "Picture's &address:"), address);
  form->addRow(QCoreApplication::translate("QtPlatform", "Alternative &text:"), alt);
  form->addRow(buttons);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return PictureAddress{address->text(), alt->text()};
}

std::optional<Platform::TableShape> QtPlatform::askTable(QWidget *parent,
                                                         const TableShape &initial) {
  QDialog dialog(parent);
  dialog.setWindowTitle(QCoreApplication::translate("QtPlatform", "Insert Table"));
  auto *rows = new QSpinBox(&dialog);
  rows->setRange(1, richtext::kMaxTableRows);
  rows->setValue(initial.rows);
  auto *columns = new QSpinBox(&dialog);
  columns->setRange(1, richtext::kMaxTableColumns);
  columns->setValue(initial.columns);
  auto *header =
      new QCheckBox(QCoreApplication::translate("QtPlatform", "First row is a &header"), &dialog);
  header->setChecked(initial.headerRow);
  rows->setAccessibleDescription(
      QCoreApplication::translate("QtPlatform", "How many rows the table has"));
  columns->setAccessibleDescription(
      QCoreApplication::translate("QtPlatform", "How many columns the table has"));
  header->setAccessibleDescription(
      QCoreApplication::translate("QtPlatform", "The first row heads the columns"));
  // A spin box's field is a text control of its own to a screen reader.
  rows->findChild<QLineEdit *>()->setAccessibleName(
      QCoreApplication::translate("QtPlatform", "Rows"));
  columns->findChild<QLineEdit *>()->setAccessibleName(
      QCoreApplication::translate("QtPlatform", "Columns"));
  auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  auto *form = new QFormLayout(&dialog);
  form->addRow(QCoreApplication::translate("QtPlatform", "&Rows:"), rows);
  form->addRow(QCoreApplication::translate("QtPlatform", "&Columns:"), columns);
  form->addRow(header);
  form->addRow(buttons);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return TableShape{rows->value(), columns->value(), header->isChecked()};
}

bool QtPlatform::print(QWidget *parent, QTextDocument &document) {
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog dialog(&printer, parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  document.print(&printer);
  return true;
}

// The session manager's request comes straight to `ending`, so that what it writes is on
// disk before the session goes on ending.
void QtPlatform::onSessionEnd(QObject *context, std::function<void()> ending) {
  if (auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
    QObject::connect(app, &QGuiApplication::commitDataRequest, context,
                     [ending](QSessionManager &) { ending(); });
  }
  QObject::connect(StopSignals::instance(), &StopSignals::received, context,
                   [ending](int) { ending(); });
}

}  // namespace quillmark
