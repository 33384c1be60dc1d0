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

const std::vector<std::string> numberKeys{
    "Vc", "Tc", "Lwl", "Bwl", "Sc", "Ax", "Aw", "LCB", "LCF", "GMl", "xFPP", "Lrefratio", "ck", "bk", "TCRk", "TRk",
    "Ak", "Sk", "Vk", "Lambda_k", "Zcbk", "LCE_k", "VCE_k", "cr", "br", "TCRr", "Ar", "Sr", "Lambda_r", "LCE_r",
    "VCE_r", "mCrew", "yCrewMax", "maxRightingMoment", "Alat"};
const std::vector<std::string> tableKeys{"Phi",    "Lwl_phi", "Bwl_phi", "Tc_phi",     "Ax_phi",
                                         "Sc_phi", "PhiRA",   "RA",      "Phi_C_form", "C_form"};

TEST(CKeuningHYDRO, ReadsAndWritesEveryMember)
{
    const CKeuningHYDRO empty(nlohmann::json::object(), "KeuningHYDRO");
    EXPECT_EQ(empty.name, "Anonymous");
    const auto defaults = empty.makeJSON();
    for (const auto& key : numberKeys)
        EXPECT_EQ(defaults.at(key), 0.0) << key;
    for (const auto& key : tableKeys)
        EXPECT_TRUE(defaults.at(key).empty()) << key;
    EXPECT_FALSE(defaults.at("useTabulatedHeeledDimensions"));

    auto element = testHullWithHeeledDimensionsJson();
    element["Vc"] = 5; // an integer is taken as a number
    element["type"] = "ignored";
    const CKeuningHYDRO source(element, "KeuningHYDRO");
    element.erase("type");
    EXPECT_EQ(source.type, "KeuningHYDRO");
    EXPECT_EQ(source.Vc, 5.0);
    EXPECT_EQ(source.Sc_phi, (std::vector<double>{24.6, 24.0, 23.2}));
    EXPECT_TRUE(source.useTabulatedHeeledDimensions);

    // Every member is written back under its own key, numbers as doubles, sorted.
    const auto written = source.makeJSON();
    EXPECT_EQ(written, element);
    for (const auto& key : numberKeys)
        EXPECT_TRUE(written.at(key).is_number_float()) << key;
    for (const auto& key : tableKeys)
        for (const auto& value : written.at(key))
            EXPECT_TRUE(value.is_number_float()) << key;

    const CKeuningHYDRO copy(nlohmann::json::parse(written.dump(4)), "KeuningHYDRO");
    EXPECT_EQ(copy.makeJSON(), written);
    EXPECT_EQ(copy.rho, 1000.0);
    EXPECT_TRUE(copy.splineSc.x.empty());
}

TEST(CKeuningHYDRO, WrongTypesRaiseTheLibrarysTypeError)
{
    const std::string prefix = "[json.exception.type_error.302] type must be ";
    const auto with = [](const char* key, nlohmann::json value) {
        auto element = testHullJson();
        element[key] = std::move(value);
        return element;
    };
    const std::vector<std::pair<nlohmann::json, std::string>> cases{
        {with("useTabulatedHeeledDimensions", 1), "boolean, but is number"},
        {with("maxRightingMoment", nlohmann::json::array()), "number, but is array"},
        {with("C_form", nlohmann::json::object()), "array, but is object"},
        {with("RA", {0.0, "x"}), "number, but is string"},
    };
    for (const auto& [element, text] : cases)
        EXPECT_EQ(typeErrorOf(hullFrom, element), prefix + text);
    EXPECT_EQ(typeErrorOf(hullFrom, nlohmann::json::array()),
              "[json.exception.type_error.306] cannot use value() with array");

    // The first wrong member in reading order stops the construction.
    auto twoWrong = with("Phi", 3);
    twoWrong["Vc"] = "x";
    EXPECT_EQ(typeErrorOf(hullFrom, twoWrong), prefix + "number, but is string");
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
    EXPECT_TRUE(hull.splineSc.x.empty());

    // With it the tabulated dimensions start at the upright values; the
    // stored table keeps its heeled angles only.
    CKeuningHYDRO heeled(testHullWithHeeledDimensionsJson(), "KeuningHYDRO");
    ASSERT_TRUE(heeled.checkAndGenerateSplines());
    EXPECT_TRUE(ui.messages.empty());
    for (const MakimaSpline* s : {&heeled.splineLwl, &heeled.splineBwl, &heeled.splineTc, &heeled.splineAx,
                                  &heeled.splineSc})
        EXPECT_EQ(s->x, (std::vector<double>{0.0, 10.0, 20.0, 30.0}));
    EXPECT_EQ(heeled.splineLwl.y, (std::vector<double>{10.0, 10.05, 10.1, 10.1}));
    EXPECT_EQ(heeled.splineBwl.y, (std::vector<double>{3.0, 2.9, 2.75, 2.6}));
    EXPECT_EQ(heeled.splineTc.y, (std::vector<double>{0.5, 0.48, 0.46, 0.43}));
    EXPECT_EQ(heeled.splineAx.y, (std::vector<double>{1.0, 0.99, 0.97, 0.95}));
    EXPECT_EQ(heeled.splineSc.y, (std::vector<double>{25.0, 24.6, 24.0, 23.2}));
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
        {"form factor of one angle", upright, {{"Phi_C_form", {30.0}}, {"C_form", {1.0, 0.9}}},
         block("C_form", twoPoints)},
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
