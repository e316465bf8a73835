// The skinned menu: its defaults, the bar (placement, layout, looks, the
// item a press opens), the popups driven by real mouse and keyboard input
// inside their own nested loops (commands, sub-menus, placement, check marks
// and images), the loop's care for WM_QUIT and queued messages, a modal
// dialog opened by a command, Alt and F10, items changed at run time, a
// menu deleted while its popup is open, and GDI counts over repaints.
#include "menu_test_support.h"

#include "support/colour_record.h"
#include "support/rects.h"

#include <algorithm>

using namespace menus_test;
using namespace Tavrin;
using quorvex_test::ColourEntry;
using quorvex_test::ExpectedMessage;
using quorvex_test::LeftClick;
using quorvex_test::MatchLParam;
using quorvex_test::MatchWParam;
using quorvex_test::MessageRecorder;
using quorvex_test::Posted;
using quorvex_test::RecordHolds;
using quorvex_test::ToParent;

namespace {

const ColourEntry<_MenuColorInfo> kMenuColours[] = {
    {"clrBackFrom", &_MenuColorInfo::clrBackFrom, RGB(252, 252, 254)},
    {"clrBackTo", &_MenuColorInfo::clrBackTo, RGB(236, 233, 216)},
    {"clrHotBackFrom", &_MenuColorInfo::clrHotBackFrom, RGB(0, 192, 232)},
    {"clrHotBackTo", &_MenuColorInfo::clrHotBackTo, RGB(236, 233, 216)},
    {"clrImageBarFrom", &_MenuColorInfo::clrImageBarFrom, RGB(245, 245, 245)},
    {"clrImageBarTo", &_MenuColorInfo::clrImageBarTo, RGB(140, 207, 212)},
    {"clrBorder", &_MenuColorInfo::clrBorder, RGB(210, 217, 237)},
    {"clrHotFrame", &_MenuColorInfo::clrHotFrame, RGB(121, 180, 219)},
    {"clrTextNormal", &_MenuColorInfo::clrTextNormal, RGB(6, 45, 117)},
    {"clrTextHot", &_MenuColorInfo::clrTextHot, RGB(250, 250, 250)},
    {"clrTextDisabled", &_MenuColorInfo::clrTextDisabled, RGB(176, 176, 168)},
    {"clrCheckNormal", &_MenuColorInfo::clrCheckNormal, RGB(6, 45, 117)},
    {"clrCheckHot", &_MenuColorInfo::clrCheckHot, RGB(250, 250, 250)},
    {"clrCheckDisabled", &_MenuColorInfo::clrCheckDisabled, RGB(176, 176, 168)},
    {"clrArrowNormal", &_MenuColorInfo::clrArrowNormal, RGB(6, 45, 117)},
    {"clrArrowHot", &_MenuColorInfo::clrArrowHot, RGB(250, 250, 250)},
    {"clrArrowDisabled", &_MenuColorInfo::clrArrowDisabled, RGB(176, 176, 168)},
};

const COLORREF kBorder = RGB(210, 217, 237);
const COLORREF kHotFrame = RGB(121, 180, 219);
const COLORREF kTextNormal = RGB(6, 45, 117);
const COLORREF kTextHot = RGB(250, 250, 250);
const COLORREF kTextDisabled = RGB(176, 176, 168);
const COLORREF kRed = RGB(255, 0, 0);

const UINT kClearAllFiles = 32788;
const UINT kShutDown = 32786;
const UINT kLogOff = 32787;
const UINT kSettings = 32776;

Script::Step WaitForPopups(size_t count) {
    return [count] { return Popups().size() == count; };
}
Script::Step Click(POINT at) {
    return [at] {
        LeftClick(at);
        return true;
    };
}
Script::Step Key(WORD key, bool withAlt = false) {
    return [key, withAlt] {
        PressKey(key, withAlt);
        return true;
    };
}

int MaxWidth(std::initializer_list<const wchar_t*> texts) {
    int widest = 0;
    for (const wchar_t* text : texts)
        widest = std::max(widest, ArialTenWidth(text));
    return widest;
}

HBITMAP RedSquareWithWhiteCorner() {
    HDC screen = ::GetDC(nullptr);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 16, 16);
    HDC dc = ::CreateCompatibleDC(screen);
    HGDIOBJ old = ::SelectObject(dc, bitmap);
    RECT all{0, 0, 16, 16};
    HBRUSH red = ::CreateSolidBrush(kRed);
    ::FillRect(dc, &all, red);
    ::DeleteObject(red);
    ::SetPixel(dc, 15, 15, RGB(255, 255, 255));
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
    ::ReleaseDC(nullptr, screen);
    return bitmap;
}

