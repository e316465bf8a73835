// The skin foundation: path figures, the font and brush cache, the GDI+
// lifetime, the registered messages and the shared paint helper, on Wine's
// own GDI and GDI+.
#include <Tavrin.h>
#include <SkinControlSetters.h>

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace Tavrin;

namespace {

// Keeps GDI+ running for the path and paint tests; released at the end of
// each, so the lifetime test finds the counter at zero.
using GdiplusScope = GdiplusSessionScope;

struct Figure {
    std::vector<Gdiplus::PointF> points;
    std::vector<BYTE> types;

    int Count() const { return static_cast<int>(points.size()); }
    bool Closed() const { return !types.empty() && (types.back() & Gdiplus::PathPointTypeCloseSubpath); }
    BYTE Kind(int i) const { return types[i] & Gdiplus::PathPointTypePathTypeMask; }
};

Figure Read(const Gdiplus::GraphicsPath& path) {
    Figure f;
    const int n = path.GetPointCount();
    f.points.resize(n);
    f.types.resize(n);
    if (n > 0) {
        path.GetPathPoints(f.points.data(), n);
        path.GetPathTypes(f.types.data(), n);
    }
    return f;
}

::testing::AssertionResult At(const Figure& f, int i, float x, float y) {
    if (i >= f.Count())
        return ::testing::AssertionFailure() << "point " << i << " missing (" << f.Count() << " points)";
    const Gdiplus::PointF& p = f.points[i];
    if (std::fabs(p.X - x) > 0.01f || std::fabs(p.Y - y) > 0.01f)
        return ::testing::AssertionFailure()
               << "point " << i << " is (" << p.X << ", " << p.Y << "), expected (" << x << ", " << y << ")";
    return ::testing::AssertionSuccess();
}

// One segment of an expected figure: a straight line or a 90-degree arc
// (one Bezier) from (x0, y0) to (x1, y1).
struct Seg {
    bool arc;
    float x0, y0, x1, y1;
};
Seg L(float x0, float y0, float x1, float y1) {
    return Seg{false, x0, y0, x1, y1};
}
Seg A(float x0, float y0, float x1, float y1) {
    return Seg{true, x0, y0, x1, y1};
}

bool Same(const Gdiplus::PointF& p, float x, float y) {
    return std::fabs(p.X - x) <= 0.01f && std::fabs(p.Y - y) <= 0.01f;
}

// Walks the figure segment by segment. GDI+ joins a segment that does not
// start where the previous one ended with a line, and may or may not repeat
// a start point that equals the current point; both are accepted, anything
// else (a missing, extra or misplaced point, a line where an arc belongs) is
// reported.
::testing::AssertionResult Follows(const Figure& f, const std::vector<Seg>& segs) {
    auto fail = [&](int i, const char* what) {
        auto r = ::testing::AssertionFailure() << what << " at point " << i << "; figure:";
        for (int k = 0; k < f.Count(); ++k)
            r << " (" << f.points[k].X << ", " << f.points[k].Y << ")" << int(f.Kind(k));
        return r;
    };
    if (segs.empty())
        return f.Count() == 0 ? ::testing::AssertionSuccess() : fail(0, "extra points");
    if (f.Count() == 0 || !Same(f.points[0], segs[0].x0, segs[0].y0) ||
        f.Kind(0) != Gdiplus::PathPointTypeStart)
        return fail(0, "wrong start");
    int i = 0;
    for (const Seg& s : segs) {
        Gdiplus::PointF cur = f.points[i];
        if (!Same(cur, s.x0, s.y0)) {
            if (i + 1 >= f.Count() || !Same(f.points[i + 1], s.x0, s.y0) ||
                f.Kind(i + 1) != Gdiplus::PathPointTypeLine)
                return fail(i + 1, "missing join");
            ++i;
        }
        while (i + 1 < f.Count() && f.Kind(i + 1) == Gdiplus::PathPointTypeLine &&
               Same(f.points[i + 1], s.x0, s.y0))
            ++i;
        if (s.arc) {
            for (int k = 1; k <= 3; ++k)
                if (i + k >= f.Count() || f.Kind(i + k) != Gdiplus::PathPointTypeBezier)
                    return fail(i + k, "missing arc");
            i += 3;
            if (!Same(f.points[i], s.x1, s.y1))
                return fail(i, "arc ends elsewhere");
        } else if (!Same(f.points[i], s.x1, s.y1)) {
            if (i + 1 >= f.Count() || !Same(f.points[i + 1], s.x1, s.y1) ||
                f.Kind(i + 1) != Gdiplus::PathPointTypeLine)
                return fail(i + 1, "missing line");
            ++i;
        }
    }
    if (i != f.Count() - 1)
        return fail(i + 1, "extra points");
    return ::testing::AssertionSuccess();
}

} // namespace

TEST(SkinColour, ToArgbIsOpaqueAndSwapsRedAndBlue) {
    EXPECT_EQ(0xFF000000u, ToArgb(RGB(0, 0, 0)));
    EXPECT_EQ(0xFF60A1F0u, ToArgb(RGB(96, 161, 240)));
    EXPECT_EQ(0xFFFFFFFFu, ToArgb(RGB(255, 255, 255)));
    // Whatever sits in the top byte of a COLORREF never becomes alpha.
    EXPECT_EQ(0xFF030201u, ToArgb(0x7F010203u));
}

