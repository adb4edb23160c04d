// The program in German, French and Spanish: the catalogues are complete and keep what the
// code fills in, the window built under each translator has its own access key for every
// item of every menu, the desktop's language chooses the translator as main() installs it,
// the guide follows, and the loss report says in English what the formats library says.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeySequence>
#include <QLabel>
#include <QLibraryInfo>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTimer>
#include <QXmlStreamReader>
#include <optional>
#include <string>
#include <vector>

#include "Platform.h"
#include "ScriptedPlatform.h"
#include "help/HelpWindow.h"
#include "i18n/Translation.h"
#include "post/PostBuilder.h"
#include "preview/PreviewContent.h"
#include "quillmark/formats.h"
#include "richtext/RichTextBox.h"
#include "writing/FindBar.h"

using namespace Qt::StringLiterals;
namespace i18n = quillmark::i18n;

namespace {

struct Language {
  const char *name;
  const char *locale;
  QString fileMenu;  // the File menu's title in the language
  QString untitled;  // a new document's name
};

const Language kLanguages[] = {
    {"German", "de_DE", u"&Datei"_s, u"Unbenannt"_s},
    {"French", "fr_FR", u"&Fichier"_s, u"Sans titre"_s},
    {"Spanish", "es_ES", u"&Archivo"_s, u"Sin título"_s},
};

// Installs a language's translators for as long as it lives, then leaves English.
struct InLanguage {
  QLocale before;
  QString installed;
  explicit InLanguage(const QLocale &locale) {
    QLocale::setDefault(locale);
    installed = i18n::installTranslators(*qApp, locale);
  }
  ~InLanguage() {
    i18n::removeTranslators(*qApp);
    QLocale::setDefault(before);
  }
};

// The access key of a menu text: the character after the '&' that is not "&&"; none when
// the text has no key.
std::optional<QChar> accessKey(const QString &text) {
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != u'&') continue;
    if (text[i + 1] == u'&') {
      ++i;
      continue;
    }
    return text[i + 1].toUpper();
  }
  return std::nullopt;
}

// What is wrong with the access keys of `menu` and its submenus: two items of one menu with
// the same key, "menu: item" each.
QStringList sharedKeys(const QString &where, const QList<QAction *> &items) {
  QStringList problems;
  QHash<QChar, QString> keys;
  for (QAction *item : items) {
    if (item->isSeparator()) continue;
    if (const auto key = accessKey(item->text())) {
      if (keys.contains(*key)) problems << where + u": "_s + keys[*key] + u" and "_s + item->text();
      keys.insert(*key, item->text());
    }
    if (QMenu *submenu = item->menu()) {
      emit submenu->aboutToShow();  // the run-time submenus fill themselves when shown
      problems << sharedKeys(where + u" > "_s + item->text(), submenu->actions());
    }
  }
  return problems;
}

// One message of a catalogue.
struct Message {
  QString context;
  QString source;
  QString translation;
  bool unfinished = false;
};

QList<Message> readCatalogue(const QString &path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  QList<Message> messages;
  QXmlStreamReader xml(&file);
  QString context;
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement()) continue;
    if (xml.name() == u"name"_s) {
      context = xml.readElementText();
    } else if (xml.name() == u"message"_s) {
      Message message{context, {}, {}};
      while (xml.readNextStartElement()) {
        if (xml.name() == u"source"_s) {
          message.source = xml.readElementText();
        } else if (xml.name() == u"translation"_s) {
          message.unfinished = xml.attributes().value(u"type"_s) == u"unfinished"_s;
          message.translation = xml.readElementText();
        } else {
          xml.skipCurrentElement();
        }
      }
      messages << message;
    }
  }
  EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
  return messages;
}

// The placeholders of a text, sorted: "%1", "%2"...
QStringList placeholders(const QString &text) {
  static const QRegularExpression number(u"%\\d"_s);
  QStringList found;
  for (const QRegularExpressionMatch &match : number.globalMatch(text)) found << match.captured();
  found.sort();
  return found;
}

std::string str(const QString &text) { return text.toStdString(); }

