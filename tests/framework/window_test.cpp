// CWnd: binding, message maps along the class chain, registered messages,
// exceptions in handlers, unsubclassing and temporary objects.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "testutil.h"

namespace {

const UINT WM_TEST_BASE_ONLY = WM_APP + 1;
const UINT WM_TEST_OVERRIDDEN = WM_APP + 2;
const UINT WM_TEST_THROW = WM_APP + 3;
const UINT WM_TEST_TEMP = WM_APP + 4;
UINT g_registeredMessage = RegisterWindowMessageW(L"FRAMEWORK_TEST_REGISTERED_MSG");

class CBaseWnd : public CWnd {
public:
    std::vector<CString> calls;
    int lastSizeCx = -1;

protected:
    afx_msg LRESULT OnBaseOnly(WPARAM wParam, LPARAM) {
        calls.push_back(L"base-only");
        return 100 + (LRESULT)wParam;
    }
    afx_msg LRESULT OnOverridden(WPARAM, LPARAM) {
        calls.push_back(L"base-overridden");
        return 1;
    }
    afx_msg LRESULT OnRegistered(WPARAM wParam, LPARAM lParam) {
        calls.push_back(L"registered");
        return (LRESULT)(wParam + lParam);
    }
    afx_msg void OnSize(UINT nType, int cx, int cy) {
        calls.push_back(L"size");
        lastSizeCx = cx;
        CWnd::OnSize(nType, cx, cy);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseWnd, CWnd)
ON_MESSAGE(WM_TEST_BASE_ONLY, OnBaseOnly)
ON_MESSAGE(WM_TEST_OVERRIDDEN, &CBaseWnd::OnOverridden)
ON_REGISTERED_MESSAGE(g_registeredMessage, &CBaseWnd::OnRegistered)
ON_WM_SIZE()
END_MESSAGE_MAP()

class CDerivedWnd : public CBaseWnd {
public:
    std::vector<UINT> seenBeforeSubclass;
    bool preSubclassed = false;
    UINT firstMessage = 0;
    bool createSeen = false;
    bool postNcDestroyed = false;

protected:
    void PreSubclassWindow() override {
        preSubclassed = true;
        CBaseWnd::PreSubclassWindow();
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (!firstMessage)
            firstMessage = message;
        if (!preSubclassed)
            seenBeforeSubclass.push_back(message);
        return CBaseWnd::WindowProc(message, wParam, lParam);
    }
    void PostNcDestroy() override { postNcDestroyed = true; }
    afx_msg int OnCreate(LPCREATESTRUCT lpcs) {
        createSeen = true;
        return CBaseWnd::OnCreate(lpcs);
    }
    afx_msg LRESULT OnOverridden(WPARAM, LPARAM) {
        calls.push_back(L"derived-overridden");
        return 2;
    }
    afx_msg LRESULT OnThrow(WPARAM, LPARAM) {
        calls.push_back(L"throw");
        throw std::runtime_error("handler failure");
    }
    afx_msg LRESULT OnTemp(WPARAM, LPARAM lParam) {
        // A temporary for a window no object owns, used within the handler.
        CWnd* pTemp = CWnd::FromHandle(reinterpret_cast<HWND>(lParam));
        CString text;
        pTemp->GetWindowText(text);
        calls.push_back(text);
        return AfxGetTempObjectCount();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedWnd, CBaseWnd)
ON_WM_CREATE()
ON_MESSAGE(WM_TEST_OVERRIDDEN, &CDerivedWnd::OnOverridden)
ON_MESSAGE(WM_TEST_THROW, &CDerivedWnd::OnThrow)
ON_MESSAGE(WM_TEST_TEMP, &CDerivedWnd::OnTemp)
END_MESSAGE_MAP()

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        baseWindows = AfxGetLiveWindowCount();
        ASSERT_TRUE(wnd.CreateEx(0, nullptr, L"test", WS_POPUP, 10, 10, 100, 80, nullptr, nullptr));
    }
    void TearDown() override {
        if (wnd.m_hWnd)
            wnd.DestroyWindow();
        EXPECT_EQ(baseWindows, AfxGetLiveWindowCount());
        EXPECT_EQ(0, AfxGetTempObjectCount());
    }
    CDerivedWnd wnd;
    LONG baseWindows = 0;
};

TEST_F(WindowTest, CreationBindsBeforeTheFirstMessage) {
    EXPECT_TRUE(wnd.preSubclassed);
    EXPECT_TRUE(wnd.seenBeforeSubclass.empty());
    EXPECT_NE(0u, wnd.firstMessage);
    EXPECT_TRUE(wnd.createSeen) << "WM_CREATE reaches the object's map";
    EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(wnd.m_hWnd));
    EXPECT_EQ(&wnd, CWnd::FromHandle(wnd.m_hWnd));
    EXPECT_EQ((LONG_PTR)AfxGetAfxWndProc(), GetWindowLongPtrW(wnd.m_hWnd, GWLP_WNDPROC));
}

