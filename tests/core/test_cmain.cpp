#include "CMain.h"
#include "DesignObjectTesting.h"

namespace {

// A sail whose widths fall linearly from E = 4 at the foot to 0.5 at the head
// (width = 4 - 0.35 y): the natural spline through them is that straight line,
// so areas and centroids follow from the trapezoid.
const char* const linear = R"({"P": 10, "E": 4, "MQW": 3.125, "MHW": 2.25, "MTW": 1.375, "MUW": 0.9375, "MHB": 0.5})";

TEST(CMain, ReadingWritingAndTypeErrors)
{
    // Defaults follow the members read before them.
    const CMain m = parsed<CMain>(R"({"P": 12})");
    expectValues({m.E, m.MQW, m.MHW, m.MTW, m.MUW}, {3.0, 1.25, 2.0, 3.125, 2.75});
    expectRoundTrip<CMain>(R"({"Name": "Grün", "LTM": true, "ADJUSTABILITY": "High"})");
    expectTypeErrors<CMain>("MAIN", {{R"({"MHB": true})", "number, but is boolean"},
                                     {R"({"LTM": 1})", "boolean, but is number"}});
}

TEST(CMain, CoefficientsByAdjustabilityBlendAndLowTechMaterial)
{
    // Sail, blend, AWA, Cd, Cl. Medium at blend 0 is the low table, blend 1 the mean of low and
    // high; blend 0.5 weighs high by 0.25: 0.75*0.02328 + 0.25*0.01466, 0.75*1.05172 + 0.25*1.13793.
    // "low" is not "Low": it blends. Low and High ignore the blend. Low tech material takes its
    // tables off in every branch; at 60 degrees (1.35345 + 1.38319) / 2 - 0.0085, no drag reduction.
    const std::vector<std::tuple<const char*, double, double, double, double>> cases{
        {"{}", 0.0, 28.0, 0.03259, 1.34698}, {"{}", 1.0, 28.0, 0.029225, 1.386895},
        {"{}", 0.5, 9.0, 0.021125, 1.0732725}, {R"({"ADJUSTABILITY": "low"})", 1.0, 28.0, 0.029225, 1.386895},
        {R"({"ADJUSTABILITY": "Low"})", 1.0, 0.0, 0.0431, 0.0}, {R"({"ADJUSTABILITY": "High"})", 1.0, 0.0, 0.03448, 0.0},
        {R"({"ADJUSTABILITY": "High", "LTM": true})", 0.0, 12.0, 0.01466 - 0.0028, 1.25 - 0.0284},
        {R"({"ADJUSTABILITY": "Low", "LTM": true})", 0.0, 28.0, 0.02979, 1.31858},
        {R"({"LTM": true})", 1.0, 60.0, 0.11302, 1.35982}};
    for (const auto& [text, blend, awa, cd, cl] : cases)
        expectPair(parsed<CMain>(text).getCoefficients(blend, awa), cd, cl);
}

TEST(CMain, AreaRoachAndCentreOfEffort)
{
    // Sail, hoist, BD, roach, zCE, area at HD 1.1 and BAS 1.3.
    // Default sail, full hoist: widths at the knots, (10/8)(2.5 + 2.25 + 3.5 + 4.03125 + 2.375 + 0.25).
    // A deep boom adds 2 E (BD - 0.06 E) = 0.75 below the foot.
    // Linear sail, no boom area: trapezoid 10 (4 + 0.5) / 2 = 22.5, moment 200 - 350/3; roach
    // ((10/8)(10.875) / (0.375 * 10 * 3.125) - 1) / 0.844. Its top 5 m set: widths 2.25 down to 0.5,
    // area 6.875, moment 28.125 - 43.75/3; the boom adds 2*4*(0.3 - 0.24) = 0.48 at 0.15 below the foot.
    // Nothing hoisted: the centre at the boom, or that of the boom area. No quarter width: no roach,
    // (10/8)(2.5 + 0 + 3.5 + 4.03125 + 2.375 + 0.25), strip moments 2.6041667 + 9.1145833 + 35.15625
    // + 25.6673177 + 16.6015625.
    const std::vector<std::tuple<const char*, double, double, double, double, double>> cases{
        {"{}", 10.0, 0.1, 2.7755836, 7.8016003, 18.6328125}, {"{}", 10.0, 0.3, 2.7755836, 7.5960728, 19.3828125},
        {linear, 10.0, 0.1, 0.16 / 0.844, (200.0 - 350.0 / 3.0) / 22.5 + 0.24 + 2.4, 22.5},
        {linear, 5.0, 0.3, (4.3359375 / 3.3984375 - 1.0) / 0.844, (28.125 - 43.75 / 3.0 - 0.072) / 7.355 + 2.52, 7.355},
        {"{}", 0.0, 0.1, 0.0, 2.4, 0.0}, {"{}", 0.0, 0.3, 0.0, 2.25, 0.75}, {R"({"P": 0})", 0.0, 0.3, 0.0, 2.4, 0.0},
        {R"({"MQW": 0})", 10.0, 0.1, 0.0, 89.1438802 / 15.8203125 + 2.64, 15.8203125}};
    for (const auto& [text, hoist, BD, roach, zCE, area] : cases) {
        const auto got = parsed<CMain>(text).getArea(hoist, 1.1, 1.3, BD);
        expectPair({got[0], got[1]}, roach, zCE, 1e-7);
        EXPECT_NEAR(got[2], area, 1e-12) << text << " " << hoist << " " << BD;
    }
}

TEST(CMain, CopiesOwnTheirSplinesWhichFollowAnEditWhenRefitted)
{
    CMain original = parsed<CMain>(linear);
    const CMain copy(original);
    original.P = 5.0;
    original.fitGirthSpline();
    EXPECT_NEAR(copy.getArea(10.0, 1.0, 1.0, 0.1)[2], 22.5, 1e-12);

    // Typed in an editor, and mended again. The widths read with P = E = 0 are all 0.5:
    // (10/8)(2.5 + 1 + 1 + 0.75 + 0.5 + 0.25).
    CMain m = parsed<CMain>(R"({"P": 0})");
    EXPECT_FALSE(m.girthSpline.has_value());
    m.P = 10.0;
    m.E = 2.5;
    m.fitGirthSpline();
    EXPECT_NEAR(m.getArea(10.0, 1.0, 1.0, 0.1)[2], 7.5, 1e-12);
    m.P = -1.0;
    m.fitGirthSpline();
    EXPECT_EQ(m.getArea(-1.0, 1.0, 1.0, 0.1)[2], 0.0);
}

} // namespace
