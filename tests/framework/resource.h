// Resource ids of the framework tests.
#pragma once
#define IDD_TEST 100
#define IDD_SMALL 101
#define IDS_PROGRAM_TEXT 200
#define IDC_OWNERDRAW 1001
#define IDC_LABEL 1002
#define IDC_EDIT 1003
#define IDC_COMBO 1004
#define IDC_LIST 1005
#define IDC_PUSH 1006
#define IDC_PROGRESS 1007
#define IDC_PLAIN_LABEL 1008
#define IDC_NUMBER 1009
#define IDC_MENU_ITEM 5000
#define IDD_OPTIONS 102
#define IDS_FORMAT 201
#define IDC_CHECK 1010
#define IDC_RADIO1 1011
#define IDC_RADIO2 1012
#define IDC_RADIO3 1013
#define IDC_NAME 1014
#define IDC_AFTER_RADIOS 1015
#define IDD_UPDOWN 103
#define IDD_ROUTING 104
#define IDD_TIMER_MODAL 105
#define IDC_BUDDY 1016
#define IDC_SPIN 1017
#define IDC_OD_LIST 1018
#define IDC_OD_COMBO 1019
#define IDC_TRACK 1020
#define IDC_PLAIN_TRACK 1021
#define IDC_VSCROLL 1022
#define IDC_FINISH 1023

// Resources of the test extension DLL
#define IDD_EXTENSION 400
#define IDS_EXTENSION_TEXT 300
#define IDB_EXTENSION 401
#define IDM_EXTENSION 402

// Document/view and the rich edit and tree wrappers
#define IDD_RICHEDIT_EX 106
#define IDD_RICHEDIT_PLAIN 107
#define IDC_RICH 1024
#define IDC_RICH_LABEL 1025
#define IDR_DOCVIEW 202
#define ID_VIEW_ONLY 5100
#define ID_DOC_ONLY 5101
#define ID_FRAME_ONLY 5102
#define ID_APP_ONLY 5103
#define ID_VIEW_AND_FRAME 5104
#define ID_DOC_AND_FRAME 5105
#define ID_NOBODY 5106
