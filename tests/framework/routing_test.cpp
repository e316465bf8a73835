// Routes the skinned controls rely on: a reflected notification whose _EX
// handler lets the parent see it too, reflected WM_MEASUREITEM and scroll
// messages for controls made from a template, and a modal dialog opened from
// a timer handler.
#include <afxwin.h>
#include <afxcmn.h>

#include <gtest/gtest.h>

#include <vector>

#include "resource.h"
#include "testutil.h"

namespace {

// Who saw which notification, in order.
std::vector<CString> g_seen;

// An owner-drawn report list that answers its own WM_MEASUREITEM and may let
// its parent see LVN_ITEMCHANGED after it.
class CRoutedList : public CListCtrl {
public:
    UINT rowHeight = 30;
    BOOL passOn = FALSE;
    int measured = 0;

protected:
    afx_msg void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) {
        ++measured;
        lpMeasureItemStruct->itemHeight = rowHeight;
    }
    afx_msg BOOL OnItemChanged(NMHDR*, LRESULT* pResult) {
        g_seen.push_back(L"list");
        *pResult = 0;
        return !passOn;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CRoutedList, CListCtrl)
ON_WM_MEASUREITEM_REFLECT()
ON_NOTIFY_REFLECT_EX(LVN_ITEMCHANGED, &CRoutedList::OnItemChanged)
END_MESSAGE_MAP()

// Variable-height owner-drawn items: each item's height comes from its text
// length, measured by the combo box object itself.
class CMeasuringCombo : public CComboBox {
public:
    int measured = 0;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override {
        ++measured;
        lpMeasureItemStruct->itemHeight = 10 + 3 * (UINT)lpMeasureItemStruct->itemID;
    }
    void DrawItem(LPDRAWITEMSTRUCT) override {}
};

// A trackbar or scroll bar that takes its own scroll notifications.
class CScrollTaker : public CWnd {
public:
    std::vector<UINT> codes;

protected:
    afx_msg void HScroll(UINT nSBCode, UINT) { codes.push_back(nSBCode); }
    afx_msg void VScroll(UINT nSBCode, UINT) { codes.push_back(nSBCode); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CScrollTaker, CWnd)
ON_WM_HSCROLL_REFLECT()
ON_WM_VSCROLL_REFLECT()
END_MESSAGE_MAP()

class CRoutingDialog : public CDialog {
public:
    CRoutingDialog() : CDialog(IDD_ROUTING) {}
    CRoutedList m_list;
    CMeasuringCombo m_combo;
    CScrollTaker m_track;
    CWnd m_plainTrack; // attached, with no reflected entry: the parent gets it
    CScrollTaker m_vertical;
    int parentMeasured = 0;
    std::vector<UINT> parentHScrolls;
    std::vector<UINT> parentVScrolls;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, IDC_OD_LIST, m_list);
        DDX_Control(pDX, IDC_OD_COMBO, m_combo);
        DDX_Control(pDX, IDC_TRACK, m_track);
        DDX_Control(pDX, IDC_VSCROLL, m_vertical);
    }
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        m_plainTrack.Attach(::GetDlgItem(m_hWnd, IDC_PLAIN_TRACK));
        return TRUE;
    }
    void PostNcDestroy() override { m_plainTrack.Detach(); }
    afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct) {
        ++parentMeasured;
        CDialog::OnMeasureItem(nIDCtl, lpMeasureItemStruct);
    }
    afx_msg void OnListItemChanged(NMHDR*, LRESULT* pResult) {
        g_seen.push_back(L"parent");
        *pResult = 0;
    }
    afx_msg void OnHScroll(UINT nSBCode, UINT, CScrollBar* pScrollBar) {
        EXPECT_EQ(::GetDlgItem(m_hWnd, IDC_PLAIN_TRACK), pScrollBar->GetSafeHwnd());
        parentHScrolls.push_back(nSBCode);
    }
    afx_msg void OnVScroll(UINT nSBCode, UINT, CScrollBar*) { parentVScrolls.push_back(nSBCode); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CRoutingDialog, CDialog)
ON_WM_MEASUREITEM()
ON_WM_HSCROLL()
ON_WM_VSCROLL()
ON_NOTIFY(LVN_ITEMCHANGED, IDC_OD_LIST, &CRoutingDialog::OnListItemChanged)
END_MESSAGE_MAP()

class RoutingTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_seen.clear();
        windowBase = AfxGetLiveWindowCount();
        ASSERT_TRUE(dlg.Create(IDD_ROUTING));
        dlg.m_list.InsertColumn(0, L"Name", LVCFMT_LEFT, 100);
        dlg.m_list.InsertItem(0, L"clip.avi");
    }
    void TearDown() override {
        dlg.DestroyWindow();
        EXPECT_EQ(windowBase, AfxGetLiveWindowCount());
        EXPECT_EQ(0, AfxGetTempObjectCount());
    }
    CRoutingDialog dlg;
    LONG windowBase = 0;
};

TEST_F(RoutingTest, AReflectedExHandlerDecidesWhetherTheParentSeesTheNotification) {
    struct Case {
        BOOL passOn;
        std::vector<CString> seen;
    } cases[] = {
        {TRUE, {L"list", L"parent"}},
        {FALSE, {L"list"}},
    };
    int state = LVIS_SELECTED;
    for (const Case& c : cases) {
        g_seen.clear();
        dlg.m_list.passOn = c.passOn;
        dlg.m_list.SetItemState(0, state, LVIS_SELECTED);
        state ^= LVIS_SELECTED;
        EXPECT_EQ(c.seen, g_seen) << "passOn " << c.passOn;
    }
}

