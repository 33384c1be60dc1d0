#include "CHsf.h"
#include "CJib.h"
#include "CMain.h"
#include "CORCAerodynamics.h"
#include "CRig.h"
#include "CSpi.h"
#include "DesignObjectTesting.h"

namespace {

using nlohmann::json;
using Six = std::array<double, 6>;

// The sails and rig of every test, each read from a project-file element.
class SailPlan : public ::testing::Test {
protected:
    CMain main{json::object(), "MAIN"};
    CJib jib{json::object(), "JIB"};
    CSpi spiSS{json::object(), "SPI"}, spiATOC{json{{"SPITYPE", "ATOC"}}, "SPI"};
    CSpi spiATOP{json{{"SPITYPE", "ATOP"}}, "SPI"};
    CHsf hsf{json::object(), "HSF"};
    CRig rig{json::object(), "RIG"};
    const CORCAerodynamics jibbed{&main, &jib, nullptr, nullptr, &rig, false};
};

Six six(const ForceMoment& f) { return {f.Fx, f.Fy, f.Fz, f.Mx, f.My, f.Mz}; }

void expectForces(const Six& got, const Six& expected)
{
    for (std::size_t i = 0; i < 6; ++i)
        EXPECT_NEAR(got[i], expected[i], 1e-9 * (1.0 + std::fabs(expected[i]))) << "component " << i;
}

TEST(CORCAerodynamics, DepoweredGeometry)
{
    // Reef, HLPmin, HLPmax, HLUmin, HLUmax, J, P, and the LP, luff and hoist expected.
    // 1.05 J (4.2) equal to HLPmin: full luff instead of 0/0. HLPmin beyond 1.05 J with an LP
    // below it: full luff, not an extrapolated one.
    const std::vector<std::array<double, 10>> cases{
        {0.5, 4, 6, 8, 10.4, 5, 10, 4, 8, 10},       {1.0, 4, 6, 8, 10.4, 5, 10, 6, 10.4, 10},
        {0.75, 4, 6, 8, 10.4, 5, 10, 5, 9.92, 10},   {0.3, 4, 6, 8, 10.4, 5, 10, 4, 8, 6},
        {0.5, 4.2, 6, 8, 10.4, 4.0, 10, 4.2, 10.4, 10}, {1.0, 6, 4, 8, 10.4, 5, 10, 4, 10.4, 10}};
    for (const auto& c : cases) {
        const auto got = CORCAerodynamics::getDepoweredSailGeo(c[0], c[1], c[2], c[3], c[4], c[5], c[6]);
        for (std::size_t i = 0; i < 3; ++i)
            EXPECT_DOUBLE_EQ(got[i], c[7 + i]) << "reef " << c[0] << " HLPmin " << c[1] << " value " << i;
    }
}

TEST_F(SailPlan, ForcesOfEachSailPlan)
{
    const CSpi spi(json{{"SPITYPE", "ATOC"}, {"SPL", 5.4}}, "SPI");
    const CORCAerodynamics powered(&main, nullptr, &spi, nullptr, &rig, false);
    for (const auto& [area, factor] : {std::pair{100.0, 1.0700502183401361}, {60.0, 1.28}, {1000.0, 1.0}})
        EXPECT_NEAR(powered.powerFct(90.0, area), factor, 1e-12) << area;

    const CORCAerodynamics poled(&main, &jib, nullptr, nullptr, &rig, true);
    const CORCAerodynamics atoc(&main, nullptr, &spiATOC, nullptr, &rig, false);
    const CORCAerodynamics atop(&main, nullptr, &spiATOP, nullptr, &rig, false);
    const CORCAerodynamics flying(&main, nullptr, nullptr, &hsf, &rig, false);
    // Model; V, leeway, heel, flat, reef, twist, TWS, TWA; Fx, Fy, Fz, Mx, My, Mz.
    // Close hauled; past 135 degrees apparent the jib fades towards its fore-triangle part; dead
    // downwind, leeway pushes the apparent wind just past the stern, yet it counts as coming from
    // the sailing side, as with the opposite leeway. Poled jib with a shortened main hoist (reef
    // below 0.5) and twist. Spinnaker area raised by the power factor (capped), factor reefing.
    const Six running{-1246.23311414, -140.761566141, 0, 855.390938724, -6923.59964373, 0};
    const std::vector<std::tuple<const CORCAerodynamics*, std::array<double, 8>, Six>> cases{
        {&jibbed, {6, 2, 10, 0.9, 1, 0, 10, 45}, {-1928.05372767, -8740.12774363, 0, 47870.9599652, -13836.6493231, 0}},
        {&jibbed, {5, 2, 3, 1, 1, 0, 10, 170}, {-898.175350861, -250.432719165, 0, 1438.94390309, -5006.73836571, 0}},
        {&jibbed, {6, -3, 2, 1, 1, 0, 12, 180}, running}, {&jibbed, {6, 3, 2, 1, 1, 0, 12, 180}, running},
        {&poled, {6, 2, 5, 1, 0.4, 0.2, 12, 150}, {-1257.14812989, -620.346355824, 0, 2484.04286173, -6505.49404519, 0}},
        {&atoc, {7, 2, 8, 0.95, 0.8, 0.3, 12, 110}, {-2854.3260714, -3597.956047, 0, 20069.851728, -20250.705003, 0}},
        {&atop, {6, 1, 4, 1, 0.5, 0, 10, 160}, {-230.698994811, -139.999553291, 0, 453.891551224, -962.770380136, 0}},
        {&flying, {6, 3, 12, 0.85, 0.9, 0.4, 11, 75}, {-3129.7920936, -5888.3542047, 0, 29674.231544, -18775.131237, 0}}};
    for (const auto& [model, s, expected] : cases) {
        SCOPED_TRACE(s[7]);
        expectForces(six(model->getForces(s[0], s[1], s[2], s[3], s[4], s[5], s[6], s[7])), expected);
    }

    // The spinnaker wins over the headsail set flying, the jib over both.
    const auto dls = [](const CORCAerodynamics& m) { return m.getDLSForces(10, 120, 1, 1, 0); };
    EXPECT_EQ(dls({&main, nullptr, &spiSS, &hsf, &rig, false}), dls({&main, nullptr, &spiSS, nullptr, &rig, false}));
    EXPECT_EQ(dls({&main, &jib, &spiSS, &hsf, &rig, false}), dls(jibbed));

    // Beam wind on a boat at rest: the forces turn with the apparent wind, drag to leeward, lift forward.
    const auto [zce, drag, lift] = jibbed.getDLSForces(10.0, 90.0, 1.0, 1.0, 0.0);
    const ForceMoment windage = rig.getWindageForce(10.0, 90.0, 0.0, 0.0, main.P, jibbed.rho);
    expectForces(six(jibbed.getForces(0, 0, 0, 1, 1, 0, 10, 90)),
                 {windage.Fx - lift, windage.Fy - drag, 0.0, windage.Mx + zce * drag, zce * -lift, 0.0});
}

TEST_F(SailPlan, NoSailForceReefedAwayOrWithoutHeadsail)
{
    // Factor reefing, and geometric reefing: no hoist, no boom area and a jib of no size.
    const CRig shallowRig(json::parse(R"({"BD": 0.1})"), "RIG");
    const CJib noJib(json::parse(R"({"HLUmin": 0, "HLUmax": 0, "HLPmin": 0, "HLPmax": 1})"), "JIB");
    for (const CORCAerodynamics& model : {CORCAerodynamics(&main, nullptr, &spiATOC, nullptr, &rig, false),
                                          CORCAerodynamics(&main, nullptr, nullptr, &hsf, &rig, false),
                                          CORCAerodynamics(&main, &noJib, nullptr, nullptr, &shallowRig, false)})
        EXPECT_EQ(model.getDLSForces(12.0, 60.0, 1.0, 0.0, 0.3), (std::array<double, 3>{0, 0, 0}));

    // Without a headsail: only windage, and a message.
    RecordingUserInterface ui;
    const CORCAerodynamics model(&main, nullptr, nullptr, nullptr, &rig, false);
    expectForces(six(model.getForces(0, 0, 0, 1, 1, 0, 10, 90)),
                 six(rig.getWindageForce(10.0, 90.0, 0.0, 0.0, main.P, 1.225)));
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Error: Unsupported Headsail configuration"});
    EXPECT_EQ(ui.icons, std::vector<MessageIcon>{MessageIcon::Error});
}

} // namespace
