#include "ui/controls/Button.h"

namespace acordina::win32 {

DWORD Button::Style(const ControlSpec&) const {
    return WS_TABSTOP | BS_PUSHBUTTON;
}

void Button::OnCommand(WORD code) {
    if (code == BN_CLICKED && Click) {
        Click();
    }
}

} // namespace acordina::win32
