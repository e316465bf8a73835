// The defaults of the buttons family, typed from the controls' descriptions:
// every colour of each colour record (as the static default and as a freshly
// attached control reports it), and the defaults without a getter (text
// alignment, fonts, shapes, corner style, bar style), checked by drawing the
// control with the typed value set explicitly and comparing.
#include "test_support.h"

#include "support/colour_record.h"

#include <cstddef>
#include <functional>
#include <vector>

using namespace buttons_test;
using quorvex_test::ColourEntry;
using quorvex_test::RecordHolds;
using namespace Tavrin;

namespace {

const ColourEntry<_ButtonColorInfo> kButtonColours[] = {
    {"crNormalTop", &_ButtonColorInfo::crNormalTop, RGB(243, 243, 243)},
    {"crNormalBottom", &_ButtonColorInfo::crNormalBottom, RGB(182, 208, 240)},
    {"crPressedTop", &_ButtonColorInfo::crPressedTop, RGB(182, 208, 240)},
    {"crPressedBottom", &_ButtonColorInfo::crPressedBottom, RGB(243, 243, 243)},
    {"crHoverTop", &_ButtonColorInfo::crHoverTop, RGB(243, 243, 243)},
    {"crHoverBottom", &_ButtonColorInfo::crHoverBottom, RGB(160, 192, 224)},
    {"crDisabledTop", &_ButtonColorInfo::crDisabledTop, RGB(250, 250, 250)},
    {"crDisabledBottom", &_ButtonColorInfo::crDisabledBottom, RGB(210, 225, 246)},
    {"crOuterNormal", &_ButtonColorInfo::crOuterNormal, RGB(127, 157, 185)},
    {"crOuterPressed", &_ButtonColorInfo::crOuterPressed, RGB(88, 168, 240)},
    {"crOuterHover", &_ButtonColorInfo::crOuterHover, RGB(88, 168, 240)},
    {"crOuterDisabled", &_ButtonColorInfo::crOuterDisabled, RGB(198, 206, 228)},
    {"crFocus", &_ButtonColorInfo::crFocus, RGB(88, 168, 240)},
    {"crInnerNormal", &_ButtonColorInfo::crInnerNormal, RGB(242, 246, 251)},
    {"crInnerPressed", &_ButtonColorInfo::crInnerPressed, RGB(202, 206, 211)},
    {"crInnerHover", &_ButtonColorInfo::crInnerHover, RGB(158, 200, 245)},
    {"crInnerDisabled", &_ButtonColorInfo::crInnerDisabled, RGB(239, 245, 251)},
    {"crTextNormal", &_ButtonColorInfo::crTextNormal, RGB(77, 97, 133)},
    {"crTextPressed", &_ButtonColorInfo::crTextPressed, RGB(83, 120, 178)},
    {"crTextHover", &_ButtonColorInfo::crTextHover, RGB(88, 144, 220)},
    {"crTextDisabled", &_ButtonColorInfo::crTextDisabled, RGB(175, 194, 223)},
};

const ColourEntry<_ToolTipCtrlColorInfo> kToolTipColours[] = {
    {"crTipTop", &_ToolTipCtrlColorInfo::crTipTop, RGB(251, 252, 253)},
    {"crTipBottom", &_ToolTipCtrlColorInfo::crTipBottom, RGB(234, 252, 249)},
    {"crTipText", &_ToolTipCtrlColorInfo::crTipText, RGB(6, 45, 117)},
    {"crTipFrame", &_ToolTipCtrlColorInfo::crTipFrame, RGB(49, 93, 148)},
};

const ColourEntry<_StaticColorInfo> kStaticColours[] = {
    {"crStaticTop", &_StaticColorInfo::crStaticTop, RGB(250, 250, 250)},
    {"crStaticBottom", &_StaticColorInfo::crStaticBottom, RGB(250, 250, 250)},
    {"crStaticText", &_StaticColorInfo::crStaticText, RGB(6, 45, 117)},
};

const ColourEntry<_GroupBoxColorInfo> kGroupBoxColours[] = {
    {"crGroupLine", &_GroupBoxColorInfo::crGroupLine, RGB(6, 45, 117)},
    {"crGroupText", &_GroupBoxColorInfo::crGroupText, RGB(49, 93, 148)},
};

const ColourEntry<_ProgressCtrlColorInfo> kProgressColours[] = {
    {"crBarBackground", &_ProgressCtrlColorInfo::crBarBackground, RGB(250, 250, 250)},
    {"crBarBackgroundDisabled", &_ProgressCtrlColorInfo::crBarBackgroundDisabled, RGB(230, 230, 210)},
    {"crBarFrame", &_ProgressCtrlColorInfo::crBarFrame, RGB(48, 94, 150)},
    {"crBarFrameDisabled", &_ProgressCtrlColorInfo::crBarFrameDisabled, RGB(204, 204, 204)},
    {"crBarCenter", &_ProgressCtrlColorInfo::crBarCenter, RGB(58, 178, 187)},
    {"crBarSurround", &_ProgressCtrlColorInfo::crBarSurround, RGB(121, 203, 209)},
    {"crBarLinearStart", &_ProgressCtrlColorInfo::crBarLinearStart, RGB(245, 245, 245)},
    {"crBarLinearEnd", &_ProgressCtrlColorInfo::crBarLinearEnd, RGB(58, 178, 187)},
};

// A default with no getter: setting the typed value must change nothing on
// screen, and setting another value must change something (so the
// comparison can tell them apart).
struct Setting {
    const char* name;
    std::function<void()> typed;
    std::function<void()> other;
};

class DefaultsTest : public HostTest {
protected:
    // Captures the whole window: frames and regions count too.
    void ExpectDefaults(HWND window, const std::vector<Setting>& settings) {
        Repaint(Host());
        const Capture fresh = Capture::Window(window);
        for (const Setting& s : settings) {
            SCOPED_TRACE(s.name);
            s.typed();
            Repaint(Host());
            EXPECT_EQ(0, Capture::Window(window).Differences(fresh)) << "the default is not the typed value";
            s.other();
            Repaint(Host());
            EXPECT_GT(Capture::Window(window).Differences(fresh), 0) << "the check cannot tell values apart";
            s.typed();
        }
    }

