#include "CVecMat.h"

#include <cmath>

Mat3 rotMatrix(Axis axis, double angle)
{
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    Mat3 r;
    switch (axis) {
    case Axis::X:
        r.m = {{{1.0, 0.0, 0.0}, {0.0, c, s}, {0.0, -s, c}}};
        break;
    case Axis::Y:
        r.m = {{{c, 0.0, -s}, {0.0, 1.0, 0.0}, {s, 0.0, c}}};
        break;
    case Axis::Z:
        r.m = {{{c, s, 0.0}, {-s, c, 0.0}, {0.0, 0.0, 1.0}}};
        break;
    }
    return r;
}

Vec3 operator*(const Mat3& M, const Vec3& v)
{
    Vec3 r;
    for (std::size_t i = 0; i < 3; ++i)
        r[i] = M[i][0] * v[0] + M[i][1] * v[1] + M[i][2] * v[2];
    return r;
}

Mat3 operator*(const Mat3& A, const Mat3& B)
{
    Mat3 C;
    for (std::size_t i = 0; i < 3; ++i)
        for (std::size_t j = 0; j < 3; ++j)
            C[i][j] = A[i][0] * B[0][j] + A[i][1] * B[1][j] + A[i][2] * B[2][j];
    return C;
}

Vec3 operator^(const Vec3& a, const Vec3& b)
{
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

double operator*(const Vec3& a, const Vec3& b)
{
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

Vec3 operator+(const Vec3& a, const Vec3& b)
{
    return {a[0] + b[0], a[1] + b[1], a[2] + b[2]};
}

std::vector<double> linspace(double start, double end, double step)
{
    std::vector<double> values;
    if (!std::isfinite(start) || !std::isfinite(end) || !std::isfinite(step) || !(end >= start))
        return values;
    // The values come from repeated addition; a step that no longer moves the
    // sum ends the list instead of looping for ever.
    double v = start;
    do {
        values.push_back(v);
        const double next = v + step;
        if (!(next > v))
            break;
        v = next;
    } while (end >= v);
    return values;
}
