#pragma once
// A label or a picture that the keyboard can press as a button: it takes the focus, Space and
// Enter act as a click, and the focus shows as the system's dotted rectangle around its text
// (a picture: around the whole picture) when the keyboard cues are on.

#include <windows.h>

#include <functional>

namespace acordina::win32 {

// `press` must outlive the window or a call to StopPressable.
void MakePressable(HWND hwnd, const std::function<void()>* press);
void StopPressable(HWND hwnd);

} // namespace acordina::win32
