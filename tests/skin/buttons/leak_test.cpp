// Repainting never leaks: every control in each of its looks is repainted
// 1,000 times, and neither the framework's count of live GDI wrappers nor
// the process's GDI handle table may grow.
#include "test_support.h"

using namespace buttons_test;

namespace {

constexpr int kRepaints = 1000;

class LeakTest : public HostTest {
protected:
    using Counts = GdiCounts;
    static Counts Now() { return CountGdi(); }

    // Paints once (lazy first-use objects are made then), counts, repaints
    // kRepaints times synchronously, counts again.
    void ExpectNoLeak(const char* what, HWND window) {
        SCOPED_TRACE(what);
        const UINT flags = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW;
        ::RedrawWindow(window, nullptr, nullptr, flags);
        Pump();
        const Counts before = Now();
        ASSERT_GT(before.handles, 0);
        for (int i = 0; i < kRepaints; ++i) {
            AfxLockTempMaps();
            ::RedrawWindow(window, nullptr, nullptr, flags);
            AfxUnlockTempMaps();
        }
        Pump();
        const Counts after = Now();
        EXPECT_EQ(before.wrappers, after.wrappers) << "framework GDI wrappers";
        EXPECT_EQ(before.handles, after.handles) << "GDI handles";
    }
};

HBITMAP MakeBitmap() {
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 12, 12);
    ReleaseDC(nullptr, screen);
    return bitmap;
}

TEST_F(LeakTest, ButtonInEveryLook) {
    Tavrin::NeloButton button;
    HWND window = CreateChild(L"BUTTON", L"Convert", WS_TABSTOP, 20, 20, 120, 40, 3001);
    ASSERT_TRUE(button.SubclassWindow(window));
    HBITMAP bitmap = MakeBitmap();
    ASSERT_EQ(1, button.SetBitmap(bitmap, RGB(0, 0, 0)));
    // No tip text: a tip popping up on hover would make its first window
    // surface in the middle of the count. The tip is counted on its own.

    for (int style : {0, 1, 2}) {
        ASSERT_EQ(1, button.SetButtonStyle(style));
        ExpectNoLeak("normal: plain, rounded and clipped shapes", window);
    }
    ::SetFocus(window);
    ExpectNoLeak("focused", window);
    POINT p{60, 20};
    ::ClientToScreen(window, &p);
    ::SetCursorPos(p.x, p.y);
    Pump();
    ::PostMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(60, 20));
    Pump();
    ExpectNoLeak("hover", window);
    ::SendMessageW(window, BM_SETSTATE, TRUE, 0);
    ExpectNoLeak("pressed", window);
    ::EnableWindow(window, FALSE);
    ExpectNoLeak("disabled", window);
    ::SendMessageW(window, BM_SETSTATE, FALSE, 0);
    ::EnableWindow(window, TRUE);
    ASSERT_EQ(1, button.SetIcon(::LoadIconW(nullptr, IDI_APPLICATION), 0));
    ExpectNoLeak("with an icon", window);

    // Setting images over and over does not leak either.
    const Counts before = Now();
    for (int i = 0; i < 200; ++i) {
        button.SetBitmap(bitmap, RGB(0, 0, 0));
        button.SetIcon(::LoadIconW(nullptr, IDI_APPLICATION), i % 2);
    }
    button.SetBitmap(nullptr, 0);
    button.SetIcon(::LoadIconW(nullptr, IDI_APPLICATION), 0);
    Pump();
    EXPECT_EQ(before.handles, Now().handles) << "image changes";
    button.DestroyWindow();
    DeleteObject(bitmap);
}

TEST_F(LeakTest, ShownToolTip) {
    HWND target = CreateChild(L"STATIC", L"", SS_NOTIFY, 40, 60, 120, 40);
    CWnd targetWnd;
    ASSERT_TRUE(targetWnd.SubclassWindow(target));
    Tavrin::NeloToolTipCtrl tip;
    ASSERT_TRUE(tip.Create(host));
    ASSERT_TRUE(tip.AddTool(&targetWnd, L"A tip to paint"));
    tip.SetDelayTime(TTDT_INITIAL, 0);
    tip.SetDelayTime(TTDT_AUTOPOP, 30000);
    POINT p{60, 20};
    ::ClientToScreen(target, &p);
    ::SetCursorPos(p.x, p.y);
    Pump();
    MSG move{target, WM_MOUSEMOVE, 0, MAKELPARAM(60, 20), ::GetTickCount(), p};
    tip.RelayEvent(&move);
    ASSERT_TRUE(PumpUntil([&] { return ::IsWindowVisible(tip.GetSafeHwnd()) != FALSE; }));
    ExpectNoLeak("tooltip", tip.GetSafeHwnd());
    tip.DestroyWindow();
}

