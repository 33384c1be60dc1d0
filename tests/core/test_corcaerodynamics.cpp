#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "CHsf.h"
#include "CJib.h"
#include "CMain.h"
#include "CORCAerodynamics.h"
#include "CRig.h"
#include "CSpi.h"
#include "RecordingUserInterface.h"

namespace {

using nlohmann::json;

constexpr double pi = 3.141592653589793;

// The sails and rig of every test, each read from a project-file element.
class SailPlan : public ::testing::Test {
protected:
    CMain main{json::parse(R"({"Name": "main"})"), "MAIN"};
    CJib jib{json::parse(R"({"Name": "jib"})"), "JIB"};
    CSpi spiSS{json::parse(R"({"SPITYPE": "SS"})"), "SPI"};
    CSpi spiATOC{json::parse(R"({"SPITYPE": "ATOC"})"), "SPI"};
    CSpi spiATOP{json::parse(R"({"SPITYPE": "ATOP"})"), "SPI"};
    CHsf hsf{json::parse("{}"), "HSF"};
    CRig rig{json::parse("{}"), "RIG"};
};

// Boat state and wind: V, leeway, heel, flat, reef, twist, TWS, TWA.
struct State {
    double V, leeway, heel, flat, reef, twist, TWS, TWA;
};

ForceMoment forcesAt(const CORCAerodynamics& model, const State& s)
{
    return model.getForces(s.V, s.leeway, s.heel, s.flat, s.reef, s.twist, s.TWS, s.TWA);
}

std::vector<double> components(const ForceMoment& f)
{
    return {f.Fx, f.Fy, f.Fz, f.Mx, f.My, f.Mz};
}

void expectForces(const ForceMoment& got, const std::vector<double>& expected)
{
    const auto values = components(got);
    for (std::size_t i = 0; i < values.size(); ++i)
        EXPECT_NEAR(values[i], expected[i], 1e-9 * (1.0 + std::fabs(expected[i]))) << "component " << i;
}

TEST(CORCAerodynamics, DepoweredGeometry)
{
    // Reef, HLPmin, HLPmax, HLUmin, HLUmax, J, P, and the LP, luff and hoist expected.
    const std::vector<std::array<double, 10>> cases{
        {0.5, 4, 6, 8, 10.4, 5, 10, 4, 8, 10},
        {1.0, 4, 6, 8, 10.4, 5, 10, 6, 10.4, 10},
        {0.75, 4, 6, 8, 10.4, 5, 10, 5, 9.92, 10},
        {0.3, 4, 6, 8, 10.4, 5, 10, 4, 8, 6},
        // 1.05 J (4.2) equal to HLPmin: full luff instead of 0/0.
        {0.5, 4.2, 6, 8, 10.4, 4.0, 10, 4.2, 10.4, 10},
        // HLPmin beyond 1.05 J with an LP below it: full luff, not an extrapolated one.
        {1.0, 6, 4, 8, 10.4, 5, 10, 4, 10.4, 10},
    };
    for (const auto& c : cases) {
        const auto got = CORCAerodynamics::getDepoweredSailGeo(c[0], c[1], c[2], c[3], c[4], c[5], c[6]);
        for (std::size_t i = 0; i < 3; ++i)
            EXPECT_DOUBLE_EQ(got[i], c[7 + i]) << "reef " << c[0] << " HLPmin " << c[1] << " value " << i;
    }
}

TEST_F(SailPlan, PowerFactorOfACentrelineAsymmetric)
{
    const CSpi spi(json::parse(R"({"SPITYPE": "ATOC", "SPL": 5.4})"), "SPI");
    const CORCAerodynamics model(&main, nullptr, &spi, nullptr, &rig, false);
    EXPECT_NEAR(model.powerFct(90.0, 100.0), 1.0700502183401361, 1e-12);
    EXPECT_DOUBLE_EQ(model.powerFct(90.0, 60.0), 1.28);
    EXPECT_DOUBLE_EQ(model.powerFct(90.0, 1000.0), 1.0);
}

TEST_F(SailPlan, MainAndJib)
{
    const CORCAerodynamics model(&main, &jib, nullptr, nullptr, &rig, false);
    // Close hauled, full sail.
    expectForces(forcesAt(model, {6, 2, 10, 0.9, 1, 0, 10, 45}),
                 {-1928.0537276655382, -8740.127743629298, 0.0, 47870.959965222275, -13836.649323098267, 0.0});
    // Broad reach past 135 degrees apparent: the jib fades towards its fore-triangle part.
    expectForces(forcesAt(model, {5, 2, 3, 1, 1, 0, 10, 170}),
                 {-898.175350861446, -250.43271916536463, 0.0, 1438.9439030884728, -5006.738365713984, 0.0});

    const CORCAerodynamics poled(&main, &jib, nullptr, nullptr, &rig, true);
    // Poled jib with a shortened main hoist (reef below 0.5) and twist.
    expectForces(forcesAt(poled, {6, 2, 5, 1, 0.4, 0.2, 12, 150}),
                 {-1257.1481298851006, -620.3463558238359, 0.0, 2484.042861726859, -6505.494045191864, 0.0});
}

TEST_F(SailPlan, MainAndSpinnakers)
{
    // Area raised by the power factor (capped), factor reefing and twist.
    expectForces(forcesAt(CORCAerodynamics(&main, nullptr, &spiATOC, nullptr, &rig, false),
                          {7, 2, 8, 0.95, 0.8, 0.3, 12, 110}),
                 {-2854.326071445361, -3597.9560469609924, 0.0, 20069.851728199603, -20250.705002707484, 0.0});
    expectForces(forcesAt(CORCAerodynamics(&main, nullptr, &spiATOP, nullptr, &rig, false),
                          {6, 1, 4, 1, 0.5, 0, 10, 160}),
                 {-230.6989948111245, -139.9995532905383, 0.0, 453.89155122448756, -962.7703801364027, 0.0});
}

TEST_F(SailPlan, MainAndHeadsailSetFlying)
{
    expectForces(forcesAt(CORCAerodynamics(&main, nullptr, nullptr, &hsf, &rig, false),
                          {6, 3, 12, 0.85, 0.9, 0.4, 11, 75}),
                 {-3129.792093615481, -5888.354204683655, 0.0, 29674.23154429532, -18775.13123698425, 0.0});
    // The spinnaker wins over the headsail set flying, the jib over both.
    const CORCAerodynamics spiFirst(&main, nullptr, &spiSS, &hsf, &rig, false);
    const CORCAerodynamics spiOnly(&main, nullptr, &spiSS, nullptr, &rig, false);
    EXPECT_EQ(spiFirst.getDLSForces(10, 120, 1, 1, 0), spiOnly.getDLSForces(10, 120, 1, 1, 0));
    const CORCAerodynamics jibFirst(&main, &jib, &spiSS, &hsf, &rig, false);
    const CORCAerodynamics jibOnly(&main, &jib, nullptr, nullptr, &rig, false);
    EXPECT_EQ(jibFirst.getDLSForces(10, 120, 1, 1, 0), jibOnly.getDLSForces(10, 120, 1, 1, 0));
}

TEST_F(SailPlan, ForcesTurnWithTheApparentWind)
{
    const CORCAerodynamics model(&main, &jib, nullptr, nullptr, &rig, false);
    // Beam wind on a boat at rest: drag to leeward, lift forward.
    const auto [zce, drag, lift] = model.getDLSForces(10.0, 90.0, 1.0, 1.0, 0.0);
    const ForceMoment windage = rig.getWindageForce(10.0, 90.0, 0.0, 0.0, main.P, model.rho);
    const ForceMoment total = model.getForces(0, 0, 0, 1, 1, 0, 10, 90);
    EXPECT_NEAR(total.Fx - windage.Fx, -lift, 1e-9);
    EXPECT_NEAR(total.Fy - windage.Fy, -drag, 1e-9);
    EXPECT_NEAR(total.Mx - windage.Mx, zce * drag, 1e-9);
    EXPECT_NEAR(total.My, zce * -lift, 1e-9);
    EXPECT_EQ(total.Mz, 0.0);

    // Twist 0 neither adds drag nor moves the centre of effort; twist does both.
    const auto twisted = model.getDLSForces(10.0, 90.0, 1.0, 1.0, 0.5);
    EXPECT_GT(twisted[1], drag);
    EXPECT_LT(twisted[0], zce);
    EXPECT_EQ(twisted[2], lift);
}

TEST_F(SailPlan, DeadDownwindWithLeewayStaysOnTheSailingSide)
{
    const CORCAerodynamics model(&main, &jib, nullptr, nullptr, &rig, false);
    // Leeway pushes the apparent wind just past the stern; it counts as
    // coming from the sailing side, as with the opposite leeway.
    const ForceMoment past = forcesAt(model, {6, 3, 2, 1, 1, 0, 12, 180});
    const ForceMoment onSide = forcesAt(model, {6, -3, 2, 1, 1, 0, 12, 180});
    expectForces(onSide,
                 {-1246.23311413815, -140.7615661412223, 0.0, 855.3909387239784, -6923.599643729649, 0.0});
    expectForces(past, components(onSide));

    // With a spinnaker of the same size as ten degrees higher.
    const CORCAerodynamics running(&main, nullptr, &spiATOC, nullptr, &rig, false);
    const double ratio = forcesAt(running, {7, 2, 1, 1, 1, 0, 14, 180}).Fx / forcesAt(running, {7, 2, 1, 1, 1, 0, 14, 170}).Fx;
    EXPECT_TRUE(ratio > 0.5 && ratio < 2.0) << ratio;
}

TEST_F(SailPlan, SailPlanReefedAwayCarriesNoForce)
{
    const CORCAerodynamics spinnaker(&main, nullptr, &spiATOC, nullptr, &rig, false);
    const CORCAerodynamics flying(&main, nullptr, nullptr, &hsf, &rig, false);
    for (const CORCAerodynamics* model : {&spinnaker, &flying}) {
        EXPECT_EQ(model->getDLSForces(12.0, 60.0, 1.0, 0.0, 0.3), (std::array<double, 3>{0, 0, 0}));
        const ForceMoment bare = model->getForces(6, 3, 10, 1, 0, 0.3, 12, 60);
        const double awx = 12.0 * std::cos(60.0 * pi / 180) + 6.0 * std::cos(3.0 * pi / 180);
        const double awy = (12.0 * std::sin(60.0 * pi / 180) - 6.0 * std::sin(3.0 * pi / 180))
                           * std::cos(10.0 * pi / 180);
        const ForceMoment windage = rig.getWindageForce(std::hypot(awx, awy),
                                                             std::atan2(awy, awx) * 180 / pi, 10, 3, 0.0, 1.225);
        expectForces(bare, components(windage));
    }

    // Geometric reefing: no hoist, no boom area and a jib of no size.
    const CMain shallowBoom(json::parse("{}"), "MAIN");
    const CRig shallowRig(json::parse(R"({"BD": 0.1})"), "RIG");
    const CJib noJib(json::parse(R"({"HLUmin": 0, "HLUmax": 0, "HLPmin": 0, "HLPmax": 1})"), "JIB");
    const CORCAerodynamics geometric(&shallowBoom, &noJib, nullptr, nullptr, &shallowRig, false);
    EXPECT_EQ(geometric.getDLSForces(12.0, 60.0, 1.0, 0.0, 0.0), (std::array<double, 3>{0, 0, 0}));

    // The main reefed away beside a full jib leaves the jib's force alone.
    const CORCAerodynamics jibOnly(&shallowBoom, &jib, nullptr, nullptr, &shallowRig, false);
    const auto [zce, drag, lift] = jibOnly.getDLSForces(12.0, 60.0, 1.0, 0.0, 0.0);
    EXPECT_TRUE(std::isfinite(zce) && std::isfinite(drag) && lift > 0.0);
}

TEST_F(SailPlan, NoHeadsailIsReported)
{
    RecordingUserInterface ui;
    const CORCAerodynamics model(&main, nullptr, nullptr, nullptr, &rig, false);
    const ForceMoment forces = model.getForces(0, 0, 0, 1, 1, 0, 10, 90);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], "Error: Unsupported Headsail configuration");
    EXPECT_EQ(ui.icons[0], MessageIcon::Error);
    expectForces(forces, components(rig.getWindageForce(10.0, 90.0, 0.0, 0.0, main.P, 1.225)));
}

} // namespace
