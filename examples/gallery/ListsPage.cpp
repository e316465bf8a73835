#include "ListsPage.h"

#include "lists_page_ids.h"

BEGIN_MESSAGE_MAP(ListsPage, CDialog)
ON_WM_ERASEBKGND()
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

ListsPage::ListsPage() : CDialog(IDD_LISTS_PAGE), m_background(RGB(250, 250, 250)) {}

BOOL ListsPage::CreatePage(CWnd* gallery, CPoint origin, COLORREF background) {
    m_background = background;
    if (!Create(IDD_LISTS_PAGE, gallery))
        return FALSE;
    SetWindowPos(nullptr, origin.x, origin.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}

void ListsPage::FocusSample() {
    if (m_focused.GetSafeHwnd()) {
        m_focused.SetFocus();
        m_focused.SetSel(0, 0);
    }
}

void ListsPage::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LS_GROUP, m_group);
    DDX_Control(pDX, IDC_LS_NOTE, m_note);
    DDX_Control(pDX, IDC_LS_NORMAL, m_normal);
    DDX_Control(pDX, IDC_LS_FOCUSED, m_focused);
    DDX_Control(pDX, IDC_LS_HOT, m_hot);
    DDX_Control(pDX, IDC_LS_READONLY, m_readOnly);
    DDX_Control(pDX, IDC_LS_DISABLED, m_disabled);
    DDX_Control(pDX, IDC_LS_PASSWORD, m_password);
    DDX_Control(pDX, IDC_LS_DISABLED_PASSWORD, m_disabledPassword);
    DDX_Control(pDX, IDC_LS_HINT, m_hint);
    DDX_Control(pDX, IDC_LS_FILTER, m_filter);
    DDX_Control(pDX, IDC_LS_SPIN_EDIT, m_spinEdit);
    DDX_Control(pDX, IDC_LS_SPIN, m_spin);
    DDX_Control(pDX, IDC_LS_CENTRED, m_centred);
    DDX_Control(pDX, IDC_LS_BOTTOM, m_bottom);
    DDX_Control(pDX, IDC_LS_MEMO, m_memo);
    DDX_Control(pDX, IDC_LS_MEMO_DISABLED, m_memoDisabled);
}

BOOL ListsPage::OnInitDialog() {
    CDialog::OnInitDialog();
    m_normal.SetWindowText(L"Normal");
    m_focused.SetWindowText(L"Focused");
    m_hot.SetWindowText(L"Hot (the pointer over its scroll bar)");
    // The pointer is rarely there when a picture is taken: the box is told
    // that it is over one of its bars, which keeps the hot frame.
    m_hot.SendMessage(Tavrin::MOUSE_OVER_NELO_SCROLLBAR_MSG, 1, 0);
    m_readOnly.SetWindowText(L"Read-only");
    m_disabled.SetWindowText(L"Disabled");
    m_disabled.EnableWindow(FALSE);
    m_password.SetWindowText(L"secret");
    m_disabledPassword.SetWindowText(L"secret");
    m_disabledPassword.EnableWindow(FALSE);
    m_hint.SetIcon(::LoadIconW(nullptr, IDI_INFORMATION), 1);
    m_hint.ShowHintText(1, L"Icon and hint: type here");
    m_filter.SetFilterCharList(L"/\\:*?\"<>|");
    m_filter.SetWindowText(L"Filter: C:/My\\Video*?");
    m_spinEdit.SetWindowText(L"");
    m_spin.SetRange32(0, 100);
    m_spin.SetPos32(42);
    m_centred.SetWindowText(L"Centred");
    m_centred.SetTextAlignment(Tavrin::EditTextAlignCenter);
    m_bottom.SetWindowText(L"Bottom");
    m_bottom.SetTextAlignment(Tavrin::EditTextAlignBottom);
    CString lines;
    for (int i = 1; i <= 20; ++i) {
        CString line;
        line.Format(L"Line %d of a multi-line box, wider than the box itself\r\n", i);
        lines += line;
    }
    m_memo.SetWindowText(lines);
    m_memoDisabled.SetWindowText(lines);
    m_memoDisabled.EnableWindow(FALSE);
    return FALSE;
}

BOOL ListsPage::OnEraseBkgnd(CDC* pDC) {
    CRect client;
    GetClientRect(&client);
    pDC->FillSolidRect(&client, m_background);
    return TRUE;
}

HBRUSH ListsPage::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    if (nCtlColor == CTLCOLOR_STATIC || nCtlColor == CTLCOLOR_BTN) {
        pDC->SetBkMode(TRANSPARENT);
        return Tavrin::SkinResourceCache::GetSolidBrush(m_background);
    }
    return CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
}
