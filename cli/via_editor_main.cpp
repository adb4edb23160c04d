// quillmark-convert-via-editor: quillmark-convert with --via-editor, which opens the file
// through the editor's RTF reader first and converts what the editor's writer makes of it, as
// "Copy to Web" would after opening the file. It needs Qt, so it is a program of its own that
// quillmark-convert becomes for that option; every other option works here as there.
#include <QByteArrayView>
#include <QGuiApplication>
#include <QString>
#include <QTextDocument>

#include "CommandLine.h"
#include "richtext/DocumentModel.h"
#include "richtext/RtfReader.h"
#include "richtext/RtfWriter.h"

namespace {

// The document as the editor would hand it to "Copy to Web" after opening it: read into a
// document set up as the editor sets one up, then written as the editor's RTF. Nothing,
// after reporting why, when the file cannot be read or is not RTF.
std::optional<std::string> readRtfViaEditor(const std::string &path, char **) {
  namespace cli = quillmark::cli;
  namespace richtext = quillmark::richtext;
  const std::optional<std::string> bytes = cli::readBytes(path);
  if (!bytes) return std::nullopt;
  // Fonts and text layout need a GUI application; no window is ever shown. Qt's own notes
  // about the environment would break the one-line error contract of standard error.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
  int argc = 1;
  char name[] = "quillmark-convert";
  char *argv[] = {name, nullptr};
  const QGuiApplication application(argc, argv);
  QTextDocument document;
  richtext::setUpDocument(document, richtext::kBulletIndentTwips);
  QString error;
  if (!richtext::readRtf(QByteArrayView(bytes->data(), qsizetype(bytes->size())), document,
                         &error)) {
    cli::reportFailure("open", cli::inputName(path), error.toStdString());
    return std::nullopt;
  }
  const QByteArray rtf =
      richtext::writeRtf(document, 0, -1, richtext::RtfTarget::Engine);  // 7-bit text
  return std::string(rtf.constData(), std::size_t(rtf.size()));
}

}  // namespace

int main(int argc, char **argv) { return quillmark::cli::run(argc, argv, readRtfViaEditor); }
