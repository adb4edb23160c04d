// The window's size, position and toolbar and dock places, kept in QSettings.
#include "WindowLayout.h"

#include <QByteArray>
#include <QMainWindow>
#include <QSettings>
#include <QString>

using namespace Qt::StringLiterals;

namespace quillmark {

namespace {

const QString kGeometryKey = u"window/geometry"_s;
const QString kStateKey = u"window/state"_s;

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

}  // namespace quillmark
