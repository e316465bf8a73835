// NeloDialog on real windows: pixels read back from the screen after the
// frame has painted, hit testing, the drawn buttons driven by non-client
// mouse messages, the setters and the modal run.
#include <Tavrin.h>

#include "nelo_dialog_test_ids.h"
#include "support/capture.h"
#include "support/colours.h"
#include "support/input.h"
#include "support/message_sequence.h"
#include "support/screen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

using namespace Tavrin;

namespace {

// Dispatches until idle, then waits until the screen shows what the windows
// drew, so that the pixels read next are the painted ones.
void Pump() {
    quorvex_test::Settle();
}

using quorvex_test::ColourNear;
using quorvex_test::Mix;
using quorvex_test::SameColour;

// Window-relative pixel as the screen shows it (the cases settle first).
COLORREF Pixel(HWND hwnd, int x, int y) {
    return quorvex_test::WindowPixelNow(hwnd, x, y);
}

POINT ScreenPoint(HWND hwnd, int x, int y) {
    RECT rc;
    GetWindowRect(hwnd, &rc);
    return POINT{rc.left + x, rc.top + y};
}

LPARAM Packed(POINT p) {
    return MAKELPARAM(p.x, p.y);
}

int Width(HWND hwnd) {
    RECT rc;
    GetWindowRect(hwnd, &rc);
    return rc.right - rc.left;
}

int Height(HWND hwnd) {
    RECT rc;
    GetWindowRect(hwnd, &rc);
    return rc.bottom - rc.top;
}

const _DialogColorInfo kColours = NeloDialog::DefaultColorInfo();

// The dialog under test; records what the frame asks of it.
class Probe : public NeloDialog {
public:
    explicit Probe(UINT id) : NeloDialog(id) {}
    int cancels = 0;

protected:
    void OnCancel() override { ++cancels; }
};

// A modeless dialog at a fixed screen position, shown, active and painted.
struct Open {
    std::unique_ptr<Probe> dialog;
    HWND hwnd = nullptr;

