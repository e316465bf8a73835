// Documents, views and frames made by a single-document template; command
// routing through them; the scroll view with a document taller than 16 bits
// of pixels; dialogs holding rich edits; the tree and rich edit wrappers.
#include <afxwin.h>
#include <afxcmn.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resource.h"
#include "testutil.h"

namespace {

// Who handled which command, in order.
std::vector<std::wstring> g_handled;
// What the document and view lived through.
struct Lifecycle {
    int newDocument = 0;
    int deleteContents = 0;
    int documentsDeleted = 0;
    int initialUpdates = 0;
    int viewsDeleted = 0;
    int framesDeleted = 0;
    CDocument* docSeenAtCreate = nullptr;
};
Lifecycle g_life;

class CTestDoc : public CDocument {
    DECLARE_DYNCREATE(CTestDoc)
public:
    ~CTestDoc() override { ++g_life.documentsDeleted; }
    BOOL OnNewDocument() override {
        ++g_life.newDocument;
        return CDocument::OnNewDocument();
    }
    void DeleteContents() override { ++g_life.deleteContents; }

protected:
    afx_msg void OnDocOnly() { g_handled.push_back(L"document"); }
    afx_msg void OnDocAndFrame() { g_handled.push_back(L"document"); }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CTestDoc, CDocument)
BEGIN_MESSAGE_MAP(CTestDoc, CDocument)
ON_COMMAND(ID_DOC_ONLY, &CTestDoc::OnDocOnly)
ON_COMMAND(ID_DOC_AND_FRAME, &CTestDoc::OnDocAndFrame)
END_MESSAGE_MAP()

// A drawing 300 pixels wide and 100,000 tall.
const SIZE kTotal = {300, 100000};

class CTestView : public CScrollView {
    DECLARE_DYNCREATE(CTestView)
public:
    ~CTestView() override { ++g_life.viewsDeleted; }
    void OnInitialUpdate() override {
        ++g_life.initialUpdates;
        CScrollView::OnInitialUpdate();
        SetScrollSizes(MM_TEXT, kTotal);
    }
    void OnDraw(CDC*) override {}
    // A thumb being dragged reports this position (no native thumb moves in
    // a test); 0 means the base class's answer.
    int trackPos = 0;
    CPoint ViewportOrigin() {
        CClientDC dc(this);
        OnPrepareDC(&dc);
        return dc.GetViewportOrg();
    }

protected:
    int GetThumbTrackPos(int nBar, UINT nPos16) override {
        return trackPos ? trackPos : CScrollView::GetThumbTrackPos(nBar, nPos16);
    }
    afx_msg int OnCreate(LPCREATESTRUCT lpcs) {
        int result = CScrollView::OnCreate(lpcs);
        g_life.docSeenAtCreate = GetDocument();
        return result;
    }
    afx_msg void OnViewOnly() { g_handled.push_back(L"view"); }
    afx_msg void OnViewAndFrame() { g_handled.push_back(L"view"); }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CTestView, CScrollView)
BEGIN_MESSAGE_MAP(CTestView, CScrollView)
ON_WM_CREATE()
ON_COMMAND(ID_VIEW_ONLY, &CTestView::OnViewOnly)
ON_COMMAND(ID_VIEW_AND_FRAME, &CTestView::OnViewAndFrame)
END_MESSAGE_MAP()

class CTestFrame : public CFrameWnd {
    DECLARE_DYNCREATE(CTestFrame)
public:
    ~CTestFrame() override { ++g_life.framesDeleted; }

protected:
    afx_msg void OnFrameOnly() { g_handled.push_back(L"frame"); }
    afx_msg void OnViewAndFrame() { g_handled.push_back(L"frame"); }
    afx_msg void OnDocAndFrame() { g_handled.push_back(L"frame"); }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CTestFrame, CFrameWnd)
BEGIN_MESSAGE_MAP(CTestFrame, CFrameWnd)
ON_COMMAND(ID_FRAME_ONLY, &CTestFrame::OnFrameOnly)
ON_COMMAND(ID_VIEW_AND_FRAME, &CTestFrame::OnViewAndFrame)
ON_COMMAND(ID_DOC_AND_FRAME, &CTestFrame::OnDocAndFrame)
END_MESSAGE_MAP()

class DocViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_life = Lifecycle();
        g_handled.clear();
        windowBase = AfxGetLiveWindowCount();
        docTemplate = new CSingleDocTemplate(IDR_DOCVIEW, RUNTIME_CLASS(CTestDoc), RUNTIME_CLASS(CTestFrame),
                                             RUNTIME_CLASS(CTestView));
        mainBefore = AfxGetApp()->m_pMainWnd;
        doc = docTemplate->OpenDocumentFile(nullptr);
        ASSERT_NE(nullptr, doc);
        POSITION pos = doc->GetFirstViewPosition();
        view = dynamic_cast<CTestView*>(doc->GetNextView(pos));
        ASSERT_NE(nullptr, view);
        frame = view->GetParentFrame();
        ASSERT_NE(nullptr, frame);
        // The test program's loop must not end when the frame goes.
        if (AfxGetApp()->m_pMainWnd == frame)
            AfxGetApp()->m_pMainWnd = mainBefore;
        frame->SetWindowPos(nullptr, 20, 20, 400, 300, SWP_NOZORDER);
        PumpUntilIdle();
    }
    void TearDown() override {
        AppCommandHook() = nullptr;
        delete docTemplate; // closes the document, its frame and view
        PumpUntilIdle();
        EXPECT_EQ(windowBase, AfxGetLiveWindowCount());
    }
    void Command(UINT id) { frame->SendMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0); }

    LONG windowBase = 0;
    CWnd* mainBefore = nullptr;
    CSingleDocTemplate* docTemplate = nullptr;
    CDocument* doc = nullptr;
    CTestView* view = nullptr;
    CFrameWnd* frame = nullptr;
};

