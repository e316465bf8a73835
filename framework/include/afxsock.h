// Windows sockets start-up for framework applications.
#pragma once
#include <winsock2.h>
#include "afxwin.h"

// Starts Windows sockets (version 2.2) once per process; the framework cleans
// up when the application ends. Optionally returns the start-up data.
AFX_CORE_API BOOL AFXAPI AfxSocketInit(WSADATA* lpwsaData = nullptr);
