#include "win32/Window.h"

namespace acordina::win32 {

HINSTANCE ThisModule() {
    return GetModuleHandleW(nullptr);
}

Window::~Window() {
    if (HWND h = hwnd_.get()) {
        // Messages sent while the window goes away must not reach a half-destroyed object.
        SetWindowLongPtrW(h, GWLP_USERDATA, 0);
    }
}

void Window::CreateWindowOfClass(const wchar_t* className, DWORD exStyle, DWORD style,
                                 const wchar_t* title, int x, int y, int width, int height,
                                 HWND parent, HICON icon, HBRUSH background) {
    WNDCLASSEXW wc{};
    if (!GetClassInfoExW(ThisModule(), className, &wc)) {
        wc = WNDCLASSEXW{};
        wc.cbSize = sizeof wc;
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = &Window::Proc;
        wc.hInstance = ThisModule();
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hIcon = icon;
        wc.hbrBackground = background ? background : GetSysColorBrush(COLOR_BTNFACE);
        wc.lpszClassName = className;
        RegisterClassExW(&wc);
    }
    CreateWindowExW(exStyle, className, title, style, x, y, width, height, parent, nullptr,
                    ThisModule(), this);
}

void Window::SetIcons(HICON bigIcon, HICON smallIcon) const {
    SendMessageW(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon));
    SendMessageW(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon));
}

LRESULT Window::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
    return Default(msg, wp, lp);
}

LRESULT CALLBACK Window::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
        self->hwnd_.reset(hwnd);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) {
        return DefWindowProcW(hwnd, msg, wp, lp);
    }
    if (msg == WM_NCDESTROY) {
        // Destroyed by the system (or its parent): forget the handle, not the object.
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_.release();
        return DefWindowProcW(hwnd, msg, wp, lp);
    }
    return self->OnMessage(msg, wp, lp);
}

} // namespace acordina::win32
