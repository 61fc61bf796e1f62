#include "win32/Reflect.h"

#include "win32/Controls.h"

namespace acordina::win32 {

bool ReflectToControl(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    switch (msg) {
    case WM_COMMAND:
        if (auto* c = ControlFromHandle(reinterpret_cast<HWND>(lp))) {
            c->OnCommand(HIWORD(wp));
            result = 0;
            return true;
        }
        return false;
    case WM_VSCROLL:
        if (auto* c = ControlFromHandle(reinterpret_cast<HWND>(lp))) {
            c->OnVScroll(LOWORD(wp));
            result = 0;
            return true;
        }
        return false;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSCROLLBAR:
        if (auto* c = ControlFromHandle(reinterpret_cast<HWND>(lp))) {
            result = reinterpret_cast<LRESULT>(c->OnCtlColor(reinterpret_cast<HDC>(wp)));
            return true;
        }
        return false;
    default:
        return false;
    }
}

} // namespace acordina::win32