TEST(MenuDefaults, ColoursItemHeightAndItsLimits) {
    NeloMenu menu;
    EXPECT_TRUE(RecordHolds(NeloMenu::DefaultColorInfo(), kMenuColours));
    _MenuColorInfo read{};
    EXPECT_EQ(1, menu.GetMenuColorInfo(read));
    EXPECT_TRUE(RecordHolds(read, kMenuColours));
    EXPECT_EQ(24, menu.GetMenuItemHeight());
    struct Case {
        int height;
        int result;
        int after;
    };
    const Case cases[] = {{14, 0, 24}, {36, 0, 24}, {24, 1, 24}, {15, 1, 15}, {35, 1, 35}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.height);
        EXPECT_EQ(c.result, menu.SetMenuItemHeight(c.height));
        EXPECT_EQ(c.after, menu.GetMenuItemHeight());
    }
    EXPECT_EQ(0, menu.SetFont(L"Arial", 0, 0));
    EXPECT_EQ(0, menu.SetFont(L"Arial", 101, 0));
    EXPECT_EQ(1, menu.SetFont(L"Arial", 100, 1));
    EXPECT_EQ(0, menu.SetMenuBar(nullptr));
    EXPECT_EQ(0, menu.TrackPopupMenu(0, 10, 10, nullptr)) << "no owner, no menu handle";
}

TEST_F(MenuTest, BarRunsAlongTheTopWithItemsEdgeToEdge) {
    EXPECT_EQ(nullptr, ::GetMenu(Host()));
    ASSERT_NE(nullptr, Bar());
    EXPECT_EQ(Host(), ::GetParent(Bar()));
    RECT window{};
    ::GetWindowRect(Bar(), &window);
    EXPECT_RECT((RECT{0, 0, ::GetSystemMetrics(SM_CXSCREEN), 25}), window);
    RECT client{};
    ::GetClientRect(Bar(), &client);
    EXPECT_RECT((RECT{0, 0, ::GetSystemMetrics(SM_CXSCREEN), 24}), client);

    const std::vector<geometry::MenuBarItem> layout = host->menu->MenuBar()->Layout();
    ASSERT_EQ(4u, layout.size());
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(i, layout[i].position);
        EXPECT_RECT(barItems[i], layout[i].rect);
    }
    const Capture bar = Capture::Window(Bar());
    EXPECT_COLOUR(kBorder, bar.At(600, 24));
    EXPECT_COLOUR_NEAR(RGB(252, 252, 254), bar.At(600, 0), 3);
    EXPECT_COLOUR_NEAR(RGB(236, 233, 216), bar.At(600, 23), 4);
    EXPECT_EQ(0, bar.Count([](COLORREF c) { return c == kHotFrame; })) << "nothing is hot";
    EXPECT_GT(bar.Count([](COLORREF c) { return c == kTextNormal; }, barItems[2]), 0) << "Options' text";
}

TEST_F(MenuTest, HoverHighlightsTheItemUnderThePointer) {
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        MoveMouse(BarItemCentre(i));
        ASSERT_TRUE(PumpUntil([&] { return host->menu->MenuBar()->HotIndex() == i; }));
        Pump();
        const Capture bar = Capture::Window(Bar());
        const RECT& r = barItems[i];
        EXPECT_COLOUR(kHotFrame, bar.At(r.left + 1, 1));
        EXPECT_COLOUR(kHotFrame, bar.At(r.right - 2, 22));
        EXPECT_NE(kHotFrame, bar.At(r.left, 12)) << "the frame sits one pixel inside the item";
        EXPECT_GT(bar.Count([](COLORREF c) { return c == kTextHot; }, r), 0);
        EXPECT_EQ(0, bar.Count([](COLORREF c) { return c == kHotFrame; }, RECT{r.right, 0, 1000, 24}));
    }
    MoveMouse(POINT{600, 600});
    EXPECT_TRUE(PumpUntil([&] { return host->menu->MenuBar()->HotIndex() == -1; }));
}

