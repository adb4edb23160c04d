// Posting from the window, offscreen: the link command, "Copy to Web" in the chosen profile's
// format with what the status bar says, the profile store and its persistence, "Post as:",
// the forums dialog and "Convert Clipboard" on the real clipboard.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QStatusBar>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include "ScriptedPlatform.h"
#include "post/PostBuilder.h"
#include "preview/Preview.h"
#include "preview/PreviewPanel.h"
#include "quillmark/convert.h"
#include "quillmark/split.h"
#include "richtext/RichTextBox.h"
#include "web/ForumsDialog.h"
#include "web/Profiles.h"

using namespace Qt::StringLiterals;
using quillmark::Format;
using quillmark::testing::ScriptedWindow;
using quillmark::testing::SettingsSandbox;
using quillmark::web::Profile;
using quillmark::web::ProfileStore;

namespace {

QString clipboardText() { return QGuiApplication::clipboard()->text(); }

// A window whose document holds "Hello " and a bold "world".
struct Writer {
  ScriptedWindow w;
  quillmark::richtext::RichTextBox &box = w.window.box();
  Writer() {
    box.setSelText(u"Hello world"_s);
    select(6, 5);
    w.window.dispatch(u"miBold"_s);
  }
  void select(int start, int length) {
    box.setSelStart(start);
    box.setSelLength(length);
  }
  void postAs(const QString &name) { emit w.window.postAsBox().textActivated(name); }
  QString status() const { return w.window.statusBar()->currentMessage(); }
};

TEST(LinkCommand, OffersTheLinkOrAnAddressAndSetsOrRemovesIt) {
  const struct {
    const char *what;
    QString text;      // the document, all of it selected
    QString existing;  // a link the selection has already
    std::optional<QString> answer;
    QString offered;
    QString link;  // the selection's link afterwards
  } cases[] = {
      {"plain words offer nothing",
       u"our forum"_s,
       {},
       u"forum.example.org"_s,
       u""_s,
       u"forum.example.org"_s},
      {"an address offers itself",
       u"https://forum.example.org/t/1"_s,
       {},
       u"https://forum.example.org/t/1"_s,
       u"https://forum.example.org/t/1"_s,
       u"https://forum.example.org/t/1"_s},
      {"www. reads as an address",
       u"www.example.org"_s,
       {},
       u"http://www.example.org"_s,
       u"www.example.org"_s,
       u"http://www.example.org"_s},
      {"a link offers its address", u"read this"_s, u"https://a.example.org"_s,
       u"https://b.example.org"_s, u"https://a.example.org"_s, u"https://b.example.org"_s},
      {"an empty address removes it", u"read this"_s, u"https://a.example.org"_s, u""_s,
       u"https://a.example.org"_s, u""_s},
      {"cancel changes nothing", u"read this"_s, u"https://a.example.org"_s, std::nullopt,
       u"https://a.example.org"_s, u"https://a.example.org"_s},
  };
  for (const auto &c : cases) {
    ScriptedWindow w;
    auto &box = w.window.box();
    box.setSelText(c.text);
    box.setSelStart(0);
    box.setSelLength(int(c.text.size()));
    if (!c.existing.isEmpty()) box.setSelLink(c.existing);
    w.platform->texts.push_back(c.answer);
    w.window.dispatch(u"miLink"_s);
    ASSERT_EQ(w.platform->textsOffered.size(), 1) << c.what;
    EXPECT_EQ(w.platform->textsOffered.front(), c.offered) << c.what;
    EXPECT_EQ(box.selLink(), c.link) << c.what;
    EXPECT_EQ(box.toPlainText(), c.text) << c.what;
  }
}

TEST(LinkCommand, IsOneUndoStepAndCopiesAsAnAnchor) {
  Writer writer;
  writer.select(0, 5);
  writer.w.platform->texts.push_back(u"https://norvane.example.org/"_s);
  writer.w.window.dispatch(u"miLink"_s);
  writer.w.window.copyToWeb();
  EXPECT_TRUE(
      clipboardText().startsWith(u"<a href=\"https://norvane.example.org/\"><font size=3>Hello"_s))
      << clipboardText().toStdString();

  writer.box.undo();
  writer.select(0, 5);
  EXPECT_EQ(writer.box.selLink(), u""_s);
  writer.select(6, 5);
  EXPECT_EQ(writer.box.selBold(), true) << "the undo went no further than the link";
}

TEST(LinkCommand, CtrlKRunsIt) {
  ScriptedWindow w;
  w.window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w.window));
  w.window.activateWindow();
  w.window.box().setFocus();
  w.window.box().setSelText(u"text"_s);
  w.window.box().selectAll();
  w.platform->texts.push_back(u"https://example.org"_s);
  QTest::keyClick(&w.window.box(), Qt::Key_K, Qt::ControlModifier);
  EXPECT_EQ(w.platform->textsOffered.size(), 1);
  EXPECT_EQ(w.window.box().selLink(), u"https://example.org"_s);
}

