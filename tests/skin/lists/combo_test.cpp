// The skinned combo box on real windows, attached from a dialog template:
// its colour record, the button and frame at exact pixels, opening and
// closing by mouse and keyboard, moving and selecting in the drop list with
// CBN_SELCHANGE reaching the parent exactly once per change, item images in
// the list and in the text parts, typing and filtering in the edit part,
// the copy-and-paste switch, the system keys, the drop window's placement
// and no leaks over repaints.
#include "combo_test_support.h"

#include "support/colour_record.h"
#include "support/colours.h"
#include "support/rects.h"

#include <functional>

#include <commctrl.h>

using namespace combo_test;
using quorvex_test::ColourEntry;
using quorvex_test::MessageRecorder;
using quorvex_test::RecordHolds;
using Tavrin::_ComboBoxColorInfo;
using Tavrin::NeloComboBox;

namespace {

const ColourEntry<_ComboBoxColorInfo> kComboDefaults[] = {
    {"clrBack", &_ComboBoxColorInfo::clrBack, RGB(250, 250, 250)},
    {"clrBackDisabled", &_ComboBoxColorInfo::clrBackDisabled, RGB(236, 233, 216)},
    {"clrText", &_ComboBoxColorInfo::clrText, RGB(6, 45, 117)},
    {"clrTextDisabled", &_ComboBoxColorInfo::clrTextDisabled, RGB(172, 168, 153)},
    {"clrBorder", &_ComboBoxColorInfo::clrBorder, RGB(127, 157, 185)},
    {"clrBorderDisabled", &_ComboBoxColorInfo::clrBorderDisabled, RGB(204, 204, 204)},
};

// The button's sixteen colours: face gradient start and end in the normal,
// pressed, hot and disabled looks, then the outlines and the arrows.
const COLORREF kButtonDefaults[16] = {
    RGB(243, 243, 243), RGB(181, 208, 232), RGB(160, 200, 240), RGB(243, 243, 243),
    RGB(243, 243, 243), RGB(160, 200, 240), RGB(225, 234, 254), RGB(185, 205, 251),
    RGB(104, 128, 184), RGB(88, 168, 240),  RGB(88, 168, 240),  RGB(204, 204, 204),
    RGB(77, 97, 133),   RGB(82, 122, 202),  RGB(80, 120, 200),  RGB(172, 168, 153),
};

HWND ButtonOf(NeloComboBox& combo) {
    const RECT r = combo.GetButtonRect();
    POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    for (HWND child = ::GetWindow(combo.GetSafeHwnd(), GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        RECT w{};
        ::GetWindowRect(child, &w);
        ::MapWindowPoints(nullptr, combo.GetSafeHwnd(), reinterpret_cast<POINT*>(&w), 2);
        if (::PtInRect(&w, centre) && child != combo.GetTextPart())
            return child;
    }
    return nullptr;
}

TEST_F(ComboTest, ColourRecordDefaults) {
    _ComboBoxColorInfo info{};
    ASSERT_EQ(1, host->list.GetComboBoxColorInfo(info));
    // Six colours, the button's sixteen and the scroll bar's thirty-four.
    EXPECT_TRUE(RecordHolds(info, kComboDefaults, 6 + 16 + 34));
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(kButtonDefaults[i], info.ButtonColors[i]) << "button colour " << i;

    // A record set whole comes back whole, the button's block included.
    _ComboBoxColorInfo changed = info;
    changed.clrBack = RGB(1, 2, 3);
    changed.ButtonColors[12] = RGB(4, 5, 6);
    ASSERT_EQ(1, host->edit.SetComboBoxColorInfo(changed));
    _ComboBoxColorInfo back{};
    host->edit.GetComboBoxColorInfo(back);
    EXPECT_EQ(RGB(1, 2, 3), back.clrBack);
    EXPECT_EQ(RGB(4, 5, 6), back.ButtonColors[12]);
    host->edit.SetComboBoxColorInfo(info);

    // A combo object without a window has no parts: every member says so.
    NeloComboBox bare;
    EXPECT_EQ(0, bare.SetComboBoxColorInfo(info));
    EXPECT_EQ(0, bare.GetComboBoxColorInfo(back));
    EXPECT_EQ(0, bare.FixDropListWidth(0));
    EXPECT_EQ(0, bare.SetImageList(nullptr));
    EXPECT_EQ(nullptr, bare.GetImageList());
    EXPECT_EQ(0, bare.SetItemImage(0, 0));
    EXPECT_EQ(0, bare.SetFont(L"Arial", 10, 0));
    EXPECT_EQ(0, bare.ShowHoverEffect(0));
    EXPECT_EQ(0, bare.Invalidate(0));
    EXPECT_EQ(1, bare.EnableCopyPasteOperation(0));
}

TEST_F(ComboTest, PartsOfEachComboType) {
    struct Case {
        const char* name;
        NeloComboBox& combo;
        int type;
        bool parts;
    };
    const Case cases[] = {
        {"drop-down list", host->list, CBS_DROPDOWNLIST, true},
        {"drop-down combo", host->edit, CBS_DROPDOWN, true},
        {"simple combo: no part windows", host->simple, CBS_SIMPLE, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.type, c.combo.GetComboType());
        EXPECT_EQ(c.parts, c.combo.GetDropWindow() != nullptr);
        EXPECT_EQ(c.parts, c.combo.GetTextPart() != nullptr);
        if (!c.parts)
            continue;
        // The button sits two pixels inside the frame at the right, as wide
        // as the system's scroll bars ask (18 at the least); the text part
        // fills the rest.
        RECT client{};
        c.combo.GetClientRect(&client);
        const int width = std::max(18, std::max(::GetSystemMetrics(SM_CXVSCROLL), ::GetSystemMetrics(SM_CYHSCROLL)));
        const RECT button{client.right - width - 2, 2, client.right - 2, client.bottom - 2};
        EXPECT_RECT(button, c.combo.GetButtonRect());
        RECT text = Tavrin::WindowRectOnParent(c.combo.GetTextPart());
        EXPECT_EQ(2, text.left);
        EXPECT_EQ(2, text.top);
        EXPECT_EQ(button.left, text.right);
        EXPECT_EQ(client.bottom - 2, text.bottom);
        // The drop window is a hidden tool window until the list opens.
        HWND drop = c.combo.GetDropWindow();
        EXPECT_FALSE(Visible(drop));
        EXPECT_TRUE(::GetWindowLongW(drop, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
        EXPECT_FALSE(::GetWindowLongW(drop, GWL_EXSTYLE) & WS_EX_TOPMOST);
    }
}

TEST_F(ComboTest, FrameAndButtonAtExactPixels) {
    NeloComboBox& combo = host->list;
    Repaint(combo.GetSafeHwnd());
    Capture shot = Capture::Client(combo.GetSafeHwnd());
    const int w = shot.Width();
    const int h = shot.Height();
    // The outer ring in the border colour, two rings of the background.
    for (int x : {0, w / 2, w - 1}) {
        EXPECT_COLOUR(RGB(127, 157, 185), shot.At(x, 0)) << x;
        EXPECT_COLOUR(RGB(127, 157, 185), shot.At(x, h - 1)) << x;
    }
    EXPECT_COLOUR(RGB(127, 157, 185), shot.At(0, h / 2));
    EXPECT_COLOUR(RGB(127, 157, 185), shot.At(w - 1, h / 2));
    EXPECT_COLOUR(RGB(250, 250, 250), shot.At(1, h / 2));
    EXPECT_COLOUR(RGB(250, 250, 250), shot.At(w / 2, 1));
    EXPECT_COLOUR(RGB(250, 250, 250), shot.At(w - 2, h / 2));

    // The button: the normal outline on its straight edges, the face running
    // from (243, 243, 243) at the left to (181, 208, 232) at the right.
    const RECT b = combo.GetButtonRect();
    const int midY = (b.top + b.bottom) / 2;
    EXPECT_COLOUR(RGB(104, 128, 184), shot.At(b.left, midY));
    EXPECT_COLOUR(RGB(104, 128, 184), shot.At((b.left + b.right) / 2, b.top));
    EXPECT_COLOUR(RGB(104, 128, 184), shot.At((b.left + b.right) / 2, b.bottom - 1));
    EXPECT_COLOUR(RGB(104, 128, 184), shot.At(b.right - 1, midY));
    EXPECT_COLOUR_NEAR(RGB(243, 243, 243), shot.At(b.left + 1, b.top + 2), 12);
    EXPECT_COLOUR_NEAR(RGB(181, 208, 232), shot.At(b.right - 2, b.top + 2), 12);

    // The chevron's tip, in the arrow colour, at (w / 2, (h + g) / 2 + 1) of
    // the button with g = (h + 1.5) / 4.
    const int bw = b.right - b.left;
    const int bh = b.bottom - b.top;
    const int g = static_cast<int>((bh + 1.5) / 4);
    const int tipX = b.left + bw / 2;
    const int tipY = b.top + (bh + g) / 2 + 1;
    EXPECT_COLOUR_NEAR(RGB(77, 97, 133), shot.At(tipX, tipY - 1), 40);
    // Above the chevron's arms the face shows.
    EXPECT_FALSE(quorvex_test::Near(shot.At(tipX, tipY - g - 4), RGB(77, 97, 133), 40));
}

TEST_F(ComboTest, ButtonLooksByState) {
    struct Case {
        const char* name;
        int pressed, disabled;
        COLORREF outline;
    };
    NeloComboBox& combo = host->list;
    // The pressed look while the button is held on a list opened by mouse;
    // the disabled look on the template's disabled combo.
    const RECT b = combo.GetButtonRect();
    const POINT buttonCentre = OnScreen(combo.GetSafeHwnd(), POINT{(b.left + b.right) / 2, (b.top + b.bottom) / 2});
    ::SetCursorPos(buttonCentre.x, buttonCentre.y);
    INPUT down = quorvex_test::MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, buttonCentre);
    INPUT press = quorvex_test::MouseInput(MOUSEEVENTF_LEFTDOWN);
    INPUT inputs[] = {down, press};
    ::SendInput(2, inputs, sizeof(INPUT));
    Pump();
    EXPECT_TRUE(combo.IsDropped());
    EXPECT_TRUE(combo.IsButtonPressed());
    Capture pressed = Capture::Client(combo.GetSafeHwnd());
    EXPECT_COLOUR(RGB(88, 168, 240), pressed.At(b.left, (b.top + b.bottom) / 2)) << "pressed outline";
    INPUT release = quorvex_test::MouseInput(MOUSEEVENTF_LEFTUP);
    ::SendInput(1, &release, sizeof(INPUT));
    Pump();
    EXPECT_FALSE(combo.IsButtonPressed()) << "released when the button comes up over the drop window's capture";
    EXPECT_TRUE(combo.IsDropped()) << "still open: the release was not on a row";
    EXPECT_TRUE(combo.IsButtonHot()) << "the pointer rests on the button";
    Capture hot = Capture::Client(combo.GetSafeHwnd());
    EXPECT_COLOUR(RGB(88, 168, 240), hot.At(b.left, (b.top + b.bottom) / 2)) << "hot outline";
    PressKey(VK_ESCAPE);
    MoveMouse(RestingPointer());

    NeloComboBox& off = host->disabled;
    Repaint(off.GetSafeHwnd());
    Capture disabled = Capture::Client(off.GetSafeHwnd());
    const RECT db = off.GetButtonRect();
    EXPECT_COLOUR(RGB(204, 204, 204), disabled.At(0, disabled.Height() / 2)) << "disabled border";
    EXPECT_COLOUR(RGB(236, 233, 216), disabled.At(1, disabled.Height() / 2)) << "disabled background ring";
    EXPECT_COLOUR(RGB(204, 204, 204), disabled.At(db.left, (db.top + db.bottom) / 2)) << "disabled outline";
    EXPECT_COLOUR(RGB(236, 233, 216), disabled.At(4, 4)) << "disabled selection field";
}

TEST_F(ComboTest, OpensByClickAltDownAndF4AndClosesWithoutAChoice) {
    NeloComboBox& combo = host->list;
    HWND drop = combo.GetDropWindow();
    MessageRecorder recorder(combo.GetSafeHwnd(), Host(), {WM_COMMAND});
    struct Way {
        const char* name;
        std::function<void()> open;
        std::function<void()> close;
    };
    const POINT field = OnScreen(combo.GetSafeHwnd(), POINT{10, 8});
    const Way ways[] = {
        {"click, closed by Escape", [&] { Click(field); }, [&] { PressKey(VK_ESCAPE); }},
        {"Alt+Down, closed by Alt+Up", [&] { PressKey(VK_DOWN, true); }, [&] { PressKey(VK_UP, true); }},
        {"F4, closed by F4", [&] { PressKey(VK_F4); }, [&] { PressKey(VK_F4); }},
        {"click, closed by a click outside", [&] { Click(field); }, [&] { Click(POINT{600, 380}); }},
        {"click, closed by a click on the button", [&] { Click(field); },
         [&] {
             const RECT b = combo.GetButtonRect();
             Click(OnScreen(combo.GetSafeHwnd(), POINT{(b.left + b.right) / 2, (b.top + b.bottom) / 2}));
         }},
        {"F4, closed when another window takes the mouse", [&] { PressKey(VK_F4); },
         [&] {
             ::SetCapture(Host());
             ::ReleaseCapture();
             Pump();
         }},
        {"CB_SHOWDROPDOWN", [&] { combo.ShowDropDown(TRUE); }, [&] { combo.ShowDropDown(FALSE); }},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        Focus(combo);
        recorder.Clear();
        way.open();
        EXPECT_TRUE(combo.IsDropped());
        EXPECT_TRUE(combo.GetDroppedState());
        EXPECT_TRUE(Visible(drop));
        EXPECT_EQ(drop, ::GetCapture());
        EXPECT_TRUE(::GetWindowLongW(drop, GWL_EXSTYLE) & WS_EX_TOPMOST) << "topmost while open";
        way.close();
        EXPECT_FALSE(combo.IsDropped());
        EXPECT_FALSE(Visible(drop));
        EXPECT_NE(drop, ::GetCapture());
        EXPECT_FALSE(::GetWindowLongW(drop, GWL_EXSTYLE) & WS_EX_TOPMOST) << "not topmost once closed";
        EXPECT_FALSE(combo.IsButtonPressed());
        EXPECT_EQ(0, combo.GetCurSel()) << "closing without a choice keeps the selection";
        // The parent hears of the opening, and of nothing else.
        EXPECT_TRUE(recorder.Matches({
            {WM_COMMAND, quorvex_test::Sent, quorvex_test::ToParent, quorvex_test::MatchWParam,
             MAKEWPARAM(IDC_COMBO_LIST, CBN_DROPDOWN)},
        }));
    }
    EXPECT_EQ(0, host->CountCommands(IDOK, BN_CLICKED));
    EXPECT_EQ(0, host->CountCommands(IDCANCEL, BN_CLICKED));
    EXPECT_EQ(0, SelChanges(IDC_COMBO_LIST));
}

TEST_F(ComboTest, DropListShowsTheItemsWithTheSelectionAtTheTop) {
    NeloComboBox& combo = host->list;
    Fill(combo, 30);
    combo.SetCurSel(12);
    Focus(combo);
    PressKey(VK_F4);
    HWND list = combo.GetDropList();
    ASSERT_TRUE(Visible(combo.GetDropWindow()));
    EXPECT_EQ(30, ListView_GetItemCount(list));
    EXPECT_EQ(12, ListView_GetNextItem(list, -1, LVNI_SELECTED));
    EXPECT_EQ(12, ListView_GetTopIndex(list)) << "the selection at the top of a long list";
    wchar_t text[32] = {};
    ListView_GetItemText(list, 12, 0, text, 32);
    EXPECT_STREQ(L"Item 12", text);
    // A whole number of rows shows: the window's height less its frame is a
    // multiple of the row height.
    RECT drop{};
    ::GetWindowRect(combo.GetDropWindow(), &drop);
    RECT row{LVIR_BOUNDS, 0, 0, 0};
    ::SendMessageW(list, LVM_GETITEMRECT, 12, reinterpret_cast<LPARAM>(&row));
    const int rowHeight = row.bottom - row.top;
    ASSERT_GT(rowHeight, 0);
    EXPECT_EQ(0, (drop.bottom - drop.top - 4) % rowHeight);
    // As wide as the combo, just below it overlapping its bottom edge.
    RECT own{};
    combo.GetWindowRect(&own);
    EXPECT_EQ(own.left, drop.left);
    EXPECT_EQ(own.right, drop.right);
    EXPECT_EQ(own.bottom - 1, drop.top);
    PressKey(VK_ESCAPE);

    // A free width grows to the longest item, never below the combo's.
    combo.AddString(L"A much longer item than the combo is wide, really");
    ASSERT_EQ(1, combo.FixDropListWidth(0));
    PressKey(VK_F4);
    ::GetWindowRect(combo.GetDropWindow(), &drop);
    EXPECT_GT(drop.right - drop.left, own.right - own.left);
    PressKey(VK_ESCAPE);
    combo.FixDropListWidth(1);
}

TEST_F(ComboTest, OpenListAndSelectionFieldColours) {
    NeloComboBox& combo = host->list;
    combo.SetCurSel(1);
    Focus(combo);
    // The focused field of a drop-down list: white text on (48, 109, 192).
    HWND field = combo.GetTextPart();
    Repaint(field);
    Capture focused = Capture::Client(field);
    EXPECT_COLOUR(RGB(48, 109, 192), focused.At(1, 1));
    EXPECT_GT(focused.Count([](COLORREF c) { return c == RGB(248, 248, 248); }), 10) << "the text";
    host->edit.SetFocus();
    Pump();
    Repaint(field);
    Capture unfocused = Capture::Client(field);
    EXPECT_COLOUR(RGB(250, 250, 250), unfocused.At(1, 1));
    EXPECT_GT(unfocused.Count([](COLORREF c) { return c == RGB(6, 45, 117); }), 10) << "the text";

    // The open list: the selected row in (48, 104, 192) with white text, the
    // others on the background, a border in the combo's border colour.
    Focus(combo);
    PressKey(VK_F4);
    HWND list = combo.GetDropList();
    Repaint(list);
    Capture rows = Capture::Client(list);
    RECT selected{LVIR_BOUNDS, 0, 0, 0}, other{LVIR_BOUNDS, 0, 0, 0};
    ::SendMessageW(list, LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&selected));
    ::SendMessageW(list, LVM_GETITEMRECT, 3, reinterpret_cast<LPARAM>(&other));
    const int right = rows.Width() - 30;
    EXPECT_COLOUR(RGB(48, 104, 192), rows.At(right, (selected.top + selected.bottom) / 2));
    EXPECT_COLOUR(RGB(250, 250, 250), rows.At(right, (other.top + other.bottom) / 2));
    EXPECT_COLOUR(RGB(48, 104, 192), rows.At(rows.Width() - 1, (selected.top + selected.bottom) / 2))
        << "the selected row spans the list";
    const RECT selectedRow{0, selected.top, rows.Width(), selected.bottom};
    EXPECT_GT(rows.Count([](COLORREF c) { return c == RGB(255, 255, 255); }, selectedRow), 10) << "white text";
    Capture frame = Capture::Window(combo.GetDropWindow());
    EXPECT_COLOUR(RGB(127, 157, 185), frame.At(0, frame.Height() / 2)) << "the list's border";
    PressKey(VK_ESCAPE);
}

TEST_F(ComboTest, KeyboardMovesTheSelectionWithOneChangeEach) {
    NeloComboBox& combo = host->list;
    Fill(combo, 30);
    Focus(combo);
    struct Step {
        const char* name;
        WORD key;
        int selection;
        int changes;
    };
    // Keys on the closed combo and on the open list alike.
    const Step steps[] = {
        {"Down", VK_DOWN, 1, 1}, {"Down", VK_DOWN, 2, 1}, {"Up", VK_UP, 1, 1}, {"End", VK_END, 29, 1},
        {"End again: no change", VK_END, 29, 0}, {"Home", VK_HOME, 0, 1}, {"Up at the top: no change", VK_UP, 0, 0},
    };
    for (bool open : {false, true}) {
        SCOPED_TRACE(open ? "open" : "closed");
        combo.SetCurSel(0);
        if (open)
            PressKey(VK_F4);
        for (const Step& s : steps) {
            SCOPED_TRACE(s.name);
            host->commands.clear();
            PressKey(s.key);
            EXPECT_EQ(s.selection, combo.GetCurSel());
            EXPECT_EQ(s.changes, SelChanges(IDC_COMBO_LIST));
            EXPECT_EQ(open, combo.IsDropped() != 0);
            if (open)
                EXPECT_EQ(s.selection, ListView_GetNextItem(combo.GetDropList(), -1, LVNI_SELECTED))
                    << "the open list follows";
        }
        // Page Down moves on by more than one item, Page Up comes back.
        host->commands.clear();
        PressKey(VK_NEXT);
        const int paged = combo.GetCurSel();
        EXPECT_GT(paged, 1);
        PressKey(VK_PRIOR);
        EXPECT_EQ(0, combo.GetCurSel());
        EXPECT_EQ(2, SelChanges(IDC_COMBO_LIST));
        if (open)
            PressKey(VK_ESCAPE);
    }
}

TEST_F(ComboTest, SelectingReachesTheParentOncePerChange) {
    NeloComboBox& combo = host->list;
    HWND control = combo.GetSafeHwnd();
    MessageRecorder recorder(control, Host(), {WM_COMMAND});
    const auto selChange = [](int optionalFlags) {
        return quorvex_test::ExpectedMessage{WM_COMMAND, quorvex_test::Sent, quorvex_test::ToParent,
                                             static_cast<unsigned>(quorvex_test::MatchWParam | optionalFlags),
                                             MAKEWPARAM(IDC_COMBO_LIST, CBN_SELCHANGE)};
    };
    const quorvex_test::ExpectedMessage dropDown{WM_COMMAND, quorvex_test::Sent, quorvex_test::ToParent,
                                                 quorvex_test::MatchWParam, MAKEWPARAM(IDC_COMBO_LIST, CBN_DROPDOWN)};
    // The system's own conversation on a key: its list box tells the combo,
    // the combo may confirm the choice before reporting the change.
    const quorvex_test::ExpectedMessage fromList{WM_COMMAND, quorvex_test::Sent, quorvex_test::ToControl,
                                                 quorvex_test::Optional};
    const quorvex_test::ExpectedMessage selEndOk{WM_COMMAND, quorvex_test::Sent, quorvex_test::ToParent,
                                                 quorvex_test::MatchWParam | quorvex_test::Optional,
                                                 MAKEWPARAM(IDC_COMBO_LIST, CBN_SELENDOK)};
    struct Case {
        const char* name;
        std::function<void()> act;
        int selection;
        std::vector<quorvex_test::ExpectedMessage> expected;
    };
    const POINT field = OnScreen(control, POINT{10, 8});
    const Case cases[] = {
        {"a click on row 3", [&] {
             Click(field);
             Click(RowCentre(combo.GetDropList(), 3));
         },
         3, {dropDown, selChange(0)}},
        {"a click on the selected row: no change", [&] {
             Click(field);
             Click(RowCentre(combo.GetDropList(), 3));
         },
         3, {dropDown}},
        {"Enter on the hovered row 1", [&] {
             PressKey(VK_F4);
             MoveMouse(RowCentre(combo.GetDropList(), 1));
             PressKey(VK_RETURN);
         },
         1, {dropDown, selChange(0)}},
        {"Enter on the open list without moving: no change", [&] {
             PressKey(VK_F4);
             PressKey(VK_RETURN);
         },
         1, {dropDown}},
        {"Down, then Enter: one change", [&] {
             PressKey(VK_DOWN, true);
             PressKey(VK_DOWN);
             PressKey(VK_RETURN);
         },
         2, {dropDown, fromList, selEndOk, selChange(0)}},
        {"SetCurSel tells nobody", [&] { combo.SetCurSel(4); }, 4, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Focus(combo);
        recorder.Clear();
        host->commands.clear();
        c.act();
        EXPECT_FALSE(combo.IsDropped());
        EXPECT_EQ(c.selection, combo.GetCurSel());
        EXPECT_TRUE(recorder.Matches(c.expected));
        EXPECT_EQ(0, host->CountCommands(IDOK, BN_CLICKED)) << "Enter meant for the list";
        CString shown;
        ::GetWindowTextW(combo.GetTextPart(), shown.GetBuffer(64), 64);
        shown.ReleaseBuffer();
        CString expected;
        expected.Format(L"Item %d", c.selection);
        EXPECT_EQ(expected, shown) << "the selection field shows the selected item";
    }
    MoveMouse(RestingPointer());
}

TEST_F(ComboTest, ReleasingOverTheScrollBarSelectsNothing) {
    NeloComboBox& combo = host->list;
    Fill(combo, 40);
    Focus(combo);
    PressKey(VK_F4);
    HWND list = combo.GetDropList();
    ASSERT_TRUE(::GetWindowLongW(list, GWL_STYLE) & WS_VSCROLL);
    RECT window{};
    ::GetWindowRect(list, &window);
    const int bar = ::GetSystemMetrics(SM_CXVSCROLL);
    const POINT onBar{window.right - bar / 2 - 1, (window.top + window.bottom) / 2};
    host->commands.clear();
    Click(onBar);
    EXPECT_TRUE(combo.IsDropped()) << "a click on the bar keeps the list open";
    EXPECT_EQ(combo.GetDropWindow(), ::GetCapture()) << "the drop window has the mouse again";
    EXPECT_EQ(0, combo.GetCurSel());
    EXPECT_EQ(0, SelChanges(IDC_COMBO_LIST));
    EXPECT_GT(ListView_GetTopIndex(list), 0) << "the bar paged the list";
    PressKey(VK_ESCAPE);
}

TEST_F(ComboTest, WheelScrollsTheOpenList) {
    NeloComboBox& combo = host->list;
    Fill(combo, 40);
    Focus(combo);
    PressKey(VK_F4);
    HWND list = combo.GetDropList();
    ASSERT_EQ(0, ListView_GetTopIndex(list));
    combo.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
    Pump();
    EXPECT_GT(ListView_GetTopIndex(list), 0);
    EXPECT_EQ(0, combo.GetCurSel()) << "the wheel scrolls, it does not select";
    PressKey(VK_ESCAPE);
}

TEST_F(ComboTest, NativeAnswersOfThePreFilteredMessages) {
    NeloComboBox& combo = host->list;
    struct Case {
        const char* name;
        UINT message;
        WPARAM wParam;
        const wchar_t* text;
        LRESULT result;
        int selection;
    };
    const Case cases[] = {
        {"CB_SETCURSEL in range", CB_SETCURSEL, 3, nullptr, 3, 3},
        {"CB_SETCURSEL past the end", CB_SETCURSEL, 9, nullptr, CB_ERR, -2},
        {"CB_SETCURSEL to none", CB_SETCURSEL, static_cast<WPARAM>(-1), nullptr, CB_ERR, -1},
        {"CB_SELECTSTRING found", CB_SELECTSTRING, static_cast<WPARAM>(-1), L"Item 2", 2, 2},
        {"CB_SELECTSTRING not found", CB_SELECTSTRING, static_cast<WPARAM>(-1), L"Nothing", CB_ERR, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.result, combo.SendMessage(c.message, c.wParam, reinterpret_cast<LPARAM>(c.text)));
        // -2: whatever the system's combo keeps for an index past the end.
        if (c.selection != -2)
            EXPECT_EQ(c.selection, combo.GetCurSel());
        CString shown;
        ::GetWindowTextW(combo.GetTextPart(), shown.GetBuffer(64), 64);
        shown.ReleaseBuffer();
        CString expected;
        combo.GetWindowText(expected);
        EXPECT_EQ(expected, shown) << "the selection field shows the combo's text";
        if (c.selection >= 0)
            EXPECT_EQ(CString(L"Item ") + CString(std::to_wstring(c.selection).c_str()), shown);
    }
    combo.ResetContent();
    EXPECT_EQ(0, combo.GetCount());
    EXPECT_EQ(0, ::GetWindowTextLengthW(combo.GetTextPart())) << "emptied with the items";
}

TEST_F(ComboTest, ItemImagesInTheListAndInTheTextParts) {
    ColourImages images;
    for (NeloComboBox* combo : {&host->list, &host->edit}) {
        SCOPED_TRACE(combo == &host->list ? "drop-down list" : "drop-down combo");
        ASSERT_EQ(1, combo->SetImageList(&images.list));
        EXPECT_EQ(images.list.GetSafeHandle(), combo->GetImageList()->GetSafeHandle()) << "the caller's list, shared";
        struct Set {
            int item, image, result;
        };
        const Set sets[] = {{0, 1, 1}, {1, 2, 1}, {2, 0, 1}, {-1, 0, 1}, {-2, 0, 0}, {5, 0, 0}, {4, 1, 1}};
        for (const Set& s : sets)
            EXPECT_EQ(s.result, combo->SetItemImage(s.item, s.image)) << s.item;
        // The selected item's image shows at once.
        EXPECT_EQ(1, combo->GetShownImage());
        combo->SetCurSel(1);
        Pump();
        EXPECT_EQ(2, combo->GetShownImage());
        combo->SetCurSel(3);
        EXPECT_EQ(-1, combo->GetShownImage()) << "an item without an image";
        combo->SetCurSel(1);
        combo->SetItemImage(1, 0);
        EXPECT_EQ(0, combo->GetShownImage()) << "changed on the selected item: at once";

        // On screen: the image at the left of the text part.
        HWND text = combo->GetTextPart();
        Repaint(text);
        Capture shot = Capture::Window(text);
        EXPECT_COLOUR(ColourImages::Colour(0), shot.At(8, shot.Height() / 2));

        // In the open list, row 0 shows image 1 (green) and row 2 image 0.
        Focus(*combo);
        PressKey(VK_F4);
        HWND list = combo->GetDropList();
        Repaint(list);
        Capture rows = Capture::Client(list);
        RECT row0{LVIR_BOUNDS, 0, 0, 0};
        ::SendMessageW(list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row0));
        const int green = rows.Count([](COLORREF c) { return c == RGB(0, 255, 0); });
        EXPECT_GE(green, 100) << "item 0's image";
        PressKey(VK_ESCAPE);
    }
}

TEST_F(ComboTest, ImagesMoveWithTheirItems) {
    ColourImages images;
    NeloComboBox& combo = host->list;
    combo.SetImageList(&images.list);
    for (int i = 0; i < 3; ++i)
        combo.SetItemImage(i, i); // items 0, 1, 2 show images 0, 1, 2
    struct Step {
        const char* name;
        std::function<void()> act;
        const wchar_t* item;
        int image;
    };
    const Step steps[] = {
        {"an item inserted at the top", [&] { combo.InsertString(0, L"New"); }, L"Item 1", 1},
        {"the new item has none", [] {}, L"New", -1},
        {"an item deleted before it", [&] { combo.DeleteString(0); }, L"Item 1", 1},
        {"the deleted item's image goes", [&] { combo.DeleteString(1); }, L"Item 2", 2},
        {"appended items have none", [&] { combo.AddString(L"Last"); }, L"Last", -1},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.name);
        s.act();
        const int index = combo.FindStringExact(-1, s.item);
        ASSERT_GE(index, 0);
        combo.SetCurSel(index);
        EXPECT_EQ(s.image, combo.GetShownImage());
    }
}

TEST_F(ComboTest, TheCallersImageListOutlivesTheCombo) {
    ColourImages images;
    {
        NeloComboBox made;
        ASSERT_TRUE(made.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | WS_VSCROLL, RECT{220, 20, 340, 140},
                                CWnd::FromHandle(Host()), 2001));
        made.AddString(L"One");
        made.AddString(L"Two");
        ASSERT_EQ(1, made.SetImageList(&images.list));
        made.SetItemImage(0, 2);
        made.SetCurSel(0);
        EXPECT_EQ(2, made.GetShownImage());
        ASSERT_NE(nullptr, made.GetDropWindow());
        made.DestroyWindow();
    }
    Pump();
    EXPECT_EQ(3, ImageList_GetImageCount(images.list.GetSafeHandle())) << "the list is still the caller's";
}

