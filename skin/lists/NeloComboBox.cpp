#include "NeloComboBox.h"

#include "ComboBoxParts.h"
#include "ComboGeometry.h"
#include "SkinControl.h"
#include "SkinWindow.h"

#include <algorithm>
#include <vector>

namespace Tavrin {

BEGIN_MESSAGE_MAP(NeloComboBox, CComboBox)
ON_WM_PAINT()
ON_WM_CTLCOLOR()
ON_WM_SIZE()
ON_WM_ENABLE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
ON_WM_LBUTTONUP()
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
ON_MESSAGE(CB_SHOWDROPDOWN, &NeloComboBox::OnShowDropDown)
ON_REGISTERED_MESSAGE(DROP_DOWN_CLOSE_NELO_COMBO_BOX_MSG, &NeloComboBox::OnRMDropDownClose)
ON_REGISTERED_MESSAGE(SELECT_ITEM_NELO_COMBO_BOX_MSG, &NeloComboBox::OnRMSelectItem)
ON_REGISTERED_MESSAGE(MOUSE_WHEEL_NELO_COMBO_BOX_MSG, &NeloComboBox::OnRMMouseWheel)
ON_REGISTERED_MESSAGE(KEY_DOWN_NELO_COMBO_BOX_MSG, &NeloComboBox::OnRMKeyDown)
ON_REGISTERED_MESSAGE(ENABLE_COPY_PASTE_NELO_COMBO_BOX_MSG, &NeloComboBox::OnRMEnableCopyPaste)
ON_REGISTERED_MESSAGE(GET_DLG_CODE_NELO_COMBO_BOX_MSG, &NeloComboBox::OnRMGetDlgCode)
ON_REGISTERED_MESSAGE(LBUTTON_UP_NELO_COMBO_BOX_MSG, &NeloComboBox::OnRMLButtonUp)
ON_REGISTERED_MESSAGE(MOUSE_MOVE_NELO_COMBO_BOX_MSG, &NeloComboBox::OnRMMouseMove)
ON_REGISTERED_MESSAGE(SYSTEM_KEY_DOWN_NELO_COMBO_BOX_MSG, &NeloComboBox::OnRMSysKeyDown)
END_MESSAGE_MAP()

namespace {

const UINT kFrameFlags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;
const COLORREF kSelectedRow = RGB(48, 104, 192);
const COLORREF kSelectedText = RGB(255, 255, 255);

void FrameRing(HDC dc, RECT& ring, COLORREF colour) {
    if (HBRUSH brush = SkinResourceCache::GetSolidBrush(colour))
        ::FrameRect(dc, &ring, brush);
    ::InflateRect(&ring, -1, -1);
}

} // namespace

NeloComboBox::NeloComboBox()
    : m_copyPaste(1), m_comboType(0), m_createdByCreate(0), m_hover(1), m_tracking(0), m_dropped(0),
      m_buttonPressed(0), m_buttonHot(0), m_buttonRect{0, 0, 0, 0}, m_buttonWidth(0), m_textPart(nullptr),
      m_colorInfo(DefaultColorInfo()), m_knownSelection(-1), m_notifying(0), m_nativeInput(0) {}

NeloComboBox::~NeloComboBox() {
    m_parts.reset();
}

_ComboBoxColorInfo NeloComboBox::DefaultColorInfo() {
    _ComboBoxColorInfo c{};
    c.clrBack = RGB(250, 250, 250);
    c.clrBackDisabled = RGB(236, 233, 216);
    c.clrText = RGB(6, 45, 117);
    c.clrTextDisabled = RGB(172, 168, 153);
    c.clrBorder = RGB(127, 157, 185);
    c.clrBorderDisabled = RGB(204, 204, 204);
    const ComboButtonColours button = DefaultComboButtonColours();
    std::copy(button.begin(), button.end(), c.ButtonColors);
    c.ScrollBarColors = NeloListCtrl::DefaultColorInfo().ScrollBarColors;
    return c;
}

BOOL NeloComboBox::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    // The set-up runs once the native combo exists, not from the creation
    // hook, where its messages would reach a window not yet made.
    m_createdByCreate = 1;
    const BOOL created = CComboBox::Create(style, rect, parent, id);
    if (!created)
        return FALSE;
    return SetUp(true) ? created : FALSE;
}

