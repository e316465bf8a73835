// The application object: creates the process-wide objects in a fixed order,
// runs the main window as a modal dialog (the program's only GUI loop) and
// tears everything down when it closes.
#pragma once

#include <afxwin.h>

class ConverterApp : public CWinApp {
public:
    ConverterApp();

    BOOL InitInstance() override;

private:
    bool CreateProcessObjects();
    void DestroyProcessObjects();
};
