// Resistance components, side forces and moments of the test yacht against values worked out
// from the regression formulas with their tabulated coefficients, at rest and heeled either way.

#include <algorithm>
#include <functional>
#include <numbers>

#include "CKeuningHYDRO.h"
#include "DesignObjectTesting.h"
#include "TestHull.h"

constexpr double pi = std::numbers::pi, deg = pi / 180.0, rho = 1000.0, g = 9.8065;
// The test yacht's dimensions; LCB and LCF in percent of Lwl from half the waterline.
constexpr double Vc = 7.5, Tc = 0.5, Lwl = 10.0, Bwl = 3.0, Sc = 25.0, Ax = 1.0, Aw = 22.0, GMl = 25.0;
constexpr double LCBfpp = 4.8 + 0.5, LCFfpp = 5.1 + 0.5, LCBpct = 3.0, LCFpct = 6.0, BT = Bwl / Tc, Cm = Ax / (Bwl * Tc);
constexpr double ck = 1.0, bk = 1.4, TRk = 0.6, Ak = 1.4, Vk = 0.25, Zcbk = 0.6, LCEk = 4.6, VCEk = -1.2, T = Tc + bk;
constexpr double cr = 0.4, br = 1.2, Ar = 0.48, LCEr = 9.3, VCEr = -0.7, crewFull = 300.0 * g * 1.4;
constexpr double displacement = (Vc + Vk) * rho * g;
const MakimaSpline arm({0.0, 15.0, 30.0, 45.0, 60.0}, {0.0, 0.22, 0.40, 0.48, 0.46});

static double speedAt(double Fn, double gF) { return Fn * std::sqrt(gF * Lwl); }
static double ittc(double Re) { return 0.075 / std::pow(std::log10(Re) - 2.0, 2); }

// The natural splines of the coefficient columns of a table whose rows start with their key, evaluated together.
static std::function<std::vector<double>(double)> columns(const std::vector<std::vector<double>>& rows)
{
    std::vector<MakimaSpline> splines;
    for (std::size_t k = 1; k < rows[0].size(); ++k) {
        std::vector<double> x, y;
        for (const auto& row : rows)
            x.push_back(row[0]), y.push_back(row[k]);
        splines.emplace_back(x, y);
    }
    return [splines](double x) {
        std::vector<double> values(splines.size());
        std::ranges::transform(splines, values.begin(), [x](const MakimaSpline& s) { return s(x); });
        return values;
    };
}

static std::vector<double> components(const ForceMoment& f) { return {f.Fx, f.Fy, f.Fz, f.Mx, f.My, f.Mz}; }

struct Hull : ::testing::Test {
    void SetUp() override { ASSERT_TRUE(hull.checkAndGenerateSplines() && tabulated.checkAndGenerateSplines()); }
    CKeuningHYDRO hull{testHullJson(), "KeuningHYDRO"}, tabulated{testHullWithHeeledDimensionsJson(), "KeuningHYDRO"};
};

