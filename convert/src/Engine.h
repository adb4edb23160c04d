// The conversion engine's working state and every operation over it. Private to convert/;
// the rest of the program sees only quillmark/convert.h.
//
// Text inside the engine is 8-bit: every 16-bit unit of the text model that convert.h
// describes is held as the UTF-8 sequence of its value, one to three bytes, a surrogate on
// its own like any other unit (see "8-bit text" below). Everything the engine looks for is
// ASCII, and no byte of a longer sequence is ASCII, so searching and cutting bytes gives the
// same answers as searching and cutting units; the few rules that count units (a "\'"
// escape takes two, a "\u" fallback skips some, names are cut to a length) count sequences.
// A document of ASCII text, the usual case, is then half the memory, and the output is
// written as it will be stored.
//
// Every operation takes the state record first and works on it in place. Stack and pending
// positions in the comments count from 1 like the descriptions of the algorithms: on the
// stack, entry 1 is the innermost element; among pending requests, request 1 is the oldest
// and outermost. The containers store them in whatever order is cheapest (see each field).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "quillmark/html.h"

namespace quillmark {

// Internal limits. Each one bounds what hostile input can cost; no document a rich-text
// control writes comes near any of them.
//
// - kMaxElements: pending requests and stack entries together. Requests beyond it are
//   ignored, so every stack operation stays O(kMaxElements) and a conversion stays linear.
// - kMaxUnicodeSkip: "\ucN" is held to 0..kMaxUnicodeSkip fallback units.
// - kMaxBaseFontSize: digits after "+F=" stop adding here (the field is 16 bits wide).
// - Numbers in control words ("\fs", "\cf", "\f", "\uc", "\u") are held to the 32-bit range,
//   however many digits they have.
// - kMaxFontNameLength: a font name longer than this is cut to it. Real names are a few dozen
//   units; a name is copied into every font tag that uses it, so an unbounded one would let
//   a short document write a huge fragment.
// - kMaxFieldInstruction: the text of a field instruction ("\fldinst") is kept up to this
//   many units; a longer one makes no link (its result is kept as text). Real addresses are
//   far shorter. Links nest at most kMaxElements deep; deeper fields keep their text only.
// - kLineHeadroom: room kept in front of the current line for text the interpreter puts back
//   (an entity is at most a few dozen units); more is made when it runs out.
// - Kept font tags: once a thousand more have been built than are in use, those no longer
//   in use are dropped (FontTags::crowded), so memory stays proportional to the elements
//   open, not to the font words read.
//
// What these bound, and what they allow: time and memory linear in the input, and output
// at most a constant times the input, but a large constant for crafted input. A run of
// "{\pntext}x" nests list items kMaxElements deep and closes and reopens them all at every
// letter, about 140 output units per input unit; real documents stay near one.
inline constexpr std::size_t kMaxElements = 256;
inline constexpr std::size_t kMaxFieldInstruction = 4096;
inline constexpr std::int32_t kMaxUnicodeSkip = 16;
inline constexpr std::int16_t kMaxBaseFontSize = 32767;
inline constexpr std::size_t kMaxFontNameLength = html::kMaxFaceLength;
inline constexpr std::size_t kLineHeadroom = 64;
// Readers of the fragment look this far for the end of a link's address.
static_assert(html::kMaxAddressLength >= 6 * kMaxFieldInstruction);

// ---------------------------------------------------------------------------------------
// Vocabulary: the elements the engine writes (html::kElements in quillmark/html.h) and the
// control words it reads (kControlWords in Interpreter.cpp). An element is known by its
// closing tag everywhere in the engine; html::Element stands for that tag.

// Where a stack entry stands in its life.
enum class Kind : std::uint8_t {
  P,   // committed from the pending requests, opening tag not yet written
  PG,  // the same, block element
  A,   // open
  G,   // open block element
  K,   // to be closed at the next non-blank text run
};
const char* name(Kind kind);

// Opening tags are never copied: an entry or request holds a view of a fixed tag ("<b>",
// the alignment tags) or of a font tag kept in the conversion's FontTags.
//
// One element on the tag stack: its closing tag (as the element), its opening tag and kind.
struct TagEntry {
  html::Element tag;
  Kind kind;
  std::string_view openTag;
  bool opened = false;  // its opening tag has been written, so its closing tag may be
};

// An element requested but not yet on the stack.
struct PendingRequest {
  html::Element closeTag;
  std::string_view openTag;
};

// The font tags built during one conversion, each kept once, so that the stack and the
// requests can refer to them by view. Emptied at the start of a conversion. Documents switch
// among a few fonts, so the tags of the last few attribute sets are found without building.
class FontTags {
 public:
  // The kept copy of `tag` (the same view for equal tags).
  std::string_view keep(std::string_view tag);
  // The kept tag for these attributes, when they are among the most recently remembered.
  std::optional<std::string_view> recent(std::string_view color, std::string_view size,
                                         std::string_view face) const;
  void remember(std::string_view color, std::string_view size, std::string_view face,
                std::string_view tag);
  // Whether so many tags have been kept that those no longer used should be dropped.
  bool crowded() const { return tags_.size() >= crowdedAt_; }
  void setCrowdedAt(std::size_t count) { crowdedAt_ = count; }
  std::size_t size() const { return tags_.size(); }
  void clear();

