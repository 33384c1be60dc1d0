#include <gtest/gtest.h>

#include "JsonHelpers.h"

namespace {

TEST(ReadFlag, MissingIsFalseWrongTypeThrows)
{
    const auto element = nlohmann::json::parse(R"({"A": true, "B": false, "C": 1})");
    EXPECT_TRUE(readFlag(element, "A"));
    EXPECT_FALSE(readFlag(element, "B"));
    EXPECT_FALSE(readFlag(element, "missing"));
    try {
        readFlag(element, "C");
        FAIL() << "no type error";
    } catch (const nlohmann::json::type_error& e) {
        EXPECT_EQ(std::string(e.what()), "[json.exception.type_error.302] type must be boolean, but is number");
    }
}

} // namespace