void NeloComboBox::PreSubclassWindow() {
    CComboBox::PreSubclassWindow();
    if (m_createdByCreate)
        return;
    try {
        SetUp(false);
        Invalidate(FALSE);
    } catch (...) {
    }
}

bool NeloComboBox::SetUp(bool fromCreate) {
    const _ComboBoxColorInfo defaults = DefaultColorInfo();
    m_colorInfo.clrBack = defaults.clrBack;
    m_colorInfo.clrBackDisabled = defaults.clrBackDisabled;
    m_colorInfo.clrText = defaults.clrText;
    m_colorInfo.clrTextDisabled = defaults.clrTextDisabled;
    m_colorInfo.clrBorder = defaults.clrBorder;
    m_colorInfo.clrBorderDisabled = defaults.clrBorderDisabled;
    m_parts.reset();
    m_parts.reset(new ComboBoxParts);
    m_dropped = 0;
    m_buttonPressed = 0;
    m_buttonHot = 0;
    m_textPart = nullptr;
    m_knownSelection = GetCurSel();

    m_copyPaste = 1;
    m_hover = 1;
    m_tracking = 0;
    m_comboType = static_cast<int>(GetStyle() & 3);
    if (m_comboType == CBS_SIMPLE)
        return true;

    m_buttonWidth = geometry::ComboButtonWidth(::GetSystemMetrics(SM_CXVSCROLL), ::GetSystemMetrics(SM_CYHSCROLL));
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    if (!::GetComboBoxInfo(m_hWnd, &info))
        return false;

    RECT listRect = WindowRectOf(info.hwndList);
    if (listRect.bottom - listRect.top <= 0)
        listRect.bottom = listRect.top + 100;
    if (!m_parts->drop->Create(this, listRect))
        return false;
    m_parts->drop->SetDataSource(info.hwndList);
    m_parts->drop->List().ShowHoverEffect(1, 0);

    const BOOL enabled = ::IsWindowEnabled(m_hWnd);
    const RECT none{0, 0, 0, 0};
    if (!m_parts->button->Create(this, none, enabled))
        return false;
    const ComboButtonColours button = m_parts->button->GetColours();
    std::copy(button.begin(), button.end(), m_colorInfo.ButtonColors);

    if (m_comboType == CBS_DROPDOWN) {
        m_textPart = info.hwndItem;
        if (!m_parts->edit->Attach(info.hwndItem, this))
            return false;
        if (!enabled) {
            // The edit stays enabled so that it can take the combo's
            // colours; it only looks disabled and takes no typing.
            ::EnableWindow(info.hwndItem, TRUE);
            ::SendMessageW(info.hwndItem, EM_SETREADONLY, TRUE, 0);
        }
    } else {
        ModifyStyle(0, WS_CLIPCHILDREN);
        CString text;
        GetWindowText(text);
        const int focus = enabled && ::GetFocus() == m_hWnd;
        if (!m_parts->staticPart->Create(this, none, enabled, focus, text))
            return false;
        m_textPart = m_parts->staticPart->GetSafeHwnd();
    }

    SetFont(L"Arial", 10, 0);
    // The field keeps the height the native combo gives its text; the
    // frame is computed again for the parts.
    RECT window = WindowRectOf(m_hWnd);
    const int height = m_buttonWidth + (fromCreate ? 2 : 0);
    ::SetWindowPos(m_hWnd, nullptr, window.left, window.top, window.right - window.left, height,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    LayOut(client.right, client.bottom);
    window = WindowRectOf(m_hWnd);
    const int itemHeight = static_cast<int>(SendMessage(CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
    m_parts->drop->RaiseMaxHeight(window.bottom - window.top - itemHeight - 6);

    _ListCtrlColorInfo rows{};
    m_parts->drop->List().GetListCtrlColorInfo(rows);
    m_colorInfo.ScrollBarColors = rows.ScrollBarColors;
    SetComboBoxColorInfo(m_colorInfo);
    ShowImageOfSelection();
    return true;
}

// ---- Public members ---------------------------------------------------------

int NeloComboBox::SetComboBoxColorInfo(const _ComboBoxColorInfo& info) {
    try {
        if (!m_parts)
            return 0;
        m_colorInfo = info;
        ComboButtonColours button{};
        std::copy(info.ButtonColors, info.ButtonColors + 16, button.begin());
        m_parts->button->SetColours(button);

        NeloComboBoxListCtrl& list = m_parts->drop->List();
        if (list.GetSafeHwnd()) {
            _ListCtrlColorInfo rows{};
            list.GetListCtrlColorInfo(rows);
            rows.clrRowBack = info.clrBack;
            rows.clrRowBackDisabled = info.clrBackDisabled;
            rows.clrStripeBackDisabled = info.clrBackDisabled;
            rows.clrSelectedFrom = kSelectedRow;
            rows.clrSelectedTo = kSelectedRow;
            rows.clrBorder = info.clrBorder;
            rows.clrBorderDisabled = info.clrBorderDisabled;
            rows.clrText = info.clrText;
            rows.clrTextSelected = kSelectedText;
            rows.clrTextDisabled = info.clrTextDisabled;
            rows.ScrollBarColors = info.ScrollBarColors;
            list.SetListCtrlColorInfo(rows);
        }
        m_parts->edit->SetBackColours(info.clrBack, info.clrBackDisabled);
        m_parts->staticPart->SetColours(info.clrBack, info.clrBackDisabled, info.clrText, info.clrTextDisabled);
        Invalidate(FALSE);
        return 1;
    } catch (...) {
        return 0;
    }
}

int NeloComboBox::GetComboBoxColorInfo(_ComboBoxColorInfo& info) {
    if (!m_parts)
        return 0;
    const ComboButtonColours button = m_parts->button->GetColours();
    std::copy(button.begin(), button.end(), m_colorInfo.ButtonColors);
    info = m_colorInfo;
    return 1;
}

int NeloComboBox::FixDropListWidth(int fix) {
    if (!m_parts)
        return 0;
    m_parts->drop->SetFixedWidth(fix);
    return 1;
}

int NeloComboBox::SetImageList(CImageList* list) {
    try {
        if (!m_parts)
            return 0;
        HIMAGELIST images = list ? list->GetSafeHandle() : nullptr;
        m_parts->staticPart->SetImageList(images);
        m_parts->edit->SetImageList(images);
        if (HWND drop = GetDropList())
            ::SendMessageW(drop, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images));
        ShowImageOfSelection();
        return 1;
    } catch (...) {
        return 0;
    }
}

CImageList* NeloComboBox::GetImageList() {
    HWND drop = m_parts ? GetDropList() : nullptr;
    if (!drop)
        return nullptr;
    HIMAGELIST images = reinterpret_cast<HIMAGELIST>(::SendMessageW(drop, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
    return images ? CImageList::FromHandle(images) : nullptr;
}

int NeloComboBox::SetItemImage(const int& item, const int& image) {
    try {
        if (!m_parts || !GetDropList())
            return 0;
        if (!m_parts->drop->List().SetItemImageOf(item, image))
            return 0;
        if (item == GetCurSel())
            ShowImageOfSelection();
        return 1;
    } catch (...) {
        return 0;
    }
}

int NeloComboBox::EnableCopyPasteOperation(int enable) {
    m_copyPaste = enable;
    return 1;
}

int NeloComboBox::SetFont(const CString& faceName, const int& pointSize, int bold) {
    try {
        if (!m_parts)
            return 0;
        HFONT font = SkinFont(faceName, pointSize, bold);
        if (!font)
            return 0;
        if (m_hWnd)
            SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
        if (HWND field = m_parts->staticPart->GetSafeHwnd())
            ::SendMessageW(field, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
        if (GetDropList())
            m_parts->drop->List().SetFont(faceName, pointSize, bold);
        return 1;
    } catch (...) {
        return 0;
    }
}

int NeloComboBox::ShowHoverEffect(int show) {
    if (!m_parts || !GetDropList())
        return 0;
    if (show != m_hover) {
        m_hover = show;
        m_parts->drop->List().ShowHoverEffect(show, 0);
        m_parts->button->SetHoverEffect(show);
    }
    return 1;
}

int NeloComboBox::Invalidate(int erase) {
    return InvalidateControl(m_hWnd, erase);
}

HWND NeloComboBox::GetDropWindow() const {
    return m_parts ? m_parts->drop->GetSafeHwnd() : nullptr;
}

HWND NeloComboBox::GetDropList() const {
    return m_parts ? m_parts->drop->List().GetSafeHwnd() : nullptr;
}

int NeloComboBox::GetShownImage() const {
    if (!m_parts)
        return -1;
    return m_comboType == CBS_DROPDOWN ? m_parts->edit->GetImage() : m_parts->staticPart->GetImage();
}

// ---- Messages ---------------------------------------------------------------

LRESULT NeloComboBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        const bool skinned = m_parts && m_comboType != CBS_SIMPLE && m_comboType != 0;
        switch (message) {
        case WM_DESTROY:
            if (m_parts) {
                m_dropped = 0;
                m_parts->DestroyWindows();
                m_textPart = nullptr;
            }
            break;
        case WM_KILLFOCUS:
            // Not when the focus only passes through the drop list, which
            // hands it straight back.
            if (skinned && !InDropWindow(m_hWnd, reinterpret_cast<HWND>(wParam)))
                CloseDropDown(false);
            break;
        case WM_ERASEBKGND:
            if (skinned && m_comboType == CBS_DROPDOWNLIST) {
                if (HWND button = m_parts->button->GetSafeHwnd())
                    ::InvalidateRect(button, nullptr, TRUE);
                if (HWND field = m_parts->staticPart->GetSafeHwnd())
                    ::InvalidateRect(field, nullptr, TRUE);
            }
            break;
        case WM_GETDLGCODE:
            if (skinned && DialogCodeWanted(reinterpret_cast<const MSG*>(lParam)))
                return DLGC_WANTALLKEYS;
            break;
        case WM_KEYDOWN:
            if (skinned && KeyRule(wParam))
                return 0;
            return NativeInput(message, wParam, lParam);
        case WM_CHAR:
            return NativeInput(message, wParam, lParam);
        case WM_SYSKEYDOWN:
            // Only Alt+Up and Alt+Down belong to the combo: Alt+F4, F10 and
            // the other system keys go on to the dialog.
            if (skinned && (wParam == VK_DOWN || wParam == VK_UP)) {
                ToggleDropDown(false);
                return 0;
            }
            // The system's combo would swallow them all.
            if (skinned)
                return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
            break;
        case CB_RESETCONTENT:
            m_knownSelection = -1;
            if (skinned) {
                m_parts->drop->List().ClearItemImages();
                if (m_comboType == CBS_DROPDOWNLIST && m_parts->staticPart->GetSafeHwnd()) {
                    m_parts->staticPart->SetImage(-1);
                    m_parts->staticPart->SetWindowText(L"");
                    ::InvalidateRect(m_parts->staticPart->GetSafeHwnd(), nullptr, TRUE);
                } else {
                    m_parts->edit->SetImage(-1);
                }
            }
            break;
        case CB_SETCURSEL:
        case CB_SELECTSTRING: {
            // The native combo answers (CB_ERR included); the text part
            // follows.
            const LRESULT result = CComboBox::WindowProc(message, wParam, lParam);
            m_knownSelection = GetCurSel();
            if (skinned)
                OnSelChange();
            return result;
        }
        case CB_ADDSTRING:
        case CB_INSERTSTRING:
        case CB_DELETESTRING: {
            // Images belong to items: they move when items are inserted
            // before them (a sorted combo inserts anywhere) or removed.
            const int countBefore = GetCount();
            const LRESULT result = CComboBox::WindowProc(message, wParam, lParam);
            if (m_parts && result >= 0) {
                if (message == CB_DELETESTRING)
                    m_parts->drop->List().ShiftItemImages(static_cast<int>(wParam), -1);
                else if (static_cast<int>(result) < countBefore)
                    m_parts->drop->List().ShiftItemImages(static_cast<int>(result), 1);
            }
            m_knownSelection = GetCurSel();
            return result;
        }
        case CB_GETDROPPEDSTATE:
            if (skinned)
                return m_dropped;
            break;
        case WM_MOUSEMOVE:
            if (skinned && m_hover) {
                POINT screen = PointFromLParam(lParam);
                ::ClientToScreen(m_hWnd, &screen);
                UpdateButtonHot(screen);
                if (!m_tracking) {
                    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, m_hWnd, 0};
                    if (::TrackMouseEvent(&track))
                        m_tracking = 1;
                }
            }
            break;
        case WM_MOUSEWHEEL:
            if (skinned && m_dropped) {
                ::SendMessageW(GetDropList(), WM_MOUSEWHEEL, wParam, lParam);
                return 0;
            }
            return NativeInput(message, wParam, lParam);
        case WM_MOUSELEAVE:
            if (skinned) {
                m_tracking = 0;
                SetButtonHot(0);
            }
            break;
        default:
            break;
        }
        return CComboBox::WindowProc(message, wParam, lParam);
    } catch (...) {
        return 0;
    }
}

LRESULT NeloComboBox::NativeInput(UINT message, WPARAM wParam, LPARAM lParam) {
    // Restored however the handling ends.
    struct Mark {
        int& flag;
        const int outer;
        explicit Mark(int& f) : flag(f), outer(f) { flag = 1; }
        ~Mark() { flag = outer; }
    } mark(m_nativeInput);
    return CComboBox::WindowProc(message, wParam, lParam);
}

BOOL NeloComboBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    try {
        if (message == WM_COMMAND && reinterpret_cast<HWND>(lParam) == m_hWnd && m_parts &&
            m_comboType != CBS_SIMPLE) {
            if (HIWORD(wParam) == CBN_EDITCHANGE) {
                OnEditChange();
            } else if (HIWORD(wParam) == CBN_SELCHANGE) {
                // The parent hears of a change once: the system's combo also
                // reports keys that leave the selection where it was (Up on
                // the first item, End on the last). A notification from
                // anyone else (a program that selected an item and tells its
                // dialog so) is passed on as it is.
                const int selection = GetCurSel();
                if (m_nativeInput && !m_notifying && selection == m_knownSelection) {
                    *pResult = 0;
                    return TRUE;
                }
                m_knownSelection = selection;
                OnSelChange();
            }
        }
    } catch (...) {
    }
    return CComboBox::OnChildNotify(message, wParam, lParam, pResult);
}

void NeloComboBox::OnPaint() {
    PAINTSTRUCT paint{};
    HDC dc = ::BeginPaint(m_hWnd, &paint);
    if (!dc)
        return;
    const bool enabled = Enabled();
    RECT ring{};
    ::GetClientRect(m_hWnd, &ring);
    FrameRing(dc, ring, enabled ? m_colorInfo.clrBorder : m_colorInfo.clrBorderDisabled);
    const COLORREF back = enabled ? m_colorInfo.clrBack : m_colorInfo.clrBackDisabled;
    FrameRing(dc, ring, back);
    FrameRing(dc, ring, back);
    ::EndPaint(m_hWnd, &paint);
}

HBRUSH NeloComboBox::OnCtlColor(CDC* dc, CWnd* window, UINT ctlColor) {
    const HWND asking = window ? window->GetSafeHwnd() : nullptr;
    const bool ownEdit = m_parts && asking && asking == m_parts->edit->GetSafeHwnd();
    if (dc && Enabled() && (ctlColor == CTLCOLOR_EDIT || ownEdit)) {
        dc->SetTextColor(m_colorInfo.clrText);
        dc->SetBkColor(m_colorInfo.clrBack);
        return SkinResourceCache::GetSolidBrush(m_colorInfo.clrBack);
    }
    if (dc && !Enabled() && m_comboType == CBS_DROPDOWN && ownEdit) {
        dc->SetTextColor(m_colorInfo.clrTextDisabled);
        dc->SetBkColor(m_colorInfo.clrBackDisabled);
        return SkinResourceCache::GetSolidBrush(m_colorInfo.clrBackDisabled);
    }
    return CComboBox::OnCtlColor(dc, window, ctlColor);
}

void NeloComboBox::OnSize(UINT type, int cx, int cy) {
    // The native combo places its own edit first; the parts go over it.
    CComboBox::OnSize(type, cx, cy);
    if (m_parts && m_comboType != CBS_SIMPLE && m_comboType != 0)
        LayOut(cx, cy);
}

void NeloComboBox::LayOut(int width, int height) {
    const geometry::ComboLayout layout = geometry::LayoutCombo(width, height, m_buttonWidth);
    m_buttonRect = layout.button;
    m_parts->edit->SetTextRight(layout.button.left);
    if (HWND button = m_parts->button->GetSafeHwnd())
        ::MoveWindow(button, layout.button.left, layout.button.top, layout.button.right - layout.button.left,
                     layout.button.bottom - layout.button.top, TRUE);
    if (m_textPart)
        ::MoveWindow(m_textPart, layout.text.left, layout.text.top, layout.text.right - layout.text.left,
                     layout.text.bottom - layout.text.top, TRUE);
    if (m_textPart && m_comboType == CBS_DROPDOWN)
        ::SetWindowPos(m_textPart, nullptr, 0, 0, 0, 0, kFrameFlags);
    const int itemHeight = static_cast<int>(::SendMessageW(m_hWnd, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
    m_parts->drop->RaiseMaxHeight(height - itemHeight - 6);
    Invalidate(FALSE);
}

void NeloComboBox::OnEnable(BOOL enable) {
    CComboBox::OnEnable(enable);
    if (!m_parts || m_comboType == CBS_SIMPLE)
        return;
    m_parts->button->SetEnabled(enable);
    if (m_comboType == CBS_DROPDOWNLIST) {
        if (HWND field = m_parts->staticPart->GetSafeHwnd())
            ::EnableWindow(field, enable);
        m_parts->staticPart->SetFocusLook(enable && ::GetFocus() == m_hWnd);
        m_parts->staticPart->SetEnabled(enable);
    } else if (HWND edit = m_parts->edit->GetSafeHwnd()) {
        ::EnableWindow(edit, TRUE);
        ::SendMessageW(edit, EM_SETREADONLY, enable ? FALSE : TRUE, 0);
        RedrawFrame(edit);
    }
    if (!enable)
        CloseDropDown(true);
    Invalidate(TRUE);
}

bool NeloComboBox::ButtonHit(CPoint client) const {
    return ::PtInRect(&m_buttonRect, client) != FALSE;
}

void NeloComboBox::OnLButtonDown(UINT flags, CPoint point) {
    if (!m_parts || m_comboType == CBS_SIMPLE) {
        CComboBox::OnLButtonDown(flags, point);
        return;
    }
    if (m_comboType == CBS_DROPDOWNLIST || ButtonHit(point))
        ToggleDropDown(true);
}

void NeloComboBox::OnLButtonDblClk(UINT flags, CPoint point) {
    OnLButtonDown(flags, point);
}

void NeloComboBox::OnLButtonUp(UINT flags, CPoint point) {
    SetButtonPressed(0);
    CComboBox::OnLButtonUp(flags, point);
}

void NeloComboBox::OnSetFocus(CWnd* old) {
    CComboBox::OnSetFocus(old);
    if (m_parts && m_comboType == CBS_DROPDOWNLIST)
        m_parts->staticPart->SetFocusLook(Enabled());
}

void NeloComboBox::OnKillFocus(CWnd* next) {
    CComboBox::OnKillFocus(next);
    if (m_parts && m_comboType == CBS_DROPDOWNLIST)
        m_parts->staticPart->SetFocusLook(0);
}

LRESULT NeloComboBox::OnShowDropDown(WPARAM wParam, LPARAM) {
    if (!m_parts || m_comboType == CBS_SIMPLE)
        return Default();
    if (wParam && !m_dropped)
        ToggleDropDown(false);
    else if (!wParam && m_dropped)
        CloseDropDown(false);
    return TRUE;
}

LRESULT NeloComboBox::OnRMDropDownClose(WPARAM, LPARAM) {
    CloseDropDown(true);
    return 1;
}

LRESULT NeloComboBox::OnRMSelectItem(WPARAM wParam, LPARAM) {
    SelectFromList(static_cast<int>(wParam));
    return 1;
}

LRESULT NeloComboBox::OnRMMouseWheel(WPARAM wParam, LPARAM lParam) {
    if (!m_dropped || !GetDropList())
        return 0;
    ::SendMessageW(GetDropList(), WM_MOUSEWHEEL, wParam, lParam);
    return 1;
}

LRESULT NeloComboBox::OnRMKeyDown(WPARAM wParam, LPARAM) {
    return KeyRule(wParam) ? 1 : 0;
}

LRESULT NeloComboBox::OnRMEnableCopyPaste(WPARAM, LPARAM) {
    return m_copyPaste ? 1 : 0;
}

LRESULT NeloComboBox::OnRMGetDlgCode(WPARAM, LPARAM lParam) {
    return DialogCodeWanted(reinterpret_cast<const MSG*>(lParam)) ? 1 : 0;
}

LRESULT NeloComboBox::OnRMLButtonUp(WPARAM, LPARAM) {
    SetButtonPressed(0);
    return 1;
}

LRESULT NeloComboBox::OnRMMouseMove(WPARAM wParam, LPARAM) {
    if (const POINT* screen = reinterpret_cast<const POINT*>(wParam))
        UpdateButtonHot(*screen);
    return 1;
}

LRESULT NeloComboBox::OnRMSysKeyDown(WPARAM wParam, LPARAM) {
    if (wParam == VK_DOWN || wParam == VK_UP) {
        ToggleDropDown(false);
        return 1;
    }
    // Anything else the edit passes on, so that it reaches the dialog.
    return 0;
}

// ---- The drop-down cycle ----------------------------------------------------

void NeloComboBox::ToggleDropDown(bool byMouse) {
    if (!m_parts || !GetDropWindow())
        return;
    CString text;
    GetWindowText(text);
    HWND focus = ::GetFocus();
    if (focus != m_hWnd && !(m_textPart && focus == m_textPart && m_comboType == CBS_DROPDOWN))
        SetFocus();
    const bool open = !m_dropped;
    if (open && m_comboType == CBS_DROPDOWN && !text.IsEmpty()) {
        // The typed text picks its item: an exact match first, else the
        // first item it begins.
        int found = FindStringExact(-1, text);
        if (found < 0)
            found = FindString(-1, text);
        if (found >= 0 && found != GetCurSel())
            SetCurSel(found);
    }
    OpenOrClose(open, byMouse);
}

void NeloComboBox::OpenOrClose(bool open, bool byMouse) {
    if (m_comboType == CBS_DROPDOWNLIST && m_parts->staticPart->GetSafeHwnd())
        m_parts->staticPart->UpdateWindow();
    if (!open) {
        CloseDropDown(false);
        return;
    }
    m_dropped = 1;
    if (CWnd* parent = GetParent())
        parent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), CBN_DROPDOWN), reinterpret_cast<LPARAM>(m_hWnd));
    // The parent may have closed or destroyed the combo meanwhile.
    if (!m_dropped || !m_parts || !GetDropWindow())
        return;
    m_parts->drop->Show(true, WindowRectOf(m_hWnd));
    if (byMouse)
        SetButtonPressed(1);
}

