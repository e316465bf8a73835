// NeloDivider on real windows: its direction from the first non-empty size,
// the size across kept at the two thicknesses, both lines in both
// directions at exact pixels, and the divider of the host's template.
#include "test_support.h"

using namespace buttons_test;
using Tavrin::_DividerColorInfo;
using Tavrin::_DividerThicknessInfo;
using Tavrin::NeloDivider;

namespace {

const COLORREF kFirst = RGB(200, 0, 0);
const COLORREF kSecond = RGB(0, 0, 200);

class DividerTest : public HostTest {
protected:
    HWND MakeDivider(NeloDivider& divider, int width, int height, DWORD style = 0) {
        HWND window = CreateChild(L"STATIC", L"", style, 20, 20, width, height);
        EXPECT_TRUE(divider.SubclassWindow(window));
        EXPECT_EQ(1, divider.SetDividerColorInfo(_DividerColorInfo{kFirst, kSecond}));
        Pump();
        return window;
    }
    static SIZE SizeOf(HWND window) {
        RECT r{};
        ::GetWindowRect(window, &r);
        return SIZE{r.right - r.left, r.bottom - r.top};
    }
};

TEST_F(DividerTest, DirectionThicknessAndLinesAtExactPixels) {
    struct Case {
        const char* name;
        int width, height;
        DWORD style;
        _DividerThicknessInfo thickness;
        COLORREF second;
        bool horizontal;
        SIZE size;
        std::vector<COLORREF> across; // pixels across the line, first to last
    };
    const Case cases[] = {
        {"100 x 5 becomes a horizontal line pair",
         100,
         5,
         0,
         {1, 1},
         kSecond,
         true,
         {100, 2},
         {kFirst, kSecond}},
        {"5 x 100 becomes a vertical one", 5, 100, 0, {1, 1}, kSecond, false, {2, 100}, {kFirst, kSecond}},
        {"a border and sunken edge are dropped",
         100,
         6,
         WS_BORDER | SS_SUNKEN,
         {1, 1},
         kSecond,
         true,
         {100, 2},
         {kFirst, kSecond}},
        {"thickness 3 and 0: one line", 100, 5, 0, {3, 0}, kSecond, true, {100, 3}, {kFirst, kFirst, kFirst}},
        {"vertical, 1 and 2", 5, 80, 0, {1, 2}, kSecond, false, {3, 80}, {kFirst, kSecond, kSecond}},
        {"vertical with a black second line shows it",
         5,
         80,
         0,
         {1, 1},
         RGB(0, 0, 0),
         false,
         {2, 80},
         {kFirst, RGB(0, 0, 0)}},
        {"horizontal with a black second line",
         80,
         5,
         0,
         {2, 1},
         RGB(0, 0, 0),
         true,
         {80, 3},
         {kFirst, kFirst, RGB(0, 0, 0)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        NeloDivider divider;
        HWND window = MakeDivider(divider, c.width, c.height, c.style);
        ASSERT_EQ(1, divider.SetDividerColorInfo(_DividerColorInfo{kFirst, c.second}));
        ASSERT_EQ(1, divider.SetDividerThicknessInfo(c.thickness));
        Pump();
        Repaint(Host());
        EXPECT_EQ(c.horizontal ? 1 : 0, divider.IsHorizontal());
        const SIZE size = SizeOf(window);
        EXPECT_EQ(c.size.cx, size.cx);
        EXPECT_EQ(c.size.cy, size.cy);
        EXPECT_EQ(0, ::GetWindowLongW(window, GWL_STYLE) & (WS_BORDER | SS_SUNKEN));
        const Capture shot = Capture::Window(window);
        for (size_t i = 0; i < c.across.size(); ++i) {
            const int at = static_cast<int>(i);
            // At both ends and in the middle of the line.
            const int length = static_cast<int>(c.horizontal ? size.cx : size.cy);
            for (int along : {0, length / 2, length - 1})
                EXPECT_COLOUR(c.across[i], c.horizontal ? shot.At(along, at) : shot.At(at, along))
                    << "line pixel " << i << " at " << along;
        }
        divider.DestroyWindow();
    }
}

TEST_F(DividerTest, ThicknessSetterAndAnEmptyDividerTakingItsDirectionLater) {
    NeloDivider divider;
    HWND window = MakeDivider(divider, 100, 5);
    EXPECT_EQ(0, divider.SetDividerThicknessInfo(_DividerThicknessInfo{-1, 1}));
    EXPECT_EQ(0, divider.SetDividerThicknessInfo(_DividerThicknessInfo{1, -1}));
    _DividerThicknessInfo read{};
    ASSERT_EQ(1, divider.GetDividerThicknessInfo(read));
    EXPECT_EQ(1, read.thickness1);
    EXPECT_EQ(1, read.thickness2);
    // Every later size keeps the thickness across.
    ::SetWindowPos(window, nullptr, 0, 0, 150, 40, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(150, SizeOf(window).cx);
    EXPECT_EQ(2, SizeOf(window).cy);

    NeloDivider empty;
    HWND emptyWindow = CreateChild(L"STATIC", L"", 0, 20, 60, 0, 0);
    ASSERT_TRUE(empty.SubclassWindow(emptyWindow));
    Pump();
    ::SetWindowPos(emptyWindow, nullptr, 0, 0, 5, 100, SWP_NOMOVE | SWP_NOZORDER);
    Pump();
    EXPECT_EQ(0, empty.IsHorizontal());
    EXPECT_EQ(2, SizeOf(emptyWindow).cx);
    EXPECT_EQ(100, SizeOf(emptyWindow).cy);
}

TEST_F(DividerTest, TheTemplatesDividerAfterCoverAndUncover) {
    HWND window = host->templateDivider.GetSafeHwnd();
    ASSERT_NE(nullptr, window);
    EXPECT_EQ(1, host->templateDivider.IsHorizontal());
    EXPECT_EQ(2, SizeOf(window).cy);
    EXPECT_EQ(0, ::GetWindowLongW(window, GWL_EXSTYLE) & (WS_EX_STATICEDGE | WS_EX_CLIENTEDGE));
    CoverAndUncover();
    const _DividerColorInfo colours = NeloDivider::DefaultColorInfo();
    const Capture shot = Capture::Window(window);
    EXPECT_COLOUR(colours.crLine1, shot.At(10, 0));
    EXPECT_COLOUR(colours.crLine2, shot.At(10, 1));
}

} // namespace
