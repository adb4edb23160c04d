// Finds the desktop's HTML handler and starts it. (To be written.)
#include "BrowserLauncher.h"

namespace quillmark::web {

QString findHtmlHandler() { return {}; }

LaunchResult launchBrowser(const QString &) { return LaunchResult::NoBrowser; }

}  // namespace quillmark::web
