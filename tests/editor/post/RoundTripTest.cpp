// A post read back: for every document of the tests (the fixtures of other word processors,
// the examples, the regression files, the models of PostDocumentTest), in every format but
// html, the post written from the document's model reads back into a model that writes the
// same post, and that model made into a document gives itself back. A table of the
// documents that pass, per format, goes to standard output.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QTextDocument>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "PostModels.h"
#include "post/DocumentPost.h"
#include "post/PostDocument.h"
#include "quillmark/formats.h"
#include "richtext/DocumentModel.h"
#include "richtext/RtfReader.h"
#include "richtext/WebPage.h"

using namespace Qt::StringLiterals;

std::vector<std::pair<std::string, quillmark::post::Model>> everyBlockKindModels();

namespace {

namespace post = quillmark::post;
namespace richtext = quillmark::richtext;
using quillmark::Format;

struct Document {
  std::string name;
  post::Model model;  // modelOf the document
};

// The documents of the source tree: RTF files anywhere under tests/ and examples/, and the
// web pages among the editor's fixtures (the other .html files are expected outputs); and
// those made of the models of every block kind.
std::vector<Document> documents() {
  std::vector<Document> found;
  const QString source = QString::fromUtf8(QUILLMARK_SOURCE_DIR);
  QStringList files;
  for (const QString &folder : {u"tests"_s, u"examples"_s}) {
    QDirIterator it(source + u'/' + folder, {u"*.rtf"_s}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) files << it.next();
  }
  QDirIterator pages(source + u"/tests/editor/fixtures"_s, {u"*.html"_s}, QDir::Files);
  while (pages.hasNext()) files << pages.next();
  files.sort();
  for (const QString &file : files) {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) continue;
    const QByteArray bytes = in.readAll();
    QTextDocument document;
    richtext::setUpDocument(document, richtext::kBulletIndentTwips);
    if (file.endsWith(u".html"_s)) {
      richtext::readWebPage(richtext::decodeWebPage(bytes), document);
    } else {
      richtext::readRtf(bytes, document);
    }
    found.push_back({file.mid(source.size() + 1).toStdString(), post::modelOf(document)});
  }
  // The documents PostDocumentTest makes of a model of every block kind and style.
  for (auto &[name, model] : everyBlockKindModels()) {
    QTextDocument document;
    richtext::setUpDocument(document, richtext::kBulletIndentTwips);
    post::appendModel(document, model);
    found.push_back({name, post::modelOf(document)});
  }
  return found;
}

std::string describeModel(const post::Model &model) { return post::describe(model); }

// Whether the format's reader reads formatting back: a bold word written in it reads as bold.
// A reader that only keeps the text is counted in the table but not held to the round trip.
bool readsFormatting(Format format) {
  post::Builder builder;
  builder.paragraph();
  post::Style bold;
  bold.flags = post::kBold;
  builder.text(u"word", bold);
  const post::Model read =
      quillmark::readPost(quillmark::writePost(builder.finish(), format).text, format);
  return !read.blocks.empty() && !read.blocks[0].runs.empty() &&
         (read.blocks[0].runs[0].style.flags & post::kBold);
}

TEST(PostRoundTrip, EveryDocumentReadsBackInEveryFormat) {
  const std::vector<Document> all = documents();
  ASSERT_GT(all.size(), 20u);
  std::map<Format, int> written, documentBack;
  for (const quillmark::FormatInfo &info : quillmark::allFormats()) {
    if (info.format == Format::Html) continue;
    const Format f = info.format;
    const bool held = readsFormatting(f);
    for (const Document &d : all) {
      const std::u16string text = quillmark::writePost(d.model, f).text;
      const post::Model read = quillmark::readPost(text, f);
      // What the format writes, its reader reads: the post again, word for word.
      const bool same = quillmark::writePost(read, f).text == text;
      if (same) ++written[f];
      if (held) {
        EXPECT_TRUE(same) << d.name << " in " << info.name;
      }
      // The model read, made into a document, is the document's model.
      QTextDocument made;
      richtext::setUpDocument(made, richtext::kBulletIndentTwips);
      post::appendModel(made, read);
      const std::string back = describeModel(post::modelOf(made));
      const std::string expected = describeModel(quillmark::testing::asDocumentGivesIt(read));
      if (back == expected) ++documentBack[f];
      EXPECT_EQ(back, expected) << d.name << " in " << info.name;
    }
  }
  std::printf("\n%-12s %14s %18s   (of %zu documents)\n", "format", "post again", "document again",
              all.size());
  for (const quillmark::FormatInfo &info : quillmark::allFormats()) {
    if (info.format == Format::Html) continue;
    std::printf("%-12s %14d %18d%s\n", std::string(info.name).c_str(), written[info.format],
                documentBack[info.format],
                readsFormatting(info.format) ? "" : "   (its reader keeps the text only)");
  }
}

}  // namespace
