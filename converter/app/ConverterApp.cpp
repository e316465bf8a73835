#include "ConverterApp.h"

#include "MainDialog.h"
#include "UiContext.h"
#include "resource.h"

#include <ConversionEngine.h>

#include <afxdisp.h>
#include <afxsock.h>

ConverterApp::ConverterApp() : CWinApp(L"Quorvex") {}

BOOL ConverterApp::InitInstance() {
    if (!AfxSocketInit()) {
        AfxMessageBox(IDP_SOCKETS_INIT_FAILED);
        return FALSE;
    }
    AfxEnableControlContainer();

    if (!CreateProcessObjects()) {
        DestroyProcessObjects();
        return FALSE;
    }
    Enable3dControls();

    {
        MainDialog dialog;
        m_pMainWnd = &dialog;
        dialog.DoModal(0, 100);
        m_pMainWnd = nullptr;
    }

    DestroyProcessObjects();
    // No message loop after the dialog: the program ends here.
    return FALSE;
}

bool ConverterApp::CreateProcessObjects() {
    try {
        ConversionEngine::Instance();
        if (!AppContext::Instance().Initialize())
            return false;
        UiContext::Instance().EnableShutdownPrivilege();
        return true;
    } catch (...) {
        return false;
    }
}

void ConverterApp::DestroyProcessObjects() {
    // The engine first: its destructor stops the batch and waits for both
    // workers, so no callback runs against the contexts destroyed after it.
    ConversionEngine::DestroyInstance();
    AppContext::DestroyInstance();
    UiContext::DestroyInstance();
}
