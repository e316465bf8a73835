// Automation support: only what dialog-based programs call at start-up.
#pragma once
#include "afxwin.h"
