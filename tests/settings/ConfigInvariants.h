#pragma once
// What ParseConfig must give back for any bytes at all; shared by the seeded
// robustness run and the libFuzzer target.

#include "ConfigSamples.h"
#include "settings/ConfigFormat.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace acordina::settings {

inline bool InRange(LineKind kind, const LineValue& v, int soundEntries) {
    switch (kind) {
    case LineKind::CheckBox:
        return std::holds_alternative<int>(v) && (std::get<int>(v) == 0 || std::get<int>(v) == 1);
    case LineKind::SoundIndex:
        return std::holds_alternative<int>(v) &&
               (std::get<int>(v) == -1 ||
                (std::get<int>(v) >= 0 && std::get<int>(v) < soundEntries));
    case LineKind::Text:
        return std::holds_alternative<std::wstring>(v) &&
               std::get<std::wstring>(v).find_first_of(L"\r\n") == std::wstring::npos;
    }
    return false;
}

// At most 15 values, each of its line's kind and range, that read back the same once written.
// Returns what is broken, if anything.
inline std::optional<std::string> BrokenInvariant(const std::vector<LineValue>& values,
                                                  int soundEntries) {
    if (values.size() > kLineCount) {
        return "more than 15 values";
    }
    ConfigValues full;
    for (std::size_t i = 0; i < kLineCount; ++i) {
        if (i < values.size() && !InRange(kLines[i], values[i], soundEntries)) {
            return "line " + std::to_string(i + 1) + " of the wrong kind or out of range";
        }
        full[i] = i < values.size()                   ? values[i]
                  : kLines[i] == LineKind::Text       ? LineValue(std::wstring())
                  : kLines[i] == LineKind::SoundIndex ? LineValue(-1)
                                                      : LineValue(0);
    }
    const auto again = ParseConfig(FormatConfig(full, kCp1252), soundEntries, kCp1252);
    if (again.size() != kLineCount || !std::equal(values.begin(), values.end(), again.begin())) {
        return "written and read again, the values differ";
    }
    return std::nullopt;
}

} // namespace acordina::settings
