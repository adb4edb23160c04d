#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "About9.h"
#include "quillmark/version.h"

using quillmark::About9;

TEST(About9, ShowsTheVersionInDecimalWithoutLeadingZeros) {
  // The generated header's string form is CMake's own rendering of the version.
  const QString expected = QStringLiteral("Quillmark Version ") +
                           QString::fromUtf8(quillmark::kVersion.data(),
                                             static_cast<qsizetype>(quillmark::kVersion.size()));
  EXPECT_EQ(About9::versionText(), expected);
  EXPECT_EQ(QStringLiteral("Quillmark Version 1.0.3"), About9::versionText());

  About9 box;
  auto *panel = box.findChild<QLabel *>(QStringLiteral("pnltour"));
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(panel->text(), expected);
  EXPECT_EQ(panel->font().family(), QStringLiteral("MS Sans Serif"));
}

TEST(About9, HasItsCaptionColourAndParts) {
  About9 box;
  EXPECT_EQ(box.windowTitle(), QStringLiteral("About Quillmark"));
  EXPECT_EQ(box.palette().color(QPalette::Window), QColor(240, 232, 208));
  auto *about = box.findChild<QLabel *>(QStringLiteral("Panel3D1"));
  ASSERT_NE(about, nullptr);
  EXPECT_FALSE(about->text().isEmpty());
  auto *ok = box.findChild<QPushButton *>(QStringLiteral("Command1"));
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(ok->text(), QStringLiteral("&OK"));
}

TEST(About9, OkEndsTheModalLoopAccepted) {
  About9 box;
  auto *ok = box.findChild<QPushButton *>(QStringLiteral("Command1"));
  ASSERT_NE(ok, nullptr);
  QTimer::singleShot(0, ok, &QPushButton::click);
  EXPECT_EQ(box.exec(), QDialog::Accepted);
  EXPECT_FALSE(box.isVisible());
}

TEST(About9, CloseBoxEndsTheModalLoopLikeOk) {
  About9 box;
  QTimer::singleShot(0, &box, &QWidget::close);
  EXPECT_EQ(box.exec(), QDialog::Rejected);
  EXPECT_FALSE(box.isVisible());
}