 private:
  struct Recent {
    std::string color;
    std::string size;
    std::string_view face;
    std::string_view tag;
  };
  std::array<Recent, 8> recent_;
  std::size_t recentUsed_ = 0;
  std::size_t recentNext_ = 0;
  std::size_t crowdedAt_ = 1024;
  struct Hash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const {
      return std::hash<std::string_view>{}(text);
    }
  };
  std::unordered_set<std::string, Hash, std::equal_to<>> tags_;  // nodes never move
};

// The current input line: cut from the front one token at a time, and the interpreter may
// put text back in front of it (an entity, a tab, RTF to read again). Views taken from it
// stay valid until the next prepend() or assign().
class LineText {
 public:
  // With fromWindows1252, the line is a document's bytes, widened here to 8-bit text.
  void assign(std::string_view line, bool fromWindows1252 = false);
  std::string_view view() const { return {buf_.data() + begin_, buf_.size() - begin_}; }
  bool empty() const { return begin_ == buf_.size(); }
  void removeFront(std::size_t count) { begin_ += count; }
  void prepend(std::string_view text);

 private:
  std::string buf_;  // headroom, then the line; the unread part runs from begin_ to the end
  std::size_t begin_ = 0;
};

// ---------------------------------------------------------------------------------------
// The conversion state

struct ConversionState {
  std::string htmlOut;
  // The working text is the document's Windows-1252 bytes rather than 8-bit text: each line
  // and each table group is widened when it is taken from it.
  bool windows1252Input = false;
  // The tag stack, outermost element first: back() is entry 1, the innermost.
  std::vector<TagEntry> tagStack;
  // Pending requests, oldest and outermost first: front() is request 1.
  std::vector<PendingRequest> pending;
  std::string_view lineBreak;  // CR-LF with "+CR", else empty
  std::string pendingCloseHtml;
  std::string pendingBreakHtml;
  std::string pendingOpenHtml;
  // Colour N is colors[N - 1], six hexadecimal digits without "#"; colour 0 is never stored.
  std::vector<std::string> colorTable;
  std::int32_t skipTokens = 0;
  bool atParagraphStart = false;
  bool reopenAll = false;
  std::int32_t skipGroupDepth = 0;
  LineText lineRest;
  bool hasListTable = false;
  // Font N is fontTable[N]. Empty until a document's font table has been read.
  std::vector<std::string> fontTable;
  std::string_view fontTag;   // kept in fontTags
  std::string_view alignTag;  // always one of the two alignment tags, or empty
  std::string_view fontFace;  // an entry of fontTable
  std::string fontColor;
  std::string fontSize;
  std::int32_t fontSizeNumber = 0;
  std::int16_t baseFontSize = 0;
  bool fontFacesOn = true;
  std::int32_t unicodeSkip = 1;  // fallback units after "\uN", set by "\ucN"
  FontTags fontTags;
  std::string fontTagBuffer;  // where a font tag is built before it is kept

  // Links ("+A"). A hyperlink field's instruction is read while its group is skipped; its
  // address waits in fieldAddress for the field's result, whose group then holds the link.
  bool linksOn = false;
  std::int32_t groupDepth = 0;  // groups open in the text walked, as the interpreter sees them
  std::int32_t fieldInstructionDepth = 0;  // of a destination inside it, whose text is not read
  bool readingFieldInstruction = false;
  bool fieldInstructionStarted = false;  // its first word, "\fldinst", has been seen
  std::string fieldInstruction;
  std::size_t fieldInstructionUnits = 0;  // its length in units, which kMaxFieldInstruction bounds
  std::string_view fieldAddress;          // the next result's link tag, kept in linkTags; or empty
  std::int32_t fieldAddressDepth = 0;     // the group of the field whose address it is
  struct LinkFrame {
    std::string_view tag;  // kept in linkTags
    std::int32_t depth;    // the group of the field result
  };
  std::vector<LinkFrame> links;  // the field results open, innermost last
  std::string_view linkTag;      // the innermost open result's tag: the link wanted now
  FontTags linkTags;
};

