#include "HeeledWettedSurface.h"

#include <vector>

const HeeledWettedSurfaceSplines& heeledWettedSurfaceSplines()
{
    // Row 0: heel [deg]; rows 1 to 4: s0 to s3.
    static const std::vector<std::vector<double>> SCoeffs{
        {0.0, 5.0, 10.0, 15.0, 20.0, 25.0, 30.0, 35.0},
        {0.0, -4.112, -4.522, -3.291, 1.850, 6.510, 12.334, 14.648},
        {0.0, 0.054, -0.132, -0.389, -1.200, -2.305, -3.911, -5.182},
        {0.0, -0.027, -0.077, -0.118, -0.109, -0.066, 0.024, 0.102},
        {0.0, 6.329, 8.738, 8.949, 5.364, 3.443, 1.767, 3.497},
    };
    static const HeeledWettedSurfaceSplines splines{
        MakimaSpline(SCoeffs[0], SCoeffs[1]),
        MakimaSpline(SCoeffs[0], SCoeffs[2]),
        MakimaSpline(SCoeffs[0], SCoeffs[3]),
        MakimaSpline(SCoeffs[0], SCoeffs[4]),
    };
    return splines;
}

double heeledWettedSurface(double Sc, double heel, double BT, double Cm)
{
    const auto& s = heeledWettedSurfaceSplines();
    return Sc * (1.0 + 0.01 * (s.s0spline(heel) + s.s1spline(heel) * BT + s.s2spline(heel) * BT * BT +
                               s.s3spline(heel) * Cm));
}
