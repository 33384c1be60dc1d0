#include "CKeuningHYDRO.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "HeeledWettedSurface.h"
#include "JsonHelpers.h"
#include "UserInterface.h"

namespace {

constexpr double pi = std::numbers::pi;
constexpr double degToRad = pi / 180.0;

// The number fields and the tables as they are named in the project file, in
// the order in which they are read.
using NumberField = double CKeuningHYDRO::*;
using TableField = std::vector<double> CKeuningHYDRO::*;

constexpr std::array<std::pair<const char*, NumberField>, 34> numberFields{{
    {"Vc", &CKeuningHYDRO::Vc},
    {"Tc", &CKeuningHYDRO::Tc},
    {"Lwl", &CKeuningHYDRO::Lwl},
    {"Bwl", &CKeuningHYDRO::Bwl},
    {"Sc", &CKeuningHYDRO::Sc},
    {"Ax", &CKeuningHYDRO::Ax},
    {"Aw", &CKeuningHYDRO::Aw},
    {"LCB", &CKeuningHYDRO::LCB},
    {"LCF", &CKeuningHYDRO::LCF},
    {"GMl", &CKeuningHYDRO::GMl},
    {"xFPP", &CKeuningHYDRO::xFPP},
    {"Lrefratio", &CKeuningHYDRO::Lrefratio},
    {"ck", &CKeuningHYDRO::ck},
    {"bk", &CKeuningHYDRO::bk},
    {"TCRk", &CKeuningHYDRO::TCRk},
    {"TRk", &CKeuningHYDRO::TRk},
    {"Ak", &CKeuningHYDRO::Ak},
    {"Sk", &CKeuningHYDRO::Sk},
    {"Vk", &CKeuningHYDRO::Vk},
    {"Lambda_k", &CKeuningHYDRO::Lambda_k},
    {"Zcbk", &CKeuningHYDRO::Zcbk},
    {"LCE_k", &CKeuningHYDRO::LCE_k},
    {"VCE_k", &CKeuningHYDRO::VCE_k},
    {"cr", &CKeuningHYDRO::cr},
    {"br", &CKeuningHYDRO::br},
    {"TCRr", &CKeuningHYDRO::TCRr},
    {"Ar", &CKeuningHYDRO::Ar},
    {"Sr", &CKeuningHYDRO::Sr},
    {"Lambda_r", &CKeuningHYDRO::Lambda_r},
    {"LCE_r", &CKeuningHYDRO::LCE_r},
    {"VCE_r", &CKeuningHYDRO::VCE_r},
    {"mCrew", &CKeuningHYDRO::mCrew},
    {"yCrewMax", &CKeuningHYDRO::yCrewMax},
    {"maxRightingMoment", &CKeuningHYDRO::maxRightingMoment},
}};

constexpr std::array<std::pair<const char*, TableField>, 10> tableFields{{
    {"Phi", &CKeuningHYDRO::Phi},
    {"Lwl_phi", &CKeuningHYDRO::Lwl_phi},
    {"Bwl_phi", &CKeuningHYDRO::Bwl_phi},
    {"Tc_phi", &CKeuningHYDRO::Tc_phi},
    {"Ax_phi", &CKeuningHYDRO::Ax_phi},
    {"Sc_phi", &CKeuningHYDRO::Sc_phi},
    {"PhiRA", &CKeuningHYDRO::PhiRA},
    {"RA", &CKeuningHYDRO::RA},
    {"Phi_C_form", &CKeuningHYDRO::Phi_C_form},
    {"C_form", &CKeuningHYDRO::C_form},
}};

// One spline per coefficient column of a regression table whose rows are
// {grid value, coefficient 0, coefficient 1, ...}.
std::vector<MakimaSpline> columnSplines(const std::vector<std::vector<double>>& table)
{
    std::vector<double> grid;
    for (const auto& row : table)
        grid.push_back(row[0]);
    std::vector<MakimaSpline> splines;
    for (std::size_t column = 1; column < table.front().size(); ++column) {
        std::vector<double> values;
        for (const auto& row : table)
            values.push_back(row[column]);
        splines.emplace_back(grid, values);
    }
    return splines;
}

// A table over heel of a symmetric hull that changes sign with the heel (the
// righting arm): a heel to the other side reads the mirrored value.
double antisymmetricInHeel(const MakimaSpline& spline, double heel)
{
    return heel < 0.0 ? -spline(-heel) : spline(heel);
}

// Lift slope per radian of a foil of aspect ratio AR and rake angle lambda [deg].
double liftSlope(double AR, double lambda)
{
    const double cosL = std::cos(lambda * degToRad);
    return 5.7 * AR / (1.8 + cosL * std::sqrt(AR * AR / (cosL * cosL * cosL * cosL) + 4.0));
}

} // namespace

