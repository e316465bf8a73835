// The Tavrin control gallery: every skinned control of the library in each of
// its states, in one skinned dialog.
#include <Tavrin.h>

#include "ButtonsPage.h"
#include "resource.h"

using Tavrin::NeloDialog;

namespace {

// The gallery's frames: unskinned statics and group boxes sit on the
// dialog's own background.
class GalleryFrame : public NeloDialog {
public:
    explicit GalleryFrame(UINT id) : NeloDialog(id) {}

protected:
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
        if (nCtlColor == CTLCOLOR_STATIC || nCtlColor == CTLCOLOR_BTN) {
            Tavrin::_DialogColorInfo colours;
            GetDialogColorInfo(colours);
            pDC->SetBkMode(TRANSPARENT);
            return Tavrin::SkinResourceCache::GetSolidBrush(colours.crBackground);
        }
        return NeloDialog::OnCtlColor(pDC, pWnd, nCtlColor);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(GalleryFrame, NeloDialog)
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

// A modeless frame beside the gallery that shows the inactive look.
class SampleFrame : public GalleryFrame {
public:
    SampleFrame() : GalleryFrame(IDD_SAMPLE_FRAME) {}
};

class GalleryDialog : public GalleryFrame {
public:
    GalleryDialog() : GalleryFrame(IDD_GALLERY) {}

protected:
    BOOL OnInitDialog() override {
        GalleryFrame::OnInitDialog();
        HICON icon = ::LoadIconW(nullptr, IDI_APPLICATION);
        SetIcon(icon, TRUE);
        SetIcon(icon, FALSE);

        if (m_sample.Create(IDD_SAMPLE_FRAME, this)) {
            CRect mine;
            GetWindowRect(&mine);
            m_sample.SetWindowPos(nullptr, mine.right + 20, mine.top, 0, 0,
                                  SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            m_sample.CWnd::ShowWindow(SW_SHOWNOACTIVATE);
        }

        // Push buttons, statics, group boxes, progress bars and tooltips.
        if (CWnd* area = GetDlgItem(IDC_BUTTONS_AREA)) {
            CRect at;
            area->GetWindowRect(&at);
            ScreenToClient(&at);
            Tavrin::_DialogColorInfo colours;
            GetDialogColorInfo(colours);
            if (m_buttonsPage.CreatePage(this, at.TopLeft(), colours.crBackground)) {
                m_buttonsPage.FocusSample();
                return FALSE; // the focus is placed
            }
        }
        return TRUE;
    }

    void OnOK() override {
        if (m_sample.GetSafeHwnd())
            m_sample.DestroyWindow();
        GalleryFrame::OnOK();
    }
    void OnCancel() override {
        if (m_sample.GetSafeHwnd())
            m_sample.DestroyWindow();
        GalleryFrame::OnCancel();
    }

private:
    SampleFrame m_sample;
    ButtonsPage m_buttonsPage;
};

class GalleryApp : public CWinApp {
public:
    BOOL InitInstance() override {
        GalleryDialog dialog;
        m_pMainWnd = &dialog;
        dialog.DoModal(1, 100);
        m_pMainWnd = nullptr;
        return FALSE; // no message loop after the dialog
    }
};

GalleryApp theApp;

} // namespace
