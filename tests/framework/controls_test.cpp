// The control wrappers, image lists and the file dialog wrapper, each driven
// through the real control.
#include <afxwin.h>
#include <afxcmn.h>
#include <afxdlgs.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "testutil.h"

namespace {

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        gdiBase = AfxGetLiveGdiObjectCount();
        windowBase = AfxGetLiveWindowCount();
        ASSERT_TRUE(parent.CreateEx(0, nullptr, L"parent", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr));
        AfxLockTempMaps(); // the tests use temporaries outside any message
    }
    void TearDown() override {
        AfxUnlockTempMaps();
        parent.DestroyWindow();
        PumpUntilIdle();
        EXPECT_EQ(gdiBase, AfxGetLiveGdiObjectCount());
        EXPECT_EQ(windowBase, AfxGetLiveWindowCount());
        EXPECT_EQ(0, AfxGetTempObjectCount());
    }
    CWnd parent;
    LONG gdiBase = 0, windowBase = 0;
};

TEST_F(ControlsTest, ListCtrlItemsColumnsAndSelection) {
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 300, 200), &parent, 10));
    EXPECT_EQ(0, list.InsertColumn(0, L"Name", LVCFMT_LEFT, 120));
    EXPECT_EQ(1, list.InsertColumn(1, L"Percent", LVCFMT_RIGHT, 60));
    EXPECT_EQ(120, list.GetColumnWidth(0));
    CHeaderCtrl* header = list.GetHeaderCtrl();
    ASSERT_NE(nullptr, header);
    EXPECT_EQ(2, header->GetItemCount());

    CString longName(L'n', 600); // longer than a first guess at the buffer
    for (int i = 0; i < 3; ++i) {
        CString name;
        name.Format(L"file%d.avi", i);
        EXPECT_EQ(i, list.InsertItem(i, i == 1 ? (LPCTSTR)longName : (LPCTSTR)name));
        EXPECT_TRUE(list.SetItemText(i, 1, L"0.0%"));
        EXPECT_TRUE(list.SetItemData(i, 100 + i));
    }
    EXPECT_EQ(3, list.GetItemCount());
    EXPECT_STREQ(L"file0.avi", (LPCTSTR)list.GetItemText(0, 0));
    EXPECT_EQ(longName, list.GetItemText(1, 0));
    EXPECT_STREQ(L"0.0%", (LPCTSTR)list.GetItemText(2, 1));
    EXPECT_EQ(102u, list.GetItemData(2));

    list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    list.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(2u, list.GetSelectedCount());
    std::vector<int> selected;
    for (POSITION pos = list.GetFirstSelectedItemPosition(); pos;)
        selected.push_back(list.GetNextSelectedItem(pos));
    EXPECT_EQ((std::vector<int>{0, 2}), selected);

    DWORD ex = list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    (void)ex;
    EXPECT_TRUE(list.GetExtendedStyle() & LVS_EX_FULLROWSELECT);
    CRect rc;
    EXPECT_TRUE(list.GetItemRect(0, &rc, LVIR_BOUNDS));
    EXPECT_GT(rc.Width(), 0);
    EXPECT_EQ(0, list.HitTest(CPoint(rc.left + 2, rc.top + 2)));
    EXPECT_TRUE(list.DeleteItem(1));
    EXPECT_TRUE(list.DeleteAllItems());
    EXPECT_EQ(0, list.GetItemCount());
}

