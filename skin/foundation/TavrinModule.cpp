// Load and unload of the library.
#include "SkinFoundation.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        DisableThreadLibraryCalls(instance);
        // Every control of every module agrees on these identifiers before
        // the first control exists.
        Tavrin::RegisterSkinMessages();
    }
    return TRUE;
}
