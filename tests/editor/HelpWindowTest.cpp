#include <gtest/gtest.h>

TEST(HelpWindowTest, Builds) { SUCCEED(); }