TEST_F(ControlsTest, ImageListOwnsItsImagesAndDraws) {
    {
        CImageList images;
        ASSERT_TRUE(images.Create(16, 16, ILC_COLOR32 | ILC_MASK, 0, 4));
        EXPECT_EQ(gdiBase + 1, AfxGetLiveGdiObjectCount());
        CClientDC screen(nullptr);
        CDC mem;
        mem.CreateCompatibleDC(&screen);
        CBitmap red;
        red.CreateCompatibleBitmap(&screen, 16, 16);
        CBitmap* old = mem.SelectObject(&red);
        mem.FillSolidRect(0, 0, 16, 16, RGB(255, 0, 0));
        mem.FillSolidRect(0, 0, 4, 4, RGB(255, 255, 255)); // the mask colour
        mem.SelectObject(old);
        EXPECT_EQ(0, images.Add(&red, RGB(255, 255, 255)));
        EXPECT_EQ(1, images.Add(&red, RGB(255, 255, 255)));
        EXPECT_EQ(2, images.GetImageCount());
        int cx = 0, cy = 0;
        EXPECT_TRUE(images.GetIconSize(&cx, &cy));
        EXPECT_EQ(16, cx);

        CBitmap target;
        target.CreateCompatibleBitmap(&screen, 20, 20);
        old = mem.SelectObject(&target);
        mem.FillSolidRect(0, 0, 20, 20, RGB(0, 0, 255));
        EXPECT_TRUE(images.Draw(&mem, 1, CPoint(2, 2), ILD_TRANSPARENT));
        EXPECT_EQ(RGB(255, 0, 0), mem.GetPixel(10, 10));
        mem.SelectObject(old);

        CListCtrl list;
        ASSERT_TRUE(list.Create(WS_CHILD | LVS_REPORT, CRect(0, 0, 100, 100), &parent, 11));
        EXPECT_EQ(nullptr, list.SetImageList(&images, LVSIL_SMALL));
        EXPECT_EQ(images.m_hImageList, list.GetImageList(LVSIL_SMALL)->m_hImageList);
        list.SetImageList(nullptr, LVSIL_SMALL);
        list.DestroyWindow();
    }
    EXPECT_EQ(gdiBase, AfxGetLiveGdiObjectCount());
}

// A control's image-list getter hands back the caller's own object (it
// outlives the message), never a temporary, and a list set without a wrapper
// still comes back as one.
TEST_F(ControlsTest, ImageListGettersHandBackTheCallersOwnList) {
    CImageList small, normal;
    ASSERT_TRUE(small.Create(16, 16, ILC_COLOR32 | ILC_MASK, 0, 4));
    ASSERT_TRUE(normal.Create(32, 32, ILC_COLOR32 | ILC_MASK, 0, 4));
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 100, 100), &parent, 12));
    list.InsertColumn(0, L"Name", LVCFMT_LEFT, 60);
    const LONG temps = AfxGetTempObjectCount();
    EXPECT_EQ(nullptr, list.SetImageList(&small, LVSIL_SMALL));
    EXPECT_EQ(nullptr, list.SetImageList(&normal, LVSIL_NORMAL));
    EXPECT_EQ(&small, list.GetImageList(LVSIL_SMALL));
    EXPECT_EQ(&normal, list.GetImageList(LVSIL_NORMAL));
    EXPECT_EQ(&small, list.SetImageList(&normal, LVSIL_SMALL)) << "the one replaced is the caller's too";
    CHeaderCtrl* header = list.GetHeaderCtrl();
    ASSERT_NE(nullptr, header);
    header->SetImageList(&small);
    EXPECT_EQ(&small, header->GetImageList());
    EXPECT_EQ(temps + 1, AfxGetTempObjectCount()) << "only the header's window wrapper is a temporary";

    // A second wrapper of the same list: found while it holds it, and its
    // end leaves the list to the first.
    {
        CImageList alias;
        ASSERT_TRUE(alias.Attach(normal.m_hImageList));
        EXPECT_EQ(&alias, list.GetImageList(LVSIL_NORMAL));
    }
    EXPECT_EQ(&normal, list.GetImageList(LVSIL_NORMAL));
    int cx = 0, cy = 0;
    EXPECT_TRUE(normal.GetIconSize(&cx, &cy)) << "still alive after the alias went";
    EXPECT_EQ(32, cx);

    HIMAGELIST bare = ImageList_Create(8, 8, ILC_COLOR32, 0, 1);
    ListView_SetImageList(list.m_hWnd, bare, LVSIL_STATE);
    CImageList* pTemp = list.GetImageList(LVSIL_STATE);
    ASSERT_NE(nullptr, pTemp);
    EXPECT_EQ(bare, pTemp->m_hImageList);
    EXPECT_NE(&small, pTemp);
    EXPECT_NE(&normal, pTemp);
    list.SetImageList(nullptr, LVSIL_STATE);
    header->SetImageList(nullptr);
    list.DestroyWindow();
    ImageList_Destroy(bare);
}

