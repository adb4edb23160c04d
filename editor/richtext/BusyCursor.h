#pragma once
// Work the writer waits for (opening, pasting, converting, saving a large post): while a
// BusyCursor lives, the program shows the busy cursor and, in the status bar of the window the
// work is done in, what it is doing and how far it has come. The cursor comes back on every
// path out of the scope, exceptions included.
#include <QElapsedTimer>
#include <QPointer>
#include <QString>
#include <QtGlobal>

class QStatusBar;
class QWidget;

namespace quillmark::richtext {

class BusyCursor {
 public:
  // `near`: a widget of the window the work is for (none: the cursor only).
  BusyCursor(const QWidget *near, const QString &what);
  ~BusyCursor();
  BusyCursor(const BusyCursor &) = delete;
  BusyCursor &operator=(const BusyCursor &) = delete;

  // `done` of `total` is done: now and then the status bar shows the share, and the windows
  // repaint. Input waits until the work is over, so nothing can change under it.
  void progress(qint64 done, qint64 total);

  // Whether some work is under way, for what must wait for it (closing the window).
  static bool active() { return depth_ > 0; }

 private:
  QPointer<QStatusBar> bar_;
  QString what_;
  QString shown_;  // the status bar's message of ours
  QElapsedTimer sinceShown_;
  static int depth_;
};

}  // namespace quillmark::richtext
