// The main window, the About box and the settings dialog created from the
// program's own templates in the test's process, with the process-wide
// objects that start-up creates: their set-up, the enable switches, the
// commands that need no file list, and what the screen shows.
#include "app_test_support.h"
#include "main_window_fixture.h"

#include <ConversionEngine.h>
#include <MainDialog.h>
#include <PostTaskAction.h>
#include <UiContext.h>
#include <resource.h>

#include "support/files.h"
#include "support/input.h"
#include "support/pump.h"
#include "support/screen.h"

#include <Tavrin.h>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr COLORREF kBackground = RGB(225, 236, 249);

Tavrin::NeloButton* ButtonOf(HWND dialog, int id) {
    return dynamic_cast<Tavrin::NeloButton*>(CWnd::FromHandlePermanent(GetDlgItem(dialog, id)));
}

Tavrin::NeloStatic* StaticOf(HWND dialog, int id) {
    return dynamic_cast<Tavrin::NeloStatic*>(CWnd::FromHandlePermanent(GetDlgItem(dialog, id)));
}

HBITMAP Cached(UINT id) {
    return UiContext::Current()->Bitmaps().Get(id);
}

std::wstring MenuText(CMenu& menu, UINT id) {
    CString text;
    menu.GetMenuString(id, text, MF_BYCOMMAND);
    return text.GetString();
}

bool IsGreyed(CMenu& menu, UINT id) {
    return (menu.GetMenuState(id, MF_BYCOMMAND) & MF_GRAYED) != 0;
}

bool IsChecked(CMenu& menu, UINT id) {
    return (menu.GetMenuState(id, MF_BYCOMMAND) & MF_CHECKED) != 0;
}

std::vector<std::wstring> ComboEntries(HWND combo, int* selection) {
    std::vector<std::wstring> entries;
    const int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t text[128] = {};
        SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        entries.push_back(text);
    }
    *selection = static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0));
    return entries;
}

int Saturation(COLORREF c) {
    const int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
    return std::max({r, g, b}) - std::min({r, g, b});
}

// A pixel of a control as the screen shows it.
COLORREF ControlPixel(HWND control, int x, int y) {
    RECT r;
    GetWindowRect(control, &r);
    return quorvex_test::ScreenPixel(r.left + x, r.top + y);
}

