// The file, edit and help commands with scripted dialogs, accepted and cancelled; files that
// cannot be opened or saved; cut, copy and paste through the clipboard; the About box and
// the browser launch failures.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextList>
#include <optional>

#include "AboutBox.h"
#include "QtFiles.h"
#include "SavedFile.h"
#include "ScriptedPlatform.h"
#include "help/HelpWindow.h"
#include "richtext/RichTextBox.h"
#include "writing/DocumentState.h"

using namespace Qt::StringLiterals;
using quillmark::Platform;
using quillmark::testing::expectFileHoldsTheDocument;
using quillmark::testing::readFile;
using quillmark::testing::ScriptedWindow;
using quillmark::testing::writeFile;

namespace {

TEST(NewCommand, AsksFirstAndClearsOnlyOnYes) {
  ScriptedWindow w;
  w.window.box().setSelText(u"draft"_s);
  w.window.box().document()->setModified(false);  // as just opened: nothing to save
  w.platform->answers = {false, true};
  w.window.dispatch(u"new"_s);
  EXPECT_EQ(w.window.box().text(), u"draft"_s);
  w.window.dispatch(u"new"_s);
  EXPECT_EQ(w.window.box().text(), QString());
  EXPECT_EQ(w.platform->questions,
            QStringList(2,
                        u"Confirm Delete: Are you sure you want to delete all text and start "
                        u"over?"_s));
}

// A new document starts at the normal size, in the size box and in what is typed, whatever
// size the old one ended at.
TEST(NewCommand, StartsAtTheNormalSize) {
  ScriptedWindow w;
  auto &box = w.window.box();
  EXPECT_EQ(w.window.fontSizeBox().currentText(), u"12"_s) << "as started";
  box.setSelFontSize(24);
  QTest::keyClicks(&box, u"big"_s);
  box.document()->setModified(false);
  w.platform->answers = {true};
  w.window.dispatch(u"new"_s);
  ASSERT_EQ(box.text(), QString());
  EXPECT_EQ(w.window.fontSizeBox().currentText(), u"12"_s);
  QTest::keyClicks(&box, u"normal"_s);
  box.selectAll();
  EXPECT_EQ(box.selFontSize(), 12.0);
}

TEST(OpenAndSave, SaveThenOpenRoundTripsAndCancelChangesNothing) {
  QTemporaryDir dir;
  const QString fileName = dir.filePath(u"post.rtf"_s);
  writeFile(fileName, "old contents");  // replaced without a question
  ScriptedWindow w;
  auto &box = w.window.box();
  box.setSelText(u"bold post"_s);
  box.setSelStart(0);
  box.setSelLength(4);
  box.setSelBold(true);

  w.platform->files = {fileName};
  w.window.dispatch(u"save"_s);
  EXPECT_TRUE(readFile(fileName).startsWith("{\\rtf1"));
  expectFileHoldsTheDocument(fileName, box);
  EXPECT_TRUE(w.platform->messages.empty());

  box.setText(u"something else"_s);
  w.platform->saveChoices = {Platform::SaveChoice::Discard, Platform::SaveChoice::Discard};
  w.window.dispatch(u"open"_s);  // cancelled: no file scripted
  EXPECT_EQ(box.text(), u"something else"_s);

  w.platform->files = {fileName};
  w.window.dispatch(u"open"_s);
  EXPECT_EQ(box.text(), u"bold post"_s);
  box.setSelStart(0);
  box.setSelLength(4);
  EXPECT_EQ(box.selBold(), true);

  ASSERT_EQ(w.platform->fileDialogs.size(), 3u);
  for (const Platform::FileDialogSettings &settings : w.platform->fileDialogs) {
    EXPECT_EQ(settings.title, u"Open Quillmark File"_s);
    EXPECT_EQ(settings.defaultSuffix, u"rtf"_s);
  }
  EXPECT_EQ(w.platform->fileDialogs[0].filter, u"*.rtf"_s);  // saving writes RTF only
  EXPECT_TRUE(w.platform->fileDialogs[2].filter.contains(
      u"(*.rtf *.odt *.docx *.html *.htm *.bbcode *.txt *.md)"_s));
  EXPECT_EQ(w.platform->fileDialogs[1].directory, QFileInfo(fileName).absolutePath());
}

// (Every way a save fails is the table of FailedSave, in SafeFilesTest.cpp.)
TEST(OpenAndSave, FailuresAreReportedAndLoseNothing) {
  QTemporaryDir dir;
  const QString notRtf = dir.filePath(u"notes.rtf"_s);
  writeFile(notRtf, "plain notes, not RTF");

  const struct {
    const char16_t *command;
    QString fileName;
  } cases[] = {
      {u"open", dir.filePath(u"missing.rtf"_s)},
      {u"open", notRtf},
      {u"open", dir.path()},
  };
  for (const auto &c : cases) {
    ScriptedWindow w;
    w.window.box().setSelText(u"unsaved work"_s);
    w.platform->saveChoices = {Platform::SaveChoice::Discard};
    w.platform->files = {c.fileName};
    w.window.dispatch(QString::fromUtf16(c.command));
    EXPECT_EQ(w.window.box().text(), u"unsaved work"_s);
    ASSERT_EQ(w.platform->messages.size(), 1u) << c.fileName.toStdString();
    const auto &message = w.platform->messages.front();
    EXPECT_EQ(message.title, u"Quillmark"_s);
    EXPECT_EQ(message.icon, Platform::Icon::Warning);
    EXPECT_TRUE(message.text.contains(QDir::toNativeSeparators(c.fileName)));
  }
  EXPECT_EQ(readFile(notRtf), "plain notes, not RTF");
}

// A web page opens as a paste of it would, in its own charset, into a document that is not
// the page's: saving asks where, so the page is never overwritten with RTF.
TEST(OpenAndSave, AWebPageOpensAsANewDocumentAndSavingAsksWhere) {
  QTemporaryDir dir;
  const QString page = dir.filePath(u"report.html"_s);
  const QByteArray html =
      "  <!DOCTYPE html><html><head><meta charset=\"iso-8859-1\"></head><body>"
      "<h2>Results</h2><ol><li>M\xFCller</li><li>Jones<ul><li>twice</li></ul></li></ol>"
      "</body></html>";
  writeFile(page, html);
  ScriptedWindow w;
  w.platform->files = {page};
  w.window.dispatch(u"open"_s);
  ASSERT_TRUE(w.platform->messages.empty());
  const QTextDocument &document = *w.window.box().document();
  EXPECT_TRUE(document.toPlainText().startsWith(u"Results\nM\u00FCller\n"_s))
      << document.toPlainText().toStdString();
  const QTextBlock heading = document.begin();
  EXPECT_EQ(heading.blockFormat().headingLevel(), 2);
  const QTextBlock nested = heading.next().next().next();
  ASSERT_NE(nested.textList(), nullptr);
  EXPECT_EQ(nested.text(), u"twice"_s);
  EXPECT_EQ(nested.textList()->format().indent(), 2);
  EXPECT_EQ(heading.next().textList()->format().style(), QTextListFormat::ListDecimal);

  EXPECT_EQ(w.window.windowTitle().left(8), u"Untitled"_s);
  const QString saved = dir.filePath(u"report.rtf"_s);
  w.platform->files = {saved};
  w.window.dispatch(u"save"_s);
  EXPECT_EQ(readFile(page), html);
  EXPECT_TRUE(readFile(saved).startsWith("{\\rtf1"));
}

// Sets an environment variable for as long as it lives.
struct ScopedEnv {
  const char *name;
  QByteArray saved;
  ScopedEnv(const char *variable, const QString &value) : name(variable), saved(qgetenv(variable)) {
    qputenv(name, value.toLocal8Bit());
  }
  ~ScopedEnv() {
    if (saved.isNull())
      qunsetenv(name);
    else
      qputenv(name, saved);
  }
};

// Ctrl+S writes a document that has a file back to it without a dialog; Save As always asks,
// starting at the document's file; the very first save starts in the user's documents, never
// in the program's own folder. The titles stay the program's own.
TEST(OpenAndSave, SaveWritesBackToTheFileAndSaveAsAlwaysAsks) {
  QTemporaryDir home;
  // In the tests' test mode Qt takes the documents folder to be ~/Documents.
  const QString documents = home.filePath(u"Documents"_s);
  ASSERT_TRUE(QDir().mkpath(documents));
  const ScopedEnv homeFolder("HOME", home.path());
  const QString first = QDir(documents).filePath(u"first.rtf"_s);
  const QString second = home.filePath(u"second.rtf"_s);

  const struct {
    const char *step;
    const char16_t *command;
    std::optional<QString> chosen;  // what the dialog answers, if one is shown
    QString dialogAt;               // where the dialog starts; empty: no dialog
    QString fileAfter;              // the document's file afterwards
  } steps[] = {
      {"the first save", u"save", first, documents, first},
      {"Ctrl+S with a file", u"save", {}, {}, first},
      {"Save As with a file", u"miSaveAs", second, first, second},
      {"Save As cancelled", u"miSaveAs", std::nullopt, second, second},
      {"Ctrl+S after Save As", u"save", {}, {}, second},
  };
  ScriptedWindow w;
  ASSERT_NE(QCoreApplication::applicationDirPath(), documents);
  for (const auto &step : steps) {
    w.window.box().setSelText(QString::fromUtf8(step.step) + u' ');
    w.platform->fileDialogs.clear();
    w.platform->files = {step.chosen};
    w.window.dispatch(QString::fromUtf16(step.command));
    if (step.dialogAt.isEmpty()) {
      EXPECT_TRUE(w.platform->fileDialogs.empty()) << step.step;
    } else {
      ASSERT_EQ(w.platform->fileDialogs.size(), 1u) << step.step;
      EXPECT_EQ(w.platform->fileDialogs[0].directory, step.dialogAt) << step.step;
      EXPECT_EQ(w.platform->fileDialogs[0].title, u"Open Quillmark File"_s) << step.step;
    }
    EXPECT_EQ(w.window.documentState().filePath(), QFileInfo(step.fileAfter).absoluteFilePath())
        << step.step;
    EXPECT_EQ(w.window.isWindowModified(), !step.chosen && !step.dialogAt.isEmpty()) << step.step;
    if (!w.window.isWindowModified()) expectFileHoldsTheDocument(step.fileAfter, w.window.box());
  }
  EXPECT_TRUE(w.platform->messages.empty());
}

// Open starts where the writer's files are, as the first save does: the folder of the last
// open or save (also of a file that did not open), else the documents folder, else home;
// never the program's own folder, where an installed program cannot save.
TEST(OpenAndSave, TheDialogsStartInTheLastFolderElseTheDocuments) {
  const struct {
    const char *name;
    bool documentsExist;
    const char16_t *before;  // a command that opens a file in `folder` first, or none
    const char *startsIn;    // "last", "documents" or "home"
  } rows[] = {
      {"nothing opened yet", true, nullptr, "documents"},
      {"no documents folder", false, nullptr, "home"},
      {"after an open", true, u"open", "last"},
      {"after a file that would not open", true, u"open bad", "last"},
      {"after a save", true, u"save", "last"},
  };
  for (const auto &row : rows) {
    SCOPED_TRACE(row.name);
    QTemporaryDir home;
    const QString documents = home.filePath(u"Documents"_s);
    if (row.documentsExist) {
      ASSERT_TRUE(QDir().mkpath(documents));
    }
    const QString folder = home.filePath(u"posts"_s);
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString file = folder + u"/post.rtf"_s;
    writeFile(file, row.before && std::u16string_view(row.before) == u"open bad"
                        ? QByteArray("not RTF at all")
                        : QByteArray("{\\rtf1 a post}"));
    const ScopedEnv homeFolder("HOME", home.path());
    ScriptedWindow w;
    if (row.before) {
      w.platform->files = {file};
      w.window.dispatch(std::u16string_view(row.before) == u"save" ? u"save"_s : u"open"_s);
    }
    w.platform->fileDialogs.clear();
    w.platform->files = {std::nullopt};
    w.window.dispatch(u"open"_s);
    const QString expected = std::string_view(row.startsIn) == "last"        ? folder
                             : std::string_view(row.startsIn) == "documents" ? documents
                                                                             : home.path();
    ASSERT_EQ(w.platform->fileDialogs.size(), 1u);
    EXPECT_EQ(w.platform->fileDialogs[0].directory, expected);
    EXPECT_EQ(w.platform->fileDialogs[0].title, u"Open Quillmark File"_s);
  }
}

TEST(OpenAndSave, OpensTheFileGivenAtStart) {
  QTemporaryDir dir;
  const QString fileName = dir.filePath(u"given.rtf"_s);
  writeFile(fileName, "{\\rtf1\\ansi Given {\\b file}.}");
  ScriptedWindow w;
  EXPECT_TRUE(w.window.openFile(fileName));
  EXPECT_EQ(w.window.box().text(), u"Given file."_s);
}

TEST(EditCommands, CutCopyAndPasteMovePlainTextThroughTheClipboard) {
  ScriptedWindow w;
  auto &box = w.window.box();
  QClipboard *clipboard = QGuiApplication::clipboard();
  box.setSelText(u"red words\rnext"_s);
  box.setSelStart(0);
  box.setSelLength(9);
  box.setSelColor(0x0000FFu);

  box.setSelStart(0);
  box.setSelLength(3);
  w.window.dispatch(u"miCopy"_s);
  EXPECT_EQ(clipboard->text(), u"red"_s);
  EXPECT_FALSE(clipboard->mimeData()->hasHtml());

  box.setSelStart(3);
  box.setSelLength(7);  // " words" and the paragraph break
  w.window.dispatch(u"miCut"_s);
  EXPECT_EQ(clipboard->text(), u" words\n"_s);
  EXPECT_EQ(box.text(), u"rednext"_s);

  // Pasted into plain text, the red words come in plain: only the text is pasted.
  box.setSelStart(7);
  w.window.dispatch(u"miPaste"_s);
  EXPECT_EQ(box.text(), u"rednext words\n"_s);
  box.setSelStart(8);
  box.setSelLength(5);
  EXPECT_EQ(box.selColor(), 0u);

  // Nothing selected: empty text; an empty clipboard pastes nothing but still deletes.
  box.setSelStart(0);
  w.window.dispatch(u"miCopy"_s);
  EXPECT_EQ(clipboard->text(), QString());
  box.setSelLength(3);
  w.window.dispatch(u"miPaste"_s);
  EXPECT_EQ(box.text(), u"next words\n"_s);
}

TEST(HelpAndAbout, ShowTheHelpWindowAndTheAboutBox) {
  ScriptedWindow w;
  QString aboutTitle, version;
  w.platform->onModal = [&](QDialog &dialog) {
    aboutTitle = dialog.windowTitle();
    if (auto *panel = dialog.findChild<QLabel *>(u"pnltour"_s)) version = panel->text();
  };
  w.window.dispatch(u"miHAbout"_s);
  EXPECT_EQ(aboutTitle, u"About Quillmark"_s);
  EXPECT_EQ(version, quillmark::AboutBox::versionText());

  for (const QString &tool : {u"miHContents"_s, u"Help"_s}) {
    w.window.dispatch(tool);
    QWidget *help = quillmark::help::HelpWindow::showContents();
    EXPECT_TRUE(help->isVisible()) << tool.toStdString();
    help->hide();
  }
}

TEST(PrintCommand, PrintsThroughThePrintDialog) {
  ScriptedWindow w;
  w.window.dispatch(u"print"_s);
  EXPECT_EQ(w.platform->printed, 1);
}

// The browser launch failures, with the desktop's handlers hidden in an empty folder.
TEST(WebCommands, TellTheUserWhenNoBrowserCanBeFoundOrStarted) {
  QTemporaryDir home;
  const QByteArray saved[] = {qgetenv("BROWSER"), qgetenv("XDG_CONFIG_HOME"),
                              qgetenv("XDG_CONFIG_DIRS"), qgetenv("XDG_DATA_HOME"),
                              qgetenv("XDG_DATA_DIRS")};
  qunsetenv("BROWSER");
  qputenv("XDG_CONFIG_HOME", home.filePath(u"config"_s).toLocal8Bit());
  qputenv("XDG_CONFIG_DIRS", home.filePath(u"etc"_s).toLocal8Bit());
  qputenv("XDG_DATA_HOME", home.filePath(u"data"_s).toLocal8Bit());
  qputenv("XDG_DATA_DIRS", home.filePath(u"share"_s).toLocal8Bit());

  ScriptedWindow w;
  w.window.dispatch(u"AP"_s);

  // A browser registered for HTML files whose program is gone.
  ASSERT_TRUE(QDir().mkpath(home.filePath(u"data/applications"_s)));
  ASSERT_TRUE(QDir().mkpath(home.filePath(u"config"_s)));
  writeFile(home.filePath(u"data/applications/gone.desktop"_s),
            "[Desktop Entry]\nType=Application\nName=Gone\nExec=" +
                home.filePath(u"gone-browser"_s).toLocal8Bit() + " %u\n");
  writeFile(home.filePath(u"config/mimeapps.list"_s),
            "[Default Applications]\ntext/html=gone.desktop\n");
  w.window.dispatch(u"Updates"_s);

  const char *names[] = {"BROWSER", "XDG_CONFIG_HOME", "XDG_CONFIG_DIRS", "XDG_DATA_HOME",
                         "XDG_DATA_DIRS"};
  for (int i = 0; i < 5; ++i) {
    if (saved[i].isNull())
      qunsetenv(names[i]);
    else
      qputenv(names[i], saved[i]);
  }

  ASSERT_EQ(w.platform->messages.size(), 2u);
  EXPECT_EQ(w.platform->messages[0].text, u"Could not find associated Browser"_s);
  EXPECT_EQ(w.platform->messages[1].text, u"Web Page not Opened"_s);
  for (const auto &message : w.platform->messages) {
    EXPECT_EQ(message.title, u"Quillmark"_s);
    EXPECT_EQ(message.icon, Platform::Icon::None);
  }
}

}  // namespace
