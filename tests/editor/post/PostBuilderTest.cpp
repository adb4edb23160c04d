// The making of a post: one road from a document to the post in every format, the same
// through the snapshot on another thread as on the document's, passing its own check before
// copy; what the status bar and the preview's header say about a post.
#include <gtest/gtest.h>

#include <QDir>
#include <QLocale>
#include <QMimeData>
#include <QProcess>
#include <QString>
#include <thread>

#include "QtPrinters.h"
#include "post/DocumentPost.h"
#include "post/PostBuilder.h"
#include "post/PostDocument.h"
#include "quillmark/convert.h"
#include "quillmark/formats.h"
#include "richtext/RichTextBox.h"
#include "web/Profiles.h"

using namespace Qt::StringLiterals;
using quillmark::Converter;
using quillmark::Format;
using quillmark::post::MadePost;
using quillmark::richtext::Alignment;
using quillmark::richtext::RichTextBox;
using quillmark::web::Profile;

namespace {

constexpr Format kEveryFormat[] = {Format::Html,   Format::Phpbb,   Format::Xenforo,
                                   Format::Mybb,   Format::Smf,     Format::Vbulletin,
                                   Format::Bbcode, Format::Markdown};

void select(RichTextBox &box, int start, int length) {
  box.setSelStart(start);
  box.setSelLength(length);
}

// "Results" centred over "we won the cup and the shield", the two prizes underlined, "won"
// bold and red; all of it at the forum's normal size, as the window starts.
void writeReport(RichTextBox &box) {
  box.setSelFontSize(12);
  box.setSelText(u"Results\rwe won the cup and the shield"_s);
  select(box, 0, 7);
  box.setSelAlignment(Alignment::Center);
  select(box, 11, 3);
  box.setSelBold(true);
  box.setSelColor(0x0000FF);
  select(box, 19, 3);
  box.setSelUnderline(true);
  select(box, 31, 6);
  box.setSelUnderline(true);
}

Profile profileFor(Format format, int limit = 0) {
  return {u"Board"_s, u"board.example.org"_s, format, limit, false};
}

// A link's look is no formatting: in no format does a link, made or pasted from a page,
// come out coloured or underlined.
TEST(PostBuilder, LinksAreWrittenWithoutTheirLook) {
  const struct {
    const char *name;
    QString html;  // pasted; none: the link is made in the box
  } rows[] = {
      {"made", QString()},
      {"pasted page", u"<p>see <a href='http://x.org/'>the page</a> now</p>"_s},
  };
  Converter converter;
  for (const auto &row : rows) {
    RichTextBox box;
    if (row.html.isEmpty()) {
      box.setSelText(u"see the page now"_s);
      select(box, 4, 8);
      box.setSelLink(u"http://x.org/"_s);
    } else {
      QMimeData mime;
      mime.setHtml(row.html);
      box.insertRich(&mime);
    }
    for (const Format format : kEveryFormat) {
      const QString post =
          quillmark::post::makePost(converter, *box.document(), profileFor(format)).text.toLower();
      const std::string where = std::string(row.name) + " in " + std::to_string(int(format));
      EXPECT_TRUE(post.contains(u"http://x.org/"_s)) << where << ": " << post.toStdString();
      for (const QString &look : {u"color"_s, u"[u]"_s, u"<u>"_s, u"<ins>"_s})
        EXPECT_FALSE(post.contains(look)) << where << ": " << post.toStdString();
    }
  }
}

// html is the engine's fragment of the document's RTF; every other format is written from the
// document's post model.
TEST(PostBuilder, HtmlIsTheFragmentTheOtherFormatsTheModelsPostAndEachPassesItsCheck) {
  RichTextBox box;
  writeReport(box);
  Converter converter;
  const QByteArray rtf = quillmark::post::snapshot(*box.document());
  const std::u16string html = quillmark::rewriteForWeb(Converter{}.convertRtfToHtml(
      quillmark::decodeWindows1252({rtf.constData(), std::size_t(rtf.size())}),
      quillmark::kWebOptions));
  ASSERT_NE(html.find(u"<b>"), std::u16string::npos);
  const quillmark::post::Model model = quillmark::post::modelOf(*box.document());
  for (const Format format : kEveryFormat) {
    SCOPED_TRACE(quillmark::formatDisplayName(format));
    const MadePost made =
        quillmark::post::makePost(converter, *box.document(), profileFor(format, 25));
    EXPECT_EQ(made.format, format);
    EXPECT_EQ(made.profileName, u"Board"_s);
    EXPECT_EQ(made.limit, 25);
    if (format == Format::Html) {
      EXPECT_EQ(made.webHtml, html);
      EXPECT_EQ(made.text, QString::fromStdU16String(html));
      EXPECT_TRUE(made.losses.empty());
      EXPECT_FALSE(made.model.has_value());
    } else {
      const quillmark::Post post = quillmark::writePost(model, format);
      EXPECT_TRUE(made.webHtml.empty());
      ASSERT_TRUE(made.model.has_value());
      EXPECT_EQ(*made.model, model);
      EXPECT_EQ(made.text, QString::fromStdU16String(post.text));
      EXPECT_EQ(quillmark::formatLosses(made.losses), quillmark::formatLosses(post.losses));
    }
    const std::optional<QString> wrong = quillmark::post::checkPostAgainst(made, box.text());
    EXPECT_FALSE(wrong.has_value()) << wrong.value_or(QString()).toStdString();
  }
}

// The preview takes the snapshot on the window's thread and makes the post on a worker, with
// a converter of its own: the post is the one "Copy to Web" makes on the window's thread.
TEST(PostBuilder, APostMadeFromTheSnapshotOnAWorkerIsTheWindowsPost) {
  RichTextBox box;
  writeReport(box);
  Converter windowsConverter;
  for (const Format format : kEveryFormat) {
    SCOPED_TRACE(quillmark::formatDisplayName(format));
    const Profile profile = profileFor(format);
    const MadePost here = quillmark::post::makePost(windowsConverter, *box.document(), profile);
    quillmark::post::Snapshot snapshot = quillmark::post::snapshot(*box.document(), format);
    MadePost there;
    std::thread worker([&] {
      Converter own;
      there = quillmark::post::makePost(own, std::move(snapshot), profile);
    });
    worker.join();
    EXPECT_EQ(there.text, here.text);
    EXPECT_EQ(there.webHtml, here.webHtml);
  }
}

TEST(PostBuilder, TheReportSaysTheLengthTheFormatHowMuchTooLongAndWhatIsNotShown) {
  RichTextBox box;
  writeReport(box);
  Converter converter;
  const QLocale locale;
  const struct {
    Format format;
    int limit;
    QString said;  // %1: the post's length; %2: how much longer than the limit it is
  } rows[] = {
      {Format::Html, 0, u"%1 characters as HTML"_s},
      {Format::Html, 1000000, u"%1 characters as HTML"_s},
      {Format::Phpbb, 10,
       u"%1 characters as phpBB BBCode (%2 characters longer than the 10 Board takes); not "
       u"shown there: centre: 1 paragraph"_s},
      {Format::Markdown, 0,
       u"%1 characters as Markdown; not shown there: underline: 2 runs, colour: 1 run, centre: "
       u"1 paragraph"_s},
  };
  for (const auto &row : rows) {
    SCOPED_TRACE(quillmark::formatDisplayName(row.format));
    const MadePost made =
        quillmark::post::makePost(converter, *box.document(), profileFor(row.format, row.limit));
    QString said = row.said.arg(locale.toString(made.text.size()));
    if (said.contains(u"%2"_s)) said = said.arg(locale.toString(made.text.size() - row.limit));
    EXPECT_EQ(quillmark::post::postReport(made), said);
  }
}

TEST(PostBuilder, TheHeaderNamesWhatTheForumDoesNotShowWithEachCount) {
  RichTextBox box;
  writeReport(box);
  Converter converter;
  const struct {
    Format format;
    QString header;
  } rows[] = {
      {Format::Html, QString()},
      {Format::Phpbb, u"This forum does not show: centring (1 paragraph)"_s},
      {Format::Markdown,
       u"This forum does not show: underline (2 runs), colour (1 run), centring (1 paragraph)"_s},
  };
  for (const auto &row : rows) {
    SCOPED_TRACE(quillmark::formatDisplayName(row.format));
    const MadePost made =
        quillmark::post::makePost(converter, *box.document(), profileFor(row.format));
    EXPECT_EQ(quillmark::post::lossHeader(made.losses), row.header);
  }
}

// The engine has no element for a document's structures: an html post names what it makes
// of them, as every other format names what it cannot show.
TEST(PostBuilder, AnHtmlPostNamesTheStructuresTheEngineCannotShow) {
  const struct {
    const char *name;
    QString html;
    std::string losses;
  } rows[] = {
      {"heading", u"<h2>Title</h2><p>body</p>"_s, "heading: 1 heading\n"},
      {"quote", u"<blockquote><p>one</p><p>two</p></blockquote>"_s, "quote: 1 quote\n"},
      {"two quotes, one nested",
       u"<blockquote><p>a</p><blockquote><p>b</p></blockquote></blockquote>"_s,
       "quote: 2 quotes\n"},
      {"rule", u"<p>a</p><hr><p>b</p>"_s, "rule: 1 rule\n"},
      {"picture with its text", u"<p><img src='https://example.org/a.png' alt='a cat'></p>"_s,
       "picture: 1 picture\npicture text: 1 picture\n"},
      {"numbered list", u"<ol><li>one</li><li>two</li></ol>"_s, "numbered list: 1 list\n"},
      {"bullets are shown", u"<ul><li>one</li><li>two</li></ul>"_s, ""},
      {"table", u"<table><tr><td>a</td><td>b</td></tr></table>"_s,
       "table: shown as a code block\n"},
  };
  Converter converter;
  for (const auto &row : rows) {
    SCOPED_TRACE(row.name);
    RichTextBox box;
    QMimeData mime;
    mime.setHtml(row.html);
    box.insertRich(&mime);
    const MadePost made =
        quillmark::post::makePost(converter, *box.document(), profileFor(Format::Html));
    EXPECT_EQ(quillmark::formatLosses(made.losses), row.losses);
    EXPECT_EQ(quillmark::post::postReport(made).contains(u"not shown there"_s),
              !row.losses.empty());
  }
}

// A numbered list of many items, which the document holds in several QTextLists, is one
// list the engine cannot show.
TEST(PostBuilder, ALongNumberedListIsOneListLost) {
  quillmark::post::Builder builder;
  for (int i = 0; i < 700; ++i) {
    builder.item(1, quillmark::post::Numbering::Decimal);
    builder.text(u"entry", {});
  }
  QTextDocument document;
  quillmark::post::appendModel(document, builder.finish());
  Converter converter;
  const MadePost made = quillmark::post::makePost(converter, document, profileFor(Format::Html));
  EXPECT_EQ(quillmark::formatLosses(made.losses), "numbered list: 1 list\n");
}

// A word processor's document, DejaVu Serif at 10 pt but for a heading and a time: its body
// is the post's normal text, in the forum's own face and size, on the editor's road too.
TEST(PostBuilder, TheBodysFaceAndSizeAreTheForumsOwn) {
  RichTextBox box;
  const QString text = u"Match report\rHarbour City won at home; kick-off at 19:45."_s;
  box.setSelText(text);
  select(box, 0, int(text.size()));
  box.setSelFontName(u"DejaVu Serif"_s);
  box.setSelFontSize(10);
  select(box, 0, 12);
  box.setSelFontSize(14);
  select(box, int(text.indexOf(u"19:45"_s)), 5);
  box.setSelFontName(u"DejaVu Sans Mono"_s);
  Converter converter;
  const struct {
    Format format;
    QString post;
    std::string losses;
  } rows[] = {
      {Format::Xenforo,
       u"[SIZE=5]Match report[/SIZE]\nHarbour City won at home; kick-off at [FONT=DejaVu Sans "
       u"Mono]19:45[/FONT]."_s,
       ""},
      {Format::Phpbb,
       u"[size=150]Match report[/size]\nHarbour City won at home; kick-off at 19:45."_s,
       "face: 1 run\n"},
      {Format::Markdown, u"Match report\\\nHarbour City won at home; kick-off at 19:45."_s,
       "size: 1 run\nface: 1 run\n"},
  };
  for (const auto &row : rows) {
    SCOPED_TRACE(quillmark::formatDisplayName(row.format));
    const MadePost made =
        quillmark::post::makePost(converter, *box.document(), profileFor(row.format));
    EXPECT_EQ(made.text, row.post);
    EXPECT_EQ(quillmark::formatLosses(made.losses), row.losses);
  }
}

}  // namespace

