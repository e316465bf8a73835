#include "TabsPage.h"

#include "tabs_page_ids.h"

TabsPage::TabsPage() : GalleryDialogPage(IDD_TABS_PAGE) {}

void TabsPage::FocusSample() {
    if (m_images.GetSafeHwnd())
        m_images.SetFocus();
}

void TabsPage::DoDataExchange(CDataExchange* pDX) {
    GalleryDialogPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TB_SCROLL, m_scrolling);
    DDX_Control(pDX, IDC_TB_IMAGES, m_images);
    DDX_Control(pDX, IDC_TB_HOT, m_hot);
    DDX_Control(pDX, IDC_TB_DISABLED, m_disabled);
}

namespace {

void AddTabs(Tavrin::NeloTabCtrl& tabs, std::initializer_list<const wchar_t*> names, int image = -1) {
    int i = 0;
    for (const wchar_t* name : names) {
        if (image >= 0)
            tabs.InsertItem(i, name, image + i);
        else
            tabs.InsertItem(i, name);
        ++i;
    }
}

// Two 16 x 16 pictures: a blue and a green diamond on a transparent ground.
void MakeImages(CImageList& list) {
    list.Create(16, 16, ILC_COLOR24 | ILC_MASK, 2, 0);
    CClientDC screen(nullptr);
    CDC mem;
    mem.CreateCompatibleDC(&screen);
    for (COLORREF colour : {RGB(40, 110, 200), RGB(40, 160, 80)}) {
        CBitmap bitmap;
        bitmap.CreateCompatibleBitmap(&screen, 16, 16);
        CBitmap* old = mem.SelectObject(&bitmap);
        mem.FillSolidRect(0, 0, 16, 16, RGB(255, 0, 255));
        for (int y = 1; y < 15; ++y) {
            const int half = y < 8 ? y : 15 - y;
            mem.FillSolidRect(8 - half, y, 2 * half, 1, colour);
        }
        mem.SelectObject(old);
        list.Add(&bitmap, RGB(255, 0, 255));
    }
}

} // namespace

BOOL TabsPage::OnInitDialog() {
    GalleryDialogPage::OnInitDialog();

    AddTabs(m_scrolling, {L"General", L"Video", L"Audio", L"Subtitles", L"Output", L"About"});
    const wchar_t* tips[] = {L"Name and place", L"Size and quality", L"Sound (disabled)", L"Text tracks",
                             L"Output folder", L"Version"};
    for (int i = 0; i < 6; ++i)
        m_scrolling.SetItemToolTipText(i, tips[i]);
    m_scrolling.SetCurSel(1);
    m_scrolling.EnableTabItem(2, 0);

    MakeImages(m_imageList);
    m_images.SetImageList(&m_imageList);
    AddTabs(m_images, {L"Blue", L"Green"}, 0);
    m_images.SetCurSel(0);

    // The pointer is rarely there when a picture is taken, so the second
    // tab of this sample wears the hot colours as its normal ones.
    AddTabs(m_hot, {L"Normal", L"Hot"});
    m_hot.SetCurSel(0);
    Tavrin::_TabCtrlColorInfo hot = Tavrin::NeloTabCtrl::DefaultColorInfo();
    m_hot.GetTabCtrlColorInfo(hot);
    hot.clrTabFrom = hot.clrTabHotFrom;
    hot.clrTabTo = hot.clrTabHotTo;
    hot.clrTabBorder = hot.clrTabHotBorder;
    hot.clrTabText = hot.clrTabHotText;
    m_hot.SetTabCtrlColorInfo(hot);

    AddTabs(m_disabled, {L"Off", L"Also off"});
    m_disabled.SetCurSel(0);
    m_disabled.EnableWindow(FALSE);
    return FALSE;
}
