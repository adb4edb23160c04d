#pragma once
// The user guide: a window with the contents and a search beside the pages. The guide ships
// inside the program as resources under :/help/.
#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QTabWidget;
class QTextBrowser;
class QUrl;

namespace quillmark::help {

class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  // One page of the guide: its resource path (":/help/...html") and its title.
  struct Page {
    QString path;
    QString title;
  };

  explicit HelpWindow(QWidget *parent = nullptr);

  // Shows the one help window of the program at its contents page, creating it the first
  // time, and brings it to the front.
  static HelpWindow *showContents();

  // The pages in contents order; the first is the contents page itself. In the desktop's
  // language (QLocale()): its pages (":/help/de/...html") and titles where the guide has
  // them, the English ones otherwise.
  static const QList<Page> &pages();

  // The paths of the pages whose text holds every word of `query` as a whole word, ignoring
  // case, in contents order. Markup is not searched, only the text a reader sees. Empty for a
  // query without words.
  static QStringList search(const QString &query);

  // Shows the page at `path` (a resource path or a qrc: URL's path).
  void showPage(const QString &path);

  // The resource path of the page shown.
  QString currentPage() const;

  // The words of the search marked on the page shown, in page order.
  QStringList highlightedWords() const;

 protected:
  void keyPressEvent(QKeyEvent *event) override;

 private:
  void runSearch(const QString &query);
  // Marks every word of the search on the page shown while the search tab is in front, and
  // scrolls to the first; clears the marks otherwise.
  void highlightMatches();
  void openItem(const QListWidgetItem *item);
  // Selects the page shown (also one reached by a link) in the contents list.
  void markInContents(const QUrl &source);

  QTabWidget *tabs_;
  QListWidget *contents_;
  QLineEdit *searchField_;
  QListWidget *results_;
  QLabel *searchStatus_;  // "Nothing matches ..." when a search finds no page
  QTextBrowser *browser_;
};

}  // namespace quillmark::help
