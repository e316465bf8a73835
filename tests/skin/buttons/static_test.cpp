// NeloStatic and NeloGroupBox on real windows: text placement from the SS_
// styles, images, the caption gap in the group frame, the line thickness and
// its cut on small boxes, and the group box staying a group box.
#include "test_support.h"

#include <algorithm>

using namespace buttons_test;
using Tavrin::NeloGroupBox;
using Tavrin::NeloStatic;

namespace {

const COLORREF kFace = RGB(230, 240, 250);
const COLORREF kInk = RGB(20, 40, 160);

class StaticTest : public HostTest {
protected:
    HWND MakeStatic(NeloStatic& control, const wchar_t* text, DWORD style, int w, int h) {
        HWND window = CreateChild(L"STATIC", text, style, 20, 20, w, h);
        EXPECT_TRUE(control.SubclassWindow(window));
        EXPECT_EQ(1, control.SetStaticColorInfo(Tavrin::_StaticColorInfo{kFace, kFace, kInk}));
        Repaint(window);
        return window;
    }
    // Where the text landed: every pixel that is not the solid face.
    RECT TextBounds(HWND window) {
        return Capture::Client(window).Bounds([](COLORREF p) { return p != kFace; });
    }
};

TEST_F(StaticTest, DefaultLookIsTheSkinGradientAndTextColour) {
    NeloStatic control;
    HWND window = CreateChild(L"STATIC", L"Output folder", SS_LEFT, 20, 20, 200, 30);
    ASSERT_TRUE(control.SubclassWindow(window));
    Repaint(window);
    const Tavrin::_StaticColorInfo c = NeloStatic::DefaultColorInfo();
    EXPECT_EQ(RGB(250, 250, 250), c.crStaticTop);
    EXPECT_EQ(RGB(6, 45, 117), c.crStaticText);
    const Capture shot = Capture::Client(window);
    EXPECT_COLOUR(c.crStaticTop, shot.At(190, 2));
    EXPECT_COLOUR(c.crStaticBottom, shot.At(190, 27));
    EXPECT_GT(shot.Count([&](COLORREF p) { return p == c.crStaticText; }, RECT{0, 0, 200, 30}), 5);
    // Subclassing gives the window the skin's font and the transparent style.
    EXPECT_EQ(Tavrin::SkinResourceCache::GetFont(Tavrin::FontKey(L"Arial", 10, 0)),
              reinterpret_cast<HFONT>(::SendMessageW(window, WM_GETFONT, 0, 0)));
    EXPECT_TRUE(control.GetExStyle() & WS_EX_TRANSPARENT);
}

TEST_F(StaticTest, TextPlacementFollowsTheStaticStyles) {
    const int w = 200, h = 60;
    struct Case {
        const char* name;
        DWORD style;
        const wchar_t* text;
        int across; // -1 left, 0 centred, 1 right
        bool middle;
    };
    const Case cases[] = {
        {"SS_LEFT", SS_LEFT, L"Text", -1, false},
        {"SS_CENTER", SS_CENTER, L"Text", 0, false},
        {"SS_RIGHT", SS_RIGHT, L"Text", 1, false},
        {"SS_CENTERIMAGE, one line", SS_LEFT | SS_CENTERIMAGE, L"Text", 0, true},
        {"SS_CENTERIMAGE, two lines", SS_LEFT | SS_CENTERIMAGE, L"Text\r\nMore", 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        NeloStatic control;
        HWND window = MakeStatic(control, c.text, c.style, w, h);
        const RECT text = TextBounds(window);
        ASSERT_GT(text.right, 0);
        const int leftGap = text.left, rightGap = w - text.right;
        if (c.across < 0) {
            EXPECT_LE(leftGap, 2);
            EXPECT_GT(rightGap, 100);
        } else if (c.across > 0) {
            EXPECT_LE(rightGap, 2);
            EXPECT_GT(leftGap, 100);
        } else {
            EXPECT_LE(std::abs(leftGap - rightGap), 3);
        }
        const int topGap = text.top, bottomGap = h - text.bottom;
        if (c.middle)
            EXPECT_LE(std::abs(topGap - bottomGap), 4);
        else
            EXPECT_LE(topGap, 4);
        control.DestroyWindow();
    }
}

TEST_F(StaticTest, SettingTheTextRepaintsAndTabsExpand) {
    NeloStatic control;
    HWND window = MakeStatic(control, L"", SS_LEFT, 200, 30);
    EXPECT_EQ(0, Capture::Client(window).Count([](COLORREF p) { return p != kFace; }, RECT{0, 0, 200, 30}));
    ::SetWindowTextW(window, L"a\tb");
    Pump();
    const RECT text = TextBounds(window);
    // With the tab expanded the two letters stand well apart.
    EXPECT_GT(text.right - text.left, 20);
}

HBITMAP MakeSolidBitmap(int w, int h, COLORREF colour) {
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
    HGDIOBJ old = SelectObject(mem, bitmap);
    RECT all{0, 0, w, h};
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(mem, &all, brush);
    DeleteObject(brush);
    SelectObject(mem, old);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return bitmap;
}

TEST_F(StaticTest, ImageSitsAtThePicturePositionAndSurvivesABadBitmap) {
    NeloStatic control;
    HWND window = MakeStatic(control, L"", SS_LEFT, 100, 40);
    HBITMAP red = MakeSolidBitmap(10, 6, RGB(255, 0, 0));
    ASSERT_EQ(1, control.SetBitmap(red, RGB(0, 255, 0)));
    ASSERT_EQ(1, control.SetPicturePos(30, 12));
    int x = 0, y = 0;
    ASSERT_EQ(1, control.GetPicturePos(x, y));
    EXPECT_EQ(30, x);
    EXPECT_EQ(12, y);
    Pump();
    auto isRed = [](COLORREF p) { return p == RGB(255, 0, 0); };
    RECT image = Capture::Client(window).Bounds(isRed);
    EXPECT_EQ(30, image.left);
    EXPECT_EQ(12, image.top);
    EXPECT_EQ(40, image.right);
    EXPECT_EQ(18, image.bottom);

    // A handle that is no bitmap cannot be copied: 0, and the old image stays.
    HBITMAP bogus = reinterpret_cast<HBITMAP>(static_cast<INT_PTR>(0x7FFF0001));
    EXPECT_EQ(0, control.SetBitmap(bogus, RGB(0, 255, 0)));
    Repaint(window);
    image = Capture::Client(window).Bounds(isRed);
    EXPECT_EQ(30, image.left);
    EXPECT_EQ(40, image.right);

    // The caller still owns its bitmap: it can be deleted at once.
    EXPECT_TRUE(DeleteObject(red));
    Repaint(window);
    EXPECT_EQ(30, Capture::Client(window).Bounds(isRed).left);

    ASSERT_EQ(1, control.SetBitmap(nullptr, 0));
    Repaint(window);
    EXPECT_EQ(0, Capture::Client(window).Count(isRed, RECT{0, 0, 100, 40}));
}

TEST_F(StaticTest, TemplateStaticIsAttachedByDataExchange) {
    HWND window = host->templateStatic.GetSafeHwnd();
    ASSERT_NE(nullptr, window);
    Repaint(window);
    const Tavrin::_StaticColorInfo c = NeloStatic::DefaultColorInfo();
    const Capture shot = Capture::Client(window);
    EXPECT_GT(
        shot.Count([&](COLORREF p) { return p == c.crStaticText; }, RECT{0, 0, shot.Width(), shot.Height()}),
        5);
}

class GroupBoxTest : public HostTest {
protected:
    HWND MakeGroup(NeloGroupBox& group, const wchar_t* text, DWORD style, int w, int h) {
        HWND window = CreateChild(L"BUTTON", text, BS_GROUPBOX | style, 20, 20, w, h);
        EXPECT_TRUE(group.SubclassWindow(window));
        Repaint(Host());
        return window;
    }
    // The caption's height in the group box's font.
    int CaptionHeight(HWND window) {
        HDC dc = GetDC(window);
        HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(window, WM_GETFONT, 0, 0)));
        SIZE size{};
        GetTextExtentPoint32W(dc, L"Xg", 2, &size);
        SelectObject(dc, old);
        ReleaseDC(window, dc);
        return size.cy;
    }
    int CaptionWidth(HWND window, const wchar_t* text) {
        HDC dc = GetDC(window);
        HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(window, WM_GETFONT, 0, 0)));
        SIZE size{};
        GetTextExtentPoint32W(dc, text, lstrlenW(text), &size);
        SelectObject(dc, old);
        ReleaseDC(window, dc);
        return size.cx;
    }
};