TEST_F(MenuTest, PressOpensThePopupOfTheItemPressedAndItsReleaseChoosesNothing) {
    // Heights: 2 + 24 per command + 1 per separator; widths: the widest text
    // + 24 + 25, and 5 more for a sub-menu item.
    const int heights[4] = {125, 99, 50, 51};
    const int widths[4] = {
        MaxWidth({L"Add File(s)...", L"Convert", L"Stop", L"Settings", L"Exit"}) + 49,
        MaxWidth({L"Remove Selected File(s)", L"Clear All Files", L"Clear All Converted Files",
                  L"Open Output Folder"}) +
            49,
        std::max(ArialTenWidth(L"Post Task Actions") + 54, ArialTenWidth(L"Run In Background") + 49),
        MaxWidth({L"Feedback and Support", L"About Quorvex"}) + 49,
    };
    for (int i = 0; i < 4; ++i) {
        for (int edge = 0; edge < 2; ++edge) {
            SCOPED_TRACE(std::to_string(i) + (edge ? " last column" : " first column"));
            const POINT at{edge ? barItems[i].right - 1 : barItems[i].left, 20};
            RECT popup{};
            Script script({Click(at), WaitForPopups(1),
                           [&] {
                               ::GetWindowRect(Popups()[0], &popup);
                               return true;
                           },
                           Key(VK_ESCAPE), WaitForPopups(0)});
            ASSERT_TRUE(Run(script)) << "stopped at step " << script.StepReached();
            EXPECT_RECT((RECT{barItems[i].left, 24, barItems[i].left + widths[i], 24 + heights[i]}), popup);
        }
    }
    EXPECT_TRUE(host->menuCommands.empty());
    EXPECT_EQ(0, host->okOrCancel) << "Escape reached the dialog";
}

TEST_F(MenuTest, AChosenCommandIsPostedOnceAfterTheChainClosed) {
    MessageRecorder recorder(Bar(), Host(), {WM_COMMAND});
    Script choose({Click(BarItemCentre(1)), WaitForPopups(1),
                   [] { return LeftClick(PopupItemPoint(Popups()[0], 1, 0)), true; }, WaitForPopups(0)});
    ASSERT_TRUE(Run(choose)) << "stopped at step " << choose.StepReached();
    EXPECT_TRUE(
        recorder.Matches({{WM_COMMAND, Posted, ToParent, MatchWParam | MatchLParam, kClearAllFiles, 0}}));
    EXPECT_EQ(std::vector<UINT>{kClearAllFiles}, host->menuCommands);
    EXPECT_EQ(0, host->menuOpenAtCommand) << "the command came while the menu still held the mouse";

    // A greyed command, a separator and the image column's edge choose nothing.
    recorder.Clear();
    Script nothing({Click(BarItemCentre(0)), WaitForPopups(1),
                    [] { return LeftClick(PopupItemPoint(Popups()[0], 2, 1)), true; }, // "Stop", greyed
                    [] {
                        RECT w{};
                        ::GetWindowRect(Popups()[0], &w);
                        return LeftClick(POINT{w.left + 40, w.top + 1 + 24}), true; // the separator
                    },
                    [] { return Popups().size() == 1; }, Key(VK_ESCAPE), WaitForPopups(0)});
    ASSERT_TRUE(Run(nothing)) << "stopped at step " << nothing.StepReached();
    EXPECT_TRUE(recorder.Matches({}));
    EXPECT_EQ(std::vector<UINT>{kClearAllFiles}, host->menuCommands);
}