TEST_F(Hull, FrictionAndBareHullResiduaryResistance)
{
    // Friction follows the ITTC line on the heeled surface.
    const double V = 3.0, q = ittc(Lwl * V * 0.7 / 1.19e-6) * 0.5 * rho * V * V;
    // The surface's coefficients s0 to s3 by heel, natural cubic splines between and beyond the rows.
    const auto s = columns({{0, 0, 0, 0, 0}, {5, -4.112, 0.054, -0.027, 6.329}, {10, -4.522, -0.132, -0.077, 8.738},
                            {15, -3.291, -0.389, -0.118, 8.949}, {20, 1.850, -1.200, -0.109, 5.364},
                            {25, 6.510, -2.305, -0.066, 3.443}, {30, 12.334, -3.911, 0.024, 1.767},
                            {35, 14.648, -5.182, 0.102, 3.497}});
    for (double heel : {0.0, 5.0, 12.5, 20.0, 27.0, 35.0, 40.0}) {
        const auto c = s(heel);
        expectClose(hull.getHullFrictionalResistance(V, heel),
                    q * Sc * (1.0 + 0.01 * (c[0] + c[1] * BT + c[2] * BT * BT + c[3] * Cm)));
    }
    // With tabulated heeled dimensions the surface is read from the table.
    expectClose(tabulated.getHullFrictionalResistance(V, 20.0), q * 24.0);
    // Friction starts above 0.01 m/s; a Reynolds number below 1 is raised to 1.
    EXPECT_EQ(hull.getHullFrictionalResistance(0.01, 20.0), 0.0);
    const double slow = 0.0101, qSlow = 0.5 * rho * slow * slow * Sc;
    expectClose(hull.getHullFrictionalResistance(slow, 0.0), ittc(Lwl * slow * 0.7 / 1.19e-6) * qSlow);
    auto element = testHullJson();
    element["Lwl"] = 1e-4;
    expectClose(CKeuningHYDRO(element, "KeuningHYDRO").getHullFrictionalResistance(slow, 0.0), 0.075 / 4.0 * qSlow);

    // The bare hull's residuary resistance upright and its heel increment.
    // The coefficients a0 to a7 by Froude number (on the member g), natural cubic splines between the rows.
    const auto a = columns({{0, 0, 0, 0, 0, 0, 0, 0, 0},
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
                            {0.75, 0.1023, 0.7726, 0.5040, 1.7867, 2.1934, -1.5479, -0.0115, -0.0977}});
    for (double Fn : {0.1, 0.15, 0.225, 0.30, 0.42, 0.45, 0.575, 0.68, 0.75, 0.8}) {
        const auto c = a(Fn);
        const double sum = c[1] * LCBfpp / Lwl + c[2] * Vc / (Lwl * Ax) + c[3] * std::pow(Vc, 0.6666) / Aw +
                           c[4] * Bwl / Lwl + c[5] * LCBfpp / LCFfpp + c[6] * BT + c[7] * Cm;
        expectClose(hull.getHullResidualResistance(speedAt(Fn, g), 0.0).first,
                    rho * g * Vc * (c[0] + sum * std::pow(Vc, 0.33333) / Lwl));
    }
    EXPECT_EQ(hull.getHullResidualResistance(0.0, 20.0), std::make_pair(0.0, 0.0));
    // The heel increment from the regression with the coefficients u0 to u5 at the row's Froude number.
    const auto regression = [&](double Fn, double heel, const std::array<double, 6>& u) {
        expectClose(hull.getHullResidualResistance(speedAt(Fn, g), heel).second,
                    6.0 * std::pow(heel * deg, 1.7) * Vc * g * rho / 1000.0 *
                        (u[0] + u[1] * Lwl / Bwl + u[2] * BT + u[3] * BT * BT + u[4] * LCBpct + u[5] * LCBpct * LCBpct));
    };
    regression(0.30, 20.0, {0.6628, -0.0632, -0.0699, 0.0069, 0.0459, -0.0004});
    regression(0.55, 25.0, {1.5873, -0.3749, -0.7105, 0.2146, -0.4818, -0.1174});
    // From the heeled dimensions L, B, T, A with the coefficients b0 to b3: upright a small increment remains.
    const auto table = [&](double Fn, double heel, const std::array<double, 8>& b) {
        const double L = b[4], B = b[5], Tp = b[6], A = b[7];
        expectClose(tabulated.getHullResidualResistance(speedAt(Fn, g), heel).second,
                    (b[0] + b[1] * (B / Tp - BT) + b[2] * (A / (B * Tp) - Cm) + b[3] * L / Lwl) * displacement / 1000.0);
    };
    table(0.30, 0.0, {10.881, -0.163, -0.431, -10.773, Lwl, Bwl, Tc, Ax});
    table(0.30, 20.0, {10.881, -0.163, -0.431, -10.773, 10.1, 2.75, 0.46, 0.97});
    table(0.45, 30.0, {73.015, -1.795, -6.432, -72.799, 10.1, 2.6, 0.43, 0.95});
    // The upright part depends on neither heel nor the table.
    EXPECT_EQ(tabulated.getHullResidualResistance(3.0, 20.0).first, hull.getHullResidualResistance(3.0, 0.0).first);
    EXPECT_EQ(tabulated.getHullResidualResistance(0.0, 20.0).second, 0.0);
}

