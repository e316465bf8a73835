#include "combo_test_support.h"

#include <commctrl.h>

namespace {

CWinApp theTestApp(L"TavrinComboTest");

} // namespace

namespace combo_test {

ComboHost::ComboHost() : HostDialog(IDD_COMBO_HOST) {}

void ComboHost::DoDataExchange(CDataExchange* pDX) {
    HostDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_COMBO_LIST, list);
    DDX_Control(pDX, IDC_COMBO_EDIT, edit);
    DDX_Control(pDX, IDC_COMBO_SIMPLE, simple);
    DDX_Control(pDX, IDC_COMBO_DISABLED, disabled);
}

ColourImages::ColourImages() {
    list.Create(16, 16, ILC_COLOR24, 3, 1);
    HDC screen = ::GetDC(nullptr);
    for (int i = 0; i < 3; ++i) {
        HDC dc = ::CreateCompatibleDC(screen);
        HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 16, 16);
        HGDIOBJ old = ::SelectObject(dc, bitmap);
        HBRUSH brush = ::CreateSolidBrush(Colour(i));
        const RECT all{0, 0, 16, 16};
        ::FillRect(dc, &all, brush);
        ::DeleteObject(brush);
        ::SelectObject(dc, old);
        ::DeleteDC(dc);
        ImageList_Add(list.GetSafeHandle(), bitmap, nullptr);
        ::DeleteObject(bitmap);
    }
    ::ReleaseDC(nullptr, screen);
}

ColourImages::~ColourImages() {
    list.DeleteImageList();
}

COLORREF ColourImages::Colour(int image) {
    static const COLORREF colours[] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)};
    return colours[image % 3];
}

void ComboTest::SetUp() {
    HostTest<ComboHost>::SetUp();
    Fill(host->list, 5);
    Fill(host->edit, 5);
    Fill(host->simple, 5);
    Fill(host->disabled, 5);
    Pump();
}

void ComboTest::TearDown() {
    for (Tavrin::NeloComboBox* combo : {&host->list, &host->edit}) {
        combo->ShowDropDown(FALSE);
        combo->SetImageList(nullptr);
        combo->EnableCopyPasteOperation(1);
    }
    host->commands.clear();
    Pump();
    HostTest<ComboHost>::TearDown();
}

void ComboTest::Fill(Tavrin::NeloComboBox& combo, int count) {
    combo.ResetContent();
    for (int i = 0; i < count; ++i) {
        CString text;
        text.Format(L"Item %d", i);
        combo.AddString(text);
    }
    combo.SetCurSel(0);
}

void ComboTest::Focus(Tavrin::NeloComboBox& combo) {
    combo.SetFocus();
    Pump();
}

void ComboTest::PressKey(WORD key, bool withAlt) {
    std::vector<INPUT> inputs;
    auto add = [&inputs](WORD vk, DWORD flags) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = vk;
        input.ki.dwFlags = flags;
        inputs.push_back(input);
    };
    if (withAlt)
        add(VK_MENU, 0);
    add(key, 0);
    add(key, KEYEVENTF_KEYUP);
    if (withAlt)
        add(VK_MENU, KEYEVENTF_KEYUP);
    ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    Pump();
}

void ComboTest::Click(POINT screen) {
    quorvex_test::LeftClick(screen);
    Pump();
}

void ComboTest::MoveMouse(POINT screen) {
    ::SetCursorPos(screen.x, screen.y);
    INPUT move = quorvex_test::MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, screen);
    ::SendInput(1, &move, sizeof(INPUT));
    Pump();
}

POINT ComboTest::OnScreen(HWND window, POINT client) {
    ::ClientToScreen(window, &client);
    return client;
}

POINT ComboTest::RowCentre(HWND list, int row) {
    RECT r{LVIR_BOUNDS, 0, 0, 0};
    ::SendMessageW(list, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&r));
    return OnScreen(list, POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}

} // namespace combo_test
