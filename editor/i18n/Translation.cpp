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
  auto program = std::make_unique<QTranslator>();
  // QTranslator::load walks the locale's languages in order of preference ("de-DE", "de")
  // and stops at the first file it finds; an English desktop finds none.
  if (!program->load(locale, u"quillmark"_s, u"_"_s, kResourceFolder)) return {};
  const QString language = QLocale(program->language()).name().section(u'_', 0, 0);
  app.installTranslator(program.get());
  installed().program = std::move(program);

  // Qt's own texts (the standard dialogs' buttons), where Debian's translations are there.
  auto qt = std::make_unique<QTranslator>();
  if (qt->load(locale, u"qtbase"_s, u"_"_s,
               QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    app.installTranslator(qt.get());
    installed().qt = std::move(qt);
  }
  return language;
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