TEST(Translation, EveryMessageOfEveryCatalogueIsTranslatedAndKeepsWhatTheCodeFillsIn) {
  for (const Language &language : kLanguages) {
    const QString code = QString::fromLatin1(language.locale).left(2);
    const QString path =
        QStringLiteral(QUILLMARK_TRANSLATIONS_DIR) + u"/quillmark_"_s + code + u".ts"_s;
    const QList<Message> messages = readCatalogue(path);
    EXPECT_GT(messages.size(), 300) << language.name;
    for (const Message &m : messages) {
      const std::string where = std::string(language.name) + " " + str(m.context) + ": \"" +
                                str(m.source) + "\" -> \"" + str(m.translation) + "\"";
      EXPECT_FALSE(m.unfinished) << where;
      EXPECT_FALSE(m.translation.trimmed().isEmpty()) << where;
      EXPECT_EQ(placeholders(m.translation), placeholders(m.source)) << where;
      EXPECT_EQ(accessKey(m.translation).has_value(), accessKey(m.source).has_value()) << where;
      EXPECT_EQ(m.translation.endsWith(u"..."_s), m.source.endsWith(u"..."_s)) << where;
    }
  }
}

// Every menu of the window built under each language's translator: its own access key for
// every item, in every menu and submenu and in the menu bar; the menus are the language's.
TEST(Translation, EachLanguagesMenusHaveTheirOwnAccessKeys) {
  for (const Language &language : kLanguages) {
    const InLanguage in{QLocale(QString::fromLatin1(language.locale))};
    ASSERT_EQ(in.installed, QString::fromLatin1(language.locale).left(2)) << language.name;
    quillmark::testing::ScriptedWindow w;
    const QList<QAction *> titles = w.window.menuBar()->actions();
    ASSERT_FALSE(titles.isEmpty());
    EXPECT_EQ(titles.front()->text(), language.fileMenu) << language.name;
    for (QAction *title : titles)
      EXPECT_TRUE(accessKey(title->text()).has_value())
          << language.name << ": " << str(title->text());
    for (const QString &problem : sharedKeys(u"menu bar"_s, titles))
      ADD_FAILURE() << language.name << ": " << str(problem);
    EXPECT_TRUE(w.window.windowTitle().startsWith(language.untitled)) << language.name;
  }
  // And English again once the translators are gone.
  quillmark::testing::ScriptedWindow w;
  EXPECT_EQ(w.window.menuBar()->actions().front()->text(), u"&File"_s);
}

// The access keys Alt reaches in the window while the find bar shows, Replace included: the
// menu bar's titles, and the buttons and the labels of fields that are visible. Each key
// with what has it.
QMultiHash<QChar, QString> windowAccessKeys(quillmark::testing::ScriptedWindow &w) {
  QMultiHash<QChar, QString> keys;
  for (QAction *title : w.window.menuBar()->actions())
    if (const auto key = accessKey(title->text())) keys.insert(*key, title->text());
  for (QWidget *widget : w.window.findChildren<QWidget *>()) {
    if (!widget->isVisibleTo(&w.window)) continue;
    QString text;
    if (const auto *label = qobject_cast<QLabel *>(widget); label && label->buddy())
      text = label->text();
    else if (const auto *button = qobject_cast<QAbstractButton *>(widget))
      text = button->text();
    if (const auto key = accessKey(text)) keys.insert(*key, text);
  }
  return keys;
}

// In every language no access key of the window is given twice while the find bar shows, so
// that Alt and a letter always reach what it says; the unsaved-changes question has a key
// of its own on each of its buttons.
TEST(Translation, NoAccessKeyIsGivenTwiceWithTheFindBarAndEachQuestionButtonHasOne) {
  std::vector<std::optional<Language>> languages{std::nullopt};  // English first
  for (const Language &language : kLanguages) languages.emplace_back(language);
  for (const std::optional<Language> &language : languages) {
    const char *name = language ? language->name : "English";
    std::optional<InLanguage> in;
    if (language) in.emplace(QLocale(QString::fromLatin1(language->locale)));
    quillmark::testing::ScriptedWindow w;
    w.window.show();
    w.window.showReplace();
    ASSERT_TRUE(w.window.findBar().isVisibleTo(&w.window)) << name;
    const QMultiHash<QChar, QString> keys = windowAccessKeys(w);
    for (const QChar key : keys.uniqueKeys()) {
      if (keys.count(key) > 1)
        ADD_FAILURE() << name << ": Alt+" << str(QString(key)) << " is "
                      << str(QStringList(keys.values(key)).join(u" and "_s));
    }

    QStringList buttons;
    QTimer::singleShot(0, [&buttons] {
      auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
      if (!box) return;
      for (QAbstractButton *button : box->buttons()) buttons << button->text();
      box->done(QMessageBox::Cancel);
    });
    quillmark::QtPlatform().askSaveDiscardCancel(nullptr, u"Quillmark"_s, u"Save changes?"_s);
    ASSERT_EQ(buttons.size(), 3) << name;
    QSet<QChar> questionKeys;
    for (const QString &button : buttons) {
      const auto key = accessKey(button);
      EXPECT_TRUE(key.has_value()) << name << ": " << str(button);
      if (!key) continue;
      EXPECT_FALSE(questionKeys.contains(*key)) << name << ": " << str(button);
      questionKeys.insert(*key);
    }
  }
}

