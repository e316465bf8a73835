// Load and unload of the library: Tavrin is an extension module of the
// framework, so its resources and classes join the application's chain.
#include "SkinFoundation.h"

#include <afxdllx.h>

namespace {
AFX_EXTENSION_MODULE tavrinModule = {};
}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        if (!AfxInitExtensionModule(tavrinModule, instance))
            return FALSE;
        // The chain owns this object; AfxTermExtensionModule deletes it.
        new CDynLinkLibrary(tavrinModule);
        // Every control of every module agrees on these identifiers before
        // the first control exists.
        Tavrin::RegisterSkinMessages();
    } else if (reason == DLL_PROCESS_DETACH) {
        AfxTermExtensionModule(tavrinModule);
    }
    return TRUE;
}
