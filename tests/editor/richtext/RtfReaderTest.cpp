// The RTF reader: what each construct becomes in the document, files in the styles of other
// word processors, inputs past the reader's limits, and round trips through the writer.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <algorithm>
#include <functional>
#include <random>
#include <string>

#include "richtext/DocumentModel.h"
#include "richtext/RtfReader.h"
#include "richtext/RtfWriter.h"

namespace quillmark::richtext {
namespace {

using namespace Qt::StringLiterals;

constexpr int kBulletIndentTwips = 250;

QString listStyleName(QTextListFormat::Style style) {
  switch (style) {
    case QTextListFormat::ListDisc:
      return u"disc"_s;
    case QTextListFormat::ListCircle:
      return u"circle"_s;
    case QTextListFormat::ListSquare:
      return u"square"_s;
    case QTextListFormat::ListDecimal:
      return u"decimal"_s;
    case QTextListFormat::ListLowerAlpha:
      return u"alpha"_s;
    case QTextListFormat::ListUpperAlpha:
      return u"ALPHA"_s;
    case QTextListFormat::ListLowerRoman:
      return u"roman"_s;
    case QTextListFormat::ListUpperRoman:
      return u"ROMAN"_s;
    default:
      return u"list?"_s;
  }
}

// The document as one line per paragraph: "<paragraph attributes>|<runs>", each run that is
// not the first preceded by its attributes in braces ("{}" for none). Faces and sizes are
// shown where they differ from the document's defaults, links by address, indents in twips,
// and lists numbered in order of appearance, so that two separate lists show as "bullet1",
// "bullet2"; a list other than level-1 discs by its style, number, "@" its level and "from"
// its start: "decimal2@1from3".
QString describe(const QTextDocument &document) {
  QStringList lines;
  QList<const QTextList *> lists;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    QStringList paragraph;
    const QTextBlockFormat format = block.blockFormat();
    const Qt::Alignment alignment = format.alignment() & Qt::AlignHorizontal_Mask;
    if (alignment & Qt::AlignHCenter) paragraph << u"center"_s;
    if (alignment & Qt::AlignRight) paragraph << u"right"_s;
    if (alignment & Qt::AlignJustify) paragraph << u"justify"_s;
    if (const QTextList *list = block.textList()) {
      if (!lists.contains(list)) lists << list;
      const QTextListFormat listFormat = list->format();
      const bool disc = listFormat.style() == QTextListFormat::ListDisc && listFormat.indent() == 1;
      QString name = disc ? u"bullet"_s : listStyleName(listFormat.style());
      name += QString::number(lists.indexOf(list) + 1);
      if (!disc) name += u'@' + QString::number(listFormat.indent());
      const QVariant start = listFormat.property(kListStartProperty);
      if (start.isValid()) name += u"from"_s + QString::number(start.toInt());
      paragraph << name;
    }
    if (format.leftMargin() != 0) {
      paragraph << u"left=%1"_s.arg(pixelsToTwips(format.leftMargin()));
    }
    if (format.textIndent() != 0) {
      paragraph << u"first=%1"_s.arg(pixelsToTwips(format.textIndent()));
    }
    QString line = paragraph.join(u' ') + u'|';
    bool first = true;
    for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
      const QTextCharFormat chars = it.fragment().charFormat();
      QStringList attributes;
      if (isBold(chars)) attributes << u"b"_s;
      if (chars.fontItalic()) attributes << u"i"_s;
      if (chars.fontUnderline()) attributes << u"u"_s;
      if (chars.fontStrikeOut()) attributes << u"s"_s;
      if (chars.verticalAlignment() == QTextCharFormat::AlignSuperScript) attributes << u"sup"_s;
      if (chars.verticalAlignment() == QTextCharFormat::AlignSubScript) attributes << u"sub"_s;
      if (chars.foreground().style() != Qt::NoBrush) {
        attributes << chars.foreground().color().name();
      }
      if (fontPointSizeOf(chars, document) != document.defaultFont().pointSizeF()) {
        attributes << QString::number(fontPointSizeOf(chars, document)) + u"pt"_s;
      }
      if (fontNameOf(chars, document) != document.defaultFont().family()) {
        attributes << u"face="_s + fontNameOf(chars, document);
      }
      if (!linkOf(chars).isEmpty()) attributes << u"link="_s + linkOf(chars);
      if (!first || !attributes.isEmpty()) line += u'{' + attributes.join(u' ') + u'}';
      line += it.fragment().text();
      first = false;
    }
    lines << line;
  }
  return lines.join(u'\n');
}

// Reads into a fresh document set up as the editor sets one up.
QString read(QByteArrayView rtf) {
  QTextDocument document;
  setUpDocument(document, kBulletIndentTwips);
  QString error;
  EXPECT_TRUE(readRtf(rtf, document, &error)) << error.toStdString();
  return describe(document);
}

