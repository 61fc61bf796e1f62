#pragma once
// The alarm engine behind both timers: it compares the clock with the armed wake-up and
// pre-alert times. A target fires once, when the clock reaches or passes its second; after a
// short stall it fires late, after a long one (sleep, a clock set forward) the user is told
// that the alarm did not ring.

#include "alarm/Module1.h"
#include "alarm/TimeText.h"

#include <cstdint>
#include <optional>

namespace acordina::alarm {

// A reading of the local clock. The date tells a stall of seconds from one of days.
struct LocalTime {
    int year = 2000;
    int month = 1;
    int day = 1;
    TimeOfDay time;

    friend bool operator==(const LocalTime&, const LocalTime&) = default;
};

// A reading counted in seconds since 1970 on the local clock, for differences between readings.
std::int64_t LocalSeconds(const LocalTime& t);

class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalTime Now() const = 0;
};

// The background window's operations a target calls.
class AlarmActions {
public:
    virtual ~AlarmActions() = default;
    virtual void Avisa(std::uint8_t varOQue) = 0;
    virtual void Tocar() = 0;
    virtual void DesligarWindows() = 0;
    // The wake-up time passed during a long stall: it did not ring.
    virtual void AvisaNaoTocou(TimeOfDay despertar) = 0;
    // The wake-up fired: after its alert and sound, before the shutdown.
    virtual void Despertou() {}
};

// The longest stall after which the targets it skipped still fire.
inline constexpr int kLateLimitSeconds = 60;

class AlarmEngine {
public:
    // The previous check counts as the second before `now`: a target in this very second fires.
    void Armar(const LocalTime& now);

    // One check, by either timer: the pre-alerts 15, 10, 5, 2, 1, then the wake-up, each fired
    // once for the second it was reached in. True when a target was reached or skipped.
    // Allocates nothing, so it can run 20 times a second all night.
    bool Verificar(const Module1& m, const LocalTime& now, AlarmActions& actions);

    // The next target that does something (a ticked pre-alert with a message, the wake-up)
    // and not handled yet.
    struct Alvo {
        LocalTime when;
        std::int64_t secondsAway;
    };
    std::optional<Alvo> Proximo(const Module1& m, const LocalTime& now) const;

private:
    // The second of the last check, counted in local seconds.
    std::optional<std::int64_t> previous_;
};

} // namespace acordina::alarm
