// Colours in window tests: readable (r, g, b) output, exact and tolerant
// comparisons, and the mix of two colours a gradient passes through.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace quorvex_test {

inline std::string Describe(COLORREF c) {
    if (c == CLR_INVALID)
        return "(invalid)";
    char text[32];
    std::snprintf(text, sizeof(text), "(%d, %d, %d)", GetRValue(c), GetGValue(c), GetBValue(c));
    return text;
}

// Every channel within 'tolerance' of the other colour's.
inline bool Near(COLORREF a, COLORREF b, int tolerance) {
    return a != CLR_INVALID && b != CLR_INVALID && std::abs(GetRValue(a) - GetRValue(b)) <= tolerance &&
           std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

inline ::testing::AssertionResult ColourNear(COLORREF actual, COLORREF expected, int tolerance) {
    if (Near(actual, expected, tolerance))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << Describe(actual) << " is not within " << tolerance << " of " << Describe(expected);
}

inline ::testing::AssertionResult SameColour(COLORREF actual, COLORREF expected) {
    return ColourNear(actual, expected, 0);
}

// The colour a fraction f of the way from a to b, rounded per channel.
inline COLORREF Mix(COLORREF a, COLORREF b, double f) {
    auto ch = [f](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * f)); };
    return RGB(ch(GetRValue(a), GetRValue(b)), ch(GetGValue(a), GetGValue(b)),
               ch(GetBValue(a), GetBValue(b)));
}

} // namespace quorvex_test

// Print colours as (r, g, b) when they differ.
#define EXPECT_COLOUR(expected, actual)                                                                      \
    EXPECT_EQ(::quorvex_test::Describe(expected), ::quorvex_test::Describe(actual))
#define EXPECT_COLOUR_NEAR(expected, actual, tolerance)                                                      \
    EXPECT_TRUE(::quorvex_test::ColourNear(actual, expected, tolerance))
