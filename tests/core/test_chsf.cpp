#include "CHsf.h"
#include "DesignObjectTesting.h"

TEST(CHsf, ReadingWritingAndTypeErrors)
{
    // Defaults follow the members read before them: HLP and HQW from HLU, HHW from HQW, and so on.
    const CHsf big = parsed<CHsf>(R"({"HLU": 20})"), narrow = parsed<CHsf>(R"({"HLU": 20, "HQW": 8})");
    expectValues({big.HLP, big.HQW, big.HHW, big.HTW, big.HUW, narrow.HHW, narrow.HTW, narrow.HUW},
                 {12.0, 10.0, 7.5, 5.25, 2.625, 6.0, 4.2, 2.1});
    expectRoundTrip<CHsf>(R"({"Name": "A2", "HLU": 14, "HLP": 7, "battens": true})");
    expectTypeErrors<CHsf>("HSF", {{R"({"HLP": "six"})", "number, but is string"},
                                   {R"({"battens": 1})", "boolean, but is number"}});
}

TEST(CHsf, AreaAndCentreOfEffort)
{
    // No luff, no area: the centre stays at the tack instead of 0/0.
    expectPair(parsed<CHsf>(R"({"HLU": 0})").getArea(0.3, 1.1), 0.0, 1.1);
}

TEST(CHsf, CoefficientsAtBetweenAndBeyondTheTables)
{
    // Sail, AWA, Cd, Cl. At a tabulated ratio HHW/HLP = 0.5 the table itself; battens scale it.
    // Else natural cubic splines along the ratios, then along the angles; below 7 and above
    // 180 degrees straight lines; ratios outside the columns extrapolated along each row.
    // A new sail without luff perpendicular starts from the lowest tabulated ratio.
    const std::vector<std::tuple<const char*, double, double, double>> cases{
        {R"({"HLP": 8, "HHW": 4})", 45.0, 0.19, 1.498}, {R"({"HLP": 8, "HHW": 4})", 7.0, 0.05, 0.0},
        {R"({"HLP": 8, "HHW": 4, "battens": true})", 45.0, 0.19 * 0.88, 1.498 * 1.058},
        {R"({"HLP": 8, "HHW": 4, "battens": true})", 180.0, 0.585, -0.1},
        {"{}", 45.0, 0.19302496575156472, 1.3775939941652178}, {"{}", 100.0, 0.5483974745104534, 0.6614486517835702},
        {"{}", 3.0, 0.05263015809521876, -0.259065667792246}, {"{}", 190.0, 0.32258727551023014, -0.029486647895110893},
        {R"({"HLP": 6, "HHW": 5.4})", 45.0, 0.272536603504351, 0.5820738287606155},
        {R"({"HLP": 6, "HHW": 2.4})", 190.0, 1.2616606337774858, -0.4583784376632025},
        {R"({"HLP": 0})", 45.0, 0.19, 1.498}, {R"({"HLP": 0, "HQW": 0})", 7.0, 0.05, 0.0}};
    for (const auto& [text, awa, cd, cl] : cases)
        expectPair(parsed<CHsf>(text).getCoefficients(awa), cd, cl, 1e-10);

    // A copy owns its columns, which follow the ratio only when refitted.
    const CHsf original = parsed<CHsf>("{}");
    CHsf copy(original);
    copy.HLP = 8.0;
    copy.HHW = 4.0;
    expectPair(copy.getCoefficients(45.0), 0.19302496575156472, 1.3775939941652178);
    copy.interpolateColumns();
    expectPair(copy.getCoefficients(45.0), 0.19, 1.498);
    expectPair(original.getCoefficients(45.0), 0.19302496575156472, 1.3775939941652178);
}
