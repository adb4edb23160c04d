// The post and its preview for one document: conversion, report, check and the two views.
// No widgets here, so that a refresh can run on a worker thread.
#include "PostBuilder.h"

#include <cmark-gfm-core-extensions.h>
#include <cmark-gfm.h>

#include <QLocale>
#include <QTextDocument>
#include <cstdlib>
#include <mutex>

#include "MarkupHighlighter.h"
#include "richtext/DocumentModel.h"
#include "web/Profiles.h"

using namespace Qt::StringLiterals;

namespace quillmark::preview {

namespace {

using richtext::qs;

// What the header calls an element the forum drops: the loss report's own name, but for the
// alignments, which read better as nouns of their own.
QString elementNoun(Element element) {
  switch (element) {
    case Element::Centre:
      return u"centring"_s;
    case Element::Right:
      return u"right alignment"_s;
    default:
      return QString::fromUtf8(elementName(element));
  }
}

// cmark-gfm keeps its extensions in one process-wide list, filled once.
void registerMarkdownExtensions() {
  static std::once_flag once;
  std::call_once(once, [] { cmark_gfm_core_extensions_ensure_registered(); });
}

QString markdownToHtml(const QString &markdown) {
  registerMarkdownExtensions();
  cmark_parser *parser = cmark_parser_new(CMARK_OPT_DEFAULT);
  for (const char *name : {"strikethrough", "autolink", "table"}) {
    if (cmark_syntax_extension *extension = cmark_find_syntax_extension(name))
      cmark_parser_attach_syntax_extension(parser, extension);
  }
  const QByteArray utf8 = markdown.toUtf8();
  cmark_parser_feed(parser, utf8.constData(), std::size_t(utf8.size()));
  cmark_node *root = cmark_parser_finish(parser);
  char *html =
      cmark_render_html(root, CMARK_OPT_DEFAULT, cmark_parser_get_syntax_extensions(parser));
  const QString result = QString::fromUtf8(html);
  std::free(html);
  cmark_node_free(root);
  cmark_parser_free(parser);
  return result;
}

}  // namespace

PreviewContent::PreviewContent() = default;
PreviewContent::PreviewContent(PreviewContent &&) noexcept = default;
PreviewContent &PreviewContent::operator=(PreviewContent &&) noexcept = default;
PreviewContent::~PreviewContent() = default;

MadePost makePost(Converter &converter, const QByteArray &rtf, const web::Profile &profile) {
  MadePost made;
  made.webHtml = rewriteForWeb(converter.convertRtfToHtml(
      decodeWindows1252({rtf.constData(), std::size_t(rtf.size())}), kWebOptions));
  made.format = profile.format;
  made.profileName = profile.name;
  made.limit = profile.limit;
  if (profile.format == Format::Html) {
    made.text = QString::fromStdU16String(made.webHtml);
  } else {
    Post post = convertPost(made.webHtml, profile.format);
    made.text = QString::fromStdU16String(post.text);
    made.losses = std::move(post.losses);
  }
  return made;
}

QString postReport(const MadePost &post) {
  const QLocale locale;
  QString report = u"%1 characters as %2"_s.arg(locale.toString(post.text.size()),
                                                qs(formatDisplayName(post.format)));
  if (post.limit > 0 && post.text.size() > post.limit)
    report += u" (%1 characters longer than the %2 %3 takes)"_s.arg(
        locale.toString(post.text.size() - post.limit), locale.toString(post.limit),
        post.profileName);
  if (!post.losses.empty()) {
    // "colour: 3 runs\ncentre: 1 paragraph\n" as one line.
    QString lost = QString::fromStdString(formatLosses(post.losses)).trimmed();
    report += u"; not shown there: "_s + lost.replace(u'\n', u", "_s);
  }
  return report;
}

QString lossHeader(const LossReport &losses) {
  if (losses.empty()) return {};
  QStringList items;
  for (const Loss &loss : losses) {
    items << u"%1 (%2 %3%4)"_s.arg(elementNoun(loss.element), QString::number(loss.count),
                                   QString::fromUtf8(loss.unit),
                                   loss.count == 1 ? QString() : u"s"_s);
  }
  return u"This forum does not show: "_s + items.join(u", "_s);
}

std::optional<QString> checkPostAgainst(const MadePost &post, const QString &documentText) {
  std::optional<std::string> wrong = checkFragment(post.webHtml, documentText.toStdU16String());
  if (!wrong) wrong = checkPost(post.webHtml, post.text.toStdU16String(), post.format);
  if (!wrong) return std::nullopt;
  return QString::fromStdString(*wrong);
}

QString renderedHtml(const QString &post, Format format) {
  switch (format) {
    case Format::Html:
      return post;
    case Format::Markdown:
      return markdownToHtml(post);
    default:
      return QString::fromStdU16String(bbcodeToHtml(post.toStdU16String(), format));
  }
}

PreviewContent buildPreview(const QByteArray &rtf, const web::Profile &profile,
                            const MarkupStyle &style, bool withViews) {
  PreviewContent content;
  Converter converter;
  content.post = makePost(converter, rtf, profile);
  if (!withViews) return content;

  content.rendered = std::make_unique<QTextDocument>();
  content.rendered->setHtml(renderedHtml(content.post.text, profile.format));

  content.markup = std::make_unique<QTextDocument>();
  content.markup->setDefaultFont(style.font);
  content.markup->setUndoRedoEnabled(false);
  // Attached while the document is empty, the highlighter colours the text as it is set,
  // here, rather than later on the window's thread.
  auto *highlighter =
      new MarkupHighlighter(profile.format, style.markupColor, content.markup.get());
  Q_UNUSED(highlighter);
  content.markup->setPlainText(content.post.text);
  return content;
}

}  // namespace quillmark::preview
