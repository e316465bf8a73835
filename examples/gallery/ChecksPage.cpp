#include "ChecksPage.h"

#include "checks_page_ids.h"

namespace {

// Posted to itself once the page is on screen: the hover sample is shown
// with the pointer over it, the only way its ring appears.
constexpr UINT kPointAtHover = WM_APP + 2;

} // namespace

BEGIN_MESSAGE_MAP(ChecksSecondDialog, CDialog)
ON_WM_ERASEBKGND()
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

ChecksSecondDialog::ChecksSecondDialog() : CDialog(IDD_CHECKS_SECOND) {}

void ChecksSecondDialog::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SD_YES, m_yes);
}

BOOL ChecksSecondDialog::OnEraseBkgnd(CDC* pDC) {
    CRect client;
    GetClientRect(&client);
    pDC->FillSolidRect(&client, RGB(225, 236, 249));
    return TRUE;
}

HBRUSH ChecksSecondDialog::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    if (nCtlColor == CTLCOLOR_STATIC) {
        pDC->SetBkMode(TRANSPARENT);
        pDC->SetTextColor(RGB(6, 45, 117));
        return Tavrin::SkinResourceCache::GetSolidBrush(RGB(225, 236, 249));
    }
    return CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
}

BEGIN_MESSAGE_MAP(ChecksPage, GalleryDialogPage)
ON_WM_SHOWWINDOW()
ON_MESSAGE(WM_APP + 2, &ChecksPage::OnPointAtHover)
END_MESSAGE_MAP()

ChecksPage::ChecksPage()
    : GalleryDialogPage(IDD_CHECKS_PAGE), m_pointedAtHover(false) {}

void ChecksPage::FocusSample() {
    if (m_focused.GetSafeHwnd())
        m_focused.SetFocus();
}

void ChecksPage::DoDataExchange(CDataExchange* pDX) {
    GalleryDialogPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CK_GROUP, m_checkGroup);
    DDX_Control(pDX, IDC_RB_GROUP, m_radioGroup);
    DDX_Control(pDX, IDC_HD_GROUP, m_headerGroup);
    DDX_Control(pDX, IDC_CK_UNCHECKED, m_unchecked);
    DDX_Control(pDX, IDC_CK_CHECKED, m_checked);
    DDX_Control(pDX, IDC_CK_INDETERMINATE, m_indeterminate);
    DDX_Control(pDX, IDC_CK_DISABLED, m_disabled);
    DDX_Control(pDX, IDC_CK_DISABLED_CHECKED, m_disabledChecked);
    DDX_Control(pDX, IDC_CK_FOCUSED, m_focused);
    DDX_Control(pDX, IDC_CK_HOVER, m_hover);
    DDX_Control(pDX, IDC_CK_LARGE, m_large);
    // Each group's first radio button attaches the rest of its group.
    DDX_Control(pDX, IDC_RB_SMALL, m_small);
    DDX_Control(pDX, IDC_RB_FAST, m_fast);
    DDX_Control(pDX, IDC_DV_VERTICAL1, m_vertical1);
    DDX_Control(pDX, IDC_DV_VERTICAL2, m_vertical2);
    DDX_Control(pDX, IDC_DV_HORIZONTAL, m_horizontal);
    DDX_Control(pDX, IDC_HD_LIST, m_list);
    if (!m_header.GetSafeHwnd() && m_list.GetSafeHwnd())
        m_header.SubclassWindow(ListView_GetHeader(m_list.GetSafeHwnd()));
}

BOOL ChecksPage::OnInitDialog() {
    GalleryDialogPage::OnInitDialog();

    m_checked.SetCheck(BST_CHECKED);
    m_indeterminate.SetCheck(BST_INDETERMINATE);
    m_disabled.EnableWindow(FALSE);
    m_disabledChecked.SetCheck(BST_CHECKED);
    m_disabledChecked.EnableWindow(FALSE);
    m_focused.SetCheck(BST_CHECKED);
    m_large.SetCheckSymbolWidth(20);
    m_large.SetCheck(BST_CHECKED);

    CheckRadioButton(IDC_RB_SMALL, IDC_RB_LARGE, IDC_RB_MEDIUM);
    CheckRadioButton(IDC_RB_FAST, IDC_RB_SLOW, IDC_RB_FAST);
    GetDlgItem(IDC_RB_NORMAL)->EnableWindow(FALSE);

    // The vertical dividers show two different lines, the horizontal one a
    // thicker pair.
    m_vertical2.SetDividerColorInfo(Tavrin::_DividerColorInfo{RGB(49, 93, 148), RGB(182, 208, 240)});
    m_horizontal.SetDividerThicknessInfo(Tavrin::_DividerThicknessInfo{2, 1});

    CRect area;
    GetDlgItem(IDC_SECOND_AREA)->GetWindowRect(&area);
    ScreenToClient(&area);
    if (m_second.Create(IDD_CHECKS_SECOND, this)) {
        m_second.SetWindowPos(nullptr, area.left, area.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        m_second.CheckRadioButton(IDC_SD_YES, IDC_SD_ASK, IDC_SD_ASK);
        m_second.ShowWindow(SW_SHOWNA);
    }

    FillList();
    return FALSE;
}

void ChecksPage::FillList() {
    const wchar_t* columns[] = {L"File", L"Duration", L"Percent"};
    const int widths[] = {150, 70, 60};
    const int formats[] = {LVCFMT_LEFT, LVCFMT_CENTER, LVCFMT_RIGHT};
    for (int i = 0; i < 3; ++i)
        m_list.InsertColumn(i, columns[i], formats[i], widths[i]);
    const wchar_t* rows[][3] = {{L"holiday.mov", L"00:02:13", L"100.0%"},
                                {L"interview.mkv", L"00:41:05", L"45.6%"},
                                {L"birthday.avi", L"00:00:58", L"0.0%"}};
    for (int r = 0; r < 3; ++r) {
        m_list.InsertItem(r, rows[r][0]);
        m_list.SetItemText(r, 1, rows[r][1]);
        m_list.SetItemText(r, 2, rows[r][2]);
    }
    // Sorted by duration, ascending; the percent column cannot be resized.
    m_header.SetSortColumn(1, 1);
    m_header.SetColumnResizable(2, 0);
}

void ChecksPage::OnShowWindow(BOOL bShow, UINT nStatus) {
    GalleryDialogPage::OnShowWindow(bShow, nStatus);
    if (bShow && !m_pointedAtHover)
        PostMessage(kPointAtHover);
}

LRESULT ChecksPage::OnPointAtHover(WPARAM, LPARAM) {
    // Once, when the page is first shown: afterwards the pointer is the
    // user's.
    if (m_pointedAtHover || !IsWindowVisible())
        return 0;
    m_pointedAtHover = true;
    CRect r;
    m_hover.GetWindowRect(&r);
    ::SetCursorPos(r.left + 40, r.CenterPoint().y);
    return 0;
}
