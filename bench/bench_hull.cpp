// Cost of one evaluation of the hull force model, as the solver calls it in
// every constraint evaluation.

#include <benchmark/benchmark.h>

#include <nlohmann/json.hpp>

#include "CKeuningHYDRO.h"

namespace {

// A 10 m yacht.
CKeuningHYDRO makeHull()
{
    const auto element = nlohmann::json::parse(R"({
        "Name": "Bench yacht",
        "Vc": 7.5, "Tc": 0.5, "Lwl": 10.0, "Bwl": 3.0, "Sc": 25.0, "Ax": 1.0, "Aw": 22.0,
        "LCB": 4.8, "LCF": 5.1, "GMl": 25.0, "xFPP": -0.5, "Lrefratio": 0.7,
        "ck": 1.0, "bk": 1.4, "TCRk": 0.12, "TRk": 0.6, "Ak": 1.4, "Sk": 2.9, "Vk": 0.25,
        "Lambda_k": 10.0, "Zcbk": 0.6, "LCE_k": 4.6, "VCE_k": -1.2,
        "cr": 0.4, "br": 1.2, "TCRr": 0.1, "Ar": 0.48, "Sr": 1.0, "Lambda_r": 5.0,
        "LCE_r": 9.3, "VCE_r": -0.7,
        "mCrew": 300.0, "yCrewMax": 1.4, "maxRightingMoment": 30000.0,
        "PhiRA": [0.0, 15.0, 30.0, 45.0, 60.0], "RA": [0.0, 0.22, 0.40, 0.48, 0.46],
        "Phi_C_form": [0.0, 15.0, 30.0], "C_form": [1.0, 0.95, 0.9],
        "Alat": 6.0
    })");
    CKeuningHYDRO hull(element, "KeuningHYDRO");
    hull.checkAndGenerateSplines();
    return hull;
}

void BM_HullGetForces(benchmark::State& state)
{
    const CKeuningHYDRO hull = makeHull();
    double heel = 0.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(hull.getForces(3.5, 4.0, heel, 2.0));
        heel = heel > 30.0 ? 0.0 : heel + 0.37;
    }
}
BENCHMARK(BM_HullGetForces);

} // namespace
