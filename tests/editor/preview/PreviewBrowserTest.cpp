// The preview of an html post against a real browser: headless Chromium renders the same
// post, and the text lines it shows (the page's innerText) are the preview's, for the example
// post, the word-processor documents and a web page. Skipped where no Chromium is installed.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>

#include "preview/PreviewContent.h"

using namespace Qt::StringLiterals;

namespace {

QString readUtf8(const QString &fileName) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

// Lines as a reader sees them: blanks at a line's end and empty lines at the end show
// nothing, a no-break space shows as a blank.
QStringList shownLines(QString text) {
  text.replace(QChar::LineSeparator, u'\n').replace(QChar::ParagraphSeparator, u'\n');
  text.replace(QChar::Nbsp, u' ');
  QStringList lines = text.split(u'\n');
  for (QString &line : lines) {
    while (!line.isEmpty() && line.back().isSpace()) line.chop(1);
  }
  while (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
  // A Qt document that opens with a table has an empty paragraph before it.
  while (!lines.isEmpty() && lines.front().isEmpty()) lines.removeFirst();
  return lines;
}

// The page's innerText as headless Chromium lays the post out; empty when it could not run.
QString browserText(const QString &chromium, const QString &post) {
  QTemporaryDir dir;
  const QString pageName = dir.filePath(u"post.html"_s);
  QFile page(pageName);
  if (!page.open(QIODevice::WriteOnly)) return {};
  page.write("<!DOCTYPE html><html><head><meta charset=\"utf-8\"></head><body>" + post.toUtf8() +
             // A newline that ends a <pre> shows no line, but innerText counts it: it goes first.
             "<script>addEventListener('load', () => { for (const pre of"
             " document.querySelectorAll('pre')) if (pre.lastChild && pre.lastChild.nodeType === 3)"
             " pre.lastChild.data = pre.lastChild.data.replace(/\\n$/, '');"
             " const text = document.body.innerText;"
             " document.body.textContent = ''; const out = document.createElement('textarea');"
             " out.id = 'shown'; out.textContent = text; document.body.appendChild(out); });"
             "</script></body></html>");
  page.close();
  QProcess browser;
  browser.start(chromium, {u"--headless"_s, u"--no-sandbox"_s, u"--disable-gpu"_s,
                           u"--user-data-dir="_s + dir.filePath(u"profile"_s), u"--dump-dom"_s,
                           QUrl::fromLocalFile(pageName).toString()});
  if (!browser.waitForFinished(60'000)) {
    browser.kill();
    browser.waitForFinished();
    return {};
  }
  const QString dom = QString::fromUtf8(browser.readAllStandardOutput());
  static const QRegularExpression shown(uR"(<textarea id="shown">(.*)</textarea>)"_s,
                                        QRegularExpression::DotMatchesEverythingOption);
  const QRegularExpressionMatch match = shown.match(dom);
  if (!match.hasMatch()) return {};
  QTextDocument decode;  // the dump escapes <, > and & in the text
  decode.setHtml(u"<pre>"_s + match.captured(1) + u"</pre>"_s);
  return decode.toPlainText();
}

// The fragment's bare list items as Qt shows them once the preview has shaped them: each
// item a bulleted paragraph, the line after the last one a paragraph of its own.
TEST(PreviewOfHtml, ShowsBareItemsAsABrowserDoes) {
  const struct {
    const char *name;
    QString post;
    QString blocks;  // each paragraph's text, "* " before a list item's
  } cases[] = {
      {"items then a line", u"<li>a</li>\r\n<li>b</li>\r\n<font size=2>after</font><br>\r\nnext"_s,
       u"* a|* b|after\u2028next"_s},
      {"a line break after the list", u"<li>a</li>\n<font>one<br>\ntwo</font>"_s,
       u"* a|one\u2028two"_s},
      {"two runs of items", u"<li>a</li>\nmid<br>\n<li>b</li>"_s, u"* a|mid\u2028|* b|"_s},
      {"a table after the list", u"<li>a</li>\n<table><tr><td>t</td></tr></table>"_s, u"* a|t|"_s},
      {"a page's own list is left alone", u"<ol><li>a</li><li>b</li></ol>after"_s,
       u"* a|* b|after"_s},
      {"a < that starts no tag", u"5<6 and 1 < 2"_s, u"5<6 and 1 < 2"_s},
  };
  for (const auto &c : cases) {
    QTextDocument preview;
    preview.setHtml(quillmark::preview::renderedHtml(c.post, quillmark::Format::Html));
    QStringList blocks;
    for (QTextBlock block = preview.begin(); block.isValid(); block = block.next())
      blocks << (block.textList() ? u"* "_s : QString()) + block.text();
    EXPECT_EQ(blocks.join(u'|').toStdString(), c.blocks.toStdString()) << c.name;
  }
}

TEST(PreviewAgainstABrowser, AnHtmlPostShowsTheBrowsersLines) {
  QString chromium = QStandardPaths::findExecutable(u"chromium"_s);
  if (chromium.isEmpty()) chromium = QStandardPaths::findExecutable(u"chromium-browser"_s);
  if (chromium.isEmpty()) GTEST_SKIP() << "no Chromium to compare with";
  const QDir source(QStringLiteral(QUILLMARK_SOURCE_DIR));
  const QString posts[] = {
      u"examples/sample-post.html"_s,
      u"tests/cli/golden/documents/word-processor-post.html"_s,
      u"tests/cli/golden/documents/abiword.html"_s,
      u"tests/cli/golden/documents/abiword-table.html"_s,
      u"tests/cli/golden/documents/libreoffice.html"_s,
      u"tests/cli/golden/documents/pandoc.html"_s,
      u"tests/cli/golden/documents/word.html"_s,
      u"tests/cli/golden/documents/wordpad.html"_s,
      u"tests/cli/golden/documents/web-page.html"_s,
  };
  for (const QString &name : posts) {
    const QString post = readUtf8(source.filePath(name));
    ASSERT_FALSE(post.isEmpty()) << name.toStdString();
    QTextDocument preview;
    preview.setHtml(quillmark::preview::renderedHtml(post, quillmark::Format::Html));
    const QString browser = browserText(chromium, post);
    ASSERT_FALSE(browser.isEmpty()) << "Chromium showed nothing of " << name.toStdString();
    EXPECT_EQ(shownLines(preview.toPlainText()).join(u'\n').toStdString(),
              shownLines(browser).join(u'\n').toStdString())
        << name.toStdString();
  }
}

}  // namespace
