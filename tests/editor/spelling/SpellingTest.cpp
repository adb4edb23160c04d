// Spelling: which words of a paragraph are checked (table), a misspelling underlined and
// offered its correction, a personal word kept across runs, the fixed-columns block, web
// addresses and words with digits left alone, and the right-click menu. The tests that need
// a dictionary are skipped, not failed, on a machine without one.
#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>

#include "spelling/Spelling.h"

using namespace Qt::StringLiterals;
using quillmark::ParagraphWords;
using quillmark::SpellChecker;
using quillmark::Spelling;
using quillmark::wordsToCheck;

namespace {

QStringList words(const QString &text, bool insideFixed = false, bool *endsInside = nullptr) {
  const ParagraphWords found = wordsToCheck(text, insideFixed);
  if (endsInside) *endsInside = found.endsInsideFixed;
  QStringList list;
  for (const auto &word : found.words) list << text.mid(word.start, word.length);
  return list;
}

struct WordsCase {
  const char *name;
  const char16_t *text;
  bool insideFixed;
  QStringList expected;
  bool endsInside;
};

class WordsToCheck : public ::testing::TestWithParam<WordsCase> {};

TEST_P(WordsToCheck, SkipsWhatIsNoProse) {
  const WordsCase &c = GetParam();
  bool endsInside = false;
  EXPECT_EQ(words(QString::fromUtf16(c.text), c.insideFixed, &endsInside), c.expected);
  EXPECT_EQ(endsInside, c.endsInside);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WordsToCheck,
    ::testing::Values(
        WordsCase{"Prose",
                  u"Teh quick, brown fox.",
                  false,
                  {u"Teh"_s, u"quick"_s, u"brown"_s, u"fox"_s},
                  false},
        WordsCase{"Apostrophes",
                  u"don't writer\u2019s 'quoted'",
                  false,
                  {u"don't"_s, u"writer\u2019s"_s, u"quoted"_s},
                  false},
        WordsCase{"Digits", u"2nd mp3 season 2024 x_y a", false, {u"season"_s}, false},
        WordsCase{"Addresses",
                  u"see (www.exmple.com) https://a.b/c?q=wrod and me@hoem.org ok",
                  false,
                  {u"see"_s, u"and"_s, u"ok"_s},
                  false},
        WordsCase{"FixedParagraph", u"Wrods   Pts  Rbd", true, {}, true},
        WordsCase{"FixedOpens", u"intro {Begin Fixed}", false, {u"intro"_s}, true},
        WordsCase{"FixedCloses", u"tabel {End Fixed} after", true, {u"after"_s}, false},
        WordsCase{"FixedInLine", u"a {Begin Fixed}Xqz{End Fixed}done", false, {u"done"_s}, false}),
    [](const auto &param) { return std::string(param.param.name); });

// A checker with an English dictionary in a fresh data folder, or a skip.
#define REQUIRE_ENGLISH(checker)                                         \
  if (!(checker).isReady() || !(checker).language().startsWith(u"en"_s)) \
  GTEST_SKIP() << "no English dictionary is installed (hunspell-en-us)"

bool underlined(const QTextBlock &block, int position) {
  for (const QTextLayout::FormatRange &range : block.layout()->formats()) {
    if (position >= range.start && position < range.start + range.length &&
        range.format.underlineStyle() == QTextCharFormat::SpellCheckUnderline)
      return true;
  }
  return false;
}

struct Editor {
  QTemporaryDir data;
  QTextEdit edit;
  std::unique_ptr<Spelling> spelling;

  explicit Editor(const QString &text) {
    edit.resize(600, 400);
    edit.setPlainText(text);
    edit.show();
    spelling = std::make_unique<Spelling>(edit, data.path());
    spelling->setLanguage(u"en_US"_s);
    settle();
  }
  static void settle() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
  }
  QTextBlock block(int n) const { return edit.document()->findBlockByNumber(n); }
  // The middle of the `n`th word of paragraph `paragraph`, in viewport coordinates.
  QPoint pointAt(int paragraph, int offset) {
    QTextCursor cursor(block(paragraph));
    cursor.setPosition(block(paragraph).position() + offset);
    return edit.cursorRect(cursor).center();
  }
};