// ---------------------------------------------------------------------------------------
// Queue and stack queries (ConversionState.cpp)

bool isPending(const ConversionState& s, html::Element closeTag);
// With openOnly, only entries of kind A or G count.
bool isOnStack(const ConversionState& s, html::Element closeTag, bool openOnly);
// Makes the pair the outermost pending request.
void insertPendingFront(ConversionState& s, html::Element closeTag, std::string_view openTag);
// Requests again the live elements inside the innermost element `closeTag`, outermost of
// them first, so they reopen after it closes. std::nullopt stops at no element: every live
// entry is requested again. Requests nothing while `closeTag` itself is pending.
void reopenInner(ConversionState& s, std::optional<html::Element> closeTag);

// ---------------------------------------------------------------------------------------
// Driver (Converter.cpp)

// Works in `rtf`'s buffer, which it changes (groups are cut out of it). The text is 8-bit
// text, or with windows1252Input a document's bytes; the result is 8-bit text.
std::string convertRtfToHtml(ConversionState& s, std::span<char> rtf, bool windows1252Input,
                             std::string_view options);
void readOptions(ConversionState& s, std::string_view options);
// The offsets [begin, end) of the group that encloses the unit at `position`, braces
// included, as far as the scans for its braces find them.
struct GroupRange {
  std::size_t begin;
  std::size_t end;
};
GroupRange findGroup(std::string_view text, std::size_t position, bool windows1252 = false);
// Cuts the group that encloses the unit at `position` out of `text` and returns it; then
// collapses each pair of CR-LF in what is left into one.
std::string cutGroup(std::string& text, std::size_t position);
void resetStacks(ConversionState& s);
// Drops pending requests in front of the first request `closeTag`; with std::nullopt, or
// when `closeTag` is not pending, drops them all.
void trimPendingTo(ConversionState& s, std::optional<html::Element> closeTag);
void resetFontState(ConversionState& s);
// Closing tags of every opened stack entry, innermost first.
std::string closeAll(const ConversionState& s);

// ---------------------------------------------------------------------------------------
// Lines and tokens (Tokenizer.cpp)

// Blanks off both ends once, then every CR and LF off both ends.
std::string_view trimLineEnds(std::string_view text);
// Takes the text up to the first CR-LF off the front of `working` and returns it trimmed.
std::string_view nextLine(std::string_view& working);
// Assumes the line is not empty. Removes the next token from its front and returns it.
std::string_view nextToken(LineText& line);
bool isDigit(char c);
// Whether two texts are the same, byte for byte.
// Kept tags are compared most: the same kept tag is the same view, and needs no memcmp.
inline bool sameText(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         (a.data() == b.data() || a.empty() || std::memcmp(a.data(), b.data(), a.size()) == 0);
}
// Position of the first `part` in `text` at or after `from`, or npos. Every search of the
// engine goes through here: the working text is large and is searched for keywords that
// mostly are not there.
std::size_t findText(std::string_view text, std::string_view part, std::size_t from = 0);
std::string replaceAll(std::string_view text, std::string_view search,
                       std::string_view replacement);
// replaceAll, appending the result to `out`.
void appendReplacingAll(std::string& out, std::string_view text, std::string_view search,
                        std::string_view replacement);
// replaceAll in place, for a replacement no longer than what it replaces: what is kept moves
// left over what is removed.
void replaceAllInPlace(std::string& text, std::string_view search, std::string_view replacement);

// ---------------------------------------------------------------------------------------
// Colour and font tables (ColorFontTables.cpp)

void readColorTable(std::string_view group, std::vector<std::string>& table);
void readFontTable(std::string_view group, std::vector<std::string>& table);

// ---------------------------------------------------------------------------------------
// Control words (Interpreter.cpp)

// Assumes a non-empty token.
void interpretToken(ConversionState& s, std::string_view token);

// ---------------------------------------------------------------------------------------
// Character formatting and the font element (Formatting.cpp)

// Both ignore a request once kMaxElements requests and entries exist. The opening tag must
// outlive the conversion: a fixed tag, or one kept in fontTags.
void requestElement(ConversionState& s, html::Element closeTag, std::string_view openTag);
// Gives kind K to every entry of element `match` (every entry with std::nullopt) whose kind
// is not `spareKind`.
void killElements(ConversionState& s, std::optional<html::Element> match,
                  std::optional<Kind> spareKind);
