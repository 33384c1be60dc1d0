#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "PolarResults.h"
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

TEST(RunChecks, ActiveSetLinesInOrder)
{
    const Sulnarsetup setup = goodSetup();
    EXPECT_EQ(checkRun(setup, completeSet()), "");
    EXPECT_EQ(checkRun(setup, ActiveSet{}), "Your active set is NOT ok. Please check the setup.\n\n"
                                             " -> Exactly ONE main sail has to be selected\n"
                                             " -> Exactly ONE rig has to be selected\n"
                                             " -> Exactly ONE hydro has to be selected\n"
                                             " -> Exactly ONE of the Jib, Spinnaker or HSF has to be selected\n");
    ActiveSet two = completeSet();
    two.spi = present<CSpi>();
    EXPECT_EQ(checkRun(setup, two), "Your active set is NOT ok. Please check the setup.\n\n"
                                    " -> Exactly ONE of the Jib, Spinnaker or HSF has to be selected\n");
}

TEST(RunChecks, RangesAtTheirBoundaries)
{
    const std::string three = "Please set exactly three TWS and TWA values in the VPP setup.";
    const std::string twaMessage = "TWA min < 10 or TWA max > 180 or TWA inc <= 1 is not allowed";
    const std::string twsMessage = "TWS min <1 or TWS max > 20 or TWS inc <= 0 is not allowed";
    const std::string seven = "Please set exactly seven initVals, lowerBounds and upperBounds in the VPP setup.";
    auto check = [](auto change) {
        Sulnarsetup setup = goodSetup();
        change(setup);
        return checkRun(setup, completeSet());
    };
    EXPECT_EQ(check([](Sulnarsetup& s) { s.twsRange = {1, 20}; }), three);
    EXPECT_EQ(check([](Sulnarsetup& s) { s.twaRange = {10, 180, 1, 2}; }), three);
    EXPECT_EQ(check([](Sulnarsetup& s) { s.twaRange = {10, 180, 1}; }), twaMessage);
    EXPECT_EQ(check([](Sulnarsetup& s) { s.twaRange = {10, 180, 1.5}; }), "");
    EXPECT_EQ(check([](Sulnarsetup& s) { s.twaRange = {10, 180.5, 10}; }), twaMessage);
    EXPECT_EQ(check([](Sulnarsetup& s) { s.twaRange = {9.9, 180, 10}; }), twaMessage);
    EXPECT_EQ(check([](Sulnarsetup& s) { s.twsRange = {1, 20, 0.5}; }), "");
    EXPECT_EQ(check([](Sulnarsetup& s) { s.twsRange = {1, 20, 0}; }), twsMessage);
    EXPECT_EQ(check([](Sulnarsetup& s) { s.twsRange = {0.9, 20, 1}; }), twsMessage);
    EXPECT_EQ(check([](Sulnarsetup& s) { s.twsRange = {1, 20.1, 1}; }), twsMessage);
    // A min above its max passes: the run makes an empty table.
    EXPECT_EQ(check([](Sulnarsetup& s) { s.twsRange = {10, 4, 1}; }), "");
    // Both ranges are checked before the start values.
    EXPECT_EQ(check([](Sulnarsetup& s) {
                  s.twsRange = {1, 20, 0};
                  s.initialValues.pop_back();
              }),
              twsMessage);
    EXPECT_EQ(check([](Sulnarsetup& s) { s.initialValues.pop_back(); }), seven);
    EXPECT_EQ(check([](Sulnarsetup& s) { s.upperBounds.push_back(1); }), seven);
}

TEST(RunChecks, RefusesRangesThatCannotEnd)
{
    const std::string twsMessage = "TWS min <1 or TWS max > 20 or TWS inc <= 0 is not allowed";
    const double nan = std::nan("");
    auto check = [](std::vector<double> tws, std::vector<double> twa) {
        Sulnarsetup setup = goodSetup();
        setup.twsRange = tws;
        setup.twaRange = twa;
        return checkRun(setup, completeSet());
    };
    // 1,000 values pass, more are refused.
    EXPECT_EQ(check({1, 1 + 999 * 0.015625, 0.015625}, {40, 180, 10}), "");
    EXPECT_EQ(check({1, 20, 0.0001}, {40, 180, 10}), twsMessage);
    EXPECT_EQ(check({1, 20, 1e-300}, {40, 180, 10}), twsMessage);
    EXPECT_EQ(check({nan, 20, 1}, {40, 180, 10}), twsMessage);
    EXPECT_EQ(check({1, 20, INFINITY}, {40, 180, 10}), twsMessage);
    EXPECT_EQ(check({4, 10, 2}, {40, nan, 10}), "TWA min < 10 or TWA max > 180 or TWA inc <= 1 is not allowed");
}

TEST(RunChecks, BoundsMustOpenARange)
{
    Sulnarsetup setup = goodSetup();
    setup.lowerBounds[3] = setup.upperBounds[3] = 2;
    EXPECT_EQ(checkRun(setup, completeSet()), "The upper bound of rudder must be greater than its lower bound in the VPP setup.");
    setup = goodSetup();
    setup.upperBounds[0] = 0.05;
    EXPECT_EQ(checkRun(setup, completeSet()), "The upper bound of speed must be greater than its lower bound in the VPP setup.");
    setup = goodSetup();
    setup.lowerBounds[6] = std::nan("");
    EXPECT_EQ(checkRun(setup, completeSet()), "The upper bound of twist must be greater than its lower bound in the VPP setup.");
}

