// One open level of a NeloMenu: a painted, topmost popup window that runs
// its own modal message loop until it closes. A sub-menu opens a further
// popup from inside its parent's handler, so the open levels form a chain of
// nested loops, the innermost on top of the stack.
//
// The loop is not a dialog's: it never calls IsDialogMessage, and every key
// goes to the innermost popup, so keys meant for the menu never reach the
// owner's keyboard handling. It checks whether it is done before it takes
// the next message (nothing is taken and dropped), and a WM_QUIT it takes is
// posted again for the loop below. The top-level popup holds the mouse
// capture and hands each mouse message down the chain; the innermost level
// under the pointer acts.
//
// Takes over: WM_PAINT, WM_NCPAINT, WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP,
// WM_RBUTTONDOWN, WM_KEYDOWN, WM_TIMER (hover and sub-menu opening),
// WM_CAPTURECHANGED and CLOSE_SUB_MENU_NELO_MENU_MSG.
#pragma once

#include "NeloMenu.h"

namespace Tavrin {

class TAVRIN_API NeloMenuPopupWnd : public CWnd, public ClientPainter {
public:
    enum : UINT_PTR { OPEN_SUBMENU_TIMER = 1005, HOVER_TIMER = 1006 };

    NeloMenuPopupWnd();
    virtual ~NeloMenuPopupWnd();

    struct RunArgs {
        NeloMenu* menu = nullptr;
        HWND owner = nullptr;
        HFONT font = nullptr;
        UINT flags = 0;
        POINT at{0, 0};                   // top-level popups: the point to open at
        int ignoreFirstButtonUp = 0;      // top-level popups only
        const RECT* parentItem = nullptr; // sub-menus: the parent item, screen coordinates
        int initialHot = -1;
    };
    // Shows the level and runs its loop; 1 once the loop has ended, 0 when
    // the window could not be made.
    int Run(const RunArgs& args);
    // Closes the open child first, then this level; its loop ends.
    void Close();
    // Closes the whole chain from this level down.
    void CloseAll();

    // The command chosen in this level or below it (0: none).
    UINT ChosenCommand() const { return m_chosen; }
    int ClosesAll() const { return m_closeAll; }
    int HotIndex() const { return m_hotIndex; }
    int OpenSubIndex() const { return m_openSubIndex; }
    NeloMenuPopupWnd* ChildPopup() const { return m_child; }

protected:
    afx_msg void OnPaint();
    afx_msg void OnNcPaint();
    afx_msg void OnMouseMove(UINT flags, CPoint point);
    afx_msg void OnLButtonDown(UINT flags, CPoint point);
    afx_msg void OnLButtonUp(UINT flags, CPoint point);
    afx_msg void OnRButtonDown(UINT flags, CPoint point);
    afx_msg void OnKeyDown(UINT key, UINT repeat, UINT flags);
    afx_msg void OnTimer(UINT_PTR id);
    afx_msg void OnCaptureChanged(CWnd* window);
    afx_msg int OnMouseActivate(CWnd* desktop, UINT hitTest, UINT message);
    afx_msg LRESULT OnCloseSubMenu(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    struct Item {
        UINT id;    // 0: separator, -1: sub-menu
        UINT state; // MF_GRAYED, MF_DISABLED, MF_CHECKED
        HMENU subMenu;
        CString text;
    };
    std::vector<Item> ReadItems() const;
    std::vector<geometry::PopupEntry> Entries(HDC dc, const std::vector<Item>& items) const;
    std::vector<geometry::PopupRow> Rows(const std::vector<Item>& items) const;
    bool MenuStillThere() const;
    void RunLoop();

    void PaintClient(HDC dc, const RECT& client) override;
    void DrawItemImage(HDC dc, const RECT& cell, const MenuItemImage& image) const;
    void DrawCheckMark(Gdiplus::Graphics& graphics, const RECT& cell, COLORREF colour) const;

    int HitTest(POINT client, RECT* itemRect);
    POINT ToClient(POINT screen) const;
    // Each mouse step goes to the open child first; true when a level took it.
    bool MouseMove(POINT screen);
    bool ButtonUp(POINT screen);
    bool RightButtonDown(POINT screen);
    // Closes the open child and opens the hot item's sub-menu shortly.
    void ScheduleSubMenu();
    // Opens the sub-menu of the item at a position; 1 when it ran.
    int OpenSubMenu(int position);
    void Choose(const Item& item);
    static bool Unavailable(const Item& item) { return (item.state & (MF_GRAYED | MF_DISABLED)) != 0; }
    static bool HasSubMenu(const Item& item) { return item.subMenu != nullptr; }
    static bool IsSeparator(const Item& item) { return item.id == 0 && !item.subMenu; }
    // Which items are separators, as the keyboard's steps take them.
    static std::vector<bool> Separators(const std::vector<Item>& items);
    // Makes the item at a position hot (-1: none) and repaints when that
    // changed.
    void SetHotIndex(int index, BOOL erase);

    GdiplusSessionScope m_gdiplus;
    NeloMenu* m_menu;
    HWND m_owner;
    HFONT m_font;
    UINT m_flags;
    int m_hotIndex;
    RECT m_hotItemRect;
    NeloMenuPopupWnd* m_child; // the running child's own object (owned by OpenSubMenu)
    int m_openSubIndex;
    int m_ignoreFirstButtonUp;
    int m_isTopLevel;
    int m_loopDone;
    int m_closeAll;
    int m_ignoreNextMouseMove;
    bool m_closing;
    UINT m_chosen;
};

} // namespace Tavrin