TEST_F(MainWindowTest, OpensIdleAndIsTheTargetOfEngineMessagesUntilDestroyed) {
    EXPECT_EQ(m_window, UiContext::Current()->MainWindow());
    EXPECT_EQ(L"Quorvex", app_test::WindowText(m_window));

    // No file yet: Remove, Convert and Stop off, the profile controls on.
    EXPECT_FALSE(m_dialog.IsRemoveEnabled());
    EXPECT_FALSE(m_dialog.IsConvertEnabled());
    EXPECT_FALSE(m_dialog.IsStopEnabled());
    for (int id : {IDC_COMBO_TARGET, IDC_COMBO_SIZE, IDC_COMBO_QUALITY, IDC_EDIT_OUTPUT, IDC_BUTTON_BROWSE})
        EXPECT_TRUE(IsWindowEnabled(Item(id))) << id;
    CMenu& menu = m_dialog.MenuBar();
    for (UINT id : {32772u, 32773u, 32774u, 32788u, 32791u})
        EXPECT_TRUE(IsGreyed(menu, id)) << id;
    for (UINT id : {32771u, 32776u, 32789u, 32790u})
        EXPECT_FALSE(IsGreyed(menu, id)) << id;

    // Status line shown; progress bar (0..1000) and per-file label hidden.
    EXPECT_TRUE(IsWindowVisible(Item(IDC_STATIC_STATUS)));
    EXPECT_EQ(L"Please add file(s)", app_test::WindowText(Item(IDC_STATIC_STATUS)));
    EXPECT_FALSE(IsWindowVisible(Item(IDC_PROGRESS_FILE)));
    EXPECT_FALSE(IsWindowVisible(Item(IDC_STATIC_FILE_PROGRESS)));
    PBRANGE range{};
    SendMessageW(Item(IDC_PROGRESS_FILE), PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
    EXPECT_EQ(0, range.iLow);
    EXPECT_EQ(1000, range.iHigh);

    // The six labels blend into the window.
    for (int id : {1030, 1025, 1024, 1021, 1019, 1018}) {
        Tavrin::NeloStatic* label = StaticOf(m_window, id);
        ASSERT_NE(nullptr, label) << id;
        Tavrin::_StaticColorInfo colours;
        label->GetStaticColorInfo(colours);
        EXPECT_EQ(kBackground, colours.crStaticTop) << id;
        EXPECT_EQ(kBackground, colours.crStaticBottom) << id;
    }

    // Icon 128, large and small, also for dragging.
    const LRESULT big = SendMessageW(m_window, WM_GETICON, ICON_BIG, 0);
    EXPECT_NE(0, big);
    EXPECT_EQ(big, SendMessageW(m_window, WM_GETICON, ICON_SMALL, 0));
    EXPECT_EQ(big, SendMessageW(m_window, WM_QUERYDRAGICON, 0, 0));

    // The system menu ends with a separator and the About entry (command 16).
    HMENU system = GetSystemMenu(m_window, FALSE);
    const int count = GetMenuItemCount(system);
    ASSERT_GE(count, 2);
    EXPECT_TRUE(GetMenuState(system, count - 2, MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_EQ(16u, GetMenuItemID(system, count - 1));
    wchar_t about[64] = {};
    GetMenuStringW(system, count - 1, about, 64, MF_BYPOSITION);
    EXPECT_STREQ(L"&About Quorvex...", about);

    // The edit is six pixels taller than its template makes it.
    RECT templateRect{0, 0, 131, 12};
    MapDialogRect(m_window, &templateRect);
    RECT edit;
    GetWindowRect(Item(IDC_EDIT_OUTPUT), &edit);
    EXPECT_EQ(templateRect.bottom - templateRect.top + 6, edit.bottom - edit.top);
    EXPECT_EQ(templateRect.right - templateRect.left, edit.right - edit.left);

    m_dialog.DestroyWindow();
    EXPECT_EQ(nullptr, UiContext::Current()->MainWindow()) << "late engine messages find no window";
}

// The menu is painted as a bar along the top of the client area, in place
// of the native menu, with the toolbar below it; the output folder's box is
// the skinned one, its frame keeping the hover colour with the focus, the
// folder icon at its left.
TEST_F(MainWindowTest, PaintedMenuBarAndOutputFolderBox) {
    EXPECT_EQ(nullptr, ::GetMenu(m_window)) << "no native menu";
    Tavrin::NeloMenuWnd* bar = m_dialog.MenuBar().MenuBar();
    ASSERT_NE(nullptr, bar);
    ASSERT_TRUE(::IsWindow(bar->GetSafeHwnd()));
    EXPECT_EQ(m_window, ::GetParent(bar->GetSafeHwnd()));
    EXPECT_TRUE(::IsWindowVisible(bar->GetSafeHwnd()));
    RECT barRect;
    ::GetWindowRect(bar->GetSafeHwnd(), &barRect);
    ::MapWindowPoints(nullptr, m_window, reinterpret_cast<POINT*>(&barRect), 2);
    EXPECT_EQ(0, barRect.left);
    EXPECT_EQ(0, barRect.top);
    // File, Edit, Options, Help side by side.
    const std::vector<Tavrin::geometry::MenuBarItem> items = bar->Layout();
    ASSERT_EQ(4u, items.size());
    for (int id : {IDC_BUTTON_ADD, IDC_BUTTON_REMOVE, IDC_BUTTON_CONVERT, IDC_BUTTON_STOP, IDC_BUTTON_SETTINGS}) {
        RECT button;
        ::GetWindowRect(Item(id), &button);
        ::MapWindowPoints(nullptr, m_window, reinterpret_cast<POINT*>(&button), 2);
        EXPECT_GE(button.top, barRect.bottom) << "button " << id << " below the bar";
    }

    auto* edit = dynamic_cast<Tavrin::NeloEdit*>(CWnd::FromHandlePermanent(Item(IDC_EDIT_OUTPUT)));
    ASSERT_NE(nullptr, edit);
    Tavrin::_EditColorInfo defaults, colours;
    Tavrin::NeloEdit::DefaultColours(defaults);
    edit->GetEditColorInfo(colours);
    EXPECT_EQ(defaults.clrBorderHot, colours.clrBorderFocus);
    EXPECT_EQ(defaults.clrBorderHot, colours.clrBorderHot);
    EXPECT_EQ(defaults.clrBorderNormal, colours.clrBorderNormal) << "the rest as read";
    EXPECT_EQ(defaults.clrBackNormal, colours.clrBackNormal);
    EXPECT_NE(nullptr, edit->GetIcon());
    EXPECT_GE(edit->IconAreaWidth(), 16);
    EXPECT_EQ(L"C:\\MyVideo", app_test::WindowText(Item(IDC_EDIT_OUTPUT)));
}

TEST_F(MainWindowTest, ToolbarButtonsShareOneRecordAndDifferInTipsPicturesAndPositions) {
    struct Expected {
        int id;
        const wchar_t* tip;
        UINT bitmap;
        int x, y;
        int stopped;
    };
    const Expected toolbar[] = {
        {1007, L" Add File(s) ", 134, 12, 3, 0}, {1008, L" Remove ", 149, 0, -12, 1},
        {1009, L" Convert ", 135, 0, -12, 1},    {1012, L" Stop ", 150, 12, 4, 1},
        {1029, L" Settings ", 143, 12, 3, 0},
    };
    const Tavrin::_ButtonColorInfo defaults = Tavrin::NeloButton::DefaultColorInfo();
    for (const Expected& want : toolbar) {
        SCOPED_TRACE(testing::Message() << "button " << want.id);
        Tavrin::NeloButton* button = ButtonOf(m_window, want.id);
        ASSERT_NE(nullptr, button);
        EXPECT_EQ(std::wstring(want.tip), button->GetToolTipText().GetString());
        EXPECT_EQ(Cached(want.bitmap), button->GetBitmap());
        int x = 99, y = 99;
        button->GetPicturePos(x, y);
        EXPECT_EQ(want.x, x);
        EXPECT_EQ(want.y, y);
        EXPECT_EQ(want.stopped, button->IsStop());
        EXPECT_TRUE(IsWindowEnabled(button->GetSafeHwnd())) << "stopped, never disabled";

        Tavrin::_ButtonColorInfo c;
        button->GetButtonColorInfo(c);
        for (COLORREF flat : {c.crNormalTop, c.crNormalBottom, c.crDisabledTop, c.crDisabledBottom,
                              c.crOuterNormal, c.crOuterDisabled, c.crInnerNormal, c.crInnerDisabled})
            EXPECT_EQ(kBackground, flat);
        EXPECT_EQ(RGB(255, 242, 202), c.toolTipColorInfo.crTipTop);
        EXPECT_EQ(RGB(254, 230, 158), c.toolTipColorInfo.crTipBottom);
        EXPECT_EQ(RGB(210, 217, 237), c.toolTipColorInfo.crTipFrame);
        // Everything else as the button had it.
        EXPECT_EQ(defaults.crHoverBottom, c.crHoverBottom);
        EXPECT_EQ(defaults.toolTipColorInfo.crTipText, c.toolTipColorInfo.crTipText);
    }
}

TEST_F(MainWindowTest, EnableSwitchesSetPicturesStopLookMenuAndProfileControls) {
    CMenu& menu = m_dialog.MenuBar();
    MainDialog& d = m_dialog;
    const std::vector<UINT> removeEntries = {32774, 32788, 32791};
    struct Case {
        std::function<bool()> flip;
        std::function<bool()> state;
        int button;
        UINT bitmap;
        int x, y;
        std::vector<UINT> entries;
        bool enabled;
        int profile; // -1: not touched by this switch; else whether the profile controls are on
    };
    // clang-format off
    const Case cases[] = {
        {[&] { return d.SetRemoveEnabled(true); }, [&] { return d.IsRemoveEnabled(); }, 1008, 138, 0, -12,
         removeEntries, true, -1},
        {[&] { return d.SetRemoveEnabled(false); }, [&] { return d.IsRemoveEnabled(); }, 1008, 149, 0, -12,
         removeEntries, false, -1},
        {[&] { return d.SetConvertEnabled(true, false); }, [&] { return d.IsConvertEnabled(); }, 1009, 136, 0, -12,
         {32772}, true, 1},
        {[&] { return d.SetConvertEnabled(false, false); }, [&] { return d.IsConvertEnabled(); }, 1009, 135, 0,
         -12, {32772}, false, 0},
        // keepOthers leaves the profile controls as they are, either way.
        {[&] { return d.SetConvertEnabled(true, true); }, [&] { return d.IsConvertEnabled(); }, 1009, 136, 0, -12,
         {32772}, true, 0},
        {[&] { return d.SetConvertEnabled(true, false) && d.SetConvertEnabled(false, true); },
         [&] { return d.IsConvertEnabled(); }, 1009, 135, 0, -12, {32772}, false, 1},
        {[&] { return d.SetStopEnabled(true); }, [&] { return d.IsStopEnabled(); }, 1012, 144, 12, 4, {32773}, true,
         -1},
        {[&] { return d.SetStopEnabled(false); }, [&] { return d.IsStopEnabled(); }, 1012, 150, 12, 4, {32773},
         false, -1},
    };
    // clang-format on
    const std::map<UINT, std::wstring> texts = {{32772, L"Convert"},
                                                {32773, L"Stop"},
                                                {32774, L"Remove Selected File(s)"},
                                                {32788, L"Clear All Files"},
                                                {32791, L"Clear All Converted Files"}};
    for (size_t i = 0; i < sizeof(cases) / sizeof(cases[0]); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(testing::Message() << "case " << i);
        EXPECT_TRUE(c.flip());
        EXPECT_EQ(c.enabled, c.state());
        Tavrin::NeloButton* button = ButtonOf(m_window, c.button);
        ASSERT_NE(nullptr, button);
        EXPECT_EQ(Cached(c.bitmap), button->GetBitmap());
        int x = 99, y = 99;
        button->GetPicturePos(x, y);
        EXPECT_EQ(c.x, x);
        EXPECT_EQ(c.y, y);
        EXPECT_EQ(c.enabled ? 0 : 1, button->IsStop());
        for (UINT entry : c.entries) {
            EXPECT_EQ(!c.enabled, IsGreyed(menu, entry)) << entry;
            EXPECT_EQ(texts.at(entry), MenuText(menu, entry)) << entry;
        }
        for (int id :
             {IDC_COMBO_TARGET, IDC_COMBO_SIZE, IDC_COMBO_QUALITY, IDC_EDIT_OUTPUT, IDC_BUTTON_BROWSE})
            EXPECT_TRUE(c.profile < 0 || c.profile == (IsWindowEnabled(Item(id)) != FALSE)) << id;
    }
    m_dialog.SetStatusText(L"Total files: 3");
    EXPECT_EQ(L"Total files: 3", app_test::WindowText(Item(IDC_STATIC_STATUS)));
}

TEST_F(MainWindowTest, ToolbarShowsPicturesOnTheWindowBackground) {
    HWND add = Item(IDC_BUTTON_ADD);
    HWND remove = Item(IDC_BUTTON_REMOVE);
    // An idle button has no face or frame of its own.
    EXPECT_EQ(kBackground, ControlPixel(add, 1, 1));
    EXPECT_EQ(kBackground, ControlPixel(add, 3, 30));
    // The green folder, drawn 12 pixels in and 3 down.
    const COLORREF folder = ControlPixel(add, 12 + 16, 3 + 20);
    EXPECT_GT(GetGValue(folder), GetRValue(folder) + 40);
    EXPECT_GT(GetGValue(folder), GetBValue(folder) + 40);

    // Remove: the cross sits in the lower-left 32 x 32 of its picture, which
    // is shifted 12 pixels up, so its centre is at (16, 20). Faded while
    // disabled, magenta once enabled.
    const COLORREF faded = ControlPixel(remove, 16, 20);
    EXPECT_NE(kBackground, faded);
    EXPECT_LT(Saturation(faded), 60);
    m_dialog.SetRemoveEnabled(true);
    quorvex_test::Settle();
    const COLORREF magenta = ControlPixel(remove, 16, 20);
    EXPECT_GT(GetRValue(magenta), GetGValue(magenta) + 80);
    EXPECT_GT(GetBValue(magenta), GetGValue(magenta) + 60);
}

TEST_F(MainWindowTest, ProfileListsFollowTheChosenTarget) {
    int selection = -1;
    const std::vector<std::wstring> targets = ComboEntries(Item(IDC_COMBO_TARGET), &selection);
    EXPECT_EQ((std::vector<std::wstring>{L"AVI", L"Android", L"Blackberry", L"DVD", L"FLV", L"IPhone",
                                         L"IPod", L"Mobile Phone", L"PSP", L"Xbox 360", L"Zune"}),
              targets);
    EXPECT_EQ(0, selection);

    struct Case {
        int target; // -1: as opened
        std::vector<std::wstring> sizes;
        int size;
    };
    const std::vector<std::wstring> two = {L"FullScreen", L"WideScreen"};
    const Case cases[] = {
        {-1, two, 1}, // AVI
        {5, {L"WideScreen"}, 0},
        {6, {L"FullScreen", L"WideScreen", L"FullScreen ( for TV )", L"WideScreen ( for TV )"}, 0},
        {3, two, 1}, // DVD
        {1, two, 0}, // Android
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "target " << c.target);
        if (c.target >= 0)
            SelectTarget(c.target);
        EXPECT_EQ(c.sizes, ComboEntries(Item(IDC_COMBO_SIZE), &selection));
        EXPECT_EQ(c.size, selection);
        EXPECT_EQ((std::vector<std::wstring>{L"High", L"Normal", L"Low"}),
                  ComboEntries(Item(IDC_COMBO_QUALITY), &selection));
        EXPECT_EQ(1, selection) << "Normal";
    }
}

Tavrin::NeloComboBox* ComboOf(HWND dialog, int id) {
    return dynamic_cast<Tavrin::NeloComboBox*>(CWnd::FromHandlePermanent(GetDlgItem(dialog, id)));
}

// The three profile lists are skinned combo boxes; every target shows its own
// picture, and a target chosen with the mouse in the skinned drop window
// fills the size and quality lists as a chosen one always does.
TEST_F(MainWindowTest, SkinnedProfileListsWithTargetPicturesChosenWithTheMouse) {
    for (int id : {IDC_COMBO_TARGET, IDC_COMBO_SIZE, IDC_COMBO_QUALITY})
        ASSERT_NE(nullptr, ComboOf(m_window, id)) << id;
    Tavrin::NeloComboBox* target = ComboOf(m_window, IDC_COMBO_TARGET);
    CImageList* pictures = target->GetImageList();
    ASSERT_NE(nullptr, pictures);
    EXPECT_EQ(11, pictures->GetImageCount());
    int cx = 0, cy = 0;
    ImageList_GetIconSize(pictures->GetSafeHandle(), &cx, &cy);
    EXPECT_EQ(16, cx);
    EXPECT_EQ(16, cy);
    // Entry i shows picture i: AVI 0 (162) ... IPhone 5 (159) ... Zune 10 (176).
    for (int entry = 0; entry < 11; ++entry) {
        SelectTarget(entry);
        EXPECT_EQ(entry, target->GetShownImage()) << "entry " << entry;
    }
    SelectTarget(0);
    quorvex_test::Settle();

    // Open the list by its arrow button and click "IPhone".
    const RECT button = target->GetButtonRect();
    POINT arrow{(button.left + button.right) / 2, (button.top + button.bottom) / 2};
    ClientToScreen(target->GetSafeHwnd(), &arrow);
    quorvex_test::LeftClick(arrow);
    ASSERT_TRUE(quorvex_test::PumpUntil([&] { return target->IsDropped() != 0; }, 5000));
    HWND dropList = target->GetDropList();
    ASSERT_TRUE(IsWindowVisible(dropList));
    SendMessageW(dropList, LVM_ENSUREVISIBLE, 5, FALSE);
    quorvex_test::PumpUntilIdle();
    RECT row{};
    row.left = LVIR_BOUNDS;
    ASSERT_TRUE(SendMessageW(dropList, LVM_GETITEMRECT, 5, reinterpret_cast<LPARAM>(&row)));
    POINT iphone{row.left + 30, (row.top + row.bottom) / 2};
    ClientToScreen(dropList, &iphone);
    quorvex_test::LeftClick(iphone);
    ASSERT_TRUE(quorvex_test::PumpUntil([&] { return target->IsDropped() == 0; }, 5000));
    quorvex_test::PumpUntilIdle();

    int selection = -1;
    ComboEntries(Item(IDC_COMBO_TARGET), &selection);
    EXPECT_EQ(5, selection) << "IPhone";
    EXPECT_EQ(5, target->GetShownImage());
    EXPECT_EQ(L"IPhone", app_test::WindowText(Item(IDC_COMBO_TARGET)));
    EXPECT_EQ((std::vector<std::wstring>{L"WideScreen"}), ComboEntries(Item(IDC_COMBO_SIZE), &selection));
    EXPECT_EQ(0, selection);
    EXPECT_EQ((std::vector<std::wstring>{L"High", L"Normal", L"Low"}),
              ComboEntries(Item(IDC_COMBO_QUALITY), &selection));
    EXPECT_EQ(1, selection) << "Normal";
}

TEST_F(MainWindowTest, FileListColumnsAndRowImagesLeaveTheCachedBitmapsIntact) {
    HWND list = Item(IDC_LIST_FILES);
    struct Column {
        const wchar_t* heading;
        int width;
    };
    const Column columns[] = {
        {L"State", 50}, {L"Name", 160}, {L"Duration", 90}, {L"Precent", 90}, {L"Path", 0}};
    for (int i = 0; i < 5; ++i) {
        wchar_t heading[64] = {};
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        column.pszText = heading;
        column.cchTextMax = 64;
        ASSERT_TRUE(SendMessageW(list, LVM_GETCOLUMNW, i, reinterpret_cast<LPARAM>(&column))) << i;
        EXPECT_STREQ(columns[i].heading, heading);
        EXPECT_EQ(columns[i].width, column.cx) << columns[i].heading;
        EXPECT_EQ(LVCFMT_LEFT, column.fmt & LVCFMT_JUSTIFYMASK);
    }
    LVCOLUMNW extra{};
    extra.mask = LVCF_WIDTH;
    EXPECT_FALSE(SendMessageW(list, LVM_GETCOLUMNW, 5, reinterpret_cast<LPARAM>(&extra))) << "five columns";

    HIMAGELIST rows = reinterpret_cast<HIMAGELIST>(SendMessageW(list, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
    ASSERT_NE(nullptr, rows);
    EXPECT_EQ(3, ImageList_GetImageCount(rows));
    int cx = 0, cy = 0;
    ImageList_GetIconSize(rows, &cx, &cy);
    EXPECT_EQ(16, cx);
    EXPECT_EQ(16, cy);

    // The lists were filled from the cache; its bitmaps keep their white
    // background for the next control that masks them.
    for (UINT id : {165u, 163u, 164u, 162u, 176u}) {
        HBITMAP bitmap = Cached(id);
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = 16;
        info.bmiHeader.biHeight = -16;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        DWORD pixels[256] = {};
        HDC screen = GetDC(nullptr);
        ASSERT_EQ(16, GetDIBits(screen, bitmap, 0, 16, pixels, &info, DIB_RGB_COLORS)) << id;
        ReleaseDC(nullptr, screen);
        EXPECT_EQ(0xFFFFFFu, pixels[0] & 0xFFFFFF) << "bitmap " << id;
    }
}

TEST_F(MainWindowTest, PostTaskCommandsCheckTheirEntry) {
    CMenu& menu = m_dialog.MenuBar();
    struct Case {
        UINT command;
        int action;
    };
    const Case cases[] = {{32786, 1}, {32787, 2}, {32787, 2}, {32785, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "command " << c.command);
        Command(c.command);
        EXPECT_EQ(c.action, UiContext::Current()->PostTaskAction());
        for (UINT entry : {32785u, 32786u, 32787u})
            EXPECT_EQ(entry == c.command, IsChecked(menu, entry)) << entry;
        EXPECT_EQ(L"Do Nothing", MenuText(menu, 32785));
        EXPECT_EQ(L"Shut Down", MenuText(menu, 32786));
        EXPECT_EQ(L"Log Off", MenuText(menu, 32787));
    }
}

TEST_F(MainWindowTest, SettingsDialogShowsAndChangesTheActionAndTheMenuFollows) {
    CMenu& menu = m_dialog.MenuBar();
    auto openFromButton = [this] {
        SendMessageW(m_window, WM_COMMAND, MAKEWPARAM(IDC_BUTTON_SETTINGS, BN_CLICKED),
                     reinterpret_cast<LPARAM>(Item(IDC_BUTTON_SETTINGS)));
    };
    auto openFromMenu = [this] { Command(ID_FILE_SETTINGS); };

    struct Case {
        int before;
        bool fromMenu;
        int shown; // the selection the dialog opens with
        int choose;
        UINT ending;
        int after;
    };
    const Case cases[] = {
        {0, false, 0, 2, IDOK, 2},    {2, true, 2, 1, IDOK, 1},      {1, false, 1, 0, IDOK, 0},
        {0, true, 0, 2, IDCANCEL, 0}, {7, false, 0, 1, IDCANCEL, 7}, {7, false, 0, -1, IDOK, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "from " << c.before << " choosing " << c.choose);
        UiContext::Current()->SetPostTaskAction(c.before);
        int shown = -2;
        std::vector<std::wstring> entries;
        bool skinned = false;
        const bool acted = app_test::WithModalDialog(
            L"Settings",
            c.fromMenu ? std::function<void()>(openFromMenu) : std::function<void()>(openFromButton),
            [&](HWND dialog) {
                skinned = ComboOf(dialog, IDC_COMBO_POST_TASK) != nullptr;
                entries = ComboEntries(GetDlgItem(dialog, IDC_COMBO_POST_TASK), &shown);
                SendMessageW(GetDlgItem(dialog, IDC_COMBO_POST_TASK), CB_SETCURSEL, c.choose, 0);
                SendMessageW(dialog, WM_COMMAND, c.ending, 0);
            });
        ASSERT_TRUE(acted);
        EXPECT_TRUE(skinned) << "the actions list is the skinned combo box";
        EXPECT_EQ((std::vector<std::wstring>{L"Do Nothing", L"Shut Down", L"Log Off"}), entries);
        EXPECT_EQ(c.shown, shown);
        EXPECT_EQ(c.after, UiContext::Current()->PostTaskAction());
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(i == c.after, IsChecked(menu, 32785 + i)) << "entry " << i;
    }
}

TEST_F(MainWindowTest, AboutBoxFromSystemMenuAndHelpMenu) {
    const std::function<void()> openers[] = {
        [this] { SendMessageW(m_window, WM_SYSCOMMAND, 16, 0); },
        [this] { Command(ID_HELP_ABOUT); },
    };
    for (const auto& open : openers) {
        std::wstring version;
        HBITMAP picture = nullptr;
        Tavrin::_StaticColorInfo colours{};
        const bool acted = app_test::WithModalDialog(L"About Quorvex", open, [&](HWND about) {
            version = app_test::WindowText(GetDlgItem(about, IDC_STATIC_VERSION));
            if (Tavrin::NeloStatic* image = StaticOf(about, IDC_STATIC_PICTURE)) {
                picture = image->GetBitmap();
                image->GetStaticColorInfo(colours);
            }
            SendMessageW(about, WM_COMMAND, IDCANCEL, 0);
        });
        ASSERT_TRUE(acted);
        EXPECT_EQ(L"Quorvex Version 1.2.0.1024", version);
        EXPECT_EQ(Cached(IDB_ABOUT), picture);
        EXPECT_EQ(kBackground, colours.crStaticTop);
        EXPECT_EQ(kBackground, colours.crStaticBottom);
    }
}

TEST(MainWindow, EveryWayOfClosingStopsTheProgressTimer) {
    app_test::ProcessObjects objects;
    struct Way {
        UINT message;
        WPARAM wParam;
    };
    // Escape, the menu's Exit, and the frame's close box.
    const Way ways[] = {{WM_COMMAND, IDCANCEL}, {WM_COMMAND, ID_FILE_EXIT}, {WM_CLOSE, 0}};
    for (const Way& way : ways) {
        SCOPED_TRACE(testing::Message() << "message " << way.message << " " << way.wParam);
        MainDialog dialog;
        ASSERT_TRUE(dialog.Create(IDD_QUORVEX_DIALOG, nullptr));
        HWND window = dialog.GetSafeHwnd();
        ASSERT_TRUE(SetTimer(window, 1000, 60000, nullptr));
        SendMessageW(window, way.message, way.wParam, 0);
        EXPECT_FALSE(KillTimer(window, 1000)) << "the exit action killed the progress timer";
        EXPECT_FALSE(IsWindowVisible(window)) << "the dialog ended";
        dialog.DestroyWindow();
    }
}

// The window registers the post-task action with the engine: a batch that
// converts every file ends the session as chosen; a failed one does not.
TEST(MainWindow, FinishedBatchRunsThePostTaskActionThroughTheEngine) {
    const std::wstring folder = quorvex_test::FreshTempFolder(L"quorvex app batch");
    const std::wstring input = folder + L"\\clip.avi";
    auto write = quorvex_test::WriteWholeFile;
    write(input, "not really a film");
    const std::wstring output = folder + L"\\out";
    CreateDirectoryW(output.c_str(), nullptr);

    app_test::ProcessObjects objects;
    MainDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_QUORVEX_DIALOG, nullptr));
    UiContext::Current()->SetPostTaskAction(PostTaskLogOff);
    SetCountdownSecondsSource([] { return 1; });
    ConversionEngine& engine = *ConversionEngine::Current();

    struct Case {
        const char* script; // null: the fake encoder's own, which converts
        size_t requests;
    };
    const Case cases[] = {{nullptr, 1}, {"convert: exit 1\n", 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.script ? c.script : "converting");
        if (c.script)
            write(input + L".fake", c.script);
        app_test::ResetExitRequests();
        ASSERT_TRUE(engine.StartConversion(L"AVI", {input}, output, L"Normal", L"WideScreen"));
        ASSERT_TRUE(engine.WaitForConversion(20000));
        // The window counts down (here one second) before the session ends.
        const bool counted =
            app_test::WithModalDialog(L"Log Off", [] {}, [](HWND) {}, c.requests ? 5000 : 1500);
        EXPECT_EQ(c.requests == 1, counted);
        const std::vector<app_test::ExitRequest> requests = app_test::ExitRequests();
        ASSERT_EQ(c.requests, requests.size());
        if (c.requests) {
            EXPECT_EQ(static_cast<UINT>(EWX_LOGOFF), requests[0].flags);
            EXPECT_EQ(0u, requests[0].reason);
        }
    }
    SetCountdownSecondsSource(nullptr);
    dialog.DestroyWindow();
    quorvex_test::PumpUntilIdle();
    quorvex_test::RemoveTree(folder);
}

} // namespace
