#pragma once
// The user guide: a window with the contents and a search beside the pages. The guide ships
// inside the program as resources.
#include <QWidget>

namespace quillmark::help {

class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  explicit HelpWindow(QWidget *parent = nullptr);

  // Shows the one help window of the program at its contents page, creating it the first
  // time, and brings it to the front.
  static HelpWindow *showContents();
};

}  // namespace quillmark::help
