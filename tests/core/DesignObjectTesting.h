#pragma once
// Helpers shared by the design objects' tests: reading errors, pairs of
// results and the editor hook.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include <nlohmann/json.hpp>

#include "RecordingUserInterface.h"

// The text of the type error that `read(input)` raises while it builds an
// object, or "no error" when it builds one.
template <class Read, class Input>
std::string typeErrorOf(const Read& read, const Input& input)
{
    try {
        read(input);
    } catch (const nlohmann::json::type_error& e) {
        return e.what();
    }
    return "no error";
}

// A pair of results such as (Cd, Cl) or (area, height of its centre).
inline void expectPair(const std::array<double, 2>& got, double first, double second, double tolerance = 1e-12)
{
    EXPECT_NEAR(got[0], first, tolerance);
    EXPECT_NEAR(got[1], second, tolerance);
}

// Equal to nine figures, or to 1e-9 for values below one.
inline void expectClose(double actual, double expected)
{
    EXPECT_NEAR(actual, expected, 1e-9 * std::max(1.0, std::fabs(expected)));
}

// edit() hands the object itself, once, to the installed user interface.
template <class T>
void expectEditReachesTheEditor(T& object)
{
    RecordingUserInterface ui;
    object.edit();
    ASSERT_EQ(ui.edited.size(), 1u);
    EXPECT_EQ(ui.edited[0], &object);
}
