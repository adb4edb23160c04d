// Reads RTF into a document: a byte tokenizer drives an explicit stack of group states, and
// text gathered into runs goes into the document one QTextCursor::insertText per run. Each
// destination, a group whose text goes somewhere of its own, has its handlers: its control
// words, its characters, its end. Knows the document model (DocumentModel.h); knows nothing
// of the HTML converter. Beside it, one file per concern: the control words (RtfKeywords.h),
// character and paragraph formatting (RtfFormatting.h), the font and colour tables
// (RtfFontsColors.h), code pages (CodePages.h), list numbering (RtfLists.h), fields and
// hyperlink addresses (RtfFields.h), tables built row by row (RtfTables.h).
//
// Limits this reader relies on:
//   kMaxGroupDepth  groups nested deeper keep their text but not their formatting; a
//                   destination opened there is still skipped whole.
//   parameters      control-word numbers are clamped to the range of int, indents to
//                   kMaxIndentTwips, sizes to kMaxHalfPoints (RtfFormatting.h).
//   \binN           skips at most what is left of the input.
//   kMaxBulletsPerList  bullet paragraphs in a row go into lists of at most this many.
//   kMaxFaces       text in faces past this many different ones is in the default face.
//   kMaxListNumber, kMaxNumberTextLength (RtfLists.h)  list numbers and number texts.
//   kMaxTableRows, kMaxTableColumns (DocumentModel.h)  a table's rows and columns: the text
//                   of more joins the last row's or column's cells.
//   kMoveCellBudget (RtfTables.cpp)  cells moved to the columns of their "\cellx" edges:
//                   past it, a table's cells keep the columns of their count.
// Each limit has a row going past it in tests/pathological/EditorPathologicalTest.cpp.
// Everything else is linear in the input: no recursion, no rescanning, no per-character
// document edits.
#include "RtfReader.h"

#include <QColor>
#include <QCoreApplication>
#include <QSet>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFormat>
#include <QTextList>
#include <QTextTable>
#include <algorithm>
#include <array>
#include <cstdint>
#include <deque>
#include <limits>
#include <string_view>
#include <utility>
#include <vector>

#include "CodePages.h"
#include "DocumentModel.h"
#include "RtfFields.h"
#include "RtfFontsColors.h"
#include "RtfFormatting.h"
#include "RtfKeywords.h"
#include "RtfLists.h"
#include "RtfStyles.h"
#include "RtfTables.h"
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
constexpr int kDefaultUnicodeSkip = 1;
constexpr std::size_t kMaxCachedFormats = 64;
constexpr qsizetype kProgressBytes = 1 << 20;
// The longest quote source kept: a name, a post and a link, percent-encoded, fit well within.
constexpr qsizetype kMaxQuoteCite = 4096;
// The longest picture description and property name kept: the rest is left out.
constexpr qsizetype kMaxPictureText = 4096;
constexpr qsizetype kMaxPropertyName = 64;

// Where the text of a group goes.
enum class Destination : std::uint8_t {
  Text,              // the document
  Skip,              // nowhere: metadata, objects, unknown "\*" groups
  FontTable,         // font names
  ColorTable,        // colour entries
  ListText,          // the number or bullet shown before a list paragraph
  ListLevel,         // an old-style list definition ("\pn"): bullet or number, and how
  NumberText,        // the text before or after an old-style number ("\pntxtb", "\pntxta")
  ListTable,         // list definitions and their "\ls" numbers
  LevelText,         // a list level's number text ("\leveltext")
  FieldInstruction,  // a field's instruction: for a hyperlink, its address
  StyleSheet,        // the paragraph styles' numbers and names
  PictureResult,     // a picture field's result: the picture's alternative text
  QuoteCite,         // the paragraph's quote source (kQuoteCiteProperty), the program's own
  Picture,           // an embedded picture: its properties, the data skipped
  PropertyName,      // the name of a picture's property
  PictureText,       // its description ("wzDescription"), which takes its place in the text
};

// What a group is in: each group starts as a copy of the group around it.
struct GroupState {
  CharacterState chars;                         // the formatting of its text
  ParagraphState paragraph;                     // the formatting of the paragraph it ends
  int unicodeSkip = kDefaultUnicodeSkip;        // bytes standing in for each "\uN" ("\ucN")
  Destination destination = Destination::Text;  // where its text goes
  int field = 0;  // the innermost field (from 1) the group belongs to; 0: none
};

