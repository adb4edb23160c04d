#include "i18n/Translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

using namespace Qt::StringLiterals;

namespace quillmark::i18n {

namespace {

// The .qm files are resources of the program, built from translations/*.ts.
constexpr auto kResourceFolder = ":/i18n"_L1;

struct Installed {
  std::unique_ptr<QTranslator> program;
  std::unique_ptr<QTranslator> qt;
};

Installed &installed() {
  static Installed translators;
  return translators;
}

}  // namespace

QString translated(const char *context, std::u16string_view text) {
  if (text.empty()) return {};
  const QString source = QString::fromUtf16(text.data(), qsizetype(text.size()));
  return QCoreApplication::translate(context, source.toUtf8().constData());
}

QString installTranslators(QCoreApplication &app, const QLocale &locale) {
  removeTranslators(app);
  // The locale's languages in order of preference ("de-DE", "de"; LANGUAGE's list first on
  // the desktop). English, the program's own, ends the walk: "en:de" means English.
  for (QString language : locale.uiLanguages()) {
    language.replace(u'-', u'_');
    if (language == u"C"_s || language == u"en"_s || language.startsWith(u"en_"_s)) return {};
    auto program = std::make_unique<QTranslator>();
    // "quillmark_de_DE", then "quillmark_de": QTranslator drops the parts after '_'.
    if (!program->load(u"quillmark_"_s + language, kResourceFolder)) continue;
    const QString code = language.section(u'_', 0, 0);
    app.installTranslator(program.get());
    installed().program = std::move(program);
    // Qt's own texts (the standard dialogs' buttons), where Debian's translations are there.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(u"qtbase_"_s + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
      app.installTranslator(qt.get());
      installed().qt = std::move(qt);
    }
    return code;
  }
  return {};
}

void removeTranslators(QCoreApplication &app) {
  Installed &translators = installed();
  if (translators.qt) app.removeTranslator(translators.qt.get());
  if (translators.program) app.removeTranslator(translators.program.get());
  translators.qt.reset();
  translators.program.reset();
}

QStringList availableLanguages() {
  QStringList languages;
  const QStringList files =
      QDir(kResourceFolder).entryList({u"quillmark_*.qm"_s}, QDir::Files, QDir::Name);
  for (const QString &file : files)
    languages.append(file.sliced(10, file.size() - 13));  // "quillmark_" ... ".qm"
  return languages;
}

}  // namespace quillmark::i18n
