#pragma once
// Natural cubic splines through tabulated points, with linear extrapolation
// beyond the end knots, and a two-dimensional table interpolated along one axis.

#include <optional>
#include <string>
#include <vector>

class MakimaSpline {
public:
    MakimaSpline() = default;
    // Fits the spline through the knots; the knots are not validated.
    MakimaSpline(const std::vector<double>& x, const std::vector<double>& y);

    // Validating factory: empty result and the reasons in `error` when the
    // knots cannot be fitted.
    static std::optional<MakimaSpline> create(const std::vector<double>& x, const std::vector<double>& y,
                                              std::string& error);

    void calculateCoefficients(const std::vector<double>& x, const std::vector<double>& y);

    // Value at v; throws std::out_of_range when the spline has fewer than two knots.
    double operator()(double v) const;

    std::vector<double> a;
    std::vector<double> b;
    std::vector<double> c;
    std::vector<double> d;
    std::vector<double> x;
    std::vector<double> y;

private:
    // Index of the interval whose right end is the first knot at or above p.
    std::size_t interval(double p) const;
    double slopeAt(double p) const;
};

class Makima2Spline {
public:
    // Throws std::invalid_argument when the keys are too short or the field
    // does not match them.
    Makima2Spline(const std::vector<double>& leftCol, const std::vector<double>& topRow,
                  const std::vector<std::vector<double>>& field);

    // Sets columnSpline to the table's values over the row keys at column key v.
    void interpolateColumn(double v);

    std::vector<double> leftCol;
    std::vector<double> topRow;
    std::vector<std::vector<double>> field;
    MakimaSpline columnSpline;
};