TEST(CopyToWeb, WritesTheChosenProfilesFormatAndSaysWhat) {
  Writer writer;
  const QString html = [&] {
    writer.w.window.copyToWeb();
    return clipboardText();
  }();
  EXPECT_EQ(writer.status(),
            u"Copied %1 characters as HTML"_s.arg(QLocale().toString(html.size())));

  ASSERT_TRUE(writer.w.window.profiles().add(
      {u"Board"_s, u"board.example.org"_s, Format::Phpbb, 0, false}));
  // An html post has no model to cut in parts: the status bar says how much too long it is.
  ASSERT_TRUE(
      writer.w.window.profiles().add({u"Page"_s, u"page.example.org"_s, Format::Html, 10, false}));
  ASSERT_TRUE(writer.w.window.profiles().add(
      {u"Chat"_s, u"chat.example.org"_s, Format::Markdown, 0, false}));
  const struct {
    QString profile;
    QString post;
    QString status;
  } cases[] = {
      {u"Board"_s,
       QString::fromStdU16String(quillmark::convertPost(html.toStdU16String(), Format::Phpbb).text),
       u"Copied %1 characters as phpBB BBCode"_s},
      {u"Page"_s, html,
       u"Copied %1 characters as HTML (%2 characters longer than the 10 Page takes)"_s},
      {u"Chat"_s, u"Hello **world**"_s, u"Copied %1 characters as Markdown"_s},
      {u"AP"_s, html, u"Copied %1 characters as HTML"_s},
  };
  for (const auto &c : cases) {
    writer.postAs(c.profile);
    writer.w.window.copyToWeb();
    EXPECT_EQ(clipboardText(), c.post) << c.profile.toStdString();
    QString status = c.status.arg(QLocale().toString(c.post.size()));
    if (status.contains(u"%2"_s)) status = status.arg(QLocale().toString(c.post.size() - 10));
    EXPECT_EQ(writer.status(), status) << c.profile.toStdString();
  }
  EXPECT_TRUE(cases[0].post.contains(u"[b]world[/b]"_s)) << cases[0].post.toStdString();

  // What the forum cannot show is named after the count.
  writer.select(0, 5);
  writer.w.window.dispatch(u"miUnderline"_s);
  writer.postAs(u"Chat"_s);
  writer.w.window.copyToWeb();
  EXPECT_TRUE(writer.status().endsWith(u" as Markdown; not shown there: underline: 1 run"_s))
      << writer.status().toStdString();
}