TEST_F(WindowTest, DerivedMapFallsBackToItsBase) {
    struct Case {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        LRESULT expected;
        const wchar_t* call;
    } cases[] = {
        {WM_TEST_BASE_ONLY, 5, 0, 105, L"base-only"},
        {WM_TEST_OVERRIDDEN, 0, 0, 2, L"derived-overridden"},
        {g_registeredMessage, 3, 4, 7, L"registered"},
    };
    for (const Case& c : cases) {
        wnd.calls.clear();
        EXPECT_EQ(c.expected, wnd.SendMessage(c.message, c.wParam, c.lParam));
        ASSERT_EQ(1u, wnd.calls.size());
        EXPECT_STREQ(c.call, (LPCTSTR)wnd.calls[0]);
    }
    wnd.calls.clear();
    wnd.SetWindowPos(nullptr, 0, 0, 123, 50, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(123, wnd.lastSizeCx) << "ON_WM_SIZE in the base map cracks the size";
    // An id registered later but not in any map goes to the default procedure.
    UINT other = RegisterWindowMessageW(L"FRAMEWORK_TEST_UNMAPPED_MSG");
    wnd.calls.clear();
    EXPECT_EQ(0, wnd.SendMessage(other, 1, 2));
    EXPECT_TRUE(wnd.calls.empty());
}

TEST_F(WindowTest, PostedRegisteredMessageArrivesThroughTheQueue) {
    wnd.calls.clear();
    wnd.PostMessage(g_registeredMessage, 1, 1);
    PumpUntilIdle();
    ASSERT_EQ(1u, wnd.calls.size());
    EXPECT_STREQ(L"registered", (LPCTSTR)wnd.calls[0]);
}

TEST_F(WindowTest, AThrowingHandlerEndsQuietly) {
    EXPECT_EQ(0, wnd.SendMessage(WM_TEST_THROW));
    wnd.PostMessage(WM_TEST_THROW);
    PumpUntilIdle();
    EXPECT_EQ(2, std::count(wnd.calls.begin(), wnd.calls.end(), CString(L"throw")));
    EXPECT_EQ(105, wnd.SendMessage(WM_TEST_BASE_ONLY, 5)) << "the window still works";
}

TEST_F(WindowTest, TemporariesLiveOnlyForTheirMessage) {
    HWND other =
        CreateWindowExW(0, L"STATIC", L"unbound", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, other);
    LRESULT during = wnd.SendMessage(WM_TEST_TEMP, 0, (LPARAM)other);
    EXPECT_EQ(1, during) << "one temporary while the handler ran";
    EXPECT_STREQ(L"unbound", (LPCTSTR)wnd.calls.back());
    EXPECT_EQ(0, AfxGetTempObjectCount()) << "gone when the message was done";

    // Code outside any message scopes its own temporaries.
    AfxLockTempMaps();
    CWnd* pTemp = CWnd::FromHandle(other);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(other));
    EXPECT_EQ(pTemp, CWnd::FromHandle(other));
    wnd.SendMessage(WM_TEST_TEMP, 0, (LPARAM)other); // a nested message keeps the outer temporary
    EXPECT_EQ(pTemp, CWnd::FromHandle(other));
    EXPECT_EQ(other, pTemp->GetSafeHwnd());
    AfxUnlockTempMaps();
    EXPECT_EQ(0, AfxGetTempObjectCount());
    EXPECT_TRUE(IsWindow(other)) << "a temporary never destroys its window";
    DestroyWindow(other);
}

