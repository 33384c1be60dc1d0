// The hull data set as a design object: reading, writing and building its
// splines over heel.

#include "CKeuningHYDRO.h"
#include "DesignObjectTesting.h"
#include "TestHull.h"

static std::string block(const std::string& spline, const std::string& reason)
{
    return "\nError creating spline for " + spline + "(Heel): " + reason + "\n";
}

TEST(CKeuningHYDRO, ReadsWritesAndBuildsItsSplinesOrHealsThem)
{
    // Every member is written back under its own key, numbers as doubles; an integer is read as a number.
    auto input = testHullWithHeeledDimensionsJson(), expected = input;
    input.update({{"Vc", 7}, {"type", "ignored"}});
    expected["Vc"] = 7.0;
    EXPECT_EQ(CKeuningHYDRO(input, "KeuningHYDRO").makeJSON().dump(), expected.dump());
    expectTypeErrors<CKeuningHYDRO>("KeuningHYDRO", {{R"({"useTabulatedHeeledDimensions": 1})", "boolean, but is number"},
                                                     {R"({"C_form": {}})", "array, but is object"},
                                                     {R"({"RA": [0.0, "x"]})", "number, but is string"}});

    RecordingUserInterface ui;
    // With tabulated heeled dimensions their splines start at the upright values; the stored table keeps its
    // heeled angles only.
    CKeuningHYDRO heeled(testHullWithHeeledDimensionsJson(), "KeuningHYDRO");
    ASSERT_TRUE(heeled.checkAndGenerateSplines());
    for (const auto& [spline, y] : std::vector<std::pair<const MakimaSpline*, std::vector<double>>>{
             {&heeled.splineLwl, {10.0, 10.05, 10.1, 10.1}}, {&heeled.splineBwl, {3.0, 2.9, 2.75, 2.6}},
             {&heeled.splineTc, {0.5, 0.48, 0.46, 0.43}}, {&heeled.splineAx, {1.0, 0.99, 0.97, 0.95}},
             {&heeled.splineSc, {25.0, 24.6, 24.0, 23.2}}})
        EXPECT_TRUE(spline->x == std::vector<double>({0.0, 10.0, 20.0, 30.0}) && spline->y == y);
    EXPECT_EQ(heeled.Phi, (std::vector<double>{10.0, 20.0, 30.0}));
    // Without them those splines are not touched. A failed spline leaves the good ones built, a repaired table
    // heals, a later failure keeps the last spline.
    CKeuningHYDRO hull(testHullJson(), "KeuningHYDRO");
    hull.RA.clear();
    hull.C_form = {1.0, 0.8, 0.7};
    EXPECT_TRUE(!hull.checkAndGenerateSplines() && hull.splineLwl.x.empty());
    EXPECT_DOUBLE_EQ(hull.splineC_form(15.0), 0.8);
    hull.RA = {0.0, 0.22, 0.50, 0.48, 0.46};
    EXPECT_TRUE(hull.checkAndGenerateSplines() && ui.messages.size() == 1u);
    hull.RA = {0.0};
    EXPECT_FALSE(hull.checkAndGenerateSplines());
    EXPECT_DOUBLE_EQ(hull.splineRA(30.0), 0.50);
}

TEST(CKeuningHYDROSplines, FailedSplinesAreReportedInOneBoxInOrder)
{
    const auto upright = testHullJson(), heeled = testHullWithHeeledDimensionsJson(), none = nlohmann::json::array();
    for (const auto& [base, changes, message] : std::vector<std::tuple<nlohmann::json, nlohmann::json, std::string>>{
             {upright, {{"PhiRA", none}, {"RA", none}, {"Phi_C_form", none}, {"C_form", none}},
              block("RA", twoPoints) + block("C_form", twoPoints)},
             // A heeled table listing the upright angle, one short one.
             {heeled, {{"Phi", {0.0, 10.0, 20.0}}, {"RA", {0.0}}},
              block("Lwl", increasing) + block("Bwl", increasing) + block("Tc", increasing) + block("Ax", increasing) +
                  block("Sc", increasing) + block("RA", twoPoints)},
             {heeled, {{"Phi", {10.0, 20.0}}, {"Lwl_phi", {7.9}}, {"Bwl_phi", {2.9, 2.8}}, {"Tc_phi", {0.48, 0.46}},
                       {"Ax_phi", {0.99, 0.97}}, {"Sc_phi", {24.6, 24.0}}}, block("Lwl", twoPoints)},
             {upright, {{"Phi_C_form", {30.0, 0.0}}, {"C_form", {1.0}}}, block("C_form", twoPoints + increasing)}}) {
        RecordingUserInterface ui;
        auto element = base;
        element.update(changes);
        EXPECT_FALSE(CKeuningHYDRO(element, "KeuningHYDRO").checkAndGenerateSplines()) << message;
        EXPECT_EQ(ui.messages, std::vector<std::string>{"Error: " + message});
        EXPECT_EQ(ui.icons, std::vector<MessageIcon>{MessageIcon::Error});
    }
}
