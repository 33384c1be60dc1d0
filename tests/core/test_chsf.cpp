#include <gtest/gtest.h>

#include <cmath>

#include "CHsf.h"
#include "DesignObjectTesting.h"

namespace {

using nlohmann::json;

CHsf hsfFrom(const char* text)
{
    return CHsf(json::parse(text), "HSF");
}

void expectCoefficients(const CHsf& sail, double awa, double cd, double cl, double tol = 1e-12)
{
    const auto [gotCd, gotCl] = sail.getCoefficients(awa);
    EXPECT_NEAR(gotCd, cd, tol) << "Cd at AWA " << awa;
    EXPECT_NEAR(gotCl, cl, tol) << "Cl at AWA " << awa;
}

TEST(CHsf, DefaultsFollowTheMembersRead)
{
    const CHsf sail = hsfFrom("{}");
    EXPECT_EQ(sail.name, "Anonymous");
    EXPECT_EQ(sail.type, "HSF");
    EXPECT_DOUBLE_EQ(sail.HLU, 10.0);
    EXPECT_DOUBLE_EQ(sail.HLP, 6.0);
    EXPECT_DOUBLE_EQ(sail.HQW, 5.0);
    EXPECT_DOUBLE_EQ(sail.HHW, 3.75);
    EXPECT_DOUBLE_EQ(sail.HTW, 2.625);
    EXPECT_DOUBLE_EQ(sail.HUW, 1.3125);
    EXPECT_DOUBLE_EQ(sail.HHB, 0.2);
    EXPECT_FALSE(sail.battens);
    EXPECT_DOUBLE_EQ(sail.quadraticDragFactor, 0.02648);

    const CHsf big = hsfFrom(R"({"HLU": 20})");
    EXPECT_DOUBLE_EQ(big.HLP, 12.0);
    EXPECT_DOUBLE_EQ(big.HQW, 10.0);
    EXPECT_DOUBLE_EQ(big.HHW, 7.5);
    EXPECT_DOUBLE_EQ(big.HTW, 5.25);
    EXPECT_DOUBLE_EQ(big.HUW, 2.625);

    const CHsf narrow = hsfFrom(R"({"HLU": 20, "HQW": 8, "Name": "Code 0", "battens": true})");
    EXPECT_EQ(narrow.name, "Code 0");
    EXPECT_DOUBLE_EQ(narrow.HHW, 6.0);
    EXPECT_DOUBLE_EQ(narrow.HTW, 4.2);
    EXPECT_DOUBLE_EQ(narrow.HUW, 2.1);
    EXPECT_TRUE(narrow.battens);
}

TEST(CHsf, WritesSortedMembersAndReadsThemBack)
{
    const CHsf sail = hsfFrom("{}");
    EXPECT_EQ(sail.makeJSON().dump(), R"({"HHB":0.2,"HHW":3.75,"HLP":6.0,"HLU":10.0,"HQW":5.0,"HTW":2.625,)"
                                      R"("HUW":1.3125,"Name":"Anonymous","battens":false})");

    const CHsf edited =
        hsfFrom(R"({"Name": "A2", "HLU": 14, "HLP": 7, "HQW": 5, "HHW": 3, "HTW": 2, "HUW": 1, "HHB": 0.1,
                    "battens": true})");
    const CHsf reread(edited.makeJSON(), "HSF");
    EXPECT_EQ(reread.makeJSON(), edited.makeJSON());
    EXPECT_EQ(reread.name, "A2");
    EXPECT_TRUE(reread.battens);
    EXPECT_EQ(reread.makeJSON()["HLU"].dump(), "14.0");
    for (double awa : {10.0, 45.0, 130.0})
        EXPECT_EQ(reread.getCoefficients(awa), edited.getCoefficients(awa));
}

TEST(CHsf, MembersOfTheWrongTypeAreRefused)
{
    EXPECT_EQ(typeErrorOf(hsfFrom, R"({"HLP": "six"})"),
              "[json.exception.type_error.302] type must be number, but is string");
    EXPECT_EQ(typeErrorOf(hsfFrom, R"({"battens": 1})"),
              "[json.exception.type_error.302] type must be boolean, but is number");
    EXPECT_EQ(typeErrorOf(hsfFrom, R"({"Name": 3})"),
              "[json.exception.type_error.302] type must be string, but is number");
    EXPECT_EQ(typeErrorOf(hsfFrom, R"({"HHB": null})"),
              "[json.exception.type_error.302] type must be number, but is null");
}

