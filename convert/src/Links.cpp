// Hyperlink fields, read with "+A". A field is "{\field{\*\fldinst HYPERLINK "ADDRESS"}
// {\fldrslt TEXT}}": the instruction group is skipped like every "\*" group, but its text is
// kept on the way; the result's group then holds a link to the address. The link is an
// element like the font: the state says which link is wanted (linkTag), and the closing pass
// before each text run brings the stack in line with it, so group ends inside the result,
// "\plain" and formatting switched off inside it close and reopen the link as they must.
#include <algorithm>
#include <array>

#include "Engine.h"

namespace quillmark {

using html::Element;

using namespace std::string_view_literals;
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

bool equalsIgnoringCase(std::string_view text, std::string_view lowerWord) {
  return text.size() == lowerWord.size() &&
         std::equal(text.begin(), text.end(), lowerWord.begin(),
                    [](char a, char b) { return lower(a) == b; });
}

void skipBlanks(std::string_view& text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
}

// A quoted argument up to its closing quote (or the end), else up to the next blank.
std::string_view takeArgument(std::string_view& text) {
  std::size_t end;
  std::string_view argument;
  if (text.front() == '"') {
    end = text.find('"', 1);
    argument = text.substr(1, end == std::string_view::npos ? end : end - 1);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    return argument;
  }
  end = std::find_if(text.begin(), text.end(), isBlank) - text.begin();
  argument = text.substr(0, end);
  text.remove_prefix(end);
  return argument;
}

// The address of a HYPERLINK instruction: its first argument that is not a switch. The
// switches "\l" (a place in the document), "\o" (a tip) and "\t" (a target frame) take an
// argument of their own; the others ("\h", "\m", "\n") take none.
std::string_view hyperlinkAddress(std::string_view instruction) {
  skipBlanks(instruction);
  constexpr std::string_view kHyperlink = "hyperlink"sv;
  if (!equalsIgnoringCase(instruction.substr(0, kHyperlink.size()), kHyperlink)) return {};
  instruction.remove_prefix(kHyperlink.size());
  if (!instruction.empty() && !isBlank(instruction.front()) && instruction.front() != '"') {
    return {};  // another word, such as "HYPERLINKS"
  }
  for (skipBlanks(instruction); !instruction.empty(); skipBlanks(instruction)) {
    if (instruction.front() != '\\') return takeArgument(instruction);
    const char letter = instruction.size() > 1 ? lower(instruction[1]) : '\0';
    // The backslash and the unit after it, which may be more than one byte.
    instruction.remove_prefix(instruction.size() > 1 ? 1 + unitsLength(instruction.substr(1), 1)
                                                     : instruction.size());
    if (letter == 'l' || letter == 'o' || letter == 't') {
      skipBlanks(instruction);
      if (!instruction.empty()) takeArgument(instruction);
    }
  }
  return {};
}

bool hasLinkScheme(std::string_view address) {
  const std::size_t colon = address.find(':');
  if (colon == std::string_view::npos) return false;
  const std::string_view scheme = address.substr(0, colon);
  constexpr std::array<std::string_view, 4> kSchemes = {"http"sv, "https"sv, "ftp"sv, "mailto"sv};
  return std::any_of(kSchemes.begin(), kSchemes.end(),
                     [scheme](std::string_view s) { return equalsIgnoringCase(scheme, s); });
}

void cancelAllPendingLinks(ConversionState& s) {
  std::erase_if(s.pending, [](const PendingRequest& r) { return r.closeTag == Element::Link; });
}

}  // namespace

std::string linkTagFor(std::string_view instruction) {
  std::string_view address = hyperlinkAddress(instruction);
  skipBlanks(address);
  while (!address.empty() && isBlank(address.back())) address.remove_suffix(1);
  if (!hasLinkScheme(address)) return {};
  std::string tag(html::tagsOf(Element::Link).open);
  for (const char c : address) {
    if (const std::string_view entity = html::escapeFor(static_cast<unsigned char>(c));
        !entity.empty()) {
      tag += entity;
    } else {
      tag += c;
    }
  }
  tag += "\">"sv;
  return tag;
}