// One road: quillmark-convert FILE --format F writes byte for byte what "Copy to Web" puts on
// the clipboard for FILE opened in the window, whatever wrote the file, and --report names
// the same losses.
TEST(PostBuilder, TheConverterWritesWhatCopyToWebWritesForAnOpenedFile) {
  const QDir source(QStringLiteral(QUILLMARK_SOURCE_DIR));
  const QString files[] = {
      u"examples/sample-post.rtf"_s,
      u"examples/word-processor-post.rtf"_s,
      u"tests/editor/fixtures/wordpad.rtf"_s,
      u"tests/editor/fixtures/word.rtf"_s,
      u"tests/editor/fixtures/libreoffice.rtf"_s,
      u"tests/editor/fixtures/abiword-table.rtf"_s,
      u"tests/editor/fixtures/pandoc.rtf"_s,
      u"tests/editor/fixtures/web-page.html"_s,
  };
  Converter converter;
  for (const QString &file : files) {
    const QString path = source.filePath(file);
    RichTextBox box;
    QString error;
    ASSERT_TRUE(box.loadFile(path, &error)) << file.toStdString() << ": " << error.toStdString();
    for (const Format format : kEveryFormat) {
      const MadePost made =
          quillmark::post::makePost(converter, *box.document(), profileFor(format));
      QProcess program;
      const std::string_view name = formatName(format);
      program.start(QStringLiteral(QUILLMARK_CONVERT),
                    {u"--report"_s, u"--format"_s,
                     QString::fromUtf8(name.data(), qsizetype(name.size())), path});
      ASSERT_TRUE(program.waitForFinished(60000)) << file.toStdString();
      EXPECT_EQ(program.exitCode(), 0) << file.toStdString();
      EXPECT_EQ(QString::fromUtf8(program.readAllStandardOutput()).toStdString(),
                made.text.toStdString())
          << file.toStdString() << " as " << formatName(format);
      // And says what the forum does not show as the status bar does.
      EXPECT_EQ(program.readAllStandardError().toStdString(), quillmark::formatLosses(made.losses))
          << file.toStdString() << " as " << formatName(format);
    }
  }
}