TEST_F(ComboTest, EditPartTypingFilteringAndOpening) {
    NeloComboBox& combo = host->edit;
    combo.ResetContent();
    for (const wchar_t* item : {L"Apple", L"Banana", L"Blueberry", L"Cherry", L"Date", L"Elder", L"Fig", L"Grape",
                                L"Kiwi", L"Lemon", L"Mango", L"Nectarine", L"Orange", L"Peach"})
        combo.AddString(item);
    combo.SetCurSel(-1);
    HWND edit = combo.GetTextPart();
    ::SetFocus(edit);
    Pump();
    PressKey(VK_F4);
    ASSERT_TRUE(combo.IsDropped());
    for (WORD key : {WORD('M'), WORD('A')})
        PressKey(key);
    // Typing scrolls the found item ("Mango") to the top without selecting it.
    HWND list = combo.GetDropList();
    const int perPage = ListView_GetCountPerPage(list);
    EXPECT_EQ(std::min(10, 14 - perPage), ListView_GetTopIndex(list)) << "as near the top as the list goes";
    EXPECT_EQ(-1, ListView_GetNextItem(list, -1, LVNI_SELECTED));
    PressKey(VK_ESCAPE);
    ASSERT_FALSE(combo.IsDropped());

    // Opening picks the first item the typed text begins.
    ::SetWindowTextW(edit, L"Bl");
    PressKey(VK_F4);
    EXPECT_EQ(2, combo.GetCurSel());
    PressKey(VK_ESCAPE);

    // Alt+Down and Enter from the edit choose the hovered item once.
    host->commands.clear();
    PressKey(VK_DOWN, true);
    ASSERT_TRUE(combo.IsDropped());
    MoveMouse(RowCentre(list, 3));
    PressKey(VK_RETURN);
    EXPECT_FALSE(combo.IsDropped());
    EXPECT_EQ(3, combo.GetCurSel());
    EXPECT_EQ(1, SelChanges(IDC_COMBO_EDIT));
    EXPECT_EQ(0, host->CountCommands(IDOK, BN_CLICKED));
    DWORD start = 0, end = 0;
    ::SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(0u, start);
    EXPECT_EQ(6u, end) << "the whole text selected";
    MoveMouse(RestingPointer());

    // Losing the focus closes the list.
    PressKey(VK_F4);
    ASSERT_TRUE(combo.IsDropped());
    host->list.SetFocus();
    Pump();
    EXPECT_FALSE(combo.IsDropped());
}

