// The preview dock, the length gauge and the check before copy, offscreen: what the preview's
// documents hold for each format, refreshing after edits and after a change of profile, a
// large document refreshed on a worker while typing goes on, the gauge's numbers and colours
// around a limit, links handed to the browser, and the check's verdict on a broken post.
#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QTextList>
#include <QTextTable>
#include <cmath>

#include "ScriptedPlatform.h"
#include "post/PostBuilder.h"
#include "preview/LengthGauge.h"
#include "preview/MarkupHighlighter.h"
#include "preview/Preview.h"
#include "preview/PreviewContent.h"
#include "preview/PreviewPanel.h"
#include "richtext/DocumentModel.h"
#include "richtext/RichTextBox.h"
#include "web/Profiles.h"

using namespace Qt::StringLiterals;
using quillmark::Format;
using quillmark::post::MadePost;
using quillmark::preview::LengthGauge;
using quillmark::testing::ScriptedWindow;
using quillmark::testing::SettingsSandbox;
using Level = LengthGauge::Level;

namespace {

constexpr int kRefreshWaitMs = 5000;
constexpr int kLargeRefreshWaitMs = 120000;  // a hang guard, not a timing

// A window whose document holds a centred title, "Hello " and a bold "world", and a red
// word; the preview open. Each profile of the table posts in one format.
struct Previewing {
  ScriptedWindow w;
  quillmark::richtext::RichTextBox &box = w.window.box();
  quillmark::preview::Preview &preview = w.window.preview();
  quillmark::preview::PreviewPanel &panel = preview.panel();

  Previewing() {
    box.setSelText(u"Title\nHello world\nred"_s);
    select(0, 5);
    box.setSelAlignment(quillmark::richtext::Alignment::Center);
    select(12, 5);
    w.window.dispatch(u"miBold"_s);
    select(18, 3);
    box.setSelColor(0x0000FF);  // red in the low byte
    select(21, 0);
    for (const auto &[name, format, limit] :
         {std::tuple{u"Board"_s, Format::Phpbb, 0}, std::tuple{u"Xen"_s, Format::Xenforo, 0},
          std::tuple{u"Chat"_s, Format::Markdown, 0}, std::tuple{u"Tiny"_s, Format::Phpbb, 10},
          std::tuple{u"TinyPage"_s, Format::Html, 10}})
      w.window.profiles().add({name, u"example.org"_s, format, limit, false});
    preview.toggle();
    refresh();
  }
  void select(int start, int length) {
    box.setSelStart(start);
    box.setSelLength(length);
  }
  void postAs(const QString &name) { emit w.window.postAsBox().textActivated(name); }
  void refresh() {
    if (!preview.isPending()) preview.refreshNow();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !preview.isPending(); }, kLargeRefreshWaitMs));
  }
  QTextDocument &rendered() const { return *panel.renderedView().document(); }
  QTextDocument &markup() const { return *panel.markupView().document(); }
  QString header() const {
    return panel.header().isVisibleTo(&panel) ? panel.header().text() : QString();
  }
};

// The formatting at the first occurrence of `word` in `doc`.
QTextCursor at(QTextDocument &doc, const QString &word) {
  QTextCursor cursor = doc.find(word);
  EXPECT_FALSE(cursor.isNull()) << word.toStdString() << " in " << doc.toPlainText().toStdString();
  return cursor;
}

