#include "SailPlan.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "CHsf.h"
#include "CJib.h"
#include "CKeuningHYDRO.h"
#include "CMain.h"
#include "CORCAerodynamics.h"
#include "CRig.h"
#include "CSpi.h"

namespace {

constexpr double pi = 3.141592653589793;
constexpr double markerSize = 0.125;

// Collects the points of one outline.
struct Outline {
    std::vector<double> xs;
    std::vector<double> ys;
    void add(double x, double y)
    {
        xs.push_back(x);
        ys.push_back(y);
    }
};

// A sail set on a straight luff from the tack (x0, y0) at the angle theta:
// the point at luff distance d and width w lies w along the normal that
// points aft and down.
struct Luff {
    double x0, y0, theta;
    void add(Outline& outline, double d, double w) const
    {
        outline.add(x0 + d * std::cos(theta) + w * std::sin(theta), y0 + d * std::sin(theta) - w * std::cos(theta));
    }
};

// Keel or rudder: an open trapezoid from a mean chord c, a span b, a sweep of
// the quarter-chord line in degrees, the x of the centre of effort and the
// height y0 of the root.
Outline foil(double c, double b, double sweep, double lce, double y0, double taper)
{
    const double t = std::tan(sweep * pi / 180);
    const double c0 = 2 * c / (taper + 1);
    const double c1 = taper * c0;
    const double q0 = lce - b * 0.5 * t;
    const double q1 = q0 + b * t;
    Outline outline;
    outline.add(q0 - 0.25 * c0, y0);
    outline.add(q1 - 0.25 * c1, y0 - b);
    outline.add(q1 + 0.75 * c1, y0 - b);
    outline.add(q0 + 0.75 * c0, y0);
    return outline;
}

Outline hullProfile(const CKeuningHYDRO& hull, const CRig& rig)
{
    const double a = (rig.LOA - hull.Lwl) * 0.5;
    const double xA = hull.xFPP + hull.Lwl;
    Outline outline;
    outline.add(hull.xFPP, 0);
    outline.add(hull.xFPP - a, rig.HD);
    outline.add(-rig.ML - rig.TPS, rig.HD);
    outline.add(xA, rig.HD);
    outline.add(xA + a, 0.1);
    outline.add(xA, 0);
    outline.add(xA - hull.Lwl / 3, -hull.Tc);
    outline.add(xA - 2 * hull.Lwl / 3, -hull.Tc);
    outline.add(xA - 5 * hull.Lwl / 6, -2 * hull.Tc / 3);
    outline.add(hull.xFPP, 0);
    return outline;
}

// The jib on the forestay with luff HLU and LP HLP; its widths are scaled by `scale`.
Outline jibOutline(const CJib& jib, const CRig& rig, double HLU, double HLP, double scale)
{
    const Luff luff{-rig.ML - rig.J, rig.HD, std::atan(1 / (rig.J / rig.IG))};
    const double k = (rig.J / rig.IG) * HLP;
    const double q = (HLU - k) * 0.25;
    Outline outline;
    outline.add(luff.x0 + k / std::cos(luff.theta), rig.HD);
    const std::array<double, 5> steps{1, 2, 3, 3.5, 4};
    const std::array<double, 5> widths{jib.HQW, jib.HHW, jib.HTW, jib.HUW, jib.HHB};
    for (std::size_t i = 0; i < steps.size(); ++i)
        luff.add(outline, k + steps[i] * q, widths[i] * scale);
    luff.add(outline, k + 4 * q, 0);
    return outline;
}

Outline hsfOutline(const CHsf& hsf, const CRig& rig)
{
    const Luff luff{-rig.ML - rig.J, rig.HD, std::atan(1 / (rig.J / rig.ISP))};
    const double z0 = 0.8 * rig.BAS;
    const double L0 = (rig.J / rig.ISP) * hsf.HLP + z0;
    const double q = (hsf.HLU - L0) * 0.25;
    Outline outline;
    luff.add(outline, L0, hsf.HLP);
    const double clewX = outline.xs.front();
    const double clewY = outline.ys.front();
    const std::array<double, 5> steps{1, 2, 3, 3.5, 4};
    const std::array<double, 5> widths{hsf.HQW, hsf.HHW, hsf.HTW, hsf.HUW, hsf.HHB};
    for (std::size_t i = 0; i < steps.size(); ++i)
        luff.add(outline, L0 + steps[i] * q, widths[i]);
    luff.add(outline, L0 + 4 * q, 0);
    const double tackX = -rig.ML - rig.TPS;
    outline.add(tackX, rig.HD);
    outline.add(tackX + (clewX - tackX) / 3, rig.HD + 0.1 * z0);
    outline.add(tackX + 2 * (clewX - tackX) / 3, rig.HD + 0.4 * z0);
    outline.add(clewX, clewY);
    return outline;
}

Outline spinnakerOutline(const CSpi& spi, const CRig& rig)
{
    // An asymmetric spinnaker tacked on the centreline sits on the deck; the
    // others are set from the end of the pole.
    const bool onDeck = spi.SPITYPE == "ATOC";
    const double x0 = onDeck ? -rig.ML - rig.TPS : -rig.ML - spi.SPL;
    const double y0 = onDeck ? rig.HD : rig.HD + rig.BAS + 0.5;
    const double m = (spi.SFL - spi.SHW) * 0.5;
    Outline outline;
    outline.add(x0, y0);
    outline.add(x0 + m, y0 + spi.SLU * 0.5);
    outline.add(-rig.ML, y0 + spi.SLU);
    outline.add(x0 + m + spi.SHW, y0 + spi.SLU * 0.5);
    outline.add(x0 + spi.SFL, y0 + spi.SLU - spi.SLE);
    outline.add(x0, y0);
    return outline;
}

// The top `hoist` metres of the main sail, set on the boom.
Outline reefedMainOutline(const CMain& main, double boomTop, double hoist)
{
    Outline outline;
    if (!main.girthSpline)
        return outline;
    for (double f : {0.0, 0.25, 0.5, 0.75, 0.875})
        outline.add((*main.girthSpline)(main.P - hoist + f * hoist), boomTop + f * hoist);
    outline.add(main.MHB, boomTop + hoist);
    outline.add(0, boomTop + hoist);
    return outline;
}

bool finite(const Outline& outline)
{
    const auto isFinite = [](double v) { return std::isfinite(v); };
    return std::all_of(outline.xs.begin(), outline.xs.end(), isFinite) &&
           std::all_of(outline.ys.begin(), outline.ys.end(), isFinite);
}

} // namespace