TEST_F(MenuTest, SubMenuOpensAndClosesByKeyboardInNestedLoops) {
    RECT parent{}, child{};
    Script walk({Click(BarItemCentre(2)), WaitForPopups(1), Key(VK_DOWN),
                 [] { return PopupObject(Popups()[0])->HotIndex() == 0; }, Key(VK_RIGHT), WaitForPopups(2),
                 [&] {
                     ::GetWindowRect(Popups()[0], &parent);
                     ::GetWindowRect(Popups()[1], &child);
                     return true;
                 },
                 Key(VK_DOWN), Key(VK_DOWN), [] { return PopupObject(Popups()[1])->HotIndex() == 1; },
                 Key(VK_LEFT), WaitForPopups(1),
                 [] {
                     NeloMenuPopupWnd* top = PopupObject(Popups()[0]);
                     return top->OpenSubIndex() == -1 && top->HotIndex() == 0;
                 },
                 Key(VK_RIGHT), WaitForPopups(2), Key(VK_ESCAPE), WaitForPopups(0)});
    ASSERT_TRUE(Run(walk)) << "stopped at step " << walk.StepReached();
    // Beside its item: the parent item inflated by one pixel, its right edge
    // on the parent window's right edge.
    EXPECT_EQ(parent.right, child.left);
    EXPECT_EQ(parent.top, child.top);
    EXPECT_TRUE(host->menuCommands.empty());

    Script choose({Click(BarItemCentre(2)), WaitForPopups(1), Key(VK_DOWN), Key(VK_RIGHT), WaitForPopups(2),
                   Key(VK_DOWN), Key(VK_DOWN), Key(VK_RETURN), WaitForPopups(0)});
    ASSERT_TRUE(Run(choose)) << "stopped at step " << choose.StepReached();
    EXPECT_EQ(std::vector<UINT>{kShutDown}, host->menuCommands);
    EXPECT_EQ(0, host->okOrCancel) << "Return or Escape reached the dialog's own handling";
}

TEST_F(MenuTest, HoverOpensASubMenuAClickChoosesAndAClickOutsideClosesAll) {
    Script choose({Click(BarItemCentre(2)), WaitForPopups(1),
                   [] { return MoveMouse(PopupItemPoint(Popups()[0], 0, 0)), true; }, WaitForPopups(2),
                   [] { return MoveMouse(PopupItemPoint(Popups()[1], 2, 0)), true; },
                   [] { return LeftClick(PopupItemPoint(Popups()[1], 2, 0)), true; }, WaitForPopups(0)});
    ASSERT_TRUE(Run(choose)) << "stopped at step " << choose.StepReached();
    EXPECT_EQ(std::vector<UINT>{kLogOff}, host->menuCommands);

    Script outside({Click(BarItemCentre(2)), WaitForPopups(1),
                    [] { return MoveMouse(PopupItemPoint(Popups()[0], 0, 0)), true; }, WaitForPopups(2),
                    Click(POINT{700, 500}), WaitForPopups(0)});
    ASSERT_TRUE(Run(outside)) << "stopped at step " << outside.StepReached();
    EXPECT_EQ(std::vector<UINT>{kLogOff}, host->menuCommands);
}

