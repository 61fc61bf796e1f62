#pragma once
// Times of day: the stored time texts read as times, and the clock display's text.

#include <optional>
#include <string_view>

namespace acordina::alarm {

struct TimeOfDay {
    int hour = 0;
    int minute = 0;
    int second = 0;

    friend bool operator==(const TimeOfDay&, const TimeOfDay&) = default;
};

// A stored time text ("07:05:00", "7:4:00", "7:4") read as a time of day:
// one or two digits per field, seconds optional. Anything else is no time.
std::optional<TimeOfDay> LerHora(std::wstring_view text);

// "hh:mm:ss", two digits each, into a caller's buffer (no allocation).
struct ClockText {
    wchar_t text[9];
};
ClockText FormatarHora(TimeOfDay t);

} // namespace acordina::alarm
