// The spelling menus and the word under the mouse.
#include "Spelling.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

using namespace Qt::StringLiterals;

namespace quillmark {

Spelling::Spelling(QTextEdit &edit, const QString &dataFolder, QObject *parent)
    : QObject(parent),
      edit_(edit),
      checker_(dataFolder),
      highlighter_(std::make_unique<SpellHighlighter>(edit, checker_)) {
  highlighter_->setChecking(checker_.isReady());
}

Spelling::~Spelling() = default;

void Spelling::setChecking(bool on) {
  if (on == isChecking() || (on && !checker_.isReady())) return;
  highlighter_->setChecking(on);
  emit settingsChanged();
}

bool Spelling::setLanguage(const QString &tag) {
  if (tag == checker_.language()) return true;
  if (!checker_.setLanguage(tag)) return false;
  highlighter_->recheck();
  emit settingsChanged();
  return true;
}

void Spelling::documentReplaced() {
  checker_.forgetIgnoredWords();
  highlighter_->recheck();
}

QTextCursor Spelling::misspeltWordAt(const QPoint &viewportPos) {
  if (!isChecking()) return {};
  const QTextCursor at = edit_.cursorForPosition(viewportPos);
  const QTextBlock block = at.block();
  const int offset = at.position() - block.position();
  const ParagraphWords words = wordsToCheck(block.text(), highlighter_->startsInsideFixed(block));
  for (const WordSpan &word : words.words) {
    // The point may stand just after the word's last letter, as a click on it gives.
    if (offset < word.start || offset > word.start + word.length) continue;
    if (checker_.check(block.text().mid(word.start, word.length))) return {};
    QTextCursor selection(block);
    selection.setPosition(block.position() + word.start);
    selection.setPosition(block.position() + word.start + word.length, QTextCursor::KeepAnchor);
    return selection;
  }
  return {};
}

bool Spelling::addCorrections(QMenu &menu, const QPoint &viewportPos) {
  const QTextCursor word = misspeltWordAt(viewportPos);
  if (word.isNull()) return false;
  const QString text = word.selectedText();
  QAction *first = menu.actions().isEmpty() ? nullptr : menu.actions().constFirst();
  QList<QAction *> items;
  const QStringList suggestions = checker_.suggestions(text);
  for (const QString &suggestion : suggestions) {
    auto *action = new QAction(QString(suggestion).replace(u'&', u"&&"_s), &menu);
    QFont bold = action->font();
    bold.setBold(true);
    action->setFont(bold);
    connect(action, &QAction::triggered, this, [this, word, suggestion] {
      QTextCursor replace = word;
      replace.insertText(suggestion);  // one undo step, in the word's format
      edit_.setTextCursor(replace);
    });
    items << action;
  }
  if (suggestions.isEmpty()) {
    auto *none = new QAction(tr("(No Suggestions)"), &menu);
    none->setEnabled(false);
    items << none;
  }
  auto *separator = new QAction(&menu);
  separator->setSeparator(true);
  auto *add = new QAction(tr("&Add to Dictionary"), &menu);
  connect(add, &QAction::triggered, this, [this, text] {
    checker_.addToDictionary(text);
    highlighter_->recheck();
  });
  auto *ignore = new QAction(tr("&Ignore All"), &menu);
  connect(ignore, &QAction::triggered, this, [this, text] {
    checker_.ignoreAll(text);
    highlighter_->recheck();
  });
  items << separator << add << ignore;
  if (first) {
    auto *last = new QAction(&menu);
    last->setSeparator(true);
    items << last;
  }
  menu.insertActions(first, items);
  return true;
}

std::unique_ptr<QMenu> Spelling::contextMenu(const QPoint &viewportPos) {
  std::unique_ptr<QMenu> menu(
      edit_.createStandardContextMenu(edit_.viewport()->mapTo(&edit_, viewportPos)));
  addCorrections(*menu, viewportPos);
  return menu;
}

void Spelling::fillMenu(QMenu &menu) {
  // clear() leaves a submenu of the last filling, which the menu owns as a child.
  delete menu.findChild<QMenu *>(u"mnuSpellingLanguage"_s, Qt::FindDirectChildrenOnly);
  menu.clear();
  QAction *check = menu.addAction(tr("Check &Spelling"));
  check->setCheckable(true);
  check->setChecked(isChecking());
  check->setEnabled(checker_.isReady());
  connect(check, &QAction::toggled, this, &Spelling::setChecking);
  // Lines that only inform: shown, never chosen.
  const auto say = [&menu](const QString &text) { menu.addAction(text)->setEnabled(false); };
  const QStringList languages = checker_.languages();
  menu.addSeparator();
  if (languages.isEmpty()) {
    say(tr("No Dictionaries Installed"));
  } else {
    say(isChecking() ? tr("In use: %1").arg(languageDisplayName(checker_.language()))
                     : tr("In use: none (checking is off)"));
    // The dictionaries in a submenu of their own: a desktop with the usual ones has dozens
    // (Spanish alone comes in twenty countries' spellings).
    QMenu *choice = menu.addMenu(tr("Spelling &Language"));
    choice->setObjectName(u"mnuSpellingLanguage"_s);
    choice->addAction(tr("Installed dictionaries:"))->setEnabled(false);
    auto *group = new QActionGroup(choice);
    for (const QString &tag : languages) {
      // The tag stands in the shortcut column: two dictionaries of one name stay apart.
      QAction *action = choice->addAction(languageDisplayName(tag) + u'\t' + tag);
      action->setCheckable(true);
      action->setChecked(tag == checker_.language());
      action->setData(tag);
      group->addAction(action);
      connect(action, &QAction::triggered, this, [this, tag] { setLanguage(tag); });
    }
  }
  menu.addSeparator();
  say(tr("Other languages: install their Hunspell dictionary (hunspell-de-de, hunspell-fr, ...)"));
}

QString languageDisplayName(const QString &tag) {
  const QLocale locale(tag);
  if (locale.language() == QLocale::C) return tag;
  // Each language by its own name ("Deutsch (Österreich)", "Español (México)"), as the
  // writer of it knows it whatever the program's language; English where Qt has none.
  const auto own = [](QString name, const QString &english) {
    if (name.isEmpty()) return english;
    name[0] = name[0].toUpper();
    return name;
  };
  // The language's plain name: some of its countries' locales name their own variety
  // ("español de España", "British English"), which the country after it says already.
  QString plain = locale.nativeLanguageName();
  for (const QLocale &other :
       QLocale::matchingLocales(locale.language(), QLocale::AnyScript, QLocale::AnyTerritory)) {
    const QString name = other.nativeLanguageName();
    if (!name.isEmpty() && name.size() < plain.size()) plain = name;
  }
  const QString language = own(plain, QLocale::languageToString(locale.language()));
  if (!tag.contains(u'_')) return language;
  return u"%1 (%2)"_s.arg(
      language, own(locale.nativeTerritoryName(), QLocale::territoryToString(locale.territory())));
}

}  // namespace quillmark
