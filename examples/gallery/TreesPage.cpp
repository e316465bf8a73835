#include "TreesPage.h"

#include "trees_page_ids.h"

namespace {

// The document of the gallery's scroll view: a drawing of coloured bands.
class DrawingDocument : public CDocument {
    DECLARE_DYNCREATE(DrawingDocument)
};
IMPLEMENT_DYNCREATE(DrawingDocument, CDocument)

const CSize kDrawing(600, 3000);

class DrawingView : public Tavrin::NeloScrollView {
    DECLARE_DYNCREATE(DrawingView)
public:
    void OnInitialUpdate() override {
        NeloScrollView::OnInitialUpdate();
        SetScrollSizes(MM_TEXT, kDrawing, CSize(200, 200), CSize(20, 20));
    }
    void OnDraw(CDC* pDC) override {
        // Bands of 50 pixels with a diagonal line and their offsets written.
        for (int y = 0; y < kDrawing.cy; y += 50) {
            CRect band(0, y, kDrawing.cx, y + 50);
            pDC->FillSolidRect(&band, (y / 50) % 2 ? RGB(212, 226, 246) : RGB(246, 238, 212));
            CString label;
            label.Format(L"y = %d", y);
            pDC->SetBkMode(TRANSPARENT);
            pDC->TextOut(8, y + 16, label, label.GetLength());
        }
        pDC->MoveTo(0, 0);
        pDC->LineTo(kDrawing.cx, kDrawing.cy);
    }
};
IMPLEMENT_DYNCREATE(DrawingView, Tavrin::NeloScrollView)

// A 16 x 16 image: a coloured square with a darker edge.
void AddSquare(CImageList& images, COLORREF fill, COLORREF edge) {
    HDC screen = ::GetDC(nullptr);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 16, 16);
    HDC dc = ::CreateCompatibleDC(screen);
    HGDIOBJ old = ::SelectObject(dc, bitmap);
    RECT all{0, 0, 16, 16}, inner{2, 3, 14, 14};
    HBRUSH white = ::CreateSolidBrush(RGB(255, 255, 255));
    HBRUSH fillBrush = ::CreateSolidBrush(fill);
    HBRUSH edgeBrush = ::CreateSolidBrush(edge);
    ::FillRect(dc, &all, white);
    ::FillRect(dc, &inner, fillBrush);
    ::FrameRect(dc, &inner, edgeBrush);
    ::DeleteObject(white);
    ::DeleteObject(fillBrush);
    ::DeleteObject(edgeBrush);
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
    ::ReleaseDC(nullptr, screen);
    ImageList_AddMasked(images.GetSafeHandle(), bitmap, RGB(255, 255, 255));
    ::DeleteObject(bitmap);
}

} // namespace

TreesPage::TreesPage() : GalleryDialogPage(IDD_TREES_PAGE) {}

void TreesPage::DoDataExchange(CDataExchange* pDX) {
    GalleryDialogPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TR_GROUP_TREE, m_treeGroup);
    DDX_Control(pDX, IDC_TR_GROUP_VIEW, m_viewGroup);
    DDX_Control(pDX, IDC_TR_TREE, m_tree);
    DDX_Control(pDX, IDC_TR_TREE_DISABLED, m_disabledTree);
}

BOOL TreesPage::OnInitDialog() {
    GalleryDialogPage::OnInitDialog();
    m_images.Create(16, 16, ILC_COLOR24 | ILC_MASK, 3, 1);
    AddSquare(m_images, RGB(240, 190, 50), RGB(200, 150, 30));  // folder
    AddSquare(m_images, RGB(120, 170, 230), RGB(60, 110, 180)); // file
    AddSquare(m_images, RGB(0, 192, 232), RGB(0, 150, 189));    // selected
    for (Tavrin::NeloTreeCtrl* tree : {&m_tree, &m_disabledTree})
        tree->SetImageList(&m_images, TVSIL_NORMAL);
    FillTree(m_tree, 20, 15); // 320 items
    FillTree(m_disabledTree, 3, 4);
    MakeDocumentWindow();
    return TRUE;
}

void TreesPage::FillTree(Tavrin::NeloTreeCtrl& tree, int folders, int filesPerFolder) {
    for (int f = 0; f < folders; ++f) {
        CString name;
        name.Format(L"Folder %02d", f + 1);
        HTREEITEM folder = tree.InsertItem(name, 0, 2);
        for (int i = 0; i < filesPerFolder; ++i) {
            CString file;
            file.Format(i == 3 ? L"a long clip name that does not fit, number %02d.avi" : L"clip %02d.avi", i + 1);
            tree.InsertItem(file, 1, 2, folder);
        }
        // Every third branch open, the others closed.
        if (f % 3 == 0)
            tree.Expand(folder, TVE_EXPAND);
    }
    // The first file of the first (open) folder selected, the folder above
    // it in view.
    HTREEITEM first = tree.GetRootItem();
    tree.SelectItem(tree.GetChildItem(first));
    tree.SelectSetFirstVisible(first);
}

// A frame window holding a scroll view of a document, as a document template
// would make them, as a child of the page.
void TreesPage::MakeDocumentWindow() {
    CRect area(8, 160, 292, 240);
    MapDialogRect(&area);
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(DrawingView);
    context.m_pCurrentDoc = static_cast<CDocument*>(RUNTIME_CLASS(DrawingDocument)->CreateObject());
    CFrameWnd* frame = new CFrameWnd; // deleted with its window
    if (!frame->Create(nullptr, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, area, this, nullptr, 0, &context)) {
        delete context.m_pCurrentDoc;
        return;
    }
    frame->InitialUpdateFrame(context.m_pCurrentDoc, TRUE);
}

void TreesPage::FocusSample() {
    m_tree.SetFocus();
}