TEST(ProfileStore, HoldsTheSitesAndTheUsersProfilesAcrossInstances) {
  SettingsSandbox sandbox;
  {
    ProfileStore store;
    QStringList names;
    for (const Profile &p : store.profiles()) {
      EXPECT_TRUE(p.builtIn);
      if (p.format != Format::Html) continue;
      names << p.name;
      EXPECT_EQ(p.limit, quillmark::web::kBuiltInLimit);
    }
    EXPECT_EQ(names.join(u','), u"AP,ZU21,CC,Norvane,ScamWatch"_s);
    EXPECT_EQ(store.find(u"CC"_s)->address, u"cc-forum.example.org"_s);
    EXPECT_EQ(store.current().name, u"AP"_s);

    EXPECT_TRUE(store.add({u" Board "_s, u" board.example.org "_s, Format::Phpbb, 20000, true}));
    EXPECT_TRUE(store.add({u"Chat"_s, u"chat.example.org"_s, Format::Markdown, 0, false}));
    EXPECT_TRUE(store.add({u"Spare"_s, {}, Format::Smf, 0, false}));
    const struct {
      const char *what;
      bool done;
    } refusals[] = {
        {"an empty name", store.add({u"  "_s, {}, Format::Html, 0, false})},
        {"a taken name", store.add({u"CC"_s, {}, Format::Html, 0, false})},
        {"changing a built-in", store.update(u"AP"_s, {u"AP"_s, {}, Format::Mybb, 0, false})},
        {"renaming onto another", store.update(u"Chat"_s, {u"Board"_s, {}, Format::Mybb, 0})},
        {"removing a built-in", store.remove(u"ZU21"_s)},
        {"removing an unknown one", store.remove(u"Nowhere"_s)},
        {"choosing an unknown one", store.setCurrent(u"Nowhere"_s)},
    };
    for (const auto &r : refusals) EXPECT_FALSE(r.done) << r.what;

    EXPECT_TRUE(store.setCurrent(u"Chat"_s));
    EXPECT_TRUE(store.update(u"Chat"_s, {u"Lobby"_s, u"lobby.example.org"_s, Format::Xenforo, 5}));
    EXPECT_EQ(store.current().name, u"Lobby"_s) << "the choice follows the rename";
    EXPECT_TRUE(store.remove(u"Spare"_s));
  }
  ProfileStore again;
  ASSERT_EQ(again.profiles().size(), 14);
  EXPECT_EQ(again.profiles()[12],
            (Profile{u"Board"_s, u"board.example.org"_s, Format::Phpbb, 20000, false}));
  EXPECT_EQ(again.profiles()[13],
            (Profile{u"Lobby"_s, u"lobby.example.org"_s, Format::Xenforo, 5, false}));
  EXPECT_EQ(again.current().name, u"Lobby"_s);
  EXPECT_TRUE(again.remove(u"Lobby"_s));
  EXPECT_EQ(ProfileStore().current().name, u"AP"_s) << "removing the chosen one falls back";
}

// Every format can be chosen from the start: a built-in profile of each, with its forum
// software's own limit. A profile stored under one of their names before they came is the
// writer's still, and stands in its place.
TEST(ProfileStore, OffersEveryFormatFromTheStart) {
  SettingsSandbox sandbox;
  {
    QSettings settings;
    settings.beginWriteArray("forums/profiles");
    settings.setArrayIndex(0);
    settings.setValue("name", u"Markdown"_s);
    settings.setValue("address", u"chat.example.org"_s);
    settings.setValue("format", u"markdown"_s);
    settings.setValue("limit", 500);
    settings.endArray();
    settings.setValue("forums/current", u"Markdown"_s);
  }
  const ProfileStore store;
  for (const quillmark::FormatInfo &info : quillmark::allFormats()) {
    const QString name = QString::fromUtf8(info.displayName);
    if (info.format == Format::Html || info.format == Format::Markdown) continue;
    const Profile *p = store.find(name);
    ASSERT_NE(p, nullptr) << info.name;
    EXPECT_EQ(
        *p,
        (Profile{name, {}, info.format, int(quillmark::postLimit(info.format).characters), true}))
        << info.name;
  }
  EXPECT_EQ(*store.find(u"Markdown"_s),
            (Profile{u"Markdown"_s, u"chat.example.org"_s, Format::Markdown, 500, false}));
  EXPECT_EQ(store.current().name, u"Markdown"_s);
  EXPECT_EQ(store.profiles().size(), 5 + 7);

  ScriptedWindow w;
  EXPECT_GE(w.window.postAsBox().findText(u"XenForo BBCode"_s), 0);
}

// Our news page is in the Web menu, but no post goes there: a stored list that holds it, by
// its name or its address, loses it on load and is written again without it.
TEST(ProfileStore, OurNewsPageIsNoProfileAndIsDroppedFromAStoredList) {
  SettingsSandbox sandbox;
  const QString news = u"norvane.example.org/formatting-posts.htm"_s;
  const struct {
    QString name, address;
  } stored[] = {
      {u"Updates"_s, news},
      {u"Board"_s, u"board.example.org"_s},
      {u"Old news"_s, news},
      {u"Updates"_s, {}},
  };
  {
    QSettings settings;
    settings.beginWriteArray("forums/profiles");
    for (int i = 0; i < int(std::size(stored)); ++i) {
      settings.setArrayIndex(i);
      settings.setValue("name", stored[i].name);
      settings.setValue("address", stored[i].address);
    }
    settings.endArray();
    settings.setValue("forums/current", u"Updates"_s);
  }
  const auto names = [](const ProfileStore &store) {
    QStringList list;
    for (const Profile &p : store.profiles()) list << p.name;
    return list.join(u',');
  };
  const ProfileStore store;
  EXPECT_TRUE(names(store).startsWith(u"AP,ZU21,CC,Norvane,ScamWatch,"_s));
  EXPECT_TRUE(names(store).endsWith(u",Board"_s));
  EXPECT_EQ(store.current().name, u"AP"_s);

  QSettings settings;
  EXPECT_EQ(settings.beginReadArray("forums/profiles"), 1);
  settings.setArrayIndex(0);
  EXPECT_EQ(settings.value("name").toString(), u"Board"_s);
  settings.endArray();
  EXPECT_FALSE(settings.contains("forums/current"));

  ScriptedWindow w;
  EXPECT_EQ(w.window.postAsBox().findText(u"Updates"_s), -1);
}

