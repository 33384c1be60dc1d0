#include "CSpi.h"
#include "DesignObjectTesting.h"

TEST(CSpi, ReadingWritingAndTypeErrors)
{
    // Defaults follow the members read before them.
    const CSpi s = parsed<CSpi>(R"({"SLU": 12})");
    expectValues({s.SLE, s.SFL, s.SHW, s.SPL}, {12.0, 4.8, 4.8, 5.76});
    expectRoundTrip<CSpi>(R"({"Name": "A2", "SPITYPE": "ATOC"})");
    expectTypeErrors<CSpi>("SPI", {{R"({"SPITYPE": 1})", "string, but is number"}});
}

TEST(CSpi, AreaAndCoefficientsOfTheThreeTypes)
{
    // Mean of luff 12 and leech 11 times (4 * 6 + 5) / 6; the type changes nothing.
    const CSpi s = parsed<CSpi>(R"({"SLU": 12, "SLE": 11, "SFL": 5, "SHW": 6, "SPITYPE": "ATOP"})");
    expectPair(s.getArea(14.0, 1.2), 11.5 * 29.0 / 6.0, 0.565 * 14.0 + 1.2);
    // Each type reads its own table.
    expectPair(parsed<CSpi>("{}").getCoefficients(130.0), 0.636, 0.635);
    expectPair(parsed<CSpi>(R"({"SPITYPE": "ATOC"})").getCoefficients(130.0), 0.475, 0.372);
    expectPair(parsed<CSpi>(R"({"SPITYPE": "ATOP"})").getCoefficients(130.0), 0.62, 0.647);
}

TEST(CSpi, UnknownTypeIsLoggedAndGivesNoForce)
{
    RecordingUserInterface ui;
    for (const char* unknown : {"ss", "ATO"}) {
        const CSpi s(nlohmann::json{{"SPITYPE", unknown}}, "SPI");
        expectPair(s.getCoefficients(90.0), 0.0, 0.0);
        EXPECT_EQ(CSpi(s).makeJSON()["SPITYPE"], unknown);
    }
    EXPECT_EQ(ui.errors, (std::vector<std::string>{"Unknown spi type: ss", "Unknown spi type: ATO"}));
    EXPECT_TRUE(ui.messages.empty());
}
