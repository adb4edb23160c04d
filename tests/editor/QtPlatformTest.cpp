// The real dialogs of QtPlatform where a key decides the answer: Esc on each question gives
// the answer its buttons promise, and the question closes. And the stop signals it turns into
// the end of the session.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <cstring>
#include <functional>
#include <optional>

#include "Platform.h"
#include "StopSignals.h"

using namespace Qt::StringLiterals;
using quillmark::Platform;
using quillmark::QtPlatform;
using quillmark::StopSignals;

namespace {

// Presses `key` on the modal question once it shows. Were the question to stay open, it is
// closed a while later so that the test goes on, and *stayed says so.
void pressOnQuestion(Qt::Key key, bool *stayed) {
  *stayed = false;
  QTimer::singleShot(0, [key, stayed] {
    QPointer<QWidget> question = QApplication::activeModalWidget();
    if (!question) return;
    QTest::keyClick(question, key);
    QTimer::singleShot(500, [question, stayed] {
      if (!question || !question->isVisible()) return;
      *stayed = true;
      if (auto *dialog = qobject_cast<QDialog *>(question.data())) dialog->done(QDialog::Rejected);
    });
  });
}

TEST(QtPlatform, EscapeGivesTheAnswerOfNotNow) {
  QtPlatform platform;
  bool stayed = false;

  pressOnQuestion(Qt::Key_Escape, &stayed);
  EXPECT_EQ(platform.askRestoreDraft(nullptr, u"Quillmark"_s, u"Restore it?"_s),
            Platform::DraftChoice::Later);
  EXPECT_FALSE(stayed) << "Esc left the draft's question open";

  pressOnQuestion(Qt::Key_Escape, &stayed);
  EXPECT_EQ(platform.askSaveDiscardCancel(nullptr, u"Quillmark"_s, u"Save changes?"_s),
            Platform::SaveChoice::Cancel);
  EXPECT_FALSE(stayed) << "Esc left the save question open";

  pressOnQuestion(Qt::Key_Escape, &stayed);
  EXPECT_FALSE(platform.askYesNo(nullptr, u"Quillmark"_s, u"Clear the document?"_s));
  EXPECT_FALSE(stayed) << "Esc left the yes-or-no question open";
}

// Every message box shows its text as typed: it may quote the writer's post, where "<b>" is
// text, never bold.
TEST(QtPlatform, EveryMessageShowsItsTextAsTyped) {
  QtPlatform platform;
  const QString text = u"The text holds \"<b>bold</b>\"."_s;
  const struct {
    const char *name;
    std::function<void()> ask;
  } rows[] = {
      {"message", [&] { platform.showMessage(nullptr, Platform::Icon::Warning, u"Q"_s, text); }},
      {"yes or no", [&] { platform.askYesNo(nullptr, u"Q"_s, text); }},
      {"save, discard or cancel", [&] { platform.askSaveDiscardCancel(nullptr, u"Q"_s, text); }},
      {"restore the draft", [&] { platform.askRestoreDraft(nullptr, u"Q"_s, text); }},
  };
  for (const auto &row : rows) {
    std::optional<Qt::TextFormat> format;
    QTimer::singleShot(0, [&format] {
      auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
      if (!box) return;
      format = box->textFormat();
      box->done(QDialog::Rejected);
    });
    row.ask();
    ASSERT_TRUE(format.has_value()) << row.name << ": no message box";
    EXPECT_EQ(*format, Qt::PlainText) << row.name;
  }
}

// Each stop signal reaches the window's handler through the event loop, once per signal.
TEST(QtPlatform, EachStopSignalEndsTheSession) {
  // A shell may have started the tests with SIGINT ignored, which the program would keep.
  for (const int signal : StopSignals::kSignals) std::signal(signal, SIG_DFL);
  QtPlatform platform;
  QObject window;
  int ended = 0;
  platform.onSessionEnd(&window, [&] { ++ended; });
  for (const int signal : StopSignals::kSignals) {
    SCOPED_TRACE(strsignal(signal));
    const int before = ended;
    std::raise(signal);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ended > before; }, 5000));
    QTest::qWait(20);
    EXPECT_EQ(ended, before + 1);
  }
}

}  // namespace
