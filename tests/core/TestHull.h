#pragma once
// A realistic 10 m yacht as an element of a project file's "KeuningHYDRO"
// array, for tests that need a complete hull data set.

#include <nlohmann/json.hpp>

inline nlohmann::json testHullJson()
{
    return nlohmann::json::parse(R"({"Name": "Test yacht 10m",
        "Vc": 7.5, "Tc": 0.5, "Lwl": 10.0, "Bwl": 3.0, "Sc": 25.0, "Ax": 1.0, "Aw": 22.0, "LCB": 4.8, "LCF": 5.1,
        "GMl": 25.0, "xFPP": -0.5, "Lrefratio": 0.7, "ck": 1.0, "bk": 1.4, "TCRk": 0.12, "TRk": 0.6, "Ak": 1.4,
        "Sk": 2.9, "Vk": 0.25, "Lambda_k": 10.0, "Zcbk": 0.6, "LCE_k": 4.6, "VCE_k": -1.2, "cr": 0.4, "br": 1.2,
        "TCRr": 0.1, "Ar": 0.48, "Sr": 1.0, "Lambda_r": 5.0, "LCE_r": 9.3, "VCE_r": -0.7, "mCrew": 300.0,
        "yCrewMax": 1.4, "maxRightingMoment": 30000.0, "Alat": 6.0, "useTabulatedHeeledDimensions": false,
        "Phi": [], "Lwl_phi": [], "Bwl_phi": [], "Tc_phi": [], "Ax_phi": [], "Sc_phi": [],
        "PhiRA": [0.0, 15.0, 30.0, 45.0, 60.0], "RA": [0.0, 0.22, 0.40, 0.48, 0.46],
        "Phi_C_form": [0.0, 15.0, 30.0], "C_form": [1.0, 0.95, 0.9]})");
}

// The same yacht with a table of heeled waterline dimensions in use.
inline nlohmann::json testHullWithHeeledDimensionsJson()
{
    auto hull = testHullJson();
    hull.update(nlohmann::json::parse(R"({"Phi": [10.0, 20.0, 30.0], "Lwl_phi": [10.05, 10.1, 10.1],
        "Bwl_phi": [2.9, 2.75, 2.6], "Tc_phi": [0.48, 0.46, 0.43], "Ax_phi": [0.99, 0.97, 0.95],
        "Sc_phi": [24.6, 24.0, 23.2], "useTabulatedHeeledDimensions": true})"));
    return hull;
}
