// Code pages for the RTF reader: character sets to code page numbers, code page numbers to
// the names the text codecs know, and a byte table or a decoder per code page.
#include "CodePages.h"

#include <QByteArray>
#include <QList>
#include <string>
#include <utility>

#include "DocumentModel.h"
#include "quillmark/convert.h"

namespace quillmark::richtext {

namespace {

// The names a code page is known by to the text codecs, best first.
QList<QByteArray> codePageNames(int codePage) {
  switch (codePage) {
    case 437:
      return {"IBM437"};
    case 850:
      return {"IBM850"};
    case 932:
      return {"windows-31j", "Shift_JIS"};
    case 936:
      return {"GBK", "windows-936"};
    case 949:
      return {"windows-949", "EUC-KR"};
    case 950:
      return {"windows-950", "Big5"};
    case 1361:
      return {"johab", "ibm-1363"};
    case 10000:
      return {"macintosh"};
    case 65001:
      return {"UTF-8"};
    default:
      break;
  }
  const QByteArray number = QByteArray::number(codePage);
  return {"windows-" + number, "cp" + number};
}

// The character a code page gives for a byte of text, as a document can hold it. A control
// byte keeps its control character, which the reader drops or takes for a list level's
// placeholder. Any other byte that gives a control or structure character, which is how
// some codecs say "no character here" (U+001A) and how Windows-1252 reads its five
// undefined bytes (C1 controls), gives the replacement character: it shows that something
// was there.
char16_t asText(unsigned char byte, char16_t c) {
  const bool controlByte = byte < 0x20 || byte == 0x7F;
  return controlByte || isTextCharacter(c) ? c : char16_t(QChar::ReplacementCharacter);
}

}  // namespace

// The code page of a font's "\fcharset"; -1 for the document's own.
int codePageOfCharset(int charset) {
  static constexpr std::pair<int, int> kCharsets[] = {
      {0, 1252},   {1, -1},     {2, 1252},   {77, 10000}, {78, 10001}, {79, 10003}, {80, 10008},
      {81, 10002}, {83, 10005}, {84, 10004}, {85, 10006}, {86, 10081}, {87, 10021}, {88, 10029},
      {89, 10007}, {128, 932},  {129, 949},  {130, 1361}, {134, 936},  {136, 950},  {161, 1253},
      {162, 1254}, {163, 1258}, {177, 1255}, {178, 1256}, {186, 1257}, {204, 1251}, {222, 874},
      {238, 1250}, {254, 437},  {255, 850},
  };
  for (const auto &[set, codePage] : kCharsets) {
    if (set == charset) return codePage;
  }
  return -1;
}

namespace {

// Whether the code page reads the printable ASCII bytes as themselves, one byte each, as RTF
// needs: its syntax is ASCII, and text outside "\'" escapes is mostly ASCII. A code page
// that does not (EBCDIC, UTF-16) is taken for Windows-1252, so that no text turns to
// garbage because of one number in the header.
bool keepsAscii(QStringDecoder &decoder) {
  for (int b = 0x20; b < 0x7F; ++b) {
    if (b == '\\' || b == '~') continue;  // some Far East code pages put a currency sign here
    decoder.resetState();
    const char byte = static_cast<char>(b);
    const QString unit = decoder(QByteArrayView(&byte, 1));
    if (unit.size() != 1 || unit.front().unicode() != b) return false;
  }
  decoder.resetState();
  return true;
}

}  // namespace

CodePage::CodePage(int number) {
  if (number != kWindowsWestern) {
    for (const QByteArray &name : codePageNames(number)) {
      decoder_ = QStringDecoder(name.constData());
      if (decoder_.isValid()) break;
    }
    if (decoder_.isValid() && !keepsAscii(decoder_)) decoder_ = QStringDecoder();
  }
  if (number == kWindowsWestern || !decoder_.isValid()) {
    std::string bytes(256, '\0');
    for (int b = 0; b < 256; ++b) bytes[b] = static_cast<char>(b);
    const std::u16string units = quillmark::decodeWindows1252(bytes);
    for (int b = 0; b < 256; ++b) {
      table_[b] =
          asText(static_cast<unsigned char>(b), units.size() == 256 ? units[b] : char16_t(b));
    }
    return;
  }
  // A byte that gives nothing on its own is a lead byte: the code page is multi-byte.
  for (int b = 0; b < 256 && singleByte_; ++b) {
    decoder_.resetState();
    const char byte = static_cast<char>(b);
    const QString unit = decoder_(QByteArrayView(&byte, 1));
    if (unit.size() == 1) {
      table_[b] = asText(static_cast<unsigned char>(b), unit.front().unicode());
    } else if (unit.isEmpty()) {
      singleByte_ = false;
    } else {
      table_[b] = QChar::ReplacementCharacter;
    }
  }
  decoder_.resetState();
}

QString CodePage::decodeMultiByte(char byte) {
  QString text = decoder_(QByteArrayView(&byte, 1));
  for (QChar &c : text) c = QChar(asText(static_cast<unsigned char>(byte), c.unicode()));
  return text;
}

}  // namespace quillmark::richtext
