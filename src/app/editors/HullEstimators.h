#pragma once
// Estimates of a canoe body's upright wetted surface and of its principal
// dimensions when heeled, from its upright dimensions (Delft Systematic Yacht
// Hull Series approximations). Used by the hull editor's estimate buttons.

#include <optional>
#include <vector>

// Upright canoe body: Vc [m³], Tc, Lwl, Bwl [m], Sc, Ax [m²].
struct CanoeBody {
    double Vc = 0.0;
    double Tc = 0.0;
    double Lwl = 0.0;
    double Bwl = 0.0;
    double Sc = 0.0;
    double Ax = 0.0;
};

// Waterline length, beam, draft, section area and wetted surface at the heel
// angles Phi [deg], one value per angle.
struct HeeledDimensions {
    std::vector<double> Phi;
    std::vector<double> Lwl;
    std::vector<double> Bwl;
    std::vector<double> Tc;
    std::vector<double> Ax;
    std::vector<double> Sc;
};

// Upright wetted surface [m²]; none when draft, beam or section area is not
// positive, where the formula gives no finite number.
std::optional<double> estimateWettedSurface(const CanoeBody& hull);

// Dimensions at 8, 16, 24 and 32 degrees of heel; none when draft, beam or
// section area is not positive.
std::optional<HeeledDimensions> estimateHeeledDimensions(const CanoeBody& hull);
