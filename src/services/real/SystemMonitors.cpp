#include "services/real/SystemMonitors.h"

namespace acordina::win32 {

RECT SystemMonitors::WorkArea(HWND window) const {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info);
    return info.rcWork;
}

} // namespace acordina::win32