TEST_F(ControlsTest, ComboBoxEditButtonStaticProgressScrollBar) {
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | CBS_DROPDOWNLIST | WS_VSCROLL, CRect(0, 0, 120, 200), &parent, 20));
    EXPECT_EQ(0, combo.AddString(L"AVI"));
    EXPECT_EQ(1, combo.AddString(L"FLV"));
    EXPECT_EQ(1, combo.InsertString(1, L"DVD"));
    EXPECT_EQ(3, combo.GetCount());
    EXPECT_EQ(2, combo.FindStringExact(-1, L"FLV"));
    combo.SetItemData(2, 0xF1);
    EXPECT_EQ(0xF1u, combo.GetItemData(2));
    EXPECT_EQ(1, combo.SelectString(-1, L"DV"));
    CString text;
    combo.GetLBText(combo.GetCurSel(), text);
    EXPECT_STREQ(L"DVD", (LPCTSTR)text);
    EXPECT_EQ(2, combo.DeleteString(0));
    combo.ResetContent();
    EXPECT_EQ(0, combo.GetCount());
    EXPECT_EQ(CB_ERR, combo.GetCurSel());

    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | ES_AUTOHSCROLL, CRect(0, 0, 120, 20), &parent, 21));
    edit.SetWindowText(L"C:\\MyVideo");
    edit.SetSel(3, 5);
    int start = 0, end = 0;
    edit.GetSel(start, end);
    EXPECT_EQ(3, start);
    EXPECT_EQ(5, end);
    edit.ReplaceSel(L"Your");
    edit.GetWindowText(text);
    EXPECT_STREQ(L"C:\\YourVideo", (LPCTSTR)text);
    edit.SetLimitText(40);
    EXPECT_EQ(40u, edit.GetLimitText());
    edit.SetReadOnly(TRUE);
    EXPECT_TRUE(edit.GetStyle() & ES_READONLY);

    CButton check;
    ASSERT_TRUE(check.Create(L"Shut down", WS_CHILD | BS_AUTOCHECKBOX, CRect(0, 30, 120, 50), &parent, 22));
    EXPECT_EQ(BST_UNCHECKED, check.GetCheck());
    check.SetCheck(BST_CHECKED);
    EXPECT_EQ(BST_CHECKED, check.GetCheck());
    EXPECT_EQ((UINT)BS_AUTOCHECKBOX, check.GetButtonStyle() & 0x0F);

    CStatic label;
    ASSERT_TRUE(label.Create(L"Please add file(s)", WS_CHILD | SS_LEFT, CRect(0, 60, 120, 80), &parent));
    label.GetWindowText(text);
    EXPECT_STREQ(L"Please add file(s)", (LPCTSTR)text);

    CProgressCtrl progress;
    ASSERT_TRUE(progress.Create(WS_CHILD, CRect(0, 90, 120, 100), &parent, 23));
    progress.SetRange32(0, 1000);
    progress.SetPos(456);
    EXPECT_EQ(456, progress.GetPos());
    int lo = -1, hi = -1;
    progress.GetRange(lo, hi);
    EXPECT_EQ(0, lo);
    EXPECT_EQ(1000, hi);

    CScrollBar bar;
    ASSERT_TRUE(bar.Create(WS_CHILD | SBS_HORZ, CRect(0, 110, 120, 126), &parent, 24));
    SCROLLINFO si = {};
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMin = 0;
    si.nMax = 100;
    si.nPage = 10;
    si.nPos = 40;
    bar.SetScrollInfo(&si);
    EXPECT_EQ(40, bar.GetScrollPos());
    EXPECT_EQ(91, bar.GetScrollLimit());
    int mn = -1, mx = -1;
    bar.GetScrollRange(&mn, &mx);
    EXPECT_EQ(100, mx);
}

