#include "ui/Subclass.h"

#include "platform/Failure.h"

#include <commctrl.h>

namespace acordina::win32 {

Subclass::~Subclass() {
    Detach();
}

void Subclass::Attach(HWND hwnd) {
    const auto id = reinterpret_cast<UINT_PTR>(this);
    if (!SetWindowSubclass(hwnd, &Proc, id, reinterpret_cast<DWORD_PTR>(this))) {
        // It fails for want of memory, and need not say so.
        const DWORD error = GetLastError();
        throw SystemFailure(L"criar uma janela", error ? error : ERROR_NOT_ENOUGH_MEMORY);
    }
    hwnd_ = hwnd;
}

void Subclass::Detach() noexcept {
    if (hwnd_ && !RemoveWindowSubclass(hwnd_, &Proc, reinterpret_cast<UINT_PTR>(this))) {
        Trace(L"RemoveWindowSubclass");
    }
    hwnd_ = nullptr;
}

LRESULT Subclass::Default(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    return DefSubclassProc(hwnd, msg, wp, lp);
}

LRESULT CALLBACK Subclass::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                DWORD_PTR self) noexcept {
    auto* subclass = reinterpret_cast<Subclass*>(self);
    if (msg == WM_NCDESTROY) {
        // The window goes first: the object forgets it.
        subclass->Detach();
        return DefSubclassProc(hwnd, msg, wp, lp);
    }
    try {
        return subclass->OnSubclassMessage(hwnd, msg, wp, lp);
    } catch (...) {
        ReportCurrentException();
        return 0;
    }
}

} // namespace acordina::win32