CKeuningHYDRO::CKeuningHYDRO(const nlohmann::json& element, const std::string& type)
    : CObject(element.value("Name", std::string("Anonymous")), type)
{
    for (const auto& [key, field] : numberFields)
        this->*field = element.value(key, 0.0);
    for (const auto& [key, field] : tableFields)
        this->*field = element.value(key, std::vector<double>{});
    Alat = element.value("Alat", 0.0);
    useTabulatedHeeledDimensions = readFlag(element, "useTabulatedHeeledDimensions");
}

nlohmann::json CKeuningHYDRO::makeJSON() const
{
    nlohmann::json j = nlohmann::json::object();
    j["Name"] = name;
    for (const auto& [key, field] : numberFields)
        j[key] = this->*field;
    for (const auto& [key, field] : tableFields)
        j[key] = this->*field;
    j["Alat"] = Alat;
    j["useTabulatedHeeledDimensions"] = useTabulatedHeeledDimensions;
    return j;
}

void CKeuningHYDRO::edit()
{
    userInterface().edit(*this);
}

bool CKeuningHYDRO::checkAndGenerateSplines()
{
    std::string reason;
    std::string message;
    const auto build = [&](const std::vector<double>& x, const std::vector<double>& y, MakimaSpline& spline,
                           const char* label) {
        if (auto fitted = MakimaSpline::create(x, y, reason))
            spline = std::move(*fitted);
        else
            message += std::string("\nError creating spline for ") + label + "(Heel): " + reason + "\n";
    };

    if (useTabulatedHeeledDimensions) {
        // The table lists heeled states only; the upright state leads it.
        std::vector<double> x{0.0};
        x.insert(x.end(), Phi.begin(), Phi.end());
        const auto withUpright = [](double upright, const std::vector<double>& heeled) {
            std::vector<double> y{upright};
            y.insert(y.end(), heeled.begin(), heeled.end());
            return y;
        };
        build(x, withUpright(Lwl, Lwl_phi), splineLwl, "Lwl");
        build(x, withUpright(Bwl, Bwl_phi), splineBwl, "Bwl");
        build(x, withUpright(Tc, Tc_phi), splineTc, "Tc");
        build(x, withUpright(Ax, Ax_phi), splineAx, "Ax");
        build(x, withUpright(Sc, Sc_phi), splineSc, "Sc");
    }
    build(PhiRA, RA, splineRA, "RA");
    build(Phi_C_form, C_form, splineC_form, "C_form");

    if (message.empty())
        return true;
    userInterface().showMessage(message, "Error", MessageIcon::Error);
    return false;
}

double CKeuningHYDRO::getHullFrictionalResistance(double V, double heel) const
{
    if (V <= 0.01)
        return 0.0;
    const double absHeel = std::fabs(heel);
    const double Sphi =
        useTabulatedHeeledDimensions ? splineSc(absHeel) : heeledWettedSurface(Sc, absHeel, Bwl / Tc, Ax / (Bwl * Tc));
    const double Re = std::max(1.0, Lwl * V * Lrefratio / nu);
    const double logRe = std::log10(Re) - 2.0;
    const double Cf = 0.075 / (logRe * logRe);
    return Cf * 0.5 * rho * V * V * Sphi;
}

