#include "CSpi.h"

#include "UserInterface.h"

CSpi::CSpi(const nlohmann::json& element, const std::string& type)
    : CObject(element.value("Name", std::string("Anonymous")), type)
{
    // Each default follows from the members read before it.
    SLU = element.value("SLU", 10.0);
    SLE = element.value("SLE", SLU);
    SFL = element.value("SFL", 0.4 * SLU);
    SHW = element.value("SHW", SFL);
    SPL = element.value("SPL", 1.2 * SFL);
    SPITYPE = element.value("SPITYPE", std::string("SS"));
}

nlohmann::json CSpi::makeJSON() const
{
    return {{"Name", name}, {"SLU", SLU}, {"SLE", SLE}, {"SFL", SFL},
            {"SHW", SHW},   {"SPL", SPL}, {"SPITYPE", SPITYPE}};
}

void CSpi::edit()
{
    userInterface().edit(*this);
}

std::array<double, 2> CSpi::getCoefficients(double AWA) const
{
    if (SPITYPE == "SS")
        return {cdSSSpline(AWA), clSSSpline(AWA)};
    if (SPITYPE == "ATOC")
        return {cdATOCSpline(AWA), clATOCSpline(AWA)};
    if (SPITYPE == "ATOP")
        return {cdATOPSpline(AWA), clATOPSpline(AWA)};
    userInterface().logError("Unknown spi type: " + SPITYPE);
    return {0.0, 0.0};
}

std::array<double, 2> CSpi::getArea(double ISP, double HD) const
{
    // Mean of luff and leech times a Simpson-weighted mean width.
    const double area = ((SLU + SLE) * 0.5) * (4.0 * SHW + SFL) / 6.0;
    return {area, 0.565 * ISP + HD};
}
