#include "ObjectPreview.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>

#include "CHsf.h"
#include "CJib.h"
#include "CKeuningHYDRO.h"
#include "CMain.h"
#include "CSpi.h"
#include "CVecMat.h"
#include "HelperFcts.h"

namespace {

std::string areaLine(double area, const char* label, double zCE)
{
    return "\n\nArea: " + formatNumber("%f", area) + label + formatNumber("%f", zCE) + " m";
}

// {Cd, Cl} at every second degree from 0 to 178, where the lift is positive.
CoefficientCurves sample(const std::function<std::array<double, 2>(double)>& coefficients)
{
    CoefficientCurves curves;
    for (double awa = 0.0; awa < 179.0; awa += 2.0) {
        const auto [cd, cl] = coefficients(awa);
        if (cl > 0) {
            curves.awa.push_back(awa);
            curves.cd.push_back(cd);
            curves.cl.push_back(cl);
        }
    }
    return curves;
}

} // namespace

std::string objectInfoHead(const std::string& type, const std::string& name, const nlohmann::json& members)
{
    return "TYPE: " + type + "   NAME: " + name + "\n\n" + members.dump(4);
}

std::optional<SailPreview> sailPreview(const CObject& object, const std::string& type)
{
    // The area at fixed reference dimensions of the rig.
    if (const auto* main = type == "MAIN" ? dynamic_cast<const CMain*>(&object) : nullptr) {
        const auto [roach, zCE, area] = main->getArea(main->P, 1.0, 1.0, 0.1);
        return SailPreview{areaLine(area, " m², zCE for HD=BAS=1: ", zCE),
                           sample([main](double awa) { return main->getCoefficients(0.0, awa); })};
    }
    if (const auto* jib = type == "JIB" ? dynamic_cast<const CJib*>(&object) : nullptr) {
        const auto [area, zCE] = jib->getArea(jib->HLUmax, jib->HLPmax, 0.325, 1.0, false);
        return SailPreview{areaLine(area, " m², zCE for HD=1,IG/J=0.325: ", zCE),
                           sample([jib](double awa) { return jib->getCoefficients(0.0, awa, false); })};
    }
    if (const auto* spi = type == "SPI" ? dynamic_cast<const CSpi*>(&object) : nullptr) {
        const auto [area, zCE] = spi->getArea(spi->SLU, 1.0);
        return SailPreview{areaLine(area, " m², zCE for ISP=SLU, HD=1: ", zCE),
                           sample([spi](double awa) { return spi->getCoefficients(awa); })};
    }
    if (const auto* hsf = type == "HSF" ? dynamic_cast<const CHsf*>(&object) : nullptr) {
        const auto [area, zCE] = hsf->getArea(0.325, 1.0);
        return SailPreview{areaLine(area, " m², zCE for HD=1, ISP/J=0.325: ", zCE),
                           sample([hsf](double awa) { return hsf->getCoefficients(awa); })};
    }
    return std::nullopt;
}

std::vector<double> speedGrid(double Lwl)
{
    std::vector<double> speeds;
    const double vmax = 0.75 * std::sqrt(9.8065 * Lwl);
    const double step = vmax / 20;
    // A waterline length of 0 would give a step of 0 and a grid without end.
    if (!(step > 0) || !std::isfinite(vmax))
        return speeds;
    for (double v = 0; v <= vmax; v += step)
        speeds.push_back(v);
    return speeds;
}

ResistanceCurves sampleResistance(const CKeuningHYDRO& hull, double leeway, double heel)
{
    ResistanceCurves curves;
    curves.speed = speedGrid(hull.Lwl);
    const Mat3 toTrack = rotMatrix(Axis::Z, leeway * 3.141592653589793 / 180);
    for (double v : curves.speed) {
        curves.upright.push_back(hull.getForces(v, 0, 0, 0).Fx);
        const ForceMoment f = hull.getForces(v, leeway, heel, 0);
        curves.heeled.push_back((toTrack * Vec3(f.Fx, f.Fy, f.Fz))[0]);
    }
    if (!curves.speed.empty())
        curves.viewSpeed = 0.75 * std::sqrt(9.8065 * hull.Lwl);
    double top = 0;
    for (const auto* values : {&curves.upright, &curves.heeled})
        for (double r : *values)
            top = std::max(top, r);
    // A top of 0 or one that is not a number gives a view of height 1.
    if (top > 0 && std::isfinite(top))
        curves.viewResistance = top;
    return curves;
}

std::string heeledCurveName(double leeway, double heel)
{
    char text[128];
    std::snprintf(text, sizeof text, "Ru+RH [N] at Leeway = %.1f°, Heel = %.1f°", leeway, heel);
    return text;
}
