// The five window parts from which NeloComboBox builds its look. They are
// not exported: only the combo makes them, through its parts holder, and
// talks to them through the members below and the combo family's
// registered messages.
//
//   NeloComboBoxButton    the drawn arrow button (a child static that lets
//                         every mouse event through to the combo)
//   NeloComboBoxStatic    the selection field of a drop-down list
//   NeloComboBoxEdit      the native edit of a drop-down combo, subclassed
//   NeloComboBoxDropWnd   the pop-up that replaces the native drop-down list
//   NeloComboBoxListCtrl  the virtual report list inside the pop-up, whose
//                         rows are read from the native list box
#pragma once

#include "NeloListCtrl.h"
#include "SkinControl.h"
#include "SkinFoundation.h"

#include <afxwin.h>
#include <afxcmn.h>

#include <array>
#include <map>
#include <memory>

namespace Tavrin {

// Whether 'window' is the drop window of the combo 'combo' or inside it
// (its list, its scroll bars).
bool InDropWindow(HWND combo, HWND window);

// The button's colours in the order of the combo's record.
typedef std::array<COLORREF, 16> ComboButtonColours;
ComboButtonColours DefaultComboButtonColours();

// An image list of one's own: a duplicate of the caller's, destroyed with
// its holder.
class OwnedImageList {
public:
    OwnedImageList() = default;
    ~OwnedImageList() { Reset(nullptr); }
    OwnedImageList(const OwnedImageList&) = delete;
    OwnedImageList& operator=(const OwnedImageList&) = delete;
    // Replaces the held list with a duplicate of 'source' (none for null).
    void CopyFrom(HIMAGELIST source);
    HIMAGELIST Get() const { return m_list; }
    // Width and height of the images; 0 without a list.
    SIZE ImageSize() const;

private:
    void Reset(HIMAGELIST list);
    HIMAGELIST m_list = nullptr;
};

class NeloComboBoxButton : public CStatic, private ClientPainter {
public:
    NeloComboBoxButton();
    ~NeloComboBoxButton() override;

    BOOL Create(CWnd* combo, const RECT& rect, int enabled);
    void SetEnabled(int enabled);
    void SetPressed(int pressed);
    void SetHot(int hot);
    void SetHoverEffect(int hover);
    void SetColours(const ComboButtonColours& colours);
    ComboButtonColours GetColours() const { return m_colours; }
    int IsPressed() const { return m_pressed; }
    int IsHot() const { return m_hot; }

protected:
    void PreSubclassWindow() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void PaintClient(HDC dc, const RECT& client) override;
    void SetFlag(int& flag, int value);

    GdiplusSessionScope m_gdiplus;
    ComboButtonColours m_colours;
    int m_enabled = 1;
    int m_pressed = 0;
    int m_hot = 0;
    int m_hover = 1;
};

// Item image shown at the left of a text part: the icon area's width and the
// image index, shared by the selection field and the edit part.
struct ComboPartImage {
    OwnedImageList list;
    int areaWidth = 0;
    int image = -1;
};

class NeloComboBoxStatic : public CStatic, private ClientPainter {
public:
    NeloComboBoxStatic();
    ~NeloComboBoxStatic() override;

    BOOL Create(CWnd* combo, const RECT& rect, int enabled, int focusLook, const CString& text);
    // Background, disabled background, text, disabled text.
    void SetColours(COLORREF back, COLORREF backDisabled, COLORREF text, COLORREF textDisabled);
    void SetImageList(HIMAGELIST list);
    void SetImage(int image);
    int GetImage() const { return m_image.image; }
    int IconAreaWidth() const { return m_image.areaWidth; }
    void SetFocusLook(int focus);
    void SetEnabled(int enabled);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void PaintClient(HDC dc, const RECT& client) override;
    void PaintIconArea();
    COLORREF Background() const;
    COLORREF TextColour() const;

    GdiplusSessionScope m_gdiplus;
    std::array<COLORREF, 4> m_colours;
    ComboPartImage m_image;
    int m_focusLook = 0;
    int m_enabled = 1;
};

class NeloComboBoxEdit : public CEdit {
public:
    NeloComboBoxEdit();
    ~NeloComboBoxEdit() override;

