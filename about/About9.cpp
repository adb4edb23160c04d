// The About box. (To be written.)
#include "About9.h"

#include "quillmark/version.h"

namespace quillmark {

About9::About9(QWidget *parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("About Quillmark"));
}

QString About9::versionText() { return QStringLiteral("Quillmark Version "); }

}  // namespace quillmark
