// Runs of the example project's yacht: start points, sweeps, the force tables and
// inputs (some found by fuzzing) that end a run with a message instead of a crash.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "CORCAerodynamics.h"
#include "ExampleProject.h"
#include "RecordingUserInterface.h"
#include "Sulnarrun.h"

constexpr double pi = 3.141592653589793;

struct RunTest : ::testing::Test {
    ~RunTest() override { CObjectStore::resetInstance(); }
    // A run of the fixture's main, rig and hull with the jib, or with the spinnaker given.
    std::unique_ptr<Sulnarrun> run(std::vector<double> tws, std::vector<double> twa, bool global = false, int guesses = 3,
                                   CMain* m = nullptr, CSpi* spi = nullptr)
    {
        return std::make_unique<Sulnarrun>(m ? m : main, spi ? nullptr : jib, spi, nullptr, rig, hull, tws, twa,
                                           setup->initialValues, setup->lowerBounds, setup->upperBounds, false, global,
                                           guesses);
    }
    const ResultTable& polar() { return *store.currentResults; }

    RecordingUserInterface ui;
    CObjectStore& store = loadExampleProject();
    CMain* main = findExample<CMain>("Main 10m", "MAIN");
    CJib* jib = findExample<CJib>("Jib 105%", "JIB");
    CRig* rig = findExample<CRig>("Fractional rig", "RIG");
    CKeuningHYDRO* hull = findExample<CKeuningHYDRO>("Cruiser 10m hull", "KeuningHYDRO");
    Sulnarsetup* setup = findExample<Sulnarsetup>("Upwind with jib", "VPPsetup");
};

TEST_F(RunTest, StartPointsSweepsAndEqualBounds)
{
    // Speed 0.1..8 from 3.26 gives s0 = 0.4; flat 0.3..1 from 0.8 is s0 = 5/7, reef 0.4..1 from 1 is s0 = 1.
    setup->lowerBounds = {0.1, 0, 0, -10, 0.3, 0.4, 0};
    setup->upperBounds = {8, 10, 35, 10, 1, 1, 1};
    setup->initialValues = {0.1 + 0.4 * 7.9, 2, 10, -1, 0.8, 1.0, 0.2};
    const auto starts = run({4, 4, 1}, {40, 40, 10}, true, 3)->startPoints(4.0);
    ASSERT_EQ(starts.size(), 19u);
    const double flat0 = 0.5 / 0.7;
    // Speed first, alternating up and down; flat up by (1 - s0)/4, down by s0/4; upward reef starts stay at 1.
    for (const auto& [i, k, value] : std::vector<std::tuple<int, int, double>>{
             {1, 0, 0.55}, {2, 0, 0.3}, {3, 0, 0.7}, {4, 0, 0.2}, {5, 0, 0.85}, {6, 0, 0.1}, {6, 4, flat0},
             {0, 4, flat0}, {7, 4, flat0 + (1 - flat0) / 4}, {8, 4, flat0 - flat0 / 4}, {13, 5, 1.0}, {18, 5, 0.25}})
        EXPECT_NEAR(starts[i][k], value, 1e-12) << i << " " << k;
    EXPECT_EQ(run({4, 4, 1}, {40, 40, 10}, true, 0)->startPoints(4.0).size(), 1u);
    // Without global search the flat start follows the wind.
    const auto local = run({4, 4, 1}, {40, 40, 10});
    for (const auto& [tws, flat] : {std::pair{4.0, 0.6}, {12.0, 0.0}, {0.0, 1.0}})
        EXPECT_NEAR(local->startPoints(tws)[0][4], flat, 1e-12) << tws;
    // The optimiser maximises forward speed: 4.05 m/s at 6 degrees of leeway makes 4.05 cos 6deg.
    std::vector<double> grad;
    EXPECT_NEAR(Sulnarrun::myObjectiveFunction({0.5, 0.6, 0, 0, 0, 0, 0}, grad, local.get()), 4.0278136762, 1e-9);

    // Equal bounds hold the variables: their starts are 0. Upright at 3 m/s without leeway the hull
    // carries none of the sails' side force, so no start balances and the rows are flagged.
    setup->lowerBounds = setup->upperBounds = {3, 0, 0, 0, 1, 1, 0.2};
    auto r = run({4, 10, 4}, {90, 90, 10});
    EXPECT_EQ(r->startPoints(4.0)[0][6], 0.0);
    r->RunVPP();
    EXPECT_TRUE(polar().size() == 2u && polar()[0][9] == 0.2 && polar()[1][1] == 8.0);
    for (const auto& row : polar())
        EXPECT_TRUE(row[0] == -1.0 && row[3] == 3.0 && row[4] == 0.0 && std::abs(row[11] + row[17]) > 1.0);
    // 1 + 0.1 + ... accumulates: 49 speeds, the last 5.799999999999996; the progress count
    // truncates to 48 speeds, yet the reported value never exceeds 100.
    run({1, 5.8, 0.1}, {90, 90, 10})->RunVPP();
    EXPECT_TRUE(polar().size() == 49u && polar().back()[1] == 5.799999999999996);
    EXPECT_LE(*std::max_element(ui.progress.begin(), ui.progress.end()), 100);
    run({8, 4, 1}, {90, 90, 10})->RunVPP();
    EXPECT_TRUE(polar().empty());
}