TEST_F(ControlsTest, SpinButtonRangePositionAndBuddy) {
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | ES_AUTOHSCROLL, CRect(0, 0, 80, 20), &parent, 40));
    CSpinButtonCtrl spin;
    ASSERT_TRUE(spin.Create(WS_CHILD | UDS_SETBUDDYINT, CRect(90, 0, 102, 20), &parent, 41));
    EXPECT_EQ(nullptr, spin.SetBuddy(&edit)) << "no earlier buddy";
    EXPECT_EQ(edit.GetSafeHwnd(), spin.GetBuddy()->GetSafeHwnd());
    spin.SetRange(-5, 50);
    int lower = 0, upper = 0;
    spin.GetRange(lower, upper);
    EXPECT_EQ(-5, lower);
    EXPECT_EQ(50, upper);
    EXPECT_EQ(MAKELONG(50, -5), static_cast<LONG>(spin.GetRange()));
    spin.SetRange32(-100000, 100000);
    spin.GetRange32(lower, upper);
    EXPECT_EQ(-100000, lower);
    EXPECT_EQ(100000, upper);
    spin.SetPos32(70000);
    BOOL error = TRUE;
    EXPECT_EQ(70000, spin.GetPos32(&error));
    EXPECT_FALSE(error);
    CString text;
    edit.GetWindowText(text);
    text.Remove(L',');
    text.Remove(L'.');
    text.Remove(L' ');
    EXPECT_STREQ(L"70000", (LPCTSTR)text) << "the buddy shows the position";
    spin.SetRange(0, 20);
    spin.SetPos(7);
    EXPECT_EQ(7, spin.SetPos(3)) << "the previous position";
    EXPECT_EQ(3, LOWORD(spin.GetPos()));
    EXPECT_EQ(10u, spin.GetBase());
    EXPECT_EQ(10, spin.SetBase(16));
    EXPECT_EQ(16u, spin.GetBase());
    UDACCEL accel[2] = {{0, 1}, {2, 5}};
    EXPECT_TRUE(spin.SetAccel(2, accel));
    UDACCEL read[2] = {};
    EXPECT_EQ(2u, spin.GetAccel(2, read));
    EXPECT_EQ(5u, read[1].nInc);
}

TEST_F(ControlsTest, ToolTipToolsAndText) {
    CButton button;
    ASSERT_TRUE(button.Create(L"Add", WS_CHILD | WS_VISIBLE, CRect(10, 10, 60, 40), &parent, 30));
    {
        CToolTipCtrl tip;
        ASSERT_TRUE(tip.Create(&parent));
        EXPECT_TRUE(tip.AddTool(&button, L" Add File(s) "));
        EXPECT_EQ(1, tip.GetToolCount());
        CString text;
        tip.GetText(text, &button);
        EXPECT_STREQ(L" Add File(s) ", (LPCTSTR)text);
        tip.UpdateTipText(L" Remove ", &button);
        tip.GetText(text, &button);
        EXPECT_STREQ(L" Remove ", (LPCTSTR)text);
        tip.SetMaxTipWidth(200);
        EXPECT_EQ(200, tip.GetMaxTipWidth());
        tip.SetTipBkColor(RGB(255, 242, 202));
        EXPECT_EQ(RGB(255, 242, 202), tip.GetTipBkColor());
        tip.DelTool(&button);
        EXPECT_EQ(0, tip.GetToolCount());
    }
    EXPECT_EQ(windowBase + 2, AfxGetLiveWindowCount()) << "the tooltip went with its object";
}

// An owner-drawn tab control whose WM_DRAWITEM, sent to its parent, comes
// back to the tab control's own DrawItem.
class DrawnTabs : public CTabCtrl {
public:
    int drawn = 0;
    UINT lastItem = 0xFFFF;
    void DrawItem(LPDRAWITEMSTRUCT item) override {
        ++drawn;
        lastItem = item->itemID;
    }
};

