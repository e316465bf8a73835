// The program's resources as the system reads them: dialog templates (size,
// font, caption, and each control's id, class and place in dialog units),
// the menu, the strings, the icons and every bitmap's size, depth and
// transparent background. The test program links the same resource script
// as Quorvex.exe.
#include <resource.h>

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace {

HMODULE Module() {
    return GetModuleHandleW(nullptr);
}

const uint8_t* ResourceBytes(UINT id, LPCWSTR type, DWORD* size = nullptr) {
    HRSRC found = FindResourceW(Module(), MAKEINTRESOURCEW(id), type);
    if (!found)
        return nullptr;
    if (size)
        *size = SizeofResource(Module(), found);
    return static_cast<const uint8_t*>(LockResource(LoadResource(Module(), found)));
}

// ---------------------------------------------------------------------------
// Dialog templates (the extended form that DIALOGEX writes)

struct TemplateItem {
    DWORD style = 0;
    DWORD exStyle = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
    int id = 0;
    WORD classAtom = 0; // 0x80 button, 0x81 edit, 0x82 static, 0x85 combo box
    std::wstring className;
    std::wstring text;
};

struct DialogTemplate {
    DWORD style = 0;
    DWORD exStyle = 0;
    int cx = 0, cy = 0;
    std::wstring caption;
    int pointSize = 0;
    std::wstring face;
    std::vector<TemplateItem> items;
};

class Reader {
public:
    explicit Reader(const uint8_t* p) : m_start(p), m_p(p) {}
    WORD Word() {
        WORD v;
        memcpy(&v, m_p, 2);
        m_p += 2;
        return v;
    }
    DWORD Dword() {
        DWORD v;
        memcpy(&v, m_p, 4);
        m_p += 4;
        return v;
    }
    short Short() { return static_cast<short>(Word()); }
    std::wstring String() {
        std::wstring s;
        for (WORD c = Word(); c; c = Word())
            s += static_cast<wchar_t>(c);
        return s;
    }
    // A name or an ordinal: 0 = none, 0xFFFF = ordinal follows, else a string.
    void NameOrOrdinal(WORD& ordinal, std::wstring& name) {
        WORD first;
        memcpy(&first, m_p, 2);
        if (first == 0) {
            m_p += 2;
        } else if (first == 0xFFFF) {
            m_p += 2;
            ordinal = Word();
        } else {
            name = String();
        }
    }
    void Byte() { ++m_p; }
    void Skip(size_t n) { m_p += n; }
    void AlignDword() {
        while ((m_p - m_start) % 4)
            ++m_p;
    }

private:
    const uint8_t* m_start;
    const uint8_t* m_p;
};

bool ReadDialog(UINT id, DialogTemplate& dialog) {
    const uint8_t* bytes = ResourceBytes(id, RT_DIALOG);
    if (!bytes)
        return false;
    Reader r(bytes);
    if (r.Word() != 1 || r.Word() != 0xFFFF)
        return false; // not an extended template
    r.Dword();        // help id
    dialog.exStyle = r.Dword();
    dialog.style = r.Dword();
    const WORD count = r.Word();
    r.Short();
    r.Short();
    dialog.cx = r.Short();
    dialog.cy = r.Short();
    WORD ordinal = 0;
    std::wstring name;
    r.NameOrOrdinal(ordinal, name); // menu
    r.NameOrOrdinal(ordinal, name); // class
    dialog.caption = r.String();
    if (dialog.style & DS_SETFONT) {
        dialog.pointSize = r.Word();
        r.Word(); // weight
        r.Byte(); // italic
        r.Byte(); // character set
        dialog.face = r.String();
    }
    for (WORD i = 0; i < count; ++i) {
        r.AlignDword();
        TemplateItem item;
        r.Dword(); // help id
        item.exStyle = r.Dword();
        item.style = r.Dword();
        item.x = r.Short();
        item.y = r.Short();
        item.cx = r.Short();
        item.cy = r.Short();
        item.id = static_cast<int>(r.Dword());
        r.NameOrOrdinal(item.classAtom, item.className);
        WORD textOrdinal = 0;
        r.NameOrOrdinal(textOrdinal, item.text);
        r.Skip(r.Word()); // creation data
        dialog.items.push_back(item);
    }
    return true;
}

const TemplateItem* FindItem(const DialogTemplate& dialog, int id) {
    const TemplateItem* found = nullptr;
    for (const TemplateItem& item : dialog.items)
        if (item.id == id) {
            if (found)
                return nullptr; // ids are unique
            found = &item;
        }
    return found;
}

constexpr WORD kButton = 0x80, kEdit = 0x81, kStatic = 0x82, kComboBox = 0x85;
constexpr int kAny = -1;

// One control as the layout tables give it; kAny where they leave it open.
struct ExpectedItem {
    int id;
    WORD classAtom;          // 0 when the class is named
    const wchar_t* className; // for named classes
    int x, y, cx, cy;
    const wchar_t* text;     // null when not given
    DWORD styleBits;         // style bits that must be set
    DWORD typeMask;          // the type field these bits belong to (0: plain bits)
};

struct ExpectedDialog {
    UINT id;
    int cx, cy;
    const wchar_t* caption;
    int pointSize;
    const wchar_t* face;
    std::vector<ExpectedItem> items;
};

void CheckDialog(const ExpectedDialog& expected) {
    SCOPED_TRACE(testing::Message() << "dialog " << expected.id);
    DialogTemplate dialog;
    ASSERT_TRUE(ReadDialog(expected.id, dialog));
    EXPECT_EQ(expected.cx, dialog.cx);
    EXPECT_EQ(expected.cy, dialog.cy);
    EXPECT_EQ(std::wstring(expected.caption), dialog.caption);
    EXPECT_EQ(expected.pointSize, dialog.pointSize);
    EXPECT_EQ(std::wstring(expected.face), dialog.face);
    EXPECT_EQ(expected.items.size(), dialog.items.size());
    for (const ExpectedItem& want : expected.items) {
        SCOPED_TRACE(testing::Message() << "control " << want.id);
        const TemplateItem* item = FindItem(dialog, want.id);
        ASSERT_NE(nullptr, item);
        if (want.classAtom) {
            EXPECT_EQ(want.classAtom, item->classAtom);
        } else {
            // Class names are case-blind; the resource compiler writes them in capitals.
            EXPECT_EQ(0, lstrcmpiW(want.className, item->className.c_str())) << item->className;
        }
        EXPECT_EQ(want.x, item->x);
        EXPECT_EQ(want.y, item->y);
        if (want.cx != kAny) {
            EXPECT_EQ(want.cx, item->cx);
        }
        if (want.cy != kAny) {
            EXPECT_EQ(want.cy, item->cy);
        }
        if (want.text) {
            EXPECT_EQ(std::wstring(want.text), item->text);
        }
        if (want.typeMask) {
            EXPECT_EQ(want.styleBits, item->style & want.typeMask);
        } else {
            EXPECT_EQ(want.styleBits, item->style & want.styleBits);
        }
    }
}

TEST(Resources, MainDialogLayout) {
    constexpr DWORD kType = BS_TYPEMASK;
    constexpr DWORD kCombo = 3; // the combo type bits
    const ExpectedDialog main{
        IDD_QUORVEX_DIALOG,
        425,
        248,
        L"Quorvex",
        8,
        L"MS Sans Serif",
        {
            {1007, kButton, nullptr, 7, 19, 38, 27, nullptr, BS_PUSHBUTTON, kType},
            {1008, kButton, nullptr, 45, 19, 38, 27, nullptr, BS_PUSHBUTTON, kType},
            {1009, kButton, nullptr, 83, 19, 38, 27, nullptr, BS_PUSHBUTTON, kType},
            {1012, kButton, nullptr, 121, 19, 38, 27, nullptr, BS_PUSHBUTTON, kType},
            {1029, kButton, nullptr, 159, 19, 38, 27, nullptr, BS_PUSHBUTTON, kType},
            {1010, kButton, nullptr, 273, 23, 145, 200, L"Profile", BS_GROUPBOX, kType},
            {1018, kStatic, nullptr, 279, 37, kAny, kAny, L"Convert to", 0, 0},
            {1002, kComboBox, nullptr, 279, 54, 131, kAny, nullptr, CBS_DROPDOWNLIST, kCombo},
            {1025, kStatic, nullptr, 279, 75, kAny, kAny, L"Video Size", 0, 0},
            {1023, kComboBox, nullptr, 279, 91, kAny, kAny, nullptr, CBS_DROPDOWNLIST, kCombo},
            {1021, kStatic, nullptr, 279, 110, kAny, kAny, L"Quality", 0, 0},
            {1015, kComboBox, nullptr, 279, 126, kAny, kAny, nullptr, CBS_DROPDOWNLIST, kCombo},
            {1019, kStatic, nullptr, 279, 146, kAny, kAny, L"Output Folder", 0, 0},
            {1001, kEdit, nullptr, 279, 163, 131, 12, nullptr, ES_AUTOHSCROLL, 0},
            {1020, kButton, nullptr, 304, 191, 50, 14, L"Browse", BS_PUSHBUTTON, kType},
            {1027, kButton, nullptr, 361, 191, 50, 14, L"Open", BS_PUSHBUTTON, kType},
            {1004, 0, L"SysListView32", 7, 49, 262, 174, nullptr, LVS_REPORT, LVS_TYPEMASK},
            {1005, 0, L"msctls_progress32", 7, 227, 262, 14, nullptr, 0, 0},
            {1024, kStatic, nullptr, 7, 227, 411, 15, L"Please add file(s)", 0, 0},
            {1030, kStatic, nullptr, 273, 228, 145, 14, L"", 0, 0},
        }};
    CheckDialog(main);

    DialogTemplate dialog;
    ASSERT_TRUE(ReadDialog(IDD_QUORVEX_DIALOG, dialog));
    const DWORD frame = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    EXPECT_EQ(frame, dialog.style & frame);
    EXPECT_EQ(0u, dialog.style & (WS_MAXIMIZEBOX | WS_THICKFRAME));
    EXPECT_TRUE(dialog.exStyle & WS_EX_APPWINDOW) << "shown in the task bar";
}

TEST(Resources, AboutAndSettingsLayout) {
    CheckDialog({IDD_ABOUTBOX,
                 228,
                 70,
                 L"About Quorvex",
                 8,
                 L"MS Sans Serif",
                 {
                     {1038, kStatic, nullptr, 9, 14, 20, 20, nullptr, 0, 0},
                     {1036, kStatic, nullptr, 40, 7, kAny, kAny, L"Quorvex Version 1.2.0.1024", 0, 0},
                 }});
    CheckDialog({IDD_SETTINGS,
                 183,
                 41,
                 L"Settings",
                 10,
                 L"System",
                 {
                     {1040, kStatic, nullptr, 7, 10, kAny, kAny, L"Post Task Actions", 0, 0},
                     {1003, kComboBox, nullptr, 64, 8, 109, kAny, nullptr, CBS_DROPDOWNLIST, 3},
                     {IDOK, kButton, nullptr, 90, 24, 38, 10, L"OK", BS_DEFPUSHBUTTON, BS_TYPEMASK},
                     {IDCANCEL, kButton, nullptr, 134, 24, 38, 10, L"Cancel", BS_PUSHBUTTON, BS_TYPEMASK},
                 }});
}

// ---------------------------------------------------------------------------
// Menu and strings

struct MenuEntry {
    UINT id; // 0 for a separator or a submenu
    const wchar_t* text;
};

std::vector<MenuEntry> Entries(HMENU menu) {
    std::vector<MenuEntry> entries;
    static wchar_t texts[64][64];
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count && i < 64; ++i) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING | MIIM_SUBMENU;
        info.dwTypeData = texts[i];
        info.cch = 64;
        texts[i][0] = 0;
        GetMenuItemInfoW(menu, i, TRUE, &info);
        entries.push_back({(info.fType & MFT_SEPARATOR) || info.hSubMenu ? 0u : info.wID, texts[i]});
    }
    return entries;
}

