// Common controls of the framework: image lists, list view, header,
// progress bar, slider, up-down controls, tooltips, tabs, tree view and rich
// edit, one header per family. Programs include this one, as with MFC.
#pragma once

#include "afxwin.h"
#include <commctrl.h>

#include "afximagelist_.h"
#include "afxlistctrl_.h"
#include "afxprogressctrl_.h"
#include "afxspinbuttonctrl_.h"
#include "afxtooltipctrl_.h"
#include "afxsliderctrl_.h"
#include "afxtabctrl_.h"
#include "afxtreectrl_.h"
#include "afxrichedit_.h"