TEST_F(GroupBoxTest, StaysADisabledTransparentGroupBox) {
    NeloGroupBox group;
    HWND window = MakeGroup(group, L"Options", 0, 200, 100);
    EXPECT_EQ(static_cast<DWORD>(BS_GROUPBOX), group.GetStyle() & BS_TYPEMASK);
    EXPECT_FALSE(::IsWindowEnabled(window));
    EXPECT_TRUE(group.GetExStyle() & WS_EX_TRANSPARENT);
    EXPECT_EQ(DLGC_STATIC, ::SendMessageW(window, WM_GETDLGCODE, 0, 0) & DLGC_STATIC);
}

TEST_F(GroupBoxTest, CaptionSitsInAGapOfTheFrame) {
    const int w = 200, h = 100;
    NeloGroupBox group;
    // Spaces: the caption takes room but leaves the gap empty to look at.
    const wchar_t* caption = L"        ";
    HWND window = MakeGroup(group, caption, 0, w, h);
    const COLORREF line = NeloGroupBox::DefaultColorInfo().crGroupLine;
    const int cy = CaptionHeight(window), cx = CaptionWidth(window, caption);
    const int lineY = cy / 2;
    const Capture shot = Capture::Client(window);
    const COLORREF background = ClientPixel(Host(), 5, 5);
    // The top line runs through the middle of the caption...
    EXPECT_COLOUR_NEAR(line, shot.At(6, lineY), 24);
    EXPECT_COLOUR_NEAR(line, shot.At(w - 20, lineY), 24);
    // ...except in the gap from x = 11 to 11 + cx + 2.
    for (int x = 12; x < 11 + cx + 2; x += 3)
        EXPECT_COLOUR(background, shot.At(x, lineY)) << "x = " << x;
    // The other sides: left, right and bottom lines.
    EXPECT_COLOUR_NEAR(line, shot.At(0, h / 2), 24);
    EXPECT_COLOUR_NEAR(line, shot.At(w - 1, h / 2), 24);
    EXPECT_COLOUR_NEAR(line, shot.At(w / 2, h - 1), 24);
    // Inside the frame the box leaves the dialog alone.
    EXPECT_COLOUR(background, shot.At(w / 2, h / 2));

    // Without the caption the frame runs along the very top, with no gap.
    ASSERT_EQ(1, group.ShowText(0));
    Repaint(Host());
    const Capture plain = Capture::Client(window);
    EXPECT_COLOUR_NEAR(line, plain.At(20, 0), 24);
    EXPECT_COLOUR(background, plain.At(20, lineY));
}

