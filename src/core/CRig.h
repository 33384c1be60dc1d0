#pragma once
// The rig: mast, boom, fore-triangle, stays and topsides, and the windage of
// everything above the water that is not a sail.

#include <cstdint>
#include <string>

#include <nlohmann/json.hpp>

#include "CObjectStore.h"
#include "CVecMat.h"

class CRig : public CObject {
public:
    // Reads one element of the project file's "RIG" array; missing members
    // take their defaults, members of the wrong type throw the library's type error.
    CRig(const nlohmann::json& element, const std::string& type);

    nlohmann::json makeJSON() const override;
    void edit() override;

    // Windage of topsides, mast, rigging wires and a fixed term in boat axes for
    // the apparent wind AWS [m/s], AWA [deg], heel [deg], the length h [m] of
    // mast along which the main sail is set and the air density rho [kg/m³].
    // Leeway is accepted and not used. Only Fx, Fy and Mx are non-zero.
    ForceMoment getWindageForce(double AWS, double AWA, double heel, double leeway, double h, double rho) const;

    double BD{};
    double IG{};
    double ISP{};
    double BAS{};
    double J{};
    double HD{};
    double TPS{};
    double BOA{};
    double LOA{};
    double MW{};
    double ML{};
    double MH{};
    std::int32_t N_SPREADERS{};
    double DW{};
};
