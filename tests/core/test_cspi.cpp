#include <gtest/gtest.h>

#include "CSpi.h"
#include "DesignObjectTesting.h"

namespace {

using nlohmann::json;

CSpi spiFrom(const char* text)
{
    return CSpi(json::parse(text), "SPI");
}

TEST(CSpi, ReadingWritingAndTypeErrors)
{
    // Defaults follow the members read before them.
    const CSpi s = spiFrom(R"({"SLU": 12})");
    expectValues({s.SLE, s.SFL, s.SHW, s.SPL}, {12.0, 4.8, 4.8, 5.76});
    EXPECT_EQ(spiFrom("{}").makeJSON().dump(),
              R"({"Name":"Anonymous","SFL":4.0,"SHW":4.0,"SLE":10.0,"SLU":10.0,"SPITYPE":"SS","SPL":4.8})");
    const CSpi edited = spiFrom(R"({"Name": "A2", "SLU": 14.5, "SLE": 13, "SPITYPE": "ATOC"})");
    EXPECT_EQ(CSpi(edited.makeJSON(), "SPI").makeJSON(), edited.makeJSON());
    expectTypeErrors<CSpi>("SPI", {{R"({"SPITYPE": 1})", "string, but is number"}});
}

TEST(CSpi, AreaAndCentreOfEffort)
{
    // 10 * (16 + 4) / 6, and 0.565 * 10 + 1.
    expectPair(spiFrom("{}").getArea(10.0, 1.0), 100.0 / 3.0, 6.65);
    // Mean of luff 12 and leech 11 times (4 * 6 + 5) / 6; the type changes nothing.
    const CSpi s = spiFrom(R"({"SLU": 12, "SLE": 11, "SFL": 5, "SHW": 6, "SPITYPE": "ATOP"})");
    expectPair(s.getArea(14.0, 1.2), 11.5 * 29.0 / 6.0, 0.565 * 14.0 + 1.2);
}

TEST(CSpi, CoefficientsOfTheThreeTypes)
{
    const CSpi ss = spiFrom("{}");
    const CSpi atoc = spiFrom(R"({"SPITYPE": "ATOC"})");
    const CSpi atop = spiFrom(R"({"SPITYPE": "ATOP"})");
    expectPair(ss.getCoefficients(28.0), 0.18194, -0.0236);
    expectPair(ss.getCoefficients(130.0), 0.636, 0.635);
    expectPair(atoc.getCoefficients(180.0), 0.262, 0.0);
    expectPair(atoc.getCoefficients(130.0), 0.475, 0.372);
    expectPair(atop.getCoefficients(130.0), 0.62, 0.647);
    expectPair(atop.getCoefficients(180.0), 0.63954, 0.0);
    // The asymmetric types share their knots up to 100 degrees, yet their splines differ between knots.
    expectPair(atoc.getCoefficients(41.0), atop.getCoefficients(41.0)[0], atop.getCoefficients(41.0)[1]);
    EXPECT_NE(atoc.getCoefficients(80.0)[1], atop.getCoefficients(80.0)[1]);
    // Below the table the coefficients continue straight.
    const auto at0 = ss.getCoefficients(0.0), at14 = ss.getCoefficients(14.0), at28 = ss.getCoefficients(28.0);
    for (std::size_t i = 0; i < 2; ++i)
        EXPECT_NEAR(at0[i] - at28[i], 2.0 * (at14[i] - at28[i]), 1e-12);
}

TEST(CSpi, UnknownTypeIsLoggedAndGivesNoForce)
{
    RecordingUserInterface ui;
    for (const char* unknown : {"ss", "ATO"}) {
        const CSpi s = CSpi(json{{"SPITYPE", unknown}}, "SPI");
        expectPair(s.getCoefficients(90.0), 0.0, 0.0);
        EXPECT_EQ(ui.errors.back(), std::string("Unknown spi type: ") + unknown);
        EXPECT_EQ(CSpi(s).makeJSON()["SPITYPE"], unknown);
    }
    EXPECT_EQ(ui.errors.size(), 2u);
    EXPECT_TRUE(ui.messages.empty());
}

} // namespace