TEST_F(LeakTest, StaticAndGroupBox) {
    Tavrin::NeloStatic label;
    HWND labelWindow = CreateChild(L"STATIC", L"Output\tfolder", SS_CENTERIMAGE, 20, 20, 160, 30);
    ASSERT_TRUE(label.SubclassWindow(labelWindow));
    ExpectNoLeak("static", labelWindow);
    HBITMAP bitmap = MakeBitmap();
    ASSERT_EQ(1, label.SetBitmap(bitmap, RGB(0, 0, 0)));
    ExpectNoLeak("static with an image", labelWindow);

    Tavrin::NeloGroupBox group;
    HWND groupWindow = CreateChild(L"BUTTON", L"Options", BS_GROUPBOX, 20, 70, 200, 100);
    ASSERT_TRUE(group.SubclassWindow(groupWindow));
    ExpectNoLeak("group box", groupWindow);
    ASSERT_EQ(1, group.SetLineThickness(6));
    ExpectNoLeak("thick group box", groupWindow);
    ASSERT_EQ(1, group.ShowText(0));
    ExpectNoLeak("group box without caption", groupWindow);
    label.DestroyWindow();
    group.DestroyWindow();
    DeleteObject(bitmap);
}

TEST_F(LeakTest, ProgressBarInEveryLook) {
    Tavrin::NeloProgressCtrl bar;
    HWND window = CreateChild(PROGRESS_CLASSW, L"", WS_BORDER, 20, 20, 204, 22);
    ASSERT_TRUE(bar.SubclassWindow(window));
    bar.SetRange32(0, 100);
    bar.SetPos(60);
    ExpectNoLeak("path gradient", window);
    ASSERT_EQ(1, bar.SetProgressCtrlStyle(Tavrin::ProgressCtrlLinearGradient));
    ExpectNoLeak("linear gradient", window);
    ::EnableWindow(window, FALSE);
    ExpectNoLeak("disabled", window);
    bar.DestroyWindow();

    Tavrin::NeloProgressCtrl vertical;
    HWND verticalWindow = CreateChild(PROGRESS_CLASSW, L"", WS_BORDER | PBS_VERTICAL, 240, 20, 22, 204);
    ASSERT_TRUE(vertical.SubclassWindow(verticalWindow));
    vertical.SetRange32(0, 100);
    vertical.SetPos(60);
    ExpectNoLeak("vertical, path gradient", verticalWindow);
    ASSERT_EQ(1, vertical.SetProgressCtrlStyle(Tavrin::ProgressCtrlLinearGradient));
    ExpectNoLeak("vertical, linear gradient", verticalWindow);
}

TEST_F(LeakTest, CheckBoxRadioGroupAndDivider) {
    Tavrin::NeloCheckBox check;
    HWND checkWindow = CreateChild(L"BUTTON", L"Shut down", BS_AUTOCHECKBOX | WS_TABSTOP, 20, 20, 140, 20);
    ASSERT_TRUE(check.SubclassWindow(checkWindow));
    ExpectNoLeak("check box, unchecked", checkWindow);
    ::SendMessageW(checkWindow, BM_SETCHECK, BST_CHECKED, 0);
    ::SetFocus(checkWindow);
    ExpectNoLeak("check box, checked and focused", checkWindow);
    ::EnableWindow(checkWindow, FALSE);
    ExpectNoLeak("check box, disabled", checkWindow);

    HWND first = CreateChild(L"BUTTON", L"One", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 20, 50, 140, 20);
    HWND second = CreateChild(L"BUTTON", L"Two", BS_AUTORADIOBUTTON, 20, 72, 140, 20);
    Tavrin::NeloRadioButton radio;
    ASSERT_TRUE(radio.SubclassWindow(first));
    ::SendMessageW(second, BM_SETCHECK, BST_CHECKED, 0);
    ::SetFocus(second);
    ExpectNoLeak("radio button, checked and focused", second);
    ExpectNoLeak("radio button, unchecked", first);
    ::EnableWindow(first, FALSE);
    ExpectNoLeak("radio button, disabled", second);

    Tavrin::NeloDivider divider;
    HWND dividerWindow = CreateChild(L"STATIC", L"", 0, 20, 100, 140, 4);
    ASSERT_TRUE(divider.SubclassWindow(dividerWindow));
    Pump();
    ExpectNoLeak("divider", dividerWindow);
}

} // namespace
