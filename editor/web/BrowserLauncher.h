#pragma once
// Opens a web address in the browser this desktop has registered for HTML files: the program
// is found and started directly, with the bare address as its only argument.
#include <QString>

namespace quillmark::web {

enum class LaunchResult {
  Started,    // the browser process started
  NoBrowser,  // no program is registered for HTML files
  NotStarted  // one is registered but could not be started
};

// Finds the program registered for HTML files: $BROWSER when set, else the desktop's
// default for text/html (XDG mime associations and the desktop entry's Exec line). Empty
// when there is none.
QString findHtmlHandler();

LaunchResult launchBrowser(const QString &address);

}  // namespace quillmark::web
