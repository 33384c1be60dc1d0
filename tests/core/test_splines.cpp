#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>

#include "DesignObjectTesting.h"
#include "MakimaSpline.h"

namespace {

// Knots (0,0), (1,1), (2,0): by hand, h = {1, 1}, alpha[1] = 3*(0-1) - 3*(1-0) = -6,
// l[1] = 4, z[1] = -1.5, so c = {0, -1.5, 0}, b = {1 - (-1.5)/3, -1 - (2*(-1.5))/3} = {1.5, 0},
// d = {-1.5/3, 1.5/3} = {-0.5, 0.5}.
MakimaSpline hat() { return MakimaSpline({0.0, 1.0, 2.0}, {0.0, 1.0, 0.0}); }

TEST(MakimaSpline, FitsAndEvaluatesNaturalCubicCoefficients)
{
    const MakimaSpline s = hat();
    expectValues(s.c, {0.0, -1.5, 0.0});
    expectValues(s.b, {1.5, 0.0});
    expectValues(s.d, {-0.5, 0.5});
    EXPECT_EQ(s.a, (std::vector<double>{0.0, 1.0, 0.0}));
    // At the knots, and at 0.5: 1.5*0.5 - 0.5*0.125 = 0.6875, and by symmetry at 1.5.
    expectValues({s(0.0), s(1.0), s(2.0), s(0.5), s(1.5)}, {0.0, 1.0, 0.0, 0.6875, 0.6875});
}

TEST(MakimaSpline, ExtrapolatesWithSlopeTakenInsideEndKnots)
{
    const MakimaSpline s = hat();
    // Slope at 0.0001: 1.5 - 3*0.5*1e-8.
    EXPECT_NEAR(s(-1.0), -(1.5 - 1.5e-8), 1e-15);
    // Slope at 1.9999 on the second piece (t = 0.9999): 0 - 3*0.9999 + 1.5*0.9999^2.
    const double t = 0.9999;
    EXPECT_NEAR(s(3.0), 2.0 * -1.5 * t + 3.0 * 0.5 * t * t, 1e-14);
    // Not a number is extrapolated beyond the last knot.
    EXPECT_TRUE(std::isnan(s(std::numeric_limits<double>::quiet_NaN())));

    // Two knots give the straight line.
    const MakimaSpline line({1.0, 3.0}, {2.0, 6.0});
    for (double v : {-4.0, 1.0, 1.5, 3.0, 10.0})
        EXPECT_NEAR(line(v), 2.0 * v, 1e-12) << v;
}

TEST(MakimaSpline, ThrowsWhenNoIntervalHoldsThePoint)
{
    const MakimaSpline single({1.0}, {5.0});
    for (double v : {0.0, 1.0, 2.0})
        EXPECT_THROW(single(v), std::out_of_range);
    // Knots closer than the end-slope offset extrapolate along their interval.
    const MakimaSpline close({0.0, 0.00005}, {0.0, 1.0});
    for (double v : {-1.0, 0.0, 0.00005, 1.0})
        EXPECT_NEAR(close(v), 20000.0 * v, 1e-6) << v;
    EXPECT_NEAR(close(0.000025), 0.5, 1e-12);
    EXPECT_THROW(MakimaSpline()(0.0), std::out_of_range);
}

TEST(MakimaSplineCreate, ReportsEachFaultInOrder)
{
    const std::string sizeMessage = "\nInput vectors must have at least two points and must be of the same size.";
    const std::string orderMessage = "\nIndependent Input vector (x) must be strictly increasing.";
    std::string error;
    EXPECT_FALSE(MakimaSpline::create({1.0}, {1.0}, error).has_value());
    EXPECT_EQ(error, sizeMessage);
    EXPECT_FALSE(MakimaSpline::create({0.0, 0.0, 1.0}, {1.0, 2.0, 3.0}, error).has_value());
    EXPECT_EQ(error, orderMessage);
    EXPECT_FALSE(MakimaSpline::create({1.0, 0.0}, {1.0, 2.0, 3.0}, error).has_value());
    EXPECT_EQ(error, sizeMessage + orderMessage);
    const auto good = MakimaSpline::create({0.0, 1.0, 2.0}, {0.0, 1.0, 0.0}, error);
    ASSERT_TRUE(good.has_value());
    EXPECT_DOUBLE_EQ((*good)(0.5), 0.6875);
}

TEST(Makima2Spline, RejectsFieldsThatDoNotMatchTheKeys)
{
    const std::string mismatch = "LeftCol and topRow sizes do not match field sizes.";
    auto message = [](auto&& make) {
        try {
            make();
        } catch (const std::invalid_argument& e) {
            return std::string(e.what());
        }
        return std::string("no exception");
    };
    // Too few rows, and a later row of the wrong length.
    EXPECT_EQ(message([] { Makima2Spline({0, 1, 2}, {0, 1}, {{1, 2}, {1, 2}}); }), mismatch);
    EXPECT_EQ(message([] { Makima2Spline({0, 1, 2}, {0, 1}, {{1, 2}, {1, 2}, {1}}); }), mismatch);
    EXPECT_EQ(message([] { Makima2Spline({0}, {0, 1}, {{1, 2}}); }),
              "LeftCol and topRow vectors must have at least three points.");
}

TEST(Makima2Spline, InterpolatesAlongColumnsThenRows)
{
    // field[r][k] = 10*r + k over row keys 0,1,2 and column keys 0,1,2: linear in both.
    Makima2Spline table({0.0, 1.0, 2.0}, {0.0, 1.0, 2.0}, {{0, 1, 2}, {10, 11, 12}, {20, 21, 22}});
    table.interpolateColumn(1.0);
    EXPECT_EQ(table.columnSpline.y, (std::vector<double>{1.0, 11.0, 21.0}));
    EXPECT_NEAR(table.columnSpline(0.5), 6.0, 1e-12);
    // A column key beyond the table is extrapolated row by row.
    table.interpolateColumn(3.0);
    EXPECT_NEAR(table.columnSpline(1.0), 13.0, 1e-9);

    // Column keys closer than the end-slope offset extrapolate too.
    Makima2Spline narrow({0.0, 1.0}, {0.0, 0.00005}, {{0, 1}, {2, 3}});
    narrow.interpolateColumn(1.0);
    EXPECT_NEAR(narrow.columnSpline(0.5), 20001.0, 1e-6);
}

} // namespace
