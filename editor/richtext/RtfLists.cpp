// List numbering for the RTF reader: number formats, the list tables, "\pn" groups, and the
// count each list keeps as its paragraphs are read.
#include "RtfLists.h"

#include <QChar>
#include <algorithm>
#include <utility>

#include "DocumentModel.h"

namespace quillmark::richtext {

namespace {

QString romanNumber(int n) {
  static constexpr std::pair<int, const char16_t *> kDigits[] = {
      {1000, u"m"}, {900, u"cm"}, {500, u"d"}, {400, u"cd"}, {100, u"c"}, {90, u"xc"}, {50, u"l"},
      {40, u"xl"},  {10, u"x"},   {9, u"ix"},  {5, u"v"},    {4, u"iv"},  {1, u"i"}};
  if (n <= 0 || n >= 4000) return QString::number(n);
  QString text;
  for (const auto &[value, digits] : kDigits) {
    for (; n >= value; n -= value) text += QString::fromUtf16(digits);
  }
  return text;
}

QString letterNumber(int n) {
  if (n <= 0) return QString::number(n);
  const int repeat = std::min(1 + (n - 1) / 26, 64);
  return QString(repeat, QChar(char16_t(u'a' + (n - 1) % 26)));
}

// Counts a level of `counts` on from its last number, or from `start` when it has none,
// and starts the levels below it over.
int countOn(std::array<int, kListLevels> &counts, int level, int start) {
  int &count = counts[std::size_t(level)];
  count = count < 0 ? start : std::min(count + 1, kMaxListNumber);
  std::fill(counts.begin() + level + 1, counts.end(), -1);
  return count;
}

}  // namespace

QString formatNumber(int n, int format) {
  switch (format) {
    case kFormatUpperRoman:
      return romanNumber(n).toUpper();
    case kFormatLowerRoman:
      return romanNumber(n);
    case kFormatUpperLetter:
      return letterNumber(n).toUpper();
    case kFormatLowerLetter:
      return letterNumber(n);
    case kFormatLeadingZero:
      return n >= 0 && n < 10 ? u'0' + QString::number(n) : QString::number(n);
    default:
      return QString::number(n);
  }
}

bool isBulletText(const QString &text) {
  const QString core = text.simplified();
  if (core.isEmpty()) return false;
  const bool oneCharacter =
      core.size() == 1 || (core.size() == 2 && core.front().isHighSurrogate());
  return oneCharacter && !core.front().isDigit();
}

void ListNumbering::beginTable(bool overrides) {
  readingOverrides_ = overrides;
  levelIndex_ = -1;
}

void ListNumbering::tableWord(const ControlWord &word) {
  Level *level = levelIndex_ >= 0 ? &definition_[std::size_t(levelIndex_)] : nullptr;
  switch (word.op) {
    case Op::List:
      definition_ = Levels{};
      levelIndex_ = -1;
      break;
    case Op::ListLevelDefinition:
      levelIndex_ = std::min(levelIndex_ + 1, kListLevels - 1);
      definition_[std::size_t(levelIndex_)] = Level{};
      break;
    case Op::LevelNumberFormat:
      if (level && word.hasParameter) level->format = word.parameter;
      break;
    case Op::LevelStart:
      if (level) level->start = std::clamp(word.parameter, 0, kMaxListNumber);
      break;
    case Op::ListOverride:
      overrideList_ = 0;
      break;
    case Op::ListId:
      // In a list it comes after the levels; in an override, before the "\ls".
      if (readingOverrides_) {
        overrideList_ = word.parameter;
      } else {
        lists_[word.parameter] = definition_;
      }
      break;
    case Op::ListNumber:
      if (readingOverrides_) listOfOverride_[word.parameter] = overrideList_;
      break;
    default:
      break;
  }
}

void ListNumbering::beginLevelText() { text_.clear(); }

// The placeholders and the length are control characters; all are kept until the end.
void ListNumbering::levelTextCharacter(char16_t c) {
  if (text_.size() < kMaxNumberTextLength) text_ += QChar(c);
}

void ListNumbering::finishLevelText() {
  if (levelIndex_ >= 0 && !text_.isEmpty()) {
    const qsizetype length = std::min<qsizetype>(text_.front().unicode(), text_.size() - 1);
    definition_[std::size_t(levelIndex_)].text = text_.mid(1, length);
  }
  text_.clear();
}

void ListNumbering::beginOldStyle() { pnBullet_ = false; }

void ListNumbering::oldStyleWord(const ControlWord &word) {
  switch (word.op) {
    case Op::BulletLevel:
      pnBullet_ = true;
      break;
    case Op::NumberedLevel:
      pn_.numbered = true;
      pn_.level = word.hasParameter ? std::clamp(word.parameter - 1, 0, kListLevels - 1) : 0;
      break;
    case Op::ContinuedLevel:
      pn_.continued = true;
      break;
    case Op::NumberFormat:
      pn_.format = word.value;
      break;
    case Op::NumberStart:
      pn_.start = std::clamp(word.parameter, 0, kMaxListNumber);
      break;
    default:
      break;
  }
}

void ListNumbering::beginNumberText(bool after) {
  text_.clear();
  textAfter_ = after;
}

// The text before or after a number is text only: no placeholders, no control characters.
void ListNumbering::numberTextCharacter(char16_t c) {
  if (isTextCharacter(c) && text_.size() < kMaxNumberTextLength) text_ += QChar(c);
}

void ListNumbering::finishNumberText() {
  (textAfter_ ? pn_.after : pn_.before) = std::exchange(text_, {});
}

bool ListNumbering::finishOldStyle(bool forParagraph) {
  if (forParagraph) paragraphPn_ = std::exchange(pn_, {});
  return std::exchange(pnBullet_, false);
}

ParagraphNumber ListNumbering::paragraphNumber(int list, int level) {
  ParagraphNumber number;
  if (list > 0) {
    listNumber(list, level, number);
    previousOldStyle_ = false;
  } else {
    oldStyleNumber(number);
  }
  paragraphPn_ = {};
  return number;
}

void ListNumbering::skipParagraph() { paragraphPn_ = {}; }

// The number from the list table; none for a level without numbers or a list the table
// does not define.
void ListNumbering::listNumber(int list, int level, ParagraphNumber &number) {
  const auto override = listOfOverride_.find(list);
  const int listId = override != listOfOverride_.end() ? override->second : list;
  const auto definition = lists_.find(listId);
  if (definition == lists_.end()) return;
  const Levels &levels = definition->second;
  const Level &own = levels[std::size_t(level)];
  if (own.format == kFormatNone) return;
  number.item = true;
  number.list = listId;
  number.level = level;
  number.format = own.format;
  if (own.format == kFormatBullet) {
    number.bullet = true;
    return;
  }
  auto [counts, fresh] = listCounts_.try_emplace(listId);
  if (fresh) counts->second.fill(-1);
  Counts &count = counts->second;
  number.number = countOn(count, level, own.start);
  const auto numberOf = [&](int at) {
    const Level &shown = levels[std::size_t(at)];
    return formatNumber(count[std::size_t(at)] < 0 ? shown.start : count[std::size_t(at)],
                        shown.format);
  };
  if (!own.text) {
    number.text = numberOf(level) + u'.';
    return;
  }
  for (const QChar c : *own.text) {
    if (c.unicode() < kListLevels) {
      number.text += numberOf(c.unicode());
    } else if (c.unicode() >= 0x20 && isTextCharacter(c.unicode())) {
      number.text += c;
    }
  }
}

// The paragraph's old-style number, counting on from the previous paragraph when that had
// one too; none when it has none.
void ListNumbering::oldStyleNumber(ParagraphNumber &number) {
  const OldStyle &pn = paragraphPn_;
  if (!pn.numbered && !pn.continued) {
    previousOldStyle_ = false;
    return;
  }
  if (!previousOldStyle_) oldStyleCounts_.fill(-1);
  previousOldStyle_ = true;
  if (pn.continued) return;
  number.item = true;
  number.oldStyle = true;
  number.level = pn.level;
  number.format = pn.format;
  number.number = countOn(oldStyleCounts_, pn.level, pn.start);
  number.text = pn.before + formatNumber(number.number, pn.format) + pn.after;
}

}  // namespace quillmark::richtext
