// The front door: format names, the loss report, and convertPost, which reads the fragment
// into the run model and hands it to the format's emitter.
#include "quillmark/formats.h"

#include <algorithm>
#include <array>

#include "Emit.h"

namespace quillmark {

using formats::Document;

namespace {

constexpr std::array<FormatInfo, 8> kFormats = {{
    {Format::Html, "html", "HTML"},
    {Format::Phpbb, "phpbb", "phpBB BBCode"},
    {Format::Xenforo, "xenforo", "XenForo BBCode"},
    {Format::Mybb, "mybb", "MyBB MyCode"},
    {Format::Smf, "smf", "SMF BBCode"},
    {Format::Vbulletin, "vbulletin", "vBulletin BBCode"},
    {Format::Bbcode, "bbcode", "BBCode (any forum)"},
    {Format::Markdown, "markdown", "Markdown"},
}};

struct ElementRow {
  std::string_view name;
  std::string_view unit;
};

// Indexed by Element.
constexpr std::array<ElementRow, kElementCount> kElements = {{
    {"bold", "run"},
    {"italic", "run"},
    {"underline", "run"},
    {"strike-through", "run"},
    {"superscript", "run"},
    {"subscript", "run"},
    {"colour", "run"},
    {"size", "run"},
    {"face", "run"},
    {"centre", "paragraph"},
    {"right", "paragraph"},
    {"list item", "item"},
    {"fixed columns", "block"},
    {"line break", "break"},
    {"link", "link"},
    {"heading", "heading"},
    {"quote", "quote"},
    {"rule", "rule"},
    {"picture", "picture"},
    {"picture text", "picture"},
    {"numbered list", "list"},
    {"list start", "list"},
    {"table", "table"},
    {"quote source", "quote"},
    {"inline code", "run"},
    {"code language", "block"},
    {"task box", "item"},
    {"justify", "paragraph"},
    {"markup of another format", "run"},
    {"spoiler", "part"},
}};

}  // namespace

std::span<const FormatInfo> allFormats() { return kFormats; }

std::string_view formatName(Format format) {
  return kFormats[static_cast<std::size_t>(format)].name;
}

std::string_view formatDisplayName(Format format) {
  return kFormats[static_cast<std::size_t>(format)].displayName;
}

std::optional<Format> formatByName(std::string_view name) {
  for (const FormatInfo& f : kFormats) {
    if (f.name == name) return f.format;
  }
  return std::nullopt;
}

std::string formatNameList() {
  std::string list;
  for (const FormatInfo& f : kFormats) {
    if (!list.empty()) list += ", ";
    list += f.name;
  }
  return list;
}

std::string_view elementName(Element element) {
  return kElements[static_cast<std::size_t>(element)].name;
}

std::span<const ElementMarkup> formatTable(Format format) {
  return formats::dialectTable(format).rows;
}

std::string formatLoss(const Loss& loss) {
  std::string line(elementName(loss.element));
  line += ": ";
  // A table is never lost: it is written another way.
  if (loss.element == Element::Table) {
    if (loss.count == 1) return line + "shown as a code block";
    return line + std::to_string(loss.count) + " shown as code blocks";
  }
  line += std::to_string(loss.count);
  line += ' ';
  line += loss.unit;
  if (loss.count != 1) line += 's';
  return line;
}

void addLoss(LossReport& report, const Loss& loss) {
  const auto at =
      std::lower_bound(report.begin(), report.end(), loss,
                       [](const Loss& a, const Loss& b) { return a.element < b.element; });
  if (at != report.end() && at->element == loss.element) {
    at->count += loss.count;
  } else {
    report.insert(at, loss);
  }
}

std::string formatLosses(const LossReport& report) {
  std::string text;
  for (const Loss& loss : report) {
    text += formatLoss(loss);
    text += '\n';
  }
  return text;
}

Post convertPost(std::u16string_view webHtml, Format format) {
  const formats::Dialect* d = formats::dialectOf(format);
  if (d == nullptr) return {std::u16string(webHtml), {}};
  post::Model model = formats::modelOfFragment(formats::readFragment(webHtml));
  post::takeNormalText(model);
  return writePost(model, format);
}

Post writePost(const post::Model& model, Format format, const PostOptions& options) {
  const formats::Dialect* d = formats::dialectOf(format);
  Post post;
  if (d == nullptr) {
    post.text = formats::modelText(model, false);
    return post;
  }
  // The model's sizes and faces are the post's: its normal text is the forum's own
  // (takeNormalText makes a document's body text so).
  const formats::NormalText normal{};
  formats::LossCounter losses;
  const bool tables = formats::writesTables(*d, options);
  if (format == Format::Markdown) {
    // Markdown has no quote source: each is a "name wrote:" line, and a loss.
    std::size_t quotes = 0;
    const std::optional<post::Model> lines = formats::withCiteLines(model, quotes);
    losses.add(Element::QuoteSource, quotes);
    post.text = formats::emitMarkdown(lines ? *lines : model, normal, *d, tables, losses);
  } else {
    post.text = formats::emitBbcode(model, normal, *d, tables, losses);
  }
  post.losses = losses.report();
  return post;
}

namespace formats {

LossReport LossCounter::report() const {
  LossReport report;
  for (std::size_t i = 0; i < kElementCount; ++i) {
    if (counts_[i] > 0) {
      report.push_back({static_cast<Element>(i), counts_[i], kElements[i].unit});
    }
  }
  return report;
}

void LossCounter::dropRun(const Open& dropped) {
  thisRun_.push_back(dropped);
  if (std::find(lastDropped_.begin(), lastDropped_.end(), dropped) == lastDropped_.end()) {
    add(dropped.element);
  }
}

namespace {

bool validColour(std::u16string_view c) {
  if (c.size() != 7 || c[0] != u'#') return false;
  return std::all_of(c.begin() + 1, c.end(), [](char16_t h) {
    return (h >= u'0' && h <= u'9') || (h >= u'A' && h <= u'F') || (h >= u'a' && h <= u'f');
  });
}

// The face inline code is written in where a dialect has no inline code but has faces.
constexpr std::u16string_view kFixedFace = u"Courier New";

// A face goes into "[font=NAME]" as it is: it must not end the tag or the line. No font's
// name is longer than kMaxFace; a longer one is no face, and costs no look a run.
constexpr std::size_t kMaxFace = 256;
bool validFace(std::u16string_view f) {
  return !f.empty() && f.size() <= kMaxFace &&
         f.find_first_of(u"[]\r\n") == std::u16string_view::npos;
}

// Texts a style shares are compared by their place first.
bool sameText(std::u16string_view a, std::u16string_view b) {
  return a.size() == b.size() && (a.data() == b.data() || a == b);
}

}  // namespace

void inlineElements(const post::Style& style, const NormalText& normal, const Dialect& d,
                    LossCounter& losses, std::vector<Open>& out) {
  out.clear();
  auto want = [&](Open o, bool valid) {
    if (shows(d, o.element) && valid) {
      out.push_back(o);
    } else {
      losses.dropRun(o);
    }
  };
  // Only a web address (in Markdown a relative one too) is a link: javascript:, data: or
  // file: keep the text alone, as a loss.
  if (!style.link.empty()) {
    const bool markdown = d.format == Format::Markdown;
    want({Element::Link, style.link, 0, markdown ? style.title.view() : std::u16string_view()},
         post::isPostAddress(style.link, markdown));
  }
  // The post's normal text takes the forum's own face and size: it needs no markup, and a
  // forum without faces or sizes loses nothing by it. Text with no face takes the forum's
  // too. Another size is written as many steps from the forum's size as it is from the
  // normal, so that it keeps its place beside the normal text.
  // Inline code where the dialect has none is the fixed face, where it has faces, and a loss.
  const bool code = (style.flags & post::kCode) != 0;
  if (code && !writes(d, Element::InlineCode)) losses.dropRun({Element::InlineCode, {}, 0});
  if (code && !writes(d, Element::InlineCode) && style.face.empty() && shows(d, Element::Face)) {
    want({Element::Face, kFixedFace}, true);
  } else if (!style.face.empty() && !sameText(style.face, normal.face)) {
    want({Element::Face, style.face}, validFace(style.face));
  }
  if (const int size = post::htmlSizeOfPercent(style.size); size != normal.size) {
    want({Element::Size, {}, std::clamp(kPageSize + size - normal.size, 1, 7)}, true);
  }
  if (!style.colour.empty()) want({Element::Colour, style.colour}, validColour(style.colour));
  constexpr std::array<std::pair<CharFlag, Element>, 6> kFlags = {{
      {kBold, Element::Bold},
      {kItalic, Element::Italic},
      {kUnderline, Element::Underline},
      {kStrike, Element::Strike},
      {kSuper, Element::Superscript},
      {kSub, Element::Subscript},
  }};
  for (const auto& [flag, element] : kFlags) {
    if (style.flags & flag) want({element, {}, 0}, true);
  }
  if (style.flags & post::kSpoiler) {
    if (d.inlineSpoiler.open.empty()) {
      losses.dropRun({Element::Spoiler, {}, 0});
    } else {
      out.push_back({Element::Spoiler, {}, 0});
    }
  }
  // Innermost: the code's text is literal inside it.
  if (code && writes(d, Element::InlineCode)) out.push_back({Element::InlineCode, {}, 0});
}

void appendFixedText(std::u16string_view text, std::u16string& out) {
  for (const char16_t c : text) out.push_back(c == 0xA0 ? u' ' : c);
}

void appendAscii(std::u16string& out, std::string_view s) {
  for (const char c : s) out.push_back(static_cast<char16_t>(static_cast<unsigned char>(c)));
}

void appendAddress(std::u16string& out, std::u16string_view address, bool markdown) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  for (const char16_t c : address) {
    // In Markdown a "|" would end a table's cell, even inside a link, and a backslash would
    // escape the character after it (the closing parenthesis, say).
    const bool encode =
        c == u'[' || c == u']' || c == u' ' || c == u'\r' || c == u'\n' ||
        (markdown && (c == u'(' || c == u')' || c == u'<' || c == u'>' || c == u'|' || c == u'\\'));
    if (!encode) {
      out.push_back(c);
      continue;
    }
    out.push_back(u'%');
    out.push_back(static_cast<char16_t>(kHex[(c >> 4) & 0xF]));
    out.push_back(static_cast<char16_t>(kHex[c & 0xF]));
  }
}

}  // namespace formats
}  // namespace quillmark
