// Writes synthetic forum posts the way the rich-text edit control writes RTF: control words only
// where the formatting changes, a space after a control word only where text follows, "\'xx"
// for Windows-1252 letters, "\uN?" for the rest, CR-LF after each "\par" and never inside text.
#include "post_generator.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace quillmark::bench {
namespace {

using namespace std::string_view_literals;

constexpr std::string_view kHeader =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 MS Sans Serif;}"
    "{\\f1\\fnil\\fcharset0 Courier;}{\\f2\\fnil\\fcharset2 Symbol;}"
    "{\\f3\\fswiss\\fcharset0 Arial;}}\r\n"
    "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green128\\blue0;\\red0\\green0\\blue255;}\r\n"
    "\\viewkind4\\uc1";
constexpr std::string_view kFooter = "}";
constexpr std::string_view kParagraphEnd = "\\par\r\n";
// The shortest filler line: a delimiter, one character and the paragraph end.
constexpr std::size_t kMinFillerLine = 2 + kParagraphEnd.size();
constexpr std::size_t kMaxLine = 120;
constexpr std::string_view kBodyStart = "\\pard\\f0\\fs20";
static_assert(kHeader.size() + kBodyStart.size() + kMinFillerLine + kFooter.size() <= kMinPostSize);

// Names and phrases, already in RTF: "\'xx" and "\uN?" escapes, apostrophes as "\'92".
constexpr std::array kTeams = {
    "Harbour City Rovers"sv,
    "Northgate United"sv,
    "Eastfield Athletic"sv,
    "Kingsport Wanderers"sv,
    "Riverside Albion"sv,
    "Bayview Town"sv,
    "Old Castle"sv,
    "Westbrook Rangers"sv,
    "FC Gr\\'fcnwald"sv,
    "Atl\\'e9tico Costa Brava"sv,
    "Sporting Vila Nova"sv,
    "\\u1057?\\u1087?\\u1072?\\u1088?\\u1090?\\u1072?\\u1082? \\u1051?\\u1077?\\u1089?"sv,
    "\\u913?\\u963?\\u964?\\u941?\\u961?\\u945?\\u962?"sv,
    "\\u321?\\'f3d\\u378? Rovers"sv,
    "K\\'f8benhavn Nord"sv,
    "Ka\\u351?\\u305?k Spor"sv,
};

constexpr std::array kPlayers = {
    "Andr\\'e9 Silva"sv,
    "Tom Becker"sv,
    "J\\'fcrgen M\\'fcller"sv,
    "Fran\\'e7ois Lef\\'e8vre"sv,
    "Ji\\u345?\\'ed Nov\\'e1k"sv,
    "\\u1048?\\u1074?\\u1072?\\u1085? \\u1055?\\u1077?\\u1090?\\u1088?\\u1086?\\u1074?"sv,
    "S\\'f8ren Kj\\'e6r"sv,
    "Micha\\u322? Kowalski"sv,
    "Nuno Gon\\'e7alves"sv,
    "Kevin O\\'92Brien"sv,
    "Dave Smith"sv,
    "Luca Bianchi"sv,
};

constexpr std::array kPhrases = {
    "What a season"sv,
    "the lads played out of their skins"sv,
    "I can\\'92t remember a better away day"sv,
    "the referee had a shocker again"sv,
    "three points is three points"sv,
    "we were all over them in the second half"sv,
    "the new signing looks the real deal"sv,
    "typical \\'93game of two halves\\'94"sv,
    "the manager got his tactics spot on"sv,
    "season tickets go on sale next week"sv,
    "still can\\'92t believe that penalty"sv,
    "the defence looked solid for once"sv,
    "clean sheet at last"sv,
    "the crowd was brilliant all afternoon"sv,
    "on to the next one"sv,
    "somebody tell the groundsman the pitch is a disgrace"sv,
    "top of the table at Christmas"sv,
    "the caf\\'e9 by the ground does the best pies"sv,
    "r\\'e9sum\\'e9 of the match below"sv,
    "\\u1086?\\u1090?\\u1083?\\u1080?\\u1095?\\u1085?\\u1072?\\u1103? \\u1080?\\u1075?\\u1088?\\u1072?"sv,
    "na\\'efve defending cost us"sv,
    "two goals in five minutes \\'96 unreal"sv,
    "thanks to everyone who came to the meet-up"sv,
    "see you all at the first home game"sv,
};

