// fuzz_round_trip: a document built from the input (DocumentBuilder.h) through the editor's
// writer, reader and writer again, on Qt's offscreen platform. Checks, besides crashes and
// sanitizer reports:
//   - the second writing gives the same bytes as the first: what the writer writes, the
//     reader reads back to a document the writer writes the same;
//   - the document read back holds the built document's text, blanks aside (a table comes
//     back as its fixed-columns block, a numbered item with its number as text);
//   - the writer's RTF through the engine ("+CR+A", the "Copy to Web" rewrites) gives a post
//     that holds every character of the document's text in order, blanks aside.
#include <QByteArray>
#include <QString>
#include <QTextDocument>
#include <cstdint>
#include <string>

#include "DocumentBuilder.h"
#include "FuzzInput.h"
#include "RunModel.h"
#include "quillmark/convert.h"
#include "richtext/DocumentModel.h"
#include "richtext/RtfReader.h"
#include "richtext/RtfWriter.h"

namespace {

using namespace quillmark;
using fuzz::broken;

void checkKept(const char* what, const QByteArray& rtf, const QString& expected,
               const QString& got) {
  qsizetype at = 0;
  if (!fuzz::isSubsequence(expected, got, &at)) {
    broken(what, rtf,
           QStringLiteral("expected: %1\ngot: %2\nfirst missing: U+%3 at %4")
               .arg(expected, got)
               .arg(expected[at].unicode(), 4, 16, QChar(u'0'))
               .arg(at));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::ensureGuiApplication();
  QTextDocument built;
  richtext::setUpDocument(built, richtext::kBulletIndentTwips);
  fuzz::buildDocument(fuzz::Bytes(data, size), built);
  const QByteArray rtf = richtext::writeRtf(built);

  QTextDocument read;
  const QByteArray again = fuzz::readAndWriteAgain(rtf, read);
  if (again != rtf) {
    broken("written, read and written again differs", rtf, QString::fromLatin1(again));
  }
  const QString text = fuzz::compactText(built.toPlainText());
  checkKept("the document read back lost text", rtf, text, fuzz::compactText(read.toPlainText()));

  const std::u16string html = rewriteForWeb(Converter{}.convertRtfToHtml(
      decodeWindows1252({rtf.constData(), std::size_t(rtf.size())}), u"+CR+A"));
  const formats::Document post = formats::readFragment(html);
  checkKept("the post lost text", rtf, text,
            fuzz::compactText(QString::fromStdU16String(post.text)));
  return 0;
}
