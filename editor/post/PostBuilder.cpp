// The post for one document: the snapshot, the conversion, what is said about the post and
// its check. No widgets here, so that a post can be made on a worker thread.
#include "PostBuilder.h"

#include <QLocale>
#include <QStringList>
#include <QTextDocument>
#include <utility>

#include "DocumentPost.h"
#include "richtext/DocumentModel.h"
#include "richtext/RtfWriter.h"
#include "web/Profiles.h"

using namespace Qt::StringLiterals;

namespace quillmark::post {

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
    case Element::Table:
      return u"tables"_s;
    default:
      return QString::fromUtf8(elementName(element));
  }
}

}  // namespace

QByteArray snapshot(const QTextDocument &document) {
  return richtext::writeRtf(document, 0, -1, richtext::RtfTarget::Engine);
}

Snapshot snapshot(const QTextDocument &document, Format format) {
  Snapshot taken;
  taken.format = format;
  if (format == Format::Html) {
    taken.rtf = snapshot(document);
    taken.size = taken.rtf.size();
  } else {
    taken.model = modelOf(document);
    taken.size = document.characterCount();
  }
  return taken;
}

MadePost makePost(Converter &converter, Snapshot snapshot, const web::Profile &profile) {
  MadePost made;
  made.format = snapshot.format;
  made.profileName = profile.name;
  made.limit = profile.limit;
  made.options.tables = profile.tables;
  if (snapshot.format == Format::Html) {
    const QByteArray rtf = std::exchange(snapshot.rtf, {});
    made.webHtml = rewriteForWeb(converter.convertRtfToHtml(
        decodeWindows1252({rtf.constData(), std::size_t(rtf.size())}), kWebOptions));
    made.text = QString::fromStdU16String(made.webHtml);
  } else {
    Post post = writePost(snapshot.model, snapshot.format, made.options);
    made.text = QString::fromStdU16String(post.text);
    made.losses = std::move(post.losses);
    made.model = std::move(snapshot.model);
  }
  return made;
}

MadePost makePost(Converter &converter, const QTextDocument &document,
                  const web::Profile &profile) {
  return makePost(converter, snapshot(document, profile.format), profile);
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
    if (loss.element == Element::Table) {
      items << (loss.count == 1 ? u"tables (1 shown as a code block)"_s
                                : u"tables (%1 shown as code blocks)"_s.arg(loss.count));
      continue;
    }
    items << u"%1 (%2 %3%4)"_s.arg(elementNoun(loss.element), QString::number(loss.count),
                                   QString::fromUtf8(loss.unit),
                                   loss.count == 1 ? QString() : u"s"_s);
  }
  return u"This forum does not show: "_s + items.join(u", "_s);
}

std::optional<QString> checkPostAgainst(const MadePost &post, const QString &documentText) {
  std::optional<std::string> wrong;
  if (post.model) {
    wrong = checkPost(*post.model, post.text.toStdU16String(), post.format, post.options);
  } else {
    wrong = checkFragment(post.webHtml, documentText.toStdU16String());
    if (!wrong) wrong = checkPost(post.webHtml, post.text.toStdU16String(), post.format);
  }
  if (!wrong) return std::nullopt;
  return QString::fromStdString(*wrong);
}

}  // namespace quillmark::post
