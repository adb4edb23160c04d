// Finds the desktop's HTML handler and starts it. Reads $BROWSER and the XDG mime
// associations and desktop entries itself, at every call: QStandardPaths caches some of these
// locations, and the launch must follow the environment as it is now.
#include "BrowserLauncher.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTextStream>
#include <algorithm>
#include <iterator>

using namespace Qt::StringLiterals;

namespace quillmark::web {
namespace {

constexpr QLatin1StringView kHtmlType{"text/html"};
constexpr QLatin1StringView kDefaultGroup{"Default Applications"};
constexpr QLatin1StringView kAddedGroup{"Added Associations"};
constexpr QLatin1StringView kEntryGroup{"Desktop Entry"};

// Field codes of an Exec line that stand for files, addresses, the icon, the name or the
// entry's location; the address is always passed last instead, so all of them are dropped.
constexpr QLatin1StringView kFieldCodes{"fFuUickdDnNvm"};

// The first value of `key` in `[group]` of a desktop-style key file, or nothing. Keys are
// compared exactly; blanks around "=" are ignored, "#" lines are comments.
std::optional<QString> keyFileValue(const QString &path, QLatin1StringView group,
                                    QLatin1StringView key) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return std::nullopt;
  QTextStream in(&file);
  bool inGroup = false;
  QString line;
  while (in.readLineInto(&line)) {
    const QStringView text = QStringView(line).trimmed();
    if (text.isEmpty() || text.startsWith(u'#')) continue;
    if (text.startsWith(u'[') && text.endsWith(u']')) {
      inGroup = text.sliced(1, text.size() - 2) == group;
      continue;
    }
    if (!inGroup) continue;
    const qsizetype equals = text.indexOf(u'=');
    if (equals > 0 && text.first(equals).trimmed() == key)
      return text.sliced(equals + 1).trimmed().toString();
  }
  return std::nullopt;
}

// An XDG base directory variable: its value, or `fallback` when unset, empty or relative.
QString baseDir(const char *variable, const QString &fallback) {
  const QString value = qEnvironmentVariable(variable);
  return QDir::isAbsolutePath(value) ? value : fallback;
}

// An XDG search path variable: its absolute entries, or `fallback` when there are none.
QStringList baseDirs(const char *variable, const QStringList &fallback) {
  QStringList dirs;
  for (const QString &dir : qEnvironmentVariable(variable).split(u':', Qt::SkipEmptyParts))
    if (QDir::isAbsolutePath(dir)) dirs << dir;
  return dirs.isEmpty() ? fallback : dirs;
}

QStringList applicationDirs() {
  QStringList dirs{baseDir("XDG_DATA_HOME", QDir::homePath() + "/.local/share"_L1)};
  dirs << baseDirs("XDG_DATA_DIRS", {u"/usr/local/share"_s, u"/usr/share"_s});
  for (QString &dir : dirs) dir += "/applications"_L1;
  return dirs;
}

// The mimeapps.list files, most important first.
QStringList mimeappsFiles() {
  QStringList dirs{baseDir("XDG_CONFIG_HOME", QDir::homePath() + "/.config"_L1)};
  dirs << baseDirs("XDG_CONFIG_DIRS", {u"/etc/xdg"_s});
  dirs << applicationDirs();
  const QStringList desktops =
      qEnvironmentVariable("XDG_CURRENT_DESKTOP").toLower().split(u':', Qt::SkipEmptyParts);
  QStringList files;
  for (const QString &dir : dirs) {
    for (const QString &desktop : desktops) files << dir + u'/' + desktop + "-mimeapps.list"_L1;
    files << dir + "/mimeapps.list"_L1;
  }
  return files;
}

// The file of an installed desktop entry, or nothing. An entry in a subfolder has the folder
// names joined by "-" in its id ("kde-foo.desktop" may be kde/foo.desktop). The first
// application folder that holds the id wins, even when that entry is hidden.
std::optional<QString> findDesktopEntry(const QString &id) {
  if (id.isEmpty() || id.contains(u'/')) return std::nullopt;
  for (const QString &dir : applicationDirs()) {
    QString found;
    if (QFileInfo(dir + u'/' + id).isFile()) {
      found = dir + u'/' + id;
    } else if (id.contains(u'-')) {
      const QDir base(dir);
      QDirIterator it(dir, {u"*.desktop"_s}, QDir::Files, QDirIterator::Subdirectories);
      while (found.isEmpty() && it.hasNext()) {
        const QString path = it.next();
        if (base.relativeFilePath(path).replace(u'/', u'-') == id) found = path;
      }
    }
    if (found.isEmpty()) continue;
    if (keyFileValue(found, kEntryGroup, "Hidden"_L1) == u"true"_s) return std::nullopt;
    return found;
  }
  return std::nullopt;
}

// The command of the first installed entry that `group` lists for text/html, in the
// mimeapps.list files' order.
std::optional<BrowserCommand> associatedCommand(QLatin1StringView group) {
  for (const QString &list : mimeappsFiles()) {
    const std::optional<QString> ids = keyFileValue(list, group, kHtmlType);
    if (!ids) continue;
    for (const QString &id : ids->split(u';', Qt::SkipEmptyParts)) {
      const std::optional<QString> entry = findDesktopEntry(id.trimmed());
      if (!entry) continue;
      if (const std::optional<QString> exec = keyFileValue(*entry, kEntryGroup, "Exec"_L1))
        if (std::optional<BrowserCommand> command = parseExecLine(*exec)) return command;
    }
  }
  return std::nullopt;
}

// The full path of `program` when it is an executable file (a bare name is looked up on
// $PATH), otherwise empty.
QString resolveProgram(const QString &program) {
  if (!program.contains(u'/')) return QStandardPaths::findExecutable(program);
  const QFileInfo info(program);
  return info.isFile() && info.isExecutable() ? info.absoluteFilePath() : QString();
}

std::optional<BrowserCommand> commandFromBrowserVariable() {
  for (const QString &entry : qEnvironmentVariable("BROWSER").split(u':', Qt::SkipEmptyParts)) {
    QStringList words = QProcess::splitCommand(entry);
    words.removeAll(u"%s"_s);
    if (words.isEmpty() || resolveProgram(words.first()).isEmpty()) continue;
    const QString program = words.takeFirst();
    return BrowserCommand{program, words};
  }
  return std::nullopt;
}

// The escapes of a key-file string value, and the character each stands for.
struct KeyFileEscape {
  char16_t letter;
  char16_t character;
};
constexpr KeyFileEscape kKeyFileEscapes[] = {
    {u's', u' '}, {u'n', u'\n'}, {u't', u'\t'}, {u'r', u'\r'}, {u'\\', u'\\'},
};

// Undoes the escapes of a key-file string value; other backslash pairs are kept for the
// Exec quoting rules.
QString unescapeKeyFileString(const QString &value) {
  QString out;
  out.reserve(value.size());
  for (qsizetype i = 0; i < value.size(); ++i) {
    const QChar c = value[i];
    if (c != u'\\' || i + 1 == value.size()) {
      out += c;
      continue;
    }
    const QChar letter = value[++i];
    const auto escape =
        std::find_if(std::begin(kKeyFileEscapes), std::end(kKeyFileEscapes),
                     [letter](const KeyFileEscape &e) { return e.letter == letter; });
    if (escape != std::end(kKeyFileEscapes)) {
      out += QChar(escape->character);
    } else {
      out += c;
      out += letter;
    }
  }
  return out;
}

}  // namespace

