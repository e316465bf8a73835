#include "SkinFoundation.h"

namespace Tavrin {

int GdiplusSession::s_count = 0;
ULONG_PTR GdiplusSession::s_token = 0;

void GdiplusSession::Acquire() {
    if (s_count == 0) {
        Gdiplus::GdiplusStartupInput input; // version 1, no callback, background thread, codecs
        ULONG_PTR token = 0;
        if (Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok)
            s_token = token;
    }
    ++s_count;
}

void GdiplusSession::Release() {
    // An unbalanced release must not drive the counter below zero: the next
    // Acquire would then believe GDI+ is running and never start it.
    if (s_count <= 0)
        return;
    if (s_count-- == 1 && s_token != 0) {
        Gdiplus::GdiplusShutdown(s_token);
        s_token = 0;
    }
}

int GdiplusSession::Count() {
    return s_count;
}

bool GdiplusSession::IsRunning() {
    return s_token != 0;
}

Gdiplus::ARGB ToArgb(COLORREF colour) {
    return 0xFF000000u | (static_cast<Gdiplus::ARGB>(GetRValue(colour)) << 16) |
           (static_cast<Gdiplus::ARGB>(GetGValue(colour)) << 8) | GetBValue(colour);
}

} // namespace Tavrin