TEST_F(WindowTest, DestroyTearsDownInOrder) {
    HWND hWnd = wnd.m_hWnd;
    EXPECT_TRUE(wnd.DestroyWindow());
    EXPECT_EQ(nullptr, wnd.m_hWnd);
    EXPECT_FALSE(IsWindow(hWnd));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
    EXPECT_TRUE(wnd.postNcDestroyed);
}

// OnNcHitTest in both the later (LRESULT) and MFC 4.2's (UINT) form.
class CHitLresultWnd : public CWnd {
protected:
    afx_msg LRESULT OnNcHitTest(CPoint point) { return point.x < 50 ? HTCAPTION : CWnd::OnNcHitTest(point); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CHitLresultWnd, CWnd)
ON_WM_NCHITTEST()
END_MESSAGE_MAP()

class CHitUintWnd : public CWnd {
public:
    UINT lastTimer = 0;

protected:
    afx_msg void OnTimer(UINT nIDEvent) {
        lastTimer = nIDEvent;
        KillTimer(nIDEvent);
    }
    afx_msg UINT OnNcHitTest(CPoint point) { return point.y > 1000 ? HTBOTTOM : HTNOWHERE; }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CHitUintWnd, CWnd)
ON_WM_NCHITTEST()
ON_WM_TIMER()
END_MESSAGE_MAP()

TEST(HitTestTest, BothHandlerFormsAnswer) {
    CHitLresultWnd a;
    CHitUintWnd b;
    ASSERT_TRUE(a.CreateEx(0, nullptr, L"", WS_POPUP, 100, 100, 100, 100, nullptr, nullptr));
    ASSERT_TRUE(b.CreateEx(0, nullptr, L"", WS_POPUP, 100, 100, 100, 100, nullptr, nullptr));
    EXPECT_EQ(HTCAPTION, a.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(10, 150)));
    EXPECT_EQ(HTCLIENT, a.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(150, 150))) << "the default still answers";
    EXPECT_EQ(HTBOTTOM, b.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(10, 1500)));
    EXPECT_EQ(HTNOWHERE, b.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(10, 15)));
    b.SetTimer(1000, 1, nullptr); // MFC 4.2's OnTimer(UINT) form
    for (int i = 0; i < 100 && b.lastTimer == 0; ++i) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        PumpUntilIdle();
    }
    EXPECT_EQ(1000u, b.lastTimer);
    a.DestroyWindow();
    b.DestroyWindow();
}

// Paints its client area and frame through the map with the scoped DCs.
class CPaintingWnd : public CWnd {
public:
    int erased = 0, painted = 0, ncPainted = 0;

protected:
    afx_msg BOOL OnEraseBkgnd(CDC*) {
        ++erased;
        return TRUE; // the paint covers everything
    }
    afx_msg void OnPaint() {
        CPaintDC dc(this);
        CRect rc;
        GetClientRect(&rc);
        dc.FillSolidRect(&rc, RGB(12, 34, 56));
        CBrush brush(RGB(200, 100, 0));
        CBrush* pOld = dc.SelectObject(&brush);
        dc.PatBlt(0, 0, 10, 10, PATCOPY);
        dc.SelectObject(pOld);
        ++painted;
    }
    afx_msg void OnNcPaint() {
        CWindowDC dc(this);
        CRect rc;
        GetWindowRect(&rc);
        rc.OffsetRect(-rc.left, -rc.top);
        CBrush frame(RGB(0, 255, 0));
        dc.FrameRect(&rc, &frame);
        ++ncPainted;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CPaintingWnd, CWnd)
ON_WM_ERASEBKGND()
ON_WM_PAINT()
ON_WM_NCPAINT()
END_MESSAGE_MAP()

TEST(PaintTest, PaintAndFrameReachTheScreen) {
    LONG gdiBase = AfxGetLiveGdiObjectCount();
    CPaintingWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(WS_EX_TOPMOST, nullptr, L"", WS_POPUP | WS_BORDER | WS_VISIBLE, 200, 200, 60, 40,
                             nullptr, nullptr));
    wnd.UpdateWindow();
    PumpUntilIdle();
    EXPECT_GT(wnd.painted, 0);
    EXPECT_GT(wnd.ncPainted, 0);
    CClientDC screen(nullptr);
    CRect rc;
    wnd.GetWindowRect(&rc);
    EXPECT_EQ(RGB(0, 255, 0), screen.GetPixel(rc.left, rc.top)) << "the frame from OnNcPaint";
    CPoint client(0, 0);
    wnd.ClientToScreen(&client);
    EXPECT_EQ(RGB(200, 100, 0), screen.GetPixel(client.x + 2, client.y + 2));
    EXPECT_EQ(RGB(12, 34, 56), screen.GetPixel(client.x + 30, client.y + 20));
    wnd.DestroyWindow();
    EXPECT_EQ(gdiBase + 1, AfxGetLiveGdiObjectCount()) << "only the screen DC is still held";
}

