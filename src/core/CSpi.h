#pragma once
// The spinnaker: dimensions, type, and the lift and drag coefficient tables
// over apparent wind angle of the symmetric ("SS") and the asymmetric types
// tacked on the centreline ("ATOC") or on a pole ("ATOP").

#include <array>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "CObjectStore.h"
#include "MakimaSpline.h"

class CSpi : public CObject {
public:
    // Reads one element of the project file's "SPI" array; missing members
    // take their defaults, members of the wrong type throw the library's type error.
    CSpi(const nlohmann::json& element, const std::string& type);
    CSpi(const CSpi&) = default;
    CSpi& operator=(const CSpi&) = default;

    nlohmann::json makeJSON() const override;
    void edit() override;

    // {Cd, Cl} at the apparent wind angle AWA [deg] by SPITYPE; an unknown type
    // is logged as an error and gives {0, 0}.
    std::array<double, 2> getCoefficients(double AWA) const;

    // {area, zCE} with the spinnaker hound at ISP above a sheer at HD.
    std::array<double, 2> getArea(double ISP, double HD) const;

    double SLU{};
    double SLE{};
    double SFL{};
    double SHW{};
    double SPL{};
    std::string SPITYPE;

    std::vector<double> awaKnots{28, 41, 50, 60, 67, 75, 100, 115, 130, 150, 170, 180};
    std::vector<double> cdSS{0.18194, 0.26744, 0.33721, 0.41724, 0.46512, 0.50616,
                             0.58824, 0.615,   0.636,   0.65,    0.65,    0.63954};
    std::vector<double> clSS{-0.0236, 0.65965, 0.86143, 0.9918, 1.026, 1.026, 0.92, 0.805, 0.635, 0.36, 0.11, 0};
    std::vector<double> cdATOC{0.15405, 0.23925, 0.30877, 0.38852, 0.43624, 0.47713,
                               0.5453,  0.56574, 0.475,   0.352,   0.29,    0.262};
    std::vector<double> clATOC{0.01738, 0.69825, 0.89933, 1.04, 1.072, 1.075, 0.985, 0.805, 0.372, 0.1, 0.02, 0};
    std::vector<double> cdATOP{0.15405, 0.23925, 0.30877, 0.38852, 0.43624, 0.47713,
                               0.5453,  0.585,   0.62,    0.65,    0.65,    0.63954};
    std::vector<double> clATOP{0.01738, 0.69825, 0.89933, 1.04, 1.072, 1.075, 0.985, 0.84, 0.647, 0.36, 0.11, 0};

    // Factors of the drag term proportional to the square of the lift
    // coefficient, by SPITYPE ("ATOP" for any other type).
    double quadraticDragFactorSS = 0.02639;
    double quadraticDragFactorATOC = 0.02648;
    double quadraticDragFactorATOP = 0.02648;

    MakimaSpline cdSSSpline{awaKnots, cdSS};
    MakimaSpline clSSSpline{awaKnots, clSS};
    MakimaSpline cdATOCSpline{awaKnots, cdATOC};
    MakimaSpline clATOCSpline{awaKnots, clATOC};
    MakimaSpline cdATOPSpline{awaKnots, cdATOP};
    MakimaSpline clATOPSpline{awaKnots, clATOP};
};
