#pragma once
// How a message reaches the code, for every window and frame of the program:
//  1. Their classes all have Window::Proc, which finds the object from GWLP_USERDATA (set at
//     WM_NCCREATE from the creation parameter and cleared when either side goes away).
//  2. A control's notification to its parent (WM_COMMAND, WM_VSCROLL, WM_CTLCOLOR*) goes back
//     to the control object, found from the control's window; the control runs its handler
//     (Click, Change, GotFocus), wired beside the member where the form declares it.
//  3. Everything else goes to the object's OnMessage.
// Proc lets no exception out: one that reaches it ends the program.

#include "platform/Handles.h"

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
    // Registers the class once per process and creates the window; throws when either fails.
    void CreateWindowOfClass(const wchar_t* className, DWORD exStyle, DWORD style,
                             const wchar_t* title, int x, int y, int width, int height, HWND parent,
                             HICON icon = nullptr, HBRUSH background = nullptr);
    // The class of windows whose messages come to their Window object.
    static void RegisterClassOnce(const wchar_t* className, HICON icon, HBRUSH background);
    // For a window its parent destroys: the object stops hearing it but leaves it alive.
    void Detach();

    virtual LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp);
    LRESULT Default(UINT msg, WPARAM wp, LPARAM lp) { return DefWindowProcW(hwnd(), msg, wp, lp); }

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept;
    UniqueWindow hwnd_;
};

HINSTANCE ThisModule();

// A window's title-bar and task-switcher pictures.
void SetIcons(HWND hwnd, HICON bigIcon, HICON smallIcon);

// The window just created; a window that could not be made ends the start-up loudly.
HWND Created(HWND hwnd);

} // namespace acordina::win32
