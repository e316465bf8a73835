#include "AboutDialog.h"

#include "AppColours.h"
#include "UiContext.h"
#include "resource.h"

AboutDialog::AboutDialog() : NeloDialog(IDD_ABOUTBOX) {}

void AboutDialog::DoDataExchange(CDataExchange* pDX) {
    NeloDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_STATIC_PICTURE, m_picture);
    DDX_Control(pDX, IDC_STATIC_VERSION, m_version);
}

BOOL AboutDialog::OnInitDialog() {
    NeloDialog::OnInitDialog();

    PaintLabelsOnWindowBackground({&m_version, &m_picture});

    if (UiContext* context = UiContext::Current())
        if (HBITMAP picture = context->Bitmaps().Get(IDB_ABOUT))
            m_picture.SetBitmap(picture, kTransparentColour);
    return TRUE;
}