struct Case {
  const char *name;
  QByteArrayView rtf;
  QString expected;
};

class ReadTest : public testing::TestWithParam<Case> {};

TEST_P(ReadTest, GivesTheDocument) {
  EXPECT_EQ(read(GetParam().rtf).toStdString(), GetParam().expected.toStdString());
}

const Case kCases[] = {
    {"plain", "{\\rtf1 Hello}", u"|Hello"_s},
    {"byte_order_mark_and_blanks", "\xEF\xBB\xBF \r\n{\\rtf1 Hi}", u"|Hi"_s},
    {"character_toggles",
     "{\\rtf1 \\b a\\b0 b\\i c\\i0 \\ul d\\ul0 e\\uldb f\\ulnone g\\ulw h\\ulc1 \\ulnone i"
     "\\strike j\\strike0 \\super k\\nosupersub \\sub l\\nosupersub \\up6 m\\up0 \\dn4 n\\dn0 o}",
     u"|{b}a{}b{i}c{u}d{}e{u}f{}g{u}h{}i{s}j{sup}k{sub}l{sup}m{sub}n{}o"_s},
    {"plain_resets_characters", "{\\rtf1{\\fonttbl{\\f1 Arial;}}\\f1\\fs30\\b\\i x \\plain y}",
     u"|{b i 15pt face=Arial}x {}y"_s},
    {"sizes", "{\\rtf1\\fs20 a\\fs21 b\\fs c\\fs0 d}", u"|{10pt}a{10.5pt}b{}cd"_s},
    {"colors",
     "{\\rtf1{\\colortbl;\\red255\\green0\\blue0;;\\red0\\green0\\blue255;}"
     "\\cf1 r\\cf2 auto\\cf3 b\\cf9 x\\cf0 n}",
     u"|{#ff0000}r{}auto{#0000ff}b{}xn"_s},
    {"font_table_without_groups", "{\\rtf1{\\fonttbl\\f0\\fswiss Arial;\\f1\\froman Times;}\\f1 x}",
     u"|{face=Times}x"_s},
    // Text in the same state before and after a change of what that state shows.
    {"default_font_given_after_text", "{\\rtf1{\\fonttbl{\\f0 Arial;}}a\\deff0 b\\par c}",
     u"|a{face=Arial}b\n|{face=Arial}c"_s},
    {"link_address_given_again",
     "{\\rtf1{\\field{\\*\\fldinst HYPERLINK a}{\\fldrslt x\\b y\\b0 z}"
     "{\\*\\fldinst HYPERLINK b}{\\fldrslt w\\b v}}}",
     u"|{link=a}x{b link=a}y{link=a}z{link=b}w{b link=b}v"_s},
    {"group_scope", "{\\rtf1 a{\\b b{\\i c}d}e}", u"|a{b}b{b i}c{b}d{}e"_s},
    {"paragraph_formats_last_until_pard",
     "{\\rtf1\\qc\\li300\\fi-150 a\\par b\\par\\pard c\\par\\qj d\\par\\qr e\\par\\ql f}",
     u"center left=300 first=-150|a\ncenter left=300 first=-150|b\n|c\njustify|d\nright|e\n|f"_s},
    {"breaks", "{\\rtf1 a\\tab b\\line c\\par d\\sect e\\page f\\\nnewline}",
     u"|a\tb\u2028c\n|d\n|e\n|f\n|newline"_s},
    {"symbols",
     "{\\rtf1 a\\~b\\_c\\-d\\emdash\\endash\\lquote\\rquote\\ldblquote\\rdblquote\\bullet"
     "\\{\\}\\\\}",
     u"|a\u00A0b\u2011cd\u2014\u2013\u2018\u2019\u201C\u201D\u2022{}\\"_s},
    {"unicode_skip_counts",
     "{\\rtf1\\uc2 a\\u8364\\'80\\'80b{\\uc0\\u8364 c}\\u946 xyz\\uc1\\u947?\\u948\\'3f!}",
     u"|a\u20ACb\u20ACc\u03B2z\u03B3\u03B4!"_s},
    {"unicode_skip_stops_at_braces", "{\\rtf1\\uc3\\u946{x}y}", u"|\u03B2xy"_s},
    {"negative_unicode_and_pairs", "{\\rtf1\\u-10179?\\u-8694?\\u-3913?}", u"|\U0001F60A\uF0B7"_s},
    {"windows_1252_default", "{\\rtf1\\ansi Caf\\'e9 \\'80 \\'93q\\'94 raw\xe9}",
     u"|Caf\u00E9 \u20AC \u201Cq\u201D raw\u00E9"_s},
    {"ansi_code_page", "{\\rtf1\\ansi\\ansicpg1251 \\'c0\\'e1}", u"|\u0410\u0431"_s},
    {"font_charsets",
     "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset204 Arial Cyr;}"
     "{\\f2\\fcharset128 MS Mincho;}{\\f3\\fcharset161 Greek;}}"
     "\\f0\\'e9\\f1\\'c0\\f2\\'82\\'a0\\f3\\'e1}",
     u"|{face=Arial}\u00E9{face=Arial Cyr}\u0410{face=MS Mincho}\u3042{face=Greek}\u03B1"_s},
    {"unknown_code_page_falls_back", "{\\rtf1\\ansi\\ansicpg99999 \\'e9}", u"|\u00E9"_s},
    {"fields_give_their_result",
     "{\\rtf1 see {\\field{\\*\\fldinst HYPERLINK \"http://x/\"}{\\fldrslt here}} and "
     "{\\field{\\fldinst PAGE}{\\fldrslt 3}}.}",
     u"|see {link=http://x/}here{} and 3."_s},
    {"table_cells_become_table_cells",
     "{\\rtf1\\trowd\\cellx100\\cellx200\\cellx300 a\\cell \\cell c\\cell\\row"
     "\\trowd\\cellx100 d\\cell\\row e}",
     u"|\n|a\n|\n|c\n|d\n|\n|\n|e"_s},
    {"destinations_skipped",
     "{\\rtf1{\\info{\\title T}}{\\*\\unknown x}{\\header h}{\\footnote f}"
     "{\\pict\\pngblip 89504e}{\\*\\bkmkstart b}a{\\stylesheet{\\s1 Normal;}}b"
     "{\\*\\themedata 504b}{\\object{\\*\\objdata 01}}c}",
     u"|abc"_s},
    // An embedded picture, which the document cannot hold, leaves its description.
    {"embedded_picture_leaves_its_description",
     "{\\rtf1 Goal: {\\pict{\\*\\picprop{\\sp{\\sn wzName}{\\sv p1}}{\\sp{\\sn "
     "wzDescription}{\\sv the winner}}}\\picw0\\wmetafile8 0100}!}",
     u"|Goal: the winner!"_s},
    {"embedded_picture_described_once",
     "{\\rtf1 a{\\*\\shppict{\\pict{\\*\\picprop{\\sp{\\sn wzDescription}{\\sv "
     "cat}}}\\pngblip 8950}}{\\nonshppict{\\pict{\\*\\picprop{\\sp{\\sn "
     "wzDescription}{\\sv cat}}}\\wmetafile8 01}}b}",
     u"|acatb"_s},
    {"picture_properties_outside_a_picture_skipped",
     "{\\rtf1 a{\\sp{\\sn wzDescription}{\\sv no}}{\\sv x}{\\sn y}b}", u"|ab"_s},
    {"binary_data_skipped", "{\\rtf1 a{\\*\\blob\\bin4 }{\\}}b\\bin2 {}c}", u"|abc"_s},
    {"missing_closing_braces", "{\\rtf1 abc{\\b def", u"|abc{b}def"_s},
    {"text_after_the_document_ignored", "{\\rtf1 a}b", u"|a"_s},
    {"structure_characters_from_escapes", "{\\rtf1 a\\u10?b\\'00c\\u8233?d}", u"|a\n|bc\n|d"_s},
    {"bullets",
     "{\\rtf1\\pard{\\pntext\\'B7\\tab}\\fi-250\\li750 a\\par{\\pntext\\'B7\\tab}b\\par"
     "\\pard c\\par{\\pntext\\u8226?\\tab}d\\par\\pard{\\*\\pn\\pnlvlblt{\\pntxtb\\'B7}}e}",
     u"bullet1 left=500|a\nbullet1 left=500|b\n|c\nbullet2|d\nbullet2|e"_s},
    {"numbered_items_keep_their_numbers",
     "{\\rtf1{\\pntext 1.\\tab}a\\par{\\listtext\\pard\\plain\\b 2)\\tab}b}", u"|1.\ta\n|2)\tb"_s},
    // Numbers written only in the list's definition, the list text left blank or missing.
    {"list_table_numbers",
     "{\\rtf1{\\*\\listtable{\\list\\listtemplateid1{\\listlevel\\levelnfc0\\levelstartat1"
     "{\\leveltext\\'02\\'00.;}{\\levelnumbers\\'01;}}{\\listlevel\\levelnfc4\\levelstartat1"
     "{\\leveltext\\leveltemplateid9\\'04\\'00.\\'01);}{\\levelnumbers\\'01\\'03;}}"
     "{\\listname ;}\\listid7}{\\list{\\listlevel\\levelnfc23{\\leveltext\\'01\\u8226 ?;}}"
     "\\listid8}}{\\*\\listoverridetable{\\listoverride\\listid7\\listoverridecount0\\ls1}"
     "{\\listoverride\\listid8\\ls2}}"
     "\\pard\\ls1\\ilvl0{\\listtext\\tab}first\\par{\\listtext\\tab}\\b second\\par"
     "\\ilvl1{\\listtext\\tab}\\b0 sub a\\par sub b\\par\\ilvl0 third\\par"
     "\\pard plain\\par\\ls2 dot\\par\\pard\\ls1{\\listtext 9.\\tab}given}",
     u"decimal1@1|first\ndecimal1@1|{b}second\nalpha2@2|sub a\nalpha2@2|sub b\n"
     u"decimal1@1|third\n|plain\nbullet3|dot\ndecimal4@1from4|given"_s},
    {"old_style_numbers",
     "{\\rtf1\\pard{\\*\\pn\\pnlvlbody\\pndec\\pnstart3{\\pntxta .}}{\\pntext\\tab}c\\par"
     "{\\*\\pn\\pnlvlbody\\pndec\\pnstart3{\\pntxta .}}{\\pntext\\tab}d\\par\\pard x\\par"
     "{\\*\\pn\\pnlvlbody\\pnucrm\\pnstart4{\\pntxtb (}{\\pntxta )}}e\\par"
     "{\\*\\pn\\pnlvl2\\pnlcltr\\pnstart1}f\\par{\\*\\pn\\pnlvlcont}g\\par"
     "{\\*\\pn\\pnlvl2\\pnlcltr}h}",
     u"decimal1@1from3|c\ndecimal1@1from3|d\n|x\nROMAN2@1from4|e\nalpha3@2|f\n|g\n"
     u"alpha4@2from2|h"_s},
    // Hyperlink fields as this program and other word processors write them.
    {"link_ours", "{\\rtf1 go {\\field{\\*\\fldinst HYPERLINK \"http://a/\"}{\\fldrslt\\b x}} on}",
     u"|go {b link=http://a/}x{} on"_s},
    {"link_with_groups_in_instruction_and_result",
     "{\\rtf1{\\field{\\*\\fldinst {\\rtlch\\fcs1 HYPERLINK \"http://b/\" }{\\*\\datafield 00ff}}"
     "{\\fldrslt {\\cs15\\ul y}}}}",
     u"|{u link=http://b/}y"_s},
    {"link_unquoted_lower_case", "{\\rtf1{\\field{\\*\\fldinst hyperlink http://c/}{\\fldrslt z}}}",
     u"|{link=http://c/}z"_s},
    {"link_bookmark_and_tooltip",
     "{\\rtf1{\\field{\\*\\fldinst HYPERLINK \"http://d/\" \\\\l \"part 2\" \\\\o \"tip\"}"
     "{\\fldrslt w}}{\\field{\\*\\fldinst HYPERLINK \\\\o \"tip\" \\\\l \"top\"}{\\fldrslt v}}}",
     u"|{link=http://d/#part 2}w{link=#top}v"_s},
    {"link_escapes_in_address",
     "{\\rtf1{\\field{\\*\\fldinst HYPERLINK \"C:\\\\\\\\d\\\\\\\\a\\\\\"b\\'e9\"}{\\fldrslt "
     "t}}}",
     u"|{link=C:\\d\\a\"b\u00E9}t"_s},
    {"link_around_other_fields_and_links",
     "{\\rtf1{\\field{\\*\\fldinst HYPERLINK \"http://f/\"}{\\fldrslt a{\\field{\\*\\fldinst PAGE}"
     "{\\fldrslt 3}}b{\\field{\\*\\fldinst HYPERLINK \"http://g/\"}{\\fldrslt c}}d}}}",
     u"|{link=http://f/}a3b{link=http://g/}c{link=http://f/}d"_s},
    {"link_survives_plain",
     "{\\rtf1{\\field{\\*\\fldinst HYPERLINK \"http://i/\"}{\\fldrslt\\b a\\plain b}}}",
     u"|{b link=http://i/}a{link=http://i/}b"_s},
    {"link_addresses_apart_by_a_tab_are_one_link",
     "{\\rtf1{\\field{\\*\\fldinst HYPERLINK \"a\\tab b\"}{\\fldrslt x}}"
     "{\\field{\\*\\fldinst HYPERLINK \"a\\'09\\u133?b\"}{\\fldrslt y}}}",
     u"|{link=ab}xy"_s},
    {"link_instruction_outside_a_field", "{\\rtf1{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt y}}",
     u"|y"_s},
    // Tables as fixed-columns blocks.
    {"table_paragraphs_in_cells",
     "{\\rtf1\\trowd\\cellx1000\\cellx2000\\pard\\intbl Team\\cell Points\\par total\\cell\\row"
     "\\trowd\\cellx1000\\cellx2000\\pard\\intbl Leeds\\cell 12\\cell\\row\\pard after}",
     u"|\n|Team\n|Points\n|total\n|Leeds\n|12\n|after"_s},
    {"table_ragged_rows_and_empty_cells",
     "{\\rtf1 x\\par\\intbl a\\cell\\cell b\\cell\\row\\intbl cc\\cell\\row}",
     u"|x\n|a\n|\n|b\n|cc\n|\n|\n|"_s},
    {"table_wide_text",
     "{\\rtf1\\intbl \\u26481?\\u20140?\\cell x\\cell\\row\\intbl ab\\cell y\\cell\\row}",
     u"|\n|\u6771\u4EAC\n|x\n|ab\n|y\n|"_s},
    {"table_cells_keep_formatting_and_lose_nesting",
     "{\\rtf1\\intbl{\\b bold}\\tab x\\line y\\cell a\\nestcell b\\nestcell\\nestrow\\cell\\row}",
     u"|\n|{b}bold{}\tx\u2028y\n|a b  \n|"_s},
    {"table_mark_without_cells", "{\\rtf1\\pard\\intbl lonely\\par\\pard next}", u"|lonely next"_s},
    // Control characters (C0 but the tab, DEL, C1) and the characters Qt takes for structure
    // never reach the document: the writer would write them and reading that back drop them.
    {"number_text_control_byte", "{\\rtf1 {\\pn\\pnlvl{\\pntxta\\'01}}}", u"decimal1@1|"_s},
    {"number_texts_hold_text_only",
     "{\\rtf1{\\*\\pn\\pnlvlbody\\pndec{\\pntxtb\\'01(\\u8233?}{\\pntxta )\\'1f\\u-4?\\u133?}}a}",
     u"decimal1@1|a"_s},
    {"number_text_group_inside_a_number_text_skipped",
     "{\\rtf1{\\*\\pn\\pnlvlbody\\pndec{\\pntxtb (a{\\pntxta b})}}x}", u"decimal1@1|x"_s},
    {"level_texts_hold_text_only",
     "{\\rtf1{\\*\\listtable{\\list{\\listlevel\\levelnfc0\\levelstartat1"
     "{\\leveltext\\'06\\'00\\u133?.\\u-560?\\'1f\\u127?;}}\\listid1}}"
     "{\\*\\listoverridetable{\\listoverride\\listid1\\ls1}}\\pard\\ls1 a}",
     u"decimal1@1|a"_s},
    {"list_texts_hold_text_only",
     "{\\rtf1{\\listtext\\'01\\tab}a\\par{\\listtext 2.\\u8233?\\tab}b}", u"|a\n|2.\tb"_s},
    {"text_holds_no_control_characters",
     "{\\rtf1 a\\u127?b\\u133?c\\u-4?d\\'7fe\x7f"
     "f\\'01g\\u-560?h\\u-559?i}",
     u"|abcdefghi"_s},
    {"undefined_bytes_are_replacement_characters",
     "{\\rtf1{\\fonttbl{\\f1\\fcharset2 Symbol;}}a\\'81b\x8d"
     "c\\f1\\'9d\\'01\\'b7}",
     u"|a\uFFFDb\uFFFDc{face=Symbol}\uFFFD\u00B7"_s},
    {"fields_and_cells_hold_no_control_characters",
     "{\\rtf1{\\field{\\*\\fldinst HYPERLINK\\tab \"h\\'01\\u133?\"}{\\fldrslt x\\'02\\u127?y}}"
     "\\par\\intbl c\\'03\\u-560?d\\cell\\row}",
     u"|{link=h}xy\n|cd\n|"_s},
};

