#pragma once
// Headsail set flying: measured dimensions, battens, and lift and drag tables
// over apparent wind angle and the shape ratio HHW/HLP.

#include <array>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "CObjectStore.h"
#include "MakimaSpline.h"

class CHsf : public CObject {
public:
    // Reads one element of the project file's "HSF" array; a member of the
    // wrong JSON type throws the library's type error.
    CHsf(const nlohmann::json& element, const std::string& type);
    CHsf(const CHsf&) = default;
    CHsf& operator=(const CHsf&) = default;
    ~CHsf() override = default;

    nlohmann::json makeJSON() const override;
    void edit() override;

    // Fits the column splines of both tables at the current HHW/HLP. A ratio
    // that is not finite (HLP = 0) leaves the columns as they were.
    void interpolateColumns();

    // {area [m²], zCE [m]} for the luff slope (tangent of the luff's lean from
    // the vertical) and the height HD of the tack above the waterline.
    std::array<double, 2> getArea(double luffSlope, double HD) const;
    // {Cd, Cl} at the apparent wind angle [deg].
    std::array<double, 2> getCoefficients(double AWA) const;

    double HLU;
    double HLP;
    double HQW;
    double HHW;
    double HTW;
    double HUW;
    double HHB;
    bool battens;

    std::vector<double> awa;
    std::vector<double> hhwHlp;
    std::vector<std::vector<double>> clTable;
    std::vector<std::vector<double>> cdTable;
    std::vector<double> battenClFactor;
    std::vector<double> battenCdFactor;
    double quadraticDragFactor = 0.02648;

    MakimaSpline battenClSpline;
    MakimaSpline battenCdSpline;
    Makima2Spline clTableSpline;
    Makima2Spline cdTableSpline;
};