bool isAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

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

  // Groups and destinations.
  void dropLeadByte();
  void openGroup();
  bool closeGroup();  // false once the document's own group has closed
  bool startDestination(Destination destination);
  void finishListText();
  void finishFieldInstruction(int field);
  void placePicture(int field);
  void finishEmbeddedPicture();

  // Control words and symbols, by where they stand.
  void readControl();
  void controlSymbol(char symbol);
  void controlWord(std::string_view name, bool hasParameter, int parameter);
  void destinationWord(Op op);
  bool documentWord(const ControlWord &word);
  void formatWord(const ControlWord &word);
  void textWord(const ControlWord &word);
  void unicodeCharacter(int parameter);

  // Text: bytes through code pages to characters, each to its destination.
  void textByte(unsigned char byte);
  void decodeByte(CodePage &page, unsigned char byte);
  void textRun();
  void character(char16_t c);
  void documentCharacter(char16_t c);

  // The document: runs, formats, paragraphs and tables.
  void prepareRun();
  void flushRun();
  const QTextCharFormat &formatOf(const CharacterState &chars);
  void forgetFormatsOfLink(int field);
  void endParagraph();
  void applyParagraphFormat();
  ParagraphNumber numberParagraph();
  void placeInList(int level, const ParagraphNumber &number);
  void closeLists() { openLists_.fill({}); }
  void startRow();
  void endCell();
  void endRow();
  void finishTable();
  // A font-table or colour-table entry has ended.
  void fontsChanged();
  void finishColor();

  // What a destination does with the control words, bytes of text and characters of its
  // groups, and when its group closes into a group of another destination.
  struct Handler {
    void (*word)(Reader &reader, const ControlWord &word);
    // The code page the byte is text in; null when the destination has taken the byte or
    // drops it.
    CodePage *(*page)(Reader &reader, unsigned char byte);
    void (*character)(Reader &reader, char16_t c);
    void (*finish)(Reader &reader, const GroupState &closed);
  };
  static const Handler kHandlers[];  // one per destination, in the order of Destination
  const Handler &handler() const { return kHandlers[std::size_t(groups_.back().destination)]; }
  // Handlers more than one destination shares.
  static void formattedTextWord(Reader &reader, const ControlWord &word);
  static void plainTextWord(Reader &reader, const ControlWord &word) { reader.textWord(word); }
  static CodePage *runPage(Reader &reader, unsigned char byte);
  static CodePage *fontPage(Reader &reader, unsigned char byte);
  static void ignoreWord(Reader &, const ControlWord &) {}
  static CodePage *ignoreByte(Reader &, unsigned char) { return nullptr; }
  static void ignoreCharacter(Reader &, char16_t) {}
  static void nothingToFinish(Reader &, const GroupState &) {}

  QByteArrayView rtf_;             // the input
  qsizetype pos_ = 0;              // where in it the next token starts
  QTextCursor cursor_;             // where the text goes: the end of the document
  const QString defaultFamily_;    // the document's face, which text in it leaves unset
  const double defaultPointSize_;  // ... and its size
  const int bulletIndentTwips_;    // the indent a bullet takes of a list paragraph's

  std::vector<GroupState> groups_;  // open groups, innermost last; the first is outside all
  int overflowDepth_ = 0;           // groups open beyond kMaxGroupDepth
  int overflowSkipDepth_ = 0;       // a destination opened at this overflow depth is skipped
  int bytesToSkip_ = 0;             // stand-ins still to skip after a "\uN"
  bool ignorable_ = false;          // the last control was "\*"

  FontsAndColors fontsColors_;  // the font and colour tables, and the code pages of fonts
  QSet<QString> facesUsed_;     // the faces given to text so far

  QString run_;                       // text not yet in the document, all in runChars_
  CharacterState runChars_;           // the state run_ was gathered in
  bool stateChanged_ = true;          // the group state may differ from runChars_ / codePage_
  CodePage *codePage_ = nullptr;      // the code page of the text being read
  CodePage *leadBytePage_ = nullptr;  // holds a lead byte waiting for its trail byte
  // The formats made so far, for the states they were made for; reset when a table changes.
  std::deque<std::pair<CharacterState, QTextCharFormat>> formats_;
  bool formatCached_ = false;  // formats_ holds formats of the tables as they are now

  QString quoteCite_;             // the source of the quote whose title line is being read
  QString pictureText_;           // the description of the embedded picture being read
  QString propertyName_;          // ... and the name of its property being read
  QString listText_;              // the text of the "\pntext"/"\listtext" group being read
  bool paragraphBullet_ = false;  // the paragraph being read is a bullet item
  bool listTextGiven_ = false;    // ... or has its number or bullet as text of its own
  QString paragraphListText_;     // ... that number, put before its text at its end
  CharacterState listTextChars_;  // ... in the formatting of the text around it
  // The list each level's previous item belongs to, the list it was read from, and its
  // style; a paragraph of no list ends them all, an item ends those below its level.
  struct OpenList {
    QTextList *list = nullptr;
    bool oldStyle = false;
    int source = -1;  // the "\listid"; -1 for a bullet given as text only
    QTextListFormat::Style style = QTextListFormat::ListStyleUndefined;
  };
  std::array<OpenList, kMaxListLevel> openLists_{};
  StyleSheet styles_;            // the meaning of the paragraph styles
  ListNumbering lists_;          // numbers a word processor writes only in list definitions
  Fields fields_;                // every field met so far
  TableBuilder table_{cursor_};  // the table being read, if any
  RowDefinition rowDefinition_;  // the definition of its row being read
};

