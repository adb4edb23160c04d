#include <gtest/gtest.h>

TEST(RtfWriterTest, Builds) { SUCCEED(); }
