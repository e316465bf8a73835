#include "GalleryDialogPage.h"

#include <Tavrin.h>

BEGIN_MESSAGE_MAP(GalleryDialogPage, CDialog)
ON_WM_ERASEBKGND()
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

GalleryDialogPage::GalleryDialogPage(UINT templateId)
    : CDialog(templateId), m_background(RGB(250, 250, 250)), m_templateId(templateId) {}

BOOL GalleryDialogPage::CreatePage(CWnd* gallery, CPoint origin, COLORREF background) {
    m_background = background;
    if (!Create(m_templateId, gallery))
        return FALSE;
    SetWindowPos(nullptr, origin.x, origin.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}

BOOL GalleryDialogPage::OnEraseBkgnd(CDC* pDC) {
    CRect client;
    GetClientRect(&client);
    pDC->FillSolidRect(&client, m_background);
    return TRUE;
}

HBRUSH GalleryDialogPage::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    if (nCtlColor == CTLCOLOR_STATIC || nCtlColor == CTLCOLOR_BTN) {
        pDC->SetBkMode(TRANSPARENT);
        return Tavrin::SkinResourceCache::GetSolidBrush(m_background);
    }
    return CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
}
