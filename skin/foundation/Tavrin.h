// Tavrin: skinned Win32 controls. Include this header to use the library.
#pragma once

#include "SkinFoundation.h"
#include "SkinDrawing.h"
#include "SkinLook.h"
#include "SkinWindow.h"
#include "SkinControl.h"
#include "SkinToolTipHost.h"
#include "SkinScrollHost.h"
#include "NeloDialog.h"

#include "NeloButton.h"
#include "NeloProgressCtrl.h"
#include "NeloStatic.h"
#include "NeloToolTipCtrl.h"

#include "NeloScrollBar.h"
#include "NeloEdit.h"
#include "NeloRichEditCtrl.h"
#include "NeloSpinButtonCtrl.h"
#include "NeloMenu.h"
#include "NeloMenuPopupWnd.h"
#include "NeloSliderCtrl.h"
#include "NeloScrollView.h"
#include "NeloTreeCtrl.h"
#include "ScrollBarHost.h"
