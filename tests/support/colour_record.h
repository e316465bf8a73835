// Colour records checked against a table typed from their description: each
// entry names a member and its value, in the record's declaration order.
//
//     const ColourEntry<_StaticColorInfo> kStatic[] = {
//         {"crStaticTop", &_StaticColorInfo::crStaticTop, RGB(250, 250, 250)}, ...};
//     EXPECT_TRUE(RecordHolds(record, kStatic));
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstddef>
#include <string>

namespace quorvex_test {

template <typename Record> struct ColourEntry {
    const char* name;
    COLORREF Record::*member;
    COLORREF value;
};

inline std::string Rgb(COLORREF c) {
    return "(" + std::to_string(GetRValue(c)) + ", " + std::to_string(GetGValue(c)) + ", " +
           std::to_string(GetBValue(c)) + ")";
}

// The entries sit at positions 0, 1, 2, ... of the record (so their order is
// the declared one), the record holds 'colours' COLORREFs in all (the table's
// length unless the record ends with other records), and every value is the
// typed one.
template <typename Record, std::size_t N>
::testing::AssertionResult RecordHolds(const Record& record, const ColourEntry<Record> (&table)[N],
                                       std::size_t colours = N) {
    if (sizeof(Record) != colours * sizeof(COLORREF))
        return ::testing::AssertionFailure()
               << "the record holds " << sizeof(Record) / sizeof(COLORREF) << " colours, not " << colours;
    std::string wrong;
    for (std::size_t i = 0; i < N; ++i) {
        const ColourEntry<Record>& e = table[i];
        const std::size_t at = static_cast<std::size_t>(reinterpret_cast<const char*>(&(record.*e.member)) -
                                                        reinterpret_cast<const char*>(&record)) /
                               sizeof(COLORREF);
        if (at != i)
            wrong += std::string("\n  ") + e.name + " is colour " + std::to_string(at) + ", not " +
                     std::to_string(i);
        if (record.*e.member != e.value)
            wrong += std::string("\n  ") + e.name + " is " + Rgb(record.*e.member) + ", not " + Rgb(e.value);
    }
    if (wrong.empty())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << wrong;
}

} // namespace quorvex_test
