// The help window: a contents list and a search tab on the left, the page on the right. The
// pages are plain HTML in the resources; the window adds nothing to them. The guide is shown
// in the desktop's language where it has pages in it (:/help/LANG/), in English otherwise;
// links between pages stay in the folder of the page they are on.
#include "HelpWindow.h"

#include <QColor>
#include <QFile>
#include <QHBoxLayout>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPointer>
#include <QRegularExpression>
#include <QSplitter>
#include <QStyle>
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
// The contents pane's width at least, and what its tab page's frame and margins take.
constexpr int kContentsPaneWidth = 240;
constexpr int kContentsPaneMargin = 24;

// The folder of the guide in the desktop's language: ":/help/de" when the guide has pages in
// the first of its languages that has any, ":/help" (English, the guide's own) otherwise.
QString guideFolder() {
  initGuideResources();
  for (const QString &language : QLocale().uiLanguages()) {
    const QString code = language.section(u'-', 0, 0);
    if (code == u"en"_s || code == u"C"_s) break;
    if (QFile::exists(u":/help/%1/index.html"_s.arg(code))) return u":/help/"_s + code;
  }
  return u":/help"_s;
}

// The plain text of every page of `pages`, read once per language: what the search looks
// through.
const QList<QString> &pageTexts(const QList<HelpWindow::Page> &pages) {
  static QHash<QString, QList<QString>> texts;
  const QString folder = guideFolder();
  auto found = texts.find(folder);
  if (found == texts.end()) {
    QList<QString> result;
    for (const HelpWindow::Page &page : pages) {
      QFile file(page.path);
      QTextDocument document;
      if (file.open(QIODevice::ReadOnly)) document.setHtml(QString::fromUtf8(file.readAll()));
      result << document.toPlainText();
    }
    found = texts.insert(folder, result);
  }
  return *found;
}

void addPageItem(QListWidget *list, const HelpWindow::Page &page) {
  auto *item = new QListWidgetItem(page.title, list);
  item->setData(kPathRole, page.path);
}

}  // namespace

const QList<HelpWindow::Page> &HelpWindow::pages() {
  // The pages and their titles in English, the guide's own language; a page of the
  // desktop's language stands in for its English page where the guide has one.
  static constexpr const char *kPages[][2] = {
      {"index.html", QT_TR_NOOP("Contents")},
      {"writing-a-post.html", QT_TR_NOOP("Writing a post, step by step")},
      {"tools.html", QT_TR_NOOP("Toolbars and menus")},
      {"formatting.html", QT_TR_NOOP("Formatting text")},
      {"tables.html", QT_TR_NOOP("Tables")},
      {"fixed-columns.html", QT_TR_NOOP("Fixed columns")},
      {"copy-to-web.html", QT_TR_NOOP("What Copy to Web produces")},
      {"forums.html", QT_TR_NOOP("Forums, formats and links")},
      {"preview.html", QT_TR_NOOP("The preview and the length gauge")},
      {"finding-and-spelling.html", QT_TR_NOOP("Finding, replacing and spelling")},
      {"files.html", QT_TR_NOOP("Opening and saving files")},
      {"web-sites.html", QT_TR_NOOP("Web sites and your browser")},
      {"keyboard.html", QT_TR_NOOP("Keyboard shortcuts")},
  };
  static QHash<QString, QList<Page>> lists;
  const QString folder = guideFolder();
  auto found = lists.find(folder);
  if (found == lists.end()) {
    QList<Page> list;
    for (const auto &[file, title] : kPages) {
      const QString name = QString::fromLatin1(file);
      const QString translated = folder + u'/' + name;
      list.append({QFile::exists(translated) ? translated : u":/help/"_s + name, tr(title)});
    }
    found = lists.insert(folder, list);
  }
  return *found;
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
  const QList<QString> &texts = pageTexts(pages());
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
  setWindowTitle(tr("Quillmark Help"));

  contents_->setObjectName(u"contents"_s);
  for (const Page &page : pages()) addPageItem(contents_, page);

  searchField_->setObjectName(u"search"_s);
  searchField_->setPlaceholderText(tr("Type a word to search for"));
  searchField_->setClearButtonEnabled(true);
  results_->setObjectName(u"results"_s);
  auto *searchTab = new QWidget;
  auto *searchLayout = new QVBoxLayout(searchTab);
  searchStatus_->setObjectName(u"searchStatus"_s);
  searchStatus_->setWordWrap(true);
  searchStatus_->setTextFormat(Qt::PlainText);  // it quotes the words searched for
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
  tabs_->addTab(contents_, tr("&Contents"));
  tabs_->addTab(searchTab, tr("&Search"));

  browser_->setObjectName(u"page"_s);
  browser_->setOpenExternalLinks(true);
  browser_->setSearchPaths({u":/help"_s});

  auto *splitter = new QSplitter;
  splitter->addWidget(tabs_);
  splitter->addWidget(browser_);
  splitter->setStretchFactor(1, 1);
  // The contents pane as wide as its longest title needs, in whatever language, and the
  // tab bar's frame and a scroll bar's width beside it.
  const int pane =
      std::max(kContentsPaneWidth, contents_->sizeHintForColumn(0) + 2 * contents_->frameWidth() +
                                       contents_->style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                                       kContentsPaneMargin);
  splitter->setSizes({pane, kInitialSize.width() - pane});
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
  searchStatus_->setText(nothing ? tr("Nothing matches “%1”.").arg(query.trimmed()) : QString());
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
