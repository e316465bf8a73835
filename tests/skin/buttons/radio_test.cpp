// NeloRadioButton on real windows: a leader attaching its group, groups
// found among the siblings of one parent and never mixed (other groups,
// other dialogs, windows that are not radio buttons), clicks, space and
// arrow keys keeping one member checked with one BN_CLICKED per change,
// group-wide settings, enabling and tab stops, members leaving with their
// windows, and the looks at exact pixels.
#include "test_support.h"

#include <memory>

using namespace buttons_test;
using quorvex_test::ExpectedMessage;
using quorvex_test::MatchWParam;
using quorvex_test::MessageRecorder;
using quorvex_test::Sent;
using quorvex_test::ToControl;
using quorvex_test::ToParent;
using Tavrin::_RadioButtonColorInfo;
using Tavrin::NeloRadioButton;

namespace {

constexpr int kFirstId = 2201;

DWORD TypeOf(HWND window) {
    return static_cast<DWORD>(::GetWindowLongW(window, GWL_STYLE)) & BS_TYPEMASK;
}

int Checked(HWND window) {
    return static_cast<int>(::SendMessageW(window, BM_GETCHECK, 0, 0));
}

bool HasTabStop(HWND window) {
    return (::GetWindowLongW(window, GWL_STYLE) & WS_TABSTOP) != 0;
}

void PressKey(WORD key) {
    INPUT keys[2] = {};
    keys[0].type = keys[1].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[1].ki.wVk = key;
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(2, keys, sizeof(INPUT));
}

POINT ScreenPoint(HWND window, int x, int y) {
    POINT p{x, y};
    ::ClientToScreen(window, &p);
    return p;
}

// A dialog inside the host with two groups side by side, attached as an
// application attaches it: only each group's leader.
class RadioDialog : public CDialog {
public:
    RadioDialog() : CDialog(IDD_RADIO_DIALOG) {}
    NeloRadioButton sizeLeader, speedLeader;
    bool Open(CWnd* owner, int x, int y) {
        if (!Create(IDD_RADIO_DIALOG, owner))
            return false;
        SetWindowPos(nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
        return true;
    }
    HWND Item(int id) { return ::GetDlgItem(m_hWnd, id); }

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, IDC_DLG_ONE_A, sizeLeader);
        DDX_Control(pDX, IDC_DLG_TWO_A, speedLeader);
    }
    void OnOK() override {}
    void OnCancel() override {}
};

class RadioTest : public HostTest {
protected:
    // Radio buttons in a row, 20 pixels apart; 'styles' give each one's
    // extra style bits and type (BS_AUTORADIOBUTTON unless told).
    std::vector<HWND> MakeRow(const std::vector<DWORD>& styles, int y = 20) {
        std::vector<HWND> windows;
        for (size_t i = 0; i < styles.size(); ++i) {
            DWORD style = styles[i];
            if (!(style & BS_TYPEMASK))
                style |= BS_AUTORADIOBUTTON;
            windows.push_back(CreateChild(L"BUTTON", L"Option", style, 20, y + 20 * static_cast<int>(i), 120,
                                          18, kFirstId + static_cast<int>(i)));
        }
        return windows;
    }
};