TEST(SkinPaths, RoundRectArcsSitOnePixelInsideRightAndBottom) {
    GdiplusScope gdiplus;
    Gdiplus::GraphicsPath path;
    ASSERT_EQ(S_OK, AddRoundRectPath(RECT{10, 20, 40, 60}, 3, &path));
    Figure f = Read(path);
    EXPECT_TRUE(Follows(f, {A(10, 23, 13, 20),    // top-left, from 180
                            A(36, 20, 39, 23),    // top-right in (right - d - 1, top)
                            A(39, 56, 36, 59),    // bottom-right in (right - d - 1, bottom - d - 1)
                            A(13, 59, 10, 56)})); // bottom-left
    EXPECT_TRUE(f.Closed());
    Gdiplus::RectF bounds;
    path.GetBounds(&bounds);
    EXPECT_FLOAT_EQ(10, bounds.X);
    EXPECT_FLOAT_EQ(20, bounds.Y);
    EXPECT_FLOAT_EQ(29, bounds.Width);
    EXPECT_FLOAT_EQ(39, bounds.Height);
}

TEST(SkinPaths, RoundRectWithRadiusZeroIsClosedThroughTheFourCorners) {
    GdiplusScope gdiplus;
    Gdiplus::GraphicsPath path;
    ASSERT_EQ(S_OK, AddRoundRectPath(RECT{0, 0, 20, 10}, 0, &path));
    Figure f = Read(path);
    EXPECT_TRUE(Follows(f, {A(0, 0, 0, 0), A(19, 0, 19, 0), A(19, 9, 19, 9), A(0, 9, 0, 9)}));
    EXPECT_TRUE(f.Closed());
}

TEST(SkinPaths, RoundRectFResetsThePathAndHasNoInset) {
    GdiplusScope gdiplus;
    Gdiplus::GraphicsPath path;
    path.AddLine(100, 100, 200, 200);
    ASSERT_EQ(S_OK, AddRoundRectPathF(Gdiplus::RectF(1.5f, 2.0f, 30.0f, 20.0f), 4, &path));
    Figure f = Read(path);
    // The earlier line is gone.
    EXPECT_TRUE(Follows(
        f, {A(1.5f, 6, 5.5f, 2), A(27.5f, 2, 31.5f, 6), A(31.5f, 18, 27.5f, 22), A(5.5f, 22, 1.5f, 18)}));
    EXPECT_TRUE(f.Closed());
}

TEST(SkinPaths, RoundRectFWithRadiusZeroIsThreeSidesClosedIntoARectangle) {
    GdiplusScope gdiplus;
    Gdiplus::GraphicsPath path;
    ASSERT_EQ(S_OK, AddRoundRectPathF(Gdiplus::RectF(0, 0, 30, 20), 0, &path));
    Figure f = Read(path);
    EXPECT_TRUE(Follows(f, {L(0, 0, 30, 0), L(30, 0, 30, 20), L(30, 20, 0, 20)}));
    EXPECT_TRUE(f.Closed());
}

TEST(SkinPaths, TopRoundedIsAnOpenTabOutline) {
    GdiplusScope gdiplus;
    Gdiplus::GraphicsPath path;
    ASSERT_EQ(S_OK, AddTopRoundedPath(RECT{0, 0, 50, 20}, 3, 5, &path));
    Figure f = Read(path);
    EXPECT_TRUE(Follows(f, {L(0, 20, 0, 3), A(0, 3, 3, 0), L(3, 0, 45, 0), A(45, 0, 50, 5), L(50, 5, 50, 15),
                            L(50, 20, 0, 20)}));
    EXPECT_FALSE(f.Closed());
}

TEST(SkinPaths, TopRoundedWithRadiusZeroHasNoArcs) {
    GdiplusScope gdiplus;
    Gdiplus::GraphicsPath path;
    ASSERT_EQ(S_OK, AddTopRoundedPath(RECT{0, 0, 50, 20}, 0, 0, &path));
    Figure f = Read(path);
    EXPECT_TRUE(Follows(f, {L(0, 20, 0, 0), L(0, 0, 50, 0), L(50, 0, 50, 20), L(50, 20, 0, 20)}));
    EXPECT_FALSE(f.Closed());
}