TEST_F(ComboTest, DisabledDropDownComboTakesNoTyping) {
    NeloComboBox& combo = host->edit;
    HWND edit = combo.GetTextPart();
    combo.EnableWindow(FALSE);
    Pump();
    EXPECT_TRUE(::IsWindowEnabled(edit)) << "enabled, so that it takes the combo's colours";
    EXPECT_TRUE(::GetWindowLongW(edit, GWL_STYLE) & ES_READONLY) << "but takes no typing";
    EXPECT_FALSE(combo.IsDropped());
    Repaint(combo.GetSafeHwnd());
    Capture shot = Capture::Client(combo.GetSafeHwnd());
    EXPECT_COLOUR(RGB(204, 204, 204), shot.At(0, shot.Height() / 2)) << "disabled border";
    EXPECT_COLOUR(RGB(236, 233, 216), shot.At(1, shot.Height() / 2)) << "disabled background";
    combo.EnableWindow(TRUE);
    Pump();
    EXPECT_FALSE(::GetWindowLongW(edit, GWL_STYLE) & ES_READONLY);
    ::SetFocus(edit);
    Pump();
    ::SetWindowTextW(edit, L"");
    PressKey('Q');
    wchar_t text[8] = {};
    ::GetWindowTextW(edit, text, 8);
    EXPECT_STREQ(L"q", text);
}

