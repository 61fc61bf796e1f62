#pragma once
// A library of Windows' own, loaded from the system folder at its first use rather than when
// the program starts: what the first drawn window does not need should not delay it.

#include <windows.h>

#include <memory>
#include <type_traits>

namespace acordina::win32 {

class SystemLibrary {
public:
    explicit SystemLibrary(const wchar_t* name) : name_(name) {}

    // The library's function `name`, of type F; nullptr when either cannot be found.
    template <typename F> F* Function(const char* name) {
        return reinterpret_cast<F*>(reinterpret_cast<void*>(Address(name)));
    }

private:
    FARPROC Address(const char* name);

    struct Unloader {
        void operator()(HMODULE h) const noexcept { FreeLibrary(h); }
    };
    const wchar_t* name_;
    std::unique_ptr<std::remove_pointer_t<HMODULE>, Unloader> module_;
};

} // namespace acordina::win32
