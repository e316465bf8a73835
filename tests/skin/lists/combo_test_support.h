// The host of the combo box tests: a framework dialog at the screen's
// top-left corner whose template combos are attached by data exchange, as
// applications attach them. Real mouse and keyboard input, pixels and
// message sequences come from tests/support.
#pragma once

#include <Tavrin.h>

#include "support/host.h"
#include "support/input.h"
#include "support/message_sequence.h"

#include <gtest/gtest.h>

#include <vector>

#include "combo_test_ids.h"

namespace combo_test {

using quorvex_test::Capture;

class ComboHost : public quorvex_test::HostDialog {
public:
    ComboHost();

    Tavrin::NeloComboBox list;
    Tavrin::NeloComboBox edit;
    Tavrin::NeloComboBox simple;
    Tavrin::NeloComboBox disabled;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};

// Three 16 x 16 images of one colour each: red, green, blue.
class ColourImages {
public:
    ColourImages();
    ~ColourImages();
    CImageList list;
    static COLORREF Colour(int image);
};

class ComboTest : public quorvex_test::HostTest<ComboHost> {
protected:
    void SetUp() override;
    void TearDown() override;

    // Empties a combo and gives it 'count' items "Item 0", "Item 1", ...
    void Fill(Tavrin::NeloComboBox& combo, int count);
    void Focus(Tavrin::NeloComboBox& combo);
    void PressKey(WORD key, bool withAlt = false);
    void Click(POINT screen);
    void MoveMouse(POINT screen);
    // A point in a combo's client area, on the screen.
    static POINT OnScreen(HWND window, POINT client);
    // The centre of a list row on the screen.
    static POINT RowCentre(HWND list, int row);
    static bool Visible(HWND window) { return window && ::IsWindowVisible(window); }
    int SelChanges(UINT id) const { return host->CountCommands(id, CBN_SELCHANGE); }
};

} // namespace combo_test
