// Identifiers of Quorvex's resources (res/Quorvex.rc), shared by the program
// and its tests.
#pragma once

// Dialogs
#define IDD_ABOUTBOX 100
#define IDD_QUORVEX_DIALOG 102
#define IDD_SETTINGS 145
#define IDD_SHUTDOWN_COUNTDOWN 146

// Strings
#define IDS_ABOUTBOX 101
#define IDP_SOCKETS_INIT_FAILED 103

// Icons and the menu
#define IDR_MAINFRAME 128
#define IDR_MAINMENU 131
#define IDI_OUTPUT_FOLDER 132

// Toolbar pictures (48 x 48 ones hold their picture in the lower-left 32 x 32)
#define IDB_ADD_FILES 134
#define IDB_CONVERT_DISABLED 135
#define IDB_CONVERT 136
#define IDB_REMOVE 138
#define IDB_SETTINGS 143
#define IDB_STOP 144
#define IDB_REMOVE_DISABLED 149
#define IDB_STOP_DISABLED 150

// "Convert to" pictures
#define IDB_TARGET_ANDROID 156
#define IDB_TARGET_IPOD 157
#define IDB_TARGET_PSP 158
#define IDB_TARGET_IPHONE 159
#define IDB_TARGET_BLACKBERRY 160
#define IDB_TARGET_DVD 161
#define IDB_TARGET_AVI 162
#define IDB_TARGET_MOBILE_PHONE 173
#define IDB_TARGET_XBOX360 174
#define IDB_TARGET_FLV 175
#define IDB_TARGET_ZUNE 176

// File list row states
#define IDB_ROW_CONVERTING 163
#define IDB_ROW_CONVERTED 164
#define IDB_ROW_WAITING 165

// The About box picture
#define IDB_ABOUT 166

// Main window controls
#define IDC_EDIT_OUTPUT 1001
#define IDC_COMBO_TARGET 1002
#define IDC_LIST_FILES 1004
#define IDC_PROGRESS_FILE 1005
#define IDC_BUTTON_ADD 1007
#define IDC_BUTTON_REMOVE 1008
#define IDC_BUTTON_CONVERT 1009
#define IDC_GROUP_PROFILE 1010
#define IDC_BUTTON_STOP 1012
#define IDC_COMBO_QUALITY 1015
#define IDC_STATIC_CONVERT_TO 1018
#define IDC_STATIC_OUTPUT 1019
#define IDC_BUTTON_BROWSE 1020
#define IDC_STATIC_QUALITY 1021
#define IDC_COMBO_SIZE 1023
#define IDC_STATIC_STATUS 1024
#define IDC_STATIC_SIZE 1025
#define IDC_BUTTON_OPEN 1027
#define IDC_BUTTON_SETTINGS 1029
#define IDC_STATIC_FILE_PROGRESS 1030

// About box and settings dialog controls
#define IDC_COMBO_POST_TASK 1003
#define IDC_STATIC_VERSION 1036
#define IDC_STATIC_PICTURE 1038
#define IDC_STATIC_POST_TASK 1040

// Countdown before the post-task action
#define IDC_STATIC_COUNTDOWN 1041
#define IDC_PROGRESS_COUNTDOWN 1042

// System menu entry of the About box (a system command id: low four bits clear)
#define IDM_ABOUTBOX 0x0010

// Menu commands
#define ID_FILE_ADD_FILES 32771
#define ID_FILE_CONVERT 32772
#define ID_FILE_STOP 32773
#define ID_EDIT_REMOVE_SELECTED 32774
#define ID_FILE_SETTINGS 32776
#define ID_HELP_FEEDBACK 32779
#define ID_HELP_ABOUT 32780
#define ID_OPTIONS_RUN_IN_BACKGROUND 32784
#define ID_POST_TASK_DO_NOTHING 32785
#define ID_POST_TASK_SHUT_DOWN 32786
#define ID_POST_TASK_LOG_OFF 32787
#define ID_EDIT_CLEAR_ALL 32788
#define ID_EDIT_OPEN_OUTPUT 32789
#define ID_FILE_EXIT 32790
#define ID_EDIT_CLEAR_CONVERTED 32791

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
