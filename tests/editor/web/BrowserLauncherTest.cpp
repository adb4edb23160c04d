#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <optional>
#include <ostream>
#include <utility>
#include <vector>

#include "QtFiles.h"
#include "QtPrinters.h"
#include "web/BrowserLauncher.h"

using namespace Qt::StringLiterals;

using quillmark::web::BrowserCommand;
using quillmark::web::findHtmlHandler;
using quillmark::web::launchBrowser;
using quillmark::web::LaunchResult;
using quillmark::web::parseExecLine;

namespace {

// A text file, or with `executable` a program anyone may run.
void writeText(const QString &path, const QString &text, bool executable = false) {
  quillmark::testing::writeFile(path, text.toUtf8());
  if (executable)
    QFile::setPermissions(
        path, QFile::permissions(path) | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther);
}

std::optional<QString> readWhenWritten(const QString &path) {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < 15000) {
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) return QString::fromUtf8(file.readAll());
    QThread::msleep(20);
  }
  return std::nullopt;
}

// Points every variable the lookup reads into a fresh temporary tree, and puts them back as
// they were when the test ends, so neither the machine's own handlers nor one test's
// settings reach another.
class BrowserLauncherTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    set("XDG_CONFIG_HOME", path(u"config"_s));
    set("XDG_CONFIG_DIRS", path(u"etc"_s));
    set("XDG_DATA_HOME", path(u"data"_s));
    set("XDG_DATA_DIRS", path(u"share"_s));
    unset("XDG_CURRENT_DESKTOP");
    unset("BROWSER");
  }

  void TearDown() override {
    for (auto it = saved.rbegin(); it != saved.rend(); ++it) {
      if (it->second)
        qputenv(it->first, *it->second);
      else
        qunsetenv(it->first);
    }
  }

  void set(const char *name, const QString &value) {
    remember(name);
    qputenv(name, value.toUtf8());
  }

  void unset(const char *name) {
    remember(name);
    qunsetenv(name);
  }

  QString path(const QString &relative) const { return dir.filePath(relative); }

  // A desktop entry under XDG_DATA_HOME/applications (or `appsDir`).
  void addEntry(const QString &id, const QString &exec, const QString &extra = {},
                const QString &appsDir = u"data/applications"_s) {
    writeText(path(appsDir + u'/' + id),
              "[Desktop Entry]\nType=Application\nName=Stand-in\nExec="_L1 + exec + u'\n' + extra);
  }

  void associate(const QString &listFile, const QString &group, const QString &ids) {
    writeText(path(listFile), u'[' + group + "]\ntext/html="_L1 + ids + u'\n');
  }

  // A shell script that records its argument count and arguments, one a line.
  QString addStandInBrowser(const QString &scriptPath, const QString &outPath) {
    writeText(scriptPath,
              "#!/bin/sh\n{ printf '%s\\n' \"$#\"; printf '%s\\n' \"$@\"; } > '"_L1 + outPath +
                  ".part' && mv '"_L1 + outPath + ".part' '"_L1 + outPath + "'\n"_L1,
              true);
    return scriptPath;
  }

  QTemporaryDir dir;

 private:
  void remember(const char *name) {
    saved.emplace_back(name, qEnvironmentVariableIsSet(name)
                                 ? std::optional<QByteArray>(qgetenv(name))
                                 : std::nullopt);
  }

  std::vector<std::pair<const char *, std::optional<QByteArray>>> saved;
};

TEST_F(BrowserLauncherTest, RegisteredBrowserGetsTheBareAddressAsItsOnlyArgument) {
  const QString out = path(u"args.txt"_s);
  const QString script = addStandInBrowser(path(u"my browser/browse.sh"_s), out);
  addEntry(u"standin.desktop"_s, u'"' + script + "\" %U"_L1);
  associate(u"config/mimeapps.list"_s, u"Default Applications"_s, u"standin.desktop;"_s);

  ASSERT_EQ(findHtmlHandler(), (BrowserCommand{script, {}}));
  ASSERT_EQ(launchBrowser(u"norvane.example.org/formatting-posts.htm"_s), LaunchResult::Started);
  EXPECT_EQ(readWhenWritten(out), u"1\nnorvane.example.org/formatting-posts.htm\n"_s);
}

