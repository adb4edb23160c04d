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

void ensureGuiApplication() {
  if (QGuiApplication::instance() != nullptr) return;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "fuzz";
  static char* argv[] = {name, nullptr};
  static QGuiApplication application(argc, argv);
}

void buildDocument(Bytes bytes, QTextDocument& document) {
  Program program(bytes);
  QTextCursor cursor(&document);
  QTextCharFormat format;
  int steps = 0;
  while (!program.atEnd() && ++steps < 4096) {
    const std::uint8_t op = program.next();
    switch (op % 16) {
      case 0:
      case 1:
      case 2:
        cursor.insertText(textOf(program, 40), format);
        break;
      case 3:
        format.setFontWeight(format.fontWeight() >= QFont::DemiBold ? QFont::Normal : QFont::Bold);
        break;
      case 4:
        format.setFontItalic(!format.fontItalic());
        break;
      case 5:
        format.setFontUnderline(!format.fontUnderline());
        break;
      case 6:
        format.setFontStrikeOut(!format.fontStrikeOut());
        break;
      case 7: {
        const std::uint8_t v = program.next() % 3;
        format.setVerticalAlignment(v == 0   ? QTextCharFormat::AlignNormal
                                    : v == 1 ? QTextCharFormat::AlignSuperScript
                                             : QTextCharFormat::AlignSubScript);
        break;
      }
      case 8: {
        const QString face = faceOf(program);
        if (face.isEmpty()) {
          format.clearProperty(QTextFormat::FontFamilies);
          format.clearProperty(richtext::kFaceKeyProperty);
        } else {
          richtext::setFontName(format, face);
        }
        break;
      }
      case 9: {
        const std::uint8_t size = program.next();
        if (size == 0) {
          format.clearProperty(QTextFormat::FontPointSize);
        } else {
          format.setFontPointSize(size % 2 ? size / 2.0 : size);
        }
        break;
      }
      case 10: {
        const std::uint8_t pick = program.next();
        if (pick < 64) {
          format.clearForeground();
        } else {
          format.setForeground(QColor(program.next(), program.next(), program.next()));
        }
        break;
      }
      case 11: {
        const std::uint8_t pick = program.next();
        if (pick < 96) {
          richtext::clearLink(format);
        } else {
          QString address = QStringLiteral("https://example.org/");
          address += textOf(program, 12);
          richtext::setLink(format, address);
        }
        break;
      }
      case 12: {
        QTextBlockFormat block;
        const std::uint8_t b = program.next();
        block.setAlignment(richtext::qtAlignment(richtext::Alignment(b % 4)));
        if (b & 0x10) block.setLeftMargin((program.next() % 40) * 10.0);
        if (b & 0x20) block.setTextIndent((int(program.next() % 40) - 20) * 5.0);
        cursor.insertBlock(block, format);
        break;
      }
      case 13: {
        const std::uint8_t b = program.next();
        QTextListFormat list;
        static constexpr QTextListFormat::Style kStyles[] = {
            QTextListFormat::ListDisc, QTextListFormat::ListCircle, QTextListFormat::ListDecimal,
            QTextListFormat::ListLowerAlpha, QTextListFormat::ListUpperRoman};
        list.setStyle(kStyles[b % 5]);
        list.setIndent(1 + (b >> 4) % 3);
        cursor.createList(list);
        break;
      }
      case 14: {
        const int rows = 1 + program.next() % 4;
        const int columns = 1 + program.next() % 4;
        QTextTable* table = cursor.insertTable(rows, columns);
        for (int r = 0; r < rows; ++r) {
          for (int c = 0; c < columns; ++c) {
            QTextCursor cell = table->cellAt(r, c).firstCursorPosition();
            cell.insertText(textOf(program, 10), format);
          }
        }
        cursor.movePosition(QTextCursor::End);
        break;
      }
      case 15:
        cursor.insertText(QString(QChar::LineSeparator), format);
        break;
    }
  }
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