TEST(SkinPaths, LeftAndRightHalvesOfTheScroller) {
    GdiplusScope gdiplus;
    {
        Gdiplus::GraphicsPath path;
        ASSERT_EQ(S_OK, AddLeftRoundedPath(RECT{0, 0, 16, 20}, 4, 4, &path));
        Figure f = Read(path);
        EXPECT_TRUE(
            Follows(f, {A(4, 20, 0, 16), // bottom-left, from 90
                        L(0, 16, 0, 4), A(0, 4, 4, 0), L(4, 0, 12, 0), L(16, 0, 16, 20), L(16, 20, 4, 20)}));
        EXPECT_FALSE(f.Closed());
    }
    {
        Gdiplus::GraphicsPath path;
        ASSERT_EQ(S_OK, AddRightRoundedPath(RECT{0, 0, 16, 20}, 4, 4, &path));
        Figure f = Read(path);
        EXPECT_TRUE(Follows(f, {L(0, 20, 0, 0), L(0, 0, 12, 0), A(12, 0, 16, 4), // top-right, from 270
                                L(16, 4, 16, 16), A(16, 16, 12, 20),             // bottom-right, from 0
                                L(12, 20, 0, 20)}));
        EXPECT_FALSE(f.Closed());
    }
}

TEST(SkinPaths, NegativeRadiiFailAndLeaveThePathAlone) {
    GdiplusScope gdiplus;
    const RECT rect{0, 0, 30, 30};
    struct Case {
        const char* name;
        HRESULT (*build)(Gdiplus::GraphicsPath*);
    } cases[] = {
        {"round -1",
         [](Gdiplus::GraphicsPath* p) {
             return AddRoundRectPath(RECT{0, 0, 30, 30}, -1, p);
         }},
        {"roundF -1",
         [](Gdiplus::GraphicsPath* p) { return AddRoundRectPathF(Gdiplus::RectF(0, 0, 30, 30), -1, p); }},
        {"top a",
         [](Gdiplus::GraphicsPath* p) {
             return AddTopRoundedPath(RECT{0, 0, 30, 30}, -1, 0, p);
         }},
        {"top b",
         [](Gdiplus::GraphicsPath* p) {
             return AddTopRoundedPath(RECT{0, 0, 30, 30}, 0, -1, p);
         }},
        {"left a",
         [](Gdiplus::GraphicsPath* p) {
             return AddLeftRoundedPath(RECT{0, 0, 30, 30}, -4, 4, p);
         }},
        {"left b",
         [](Gdiplus::GraphicsPath* p) {
             return AddLeftRoundedPath(RECT{0, 0, 30, 30}, 4, -4, p);
         }},
        {"right a",
         [](Gdiplus::GraphicsPath* p) {
             return AddRightRoundedPath(RECT{0, 0, 30, 30}, -4, 4, p);
         }},
        {"right b",
         [](Gdiplus::GraphicsPath* p) {
             return AddRightRoundedPath(RECT{0, 0, 30, 30}, 4, -4, p);
         }},
    };
    (void)rect;
    for (const Case& c : cases) {
        Gdiplus::GraphicsPath path;
        path.AddLine(1, 2, 3, 4);
        EXPECT_EQ(E_FAIL, c.build(&path)) << c.name;
        Figure f = Read(path);
        ASSERT_EQ(2, f.Count()) << c.name;
        EXPECT_TRUE(At(f, 1, 3, 4)) << c.name;
        EXPECT_EQ(E_FAIL, c.build(nullptr)) << c.name << " without a path";
    }
}

TEST(SkinResourceCache, FontKeysAreSizeBoldAndCaseSensitiveFace) {
    HFONT arial10 = SkinResourceCache::GetFont(FontKey(L"Arial", 10, 0));
    ASSERT_NE(nullptr, arial10);
    EXPECT_EQ(arial10, SkinResourceCache::GetFont(FontKey(L"Arial", 10, 0)));
    HFONT bold = SkinResourceCache::GetFont(FontKey(L"Arial", 10, 1));
    HFONT lower = SkinResourceCache::GetFont(FontKey(L"arial", 10, 0));
    HFONT eleven = SkinResourceCache::GetFont(FontKey(L"Arial", 11, 0));
    ASSERT_NE(nullptr, bold);
    ASSERT_NE(nullptr, lower);
    EXPECT_NE(arial10, bold);
    EXPECT_NE(arial10, lower);
    EXPECT_NE(bold, lower);
    EXPECT_NE(arial10, eleven);
    EXPECT_EQ(lower, SkinResourceCache::GetFont(FontKey(L"arial", 10, 0)));
    EXPECT_EQ(bold, SkinResourceCache::GetFont(FontKey(L"Arial", 10, 1)));

    // The font itself: the height follows the screen's logical inch, the weight the bold flag.
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    LOGFONTW lf{};
    ASSERT_NE(0, GetObjectW(bold, sizeof(lf), &lf));
    EXPECT_EQ(-MulDiv(10, dpi, 72), lf.lfHeight);
    EXPECT_EQ(FW_BOLD, lf.lfWeight);
    EXPECT_EQ(DEFAULT_CHARSET, lf.lfCharSet);
    EXPECT_STREQ(L"Arial", lf.lfFaceName);
    ASSERT_NE(0, GetObjectW(arial10, sizeof(lf), &lf));
    EXPECT_EQ(FW_NORMAL, lf.lfWeight);
    EXPECT_FALSE(lf.lfItalic);
}

TEST(SkinResourceCache, FontSizesOutsideOneToHundredGiveNoFont) {
    struct {
        int size;
        bool font;
    } cases[] = {{-5, false}, {0, false}, {1, true}, {100, true}, {101, false}};
    for (const auto& c : cases)
        EXPECT_EQ(c.font, SkinResourceCache::GetFont(FontKey(L"Arial", c.size, 0)) != nullptr) << c.size;
}