TEST(Preview, ShowsThePostAsEachForumShowsIt) {
  Previewing p;
  const struct {
    QString profile;
    bool centred;   // the title's alignment shows
    bool coloured;  // the red word is red
  } cases[] = {
      {u"AP"_s, true, true},
      {u"Board"_s, false, true},
      {u"Xen"_s, true, true},
      {u"Chat"_s, false, false},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.profile.toStdString());
    p.postAs(c.profile);
    p.refresh();
    QTextDocument &doc = p.rendered();
    const QString text = doc.toPlainText();
    for (const QString &word : {u"Title"_s, u"Hello"_s, u"world"_s, u"red"_s})
      EXPECT_TRUE(text.contains(word)) << text.toStdString();
    EXPECT_FALSE(text.contains(u'[') || text.contains(u'<') || text.contains(u'*'))
        << "markup shown as text: " << text.toStdString();
    EXPECT_EQ(at(doc, u"world"_s).charFormat().fontWeight(), QFont::Bold);
    EXPECT_NE(at(doc, u"Hello"_s).charFormat().fontWeight(), QFont::Bold);
    EXPECT_EQ((at(doc, u"Title"_s).block().blockFormat().alignment() & Qt::AlignHorizontal_Mask) ==
                  Qt::AlignHCenter,
              c.centred);
    EXPECT_EQ(at(doc, u"red"_s).charFormat().foreground().color() == QColor(0xFF, 0, 0),
              c.coloured);
    // The header names what the forum drops, and only that.
    EXPECT_EQ(p.header().contains(u"centring (1 paragraph)"_s), !c.centred)
        << p.header().toStdString();
    EXPECT_EQ(p.header().contains(u"colour (1 run)"_s), !c.coloured) << p.header().toStdString();
    if (!p.header().isEmpty()) {
      EXPECT_TRUE(p.header().startsWith(u"This forum does not show: "_s));
    }

    // The markup tab holds exactly what "Copy to Web" copies (a text document keeps no
    // carriage returns: its lines are its blocks).
    p.w.window.copyToWeb();
    EXPECT_EQ(p.markup().toPlainText(),
              QGuiApplication::clipboard()->text().replace(u"\r\n"_s, u"\n"_s));
    EXPECT_TRUE(p.w.platform->messages.empty()) << p.w.platform->messages[0].text.toStdString();
  }
}

// A table posted where the forum has tables is drawn as one, with a grid and every cell in
// its place; where it has none the preview shows the code block and the header says so.
TEST(Preview, DrawsTablesAsTheForumShowsThem) {
  QTextDocument document;
  QTextCursor cursor(&document);
  QTextTableFormat format;
  format.setHeaderRowCount(1);
  QTextTable *table = cursor.insertTable(2, 2, format);
  const QString words[2][2] = {{u"Team"_s, u"Pts"_s}, {u"Rovers"_s, u"38"_s}};
  for (int r = 0; r < 2; ++r)
    for (int c = 0; c < 2; ++c) table->cellAt(r, c).firstCursorPosition().insertText(words[r][c]);
  const struct {
    Format format;
    bool tables;  // the profile's
    bool drawn;   // as a table
  } cases[] = {
      {Format::Xenforo, true, true},    {Format::Smf, true, true},
      {Format::Vbulletin, true, true},  {Format::Markdown, true, true},
      {Format::Phpbb, true, false},     {Format::Xenforo, false, false},
      {Format::Markdown, false, false},
  };
  for (const auto &c : cases) {
    const std::string name =
        std::string(quillmark::formatName(c.format)) + (c.tables ? "" : " without tables");
    quillmark::web::Profile profile{u"Forum"_s, {}, c.format, 0, false, c.tables};
    quillmark::Converter converter;
    const MadePost made = quillmark::post::makePost(converter, document, profile);
    QTextDocument shown;
    shown.setHtml(quillmark::preview::renderedHtml(made.text, c.format));
    QTextTable *drawn = nullptr;
    for (QTextFrame *frame : shown.rootFrame()->childFrames())
      if (auto *t = qobject_cast<QTextTable *>(frame)) drawn = t;
    ASSERT_EQ(drawn != nullptr, c.drawn) << name << "\n" << made.text.toStdString();
    EXPECT_EQ(
        quillmark::post::lossHeader(made.losses).contains(u"tables (1 shown as a code block)"_s),
        !c.drawn)
        << name;
    if (!drawn) {
      EXPECT_TRUE(shown.toPlainText().contains(u"Rovers | 38"_s)) << name;
      continue;
    }
    EXPECT_GT(drawn->format().border(), 0) << name;
    ASSERT_EQ(drawn->rows(), 2) << name;
    ASSERT_EQ(drawn->columns(), 2) << name;
    for (int r = 0; r < 2; ++r) {
      for (int col = 0; col < 2; ++col) {
        QTextCursor from = drawn->cellAt(r, col).firstCursorPosition();
        from.setPosition(drawn->cellAt(r, col).lastCursorPosition().position(),
                         QTextCursor::KeepAnchor);
        EXPECT_EQ(from.selectedText(), words[r][col]) << name << " " << r << "," << col;
      }
    }
  }
}