void NeloComboBox::CloseDropDown(bool releaseButton) {
    if (releaseButton)
        SetButtonPressed(0);
    if (!m_dropped || !m_parts)
        return;
    m_dropped = 0;
    m_parts->drop->Show(false, RECT{});
}

void NeloComboBox::SelectFromList(int item) {
    if (!m_parts)
        return;
    CloseDropDown(false);
    const int before = GetCurSel();
    SetCurSel(item);
    // The parent hears of a change only when there is one.
    if (GetCurSel() != before) {
        if (CWnd* parent = GetParent()) {
            m_notifying = 1;
            parent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), CBN_SELCHANGE),
                                reinterpret_cast<LPARAM>(m_hWnd));
            m_notifying = 0;
        }
    }
    if (m_comboType == CBS_DROPDOWN)
        SetEditSel(0, -1);
}

bool NeloComboBox::KeyRule(WPARAM key) {
    switch (key) {
    case VK_RETURN:
        if (m_dropped) {
            const int selected = m_parts->drop->List().SelectedItem();
            if (selected >= 0)
                SelectFromList(selected);
            else
                CloseDropDown(false);
        }
        return true;
    case VK_ESCAPE:
        CloseDropDown(false);
        return true;
    case VK_F4:
        ToggleDropDown(false);
        return true;
    default:
        return KeyLeavesSelection(key);
    }
}

