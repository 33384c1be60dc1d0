// The hull data set as a design object: reading, writing, copying, editing and
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

const std::vector<std::string> numberKeys{"Vc",       "Tc",
                                          "Lwl",      "Bwl",
                                          "Sc",       "Ax",
                                          "Aw",       "LCB",
                                          "LCF",      "GMl",
                                          "xFPP",     "Lrefratio",
                                          "ck",       "bk",
                                          "TCRk",     "TRk",
                                          "Ak",       "Sk",
                                          "Vk",       "Lambda_k",
                                          "Zcbk",     "LCE_k",
                                          "VCE_k",    "cr",
                                          "br",       "TCRr",
                                          "Ar",       "Sr",
                                          "Lambda_r", "LCE_r",
                                          "VCE_r",    "mCrew",
                                          "yCrewMax", "maxRightingMoment"};
const std::vector<std::string> tableKeys{"Phi",    "Lwl_phi", "Bwl_phi", "Tc_phi",     "Ax_phi",
                                         "Sc_phi", "PhiRA",   "RA",      "Phi_C_form", "C_form"};

TEST(CKeuningHYDRO, EmptyElementGivesDefaults)
{
    const CKeuningHYDRO hull(nlohmann::json::object(), "KeuningHYDRO");
    EXPECT_EQ(hull.name, "Anonymous");
    EXPECT_EQ(hull.type, "KeuningHYDRO");
    EXPECT_EQ(hull.rho, 1000.0);
    EXPECT_EQ(hull.nu, 1.19e-6);
    EXPECT_EQ(hull.g, 9.8065);
    const auto written = hull.makeJSON();
    for (const auto& key : numberKeys)
        EXPECT_EQ(written.at(key), 0.0) << key;
    for (const auto& key : tableKeys)
        EXPECT_TRUE(written.at(key).empty()) << key;
    EXPECT_EQ(hull.Alat, 0.0);
    EXPECT_FALSE(hull.useTabulatedHeeledDimensions);
    EXPECT_TRUE(hull.splineRA.x.empty());
}

TEST(CKeuningHYDRO, ReadsEveryMember)
{
    auto element = testHullWithHeeledDimensionsJson();
    element["Vc"] = 5; // an integer is taken as a number
    element["type"] = "ignored";
    const CKeuningHYDRO hull(element, "KeuningHYDRO");
    EXPECT_EQ(hull.name, "Test yacht 10m");
    EXPECT_EQ(hull.type, "KeuningHYDRO");
    EXPECT_EQ(hull.Vc, 5.0);
    EXPECT_EQ(hull.Tc, 0.5);
    EXPECT_EQ(hull.xFPP, -0.5);
    EXPECT_EQ(hull.Lrefratio, 0.7);
    EXPECT_EQ(hull.Lambda_k, 10.0);
    EXPECT_EQ(hull.VCE_r, -0.7);
    EXPECT_EQ(hull.maxRightingMoment, 30000.0);
    EXPECT_EQ(hull.Sc_phi, (std::vector<double>{24.6, 24.0, 23.2}));
    EXPECT_EQ(hull.RA, (std::vector<double>{0.0, 0.22, 0.40, 0.48, 0.46}));
    EXPECT_EQ(hull.C_form, (std::vector<double>{1.0, 0.95, 0.9}));
    EXPECT_EQ(hull.Alat, 6.0);
    EXPECT_TRUE(hull.useTabulatedHeeledDimensions);
}

