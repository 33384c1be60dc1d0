#include "MakimaSpline.h"

#include <algorithm>
#include <stdexcept>

namespace {
// Offset inside the end knots at which the extrapolation slope is taken.
constexpr double endSlopeOffset = 0.0001;
}

MakimaSpline::MakimaSpline(const std::vector<double>& xs, const std::vector<double>& ys) : x(xs), y(ys)
{
    calculateCoefficients(x, y);
}

std::optional<MakimaSpline> MakimaSpline::create(const std::vector<double>& xs, const std::vector<double>& ys,
                                                 std::string& error)
{
    error.clear();
    if (xs.size() < 2 || ys.size() < 2 || xs.size() != ys.size())
        error += "\nInput vectors must have at least two points and must be of the same size.";
    for (std::size_t i = 1; i < xs.size(); ++i) {
        if (xs[i - 1] >= xs[i]) {
            error += "\nIndependent Input vector (x) must be strictly increasing.";
            break;
        }
    }
    if (!error.empty())
        return std::nullopt;
    return MakimaSpline(xs, ys);
}

void MakimaSpline::calculateCoefficients(const std::vector<double>& xs, const std::vector<double>& ys)
{
    if (&ys != &a)
        a = ys;
    if (xs.empty()) {
        b.clear();
        c.clear();
        d.clear();
        return;
    }
    const std::size_t n = xs.size() - 1;
    b.resize(n);
    d.resize(n);
    c.resize(n + 1);
    if (n == 0) {
        c[0] = 0.0;
        return;
    }

    std::vector<double> h(n), alpha(n, 0.0), l(n + 1, 0.0), mu(n + 1, 0.0), z(n + 1, 0.0);
    for (std::size_t i = 0; i < n; ++i)
        h[i] = xs[i + 1] - xs[i];
    for (std::size_t i = 1; i < n; ++i)
        alpha[i] = (3.0 / h[i]) * (a[i + 1] - a[i]) - (3.0 / h[i - 1]) * (a[i] - a[i - 1]);

    // Forward sweep of the tridiagonal system, natural end conditions.
    for (std::size_t i = 1; i < n; ++i) {
        l[i] = 2.0 * (xs[i + 1] - xs[i - 1]) - h[i - 1] * mu[i - 1];
        mu[i] = h[i] / l[i];
        z[i] = (alpha[i] - h[i - 1] * z[i - 1]) / l[i];
    }
    c[n] = 0.0;
    for (std::size_t j = n; j-- > 0;) {
        c[j] = z[j] - mu[j] * c[j + 1];
        b[j] = (a[j + 1] - a[j]) / h[j] - h[j] * (c[j + 1] + 2.0 * c[j]) / 3.0;
        d[j] = (c[j + 1] - c[j]) / (3.0 * h[j]);
    }
}

std::size_t MakimaSpline::interval(double p) const
{
    const auto k = static_cast<std::size_t>(std::lower_bound(x.begin(), x.end(), p) - x.begin());
    if (k == 0 || k == x.size())
        throw std::out_of_range("x is out of the range of the fitted data.");
    return k - 1;
}

double MakimaSpline::slopeAt(double p) const
{
    // The end slopes are taken a small offset inside the end knots; knots
    // closer than the offset, or too large for it to move the point, keep the
    // point inside the first or last interval.
    const double q = std::clamp(p, x.front(), x.back());
    const auto k = static_cast<std::size_t>(std::lower_bound(x.begin(), x.end(), q) - x.begin());
    const std::size_t i = std::clamp<std::size_t>(k, 1, x.size() - 1) - 1;
    const double t = q - x[i];
    return b[i] + 2.0 * c[i] * t + 3.0 * d[i] * t * t;
}

double MakimaSpline::operator()(double v) const
{
    if (x.size() < 2)
        throw std::out_of_range("x is out of the range of the fitted data.");
    const double first = x.front();
    const double last = x.back();
    if (v <= first)
        return y.front() + slopeAt(first + endSlopeOffset) * (v - first);
    if (v < last) {
        const std::size_t i = interval(v);
        const double t = v - x[i];
        return a[i] + b[i] * t + c[i] * t * t + d[i] * t * t * t;
    }
    return y.back() + slopeAt(last - endSlopeOffset) * (v - last);
}

Makima2Spline::Makima2Spline(const std::vector<double>& rowKeys, const std::vector<double>& columnKeys,
                             const std::vector<std::vector<double>>& values)
    : leftCol(rowKeys), topRow(columnKeys), field(values)
{
    if (leftCol.size() < 2 || topRow.size() < 2)
        throw std::invalid_argument("LeftCol and topRow vectors must have at least three points.");
    bool matches = field.size() == leftCol.size();
    for (const auto& row : field)
        matches = matches && row.size() == topRow.size();
    if (!matches)
        throw std::invalid_argument("LeftCol and topRow sizes do not match field sizes.");
}

void Makima2Spline::interpolateColumn(double v)
{
    std::vector<double> column;
    column.reserve(field.size());
    for (const auto& row : field)
        column.push_back(MakimaSpline(topRow, row)(v));
    columnSpline = MakimaSpline(leftCol, column);
}