std::pair<double, double> CKeuningHYDRO::getHullResidualResistance(double V, double heel) const
{
    // Bare hull upright: Fn, a0 ... a7.
    static const std::vector<std::vector<double>> coefs{
        {0.00, 0, 0, 0, 0, 0, 0, 0, 0},
        {0.15, -0.0005, 0.0023, -0.0086, -0.0015, 0.0061, 0.0010, 0.0001, 0.0052},
        {0.20, -0.0003, 0.0059, -0.0064, 0.0070, 0.0014, 0.0013, 0.0005, -0.0020},
        {0.25, -0.0002, -0.0156, 0.0031, -0.0021, -0.0070, 0.0148, 0.0010, -0.0043},
        {0.30, -0.0009, 0.0016, 0.0337, -0.0285, -0.0367, 0.0218, 0.0015, -0.0172},
        {0.35, -0.0026, -0.0567, 0.0446, -0.1091, -0.0707, 0.0914, 0.0021, -0.0078},
        {0.40, -0.0064, -0.4034, -0.1250, 0.0273, -0.1341, 0.3578, 0.0045, 0.1115},
        {0.45, -0.0218, -0.5261, -0.2945, 0.2485, -0.2428, 0.6293, 0.0081, 0.2086},
        {0.50, -0.0388, -0.5986, -0.3038, 0.6033, -0.0430, 0.8332, 0.0106, 0.1336},
        {0.55, -0.0347, -0.4764, -0.2361, 0.8726, 0.4219, 0.8990, 0.0096, -0.2272},
        {0.60, -0.0361, 0.0037, -0.2960, 0.9661, 0.6123, 0.7534, 0.0100, -0.3352},
        {0.65, 0.0008, 0.3728, -0.3667, 1.3957, 1.0343, 0.3230, 0.0072, -0.4632},
        {0.70, 0.0108, -0.1238, -0.2026, 1.1282, 1.1836, 0.4973, 0.0038, -0.4477},
        {0.75, 0.1023, 0.7726, 0.5040, 1.7867, 2.1934, -1.5479, -0.0115, -0.0977},
    };
    // Heel increment at 20 degrees: Fn, u0 ... u5.
    static const std::vector<std::vector<double>> coef20{
        {0.00, 0, 0, 0, 0, 0, 0},
        {0.25, -0.0268, -0.0014, -0.0057, 0.0016, -0.0070, -0.0017},
        {0.30, 0.6628, -0.0632, -0.0699, 0.0069, 0.0459, -0.0004},
        {0.35, 1.6433, -0.2144, -0.1640, 0.0199, -0.0540, -0.0268},
        {0.40, -0.8659, -0.0354, 0.2226, 0.0188, -0.5800, -0.1133},
        {0.45, -3.2715, 0.1372, 0.5547, 0.0268, -1.0064, -0.2026},
        {0.50, -0.1976, -0.1480, -0.6593, 0.1862, -0.7489, -0.1648},
        {0.55, 1.5873, -0.3749, -0.7105, 0.2146, -0.4818, -0.1174},
    };
    // Heel increment from heeled dimensions: Fn, b0 ... b3.
    static const std::vector<std::vector<double>> coefs_b{
        {0.00, 0, 0, 0, 0},
        {0.15, -1.850, -0.032, 1.037, 1.781},
        {0.20, -1.032, 0.000, 0.731, 0.996},
        {0.25, 2.061, -0.024, 0.451, -2.046},
        {0.30, 10.881, -0.163, -0.431, -10.773},
        {0.35, 26.984, -0.494, -2.208, -26.780},
        {0.40, 48.633, -1.062, -4.344, -48.397},
        {0.45, 73.015, -1.795, -6.432, -72.799},
    };
    static const std::vector<MakimaSpline> a = columnSplines(coefs);
    static const std::vector<MakimaSpline> u = columnSplines(coef20);
    static const std::vector<MakimaSpline> b = columnSplines(coefs_b);

    const double Fn = V / std::sqrt(g * Lwl);
    const double LCBfpp = LCB - xFPP;
    const double LCFfpp = LCF - xFPP;
    const double Rrh = rho * g * Vc *
                       (a[0](Fn) + (a[1](Fn) * LCBfpp / Lwl + a[2](Fn) * Vc / (Lwl * Ax) +
                                    a[3](Fn) * std::pow(Vc, 0.6666) / Aw + a[4](Fn) * Bwl / Lwl +
                                    a[5](Fn) * LCBfpp / LCFfpp + a[6](Fn) * Bwl / Tc + a[7](Fn) * Ax / (Bwl * Tc)) *
                                       std::pow(Vc, 0.33333) / Lwl);

    const double absHeel = std::fabs(heel);
    double dRrh = 0.0;
    if (useTabulatedHeeledDimensions) {
        const double Lphi = splineLwl(absHeel);
        const double Bphi = splineBwl(absHeel);
        const double Tphi = splineTc(absHeel);
        const double Aphi = splineAx(absHeel);
        dRrh = (b[0](Fn) + b[1](Fn) * (Bphi / Tphi - Bwl / Tc) + b[2](Fn) * (Aphi / (Bphi * Tphi) - Ax / (Bwl * Tc)) +
                b[3](Fn) * Lphi / Lwl) /
               1000.0 * rho * g * (Vc + Vk);
    } else {
        const double LCBpct = 100.0 * (LCBfpp - 0.5 * Lwl) / Lwl;
        const double BT = Bwl / Tc;
        dRrh = 6.0 * std::pow(absHeel * degToRad, 1.7) *
               (u[0](Fn) + u[1](Fn) * Lwl / Bwl + u[2](Fn) * BT + u[3](Fn) * BT * BT + u[4](Fn) * LCBpct +
                u[5](Fn) * LCBpct * LCBpct) /
               1000.0 * Vc * g * rho;
    }
    return {Rrh, dRrh};
}

