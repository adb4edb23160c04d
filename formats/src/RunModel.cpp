// Reads the "Copy to Web" fragment into lines and runs, in one pass. Tags of the engine's
// vocabulary change counters and stacks; text between them becomes runs with the formats in
// force. Must not write any output format.
#include "RunModel.h"

#include <algorithm>
#include <array>
#include <utility>

namespace quillmark::formats {

using namespace std::string_view_literals;
namespace {

struct EntityRow {
  std::u16string_view name;
  char16_t ch;
};

// The entities the engine writes for "\'xx" escapes (its Windows-1252 table: the HTML 4
// Latin-1 set and the HTML 4 names of the code page's upper half), the five markup entities
// a writer or the link writer may use, and two common symbols.
constexpr EntityRow kEntityRows[] = {
    {u"nbsp", 0xA0},     {u"iexcl", 0xA1},    {u"cent", 0xA2},     {u"pound", 0xA3},
    {u"curren", 0xA4},   {u"yen", 0xA5},      {u"brvbar", 0xA6},   {u"sect", 0xA7},
    {u"uml", 0xA8},      {u"copy", 0xA9},     {u"ordf", 0xAA},     {u"laquo", 0xAB},
    {u"not", 0xAC},      {u"shy", 0xAD},      {u"reg", 0xAE},      {u"macr", 0xAF},
    {u"deg", 0xB0},      {u"plusmn", 0xB1},   {u"sup2", 0xB2},     {u"sup3", 0xB3},
    {u"acute", 0xB4},    {u"micro", 0xB5},    {u"para", 0xB6},     {u"middot", 0xB7},
    {u"cedil", 0xB8},    {u"sup1", 0xB9},     {u"ordm", 0xBA},     {u"raquo", 0xBB},
    {u"frac14", 0xBC},   {u"frac12", 0xBD},   {u"frac34", 0xBE},   {u"iquest", 0xBF},
    {u"Agrave", 0xC0},   {u"Aacute", 0xC1},   {u"Acirc", 0xC2},    {u"Atilde", 0xC3},
    {u"Auml", 0xC4},     {u"Aring", 0xC5},    {u"AElig", 0xC6},    {u"Ccedil", 0xC7},
    {u"Egrave", 0xC8},   {u"Eacute", 0xC9},   {u"Ecirc", 0xCA},    {u"Euml", 0xCB},
    {u"Igrave", 0xCC},   {u"Iacute", 0xCD},   {u"Icirc", 0xCE},    {u"Iuml", 0xCF},
    {u"ETH", 0xD0},      {u"Ntilde", 0xD1},   {u"Ograve", 0xD2},   {u"Oacute", 0xD3},
    {u"Ocirc", 0xD4},    {u"Otilde", 0xD5},   {u"Ouml", 0xD6},     {u"times", 0xD7},
    {u"Oslash", 0xD8},   {u"Ugrave", 0xD9},   {u"Uacute", 0xDA},   {u"Ucirc", 0xDB},
    {u"Uuml", 0xDC},     {u"Yacute", 0xDD},   {u"THORN", 0xDE},    {u"szlig", 0xDF},
    {u"agrave", 0xE0},   {u"aacute", 0xE1},   {u"acirc", 0xE2},    {u"atilde", 0xE3},
    {u"auml", 0xE4},     {u"aring", 0xE5},    {u"aelig", 0xE6},    {u"ccedil", 0xE7},
    {u"egrave", 0xE8},   {u"eacute", 0xE9},   {u"ecirc", 0xEA},    {u"euml", 0xEB},
    {u"igrave", 0xEC},   {u"iacute", 0xED},   {u"icirc", 0xEE},    {u"iuml", 0xEF},
    {u"eth", 0xF0},      {u"ntilde", 0xF1},   {u"ograve", 0xF2},   {u"oacute", 0xF3},
    {u"ocirc", 0xF4},    {u"otilde", 0xF5},   {u"ouml", 0xF6},     {u"divide", 0xF7},
    {u"oslash", 0xF8},   {u"ugrave", 0xF9},   {u"uacute", 0xFA},   {u"ucirc", 0xFB},
    {u"uuml", 0xFC},     {u"yacute", 0xFD},   {u"thorn", 0xFE},    {u"yuml", 0xFF},
    {u"euro", 0x20AC},   {u"sbquo", 0x201A},  {u"fnof", 0x0192},   {u"bdquo", 0x201E},
    {u"dagger", 0x2020}, {u"Dagger", 0x2021}, {u"circ", 0x02C6},   {u"permil", 0x2030},
    {u"lsaquo", 0x2039}, {u"OElig", 0x0152},  {u"lsquo", 0x2018},  {u"rsquo", 0x2019},
    {u"ldquo", 0x201C},  {u"rdquo", 0x201D},  {u"bull", 0x2022},   {u"ndash", 0x2013},
    {u"mdash", 0x2014},  {u"tilde", 0x02DC},  {u"rsaquo", 0x203A}, {u"oelig", 0x0153},
    {u"Yuml", 0x0178},   {u"hellip", 0x2026}, {u"trade", 0x2122},  {u"amp", u'&'},
    {u"lt", u'<'},       {u"gt", u'>'},       {u"quot", u'"'},     {u"apos", u'\''},
};

constexpr std::size_t kMaxEntityName = 8;

auto sortedEntities() {
  std::array<EntityRow, std::size(kEntityRows)> rows{};
  std::copy(std::begin(kEntityRows), std::end(kEntityRows), rows.begin());
  std::sort(rows.begin(), rows.end(),
            [](const EntityRow& a, const EntityRow& b) { return a.name < b.name; });
  return rows;
}

// Appends the UTF-16 of a code point; 0, surrogates and values past U+10FFFF give nothing
// (the caller then keeps the reference as text).
bool appendCodePoint(std::u16string& out, std::uint32_t cp) {
  if (cp == 0 || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) return false;
  if (cp < 0x10000) {
    out.push_back(static_cast<char16_t>(cp));
  } else {
    cp -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
  }
  return true;
}

// At `p`, an '&': appends what the reference stands for and returns its length, or 0 when it
// is no reference the reader knows (the '&' is then text).
std::size_t readEntity(std::u16string_view s, std::size_t p, std::u16string& out) {
  const std::size_t semi = s.find(u';', p + 1);
  if (semi == std::u16string_view::npos || semi - p - 1 > kMaxEntityName + 2 || semi == p + 1) {
    return 0;
  }
  const std::u16string_view name = s.substr(p + 1, semi - p - 1);
  if (name[0] == u'#') {
    std::uint32_t cp = 0;
    const bool hex = name.size() > 1 && (name[1] == u'x' || name[1] == u'X');
    const std::size_t first = hex ? 2 : 1;
    if (first >= name.size()) return 0;
    for (std::size_t i = first; i < name.size(); ++i) {
      const char16_t c = name[i];
      int d = -1;
      if (c >= u'0' && c <= u'9')
        d = c - u'0';
      else if (hex && c >= u'a' && c <= u'f')
        d = c - u'a' + 10;
      else if (hex && c >= u'A' && c <= u'F')
        d = c - u'A' + 10;
      if (d < 0) return 0;
      cp = cp * (hex ? 16 : 10) + static_cast<std::uint32_t>(d);
      if (cp > 0x10FFFF) return 0;
    }
    return appendCodePoint(out, cp) ? semi - p + 1 : 0;
  }
  const char16_t ch = entityChar(name);
  if (ch == 0) return 0;
  out.push_back(ch);
  return semi - p + 1;
}

bool isBlank(char16_t c) { return c == u' ' || c == u'\t'; }

// The characters that end a stretch of plain text in the fragment.
bool isSpecial(char16_t c) { return c == u'<' || c == u'&' || c == u'\r' || c == u'\n'; }

std::u16string decodeEntities(std::u16string_view s) {
  std::u16string out;
  for (std::size_t p = 0; p < s.size();) {
    if (s[p] == u'&') {
      if (const std::size_t n = readEntity(s, p, out)) {
        p += n;
        continue;
      }
    }
    out.push_back(s[p++]);
  }
  return out;
}

// Reads one fragment; one instance per call.
class Reader {
 public:
  explicit Reader(std::u16string_view html) : html_(html) { doc_.text.reserve(html.size()); }