TEST_F(BrowserLauncherTest, BrowserVariableComesFirstAndKeepsItsArguments) {
  addEntry(u"standin.desktop"_s, u"desktop-browser %u"_s);
  associate(u"config/mimeapps.list"_s, u"Default Applications"_s, u"standin.desktop"_s);
  const QString out = path(u"args.txt"_s);
  const QString script = addStandInBrowser(path(u"bin/browse.sh"_s), out);
  set("BROWSER", path(u"no-such-browser"_s) + u':' + script + " --new-window %s"_L1);

  ASSERT_EQ(findHtmlHandler(), (BrowserCommand{script, {u"--new-window"_s}}));
  ASSERT_EQ(launchBrowser(u"ap-forum.example.org"_s), LaunchResult::Started);
  EXPECT_EQ(readWhenWritten(out), u"2\n--new-window\nap-forum.example.org\n"_s);
}

TEST_F(BrowserLauncherTest, BrowserVariableWithNothingInstalledFallsBackToTheDesktop) {
  addEntry(u"standin.desktop"_s, u"desktop-browser %u"_s);
  associate(u"config/mimeapps.list"_s, u"Default Applications"_s, u"standin.desktop"_s);
  set("BROWSER", path(u"missing-one"_s) + u':' + path(u"missing-two"_s));
  EXPECT_EQ(findHtmlHandler(), (BrowserCommand{u"desktop-browser"_s, {}}));
}

TEST_F(BrowserLauncherTest, NothingRegisteredMeansNoBrowser) {
  EXPECT_EQ(findHtmlHandler(), std::nullopt);
  EXPECT_EQ(launchBrowser(u"ap-forum.example.org"_s), LaunchResult::NoBrowser);

  // An association whose desktop entry is not installed counts as none.
  associate(u"config/mimeapps.list"_s, u"Default Applications"_s, u"gone.desktop"_s);
  EXPECT_EQ(launchBrowser(u"ap-forum.example.org"_s), LaunchResult::NoBrowser);
}

TEST_F(BrowserLauncherTest, ProgramThatCannotRunIsNotStarted) {
  writeText(path(u"plain.sh"_s), u"#!/bin/sh\nexit 0\n"_s, false);
  const QString programs[] = {path(u"no-such-program"_s), path(u"plain.sh"_s),
                              u"quillmark-no-such-browser-on-path"_s};
  associate(u"config/mimeapps.list"_s, u"Default Applications"_s, u"standin.desktop"_s);
  for (const QString &program : programs) {
    addEntry(u"standin.desktop"_s, u'"' + program + "\" %u"_L1);
    EXPECT_EQ(launchBrowser(u"ap-forum.example.org"_s), LaunchResult::NotStarted)
        << program.toStdString();
  }
}

