// The program's resources as the system reads them: each dialog created from
// its template without the program's classes (size, font, caption, and each
// control's id, class, text and place in dialog units), the menu, the strings,
// the icons and every bitmap's size, depth and transparent background. The
// test program links the same resource script as Quorvex.exe.
#include <resource.h>

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

HMODULE Module() {
    return GetModuleHandleW(nullptr);
}

std::wstring Text(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

constexpr int kAny = -1;

// One control as the layout tables give it; kAny (or null) where they leave
// it open. styleMask selects the style bits that must equal style.
struct Control {
    int id;
    const wchar_t* className;
    int x, y, cx, cy;
    const wchar_t* text;
    DWORD style, styleMask;
};

struct Dialog {
    UINT id;
    int cx, cy;
    const wchar_t* caption;
    int points;
    const wchar_t* face;
    std::vector<Control> controls;
};

void CheckDialog(const Dialog& want) {
    SCOPED_TRACE(testing::Message() << "dialog " << want.id);
    INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_LISTVIEW_CLASSES | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&classes);
    HWND dialog = CreateDialogParamW(
        Module(), MAKEINTRESOURCEW(want.id), nullptr,
        [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
    ASSERT_NE(nullptr, dialog);
    EXPECT_EQ(std::wstring(want.caption), Text(dialog));
    RECT size{0, 0, want.cx, want.cy}, client;
    MapDialogRect(dialog, &size);
    GetClientRect(dialog, &client);
    EXPECT_EQ(size.right, client.right);
    EXPECT_EQ(size.bottom, client.bottom);
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0)), sizeof(font), &font);
    EXPECT_STREQ(want.face, font.lfFaceName);
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(-MulDiv(want.points, GetDeviceCaps(screen, LOGPIXELSY), 72), font.lfHeight);
    ReleaseDC(nullptr, screen);

    int children = 0;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        ++children;
    EXPECT_EQ(static_cast<int>(want.controls.size()), children);
    for (const Control& c : want.controls) {
        SCOPED_TRACE(testing::Message() << "control " << c.id);
        HWND control = GetDlgItem(dialog, c.id);
        ASSERT_NE(nullptr, control);
        wchar_t className[64] = {};
        GetClassNameW(control, className, 64);
        EXPECT_EQ(0, lstrcmpiW(c.className, className)) << className;
        // Positions and sizes are mapped one by one, as the dialog manager does.
        RECT expected{c.x, c.y, std::max(c.cx, 0), std::max(c.cy, 0)};
        MapDialogRect(dialog, &expected);
        RECT actual;
        GetWindowRect(control, &actual);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&actual), 2);
        EXPECT_EQ(expected.left, actual.left);
        EXPECT_EQ(expected.top, actual.top);
        EXPECT_TRUE(c.cx == kAny || expected.right == actual.right - actual.left)
            << actual.right - actual.left;
        EXPECT_TRUE(c.cy == kAny || expected.bottom == actual.bottom - actual.top)
            << actual.bottom - actual.top;
        EXPECT_TRUE(!c.text || c.text == Text(control)) << Text(control);
        EXPECT_EQ(c.style, static_cast<DWORD>(GetWindowLongW(control, GWL_STYLE)) & c.styleMask);
    }
    DestroyWindow(dialog);
}

constexpr DWORD kButtonType = BS_TYPEMASK, kComboType = 3;