// A popup that runs its own loop while it is open, as a skinned menu does.
class CLoopingPopup : public CWnd {
public:
    std::vector<UINT> preTranslated;
    BOOL PreTranslateMessage(MSG* pMsg) override {
        if (pMsg->message == WM_KEYDOWN)
            preTranslated.push_back((UINT)pMsg->wParam);
        return CWnd::PreTranslateMessage(pMsg);
    }

protected:
    afx_msg void OnKeyDown(UINT nChar, UINT, UINT) {
        if (nChar == VK_ESCAPE)
            EndModalLoop(9);
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CLoopingPopup, CWnd)
ON_WM_KEYDOWN()
END_MESSAGE_MAP()

TEST(ModalLoopTest, APopupRunsItsOwnLoopUntilItEndsIt) {
    CLoopingPopup popup;
    ASSERT_TRUE(popup.CreateEx(WS_EX_TOOLWINDOW, nullptr, L"", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    popup.PostMessage(WM_KEYDOWN, 'A', 0);
    popup.PostMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(9, popup.RunModalLoop());
    EXPECT_EQ((std::vector<UINT>{'A', VK_ESCAPE}), popup.preTranslated);
    EXPECT_FALSE(popup.ContinueModal());
    popup.DestroyWindow();
}

// What a handler learns of the message it is handling.
class CMessageInfoWnd : public CWnd {
public:
    MSG seen = {};

protected:
    afx_msg LRESULT OnProbe(WPARAM, LPARAM) {
        seen = *GetCurrentMessage();
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CMessageInfoWnd, CWnd)
ON_MESSAGE(WM_TEST_TEMP + 10, &CMessageInfoWnd::OnProbe)
END_MESSAGE_MAP()

TEST(CurrentMessageTest, CarriesThePointerPositionAndTimeOfAQueuedMessage) {
    CMessageInfoWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    SetCursorPos(321, 234);
    PumpUntilIdle();
    wnd.PostMessage(WM_TEST_TEMP + 10, 7, 8);
    MSG queued = {};
    PumpUntilIdle(30, 50, [&](MSG& msg) {
        if (msg.message == WM_TEST_TEMP + 10)
            queued = msg;
        quorvex_test::DispatchPlainly(msg);
    });
    ASSERT_EQ(WM_TEST_TEMP + 10, queued.message);
    EXPECT_EQ(wnd.m_hWnd, wnd.seen.hwnd);
    EXPECT_EQ(WM_TEST_TEMP + 10, wnd.seen.message);
    EXPECT_EQ(7u, wnd.seen.wParam);
    EXPECT_EQ(8, wnd.seen.lParam);
    EXPECT_EQ(321, wnd.seen.pt.x);
    EXPECT_EQ(234, wnd.seen.pt.y);
    EXPECT_EQ(queued.time, wnd.seen.time);
    EXPECT_NE(0u, wnd.seen.time);
    wnd.DestroyWindow();
}

LRESULT CALLBACK PlainProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_TEST_BASE_ONLY)
        return 77; // answered by the original procedure
    return DefWindowProcW(hWnd, msg, wParam, lParam);
}

TEST(SubclassTest, UnsubclassRestoresTheOriginalProcedure) {
    WNDCLASSW wc = {};
    wc.lpfnWndProc = PlainProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"FrameworkTestPlain";
    RegisterClassW(&wc);
    HWND hWnd = CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                wc.hInstance, nullptr);
    ASSERT_NE(nullptr, hWnd);
    LONG_PTR original = GetWindowLongPtrW(hWnd, GWLP_WNDPROC);
    {
        CDerivedWnd obj;
        ASSERT_TRUE(obj.SubclassWindow(hWnd));
        EXPECT_TRUE(obj.preSubclassed);
        EXPECT_TRUE(obj.seenBeforeSubclass.empty());
        EXPECT_FALSE(CDerivedWnd().SubclassWindow(hWnd)) << "one object per window";
        EXPECT_EQ(105, SendMessageW(hWnd, WM_TEST_BASE_ONLY, 5, 0));
        EXPECT_EQ(1, SendMessageW(hWnd, WM_SETTEXT, 0, (LPARAM)L"x"))
            << "unhandled messages reach the original";
        EXPECT_EQ(hWnd, obj.UnsubclassWindow());
        EXPECT_EQ(nullptr, obj.m_hWnd);
        EXPECT_EQ(original, GetWindowLongPtrW(hWnd, GWLP_WNDPROC));
        EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
        EXPECT_EQ(77, SendMessageW(hWnd, WM_TEST_BASE_ONLY, 5, 0));
    }
    EXPECT_TRUE(IsWindow(hWnd)) << "an unsubclassed object leaves the window alone";
    DestroyWindow(hWnd);
    UnregisterClassW(wc.lpszClassName, wc.hInstance);
}

TEST(SubclassTest, ADetachedWindowKeepsItsOriginalProcedureForTheNextObject) {
    WNDCLASSW wc = {};
    wc.lpfnWndProc = PlainProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"FrameworkTestPlain2";
    RegisterClassW(&wc);
    HWND hWnd = CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                wc.hInstance, nullptr);
    LONG_PTR original = GetWindowLongPtrW(hWnd, GWLP_WNDPROC);
    CDerivedWnd first;
    ASSERT_TRUE(first.SubclassWindow(hWnd));
    EXPECT_EQ(hWnd, first.Detach()); // lets go but leaves the procedure in place
    EXPECT_EQ(77, SendMessageW(hWnd, WM_TEST_BASE_ONLY, 5, 0))
        << "an unbound window still reaches its original";
    {
        CDerivedWnd second;
        ASSERT_TRUE(second.SubclassWindow(hWnd));
        EXPECT_EQ(105, SendMessageW(hWnd, WM_TEST_BASE_ONLY, 5, 0));
        EXPECT_EQ(1, SendMessageW(hWnd, WM_SETTEXT, 0, (LPARAM)L"y"));
        second.UnsubclassWindow();
    }
    EXPECT_EQ(original, GetWindowLongPtrW(hWnd, GWLP_WNDPROC));
    DestroyWindow(hWnd);
    UnregisterClassW(wc.lpszClassName, wc.hInstance);
}