TEST_F(GroupBoxTest, CaptionTextIsDrawnInTheCaptionColour) {
    NeloGroupBox group;
    HWND window = MakeGroup(group, L"Output", 0, 200, 100);
    const Tavrin::_GroupBoxColorInfo c = NeloGroupBox::DefaultColorInfo();
    EXPECT_EQ(RGB(6, 45, 117), c.crGroupLine);
    EXPECT_EQ(RGB(49, 93, 148), c.crGroupText);
    const Capture shot = Capture::Client(window);
    const int cy = CaptionHeight(window);
    const int cx = CaptionWidth(window, L"Output");
    // Caption pixels lie right of x = 12 within the caption's width.
    const RECT ink = shot.Bounds([&](COLORREF p) { return p == c.crGroupText; }, RECT{0, 0, 200, cy});
    EXPECT_GE(ink.left, 12);
    EXPECT_LE(ink.right, 12 + cx + 1);
}

TEST_F(GroupBoxTest, ThickLineIsCutToTheBoxOnFirstPaint) {
    NeloGroupBox group;
    EXPECT_EQ(0, group.SetLineThickness(0));
    EXPECT_EQ(0, group.SetLineThickness(11));
    EXPECT_EQ(1, group.GetLineThickness());
    HWND window = CreateChild(L"BUTTON", L"", BS_GROUPBOX, 20, 20, 100, 8);
    ASSERT_TRUE(group.SubclassWindow(window));
    ASSERT_EQ(1, group.ShowText(0));
    ASSERT_EQ(1, group.SetLineThickness(10));
    EXPECT_EQ(10, group.GetLineThickness());
    Repaint(Host());
    // 2 x min(8 / 2, 100 / 2, 5) = 8.
    EXPECT_EQ(8, group.GetLineThickness());
}

