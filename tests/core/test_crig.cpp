#include <numeric>

#include "CRig.h"
#include "DesignObjectTesting.h"

namespace {

// Windage acts along x and y and heels the boat, nothing else.
void expectWindage(const ForceMoment& f, double Fx, double Fy, double Mx)
{
    expectPair({f.Fx, f.Fy}, Fx, Fy, 1e-9);
    EXPECT_NEAR(f.Mx, Mx, 1e-9);
    EXPECT_EQ((std::array<double, 3>{f.Fz, f.My, f.Mz}), (std::array<double, 3>{}));
}

TEST(CRig, SpreaderCountIsCutToAWholeNumber)
{
    // Cut toward zero; a boolean is 0 or 1; a number no int32 holds, or a text, is refused.
    for (const auto& [text, count] : std::vector<std::pair<const char*, int>>{
             {R"({"N_SPREADERS": true})", 1}, {R"({"N_SPREADERS": 3.7})", 3}, {R"({"N_SPREADERS": -0.5})", 0},
             {R"({"N_SPREADERS": -2147483648.9})", -2147483647 - 1}})
        EXPECT_EQ(parsed<CRig>(text).N_SPREADERS, count) << text;
    const char* range = "a number from -2147483648 to 2147483647, but is ";
    expectTypeErrors<CRig>("RIG", {{R"({"N_SPREADERS": "2"})", "number, but is string"},
                                   {R"({"N_SPREADERS": 1e10})", range + std::string("10000000000.0")},
                                   {R"({"N_SPREADERS": 2147483648})", range + std::string("2147483648")}});
}

TEST(CRig, WindageHeeledAtSeveralAngles)
{
    const CRig rig = parsed<CRig>("{}");
    // AWS 8: q = 39.2, at 45 degrees qx = qy = 19.6; h = 12 leaves 3 m of bare
    // mast with its centroid at (0.845 + 1.7 * 14.15) / 3 = 8.3.
    const double s = std::sin(20.0 * 3.141592653589793 / 180.0);
    // Sideways areas and heights: topsides, mast alongside the sail, bare mast, wires, fixed term.
    const double areas[] = {0.816 * 11.5 * (1.1 + 0.375 * 3.5 * s), 0.6 * 0.25 * 12.0, 0.8 * 0.25 * 3.0, 0.416, 1.08};
    const double heights[] = {0.66 * (1.1 + 3.5 * s), 2.4 + 6.0, 1.1 + 8.3, 2.4 + 7.5, 1.6 + 1.75 * s};
    const double side = 19.6 * std::accumulate(areas, areas + 5, 0.0);
    const double moment = 19.6 * std::inner_product(areas, areas + 5, heights, 0.0);
    const double headOn = (0.816 * 1.1 * 3.5 + 0.4 * 0.15 * 12.0 + 0.8 * 0.15 * 3.0 + 0.416 + 0.27) * 19.6;

    // Either tack alike, and leeway changes nothing; abaft the beam the head-on force turns forward.
    for (const auto& [awa, leeway] : std::vector<std::pair<double, double>>{{45, 0}, {-45, 0}, {45, 6}})
        expectWindage(rig.getWindageForce(8.0, awa, 20.0, leeway, 12.0, 1.225), headOn, -side, moment);
    expectWindage(rig.getWindageForce(8.0, 135.0, 20.0, 0.0, 12.0, 1.225), -headOn, -side, moment);
    // AWS 10 (q = 61.25) upright, a main sail of 16 m on the 15 m mast: no bare mast. Head-on areas
    // 3.1416 + 0.4 * 0.15 h + 0.416 + 0.27; sideways topsides 0.816 * 11.5 * 1.1 q = 632.247 at 0.726,
    // the mast alongside the sail 0.6 * 0.25 h q = 147 at 2.4 + h/2, wires 0.416 q = 25.48 at 9.9,
    // fixed 1.08 q = 66.15 at 1.6.
    expectWindage(rig.getWindageForce(10.0, 0.0, 0.0, 0.0, 16.0, 1.225),
                  (3.1416 + 0.4 * 0.15 * 16.0 + 0.416 + 0.27) * 61.25, 0.0, 0.0);
    expectWindage(rig.getWindageForce(10.0, 90.0, 0.0, 0.0, 16.0, 1.225), 0.0, -(632.247 + 147.0 + 25.48 + 66.15),
                  459.011322 + 147.0 * 10.4 + 252.252 + 105.84);
}

} // namespace
