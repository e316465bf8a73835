#include "ScrollingPage.h"

#include "scrolling_page_ids.h"

BEGIN_MESSAGE_MAP(ScrollingPage, GalleryDialogPage)
ON_WM_VSCROLL()
ON_WM_HSCROLL()
END_MESSAGE_MAP()

ScrollingPage::ScrollingPage() : GalleryDialogPage(IDD_SCROLLING_PAGE) {}

void ScrollingPage::DoDataExchange(CDataExchange* pDX) {
    GalleryDialogPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SC_BARS_GROUP, m_barsGroup);
    DDX_Control(pDX, IDC_SC_SPINS_GROUP, m_spinsGroup);
    DDX_Control(pDX, IDC_SC_NOTE_BARS, m_barsNote);
    DDX_Control(pDX, IDC_SC_NOTE_SPINS, m_spinsNote);
    DDX_Control(pDX, IDC_SC_SPIN_EDIT, m_spinEdit);
    DDX_Control(pDX, IDC_SC_SPIN, m_spin);
    DDX_Control(pDX, IDC_SC_SPIN_EDIT_DISABLED, m_spinEditDisabled);
    DDX_Control(pDX, IDC_SC_SPIN_DISABLED, m_spinDisabled);
    DDX_Control(pDX, IDC_SC_SPIN_ALONE, m_alone);
    DDX_Control(pDX, IDC_SC_SPIN_HOT, m_hot);
    DDX_Control(pDX, IDC_SC_SPIN_ALONE_DISABLED, m_aloneDisabled);
    DDX_Control(pDX, IDC_SC_SPIN_HORZ, m_horizontal);
}

Tavrin::NeloScrollBar* ScrollingPage::MakeBar(UINT placeholder, bool vertical, int position) {
    CWnd* place = GetDlgItem(placeholder);
    if (!place)
        return nullptr;
    CRect rect;
    place->GetWindowRect(&rect);
    ScreenToClient(&rect);
    std::unique_ptr<Tavrin::NeloScrollBar> bar(new Tavrin::NeloScrollBar);
    if (!bar->Create(this, this, rect, static_cast<int>(placeholder), vertical ? 1 : 0, WS_CHILD | WS_VISIBLE, 0))
        return nullptr;
    SCROLLINFO info{sizeof(info), SIF_ALL, 0, 99, 20, position, 0};
    bar->SetScrollInfo(&info);
    m_bars.push_back(std::move(bar));
    return m_bars.back().get();
}

namespace {

// A bar that wears one of its hot or pressed looks as its normal one: the
// pointer is rarely there when a picture is taken.
void WearLook(Tavrin::NeloScrollBar& bar, bool pressed, bool arrowsToo) {
    Tavrin::_ScrollBarColorInfo c = Tavrin::NeloScrollBar::DefaultColorInfo();
    c.clrThumbFrom = pressed ? c.clrThumbPressedFrom : c.clrThumbHotFrom;
    c.clrThumbTo = pressed ? c.clrThumbPressedTo : c.clrThumbHotTo;
    c.clrOutline = pressed ? c.clrOutlinePressed : c.clrOutlineHot;
    c.clrGripLight = pressed ? c.clrGripLightPressed : c.clrGripLightHot;
    c.clrGripDark = pressed ? c.clrGripDarkPressed : c.clrGripDarkHot;
    if (arrowsToo) {
        c.clrArrowBackFrom = pressed ? c.clrArrowBackPressedFrom : c.clrArrowBackHotFrom;
        c.clrArrowBackTo = pressed ? c.clrArrowBackPressedTo : c.clrArrowBackHotTo;
        c.clrGlyph = pressed ? c.clrGlyphPressed : c.clrGlyphHot;
    }
    bar.SetScrollBarColorInfo(c);
}

} // namespace

BOOL ScrollingPage::OnInitDialog() {
    GalleryDialogPage::OnInitDialog();
    const int positions[5] = {0, 30, 50, 80, 40};
    Tavrin::NeloScrollBar* vertical[5] = {};
    for (int i = 0; i < 5; ++i)
        vertical[i] = MakeBar(IDC_SC_VBAR_FIRST + i, true, positions[i]);
    if (vertical[1])
        WearLook(*vertical[1], false, true);
    if (vertical[2])
        WearLook(*vertical[2], true, false);
    if (vertical[3])
        vertical[3]->ShowThumbSymbol(0);
    if (vertical[4])
        vertical[4]->EnableWindow(0);
    Tavrin::NeloScrollBar* horizontal[4] = {};
    for (int i = 0; i < 4; ++i)
        horizontal[i] = MakeBar(IDC_SC_HBAR_FIRST + i, false, 20 * i);
    if (horizontal[1])
        WearLook(*horizontal[1], false, true);
    if (horizontal[2])
        WearLook(*horizontal[2], true, false);
    if (horizontal[3])
        horizontal[3]->EnableWindow(0);

    m_spin.SetRange32(0, 100);
    m_spin.SetPos32(25);
    m_spinDisabled.SetRange32(0, 100);
    m_spinDisabled.SetPos32(75);
    m_spinEditDisabled.EnableWindow(FALSE);
    Tavrin::_SpinButtonCtrlColorInfo hot = Tavrin::NeloSpinButtonCtrl::DefaultColorInfo();
    hot.clrButtonFrom = hot.clrButtonHotFrom;
    hot.clrButtonTo = hot.clrButtonHotTo;
    hot.clrButtonBorder = hot.clrButtonHotBorder;
    hot.clrButtonGlyph = hot.clrButtonHotGlyph;
    m_hot.SetSpinButtonCtrlColorInfo(hot);
    m_aloneDisabled.EnableWindow(FALSE);
    return FALSE;
}

void ScrollingPage::Scroll(bool vertical, UINT code) {
    for (auto& bar : m_bars) {
        // The bar being pressed is the one reporting (no handle comes with
        // the message).
        if (bar->IsVertical() != vertical || bar->PressedPart() == Tavrin::ComponentNone)
            continue;
        SCROLLINFO info{};
        bar->GetScrollInfo(&info, SIF_ALL);
        int pos = info.nPos;
        switch (code) {
        case SB_LINEUP:
            pos -= 1;
            break;
        case SB_LINEDOWN:
            pos += 1;
            break;
        case SB_PAGEUP:
            pos -= static_cast<int>(info.nPage);
            break;
        case SB_PAGEDOWN:
            pos += static_cast<int>(info.nPage);
            break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            pos = info.nTrackPos;
            break;
        default:
            return;
        }
        bar->SetScrollPos(pos);
    }
}

void ScrollingPage::OnVScroll(UINT code, UINT, CScrollBar*) {
    Scroll(true, code);
}

void ScrollingPage::OnHScroll(UINT code, UINT, CScrollBar*) {
    Scroll(false, code);
}