TEST(CKeuningHYDRO, WrongTypesRaiseTheLibrarysTypeError)
{
    const std::string prefix = "[json.exception.type_error.302] ";
    const auto with = [](const char* key, nlohmann::json value) {
        auto element = testHullJson();
        element[key] = std::move(value);
        return element;
    };
    EXPECT_EQ(typeErrorOf(hullFrom, with("useTabulatedHeeledDimensions", 1)),
              prefix + "type must be boolean, but is number");
    EXPECT_EQ(typeErrorOf(hullFrom, with("useTabulatedHeeledDimensions", "true")),
              prefix + "type must be boolean, but is string");
    EXPECT_EQ(typeErrorOf(hullFrom, with("useTabulatedHeeledDimensions", nullptr)),
              prefix + "type must be boolean, but is null");
    EXPECT_EQ(typeErrorOf(hullFrom, with("Vc", "5")), prefix + "type must be number, but is string");
    EXPECT_EQ(typeErrorOf(hullFrom, with("Vc", true)), prefix + "type must be number, but is boolean");
    EXPECT_EQ(typeErrorOf(hullFrom, with("maxRightingMoment", nlohmann::json::array())),
              prefix + "type must be number, but is array");
    EXPECT_EQ(typeErrorOf(hullFrom, with("Alat", nullptr)), prefix + "type must be number, but is null");
    EXPECT_EQ(typeErrorOf(hullFrom, with("Phi", 10)), prefix + "type must be array, but is number");
    EXPECT_EQ(typeErrorOf(hullFrom, with("C_form", nlohmann::json::object())),
              prefix + "type must be array, but is object");
    EXPECT_EQ(typeErrorOf(hullFrom, with("RA", {0.0, "x"})), prefix + "type must be number, but is string");
    EXPECT_EQ(typeErrorOf(hullFrom, with("Name", 5)), prefix + "type must be string, but is number");

    EXPECT_EQ(typeErrorOf(hullFrom, nlohmann::json::array()),
              "[json.exception.type_error.306] cannot use value() with array");

    // The first wrong member in reading order stops the construction.
    auto twoWrong = with("Phi", 3);
    twoWrong["Vc"] = "x";
    EXPECT_EQ(typeErrorOf(hullFrom, twoWrong), prefix + "type must be number, but is string");
}

TEST(CKeuningHYDRO, JsonRoundTrip)
{
    const CKeuningHYDRO source(testHullWithHeeledDimensionsJson(), "KeuningHYDRO");
    const auto written = source.makeJSON();
    EXPECT_EQ(written.size(), 47u);
    for (const char* absent : {"type", "rho", "nu", "g"})
        EXPECT_FALSE(written.contains(absent)) << absent;
    for (const auto& key : numberKeys)
        EXPECT_TRUE(written.at(key).is_number_float()) << key;
    for (const auto& key : tableKeys)
        for (const auto& value : written.at(key))
            EXPECT_TRUE(value.is_number_float()) << key;
    EXPECT_TRUE(written.at("useTabulatedHeeledDimensions").is_boolean());
    EXPECT_EQ(written.begin().key(), "Ak");
    EXPECT_EQ(std::prev(written.end()).key(), "yCrewMax");
    // Whole values keep their decimal point, so they are read back as numbers of the same kind.
    EXPECT_NE(written.dump().find("\"Lwl\":10.0"), std::string::npos);

    const CKeuningHYDRO copy(nlohmann::json::parse(written.dump(4)), "KeuningHYDRO");
    EXPECT_EQ(copy.makeJSON(), written);
    EXPECT_EQ(copy.name, source.name);
    EXPECT_EQ(copy.rho, 1000.0);
    EXPECT_TRUE(copy.splineSc.x.empty());
}

TEST(CKeuningHYDRO, CopyOwnsItsTablesAndSplines)
{
    RecordingUserInterface ui;
    CKeuningHYDRO source(testHullWithHeeledDimensionsJson(), "KeuningHYDRO");
    ASSERT_TRUE(source.checkAndGenerateSplines());
    const CKeuningHYDRO copy(source);
    EXPECT_EQ(copy.makeJSON(), source.makeJSON());
    EXPECT_EQ(copy.type, "KeuningHYDRO");
    for (double heel : {0.0, 7.0, 22.0, 50.0}) {
        EXPECT_EQ(copy.splineRA(heel), source.splineRA(heel));
        EXPECT_EQ(copy.splineSc(heel), source.splineSc(heel));
    }

    source.RA = {0.0, 0.3, 0.5, 0.6, 0.55};
    source.Sc_phi = {20.0, 19.0, 18.0};
    ASSERT_TRUE(source.checkAndGenerateSplines());
    EXPECT_EQ(copy.RA[1], 0.22);
    EXPECT_DOUBLE_EQ(copy.splineRA(15.0), 0.22);
    EXPECT_DOUBLE_EQ(copy.splineSc(20.0), 24.0);
    EXPECT_DOUBLE_EQ(source.splineRA(15.0), 0.3);
}

TEST(CKeuningHYDRO, EditGoesToTheInstalledEditor)
{
    CKeuningHYDRO hull(testHullJson(), "KeuningHYDRO");
    expectEditReachesTheEditor(hull);
}