TEST_F(Hull, KeelRudderTrimAndInducedResistance)
{
    const auto [keel, rudder] = hull.getKeelRudderViscousResistance(3.0);
    expectClose(keel, (1.0 + 2.0 * 0.12 + 60.0 * std::pow(0.12, 4)) * ittc(3.0 / 1.19e-6) * 0.5 * rho * 9.0 * 2.9);
    expectClose(rudder, (1.0 + 2.0 * 0.1 + 60.0 * std::pow(0.1, 4)) * ittc(1.2 / 1.19e-6) * 0.5 * rho * 9.0 * 1.0);
    // Froude numbers on 9.81, not on the member g; the coefficients A0 to A3 at their Froude numbers,
    // the natural spline between them and its straight extension beyond.
    const auto keelAt = [&](double Fn, double heel) { return hull.getKeelResidualResistance(speedAt(Fn, 9.81), heel); };
    const auto A = columns({{0, 0, 0, 0, 0}, {0.20, -0.00104, 0.00172, 0.00117, -0.00008},
                            {0.25, -0.00550, 0.00597, 0.00390, -0.00009}, {0.30, -0.01110, 0.01421, 0.00069, 0.00021},
                            {0.35, -0.00713, 0.02632, -0.00232, 0.00039}, {0.40, -0.03581, 0.08649, 0.00999, 0.00017},
                            {0.45, -0.00470, 0.11592, -0.00064, 0.00035}, {0.50, 0.00553, 0.07371, 0.05991, -0.00114},
                            {0.55, 0.04822, 0.00660, 0.07048, -0.00035}, {0.60, 0.01021, 0.14173, 0.06409, -0.00192}});
    for (double Fn : {0.1, 0.2, 0.3, 0.42, 0.6, 0.7}) {
        const auto c = A(Fn);
        EXPECT_EQ(keelAt(Fn, 0.0).second, 0.0);
        expectClose(keelAt(Fn, 20.0).first,
                    (c[0] + c[1] * T / Bwl + c[2] * (Tc + Zcbk) / std::pow(Vk, 0.3333) + c[3] * Vc / Vk) * Vk * rho * g);
    }
    // The heel increment grows with heel and the Froude number.
    const double Ch = -3.5837 * Tc / T - 0.0518 * BT + 0.5958 * (Tc / T) * BT + 0.2055 * Lwl / std::pow(Vc, 0.3333);
    expectClose(keelAt(0.30, 20.0).second, Ch * 0.09 * (20.0 * deg) * Vk * rho * g);

    // The added trim resistance fades out by ten degrees.
    const auto coefficient = [](const std::array<double, 6>& t) {
        return t[0] + t[1] * Lwl / Bwl + t[2] * BT + t[3] * Aw / std::pow(Vc, 0.6666) + t[4] * LCBpct + t[5] * LCFpct;
    };
    const double M = 5000.0, V30 = speedAt(0.30, 9.81);
    const double full = coefficient({0.0015, 0.0008, 0.0027, -0.0030, 0.0002, 0.0}) * M / (GMl * 0.0175);
    for (const auto& [heel, share] : {std::pair{0.0, 1.0}, {2.5, 0.75}, {5.0, 0.5}, {10.0, 0.0}, {25.0, 0.0}})
        expectClose(hull.getHullAddedTrimResistance(V30, heel, M), share * full);
    expectClose(hull.getHullAddedTrimResistance(speedAt(0.45, 9.81), 0.0, 2.0 * M),
                coefficient({0.0070, 0.0033, 0.0074, -0.0089, 0.0016, -0.0005}) * 2.0 * M / (GMl * 0.0175));
    // No added trim resistance at the tabulated Froude numbers up to 0.20.
    for (double Fn : {0.0, 0.05, 0.10, 0.15, 0.20})
        EXPECT_NEAR(hull.getHullAddedTrimResistance(speedAt(Fn, 9.81), 0.0, M), 0.0, 1e-12) << Fn;

    // The effective span and the induced resistance.
    const double V = 3.0, Fn = V / std::sqrt(9.81 * Lwl), Fh = 2000.0, r = Tc / T;
    // The coefficients A1 to A4, B0, B1 at 0, 10, 20 and 30 degrees, natural splines between and beyond.
    const auto s = columns({{0, 3.7455, -3.6246, 0.0589, -0.0296, 1.2306, -0.7256},
                            {10, 4.4892, -4.8454, 0.0294, -0.0176, 1.4231, -1.2971},
                            {20, 3.9592, -3.9804, 0.0283, -0.0075, 1.5450, -1.5622},
                            {30, 3.4891, -2.9577, 0.0250, -0.0272, 1.4744, -1.3499}});
    for (double heel : {0.0, 10.0, 15.0, 20.0, 30.0, 38.0}) {
        const auto c = s(heel);
        const double Te = (c[4] + c[5] * Fn) * (c[0] * r + c[1] * r * r + c[2] * BT + c[3] * TRk) * T;
        expectClose(hull.getInducedResistance(V, heel, Fh).first, Te);
        expectClose(hull.getInducedResistance(V, heel, Fh).second, Fh * Fh / (pi * Te * Te * 0.5 * rho * V * V));
    }
}

