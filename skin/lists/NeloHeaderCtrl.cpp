#include "NeloHeaderCtrl.h"

#include "HeaderGeometry.h"
#include "SkinControl.h"
#include "SkinDrawing.h"
#include "SkinLook.h"
#include "SkinWindow.h"

#include <algorithm>

namespace Tavrin {

using geometry::Look;

namespace {

// What each look paints with: face top and bottom, bottom line, the
// separator in the item's last column, text and sort arrow.
enum HeaderPart { FaceTop, FaceBottom, BottomLine, Separator, TextColour, ArrowColour, HeaderPartCount };
using H = _HeaderCtrlColorInfo;
using HeaderRow = MemberRow<H, HeaderPartCount>;
const HeaderRow kNormalItem{&H::clrItemFrom, &H::clrItemTo,   &H::clrLine,
                            &H::clrLine,     &H::clrItemText, &H::clrSortArrow};
const LookTable<H, HeaderPartCount> kHeaderLooks{{{
    kNormalItem,
    {&H::clrItemHotFrom, &H::clrItemHotTo, &H::clrLineHot, &H::clrLine, &H::clrItemTextHot,
     &H::clrSortArrowHot},
    {&H::clrItemPressedFrom, &H::clrItemPressedTo, &H::clrLinePressed, &H::clrLine, &H::clrItemTextPressed,
     &H::clrSortArrowPressed},
    {&H::clrItemDisabledFrom, &H::clrItemDisabledTo, &H::clrLineDisabled, &H::clrLineDisabled,
     &H::clrItemTextDisabled, &H::clrSortArrowDisabled},
    kNormalItem,
}}};

constexpr int kTextLimit = 260;

bool IsCode(UINT code, UINT wide, UINT narrow) {
    return code == wide || code == narrow;
}

} // namespace

BEGIN_MESSAGE_MAP(NeloHeaderCtrl, CHeaderCtrl)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_LBUTTONDBLCLK()
ON_WM_MOUSEMOVE()
ON_WM_MOUSELEAVE()
ON_WM_SETCURSOR()
ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, &NeloHeaderCtrl::OnCustomDraw)
END_MESSAGE_MAP()

NeloHeaderCtrl::NeloHeaderCtrl() : m_font(nullptr) {
    ResetState();
}

NeloHeaderCtrl::~NeloHeaderCtrl() {}

_HeaderCtrlColorInfo NeloHeaderCtrl::DefaultColorInfo() {
    H c{};
    // Look by look: face top and bottom, bottom line, separator, text, arrow.
    WriteRow(c, kHeaderLooks.Row(Look::Normal),
             {RGB(243, 243, 243), RGB(182, 208, 240), RGB(127, 157, 185), RGB(127, 157, 185), RGB(6, 45, 117),
              RGB(6, 45, 117)});
    WriteRow(c, kHeaderLooks.Row(Look::Pressed),
             {RGB(0, 192, 232), RGB(240, 240, 240), RGB(121, 180, 219), RGB(127, 157, 185),
              RGB(250, 250, 250), RGB(250, 250, 250)});
    WriteRow(c, kHeaderLooks.Row(Look::Hover),
             {RGB(240, 240, 240), RGB(0, 192, 232), RGB(254, 230, 158), RGB(127, 157, 185),
              RGB(250, 250, 250), RGB(250, 250, 250)});
    WriteRow(c, kHeaderLooks.Row(Look::Disabled),
             {RGB(245, 245, 245), RGB(219, 217, 202), RGB(192, 188, 173), RGB(192, 188, 173),
              RGB(172, 168, 153), RGB(172, 168, 153)});
    return c;
}

void NeloHeaderCtrl::ResetState() {
    m_sortColumn = -1;
    m_ascending = 0;
    m_height = 20;
    m_shown = 0;
    m_colorInfo = DefaultColorInfo();
    m_hoverEffect = 1;
    m_hotItem = -1;
    m_tracking = 0;
    m_pressedItem = -1;
    m_pressed = 0;
    m_sortSymbol = 1;
    m_fixedWidth = 0;
}