TEST(SkinResourceCache, BrushesAreSharedPerColour) {
    HBRUSH red = SkinResourceCache::GetSolidBrush(RGB(255, 0, 0));
    HBRUSH blue = SkinResourceCache::GetSolidBrush(RGB(0, 0, 255));
    ASSERT_NE(nullptr, red);
    ASSERT_NE(nullptr, blue);
    EXPECT_NE(red, blue);
    EXPECT_EQ(red, SkinResourceCache::GetSolidBrush(RGB(255, 0, 0)));
    LOGBRUSH lb{};
    ASSERT_NE(0, GetObjectW(blue, sizeof(lb), &lb));
    EXPECT_EQ(static_cast<UINT>(BS_SOLID), lb.lbStyle);
    EXPECT_EQ(RGB(0, 0, 255), lb.lbColor);
    EXPECT_EQ(SkinResourceCache::Instance(), SkinResourceCache::Instance());
}

TEST(GdiplusSession, LastReleaseShutsDownAndTheNextAcquireStartsAgain) {
    ASSERT_EQ(0, GdiplusSession::Count());
    EXPECT_FALSE(GdiplusSession::IsRunning());
    GdiplusSession::Acquire();
    GdiplusSession::Acquire();
    EXPECT_EQ(2, GdiplusSession::Count());
    EXPECT_TRUE(GdiplusSession::IsRunning());
    GdiplusSession::Release();
    EXPECT_TRUE(GdiplusSession::IsRunning());
    GdiplusSession::Release();
    EXPECT_EQ(0, GdiplusSession::Count());
    EXPECT_FALSE(GdiplusSession::IsRunning());

    // An extra release must not leave the counter below zero, or the next
    // control would find GDI+ "running" and draw without it.
    GdiplusSession::Release();
    EXPECT_EQ(0, GdiplusSession::Count());

    GdiplusSession::Acquire();
    EXPECT_TRUE(GdiplusSession::IsRunning());
    {
        // GDI+ really works again after the restart.
        Gdiplus::Bitmap bitmap(4, 4, PixelFormat32bppARGB);
        Gdiplus::Graphics graphics(&bitmap);
        Gdiplus::SolidBrush brush(Gdiplus::Color(ToArgb(RGB(1, 2, 3))));
        EXPECT_EQ(Gdiplus::Ok, graphics.FillRectangle(&brush, 0, 0, 4, 4));
        Gdiplus::Color c;
        bitmap.GetPixel(2, 2, &c);
        EXPECT_EQ(ToArgb(RGB(1, 2, 3)), c.GetValue());
    }
    GdiplusSession::Release();
    EXPECT_FALSE(GdiplusSession::IsRunning());
}

TEST(SkinMessages, AllTwentyTwoNamesAreRegisteredAtLoad) {
    // Spelled here independently of the library: a misspelt name would give
    // a different identifier and the two sides of a control would not meet.
    struct {
        const wchar_t* name;
        UINT id;
    } cases[] = {
        {L"MOUSE_OVER_NELO_SCROLLBAR_MSG", MOUSE_OVER_NELO_SCROLLBAR_MSG},
        {L"INIT_NELO_EDIT_MSG", INIT_NELO_EDIT_MSG},
        {L"ATTACH_NELO_EDIT_MSG", ATTACH_NELO_EDIT_MSG},
        {L"DETACH_NELO_EDIT_MSG", DETACH_NELO_EDIT_MSG},
        {L"MOUSE_IN_NELO_EDIT_MSG", MOUSE_IN_NELO_EDIT_MSG},
        {L"MOUSE_IN_NELO_SPIN_BUTTON_CTRL", MOUSE_IN_NELO_SPIN_BUTTON_CTRL},
        {L"CLOSE_SUB_MENU_NELO_MENU_MSG", CLOSE_SUB_MENU_NELO_MENU_MSG},
        {L"BEGIN_DRAG_NELO_HEAD_CTRL_MSG", BEGIN_DRAG_NELO_HEAD_CTRL_MSG},
        {L"END_DAG_NELO_HEAD_CTRL_MSG", END_DAG_NELO_HEAD_CTRL_MSG},
        {L"DROP_DOWN_CLOSE_NELO_COMBO_BOX_MSG", DROP_DOWN_CLOSE_NELO_COMBO_BOX_MSG},
        {L"SELECT_ITEM_NELO_COMBO_BOX_MSG", SELECT_ITEM_NELO_COMBO_BOX_MSG},
        {L"MOUSE_WHEEL_NELO_COMBO_BOX_MSG", MOUSE_WHEEL_NELO_COMBO_BOX_MSG},
        {L"KEY_DOWN_NELO_COMBO_BOX_MSG", KEY_DOWN_NELO_COMBO_BOX_MSG},
        {L"CHAR_NELO_COMBO_BOX_MSG", CHAR_NELO_COMBO_BOX_MSG},
        {L"SET_TEXT_NELO_COMBO_BOX_MSG", SET_TEXT_NELO_COMBO_BOX_MSG},
        {L"ENABLE_COPY_PASTE_NELO_COMBO_BOX_MSG", ENABLE_COPY_PASTE_NELO_COMBO_BOX_MSG},
        {L"FILTER_NELO_COMBO_BOX_MSG", FILTER_NELO_COMBO_BOX_MSG},
        {L"GET_DLG_CODE_NELO_COMBO_BOX_MSG", GET_DLG_CODE_NELO_COMBO_BOX_MSG},
        {L"MOUSE_MOVE_NELO_COMBO_BOX_MSG", MOUSE_MOVE_NELO_COMBO_BOX_MSG},
        {L"SYSTEM_KEY_DOWN_NELO_COMBO_BOX_MSG", SYSTEM_KEY_DOWN_NELO_COMBO_BOX_MSG},
        {L"LBUTTON_UP_NELO_COMBO_BOX_MSG", LBUTTON_UP_NELO_COMBO_BOX_MSG},
        {L"INITIALIZE_NELO_DIVIDER_MSG", INITIALIZE_NELO_DIVIDER_MSG},
    };
    std::vector<UINT> seen;
    for (const auto& c : cases) {
        EXPECT_GE(c.id, 0xC000u) << "not registered at load";
        EXPECT_EQ(RegisterWindowMessageW(c.name), c.id);
        for (UINT other : seen)
            EXPECT_NE(other, c.id);
        seen.push_back(c.id);
    }
    EXPECT_EQ(22u, seen.size());
}

