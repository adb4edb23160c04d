#pragma once
// The About box: the program's version, a line about the program, and an OK button. Modal:
// the main window shows it with exec(); OK accepts, the close box rejects, both close it.
#include <QDialog>

namespace quillmark {

class AboutBox : public QDialog {
  Q_OBJECT

 public:
  explicit AboutBox(QWidget *parent = nullptr);

  // "Quillmark Version " and the version, e.g. "Quillmark Version 1.0.3".
  static QString versionText();

  // The fixed text of the second panel.
  static QString aboutText();
};

}  // namespace quillmark
