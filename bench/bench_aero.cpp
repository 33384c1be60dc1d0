// Cost of one evaluation of the sail plan's forces, as the solver calls it.

#include <benchmark/benchmark.h>

#include <nlohmann/json.hpp>

#include "CHsf.h"
#include "CJib.h"
#include "CMain.h"
#include "CORCAerodynamics.h"
#include "CRig.h"
#include "CSpi.h"

namespace {

using nlohmann::json;

// Runs getForces over a sweep of true wind angles, varying the trim a little
// each time, for a sail plan with the headsail given.
void runForces(benchmark::State& state, const CJib* jib, const CSpi* spi, const CHsf* hsf)
{
    const CMain main(json::parse("{}"), "MAIN");
    const CRig rig(json::parse("{}"), "RIG");
    const CORCAerodynamics model(&main, jib, spi, hsf, &rig, false);
    double twa = 30.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(model.getForces(6.0, 3.0, 15.0, 0.9, 0.95, 0.2, 10.0, twa));
        twa = twa > 180.0 ? 30.0 : twa + 1.37;
    }
}

void BM_ForcesWithJib(benchmark::State& state)
{
    const CJib jib(json::parse("{}"), "JIB");
    runForces(state, &jib, nullptr, nullptr);
}
BENCHMARK(BM_ForcesWithJib);

void BM_ForcesWithSpinnaker(benchmark::State& state)
{
    const CSpi spi(json::parse(R"({"SPITYPE": "ATOC"})"), "SPI");
    runForces(state, nullptr, &spi, nullptr);
}
BENCHMARK(BM_ForcesWithSpinnaker);

void BM_ForcesWithHeadsailSetFlying(benchmark::State& state)
{
    const CHsf hsf(json::parse(R"({"battens": true})"), "HSF");
    runForces(state, nullptr, nullptr, &hsf);
}
BENCHMARK(BM_ForcesWithHeadsailSetFlying);

} // namespace