void ExpectEntries(HMENU menu, const std::vector<MenuEntry>& expected) {
    const std::vector<MenuEntry> actual = Entries(menu);
    ASSERT_EQ(expected.size(), actual.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(expected[i].id, actual[i].id) << "entry " << i;
        EXPECT_EQ(std::wstring(expected[i].text), std::wstring(actual[i].text)) << "entry " << i;
    }
}

TEST(Resources, MenuBarCommands) {
    HMENU bar = LoadMenuW(Module(), MAKEINTRESOURCEW(IDR_MAINMENU));
    ASSERT_NE(nullptr, bar);
    ExpectEntries(bar, {{0, L"File"}, {0, L"Edit"}, {0, L"Options"}, {0, L"Help"}});
    ExpectEntries(GetSubMenu(bar, 0), {{32771, L"Add File(s)..."},
                                       {0, L""},
                                       {32772, L"Convert"},
                                       {32773, L"Stop"},
                                       {0, L""},
                                       {32776, L"Settings"},
                                       {0, L""},
                                       {32790, L"Exit"}});
    ExpectEntries(GetSubMenu(bar, 1), {{32774, L"Remove Selected File(s)"},
                                       {32788, L"Clear All Files"},
                                       {32791, L"Clear All Converted Files"},
                                       {0, L""},
                                       {32789, L"Open Output Folder"}});
    HMENU options = GetSubMenu(bar, 2);
    ExpectEntries(options, {{0, L"Post Task Actions"}, {32784, L"Run In Background"}});
    HMENU postTask = GetSubMenu(options, 0);
    ExpectEntries(postTask, {{32785, L"Do Nothing"}, {32786, L"Shut Down"}, {32787, L"Log Off"}});
    ExpectEntries(GetSubMenu(bar, 3), {{32779, L"Feedback and Support"}, {0, L""}, {32780, L"About Quorvex"}});

    // Every run starts with "Do Nothing".
    EXPECT_TRUE(GetMenuState(bar, 32785, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_FALSE(GetMenuState(bar, 32786, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_FALSE(GetMenuState(bar, 32787, MF_BYCOMMAND) & MF_CHECKED);
    DestroyMenu(bar);
}

TEST(Resources, Strings) {
    wchar_t text[128];
    ASSERT_GT(LoadStringW(Module(), 101, text, 128), 0);
    EXPECT_STREQ(L"&About Quorvex...", text);
    ASSERT_GT(LoadStringW(Module(), 103, text, 128), 0);
    EXPECT_STREQ(L"Windows sockets initialization failed.", text);
}

// ---------------------------------------------------------------------------
// Icons and bitmaps

std::vector<int> IconSizes(UINT id) {
    std::vector<int> sizes;
    const uint8_t* group = ResourceBytes(id, RT_GROUP_ICON);
    if (!group)
        return sizes;
    WORD count;
    memcpy(&count, group + 4, 2);
    for (WORD i = 0; i < count; ++i) {
        const uint8_t* entry = group + 6 + 14 * i; // GRPICONDIRENTRY
        sizes.push_back(entry[0] ? entry[0] : 256);
    }
    return sizes;
}

TEST(Resources, Icons) {
    const std::vector<int> application = IconSizes(IDR_MAINFRAME);
    EXPECT_GE(application.size(), 2u) << "the application icon comes in several sizes";
    for (int size : {16, 32}) {
        EXPECT_NE(application.end(), std::find(application.begin(), application.end(), size)) << size;
    }
    const std::vector<int> folder = IconSizes(IDI_OUTPUT_FOLDER);
    EXPECT_NE(folder.end(), std::find(folder.begin(), folder.end(), 16)) << "shown small in the edit";
    HICON icon = static_cast<HICON>(LoadImageW(Module(), MAKEINTRESOURCEW(IDI_OUTPUT_FOLDER), IMAGE_ICON, 16, 16, 0));
    EXPECT_NE(nullptr, icon);
    if (icon) {
        DestroyIcon(icon);
    }
}

// The pixels of a bitmap resource, top row first, as 0x00RRGGBB.
struct BitmapResource {
    int width = 0, height = 0, bits = 0;
    std::vector<DWORD> pixels;
    DWORD At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

bool ReadBitmap(UINT id, BitmapResource& bitmap) {
    const uint8_t* bytes = ResourceBytes(id, RT_BITMAP);
    if (!bytes)
        return false;
    BITMAPINFOHEADER header;
    memcpy(&header, bytes, sizeof(header));
    bitmap.width = header.biWidth;
    bitmap.height = header.biHeight;
    bitmap.bits = header.biBitCount;
    if (header.biCompression != BI_RGB || (bitmap.bits != 24 && bitmap.bits != 32) || bitmap.height <= 0)
        return false;
    const int bytesPerPixel = bitmap.bits / 8;
    const int stride = (bitmap.width * bytesPerPixel + 3) & ~3;
    const uint8_t* rows = bytes + header.biSize;
    bitmap.pixels.resize(static_cast<size_t>(bitmap.width) * bitmap.height);
    for (int y = 0; y < bitmap.height; ++y) {
        const uint8_t* row = rows + static_cast<size_t>(bitmap.height - 1 - y) * stride; // bottom-up
        for (int x = 0; x < bitmap.width; ++x) {
            const uint8_t* p = row + x * bytesPerPixel;
            bitmap.pixels[static_cast<size_t>(y) * bitmap.width + x] = (p[2] << 16) | (p[1] << 8) | p[0];
        }
    }
    return true;
}

constexpr DWORD kWhite = 0xFFFFFF;

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
        BitmapResource bitmap;
        ASSERT_TRUE(ReadBitmap(want.id, bitmap));
        EXPECT_EQ(want.width, bitmap.width);
        EXPECT_EQ(want.height, bitmap.height);
        EXPECT_EQ(want.bits, bitmap.bits);
        // Drawn on white, the transparent colour: the corners show through
        // and something is drawn.
        EXPECT_EQ(kWhite, bitmap.At(0, 0));
        EXPECT_EQ(kWhite, bitmap.At(bitmap.width - 1, 0));
        size_t drawn = 0;
        for (DWORD pixel : bitmap.pixels)
            drawn += pixel != kWhite;
        EXPECT_GT(drawn, bitmap.pixels.size() / 10);
    }
}

int Saturation(DWORD pixel) {
    const int r = (pixel >> 16) & 0xFF, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
    return std::max({r, g, b}) - std::min({r, g, b});
}

TEST(Resources, ToolbarPicturesAndTheirFadedTwins) {
    // The 48 x 48 pictures are drawn in their lower-left 32 x 32 only.
    for (UINT id : {136u, 135u, 138u, 149u}) {
        SCOPED_TRACE(testing::Message() << "bitmap " << id);
        BitmapResource bitmap;
        ASSERT_TRUE(ReadBitmap(id, bitmap));
        for (int y = 0; y < 48; ++y) {
            for (int x = 0; x < 48; ++x) {
                if (y < 16 || x >= 32) {
                    ASSERT_EQ(kWhite, bitmap.At(x, y)) << x << "," << y;
                }
            }
        }
    }
    // A disabled picture is the enabled one faded: the same shape, paler
    // and greyer.
    const std::pair<UINT, UINT> twins[] = {{136, 135}, {138, 149}, {144, 150}};
    for (const auto& twin : twins) {
        SCOPED_TRACE(testing::Message() << "bitmaps " << twin.first << " / " << twin.second);
        BitmapResource enabled, disabled;
        ASSERT_TRUE(ReadBitmap(twin.first, enabled));
        ASSERT_TRUE(ReadBitmap(twin.second, disabled));
        long enabledSaturation = 0, disabledSaturation = 0, shared = 0;
        for (size_t i = 0; i < enabled.pixels.size(); ++i) {
            EXPECT_EQ(enabled.pixels[i] == kWhite, disabled.pixels[i] == kWhite) << "pixel " << i;
            if (enabled.pixels[i] != kWhite && disabled.pixels[i] != kWhite) {
                enabledSaturation += Saturation(enabled.pixels[i]);
                disabledSaturation += Saturation(disabled.pixels[i]);
                ++shared;
            }
        }
        ASSERT_GT(shared, 0);
        EXPECT_LT(disabledSaturation * 2, enabledSaturation);
    }
}

} // namespace
