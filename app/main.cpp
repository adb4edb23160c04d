// quillmark: the editor. "quillmark FILE" opens FILE at start, as file managers ask.
#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLocale>
#include <QTimer>
#include <memory>
#include <string_view>

#include "QuillmarkMain.h"
#include "i18n/Translation.h"
#include "quillmark/version.h"

using namespace Qt::StringLiterals;

namespace {

// Whether the command line asks only for the help or the version: those are printed
// without a display, so they must not start the GUI, which aborts where there is none.
// "--help-all" also lists Qt's GUI options and so takes the GUI's path.
bool asksForHelpOrVersion(int argc, char **argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--") break;
    if (arg == "-h" || arg == "--help" || arg == "-v" || arg == "--version") return true;
  }
  return false;
}

}  // namespace

int main(int argc, char **argv) {
  std::unique_ptr<QCoreApplication> app;
  if (asksForHelpOrVersion(argc, argv))
    app = std::make_unique<QCoreApplication>(argc, argv);
  else
    app = std::make_unique<QApplication>(argc, argv);
  QCoreApplication::setApplicationName(u"Quillmark"_s);
  QCoreApplication::setApplicationVersion(
      QString::fromLatin1(quillmark::kVersion.data(), qsizetype(quillmark::kVersion.size())));
  QCoreApplication::setOrganizationName(u"Norvane"_s);
  QGuiApplication::setDesktopFileName(u"quillmark"_s);
  // The desktop's language, for the program's texts and Qt's dialogs; English where the
  // program has no translation for it.
  quillmark::i18n::installTranslators(*app, QLocale::system());

  QCommandLineParser parser;
  parser.setApplicationDescription(
      QCoreApplication::translate("main", "Write formatted forum posts and copy them as HTML."));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addPositionalArgument(
      u"file"_s, QCoreApplication::translate("main", "An RTF document to open."), u"[file]"_s);
  parser.process(*app);  // prints the help or the version and exits when asked

  quillmark::QuillmarkMain window;
  window.show();
  // A file given at start is opened; the drafts of an earlier run then wait for the next.
  // Both run in the event loop, so that an end of the session during their questions ends
  // the program.
  const QStringList files = parser.positionalArguments();
  QTimer::singleShot(0, &window, [&window, files] {
    if (!files.isEmpty())
      window.openFile(files.first());
    else
      window.offerDrafts();
  });
  return QApplication::exec();
}
