#pragma once
// Helpers shared by the design objects' tests: a stand-in design object, reading
// errors and checks of several results at once.

#include <gtest/gtest.h>

#include <cmath>

#include <nlohmann/json.hpp>

#include "CObjectStore.h"
#include "RecordingUserInterface.h"

// A design object of a name and type that only counts its destructions, when given a counter.
struct Probe : CObject {
    Probe(std::string n, std::string t, int* deaths = nullptr) : CObject(std::move(n), std::move(t)), deaths(deaths) {}
    ~Probe() override { if (deaths) ++*deaths; }
    nlohmann::json makeJSON() const override { return {}; }
    void edit() override {}
    int* deaths;
};

// An object of class T read from a project-file element's text.
template <class T>
T parsed(const char* text)
{
    return T(nlohmann::json::parse(text), "");
}

// The text of the error of class Error that `make()` raises, or "no error" when it raises none.
template <class Error = nlohmann::json::type_error, class Make>
std::string errorOf(const Make& make)
{
    try { make(); } catch (const Error& e) { return e.what(); }
    return "no error";
}

// Each element text, read as an object of class T, paired with the end of
// its type error after "[json.exception.type_error.302] type must be ".
template <class T>
void expectTypeErrors(const char* type, const std::vector<std::pair<std::string, std::string>>& cases)
{
    for (const auto& [input, text] : cases)
        EXPECT_EQ(errorOf([&] { return T(nlohmann::json::parse(input), type); }),
                  "[json.exception.type_error.302] type must be " + text) << input;
}

// An object read from `text` writes each member given under its own key, and
// reads back what it wrote.
template <class T>
void expectRoundTrip(const char* text)
{
    const nlohmann::json given = nlohmann::json::parse(text), written = T(given, "").makeJSON();
    for (const auto& [key, value] : given.items())
        EXPECT_EQ(written.at(key), value) << key;
    EXPECT_EQ(T(written, "").makeJSON(), written);
}

// A pair of results such as (Cd, Cl) or (area, height of its centre).
inline void expectPair(const std::array<double, 2>& got, double first, double second, double tolerance = 1e-12)
{
    EXPECT_NEAR(got[0], first, tolerance);
    EXPECT_NEAR(got[1], second, tolerance);
}

// Members or results equal to four units in the last place.
inline void expectValues(const std::vector<double>& got, const std::vector<double>& expected)
{
    ASSERT_EQ(got.size(), expected.size());
    for (std::size_t i = 0; i < got.size(); ++i)
        EXPECT_DOUBLE_EQ(got[i], expected[i]) << "value " << i;
}

// The reasons a spline cannot be fitted, as its creation reports them.
inline const std::string twoPoints = "\nInput vectors must have at least two points and must be of the same size.";
inline const std::string increasing = "\nIndependent Input vector (x) must be strictly increasing.";

// Equal to nine figures, or to 1e-9 for values below one.
inline void expectClose(double actual, double expected)
{
    EXPECT_NEAR(actual, expected, 1e-9 * std::max(1.0, std::fabs(expected)));
}
