// CDialog from a resource template with controls attached by DDX_Control,
// driven by real messages: reflection, the modal loop, data exchange, the
// extension-module chain and leak checks over many cycles.
#include <afxwin.h>
#include <afxcmn.h>
#include <afxsock.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <vector>

#include "resource.h"
#include "testutil.h"

extern "C" __declspec(dllimport) HMODULE FwTestExtensionModule();
extern "C" __declspec(dllimport) void FwTestExtensionLeaveChain();
extern "C" __declspec(dllimport) void FwTestExtensionJoinChain(HMODULE hModule);
extern "C" __declspec(dllimport) LPCWSTR FwTestExtensionRegisterClass();

std::function<bool(UINT)>& AppCommandHook() {
    static std::function<bool(UINT)> hook;
    return hook;
}

namespace {

// The program's application object; tests give it their own initialisation.
class CTestApp : public CWinApp {
public:
    CTestApp() : CWinApp(L"FrameworkTest") {}
    std::function<BOOL(CTestApp&)> init;
    std::function<int(CTestApp&)> exit;
    BOOL InitInstance() override { return init ? init(*this) : FALSE; }
    int ExitInstance() override { return exit ? exit(*this) : CWinApp::ExitInstance(); }
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) override {
        if (nCode == CN_COMMAND && AppCommandHook() && AppCommandHook()(nID))
            return TRUE;
        return CWinApp::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    }
};
CTestApp theTestApp;

UINT g_endMessage = RegisterWindowMessageW(L"FRAMEWORK_TEST_END_DIALOG_MSG");

// Who saw which message, in order, across the controls and the dialog.
struct Event {
    const wchar_t* who;
    UINT message;
};
std::vector<Event> g_events;

bool Saw(const wchar_t* who, UINT message) {
    return std::any_of(g_events.begin(), g_events.end(),
                       [&](const Event& e) { return wcscmp(e.who, who) == 0 && e.message == message; });
}

int IndexOf(const wchar_t* who, UINT message) {
    for (size_t i = 0; i < g_events.size(); ++i)
        if (wcscmp(g_events[i].who, who) == 0 && g_events[i].message == message)
            return (int)i;
    return -1;
}

class CRecordingButton : public CButton {
public:
    explicit CRecordingButton(const wchar_t* name) : m_name(name) {}
    const wchar_t* m_name;
    int drawn = 0;
    int clickedReflected = 0;
    bool preSubclassed = false;
    bool messageBeforePreSubclass = false;

    BOOL PreTranslateMessage(MSG* pMsg) override {
        if (pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST)
            g_events.push_back({m_name, pMsg->message});
        return CButton::PreTranslateMessage(pMsg);
    }
    void DrawItem(LPDRAWITEMSTRUCT) override { ++drawn; }

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override {
        g_events.push_back({L"child-notify", message});
        return CButton::OnChildNotify(message, wParam, lParam, pResult);
    }
    void PreSubclassWindow() override { preSubclassed = true; }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (!preSubclassed)
            messageBeforePreSubclass = true;
        return CButton::WindowProc(message, wParam, lParam);
    }
    // The parent still sees the click: the handler returns FALSE.
    afx_msg BOOL OnClickedReflect() {
        ++clickedReflected;
        return FALSE;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRecordingButton, CButton)
ON_CONTROL_REFLECT_EX(BN_CLICKED, &CRecordingButton::OnClickedReflect)
END_MESSAGE_MAP()

class CReflectLabel : public CStatic {
public:
    CBrush m_brush{RGB(10, 200, 30)};

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override {
        g_events.push_back({L"label-child-notify", message});
        return CStatic::OnChildNotify(message, wParam, lParam, pResult);
    }
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor) {
        g_events.push_back({L"label-ctlcolor", WM_CTLCOLORSTATIC});
        EXPECT_EQ((UINT)CTLCOLOR_STATIC, nCtlColor);
        pDC->SetTextColor(RGB(1, 2, 3));
        return m_brush;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflectLabel, CStatic)
ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

class CRecordingList : public CListCtrl {
public:
    int itemChanged = 0;

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override {
        g_events.push_back({L"list-child-notify", message});
        return CListCtrl::OnChildNotify(message, wParam, lParam, pResult);
    }
    afx_msg void OnItemChanged(NMHDR*, LRESULT* pResult) {
        ++itemChanged;
        *pResult = 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRecordingList, CListCtrl)
ON_NOTIFY_REFLECT(LVN_ITEMCHANGED, &CRecordingList::OnItemChanged)
END_MESSAGE_MAP()

class CTestDialog : public CDialog {
public:
    explicit CTestDialog(CWnd* pParent = nullptr) : CDialog(IDD_TEST, pParent) {}

    CRecordingButton m_ownerDraw{L"owner-draw"};
    CRecordingButton m_push{L"push"};
    CReflectLabel m_label;
    CRecordingList m_list;
    CComboBox m_combo;
    CEdit m_edit;
    CProgressCtrl m_progress;
    CBrush m_parentBrush{RGB(90, 90, 90)};

    CString m_text = L"initial";
    int m_number = 5;
    CString m_comboText;
    int m_comboIndex = -1;