TEST(CKeuningHYDROSplines, ValidTablesBuildWithoutMessage)
{
    RecordingUserInterface ui;
    auto element = testHullJson();
    element["PhiRA"] = {0.0, 30.0, 60.0};
    element["RA"] = {0.0, 0.5, 0.6};
    element["Phi_C_form"] = {0.0, 30.0};
    element["C_form"] = {1.0, 1.0};
    CKeuningHYDRO hull(element, "KeuningHYDRO");
    EXPECT_TRUE(hull.checkAndGenerateSplines());
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(hull.splineRA.x, (std::vector<double>{0.0, 30.0, 60.0}));
    EXPECT_DOUBLE_EQ(hull.splineC_form(12.0), 1.0);
    // Without the flag the heeled-dimension splines are not touched.
    EXPECT_TRUE(hull.splineLwl.x.empty());
    EXPECT_TRUE(hull.splineSc.x.empty());
}

TEST(CKeuningHYDROSplines, TabulatedDimensionsStartAtTheUprightValues)
{
    RecordingUserInterface ui;
    CKeuningHYDRO hull(testHullWithHeeledDimensionsJson(), "KeuningHYDRO");
    ASSERT_TRUE(hull.checkAndGenerateSplines());
    EXPECT_TRUE(ui.messages.empty());
    const std::vector<double> knots{0.0, 10.0, 20.0, 30.0};
    EXPECT_EQ(hull.splineLwl.x, knots);
    EXPECT_EQ(hull.splineLwl.y, (std::vector<double>{10.0, 10.05, 10.1, 10.1}));
    EXPECT_EQ(hull.splineBwl.y, (std::vector<double>{3.0, 2.9, 2.75, 2.6}));
    EXPECT_EQ(hull.splineTc.y, (std::vector<double>{0.5, 0.48, 0.46, 0.43}));
    EXPECT_EQ(hull.splineAx.y, (std::vector<double>{1.0, 0.99, 0.97, 0.95}));
    EXPECT_EQ(hull.splineSc.y, (std::vector<double>{25.0, 24.6, 24.0, 23.2}));
    EXPECT_DOUBLE_EQ(hull.splineSc(0.0), 25.0);
    EXPECT_DOUBLE_EQ(hull.splineTc(0.0), 0.5);
    // The stored table keeps its heeled angles only.
    EXPECT_EQ(hull.Phi, (std::vector<double>{10.0, 20.0, 30.0}));
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
    const std::vector<Case> cases{
        {"no righting arm",
         upright,
         {{"PhiRA", nlohmann::json::array()}, {"RA", nlohmann::json::array()}},
         block("RA", twoPoints)},
        {"neither righting arm nor form factor",
         upright,
         {{"PhiRA", nlohmann::json::array()},
          {"RA", nlohmann::json::array()},
          {"Phi_C_form", nlohmann::json::array()},
          {"C_form", nlohmann::json::array()}},
         block("RA", twoPoints) + block("C_form", twoPoints)},
        {"heeled table listing the upright angle",
         heeled,
         {{"Phi", {0.0, 10.0, 20.0}}, {"RA", {0.0}}},
         block("Lwl", increasing) + block("Bwl", increasing) + block("Tc", increasing) + block("Ax", increasing) +
             block("Sc", increasing) + block("RA", twoPoints)},
        {"empty heeled table",
         upright,
         {{"useTabulatedHeeledDimensions", true}},
         block("Lwl", twoPoints) + block("Bwl", twoPoints) + block("Tc", twoPoints) + block("Ax", twoPoints) +
             block("Sc", twoPoints)},
        {"one short heeled table",
         heeled,
         {{"Phi", {10.0, 20.0}},
          {"Lwl_phi", {7.9}},
          {"Bwl_phi", {2.9, 2.8}},
          {"Tc_phi", {0.48, 0.46}},
          {"Ax_phi", {0.99, 0.97}},
          {"Sc_phi", {24.6, 24.0}}},
         block("Lwl", twoPoints)},
        {"form factor of one angle",
         upright,
         {{"Phi_C_form", {30.0}}, {"C_form", {1.0, 0.9}}},
         block("C_form", twoPoints)},
        {"form factor with both faults",
         upright,
         {{"Phi_C_form", {30.0, 0.0}}, {"C_form", {1.0}}},
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
    // The stored tables are left as they are.
    EXPECT_TRUE(hull.RA.empty());

    hull.RA = {0.0, 0.22, 0.40, 0.48, 0.46};
    EXPECT_TRUE(hull.checkAndGenerateSplines());
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_DOUBLE_EQ(hull.splineRA(30.0), 0.40);

    // A later failure keeps the spline built before.
    hull.RA = {0.0};
    EXPECT_FALSE(hull.checkAndGenerateSplines());
    EXPECT_DOUBLE_EQ(hull.splineRA(30.0), 0.40);
}

} // namespace