TEST_F(DocViewTest, TemplateJoinsDocumentFrameAndView) {
    EXPECT_EQ(doc, view->GetDocument());
    EXPECT_EQ(doc, g_life.docSeenAtCreate) << "the view joins its document while it is created";
    EXPECT_EQ(view, frame->GetActiveView());
    EXPECT_EQ(doc, frame->GetActiveDocument());
    EXPECT_EQ(docTemplate, doc->GetDocTemplate());
    EXPECT_EQ(1, g_life.newDocument);
    EXPECT_EQ(1, g_life.initialUpdates);
    EXPECT_EQ(AFX_IDW_PANE_FIRST, view->GetDlgCtrlID());
    EXPECT_TRUE(frame->IsWindowVisible());
    CString title;
    frame->GetWindowText(title);
    EXPECT_STREQ(L"Untitled - Doc view test", (LPCTSTR)title);
    // The view fills the frame's client area.
    CRect client, viewRect;
    frame->GetClientRect(&client);
    view->GetWindowRect(&viewRect);
    EXPECT_EQ(client.Size(), viewRect.Size());
}

TEST_F(DocViewTest, SingleDocumentTemplateReusesDocumentAndFrame) {
    CDocument* again = docTemplate->OpenDocumentFile(nullptr);
    EXPECT_EQ(doc, again);
    POSITION pos = doc->GetFirstViewPosition();
    EXPECT_EQ(view, doc->GetNextView(pos));
    EXPECT_EQ(nullptr, pos) << "one view";
    EXPECT_EQ(2, g_life.newDocument);
    EXPECT_EQ(2, g_life.initialUpdates);
    EXPECT_EQ(0, g_life.framesDeleted);
}

TEST_F(DocViewTest, CommandsGoViewDocumentFrameApplication) {
    AppCommandHook() = [](UINT id) {
        if (id != ID_APP_ONLY && id != ID_DOC_AND_FRAME)
            return false;
        g_handled.push_back(L"application");
        return true;
    };
    struct Case {
        UINT id;
        const wchar_t* handler; // nullptr: nobody
    } cases[] = {
        {ID_VIEW_ONLY, L"view"},          {ID_DOC_ONLY, L"document"},
        {ID_FRAME_ONLY, L"frame"},        {ID_APP_ONLY, L"application"},
        {ID_VIEW_AND_FRAME, L"view"},     {ID_DOC_AND_FRAME, L"document"},
        {ID_NOBODY, nullptr},
    };
    for (const Case& c : cases) {
        g_handled.clear();
        Command(c.id);
        if (!c.handler) {
            EXPECT_TRUE(g_handled.empty()) << c.id;
            continue;
        }
        ASSERT_EQ(1u, g_handled.size()) << c.id;
        EXPECT_EQ(c.handler, g_handled[0]) << c.id;
    }
}

TEST_F(DocViewTest, ClosingTheFrameClosesTheDocument) {
    frame->SendMessage(WM_CLOSE);
    PumpUntilIdle();
    EXPECT_EQ(1, g_life.documentsDeleted);
    EXPECT_EQ(1, g_life.viewsDeleted);
    EXPECT_EQ(1, g_life.framesDeleted);
    EXPECT_EQ(nullptr, docTemplate->GetFirstDocPosition());
}

