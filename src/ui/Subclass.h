#pragma once
// A control's messages, seen before its own window procedure for as long as the object lives.
// Every subclass goes through one procedure, told apart by the object's address. An exception
// out of a handler goes to the failure boundary, as one out of Window::Proc does: it must not
// cross the system's frames.

#include <windows.h>

namespace acordina::win32 {

class Subclass {
public:
    Subclass() = default;
    Subclass(const Subclass&) = delete;
    Subclass& operator=(const Subclass&) = delete;

    // Puts the object in front of the window's procedure; throws when Windows refuses.
    void Attach(HWND hwnd);

protected:
    ~Subclass();
    virtual LRESULT OnSubclassMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) = 0;
    // The window's own procedure.
    static LRESULT Default(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

private:
    void Detach() noexcept;
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id,
                                 DWORD_PTR self) noexcept;
    HWND hwnd_ = nullptr;
};

} // namespace acordina::win32
