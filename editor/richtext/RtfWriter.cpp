// Walks document -> block -> fragment and writes RTF. (To be written.)
#include "RtfWriter.h"

#include <QTextDocument>

namespace quillmark::richtext {

QByteArray writeRtf(const QTextDocument &, int, int) {
  return QByteArrayLiteral(
      "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 MS Sans "
      "Serif;}}\r\n\\viewkind4\\uc1\\pard\\f0\\fs20 }\r\n");
}

}  // namespace quillmark::richtext