TEST(Resources, MainDialogLayout) {
    const wchar_t *button = L"Button", *label = L"Static", *combo = L"ComboBox";
    // clang-format off
    CheckDialog({IDD_QUORVEX_DIALOG, 425, 248, L"Quorvex", 8, L"MS Sans Serif",
                 {
                     {1007, button, 7, 19, 38, 27, nullptr, BS_PUSHBUTTON, kButtonType},
                     {1008, button, 45, 19, 38, 27, nullptr, BS_PUSHBUTTON, kButtonType},
                     {1009, button, 83, 19, 38, 27, nullptr, BS_PUSHBUTTON, kButtonType},
                     {1012, button, 121, 19, 38, 27, nullptr, BS_PUSHBUTTON, kButtonType},
                     {1029, button, 159, 19, 38, 27, nullptr, BS_PUSHBUTTON, kButtonType},
                     {1010, button, 273, 23, 145, 200, L"Profile", BS_GROUPBOX, kButtonType},
                     {1018, label, 279, 37, kAny, kAny, L"Convert to", 0, 0},
                     {1002, combo, 279, 54, 131, kAny, nullptr, CBS_DROPDOWNLIST, kComboType},
                     {1025, label, 279, 75, kAny, kAny, L"Video Size", 0, 0},
                     {1023, combo, 279, 91, kAny, kAny, nullptr, CBS_DROPDOWNLIST, kComboType},
                     {1021, label, 279, 110, kAny, kAny, L"Quality", 0, 0},
                     {1015, combo, 279, 126, kAny, kAny, nullptr, CBS_DROPDOWNLIST, kComboType},
                     {1019, label, 279, 146, kAny, kAny, L"Output Folder", 0, 0},
                     {1001, L"Edit", 279, 163, 131, 12, nullptr, ES_AUTOHSCROLL, ES_AUTOHSCROLL},
                     {1020, button, 304, 191, 50, 14, L"Browse", BS_PUSHBUTTON, kButtonType},
                     {1027, button, 361, 191, 50, 14, L"Open", BS_PUSHBUTTON, kButtonType},
                     {1004, L"SysListView32", 7, 49, 262, 174, nullptr, LVS_REPORT, LVS_TYPEMASK},
                     {1005, L"msctls_progress32", 7, 227, 262, 14, nullptr, 0, 0},
                     {1024, label, 7, 227, 411, 15, L"Please add file(s)", 0, 0},
                     {1030, label, 273, 228, 145, 14, L"", 0, 0},
                 }});
    // clang-format on

    // Caption, system menu and minimise box, shown in the task bar.
    const uint8_t* bytes = static_cast<const uint8_t*>(LockResource(
        LoadResource(Module(), FindResourceW(Module(), MAKEINTRESOURCEW(IDD_QUORVEX_DIALOG), RT_DIALOG))));
    ASSERT_NE(nullptr, bytes);
    DWORD exStyle, style; // DLGTEMPLATEEX: version, signature, help id, then these
    memcpy(&exStyle, bytes + 8, 4);
    memcpy(&style, bytes + 12, 4);
    const DWORD frame = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    EXPECT_EQ(frame, style & frame);
    EXPECT_EQ(0u, style & (WS_MAXIMIZEBOX | WS_THICKFRAME));
    EXPECT_TRUE(exStyle & WS_EX_APPWINDOW);
}

TEST(Resources, AboutAndSettingsLayout) {
    // clang-format off
    CheckDialog({IDD_ABOUTBOX, 228, 70, L"About Quorvex", 8, L"MS Sans Serif",
                 {
                     {1038, L"Static", 9, 14, 20, 20, nullptr, 0, 0},
                     {1036, L"Static", 40, 7, kAny, kAny, L"Quorvex Version 1.2.0.1024", 0, 0},
                 }});
    CheckDialog({IDD_SETTINGS, 183, 41, L"Settings", 10, L"System",
                 {
                     {1040, L"Static", 7, 10, kAny, kAny, L"Post Task Actions", 0, 0},
                     {1003, L"ComboBox", 64, 8, 109, kAny, nullptr, CBS_DROPDOWNLIST, kComboType},
                     {IDOK, L"Button", 90, 24, 38, 10, L"OK", BS_DEFPUSHBUTTON, kButtonType},
                     {IDCANCEL, L"Button", 134, 24, 38, 10, L"Cancel", BS_PUSHBUTTON, kButtonType},
                 }});
    // The countdown before the session ends: Cancel is the default button,
    // so that Enter never ends the session early.
    CheckDialog({IDD_SHUTDOWN_COUNTDOWN, 200, 64, L"Shut Down", 8, L"MS Sans Serif",
                 {
                     {IDC_STATIC_COUNTDOWN, L"Static", 10, 9, 180, 12, L"", 0, 0},
                     {IDC_PROGRESS_COUNTDOWN, L"msctls_progress32", 10, 25, 180, 8, nullptr, 0, 0},
                     {IDOK, L"Button", 62, 42, 66, 14, L"Shut Down Now", BS_PUSHBUTTON, kButtonType},
                     {IDCANCEL, L"Button", 134, 42, 56, 14, L"Cancel", BS_DEFPUSHBUTTON, kButtonType},
                 }});
    // clang-format on
}

