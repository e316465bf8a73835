#include "CheckSymbolButton.h"

#include "CheckGeometry.h"
#include "SkinCaption.h"
#include "SkinControlSetters.h"

namespace Tavrin {

BEGIN_MESSAGE_MAP(CheckSymbolButton, CButton)
ON_WM_MOUSEMOVE()
ON_WM_MOUSELEAVE()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CheckSymbolButton::CheckSymbolButton(Gdiplus::SmoothingMode smoothing) : m_smoothing(smoothing) {
    ResetSymbolState();
}

CheckSymbolButton::~CheckSymbolButton() {}

void CheckSymbolButton::ResetSymbolState() {
    m_checked = 0;
    m_hoverEffect = 1;
    m_focusEffect = 1;
    m_symbolWidth = 14;
    m_hover.Reset();
}

UINT CheckSymbolButton::TakeOverWindow() {
    const DWORD style = static_cast<DWORD>(::GetWindowLongW(m_hWnd, GWL_STYLE));
    SetFont(L"Arial", 10, 0);
    // The button type is replaced, not added to: BS_OWNERDRAW or'ed onto a
    // tri-state type gives 0xF, a type the system draws as nothing at all.
    ::SetWindowLongW(m_hWnd, GWL_STYLE, static_cast<LONG>((style & ~BS_TYPEMASK) | BS_OWNERDRAW));
    return style & BS_TYPEMASK;
}

std::vector<CheckSymbolButton*> CheckSymbolButton::SettingTargets() {
    return {this};
}

int CheckSymbolButton::ShowHoverEffect(int show) {
    for (CheckSymbolButton* target : SettingTargets())
        SetDrawingOption(*target, target->m_hoverEffect, show, TRUE);
    return 1;
}

int CheckSymbolButton::ShowFocusEffect(int show) {
    for (CheckSymbolButton* target : SettingTargets())
        SetDrawingOption(*target, target->m_focusEffect, show, TRUE);
    return 1;
}

int CheckSymbolButton::SetSymbolWidth(int width) {
    RECT client{};
    if (m_hWnd)
        ::GetClientRect(m_hWnd, &client);
    if (!geometry::SymbolWidthFits(width, client.bottom))
        return 0;
    for (CheckSymbolButton* target : SettingTargets())
        SetDrawingOption(*target, target->m_symbolWidth, width, TRUE);
    return 1;
}

int CheckSymbolButton::SetFont(const CString& face, const int& pointSize, int bold) {
    // The same cached font for every target: it fails for all or for none.
    for (CheckSymbolButton* target : SettingTargets())
        if (!ApplyWindowFont(*target, face, pointSize, bold, TRUE))
            return 0;
    return 1;
}

Gdiplus::Rect CheckSymbolButton::ToRect(const geometry::Box& box) {
    return Gdiplus::Rect(box.x, box.y, box.width, box.height);
}

int CheckSymbolButton::Invalidate(int erase) {
    return InvalidateControl(m_hWnd, erase);
}

BOOL CheckSymbolButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED)
        OnClicked();
    return CButton::OnChildNotify(message, wParam, lParam, pResult);
}

void CheckSymbolButton::OnMouseMove(UINT flags, CPoint point) {
    if (m_hoverEffect && !m_hover.IsHovering() && m_hover.Update(m_hWnd, true))
        Invalidate(TRUE);
    CButton::OnMouseMove(flags, point);
}

void CheckSymbolButton::OnMouseLeave() {
    if (m_hover.Leave())
        Invalidate(TRUE);
}

BOOL CheckSymbolButton::OnEraseBkgnd(CDC*) {
    return TRUE;
}

void CheckSymbolButton::DrawItem(LPDRAWITEMSTRUCT item) {
    try {
        Paint(item->hDC, item->rcItem, item->itemState);
    } catch (...) {
    }
}

void CheckSymbolButton::Paint(HDC dc, const RECT& item, UINT state) {
    const bool disabled = (state & ODS_DISABLED) != 0;
    const bool hovering = m_hover.IsHovering();
    const SymbolState symbol{geometry::ResolveLook(disabled, hovering && (state & ODS_SELECTED), hovering),
                             disabled, m_hoverEffect && hovering};
    const int width = item.right - item.left, height = item.bottom - item.top;
    CaptionLook caption{};
    {
        SkinPaintBuffer buffer(dc, item, m_smoothing);
        if (!buffer.IsValid())
            return;
        Gdiplus::Graphics& g = buffer.Graphics();
        Gdiplus::SolidBrush background(Gdiplus::Color(ToArgb(BackgroundColour())));
        g.FillRectangle(&background, 0, 0, width, height);
        caption = DrawSymbol(g, width, height, symbol);
        buffer.Present();
    }
    CString text;
    GetWindowText(text);
    HFONT font = WindowFont(m_hWnd);
    DrawSideCaption(dc, item, item.left + caption.left, text, font, caption.text);
    if ((state & ODS_FOCUS) && m_focusEffect && !disabled)
        DrawSideCaptionFocus(dc, item, item.left + caption.left, text, font, caption.focus);
}

} // namespace Tavrin
