#include "win32/Twips.h"

#include <windows.h>

namespace acordina::win32 {

Dpi Dpi::Screen() {
    Dpi dpi;
    if (HDC screen = GetDC(nullptr)) {
        dpi.x = GetDeviceCaps(screen, LOGPIXELSX);
        dpi.y = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
    }
    return dpi;
}

} // namespace acordina::win32
