// Office programs' clipboard HTML made readable by Qt's HTML import: a small stylesheet
// reader and cascade over the page's tags, and Word's list paragraphs as lists. Works on the
// page's text alone, in one pass over it each; knows nothing of documents.
#include "richtext/OfficeHtml.h"

#include <QHash>
#include <QList>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <array>
#include <optional>
#include <utility>

#include "richtext/DocumentModel.h"
#include "richtext/RtfLists.h"

using namespace Qt::StringLiterals;

namespace quillmark::richtext {

namespace {

// The properties a post can show, which the cascade carries; every other one stays where the
// page wrote it and nowhere else.
enum class Property { Weight, Style, Decoration, Colour, Align, Size, Face, Count };
constexpr std::size_t kProperties = std::size_t(Property::Count);
constexpr std::array<QStringView, kProperties> kPropertyNames = {
    u"font-weight", u"font-style", u"text-decoration", u"color",
    u"text-align",  u"font-size",  u"font-family",
};

std::optional<Property> propertyNamed(QStringView name) {
  if (name == u"text-decoration-line") return Property::Decoration;
  for (std::size_t i = 0; i < kProperties; ++i) {
    if (name == kPropertyNames[i]) return Property(i);
  }
  return std::nullopt;
}

// A value as Qt's import reads it, or empty for one that says nothing it can show: Excel's
// 700 and "general" alignment, Word's windowtext (the text colour, black).
QString normalised(Property property, QString value) {
  value = value.trimmed();
  if (value.endsWith(u"!important"_s, Qt::CaseInsensitive)) value.chop(10);
  value = value.trimmed();
  const QString lower = value.toLower();
  switch (property) {
    case Property::Weight: {
      bool number = false;
      const int weight = lower.toInt(&number);
      if (number) return weight >= 600 ? u"bold"_s : u"normal"_s;
      if (lower == u"bold" || lower == u"bolder") return u"bold"_s;
      if (lower == u"normal" || lower == u"lighter") return u"normal"_s;
      return {};
    }
    case Property::Align:
      if (lower == u"start") return u"left"_s;
      if (lower == u"end") return u"right"_s;
      if (lower == u"left" || lower == u"right" || lower == u"center" || lower == u"justify")
        return lower;
      return {};
    case Property::Colour:
      if (lower == u"windowtext" || lower == u"auto") return u"#000000"_s;
      return value;
    default:
      return value;
  }
}

// The values a tag, a rule or a cascade gives, each property set or empty.
struct Values {
  std::array<QString, kProperties> of;
  QString &operator[](Property p) { return of[std::size_t(p)]; }
  const QString &operator[](Property p) const { return of[std::size_t(p)]; }
  // Takes every value `over` sets.
  void take(const Values &over) {
    for (std::size_t i = 0; i < kProperties; ++i) {
      if (!over.of[i].isEmpty()) of[i] = over.of[i];
    }
  }
  bool empty() const {
    return std::all_of(of.begin(), of.end(), [](const QString &v) { return v.isEmpty(); });
  }
};

// Splits a declaration block ("a:b; c:'d;e'") at its semicolons outside quotes and brackets.
QList<QStringView> declarationsOf(QStringView block) {
  QList<QStringView> parts;
  QChar quote;
  int depth = 0;
  qsizetype from = 0;
  for (qsizetype i = 0; i < block.size(); ++i) {
    const QChar c = block[i];
    if (!quote.isNull()) {
      if (c == quote) quote = QChar();
    } else if (c == u'"' || c == u'\'') {
      quote = c;
    } else if (c == u'(') {
      ++depth;
    } else if (c == u')') {
      depth = std::max(0, depth - 1);
    } else if (c == u';' && depth == 0) {
      parts.append(block.sliced(from, i - from));
      from = i + 1;
    }
  }
  parts.append(block.sliced(from));
  return parts;
}

Values valuesOf(QStringView block) {
  Values values;
  for (QStringView declaration : declarationsOf(block)) {
    const qsizetype colon = declaration.indexOf(u':');
    if (colon < 0) continue;
    const QString name = declaration.first(colon).trimmed().toString().toLower();
    const std::optional<Property> property = propertyNamed(name);
    if (!property) continue;
    values[*property] = normalised(*property, declaration.sliced(colon + 1).toString());
  }
  return values;
}

// One step of a selector: "td", ".xl65", "p.MsoNormal", "#total".
struct Compound {
  QString tag;  // lower case, or empty for any
  QString id;
  QStringList classes;
};

struct Rule {
  QList<Compound> chain;  // outermost first; each a descendant of the one before
  int specificity = 0;
  int order = 0;
  bool base = false;  // type selectors only, or Word's normal style: the page's body text
  Values values;
};

// Word's styles of the body text, whose face and size are the document's own.
bool isNormalStyle(const QString &name) {
  return name == u"MsoNormal" || name == u"MsoChpDefault" || name == u"MsoPapDefault";
}

std::optional<Compound> compoundOf(QStringView text) {
  static const QRegularExpression shape(uR"(^([A-Za-z][A-Za-z0-9]*)?((?:[.#][-_A-Za-z0-9]+)*)$)"_s);
  const QRegularExpressionMatch match = shape.match(text);
  if (!match.hasMatch() || text.isEmpty()) return std::nullopt;
  Compound compound;
  compound.tag = match.captured(1).toLower();
  const QString rest = match.captured(2);
  qsizetype at = 0;
  while (at < rest.size()) {
    qsizetype end = at + 1;
    while (end < rest.size() && rest[end] != u'.' && rest[end] != u'#') ++end;
    const QString name = rest.mid(at + 1, end - at - 1);
    if (rest[at] == u'#') {
      compound.id = name;
    } else {
      compound.classes.append(name);
    }
    at = end;
  }
  return compound;
}

// A selector of descendant steps, or nothing for one that uses more of CSS (child and sibling
// combinators, attributes, pseudo-classes), which the cascade passes over.
std::optional<Rule> ruleOf(QStringView selector) {
  Rule rule;
  rule.base = true;
  for (QStringView step : selector.split(u' ', Qt::SkipEmptyParts)) {
    std::optional<Compound> compound = compoundOf(step.trimmed());
    if (!compound) return std::nullopt;
    rule.specificity += (compound->id.isEmpty() ? 0 : 10000) + 100 * int(compound->classes.size()) +
                        (compound->tag.isEmpty() ? 0 : 1);
    if (!compound->id.isEmpty() ||
        !std::all_of(compound->classes.begin(), compound->classes.end(), isNormalStyle))
      rule.base = false;
    rule.chain.append(std::move(*compound));
  }
  if (rule.chain.isEmpty()) return std::nullopt;
  return rule;
}

// A page's stylesheet: its rules in the order they come, found by the last step's id, first
// class or tag.
struct Stylesheet {
  QList<Rule> rules;
  QHash<QString, QList<int>> byId, byClass, byTag;
  QString baseFace, baseSize;

