#include <gtest/gtest.h>

TEST(RtfReaderTest, Builds) { SUCCEED(); }
