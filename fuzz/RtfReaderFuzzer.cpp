// fuzz_rtf_reader: the editor's RTF reader on any bytes, on Qt's offscreen platform. Besides
// crashes, sanitizer reports and hangs it checks two properties.
//
// Text kept. The input up to its first 0x1E byte is a document program (DocumentBuilder.h);
// the document it builds is written with the editor's writer, and the bytes after the 0x1E
// are spliced into that RTF as groups: each splice is two bytes of place (a token start in
// the body, counted modulo the number of them), a length byte and that many bytes, put in
// as "{...}". Whatever the bytes say, a closed group cannot take text that stands outside
// it, so the document read back must hold every printable ASCII character the document had,
// in order (blanks aside: a spliced "\intbl" may lay text out in columns). The splices are
// kept closed by leaving out their braces and any "\bin" (which could reach past the group's
// end); everything else in them is raw fuzz: control words, "\'" bytes, code pages, font
// tables, destinations, fields, "\uN" and "\ucN". Non-ASCII characters are not looked for,
// as a spliced font table or "\ansicpg" may rightly change what a "\'xx" of the writer means.
//
// Read back written. The whole input is also read as an RTF document ("{\rtf1 " in front
// when it does not start so), written, read and written again: the writer's RTF of any
// document read must read back to a document the writer writes the same.
#include <QByteArray>
#include <QString>
#include <QTextDocument>
#include <algorithm>
#include <cstdint>
#include <vector>

#include "DocumentBuilder.h"
#include "FuzzInput.h"
#include "richtext/DocumentModel.h"
#include "richtext/RtfReader.h"
#include "richtext/RtfWriter.h"

namespace {

using namespace quillmark;
using fuzz::broken;

// Where a token of the writer's RTF starts, after the "{\rtf1" that makes it RTF: braces,
// control words and symbols (with what belongs to them), and each byte of text.
std::vector<qsizetype> tokenStarts(const QByteArray& rtf) {
  std::vector<qsizetype> starts;
  const qsizetype size = rtf.size();
  qsizetype i = rtf.indexOf("{\\rtf1");
  if (i < 0) return starts;
  i += 6;
  while (i < size) {
    starts.push_back(i);
    if (rtf[i] != '\\') {
      ++i;
      continue;
    }
    ++i;
    if (i < size && ((rtf[i] >= 'a' && rtf[i] <= 'z') || (rtf[i] >= 'A' && rtf[i] <= 'Z'))) {
      while (i < size && ((rtf[i] >= 'a' && rtf[i] <= 'z') || (rtf[i] >= 'A' && rtf[i] <= 'Z')))
        ++i;
      if (i < size && rtf[i] == '-') ++i;
      while (i < size && rtf[i] >= '0' && rtf[i] <= '9') ++i;
      if (i < size && rtf[i] == ' ') ++i;
    } else if (i < size && rtf[i] == '\'') {
      i = std::min(size, i + 3);
    } else {
      ++i;
    }
  }
  return starts;
}

// A splice as a closed group: no braces, no "\bin", not ending in a lone backslash.
QByteArray closedGroup(fuzz::Bytes bytes) {
  QByteArray group = "{";
  for (const std::uint8_t b : bytes) {
    if (b == '{' || b == '}') continue;
    group += char(b);
  }
  for (qsizetype at = group.indexOf("\\bin"); at >= 0; at = group.indexOf("\\bin", at)) {
    group[at + 1] = 'x';
  }
  // An odd run of backslashes at the end would escape the closing brace.
  qsizetype backslashes = 0;
  for (qsizetype i = group.size() - 1; i > 0 && group[i] == '\\'; --i) ++backslashes;
  if (backslashes % 2) group += ' ';
  group += '}';
  return group;
}

// The printable ASCII characters of the text, less each one right after a character outside
// ASCII: a spliced code page may make the byte the writer wrote for that character a lead
// byte, which rightly takes the next byte for its trail byte.
QString printableAscii(const QString& text) {
  QString result;
  bool afterNonAscii = false;
  for (const QChar c : text) {
    if (c.unicode() > 0x20 && c.unicode() < 0x7F && !afterNonAscii) result += c;
    afterNonAscii = c.unicode() >= 0x80 && c != QChar::ParagraphSeparator &&
                    c != QChar::LineSeparator && c != QChar::ObjectReplacementCharacter;
  }
  return result;
}

void checkTextKept(fuzz::Bytes program, fuzz::Bytes splices) {
  QTextDocument built;
  richtext::setUpDocument(built, richtext::kBulletIndentTwips);
  fuzz::buildDocument(program, built);
  QByteArray rtf = richtext::writeRtf(built);
  const std::vector<qsizetype> starts = tokenStarts(rtf);
  if (starts.empty()) broken("the writer wrote no RTF", rtf, {});
  // Splices go in from the last place to the first, so each place stays a token start.
  struct Splice {
    qsizetype at;
    QByteArray group;
  };
  std::vector<Splice> all;
  std::size_t i = 0;
  while (i + 3 <= splices.size() && all.size() < 64) {
    const std::size_t place = std::size_t(splices[i]) << 8 | splices[i + 1];
    const std::size_t length = std::min<std::size_t>(splices[i + 2], splices.size() - i - 3);
    all.push_back({starts[place % starts.size()], closedGroup(splices.subspan(i + 3, length))});
    i += 3 + length;
  }
  std::stable_sort(all.begin(), all.end(),
                   [](const Splice& a, const Splice& b) { return a.at > b.at; });
  for (const Splice& splice : all) rtf.insert(splice.at, splice.group);

  QTextDocument read;
  richtext::setUpDocument(read, richtext::kBulletIndentTwips);
  QString error;
  if (!richtext::readRtf(rtf, read, &error)) broken("the writer's RTF was refused", rtf, error);
  // The raw text: toPlainText would make no-break spaces blanks, hiding their byte.
  const QString expected = printableAscii(built.toRawText());
  const QString got = fuzz::compactText(read.toPlainText());
  qsizetype at = 0;
  if (!fuzz::isSubsequence(expected, got, &at)) {
    broken("text lost", rtf,
           QStringLiteral("expected: %1\ngot: %2\nfirst missing: %3 at %4")
               .arg(expected, got, expected.mid(at, 1))
               .arg(at));
  }
}

void checkReadBackWritten(fuzz::Bytes input) {
  QByteArray rtf(reinterpret_cast<const char*>(input.data()), qsizetype(input.size()));
  if (!rtf.startsWith("{\\rtf")) rtf.prepend("{\\rtf1 ");
  QTextDocument first;
  richtext::setUpDocument(first, richtext::kBulletIndentTwips);
  if (!richtext::readRtf(rtf, first)) broken("RTF refused", rtf, {});
  const QByteArray written = richtext::writeRtf(first);
  QTextDocument second;
  const QByteArray again = fuzz::readAndWriteAgain(written, second);
  if (again != written) {
    broken("the writer's RTF read back writes otherwise", rtf,
           QString::fromLatin1(written) + QStringLiteral("\n--- written again:\n") +
               QString::fromLatin1(again));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::ensureGuiApplication();
  const fuzz::Bytes input(data, size);
  const auto [program, splices] = fuzz::splitDocuments(input);
  checkTextKept(program, splices);
  checkReadBackWritten(input);
  return 0;
}
