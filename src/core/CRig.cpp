#include "CRig.h"

#include <cmath>

#include "JsonHelpers.h"
#include "UserInterface.h"

CRig::CRig(const nlohmann::json& element, const std::string& type)
    : CObject(element.value("Name", std::string("Anonymous")), type)
{
    BD = element.value("BD", 0.3);
    IG = element.value("IG", 13.0);
    ISP = element.value("ISP", 13.5);
    BAS = element.value("BAS", 1.3);
    J = element.value("J", 4.0);
    HD = element.value("HD", 1.1);
    TPS = element.value("TPS", 4.5);
    BOA = element.value("BOA", 3.5);
    LOA = element.value("LOA", 11.5);
    MW = element.value("MW", 0.15);
    ML = element.value("ML", 0.25);
    MH = element.value("MH", 15.0);
    N_SPREADERS = readInteger(element, "N_SPREADERS", 2);
    DW = element.value("DW", 0.008);
}

nlohmann::json CRig::makeJSON() const
{
    return {{"Name", name}, {"BD", BD},   {"IG", IG},   {"ISP", ISP}, {"BAS", BAS},
            {"J", J},       {"HD", HD},   {"TPS", TPS}, {"BOA", BOA}, {"LOA", LOA},
            {"MW", MW},     {"ML", ML},   {"MH", MH},   {"N_SPREADERS", N_SPREADERS}, {"DW", DW}};
}

void CRig::edit()
{
    userInterface().edit(*this);
}

ForceMoment CRig::getWindageForce(double AWS, double AWA, double heel, double /*leeway*/, double h,
                                  double rho) const
{
    constexpr double pi = 3.141592653589793;
    const double q = 0.5 * rho * AWS * AWS;
    const double a = AWA * pi / 180.0;
    const double cosA = std::cos(a);
    const double sinA = std::sin(a);
    // Head-on pressure keeps the sign of cos a; sideways pressure is never negative.
    const double qx = q * cosA * std::fabs(cosA);
    const double qy = q * sinA * sinA;
    const double s = std::sin(heel * pi / 180.0);

    double side = 0.0;
    double headOn = 0.0;
    double heelingMoment = 0.0;
    auto add = [&](double sideways, double ahead, double height) {
        side += sideways;
        headOn += ahead;
        heelingMoment += sideways * height;
    };

    // Hull topsides.
    add(0.816 * LOA * (HD + 0.375 * BOA * s) * qy, 0.816 * HD * BOA * qx, 0.66 * (HD + BOA * s));
    // Mast alongside the main sail, from BAS to BAS + h.
    add(0.6 * ML * h * qy, 0.4 * MW * h * qx, HD + BAS + 0.5 * h);
    // Bare mast below the boom and above the main sail's head; a sail set along
    // the whole mast or more leaves none.
    const double bare = MH - h;
    if (bare > 0.0) {
        const double zb = (0.5 * BAS * BAS + (bare - BAS) * (BAS + h + 0.5 * (bare - BAS))) / bare;
        add(0.8 * ML * bare * qy, 0.8 * MW * bare * qx, HD + zb);
    }
    // Rigging wires.
    const double wireArea = 2.0 * IG * DW * (1.0 + 0.5 * N_SPREADERS);
    add(wireArea * qy, wireArea * qx, HD + BAS + 0.5 * MH);
    // Fixed term.
    add(1.08 * qy, 0.27 * qx, HD + 0.5 + 0.5 * BOA * s);

    ForceMoment result;
    result.Fx = headOn;
    result.Fy = -side;
    result.Mx = heelingMoment;
    return result;
}
