// Rectangles in tests: compared whole and printed as (left, top, right,
// bottom) when they differ.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace quorvex_test {

inline std::string DescribeRect(const RECT& r) {
    return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " + std::to_string(r.right) +
           ", " + std::to_string(r.bottom) + ")";
}

inline ::testing::AssertionResult SameRect(const RECT& actual, const RECT& expected) {
    if (actual.left == expected.left && actual.top == expected.top && actual.right == expected.right &&
        actual.bottom == expected.bottom)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << DescribeRect(actual) << " is not " << DescribeRect(expected);
}

} // namespace quorvex_test

#define EXPECT_RECT(expected, actual) EXPECT_TRUE(::quorvex_test::SameRect(actual, expected))
