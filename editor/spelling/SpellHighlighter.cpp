// The spelling underline: which words of a paragraph are checked, and the lazy highlighter
// that checks only the paragraphs on screen.
#include "SpellHighlighter.h"

#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>

#include "SpellChecker.h"

using namespace Qt::StringLiterals;

namespace quillmark {

namespace {

constexpr char16_t kBeginFixed[] = u"{Begin Fixed}";
constexpr char16_t kEndFixed[] = u"{End Fixed}";
// Paragraphs above and below the view that are checked too, so that a short scroll shows
// them finished.
constexpr int kShownMargin = 20;

enum BlockState : int { kOutsideFixed = 0, kInsideFixed = 1 };

// Remembers the checker's generation a paragraph was last checked with.
struct CheckedData : QTextBlockUserData {
  explicit CheckedData(quint64 g) : generation(g) {}
  quint64 generation;
};

bool isWordCharacter(QChar c) { return c.isLetterOrNumber() || c.isMark() || c == u'_'; }
bool isApostrophe(QChar c) { return c == u'\'' || c == u'\u2019'; }

bool startsWebAddress(QStringView chunk) {
  return chunk.startsWith(u"http://", Qt::CaseInsensitive) ||
         chunk.startsWith(u"https://", Qt::CaseInsensitive) ||
         chunk.startsWith(u"www.", Qt::CaseInsensitive) || chunk.contains(u"://");
}

// The words of one chunk of text between blanks, outside any fixed block.
void addWordsOfChunk(QStringView text, qsizetype from, qsizetype to, std::vector<WordSpan> &words) {
  QStringView chunk = text.sliced(from, to - from);
  // Leading punctuation, as in "(www.example.com)" or "<http://...>".
  qsizetype lead = 0;
  while (lead < chunk.size() && !chunk[lead].isLetterOrNumber()) ++lead;
  if (startsWebAddress(chunk.sliced(lead)) || chunk.contains(u'@')) return;
  qsizetype i = 0;
  while (i < chunk.size()) {
    if (!isWordCharacter(chunk[i])) {
      ++i;
      continue;
    }
    const qsizetype start = i;
    bool skip = false;
    while (i < chunk.size()) {
      const QChar c = chunk[i];
      if (isWordCharacter(c)) {
        skip = skip || c.isDigit() || c == u'_' || c.isNumber();
        ++i;
      } else if (isApostrophe(c) && i + 1 < chunk.size() && chunk[i + 1].isLetter()) {
        ++i;  // "don't", "writer’s"
      } else {
        break;
      }
    }
    if (!skip && i - start > 1) words.push_back({int(from + start), int(i - start)});
  }
}

}  // namespace

ParagraphWords wordsToCheck(QStringView text, bool startsInsideFixed) {
  ParagraphWords result;
  bool inside = startsInsideFixed;
  const QStringView begin(kBeginFixed);
  const QStringView end(kEndFixed);
  qsizetype i = 0;
  while (i < text.size()) {
    if (inside) {
      const qsizetype close = text.indexOf(end, i);
      if (close < 0) break;
      i = close + end.size();
      inside = false;
      continue;
    }
    // The text up to the next fixed block, chunk by chunk between blanks.
    const qsizetype open = text.indexOf(begin, i);
    const qsizetype stop = open < 0 ? text.size() : open;
    while (i < stop) {
      if (text[i].isSpace()) {
        ++i;
        continue;
      }
      qsizetype chunkEnd = i;
      while (chunkEnd < stop && !text[chunkEnd].isSpace()) ++chunkEnd;
      addWordsOfChunk(text, i, chunkEnd, result.words);
      i = chunkEnd;
    }
    if (open < 0) break;
    i = open + begin.size();
    inside = true;
  }
  result.endsInsideFixed = inside;
  return result;
}

SpellHighlighter::SpellHighlighter(QTextEdit &edit, SpellChecker &checker)
    : QSyntaxHighlighter(static_cast<QObject *>(nullptr)), edit_(edit), checker_(checker) {
  visibleCheck_.setSingleShot(true);
  visibleCheck_.setInterval(0);
  visibleCheck_.callOnTimeout(this, &SpellHighlighter::checkVisibleParagraphs);
  const auto schedule = [this] { scheduleVisibleCheck(); };
  connect(edit_.verticalScrollBar(), &QScrollBar::valueChanged, this, schedule);
  connect(edit_.verticalScrollBar(), &QScrollBar::rangeChanged, this, schedule);
  connect(edit_.horizontalScrollBar(), &QScrollBar::valueChanged, this, schedule);
}

// Detaches while the timer still exists: taking the underlines away changes the layout and
// the scroll range, whose signals would otherwise start a timer already destroyed.
SpellHighlighter::~SpellHighlighter() { setChecking(false); }

QTextCharFormat SpellHighlighter::misspeltFormat() {
  QTextCharFormat format;
  format.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
  format.setUnderlineColor(Qt::red);
  return format;
}

void SpellHighlighter::setChecking(bool on) {
  if (on == checking_) return;
  checking_ = on;
  // Detaching clears every underline. Attaching goes through every paragraph once, with
  // none counted as shown, so that the pass only notes the fixed blocks; the paragraphs
  // on screen are then checked in one batch.
  firstShown_ = -1;
  lastShown_ = -1;
  setDocument(on ? edit_.document() : nullptr);
  if (on) followLayout();
}

// The edit may hold another document now (a file opened replaces it): the underlines follow.
void SpellHighlighter::recheck() {
  if (!checking_) return;
  if (document() != edit_.document()) {
    firstShown_ = -1;
    lastShown_ = -1;
    setDocument(edit_.document());
    followLayout();
  }
  scheduleVisibleCheck();
}

// The layout goes on in the background after a jump: each step it makes may bring more
// paragraphs on screen, so each is a moment to check those shown.
void SpellHighlighter::followLayout() {
  connect(edit_.document()->documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged,
          this, &SpellHighlighter::scheduleVisibleCheck, Qt::UniqueConnection);
  scheduleVisibleCheck();
}

bool SpellHighlighter::startsInsideFixed(const QTextBlock &block) const {
  return block.previous().isValid() && block.previous().userState() == kInsideFixed;
}

QList<QTextLayout::FormatRange> SpellHighlighter::misspeltRanges(const QString &text,
                                                                 bool startsInside,
                                                                 bool &endsInside) {
  const ParagraphWords words = wordsToCheck(text, startsInside);
  endsInside = words.endsInsideFixed;
  static const QTextCharFormat misspelt = misspeltFormat();
  QList<QTextLayout::FormatRange> ranges;
  for (const WordSpan &word : words.words) {
    if (!checker_.check(text.mid(word.start, word.length)))
      ranges.append({word.start, word.length, misspelt});
  }
  ++checkedParagraphs_;
  return ranges;
}

void SpellHighlighter::highlightBlock(const QString &text) {
  const bool inside = previousBlockState() == kInsideFixed;
  const int number = currentBlock().blockNumber();
  if (number < firstShown_ || number > lastShown_) {
    // Off screen: only the state the next paragraph needs. Its spelling waits until shown.
    const qsizetype open = text.lastIndexOf(QStringView(kBeginFixed));
    const qsizetype close = text.lastIndexOf(QStringView(kEndFixed));
    const bool endsInside = open >= 0 || close >= 0 ? open > close : inside;
    setCurrentBlockState(endsInside ? kInsideFixed : kOutsideFixed);
    if (currentBlockUserData()) setCurrentBlockUserData(nullptr);
    return;
  }
  bool endsInside = false;
  for (const QTextLayout::FormatRange &range : misspeltRanges(text, inside, endsInside))
    setFormat(range.start, range.length, range.format);
  setCurrentBlockState(endsInside ? kInsideFixed : kOutsideFixed);
  setCurrentBlockUserData(new CheckedData(checker_.generation()));
}

void SpellHighlighter::scheduleVisibleCheck() {
  if (checking_) visibleCheck_.start();
}

// Checks the paragraphs on screen that were not checked with the checker's answers of now.
// They are found in the layout's coordinates: the first by a binary search on the
// paragraphs' places (none when the view is at the top: a probe in the middle of a large
// document would lay it out down to there), the others by walking on until one starts below
// the view.
void SpellHighlighter::checkVisibleParagraphs() {
  QTextDocument *document = this->document();
  if (!checking_ || !document) return;
  QAbstractTextDocumentLayout &layout = *document->documentLayout();
  const int top = edit_.verticalScrollBar()->value();
  const int bottom = top + edit_.viewport()->height();
  int low = 0;
  int high = document->blockCount() - 1;
  while (top > 0 && low < high) {
    const int middle = low + (high - low) / 2;
    if (layout.blockBoundingRect(document->findBlockByNumber(middle)).bottom() < top)
      low = middle + 1;
    else
      high = middle;
  }
  QTextBlock block = document->findBlockByNumber(std::max(0, low - kShownMargin));
  firstShown_ = block.blockNumber();
  lastShown_ = firstShown_;
  int below = 0;  // paragraphs checked past the view's bottom
  for (; block.isValid() && below <= kShownMargin; block = block.next()) {
    const QRectF place = layout.blockBoundingRect(block);
    // Past the end of what the layout has done so far (it goes on in the background and
    // changes the scroll range, which brings us back here).
    if (place.height() <= 0 && block.length() > 0 && block.blockNumber() > low) break;
    if (place.top() > bottom) ++below;
    lastShown_ = block.blockNumber();
  }
  // The underlines go straight into the paragraphs' layouts, and the layout hears of them
  // once for the whole range: told paragraph by paragraph (as rehighlightBlock() does), it
  // would place every paragraph after each of them again, which in a large document takes
  // as long as a keystroke each time.
  const quint64 generation = checker_.generation();
  int from = -1;
  int to = -1;
  for (block = document->findBlockByNumber(firstShown_);
       block.isValid() && block.blockNumber() <= lastShown_; block = block.next()) {
    const auto *data = static_cast<const CheckedData *>(block.userData());
    if (data && data->generation == generation) continue;
    bool endsInside = false;
    const QList<QTextLayout::FormatRange> ranges =
        misspeltRanges(block.text(), startsInsideFixed(block), endsInside);
    block.setUserData(new CheckedData(generation));
    if (ranges == block.layout()->formats()) continue;
    block.layout()->setFormats(ranges);
    if (from < 0) from = block.position();
    to = block.position() + block.length();
  }
  if (from >= 0) document->markContentsDirty(from, to - from);
}

}  // namespace quillmark
