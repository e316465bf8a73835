// The host of the list view and list box tests: a framework dialog at the
// screen's top-left corner whose template list and list box (inside a group
// box) are attached by data exchange; the cases add pixel-exact lists of
// their own. Pixels, input, captures and GDI counts come from tests/support.
#pragma once

#include <Tavrin.h>

#include "support/host.h"
#include "support/input.h"
#include "support/tooltips.h"

#include <gtest/gtest.h>

#include <vector>

#include "listview_resource.h"

namespace listview_test {

using quorvex_test::Capture;
using quorvex_test::CountGdi;
using quorvex_test::Describe;
using quorvex_test::FindToolTipOf;
using quorvex_test::GdiCounts;
using quorvex_test::Near;
using quorvex_test::WindowPixel;

class ListViewsHost : public quorvex_test::HostDialog {
public:
    ListViewsHost();

    Tavrin::NeloListCtrl templateList;
    Tavrin::NeloListBox templateListBox;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};

class ListViewsTest : public quorvex_test::HostTest<ListViewsHost> {
protected:
    // The pointer moved by real input to a point in a window's client area.
    void MoveMouseTo(HWND window, POINT client);
    // Everything the screen shows of a window's client area, once painted.
    Capture ClientCapture(HWND window);
    // The colour of a row's gradient at a pixel row 'y' of a row 'height'
    // pixels tall: the gradient runs from one pixel above the row to one
    // below it.
    static COLORREF RowGradientAt(COLORREF from, COLORREF to, int y, int height) {
        return quorvex_test::Mix(from, to, (y + 1.5) / (height + 2));
    }
    // Repaints a window 1,000 times; neither the framework's GDI wrappers nor
    // the process's GDI handles may grow.
    void ExpectNoLeakOverRepaints(const char* what, HWND window);
    // Moves a list that shows both skinned bars about its parent (right and
    // down, then back left and further down) and, after each move and the
    // paint that follows it, expects the bars over the bar areas beside the
    // client rectangle C (screen coordinates): the vertical one at
    // (C.right, C.top, C.right + t + 1, C.bottom + 1), the horizontal one at
    // (C.left, C.bottom, C.right + 1, C.bottom + t + 1 - shorter).
    void ExpectBarsFollowMoves(HWND list, Tavrin::NeloScrollBar* vertical, Tavrin::NeloScrollBar* horizontal,
                               int thickness, int shorter);
};

// Height of a sample text in the cached font the lists start with.
int ArialTextHeight(const wchar_t* sample);

} // namespace listview_test
