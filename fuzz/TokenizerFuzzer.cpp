// fuzz_tokenizer: the tokenizer alone. The input, decoded as Windows-1252, is cut into lines
// with nextLine and each line into tokens with nextToken, as the converter does, and each cut
// is checked against what the tokenizer promises:
//
// Lines: every call takes something off the text; each line is a piece of the text that holds
// no CR-LF; the lines come in order, and what lies between and around them is only blanks,
// CRs and LFs, with a CR-LF between any two lines.
//
// Tokens: every call takes something off the line and returns a non-empty token from its
// front. What it takes beyond the token is exactly this: one blank, when the token is a
// control word (a backslash not followed by "'", "\", "{" or "}") and a blank follows it;
// nothing otherwise. So the tokens with those blanks put back give the line again. And each
// token has one of the promised shapes: a brace; "\'" with up to two more units; a
// backslash with a backslash or brace; "\u" with digits; a control word that runs to a
// backslash, brace or blank; or a run of text that runs to a backslash or brace. The line's
// last unit is never looked at, so it may end a control word or a text run whatever it is,
// unless it is a brace.
//
// It also checks findText, the search every scan of the engine goes through, against
// std::string_view::find. The text is the engine's 8-bit text (Engine.h): a unit is one to
// three bytes, and no token ends inside one.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "Engine.h"
#include "OutputChecks.h"
#include "quillmark/convert.h"

namespace {

using namespace quillmark;
using namespace quillmark::fuzz;
using namespace std::string_view_literals;

bool isBraceOrBackslash(char c) { return c == '\\' || c == '{' || c == '}'; }

bool isBrace(char c) { return c == '{' || c == '}'; }

bool isControlWord(std::string_view token) {
  return token[0] == '\\' &&
         (token.size() == 1 || (token[1] != '\'' && !isBraceOrBackslash(token[1])));
}

// Failure reports show 16-bit text.
void fail(const std::string& what, std::string_view text, std::string_view detail) {
  quillmark::fuzz::fail(what, fromEngineText(text), fromEngineText(detail));
}

void checkTokenShape(std::string_view token, bool endsLine, std::string_view line) {
  const auto bad = [&](const char* what) {
    fail(std::string("token \"") + std::string(token) + "\": " + what, line, "");
  };
  const char first = token[0];
  if (isBrace(first)) {
    if (token.size() != 1) bad("a brace with more after it");
    return;
  }
  if (first == '\\' && token.size() >= 2 && token[1] == '\'') {
    if (unitCount(token) > 4) bad("an escape longer than four units");
    return;
  }
  if (first == '\\' && token.size() >= 2 && isBraceOrBackslash(token[1])) {
    if (token.size() != 2) bad("an escaped character with more after it");
    return;
  }
  // A control word or a text run: no backslash, brace or (in a control word) blank after its
  // first unit, but for a last unit of the line that is no brace.
  const bool controlWord = first == '\\';
  for (std::size_t i = 1; i < token.size(); ++i) {
    const char c = token[i];
    const bool stop = isBraceOrBackslash(c) || (controlWord && c == ' ');
    if (!stop) continue;
    if (i + 1 != token.size() || !endsLine) bad("runs past a backslash, brace or blank");
    if (isBrace(c)) bad("ends with a brace");
  }
}

void checkFindText(std::string_view text, std::string_view part) {
  for (std::size_t from = 0; from <= text.size(); ++from) {
    const std::size_t expected = text.find(part, from);
    if (findText(text, part, from) != expected) {
      fail("findText of \"" + std::string(part) + "\" from " + std::to_string(from) +
               " disagrees with find",
           text, "");
    }
    if (expected == std::string_view::npos) return;
    from = expected;
  }
}

void checkTokens(std::string_view line) {
  LineText rest;
  rest.assign(line);
  std::string rebuilt;
  while (!rest.empty()) {
    const std::string_view before = rest.view();
    const std::string_view token = nextToken(rest);
    const std::string_view after = rest.view();
    if (token.empty()) fail("an empty token", line, before);
    if (token.data() != before.data() || token.size() > before.size()) {
      fail("a token that is not the front of the line", line, before);
    }
    if (after.data() + after.size() != before.data() + before.size() ||
        after.size() >= before.size()) {
      fail("nextToken took nothing, or more than the line", line, before);
    }
    const std::size_t taken = before.size() - after.size();
    const bool blankFollows = token.size() < before.size() && before[token.size()] == ' ';
    const std::size_t dropped = isControlWord(token) && blankFollows ? 1 : 0;
    if (taken != token.size() + dropped) {
      fail("nextToken took " + std::to_string(taken - token.size()) +
               " unit(s) beyond the token \"" + std::string(token) + "\"",
           line, before);
    }
    if (!after.empty() && (static_cast<unsigned char>(after[0]) & 0xC0) == 0x80) {
      fail("a token that ends inside a unit's bytes", line, before);
    }
    checkTokenShape(token, after.empty() && dropped == 0, line);
    rebuilt += token;
    if (dropped) rebuilt += ' ';
  }
  if (rebuilt != line) fail("the tokens do not give the line again", line, rebuilt);
}

bool onlyLineEnds(std::string_view text) {
  return text.find_first_not_of(" \r\n"sv) == std::string_view::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string text;  // the engine's 8-bit text
  appendWindows1252(text, {reinterpret_cast<const char*>(data), size});
  const std::string_view all = text;

  std::size_t gapStart = 0;  // where the text after the last line starts
  bool firstLine = true;
  for (std::string_view working = all; !working.empty();) {
    const std::string_view given = working;
    const std::string_view line = nextLine(working);
    if (working.size() >= given.size()) fail("nextLine took nothing", all, working);
    if (!working.empty() && (working.data() < given.data() ||
                             working.data() + working.size() > given.data() + given.size())) {
      fail("the text left after nextLine is not a piece of the text it was given", all, working);
    }
    const std::size_t lineStart = static_cast<std::size_t>(line.data() - all.data());
    if (!line.empty()) {
      if (line.data() < all.data() || lineStart + line.size() > all.size() ||
          lineStart < gapStart) {
        fail("a line that is not a later piece of the text", all, line);
      }
      if (line.find("\r\n"sv) != std::string_view::npos) fail("a line with a CR-LF", all, line);
      const std::string_view gap = all.substr(gapStart, lineStart - gapStart);
      if (!onlyLineEnds(gap)) fail("nextLine dropped more than blanks and line ends", all, gap);
      if (!firstLine && gap.find("\r\n"sv) == std::string_view::npos) {
        fail("two lines with no CR-LF between them", all, gap);
      }
      gapStart = lineStart + line.size();
      firstLine = false;
      checkTokens(line);
    }
  }
  if (!onlyLineEnds(all.substr(gapStart))) fail("nextLine dropped the end of the text", all, "");

  for (const std::string_view part :
       {"\r\n"sv, "\r\n\r\n"sv, "\\colortbl"sv, ";}}"sv, "\\f1"sv, ";"sv}) {
    checkFindText(all, part);
  }
  if (!all.empty()) {
    // A piece of the text itself, so that it is found at least once.
    const std::size_t length = 1 + all[0] % 12;
    checkFindText(all, all.substr(all.size() - std::min(length, all.size())));
  }
  return 0;
}
