// Hyperlink addresses from field instructions, and the fields a document keeps.
#include <gtest/gtest.h>

#include <QString>

#include "richtext/RtfFields.h"

namespace quillmark::richtext {
namespace {

using namespace Qt::StringLiterals;

TEST(RtfFields, TakesTheAddressOfAHyperlink) {
  const struct {
    QString instruction;
    QString address;
  } cases[] = {
      {u"HYPERLINK \"http://a/\""_s, u"http://a/"_s},
      {u"  hyperlink\thttp://b/  "_s, u"http://b/"_s},
      {u"HYPERLINK \"http://c/\" \\l \"part 2\""_s, u"http://c/#part 2"_s},
      {u"HYPERLINK \\l top"_s, u"#top"_s},
      {u"HYPERLINK \\o \"tip\" \\t \"_blank\" \"http://d/\""_s, u"http://d/"_s},
      {u"HYPERLINK \"C:\\\\x\\\"y\""_s, u"C:\\x\"y"_s},
      {u"HYPERLINK \"http://e/"_s, u"http://e/"_s},  // the closing quote missing
      {u"HYPERLINK \\o"_s, QString()},               // a switch without its argument
      {u"HYPERLINK"_s, QString()},
      {u"\"HYPERLINK\" x"_s, QString()},  // a quoted field name is none
      {u"PAGE \\* MERGEFORMAT"_s, QString()},
      {QString(), QString()},
  };
  for (const auto &test : cases) {
    EXPECT_EQ(hyperlinkAddress(test.instruction).toStdString(), test.address.toStdString())
        << test.instruction.toStdString();
  }
}

// A field's instruction is read afresh each time, with only text characters kept.
TEST(RtfFields, ReadsEachInstructionAfresh) {
  Fields fields;
  const int field = fields.open();
  EXPECT_EQ(fields.open(), field + 1);
  for (const char16_t c : u"HYPERLINK \u0001x\u0085y\u2029") fields.instructionCharacter(field, c);
  fields.setAddress(field, fields.takeAddress(field));
  EXPECT_EQ(fields.address(field).toStdString(), "xy");
  EXPECT_TRUE(fields.takeAddress(field).isEmpty());  // the instruction was forgotten
  EXPECT_TRUE(fields.address(field + 1).isEmpty());
}

}  // namespace
}  // namespace quillmark::richtext