// The markup of a table, and only its markup, is muted: the dialect's table tags, GFM's
// bars and delimiter row; a cell's words are text.
TEST(Preview, TableMarkupIsMuted) {
  const struct {
    Format format;
    QString line;
    QString markup;  // the line's characters the patterns cover, others as spaces
  } cases[] = {
      {Format::Xenforo, u"[TR][TH]a[/TH][td]b[/td][/TR]"_s, u"[TR][TH] [/TH][td] [/td][/TR]"_s},
      {Format::Smf, u"[tr][td]a[/td][th]b[/th][/tr]"_s, u"[tr][td] [/td]          [/tr]"_s},
      {Format::Phpbb, u"[tr][td]a[/td]"_s, u"              "_s},
      {Format::Markdown, u"| a \\| b |"_s, u"|   \\|   |"_s},
  };
  for (const auto &c : cases) {
    QString covered(c.line.size(), u' ');
    for (const QRegularExpression &pattern :
         quillmark::preview::MarkupHighlighter::markupPatterns(c.format)) {
      for (auto it = pattern.globalMatch(c.line); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        for (qsizetype i = m.capturedStart(); i < m.capturedEnd(); ++i) covered[i] = c.line[i];
      }
    }
    EXPECT_EQ(covered, c.markup) << c.line.toStdString();
  }
  // In a Markdown view, the second line of a table is its delimiter row, all markup; a row
  // of dashes further down keeps its dash as text.
  QTextDocument view;
  view.setPlainText(u"| a |\n| :--- |\n| - |\n\n| :--- |"_s);
  quillmark::preview::MarkupHighlighter highlighter(Format::Markdown, Qt::red, &view);
  highlighter.rehighlight();
  const auto muted = [&](int line, int column) {
    const QTextBlock block = view.findBlockByNumber(line);
    for (const QTextLayout::FormatRange &range : block.layout()->formats())
      if (range.start <= column && column < range.start + range.length) return true;
    return false;
  };
  EXPECT_TRUE(muted(1, 3)) << "the delimiter row's dashes";
  EXPECT_FALSE(muted(0, 2)) << "a cell's word";
  EXPECT_FALSE(muted(2, 2)) << "the writer's dash";
  EXPECT_FALSE(muted(4, 3)) << "a line of dashes that heads no table is no delimiter row";
}

TEST(Preview, MarkupIsFixedWidthReadOnlyAndMuted) {
  Previewing p;
  p.postAs(u"Board"_s);
  p.refresh();
  EXPECT_TRUE(p.panel.markupView().isReadOnly());
  EXPECT_TRUE(p.markup().defaultFont().fixedPitch());
  const QTextCursor tag = at(p.markup(), u"[b]"_s);
  const QTextCursor word = at(p.markup(), u"world"_s);
  // The highlighter's colours live in the block layouts, beside the text.
  auto colourAt = [](const QTextCursor &c) {
    const int offset = c.selectionStart() - c.block().position();
    for (const QTextLayout::FormatRange &range : c.block().layout()->formats())
      if (range.start <= offset && offset < range.start + range.length)
        return range.format.foreground().color();
    return QColor();
  };
  EXPECT_TRUE(colourAt(tag).isValid());
  EXPECT_FALSE(colourAt(word).isValid());
  // "[center]" is not phpBB's: a writer who types it sees it as text.
  EXPECT_EQ(quillmark::preview::MarkupHighlighter::markupPatterns(Format::Phpbb)
                .front()
                .match(u"[center]"_s)
                .hasMatch(),
            false);
}