TEST_F(RadioTest, TheTemplatesLeaderAttachesItsGroupUpToTheNextGroup) {
    HWND a = host->templateRadio.GetSafeHwnd();
    HWND b = ::GetDlgItem(Host(), IDC_TEMPLATE_RADIO_B);
    HWND c = ::GetDlgItem(Host(), IDC_TEMPLATE_RADIO_C);
    EXPECT_TRUE(host->templateRadio.IsGroupLeader());
    EXPECT_EQ(3, host->templateRadio.GetGroupSize());
    for (HWND w : {a, b, c})
        EXPECT_EQ(static_cast<DWORD>(BS_OWNERDRAW), TypeOf(w));
    EXPECT_EQ(nullptr,
              dynamic_cast<NeloRadioButton*>(CWnd::FromHandlePermanent(host->templateDivider.GetSafeHwnd())));

    quorvex_test::LeftClick(ScreenPoint(c, 5, 5));
    Pump();
    EXPECT_EQ(0, Checked(a));
    EXPECT_EQ(0, Checked(b));
    EXPECT_EQ(1, Checked(c));
    // The leader has WS_TABSTOP: only the checked member keeps one.
    EXPECT_FALSE(HasTabStop(a));
    EXPECT_FALSE(HasTabStop(b));
    EXPECT_TRUE(HasTabStop(c));

    CoverAndUncover();
    const COLORREF dot = NeloRadioButton::DefaultColorInfo().crDotEnd;
    RECT client{};
    ::GetClientRect(c, &client);
    // The dot's gradient runs from near white to green: its middle is green-ish.
    const COLORREF centre = Capture::Client(c).At(7, client.bottom / 2);
    EXPECT_GT(GetGValue(centre), GetRValue(centre)) << Describe(centre) << " near " << Describe(dot);
    quorvex_test::LeftClick(ScreenPoint(a, 5, 5));
    Pump();
    EXPECT_EQ(1, Checked(a));
}

TEST_F(RadioTest, OnlyRealRadioButtonsJoinAndTheWalkStopsAtAnythingElse) {
    struct Case {
        const char* name;
        DWORD middle; // the type between the first two radio buttons
    };
    const Case cases[] = {{"tri-state box", BS_AUTO3STATE},
                          {"group box", BS_GROUPBOX},
                          {"default push button", BS_DEFPUSHBUTTON},
                          {"check box", BS_AUTOCHECKBOX}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<HWND> row = MakeRow({WS_GROUP | BS_AUTORADIOBUTTON, c.middle, BS_AUTORADIOBUTTON});
        NeloRadioButton leader;
        ASSERT_TRUE(leader.SubclassWindow(row[0]));
        EXPECT_EQ(1, leader.GetGroupSize());
        EXPECT_EQ(c.middle, TypeOf(row[1])) << "not taken over";
        EXPECT_EQ(static_cast<DWORD>(BS_AUTORADIOBUTTON), TypeOf(row[2])) << "beyond the walk";
        EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(row[1]));
        for (HWND w : row)
            ::DestroyWindow(w);
    }
}