TEST_F(ControlsTest, TabCtrlItemsSelectionAndOwnerDraw) {
    DrawnTabs tabs;
    ASSERT_TRUE(tabs.Create(WS_CHILD | WS_VISIBLE | TCS_OWNERDRAWFIXED | TCS_FIXEDWIDTH, CRect(0, 0, 300, 100),
                            &parent, 40));
    EXPECT_EQ(0, tabs.GetItemCount());
    EXPECT_EQ(-1, tabs.GetCurSel());
    ASSERT_TRUE(tabs.InsertItem(0, L"General"));
    ASSERT_TRUE(tabs.InsertItem(1, L"Video", 2));
    // A position beyond the end appends.
    ASSERT_TRUE(tabs.InsertItem(9, L"Audio"));
    ASSERT_EQ(3, tabs.GetItemCount());

    struct Expected {
        int index;
        const wchar_t* text;
        int image;
    };
    const Expected kItems[] = {{0, L"General", -1}, {1, L"Video", 2}, {2, L"Audio", -1}};
    for (const Expected& e : kItems) {
        WCHAR buffer[64] = {};
        TCITEMW item{};
        item.mask = TCIF_TEXT | TCIF_IMAGE;
        item.pszText = buffer;
        item.cchTextMax = 64;
        ASSERT_TRUE(tabs.GetItem(e.index, &item)) << e.index;
        EXPECT_STREQ(e.text, buffer) << e.index;
        EXPECT_EQ(e.image, item.iImage) << e.index;
    }

    // SetCurSel answers the previous selection.
    EXPECT_EQ(0, tabs.SetCurSel(2));
    EXPECT_EQ(2, tabs.GetCurSel());
    EXPECT_EQ(2, tabs.SetCurSel(1));

    tabs.SetItemSize(CSize(80, 25));
    CRect first, second;
    ASSERT_TRUE(tabs.GetItemRect(0, &first));
    ASSERT_TRUE(tabs.GetItemRect(1, &second));
    EXPECT_EQ(80, first.Width());
    EXPECT_EQ(first.right, second.left);
    TCHITTESTINFO hit{};
    hit.pt = CPoint(second.left + 5, second.top + 5);
    EXPECT_EQ(1, tabs.HitTest(&hit));
    EXPECT_NE(0u, hit.flags & TCHT_ONITEM);

    // WM_DRAWITEM for an owner-drawn tab, as the system sends it to the
    // parent, comes back to the control's own DrawItem.
    DRAWITEMSTRUCT draw{};
    draw.CtlType = ODT_TAB;
    draw.CtlID = 40;
    draw.itemID = 1;
    draw.itemAction = ODA_DRAWENTIRE;
    draw.hwndItem = tabs.GetSafeHwnd();
    EXPECT_EQ(TRUE, parent.SendMessage(WM_DRAWITEM, 40, reinterpret_cast<LPARAM>(&draw)));
    EXPECT_EQ(1, tabs.drawn);
    EXPECT_EQ(1u, tabs.lastItem);

    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR24, 1, 1));
    tabs.SetImageList(&images);
    EXPECT_EQ(&images, tabs.GetImageList());
    tabs.SetImageList(nullptr);
    EXPECT_EQ(nullptr, tabs.GetImageList());

    ASSERT_TRUE(tabs.DeleteItem(0));
    EXPECT_EQ(2, tabs.GetItemCount());
    ASSERT_TRUE(tabs.DeleteAllItems());
    EXPECT_EQ(0, tabs.GetItemCount());
    tabs.DestroyWindow();
}

// The system dialog replaced by a scripted answer.
class CScriptedFileDialog : public CFileDialog {
public:
    using CFileDialog::CFileDialog;
    const wchar_t* answer = nullptr;
    size_t answerLength = 0;
    BOOL RunSystemDialog(OPENFILENAME* pofn) override {
        filterSeen = pofn->lpstrFilter;
        if (!answer)
            return FALSE;
        memcpy(pofn->lpstrFile, answer, answerLength * sizeof(wchar_t));
        return TRUE;
    }
    LPCWSTR filterSeen = nullptr;
};

TEST(FileDialogTest, FilterSingleAndMultipleSelection) {
    CScriptedFileDialog dlg(TRUE, nullptr, nullptr, OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST,
                            L"Video Files (*.avi;*.flv)|*.avi;*.flv|All Files (*.*)|*.*||");
    WCHAR buffer[1024] = {};
    dlg.m_ofn.lpstrFile = buffer;
    dlg.m_ofn.nMaxFile = 1024;

    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    ASSERT_NE(nullptr, dlg.filterSeen);
    const wchar_t expectedFilter[] = L"Video Files (*.avi;*.flv)\0*.avi;*.flv\0All Files (*.*)\0*.*\0";
    EXPECT_EQ(0, memcmp(expectedFilter, dlg.filterSeen, sizeof(expectedFilter)));

    const wchar_t multi[] = L"C:\\Videos\0one.avi\0two.flv\0";
    dlg.answer = multi;
    dlg.answerLength = sizeof(multi) / sizeof(wchar_t);
    EXPECT_EQ(IDOK, dlg.DoModal());
    std::vector<CString> paths;
    for (POSITION pos = dlg.GetStartPosition(); pos;)
        paths.push_back(dlg.GetNextPathName(pos));
    ASSERT_EQ(2u, paths.size());
    EXPECT_STREQ(L"C:\\Videos\\one.avi", (LPCTSTR)paths[0]);
    EXPECT_STREQ(L"C:\\Videos\\two.flv", (LPCTSTR)paths[1]);

    const wchar_t single[] = L"C:\\Videos\\clip.final.mp4\0";
    dlg.answer = single;
    dlg.answerLength = sizeof(single) / sizeof(wchar_t);
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_STREQ(L"C:\\Videos\\clip.final.mp4", (LPCTSTR)dlg.GetPathName());
    EXPECT_STREQ(L"clip.final.mp4", (LPCTSTR)dlg.GetFileName());
    EXPECT_STREQ(L"mp4", (LPCTSTR)dlg.GetFileExt());
    EXPECT_STREQ(L"clip.final", (LPCTSTR)dlg.GetFileTitle());
    POSITION pos = dlg.GetStartPosition();
    EXPECT_STREQ(L"C:\\Videos\\clip.final.mp4", (LPCTSTR)dlg.GetNextPathName(pos));
    EXPECT_EQ(nullptr, pos);
}

} // namespace

