// NeloDialog on real windows: pixels read back from the screen after the
// frame has painted, hit testing, the drawn buttons driven by non-client
// mouse messages, the setters and the modal run.
#include <Tavrin.h>

#include "nelo_dialog_test_ids.h"
#include "support/capture.h"
#include "support/colour_record.h"
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
// The message the probe sends itself from OnCancel, so that a message
// sequence shows where the cancel happened.
constexpr UINT kCancelled = WM_APP + 1;

class Probe : public NeloDialog {
public:
    explicit Probe(UINT id) : NeloDialog(id) {}
    int cancels = 0;

protected:
    void OnCancel() override {
        ++cancels;
        SendMessageW(kCancelled, 0, 0);
    }
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

// Solid faces (top and bottom alike), one colour per button and look, so
// that each face can be told from every other by one exact pixel.
struct ButtonFaces {
    COLORREF normal, hover, pressed, inactive;
};
const ButtonFaces kMinFaces{RGB(210, 40, 40), RGB(230, 110, 110), RGB(140, 20, 20), RGB(200, 160, 160)};
const ButtonFaces kMaxFaces{RGB(40, 200, 40), RGB(110, 230, 110), RGB(20, 140, 20), RGB(160, 200, 160)};
const ButtonFaces kCloseFaces{RGB(40, 40, 210), RGB(110, 110, 230), RGB(20, 20, 140), RGB(160, 160, 200)};

_DialogColorInfo DistinctButtons() {
    _DialogColorInfo c = NeloDialog::DefaultColorInfo();
#define TAVRIN_TEST_FACES(P, faces)                                                                          \
    c.cr##P##NormalTop = c.cr##P##NormalBottom = faces.normal;                                               \
    c.cr##P##HoverTop = c.cr##P##HoverBottom = faces.hover;                                                  \
    c.cr##P##PressedTop = c.cr##P##PressedBottom = faces.pressed;                                            \
    c.cr##P##InactiveTop = c.cr##P##InactiveBottom = faces.inactive
    TAVRIN_TEST_FACES(Min, kMinFaces);
    TAVRIN_TEST_FACES(Max, kMaxFaces);
    TAVRIN_TEST_FACES(Close, kCloseFaces);
#undef TAVRIN_TEST_FACES
    return c;
}

// The face of a button slot (0 close, then leftwards) on its left side at
// mid height, clear of outline and glyph.
COLORREF FacePixel(HWND hwnd, int slot) {
    return Pixel(hwnd, ButtonLeft(Width(hwnd), slot) + 2, kButtonTop + 10);
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
    EXPECT_TRUE(ColourNear(Pixel(d.hwnd, x, 2),
                           Mix(kColours.crTitleActiveTop, kColours.crTitleActiveBottom, 2.5 / 29), 2));
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
        EXPECT_TRUE(isOutline(left + kButton - 1, mid))
            << quorvex_test::Describe(Pixel(d.hwnd, left + kButton - 1, mid));
        EXPECT_TRUE(isOutline(left + 10, kButtonTop))
            << quorvex_test::Describe(Pixel(d.hwnd, left + 10, kButtonTop));
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
    ASSERT_EQ(1, d.dialog->SetDialogColorInfo(DistinctButtons()));
    Pump();
    const int w = d.W();
    const int away = w / 3; // the title bar, clear of caption text and buttons
    const ButtonFaces* faces[] = {&kCloseFaces, &kMaxFaces, &kMinFaces};
    for (int slot = 0; slot < 3; ++slot) {
        SCOPED_TRACE("button " + std::to_string(slot));
        const int x = ButtonLeft(w, slot) + 2, y = kButtonTop + 10;
        EXPECT_TRUE(SameColour(FacePixel(d.hwnd, slot), faces[slot]->normal));
        d.MouseMove(x, y);
        EXPECT_TRUE(SameColour(FacePixel(d.hwnd, slot), faces[slot]->hover));
        d.Press(x, y);
        EXPECT_TRUE(SameColour(FacePixel(d.hwnd, slot), faces[slot]->pressed));
        d.MouseMove(away, 12);
        d.Release(away, 12);
        EXPECT_TRUE(SameColour(FacePixel(d.hwnd, slot), faces[slot]->normal));
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

TEST_F(NeloDialogTest, EachButtonWearsItsOwnColourGroup) {
    Open d(IDD_ALL_BUTTONS);
    ASSERT_TRUE(d.hwnd);
    ASSERT_EQ(1, d.dialog->SetDialogColorInfo(DistinctButtons()));
    Pump();
    // Close on the right, maximize in the middle, minimize on the left; only
    // the button under the pointer changes.
    EXPECT_TRUE(SameColour(FacePixel(d.hwnd, 0), kCloseFaces.normal));
    EXPECT_TRUE(SameColour(FacePixel(d.hwnd, 1), kMaxFaces.normal));
    EXPECT_TRUE(SameColour(FacePixel(d.hwnd, 2), kMinFaces.normal));
    d.MouseMove(ButtonLeft(d.W(), 2) + 10, 14);
    EXPECT_TRUE(SameColour(FacePixel(d.hwnd, 0), kCloseFaces.normal));
    EXPECT_TRUE(SameColour(FacePixel(d.hwnd, 1), kMaxFaces.normal));
    EXPECT_TRUE(SameColour(FacePixel(d.hwnd, 2), kMinFaces.hover));
    d.MouseMove(d.W() / 3, 12);

    // Inactive: every button its own inactive face.
    Open other(IDD_CLOSE_MIN, 500, 300);
    ASSERT_EQ(other.hwnd, GetActiveWindow());
    EXPECT_TRUE(SameColour(FacePixel(d.hwnd, 0), kCloseFaces.inactive));
    EXPECT_TRUE(SameColour(FacePixel(d.hwnd, 1), kMaxFaces.inactive));
    EXPECT_TRUE(SameColour(FacePixel(d.hwnd, 2), kMinFaces.inactive));

    // With close and minimize only, the minimize button sits next to close.
    ASSERT_EQ(1, other.dialog->SetDialogColorInfo(DistinctButtons()));
    Pump();
    EXPECT_TRUE(SameColour(FacePixel(other.hwnd, 0), kCloseFaces.normal));
    EXPECT_TRUE(SameColour(FacePixel(other.hwnd, 1), kMinFaces.normal));
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
    // The window's own opacity when initialisation is done: -1 when it is
    // not layered at all.
    int alphaAtInit = -2;

protected:
    BOOL OnInitDialog() override {
        NeloDialog::OnInitDialog();
        BYTE alpha = 0;
        DWORD flags = 0;
        if (!(GetWindowLongW(m_hWnd, GWL_EXSTYLE) & WS_EX_LAYERED))
            alphaAtInit = -1;
        else if (::GetLayeredWindowAttributes(m_hWnd, nullptr, &alpha, &flags) && (flags & LWA_ALPHA))
            alphaAtInit = alpha;
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
        EXPECT_EQ(-1, ok.alphaAtInit) << "fully opaque: not layered";
    }
    {
        SelfEnding cancel(IDD_CLOSE_MIN, IDCANCEL);
        EXPECT_EQ(1, cancel.DoModal(0, 60));
        EXPECT_EQ(IDCANCEL, cancel.ended);
        EXPECT_EQ(60 * 255 / 100, cancel.alphaAtInit);
    }
    {
        // Faded in to the given opacity before the first message arrives.
        SelfEnding faded(IDD_CLOSE_MIN, IDOK);
        EXPECT_EQ(1, faded.DoModal(1, 80));
        EXPECT_EQ(80 * 255 / 100, faded.alphaAtInit);
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

namespace {

// One sizing as the system's sizing loop runs it: WM_ENTERSIZEMOVE, one
// WM_SIZING per pointer move (the dialog may change the rectangle), the
// window set to the rectangle each time, WM_EXITSIZEMOVE. The dialog's drawn
// border carries no WS_THICKFRAME, and Wine's own loop sizes only windows
// that have one, so the test plays the loop's part; the move between two
// sizings is a real drag of the title.
RECT SizeThrough(HWND hwnd, const std::vector<RECT>& proposals) {
    SendMessageW(hwnd, WM_ENTERSIZEMOVE, 0, 0);
    for (RECT r : proposals) {
        SendMessageW(hwnd, WM_SIZING, WMSZ_BOTTOMRIGHT, reinterpret_cast<LPARAM>(&r));
        SetWindowPos(hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    SendMessageW(hwnd, WM_EXITSIZEMOVE, 0, 0);
    Pump();
    RECT now;
    GetWindowRect(hwnd, &now);
    return now;
}

} // namespace

TEST_F(NeloDialogTest, EachSizingStartsFromWhereTheWindowIsNow) {
    Open d(IDD_RESIZABLE, 60, 60);
    ASSERT_TRUE(d.hwnd);
    RECT start;
    GetWindowRect(d.hwnd, &start);
    const RECT sized =
        SizeThrough(d.hwnd, {RECT{start.left, start.top, start.right + 30, start.bottom + 20}});
    ASSERT_EQ(start.bottom + 20, sized.bottom);

    Drag(d.hwnd, d.W() / 3, 12, 200, 100);
    RECT moved;
    GetWindowRect(d.hwnd, &moved);
    ASSERT_EQ(sized.left + 200, moved.left) << "the title drags the window";

    // Lower than twice the title (50): the rectangle the window had when
    // this sizing began holds, not one from an earlier sizing.
    const RECT low = SizeThrough(d.hwnd, {RECT{moved.left, moved.top, moved.right, moved.top + 35}});
    EXPECT_EQ(moved.left, low.left);
    EXPECT_EQ(moved.top, low.top);
    EXPECT_EQ(moved.right, low.right);
    EXPECT_EQ(moved.bottom, low.bottom);
}

TEST_F(NeloDialogTest, WithoutABorderWidthNoRingsAreDrawn) {
    // No caption and no WS_BORDER: the client area reaches the window's
    // edges, whatever activation changes come.
    Open bare(IDD_BARE, 60, 60);
    ASSERT_TRUE(bare.hwnd);
    {
        Open other(IDD_CLOSE_MIN, 500, 300);
        ASSERT_EQ(other.hwnd, GetActiveWindow());
    }
    SetActiveWindow(bare.hwnd);
    Pump();
    const int w = bare.W(), h = bare.H();
    // The window region leaves out the last column and row.
    const POINT edges[] = {{0, 0},         {w / 2, 0},     {1, 1},        {0, h / 2},
                           {w - 2, h / 2}, {w / 2, h - 2}, {w - 3, h - 3}};
    for (const POINT& p : edges)
        EXPECT_TRUE(SameColour(Pixel(bare.hwnd, p.x, p.y), kColours.crBackground)) << p.x << ", " << p.y;
}

namespace {

// Made hidden, without placing the focus on start (which would activate it),
// then shown without activation.
class QuietStart : public NeloDialog {
public:
    explicit QuietStart(UINT id) : NeloDialog(id) {}

protected:
    BOOL OnInitDialog() override {
        NeloDialog::OnInitDialog();
        return FALSE;
    }
};

} // namespace

TEST_F(NeloDialogTest, ShownWithoutActivationItWearsTheInactiveLook) {
    Open active(IDD_CLOSE_MIN, 60, 60);
    ASSERT_TRUE(active.hwnd);
    QuietStart quiet(IDD_CLOSE_MIN);
    ASSERT_TRUE(quiet.Create(IDD_CLOSE_MIN));
    HWND hwnd = quiet.GetSafeHwnd();
    SetWindowPos(hwnd, nullptr, 500, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    quiet.CWnd::ShowWindow(SW_SHOWNOACTIVATE);
    Pump();
    ASSERT_EQ(active.hwnd, GetActiveWindow());
    const int x = Width(hwnd) / 2;
    EXPECT_TRUE(SameColour(Pixel(hwnd, x, 27), kColours.crTitleLineInactive1));
    EXPECT_TRUE(SameColour(Pixel(hwnd, 0, Height(hwnd) / 2), kColours.crBorderOuterInactive));
    EXPECT_TRUE(SameColour(Pixel(active.hwnd, x, 27), kColours.crTitleLineActive1));

    // Activated later, it takes the active look.
    SetActiveWindow(hwnd);
    Pump();
    EXPECT_TRUE(SameColour(Pixel(hwnd, x, 27), kColours.crTitleLineActive1));
    quiet.DestroyWindow();
    Pump();
}

namespace {

// A solid square icon of one colour (opaque everywhere).
HICON SolidIcon(int size, COLORREF colour) {
    HDC screen = GetDC(nullptr);
    HBITMAP pixels = CreateCompatibleBitmap(screen, size, size);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(memory, pixels);
    HBRUSH brush = CreateSolidBrush(colour);
    RECT all{0, 0, size, size};
    FillRect(memory, &all, brush);
    DeleteObject(brush);
    SelectObject(memory, old);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    std::vector<BYTE> zeros(static_cast<size_t>(size) * size / 8, 0);
    HBITMAP mask = CreateBitmap(size, size, 1, 1, zeros.data());
    ICONINFO info{TRUE, 0, 0, mask, pixels};
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(mask);
    DeleteObject(pixels);
    return icon;
}

// Title bar pixels of a window: the rows 0 .. title, as a capture.
quorvex_test::Capture TitleOf(HWND hwnd, int rows) {
    RECT r;
    GetWindowRect(hwnd, &r);
    r.bottom = r.top + rows;
    return quorvex_test::Capture::Screen(r);
}

// A caption in yellow on a solid navy title, so that its pixels stand out.
void ShowCaption(Open& d, const wchar_t* text) {
    _DialogColorInfo colours = NeloDialog::DefaultColorInfo();
    colours.crTitleActiveTop = colours.crTitleActiveBottom = RGB(0, 0, 90);
    colours.crTitleTextActive = RGB(255, 255, 0);
    d.dialog->SetDialogColorInfo(colours);
    SetWindowTextW(d.hwnd, text);
    Pump();
}

bool IsCaptionInk(COLORREF c) {
    return GetRValue(c) > 120 && GetGValue(c) > 120 && GetBValue(c) < 80;
}

} // namespace

TEST_F(NeloDialogTest, IconTakesTheSizeTheTitleHoldsAndPushesTheCaptionRight) {
    Open d(IDD_ALL_BUTTONS);
    ASSERT_TRUE(d.hwnd);
    HICON small = SolidIcon(GetSystemMetrics(SM_CXSMICON), RGB(255, 0, 0));
    HICON large = SolidIcon(GetSystemMetrics(SM_CXICON), RGB(0, 255, 0));
    SendMessageW(d.hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
    SendMessageW(d.hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(large));
    auto red = [](COLORREF c) { return c == RGB(255, 0, 0); };
    auto green = [](COLORREF c) { return c == RGB(0, 255, 0); };
    struct Case {
        int title;
        bool smallIcon;
        RECT expected;
    } cases[] = {
        // The large icon (32) only when it is lower than the title; drawn at
        // x = 6, y = (T - size + 1) / 2 + 1.
        {25, true, {6, 6, 22, 22}},
        {35, false, {6, 3, 38, 35}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        ASSERT_EQ(1, d.dialog->SetTitleHeight(c.title));
        Pump();
        const quorvex_test::Capture title = TitleOf(d.hwnd, c.title + 4);
        const RECT bounds = title.Bounds(c.smallIcon ? red : green);
        EXPECT_EQ(c.expected.left, bounds.left);
        EXPECT_EQ(c.expected.top, bounds.top);
        EXPECT_EQ(c.expected.right, bounds.right);
        EXPECT_EQ(c.expected.bottom, bounds.bottom);
        EXPECT_EQ(0, title.Count(c.smallIcon ? green : red)) << "only one of the two icons";
    }
    // The caption starts 12 pixels after the icon.
    ASSERT_EQ(1, d.dialog->SetTitleHeight(25));
    ShowCaption(d, L"WWW");
    const RECT text = TitleOf(d.hwnd, 25).Bounds(IsCaptionInk);
    EXPECT_GE(text.left, 16 + 12);
    EXPECT_LE(text.left, 16 + 12 + 2);
    SendMessageW(d.hwnd, WM_SETICON, ICON_SMALL, 0);
    SendMessageW(d.hwnd, WM_SETICON, ICON_BIG, 0);
    DestroyIcon(small);
    DestroyIcon(large);
}

TEST_F(NeloDialogTest, CaptionStaysInItsRectangleAndEndsInAnEllipsis) {
    Open d(IDD_ALL_BUTTONS);
    ASSERT_TRUE(d.hwnd);
    ShowCaption(d, L"A caption far too long for the title bar of this small dialog, however it is drawn");
    // Text rectangle: from 12 (no icon) to W - 11 - 3M with three buttons,
    // from floor(T x 0.1 + 1) = 3 to T = 25.
    const int w = d.W(), right = w - 11 - 3 * 20;
    const auto ink = IsCaptionInk;
    const quorvex_test::Capture title = TitleOf(d.hwnd, 27);
    const RECT text = title.Bounds(ink, RECT{0, 0, w, 27});
    EXPECT_GE(text.left, 12);
    EXPECT_LE(text.left, 14);
    EXPECT_GE(text.top, 3);
    EXPECT_LE(text.bottom, 25);
    EXPECT_LE(text.right, right) << "the text ends before the buttons";
    EXPECT_GE(text.right, right - 12) << "the text fills its rectangle";
    // The last characters are the ellipsis: three dots on the baseline, with
    // nothing of a letter above them.
    const int middle = (text.top + text.bottom) / 2;
    EXPECT_EQ(0, title.Count(ink, RECT{text.right - 10, text.top, text.right, middle}));
    EXPECT_GT(title.Count(ink, RECT{text.right - 10, middle, text.right, text.bottom}), 3);
    // Vertically centred in (3, 25).
    EXPECT_LE(std::abs((text.top + text.bottom) - (3 + 25)), 4);
}

TEST_F(NeloDialogTest, CloseButtonClickCancelsOnceAndStartsNoDrag) {
    Open d(IDD_ALL_BUTTONS);
    ASSERT_TRUE(d.hwnd);
    using namespace quorvex_test;
    MessageRecorder recorder(d.hwnd, nullptr,
                             {WM_NCLBUTTONDOWN, WM_NCLBUTTONUP, WM_LBUTTONUP, WM_SYSCOMMAND, WM_ENTERSIZEMOVE,
                              WM_CAPTURECHANGED, kCancelled});
    LeftClick(ScreenPoint(d.hwnd, ButtonLeft(d.W(), 0) + 10, kButtonTop + 10));
    Pump();
    EXPECT_TRUE(recorder.Matches({
        {WM_NCLBUTTONDOWN, Posted, ToControl, MatchWParam, HTCAPTION},
        {WM_NCLBUTTONUP, Posted, ToControl, MatchWParam, HTCAPTION},
        {kCancelled, Sent, ToControl},
    }));
    EXPECT_EQ(1, d.dialog->cancels);
}

namespace {

using quorvex_test::ColourEntry;

#define TAVRIN_TEST_BUTTON_GROUP(P)                                                                          \
    {"cr" #P "NormalTop", &_DialogColorInfo::cr##P##NormalTop, RGB(225, 236, 250)},                          \
        {"cr" #P "NormalBottom", &_DialogColorInfo::cr##P##NormalBottom, RGB(74, 143, 228)},                 \
        {"cr" #P "InactiveTop", &_DialogColorInfo::cr##P##InactiveTop, RGB(225, 236, 250)},                  \
        {"cr" #P "InactiveBottom", &_DialogColorInfo::cr##P##InactiveBottom, RGB(154, 190, 234)},            \
        {"cr" #P "HoverTop", &_DialogColorInfo::cr##P##HoverTop, RGB(225, 236, 250)},                        \
        {"cr" #P "HoverBottom", &_DialogColorInfo::cr##P##HoverBottom, RGB(136, 184, 240)},                  \
        {"cr" #P "PressedTop", &_DialogColorInfo::cr##P##PressedTop, RGB(74, 143, 228)},                     \
        {"cr" #P "PressedBottom", &_DialogColorInfo::cr##P##PressedBottom, RGB(225, 236, 250)},              \
        {"cr" #P "GlyphNormal", &_DialogColorInfo::cr##P##GlyphNormal, RGB(250, 250, 250)},                  \
        {"cr" #P "GlyphInactive", &_DialogColorInfo::cr##P##GlyphInactive, RGB(250, 250, 250)},              \
        {"cr" #P "GlyphHover", &_DialogColorInfo::cr##P##GlyphHover, RGB(250, 250, 250)},                    \
        {"cr" #P "GlyphPressed", &_DialogColorInfo::cr##P##GlyphPressed, RGB(250, 250, 250)},                \
        {"cr" #P "BorderNormal", &_DialogColorInfo::cr##P##BorderNormal, RGB(93, 116, 143)},                 \
        {"cr" #P "BorderInactive", &_DialogColorInfo::cr##P##BorderInactive, RGB(93, 116, 143)},             \
        {"cr" #P "BorderHover", &_DialogColorInfo::cr##P##BorderHover, RGB(93, 116, 143)}, {                 \
        "cr" #P "BorderPressed", &_DialogColorInfo::cr##P##BorderPressed, RGB(93, 116, 143)                  \
    }

const ColourEntry<_DialogColorInfo> kDialogColours[] = {
    {"crTitleActiveTop", &_DialogColorInfo::crTitleActiveTop, RGB(96, 161, 240)},
    {"crTitleActiveBottom", &_DialogColorInfo::crTitleActiveBottom, RGB(74, 143, 228)},
    {"crTitleInactiveTop", &_DialogColorInfo::crTitleInactiveTop, RGB(166, 200, 242)},
    {"crTitleInactiveBottom", &_DialogColorInfo::crTitleInactiveBottom, RGB(154, 190, 234)},
    {"crTitleLineActive1", &_DialogColorInfo::crTitleLineActive1, RGB(65, 128, 202)},
    {"crTitleLineActive2", &_DialogColorInfo::crTitleLineActive2, RGB(48, 94, 150)},
    {"crTitleLineInactive1", &_DialogColorInfo::crTitleLineInactive1, RGB(135, 171, 214)},
    {"crTitleLineInactive2", &_DialogColorInfo::crTitleLineInactive2, RGB(111, 142, 176)},
    {"crBackground", &_DialogColorInfo::crBackground, RGB(225, 236, 249)},
    {"crBorderInnerActive", &_DialogColorInfo::crBorderInnerActive, RGB(135, 184, 243)},
    {"crBorderOuterActive", &_DialogColorInfo::crBorderOuterActive, RGB(89, 89, 89)},
    {"crBorderInnerInactive", &_DialogColorInfo::crBorderInnerInactive, RGB(135, 184, 243)},
    {"crBorderOuterInactive", &_DialogColorInfo::crBorderOuterInactive, RGB(172, 168, 153)},
    {"crTitleTextActive", &_DialogColorInfo::crTitleTextActive, RGB(225, 235, 249)},
    {"crTitleTextInactive", &_DialogColorInfo::crTitleTextInactive, RGB(250, 250, 250)},
    TAVRIN_TEST_BUTTON_GROUP(Min),
    TAVRIN_TEST_BUTTON_GROUP(Max),
    TAVRIN_TEST_BUTTON_GROUP(Close),
};

#undef TAVRIN_TEST_BUTTON_GROUP

} // namespace

TEST_F(NeloDialogTest, DefaultsAsTheDialogIsMade) {
    EXPECT_TRUE(quorvex_test::RecordHolds(NeloDialog::DefaultColorInfo(), kDialogColours));
    NeloDialog unborn(IDD_CLOSE_MIN);
    EXPECT_EQ(25, unborn.GetTitleHeight());
    EXPECT_EQ(100, unborn.GetTransparency());

    Open d(IDD_CLOSE_MIN);
    ASSERT_TRUE(d.hwnd);
    _DialogColorInfo live;
    ASSERT_EQ(1, d.dialog->GetDialogColorInfo(live));
    EXPECT_TRUE(quorvex_test::RecordHolds(live, kDialogColours));
    EXPECT_EQ(25, d.dialog->GetTitleHeight());
    EXPECT_EQ(100, d.dialog->GetTransparency());
    EXPECT_EQ(0, GetWindowLongW(d.hwnd, GWL_EXSTYLE) & WS_EX_LAYERED);

    // The title font is ("Arial", 14 points, not bold): setting it changes
    // nothing on screen, while 13 points does.
    SetWindowTextW(d.hwnd, L"Quorvex Wg");
    Pump();
    const quorvex_test::Capture byDefault = TitleOf(d.hwnd, 27);
    ASSERT_EQ(1, d.dialog->SetFont(L"Arial", 14, 0));
    Pump();
    EXPECT_EQ(0, TitleOf(d.hwnd, 27).Differences(byDefault));
    ASSERT_EQ(1, d.dialog->SetFont(L"Arial", 13, 0));
    Pump();
    EXPECT_GT(TitleOf(d.hwnd, 27).Differences(byDefault), 0);
}