TEST(Preview, FollowsTheWritingAfterAPause) {
  Previewing p;
  QSignalSpy refreshed(&p.preview, &quillmark::preview::Preview::refreshed);
  p.box.setFocus();
  p.select(p.box.text().size(), 0);
  QTest::keyClicks(&p.box, u" again"_s);
  // Typing restarts the pause; nothing is refreshed while it runs.
  EXPECT_TRUE(p.preview.isPending());
  EXPECT_EQ(refreshed.count(), 0);
  ASSERT_TRUE(refreshed.wait(kRefreshWaitMs));
  EXPECT_TRUE(p.rendered().toPlainText().endsWith(u"red again"_s))
      << p.rendered().toPlainText().toStdString();

  // A change of profile refreshes at once.
  p.postAs(u"Chat"_s);
  EXPECT_FALSE(p.preview.isPending());
  EXPECT_TRUE(p.markup().toPlainText().contains(u"**world**"_s));

  // A document opened in place of the one written is previewed too.
  ASSERT_TRUE(p.w.window.openFile(QString::fromUtf8(QUILLMARK_SOURCE_DIR) +
                                  u"/examples/sample-post.rtf"_s));
  EXPECT_TRUE(p.preview.isPending());
  p.refresh();
  EXPECT_TRUE(p.rendered().toPlainText().contains(u"Season Review"_s))
      << p.rendered().toPlainText().toStdString();
}

TEST(Preview, LargeDocumentRefreshesOnAWorkerWhileTypingGoesOn) {
  Previewing p;
  QString text;
  for (int line = 0; text.size() < 400 * 1024; ++line)
    text += u"Line %1 of a long report, with figures 12 34 56 78.\n"_s.arg(line);
  p.box.setText(text + u"end"_s);
  p.preview.refreshNow();
  ASSERT_TRUE(p.preview.isWorking());
  EXPECT_EQ(p.header(), u"Updating the preview\u2026"_s);

  // The window takes keys while the worker converts.
  p.box.setFocus();
  p.select(p.box.text().size(), 0);
  int typedWhileWorking = 0;
  for (const QString &key : {u"x"_s, u"y"_s, u"z"_s}) {
    if (p.preview.isWorking()) ++typedWhileWorking;
    QTest::keyClicks(&p.box, key);
    QTest::qWait(20);
  }
  EXPECT_GT(typedWhileWorking, 0);
  EXPECT_TRUE(p.box.text().endsWith(u"endxyz"_s));
  const bool stillWorking = p.preview.isWorking();
  p.preview.refreshNow();  // as the pause would, while the worker may still run
  ASSERT_TRUE(QTest::qWaitFor([&] { return !p.preview.isPending(); }, kLargeRefreshWaitMs));

  // The result shown is that of the document as it is now; older ones were dropped.
  EXPECT_TRUE(p.rendered().toPlainText().endsWith(u"endxyz"_s));
  if (stillWorking) {
    EXPECT_GE(p.preview.discarded(), 1);
  }
  EXPECT_TRUE(p.header().isEmpty()) << p.header().toStdString();
  p.w.window.copyToWeb();
  EXPECT_EQ(p.preview.gauge().length(), QGuiApplication::clipboard()->text().size());
}

