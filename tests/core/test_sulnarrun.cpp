#include <gtest/gtest.h>

#include <cmath>
#include <algorithm>
#include <limits>

#include "CORCAerodynamics.h"
#include "ExampleProject.h"
#include "RecordingUserInterface.h"
#include "Sulnarrun.h"
#include "TestHull.h"

namespace {

constexpr double pi = 3.141592653589793;

class RunTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CObjectStore::resetInstance();
        loadExampleProject();
        main = findExample<CMain>("Main 10m", "MAIN");
        jib = findExample<CJib>("Jib 105%", "JIB");
        rig = findExample<CRig>("Fractional rig", "RIG");
        hull = findExample<CKeuningHYDRO>("Cruiser 10m hull", "KeuningHYDRO");
        setup = findExample<Sulnarsetup>("Upwind with jib", "VPPsetup");
        ASSERT_TRUE(main && jib && rig && hull && setup);
    }
    void TearDown() override { CObjectStore::resetInstance(); }

    std::unique_ptr<Sulnarrun> run(std::vector<double> tws, std::vector<double> twa, bool global = false,
                                   int guesses = 3)
    {
        return std::make_unique<Sulnarrun>(main, jib, nullptr, nullptr, rig, hull, tws, twa, setup->initialValues,
                                           setup->lowerBounds, setup->upperBounds, false, global, guesses);
    }
    const ResultTable& polar() { return *CObjectStore::getInstance().currentResults; }

    RecordingUserInterface ui;
    CMain* main = nullptr;
    CJib* jib = nullptr;
    CRig* rig = nullptr;
    CKeuningHYDRO* hull = nullptr;
    Sulnarsetup* setup = nullptr;
};

TEST_F(RunTest, StartPointsAndTheirOrder)
{
    // Speed 0.1..8 from 3.26 gives s0 = 0.4; flat 0.3..1 from 0.8, reef 0.4..1 from 1.
    setup->lowerBounds = {0.1, 0, 0, -10, 0.3, 0.4, 0};
    setup->upperBounds = {8, 10, 35, 10, 1, 1, 1};
    setup->initialValues = {0.1 + 0.4 * 7.9, 2, 10, -1, 0.8, 1.0, 0.2};
    auto global = run({4, 4, 1}, {40, 40, 10}, true, 3);
    const auto starts = global->startPoints(4.0);
    ASSERT_EQ(starts.size(), 19u);
    const double expectedSpeed[] = {0.55, 0.3, 0.7, 0.2, 0.85, 0.1};
    for (int i = 0; i < 6; ++i) {
        EXPECT_NEAR(starts[1 + i][0], expectedSpeed[i], 1e-12) << i;
        EXPECT_EQ(starts[1 + i][4], starts[0][4]);
    }
    // Flat: start 0.8 in 0.3..1 is s0 = 5/7; up by (1 - s0)/4, down by s0/4.
    const double flat0 = 0.5 / 0.7;
    EXPECT_NEAR(starts[0][4], flat0, 1e-12); // no TWS rule with global search
    EXPECT_NEAR(starts[7][4], flat0 + (1 - flat0) / 4, 1e-12);
    EXPECT_NEAR(starts[8][4], flat0 - flat0 / 4, 1e-12);
    // Reef: start 1 in 0.4..1 is s0 = 1; the upward starts stay at 1.
    EXPECT_NEAR(starts[13][5], 1.0, 1e-12);
    EXPECT_NEAR(starts[18][5], 0.25, 1e-12);

    EXPECT_EQ(run({4, 4, 1}, {40, 40, 10}, true, 0)->startPoints(4.0).size(), 1u);

    // Without global search the flat start follows the wind.
    auto local = run({4, 4, 1}, {40, 40, 10});
    EXPECT_NEAR(local->startPoints(4.0)[0][4], 0.6, 1e-12);
    EXPECT_EQ(local->startPoints(12.0)[0][4], 0.0);
    EXPECT_EQ(local->startPoints(0.0)[0][4], 1.0);
}

TEST_F(RunTest, EqualBoundsHoldTheVariable)
{
    setup->lowerBounds[6] = setup->upperBounds[6] = 0.2;
    auto r = run({4, 4, 1}, {90, 90, 10});
    EXPECT_EQ(r->startPoints(4.0)[0][6], 0.0);
    EXPECT_EQ(r->physical(6, 0.7), 0.2);
    r->RunVPP();
    ASSERT_EQ(polar().size(), 1u);
    EXPECT_EQ(polar()[0][9], 0.2);
}