// Each destination's handlers. The groups of text take formatting and text words; the
// tables and list definitions their own words; a ';' ends a font or colour entry whatever
// the code page.
const Reader::Handler Reader::kHandlers[] = {
    // Text: the document.
    {formattedTextWord, runPage, [](Reader &r, char16_t c) { r.documentCharacter(c); },
     nothingToFinish},
    // Skip: nowhere (skipping() stops everything before it gets here).
    {ignoreWord, ignoreByte, ignoreCharacter, nothingToFinish},
    // FontTable: each entry's words and its name, up to a ';'.
    {[](Reader &r, const ControlWord &word) {
       if (r.fontsColors_.fontWord(word)) r.fontsChanged();
     },
     [](Reader &r, unsigned char byte) -> CodePage * {
       if (byte != ';') return &r.fontsColors_.fontNameCodePage();
       if (r.fontsColors_.fontCharacter(u';')) r.fontsChanged();
       return nullptr;
     },
     [](Reader &r, char16_t c) {
       if (r.fontsColors_.fontCharacter(c)) r.fontsChanged();
     },
     [](Reader &r, const GroupState &) {
       if (r.fontsColors_.finishFont()) r.fontsChanged();
     }},
    // ColorTable: each entry's components, up to a ';'.
    {[](Reader &r, const ControlWord &word) { r.fontsColors_.colorWord(word); },
     [](Reader &r, unsigned char byte) -> CodePage * {
       if (byte == ';') r.finishColor();
       return nullptr;
     },
     [](Reader &r, char16_t c) {
       if (c == u';') r.finishColor();
     },
     nothingToFinish},
    // ListText: text, kept apart until the group ends.
    {formattedTextWord, runPage,
     [](Reader &r, char16_t c) {
       if (isTextCharacter(c)) r.listText_ += QChar(c);
     },
     [](Reader &r, const GroupState &) { r.finishListText(); }},
    // ListLevel: the words of an old-style number; its texts are groups of their own.
    {[](Reader &r, const ControlWord &word) { r.lists_.oldStyleWord(word); }, ignoreByte,
     ignoreCharacter,
     [](Reader &r, const GroupState &) {
       if (r.lists_.finishOldStyle(r.top().destination == Destination::Text)) {
         r.paragraphBullet_ = true;
       }
     }},
    // NumberText: characters in the face of the text.
    {plainTextWord, fontPage, [](Reader &r, char16_t c) { r.lists_.numberTextCharacter(c); },
     [](Reader &r, const GroupState &) { r.lists_.finishNumberText(); }},
    // ListTable: list definitions and overrides.
    {[](Reader &r, const ControlWord &word) { r.lists_.tableWord(word); }, ignoreByte,
     ignoreCharacter, nothingToFinish},
    // LevelText: characters and placeholders.
    {plainTextWord, fontPage, [](Reader &r, char16_t c) { r.lists_.levelTextCharacter(c); },
     [](Reader &r, const GroupState &) { r.lists_.finishLevelText(); }},
    // FieldInstruction: the instruction's text.
    {formattedTextWord, fontPage,
     [](Reader &r, char16_t c) { r.fields_.instructionCharacter(r.top().field, c); },
     [](Reader &r, const GroupState &closed) { r.finishFieldInstruction(closed.field); }},
    // StyleSheet: each entry's number and name, up to a ';'.
    {[](Reader &r, const ControlWord &word) { r.styles_.word(word); },
     [](Reader &r, unsigned char byte) -> CodePage * {
       if (byte != ';') return fontPage(r, byte);
       r.styles_.character(u';');
       return nullptr;
     },
     [](Reader &r, char16_t c) { r.styles_.character(c); }, nothingToFinish},
    // PictureResult: text kept apart as the picture's alternative text.
    {plainTextWord, fontPage,
     [](Reader &r, char16_t c) { r.fields_.altCharacter(r.top().field, c); }, nothingToFinish},
    // QuoteCite: printable ASCII, kept for the paragraph it stands in.
    {ignoreWord, fontPage,
     [](Reader &r, char16_t c) {
       if (c > 0x20 && c < 0x7F && r.quoteCite_.size() < kMaxQuoteCite) r.quoteCite_ += QChar(c);
     },
     nothingToFinish},
    // Picture: words, bytes and characters of the data alike skipped; its end places it.
    {ignoreWord, ignoreByte, ignoreCharacter,
     [](Reader &r, const GroupState &) { r.finishEmbeddedPicture(); }},
    // PropertyName: kept while it can be a name.
    {plainTextWord, fontPage,
     [](Reader &r, char16_t c) {
       if (r.propertyName_.size() < kMaxPropertyName) r.propertyName_ += QChar(c);
     },
     nothingToFinish},
    // PictureText: text, kept for the picture.
    {plainTextWord, fontPage,
     [](Reader &r, char16_t c) {
       if (isTextCharacter(c) && r.pictureText_.size() < kMaxPictureText)
         r.pictureText_ += QChar(c);
     },
     nothingToFinish},
};