TEST(SpellChecker, KnownMisspellingIsWrongAndOfferedItsCorrection) {
  QTemporaryDir data;
  SpellChecker checker(data.path());
  REQUIRE_ENGLISH(checker);
  EXPECT_TRUE(checker.check(u"receive"_s));
  EXPECT_TRUE(checker.check(u"writer\u2019s"_s));
  EXPECT_FALSE(checker.check(u"recieve"_s));
  const QStringList suggestions = checker.suggestions(u"recieve"_s);
  EXPECT_TRUE(suggestions.contains(u"receive"_s));
  EXPECT_LE(suggestions.size(), 8);
  EXPECT_TRUE(checker.languages().contains(checker.language()));
}

TEST(SpellChecker, PersonalWordsAreKeptAcrossRunsAndIgnoredOnesAreNot) {
  QTemporaryDir data;
  {
    SpellChecker first(data.path());
    REQUIRE_ENGLISH(first);
    EXPECT_FALSE(first.check(u"Quillmarkish"_s));
    first.addToDictionary(u"Quillmarkish"_s);
    EXPECT_TRUE(first.check(u"Quillmarkish"_s));
    first.ignoreAll(u"Zorblat"_s);
    EXPECT_TRUE(first.check(u"Zorblat"_s));
    first.forgetIgnoredWords();
    EXPECT_FALSE(first.check(u"Zorblat"_s));
    first.ignoreAll(u"Zorblat"_s);
  }
  SpellChecker second(data.path());
  EXPECT_TRUE(second.check(u"Quillmarkish"_s));
  EXPECT_FALSE(second.check(u"Zorblat"_s));
}

TEST(SpellChecker, LanguageFollowsTheLocaleElseEnglish) {
  const QStringList installed{u"de_DE"_s, u"en_GB"_s, u"en_US"_s, u"fr"_s};
  const auto pick = [&](const char16_t *locale) {
    return SpellChecker::preferredLanguage(installed, QLocale(QString::fromUtf16(locale)));
  };
  EXPECT_EQ(pick(u"de_DE"), u"de_DE"_s);
  EXPECT_EQ(pick(u"de_AT"), u"de_DE"_s);
  EXPECT_EQ(pick(u"fr_CA"), u"fr"_s);
  EXPECT_EQ(pick(u"en_GB"), u"en_GB"_s);
  EXPECT_EQ(pick(u"ja_JP"), u"en_US"_s);
  EXPECT_EQ(pick(u"C"), u"en_US"_s);
  EXPECT_EQ(SpellChecker::preferredLanguage({u"nl_NL"_s}, QLocale(u"ja_JP"_s)), u"nl_NL"_s);
  EXPECT_EQ(SpellChecker::preferredLanguage({}, QLocale(u"ja_JP"_s)), QString());
}

TEST(Spelling, UnderlinesMisspeltWordsOutsideTheFixedBlockOnly) {
  Editor e(
      u"A recieve here, www.exmple.com and 2nd.\n{Begin Fixed}\nTeem  Pts\n{End Fixed}\n"
      u"Fine wrods."_s);
  REQUIRE_ENGLISH(e.spelling->checker());
  EXPECT_FALSE(underlined(e.block(0), 0));
  EXPECT_TRUE(underlined(e.block(0), 3));    // recieve
  EXPECT_FALSE(underlined(e.block(0), 17));  // the address
  EXPECT_FALSE(underlined(e.block(2), 1));   // Teem, in the fixed block
  EXPECT_TRUE(underlined(e.block(4), 6));    // wrods
  EXPECT_FALSE(underlined(e.block(4), 1));

  e.spelling->setChecking(false);
  EXPECT_FALSE(underlined(e.block(0), 3));
  e.spelling->setChecking(true);
  e.settle();
  EXPECT_TRUE(underlined(e.block(0), 3));
}

TEST(Spelling, TypingAMisspellingUnderlinesItAndAddToDictionaryClearsIt) {
  Editor e(u"Start here."_s);
  REQUIRE_ENGLISH(e.spelling->checker());
  QTextCursor cursor(e.edit.document());
  cursor.movePosition(QTextCursor::End);
  e.edit.setTextCursor(cursor);
  QTest::keyClicks(&e.edit, u" Blorptastic"_s);
  e.settle();
  EXPECT_TRUE(underlined(e.block(0), 13));

  QMenu menu;
  menu.addAction(u"Copy"_s);
  ASSERT_TRUE(e.spelling->addCorrections(menu, e.pointAt(0, 14)));
  QAction *add = nullptr;
  for (QAction *action : menu.actions())
    if (action->text() == u"&Add to Dictionary"_s) add = action;
  ASSERT_NE(add, nullptr);
  add->trigger();
  e.settle();
  EXPECT_FALSE(underlined(e.block(0), 13));
  EXPECT_TRUE(SpellChecker(e.data.path()).check(u"Blorptastic"_s));
}

