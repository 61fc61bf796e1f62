#include "shutdown/clsExitWindows.h"

#include <algorithm>
#include <array>
#include <optional>

namespace acordina::shutdown {
namespace {

// The Windows values, spelled out because this file never sees <windows.h>.
constexpr std::uint32_t kLogOff = 0x0;
constexpr std::uint32_t kShutdown = 0x1;
constexpr std::uint32_t kReboot = 0x2;
constexpr std::uint32_t kForce = 0x4;
constexpr std::uint32_t kPowerOff = 0x8;
constexpr std::uint32_t kEveryReason = 0xFFFFFFFF;

constexpr std::uint32_t kTokenAdjustPrivileges = 0x20;
constexpr std::uint32_t kTokenQuery = 0x08;
constexpr std::uint32_t kPrivilegeEnabled = 0x2;

struct Request {
    std::int32_t option;
    std::uint32_t flags;
};

// Every request is forced: other programs are closed without being asked to save.
constexpr std::array kRequests{
    Request{0, kLogOff | kForce},
    Request{1, kShutdown | kForce},
    Request{2, kShutdown | kReboot | kForce},
    Request{8, kPowerOff | kForce},
};

// Owns an opened token for the length of the privilege step.
class OwnedToken {
public:
    OwnedToken(ShutdownApi& api, Handle token) : api_(api), token_(token) {}
    OwnedToken(const OwnedToken&) = delete;
    OwnedToken& operator=(const OwnedToken&) = delete;
    ~OwnedToken() { api_.CloseHandle(token_); }

    Handle get() const { return token_; }

private:
    ShutdownApi& api_;
    Handle token_;
};

} // namespace

clsExitWindows::clsExitWindows(ShutdownApi& api) : api_(api) {}

void clsExitWindows::ExitWindows(std::int32_t aOption) {
    EnableShutdownPrivilege();
    const auto request = std::ranges::find(kRequests, aOption, &Request::option);
    if (request != kRequests.end()) {
        api_.ExitWindowsEx(request->flags, kEveryReason);
    }
}

// Failures are not reported: without the privilege Windows simply refuses the
// request that follows.
void clsExitWindows::EnableShutdownPrivilege() {
    const Handle process = api_.GetCurrentProcess();
    Handle opened = 0;
    std::optional<OwnedToken> token;
    if (api_.OpenProcessToken(process, kTokenAdjustPrivileges | kTokenQuery, &opened)) {
        token.emplace(api_, opened);
    }

    Luid luid;
    // An empty system name, not a null one, means this computer.
    api_.LookupPrivilegeValueA("", "SeShutdownPrivilege", &luid);
    if (!token) {
        return;
    }

    const TokenPrivileges enable{1, luid, kPrivilegeEnabled};
    TokenPrivileges previous;
    std::uint32_t returnLength = 0;
    api_.AdjustTokenPrivileges(token->get(), false, enable,
                               static_cast<std::uint32_t>(sizeof previous), &previous,
                               &returnLength);
}

} // namespace acordina::shutdown