TEST(LengthGauge, NumbersAndColoursAroundTheLimit) {
  const struct {
    int length, limit;
    QString text;
    Level level;
  } cases[] = {
      {0, 0, u"0"_s, Level::Normal},
      {123456, 0, QLocale().toString(123456), Level::Normal},
      {54000, 60000, QLocale().toString(54000) + u" / "_s + QLocale().toString(60000),
       Level::Normal},
      {54001, 60000, {}, Level::Warning},
      {60000, 60000, {}, Level::Warning},
      {60001, 60000, {}, Level::Over},
      {9, 10, {}, Level::Normal},
      {10, 10, {}, Level::Warning},
      {11, 10, {}, Level::Over},
  };
  QWidget parent;
  LengthGauge gauge(&parent);
  for (const auto &c : cases) {
    SCOPED_TRACE(c.length);
    gauge.setLength(c.length, c.limit);
    if (!c.text.isEmpty()) {
      EXPECT_EQ(gauge.text(), c.text);
    }
    EXPECT_EQ(gauge.level(), c.level);
    const QPalette &palette = parent.palette();
    EXPECT_EQ(gauge.color(), LengthGauge::colorFor(c.level, palette.color(QPalette::Window),
                                                   palette.color(QPalette::WindowText)));
  }

  // Warning and error stand apart from the text and read on light and dark backgrounds.
  auto luminance = [](const QColor &c) {
    auto channel = [](double v) {
      return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
  };
  auto contrast = [&](const QColor &a, const QColor &b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
  };
  for (const QColor &window :
       {QColor(0xF0E8D0), QColor(Qt::white), QColor(0x202020), QColor(Qt::black)}) {
    const QColor text = window.lightnessF() < 0.5 ? QColor(Qt::white) : QColor(Qt::black);
    const QColor warning = LengthGauge::colorFor(Level::Warning, window, text);
    const QColor over = LengthGauge::colorFor(Level::Over, window, text);
    EXPECT_GE(contrast(warning, window), 4.5) << window.name().toStdString();
    EXPECT_GE(contrast(over, window), 4.5) << window.name().toStdString();
    EXPECT_NE(warning, over);
    EXPECT_EQ(LengthGauge::colorFor(Level::Normal, window, text), text);
  }
}

// An html post has no parts: the gauge and the copy say how much too long it is.
TEST(LengthGauge, CountsThePostAndSaysHowMuchTooLongACopyIs) {
  Previewing p;
  p.postAs(u"TinyPage"_s);
  p.refresh();
  p.w.window.copyToWeb();
  const int length = QGuiApplication::clipboard()->text().size();  // still copied whole
  EXPECT_EQ(p.preview.gauge().length(), length);
  EXPECT_EQ(p.preview.gauge().limit(), 10);
  EXPECT_EQ(p.preview.gauge().level(), Level::Over);
  EXPECT_EQ(
      p.preview.gauge().text(),
      QLocale().toString(length) + u" / 10 (over by %1)"_s.arg(QLocale().toString(length - 10)));

  EXPECT_TRUE(p.w.window.statusBar()->currentMessage().contains(
      u"(%1 characters longer than the 10 TinyPage takes)"_s.arg(QLocale().toString(length - 10))))
      << p.w.window.statusBar()->currentMessage().toStdString();
}

// A post in parts: the markup shows them with a line naming each between them, the gauge
// the longest against the limit, and the copy the first.
TEST(LengthGauge, APostInPartsShowsThePartsAndTheLongest) {
  Previewing p;
  p.w.window.profiles().add({u"Short"_s, u"example.org"_s, Format::Phpbb, 40, false});
  p.postAs(u"Short"_s);
  p.refresh();
  const QString markup = p.markup().toPlainText();
  EXPECT_TRUE(markup.contains(u"\u2014\u2014\u2014 Part 2 of "_s)) << markup.toStdString();
  EXPECT_LE(p.preview.gauge().length(), 40);
  EXPECT_NE(p.preview.gauge().level(), Level::Over);
  p.w.window.copyToWeb();
  EXPECT_TRUE(markup.startsWith(QGuiApplication::clipboard()->text()));
  EXPECT_TRUE(p.w.window.statusBar()->currentMessage().startsWith(u"Copied part 1 of "_s))
      << p.w.window.statusBar()->currentMessage().toStdString();
}

TEST(LengthGauge, FollowsAProfileChangedInTheForumsDialog) {
  Previewing p;
  p.postAs(u"Tiny"_s);
  ASSERT_EQ(p.preview.gauge().limit(), 10);
  p.w.platform->onModal = [&](QDialog &) {
    p.w.window.profiles().update(u"Tiny"_s,
                                 {u"Tiny"_s, u"example.org"_s, Format::Phpbb, 100000, false});
  };
  p.w.window.showForums();
  EXPECT_EQ(p.preview.gauge().limit(), 100000);
  EXPECT_EQ(p.preview.gauge().level(), Level::Normal);
}

TEST(CheckBeforeCopy, NamesWhatIsWrongAndLogsIt) {
  ScriptedWindow w;
  const struct {
    const char *what;
    QString webHtml;
    QString post;
    Format format;
    QString document;
    QString verdict;    // empty when the post passes
    bool fault = true;  // the message calls it a fault of the program
  } cases[] = {
      {"a good post", u"a <b>b</b>"_s, u"a [b]b[/b]"_s, Format::Phpbb, u"a b"_s, {}},
      {"an element left open", u"a <b>b"_s, u"a <b>b"_s, Format::Html, u"a b"_s,
       u"element left open: <b>"_s},
      {"a word lost on the way", u"a <b>b</b> c"_s, u"a <b>b</b> c"_s, Format::Html, u"a b c d"_s,
       u"text lost: \"d\""_s},
      {"tags crossing in the post", u"<b>a <i>b</i></b>"_s, u"[b]a [i]b[/b][/i]"_s, Format::Phpbb,
       u"a b"_s, u"[/b] closes [i]"_s},
      {"markup not of the format", u"a"_s, u"[center]a[/center]"_s, Format::Phpbb, u"a"_s,
       u"markup or text not of the writer"_s},
      // html writes the writer's text as it is: HTML typed there is HTML on the forum.
      {"a tag the writer typed", u"a <b>b</b>"_s, u"a <b>b</b>"_s, Format::Html, u"a <b>b</b>"_s,
       u"holds \"<b>\", which an html forum reads as HTML"_s, false},
      {"a reference the writer typed", u"x &lt; y"_s, u"x &lt; y"_s, Format::Html, u"x &lt; y"_s,
       u"holds \"&lt;\""_s, false},
      {"a tag typed, posted as BBCode", u"a &lt;b&gt;"_s, u"a [b]"_s, Format::Phpbb, u"a <b>"_s,
       u"text lost"_s},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.what);
    w.platform->messages.clear();
    MadePost post;
    post.webHtml = c.webHtml.toStdU16String();
    post.text = c.post;
    post.format = c.format;
    if (!c.verdict.isEmpty())
      QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"does not match the document"_s));
    w.window.preview().checkCopy(post, c.document);
    if (c.verdict.isEmpty()) {
      EXPECT_TRUE(w.platform->messages.empty());
      continue;
    }
    ASSERT_EQ(w.platform->messages.size(), 1u);
    EXPECT_TRUE(w.platform->messages[0].text.contains(c.verdict))
        << w.platform->messages[0].text.toStdString();
    EXPECT_EQ(w.platform->messages[0].text.contains(u"fault in Quillmark"_s), c.fault);
  }
}

