#include "ui/controls/ComboBox.h"

#include <string>

namespace acordina::win32 {

DWORD ComboBox::Style(const ControlSpec&) const {
    return WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_SORT;
}

void ComboBox::Create(HWND parent, const Dpi& dpi, HFONT font) {
    Control::Create(parent, dpi, font);
    Size(dpi);
}

void ComboBox::Relayout(const Dpi& dpi, HFONT font) {
    Control::Relayout(dpi, font);
    Size(dpi);
}

void ComboBox::Size(const Dpi& dpi) {
    const ControlSpec& row = *Row();
    // The layout gives the height of the closed list (the selection field and its
    // border); the height the window is created with is that of the dropped list.
    const int closed = dpi.PixelsY(row.height);
    SendMessageW(hwnd(), CB_SETITEMHEIGHT, WPARAM(-1), closed - 6);
    SetWindowPos(hwnd(), nullptr, 0, 0, dpi.PixelsX(row.width), closed * 9,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ComboBox::AddItem(std::wstring_view text) {
    const int at = static_cast<int>(SendMessageW(
        hwnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::wstring(text).c_str())));
    // An entry sorted in before the selection moves the selected index on.
    if (index_ >= 0 && at >= 0 && at <= index_) {
        ++index_;
    }
}

int ComboBox::ListCount() const {
    return static_cast<int>(SendMessageW(hwnd(), CB_GETCOUNT, 0, 0));
}
int ComboBox::ListIndex() const {
    return index_;
}

std::wstring ComboBox::List(int index) const {
    const auto len = SendMessageW(hwnd(), CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (len == CB_ERR) {
        return {};
    }
    std::wstring text(static_cast<std::size_t>(len) + 1, L'\0');
    SendMessageW(hwnd(), CB_GETLBTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(len));
    return text;
}

void ComboBox::SetListIndex(int index) {
    if (index < -1 || index >= ListCount() || index == index_) {
        return;
    }
    index_ = index;
    SendMessageW(hwnd(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    if (Click) {
        Click();
    }
}

void ComboBox::OnCommand(WORD code) {
    if (code != CBN_SELCHANGE) {
        return;
    }
    const int now = static_cast<int>(SendMessageW(hwnd(), CB_GETCURSEL, 0, 0));
    if (now != index_) {
        index_ = now;
        if (Click) {
            Click();
        }
    }
}

} // namespace acordina::win32