// Formatting only affects its group; past the depth limit there is no group state of its
// own to change, so formatting is dropped there.
void Reader::formattedTextWord(Reader &reader, const ControlWord &word) {
  if (reader.overflowDepth_ == 0) reader.formatWord(word);
  reader.textWord(word);
}

// Text gathered into the run, in the current format.
CodePage *Reader::runPage(Reader &reader, unsigned char) {
  reader.prepareRun();
  return reader.codePage_;
}

CodePage *Reader::fontPage(Reader &reader, unsigned char) {
  return &reader.fontsColors_.codePageOfFont(reader.top().chars.font);
}

bool Reader::read(qsizetype start, const ReadProgress &progress) {
  static_assert(std::size(kHandlers) == std::size_t(Destination::PictureText) + 1);
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
  if (closed.destination != top().destination) {
    kHandlers[std::size_t(closed.destination)].finish(*this, closed);
  }
  // A picture field's group has closed: the picture takes its place in the text.
  if (closed.field > 0 && closed.field != top().field && !fields_.picture(closed.field).isEmpty()) {
    placePicture(closed.field);
  }
  return true;
}

// Sends the current group's text to `destination`; false past the depth limit, where only
// skipping is possible: the group of a destination opened there is skipped whole.
bool Reader::startDestination(Destination destination) {
  if (overflowDepth_ > 0) {
    overflowSkipDepth_ = overflowDepth_;
    return false;
  }
  top().destination = destination;
  return true;
}

// An embedded picture has ended: the editor holds pictures by address only, so its
// description, where it has one, takes its place in the text.
void Reader::finishEmbeddedPicture() {
  const QString text = std::exchange(pictureText_, QString()).trimmed();
  if (top().destination != Destination::Text) return;
  for (const QChar c : text) documentCharacter(c.unicode());
}

// A bullet makes the paragraph a list item; a number stays in the text, so that a numbered
// list keeps its numbers. A blank one leaves the number to the list's definition
// (numberParagraph).
void Reader::finishListText() {
  if (isBulletText(listText_)) {
    paragraphBullet_ = true;
    listTextGiven_ = true;
  } else if (!listText_.trimmed().isEmpty() && top().destination == Destination::Text) {
    if (table_.inRow()) {
      for (const QChar c : std::as_const(listText_)) documentCharacter(c.unicode());
    } else {
      // Kept until the paragraph ends: an item of a list the numbering defines shows its
      // number from its list, not as text.
      paragraphListText_ = listText_;
      listTextChars_ = top().chars;
    }
    listTextGiven_ = true;
  }
  listText_.clear();
}

// Puts a picture field's picture at the end of the text: an image by its address, its
// result text the alternative text. In a table cell, where no picture can stand, that text.
void Reader::placePicture(int field) {
  const auto [address, alt] = fields_.takePicture(field);
  if (top().destination != Destination::Text || skipping()) return;
  if (table_.inRow()) {
    for (const QChar c : alt) documentCharacter(c.unicode());
    return;
  }
  finishTable();
  prepareRun();
  flushRun();
  QTextImageFormat image;
  image.merge(formatOf(top().chars));
  clearLink(image);
  image.setName(address);
  if (!alt.isEmpty()) image.setProperty(QTextFormat::ImageAltText, alt);
  cursor_.insertImage(image);
}