// Whether a forum shows tables is kept with its profile (settings from before it was kept
// read as showing them), shown and changed in the forums dialog, and decides how a table
// is posted.
TEST(ProfileStore, KeepsWhetherTheForumShowsTables) {
  SettingsSandbox sandbox;
  {
    QSettings settings;
    settings.beginWriteArray("forums/profiles");
    settings.setArrayIndex(0);
    settings.setValue("name", u"Old"_s);
    settings.setValue("format", u"xenforo"_s);
    settings.setArrayIndex(1);
    settings.setValue("name", u"Plain"_s);
    settings.setValue("format", u"xenforo"_s);
    settings.setValue("tables", false);
    settings.endArray();
  }
  {
    ProfileStore store;
    EXPECT_TRUE(store.find(u"Old"_s)->tables);
    EXPECT_FALSE(store.find(u"Plain"_s)->tables);
    quillmark::web::ForumsDialog dialog(store);
    const struct {
      QString name;
      bool shown, changedTo;
    } rows[] = {{u"Old"_s, true, false}, {u"Plain"_s, false, true}};
    for (const auto &r : rows) {
      dialog.list().setCurrentRow(int(store.profiles().indexOf(*store.find(r.name))));
      EXPECT_EQ(dialog.tablesField().isChecked(), r.shown) << r.name.toStdString();
      EXPECT_TRUE(dialog.tablesField().isEnabled()) << r.name.toStdString();
      dialog.tablesField().setChecked(r.changedTo);
      dialog.keepChanges();
    }
    dialog.list().setCurrentRow(0);
    EXPECT_FALSE(dialog.tablesField().isEnabled()) << "a built-in profile cannot change";
  }
  const ProfileStore again;
  ASSERT_FALSE(again.find(u"Old"_s)->tables);
  ASSERT_TRUE(again.find(u"Plain"_s)->tables);

  QTextDocument document;
  QTextCursor cursor(&document);
  QTextTable *table = cursor.insertTable(1, 2);
  table->cellAt(0, 0).firstCursorPosition().insertText(u"a"_s);
  table->cellAt(0, 1).firstCursorPosition().insertText(u"b"_s);
  const struct {
    QString profile;
    QString text;
    bool lost;
  } posts[] = {
      {u"Plain"_s, u"[TABLE][TR][TD]a[/TD][TD]b[/TD][/TR][/TABLE]"_s, false},
      {u"Old"_s, u"[CODE]a | b[/CODE]"_s, true},
  };
  for (const auto &p : posts) {
    quillmark::Converter converter;
    const quillmark::post::MadePost made =
        quillmark::post::makePost(converter, document, *again.find(p.profile));
    EXPECT_EQ(made.text, p.text) << p.profile.toStdString();
    EXPECT_EQ(!made.losses.empty(), p.lost) << p.profile.toStdString();
    EXPECT_EQ(quillmark::post::checkPostAgainst(made, document.toPlainText()), std::nullopt)
        << p.profile.toStdString();
  }
}

TEST(PostAs, ListsTheProfilesAndRemembersTheChoice) {
  ScriptedWindow first;
  first.window.profiles().add({u"Board"_s, {}, Format::Phpbb, 0, false});
  // The forums dialog, driven as a user would: a new profile, renamed, kept.
  first.platform->onModal = [](QDialog &dialog) {
    auto &forums = static_cast<quillmark::web::ForumsDialog &>(dialog);
    forums.addProfile(Format::Markdown);
    forums.nameField().setText(u"Lounge"_s);
    forums.formatField().setCurrentIndex(forums.formatField().findText(u"Markdown"_s));
    forums.keepChanges();
    EXPECT_EQ(forums.list().currentItem()->text(), u"Lounge"_s);
  };
  first.window.dispatch(u"miForums"_s);
  QComboBox &box = first.window.postAsBox();
  QStringList items;
  for (int i = 0; i < box.count(); ++i) items << box.itemText(i);
  EXPECT_TRUE(items.join(u',').endsWith(u",Markdown,Board,Lounge"_s))
      << items.join(u',').toStdString();
  EXPECT_EQ(first.window.profiles().find(u"Lounge"_s)->format, Format::Markdown);
  emit box.textActivated(u"Board"_s);

  // A second window on the same settings, as at the next start.
  quillmark::QuillmarkMain second{std::make_unique<quillmark::testing::ScriptedPlatform>()};
  EXPECT_EQ(second.postAsBox().currentText(), u"Board"_s);
  EXPECT_EQ(second.profiles().current().format, Format::Phpbb);
}

