// Cost of the numerical building blocks on the solver's hot path.

#include <benchmark/benchmark.h>

#include <cmath>

#include "CVecMat.h"
#include "MakimaSpline.h"

namespace {

void BM_SplineEvaluation(benchmark::State& state)
{
    // A coefficient table of typical size: 22 knots over apparent wind angle.
    std::vector<double> x, y;
    for (int i = 0; i < 22; ++i) {
        x.push_back(i * 8.0);
        y.push_back(1.5 * std::sin(i * 0.3));
    }
    const MakimaSpline spline(x, y);
    double v = 0.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(spline(v));
        v = v > 180.0 ? -5.0 : v + 1.37;
    }
}
BENCHMARK(BM_SplineEvaluation);

void BM_RotateForce(benchmark::State& state)
{
    const Vec3 force(120.0, -850.0, 0.0);
    double angle = 0.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(rotMatrix(Axis::Z, angle) * force);
        angle += 0.01;
    }
}
BENCHMARK(BM_RotateForce);

} // namespace
