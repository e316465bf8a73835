// Extensions of the framework (MFC keeps its extended controls here).
#pragma once
#include "afxwin.h"
#include "afxdlgs.h"
