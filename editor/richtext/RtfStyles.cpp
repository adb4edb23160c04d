// Paragraph styles for the RTF reader: stylesheet entries by number, and the structure a
// style's name stands for.
#include "RtfStyles.h"

#include <QRegularExpression>
#include <algorithm>

#include "DocumentModel.h"

namespace quillmark::richtext {

namespace {

constexpr qsizetype kMaxStyleNameLength = 256;

}  // namespace

StyleMeaning styleMeaning(const QString &name) {
  static const QRegularExpression heading(QStringLiteral("^heading ([1-9])$"));
  static const QRegularExpression quote(
      QStringLiteral("^(quote|quotations|block text|block quotation)(?: ([0-9]{1,3}))?$"));
  const QString simple = name.simplified().toLower();
  StyleMeaning meaning;
  if (const QRegularExpressionMatch match = heading.match(simple); match.hasMatch()) {
    meaning.heading = std::min(match.captured(1).toInt(), 3);
  } else if (const QRegularExpressionMatch named = quote.match(simple); named.hasMatch()) {
    const QString depth = named.captured(2);
    meaning.quote = depth.isEmpty() ? 1 : std::clamp(depth.toInt(), 1, kMaxQuoteDepth);
  }
  return meaning;
}

void StyleSheet::word(const ControlWord &word) {
  if (word.op == Op::Style) {
    number_ = std::max(0, word.parameter);
  } else if (word.op == Op::OtherStyle) {
    paragraph_ = false;
  }
}

void StyleSheet::character(char16_t c) {
  if (c == u';') {
    finishEntry();
  } else if (isTextCharacter(c) && name_.size() < kMaxStyleNameLength) {
    name_ += QChar(c);
  }
}

void StyleSheet::finishEntry() {
  const StyleMeaning meaning = styleMeaning(name_);
  if (paragraph_ && meaning != StyleMeaning{} &&
      (meanings_.size() < kMaxStyles || meanings_.count(number_) > 0)) {
    meanings_[number_] = meaning;
  }
  number_ = 0;
  paragraph_ = true;
  name_.clear();
}

StyleMeaning StyleSheet::meaning(int style) const {
  const auto it = meanings_.find(style);
  return it != meanings_.end() ? it->second : StyleMeaning{};
}

}  // namespace quillmark::richtext
