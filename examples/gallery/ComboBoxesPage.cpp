#include "ComboBoxesPage.h"

#include "combos_page_ids.h"

#include <commctrl.h>

#include <string>
#include <vector>

namespace {

// The targets' pictures in the catalogue's name order.
const UINT kTargetPictures[] = {IDB_CB_TARGET_AVI,     IDB_CB_TARGET_ANDROID,      IDB_CB_TARGET_BLACKBERRY,
                                IDB_CB_TARGET_DVD,     IDB_CB_TARGET_FLV,          IDB_CB_TARGET_IPHONE,
                                IDB_CB_TARGET_IPOD,    IDB_CB_TARGET_MOBILE_PHONE, IDB_CB_TARGET_PSP,
                                IDB_CB_TARGET_XBOX360, IDB_CB_TARGET_ZUNE};

// A 16 x 16 picture: a coloured disc on white, white being transparent.
void AddDisc(CImageList& images, COLORREF fill) {
    HDC screen = ::GetDC(nullptr);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 16, 16);
    HDC dc = ::CreateCompatibleDC(screen);
    HGDIOBJ oldBitmap = ::SelectObject(dc, bitmap);
    const RECT all{0, 0, 16, 16};
    HBRUSH white = ::CreateSolidBrush(RGB(255, 255, 255));
    ::FillRect(dc, &all, white);
    ::DeleteObject(white);
    HBRUSH brush = ::CreateSolidBrush(fill);
    HGDIOBJ oldBrush = ::SelectObject(dc, brush);
    HGDIOBJ oldPen = ::SelectObject(dc, ::GetStockObject(NULL_PEN));
    ::Ellipse(dc, 2, 2, 15, 15);
    ::SelectObject(dc, oldPen);
    ::SelectObject(dc, oldBrush);
    ::DeleteObject(brush);
    ::SelectObject(dc, oldBitmap);
    ::DeleteDC(dc);
    ::ReleaseDC(nullptr, screen);
    ImageList_AddMasked(images.GetSafeHandle(), bitmap, RGB(255, 255, 255));
    ::DeleteObject(bitmap);
}

void Fill(Tavrin::NeloComboBox& combo, const std::vector<std::wstring>& items, int selection) {
    combo.ResetContent();
    for (const std::wstring& item : items)
        combo.AddString(item.c_str());
    combo.SetCurSel(selection);
}

const std::vector<std::wstring> kFruit = {L"Apple", L"Banana", L"Cherry", L"Date", L"Elderberry",
                                          L"Fig", L"Grape", L"Kiwi", L"Lemon", L"Mango"};

} // namespace

BEGIN_MESSAGE_MAP(ComboBoxesPage, CDialog)
ON_WM_ERASEBKGND()
ON_WM_CTLCOLOR()
ON_CBN_SELCHANGE(IDC_CB_TARGET, &ComboBoxesPage::OnTargetChanged)
END_MESSAGE_MAP()

ComboBoxesPage::ComboBoxesPage() : CDialog(IDD_COMBOS_PAGE), m_background(RGB(250, 250, 250)) {}

BOOL ComboBoxesPage::CreatePage(CWnd* gallery, CPoint origin, COLORREF background) {
    m_background = background;
    if (!Create(IDD_COMBOS_PAGE, gallery))
        return FALSE;
    SetWindowPos(nullptr, origin.x, origin.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}

void ComboBoxesPage::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CB_GROUP_KINDS, m_kindsGroup);
    DDX_Control(pDX, IDC_CB_GROUP_CONVERTER, m_converterGroup);
    DDX_Control(pDX, IDC_CB_LIST_IMAGES, m_listImages);
    DDX_Control(pDX, IDC_CB_LIST_PLAIN, m_listPlain);
    DDX_Control(pDX, IDC_CB_EDIT_IMAGES, m_editImages);
    DDX_Control(pDX, IDC_CB_EDIT_PLAIN, m_editPlain);
    DDX_Control(pDX, IDC_CB_SIMPLE, m_simple);
    DDX_Control(pDX, IDC_CB_LIST_DISABLED, m_listDisabled);
    DDX_Control(pDX, IDC_CB_EDIT_DISABLED, m_editDisabled);
    DDX_Control(pDX, IDC_CB_TARGET, m_target);
    DDX_Control(pDX, IDC_CB_SIZE, m_size);
    DDX_Control(pDX, IDC_CB_QUALITY, m_quality);
}

BOOL ComboBoxesPage::OnInitDialog() {
    CDialog::OnInitDialog();
    m_shapes.Create(16, 16, ILC_COLOR24 | ILC_MASK, 4, 1);
    for (COLORREF colour : {RGB(220, 60, 60), RGB(240, 190, 50), RGB(60, 170, 90), RGB(60, 110, 200)})
        AddDisc(m_shapes, colour);

    for (Tavrin::NeloComboBox* combo : {&m_listImages, &m_listPlain, &m_editImages, &m_editPlain, &m_simple,
                                        &m_listDisabled, &m_editDisabled})
        Fill(*combo, kFruit, 2);
    for (Tavrin::NeloComboBox* combo : {&m_listImages, &m_editImages, &m_listDisabled, &m_editDisabled}) {
        combo->SetImageList(&m_shapes);
        for (int i = 0; i < combo->GetCount(); ++i)
            combo->SetItemImage(i, i % 4);
    }

    // The converter's choosers, as its main window fills them.
    m_catalogue.Fill();
    m_targets.Create(16, 16, ILC_COLOR32 | ILC_MASK, 0, 7);
    for (UINT id : kTargetPictures) {
        HBITMAP picture = static_cast<HBITMAP>(
            ::LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        if (picture) {
            ImageList_AddMasked(m_targets.GetSafeHandle(), picture, RGB(255, 255, 255));
            ::DeleteObject(picture);
        }
    }
    m_target.SetImageList(&m_targets);
    std::vector<std::wstring> names;
    m_catalogue.GetNames(names);
    for (size_t i = 0; i < names.size(); ++i) {
        m_target.AddString(names[i].c_str());
        m_target.SetItemImage(static_cast<int>(i), static_cast<int>(i));
    }
    m_target.SetCurSel(0);
    RefillSizeAndQuality();
    return TRUE;
}

void ComboBoxesPage::RefillSizeAndQuality() {
    CString target;
    m_target.GetWindowText(target);
    const std::wstring name(target.GetString());
    std::vector<std::wstring> sizes, qualities;
    m_catalogue.GetSizes(name, sizes);
    m_catalogue.GetQualities(name, qualities);
    Fill(m_size, sizes, 0);
    int quality = 0;
    const std::wstring preferred = m_catalogue.GetDefaultQuality(name);
    for (size_t i = 0; i < qualities.size(); ++i)
        if (qualities[i] == preferred)
            quality = static_cast<int>(i);
    Fill(m_quality, qualities, quality);
}

void ComboBoxesPage::OnTargetChanged() {
    RefillSizeAndQuality();
}

void ComboBoxesPage::FocusSample() {
    m_listImages.SetFocus();
}

BOOL ComboBoxesPage::OnEraseBkgnd(CDC* pDC) {
    CRect client;
    GetClientRect(&client);
    pDC->FillSolidRect(&client, m_background);
    return TRUE;
}

HBRUSH ComboBoxesPage::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    if (nCtlColor == CTLCOLOR_STATIC || nCtlColor == CTLCOLOR_BTN) {
        pDC->SetBkMode(TRANSPARENT);
        return Tavrin::SkinResourceCache::GetSolidBrush(m_background);
    }
    return CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
}
