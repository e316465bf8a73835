// A whole framework program: the framework's WinMain runs the application
// object, which shows a dialog modally and ends with the dialog's code.
#include <afxwin.h>
#include <afxsock.h>

#include "resource.h"

namespace {

class CProgramDialog : public CDialog {
public:
    CProgramDialog() : CDialog(IDD_SMALL) {}
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        // The command line asks for the end code.
        EndDialog(_wtoi(AfxGetApp()->m_lpCmdLine));
        return TRUE;
    }
};

class CProgramApp : public CWinApp {
public:
    int m_result = 0;
    BOOL InitInstance() override {
        if (!AfxSocketInit())
            return FALSE;
        AfxEnableControlContainer();
        CProgramDialog dlg;
        m_pMainWnd = &dlg;
        m_result = (int)dlg.DoModal();
        return FALSE;
    }
    int ExitInstance() override { return m_result + 1000; }
};

CProgramApp theApp;

} // namespace
