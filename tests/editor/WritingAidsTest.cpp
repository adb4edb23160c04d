// The window's writing aids wired together: the question before a changed document is closed
// or replaced (every answer, and a save that fails, lose nothing), the title and its mark, a
// draft kept by one window and restored by the next, the recent files, and find and replace.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QToolBar>
#include <functional>
#include <memory>
#include <optional>

#include "QtFiles.h"
#include "SavedFile.h"
#include "ScriptedPlatform.h"
#include "richtext/BusyCursor.h"
#include "richtext/RichTextBox.h"
#include "spelling/Spelling.h"
#include "writing/DocumentState.h"
#include "writing/DraftKeeper.h"
#include "writing/FindBar.h"
#include "writing/RecentFiles.h"

using namespace Qt::StringLiterals;
using quillmark::Platform;
using quillmark::testing::expectFileHoldsTheDocument;
using quillmark::testing::readFile;
using quillmark::testing::ScriptedWindow;
using Choice = quillmark::Platform::SaveChoice;

namespace {

// Drafts (and word lists) in a folder of this test's own, not the one shared by the tests
// running beside it.
class OwnDataFolder {
 public:
  OwnDataFolder() {
    QStandardPaths::setTestModeEnabled(false);
    old_ = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", dir_.path().toLocal8Bit());
  }
  ~OwnDataFolder() {
    qputenv("XDG_DATA_HOME", old_);
    QStandardPaths::setTestModeEnabled(true);
  }
  QString drafts() const { return quillmark::DraftKeeper::defaultFolder(); }