TEST_F(MenuTest, CheckMarksAndImages) {
    HMENU options = ::GetSubMenu(host->menu->GetSafeHmenu(), 2);
    HMENU actions = ::GetSubMenu(options, 0);
    ::CheckMenuRadioItem(actions, 0, 2, 1, MF_BYPOSITION);
    ::CheckMenuItem(options, 32784, MF_BYCOMMAND | MF_CHECKED);
    HBITMAP red = RedSquareWithWhiteCorner();
    ASSERT_EQ(1, host->menu->SetMenuItemBitmap(32780, red, RGB(255, 255, 255)));
    ::DeleteObject(red); // the menu keeps its own copy
    ::CheckMenuItem(::GetSubMenu(host->menu->GetSafeHmenu(), 3), 32780, MF_BYCOMMAND | MF_CHECKED);

    // Check marks count in the image cell of a row (window coordinates: one
    // pixel of border, cells 24 x 24).
    auto ticks = [](const Capture& popup, int row) {
        return popup.Count([](COLORREF c) { return c == kTextNormal; },
                           RECT{1, 1 + row * 24, 25, 25 + row * 24});
    };
    int radio = -1, plain = -1, check = -1;
    Script subMenu({Click(BarItemCentre(2)), WaitForPopups(1), Key(VK_DOWN), Key(VK_RIGHT), WaitForPopups(2),
                    [&] {
                        const Capture sub = Capture::Window(Popups()[1]);
                        radio = ticks(sub, 1);
                        plain = ticks(sub, 0);
                        check = ticks(Capture::Window(Popups()[0]), 1);
                        return true;
                    },
                    Key(VK_ESCAPE), WaitForPopups(0)});
    ASSERT_TRUE(Run(subMenu)) << "stopped at step " << subMenu.StepReached();
    EXPECT_GE(radio, 12) << "the radio check shows the tick";
    EXPECT_GE(check, 12);
    EXPECT_EQ(0, plain);

    // "About Quorvex" (after one item and a separator): the 16 x 16 image at
    // (4, 4) in its cell, its white corner transparent, and no tick.
    COLORREF inside = 0, before = 0, lastColumn = 0, corner = 0;
    int tick = -1;
    Script help({Click(BarItemCentre(3)), WaitForPopups(1),
                 [&] {
                     const Capture popup = Capture::Window(Popups()[0]);
                     const int top = 1 + 25 + 4;
                     inside = popup.At(1 + 4, top);
                     before = popup.At(1 + 3, top);
                     lastColumn = popup.At(1 + 19, top + 14);
                     corner = popup.At(1 + 19, top + 15);
                     tick = popup.Count([](COLORREF c) { return c == kTextNormal; }, RECT{1, 26, 25, 50});
                     return true;
                 },
                 Key(VK_ESCAPE), WaitForPopups(0)});
    ASSERT_TRUE(Run(help)) << "stopped at step " << help.StepReached();
    EXPECT_COLOUR(kRed, inside);
    EXPECT_NE(kRed, before);
    EXPECT_COLOUR(kRed, lastColumn);
    EXPECT_NE(kRed, corner) << "the mask colour is transparent";
    EXPECT_EQ(0, tick);
}

TEST_F(MenuTest, PopupLooksAtScreenPixels) {
    // File with its first item highlighted from the keyboard (window
    // coordinates: one pixel of border around the client area).
    Capture file;
    Capture options;
    Script script({Click(BarItemCentre(0)), WaitForPopups(1), Key(VK_DOWN),
                   [&] {
                       file = Capture::Window(Popups()[0]);
                       return true;
                   },
                   Key(VK_ESCAPE), WaitForPopups(0), Click(BarItemCentre(2)), WaitForPopups(1), Key(VK_DOWN),
                   [&] {
                       options = Capture::Window(Popups()[0]);
                       return true;
                   },
                   Key(VK_ESCAPE), WaitForPopups(0)},
                  15000);
    ASSERT_TRUE(Run(script)) << "stopped at step " << script.StepReached();
    const int right = file.Width() - 1;
    const int bottom = file.Height() - 1;
    for (POINT corner :
         {POINT{0, 0}, POINT{right, 0}, POINT{0, bottom}, POINT{right, bottom}, POINT{60, bottom}})
        EXPECT_COLOUR(kBorder, file.At(corner.x, corner.y));
    // The hot row: its frame one pixel inside, its text in the hot colour.
    EXPECT_COLOUR(kHotFrame, file.At(2, 2));
    EXPECT_COLOUR(kHotFrame, file.At(right - 2, 23));
    EXPECT_GT(file.Count([](COLORREF c) { return c == kTextHot; }, RECT{30, 2, right, 24}), 0);
    // The separator below it runs from H + 5 to ten pixels short of the right.
    EXPECT_COLOUR(kBorder, file.At(1 + 29, 1 + 24));
    EXPECT_COLOUR(kBorder, file.At(right - 11, 1 + 24));
    EXPECT_NE(kBorder, file.At(1 + 28, 1 + 24));
    EXPECT_NE(kBorder, file.At(right - 10, 1 + 24));
    // The greyed "Stop" (after two items and a separator).
    EXPECT_GT(file.Count([](COLORREF c) { return c == kTextDisabled; }, RECT{30, 1 + 49, right, 1 + 73}), 0);
    // The image column: a gradient from (1, 1) over the client height - 2.
    const double down = (60.0 - 1) / (file.Height() - 2 - 2);
    EXPECT_COLOUR_NEAR(quorvex_test::Mix(RGB(245, 245, 245), RGB(140, 207, 212), down),
                       file.At(1 + 5, 1 + 60), 6);
    // Options: the hot sub-menu item's arrow in the hot arrow colour at its
    // tip (right - 10, middle), the other item's arrow-free row.
    const int tip = options.Width() - 2 - 10;
    EXPECT_COLOUR(kTextHot, options.At(1 + tip - 1, 1 + 12));
    EXPECT_EQ(0, options.Count([](COLORREF c) { return c == kTextNormal; },
                               RECT{options.Width() - 16, 26, options.Width() - 1, 49}));
}

