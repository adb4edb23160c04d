// The help window: a contents list and a search tab on the left, the page on the right. The
// pages are plain HTML in the resources; the window adds nothing to them.
#include "HelpWindow.h"

#include <QColor>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QRegularExpression>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

// The guide is compiled into a static library; nothing else refers to its resource object,
// so the linker would drop it unless it is registered by name.
static void initGuideResources() { Q_INIT_RESOURCE(guide); }

using namespace Qt::StringLiterals;

namespace quillmark::help {
namespace {

constexpr int kPathRole = Qt::UserRole;
constexpr QSize kInitialSize{900, 620};

// The plain text of every page, read once: what the search looks through.
const QList<QString> &pageTexts() {
  static const QList<QString> texts = [] {
    QList<QString> result;
    for (const HelpWindow::Page &page : HelpWindow::pages()) {
      QFile file(page.path);
      QTextDocument document;
      if (file.open(QIODevice::ReadOnly)) document.setHtml(QString::fromUtf8(file.readAll()));
      result << document.toPlainText();
    }
    return result;
  }();
  return texts;
}

void addPageItem(QListWidget *list, const HelpWindow::Page &page) {
  auto *item = new QListWidgetItem(page.title, list);
  item->setData(kPathRole, page.path);
}

}  // namespace

const QList<HelpWindow::Page> &HelpWindow::pages() {
  static const QList<Page> list{
      {u":/help/index.html"_s, u"Contents"_s},
      {u":/help/writing-a-post.html"_s, u"Writing a post, step by step"_s},
      {u":/help/tools.html"_s, u"Toolbars and menus"_s},
      {u":/help/formatting.html"_s, u"Formatting text"_s},
      {u":/help/tables.html"_s, u"Tables"_s},
      {u":/help/fixed-columns.html"_s, u"Fixed columns"_s},
      {u":/help/copy-to-web.html"_s, u"What Copy to Web produces"_s},
      {u":/help/forums.html"_s, u"Forums, formats and links"_s},
      {u":/help/preview.html"_s, u"The preview and the length gauge"_s},
      {u":/help/finding-and-spelling.html"_s, u"Finding, replacing and spelling"_s},
      {u":/help/files.html"_s, u"Opening and saving files"_s},
      {u":/help/web-sites.html"_s, u"Web sites and your browser"_s},
      {u":/help/keyboard.html"_s, u"Keyboard shortcuts"_s},
  };
  return list;
}

namespace {

// One pattern per word of `query`, each matching the word whole and ignoring case.
QList<QRegularExpression> wordPatterns(const QString &query) {
  QList<QRegularExpression> patterns;
  for (const QString &word : query.split(QRegularExpression(u"\\s+"_s), Qt::SkipEmptyParts)) {
    // A word is whole when no letter or digit touches it; \b would fail on words such as
    // "Ctrl+B" or "<pre>" that end in punctuation.
    patterns << QRegularExpression(
        u"(?<![\\w])"_s + QRegularExpression::escape(word) + u"(?![\\w])"_s,
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
  }
  return patterns;
}

}  // namespace

QStringList HelpWindow::search(const QString &query) {
  const QList<QRegularExpression> patterns = wordPatterns(query);
  if (patterns.isEmpty()) return {};
  QStringList found;
  const QList<QString> &texts = pageTexts();
  for (qsizetype i = 0; i < texts.size(); ++i) {
    const QString &text = texts[i];
    if (std::all_of(patterns.cbegin(), patterns.cend(),
                    [&](const QRegularExpression &p) { return p.match(text).hasMatch(); }))
      found << pages()[i].path;
  }
  return found;
}

HelpWindow::HelpWindow(QWidget *parent)
    : QWidget(parent),
      tabs_(new QTabWidget),
      contents_(new QListWidget),
      searchField_(new QLineEdit),
      results_(new QListWidget),
      searchStatus_(new QLabel),
      browser_(new QTextBrowser) {
  initGuideResources();
  setWindowTitle(u"Quillmark Help"_s);

  contents_->setObjectName(u"contents"_s);
  for (const Page &page : pages()) addPageItem(contents_, page);

  searchField_->setObjectName(u"search"_s);
  searchField_->setPlaceholderText(u"Type a word to search for"_s);
  searchField_->setClearButtonEnabled(true);
  results_->setObjectName(u"results"_s);
  auto *searchTab = new QWidget;
  auto *searchLayout = new QVBoxLayout(searchTab);
  searchStatus_->setObjectName(u"searchStatus"_s);
  searchStatus_->setWordWrap(true);
  searchStatus_->hide();
  searchLayout->addWidget(searchField_);
  searchLayout->addWidget(searchStatus_);
  searchLayout->addWidget(results_);

  contents_->setAccessibleName(tr("Contents"));
  contents_->setAccessibleDescription(tr("The guide's pages; Enter opens the chosen one"));
  searchField_->setAccessibleName(tr("Search the guide"));
  for (QToolButton *clear : searchField_->findChildren<QToolButton *>())
    clear->setAccessibleName(tr("Clear"));
  searchField_->setAccessibleDescription(tr("The words to find in the guide's pages"));
  results_->setAccessibleName(tr("Pages found"));
  results_->setAccessibleDescription(tr("The pages that hold every word; Enter opens one"));
  browser_->setAccessibleName(tr("Guide page"));
  tabs_->setAccessibleName(tr("Contents and search"));
  tabs_->addTab(contents_, u"&Contents"_s);
  tabs_->addTab(searchTab, u"&Search"_s);

  browser_->setObjectName(u"page"_s);
  browser_->setOpenExternalLinks(true);
  browser_->setSearchPaths({u":/help"_s});

  auto *splitter = new QSplitter;
  splitter->addWidget(tabs_);
  splitter->addWidget(browser_);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({240, kInitialSize.width() - 240});
  auto *layout = new QHBoxLayout(this);
  layout->addWidget(splitter);
  resize(kInitialSize);

  connect(contents_, &QListWidget::itemActivated, this, &HelpWindow::openItem);
  connect(contents_, &QListWidget::itemClicked, this, &HelpWindow::openItem);
  connect(results_, &QListWidget::itemActivated, this, &HelpWindow::openItem);
  connect(results_, &QListWidget::itemClicked, this, &HelpWindow::openItem);
  connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::markInContents);
  connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::highlightMatches);
  connect(tabs_, &QTabWidget::currentChanged, this, &HelpWindow::highlightMatches);
  connect(searchField_, &QLineEdit::textChanged, this, &HelpWindow::runSearch);
  connect(searchField_, &QLineEdit::returnPressed, this, [this] {
    if (results_->count() > 0) openItem(results_->item(0));
  });

