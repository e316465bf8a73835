#include "ButtonsPage.h"

#include "buttons_page_ids.h"

BEGIN_MESSAGE_MAP(ButtonsPage, GalleryDialogPage)
ON_WM_SHOWWINDOW()
ON_MESSAGE(WM_APP + 1, &ButtonsPage::OnUpdatePinnedTip)
END_MESSAGE_MAP()

ButtonsPage::ButtonsPage() : GalleryDialogPage(IDD_BUTTONS_PAGE) {}

void ButtonsPage::FocusSample() {
    if (m_focused.GetSafeHwnd())
        m_focused.SetFocus();
}

void ButtonsPage::DoDataExchange(CDataExchange* pDX) {
    GalleryDialogPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_BTN_NORMAL, m_normal);
    DDX_Control(pDX, IDC_BTN_HOVER, m_hover);
    DDX_Control(pDX, IDC_BTN_PRESSED, m_pressed);
    DDX_Control(pDX, IDC_BTN_DISABLED, m_disabled);
    DDX_Control(pDX, IDC_BTN_FOCUSED, m_focused);
    DDX_Control(pDX, IDC_BTN_STOPPED, m_stopped);
    DDX_Control(pDX, IDC_BTN_ICON, m_icon);
    DDX_Control(pDX, IDC_BTN_PICTURE, m_picture);
    for (int i = 0; i < 6; ++i)
        DDX_Control(pDX, IDC_BTN_SHAPE0 + i, m_shapes[i]);
    DDX_Control(pDX, IDC_BTN_LEFTTOP, m_leftTop);
    DDX_Control(pDX, IDC_BTN_RIGHTBOTTOM, m_rightBottom);
    DDX_Control(pDX, IDC_BTN_TIP, m_tipButton);
    DDX_Control(pDX, IDC_ST_LEFT, m_left);
    DDX_Control(pDX, IDC_ST_CENTER, m_center);
    DDX_Control(pDX, IDC_ST_RIGHT, m_right);
    DDX_Control(pDX, IDC_ST_CENTERIMAGE, m_centerImage);
    DDX_Control(pDX, IDC_ST_ICON, m_iconStatic);
    DDX_Control(pDX, IDC_GRP_BUTTONS, m_groupButtons);
    DDX_Control(pDX, IDC_GRP_STATICS, m_groupStatics);
    DDX_Control(pDX, IDC_GRP_BARS, m_groupBars);
    DDX_Control(pDX, IDC_GRP_THICK, m_groupThick);
    DDX_Control(pDX, IDC_GRP_RIGHT, m_groupRight);
    DDX_Control(pDX, IDC_PB_PATH, m_path);
    DDX_Control(pDX, IDC_PB_LINEAR, m_linear);
    DDX_Control(pDX, IDC_PB_DISABLED, m_barDisabled);
    DDX_Control(pDX, IDC_PB_VPATH, m_verticalPath);
    DDX_Control(pDX, IDC_PB_VLINEAR, m_verticalLinear);
}

namespace {

// A 14 x 14 picture: a blue diamond on magenta, the colour that the button
// makes transparent.
void MakePicture(CBitmap& bitmap) {
    CClientDC screen(nullptr);
    CDC mem;
    mem.CreateCompatibleDC(&screen);
    bitmap.CreateCompatibleBitmap(&screen, 14, 14);
    CBitmap* old = mem.SelectObject(&bitmap);
    mem.FillSolidRect(0, 0, 14, 14, RGB(255, 0, 255));
    for (int y = 0; y < 14; ++y) {
        const int half = y < 7 ? y : 13 - y;
        mem.FillSolidRect(7 - half - 1, y, 2 * half + 2, 1, RGB(40, 110, 200));
    }
    mem.SelectObject(old);
}

int ClientHeight(CWnd& window) {
    CRect r;
    window.GetClientRect(&r);
    return r.Height();
}

} // namespace

