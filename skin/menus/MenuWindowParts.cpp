#include "MenuWindowParts.h"

#include "SkinFoundation.h"
#include "SkinWindow.h"

namespace Tavrin {

CString MenuItemText(HMENU menu, int position) {
    wchar_t text[257] = {};
    ::GetMenuStringW(menu, position, text, 257, MF_BYPOSITION);
    return CString(text);
}

int MenuTextWidth(HDC dc, const CString& text) {
    SIZE size{};
    if (!text.IsEmpty())
        ::GetTextExtentPoint32W(dc, text, text.GetLength(), &size);
    return size.cx;
}

bool RegisterMenuWindowClass(const wchar_t* name) {
    WNDCLASSW wc{};
    wc.style = CS_SAVEBITS;
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hInstance = AfxGetInstanceHandle();
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = name;
    return AfxRegisterClass(&wc) != FALSE;
}

void PaintMenuBorder(CWnd& window, COLORREF colour, MenuBorder border) {
    CWindowDC windowDC(&window);
    HDC dc = windowDC.GetSafeHdc();
    if (!dc)
        return;
    const RECT frame = WindowLocalRect(window.GetSafeHwnd());
    HBRUSH brush = SkinResourceCache::GetSolidBrush(colour);
    if (border == MenuBorder::BottomLine) {
        const RECT line{frame.left, frame.bottom - 1, frame.right, frame.bottom};
        ::FillRect(dc, &line, brush);
    } else {
        ::FrameRect(dc, &frame, brush);
    }
}

} // namespace Tavrin