    std::function<void(CTestDialog&)> onInit;
    int parentCtlColor = 0;
    int parentDrawItem = 0;
    int parentItemChanged = 0;
    int parentClick = 0;
    int pushClicked = 0;
    int selChanged = 0;

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        for (const wchar_t* s : {L"AVI", L"FLV", L"PSP", L"Zune"})
            m_combo.AddString(s);
        m_list.InsertColumn(0, L"Name", LVCFMT_LEFT, 80);
        if (onInit)
            onInit(*this);
        return TRUE;
    }
    BOOL PreTranslateMessage(MSG* pMsg) override {
        if (pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST)
            g_events.push_back({L"dialog", pMsg->message});
        return CDialog::PreTranslateMessage(pMsg);
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        CDialog::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_OWNERDRAW, m_ownerDraw);
        DDX_Control(pDX, IDC_PUSH, m_push);
        DDX_Control(pDX, IDC_LABEL, m_label);
        DDX_Control(pDX, IDC_LIST, m_list);
        DDX_Control(pDX, IDC_COMBO, m_combo);
        DDX_Control(pDX, IDC_EDIT, m_edit);
        DDX_Control(pDX, IDC_PROGRESS, m_progress);
        DDX_Text(pDX, IDC_EDIT, m_text);
        DDX_Text(pDX, IDC_NUMBER, m_number);
        DDX_CBString(pDX, IDC_COMBO, m_comboText);
        DDX_CBIndex(pDX, IDC_COMBO, m_comboIndex);
    }
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
        if (pWnd->GetDlgCtrlID() == IDC_LABEL || pWnd->GetDlgCtrlID() == IDC_PLAIN_LABEL)
            ++parentCtlColor;
        if (pWnd->GetDlgCtrlID() == IDC_PLAIN_LABEL)
            return m_parentBrush;
        return CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
    }
    afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct) {
        ++parentDrawItem;
        CDialog::OnDrawItem(nIDCtl, lpDrawItemStruct);
    }
    afx_msg void OnListItemChanged(NMHDR*, LRESULT*) { ++parentItemChanged; }
    afx_msg void OnListClick(NMHDR* pNMHDR, LRESULT* pResult) {
        EXPECT_EQ((UINT)NM_CLICK, pNMHDR->code);
        ++parentClick;
        *pResult = 0;
    }
    afx_msg void OnPush() { ++pushClicked; }
    afx_msg void OnComboSelChange() { ++selChanged; }
    afx_msg LRESULT OnEnd(WPARAM wParam, LPARAM) {
        EndDialog((int)wParam);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestDialog, CDialog)
ON_WM_CTLCOLOR()
ON_WM_DRAWITEM()
ON_NOTIFY(LVN_ITEMCHANGED, IDC_LIST, &CTestDialog::OnListItemChanged)
ON_NOTIFY(NM_CLICK, IDC_LIST, &CTestDialog::OnListClick)
ON_BN_CLICKED(IDC_PUSH, &CTestDialog::OnPush)
ON_CBN_SELCHANGE(IDC_COMBO, &CTestDialog::OnComboSelChange)
ON_REGISTERED_MESSAGE(g_endMessage, &CTestDialog::OnEnd)
END_MESSAGE_MAP()

// A dialog of any template whose initialisation is given by the test.
class CScriptedDialog : public CDialog {
public:
    CScriptedDialog(UINT nID, std::function<void(CScriptedDialog&)> init)
        : CDialog(nID), m_init(std::move(init)) {}
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        m_init(*this);
        return TRUE;
    }
    using CDialog::EndDialog;

private:
    std::function<void(CScriptedDialog&)> m_init;
};

class CCreateDialog : public CDialog {
public:
    CCreateDialog() : CDialog(IDD_SMALL) {}
    bool nccalc = false, created = false, preSubclassedFirst = false, preSubclassed = false;

protected:
    void PreSubclassWindow() override { preSubclassed = true; }
    afx_msg int OnCreate(LPCREATESTRUCT lpcs) {
        created = true;
        preSubclassedFirst = preSubclassed;
        return CDialog::OnCreate(lpcs);
    }
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp) {
        nccalc = true;
        CDialog::OnNcCalcSize(bCalcValidRects, lpncsp);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCreateDialog, CDialog)
ON_WM_CREATE()
ON_WM_NCCALCSIZE()
END_MESSAGE_MAP()

int g_messageBoxes = 0;
CString g_lastMessageBox;
int CALLBACK RecordMessageBox(LPCTSTR lpszText, UINT) {
    ++g_messageBoxes;
    g_lastMessageBox = lpszText;
    return IDOK;
}

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_events.clear();
        AfxSetMessageBoxHook(RecordMessageBox);
        g_messageBoxes = 0;
        gdiBase = AfxGetLiveGdiObjectCount();
        windowBase = AfxGetLiveWindowCount();
        threadWindowBase = CountThreadWindows();
    }
    void TearDown() override {
        PumpUntilIdle();
        EXPECT_EQ(windowBase, AfxGetLiveWindowCount());
        EXPECT_EQ(threadWindowBase, CountThreadWindows());
        EXPECT_EQ(0, AfxGetTempObjectCount());
        AfxSetMessageBoxHook(nullptr);
    }
    LONG gdiBase = 0, windowBase = 0;
    int threadWindowBase = 0;
};

