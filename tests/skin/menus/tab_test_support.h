// The host of the tab control cases: a framework dialog at the screen's
// top-left corner whose template holds a tab control in a group box,
// attached by data exchange, and that records the tab notifications reaching
// it (after the tab controls had their reflected turn) and can refuse the
// next selection change as a parent may.
#pragma once

#include <Tavrin.h>

#include "support/host.h"
#include "support/input.h"

#include <gtest/gtest.h>

#include <vector>

#include "tabs_test_ids.h"

namespace tabs_test {

class TabsHost : public quorvex_test::HostDialog {
public:
    TabsHost();

    Tavrin::NeloTabCtrl templateTabs;

    struct Notice {
        UINT_PTR id;
        UINT code;
        int selection; // the sender's selection when the notice arrived
    };
    std::vector<Notice> notices;
    // Refuse every TCN_SELCHANGING while set.
    bool refuse = false;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
};

using HostTest = quorvex_test::HostTest<TabsHost>;

// Mouse input one event at a time, pumped after each.
void MouseTo(POINT screen);
void Click(POINT screen);
// A window's client point on the screen.
POINT OnScreen(HWND window, int x, int y);

} // namespace tabs_test