TEST_F(DocViewTest, ScrollViewReachesEveryPixelOfATallDocument) {
    CRect client;
    view->GetClientRect(&client);
    ASSERT_GT(client.Height(), 0);
    EXPECT_EQ(CSize(kTotal), view->GetTotalSize());
    EXPECT_TRUE(view->GetStyle() & WS_VSCROLL);
    EXPECT_FALSE(view->GetStyle() & WS_HSCROLL) << "300 pixels fit across";
    const int bottom = kTotal.cy - client.Height();

    struct Step {
        UINT code;
        int trackPos;
        int expectedY;
    } steps[] = {
        {SB_PAGEDOWN, 0, 10000},     // a page is a tenth of the whole
        {SB_LINEDOWN, 0, 11000},     // a line a tenth of a page
        {SB_LINEUP, 0, 10000},       //
        {SB_BOTTOM, 0, bottom},      // beyond 16 bits
        {SB_PAGEDOWN, 0, bottom},    // held at the end
        {SB_THUMBTRACK, 70000, 70000}, // a 32-bit thumb position
        {SB_THUMBPOSITION, 65537, 65537},
        {SB_TOP, 0, 0},
        {SB_PAGEUP, 0, 0},
    };
    for (const Step& s : steps) {
        view->trackPos = s.trackPos;
        view->SendMessage(WM_VSCROLL, MAKEWPARAM(s.code, s.trackPos & 0xFFFF), 0);
        EXPECT_EQ(s.expectedY, view->GetScrollPosition().y) << "code " << s.code;
        EXPECT_EQ(CPoint(0, -s.expectedY), view->ViewportOrigin()) << "code " << s.code;
    }
}

TEST_F(DocViewTest, ScrollViewWheelScrollsLines) {
    UINT lines = 3;
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    ASSERT_NE(WHEEL_PAGESCROLL, lines);
    view->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)(short)-WHEEL_DELTA), 0);
    EXPECT_EQ((int)lines * 1000, view->GetScrollPosition().y);
    view->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    EXPECT_EQ(0, view->GetScrollPosition().y);
}

TEST_F(DocViewTest, ScrollViewKeepsThePositionWithinANewSize) {
    view->SendMessage(WM_VSCROLL, MAKEWPARAM(SB_BOTTOM, 0), 0);
    view->SetScrollSizes(MM_TEXT, CSize(300, 1000));
    CRect client;
    view->GetClientRect(&client);
    EXPECT_EQ(1000 - client.Height(), view->GetScrollPosition().y);
}

/////////////////////////////////////////////////////////////////////////////
// Rich edit in dialogs

class RichEditDialog : public CDialog {
public:
    explicit RichEditDialog(UINT id) : CDialog(id) {}
    CRichEditCtrl rich;
    bool ended = false;

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, IDC_RICH, rich); }
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        if (ended)
            EndDialog(IDOK);
        return TRUE;
    }
};

TEST(RichEditDialogTest, DialogsHoldingARichEditOpen) {
    struct Case {
        UINT templateId;
        const wchar_t* className;
    } cases[] = {{IDD_RICHEDIT_EX, L"RichEdit20W"}, {IDD_RICHEDIT_PLAIN, L"RICHEDIT50W"}};
    for (const Case& c : cases) {
        RichEditDialog dlg(c.templateId);
        ASSERT_TRUE(dlg.Create(c.templateId)) << c.className;
        ASSERT_NE(nullptr, dlg.rich.GetSafeHwnd());
        WCHAR name[64] = L"";
        GetClassNameW(dlg.rich.GetSafeHwnd(), name, 64);
        EXPECT_EQ(0, lstrcmpiW(c.className, name));
        dlg.rich.SetWindowText(L"one\r\ntwo");
        EXPECT_EQ(2, dlg.rich.GetLineCount()) << c.className;
        EXPECT_TRUE(IsWindow(GetDlgItem(dlg.GetSafeHwnd(), IDC_RICH_LABEL)));
        dlg.DestroyWindow();
        PumpUntilIdle();
    }
    // Modal, from the same kind of template: the dialog starts and ends
    // with its own code instead of failing with -1.
    RichEditDialog modal(IDD_RICHEDIT_EX);
    modal.ended = true;
    EXPECT_EQ(IDOK, modal.DoModal());
}

