#include "SkinCaption.h"

#include "CheckGeometry.h"
#include "SkinFoundation.h"

namespace Tavrin {

namespace {

constexpr UINT kCaptionFormat = DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS;

} // namespace

void DrawSideCaption(HDC dc, const RECT& item, int captionLeft, const CString& text, HFONT font,
                     COLORREF colour) {
    if (text.IsEmpty())
        return;
    ScopedSelectObject selected(dc, font);
    RECT r = item;
    r.left = captionLeft;
    const int oldMode = ::SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColour = ::SetTextColor(dc, colour);
    ::DrawTextW(dc, text.GetString(), text.GetLength(), &r, kCaptionFormat);
    ::SetTextColor(dc, oldColour);
    ::SetBkMode(dc, oldMode);
}

void DrawSideCaptionFocus(HDC dc, const RECT& item, int captionLeft, const CString& text, HFONT font,
                          COLORREF colour) {
    SIZE caption{0, 0};
    {
        ScopedSelectObject selected(dc, font);
        RECT measured{captionLeft, item.top, item.right, item.bottom};
        ::DrawTextW(dc, text.GetString(), text.GetLength(), &measured,
                    DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
        caption = SIZE{measured.right - measured.left, measured.bottom - measured.top};
    }
    const geometry::Box box = geometry::CaptionFocusOutline(item, captionLeft, caption);
    Gdiplus::Graphics graphics(dc);
    Gdiplus::Pen pen(Gdiplus::Color(ToArgb(colour)), 1.0f);
    pen.SetDashStyle(Gdiplus::DashStyleDot);
    graphics.DrawRectangle(&pen, box.x, box.y, box.width, box.height);
}

} // namespace Tavrin