std::pair<double, double> CKeuningHYDRO::getKeelRudderViscousResistance(double V) const
{
    // Below the friction line's threshold speed there is no resistance; the
    // line itself has a pole at a Reynolds number of 100.
    if (V <= 0.01)
        return {0.0, 0.0};
    const auto viscous = [&](double t, double c, double S) {
        const double k = 1.0 + 2.0 * t + 60.0 * t * t * t * t;
        const double logRe = std::log10(V * c / nu) - 2.0;
        const double Cf = 0.075 / (logRe * logRe);
        return k * Cf * 0.5 * rho * V * V * S;
    };
    return {viscous(TCRk, ck, Sk), viscous(TCRr, cr, Sr)};
}

std::pair<double, double> CKeuningHYDRO::getKeelResidualResistance(double V, double heel) const
{
    // Fn, A0 ... A3.
    static const std::vector<double> FnVec{0.0, 0.20, 0.25, 0.30, 0.35, 0.40, 0.45, 0.50, 0.55, 0.60};
    static const std::vector<std::vector<double>> coefMat{
        {0, -0.00104, -0.00550, -0.01110, -0.00713, -0.03581, -0.00470, 0.00553, 0.04822, 0.01021},
        {0, 0.00172, 0.00597, 0.01421, 0.02632, 0.08649, 0.11592, 0.07371, 0.00660, 0.14173},
        {0, 0.00117, 0.00390, 0.00069, -0.00232, 0.00999, -0.00064, 0.05991, 0.07048, 0.06409},
        {0, -0.00008, -0.00009, 0.00021, 0.00039, 0.00017, 0.00035, -0.00114, -0.00035, -0.00192},
    };
    static const std::array<MakimaSpline, 4> A{MakimaSpline(FnVec, coefMat[0]), MakimaSpline(FnVec, coefMat[1]),
                                               MakimaSpline(FnVec, coefMat[2]), MakimaSpline(FnVec, coefMat[3])};

    const double Fn = V / std::sqrt(9.81 * Lwl);
    const double T = Tc + bk;
    const double Rrk =
        (A[0](Fn) + A[1](Fn) * T / Bwl + A[2](Fn) * (Tc + Zcbk) / std::pow(Vk, 0.3333) + A[3](Fn) * Vc / Vk) * Vk *
        rho * g;
    const double Ch =
        -3.5837 * Tc / T - 0.0518 * Bwl / Tc + 0.5958 * (Tc / T) * (Bwl / Tc) + 0.2055 * Lwl / std::pow(Vc, 0.3333);
    const double dRrk = Ch * Fn * Fn * std::fabs(heel) * degToRad * Vk * rho * g;
    return {Rrk, dRrk};
}

