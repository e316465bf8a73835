#include "ListsPage.h"

#include "lists_page_ids.h"

ListsPage::ListsPage() : GalleryDialogPage(IDD_LISTS_PAGE) {}

void ListsPage::FocusSample() {
    if (m_focused.GetSafeHwnd()) {
        m_focused.SetFocus();
        m_focused.SetSel(0, 0);
    }
}

void ListsPage::DoDataExchange(CDataExchange* pDX) {
    GalleryDialogPage::DoDataExchange(pDX);
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
    GalleryDialogPage::OnInitDialog();
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
