#pragma once
// Spelling through Enchant 2: the installed dictionaries (Hunspell's, and those of any other
// checker the desktop has), a personal word list in the program's data folder, and words
// ignored for the current document. Results are cached per word until the dictionary, the
// personal list or the ignored words change.
#include <QHash>
#include <QLocale>
#include <QSet>
#include <QString>
#include <QStringList>

struct str_enchant_broker;
struct str_enchant_dict;

namespace quillmark {

class SpellChecker {
 public:
  static constexpr int kMaxSuggestions = 8;

  // The program's data folder, which holds the personal word list.
  static QString defaultDataFolder();

  // Opens the dictionary of the desktop's language, else English. isReady() is false when
  // no dictionary is installed; then every word counts as correct.
  explicit SpellChecker(const QString &dataFolder = defaultDataFolder());
  ~SpellChecker();
  SpellChecker(const SpellChecker &) = delete;
  SpellChecker &operator=(const SpellChecker &) = delete;

  // The installed dictionaries' languages ("en_US", "de_DE"), sorted, each once.
  QStringList languages() const;
  // The dictionary for `locale`: its own, one of its language, else English, else the first.
  static QString preferredLanguage(const QStringList &installed, const QLocale &locale);

  QString language() const { return language_; }
  // False (and the old dictionary kept) when `tag` is not installed.
  bool setLanguage(const QString &tag);
  bool isReady() const { return dict_ != nullptr; }

  // True for a correctly spelt word, a personal word and an ignored one.
  bool check(const QString &word);
  // Up to `max` corrections, best first.
  QStringList suggestions(const QString &word, int max = kMaxSuggestions) const;

  // Adds `word` to the personal word list, kept on disk for every later run.
  void addToDictionary(const QString &word);
  // Accepts `word` until forgetIgnoredWords() (the document is closed or replaced).
  void ignoreAll(const QString &word);
  void forgetIgnoredWords();

  // Goes up whenever an answer of check() may have changed.
  quint64 generation() const { return generation_; }
  QString personalWordListPath() const { return personalPath_; }

 private:
  void changed();

  str_enchant_broker *broker_ = nullptr;
  str_enchant_dict *dict_ = nullptr;      // the language's dictionary, or null
  str_enchant_dict *personal_ = nullptr;  // the personal word list, or null
  QString language_;
  QString personalPath_;
  QSet<QString> ignored_;
  QHash<QString, bool> cache_;  // word -> correct, for the current generation
  quint64 generation_ = 1;
};

}  // namespace quillmark
