// The sail plan's outlines and the preview's sampling, without a window,
// against values worked out by hand for a small made-up boat: a 3-4-5
// fore-triangle (cos 0.6, sin 0.8 along the forestay) and round dimensions.

#include <algorithm>
#include <cmath>
#include <fstream>

#include <gtest/gtest.h>

#include "CHsf.h"
#include "CJib.h"
#include "CKeuningHYDRO.h"
#include "CMain.h"
#include "CRig.h"
#include "CSpi.h"
#include "ObjectPreview.h"
#include "SailPlan.h"

namespace {

using Points = std::vector<std::pair<double, double>>;

struct SmallBoat {
    CMain main{{{"P", 8}, {"E", 3}, {"MQW", 2.5}, {"MHW", 2}, {"MTW", 1}, {"MUW", 0.6}, {"MHB", 0.2}}, "MAIN"};
    CJib jib{{{"HLUmin", 9}, {"HLUmax", 11}, {"HLPmin", 2}, {"HLPmax", 4}, {"HQW", 3}, {"HHW", 2}, {"HTW", 1},
              {"HUW", 0.5}, {"HHB", 0.1}}, "JIB"};
    CSpi spi{{{"SLU", 10}, {"SLE", 9}, {"SFL", 5}, {"SHW", 4}, {"SPL", 3}, {"SPITYPE", "ATOC"}}, "SPI"};
    CHsf hsf{{{"HLU", 12.6}, {"HLP", 4}, {"HQW", 3}, {"HHW", 2}, {"HTW", 1}, {"HUW", 0.5}, {"HHB", 0.1}}, "HSF"};
    CRig rig{{{"HD", 1}, {"BAS", 2}, {"BD", 0.5}, {"J", 3}, {"IG", 4}, {"ISP", 4}, {"TPS", 3}, {"LOA", 12},
              {"ML", 0.5}, {"MH", 10}}, "RIG"};
    CKeuningHYDRO hull{{{"Tc", 0.6}, {"Lwl", 9}, {"LCB", 4}, {"LCF", 4.5}, {"xFPP", -1}, {"ck", 1}, {"bk", 1.5},
                        {"TRk", 0.5}, {"Lambda_k", 45}, {"LCE_k", 4}, {"VCE_k", -1.2}, {"cr", 0.4}, {"br", 1},
                        {"Lambda_r", 0}, {"LCE_r", 7.5}, {"VCE_r", -0.5}}, "KeuningHYDRO"};
    std::vector<PlanLayer> layers(double reef) { return sailPlanLayers({&main, &jib, &spi, &hsf, &rig, &hull, reef}); }
};

Points marker(double x, double y)
{
    const double s = 0.125;
    return {{x - s, y}, {x, y + s}, {x + s, y}, {x, y - s}, {x - s, y}, {x + s, y}, {x, y - s}, {x, y + s}};
}

void expectPoints(const PlanLayer& layer, const Points& expected)
{
    ASSERT_EQ(layer.xs.size(), expected.size()) << layer.name;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_NEAR(layer.xs[i], expected[i].first, 1e-9) << layer.name << " point " << i;
        EXPECT_NEAR(layer.ys[i], expected[i].second, 1e-9) << layer.name << " point " << i;
    }
}

std::vector<std::string> names(const std::vector<PlanLayer>& layers)
{
    std::vector<std::string> found;
    for (const PlanLayer& layer : layers)
        found.push_back(layer.name);
    return found;
}

