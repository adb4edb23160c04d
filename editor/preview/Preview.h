#pragma once
// The live preview of the post: follows the writing and the "Post as:" choice, refreshes the
// preview dock and the status bar's length gauge after a pause in typing, and checks a post
// before "Copy to Web" puts it on the clipboard.
//
// A refresh takes the document's snapshot on the window's thread: its RTF for html, its post
// model for the other formats. A post of normal size (up to kLargeRtfBytes of RTF, or as many
// characters of a model's document) is converted and built at once; a bigger one on a worker
// thread, while the dock says it is updating. Each refresh has a generation number: a result whose
// refresh is no longer the newest is dropped. At most one worker runs; edits made meanwhile
// start one more refresh when it ends.
#include <QObject>
#include <QPointer>
#include <functional>
#include <optional>

#include "PreviewContent.h"

class QAction;
class QComboBox;
class QMainWindow;
class QSettings;

namespace quillmark {
namespace richtext {
class RichTextBox;
}
namespace web {
class ProfileStore;
}
}  // namespace quillmark

namespace quillmark::preview {

class LengthGauge;
class PreviewPanel;

// What the check before copy found: what is wrong, and the markup the writer typed into an
// html post's text (post::typedMarkup), which explains it; empty for any other post.
struct CheckFinding {
  QString wrong;
  QString typed;
};

class Preview final : public QObject {
  Q_OBJECT

 public:
  static constexpr int kPauseMilliseconds = 300;
  static constexpr qsizetype kLargeRtfBytes = 100 * 1024;

  struct Hooks {
    std::function<void(const QString &)> openLink;     // the desktop's browser
    std::function<void(const QString &)> tellProblem;  // a message box, for a failed check
  };

  // Adds the dock (hidden until View > Preview shows it, or the window's remembered layout
  // does) and the gauge to `window`, and follows `box` and `postAs`.
  Preview(QMainWindow &window, richtext::RichTextBox &box, web::ProfileStore &profiles,
          QComboBox &postAs, QSettings &settings, Hooks hooks);
  ~Preview() override;

  PreviewPanel &panel() const { return *panel_; }
  LengthGauge &gauge() const { return *gauge_; }

  // View > Preview: shows the dock (and refreshes it) or closes it.
  void toggle();
  // The checkable action that shows the dock's state.
  void attachAction(QAction *action);

  // Refreshes now instead of after the pause.
  void refreshNow();
  // A refresh is waiting for the pause, or running on a worker.
  bool isPending() const;
  // A refresh is running on a worker thread.
  bool isWorking() const { return workerRunning_; }
  // Refreshes so far: each starts with a new number.
  quint64 generation() const { return generation_; }
  // How many results were dropped because a newer refresh had started.
  int discarded() const { return discarded_; }

  // The check before copy: when the post does not match the document, says what is wrong
  // through `tellProblem` and logs it; the caller copies the post anyway. At once for a post
  // of normal size; a large one (seconds of checking) on a worker thread, so that the post is
  // on the clipboard without waiting, and what is wrong is told when the check ends.
  void checkCopy(post::MadePost post, QString documentText);
  // A check of a large post is running on a worker.
  bool isCheckingCopy() const { return checksRunning_ > 0; }

 signals:
  // A refresh's result was shown (the gauge, and the dock when it is open).
  void refreshed();

 protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

 private:
  void refresh();
  void show(PreviewContent &content);
  bool viewsWanted() const;
  MarkupStyle markupStyle() const;
  // Logs and tells what the check before copy found wrong, if anything.
  void tellCheck(const std::optional<CheckFinding> &found) const;

  QMainWindow &window_;
  richtext::RichTextBox &box_;
  web::ProfileStore &profiles_;
  QSettings &settings_;
  Hooks hooks_;
  PreviewPanel *panel_ = nullptr;
  LengthGauge *gauge_ = nullptr;
  QPointer<QAction> action_;
  class QTimer *pause_ = nullptr;
  quint64 generation_ = 0;
  quint64 viewsGeneration_ = 0;  // the newest refresh that built views
  bool workerRunning_ = false;
  bool again_ = false;  // an edit came while the worker ran
  int discarded_ = 0;
  int checksRunning_ = 0;
};

}  // namespace quillmark::preview