void markActive(ConversionState& s, html::Element closeTag);
int replacePendingOpen(ConversionState& s, html::Element closeTag, std::string_view openTag);
// Opening tag of the outermost font element on the stack, whatever its kind; empty if none.
std::string_view openFontTagOnStack(const ConversionState& s);
// The same for the link element.
std::string_view openLinkTagOnStack(const ConversionState& s);
std::string buildFontTag(const ConversionState& s, std::string_view color, std::string_view size,
                         std::string_view face);
// The closing pass run before every non-blank text run: appends the closing tags due to
// `closing` and requests again the live elements that close only because an outer one does.
void closeKilled(ConversionState& s, std::string& closing);

// A control-word parameter: optional sign, decimal digits with at most one ".", rounded to
// the nearest integer (ties to even) and held to 32 bits. std::nullopt when not numeric.
std::optional<std::int32_t> numericValue(std::string_view text);
// HTML size 1..8 for a size in half-points.
std::int32_t htmlFontSize(std::int32_t halfPoints);
void resetColor(ConversionState& s);                               // "\cf0"
void selectColor(ConversionState& s, std::int32_t n);              // "\cfN"
void selectFontSize(ConversionState& s, std::int32_t halfPoints);  // "\fsN"
void selectFontFace(ConversionState& s, std::int32_t n);           // "\fN"

// ---------------------------------------------------------------------------------------
// Links (Links.cpp)

// With "+A", the skip rule hands the tokens of a "\*" group here, after counting them into
// skipGroupDepth; only a field instruction is read. The group's closing brace is not handed
// over: fieldInstructionEnd is called instead, after groupDepth has gone down.
void fieldInstructionToken(ConversionState& s, std::string_view token);
void fieldInstructionEnd(ConversionState& s);
void fieldResult(ConversionState& s);   // "\fldrslt"
void linkGroupEnd(ConversionState& s);  // "}", before groupDepth goes down
// Part of the closing pass: the stack's link brought in line with the one wanted.
void reconcileLink(ConversionState& s);
// The link tag for a HYPERLINK instruction, or empty: `<a href="ADDRESS">` with the address
// escaped, for the http, https, ftp and mailto schemes only.
std::string linkTagFor(std::string_view instruction);

// ---------------------------------------------------------------------------------------
// Paragraph blocks (Blocks.cpp)

// The opening operations append the tags they open, outermost first, to `opening`.
void commitPending(ConversionState& s);
void openAllPending(ConversionState& s, std::string& opening);
void openPendingAbove(ConversionState& s, html::Element stopCloseTag, std::string& opening);
void compactStacks(ConversionState& s);
void cancelPending(ConversionState& s, html::Element closeTag);

// ---------------------------------------------------------------------------------------
// 8-bit text and large buffers (TextEncoding.cpp)

// The bytes of the unit whose sequence starts with `lead`: 1 for ASCII (and, so that a scan
// always moves on, for a byte that starts no sequence), 2 or 3 for a longer one.
inline std::size_t unitLength(char lead) {
  const auto b = static_cast<unsigned char>(lead);
  return b < 0xC0 ? 1 : b < 0xE0 ? 2 : 3;
}
// The bytes of the first `units` units of the text (all of it when it has fewer).
std::size_t unitsLength(std::string_view text, std::size_t units);
std::size_t unitCount(std::string_view text);
// Appends the sequence of one 16-bit unit.
void appendUnit(std::string& text, char16_t unit);
std::string toEngineText(std::u16string_view text);
std::u16string fromEngineText(std::string_view text);
// Appends Windows-1252 bytes as 8-bit text.
void appendWindows1252(std::string& text, std::string_view bytes);
// Makes 8-bit text UTF-8: a high and a low surrogate next to each other become one
// character, any other surrogate U+FFFD, as encodeUtf8 does for 16-bit text.
void pairSurrogates(std::string& text);

// Asks the system to back a large buffer that is about to be written with huge pages. On a
// 50 MB document, taking a page fault for every 4 KB of fresh memory costs a third of the
// conversion. A hint only: where it is not supported nothing changes.
void adviseHugePages(const void* data, std::size_t bytes);

// ---------------------------------------------------------------------------------------
// Characters (Entities.cpp)

// Marks a result that is RTF to be read again rather than text.
inline constexpr std::string_view kRtfMarker = "<rtf>:";
// The text for the character after "\'": an entity, a character, RTF behind kRtfMarker, or
// empty. Upper-case hexadecimal digits are accepted.
std::string_view entityForHex(std::string_view hex);

}  // namespace quillmark
