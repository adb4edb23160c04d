// Pictures: every tool with a picture draws one at the pixel ratio asked, other names draw
// none, disabled icons look different, and the corner pictures have their fixed sizes.
#include <gtest/gtest.h>

#include <QIcon>
#include <QImage>
#include <string_view>

#include "Pictures.h"
#include "ToolTable.h"

using namespace Qt::StringLiterals;
namespace pictures = quillmark::pictures;

namespace {

constexpr std::u16string_view kToolsWithPictures[] = {
    u"new",           u"open",    u"save",        u"print",           u"miCut",           u"miCopy",
    u"miPaste",       u"Help",    u"miBold",      u"miItalic",        u"miUnderline",     u"miLeft",
    u"miCenter",      u"miRight", u"Bullets",     u"Increase Indent", u"Decrease Indent", u"Color",
    u"Fixed Columns", u"exit",    u"miHContents", u"miHAbout"};

// Counts the pixels that are not fully transparent.
int inkedPixels(const QPixmap& pixmap) {
  const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) count += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
  return count;
}

// The picture of a tool, by the tool's name; a null icon for a name that is no tool's and for
// tools that show text only.
QIcon toolIcon(std::u16string_view name) {
  const quillmark::tools::Tool* tool = quillmark::tools::findTool(name);
  return tool ? pictures::icon(tool->icon) : QIcon();
}

QString label(std::u16string_view name) {
  return QString::fromUtf16(name.data(), qsizetype(name.size()));
}

class PicturesTest : public ::testing::Test {
 protected:
  // No icon theme, so the drawn pictures are the ones under test on every machine.
  static void SetUpTestSuite() {
    QIcon::setThemeSearchPaths({});
    QIcon::setThemeName(u"quillmark-no-theme"_s);
  }
};

// Checks an icon draws a non-blank picture of `extent` logical pixels at ratio 2.
void expectDrawnAtDoubleRatio(const QIcon& icon, int extent, const QString& what) {
  const QPixmap pixmap = icon.pixmap(QSize(extent, extent), 2.0);
  EXPECT_EQ(pixmap.size(), QSize(2 * extent, 2 * extent)) << what.toStdString();
  EXPECT_EQ(pixmap.devicePixelRatio(), 2.0) << what.toStdString();
  // A picture, not a blank square and not a filled one.
  const int inked = inkedPixels(pixmap);
  EXPECT_GT(inked, extent) << what.toStdString();
  EXPECT_LT(inked, 4 * extent * extent) << what.toStdString();
}

TEST_F(PicturesTest, EveryToolWithAPictureDrawsItAtTheRatioAsked) {
  for (const std::u16string_view name : kToolsWithPictures) {
    const QIcon icon = toolIcon(name);
    ASSERT_FALSE(icon.isNull()) << label(name).toStdString();
    for (const int extent : {16, 32})
      expectDrawnAtDoubleRatio(icon, extent, u"%1 at %2"_s.arg(label(name)).arg(extent));
    EXPECT_EQ(icon.pixmap(QSize(24, 24), 1.0).size(), QSize(24, 24)) << label(name).toStdString();
  }
}

TEST_F(PicturesTest, OtherPicturesDrawAtTheRatioAsked) {
  expectDrawnAtDoubleRatio(pictures::copyToWebIcon(), 16, u"copy to web"_s);
  expectDrawnAtDoubleRatio(pictures::applicationIcon(), 32, u"application"_s);
}

TEST_F(PicturesTest, DisabledIconsDifferFromNormalOnes) {
  for (const QIcon& icon : {toolIcon(u"miBold"), toolIcon(u"save"), pictures::applicationIcon()}) {
    const QImage normal = icon.pixmap(QSize(16, 16), 1.0, QIcon::Normal).toImage();
    const QImage disabled = icon.pixmap(QSize(16, 16), 1.0, QIcon::Disabled).toImage();
    EXPECT_NE(normal, disabled);
  }
}

TEST_F(PicturesTest, NamesWithoutAPictureGiveANullIcon) {
  for (const std::u16string_view name : {u"", u"Font", u"miBold ", u"Copy to Web"})
    EXPECT_TRUE(toolIcon(name).isNull()) << label(name).toStdString();
}

TEST_F(PicturesTest, CornerPicturesHaveTheirLogicalSizeAtEveryRatio) {
  struct Case {
    int index;
    qreal ratio;
    QSize logical;
  };
  for (const Case& c : {Case{0, 1.0, {150, 36}}, Case{0, 2.0, {150, 36}}, Case{1, 1.0, {100, 36}},
                        Case{1, 1.5, {100, 36}}}) {
    const QPixmap pixmap = pictures::cornerPicture(c.index, c.ratio);
    EXPECT_EQ(pixmap.deviceIndependentSize().toSize(), c.logical) << c.index << " @" << c.ratio;
    EXPECT_EQ(pixmap.size(), c.logical * c.ratio) << c.index << " @" << c.ratio;
    EXPECT_GT(inkedPixels(pixmap), 0) << c.index << " @" << c.ratio;
  }
  EXPECT_TRUE(pictures::cornerPicture(2).isNull());
}

}  // namespace
