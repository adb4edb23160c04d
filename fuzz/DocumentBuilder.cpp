#include "DocumentBuilder.h"

#include <QByteArrayView>
#include <QColor>
#include <QGuiApplication>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <QTextTable>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "richtext/DocumentModel.h"
#include "richtext/RtfReader.h"
#include "richtext/RtfWriter.h"

namespace quillmark::fuzz {

namespace {

// Characters beyond printable ASCII that the writer writes each its own way: Windows-1252
// bytes, "\uN" (including a surrogate pair), the characters with control words of their own,
// the RTF specials and breaks.
constexpr std::array<char16_t, 24> kSpecials = {
    u'\\',     u'{',      u'}',      u'\t',     u'\u00A0',        u'\u00E9', u'\u20AC', u'\u2019',
    u'\u2014', u'\u00FF', u'\u0416', u'\u4E2D', u'\u2011',        u'\u00AB', u'\u2028', u'\u03A9',
    u'\uFB01', u'\u0301', u'\u200D', u'\uFFFD', char16_t(0xD83D), u'\u00B5', u';',      u'"',
};

class Program {
 public:
  explicit Program(Bytes bytes) : bytes_(bytes) {}
  bool atEnd() const { return at_ >= bytes_.size(); }
  std::uint8_t next() { return at_ < bytes_.size() ? bytes_[at_++] : 0; }

 private:
  Bytes bytes_;
  std::size_t at_ = 0;
};

QChar characterOf(std::uint8_t byte) {
  if (byte < 0x5F) return QChar(char16_t(0x20 + byte));  // printable ASCII
  const char16_t c = kSpecials[byte % kSpecials.size()];
  return QChar(c);
}

QString textOf(Program& program, int maxLength) {
  const int length = program.next() % (maxLength + 1);
  QString text;
  for (int i = 0; i < length; ++i) {
    const QChar c = characterOf(program.next());
    if (c.isHighSurrogate()) {
      text += c;
      text += QChar(char16_t(0xDE00));  // a whole pair: a lone surrogate is no character
    } else {
      text += c;
    }
  }
  return text;
}

// A face name: letters and blanks, sometimes one of the faces the program knows.
QString faceOf(Program& program) {
  static const std::array<QString, 5> kFaces = {
      QString(), QStringLiteral("Courier"), QStringLiteral("Arial"),
      QStringLiteral("Times New Roman"), QStringLiteral("Symbol")};
  const std::uint8_t pick = program.next();
  if (pick < 128) return kFaces[pick % kFaces.size()];
  const int length = 1 + program.next() % 12;
  QString name;
  for (int i = 0; i < length; ++i) {
    const std::uint8_t b = program.next();
    name += b % 7 == 0 ? QChar(u' ') : QChar(char16_t(u'A' + b % 26));
  }
  return name.trimmed();
}

// The bytes with each control byte as "\xNN" (line ends kept), and with `keepHigh` false
// each byte outside ASCII too: a NUL would end the report, and grep takes a log holding
// one for binary and prints none of it.
std::string printable(QByteArrayView bytes, bool keepHigh) {
  std::string shown;
  shown.reserve(std::size_t(bytes.size()));
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if ((b >= 0x20 && b < 0x7F) || b == '\n' || (keepHigh && b >= 0x80)) {
      shown += c;
    } else {
      char hex[5];
      std::snprintf(hex, sizeof hex, "\\x%02X", b);
      shown += hex;
    }
  }
  return shown;
}

}  // namespace

void broken(const char* what, const QByteArray& rtf, const QString& detail) {
  std::fprintf(stderr, "*** fuzz property broken: %s\n--- rtf:\n%s\n--- detail:\n%s\n", what,
               printable(rtf, false).c_str(), printable(detail.toUtf8(), true).c_str());
  std::abort();
}

QByteArray readAndWriteAgain(const QByteArray& written, QTextDocument& read) {
  richtext::setUpDocument(read, richtext::kBulletIndentTwips);
  QString error;
  if (!richtext::readRtf(written, read, &error))
    broken("the writer's RTF was refused", written, error);
  return richtext::writeRtf(read);
}

void ensureGuiApplication() {
  if (QGuiApplication::instance() != nullptr) return;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "fuzz";
  static char* argv[] = {name, nullptr};
  static QGuiApplication application(argc, argv);
}

namespace {

// The edits of one program, made at a cursor at the document's end with the character
// format typed next.
class Editor {
 public:
  Editor(Program& program, QTextDocument& document) : program_(program), cursor_(&document) {}

