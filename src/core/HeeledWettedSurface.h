#pragma once
// Wetted surface of a heeled canoe body from its upright wetted surface, its
// beam-draft ratio and its midship-section coefficient (Delft Systematic Yacht
// Hull Series regression). Shared by the hull force model and the hull
// editor's estimate of heeled dimensions.

#include "MakimaSpline.h"

// The coefficients s0 to s3 of the regression, each a spline over heel [deg].
// Built once, on first use, and shared by every caller.
struct HeeledWettedSurfaceSplines {
    MakimaSpline s0spline;
    MakimaSpline s1spline;
    MakimaSpline s2spline;
    MakimaSpline s3spline;
};
const HeeledWettedSurfaceSplines& heeledWettedSurfaceSplines();

// Wetted surface [m²] at `heel` degrees of a canoe body whose upright wetted
// surface is Sc, with beam over draft BT and section coefficient Cm = Ax / (Bwl·Tc)
// taken at that heel or upright, as the caller chooses.
double heeledWettedSurface(double Sc, double heel, double BT, double Cm);