TEST_F(RunTest, AeroAndHydroTableRows)
{
    setup->initialValues = {3, 2, 10, -1, 0.8, 1, 0.2};
    run({4, 8, 2}, {40, 180, 70})->RunAeroForces();
    const ResultTable& rows = *store.aeroResults;
    ASSERT_EQ(rows.size(), 9u);
    const CORCAerodynamics model(main, jib, nullptr, nullptr, rig, false);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const double tws = 4.0 + 2.0 * static_cast<double>(i / 3), twa = 40.0 + 70.0 * static_cast<double>(i % 3);
        const double x = tws * std::cos(twa * pi / 180) + 3.0 * std::cos(2.0 * pi / 180);
        const double y = (tws * std::sin(twa * pi / 180) - 3.0 * std::sin(2.0 * pi / 180)) * std::cos(10.0 * pi / 180);
        EXPECT_NEAR(rows[i][2], std::hypot(x, y), 1e-12);
        EXPECT_NEAR(rows[i][3], std::atan2(y, x) * 180 / pi, 1e-12);
        const ForceMoment f = model.getForces(3.0, 2.0, 10.0, 0.8, 1.0, 0.2, tws, twa);
        EXPECT_EQ((std::vector<double>{rows[i][0], rows[i][1], rows[i][4], rows[i][5], rows[i][6], rows[i][7],
                                       rows[i][8], rows[i][9], rows[i][10], rows[i][15]}),
                  (std::vector<double>{tws, twa, 3.0, 2.0, 10.0, 0.8, 1.0, 0.2, f.Fx, f.Mz}));
    }
    run({4, 8, 2}, {90, 40, 10})->RunAeroForces();
    EXPECT_TRUE(store.aeroResults->empty());

    store.leewayRange = {0, 4, 4};
    store.heelRange = {5, 5, 1};
    store.rudderRange = {-2, 2, 4};
    run({4, 8, 2}, {40, 180, 70})->RunHydroForces();
    const ResultTable& hydro = *store.hydroResults;
    // Rudder outermost, then heel, then leeway, speed innermost: 2 x 1 x 2 x 6 rows.
    ASSERT_EQ(hydro.size(), 24u);
    EXPECT_EQ((std::vector<double>(hydro[7].begin(), hydro[7].begin() + 4)), (std::vector<double>{2, 4, 5, -2}));
    EXPECT_EQ((std::vector<double>(hydro[23].begin(), hydro[23].begin() + 4)), (std::vector<double>{6, 4, 5, 2}));
    for (const auto& row : hydro) {
        const double V = row[0], leeway = row[1], heel = row[2];
        const auto [Fk, Fr] = hull->getHeelingForces(V, leeway, heel, row[3]);
        // The added trim resistance takes the moment of the upright and heeled resistances at 0.65 Lwl,
        // the keel's heel increment left out.
        const double M = (row[6] + row[7] + row[8] + row[9] + row[10] + row[11]) * 0.65 * 10.0;
        EXPECT_EQ((std::vector<double>{row[4], row[5], row[13], row[14], row[17], row[19]}),
                  (std::vector<double>{Fk, Fr, hull->getHullAddedTrimResistance(V, heel, M),
                                       hull->getMunkMoment(V, heel, leeway),
                                       hull->getHeelingRightingMomentMx(Fk, Fr, heel), Fk * 1.31 + Fr * 6.01}));
    }
    // A range with min above max sweeps nothing.
    store.speedRange = {3, 2, 1};
    run({4, 8, 2}, {40, 180, 70})->RunHydroForces();
    EXPECT_TRUE(store.hydroResults->empty());
}