TEST_F(RadioTest, ClicksSpaceAndArrowsKeepOneCheckedWithOneNotificationPerChange) {
    // Group one: three, the second... then a second group right after it.
    std::vector<HWND> row = MakeRow({WS_GROUP | WS_TABSTOP, 0, 0, WS_GROUP, 0});
    NeloRadioButton first, second;
    ASSERT_TRUE(first.SubclassWindow(row[0]));
    ASSERT_TRUE(second.SubclassWindow(row[3]));
    EXPECT_EQ(3, first.GetGroupSize());
    EXPECT_EQ(2, second.GetGroupSize());
    auto states = [&] {
        std::vector<int> s;
        for (HWND w : row)
            s.push_back(Checked(w));
        return s;
    };
    auto clicked = [&](int index) {
        return ExpectedMessage{WM_COMMAND, Sent, ToParent, MatchWParam,
                               MAKEWPARAM(kFirstId + index, BN_CLICKED)};
    };
    auto setCheck = [](WPARAM check) {
        return ExpectedMessage{BM_SETCHECK, Sent, ToControl, MatchWParam, check};
    };

    struct Case {
        const char* name;
        int watched; // the control whose messages are recorded
        std::function<void()> act;
        std::vector<int> states;
        std::vector<ExpectedMessage> sequence;
    };
    const Case cases[] = {
        {"a click checks the third",
         2,
         [&] { quorvex_test::LeftClick(ScreenPoint(row[2], 5, 9)); },
         {0, 0, 1, 0, 0},
         {clicked(2), setCheck(1)}},
        {"a click on the first unchecks the third",
         2,
         [&] { quorvex_test::LeftClick(ScreenPoint(row[0], 5, 9)); },
         {1, 0, 0, 0, 0},
         {clicked(0), setCheck(0)}},
        {"Down moves to the second",
         0,
         [&] {
             ::SetFocus(row[0]);
             PressKey(VK_DOWN);
         },
         {0, 1, 0, 0, 0},
         {setCheck(0), clicked(1)}},
        {"Right moves to the third",
         1,
         [&] { PressKey(VK_RIGHT); },
         {0, 0, 1, 0, 0},
         {setCheck(0), clicked(2)}},
        {"Down on the last member stays in its group", 2, [&] { PressKey(VK_DOWN); }, {0, 0, 1, 0, 0}, {}},
        {"Up moves back", 2, [&] { PressKey(VK_UP); }, {0, 1, 0, 0, 0}, {setCheck(0), clicked(1)}},
        {"Left moves back again", 1, [&] { PressKey(VK_LEFT); }, {1, 0, 0, 0, 0}, {setCheck(0), clicked(0)}},
        {"Up on the first member does nothing", 0, [&] { PressKey(VK_UP); }, {1, 0, 0, 0, 0}, {}},
        {"space checks the focused member of the other group",
         4,
         [&] {
             ::SetFocus(row[4]);
             PressKey(VK_SPACE);
         },
         {1, 0, 0, 0, 1},
         {setCheck(1), clicked(4)}},
        {"a disabled member is skipped",
         0,
         [&] {
             ::EnableWindow(row[1], FALSE);
             ::SetFocus(row[0]);
             PressKey(VK_DOWN);
         },
         {0, 0, 1, 0, 1},
         {setCheck(0), clicked(2)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MessageRecorder recorder(row[c.watched], Host(), {BM_SETCHECK, WM_COMMAND});
        c.act();
        Pump();
        EXPECT_EQ(c.states, states());
        EXPECT_TRUE(recorder.Matches(c.sequence));
        ::SetCursorPos(RestingPointer().x, RestingPointer().y);
    }
    EXPECT_EQ(row[2], ::GetFocus()) << "the focus follows the check";
}

TEST_F(RadioTest, SettingsOnTheLeaderReachTheGroupOnAMemberOnlyItself) {
    std::vector<HWND> row = MakeRow({WS_GROUP, 0, 0});
    NeloRadioButton leader;
    ASSERT_TRUE(leader.SubclassWindow(row[0]));
    auto* member = dynamic_cast<NeloRadioButton*>(CWnd::FromHandlePermanent(row[1]));
    ASSERT_NE(nullptr, member);

    _RadioButtonColorInfo red = NeloRadioButton::DefaultColorInfo();
    red.crRadioBackground = RGB(255, 0, 0);
    ASSERT_EQ(1, leader.SetRadioButtonGroupColorInfo(red));
    _RadioButtonColorInfo blue = red;
    blue.crRadioBackground = RGB(0, 0, 255);
    ASSERT_EQ(1, member->SetRadioButtonGroupColorInfo(blue));
    _RadioButtonColorInfo read{};
    const COLORREF expected[] = {RGB(255, 0, 0), RGB(0, 0, 255), RGB(255, 0, 0)};
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(1, leader.GetRadioButtonColorInfo(kFirstId + i, read));
        EXPECT_COLOUR(expected[i], read.crRadioBackground);
    }
    Repaint(Host());
    for (int i = 0; i < 3; ++i)
        EXPECT_COLOUR(expected[i], ClientPixel(row[i], 118, 1));

    // One member by its id; an id outside the group fails.
    blue.crRadioBackground = RGB(0, 128, 0);
    EXPECT_EQ(1, leader.SetRadioButtonColorInfo(kFirstId + 2, blue));
    ASSERT_EQ(1, member->GetRadioButtonColorInfo(kFirstId + 2, read));
    EXPECT_COLOUR(RGB(0, 128, 0), read.crRadioBackground);
    EXPECT_EQ(0, leader.SetRadioButtonColorInfo(9999, blue));
    EXPECT_EQ(0, leader.GetRadioButtonColorInfo(9999, read));

    // Symbol width: limits checked against the button's own height (18).
    EXPECT_EQ(0, leader.SetRadioSymbolWidth(9));
    EXPECT_EQ(0, leader.SetRadioSymbolWidth(17));
    EXPECT_EQ(1, leader.SetRadioSymbolWidth(16));
    EXPECT_EQ(16, member->GetRadioSymbolWidth());
    EXPECT_EQ(1, member->SetRadioSymbolWidth(12));
    EXPECT_EQ(16, leader.GetRadioSymbolWidth());
    EXPECT_EQ(12, member->GetRadioSymbolWidth());

    // Disabling the leader disables the group; enabling it enables it again.
    ::EnableWindow(row[0], FALSE);
    Pump();
    for (HWND w : row)
        EXPECT_FALSE(::IsWindowEnabled(w));
    ::EnableWindow(row[0], TRUE);
    Pump();
    for (HWND w : row)
        EXPECT_TRUE(::IsWindowEnabled(w));
    EXPECT_EQ(static_cast<UINT>(DLGC_WANTARROWS | DLGC_RADIOBUTTON),
              static_cast<UINT>(::SendMessageW(row[1], WM_GETDLGCODE, 0, 0)));
}

TEST_F(RadioTest, MembersLeaveWithTheirWindowsAndTheLeaderLetsGoOfTheRest) {
    std::vector<HWND> row = MakeRow({WS_GROUP, 0, 0, 0});
    auto leader = std::make_unique<NeloRadioButton>();
    ASSERT_TRUE(leader->SubclassWindow(row[0]));
    ASSERT_EQ(4, leader->GetGroupSize());
    ::DestroyWindow(row[1]);
    Pump();
    EXPECT_EQ(3, leader->GetGroupSize());
    ::SetFocus(row[0]);
    PressKey(VK_DOWN);
    Pump();
    EXPECT_EQ(1, Checked(row[2])) << "the next member after the one that went";

    // The leader's window goes: the others become system radio buttons again.
    ::DestroyWindow(row[0]);
    Pump();
    for (HWND w : {row[2], row[3]}) {
        EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(w));
        EXPECT_EQ(static_cast<DWORD>(BS_AUTORADIOBUTTON), TypeOf(w));
    }
    quorvex_test::LeftClick(ScreenPoint(row[3], 5, 9));
    Pump();
    EXPECT_EQ(BST_CHECKED, Checked(row[3])) << "the system's own radio button works again";
    leader.reset();

    // An object that goes before its window lets go of its followers too.
    std::vector<HWND> again = MakeRow({WS_GROUP, 0}, 120);
    leader = std::make_unique<NeloRadioButton>();
    ASSERT_TRUE(leader->SubclassWindow(again[0]));
    leader->UnsubclassWindow();
    leader.reset();
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(again[1]));
    EXPECT_EQ(static_cast<DWORD>(BS_AUTORADIOBUTTON), TypeOf(again[1]));
}

