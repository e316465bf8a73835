#include "GalleryDialog.h"

#include <algorithm>

#include "resource.h"

BEGIN_MESSAGE_MAP(GalleryFrame, Tavrin::NeloDialog)
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

HBRUSH GalleryFrame::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    if (nCtlColor == CTLCOLOR_STATIC || nCtlColor == CTLCOLOR_BTN) {
        Tavrin::_DialogColorInfo colours;
        GetDialogColorInfo(colours);
        pDC->SetBkMode(TRANSPARENT);
        return Tavrin::SkinResourceCache::GetSolidBrush(colours.crBackground);
    }
    return NeloDialog::OnCtlColor(pDC, pWnd, nCtlColor);
}

SampleFrame::SampleFrame() : GalleryFrame(IDD_SAMPLE_FRAME) {}

BOOL SampleFrame::OnInitDialog() {
    GalleryFrame::OnInitDialog();
    // No focus placed: placing it would activate the frame.
    return FALSE;
}

GalleryDialog::GalleryDialog(int firstPage) : GalleryFrame(IDD_GALLERY), m_firstPage(firstPage) {}

GalleryDialog::~GalleryDialog() = default;

BOOL GalleryDialog::OnInitDialog() {
    HICON icon = ::LoadIconW(nullptr, IDI_APPLICATION);
    SetIcon(icon, TRUE);
    SetIcon(icon, FALSE);
    // Everything is in place before the frame's own initialisation fades
    // the gallery in.
    CreatePages();
    CreatePageButtons();
    ShowPage(m_firstPage);
    CreateSampleFrame();
    GalleryFrame::OnInitDialog();
    if (m_current >= 0) {
        m_pages[m_current]->FocusSample();
        return FALSE; // the focus is placed
    }
    return TRUE;
}

CRect GalleryDialog::PlaceOf(int id) {
    CRect at(0, 0, 0, 0);
    if (CWnd* placeholder = GetDlgItem(id)) {
        placeholder->GetWindowRect(&at);
        ScreenToClient(&at);
    }
    return at;
}

void GalleryDialog::CreatePages() {
    const CRect at = PlaceOf(IDC_PAGE_AREA);
    Tavrin::_DialogColorInfo colours;
    GetDialogColorInfo(colours);
    for (const GalleryPageEntry& entry : GalleryPageList()) {
        std::unique_ptr<GalleryPage> page = entry.make();
        if (!page->CreatePage(this, at.TopLeft(), colours.crBackground))
            page.reset();
        m_pages.push_back(std::move(page));
    }
}

void GalleryDialog::CreatePageButtons() {
    const CRect at = PlaceOf(IDC_PAGE_BUTTONS);
    const std::vector<GalleryPageEntry>& entries = GalleryPageList();
    // As many buttons to a row as the placeholder is wide; further rows below.
    const int perRow = std::max(1, (at.Width() + 4) / 84);
    for (size_t i = 0; i < entries.size(); ++i) {
        const int left = at.left + static_cast<int>(i) % perRow * 84;
        const int top = at.top + static_cast<int>(i) / perRow * (at.Height() + 6);
        HWND window = ::CreateWindowExW(
            0, L"BUTTON", entries[i].title, WS_CHILD | WS_VISIBLE | WS_TABSTOP, left, top, 80, at.Height(),
            m_hWnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_PAGE_BUTTON_FIRST + i)),
            AfxGetInstanceHandle(), nullptr);
        std::unique_ptr<Tavrin::NeloButton> button(new Tavrin::NeloButton);
        if (window && button->SubclassWindow(window)) {
            button->SetToolTipText(CString(L"Gallery.exe /page ") + entries[i].name);
            m_pageButtons.push_back(std::move(button));
        }
    }
}

void GalleryDialog::CreateSampleFrame() {
    if (!m_sample.Create(IDD_SAMPLE_FRAME, this))
        return;
    CRect mine;
    GetWindowRect(&mine);
    m_sample.SetWindowPos(nullptr, mine.right + 20, mine.top, 0, 0,
                          SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_sample.CWnd::ShowWindow(SW_SHOWNOACTIVATE);
}

CWnd* GalleryDialog::PageWindow(int index) const {
    if (index < 0 || index >= static_cast<int>(m_pages.size()) || !m_pages[index])
        return nullptr;
    return m_pages[index]->Window();
}

void GalleryDialog::ShowPage(int index) {
    if (!PageWindow(index))
        return;
    for (int i = 0; i < static_cast<int>(m_pages.size()); ++i)
        if (i != index && PageWindow(i))
            PageWindow(i)->ShowWindow(SW_HIDE);
    PageWindow(index)->ShowWindow(SW_SHOW);
    m_current = index;
}

BOOL GalleryDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
    const UINT id = LOWORD(wParam);
    if (lParam && HIWORD(wParam) == BN_CLICKED && id >= IDC_PAGE_BUTTON_FIRST &&
        id < IDC_PAGE_BUTTON_FIRST + GalleryPageList().size()) {
        ShowPage(static_cast<int>(id - IDC_PAGE_BUTTON_FIRST));
        return TRUE;
    }
    return GalleryFrame::OnCommand(wParam, lParam);
}

void GalleryDialog::OnOK() {
    if (m_sample.GetSafeHwnd())
        m_sample.DestroyWindow();
    GalleryFrame::OnOK();
}

void GalleryDialog::OnCancel() {
    if (m_sample.GetSafeHwnd())
        m_sample.DestroyWindow();
    GalleryFrame::OnCancel();
}
