// The window's size, position and toolbar and dock places, kept in QSettings.
#include "WindowLayout.h"

#include <QByteArray>
#include <QDockWidget>
#include <QEvent>
#include <QMainWindow>
#include <QSettings>
#include <QString>
#include <QTimer>
#include <QToolBar>

using namespace Qt::StringLiterals;

namespace quillmark {

namespace {

const QString kGeometryKey = u"window/geometry"_s;
const QString kStateKey = u"window/state"_s;

// Watches the window and its docks and toolbars for changes of the layout, and stores it once
// they have settled.
class LayoutKeeper final : public QObject {
 public:
  LayoutKeeper(QSettings &settings, QMainWindow &window, std::chrono::milliseconds delay)
      : QObject(&window), settings_(settings), window_(window) {
    timer_.setSingleShot(true);
    timer_.setInterval(delay);
    connect(&timer_, &QTimer::timeout, this, [this] {
      if (!window_.isVisible()) return;  // closed meanwhile: what it shows is no layout now
      saveWindowLayout(settings_, window_);
      settings_.sync();
    });
    window.installEventFilter(this);
    for (QDockWidget *dock : window.findChildren<QDockWidget *>()) dock->installEventFilter(this);
    for (QToolBar *bar : window.findChildren<QToolBar *>()) bar->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject *watched, QEvent *event) override {
    switch (event->type()) {
      case QEvent::Move:
      case QEvent::Resize:
      case QEvent::Show:
      case QEvent::Hide:
      case QEvent::WindowStateChange:
        // A window not on the screen has no layout of the writer's yet, or none any more.
        if (window_.isVisible()) timer_.start();
        break;
      default:
        break;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QSettings &settings_;
  QMainWindow &window_;
  QTimer timer_;
};

}  // namespace

void saveWindowLayout(QSettings &settings, const QMainWindow &window) {
  settings.setValue(kGeometryKey, window.saveGeometry());
  settings.setValue(kStateKey, window.saveState());
}

bool restoreWindowLayout(const QSettings &settings, QMainWindow &window) {
  const QByteArray geometry = settings.value(kGeometryKey).toByteArray();
  const QByteArray state = settings.value(kStateKey).toByteArray();
  if (geometry.isEmpty() && state.isEmpty()) return false;
  bool restored = geometry.isEmpty() || window.restoreGeometry(geometry);
  if (!state.isEmpty()) restored = window.restoreState(state) && restored;
  return restored;
}

void keepWindowLayout(QSettings &settings, QMainWindow &window, std::chrono::milliseconds delay) {
  new LayoutKeeper(settings, window, delay);
}

}  // namespace quillmark