TEST(SailPlan, EveryOutlineOfAFullPrintSetAtHalfReef)
{
    const auto [mx, my] = makeMarker(1, 2, 0.125);
    expectPoints({"", PlanPen::Black, true, mx, my}, marker(1, 2));

    using enum PlanPen;
    const Points jib{{1.5, 1}, {1.9, 3.2}, {2.3, 5.4}, {2.7, 7.6}, {2.9, 8.7}, {3.18, 9.74}, {3.1, 9.8}};
    const std::vector<std::tuple<const char*, PlanPen, Points>> expected{
        {"Origin", Black, marker(0, 0)}, {"LCF", Blue, marker(4.5, 0)}, {"LCB", Blue, marker(4, -0.3)},
        {"CE_k", Green, marker(4, -1.2)}, {"CE_r", Green, marker(7.5, -0.5)}, {"", Black, {{-2, 0}, {9, 0}}},
        {"Hull", Red, {{-1, 0}, {-2.5, 1}, {-3.5, 1}, {8, 1}, {9.5, 0.1}, {8, 0}, {5, -0.6}, {2, -0.6}, {0.5, -0.4}, {-1, 0}}},
        {"Keel", Red, {{2.25 + 2.0 / 3, -0.6}, {4.75 - 1.0 / 6, -2.1}, {5.25, -2.1}, {4.25, -0.6}}},
        {"Rudder", Red, {{7.5 - 0.4 / 3, 0}, {7.5 - 0.2 / 3, -1}, {7.7, -1}, {7.9, 0}}},
        {"Boom", Blue, {{0, 3}, {3.2, 3}, {3.2, 2.5}, {0, 2.5}}},
        {"Mast", Blue, {{0, 1}, {0, 11}, {-0.5, 11}, {-0.5, 1}}},
        {"Main", Cyan, {{3, 3}, {2.5, 5}, {2, 7}, {1, 9}, {0.6, 10}, {0.2, 11}, {0, 11}}},
        {"Forestay", Yellow, {{-3.5, 1}, {-0.5, 5}}}, {"Jib", Cyan, jib},
        {"hsf", Cyan, {{2.46, 2.28}, {2.86, 4.48}, {3.26, 6.68}, {3.66, 8.88}, {3.86, 9.98}, {4.14, 11.02},
                       {4.06, 11.08}, {-3.5, 1}, {-3.5 + 5.96 / 3, 1.16}, {-3.5 + 11.92 / 3, 1.64}, {2.46, 2.28}}},
        {"Spinnaker", Green, {{-3.5, 1}, {-3, 6}, {-0.5, 11}, {1, 6}, {1.5, 2}, {-3.5, 1}}},
        // LP = HLPmin = 2, luff HLUmin = 9, widths halved; the main keeps its full hoist.
        {"", CyanDashed, {{-1, 1}, {-0.275, 2.8}, {0.45, 4.6}, {1.175, 6.4}, {1.5375, 7.3}, {1.94, 8.17}, {1.9, 8.2}}},
        {"_noLegendEntry_", CyanDashed, {{3, 3}, {2.5, 5}, {2, 7}, {1, 9}, {0.6, 10}, {0.2, 11}, {0, 11}}}};

    SmallBoat boat;
    const std::vector<PlanLayer> layers = boat.layers(0.5);
    ASSERT_EQ(layers.size(), expected.size());
    for (std::size_t i = 0; i < layers.size(); ++i) {
        const auto& [name, pen, points] = expected[i];
        EXPECT_EQ(layers[i].name, name);
        EXPECT_EQ(layers[i].pen, pen) << name;
        EXPECT_EQ(layers[i].showName, i + 1 < layers.size());
        expectPoints(layers[i], points);
    }

    // At reef 0 the jib is as at 0.5, and the main has no hoist: it lies on the boom.
    const std::vector<PlanLayer> reefed = boat.layers(0);
    expectPoints(reefed[16], std::get<2>(expected[16]));
    expectPoints(reefed[17], {{0.2, 3}, {0.2, 3}, {0.2, 3}, {0.2, 3}, {0.2, 3}, {0.2, 3}, {0, 3}});
}

