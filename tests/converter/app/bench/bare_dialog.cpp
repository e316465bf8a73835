// The bare dialog program that Quorvex's start is measured against: the
// system's own dialog box of the same size, without framework, skin or
// engine. It ends when its window is closed.
#include <windows.h>

namespace {

INT_PTR CALLBACK BareDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_CLOSE || (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL)) {
        EndDialog(dialog, 0);
        return TRUE;
    }
    return message == WM_INITDIALOG;
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
    DialogBoxParamW(instance, MAKEINTRESOURCEW(100), nullptr, BareDialogProc, 0);
    return 0;
}
