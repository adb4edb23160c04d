// SpellChecker over Enchant's C interface. Enchant takes and gives UTF-8.
#include "SpellChecker.h"

#include <enchant.h>

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace quillmark {

namespace {

constexpr char16_t kPersonalFileName[] = u"personal-words.dic";
constexpr char16_t kFallbackLanguage[] = u"en_US";

// Dictionaries know the typewriter apostrophe; writers and word processors type the curly one.
QByteArray utf8Word(const QString &word) {
  QString plain = word;
  plain.replace(u'\u2019', u'\'');
  return plain.toUtf8();
}

void collectLanguage(const char *const tag, const char *const, const char *const, const char *const,
                     void *list) {
  static_cast<QStringList *>(list)->append(QString::fromUtf8(tag));
}

}  // namespace

QString SpellChecker::defaultDataFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

SpellChecker::SpellChecker(const QString &dataFolder)
    : broker_(enchant_broker_init()),
      personalPath_(dataFolder + u'/' + QString::fromUtf16(kPersonalFileName)) {
  if (!broker_) return;
  // Enchant reads the list and keeps it up to date; it needs the file to exist.
  if (QDir().mkpath(dataFolder)) {
    QFile file(personalPath_);
    if (file.open(QIODevice::Append)) file.close();
    personal_ =
        enchant_broker_request_pwl_dict(broker_, QFile::encodeName(personalPath_).constData());
  }
  setLanguage(preferredLanguage(languages(), QLocale::system()));
}

SpellChecker::~SpellChecker() {
  if (!broker_) return;
  if (dict_) enchant_broker_free_dict(broker_, dict_);
  if (personal_) enchant_broker_free_dict(broker_, personal_);
  enchant_broker_free(broker_);
}

QStringList SpellChecker::languages() const {
  QStringList list;
  if (broker_) enchant_broker_list_dicts(broker_, collectLanguage, &list);
  list.sort();
  list.removeDuplicates();
  return list;
}

QString SpellChecker::preferredLanguage(const QStringList &installed, const QLocale &locale) {
  if (installed.isEmpty()) return QString();
  const QString name = locale.name();  // "de_DE"; "C" for the plain C locale
  const QString language = name.section(u'_', 0, 0);
  if (installed.contains(name)) return name;
  const auto ofLanguage = [&installed](const QString &prefix) -> QString {
    if (prefix.isEmpty() || prefix == u"C"_s) return QString();
    if (installed.contains(prefix)) return prefix;
    const auto found = std::find_if(installed.begin(), installed.end(), [&](const QString &tag) {
      return tag.startsWith(prefix + u'_');
    });
    return found == installed.end() ? QString() : *found;
  };
  if (QString tag = ofLanguage(language); !tag.isEmpty()) return tag;
  if (installed.contains(QString::fromUtf16(kFallbackLanguage)))
    return QString::fromUtf16(kFallbackLanguage);
  if (QString tag = ofLanguage(u"en"_s); !tag.isEmpty()) return tag;
  return installed.first();
}

bool SpellChecker::setLanguage(const QString &tag) {
  if (!broker_ || tag.isEmpty()) return false;
  EnchantDict *dict = enchant_broker_request_dict(broker_, tag.toUtf8().constData());
  if (!dict) return false;
  if (dict_) enchant_broker_free_dict(broker_, dict_);
  dict_ = dict;
  language_ = tag;
  changed();
  return true;
}

bool SpellChecker::check(const QString &word) {
  if (!dict_ || word.isEmpty()) return true;
  if (const auto cached = cache_.constFind(word); cached != cache_.constEnd()) return *cached;
  bool correct = ignored_.contains(word);
  if (!correct) {
    const QByteArray utf8 = utf8Word(word);
    correct = enchant_dict_check(dict_, utf8.constData(), utf8.size()) == 0 ||
              (personal_ && enchant_dict_check(personal_, utf8.constData(), utf8.size()) == 0);
  }
  cache_.insert(word, correct);
  return correct;
}

QStringList SpellChecker::suggestions(const QString &word, int max) const {
  QStringList list;
  if (!dict_ || word.isEmpty()) return list;
  const QByteArray utf8 = utf8Word(word);
  size_t count = 0;
  char **found = enchant_dict_suggest(dict_, utf8.constData(), utf8.size(), &count);
  for (size_t i = 0; i < count && list.size() < max; ++i) {
    const QString suggestion = QString::fromUtf8(found[i]);
    if (!list.contains(suggestion)) list << suggestion;
  }
  if (found) enchant_dict_free_string_list(dict_, found);
  return list;
}

void SpellChecker::addToDictionary(const QString &word) {
  if (word.isEmpty()) return;
  const QByteArray utf8 = utf8Word(word);
  if (personal_) enchant_dict_add(personal_, utf8.constData(), utf8.size());
  changed();
}

void SpellChecker::ignoreAll(const QString &word) {
  ignored_.insert(word);
  changed();
}

void SpellChecker::forgetIgnoredWords() {
  if (ignored_.isEmpty()) return;
  ignored_.clear();
  changed();
}

void SpellChecker::changed() {
  cache_.clear();
  ++generation_;
}

}  // namespace quillmark