  // One edit, by the low four bits of its operation byte.
  void edit(std::uint8_t op) {
    switch (op % 16) {
      case 0:
      case 1:
      case 2:
        cursor_.insertText(textOf(program_, 40), format_);
        break;
      case 3:
        format_.setFontWeight(format_.fontWeight() >= QFont::DemiBold ? QFont::Normal
                                                                      : QFont::Bold);
        break;
      case 4:
        format_.setFontItalic(!format_.fontItalic());
        break;
      case 5:
        format_.setFontUnderline(!format_.fontUnderline());
        break;
      case 6:
        format_.setFontStrikeOut(!format_.fontStrikeOut());
        break;
      case 7:
        return setVerticalAlignment();
      case 8:
        return setFace();
      case 9:
        return setSize();
      case 10:
        return setColour();
      case 11:
        return setLink();
      case 12:
        return insertParagraph();
      case 13:
        return startList();
      case 14:
        return insertTable();
      case 15:
        cursor_.insertText(QString(QChar::LineSeparator), format_);
        break;
    }
  }

 private:
  void setVerticalAlignment() {
    const std::uint8_t v = program_.next() % 3;
    format_.setVerticalAlignment(v == 0   ? QTextCharFormat::AlignNormal
                                 : v == 1 ? QTextCharFormat::AlignSuperScript
                                          : QTextCharFormat::AlignSubScript);
  }

  void setFace() {
    const QString face = faceOf(program_);
    if (face.isEmpty()) {
      format_.clearProperty(QTextFormat::FontFamilies);
      format_.clearProperty(richtext::kFaceKeyProperty);
    } else {
      richtext::setFontName(format_, face);
    }
  }

  void setSize() {
    const std::uint8_t size = program_.next();
    if (size == 0) {
      format_.clearProperty(QTextFormat::FontPointSize);
    } else {
      format_.setFontPointSize(size % 2 ? size / 2.0 : size);
    }
  }

  void setColour() {
    const std::uint8_t pick = program_.next();
    if (pick < 64) {
      format_.clearForeground();
    } else {
      format_.setForeground(QColor(program_.next(), program_.next(), program_.next()));
    }
  }

  void setLink() {
    const std::uint8_t pick = program_.next();
    if (pick < 96) {
      richtext::clearLink(format_);
    } else {
      QString address = QStringLiteral("https://example.org/");
      address += textOf(program_, 12);
      richtext::setLink(format_, address);
    }
  }

  // A paragraph break: the new paragraph's alignment, and perhaps its indents.
  void insertParagraph() {
    QTextBlockFormat block;
    const std::uint8_t b = program_.next();
    block.setAlignment(richtext::qtAlignment(richtext::Alignment(b % 4)));
    if (b & 0x10) block.setLeftMargin((program_.next() % 40) * 10.0);
    if (b & 0x20) block.setTextIndent((int(program_.next() % 40) - 20) * 5.0);
    cursor_.insertBlock(block, format_);
  }

  // The current paragraph made the first item of a list of some style and level.
  void startList() {
    const std::uint8_t b = program_.next();
    QTextListFormat list;
    static constexpr QTextListFormat::Style kStyles[] = {
        QTextListFormat::ListDisc, QTextListFormat::ListCircle, QTextListFormat::ListDecimal,
        QTextListFormat::ListLowerAlpha, QTextListFormat::ListUpperRoman};
    list.setStyle(kStyles[b % 5]);
    list.setIndent(1 + (b >> 4) % 3);
    cursor_.createList(list);
  }

  // A table of up to four by four cells, each with a little text.
  void insertTable() {
    const int rows = 1 + program_.next() % 4;
    const int columns = 1 + program_.next() % 4;
    QTextTable* table = cursor_.insertTable(rows, columns);
    for (int r = 0; r < rows; ++r) {
      for (int c = 0; c < columns; ++c) {
        QTextCursor cell = table->cellAt(r, c).firstCursorPosition();
        cell.insertText(textOf(program_, 10), format_);
      }
    }
    cursor_.movePosition(QTextCursor::End);
  }

  Program& program_;
  QTextCursor cursor_;
  QTextCharFormat format_;  // the format of the text typed next
};

}  // namespace

void buildDocument(Bytes bytes, QTextDocument& document) {
  Program program(bytes);
  Editor editor(program, document);
  int steps = 0;
  while (!program.atEnd() && ++steps < 4096) editor.edit(program.next());
}

QString compactText(const QString& text) {
  QString result;
  result.reserve(text.size());
  for (const QChar c : text) {
    if (c.isSpace() || c == QChar::ObjectReplacementCharacter || c == QChar::Nbsp ||
        c == QChar::ParagraphSeparator || c == QChar::LineSeparator) {
      continue;
    }
    result += c;
  }
  return result;
}

bool isSubsequence(const QString& needle, const QString& haystack, qsizetype* at) {
  qsizetype h = 0;
  for (qsizetype n = 0; n < needle.size(); ++n) {
    while (h < haystack.size() && haystack[h] != needle[n]) ++h;
    if (h == haystack.size()) {
      if (at) *at = n;
      return false;
    }
    ++h;
  }
  return true;
}

}  // namespace quillmark::fuzz
