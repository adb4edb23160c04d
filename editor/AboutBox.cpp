// The About box. Child widgets carry the object names the rest of the program and the tests
// look them up by: "pnltour" (the version), "Panel3D1" (the fixed text), "Command1" (OK).
#include "AboutBox.h"

#include <QColor>
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QVBoxLayout>

#include "QuillmarkMain.h"
#include "quillmark/version.h"
#include "richtext/DocumentModel.h"

namespace quillmark {
namespace {

constexpr QSize kClientSize{480, 124};  // a 7065 x 1755 twip client area at 96 dpi

QLabel *makePanel(const QString &objectName, const QString &text, QWidget *parent) {
  auto *panel = new QLabel(text, parent);
  panel->setObjectName(objectName);
  panel->setFont(QFont(QString::fromUtf16(richtext::kDefaultFontName)));
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setAlignment(Qt::AlignCenter);
  panel->setMargin(4);
  return panel;
}

}  // namespace

AboutBox::AboutBox(QWidget *parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("About Quillmark"));
  setModal(true);

  QPalette background = palette();
  background.setColor(QPalette::Window, QuillmarkMain::kWindowColor);
  // Its text stays dark on the light colour under a dark desktop theme too.
  background.setColor(QPalette::WindowText, Qt::black);
  setPalette(background);
  setAutoFillBackground(true);

  QLabel *version = makePanel(QStringLiteral("pnltour"), versionText(), this);
  QLabel *about = makePanel(QStringLiteral("Panel3D1"), aboutText(), this);

  auto *ok = new QPushButton(QStringLiteral("&OK"), this);
  ok->setObjectName(QStringLiteral("Command1"));
  ok->setDefault(true);
  ok->setAccessibleDescription(tr("Closes the About box"));
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  auto *bottom = new QHBoxLayout;
  bottom->addWidget(about, 1);
  bottom->addWidget(ok);

  auto *layout = new QVBoxLayout(this);
  layout->addWidget(version);
  layout->addLayout(bottom);

  resize(kClientSize.expandedTo(sizeHint()));
}

QString AboutBox::versionText() {
  return QStringLiteral("Quillmark Version %1.%2.%3")
      .arg(kVersionMajor)
      .arg(kVersionMinor)
      .arg(kVersionPatch);
}

QString AboutBox::aboutText() {
  return QStringLiteral("Formatted forum posts from rich text. \u00A9 Norvane.");
}

}  // namespace quillmark
