// A quote's source in each dialect's opening tag. The forms, from each forum's own parser:
//   phpBB (s9e's QUOTE): a default attribute, the author, then post_id, time, user_id (and
//     post_url, profile_url, url, which the board makes itself): [quote="bob" post_id=1].
//   XenForo: one option, "name, post: 1, member: 2", the parts after the name optional.
//   MyBB (postParser::mycode_parse_post_quotes): the name, quoted or not, then pid= and
//     dateline=, their values quoted or not.
//   SMF (parse_bbc's quote codes): author=, link= and date= in that order, the author's value
//     holding blanks, the link's an "=" (topic=1.msg2#msg2, msg=2); or [quote=name].
//   vBulletin: the name, then ";" and the post's number (vBulletin 5's "n" before it).
//   Any forum: [quote=name].
#include "Cites.h"

#include <algorithm>
#include <array>
#include <span>
#include <vector>

#include "Emit.h"

namespace quillmark::formats {
namespace {

char16_t lowered(char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c - u'A' + u'a') : c; }

bool startsWithNoCase(std::u16string_view s, std::string_view prefix) {
  if (s.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (lowered(s[i]) != lowered(static_cast<char16_t>(prefix[i]))) return false;
  }
  return true;
}

bool isDigits(std::u16string_view s) {
  return !s.empty() &&
         std::all_of(s.begin(), s.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; });
}

bool isBlank(char16_t c) { return c == u' ' || c == u'\t' || c == 0xA0; }

std::u16string_view trimmed(std::u16string_view s) {
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
  return s;
}

std::u16string_view unquoted(std::u16string_view v) {
  v = trimmed(v);
  if (v.size() >= 2 && (v.front() == u'"' || v.front() == u'\'') && v.back() == v.front()) {
    return v.substr(1, v.size() - 2);
  }
  return v;
}

// A named attribute of a form and the part of the source it holds.
enum class Part : std::uint8_t { Author, Post, Member, Time, Link, None };
struct Key {
  std::string_view name;
  Part part;
};

constexpr std::array<Key, 7> kPhpbbKeys = {{
    {"author", Part::Author},
    {"post_id", Part::Post},
    {"time", Part::Time},
    {"user_id", Part::Member},
    {"post_url", Part::None},
    {"profile_url", Part::None},
    {"url", Part::None},
}};
constexpr std::array<Key, 2> kMybbKeys = {{{"pid", Part::Post}, {"dateline", Part::Time}}};
constexpr std::array<Key, 3> kSmfKeys = {
    {{"author", Part::Author}, {"link", Part::Link}, {"date", Part::Time}}};

std::span<const Key> keysOf(CiteForm form) {
  switch (form) {
    case CiteForm::Phpbb:
      return kPhpbbKeys;
    case CiteForm::Mybb:
      return kMybbKeys;
    case CiteForm::Smf:
      return kSmfKeys;
    default:
      return {};
  }
}

std::u16string* partOf(post::Attribution& cite, Part part) {
  switch (part) {
    case Part::Author:
      return &cite.author;
    case Part::Post:
      return &cite.post;
    case Part::Member:
      return &cite.member;
    case Part::Time:
      return &cite.time;
    case Part::Link:
      return &cite.link;
    case Part::None:
      break;
  }
  return nullptr;
}

// Where an attribute of the form begins at or after `from`: a blank, then a known name and
// "="; the attribute's key in `key`. npos when none does.
std::size_t nextKey(std::u16string_view s, std::size_t from, std::span<const Key> keys,
                    const Key*& key) {
  for (std::size_t at = from; at < s.size(); ++at) {
    if (!isBlank(s[at])) continue;
    const std::u16string_view after = s.substr(at + 1);
    for (const Key& k : keys) {
      if (startsWithNoCase(after, k.name) && after.size() > k.name.size() &&
          after[k.name.size()] == u'=') {
        key = &k;
        return at;
      }
    }
  }
  return std::u16string_view::npos;
}

