#pragma once
// The main sail: measured dimensions, options, lift and drag coefficient
// tables over apparent wind angle and the sail's width over height.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "CObjectStore.h"
#include "MakimaSpline.h"

class CMain : public CObject {
public:
    // Reads one element of the project file's "MAIN" array; missing members
    // take their defaults, members of the wrong type throw the library's type error.
    CMain(const nlohmann::json& element, const std::string& type);
    CMain(const CMain&) = default;
    CMain& operator=(const CMain&) = default;

    nlohmann::json makeJSON() const override;
    void edit() override;

    // Fits the girth spline to the current P, E and widths; called after the
    // dimensions change. Leaves no spline when they cannot be fitted (P <= 0).
    void fitGirthSpline();

    // {Cd, Cl} at the apparent wind angle AWA [deg]; blend 0..1 mixes in the
    // high-adjustability tables for "Medium".
    std::array<double, 2> getCoefficients(double blend, double AWA) const;

    // {roach, zCE, area} of the top `hoist` metres of the luff set above a sheer
    // at HD with the boom at BAS above it and a boom of depth BD.
    std::array<double, 3> getArea(double hoist, double HD, double BAS, double BD) const;

    double P{};
    double E{};
    double MQW{};
    double MHW{};
    double MTW{};
    double MUW{};
    double MHB{};
    bool LTM{};
    std::string ADJUSTABILITY;

    std::vector<double> awaKnots{0, 7, 9, 12, 28, 60, 90, 120, 150, 180};
    std::vector<double> clLow{0.0, 0.86207, 1.05172, 1.16379, 1.34698, 1.35345, 1.26724, 0.93103, 0.38793, -0.11207};
    std::vector<double> cdLow{0.0431, 0.02586, 0.02328, 0.02328, 0.03259, 0.11302, 0.3825, 0.96888, 1.31578, 1.34483};
    std::vector<double> clHigh{0.0, 0.94828, 1.13793, 1.25, 1.42681, 1.38319, 1.26724, 0.93103, 0.38793, -0.11207};
    std::vector<double> cdHigh{0.03448, 0.01724, 0.01466, 0.01466, 0.02586, 0.11302, 0.3825, 0.96888, 1.31578, 1.34483};
    std::vector<double> cdLTM{0.0028, 0.0028, 0.0028, 0.0028, 0.0028, 0, 0, 0, 0, 0};
    std::vector<double> clLTM{0, 0.0284, 0.0284, 0.0284, 0.0284, 0.0085, 0, 0, 0, 0};

    MakimaSpline clLowSpline{awaKnots, clLow};
    MakimaSpline cdLowSpline{awaKnots, cdLow};
    MakimaSpline clHighSpline{awaKnots, clHigh};
    MakimaSpline cdHighSpline{awaKnots, cdHigh};
    MakimaSpline cdLTMSpline{awaKnots, cdLTM};
    MakimaSpline clLTMSpline{awaKnots, clLTM};

    // Factor of the drag term proportional to the square of the lift coefficient.
    double quadraticDragFactor = 0.01379;

    // Width over height above the foot along the full luff; empty when the
    // dimensions cannot be fitted.
    std::optional<MakimaSpline> girthSpline;
};
