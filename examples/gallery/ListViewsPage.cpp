#include "ListViewsPage.h"

#include "listviews_page_ids.h"

ListViewsPage::ListViewsPage() : GalleryDialogPage(IDD_LISTVIEWS_PAGE) {}

void ListViewsPage::FocusSample() {
    if (m_report.GetSafeHwnd())
        m_report.SetFocus();
}

void ListViewsPage::DoDataExchange(CDataExchange* pDX) {
    GalleryDialogPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LST_REPORT, m_report);
    DDX_Control(pDX, IDC_LST_FIXED, m_fixed);
    DDX_Control(pDX, IDC_LBX_NORMAL, m_normal);
    DDX_Control(pDX, IDC_LBX_STRIPED, m_striped);
    DDX_Control(pDX, IDC_LBX_OUTLINED, m_outlined);
    DDX_Control(pDX, IDC_LBX_DISABLED, m_disabled);
}

namespace {

// Three 16 x 16 state images: waiting (grey), converting (blue), done
// (green), each a rounded square on a transparent corner colour.
void MakeStateImages(CImageList& images) {
    images.Create(16, 16, ILC_COLOR24 | ILC_MASK, 3, 1);
    const COLORREF colours[3] = {RGB(150, 150, 150), RGB(40, 110, 200), RGB(40, 160, 70)};
    CClientDC screen(nullptr);
    CDC mem;
    mem.CreateCompatibleDC(&screen);
    for (COLORREF colour : colours) {
        CBitmap bitmap;
        bitmap.CreateCompatibleBitmap(&screen, 16, 16);
        CBitmap* old = mem.SelectObject(&bitmap);
        mem.FillSolidRect(0, 0, 16, 16, RGB(255, 0, 255));
        mem.FillSolidRect(3, 2, 10, 12, colour);
        mem.FillSolidRect(2, 3, 12, 10, colour);
        mem.SelectObject(old);
        images.Add(&bitmap, RGB(255, 0, 255));
    }
}

} // namespace

BOOL ListViewsPage::OnInitDialog() {
    GalleryDialogPage::OnInitDialog();
    MakeStateImages(m_states);
    FillReport();
    FillFixed();
    FillListBoxes();
    return FALSE;
}

void ListViewsPage::FillReport() {
    m_report.SetImageList(&m_states, LVSIL_SMALL);
    m_report.InsertColumn(0, L"Name", LVCFMT_LEFT, 170, -1);
    m_report.InsertColumn(1, L"Duration", LVCFMT_LEFT, 90, -1);
    m_report.InsertColumn(2, L"Progress", LVCFMT_RIGHT, 80, -1);
    m_report.InsertColumn(3, L"State", LVCFMT_LEFT, 80, -1);
    m_report.SetSortType(0, Tavrin::ListCtrlSortString);
    m_report.SetSortType(1, Tavrin::ListCtrlSortString);
    m_report.SetSortType(2, Tavrin::ListCtrlSortNumber);
    static const wchar_t* const kinds[] = {L"holiday", L"concert", L"party", L"lecture", L"trailer"};
    static const wchar_t* const states[] = {L"Waiting", L"Converting", L"Done"};
    m_report.SetRedraw(FALSE);
    for (int i = 0; i < 3000; ++i) {
        CString name, duration, progress;
        // Scattered names and numbers, so that each sort visibly reorders.
        const int n = (i * 7919) % 3000;
        name.Format(L"%s %04d.avi", kinds[n % 5], n);
        duration.Format(L"00:%02d:%02d", (n / 60) % 60, n % 60);
        progress.Format(L"%d.%d%%", (n * 37) % 100, n % 10);
        const int state = n % 3;
        m_report.InsertItem(i, name, state);
        m_report.SetItemText(i, 1, duration);
        m_report.SetItemText(i, 2, progress);
        m_report.SetItemText(i, 3, states[state]);
        m_report.SetItemImage(i, 3, state);
    }
    m_report.SetRedraw(TRUE);
    m_report.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
}

void ListViewsPage::FillFixed() {
    // The converter's file list: the full path rides along in a hidden
    // column that no user action can open.
    m_fixed.SetImageList(&m_states, LVSIL_SMALL);
    m_fixed.InsertColumn(0, L"File", LVCFMT_LEFT, 160, -1);
    m_fixed.InsertColumn(1, L"Path", LVCFMT_LEFT, 0, -1);
    m_fixed.InsertColumn(2, L"Duration", LVCFMT_LEFT, 100, -1);
    m_fixed.InsertColumn(3, L"%", LVCFMT_RIGHT, 60, -1);
    m_fixed.FixColumnWidth(1);
    m_fixed.FixColumnOrder(1);
    m_fixed.ShowStripeRow(1);
    static const wchar_t* const files[][3] = {{L"holiday.mov", L"00:01:30", L"100.0%"},
                                              {L"concert.mkv", L"00:42:10", L"45.6%"},
                                              {L"party.avi", L"00:05:02", L"0.0%"},
                                              {L"lecture.mp4", L"01:12:00", L"0.0%"}};
    for (int i = 0; i < 4; ++i) {
        m_fixed.InsertItem(i, files[i][0], i == 0 ? 2 : (i == 1 ? 1 : 0));
        CString path;
        path.Format(L"C:\\MyVideo\\%s", files[i][0]);
        m_fixed.SetItemText(i, 1, path);
        m_fixed.SetItemText(i, 2, files[i][1]);
        m_fixed.SetItemText(i, 3, files[i][2]);
    }
}

void ListViewsPage::FillListBoxes() {
    Tavrin::NeloListBox* boxes[] = {&m_normal, &m_striped, &m_outlined, &m_disabled};
    static const wchar_t* const items[] = {L"AVI", L"MP4", L"A format name far too long for this box", L"WMV"};
    for (Tavrin::NeloListBox* box : boxes)
        for (const wchar_t* item : items)
            box->AddString(item);
    // More rows than fit in the first and the last box: their skinned bars
    // show, enabled and disabled.
    static const wchar_t* const more[] = {L"MKV", L"MOV", L"FLV", L"WEBM", L"MPEG"};
    for (Tavrin::NeloListBox* box : {&m_normal, &m_disabled})
        for (const wchar_t* item : more)
            box->AddString(item);
    m_normal.SetCurSel(1);
    m_striped.ShowStripeRow(1);
    m_striped.SetCurSel(2);
    m_outlined.ShowSplitLine(0);
    m_outlined.SetCurSel(1);
    m_disabled.SetCurSel(1);
    m_disabled.EnableWindow(FALSE);
}
