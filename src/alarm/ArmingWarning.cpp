#include "alarm/ArmingWarning.h"

namespace acordina::alarm {

ArmingWarning FirstArmingWarning(const ArmingFacts& facts) {
    if (facts.soundTicked && !facts.soundReadable) {
        return ArmingWarning::UnreadableSound;
    }
    if (facts.soundTicked && facts.outputSilent.value_or(false)) {
        return ArmingWarning::SilentOutput;
    }
    // A program's timer is never an "important" one.
    const std::uint32_t allowed = facts.allowWakeTimers.value_or(kWakeTimersOn);
    if (allowed == kWakeTimersOff || allowed == kWakeTimersImportantOnly || !facts.wakeTimer.set ||
        !facts.wakeTimer.resumes) {
        return ArmingWarning::NoWakeTimers;
    }
    return ArmingWarning::None;
}

} // namespace acordina::alarm
