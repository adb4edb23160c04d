// A post over its forum's limit in parts: every part within the limit as the forum counts
// it, each read back by the format's own reader as a whole post, their texts together the
// whole post's text in order; the cut inside each kind of block reopens what it was in.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "FormatsSupport.h"
#include "quillmark/formats.h"
#include "quillmark/post.h"
#include "quillmark/split.h"

namespace quillmark {
namespace {

using post::Builder;
using post::Numbering;
using testing::utf8;

const post::Style kPlain{};

std::u16string u16(const std::string& ascii) { return {ascii.begin(), ascii.end()}; }

constexpr Format kPostFormats[] = {Format::Phpbb,     Format::Xenforo, Format::Mybb,    Format::Smf,
                                   Format::Vbulletin, Format::Bbcode,  Format::Markdown};

// The words of a text, in order.
std::vector<std::u16string> words(std::u16string_view text) {
  std::vector<std::u16string> out;
  std::u16string word;
  for (const char16_t c : text) {
    if (c == u' ' || c == u'\n' || c == u'\t' || c == u'\r' || c == u'|') {
      if (!word.empty()) out.push_back(std::move(word)), word.clear();
    } else {
      word.push_back(c);
    }
  }
  if (!word.empty()) out.push_back(std::move(word));
  return out;
}

// The words a reader sees in a model: its runs' text, block by block.
std::vector<std::u16string> wordsOf(const post::Model& model) {
  std::u16string text;
  for (post::Walk walk(model); walk.next();) {
    if (walk.event() != post::Event::Enter) continue;
    for (const post::Run& run : walk.block().runs) {
      if (run.isText()) text += run.text;
    }
    text += u' ';
  }
  return words(text);
}

// A season report of about `size` characters: a heading, a long table with a header row, a
// long numbered list, a quote of many paragraphs by its author, a long code block and a long
// paragraph of sentences.
post::Model report(int rows) {
  Builder b;
  b.heading(1);
  b.text(u"Season report", kPlain);
  b.paragraph();
  b.text(u"The numbers of every match, as promised.", kPlain);
  b.beginTable();
  b.row();
  for (const char16_t* head : {u"Round", u"Home", u"Away", u"Score"}) {
    b.cell(true);
    b.paragraph();
    b.text(head, kPlain);
  }
  for (int r = 1; r <= rows; ++r) {
    b.row();
    for (const std::string& cell :
         {std::to_string(r), "Harbour" + std::to_string(r), "Northgate" + std::to_string(r),
          std::to_string(r % 5) + "-1"}) {
      b.cell();
      b.paragraph();
      b.text(u16(cell), kPlain);
    }
  }
  b.endTable();
  for (int i = 1; i <= rows; ++i) {
    b.item(1, Numbering::Decimal);
    b.text(u16("Goal number " + std::to_string(i) + " came from a corner"), kPlain);
  }
  post::Attribution cite;
  cite.author = u"bob";
  for (int i = 1; i <= rows / 4; ++i) {
    b.quoteDepth(1, cite);
    b.paragraph();
    b.text(u16("Quoted line " + std::to_string(i) + " of the coach's words."), kPlain);
  }
  b.quoteDepth(0);
  b.code(u"text");
  for (int i = 1; i <= rows; ++i)
    b.text(u16("Player" + std::to_string(i) + "        " + std::to_string(i % 30) + "\n"), kPlain);
  b.paragraph();
  std::u16string sentences;
  for (int i = 1; i <= rows; ++i)
    sentences += u16("Sentence " + std::to_string(i) + " of the closing words. ");
  b.text(sentences, kPlain);
  return b.finish();
}

// Over the limit in every format: the parts are few, each within the limit (marks and all),
// each a post its reader reads whole, and together they say every word, in order.
TEST(PostSplit, APostOverTheLimitPostsAsPartsThatTogetherAreThePost) {
  const post::Model model = report(600);
  for (const Format format : kPostFormats) {
    SCOPED_TRACE(std::string(formatName(format)));
    const std::size_t limit = 10000;
    const Post whole = writePost(model, format);
    const std::size_t wholeLength = forumLength(whole.text, format);
    ASSERT_GT(wholeLength, 5 * limit);
    const std::vector<Post> parts = splitPost(model, format, {}, {limit, true});
    // The fewest parts the limit allows, give or take what the cuts repeat.
    EXPECT_LE(parts.size(), wholeLength / limit + 2);
    std::vector<std::u16string> said;
    std::size_t longest = 0, shortest = limit;
    for (std::size_t i = 0; i < parts.size(); ++i) {
      const std::u16string& text = parts[i].text;
      const std::size_t length = forumLength(text, format);
      EXPECT_LE(length, limit) << "part " << i + 1;
      longest = std::max(longest, length);
      if (i + 1 < parts.size()) shortest = std::min(shortest, length);
      const std::u16string mark =
          u16("(" + std::to_string(i + 1) + "/" + std::to_string(parts.size()) + ")");
      ASSERT_TRUE(text.ends_with(mark)) << utf8(text.substr(text.size() - 20));
      const post::Model back = readPost(text, format);
      EXPECT_EQ(post::check(back), std::nullopt) << "part " << i + 1;
      // A part read back and written again is the same part: nothing is left open in it.
      EXPECT_EQ(utf8(writePost(back, format).text), utf8(text)) << "part " << i + 1;
      std::vector<std::u16string> partWords = wordsOf(back);
      ASSERT_FALSE(partWords.empty());
      EXPECT_EQ(partWords.back(), mark);
      partWords.pop_back();
      for (std::u16string& word : partWords) said.push_back(std::move(word));
    }
    // As even as the pieces allow: no part but the last far shorter than the longest.
    EXPECT_GT(shortest, longest / 2);
    // Every word of the whole, in order; the parts say more only where a cut repeats what
    // it was in (a table's header row).
    const std::vector<std::u16string> all = wordsOf(readPost(whole.text, format));
    std::size_t at = 0;
    for (const std::u16string& word : all) {
      while (at < said.size() && said[at] != word) ++at;
      ASSERT_LT(at, said.size()) << "lost: " << utf8(word);
      ++at;
    }
  }
}

// The parts of a long post as a BBCode reader written apart from ours reads them
// (Parse::BBCode, tests/formats/tools/bbcode-balanced.pl): every tag of every part pairs, and
// the parts' words together are the post's, in order.
TEST(PostSplit, AnIndependentReaderReadsEveryPartWhole) {
  namespace fs = std::filesystem;
  const post::Model model = report(600);
  const fs::path dir = fs::path(::testing::TempDir()) / "independent-bbcode";
  for (const Format format : kPostFormats) {
    if (format == Format::Markdown) continue;  // read by cmark-gfm above
    SCOPED_TRACE(std::string(formatName(format)));
    const fs::path here = dir / std::string(formatName(format));
    fs::remove_all(here);
    fs::create_directories(here);
    std::vector<fs::path> files;
    for (const Post& part : splitPost(model, format, {}, {10000, true})) {
      files.push_back(here / ("part." + std::to_string(files.size() + 1)));
      std::ofstream(files.back(), std::ios::binary) << utf8(part.text);
    }
    ASSERT_GE(files.size(), 3u);
    std::string command = "perl '" QUILLMARK_TEST_TOOLS_DIR "/bbcode-balanced.pl'";
    for (const fs::path& file : files) command += " '" + file.string() + "'";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string output;
    char buffer[4096];
    for (std::size_t got; (got = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
      output.append(buffer, got);
    const int status = pclose(pipe);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_NE(WEXITSTATUS(status), 2) << "scripts/install-deps.sh installs libparse-bbcode-perl";
    EXPECT_EQ(WEXITSTATUS(status), 0) << output.substr(0, 2000);
    // The words shown of the parts, one after the other.
    std::vector<std::u16string> said;
    std::size_t shown = 0;
    for (std::size_t at = 0; (at = output.find("\n<<<\n", at)) != std::string::npos;) {
      at += 5;
      const std::size_t end = output.find("\n>>>\n", at);
      ASSERT_NE(end, std::string::npos);
      const std::string text = output.substr(at, end - at);
      for (std::u16string& word : words(std::u16string(text.begin(), text.end())))
        said.push_back(std::move(word));
      ++shown;
      at = end;
    }
    ASSERT_EQ(shown, files.size());
    std::size_t at = 0;
    for (const std::u16string& word : wordsOf(model)) {
      while (at < said.size() && said[at] != word) ++at;
      ASSERT_LT(at, said.size()) << "lost: " << utf8(word);
      ++at;
    }
  }
}

// One block alone over the limit is cut inside, and each part reopens what the cut was in.
TEST(PostSplit, ACutInsideABlockReopensItInTheNextPart) {
  struct Row {
    const char* name;
    post::Model model;
    // What the second part, read back, must begin with.
    std::function<void(const post::Model&)> second;
  };
  Builder list;
  for (int i = 1; i <= 400; ++i) {
    list.item(1, Numbering::Decimal);
    list.text(u16("Item " + std::to_string(i) + " of the list"), kPlain);
  }
  Builder table;
  table.beginTable();
  table.row();
  for (const char16_t* head : {u"Team", u"Points"}) {
    table.cell(true);
    table.paragraph();
    table.text(head, kPlain);
  }
  for (int r = 1; r <= 400; ++r) {
    table.row();
    for (const std::string& cell : {"Team" + std::to_string(r), std::to_string(r)}) {
      table.cell();
      table.paragraph();
      table.text(u16(cell), kPlain);
    }
  }
  table.endTable();
  Builder quote;
  post::Attribution cite;
  cite.author = u"carol";
  for (int i = 1; i <= 200; ++i) {
    quote.quoteDepth(1, cite);
    quote.paragraph();
    quote.text(u16("Line " + std::to_string(i) + " she wrote."), kPlain);
  }
  Builder code;
  code.code(u"php");
  for (int i = 1; i <= 400; ++i) code.text(u16("echo " + std::to_string(i) + ";\n"), kPlain);
  Builder paragraph;
  paragraph.paragraph();
  std::u16string text;
  for (int i = 1; i <= 400; ++i) text += u16("Sentence " + std::to_string(i) + " ends here. ");
  paragraph.text(text, kPlain);

  const auto firstBlock = [](const post::Model& m) -> const post::Block& {
    return m.blocks.front();
  };
  std::vector<Row> rows;
  rows.push_back({"list", list.finish(), [&](const post::Model& m) {
                    ASSERT_FALSE(m.blocks.empty());
                    EXPECT_EQ(firstBlock(m).kind, post::BlockKind::List);
                  }});
  rows.push_back({"table", table.finish(), [&](const post::Model& m) {
                    ASSERT_FALSE(m.blocks.empty());
                    const post::Block& first = firstBlock(m);
                    if (first.kind != post::BlockKind::Table) return;  // a code block
                    ASSERT_FALSE(first.children.empty());
                    const std::vector<std::u16string> head = wordsOf({{first.children[0]}});
                    EXPECT_EQ(head, (std::vector<std::u16string>{u"Team", u"Points"}));
                  }});
  rows.push_back({"quote", quote.finish(), [&](const post::Model& m) {
                    ASSERT_FALSE(m.blocks.empty());
                    EXPECT_EQ(firstBlock(m).kind, post::BlockKind::Quote);
                  }});
  rows.push_back({"code", code.finish(), [&](const post::Model& m) {
                    ASSERT_FALSE(m.blocks.empty());
                    EXPECT_EQ(firstBlock(m).kind, post::BlockKind::Code);
                  }});
  rows.push_back({"paragraph", paragraph.finish(), [&](const post::Model& m) {
                    ASSERT_FALSE(m.blocks.empty());
                    const std::vector<std::u16string> w = wordsOf(m);
                    ASSERT_FALSE(w.empty());
                    EXPECT_EQ(w.front(), u"Sentence");  // cut at a sentence's end
                  }});
  for (const Row& row : rows) {
    for (const Format format : kPostFormats) {
      SCOPED_TRACE(std::string(row.name) + " in " + std::string(formatName(format)));
      const std::vector<Post> parts = splitPost(row.model, format, {}, {2000, false});
      ASSERT_GE(parts.size(), 2u);
      for (const Post& part : parts) EXPECT_LE(forumLength(part.text, format), 2000u);
      row.second(readPost(parts[1].text, format));
    }
  }
}

// A numbered list goes on with its number where the dialect writes a start.
TEST(PostSplit, ANumberedListGoesOnWithItsNumber) {
  Builder b;
  for (int i = 1; i <= 300; ++i) {
    b.item(1, Numbering::Decimal);
    b.text(u16("Entry " + std::to_string(i)), kPlain);
  }
  const post::Model model = b.finish();
  const std::vector<Post> parts = splitPost(model, Format::Markdown, {}, {1000, false});
  ASSERT_GE(parts.size(), 2u);
  const post::Model first = readPost(parts[0].text, Format::Markdown);
  const post::Model second = readPost(parts[1].text, Format::Markdown);
  ASSERT_FALSE(first.blocks.empty());
  ASSERT_FALSE(second.blocks.empty());
  EXPECT_EQ(second.blocks[0].start,
            first.blocks[0].start + static_cast<int>(first.blocks[0].children.size()));
  // phpBB's [list=1] has no start: the part that would need one says so.
  const std::vector<Post> phpbb = splitPost(model, Format::Phpbb, {}, {1000, false});
  ASSERT_GE(phpbb.size(), 2u);
  EXPECT_TRUE(std::any_of(phpbb[1].losses.begin(), phpbb[1].losses.end(),
                          [](const Loss& loss) { return loss.element == Element::ListStart; }));
}

// Within the limit, or with none, the post is one part: writePost's post.
TEST(PostSplit, APostWithinTheLimitIsOnePart) {
  const post::Model model = report(5);
  for (const Format format : kPostFormats) {
    const Post whole = writePost(model, format);
    for (const std::size_t limit : {std::size_t{0}, forumLength(whole.text, format)}) {
      const std::vector<Post> parts = splitPost(model, format, {}, {limit, true});
      ASSERT_EQ(parts.size(), 1u);
      EXPECT_EQ(utf8(parts[0].text), utf8(whole.text));
    }
  }
}

// Each forum counts as its own code counts: phpBB the characters of the escaped markup,
// MyBB the bytes of its UTF-8, the others its characters; none the blanks around the post.
TEST(PostSplit, TheLengthIsCountedAsTheForumCountsIt) {
  const struct {
    Format format;
    std::u16string post;
    std::size_t length;
  } rows[] = {
      {Format::Phpbb, u"a&b", 7},
      {Format::Phpbb, u"<\"x\">", 21},
      {Format::Mybb, u"caf\u00e9 \u20ac", 9},
      {Format::Mybb, u"\U0001F600", 4},
      {Format::Smf, u"caf\u00e9 \U0001F600", 6},
      {Format::Xenforo, u"  [b]x[/b]\n\n", 8},
      {Format::Markdown, u"a&b", 3},
  };
  for (const auto& row : rows)
    EXPECT_EQ(forumLength(row.post, row.format), row.length) << utf8(row.post);
}

}  // namespace
}  // namespace quillmark