bool NeloComboBox::KeyLeavesSelection(WPARAM key) {
    // The system's combo reports a selection change for a key that moves
    // nowhere (Up on the first item, End on the last); such a key is
    // dropped so that the parent hears of changes only. Home and End
    // belong to the edit's caret in a drop-down combo.
    const int count = GetCount();
    const int selection = GetCurSel();
    if (count <= 0 || selection < 0)
        return false;
    const bool list = m_comboType == CBS_DROPDOWNLIST;
    switch (key) {
    case VK_UP:
    case VK_PRIOR:
        return selection == 0;
    case VK_HOME:
        return list && selection == 0;
    case VK_DOWN:
    case VK_NEXT:
        return selection == count - 1;
    case VK_END:
        return list && selection == count - 1;
    default:
        return false;
    }
}

bool NeloComboBox::DialogCodeWanted(const MSG* msg) const {
    return m_dropped && msg && msg->message == WM_KEYDOWN && (msg->wParam == VK_ESCAPE || msg->wParam == VK_RETURN);
}

void NeloComboBox::ShowImageOfSelection() {
    if (!m_parts)
        return;
    const int selection = GetCurSel();
    const int image = selection >= 0 ? m_parts->drop->List().GetItemImage(selection) : -1;
    if (m_comboType == CBS_DROPDOWNLIST)
        m_parts->staticPart->SetImage(image);
    else if (m_comboType == CBS_DROPDOWN)
        m_parts->edit->SetImage(image);
}