TEST(ConvertClipboard, ConvertsRichTextOnTheClipboardAndLeavesTheDocument) {
  Writer writer;
  writer.w.window.profiles().add({u"Board"_s, {}, Format::Phpbb, 0, false});
  writer.postAs(u"Board"_s);
  const struct {
    const char *what;
    QString type;
    QByteArray data;
    QString post;
  } cases[] = {
      {"RTF", u"text/rtf"_s, R"({\rtf1\ansi{\fonttbl{\f0 Arial;}}\f0 plain \b bold\b0\par})",
       u"plain [b]bold[/b]"_s},
      {"HTML", u"text/html"_s, "<p>plain <i>slanted</i></p>", u"plain [i]slanted[/i]"_s},
      // Plain text takes the size of text typed in the editor, the normal size.
      {"plain text", u"text/plain"_s, "just [words]", u"just [words]"_s},
  };
  for (const auto &c : cases) {
    auto *data = new QMimeData;
    data->setData(c.type, c.data);
    QGuiApplication::clipboard()->setMimeData(data);
    writer.w.window.dispatch(u"miConvertClipboard"_s);
    EXPECT_TRUE(clipboardText().contains(c.post))
        << c.what << ": " << clipboardText().toStdString();
    EXPECT_TRUE(writer.status().startsWith(u"Converted the clipboard to "_s)) << c.what;
    EXPECT_TRUE(writer.status().contains(u" as phpBB BBCode"_s)) << c.what;
    EXPECT_EQ(writer.box.toPlainText(), u"Hello world"_s) << c.what;
  }
  QGuiApplication::clipboard()->clear();
  writer.w.window.dispatch(u"miConvertClipboard"_s);
  EXPECT_EQ(writer.status(), u"The clipboard holds no text to convert"_s);
}

}  // namespace

// A post longer than its forum takes: Copy to Web copies the first part and says so, Copy
// Next Part (offered while parts remain, in the Web menu and beside Copy to Web) the next;
// the parts together are the post, each within the limit.
TEST(CopyToWeb, APostOverTheLimitIsCopiedInParts) {
  Writer writer;
  QString text;
  for (int i = 1; i <= 60; ++i) text += u"Line %1 of the match report.\r"_s.arg(i);
  writer.box.setSelStart(writer.box.document()->characterCount());
  writer.box.setSelText(text);
  ASSERT_TRUE(writer.w.window.profiles().add(
      {u"Small"_s, u"small.example.org"_s, Format::Xenforo, 600, false}));
  writer.postAs(u"Small"_s);
  QAction *next = writer.w.window.toolAction(u"miCopyNextPart"_s);
  ASSERT_NE(next, nullptr);
  EXPECT_FALSE(next->isEnabled());
  EXPECT_EQ(next->shortcut(), QKeySequence(u"Ctrl+Alt+C"_s));

  writer.w.window.copyToWeb();
  EXPECT_TRUE(writer.status().startsWith(u"Copied part 1 of "_s)) << writer.status().toStdString();
  EXPECT_TRUE(next->isEnabled());
  EXPECT_FALSE(writer.w.window.nextPartButton().isHidden());
  // The preview's header names the part on the clipboard.
  const QLabel &header = writer.w.window.preview().panel().header();
  EXPECT_TRUE(header.text().startsWith(u"Part 1 of "_s)) << header.text().toStdString();
  QStringList parts{clipboardText()};
  for (int guard = 0; next->isEnabled() && guard < 20; ++guard) {
    writer.w.window.dispatch(u"miCopyNextPart"_s);
    parts << clipboardText();
    EXPECT_TRUE(header.text().startsWith(u"Part %1 of "_s.arg(parts.size())))
        << header.text().toStdString();
  }
  ASSERT_GE(parts.size(), 3);
  EXPECT_TRUE(header.text().startsWith(u"Part %1 of %1 is on the clipboard"_s.arg(parts.size())))
      << header.text().toStdString();
  EXPECT_TRUE(writer.status().contains(u", the last"_s)) << writer.status().toStdString();
  EXPECT_TRUE(writer.w.window.nextPartButton().isHidden());
  for (qsizetype i = 0; i < parts.size(); ++i) {
    EXPECT_LE(parts[i].size(), 600) << i;
    EXPECT_TRUE(parts[i].endsWith(u"(%1/%2)"_s.arg(i + 1).arg(parts.size()))) << i;
  }
  // Every line of the report, in order, across the parts.
  const QString joined = parts.join(u'\n');
  qsizetype at = 0;
  for (int i = 1; i <= 60; ++i) {
    at = joined.indexOf(u"Line %1 of the match report."_s.arg(i), at);
    ASSERT_GE(at, 0) << i;
  }
  // Parts made for one forum are none of another's.
  writer.w.window.copyToWeb();
  EXPECT_TRUE(next->isEnabled());
  writer.postAs(u"AP"_s);
  EXPECT_FALSE(next->isEnabled());
  EXPECT_FALSE(header.text().contains(u"clipboard"_s)) << header.text().toStdString();
}

