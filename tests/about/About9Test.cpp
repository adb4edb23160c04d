#include <gtest/gtest.h>

#include "About9.h"

TEST(About9, HasItsCaption) {
  quillmark::About9 box;
  EXPECT_EQ(box.windowTitle(), QStringLiteral("About Quillmark"));
}
