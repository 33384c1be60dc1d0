#pragma once
// Coefficients of the sails that carry tables for a high and a low
// adjustability of their trim.

#include <array>
#include <string>

#include "MakimaSpline.h"

// {Cd, Cl} at AWA [deg] from the "High" or the "Low" tables, or for any other
// adjustability from both, the high tables weighted blend / 2.
inline std::array<double, 2> coefficientsByAdjustability(const std::string& adjustability, double blend, double AWA,
                                                         const MakimaSpline& cdLow, const MakimaSpline& clLow,
                                                         const MakimaSpline& cdHigh, const MakimaSpline& clHigh)
{
    if (adjustability == "High")
        return {cdHigh(AWA), clHigh(AWA)};
    if (adjustability == "Low")
        return {cdLow(AWA), clLow(AWA)};
    const double w = 0.5 * blend;
    return {(1.0 - w) * cdLow(AWA) + w * cdHigh(AWA), (1.0 - w) * clLow(AWA) + w * clHigh(AWA)};
}
