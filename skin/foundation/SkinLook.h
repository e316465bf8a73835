// Colours chosen by look through a table of a colour record's members.
//
// A control lists, for each look, which members of its record paint which
// part, as pointers to members:
//
//     const LookTable<_ButtonColorInfo, 5> kFaces = {{
//         /* Normal */ {&_ButtonColorInfo::crNormalTop, ...},
//         ...
//     }};
//     const LookColours<5> face = kFaces.Read(record, look);
//
// so that a colour is always found by its name, never by its position in a
// copied record, and a record's defaults can be written through the same
// rows.
#pragma once

#include "GeometryShapes.h"

#include <windows.h>

#include <array>
#include <cstddef>

namespace Tavrin {

template <std::size_t N> using LookColours = std::array<COLORREF, N>;

// N members of a record, in the order the painter reads them.
template <typename Record, std::size_t N> using MemberRow = std::array<COLORREF Record::*, N>;

template <typename Record, std::size_t N>
LookColours<N> ReadRow(const Record& record, const MemberRow<Record, N>& row) {
    LookColours<N> colours{};
    for (std::size_t i = 0; i < N; ++i)
        colours[i] = record.*row[i];
    return colours;
}

template <typename Record, std::size_t N>
void WriteRow(Record& record, const MemberRow<Record, N>& row, const LookColours<N>& colours) {
    for (std::size_t i = 0; i < N; ++i)
        record.*row[i] = colours[i];
}

// One row per look, indexed by geometry::Look.
template <typename Record, std::size_t N> struct LookTable {
    std::array<MemberRow<Record, N>, static_cast<std::size_t>(geometry::Look::Count)> rows;

    const MemberRow<Record, N>& Row(geometry::Look look) const {
        return rows[static_cast<std::size_t>(look)];
    }
    LookColours<N> Read(const Record& record, geometry::Look look) const {
        return ReadRow(record, Row(look));
    }
};

} // namespace Tavrin