double CKeuningHYDRO::getHullAddedTrimResistance(double V, double heel, double M) const
{
    // Fn, T0 ... T5; no added resistance up to Fn 0.20.
    static const std::vector<std::vector<double>> coefs{
        {0.00, 0, 0, 0, 0, 0, 0},
        {0.05, 0, 0, 0, 0, 0, 0},
        {0.10, 0, 0, 0, 0, 0, 0},
        {0.15, 0, 0, 0, 0, 0, 0},
        {0.20, 0, 0, 0, 0, 0, 0},
        {0.25, 0.0019, 0.0014, 0.0036, -0.0040, -0.0003, 0.0007},
        {0.30, 0.0015, 0.0008, 0.0027, -0.0030, 0.0002, 0},
        {0.35, 0.0026, 0.0027, 0.0055, -0.0066, 0.0004, 0},
        {0.40, 0.0019, 0.0029, 0.0058, -0.0069, 0.0011, -0.0003},
        {0.45, 0.0070, 0.0033, 0.0074, -0.0089, 0.0016, -0.0005},
        {0.50, 0.0063, 0.0029, 0.0072, -0.0080, 0.0013, -0.0002},
        {0.55, 0.0026, 0.0033, 0.0074, -0.0076, 0.0018, -0.0004},
        {0.60, -0.0046, 0.0037, 0.0072, -0.0065, 0.0017, -0.0007},
    };
    static const std::vector<MakimaSpline> T = columnSplines(coefs);

    const double Fn = V / std::sqrt(9.81 * Lwl);
    const double LCBpct = 100.0 * (LCB - xFPP - 0.5 * Lwl) / Lwl;
    const double LCFpct = 100.0 * (LCF - xFPP - 0.5 * Lwl) / Lwl;
    const double C = T[0](Fn) + T[1](Fn) * Lwl / Bwl + T[2](Fn) * Bwl / Tc + T[3](Fn) * Aw / std::pow(Vc, 0.6666) +
                     T[4](Fn) * LCBpct + T[5](Fn) * LCFpct;
    // The trim term fades out linearly and is gone from 10 degrees of heel on.
    const double fade = std::max(0.0, 1.0 - std::fabs(heel) / 10.0);
    return fade * C * M / (GMl * 0.0175);
}

std::pair<double, double> CKeuningHYDRO::getInducedResistance(double V, double heel, double Fh) const
{
    // Heel, A1 ... A4, B0, B1.
    static const std::vector<std::vector<double>> TeCoeffs{
        {0.0, 3.7455, -3.6246, 0.0589, -0.0296, 1.2306, -0.7256},
        {10.0, 4.4892, -4.8454, 0.0294, -0.0176, 1.4231, -1.2971},
        {20.0, 3.9592, -3.9804, 0.0283, -0.0075, 1.5450, -1.5622},
        {30.0, 3.4891, -2.9577, 0.0250, -0.0272, 1.4744, -1.3499},
    };
    static const std::vector<MakimaSpline> c = columnSplines(TeCoeffs);

    const double absHeel = std::fabs(heel);
    const double Fn = V / std::sqrt(9.81 * Lwl);
    const double T = Tc + bk;
    const double TcT = Tc / T;
    const double Te =
        (c[4](absHeel) + c[5](absHeel) * Fn) *
        (c[0](absHeel) * TcT + c[1](absHeel) * TcT * TcT + c[2](absHeel) * Bwl / Tc + c[3](absHeel) * TRk) * T;
    // Like the total hull force, no induced resistance at a standstill.
    const double Ri = V <= 0.01 ? 0.0 : Fh * Fh / (pi * Te * Te * 0.5 * rho * V * V);
    return {Te, Ri};
}