    BOOL Attach(HWND edit, CWnd* combo);
    void Detach();
    void SetTextRight(int right) { m_textRight = right; }
    void SetBackColours(COLORREF back, COLORREF backDisabled);
    void SetImageList(HIMAGELIST list);
    void SetImage(int image);
    int GetImage() const { return m_image.image; }
    int IconAreaWidth() const { return m_image.areaWidth; }
    // Drops the image after the user typed (icon area gone, frame again).
    void RemoveImage();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT SendCombo(UINT message, WPARAM wParam, LPARAM lParam);
    void PaintNonClient();

    GdiplusSessionScope m_gdiplus;
    int m_textRight = 0;
    COLORREF m_back;
    COLORREF m_backDisabled;
    ComboPartImage m_image;
    CWnd* m_combo = nullptr;
};

class NeloComboBoxListCtrl : public NeloListCtrl {
public:
    NeloComboBoxListCtrl();
    ~NeloComboBoxListCtrl() override;

    // Creates the list in the drop window and sets it up once the list view
    // exists (messages sent from the creation hook would be lost).
    BOOL CreateList(CWnd* dropWindow, int width, int height);
    void SetDataSource(HWND nativeList) { m_source = nativeList; }
    // The native list's item count (0 without a source) given to the list.
    int PrepareItemCount();
    // Selection and scroll position for a list being shown.
    void PrepareShow();
    int ContentWidth();
    int GetItemImage(int item) const;
    int SetItemImageOf(int item, int image);
    int SelectedItem();
    // Selects 'item' and brings it to the top when the list is long enough.
    void ShowAtTop(int item, bool select);
    // Scrolls 'item' into view and selects it alone (item 0 into view and
    // nothing selected for -1).
    void MarkSelected(int item);
    void ClearItemImages() { m_images.clear(); }
    // Items were inserted at 'item' (delta 1) or removed from it (delta -1):
    // the images move with their items.
    void ShiftItemImages(int item, int delta);

    // Mouse events the drop window hands in (screen points); true when the
    // scroll bar took the event.
    bool LButtonDown(POINT screen);
    void LButtonUp(POINT screen);
    void MouseMove(POINT screen);
    bool IsScrolling() const { return m_scrolling != 0; }

protected:
    void PreSubclassWindow() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    afx_msg void OnGetDispInfo(NMHDR* header, LRESULT* result);
    DECLARE_MESSAGE_MAP()

private:
    bool OnScrollBar(POINT screen) const;
    // The column as wide as the client area.
    void FitColumn();
    // The skinned vertical bar when it is shown.
    NeloScrollBar* ShownBar() const;
    int ItemAt(POINT screen);
    void SelectOnly(int item);
    int SourceCount() const;

    int m_pressedInside = 0;
    int m_scrolling = 0;
    int m_setUp = 0;
    HWND m_source = nullptr;
    std::map<int, int> m_images;
};

class NeloComboBoxDropWnd : public CWnd {
public:
    NeloComboBoxDropWnd();
    ~NeloComboBoxDropWnd() override;

    // Makes the pop-up at 'screen' (the native list's place) with its list.
    BOOL Create(CWnd* combo, const RECT& screen);
    // Shows the list below (or above) the combo at 'comboScreen', or hides it.
    void Show(bool show, const RECT& comboScreen);
    bool IsShown() const { return m_shown != 0; }
    void SetDataSource(HWND nativeList) { m_list.SetDataSource(nativeList); }
    void SetFixedWidth(int fixed) { m_fixedWidth = fixed; }
    void RaiseMaxHeight(int height);
    int MaxHeight() const { return m_maxHeight; }
    NeloComboBoxListCtrl& List() { return m_list; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnButtonDown(POINT screen);
    void OnButtonUp(POINT screen);
    void OnMove(POINT screen);
    LRESULT SendCombo(UINT message, WPARAM wParam, LPARAM lParam);

    GdiplusSessionScope m_gdiplus;
    NeloComboBoxListCtrl m_list;
    CWnd* m_combo = nullptr;
    int m_maxHeight = 0;
    int m_fixedWidth = 1;
    int m_shown = 0;
};

// What a combo owns: its four parts, made together whatever the combo type.
struct ComboBoxParts {
    std::unique_ptr<NeloComboBoxButton> button{new NeloComboBoxButton};
    std::unique_ptr<NeloComboBoxEdit> edit{new NeloComboBoxEdit};
    std::unique_ptr<NeloComboBoxDropWnd> drop{new NeloComboBoxDropWnd};
    std::unique_ptr<NeloComboBoxStatic> staticPart{new NeloComboBoxStatic};

    // Destroys the part windows and lets the native edit go.
    void DestroyWindows();
};

} // namespace Tavrin
