// quillmark-convert-via-editor: quillmark-convert as it runs by default where the editor is
// built. It opens the file through the editor's readers first and makes the post as "Copy to
// Web" would after opening the file: html from what the editor's writer makes of it, the
// other formats from the document's post model. It needs Qt, so it is a program of its own
// that quillmark-convert becomes unless --engine is asked for; every other option works here
// as there.
#include <QByteArrayView>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QString>
#include <QTextDocument>
#include <algorithm>

#include "CommandLine.h"
#include "i18n/Translation.h"
#include "post/DocumentPost.h"
#include "post/PostDocument.h"
#include "quillmark/textfile.h"
#include "richtext/DocumentFile.h"
#include "richtext/DocumentModel.h"
#include "richtext/OfficeDocument.h"
#include "richtext/RtfReader.h"
#include "richtext/RtfWriter.h"
#include "richtext/WebPage.h"

namespace {

namespace cli = quillmark::cli;

// Text a writer could have typed: no control characters but tabs, line and page breaks, in
// UTF-8 or Windows-1252 alike, judged on the first 64 KB. An empty file is text.
bool looksLikeText(QByteArrayView bytes) {
  const QByteArrayView head = bytes.first(std::min<qsizetype>(bytes.size(), 64 * 1024));
  return std::ranges::none_of(head, [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r' && byte != '\f';
  });
}

// The document as the editor would hand it to "Copy to Web" after opening it: read into a
// document set up as the editor sets one up, then for html written as the editor's RTF for
// the engine, for every other format written as a post from its post model. A web page is read as
// the editor opens one, a post (--from) as the editor opens a post's file. Nothing, after reporting
// why, when the file cannot be read or is neither.
std::optional<cli::ViaEditorDocument> readRtfViaEditor(const std::string &path,
                                                       const cli::Arguments &args, char **) {
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
  QGuiApplication application(argc, argv);
  // The editor's messages (why a file cannot be read) in the desktop's language, as the
  // editor says them.
  quillmark::i18n::installTranslators(application, QLocale::system());
  QTextDocument document;
  richtext::setUpDocument(document, richtext::kBulletIndentTwips);
  QString error;
  const QByteArrayView file(bytes->data(), qsizetype(bytes->size()));
  // A post is read as the editor opens a post's file; a web page as the editor opens one: as
  // a paste of that page.
  if (args.from) {
    quillmark::post::appendModel(document,
                                 quillmark::readPost(quillmark::decodeText(*bytes), *args.from));
  } else if (richtext::looksLikeWebPage(file)) {
    if (!richtext::readWebPage(richtext::decodeWebPage(file), document)) {
      cli::reportFailure(
          "open", cli::inputName(path),
          QCoreApplication::translate("main", "The web page could not be read.").toStdString());
      return std::nullopt;
    }
  } else if (richtext::isOfficeDocument(QFile::decodeName(path.c_str()), file)) {
    // An .odt or .docx document as the editor opens one: through LibreOffice's RTF of it.
    const QString suffix = QFileInfo(QFile::decodeName(path.c_str())).suffix();
    if (!richtext::readOfficeDocument(file, suffix, document, &error)) {
      cli::reportFailure("open", cli::inputName(path), error.toStdString());
      return std::nullopt;
    }
  } else if (!richtext::readRtf(file, document, &error)) {
    // What is no RTF is read as the engine reads it, as text: nothing for an empty file, a
    // paragraph for each line of a text file. Anything else is no document of ours.
    if (!looksLikeText(file)) {
      cli::reportFailure("open", cli::inputName(path), richtext::notRtfReason(file).toStdString());
      return std::nullopt;
    }
    quillmark::post::appendModel(document,
                                 quillmark::post::modelOfText(quillmark::decodeText(*bytes)));
  }
  if (args.format != quillmark::Format::Html)
    return cli::ViaEditorDocument{
        {}, {}, cli::writePosts(quillmark::post::modelOf(document), args)};
  const QByteArray rtf =
      richtext::writeRtf(document, 0, -1, richtext::RtfTarget::Engine);  // 7-bit text
  return cli::ViaEditorDocument{std::string(rtf.constData(), std::size_t(rtf.size())),
                                quillmark::post::engineLosses(document),
                                {}};
}

}  // namespace

int main(int argc, char **argv) { return quillmark::cli::run(argc, argv, readRtfViaEditor); }
