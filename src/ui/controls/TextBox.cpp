#include "ui/controls/TextBox.h"

namespace acordina::win32 {

DWORD TextBox::Style(const ControlSpec& row) const {
    DWORD style = WS_TABSTOP | ES_AUTOHSCROLL;
    if (row.flags & kCentered) {
        style |= ES_CENTER;
    }
    if (row.flags & kReadOnly) {
        style |= ES_READONLY;
    }
    return style;
}

void TextBox::OnCommand(WORD code) {
    if (code == EN_SETFOCUS && GotFocus) {
        GotFocus();
    }
}

void NumberBox::Create(HWND parent, const Dpi& dpi, HFONT font) {
    TextBox::Create(parent, dpi, font);
    shown_ = Row()->text;
    Attach(hwnd());
}

void NumberBox::SetNumber(int value) {
    shown_ = std::to_wstring(value);
    SetText(shown_.c_str());
}

void NumberBox::OnCommand(WORD code) {
    TextBox::OnCommand(code);
    // Whatever way the text changed, it goes back to the number.
    if (code == EN_CHANGE && Text() != shown_) {
        SetText(shown_.c_str());
    }
}

LRESULT NumberBox::OnSubclassMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_SETTEXT:
        if (!lp || shown_ != reinterpret_cast<const wchar_t*>(lp)) {
            return FALSE;
        }
        break;
    case WM_CHAR:
    case WM_PASTE:
    case WM_CUT:
    case WM_CLEAR:
    case WM_UNDO:
    case EM_UNDO:
    case EM_REPLACESEL:
        return 0;
    default:
        break;
    }
    return Default(hwnd, msg, wp, lp);
}

} // namespace acordina::win32
