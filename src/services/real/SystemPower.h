#pragma once

#include "platform/Handles.h"
#include "platform/SystemLibrary.h"
#include "services/Services.h"

namespace acordina::win32 {

class SystemPower final : public Power {
public:
    alarm::WakeTimerAnswer SetWakeTimer(std::int64_t utcFileTime) override;
    void CancelWakeTimer() override;
    void SetThreadExecutionState(std::uint32_t flags) override;
    bool OnBattery() override;
    std::optional<std::uint32_t> AllowWakeTimers(bool onBattery) override;

private:
    UniqueHandle timer_;
    SystemLibrary powrprof_{L"powrprof.dll"};
};

} // namespace acordina::win32