// A second instruction of a field already shown as a link changes its formats.
void Reader::finishFieldInstruction(int field) {
  QString address = fields_.takeAddress(field);
  if (address != fields_.address(field)) {
    if (runChars_.link == field) flushRun();  // the text so far links to the old one
    forgetFormatsOfLink(field);
  }
  fields_.setAddress(field, std::move(address));
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
  const bool wasIgnorable = std::exchange(ignorable_, false);
  if (skipping()) return;
  if (keyword == nullptr || !isDestination(keyword->op)) {
    // "\*" before a word this reader does not take for a destination: skip the group.
    if (wasIgnorable) {
      startDestination(Destination::Skip);
      return;
    }
    if (keyword == nullptr) return;  // not one this reader needs
  }
  const ControlWord word{keyword->op, keyword->value, hasParameter, parameter};
  if (isDestination(word.op)) return destinationWord(word.op);
  if (!documentWord(word)) handler().word(*this, word);
}

// A word that starts a destination in the current group, with what the destination starts
// from. Each destination is skipped where it cannot stand.
void Reader::destinationWord(Op op) {
  const Destination outer = top().destination;
  switch (op) {
    case Op::FontTable:
      if (startDestination(Destination::FontTable)) fontsColors_.beginFontTable();
      return;
    case Op::ColorTable:
      if (startDestination(Destination::ColorTable)) fontsColors_.beginColorTable();
      return;
    case Op::ListText:
      if (startDestination(Destination::ListText) && outer != Destination::ListText) {
        listText_.clear();
      }
      return;
    case Op::ListLevel:
      if (startDestination(Destination::ListLevel)) lists_.beginOldStyle();
      return;
    case Op::ListTable:
    case Op::ListOverrideTable:
      if (startDestination(Destination::ListTable)) lists_.beginTable(op == Op::ListOverrideTable);
      return;
    case Op::LevelText:
      if (outer != Destination::ListTable) {
        startDestination(Destination::Skip);
      } else if (startDestination(Destination::LevelText)) {
        lists_.beginLevelText();
      }
      return;
    case Op::NumberTextBefore:
    case Op::NumberTextAfter:
      if (outer != Destination::ListLevel) {
        startDestination(Destination::Skip);
      } else if (startDestination(Destination::NumberText)) {
        lists_.beginNumberText(op == Op::NumberTextAfter);
      }
      return;
    case Op::FieldInstruction:
      // A field's instruction; outside a field there is nothing to instruct.
      startDestination(top().field > 0 ? Destination::FieldInstruction : Destination::Skip);
      return;
    case Op::StyleSheet:
      startDestination(Destination::StyleSheet);
      return;
    case Op::QuoteCite:
      if (startDestination(Destination::QuoteCite)) quoteCite_.clear();
      return;
    case Op::FieldResult:
      // A picture's result is its alternative text.
      if (top().field > 0 && !fields_.picture(top().field).isEmpty()) {
        startDestination(Destination::PictureResult);
        return;
      }
      // A field's result is text like any other; a hyperlink's is a link.
      if (overflowDepth_ == 0 && top().field > 0 && !fields_.address(top().field).isEmpty()) {
        top().chars.link = top().field;
        stateChanged_ = true;
      }
      return;
    case Op::Picture:
      // Where the document's text goes; a "\pict" in a "\shppict" is the same picture.
      if (outer == Destination::Picture) return;
      if (outer != Destination::Text) {
        startDestination(Destination::Skip);
      } else if (startDestination(Destination::Picture)) {
        pictureText_.clear();
      }
      return;
    case Op::PictureProperties:
      if (outer != Destination::Picture) startDestination(Destination::Skip);
      return;
    case Op::PropertyName:
      if (outer != Destination::Picture) {
        startDestination(Destination::Skip);
      } else if (startDestination(Destination::PropertyName)) {
        propertyName_.clear();
      }
      return;
    case Op::PropertyValue:
      // Of a picture's properties, its description (Word's and LibreOffice's name for it).
      if (outer != Destination::Picture || propertyName_ != u"wzDescription") {
        startDestination(Destination::Skip);
      } else if (startDestination(Destination::PictureText)) {
        pictureText_.clear();
      }
      return;
    case Op::SkipDestination:
      startDestination(Destination::Skip);
      return;
    default:
      return;  // no destination
  }
}

