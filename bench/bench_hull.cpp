// Cost of one evaluation of the hull force model, as the solver calls it in
// every constraint evaluation.

#include <benchmark/benchmark.h>

#include <fstream>

#include <nlohmann/json.hpp>

#include "CKeuningHYDRO.h"

namespace {

// The example project's 10 m yacht.
CKeuningHYDRO makeHull()
{
    std::ifstream in(SULNAR_EXAMPLES_DIR "/sulnar-example.json");
    const nlohmann::json project = nlohmann::json::parse(in);
    CKeuningHYDRO hull(project["KeuningHYDRO"][0], "KeuningHYDRO");
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