TEST_F(ComboTest, CopyAndPasteSwitch) {
    NeloComboBox& combo = host->edit;
    HWND edit = combo.GetTextPart();
    ::SetWindowTextW(edit, L"kept");
    ASSERT_TRUE(::OpenClipboard(Host()));
    ::EmptyClipboard();
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, 16);
    wcscpy(static_cast<wchar_t*>(::GlobalLock(memory)), L"pasted");
    ::GlobalUnlock(memory);
    ::SetClipboardData(CF_UNICODETEXT, memory);
    ::CloseClipboard();
    struct Case {
        int enabled;
        const wchar_t* afterPaste;
        const wchar_t* afterCut;
    };
    const Case cases[] = {{0, L"kept", L"kept"}, {1, L"pasted", L""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.enabled ? "allowed" : "refused");
        EXPECT_EQ(1, combo.EnableCopyPasteOperation(c.enabled));
        ::SetWindowTextW(edit, L"kept");
        ::SendMessageW(edit, EM_SETSEL, 0, -1);
        ::SendMessageW(edit, WM_PASTE, 0, 0);
        wchar_t text[32] = {};
        ::GetWindowTextW(edit, text, 32);
        EXPECT_STREQ(c.afterPaste, text);
        ::SendMessageW(edit, EM_SETSEL, 0, -1);
        ::SendMessageW(edit, WM_CUT, 0, 0);
        ::GetWindowTextW(edit, text, 32);
        EXPECT_STREQ(c.afterCut, text);
    }
}

