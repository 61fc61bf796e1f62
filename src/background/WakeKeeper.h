#pragma once
// Sees that the armed alarm wakes its user: the engine that fires the targets, a waitable
// timer that resumes a sleeping computer shortly before the next one, and the request that
// keeps the computer awake with the display on while a target is near or the sound rings.

#include "alarm/AlarmCheck.h"
#include "services/Services.h"

namespace acordina::background {

class WakeKeeper {
public:
    WakeKeeper(win32::Power& power, win32::TimeZone& timeZone);

    // The engine counts from here; the timer is set for the first target.
    void Armed(const Module1& m, const alarm::LocalTime& now);
    // One timer tick: fires what is due, sets the timer again after a target.
    void Check(const Module1& m, const alarm::LocalTime& now, alarm::AlarmActions& actions);
    // The timer for the next target, on the clock as it reads now (after a clock change or
    // a resume). Nothing while disarmed.
    void Reschedule(const Module1& m, const alarm::LocalTime& now);
    void Disarmed();

    // While the sound rings, or is tried again, the computer stays awake.
    void SetSoundLooping(bool looping);
    // What Windows answered when the timer was last set.
    alarm::WakeTimerAnswer LastAnswer() const { return answer_; }

    // How long before a target the timer resumes the computer, and from when on it stays awake.
    static constexpr int kWakeBeforeSeconds = 30;
    static constexpr int kAwakeBeforeSeconds = 60;

private:
    void StayAwake();

    win32::Power& power_;
    win32::TimeZone& timeZone_;
    alarm::AlarmEngine engine_;
    alarm::WakeTimerAnswer answer_;
    bool near_ = false;
    bool soundLooping_ = false;
    bool awake_ = false;
};

} // namespace acordina::background