    // The window's font is ("Arial", 10 points, not bold).
    static ::testing::AssertionResult IsArial10(HFONT font) {
        LOGFONTW lf{};
        if (!font || !GetObjectW(font, sizeof(lf), &lf))
            return ::testing::AssertionFailure() << "no font";
        HDC screen = GetDC(nullptr);
        const int height = -MulDiv(10, GetDeviceCaps(screen, LOGPIXELSY), 72);
        ReleaseDC(nullptr, screen);
        if (lstrcmpW(lf.lfFaceName, L"Arial") != 0 || lf.lfHeight != height || lf.lfWeight != FW_NORMAL ||
            lf.lfItalic)
            return ::testing::AssertionFailure() << "height " << lf.lfHeight << ", weight " << lf.lfWeight;
        return ::testing::AssertionSuccess();
    }
};

TEST_F(DefaultsTest, ButtonColoursWithTheTooltipsAtTheEnd) {
    NeloButton button;
    HWND window = CreateChild(L"BUTTON", L"Go", WS_TABSTOP, 20, 20, 100, 30, 4001);
    ASSERT_TRUE(button.SubclassWindow(window));
    _ButtonColorInfo live{};
    ASSERT_EQ(1, button.GetButtonColorInfo(live));
    EXPECT_EQ(21 * sizeof(COLORREF), offsetof(_ButtonColorInfo, toolTipColorInfo));
    for (const _ButtonColorInfo& record : {NeloButton::DefaultColorInfo(), live}) {
        EXPECT_TRUE(RecordHolds(record, kButtonColours, 25));
        EXPECT_TRUE(RecordHolds(record.toolTipColorInfo, kToolTipColours));
    }
}

TEST_F(DefaultsTest, ToolTipStaticGroupBoxAndProgressBarColours) {
    NeloToolTipCtrl tip;
    ASSERT_TRUE(tip.Create(host));
    _ToolTipCtrlColorInfo tipColours{};
    ASSERT_EQ(1, tip.GetToolTipCtrlColorInfo(tipColours));
    EXPECT_TRUE(RecordHolds(tipColours, kToolTipColours));
    EXPECT_TRUE(RecordHolds(NeloToolTipCtrl::DefaultColorInfo(), kToolTipColours));
    EXPECT_EQ(RGB(6, 45, 117), static_cast<COLORREF>(tip.SendMessage(TTM_GETTIPTEXTCOLOR)));
    tip.DestroyWindow();

    NeloStatic label;
    ASSERT_TRUE(label.SubclassWindow(CreateChild(L"STATIC", L"Label", SS_LEFT, 20, 20, 100, 20)));
    _StaticColorInfo staticColours{};
    ASSERT_EQ(1, label.GetStaticColorInfo(staticColours));
    EXPECT_TRUE(RecordHolds(staticColours, kStaticColours));
    EXPECT_TRUE(RecordHolds(NeloStatic::DefaultColorInfo(), kStaticColours));

    NeloGroupBox group;
    ASSERT_TRUE(group.SubclassWindow(CreateChild(L"BUTTON", L"Group", BS_GROUPBOX, 20, 50, 100, 60)));
    _GroupBoxColorInfo groupColours{};
    ASSERT_EQ(1, group.GetGroupBoxColorInfo(groupColours));
    EXPECT_TRUE(RecordHolds(groupColours, kGroupBoxColours));
    EXPECT_TRUE(RecordHolds(NeloGroupBox::DefaultColorInfo(), kGroupBoxColours));

    NeloProgressCtrl bar;
    ASSERT_TRUE(bar.SubclassWindow(CreateChild(PROGRESS_CLASSW, L"", WS_BORDER, 20, 120, 100, 12)));
    _ProgressCtrlColorInfo barColours{};
    ASSERT_EQ(1, bar.GetProgressCtrlColorInfo(barColours));
    EXPECT_TRUE(RecordHolds(barColours, kProgressColours));
    EXPECT_TRUE(RecordHolds(NeloProgressCtrl::DefaultColorInfo(), kProgressColours));
}

TEST_F(DefaultsTest, ButtonCentresItsTextInArial10OnARoundedFace) {
    NeloButton button;
    HWND window = CreateChild(L"BUTTON", L"Wy", WS_TABSTOP, 20, 20, 140, 50, 4002);
    ASSERT_TRUE(button.SubclassWindow(window));
    EXPECT_EQ(0, button.IsStop());
    EXPECT_EQ(0, button.GetToolTipText().GetLength());
    EXPECT_EQ(nullptr, button.GetIcon());
    EXPECT_EQ(nullptr, button.GetBitmap());
    int x = -1, y = -1;
    ASSERT_EQ(1, button.GetPicturePos(x, y));
    EXPECT_EQ(0, x);
    EXPECT_EQ(0, y);
    ExpectDefaults(window, {
                               {"text alignment 4, centre-middle",
                                [&] { button.SetTextAlignment(ButtonTextCenterMiddle); },
                                [&] { button.SetTextAlignment(ButtonTextLeftTop); }},
                               {"font Arial, 10 points, not bold", [&] { button.SetFont(L"Arial", 10, 0); },
                                [&] { button.SetFont(L"Arial", 11, 0); }},
                               {"button style 1, all corners rounded", [&] { button.SetButtonStyle(1); },
                                [&] { button.SetButtonStyle(0); }},
                           });
}

TEST_F(DefaultsTest, FontsOfTheStaticGroupBoxAndTooltip) {
    NeloStatic label;
    HWND labelWindow = CreateChild(L"STATIC", L"Label", SS_LEFT, 20, 20, 100, 20);
    ASSERT_TRUE(label.SubclassWindow(labelWindow));
    EXPECT_TRUE(IsArial10(quorvex_test::WindowFontOf(labelWindow)));
    int x = -1, y = -1;
    ASSERT_EQ(1, label.GetPicturePos(x, y));
    EXPECT_EQ(0, x);
    EXPECT_EQ(0, y);
    EXPECT_EQ(nullptr, label.GetBitmap());

    // The template's static and group box had the dialog's font until they
    // were attached.
    EXPECT_TRUE(IsArial10(quorvex_test::WindowFontOf(host->templateStatic.GetSafeHwnd())));
    EXPECT_TRUE(IsArial10(quorvex_test::WindowFontOf(host->templateGroup.GetSafeHwnd())));

    NeloToolTipCtrl tip;
    ASSERT_TRUE(tip.Create(host));
    // The tip keeps its own copy of the font it is given.
    EXPECT_TRUE(IsArial10(quorvex_test::WindowFontOf(tip.GetSafeHwnd())));
    tip.DestroyWindow();
}

TEST_F(DefaultsTest, GroupBoxShowsItsCaptionInAOnePixelLineWithMediumCorners) {
    NeloGroupBox group;
    HWND window = CreateChild(L"BUTTON", L"Options", BS_GROUPBOX, 20, 20, 160, 80);
    ASSERT_TRUE(group.SubclassWindow(window));
    EXPECT_EQ(1, group.GetLineThickness());
    ExpectDefaults(
        window,
        {
            {"corner style 2, radius 4", [&] { group.SetRoundCornersStyle(GroupBoxCornersMedium); },
             [&] { group.SetRoundCornersStyle(GroupBoxCornersLarge); }},
            {"caption shown", [&] { group.ShowText(1); }, [&] { group.ShowText(0); }},
            {"line thickness 1", [&] { group.SetLineThickness(1); }, [&] { group.SetLineThickness(3); }},
        });
}

TEST_F(DefaultsTest, ProgressBarIsLitFromItsCentre) {
    NeloProgressCtrl bar;
    HWND window = CreateChild(PROGRESS_CLASSW, L"", WS_BORDER, 20, 20, 160, 20);
    ASSERT_TRUE(bar.SubclassWindow(window));
    bar.SetRange32(0, 100);
    bar.SetPos(70);
    ExpectDefaults(
        window, {{"bar style 0, path gradient", [&] { bar.SetProgressCtrlStyle(ProgressCtrlPathGradient); },
                  [&] { bar.SetProgressCtrlStyle(ProgressCtrlLinearGradient); }}});
}

const ColourEntry<_CheckBoxColorInfo> kCheckBoxColours[] = {
    {"crCheckBackground", &_CheckBoxColorInfo::crCheckBackground, RGB(225, 236, 249)},
    {"crCheckMark", &_CheckBoxColorInfo::crCheckMark, RGB(56, 185, 53)},
    {"crCheckMarkDisabled", &_CheckBoxColorInfo::crCheckMarkDisabled, RGB(172, 168, 153)},
    {"crBoxNormalStart", &_CheckBoxColorInfo::crBoxNormalStart, RGB(200, 200, 215)},
    {"crBoxNormalEnd", &_CheckBoxColorInfo::crBoxNormalEnd, RGB(254, 254, 254)},
    {"crBoxPressedStart", &_CheckBoxColorInfo::crBoxPressedStart, RGB(176, 176, 168)},
    {"crBoxPressedEnd", &_CheckBoxColorInfo::crBoxPressedEnd, RGB(250, 250, 250)},
    {"crBoxDisabledStart", &_CheckBoxColorInfo::crBoxDisabledStart, RGB(230, 230, 210)},
    {"crBoxDisabledEnd", &_CheckBoxColorInfo::crBoxDisabledEnd, RGB(230, 230, 210)},
    {"crCheckText", &_CheckBoxColorInfo::crCheckText, RGB(6, 45, 117)},
    {"crCheckTextDisabled", &_CheckBoxColorInfo::crCheckTextDisabled, RGB(172, 168, 153)},
    {"crBoxFrameStart", &_CheckBoxColorInfo::crBoxFrameStart, RGB(28, 81, 128)},
    {"crBoxFrameEnd", &_CheckBoxColorInfo::crBoxFrameEnd, RGB(38, 91, 138)},
    {"crBoxHoverStart", &_CheckBoxColorInfo::crBoxHoverStart, RGB(248, 232, 200)},
    {"crBoxHoverEnd", &_CheckBoxColorInfo::crBoxHoverEnd, RGB(248, 176, 48)},
    {"crBoxFrameDisabledStart", &_CheckBoxColorInfo::crBoxFrameDisabledStart, RGB(172, 168, 153)},
    {"crBoxFrameDisabledEnd", &_CheckBoxColorInfo::crBoxFrameDisabledEnd, RGB(182, 178, 163)},
    {"crCheckFocus", &_CheckBoxColorInfo::crCheckFocus, RGB(28, 81, 128)},
};

TEST_F(DefaultsTest, CheckBoxColoursSymbolFontAndState) {
    NeloCheckBox check;
    HWND window = CreateChild(L"BUTTON", L"Check", BS_AUTOCHECKBOX | WS_TABSTOP, 20, 20, 140, 20);
    ASSERT_TRUE(check.SubclassWindow(window));
    _CheckBoxColorInfo live{};
    ASSERT_EQ(1, check.GetCheckBoxColorInfo(live));
    EXPECT_TRUE(RecordHolds(live, kCheckBoxColours));
    EXPECT_TRUE(RecordHolds(NeloCheckBox::DefaultColorInfo(), kCheckBoxColours));
    EXPECT_EQ(14, check.GetCheckSymbolWidth());
    EXPECT_EQ(0, ::SendMessageW(window, BM_GETCHECK, 0, 0));
    EXPECT_EQ(static_cast<LONG>(BS_OWNERDRAW), ::GetWindowLongW(window, GWL_STYLE) & BS_TYPEMASK);
    EXPECT_TRUE(IsArial10(quorvex_test::WindowFontOf(window)));
    // The hover and focus effects start switched on: check_test's looks rely on them.
}

} // namespace
