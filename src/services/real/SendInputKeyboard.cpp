#include "services/real/SendInputKeyboard.h"

namespace acordina::win32 {

void SendInputKeyboard::SendTab() {
    INPUT keys[2]{};
    keys[0].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = VK_TAB;
    keys[1] = keys[0];
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof(INPUT));
}

} // namespace acordina::win32
