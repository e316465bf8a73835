// NeloToolTipCtrl as a button's own tip and on its own: fitted to its text,
// placed below the pointer or flipped above it near the screen's corner,
// painted with its gradient, frame and text colour.
#include "test_support.h"

using namespace buttons_test;
using Tavrin::NeloButton;
using Tavrin::NeloToolTipCtrl;

namespace {

constexpr int kButtonId = 2101;

// Size the tip should take for a text: the text in the tip's default font,
// two pixels of air on each side, one above and below.
SIZE ExpectedTipSize(const wchar_t* text) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, Tavrin::SkinResourceCache::GetFont(Tavrin::FontKey(L"Arial", 10, 0)));
    RECT r{0, 0, 0, 0};
    DrawTextW(dc, text, -1, &r, DT_CALCRECT | DT_NOPREFIX | DT_CENTER);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return SIZE{r.right - r.left + 4, r.bottom - r.top + 2};
}

class ToolTipTest : public HostTest {
protected:
    // Moves the real pointer to a client point of the button and lets the
    // button relay the move to its tip; waits until the tip was placed.
    bool PointAt(HWND button, HWND tip, int x, int y, POINT* screenPoint, DWORD timeoutMs = 3000) {
        POINT p{x, y};
        ::ClientToScreen(button, &p);
        *screenPoint = p;
        RECT before{};
        ::GetWindowRect(tip, &before);
        ::SetCursorPos(p.x, p.y);
        Pump();
        ::PostMessageW(button, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
        return PumpUntil(
            [&] {
                RECT now{};
                ::GetWindowRect(tip, &now);
                return now.top != before.top || now.left != before.left;
            },
            timeoutMs);
    }
};

TEST_F(ToolTipTest, TipFitsItsTextAndShowsBelowThePointer) {
    NeloButton button;
    HWND window = CreateChild(L"BUTTON", L"Convert", WS_TABSTOP, 40, 60, 120, 40, kButtonId);
    ASSERT_TRUE(button.SubclassWindow(window));
    const wchar_t* text = L"Convert the listed files";
    ASSERT_EQ(1, button.SetToolTipText(text));
    EXPECT_EQ(0, button.GetToolTipText().Compare(text));
    HWND tip = FindToolTipOf(window);
    ASSERT_NE(nullptr, tip);

    POINT pointer{};
    ASSERT_TRUE(PointAt(window, tip, 50, 20, &pointer)) << "the tip never showed";
    RECT placed{};
    ::GetWindowRect(tip, &placed);
    const SIZE expected = ExpectedTipSize(text);
    EXPECT_EQ(expected.cx, placed.right - placed.left);
    EXPECT_EQ(expected.cy, placed.bottom - placed.top);
    EXPECT_EQ(pointer.x, placed.left);
    EXPECT_EQ(pointer.y + 25, placed.top);
    // No non-client area: the client is the whole window.
    RECT client{};
    ::GetClientRect(tip, &client);
    EXPECT_EQ(placed.right - placed.left, client.right);
    EXPECT_EQ(placed.bottom - placed.top, client.bottom);
    // Topmost, so that it shows above every window.
    EXPECT_TRUE(::GetWindowLongW(tip, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(::GetWindowLongW(tip, GWL_STYLE) & TTS_NOPREFIX);
}

TEST_F(ToolTipTest, NearTheBottomRightCornerTheTipFlipsAboveAndStaysOnScreen) {
    RECT desktop{};
    ::GetWindowRect(::GetDesktopWindow(), &desktop);
    RECT hostRect{};
    ::GetWindowRect(Host(), &hostRect);
    // The button sits in the host's bottom-right corner; the host is moved
    // so that this corner meets the screen's.
    const int hostW = hostRect.right - hostRect.left, hostH = hostRect.bottom - hostRect.top;
    NeloButton button;
    HWND window = CreateChild(L"BUTTON", L"End", WS_TABSTOP, hostW - 60, hostH - 30, 60, 30, kButtonId);
    ASSERT_TRUE(button.SubclassWindow(window));
    const wchar_t* text = L"A tip near the corner of the screen";
    ASSERT_EQ(1, button.SetToolTipText(text));
    HWND tip = FindToolTipOf(window);
    ASSERT_NE(nullptr, tip);
    ::SetWindowPos(Host(), nullptr, desktop.right - hostW, desktop.bottom - hostH, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER);
    Pump();

    POINT pointer{};
    const bool shown = PointAt(window, tip, 55, 27, &pointer);
    ::SetWindowPos(Host(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ASSERT_TRUE(shown) << "the tip never showed";
    RECT placed{};
    ::GetWindowRect(tip, &placed);
    const SIZE size = ExpectedTipSize(text);
    EXPECT_EQ(desktop.right - size.cx, placed.left) << "shifted left to stay on screen";
    EXPECT_EQ(pointer.y - size.cy - 5, placed.top) << "flipped above the pointer";
    EXPECT_LE(placed.right, desktop.right);
    EXPECT_LE(placed.bottom, desktop.bottom);
}

// A tip of its own on a static, with delays long enough to look at it.
TEST_F(ToolTipTest, TipPaintsGradientFrameAndTextColour) {
    HWND target = CreateChild(L"STATIC", L"", SS_NOTIFY, 40, 60, 120, 40);
    CWnd targetWnd;
    ASSERT_TRUE(targetWnd.SubclassWindow(target));
    NeloToolTipCtrl tip;
    ASSERT_TRUE(tip.Create(host));
    ASSERT_TRUE(tip.AddTool(&targetWnd, L"Gradient tip"));
    tip.SetDelayTime(TTDT_INITIAL, 0);
    tip.SetDelayTime(TTDT_AUTOPOP, 30000);
    Tavrin::_ToolTipCtrlColorInfo colours{RGB(250, 250, 250), RGB(200, 200, 200), RGB(200, 0, 0),
                                          RGB(0, 0, 200)};
    ASSERT_EQ(1, tip.SetToolTipCtrlColorInfo(colours));

    POINT p{60, 20};
    ::ClientToScreen(target, &p);
    ::SetCursorPos(p.x, p.y);
    Pump();
    MSG move{target, WM_MOUSEMOVE, 0, MAKELPARAM(60, 20), ::GetTickCount(), p};
    tip.RelayEvent(&move);
    ASSERT_TRUE(PumpUntil([&] { return ::IsWindowVisible(tip.GetSafeHwnd()) != FALSE; })) << "not shown";
    Repaint(tip.GetSafeHwnd());

    const Capture shot = Capture::Window(tip.GetSafeHwnd());
    ASSERT_GT(shot.Width(), 10);
    EXPECT_COLOUR(colours.crTipFrame, shot.At(0, 0));
    EXPECT_COLOUR(colours.crTipFrame, shot.At(shot.Width() - 1, shot.Height() - 1));
    EXPECT_COLOUR(colours.crTipFrame, shot.At(shot.Width() / 2, 0));
    // Inside the frame the gradient darkens downwards.
    const COLORREF top = shot.At(2, 1), bottom = shot.At(2, shot.Height() - 2);
    EXPECT_COLOUR_NEAR(colours.crTipTop, top, 12);
    EXPECT_GT(GetRValue(top), GetRValue(bottom));
    // The text is drawn in the control's text colour.
    EXPECT_GT(
        shot.Count([](COLORREF c) { return GetRValue(c) > 150 && GetGValue(c) < 60 && GetBValue(c) < 60; },
                   RECT{1, 1, shot.Width() - 1, shot.Height() - 1}),
        5);

    // Someone else sets the text colour: the record reports it.
    tip.SetTipTextColor(RGB(0, 120, 0));
    Tavrin::_ToolTipCtrlColorInfo read{};
    ASSERT_EQ(1, tip.GetToolTipCtrlColorInfo(read));
    EXPECT_EQ(RGB(0, 120, 0), read.crTipText);
    EXPECT_EQ(colours.crTipFrame, read.crTipFrame);
    // WM_PRINT draws nothing.
    EXPECT_EQ(1, ::SendMessageW(tip.GetSafeHwnd(), WM_PRINT, 0, 0));
    tip.DestroyWindow();
}

TEST_F(ToolTipTest, EmptyTextKeepsTheToolButShowsNothing) {
    NeloButton button;
    HWND window = CreateChild(L"BUTTON", L"Go", WS_TABSTOP, 40, 60, 120, 40, kButtonId);
    ASSERT_TRUE(button.SubclassWindow(window));
    ASSERT_EQ(1, button.SetToolTipText(L"First"));
    ASSERT_EQ(1, button.SetToolTipText(L""));
    HWND tip = FindToolTipOf(window);
    ASSERT_NE(nullptr, tip) << "the old tool stays registered";
    EXPECT_EQ(1, ::SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0));
    POINT pointer{};
    // A shown tip is placed within a few timer ticks; a second is plenty.
    EXPECT_FALSE(PointAt(window, tip, 50, 20, &pointer, 1000)) << "nothing is relayed, so nothing shows";
    EXPECT_FALSE(::IsWindowVisible(tip));
}

} // namespace