// The words that act wherever they stand: fields, the document's code page and default
// font, and "\uN" characters. False for any other word.
bool Reader::documentWord(const ControlWord &word) {
  switch (word.op) {
    case Op::Field:
      if (overflowDepth_ == 0) top().field = fields_.open();
      return true;
    case Op::Ansi:
      fontsColors_.setAnsiCodePage(word.value);
      stateChanged_ = true;
      return true;
    case Op::AnsiCodePage:
      if (word.hasParameter && word.parameter > 0) fontsColors_.setAnsiCodePage(word.parameter);
      stateChanged_ = true;
      return true;
    case Op::DefaultFont:
      flushRun();  // the text so far keeps the face it was given
      fontsColors_.setDefaultFont(word.parameter);
      formatCached_ = false;  // the face of text in no font of its own
      stateChanged_ = true;
      return true;
    case Op::Unicode:
      if (word.hasParameter) unicodeCharacter(word.parameter);
      return true;
    default:
      return false;
  }
}

// Character and paragraph formatting of the current group, and its "\ucN".
void Reader::formatWord(const ControlWord &word) {
  GroupState &state = top();
  if (word.op == Op::UnicodeSkip) {
    state.unicodeSkip = std::max(0, word.parameter);
  } else if (setCharacterFormat(state.chars, word)) {
    stateChanged_ = true;
  } else {
    setParagraphFormat(state.paragraph, word);
  }
}

