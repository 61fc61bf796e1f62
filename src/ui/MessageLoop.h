#pragma once
// The program's one message loop, with the keyboard navigation of dialogs
// (Tab between controls) for every top-level window.

#include <windows.h>

namespace acordina::win32 {

// Handles one message; false when it was WM_QUIT.
bool DispatchOne(MSG& msg);

// Runs until WM_QUIT; returns its exit code.
int RunMessageLoop();

// Handles every message already queued, without waiting (for tests).
void PumpPending();

} // namespace acordina::win32
