#pragma once
#define IDD_GALLERY 100
#define IDD_SAMPLE_FRAME 101
#define IDC_FRAME_NOTE 1001
#define IDC_STATES_NOTE 1002
#define IDC_STATIC (-1)