// Every example setup gives a polar whose rows balance the aerodynamic and the hydrodynamic
// forces, sorted by TWS, then TWA.
TEST_F(RunTest, EveryExampleSetupGivesABalancedSortedPolar)
{
    for (const char* name : {"Upwind with jib", "Downwind with spinnaker", "Reaching with code zero"}) {
        const auto* s = findExample<Sulnarsetup>(name, "VPPsetup");
        Sulnarrun(findExample<CMain>(s->mainName, "MAIN"), findExample<CJib>(s->jibName, "JIB"),
                  findExample<CSpi>(s->spiName, "SPI"), findExample<CHsf>(s->hsfName, "HSF"),
                  findExample<CRig>(s->rigName, "RIG"), findExample<CKeuningHYDRO>(s->hullName, "KeuningHYDRO"),
                  s->twsRange, s->twaRange, s->initialValues, s->lowerBounds, s->upperBounds, s->jibPoledWindward,
                  s->searchGlobal, 3)
            .RunVPP();
        EXPECT_GE(polar().size(), 91u) << name;
        for (std::size_t i = 0; i < polar().size(); ++i) {
            const auto& row = polar()[i];
            // A 10 m yacht sails between 1 and 6 m/s in 4 to 16 m/s of wind.
            EXPECT_TRUE(row[0] > 0.0 && row[3] > 1.0 && row[3] < 6.0) << name << " TWS " << row[1] << " TWA " << row[2];
            for (int k : {10, 11, 13, 15})
                EXPECT_NEAR(row[k] + row[k + 6], 0.0, 1.0) << k;
            EXPECT_TRUE(i == 0 || std::pair(polar()[i - 1][1], polar()[i - 1][2]) < std::pair(row[1], row[2]));
        }
    }
    // The forestay meets the deck at the stem head, 4.04 m ahead of the mast.
    EXPECT_NEAR(-rig->ML - rig->J, hull->xFPP - (rig->LOA - hull->Lwl) / 2, 1e-12);
    // The force columns are those of the row's own state.
    const auto& row = polar().back();
    const ForceMoment h = hull->getForces(row[3], row[4], row[5], row[6]);
    EXPECT_EQ(std::vector<double>(row.begin() + 16, row.end()), std::vector<double>({h.Fx, h.Fy, h.Fz, h.Mx, h.My, h.Mz}));
}

TEST_F(RunTest, FailuresAreFlaggedReportedOrEndTheRun)
{
    const auto failed = [&](Sulnarrun& r) {
        testing::internal::CaptureStderr();
        r.RunVPP();
        EXPECT_EQ(testing::internal::GetCapturedStderr().rfind("NLOpt failed: ", 0), 0u);
        EXPECT_TRUE(polar().size() == 1u && polar()[0][0] == -1.0);
    };
    // A start value beyond its upper bound is refused by the optimiser. Non-finite forces stop the start:
    // a rig without a spreader height makes the spinnaker's sail model divide by zero.
    setup->initialValues[0] = 100.0;
    failed(*run({6, 6, 1}, {90, 90, 10}));
    setup->initialValues[0] = 3.0;
    rig->ISP = std::numeric_limits<double>::quiet_NaN();
    failed(*run({6, 6, 1}, {120, 120, 10}, false, 3, main, findExample<CSpi>("Symmetric spinnaker", "SPI")));

    // A main sail whose girth knots lie closer than the splines' end-slope offset, swept with tiny steps.
    CMain tiny({{"P", 5e-5}}, "MAIN");
    auto r = run({5, 5, 1e-300}, {90, 90, 1e-300}, false, 3, &tiny);
    r->RunVPP();
    r->RunAeroForces();
    EXPECT_EQ(polar().size() + store.aeroResults->size(), 2u);
    // A one-knot table cannot be evaluated anywhere: the polar row is flagged, the force tables stop.
    tiny.girthSpline = hull->splineRA = MakimaSpline({0.0}, {0.0});
    r->RunVPP();
    EXPECT_TRUE(polar().size() == 1u && polar()[0][0] == -1.0 && std::isnan(polar()[0][10]));
    EXPECT_EQ(ui.progress.back(), -2);
    ui.messages.clear();
    r->RunAeroForces();
    r->RunHydroForces();
    const std::string stopped = "Error: The run stopped: x is out of the range of the fitted data.";
    EXPECT_EQ(ui.messages, std::vector<std::string>(2, stopped));

    // Failed hull tables leave no sail model: nothing is evaluated, the tables stay.
    for (auto* table : {&store.currentResults, &store.aeroResults, &store.hydroResults})
        *table = std::make_unique<ResultTable>(ResultTable{{1.0}});
    hull->RA = {0.0};
    ui.messages.clear();
    auto noHull = run({4, 8, 4}, {40, 180, 35});
    EXPECT_TRUE(noHull->aeroModel == nullptr && ui.messages.size() == 1u);
    noHull->RunVPP();
    noHull->RunAeroForces();
    noHull->RunHydroForces();
    for (auto* table : {&store.currentResults, &store.aeroResults, &store.hydroResults})
        EXPECT_EQ(**table, ResultTable{{1.0}});
}
