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

// A window class local to this DLL, as a skin library may register its own.
static LRESULT CALLBACK ExtensionClassProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_APP + 50)
        return 4242;
    return DefWindowProcW(hWnd, msg, wParam, lParam);
}

extern "C" __declspec(dllexport) LPCWSTR FwTestExtensionRegisterClass() {
    WNDCLASSW wc = {};
    wc.lpfnWndProc = ExtensionClassProc;
    wc.hInstance = extensionModule.hModule;
    wc.lpszClassName = L"FwTestExtensionLocalClass";
    RegisterClassW(&wc);
    return wc.lpszClassName;
}
