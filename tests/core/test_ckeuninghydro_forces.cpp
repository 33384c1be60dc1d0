// Side forces, moments and the total hull force of the test yacht against the
// formulas worked out by hand, and the hull's behaviour at rest and heeled to
// either side.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "CKeuningHYDRO.h"
#include "DesignObjectTesting.h"
#include "TestHull.h"

namespace {

constexpr double pi = std::numbers::pi;
constexpr double rho = 1000.0;
constexpr double g = 9.8065;
constexpr double deg = pi / 180.0;

// The test yacht's dimensions.
constexpr double Vc = 7.5, Tc = 0.5, Lwl = 10.0, Bwl = 3.0, Vk = 0.25;
constexpr double ck = 1.0, bk = 1.4, Ak = 1.4, LambdaK = 10.0, LCEk = 4.6, VCEk = -1.2;
constexpr double cr = 0.4, br = 1.2, Ar = 0.48, LambdaR = 5.0, LCEr = 9.3, VCEr = -0.7;
constexpr double mCrew = 300.0, yCrewMax = 1.4, Alat = 6.0;
const std::vector<double> PhiRA{0.0, 15.0, 30.0, 45.0, 60.0};
const std::vector<double> RA{0.0, 0.22, 0.40, 0.48, 0.46};

double liftSlope(double AR, double lambdaDeg)
{
    const double c = std::cos(lambdaDeg * deg);
    return 5.7 * AR / (1.8 + c * std::sqrt(AR * AR / std::pow(c, 4) + 4.0));
}

// Keel and rudder side forces written out for positive heel.
std::pair<double, double> sideForces(double V, double leeway, double heel, double rudder)
{
    const double beta = leeway * deg;
    const double phi = heel * deg;
    const double ARk = 2.0 * bk / ck;
    const double ARr = 2.0 * br / cr;
    const double CLk = liftSlope(ARk, LambdaK);
    const double CLr = liftSlope(ARr, LambdaR);
    const double factors = (1.0 + 1.8 * Tc / bk) * (1.0 - 0.382 * phi);
    const double beta0 = std::pow(0.405 * Bwl / Tc * phi, 2) * pi / 180.0;
    const double downwash = (0.136 + heel / 15000.0) * std::sqrt(std::max(0.0, beta - beta0) * CLk / ARk);
    const double Fk = (beta - beta0) * CLk * 0.5 * rho * V * V * Ak * factors;
    const double Fr = Ar * (rudder * deg + beta - beta0 - downwash) * CLr * 0.5 * rho * 0.81 * V * V * factors;
    return {Fk, Fr};
}

class HullForces : public ::testing::Test {
protected:
    HullForces()
        : hull(testHullJson(), "KeuningHYDRO"), tabulated(testHullWithHeeledDimensionsJson(), "KeuningHYDRO")
    {
        EXPECT_TRUE(hull.checkAndGenerateSplines() && tabulated.checkAndGenerateSplines());
    }
    CKeuningHYDRO hull;
    CKeuningHYDRO tabulated;
};

TEST_F(HullForces, SideForcesOfKeelAndRudder)
{
    for (const auto& [V, leeway, heel, rudder] : std::vector<std::array<double, 4>>{
             {3.0, 4.0, 0.0, 2.0}, {4.0, 5.0, 20.0, 3.0}, {2.5, 3.0, 10.0, -2.0}, {3.0, 0.0, 0.0, 0.0},
             // Heeled without leeway the keel is pushed to leeward and the rudder sees no downwash.
             {3.0, 0.0, 20.0, 0.0}}) {
        const auto [Fk, Fr] = hull.getHeelingForces(V, leeway, heel, rudder);
        const auto [expectedFk, expectedFr] = sideForces(V, leeway, heel, rudder);
        expectClose(Fk, expectedFk);
        expectClose(Fr, expectedFr);
    }
}

TEST_F(HullForces, MunkMomentTakesHeelBeforeLeeway)
{
    const auto munk = [](double V, double heel, double leeway) {
        const double C = 1.0 - 0.1 * heel / 30.0; // the form-factor table is linear in heel
        const double P = Lwl * heel * (0.01 * Bwl * Bwl * Tc / (Lwl * 20.0)) * 0.5 * rho * V * V * Alat;
        const double Q = 3.1415 * rho * V * V * leeway * deg * C;
        return -2.0 * (P + Q);
    };
    expectClose(hull.getMunkMoment(3.0, 20.0, 5.0), munk(3.0, 20.0, 5.0));
    expectClose(hull.getMunkMoment(3.0, 5.0, 20.0), munk(3.0, 5.0, 20.0));
    EXPECT_EQ(hull.getMunkMoment(3.0, 0.0, 0.0), 0.0);
}

TEST_F(HullForces, RightingMomentWithCrewBuildingUpToSevenDegrees)
{
    const MakimaSpline arm(PhiRA, RA);
    const double displacement = (Vc + Vk) * rho * g;
    const double crewFull = mCrew * g * yCrewMax;
    expectClose(hull.getHeelingRightingMomentMx(1000.0, 200.0, 30.0),
                -displacement * 0.40 - 1000.0 * VCEk - 200.0 * VCEr - crewFull);
    expectClose(hull.getHeelingRightingMomentMx(0.0, 0.0, 3.5), -displacement * arm(3.5) - 0.5 * crewFull);
    expectClose(hull.getHeelingRightingMomentMx(0.0, 0.0, 22.0), -displacement * arm(22.0) - crewFull);
    EXPECT_EQ(hull.getHeelingRightingMomentMx(0.0, 0.0, 0.0), 0.0);
    expectClose(hull.getYawingMomentMz(1000.0, 200.0), 1000.0 * LCEk + 200.0 * LCEr);
}

// Total resistance from the components: the keel's heel increment is not part of it.
double totalResistance(const CKeuningHYDRO& hull, double V, double heel, double Fh)
{
    const double Rf = hull.getHullFrictionalResistance(V, heel);
    const auto [Rrh, dRrh] = hull.getHullResidualResistance(V, heel);
    const auto [Rvk, Rvr] = hull.getKeelRudderViscousResistance(V);
    const double Rrk = hull.getKeelResidualResistance(V, heel).first;
    const double sum = Rf + Rrh + dRrh + Rvk + Rvr + Rrk;
    return sum + hull.getHullAddedTrimResistance(V, heel, 0.65 * Lwl * sum) +
           hull.getInducedResistance(V, heel, Fh).second;
}

TEST_F(HullForces, TheForceIsTheResistanceTurnedByTheLeeway)
{
    // Nothing at or below 0.01 m/s; just above it the full sum is formed (negative
    // here: the bare-hull regression's residuary resistance at very low Froude numbers).
    for (double V : {0.0, 0.01}) {
        const ForceMoment still = hull.getForces(V, 5.0, 20.0, 2.0);
        for (double value : {still.Fx, still.Fy, still.Fz, still.Mx, still.My, still.Mz})
            EXPECT_EQ(value, 0.0) << V;
    }
    expectClose(hull.getForces(0.0101, 0.0, 0.0, 0.0).Fx, totalResistance(hull, 0.0101, 0.0, 0.0));

    const double V = 3.5, leeway = 5.0, heel = 20.0, rudder = 2.0;
    const auto [Fk, Fr] = sideForces(V, leeway, heel, rudder);
    const double Fh = Fk + Fr;
    const double R = totalResistance(hull, V, heel, Fh);
    const double Mx = hull.getHeelingRightingMomentMx(Fk, Fr, heel);
    const double Mz = hull.getMunkMoment(V, heel, leeway) + Fk * LCEk + Fr * LCEr;
    const double b = leeway * deg;

    const ForceMoment f = hull.getForces(V, leeway, heel, rudder);
    expectClose(f.Fx, R * std::cos(b) - Fh * std::sin(b));
    expectClose(f.Fy, R * std::sin(b) + Fh * std::cos(b));
    EXPECT_EQ(f.Fz, 0.0);
    expectClose(f.Mx, Mx * std::cos(b));
    expectClose(f.My, Mx * std::sin(b));
    expectClose(f.Mz, Mz);
    // The keel's heel increment is not part of the force.
    EXPECT_GT(hull.getKeelResidualResistance(V, heel).second, 1.0);
}

TEST_F(HullForces, HeelToTheOtherSideMirrorsASymmetricHull)
{
    const double V = 3.0;
    for (double heel : {4.0, 20.0}) {
        for (const CKeuningHYDRO* h : {&hull, &tabulated}) {
            EXPECT_EQ(h->getHullFrictionalResistance(V, -heel), h->getHullFrictionalResistance(V, heel));
            EXPECT_EQ(h->getHullResidualResistance(V, -heel), h->getHullResidualResistance(V, heel));
        }
        EXPECT_EQ(hull.getKeelResidualResistance(V, -heel), hull.getKeelResidualResistance(V, heel));
        EXPECT_EQ(hull.getHullAddedTrimResistance(V, -heel, 5000.0), hull.getHullAddedTrimResistance(V, heel, 5000.0));
        EXPECT_EQ(hull.getInducedResistance(V, -heel, 1500.0), hull.getInducedResistance(V, heel, 1500.0));
        // Righting moment, keel side force and the heel term of the Munk moment change sign.
        expectClose(hull.getHeelingRightingMomentMx(0.0, 0.0, -heel), -hull.getHeelingRightingMomentMx(0.0, 0.0, heel));
        expectClose(hull.getHeelingForces(V, 0.0, -heel, 0.0).first, -hull.getHeelingForces(V, 0.0, heel, 0.0).first);
        expectClose(hull.getMunkMoment(V, -heel, -3.0), -hull.getMunkMoment(V, heel, 3.0));
    }
    // The crew's moment is full from 7 degrees either way.
    expectClose(hull.getHeelingRightingMomentMx(0.0, 0.0, -14.0) - hull.getHeelingRightingMomentMx(0.0, 0.0, 14.0),
                2.0 * ((Vc + Vk) * rho * g * MakimaSpline(PhiRA, RA)(14.0) + mCrew * g * yCrewMax));

    EXPECT_GT(hull.getForces(V, -4.0, -20.0, -2.0).Mx, 0.0);
}

TEST_F(HullForces, NoComponentIsUndefinedAtRest)
{
    for (const CKeuningHYDRO* h : {&hull, &tabulated}) {
        for (double heel : {0.0, -20.0}) {
            const auto [Fk, Fr] = h->getHeelingForces(0.0, 5.0, heel, 2.0);
            const auto [Te, Ri] = h->getInducedResistance(0.0, heel, 100.0);
            for (double value : {Fk, Fr, Te, h->getHullResidualResistance(0.0, heel).second,
                                 h->getKeelResidualResistance(0.0, heel).second, h->getHullFrictionalResistance(0.0, heel),
                                 h->getHullAddedTrimResistance(0.0, heel, 100.0), h->getMunkMoment(0.0, heel, 5.0)})
                EXPECT_TRUE(std::isfinite(value)) << heel;
            EXPECT_GT(Te, 0.0);
            // Like the total force, nothing is induced at rest, nor viscous.
            EXPECT_EQ(Ri, 0.0);
            EXPECT_EQ(h->getKeelRudderViscousResistance(0.01), std::make_pair(0.0, 0.0));
        }
    }
}

} // namespace
