#pragma once
// Parents hand the notifications of their controls back to the control
// objects, so each window's code reads as wiring plus handlers.

#include <windows.h>

namespace acordina::win32 {

// True when msg came from a control that took care of it; result is the reply.
bool ReflectToControl(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

} // namespace acordina::win32
