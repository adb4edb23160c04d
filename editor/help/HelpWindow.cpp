// The help window. (To be written.)
#include "HelpWindow.h"

namespace quillmark::help {

HelpWindow::HelpWindow(QWidget *parent) : QWidget(parent) {}

HelpWindow *HelpWindow::showContents() {
  static HelpWindow *window = new HelpWindow;
  window->show();
  window->raise();
  window->activateWindow();
  return window;
}

}  // namespace quillmark::help
