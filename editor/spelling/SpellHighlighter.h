#pragma once
// The red wavy underline under misspelt words, drawn by a QSyntaxHighlighter over the
// document of a QTextEdit.
//
// It is lazy, so that a large document costs nothing to load and typing stays as fast as
// without it. Qt calls highlightBlock() for every paragraph once when checking starts and
// then for each paragraph an edit changes; for a paragraph that is not on screen it only
// notes whether the paragraph is inside a fixed-columns block (a string search) and leaves
// the spelling for later. When the view scrolls or changes size, the paragraphs now shown
// that were not checked since the last change of the dictionary are checked. The checker
// caches each word's answer, so a word is looked up once per change.
#include <QSyntaxHighlighter>
#include <QTextCharFormat>
#include <QTextLayout>
#include <QTimer>
#include <vector>

class QTextEdit;

namespace quillmark {

class SpellChecker;

// What of a paragraph's text is checked: the words outside the fixed-columns block (which
// starts after "{Begin Fixed}" and ends with "{End Fixed}", in this paragraph or an earlier
// one), other than web addresses, e-mail addresses and words with digits or underscores.
struct WordSpan {
  int start = 0;
  int length = 0;
  friend bool operator==(const WordSpan &, const WordSpan &) = default;
};
struct ParagraphWords {
  std::vector<WordSpan> words;
  bool endsInsideFixed = false;  // the block is still open at the paragraph's end
};
ParagraphWords wordsToCheck(QStringView text, bool startsInsideFixed);

class SpellHighlighter : public QSyntaxHighlighter {
  Q_OBJECT

 public:
  // Underlines in `edit`'s document once checking is on; both must outlive it.
  SpellHighlighter(QTextEdit &edit, SpellChecker &checker);
  ~SpellHighlighter() override;

  void setChecking(bool on);
  bool isChecking() const { return checking_; }
  // The checker's answers changed (a word added or ignored, another language): checks the
  // paragraphs shown again, and the others when they are shown.
  void recheck();

  // Whether the paragraph at `position` is in a fixed-columns block (at its start).
  bool startsInsideFixed(const QTextBlock &block) const;
  // How many paragraphs had their words checked so far (for tests and benchmarks).
  qint64 checkedParagraphs() const { return checkedParagraphs_; }

  static QTextCharFormat misspeltFormat();

 protected:
  void highlightBlock(const QString &text) override;

 private:
  // The underlines of a paragraph, and whether a fixed block is open at its end.
  QList<QTextLayout::FormatRange> misspeltRanges(const QString &text, bool startsInside,
                                                 bool &endsInside);
  void scheduleVisibleCheck();
  void followLayout();
  void checkVisibleParagraphs();

  QTextEdit &edit_;
  SpellChecker &checker_;
  bool checking_ = false;
  int firstShown_ = 0;  // the paragraphs on screen, by number, with a margin
  int lastShown_ = 0;
  QTimer visibleCheck_;  // gathers a burst of scroll and resize events into one check
  qint64 checkedParagraphs_ = 0;
};

}  // namespace quillmark
