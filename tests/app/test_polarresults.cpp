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
T* present() { static char storage; return reinterpret_cast<T*>(&storage); }

const ActiveSet complete{present<CMain>(), present<CJib>(), nullptr, nullptr, present<CRig>(), present<CKeuningHYDRO>()};

Sulnarsetup goodSetup()
{
    return Sulnarsetup(nlohmann::json::parse(R"({"Name": "S", "TWS": [4, 10, 2], "TWA": [40, 180, 10],
        "InitialValues": [3, 3, 15, -2, 0.6, 0.8, 0.2], "LowerBound": [0.1, 0, 0, -10, 0.1, 0.2, 0],
        "UpperBound": [8, 10, 35, 10, 1, 1, 1]})"),
                       "VPPsetup");
}

TEST(RunChecks, ActiveSetRangesStartValuesAndBounds)
{
    EXPECT_EQ(checkRun(goodSetup(), ActiveSet{}), "Your active set is NOT ok. Please check the setup.\n\n"
              " -> Exactly ONE main sail has to be selected\n -> Exactly ONE rig has to be selected\n"
              " -> Exactly ONE hydro has to be selected\n"
              " -> Exactly ONE of the Jib, Spinnaker or HSF has to be selected\n");

    const std::string three = "Please set exactly three TWS and TWA values in the VPP setup.";
    const std::string twa = "TWA min < 10 or TWA max > 180 or TWA inc <= 1 is not allowed";
    const std::string tws = "TWS min <1 or TWS max > 20 or TWS inc <= 0 is not allowed";
    const std::string many = "The TWS range holds more than 1000 values.";
    const std::string seven = "Please set exactly seven initVals, lowerBounds and upperBounds in the VPP setup.";
    const auto bound = [](const char* v) {
        return std::string("The upper bound of ") + v + " must be greater than its lower bound in the VPP setup.";
    };
    const auto finite = [](const char* v) {
        return std::string("The start value and the bounds of ") + v + " must be finite numbers in the VPP setup.";
    };
    const double nan = std::nan("");
    using S = Sulnarsetup&;
    // A min above its max passes (the run makes an empty table); 1,000 values pass, more are refused,
    // so that a run always ends. Both ranges are checked before the start values.
    const std::vector<std::pair<std::function<void(S)>, std::string>> cases{
        {[](S) {}, ""}, {[](S s) { s.twsRange = {1, 20}; }, three}, {[](S s) { s.twaRange = {10, 180, 1, 2}; }, three},
        {[](S s) { s.twaRange = {10, 180, 1}; }, twa}, {[](S s) { s.twaRange = {10, 180, 1.5}; }, ""},
        {[](S s) { s.twaRange = {10, 180.5, 10}; }, twa}, {[](S s) { s.twaRange = {9.9, 180, 10}; }, twa},
        {[&](S s) { s.twaRange = {40, nan, 10}; }, twa}, {[](S s) { s.twsRange = {1, 20, 0.5}; }, ""},
        {[](S s) { s.twsRange = {1, 20, 0}; }, tws}, {[](S s) { s.twsRange = {0.9, 20, 1}; }, tws},
        {[](S s) { s.twsRange = {1, 20.1, 1}; }, tws}, {[](S s) { s.twsRange = {10, 4, 1}; }, ""},
        {[](S s) { s.twsRange = {1, 20, 0.0001}; }, many}, {[&](S s) { s.twsRange = {nan, 20, 1}; }, tws},
        {[](S s) { s.twsRange = {1, 20, INFINITY}; }, tws}, {[](S s) { s.twsRange = {1, 1 + 999 * 0.015625, 0.015625}; }, ""},
        {[](S s) { s.twsRange = {1, 20, 0}; s.initialValues.pop_back(); }, tws},
        {[](S s) { s.initialValues.pop_back(); }, seven}, {[](S s) { s.upperBounds.push_back(1); }, seven},
        {[](S s) { s.lowerBounds[3] = s.upperBounds[3] = 2; }, bound("rudder")},
        {[](S s) { s.upperBounds[0] = 0.05; }, bound("speed")}, {[&](S s) { s.lowerBounds[6] = nan; }, finite("twist")},
        {[](S s) { s.lowerBounds[1] = -INFINITY; }, finite("leeway")},
        {[](S s) { s.initialValues[5] = INFINITY; }, finite("reef")}};
    for (std::size_t i = 0; i < cases.size(); ++i) {
        Sulnarsetup setup = goodSetup();
        cases[i].first(setup);
        EXPECT_EQ(checkRun(setup, complete), cases[i].second) << "case " << i;
    }
}