// Which entry wins when several places name one. Each case writes its files into a fresh
// tree; the winner's Exec line names the program the case expects.
TEST_F(BrowserLauncherTest, AssociationsAreSearchedInTheDesktopOrder) {
  struct Setup {
    const char *name;
    std::vector<std::pair<QString, QString>> lists;  // file, "[group]" and text/html line
    const char *desktop;                             // XDG_CURRENT_DESKTOP
    const char *expected;                            // program of the winning entry
  };
  const auto dflt = [](const char *ids) {
    return "[Default Applications]\ntext/html="_L1 + QLatin1StringView(ids);
  };
  const auto added = [](const char *ids) {
    return "[Added Associations]\ntext/html="_L1 + QLatin1StringView(ids);
  };
  const std::vector<Setup> cases = {
      {"config home before data home",
       {{u"data/applications/mimeapps.list"_s, dflt("b.desktop")},
        {u"config/mimeapps.list"_s, dflt("a.desktop")}},
       "",
       "prog-a"},
      {"config dirs before data home",
       {{u"data/applications/mimeapps.list"_s, dflt("a.desktop")},
        {u"etc/mimeapps.list"_s, dflt("b.desktop")}},
       "",
       "prog-b"},
      {"data dirs last",
       {{u"share/applications/mimeapps.list"_s, dflt("c.desktop")}},
       "",
       "prog-c"},
      {"desktop-specific list before the plain one",
       {{u"config/mimeapps.list"_s, dflt("a.desktop")},
        {u"config/xfce-mimeapps.list"_s, dflt("b.desktop")}},
       "Wayfire:XFCE",
       "prog-b"},
      {"first installed entry of a list",
       {{u"config/mimeapps.list"_s, dflt("gone.desktop;c.desktop;a.desktop")}},
       "",
       "prog-c"},
      {"a later list when an earlier names nothing installed",
       {{u"config/mimeapps.list"_s, dflt("gone.desktop")},
        {u"etc/mimeapps.list"_s, dflt("b.desktop")}},
       "",
       "prog-b"},
      {"defaults before added associations",
       {{u"config/mimeapps.list"_s, added("a.desktop")},
        {u"share/applications/mimeapps.list"_s, dflt("c.desktop")}},
       "",
       "prog-c"},
      {"added associations when there is no default",
       {{u"config/mimeapps.list"_s, added("b.desktop")}},
       "",
       "prog-b"},
      {"entry in a vendor subfolder",
       {{u"config/mimeapps.list"_s, dflt("vendor-sub.desktop")}},
       "",
       "prog-sub"},
      {"hidden entry is not installed",
       {{u"config/mimeapps.list"_s, dflt("hidden.desktop;b.desktop")}},
       "",
       "prog-b"},
      {"entry from the data dirs",
       {{u"config/mimeapps.list"_s, dflt("shared.desktop")}},
       "",
       "prog-shared"},
  };
  for (const Setup &c : cases) {
    QTemporaryDir tree;
    ASSERT_TRUE(tree.isValid());
    std::swap(dir, tree);  // path() now points into the fresh tree
    addEntry(u"a.desktop"_s, u"prog-a %u"_s);
    addEntry(u"b.desktop"_s, u"prog-b %u"_s);
    addEntry(u"c.desktop"_s, u"prog-c %u"_s);
    addEntry(u"sub.desktop"_s, u"prog-sub"_s, {}, u"data/applications/vendor"_s);
    addEntry(u"hidden.desktop"_s, u"prog-hidden"_s, u"Hidden=true\n"_s);
    addEntry(u"shared.desktop"_s, u"prog-shared"_s, {}, u"share/applications"_s);
    for (const auto &[file, text] : c.lists) writeText(path(file), text + u'\n');
    set("XDG_CONFIG_HOME", path(u"config"_s));
    set("XDG_CONFIG_DIRS", path(u"etc"_s));
    set("XDG_DATA_HOME", path(u"data"_s));
    set("XDG_DATA_DIRS", path(u"share"_s));
    set("XDG_CURRENT_DESKTOP", QString::fromLatin1(c.desktop));

    const std::optional<BrowserCommand> found = findHtmlHandler();
    EXPECT_EQ(found ? found->program : u"(none)"_s, QString::fromLatin1(c.expected)) << c.name;
    std::swap(dir, tree);
  }
}

TEST(ParseExecLine, QuotingEscapesAndFieldCodes) {
  struct Case {
    const char *exec;  // as written in the file
    std::optional<QStringList> words;
  };
  const std::vector<Case> cases = {
      {"browser %u", QStringList{u"browser"_s}},
      {"browser --new-window %U", QStringList{u"browser"_s, u"--new-window"_s}},
      {R"("/opt/My Browser/run" %f)", QStringList{u"/opt/My Browser/run"_s}},
      {"browser %i %c %k %F %d %D %n %N %v %m", QStringList{u"browser"_s}},
      {"browser --title=100%% %u", QStringList{u"browser"_s, u"--title=100%"_s}},
      {R"(browser "say \\"hi\\"" "\\$HOME" "\\`x\\`")",
       QStringList{u"browser"_s, u"say \"hi\""_s, u"$HOME"_s, u"`x`"_s}},
      {R"(browser "a\\\\b")", QStringList{u"browser"_s, u"a\\b"_s}},
      {R"(browser\s--private)", QStringList{u"browser"_s, u"--private"_s}},
      {R"(browser "" x)", QStringList{u"browser"_s, u""_s, u"x"_s}},
      {"  browser    a\tb  ", QStringList{u"browser"_s, u"a"_s, u"b"_s}},
      {R"(br"ow"ser)", QStringList{u"browser"_s}},
      {R"(browser "unterminated)", std::nullopt},
      {"   ", std::nullopt},
      {"%u %f", std::nullopt},
  };
  for (const Case &c : cases) {
    const std::optional<BrowserCommand> parsed = parseExecLine(QString::fromUtf8(c.exec));
    std::optional<QStringList> words;
    if (parsed) words = QStringList{parsed->program} + parsed->arguments;
    EXPECT_EQ(words, c.words) << c.exec;
  }
}

}  // namespace
