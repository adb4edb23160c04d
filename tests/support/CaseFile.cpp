#include "CaseFile.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "quillmark/convert.h"

namespace quillmark::testing {
namespace {

struct StandIn {
  char16_t stand;
  char16_t real;
};
constexpr StandIn kStandIns[] = {
    {u'\u2409', u'\t'}, {u'\u240D', u'\r'}, {u'\u240A', u'\n'},
    {u'\u2420', u' '},  {u'\u2400', u'\0'},
};

std::u16string unescape(std::u16string line) {
  for (char16_t& c : line) {
    for (const StandIn& s : kStandIns) {
      if (c == s.stand) c = s.real;
    }
  }
  return line;
}

std::u16string joinBlock(const std::vector<std::string>& lines) {
  std::u16string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += u"\r\n";
    text += unescape(fromUtf8(lines[i]));
  }
  return text;
}

}  // namespace

std::u16string fromUtf8(const std::string& bytes) {
  std::u16string text;
  for (std::size_t i = 0; i < bytes.size();) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    const int extra = b < 0x80 ? 0 : b < 0xE0 ? 1 : b < 0xF0 ? 2 : 3;
    char32_t c = extra == 0 ? b : extra == 1 ? (b & 0x1F) : extra == 2 ? (b & 0x0F) : (b & 0x07);
    for (int k = 1; k <= extra && i + k < bytes.size(); ++k) {
      c = (c << 6) | (static_cast<unsigned char>(bytes[i + k]) & 0x3F);
    }
    i += 1 + extra;
    if (c >= 0x10000) {
      text += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
      text += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      text += static_cast<char16_t>(c);
    }
  }
  return text;
}

std::string visible(const std::u16string& text) {
  std::u16string shown;
  for (char16_t c : text) {
    const auto* s = std::find_if(std::begin(kStandIns), std::end(kStandIns),
                                 [c](const StandIn& x) { return x.real == c; });
    if (c == u' ' || s == std::end(kStandIns)) {
      shown += c;
    } else {
      shown += s->stand;
      if (c == u'\n') shown += u'\n';  // keep the lines apart
    }
  }
  return encodeUtf8(shown);
}

std::vector<ConversionCase> parseCaseFile(const std::string& text, const std::string& file) {
  enum class Where { Outside, Input, Expected };
  std::vector<ConversionCase> cases;
  std::vector<std::string> block;
  Where where = Where::Outside;
  bool mayGiveOptions = false;  // right after the case's "##" line
  std::istringstream in(text);
  std::string line;
  int number = 0;
  auto fail = [&](const std::string& why) {
    throw std::runtime_error(file + ".txt:" + std::to_string(number) + ": " + why);
  };
  while (std::getline(in, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    switch (where) {
      case Where::Outside:
        if (line.rfind("## ", 0) == 0) {
          ConversionCase& c = cases.emplace_back();
          c.file = file;
          c.name = line.substr(3);
          c.options = u"+CR";
          where = Where::Input;
          mayGiveOptions = true;
        }
        break;
      case Where::Input:
        if (mayGiveOptions && line.rfind("options:", 0) == 0) {
          const std::string value = line.substr(8);
          cases.back().options = fromUtf8(value.rfind(' ', 0) == 0 ? value.substr(1) : value);
        } else if (line == ".") {
          cases.back().input = joinBlock(block);
          block.clear();
          where = Where::Expected;
        } else if (line == "~~~" || line.rfind("## ", 0) == 0) {
          fail("case '" + cases.back().name + "' has no '.' line");
        } else {
          block.push_back(line);
        }
        mayGiveOptions = false;
        break;
      case Where::Expected:
        if (line == "~~~") {
          cases.back().expected = joinBlock(block);
          block.clear();
          where = Where::Outside;
        } else {
          block.push_back(line);
        }
        break;
    }
  }
  if (where != Where::Outside) fail("the last case is not closed by '~~~'");
  return cases;
}

std::vector<ConversionCase> readCaseFiles(const std::filesystem::path& directory) {
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(directory)) {
    if (entry.path().extension() == ".txt") files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  std::vector<ConversionCase> cases;
  for (const auto& path : files) {
    std::ifstream stream(path, std::ios::binary);
    std::stringstream text;
    text << stream.rdbuf();
    auto more = parseCaseFile(text.str(), path.stem().string());
    cases.insert(cases.end(), more.begin(), more.end());
  }
  return cases;
}

void PrintTo(const ConversionCase& c, std::ostream* os) { *os << c.file << ".txt: " << c.name; }

std::string testName(const ConversionCase& c) {
  std::string name = c.file + "_" + c.name;
  for (char& ch : name) {
    if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
  }
  return name;
}

}  // namespace quillmark::testing
