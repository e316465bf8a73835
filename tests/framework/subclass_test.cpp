// Subclassing alongside the system's own: an up-down control takes its buddy
// edit at dialog creation, before data exchange attaches our object, and may
// let go of it later; a subclass stacked above ours may go before or after
// ours does. Our object must never be cut off, and never cut another off.
#include <afxwin.h>
#include <afxcmn.h>

#include <gtest/gtest.h>

#include "resource.h"
#include "testutil.h"

namespace {

const UINT WM_TEST_ASK = WM_APP + 30;

// An edit object that counts what reaches it.
class CCountingEdit : public CEdit {
public:
    int messages = 0;
    int wheels = 0;
    bool postNcDestroyed = false;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        ++messages;
        if (message == WM_MOUSEWHEEL)
            ++wheels;
        return CEdit::WindowProc(message, wParam, lParam);
    }
    void PostNcDestroy() override { postNcDestroyed = true; }
};

class CSpinDialog : public CDialog {
public:
    CSpinDialog() : CDialog(IDD_UPDOWN) {}
    CCountingEdit m_edit;
    HWND buddyAtExchange = nullptr;

    int SpinPos() { return (int)SendDlgItemMessage(IDC_SPIN, UDM_GETPOS32); }
    CString BuddyText() {
        CString text;
        GetDlgItemText(IDC_BUDDY, text);
        return text;
    }
    // One notch of the wheel over the edit: the up-down's subclass of its
    // buddy turns it into one step.
    void WheelUp() { m_edit.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0); }

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        buddyAtExchange = reinterpret_cast<HWND>(SendDlgItemMessage(IDC_SPIN, UDM_GETBUDDY));
        DDX_Control(pDX, IDC_BUDDY, m_edit);
    }
};

TEST(SubclassChainTest, AnUpDownThatTookTheBuddyFirstNeverCutsOurObjectOff) {
    const LONG windowBase = AfxGetLiveWindowCount();
    CSpinDialog dlg;
    ASSERT_TRUE(dlg.Create(IDD_UPDOWN));
    HWND buddy = ::GetDlgItem(dlg.m_hWnd, IDC_BUDDY);
    ASSERT_EQ(buddy, dlg.buddyAtExchange) << "the up-down subclassed the edit before data exchange";
    ASSERT_EQ(buddy, dlg.m_edit.m_hWnd);
    dlg.SendDlgItemMessage(IDC_SPIN, UDM_SETRANGE32, 0, 10);
    dlg.SendDlgItemMessage(IDC_SPIN, UDM_SETPOS32, 0, 5);

    // Both see the wheel: our object first, then the up-down's subclass.
    dlg.WheelUp();
    EXPECT_EQ(1, dlg.m_edit.wheels);
    EXPECT_EQ(6, dlg.SpinPos());
    EXPECT_STREQ(L"6", (LPCTSTR)dlg.BuddyText());

    // The up-down lets go of its buddy: its subclass leaves, ours stays, and
    // the edit's own procedure still answers beneath it.
    dlg.SendDlgItemMessage(IDC_SPIN, UDM_SETBUDDY, 0, 0);
    const int before = dlg.m_edit.messages;
    EXPECT_EQ(1, ::SendMessageW(buddy, WM_GETTEXTLENGTH, 0, 0));
    EXPECT_EQ(before + 1, dlg.m_edit.messages) << "our object still receives the edit's messages";
    dlg.m_edit.SetWindowText(L"42");
    EXPECT_STREQ(L"42", (LPCTSTR)dlg.BuddyText());
    dlg.m_edit.SetWindowText(L"6");
    dlg.WheelUp();
    EXPECT_EQ(2, dlg.m_edit.wheels);
    EXPECT_EQ(6, dlg.SpinPos()) << "the up-down no longer steps";
    EXPECT_EQ(&dlg.m_edit, CWnd::FromHandlePermanent(buddy));

    // Taken again: both work once more.
    dlg.SendDlgItemMessage(IDC_SPIN, UDM_SETBUDDY, (WPARAM)buddy, 0);
    dlg.WheelUp();
    EXPECT_EQ(3, dlg.m_edit.wheels);
    EXPECT_EQ(7, dlg.SpinPos());

    EXPECT_TRUE(dlg.DestroyWindow());
    EXPECT_TRUE(dlg.m_edit.postNcDestroyed);
    EXPECT_EQ(nullptr, dlg.m_edit.m_hWnd);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(buddy));
    EXPECT_EQ(windowBase, AfxGetLiveWindowCount());
}

const UINT WM_TEST_ORIGINAL = WM_APP + 31;

LRESULT CALLBACK AnsweringProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_TEST_ASK)
        return 77; // the original procedure's answer when no object takes it
    if (msg == WM_TEST_ORIGINAL)
        return 55; // only the original answers this one
    return DefWindowProcW(hWnd, msg, wParam, lParam);
}

