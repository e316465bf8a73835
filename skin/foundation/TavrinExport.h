// Export switch of the Tavrin library: the DLL is built with TAVRIN_BUILD and
// exports its classes whole; every other module imports them.
#pragma once

#ifdef TAVRIN_BUILD
#define TAVRIN_API __declspec(dllexport)
#else
#define TAVRIN_API __declspec(dllimport)
#endif
