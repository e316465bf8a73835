// The main of the window test programs: their windows are unmanaged, so that
// hiding or destroying one does not wait for a window manager that the tests'
// display does not have.
#include "unmanaged_windows.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    quorvex_test::UseUnmanagedWindows();
    testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}
