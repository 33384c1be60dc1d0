#include <gtest/gtest.h>

#include "DesignObjectTesting.h"
#include "JsonHelpers.h"

namespace {

TEST(ReadFlag, MissingIsFalseWrongTypeThrows)
{
    const auto element = nlohmann::json::parse(R"({"A": true, "B": false, "C": 1})");
    EXPECT_TRUE(readFlag(element, "A"));
    EXPECT_FALSE(readFlag(element, "B") || readFlag(element, "missing"));
    EXPECT_EQ(typeErrorOf([&](const char* key) { return readFlag(element, key); }, "C"),
              "[json.exception.type_error.302] type must be boolean, but is number");
}

} // namespace