std::optional<BrowserCommand> parseExecLine(const QString &exec) {
  const QString line = unescapeKeyFileString(exec);
  QStringList words;
  QString word;
  bool inWord = false;    // a word has begun
  bool quoted = false;    // the word has a quoted part, so it stays even when empty
  bool inQuotes = false;  // between double quotes
  const auto endWord = [&] {
    if (inWord && (quoted || !word.isEmpty())) words << word;
    word.clear();
    inWord = quoted = false;
  };
  for (qsizetype i = 0; i < line.size(); ++i) {
    const QChar c = line[i];
    const QChar next = i + 1 < line.size() ? line[i + 1] : QChar();
    if (inQuotes) {
      if (c == u'\\' && QStringView(u"\"`$\\").contains(next)) {
        word += next;
        ++i;
      } else if (c == u'"') {
        inQuotes = false;
      } else {
        word += c;
      }
      continue;
    }
    if (c == u' ' || c == u'\t' || c == u'\n') {
      endWord();
      continue;
    }
    inWord = true;
    if (c == u'"') {
      inQuotes = quoted = true;
    } else if (c == u'%' && next == u'%') {
      word += u'%';
      ++i;
    } else if (c == u'%' && !next.isNull() && kFieldCodes.contains(next)) {
      ++i;
    } else {
      word += c;
    }
  }
  if (inQuotes) return std::nullopt;
  endWord();
  if (words.isEmpty()) return std::nullopt;
  const QString program = words.takeFirst();
  return BrowserCommand{program, words};
}

std::optional<BrowserCommand> findHtmlHandler() {
  if (std::optional<BrowserCommand> command = commandFromBrowserVariable()) return command;
  if (std::optional<BrowserCommand> command = associatedCommand(kDefaultGroup)) return command;
  return associatedCommand(kAddedGroup);
}

LaunchResult launchBrowser(const QString &address) {
  const std::optional<BrowserCommand> command = findHtmlHandler();
  if (!command) return LaunchResult::NoBrowser;
  const QString program = resolveProgram(command->program);
  if (program.isEmpty()) return LaunchResult::NotStarted;
  const QStringList arguments = command->arguments + QStringList{address};
  return QProcess::startDetached(program, arguments) ? LaunchResult::Started
                                                     : LaunchResult::NotStarted;
}

}  // namespace quillmark::web