TEST_F(MenuTest, TrackedPopupsKeepOffTheScreenEdges) {
    const SIZE screen{::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    NeloMenu* edit = host->menu->GetSubMenu(1);
    ASSERT_NE(nullptr, edit);
    EXPECT_EQ(nullptr, host->menu->GetSubMenu(-1));
    const int width = MaxWidth({L"Remove Selected File(s)", L"Clear All Files", L"Clear All Converted Files",
                                L"Open Output Folder"}) +
                      49;
    RECT popup{};
    Script corner({WaitForPopups(1),
                   [&] {
                       ::GetWindowRect(Popups()[0], &popup);
                       return true;
                   },
                   Key(VK_ESCAPE), WaitForPopups(0)});
    corner.Start();
    EXPECT_EQ(1, edit->TrackPopupMenu(0, screen.cx - 10, screen.cy - 4, host));
    EXPECT_RECT((RECT{screen.cx - 10 - width, screen.cy - 4 - 99, screen.cx - 10, screen.cy - 4}), popup);

    // A sub-menu that would cross the right edge opens left of its item.
    NeloMenu* options = host->menu->GetSubMenu(2);
    ASSERT_NE(nullptr, options);
    RECT parent{}, child{};
    Script edge({WaitForPopups(1), Key(VK_DOWN), Key(VK_RIGHT), WaitForPopups(2),
                 [&] {
                     ::GetWindowRect(Popups()[0], &parent);
                     ::GetWindowRect(Popups()[1], &child);
                     return true;
                 },
                 Key(VK_ESCAPE), WaitForPopups(0)});
    edge.Start();
    EXPECT_EQ(1, options->TrackPopupMenu(TPM_RIGHTALIGN, screen.cx, 100, host));
    EXPECT_EQ(screen.cx, parent.right);
    EXPECT_EQ(parent.left, child.right);
    EXPECT_EQ(parent.top, child.top);

    // TPM_RETURNCMD: chosen, but no WM_COMMAND.
    Script returnCommand({WaitForPopups(1), Key(VK_DOWN), Key(VK_RETURN), WaitForPopups(0)});
    returnCommand.Start();
    EXPECT_EQ(1, host->menu->GetSubMenu(1)->TrackPopupMenu(TPM_RETURNCMD, 300, 300, host));
    Pump();
    EXPECT_TRUE(host->menuCommands.empty());
}

TEST_F(MenuTest, TheLoopLosesNoMessageAndHandsWmQuitOn) {
    NeloMenu* edit = host->menu->GetSubMenu(1);
    // Escape and a message for the owner queued together: the popup closes
    // on the first and leaves the second for the loop below.
    Script queued({WaitForPopups(1), [&] {
                       ::PostMessageW(Popups()[0], WM_KEYDOWN, VK_ESCAPE, 0);
                       ::PostMessageW(Host(), WM_APP + 5, 0x5A, 0);
                       return true;
                   }});
    queued.Start();
    EXPECT_EQ(1, edit->TrackPopupMenu(0, 300, 300, host));
    MSG msg{};
    EXPECT_TRUE(::PeekMessageW(&msg, Host(), WM_APP + 5, WM_APP + 5, PM_REMOVE));
    EXPECT_EQ(0x5Au, msg.wParam);

    Script quit({WaitForPopups(1), [] { return ::PostQuitMessage(7), true; }});
    quit.Start();
    EXPECT_EQ(1, edit->TrackPopupMenu(0, 300, 300, host));
    EXPECT_TRUE(Popups().empty());
    msg = MSG{};
    EXPECT_TRUE(::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "WM_QUIT was swallowed";
    EXPECT_EQ(7u, msg.wParam);
}

TEST_F(MenuTest, AModalDialogOpenedByACommandGetsItsOwnClicks) {
    host->modalCommand = kSettings;
    auto probe = [this]() -> HWND {
        for (HWND w = ::GetWindow(::GetDesktopWindow(), GW_CHILD); w; w = ::GetWindow(w, GW_HWNDNEXT)) {
            if (w != Host() && ::IsWindowVisible(w) &&
                ::GetWindowThreadProcessId(w, nullptr) == ::GetCurrentThreadId() && ::GetDlgItem(w, IDOK))
                return w;
        }
        return nullptr;
    };
    Script script({Click(BarItemCentre(0)), WaitForPopups(1),
                   [] { return LeftClick(PopupItemPoint(Popups()[0], 3, 2)), true; }, // "Settings"
                   [&] { return probe() != nullptr; },
                   [&] {
                       RECT button{};
                       ::GetWindowRect(::GetDlgItem(probe(), IDOK), &button);
                       LeftClick(POINT{(button.left + button.right) / 2, (button.top + button.bottom) / 2});
                       return true;
                   },
                   [&] { return probe() == nullptr; }});
    ASSERT_TRUE(Run(script)) << "stopped at step " << script.StepReached();
    EXPECT_EQ(IDOK, host->modalResult);
    EXPECT_EQ(std::vector<UINT>{kSettings}, host->menuCommands);
}

TEST_F(MenuTest, AltAndF10ReachTheBar) {
    struct Case {
        const char* name;
        WORD key;
        bool withAlt;
        int item;
    };
    const Case cases[] = {
        {"F10", VK_F10, false, 0},
        {"Alt alone", VK_MENU, false, 0},
        {"Alt+O: the access key of Options", 'O', true, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ::SetFocus(host->GetDlgItem(IDC_FOCUS_EDIT)->GetSafeHwnd());
        RECT popup{};
        int hot = -2;
        Script script({Key(c.key, c.withAlt), WaitForPopups(1),
                       [&] {
                           ::GetWindowRect(Popups()[0], &popup);
                           hot = PopupObject(Popups()[0])->HotIndex();
                           return true;
                       },
                       Key(VK_ESCAPE), WaitForPopups(0)});
        ASSERT_TRUE(Run(script)) << "stopped at step " << script.StepReached();
        EXPECT_EQ(barItems[c.item].left, popup.left);
        EXPECT_EQ(24, popup.top);
        EXPECT_EQ(0, hot) << "opened from the keyboard with its first item highlighted";
    }
    EXPECT_EQ(0, host->okOrCancel);
    EXPECT_TRUE(host->menuCommands.empty());
}

TEST_F(MenuTest, ItemsChangedWithTheMenuCallsShowAtTheNextPaint) {
    HMENU bar = host->menu->GetSafeHmenu();
    ::ModifyMenuW(bar, 1, MF_BYPOSITION | MF_POPUP | MF_STRING,
                  reinterpret_cast<UINT_PTR>(::GetSubMenu(bar, 1)), L"&Edit More");
    ::EnableMenuItem(bar, 0, MF_BYPOSITION | MF_GRAYED);
    Repaint(Bar());
    const std::vector<RECT> changed = ExpectedBarItems({L"&File", L"&Edit More", L"&Options", L"&Help"});
    const std::vector<geometry::MenuBarItem> layout = host->menu->MenuBar()->Layout();
    ASSERT_EQ(4u, layout.size());
    EXPECT_RECT(changed[1], layout[1].rect);
    EXPECT_RECT(changed[3], layout[3].rect);

    MoveMouse(POINT{(changed[0].left + changed[0].right) / 2, 12});
    ASSERT_TRUE(PumpUntil([&] { return host->menu->MenuBar()->HotIndex() == 0; }));
    Pump();
    const Capture shown = Capture::Window(Bar());
    EXPECT_EQ(0, shown.Count([](COLORREF c) { return c == kHotFrame; })) << "a greyed item is never hot";
    EXPECT_GT(shown.Count([](COLORREF c) { return c == kTextDisabled; }, changed[0]), 0);
    EXPECT_GT(shown.Count([](COLORREF c) { return c == kTextNormal; }, changed[1]), 0);

    // A greyed item's popup still opens; a checked item shows its tick at
    // the next opening.
    ::CheckMenuItem(::GetSubMenu(bar, 0), 32771, MF_BYCOMMAND | MF_CHECKED);
    int ticks = -1;
    Script script({Click(POINT{(changed[0].left + changed[0].right) / 2, 12}), WaitForPopups(1),
                   [&] {
                       ticks = Capture::Window(Popups()[0])
                                   .Count([](COLORREF c) { return c == kTextNormal; }, RECT{1, 1, 25, 25});
                       return true;
                   },
                   Key(VK_ESCAPE), WaitForPopups(0)});
    ASSERT_TRUE(Run(script)) << "stopped at step " << script.StepReached();
    EXPECT_GE(ticks, 12);
}

TEST_F(MenuTest, AMenuChangedOrDeletedWhileItsPopupIsOpen) {
    // Items removed under an open popup: it repaints what is left.
    Script shrink({Click(BarItemCentre(1)), WaitForPopups(1),
                   [this] {
                       HMENU edit = ::GetSubMenu(host->menu->GetSafeHmenu(), 1);
                       while (::GetMenuItemCount(edit) > 1)
                           ::DeleteMenu(edit, 0, MF_BYPOSITION);
                       ::RedrawWindow(Popups()[0], nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
                       return true;
                   },
                   [] { return MoveMouse(PopupItemPoint(Popups()[0], 2, 0)), true; }, Key(VK_END), Key(VK_UP),
                   Key(VK_ESCAPE), WaitForPopups(0)});
    ASSERT_TRUE(Run(shrink)) << "stopped at step " << shrink.StepReached();

    // The whole menu deleted by a handler while the press on the bar that
    // opened the popup is still on the stack.
    const LONG windowsWithBar = AfxGetLiveWindowCount();
    const HWND bar = Bar();
    Script drop({Click(BarItemCentre(0)), WaitForPopups(1),
                 [this] { return ::SendMessageW(Host(), MenusHost::kDeleteMenu, 0, 0), true; },
                 WaitForPopups(0)});
    ASSERT_TRUE(Run(drop)) << "stopped at step " << drop.StepReached();
    EXPECT_EQ(nullptr, host->menu.get());
    EXPECT_TRUE(PumpUntil([bar] { return !::IsWindow(bar); })) << "the bar is still there";
    EXPECT_TRUE(PumpUntil([&] { return AfxGetLiveWindowCount() == windowsWithBar - 1; }))
        << "the bar's object was not released";
    EXPECT_TRUE(host->menuCommands.empty());
}

TEST_F(MenuTest, RepaintsLeaveNoGdiObjectsBehind) {
    HMENU options = ::GetSubMenu(host->menu->GetSafeHmenu(), 2);
    ::CheckMenuItem(options, 32784, MF_BYCOMMAND | MF_CHECKED);
    HBITMAP red = RedSquareWithWhiteCorner();
    host->menu->SetMenuItemBitmap(32784, red, RGB(255, 255, 255));
    ::DeleteObject(red);
    // Bar and popup (hot item, arrow, image, tick), each repainted a thousand
    // times after a few paints that fill the shared caches.
    auto repaint = [this](int times) {
        for (int i = 0; i < times; ++i) {
            ::RedrawWindow(Bar(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
            ::RedrawWindow(Popups()[0], nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
        }
    };
    quorvex_test::GdiCounts before{}, after{};
    Script script({Click(BarItemCentre(2)), WaitForPopups(1), Key(VK_DOWN),
                   [&] { return PopupObject(Popups()[0])->HotIndex() == 0; },
                   [&] {
                       repaint(10);
                       before = quorvex_test::CountGdi();
                       repaint(1000);
                       after = quorvex_test::CountGdi();
                       return true;
                   },
                   Key(VK_ESCAPE), WaitForPopups(0)},
                  60000);
    ASSERT_TRUE(Run(script, 60000)) << "stopped at step " << script.StepReached();
    EXPECT_EQ(before.wrappers, after.wrappers);
    EXPECT_EQ(before.handles, after.handles);
    // Replacing an image deletes the copy the menu held.
    const quorvex_test::GdiCounts held = quorvex_test::CountGdi();
    EXPECT_EQ(0, host->menu->SetMenuItemBitmap(32784, nullptr, 0));
    EXPECT_EQ(held.handles - 1, quorvex_test::CountGdi().handles);
}

} // namespace