// A menu's entries as "text=id" (id 0 for separators and submenus).
std::vector<std::wstring> Entries(HMENU menu) {
    std::vector<std::wstring> entries;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[64] = {};
        GetMenuStringW(menu, i, text, 64, MF_BYPOSITION);
        const UINT id = GetSubMenu(menu, i) ? 0 : GetMenuItemID(menu, i);
        entries.push_back(std::wstring(text) + L"=" + std::to_wstring(id == UINT(-1) ? 0 : id));
    }
    return entries;
}

TEST(Resources, MenuBarStringsAndIcons) {
    HMENU bar = LoadMenuW(Module(), MAKEINTRESOURCEW(IDR_MAINMENU));
    ASSERT_NE(nullptr, bar);
    using List = std::vector<std::wstring>;
    EXPECT_EQ((List{L"File=0", L"Edit=0", L"Options=0", L"Help=0"}), Entries(bar));
    EXPECT_EQ((List{L"Add File(s)...=32771", L"=0", L"Convert=32772", L"Stop=32773", L"=0", L"Settings=32776",
                    L"=0", L"Exit=32790"}),
              Entries(GetSubMenu(bar, 0)));
    EXPECT_EQ((List{L"Remove Selected File(s)=32774", L"Clear All Files=32788",
                    L"Clear All Converted Files=32791", L"=0", L"Open Output Folder=32789"}),
              Entries(GetSubMenu(bar, 1)));
    EXPECT_EQ((List{L"Post Task Actions=0", L"Run In Background=32784"}), Entries(GetSubMenu(bar, 2)));
    EXPECT_EQ((List{L"Do Nothing=32785", L"Shut Down=32786", L"Log Off=32787"}),
              Entries(GetSubMenu(GetSubMenu(bar, 2), 0)));
    EXPECT_EQ((List{L"Feedback and Support=32779", L"=0", L"About Quorvex=32780"}),
              Entries(GetSubMenu(bar, 3)));
    // Every run starts with "Do Nothing".
    for (UINT id : {32785u, 32786u, 32787u})
        EXPECT_EQ(id == 32785, (GetMenuState(bar, id, MF_BYCOMMAND) & MF_CHECKED) != 0) << id;
    DestroyMenu(bar);

    wchar_t text[128];
    ASSERT_GT(LoadStringW(Module(), 101, text, 128), 0);
    EXPECT_STREQ(L"&About Quorvex...", text);
    ASSERT_GT(LoadStringW(Module(), 103, text, 128), 0);
    EXPECT_STREQ(L"Windows sockets initialization failed.", text);

    // The application icon in several sizes (16 and 32 among them), the
    // folder icon small.
    const BYTE* group = static_cast<const BYTE*>(
        LockResource(LoadResource(Module(), FindResourceW(Module(), MAKEINTRESOURCEW(128), RT_GROUP_ICON))));
    ASSERT_NE(nullptr, group);
    std::vector<int> sizes;
    for (int i = 0; i < group[4]; ++i) // GRPICONDIR: 6 bytes, then 14 per entry starting with the width
        sizes.push_back(group[6 + 14 * i]);
    EXPECT_GE(sizes.size(), 2u);
    EXPECT_NE(sizes.end(), std::find(sizes.begin(), sizes.end(), 16));
    EXPECT_NE(sizes.end(), std::find(sizes.begin(), sizes.end(), 32));
    HICON folder = static_cast<HICON>(LoadImageW(Module(), MAKEINTRESOURCEW(132), IMAGE_ICON, 16, 16, 0));
    EXPECT_NE(nullptr, folder);
    DestroyIcon(folder);
}

