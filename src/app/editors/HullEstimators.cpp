#include "HullEstimators.h"

#include <algorithm>
#include <cmath>

#include "HeeledWettedSurface.h"

namespace {

bool hasSection(const CanoeBody& hull)
{
    return hull.Tc > 0.0 && hull.Bwl > 0.0 && hull.Ax > 0.0;
}

} // namespace

std::optional<double> estimateWettedSurface(const CanoeBody& hull)
{
    if (!hasSection(hull))
        return std::nullopt;
    const double Cm = hull.Ax / (hull.Tc * hull.Bwl);
    return (0.171 * hull.Bwl / hull.Tc + 1.97) * std::pow(0.65 / Cm, 0.3333) * std::sqrt(hull.Lwl * hull.Vc);
}

std::optional<HeeledDimensions> estimateHeeledDimensions(const CanoeBody& hull)
{
    if (!hasSection(hull))
        return std::nullopt;
    const double Cm = hull.Ax / (hull.Bwl * hull.Tc);
    const double BT = hull.Bwl / hull.Tc;
    // Growth of the draft per degree of heel.
    const double k = (BT - 2.0) * 0.021666666666666667 / 6.0;

    HeeledDimensions heeled;
    for (const double phi : {8.0, 16.0, 24.0, 32.0}) {
        const double Tc = (k * phi + 1.0) * hull.Tc;
        // The section coefficient falls by a quarter up to 20 degrees, then stays.
        const double CmPhi = (1.0 - 0.25 * std::min(phi / 20.0, 1.0)) * Cm;
        const double Bwl = hull.Ax / (Tc * CmPhi);
        const double Lwl = (1.02 - 0.541 * (CmPhi - Cm) + 0.008 * (Bwl / Tc - BT)) * hull.Lwl;
        heeled.Phi.push_back(phi);
        heeled.Lwl.push_back(Lwl);
        heeled.Bwl.push_back(Bwl);
        heeled.Tc.push_back(Tc);
        heeled.Ax.push_back(hull.Ax);
        heeled.Sc.push_back(heeledWettedSurface(hull.Sc, phi, Bwl / Tc, CmPhi));
    }
    return heeled;
}