std::pair<std::vector<double>, std::vector<double>> makeMarker(double x, double y, double size)
{
    const double s = size;
    return {{x - s, x, x + s, x, x - s, x + s, x, x}, {y, y + s, y, y - s, y, y, y - s, y + s}};
}

std::vector<PlanLayer> sailPlanLayers(const PrintSet& set)
{
    std::vector<PlanLayer> layers;
    if (!set.rig)
        return layers;
    const CRig& rig = *set.rig;
    // Degenerate dimensions give points at infinity: such an outline is left
    // out, so that the view still fits the others.
    const auto add = [&layers](const char* name, PlanPen pen, Outline outline, bool showName = true) {
        if (!outline.xs.empty() && finite(outline))
            layers.push_back({name, pen, showName, std::move(outline.xs), std::move(outline.ys)});
    };
    const auto marker = [](double x, double y) {
        auto [xs, ys] = makeMarker(x, y, markerSize);
        return Outline{std::move(xs), std::move(ys)};
    };

    if (const CKeuningHYDRO* hull = set.hull) {
        add("Origin", PlanPen::Black, marker(0, 0));
        add("LCF", PlanPen::Blue, marker(hull->LCF, 0));
        add("LCB", PlanPen::Blue, marker(hull->LCB, -hull->Tc * 0.5));
        add("CE_k", PlanPen::Green, marker(hull->LCE_k, hull->VCE_k));
        add("CE_r", PlanPen::Green, marker(hull->LCE_r, hull->VCE_r));
        add("", PlanPen::Black, Outline{{hull->xFPP - 1, hull->xFPP + hull->Lwl + 1}, {0, 0}});
        add("Hull", PlanPen::Red, hullProfile(*hull, rig));
        add("Keel", PlanPen::Red, foil(hull->ck, hull->bk, hull->Lambda_k, hull->LCE_k, -hull->Tc, hull->TRk));
        // The rudder takes the keel's taper ratio: it has none of its own.
        add("Rudder", PlanPen::Red, foil(hull->cr, hull->br, hull->Lambda_r, hull->LCE_r, 0, hull->TRk));
    }

    const double boomTop = rig.HD + rig.BAS;
    if (const CMain* main = set.main)
        add("Boom", PlanPen::Blue,
            Outline{{0, main->E + 0.2, main->E + 0.2, 0}, {boomTop, boomTop, boomTop - rig.BD, boomTop - rig.BD}});
    add("Mast", PlanPen::Blue, Outline{{0, 0, -rig.ML, -rig.ML}, {rig.HD, rig.HD + rig.MH, rig.HD + rig.MH, rig.HD}});
    if (const CMain* main = set.main) {
        const double P = main->P;
        add("Main", PlanPen::Cyan,
            Outline{{main->E, main->MQW, main->MHW, main->MTW, main->MUW, main->MHB, 0},
                    {boomTop, boomTop + P * 0.25, boomTop + P * 0.5, boomTop + P * 0.75, boomTop + P * 0.875,
                     boomTop + P, boomTop + P}});
    }
    add("Forestay", PlanPen::Yellow, Outline{{-rig.ML - rig.J, -rig.ML}, {rig.HD, rig.HD + rig.IG}});
    if (set.jib)
        add("Jib", PlanPen::Cyan, jibOutline(*set.jib, rig, set.jib->HLUmax, set.jib->HLPmax, 1));
    if (set.hsf)
        add("hsf", PlanPen::Cyan, hsfOutline(*set.hsf, rig));
    if (set.spi)
        add("Spinnaker", PlanPen::Green, spinnakerOutline(*set.spi, rig));

    if (set.main && set.jib && set.reef < 1) {
        const CJib& jib = *set.jib;
        const auto [lp, hlu, hoist] = CORCAerodynamics::getDepoweredSailGeo(set.reef, jib.HLPmin, jib.HLPmax,
                                                                          jib.HLUmin, jib.HLUmax, rig.J, set.main->P);
        add("", PlanPen::CyanDashed, jibOutline(jib, rig, hlu, lp, lp / jib.HLPmax));
        add("_noLegendEntry_", PlanPen::CyanDashed, reefedMainOutline(*set.main, boomTop, hoist), false);
    }
    return layers;
}
