#pragma once
// The real token and shutdown services behind clsExitWindows.

#include "shutdown/clsExitWindows.h"

namespace acordina::win32 {

class ShutdownApiWin32 final : public shutdown::ShutdownApi {
public:
    shutdown::Handle GetCurrentProcess() override;
    bool OpenProcessToken(shutdown::Handle process, std::uint32_t desiredAccess,
                          shutdown::Handle* token) override;
    bool LookupPrivilegeValueA(const char* systemName, const char* name,
                               shutdown::Luid* luid) override;
    bool AdjustTokenPrivileges(shutdown::Handle token, bool disableAllPrivileges,
                               const shutdown::TokenPrivileges& newState,
                               std::uint32_t bufferLength, shutdown::TokenPrivileges* previousState,
                               std::uint32_t* returnLength) override;
    bool ExitWindowsEx(std::uint32_t flags, std::uint32_t reason) override;
    bool CloseHandle(shutdown::Handle handle) override;
};

} // namespace acordina::win32
