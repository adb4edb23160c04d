// Word processors' documents through LibreOffice: one run of it, without its window, in a
// temporary folder with a profile of its own, then our RTF reader over what it wrote.
#include "richtext/OfficeDocument.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

#if defined(Q_OS_UNIX)
#include <signal.h>
#include <unistd.h>
#endif

#include "richtext/DocumentFile.h"

using namespace Qt::StringLiterals;

namespace quillmark::richtext {

namespace {

// The file LibreOffice writes for `input`: its name with the target's extension.
QString outputOf(const QString &input, const QString &target, const QString &outputFolder) {
  const QString extension = target.section(u':', 0, 0);
  return QDir(outputFolder).filePath(QFileInfo(input).completeBaseName() + u'.' + extension);
}

}  // namespace

bool isOfficeDocument(const QString &fileName, QByteArrayView bytes) {
  const QString suffix = QFileInfo(fileName).suffix().toLower();
  return (suffix == u"odt"_s || suffix == u"docx"_s) && bytes.startsWith("PK\x03\x04");
}

QString officeProgram() { return QStandardPaths::findExecutable(u"soffice"_s); }

bool convertWithOffice(const QStringList &files, const QString &target, const QString &outputFolder,
                       QString *error, const QString &inputFilter, int timeoutMs) {
  const auto fail = [error](const QString &reason) {
    if (error) *error = reason;
    return false;
  };
  const QString program = officeProgram();
  if (program.isEmpty()) {
    return fail(QCoreApplication::translate(
                    "OfficeDocument",
                    "Opening .odt and .docx documents needs LibreOffice Writer, which is not "
                    "installed. Install the package %1 and open the document again.")
                    .arg(QString::fromUtf16(kOfficePackage)));
  }
  // A profile of this run's own: with the user's, LibreOffice would hand the work to a
  // window of it that is open, or clash with another run.
  QTemporaryDir profile;
  if (!profile.isValid()) return fail(profile.errorString());
  QStringList arguments{
      u"-env:UserInstallation="_s + QUrl::fromLocalFile(profile.path()).toString(),
      u"--headless"_s,
      u"--norestore"_s,
      u"--nolockcheck"_s,
      u"--convert-to"_s,
      target,
      u"--outdir"_s,
      outputFolder};
  if (!inputFilter.isEmpty()) arguments.insert(4, u"--infilter="_s + inputFilter);
  for (const QString &file : files) {
    QFile::remove(outputOf(file, target, outputFolder));  // so that an old one is not taken
    arguments << QFileInfo(file).absoluteFilePath();
  }
  QProcess office;
  office.setStandardInputFile(QProcess::nullDevice());
  office.setStandardOutputFile(QProcess::nullDevice());
  office.setStandardErrorFile(QProcess::nullDevice());
  office.setWorkingDirectory(outputFolder);
#if defined(Q_OS_UNIX)
  // A process group of its own: "soffice" starts the program that does the work as a child,
  // and a run stopped for its time must stop that one too.
  office.setChildProcessModifier([] { ::setpgid(0, 0); });
#endif
  office.start(program, arguments);
  if (!office.waitForStarted()) return fail(office.errorString());
  if (!office.waitForFinished(timeoutMs)) {
#if defined(Q_OS_UNIX)
    ::kill(-pid_t(office.processId()), SIGKILL);
#endif
    office.kill();
    office.waitForFinished();
    return fail(
        QCoreApplication::translate(
            "OfficeDocument", "LibreOffice did not finish reading the document within %1 seconds.")
            .arg(timeoutMs / 1000));
  }
  for (const QString &file : files) {
    if (!QFileInfo::exists(outputOf(file, target, outputFolder)))
      return fail(QCoreApplication::translate(
          "OfficeDocument",
          "LibreOffice could not read the document: it may be damaged, or of a kind LibreOffice "
          "Writer does not open."));
  }
  return true;
}

bool readOfficeDocument(QByteArrayView bytes, const QString &suffix, QTextDocument &document,
                        QString *error, const ReadProgress &progress, bool *complete) {
  // LibreOffice reads a copy of the bytes that were read, so that what opens is what was
  // checked, whatever the file's name holds.
  QTemporaryDir folder;
  if (!folder.isValid()) {
    if (error) *error = folder.errorString();
    return false;
  }
  const QString input = folder.filePath(u"document."_s + suffix.toLower());
  QString reason;
  if (!writeWholeFile(input, bytes, &reason) ||
      !convertWithOffice({input}, u"rtf"_s, folder.path(), &reason)) {
    if (error) *error = reason;
    return false;
  }
  const FileRead rtf = readWholeFile(outputOf(input, u"rtf"_s, folder.path()));
  if (!rtf.ok()) {
    if (error) *error = rtf.error;
    return false;
  }
  return readRtf(rtf.bytes, document, error, progress, complete);
}

}  // namespace quillmark::richtext
