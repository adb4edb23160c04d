#pragma once
// The About box: the program's version and an OK button.
#include <QDialog>

namespace quillmark {

class About9 : public QDialog {
  Q_OBJECT

 public:
  explicit About9(QWidget *parent = nullptr);

  // "Quillmark Version " and the version, e.g. "Quillmark Version 1.0.3".
  static QString versionText();
};

}  // namespace quillmark