TEST(Spelling, ContextMenuOffersCorrectionsThatReplaceTheWordAndIgnoreAll) {
  Editor e(u"I recieve mail. We recieve more."_s);
  REQUIRE_ENGLISH(e.spelling->checker());
  EXPECT_FALSE(e.spelling->addCorrections(*std::make_unique<QMenu>(), e.pointAt(0, 0)));

  std::unique_ptr<QMenu> menu = e.spelling->contextMenu(e.pointAt(0, 4));
  QStringList texts;
  QAction *receive = nullptr;
  for (QAction *action : menu->actions()) {
    texts << action->text();
    if (action->text() == u"receive"_s) receive = action;
  }
  ASSERT_NE(receive, nullptr) << texts.join(u", "_s).toStdString();
  EXPECT_TRUE(texts.contains(u"&Ignore All"_s));
  EXPECT_GT(texts.size(), 6);  // the edit's own items follow
  receive->trigger();
  EXPECT_EQ(e.edit.toPlainText(), u"I receive mail. We recieve more."_s);
  e.edit.undo();
  EXPECT_EQ(e.edit.toPlainText(), u"I recieve mail. We recieve more."_s);

  menu = e.spelling->contextMenu(e.pointAt(0, 22));
  for (QAction *action : menu->actions())
    if (action->text() == u"&Ignore All"_s) action->trigger();
  e.settle();
  EXPECT_FALSE(underlined(e.block(0), 3));
  EXPECT_FALSE(underlined(e.block(0), 20));
  e.spelling->documentReplaced();
  e.settle();
  EXPECT_TRUE(underlined(e.block(0), 20));
}

TEST(Spelling, OnlyTheParagraphsShownAreChecked) {
  QStringList paragraphs;
  for (int i = 0; i < 3000; ++i) paragraphs << u"Paragraph with a mispelt word."_s;
  Editor e(paragraphs.join(u'\n'));
  REQUIRE_ENGLISH(e.spelling->checker());
  const qint64 atTop = e.spelling->highlighter().checkedParagraphs();
  EXPECT_GT(atTop, 0);
  EXPECT_LT(atTop, 200);
  EXPECT_TRUE(underlined(e.block(0), 18));
  EXPECT_FALSE(underlined(e.block(2500), 18));  // not shown yet
}

// Scrolling to the end of a long document gets the last paragraphs checked, as the layout
// reaches them in the background.
TEST(Spelling, ParagraphsScrolledToAreChecked) {
  QStringList paragraphs;
  for (int i = 0; i < 1200; ++i) paragraphs << u"Paragraph with a mispelt word."_s;
  Editor e(paragraphs.join(u'\n'));
  REQUIRE_ENGLISH(e.spelling->checker());
  // Down to the end, as far as the layout (which goes on in the background) has got each
  // time: the paragraphs passed on the way are checked, those jumped over are not.
  QScrollBar &scroll = *e.edit.verticalScrollBar();
  EXPECT_TRUE(QTest::qWaitFor(
      [&] {
        scroll.setValue(scroll.maximum());
        return underlined(e.block(1199), 18);
      },
      120000));  // a guard against a hang, not a speed check
  EXPECT_LT(e.spelling->highlighter().checkedParagraphs(), 1200);
}

// A menu's items and those of its submenus, in the order they show, the submenus' own items
// left out.
QList<QAction *> itemsOf(const QMenu &menu) {
  QList<QAction *> items;
  for (QAction *action : menu.actions()) {
    if (action->menu()) {
      items << itemsOf(*action->menu());
    } else {
      items << action;
    }
  }
  return items;
}

TEST(Spelling, ToolsMenuSwitchesCheckingAndListsDictionaries) {
  Editor e(u"Some wrods."_s);
  REQUIRE_ENGLISH(e.spelling->checker());
  QMenu menu;
  e.spelling->fillMenu(menu);
  const QList<QAction *> items = menu.actions();
  ASSERT_GE(items.size(), 3);
  EXPECT_EQ(items[0]->text(), u"Check &Spelling"_s);
  EXPECT_TRUE(items[0]->isChecked());
  bool english = false;
  for (QAction *action : itemsOf(menu))
    if (action->data().toString() == u"en_US"_s) english = action->isChecked();
  EXPECT_TRUE(english);
  items[0]->trigger();
  EXPECT_FALSE(e.spelling->isChecking());
  EXPECT_FALSE(underlined(e.block(0), 6));
}

