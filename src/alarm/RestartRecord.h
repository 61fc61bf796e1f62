#pragma once
// The record that lets an armed alarm outlive the program: written at arming beside
// Config.inf, updated at each wake-up, removed when the user disarms or ends the program. A
// start that finds it arms again, and tells whether the wake-up passed while nobody was there.

#include "alarm/AlarmCheck.h"

#include <optional>
#include <string>
#include <string_view>

namespace acordina::alarm {

inline constexpr wchar_t kRecordFileName[] = L"Religar.inf";

struct RestartRecord {
    TimeOfDay despertar; // hour and minute; seconds 0
    LocalTime armado;
    std::optional<LocalTime> tocou; // the last wake-up fired, if any

    friend bool operator==(const RestartRecord&, const RestartRecord&) = default;
};

// Four lines of ASCII, CR LF each.
std::string FormatRecord(const RestartRecord& r);

// Only a whole, well-formed record; a damaged or truncated one is none.
std::optional<RestartRecord> ParseRecord(std::string_view bytes);

// The wake-up time last came round before `now` after the arming and after the last firing:
// the alarm did not ring while the program was away.
bool MissedWhileAway(const RestartRecord& r, const LocalTime& now);

} // namespace acordina::alarm
