// A menu in the manner of a CMenu that shows itself as a painted menu bar
// (NeloMenuWnd) and as painted popup windows (NeloMenuPopupWnd). It wraps
// one menu handle and never copies its items: every paint, hit test and key
// reads them again, so items changed with the platform's menu calls (text,
// check marks, greying) show at the next paint of the bar and at the next
// opening of a popup.
//
//     m_menu.LoadMenu(IDR_MAINMENU);
//     m_menu.SetMenuBar(this);      // the dialog lays its controls out below
//
// Commands reach the owner as WM_COMMAND (identifier in the low word, 0 in
// the high word, lParam 0), posted once the whole chain of popups has closed
// and released the mouse, so a handler may open a modal dialog. The bar
// takes over from the owner: WM_SYSCOMMAND SC_KEYMENU (Alt or F10 alone
// opens the first menu, Alt with an access key the menu it names).
#pragma once

#include "MenusGeometry.h"
#include "SkinControl.h"
#include "SkinFoundation.h"
#include "SkinWindow.h"
#include "TavrinExport.h"

#include <afxwin.h>

#include <map>
#include <memory>
#include <vector>

namespace Tavrin {

struct _MenuColorInfo {
    COLORREF clrBackFrom;      // bar and popup background, top
    COLORREF clrBackTo;        // bar and popup background, bottom
    COLORREF clrHotBackFrom;   // hot item fill, top
    COLORREF clrHotBackTo;     // hot item fill, bottom
    COLORREF clrImageBarFrom;  // popup image column, top
    COLORREF clrImageBarTo;    // popup image column, bottom
    COLORREF clrBorder;        // popup border, bar bottom line, separators
    COLORREF clrHotFrame;      // frame of the hot item
    COLORREF clrTextNormal;    // text of an enabled item
    COLORREF clrTextHot;       // text of the hot item
    COLORREF clrTextDisabled;  // text of a greyed item
    COLORREF clrCheckNormal;   // check mark of an enabled item
    COLORREF clrCheckHot;      // check mark of the hot item
    COLORREF clrCheckDisabled; // check mark of a greyed item
    COLORREF clrArrowNormal;   // sub-menu arrow of an enabled item
    COLORREF clrArrowHot;      // sub-menu arrow of the hot item
    COLORREF clrArrowDisabled; // sub-menu arrow of a greyed item
};

// The image of one command. The entry owns its bitmap and icon copies.
struct MenuItemImage {
    enum Kind { None = 0, Bitmap = 1, Icon = 2 };
    HBITMAP bitmap = nullptr;
    COLORREF maskColor = RGB(255, 255, 255);
    HICON icon = nullptr;
    int iconSmall = 1; // icons: 16 x 16 when set, else the icon's own size
    int kind = None;
};

// Command identifier -> image; deletes the images it holds. A menu's
// sub-menus and popups share their top menu's table.
class TAVRIN_API MenuImageTable {
public:
    MenuImageTable() = default;
    ~MenuImageTable();
    MenuImageTable(const MenuImageTable&) = delete;
    MenuImageTable& operator=(const MenuImageTable&) = delete;

    // The entry of a command, made with the defaults when there is none;
    // its previous bitmap and icon are deleted.
    MenuItemImage& Fresh(UINT commandId);
    // Null when the command has no image.
    const MenuItemImage* Find(UINT commandId) const;

private:
    static void Free(MenuItemImage& image);
    std::map<UINT, MenuItemImage> m_images;
};

class NeloMenuWnd;
class NeloMenuPopupWnd;

class TAVRIN_API NeloMenu : public CMenu {
public:
    NeloMenu();
    virtual ~NeloMenu();

    static _MenuColorInfo DefaultColorInfo();

    // Replaces the window's native menu with a painted bar along the top of
    // its client area. 0 without a window or a menu handle.
    int SetMenuBar(CWnd* window);
    int SetMenuColorInfo(const _MenuColorInfo& info);
    int GetMenuColorInfo(_MenuColorInfo& info);
    // 15 to 35 pixels; the bar becomes h + 2 high.
    int SetMenuItemHeight(const int& height);
    int GetMenuItemHeight();
    int SetFont(const CString& faceName, const int& pointSize, int bold);
    // A wrapper of the sub-menu at a position that carries this menu's looks
    // and images; one object re-attached by every call, valid until the next
    // one. Null when the item opens no sub-menu.
    NeloMenu* GetSubMenu(const int& position);
    // Shows the menu as a popup at a screen point and returns when it has
    // closed: 1 when it ran, 0 when it could not be shown. Of the flags
    // TPM_CENTERALIGN, TPM_RIGHTALIGN, TPM_VCENTERALIGN, TPM_BOTTOMALIGN and
    // TPM_RETURNCMD (no WM_COMMAND) count.
    int TrackPopupMenu(unsigned int flags, const int& x, const int& y, CWnd* owner);
    int SetMenuItemBitmap(const unsigned int& commandId, HBITMAP bitmap, unsigned long maskColor);
    int SetMenuItemIcon(const unsigned int& commandId, HICON icon, int small);