  Document read() {
    std::size_t p = 0;
    while (p < html_.size()) {
      const char16_t c = html_[p];
      if (c == u'<') {
        if (const std::size_t n = readTag(p)) {
          p += n;
          continue;
        }
        appendText(u"<"sv);
        ++p;
      } else if (c == u'&') {
        scratch_.clear();
        if (const std::size_t n = readEntity(html_, p, scratch_)) {
          appendText(scratch_);
          p += n;
        } else {
          appendText(u"&"sv);
          ++p;
        }
      } else if (c == u'\r' || c == u'\n') {
        const std::size_t n = (c == u'\r' && p + 1 < html_.size() && html_[p + 1] == u'\n') ? 2 : 1;
        if (pre_ > 0) {
          lineBreak();
        } else {
          appendText(u" "sv);  // a line end in HTML text is a blank
        }
        p += n;
      } else {
        std::size_t stop = p + 1;
        while (stop < html_.size() && !isSpecial(html_[stop])) ++stop;
        appendText(html_.substr(p, stop - p));
        p = stop;
      }
    }
    return std::move(doc_);
  }

 private:
  // Length of the vocabulary tag at p, 0 when there is none; acts on it.
  std::size_t readTag(std::size_t p) {
    const std::u16string_view rest = html_.substr(p);
    auto is = [&](std::u16string_view tag) { return rest.starts_with(tag); };
    if (rest.size() < 3) return 0;
    // The simple character elements: <x> and </x>, <sup> <sub> and their ends.
    const bool closing = rest[1] == u'/';
    const std::u16string_view name = rest.substr(closing ? 2 : 1);
    int* depth = nullptr;
    std::size_t nameLength = 1;
    switch (name[0]) {
      case u'b':
        depth = &bold_;
        break;
      case u'i':
        depth = &italic_;
        break;
      case u'u':
        depth = &underline_;
        break;
      case u's':
        if (name.starts_with(u"sup>")) {
          depth = &super_, nameLength = 3;
        } else if (name.starts_with(u"sub>")) {
          depth = &sub_, nameLength = 3;
        } else {
          depth = &strike_;
        }
        break;
      default:
        break;
    }
    if (depth != nullptr && name.size() > nameLength && name[nameLength] == u'>') {
      if (!closing) {
        ++*depth;
      } else if (*depth > 0) {
        --*depth;
      }
      return (closing ? 2 : 1) + nameLength + 1;
    }
    if (is(u"<br>")) {
      lineBreak();
      return 4 + lineEndAfter(p + 4);
    }
    if (is(u"<li>")) {
      blockBoundary(false);
      ++list_;
      return 4;
    }
    if (is(u"</li>")) {
      blockBoundary(false);
      if (list_ > 0) --list_;
      return 5 + lineEndAfter(p + 5);
    }
    if (is(u"<pre>")) {
      blockBoundary(true);
      ++pre_;
      return 5;
    }
    if (is(u"</pre>")) {
      blockBoundary(true);
      if (pre_ > 0) --pre_;
      return 6;
    }
    constexpr std::u16string_view kCenter = u"<table width=100%><tr><td align=\"center\">";
    constexpr std::u16string_view kRight = u"<table width=100%><tr><td align=\"right\">";
    constexpr std::u16string_view kAlignEnd = u"</td></tr></table>";
    if (is(kCenter) || is(kRight)) {
      blockBoundary(false);
      const bool center = is(kCenter);
      aligns_.push_back(center ? Align::Center : Align::Right);
      return center ? kCenter.size() : kRight.size();
    }
    if (is(kAlignEnd)) {
      blockBoundary(true);
      if (!aligns_.empty()) aligns_.pop_back();
      return kAlignEnd.size();
    }
    if (is(u"</font>")) {
      if (!fontStack_.empty()) fontStack_.pop_back();
      return 7;
    }
    if (is(u"</a>")) {
      if (!linkStack_.empty()) linkStack_.pop_back();
      return 4;
    }
    if (is(u"<font")) return readFont(p);
    if (is(u"<a href=\"")) return readLink(p);
    return 0;
  }

