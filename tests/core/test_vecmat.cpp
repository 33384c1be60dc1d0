#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "CVecMat.h"

namespace {

constexpr double pi = 3.141592653589793;

void expectVec(const Vec3& v, double x, double y, double z, double tolerance = 1e-15)
{
    EXPECT_NEAR(v[0], x, tolerance);
    EXPECT_NEAR(v[1], y, tolerance);
    EXPECT_NEAR(v[2], z, tolerance);
}

TEST(RotMatrix, PassiveRotationsAboutEachAxis)
{
    // About z by 90°: (1, 0, 0) -> (0, -1, 0); about x by 30°: (0, 1, 0) -> (0, cos, -sin); about y by 90°: (1, 0, 0) -> (0, 0, 1).
    expectVec(rotMatrix(Axis::X, pi / 6) * Vec3(0.0, 1.0, 0.0), 0.0, std::sqrt(3.0) / 2, -0.5);
    expectVec(rotMatrix(Axis::Y, pi / 2) * Vec3(1.0, 0.0, 0.0), 0.0, 0.0, 1.0);
    expectVec(rotMatrix(Axis::Z, pi / 2) * Vec3(1.0, 0.0, 0.0), 0.0, -1.0, 0.0);
    // An unknown axis gives the zero matrix.
    for (int axis : {0, 4})
        expectVec(rotMatrix(static_cast<Axis>(axis), 0.3) * Vec3(1.0, 2.0, 3.0), 0.0, 0.0, 0.0, 0.0);

    // Two turns of 20° and 30° about z are one of 50°; no turn is the identity.
    const Mat3 product = rotMatrix(Axis::Z, 20 * pi / 180) * rotMatrix(Axis::Z, 30 * pi / 180);
    const Mat3 direct = rotMatrix(Axis::Z, 50 * pi / 180);
    const Mat3 identity = rotMatrix(Axis::Z, 0.0);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) {
            EXPECT_NEAR(product[i][j], direct[i][j], 1e-15);
            EXPECT_EQ(identity[i][j], i == j ? 1.0 : 0.0);
        }
}

TEST(VectorOperators, CrossDotAndSum)
{
    // A leeward side force above the origin heels the boat positively.
    expectVec(Vec3(0.0, 0.0, 5.0) ^ Vec3(-100.0, -400.0, 0.0), 2000.0, -500.0, 0.0, 0.0);
    EXPECT_EQ(Vec3(1, 2, 3) * Vec3(4, -5, 6), 12.0);
    expectVec(Vec3(1, 2, 3) + Vec3(0.5, -2, 1), 1.5, 0.0, 4.0, 0.0);
}

TEST(Linspace, RepeatedAdditionDecidesTheLastValue)
{
    EXPECT_EQ(linspace(1, 6, 1), (std::vector<double>{1, 2, 3, 4, 5, 6}));
    // 0.1 + 0.1 + 0.1 = 0.30000000000000004 > 0.3
    EXPECT_EQ(linspace(0, 0.3, 0.1).size(), 3u);
    const auto eleven = linspace(0, 1, 0.1);
    ASSERT_EQ(eleven.size(), 11u);
    EXPECT_EQ(eleven.back(), 0.9999999999999999);
    EXPECT_EQ(linspace(0, 0, 2), (std::vector<double>{0}));
    EXPECT_TRUE(linspace(2, 1, 1).empty());
}

TEST(Linspace, NeverLoopsForEver)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(linspace(1, 6, -1), (std::vector<double>{1}));
    // A step below the spacing of doubles at the start cannot advance the sum.
    EXPECT_EQ(linspace(1e20, 2e20, 1), (std::vector<double>{1e20}));
    for (const auto& [start, stop, step] :
         {std::array{nan, 1.0, 1.0}, {0.0, inf, 1.0}, {0.0, 1.0, nan}, {0.0, 1.0, inf}})
        EXPECT_TRUE(linspace(start, stop, step).empty()) << start << " " << stop << " " << step;
}

} // namespace
