#include "FuzzInput.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include "Engine.h"
#include "quillmark/convert.h"

namespace quillmark::fuzz {
namespace {

std::uint8_t takeByte(Bytes& input) {
  if (input.empty()) return 0;
  const std::uint8_t b = input.front();
  input = input.subspan(1);
  return b;
}

std::u16string ascii(std::string_view text) { return {text.begin(), text.end()}; }

std::u16string optionsFromFlags(std::uint8_t flags, std::uint8_t number) {
  std::vector<std::u16string> parts;
  if (flags & kFlagCr) parts.push_back(u"+CR");
  if (flags & kFlagNoFaces) parts.push_back(u"-FF");
  if (flags & kFlagBaseSize) {
    std::string digits = std::to_string(number);
    if (flags & kFlagHugeBaseSize) digits += "00000";
    parts.push_back(u"+F=" + ascii(digits));
  }
  if (flags & kFlagLinks) parts.push_back(u"+A");
  if (flags & kFlagReversed) std::reverse(parts.begin(), parts.end());
  std::u16string text;
  for (const std::u16string& part : parts) text += part;
  return text;
}

Options describe(std::u16string text) {
  Options options;
  options.lineBreaks = text.find(u"+CR") != std::u16string::npos;
  options.noFaces = text.find(u"-FF") != std::u16string::npos;
  options.links = text.find(u"+A") != std::u16string::npos;
  if (const std::size_t at = text.find(u"+F="); at != std::u16string::npos) {
    int size = 0;
    for (std::size_t i = at + 3; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
      size = std::min(size * 10 + (text[i] - u'0'), int{kMaxBaseFontSize});
    }
    options.baseSize = size;
  }
  options.text = std::move(text);
  return options;
}

}  // namespace

Options readOptions(Bytes& input) {
  const std::uint8_t flags = takeByte(input);
  const std::uint8_t number = takeByte(input);
  if (!(flags & kFlagRaw)) return describe(optionsFromFlags(flags, number));
  const Bytes raw = input.first(std::min<std::size_t>(number, input.size()));
  input = input.subspan(raw.size());
  return describe(decodeWindows1252({reinterpret_cast<const char*>(raw.data()), raw.size()}));
}

std::optional<std::string> optionHeader(std::u16string_view options) {
  for (unsigned flags = 0; flags < 0x40; ++flags) {
    for (unsigned number = 0; number < 256; ++number) {
      if (!(flags & kFlagBaseSize) && number > 0) break;
      if (optionsFromFlags(static_cast<std::uint8_t>(flags), static_cast<std::uint8_t>(number)) ==
          options) {
        return std::string{static_cast<char>(flags), static_cast<char>(number)};
      }
    }
  }
  const std::optional<std::string> raw = encodeWindows1252(options);
  if (!raw || raw->size() > 255) return std::nullopt;
  return std::string{static_cast<char>(kFlagRaw), static_cast<char>(raw->size())} + *raw;
}

std::pair<Bytes, Bytes> splitDocuments(Bytes body) {
  const auto at = std::find(body.begin(), body.end(), kDocumentSeparator);
  if (at == body.end()) return {body, body};
  const auto first = static_cast<std::size_t>(at - body.begin());
  return {body.first(first), body.subspan(first + 1)};
}

std::u16string documentText(Bytes document) {
  std::string bytes(document.begin(), document.end());
  for (char& c : bytes) {
    if (c == '<') c = '[';
    if (c == '>') c = ']';
    if (c == '&') c = '+';
  }
  return decodeWindows1252(bytes);
}

std::optional<std::string> encodeWindows1252(std::u16string_view text) {
  // The inverse of the converter's own decoding, found by asking it for every byte.
  static const auto kBytes = [] {
    std::array<std::pair<char16_t, char>, 256> table{};
    for (unsigned b = 0; b < 256; ++b) {
      const char byte = static_cast<char>(b);
      table[b] = {decodeWindows1252({&byte, 1})[0], byte};
    }
    std::sort(table.begin(), table.end());
    return table;
  }();
  std::string bytes;
  for (const char16_t c : text) {
    const auto it =
        std::lower_bound(kBytes.begin(), kBytes.end(), std::pair{c, '\0'},
                         [](const auto& a, const auto& b) { return a.first < b.first; });
    if (it == kBytes.end() || it->first != c) return std::nullopt;
    bytes.push_back(it->second);
  }
  return bytes;
}

}  // namespace quillmark::fuzz
