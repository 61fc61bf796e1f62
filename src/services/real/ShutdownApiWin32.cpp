#include <windows.h>

#include "services/real/ShutdownApiWin32.h"

#include <algorithm>

namespace acordina::win32 {
namespace {

static_assert(sizeof(TOKEN_PRIVILEGES) == sizeof(shutdown::TokenPrivileges));

HANDLE ToHandle(shutdown::Handle handle) {
    return reinterpret_cast<HANDLE>(handle);
}
shutdown::Handle FromHandle(HANDLE handle) {
    return reinterpret_cast<shutdown::Handle>(handle);
}

LUID ToLuid(const shutdown::Luid& luid) {
    return LUID{luid.LowPart, luid.HighPart};
}
shutdown::Luid FromLuid(const LUID& luid) {
    return shutdown::Luid{static_cast<std::uint32_t>(luid.LowPart),
                          static_cast<std::int32_t>(luid.HighPart)};
}

TOKEN_PRIVILEGES ToTokenPrivileges(const shutdown::TokenPrivileges& set) {
    TOKEN_PRIVILEGES out{};
    out.PrivilegeCount = set.PrivilegeCount;
    out.Privileges[0].Luid = ToLuid(set.PrivilegeLuid);
    out.Privileges[0].Attributes = set.Attributes;
    return out;
}

shutdown::TokenPrivileges FromTokenPrivileges(const TOKEN_PRIVILEGES& set) {
    return shutdown::TokenPrivileges{static_cast<std::uint32_t>(set.PrivilegeCount),
                                     FromLuid(set.Privileges[0].Luid),
                                     static_cast<std::uint32_t>(set.Privileges[0].Attributes)};
}

} // namespace

shutdown::Handle ShutdownApiWin32::GetCurrentProcess() {
    return FromHandle(::GetCurrentProcess());
}

bool ShutdownApiWin32::OpenProcessToken(shutdown::Handle process, std::uint32_t desiredAccess,
                                        shutdown::Handle* token) {
    HANDLE opened = nullptr;
    const bool ok = ::OpenProcessToken(ToHandle(process), desiredAccess, &opened) != FALSE;
    if (token != nullptr) {
        *token = FromHandle(opened);
    }
    return ok;
}

bool ShutdownApiWin32::LookupPrivilegeValueA(const char* systemName, const char* name,
                                             shutdown::Luid* luid) {
    LUID found{};
    const bool ok = ::LookupPrivilegeValueA(systemName, name, &found) != FALSE;
    if (luid != nullptr) {
        *luid = FromLuid(found);
    }
    return ok;
}

bool ShutdownApiWin32::AdjustTokenPrivileges(shutdown::Handle token, bool disableAllPrivileges,
                                             const shutdown::TokenPrivileges& newState,
                                             std::uint32_t bufferLength,
                                             shutdown::TokenPrivileges* previousState,
                                             std::uint32_t* returnLength) {
    // Windows writes the previous state into our own buffer of the same size, so the
    // length it is told can never exceed what is really there.
    TOKEN_PRIVILEGES enable = ToTokenPrivileges(newState);
    TOKEN_PRIVILEGES previous{};
    DWORD length = 0;
    const DWORD room =
        previousState != nullptr ? std::min<DWORD>(bufferLength, sizeof previous) : 0;
    const bool ok =
        ::AdjustTokenPrivileges(ToHandle(token), disableAllPrivileges ? TRUE : FALSE, &enable, room,
                                previousState != nullptr ? &previous : nullptr,
                                returnLength != nullptr ? &length : nullptr) != FALSE;
    if (previousState != nullptr) {
        *previousState = FromTokenPrivileges(previous);
    }
    if (returnLength != nullptr) {
        *returnLength = length;
    }
    return ok;
}

bool ShutdownApiWin32::ExitWindowsEx(std::uint32_t flags, std::uint32_t reason) {
    return ::ExitWindowsEx(flags, reason) != FALSE;
}

bool ShutdownApiWin32::CloseHandle(shutdown::Handle handle) {
    return ::CloseHandle(ToHandle(handle)) != FALSE;
}

} // namespace acordina::win32