  void add(Rule rule) {
    rule.order = int(rules.size());
    const Compound &last = rule.chain.constLast();
    const int index = int(rules.size());
    if (!last.id.isEmpty()) {
      byId[last.id].append(index);
    } else if (!last.classes.isEmpty()) {
      byClass[last.classes.constFirst()].append(index);
    } else {
      byTag[last.tag].append(index);
    }
    rules.append(std::move(rule));
  }

  // Reads one <style> block's text: comments and the <!-- --> that hides it from old
  // browsers go, at-rules (@font-face, @page, Word's @list, @media) are passed over.
  void read(QStringView css) {
    QString text;
    text.reserve(css.size());
    for (qsizetype i = 0; i < css.size();) {
      if (css.sliced(i).startsWith(u"/*")) {
        const qsizetype end = css.indexOf(u"*/", i + 2);
        i = end < 0 ? css.size() : end + 2;
      } else if (css.sliced(i).startsWith(u"<!--")) {
        i += 4;
      } else if (css.sliced(i).startsWith(u"-->")) {
        i += 3;
      } else {
        text.append(css[i++]);
      }
    }
    for (qsizetype at = 0; at < text.size();) {
      const qsizetype open = text.indexOf(u'{', at);
      if (open < 0) break;
      const QStringView prelude = QStringView(text).sliced(at, open - at).trimmed();
      // The block's end, past any blocks inside it (an @media's rules).
      qsizetype close = open + 1;
      for (int depth = 1; close < text.size(); ++close) {
        if (text[close] == u'{') ++depth;
        if (text[close] == u'}' && --depth == 0) break;
      }
      const QStringView block =
          QStringView(text).sliced(open + 1, std::max<qsizetype>(0, close - open - 1));
      at = close + 1;
      if (prelude.startsWith(u'@')) continue;
      const Values values = valuesOf(block);
      if (values.empty()) continue;
      for (QStringView selector : prelude.split(u',', Qt::SkipEmptyParts)) {
        std::optional<Rule> rule = ruleOf(selector.trimmed());
        if (!rule) continue;
        rule->values = values;
        if (rule->base) {
          if (!values[Property::Face].isEmpty()) baseFace = values[Property::Face];
          if (!values[Property::Size].isEmpty()) baseSize = values[Property::Size];
        }
        add(std::move(*rule));
      }
    }
    // What the base rules give is the body's; a rule that gives the same says nothing more.
    for (Rule &rule : rules) {
      QString &face = rule.values[Property::Face];
      QString &size = rule.values[Property::Size];
      if (rule.base || face == baseFace) face.clear();
      if (rule.base || size == baseSize) size.clear();
    }
  }
};

// An element open at the point the page is read to.
struct Element {
  QString tag;
  QString id;
  QStringList classes;
};

bool matches(const Compound &compound, const Element &element) {
  if (!compound.tag.isEmpty() && compound.tag != element.tag) return false;
  if (!compound.id.isEmpty() && compound.id != element.id) return false;
  return std::all_of(compound.classes.begin(), compound.classes.end(),
                     [&](const QString &name) { return element.classes.contains(name); });
}

// Whether `rule` selects the last element of `open`: its last step that element, its others
// ancestors of it in order.
bool selects(const Rule &rule, const QList<Element> &open) {
  qsizetype step = rule.chain.size() - 1;
  qsizetype at = open.size() - 1;
  if (at < 0 || !matches(rule.chain[step], open[at])) return false;
  for (--step, --at; step >= 0; --at) {
    if (at < 0) return false;
    if (matches(rule.chain[step], open[at])) --step;
  }
  return true;
}

// One tag as the page wrote it.
struct Tag {
  QString name;                                   // lower case
  QList<std::pair<QString, QString>> attributes;  // names lower case, values unquoted
  bool selfClosing = false;