    // The painted bar, or null.
    NeloMenuWnd* MenuBar() const { return m_menuBar; }

private:
    friend class NeloMenuWnd;
    friend class NeloMenuPopupWnd;

    // Colours, item height and font of another menu; its images shared.
    void TakeLooksOf(const NeloMenu& other);
    void DeleteMenuBar();
    int TrackPopup(unsigned int flags, POINT at, CWnd* owner, int initialHot);

    GdiplusSessionScope m_gdiplus;
    int m_ignoreFirstButtonUp;
    std::shared_ptr<MenuImageTable> m_imageTable;
    HFONT m_font;
    _MenuColorInfo m_colors;
    int m_itemHeight;
    NeloMenuWnd* m_menuBar;
    NeloMenu* m_subMenuCache;
    NeloMenuPopupWnd* m_activePopup; // the top-level popup while tracking
    std::shared_ptr<int> m_alive;    // 0 once destroyed, seen by a tracking call still on the stack
};

// The bar window of a NeloMenu: a child of its owner along the top of the
// owner's client area, as wide as the screen, with a one-pixel bottom line.
//
// Takes over: painting (WM_PAINT through one painter with WM_PRINTCLIENT),
// its frame (WM_NCCALCSIZE, WM_NCPAINT), the mouse (hot item, a press opens
// the item's popup), from its owner's top-level window WM_SYSCOMMAND
// SC_KEYMENU, and Alt with an item's access key before the focused control
// sees it.
class TAVRIN_API NeloMenuWnd : public CWnd, public ClientPainter {
public:
    NeloMenuWnd();
    virtual ~NeloMenuWnd();

    // The item rectangles the bar paints and hit-tests with (client
    // coordinates), with the menu positions they show.
    std::vector<geometry::MenuBarItem> Layout() const;
    int HotIndex() const { return m_hotIndex; }

    // Opens the popup of the bar item at a menu position, as a press on it
    // does (keyboard: with its first item highlighted). 0 when the item has
    // no sub-menu.
    int OpenItem(int position, bool byKeyboard);

protected:
    virtual void PostNcDestroy();

    afx_msg void OnPaint();
    afx_msg void OnPrintClient(CDC* dc, UINT flags);
    afx_msg void OnNcCalcSize(BOOL calcValidRects, NCCALCSIZE_PARAMS* params);
    afx_msg void OnNcPaint();
    afx_msg void OnMouseMove(UINT flags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg void OnLButtonDown(UINT flags, CPoint point);
    afx_msg LRESULT OnReleaseOrphan(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnOpenByKey(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    friend class NeloMenu;

    bool Create(NeloMenu* menu, CWnd* owner);
    // The menu lets go of the bar: destroyed now, or, while a popup opened
    // from the bar is on the stack, once that call has returned.
    void Release();
    void SetBarFont(HFONT font) { m_font = font; }
    void PaintClient(HDC dc, const RECT& client) override;
    int HitTest(POINT point) const;
    bool OnOwnerKeyMenu(LPARAM key);
    // The position of the item with a sub-menu whose access key this is, -1
    // for none (or while the bar cannot open anything).
    int ItemForAccessKey(wchar_t key) const;
    static LRESULT CALLBACK AccessKeyHook(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK OwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                      DWORD_PTR data);
    void UnhookOwner();

    GdiplusSessionScope m_gdiplus;
    NeloMenu* m_menu;
    HWND m_owner;
    HWND m_keyWindow; // the owner's top-level window, subclassed for SC_KEYMENU
    HFONT m_font;
    int m_hotIndex;
    RECT m_hotItemRect;
    HoverTracker m_pointer; // the leave notification, requested over an item
    int m_openDepth; // popups opened from the bar on the stack
    bool m_orphan;   // the menu has gone; the bar deletes itself
    std::unique_ptr<NeloMenu> m_popupMenu;
};

} // namespace Tavrin