TEST(CHsf, AreaAndCentreOfEffort)
{
    const CHsf sail = hsfFrom("{}");
    const auto [area, zce] = sail.getArea(0.325, 1.0);
    EXPECT_NEAR(area, 35.46, 1e-12);
    EXPECT_NEAR(zce, 5.0648879173838015, 1e-12);
    EXPECT_NEAR(sail.getArea(4.0 / 13.5, 1.1)[1], 5.160161751447665, 1e-12);

    // An upright luff: positions along the luff are heights.
    const auto [uprightArea, uprightZce] = sail.getArea(0.0, 1.0);
    EXPECT_NEAR(uprightArea, 35.46, 1e-12);
    EXPECT_NEAR(uprightZce, 4.801224310843203, 1e-12);

    // No luff, no area: the centre stays at the tack instead of 0/0.
    const auto [noArea, noZce] = hsfFrom(R"({"HLU": 0})").getArea(0.3, 1.1);
    EXPECT_EQ(noArea, 0.0);
    EXPECT_EQ(noZce, 1.1);
}

TEST(CHsf, CoefficientsAtATabulatedRatio)
{
    CHsf sail = hsfFrom(R"({"HLP": 8, "HHW": 4})");
    expectCoefficients(sail, 45.0, 0.19, 1.498);
    expectCoefficients(sail, 7.0, 0.05, 0.0);
    expectCoefficients(sail, 180.0, 0.585, -0.1);

    sail.battens = true;
    expectCoefficients(sail, 45.0, 0.19 * 0.88, 1.498 * 1.058);
    expectCoefficients(sail, 45.0, 0.1672, 1.584884);
    expectCoefficients(sail, 180.0, 0.585, -0.1);
}

TEST(CHsf, CoefficientsBetweenAndBeyondTheTables)
{
    // Default sail, HHW/HLP = 0.625: natural cubic splines along the ratios,
    // then along the angles; below 7 and above 180 degrees straight lines.
    const CHsf sail = hsfFrom("{}");
    expectCoefficients(sail, 45.0, 0.19302496575156472, 1.3775939941652178);
    expectCoefficients(sail, 60.0, 0.32011124275693004, 1.378337334538564);
    expectCoefficients(sail, 100.0, 0.5483974745104534, 0.6614486517835702);
    expectCoefficients(sail, 3.0, 0.05263015809521876, -0.259065667792246, 1e-10);
    expectCoefficients(sail, 190.0, 0.32258727551023014, -0.029486647895110893, 1e-10);

    // Ratios outside the columns are extrapolated along each row.
    const CHsf full = hsfFrom(R"({"HLP": 6, "HHW": 5.4})");
    expectCoefficients(full, 45.0, 0.272536603504351, 0.5820738287606155, 1e-10);
    expectCoefficients(full, 100.0, 0.5552512127705417, 1.0206423002959606, 1e-10);
    const CHsf thin = hsfFrom(R"({"HLP": 6, "HHW": 2.4})");
    expectCoefficients(thin, 60.0, 0.7420914729992916, 1.0327012515393443, 1e-10);
    expectCoefficients(thin, 190.0, 1.2616606337774858, -0.4583784376632025, 1e-10);
}

TEST(CHsf, ColumnsFollowTheRatioOnlyWhenRefitted)
{
    CHsf sail = hsfFrom("{}");
    sail.HLP = 8.0;
    sail.HHW = 4.0;
    expectCoefficients(sail, 45.0, 0.19302496575156472, 1.3775939941652178);
    sail.interpolateColumns();
    expectCoefficients(sail, 45.0, 0.19, 1.498);
}

TEST(CHsf, RatioWithoutLuffPerpendicularKeepsUsableColumns)
{
    // A new sail starts from the lowest tabulated ratio.
    const CHsf fresh = hsfFrom(R"({"HLP": 0})");
    expectCoefficients(fresh, 45.0, 0.19, 1.498);
    const CHsf empty = hsfFrom(R"({"HLP": 0, "HQW": 0})");
    expectCoefficients(empty, 7.0, 0.05, 0.0);

    // An edited sail keeps the columns it had.
    CHsf sail = hsfFrom("{}");
    sail.HLP = 0.0;
    sail.interpolateColumns();
    expectCoefficients(sail, 60.0, 0.32011124275693004, 1.378337334538564);
    for (double awa = 0.0; awa <= 190.0; awa += 5.0) {
        const auto [cd, cl] = sail.getCoefficients(awa);
        EXPECT_TRUE(std::isfinite(cd) && std::isfinite(cl)) << awa;
    }
}

TEST(CHsf, CopiesOwnTheirColumns)
{
    const CHsf original = hsfFrom(R"({"Name": "orig"})");
    CHsf copy(original);
    EXPECT_EQ(copy.makeJSON(), original.makeJSON());
    EXPECT_EQ(copy.getCoefficients(45.0), original.getCoefficients(45.0));

    copy.HLP = 8.0;
    copy.HHW = 4.0;
    copy.interpolateColumns();
    expectCoefficients(copy, 45.0, 0.19, 1.498);
    expectCoefficients(original, 45.0, 0.19302496575156472, 1.3775939941652178);
}

TEST(CHsf, EditGoesToItsEditor)
{
    CHsf sail = hsfFrom("{}");
    expectEditReachesTheEditor(sail);
}

} // namespace