// A large post is on the clipboard before its check ends: the check runs on a worker and
// tells what is wrong when it is done.
TEST(CheckBeforeCopy, ALargePostIsCheckedOnAWorkerAndStillTold) {
  ScriptedWindow w;
  QString words;
  for (int i = 0; i < 40000; ++i) words += u"word "_s;
  MadePost post;
  post.webHtml = (u"<b>"_s + words).toStdU16String();  // left open
  post.text = u"<b>"_s + words;
  post.format = Format::Html;
  QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"does not match the document"_s));
  w.window.preview().checkCopy(post, words);
  EXPECT_TRUE(w.window.preview().isCheckingCopy());
  EXPECT_TRUE(w.platform->messages.empty());
  QTRY_VERIFY_WITH_TIMEOUT(!w.window.preview().isCheckingCopy(), 60000);
  ASSERT_EQ(w.platform->messages.size(), 1u);
  EXPECT_TRUE(w.platform->messages[0].text.contains(u"element left open: <b>"_s))
      << w.platform->messages[0].text.toStdString();
}

TEST(CheckBeforeCopy, PassesRealDocumentsInEveryFormat) {
  // The example post and the word processors' documents, opened as the writer opens them.
  const QString source = QString::fromUtf8(QUILLMARK_SOURCE_DIR);
  const QString files[] = {
      u"/examples/sample-post.rtf"_s,
      u"/tests/editor/fixtures/word.rtf"_s,
      u"/tests/editor/fixtures/libreoffice.rtf"_s,
      u"/tests/editor/fixtures/wordpad.rtf"_s,
      u"/tests/editor/fixtures/abiword.rtf"_s,
      u"/tests/editor/fixtures/pandoc.rtf"_s,
  };
  ScriptedWindow w;
  for (const quillmark::FormatInfo &info : quillmark::allFormats()) {
    w.window.profiles().add(
        {QString::fromUtf8(info.name), u"example.org"_s, info.format, 0, false});
  }
  for (const QString &file : files) {
    ASSERT_TRUE(w.window.openFile(source + file)) << file.toStdString();
    for (const quillmark::FormatInfo &info : quillmark::allFormats()) {
      SCOPED_TRACE(file.toStdString() + " as " + std::string(info.name));
      emit w.window.postAsBox().textActivated(QString::fromUtf8(info.name));
      w.window.copyToWeb();
      EXPECT_TRUE(w.platform->messages.empty()) << w.platform->messages.front().text.toStdString();
      w.platform->messages.clear();
    }
  }
}

