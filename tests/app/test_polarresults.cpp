#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <sstream>

#include "PolarResults.h"
#include "ProjectTestSupport.h"
#include "Sulnarsetup.h"

namespace {

// Objects are only compared with null by the checks: any distinct address will do.
template <class T>
T* present()
{
    static char storage;
    return reinterpret_cast<T*>(&storage);
}

ActiveSet completeSet()
{
    ActiveSet set;
    set.main = present<CMain>();
    set.jib = present<CJib>();
    set.rig = present<CRig>();
    set.hull = present<CKeuningHYDRO>();
    return set;
}

Sulnarsetup goodSetup()
{
    return Sulnarsetup(nlohmann::json::parse(R"({
        "Name": "S", "TWS": [4, 10, 2], "TWA": [40, 180, 10],
        "InitialValues": [3, 3, 15, -2, 0.6, 0.8, 0.2],
        "LowerBound": [0.1, 0, 0, -10, 0.1, 0.2, 0],
        "UpperBound": [8, 10, 35, 10, 1, 1, 1]})"),
                       "VPPsetup");
}

TEST(RunChecks, RangesAtTheirBoundaries)
{
    const std::string three = "Please set exactly three TWS and TWA values in the VPP setup.";
    const std::string twa = "TWA min < 10 or TWA max > 180 or TWA inc <= 1 is not allowed";
    const std::string tws = "TWS min <1 or TWS max > 20 or TWS inc <= 0 is not allowed";
    const std::string many = "The TWS range holds more than 1000 values.";
    const double nan = std::nan("");
    const std::vector<double> goodTws{4, 10, 2}, goodTwa{40, 180, 10};
    // A min above its max passes (the run makes an empty table); 1,000 values
    // pass, more are refused, so that a run always ends.
    const std::vector<std::tuple<std::vector<double>, std::vector<double>, std::string>> cases{
        {{1, 20}, goodTwa, three},       {goodTws, {10, 180, 1, 2}, three}, {goodTws, {10, 180, 1}, twa},
        {goodTws, {10, 180, 1.5}, ""},   {goodTws, {10, 180.5, 10}, twa},   {goodTws, {9.9, 180, 10}, twa},
        {goodTws, {40, nan, 10}, twa},   {{1, 20, 0.5}, goodTwa, ""},       {{1, 20, 0}, goodTwa, tws},
        {{0.9, 20, 1}, goodTwa, tws},    {{1, 20.1, 1}, goodTwa, tws},      {{10, 4, 1}, goodTwa, ""},
        {{1, 20, 0.0001}, goodTwa, many}, {{1, 20, 1e-300}, goodTwa, many}, {{nan, 20, 1}, goodTwa, tws},
        {{1, 20, INFINITY}, goodTwa, tws}, {{1, 1 + 999 * 0.015625, 0.015625}, goodTwa, ""}};
    for (const auto& [twsRange, twaRange, expected] : cases) {
        Sulnarsetup setup = goodSetup();
        setup.twsRange = twsRange;
        setup.twaRange = twaRange;
        EXPECT_EQ(checkRun(setup, completeSet()), expected)
            << "TWS " << ::testing::PrintToString(twsRange) << " TWA " << ::testing::PrintToString(twaRange);
    }
}

TEST(RunChecks, ActiveSetStartValuesAndBounds)
{
    const Sulnarsetup good = goodSetup();
    EXPECT_EQ(checkRun(good, completeSet()), "");
    EXPECT_EQ(checkRun(good, ActiveSet{}), "Your active set is NOT ok. Please check the setup.\n\n"
                                            " -> Exactly ONE main sail has to be selected\n"
                                            " -> Exactly ONE rig has to be selected\n"
                                            " -> Exactly ONE hydro has to be selected\n"
                                            " -> Exactly ONE of the Jib, Spinnaker or HSF has to be selected\n");
    ActiveSet two = completeSet();
    two.spi = present<CSpi>();
    EXPECT_EQ(checkRun(good, two), "Your active set is NOT ok. Please check the setup.\n\n"
                                   " -> Exactly ONE of the Jib, Spinnaker or HSF has to be selected\n");

    const std::string seven = "Please set exactly seven initVals, lowerBounds and upperBounds in the VPP setup.";
    auto bound = [](const char* variable) {
        return std::string("The upper bound of ") + variable + " must be greater than its lower bound in the VPP setup.";
    };
    auto finiteBounds = [](const char* variable) {
        return std::string("The start value and the bounds of ") + variable + " must be finite numbers in the VPP setup.";
    };
    using Change = std::function<void(Sulnarsetup&)>;
    const std::vector<std::pair<Change, std::string>> cases{
        // Both ranges are checked before the start values.
        {[](Sulnarsetup& s) {
             s.twsRange = {1, 20, 0};
             s.initialValues.pop_back();
         },
         "TWS min <1 or TWS max > 20 or TWS inc <= 0 is not allowed"},
        {[](Sulnarsetup& s) { s.initialValues.pop_back(); }, seven},
        {[](Sulnarsetup& s) { s.upperBounds.push_back(1); }, seven},
        {[](Sulnarsetup& s) { s.lowerBounds[3] = s.upperBounds[3] = 2; }, bound("rudder")},
        {[](Sulnarsetup& s) { s.upperBounds[0] = 0.05; }, bound("speed")},
        {[](Sulnarsetup& s) { s.lowerBounds[6] = std::nan(""); }, finiteBounds("twist")},
        {[](Sulnarsetup& s) { s.lowerBounds[1] = -INFINITY; }, finiteBounds("leeway")},
        {[](Sulnarsetup& s) { s.initialValues[5] = INFINITY; }, finiteBounds("reef")}};
    for (const auto& [change, expected] : cases) {
        Sulnarsetup setup = goodSetup();
        change(setup);
        EXPECT_EQ(checkRun(setup, completeSet()), expected);
    }
}

