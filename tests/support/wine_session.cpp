// Holds the Wine session of a test run. Started by scripts/test before the
// tests, with its output going nowhere, it is the program that starts Wine's
// server, services and desktop process. Started by a test instead, those
// would inherit the test's error output and the test runner would wait for
// them to end, long after the test itself (until its timeout). As a user of
// the desktop it also keeps the desktop process alive between test programs.
// It runs until the server is killed; argv[1] names a file it creates once
// it is up.
#include <windows.h>

int wmain(int argc, wchar_t** argv) {
    GetDesktopWindow();
    if (argc > 1) {
        HANDLE ready =
            CreateFileW(argv[1], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (ready != INVALID_HANDLE_VALUE)
            CloseHandle(ready);
    }
    Sleep(INFINITE);
    return 0;
}