  QString attribute(QStringView key) const {
    for (const auto &[attributeName, value] : attributes) {
      if (attributeName == key) return value;
    }
    return {};
  }
  void setAttribute(const QString &key, const QString &value) {
    for (auto &[attributeName, old] : attributes) {
      if (attributeName == key) {
        old = value;
        return;
      }
    }
    attributes.append({key, value});
  }
  QString written() const {
    QString out = u'<' + name;
    for (const auto &[key, value] : attributes) {
      out += u' ' + key + u"=\""_s + QString(value).replace(u'"', u"&quot;"_s) + u'"';
    }
    return out + (selfClosing ? u" />"_s : u">"_s);
  }
};

// Reads the start tag at `text[from]` ('<' then a letter); its end is stored in `end`.
Tag tagAt(QStringView text, qsizetype from, qsizetype &end) {
  Tag tag;
  qsizetype i = from + 1;
  const auto isNameChar = [](QChar c) {
    return c.isLetterOrNumber() || c == u'-' || c == u':' || c == u'_';
  };
  while (i < text.size() && isNameChar(text[i])) ++i;
  tag.name = text.sliced(from + 1, i - from - 1).toString().toLower();
  while (i < text.size()) {
    while (i < text.size() && text[i].isSpace()) ++i;
    if (i >= text.size()) break;
    if (text[i] == u'>') {
      ++i;
      break;
    }
    if (text[i] == u'/') {
      tag.selfClosing = true;
      ++i;
      continue;
    }
    const qsizetype nameFrom = i;
    while (i < text.size() && !text[i].isSpace() && text[i] != u'=' && text[i] != u'>' &&
           text[i] != u'/')
      ++i;
    if (i == nameFrom) {  // a stray character
      ++i;
      continue;
    }
    QString key = text.sliced(nameFrom, i - nameFrom).toString().toLower();
    while (i < text.size() && text[i].isSpace()) ++i;
    QString value;
    if (i < text.size() && text[i] == u'=') {
      ++i;
      while (i < text.size() && text[i].isSpace()) ++i;
      if (i < text.size() && (text[i] == u'"' || text[i] == u'\'')) {
        const QChar quote = text[i];
        const qsizetype close = text.indexOf(quote, i + 1);
        const qsizetype stop = close < 0 ? text.size() : close;
        value = text.sliced(i + 1, stop - i - 1).toString();
        i = close < 0 ? text.size() : close + 1;
      } else {
        const qsizetype valueFrom = i;
        while (i < text.size() && !text[i].isSpace() && text[i] != u'>') ++i;
        value = text.sliced(valueFrom, i - valueFrom).toString();
      }
      value.replace(u"&quot;"_s, u"\""_s);
    }
    tag.selfClosing = false;
    tag.attributes.append({std::move(key), std::move(value)});
  }
  end = i;
  return tag;
}

bool isVoid(const QString &tag) {
  static const QStringList kVoid = {u"br"_s,   u"img"_s,   u"col"_s, u"hr"_s,   u"meta"_s,
                                    u"link"_s, u"input"_s, u"wbr"_s, u"area"_s, u"base"_s};
  return kVoid.contains(tag);
}

bool isCell(const QString &tag) { return tag == u"td" || tag == u"th"; }

// The columns of a table being read, with what its <col>s give, and which of them cells of
// earlier rows still cover.
struct TableColumns {
  QList<Values> columns;
  std::optional<Values> group;  // an open <colgroup>'s values, until a <col> comes in it
  int groupSpan = 0;
  Values row;              // the open <tr>'s
  QList<int> covered;      // for each column, how many more rows a cell above spans
  QList<bool> coveredNow;  // in the row being read
  int next = 0;            // the column the next cell of the row starts at

