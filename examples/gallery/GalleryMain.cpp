// The Tavrin control gallery: every skinned control of the library in each of
// its states, one family per page. "Gallery.exe /page NAME" opens the page
// of one family first (see GalleryPages.cpp for the names).
#include "GalleryDialog.h"

#include <shellapi.h>

namespace {

std::vector<CString> ProgramArguments() {
    std::vector<CString> arguments;
    int count = 0;
    LPWSTR* argv = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    for (int i = 1; argv && i < count; ++i)
        arguments.push_back(CString(argv[i]));
    if (argv)
        ::LocalFree(argv);
    return arguments;
}

class GalleryApp : public CWinApp {
public:
    BOOL InitInstance() override {
        const GalleryStart start = ParseGalleryArguments(ProgramArguments());
        // A page that cannot be opened is said so; the gallery opens on its
        // first page all the same.
        if (!start.problem.IsEmpty())
            AfxMessageBox(start.problem, MB_OK | MB_ICONINFORMATION);
        GalleryDialog dialog(start.page);
        m_pMainWnd = &dialog;
        dialog.DoModal(1, 100);
        m_pMainWnd = nullptr;
        return FALSE; // no message loop after the dialog
    }
};

GalleryApp theApp;

} // namespace