TEST(SkinPaintBuffer, DrawsOffscreenAndCopiesAtTheRectangleOrigin) {
    GdiplusScope gdiplus;
    HDC screen = GetDC(nullptr);
    HDC target = CreateCompatibleDC(screen);
    HBITMAP targetBitmap = CreateCompatibleBitmap(screen, 40, 30);
    HGDIOBJ oldTarget = SelectObject(target, targetBitmap);
    PatBlt(target, 0, 0, 40, 30, WHITENESS);

    HDC memDC = nullptr;
    HBITMAP bitmap = nullptr;
    {
        SkinPaintBuffer buffer(target, RECT{10, 5, 30, 25});
        ASSERT_TRUE(buffer.IsValid());
        EXPECT_EQ(20, buffer.Width());
        EXPECT_EQ(20, buffer.Height());
        EXPECT_EQ(Gdiplus::SmoothingModeAntiAlias, buffer.Graphics().GetSmoothingMode());
        memDC = buffer.DC();
        bitmap = static_cast<HBITMAP>(GetCurrentObject(memDC, OBJ_BITMAP));
        // GDI and GDI+ mixed in one buffer.
        RECT local = buffer.LocalRect();
        FillRect(buffer.DC(), &local, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        FillVerticalGradient(buffer.Graphics(), Gdiplus::Rect(0, 10, 20, 10), RGB(200, 0, 0), RGB(200, 0, 0));
        // Nothing reaches the target before Present.
        EXPECT_EQ(RGB(255, 255, 255), GetPixel(target, 10, 5));
        EXPECT_TRUE(buffer.Present());
    }
    EXPECT_EQ(RGB(255, 255, 255), GetPixel(target, 9, 5));
    EXPECT_EQ(RGB(0, 0, 0), GetPixel(target, 10, 5));
    EXPECT_EQ(RGB(0, 0, 0), GetPixel(target, 29, 14));
    EXPECT_EQ(RGB(200, 0, 0), GetPixel(target, 10, 15));
    EXPECT_EQ(RGB(200, 0, 0), GetPixel(target, 29, 24));
    EXPECT_EQ(RGB(255, 255, 255), GetPixel(target, 30, 24));
    EXPECT_EQ(RGB(255, 255, 255), GetPixel(target, 10, 25));

    // The helper's own DC and bitmap are gone; the target keeps its bitmap.
    EXPECT_EQ(0u, GetObjectType(memDC));
    EXPECT_EQ(0u, GetObjectType(bitmap));
    EXPECT_EQ(targetBitmap, GetCurrentObject(target, OBJ_BITMAP));

    SelectObject(target, oldTarget);
    DeleteObject(targetBitmap);
    DeleteDC(target);
    ReleaseDC(nullptr, screen);
}

TEST(SkinPaintBuffer, EmptyRectangleDrawsNothing) {
    HDC screen = GetDC(nullptr);
    SkinPaintBuffer buffer(screen, RECT{5, 5, 5, 20});
    EXPECT_FALSE(buffer.IsValid());
    EXPECT_FALSE(buffer.Present());
    ReleaseDC(nullptr, screen);
}

TEST(SkinPaintBuffer, RepeatedPaintsLeakNoGdiObject) {
    GdiplusScope gdiplus;
    HDC screen = GetDC(nullptr);
    HDC target = CreateCompatibleDC(screen);
    HBITMAP targetBitmap = CreateCompatibleBitmap(screen, 8, 8);
    HGDIOBJ oldTarget = SelectObject(target, targetBitmap);
    auto paint = [&](int round) {
        SkinPaintBuffer buffer(target, RECT{0, 0, 8, 8}, Gdiplus::SmoothingModeNone);
        if (!buffer.IsValid())
            return false;
        HBRUSH brush = SkinResourceCache::GetSolidBrush(RGB(round & 0x3F, 7, 9));
        RECT local = buffer.LocalRect();
        FillRect(buffer.DC(), &local, brush);
        FillVerticalGradient(buffer.Graphics(), Gdiplus::Rect(0, 4, 8, 4), RGB(1, 1, 1), RGB(2, 2, 2));
        return buffer.Present();
    };
    for (int round = 0; round < 64; ++round) // the cached brushes exist before counting
        paint(round);

    // Fill the process's GDI handle table but for a known number of free
    // entries; a paint that leaks even one object per run eats them up.
    std::vector<HBRUSH> filler;
    while (HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3)))
        filler.push_back(brush);
    const int spare = 100;
    ASSERT_GT(static_cast<int>(filler.size()), spare);
    for (int i = 0; i < spare; ++i) {
        DeleteObject(filler.back());
        filler.pop_back();
    }
    int painted = 0;
    for (int round = 0; round < 1000; ++round)
        painted += paint(round) ? 1 : 0;
    int free = 0;
    for (HBRUSH brush; free < spare && (brush = CreateSolidBrush(RGB(1, 2, 3))) != nullptr; ++free)
        filler.push_back(brush);
    for (HBRUSH brush : filler)
        DeleteObject(brush);
    EXPECT_EQ(1000, painted);
    EXPECT_EQ(spare, free);
    EXPECT_EQ(RGB(999 & 0x3F, 7, 9), GetPixel(target, 4, 2));
    SelectObject(target, oldTarget);
    DeleteObject(targetBitmap);
    DeleteDC(target);
    ReleaseDC(nullptr, screen);
}

