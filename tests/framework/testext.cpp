// A small extension DLL of the framework: it joins the resource chain when
// loaded, as the skin library does.
#include <afxwin.h>
#include <afxdllx.h>

static AFX_EXTENSION_MODULE extensionModule = {};

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID) {
    if (dwReason == DLL_PROCESS_ATTACH) {
        if (!AfxInitExtensionModule(extensionModule, hInstance))
            return FALSE;
        new CDynLinkLibrary(extensionModule);
    } else if (dwReason == DLL_PROCESS_DETACH) {
        AfxTermExtensionModule(extensionModule);
    }
    return TRUE;
}

// The tests take the module out of the chain and put it back.
extern "C" __declspec(dllexport) HMODULE FwTestExtensionModule() {
    return extensionModule.hModule;
}

extern "C" __declspec(dllexport) void FwTestExtensionLeaveChain() {
    AfxTermExtensionModule(extensionModule);
}

extern "C" __declspec(dllexport) void FwTestExtensionJoinChain(HMODULE hModule) {
    AfxInitExtensionModule(extensionModule, hModule);
    new CDynLinkLibrary(extensionModule);
}
