// The post for one document: the snapshot, the conversion, what is said about the post and
// its check. No widgets here, so that a post can be made on a worker thread.
#include "PostBuilder.h"

#include <QCoreApplication>
#include <QLocale>
#include <QSet>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>
#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

#include "DocumentPost.h"
#include "quillmark/html.h"
#include "quillmark/split.h"
#include "richtext/DocumentModel.h"
#include "richtext/RtfWriter.h"
#include "web/Profiles.h"

using namespace Qt::StringLiterals;

namespace quillmark::post {

namespace {

using richtext::qs;

// The names of the elements as the loss report says them, in Element order: the formats
// library's own English names (elementName), marked here so that the report is shown in the
// desktop's language.
constexpr std::array<const char *, kElementCount> kElementNames = {
    QT_TRANSLATE_NOOP("Loss", "bold"),
    QT_TRANSLATE_NOOP("Loss", "italic"),
    QT_TRANSLATE_NOOP("Loss", "underline"),
    QT_TRANSLATE_NOOP("Loss", "strike-through"),
    QT_TRANSLATE_NOOP("Loss", "superscript"),
    QT_TRANSLATE_NOOP("Loss", "subscript"),
    QT_TRANSLATE_NOOP("Loss", "colour"),
    QT_TRANSLATE_NOOP("Loss", "size"),
    QT_TRANSLATE_NOOP("Loss", "face"),
    QT_TRANSLATE_NOOP("Loss", "centre"),
    QT_TRANSLATE_NOOP("Loss", "right"),
    QT_TRANSLATE_NOOP("Loss", "list item"),
    QT_TRANSLATE_NOOP("Loss", "fixed columns"),
    QT_TRANSLATE_NOOP("Loss", "line break"),
    QT_TRANSLATE_NOOP("Loss", "link"),
    QT_TRANSLATE_NOOP("Loss", "heading"),
    QT_TRANSLATE_NOOP("Loss", "quote"),
    QT_TRANSLATE_NOOP("Loss", "rule"),
    QT_TRANSLATE_NOOP("Loss", "picture"),
    QT_TRANSLATE_NOOP("Loss", "picture text"),
    QT_TRANSLATE_NOOP("Loss", "numbered list"),
    QT_TRANSLATE_NOOP("Loss", "list start"),
    QT_TRANSLATE_NOOP("Loss", "table"),
    QT_TRANSLATE_NOOP("Loss", "quote source"),
    QT_TRANSLATE_NOOP("Loss", "inline code"),
    QT_TRANSLATE_NOOP("Loss", "code language"),
    QT_TRANSLATE_NOOP("Loss", "task box"),
    QT_TRANSLATE_NOOP("Loss", "justify"),
    QT_TRANSLATE_NOOP("Loss", "markup of another format"),
    QT_TRANSLATE_NOOP("Loss", "spoiler"),
};

// A count of a loss's unit, "1 run" or "3 runs": one text for one and one for more, so that
// each language says its own plural.
struct UnitTexts {
  std::string_view unit;
  const char *one;
  const char *more;
};
constexpr UnitTexts kUnitTexts[] = {
    {"run", QT_TRANSLATE_NOOP("Loss", "%1 run"), QT_TRANSLATE_NOOP("Loss", "%1 runs")},
    {"part", QT_TRANSLATE_NOOP("Loss", "%1 part"), QT_TRANSLATE_NOOP("Loss", "%1 parts")},
    {"paragraph", QT_TRANSLATE_NOOP("Loss", "%1 paragraph"),
     QT_TRANSLATE_NOOP("Loss", "%1 paragraphs")},
    {"item", QT_TRANSLATE_NOOP("Loss", "%1 item"), QT_TRANSLATE_NOOP("Loss", "%1 items")},
    {"block", QT_TRANSLATE_NOOP("Loss", "%1 block"), QT_TRANSLATE_NOOP("Loss", "%1 blocks")},
    {"break", QT_TRANSLATE_NOOP("Loss", "%1 break"), QT_TRANSLATE_NOOP("Loss", "%1 breaks")},
    {"link", QT_TRANSLATE_NOOP("Loss", "%1 link"), QT_TRANSLATE_NOOP("Loss", "%1 links")},
    {"heading", QT_TRANSLATE_NOOP("Loss", "%1 heading"), QT_TRANSLATE_NOOP("Loss", "%1 headings")},
    {"quote", QT_TRANSLATE_NOOP("Loss", "%1 quote"), QT_TRANSLATE_NOOP("Loss", "%1 quotes")},
    {"rule", QT_TRANSLATE_NOOP("Loss", "%1 rule"), QT_TRANSLATE_NOOP("Loss", "%1 rules")},
    {"picture", QT_TRANSLATE_NOOP("Loss", "%1 picture"), QT_TRANSLATE_NOOP("Loss", "%1 pictures")},
    {"list", QT_TRANSLATE_NOOP("Loss", "%1 list"), QT_TRANSLATE_NOOP("Loss", "%1 lists")},
    {"table", QT_TRANSLATE_NOOP("Loss", "%1 table"), QT_TRANSLATE_NOOP("Loss", "%1 tables")},
};

// What the header calls an element the forum drops: the loss report's own name, but for the
// alignments, which read better as nouns of their own.
QString elementNoun(Element element) {
  switch (element) {
    case Element::Centre:
      return QCoreApplication::translate("Loss", "centring");
    case Element::Right:
      return QCoreApplication::translate("Loss", "right alignment");
    case Element::Table:
      return QCoreApplication::translate("Loss", "tables");
    default:
      return lostElementName(element);
  }
}

}  // namespace

QString lostElementName(Element element) {
  return QCoreApplication::translate("Loss", kElementNames[static_cast<std::size_t>(element)]);
}

QString lostCount(const Loss &loss) {
  const QString count = QString::number(loss.count);
  for (const UnitTexts &texts : kUnitTexts)
    if (texts.unit == loss.unit)
      return QCoreApplication::translate("Loss", loss.count == 1 ? texts.one : texts.more)
          .arg(count);
  // A unit without texts of its own (none today) is said in English.
  return u"%1 %2%3"_s.arg(count, QString::fromUtf8(loss.unit.data(), qsizetype(loss.unit.size())),
                          loss.count == 1 ? QString() : u"s"_s);
}

QString lostLine(const Loss &loss) {
  // A table is never lost: it is written another way.
  if (loss.element == Element::Table)
    return loss.count == 1 ? QCoreApplication::translate("Loss", "table: shown as a code block")
                           : QCoreApplication::translate("Loss", "table: %1 shown as code blocks")
                                 .arg(loss.count);
  return QCoreApplication::translate("Loss", "%1: %2")
      .arg(lostElementName(loss.element), lostCount(loss));
}

QByteArray snapshot(const QTextDocument &document) {
  return richtext::writeRtf(document, 0, -1, richtext::RtfTarget::Engine);
}

Snapshot snapshot(const QTextDocument &document, Format format) {
  Snapshot taken;
  taken.format = format;
  if (format == Format::Html) {
    taken.rtf = snapshot(document);
    taken.losses = engineLosses(document);
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
    made.losses = std::move(snapshot.losses);
  } else {
    Post post = writePost(snapshot.model, snapshot.format, made.options);
    made.text = QString::fromStdU16String(post.text);
    made.losses = std::move(post.losses);
    if (profile.limit > 0 && forumLength(post.text, snapshot.format) > std::size_t(profile.limit)) {
      const std::vector<Post> parts = splitPost(snapshot.model, snapshot.format, made.options,
                                                {std::size_t(profile.limit), profile.partMarks});
      if (parts.size() > 1) {
        for (const Post &part : parts) {
          made.parts.push_back(QString::fromStdU16String(part.text));
          // What only a part loses (a numbered list's start where the cut needs one).
          for (const Loss &loss : part.losses) {
            const bool known =
                std::any_of(made.losses.begin(), made.losses.end(),
                            [&](const Loss &had) { return had.element == loss.element; });
            if (!known) addLoss(made.losses, loss);
          }
        }
      }
    }
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
  QString report = QCoreApplication::translate("Post", "%1 characters as %2")
                       .arg(locale.toString(post.text.size()), qs(formatDisplayName(post.format)));
  if (post.limit > 0 && post.text.size() > post.limit)
    report += QCoreApplication::translate("Post", " (%1 characters longer than the %2 %3 takes)")
                  .arg(locale.toString(post.text.size() - post.limit), locale.toString(post.limit),
                       post.profileName);
  if (!post.losses.empty()) {
    // "colour: 3 runs, centre: 1 paragraph", as formatLosses says it, on one line.
    QStringList lost;
    for (const Loss &loss : post.losses) lost << lostLine(loss);
    report += QCoreApplication::translate("Post", "; not shown there: %1").arg(lost.join(u", "_s));
  }
  return report;
}

QString partReport(const MadePost &post, std::size_t part) {
  const QLocale locale;
  QString report =
      QCoreApplication::translate("Post", "part %1 of %2 (%3 characters) as %4")
          .arg(locale.toString(qulonglong(part + 1)),
               locale.toString(qulonglong(post.parts.size())),
               locale.toString(post.parts[part].size()), qs(formatDisplayName(post.format)));
  if (!post.losses.empty()) {
    QStringList lost;
    for (const Loss &loss : post.losses) lost << lostLine(loss);
    report += QCoreApplication::translate("Post", "; not shown there: %1").arg(lost.join(u", "_s));
  }
  return report;
}

QString partLine(std::size_t part, std::size_t count) {
  return QCoreApplication::translate("Post", "\u2014\u2014\u2014 Part %1 of %2 \u2014\u2014\u2014")
      .arg(part + 1)
      .arg(count);
}

QString partsShown(const MadePost &post) {
  if (post.parts.empty()) return post.text;
  QString shown;
  for (std::size_t i = 0; i < post.parts.size(); ++i) {
    if (i > 0) shown += u"\n\n"_s + partLine(i, post.parts.size()) + u"\n\n"_s;
    shown += post.parts[i];
  }
  return shown;
}

QString lossHeader(const LossReport &losses) {
  if (losses.empty()) return {};
  QStringList items;
  for (const Loss &loss : losses) {
    if (loss.element == Element::Table) {
      items << (loss.count == 1
                    ? QCoreApplication::translate("Loss", "tables (1 shown as a code block)")
                    : QCoreApplication::translate("Loss", "tables (%1 shown as code blocks)")
                          .arg(loss.count));
      continue;
    }
    items << QCoreApplication::translate("Loss", "%1 (%2)")
                 .arg(elementNoun(loss.element), lostCount(loss));
  }
  return QCoreApplication::translate("Post", "This forum does not show: %1")
      .arg(items.join(u", "_s));
}

QString typedMarkup(const QString &documentText) {
  const std::u16string_view text(reinterpret_cast<const char16_t *>(documentText.utf16()),
                                 std::size_t(documentText.size()));
  // An opening tag with attributes is shown up to its end, if that is near.
  constexpr std::size_t kLongestShown = 40;
  const auto shown = [&](std::size_t at, std::size_t length) {
    return documentText.mid(qsizetype(at), qsizetype(length));
  };
  const auto isNameCharacter = [](char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
           c == u'#';
  };
  for (std::size_t at = 0; at < text.size(); ++at) {
    const std::u16string_view rest = text.substr(at);
    if (rest[0] == u'<') {
      for (const html::ElementTags &tags : html::kElements) {
        if (html::startsWith(rest, tags.close)) return shown(at, tags.close.size());
        if (!html::startsWith(rest, tags.open)) continue;
        if (!tags.attributes) return shown(at, tags.open.size());
        const std::size_t end = rest.substr(0, kLongestShown).find(u'>');
        return shown(at, end == std::u16string_view::npos ? tags.open.size() : end + 1);
      }
      for (const std::string_view tag : {html::kBreak, html::kPreOpen, html::kPreClose})
        if (html::startsWith(rest, tag)) return shown(at, tag.size());
    } else if (rest[0] == u'&') {
      // "&amp;", "&#233;", "&#xE9;"; and the five a browser reads without their semicolon.
      std::size_t end = 1;
      while (end < std::min(rest.size(), kLongestShown) && isNameCharacter(rest[end])) ++end;
      const std::u16string_view name = rest.substr(1, end - 1);
      if (end < rest.size() && rest[end] == u';' && !name.empty() && name != u"#" && name != u"#x")
        return shown(at, end + 1);
      for (const std::u16string_view bare : {u"&amp", u"&lt", u"&gt", u"&quot", u"&nbsp"})
        if (rest.substr(0, bare.size()) == bare) return shown(at, bare.size());
    }
  }
  return {};
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