TEST_F(DialogTest, DataExchangeSubclassesEveryControl) {
    CTestDialog dlg;
    ASSERT_TRUE(dlg.Create(IDD_TEST));
    CWnd* controls[] = {&dlg.m_ownerDraw, &dlg.m_push, &dlg.m_label,   &dlg.m_list,
                        &dlg.m_combo,     &dlg.m_edit, &dlg.m_progress};
    int ids[] = {IDC_OWNERDRAW, IDC_PUSH, IDC_LABEL, IDC_LIST, IDC_COMBO, IDC_EDIT, IDC_PROGRESS};
    for (size_t i = 0; i < std::size(ids); ++i) {
        HWND hWnd = ::GetDlgItem(dlg.m_hWnd, ids[i]);
        EXPECT_EQ(hWnd, controls[i]->m_hWnd) << ids[i];
        EXPECT_EQ(controls[i], CWnd::FromHandlePermanent(hWnd)) << ids[i];
    }
    EXPECT_TRUE(dlg.m_push.preSubclassed);
    EXPECT_FALSE(dlg.m_push.messageBeforePreSubclass);
    CString text;
    dlg.m_edit.GetWindowText(text);
    EXPECT_STREQ(L"initial", (LPCTSTR)text) << "members went into the controls";
    dlg.GetDlgItemText(IDC_NUMBER, text);
    EXPECT_STREQ(L"5", (LPCTSTR)text);

    dlg.m_comboText = L"PSP";
    dlg.m_comboIndex = 2;
    EXPECT_TRUE(dlg.UpdateData(FALSE));
    EXPECT_EQ(2, dlg.m_combo.GetCurSel());
    dlg.m_combo.SetCurSel(3);
    EXPECT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_STREQ(L"Zune", (LPCTSTR)dlg.m_comboText);
    EXPECT_EQ(3, dlg.m_comboIndex);

    EXPECT_TRUE(dlg.DestroyWindow());
    EXPECT_EQ(nullptr, dlg.m_hWnd);
    for (CWnd* c : controls)
        EXPECT_EQ(nullptr, c->m_hWnd) << "each control let go of its dead window";
}

TEST_F(DialogTest, DrawItemIsReflectedToTheControl) {
    CTestDialog dlg;
    ASSERT_TRUE(dlg.Create(IDD_TEST));
    CClientDC dc(&dlg);
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_BUTTON;
    dis.CtlID = IDC_OWNERDRAW;
    dis.hwndItem = dlg.m_ownerDraw.m_hWnd;
    dis.hDC = dc.m_hDC;
    EXPECT_EQ(TRUE, dlg.SendMessage(WM_DRAWITEM, IDC_OWNERDRAW, (LPARAM)&dis));
    EXPECT_EQ(1, dlg.m_ownerDraw.drawn);
    EXPECT_EQ(0, dlg.parentDrawItem) << "the parent sees it only when the child did not handle it";
    EXPECT_TRUE(Saw(L"child-notify", WM_DRAWITEM)) << "OnChildNotify saw it first";

    // A real paint of the owner-drawn button goes the same way.
    dlg.SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
    dlg.m_ownerDraw.Invalidate();
    dlg.m_ownerDraw.UpdateWindow();
    PumpUntilIdle();
    EXPECT_GE(dlg.m_ownerDraw.drawn, 2);
    EXPECT_EQ(0, dlg.parentDrawItem);
    dlg.DestroyWindow();
}

TEST_F(DialogTest, CtlColorIsReflectedAndFallsBackToTheParent) {
    CTestDialog dlg;
    ASSERT_TRUE(dlg.Create(IDD_TEST));
    CClientDC dc(&dlg);
    LRESULT reflected = dlg.SendMessage(WM_CTLCOLORSTATIC, (WPARAM)dc.m_hDC, (LPARAM)dlg.m_label.m_hWnd);
    EXPECT_EQ((LRESULT)(HBRUSH)dlg.m_label.m_brush, reflected);
    EXPECT_EQ(RGB(1, 2, 3), dc.GetTextColor());
    EXPECT_EQ(0, dlg.parentCtlColor);
    EXPECT_LT(IndexOf(L"label-child-notify", WM_CTLCOLORSTATIC),
              IndexOf(L"label-ctlcolor", WM_CTLCOLORSTATIC));

    HWND plain = ::GetDlgItem(dlg.m_hWnd, IDC_PLAIN_LABEL);
    LRESULT parent = dlg.SendMessage(WM_CTLCOLORSTATIC, (WPARAM)dc.m_hDC, (LPARAM)plain);
    EXPECT_EQ((LRESULT)(HBRUSH)dlg.m_parentBrush, parent);
    EXPECT_EQ(1, dlg.parentCtlColor);
    dlg.DestroyWindow();
}

