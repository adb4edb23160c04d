// quillmark: the editor. "quillmark FILE" opens FILE at start, as file managers ask.
#include <QApplication>
#include <QCommandLineParser>

#include "QuillmarkMain.h"
#include "quillmark/version.h"

using namespace Qt::StringLiterals;

int main(int argc, char **argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(u"Quillmark"_s);
  QApplication::setApplicationVersion(
      QString::fromLatin1(quillmark::kVersion.data(), qsizetype(quillmark::kVersion.size())));
  QApplication::setOrganizationName(u"Norvane"_s);
  QApplication::setDesktopFileName(u"quillmark"_s);

  QCommandLineParser parser;
  parser.setApplicationDescription(u"Write formatted forum posts and copy them as HTML."_s);
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addPositionalArgument(u"file"_s, u"An RTF document to open."_s, u"[file]"_s);
  parser.process(app);

  quillmark::QuillmarkMain window;
  window.show();
  // A file given at start is opened; the drafts of an earlier run then wait for the next.
  if (!parser.positionalArguments().isEmpty())
    window.openFile(parser.positionalArguments().first());
  else
    window.offerDrafts();
  return QApplication::exec();
}