constexpr std::array kEmoji = {
    "\\u-10179?\\u-8704?"sv,  // grinning face
    "\\u-10179?\\u-9139?"sv,  // thumbs up
    "\\u-10180?\\u-8250?"sv,  // trophy
    "\\u9917?"sv,             // football
};

constexpr std::array kHeadings = {
    "Season Review"sv, "Match Report"sv,         "League Table"sv, "Top Scorers"sv,
    "Transfer News"sv, "Fixtures and Results"sv, "Highlights"sv,   "Player Ratings"sv,
    "Cup Draw"sv,      "Supporters\\'92 Club"sv, "Ticket Info"sv,  "Injury Update"sv,
};

constexpr std::array kSignatures = {"-- Mike"sv, "Posted from the terraces"sv,
                                    "Last updated Sunday night"sv, "-- Jos\\'e9, club secretary"sv,
                                    "All stats from the club programme"sv};

// splitmix64: the same sequence on every platform, which <random>'s distributions do not
// promise.
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}

  std::uint64_t next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15u);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return z ^ (z >> 31);
  }
  // Uniform in [low, high].
  int between(int low, int high) {
    return low + static_cast<int>(next() % static_cast<std::uint64_t>(high - low + 1));
  }
  bool percent(int chance) { return between(1, 100) <= chance; }
  template <typename T, std::size_t N>
  const T& pick(const std::array<T, N>& items) {
    return items[next() % N];
  }

 private:
  std::uint64_t state_;
};

// Characters a reader sees in a piece of RTF text: each escape counts as one.
std::size_t visibleLength(std::string_view rtf) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < rtf.size(); ++count) {
    if (rtf[i] != '\\') {
      ++i;
    } else if (i + 1 < rtf.size() && rtf[i + 1] == '\'') {
      i += 4;
    } else {
      i = rtf.find('?', i) + 1;  // "\uN?"
    }
  }
  return count;
}

// Appends RTF to a string as the control writes it. A control word gets its delimiting space
// only when text follows, so "\b0\par" but "\b Bold". Copies of a writer share its string;
// a copy and the string's size then mark a point to go back to.
class Writer {
 public:
  explicit Writer(std::string& out) : out_(&out), lineStart_(out.rfind('\n') + 1) {}

  void word(std::string_view controlWord) {
    *out_ += controlWord;
    delimiterDue_ = true;
    justReset_ = controlWord == "\\pard";
  }
  // Text, or text with escapes; a group's braces go through raw().
  void text(std::string_view rtf) {
    if (rtf.empty()) return;
    if (delimiterDue_ && rtf.front() != '\\') *out_ += ' ';
    *out_ += rtf;
    delimiterDue_ = false;
    justReset_ = false;
  }
  void raw(std::string_view rtf) {
    *out_ += rtf;
    delimiterDue_ = false;
    justReset_ = false;
  }
  void endParagraph() {
    *out_ += kParagraphEnd;
    delimiterDue_ = false;
    justReset_ = false;
    lineStart_ = out_->size();
  }
  // "\pard", unless the paragraph formatting was just reset.
  void resetParagraph() {
    if (!justReset_) word("\\pard");
  }
  // Back to where `mark`, a copy of this writer taken when its string held `size` bytes,
  // stood.
  void rewind(const Writer& mark, std::size_t size) {
    *this = mark;
    out_->resize(size);
  }
  std::size_t lineLength() const { return out_->size() - lineStart_; }
  std::size_t size() const { return out_->size(); }
  bool delimiterDue() const { return delimiterDue_; }

 private:
  std::string* out_;
  std::size_t lineStart_ = 0;
  bool delimiterDue_ = false;
  bool justReset_ = false;
};

class PostWriter {
 public:
  PostWriter(std::string& out, std::uint64_t seed) : w_(out), random_(seed) {}

