#include "platform/Dpi.h"

#include "platform/Handles.h"
#include "platform/SystemLibrary.h"

#include <windows.h>

namespace acordina::win32 {

Dpi Dpi::Screen() {
    Dpi dpi;
    if (const WindowDC screen(nullptr); screen.get()) {
        dpi.x = GetDeviceCaps(screen.get(), LOGPIXELSX);
        dpi.y = GetDeviceCaps(screen.get(), LOGPIXELSY);
    }
    return dpi;
}

Dpi Dpi::OfWindow(HWND hwnd) {
    SystemLibrary user32(L"user32.dll");
    using ForWindow = UINT WINAPI(HWND);
    if (auto* forWindow = user32.Function<ForWindow>("GetDpiForWindow")) {
        if (const int dpi = static_cast<int>(forWindow(hwnd))) {
            return {dpi, dpi};
        }
    }
    return Screen();
}

int Dpi::SmallIconSize() const {
    // Windows 10 (1607) knows each DPI's metrics; before, they follow the system's one DPI.
    SystemLibrary user32(L"user32.dll");
    using ForDpi = int WINAPI(int, UINT);
    if (auto* forDpi = user32.Function<ForDpi>("GetSystemMetricsForDpi")) {
        return forDpi(SM_CXSMICON, static_cast<UINT>(x));
    }
    return MulDiv(GetSystemMetrics(SM_CXSMICON), x, Screen().x);
}

} // namespace acordina::win32