// The engine is given a numbered item's number, a rule and a picture's address as text: the
// check holds the post against that text, not against the document's own.
TEST(CheckBeforeCopy, PassesStructuresTheEngineGetsAsText) {
  ScriptedWindow w;
  QTextCursor cursor(w.window.box().document());
  QTextListFormat numbers;
  numbers.setStyle(QTextListFormat::ListDecimal);
  numbers.setProperty(quillmark::richtext::kListStartProperty, 3);
  cursor.insertText(u"Intro"_s);
  cursor.insertBlock();
  cursor.createList(numbers);
  cursor.insertText(u"third"_s);
  cursor.insertBlock();
  cursor.insertText(u"fourth"_s);
  QTextBlockFormat rule;
  rule.setProperty(QTextFormat::BlockTrailingHorizontalRulerWidth,
                   QTextLength(QTextLength::PercentageLength, 100));
  cursor.insertBlock(rule);
  cursor.insertBlock(QTextBlockFormat());
  QTextImageFormat picture;
  picture.setName(u"https://example.org/p.png"_s);
  cursor.insertText(u"see "_s);
  cursor.insertImage(picture);
  for (const quillmark::FormatInfo &info : quillmark::allFormats()) {
    w.window.profiles().add(
        {QString::fromUtf8(info.name), u"example.org"_s, info.format, 0, false});
  }
  for (const quillmark::FormatInfo &info : quillmark::allFormats()) {
    SCOPED_TRACE(info.name);
    emit w.window.postAsBox().textActivated(QString::fromUtf8(info.name));
    w.window.copyToWeb();
    EXPECT_TRUE(w.platform->messages.empty()) << w.platform->messages.front().text.toStdString();
    w.platform->messages.clear();
  }
}

TEST(Preview, LinksGoToTheBrowserNotThePanel) {
  Previewing p;
  p.box.setSelText(u" "_s);
  p.box.setSelLink(u"https://example.org/rules"_s);
  p.refresh();
  EXPECT_TRUE(at(p.rendered(), u"example.org/rules"_s).charFormat().isAnchor());
  QSignalSpy links(&p.panel, &quillmark::preview::PreviewPanel::linkActivated);
  QTextBrowser &view = p.panel.renderedView();
  const QString before = view.toPlainText();
  emit view.anchorClicked(QUrl(u"https://example.org/rules"_s));
  ASSERT_EQ(links.count(), 1);
  EXPECT_EQ(links[0][0].toString(), u"https://example.org/rules"_s);
  EXPECT_EQ(view.toPlainText(), before);
  EXPECT_TRUE(view.source().isEmpty());
  EXPECT_FALSE(view.openLinks());
  EXPECT_FALSE(view.openExternalLinks());
}

TEST(Preview, F5ShowsAndClosesTheDockAndTheWindowRemembersIt) {
  SettingsSandbox sandbox;
  {
    quillmark::QuillmarkMain window(std::make_unique<quillmark::testing::ScriptedPlatform>());
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto &panel = window.preview().panel();
    QAction *view = window.toolAction(u"miPreview"_s);
    ASSERT_NE(view, nullptr);
    EXPECT_FALSE(panel.isVisibleTo(&window));
    EXPECT_EQ(view->shortcut(), QKeySequence(Qt::Key_F5));
    view->trigger();
    EXPECT_TRUE(panel.isVisibleTo(&window));
    EXPECT_TRUE(view->isChecked());
    panel.tabs().setCurrentIndex(1);
    window.close();
  }
  quillmark::QuillmarkMain again(std::make_unique<quillmark::testing::ScriptedPlatform>());
  EXPECT_TRUE(again.preview().panel().isVisibleTo(&again));
  EXPECT_TRUE(again.toolAction(u"miPreview"_s)->isChecked());
  EXPECT_EQ(again.preview().panel().tabs().currentIndex(), 1);
  again.toolAction(u"miPreview"_s)->trigger();
  EXPECT_FALSE(again.preview().panel().isVisibleTo(&again));
  EXPECT_FALSE(again.toolAction(u"miPreview"_s)->isChecked());
}

}  // namespace
