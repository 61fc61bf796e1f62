#pragma once
// A window that owns its HWND. One static procedure keeps `this` from
// WM_NCCREATE on and forwards every message to the object.

#include "win32/Handles.h"

#include <string>

namespace acordina::win32 {

class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND hwnd() const { return hwnd_.get(); }

protected:
    // Registers the class once per process and creates the window.
    void CreateWindowOfClass(const wchar_t* className, DWORD exStyle, DWORD style,
                             const wchar_t* title, int x, int y, int width, int height, HWND parent,
                             HICON icon = nullptr, HBRUSH background = nullptr);

    // The title-bar and task-switcher pictures.
    void SetIcons(HICON bigIcon, HICON smallIcon) const;

    virtual LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp);
    LRESULT Default(UINT msg, WPARAM wp, LPARAM lp) { return DefWindowProcW(hwnd(), msg, wp, lp); }

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    UniqueWindow hwnd_;
};

HINSTANCE ThisModule();

} // namespace acordina::win32
