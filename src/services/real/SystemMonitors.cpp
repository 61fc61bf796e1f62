#include "services/real/SystemMonitors.h"

#include "platform/Failure.h"

namespace acordina::win32 {

RECT SystemMonitors::WorkArea(HWND window) const {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (window && GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info)) {
        return info.rcWork;
    }
    if (window) {
        Trace(L"GetMonitorInfoW");
    }
    // No window yet, or no word of its monitor: the primary monitor's.
    RECT work{};
    if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0)) {
        Trace(L"SPI_GETWORKAREA");
    }
    return work;
}

} // namespace acordina::win32