    explicit Open(UINT id, int x = 60, int y = 60) : dialog(new Probe(id)) {
        if (!dialog->Create(id))
            return;
        hwnd = dialog->m_hWnd;
        SetWindowPos(hwnd, HWND_TOP, x, y, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
        SetForegroundWindow(hwnd);
        SetActiveWindow(hwnd);
        Pump();
    }
    ~Open() {
        if (hwnd && IsWindow(hwnd))
            dialog->DestroyWindow();
        Pump();
    }
    int W() const { return Width(hwnd); }
    int H() const { return Height(hwnd); }

    // Moves the pointer there too, so that the system's own tracking agrees
    // with the messages the test sends.
    void MouseMove(int x, int y) {
        POINT p = ScreenPoint(hwnd, x, y);
        SetCursorPos(p.x, p.y);
        Pump();
        SendMessageW(hwnd, WM_NCMOUSEMOVE, HTCAPTION, Packed(p));
        Pump();
    }
    void Press(int x, int y) {
        SendMessageW(hwnd, WM_NCLBUTTONDOWN, HTCAPTION, Packed(ScreenPoint(hwnd, x, y)));
        Pump();
    }
    void Release(int x, int y) {
        SendMessageW(hwnd, WM_NCLBUTTONUP, HTCAPTION, Packed(ScreenPoint(hwnd, x, y)));
        Pump();
    }
    void Click(int x, int y) {
        MouseMove(x, y);
        Press(x, y);
        Release(x, y);
    }
    LRESULT HitTest(int x, int y) {
        return SendMessageW(hwnd, WM_NCHITTEST, 0, Packed(ScreenPoint(hwnd, x, y)));
    }
};

// Title height 25, border 2: buttons are 20 x 20 at top 4; the close button
// spans W - 29 .. W - 9 and each further button sits 21 pixels to the left.
constexpr int kButtonTop = 4;
constexpr int kButton = 20;
int ButtonLeft(int width, int slot) {
    return width - 29 - slot * 21;
}

// A button face is light where the title is saturated blue: sample the
// face's left side at mid height, clear of outline and glyph.
bool FaceAt(HWND hwnd, int slot) {
    const COLORREF c = Pixel(hwnd, ButtonLeft(Width(hwnd), slot) + 3, kButtonTop + 10);
    return GetRValue(c) > 120;
}

} // namespace

class NeloDialogTest : public ::testing::Test {
protected:
    // The pointer waits in a corner where no test window lies, so that no
    // button looks hot by accident.
    void SetUp() override {
        SetCursorPos(1270, 1015);
        Pump();
    }
};

TEST_F(NeloDialogTest, TemplateStylesBecomeTheDrawnFrame) {
    Open d(IDD_CLOSE_MIN);
    ASSERT_TRUE(d.hwnd);
    const LONG style = GetWindowLongW(d.hwnd, GWL_STYLE);
    EXPECT_EQ(0, style & WS_CAPTION);
    EXPECT_EQ(0, style & WS_THICKFRAME);
    EXPECT_NE(0, style & WS_SYSMENU);
    EXPECT_EQ(0, GetWindowLongW(d.hwnd, GWL_EXSTYLE) & (WS_EX_DLGMODALFRAME | WS_EX_STATICEDGE));

    // Client area: below title (25) and two border widths, inside the rings.
    RECT client;
    GetClientRect(d.hwnd, &client);
    POINT origin{0, 0};
    ClientToScreen(d.hwnd, &origin);
    RECT window;
    GetWindowRect(d.hwnd, &window);
    EXPECT_EQ(2, origin.x - window.left);
    EXPECT_EQ(29, origin.y - window.top);
    EXPECT_EQ(d.W() - 2 - 3, client.right);
    EXPECT_EQ(d.H() - 29 - 3, client.bottom);
}

TEST_F(NeloDialogTest, TitleGradientLinesBorderRingsAndBackground) {
    Open d(IDD_CLOSE_MIN);
    ASSERT_TRUE(d.hwnd);
    ASSERT_EQ(d.hwnd, GetActiveWindow());
    const int w = d.W(), h = d.H(), x = w / 2;

    // The gradient runs over the 29 rows of the title bitmap; rows 2 to 26
    // show it, the border covers rows 0 and 1, the lines rows 27 and 28.
    EXPECT_TRUE(
        ColourNear(Pixel(d.hwnd, x, 2), Mix(kColours.crTitleActiveTop, kColours.crTitleActiveBottom, 2.5 / 29), 2));
    EXPECT_TRUE(ColourNear(Pixel(d.hwnd, x, 26),
                     Mix(kColours.crTitleActiveTop, kColours.crTitleActiveBottom, 26.5 / 29), 2));
    // Top lighter than bottom in every channel, as the colours say.
    EXPECT_GT(GetBValue(Pixel(d.hwnd, x, 2)), GetBValue(Pixel(d.hwnd, x, 26)));

    EXPECT_TRUE(SameColour(Pixel(d.hwnd, x, 27), kColours.crTitleLineActive1));
    EXPECT_TRUE(SameColour(Pixel(d.hwnd, x, 28), kColours.crTitleLineActive2));
    EXPECT_TRUE(SameColour(Pixel(d.hwnd, 5, 27), kColours.crTitleLineActive1));

    // Rings: outer at the very edge, inner one pixel inside.
    EXPECT_TRUE(SameColour(Pixel(d.hwnd, x, 0), kColours.crBorderOuterActive));
    EXPECT_TRUE(SameColour(Pixel(d.hwnd, x, 1), kColours.crBorderInnerActive));
    EXPECT_TRUE(SameColour(Pixel(d.hwnd, 0, h / 2), kColours.crBorderOuterActive));
    EXPECT_TRUE(SameColour(Pixel(d.hwnd, 1, h / 2), kColours.crBorderInnerActive));
    // The window's last column and row lie outside its region.
    EXPECT_TRUE(SameColour(Pixel(d.hwnd, w - 2, h / 2), kColours.crBorderOuterActive));
    EXPECT_TRUE(SameColour(Pixel(d.hwnd, w - 3, h / 2), kColours.crBorderInnerActive));
    EXPECT_TRUE(SameColour(Pixel(d.hwnd, x, h - 2), kColours.crBorderOuterActive));
    EXPECT_TRUE(SameColour(Pixel(d.hwnd, x, h - 3), kColours.crBorderInnerActive));
    EXPECT_TRUE(SameColour(Pixel(d.hwnd, w - 2, h - 5), kColours.crBorderOuterActive));
    EXPECT_TRUE(SameColour(Pixel(d.hwnd, w - 3, h - 5), kColours.crBorderInnerActive));
    EXPECT_TRUE(SameColour(Pixel(d.hwnd, 0, h - 2), kColours.crBorderOuterActive));
    EXPECT_TRUE(SameColour(Pixel(d.hwnd, 1, h - 3), kColours.crBorderInnerActive));

    EXPECT_TRUE(SameColour(Pixel(d.hwnd, x, h / 2), kColours.crBackground));
    EXPECT_TRUE(SameColour(Pixel(d.hwnd, 2, 29), kColours.crBackground));
    EXPECT_TRUE(SameColour(Pixel(d.hwnd, w - 4, h - 4), kColours.crBackground));
}

TEST_F(NeloDialogTest, InactiveFrameUsesTheInactiveColours) {
    Open first(IDD_CLOSE_MIN, 60, 60);
    Open second(IDD_CLOSE_MIN, 500, 300);
    ASSERT_TRUE(first.hwnd && second.hwnd);
    ASSERT_EQ(second.hwnd, GetActiveWindow());
    const int x = first.W() / 2, h = first.H();
    EXPECT_TRUE(SameColour(Pixel(first.hwnd, x, 27), kColours.crTitleLineInactive1));
    EXPECT_TRUE(SameColour(Pixel(first.hwnd, x, 28), kColours.crTitleLineInactive2));
    EXPECT_TRUE(ColourNear(Pixel(first.hwnd, x, 2),
                     Mix(kColours.crTitleInactiveTop, kColours.crTitleInactiveBottom, 2.5 / 29), 2));
    EXPECT_TRUE(SameColour(Pixel(first.hwnd, 0, h / 2), kColours.crBorderOuterInactive));
    // The active one keeps its colours.
    EXPECT_TRUE(SameColour(Pixel(second.hwnd, x, 27), kColours.crTitleLineActive1));
}

TEST_F(NeloDialogTest, ButtonGeometryForTitleHeight25) {
    Open d(IDD_ALL_BUTTONS);
    ASSERT_TRUE(d.hwnd);
    const int w = d.W();
    const COLORREF outline = kColours.crCloseBorderNormal;
    auto isOutline = [&](int x, int y) { return ColourNear(Pixel(d.hwnd, x, y), outline, 40); };
    const int mid = kButtonTop + kButton / 2;
    for (int slot = 0; slot < 3; ++slot) {
        const int left = ButtonLeft(w, slot);
        SCOPED_TRACE("button " + std::to_string(slot));
        // The outline runs along the left edge and one pixel inside the right
        // and bottom edges of the 20 x 20 rectangle.
        EXPECT_TRUE(isOutline(left, mid)) << quorvex_test::Describe(Pixel(d.hwnd, left, mid));
        EXPECT_TRUE(isOutline(left + kButton - 1, mid)) << quorvex_test::Describe(Pixel(d.hwnd, left + kButton - 1, mid));
        EXPECT_TRUE(isOutline(left + 10, kButtonTop)) << quorvex_test::Describe(Pixel(d.hwnd, left + 10, kButtonTop));
        EXPECT_TRUE(isOutline(left + 10, kButtonTop + kButton - 1));
        EXPECT_FALSE(isOutline(left + 10, kButtonTop - 1));
        EXPECT_FALSE(isOutline(left + 10, kButtonTop + kButton));
        EXPECT_FALSE(isOutline(left + 2, mid));
    }
    // Nothing to the right of the close button, one free pixel between buttons.
    EXPECT_FALSE(isOutline(w - 9, kButtonTop + 10));
    EXPECT_FALSE(isOutline(w - 8, kButtonTop + 10));
    EXPECT_FALSE(isOutline(ButtonLeft(w, 0) - 1, mid));
    EXPECT_FALSE(FaceAt(d.hwnd, 3));
}

TEST_F(NeloDialogTest, GlyphsOfTheThreeButtons) {
    Open d(IDD_ALL_BUTTONS);
    ASSERT_TRUE(d.hwnd);
    const int w = d.W();
    const COLORREF glyph = kColours.crCloseGlyphNormal;
    auto isGlyph = [&](int x, int y) { return ColourNear(Pixel(d.hwnd, x, y), glyph, 30); };
    const int close = ButtonLeft(w, 0), max = ButtonLeft(w, 1), min = ButtonLeft(w, 2);
    // Close: an X whose strokes cross one pixel up and left of the centre.
    EXPECT_TRUE(isGlyph(close + 9, kButtonTop + 9));
    EXPECT_FALSE(isGlyph(close + 9, kButtonTop + 4));
    // Minimize: a bar two pixels above the bottom quarter line.
    EXPECT_TRUE(isGlyph(min + 10, kButtonTop + 13));
    EXPECT_FALSE(isGlyph(min + 10, kButtonTop + 8));
    // Maximize: a box one pixel left of the quarter lines, with a thick top.
    EXPECT_TRUE(isGlyph(max + 9, kButtonTop + 5));
    EXPECT_TRUE(isGlyph(max + 9, kButtonTop + 6));
    EXPECT_TRUE(isGlyph(max + 4, kButtonTop + 10));
    EXPECT_FALSE(isGlyph(max + 9, kButtonTop + 11));

    // Maximized, the middle button shows the narrower restore glyph: the
    // box's right side is gone.
    EXPECT_TRUE(isGlyph(max + 14, kButtonTop + 12));
    d.Click(max + 10, 14);
    ASSERT_TRUE(IsZoomed(d.hwnd));
    const int maxNow = ButtonLeft(d.W(), 1);
    EXPECT_FALSE(isGlyph(maxNow + 14, kButtonTop + 12));
    EXPECT_TRUE(isGlyph(maxNow + 15, kButtonTop + 8));
}

TEST_F(NeloDialogTest, TemplateDecidesTheButtons) {
    struct {
        UINT id;
        int buttons;
    } cases[] = {{IDD_NO_SYSMENU, 0}, {IDD_CLOSE_ONLY, 1}, {IDD_CLOSE_MIN, 2}, {IDD_ALL_BUTTONS, 3}};
    for (const auto& c : cases) {
        Open d(c.id);
        ASSERT_TRUE(d.hwnd);
        SCOPED_TRACE("template " + std::to_string(c.id));
        for (int slot = 0; slot < 4; ++slot)
            EXPECT_EQ(slot < c.buttons, FaceAt(d.hwnd, slot)) << "slot " << slot;
    }
}

TEST_F(NeloDialogTest, WindowRegionRoundsOnlyTheTopCorners) {
    Open d(IDD_CLOSE_MIN);
    ASSERT_TRUE(d.hwnd);
    const int w = d.W(), h = d.H();
    auto inside = [&](int x, int y) {
        HRGN rgn = CreateRectRgn(0, 0, 0, 0);
        GetWindowRgn(d.hwnd, rgn);
        const bool in = PtInRegion(rgn, x, y) != FALSE;
        DeleteObject(rgn);
        return in;
    };
    EXPECT_FALSE(inside(0, 0));
    EXPECT_FALSE(inside(w - 1, 0));
    EXPECT_TRUE(inside(5, 0));
    EXPECT_TRUE(inside(w - 2, h / 2));
    EXPECT_FALSE(inside(w - 1, h / 2));
    EXPECT_TRUE(inside(0, h - 2));
    EXPECT_TRUE(inside(w - 2, h - 2));
    EXPECT_FALSE(inside(w - 1, h - 2));
    EXPECT_FALSE(inside(0, h - 1));
    EXPECT_FALSE(inside(w - 2, 0)); // rounded

    EXPECT_EQ(1, d.dialog->ShowRoundCorners(0));
    Pump();
    EXPECT_TRUE(inside(0, 0));
    EXPECT_TRUE(inside(w - 2, 0));
}

TEST_F(NeloDialogTest, TitleHeightLimits) {
    {
        Probe unborn(IDD_CLOSE_MIN);
        EXPECT_EQ(0, unborn.SetTitleHeight(20)); // no window yet
        EXPECT_EQ(0, unborn.Invalidate(1));
        EXPECT_EQ(0, unborn.SetTransparency(50));
    }
    Open d(IDD_CLOSE_MIN);
    ASSERT_TRUE(d.hwnd);
    struct {
        int height;
        int result;
        int stored;
    } cases[] = {{14, 0, 25}, {36, 0, 25}, {15, 1, 15}, {35, 1, 35}, {-1, 0, 35}, {30, 1, 30}};
    for (const auto& c : cases) {
        EXPECT_EQ(c.result, d.dialog->SetTitleHeight(c.height)) << c.height;
        EXPECT_EQ(c.stored, d.dialog->GetTitleHeight()) << c.height;
    }
    // The client area follows the title height.
    Pump();
    POINT origin{0, 0};
    ClientToScreen(d.hwnd, &origin);
    RECT window;
    GetWindowRect(d.hwnd, &window);
    EXPECT_EQ(30 + 4, origin.y - window.top);
    EXPECT_TRUE(SameColour(Pixel(d.hwnd, d.W() / 2, 32), kColours.crTitleLineActive1));

    // No taller than the window.
    SetWindowPos(d.hwnd, nullptr, 0, 0, 200, 30, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(0, d.dialog->SetTitleHeight(31));
    EXPECT_EQ(1, d.dialog->SetTitleHeight(30));
}

TEST_F(NeloDialogTest, TransparencyAndTheExtendedStyleItLeaves) {
    Open d(IDD_RESIZABLE);
    ASSERT_TRUE(d.hwnd);
    // A sizing frame in the template makes the border resize.
    EXPECT_EQ(HTTOPLEFT, d.HitTest(0, 0));

    EXPECT_EQ(1, d.dialog->SetTransparency(50));
    EXPECT_EQ(WS_EX_LAYERED, GetWindowLongW(d.hwnd, GWL_EXSTYLE));
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(d.hwnd, nullptr, &alpha, &flags));
    EXPECT_EQ(127, alpha);
    EXPECT_EQ(static_cast<DWORD>(LWA_ALPHA), flags);
    EXPECT_EQ(50, d.dialog->GetTransparency());
    // A translucent dialog does not resize.
    EXPECT_NE(HTTOPLEFT, d.HitTest(0, 0));

    for (int bad : {-1, 101}) {
        EXPECT_EQ(0, d.dialog->SetTransparency(bad));
        EXPECT_EQ(50, d.dialog->GetTransparency());
    }
    EXPECT_EQ(1, d.dialog->SetTransparency(0));
    ASSERT_TRUE(GetLayeredWindowAttributes(d.hwnd, nullptr, &alpha, &flags));
    EXPECT_EQ(0, alpha);

    EXPECT_EQ(1, d.dialog->SetTransparency(100));
    EXPECT_EQ(0, GetWindowLongW(d.hwnd, GWL_EXSTYLE) & WS_EX_LAYERED);
    EXPECT_EQ(HTTOPLEFT, d.HitTest(0, 0));
}

TEST_F(NeloDialogTest, PressAndReleaseOutsideAButtonDoesNothing) {
    Open d(IDD_ALL_BUTTONS);
    ASSERT_TRUE(d.hwnd);
    const int w = d.W();
    const int away = w / 3; // the title bar, clear of caption text and buttons
    for (int slot = 0; slot < 3; ++slot) {
        SCOPED_TRACE("button " + std::to_string(slot));
        const int x = ButtonLeft(w, slot) + 3, y = kButtonTop + 3;
        const COLORREF normal = Pixel(d.hwnd, x, y);
        d.MouseMove(x, y);
        const COLORREF hover = Pixel(d.hwnd, x, y);
        d.Press(x, y);
        const COLORREF pressed = Pixel(d.hwnd, x, y);
        // Hover and press change the face's top: light blue, then the dark
        // pressed top.
        EXPECT_TRUE(ColourNear(hover, kColours.crCloseHoverTop, 40)) << quorvex_test::Describe(hover);
        EXPECT_TRUE(ColourNear(pressed, kColours.crClosePressedTop, 40)) << quorvex_test::Describe(pressed);
        d.MouseMove(away, 12);
        d.Release(away, 12);
        EXPECT_TRUE(SameColour(Pixel(d.hwnd, x, y), normal));
        EXPECT_EQ(0, d.dialog->cancels);
        EXPECT_FALSE(IsZoomed(d.hwnd));
        EXPECT_FALSE(IsIconic(d.hwnd));
        EXPECT_TRUE(IsWindowVisible(d.hwnd));
    }
    // Released over a different button than the one pressed: nothing either.
    const int closeX = ButtonLeft(w, 0) + 10, maxX = ButtonLeft(w, 1) + 10;
    d.MouseMove(closeX, 14);
    d.Press(closeX, 14);
    d.MouseMove(maxX, 14);
    d.Release(maxX, 14);
    EXPECT_EQ(0, d.dialog->cancels);
    EXPECT_FALSE(IsZoomed(d.hwnd));
}

TEST_F(NeloDialogTest, ButtonsCloseMaximizeRestoreAndMinimize) {
    Open d(IDD_ALL_BUTTONS);
    ASSERT_TRUE(d.hwnd);
    const int w = d.W();
    d.Click(ButtonLeft(w, 0) + 10, 14);
    EXPECT_EQ(1, d.dialog->cancels);

    d.Click(ButtonLeft(w, 1) + 10, 14);
    ASSERT_TRUE(IsZoomed(d.hwnd));
    RECT work, rc;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    GetWindowRect(d.hwnd, &rc);
    EXPECT_EQ(work.right - work.left + 1, rc.right - rc.left);
    EXPECT_EQ(work.bottom - work.top + 1, rc.bottom - rc.top);
    EXPECT_EQ(0, rc.left);
    EXPECT_EQ(0, rc.top);

    d.Click(ButtonLeft(Width(d.hwnd), 1) + 10, 14);
    EXPECT_FALSE(IsZoomed(d.hwnd));
    EXPECT_EQ(w, Width(d.hwnd));

    d.Click(ButtonLeft(w, 2) + 10, 14);
    EXPECT_TRUE(IsIconic(d.hwnd));
    EXPECT_EQ(1, d.dialog->ShowWindow(SW_RESTORE, 0));
    Pump();
    EXPECT_FALSE(IsIconic(d.hwnd));
    EXPECT_EQ(0, d.dialog->ShowWindow(12, 0)); // not a show command
}

TEST_F(NeloDialogTest, FixedPositionKeepsTheTitleBarFromDragging) {
    Open d(IDD_ALL_BUTTONS);
    ASSERT_TRUE(d.hwnd);
    const int w = d.W(), away = w / 3;
    EXPECT_EQ(HTCAPTION, d.HitTest(away, 12));
    EXPECT_EQ(HTCAPTION, d.HitTest(ButtonLeft(w, 1) + 10, 14)); // buttons too
    EXPECT_EQ(HTCLIENT, d.HitTest(away, 40));
    EXPECT_EQ(HTCLIENT, d.HitTest(0, d.H() / 2)); // fixed size by default: no sizing border

    EXPECT_EQ(1, d.dialog->FixDialogPosition(1));
    EXPECT_EQ(HTCLIENT, d.HitTest(away, 12));
    EXPECT_EQ(HTCAPTION, d.HitTest(ButtonLeft(w, 0) + 10, 14));
    EXPECT_EQ(HTMAXBUTTON, d.HitTest(ButtonLeft(w, 1) + 10, 14));
    EXPECT_EQ(HTCAPTION, d.HitTest(ButtonLeft(w, 2) + 10, 14));

    // A double click still maximizes and restores.
    SendMessageW(d.hwnd, WM_NCLBUTTONDBLCLK, HTMAXBUTTON,
                 Packed(ScreenPoint(d.hwnd, ButtonLeft(w, 1) + 10, 14)));
    Pump();
    EXPECT_TRUE(IsZoomed(d.hwnd));
    SendMessageW(d.hwnd, WM_NCLBUTTONDBLCLK, HTCAPTION, Packed(ScreenPoint(d.hwnd, 100, 14)));
    Pump();
    EXPECT_FALSE(IsZoomed(d.hwnd));
}

namespace {

// Presses the left button at a window point, moves by (dx, dy) in two steps
// and releases, as real input.
void Drag(HWND hwnd, int x, int y, int dx, int dy) {
    const POINT from = ScreenPoint(hwnd, x, y);
    quorvex_test::LeftDrag(from, {POINT{from.x + dx / 2, from.y + dy / 2}, POINT{from.x + dx, from.y + dy}});
    Pump();
}

} // namespace

TEST_F(NeloDialogTest, TitleBarDragsUnlessThePositionIsFixed) {
    Open d(IDD_CLOSE_MIN, 60, 60);
    ASSERT_TRUE(d.hwnd);
    RECT before, after;
    GetWindowRect(d.hwnd, &before);
    Drag(d.hwnd, d.W() / 3, 12, 40, 30);
    GetWindowRect(d.hwnd, &after);
    EXPECT_EQ(before.left + 40, after.left);
    EXPECT_EQ(before.top + 30, after.top);

    d.dialog->FixDialogPosition(1);
    GetWindowRect(d.hwnd, &before);
    Drag(d.hwnd, d.W() / 3, 12, 40, 30);
    GetWindowRect(d.hwnd, &after);
    EXPECT_EQ(before.left, after.left);
    EXPECT_EQ(before.top, after.top);
}

TEST_F(NeloDialogTest, FadeOutLeavesTheOpacityForTheNextShow) {
    Open d(IDD_CLOSE_MIN);
    ASSERT_TRUE(d.hwnd);
    ASSERT_EQ(1, d.dialog->SetTransparency(90));
    EXPECT_EQ(1, d.dialog->ShowWindow(SW_HIDE, 1));
    EXPECT_FALSE(IsWindowVisible(d.hwnd));
    EXPECT_EQ(90, d.dialog->GetTransparency());
    // Hidden at the end of the fade, but not left at opacity 0.
    BYTE alpha = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(d.hwnd, nullptr, &alpha, nullptr));
    EXPECT_EQ(229, alpha);