namespace {

// A white memory bitmap to draw on, read back pixel by pixel.
class Canvas {
public:
    Canvas(int width, int height) {
        HDC screen = GetDC(nullptr);
        m_dc = CreateCompatibleDC(screen);
        m_bitmap = CreateCompatibleBitmap(screen, width, height);
        ReleaseDC(nullptr, screen);
        m_old = SelectObject(m_dc, m_bitmap);
        PatBlt(m_dc, 0, 0, width, height, WHITENESS);
    }
    ~Canvas() {
        SelectObject(m_dc, m_old);
        DeleteObject(m_bitmap);
        DeleteDC(m_dc);
    }
    HDC DC() const { return m_dc; }
    COLORREF At(int x, int y) const { return GetPixel(m_dc, x, y); }

private:
    HDC m_dc;
    HBITMAP m_bitmap;
    HGDIOBJ m_old;
};

} // namespace

TEST(SkinPaintBuffer, WithoutABitmapItDrawsStraightOnTheTargetInTheSamePlace) {
    GdiplusScope gdiplus;
    Canvas target(60, 40);
    // No bitmap of this size can be made: the buffer falls back to the
    // target, with the rectangle's corner as its origin.
    const RECT huge{10, 5, 10 + 100000, 5 + 100000};
    {
        SkinPaintBuffer buffer(target.DC(), huge);
        ASSERT_TRUE(buffer.IsValid()) << "nothing would be painted";
        EXPECT_FALSE(buffer.IsBuffered());
        EXPECT_EQ(target.DC(), buffer.DC());
        RECT black{0, 0, 20, 20};
        FillRect(buffer.DC(), &black, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        FillVerticalGradient(buffer.Graphics(), Gdiplus::Rect(0, 20, 20, 10), RGB(200, 0, 0), RGB(200, 0, 0));
        EXPECT_TRUE(buffer.Present());
    }
    EXPECT_EQ(RGB(255, 255, 255), target.At(9, 5));
    EXPECT_EQ(RGB(255, 255, 255), target.At(10, 4));
    EXPECT_EQ(RGB(0, 0, 0), target.At(10, 5));
    EXPECT_EQ(RGB(0, 0, 0), target.At(29, 24));
    EXPECT_EQ(RGB(200, 0, 0), target.At(10, 25));
    EXPECT_EQ(RGB(200, 0, 0), target.At(29, 34));
    EXPECT_EQ(RGB(255, 255, 255), target.At(30, 30));
    EXPECT_EQ(RGB(255, 255, 255), target.At(10, 35));

    // The target's origin and clipping are its own again.
    POINT origin{-1, -1};
    GetViewportOrgEx(target.DC(), &origin);
    EXPECT_EQ(0, origin.x);
    EXPECT_EQ(0, origin.y);
    HRGN clip = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(0, GetClipRgn(target.DC(), clip)) << "no clipping region left behind";
    DeleteObject(clip);
}

TEST(SkinDrawing, GradientsRunFromTheirFirstColourAtTheNamedEdge) {
    GdiplusScope gdiplus;
    const COLORREF first = RGB(0, 0, 0), second = RGB(240, 240, 240);
    struct Case {
        GradientDirection direction;
        POINT nearFirst, nearSecond;
    };
    const Case cases[] = {
        {GradientDirection::TopToBottom, {10, 0}, {10, 19}},
        {GradientDirection::BottomToTop, {10, 19}, {10, 0}},
        {GradientDirection::LeftToRight, {0, 10}, {19, 10}},
        {GradientDirection::RightToLeft, {19, 10}, {0, 10}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.direction));
        Canvas canvas(20, 20);
        {
            Gdiplus::Graphics graphics(canvas.DC());
            FillGradient(graphics, Gdiplus::Rect(0, 0, 20, 20), first, second, c.direction);
        }
        EXPECT_LT(GetRValue(canvas.At(c.nearFirst.x, c.nearFirst.y)), 20);
        EXPECT_GT(GetRValue(canvas.At(c.nearSecond.x, c.nearSecond.y)), 220);
    }
    // A brush box larger than the fill: only the fill is painted, with the
    // colours the box puts there.
    Canvas canvas(20, 30);
    {
        Gdiplus::Graphics graphics(canvas.DC());
        FillGradient(graphics, Gdiplus::Rect(0, 0, 20, 30), Gdiplus::Rect(0, 10, 20, 10), first, second,
                     GradientDirection::TopToBottom);
    }
    EXPECT_EQ(RGB(255, 255, 255), canvas.At(10, 9));
    EXPECT_EQ(RGB(255, 255, 255), canvas.At(10, 20));
    const int middle = GetRValue(canvas.At(10, 15));
    EXPECT_GT(middle, 100);
    EXPECT_LT(middle, 140);
}