void NeloHeaderCtrl::PreSubclassWindow() {
    ResetState();
    SetFont(L"Arial", 10, 0);
    m_fixedColumns.assign(static_cast<size_t>(std::max(0, GetItemCount())), 0);
    CHeaderCtrl::PreSubclassWindow();
}

int NeloHeaderCtrl::SetHeaderCtrlColorInfo(const _HeaderCtrlColorInfo& info) {
    m_colorInfo = info;
    Invalidate(FALSE);
    return 1;
}

int NeloHeaderCtrl::GetHeaderCtrlColorInfo(_HeaderCtrlColorInfo& info) {
    info = m_colorInfo;
    return 1;
}

int NeloHeaderCtrl::FixItemWidth(int fix) {
    return SetDrawingOption(*this, m_fixedWidth, fix, FALSE);
}

int NeloHeaderCtrl::SetItemImage(const int& item, const int& image) {
    if (!m_hWnd || item < 0 || item >= GetItemCount())
        return 0;
    HIMAGELIST list = reinterpret_cast<HIMAGELIST>(::SendMessageW(m_hWnd, HDM_GETIMAGELIST, 0, 0));
    if (!list || image > ImageList_GetImageCount(list) - 1)
        return 0;
    HDITEMW hdi{};
    hdi.mask = HDI_IMAGE;
    hdi.iImage = image < 0 ? -1 : image;
    if (!::SendMessageW(m_hWnd, HDM_SETITEMW, item, reinterpret_cast<LPARAM>(&hdi)))
        return 0;
    Invalidate(FALSE);
    return 1;
}

int NeloHeaderCtrl::ShowHoverEffect(int show) {
    return SetDrawingOption(*this, m_hoverEffect, show, FALSE);
}

int NeloHeaderCtrl::ShowSortSymbol(int show) {
    return SetDrawingOption(*this, m_sortSymbol, show, FALSE);
}

int NeloHeaderCtrl::SetFont(const CString& face, const int& pointSize, int bold) {
    HFONT font = SkinFont(face, pointSize, bold);
    if (!font)
        return 0;
    m_font = font;
    Invalidate(FALSE);
    return 1;
}

int NeloHeaderCtrl::Invalidate(int erase) {
    return InvalidateControl(m_hWnd, erase);
}

int NeloHeaderCtrl::SetSortColumn(const int& column, int ascending) {
    m_sortColumn = column < 0 ? -1 : column;
    m_ascending = ascending ? 1 : 0;
    Invalidate(FALSE);
    return 1;
}

int NeloHeaderCtrl::SetHeaderHeight(const int& height) {
    if (height < 0)
        return 0;
    m_height = height;
    return 1;
}

int NeloHeaderCtrl::ShowHeader(int shown) {
    m_shown = shown ? 1 : 0;
    return 1;
}

int NeloHeaderCtrl::SetColumnResizable(const int& column, int resizable) {
    if (column < 0 || column >= static_cast<int>(m_fixedColumns.size()))
        return 0;
    m_fixedColumns[static_cast<size_t>(column)] = resizable ? 0 : 1;
    return 1;
}

int NeloHeaderCtrl::IsColumnResizable(const int& column) const {
    if (column < 0 || column >= static_cast<int>(m_fixedColumns.size()))
        return 0;
    return m_fixedColumns[static_cast<size_t>(column)] ? 0 : 1;
}

bool NeloHeaderCtrl::MayResize(int item) const {
    if (m_fixedWidth)
        return false;
    return item < 0 || item >= static_cast<int>(m_fixedColumns.size()) ||
           !m_fixedColumns[static_cast<size_t>(item)];
}