    // A fade-in goes back up to the stored opacity.
    EXPECT_EQ(1, d.dialog->ShowWindow(SW_SHOW, 1));
    EXPECT_TRUE(IsWindowVisible(d.hwnd));
    EXPECT_EQ(90, d.dialog->GetTransparency());
    ASSERT_TRUE(GetLayeredWindowAttributes(d.hwnd, nullptr, &alpha, nullptr));
    EXPECT_EQ(229, alpha);
}

TEST_F(NeloDialogTest, StyleChangesKeepTheDrawnTitle) {
    Open d(IDD_CLOSE_MIN);
    ASSERT_TRUE(d.hwnd);
    const int x = d.W() / 2;
    // Asking for the system caption again: the dialog keeps drawing its own.
    SetWindowLongW(d.hwnd, GWL_STYLE, GetWindowLongW(d.hwnd, GWL_STYLE) | WS_CAPTION);
    SetWindowPos(d.hwnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    Pump();
    EXPECT_EQ(0, GetWindowLongW(d.hwnd, GWL_STYLE) & WS_CAPTION);
    EXPECT_TRUE(SameColour(Pixel(d.hwnd, x, 27), kColours.crTitleLineActive1));
    // An unrelated style change leaves the title alone.
    SetWindowLongW(d.hwnd, GWL_STYLE, GetWindowLongW(d.hwnd, GWL_STYLE) | WS_CLIPCHILDREN);
    SetWindowPos(d.hwnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    Pump();
    EXPECT_TRUE(SameColour(Pixel(d.hwnd, x, 27), kColours.crTitleLineActive1));
    POINT origin{0, 0};
    ClientToScreen(d.hwnd, &origin);
    RECT window;
    GetWindowRect(d.hwnd, &window);
    EXPECT_EQ(29, origin.y - window.top);
}

TEST_F(NeloDialogTest, LeavingTheTitleBarEndsTheHoverLook) {
    Open d(IDD_CLOSE_MIN);
    ASSERT_TRUE(d.hwnd);
    const int x = ButtonLeft(d.W(), 0) + 3, y = kButtonTop + 3;
    const COLORREF normal = Pixel(d.hwnd, x, y);
    d.MouseMove(x, y);
    EXPECT_FALSE(SameColour(Pixel(d.hwnd, x, y), normal));
    // The pointer goes away for real: the system reports the leave from its
    // own timer, which a loaded machine may run late.
    SetCursorPos(1270, 1015);
    quorvex_test::PumpUntil([&] {
        quorvex_test::WaitUntilShownOnScreen();
        return Pixel(d.hwnd, x, y) == normal;
    });
    EXPECT_TRUE(SameColour(Pixel(d.hwnd, x, y), normal));
}

TEST_F(NeloDialogTest, DoubleClickNeedsTheMaximizeButton) {
    Open d(IDD_CLOSE_MIN);
    ASSERT_TRUE(d.hwnd);
    SendMessageW(d.hwnd, WM_NCLBUTTONDBLCLK, HTCAPTION, Packed(ScreenPoint(d.hwnd, 60, 14)));
    Pump();
    EXPECT_FALSE(IsZoomed(d.hwnd));
}

TEST_F(NeloDialogTest, ResizableBorderHitTestAndSizingLimits) {
    Open d(IDD_RESIZABLE);
    ASSERT_TRUE(d.hwnd);
    const int w = d.W(), h = d.H();
    struct {
        int x, y;
        LRESULT code;
    } cases[] = {
        {0, 0, HTTOPLEFT},        {2, 2, HTTOPLEFT},
        {w / 2, 1, HTTOP},        {w - 4, 0, HTTOPRIGHT},
        {0, h / 2, HTLEFT},       {1, h - 4, HTBOTTOMLEFT},
        {w - 4, h / 2, HTRIGHT},  {w - 1, h - 2, HTBOTTOMRIGHT},
        {w / 2, h - 4, HTBOTTOM}, {w / 2, 14, HTCAPTION},
        {w / 2, h / 2, HTCLIENT},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.code, d.HitTest(c.x, c.y)) << c.x << ", " << c.y;

    // Narrower than icon + three buttons, or lower than twice the title:
    // the last accepted rectangle holds.
    RECT start;
    GetWindowRect(d.hwnd, &start);
    const int smallest = GetSystemMetrics(SM_CXSMICON) + 3 * 20 + 22;
    RECT narrow{start.left, start.top, start.left + smallest - 1, start.bottom + 7};
    SendMessageW(d.hwnd, WM_SIZING, WMSZ_BOTTOMRIGHT, reinterpret_cast<LPARAM>(&narrow));
    EXPECT_EQ(start.left, narrow.left);
    EXPECT_EQ(start.right, narrow.right);
    EXPECT_EQ(start.bottom + 7, narrow.bottom); // the height was fine
    RECT low{start.left, start.top, start.left + smallest, start.top + 49};
    SendMessageW(d.hwnd, WM_SIZING, WMSZ_BOTTOMRIGHT, reinterpret_cast<LPARAM>(&low));
    EXPECT_EQ(start.left + smallest, low.right);
    EXPECT_EQ(start.bottom + 7, low.bottom); // the last accepted height
    RECT fine{10, 20, 10 + smallest, 20 + 50};
    SendMessageW(d.hwnd, WM_SIZING, WMSZ_BOTTOMRIGHT, reinterpret_cast<LPARAM>(&fine));
    EXPECT_EQ(10 + smallest, fine.right);
    EXPECT_EQ(70, fine.bottom);
}

TEST_F(NeloDialogTest, ColourRecordRoundTripsAndRepaints) {
    Open d(IDD_NO_CAPTION);
    ASSERT_TRUE(d.hwnd);
    _DialogColorInfo info;
    ASSERT_EQ(1, d.dialog->GetDialogColorInfo(info));
    EXPECT_EQ(RGB(96, 161, 240), info.crTitleActiveTop);
    EXPECT_EQ(RGB(93, 116, 143), info.crCloseBorderPressed);
    EXPECT_EQ(RGB(225, 236, 250), info.crMinNormalTop);
    EXPECT_EQ(RGB(136, 184, 240), info.crMaxHoverBottom);

    // Without a caption: plain rectangular rings and no title.
    const int w = d.W(), h = d.H();
    EXPECT_TRUE(SameColour(Pixel(d.hwnd, w / 2, 0), kColours.crBorderOuterActive));
    EXPECT_TRUE(SameColour(Pixel(d.hwnd, w / 2, 1), kColours.crBorderInnerActive));
    EXPECT_TRUE(SameColour(Pixel(d.hwnd, 0, 0), kColours.crBorderOuterActive));
    EXPECT_TRUE(SameColour(Pixel(d.hwnd, w / 2, 2), kColours.crBackground));

    info.crBackground = RGB(10, 200, 30);
    info.crBorderOuterActive = RGB(200, 10, 30);
    ASSERT_EQ(1, d.dialog->SetDialogColorInfo(info));
    Pump();
    EXPECT_TRUE(SameColour(Pixel(d.hwnd, w / 2, h / 2), RGB(10, 200, 30)));
    EXPECT_TRUE(SameColour(Pixel(d.hwnd, w / 2, 0), RGB(200, 10, 30)));
    _DialogColorInfo back;
    d.dialog->GetDialogColorInfo(back);
    EXPECT_EQ(0, memcmp(&info, &back, sizeof(info)));
}

TEST_F(NeloDialogTest, StyleSettersAndFont) {
    Open d(IDD_CLOSE_MIN);
    ASSERT_TRUE(d.hwnd);
    EXPECT_EQ(1, d.dialog->SetSystemButtonStyle(SystemButtonCloseMaxMin));
    Pump();
    EXPECT_TRUE(FaceAt(d.hwnd, 2));
    EXPECT_EQ(1, d.dialog->SetSystemButtonStyle(SystemButtonClose));
    Pump();
    EXPECT_TRUE(FaceAt(d.hwnd, 0));
    EXPECT_FALSE(FaceAt(d.hwnd, 1));
    EXPECT_EQ(1, d.dialog->SetSystemButtonStyle(SystemButtonClose));
    EXPECT_EQ(0, d.dialog->SetSystemButtonStyle(static_cast<SystemButtonStyle>(4)));

    EXPECT_EQ(1, d.dialog->SetFont(L"Arial", 10, 1));
    EXPECT_EQ(0, d.dialog->SetFont(L"Arial", 0, 0));
    EXPECT_EQ(0, d.dialog->SetFont(L"Arial", 101, 0));
}

namespace {

// Ends itself from OnInitDialog through the given command.
class SelfEnding : public NeloDialog {
public:
    SelfEnding(UINT id, UINT command) : NeloDialog(id), m_command(command) {}
    int ended = 0;
    int transparencyAtInit = -1;

protected:
    BOOL OnInitDialog() override {
        NeloDialog::OnInitDialog();
        transparencyAtInit = GetTransparency();
        PostMessageW(WM_COMMAND, m_command, 0);
        return TRUE;
    }
    void OnOK() override {
        ended = IDOK;
        NeloDialog::OnOK();
    }
    void OnCancel() override {
        ended = IDCANCEL;
        NeloDialog::OnCancel();
    }

private:
    UINT m_command;
};

// Closes itself with the drawn close button once it is up.
class ClosedByButton : public NeloDialog {
public:
    explicit ClosedByButton(UINT id) : NeloDialog(id) {}

protected:
    BOOL OnInitDialog() override {
        NeloDialog::OnInitDialog();
        PostMessageW(WM_APP, 0, 0);
        return TRUE;
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_APP) {
            RECT rc;
            ::GetWindowRect(m_hWnd, &rc);
            const LPARAM at = MAKELPARAM(rc.right - 19, rc.top + 14);
            SendMessageW(WM_NCMOUSEMOVE, HTCAPTION, at);
            SendMessageW(WM_NCLBUTTONDOWN, HTCAPTION, at);
            SendMessageW(WM_NCLBUTTONUP, HTCAPTION, at);
            return 0;
        }
        return NeloDialog::WindowProc(message, wParam, lParam);
    }
};

} // namespace

TEST_F(NeloDialogTest, DoModalReturnsOneForOkAndCancel) {
    {
        SelfEnding ok(IDD_CLOSE_MIN, IDOK);
        EXPECT_EQ(1, ok.DoModal(0, 100));
        EXPECT_EQ(IDOK, ok.ended);
        EXPECT_EQ(100, ok.transparencyAtInit);
    }
    {
        SelfEnding cancel(IDD_CLOSE_MIN, IDCANCEL);
        EXPECT_EQ(1, cancel.DoModal(0, 60));
        EXPECT_EQ(IDCANCEL, cancel.ended);
        EXPECT_EQ(60, cancel.transparencyAtInit);
    }
    {
        // Faded in to the given opacity before the first message arrives.
        SelfEnding faded(IDD_CLOSE_MIN, IDOK);
        EXPECT_EQ(1, faded.DoModal(1, 80));
        EXPECT_EQ(80, faded.transparencyAtInit);
    }
    {
        ClosedByButton closed(IDD_ALL_BUTTONS);
        EXPECT_EQ(1, closed.DoModal());
    }
    {
        NeloDialog missing(IDD_MISSING);
        EXPECT_EQ(0, missing.DoModal(0, 100));
    }
}

TEST_F(NeloDialogTest, PaintingTheFrameLeaksNoGdiObject) {
    Open d(IDD_ALL_BUTTONS);
    ASSERT_TRUE(d.hwnd);
    const int w = d.W();
    auto paintEverything = [&] {
        RedrawWindow(d.hwnd, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_NOCHILDREN);
    };
    // Cached brushes and fonts are made on the first paints, before counting.
    d.MouseMove(ButtonLeft(w, 0) + 10, 14);
    paintEverything();
    d.MouseMove(w / 3, 12);
    paintEverything();

    // Fill the process's GDI handle table but for a known number of free
    // entries; a paint that leaks even one object per run eats them up.
    std::vector<HBRUSH> filler;
    while (HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3)))
        filler.push_back(brush);
    const int spare = 200;
    ASSERT_GT(static_cast<int>(filler.size()), spare);
    for (int i = 0; i < spare; ++i) {
        DeleteObject(filler.back());
        filler.pop_back();
    }
    for (int round = 0; round < 400; ++round) {
        paintEverything();
        SendMessageW(d.hwnd, WM_NCMOUSEMOVE, HTCAPTION,
                     Packed(ScreenPoint(d.hwnd, ButtonLeft(w, round % 3) + 10, 14)));
        SendMessageW(d.hwnd, WM_NCLBUTTONDOWN, HTCAPTION,
                     Packed(ScreenPoint(d.hwnd, ButtonLeft(w, 0) + 10, 14)));
        SendMessageW(d.hwnd, WM_NCLBUTTONUP, HTCAPTION, Packed(ScreenPoint(d.hwnd, w / 3, 12)));
    }
    int free = 0;
    while (free < spare) {
        HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
        if (!brush)
            break;
        filler.push_back(brush);
        ++free;
    }
    for (HBRUSH brush : filler)
        DeleteObject(brush);
    EXPECT_EQ(spare, free);
    paintEverything();
    EXPECT_TRUE(SameColour(Pixel(d.hwnd, w / 2, 27), kColours.crTitleLineActive1));
}

