// Carrying out the post-task action after a batch that converted every file.
// The session is ended through a replaceable function: tests install a
// recorder, because under Wine the real ExitWindowsEx ends every process of
// the prefix, the test runner's included.
#pragma once

#include <windows.h>

using ExitWindowsFunction = BOOL(WINAPI*)(UINT flags, DWORD reason);

// Replaces the function that ends the session; null restores ExitWindowsEx.
// Returns the function used before.
ExitWindowsFunction SetExitWindowsFunction(ExitWindowsFunction function);

// Shut down (1) asks for EWX_POWEROFF, log off (2) for EWX_LOGOFF, both with
// reason 0; any other action asks for nothing. True when a request was made.
bool RunPostTaskAction(int action);

// The engine's OnBatchFinished, on the worker thread: with a main window,
// asks it (WM_BATCH_SUCCEEDED) to count down before the action kept in the
// UiContext runs, so that the user can cancel; without a window there is
// nobody to ask and the action runs at once. Nothing without a context or
// without an action.
void OnBatchFinished();

// How many seconds the countdown before the action lasts: 60, unless a test
// build installs a source of its own (null restores 60).
using CountdownSecondsSource = int (*)();
void SetCountdownSecondsSource(CountdownSecondsSource source);
int CountdownSeconds();