 private:
  QTemporaryDir dir_;
  QByteArray old_;
};

// Close, Exit, Open and New on a changed document, with each answer to "Save changes?".
TEST(UnsavedChanges, EveryAnswerKeepsOrSavesTheWork) {
  enum class SaveDialog { Chosen, Cancelled, Unwritable };
  const struct {
    Choice choice;
    SaveDialog dialog;
    bool goesAhead;
    bool saved;
  } answers[] = {
      {Choice::Save, SaveDialog::Chosen, true, true},
      {Choice::Save, SaveDialog::Cancelled, false, false},
      {Choice::Save, SaveDialog::Unwritable, false, false},
      {Choice::Discard, SaveDialog::Chosen, true, false},
      {Choice::Cancel, SaveDialog::Chosen, false, false},
  };
  const char16_t *commands[] = {u"close", u"exit", u"open", u"new"};
  for (const char16_t *command : commands) {
    for (const auto &a : answers) {
      const std::string label = QString::fromUtf16(command).toStdString() + " answer " +
                                std::to_string(int(a.choice)) + " dialog " +
                                std::to_string(int(a.dialog));
      QTemporaryDir dir;
      const QString target = a.dialog == SaveDialog::Unwritable
                                 ? dir.filePath(u"no/such/folder/post.rtf"_s)
                                 : dir.filePath(u"post.rtf"_s);
      const QString other = dir.filePath(u"other.rtf"_s);
      QFile otherFile(other);
      ASSERT_TRUE(otherFile.open(QIODevice::WriteOnly));
      otherFile.write("{\\rtf1 other}");
      otherFile.close();

      ScriptedWindow w;
      w.window.box().setSelText(u"unsaved work"_s);
      ASSERT_TRUE(w.window.isWindowModified());
      w.platform->saveChoices = {a.choice};
      if (a.choice == Choice::Save && a.dialog != SaveDialog::Cancelled)
        w.platform->files.push_back(target);
      else if (a.choice == Choice::Save)
        w.platform->files.push_back(std::nullopt);
      if (QStringView(command) == u"open") w.platform->files.push_back(other);

      bool closed = false;
      if (QStringView(command) == u"close")
        closed = w.window.close();
      else
        w.window.dispatch(QString::fromUtf16(command));

      EXPECT_EQ(w.platform->questions,
                QStringList{u"Quillmark by Norvane: Save changes to Untitled?"_s})
          << label;
      const QString expectedText = !a.goesAhead                      ? u"unsaved work"_s
                                   : QStringView(command) == u"open" ? u"other"_s
                                   : QStringView(command) == u"new"  ? QString()
                                                                     : u"unsaved work"_s;
      EXPECT_EQ(w.window.box().text(), expectedText) << label;
      if (QStringView(command) == u"close") {
        EXPECT_EQ(closed, a.goesAhead) << label;
      }
      EXPECT_EQ(QFile::exists(target), a.saved) << label;
      if (a.saved) {
        EXPECT_TRUE(readFile(target).contains("unsaved work")) << label;
        if (QStringView(command) == u"close" || QStringView(command) == u"exit")
          expectFileHoldsTheDocument(target, w.window.box());
      }
      // A failed save is told; the document stays changed.
      EXPECT_EQ(w.platform->messages.size(), a.dialog == SaveDialog::Unwritable ? 1u : 0u) << label;
      if (!a.goesAhead) {
        EXPECT_TRUE(w.window.isWindowModified()) << label;
      }
    }
  }
}

TEST(UnsavedChanges, NothingIsAskedWhenNothingChanged) {
  ScriptedWindow w;
  EXPECT_TRUE(w.window.close());
  EXPECT_TRUE(w.platform->questions.isEmpty());
}

TEST(WindowTitle, ShowsTheFileAndTheUnsavedMark) {
  QTemporaryDir dir;
  const QString fileName = dir.filePath(u"match report.rtf"_s);
  ScriptedWindow w;
  EXPECT_EQ(w.window.windowTitle(), u"Untitled[*] — Quillmark by Norvane"_s);
  EXPECT_FALSE(w.window.isWindowModified());
  w.window.box().setSelText(u"We won"_s);
  EXPECT_TRUE(w.window.isWindowModified());

  w.platform->files = {fileName};
  w.window.dispatch(u"save"_s);
  EXPECT_EQ(w.window.windowTitle(), u"match report.rtf[*] — Quillmark by Norvane"_s);
  EXPECT_FALSE(w.window.isWindowModified());

  // Save As starts at the file itself.
  w.window.box().setSelText(u"!"_s);
  EXPECT_TRUE(w.window.isWindowModified());
  w.platform->files = {fileName};
  w.window.dispatch(u"miSaveAs"_s);
  expectFileHoldsTheDocument(fileName, w.window.box());
  ASSERT_EQ(w.platform->fileDialogs.size(), 2u);
  EXPECT_EQ(w.platform->fileDialogs[1].directory, QFileInfo(fileName).absoluteFilePath());

  // New: untitled again, unmarked.
  w.platform->answers = {true};
  w.window.dispatch(u"new"_s);
  EXPECT_EQ(w.window.windowTitle(), u"Untitled[*] — Quillmark by Norvane"_s);
  EXPECT_FALSE(w.window.isWindowModified());
}

// A window that ended without saving leaves its draft; the next one offers it, and Yes
// brings the post back word for word, formatting included, as an unsaved document.
TEST(Drafts, ADraftLeftByOneWindowIsRestoredByTheNext) {
  OwnDataFolder data;
  QString draftPath;
  {
    ScriptedWindow first;
    auto &box = first.window.box();
    box.setSelText(u"Half a post, "_s);
    box.setSelBold(true);
    box.setSelText(u"bold"_s);
    first.window.drafts().saveNow();
    draftPath = first.window.drafts().path();
    ASSERT_TRUE(QFile::exists(draftPath));
  }  // gone without a close: as if it had crashed

  {
    ScriptedWindow second;
    second.platform->answers = {true};
    second.window.offerDrafts();
    ASSERT_EQ(second.platform->questions.size(), 1);
    EXPECT_TRUE(second.platform->questions[0].contains(u"was not saved"_s));
    auto &box = second.window.box();
    EXPECT_EQ(box.text(), u"Half a post, bold"_s);
    box.setSelStart(13);
    box.setSelLength(4);
    EXPECT_EQ(box.selBold(), true);
    EXPECT_TRUE(second.window.isWindowModified());
    EXPECT_EQ(second.window.documentState().filePath(), QString());
    // The draft is this window's own now: a third window finds nothing to offer.
    EXPECT_FALSE(QFile::exists(draftPath));
    EXPECT_TRUE(second.window.drafts().hasDraft());
    ScriptedWindow third;
    third.window.offerDrafts();
    EXPECT_TRUE(third.platform->questions.isEmpty());
    // Discarded on close: no draft is left.
    second.platform->saveChoices = {Choice::Discard};
    EXPECT_TRUE(second.window.close());
    EXPECT_FALSE(second.window.drafts().hasDraft());
  }
  EXPECT_TRUE(quillmark::DraftKeeper::findOrphans(data.drafts()).empty());
}

TEST(Drafts, NoIsAnswerEnoughToDiscardTheDraft) {
  OwnDataFolder data;
  {
    ScriptedWindow first;
    first.window.box().setSelText(u"not wanted"_s);
    first.window.drafts().saveNow();
  }
  ScriptedWindow second;
  second.window.offerDrafts();  // no answer scripted: No
  EXPECT_EQ(second.platform->questions.size(), 1);
  EXPECT_EQ(second.window.box().text(), QString());
  EXPECT_FALSE(second.window.isWindowModified());
  EXPECT_TRUE(quillmark::DraftKeeper::findOrphans(data.drafts()).empty());
}

// Esc (or closing the question) decides nothing: the draft is offered again next time.
TEST(Drafts, PuttingTheQuestionOffKeepsTheDraftForTheNextStart) {
  OwnDataFolder data;
  {
    ScriptedWindow first;
    first.window.box().setSelText(u"decide later"_s);
    first.window.drafts().saveNow();
  }
  {
    ScriptedWindow second;
    second.platform->draftChoices = {quillmark::Platform::DraftChoice::Later};
    second.window.offerDrafts();
    EXPECT_EQ(second.platform->questions.size(), 1);
    EXPECT_EQ(second.window.box().text(), QString());
  }
  ScriptedWindow third;
  third.platform->answers = {true};
  third.window.offerDrafts();
  EXPECT_EQ(third.window.box().text(), u"decide later"_s);
}

TEST(Drafts, ASavedDocumentLeavesNoDraft) {
  OwnDataFolder data;
  QTemporaryDir dir;
  ScriptedWindow w;
  w.window.box().setSelText(u"saved soon"_s);
  w.window.drafts().saveNow();
  EXPECT_TRUE(w.window.drafts().hasDraft());
  w.platform->files = {dir.filePath(u"post.rtf"_s)};
  w.window.dispatch(u"save"_s);
  expectFileHoldsTheDocument(dir.filePath(u"post.rtf"_s), w.window.box());
  EXPECT_FALSE(w.window.drafts().hasDraft());
}

// The desktop session ends, or the program is told to stop: nothing is asked, a changed
// document's last words are in its draft at once, no lock is left, the window closes, and the
// next start offers the draft as after a crash. An unchanged or saved document leaves none.
TEST(SessionEnd, AChangedDocumentLeavesItsDraftForTheNextStart) {
  struct Row {
    const char *name;
    std::function<void(ScriptedWindow &, const QString &folder)> before;
    QString offered;  // the text of the draft the next start offers; empty: none
  };
  const auto type = [](const QString &text) {
    return [text](ScriptedWindow &w, const QString &) { w.window.box().setSelText(text); };
  };
  const Row rows[] = {
      {"typed, never drafted", type(u"typed before the end"_s), u"typed before the end"_s},
      {"typed after its timed draft",
       [](ScriptedWindow &w, const QString &) {
         w.window.box().setSelText(u"drafted, "_s);
         w.window.drafts().saveNow();
         w.window.box().setSelText(u"and typed since"_s);
       },
       u"drafted, and typed since"_s},
      {"unchanged", [](ScriptedWindow &, const QString &) {}, QString()},
      {"saved",
       [](ScriptedWindow &w, const QString &folder) {
         w.window.box().setSelText(u"saved"_s);
         w.window.drafts().saveNow();
         w.platform->files = {folder + u"/post.rtf"_s};
         w.window.dispatch(u"save"_s);
       },
       QString()},
  };
  for (const Row &row : rows) {
    SCOPED_TRACE(row.name);
    OwnDataFolder data;
    QTemporaryDir files;
    {
      ScriptedWindow w;
      w.window.show();
      row.before(w, files.path());
      w.platform->endSession();
      w.platform->endSession();  // a signal after the session manager's request
      QCoreApplication::processEvents();
      EXPECT_FALSE(w.window.isVisible());
      EXPECT_TRUE(w.platform->questions.isEmpty())
          << w.platform->questions.join(u'\n').toStdString();
      const QStringList left = QDir(data.drafts()).entryList(QDir::Files | QDir::Hidden);
      EXPECT_EQ(left.size(), row.offered.isEmpty() ? 0 : 1) << left.join(u' ').toStdString();
      EXPECT_TRUE(left.filter(u".lock"_s).isEmpty());
    }
    ScriptedWindow next;
    next.platform->answers = {true};
    next.window.offerDrafts();
    EXPECT_EQ(next.platform->questions.size(), row.offered.isEmpty() ? 0 : 1);
    EXPECT_EQ(next.window.box().text(), row.offered);
  }
}

// Opening, pasting or saving runs the event loop for its progress: the session's end waits
// until that work is over, and then keeps what it made.
TEST(SessionEnd, WaitsForTheWorkUnderWay) {
  OwnDataFolder data;
  ScriptedWindow w;
  w.window.show();
  w.window.box().setSelText(u"half "_s);
  {
    quillmark::richtext::BusyCursor busy(&w.window, u"Pasting"_s);
    w.platform->endSession();
    QTest::qWait(200);
    EXPECT_TRUE(w.window.isVisible());
    w.window.box().setSelText(u"and whole"_s);
  }
  EXPECT_TRUE(QTest::qWaitFor([&] { return !w.window.isVisible(); }, 5000));
  const auto orphans = quillmark::DraftKeeper::findOrphans(data.drafts());
  ASSERT_EQ(orphans.size(), 1u);
  EXPECT_TRUE(orphans[0].read().value_or(QByteArray()).contains("half and whole"));
}

TEST(RecentFiles, SavedAndOpenedFilesComeBackFromTheMenu) {
  QTemporaryDir dir;
  const QString fileName = dir.filePath(u"post.rtf"_s);
  ScriptedWindow w;
  w.window.recentFiles().clear();
  w.window.box().setSelText(u"remembered"_s);
  w.platform->files = {fileName};
  w.window.dispatch(u"save"_s);
  expectFileHoldsTheDocument(fileName, w.window.box());
  EXPECT_EQ(w.window.recentFiles().files().value(0), QFileInfo(fileName).absoluteFilePath());
  EXPECT_EQ(w.window.recentFiles().lastFolder(), QFileInfo(fileName).absolutePath());

  // A new document, then the file again from File > Recent Files.
  w.platform->answers = {true};
  w.window.dispatch(u"new"_s);
  QMenu &menu = w.window.recentMenu();
  emit menu.aboutToShow();
  ASSERT_FALSE(menu.actions().isEmpty());
  EXPECT_TRUE(menu.actions()[0]->text().contains(u"post.rtf"_s));
  menu.actions()[0]->trigger();
  EXPECT_EQ(w.window.box().text(), u"remembered"_s);
  EXPECT_EQ(w.window.documentState().filePath(), QFileInfo(fileName).absoluteFilePath());
  // The opened file is a document of its own in the box: the mark and the underlines follow it.
  EXPECT_FALSE(w.window.isWindowModified());
  w.window.box().setSelText(u"more "_s);
  EXPECT_TRUE(w.window.isWindowModified());
  if (w.window.spelling().isChecking()) {
    EXPECT_EQ(w.window.spelling().highlighter().document(), w.window.box().document());
  }
  w.window.box().document()->setModified(false);

  // A file that is gone is taken off with a message.
  ASSERT_TRUE(QFile::remove(fileName));
  emit menu.aboutToShow();
  menu.actions()[0]->trigger();
  ASSERT_EQ(w.platform->messages.size(), 1u);
  EXPECT_EQ(w.platform->messages[0].text, quillmark::missingRecentFileMessage(fileName));
  EXPECT_FALSE(w.window.recentFiles().files().contains(QFileInfo(fileName).absoluteFilePath()));
  w.window.recentFiles().clear();
}

TEST(FindAndReplace, TheEditMenuDrivesTheFindBar) {
  ScriptedWindow w;
  w.window.box().setText(u"one two one"_s);
  w.window.dispatch(u"miFind"_s);
  EXPECT_TRUE(w.window.findBar().isVisibleTo(&w.window));
  w.window.findBar().findField().setText(u"one"_s);
  w.window.box().setSelStart(0);
  w.window.box().setSelLength(0);
  w.window.dispatch(u"miFindNext"_s);
  EXPECT_EQ(w.window.box().selStart(), 0);
  w.window.dispatch(u"miFindNext"_s);
  EXPECT_EQ(w.window.box().selStart(), 8);

  w.window.dispatch(u"miReplace"_s);
  w.window.findBar().replaceField().setText(u"three"_s);
  EXPECT_EQ(w.window.findBar().replaceAll(), 2);
  EXPECT_EQ(w.window.box().text(), u"three two three"_s);
  EXPECT_EQ(w.window.statusBar()->currentMessage(), w.window.findBar().message());

  w.window.dispatch(u"miUndo"_s);
  EXPECT_EQ(w.window.box().text(), u"one two one"_s);
  w.window.dispatch(u"miRedo"_s);
  EXPECT_EQ(w.window.box().text(), u"three two three"_s);
  w.window.dispatch(u"miSelectAll"_s);
  EXPECT_EQ(w.window.box().selLength(), 15);
}

// The letter after a caption's '&', upper case; none for a caption without one.
std::optional<QChar> accessKey(const QString &caption) {
  for (qsizetype i = caption.indexOf(u'&'); i >= 0 && i + 1 < caption.size();
       i = caption.indexOf(u'&', i + 2)) {
    if (caption.at(i + 1) != u'&') return caption.at(i + 1).toUpper();
  }
  return std::nullopt;
}

// Alt and a letter reaches one thing: each label and button of the find bar has its own
// access key, and none of them opens a menu instead.
TEST(FindAndReplace, EveryAccessKeyOfTheBarIsItsOwnAndNoMenusToo) {
  ScriptedWindow w;
  w.window.dispatch(u"miReplace"_s);
  QHash<QChar, QString> menus;
  for (QAction *title : w.window.menuBar()->actions())
    if (const auto key = accessKey(title->text())) menus.insert(*key, title->text());
  ASSERT_EQ(menus.size(), w.window.menuBar()->actions().size());

  QHash<QChar, QString> bar;
  QStringList captions;
  for (QWidget *widget : w.window.findBar().findChildren<QWidget *>()) {
    QString caption;
    if (auto *label = qobject_cast<QLabel *>(widget); label && label->buddy())
      caption = label->text();
    else if (qobject_cast<QPushButton *>(widget) || qobject_cast<QCheckBox *>(widget))
      caption = static_cast<QAbstractButton *>(widget)->text();
    else
      continue;
    captions << caption;
    const auto key = accessKey(caption);
    ASSERT_TRUE(key) << caption.toStdString() << " has no access key";
    EXPECT_FALSE(bar.contains(*key))
        << caption.toStdString() << " and " << bar.value(*key).toStdString();
    EXPECT_FALSE(menus.contains(*key))
        << caption.toStdString() << " and the menu " << menus.value(*key).toStdString();
    bar.insert(*key, caption);
  }
  EXPECT_EQ(captions.size(), 8) << captions.join(u", "_s).toStdString();
}
TEST(FontSize, AValueThatIsNoSizeIsToldInTheStatusBar) {
  ScriptedWindow w;
  w.window.box().setSelText(u"text"_s);
  for (const QString &refused : {u"big"_s, u"0"_s, u"-3"_s}) {
    w.window.statusBar()->clearMessage();
    w.window.fontSizeBox().setCurrentText(refused);
    w.window.applyFontSize();
    EXPECT_TRUE(w.window.statusBar()->currentMessage().contains(refused)) << refused.toStdString();
  }
  w.window.statusBar()->clearMessage();
  w.window.fontSizeBox().setCurrentText(u"14"_s);
  w.window.applyFontSize();
  EXPECT_EQ(w.window.statusBar()->currentMessage(), QString());
}

// A window closed on a document with underlined misspellings takes its document away without
// changing it or laying it out again, as it would if the underline were taken away first.
TEST(Closing, TheDocumentGoesUnchangedWithTheWindow) {
  auto w = std::make_unique<ScriptedWindow>();
  if (!w->window.spelling().isChecking()) GTEST_SKIP() << "no dictionary is installed";
  w->window.box().setSelText(u"A mispelt wrod\rand anothr one\rand the end"_s);
  w->window.resize(600, 400);
  w->window.show();
  QTextDocument *document = w->window.box().document();
  const auto underlined = [document] {
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
      if (!block.layout()->formats().isEmpty()) return true;
    return false;
  };
  // The paragraphs shown are checked once the window's events are handled.
  for (int i = 0; i < 200 && !underlined(); ++i) QTest::qWait(10);
  ASSERT_TRUE(underlined()) << "no misspelling was underlined";
  int changes = 0;
  int relayouts = 0;
  QObject::connect(document, &QTextDocument::contentsChange, [&](int, int, int) { ++changes; });
  QObject::connect(document->documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged,
                   [&](const QSizeF &) { ++relayouts; });
  const QPointer<QTextDocument> gone = document;
  w->window.close();
  w.reset();
  EXPECT_TRUE(gone.isNull());
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(relayouts, 0);
}

// Under a dark desktop theme the window's fixed light background keeps dark text, and so
// does everything standing on it: the menu bar and its menus, the toolbars' buttons and
// labels, the boxes, the status bar.
TEST(Palette, EverythingOnTheLightWindowStaysDarkOnLightUnderADarkTheme) {
  const QPalette old = QApplication::palette();
  QPalette dark = old;
  for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button,
                                   QPalette::AlternateBase, QPalette::ToolTipBase})
    dark.setColor(role, QColor(40, 40, 40));
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText,
                                   QPalette::ToolTipText, QPalette::BrightText})
    dark.setColor(role, QColor(230, 230, 230));
  QApplication::setPalette(dark);
  {
    ScriptedWindow w;
    EXPECT_EQ(w.window.palette().color(QPalette::Window), QColor(240, 232, 208));
    QList<QWidget *> widgets{&w.window, w.window.findChild<QWidget *>(u"client"_s),
                             w.window.menuBar(), w.window.statusBar(), &w.window.box()};
    for (QToolBar *bar : w.window.findChildren<QToolBar *>()) {
      widgets << bar;
      for (QWidget *item : bar->findChildren<QWidget *>()) widgets << item;
    }
    for (QMenu *menu : w.window.findChildren<QMenu *>()) widgets << menu;
    for (QWidget *widget : widgets) {
      ASSERT_NE(widget, nullptr);
      const QPalette &p = widget->palette();
      const std::string name =
          widget->metaObject()->className() + (u' ' + widget->objectName()).toStdString();
      for (QPalette::ColorRole text : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        EXPECT_LT(p.color(text).lightness(), 100) << name << " text role " << int(text);
      for (QPalette::ColorRole ground : {QPalette::Window, QPalette::Base, QPalette::Button})
        EXPECT_GT(p.color(ground).lightness(), 170) << name << " background role " << int(ground);
    }
  }
  QApplication::setPalette(old);
}

}  // namespace
