#include "background/WakeKeeper.h"

namespace acordina::background {
namespace {

constexpr std::int64_t kFileTimeSecond = 10'000'000;

// A local time as a UTC instant, by the rules the time zone has for that date.
std::int64_t ToUtcFileTime(const alarm::LocalTime& t, win32::TimeZone& timeZone) {
    const auto field = [](int v) { return static_cast<WORD>(v); };
    const SYSTEMTIME local{
        field(t.year),        field(t.month),       0, field(t.day), field(t.time.hour),
        field(t.time.minute), field(t.time.second), 0};
    const TIME_ZONE_INFORMATION rules = timeZone.ForYear(local.wYear);
    SYSTEMTIME utc{};
    TzSpecificLocalTimeToSystemTime(&rules, &local, &utc);
    FILETIME instant{};
    SystemTimeToFileTime(&utc, &instant);
    return static_cast<std::int64_t>(instant.dwHighDateTime) << 32 | instant.dwLowDateTime;
}

} // namespace

WakeKeeper::WakeKeeper(win32::Power& power, win32::TimeZone& timeZone)
    : power_(power), timeZone_(timeZone) {}

void WakeKeeper::Armed(const Module1& m, const alarm::LocalTime& now) {
    engine_.Armar(now);
    Reschedule(m, now);
}

void WakeKeeper::Check(const Module1& m, const alarm::LocalTime& now,
                       alarm::AlarmActions& actions) {
    if (engine_.Verificar(m, now, actions)) {
        Reschedule(m, now);
    }
    const auto next = engine_.Proximo(m, now);
    near_ = next && next->secondsAway <= kAwakeBeforeSeconds;
    StayAwake();
}

void WakeKeeper::Reschedule(const Module1& m, const alarm::LocalTime& now) {
    if (const auto next = engine_.Proximo(m, now)) {
        answer_ = power_.SetWakeTimer(ToUtcFileTime(next->when, timeZone_) -
                                      kWakeBeforeSeconds * kFileTimeSecond);
    }
}

void WakeKeeper::Disarmed() {
    power_.CancelWakeTimer();
    near_ = soundLooping_ = false;
    StayAwake();
}

void WakeKeeper::SetSoundLooping(bool looping) {
    soundLooping_ = looping;
    StayAwake();
}

// Asked for or given back only when that changes.
void WakeKeeper::StayAwake() {
    const bool wanted = near_ || soundLooping_;
    if (wanted != awake_) {
        awake_ = wanted;
        power_.SetThreadExecutionState(
            wanted ? ES_CONTINUOUS | ES_SYSTEM_REQUIRED | ES_DISPLAY_REQUIRED : ES_CONTINUOUS);
    }
}

} // namespace acordina::background
