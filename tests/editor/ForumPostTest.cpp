// A forum post's markup into the document: Edit > Paste Forum Post from the clipboard, and
// File > Open of a post's file, each read in the format the forum profile or the file tells.
#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <optional>

#include "PostModels.h"
#include "QtFiles.h"
#include "ScriptedPlatform.h"
#include "post/DocumentPost.h"
#include "quillmark/formats.h"
#include "quillmark/post.h"
#include "quillmark/textfile.h"
#include "richtext/RichTextBox.h"
#include "web/Profiles.h"

using namespace Qt::StringLiterals;
using quillmark::Format;
using quillmark::testing::readFile;
using quillmark::testing::ScriptedWindow;
using quillmark::testing::writeFile;

namespace {

namespace post = quillmark::post;

// The window with the forum profile of `format` chosen under "Post as:" (html: a built-in).
struct Window {
  ScriptedWindow w;
  explicit Window(Format format) {
    if (format == Format::Html) return;
    quillmark::web::Profile profile;
    profile.name = u"My forum"_s;
    profile.address = u"forum.example.org"_s;
    profile.format = format;
    EXPECT_TRUE(w.window.profiles().add(profile));
    EXPECT_TRUE(w.window.profiles().setCurrent(profile.name));
  }
  QString status() const { return w.window.statusBar()->currentMessage(); }
  QString text() const { return w.window.box().document()->toPlainText(); }
  std::string model() const { return post::describe(post::modelOf(*w.window.box().document())); }
};

std::string modelRead(const QString &text, Format format) {
  return post::describe(
      quillmark::testing::asDocumentGivesIt(quillmark::readPost(text.toStdU16String(), format)));
}

QString shown(Format format) { return QString::fromUtf8(quillmark::formatDisplayName(format)); }

TEST(PasteForumPost, ReadsTheClipboardInTheProfilesFormatOrTheOneTheTextTells) {
  const struct {
    const char *name;
    Format profile;
    QString clipboard;
    Format read;  // the format the text is read in
  } cases[] = {
      {"a BBCode profile reads its dialect", Format::Phpbb, u"[b]bold[/b] and [i]it[/i]"_s,
       Format::Phpbb},
      {"a Markdown profile reads Markdown", Format::Markdown, u"# Title\n\n- one\n- **two**"_s,
       Format::Markdown},
      {"an html profile: text without BBCode is Markdown", Format::Html,
       u"**bold** and [a link](https://example.org/)"_s, Format::Markdown},
      {"an html profile: BBCode of no one dialect is plain BBCode", Format::Html,
       u"[b]bold[/b] words"_s, Format::Bbcode},
  };
  for (const auto &c : cases) {
    Window window(c.profile);
    QGuiApplication::clipboard()->setText(c.clipboard);
    window.w.window.dispatch(u"miPasteForumPost"_s);
    EXPECT_EQ(window.model(), modelRead(c.clipboard, c.read)) << c.name;
    EXPECT_TRUE(window.status().contains(shown(c.read)))
        << c.name << ": " << window.status().toStdString();
  }
}

TEST(PasteForumPost, GoesInAtTheCursorAsOneUndoStep) {
  Window window(Format::Phpbb);
  quillmark::richtext::RichTextBox &box = window.w.window.box();
  box.setSelText(u"before after"_s);
  box.setSelStart(7);
  QGuiApplication::clipboard()->setText(u"[b]bold[/b] "_s);
  window.w.window.dispatch(u"miPasteForumPost"_s);
  EXPECT_EQ(window.text(), u"before bold after"_s);
  box.setSelStart(8);
  EXPECT_EQ(box.selBold(), true);
  window.w.window.dispatch(u"miUndo"_s);
  EXPECT_EQ(window.text(), u"before after"_s);
}

// A post's quote or code block pasted into a line starts a line of its own; the rest of the
// line follows it.
TEST(PasteForumPost, AQuoteOrCodeBlockStartsALineOfItsOwn) {
  const struct {
    const char *name;
    int position;  // in "Intro line"
    QString clipboard;
    QString text;
    int quoted;  // the paragraph that is a quote, or -1
  } rows[] = {
      {"quote at the line's end", 10, u"[quote]Quoted text here.[/quote]"_s,
       u"Intro line\nQuoted text here."_s, 1},
      {"quote inside the line", 6, u"[quote]Quoted[/quote]"_s, u"Intro \nQuoted\nline"_s, 1},
      {"code block", 10, u"[code]a  1[/code]"_s, u"Intro line\n{Begin Fixed}\na  1\n{End Fixed}"_s,
       -1},
  };
  for (const auto &row : rows) {
    Window window(Format::Phpbb);
    quillmark::richtext::RichTextBox &box = window.w.window.box();
    box.setSelText(u"Intro line"_s);
    box.setSelStart(row.position);
    QGuiApplication::clipboard()->setText(row.clipboard);
    window.w.window.dispatch(u"miPasteForumPost"_s);
    EXPECT_EQ(window.text(), row.text) << row.name;
    if (row.quoted >= 0) {
      const QTextBlock quote = box.document()->findBlockByNumber(row.quoted);
      EXPECT_GT(quote.blockFormat().intProperty(QTextFormat::BlockQuoteLevel), 0) << row.name;
      EXPECT_EQ(
          box.document()->firstBlock().blockFormat().intProperty(QTextFormat::BlockQuoteLevel), 0)
          << row.name;
    }
  }
}

TEST(PasteForumPost, IsEnabledWhenTheClipboardHoldsText) {
  Window window(Format::Phpbb);
  QAction *paste = window.w.window.toolAction(u"miPasteForumPost"_s);
  ASSERT_NE(paste, nullptr);
  EXPECT_EQ(paste->shortcut(), QKeySequence(u"Ctrl+Shift+V"_s));
  QGuiApplication::clipboard()->clear();
  EXPECT_FALSE(paste->isEnabled());
  QGuiApplication::clipboard()->setText(u"[b]x[/b]"_s);
  EXPECT_TRUE(paste->isEnabled());
  // Run with no text to paste (an empty text, or a shortcut before the state follows), it
  // says so.
  QGuiApplication::clipboard()->setText(QString());
  window.w.window.pasteForumPost();
  EXPECT_TRUE(window.text().isEmpty());
  EXPECT_EQ(window.status(), u"The clipboard holds no text to paste"_s);
}

TEST(OpenForumPost, ReadsTheFileInTheFormatItTellsAndAsksOnlyWhenItCannot) {
  const struct {
    const char *name;
    QString file;
    QByteArray bytes;
    std::optional<Format> answer;  // to the question of the dialect, when it is asked
    bool asked;
    std::optional<Format> read;  // nothing: plain text
    QString text;                // the post's text as read, for the plain-text cases
  } cases[] = {
      {"Markdown", u"post.md"_s, "# Title\n\nSome *words*.\n", {}, false, Format::Markdown, {}},
      {"Markdown even where it looks like BBCode",
       u"post.MD"_s,
       "[b]x[/b]",
       {},
       false,
       Format::Markdown,
       {}},
      {"BBCode of several dialects asks, the profile's offered",
       u"post.bbcode"_s,
       "[b]bold[/b] [i]it[/i]",
       Format::Smf,
       true,
       Format::Smf,
       {}},
      {"a .txt of BBCode the same",
       u"old.txt"_s,
       "[u]under[/u]",
       Format::Mybb,
       true,
       Format::Mybb,
       {}},
      {"a .txt without BBCode is plain text",
       u"notes.txt"_s,
       "one\r\ntwo\rthree\n[x] not a tag",
       {},
       false,
       {},
       u"one\ntwo\nthree\n[x] not a tag"_s},
      {"UTF-8 with its mark, and old bytes as Windows-1252",
       u"caf\u00e9.txt"_s,
       "\xef\xbb\xbf"
       "caf\xc3\xa9 and caf\xe9 \x80",
       {},
       false,
       {},
       u"caf\u00e9 and caf\u00e9 \u20ac"_s},
  };
  for (const auto &c : cases) {
    QTemporaryDir dir;
    const QString fileName = dir.filePath(c.file);
    writeFile(fileName, c.bytes);
    Window window(Format::Phpbb);
    if (c.answer) window.w.platform->dialects = {*c.answer};
    ASSERT_TRUE(window.w.window.openFile(fileName)) << c.name;
    EXPECT_TRUE(window.w.platform->messages.empty()) << c.name;
    ASSERT_EQ(window.w.platform->dialectsOffered.size(), c.asked ? 1u : 0u) << c.name;
    if (c.asked) {
      EXPECT_EQ(window.w.platform->dialectsOffered[0], Format::Phpbb) << c.name;
    }
    if (c.read) {
      const QString text = QString::fromStdU16String(quillmark::decodeText(c.bytes.toStdString()));
      EXPECT_EQ(window.model(), modelRead(text, *c.read)) << c.name;
      EXPECT_TRUE(window.status().contains(shown(*c.read))) << c.name;
    } else {
      EXPECT_EQ(window.text(), c.text) << c.name;
      EXPECT_TRUE(window.status().contains(u"plain text"_s)) << c.name;
    }
    // The post's file is no document's: the document has none, and saving asks where.
    EXPECT_EQ(window.w.window.windowTitle().left(8), u"Untitled"_s) << c.name;
    window.w.platform->files = {dir.filePath(u"saved.rtf"_s)};
    window.w.window.dispatch(u"save"_s);
    EXPECT_EQ(readFile(fileName), c.bytes) << c.name;
    EXPECT_TRUE(readFile(dir.filePath(u"saved.rtf"_s)).startsWith("{\\rtf1")) << c.name;
  }
}

TEST(OpenForumPost, ADialectNotChosenLeavesTheDocument) {
  QTemporaryDir dir;
  const QString fileName = dir.filePath(u"post.bbcode"_s);
  writeFile(fileName, "[b]bold[/b]");
  Window window(Format::Markdown);
  window.w.window.box().setSelText(u"my text"_s);
  EXPECT_FALSE(window.w.window.openFile(fileName));
  ASSERT_EQ(window.w.platform->dialectsOffered.size(), 1u);
  EXPECT_EQ(window.w.platform->dialectsOffered[0], Format::Bbcode);  // the profile is no BBCode
  EXPECT_EQ(window.text(), u"my text"_s);
  EXPECT_TRUE(window.w.platform->messages.empty());
}

TEST(OpenForumPost, AFileThatCannotBeReadIsReported) {
  QTemporaryDir dir;
  Window window(Format::Phpbb);
  window.w.window.box().setSelText(u"my text"_s);
  EXPECT_FALSE(window.w.window.openFile(dir.filePath(u"missing.md"_s)));
  ASSERT_EQ(window.w.platform->messages.size(), 1u);
  EXPECT_TRUE(window.w.platform->messages[0].text.startsWith(u"Could not open"_s));
  EXPECT_EQ(window.text(), u"my text"_s);
}

}  // namespace
