#pragma once
// Word processors' documents (.odt, .docx) read through LibreOffice Writer, run without its
// window: it writes the document as RTF in a folder of its own, and the RTF reader reads that
// as it reads any RTF, so that such a document holds what the same document saved as RTF
// would. Where LibreOffice is not installed, the reason names the package that brings it.
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QTextDocument>

#include "richtext/RtfReader.h"

namespace quillmark::richtext {

// The Debian package of LibreOffice Writer without its window, named to the user.
inline constexpr char16_t kOfficePackage[] = u"libreoffice-writer-nogui";

// How long one run of LibreOffice may take before it is stopped, in milliseconds.
inline constexpr int kOfficeTimeoutMs = 120'000;

// Whether a file is a word processor's document to be read through LibreOffice: named .odt
// or .docx (in any case) and a ZIP archive, as both are. A file of that name that holds RTF
// or a web page is read as what it holds.
bool isOfficeDocument(const QString &fileName, QByteArrayView bytes);

// The LibreOffice program on the path ("soffice"), or empty when it is not installed.
QString officeProgram();

// Runs LibreOffice once over `files`, writing each into `outputFolder` as `target` (what
// --convert-to takes: "rtf", "html", "odt", or with a filter, "html:XHTML Writer File"),
// named as its input with the target's extension. `inputFilter` names the filter to read the
// inputs with (empty: LibreOffice's own choice). Each run has a profile of its own, so that
// runs side by side, and a LibreOffice the user has open, never meet. False, with the reason
// for the user in *error, when LibreOffice is missing, fails, takes longer than `timeoutMs`
// (it is then stopped) or leaves an output unwritten.
bool convertWithOffice(const QStringList &files, const QString &target, const QString &outputFolder,
                       QString *error = nullptr, const QString &inputFilter = {},
                       int timeoutMs = kOfficeTimeoutMs);

// Reads a word processor's document, its file's `bytes` with its name's `suffix` ("odt",
// "docx"), into `document` (set up and empty, as readRtf wants it) through LibreOffice's RTF
// of it. False with the reason in *error when LibreOffice is missing or cannot read it.
bool readOfficeDocument(QByteArrayView bytes, const QString &suffix, QTextDocument &document,
                        QString *error = nullptr, const ReadProgress &progress = {},
                        bool *complete = nullptr);

}  // namespace quillmark::richtext