TEST(SkinDrawing, CentreLitFillIsBrightestAtItsCentre) {
    GdiplusScope gdiplus;
    Canvas canvas(40, 20);
    {
        Gdiplus::Graphics graphics(canvas.DC());
        FillCentreLit(
            graphics, Gdiplus::Rect(0, 0, 40, 20),
            CentreLight{20.0f, 9.5f, 40.0f / 60.0f, 20.0f / 60.0f, RGB(250, 250, 250), RGB(10, 10, 10)});
    }
    EXPECT_GT(GetRValue(canvas.At(20, 10)), 225);
    EXPECT_LT(GetRValue(canvas.At(0, 0)), 40);
    EXPECT_LT(GetRValue(canvas.At(39, 19)), 40);
}

TEST(SkinDrawing, RegionsOfBothCombinedFormsAndTheirOnePixelFrame) {
    using namespace geometry;
    // The union form rounds only the top corners; the intersect form cuts a
    // rounded box back to the rectangle.
    const RegionShape topRounded = United(RoundRectShape(RECT{0, 0, 40, 20}, 11), RECT{0, 10, 39, 29});
    const RegionShape cut = Intersected(RoundRectShape(RECT{0, 0, 44, 20}, 4), RECT{0, 0, 40, 20});
    OwnedGdiObject<HRGN> top(CreateShapeRegion(topRounded));
    OwnedGdiObject<HRGN> clipped(CreateShapeRegion(cut));
    ASSERT_TRUE(top && clipped);
    EXPECT_FALSE(PtInRegion(top, 0, 0));
    EXPECT_TRUE(PtInRegion(top, 0, 28));
    EXPECT_FALSE(PtInRegion(top, 39, 25));
    EXPECT_TRUE(PtInRegion(top, 38, 25));
    EXPECT_FALSE(PtInRegion(clipped, 0, 0));
    EXPECT_TRUE(PtInRegion(clipped, 39, 0)) << "the right side stays square";
    EXPECT_FALSE(PtInRegion(clipped, 40, 10));

    Canvas canvas(50, 40);
    FrameShape(canvas.DC(), cut, RGB(200, 0, 0));
    EXPECT_EQ(RGB(200, 0, 0), canvas.At(20, 0));
    EXPECT_EQ(RGB(200, 0, 0), canvas.At(39, 10));
    // A rounded region ends one pixel short of its box's bottom.
    EXPECT_EQ(RGB(200, 0, 0), canvas.At(20, 18));
    EXPECT_EQ(RGB(255, 255, 255), canvas.At(20, 19));
    EXPECT_EQ(RGB(255, 255, 255), canvas.At(20, 1)) << "one pixel wide";
    EXPECT_EQ(RGB(255, 255, 255), canvas.At(40, 10));
}

namespace {

// Stands in for a control: the window it reports (none, or a plain static)
// and every Invalidate it was asked for.
struct StandInControl {
    HWND window = nullptr;
    std::vector<int> erases;

    HWND GetSafeHwnd() const { return window; }
    int Invalidate(int erase) {
        erases.push_back(erase);
        return window ? 1 : 0;
    }
};

// A size outside 1..100 has no font: the setter fails and changes nothing.
struct FontCase {
    int size;
    int bold;
    int erase;
    int result;
};
const FontCase kFontCases[] = {
    {10, 0, FALSE, 1}, {10, 1, TRUE, 1}, {1, 0, TRUE, 1}, {100, 1, FALSE, 1}, {0, 0, TRUE, 0}, {101, 0, FALSE, 0},
};

} // namespace