  // `<font[ face="F"][ color="C"][ size=N]>`, the attributes in that order.
  std::size_t readFont(std::size_t p) {
    std::size_t q = p + 5;
    FontAttrs attrs = fontStack_.empty() ? FontAttrs{} : doc_.fonts[fontStack_.back()];
    auto quoted = [&](std::u16string_view key, std::u16string_view& value) {
      if (!html_.substr(q).starts_with(key)) return true;
      const std::size_t start = q + key.size();
      const std::size_t end = html_.find(u'"', start);
      if (end == std::u16string_view::npos) return false;
      value = html_.substr(start, end - start);
      q = end + 1;
      return true;
    };
    if (!quoted(u" face=\"", attrs.face) || !quoted(u" color=\"", attrs.color)) return 0;
    if (html_.substr(q).starts_with(u" size=")) {
      std::size_t r = q + 6;
      int size = 0;
      while (r < html_.size() && html_[r] >= u'0' && html_[r] <= u'9' && r - q < 10) {
        size = size * 10 + (html_[r] - u'0');
        ++r;
      }
      if (r == q + 6) return 0;
      attrs.size = std::clamp(size, 1, 8);
      q = r;
    }
    if (q >= html_.size() || html_[q] != u'>') return 0;
    fontStack_.push_back(static_cast<std::int32_t>(doc_.fonts.size()));
    doc_.fonts.push_back(attrs);
    return q + 1 - p;
  }

