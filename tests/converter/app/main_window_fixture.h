// The main window created from the program's own template in the test's
// process, with the process-wide objects that start-up creates.
#pragma once

#include "app_test_support.h"

#include <MainDialog.h>
#include <resource.h>

#include "support/pump.h"
#include "support/screen.h"

#include <gtest/gtest.h>

class MainWindowTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dialog.Create(IDD_QUORVEX_DIALOG, nullptr));
        m_window = m_dialog.GetSafeHwnd();
        quorvex_test::Settle();
    }
    void TearDown() override {
        if (m_dialog.GetSafeHwnd())
            m_dialog.DestroyWindow();
        quorvex_test::PumpUntilIdle();
    }

    HWND Item(int id) const { return GetDlgItem(m_window, id); }
    void Command(UINT id) { SendMessageW(m_window, WM_COMMAND, MAKEWPARAM(id, 0), 0); }
    void SelectTarget(int index) {
        SendMessageW(Item(IDC_COMBO_TARGET), CB_SETCURSEL, index, 0);
        SendMessageW(m_window, WM_COMMAND, MAKEWPARAM(IDC_COMBO_TARGET, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(Item(IDC_COMBO_TARGET)));
    }

    app_test::ProcessObjects m_objects; // before the dialog, destroyed after it
    MainDialog m_dialog;
    HWND m_window = nullptr;
};