TEST_F(RadioTest, AMemberAttachedOnItsOwnJoinsAndAFirstRadioWithoutTheMarkLeads) {
    // A label starts the group; the first radio button after it leads.
    HWND label = CreateChild(L"STATIC", L"Pick:", WS_GROUP, 20, 0, 100, 16);
    std::vector<HWND> row = MakeRow({0, 0, 0});
    NeloRadioButton last, first;
    ASSERT_TRUE(last.SubclassWindow(row[2]));
    EXPECT_FALSE(last.IsGroupLeader());
    ASSERT_TRUE(first.SubclassWindow(row[0]));
    EXPECT_TRUE(first.IsGroupLeader());
    EXPECT_TRUE(::GetWindowLongW(row[0], GWL_STYLE) & WS_GROUP);
    EXPECT_EQ(3, first.GetGroupSize());
    EXPECT_EQ(static_cast<DWORD>(BS_OWNERDRAW), TypeOf(row[1]));
    quorvex_test::LeftClick(ScreenPoint(row[2], 5, 9));
    Pump();
    quorvex_test::LeftClick(ScreenPoint(row[1], 5, 9));
    Pump();
    EXPECT_EQ(0, Checked(row[2]));
    EXPECT_EQ(1, Checked(row[1]));
    ::DestroyWindow(label);
}