TEST_F(DialogTest, NotificationsGoToTheControlThenTheParent) {
    CTestDialog dlg;
    ASSERT_TRUE(dlg.Create(IDD_TEST));
    ASSERT_EQ(0, dlg.m_list.InsertItem(0, L"clip.avi"));
    dlg.m_list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_GT(dlg.m_list.itemChanged, 0) << "LVN_ITEMCHANGED reflected to the list's own map";
    EXPECT_EQ(0, dlg.parentItemChanged);
    EXPECT_TRUE(Saw(L"list-child-notify", WM_NOTIFY));

    NMHDR hdr = {dlg.m_list.m_hWnd, IDC_LIST, (UINT)NM_CLICK};
    dlg.SendMessage(WM_NOTIFY, IDC_LIST, (LPARAM)&hdr);
    EXPECT_EQ(1, dlg.parentClick) << "no reflected handler: the parent's map gets it";

    dlg.m_push.SendMessage(BM_CLICK);
    EXPECT_EQ(1, dlg.m_push.clickedReflected);
    EXPECT_EQ(1, dlg.pushClicked) << "ON_CONTROL_REFLECT_EX returning FALSE lets the parent see it";

    dlg.m_combo.SetFocus();
    dlg.m_combo.SetCurSel(0);
    dlg.m_combo.SendMessage(WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(1, dlg.m_combo.GetCurSel());
    EXPECT_EQ(1, dlg.selChanged);
    dlg.DestroyWindow();
}

TEST_F(DialogTest, DoModalRunsPreTranslateAlongTheChainAndReturnsTheEndCode) {
    CTestDialog dlg;
    dlg.onInit = [](CTestDialog& d) {
        d.m_push.PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        d.m_push.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        d.PostMessage(g_endMessage, 42);
    };
    EXPECT_EQ(42, dlg.DoModal());
    EXPECT_EQ(nullptr, dlg.m_hWnd);
    int controlDown = IndexOf(L"push", WM_LBUTTONDOWN);
    int dialogDown = IndexOf(L"dialog", WM_LBUTTONDOWN);
    ASSERT_GE(controlDown, 0) << "the control's PreTranslateMessage saw the mouse";
    EXPECT_GT(dialogDown, controlDown) << "then its parent's";
    EXPECT_TRUE(Saw(L"push", WM_LBUTTONUP));
    EXPECT_EQ(1, dlg.pushClicked) << "the click reached the button after pre-translation";
}

TEST_F(DialogTest, OkExchangesDataAndEscapeCancels) {
    {
        CTestDialog dlg;
        dlg.onInit = [](CTestDialog& d) {
            d.m_edit.SetWindowText(L"C:\\MyVideo");
            d.SetDlgItemText(IDC_NUMBER, L" -17 ");
            d.m_combo.SetCurSel(1);
            d.PostMessage(WM_COMMAND, IDOK, (LPARAM)::GetDlgItem(d.m_hWnd, IDOK));
        };
        EXPECT_EQ(IDOK, dlg.DoModal());
        EXPECT_STREQ(L"C:\\MyVideo", (LPCTSTR)dlg.m_text);
        EXPECT_EQ(-17, dlg.m_number);
        EXPECT_STREQ(L"FLV", (LPCTSTR)dlg.m_comboText);
        EXPECT_EQ(1, dlg.m_comboIndex);
    }
    {
        CTestDialog dlg;
        dlg.onInit = [](CTestDialog& d) {
            d.m_edit.SetWindowText(L"changed");
            d.m_edit.SetFocus();
            d.m_edit.PostMessage(WM_KEYDOWN, VK_ESCAPE, 0x00010001);
        };
        EXPECT_EQ(IDCANCEL, dlg.DoModal()) << "the dialog manager in the loop turned Esc into IDCANCEL";
        EXPECT_STREQ(L"initial", (LPCTSTR)dlg.m_text) << "cancel exchanges nothing";
    }
}

// An edit that keeps Esc for itself: the walk stops at the first taker.
class CEscapeEatingEdit : public CEdit {
public:
    int eaten = 0;
    BOOL PreTranslateMessage(MSG* pMsg) override {
        if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_ESCAPE) {
            ++eaten;
            return TRUE;
        }
        return CEdit::PreTranslateMessage(pMsg);
    }
};