  // Writes the body of the post, so that the string holds exactly `end` bytes: blocks while
  // they fit, then plain lines to make up the rest.
  void writeUpTo(std::size_t end) {
    w_.word(kBodyStart);
    for (;;) {
      const Writer mark = w_;
      const std::size_t markSize = w_.size();
      block();
      if (w_.size() + kMinFillerLine > end) {
        w_.rewind(mark, markSize);
        break;
      }
    }
    filler(end - w_.size());
  }

 private:
  // One block of the post: a paragraph, a table, a list...
  void block() {
    const int roll = random_.between(1, 100);
    if (roll <= 38) {
      prose();
    } else if (roll <= 52) {
      table();
    } else if (roll <= 63) {
      list();
    } else if (roll <= 71) {
      title();
    } else if (roll <= 76) {
      fixedBlock();
    } else if (roll <= 81) {
      rightAligned();
    } else if (roll <= 87) {
      heading();
    } else {
      w_.endParagraph();  // an empty line
    }
  }

  // Plain lines of exactly `bytes` bytes in all; assumes bytes >= kMinFillerLine.
  void filler(std::size_t bytes) {
    constexpr std::size_t kMaxFillerLine = kMaxLine + kParagraphEnd.size();
    while (bytes > 0) {
      std::size_t length = bytes;
      if (bytes > kMaxFillerLine) {
        length =
            random_.between(40, static_cast<int>(std::min(kMaxFillerLine, bytes - kMinFillerLine)));
      }
      const std::size_t textLength = length - kParagraphEnd.size() - (w_.delimiterDue() ? 1 : 0);
      std::string line;
      while (line.size() < textLength) line += "More on this after the weekend. ";
      line.resize(textLength);
      w_.text(line);
      w_.endParagraph();
      bytes -= length;
    }
  }

  // A line of chat: phrases, names and numbers, some of them formatted.
  void prose() {
    const int lines = random_.between(1, 4);
    for (int i = 0; i < lines; ++i) {
      const std::size_t target = random_.between(40, static_cast<int>(kMaxLine) - 20);
      bool first = true;
      while (w_.lineLength() < target) {
        if (!first) w_.text(random_.percent(30) ? ", " : " ");
        first = false;
        formattedPiece();
      }
      if (random_.percent(10)) w_.text(random_.pick(kEmoji));
      w_.text(random_.percent(20) ? "!" : ".");
      w_.endParagraph();
    }
  }

  void formattedPiece() {
    const int roll = random_.between(1, 100);
    if (roll <= 40) {
      w_.text(random_.pick(kPhrases));
    } else if (roll <= 50) {
      span("\\b", random_.pick(kPlayers), "\\b0");
    } else if (roll <= 58) {
      span("\\i", random_.pick(kPhrases), "\\i0");
    } else if (roll <= 63) {
      span("\\ul", random_.pick(kTeams), "\\ulnone");
    } else if (roll <= 73) {
      colouredFigure();
    } else if (roll <= 79) {
      span("\\fs28", random_.pick(kPhrases), "\\fs20");
    } else if (roll <= 85) {
      span("\\f3", random_.pick(kPhrases), "\\f0");
    } else if (roll <= 87) {
      span("\\strike", random_.pick(kPhrases), "\\strike0");
    } else if (roll <= 90) {
      w_.text(std::to_string(random_.between(1, 38)));
      span("\\super", "th", "\\nosupersub");
    } else {
      w_.text(random_.pick(kTeams));
    }
  }

  void span(std::string_view on, std::string_view rtf, std::string_view off) {
    w_.word(on);
    w_.text(rtf);
    w_.word(off);
  }

  // "\cf1\b 42\cf0\b0"
  void colouredFigure() {
    char colour[] = "\\cf1";
    colour[3] = static_cast<char>('1' + random_.between(0, 2));
    w_.word(colour);
    w_.word("\\b");
    w_.text(std::to_string(random_.between(0, 120)));
    w_.word("\\cf0");
    w_.word("\\b0");
  }

