// Reads RTF into a document: a byte tokenizer drives an explicit stack of group states, and
// text gathered into runs goes into the document one QTextCursor::insertText per run. A
// hyperlink field's result becomes a link; a table's cells are gathered as text and go in as
// a fixed-columns block when the table ends. Knows the document model (DocumentModel.h);
// knows nothing of the HTML converter. The control words are in RtfKeywords.h, the code
// pages in CodePages.h.
//
// Limits this reader relies on:
//   kMaxGroupDepth  groups nested deeper keep their text but not their formatting; a
//                   destination opened there is still skipped whole.
//   parameters      control-word numbers are clamped to the range of int, indents to
//                   kMaxIndentTwips, sizes to kMaxHalfPoints.
//   \binN           skips at most what is left of the input.
//   kMaxBulletsPerList  bullet paragraphs in a row go into lists of at most this many.
//   kMaxFaces       text in faces past this many different ones is in the default face.
//   kMaxListNumber, kMaxNumberTextLength  list numbers and number texts of list definitions.
// Each limit has a row going past it in tests/pathological/EditorPathologicalTest.cpp.
// Everything else is linear in the input: no recursion, no rescanning, no per-character
// document edits.
#include "RtfReader.h"

#include <QColor>
#include <QHash>
#include <QSet>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <algorithm>
#include <array>
#include <cstdint>
#include <deque>
#include <limits>
#include <memory>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "CodePages.h"
#include "DocumentModel.h"
#include "FixedColumns.h"
#include "RtfKeywords.h"
#include "quillmark/text.h"

using namespace Qt::StringLiterals;

namespace quillmark::richtext {

namespace {

constexpr std::size_t kMaxGroupDepth = 1000;
// Each paragraph added to a QTextList makes Qt look at every paragraph already in it, so a
// run of bullet paragraphs goes into lists of at most this many: a bullet list shows no
// numbers, and the lists look and write as one.
constexpr int kMaxBulletsPerList = 128;
// Faces the document shows: text in faces past this many different ones stays in the
// default face. Qt's font cache takes time quadratic in the faces a window lays out, so a
// document of 100,000 faces would freeze the window that shows it.
constexpr qsizetype kMaxFaces = 1000;
// List numbers count from at most this; a list's number text holds at most this many
// characters.
constexpr int kMaxListNumber = 1'000'000;
constexpr qsizetype kMaxNumberTextLength = 64;
constexpr int kDefaultUnicodeSkip = 1;
constexpr int kDefaultHalfPoints = 24;       // what "\fs" without a number means
constexpr int kMaxHalfPoints = 3276;         // 1638 points, the largest size word processors offer
constexpr int kMaxIndentTwips = 10'000'000;  // far past any page, far from overflowing
constexpr std::size_t kMaxCachedFormats = 64;
constexpr qsizetype kProgressBytes = 1 << 20;

// Where the text of a group goes.
enum class Destination : std::uint8_t {
  Text,              // the document
  Skip,              // nowhere: metadata, pictures, unknown "\*" groups
  FontTable,         // font names
  ColorTable,        // colour entries
  ListText,          // the number or bullet shown before a list paragraph
  ListLevel,         // an old-style list definition ("\pn"): bullet or number, and how
  NumberText,        // the text before or after an old-style number ("\pntxtb", "\pntxta")
  ListTable,         // list definitions and their "\ls" numbers
  LevelText,         // a list level's number text ("\leveltext")
  FieldInstruction,  // a field's instruction: for a hyperlink, its address
};

struct CharacterState {
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strike = false;
  VerticalPosition vertical = VerticalPosition::Normal;
  int font = -1;       // font-table number; -1: the "\deff" font
  int halfPoints = 0;  // 0: the document's default size
  int color = 0;       // colour-table index; 0: automatic
  int link = 0;        // the hyperlink field (from 1) whose result this is; 0: none
  bool operator==(const CharacterState &) const = default;
};

struct ParagraphState {
  Alignment alignment = Alignment::Left;
  int leftTwips = 0;
  int firstTwips = 0;
  int list = 0;   // "\ls": the list override the paragraph belongs to; 0: none
  int level = 0;  // "\ilvl", 0 to kListLevels - 1
};

// Number formats, as "\levelnfc" numbers them.
constexpr int kFormatDecimal = 0;
constexpr int kFormatUpperRoman = 1;
constexpr int kFormatLowerRoman = 2;
constexpr int kFormatUpperLetter = 3;
constexpr int kFormatLowerLetter = 4;
constexpr int kFormatLeadingZero = 22;
constexpr int kFormatBullet = 23;
constexpr int kFormatNone = 255;
constexpr int kListLevels = 9;

// One level of a list definition ("\listlevel").
struct ListLevel {
  int format = kFormatDecimal;
  int start = 1;
  // The number text: characters, and placeholders U+0000 to U+0008 for the numbers of the
  // levels. Unset: the level's own number and a full stop.
  std::optional<QString> text;
};

struct ListDefinition {
  std::array<ListLevel, kListLevels> levels;
};

// An old-style paragraph number ("\pn").
struct OldStyleNumber {
  bool numbered = false;   // "\pnlvlbody" or "\pnlvlN"
  bool continued = false;  // "\pnlvlcont": in the list, without a number
  int level = 0;
  int format = kFormatDecimal;
  int start = 1;
  QString before;
  QString after;
};

struct GroupState {
  CharacterState chars;
  ParagraphState paragraph;
  int unicodeSkip = kDefaultUnicodeSkip;  // bytes standing in for each "\uN" ("\ucN")
  Destination destination = Destination::Text;
  int field = 0;  // the innermost field (from 1) the group belongs to; 0: none
};

struct Field {
  QString instruction;
  QString address;  // what a hyperlink field links to; empty for any other field
};

struct FontEntry {
  QString name;
  int codePage = -1;  // -1: the document's code page
};

bool isAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

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

// "a" to "z", then "aa", "bb" and so on, as word processors letter their lists.
QString letterNumber(int n) {
  if (n <= 0) return QString::number(n);
  const int repeat = std::min(1 + (n - 1) / 26, 64);
  return QString(repeat, QChar(char16_t(u'a' + (n - 1) % 26)));
}

// A list number in a "\levelnfc" format.
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

// One argument of a field instruction; a switch ("\l") is never quoted.
struct FieldArgument {
  QString text;
  bool quoted = false;
};

// The arguments of a field instruction. Inside quotes "\\" and "\"" stand for "\" and "\"".
QList<FieldArgument> fieldArguments(QStringView instruction) {
  QList<FieldArgument> arguments;
  qsizetype i = 0;
  const qsizetype size = instruction.size();
  while (i < size) {
    if (instruction[i].isSpace()) {
      ++i;
      continue;
    }
    FieldArgument argument;
    if (instruction[i] == u'"') {
      argument.quoted = true;
      for (++i; i < size && instruction[i] != u'"'; ++i) {
        if (instruction[i] == u'\\' && i + 1 < size &&
            (instruction[i + 1] == u'\\' || instruction[i + 1] == u'"')) {
          ++i;
        }
        argument.text += instruction[i];
      }
      ++i;  // the closing quote
    } else {
      for (; i < size && !instruction[i].isSpace(); ++i) argument.text += instruction[i];
    }
    arguments << argument;
  }
  return arguments;
}

// The address of a HYPERLINK field: its first argument, with "#" and the bookmark of a "\l"
// switch after it; empty for any other field. The switches "\o" (tooltip) and "\t"
// (target frame) take an argument that is no address.
QString hyperlinkAddress(QStringView instruction) {
  const QList<FieldArgument> arguments = fieldArguments(instruction);
  if (arguments.isEmpty() || arguments.front().quoted ||
      arguments.front().text.compare(u"HYPERLINK", Qt::CaseInsensitive) != 0) {
    return {};
  }
  QString address;
  QString bookmark;
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const FieldArgument &argument = arguments[i];
    if (!argument.quoted && argument.text.startsWith(u'\\')) {
      const QString name = argument.text.mid(1).toLower();
      const bool next = i + 1 < arguments.size();
      if (name == u"l" && next) {
        bookmark = arguments[++i].text;
      } else if ((name == u"o" || name == u"t") && next) {
        ++i;
      }
    } else if (address.isEmpty()) {
      address = argument.text;
    }
  }
  if (!bookmark.isEmpty()) address += u'#' + bookmark;
  return address;
}

// Whether the text before a list paragraph is a bullet (one symbol) rather than a number.
bool isBulletText(const QString &text) {
  const QString core = text.simplified();
  if (core.isEmpty()) return false;
  const bool oneCharacter =
      core.size() == 1 || (core.size() == 2 && core.front().isHighSurrogate());
  return oneCharacter && !core.front().isDigit();
}

class Reader {
 public:
  Reader(QByteArrayView rtf, QTextDocument &document)
      : rtf_(rtf),
        cursor_(&document),
        defaultFamily_(document.defaultFont().family()),
        defaultPointSize_(document.defaultFont().pointSizeF()),
        bulletIndentTwips_(pixelsToTwips(document.indentWidth())) {
    groups_.emplace_back();
  }

