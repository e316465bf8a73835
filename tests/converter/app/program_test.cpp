// Quorvex.exe as a person starts it: installed in a program folder whose
// name has blanks, found by its window title, its toolbar and About box
// reached through window and control identifiers, and closed.
#include "app_test_support.h"
#include "program_driver.h"

#include <resource.h>

#include "support/files.h"
#include "support/pump.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {

using program_driver::FindProcessWindow;

TEST(Program, StartsFromAFolderWithBlanksAndEndsWhenClosed) {
    const std::wstring folder = program_driver::TestFolder() + L"Program Files\\Quorvex Test";
    ASSERT_TRUE(program_driver::InstallProgram(folder));
    // Start-up creates the output folder when it is missing (an empty one is
    // removed here; one with files in it simply stays).
    RemoveDirectoryW(L"C:\\MyVideo");

    program_driver::UnmanagedProgramWindows unmanaged;
    program_driver::Program program(folder + L"\\Quorvex.exe");
    ASSERT_TRUE(program.Started());
    const DWORD id = program.Id();
    HWND main = program.Main();
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(L"C:\\MyVideo"));

    // The toolbar: five skinned buttons side by side, all of one size.
    RECT previous{};
    for (int id :
         {IDC_BUTTON_ADD, IDC_BUTTON_REMOVE, IDC_BUTTON_CONVERT, IDC_BUTTON_STOP, IDC_BUTTON_SETTINGS}) {
        SCOPED_TRACE(testing::Message() << "button " << id);
        HWND button = GetDlgItem(main, id);
        ASSERT_NE(nullptr, button);
        EXPECT_TRUE(IsWindowVisible(button));
        EXPECT_EQ(static_cast<LONG>(BS_OWNERDRAW), GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK)
            << "painted by the skin";
        RECT r;
        GetWindowRect(button, &r);
        if (id != IDC_BUTTON_ADD) {
            EXPECT_EQ(previous.right, r.left);
            EXPECT_EQ(previous.top, r.top);
            EXPECT_EQ(previous.right - previous.left, r.right - r.left);
            EXPECT_EQ(previous.bottom - previous.top, r.bottom - r.top);
        }
        previous = r;
    }

    // Enter does not close the program: it still answers and opens its About
    // box from the system menu afterwards.
    DWORD_PTR result = 0;
    EXPECT_TRUE(SendMessageTimeoutW(main, WM_COMMAND, IDOK, 0, SMTO_NORMAL, 10000, &result));
    PostMessageW(main, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    HWND about = nullptr;
    ASSERT_TRUE(quorvex_test::PumpUntil(
        [&] { return (about = FindProcessWindow(id, L"About Quorvex")) != nullptr; }, 10000));
    EXPECT_TRUE(IsWindow(main));
    EXPECT_EQ(L"Quorvex Version 1.2.0.1024", app_test::WindowText(GetDlgItem(about, IDC_STATIC_VERSION)));
    PostMessageW(about, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(quorvex_test::PumpUntil([&] { return !IsWindow(about); }, 10000));

    // Closing the window ends the program, which tears down cleanly.
    EXPECT_TRUE(program.Close());
}

} // namespace