  // A league table: a bold header row, then one row per team, columns separated by "\tab".
  void table() {
    w_.word("\\b");
    w_.text("Pos");
    for (const std::string_view column : {"Team"sv, "P"sv, "W"sv, "D"sv, "L"sv, "GD"sv, "Pts"sv}) {
      w_.word("\\tab");
      w_.text(column);
    }
    w_.word("\\b0");
    w_.endParagraph();
    const int rows = random_.between(4, 12);
    for (int row = 1; row <= rows; ++row) {
      const int won = random_.between(0, 30);
      const int drawn = random_.between(0, 38 - won);
      const int lost = 38 - won - drawn;
      const int difference = random_.between(-40, 60);
      w_.text(std::to_string(row) + ".");
      w_.word("\\tab");
      w_.text(random_.pick(kTeams));
      for (const int n : {38, won, drawn, lost}) {
        w_.word("\\tab");
        w_.text(std::to_string(n));
      }
      w_.word("\\tab");
      if (difference < 0) {
        w_.word("\\cf1");
        w_.text(std::to_string(difference));
        w_.word("\\cf0");
      } else {
        w_.text("+" + std::to_string(difference));
      }
      w_.word("\\tab");
      if (row == 1) {
        colouredFigure();
      } else {
        w_.text(std::to_string(3 * won + drawn));
      }
      w_.endParagraph();
    }
  }

  void list() {
    const int items = random_.between(2, 6);
    for (int item = 0; item < items; ++item) {
      w_.raw("{\\pntext\\f2\\'B7\\tab}");
      if (item == 0) {
        w_.raw("{\\*\\pn\\pnlvlblt\\pnf2\\pnindent0{\\pntxtb\\'B7}}");
        w_.word("\\fi-200");
        w_.word("\\li200");
      }
      const std::size_t textStart = w_.lineLength();
      const std::size_t target = random_.between(20, 80);
      for (bool first = true; w_.lineLength() - textStart < target; first = false) {
        if (!first) w_.text(" ");
        formattedPiece();
      }
      w_.endParagraph();
    }
    w_.resetParagraph();
  }

  // "\pard\qc\b Title\b0\par", sometimes larger.
  void title() {
    w_.resetParagraph();
    w_.word("\\qc");
    w_.word("\\b");
    const bool large = random_.percent(50);
    if (large) w_.word("\\fs28");
    w_.text(random_.pick(kHeadings));
    w_.text(": ");
    w_.text(random_.pick(kTeams));
    w_.text(" v ");
    w_.text(random_.pick(kTeams));
    w_.word("\\b0");
    if (large) w_.word("\\fs20");
    w_.endParagraph();
    w_.resetParagraph();
  }

  void heading() {
    w_.word("\\b");
    w_.word("\\fs24");
    w_.text(random_.pick(kHeadings));
    w_.word("\\b0");
    w_.word("\\fs20");
    w_.endParagraph();
  }

  void rightAligned() {
    w_.resetParagraph();
    w_.word("\\qr");
    w_.text(random_.pick(kSignatures));
    w_.endParagraph();
    w_.resetParagraph();
  }

  // Columns lined up with spaces in the fixed-width font, between the markers the web
  // rewrite turns into <pre>.
  void fixedBlock() {
    w_.word("\\f1");
    w_.raw("\\{");
    w_.text("Begin Fixed");
    w_.raw("\\}");
    w_.endParagraph();
    w_.text("Player                 Goals  Apps  Mins");
    w_.endParagraph();
    const int rows = random_.between(3, 8);
    for (int row = 0; row < rows; ++row) {
      const std::string_view player = random_.pick(kPlayers);
      std::string line(player);
      line.append(23 - std::min<std::size_t>(visibleLength(player), 22), ' ');
      for (const int n : {random_.between(0, 30), random_.between(1, 38)}) {
        const std::string number = std::to_string(n);
        line.append(5 - number.size(), ' ').append(number).append("  ");
      }
      line += std::to_string(random_.between(100, 3420));
      w_.text(line);
      w_.endParagraph();
    }
    w_.raw("\\{");
    w_.text("End Fixed");
    w_.raw("\\}");
    w_.word("\\f0");
    w_.endParagraph();
  }

  Writer w_;
  Random random_;
};

}  // namespace

std::string generatePost(std::size_t size, std::uint64_t seed) {
  size = std::max(size, kMinPostSize);
  std::string out;
  out.reserve(size);
  out += kHeader;
  PostWriter(out, seed).writeUpTo(size - kFooter.size());
  out += kFooter;
  return out;
}

}  // namespace quillmark::bench