// A heap window that deletes itself when its window is gone.
class CSelfDeletingWnd : public CWnd {
public:
    static int deleted;
    ~CSelfDeletingWnd() override { ++deleted; }

protected:
    void PostNcDestroy() override { delete this; }
};
int CSelfDeletingWnd::deleted = 0;

TEST(SubclassTest, PostNcDestroyMayDeleteTheObject) {
    LONG base = AfxGetLiveWindowCount();
    auto* p = new CSelfDeletingWnd;
    ASSERT_TRUE(p->CreateEx(0, nullptr, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    HWND hWnd = p->m_hWnd;
    EXPECT_TRUE(p->DestroyWindow()); // p is gone after this call
    EXPECT_EQ(1, CSelfDeletingWnd::deleted);
    EXPECT_FALSE(IsWindow(hWnd));
    EXPECT_EQ(base, AfxGetLiveWindowCount());

    // A window destroyed by the system (with its owner) goes the same way.
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, nullptr, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    p = new CSelfDeletingWnd;
    ASSERT_TRUE(p->CreateEx(0, nullptr, L"", WS_POPUP, 0, 0, 10, 10, owner.m_hWnd, nullptr));
    owner.DestroyWindow();
    EXPECT_EQ(2, CSelfDeletingWnd::deleted);
    EXPECT_EQ(base, AfxGetLiveWindowCount());
}

TEST(SubclassTest, ObjectDestroyedFirstTakesItsWindow) {
    HWND hWnd;
    {
        CDerivedWnd obj;
        ASSERT_TRUE(obj.CreateEx(0, nullptr, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
        hWnd = obj.m_hWnd;
    }
    EXPECT_FALSE(IsWindow(hWnd)) << "no message may reach a dead object";
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
}

} // namespace
