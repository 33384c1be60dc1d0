#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>

#include "DesignObjectTesting.h"
#include "MakimaSpline.h"

TEST(MakimaSpline, FitsEvaluatesAndExtrapolatesNaturalCubicCoefficients)
{
    // Knots (0,0), (1,1), (2,0): by hand, h = {1, 1}, alpha[1] = 3*(0-1) - 3*(1-0) = -6,
    // l[1] = 4, z[1] = -1.5, so c = {0, -1.5, 0}, b = {1 - (-1.5)/3, -1 - (2*(-1.5))/3} = {1.5, 0},
    // d = {-1.5/3, 1.5/3} = {-0.5, 0.5}.
    const MakimaSpline s({0.0, 1.0, 2.0}, {0.0, 1.0, 0.0});
    // At the knots, and at 0.5: 1.5*0.5 - 0.5*0.125 = 0.6875, and by symmetry at 1.5.
    expectValues({s(0.0), s(1.0), s(2.0), s(0.5), s(1.5)}, {0.0, 1.0, 0.0, 0.6875, 0.6875});
    // Beyond the ends with the slope taken 0.0001 inside: 1.5 - 3*0.5*1e-8 at the start; on the second
    // interval (t = 0.9999) 0 - 3*0.9999 + 1.5*0.9999^2 at the end, where not a number goes too.
    EXPECT_NEAR(s(-1.0), -(1.5 - 1.5e-8), 1e-15);
    EXPECT_NEAR(s(3.0), 2.0 * -1.5 * 0.9999 + 3.0 * 0.5 * 0.9999 * 0.9999, 1e-14);
    EXPECT_TRUE(std::isnan(s(std::numeric_limits<double>::quiet_NaN())));
    // Two knots give the straight line; knots closer than the slope offset extrapolate along their interval.
    const MakimaSpline line({1.0, 3.0}, {2.0, 6.0}), close({0.0, 0.00005}, {0.0, 1.0});
    for (double v : {-4.0, 1.0, 1.5, 3.0, 10.0})
        EXPECT_NEAR(line(v), 2.0 * v, 1e-12) << v;
    for (double v : {-1.0, 0.0, 0.000025, 0.00005, 1.0})
        EXPECT_NEAR(close(v), 20000.0 * v, 1e-6) << v;
    // No interval holds a point of a one-knot or an empty spline.
    for (double v : {0.0, 1.0, 2.0})
        EXPECT_THROW(MakimaSpline({1.0}, {5.0})(v), std::out_of_range);
    EXPECT_THROW(MakimaSpline()(0.0), std::out_of_range);

    // Creation reports each fault in order.
    std::string error;
    for (const auto& [x, y, expected] : std::vector<std::tuple<std::vector<double>, std::vector<double>, std::string>>{
             {{1}, {1}, twoPoints}, {{0, 0, 1}, {1, 2, 3}, increasing}, {{1, 0}, {1, 2, 3}, twoPoints + increasing}}) {
        EXPECT_FALSE(MakimaSpline::create(x, y, error).has_value());
        EXPECT_EQ(error, expected);
    }
    EXPECT_DOUBLE_EQ(MakimaSpline::create({0.0, 1.0, 2.0}, {0.0, 1.0, 0.0}, error).value()(0.5), 0.6875);
}

TEST(Makima2Spline, ChecksItsFieldAndInterpolatesAlongColumnsThenRows)
{
    const auto message = [](auto make) { return errorOf<std::invalid_argument>(make); };
    // Too few rows, a later row of the wrong length, too few keys.
    const std::string mismatch = "LeftCol and topRow sizes do not match field sizes.";
    EXPECT_EQ(message([] { Makima2Spline({0, 1, 2}, {0, 1}, {{1, 2}, {1, 2}}); }), mismatch);
    EXPECT_EQ(message([] { Makima2Spline({0, 1, 2}, {0, 1}, {{1, 2}, {1, 2}, {1}}); }), mismatch);
    EXPECT_EQ(message([] { Makima2Spline({0}, {0, 1}, {{1, 2}}); }),
              "LeftCol and topRow vectors must have at least three points.");

    // field[r][k] = 10*r + k over row and column keys 0, 1, 2: linear in both, extrapolated row by row.
    Makima2Spline table({0.0, 1.0, 2.0}, {0.0, 1.0, 2.0}, {{0, 1, 2}, {10, 11, 12}, {20, 21, 22}});
    table.interpolateColumn(1.0);
    EXPECT_EQ(table.columnSpline.y, (std::vector<double>{1.0, 11.0, 21.0}));
    EXPECT_NEAR(table.columnSpline(0.5), 6.0, 1e-12);
    table.interpolateColumn(3.0);
    EXPECT_NEAR(table.columnSpline(1.0), 13.0, 1e-9);
    // Column keys closer than the end-slope offset extrapolate too.
    Makima2Spline narrow({0.0, 1.0}, {0.0, 0.00005}, {{0, 1}, {2, 3}});
    narrow.interpolateColumn(1.0);
    EXPECT_NEAR(narrow.columnSpline(0.5), 20001.0, 1e-6);
}
