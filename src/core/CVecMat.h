#pragma once
// 3-vectors, 3x3 matrices, rotations about the coordinate axes, the force and
// moment set exchanged by the force models, and equally spaced ranges.
//
// Boat axes: x points aft, y to windward, z up.

#include <array>
#include <vector>

struct Vec3 {
    std::array<double, 3> v{};

    Vec3() = default;
    Vec3(double x, double y, double z) : v{x, y, z} {}
    double& operator[](std::size_t i) { return v[i]; }
    double operator[](std::size_t i) const { return v[i]; }
};

// Stored row by row: M[row][column].
struct Mat3 {
    std::array<std::array<double, 3>, 3> m{};

    std::array<double, 3>& operator[](std::size_t row) { return m[row]; }
    const std::array<double, 3>& operator[](std::size_t row) const { return m[row]; }
};

enum class Axis { X = 1, Y = 2, Z = 3 };

// Forces [N] and moments [Nm] about the origin of the boat axes.
struct ForceMoment {
    double Fx = 0.0;
    double Fy = 0.0;
    double Fz = 0.0;
    double Mx = 0.0;
    double My = 0.0;
    double Mz = 0.0;
};

// Passive rotation by `angle` radians about the axis; the zero matrix for an
// axis value other than 1, 2 or 3.
Mat3 rotMatrix(Axis axis, double angle);

Vec3 operator*(const Mat3& M, const Vec3& v);
Mat3 operator*(const Mat3& A, const Mat3& B);
// Cross product.
Vec3 operator^(const Vec3& a, const Vec3& b);
// Dot product.
double operator*(const Vec3& a, const Vec3& b);
Vec3 operator+(const Vec3& a, const Vec3& b);

// Values from start, adding step each time, while they do not exceed end.
// Empty when end < start or an argument is not finite; the start value alone
// when the step does not advance the sum.
std::vector<double> linspace(double start, double end, double step);
