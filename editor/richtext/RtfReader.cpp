// Tokenises RTF and turns it into QTextCursor operations. (To be written.)
#include "RtfReader.h"

#include <QTextDocument>

namespace quillmark::richtext {

bool readRtf(QByteArrayView rtf, QTextDocument &, QString *error) {
  if (!rtf.startsWith("{\\rtf")) {
    if (error) *error = QStringLiteral("The file is not an RTF document.");
    return false;
  }
  return true;
}

}  // namespace quillmark::richtext