BOOL ButtonsPage::OnInitDialog() {
    GalleryDialogPage::OnInitDialog();

    // Hover: the pointer is rarely there when a picture is taken, so this
    // sample wears the hover colours as its normal ones.
    Tavrin::_ButtonColorInfo hover = Tavrin::NeloButton::DefaultColorInfo();
    hover.crNormalTop = hover.crHoverTop;
    hover.crNormalBottom = hover.crHoverBottom;
    hover.crOuterNormal = hover.crOuterHover;
    hover.crInnerNormal = hover.crInnerHover;
    hover.crTextNormal = hover.crTextHover;
    m_hover.SetButtonColorInfo(hover);
    m_hover.SetToolTipText(L"The hover look (shown with the hover colours)");

    m_pressed.SendMessage(BM_SETSTATE, TRUE);
    m_disabled.EnableWindow(FALSE);
    m_stopped.Stop(1);
    m_stopped.SetToolTipText(L"Stopped: clicks, hover and tips do nothing");
    m_normal.SetToolTipText(L"A skinned push button");

    HICON info = ::LoadIconW(nullptr, IDI_INFORMATION);
    m_icon.SetIcon(info, 1);
    m_icon.SetPicturePos(5, (ClientHeight(m_icon) - 16) / 2);
    m_icon.SetTextAlignment(Tavrin::ButtonTextRightMiddle);

    MakePicture(m_pictureBitmap);
    m_picture.SetBitmap(static_cast<HBITMAP>(m_pictureBitmap.GetSafeHandle()), RGB(255, 0, 255));
    m_picture.SetPicturePos(6, (ClientHeight(m_picture) - 14) / 2);
    m_picture.SetTextAlignment(Tavrin::ButtonTextRightMiddle);

    for (int i = 0; i < 6; ++i)
        m_shapes[i].SetButtonStyle(i);
    m_leftTop.SetTextAlignment(Tavrin::ButtonTextLeftTop);
    m_rightBottom.SetTextAlignment(Tavrin::ButtonTextRightBottom);
    m_tipButton.SetToolTipText(L"A skinned tooltip");

    m_iconStatic.SetIcon(::LoadIconW(nullptr, IDI_WARNING), 1);
    m_iconStatic.SetPicturePos(2, (ClientHeight(m_iconStatic) - 16) / 2);

    m_groupThick.SetLineThickness(3);
    m_groupThick.SetRoundCornersStyle(Tavrin::GroupBoxCornersLarge);

    m_path.SetRange32(0, 100);
    m_path.SetPos(60);
    m_linear.SetRange32(0, 100);
    m_linear.SetPos(35);
    m_linear.SetProgressCtrlStyle(Tavrin::ProgressCtrlLinearGradient);
    m_barDisabled.SetRange32(0, 100);
    m_barDisabled.SetPos(50);
    m_barDisabled.EnableWindow(FALSE);
    m_verticalPath.SetRange32(0, 100);
    m_verticalPath.SetPos(70);
    m_verticalLinear.SetRange32(0, 100);
    m_verticalLinear.SetPos(45);
    m_verticalLinear.SetProgressCtrlStyle(Tavrin::ProgressCtrlLinearGradient);
    return FALSE;
}

namespace {

// Posted to itself: the pinned tip follows the page once the gallery around
// it is on screen (a tip shown beside a window that is still hidden never
// reaches the screen).
constexpr UINT kUpdatePinnedTip = WM_APP + 1;

} // namespace

void ButtonsPage::OnShowWindow(BOOL bShow, UINT nStatus) {
    GalleryDialogPage::OnShowWindow(bShow, nStatus);
    PostMessage(kUpdatePinnedTip);
}

LRESULT ButtonsPage::OnUpdatePinnedTip(WPARAM, LPARAM) {
    ShowPinnedTip(IsWindowVisible() != FALSE);
    return 0;
}

void ButtonsPage::ShowPinnedTip(bool show) {
    // A tooltip normally follows the pointer; this one is shown in tracking
    // mode and then pinned beside its button so that it can be looked at
    // while the page is shown.
    if (!m_pinnedTip.GetSafeHwnd() && !m_pinnedTip.Create(this))
        return;
    TOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
    tool.hwnd = m_hWnd;
    tool.uId = 1;
    tool.lpszText = const_cast<LPWSTR>(L"A skinned tooltip (pinned)");
    if (!show) {
        m_pinnedTip.SendMessage(TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
        return;
    }
    if (m_pinnedTip.SendMessage(TTM_GETTOOLCOUNT) == 0)
        m_pinnedTip.SendMessage(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    // Beside the last shape, in the free end of that row.
    CRect beside;
    m_shapes[5].GetWindowRect(&beside);
    m_pinnedTip.SendMessage(TTM_TRACKPOSITION, 0, MAKELPARAM(beside.right + 12, beside.top));
    m_pinnedTip.SendMessage(TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
    m_pinnedTip.SetWindowPos(&CWnd::wndTopMost, beside.right + 12, beside.top + 2, 0, 0,
                             SWP_NOSIZE | SWP_NOACTIVATE);
}
