#include <gtest/gtest.h>

TEST(RichTextBoxTest, Builds) { SUCCEED(); }
