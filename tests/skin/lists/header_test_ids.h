#pragma once
#define IDD_HEADER_HOST 100
#define IDC_HEADER_LIST 1001
