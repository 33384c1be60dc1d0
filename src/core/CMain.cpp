#include "CMain.h"

#include "JsonHelpers.h"
#include "SailCoefficients.h"
#include "UserInterface.h"

CMain::CMain(const nlohmann::json& element, const std::string& type)
    : CObject(element.value("Name", std::string("Anonymous")), type)
{
    // Each default follows from the members read before it.
    P = element.value("P", 10.0);
    E = element.value("E", 0.25 * P);
    MQW = element.value("MQW", 0.25 * E + 0.5);
    MHW = element.value("MHW", 0.5 * E + 0.5);
    MTW = element.value("MTW", 0.875 * E + 0.5);
    MUW = element.value("MUW", 0.75 * E + 0.5);
    MHB = element.value("MHB", 0.5);
    LTM = readFlag(element, "LTM");
    ADJUSTABILITY = element.value("ADJUSTABILITY", std::string("Medium"));
    fitGirthSpline();
}

nlohmann::json CMain::makeJSON() const
{
    return {{"Name", name}, {"P", P},     {"E", E},     {"MQW", MQW}, {"MHW", MHW},
            {"MTW", MTW},   {"MUW", MUW}, {"MHB", MHB}, {"LTM", LTM}, {"ADJUSTABILITY", ADJUSTABILITY}};
}

void CMain::edit()
{
    userInterface().edit(*this);
}

void CMain::fitGirthSpline()
{
    std::string error;
    girthSpline = MakimaSpline::create({0.0, 0.25 * P, 0.5 * P, 0.75 * P, 0.875 * P, P},
                                       {E, MQW, MHW, MTW, MUW, MHB}, error);
}

std::array<double, 2> CMain::getCoefficients(double blend, double AWA) const
{
    auto [cd, cl] =
        coefficientsByAdjustability(ADJUSTABILITY, blend, AWA, cdLowSpline, clLowSpline, cdHighSpline, clHighSpline);
    if (LTM) {
        cd -= cdLTMSpline(AWA);
        cl -= clLTMSpline(AWA);
    }
    return {cd, cl};
}

namespace {
// Moment about its base line of a strip from height z0 of height s, lower width
// wl and upper width wu: a rectangle of width wu and a triangle of width wl - wu.
double stripMoment(double z0, double s, double wl, double wu)
{
    return (wl - wu) * (s / 2.0) * (z0 + s / 3.0) + wu * s * (z0 + s / 2.0);
}
}

std::array<double, 3> CMain::getArea(double hoist, double HD, double BAS, double BD) const
{
    // Without a girth curve there is no sail to measure.
    if (!girthSpline)
        return {0.0, BAS + HD, 0.0};

    const MakimaSpline& girth = *girthSpline;
    const double h = hoist;
    const double y0 = P - h;
    const double w0 = girth(y0);
    const double w1 = girth(y0 + 0.25 * h);
    const double w2 = girth(y0 + 0.5 * h);
    const double w3 = girth(y0 + 0.75 * h);
    const double w4 = girth(y0 + 0.875 * h);

    double area = (h / 8.0) * (w0 + 2.0 * w1 + 2.0 * w2 + 1.5 * w3 + w4 + 0.5 * MHB);

    const double roachBase = 0.375 * h * w1;
    double roach = 0.0;
    if (roachBase != 0.0)
        roach = ((h / 8.0) * (w1 + 2.0 * w2 + 1.5 * w3 + w4 + 0.5 * MHB) / roachBase - 1.0) / 0.844;
    if (!(roach > 0.0))
        roach = 0.0;

    double moment = stripMoment(0.0, 0.25 * h, w0, w1) + stripMoment(0.25 * h, 0.25 * h, w1, w2) +
                    stripMoment(0.5 * h, 0.25 * h, w2, w3) + stripMoment(0.75 * h, 0.125 * h, w3, w4) +
                    stripMoment(0.875 * h, 0.125 * h, w4, MHB);

    // A deep boom carries area of its own, centred half its depth below the foot.
    if (BD / E > 0.06) {
        const double boomArea = 2.0 * E * (BD - 0.06 * E);
        area += boomArea;
        moment -= boomArea * BD / 2.0;
    }

    // A sail of no area (nothing hoisted, no boom area) has its centre at the boom.
    const double centroid = area != 0.0 ? moment / area : 0.0;
    const double zCE = centroid + 0.024 * h + BAS + HD;
    return {roach, zCE, area};
}