TEST_F(ComboTest, SystemKeysOtherThanAltArrowsReachTheDialog) {
    for (NeloComboBox* combo : {&host->list, &host->edit}) {
        SCOPED_TRACE(combo == &host->list ? "drop-down list" : "drop-down combo");
        Focus(*combo);
        MessageRecorder recorder(combo->GetSafeHwnd(), Host(), {WM_SYSCOMMAND});
        PressKey(VK_F4, true);
        EXPECT_FALSE(combo->IsDropped());
        EXPECT_TRUE(recorder.Matches({
            {WM_SYSCOMMAND, quorvex_test::Posted, quorvex_test::ToParent, quorvex_test::MatchWParam, SC_CLOSE},
        })) << "Alt+F4 reaches the dialog";
        recorder.Clear();
        PressKey(VK_DOWN, true);
        EXPECT_TRUE(combo->IsDropped());
        PressKey(VK_DOWN, true);
        EXPECT_FALSE(combo->IsDropped());
        EXPECT_TRUE(recorder.Matches({})) << "Alt+Down stays with the combo";
    }
}

TEST_F(ComboTest, DropWindowPlacementNearTheScreenEdges) {
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    struct Case {
        const char* name;
        int x, y;
        bool above;
    };
    // The host sits at the screen's top-left; a combo made on a popup moved
    // near each edge.
    const Case cases[] = {
        {"top-left", 0, 0, false},
        {"bottom edge: above the combo", 100, work.bottom - 30, true},
        {"right edge", work.right - 60, 100, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CWnd popup;
        ASSERT_TRUE(popup.CreateEx(WS_EX_TOOLWINDOW, AfxRegisterWndClass(0), L"", WS_POPUP | WS_VISIBLE, c.x, c.y,
                                   200, 30, nullptr, nullptr));
        NeloComboBox combo;
        ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | WS_VSCROLL, RECT{0, 0, 120, 160}, &popup,
                                 2002));
        for (int i = 0; i < 5; ++i)
            combo.AddString(L"Row");
        combo.SetCurSel(0);
        combo.ShowDropDown(TRUE);
        Pump();
        RECT own{}, drop{};
        combo.GetWindowRect(&own);
        ::GetWindowRect(combo.GetDropWindow(), &drop);
        EXPECT_GE(drop.left, work.left);
        EXPECT_LE(drop.right, work.right);
        EXPECT_GE(drop.top, work.top);
        EXPECT_LE(drop.bottom, work.bottom);
        if (c.above)
            EXPECT_EQ(own.top, drop.bottom);
        else
            EXPECT_EQ(own.bottom - 1, drop.top);
        combo.ShowDropDown(FALSE);
        combo.DestroyWindow();
        popup.DestroyWindow();
        Pump();
    }
}