TEST(Translation, ALanguageWithoutCatalogueLeavesTheProgramInEnglish) {
  struct Case {
    const char *name;
    QLocale locale;
  };
  const Case cases[] = {
      {"Japanese", QLocale(QLocale::Japanese, QLocale::Japan)},
      {"English", QLocale(QLocale::English, QLocale::UnitedKingdom)},
      {"C", QLocale::c()},
  };
  for (const Case &c : cases) {
    const InLanguage in{c.locale};
    EXPECT_TRUE(in.installed.isEmpty()) << c.name;
    quillmark::testing::ScriptedWindow w;
    EXPECT_EQ(w.window.menuBar()->actions().front()->text(), u"&File"_s) << c.name;
  }
}

// The desktop's locale as the program reads it at start-up (QLocale::system(), from LANGUAGE,
// LC_ALL, LC_MESSAGES and LANG), through the same function main() calls: each case runs this
// test program again with the environment of the case and the test below, which checks the
// window it builds.
TEST(Translation, TheDesktopsLanguageChoosesTheTranslatorAtStartUp) {
  struct Case {
    const char *name;
    QStringList environment;
    QString expected;  // the language installed, "" for English
  };
  const Case cases[] = {
      {"LANG German", {u"LANG=de_DE.UTF-8"_s}, u"de"_s},
      {"LANG French", {u"LANG=fr_FR.UTF-8"_s}, u"fr"_s},
      {"LC_ALL over LANG", {u"LANG=de_DE.UTF-8"_s, u"LC_ALL=es_ES.UTF-8"_s}, u"es"_s},
      {"LANGUAGE first", {u"LANG=de_DE.UTF-8"_s, u"LANGUAGE=fr:de"_s}, u"fr"_s},
      {"LANGUAGE English first", {u"LANG=de_DE.UTF-8"_s, u"LANGUAGE=en:de"_s}, {}},
      {"unknown language", {u"LANG=ja_JP.UTF-8"_s}, {}},
      {"C locale", {u"LANG=C.UTF-8"_s}, {}},
  };
  for (const Case &c : cases) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LANG", "LANGUAGE", "LC_ALL", "LC_MESSAGES"})
      environment.remove(QString::fromLatin1(name));
    for (const QString &setting : c.environment)
      environment.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
    environment.insert(u"QUILLMARK_EXPECTED_LANGUAGE"_s,
                       c.expected.isEmpty() ? u"en"_s : c.expected);
    QProcess child;
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(),
                {u"--gtest_filter=Translation.StartsInTheExpectedLanguage"_s});
    ASSERT_TRUE(child.waitForFinished(60000)) << c.name;
    const QString output = QString::fromUtf8(child.readAllStandardOutput());
    EXPECT_EQ(child.exitCode(), 0) << c.name << "\n" << str(output);
    EXPECT_TRUE(output.contains(u"[  PASSED  ] 1 test"_s)) << c.name << "\n" << str(output);
  }
}

