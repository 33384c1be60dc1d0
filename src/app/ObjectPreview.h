#pragma once
// What the object browser shows of a selected object: its info text, a sail's
// lift and drag coefficients over the apparent wind angle and a hull's
// resistance over boat speed, as plain values and point lists.

#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

class CObject;
class CKeuningHYDRO;

// "TYPE: ... NAME: ..." and the object's members as JSON with four-space indent.
std::string objectInfoHead(const std::string& type, const std::string& name, const nlohmann::json& members);

// A sail's coefficients at the angles where its lift is positive.
struct CoefficientCurves {
    std::vector<double> awa;
    std::vector<double> cd;
    std::vector<double> cl;
};

// The area line of the info text and the sampled coefficients of a sail.
struct SailPreview {
    std::string areaLine;
    CoefficientCurves curves;
};

// The preview of `object` as a sail of kind `type` ("MAIN", "JIB", "SPI",
// "HSF"); none for any other kind.
std::optional<SailPreview> sailPreview(const CObject& object, const std::string& type);

// A hull's resistance [N] over its speed grid [m/s], upright and along the
// direction of travel at a leeway and heel, with the bounds of its view.
struct ResistanceCurves {
    std::vector<double> speed;
    std::vector<double> upright;
    std::vector<double> heeled;
    double viewSpeed = 1.0;
    double viewResistance = 1.0;
};

// 0 to 0.75 sqrt(g Lwl) in twenty steps; empty for a Lwl that is not above 0.
std::vector<double> speedGrid(double Lwl);

// The hull's splines must have been built.
ResistanceCurves sampleResistance(const CKeuningHYDRO& hull, double leeway, double heel);

// Name of the resistance curve at the given leeway and heel [deg].
std::string heeledCurveName(double leeway, double heel);