// Keel and rudder side forces written out for positive heel.
static std::pair<double, double> sideForces(double V, double leeway, double heel, double rudder)
{
    const auto slope = [](double AR, double lambda) {
        const double c = std::cos(lambda * deg);
        return 5.7 * AR / (1.8 + c * std::sqrt(AR * AR / std::pow(c, 4) + 4.0));
    };
    const double beta = leeway * deg, phi = heel * deg, ARk = 2.0 * bk / ck, CLk = slope(ARk, 10.0);
    const double factors = (1.0 + 1.8 * Tc / bk) * (1.0 - 0.382 * phi) * 0.5 * rho * V * V;
    const double beta0 = std::pow(0.405 * Bwl / Tc * phi, 2) * pi / 180.0;
    const double downwash = (0.136 + heel / 15000.0) * std::sqrt(std::max(0.0, beta - beta0) * CLk / ARk);
    return {(beta - beta0) * CLk * Ak * factors,
            Ar * (rudder * deg + beta - beta0 - downwash) * slope(2.0 * br / cr, 5.0) * 0.81 * factors};
}

TEST_F(Hull, SideForcesMomentsAndTheTotalForceHeeledEitherWayAndAtRest)
{
    // Heeled without leeway the keel is pushed to leeward and the rudder sees no downwash.
    for (const auto& [V, leeway, heel, rudder] : std::vector<std::array<double, 4>>{
             {3, 4, 0, 2}, {4, 5, 20, 3}, {2.5, 3, 10, -2}, {3, 0, 0, 0}, {3, 0, 20, 0}}) {
        const auto [Fk, Fr] = hull.getHeelingForces(V, leeway, heel, rudder);
        expectClose(Fk, sideForces(V, leeway, heel, rudder).first);
        expectClose(Fr, sideForces(V, leeway, heel, rudder).second);
    }
    // The Munk moment takes heel before leeway; the form-factor table is linear in heel.
    for (const auto& [heel, leeway] : {std::pair{20.0, 5.0}, {5.0, 20.0}, {0.0, 0.0}})
        expectClose(hull.getMunkMoment(3.0, heel, leeway),
                    -2.0 * (Lwl * heel * (0.01 * Bwl * Bwl * Tc / (Lwl * 20.0)) * 0.5 * rho * 9.0 * 6.0 +
                            3.1415 * rho * 9.0 * leeway * deg * (1.0 - 0.1 * heel / 30.0)));
    // Righting moment with the side forces' heeling moments.
    expectClose(hull.getHeelingRightingMomentMx(1000.0, 200.0, 30.0),
                -displacement * 0.40 - 1000.0 * VCEk - 200.0 * VCEr - crewFull);
    expectClose(hull.getYawingMomentMz(1000.0, 200.0), 1000.0 * LCEk + 200.0 * LCEr);
    // Heel to the other side mirrors a symmetric hull.
    for (double heel : {0.0, 4.0, 20.0}) {
        for (const CKeuningHYDRO* h : {&hull, &tabulated}) {
            EXPECT_EQ(h->getHullFrictionalResistance(3.0, -heel), h->getHullFrictionalResistance(3.0, heel));
            EXPECT_EQ(h->getHullResidualResistance(3.0, -heel), h->getHullResidualResistance(3.0, heel));
        }
        EXPECT_EQ(hull.getKeelResidualResistance(3.0, -heel), hull.getKeelResidualResistance(3.0, heel));
        EXPECT_EQ(hull.getHullAddedTrimResistance(3.0, -heel, 5000.0), hull.getHullAddedTrimResistance(3.0, heel, 5000.0));
        EXPECT_EQ(hull.getInducedResistance(3.0, -heel, 1500.0), hull.getInducedResistance(3.0, heel, 1500.0));
        // Righting moment (the crew's building up to 7 degrees either way), keel side force and the
        // heel term of the Munk moment change sign.
        expectClose(hull.getHeelingRightingMomentMx(0.0, 0.0, -heel),
                    displacement * arm(heel) + std::min(heel / 7.0, 1.0) * crewFull);
        expectClose(hull.getHeelingForces(3.0, 0.0, -heel, 0.0).first, -hull.getHeelingForces(3.0, 0.0, heel, 0.0).first);
        expectClose(hull.getMunkMoment(3.0, -heel, -3.0), -hull.getMunkMoment(3.0, heel, 3.0));
    }
    EXPECT_GT(hull.getForces(3.0, -4.0, -20.0, -2.0).Mx, 0.0);
    // At rest the rudder's side force is finite; like the total force, nothing is induced, nor viscous.
    for (const CKeuningHYDRO* h : {&hull, &tabulated}) {
        EXPECT_TRUE(std::isfinite(h->getHeelingForces(0.0, 5.0, -20.0, 2.0).second));
        EXPECT_EQ(h->getInducedResistance(0.0, -20.0, 100.0).second, 0.0);
        EXPECT_EQ(h->getKeelRudderViscousResistance(0.01), std::make_pair(0.0, 0.0));
    }
    // The force is the resistance turned by the leeway; the resistance sums the components, the keel's heel
    // increment left out.
    const auto resistance = [&](double V, double heel, double Fh) {
        const auto [Rvk, Rvr] = hull.getKeelRudderViscousResistance(V);
        const auto [Rrh, dRrh] = hull.getHullResidualResistance(V, heel);
        const double R = hull.getHullFrictionalResistance(V, heel) + Rrh + dRrh + Rvk + Rvr +
                         hull.getKeelResidualResistance(V, heel).first;
        return R + hull.getHullAddedTrimResistance(V, heel, 0.65 * Lwl * R) + hull.getInducedResistance(V, heel, Fh).second;
    };
    // Nothing at or below 0.01 m/s; just above it the full (here negative) sum is formed.
    for (double V : {0.0, 0.01})
        EXPECT_EQ(components(hull.getForces(V, 5.0, 20.0, 2.0)), std::vector<double>(6, 0.0)) << V;
    expectClose(hull.getForces(0.0101, 0.0, 0.0, 0.0).Fx, resistance(0.0101, 0.0, 0.0));
    const double V = 3.5, leeway = 5.0, heel = 20.0, b = leeway * deg;
    const auto [Fk, Fr] = sideForces(V, leeway, heel, 2.0);
    const double R = resistance(V, heel, Fk + Fr), Mx = hull.getHeelingRightingMomentMx(Fk, Fr, heel);
    expectValues(components(hull.getForces(V, leeway, heel, 2.0)),
                 {R * std::cos(b) - (Fk + Fr) * std::sin(b), R * std::sin(b) + (Fk + Fr) * std::cos(b), 0.0,
                  Mx * std::cos(b), Mx * std::sin(b), hull.getMunkMoment(V, heel, leeway) + Fk * LCEk + Fr * LCEr});
    EXPECT_GT(hull.getKeelResidualResistance(V, heel).second, 1.0);
}
