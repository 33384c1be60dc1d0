#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "CVecMat.h"

namespace {

constexpr double pi = 3.141592653589793;

void expectVec(const Vec3& v, const Vec3& expected, double tolerance = 1e-15)
{
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_NEAR(v[i], expected[i], tolerance) << i;
}

TEST(VecMat, PassiveRotationsCrossDotAndSum)
{
    // About x by 30°: (0, 1, 0) -> (0, cos, -sin); about y by 90°: (1, 0, 0) -> (0, 0, 1); about z: (1, 0, 0) -> (0, -1, 0).
    expectVec(rotMatrix(Axis::X, pi / 6) * Vec3(0.0, 1.0, 0.0), Vec3(0.0, std::sqrt(3.0) / 2, -0.5));
    expectVec(rotMatrix(Axis::Y, pi / 2) * Vec3(1.0, 0.0, 0.0), Vec3(0.0, 0.0, 1.0));
    expectVec(rotMatrix(Axis::Z, pi / 2) * Vec3(1.0, 0.0, 0.0), Vec3(0.0, -1.0, 0.0));
    // Two turns of 20° and 30° about z are one of 50°; an unknown axis gives the zero matrix.
    expectVec(rotMatrix(Axis::Z, 20 * pi / 180) * (rotMatrix(Axis::Z, 30 * pi / 180) * Vec3(1.0, 2.0, 3.0)),
              Vec3(std::cos(50 * pi / 180) + 2 * std::sin(50 * pi / 180), 2 * std::cos(50 * pi / 180) - std::sin(50 * pi / 180), 3.0));
    for (int axis : {0, 4})
        expectVec(rotMatrix(static_cast<Axis>(axis), 0.3) * Vec3(1.0, 2.0, 3.0), Vec3(0.0, 0.0, 0.0), 0.0);
    // A leeward side force above the origin heels the boat positively.
    expectVec(Vec3(0.0, 0.0, 5.0) ^ Vec3(-100.0, -400.0, 0.0), Vec3(2000.0, -500.0, 0.0), 0.0);
    EXPECT_EQ(Vec3(1, 2, 3) * Vec3(4, -5, 6), 12.0);
    expectVec(Vec3(1, 2, 3) + Vec3(0.5, -2, 1), Vec3(1.5, 0.0, 4.0), 0.0);
}

TEST(Linspace, RepeatedAdditionDecidesTheLastValueAndNeverLoopsForEver)
{
    EXPECT_EQ(linspace(1, 6, 1), (std::vector<double>{1, 2, 3, 4, 5, 6}));
    // 0.1 + 0.1 + 0.1 = 0.30000000000000004 > 0.3
    EXPECT_EQ(linspace(0, 0.3, 0.1).size(), 3u);
    EXPECT_EQ(linspace(0, 1, 0.1).size(), 11u);
    EXPECT_EQ(linspace(0, 1, 0.1).back(), 0.9999999999999999);
    EXPECT_EQ(linspace(0, 0, 2), (std::vector<double>{0}));
    // A step below the spacing of doubles at the start cannot advance the sum; a negative step stops at once.
    EXPECT_EQ(linspace(1e20, 2e20, 1), (std::vector<double>{1e20}));
    EXPECT_EQ(linspace(1, 6, -1), (std::vector<double>{1}));
    const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
    for (const auto& [start, stop, step] :
         {std::array{2.0, 1.0, 1.0}, {nan, 1.0, 1.0}, {0.0, inf, 1.0}, {0.0, 1.0, nan}, {0.0, 1.0, inf}})
        EXPECT_TRUE(linspace(start, stop, step).empty()) << start << " " << stop << " " << step;
}

} // namespace
