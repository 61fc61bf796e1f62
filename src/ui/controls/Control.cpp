#include "ui/controls/Control.h"

#include "ui/Form.h"
#include "ui/Window.h"

namespace acordina::win32 {
namespace {
// A property, not GWLP_USERDATA: notifications also come from windows that are not ours.
constexpr wchar_t kControlProp[] = L"AcordinaControl";
} // namespace

Control* ControlFromHandle(HWND hwnd) {
    return hwnd ? static_cast<Control*>(GetPropW(hwnd, kControlProp)) : nullptr;
}

Control::~Control() {
    if (hwnd_ && IsWindow(hwnd_)) {
        RemovePropW(hwnd_, kControlProp);
    }
}

Control::Control(Form& form, Kind kind, const ControlSpec& row)
    : row_(row), id_(form.Adopt(*this)) {
    row_.kind = kind;
}

void Control::Create(HWND parent, const Dpi& dpi, HFONT font) {
    const ControlSpec& row = row_;
    back_ = row.back == kKindDefault ? DefaultBack() : row.back;
    fore_ = row.fore == kKindDefault ? DefaultFore() : row.fore;
    hand_ = (row.flags & kHandCursor) != 0;
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | Style(row);
    if (!(row.flags & kHidden)) {
        style |= WS_VISIBLE;
    }
    if (row.flags & kDisabled) {
        style |= WS_DISABLED;
    }
    if (row.flags & kPressable) {
        style |= WS_TABSTOP;
    }
    hwnd_ = Created(CreateWindowExW(
        ExStyle(), ClassName(), row.text, style, dpi.PixelsX(row.left), dpi.PixelsY(row.top),
        dpi.PixelsX(row.width), dpi.PixelsY(row.height), parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id_)), ThisModule(), CreateParam()));
    SetPropW(hwnd_, kControlProp, this);
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

void Control::Relayout(const Dpi& dpi, HFONT font) {
    const ControlSpec& row = row_;
    SetWindowPos(hwnd_, nullptr, dpi.PixelsX(row.left), dpi.PixelsY(row.top),
                 dpi.PixelsX(row.width), dpi.PixelsY(row.height), SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

std::wstring Control::Text() const {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd_)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(hwnd_, text.data(), static_cast<int>(text.size()))));
    return text;
}

void Control::SetText(std::wstring_view text) {
    SetWindowTextW(hwnd_, std::wstring(text).c_str());
    OnTextSet();
}

void Control::SetText(const wchar_t* text) {
    SetWindowTextW(hwnd_, text);
    OnTextSet();
}

bool Control::Enabled() const {
    return IsWindowEnabled(hwnd_) != FALSE;
}
void Control::SetEnabled(bool enabled) {
    EnableWindow(hwnd_, enabled);
}
bool Control::Visible() const {
    return (GetWindowLongW(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0;
}
void Control::SetVisible(bool visible) {
    ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
}

void Control::SetBackColor(OleColor c) {
    if (back_ != c) {
        back_ = c;
        Invalidate();
    }
}

void Control::Invalidate() const {
    InvalidateRect(hwnd_, nullptr, TRUE);
}

HBRUSH Control::OnCtlColor(HDC dc) {
    SetTextColor(dc, ToColorRef(fore_));
    SetBkColor(dc, ToColorRef(back_));
    return brush_.Get(back_);
}

} // namespace acordina::win32
