#include "listview_test_support.h"

namespace {

CWinApp theTestApp(L"TavrinListViewsTest");

} // namespace

namespace listview_test {

ListViewsHost::ListViewsHost() : HostDialog(IDD_LISTVIEWS_HOST) {}

void ListViewsHost::DoDataExchange(CDataExchange* pDX) {
    HostDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TEMPLATE_LIST, templateList);
    DDX_Control(pDX, IDC_TEMPLATE_LISTBOX, templateListBox);
}

void ListViewsTest::MoveMouseTo(HWND window, POINT client) {
    ::ClientToScreen(window, &client);
    ::SetCursorPos(client.x, client.y);
    INPUT move = quorvex_test::MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, client);
    ::SendInput(1, &move, sizeof(INPUT));
    Pump();
}

Capture ListViewsTest::ClientCapture(HWND window) {
    Repaint(window);
    return Capture::Client(window);
}

void ListViewsTest::ExpectNoLeakOverRepaints(const char* what, HWND window) {
    SCOPED_TRACE(what);
    const UINT flags = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW;
    ::RedrawWindow(window, nullptr, nullptr, flags);
    Pump();
    const GdiCounts before = CountGdi();
    for (int i = 0; i < 1000; ++i) {
        AfxLockTempMaps();
        ::RedrawWindow(window, nullptr, nullptr, flags);
        AfxUnlockTempMaps();
    }
    Pump();
    const GdiCounts after = CountGdi();
    EXPECT_EQ(before.wrappers, after.wrappers) << "framework GDI wrappers";
    EXPECT_EQ(before.handles, after.handles) << "GDI handles";
}

void ListViewsTest::ExpectBarsFollowMoves(HWND list, Tavrin::NeloScrollBar* vertical,
                                          Tavrin::NeloScrollBar* horizontal, int thickness, int shorter) {
    ASSERT_TRUE(vertical && vertical->GetSafeHwnd() && horizontal && horizontal->GetSafeHwnd());
    const int t = thickness;
    for (const POINT by : {POINT{30, 20}, POINT{-12, 16}}) {
        SCOPED_TRACE(::testing::Message() << "moved by (" << by.x << ", " << by.y << ")");
        RECT place{};
        ::GetWindowRect(list, &place);
        ::MapWindowPoints(nullptr, ::GetParent(list), reinterpret_cast<POINT*>(&place), 2);
        ::SetWindowPos(list, nullptr, place.left + by.x, place.top + by.y, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        Repaint(list);
        RECT c{};
        ::GetClientRect(list, &c);
        ::MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&c), 2);
        RECT v{}, h{};
        ::GetWindowRect(vertical->GetSafeHwnd(), &v);
        ::GetWindowRect(horizontal->GetSafeHwnd(), &h);
        EXPECT_EQ(CRect(c.right, c.top, c.right + t + 1, c.bottom + 1), CRect(v));
        EXPECT_EQ(CRect(c.left, c.bottom, c.right + 1, c.bottom + t + 1 - shorter), CRect(h));
    }
}

int ArialTextHeight(const wchar_t* sample) {
    HFONT font = Tavrin::SkinFont(L"Arial", 10, 0);
    HDC dc = ::GetDC(nullptr);
    HGDIOBJ old = ::SelectObject(dc, font);
    SIZE size{};
    ::GetTextExtentPoint32W(dc, sample, lstrlenW(sample), &size);
    ::SelectObject(dc, old);
    ::ReleaseDC(nullptr, dc);
    return size.cy;
}

} // namespace listview_test
