// The preview's refresh: the pause timer, the choice between the window's thread and a
// worker, the generation counter that drops stale results, and the check before copy.
#include "Preview.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QFontDatabase>
#include <QFutureWatcher>
#include <QLoggingCategory>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QSettings>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextDocument>
#include <QThread>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <utility>

#include "LengthGauge.h"
#include "MarkupHighlighter.h"
#include "PreviewPanel.h"
#include "post/PostBuilder.h"
#include "richtext/RichTextBox.h"
#include "web/Profiles.h"

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcPreview, "quillmark.preview")

namespace quillmark::preview {

namespace {

const QString kTabKey = u"preview/tab"_s;

}  // namespace

Preview::Preview(QMainWindow &window, richtext::RichTextBox &box, web::ProfileStore &profiles,
                 QComboBox &postAs, QSettings &settings, Hooks hooks)
    : window_(window),
      box_(box),
      profiles_(profiles),
      settings_(settings),
      hooks_(std::move(hooks)) {
  panel_ = new PreviewPanel(&window);
  window.addDockWidget(Qt::RightDockWidgetArea, panel_);
  panel_->hide();
  panel_->tabs().setCurrentIndex(settings_.value(kTabKey, 0).toInt());
  connect(&panel_->tabs(), &QTabWidget::currentChanged, this,
          [this](int index) { settings_.setValue(kTabKey, index); });
  connect(panel_, &PreviewPanel::linkActivated, this, [this](const QString &address) {
    if (hooks_.openLink) hooks_.openLink(address);
  });
  // Shown or closed, also while the window itself is hidden (a restored layout).
  panel_->installEventFilter(this);

  gauge_ = new LengthGauge(window.statusBar());
  window.statusBar()->addPermanentWidget(gauge_);
  gauge_->setLength(0, profiles_.current().limit);

  pause_ = new QTimer(this);
  pause_->setSingleShot(true);
  pause_->setInterval(kPauseMilliseconds);
  connect(pause_, &QTimer::timeout, this, &Preview::refresh);
  connect(&box, &QTextEdit::textChanged, pause_, qOverload<>(&QTimer::start));
  // After the window's own handler has made the chosen profile current.
  connect(&postAs, &QComboBox::textActivated, this, &Preview::refreshNow);
  pause_->start();
}

Preview::~Preview() = default;

void Preview::toggle() {
  const bool show = !panel_->isVisibleTo(&window_);
  panel_->setVisible(show);
  if (show) panel_->raise();
}

void Preview::attachAction(QAction *action) {
  action_ = action;
  if (!action) return;
  action->setCheckable(true);
  action->setChecked(panel_->isVisibleTo(&window_));
}

bool Preview::eventFilter(QObject *watched, QEvent *event) {
  if (watched == panel_ &&
      (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent)) {
    if (action_) action_->setChecked(event->type() == QEvent::ShowToParent);
    // Opened on views older than the document: build them once the opening is done.
    if (event->type() == QEvent::ShowToParent && viewsGeneration_ != generation_ && !isPending())
      QTimer::singleShot(0, this, &Preview::refreshNow);
  }
  return QObject::eventFilter(watched, event);
}

void Preview::refreshNow() { refresh(); }

bool Preview::isPending() const { return pause_->isActive() || workerRunning_; }

bool Preview::viewsWanted() const { return panel_->isVisibleTo(&window_); }

MarkupStyle Preview::markupStyle() const {
  const QPalette &palette = panel_->markupView().palette();
  return {panel_->markupView().font(),
          mutedColor(palette.color(QPalette::Text), palette.color(QPalette::Base))};
}

void Preview::refresh() {
  pause_->stop();
  if (workerRunning_) {
    again_ = true;
    panel_->setUpdating(true);
    return;
  }
  const quint64 generation = ++generation_;
  // The snapshot is taken here, on the window's thread; the rest needs no widget.
  const web::Profile profile = profiles_.current();
  post::Snapshot snapshot = post::snapshot(*box_.document(), profile.format);
  const MarkupStyle style = markupStyle();
  const bool views = viewsWanted();
  if (snapshot.size <= kLargeRtfBytes) {
    PreviewContent content = buildPreview(std::move(snapshot), profile, style, views);
    show(content);
    return;
  }

  workerRunning_ = true;
  panel_->setUpdating(true);
  using Result = std::shared_ptr<PreviewContent>;
  auto *watcher = new QFutureWatcher<Result>(this);
  connect(watcher, &QFutureWatcher<Result>::finished, this, [this, watcher, generation] {
    const Result content = watcher->result();
    watcher->deleteLater();
    workerRunning_ = false;
    if (again_ || generation != generation_) {
      ++discarded_;
      again_ = false;
      refresh();
      return;
    }
    show(*content);
  });
  QThread *home = thread();
  watcher->setFuture(QtConcurrent::run([snapshot = std::move(snapshot), profile, style, views,
                                        home]() mutable {
    auto content =
        std::make_shared<PreviewContent>(buildPreview(std::move(snapshot), profile, style, views));
    // Built here, shown there.
    if (content->rendered) content->rendered->moveToThread(home);
    if (content->markup) content->markup->moveToThread(home);
    return content;
  }));
}

void Preview::show(PreviewContent &content) {
  // A post in parts: the longest part against the limit.
  qsizetype length = content.post.text.size();
  if (!content.post.parts.empty()) {
    length = 0;
    for (const QString &part : content.post.parts) length = std::max(length, part.size());
  }
  gauge_->setLength(int(length), content.post.limit);
  if (content.rendered) {
    panel_->showContent(content);
    viewsGeneration_ = generation_;
  }
  panel_->setUpdating(false);
  emit refreshed();
}

namespace {

std::optional<CheckFinding> checkCopied(const post::MadePost &post, const QString &documentText) {
  std::optional<QString> wrong = post::checkPostAgainst(post, documentText);
  if (!wrong) return std::nullopt;
  return CheckFinding{*wrong,
                      post.format == Format::Html ? post::typedMarkup(documentText) : QString()};
}

}  // namespace

void Preview::checkCopy(post::MadePost post, QString documentText) {
  if (qsizetype(post.webHtml.size()) <= kLargeRtfBytes && post.text.size() <= kLargeRtfBytes) {
    tellCheck(checkCopied(post, documentText));
    return;
  }
  auto *watcher = new QFutureWatcher<std::optional<CheckFinding>>(this);
  connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher] {
    --checksRunning_;
    tellCheck(watcher->result());
    watcher->deleteLater();
  });
  ++checksRunning_;
  watcher->setFuture(QtConcurrent::run([post = std::move(post), text = std::move(documentText)] {
    return checkCopied(post, text);
  }));
}

void Preview::tellCheck(const std::optional<CheckFinding> &found) const {
  if (!found) return;
  qCWarning(lcPreview) << "The post does not match the document:" << found->wrong;
  if (!hooks_.tellProblem) return;
  if (!found->typed.isEmpty()) {
    // The html format writes the writer's text as it is: HTML typed into it is HTML there.
    hooks_.tellProblem(
        tr("The post was copied. Its text holds \"%1\", which an html forum reads as HTML, "
           "not as text: a tag formats the text after it (or is dropped), and a character "
           "reference such as &lt; shows as the character it names. The forum will show the "
           "post differently from the document.\n\nTo show such text as typed, post it to a "
           "forum that takes BBCode or Markdown, or write &lt; for each < and &amp; for each "
           "&.")
            .arg(found->typed));
    return;
  }
  hooks_.tellProblem(
      tr("The post was copied, but it does not match the document: %1.\n\nCheck the post "
         "before you send it. This is a fault in Quillmark; please report it.")
          .arg(found->wrong));
}

}  // namespace quillmark::preview