  // `<a href="ADDRESS">`, the address HTML-escaped.
  std::size_t readLink(std::size_t p) {
    const std::size_t start = p + 9;
    const std::size_t end = html_.find(u'"', start);
    if (end == std::u16string_view::npos || end + 1 >= html_.size() || html_[end + 1] != u'>') {
      return 0;
    }
    linkStack_.push_back(static_cast<std::int32_t>(doc_.links.size()));
    doc_.links.push_back(decodeEntities(html_.substr(start, end - start)));
    return end + 2 - p;
  }

  // The CR-LF "+CR" writes after "<br>" and "</li>" ends nothing more.
  std::size_t lineEndAfter(std::size_t p) const {
    if (html_.substr(p).starts_with(u"\r\n")) return 2;
    if (p < html_.size() && html_[p] == u'\n') return 1;
    return 0;
  }

  void appendText(std::u16string_view s) {
    if (s.empty()) return;
    const bool blank = std::all_of(s.begin(), s.end(), isBlank);
    if (!lineOpen_) {
      // Blanks between a block's end and the break of its paragraph show nothing.
      if (blank && absorbBreak_) return;
      doc_.lines.push_back(currentLineState());
      lineOpen_ = true;
    }
    if (!blank) absorbBreak_ = false;
    Run run;
    run.start = static_cast<std::uint32_t>(doc_.text.size());
    run.length = static_cast<std::uint32_t>(s.size());
    run.flags = static_cast<std::uint8_t>(
        (bold_ > 0 ? kBold : 0) | (italic_ > 0 ? kItalic : 0) | (underline_ > 0 ? kUnderline : 0) |
        (strike_ > 0 ? kStrike : 0) | (super_ > 0 ? kSuper : 0) | (sub_ > 0 ? kSub : 0));
    run.font = fontStack_.empty() ? kNone : fontStack_.back();
    run.link = linkStack_.empty() ? kNone : linkStack_.back();
    doc_.text.append(s);
    Line& line = doc_.lines.back();
    if (line.endRun > line.firstRun) {
      Run& last = doc_.runs.back();
      if (doc_.sameStyle(last, run)) {
        last.length += run.length;
        return;
      }
    }
    doc_.runs.push_back(run);
    line.endRun = static_cast<std::uint32_t>(doc_.runs.size());
  }

  Line currentLineState() const {
    Line line;
    line.firstRun = line.endRun = static_cast<std::uint32_t>(doc_.runs.size());
    line.align = aligns_.empty() ? Align::None : aligns_.back();
    line.listItem = list_ > 0;
    line.fixed = pre_ > 0;
    return line;
  }

  void lineBreak() {
    if (lineOpen_) {
      lineOpen_ = false;
    } else if (absorbBreak_) {
      absorbBreak_ = false;  // the break that ends the paragraph of a block already ended
    } else {
      doc_.lines.push_back(currentLineState());
    }
    absorbBreak_ = false;
  }

  // A block starts or ends: it ends the line. The end of an alignment block and either marker
  // of the fixed block stand at the end of a paragraph whose break follows; that break then
  // makes no empty line.
  void blockBoundary(bool absorbsBreak) {
    lineOpen_ = false;
    if (absorbsBreak) absorbBreak_ = true;
  }

  std::u16string_view html_;
  Document doc_;
  std::u16string scratch_;
  int bold_ = 0, italic_ = 0, underline_ = 0, strike_ = 0, super_ = 0, sub_ = 0;
  int list_ = 0, pre_ = 0;
  std::vector<Align> aligns_;
  std::vector<std::int32_t> fontStack_;
  std::vector<std::int32_t> linkStack_;
  bool lineOpen_ = false;
  bool absorbBreak_ = false;
};

}  // namespace

bool Document::sameStyle(const Run& a, const Run& b) const {
  if (a.flags != b.flags || a.link != b.link) return false;
  if (a.font == b.font) return true;
  if (a.font == kNone || b.font == kNone) return false;
  const FontAttrs& fa = fonts[a.font];
  const FontAttrs& fb = fonts[b.font];
  return fa.face == fb.face && fa.color == fb.color && fa.size == fb.size;
}

char16_t entityChar(std::u16string_view name) {
  static const auto rows = sortedEntities();
  const auto it =
      std::lower_bound(rows.begin(), rows.end(), name,
                       [](const EntityRow& r, std::u16string_view n) { return r.name < n; });
  return (it != rows.end() && it->name == name) ? it->ch : char16_t{0};
}

Document readFragment(std::u16string_view html) { return Reader(html).read(); }

}  // namespace quillmark::formats
