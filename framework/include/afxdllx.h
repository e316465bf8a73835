// Included once by an extension DLL's source that holds its DllMain, which
// calls AfxInitExtensionModule and creates a CDynLinkLibrary on attach, and
// calls AfxTermExtensionModule on detach.
#pragma once
#include "afxwin.h"
