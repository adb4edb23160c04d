// Tells the kind of an address: the one rule that decides what becomes a link or a picture
// in a post and in the document. Reads only the address's first characters, so that a long
// address costs no more than a short one, however many runs ask.
#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "quillmark/post.h"

namespace quillmark::post {
namespace {

// How much of an address is read to tell its scheme; an address whose scheme is still open
// past it (padded with blanks or escapes) is refused.
constexpr std::size_t kSchemeWindow = 256;
// Longer than any scheme a post takes: such a scheme is compared no further.
constexpr std::size_t kMaxScheme = 8;

constexpr std::array<std::u16string_view, 4> kWebSchemes = {u"http", u"https", u"ftp", u"mailto"};

// Characters a browser drops from an address, or that could hide a scheme's letters: the
// blanks and controls, no-break and zero-width spaces, the soft hyphen, the byte-order mark.
bool isIgnored(char32_t c) {
  return c <= 0x20 || (c >= 0x7F && c <= 0xA0) || c == 0xAD || c == 0x1680 ||
         (c >= 0x2000 && c <= 0x200F) || (c >= 0x2028 && c <= 0x202F) ||
         (c >= 0x205F && c <= 0x206F) || c == 0x3000 || c == 0xFEFF;
}

bool isAsciiLetter(char32_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }

bool isSchemeCharacter(char32_t c) {
  return isAsciiLetter(c) || (c >= u'0' && c <= u'9') || c == u'+' || c == u'-' || c == u'.';
}

int hexValue(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  return -1;
}

// The address's characters as a browser sees them, one at a time.
class Decoder {
 public:
  explicit Decoder(std::u16string_view address) : in_(address) {}

  bool done() const { return at_ >= in_.size(); }
  std::size_t at() const { return at_; }

  char32_t next() {
    const char16_t c = in_[at_];
    if (c == u'&') {
      if (const char32_t decoded = reference(); decoded != 0) return decoded;
    } else if (c == u'%' && at_ + 2 < in_.size()) {
      const int high = hexValue(in_[at_ + 1]), low = hexValue(in_[at_ + 2]);
      if (high >= 0 && low >= 0) {
        at_ += 3;
        return char32_t(high * 16 + low);
      }
    }
    ++at_;
    return c;
  }

 private:
  // A character reference at '&': numeric in either base, or one of the named ones that
  // spell what a scheme needs or a browser drops; a ';' after it is optional. 0 when none.
  char32_t reference() {
    std::size_t p = at_ + 1;
    if (p < in_.size() && in_[p] == u'#') {
      ++p;
      const bool hex = p < in_.size() && (in_[p] == u'x' || in_[p] == u'X');
      if (hex) ++p;
      const std::size_t digits = p;
      std::uint32_t value = 0;
      while (p < in_.size()) {
        const int d =
            hex ? hexValue(in_[p]) : (in_[p] >= u'0' && in_[p] <= u'9' ? in_[p] - u'0' : -1);
        if (d < 0) break;
        value = std::min<std::uint32_t>(value * (hex ? 16 : 10) + std::uint32_t(d), 0x110000);
        ++p;
      }
      if (p == digits) return 0;
      if (p < in_.size() && in_[p] == u';') ++p;
      at_ = p;
      return value == 0 || value > 0x10FFFF ? char32_t(0xFFFD) : char32_t(value);
    }
    constexpr std::array<std::pair<std::u16string_view, char32_t>, 4> kNamed = {{
        {u"colon", u':'},
        {u"tab", u'\t'},
        {u"newline", u'\n'},
        {u"nbsp", 0xA0},
    }};
    for (const auto& [name, value] : kNamed) {
      if (in_.size() - p < name.size()) continue;
      bool same = true;
      for (std::size_t k = 0; k < name.size() && same; ++k) {
        const char16_t c = in_[p + k];
        same = (c >= u'A' && c <= u'Z' ? char16_t(c - u'A' + u'a') : c) == name[k];
      }
      if (!same) continue;
      p += name.size();
      if (p < in_.size() && in_[p] == u';') ++p;
      at_ = p;
      return value;
    }
    return 0;
  }

  std::u16string_view in_;
  std::size_t at_ = 0;
};

}  // namespace

AddressKind addressKind(std::u16string_view address) {
  Decoder decoder(address);
  std::u16string scheme;
  while (!decoder.done()) {
    if (decoder.at() >= kSchemeWindow) return AddressKind::Refused;
    const char32_t c = decoder.next();
    if (isIgnored(c)) continue;
    if (c == u':') {
      if (scheme.empty()) return AddressKind::Relative;
      const bool web =
          std::find(kWebSchemes.begin(), kWebSchemes.end(), scheme) != kWebSchemes.end();
      return web ? AddressKind::Web : AddressKind::Refused;
    }
    // A scheme begins with a letter and holds letters, digits, '+', '-' and '.' alone.
    if (scheme.empty() ? !isAsciiLetter(c) : !isSchemeCharacter(c)) return AddressKind::Relative;
    if (scheme.size() <= kMaxScheme) {
      scheme.push_back(c >= u'A' && c <= u'Z' ? char16_t(c - u'A' + u'a') : char16_t(c));
    }
  }
  return AddressKind::Relative;
}

}  // namespace quillmark::post