// Run by the test above in a program of its own: the window built after main()'s call on
// the desktop's locale shows its menus in the expected language.
TEST(Translation, StartsInTheExpectedLanguage) {
  const QString expected = qEnvironmentVariable("QUILLMARK_EXPECTED_LANGUAGE");
  if (expected.isEmpty()) GTEST_SKIP() << "run by TheDesktopsLanguageChoosesTheTranslatorAtStartUp";
  const QString installed = i18n::installTranslators(*qApp, QLocale::system());
  EXPECT_EQ(installed.isEmpty() ? u"en"_s : installed, expected);
  const QHash<QString, QString> fileMenus{{u"en"_s, u"&File"_s},
                                          {u"de"_s, u"&Datei"_s},
                                          {u"fr"_s, u"&Fichier"_s},
                                          {u"es"_s, u"&Archivo"_s}};
  quillmark::testing::ScriptedWindow w;
  EXPECT_EQ(w.window.menuBar()->actions().front()->text(), fileMenus.value(expected));
  i18n::removeTranslators(*qApp);
}

TEST(Translation, TheProgramHasTheThreeLanguages) {
  EXPECT_EQ(i18n::availableLanguages(), (QStringList{u"de"_s, u"es"_s, u"fr"_s}));
}

// The guide in the desktop's language where it has pages in it, every link of a page leading
// to a page of the same language; English otherwise.
TEST(Translation, TheGuideFollowsTheDesktopsLanguage) {
  struct Case {
    const char *name;
    QLocale locale;
    QString folder;
  };
  const Case cases[] = {
      {"German", QLocale(QLocale::German, QLocale::Germany), u":/help/de/"_s},
      {"French", QLocale(QLocale::French, QLocale::France), u":/help/fr/"_s},
      {"Spanish", QLocale(QLocale::Spanish, QLocale::Spain), u":/help/es/"_s},
      {"Japanese, which has no pages", QLocale(QLocale::Japanese, QLocale::Japan), u":/help/"_s},
      {"English", QLocale(QLocale::English, QLocale::UnitedStates), u":/help/"_s},
  };
  static const QRegularExpression link(u"href=\"([^\":#]+\\.html)"_s);
  for (const Case &c : cases) {
    const InLanguage in{c.locale};
    quillmark::help::HelpWindow window;
    EXPECT_EQ(window.currentPage(), c.folder + u"index.html"_s) << c.name;
    for (const quillmark::help::HelpWindow::Page &page : quillmark::help::HelpWindow::pages()) {
      EXPECT_EQ(page.path.section(u'/', 0, -2) + u'/', c.folder) << c.name << str(page.path);
      QFile file(page.path);
      ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << str(page.path);
      const QString html = QString::fromUtf8(file.readAll());
      for (const QRegularExpressionMatch &m : link.globalMatch(html))
        EXPECT_TRUE(QFile::exists(c.folder + m.captured(1)))
            << c.name << ": " << str(page.path) << " links to " << str(m.captured(1));
    }
    window.showPage(quillmark::help::HelpWindow::pages()[4].path);
    EXPECT_EQ(window.currentPage(), c.folder + u"tables.html"_s) << c.name;
  }
}