int NeloHeaderCtrl::ItemAt(POINT client, UINT* flags) const {
    HDHITTESTINFO hit{};
    hit.pt = client;
    const int item = static_cast<int>(::SendMessageW(m_hWnd, HDM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    if (flags)
        *flags = hit.flags;
    return item;
}

LRESULT NeloHeaderCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case HDM_LAYOUT: {
        const LRESULT result = CHeaderCtrl::WindowProc(message, wParam, lParam);
        auto* layout = reinterpret_cast<HDLAYOUT*>(lParam);
        if (m_shown && layout && layout->pwpos && layout->prc) {
            layout->pwpos->cy = m_height;
            layout->prc->top = m_height;
        }
        return result;
    }
    case HDM_INSERTITEMW:
    case HDM_INSERTITEMA: {
        // The per-column settings move with their columns.
        const LRESULT at = CHeaderCtrl::WindowProc(message, wParam, lParam);
        if (at >= 0 && at <= static_cast<LRESULT>(m_fixedColumns.size()))
            m_fixedColumns.insert(m_fixedColumns.begin() + at, 0);
        return at;
    }
    case HDM_DELETEITEM: {
        const LRESULT done = CHeaderCtrl::WindowProc(message, wParam, lParam);
        const size_t at = static_cast<size_t>(wParam);
        if (done && at < m_fixedColumns.size())
            m_fixedColumns.erase(m_fixedColumns.begin() + static_cast<std::ptrdiff_t>(at));
        return done;
    }
    default:
        return CHeaderCtrl::WindowProc(message, wParam, lParam);
    }
}

BOOL NeloHeaderCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (message == WM_NOTIFY && lParam) {
        const auto* header = reinterpret_cast<const NMHEADERW*>(lParam);
        const UINT code = header->hdr.code;
        const bool track =
            IsCode(code, HDN_BEGINTRACKW, HDN_BEGINTRACKA) || IsCode(code, HDN_ENDTRACKW, HDN_ENDTRACKA);
        const bool autoSize = IsCode(code, HDN_DIVIDERDBLCLICKW, HDN_DIVIDERDBLCLICKA);
        // A column that may not be resized refuses the drag and gets no
        // automatic width from a divider double-click.
        if ((track || autoSize) && !MayResize(header->iItem)) {
            if (pResult)
                *pResult = 1;
            return TRUE;
        }
    }
    return CHeaderCtrl::OnChildNotify(message, wParam, lParam, pResult);
}

void NeloHeaderCtrl::OnPaint() {
    Default();
    try {
        PaintEmptyArea();
    } catch (...) {
    }
}

BOOL NeloHeaderCtrl::OnEraseBkgnd(CDC*) {
    return TRUE;
}

void NeloHeaderCtrl::PaintEmptyArea() {
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    const int count = GetItemCount();
    int lastRight = 0;
    if (count > 0) {
        const int last = static_cast<int>(::SendMessageW(m_hWnd, HDM_ORDERTOINDEX, count - 1, 0));
        RECT r{};
        if (::SendMessageW(m_hWnd, HDM_GETITEMRECT, last, reinterpret_cast<LPARAM>(&r)))
            lastRight = r.right;
    }
    const RECT area = geometry::HeaderEmptyArea(client.right, client.bottom, lastRight);
    if (::IsRectEmpty(&area))
        return;
    const bool disabled = !::IsWindowEnabled(m_hWnd);
    const LookColours<HeaderPartCount> colours =
        kHeaderLooks.Read(m_colorInfo, disabled ? Look::Disabled : Look::Normal);
    HDC dc = ::GetDC(m_hWnd);
    if (!dc)
        return;
    {
        SkinPaintBuffer buffer(dc, area);
        if (buffer.IsValid()) {
            FillVerticalGradient(buffer.Graphics(), ToGdiplusRect(buffer.LocalRect()), colours[FaceTop],
                                 colours[FaceBottom]);
            buffer.Graphics().Flush();
            RECT line{0, buffer.Height() - 1, buffer.Width(), buffer.Height()};
            ::FillRect(buffer.DC(), &line, SkinResourceCache::GetSolidBrush(colours[BottomLine]));
            buffer.Present();
        }
    }
    ::ReleaseDC(m_hWnd, dc);
}

void NeloHeaderCtrl::OnCustomDraw(NMHDR* header, LRESULT* result) {
    auto* draw = reinterpret_cast<NMCUSTOMDRAW*>(header);
    *result = 0;
    if (draw->dwDrawStage == CDDS_PREPAINT) {
        *result = CDRF_NOTIFYITEMDRAW;
    } else if (draw->dwDrawStage == CDDS_ITEMPREPAINT && static_cast<int>(draw->dwItemSpec) >= 0) {
        try {
            PaintItem(draw->hdc, draw->rc, static_cast<int>(draw->dwItemSpec));
        } catch (...) {
        }
        *result = CDRF_SKIPDEFAULT;
    }
}