TEST_F(ComboTest, HoverOfTheButton) {
    NeloComboBox& combo = host->list;
    const RECT b = combo.GetButtonRect();
    MoveMouse(OnScreen(combo.GetSafeHwnd(), POINT{(b.left + b.right) / 2, (b.top + b.bottom) / 2}));
    EXPECT_TRUE(combo.IsButtonHot());
    MoveMouse(OnScreen(combo.GetSafeHwnd(), POINT{8, 8}));
    EXPECT_FALSE(combo.IsButtonHot()) << "over the field, not the button";
    MoveMouse(OnScreen(combo.GetSafeHwnd(), POINT{(b.left + b.right) / 2, (b.top + b.bottom) / 2}));
    EXPECT_TRUE(combo.IsButtonHot());
    MoveMouse(RestingPointer());
    EXPECT_TRUE(PumpUntil([&] { return !combo.IsButtonHot(); })) << "the leave clears it";

    ASSERT_EQ(1, combo.ShowHoverEffect(0));
    MoveMouse(OnScreen(combo.GetSafeHwnd(), POINT{(b.left + b.right) / 2, (b.top + b.bottom) / 2}));
    EXPECT_FALSE(combo.IsButtonHot()) << "no hover look when switched off";
    combo.ShowHoverEffect(1);
    MoveMouse(RestingPointer());
}

TEST_F(ComboTest, CoveredAndUncoveredAndRepaintedWithoutLeaks) {
    ColourImages images;
    host->list.SetImageList(&images.list);
    host->list.SetItemImage(0, 1);
    CoverAndUncover();
    Capture shot = Capture::Client(host->list.GetSafeHwnd());
    EXPECT_COLOUR(RGB(127, 157, 185), shot.At(0, shot.Height() / 2));
    const UINT flags = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN;
    for (NeloComboBox* combo : {&host->list, &host->edit, &host->disabled}) {
        ::RedrawWindow(combo->GetSafeHwnd(), nullptr, nullptr, flags);
        Pump();
        const quorvex_test::GdiCounts before = quorvex_test::CountGdi();
        for (int i = 0; i < 1000; ++i) {
            AfxLockTempMaps();
            ::RedrawWindow(combo->GetSafeHwnd(), nullptr, nullptr, flags);
            AfxUnlockTempMaps();
        }
        Pump();
        const quorvex_test::GdiCounts after = quorvex_test::CountGdi();
        EXPECT_EQ(before.wrappers, after.wrappers);
        EXPECT_EQ(before.handles, after.handles);
    }
}

} // namespace