TEST(TavrinModule, JoinsTheFrameworksLibraryChainWhenLoaded) {
    // The program has no version resource of its own; the library's is found
    // through the chain of extension modules.
    HMODULE tavrin = GetModuleHandleW(L"Tavrin.dll");
    ASSERT_NE(nullptr, tavrin);
    EXPECT_EQ(tavrin, AfxFindResourceHandle(MAKEINTRESOURCE(VS_VERSION_INFO), RT_VERSION));
}

TEST_F(NeloDialogTest, GdiplusRunsWhileDialogsExist) {
    const int before = GdiplusSession::Count();
    ASSERT_EQ(0, before);
    {
        NeloDialog a(IDD_CLOSE_MIN);
        EXPECT_TRUE(GdiplusSession::IsRunning());
        {
            NeloDialog b(IDD_CLOSE_MIN);
            EXPECT_EQ(2, GdiplusSession::Count());
        }
        EXPECT_TRUE(GdiplusSession::IsRunning());
    }
    EXPECT_FALSE(GdiplusSession::IsRunning());
    // The next dialog starts it again and paints.
    Open d(IDD_CLOSE_MIN);
    ASSERT_TRUE(d.hwnd);
    EXPECT_TRUE(GdiplusSession::IsRunning());
    EXPECT_TRUE(FaceAt(d.hwnd, 0));
}
