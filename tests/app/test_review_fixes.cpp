#include <cstdlib>

#include <gtest/gtest.h>

#include "CJib.h"
#include "ObjectPreview.h"
#include "ProjectFile.h"

// A file cut off right after a backslash inside a string stays as it is
// (and is then refused as JSON) instead of throwing out of the loader.
TEST(ReviewFixes, CutOffStringEndingInBackslash)
{
    EXPECT_EQ(removeBlockComments("/* c */{\"a\": \"b\\"), "{\"a\": \"b\\");
}

// An area of 1e80 m² is shown whole, not cut at 63 characters.
TEST(ReviewFixes, HugeSailAreaWrittenWhole)
{
    const CJib jib({{"Name", "J"}, {"HLUmax", 1e40}, {"HLPmax", 1e40}}, "JIB");
    const std::string line = sailPreview(jib, "JIB")->areaLine;
    EXPECT_DOUBLE_EQ(std::strtod(line.c_str() + 8, nullptr), jib.getArea(1e40, 1e40, 0.325, 1.0, false)[0]);
}
