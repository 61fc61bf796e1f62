#pragma once
// What arming tells the user of an alarm that may not be heard or may not come at all: one
// warning at most, the one about the nearest cause. A file that cannot be read leaves the volume
// unasked; either sound warning goes before the sleeping computer's.

#include "alarm/WakeTimerAnswer.h"

#include <cstdint>
#include <optional>

namespace acordina::alarm {

// The power plan's "Allow wake timers" values.
inline constexpr std::uint32_t kWakeTimersOff = 0;
inline constexpr std::uint32_t kWakeTimersOn = 1;
inline constexpr std::uint32_t kWakeTimersImportantOnly = 2;

struct ArmingFacts {
    bool soundTicked = false;
    bool soundReadable = true;
    std::optional<bool> outputSilent;             // nullopt: the system cannot tell
    std::optional<std::uint32_t> allowWakeTimers; // for the power source in use; nullopt: unread
    WakeTimerAnswer wakeTimer;
};

enum class ArmingWarning { None, UnreadableSound, SilentOutput, NoWakeTimers };

ArmingWarning FirstArmingWarning(const ArmingFacts& facts);

} // namespace acordina::alarm
