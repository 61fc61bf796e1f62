#pragma once
// Owning wrappers for the GDI, USER and kernel handles the program creates.

#include <windows.h>

#include <memory>
#include <type_traits>

namespace acordina::win32 {

struct GdiObjectDeleter {
    void operator()(HGDIOBJ h) const noexcept { DeleteObject(h); }
};
struct IconDeleter {
    void operator()(HICON h) const noexcept { DestroyIcon(h); }
};
struct MenuDeleter {
    void operator()(HMENU h) const noexcept { DestroyMenu(h); }
};
struct FindDeleter {
    void operator()(HANDLE h) const noexcept { FindClose(h); }
};
struct HandleDeleter {
    void operator()(HANDLE h) const noexcept { CloseHandle(h); }
};
struct WindowDeleter {
    void operator()(HWND h) const noexcept { DestroyWindow(h); }
};

using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectDeleter>;
using UniqueBrush = std::unique_ptr<std::remove_pointer_t<HBRUSH>, GdiObjectDeleter>;
using UniqueBitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, GdiObjectDeleter>;
using UniqueRegion = std::unique_ptr<std::remove_pointer_t<HRGN>, GdiObjectDeleter>;
using UniqueIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;
using UniqueMenu = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDeleter>;
using UniqueWindow = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDeleter>;
using UniqueFind = std::unique_ptr<void, FindDeleter>;
using UniqueHandle = std::unique_ptr<void, HandleDeleter>;

// A window's (or, for nullptr, the screen's) device context, given back when done.
class WindowDC {
public:
    explicit WindowDC(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
    ~WindowDC() {
        if (dc_) {
            ReleaseDC(hwnd_, dc_);
        }
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC get() const { return dc_; }

private:
    HWND hwnd_;
    HDC dc_;
};

// What CreateFileW returned, owned; empty when it failed.
inline UniqueHandle OwnFile(HANDLE h) {
    return UniqueHandle(h == INVALID_HANDLE_VALUE ? nullptr : h);
}

} // namespace acordina::win32
