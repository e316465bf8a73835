// The host of the skinned tree and scroll view tests: a framework dialog at
// the screen's top-left corner with a tree in a group box attached by data
// exchange; the cases add pixel-exact trees under a fixed id, whose
// expansion the host may veto through its message map as an application
// would.
#pragma once

#include <Tavrin.h>

#include "support/host.h"
#include "support/input.h"
#include "support/message_sequence.h"

#include <gtest/gtest.h>

#include "resource.h"

namespace menus_test {

using quorvex_test::Capture;
using quorvex_test::ClientPixel;
using quorvex_test::CountGdi;
using quorvex_test::Describe;
using quorvex_test::GdiCounts;
using quorvex_test::HostDialog;
using quorvex_test::WindowPixel;

class MenusHost : public HostDialog {
public:
    MenusHost();

    Tavrin::NeloGroupBox treeGroup;
    Tavrin::NeloTreeCtrl templateTree;
    // TVN_ITEMEXPANDING from the case tree is answered with this (non-zero:
    // the expansion is refused); how many arrived.
    LRESULT vetoExpansion = 0;
    int expandingSeen = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg void OnItemExpanding(NMHDR* header, LRESULT* result);
    DECLARE_MESSAGE_MAP()
};

using HostTest = quorvex_test::HostTest<MenusHost>;

// Moves the pointer to a screen point through real input.
void MovePointer(POINT at);

} // namespace menus_test