TEST(SailPlan, SpinnakerOnAPoleAndOutlinesAtInfinityLeftOut)
{
    SmallBoat boat;
    boat.spi.SPITYPE = "SS";
    expectPoints(boat.layers(1)[15], {{-3.5, 3.5}, {-3, 8.5}, {-0.5, 13.5}, {1, 8.5}, {1.5, 4.5}, {-3.5, 3.5}});

    // IG 0 puts the jib's clew, ISP 0 the headsail's at infinity; HLPmax 0
    // scales the reefed jib's widths by LP / 0.
    boat.rig.IG = 0;
    boat.rig.ISP = 0;
    EXPECT_EQ(names(sailPlanLayers({&boat.main, &boat.jib, nullptr, &boat.hsf, &boat.rig, nullptr, 1})),
              (std::vector<std::string>{"Boom", "Mast", "Main", "Forestay"}));
    boat.rig.IG = 4;
    boat.jib.HLPmax = 0;
    EXPECT_EQ(names(sailPlanLayers({&boat.main, &boat.jib, nullptr, nullptr, &boat.rig, nullptr, 0.5})),
              (std::vector<std::string>{"Boom", "Mast", "Main", "Forestay", "Jib", "_noLegendEntry_"}));
}

TEST(ObjectPreview, SailCoefficientsOnlyWhereTheLiftIsPositive)
{
    // Straight lines: Cl = (AWA - 5) / 100, Cd = AWA / 100.
    CMain main({{"ADJUSTABILITY", "Low"}}, "MAIN");
    main.clLowSpline = MakimaSpline({0, 180}, {-0.05, 1.75});
    main.cdLowSpline = MakimaSpline({0, 180}, {0, 1.8});
    const CoefficientCurves curves = sailPreview(main, "MAIN")->curves;
    ASSERT_EQ(curves.awa.size(), 87u);
    EXPECT_EQ((std::array{curves.awa.front(), curves.awa.back()}), (std::array{6.0, 178.0}));
    EXPECT_NEAR(curves.cl.front(), 0.01, 1e-12);
    EXPECT_NEAR(curves.cd.back(), 1.78, 1e-12);
    EXPECT_FALSE(sailPreview(main, "RIG"));
}

TEST(ObjectPreview, HullResistanceOverTheSpeedGrid)
{
    for (double Lwl : {0.0, -1.0, std::nan(""), HUGE_VAL})
        EXPECT_TRUE(speedGrid(Lwl).empty()) << Lwl;

    std::ifstream file(SULNAR_EXAMPLES_DIR "/sulnar-example.json");
    CKeuningHYDRO hull(nlohmann::json::parse(file)["KeuningHYDRO"][0], "KeuningHYDRO");
    ASSERT_TRUE(hull.checkAndGenerateSplines());
    // Lwl 10 m: 0.75 sqrt(98.065) = 7.4270830 m/s in 20 steps.
    const ResistanceCurves curves = sampleResistance(hull, 5, 20);
    ASSERT_EQ(curves.speed.size(), 21u);
    EXPECT_NEAR(curves.speed[10], 3.7135415, 1e-6);
    EXPECT_NEAR(curves.viewSpeed, 7.4270830, 1e-6);
    EXPECT_EQ((std::array{curves.upright[0], curves.heeled[0]}), (std::array{0.0, 0.0}));
    // Upright drag, and the heeled force along the track at leeway 5°.
    const ForceMoment f = hull.getForces(curves.speed[10], 5, 20, 0);
    EXPECT_DOUBLE_EQ(curves.upright[10], hull.getForces(curves.speed[10], 0, 0, 0).Fx);
    EXPECT_NEAR(curves.heeled[10], 0.9961946981 * f.Fx + 0.0871557427 * f.Fy, 1e-6 * std::abs(f.Fx));
    EXPECT_DOUBLE_EQ(curves.viewResistance, std::max(*std::max_element(curves.upright.begin(), curves.upright.end()),
                                                     *std::max_element(curves.heeled.begin(), curves.heeled.end())));
}

} // namespace
