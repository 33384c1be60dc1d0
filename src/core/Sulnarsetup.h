#pragma once
// A VPP setup: wind ranges, start values and bounds of the seven optimisation
// variables, options, and the names of the active objects of the boat.

#include <string>
#include <vector>

#include "CObjectStore.h"

class Sulnarsetup : public CObject {
public:
    // Reads the setup and resolves its object names through the store; names
    // not found are reported in one "Check" box and reset to "-".
    Sulnarsetup(const nlohmann::json& j, std::string type);
    Sulnarsetup(const Sulnarsetup&) = default;

    nlohmann::json makeJSON() const override;
    void edit() override;

    std::vector<double> twsRange;
    std::vector<double> twaRange;
    std::vector<double> initialValues;
    std::vector<double> lowerBounds;
    std::vector<double> upperBounds;
    bool jibPoledWindward = false;
    bool searchGlobal = false;
    std::string mainName = "-";
    std::string jibName = "-";
    std::string hsfName = "-";
    std::string spiName = "-";
    std::string rigName = "-";
    std::string hullName = "-";
};