// Each language says what it shows in its own words all through: the preview's picture
// placeholder as the editor names a picture, the guide's keys as the menus name them (Qt's
// names, Strg and Umschalt in German), the help's contents list wide enough for its titles,
// and the document's menu with the Edit menu's words.
TEST(Translation, EachLanguageSaysItInItsOwnWordsEverywhere) {
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  if (!QFile::exists(folder + u"/qtbase_de.qm"_s))
    GTEST_SKIP() << "no qtbase_de.qm in " << str(folder);
  const struct {
    const Language &language;
    QString picture;  // the start of the preview's placeholder
  } rows[] = {
      {kLanguages[0], u"[Bild: https://example.org/a.png]"_s},
      {kLanguages[1], u"[image\u00A0: https://example.org/a.png]"_s},
      {kLanguages[2], u"[imagen: https://example.org/a.png]"_s},
  };
  for (const auto &row : rows) {
    const char *name = row.language.name;
    const InLanguage in{QLocale(QString::fromLatin1(row.language.locale))};
    const QString rendered = quillmark::preview::renderedHtml(
        u"[img]https://example.org/a.png[/img]"_s, quillmark::Format::Phpbb);
    EXPECT_TRUE(rendered.contains(row.picture)) << name << ": " << str(rendered);

    // A key the menus name otherwise in the language is never named in English by the guide.
    const std::pair<QString, QKeySequence> keys[] = {
        {u"Ctrl+"_s, QKeySequence(Qt::CTRL | Qt::Key_N)},
        {u"Shift+"_s, QKeySequence(Qt::SHIFT | Qt::Key_N)},
        {u"Esc"_s, QKeySequence(Qt::Key_Escape)},
        {u"Enter"_s, QKeySequence(Qt::Key_Enter)},
        {u"Tab"_s, QKeySequence(Qt::Key_Tab)},
    };
    for (const auto &[english, sequence] : keys) {
      const QString native = sequence.toString(QKeySequence::NativeText).remove(u"N"_s);
      if (native == english) continue;
      const QRegularExpression named(u"\\b"_s + QRegularExpression::escape(english) +
                                     (english.endsWith(u'+') ? QString() : u"\\b"_s));
      for (const quillmark::help::HelpWindow::Page &page : quillmark::help::HelpWindow::pages()) {
        QFile file(page.path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << str(page.path);
        const QString html = QString::fromUtf8(file.readAll());
        EXPECT_FALSE(html.contains(named)) << name << ": " << str(page.path) << " names "
                                           << str(english) << ", the menus " << str(native);
      }
    }

    quillmark::help::HelpWindow help;
    help.show();
    const auto *contents = help.findChild<QListWidget *>(u"contents"_s);
    ASSERT_NE(contents, nullptr);
    EXPECT_LE(contents->sizeHintForColumn(0), contents->viewport()->width())
        << name << ": the contents list cuts its titles off";

    quillmark::testing::ScriptedWindow w;
    w.window.box().setText(u"some words"_s);
    const std::unique_ptr<QMenu> menu = w.window.documentMenu(QPoint(2, 2));
    const QString selectAll =
        w.window.toolAction(u"miSelectAll"_s)->text().section(u'\t', 0, 0).remove(u'&');
    bool found = false;
    for (QAction *item : menu->actions())
      found |= item->objectName() == u"select-all"_s &&
               item->text().section(u'\t', 0, 0).remove(u'&') == selectAll;
    EXPECT_TRUE(found) << name << ": the document's menu does not say " << str(selectAll);
  }
}

// The editor says the loss report itself so that it can be translated; in English it must
// say what the formats library says, element by element and unit by unit.
TEST(Translation, TheLossReportInEnglishIsTheFormatsLibrarys) {
  for (std::size_t i = 0; i < quillmark::kElementCount; ++i) {
    const auto element = static_cast<quillmark::Element>(i);
    EXPECT_EQ(str(quillmark::post::lostElementName(element)), quillmark::elementName(element));
  }
  for (const char *unit : {"run", "paragraph", "item", "block", "break", "link", "heading", "quote",
                           "rule", "picture", "list", "table", "part"}) {
    for (std::size_t count : {1u, 2u, 12u}) {
      const quillmark::Loss loss{quillmark::Element::Bold, count, unit};
      EXPECT_EQ(str(quillmark::post::lostLine(loss)), quillmark::formatLoss(loss)) << unit;
    }
  }
  for (std::size_t count : {1u, 3u}) {
    const quillmark::Loss table{quillmark::Element::Table, count, "table"};
    EXPECT_EQ(str(quillmark::post::lostLine(table)), quillmark::formatLoss(table));
  }
}

TEST(Translation, TheLossReportInGermanSaysOneAndMoreApart) {
  const InLanguage in{QLocale(QLocale::German, QLocale::Germany)};
  const quillmark::Loss one{quillmark::Element::Colour, 1, "run"};
  const quillmark::Loss three{quillmark::Element::Centre, 3, "paragraph"};
  EXPECT_EQ(quillmark::post::lostLine(one), u"Farbe: 1 Textstelle"_s);
  EXPECT_EQ(quillmark::post::lostLine(three), u"zentriert: 3 Absätze"_s);
  EXPECT_EQ(quillmark::post::lossHeader({one, three}),
            u"In diesem Forum nicht darstellbar: Farbe (1 Textstelle), Zentrierung (3 Absätze)"_s);
}

// Qt's own texts follow where Debian's translations of Qt are installed: the standard
// dialogs' buttons speak the program's language.
TEST(Translation, QtsOwnDialogsFollowTheProgramsLanguage) {
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  if (!QFile::exists(folder + u"/qtbase_de.qm"_s))
    GTEST_SKIP() << "no qtbase_de.qm in " << str(folder);
  const InLanguage in{QLocale(QLocale::German, QLocale::Germany)};
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), u"Abbrechen"_s);
}

}  // namespace