// Characters and breaks. Breaks belong to the document's text only: a list number's "\par"
// or "\cell" would end the paragraph it numbers.
void Reader::textWord(const ControlWord &word) {
  const bool documentText = top().destination == Destination::Text;
  switch (word.op) {
    case Op::Character:
      character(word.value);
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
      if (!documentText) break;
      rowDefinition_.reset();
      if (table_.inTable()) startRow();
      break;
    case Op::CellEdge:
      if (documentText)
        rowDefinition_.endCell(word.hasParameter ? word.parameter : RowDefinition::kNoEdge);
      break;
    case Op::HeaderRow:
      if (documentText) rowDefinition_.header = true;
      break;
    case Op::MergeAcross:
      if (documentText) rowDefinition_.next.horizontal = CellMerge(word.value);
      break;
    case Op::MergeDown:
      if (documentText) rowDefinition_.next.vertical = CellMerge(word.value);
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

void Reader::textByte(unsigned char byte) {
  ignorable_ = false;
  if (skipping()) return;
  if (CodePage *page = handler().page(*this, byte)) decodeByte(*page, byte);
}

// A byte of text in `page`, to the current destination as the characters it completes.
void Reader::decodeByte(CodePage &page, unsigned char byte) {
  if (page.isSingleByte()) {
    character(page.table()[byte]);
    return;
  }
  QString text = page.decodeMultiByte(static_cast<char>(byte));
  if (leadBytePage_ == &page && byte < 0x80 && text == QString(QChar::ReplacementCharacter)) {
    // An ASCII byte that is no trail byte for the lead byte before it: the lead byte is
    // lost, the ASCII character kept.
    page.dropLeadByte();
    text += page.decodeMultiByte(static_cast<char>(byte));
  }
  leadBytePage_ = text.isEmpty() ? &page : nullptr;
  for (const QChar c : text) character(c.unicode());
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
  if (bytesToSkip_ == 0 && top().destination == Destination::Text &&
      (table_.inRow() || !table_.inTable())) {
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

// A character of text, to the current destination.
void Reader::character(char16_t c) {
  if (!skipping()) handler().character(*this, c);
}

void Reader::documentCharacter(char16_t c) {
  // Characters the document would take for structure instead of text.
  if (c == u'\r' || c == u'\n' || c == QChar::ParagraphSeparator) {
    endParagraph();
    return;
  }
  if (!isTextCharacter(c)) return;
  if (!table_.inRow()) finishTable();  // text after a table's last row
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
    codePage_ = &fontsColors_.codePageOfFont(chars.font);
    stateChanged_ = false;
  }
}

void Reader::flushRun() {
  if (run_.isEmpty()) return;
  if (table_.inRow()) table_.prepareText();
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
  const FontEntry *font = fontsColors_.font(chars.font);
  if (font != nullptr && !font->name.isEmpty() && font->name != defaultFamily_) {
    const bool known = facesUsed_.contains(font->name);
    if (known || facesUsed_.size() < kMaxFaces) {
      if (!known) facesUsed_.insert(font->name);
      setFontName(format, font->name);
    }
  }
  if (chars.halfPoints > 0 && chars.halfPoints / 2.0 != defaultPointSize_) {
    format.setFontPointSize(chars.halfPoints / 2.0);
  }
  if (const QColor color = fontsColors_.color(chars.color); color.isValid()) {
    format.setForeground(color);
  }
  if (chars.link > 0) setLink(format, fields_.address(chars.link));
  return formats_.emplace_back(chars, std::move(format)).second;
}

void Reader::endParagraph() {
  if (table_.inRow()) {
    flushRun();
    table_.endParagraph(top().paragraph.alignment, formatOf(top().chars));
    paragraphBullet_ = false;
    listTextGiven_ = false;
    paragraphListText_.clear();
    lists_.skipParagraph();
    quoteCite_.clear();  // a cell holds no quote
    return;
  }
  finishTable();
  flushRun();
  applyParagraphFormat();
  paragraphBullet_ = false;
  cursor_.insertBlock(QTextBlockFormat(), formatOf(top().chars));
}

// Gives the paragraph being read the formatting in effect at its end: alignment, indents,
// its list, and what its style and border say it is (a heading, a quote, a rule).
void Reader::applyParagraphFormat() {
  const ParagraphNumber number = numberParagraph();
  listTextGiven_ = false;
  const ParagraphState &paragraph = top().paragraph;
  const StyleMeaning meaning = styles_.meaning(paragraph.style);
  QTextBlockFormat format;
  if (paragraph.alignment != Alignment::Left) format.setAlignment(qtAlignment(paragraph.alignment));
  const bool item = number.item || paragraphBullet_;
  const int level = number.item ? std::min(number.level + 1, kMaxListLevel) : 1;
  // The quotes' indents come first, then the bullets' of each level; what is left is the
  // paragraph's own.
  const int quoteTwips = pixelsToTwips(kQuoteIndentPixels) * meaning.quote;
  const int listTwips = item ? bulletIndentTwips_ * level : 0;
  const int ownTwips = item || meaning.quote > 0
                           ? std::max(0, paragraph.leftTwips - listTwips - quoteTwips)
                           : paragraph.leftTwips;
  const double leftPixels = twipsToPixels(ownTwips) + meaning.quote * kQuoteIndentPixels;
  if (leftPixels != 0) format.setLeftMargin(leftPixels);
  // The hanging first line of an item is its bullet's own.
  if (!item && paragraph.firstTwips != 0) format.setTextIndent(twipsToPixels(paragraph.firstTwips));
  if (paragraph.spaceBeforeTwips > 0)
    format.setTopMargin(twipsToPixels(paragraph.spaceBeforeTwips));
  if (paragraph.spaceAfterTwips > 0)
    format.setBottomMargin(twipsToPixels(paragraph.spaceAfterTwips));
  if (meaning.quote > 0) format.setProperty(QTextFormat::BlockQuoteLevel, meaning.quote);
  if (!quoteCite_.isEmpty()) format.setProperty(kQuoteCiteProperty, std::exchange(quoteCite_, {}));
  if (meaning.heading > 0) format.setHeadingLevel(meaning.heading);
  if (paragraph.bottomBorder && cursor_.block().length() == 1) {
    format.setProperty(QTextFormat::BlockTrailingHorizontalRulerWidth,
                       QTextLength(QTextLength::PercentageLength, 100));
  }
  cursor_.setBlockFormat(format);
  if (number.item) {
    placeInList(level, number);
  } else if (paragraphBullet_) {
    ParagraphNumber bullet;
    bullet.bullet = true;
    bullet.list = -1;
    placeInList(1, bullet);
  } else {
    closeLists();
  }
}

// The list style of an item in a "\levelnfc" format at `level` (from 1): bullets by level,
// as the editor makes them.
QTextListFormat::Style listStyleOf(int format, int level, bool bullet) {
  if (bullet || format == kFormatBullet) {
    static constexpr QTextListFormat::Style kBullets[] = {
        QTextListFormat::ListDisc, QTextListFormat::ListCircle, QTextListFormat::ListSquare};
    return kBullets[std::size_t(level - 1) % std::size(kBullets)];
  }
  switch (format) {
    case kFormatUpperRoman:
      return QTextListFormat::ListUpperRoman;
    case kFormatLowerRoman:
      return QTextListFormat::ListLowerRoman;
    case kFormatUpperLetter:
      return QTextListFormat::ListUpperAlpha;
    case kFormatLowerLetter:
      return QTextListFormat::ListLowerAlpha;
    default:
      return QTextListFormat::ListDecimal;
  }
}

// Makes the paragraph an item at `level` (from 1): of the list its level's previous item
// belongs to when that came from the same list and is not full, else of a new one that
// starts at the item's number. The levels below end.
void Reader::placeInList(int level, const ParagraphNumber &number) {
  for (std::size_t below = std::size_t(level); below < openLists_.size(); ++below) {
    openLists_[below] = {};
  }
  OpenList &open = openLists_[std::size_t(level - 1)];
  const QTextListFormat::Style style = listStyleOf(number.format, level, number.bullet);
  if (open.list != nullptr && open.oldStyle == number.oldStyle && open.source == number.list &&
      open.style == style && open.list->count() < kMaxBulletsPerList) {
    open.list->add(cursor_.block());
    return;
  }
  QTextListFormat listFormat;
  listFormat.setStyle(style);
  listFormat.setIndent(level);
  if (!number.bullet && number.number != 1)
    listFormat.setProperty(kListStartProperty, number.number);
  open = {cursor_.createList(listFormat), number.oldStyle, number.list, style};
}

// Numbers the paragraph that ends. An item of a list the numbering defines is placed in its
// list (applyParagraphFormat); any other paragraph with a number of its own ("\listtext")
// keeps it as text at its start, so that the number shows in every reader.
ParagraphNumber Reader::numberParagraph() {
  const ParagraphState &paragraph = top().paragraph;
  const ParagraphNumber number = lists_.paragraphNumber(paragraph.list, paragraph.level);
  const QString text = std::exchange(paragraphListText_, {});
  if (number.item || paragraphBullet_ || text.isEmpty()) return number;
  QTextCursor start = cursor_;
  start.movePosition(QTextCursor::StartOfBlock);
  start.insertText(text, formatOf(listTextChars_));
  return number;
}

// A row starts, at "\intbl" or at the first "\cell" or "\row" of a row without it: the
// text of the paragraph so far is the beginning of its first cell. A table's first row
// starts the table in the place of the paragraph, right after the paragraph before it;
// lists end before it.
void Reader::startRow() {
  if (table_.inRow()) return;
  flushRun();
  QString text;
  if (!table_.inTable()) {
    QTextCursor paragraph = cursor_;
    paragraph.movePosition(QTextCursor::StartOfBlock, QTextCursor::KeepAnchor);
    text = paragraph.selectedText();
    text.removeIf([](QChar c) { return !isTextCharacter(c.unicode()); });
    paragraph.removeSelectedText();
    const QTextBlock before = cursor_.block().previous();
    if (before.isValid() && QTextCursor(before).currentTable() == nullptr) {
      // Joined to the paragraph before, which keeps its own formats.
      const QTextBlockFormat format = before.blockFormat();
      const QTextCharFormat chars = before.charFormat();
      cursor_.deletePreviousChar();
      cursor_.setBlockFormat(format);
      cursor_.setBlockCharFormat(chars);
    } else {
      cursor_.setBlockFormat(QTextBlockFormat());
    }
    closeLists();
  }
  table_.startRow(int(rowDefinition_.cells.size()));
  paragraphBullet_ = false;
  if (!text.isEmpty()) {
    prepareRun();
    run_ += text;
  }
}

void Reader::endCell() {
  startRow();
  flushRun();
  table_.endCell(top().paragraph.alignment);
  paragraphBullet_ = false;
}

void Reader::endRow() {
  startRow();
  flushRun();
  table_.endRow(rowDefinition_);
  paragraphBullet_ = false;
}

// Puts the table read so far into the document, leaving the cursor at the start of the
// paragraph after it, which starts in the formatting in effect.
void Reader::finishTable() {
  if (!table_.inTable()) return;
  paragraphBullet_ = false;
  flushRun();
  table_.finish(rowDefinition_);
  cursor_.setBlockFormat(QTextBlockFormat());
  cursor_.setBlockCharFormat(formatOf(top().chars));
  closeLists();
}

// A font-table entry ended: text may now be in another face or code page.
void Reader::fontsChanged() {
  formatCached_ = false;
  stateChanged_ = true;
}

// A colour-table entry ended: text may now be in another colour.
void Reader::finishColor() {
  fontsColors_.finishColor();
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
    // A cell's first paragraph: its character format is the cell's, with its spans.
    if (const QTextTable *table = QTextCursor(block).currentTable();
        table != nullptr && table->cellAt(block.position()).firstPosition() == block.position()) {
      continue;
    }
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
    if (error)
      *error = QCoreApplication::translate("DocumentFile", "The file is not an RTF document.");
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
