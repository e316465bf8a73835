// The entry point of a framework program: runs its CWinApp object.
#include <afxwin.h>

// The command line after the program's own (possibly quoted) name.
static LPWSTR CommandLineArguments() {
    LPWSTR p = ::GetCommandLineW();
    if (*p == L'"') {
        ++p;
        while (*p && *p != L'"')
            ++p;
        if (*p == L'"')
            ++p;
    } else {
        while (*p && *p != L' ' && *p != L'\t')
            ++p;
    }
    while (*p == L' ' || *p == L'\t')
        ++p;
    return p;
}

extern "C" int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR, int nCmdShow) {
    return AfxWinMain(hInstance, hPrevInstance, CommandLineArguments(), nCmdShow);
}