INSTANTIATE_TEST_SUITE_P(Constructs, ReadTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case> &param) {
                           return param.param.name;
                         });

struct Fixture {
  const char *name;
  QString expected;
};

class FixtureTest : public testing::TestWithParam<Fixture> {};

TEST_P(FixtureTest, KeepsTextAndFormats) {
  QFile file(u":/fixtures/%1.rtf"_s.arg(QLatin1StringView(GetParam().name)));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(read(file.readAll()).toStdString(), GetParam().expected.toStdString());
}

const Fixture kFixtures[] = {
    {"wordpad",
     u"|{10pt face=Arial}Caf\u00E9 {b 10pt face=Arial}bold{10pt face=Arial} {i 10pt "
     u"face=Arial}italic{10pt face=Arial} "
     u"{u 10pt face=Arial}under{10pt face=Arial} {#0000ff 10pt face=Arial}blue\n"
     u"center|{14pt face=Arial}Big centred\n"
     u"bullet1 left=470|{10pt face=Arial}one\n"
     u"bullet1 left=470|{10pt face=Arial}two\n"
     u"decimal2@1 left=110|{10pt face=Arial}first\n"
     u"right|{s 10pt face=Arial}gone{10pt face=Arial}\tx\u2028y\n"
     u"right|"_s},
    {"word",
     u"|{11pt face=Calibri}Price: {b 11pt face=Calibri}\u20AC{11pt face=Calibri}5 \u2013 see "
     u"{u #0563c1 11pt face=Calibri link=https://example.org/}the site{11pt face=Calibri}.\n"
     u"center|{i #ff0000 11pt face=Calibri}Centred red italic\n"
     u"bullet1 left=470|{11pt face=Calibri}Apples\n"
     u"bullet1 left=470|{11pt face=Calibri}Pears\n"
     u"|{11pt face=Calibri}A1\n|{11pt face=Calibri}B1\n"
     u"|{11pt face=Calibri}Caf\u00E9 \u201Cquoted\u201D\u00A0end\n"
     u"|"_s},
    {"libreoffice",
     u"|{face=Liberation Serif}Plain and {b face=Liberation Serif}bold"
     u"{face=Liberation Serif} and {sup #008000 face=Liberation Serif}green"
     u"{face=Liberation Serif} and \u2019quote\u2019\n"
     u"bullet1 left=470|{face=Liberation Serif}Item one\n"
     u"bullet1 left=470|{face=Liberation Serif}Item two\n"
     u"justify|{sub face=Liberation Serif}sub{face=Liberation Serif} "
     u"\u0414\u0430\n"
     u"justify|"_s},
    {"abiword",
     u"|{face=DejaVu Sans}AbiWord {i face=DejaVu Sans}italic"
     u"{face=DejaVu Sans} and {u #ff0000 face=DejaVu Sans}red underline\n"
     u"bullet1 left=470|{face=DejaVu Sans}Bullet item\n"
     u"right|{face=DejaVu Sans}Right\n"
     u"right|"_s},
    {"pandoc",
     u"center|{b 18pt face=Helvetica}Title\n"
     u"|{face=Helvetica}Some {b face=Helvetica}bold{face=Helvetica} and "
     u"{i face=Helvetica}emphasis{face=Helvetica} and {face=Courier}code{face=Helvetica}.\n"
     u"bullet1 left=110|{face=Helvetica}First item\n"
     u"bullet1 left=110|{face=Helvetica}Second {sup face=Helvetica}2\n"
     u"left=360 first=-360|{face=Helvetica}1.\tNumbered\n"
     u"|{face=Helvetica}\u201CUnicode\u201D \u4F60\u597D\n"
     u"|"_s},
};

