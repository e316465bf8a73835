// The host of the skinned button, static, group box, progress bar and
// tooltip tests: a framework dialog at the screen's top-left corner whose
// template controls are attached by data exchange, as applications attach
// them; the cases add pixel-exact controls of their own. The rest of the
// kit (captures, colours, GDI counts, message sequences, real input) is the
// shared one in tests/support.
#pragma once

#include <Tavrin.h>

#include "support/host.h"
#include "support/input.h"
#include "support/message_sequence.h"
#include "support/tooltips.h"

#include <gtest/gtest.h>

#include "resource.h"

namespace buttons_test {

using quorvex_test::Capture;
using quorvex_test::ClientPixel;
using quorvex_test::CountGdi;
using quorvex_test::Describe;
using quorvex_test::GdiCounts;
using quorvex_test::HostDialog;
using quorvex_test::Near;
using quorvex_test::WindowPixel;

class ButtonsHost : public HostDialog {
public:
    ButtonsHost();

    Tavrin::NeloButton templateButton;
    Tavrin::NeloStatic templateStatic;
    Tavrin::NeloGroupBox templateGroup;
    Tavrin::NeloProgressCtrl templateProgress;
    // Progress bars inside a group box, as a dialog lays them out.
    Tavrin::NeloGroupBox barsGroup;
    Tavrin::NeloProgressCtrl groupedBar;
    Tavrin::NeloProgressCtrl groupedDisabledBar;
    Tavrin::NeloCheckBox templateCheck;
    // Only the first of the three radio buttons is attached: it attaches
    // the others.
    Tavrin::NeloRadioButton templateRadio;
    Tavrin::NeloDivider templateDivider;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};

using HostTest = quorvex_test::HostTest<ButtonsHost>;

// Finds the tooltip window that has a tool for a window (a button's own tip).
using quorvex_test::FindToolTipOf;

} // namespace buttons_test