  // Reads from `start`, the opening brace of the document's group; false when the bytes end
  // before that group closes.
  bool read(qsizetype start, const ReadProgress &progress);

 private:
  GroupState &top() { return groups_.back(); }
  bool skipping() const {
    return overflowSkipDepth_ > 0 || groups_.back().destination == Destination::Skip;
  }

  void dropLeadByte();
  void openGroup();
  bool closeGroup();  // false once the document's own group has closed
  void finishDestination(const GroupState &closed);
  void readControl();
  void controlWord(std::string_view name, bool hasParameter, int parameter);
  void startDestination(Destination destination);
  void formatWord(Op op, bool hasParameter, int parameter);
  void textWord(const Keyword &keyword);
  void controlSymbol(char symbol);
  void textByte(unsigned char byte);
  void textRun();
  void character(char16_t c);
  void unicodeCharacter(int parameter);

  CodePage &codePage(int number);
  int codePageOfFont(int font) const;
  void prepareRun();
  void flushRun();
  const QTextCharFormat &formatOf(const CharacterState &chars);
  void forgetFormatsOfLink(int field);
  void endParagraph();
  void applyParagraphFormat();
  void startRow();
  void endCell();
  void endRow();
  void finishTable();

  void listTableWord(const Keyword &keyword, bool hasParameter, int parameter);
  void numberParagraph();
  QString listNumberText(const ParagraphState &paragraph);
  QString oldStyleNumberText();
  void beginFont(int number);
  void finishFont();
  void finishColor();

  QByteArrayView rtf_;
  qsizetype pos_ = 0;
  QTextCursor cursor_;
  const QString defaultFamily_;
  const double defaultPointSize_;
  const int bulletIndentTwips_;

  std::vector<GroupState> groups_;  // open groups, innermost last; the first is outside all
  int overflowDepth_ = 0;           // groups open beyond kMaxGroupDepth
  int overflowSkipDepth_ = 0;       // a destination opened at this overflow depth is skipped
  int bytesToSkip_ = 0;             // stand-ins still to skip after a "\uN"
  bool ignorable_ = false;          // the last control was "\*"

  int ansiCodePage_ = kWindowsWestern;
  int defaultFont_ = -1;
  QHash<int, FontEntry> fonts_;
  std::vector<QColor> colors_;  // invalid: automatic
  std::unordered_map<int, std::unique_ptr<CodePage>> codePages_;
  QSet<QString> facesUsed_;  // the faces given to text so far

  int fontNumber_ = -1;  // the font-table entry being read, or -1
  FontEntry font_;       // ... and what is known of it so far
  int red_ = 0, green_ = 0, blue_ = 0;
  bool colorGiven_ = false;

  QString run_;  // text not yet in the document, all in runChars_
  CharacterState runChars_;
  bool stateChanged_ = true;          // the group state may differ from runChars_ / codePage_
  CodePage *codePage_ = nullptr;      // the code page of the text being read
  CodePage *leadBytePage_ = nullptr;  // holds a lead byte waiting for its trail byte
  // The formats made so far, for the states they were made for; reset when a table changes.
  std::deque<std::pair<CharacterState, QTextCharFormat>> formats_;
  bool formatCached_ = false;

  QString listText_;              // the text of the "\pntext"/"\listtext" group being read
  bool levelIsBullet_ = false;    // the "\pn" group being read says bullet
  bool paragraphBullet_ = false;  // the paragraph being read is a bullet item
  bool listTextGiven_ = false;    // ... and has its number or bullet as text of its own

