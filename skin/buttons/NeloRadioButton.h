// Owner-drawn radio buttons that run their whole group: attaching the first
// radio button of a group is enough. It attaches an object of its own to
// every radio button that follows it up to the next group, and from then on
// the group keeps exactly one member checked on clicks, space and arrow
// keys, shares enabling and settings given to its leader, and frees the
// objects it made when the leader's window goes.
//
// A group is never stored: it is found each time by walking the sibling
// windows of one parent, from the window with WS_GROUP that starts it to
// the next one, and only real radio buttons (BS_RADIOBUTTON or
// BS_AUTORADIOBUTTON, compared through BS_TYPEMASK) that a NeloRadioButton
// draws are its members. So groups of different dialogs never mix, and a
// radio button whose window is destroyed simply leaves its group.
//
// Takes over: drawing (BS_OWNERDRAW, DrawItem), the checked state
// (BM_SETCHECK, BM_GETCHECK, the reflected BN_CLICKED), arrow keys and
// space (WM_KEYDOWN, WM_GETDLGCODE), enabling of the group (WM_ENABLE), the
// tab stop following the check; drawing, hover and erasing as every
// CheckSymbolButton does. Pressing, capture and focus stay with the
// system's button.
#pragma once

#include "CheckSymbolButton.h"
#include "TavrinExport.h"

#include <afxwin.h>

#include <vector>

namespace Tavrin {

struct _RadioButtonColorInfo {
    COLORREF crRadioBackground;
    COLORREF crDotStart;
    COLORREF crDotEnd;
    COLORREF crDotDisabledStart;
    COLORREF crDotDisabledEnd;
    COLORREF crFaceNormalStart;
    COLORREF crFaceNormalEnd;
    COLORREF crFacePressedStart;
    COLORREF crFacePressedEnd;
    COLORREF crFaceDisabledStart;
    COLORREF crFaceDisabledEnd;
    COLORREF crRadioText;
    COLORREF crRadioTextDisabled;
    COLORREF crRingStart;
    COLORREF crRingEnd;
    COLORREF crRadioHoverStart;
    COLORREF crRadioHoverEnd;
    COLORREF crRingDisabledStart;
    COLORREF crRingDisabledEnd;
    COLORREF crRadioFocus;
};

class TAVRIN_API NeloRadioButton : public CheckSymbolButton {
public:
    NeloRadioButton();
    virtual ~NeloRadioButton();

    static _RadioButtonColorInfo DefaultColorInfo();

    // On a group's leader these apply to every member; on any other member
    // only to that member.
    int SetRadioButtonGroupColorInfo(const _RadioButtonColorInfo& info);
    int GetRadioButtonGroupColorInfo(_RadioButtonColorInfo& info);
    // The member of this button's group with that dialog control id.
    int SetRadioButtonColorInfo(const int& controlId, const _RadioButtonColorInfo& info);
    int GetRadioButtonColorInfo(const int& controlId, _RadioButtonColorInfo& info);
    // The same rule holds for the symbol width and for ShowHoverEffect,
    // ShowFocusEffect and SetFont (see SettingTargets).
    // 10..30 pixels, and at most the client height - 2.
    int SetRadioSymbolWidth(const int& width);
    int GetRadioSymbolWidth();

    // True for the button that starts its group (its window has WS_GROUP).
    bool IsGroupLeader() const;
    // The number of members of this button's group (0 without a window).
    int GetGroupSize() const;

protected:
    virtual void PreSubclassWindow();

    afx_msg LRESULT SetRadioButtonState(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT GetRadioButtonState(WPARAM wParam, LPARAM lParam);
    afx_msg void OnEnable(BOOL enable);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnKeyDown(UINT key, UINT repeat, UINT flags);
    afx_msg void OnNcDestroy();
    DECLARE_MESSAGE_MAP()

private:
    int UpdateGroup();
    void ResetMembers();
    void TakeOverRadioWindow();
    void AttachFollowers();
    void ReleaseFollowers();
    // This button's group in window order (itself included while it has a
    // window); for a leader's group-wide calls, 'self only' otherwise.
    std::vector<NeloRadioButton*> Group() const;
    std::vector<NeloRadioButton*> Targets() const;
    std::vector<CheckSymbolButton*> SettingTargets() override;
    void MoveCheck(int step);
    COLORREF BackgroundColour() const override;
    CaptionLook DrawSymbol(Gdiplus::Graphics& graphics, int width, int height,
                           const SymbolState& state) override;
    void OnClicked() override;

    _RadioButtonColorInfo m_colorInfo;
    int m_createdFollowers;
    int m_tabStopFollowsCheck;
    // Set by a leader on the objects it makes, before attaching them.
    bool m_follower;
    // The button type the window had before it became owner-drawn; put
    // back when a leader lets go of a follower whose window lives on.
    UINT m_originalType;
    std::vector<NeloRadioButton*> m_followers;
};

} // namespace Tavrin
