#include <gtest/gtest.h>

#include "HullEstimators.h"

namespace {

// Expected values worked out by hand from the estimators' formulas, the heeled
// wetted surface with the coefficients read off the natural cubic splines of
// the coefficient table at 8, 16, 24 and 32 degrees. Each heel row: Lwl, Bwl, Tc, Sc.
struct EstimateCase {
    CanoeBody body;
    double Sc;
    double heeled[4][4];
};

const EstimateCase cases[] = {
    // The worked example.
    {{7.5, 0.5, 10, 3, 25, 1.0}, 25.728098,
     {{10.509231, 2.988048, 0.557778, 24.596255}, {10.837207, 3.046029, 0.615556, 24.135968},
      {10.974573, 2.970297, 0.673333, 24.212795}, {10.920999, 2.735562, 0.731111, 24.701339}}},
    // Beam over draft 4.
    {{12, 0.8, 12, 3.2, 30, 1.6}, 32.267059,
     {{12.643079, 3.361345, 0.846222, 29.658782}, {13.053208, 3.585657, 0.892444, 29.321651},
      {13.242276, 3.636364, 0.938667, 29.453808}, {13.208187, 3.465704, 0.984889, 29.892529}}},
    // Beam over draft 2: the draft stays; from 20 degrees on Cm(phi) stays at 0.75 Cm.
    {{2, 1, 8, 2, 15, 1.2}, 9.498041,
     {{8.433902, 2.222222, 1, 14.904670}, {8.711360, 2.5, 1, 14.929597},
      {8.851867, 2.666667, 1, 15.178832}, {8.851867, 2.666667, 1, 15.465821}}},
};

TEST(HullEstimators, WettedSurfaceAndHeeledDimensions)
{
    for (const EstimateCase& c : cases) {
        EXPECT_NEAR(estimateWettedSurface(c.body).value(), c.Sc, 1e-6);
        const HeeledDimensions heeled = estimateHeeledDimensions(c.body).value();
        EXPECT_EQ(heeled.Phi, (std::vector<double>{8, 16, 24, 32}));
        EXPECT_EQ(heeled.Ax, std::vector<double>(4, c.body.Ax));
        for (int i = 0; i < 4; ++i) {
            const std::vector<double> row{heeled.Lwl.at(i), heeled.Bwl.at(i), heeled.Tc.at(i), heeled.Sc.at(i)};
            for (int k = 0; k < 4; ++k)
                EXPECT_NEAR(row[k], c.heeled[i][k], 1e-5) << "Sc " << c.Sc << ", heel row " << i << ", value " << k;
        }
    }
}

TEST(HullEstimators, ZeroDraftBeamOrSectionGiveNoEstimate)
{
    for (const CanoeBody& body : {CanoeBody{7.5, 0, 10, 3, 25, 1}, CanoeBody{7.5, 0.5, 10, 0, 25, 1},
                                  CanoeBody{7.5, 0.5, 10, 3, 25, 0}}) {
        EXPECT_FALSE(estimateWettedSurface(body));
        EXPECT_FALSE(estimateHeeledDimensions(body));
    }
}

} // namespace
