#include "services/real/WindowTimers.h"

namespace acordina::win32 {

bool WindowTimers::Start(HWND window, UINT_PTR id, UINT milliseconds) {
    return SetTimer(window, id, milliseconds, nullptr) != 0;
}

} // namespace acordina::win32
