#pragma once
// Asks Windows to end the session: first grants the process the shutdown
// privilege, then makes the forced request the option selects. Portable over
// ShutdownApi so no test can reach the real service.

#include <cstdint>

// <windows.h> makes ExitWindows a two-argument macro, which would swallow the
// method below wherever both are seen.
#ifdef ExitWindows
#undef ExitWindows
#endif

namespace acordina::shutdown {

struct Luid {
    std::uint32_t LowPart = 0;
    std::int32_t HighPart = 0;
};

// TOKEN_PRIVILEGES with room for one privilege: 16 bytes on Windows.
struct TokenPrivileges {
    std::uint32_t PrivilegeCount = 0;
    Luid PrivilegeLuid;
    std::uint32_t Attributes = 0;
};
static_assert(sizeof(TokenPrivileges) == 16);

using Handle = std::uintptr_t;

// The five Windows calls (and CloseHandle for the token).
class ShutdownApi {
public:
    virtual ~ShutdownApi() = default;
    virtual Handle GetCurrentProcess() = 0;
    virtual bool OpenProcessToken(Handle process, std::uint32_t desiredAccess, Handle* token) = 0;
    virtual bool LookupPrivilegeValueA(const char* systemName, const char* name, Luid* luid) = 0;
    virtual bool AdjustTokenPrivileges(Handle token, bool disableAllPrivileges,
                                       const TokenPrivileges& newState, std::uint32_t bufferLength,
                                       TokenPrivileges* previousState,
                                       std::uint32_t* returnLength) = 0;
    virtual bool ExitWindowsEx(std::uint32_t flags, std::uint32_t reason) = 0;
    virtual bool CloseHandle(Handle handle) = 0;
};

class clsExitWindows {
public:
    explicit clsExitWindows(ShutdownApi& api);
    void ExitWindows(std::int32_t aOption);

private:
    void EnableShutdownPrivilege();
    ShutdownApi& api_;
};

} // namespace acordina::shutdown
