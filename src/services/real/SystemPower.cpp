// The wake timer, the stay-awake request and the power plan's wake-timer setting.
#include "services/real/SystemPower.h"

#include "platform/Failure.h"

#include <powrprof.h>

#include <memory>

namespace acordina::win32 {
namespace {

struct LocalFreed {
    void operator()(GUID* guid) const noexcept { LocalFree(guid); }
};

} // namespace

alarm::WakeTimerAnswer SystemPower::SetWakeTimer(std::int64_t utcFileTime) {
    if (!timer_) {
        timer_.reset(CreateWaitableTimerW(nullptr, TRUE, nullptr));
    }
    LARGE_INTEGER due;
    due.QuadPart = utcFileTime; // positive: an absolute time
    // Where the computer cannot be resumed by it, the timer is set all the same and says so:
    // ERROR_NOT_SUPPORTED as documented, or the kernel's own ERROR_TIMER_RESUME_IGNORED (722),
    // which Wine passes on.
    constexpr DWORD kResumeIgnored = 722;
    SetLastError(ERROR_SUCCESS);
    const bool set = timer_ && SetWaitableTimer(timer_.get(), &due, 0, nullptr, nullptr, TRUE);
    const DWORD said = GetLastError();
    return {set, set && said != ERROR_NOT_SUPPORTED && said != kResumeIgnored};
}

void SystemPower::CancelWakeTimer() {
    if (timer_) {
        if (!CancelWaitableTimer(timer_.get())) {
            Trace(L"CancelWaitableTimer");
        }
    }
}

void SystemPower::SetThreadExecutionState(std::uint32_t flags) {
    // The previous state, or 0 when refused: the computer may then sleep through a ringing
    // alarm, and the wake timer is what is left to wake it.
    if (::SetThreadExecutionState(flags) == 0) {
        Trace(L"SetThreadExecutionState");
    }
}

// A computer that cannot tell counts as on mains, as a desktop is.
bool SystemPower::OnBattery() {
    SYSTEM_POWER_STATUS status{};
    return GetSystemPowerStatus(&status) && status.ACLineStatus == 0;
}

std::optional<std::uint32_t> SystemPower::AllowWakeTimers(bool onBattery) {
    // The plan's "Sleep" group and its "Allow wake timers" setting; libuuid's copies would bring
    // thousands of other identifiers along.
    static constexpr GUID kSleepGroup{
        0x238c9fa8, 0x0aad, 0x41ed, {0x83, 0xf4, 0x97, 0xbe, 0x24, 0x2c, 0x8f, 0x20}};
    static constexpr GUID kAllowWakeTimers{
        0xbd3b718a, 0x0680, 0x4d9d, {0x8a, 0xb2, 0xe1, 0xd2, 0xb4, 0xac, 0x80, 0x6d}};
    auto* active = powrprof_.Function<decltype(PowerGetActiveScheme)>("PowerGetActiveScheme");
    auto* read = powrprof_.Function<decltype(PowerReadACValueIndex)>(
        onBattery ? "PowerReadDCValueIndex" : "PowerReadACValueIndex");
    GUID* scheme = nullptr;
    if (!active || !read || active(nullptr, &scheme) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    const std::unique_ptr<GUID, LocalFreed> freed(scheme);
    DWORD value = 0;
    if (read(nullptr, scheme, &kSleepGroup, &kAllowWakeTimers, &value) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return value;
}

} // namespace acordina::win32
