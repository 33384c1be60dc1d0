#pragma once
// The jib or genoa set on the forestay: dimensions at its full and its most
// reduced size, options, and lift and drag coefficient tables over apparent
// wind angle, with a separate pair for a jib poled out to windward.

#include <array>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "CObjectStore.h"
#include "MakimaSpline.h"

class CJib : public CObject {
public:
    // Reads one element of the project file's "JIB" array; missing members
    // take their defaults, members of the wrong type throw the library's type error.
    CJib(const nlohmann::json& element, const std::string& type);
    CJib(const CJib&) = default;
    CJib& operator=(const CJib&) = default;

    nlohmann::json makeJSON() const override;
    void edit() override;

    // {Cd, Cl} at the apparent wind angle AWA [deg]. blend (used unclamped)
    // mixes the high-adjustability tables in for "Medium"; a poled jib uses
    // its own pair and nothing else.
    std::array<double, 2> getCoefficients(double blend, double AWA, bool jibPoledWindward) const;

    // {area, zCE} of the jib set with luff HLU and LP HLP on a forestay of the
    // given slope (J / IG), its centroid raised by HD.
    std::array<double, 2> getArea(double HLU, double HLP, double slope, double HD, bool jibPoledWindward) const;

    double HLUmin{};
    double HLUmax{};
    double HLPmin{};
    double HLPmax{};
    double HQW{};
    double HHW{};
    double HTW{};
    double HUW{};
    double HHB{};
    bool LTM{};
    bool SFJLPgt110J{};
    std::string ADJUSTABILITY;

    std::vector<double> awaKnots{7, 15, 20, 27, 50, 60, 100, 150, 180};
    std::vector<double> cdLow{0.05, 0.032, 0.031, 0.037, 0.25, 0.35, 0.73, 0.95, 0.9};
    std::vector<double> clLow{0, 1.0, 1.375, 1.45, 1.45, 1.25, 0.4, 0, -0.1};
    std::vector<double> cdHigh{0.05, 0.032, 0.031, 0.037, 0.25, 0.35, 0.73, 0.95, 0.9};
    std::vector<double> clHigh{0, 1.1, 1.475, 1.5, 1.45, 1.25, 0.4, 0, -0.1};
    std::vector<double> awaPoledKnots{28, 41, 50, 60, 67, 75, 100, 115, 130, 150, 170, 180};
    std::vector<double> cdPoled{0.15405, 0.23925, 0.30877, 0.38852, 0.43624, 0.47713,
                                0.5453,  0.585,   0.62,    0.65,    0.65,    0.63954};
    std::vector<double> clPoled{0.01738, 0.69825, 0.89933, 1.04, 1.072, 1.075, 0.985, 0.84, 0.647, 0.36, 0.11, 0};
    std::vector<double> clReduction{0, 0.1, 0.1, 0.05, 0, 0, 0, 0, 0};

    // Factor of the drag term proportional to the square of the lift coefficient.
    double quadraticDragFactor = 0.016;

    MakimaSpline clHighSpline{awaKnots, clHigh};
    MakimaSpline cdHighSpline{awaKnots, cdHigh};
    MakimaSpline clLowSpline{awaKnots, clLow};
    MakimaSpline cdLowSpline{awaKnots, cdLow};
    MakimaSpline clPoledSpline{awaPoledKnots, clPoled};
    MakimaSpline cdPoledSpline{awaPoledKnots, cdPoled};
    MakimaSpline clReductionSpline{awaKnots, clReduction};
};
