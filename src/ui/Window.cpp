#include "ui/Window.h"

#include "platform/Failure.h"
#include "ui/controls/Control.h"

namespace acordina::win32 {
namespace {

// Step 2 of the route: the notification back to the control that sent it. False when the
// message is no control's notification, or comes from a window that is not ours.
bool RouteToControl(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    Control* c = nullptr;
    switch (msg) {
    case WM_COMMAND:
    case WM_VSCROLL:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSCROLLBAR:
        c = ControlFromHandle(reinterpret_cast<HWND>(lp));
        break;
    default:
        break;
    }
    if (!c) {
        return false;
    }
    result = 0;
    if (msg == WM_COMMAND) {
        c->OnCommand(HIWORD(wp));
    } else if (msg == WM_VSCROLL) {
        c->OnVScroll(LOWORD(wp));
    } else {
        result = reinterpret_cast<LRESULT>(c->OnCtlColor(reinterpret_cast<HDC>(wp)));
    }
    return true;
}

} // namespace

HINSTANCE ThisModule() {
    return GetModuleHandleW(nullptr);
}

HWND Created(HWND hwnd) {
    if (!hwnd) {
        throw SystemFailure(L"criar uma janela", GetLastError());
    }
    return hwnd;
}

Window::~Window() {
    if (HWND h = hwnd_.get()) {
        // Messages sent while the window goes away must not reach a half-destroyed object.
        SetWindowLongPtrW(h, GWLP_USERDATA, 0);
    }
}

void Window::Detach() {
    if (HWND h = hwnd_.release()) {
        SetWindowLongPtrW(h, GWLP_USERDATA, 0);
    }
}

void Window::RegisterClassOnce(const wchar_t* className, HICON icon, HBRUSH background) {
    WNDCLASSEXW wc{};
    if (GetClassInfoExW(ThisModule(), className, &wc)) {
        return;
    }
    wc = WNDCLASSEXW{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = &Window::Proc;
    wc.hInstance = ThisModule();
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hIcon = icon;
    wc.hbrBackground = background ? background : GetSysColorBrush(COLOR_BTNFACE);
    wc.lpszClassName = className;
    if (!RegisterClassExW(&wc)) {
        throw SystemFailure(L"registrar uma classe de janela", GetLastError());
    }
}

void Window::CreateWindowOfClass(const wchar_t* className, DWORD exStyle, DWORD style,
                                 const wchar_t* title, int x, int y, int width, int height,
                                 HWND parent, HICON icon, HBRUSH background) {
    RegisterClassOnce(className, icon, background);
    Created(CreateWindowExW(exStyle, className, title, style, x, y, width, height, parent, nullptr,
                            ThisModule(), this));
}

void SetIcons(HWND hwnd, HICON bigIcon, HICON smallIcon) {
    SendMessageW(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon));
    SendMessageW(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon));
}

LRESULT Window::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
    return Default(msg, wp, lp);
}

LRESULT CALLBACK Window::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept {
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
    // An exception must not cross the system's frames: it is reported here, where it surfaces.
    try {
        if (LRESULT result = 0; RouteToControl(msg, wp, lp, result)) {
            return result;
        }
        return self->OnMessage(msg, wp, lp);
    } catch (...) {
        ReportCurrentException();
        return 0;
    }
}

} // namespace acordina::win32
