// Counting live GDI objects. Wine's GetGuiResources is a stub that answers
// 0; the shared handle table that the process environment block points to
// is not, so a leak shows up there.
#pragma once

#include <windows.h>

namespace quorvex_test {

// One entry of the process's GDI handle table, as the system lays it out on
// 64-bit Windows (and as Wine keeps it): a non-zero type marks a live object.
struct GdiHandleEntry {
    ULONGLONG object;
    ULONG owner;
    USHORT unique;
    UCHAR type;
    UCHAR flags;
    ULONGLONG user;
};
static_assert(sizeof(GdiHandleEntry) == 24, "GDI handle table entry layout");

// GDI objects alive in this process; -1 when the table cannot be found.
inline int LiveGdiHandles() {
    const BYTE* peb = nullptr;
    asm("movq %%gs:0x60, %0" : "=r"(peb));
    const auto* table = *reinterpret_cast<GdiHandleEntry* const*>(peb + 0xF8);
    if (!table)
        return -1;
    int live = 0;
    for (int i = 0; i < 0x10000; ++i)
        if (table[i].type)
            ++live;
    return live;
}

} // namespace quorvex_test
