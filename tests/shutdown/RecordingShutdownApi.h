#pragma once
// A ShutdownApi that logs every call with the arguments that matter, hands
// out a fresh token per open, and fails the calls a test asks it to.

#include "shutdown/clsExitWindows.h"

#include <functional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace acordina::shutdown {

inline constexpr Handle kPseudoProcess = 0xFFFFFFFF;
inline constexpr Handle kFirstToken = 0x1F4;
inline constexpr Handle kGarbageToken = 0xBAD;
inline constexpr Luid kShutdownLuid{0x13, -2};

struct Failures {
    bool open = false;
    bool lookup = false;
    bool adjust = false;
    bool exit = false;
    bool close = false;
};

class RecordingShutdownApi final : public ShutdownApi {
public:
    explicit RecordingShutdownApi(Failures failures = {}) : failures_(failures) {}

    std::vector<std::string> calls;
    // Runs at each call, to look at the caller at that moment.
    std::function<void(const std::string&)> onCall;

    Handle GetCurrentProcess() override {
        Log("GetCurrentProcess");
        return kPseudoProcess;
    }

    bool OpenProcessToken(Handle process, std::uint32_t desiredAccess, Handle* token) override {
        Log("OpenProcessToken(process=" + Hex(process) + ", access=" + Hex(desiredAccess) + ")");
        // A failed open leaves rubbish behind, as nothing promises otherwise.
        *token = failures_.open ? kGarbageToken : nextToken_++;
        return !failures_.open;
    }

    bool LookupPrivilegeValueA(const char* systemName, const char* name, Luid* luid) override {
        Log("LookupPrivilegeValueA(system=" + Quoted(systemName) + ", name=" + Quoted(name) + ")");
        if (!failures_.lookup) {
            *luid = kShutdownLuid;
        }
        return !failures_.lookup;
    }

    bool AdjustTokenPrivileges(Handle token, bool disableAllPrivileges,
                               const TokenPrivileges& newState, std::uint32_t bufferLength,
                               TokenPrivileges* previousState,
                               std::uint32_t* returnLength) override {
        const std::string previous = previousState == nullptr     ? "null"
                                     : previousState == &newState ? "newState"
                                                                  : "buffer";
        Log("AdjustTokenPrivileges(token=" + Hex(token) +
            ", disableAll=" + (disableAllPrivileges ? "true" : "false") +
            ", count=" + std::to_string(newState.PrivilegeCount) +
            ", luid=" + Hex(newState.PrivilegeLuid.LowPart) + ":" +
            std::to_string(newState.PrivilegeLuid.HighPart) +
            ", attributes=" + std::to_string(newState.Attributes) +
            ", length=" + std::to_string(bufferLength) + ", previous=" + previous +
            ", returned=" + (returnLength == nullptr ? "null" : "var") + ")");
        // Fill the whole buffer, as Windows does, so a short one shows up under ASan.
        if (previousState != nullptr) {
            *previousState = TokenPrivileges{1, kShutdownLuid, 0};
        }
        if (returnLength != nullptr) {
            *returnLength = sizeof(TokenPrivileges);
        }
        return !failures_.adjust;
    }

    bool ExitWindowsEx(std::uint32_t flags, std::uint32_t reason) override {
        Log("ExitWindowsEx(flags=" + std::to_string(flags) + ", reason=" + Hex(reason) + ")");
        return !failures_.exit;
    }

    bool CloseHandle(Handle handle) override {
        Log("CloseHandle(" + Hex(handle) + ")");
        return !failures_.close;
    }

private:
    void Log(std::string call) {
        calls.push_back(std::move(call));
        if (onCall) {
            onCall(calls.back());
        }
    }

    static std::string Hex(std::uintmax_t value) {
        std::ostringstream out;
        out << std::hex << value;
        return out.str();
    }

    static std::string Quoted(const char* text) {
        return text == nullptr ? "null" : '"' + std::string(text) + '"';
    }

    Failures failures_;
    Handle nextToken_ = kFirstToken;
};

} // namespace acordina::shutdown
