#include "ui/controls/CheckBox.h"

namespace acordina::win32 {

DWORD CheckBox::Style(const ControlSpec&) const {
    return WS_TABSTOP | BS_AUTOCHECKBOX;
}

void CheckBox::Create(HWND parent, const Dpi& dpi, HFONT font) {
    Control::Create(parent, dpi, font);
    value_ = (Row()->flags & kChecked) ? 1 : 0;
    SendMessageW(hwnd(), BM_SETCHECK, value_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

int CheckBox::Value() const {
    return value_;
}

void CheckBox::SetValue(int value) {
    value = value ? 1 : 0;
    if (value == value_) {
        return;
    }
    value_ = value;
    SendMessageW(hwnd(), BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
    if (Click) {
        Click();
    }
}

void CheckBox::OnCommand(WORD code) {
    if (code != BN_CLICKED) {
        return;
    }
    const int now = SendMessageW(hwnd(), BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
    if (now != value_) {
        value_ = now;
        if (Click) {
            Click();
        }
    }
}

} // namespace acordina::win32
