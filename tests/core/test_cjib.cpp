#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "CJib.h"
#include "DesignObjectTesting.h"

namespace {

using nlohmann::json;

CJib jibFrom(const char* text)
{
    return CJib(json::parse(text), "JIB");
}

TEST(CJib, DefaultsFollowTheMembersReadBefore)
{
    const CJib d = jibFrom("{}");
    EXPECT_EQ(d.name, "Anonymous");
    EXPECT_EQ(d.type, "JIB");
    EXPECT_DOUBLE_EQ(d.HLUmin, 8.0);
    EXPECT_DOUBLE_EQ(d.HLUmax, 10.4);
    EXPECT_DOUBLE_EQ(d.HLPmin, 4.0);
    EXPECT_DOUBLE_EQ(d.HLPmax, 6.0);
    EXPECT_DOUBLE_EQ(d.HQW, 4.0);
    EXPECT_DOUBLE_EQ(d.HHW, 3.0);
    EXPECT_DOUBLE_EQ(d.HTW, 1.5);
    EXPECT_DOUBLE_EQ(d.HUW, 0.75);
    EXPECT_DOUBLE_EQ(d.HHB, 0.2);
    EXPECT_FALSE(d.LTM);
    EXPECT_FALSE(d.SFJLPgt110J);
    EXPECT_EQ(d.ADJUSTABILITY, "Medium");

    const CJib j = jibFrom(R"({"HLUmin": 10, "HHW": 2, "LTM": false})");
    EXPECT_DOUBLE_EQ(j.HLUmax, 13.0);
    EXPECT_DOUBLE_EQ(j.HLPmin, 5.0);
    EXPECT_DOUBLE_EQ(j.HLPmax, 7.5);
    EXPECT_DOUBLE_EQ(j.HQW, 5.0);
    EXPECT_DOUBLE_EQ(j.HHW, 2.0);
    EXPECT_DOUBLE_EQ(j.HTW, 1.0);
    EXPECT_DOUBLE_EQ(j.HUW, 0.5);
    EXPECT_FALSE(j.LTM);
}

TEST(CJib, WritesSortedKeysWithDoublesAndReadsThemBack)
{
    EXPECT_EQ(jibFrom("{}").makeJSON().dump(),
              R"({"ADJUSTABILITY":"Medium","HHB":0.2,"HHW":3.0,"HLPmax":6.0,"HLPmin":4.0,"HLUmax":10.4,)"
              R"("HLUmin":8.0,"HQW":4.0,"HTW":1.5,"HUW":0.75,"LTM":false,"Name":"Anonymous","SFJLPgt110J":false})");

    CJib j = jibFrom(R"({"Name": "Genoa", "HLUmin": 9, "SFJLPgt110J": true, "ADJUSTABILITY": "Low"})");
    j.HTW = 1.0;
    const CJib back(j.makeJSON(), "JIB");
    EXPECT_EQ(back.makeJSON(), j.makeJSON());
    EXPECT_TRUE(back.SFJLPgt110J);
    EXPECT_NE(back.makeJSON().dump().find("\"HTW\":1.0,"), std::string::npos);
}

TEST(CJib, PassesTheLibraryTypeErrors)
{
    EXPECT_EQ(typeErrorOf(jibFrom, R"({"HQW": "wide"})"),
              "[json.exception.type_error.302] type must be number, but is string");
    EXPECT_EQ(typeErrorOf(jibFrom, R"({"LTM": 1})"),
              "[json.exception.type_error.302] type must be boolean, but is number");
    EXPECT_EQ(typeErrorOf(jibFrom, R"({"SFJLPgt110J": "yes"})"),
              "[json.exception.type_error.302] type must be boolean, but is string");
    EXPECT_EQ(typeErrorOf(jibFrom, R"({"ADJUSTABILITY": [1]})"),
              "[json.exception.type_error.302] type must be string, but is array");
}

TEST(CJib, CoefficientsByAdjustabilityAndBlend)
{
    CJib j = jibFrom("{}");
    // Medium: blend 0 the low table, 1 the mean, 2 the high table.
    expectPair(j.getCoefficients(0.0, 20.0, false), 0.031, 1.375);
    expectPair(j.getCoefficients(1.0, 20.0, false), 0.031, 1.425);
    expectPair(j.getCoefficients(2.0, 20.0, false), 0.031, 1.475);
    expectPair(j.getCoefficients(1.0, 27.0, false), 0.037, 1.475);

    // Any other text acts as Medium.
    for (const char* other : {"high", ""}) {
        j.ADJUSTABILITY = other;
        expectPair(j.getCoefficients(1.0, 20.0, false), 0.031, 1.425);
    }
    j.ADJUSTABILITY = "High";
    expectPair(j.getCoefficients(0.0, 15.0, false), 0.032, 1.1);
    expectPair(j.getCoefficients(0.0, 7.0, false), 0.05, 0.0);
    j.ADJUSTABILITY = "Low";
    expectPair(j.getCoefficients(2.0, 15.0, false), 0.032, 1.0);
    expectPair(j.getCoefficients(0.0, 7.0, false), 0.05, 0.0);
    expectPair(j.getCoefficients(0.0, 100.0, false), 0.73, 0.4);
}

TEST(CJib, EachFlagTakesTheLiftReductionOffOnce)
{
    CJib j = jibFrom(R"({"ADJUSTABILITY": "Low", "LTM": true})");
    expectPair(j.getCoefficients(0.0, 15.0, false), 0.032, 0.9);
    j.ADJUSTABILITY = "High";
    expectPair(j.getCoefficients(0.0, 27.0, false), 0.037, 1.45);
    j.LTM = false;
    j.SFJLPgt110J = true;
    j.ADJUSTABILITY = "Medium";
    expectPair(j.getCoefficients(0.0, 20.0, false), 0.031, 1.275);
    j.LTM = true;
    j.ADJUSTABILITY = "Low";
    expectPair(j.getCoefficients(0.0, 15.0, false), 0.032, 0.8);
    // No reduction beyond 50 degrees.
    expectPair(j.getCoefficients(0.0, 60.0, false), 0.35, 1.25);
}

TEST(CJib, PoledJibUsesItsOwnPairOnly)
{
    const CJib plain = jibFrom("{}");
    const CJib flagged = jibFrom(R"({"ADJUSTABILITY": "Low", "LTM": true, "SFJLPgt110J": true})");
    expectPair(plain.getCoefficients(0.0, 28.0, true), 0.15405, 0.01738);
    expectPair(plain.getCoefficients(2.0, 100.0, true), 0.5453, 0.985);
    expectPair(plain.getCoefficients(0.0, 180.0, true), 0.63954, 0.0);

    // Below the first poled knot the pair continues straight, and the flags
    // and adjustability change nothing.
    const auto at15 = flagged.getCoefficients(0.0, 15.0, true);
    const auto at21 = flagged.getCoefficients(0.0, 21.5, true);
    const auto at28 = flagged.getCoefficients(0.0, 28.0, true);
    for (std::size_t i = 0; i < 2; ++i)
        EXPECT_NEAR(at15[i] - at28[i], 2.0 * (at21[i] - at28[i]), 1e-12);
    expectPair(at15, plain.getCoefficients(1.0, 15.0, true)[0], plain.getCoefficients(1.0, 15.0, true)[1]);
    EXPECT_LT(at15[1], 0.01738);
}

TEST(CJib, CoefficientsContinueStraightBeyondTheTable)
{
    const CJib j = jibFrom(R"({"ADJUSTABILITY": "Low"})");
    const auto at180 = j.getCoefficients(0.0, 180.0, false);
    const auto at185 = j.getCoefficients(0.0, 185.0, false);
    const auto at190 = j.getCoefficients(0.0, 190.0, false);
    expectPair(at180, 0.9, -0.1);
    for (std::size_t i = 0; i < 2; ++i)
        EXPECT_NEAR(at190[i] - at185[i], at185[i] - at180[i], 1e-12);
    const auto at0 = j.getCoefficients(0.0, 0.0, false);
    const auto at3 = j.getCoefficients(0.0, 3.0, false);
    const auto at7 = j.getCoefficients(0.0, 7.0, false);
    for (std::size_t i = 0; i < 2; ++i)
        EXPECT_NEAR((at0[i] - at7[i]) / 7.0, (at3[i] - at7[i]) / 4.0, 1e-12);
    EXPECT_LT(at0[1], 0.0);
}

TEST(CJib, AreaAndCentreOfEffort)
{
    const CJib j = jibFrom("{}");
    expectPair(j.getArea(10.4, 6.0, 0.325, 1.0, false), 30.249375, 4.3453214, 1e-7);
    expectPair(j.getArea(10.4, 6.0, 0.325, 1.0, true), 32.185335, 4.3453214, 1e-7);
    expectPair(j.getArea(8.0, 4.0, 0.325, 1.0, false), 15.4975, 3.5747277, 1e-7);

    // LP 3 scales the girths by 0.5: d0 = 0.975, strips 2.00625 high;
    // 1.4625 + 2.5 h + 1.75 h + 1.125 h + 0.5625 h/2 + 0.2375 h/2.
    const auto half = j.getArea(9.0, 3.0, 0.325, 1.2, false);
    EXPECT_NEAR(half[0], 13.04859375, 1e-12);
    EXPECT_NEAR(half[1], 4.1000327, 1e-7);
}

TEST(CJib, VerticalForestayNeedsNoDivision)
{
    const CJib j = jibFrom("{}");
    // Slope 0: no bottom triangle, strips 2.6 high straight up the luff.
    // Areas 13, 9.1, 5.85, 1.4625, 0.6175; station heights times areas 71.10675;
    // in-strip moments 15.773333 + 11.266667 + 6.76 + 0.845 + 0.3239167.
    const auto upright = j.getArea(10.4, 6.0, 0.0, 1.0, false);
    EXPECT_NEAR(upright[0], 30.03, 1e-12);
    EXPECT_NEAR(upright[1], (71.10675 + 34.96891667) / 30.03 + 1.0, 1e-9);
    const auto nearly = j.getArea(10.4, 6.0, 1e-12, 1.0, false);
    EXPECT_NEAR(nearly[0], upright[0], 1e-9);
    EXPECT_NEAR(nearly[1], upright[1], 1e-9);
}

TEST(CJib, SailOfNoAreaHasItsCentreAtTheTack)
{
    const CJib j = jibFrom("{}");
    const auto none = j.getArea(8.0, 0.0, 0.325, 1.1, false);
    EXPECT_EQ(none[0], 0.0);
    EXPECT_DOUBLE_EQ(none[1], 1.1);

    // A pointed head leaves the top strip without area; it adds nothing.
    const CJib pointed = jibFrom(R"({"HUW": 0, "HHB": 0})");
    // d0 = 1.95, h = 2.1125: 5.85 + 5 h + 3.5 h + 2.25 h + 0.75 h/2.
    const auto area = pointed.getArea(10.4, 6.0, 0.325, 1.0, false);
    EXPECT_NEAR(area[0], 29.3515625, 1e-12);
    EXPECT_TRUE(std::isfinite(area[1]));
    EXPECT_GT(area[1], 1.0);
}

TEST(CJib, CopiesAreIndependentAndEditGoesToTheEditor)
{
    auto original = std::make_unique<CJib>(jibFrom(R"({"ADJUSTABILITY": "High"})"));
    expectEditReachesTheEditor(*original);

    const CJib copy(*original);
    original->HQW = 1.0;
    original.reset();
    expectPair(copy.getCoefficients(0.0, 15.0, false), 0.032, 1.1);
    expectPair(copy.getArea(10.4, 6.0, 0.325, 1.0, false), 30.249375, 4.3453214, 1e-7);
}

} // namespace
