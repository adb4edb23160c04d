#pragma once
// Opens a web address in the browser this desktop has registered for HTML files: the program
// is found and started directly, with the bare address as its last argument. The environment
// is read at every call, so a change to $BROWSER or the XDG variables takes effect at once.
#include <QString>
#include <QStringList>
#include <optional>

namespace quillmark::web {

enum class LaunchResult {
  Started,    // the browser process started
  NoBrowser,  // no program is registered for HTML files
  NotStarted  // one is registered but could not be started
};

// A program and the arguments that go before the address.
struct BrowserCommand {
  QString program;
  QStringList arguments;

  friend bool operator==(const BrowserCommand &, const BrowserCommand &) = default;
};

// Finds the program registered for HTML files, or nothing when there is none:
//
// 1. $BROWSER, a colon-separated list of commands. Each entry is split into words at blanks;
//    double quotes keep blanks in a word (QProcess::splitCommand; no variables, no other
//    shell syntax). A word "%s" is dropped, since the address always goes last. The first
//    entry whose program is found (on $PATH, or as an executable path) is taken.
// 2. The desktop's default for text/html: the [Default Applications], then the
//    [Added Associations] of the mimeapps.list files, searched in the XDG order
//    ($XDG_CONFIG_HOME, $XDG_CONFIG_DIRS, $XDG_DATA_HOME/applications,
//    $XDG_DATA_DIRS/applications; in each, the "<desktop>-mimeapps.list" files named by
//    $XDG_CURRENT_DESKTOP before the plain one). The first listed desktop entry that is
//    installed under $XDG_DATA_HOME/applications or $XDG_DATA_DIRS/applications wins, and its
//    Exec line gives the command.
//
// The program of a desktop entry is returned as written, even when it is not installed:
// launchBrowser() reports that as NotStarted.
std::optional<BrowserCommand> findHtmlHandler();

// Splits the Exec value of a desktop entry (as stored in the file, before unescaping) into
// program and arguments: string escapes (\s \n \t \r \\) first, then double-quote quoting
// with \" \` \$ \\ inside quotes, then field codes: %f %F %u %U %i %c %k and the deprecated
// %d %D %n %N %v %m are dropped (a word made only of them disappears), %% becomes %.
// Nothing when the line is empty or badly quoted.
std::optional<BrowserCommand> parseExecLine(const QString &exec);

// Starts the HTML handler with `address` as its last argument, detached. NoBrowser when
// findHtmlHandler() finds nothing; NotStarted when the program is missing, is not
// executable, or fails to start.
LaunchResult launchBrowser(const QString &address);

}  // namespace quillmark::web
