// One refresh's views: the post rendered as the forum shows it and its highlighted markup.
// No widgets here, so that a refresh can run on a worker thread.
#include "PreviewContent.h"

#include <cmark-gfm-core-extensions.h>
#include <cmark-gfm.h>

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTextDocument>
#include <algorithm>
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
  const QByteArray bytes = markdown.toUtf8();
  const std::string utf8 = boundedMarkdown(std::string_view(bytes.constData(), bytes.size()));
  cmark_parser_feed(parser, utf8.data(), utf8.size());
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

// A browser shows a list item outside any list as a bulleted block of its own, so the line
// after it starts below it; Qt's HTML import makes such an item no list item at all and runs
// the text after it into it. Each run of items outside a list (the fragment writes its
// bullets so) is put into a <ul> without margins, which Qt shows as a browser shows the bare
// items.
QString listItemsInLists(const QString &html) {
  static const QRegularExpression tag(uR"(<(/?)(li|ul|ol)\b[^>]*>)"_s,
                                      QRegularExpression::CaseInsensitiveOption);
  const QStringView page(html);
  QString out;
  out.reserve(html.size() + html.size() / 16);
  qsizetype copied = 0;
  int listDepth = 0;      // lists the page itself opened around this place
  bool ourList = false;   // a <ul> of ours is open around bare items
  bool inItem = false;    // a bare item is open
  qsizetype itemEnd = 0;  // where the last bare item closed
  const auto copyTo = [&](qsizetype to) {
    out += page.sliced(copied, to - copied);
    copied = to;
  };
  // The text after a list goes into a block of its own: Qt's import otherwise takes a line
  // break in its first line for the start of a new paragraph.
  bool afterList = false;  // a <div> of ours is open after our list
  // Not before a block element, which starts its own block anyway (and before which Qt would
  // add an empty paragraph in the <div>).
  static const QRegularExpression blockNext(uR"(\s*<(table|pre|div|p|h[1-6])\b)"_s,
                                            QRegularExpression::CaseInsensitiveOption);
  const auto closeOurList = [&] {
    copyTo(itemEnd);
    out += u"</ul>"_s;
    ourList = false;
    afterList = !blockNext
                     .match(page, itemEnd, QRegularExpression::NormalMatch,
                            QRegularExpression::AnchorAtOffsetMatchOption)
                     .hasMatch();
    if (afterList) out += u"<div>"_s;
  };
  for (auto it = tag.globalMatch(html); it.hasNext();) {
    const QRegularExpressionMatch match = it.next();
    const bool closing = !match.capturedView(1).isEmpty();
    const bool item = match.capturedView(2).compare(u"li"_s, Qt::CaseInsensitive) == 0;
    if (!item) {
      if (ourList && !inItem) closeOurList();
      listDepth = std::max(0, listDepth + (closing ? -1 : 1));
    } else if (listDepth == 0 && !closing) {
      if (ourList && !inItem &&
          !page.sliced(itemEnd, match.capturedStart() - itemEnd).trimmed().isEmpty())
        closeOurList();
      if (!ourList) {
        copyTo(match.capturedStart());
        if (std::exchange(afterList, false)) out += u"</div>"_s;
        out += u"<ul style=\"margin-top:0px; margin-bottom:0px\">"_s;
        ourList = true;
      }
      inItem = true;
    } else if (listDepth == 0 && inItem) {
      inItem = false;
      itemEnd = match.capturedEnd();
    }
  }
  if (ourList && !inItem) closeOurList();
  copyTo(html.size());
  if (ourList) out += u"</ul>"_s;
  if (afterList) out += u"</div>"_s;
  return out;
}

// The preview's placeholder of a picture, which the BBCode reader writes in English, in the
// program's language.
QString picturesInLanguage(const QString &html) {
  static const QRegularExpression placeholder(
      uR"((<span class="picture"[^>]*>)\[picture: (.*?)\](</span>))"_s);
  if (!html.contains(u"class=\"picture\""_s)) return html;
  const QString words = QCoreApplication::translate("Preview", "[picture: %1]").toHtmlEscaped();
  QString out;
  qsizetype copied = 0;
  for (auto it = placeholder.globalMatch(html); it.hasNext();) {
    const QRegularExpressionMatch match = it.next();
    out += QStringView(html).sliced(copied, match.capturedStart() - copied);
    // The address is escaped already.
    out += match.captured(1) + words.arg(match.captured(2)) + match.captured(3);
    copied = match.capturedEnd();
  }
  out += QStringView(html).sliced(copied);
  return out;
}

}  // namespace

PreviewContent::PreviewContent() = default;
PreviewContent::PreviewContent(PreviewContent &&) noexcept = default;
PreviewContent &PreviewContent::operator=(PreviewContent &&) noexcept = default;
PreviewContent::~PreviewContent() = default;

QString renderedHtml(const QString &post, Format format) {
  switch (format) {
    case Format::Html: {
      // A browser reads CR LF as LF before anything else; Qt's HTML import takes a CR after a
      // list's end for text, which runs the next line into the list's last item.
      // A "<" that starts no tag (not followed by a letter, "/", "!" or "?") is text to a
      // browser; Qt's import takes it for the start of a tag and drops what follows.
      static const QRegularExpression lessThanText(uR"(<(?![A-Za-z/!?]))"_s);
      QString html = post;
      html.replace(u"\r\n"_s, u"\n"_s);
      html.replace(lessThanText, u"&lt;"_s);
      return listItemsInLists(html);
    }
    case Format::Markdown:
      return markdownToHtml(post);
    default:
      return picturesInLanguage(
          QString::fromStdU16String(bbcodeToHtml(post.toStdU16String(), format)));
  }
}

PreviewContent buildPreview(post::Snapshot snapshot, const web::Profile &profile,
                            const MarkupStyle &style, bool withViews) {
  PreviewContent content;
  Converter converter;
  content.post = post::makePost(converter, std::move(snapshot), profile);
  if (!withViews) return content;

  content.rendered = std::make_unique<QTextDocument>();
  if (content.post.parts.empty()) {
    content.rendered->setHtml(renderedHtml(content.post.text, profile.format));
  } else {
    // A post in parts, as the forum shows each, a rule and the part's number between them.
    QString html;
    for (std::size_t i = 0; i < content.post.parts.size(); ++i) {
      if (i > 0) {
        // Named, so that the preview can bring the part on the clipboard into view.
        html += u"<hr><p align=\"center\"><a name=\"part-%1\"><i>"_s.arg(i + 1) +
                QCoreApplication::translate("Post", "Part %1 of %2")
                    .arg(i + 1)
                    .arg(content.post.parts.size())
                    .toHtmlEscaped() +
                u"</i></a></p><hr>"_s;
      }
      html += renderedHtml(content.post.parts[i], profile.format);
    }
    content.rendered->setHtml(html);
  }

  content.markup = std::make_unique<QTextDocument>();
  content.markup->setDefaultFont(style.font);
  content.markup->setUndoRedoEnabled(false);
  // Attached while the document is empty, the highlighter colours the text as it is set,
  // here, rather than later on the window's thread.
  auto *highlighter =
      new MarkupHighlighter(profile.format, style.markupColor, content.markup.get());
  Q_UNUSED(highlighter);
  content.markup->setPlainText(post::partsShown(content.post));
  return content;
}

}  // namespace quillmark::preview
