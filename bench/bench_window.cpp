// The editor's window on large posts, as the writer meets it: opening a generated post (read,
// shown and painted), "Copy to Web" on it (the clipboard filled and the selection painted),
// closing the window on it, a key typed at the start, in the middle and at the end of the
// post and shown, and a forum post of a long list pasted into a document. The
// window is the real QuillmarkMain on the offscreen platform, with its spelling on when a
// dictionary is installed.
#include <benchmark/benchmark.h>

#include <QAbstractTextDocumentLayout>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <map>
#include <memory>

#include "QuillmarkMain.h"
#include "post/PostDocument.h"
#include "post_generator.h"
#include "quillmark/formats.h"
#include "richtext/RichTextBox.h"
#include "web/Profiles.h"

namespace {

using namespace Qt::StringLiterals;

constexpr std::size_t kSmallPost = 100 * 1024;
constexpr std::size_t kLargePost = 10 * 1024 * 1024;

// The generated posts, written once to a temporary folder.
class Posts {
 public:
  static QString path(std::size_t size) {
    static Posts posts;
    auto found = posts.files_.find(size);
    if (found != posts.files_.end()) return found->second;
    const QString name = posts.dir_.filePath(u"post-%1.rtf"_s.arg(size));
    const std::string rtf = quillmark::bench::generatePost(size, 1);
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly) || file.write(rtf.data(), qint64(rtf.size())) < 0)
      qFatal("cannot write %s", qPrintable(name));
    return posts.files_[size] = name;
  }

 private:
  QTemporaryDir dir_;
  std::map<std::size_t, QString> files_;
};

void settle() {
  for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

// What the writer sees: every pending event handled and the document's view painted.
void show(quillmark::QuillmarkMain &window) {
  QCoreApplication::processEvents();
  window.box().viewport()->repaint();
}

std::unique_ptr<quillmark::QuillmarkMain> newWindow() {
  auto window = std::make_unique<quillmark::QuillmarkMain>();
  window->resize(900, 700);
  window->show();
  settle();
  return window;
}

// Lays the whole document out, as the window has done once it has been open for a while.
void layOutWhole(quillmark::QuillmarkMain &window) {
  QTextDocument &document = *window.box().document();
  document.documentLayout()->blockBoundingRect(document.lastBlock());
  settle();
}

void OpenPost(benchmark::State &state) {
  const QString path = Posts::path(std::size_t(state.range(0)));
  auto window = newWindow();
  for (auto _ : state) {
    if (!window->openFile(path)) state.SkipWithError("cannot open");
    show(*window);
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(OpenPost)->Arg(kLargePost)->Unit(benchmark::kMillisecond)->Iterations(5);

// Right after opening, with the document's layout still under way, and once it is whole; for
// the html post (through the engine) and a phpBB one (from the document's post model).
void CopyToWeb(benchmark::State &state) {
  const QString path = Posts::path(std::size_t(state.range(0)));
  auto window = newWindow();
  const auto format = state.range(2) ? quillmark::Format::Phpbb : quillmark::Format::Html;
  const QList<quillmark::web::Profile> &profiles = window->profiles().profiles();
  for (qsizetype i = 0; i < profiles.size(); ++i) {
    if (profiles[i].format == format) {
      window->profiles().setCurrent(profiles[i].name);
      window->postAsBox().setCurrentIndex(int(i));
      break;
    }
  }
  window->openFile(path);
  show(*window);
  if (state.range(1)) layOutWhole(*window);
  for (auto _ : state) {
    window->copyToWeb();
    show(*window);
    state.PauseTiming();
    if (QGuiApplication::clipboard()->text().isEmpty()) state.SkipWithError("nothing copied");
    window->box().setSelStart(0);  // back to no selection, the view at the start
    settle();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
  state.SetLabel(state.range(1) ? "laid out" : "just opened");
}
BENCHMARK(CopyToWeb)
    ->ArgNames({"bytes", "laid_out", "phpbb"})
    ->Args({kSmallPost, 0, 0})
    ->Args({kLargePost, 0, 0})
    ->Args({kLargePost, 1, 0})
    ->Args({kSmallPost, 0, 1})
    ->Args({kLargePost, 0, 1})
    ->Args({kLargePost, 1, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

// Closing the window on the 10 MB post, right after opening and once laid out: from the
// close until the window and its document are gone and the events left are handled, as the
// program ends after its window closes.
void ClosePost(benchmark::State &state) {
  const QString path = Posts::path(std::size_t(state.range(0)));
  for (auto _ : state) {
    state.PauseTiming();
    auto window = newWindow();
    if (!window->openFile(path)) state.SkipWithError("cannot open");
    show(*window);
    if (state.range(1)) layOutWhole(*window);
    state.ResumeTiming();
    window->close();
    window.reset();
    settle();
  }
  state.SetLabel(state.range(1) ? "laid out" : "just opened");
}
BENCHMARK(ClosePost)
    ->Args({kLargePost, 0})
    ->Args({kLargePost, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// One letter typed into a word and taken away again (two keystrokes an iteration), at the
// start, in the middle or at the end of the 10 MB post, once the insertion point is there.
void Typing(benchmark::State &state) {
  static std::unique_ptr<quillmark::QuillmarkMain> window;
  if (!window) {
    window = newWindow();
    window->openFile(Posts::path(kLargePost));
    show(*window);
    layOutWhole(*window);
  }
  quillmark::richtext::RichTextBox &box = window->box();
  QTextDocument &document = *box.document();
  const int blocks = document.blockCount();
  const int number = state.range(0) == 0 ? 0 : state.range(0) == 1 ? blocks / 2 : blocks - 2;
  QTextCursor cursor(document.findBlockByNumber(number));
  cursor.movePosition(QTextCursor::EndOfWord);
  box.setTextCursor(cursor);
  box.ensureCursorVisible();
  settle();
  const auto key = [&](int code, const QString &text) {
    QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, text);
    QCoreApplication::sendEvent(&box, &press);
    QKeyEvent release(QEvent::KeyRelease, code, Qt::NoModifier, text);
    QCoreApplication::sendEvent(&box, &release);
    show(*window);
  };
  for (auto _ : state) {
    key(Qt::Key_S, u"s"_s);
    key(Qt::Key_Backspace, QString());
  }
  state.SetItemsProcessed(2 * state.iterations());
  static const char *const kWhere[] = {"start", "middle", "end"};
  state.SetLabel(kWhere[state.range(0)]);
}
BENCHMARK(Typing)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

// A forum post of one list of that many items made into a document, as Paste Forum Post
// makes it: time linear in the items (one QTextList alone would be quadratic).
void PasteListPost(benchmark::State &state) {
  const int items = int(state.range(0));
  const std::u16string post =
      (u"[list]\n"_s + u"[*]item\n"_s.repeated(items) + u"[/list]"_s).toStdU16String();
  for (auto _ : state) {
    QTextDocument document;
    QTextCursor cursor(&document);
    quillmark::post::insertModel(cursor, quillmark::readPost(post, quillmark::Format::Phpbb));
  }
  state.SetItemsProcessed(state.iterations() * items);
}
BENCHMARK(PasteListPost)
    ->Arg(5000)
    ->Arg(20000)
    ->Arg(50000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace
