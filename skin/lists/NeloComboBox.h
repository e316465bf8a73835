// A skinned combo box. The native combo keeps the items, the selection and
// the text; everything the user sees is drawn by parts the combo owns: an
// arrow button, a selection field (drop-down list) or the subclassed native
// edit (drop-down combo), and a pop-up drop window holding a virtual report
// list that reads its rows from the native list box. Items may carry an
// image from an image list, shown in the drop list and in the text part.
//
// Takes over: painting (WM_PAINT: the frame rings; the parts paint
// themselves), the native edit's colours (WM_CTLCOLOR), layout (WM_SIZE),
// the enabled and focus looks (WM_ENABLE, WM_SETFOCUS, WM_KILLFOCUS),
// opening and closing (clicks, F4, Alt+Down, Alt+Up, CB_SHOWDROPDOWN), the
// dialog code while open (Enter and Escape go to the combo), Escape and
// Enter, the wheel while open, hover of the button, and the text part after
// CB_SETCURSEL, CB_SELECTSTRING and CB_RESETCONTENT. Items, selection,
// prefix search and the other keys stay with the native combo.
//
// A CBS_SIMPLE combo keeps its native look apart from the frame rings.
#pragma once

#include "SkinFoundation.h"
#include "NeloListCtrl.h"
#include "NeloScrollBar.h"
#include "TavrinExport.h"

#include <afxwin.h>
#include <afxcmn.h>

#include <memory>

namespace Tavrin {

struct ComboBoxParts;

struct _ComboBoxColorInfo {
    COLORREF clrBack;           // frame rings, text parts and list rows
    COLORREF clrBackDisabled;   //
    COLORREF clrText;           // text of the edit, the static and the list
    COLORREF clrTextDisabled;   //
    COLORREF clrBorder;         // outer frame ring and the list's border
    COLORREF clrBorderDisabled; //
    // The button: face gradients (start, end) normal, pressed, hot,
    // disabled; outlines and arrows in the same four looks.
    COLORREF ButtonColors[16];
    // The drop list's scroll bars.
    _ScrollBarColorInfo ScrollBarColors;
};

class TAVRIN_API NeloComboBox : public CComboBox {
public:
    NeloComboBox();
    virtual ~NeloComboBox();

    // The six leading colours and the button's sixteen, as a new combo has
    // them (the scroll-bar block is the scroll bar's own default).
    static _ComboBoxColorInfo DefaultColorInfo();

    // Creates the native combo box and sets the parts up; 0 when either
    // fails.
    virtual BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    int SetComboBoxColorInfo(const _ComboBoxColorInfo& info);
    int GetComboBoxColorInfo(_ComboBoxColorInfo& info);
    // 1: the drop window is exactly as wide as the combo; 0: it widens to
    // its longest item.
    int FixDropListWidth(int fix);
    // The drop list shares the caller's list, which stays the caller's and
    // must outlive the combo; the text parts keep copies of their own.
    int SetImageList(CImageList* list);
    CImageList* GetImageList();
    // Image of an item (-1 to the last item; an image below 0 shows none).
    int SetItemImage(const int& item, const int& image);
    int EnableCopyPasteOperation(int enable);
    int SetFont(const CString& faceName, const int& pointSize, int bold);
    int ShowHoverEffect(int show);
    int Invalidate(int erase);

    // State a user sees, for callers and tests.
    int IsDropped() const { return m_dropped; }
    int IsButtonPressed() const { return m_buttonPressed; }
    int IsButtonHot() const { return m_buttonHot; }
    int GetComboType() const { return m_comboType; }
    // The button's rectangle in client coordinates.
    RECT GetButtonRect() const { return m_buttonRect; }
    // The drop window (null before set-up), its list and the text part.
    HWND GetDropWindow() const;
    HWND GetDropList() const;
    HWND GetTextPart() const { return m_textPart; }
    // The image the text part shows (-1 for none).
    int GetShownImage() const;

protected:
    virtual void PreSubclassWindow();
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    afx_msg void OnPaint();
    afx_msg HBRUSH OnCtlColor(CDC* dc, CWnd* window, UINT ctlColor);
    afx_msg void OnSize(UINT type, int cx, int cy);
    afx_msg void OnEnable(BOOL enable);
    afx_msg void OnLButtonDown(UINT flags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT flags, CPoint point);
    afx_msg void OnLButtonUp(UINT flags, CPoint point);
    afx_msg void OnSetFocus(CWnd* old);
    afx_msg void OnKillFocus(CWnd* next);
    afx_msg LRESULT OnShowDropDown(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnRMDropDownClose(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnRMSelectItem(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnRMMouseWheel(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnRMKeyDown(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnRMEnableCopyPaste(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnRMGetDlgCode(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnRMLButtonUp(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnRMMouseMove(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnRMSysKeyDown(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    bool SetUp(bool fromCreate);
    void LayOut(int width, int height);
    void ToggleDropDown(bool byMouse);
    void OpenOrClose(bool open, bool byMouse);
    void CloseDropDown(bool releaseButton);
    void SelectFromList(int item);
    void OnSelChange();
    void OnEditChange();
    bool KeyRule(WPARAM key);
    bool KeyLeavesSelection(WPARAM key);
    // The system's combo handles a key or the wheel (m_nativeInput meanwhile).
    LRESULT NativeInput(UINT message, WPARAM wParam, LPARAM lParam);
    bool DialogCodeWanted(const MSG* msg) const;
    void UpdateButtonHot(POINT screen);
    void SetButtonPressed(int pressed);
    void SetButtonHot(int hot);
    bool ButtonHit(CPoint client) const;
    void ShowImageOfSelection();
    bool Enabled() const;

    GdiplusSessionScope m_gdiplus;
    std::unique_ptr<ComboBoxParts> m_parts;
    int m_copyPaste;
    int m_comboType;
    int m_createdByCreate;
    int m_hover;
    int m_tracking;
    int m_dropped;
    int m_buttonPressed;
    int m_buttonHot;
    RECT m_buttonRect;
    int m_buttonWidth;
    HWND m_textPart;
    _ComboBoxColorInfo m_colorInfo;
    // The selection the parent last heard of, and whether the combo itself
    // is telling it of a new one.
    int m_knownSelection;
    int m_notifying;
    // The system's combo is handling a key or the wheel: a selection change
    // it reports meanwhile may be one that moved nowhere.
    int m_nativeInput;
};

} // namespace Tavrin