void NeloHeaderCtrl::PaintItem(HDC dc, const RECT& rect, int item) {
    const bool disabled = !::IsWindowEnabled(m_hWnd);
    const bool pressed = !disabled && m_pressed && item == m_pressedItem;
    const bool hot = !disabled && !m_pressed && m_hoverEffect && item == m_hotItem;
    const Look look = geometry::ResolveLook(disabled, pressed, hot);
    const LookColours<HeaderPartCount> colours = kHeaderLooks.Read(m_colorInfo, look);

    // The text is read into a buffer of our own: it is drawn with an
    // ellipsis but never written back.
    wchar_t text[kTextLimit + 1] = {};
    HDITEMW hdi{};
    hdi.mask = HDI_TEXT | HDI_FORMAT | HDI_IMAGE;
    hdi.pszText = text;
    hdi.cchTextMax = kTextLimit;
    ::SendMessageW(m_hWnd, HDM_GETITEMW, item, reinterpret_cast<LPARAM>(&hdi));
    text[kTextLimit] = L'\0';
    const int length = lstrlenW(text);

    HIMAGELIST images = reinterpret_cast<HIMAGELIST>(::SendMessageW(m_hWnd, HDM_GETIMAGELIST, 0, 0));
    geometry::HeaderItemInput in{};
    in.width = rect.right - rect.left;
    in.height = rect.bottom - rect.top;
    in.align = (hdi.fmt & HDF_JUSTIFYMASK) == HDF_CENTER  ? geometry::HeaderAlign::Centre
               : (hdi.fmt & HDF_JUSTIFYMASK) == HDF_RIGHT ? geometry::HeaderAlign::Right
                                                          : geometry::HeaderAlign::Left;
    in.sortColumn = item == m_sortColumn;
    in.ascending = m_ascending != 0;
    in.pressed = pressed;
    in.image = images && hdi.iImage >= 0 && hdi.iImage < ImageList_GetImageCount(images);
    if (in.image) {
        int cx = 0, cy = 0;
        ImageList_GetIconSize(images, &cx, &cy);
        in.imageSize = SIZE{cx, cy};
    }

    SkinPaintBuffer buffer(dc, rect, Gdiplus::SmoothingModeAntiAlias);
    if (!buffer.IsValid())
        return;
    HDC mem = buffer.DC();
    ScopedSelectObject font(mem, m_font);
    RECT measured{0, 0, in.width, in.height};
    ::DrawTextW(mem, text, length, &measured, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    in.text = SIZE{measured.right - measured.left, measured.bottom - measured.top};
    const geometry::HeaderItemLayout layout = geometry::LayoutHeaderItem(in, m_sortSymbol != 0);

    Gdiplus::Graphics& g = buffer.Graphics();
    FillVerticalGradient(g, ToGdiplusRect(buffer.LocalRect()), colours[FaceTop], colours[FaceBottom]);
    g.Flush();
    const RECT bottom{0, in.height - 1, in.width, in.height};
    ::FillRect(mem, &bottom, SkinResourceCache::GetSolidBrush(colours[BottomLine]));
    const RECT separator{in.width - 1, 0, in.width, in.height - 1};
    ::FillRect(mem, &separator, SkinResourceCache::GetSolidBrush(colours[Separator]));

    if (layout.image) {
        // Clipped to the image's own (height-cut) rectangle.
        const int saved = ::SaveDC(mem);
        ::IntersectClipRect(mem, layout.imageRect.left, layout.imageRect.top, layout.imageRect.right,
                            layout.imageRect.bottom);
        ImageList_Draw(images, hdi.iImage, mem, layout.imageRect.left, layout.imageRect.top, ILD_TRANSPARENT);
        ::RestoreDC(mem, saved);
    }

    UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
    if (in.align == geometry::HeaderAlign::Centre)
        format |= DT_CENTER;
    else if (in.align == geometry::HeaderAlign::Right)
        format |= DT_RIGHT;
    RECT textRect = layout.text;
    ::SetBkMode(mem, TRANSPARENT);
    ::SetTextColor(mem, colours[TextColour]);
    ::DrawTextW(mem, text, length, &textRect, format);

    if (layout.arrow) {
        Gdiplus::Point points[3];
        for (int i = 0; i < 3; ++i)
            points[i] = Gdiplus::Point(layout.arrowPoints[i].x, layout.arrowPoints[i].y);
        const Gdiplus::Color arrow(ToArgb(colours[ArrowColour]));
        Gdiplus::SolidBrush fill(arrow);
        Gdiplus::Pen outline(arrow, 1.0f);
        g.FillPolygon(&fill, points, 3);
        g.DrawPolygon(&outline, points, 3);
    }
    buffer.Present();
}

void NeloHeaderCtrl::OnLButtonDown(UINT flags, CPoint point) {
    Press(point);
    CHeaderCtrl::OnLButtonDown(flags, point);
}

void NeloHeaderCtrl::Press(POINT point) {
    const int item = ItemAt(point);
    if (item >= 0) {
        m_pressedItem = item;
        m_pressed = 1;
    } else {
        m_pressedItem = -1;
        m_pressed = 0;
    }
    Invalidate(FALSE);
}

void NeloHeaderCtrl::OnLButtonUp(UINT flags, CPoint point) {
    if (m_pressed) {
        m_pressed = 0;
        m_pressedItem = -1;
        Invalidate(FALSE);
    }
    CHeaderCtrl::OnLButtonUp(flags, point);
}

void NeloHeaderCtrl::OnLButtonDblClk(UINT flags, CPoint point) {
    // On an item a double click is a second press, so quick clicks each
    // sort; on a divider it stays a double click, which may size the
    // column to its content.
    UINT where = 0;
    ItemAt(point, &where);
    if (where & (HHT_ONDIVIDER | HHT_ONDIVOPEN)) {
        CHeaderCtrl::OnLButtonDblClk(flags, point);
        return;
    }
    Press(point);
    DefWindowProc(WM_LBUTTONDOWN, flags, MAKELPARAM(point.x, point.y));
}

void NeloHeaderCtrl::OnMouseMove(UINT flags, CPoint point) {
    if (m_hoverEffect) {
        if (!m_tracking) {
            TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, m_hWnd, 0};
            m_tracking = ::TrackMouseEvent(&track) ? 1 : 0;
        }
        RECT client{};
        ::GetClientRect(m_hWnd, &client);
        int hot = -1;
        if (::PtInRect(&client, point)) {
            RECT current{};
            if (m_hotItem >= 0 &&
                ::SendMessageW(m_hWnd, HDM_GETITEMRECT, m_hotItem, reinterpret_cast<LPARAM>(&current)) &&
                ::PtInRect(&current, point))
                hot = m_hotItem;
            else
                hot = ItemAt(point);
        }
        if (hot != m_hotItem) {
            m_hotItem = hot;
            Invalidate(FALSE);
        }
    }
    CHeaderCtrl::OnMouseMove(flags, point);
}

void NeloHeaderCtrl::OnMouseLeave() {
    m_tracking = 0;
    if (m_hotItem != -1) {
        m_hotItem = -1;
        Invalidate(FALSE);
    }
}

BOOL NeloHeaderCtrl::OnSetCursor(CWnd* wnd, UINT hitTest, UINT message) {
    // Over the divider of a column that may not be resized the arrow stays.
    POINT p{};
    ::GetCursorPos(&p);
    ::ScreenToClient(m_hWnd, &p);
    UINT where = 0;
    const int item = ItemAt(p, &where);
    if (m_fixedWidth || ((where & (HHT_ONDIVIDER | HHT_ONDIVOPEN)) && !MayResize(item))) {
        ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
        return TRUE;
    }
    return CHeaderCtrl::OnSetCursor(wnd, hitTest, message);
}

} // namespace Tavrin
