#include "CORCAerodynamics.h"

#include <algorithm>
#include <cmath>

#include "CHsf.h"
#include "CJib.h"
#include "CMain.h"
#include "CRig.h"
#include "CSpi.h"
#include "UserInterface.h"

namespace {

constexpr double pi = 3.141592653589793;
constexpr double degToRad = pi / 180.0;

// Blend of the coefficient tables from the gap between the main sail's head
// and the headsail's head: 0 with no gap, 1 from a gap ratio of 0.3 on.
double gapFactor(double gapRatio)
{
    if (gapRatio <= 0.0)
        return 0.0;
    if (gapRatio >= 0.3)
        return 1.0;
    return std::sqrt(std::sin(5.235987755982989 * gapRatio));
}

} // namespace

CORCAerodynamics::CORCAerodynamics(const CMain* mainSail, const CJib* jibSail, const CSpi* spinnaker,
                                   const CHsf* flyingHeadsail, const CRig* rigging, bool poledWindward)
    : flatKnots{0.1, 0.2, 0.3, 0.4, 0.5, 0.55, 0.6, 0.65, 0.7, 0.75, 0.8, 0.85, 0.9, 0.95, 1.0},
      flatFactors{1.06, 1.06, 1.06, 1.06, 1.06, 1.06, 1.055, 1.048, 1.035, 1.02, 1.008, 1.002, 1.0, 1.004, 1.06},
      flatFactorSpline(flatKnots, flatFactors),
      main(mainSail),
      jib(jibSail),
      spi(spinnaker),
      hsf(flyingHeadsail),
      rig(rigging),
      jibPoledWindward(poledWindward)
{
}

ForceMoment CORCAerodynamics::getForces(double V, double leeway, double heel, double flat, double reef,
                                        double twist, double TWS, double TWA) const
{
    const double awx = TWS * std::cos(TWA * degToRad) + V * std::cos(leeway * degToRad);
    const double awy = (TWS * std::sin(TWA * degToRad) - V * std::sin(leeway * degToRad)) * std::cos(heel * degToRad);
    // Running dead downwind with leeway can turn the apparent wind just past
    // the stern; it is taken on the side the boat sails on, where the tables lie.
    const double awa = std::atan2(std::fabs(awy), awx) / degToRad;
    const double aws = std::sqrt(awx * awx + awy * awy);

    const auto [zce, drag, lift] = getDLSForces(aws, awa, flat, reef, twist);
    const Vec3 force = rotMatrix(Axis::Z, awa * degToRad) * Vec3(drag, -lift, 0.0);
    const Vec3 moment = Vec3(0.0, 0.0, zce) ^ force;
    const ForceMoment windage = rig->getWindageForce(aws, awa, heel, leeway, reef * main->P, rho);

    return {force[0] + windage.Fx, force[1] + windage.Fy, force[2] + windage.Fz,
            moment[0] + windage.Mx, moment[1] + windage.My, moment[2] + windage.Mz};
}

std::array<double, 3> CORCAerodynamics::getDLSForces(double AWS, double AWA, double flat, double reef,
                                                     double twist) const
{
    if (jib)
        return getDLSForcesGEOREEF(AWS, AWA, flat, reef, twist);
    if (spi || hsf)
        return getDLSForcesFACTORREEF(AWS, AWA, flat, reef, twist);
    userInterface().showMessage("Unsupported Headsail configuration", "Error", MessageIcon::Error);
    return {0.0, 0.0, 0.0};
}

std::array<double, 3> CORCAerodynamics::getDepoweredSailGeo(double reef, double HLPmin, double HLPmax,
                                                            double HLUmin, double HLUmax, double J, double P)
{
    const double lp = HLPmin + std::max(2.0 * reef - 1.0, 0.0) * (HLPmax - HLPmin);
    // The jib's luff grows with its LP until the LP passes 1.05 J; a jib whose
    // smallest LP already reaches 1.05 J keeps its full luff.
    const double span = 1.05 * J - HLPmin;
    const double k = (lp > 1.05 * J || span <= 0.0) ? 1.0 : (lp - HLPmin) / span;
    const double hlu = HLUmin + k * (HLUmax - HLUmin);
    const double hoist = std::min(2.0 * reef, 1.0) * P;
    return {lp, hlu, hoist};
}

std::array<double, 3> CORCAerodynamics::getDLSForcesGEOREEF(double AWS, double AWA, double flat, double reef,
                                                            double twist) const
{
    const double q = 0.5 * rho * AWS * AWS;
    const auto geo = getDepoweredSailGeo(reef, jib->HLPmin, jib->HLPmax, jib->HLUmin, jib->HLUmax, rig->J, main->P);
    const double lp = geo[0];
    const double hlu = geo[1];
    const double hoist = geo[2];
    const double blend = gapFactor((rig->BAS + hoist) / (0.95 * hlu) - 1.0);

    const auto mainArea = main->getArea(hoist, rig->HD, rig->BAS, rig->BD);
    const auto mainCoefficients = main->getCoefficients(blend, AWA);
    const SailTerm mainSail{mainArea[2], mainArea[1], mainCoefficients[0], mainCoefficients[1],
                            main->quadraticDragFactor};

    const auto jibArea = jib->getArea(hlu, lp, rig->J / rig->IG, rig->HD, jibPoledWindward);
    const auto jibCoefficients = jib->getCoefficients(blend, AWA, jibPoledWindward);
    const double aj = jibArea[0];
    // Towards a run the part of the jib outside the fore-triangle stops counting.
    const double fading =
        aj == 0.0 ? 1.0
                  : 1.0 - std::max((AWA - 135.0) / 45.0, 0.0) * (aj - std::min(aj, 0.5 * rig->J * rig->IG)) / aj;
    const SailTerm headsail{fading * aj, jibArea[1], jibCoefficients[0], jibCoefficients[1],
                            jib->quadraticDragFactor};

    const double effectiveHeight = 0.95 * (std::max(0.95 * hlu, hoist + rig->BAS) + rig->HD);
    return combine(q, mainSail, headsail, aj + mainSail.area, effectiveHeight, flat, twist);
}

