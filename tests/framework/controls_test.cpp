// The control wrappers, image lists and the file dialog wrapper, each driven
// through the real control.
#include <afxwin.h>
#include <afxcmn.h>
#include <afxdlgs.h>

#include <gtest/gtest.h>

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
