#include <gtest/gtest.h>

#include "ProjectFile.h"

// A file cut off right after a backslash inside a string stays as it is
// (and is then refused as JSON) instead of throwing out of the loader.
TEST(ReviewFixes, CutOffStringEndingInBackslash)
{
    EXPECT_EQ(removeBlockComments("/* c */{\"a\": \"b\\"), "{\"a\": \"b\\");
}