TEST_F(DialogTest, AControlThatTakesAMessageStopsTheWalk) {
    CEscapeEatingEdit edit;
    CScriptedDialog dlg(IDD_TEST, [&](CScriptedDialog& d) {
        ASSERT_TRUE(edit.SubclassDlgItem(IDC_EDIT, &d));
        edit.SetFocus();
        edit.PostMessage(WM_KEYDOWN, VK_ESCAPE, 0x00010001);
        d.PostMessage(WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(IDOK, dlg.DoModal()) << "Esc never reached the dialog manager";
    EXPECT_EQ(1, edit.eaten);
    EXPECT_EQ(nullptr, edit.m_hWnd);
}

TEST_F(DialogTest, InvalidInputKeepsTheDialogOpen) {
    CTestDialog dlg;
    dlg.onInit = [](CTestDialog& d) {
        d.SetDlgItemText(IDC_NUMBER, L"12abc");
        d.PostMessage(WM_COMMAND, IDOK, 0);
        d.PostMessage(g_endMessage, 7);
    };
    EXPECT_EQ(7, dlg.DoModal());
    EXPECT_EQ(1, g_messageBoxes);
    EXPECT_STREQ(L"Please enter an integer.", (LPCTSTR)g_lastMessageBox);
    EXPECT_EQ(5, dlg.m_number) << "the member keeps its value";
}

TEST_F(DialogTest, ModalDialogDisablesItsOwner) {
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, nullptr, L"owner", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    bool ownerEnabledInside = true;
    CScriptedDialog dlg(IDD_SMALL, [&](CScriptedDialog& d) {
        ownerEnabledInside = owner.IsWindowEnabled() != FALSE;
        d.EndDialog(3);
    });
    dlg.m_pParentWnd = &owner;
    EXPECT_EQ(3, dlg.DoModal()) << "EndDialog during initialisation ends without a loop";
    EXPECT_FALSE(ownerEnabledInside);
    EXPECT_TRUE(owner.IsWindowEnabled());
    owner.DestroyWindow();
}

TEST_F(DialogTest, InitialisationThatThrowsEndsTheDialog) {
    CScriptedDialog dlg(IDD_SMALL,
                        [](CScriptedDialog&) { throw std::runtime_error("broken initialisation"); });
    EXPECT_EQ(-1, dlg.DoModal());
    EXPECT_EQ(nullptr, dlg.m_hWnd);
}

TEST_F(DialogTest, MissingTemplateFailsWithMinusOne) {
    CDialog dlg(9999);
    EXPECT_EQ(-1, dlg.DoModal());
    EXPECT_FALSE(dlg.Create(9999));
}

TEST_F(DialogTest, MainWindowIsForgottenWhenItDies) {
    CScriptedDialog dlg(IDD_SMALL, [](CScriptedDialog& d) {
        EXPECT_EQ(&d, AfxGetMainWnd());
        d.PostMessage(WM_COMMAND, IDCANCEL, 0);
    });
    theTestApp.m_pMainWnd = &dlg;
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_EQ(nullptr, theTestApp.m_pMainWnd);
    // The dying main window asked the program to end; this test goes on.
    MSG msg;
    while (PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}

TEST_F(DialogTest, WindowDestroyedInsideItsModalLoopEndsTheLoop) {
    struct Killer {
        static void CALLBACK Proc(HWND hWnd, UINT, UINT_PTR id, DWORD) {
            KillTimer(hWnd, id);
            DestroyWindow(hWnd);
        }
    };
    CScriptedDialog killed(IDD_SMALL, [](CScriptedDialog& d) { d.SetTimer(2, 1, &Killer::Proc); });
    EXPECT_EQ(IDABORT, killed.DoModal()) << "no EndDialog can come any more";
    EXPECT_EQ(nullptr, killed.m_hWnd);
}

TEST_F(DialogTest, CreationMessagesReachTheDialogObject) {
    CCreateDialog dlg;
    ASSERT_TRUE(dlg.Create(IDD_SMALL));
    EXPECT_TRUE(dlg.created) << "a dialog's WM_CREATE reaches its map";
    EXPECT_TRUE(dlg.preSubclassedFirst);
    EXPECT_TRUE(dlg.nccalc);
    dlg.DestroyWindow();
}

TEST_F(DialogTest, WinMainRunsADialogBasedProgram) {
    bool socketsStarted = false;
    theTestApp.init = [&](CTestApp& app) {
        socketsStarted = AfxSocketInit() != FALSE;
        AfxEnableControlContainer();
        CScriptedDialog dlg(IDD_TEST, [](CScriptedDialog& d) { d.PostMessage(WM_COMMAND, IDCANCEL, 0); });
        app.m_pMainWnd = &dlg;
        dlg.DoModal();
        return FALSE; // no message loop after the dialog
    };
    theTestApp.exit = [](CTestApp&) { return 12; };
    EXPECT_EQ(12, AfxWinMain(GetModuleHandleW(nullptr), nullptr, (LPTSTR)L"", SW_SHOWNORMAL));
    EXPECT_TRUE(socketsStarted);
    EXPECT_EQ(nullptr, theTestApp.m_pMainWnd);
    EXPECT_STREQ(L"FrameworkTest", AfxGetAppName());
    MSG msg;
    while (PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    theTestApp.init = nullptr;
    theTestApp.exit = nullptr;
}

TEST_F(DialogTest, WinMainRunsTheMessageLoopUntilTheMainWindowDies) {
    CScriptedDialog* pMain = nullptr;
    theTestApp.init = [&](CTestApp& app) {
        pMain = new CScriptedDialog(IDD_SMALL, [](CScriptedDialog& d) { d.PostMessage(WM_CLOSE); });
        if (!pMain->Create(IDD_SMALL))
            return FALSE;
        app.m_pMainWnd = pMain;
        return TRUE;
    };
    // WM_CLOSE on a modeless dialog becomes IDCANCEL: EndDialog only hides it,
    // so the program ends it here.
    theTestApp.exit = [&](CTestApp& app) { return (int)app.m_msgCur.wParam + 20; };
    struct Closer {
        static void CALLBACK Proc(HWND hWnd, UINT, UINT_PTR id, DWORD) {
            KillTimer(hWnd, id);
            if (CWnd* pMain = AfxGetMainWnd())
                pMain->DestroyWindow();
        }
    };
    UINT_PTR timer = SetTimer(nullptr, 0, 10, &Closer::Proc);
    EXPECT_EQ(20, AfxWinMain(GetModuleHandleW(nullptr), nullptr, (LPTSTR)L"", SW_SHOWNORMAL))
        << "the dying main window posted WM_QUIT(0) and Run returned";
    KillTimer(nullptr, timer);
    delete pMain;
    theTestApp.init = nullptr;
    theTestApp.exit = nullptr;
}

class COptionsDialog : public CDialog {
public:
    COptionsDialog() : CDialog(IDD_OPTIONS) {}
    int m_check = BST_CHECKED;
    int m_radio = 1;
    int m_otherRadio = -1;
    CString m_name = L"abc";
    int m_number = 50;
    int m_maxChars = 8;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Check(pDX, IDC_CHECK, m_check);
        DDX_Radio(pDX, IDC_RADIO1, m_radio);
        DDX_Radio(pDX, IDC_AFTER_RADIOS, m_otherRadio);
        DDX_Text(pDX, IDC_NAME, m_name);
        DDV_MaxChars(pDX, m_name, m_maxChars);
        DDX_Text(pDX, IDC_NUMBER, m_number);
        DDV_MinMaxInt(pDX, m_number, 1, 100);
    }
};

TEST_F(DialogTest, CheckRadioAndValidationExchange) {
    COptionsDialog dlg;
    ASSERT_TRUE(dlg.Create(IDD_OPTIONS));
    EXPECT_EQ(BST_CHECKED, (int)dlg.IsDlgButtonChecked(IDC_CHECK));
    EXPECT_EQ(IDC_RADIO2, dlg.GetCheckedRadioButton(IDC_RADIO1, IDC_RADIO3));
    EXPECT_FALSE(dlg.IsDlgButtonChecked(IDC_AFTER_RADIOS)) << "the group ends at the next WS_GROUP";
    EXPECT_EQ(8, (int)dlg.SendDlgItemMessage(IDC_NAME, EM_GETLIMITTEXT)) << "DDV_MaxChars limits the edit";

    dlg.CheckDlgButton(IDC_CHECK, BST_UNCHECKED);
    dlg.CheckRadioButton(IDC_RADIO1, IDC_RADIO3, IDC_RADIO3);
    dlg.SetDlgItemText(IDC_NUMBER, L"100");
    EXPECT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ(BST_UNCHECKED, dlg.m_check);
    EXPECT_EQ(2, dlg.m_radio);
    EXPECT_EQ(-1, dlg.m_otherRadio);
    EXPECT_EQ(100, dlg.m_number);

    struct Case {
        const wchar_t* name;
        const wchar_t* number;
        const wchar_t* message;
    } cases[] = {
        {L"123456789", L"5", L"Enter no more than 8 characters."},
        {L"ok", L"101", L"Enter an integer between 1 and 100."},
        {L"ok", L"", L"Please enter an integer."},
    };
    for (const Case& c : cases) {
        g_messageBoxes = 0;
        dlg.m_maxChars = 100; // the loaded limit would stop the long name at the edit
        dlg.SendDlgItemMessage(IDC_NAME, EM_LIMITTEXT, 0);
        dlg.SetDlgItemText(IDC_NAME, c.name);
        dlg.SetDlgItemText(IDC_NUMBER, c.number);
        dlg.m_maxChars = 8;
        dlg.m_number = 50;
        EXPECT_FALSE(dlg.UpdateData(TRUE)) << c.message;
        EXPECT_EQ(1, g_messageBoxes) << "one message per failed exchange";
        EXPECT_STREQ(c.message, (LPCTSTR)g_lastMessageBox);
    }
    EXPECT_EQ(50, dlg.m_number) << "text that is not a number leaves the member alone";
    dlg.DestroyWindow();
}

TEST(ResourceStringTest, FormatFromAStringResource) {
    CString s;
    s.Format(IDS_FORMAT, 3, CString(L"files"));
    EXPECT_STREQ(L"3 of files", (LPCTSTR)s);
}

TEST(ProgramTest, TheFrameworksWinMainRunsTheApplicationObject) {
    // fw_app_main.exe lies beside this test; its exit code is its dialog's
    // end code (from the command line) plus 1000.
    WCHAR path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    wcscpy(wcsrchr(path, L'\\') + 1, L"fw_app_main.exe");
    CString cmd;
    cmd.Format(L"\"%s\" 37", path);
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    ASSERT_TRUE(
        CreateProcessW(path, cmd.GetBuffer(0), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi));
    cmd.ReleaseBuffer();
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(pi.hProcess, 60000));
    DWORD code = 0;
    GetExitCodeProcess(pi.hProcess, &code);
    EXPECT_EQ(1037u, code);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
}

TEST_F(DialogTest, ResourcesAreFoundAlongTheExtensionChain) {
    HMODULE ext = FwTestExtensionModule();
    ASSERT_NE(nullptr, ext);
    EXPECT_EQ((HINSTANCE)ext, AfxFindResourceHandle(MAKEINTRESOURCEW(IDD_EXTENSION), RT_DIALOG));
    EXPECT_EQ(GetModuleHandleW(nullptr), AfxFindResourceHandle(MAKEINTRESOURCEW(IDD_TEST), RT_DIALOG));
    CString s;
    EXPECT_TRUE(s.LoadString(IDS_EXTENSION_TEXT));
    EXPECT_STREQ(L"Text from the extension", (LPCTSTR)s);
    EXPECT_STREQ(L"Text from the program", (LPCTSTR)CString(MAKEINTRESOURCEW(IDS_PROGRAM_TEXT)));

    bool initialised = false;
    CScriptedDialog fromExtension(IDD_EXTENSION, [&](CScriptedDialog& d) {
        CString caption;
        d.GetWindowText(caption);
        initialised = caption == L"From the extension";
        d.EndDialog(5);
    });
    EXPECT_EQ(5, fromExtension.DoModal());
    EXPECT_TRUE(initialised);

    // Bitmaps, image lists and menus come from the chain as well.
    {
        CBitmap bmp;
        ASSERT_TRUE(bmp.LoadBitmap(IDB_EXTENSION));
        BITMAP bm;
        ASSERT_TRUE(bmp.GetBitmap(&bm));
        EXPECT_EQ(4, bm.bmWidth);
        CClientDC screen(nullptr);
        CDC mem;
        mem.CreateCompatibleDC(&screen);
        AfxLockTempMaps();
        CBitmap* pOld = mem.SelectObject(&bmp);
        EXPECT_EQ(RGB(10, 20, 30), mem.GetPixel(1, 1));
        mem.SelectObject(pOld);
        AfxUnlockTempMaps();
        CImageList images;
        ASSERT_TRUE(images.Create(IDB_EXTENSION, 2, 0, RGB(255, 255, 255)));
        EXPECT_EQ(2, images.GetImageCount());
        CMenu menu;
        ASSERT_TRUE(menu.LoadMenu(IDM_EXTENSION));
        CString item;
        AfxLockTempMaps();
        menu.GetSubMenu(0)->GetMenuString(IDC_MENU_ITEM, item, MF_BYCOMMAND);
        AfxUnlockTempMaps();
        EXPECT_STREQ(L"&Add File(s)", (LPCTSTR)item);
    }
    EXPECT_EQ(gdiBase, AfxGetLiveGdiObjectCount());

    // A window class the extension registered for itself is found too.
    CWnd local;
    ASSERT_TRUE(
        local.CreateEx(0, FwTestExtensionRegisterClass(), L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    EXPECT_EQ(4242, local.SendMessage(WM_APP + 50));
    local.DestroyWindow();

    FwTestExtensionLeaveChain();
    EXPECT_FALSE(s.LoadString(IDS_EXTENSION_TEXT));
    EXPECT_TRUE(s.IsEmpty());
    CScriptedDialog unreachable(IDD_EXTENSION, [](CScriptedDialog& d) { d.EndDialog(5); });
    EXPECT_EQ(-1, unreachable.DoModal());
    FwTestExtensionJoinChain(ext);
    EXPECT_TRUE(s.LoadString(IDS_EXTENSION_TEXT));
}

TEST_F(DialogTest, ThousandCreateDestroyCyclesLeakNothing) {
    for (int i = 0; i < 1000; ++i) {
        CTestDialog dlg;
        ASSERT_TRUE(dlg.Create(IDD_TEST));
        dlg.m_list.InsertItem(0, L"clip.avi");
        CClientDC dc(&dlg);
        dlg.SendMessage(WM_CTLCOLORSTATIC, (WPARAM)dc.m_hDC, (LPARAM)dlg.m_label.m_hWnd);
        dlg.SendMessage(WM_CTLCOLORSTATIC, (WPARAM)dc.m_hDC,
                        (LPARAM)::GetDlgItem(dlg.m_hWnd, IDC_PLAIN_LABEL));
        dlg.DestroyWindow();
    }
    for (int i = 0; i < 50; ++i) {
        CTestDialog dlg;
        dlg.onInit = [](CTestDialog& d) { d.PostMessage(g_endMessage, 1); };
        ASSERT_EQ(1, dlg.DoModal());
    }
    EXPECT_EQ(gdiBase, AfxGetLiveGdiObjectCount());
    EXPECT_EQ(windowBase, AfxGetLiveWindowCount());
    EXPECT_EQ(threadWindowBase, CountThreadWindows());
}

TEST(MenuTest, AttachedMenusAreFoundAgainAndTemporariesAreNot) {
    CMenu bar;
    ASSERT_TRUE(bar.CreateMenu());
    CMenu popup;
    ASSERT_TRUE(popup.CreatePopupMenu());
    popup.AppendMenu(MF_STRING, IDC_MENU_ITEM, L"&Add File(s)");
    popup.AppendMenu(MF_SEPARATOR);
    HMENU hPopup = popup.Detach();
    bar.AppendMenu(MF_POPUP, (UINT_PTR)hPopup, L"&File");
    EXPECT_EQ(&bar, CMenu::FromHandle(bar.m_hMenu));
    AfxLockTempMaps();
    CMenu* sub = bar.GetSubMenu(0);
    ASSERT_NE(nullptr, sub);
    EXPECT_EQ(hPopup, sub->m_hMenu);
    EXPECT_EQ(2u, sub->GetMenuItemCount());
    CString text;
    sub->GetMenuString(IDC_MENU_ITEM, text, MF_BYCOMMAND);
    EXPECT_STREQ(L"&Add File(s)", (LPCTSTR)text);
    sub->CheckMenuItem(IDC_MENU_ITEM, MF_BYCOMMAND | MF_CHECKED);
    sub->EnableMenuItem(IDC_MENU_ITEM, MF_BYCOMMAND | MF_GRAYED);
    UINT state = sub->GetMenuState(IDC_MENU_ITEM, MF_BYCOMMAND);
    EXPECT_TRUE(state & MF_CHECKED);
    EXPECT_TRUE(state & MF_GRAYED);
    sub->ModifyMenu(IDC_MENU_ITEM, MF_BYCOMMAND | MF_STRING, IDC_MENU_ITEM, L"Remove");
    sub->GetMenuString(0, text, MF_BYPOSITION);
    EXPECT_STREQ(L"Remove", (LPCTSTR)text);
    AfxUnlockTempMaps();
    EXPECT_TRUE(IsMenu(hPopup)) << "the temporary left the sub-menu alone";
    EXPECT_TRUE(bar.DestroyMenu());
    EXPECT_FALSE(IsMenu(hPopup)) << "destroying the bar took its sub-menu";
}

// A popup wraps a sub-menu for a moment while the application keeps its own
// wrapper of it.
TEST(MenuTest, SeveralWrappersHoldOneMenuAndTheLastOneDestroysIt) {
    CMenu bar;
    ASSERT_TRUE(bar.CreateMenu());
    HMENU hPopup = CreatePopupMenu();
    AppendMenuW(hPopup, MF_STRING, IDC_MENU_ITEM, L"&Add File(s)");
    bar.AppendMenu(MF_POPUP, (UINT_PTR)hPopup, L"&File");
    CMenu appSub;
    ASSERT_TRUE(appSub.Attach(hPopup));
    EXPECT_EQ(&appSub, CMenu::FromHandle(hPopup));

    auto* popupWrapper = new CMenu;
    ASSERT_TRUE(popupWrapper->Attach(hPopup)) << "a second wrapper may hold the same menu";
    EXPECT_EQ(popupWrapper, CMenu::FromHandle(hPopup)) << "the wrapper attached last is found";
    EXPECT_EQ(popupWrapper, bar.GetSubMenu(0));
    EXPECT_EQ(0, AfxGetTempObjectCount()) << "no temporary while a wrapper holds the menu";
    delete popupWrapper; // gone while still attached
    ASSERT_TRUE(IsMenu(hPopup)) << "the application's wrapper still holds it";
    EXPECT_EQ(&appSub, CMenu::FromHandle(hPopup));

    CMenu briefly;
    ASSERT_TRUE(briefly.Attach(hPopup));
    EXPECT_EQ(hPopup, briefly.Detach());
    EXPECT_EQ(&appSub, CMenu::FromHandle(hPopup));
    EXPECT_EQ(1u, appSub.GetMenuItemCount());

    // Destroying the bar destroys its sub-menu: every wrapper of it lets go,
    // so none destroys the handle again once the system reuses it.
    CMenu another;
    ASSERT_TRUE(another.Attach(hPopup));
    EXPECT_TRUE(bar.DestroyMenu());
    EXPECT_FALSE(IsMenu(hPopup));
    EXPECT_EQ(nullptr, appSub.m_hMenu);
    EXPECT_EQ(nullptr, another.m_hMenu);
    AfxLockTempMaps();
    CMenu* pTemp = CMenu::FromHandle(hPopup);
    EXPECT_NE(&appSub, pTemp);
    EXPECT_NE(&another, pTemp);
    AfxUnlockTempMaps();
}

// The owner of an open popup menu gets, in WM_INITMENUPOPUP, the wrapper the
// application attached to it: an object that outlives the message.
class CMenuOwner : public CWnd {
public:
    CMenu* initPopup = nullptr;
    LONG tempsDuringInit = -1;

protected:
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT, BOOL) {
        initPopup = pPopupMenu;
        tempsDuringInit = AfxGetTempObjectCount();
    }
    afx_msg LRESULT OnEnterIdle(WPARAM, LPARAM) {
        ::EndMenu();
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CMenuOwner, CWnd)
ON_WM_INITMENUPOPUP()
ON_MESSAGE(WM_ENTERIDLE, &CMenuOwner::OnEnterIdle)
END_MESSAGE_MAP()

TEST(MenuTest, AnOpenPopupIsTheApplicationsOwnWrapper) {
    CMenuOwner owner;
    ASSERT_TRUE(owner.CreateEx(0, nullptr, L"", WS_POPUP | WS_VISIBLE, 100, 100, 100, 100, nullptr, nullptr));
    CMenu popup;
    ASSERT_TRUE(popup.CreatePopupMenu());
    popup.AppendMenu(MF_STRING, IDC_MENU_ITEM, L"&Add File(s)");
    owner.SetForegroundWindow();
    popup.TrackPopupMenu(TPM_LEFTALIGN, 120, 120, &owner);
    EXPECT_EQ(&popup, owner.initPopup);
    EXPECT_EQ(0, owner.tempsDuringInit);
    EXPECT_EQ(0, AfxGetTempObjectCount());
    owner.DestroyWindow();
}

} // namespace
