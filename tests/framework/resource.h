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

// Resources of the test extension DLL
#define IDD_EXTENSION 400
#define IDS_EXTENSION_TEXT 300
#define IDB_EXTENSION 401
#define IDM_EXTENSION 402
