// One refresh's views: the post rendered as the forum shows it and its highlighted markup.
// No widgets here, so that a refresh can run on a worker thread.
#include "PreviewContent.h"

#include <cmark-gfm-core-extensions.h>
#include <cmark-gfm.h>

#include <QTextDocument>
#include <cstdlib>
#include <mutex>
#include <utility>

#include "MarkupHighlighter.h"
#include "web/Profiles.h"

using namespace Qt::StringLiterals;

namespace quillmark::preview {

namespace {

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
  QString result = QString::fromUtf8(html);
  // The preview's document draws a table's grid only when asked to. The writer's own
  // "<table>" reaches here escaped, so only cmark's tables match.
  result.replace(u"<table>"_s, u"<table border=\"1\" cellpadding=\"4\">"_s);
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

PreviewContent buildPreview(post::Snapshot snapshot, const web::Profile &profile,
                            const MarkupStyle &style, bool withViews) {
  PreviewContent content;
  Converter converter;
  content.post = post::makePost(converter, std::move(snapshot), profile);
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