// Add asks the format first, from its menu, and starts an empty profile of it: whatever the
// chosen profile held is not copied.
TEST(ForumsDialog, AddStartsAnEmptyProfileOfTheFormatAsked) {
  SettingsSandbox sandbox;
  ProfileStore store;
  ASSERT_TRUE(store.add({u"Mine"_s, u"mine.example.org"_s, Format::Smf, 123, false, false}));
  quillmark::web::ForumsDialog dialog(store);
  QMenu *formats = dialog.addButton().menu();
  ASSERT_NE(formats, nullptr);
  const struct {
    Format format;
    QString name;
    int limit;
  } rows[] = {{Format::Xenforo, u"New forum"_s, 10000},
              {Format::Markdown, u"New forum (2)"_s, 32000},
              {Format::Html, u"New forum (3)"_s, 0}};
  for (const auto &r : rows) {
    dialog.list().setCurrentRow(int(store.profiles().indexOf(*store.find(u"Mine"_s))));
    const int index = dialog.formatField().findData(int(r.format));
    formats->actions().at(index)->trigger();
    EXPECT_EQ(dialog.nameField().text(), r.name) << int(r.format);
    EXPECT_EQ(dialog.addressField().text(), u""_s) << int(r.format);
    EXPECT_EQ(dialog.formatField().currentData().toInt(), int(r.format));
    EXPECT_EQ(dialog.limitField().value(), r.limit) << int(r.format);
    EXPECT_TRUE(dialog.tablesField().isChecked()) << int(r.format);
    EXPECT_TRUE(dialog.nameField().isEnabled()) << int(r.format);
    const Profile *added = store.find(r.name);
    ASSERT_NE(added, nullptr) << int(r.format);
    EXPECT_EQ(added->format, r.format);
  }
}

// A profile's forum software brings its own limit, as installed, unless the writer set one.
TEST(ForumsDialog, AFormatBringsItsForumsOwnLimit) {
  SettingsSandbox sandbox;
  ProfileStore store;
  ASSERT_TRUE(store.add({u"Mine"_s, u"mine.example.org"_s, Format::Html, 60000, false}));
  quillmark::web::ForumsDialog dialog(store);
  dialog.list().setCurrentRow(int(store.profiles().indexOf(*store.find(u"Mine"_s))));
  const struct {
    Format format;
    int limit;
  } rows[] = {{Format::Xenforo, 10000},
              {Format::Smf, 20000},
              {Format::Mybb, 65535},
              {Format::Phpbb, 60000}};
  for (const auto &row : rows) {
    const int index = dialog.formatField().findData(int(row.format));
    dialog.formatField().setCurrentIndex(index);
    emit dialog.formatField().activated(index);
    EXPECT_EQ(dialog.limitField().value(), row.limit) << int(row.format);
  }
  // A limit of the writer's own stays.
  dialog.limitField().setValue(12345);
  const int index = dialog.formatField().findData(int(Format::Smf));
  dialog.formatField().setCurrentIndex(index);
  emit dialog.formatField().activated(index);
  EXPECT_EQ(dialog.limitField().value(), 12345);
}
