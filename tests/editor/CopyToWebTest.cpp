// "Copy to Web" from end to end, offscreen: whole posts typed and formatted through the
// window's commands, and the exact text the clipboard holds afterwards.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QTest>

#include "ScriptedPlatform.h"
#include "richtext/RichTextBox.h"

using namespace Qt::StringLiterals;
using quillmark::testing::ScriptedWindow;

namespace {

// Drives the window as a person does: typing, selecting and running tools by name.
struct Post {
  ScriptedWindow w;
  quillmark::richtext::RichTextBox &box = w.window.box();

  Post &type(const QString &text) {
    // Key clicks for the letters, as typing would; paragraph breaks through Return.
    const QStringList lines = text.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
      if (i > 0) QTest::keyClick(&box, Qt::Key_Return);
      for (QChar c : lines[i]) {
        if (c.unicode() < 0x80) {
          QTest::keyClick(&box, char(c.unicode()));
        } else {  // a character no key of the test's keyboard has: as a layout types it
          QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
          QCoreApplication::sendEvent(&box, &press);
        }
      }
    }
    return *this;
  }
  Post &select(int start, int length) {
    box.setSelStart(start);
    box.setSelLength(length);
    return *this;
  }
  Post &end() {
    box.moveCursor(QTextCursor::End);
    return *this;
  }
  Post &run(const QString &tool) {
    w.window.dispatch(tool);
    return *this;
  }
  QString copy() {
    w.window.copyToWeb();
    return QGuiApplication::clipboard()->text();
  }
};

TEST(CopyToWeb, PlainTextAtTheStartUpSize) {
  Post post;
  post.type(u"Hello forum\nSecond line"_s);
  EXPECT_EQ(post.copy(), u"<font size=3>Hello forum<br>\r\nSecond line</font>"_s);
}

TEST(CopyToWeb, BoldAndItalicWords) {
  Post post;
  post.type(u"one bold and italic words"_s);
  post.select(4, 4).run(u"miBold"_s);
  post.select(13, 6).run(u"miItalic"_s);
  EXPECT_EQ(post.copy(), u"<font size=3>one <b>bold</b> and <i>italic</i> words</font>"_s);
}

TEST(CopyToWeb, ARedWord) {
  Post post;
  post.w.platform->colors = {QColor(255, 0, 0)};
  post.type(u"a red word"_s);
  post.select(2, 3).run(u"Color"_s);
  EXPECT_EQ(post.copy(),
            u"<font size=3>a </font><font color=\"#FF0000\" size=3>red</font>"
            u"<font size=3> word</font>"_s);
}

TEST(CopyToWeb, ACentredTitleOverAPlainLine) {
  Post post;
  post.type(u"Title\nplain line"_s);
  post.select(0, 0).run(u"miCenter"_s);
  EXPECT_EQ(post.copy(),
            u"<table width=100%><tr><td align=\"center\"><font size=3>Title</font>"
            u"</td></tr></table><br>\r\n<font size=3>plain line</font>"_s);
}

TEST(CopyToWeb, AThreeItemBulletList) {
  Post post;
  post.type(u"Items:\none\ntwo\nthree"_s);
  post.select(7, 13).run(u"Bullets"_s);
  EXPECT_EQ(post.copy(),
            u"<font size=3>Items:</font><br>\r\n"
            u"<li><font size=3>one</font></li>\r\n"
            u"<li><font size=3>two</font></li>\r\n"
            u"<li><font size=3>three</font></li>"_s);
}

TEST(CopyToWeb, AFixedColumnsBlockWithASmallTable) {
  Post post;
  post.type(u"Scores"_s).end();
  QTest::keyClick(&post.box, Qt::Key_Return);
  post.run(u"Fixed Columns"_s);
  post.select(7 + 14, 0);  // the empty paragraph between the markers
  post.type(u"Name   Won  Lost\nAnna     3     1\nBert    12     0"_s);
  EXPECT_EQ(post.copy(),
            u"<font size=3>Scores</font><br>\r\n"
            u"<font size=3><pre>\r\n"
            u"Name   Won  Lost\r\n"
            u"Anna     3     1\r\n"
            u"Bert    12     0\r\n"
            u"</pre> </font>"_s);
}

TEST(CopyToWeb, AccentsEuroCurlyQuotesAndGreek) {
  Post post;
  post.type(u"Café costs 3 € – “quoted” ‘single’ Ελληνικά"_s);
  EXPECT_EQ(post.copy(),
            u"<font size=3>Caf&eacute; costs 3 &euro; &ndash; &ldquo;quoted&rdquo; "
            u"&lsquo;single&rsquo; Ελληνικά</font>"_s);
}

TEST(CopyToWeb, LeavesTheWholeDocumentSelectedAndReplacesTheClipboard) {
  Post post;
  auto *old = new QMimeData;
  old->setHtml(u"<b>old</b>"_s);
  QGuiApplication::clipboard()->setMimeData(old);
  post.type(u"one\ntwo"_s);
  const QString html = post.copy();
  EXPECT_EQ(post.box.selStart(), 0);
  EXPECT_EQ(post.box.selLength(), 7);
  const QMimeData *now = QGuiApplication::clipboard()->mimeData();
  EXPECT_FALSE(now->hasHtml());
  EXPECT_EQ(now->text(), html);
}

TEST(CopyToWeb, ConvertsALongPostWhole) {
  Post post;
  QString text;
  for (int i = 0; i < 40000; ++i) text += u"line %1 of a long post\r"_s.arg(i);
  text += u"the end"_s;
  post.box.setSelText(text);
  ASSERT_GT(post.box.text().size(), 999999);
  EXPECT_TRUE(post.copy().endsWith(u"the end</font>"_s));
}

// The view stays where the writer was, wherever that is, and the whole post is still
// selected; the insertion point stands at its end, as after Select All.
TEST(CopyToWeb, KeepsTheViewWhereTheWriterWas) {
  const struct {
    const char *where;
    double share;  // of the way down the document
  } cases[] = {{"start", 0.0}, {"middle", 0.5}, {"near the end", 0.9}};
  for (const auto &test : cases) {
    Post post;
    post.w.window.resize(700, 500);
    post.w.window.show();
    QString text;
    for (int i = 0; i < 3000; ++i) text += u"line %1 of a long post\r"_s.arg(i);
    text += u"the end"_s;
    post.box.setSelText(text);
    const int length = int(post.box.text().size());
    post.box.setSelStart(int(length * test.share));
    post.box.ensureCursorVisible();
    QCoreApplication::processEvents();
    QScrollBar &scroll = *post.box.verticalScrollBar();
    const int before = scroll.value();
    if (test.share > 0) {
      ASSERT_GT(before, 0) << test.where;
    }

    EXPECT_TRUE(post.copy().endsWith(u"the end</font>"_s)) << test.where;
    QCoreApplication::processEvents();
    post.box.viewport()->repaint();
    EXPECT_EQ(scroll.value(), before) << test.where;
    EXPECT_EQ(post.box.selStart(), 0) << test.where;
    EXPECT_EQ(post.box.selLength(), length) << test.where;
    EXPECT_EQ(post.box.textCursor().position(), length) << test.where;
  }
}

}  // namespace