INSTANTIATE_TEST_SUITE_P(OtherWriters, FixtureTest, testing::ValuesIn(kFixtures),
                         [](const testing::TestParamInfo<Fixture> &param) {
                           return param.param.name;
                         });

TEST(RtfReaderTest, RejectsWhatIsNotRtfAndLeavesTheDocumentAlone) {
  for (const QByteArrayView bytes :
       {QByteArrayView(""), QByteArrayView("Hello"), QByteArrayView("{\\rt"),
        QByteArrayView("<html>{\\rtf1}</html>"), QByteArrayView("\xEF\xBB\xBFhello")}) {
    QTextDocument document;
    setUpDocument(document, kBulletIndentTwips);
    QString error;
    EXPECT_FALSE(readRtf(bytes, document, &error)) << bytes.toByteArray().toStdString();
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(document.isEmpty());
    EXPECT_EQ(document.blockCount(), 1);
  }
}

// Past the nesting limit text keeps coming in, formatting stops changing, and destinations
// are still skipped.
TEST(RtfReaderTest, DeepNestingKeepsTheText) {
  constexpr int kDepth = 2000;
  QByteArray rtf = "{\\rtf1 start";
  for (int i = 0; i < kDepth; ++i) rtf += i == 10 ? "{\\i " : "{";
  rtf += "\\b deep{\\*\\hidden gone}{\\info gone}\\par x";
  rtf += QByteArray(kDepth, '}');
  rtf += " end}";
  EXPECT_EQ(read(rtf).toStdString(), (u"|start{i}deep\n|{i}x{} end"_s).toStdString());
}

