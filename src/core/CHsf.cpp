#include "CHsf.h"

#include <cmath>

#include "JsonHelpers.h"
#include "UserInterface.h"

namespace {

const std::vector<double> awaKnots{7,  15, 20, 27, 35,  41,  45,  50,  53,  60,  67,
                                   70, 75, 80, 90, 100, 115, 120, 130, 150, 170, 180};

const std::vector<double> ratioKnots{0.5, 0.523, 0.572, 0.68, 0.78, 0.85};

const std::vector<std::vector<double>> liftTable{
    {0, 0, 0, 0, -0.194, -0.38},
    {1.05, 0.8, 0.63, 0.35, -0.078, -0.314},
    {1.425, 1.21, 0.96, 0.62, 0.165, -0.247},
    {1.5, 1.42, 1.315, 0.98, 0.601, -0.029},
    {1.505, 1.485, 1.44, 1.15, 0.902, 0.41},
    {1.505, 1.51, 1.475, 1.22, 1.028, 0.698},
    {1.498, 1.515, 1.48, 1.265, 1.082, 0.805},
    {1.465, 1.505, 1.46, 1.3, 1.14, 0.899},
    {1.418, 1.49, 1.45, 1.31, 1.16, 0.945},
    {1.267, 1.32, 1.4, 1.3, 1.185, 1.04},
    {1.1, 1.16, 1.265, 1.27, 1.18, 1.072},
    {1.025, 1.09, 1.2, 1.255, 1.17, 1.076},
    {0.9, 0.98, 1.09, 1.222, 1.15, 1.075},
    {0.785, 0.88, 0.995, 1.14, 1.125, 1.06},
    {0.57, 0.69, 0.8, 0.96, 1.065, 1.03},
    {0.39, 0.513, 0.608, 0.741, 0.92, 0.985},
    {0.205, 0.281, 0.357, 0.451, 0.585, 0.805},
    {0.16, 0.224, 0.291, 0.357, 0.45, 0.66},
    {0.09, 0.136, 0.176, 0.2, 0.244, 0.372},
    {0, 0.024, 0.024, 0.032, 0.035, 0.1},
    {-0.07, -0.024, -0.012, -0.006, 0, 0.02},
    {-0.1, -0.043, -0.022, -0.011, 0, 0},
};

const std::vector<std::vector<double>> dragTable{
    {0.05, 0.05, 0.05, 0.05, 0.049, 0.048},
    {0.032, 0.037, 0.044, 0.05, 0.068, 0.081},
    {0.031, 0.035, 0.045, 0.055, 0.087, 0.105},
    {0.037, 0.045, 0.06, 0.077, 0.126, 0.147},
    {0.09, 0.075, 0.095, 0.13, 0.184, 0.2},
    {0.145, 0.105, 0.135, 0.17, 0.223, 0.239},
    {0.19, 0.14, 0.165, 0.2, 0.252, 0.267},
    {0.245, 0.185, 0.205, 0.24, 0.291, 0.309},
    {0.28, 0.215, 0.235, 0.265, 0.315, 0.333},
    {0.355, 0.28, 0.295, 0.32, 0.369, 0.389},
    {0.43, 0.335, 0.355, 0.385, 0.422, 0.436},
    {0.46, 0.36, 0.38, 0.41, 0.441, 0.455},
    {0.51, 0.395, 0.415, 0.45, 0.466, 0.477},
    {0.56, 0.43, 0.455, 0.475, 0.483, 0.492},
    {0.65, 0.5, 0.5, 0.51, 0.512, 0.521},
    {0.664, 0.522, 0.522, 0.525, 0.53, 0.545},
    {0.656, 0.512, 0.51, 0.52, 0.54, 0.566},
    {0.652, 0.507, 0.504, 0.51, 0.527, 0.545},
    {0.639, 0.498, 0.486, 0.48, 0.473, 0.475},
    {0.614, 0.474, 0.451, 0.422, 0.39, 0.352},
    {0.592, 0.451, 0.392, 0.352, 0.318, 0.29},
    {0.585, 0.444, 0.37, 0.322, 0.29, 0.262},
};

const std::vector<double> battenLift{1,     1.028, 1.04,  1.055, 1.06,  1.06,  1.058, 1.056, 1.055, 1.055, 1.055,
                                     1.055, 1.052, 1.049, 1.04,  1.033, 1.027, 1.025, 1.015, 1,     1,     1};

const std::vector<double> battenDrag{0.83, 0.83, 0.83, 0.83, 0.83,  0.88,  0.88, 0.88, 0.88, 0.93, 0.97,
                                     0.98, 0.99, 0.994, 0.998, 1, 1, 1, 1, 1, 1, 1};

} // namespace

