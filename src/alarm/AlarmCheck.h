#pragma once
// The periodic comparison of the clock with the armed wake-up and pre-alert
// times. Stateless: what it does on a tick depends on Module1 alone.

#include "alarm/Module1.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace acordina::alarm {

struct TimeOfDay {
    int hour = 0;
    int minute = 0;
    int second = 0;

    friend bool operator==(const TimeOfDay&, const TimeOfDay&) = default;
};

// The local clock; asked afresh for every comparison.
class Clock {
public:
    virtual ~Clock() = default;
    virtual TimeOfDay Now() const = 0;
};

// The background window's operations a due target calls.
class AlarmActions {
public:
    virtual ~AlarmActions() = default;
    virtual void Avisa(std::uint8_t varOQue) = 0;
    virtual void Tocar() = 0;
    virtual void DesligarWindows() = 0;
};

// One tick's check: the pre-alerts 15, 10, 5, 2, 1, then the wake-up time.
// Allocates nothing, so it can run every 100 ms all night.
void VerificarAlarme(const Module1& m, const Clock& clock, AlarmActions& actions);

// A stored time text ("07:05:00", "7:4:00", "7:4") read as a time of day:
// one or two digits per field, seconds optional. Anything else is no time.
std::optional<TimeOfDay> LerHora(std::wstring_view text);

// "hh:mm:ss", two digits each, into a caller's buffer (no allocation).
struct ClockText {
    wchar_t text[9];
};
ClockText FormatarHora(TimeOfDay t);

} // namespace acordina::alarm
