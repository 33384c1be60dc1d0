#include <gtest/gtest.h>

#include <cmath>

#include "CJib.h"
#include "DesignObjectTesting.h"

namespace {

using nlohmann::json;

CJib jibFrom(const char* text)
{
    return CJib(json::parse(text), "JIB");
}

// c - a equals ratio times (b - a) in both coefficients: the three lie on one straight line.
void expectStraight(const std::array<double, 2>& a, const std::array<double, 2>& b, const std::array<double, 2>& c,
                    double ratio)
{
    for (std::size_t i = 0; i < 2; ++i)
        EXPECT_NEAR(c[i] - a[i], ratio * (b[i] - a[i]), 1e-12) << i;
}

TEST(CJib, ReadingWritingAndTypeErrors)
{
    // Defaults follow the members read before them.
    const CJib j = jibFrom(R"({"HLUmin": 10, "HHW": 2})");
    expectValues({j.HLUmax, j.HLPmin, j.HLPmax, j.HQW, j.HTW, j.HUW}, {13.0, 5.0, 7.5, 5.0, 1.0, 0.5});
    EXPECT_EQ(jibFrom("{}").makeJSON().dump(),
              R"({"ADJUSTABILITY":"Medium","HHB":0.2,"HHW":3.0,"HLPmax":6.0,"HLPmin":4.0,"HLUmax":10.4,)"
              R"("HLUmin":8.0,"HQW":4.0,"HTW":1.5,"HUW":0.75,"LTM":false,"Name":"Anonymous","SFJLPgt110J":false})");
    const CJib edited = jibFrom(R"({"Name": "Genoa", "HLUmin": 9, "HTW": 1, "SFJLPgt110J": true, "ADJUSTABILITY": "Low"})");
    EXPECT_EQ(CJib(edited.makeJSON(), "JIB").makeJSON(), edited.makeJSON());
    expectTypeErrors<CJib>("JIB", {{R"({"SFJLPgt110J": "yes"})", "boolean, but is string"},
                                   {R"({"ADJUSTABILITY": [1]})", "string, but is array"}});
}

TEST(CJib, CoefficientsByAdjustabilityBlendAndFlags)
{
    // Jib, blend, AWA, Cd, Cl. Medium: blend 0 the low table, 1 the mean, 2 the high table; any
    // other text acts as Medium. Each flag takes the lift reduction off once, up to 50 degrees.
    const std::vector<std::tuple<const char*, double, double, double, double>> cases{
        {"{}", 0.0, 20.0, 0.031, 1.375},
        {"{}", 1.0, 20.0, 0.031, 1.425},
        {"{}", 2.0, 20.0, 0.031, 1.475},
        {"{}", 1.0, 27.0, 0.037, 1.475},
        {R"({"ADJUSTABILITY": "high"})", 1.0, 20.0, 0.031, 1.425},
        {R"({"ADJUSTABILITY": "High"})", 0.0, 15.0, 0.032, 1.1},
        {R"({"ADJUSTABILITY": "High"})", 0.0, 7.0, 0.05, 0.0},
        {R"({"ADJUSTABILITY": "Low"})", 2.0, 15.0, 0.032, 1.0},
        {R"({"ADJUSTABILITY": "Low"})", 0.0, 100.0, 0.73, 0.4},
        {R"({"ADJUSTABILITY": "Low", "LTM": true})", 0.0, 15.0, 0.032, 0.9},
        {R"({"ADJUSTABILITY": "High", "LTM": true})", 0.0, 27.0, 0.037, 1.45},
        {R"({"SFJLPgt110J": true})", 0.0, 20.0, 0.031, 1.275},
        {R"({"ADJUSTABILITY": "Low", "LTM": true, "SFJLPgt110J": true})", 0.0, 15.0, 0.032, 0.8},
        {R"({"ADJUSTABILITY": "Low", "LTM": true, "SFJLPgt110J": true})", 0.0, 60.0, 0.35, 1.25}};
    for (const auto& [text, blend, awa, cd, cl] : cases)
        expectPair(jibFrom(text).getCoefficients(blend, awa, false), cd, cl);
}

TEST(CJib, PoledJibAndStraightContinuationBeyondTheTable)
{
    const CJib plain = jibFrom("{}");
    const CJib flagged = jibFrom(R"({"ADJUSTABILITY": "Low", "LTM": true, "SFJLPgt110J": true})");
    expectPair(plain.getCoefficients(0.0, 28.0, true), 0.15405, 0.01738);
    expectPair(plain.getCoefficients(2.0, 100.0, true), 0.5453, 0.985);
    expectPair(plain.getCoefficients(0.0, 180.0, true), 0.63954, 0.0);
    // Below the first poled knot the pair continues straight, and the flags and adjustability change nothing.
    const auto at15 = flagged.getCoefficients(0.0, 15.0, true);
    expectStraight(flagged.getCoefficients(0.0, 28.0, true), flagged.getCoefficients(0.0, 21.5, true), at15, 2.0);
    EXPECT_EQ(at15, plain.getCoefficients(1.0, 15.0, true));

    const CJib low = jibFrom(R"({"ADJUSTABILITY": "Low"})");
    const auto at = [&](double awa) { return low.getCoefficients(0.0, awa, false); };
    expectPair(at(180.0), 0.9, -0.1);
    expectStraight(at(180.0), at(185.0), at(190.0), 2.0);
    expectStraight(at(7.0), at(3.0), at(0.0), 7.0 / 4.0);
    EXPECT_LT(at(0.0)[1], 0.0);
}

TEST(CJib, AreaAndCentreOfEffort)
{
    const CJib j = jibFrom("{}");
    expectPair(j.getArea(10.4, 6.0, 0.325, 1.0, false), 30.249375, 4.3453214, 1e-7);
    expectPair(j.getArea(10.4, 6.0, 0.325, 1.0, true), 32.185335, 4.3453214, 1e-7);
    // LP 3 scales the girths by 0.5: d0 = 0.975, strips 2.00625 high;
    // 1.4625 + 2.5 h + 1.75 h + 1.125 h + 0.5625 h/2 + 0.2375 h/2.
    expectPair(j.getArea(9.0, 3.0, 0.325, 1.2, false), 13.04859375, 4.1000327, 1e-7);
    // Slope 0: no bottom triangle, strips 2.6 high straight up the luff.
    // Areas 13, 9.1, 5.85, 1.4625, 0.6175; station heights times areas 71.10675;
    // in-strip moments 15.773333 + 11.266667 + 6.76 + 0.845 + 0.3239167.
    const auto upright = j.getArea(10.4, 6.0, 0.0, 1.0, false);
    expectPair(upright, 30.03, (71.10675 + 34.96891667) / 30.03 + 1.0, 1e-9);
    expectPair(j.getArea(10.4, 6.0, 1e-12, 1.0, false), upright[0], upright[1], 1e-9);
    // No area: the centre at the tack. A pointed head leaves the top strip without area;
    // d0 = 1.95, h = 2.1125: 5.85 + 5 h + 3.5 h + 2.25 h + 0.75 h/2.
    expectPair(j.getArea(8.0, 0.0, 0.325, 1.1, false), 0.0, 1.1);
    const auto pointed = jibFrom(R"({"HUW": 0, "HHB": 0})").getArea(10.4, 6.0, 0.325, 1.0, false);
    EXPECT_NEAR(pointed[0], 29.3515625, 1e-12);
    EXPECT_TRUE(std::isfinite(pointed[1]) && pointed[1] > 1.0);
}

} // namespace