  // Numbers a word processor writes only in the list's definition: the list table's lists by
  // "\listid", the override table's "\ls" numbers, and how far each list has counted.
  std::unordered_map<int, ListDefinition> lists_;
  std::unordered_map<int, int> listOfOverride_;                       // "\ls" -> "\listid"
  std::unordered_map<int, std::array<int, kListLevels>> listCounts_;  // by "\listid"
  bool readingOverrides_ = false;  // the list table being read is the override table
  ListDefinition listDefinition_;
  int levelIndex_ = -1;           // the "\listlevel" being read, or -1
  int overrideList_ = 0;          // the "\listid" of the "\listoverride" being read
  QString levelText_;             // the "\leveltext" being read
  OldStyleNumber pn_;             // the "\pn" group being read
  OldStyleNumber paragraphPn_;    // the paragraph's, once its "\pn" group closed
  bool numberTextAfter_ = false;  // the "\pntxta"/"\pntxtb" being read is "\pntxta"
  std::array<int, kListLevels> oldStyleCounts_{};  // the numbers of the previous paragraph
  bool previousOldStyle_ = false;                  // the previous paragraph had an old-style number

  std::vector<Field> fields_;  // every field met so far, in order

  // A table's text goes to its cells, not the document, until the table ends; then it goes
  // in as a fixed-columns block.
  bool inTable_ = false;          // a table is being read
  bool inRow_ = false;            // ... and a row of it is open
  QString cell_;                  // the text of the cell being read
  QStringList rowCells_;          // the cells of the row being read, ended ones
  QList<QStringList> tableRows_;  // the rows of the table, ended ones
  QTextList *list_ = nullptr;     // the bullet list the previous paragraph belongs to
};

bool Reader::read(qsizetype start, const ReadProgress &progress) {
  const qsizetype size = rtf_.size();
  pos_ = start;
  cursor_.beginEditBlock();
  bool open = true;
  qsizetype nextReport = progress ? pos_ + kProgressBytes : size;
  while (open && pos_ < size) {
    if (pos_ >= nextReport) {
      progress(pos_, size);
      nextReport = pos_ + kProgressBytes;
    }
    const char c = rtf_[pos_];
    switch (c) {
      case '{':
        ++pos_;
        openGroup();
        break;
      case '}':
        ++pos_;
        open = closeGroup();
        break;
      case '\\':
        readControl();
        break;
      case '\r':
      case '\n':
        ++pos_;
        break;
      default:
        textRun();
        break;
    }
  }
  finishTable();
  flushRun();
  applyParagraphFormat();
  cursor_.endEditBlock();
  return !open;
}

// A lead byte is followed by its trail byte at once; one cut off by a brace or a control
// word is dropped, so that it cannot take the next character of text for its trail byte.
void Reader::dropLeadByte() {
  if (leadBytePage_ == nullptr) return;
  leadBytePage_->dropLeadByte();
  leadBytePage_ = nullptr;
}

void Reader::openGroup() {
  dropLeadByte();
  bytesToSkip_ = 0;
  ignorable_ = false;
  if (groups_.size() > kMaxGroupDepth) {
    ++overflowDepth_;
    return;
  }
  groups_.push_back(groups_.back());
}

bool Reader::closeGroup() {
  dropLeadByte();
  bytesToSkip_ = 0;
  ignorable_ = false;
  if (overflowDepth_ > 0) {
    if (overflowSkipDepth_ == overflowDepth_) overflowSkipDepth_ = 0;
    --overflowDepth_;
    return true;
  }
  // The document's own group: its state is the last paragraph's, so it is never popped.
  if (groups_.size() <= 2) return false;
  const GroupState closed = groups_.back();
  groups_.pop_back();
  stateChanged_ = true;
  if (closed.destination != top().destination) finishDestination(closed);
  return true;
}

void Reader::finishDestination(const GroupState &closed) {
  switch (closed.destination) {
    case Destination::FontTable:
      finishFont();
      break;
    case Destination::ListText:
      // A bullet makes the paragraph a list item; a number stays in the text, so that a
      // numbered list keeps its numbers. A blank one leaves the number to the list's
      // definition (numberParagraph).
      if (isBulletText(listText_)) {
        paragraphBullet_ = true;
        listTextGiven_ = true;
      } else if (!listText_.trimmed().isEmpty() && top().destination == Destination::Text) {
        for (const QChar c : std::as_const(listText_)) character(c.unicode());
        listTextGiven_ = true;
      }
      listText_.clear();
      break;
    case Destination::ListLevel:
      if (levelIsBullet_) paragraphBullet_ = true;
      levelIsBullet_ = false;
      if (top().destination == Destination::Text) paragraphPn_ = std::exchange(pn_, {});
      break;
    case Destination::NumberText:
      (numberTextAfter_ ? pn_.after : pn_.before) = std::exchange(levelText_, {});
      break;
    case Destination::LevelText:
      // The first character is the length of the text after it.
      if (levelIndex_ >= 0 && !levelText_.isEmpty()) {
        const qsizetype length =
            std::min<qsizetype>(levelText_.front().unicode(), levelText_.size() - 1);
        listDefinition_.levels[std::size_t(levelIndex_)].text = levelText_.mid(1, length);
      }
      levelText_.clear();
      break;
    case Destination::FieldInstruction: {
      Field &field = fields_[std::size_t(closed.field - 1)];
      QString address = hyperlinkAddress(field.instruction);
      // A second instruction of a field already shown as a link changes its formats.
      if (address != field.address) {
        if (runChars_.link == closed.field) flushRun();  // the text so far links to the old one
        forgetFormatsOfLink(closed.field);
      }
      field.address = std::move(address);
      field.instruction.clear();
      break;
    }
    case Destination::ListTable:
    case Destination::Text:
    case Destination::Skip:
    case Destination::ColorTable:
      break;
  }
}

void Reader::readControl() {
  const qsizetype size = rtf_.size();
  ++pos_;  // the backslash
  if (pos_ >= size) return;
  const char first = rtf_[pos_];
  if (!isAsciiLetter(first)) {
    ++pos_;
    if (first != '\'') dropLeadByte();  // "\'" may be the trail byte
    controlSymbol(first);
    return;
  }
  dropLeadByte();
  const qsizetype nameStart = pos_;
  while (pos_ < size && isAsciiLetter(rtf_[pos_])) ++pos_;
  const std::string_view name(rtf_.data() + nameStart, std::size_t(pos_ - nameStart));
  bool negative = false;
  if (pos_ + 1 < size && rtf_[pos_] == '-' && rtf_[pos_ + 1] >= '0' && rtf_[pos_ + 1] <= '9') {
    negative = true;
    ++pos_;
  }
  bool hasParameter = false;
  std::int64_t value = 0;
  while (pos_ < size && rtf_[pos_] >= '0' && rtf_[pos_] <= '9') {
    hasParameter = true;
    value = std::min<std::int64_t>(value * 10 + (rtf_[pos_] - '0'),
                                   std::int64_t(std::numeric_limits<int>::max()) + 1);
    ++pos_;
  }
  if (negative) value = -value;
  const int parameter = int(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
  if (pos_ < size && rtf_[pos_] == ' ') ++pos_;  // the delimiter belongs to the word

  if (name == "bin") {
    // Binary data: never text, even when it looks like braces or backslashes.
    if (hasParameter && parameter > 0) pos_ += std::min<qsizetype>(parameter, size - pos_);
    if (bytesToSkip_ > 0) --bytesToSkip_;
    return;
  }
  if (bytesToSkip_ > 0) {
    --bytesToSkip_;
    return;
  }
  controlWord(name, hasParameter, parameter);
}

void Reader::controlSymbol(char symbol) {
  ignorable_ = false;
  if (symbol == '\'') {
    int value = 0;
    int digits = 0;
    for (; digits < 2 && pos_ < rtf_.size(); ++digits, ++pos_) {
      const int digit = hexDigitValue(rtf_[pos_]);
      if (digit < 0) break;
      value = value * 16 + digit;
    }
    if (bytesToSkip_ > 0) {
      --bytesToSkip_;
    } else if (digits == 2) {
      textByte(static_cast<unsigned char>(value));
    }
    return;
  }
  if (bytesToSkip_ > 0) {
    --bytesToSkip_;
    return;
  }
  switch (symbol) {
    case '*':
      ignorable_ = true;
      break;
    case '\\':
    case '{':
    case '}':
      character(char16_t(symbol));
      break;
    case '~':
      character(u'\u00A0');
      break;
    case '_':
      character(u'\u2011');
      break;
    case '\r':
    case '\n':
      if (!skipping() && top().destination == Destination::Text) endParagraph();
      break;
    default:
      break;  // "\-" optional hyphen, "\:" index entry and the like: nothing to show
  }
}

void Reader::controlWord(std::string_view name, bool hasParameter, int parameter) {
  const Keyword *keyword = findKeyword(name);
  const bool wasIgnorable = ignorable_;
  ignorable_ = false;
  if (skipping()) return;
  if (keyword == nullptr || !isDestination(keyword->op)) {
    // "\*" before a word this reader does not take for a destination: skip the group.
    if (wasIgnorable) {
      startDestination(Destination::Skip);
      return;
    }
    if (keyword == nullptr) return;  // not one this reader needs
  }
  switch (keyword->op) {
    case Op::FontTable:
      startDestination(Destination::FontTable);
      return;
    case Op::ColorTable:
      startDestination(Destination::ColorTable);
      return;
    case Op::ListText:
      startDestination(Destination::ListText);
      return;
    case Op::ListLevel:
      startDestination(Destination::ListLevel);
      return;
    case Op::ListTable:
    case Op::ListOverrideTable:
      readingOverrides_ = keyword->op == Op::ListOverrideTable;
      startDestination(Destination::ListTable);
      return;
    case Op::LevelText:
      startDestination(top().destination == Destination::ListTable ? Destination::LevelText
                                                                   : Destination::Skip);
      return;
    case Op::NumberTextBefore:
    case Op::NumberTextAfter:
      numberTextAfter_ = keyword->op == Op::NumberTextAfter;
      startDestination(top().destination == Destination::ListLevel ? Destination::NumberText
                                                                   : Destination::Skip);
      return;
    case Op::SkipDestination:
      startDestination(Destination::Skip);
      return;
    case Op::FieldInstruction:
      startDestination(Destination::FieldInstruction);
      return;
    case Op::FieldResult:
      // A field's result is text like any other; a hyperlink's is a link.
      if (overflowDepth_ == 0 && top().field > 0 &&
          !fields_[std::size_t(top().field - 1)].address.isEmpty()) {
        top().chars.link = top().field;
        stateChanged_ = true;
      }
      return;
    case Op::Field:
      if (overflowDepth_ == 0) {
        fields_.emplace_back();
        top().field = int(fields_.size());
      }
      return;
    case Op::Ansi:
      ansiCodePage_ = keyword->value;
      stateChanged_ = true;
      return;
    case Op::AnsiCodePage:
      if (hasParameter && parameter > 0) ansiCodePage_ = parameter;
      stateChanged_ = true;
      return;
    case Op::DefaultFont:
      flushRun();  // the text so far keeps the face it was given
      defaultFont_ = parameter;
      formatCached_ = false;  // the face of text in no font of its own
      stateChanged_ = true;
      return;
    case Op::Unicode:
      if (hasParameter) unicodeCharacter(parameter);
      return;
    default:
      break;
  }
  switch (top().destination) {
    case Destination::FontTable:
      if (keyword->op == Op::Font) beginFont(parameter);
      if (keyword->op == Op::FontCharset) font_.codePage = codePageOfCharset(parameter);
      if (keyword->op == Op::FontCodePage && parameter > 0) font_.codePage = parameter;
      return;
    case Destination::ColorTable: {
      const int component = std::clamp(parameter, 0, 255);
      if (keyword->op == Op::Red) red_ = component;
      if (keyword->op == Op::Green) green_ = component;
      if (keyword->op == Op::Blue) blue_ = component;
      colorGiven_ = colorGiven_ || keyword->op == Op::Red || keyword->op == Op::Green ||
                    keyword->op == Op::Blue;
      return;
    }
    case Destination::ListLevel:
      switch (keyword->op) {
        case Op::BulletLevel:
          levelIsBullet_ = true;
          break;
        case Op::NumberedLevel:
          pn_.numbered = true;
          pn_.level = hasParameter ? std::clamp(parameter - 1, 0, kListLevels - 1) : 0;
          break;
        case Op::ContinuedLevel:
          pn_.continued = true;
          break;
        case Op::NumberFormat:
          pn_.format = keyword->value;
          break;
        case Op::NumberStart:
          pn_.start = std::clamp(parameter, 0, kMaxListNumber);
          break;
        default:
          break;
      }
      return;
    case Destination::ListTable:
      listTableWord(*keyword, hasParameter, parameter);
      return;
    case Destination::LevelText:
    case Destination::NumberText:
      textWord(*keyword);  // a "\tab" or a character word is part of the text
      return;
    case Destination::Text:
    case Destination::ListText:
    case Destination::FieldInstruction:
    case Destination::Skip:
      break;
  }
  // Formatting only affects its group; past the depth limit there is no group state of its
  // own to change, so formatting is dropped there.
  if (overflowDepth_ == 0) formatWord(keyword->op, hasParameter, parameter);
  textWord(*keyword);
}

// Opens a destination in the current group. Past the depth limit only skipping is possible:
// the group of a destination opened there is skipped whole.
void Reader::startDestination(Destination destination) {
  if (overflowDepth_ > 0) {
    overflowSkipDepth_ = overflowDepth_;
    return;
  }
  GroupState &state = top();
  switch (destination) {
    case Destination::FontTable:
      fontNumber_ = -1;
      break;
    case Destination::ColorTable:
      colorGiven_ = false;
      red_ = green_ = blue_ = 0;
      break;
    case Destination::ListText:
      if (state.destination != Destination::ListText) listText_.clear();
      break;
    case Destination::ListLevel:
      levelIsBullet_ = false;
      break;
    case Destination::FieldInstruction:
      if (state.field == 0) destination = Destination::Skip;  // no field to instruct
      break;
    case Destination::ListTable:
      levelIndex_ = -1;
      break;
    case Destination::LevelText:
    case Destination::NumberText:
      levelText_.clear();
      break;
    case Destination::Text:
    case Destination::Skip:
      break;
  }
  state.destination = destination;
}

// Character and paragraph formatting of the current group.
void Reader::formatWord(Op op, bool hasParameter, int parameter) {
  GroupState &state = top();
  CharacterState &chars = state.chars;
  ParagraphState &paragraph = state.paragraph;
  const bool on = !hasParameter || parameter != 0;  // "\b0" and the like switch off
  switch (op) {
    case Op::UnicodeSkip:
      state.unicodeSkip = std::max(0, parameter);
      return;
    case Op::Bold:
      chars.bold = on;
      break;
    case Op::Italic:
      chars.italic = on;
      break;
    case Op::Underline:
      chars.underline = on;
      break;
    case Op::UnderlineNone:
      chars.underline = false;
      break;
    case Op::Strike:
      chars.strike = on;
      break;
    case Op::Super:
      chars.vertical = VerticalPosition::Super;
      break;
    case Op::Sub:
      chars.vertical = VerticalPosition::Sub;
      break;
    case Op::NoSuperSub:
      chars.vertical = VerticalPosition::Normal;
      break;
    case Op::Up:
      chars.vertical = on ? VerticalPosition::Super : VerticalPosition::Normal;
      break;
    case Op::Down:
      chars.vertical = on ? VerticalPosition::Sub : VerticalPosition::Normal;
      break;
    case Op::Plain: {
      const int link = chars.link;  // the text of a link stays a link
      chars = CharacterState{};
      chars.link = link;
      break;
    }
    case Op::Font:
      chars.font = hasParameter ? parameter : 0;
      break;
    case Op::FontSize:
      chars.halfPoints =
          hasParameter ? std::clamp(parameter, 0, kMaxHalfPoints) : kDefaultHalfPoints;
      break;
    case Op::Color:
      chars.color = std::max(0, parameter);
      break;
    case Op::ParagraphDefault:
      paragraph = ParagraphState{};
      return;
    case Op::AlignLeft:
      paragraph.alignment = Alignment::Left;
      return;
    case Op::AlignCenter:
      paragraph.alignment = Alignment::Center;
      return;
    case Op::AlignRight:
      paragraph.alignment = Alignment::Right;
      return;
    case Op::AlignJustify:
      paragraph.alignment = Alignment::Justify;
      return;
    case Op::LeftIndent:
      paragraph.leftTwips = std::clamp(parameter, -kMaxIndentTwips, kMaxIndentTwips);
      return;
    case Op::FirstIndent:
      paragraph.firstTwips = std::clamp(parameter, -kMaxIndentTwips, kMaxIndentTwips);
      return;
    case Op::ListNumber:
      paragraph.list = std::max(0, parameter);
      return;
    case Op::ListLevelNumber:
      paragraph.level = std::clamp(parameter, 0, kListLevels - 1);
      return;
    default:
      return;  // not formatting
  }
  stateChanged_ = true;
}

// Characters and breaks. Breaks belong to the document's text only: a list number's "\par"
// or "\cell" would end the paragraph it numbers.
void Reader::textWord(const Keyword &keyword) {
  const bool documentText = top().destination == Destination::Text;
  switch (keyword.op) {
    case Op::Character:
      character(keyword.value);
      break;
    case Op::Tab:
      character(u'\t');
      break;
    case Op::LineBreak:
      if (documentText) character(QChar::LineSeparator);
      break;
    case Op::ParagraphBreak:
      if (documentText) endParagraph();
      break;
    case Op::InTable:
      if (documentText) startRow();
      break;
    case Op::RowDefaults:
      // Between two rows of a table, the next row. A table starts with its first cell's
      // paragraph ("\intbl"), as the row definitions may stand anywhere before it.
      if (documentText && inTable_) startRow();
      break;
    case Op::Cell:
      if (documentText) endCell();
      break;
    case Op::NestedCell:
      if (documentText) character(u' ');  // a nested table's cells stay in the outer cell
      break;
    case Op::Row:
      if (documentText) endRow();
      break;
    default:
      break;  // formatting, or a table's entry met outside its table
  }
}

void Reader::unicodeCharacter(int parameter) {
  // Numbers above 32767 are written negative.
  const int unit = parameter < 0 ? parameter + 65536 : parameter;
  if (unit >= 0 && unit <= 0xFFFF) character(char16_t(unit));
  bytesToSkip_ = top().unicodeSkip;
}

int Reader::codePageOfFont(int font) const {
  const auto found = fonts_.constFind(font < 0 ? defaultFont_ : font);
  if (found != fonts_.cend() && found->codePage > 0) return found->codePage;
  return ansiCodePage_;
}

CodePage &Reader::codePage(int number) {
  std::unique_ptr<CodePage> &slot = codePages_[number];
  if (!slot) slot = std::make_unique<CodePage>(number);
  return *slot;
}

void Reader::textByte(unsigned char byte) {
  ignorable_ = false;
  if (skipping()) return;
  CodePage *page = nullptr;
  switch (top().destination) {
    case Destination::Text:
    case Destination::ListText:
      prepareRun();
      page = codePage_;
      break;
    case Destination::FontTable:
      if (byte == ';') {
        finishFont();
        return;
      }
      page = &codePage(font_.codePage > 0 ? font_.codePage : ansiCodePage_);
      break;
    case Destination::ColorTable:
      if (byte == ';') finishColor();
      return;
    case Destination::FieldInstruction:
    case Destination::LevelText:
    case Destination::NumberText:
      page = &codePage(codePageOfFont(top().chars.font));
      break;
    case Destination::Skip:
    case Destination::ListLevel:
    case Destination::ListTable:
      return;
  }
  if (page->isSingleByte()) {
    character(page->table()[byte]);
  } else {
    QString text = page->decodeMultiByte(static_cast<char>(byte));
    if (leadBytePage_ == page && byte < 0x80 && text == QString(QChar::ReplacementCharacter)) {
      // An ASCII byte that is no trail byte for the lead byte before it: the lead byte is
      // lost, the ASCII character kept.
      page->dropLeadByte();
      text += page->decodeMultiByte(static_cast<char>(byte));
    }
    leadBytePage_ = text.isEmpty() ? page : nullptr;
    for (const QChar c : text) character(c.unicode());
  }
}

// Plain text up to the next brace, backslash or line end. Straight into the run when it is
// document text in a single-byte code page, which is nearly all text of a large file.
void Reader::textRun() {
  const qsizetype size = rtf_.size();
  const auto isSpecial = [](char c) {
    return c == '\\' || c == '{' || c == '}' || c == '\r' || c == '\n';
  };
  if (bytesToSkip_ == 0 && skipping()) {
    while (pos_ < size && !isSpecial(rtf_[pos_])) ++pos_;
    return;
  }
  if (bytesToSkip_ == 0 && top().destination == Destination::Text && !inTable_) {
    prepareRun();
    if (codePage_->isSingleByte()) {
      const std::array<char16_t, 256> &table = codePage_->table();
      ignorable_ = false;
      const char *const data = rtf_.data();
      qsizetype end = pos_;
      while (end < size && !isSpecial(data[end])) ++end;
      // Decoded straight into the run's storage; control characters drop out.
      const qsizetype had = run_.size();
      run_.resize(had + (end - pos_));
      char16_t *out = reinterpret_cast<char16_t *>(run_.data()) + had;
      for (; pos_ < end; ++pos_) {
        const auto byte = static_cast<unsigned char>(data[pos_]);
        *out = table[byte];
        out += isTextCharacter(*out);
      }
      run_.truncate(out - reinterpret_cast<const char16_t *>(run_.constData()));
      return;
    }
  }
  const auto byte = static_cast<unsigned char>(rtf_[pos_++]);
  if (bytesToSkip_ > 0) {
    --bytesToSkip_;
    return;
  }
  if (byte >= 0x20 || byte == '\t') textByte(byte);
}

void Reader::character(char16_t c) {
  if (skipping()) return;
  switch (top().destination) {
    case Destination::Text:
      break;
    case Destination::ListText:
      if (isTextCharacter(c)) listText_ += QChar(c);
      return;
    case Destination::FontTable:
      if (c == u';') {
        finishFont();
      } else if (fontNumber_ >= 0 && c >= 0x20 && isTextCharacter(c)) {
        font_.name += QChar(c);
      }
      return;
    case Destination::ColorTable:
      if (c == u';') finishColor();
      return;
    case Destination::FieldInstruction:
      if (isTextCharacter(c)) fields_[std::size_t(top().field - 1)].instruction += QChar(c);
      return;
    case Destination::LevelText:
      // Placeholders and the length are control characters; the text ends at a ';'.
      if (levelText_.size() < kMaxNumberTextLength) levelText_ += QChar(c);
      return;
    case Destination::NumberText:
      if (isTextCharacter(c) && levelText_.size() < kMaxNumberTextLength) levelText_ += QChar(c);
      return;
    case Destination::Skip:
    case Destination::ListLevel:
    case Destination::ListTable:
      return;
  }
  // Characters the document would take for structure instead of text.
  if (c == u'\r' || c == u'\n' || c == QChar::ParagraphSeparator) {
    endParagraph();
    return;
  }
  if (!isTextCharacter(c)) return;
  if (inRow_) {
    cell_ += QChar(c);
    return;
  }
  finishTable();  // text after a table's last row
  prepareRun();
  run_ += QChar(c);
}

// Makes the run ready for text in the current group's format: writes out the text gathered
// in another format.
void Reader::prepareRun() {
  if (stateChanged_) {
    const CharacterState &chars = top().chars;
    if (!(chars == runChars_)) {
      flushRun();
      runChars_ = chars;
    }
    codePage_ = &codePage(codePageOfFont(chars.font));
    stateChanged_ = false;
  }
}

void Reader::flushRun() {
  if (run_.isEmpty()) return;
  cursor_.insertText(run_, formatOf(runChars_));
  run_.resize(0);
}

void Reader::forgetFormatsOfLink(int field) {
  if (std::any_of(formats_.begin(), formats_.end(),
                  [field](const auto &known) { return known.first.link == field; })) {
    formatCached_ = false;
  }
}

const QTextCharFormat &Reader::formatOf(const CharacterState &chars) {
  if (!formatCached_) {
    formats_.clear();
    formatCached_ = true;
  }
  for (const auto &[known, format] : formats_) {
    if (known == chars) return format;
  }
  // A document uses a few dozen formats; a hostile one many more, which are then made afresh.
  if (formats_.size() >= kMaxCachedFormats) formats_.clear();
  QTextCharFormat format;
  if (chars.bold) format.setFontWeight(QFont::Bold);
  if (chars.italic) format.setFontItalic(true);
  if (chars.underline) format.setFontUnderline(true);
  if (chars.strike) format.setFontStrikeOut(true);
  setVerticalPosition(format, chars.vertical);
  // The document's own face and size stay unset, as in a document typed from scratch.
  const auto font = fonts_.constFind(chars.font < 0 ? defaultFont_ : chars.font);
  if (font != fonts_.cend() && !font->name.isEmpty() && font->name != defaultFamily_) {
    const bool known = facesUsed_.contains(font->name);
    if (known || facesUsed_.size() < kMaxFaces) {
      if (!known) facesUsed_.insert(font->name);
      setFontName(format, font->name);
    }
  }
  if (chars.halfPoints > 0 && chars.halfPoints / 2.0 != defaultPointSize_) {
    format.setFontPointSize(chars.halfPoints / 2.0);
  }
  if (chars.color > 0 && std::size_t(chars.color) < colors_.size() &&
      colors_[chars.color].isValid()) {
    format.setForeground(colors_[chars.color]);
  }
  if (chars.link > 0) setLink(format, fields_[std::size_t(chars.link - 1)].address);
  return formats_.emplace_back(chars, std::move(format)).second;
}

void Reader::endParagraph() {
  if (inRow_) {
    // A cell's paragraphs are joined with a blank.
    if (!cell_.isEmpty() && !cell_.endsWith(u' ')) cell_ += u' ';
    paragraphBullet_ = false;
    listTextGiven_ = false;
    paragraphPn_ = {};
    return;
  }
  finishTable();
  flushRun();
  applyParagraphFormat();
  paragraphBullet_ = false;
  cursor_.insertBlock(QTextBlockFormat(), formatOf(top().chars));
}

// Gives the paragraph being read the formatting in effect at its end.
void Reader::applyParagraphFormat() {
  numberParagraph();
  listTextGiven_ = false;
  const ParagraphState &paragraph = top().paragraph;
  QTextBlockFormat format;
  if (paragraph.alignment != Alignment::Left) format.setAlignment(qtAlignment(paragraph.alignment));
  if (paragraphBullet_) {
    // The bullet takes the first bulletIndentTwips_ of the indent, and the hanging first
    // line is the bullet's own.
    const int ownTwips = std::max(0, paragraph.leftTwips - bulletIndentTwips_);
    if (ownTwips != 0) format.setLeftMargin(twipsToPixels(ownTwips));
  } else {
    if (paragraph.leftTwips != 0) format.setLeftMargin(twipsToPixels(paragraph.leftTwips));
    if (paragraph.firstTwips != 0) format.setTextIndent(twipsToPixels(paragraph.firstTwips));
  }
  cursor_.setBlockFormat(format);
  if (!paragraphBullet_) {
    list_ = nullptr;
  } else if (list_ != nullptr && list_->count() < kMaxBulletsPerList) {
    list_->add(cursor_.block());
  } else {
    QTextListFormat listFormat;
    listFormat.setStyle(QTextListFormat::ListDisc);
    listFormat.setIndent(1);
    list_ = cursor_.createList(listFormat);
  }
}

// A row starts, at "\intbl" or at the first "\cell" or "\row" of a row without it: the
// text of the paragraph so far is the beginning of its first cell.
void Reader::startRow() {
  if (inRow_) return;
  flushRun();
  QTextCursor paragraph = cursor_;
  paragraph.movePosition(QTextCursor::StartOfBlock, QTextCursor::KeepAnchor);
  cell_ = paragraph.selectedText();
  paragraph.removeSelectedText();
  paragraphBullet_ = false;
  inTable_ = inRow_ = true;
}

void Reader::endCell() {
  startRow();
  rowCells_ << cellLine(cell_);
  cell_.clear();
  paragraphBullet_ = false;
}

void Reader::endRow() {
  startRow();
  if (!cellLine(cell_).isEmpty()) endCell();  // text after the row's last cell
  cell_.clear();
  tableRows_ << std::exchange(rowCells_, {});
  inRow_ = false;
}

// Puts the table read so far into the document as a fixed-columns block, leaving the
// cursor at the start of the paragraph after it. Text marked as in a table that never
// reached a cell goes in as plain text.
void Reader::finishTable() {
  if (!inTable_) return;
  paragraphBullet_ = false;
  if (tableRows_.isEmpty() && rowCells_.isEmpty()) {
    inTable_ = inRow_ = false;
    cursor_.insertText(cellLine(std::exchange(cell_, {})), formatOf(top().chars));
    return;
  }
  if (inRow_ && (!rowCells_.isEmpty() || !cellLine(cell_).isEmpty())) endRow();
  inTable_ = inRow_ = false;
  cell_.clear();
  rowCells_.clear();
  const QTextCharFormat fixed = fixedColumnsFormat();
  const QStringList lines = fixedColumnsBlock(std::exchange(tableRows_, {}));
  for (qsizetype i = 0; i < lines.size(); ++i) {
    cursor_.setBlockFormat(QTextBlockFormat());
    list_ = nullptr;
    cursor_.insertText(lines[i], fixed);
    cursor_.insertBlock(QTextBlockFormat(), i + 1 < lines.size() ? fixed : formatOf(top().chars));
  }
}

// The list table's and the override table's words: lists with their levels, then which
// "\ls" number stands for which list.
void Reader::listTableWord(const Keyword &keyword, bool hasParameter, int parameter) {
  ListLevel *level = levelIndex_ >= 0 ? &listDefinition_.levels[std::size_t(levelIndex_)] : nullptr;
  switch (keyword.op) {
    case Op::List:
      listDefinition_ = ListDefinition{};
      levelIndex_ = -1;
      break;
    case Op::ListLevelDefinition:
      levelIndex_ = std::min(levelIndex_ + 1, kListLevels - 1);
      listDefinition_.levels[std::size_t(levelIndex_)] = ListLevel{};
      break;
    case Op::LevelNumberFormat:
      if (level && hasParameter) level->format = parameter;
      break;
    case Op::LevelStart:
      if (level) level->start = std::clamp(parameter, 0, kMaxListNumber);
      break;
    case Op::ListOverride:
      overrideList_ = 0;
      break;
    case Op::ListId:
      // In a list it comes after the levels; in an override, before the "\ls".
      if (readingOverrides_) {
        overrideList_ = parameter;
      } else {
        lists_[parameter] = listDefinition_;
      }
      break;
    case Op::ListNumber:
      if (readingOverrides_) listOfOverride_[parameter] = overrideList_;
      break;
    default:
      break;
  }
}

// The number a list paragraph shows, from the list table, counting on from the list's
// previous paragraph; empty for a bullet or a level without numbers. Counting a level
// starts the levels below it over.
QString Reader::listNumberText(const ParagraphState &paragraph) {
  const auto override = listOfOverride_.find(paragraph.list);
  const int listId = override != listOfOverride_.end() ? override->second : paragraph.list;
  const auto definition = lists_.find(listId);
  if (definition == lists_.end()) return {};
  const auto &levels = definition->second.levels;
  const int level = paragraph.level;
  const ListLevel &own = levels[std::size_t(level)];
  if (own.format == kFormatBullet) {
    paragraphBullet_ = true;
    return {};
  }
  if (own.format == kFormatNone) return {};
  auto [counts, fresh] = listCounts_.try_emplace(listId);
  if (fresh) counts->second.fill(-1);
  std::array<int, kListLevels> &count = counts->second;
  count[std::size_t(level)] = count[std::size_t(level)] < 0
                                  ? own.start
                                  : std::min(count[std::size_t(level)] + 1, kMaxListNumber);
  for (int below = level + 1; below < kListLevels; ++below) count[std::size_t(below)] = -1;
  const auto numberOf = [&](int at) {
    const int n =
        count[std::size_t(at)] < 0 ? levels[std::size_t(at)].start : count[std::size_t(at)];
    return formatNumber(n, levels[std::size_t(at)].format);
  };
  if (!own.text) return numberOf(level) + u'.';
  QString text;
  for (const QChar c : *own.text) {
    if (c.unicode() < kListLevels) {
      text += numberOf(c.unicode());
    } else if (c.unicode() >= 0x20 && isTextCharacter(c.unicode())) {
      text += c;
    }
  }
  return text;
}

// The number of an old-style numbered paragraph ("\pn"), counting on from the previous
// paragraph when that had one too.
QString Reader::oldStyleNumberText() {
  const OldStyleNumber &pn = paragraphPn_;
  if (!pn.numbered && !pn.continued) {
    previousOldStyle_ = false;
    return {};
  }
  if (!previousOldStyle_) oldStyleCounts_.fill(-1);
  previousOldStyle_ = true;
  if (pn.continued) return {};
  int &count = oldStyleCounts_[std::size_t(pn.level)];
  count = count < 0 ? pn.start : std::min(count + 1, kMaxListNumber);
  for (int below = pn.level + 1; below < kListLevels; ++below) {
    oldStyleCounts_[std::size_t(below)] = -1;
  }
  return pn.before + formatNumber(count, pn.format) + pn.after;
}

// Gives a list paragraph whose number the word processor wrote only in the list's
// definition, with no text of its own ("\listtext" blank or missing), that number as text
// at its start, followed by a tab, as a number written as text reads.
void Reader::numberParagraph() {
  const ParagraphState &paragraph = top().paragraph;
  QString number;
  if (paragraph.list > 0) {
    number = listNumberText(paragraph);
  } else {
    number = oldStyleNumberText();
  }
  paragraphPn_ = {};
  if (listTextGiven_ || paragraphBullet_ || number.isEmpty()) return;
  QTextCursor start = cursor_;
  start.movePosition(QTextCursor::StartOfBlock);
  const QTextBlock::iterator first = start.block().begin();
  const QTextCharFormat format =
      first.atEnd() ? formatOf(top().chars) : first.fragment().charFormat();
  start.insertText(number + u'\t', format);
}

void Reader::beginFont(int number) {
  finishFont();
  fontNumber_ = number;
  font_ = FontEntry{};
}

void Reader::finishFont() {
  if (fontNumber_ < 0) return;
  font_.name = font_.name.trimmed();
  fonts_.insert(fontNumber_, font_);
  fontNumber_ = -1;
  font_ = FontEntry{};
  formatCached_ = false;
  stateChanged_ = true;
}

void Reader::finishColor() {
  colors_.push_back(colorGiven_ ? QColor(red_, green_, blue_) : QColor());
  colorGiven_ = false;
  red_ = green_ = blue_ = 0;
  formatCached_ = false;
}

// Where the document's group opens, or -1 when the bytes are not RTF: "{\rtf" after an
// optional UTF-8 byte-order mark and white space.
qsizetype rtfStart(QByteArrayView rtf) {
  qsizetype pos = rtf.startsWith("\xEF\xBB\xBF") ? 3 : 0;
  while (pos < rtf.size() && (rtf[pos] == ' ' || rtf[pos] == '\t' || rtf[pos] == '\r' ||
                              rtf[pos] == '\n' || rtf[pos] == '\f' || rtf[pos] == '\v')) {
    ++pos;
  }
  return rtf.sliced(pos).startsWith("{\\rtf") ? pos : -1;
}

}  // namespace

namespace {

// Gives each paragraph the format of its first character as its own, as an edit control
// does: text typed at the start of a paragraph continues it, and the toolbar shows it. In one
// edit block, so that moving the cursor does not lay each paragraph out to find its x.
void takeFirstCharacterFormats(QTextDocument &document) {
  QTextCursor cursor(&document);
  cursor.beginEditBlock();
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    const QTextBlock::iterator first = block.begin();
    if (first.atEnd()) continue;
    const QTextFragment fragment = first.fragment();
    if (fragment.charFormatIndex() == block.charFormatIndex()) continue;
    cursor.setPosition(block.position());
    cursor.setBlockCharFormat(fragment.charFormat());
  }
  cursor.endEditBlock();
}

}  // namespace

bool readRtf(QByteArrayView rtf, QTextDocument &document, QString *error,
             const ReadProgress &progress, bool *complete) {
  const qsizetype start = rtfStart(rtf);
  if (start < 0) {
    if (error) *error = u"The file is not an RTF document."_s;
    return false;
  }
  const bool undo = document.isUndoRedoEnabled();
  document.setUndoRedoEnabled(false);  // a loaded document starts with no history
  {
    Reader reader(rtf, document);
    const bool closed = reader.read(start, progress);
    if (complete) *complete = closed;
  }
  takeFirstCharacterFormats(document);
  document.setUndoRedoEnabled(undo);
  return true;
}

}  // namespace quillmark::richtext