namespace {

// An owner-drawn list box that records what the parent handed back to it.
class RecordingListBox : public CListBox {
public:
    std::vector<UINT> drawn;
    int measured = 0;
    int deleted = 0;
    void DrawItem(LPDRAWITEMSTRUCT item) override { drawn.push_back(item->itemID); }
    void MeasureItem(LPMEASUREITEMSTRUCT item) override {
        ++measured;
        item->itemHeight = 21;
    }
    void DeleteItem(LPDELETEITEMSTRUCT) override { ++deleted; }
};

int CALLBACK ByTextOfIndex(LPARAM first, LPARAM second, LPARAM data) {
    const CListCtrl* list = reinterpret_cast<const CListCtrl*>(data);
    return list->GetItemText(static_cast<int>(first), 0).Compare(list->GetItemText(static_cast<int>(second), 0));
}

} // namespace

TEST_F(ControlsTest, ListBoxStringsSelectionAndData) {
    CListBox box;
    ASSERT_TRUE(box.Create(WS_CHILD | WS_VISIBLE | LBS_NOTIFY | WS_VSCROLL, CRect(0, 0, 150, 100), &parent, 30));
    EXPECT_EQ(0, box.AddString(L"holiday.avi"));
    EXPECT_EQ(1, box.AddString(L"party.mov"));
    EXPECT_EQ(1, box.InsertString(1, L"concert.mkv"));
    EXPECT_EQ(3, box.GetCount());
    EXPECT_EQ(2, box.FindStringExact(-1, L"party.mov"));
    EXPECT_EQ(1, box.FindString(-1, L"conc"));
    EXPECT_EQ(LB_ERR, box.FindStringExact(-1, L"missing"));
    CString text;
    box.GetText(1, text);
    EXPECT_STREQ(L"concert.mkv", (LPCTSTR)text);
    EXPECT_EQ(11, box.GetTextLen(1));
    WCHAR buffer[32] = {};
    EXPECT_EQ(9, box.GetText(2, buffer));
    EXPECT_STREQ(L"party.mov", buffer);

    EXPECT_EQ(LB_ERR, box.GetCurSel());
    EXPECT_EQ(2, box.SelectString(-1, L"par"));
    EXPECT_EQ(2, box.GetCurSel());
    box.SetCurSel(0);
    EXPECT_EQ(0, box.GetCurSel());
    EXPECT_NE(LB_ERR, box.SetItemData(1, 0xC0DE));
    EXPECT_EQ(0xC0DEu, box.GetItemData(1));
    int value = 7;
    box.SetItemDataPtr(2, &value);
    EXPECT_EQ(&value, box.GetItemDataPtr(2));

    CRect row;
    EXPECT_NE(LB_ERR, box.GetItemRect(1, &row));
    BOOL outside = TRUE;
    EXPECT_EQ(1u, box.ItemFromPoint(CPoint(row.left + 2, row.top + 1), outside));
    EXPECT_FALSE(outside);
    box.ItemFromPoint(CPoint(5, 95), outside);
    EXPECT_TRUE(outside) << "below the last item";

    EXPECT_EQ(2, box.DeleteString(0));
    box.GetText(0, text);
    EXPECT_STREQ(L"concert.mkv", (LPCTSTR)text);
    box.ResetContent();
    EXPECT_EQ(0, box.GetCount());
    box.GetText(0, text);
    EXPECT_TRUE(text.IsEmpty()) << "no item, no text";
    box.DestroyWindow();

    CListBox multi;
    ASSERT_TRUE(multi.Create(WS_CHILD | LBS_EXTENDEDSEL, CRect(0, 0, 150, 100), &parent, 31));
    for (const wchar_t* name : {L"a", L"b", L"c", L"d"})
        multi.AddString(name);
    EXPECT_NE(LB_ERR, multi.SelItemRange(TRUE, 1, 2));
    EXPECT_EQ(2, multi.GetSelCount());
    int selected[4] = {};
    EXPECT_EQ(2, multi.GetSelItems(4, selected));
    EXPECT_EQ(1, selected[0]);
    EXPECT_EQ(2, selected[1]);
    multi.SetSel(3);
    EXPECT_GT(multi.GetSel(3), 0);
    EXPECT_NE(LB_ERR, multi.SelItemRange(FALSE, 1, 3));
    EXPECT_EQ(0, multi.GetSelCount());
    multi.DestroyWindow();
}