std::vector<double> polarRow(double tws, double twa, double speed, double flag = 4)
{
    std::vector<double> row(22, 0.0);
    row[0] = flag;
    row[1] = tws;
    row[2] = twa;
    row[3] = speed;
    return row;
}

TEST(PolarCsv, WritesHeaderAndTwoDecimals)
{
    CObjectStore store;
    std::vector<double> row = polarRow(4, 52.5, 2.345);
    row[4] = -0.004;
    row[21] = 1234.5678;
    const std::string text = polarCsvText({row, polarRow(6, 40, 3)}, store.resultColumnNames);
    std::istringstream lines(text);
    std::string header, first, second, extra;
    std::getline(lines, header);
    std::getline(lines, first);
    std::getline(lines, second);
    EXPECT_FALSE(std::getline(lines, extra));
    EXPECT_EQ(text.back(), '\n');
    EXPECT_EQ(header, "resultFlag,TWS,TWA,speed,leeway,heel,rudder,flat,reef,twist,FAx,FAy,FAz,MAx,MAy,MAz,FHx,FHy,"
                      "FHz,MHx,MHy,MHz");
    // 2.345 is stored just below the half and rounds down; -0.004 keeps its sign.
    EXPECT_EQ(first, "4.00,4.00,52.50,2.35,-0.00,0.00,0.00,0.00,0.00,0.00,0.00,0.00,0.00,0.00,0.00,0.00,0.00,0.00,"
                     "0.00,0.00,0.00,1234.57");
    EXPECT_EQ(second.substr(0, 20), "4.00,6.00,40.00,3.00");
    EXPECT_EQ(polarCsvText({}, store.resultColumnNames), header + "\n");
}

TEST(PolarCsv, ReadsBackSortedAndRounded)
{
    CObjectStore store;
    const std::string text =
        polarCsvText({polarRow(8, 90, 4.126), polarRow(4, 120, 2.5), polarRow(4, 40, 1.994)}, store.resultColumnNames);
    std::istringstream in(text);
    ResultTable rows{{1.0}};
    std::string error;
    ASSERT_TRUE(readPolarCsv(in, rows, error)) << error;
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0][2], 40.0);
    EXPECT_EQ(rows[0][3], 1.99);
    EXPECT_EQ(rows[1][2], 120.0);
    EXPECT_EQ(rows[2][1], 8.0);
    EXPECT_EQ(rows[2][3], 4.13);
}

TEST(PolarCsv, ReadsLooseFieldsCarriageReturnsAndEmptyLines)
{
    std::string ones;
    for (int i = 0; i < 18; ++i)
        ones += "1,";
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

    std::istringstream headerOnly("resultFlag,TWS\n");
    rows = {{1.0}};
    ASSERT_TRUE(readPolarCsv(headerOnly, rows, error));
    EXPECT_TRUE(rows.empty());
    std::istringstream empty("");
    rows = {{1.0}};
    ASSERT_TRUE(readPolarCsv(empty, rows, error));
    EXPECT_TRUE(rows.empty());
}

TEST(PolarCsv, RefusesShortLinesAndNonFiniteValues)
{
    CObjectStore store;
    const std::string good = polarCsvText({polarRow(4, 40, 2)}, store.resultColumnNames);
    for (const std::string& bad : {good + "1,2,3\n", good + "4,6,90,nan,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1\n",
                                   good + "4,6,90,inf,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1\n",
                                   good + "4,6,90,1e999,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1\n"}) {
        ResultTable rows{{7.0}};
        std::string error;
        std::istringstream in(bad);
        EXPECT_FALSE(readPolarCsv(in, rows, error)) << bad;
        EXPECT_EQ(error, "Line 3 of the file does not hold 22 finite numbers. Nothing has been loaded.");
        EXPECT_EQ(rows, (ResultTable{{7.0}}));
    }
}

TEST(PolarCurves, OneCurvePerWindSpeedInTableOrder)
{
    const ResultTable rows{polarRow(4, 0, 2), polarRow(4, 90, 3), polarRow(6, 180, 2.5), polarRow(4, 180, 1),
                           polarRow(std::nan(""), 90, 1), std::vector<double>{1, 8, 90, 5}};
    const auto curves = polarCurves(rows);
    ASSERT_EQ(curves.size(), 2u);
    EXPECT_EQ(curves[0].tws, 4.0);
    ASSERT_EQ(curves[0].x.size(), 3u);
    EXPECT_NEAR(curves[0].x[0], 0.0, 1e-15);
    EXPECT_NEAR(curves[0].y[0], 2.0, 1e-15);
    EXPECT_NEAR(curves[0].x[1], 3.0, 1e-15);
    EXPECT_NEAR(curves[0].y[1], 0.0, 1e-15);
    EXPECT_NEAR(curves[0].y[2], -1.0, 1e-15);
    EXPECT_EQ(curves[1].tws, 6.0);
    EXPECT_NEAR(curves[1].y[0], -2.5, 1e-15);
    EXPECT_TRUE(polarCurves({}).empty());
}

TEST(PolarGrid, RayAngles)
{
    EXPECT_EQ(polarRayAngles(5).size(), 37u);
    EXPECT_EQ(polarRayAngles(7).back(), 175);
    EXPECT_EQ(polarRayAngles(0), (std::vector<int>{0}));
}

} // namespace
