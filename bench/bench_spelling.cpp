// Spelling in a large document: what a keystroke costs with the spelling underline on and
// off (the key event, the highlighter, the layout and the repaint of the view), what
// switching checking on costs for a document already loaded, and what a page of scrolling
// costs when the newly shown paragraphs are checked. The document is a generated 10 MB post
// read by the editor's RTF reader.
#include <benchmark/benchmark.h>

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextEdit>
#include <memory>

#include "post_generator.h"
#include "richtext/RtfReader.h"
#include "spelling/Spelling.h"

namespace {

constexpr std::size_t kPostBytes = 10 * 1024 * 1024;

// One window with the 10 MB post, laid out whole, shared by all the benchmarks.
struct Window {
  QTemporaryDir data;
  QTextEdit edit;
  std::unique_ptr<quillmark::Spelling> spelling;
  int middle = 0;  // the position typed at: a paragraph in the middle of the post

  Window() {
    const std::string rtf = quillmark::bench::generatePost(kPostBytes, 1);
    quillmark::richtext::readRtf(QByteArrayView(rtf.data(), qsizetype(rtf.size())),
                                 *edit.document());
    edit.resize(900, 700);
    edit.show();
    QTextDocument &document = *edit.document();
    // Lay the whole document out now, as the window does while it is shown for a while.
    document.documentLayout()->blockBoundingRect(document.lastBlock());
    spelling = std::make_unique<quillmark::Spelling>(edit, data.path());
    settle();
    const QTextBlock block = document.findBlockByNumber(document.blockCount() / 2);
    QTextCursor cursor(block);
    cursor.movePosition(QTextCursor::EndOfWord);
    middle = cursor.position();
    placeCursor();
  }

  void placeCursor() {
    QTextCursor cursor(edit.document());
    cursor.setPosition(middle);
    edit.setTextCursor(cursor);
    edit.ensureCursorVisible();
    settle();
  }

  static void settle() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
  }

  void key(int key, const QString &text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(&edit, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(&edit, &release);
    QCoreApplication::processEvents();
    edit.viewport()->repaint();
  }

  static Window &get() {
    static Window window;
    return window;
  }
};

void setChecking(benchmark::State &state, Window &window) {
  window.spelling->setChecking(state.range(0) != 0);
  window.placeCursor();
  if (window.spelling->isChecking() != (state.range(0) != 0)) state.SkipWithError("no dictionary");
}

// One letter typed into a word and taken away again: two keystrokes per iteration.
void TypingIn10MB(benchmark::State &state) {
  Window &window = Window::get();
  setChecking(state, window);
  for (auto _ : state) {
    window.key(Qt::Key_S, QStringLiteral("s"));
    window.key(Qt::Key_Backspace, QString());
  }
  state.SetItemsProcessed(2 * state.iterations());
  state.SetLabel(state.range(0) ? "spelling on" : "spelling off");
}
BENCHMARK(TypingIn10MB)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Checking switched on for the whole loaded document, until the view shows it finished.
void StartChecking10MB(benchmark::State &state) {
  Window &window = Window::get();
  for (auto _ : state) {
    window.spelling->setChecking(true);
    Window::settle();
    state.PauseTiming();
    window.spelling->setChecking(false);
    Window::settle();
    state.ResumeTiming();
  }
}
BENCHMARK(StartChecking10MB)->Unit(benchmark::kMillisecond);

// One page down and back up, each time with every answer forgotten (so both pages are
// checked afresh, word by word): the cost of a first look at a page.
void ScrollPage10MB(benchmark::State &state) {
  Window &window = Window::get();
  setChecking(state, window);
  QScrollBar &scroll = *window.edit.verticalScrollBar();
  const int start = scroll.value();
  for (auto _ : state) {
    // Forgets every answer, as a change of dictionary does.
    if (state.range(0)) window.spelling->checker().ignoreAll(QStringLiteral("zzqq"));
    scroll.setValue(start + scroll.pageStep());
    Window::settle();
    window.edit.viewport()->repaint();
    scroll.setValue(start);
    Window::settle();
    window.edit.viewport()->repaint();
  }
  state.SetLabel(state.range(0) ? "spelling on" : "spelling off");
}
BENCHMARK(ScrollPage10MB)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