// The post a SMF link names: the number after its last "msg" (topic=1.msg2#msg2, msg=2).
std::u16string_view postOfLink(std::u16string_view link) {
  for (std::size_t at = link.rfind(u"msg"); at != std::u16string_view::npos;
       at = at == 0 ? std::u16string_view::npos : link.rfind(u"msg", at - 1)) {
    std::size_t begin = at + 3;
    if (begin < link.size() && link[begin] == u'=') ++begin;
    std::size_t end = begin;
    while (end < link.size() && link[end] >= u'0' && link[end] <= u'9') ++end;
    if (end > begin) return link.substr(begin, end - begin);
  }
  return {};
}

// A name the tag can hold: no "[" or "]", which would end the tag, and no line end.
bool writableName(std::u16string_view name) {
  return !name.empty() && name.find_first_of(u"[]\r\n") == std::u16string_view::npos;
}

}  // namespace

post::Attribution readCite(std::u16string_view rest, CiteForm form) {
  post::Attribution cite;
  if (form == CiteForm::None || rest.empty()) return cite;
  const std::span<const Key> keys = keysOf(form);
  // The default value after "=": quoted, or up to the first attribute of the form.
  std::u16string_view value;
  std::size_t at = 0;
  if (rest.front() == u'=') {
    const std::u16string_view after = rest.substr(1);
    const std::size_t close = after.empty() || (after.front() != u'"' && after.front() != u'\'')
                                  ? std::u16string_view::npos
                                  : after.find(after.front(), 1);
    const Key* key = nullptr;
    if (close != std::u16string_view::npos) {
      value = after.substr(1, close - 1);
      at = close + 2;
    } else {
      at = std::min(rest.size(), nextKey(rest, 1, keys, key));
      value = trimmed(rest.substr(1, at - 1));
    }
  }
  // The attributes, each value up to the next attribute (SMF's author holds blanks).
  const Key* key = nullptr;
  std::size_t begin = nextKey(rest, at, keys, key);
  while (begin != std::u16string_view::npos) {
    const Key* current = key;
    const std::size_t start = begin + 1 + current->name.size() + 1;
    begin = nextKey(rest, start, keys, key);
    const std::size_t end = std::min(begin, rest.size());
    if (std::u16string* part = partOf(cite, current->part)) {
      *part = std::u16string(unquoted(rest.substr(start, end - start)));
    }
  }
  // What the default value holds in the form.
  if (form == CiteForm::Xenforo) {
    // "name, post: 1, member: 2": the parts after the name peeled off from its end.
    while (true) {
      const std::size_t comma = value.rfind(u',');
      if (comma == std::u16string_view::npos) break;
      const std::u16string_view tail = trimmed(value.substr(comma + 1));
      std::u16string* part = nullptr;
      std::u16string_view number;
      if (startsWithNoCase(tail, "post:")) {
        part = &cite.post, number = trimmed(tail.substr(5));
      } else if (startsWithNoCase(tail, "member:")) {
        part = &cite.member, number = trimmed(tail.substr(7));
      }
      if (part == nullptr || !part->empty() || !isDigits(number)) break;
      *part = std::u16string(number);
      value = value.substr(0, comma);
    }
  } else if (form == CiteForm::Vbulletin) {
    const std::size_t semicolon = value.rfind(u';');
    if (semicolon != std::u16string_view::npos) {
      const std::u16string_view post = value.substr(semicolon + 1);
      if (isDigits(post) || (post.size() > 1 && post[0] == u'n' && isDigits(post.substr(1)))) {
        cite.post = std::u16string(post);
        value = value.substr(0, semicolon);
      }
    }
  }
  if (!value.empty() || cite.author.empty()) cite.author = std::u16string(trimmed(value));
  if (form == CiteForm::Smf && cite.post.empty()) cite.post = std::u16string(postOfLink(cite.link));
  return cite;
}