std::string repeat(const std::string& text, int n)
{
    std::string result;
    for (int i = 0; i < n; ++i)
        result += text;
    return result;
}

TEST(PolarCsv, WritesTwoDecimalsAndReadsBackSorted)
{
    CObjectStore store;
    const std::string header = "resultFlag,TWS,TWA,speed,leeway,heel,rudder,flat,reef,twist,FAx,FAy,FAz,MAx,MAy,"
                               "MAz,FHx,FHy,FHz,MHx,MHy,MHz\n";
    EXPECT_EQ(polarCsvText({}, store.resultColumnNames), header);
    std::vector<double> row = polarRow(8, 52.5, 2.345);
    row[4] = -0.004;
    row[21] = 1234.5678;
    const std::string text = polarCsvText({row, polarRow(4, 120, 2.5), polarRow(4, 40, 1.994)}, store.resultColumnNames);
    // 2.345 is stored just below the half and rounds down; -0.004 keeps its sign.
    EXPECT_EQ(text, header + "4.00,8.00,52.50,2.35,-0.00" + repeat(",0.00", 16) + ",1234.57\n" +
                        "4.00,4.00,120.00,2.50" + repeat(",0.00", 18) + "\n" +
                        "4.00,4.00,40.00,1.99" + repeat(",0.00", 18) + "\n");

    std::istringstream in(text);
    ResultTable rows{{1.0}};
    std::string error;
    ASSERT_TRUE(readPolarCsv(in, rows, error)) << error;
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0][2], 40.0);
    EXPECT_EQ(rows[0][3], 1.99);
    EXPECT_EQ(rows[1][2], 120.0);
    EXPECT_EQ(rows[2][1], 8.0);
    EXPECT_EQ(rows[2][3], 2.35);
    EXPECT_TRUE(std::signbit(rows[2][4]));
}

TEST(PolarCsv, ReadsLooseLinesAndRefusesBadOnes)
{
    const std::string ones = repeat("1,", 18);
    std::istringstream in("any header at all\r\n"
                          "abc,6,40," + ones + "  3.5xyz,\r\n"
                          "\r\n"
                          "\n"
                          "2,4,90," + ones + "1\n"
                          "1,4,40,," + ones + "1");
    ResultTable rows;
    std::string error;
    ASSERT_TRUE(readPolarCsv(in, rows, error)) << error;
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0][1], 4.0);
    EXPECT_EQ(rows[0][2], 40.0);
    EXPECT_EQ(rows[0][3], 0.0); // an empty field
    EXPECT_EQ(rows[2][0], 0.0); // letters
    EXPECT_EQ(rows[2].back(), 3.5);
    EXPECT_EQ(rows[2].size(), 22u);
    // A header alone gives an empty table; a file without one is refused.
    for (const char* text : {"resultFlag,TWS\n", ""}) {
        std::istringstream nothing(text);
        rows = {{1.0}};
        EXPECT_EQ(readPolarCsv(nothing, rows, error), *text != '\0');
        EXPECT_EQ(rows.size(), *text ? 0u : 1u);
    }
    EXPECT_EQ(error, "Line 1 of the file does not hold a header. Nothing has been loaded.");

    const std::string good = "header\n4,4,40,2" + repeat(",0", 18) + "\n";
    const std::string tail = repeat(",1", 18);
    for (const std::string& bad :
         {std::string("1,2,3"), "4,6,90,nan" + tail, "4,6,90,inf" + tail, "4,6,90,1e999" + tail}) {
        rows = {{7.0}};
        std::istringstream badIn(good + bad + "\n");
        EXPECT_FALSE(readPolarCsv(badIn, rows, error)) << bad;
        EXPECT_EQ(error, "Line 3 of the file does not hold 22 finite numbers. Nothing has been loaded.");
        EXPECT_EQ(rows, (ResultTable{{7.0}}));
    }
}

// Rows of one wind speed form a curve wherever they stand; a NaN wind and a short row are left out.
TEST(PolarCurves, OneCurvePerWindSpeedInTableOrder)
{
    const auto curves = polarCurves({polarRow(4, 0, 2), polarRow(6, 180, 2.5), polarRow(4, 180, 1),
                                     polarRow(std::nan(""), 90, 1), std::vector<double>{1, 8, 90, 5}});
    ASSERT_EQ(curves.size(), 2u);
    EXPECT_EQ(curves[0].tws, 4.0);
    EXPECT_EQ(curves[0].x.size(), 2u);
    EXPECT_NEAR(curves[0].y[1], -1.0, 1e-15);
    EXPECT_EQ(curves[1].tws, 6.0);
    EXPECT_NEAR(curves[1].y[0], -2.5, 1e-15);
    EXPECT_EQ(polarRayAngles(7).back(), 175);
    EXPECT_EQ(polarRayAngles(0), (std::vector<int>{0}));
}

} // namespace