TEST_F(ControlsTest, OwnerDrawnListBoxGetsItsOwnDrawMeasureAndDelete) {
    RecordingListBox box;
    ASSERT_TRUE(box.Create(WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS,
                           CRect(0, 0, 150, 100), &parent, 32));
    box.AddString(L"first");
    box.AddString(L"second");
    EXPECT_EQ(2, box.measured) << "one WM_MEASUREITEM per variable-height item";
    EXPECT_EQ(21, box.GetItemHeight(1));
    EXPECT_NE(LB_ERR, box.SetItemHeight(1, 30));
    EXPECT_EQ(30, box.GetItemHeight(1));
    // The parent is hidden: the list box paints into a memory DC instead.
    {
        CClientDC screen(nullptr);
        CDC mem;
        mem.CreateCompatibleDC(&screen);
        CBitmap bitmap;
        bitmap.CreateCompatibleBitmap(&screen, 150, 100);
        CBitmap* old = mem.SelectObject(&bitmap);
        box.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(mem.GetSafeHdc()), PRF_CLIENT);
        mem.SelectObject(old);
    }
    EXPECT_NE(box.drawn.end(), std::find(box.drawn.begin(), box.drawn.end(), 1u));
    box.DeleteString(0);
    EXPECT_EQ(1, box.deleted) << "WM_DELETEITEM came back to the list box";
    box.DestroyWindow();
}

TEST_F(ControlsTest, ListCtrlSortItemsExComparesByIndexAndOwnerDataCountsItems) {
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_CHILD | LVS_REPORT, CRect(0, 0, 200, 200), &parent, 33));
    list.InsertColumn(0, L"Name", LVCFMT_LEFT, 100);
    const wchar_t* names[] = {L"delta", L"alpha", L"echo", L"charlie", L"bravo"};
    for (int i = 0; i < 5; ++i) {
        list.InsertItem(i, names[i]);
        list.SetItemData(i, 100 + i); // the caller's data, which the sort keeps
    }
    EXPECT_TRUE(list.SortItemsEx(&ByTextOfIndex, reinterpret_cast<DWORD_PTR>(&list)));
    const wchar_t* sorted[] = {L"alpha", L"bravo", L"charlie", L"delta", L"echo"};
    const DWORD_PTR data[] = {101, 104, 103, 100, 102};
    for (int i = 0; i < 5; ++i) {
        EXPECT_STREQ(sorted[i], (LPCTSTR)list.GetItemText(i, 0)) << "row " << i;
        EXPECT_EQ(data[i], list.GetItemData(i)) << "row " << i;
    }
    list.DestroyWindow();

    CListCtrl virtualList;
    ASSERT_TRUE(virtualList.Create(WS_CHILD | LVS_REPORT | LVS_OWNERDATA, CRect(0, 0, 200, 200), &parent, 34));
    virtualList.InsertColumn(0, L"Name", LVCFMT_LEFT, 100);
    EXPECT_TRUE(virtualList.SetItemCountEx(5000));
    EXPECT_EQ(5000, virtualList.GetItemCount());
    EXPECT_TRUE(virtualList.SetItemCountEx(12, LVSICF_NOSCROLL | LVSICF_NOINVALIDATEALL));
    EXPECT_EQ(12, virtualList.GetItemCount());
    virtualList.DestroyWindow();
}
