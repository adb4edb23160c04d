#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "AboutBox.h"
#include "quillmark/version.h"

using quillmark::AboutBox;

TEST(About9, ShowsTheVersionInDecimalWithoutLeadingZeros) {
  // The generated header's string form is CMake's own rendering of the version.
  const QString expected = QStringLiteral("Quillmark Version ") +
                           QString::fromUtf8(quillmark::kVersion.data(),
                                             static_cast<qsizetype>(quillmark::kVersion.size()));
  EXPECT_EQ(AboutBox::versionText(), expected);
  // Each part as a number in decimal, so a part of 0 reads "0" and none has a leading zero.
  EXPECT_EQ(AboutBox::versionText(), QStringLiteral("Quillmark Version %1.%2.%3")
                                         .arg(QString::number(quillmark::kVersionMajor),
                                              QString::number(quillmark::kVersionMinor),
                                              QString::number(quillmark::kVersionPatch)));

  AboutBox box;
  auto *panel = box.findChild<QLabel *>(QStringLiteral("pnltour"));
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(panel->text(), expected);
  EXPECT_EQ(panel->font().family(), QStringLiteral("MS Sans Serif"));
}

TEST(About9, HasItsCaptionColourAndParts) {
  AboutBox box;
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
  AboutBox box;
  auto *ok = box.findChild<QPushButton *>(QStringLiteral("Command1"));
  ASSERT_NE(ok, nullptr);
  QTimer::singleShot(0, ok, &QPushButton::click);
  EXPECT_EQ(box.exec(), QDialog::Accepted);
  EXPECT_FALSE(box.isVisible());
}

TEST(About9, CloseBoxEndsTheModalLoopLikeOk) {
  AboutBox box;
  QTimer::singleShot(0, &box, &QWidget::close);
  EXPECT_EQ(box.exec(), QDialog::Rejected);
  EXPECT_FALSE(box.isVisible());
}