CHsf::CHsf(const nlohmann::json& element, const std::string& typeKey)
    : CObject(element.value("Name", "Anonymous"), typeKey),
      HLU(element.value("HLU", 10.0)),
      HLP(element.value("HLP", 0.6 * HLU)),
      HQW(element.value("HQW", 0.5 * HLU)),
      HHW(element.value("HHW", 0.75 * HQW)),
      HTW(element.value("HTW", 0.7 * HHW)),
      HUW(element.value("HUW", 0.5 * HTW)),
      HHB(element.value("HHB", 0.2)),
      battens(readFlag(element, "battens")),
      awa(awaKnots),
      hhwHlp(ratioKnots),
      clTable(liftTable),
      cdTable(dragTable),
      battenClFactor(battenLift),
      battenCdFactor(battenDrag),
      battenClSpline(awa, battenClFactor),
      battenCdSpline(awa, battenCdFactor),
      clTableSpline(awa, hhwHlp, clTable),
      cdTableSpline(awa, hhwHlp, cdTable)
{
    // A sail whose ratio cannot be formed starts from the lowest tabulated ratio.
    if (!std::isfinite(HHW / HLP)) {
        clTableSpline.interpolateColumn(hhwHlp.front());
        cdTableSpline.interpolateColumn(hhwHlp.front());
    }
    interpolateColumns();
}

nlohmann::json CHsf::makeJSON() const
{
    nlohmann::json j;
    j["Name"] = name;
    j["HLU"] = HLU;
    j["HLP"] = HLP;
    j["HQW"] = HQW;
    j["HHW"] = HHW;
    j["HTW"] = HTW;
    j["HUW"] = HUW;
    j["HHB"] = HHB;
    j["battens"] = battens;
    return j;
}

void CHsf::edit()
{
    userInterface().edit(*this);
}

void CHsf::interpolateColumns()
{
    const double ratio = HHW / HLP;
    if (!std::isfinite(ratio))
        return;
    clTableSpline.interpolateColumn(ratio);
    cdTableSpline.interpolateColumn(ratio);
}

std::array<double, 2> CHsf::getArea(double luffSlope, double HD) const
{
    const double area = 0.1125 * HLU * (1.445 * HLP + 2.0 * HQW + 2.0 * HHW + 1.5 * HTW + HUW + 0.5 * HHB);
    // A sail of no area has its centre of effort at the tack.
    if (area == 0.0)
        return {0.0, HD};

    // Positions along the luff from the tack: the clew, then the girth stations.
    const double z0 = luffSlope * HLP;
    const double d = (HLU - z0) / 4.0;
    const double moment = 0.5 * HLP * z0 * (0.6666666666666666 * z0)
                          + HQW * d * (z0 + 0.5 * d) + 0.5 * (HLP - HQW) * d * (z0 + d / 3.0)
                          + HHW * d * (z0 + 1.5 * d) + 0.5 * (HQW - HHW) * d * (z0 + 1.3333333333333333 * d)
                          + HTW * d * (z0 + 2.5 * d) + 0.5 * (HHW - HTW) * d * (z0 + 2.3333333333333335 * d)
                          + HUW * 0.5 * d * (z0 + 3.25 * d) + 0.25 * (HTW - HUW) * d * (z0 + 3.1666 * d)
                          + HHB * 0.5 * d * (z0 + 3.75 * d) + 0.25 * (HUW - HHB) * d * (z0 + 3.6666 * d);

    // Cosine of the luff's lean, turning positions along the luff into heights;
    // written so that an upright luff (slope 0) gives 1.
    const double cosLean = 1.0 / std::sqrt(1.0 + luffSlope * luffSlope);
    return {area, moment / area * cosLean + HD};
}

std::array<double, 2> CHsf::getCoefficients(double AWA) const
{
    double cd = cdTableSpline.columnSpline(AWA);
    double cl = clTableSpline.columnSpline(AWA);
    if (battens) {
        cl *= battenClSpline(AWA);
        cd *= battenCdSpline(AWA);
    }
    return {cd, cl};
}