class CAnsweringWnd : public CWnd {
public:
    int asked = 0;

protected:
    afx_msg LRESULT OnAsk(WPARAM, LPARAM) {
        ++asked;
        return 105;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CAnsweringWnd, CWnd)
ON_MESSAGE(WM_TEST_ASK, &CAnsweringWnd::OnAsk)
END_MESSAGE_MAP()

// Someone else's subclass: counts what passes and, as the system's own do,
// leaves with its window.
LRESULT CALLBACK CountingSubclass(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                  DWORD_PTR ref) {
    if (msg == WM_TEST_ORIGINAL)
        ++*reinterpret_cast<int*>(ref);
    if (msg == WM_NCDESTROY)
        RemoveWindowSubclass(hWnd, CountingSubclass, id);
    return DefSubclassProc(hWnd, msg, wParam, lParam);
}

// Another subclass on the same window, above or below ours, leaving before
// or after ours: every layer keeps working while it is there, and whatever
// leaves takes only itself away.
TEST(SubclassChainTest, OursAndAnotherSubclassLeaveInEitherOrder) {
    WNDCLASSW wc = {};
    wc.lpfnWndProc = AnsweringProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"FrameworkTestAnswering";
    RegisterClassW(&wc);
    struct Case {
        const char* name;
        bool createdByFramework; // bound at creation rather than subclassed later
        bool otherFirst;         // the other subclass was there before ours (below it)
        bool otherLeavesFirst;
        // Whether the window ends with its own procedure again; a procedure
        // of ours under a subclass stacked above it stays and passes on.
        bool originalProcedureAtEnd;
    } cases[] = {
        {"subclassed, other above, ours leaves first", false, false, false, true},
        {"subclassed, other above, other leaves first", false, false, true, true},
        {"subclassed, other below, other leaves first", false, true, true, true},
        {"subclassed, other below, ours leaves first", false, true, false, true},
        {"created, other above, ours leaves first", true, false, false, false},
        {"created, other above, other leaves first", true, false, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CAnsweringWnd obj;
        int passed = 0;
        auto addOther = [&](HWND h) {
            ASSERT_TRUE(SetWindowSubclass(h, CountingSubclass, 1, reinterpret_cast<DWORD_PTR>(&passed)));
        };
        HWND hWnd;
        if (c.createdByFramework) {
            ASSERT_TRUE(obj.CreateEx(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
            hWnd = obj.m_hWnd;
            addOther(hWnd);
        } else {
            hWnd = CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                   wc.hInstance, nullptr);
            if (c.otherFirst)
                addOther(hWnd);
            ASSERT_TRUE(obj.SubclassWindow(hWnd));
            if (!c.otherFirst)
                addOther(hWnd);
        }
        EXPECT_EQ(105, SendMessageW(hWnd, WM_TEST_ASK, 0, 0));
        EXPECT_EQ(1, obj.asked);
        EXPECT_EQ(55, SendMessageW(hWnd, WM_TEST_ORIGINAL, 0, 0));
        EXPECT_EQ(1, passed);

        if (c.otherLeavesFirst) {
            RemoveWindowSubclass(hWnd, CountingSubclass, 1);
            EXPECT_EQ(105, SendMessageW(hWnd, WM_TEST_ASK, 0, 0)) << "our object still answers";
            EXPECT_EQ(2, obj.asked);
            EXPECT_EQ(55, SendMessageW(hWnd, WM_TEST_ORIGINAL, 0, 0)) << "and passes on to the original";
            EXPECT_EQ(hWnd, obj.UnsubclassWindow());
        } else {
            EXPECT_EQ(hWnd, obj.UnsubclassWindow());
            EXPECT_EQ(77, SendMessageW(hWnd, WM_TEST_ASK, 0, 0)) << "the original answers";
            EXPECT_EQ(1, obj.asked);
            EXPECT_EQ(55, SendMessageW(hWnd, WM_TEST_ORIGINAL, 0, 0));
            EXPECT_EQ(2, passed) << "the other subclass still sees messages";
            RemoveWindowSubclass(hWnd, CountingSubclass, 1);
        }
        EXPECT_EQ(77, SendMessageW(hWnd, WM_TEST_ASK, 0, 0));
        EXPECT_EQ(55, SendMessageW(hWnd, WM_TEST_ORIGINAL, 0, 0));
        EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
        if (c.originalProcedureAtEnd) {
            EXPECT_EQ((LONG_PTR)AnsweringProc, GetWindowLongPtrW(hWnd, GWLP_WNDPROC));
        }
        DestroyWindow(hWnd);
    }
    UnregisterClassW(wc.lpszClassName, wc.hInstance);
}

// A window destroyed while a subclass is stacked above ours still tears down
// in order: out of the map, then the window finishes dying, then
// PostNcDestroy, once.
class CTeardownWnd : public CAnsweringWnd {
public:
    bool mappedAtPostNcDestroy = true;
    int postNcDestroys = 0;
    HWND hWndSeen = nullptr;

protected:
    void PreSubclassWindow() override { hWndSeen = m_hWnd; }
    void PostNcDestroy() override {
        mappedAtPostNcDestroy = CWnd::FromHandlePermanent(hWndSeen) != nullptr;
        ++postNcDestroys;
    }
};

TEST(SubclassChainTest, DestroyingUnderAStackedSubclassTearsDownInOrder) {
    const LONG windowBase = AfxGetLiveWindowCount();
    HWND hWnd =
        CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    CTeardownWnd obj;
    ASSERT_TRUE(obj.SubclassWindow(hWnd));
    int passed = 0;
    SetWindowSubclass(hWnd, CountingSubclass, 1, reinterpret_cast<DWORD_PTR>(&passed));
    EXPECT_EQ(105, SendMessageW(hWnd, WM_TEST_ASK, 0, 0));
    EXPECT_TRUE(obj.DestroyWindow());
    EXPECT_EQ(1, obj.postNcDestroys);
    EXPECT_FALSE(obj.mappedAtPostNcDestroy);
    EXPECT_FALSE(IsWindow(hWnd));
    EXPECT_EQ(nullptr, obj.m_hWnd);
    EXPECT_EQ(windowBase, AfxGetLiveWindowCount());
}

} // namespace
