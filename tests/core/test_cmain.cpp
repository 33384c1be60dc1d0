#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "CMain.h"
#include "DesignObjectTesting.h"

namespace {

using nlohmann::json;

CMain mainFrom(const char* text)
{
    return CMain(json::parse(text), "MAIN");
}

// A sail whose widths fall linearly from E = 4 at the foot to 0.5 at the head
// (width = 4 - 0.35 y): the natural spline through them is that straight line,
// so areas and centroids follow from the trapezoid.
CMain linearMain()
{
    return mainFrom(R"({"P": 10, "E": 4, "MQW": 3.125, "MHW": 2.25, "MTW": 1.375, "MUW": 0.9375, "MHB": 0.5})");
}

TEST(CMain, ReadingWritingAndTypeErrors)
{
    // Defaults follow the members read before them.
    const CMain m = mainFrom(R"({"P": 12})");
    expectValues({m.E, m.MQW, m.MHW, m.MTW, m.MUW}, {3.0, 1.25, 2.0, 3.125, 2.75});

    EXPECT_EQ(mainFrom(R"({"P": 1, "E": 2, "LTM": true})").makeJSON().dump(),
              R"({"ADJUSTABILITY":"Medium","E":2.0,"LTM":true,"MHB":0.5,"MHW":1.5,)"
              R"("MQW":1.0,"MTW":2.25,"MUW":2.0,"Name":"Anonymous","P":1.0})");
    CMain edited = mainFrom("{}");
    edited.name = "Grün";
    edited.MTW = 2.7;
    edited.ADJUSTABILITY = "High";
    const CMain back(edited.makeJSON(), "MAIN");
    EXPECT_EQ(back.makeJSON(), edited.makeJSON());
    EXPECT_EQ(back.name, "Grün");

    expectTypeErrors<CMain>("MAIN", {{R"({"MHB": true})", "number, but is boolean"},
                                     {R"({"LTM": 1})", "boolean, but is number"}});
    EXPECT_EQ(typeErrorOf(mainFrom, "[1, 2]"), "[json.exception.type_error.306] cannot use value() with array");
}

TEST(CMain, CoefficientsByAdjustabilityBlendAndLowTechMaterial)
{
    // Sail, blend, AWA, Cd, Cl. Medium at blend 0 is the low table, blend 1 the mean of low and
    // high; blend 0.5 weighs high by 0.25: 0.75*0.02328 + 0.25*0.01466, 0.75*1.05172 + 0.25*1.13793.
    // "low" is not "Low": it blends. Low and High ignore the blend. Low tech material takes its
    // tables off in every branch; at 60 degrees (1.35345 + 1.38319) / 2 - 0.0085, no drag reduction.
    const std::vector<std::tuple<const char*, double, double, double, double>> cases{
        {"{}", 0.0, 28.0, 0.03259, 1.34698},
        {"{}", 1.0, 28.0, 0.029225, 1.386895},
        {"{}", 0.5, 9.0, 0.021125, 1.0732725},
        {R"({"ADJUSTABILITY": "low"})", 1.0, 28.0, 0.029225, 1.386895},
        {R"({"ADJUSTABILITY": "Low"})", 1.0, 0.0, 0.0431, 0.0},
        {R"({"ADJUSTABILITY": "High"})", 1.0, 0.0, 0.03448, 0.0},
        {R"({"ADJUSTABILITY": "High", "LTM": true})", 0.0, 12.0, 0.01466 - 0.0028, 1.25 - 0.0284},
        {R"({"ADJUSTABILITY": "Low", "LTM": true})", 0.0, 28.0, 0.02979, 1.31858},
        {R"({"LTM": true})", 1.0, 60.0, 0.11302, 1.35982}};
    for (const auto& [text, blend, awa, cd, cl] : cases)
        expectPair(mainFrom(text).getCoefficients(blend, awa), cd, cl);

    // Beyond the table the coefficients continue straight.
    const CMain m = mainFrom(R"({"ADJUSTABILITY": "Low"})");
    const auto at = [&](double awa) { return m.getCoefficients(0.0, awa); };
    EXPECT_NEAR(at(180.0)[1], -0.11207, 1e-12);
    for (std::size_t i = 0; i < 2; ++i)
        EXPECT_NEAR(at(200.0)[i] - at(190.0)[i], at(190.0)[i] - at(180.0)[i], 1e-12);
    EXPECT_LT(at(190.0)[1], at(180.0)[1]);
    EXPECT_NEAR(at(-10.0)[1], 2.0 * at(-5.0)[1], 1e-12);
    EXPECT_LT(at(-5.0)[1], 0.0);
}

TEST(CMain, AreaOfTheDefaultSail)
{
    const CMain m = mainFrom("{}");
    // Full hoist: widths at the knots, (10/8)(2.5 + 2.25 + 3.5 + 4.03125 + 2.375 + 0.25).
    const auto full = m.getArea(10.0, 1.0, 1.0, 0.1);
    EXPECT_NEAR(full[0], 2.7755836, 1e-7);
    EXPECT_NEAR(full[1], 7.4016003, 1e-7);
    EXPECT_NEAR(full[2], 18.6328125, 1e-12);
    // A deep boom adds 2 E (BD - 0.06 E) = 0.75 below the foot; BD / E of exactly 0.06 adds nothing.
    const auto boom = m.getArea(10.0, 1.0, 1.0, 0.3);
    EXPECT_NEAR(boom[1], 7.1960728, 1e-7);
    EXPECT_NEAR(boom[2], 19.3828125, 1e-12);
    EXPECT_NEAR(m.getArea(10.0, 1.0, 1.0, 0.15)[2], 18.6328125, 1e-12);
}

TEST(CMain, AreaOfALinearSailFullAndReefed)
{
    const CMain m = linearMain();
    // Full hoist, no boom area: trapezoid 10 (4 + 0.5) / 2 = 22.5, moment
    // 200 - 350/3; roach ((10/8)(10.875) / (0.375 * 10 * 3.125) - 1) / 0.844.
    const auto full = m.getArea(10.0, 1.0, 1.0, 0.1);
    EXPECT_NEAR(full[0], 0.16 / 0.844, 1e-12);
    EXPECT_NEAR(full[1], (200.0 - 350.0 / 3.0) / 22.5 + 0.24 + 2.0, 1e-12);
    EXPECT_NEAR(full[2], 22.5, 1e-12);
    // Top 5 m set: widths 2.25 down to 0.5, area 6.875, moment 28.125 - 43.75/3;
    // the boom adds 2*4*(0.3 - 0.24) = 0.48 at 0.15 below the foot.
    const auto reefed = m.getArea(5.0, 1.1, 1.3, 0.3);
    EXPECT_NEAR(reefed[0], (4.3359375 / 3.3984375 - 1.0) / 0.844, 1e-12);
    EXPECT_NEAR(reefed[1], (28.125 - 43.75 / 3.0 - 0.072) / 7.355 + 0.12 + 2.4, 1e-12);
    EXPECT_NEAR(reefed[2], 7.355, 1e-12);
}

TEST(CMain, CopiesOwnTheirSplinesWhichFollowAnEditWhenRefitted)
{
    auto original = std::make_unique<CMain>(linearMain());
    const CMain copy(*original);
    original->P = 5.0;
    original->fitGirthSpline();
    original.reset();
    EXPECT_NEAR(copy.getArea(10.0, 1.0, 1.0, 0.1)[2], 22.5, 1e-12);
    EXPECT_NEAR(copy.getCoefficients(0.0, 28.0)[1], 1.34698, 1e-12);

    CMain m = mainFrom("{}");
    m.E = 4.0;
    m.fitGirthSpline();
    // (10/8)(4 + 2.25 + 3.5 + 4.03125 + 2.375 + 0.25)
    EXPECT_NEAR(m.getArea(10.0, 1.0, 1.0, 0.1)[2], 20.5078125, 1e-12);
}

TEST(CMain, ZeroLuffNoQuarterWidthOrNothingHoistedStayFinite)
{
    CMain m = mainFrom(R"({"P": 0})");
    EXPECT_FALSE(m.girthSpline.has_value());
    EXPECT_EQ(m.getArea(0.0, 1.1, 1.3, 0.3)[2], 0.0);
    // Typed in an editor, and mended again. The widths read with E = 0 are
    // all 0.5: (10/8)(2.5 + 1 + 1 + 0.75 + 0.5 + 0.25).
    m.P = 10.0;
    m.E = 2.5;
    m.fitGirthSpline();
    EXPECT_NEAR(m.getArea(10.0, 1.0, 1.0, 0.1)[2], 7.5, 1e-12);
    m.P = -1.0;
    m.fitGirthSpline();
    EXPECT_EQ(m.getArea(-1.0, 1.0, 1.0, 0.1)[2], 0.0);

    // (10/8)(2.5 + 0 + 3.5 + 4.03125 + 2.375 + 0.25), and no roach.
    const auto [roach, zCE, area] = mainFrom(R"({"MQW": 0})").getArea(10.0, 1.0, 1.0, 0.1);
    EXPECT_EQ(roach, 0.0);
    EXPECT_NEAR(area, 15.8203125, 1e-12);
    EXPECT_TRUE(std::isfinite(zCE));
    // Nothing hoisted: the centre is at the boom, or that of the boom area 0.15 below the foot.
    const CMain sail = mainFrom("{}");
    EXPECT_EQ(sail.getArea(0.0, 1.0, 1.0, 0.1), (std::array<double, 3>{0.0, 2.0, 0.0}));
    const auto withBoom = sail.getArea(0.0, 1.0, 1.0, 0.3);
    EXPECT_NEAR(withBoom[2], 0.75, 1e-12);
    EXPECT_NEAR(withBoom[1], 1.85, 1e-12);
}

} // namespace