// A bitmap resource's pixels (0x00RRGGBB, top row first) and header.
struct Bitmap {
    int width = 0, height = 0, bits = 0;
    std::vector<DWORD> pixels;
    DWORD At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

Bitmap ReadBitmap(UINT id) {
    Bitmap b;
    const BYTE* bytes = static_cast<const BYTE*>(
        LockResource(LoadResource(Module(), FindResourceW(Module(), MAKEINTRESOURCEW(id), RT_BITMAP))));
    if (!bytes)
        return b;
    const auto* header = reinterpret_cast<const BITMAPINFOHEADER*>(bytes);
    b.width = header->biWidth;
    b.height = header->biHeight; // bottom-up
    b.bits = header->biBitCount;
    const int step = b.bits / 8, stride = (b.width * step + 3) & ~3;
    for (int y = 0; y < b.height; ++y)
        for (int x = 0; x < b.width; ++x) {
            const BYTE* p =
                bytes + header->biSize + static_cast<size_t>(b.height - 1 - y) * stride + x * step;
            b.pixels.push_back((p[2] << 16) | (p[1] << 8) | p[0]);
        }
    return b;
}

constexpr DWORD kWhite = 0xFFFFFF;

int Saturation(DWORD pixel) {
    const int r = (pixel >> 16) & 0xFF, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
    return std::max({r, g, b}) - std::min({r, g, b});
}

TEST(Resources, BitmapSizesDepthsAndTransparentWhite) {
    struct Expected {
        UINT id;
        int width, height, bits;
    };
    const Expected table[] = {
        {134, 32, 32, 32}, {136, 48, 48, 32}, {135, 48, 48, 32}, {138, 48, 48, 32}, {149, 48, 48, 32},
        {144, 32, 32, 32}, {150, 32, 32, 32}, {143, 32, 32, 32}, {165, 16, 16, 32}, {163, 16, 16, 32},
        {164, 16, 16, 32}, {162, 16, 16, 32}, {156, 16, 16, 32}, {160, 16, 16, 24}, {161, 16, 16, 32},
        {175, 16, 16, 24}, {159, 16, 16, 24}, {157, 16, 16, 32}, {173, 16, 16, 32}, {158, 16, 16, 24},
        {174, 16, 16, 24}, {176, 16, 16, 24}, {166, 35, 33, 32},
    };
    for (const Expected& want : table) {
        SCOPED_TRACE(testing::Message() << "bitmap " << want.id);
        const Bitmap bitmap = ReadBitmap(want.id);
        ASSERT_EQ(want.width, bitmap.width);
        ASSERT_EQ(want.height, bitmap.height);
        EXPECT_EQ(want.bits, bitmap.bits);
        // Drawn on white, the transparent colour: the corners show through
        // and something is drawn.
        EXPECT_EQ(kWhite, bitmap.At(0, 0));
        EXPECT_EQ(kWhite, bitmap.At(bitmap.width - 1, 0));
        EXPECT_GT(
            std::count_if(bitmap.pixels.begin(), bitmap.pixels.end(), [](DWORD p) { return p != kWhite; }),
            static_cast<long>(bitmap.pixels.size() / 10));
    }
}

TEST(Resources, ToolbarPicturesAndTheirFadedTwins) {
    // The 48 x 48 pictures are drawn in their lower-left 32 x 32 only.
    for (UINT id : {136u, 135u, 138u, 149u}) {
        const Bitmap bitmap = ReadBitmap(id);
        ASSERT_EQ(48, bitmap.width);
        for (int y = 0; y < 48; ++y)
            for (int x = 0; x < 48; ++x)
                ASSERT_TRUE((y >= 16 && x < 32) || bitmap.At(x, y) == kWhite)
                    << "bitmap " << id << " at " << x << "," << y;
    }
    // A disabled picture is the enabled one faded: the same shape, paler
    // and greyer.
    const std::pair<UINT, UINT> twins[] = {{136, 135}, {138, 149}, {144, 150}};
    for (const auto& twin : twins) {
        SCOPED_TRACE(testing::Message() << "bitmaps " << twin.first << " / " << twin.second);
        const Bitmap enabled = ReadBitmap(twin.first), disabled = ReadBitmap(twin.second);
        ASSERT_EQ(enabled.pixels.size(), disabled.pixels.size());
        long enabledSaturation = 0, disabledSaturation = 0;
        for (size_t i = 0; i < enabled.pixels.size(); ++i) {
            ASSERT_EQ(enabled.pixels[i] == kWhite, disabled.pixels[i] == kWhite) << "pixel " << i;
            enabledSaturation += Saturation(enabled.pixels[i]);
            disabledSaturation += Saturation(disabled.pixels[i]);
        }
        EXPECT_LT(disabledSaturation * 2, enabledSaturation);
    }
}

} // namespace
