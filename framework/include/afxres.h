/* Resource script constants of the framework (for .rc files and C++). */
#ifndef AFXRES_H_INCLUDED
#define AFXRES_H_INCLUDED
#ifdef RC_INVOKED
#include <winresrc.h>
#else
#include <windows.h>
#endif
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
#define ID_FILE_NEW 0xE100
#define ID_FILE_OPEN 0xE101
#define ID_FILE_CLOSE 0xE102
#define AFX_IDW_PANE_FIRST 0xE900
#define AFX_IDW_PANE_LAST 0xE9FF
#define ID_APP_ABOUT 0xE140
#define ID_APP_EXIT 0xE141
#define ID_HELP 0xE146
#define AFX_IDS_APP_TITLE 0xE000
#endif
