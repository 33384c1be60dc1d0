#pragma once
// Geometry of the sail and lateral plan: the outlines of hull, keel, rudder,
// rig and sails of a Print Set as point lists, in metres, x aft from the aft
// face of the mast, y up from the design waterline.

#include <string>
#include <utility>
#include <vector>

#include "DesignObjectClasses.h"

// The colour and style of an outline's pen.
enum class PlanPen { Green, Black, Red, Blue, Yellow, Cyan, CyanDashed };

// One outline: its caption ("" for none), its pen, whether the caption is
// drawn, and its points in drawing order.
struct PlanLayer {
    std::string name;
    PlanPen pen;
    bool showName;
    std::vector<double> xs;
    std::vector<double> ys;
};

// The objects of a Print Set (null where "-" is chosen) and its reef factor.
struct PrintSet {
    const CMain* main = nullptr;
    const CJib* jib = nullptr;
    const CSpi* spi = nullptr;
    const CHsf* hsf = nullptr;
    const CRig* rig = nullptr;
    const CKeuningHYDRO* hull = nullptr;
    double reef = 1.0;
};

// Eight points of a diamond with a cross in it, centred on (x, y), half-width `size`.
std::pair<std::vector<double>, std::vector<double>> makeMarker(double x, double y, double size);

// The outlines of the Print Set in drawing order. Nothing without a rig; an
// outline with a coordinate that is not finite is left out.
std::vector<PlanLayer> sailPlanLayers(const PrintSet& set);
