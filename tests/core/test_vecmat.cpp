#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "CVecMat.h"

constexpr double pi = 3.141592653589793;

static void expectVec(const Vec3& v, const Vec3& expected, double tolerance = 1e-15)
{
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_NEAR(v[i], expected[i], tolerance) << i;
}

TEST(VecMat, PassiveRotationsCrossDotAndSum)
{
    // About x by 30°: (0, 1, 0) -> (0, cos, -sin); about y by 90°: (1, 0, 0) -> (0, 0, 1);
    // about z by 90°: (1, 0, 0) -> (0, -1, 0).
    expectVec(rotMatrix(Axis::X, pi / 6) * Vec3(0, 1, 0), Vec3(0, std::sqrt(3.0) / 2, -0.5));
    expectVec(rotMatrix(Axis::Y, pi / 2) * Vec3(1, 0, 0), Vec3(0, 0, 1));
    expectVec(rotMatrix(Axis::Z, pi / 2) * Vec3(1, 0, 0), Vec3(0, -1, 0));
    // Turns of 20° and 30° about z make one of 50°; an unknown axis gives zero.
    expectVec((rotMatrix(Axis::Z, 20 * pi / 180) * rotMatrix(Axis::Z, 30 * pi / 180)) * Vec3(1, 0, 0),
              Vec3(std::cos(50 * pi / 180), -std::sin(50 * pi / 180), 0), 1e-15);
    for (int axis : {0, 4})
        expectVec(rotMatrix(static_cast<Axis>(axis), 0.3) * Vec3(1, 2, 3), Vec3(0, 0, 0), 0.0);
    // A leeward side force above the origin heels the boat positively.
    expectVec(Vec3(0, 0, 5) ^ Vec3(-100, -400, 0), Vec3(2000, -500, 0), 0.0);
    expectVec(Vec3(1, 2, 3) + Vec3(0.5, -2, 1), Vec3(1.5, 0, 4), 0.0);
    EXPECT_EQ(Vec3(1, 2, 3) * Vec3(4, -5, 6), 12.0);
}

TEST(Linspace, RepeatedAdditionDecidesTheLastValueAndNeverLoopsForEver)
{
    // Ten additions of 0.1 stay below 1, three pass 0.3 (0.30000000000000004).
    EXPECT_EQ(linspace(0, 1, 0.1).back(), 0.9999999999999999);
    const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
    // A step below the spacing of doubles at the start cannot advance the sum; a negative one stops at once.
    for (const auto& [start, stop, step, size] :
         {std::array{0.0, 1.0, 0.1, 11.0}, {0.0, 0.3, 0.1, 3.0}, {0.0, 0.0, 2.0, 1.0}, {1e20, 2e20, 1.0, 1.0},
          {1.0, 6.0, -1.0, 1.0}, {2.0, 1.0, 1.0, 0.0}, {nan, 1.0, 1.0, 0.0}, {0.0, inf, 1.0, 0.0}, {0.0, 1.0, nan, 0.0},
          {0.0, 1.0, inf, 0.0}})
        EXPECT_EQ(linspace(start, stop, step).size(), size) << start << " " << stop << " " << step;
}