// Pathological inputs that must stay linear: generous bounds that only a quadratic reader
// misses.
TEST(RtfReaderTest, PathologicalInputsAreFast) {
  const struct {
    const char *name;
    QByteArray rtf;
    qsizetype length;  // of the text read
  } cases[] = {
      {"nesting", "{\\rtf1" + QByteArray(200000, '{') + 'x' + QByteArray(200000, '}') + '}', 1},
      {"format_changes", "{\\rtf1" + QByteArray("\\b a\\b0 b").repeated(100000) + '}', 200000},
      {"paragraphs", "{\\rtf1" + QByteArray("a\\par ").repeated(100000) + '}', 200000},
      {"skipped_groups", "{\\rtf1" + QByteArray("{\\*\\x y}").repeated(200000) + "z}", 1},
      {"unicode", "{\\rtf1\\uc1" + QByteArray("\\u946?").repeated(200000) + '}', 200000},
  };
  for (const auto &test : cases) {
    QElapsedTimer timer;
    timer.start();
    QTextDocument document;
    setUpDocument(document, kBulletIndentTwips);
    ASSERT_TRUE(readRtf(test.rtf, document));
    EXPECT_EQ(document.characterCount() - 1, test.length) << test.name;
    EXPECT_LT(timer.elapsed(), 5000) << test.name;
  }
}

