#pragma once
// What the window remembers of itself between runs, in QSettings: its size, position and the
// places of its toolbars and docks.
class QMainWindow;
class QSettings;

namespace quillmark {

// Stores the window's size, position and the places of its toolbars and docks. The toolbars
// and docks must carry object names, which QMainWindow::saveState() keys them by.
void saveWindowLayout(QSettings &settings, const QMainWindow &window);
// False when nothing was stored (the window keeps its default layout).
bool restoreWindowLayout(const QSettings &settings, QMainWindow &window);

}  // namespace quillmark
