// Cost of the solver: one wind point, and whole polars of the example boat
// without and with global search.

#include <benchmark/benchmark.h>

#include <fstream>

#include "CHsf.h"
#include "CJib.h"
#include "CKeuningHYDRO.h"
#include "CMain.h"
#include "CObjectStore.h"
#include "CRig.h"
#include "CSpi.h"
#include "Sulnarrun.h"

namespace {

// The example boat with its jib, read once.
struct ExampleBoat {
    ExampleBoat()
    {
        std::ifstream in(SULNAR_EXAMPLES_DIR "/sulnar-example.json");
        const nlohmann::json project = nlohmann::json::parse(in);
        main = std::make_unique<CMain>(project["MAIN"][0], "MAIN");
        jib = std::make_unique<CJib>(project["JIB"][0], "JIB");
        rig = std::make_unique<CRig>(project["RIG"][0], "RIG");
        hull = std::make_unique<CKeuningHYDRO>(project["KeuningHYDRO"][0], "KeuningHYDRO");
        const auto& setup = project["VPPsetup"][0];
        initial = setup["InitialValues"].get<std::vector<double>>();
        lower = setup["LowerBound"].get<std::vector<double>>();
        upper = setup["UpperBound"].get<std::vector<double>>();
    }
    Sulnarrun run(std::vector<double> tws, std::vector<double> twa, bool global)
    {
        return Sulnarrun(main.get(), jib.get(), nullptr, nullptr, rig.get(), hull.get(), tws, twa, initial, lower,
                         upper, false, global, 3);
    }

    std::unique_ptr<CMain> main;
    std::unique_ptr<CJib> jib;
    std::unique_ptr<CRig> rig;
    std::unique_ptr<CKeuningHYDRO> hull;
    std::vector<double> initial, lower, upper;
};

ExampleBoat& boat()
{
    static ExampleBoat example;
    return example;
}

void BM_SolveWindPoint(benchmark::State& state)
{
    Sulnarrun run = boat().run({8, 8, 1}, {90, 90, 10}, false);
    for (auto _ : state)
        run.RunVPP();
}
BENCHMARK(BM_SolveWindPoint)->Unit(benchmark::kMillisecond);

// 7 wind speeds (4 to 16 m/s) by 15 angles (40 to 180 degrees).
void BM_WholePolar(benchmark::State& state)
{
    Sulnarrun run = boat().run({4, 16, 2}, {40, 180, 10}, state.range(0) != 0);
    for (auto _ : state)
        run.RunVPP();
    state.counters["windPoints"] = static_cast<double>(CObjectStore::getInstance().currentResults->size());
}
BENCHMARK(BM_WholePolar)->Arg(0)->Arg(1)->ArgName("global")->Unit(benchmark::kMillisecond);

} // namespace
