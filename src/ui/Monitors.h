#pragma once

#include <windows.h>

namespace acordina::win32 {

class Monitors {
public:
    virtual ~Monitors() = default;
    // The work area (the screen without the task bar) of the monitor the window is on; for no
    // window yet, the primary monitor's.
    virtual RECT WorkArea(HWND window) const = 0;
};

} // namespace acordina::win32