void fieldInstructionToken(ConversionState& s, std::string_view token) {
  if (!s.fieldInstructionStarted) {
    // The group's first word says what it is; only a field instruction is read.
    s.fieldInstructionStarted = token == "\\fldinst"sv;
    s.readingFieldInstruction = s.fieldInstructionStarted;
    return;
  }
  if (s.fieldInstructionDepth > 0) {
    // Inside a destination of its own, such as the field's data: not part of the address.
    if (s.skipGroupDepth >= s.fieldInstructionDepth) return;
    s.fieldInstructionDepth = 0;
  }
  if (token == "\\*"sv) {
    s.fieldInstructionDepth = s.skipGroupDepth;
    return;
  }
  std::string_view text = token;
  if (token.front() == '\\') {
    if (token.size() != 2 || (token[1] != '\\' && token[1] != '{' && token[1] != '}')) return;
    text = token.substr(1);  // an escaped backslash or brace
  } else if (token.front() == '{' || token.front() == '}') {
    return;
  }
  const std::size_t units = unitCount(text);
  if (s.fieldInstructionUnits + units > kMaxFieldInstruction) {
    s.readingFieldInstruction = false;  // too long for an address: no link
    s.fieldInstruction.clear();
    s.fieldInstructionUnits = 0;
    return;
  }
  s.fieldInstruction += text;
  s.fieldInstructionUnits += units;
}

void fieldInstructionEnd(ConversionState& s) {
  s.readingFieldInstruction = false;
  s.fieldInstructionDepth = 0;
  const std::string tag = linkTagFor(s.fieldInstruction);
  s.fieldInstruction.clear();
  s.fieldInstructionUnits = 0;
  // An instruction that is no link still ends the address of an earlier one.
  s.fieldAddress = tag.empty() ? std::string_view() : s.linkTags.keep(tag);
  s.fieldAddressDepth = s.groupDepth;
}

void fieldResult(ConversionState& s) {
  if (!s.linksOn) return;
  const std::string_view tag = s.fieldAddress;
  s.fieldAddress = {};
  if (s.links.size() >= kMaxElements) return;
  // A result without an address still opens a frame: its text is not part of an outer link.
  s.links.push_back({tag, s.groupDepth});
  s.linkTag = tag;
  if (tag.empty()) return;
  if (replacePendingOpen(s, Element::Link, tag) == 0 && !sameText(openLinkTagOnStack(s), tag)) {
    requestElement(s, Element::Link, tag);
  }
}

void linkGroupEnd(ConversionState& s) {
  if (!s.fieldAddress.empty() && s.fieldAddressDepth >= s.groupDepth) s.fieldAddress = {};
  if (s.links.empty() || s.links.back().depth < s.groupDepth) return;
  while (!s.links.empty() && s.links.back().depth >= s.groupDepth) s.links.pop_back();
  s.linkTag = s.links.empty() ? std::string_view() : s.links.back().tag;
}

std::string_view openLinkTagOnStack(const ConversionState& s) {
  const auto it = std::find_if(s.tagStack.begin(), s.tagStack.end(),
                               [](const TagEntry& e) { return e.tag == Element::Link; });
  return it == s.tagStack.end() ? std::string_view() : it->openTag;
}

// The link on the stack must carry the wanted tag, and so must a pending link request; with
// no link wanted, there must be neither. Called by the closing pass, before the font's turn.
void reconcileLink(ConversionState& s) {
  if (!sameText(openLinkTagOnStack(s), s.linkTag)) {
    killElements(s, Element::Link, std::nullopt);
    if (s.linkTag.empty()) {
      cancelAllPendingLinks(s);
    } else if (replacePendingOpen(s, Element::Link, s.linkTag) == 0) {
      requestElement(s, Element::Link, s.linkTag);
    }
    return;
  }
  if (s.linkTag.empty()) {
    cancelAllPendingLinks(s);
    return;
  }
  // The stacked link is the wanted one: it stays open through group ends inside the result,
  // unless a list item is about to open outside it or it is requested again already.
  replacePendingOpen(s, Element::Link, s.linkTag);
  if (!isPending(s, Element::ListItem) && !isPending(s, Element::Link)) {
    markActive(s, Element::Link);
  }
}

}  // namespace quillmark