TEST_F(RadioTest, GroupsOfASecondDialogWorkWhileTheFirstIsClosed) {
    auto one = std::make_unique<RadioDialog>();
    ASSERT_TRUE(one->Open(host, 180, 20));
    auto two = std::make_unique<RadioDialog>();
    ASSERT_TRUE(two->Open(host, 180, 150));
    Pump();
    // Clicks go to what the screen shows: both dialogs must be there first.
    EXPECT_TRUE(quorvex_test::WaitUntilShownOnScreen());
    EXPECT_EQ(3, two->sizeLeader.GetGroupSize());
    EXPECT_EQ(2, two->speedLeader.GetGroupSize());
    quorvex_test::LeftClick(ScreenPoint(one->Item(IDC_DLG_ONE_B), 5, 5));
    Pump();
    EXPECT_EQ(1, Checked(one->Item(IDC_DLG_ONE_B)));
    one->DestroyWindow();
    one.reset();
    Pump();
    EXPECT_TRUE(quorvex_test::WaitUntilShownOnScreen());

    // The second dialog's groups are whole and separate.
    MessageRecorder recorder(two->Item(IDC_DLG_ONE_C), two->GetSafeHwnd(), {WM_COMMAND});
    quorvex_test::LeftClick(ScreenPoint(two->Item(IDC_DLG_ONE_C), 5, 5));
    Pump();
    EXPECT_TRUE(
        recorder.Matches({{WM_COMMAND, Sent, ToParent, MatchWParam, MAKEWPARAM(IDC_DLG_ONE_C, BN_CLICKED)}}));
    quorvex_test::LeftClick(ScreenPoint(two->Item(IDC_DLG_TWO_B), 5, 5));
    Pump();
    EXPECT_EQ(1, Checked(two->Item(IDC_DLG_ONE_C)));
    EXPECT_EQ(1, Checked(two->Item(IDC_DLG_TWO_B)));
    ::SetFocus(two->Item(IDC_DLG_ONE_C));
    PressKey(VK_DOWN);
    Pump();
    EXPECT_EQ(1, Checked(two->Item(IDC_DLG_ONE_C))) << "Down never crosses into the next group";
    EXPECT_EQ(0, Checked(two->Item(IDC_DLG_TWO_A)));
    PressKey(VK_UP);
    Pump();
    EXPECT_EQ(1, Checked(two->Item(IDC_DLG_ONE_B)));
    EXPECT_EQ(1, Checked(two->Item(IDC_DLG_TWO_B)));
    two->DestroyWindow();
    Pump();
}

// Solid colours per part, so exact pixels tell the looks apart.
struct RadioPixels {
    COLORREF face, dot, text;
};
const COLORREF kRadioBackground = RGB(230, 240, 250);
const RadioPixels kOn{RGB(200, 200, 200), RGB(0, 150, 0), RGB(160, 0, 0)};
const RadioPixels kOff{RGB(220, 220, 200), RGB(120, 120, 0), RGB(130, 0, 130)};
const COLORREF kPressedFace = RGB(180, 170, 160);
const COLORREF kRadioHover = RGB(250, 120, 0);
const COLORREF kRadioFocus = RGB(255, 0, 255);