TEST(PolarCsv, WritesTwoDecimalsReadsLooseLinesSortedAndRefusesBadOnes)
{
    const auto repeat = [](const std::string& text, int n) { std::string r; while (n-- > 0) r += text; return r; };
    const std::string header = "resultFlag,TWS,TWA,speed,leeway,heel,rudder,flat,reef,twist,FAx,FAy,FAz,MAx,MAy,"
                               "MAz,FHx,FHy,FHz,MHx,MHy,MHz\n";
    std::vector<double> row = polarRow(8, 52.5, 2.345);
    row[4] = -0.004;
    std::tie(row[5], row[6], row[7], row[8]) = std::tuple(NAN, -NAN, INFINITY, -INFINITY);
    row[21] = 1234.5678;
    const std::string text =
        polarCsvText({row, polarRow(4, 120, 2.5), polarRow(4, 40, 1.994)}, CObjectStore().resultColumnNames);
    // 2.345 is stored just below the half and rounds down; -0.004 keeps its sign; a NaN has none.
    EXPECT_EQ(text, header + "4.00,8.00,52.50,2.35,-0.00,nan,nan,inf,-inf" + repeat(",0.00", 12) + ",1234.57\n" +
                        "4.00,4.00,120.00,2.50" + repeat(",0.00", 18) + "\n" + "4.00,4.00,40.00,1.99" +
                        repeat(",0.00", 18) + "\n");

    std::istringstream in(text);
    ResultTable rows{{1.0}};
    std::string error;
    ASSERT_TRUE(readPolarCsv(in, rows, error)) << error;
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(std::tie(rows[0][2], rows[0][3], rows[1][2], rows[2][1], rows[2][3]), std::tuple(40, 1.99, 120, 8, 2.35));
    EXPECT_TRUE(std::signbit(rows[2][4]) && std::isnan(rows[2][5]) && std::isnan(rows[2][6]));
    EXPECT_EQ(std::tie(rows[2][7], rows[2][8]), std::tuple(INFINITY, -INFINITY));
    // Values are written whole (the text after its empty header line).
    EXPECT_EQ(std::stod(polarCsvText({{1e100}}, {}).substr(1)), 1e100);

    const std::string ones = repeat("1,", 18);
    std::istringstream loose("any header at all\r\nabc,6,40," + ones + "  3.5xyz,\r\n\r\n\n2,4,90," + ones +
                             "1\n1,4,40,," + ones + "1");
    ASSERT_TRUE(readPolarCsv(loose, rows, error)) << error;
    ASSERT_EQ(rows.size(), 3u);
    // An empty field and letters read as 0; a comma at the end adds no field.
    EXPECT_EQ(std::tie(rows[0][1], rows[0][2], rows[0][3], rows[2][0], rows[2].back()), std::tuple(4, 40, 0, 0, 3.5));
    EXPECT_EQ(rows[2].size(), 22u);
    // A header alone gives an empty table; a file without one is refused.
    std::istringstream headerOnly("resultFlag,TWS\n"), nothing("");
    EXPECT_TRUE(readPolarCsv(headerOnly, rows, error) && rows.empty());
    rows = {{7.0}};
    EXPECT_FALSE(readPolarCsv(nothing, rows, error));
    EXPECT_EQ(error, "Line 1 of the file does not hold a header. Nothing has been loaded.");

    const std::string tail = repeat(",1", 18);
    for (const std::string& bad :
         {std::string("1,2,3"), "4,6,90,NaN" + tail, "4,6,90, inf" + tail, "4,6,90,1e999" + tail, "4,nan,90,1" + tail}) {
        std::istringstream badIn("header\n4,4,40,2" + repeat(",0", 18) + "\n" + bad + "\n");
        EXPECT_FALSE(readPolarCsv(badIn, rows, error)) << bad;
        EXPECT_EQ(error, "Line 3 of the file does not hold 22 numbers with a finite resultFlag, TWS and TWA. "
                         "Nothing has been loaded.");
        EXPECT_EQ(rows, (ResultTable{{7.0}}));
    }
}

// Rows of one wind speed form a curve wherever they stand; a NaN wind and a short row are left out.
TEST(PolarCurves, OneCurvePerWindSpeedInTableOrder)
{
    const auto curves = polarCurves({polarRow(4, 0, 2), polarRow(6, 180, 2.5), polarRow(4, 180, 1),
                                     polarRow(std::nan(""), 90, 1), std::vector<double>{1, 8, 90, 5}});
    ASSERT_TRUE(curves.size() == 2u && curves[0].x.size() == 2u);
    EXPECT_EQ(std::tie(curves[0].tws, curves[1].tws, curves[0].y[1], curves[1].y[0]), std::tuple(4, 6, -1.0, -2.5));
    EXPECT_EQ(polarRayAngles(7).back(), 175);
    EXPECT_EQ(polarRayAngles(0), (std::vector<int>{0}));
}

} // namespace
