#include "richtext/BusyCursor.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMainWindow>
#include <QStatusBar>
#include <algorithm>

namespace quillmark::richtext {

namespace {

constexpr qint64 kRepaintMilliseconds = 100;  // how often a long piece of work lets windows paint

}  // namespace

int BusyCursor::depth_ = 0;

BusyCursor::BusyCursor(const QWidget *near, const QString &what) : what_(what) {
  ++depth_;
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  if (auto *window = near ? qobject_cast<QMainWindow *>(near->window()) : nullptr) {
    bar_ = window->statusBar();
    shown_ = what_;
    bar_->showMessage(shown_);
  }
  sinceShown_.start();
}

BusyCursor::~BusyCursor() {
  QGuiApplication::restoreOverrideCursor();
  --depth_;
  // A message the work gave meanwhile stays.
  if (bar_ && bar_->currentMessage() == shown_) bar_->clearMessage();
}

void BusyCursor::progress(qint64 done, qint64 total) {
  if (sinceShown_.elapsed() < kRepaintMilliseconds) return;
  sinceShown_.restart();
  if (bar_ && total > 0) {
    shown_ = QStringLiteral("%1 %2%").arg(what_).arg(
        std::clamp(done * 100 / total, qint64(0), qint64(100)));
    bar_->showMessage(shown_);
  }
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace quillmark::richtext
