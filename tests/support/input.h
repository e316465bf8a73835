// Real mouse and keyboard input for window tests: the pointer is moved, the
// buttons and keys pressed through SendInput, so the system hit-tests, captures and posts the
// messages itself, as it does for a user.
#pragma once

#include <windows.h>

#include <vector>

namespace quorvex_test {

// Absolute SendInput coordinates of a screen point.
inline LONG AbsoluteInput(int v, int metric) {
    return static_cast<LONG>((v * 65535LL + GetSystemMetrics(metric) / 2) / (GetSystemMetrics(metric) - 1));
}

inline INPUT MouseInput(DWORD flags, POINT at = POINT{0, 0}) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    if (flags & MOUSEEVENTF_ABSOLUTE) {
        input.mi.dx = AbsoluteInput(at.x, SM_CXSCREEN);
        input.mi.dy = AbsoluteInput(at.y, SM_CYSCREEN);
    }
    return input;
}

// Moves the pointer to a screen point, presses the left button there and
// releases it after moving through 'path' (screen points; none: in place).
// The caller pumps afterwards.
inline void LeftDrag(POINT from, const std::vector<POINT>& path) {
    SetCursorPos(from.x, from.y);
    std::vector<INPUT> inputs;
    inputs.push_back(MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, from));
    inputs.push_back(MouseInput(MOUSEEVENTF_LEFTDOWN));
    for (POINT p : path)
        inputs.push_back(MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, p));
    inputs.push_back(MouseInput(MOUSEEVENTF_LEFTUP));
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

inline void LeftClick(POINT at) {
    LeftDrag(at, {});
}

// Presses and releases a key (with Alt held around it when asked), as the
// keyboard would; the key goes to whatever has the focus. The caller pumps.
inline void TypeKey(WORD key, bool withAlt = false) {
    std::vector<INPUT> inputs;
    auto add = [&inputs](WORD vk, DWORD flags) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = vk;
        input.ki.dwFlags = flags;
        inputs.push_back(input);
    };
    if (withAlt)
        add(VK_MENU, 0);
    add(key, 0);
    add(key, KEYEVENTF_KEYUP);
    if (withAlt)
        add(VK_MENU, KEYEVENTF_KEYUP);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

} // namespace quorvex_test
