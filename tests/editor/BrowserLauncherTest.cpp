#include <gtest/gtest.h>

TEST(BrowserLauncherTest, Builds) { SUCCEED(); }