TEST_F(RunTest, SweepVisitsWindPointsByRepeatedAddition)
{
    run({4, 10, 4}, {90, 90, 10})->RunVPP();
    ASSERT_EQ(polar().size(), 2u);
    EXPECT_EQ(polar()[0][1], 4.0);
    EXPECT_EQ(polar()[1][1], 8.0);

    // 1 + 0.1 + ... accumulates: 49 speeds, the last 5.799999999999996.
    run({1, 5.8, 0.1}, {90, 90, 10})->RunVPP();
    ASSERT_EQ(polar().size(), 49u);
    EXPECT_EQ(polar().back()[1], 5.799999999999996);
    // The count of the progress report truncates to 48 speeds: the reported value never exceeds 100.
    EXPECT_LE(*std::max_element(ui.progress.begin(), ui.progress.end()), 100);

    run({8, 4, 1}, {90, 90, 10})->RunVPP();
    EXPECT_TRUE(polar().empty());
}

TEST_F(RunTest, FailedHullTablesEvaluateNothing)
{
    CObjectStore& store = CObjectStore::getInstance();
    store.currentResults = std::make_unique<ResultTable>(ResultTable{{1.0}});
    store.aeroResults = std::make_unique<ResultTable>(ResultTable{{2.0}});
    store.hydroResults = std::make_unique<ResultTable>(ResultTable{{3.0}});
    hull->PhiRA = {0.0, 0.0};
    hull->RA = {0.0};
    auto r = run({4, 8, 4}, {40, 180, 35});
    EXPECT_EQ(r->aeroModel, nullptr);
    ASSERT_EQ(ui.messages.size(), 1u);
    r->RunVPP();
    r->RunAeroForces();
    r->RunHydroForces();
    EXPECT_EQ((*store.currentResults)[0][0], 1.0);
    EXPECT_EQ((*store.aeroResults)[0][0], 2.0);
    EXPECT_EQ((*store.hydroResults)[0][0], 3.0);
}

TEST_F(RunTest, AeroTableRows)
{
    setup->initialValues = {3, 2, 10, -1, 0.8, 1, 0.2};
    auto r = run({4, 8, 2}, {40, 180, 70});
    r->RunAeroForces();
    const ResultTable& rows = *CObjectStore::getInstance().aeroResults;
    ASSERT_EQ(rows.size(), 9u);
    const CORCAerodynamics model(main, jib, nullptr, nullptr, rig, false);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto& row = rows[i];
        const double tws = 4.0 + 2.0 * static_cast<double>(i / 3);
        const double twa = 40.0 + 70.0 * static_cast<double>(i % 3);
        EXPECT_EQ(row[0], tws);
        EXPECT_EQ(row[1], twa);
        const double x = tws * std::cos(twa * pi / 180) + 3.0 * std::cos(2.0 * pi / 180);
        const double y = (tws * std::sin(twa * pi / 180) - 3.0 * std::sin(2.0 * pi / 180)) * std::cos(10.0 * pi / 180);
        EXPECT_NEAR(row[2], std::hypot(x, y), 1e-12);
        EXPECT_NEAR(row[3], std::atan2(y, x) * 180 / pi, 1e-12);
        EXPECT_EQ((std::vector<double>(row.begin() + 4, row.begin() + 10)),
                  (std::vector<double>{3.0, 2.0, 10.0, 0.8, 1.0, 0.2}));
        const ForceMoment f = model.getForces(3.0, 2.0, 10.0, 0.8, 1.0, 0.2, tws, twa);
        EXPECT_EQ(row[10], f.Fx);
        EXPECT_EQ(row[15], f.Mz);
    }
    run({4, 8, 2}, {90, 40, 10})->RunAeroForces();
    EXPECT_TRUE(CObjectStore::getInstance().aeroResults->empty());
}

