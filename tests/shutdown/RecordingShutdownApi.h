#pragma once
// Logs every call with the arguments that matter (in hex); a fresh token per open, or none if
// asked.

#include "shutdown/clsExitWindows.h"

#include <sstream>
#include <string>
#include <vector>

namespace acordina::shutdown {

class RecordingShutdownApi final : public ShutdownApi {
public:
    explicit RecordingShutdownApi(bool openFails = false) : openFails_(openFails) {}

    std::vector<std::string> calls;

    Handle GetCurrentProcess() override { return Log("GetCurrentProcess") ? 0xFFFFFFFF : 0; }
    bool OpenProcessToken(Handle process, std::uint32_t access, Handle* token) override {
        *token = openFails_ ? 0xBAD : nextToken_++; // a failed open leaves rubbish behind
        return Log("OpenProcessToken(process=", process, ", access=", access, ')') && !openFails_;
    }
    bool LookupPrivilegeValueA(const char* system, const char* name, Luid* luid) override {
        *luid = {0x13, 0x22};
        const std::string quoted = system ? '"' + std::string(system) + '"' : "null";
        return Log("LookupPrivilegeValueA(system=", quoted, ", name=\"", name, "\")");
    }
    bool AdjustTokenPrivileges(Handle token, bool disableAll, const TokenPrivileges& s,
                               std::uint32_t length, TokenPrivileges* previous,
                               std::uint32_t* returned) override {
        const char* kind = !previous ? "null" : previous == &s ? "newState" : "buffer";
        return Log("AdjustTokenPrivileges(token=", token, ", disableAll=", disableAll,
                   ", count=", s.PrivilegeCount, ", luid=", s.PrivilegeLuid.LowPart, ':',
                   s.PrivilegeLuid.HighPart, ", attributes=", s.Attributes, ", length=", length,
                   ", previous=", kind, ", returned=", returned ? "var" : "null", ')');
    }
    bool ExitWindowsEx(std::uint32_t flags, std::uint32_t reason) override {
        return Log("ExitWindowsEx(flags=", flags, ", reason=", reason, ')');
    }
    bool CloseHandle(Handle handle) override { return Log("CloseHandle(", handle, ')'); }

private:
    // Always true: the other calls succeed.
    template <typename... Parts> bool Log(const Parts&... parts) {
        std::ostringstream line;
        line << std::hex << std::boolalpha;
        (line << ... << parts);
        calls.push_back(line.str());
        return true;
    }

    bool openFails_;
    Handle nextToken_ = 0x1F4;
};

} // namespace acordina::shutdown