CiteTag citeTag(const post::Attribution& cite, const Dialect& d) {
  CiteTag tag;
  const std::string_view quote = tagOf(d, Element::Quote).open;
  const std::string_view pattern = tagOf(d, Element::QuoteSource).open;
  const std::size_t hole = pattern.find("{}");
  const std::u16string_view name = cite.author;
  const bool hasDouble = name.find(u'"') != std::u16string_view::npos;
  const bool hasSingle = name.find(u'\'') != std::u16string_view::npos;
  const bool quotedForm = d.cite == CiteForm::Phpbb || d.cite == CiteForm::Mybb;
  if (hole == std::string_view::npos || !writableName(name) ||
      (quotedForm && hasDouble && hasSingle)) {
    appendAscii(tag.open, quote);
    tag.lost = !cite.empty();
    return tag;
  }
  appendAscii(tag.open, pattern.substr(0, hole));
  // Each part the form has a place for, when the tag can hold it; the others are lost.
  bool post = cite.post.empty(), member = cite.member.empty(), time = cite.time.empty();
  bool link = cite.link.empty();
  const auto attribute = [&](std::string_view key, std::u16string_view value, char16_t q) {
    tag.open.push_back(u' ');
    appendAscii(tag.open, key);
    tag.open.push_back(u'=');
    if (q != 0) tag.open.push_back(q);
    tag.open += value;
    if (q != 0) tag.open.push_back(q);
  };
  switch (d.cite) {
    case CiteForm::Phpbb:
    case CiteForm::Mybb: {
      const bool phpbb = d.cite == CiteForm::Phpbb;
      const char16_t q = phpbb ? (hasDouble ? u'\'' : u'"') : (hasSingle ? u'"' : u'\'');
      tag.open.push_back(q);
      tag.open += name;
      tag.open.push_back(q);
      const char16_t vq = phpbb ? 0 : u'\'';
      if (!post && isDigits(cite.post))
        attribute(phpbb ? "post_id" : "pid", cite.post, vq), post = true;
      if (!time && isDigits(cite.time))
        attribute(phpbb ? "time" : "dateline", cite.time, vq), time = true;
      if (phpbb && !member && isDigits(cite.member))
        attribute("user_id", cite.member, 0), member = true;
      break;
    }
    case CiteForm::Xenforo: {
      if (!hasDouble) tag.open.push_back(u'"');
      tag.open += name;
      if (!post && isDigits(cite.post)) tag.open += u", post: " + cite.post, post = true;
      if (!member && isDigits(cite.member)) tag.open += u", member: " + cite.member, member = true;
      if (!hasDouble) tag.open.push_back(u'"');
      break;
    }
    case CiteForm::Smf: {
      tag.open += name;
      const bool linkFits = !link && cite.link.find_first_of(u" \t[]\r\n") == std::u16string::npos;
      if (linkFits) {
        attribute("link", cite.link, 0);
        link = true;
        post = post || cite.post == postOfLink(cite.link);
      } else if (!post && isDigits(cite.post)) {
        attribute("link", u"msg=" + cite.post, 0);
        post = true;
      }
      if (!time && isDigits(cite.time)) attribute("date", cite.time, 0), time = true;
      break;
    }
    case CiteForm::Vbulletin: {
      tag.open += name;
      const std::u16string_view number = !cite.post.empty() && cite.post[0] == u'n'
                                             ? std::u16string_view(cite.post).substr(1)
                                             : std::u16string_view(cite.post);
      if (!post && isDigits(number)) tag.open += u";" + cite.post, post = true;
      break;
    }
    case CiteForm::Plain:
    case CiteForm::None:
      tag.open += name;
      break;
  }
  appendAscii(tag.open, pattern.substr(hole + 2));
  tag.lost = !(post && member && time && link);
  return tag;
}

std::u16string citeLine(const post::Attribution& cite) {
  if (cite.author.empty()) return {};
  return cite.author + u" wrote:";
}

}  // namespace quillmark::formats
