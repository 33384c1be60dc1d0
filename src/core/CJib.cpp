#include "CJib.h"

#include <cmath>

#include "JsonHelpers.h"
#include "SailCoefficients.h"
#include "UserInterface.h"

CJib::CJib(const nlohmann::json& element, const std::string& type)
    : CObject(element.value("Name", std::string("Anonymous")), type)
{
    // Each default follows from the members read before it.
    HLUmin = element.value("HLUmin", 8.0);
    HLUmax = element.value("HLUmax", 1.3 * HLUmin);
    HLPmin = element.value("HLPmin", 0.5 * HLUmin);
    HLPmax = element.value("HLPmax", 1.5 * HLPmin);
    HQW = element.value("HQW", 0.5 * HLUmin);
    HHW = element.value("HHW", 0.75 * HQW);
    HTW = element.value("HTW", 0.5 * HHW);
    HUW = element.value("HUW", 0.5 * HTW);
    HHB = element.value("HHB", 0.2);
    LTM = readFlag(element, "LTM");
    SFJLPgt110J = readFlag(element, "SFJLPgt110J");
    ADJUSTABILITY = element.value("ADJUSTABILITY", std::string("Medium"));
}

nlohmann::json CJib::makeJSON() const
{
    return {{"Name", name},
            {"HLUmin", HLUmin},
            {"HLUmax", HLUmax},
            {"HLPmin", HLPmin},
            {"HLPmax", HLPmax},
            {"HQW", HQW},
            {"HHW", HHW},
            {"HTW", HTW},
            {"HUW", HUW},
            {"HHB", HHB},
            {"LTM", LTM},
            {"SFJLPgt110J", SFJLPgt110J},
            {"ADJUSTABILITY", ADJUSTABILITY}};
}

void CJib::edit()
{
    userInterface().edit(*this);
}

std::array<double, 2> CJib::getCoefficients(double blend, double AWA, bool jibPoledWindward) const
{
    if (jibPoledWindward)
        return {cdPoledSpline(AWA), clPoledSpline(AWA)};

    auto [cd, cl] =
        coefficientsByAdjustability(ADJUSTABILITY, blend, AWA, cdLowSpline, clLowSpline, cdHighSpline, clHighSpline);
    // Each flag takes the reduction off once, so both take it off twice.
    if (LTM)
        cl -= clReductionSpline(AWA);
    if (SFJLPgt110J)
        cl -= clReductionSpline(AWA);
    return {cd, cl};
}

std::array<double, 2> CJib::getArea(double HLU, double HLP, double slope, double HD, bool jibPoledWindward) const
{
    // Angle between luff and foot; written in the slope itself so that a
    // vertical forestay (slope 0) needs no division.
    const double root = std::sqrt(1.0 + slope * slope);
    const double sinAlpha = 1.0 / root;
    const double cosAlpha = slope / root;

    const double d0 = HLP * slope;
    const double h = 0.25 * (HLU - d0);
    const double k = HLP / HLPmax;

    // Stations along the luff from the tack and the sail's width there.
    const std::array<double, 6> u{d0, d0 + h, d0 + 2.0 * h, d0 + 3.0 * h, d0 + 3.5 * h, d0 + 4.0 * h};
    const std::array<double, 6> w{HLP, k * HQW, k * HHW, k * HTW, k * HUW, k * HHB};

    // Triangle between tack, foot of the LP perpendicular and clew.
    const double a0 = 0.5 * HLP * d0;
    const double z0 = 0.333 * d0 * sinAlpha;

    double area = a0;
    double moment = a0 * z0;
    for (std::size_t i = 0; i < 5; ++i) {
        const double hi = u[i + 1] - u[i];
        const double b = w[i];
        const double c = w[i + 1];
        const double rect = c * hi;
        const double tri = 0.5 * (b - c) * hi;
        const double ai = rect + tri;
        if (ai == 0.0)
            continue;
        const double pi = ((c + 0.333 * (b - c)) * tri + 0.5 * c * rect) / ai;
        const double qi = (0.5 * hi * rect + (hi / 3.0) * tri) / ai;
        const double zi = (u[i] + qi) * sinAlpha - pi * cosAlpha;
        area += ai;
        moment += ai * zi;
    }

    // A sail of no area has its centre at the tack.
    const double zCE = (area != 0.0 ? moment / area : 0.0) + HD;
    return {jibPoledWindward ? area * 1.064 : area, zCE};
}