TEST(RichEditCtrlTest, WrapperDrivesTheControl) {
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, L"parent", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr));
    CRichEditCtrl rich;
    ASSERT_TRUE(rich.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE, CRect(0, 0, 200, 100), &parent, 7));
    rich.SetWindowText(L"alpha beta\r\ngamma");
    EXPECT_EQ(2, rich.GetLineCount());
    EXPECT_EQ(16, rich.GetTextLength()) << "the line break counts as one character";
    rich.SetSel(6, 10);
    EXPECT_STREQ(L"beta", (LPCTSTR)rich.GetSelText());
    long start = -1, end = -1;
    rich.GetSel(start, end);
    EXPECT_EQ(6, start);
    EXPECT_EQ(10, end);
    rich.ReplaceSel(L"delta");
    rich.SetSel(0, -1);
    EXPECT_STREQ(L"alpha delta\rgamma", (LPCTSTR)rich.GetSelText());
    EXPECT_EQ(1, rich.LineFromChar(13));

    CHARFORMAT cf = {};
    cf.dwMask = CFM_COLOR;
    cf.crTextColor = RGB(6, 45, 117);
    EXPECT_TRUE(rich.SetDefaultCharFormat(cf));
    CHARFORMAT back = {};
    rich.GetDefaultCharFormat(back);
    EXPECT_EQ(RGB(6, 45, 117), back.crTextColor);
    rich.SetBackgroundColor(FALSE, RGB(250, 250, 250));
    EXPECT_EQ(RGB(250, 250, 250), rich.SetBackgroundColor(FALSE, RGB(1, 2, 3))) << "the old colour comes back";
    EXPECT_TRUE(rich.SetReadOnly(TRUE));
    EXPECT_TRUE(rich.GetStyle() & ES_READONLY);
    parent.DestroyWindow();
    PumpUntilIdle();
}

TEST(TreeCtrlTest, WrapperBuildsWalksAndHitTestsATree) {
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, L"parent", WS_POPUP | WS_VISIBLE, 0, 0, 300, 300, nullptr, nullptr));
    AfxLockTempMaps();
    CTreeCtrl tree;
    ASSERT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT,
                            CRect(0, 0, 280, 280), &parent, 9));
    HTREEITEM root = tree.InsertItem(L"Videos");
    CString longText(L'v', 700); // longer than a first guess at the buffer
    HTREEITEM first = tree.InsertItem(longText, root);
    HTREEITEM second = tree.InsertItem(L"holiday.mov", 2, 3, root);
    HTREEITEM other = tree.InsertItem(L"Music");
    ASSERT_TRUE(root && first && second && other);
    EXPECT_EQ(4u, tree.GetCount());
    EXPECT_EQ(root, tree.GetRootItem());
    EXPECT_EQ(first, tree.GetChildItem(root));
    EXPECT_EQ(second, tree.GetNextSiblingItem(first));
    EXPECT_EQ(first, tree.GetPrevSiblingItem(second));
    EXPECT_EQ(root, tree.GetParentItem(second));
    EXPECT_EQ(other, tree.GetNextSiblingItem(root));
    EXPECT_TRUE(tree.ItemHasChildren(root));
    EXPECT_FALSE(tree.ItemHasChildren(other));
    EXPECT_EQ(longText, tree.GetItemText(first));
    int image = -1, selectedImage = -1;
    EXPECT_TRUE(tree.GetItemImage(second, image, selectedImage));
    EXPECT_EQ(2, image);
    EXPECT_EQ(3, selectedImage);
    EXPECT_TRUE(tree.SetItemData(second, 4711));
    EXPECT_EQ(4711u, tree.GetItemData(second));
    EXPECT_TRUE(tree.SetItemText(second, L"trip.avi"));
    EXPECT_STREQ(L"trip.avi", (LPCTSTR)tree.GetItemText(second));

    CRect rect;
    EXPECT_FALSE(tree.GetItemRect(second, &rect, TRUE)) << "a collapsed child has no rectangle";
    EXPECT_TRUE(tree.Expand(root, TVE_EXPAND));
    EXPECT_TRUE(tree.GetItemState(root, TVIS_EXPANDED) & TVIS_EXPANDED);
    ASSERT_TRUE(tree.GetItemRect(second, &rect, TRUE));
    UINT flags = 0;
    EXPECT_EQ(second, tree.HitTest(rect.CenterPoint(), &flags));
    EXPECT_TRUE(flags & TVHT_ONITEMLABEL);
    EXPECT_EQ(second, tree.GetNextVisibleItem(first));
    EXPECT_TRUE(tree.SelectItem(second));
    EXPECT_EQ(second, tree.GetSelectedItem());

    tree.SetBkColor(RGB(250, 250, 250));
    EXPECT_EQ(RGB(250, 250, 250), tree.GetBkColor());
    tree.SetTextColor(RGB(6, 45, 117));
    EXPECT_EQ(RGB(6, 45, 117), tree.GetTextColor());
    tree.SetLineColor(RGB(104, 128, 184));
    EXPECT_EQ(RGB(104, 128, 184), tree.GetLineColor());

    EXPECT_TRUE(tree.DeleteItem(root));
    EXPECT_EQ(1u, tree.GetCount());
    EXPECT_TRUE(tree.DeleteAllItems());
    EXPECT_EQ(0u, tree.GetCount());
    AfxUnlockTempMaps();
    parent.DestroyWindow();
    PumpUntilIdle();
}

} // namespace
