// Resistance components of the hull data set against values worked out from
// the regression formulas with the tabulated coefficients of the test yacht.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "CKeuningHYDRO.h"
#include "DesignObjectTesting.h"
#include "HeeledWettedSurface.h"
#include "TestHull.h"

namespace {

constexpr double pi = std::numbers::pi;
constexpr double rho = 1000.0;
constexpr double g = 9.8065;

// The test yacht's dimensions.
constexpr double Vc = 7.5, Tc = 0.5, Lwl = 10.0, Bwl = 3.0, Sc = 25.0, Ax = 1.0, Aw = 22.0;
constexpr double LCBfpp = 4.8 + 0.5, LCFfpp = 5.1 + 0.5, GMl = 25.0;
constexpr double bk = 1.4, TRk = 0.6, Vk = 0.25, Zcbk = 0.6;
constexpr double BT = Bwl / Tc;              // 6
constexpr double Cm = Ax / (Bwl * Tc);       // 2/3
constexpr double LCBpct = 3.0, LCFpct = 6.0; // positions from half the waterline, percent of Lwl
constexpr double T = Tc + bk;

// Speed at which the Froude number on the waterline, with gravity gF, is Fn.
double speedAt(double Fn, double gF)
{
    return Fn * std::sqrt(gF * Lwl);
}

double ittc(double Re)
{
    const double l = std::log10(Re) - 2.0;
    return 0.075 / (l * l);
}

class HullResistance : public ::testing::Test {
protected:
    HullResistance()
        : hull(testHullJson(), "KeuningHYDRO"), tabulated(testHullWithHeeledDimensionsJson(), "KeuningHYDRO")
    {
        EXPECT_TRUE(hull.checkAndGenerateSplines());
        EXPECT_TRUE(tabulated.checkAndGenerateSplines());
    }
    CKeuningHYDRO hull;
    CKeuningHYDRO tabulated;
};

// Heeled wetted surface from the regression, with the coefficients s0 to s3 given.
double heeledSurface(const std::array<double, 4>& s)
{
    return Sc * (1.0 + 0.01 * (s[0] + s[1] * BT + s[2] * BT * BT + s[3] * Cm));
}

TEST_F(HullResistance, FrictionFollowsTheIttcLineOnTheHeeledSurface)
{
    const double V = 3.0;
    const double q = ittc(Lwl * V * 0.7 / 1.19e-6) * 0.5 * rho * V * V;
    expectClose(hull.getHullFrictionalResistance(V, 0.0), q * Sc);
    // The tabulated coefficients at their heel angles, natural cubic splines between and beyond them.
    const std::vector<double> heels{0, 5, 10, 15, 20, 25, 30, 35};
    const MakimaSpline s0(heels, {0, -4.112, -4.522, -3.291, 1.850, 6.510, 12.334, 14.648});
    const MakimaSpline s1(heels, {0, 0.054, -0.132, -0.389, -1.200, -2.305, -3.911, -5.182});
    const MakimaSpline s2(heels, {0, -0.027, -0.077, -0.118, -0.109, -0.066, 0.024, 0.102});
    const MakimaSpline s3(heels, {0, 6.329, 8.738, 8.949, 5.364, 3.443, 1.767, 3.497});
    for (double heel : {5.0, 12.5, 20.0, 27.0, 35.0, 40.0})
        expectClose(hull.getHullFrictionalResistance(V, heel),
                    q * heeledSurface({s0(heel), s1(heel), s2(heel), s3(heel)}));
    expectClose(heeledWettedSurface(Sc, 12.5, 5.5, 0.6),
                Sc * (1.0 + 0.01 * (s0(12.5) + s1(12.5) * 5.5 + s2(12.5) * 30.25 + s3(12.5) * 0.6)));
    // With tabulated heeled dimensions the surface is read from the table.
    expectClose(tabulated.getHullFrictionalResistance(V, 0.0), q * Sc);
    expectClose(tabulated.getHullFrictionalResistance(V, 20.0), q * 24.0);

    // Friction starts above 0.01 m/s; a Reynolds number below 1 is raised to 1.
    EXPECT_EQ(hull.getHullFrictionalResistance(0.0, 0.0), 0.0);
    EXPECT_EQ(hull.getHullFrictionalResistance(0.01, 20.0), 0.0);
    const double slow = 0.0101;
    const double qSlow = 0.5 * rho * slow * slow * Sc;
    expectClose(hull.getHullFrictionalResistance(slow, 0.0), ittc(Lwl * slow * 0.7 / 1.19e-6) * qSlow);
    auto element = testHullJson();
    element["Lwl"] = 1e-4;
    expectClose(CKeuningHYDRO(element, "KeuningHYDRO").getHullFrictionalResistance(slow, 0.0), 0.075 / 4.0 * qSlow);
}

// Upright bare-hull residuary resistance with the coefficients a0 to a7 given.
double bareHull(const std::array<double, 8>& a)
{
    return rho * g * Vc *
           (a[0] + (a[1] * LCBfpp / Lwl + a[2] * Vc / (Lwl * Ax) + a[3] * std::pow(Vc, 0.6666) / Aw + a[4] * Bwl / Lwl +
                    a[5] * LCBfpp / LCFfpp + a[6] * BT + a[7] * Cm) *
                       std::pow(Vc, 0.33333) / Lwl);
}

TEST_F(HullResistance, BareHullResiduaryResistanceUpright)
{
    // The regression's coefficients a0 to a7 by Froude number (on the member g = 9.8065), natural
    // cubic splines between the rows: checked at rows and between them.
    const std::vector<std::vector<double>> table{
        {0.15, -0.0005, 0.0023, -0.0086, -0.0015, 0.0061, 0.0010, 0.0001, 0.0052},
        {0.20, -0.0003, 0.0059, -0.0064, 0.0070, 0.0014, 0.0013, 0.0005, -0.0020},
        {0.25, -0.0002, -0.0156, 0.0031, -0.0021, -0.0070, 0.0148, 0.0010, -0.0043},
        {0.30, -0.0009, 0.0016, 0.0337, -0.0285, -0.0367, 0.0218, 0.0015, -0.0172},
        {0.35, -0.0026, -0.0567, 0.0446, -0.1091, -0.0707, 0.0914, 0.0021, -0.0078},
        {0.40, -0.0064, -0.4034, -0.1250, 0.0273, -0.1341, 0.3578, 0.0045, 0.1115},
        {0.45, -0.0218, -0.5261, -0.2945, 0.2485, -0.2428, 0.6293, 0.0081, 0.2086},
        {0.50, -0.0388, -0.5986, -0.3038, 0.6033, -0.0430, 0.8332, 0.0106, 0.1336},
        {0.55, -0.0347, -0.4764, -0.2361, 0.8726, 0.4219, 0.8990, 0.0096, -0.2272},
        {0.60, -0.0361, 0.0037, -0.2960, 0.9661, 0.6123, 0.7534, 0.0100, -0.3352},
        {0.65, 0.0008, 0.3728, -0.3667, 1.3957, 1.0343, 0.3230, 0.0072, -0.4632},
        {0.70, 0.0108, -0.1238, -0.2026, 1.1282, 1.1836, 0.4973, 0.0038, -0.4477},
        {0.75, 0.1023, 0.7726, 0.5040, 1.7867, 2.1934, -1.5479, -0.0115, -0.0977}};
    std::vector<MakimaSpline> a;
    for (std::size_t k = 1; k <= 8; ++k) {
        std::vector<double> fn{0.0}, values{0.0};
        for (const auto& row : table) {
            fn.push_back(row[0]);
            values.push_back(row[k]);
        }
        a.emplace_back(fn, values);
    }
    for (double Fn : {0.1, 0.15, 0.225, 0.30, 0.42, 0.45, 0.575, 0.68, 0.75, 0.8}) {
        const auto [upright, increment] = hull.getHullResidualResistance(speedAt(Fn, g), 0.0);
        expectClose(upright, bareHull({a[0](Fn), a[1](Fn), a[2](Fn), a[3](Fn), a[4](Fn), a[5](Fn), a[6](Fn), a[7](Fn)}));
        EXPECT_EQ(increment, 0.0);
    }
    // The regression is negative at low Froude numbers.
    EXPECT_LT(hull.getHullResidualResistance(speedAt(0.15, g), 0.0).first, 0.0);
    EXPECT_EQ(hull.getHullResidualResistance(0.0, 20.0), std::make_pair(0.0, 0.0));
}

// Heel increment of the bare hull from the regression at 20 degrees.
double heelIncrement(double heel, const std::array<double, 6>& u)
{
    return 6.0 * std::pow(heel * pi / 180.0, 1.7) *
           (u[0] + u[1] * Lwl / Bwl + u[2] * BT + u[3] * BT * BT + u[4] * LCBpct + u[5] * LCBpct * LCBpct) / 1000.0 *
           Vc * g * rho;
}

TEST_F(HullResistance, BareHullHeelIncrementFromTheRegression)
{
    const std::array<double, 6> u30{0.6628, -0.0632, -0.0699, 0.0069, 0.0459, -0.0004};
    expectClose(hull.getHullResidualResistance(speedAt(0.30, g), 20.0).second, heelIncrement(20.0, u30));
    expectClose(hull.getHullResidualResistance(speedAt(0.25, g), 20.0).second,
                heelIncrement(20.0, {-0.0268, -0.0014, -0.0057, 0.0016, -0.0070, -0.0017}));
    expectClose(hull.getHullResidualResistance(speedAt(0.55, g), 25.0).second,
                heelIncrement(25.0, {1.5873, -0.3749, -0.7105, 0.2146, -0.4818, -0.1174}));
    // The upright part does not depend on heel.
    EXPECT_EQ(hull.getHullResidualResistance(3.0, 20.0).first, hull.getHullResidualResistance(3.0, 0.0).first);
}

// Heel increment from the heeled dimensions L, B, T, A with the coefficients b0 to b3.
double tabulatedIncrement(const std::array<double, 4>& b, double L, double B, double Tphi, double A)
{
    return (b[0] + b[1] * (B / Tphi - BT) + b[2] * (A / (B * Tphi) - Cm) + b[3] * L / Lwl) / 1000.0 * rho * g *
           (Vc + Vk);
}

TEST_F(HullResistance, BareHullHeelIncrementFromTabulatedDimensions)
{
    const std::array<double, 4> b30{10.881, -0.163, -0.431, -10.773};
    // Upright the heeled dimensions are the upright ones: a small increment remains.
    expectClose(tabulated.getHullResidualResistance(speedAt(0.30, g), 0.0).second,
                (10.881 - 10.773) / 1000.0 * rho * g * (Vc + Vk));
    expectClose(tabulated.getHullResidualResistance(speedAt(0.30, g), 20.0).second,
                tabulatedIncrement(b30, 10.1, 2.75, 0.46, 0.97));
    expectClose(tabulated.getHullResidualResistance(speedAt(0.15, g), 10.0).second,
                tabulatedIncrement({-1.850, -0.032, 1.037, 1.781}, 10.05, 2.9, 0.48, 0.99));
    expectClose(tabulated.getHullResidualResistance(speedAt(0.45, g), 30.0).second,
                tabulatedIncrement({73.015, -1.795, -6.432, -72.799}, 10.1, 2.6, 0.43, 0.95));
    // The upright part is the same as without the table.
    EXPECT_EQ(tabulated.getHullResidualResistance(3.0, 20.0).first, hull.getHullResidualResistance(3.0, 20.0).first);
    EXPECT_EQ(tabulated.getHullResidualResistance(0.0, 20.0).second, 0.0);
}

TEST_F(HullResistance, KeelAndRudderViscousResistance)
{
    const double V = 3.0;
    const double kKeel = 1.0 + 2.0 * 0.12 + 60.0 * std::pow(0.12, 4);
    const double kRudder = 1.0 + 2.0 * 0.1 + 60.0 * std::pow(0.1, 4);
    const auto [keel, rudder] = hull.getKeelRudderViscousResistance(V);
    expectClose(keel, kKeel * ittc(V * 1.0 / 1.19e-6) * 0.5 * rho * V * V * 2.9);
    expectClose(rudder, kRudder * ittc(V * 0.4 / 1.19e-6) * 0.5 * rho * V * V * 1.0);
}

// Upright keel residuary resistance and the heel coefficient of its increment.
double keelResidual(const std::array<double, 4>& A)
{
    return (A[0] + A[1] * T / Bwl + A[2] * (Tc + Zcbk) / std::pow(Vk, 0.3333) + A[3] * Vc / Vk) * Vk * rho * g;
}
const double Ch = -3.5837 * Tc / T - 0.0518 * BT + 0.5958 * (Tc / T) * BT + 0.2055 * Lwl / std::pow(Vc, 0.3333);

TEST_F(HullResistance, KeelResiduaryResistance)
{
    // Froude numbers on 9.81, not on the member g; the tabulated coefficients at their
    // Froude numbers, the natural spline between them and its straight extension beyond.
    const auto at = [&](double Fn, double heel) { return hull.getKeelResidualResistance(speedAt(Fn, 9.81), heel); };
    const std::vector<double> grid{0, 0.20, 0.25, 0.30, 0.35, 0.40, 0.45, 0.50, 0.55, 0.60};
    const MakimaSpline A0(grid,
                          {0, -0.00104, -0.00550, -0.01110, -0.00713, -0.03581, -0.00470, 0.00553, 0.04822, 0.01021});
    const MakimaSpline A1(grid, {0, 0.00172, 0.00597, 0.01421, 0.02632, 0.08649, 0.11592, 0.07371, 0.00660, 0.14173});
    const MakimaSpline A2(grid, {0, 0.00117, 0.00390, 0.00069, -0.00232, 0.00999, -0.00064, 0.05991, 0.07048, 0.06409});
    const MakimaSpline A3(grid,
                          {0, -0.00008, -0.00009, 0.00021, 0.00039, 0.00017, 0.00035, -0.00114, -0.00035, -0.00192});
    for (double Fn : {0.1, 0.2, 0.3, 0.42, 0.6, 0.7})
        expectClose(at(Fn, 0.0).first, keelResidual({A0(Fn), A1(Fn), A2(Fn), A3(Fn)}));
    // The upright part does not depend on heel; the heel increment grows with it.
    EXPECT_EQ(at(0.30, 0.0).second, 0.0);
    expectClose(at(0.30, 20.0).first, at(0.30, 0.0).first);
    expectClose(at(0.30, 20.0).second, Ch * 0.09 * (20.0 * pi / 180.0) * Vk * rho * g);
    expectClose(at(0.60, 10.0).second, Ch * 0.36 * (10.0 * pi / 180.0) * Vk * rho * g);
    EXPECT_EQ(hull.getKeelResidualResistance(0.0, 30.0), std::make_pair(0.0, 0.0));
}

// Coefficient of the added trim resistance with T0 to T5 given.
double trimCoefficient(const std::array<double, 6>& t)
{
    return t[0] + t[1] * Lwl / Bwl + t[2] * BT + t[3] * Aw / std::pow(Vc, 0.6666) + t[4] * LCBpct + t[5] * LCFpct;
}

TEST_F(HullResistance, AddedTrimResistanceFadesOutByTenDegrees)
{
    const double M = 5000.0;
    const double V30 = speedAt(0.30, 9.81);
    const double full = trimCoefficient({0.0015, 0.0008, 0.0027, -0.0030, 0.0002, 0.0}) * M / (GMl * 0.0175);
    expectClose(hull.getHullAddedTrimResistance(V30, 0.0, M), full);
    expectClose(hull.getHullAddedTrimResistance(V30, 5.0, M), 0.5 * full);
    expectClose(hull.getHullAddedTrimResistance(V30, 2.5, M), 0.75 * full);
    EXPECT_EQ(hull.getHullAddedTrimResistance(V30, 10.0, M), 0.0);
    EXPECT_EQ(hull.getHullAddedTrimResistance(V30, 25.0, M), 0.0);
    expectClose(hull.getHullAddedTrimResistance(speedAt(0.45, 9.81), 0.0, 2.0 * M),
                trimCoefficient({0.0070, 0.0033, 0.0074, -0.0089, 0.0016, -0.0005}) * 2.0 * M / (GMl * 0.0175));
    // No added trim resistance at the tabulated Froude numbers up to 0.20.
    for (double Fn : {0.0, 0.05, 0.10, 0.15, 0.20})
        EXPECT_NEAR(hull.getHullAddedTrimResistance(speedAt(Fn, 9.81), 0.0, M), 0.0, 1e-12) << Fn;
}

// Effective span with the coefficients A1 to A4, B0, B1 given, at Froude number Fn.
double effectiveSpan(const std::array<double, 6>& c, double Fn)
{
    const double r = Tc / T;
    return (c[4] + c[5] * Fn) * (c[0] * r + c[1] * r * r + c[2] * BT + c[3] * TRk) * T;
}

TEST_F(HullResistance, EffectiveSpanAndInducedResistance)
{
    const double V = 3.0;
    const double Fn = V / std::sqrt(9.81 * Lwl);
    const double Fh = 2000.0;
    const auto check = [&](double heel, const std::array<double, 6>& c) {
        const auto [Te, Ri] = hull.getInducedResistance(V, heel, Fh);
        const double expectedTe = effectiveSpan(c, Fn);
        expectClose(Te, expectedTe);
        expectClose(Ri, Fh * Fh / (pi * expectedTe * expectedTe * 0.5 * rho * V * V));
    };
    // The tabulated coefficients at 0, 10, 20 and 30 degrees, natural splines between and beyond.
    const std::vector<double> heels{0, 10, 20, 30};
    const std::array<MakimaSpline, 6> c{MakimaSpline(heels, {3.7455, 4.4892, 3.9592, 3.4891}),
                                        MakimaSpline(heels, {-3.6246, -4.8454, -3.9804, -2.9577}),
                                        MakimaSpline(heels, {0.0589, 0.0294, 0.0283, 0.0250}),
                                        MakimaSpline(heels, {-0.0296, -0.0176, -0.0075, -0.0272}),
                                        MakimaSpline(heels, {1.2306, 1.4231, 1.5450, 1.4744}),
                                        MakimaSpline(heels, {-0.7256, -1.2971, -1.5622, -1.3499})};
    for (double heel : {0.0, 10.0, 15.0, 20.0, 30.0, 38.0})
        check(heel, {c[0](heel), c[1](heel), c[2](heel), c[3](heel), c[4](heel), c[5](heel)});
    EXPECT_EQ(hull.getInducedResistance(V, 20.0, 0.0).second, 0.0);
}

} // namespace