TEST_F(RoutingTest, MeasureItemReachesTheControlsOwnObject) {
    // The list measures its rows again when its size changes; the combo box
    // measures each item as it is added. Both were made from the template.
    dlg.parentMeasured = 0;
    dlg.m_list.SetWindowPos(nullptr, 0, 0, 220, 110, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_GT(dlg.m_list.measured, 0);
    CRect row;
    ASSERT_TRUE(dlg.m_list.GetItemRect(0, &row, LVIR_BOUNDS));
    EXPECT_EQ(30, row.Height());

    for (const wchar_t* s : {L"AVI", L"FLV", L"PSP"})
        dlg.m_combo.AddString(s);
    EXPECT_EQ(3, dlg.m_combo.measured);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(10 + 3 * i, dlg.m_combo.GetItemHeight(i)) << i;
    EXPECT_EQ(0, dlg.parentMeasured) << "the parent never saw what its children answered";
}

TEST_F(RoutingTest, ScrollNotificationsGoToTheControlFirst) {
    dlg.m_track.SendMessage(TBM_SETRANGE, TRUE, MAKELPARAM(0, 10));
    ::SendDlgItemMessageW(dlg.m_hWnd, IDC_PLAIN_TRACK, TBM_SETRANGE, TRUE, MAKELPARAM(0, 10));
    dlg.m_vertical.SendMessage(SBM_SETRANGE, 0, 10);

    struct Case {
        HWND control;
        const std::vector<UINT>* childCodes;
        const std::vector<UINT>* parentCodes;
        WPARAM key;
        UINT code;
    } cases[] = {
        {dlg.m_track.m_hWnd, &dlg.m_track.codes, &dlg.parentHScrolls, VK_RIGHT, TB_LINEDOWN},
        {dlg.m_vertical.m_hWnd, &dlg.m_vertical.codes, &dlg.parentVScrolls, VK_DOWN, SB_LINEDOWN},
        {dlg.m_plainTrack.m_hWnd, nullptr, &dlg.parentHScrolls, VK_RIGHT, TB_LINEDOWN},
    };
    for (const Case& c : cases) {
        dlg.m_track.codes.clear();
        dlg.m_vertical.codes.clear();
        dlg.parentHScrolls.clear();
        dlg.parentVScrolls.clear();
        ::SendMessageW(c.control, WM_KEYDOWN, c.key, 0);
        const bool childTakesIt = c.childCodes != nullptr;
        const std::vector<UINT>& taker = childTakesIt ? *c.childCodes : *c.parentCodes;
        ASSERT_FALSE(taker.empty()) << c.key;
        EXPECT_EQ(c.code, taker.front());
        EXPECT_EQ(childTakesIt, c.parentCodes->empty())
            << "the parent sees it only when the child did not take it";
    }
}

// A modal dialog opened by a timer handler, as a program's periodic check
// does: its loop runs while the timer goes on ticking for its owner.
class CFinishDialog : public CDialog {
public:
    explicit CFinishDialog(CWnd* pParent) : CDialog(IDD_TIMER_MODAL, pParent) {}

protected:
    afx_msg void OnFinish() { EndDialog(42); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CFinishDialog, CDialog)
ON_BN_CLICKED(IDC_FINISH, &CFinishDialog::OnFinish)
END_MESSAGE_MAP()

class CTimerOwner : public CWnd {
public:
    int ticks = 0;
    int ticksWhileOpen = 0;
    int ticksAtClose = -1;
    int dialogsOpened = 0;
    INT_PTR result = 0;
    bool ownerDisabledWhileOpen = false;

protected:
    afx_msg void OnTimer(UINT_PTR) {
        ++ticks;
        if (m_pOpen) {
            // Clicked only once the owner has kept working under the dialog.
            if (++ticksWhileOpen == 2) {
                ownerDisabledWhileOpen = !IsWindowEnabled();
                HWND button = ::GetDlgItem(m_pOpen->m_hWnd, IDC_FINISH);
                ::PostMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
                ::PostMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
            }
            return;
        }
        if (dialogsOpened)
            return;
        ++dialogsOpened;
        CFinishDialog dlg(this);
        m_pOpen = &dlg;
        result = dlg.DoModal();
        m_pOpen = nullptr;
        ticksAtClose = ticks;
    }
    DECLARE_MESSAGE_MAP()

private:
    CDialog* m_pOpen = nullptr;
};
BEGIN_MESSAGE_MAP(CTimerOwner, CWnd)
ON_WM_TIMER()
END_MESSAGE_MAP()

TEST(TimerModalTest, ADialogOpenedFromATimerRunsAndItsOwnerKeepsWorking) {
    const LONG windowBase = AfxGetLiveWindowCount();
    CTimerOwner owner;
    ASSERT_TRUE(
        owner.CreateEx(0, nullptr, L"owner", WS_POPUP | WS_VISIBLE, 50, 50, 200, 100, nullptr, nullptr));
    owner.SetTimer(7, 20, nullptr);
    EXPECT_TRUE(
        PumpUntil([&] { return owner.ticksAtClose >= 0 && owner.ticks >= owner.ticksAtClose + 2; }, 5000));
    owner.KillTimer(7);
    EXPECT_EQ(42, owner.result) << "ended by the click, with its code";
    EXPECT_EQ(1, owner.dialogsOpened);
    EXPECT_GE(owner.ticksWhileOpen, 2);
    EXPECT_TRUE(owner.ownerDisabledWhileOpen);
    EXPECT_TRUE(owner.IsWindowEnabled()) << "the owner works again once the dialog ended";
    owner.DestroyWindow();
    EXPECT_EQ(windowBase, AfxGetLiveWindowCount());
}

} // namespace
