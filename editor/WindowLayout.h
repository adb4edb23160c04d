#pragma once
// What the window remembers of itself between runs, in QSettings: its size, position and the
// places of its toolbars and docks.
#include <chrono>

class QMainWindow;
class QSettings;

namespace quillmark {

// Stores the window's size, position and the places of its toolbars and docks. The toolbars
// and docks must carry object names, which QMainWindow::saveState() keys them by.
void saveWindowLayout(QSettings &settings, const QMainWindow &window);
// False when nothing was stored (the window keeps its default layout).
bool restoreWindowLayout(const QSettings &settings, QMainWindow &window);

// How long the layout must stay unchanged before it is stored: a drag or a resize stores it
// once, when it ends.
inline constexpr std::chrono::milliseconds kLayoutKeepDelay{500};

// From now on stores the layout whenever it changes (the window moved, resized, maximised;
// one of its docks or toolbars, as they are now, moved, resized, shown or hidden), `delay`
// after the last change, and writes the settings out at once: a program that is killed
// comes back in the window the writer had, not only one that closed. Lasts as long as the
// window; `settings` must outlive it.
void keepWindowLayout(QSettings &settings, QMainWindow &window,
                      std::chrono::milliseconds delay = kLayoutKeepDelay);

}  // namespace quillmark
