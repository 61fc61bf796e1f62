#include "services/real/SendInputKeyboard.h"

#include "platform/Failure.h"

namespace acordina::win32 {

void SendInputKeyboard::SendTab() {
    INPUT keys[2]{};
    keys[0].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = VK_TAB;
    keys[1] = keys[0];
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    // Input blocked for the desktop refuses it; the focus then stays where it is.
    if (SendInput(2, keys, sizeof(INPUT)) != 2) {
        Trace(L"SendInput");
    }
}

} // namespace acordina::win32