TEST(SkinControlFont, AKeptFontIsTheCachedOneAndRepaintsOnce) {
    for (const FontCase& c : kFontCases) {
        StandInControl control;
        HFONT kept = reinterpret_cast<HFONT>(static_cast<INT_PTR>(0x1234));
        const HFONT before = kept;
        EXPECT_EQ(c.result, ApplyKeptFont(control, kept, L"Arial", c.size, c.bold, c.erase)) << c.size;
        if (c.result) {
            EXPECT_EQ(SkinResourceCache::GetFont(FontKey(L"Arial", c.size, c.bold)), kept) << c.size;
            EXPECT_EQ(std::vector<int>{c.erase}, control.erases) << c.size;
        } else {
            EXPECT_EQ(before, kept) << c.size;
            EXPECT_TRUE(control.erases.empty()) << c.size;
        }
    }
}

TEST(SkinControlFont, AWindowFontGoesToTheWindowAndRepaintsOnce) {
    HWND window = ::CreateWindowW(L"STATIC", L"text", WS_POPUP, 0, 0, 80, 20, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, window);
    for (const FontCase& c : kFontCases) {
        const HFONT start = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
        ::SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(start), FALSE);
        StandInControl control;
        control.window = window;
        EXPECT_EQ(c.result, ApplyWindowFont(control, L"Arial", c.size, c.bold, c.erase)) << c.size;
        const HFONT now = reinterpret_cast<HFONT>(::SendMessageW(window, WM_GETFONT, 0, 0));
        if (c.result) {
            EXPECT_EQ(SkinResourceCache::GetFont(FontKey(L"Arial", c.size, c.bold)), now) << c.size;
            EXPECT_EQ(std::vector<int>{c.erase}, control.erases) << c.size;
        } else {
            EXPECT_EQ(start, now) << c.size;
            EXPECT_TRUE(control.erases.empty()) << c.size;
        }
    }
    ::DestroyWindow(window);

    // Without a window there is nobody to send the font to; the control is
    // still asked to repaint.
    StandInControl detached;
    EXPECT_EQ(1, ApplyWindowFont(detached, L"Arial", 10, 0, TRUE));
    EXPECT_EQ(std::vector<int>{TRUE}, detached.erases);
}

namespace {

enum class Given { Icon, Bitmap, NoIcon, NoBitmap, UncopyableBitmap };

int ImageCount(const CImageList& list) {
    return list.GetSafeHandle() ? ImageList_GetImageCount(list.GetSafeHandle()) : 0;
}

} // namespace

// A handle puts its image in, a null handle takes it away and repaints only
// when there was one; a bitmap that cannot be copied fails and leaves the
// old image.
TEST(SkinControlImage, OneImageInOrOutAndARepaintOnlyWhenItChanged) {
    HDC screen = ::GetDC(nullptr);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 8, 6);
    ::ReleaseDC(nullptr, screen);
    HICON icon = ::LoadIconW(nullptr, MAKEINTRESOURCEW(32512)); // IDI_APPLICATION
    ASSERT_NE(nullptr, bitmap);
    ASSERT_NE(nullptr, icon);
    const HBITMAP uncopyable = reinterpret_cast<HBITMAP>(static_cast<INT_PTR>(0x7ff0));
    struct {
        Given given;
        bool imageBefore;
        int result;
        int imagesAfter;
        bool repainted;
    } cases[] = {
        {Given::Icon, false, 1, 1, true},
        {Given::Icon, true, 1, 1, true},
        {Given::NoIcon, true, 1, 0, true},
        {Given::NoIcon, false, 1, 0, false},
        {Given::Bitmap, false, 1, 1, true},
        {Given::NoBitmap, true, 1, 0, true},
        {Given::NoBitmap, false, 1, 0, false},
        {Given::UncopyableBitmap, true, 0, 1, false},
    };
    for (const auto& c : cases) {
        const int row = static_cast<int>(&c - cases);
        CImageList list;
        if (c.imageBefore) {
            ASSERT_TRUE(LoadIconImage(list, icon, 1)) << row;
        }
        StandInControl control;
        int result = -1;
        switch (c.given) {
        case Given::Icon:
            result = ApplyIconImage(control, list, icon, 1, FALSE);
            break;
        case Given::NoIcon:
            result = ApplyIconImage(control, list, nullptr, 1, FALSE);
            break;
        case Given::Bitmap:
            result = ApplyBitmapImage(control, list, bitmap, RGB(255, 0, 255), FALSE);
            break;
        case Given::NoBitmap:
            result = ApplyBitmapImage(control, list, nullptr, RGB(255, 0, 255), FALSE);
            break;
        case Given::UncopyableBitmap:
            result = ApplyBitmapImage(control, list, uncopyable, RGB(255, 0, 255), FALSE);
            break;
        }
        EXPECT_EQ(c.result, result) << row;
        EXPECT_EQ(c.imagesAfter, ImageCount(list)) << row;
        EXPECT_EQ(c.repainted ? std::vector<int>{FALSE} : std::vector<int>{}, control.erases) << row;
        list.DeleteImageList();
    }
    ::DeleteObject(bitmap);
}