  showPage(pages().front().path);
}

HelpWindow *HelpWindow::showContents() {
  // Never deleted: it lives as long as the program, and a static destructor would run after
  // the QApplication is gone.
  static QPointer<HelpWindow> window;
  if (!window) window = new HelpWindow;
  window->tabs_->setCurrentIndex(0);
  window->showPage(pages().front().path);
  window->show();
  window->raise();
  window->activateWindow();
  return window;
}

void HelpWindow::showPage(const QString &path) {
  const QString resource = path.startsWith(u':') ? path : u':' + path;
  browser_->setSource(QUrl(u"qrc"_s + resource));
}

void HelpWindow::markInContents(const QUrl &source) {
  const QString resource = u':' + source.path();
  for (int row = 0; row < contents_->count(); ++row) {
    if (contents_->item(row)->data(kPathRole).toString() == resource) {
      const QSignalBlocker blocker(contents_);
      contents_->setCurrentRow(row);
    }
  }
}

QString HelpWindow::currentPage() const { return u':' + browser_->source().path(); }

void HelpWindow::runSearch(const QString &query) {
  results_->clear();
  const QStringList found = search(query);
  for (const Page &page : pages())
    if (found.contains(page.path)) addPageItem(results_, page);
  const bool nothing = found.isEmpty() && !query.trimmed().isEmpty();
  searchStatus_->setText(nothing ? u"Nothing matches \u201c%1\u201d."_s.arg(query.trimmed())
                                 : QString());
  searchStatus_->setVisible(nothing);
  highlightMatches();
}

void HelpWindow::highlightMatches() {
  QList<QTextEdit::ExtraSelection> marks;
  // Only while the search tab is in front: a page chosen from the contents shows plain.
  if (tabs_->currentIndex() == 1) {
    QTextCharFormat mark;
    // A fixed yellow with black text, readable under any palette.
    mark.setBackground(QColor(0xff, 0xe0, 0x66));
    mark.setForeground(Qt::black);
    const QTextDocument *page = browser_->document();
    for (const QRegularExpression &pattern : wordPatterns(searchField_->text())) {
      for (QTextCursor found = page->find(pattern); !found.isNull();
           found = page->find(pattern, found))
        marks.append({found, mark});
    }
    std::sort(marks.begin(), marks.end(), [](const auto &a, const auto &b) {
      return a.cursor.selectionStart() < b.cursor.selectionStart();
    });
  }
  browser_->setExtraSelections(marks);
  if (!marks.isEmpty()) {
    // Bring the first match into view without selecting it.
    QTextCursor first = marks.front().cursor;
    first.clearSelection();
    browser_->setTextCursor(first);
    browser_->ensureCursorVisible();
  }
}

QStringList HelpWindow::highlightedWords() const {
  QStringList words;
  for (const QTextEdit::ExtraSelection &mark : browser_->extraSelections())
    words << mark.cursor.selectedText();
  return words;
}

void HelpWindow::openItem(const QListWidgetItem *item) {
  if (item) showPage(item->data(kPathRole).toString());
}

// Esc closes the help, as it does a dialog: the key comes here from whichever part of the
// window has the focus, since none of them takes it.
void HelpWindow::keyPressEvent(QKeyEvent *event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace quillmark::help