std::pair<double, double> CKeuningHYDRO::getHeelingForces(double V, double leeway, double heel, double rudder) const
{
    const double beta = leeway * degToRad;
    const double phi = heel * degToRad;
    const double delta = rudder * degToRad;

    const double ARk = 2.0 * bk / ck;
    const double ARr = 2.0 * br / cr;
    const double CLak = liftSlope(ARk, Lambda_k);
    const double CLar = liftSlope(ARr, Lambda_r);
    const double fT = 1.0 + 1.8 * Tc / bk;
    const double fPhi = 1.0 - 0.382 * std::fabs(phi);
    // Leeway at which the heeled, asymmetric hull carries no side force; it
    // lies on the side to which the hull heels.
    const double root = 0.405 * Bwl / Tc * phi;
    const double beta0 = std::copysign(root * root * pi / 180.0, heel);
    const double epsilon =
        (0.136 + 6.666666666666667e-05 * std::fabs(heel)) * std::sqrt(std::max(0.0, beta - beta0) * CLak / ARk);

    const double Fk = (beta - beta0) * CLak * 0.5 * rho * V * V * Ak * fT * fPhi;
    const double Vr = 0.9 * V;
    const double Fr = Ar * (delta + beta - beta0 - epsilon) * CLar * 0.5 * rho * Vr * Vr * fT * fPhi;
    return {Fk, Fr};
}

double CKeuningHYDRO::getMunkMoment(double V, double heel, double leeway) const
{
    const double C = splineC_form(std::fabs(heel));
    const double P = Lwl * heel * (0.01 * Bwl * Bwl * Tc / (Lwl * 20.0)) * 0.5 * rho * V * V * Alat;
    const double Q = 3.1415 * rho * V * V * (leeway * degToRad) * C;
    return -2.0 * (P + Q);
}

double CKeuningHYDRO::getHeelingRightingMomentMx(double Fk, double Fr, double heel) const
{
    const double righting = antisymmetricInHeel(splineRA, heel);
    // The crew's moment builds up linearly to 7 degrees of heel.
    const double crew = std::clamp(heel / 7.0, -1.0, 1.0);
    return -(Vc + Vk) * rho * g * righting - Fk * VCE_k - Fr * VCE_r - mCrew * g * yCrewMax * crew;
}

double CKeuningHYDRO::getYawingMomentMz(double Fk, double Fr) const
{
    return Fk * LCE_k + Fr * LCE_r;
}

ForceMoment CKeuningHYDRO::getForces(double V, double leeway, double heel, double rudder) const
{
    if (V <= 0.01)
        return {};
    const auto [Fk, Fr] = getHeelingForces(V, leeway, heel, rudder);
    const double Fh = Fk + Fr;

    const double Rf = getHullFrictionalResistance(V, heel);
    const auto [Rrh, dRrh] = getHullResidualResistance(V, heel);
    const auto [Rvk, Rvr] = getKeelRudderViscousResistance(V);
    const double Rrk = getKeelResidualResistance(V, heel).first;
    const double Rtrim = getHullAddedTrimResistance(V, heel, 0.65 * Lwl * (Rf + Rrh + dRrh + Rvk + Rvr + Rrk));
    const double Ri = getInducedResistance(V, heel, Fh).second;
    const double R = Rf + Rrh + dRrh + Rvk + Rvr + Rrk + Rtrim + Ri;

    const double Mx = getHeelingRightingMomentMx(Fk, Fr, heel);
    const double Mz = getMunkMoment(V, heel, leeway) + getYawingMomentMz(Fk, Fr);

    // From the leeway-turned frame of the hull into boat axes.
    const Mat3 rotation = rotMatrix(Axis::Z, -leeway * degToRad);
    const Vec3 force = rotation * Vec3(R, Fh, 0.0);
    const Vec3 moment = rotation * Vec3(Mx, 0.0, Mz);
    return {force[0], force[1], force[2], moment[0], moment[1], moment[2]};
}
