// A gallery page made from a dialog template: created at its place in the
// page area, painted on the gallery's background colour (its statics and
// buttons too), and never ended by Enter or Escape.
#pragma once

#include <afxwin.h>

#include "GalleryPages.h"

class GalleryDialogPage : public CDialog, public GalleryPage {
public:
    explicit GalleryDialogPage(UINT templateId);

    BOOL CreatePage(CWnd* gallery, CPoint origin, COLORREF background) override;
    CWnd* Window() override { return this; }

protected:
    void OnOK() override {}
    void OnCancel() override {}
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    DECLARE_MESSAGE_MAP()

    COLORREF m_background;

private:
    UINT m_templateId;
};
