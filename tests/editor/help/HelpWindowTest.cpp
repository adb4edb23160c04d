#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QSet>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QUrl>
#include <ostream>
#include <vector>

#include "QtPrinters.h"
#include "help/HelpWindow.h"

using namespace Qt::StringLiterals;
using quillmark::help::HelpWindow;

namespace {

QStringList pagePaths() {
  QStringList paths;
  for (const HelpWindow::Page &page : HelpWindow::pages()) paths << page.path;
  return paths;
}

TEST(HelpWindowTest, ContentsListEveryShippedPage) {
  HelpWindow window;  // registers the guide's resources
  QStringList shipped;
  for (const QString &name : QDir(u":/help"_s).entryList({u"*.html"_s}, QDir::Files))
    shipped << u":/help/"_s + name;
  ASSERT_FALSE(shipped.isEmpty());
  const QStringList listed = pagePaths();
  EXPECT_EQ(QSet<QString>(shipped.cbegin(), shipped.cend()),
            QSet<QString>(listed.cbegin(), listed.cend()));
  EXPECT_EQ(listed.size(), shipped.size()) << "a page is listed twice";
  EXPECT_EQ(listed.front(), u":/help/index.html"_s);

  auto *contents = window.findChild<QListWidget *>(u"contents"_s);
  ASSERT_NE(contents, nullptr);
  ASSERT_EQ(contents->count(), HelpWindow::pages().size());
  for (int row = 0; row < contents->count(); ++row)
    EXPECT_EQ(contents->item(row)->text(), HelpWindow::pages()[row].title);
}

TEST(HelpWindowTest, EveryPageLoadsAndEveryLinkLeadsToAShippedPage) {
  HelpWindow window;
  auto *browser = window.findChild<QTextBrowser *>(u"page"_s);
  ASSERT_NE(browser, nullptr);
  const QRegularExpression reference(uR"re((?:href|src)="([^"]*)")re"_s);
  for (const QString &path : pagePaths()) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    const QString html = QString::fromUtf8(file.readAll());
    for (auto it = reference.globalMatch(html); it.hasNext();) {
      const QString target = it.next().captured(1);
      EXPECT_TRUE(QFile::exists(u":/help/"_s + target))
          << path.toStdString() << " refers to " << target.toStdString();
    }
    window.showPage(path);
    EXPECT_EQ(window.currentPage(), path);
    EXPECT_FALSE(browser->document()->metaInformation(QTextDocument::DocumentTitle).isEmpty())
        << path.toStdString();
    EXPECT_GT(browser->toPlainText().size(), 200) << path.toStdString();
  }
}

TEST(HelpWindowTest, SearchFindsWholeWordsIgnoringCase) {
  HelpWindow window;
  struct Case {
    QString query;
    QStringList pages;  // file names, in contents order
  };
  const std::vector<Case> cases = {
      {u"Courier"_s, {u"fixed-columns.html"_s, u"copy-to-web.html"_s}},
      {u"cOURIER"_s, {u"fixed-columns.html"_s, u"copy-to-web.html"_s}},
      // Whole words only: "Press" and "preformatted" do not match.
      {u"pre"_s, {u"fixed-columns.html"_s, u"copy-to-web.html"_s}},
      {u"Ctrl+Shift+C"_s, {u"copy-to-web.html"_s, u"keyboard.html"_s}},
      {u"BROWSER colons"_s, {u"web-sites.html"_s}},  // every word must be on the page
      {u"Courier colons"_s, {}},
      {u"mimeapps"_s, {}},
      {u"   "_s, {}},
  };
  for (const Case &c : cases) {
    QStringList expected;
    for (const QString &name : c.pages) expected << u":/help/"_s + name;
    EXPECT_EQ(HelpWindow::search(c.query), expected) << c.query.toStdString();
  }
}

TEST(HelpWindowTest, SearchFieldListsPagesAndChoosingOneShowsIt) {
  HelpWindow window;
  auto *field = window.findChild<QLineEdit *>(u"search"_s);
  auto *results = window.findChild<QListWidget *>(u"results"_s);
  auto *contents = window.findChild<QListWidget *>(u"contents"_s);
  auto *tabs = window.findChild<QTabWidget *>();
  ASSERT_TRUE(field && results && contents && tabs);

  tabs->setCurrentIndex(1);  // the search tab, where the field stands
  field->setText(u"courier"_s);
  ASSERT_EQ(results->count(), 2);
  EXPECT_EQ(results->item(1)->text(), u"What Copy to Web produces"_s);
  emit results->itemActivated(results->item(1));
  EXPECT_EQ(window.currentPage(), u":/help/copy-to-web.html"_s);
  EXPECT_EQ(contents->currentItem()->text(), u"What Copy to Web produces"_s);

  // The words found are marked on the page, every one of them, and only while searching.
  const QStringList marked = window.highlightedWords();
  EXPECT_GE(marked.size(), 1);
  for (const QString &word : marked) EXPECT_EQ(word.toLower(), u"courier"_s);
  tabs->setCurrentIndex(0);
  EXPECT_TRUE(window.highlightedWords().isEmpty());
  tabs->setCurrentIndex(1);
  EXPECT_EQ(window.highlightedWords(), marked);

  auto *status = window.findChild<QLabel *>(u"searchStatus"_s);
  ASSERT_NE(status, nullptr);
  EXPECT_TRUE(status->isHidden());
  field->setText(u"no-such-word-anywhere"_s);
  EXPECT_EQ(results->count(), 0);
  EXPECT_FALSE(status->isHidden());
  EXPECT_EQ(status->text(), u"Nothing matches \u201cno-such-word-anywhere\u201d."_s);
  EXPECT_TRUE(window.highlightedWords().isEmpty());
  field->clear();
  EXPECT_TRUE(status->isHidden());

  // Following a link inside a page marks that page in the contents too.
  window.findChild<QTextBrowser *>(u"page"_s)->setSource(QUrl(u"qrc:/help/keyboard.html"_s));
  EXPECT_EQ(contents->currentItem()->text(), u"Keyboard shortcuts"_s);
}

TEST(HelpWindowTest, ShowContentsReusesOneWindowAndReturnsToTheContents) {
  HelpWindow *first = HelpWindow::showContents();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->windowTitle(), u"Quillmark Help"_s);
  EXPECT_TRUE(first->isVisible());
  first->showPage(u":/help/keyboard.html"_s);
  first->hide();

  HelpWindow *second = HelpWindow::showContents();
  EXPECT_EQ(second, first);
  EXPECT_TRUE(second->isVisible());
  EXPECT_EQ(second->currentPage(), u":/help/index.html"_s);
}

TEST(HelpWindowTest, EscClosesTheWindow) {
  HelpWindow *window = HelpWindow::showContents();
  ASSERT_NE(window, nullptr);
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  QTest::keyClick(window, Qt::Key_Escape);
  EXPECT_FALSE(window->isVisible());

  // Also with the focus in the search field or the page: neither takes the key.
  for (const QString &name : {u"search"_s, u"page"_s}) {
    window = HelpWindow::showContents();
    QWidget *part = window->findChild<QWidget *>(name);
    ASSERT_NE(part, nullptr) << name.toStdString();
    QTest::keyClick(part, Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible()) << name.toStdString();
  }
}

}  // namespace