// Documents built as the editor builds them: written, read back and written again, they give
// the same bytes, and the document read back describes the same as the one written.
QTextCharFormat charFormat(const std::function<void(QTextCharFormat &)> &set) {
  QTextCharFormat format;
  set(format);
  return format;
}

void buildEverything(QTextDocument &document) {
  QTextCursor cursor(&document);
  cursor.insertText(u"plain "_s);
  cursor.insertText(u"bold"_s, charFormat([](auto &f) { f.setFontWeight(QFont::Bold); }));
  cursor.insertText(u" "_s, QTextCharFormat());
  cursor.insertText(u"italic"_s, charFormat([](auto &f) { f.setFontItalic(true); }));
  cursor.insertText(u"under"_s, charFormat([](auto &f) { f.setFontUnderline(true); }));
  cursor.insertText(u"strike"_s, charFormat([](auto &f) { f.setFontStrikeOut(true); }));
  cursor.insertText(u"sup"_s, charFormat([](auto &f) {
                      f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
                    }));
  cursor.insertText(u"sub"_s, charFormat([](auto &f) {
                      f.setVerticalAlignment(QTextCharFormat::AlignSubScript);
                    }));
  cursor.insertText(u"red"_s, charFormat([](auto &f) { f.setForeground(QColor(255, 0, 0)); }));
  cursor.insertText(u"big"_s, charFormat([](auto &f) { f.setFontPointSize(14); }));
  cursor.insertText(u"arial"_s, charFormat([](auto &f) { setFontName(f, u"Arial"_s); }));
  cursor.insertText(u"all"_s, charFormat([](auto &f) {
                      f.setFontWeight(QFont::Bold);
                      f.setFontItalic(true);
                      f.setFontUnderline(true);
                      f.setForeground(QColor(0, 128, 255));
                      f.setFontPointSize(8.5);
                      setFontName(f, u"Courier"_s);
                    }));
  cursor.insertText(
      u"\tcaf\u00E9 \u20AC\u2122 \u201Cq\u201D \u2014 \U0001F60A \u03A9 \\{} "
      u"\u00A0 \u0410\u2028next line"_s,
      QTextCharFormat());
  const auto paragraph = [&](Qt::Alignment alignment, double left, double first) {
    QTextBlockFormat format;
    format.setAlignment(alignment);
    format.setLeftMargin(left);
    format.setTextIndent(first);
    cursor.insertBlock(format, QTextCharFormat());
  };
  paragraph(Qt::AlignHCenter, 0, 0);
  cursor.insertText(u"centred"_s);
  paragraph(Qt::AlignRight, 0, 0);
  cursor.insertText(u"right"_s);
  paragraph(Qt::AlignJustify, 0, 0);
  cursor.insertText(u"justified"_s);
  paragraph(Qt::AlignLeft, 20, -10);
  cursor.insertText(u"indented"_s);
  QTextListFormat bullets;
  bullets.setStyle(QTextListFormat::ListDisc);
  bullets.setIndent(1);
  paragraph(Qt::AlignLeft, 0, 0);
  cursor.insertText(u"bullet one"_s);
  QTextList *list = cursor.createList(bullets);
  paragraph(Qt::AlignHCenter, 30, 0);
  list->add(cursor.block());
  cursor.insertText(u"bullet two, indented"_s);
  paragraph(Qt::AlignLeft, 0, 0);
  cursor.insertText(u" starts with a blank"_s);
  paragraph(Qt::AlignLeft, 0, 0);
  cursor.insertText(u"another list"_s);
  cursor.createList(bullets);
  paragraph(Qt::AlignLeft, 0, 0);  // an empty last paragraph
}

