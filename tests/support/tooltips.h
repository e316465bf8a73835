// Tooltip windows in tests: which tip window holds a tool for a window.
#pragma once

#include <windows.h>
#include <commctrl.h>

namespace quorvex_test {

// The tooltip window of this thread that has a tool for 'tool' (a tool
// registered by window handle); null when there is none.
inline HWND FindToolTipOf(HWND tool) {
    struct Search {
        HWND tool;
        HWND found;
    } search{tool, nullptr};
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND window, LPARAM lParam) -> BOOL {
            auto* s = reinterpret_cast<Search*>(lParam);
            wchar_t name[64] = {};
            ::GetClassNameW(window, name, 64);
            if (lstrcmpiW(name, TOOLTIPS_CLASSW) != 0)
                return TRUE;
            const int count = static_cast<int>(::SendMessageW(window, TTM_GETTOOLCOUNT, 0, 0));
            for (int i = 0; i < count; ++i) {
                TTTOOLINFOW info{};
                info.cbSize = TTTOOLINFOW_V2_SIZE;
                if (::SendMessageW(window, TTM_ENUMTOOLSW, i, reinterpret_cast<LPARAM>(&info)) &&
                    (info.uFlags & TTF_IDISHWND) && reinterpret_cast<HWND>(info.uId) == s->tool) {
                    s->found = window;
                    return FALSE;
                }
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

} // namespace quorvex_test