// Tools > Spelling tells which dictionaries there are and which one is in use, checking on
// and off; every dictionary can be chosen, the lines that only inform cannot.
TEST(Spelling, ToolsMenuSaysWhichDictionariesThereAreAndWhichIsInUse) {
  Editor e(u"Some wrods."_s);
  REQUIRE_ENGLISH(e.spelling->checker());
  const QStringList languages = e.spelling->checker().languages();
  const struct {
    bool checking;
    QString inUse;
  } rows[] = {
      {true, u"In use: "_s + quillmark::languageDisplayName(e.spelling->checker().language())},
      {false, u"In use: none (checking is off)"_s},
  };
  for (const auto &row : rows) {
    e.spelling->setChecking(row.checking);
    QMenu menu;
    e.spelling->fillMenu(menu);
    QStringList informing, dictionaries;
    for (QAction *action : itemsOf(menu)) {
      if (action->isSeparator() || action->text() == u"Check &Spelling"_s) continue;
      const QString tag = action->data().toString();
      if (tag.isEmpty()) {
        EXPECT_FALSE(action->isEnabled()) << action->text().toStdString();
        informing << action->text();
        continue;
      }
      EXPECT_TRUE(action->isEnabled()) << tag.toStdString();
      EXPECT_EQ(action->text(), quillmark::languageDisplayName(tag) + u'\t' + tag);
      EXPECT_EQ(action->isChecked(), tag == e.spelling->checker().language());
      dictionaries << tag;
    }
    EXPECT_EQ(dictionaries, languages);
    ASSERT_EQ(informing.size(), 3) << informing.join(u" | "_s).toStdString();
    EXPECT_EQ(informing[0], row.inUse);
    EXPECT_EQ(informing[1], u"Installed dictionaries:"_s);
    EXPECT_TRUE(informing[2].startsWith(u"Other languages: install"_s));
  }

  // Another dictionary chosen is the one in use the next time the menu opens.
  if (languages.size() < 2) GTEST_SKIP() << "only one dictionary is installed";
  e.spelling->setChecking(true);
  const QString other =
      languages.front() == e.spelling->checker().language() ? languages[1] : languages[0];
  QMenu menu;
  e.spelling->fillMenu(menu);
  for (QAction *action : itemsOf(menu))
    if (action->data().toString() == other) action->trigger();
  e.spelling->fillMenu(menu);
  EXPECT_EQ(menu.actions()[2]->text(), u"In use: "_s + quillmark::languageDisplayName(other));
}

// The dictionaries stand in Tools > Spelling > Spelling Language, each by its own name;
// choosing one there checks the document again in that language.
TEST(Spelling, TheSpellingLanguageSubmenuChoosesTheDocumentsLanguage) {
  Editor e(u"The house. Das Haus ist klein."_s);
  REQUIRE_ENGLISH(e.spelling->checker());
  if (!e.spelling->checker().languages().contains(u"de_DE"_s))
    GTEST_SKIP() << "no German dictionary is installed (hunspell-de-de)";
  EXPECT_TRUE(underlined(e.block(0), 16));  // Haus, in English
  QMenu menu;
  e.spelling->fillMenu(menu);
  e.spelling->fillMenu(menu);  // filled again when shown again: one submenu still
  const QList<QMenu *> submenus = menu.findChildren<QMenu *>(u"mnuSpellingLanguage"_s);
  ASSERT_EQ(submenus.size(), 1);
  QAction *german = nullptr;
  for (QAction *action : submenus[0]->actions())
    if (action->data().toString() == u"de_DE"_s) german = action;
  ASSERT_NE(german, nullptr);
  EXPECT_EQ(german->text(), u"Deutsch (Deutschland)\tde_DE"_s);
  german->trigger();
  EXPECT_EQ(e.spelling->checker().language(), u"de_DE"_s);
  EXPECT_TRUE(QTest::qWaitFor([&] { return !underlined(e.block(0), 16); }, 5000))
      << "Haus, in German";
  EXPECT_TRUE(underlined(e.block(0), 5)) << "house, in German";
}

}  // namespace
