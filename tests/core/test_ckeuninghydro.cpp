// The hull data set as a design object: reading, writing, copying and
// building its splines over heel.

#include <gtest/gtest.h>

#include "CKeuningHYDRO.h"
#include "DesignObjectTesting.h"
#include "TestHull.h"

namespace {

const std::string twoPoints = "\nInput vectors must have at least two points and must be of the same size.";
const std::string increasing = "\nIndependent Input vector (x) must be strictly increasing.";

std::string block(const std::string& spline, const std::string& reason)
{
    return "\nError creating spline for " + spline + "(Heel): " + reason + "\n";
}

CKeuningHYDRO hullFrom(const nlohmann::json& element)
{
    return CKeuningHYDRO(element, "KeuningHYDRO");
}

TEST(CKeuningHYDRO, ReadsAndWritesEveryMemberAndRaisesTypeErrors)
{
    // Every member defaults to zero, an empty table or false.
    auto defaults = testHullJson();
    for (auto& [key, value] : defaults.items())
        value = value.is_array() ? nlohmann::json::array() : value.is_boolean() ? nlohmann::json(false) : nlohmann::json(0.0);
    defaults["Name"] = "Anonymous";
    EXPECT_EQ(hullFrom(nlohmann::json::object()).makeJSON().dump(), defaults.dump());

    // Every member is written back under its own key, numbers as doubles; an integer is read as a number.
    const auto element = testHullWithHeeledDimensionsJson();
    auto input = element;
    input["Vc"] = 7;
    input["type"] = "ignored";
    auto expected = element;
    expected["Vc"] = 7.0;
    const CKeuningHYDRO source = hullFrom(input);
    EXPECT_EQ(source.type, "KeuningHYDRO");
    EXPECT_EQ(source.makeJSON().dump(), expected.dump());
    EXPECT_EQ(hullFrom(element).makeJSON().dump(4), element.dump(4));

    const std::string prefix = "[json.exception.type_error.302] type must be ";
    const auto with = [](const char* key, nlohmann::json value) {
        auto changed = testHullJson();
        changed[key] = std::move(value);
        return changed;
    };
    EXPECT_EQ(typeErrorOf(hullFrom, with("useTabulatedHeeledDimensions", 1)), prefix + "boolean, but is number");
    EXPECT_EQ(typeErrorOf(hullFrom, with("C_form", nlohmann::json::object())), prefix + "array, but is object");
    EXPECT_EQ(typeErrorOf(hullFrom, with("RA", {0.0, "x"})), prefix + "number, but is string");
}

TEST(CKeuningHYDRO, CopyOwnsItsTablesAndSplines)
{
    RecordingUserInterface ui;
    CKeuningHYDRO source(testHullWithHeeledDimensionsJson(), "KeuningHYDRO");
    ASSERT_TRUE(source.checkAndGenerateSplines());
    const CKeuningHYDRO copy(source);
    EXPECT_EQ(copy.makeJSON(), source.makeJSON());
    EXPECT_EQ(copy.splineSc(22.0), source.splineSc(22.0));

    source.RA = {0.0, 0.3, 0.5, 0.6, 0.55};
    source.Sc_phi = {20.0, 19.0, 18.0};
    ASSERT_TRUE(source.checkAndGenerateSplines());
    EXPECT_DOUBLE_EQ(copy.splineRA(15.0), 0.22);
    EXPECT_DOUBLE_EQ(copy.splineSc(20.0), 24.0);
    EXPECT_DOUBLE_EQ(source.splineRA(15.0), 0.3);
}

TEST(CKeuningHYDROSplines, ValidTablesBuildWithoutMessage)
{
    RecordingUserInterface ui;
    CKeuningHYDRO hull(testHullJson(), "KeuningHYDRO");
    EXPECT_TRUE(hull.checkAndGenerateSplines());
    EXPECT_DOUBLE_EQ(hull.splineC_form(15.0), 0.95);
    // Without the flag the heeled-dimension splines are not touched.
    EXPECT_TRUE(hull.splineLwl.x.empty());

    // With it the tabulated dimensions start at the upright values; the
    // stored table keeps its heeled angles only.
    CKeuningHYDRO heeled(testHullWithHeeledDimensionsJson(), "KeuningHYDRO");
    ASSERT_TRUE(heeled.checkAndGenerateSplines());
    EXPECT_TRUE(ui.messages.empty());
    const std::vector<std::pair<const MakimaSpline*, std::vector<double>>> splines{
        {&heeled.splineLwl, {10.0, 10.05, 10.1, 10.1}}, {&heeled.splineBwl, {3.0, 2.9, 2.75, 2.6}},
        {&heeled.splineTc, {0.5, 0.48, 0.46, 0.43}},    {&heeled.splineAx, {1.0, 0.99, 0.97, 0.95}},
        {&heeled.splineSc, {25.0, 24.6, 24.0, 23.2}}};
    for (const auto& [spline, y] : splines) {
        EXPECT_EQ(spline->x, (std::vector<double>{0.0, 10.0, 20.0, 30.0}));
        EXPECT_EQ(spline->y, y);
    }
    EXPECT_EQ(heeled.Phi, (std::vector<double>{10.0, 20.0, 30.0}));
}

TEST(CKeuningHYDROSplines, FailedSplinesAreReportedInOneBoxInOrder)
{
    struct Case {
        const char* what;
        nlohmann::json base;
        nlohmann::json changes;
        std::string message;
    };
    const auto upright = testHullJson();
    const auto heeled = testHullWithHeeledDimensionsJson();
    const auto none = nlohmann::json::array();
    const std::vector<Case> cases{
        {"no righting arm", upright, {{"PhiRA", none}, {"RA", none}}, block("RA", twoPoints)},
        {"neither righting arm nor form factor", upright,
         {{"PhiRA", none}, {"RA", none}, {"Phi_C_form", none}, {"C_form", none}},
         block("RA", twoPoints) + block("C_form", twoPoints)},
        {"heeled table listing the upright angle", heeled, {{"Phi", {0.0, 10.0, 20.0}}, {"RA", {0.0}}},
         block("Lwl", increasing) + block("Bwl", increasing) + block("Tc", increasing) + block("Ax", increasing) +
             block("Sc", increasing) + block("RA", twoPoints)},
        {"empty heeled table", upright, {{"useTabulatedHeeledDimensions", true}},
         block("Lwl", twoPoints) + block("Bwl", twoPoints) + block("Tc", twoPoints) + block("Ax", twoPoints) +
             block("Sc", twoPoints)},
        {"one short heeled table", heeled, {{"Phi", {10.0, 20.0}}, {"Lwl_phi", {7.9}}, {"Bwl_phi", {2.9, 2.8}},
          {"Tc_phi", {0.48, 0.46}}, {"Ax_phi", {0.99, 0.97}}, {"Sc_phi", {24.6, 24.0}}},
         block("Lwl", twoPoints)},
        {"form factor with both faults", upright, {{"Phi_C_form", {30.0, 0.0}}, {"C_form", {1.0}}},
         block("C_form", twoPoints + increasing)},
    };
    for (const auto& c : cases) {
        RecordingUserInterface ui;
        auto element = c.base;
        element.update(c.changes);
        CKeuningHYDRO hull(element, "KeuningHYDRO");
        EXPECT_FALSE(hull.checkAndGenerateSplines()) << c.what;
        ASSERT_EQ(ui.messages.size(), 1u) << c.what;
        EXPECT_EQ(ui.messages[0], "Error: " + c.message) << c.what;
        EXPECT_EQ(ui.icons[0], MessageIcon::Error);
    }
}

TEST(CKeuningHYDROSplines, GoodSplinesAreBuiltBesideFailedOnesAndRepairHeals)
{
    RecordingUserInterface ui;
    auto element = testHullJson();
    element["RA"] = nlohmann::json::array();
    CKeuningHYDRO hull(element, "KeuningHYDRO");
    EXPECT_FALSE(hull.checkAndGenerateSplines());
    EXPECT_EQ(hull.splineC_form.x, (std::vector<double>{0.0, 15.0, 30.0}));
    EXPECT_TRUE(hull.splineRA.x.empty());

    hull.RA = {0.0, 0.22, 0.40, 0.48, 0.46};
    EXPECT_TRUE(hull.checkAndGenerateSplines());
    EXPECT_DOUBLE_EQ(hull.splineRA(30.0), 0.40);

    // A later failure keeps the spline built before.
    hull.RA = {0.0};
    EXPECT_FALSE(hull.checkAndGenerateSplines());
    EXPECT_DOUBLE_EQ(hull.splineRA(30.0), 0.40);
}

} // namespace