TEST_F(GroupBoxTest, LineNeverGetsThinnerThanOnePixel) {
    NeloGroupBox group;
    HWND window = CreateChild(L"BUTTON", L"", BS_GROUPBOX, 20, 20, 100, 1);
    ASSERT_TRUE(group.SubclassWindow(window));
    ASSERT_EQ(1, group.ShowText(0));
    ASSERT_EQ(1, group.SetLineThickness(4));
    Repaint(Host());
    EXPECT_EQ(1, group.GetLineThickness());
}

TEST_F(GroupBoxTest, ThicknessAndCornersChangeTheFrame) {
    const int w = 120, h = 80;
    NeloGroupBox group;
    HWND window = MakeGroup(group, L"", 0, w, h);
    ASSERT_EQ(1, group.ShowText(0));
    ASSERT_EQ(1, group.SetGroupBoxColorInfo(Tavrin::_GroupBoxColorInfo{RGB(200, 0, 0), RGB(0, 0, 200)}));
    ASSERT_EQ(1, group.SetLineThickness(4));
    Repaint(Host());
    auto isLine = [](COLORREF p) { return GetRValue(p) > 150 && GetGValue(p) < 80 && GetBValue(p) < 80; };
    const Capture thick = Capture::Client(window);
    // A four-pixel line along the left side, well inside the box.
    EXPECT_EQ(4, thick.Count(isLine, RECT{0, h / 2, 10, h / 2 + 1}));

    // Back to one pixel: the parent repaints beneath, so no trace of the
    // thick line stays.
    ASSERT_EQ(1, group.SetLineThickness(1));
    Pump();
    const Capture thin = Capture::Client(window);
    EXPECT_EQ(1, thin.Count(isLine, RECT{0, h / 2, 10, h / 2 + 1}));

    // Square corners reach the corner pixel, large rounded ones do not.
    ASSERT_EQ(1, group.SetRoundCornersStyle(Tavrin::GroupBoxCornersSquare));
    Pump();
    EXPECT_TRUE(isLine(ClientPixel(window, 0, 0)));
    ASSERT_EQ(1, group.SetRoundCornersStyle(Tavrin::GroupBoxCornersLarge));
    Pump();
    EXPECT_FALSE(isLine(ClientPixel(window, 0, 0)));
    EXPECT_TRUE(isLine(ClientPixel(window, w / 2, 0)));
}

} // namespace