TEST(RtfReaderTest, RoundTripsThroughTheWriter) {
  const struct {
    const char *name;
    std::function<void(QTextDocument &)> build;
  } cases[] = {
      {"empty", [](QTextDocument &) {}},
      {"one_word", [](QTextDocument &d) { QTextCursor(&d).insertText(u"word"_s); }},
      {"blank_lines", [](QTextDocument &d) { QTextCursor(&d).insertText(u"\n\na\n\n"_s); }},
      {"every_format", buildEverything},
      {"links",
       [](QTextDocument &d) {
         QTextCursor cursor(&d);
         QTextCharFormat link;
         setLink(link, u"https://example.org/a?b=\"c\"&d=\\e \u00E9"_s);
         cursor.insertText(u"go "_s);
         cursor.insertText(u"here"_s, link);
         link.setFontWeight(QFont::Bold);
         link.setForeground(QColor(0, 0, 255));
         cursor.insertText(u" and there\u2028next"_s, link);
         cursor.insertBlock();
         cursor.insertText(u"after"_s, QTextCharFormat());
         setLink(link, u"#top"_s);
         cursor.insertText(u"top"_s, link);
       }},
  };
  for (const auto &test : cases) {
    QTextDocument original;
    setUpDocument(original, kBulletIndentTwips);
    test.build(original);
    const QByteArray written = writeRtf(original);
    QTextDocument loaded;
    setUpDocument(loaded, kBulletIndentTwips);
    ASSERT_TRUE(readRtf(written, loaded)) << test.name;
    EXPECT_EQ(describe(loaded).toStdString(), describe(original).toStdString()) << test.name;
    EXPECT_EQ(writeRtf(loaded).toStdString(), written.toStdString()) << test.name;
  }
}