std::array<double, 3> CORCAerodynamics::getDLSForcesFACTORREEF(double AWS, double AWA, double flat, double reef,
                                                               double twist) const
{
    const double q = 0.5 * rho * AWS * AWS;
    const double P = main->P;
    const double BAS = rig->BAS;
    const double HD = rig->HD;
    const double blend = gapFactor((reef * P + BAS) / (0.95 * rig->ISP) - 1.0);

    // Areas shrink with the square of reef, heights above the boom or the
    // sheer linearly.
    const auto mainArea = main->getArea(P, HD, BAS, rig->BD);
    const auto mainCoefficients = main->getCoefficients(blend, AWA);
    const double zm = HD + BAS + reef * (mainArea[1] - HD - BAS);
    const SailTerm mainSail{mainArea[2] * reef * reef, zm, mainCoefficients[0], mainCoefficients[1],
                            main->quadraticDragFactor};

    double area = 0.0;
    double zce = 0.0;
    double cd = 0.0;
    double cl = 0.0;
    double quadraticFactor = 0.0;
    if (spi) {
        const auto spiArea = spi->getArea(rig->ISP, HD);
        const auto spiCoefficients = spi->getCoefficients(AWA);
        area = spiArea[0];
        zce = spiArea[1];
        cd = spiCoefficients[0];
        cl = spiCoefficients[1];
        if (spi->SPITYPE == "SS") {
            quadraticFactor = spi->quadraticDragFactorSS;
        } else if (spi->SPITYPE == "ATOC") {
            quadraticFactor = spi->quadraticDragFactorATOC;
            area *= powerFct(AWA, area);
        } else {
            quadraticFactor = spi->quadraticDragFactorATOP;
        }
    } else {
        const auto hsfArea = hsf->getArea(rig->J / rig->ISP, HD);
        const auto hsfCoefficients = hsf->getCoefficients(AWA);
        area = hsfArea[0];
        zce = hsfArea[1];
        cd = hsfCoefficients[0];
        cl = hsfCoefficients[1];
        quadraticFactor = hsf->quadraticDragFactor;
    }
    const SailTerm headsail{area * reef * reef, HD + reef * (zce - HD), cd, cl, quadraticFactor};

    const double effectiveHeight = (std::max(rig->ISP, P + BAS) + HD) * reef
                                   * (P * (0.94 + 0.16 * ((zm - HD - BAS) / P - 0.024)) + BAS + HD)
                                   / (P + BAS + HD);
    return combine(q, mainSail, headsail, headsail.area + mainSail.area, effectiveHeight, flat, twist);
}

std::array<double, 3> CORCAerodynamics::combine(double q, const SailTerm& mainSail, const SailTerm& headsail,
                                                double totalArea, double effectiveHeight, double flat,
                                                double twist) const
{
    // A sail plan reefed away entirely carries no force.
    if (totalArea == 0.0)
        return {0.0, 0.0, 0.0};
    const double A = totalArea;
    const double cl = (headsail.cl * headsail.area + mainSail.cl * mainSail.area) / A;
    const double cd = (mainSail.cd * mainSail.area + headsail.cd * headsail.area) / A;
    const double cdTwisted = cd + twistDragFactor * twist;
    const double headsailDragShare = headsail.cd * headsail.area / (A * cdTwisted);
    const double kf = flatFactorSpline(flat);

    // Heights weighted by area and resultant force coefficient; a sail of no
    // area adds nothing, whatever height it reports.
    const auto weightedHeight = [](const SailTerm& sail) {
        return sail.area == 0.0 ? 0.0 : std::sqrt(sail.cl * sail.cl + sail.cd * sail.cd) * sail.zce * sail.area;
    };
    const double zce = twistHeightFactor * twist * main->P
                       + (weightedHeight(mainSail) + weightedHeight(headsail)) / (std::sqrt(cd * cd + cl * cl) * A);

    const double lift = q * A * cl * flat;
    const double liftDependentDrag =
        (mainSail.quadraticDragFactor * mainSail.cl * mainSail.cl * mainSail.area
         + headsail.quadraticDragFactor * headsail.cl * headsail.cl * headsail.area)
            / A
        + cl * cl * A / (pi * effectiveHeight * effectiveHeight);
    const double drag = q * A
                        * (flat * flat * kf * liftDependentDrag
                           + cdTwisted * ((1.0 - headsailDragShare) + kf * flat * headsailDragShare));
    return {zce, drag, lift};
}

double CORCAerodynamics::powerFct(double AWA, double area) const
{
    const double a = std::max(0.5196 * std::pow(AWA, 0.1274), 0.794);
    const double z = 1.0 - 1.488 * std::max(0.9 * rig->TPS, spi->SPL) * a * rig->ISP / area - 0.17;
    return std::min(1.28, 1.0 + std::pow(std::max(-z, 0.0), 1.5));
}
