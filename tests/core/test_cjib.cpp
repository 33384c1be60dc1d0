#include "CJib.h"
#include "DesignObjectTesting.h"

TEST(CJib, ReadingWritingAndTypeErrors)
{
    // Defaults follow the members read before them.
    const CJib j = parsed<CJib>(R"({"HLUmin": 10, "HHW": 2})");
    expectValues({j.HLUmax, j.HLPmin, j.HLPmax, j.HQW, j.HTW, j.HUW}, {13.0, 5.0, 7.5, 5.0, 1.0, 0.5});
    expectRoundTrip<CJib>(R"({"Name": "Genoa", "LTM": true, "SFJLPgt110J": true, "ADJUSTABILITY": "Low"})");
    expectTypeErrors<CJib>("JIB", {{R"({"SFJLPgt110J": "yes"})", "boolean, but is string"},
                                   {R"({"ADJUSTABILITY": [1]})", "string, but is array"}});
}

TEST(CJib, CoefficientsByAdjustabilityBlendAndFlags)
{
    // Jib, blend, AWA, Cd, Cl. Medium: blend 0 the low table, 1 the mean, 2 the high table; any
    // other text acts as Medium. Each flag takes the lift reduction off once, up to 50 degrees.
    // Poled to windward the jib has a table of its own, whatever its flags and adjustability.
    const char* const flagged = R"({"ADJUSTABILITY": "Low", "LTM": true, "SFJLPgt110J": true})";
    const std::vector<std::tuple<const char*, bool, double, double, double, double>> cases{
        {"{}", false, 0.0, 20.0, 0.031, 1.375}, {"{}", false, 1.0, 20.0, 0.031, 1.425},
        {"{}", false, 2.0, 20.0, 0.031, 1.475}, {R"({"SFJLPgt110J": true})", false, 0.0, 20.0, 0.031, 1.275},
        {R"({"ADJUSTABILITY": "high"})", false, 1.0, 20.0, 0.031, 1.425},
        {R"({"ADJUSTABILITY": "High"})", false, 0.0, 15.0, 0.032, 1.1},
        {R"({"ADJUSTABILITY": "Low"})", false, 2.0, 15.0, 0.032, 1.0},
        {R"({"ADJUSTABILITY": "Low", "LTM": true})", false, 0.0, 15.0, 0.032, 0.9},
        {R"({"ADJUSTABILITY": "High", "LTM": true})", false, 0.0, 27.0, 0.037, 1.45},
        {flagged, false, 0.0, 15.0, 0.032, 0.8}, {flagged, false, 0.0, 60.0, 0.35, 1.25},
        {flagged, true, 0.0, 28.0, 0.15405, 0.01738}, {"{}", true, 2.0, 100.0, 0.5453, 0.985},
        {"{}", true, 0.0, 180.0, 0.63954, 0.0}};
    for (const auto& [text, poled, blend, awa, cd, cl] : cases)
        expectPair(parsed<CJib>(text).getCoefficients(blend, awa, poled), cd, cl);
}

TEST(CJib, AreaAndCentreOfEffort)
{
    const CJib j = parsed<CJib>("{}");
    // LP 3 scales the girths by 0.5: d0 = 0.975, strips 2.00625 high;
    // 1.4625 + 2.5 h + 1.75 h + 1.125 h + 0.5625 h/2 + 0.2375 h/2.
    expectPair(j.getArea(9.0, 3.0, 0.325, 1.2, false), 13.04859375, 4.1000327, 1e-7);
    // Slope 0: no bottom triangle, strips 2.6 high straight up the luff.
    // Areas 13, 9.1, 5.85, 1.4625, 0.6175; station heights times areas 71.10675;
    // in-strip moments 15.773333 + 11.266667 + 6.76 + 0.845 + 0.3239167.
    const auto upright = j.getArea(10.4, 6.0, 0.0, 1.0, false);
    expectPair(upright, 30.03, (71.10675 + 34.96891667) / 30.03 + 1.0, 1e-9);
    // No area: the centre at the tack. A pointed head leaves the top strip without area.
    expectPair(j.getArea(8.0, 0.0, 0.325, 1.1, false), 0.0, 1.1);
    const auto pointed = parsed<CJib>(R"({"HUW": 0, "HHB": 0})").getArea(10.4, 6.0, 0.325, 1.0, false);
    EXPECT_NEAR(pointed[0], 29.3515625, 1e-12);
    EXPECT_TRUE(std::isfinite(pointed[1]) && pointed[1] > 1.0);
}