_RadioButtonColorInfo SolidColours() {
    _RadioButtonColorInfo c = NeloRadioButton::DefaultColorInfo();
    c.crRadioBackground = kRadioBackground;
    c.crFaceNormalStart = c.crFaceNormalEnd = kOn.face;
    c.crDotStart = c.crDotEnd = kOn.dot;
    c.crRadioText = kOn.text;
    c.crFacePressedStart = c.crFacePressedEnd = kPressedFace;
    c.crFaceDisabledStart = c.crFaceDisabledEnd = kOff.face;
    c.crDotDisabledStart = c.crDotDisabledEnd = kOff.dot;
    c.crRadioTextDisabled = kOff.text;
    c.crRadioHoverStart = c.crRadioHoverEnd = kRadioHover;
    c.crRadioFocus = kRadioFocus;
    return c;
}

TEST_F(RadioTest, EachLookAtExactPixels) {
    // 120 x 20: the circle (0, 3) to (14, 17), its centre (7, 10); the dot
    // (3, 6) to (11, 14); the caption from x = 21.
    HWND window = CreateChild(L"BUTTON", L"Radio", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 20, 20, 120,
                              20, kFirstId);
    NeloRadioButton radio;
    ASSERT_TRUE(radio.SubclassWindow(window));
    ASSERT_EQ(1, radio.SetRadioButtonGroupColorInfo(SolidColours()));
    auto hover = [&] {
        POINT p = ScreenPoint(window, 60, 10);
        ::SetCursorPos(p.x, p.y);
        Pump();
        ::PostMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(60, 10));
    };
    struct Case {
        const char* name;
        std::function<void()> enter;
        COLORREF centre, text;
        bool ring, focus;
    };
    const Case cases[] = {
        {"unchecked", [] {}, kOn.face, kOn.text, false, false},
        {"checked", [&] { ::SendMessageW(window, BM_SETCHECK, 1, 0); }, kOn.dot, kOn.text, false, false},
        {"disabled, checked",
         [&] {
             ::SendMessageW(window, BM_SETCHECK, 1, 0);
             ::EnableWindow(window, FALSE);
         },
         kOff.dot, kOff.text, false, false},
        {"disabled", [&] { ::EnableWindow(window, FALSE); }, kOff.face, kOff.text, false, false},
        {"hover", hover, kOn.face, kOn.text, true, false},
        {"pressed while hovered",
         [&] {
             hover();
             Pump();
             ::SendMessageW(window, BM_SETSTATE, TRUE, 0);
         },
         kPressedFace, kOn.text, true, false},
        {"focused", [&] { ::SetFocus(window); }, kOn.face, kOn.text, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.enter();
        Pump();
        Repaint(Host());
        const Capture shot = Capture::Client(window);
        EXPECT_COLOUR(c.centre, shot.At(7, 10));
        EXPECT_COLOUR(kRadioBackground, shot.At(0, 0));
        EXPECT_COLOUR(kRadioBackground, shot.At(100, 1));
        EXPECT_GT(shot.Count([&](COLORREF p) { return p == c.text; }, RECT{21, 0, 120, 20}), 10);
        EXPECT_EQ(c.ring, shot.Count([](COLORREF p) { return p == kRadioHover; }, RECT{0, 3, 14, 17}) > 0);
        EXPECT_EQ(c.focus, shot.Count([](COLORREF p) { return p == kRadioFocus; }) > 0);
        ::SendMessageW(window, BM_SETSTATE, FALSE, 0);
        ::SendMessageW(window, BM_SETCHECK, 0, 0);
        ::EnableWindow(window, TRUE);
        ::SetFocus(Host());
        ::SetCursorPos(RestingPointer().x, RestingPointer().y);
        ::PostMessageW(window, WM_MOUSELEAVE, 0, 0);
        Pump();
    }
}

} // namespace