void NeloComboBox::OnSelChange() {
    if (!m_parts)
        return;
    ShowImageOfSelection();
    if (m_comboType == CBS_DROPDOWNLIST && m_textPart) {
        CString text;
        GetWindowText(text);
        ::SetWindowTextW(m_textPart, text);
    }
    if (m_textPart)
        ::InvalidateRect(m_textPart, nullptr, TRUE);
    if (m_dropped) {
        const int selection = GetCurSel();
        NeloComboBoxListCtrl& list = m_parts->drop->List();
        list.MarkSelected(selection);
    }
}

void NeloComboBox::OnEditChange() {
    if (!m_parts || m_comboType != CBS_DROPDOWN)
        return;
    m_parts->edit->RemoveImage();
    if (!m_dropped)
        return;
    CString text;
    GetWindowText(text);
    int found = text.IsEmpty() ? 0 : FindString(-1, text);
    if (found < 0)
        found = 0;
    m_parts->drop->List().ShowAtTop(found, false);
}

void NeloComboBox::UpdateButtonHot(POINT screen) {
    HWND button = m_parts ? m_parts->button->GetSafeHwnd() : nullptr;
    if (!button)
        return;
    const RECT rect = WindowRectOf(button);
    SetButtonHot(m_hover && ::PtInRect(&rect, screen));
}

void NeloComboBox::SetButtonPressed(int pressed) {
    m_buttonPressed = pressed ? 1 : 0;
    if (m_parts)
        m_parts->button->SetPressed(m_buttonPressed);
}

void NeloComboBox::SetButtonHot(int hot) {
    m_buttonHot = hot ? 1 : 0;
    if (m_parts)
        m_parts->button->SetHot(m_buttonHot);
}

bool NeloComboBox::Enabled() const {
    return m_hWnd && ::IsWindowEnabled(m_hWnd);
}

} // namespace Tavrin
