#include <gtest/gtest.h>

#include <memory>

#include "CSpi.h"
#include "DesignObjectTesting.h"

namespace {

using nlohmann::json;

CSpi spiFrom(const char* text)
{
    return CSpi(json::parse(text), "SPI");
}

TEST(CSpi, DefaultsFollowTheMembersReadBefore)
{
    const CSpi d = spiFrom("{}");
    EXPECT_EQ(d.name, "Anonymous");
    EXPECT_EQ(d.type, "SPI");
    EXPECT_DOUBLE_EQ(d.SLU, 10.0);
    EXPECT_DOUBLE_EQ(d.SLE, 10.0);
    EXPECT_DOUBLE_EQ(d.SFL, 4.0);
    EXPECT_DOUBLE_EQ(d.SHW, 4.0);
    EXPECT_DOUBLE_EQ(d.SPL, 4.8);
    EXPECT_EQ(d.SPITYPE, "SS");
    EXPECT_DOUBLE_EQ(d.quadraticDragFactorSS, 0.02639);
    EXPECT_DOUBLE_EQ(d.quadraticDragFactorATOC, 0.02648);
    EXPECT_DOUBLE_EQ(d.quadraticDragFactorATOP, 0.02648);

    const CSpi s = spiFrom(R"({"SLU": 12})");
    EXPECT_DOUBLE_EQ(s.SLE, 12.0);
    EXPECT_DOUBLE_EQ(s.SFL, 4.8);
    EXPECT_DOUBLE_EQ(s.SHW, 4.8);
    EXPECT_DOUBLE_EQ(s.SPL, 5.76);
}

TEST(CSpi, WritesSortedKeysWithDoublesAndReadsThemBack)
{
    EXPECT_EQ(spiFrom("{}").makeJSON().dump(),
              R"({"Name":"Anonymous","SFL":4.0,"SHW":4.0,"SLE":10.0,"SLU":10.0,"SPITYPE":"SS","SPL":4.8})");
    const CSpi s = spiFrom(R"({"Name": "A2", "SLU": 14.5, "SLE": 13, "SPITYPE": "ATOC"})");
    const CSpi back(s.makeJSON(), "SPI");
    EXPECT_EQ(back.makeJSON(), s.makeJSON());
    EXPECT_EQ(back.SPITYPE, "ATOC");
}

TEST(CSpi, PassesTheLibraryTypeErrors)
{
    EXPECT_EQ(typeErrorOf(spiFrom, R"({"SLU": "x"})"),
              "[json.exception.type_error.302] type must be number, but is string");
    EXPECT_EQ(typeErrorOf(spiFrom, R"({"SPL": null})"),
              "[json.exception.type_error.302] type must be number, but is null");
    EXPECT_EQ(typeErrorOf(spiFrom, R"({"SPITYPE": 1})"),
              "[json.exception.type_error.302] type must be string, but is number");
}

TEST(CSpi, AreaAndCentreOfEffort)
{
    const CSpi d = spiFrom("{}");
    // 10 * (16 + 4) / 6, and 0.565 * 10 + 1.
    expectPair(d.getArea(10.0, 1.0), 100.0 / 3.0, 6.65);
    expectPair(d.getArea(13.5, 1.1), 100.0 / 3.0, 8.7275);
    // Mean of luff 12 and leech 11 times (4 * 6 + 5) / 6; the type changes nothing.
    CSpi s = spiFrom(R"({"SLU": 12, "SLE": 11, "SFL": 5, "SHW": 6})");
    expectPair(s.getArea(14.0, 1.2), 11.5 * 29.0 / 6.0, 0.565 * 14.0 + 1.2);
    s.SPITYPE = "ATOP";
    expectPair(s.getArea(14.0, 1.2), 11.5 * 29.0 / 6.0, 0.565 * 14.0 + 1.2);
}

TEST(CSpi, CoefficientsOfTheThreeTypes)
{
    CSpi s = spiFrom("{}");
    expectPair(s.getCoefficients(28.0), 0.18194, -0.0236);
    expectPair(s.getCoefficients(130.0), 0.636, 0.635);
    s.SPITYPE = "ATOC";
    expectPair(s.getCoefficients(180.0), 0.262, 0.0);
    expectPair(s.getCoefficients(130.0), 0.475, 0.372);
    const auto atocBetween = s.getCoefficients(80.0);
    s.SPITYPE = "ATOP";
    expectPair(s.getCoefficients(130.0), 0.62, 0.647);
    expectPair(s.getCoefficients(180.0), 0.63954, 0.0);

    // The asymmetric types share their knots up to 100 degrees, yet their
    // splines differ between knots.
    CSpi atoc = spiFrom(R"({"SPITYPE": "ATOC"})");
    for (const double awa : {28.0, 41.0, 60.0, 100.0}) {
        EXPECT_NEAR(atoc.getCoefficients(awa)[0], s.getCoefficients(awa)[0], 1e-12);
        EXPECT_NEAR(atoc.getCoefficients(awa)[1], s.getCoefficients(awa)[1], 1e-12);
    }
    EXPECT_NE(atocBetween[1], s.getCoefficients(80.0)[1]);
}

TEST(CSpi, CoefficientsContinueStraightBelowTheTable)
{
    const CSpi s = spiFrom("{}");
    const auto at0 = s.getCoefficients(0.0);
    const auto at14 = s.getCoefficients(14.0);
    const auto at28 = s.getCoefficients(28.0);
    for (std::size_t i = 0; i < 2; ++i)
        EXPECT_NEAR(at0[i] - at28[i], 2.0 * (at14[i] - at28[i]), 1e-12);
    EXPECT_LT(at0[1], -0.0236);
}

TEST(CSpi, UnknownTypeIsLoggedAndGivesNoForce)
{
    RecordingUserInterface ui;
    for (const char* unknown : {"ss", "ATO"}) {
        const CSpi s = CSpi(json{{"SPITYPE", unknown}}, "SPI");
        expectPair(s.getCoefficients(90.0), 0.0, 0.0);
        EXPECT_EQ(ui.errors.back(), std::string("Unknown spi type: ") + unknown);
        // The object still saves and copies.
        const CSpi copy(s);
        EXPECT_EQ(copy.makeJSON()["SPITYPE"], unknown);
    }
    EXPECT_EQ(ui.errors.size(), 2u);
    EXPECT_TRUE(ui.messages.empty());
}

TEST(CSpi, CopiesAreIndependentAndEditGoesToTheEditor)
{
    auto original = std::make_unique<CSpi>(spiFrom(R"({"SPITYPE": "ATOC"})"));
    expectEditReachesTheEditor(*original);

    const CSpi copy(*original);
    original->SLU = 1.0;
    original.reset();
    expectPair(copy.getCoefficients(180.0), 0.262, 0.0);
    expectPair(copy.getArea(10.0, 1.0), 100.0 / 3.0, 6.65);
}

} // namespace