// Whatever the reader makes of an input, the writer's RTF of it reads back to a document that
// is written the same: reading loses nothing the writer states. Inputs are random strings of
// RTF pieces, the awkward ones among them.
TEST(RtfReaderTest, WhatItReadsRoundTrips) {
  // The pieces, separated by "|".
  const QList<QByteArray> pieces =
      QByteArray(
          "{|}|\\|\\b |\\b0 |\\i|\\ul|\\strike|\\super|\\sub|\\nosupersub|\\plain|"
          "\\u-3913?|\\'e9|\\'8|\\uc3 |\\uc0|\\*|\\pntext |\\listtext |\\pn|\\pnlvlblt|"
          "\\par |\\cell |\\row |\\fonttbl|\\f1 |\\fcharset128 |\\'82|\\colortbl|\\red9;|;|"
          "\\cf2 |\\fs-5|\\fs99999|\\bin3 |\\li-99999999999|\\li500|\\fi-250|\\qc|\\qj|"
          "\\pard|text |\r\n|\\\r|\\u10 |\\'00|\\deff5|\\ansicpg932 |\\ansicpg1251 |"
          "\\fldinst|\\fldrslt|\\line|\\tab|\xe9|\x01|\\~|\\u-10179|\\u56842| |\\ulnone")
          .split('|');
  std::mt19937 random(7);
  for (int run = 0; run < 3000; ++run) {
    QByteArray rtf = "{\\rtf1";
    const int count = int(random() % 120);
    for (int i = 0; i < count; ++i) rtf += pieces[qsizetype(random() % pieces.size())];
    QTextDocument first;
    setUpDocument(first, kBulletIndentTwips);
    ASSERT_TRUE(readRtf(rtf, first));
    const QByteArray written = writeRtf(first);
    QTextDocument second;
    setUpDocument(second, kBulletIndentTwips);
    ASSERT_TRUE(readRtf(written, second));
    ASSERT_EQ(writeRtf(second).toStdString(), written.toStdString()) << rtf.toStdString();
  }
}

// A long read reports how far it has come, in order and never past the end, and reads the
// same document as without reports.
TEST(RtfReaderTest, ReportsItsProgress) {
  QByteArray rtf = "{\\rtf1 ";
  while (rtf.size() < 4 * 1024 * 1024 + 1000) rtf += "a {\\b bold} line\\par\r\n";
  rtf += "}";
  QList<qint64> reports;
  QTextDocument reported;
  setUpDocument(reported, kBulletIndentTwips);
  ASSERT_TRUE(readRtf(rtf, reported, nullptr, [&](qint64 done, qint64 total) {
    EXPECT_EQ(total, rtf.size());
    reports << done;
  }));
  ASSERT_GE(reports.size(), 4);
  EXPECT_TRUE(std::is_sorted(reports.begin(), reports.end()));
  EXPECT_LT(reports.back(), rtf.size());
  EXPECT_EQ(writeRtf(reported).toStdString(), [&] {
    QTextDocument plain;
    setUpDocument(plain, kBulletIndentTwips);
    readRtf(rtf, plain);
    return writeRtf(plain).toStdString();
  }());
}

}  // namespace
}  // namespace quillmark::richtext