  void closeGroup() {
    if (group) {
      for (int i = 0; i < groupSpan; ++i) columns.append(*group);
      group.reset();
    }
  }
  void startRow(const Values &values) {
    closeGroup();
    row = values;
    next = 0;
    coveredNow = QList<bool>(covered.size(), false);
    for (qsizetype c = 0; c < covered.size(); ++c) {
      if (covered[c] > 0) {
        --covered[c];
        coveredNow[c] = true;
      }
    }
  }
  // The column a cell spanning `span` columns and `rows` rows starts at.
  int placeCell(int span, int rows) {
    while (next < coveredNow.size() && coveredNow[next]) ++next;
    const int at = next;
    if (covered.size() < at + span) covered.resize(at + span, 0);
    if (coveredNow.size() < at + span) coveredNow.resize(at + span, false);
    for (int c = at; c < at + span; ++c) covered[c] = std::max(covered[c], rows - 1);
    next = at + span;
    return at;
  }
  Values column(int index) const { return index < columns.size() ? columns[index] : Values{}; }
};

int spanOf(const Tag &tag, const QString &name) {
  bool ok = false;
  const int span = tag.attribute(name).trimmed().toInt(&ok);
  return ok ? std::clamp(span, 1, 1000) : 1;
}

}  // namespace

QString applyPageStyles(const QString &page) {
  static const QRegularExpression styleBlock(
      uR"(<style\b[^>]*>(.*?)</style\s*>)"_s,
      QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
  Stylesheet sheet;
  for (auto it = styleBlock.globalMatch(page); it.hasNext();) sheet.read(it.next().capturedView(1));
  if (sheet.rules.isEmpty() && !page.contains(u"<col"_s, Qt::CaseInsensitive) &&
      !page.contains(u"<tr"_s, Qt::CaseInsensitive))
    return page;

  const QStringView text(page);
  QString out;
  out.reserve(page.size() + page.size() / 4);
  QList<Element> open;
  QList<TableColumns> tables;
  // Closes the elements down to the last `tag` open below any of `stops`; false when none is.
  const auto closeTo = [&open](const QStringList &tags, const QStringList &stops) {
    for (qsizetype i = open.size() - 1; i >= 0; --i) {
      if (stops.contains(open[i].tag)) return false;
      if (tags.contains(open[i].tag)) {
        open.resize(i);
        return true;
      }
    }
    return false;
  };
  static const QStringList kTableLevel = {u"table"_s};
  static const QStringList kRowLevel = {u"tr"_s, u"table"_s};
  static const QStringList kCells = {u"td"_s, u"th"_s};
  static const QStringList kRow = {u"tr"_s};
  static const QStringList kItem = {u"li"_s};
  static const QStringList kLists = {u"ul"_s, u"ol"_s};

  qsizetype at = 0;
  while (at < text.size()) {
    const qsizetype lt = text.indexOf(u'<', at);
    if (lt < 0) {
      out += text.sliced(at);
      break;
    }
    out += text.sliced(at, lt - at);
    const QStringView rest = text.sliced(lt);
    if (rest.startsWith(u"<!--")) {
      const qsizetype end = text.indexOf(u"-->", lt + 4);
      at = end < 0 ? text.size() : end + 3;
      out += text.sliced(lt, at - lt);
      continue;
    }
    if (rest.startsWith(u"</")) {
      const qsizetype end = text.indexOf(u'>', lt);
      at = end < 0 ? text.size() : end + 1;
      const QString name =
          text.sliced(lt + 2, at - lt - 2).toString().remove(u'>').trimmed().toLower();
      out += text.sliced(lt, at - lt);
      if (name == u"colgroup" && !tables.isEmpty()) tables.last().closeGroup();
      if (closeTo({name}, {}) && name == u"table" && !tables.isEmpty()) tables.removeLast();
      continue;
    }
    if (rest.size() < 2 || !rest[1].isLetter()) {
      // "<!DOCTYPE", "<![if ...]>", "<?xml", or a '<' in text.
      const qsizetype end =
          rest.size() >= 2 && (rest[1] == u'!' || rest[1] == u'?') ? text.indexOf(u'>', lt) : lt;
      at = end < 0 ? text.size() : end + 1;
      out += text.sliced(lt, at - lt);
      continue;
    }
    qsizetype end = lt;
    Tag tag = tagAt(text, lt, end);
    at = end;
    if (tag.name == u"style" || tag.name == u"script") {
      const qsizetype close = text.indexOf(QString(u"</"_s + tag.name), at, Qt::CaseInsensitive);
      const qsizetype closeEnd = close < 0 ? -1 : text.indexOf(u'>', close);
      at = closeEnd < 0 ? text.size() : closeEnd + 1;
      // The stylesheet is in the tags now; a script stays as it was.
      if (tag.name == u"script") out += text.sliced(lt, at - lt);
      continue;
    }
    // The ends HTML leaves out: a cell ends at the next cell or row, a row at the next row,
    // an item at the next item of its list, a paragraph at the next paragraph.
    if (isCell(tag.name) || tag.name == u"tr") closeTo(kCells, kRowLevel);
    if (tag.name == u"tr") closeTo(kRow, kTableLevel);
    if (tag.name == u"li") closeTo(kItem, kLists);
    if (tag.name == u"p" && !open.isEmpty() && open.last().tag == u"p") open.removeLast();

    Element element{tag.name, tag.attribute(u"id"),
                    tag.attribute(u"class").split(u' ', Qt::SkipEmptyParts)};
    open.append(element);
    // The rules that select the element, in the order they apply.
    QList<int> candidates;
    if (!element.id.isEmpty()) candidates += sheet.byId.value(element.id);
    for (const QString &name : std::as_const(element.classes))
      candidates += sheet.byClass.value(name);
    candidates += sheet.byTag.value(element.tag);
    candidates += sheet.byTag.value(QString());
    std::sort(candidates.begin(), candidates.end());
    candidates.erase(std::unique(candidates.begin(), candidates.end()), candidates.end());
    QList<const Rule *> selected;
    for (int index : std::as_const(candidates)) {
      if (selects(sheet.rules[index], open)) selected.append(&sheet.rules[index]);
    }
    std::stable_sort(selected.begin(), selected.end(), [](const Rule *a, const Rule *b) {
      return a->specificity != b->specificity ? a->specificity < b->specificity
                                              : a->order < b->order;
    });
    Values base;  // what type selectors give every element of its kind
    Values own;   // the element's classes and id, then its style attribute
    for (const Rule *rule : std::as_const(selected)) {
      (rule->specificity < 100 ? base : own).take(rule->values);
    }
    const QString inlineStyle = tag.attribute(u"style");
    own.take(valuesOf(inlineStyle));

    Values computed = base;
    if (tag.name == u"table") {
      tables.append(TableColumns{});
    } else if (!tables.isEmpty() && (tag.name == u"col" || tag.name == u"colgroup")) {
      TableColumns &table = tables.last();
      Values values = base;
      values.take(own);
      if (tag.name == u"colgroup") {
        table.closeGroup();
        table.group = values;
        table.groupSpan = spanOf(tag, u"span"_s);
      } else {
        Values column = table.group.value_or(Values{});
        column.take(values);
        table.group.reset();  // a group with <col>s has the columns they give
        for (int i = spanOf(tag, u"span"_s); i > 0; --i) table.columns.append(column);
      }
    } else if (!tables.isEmpty() && tag.name == u"tr") {
      Values values = base;
      values.take(own);
      tables.last().startRow(values);
    } else if (!tables.isEmpty() && isCell(tag.name)) {
      // A row's and a column's formatting reach the cell over what every cell has.
      TableColumns &table = tables.last();
      const int column = table.placeCell(spanOf(tag, u"colspan"_s), spanOf(tag, u"rowspan"_s));
      computed.take(table.column(column));
      computed.take(table.row);
    }
    computed.take(own);
    if (isVoid(tag.name) || tag.selfClosing) open.removeLast();

    if (computed.empty()) {
      out += text.sliced(lt, end - lt);
      continue;
    }
    // The element's own style attribute, its other properties kept, then the cascade's.
    QString style;
    for (QStringView declaration : declarationsOf(inlineStyle)) {
      const qsizetype colon = declaration.indexOf(u':');
      if (colon < 0 || declaration.trimmed().isEmpty()) continue;
      if (propertyNamed(declaration.first(colon).trimmed().toString().toLower())) continue;
      style += declaration.trimmed().toString() + u';';
    }
    for (std::size_t i = 0; i < kProperties; ++i) {
      if (!computed.of[i].isEmpty())
        style += kPropertyNames[i].toString() + u':' + computed.of[i] + u';';
    }
    tag.setAttribute(u"style"_s, style);
    // Qt's import aligns a cell by its align attribute.
    if (isCell(tag.name) && !computed[Property::Align].isEmpty())
      tag.setAttribute(u"align"_s, computed[Property::Align]);
    out += tag.written();
  }
  return out;
}

namespace {

// The text of a piece of markup: tags out, the entities Word writes in a marker read.
QString textOf(QStringView markup) {
  static const QRegularExpression tags(uR"(<[^>]*>)"_s);
  QString text = markup.toString().remove(tags);
  text.replace(u"&nbsp;"_s, u" "_s, Qt::CaseInsensitive);
  text.replace(u"&amp;"_s, u"&"_s);
  text.replace(u"&lt;"_s, u"<"_s);
  text.replace(u"&gt;"_s, u">"_s);
  text.replace(u'\u00A0', u' ');
  return text.simplified();
}

int romanValue(QStringView letters) {
  int value = 0;
  int previous = 0;
  for (qsizetype i = letters.size() - 1; i >= 0; --i) {
    static constexpr std::pair<char16_t, int> kDigits[] = {
        {u'i', 1}, {u'v', 5}, {u'x', 10}, {u'l', 50}, {u'c', 100}, {u'd', 500}, {u'm', 1000}};
    int digit = 0;
    for (const auto &[letter, worth] : kDigits) {
      if (letters[i].toLower() == QChar(letter)) digit = worth;
    }
    value += digit < previous ? -digit : digit;
    previous = std::max(previous, digit);
  }
  return value;
}

// How a list item's marker numbers: a list style ("decimal", "lower-alpha", "upper-roman")
// and the marker's number, or no style for a bullet.
struct Numbering {
  QString style;
  int number = 1;
};

Numbering numberingOf(const QString &marker) {
  static const QRegularExpression numbered(uR"(^\(?(?:\d+\.)*(\d+|[A-Za-z]+)[.)]$|^(\d+)$)"_s);
  const QRegularExpressionMatch match = numbered.match(marker);
  if (!match.hasMatch()) return {};
  const QString number = match.captured(1).isEmpty() ? match.captured(2) : match.captured(1);
  bool digits = false;
  const int value = number.toInt(&digits);
  if (digits) return {u"decimal"_s, std::clamp(value, 0, kMaxListNumber)};
  const bool upper = number[0].isUpper();
  static const QRegularExpression roman(uR"(^[ivxlcdm]+$)"_s,
                                        QRegularExpression::CaseInsensitiveOption);
  // One letter is a letter's number but for i, which starts roman numbers.
  if (roman.match(number).hasMatch() && (number.size() > 1 || number.toLower() == u"i")) {
    return {upper ? u"upper-roman"_s : u"lower-roman"_s,
            std::clamp(romanValue(number), 1, kMaxListNumber)};
  }
  int letters = 0;  // a, b, ... z, aa, ab: counted as a spreadsheet counts its columns
  for (const QChar c : number)
    letters = std::min(kMaxListNumber, letters * 26 + (c.toLower().unicode() - u'a' + 1));
  return {upper ? u"upper-alpha"_s : u"lower-alpha"_s, letters};
}

// The end of the element whose start tag opens at `from`: past its close tag, nested
// elements of its name counted; the text's end when it never closes.
qsizetype elementEnd(QStringView text, qsizetype from, const QString &name) {
  const QRegularExpression tags(u"<(/?)"_s + name + uR"(\b[^>]*>)"_s,
                                QRegularExpression::CaseInsensitiveOption);
  int depth = 0;
  for (auto it = tags.globalMatch(text, from); it.hasNext();) {
    const QRegularExpressionMatch tag = it.next();
    depth += tag.capturedView(1).isEmpty() ? 1 : -1;
    if (depth == 0) return tag.capturedEnd();
  }
  return text.size();
}

// One of Word's list paragraphs: its list, level and marker, and its text without the marker.
struct WordItem {
  qsizetype from = 0;  // the paragraph in the page, start tag to end tag
  qsizetype to = 0;
  QString list;  // the lfo, which Word gives each list it numbers on
  int level = 1;
  Numbering numbering;
  QString style;  // the paragraph's formatting a list item keeps
  QString content;
};

// Takes Word's marker out of a list paragraph's content and returns its text: the part for
// programs without lists (<![if !supportLists]>, or its comment form), else the span Word
// marks mso-list:Ignore.
QString takeMarker(QString &content) {
  static const QRegularExpression conditional(
      uR"(<!(?:--)?\[if !supportLists\](?:--)?>(.*?)<!(?:--)?\[endif\](?:--)?>)"_s,
      QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
  const QRegularExpressionMatch part = conditional.match(content);
  if (part.hasMatch()) {
    const QString marker = textOf(part.capturedView(1));
    content.remove(part.capturedStart(), part.capturedLength());
    return marker;
  }
  static const QRegularExpression ignored(uR"(<span\b[^>]*mso-list:\s*Ignore[^>]*>)"_s,
                                          QRegularExpression::CaseInsensitiveOption);
  const QRegularExpressionMatch span = ignored.match(content);
  if (!span.hasMatch()) return {};
  const qsizetype end = elementEnd(content, span.capturedStart(), u"span"_s);
  const QString marker =
      textOf(QStringView(content).sliced(span.capturedStart(), end - span.capturedStart()));
  content.remove(span.capturedStart(), end - span.capturedStart());
  return marker;
}

QStringView trimmedFront(QStringView text) {
  qsizetype at = 0;
  while (at < text.size() && text[at].isSpace()) ++at;
  return text.sliced(at);
}

}  // namespace

QString wordListsAsLists(const QString &page) {
  static const QRegularExpression listParagraph(
      uR"(<p\b[^>]*?mso-list:\s*(l\d+)\s+level(\d+)\s+(lfo\d+)[^>]*>)"_s,
      QRegularExpression::CaseInsensitiveOption);
  if (!page.contains(u"mso-list"_s, Qt::CaseInsensitive)) return page;
  QList<WordItem> items;
  for (auto it = listParagraph.globalMatch(page); it.hasNext();) {
    const QRegularExpressionMatch match = it.next();
    if (!items.isEmpty() && match.capturedStart() < items.last().to) continue;
    WordItem item;
    item.from = match.capturedStart();
    static const QRegularExpression close(uR"(</p\s*>)"_s,
                                          QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch end = close.match(page, match.capturedEnd());
    const qsizetype contentEnd = end.hasMatch() ? end.capturedStart() : page.size();
    item.to = end.hasMatch() ? end.capturedEnd() : page.size();
    item.list = match.captured(3);
    item.level = std::clamp(match.captured(2).toInt(), 1, kMaxListLevel);
    item.content = page.mid(match.capturedEnd(), contentEnd - match.capturedEnd());
    item.numbering = numberingOf(takeMarker(item.content));
    // What a list item shows of its paragraph's own formatting: its alignment and look.
    qsizetype tagEnd = 0;
    const Tag tag = tagAt(page, item.from, tagEnd);
    const Values values = valuesOf(tag.attribute(u"style"));
    for (std::size_t i = 0; i < kProperties; ++i) {
      if (!values.of[i].isEmpty())
        item.style += kPropertyNames[i].toString() + u':' + values.of[i] + u';';
    }
    items.append(std::move(item));
  }
  if (items.isEmpty()) return page;

  static const QRegularExpression between(uR"(^(?:\s|<!--.*?-->|&nbsp;)*$)"_s,
                                          QRegularExpression::DotMatchesEverythingOption);
  QString out;
  out.reserve(page.size());
  qsizetype copied = 0;
  struct Open {
    bool numbered;
    bool item;  // an item of it is open
  };
  QList<Open> open;  // the lists open, outermost first
  QString list;      // the Word list they are
  const auto closeLists = [&](qsizetype depth) {
    while (open.size() > depth) {
      if (open.last().item) out += u"</li>"_s;
      out += open.last().numbered ? u"</ol>"_s : u"</ul>"_s;
      open.removeLast();
    }
  };
  for (qsizetype i = 0; i < items.size(); ++i) {
    const WordItem &item = items[i];
    const QStringView gap = QStringView(page).sliced(copied, item.from - copied);
    // Paragraphs of another kind between two items, or another list, end the lists open;
    // the blanks between two items of one list are nobody's text.
    const bool sameList = !open.isEmpty() && item.list == list && between.match(gap).hasMatch();
    if (!sameList) {
      // The blanks just after a list would be read as text of its last item.
      const bool listsOpen = !open.isEmpty();
      closeLists(0);
      out += listsOpen ? trimmedFront(gap) : gap;
    }
    if (open.isEmpty()) list = item.list;
    const bool numbered = !item.numbering.style.isEmpty();
    closeLists(item.level);
    if (open.size() == item.level && open.last().numbered != numbered) closeLists(item.level - 1);
    if (open.size() == item.level && open.last().item) {
      out += u"</li>"_s;
      open.last().item = false;
    }
    while (open.size() < item.level) {
      out += numbered
                 ? u"<ol style=\"list-style-type:%1\" start=\"%2\">"_s.arg(item.numbering.style)
                       .arg(item.numbering.number)
                 : u"<ul>"_s;
      open.append({numbered, false});
    }
    out += item.style.isEmpty() ? u"<li>"_s : u"<li style=\"%1\">"_s.arg(item.style);
    out += item.content;
    open.last().item = true;
    copied = item.to;
  }
  const bool listsOpen = !open.isEmpty();
  closeLists(0);
  const QStringView rest = QStringView(page).sliced(copied);
  out += listsOpen ? trimmedFront(rest) : rest;
  return out;
}

}  // namespace quillmark::richtext
