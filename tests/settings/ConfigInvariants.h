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

inline bool InRange(LineKind kind, const LineValue& v, const SoundList& sounds, bool named) {
    if (kind == LineKind::Text || kind == LineKind::SoundName) {
        return std::holds_alternative<std::wstring>(v) &&
               std::get<std::wstring>(v).find_first_of(L"\r\n") == std::wstring::npos;
    }
    if (!std::holds_alternative<int>(v)) {
        return false;
    }
    const int n = std::get<int>(v);
    if (kind == LineKind::CheckBox) {
        return n == 0 || n == 1;
    }
    // A file that names its sound never selects the help entry.
    return n == -1 || (n >= 0 && static_cast<std::size_t>(n) < sounds.entries.size() &&
                       !(named && sounds.entries[static_cast<std::size_t>(n)] == sounds.help));
}

// At most 16 values, each of its line's kind and range, that read back the same once written.
// Returns what is broken, if anything.
inline std::optional<std::string> BrokenInvariant(const std::vector<LineValue>& values,
                                                  const SoundList& sounds) {
    if (values.size() > kLineCount) {
        return "more than 16 values";
    }
    const bool named = values.size() == kLineCount;
    ConfigValues full;
    for (std::size_t i = 0; i < kLineCount; ++i) {
        if (i < values.size() && !InRange(kLines[i], values[i], sounds, named)) {
            return "line " + std::to_string(i + 1) + " of the wrong kind or out of range";
        }
        full[i] = i < values.size()                   ? values[i]
                  : kLines[i] == LineKind::CheckBox   ? LineValue(0)
                  : kLines[i] == LineKind::SoundIndex ? LineValue(-1)
                                                      : LineValue(std::wstring());
    }
    std::string bytes = FormatConfig(full, kCp1252);
    if (!named) {
        bytes.resize(bytes.size() - 2); // the empty 16th line: read again as before it existed
    }
    const auto again = ParseConfig(bytes, sounds, kCp1252);
    if (again.size() < values.size() || !std::equal(values.begin(), values.end(), again.begin())) {
        return "written and read again, the values differ";
    }
    return std::nullopt;
}

} // namespace acordina::settings