TEST_F(RunTest, HydroTableRows)
{
    CObjectStore& store = CObjectStore::getInstance();
    store.leewayRange = {0, 4, 4};
    store.heelRange = {10, 10, 1};
    store.rudderRange = {-2, 2, 4};
    run({4, 8, 2}, {40, 180, 70})->RunHydroForces();
    const ResultTable& rows = *store.hydroResults;
    // Rudder outermost, then heel, then leeway, speed innermost: 2 x 1 x 2 x 6 rows.
    ASSERT_EQ(rows.size(), 24u);
    EXPECT_EQ((std::vector<double>(rows[7].begin(), rows[7].begin() + 4)), (std::vector<double>{2, 4, 10, -2}));
    EXPECT_EQ((std::vector<double>(rows[23].begin(), rows[23].begin() + 4)), (std::vector<double>{6, 4, 10, 2}));
    for (const auto& row : rows) {
        const double V = row[0], leeway = row[1], heel = row[2], rudder = row[3];
        const auto [Fk, Fr] = hull->getHeelingForces(V, leeway, heel, rudder);
        EXPECT_EQ(row[4], Fk);
        EXPECT_EQ(row[5], Fr);
        // The added trim resistance takes the moment of the upright and heeled
        // resistances at 0.65 Lwl, the keel's heel increment left out.
        const double M = (row[6] + row[7] + row[8] + row[9] + row[10] + row[11]) * 0.65 * 10.0;
        EXPECT_EQ(row[13], hull->getHullAddedTrimResistance(V, heel, M));
        EXPECT_EQ(row[14], hull->getMunkMoment(V, heel, leeway));
        EXPECT_EQ(row[17], hull->getHeelingRightingMomentMx(Fk, Fr, heel));
        EXPECT_EQ(row[19], Fk * 4.6 + Fr * 9.3);
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
        ASSERT_NE(s, nullptr);
        Sulnarrun r(findExample<CMain>(s->mainName, "MAIN"), findExample<CJib>(s->jibName, "JIB"),
                    findExample<CSpi>(s->spiName, "SPI"), findExample<CHsf>(s->hsfName, "HSF"),
                    findExample<CRig>(s->rigName, "RIG"), findExample<CKeuningHYDRO>(s->hullName, "KeuningHYDRO"),
                    s->twsRange, s->twaRange, s->initialValues, s->lowerBounds, s->upperBounds, s->jibPoledWindward,
                    s->searchGlobal, 3);
        r.RunVPP();
        const ResultTable& rows = polar();
        EXPECT_GE(rows.size(), 91u) << name;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const auto& row = rows[i];
            EXPECT_GT(row[0], 0.0) << name << " TWS " << row[1] << " TWA " << row[2];
            EXPECT_NEAR(row[10] + row[16], 0.0, 1.0);
            EXPECT_NEAR(row[11] + row[17], 0.0, 1.0);
            EXPECT_NEAR(row[13] + row[19], 0.0, 1.0);
            EXPECT_NEAR(row[15] + row[21], 0.0, 1.0);
            // A 10 m yacht sails between 1 and 6 m/s in 4 to 16 m/s of wind.
            EXPECT_TRUE(row[3] > 1.0 && row[3] < 6.0);
            EXPECT_TRUE(i == 0 || rows[i - 1][1] < row[1] || (rows[i - 1][1] == row[1] && rows[i - 1][2] < row[2]));
        }
    }
    // The force columns are those of the row's own state.
    const auto& row = polar().back();
    const ForceMoment h = findExample<CKeuningHYDRO>("Cruiser 10m hull", "KeuningHYDRO")->getForces(row[3], row[4], row[5], row[6]);
    EXPECT_EQ((std::vector<double>(row.begin() + 16, row.end())), (std::vector<double>{h.Fx, h.Fy, h.Fz, h.Mx, h.My, h.Mz}));
}

TEST_F(RunTest, FailedStartsAreReportedAndFlagged)
{
    // A start value beyond its upper bound is refused by the optimiser.
    setup->initialValues[0] = 100.0;
    testing::internal::CaptureStderr();
    run({6, 6, 1}, {90, 90, 10})->RunVPP();
    const std::string refused = testing::internal::GetCapturedStderr();
    EXPECT_EQ(refused.rfind("NLOpt failed: ", 0), 0u) << refused;
    ASSERT_EQ(polar().size(), 1u);
    EXPECT_EQ(polar()[0][0], -1.0);

    // Non-finite forces stop the start: a rig without a spreader height makes
    // the spinnaker's sail model divide by zero.
    setup->initialValues[0] = 3.0;
    rig->ISP = std::numeric_limits<double>::quiet_NaN();
    testing::internal::CaptureStderr();
    Sulnarrun r(main, nullptr, findExample<CSpi>("Symmetric spinnaker", "SPI"), nullptr, rig, hull, {6, 6, 1},
                {120, 120, 10}, setup->initialValues, setup->lowerBounds, setup->upperBounds, false, false, 3);
    r.RunVPP();
    const std::string stopped = testing::internal::GetCapturedStderr();
    EXPECT_NE(stopped.find("NLOpt failed: "), std::string::npos);
    ASSERT_EQ(polar().size(), 1u);
    EXPECT_EQ(polar()[0][0], -1.0);
}

TEST_F(RunTest, AModelThatThrowsEndsTheProgressReport)
{
    auto r = run({6, 6, 1}, {90, 90, 10});
    // A righting-arm table of one knot cannot be evaluated anywhere.
    hull->splineRA = MakimaSpline({0.0}, {0.0});
    r->RunVPP();
    ASSERT_EQ(polar().size(), 1u);
    EXPECT_TRUE(polar()[0][0] == -1.0 && std::isnan(polar()[0][10]));
    EXPECT_EQ(ui.progress.front(), -1);
    EXPECT_EQ(ui.progress.back(), -2);
}

} // namespace