namespace {

TEST_F(StaticTest, FontsComeFromTheCacheAndBadSizesAreRefused) {
    NeloStatic label;
    HWND labelWindow = CreateChild(L"STATIC", L"Label", SS_LEFT, 20, 20, 100, 20);
    ASSERT_TRUE(label.SubclassWindow(labelWindow));
    NeloGroupBox group;
    HWND groupWindow = CreateChild(L"BUTTON", L"Group", BS_GROUPBOX, 20, 50, 100, 60);
    ASSERT_TRUE(group.SubclassWindow(groupWindow));
    Tavrin::NeloButton button;
    HWND buttonWindow = CreateChild(L"BUTTON", L"Button", 0, 20, 120, 100, 30);
    ASSERT_TRUE(button.SubclassWindow(buttonWindow));
    Tavrin::NeloToolTipCtrl tip;
    ASSERT_TRUE(tip.Create(host));

    for (int size : {0, 101, -3}) {
        SCOPED_TRACE(size);
        EXPECT_EQ(0, label.SetFont(L"Arial", size, 0));
        EXPECT_EQ(0, group.SetFont(L"Arial", size, 0));
        EXPECT_EQ(0, button.SetFont(L"Arial", size, 0));
        EXPECT_EQ(0, button.SetToolTipCtrlFont(L"Arial", size, 0));
        EXPECT_EQ(0, tip.SetFont(L"Arial", size, 0));
    }
    const HFONT big = Tavrin::SkinResourceCache::GetFont(Tavrin::FontKey(L"Arial", 14, 1));
    EXPECT_EQ(1, label.SetFont(L"Arial", 14, 1));
    EXPECT_EQ(1, group.SetFont(L"Arial", 14, 1));
    EXPECT_EQ(1, tip.SetFont(L"Arial", 14, 1));
    EXPECT_EQ(big, reinterpret_cast<HFONT>(::SendMessageW(labelWindow, WM_GETFONT, 0, 0)));
    EXPECT_EQ(big, reinterpret_cast<HFONT>(::SendMessageW(groupWindow, WM_GETFONT, 0, 0)));
    // The tooltip keeps its own copy of the font it is given.
    LOGFONTW given{}, kept{};
    GetObjectW(big, sizeof(given), &given);
    GetObjectW(reinterpret_cast<HFONT>(tip.SendMessage(WM_GETFONT)), sizeof(kept), &kept);
    EXPECT_EQ(given.lfHeight, kept.lfHeight);
    EXPECT_EQ(given.lfWeight, kept.lfWeight);
    EXPECT_STREQ(given.lfFaceName, kept.lfFaceName);
    EXPECT_EQ(1, button.SetToolTipCtrlFont(L"Arial", 100, 0));
    tip.DestroyWindow();
}

} // namespace

namespace {

class PrintTest : public HostTest {};

// WM_PRINTCLIENT into a memory bitmap, prefilled with what lies beneath the
// control, gives the same pixels as the screen shows: the painter behind
// WM_PAINT is the one behind WM_PRINTCLIENT.
TEST_F(PrintTest, PrintClientDrawsWhatThePaintDraws) {
    NeloStatic label;
    ASSERT_TRUE(label.SubclassWindow(CreateChild(L"STATIC", L"Printed text", SS_CENTER, 20, 20, 120, 24)));
    ASSERT_TRUE(
        label.SetStaticColorInfo(Tavrin::_StaticColorInfo{RGB(250, 240, 200), RGB(200, 220, 250), kInk}));
    NeloGroupBox group;
    ASSERT_TRUE(group.SubclassWindow(CreateChild(L"BUTTON", L"Printed", BS_GROUPBOX, 20, 60, 140, 70)));
    ASSERT_EQ(1, group.SetLineThickness(2));
    Tavrin::NeloProgressCtrl bar;
    ASSERT_TRUE(bar.SubclassWindow(CreateChild(PROGRESS_CLASSW, L"", WS_BORDER, 20, 150, 160, 16)));
    bar.SetRange32(0, 100);
    bar.SetPos(60);
    Repaint(Host());
    const COLORREF beneath = ClientPixel(Host(), 5, 5);

    const struct {
        const char* name;
        HWND window;
    } controls[] = {{"static", label.GetSafeHwnd()},
                    {"group box", group.GetSafeHwnd()},
                    {"progress bar", bar.GetSafeHwnd()}};
    for (const auto& control : controls) {
        SCOPED_TRACE(control.name);
        HWND window = control.window;
        RECT client{};
        ::GetClientRect(window, &client);
        const Capture shown = Capture::Client(window);
        HDC screen = ::GetDC(nullptr);
        HDC memory = ::CreateCompatibleDC(screen);
        HBITMAP bitmap = ::CreateCompatibleBitmap(screen, client.right, client.bottom);
        ::ReleaseDC(nullptr, screen);
        HGDIOBJ old = ::SelectObject(memory, bitmap);
        HBRUSH fill = ::CreateSolidBrush(beneath);
        ::FillRect(memory, &client, fill);
        ::DeleteObject(fill);
        ::SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
        const Capture printed = Capture::Of(memory, client);
        ::SelectObject(memory, old);
        ::DeleteObject(bitmap);
        ::DeleteDC(memory);
        EXPECT_EQ(0, printed.Differences(shown));
        EXPECT_GT(printed.Count([&](COLORREF p) { return p != beneath; }), 20) << "something was printed";
    }
}

} // namespace
